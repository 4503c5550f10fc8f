// Small screen services: the debug font and the on-screen debug lines (which print nothing),
// the memory monitor for developers, dimmed full-screen backgrounds, the conversion of a 6-bit
// palette to screen colours, two-state picture buttons and the crest of the acting club.
#pragma once
#include <cstdint>

#include "graphics/font.h"

// The debug font "term6.fnt" of the program folder: once at 8 bits, once at the screen depth.
extern Font_Record* Debug_Font_8;
extern Font_Record* Debug_Font;
extern uint8_t Debug_Schalter;

// 1 when both debug fonts loaded (their ascent set to 0), else 0.
int Init_Debug_Font();
int DeInit_Debug_Font();

// On-screen debug lines: they print nothing, and callers rely on that.
void Debug_Print(uint32_t colour, const char* format, ...) __attribute__((format(printf, 2, 3)));
void Debug_Print_Zeile(uint32_t colour, int32_t line, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
constexpr uint32_t DEBUG_ROT = 0xFA00;
constexpr uint32_t DEBUG_GRUEN = 0x07E0;
constexpr uint32_t DEBUG_WEISS = 0xFFFF;

void Debug_Ein();
void Debug_Aus();
// "Frei: %dK MaxBlk: %dK AnzBlk: %d AnzFrag.: %d" from the allocator's statistics.
const char* Debug_Speicher_Text();
// The 318 x 80 memory graph: on (allocates it), off (frees it), draw one step.
int Debug_Speicher_Graph_An();
int Debug_Speicher_Graph_Aus();
int Debug_Speicher_Graph();
// The heap map for developers: the 640 x 480 screen in colour 31 with every heap block the
// allocator reports as a run of pixels by its kind, until a mouse button is pressed; then the
// screen as it was. 0 without a screen.
int Debug_Speicher_Karte();

// Screen backgrounds from the screen resource file, drawn on the render target.
int Hintergrund_Load();
int Hintergrund_Show_Dunkel();
int Hintergrund_Show_Spiel_Dunkel();
int Bild_Zentriert_Zeigen();
// Frees the held background (at exit).
void Hintergrund_Freigeben();

// 256 six-bit RGB triplets into 256 colours of the screen depth (nothing at 8 bits). 1.
int Palette_To_Hicolor(const uint8_t* palette, uint16_t* colours);

// A two-state picture button; either picture may be null.
struct Bild_Knopf {
    int32_t x, y;
    uint32_t zustand;  // bit 0
    Rastport* bild[2];
};
void Bild_Knopf_Aus(Bild_Knopf* knopf);
void Bild_Knopf_An(Bild_Knopf* knopf);
// Toggles the state, shows the first picture until no mouse button is held, then the second.
void Bild_Knopf_Klick(Bild_Knopf* knopf);

