// Text conversion at the edge of the program: inside, every text is Windows-1252.
#pragma once
#include <string>
#include <string_view>

// Every byte has its character (the five the code page leaves open become U+0081 and so on),
// so that Os_Text_Cp1252 gives the bytes back.
std::string Os_Text_Utf8(std::string_view cp1252);
// Characters without a Windows-1252 form, and broken sequences, become '?'.
std::string Os_Text_Cp1252(std::string_view utf8);
// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool Os_Text_Ist_Utf8(std::string_view text);
// A text from the system (a file name, a line of a script, a registry value): UTF-8 is
// converted; anything else was written as Windows-1252 (older files) and is taken as it is.
std::string Os_Text_Aus_System(std::string_view text);
