// Rotating temporary texts: 100 buffers of 400 bytes; a text stays valid for 99 further requests.
#pragma once

constexpr int TEMP_STRING_ANZAHL = 100;
constexpr int TEMP_STRING_LAENGE = 400;

char* Get_Temp_String();
// Formats into the next buffer, cut to 399 characters.
char* Temp_Sprintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Clear_Temp_Strings();
