// Text conversion at the edge of the program: inside, every text is Windows-1252.
#pragma once
#include <string>
#include <string_view>

std::string Os_Text_Utf8(std::string_view cp1252);
std::string Os_Text_Cp1252(std::string_view utf8);
