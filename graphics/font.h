// Bitmap fonts: the 17 font slots and text measurement.
#pragma once
#include <cstdint>

struct Font_Record;

// The record of a font slot 0-16.
Font_Record* Font(int32_t slot);
// Width in pixels of one run of marked-up text; 0 for a missing font or an empty text.
int32_t Font_Text_Breite(Font_Record* font, const char* text);
