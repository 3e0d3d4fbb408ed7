#pragma once
// The About box's texts, kept scrambled in the program and unscrambled only when
// Fill_About_Box_Texts asks for them.
#include <string>

namespace keldra::ui {

inline constexpr const char* Product_Title = "Keldra v3.6f";
inline constexpr const char* About_Caption = "About Keldra v3.6f ...";
inline constexpr const char* Release_Date = "November 2002";

std::string Author_Line();
std::string Developed_Using_Line();
std::string Copyright_Line();  // followed directly by the year
std::string Comments_Lead_In();
std::string Web_Page_Lead_In();
std::string Email_Address();
std::string Web_Address();
std::string Donation_Address_Part_1();
std::string Donation_Address_Part_2();

// What the URL handler is given for a target: a bare "www." address becomes a
// web address; everything else goes as it is.
std::string Url_Handler_Target(const std::string& target);

// "mailto:<address>?subject=Shareware: <executable file name>", nothing escaped.
std::string Email_Target(const std::string& address, const std::string& executable_file_name);

}  // namespace keldra::ui
