#pragma once
// The About box's texts, kept scrambled in the program and unscrambled only when
// Fill_About_Box_Texts asks for them.
#include <string>

#include "ui/version.h"

namespace keldra::ui {

inline constexpr const char* Program_Name = "Keldra";
inline constexpr const char* Product_Title = "Keldra v" KELDRA_VERSION;
inline constexpr const char* About_Caption = "About Keldra v" KELDRA_VERSION " ...";
inline constexpr const char* Release_Date = "November 2002";

std::string Author_Line();
// What a build of the window is made with, named on the development-tools line.
enum class Face_Toolkit { Qt_Widgets, Win32 };
std::string Developed_Using_Line(Face_Toolkit toolkit);
std::string Copyright_Line();  // followed directly by the year
std::string Comments_Lead_In();
std::string Web_Page_Lead_In();
std::string Email_Address();
std::string Web_Address();
std::string Donation_Address_Part_1();
std::string Donation_Address_Part_2();

// "mailto:<address>?subject=Shareware: <executable file name>", nothing escaped.
std::string Email_Target(const std::string& address, const std::string& executable_file_name);

}  // namespace keldra::ui
