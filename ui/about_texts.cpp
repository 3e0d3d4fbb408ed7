#include "ui/about_texts.h"

#include "extras/scrambled_text.h"

namespace keldra::ui {
namespace {

constexpr auto kAuthor = extras::Scramble("Written by the Keldra developers");
constexpr auto kTools_Qt =
    extras::Scramble("Developed using C++20, Qt 6 Widgets, CMake and GoogleTest");
constexpr auto kTools_Win32 =
    extras::Scramble("Developed using C++20, Win32, CMake and GoogleTest");
constexpr auto kCopyright = extras::Scramble("Copyright \xC2\xA9 The Keldra developers, ");
constexpr auto kComments = extras::Scramble("Comments and suggestions :");
constexpr auto kWebPage = extras::Scramble("The Keldra web page :");
constexpr auto kEmail = extras::Scramble("keldra@example.org");
constexpr auto kWeb = extras::Scramble("www.example.org");
constexpr auto kDonation1 = extras::Scramble("https://www.example.org/");
constexpr auto kDonation2 = extras::Scramble("keldra/support");

}  // namespace

std::string Author_Line() { return extras::Unscramble(kAuthor); }
std::string Developed_Using_Line(Face_Toolkit toolkit) {
  return toolkit == Face_Toolkit::Win32 ? extras::Unscramble(kTools_Win32)
                                        : extras::Unscramble(kTools_Qt);
}
std::string Copyright_Line() { return extras::Unscramble(kCopyright); }
std::string Comments_Lead_In() { return extras::Unscramble(kComments); }
std::string Web_Page_Lead_In() { return extras::Unscramble(kWebPage); }
std::string Email_Address() { return extras::Unscramble(kEmail); }
std::string Web_Address() { return extras::Unscramble(kWeb); }
std::string Donation_Address_Part_1() { return extras::Unscramble(kDonation1); }
std::string Donation_Address_Part_2() { return extras::Unscramble(kDonation2); }

std::string Email_Target(const std::string& address, const std::string& executable_file_name) {
  return "mailto:" + address + "?subject=Shareware: " + executable_file_name;
}

}  // namespace keldra::ui
