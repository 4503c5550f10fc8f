// Help bubbles, spoken help and the glow windows. One bubble at a time: a small window with a
// blurred copy of the screen behind the text, faded in and out over 16 steps on the front page.
// Help texts are marked-up text with "^l" line breaks, or one of two forms that start with the
// byte 0xB0: "rp" + 2 characters + 8 hex digits of a picture handle (platform/handle.h) + text,
// and "vh" + a team number in decimal + text (the club's info header above the text).
#pragma once
#include <cstdint>

struct Menue_Icon;
struct Rastport;

constexpr int32_t HILFE_GLOW_SLOTS = 20;
// The small picture of the icon marks in the screen resource file.
constexpr int32_t HILFE_MARKEN_RESSOURCE = 489;
// Spoken help n is entry n + this of data.bin.
constexpr int32_t HILFE_SOUND_BASIS = 6265;

// Opens the bubble with the text at (x, y) (-1: beside the pointer); marks 1 puts the icon
// marks before the text; at once 1 skips the fade. A second bubble is refused.
void Hilfe_Text_Ausgabe(const char* text, int32_t x, int32_t y, uint8_t marken, uint8_t sofort);
void Hilfe_Schliessen(uint8_t sofort);
// Where the open bubble stands; false when none is open.
bool Hilfe_Offen(int32_t* x, int32_t* y, int32_t* w, int32_t* h);
// The number of "^l" codes.
int32_t Hilfe_Zeilen_Zaehlen(const char* text);

// The playing sample id, -1 for none (missing file or entry, an entry that is no sound).
int32_t Hilfe_Sound_Play(int32_t n);
void Hilfe_Sound_Stop();

// The owner's slot; without one, -1 with nur_suchen, else the first free slot taken for the
// owner (-1 when all 20 are taken).
int32_t Hilfe_Glow_Slot(const void* besitzer, uint8_t nur_suchen);
// Draws step 0..8 of the glow around the rectangle (x, y, w, h) of the icon; the glow window
// reaches 14 pixels left and 12 up of it. With behalten 0 no slot is taken: the glow is drawn
// once and never put back.
// flags: how the glow goes onto the screen (Hilfe_Glow_Blit).
void Hilfe_Glow_Fenster(Menue_Icon* icon, int32_t x, int32_t y, int32_t w, int32_t h, int32_t stufe,
                        uint8_t behalten, uint32_t flags = 0);
// The same for any owner, shaped by its picture when that has the rectangle's size.
void Hilfe_Glow_Fenster_Bild(const void* besitzer, Rastport* form, int32_t x, int32_t y, int32_t w, int32_t h,
                             int32_t stufe, uint8_t behalten, uint32_t flags = 0);
// The glow's blit by the caller's flags: 0x20 transparent (pixel 0, or the mask plane, keeps the
// screen), 0x2000 ignores the source's transparency (every pixel copied); else a plain copy.
constexpr uint32_t HILFE_GLOW_TRANSPARENT = 0x20;
constexpr uint32_t HILFE_GLOW_OHNE_SCHLUESSEL = 0x2000;
int Hilfe_Glow_Blit(Rastport* quelle, int32_t sx, int32_t sy, int32_t w, int32_t h, Rastport* ziel, int32_t x, int32_t y,
                    uint32_t flags);
// The module's two answers that stand for "ready" (1) and "busy" (0).
int32_t Hilfe_Bereit();
int32_t Hilfe_Beschaeftigt();
// Closes the owner's glow window; with zurueck 1 the screen under it is put back at (x - 14,
// y - 12).
void Hilfe_Glow_Schliessen(const void* besitzer, int32_t x, int32_t y, uint8_t zurueck);
void Hilfe_Glow_Freigeben();
