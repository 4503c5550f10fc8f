// The printer of marked-up text: printf formatting, then inline codes that switch colours,
// fonts, styles, tab positions and lines and embed pictures. Codes start with '^':
//   ^cNNNNN colour (00000 restores the saved one)   ^icNNNNN locked colour
//   ^yNNNN font slot   ^x0xHHHHHHHH font handle      ^fbNNNN / ^fe fixed advance
//   ^bb / ^be bold     ^ub / ^ue underline            ^l new line   ^zNNNN new line of N
//   ^taNNNN ^tlNNNN ^trNNNN ^tzNNNN tab positions     ^pNNNN ^s skipped
//   ^gKO0xHHHHHHHH picture handle (K kind s t n u, O 'l' = free it), ^glONNNN team crest
// Handles come from the registry in platform/handle.h.
#pragma once
#include <cstdarg>
#include <cstdint>

#include "graphics/font.h"

constexpr int32_t GRAFIK_PRINTF_PUFFER = 512;

// Formats like printf (at most 511 characters; longer output is cut) and prints at baseline y.
// 1 after drawing; 0 without drawing for a missing bitmap, font or format, an empty format, a
// font without strip, or a strip whose depth differs from the bitmap's (derived fonts apart).
int Grafik_Printf(Rastport* bitmap, Font_Record* font, const char* format, int32_t x, int32_t y,
                  ...) __attribute__((format(printf, 3, 6)));
int Grafik_VPrintf(Rastport* bitmap, Font_Record* font, const char* format, int32_t x, int32_t y,
                   va_list args);
// As Grafik_Printf, but nothing is drawn or reported: only what the print leaves behind happens
// (the fonts' colour, bold and fixed advance, pictures it is told to free). For a text whose
// picture nobody will see.
int Grafik_Printf_Ungezeichnet(Rastport* bitmap, Font_Record* font, const char* format, int32_t x, int32_t y,
                               ...) __attribute__((format(printf, 3, 6)));

// Draws the characters of text up to the next '^' or the end at glyph top y and advances *x;
// returns the number of characters consumed. The font's colour field is used.
int32_t Font_Zeichen_Ausgeben(Rastport* bitmap, Font_Record* font, const char* text, int32_t* x,
                              int32_t y, uint32_t colour, int32_t underline);

// Arguments of codes; they stop at the end of the text (missing characters count 0).
int32_t Font_Zahl_Lesen(const char* text);   // 4 decimal characters
int32_t Font_Farbe_Lesen(const char* text);  // 5 decimal characters
uint32_t Font_Hex_Lesen(const char* text, int32_t count);
