// What the player screens share: the four switch buttons (comparison, training, transfer search,
// line-up), the pitch figures' colours and the savegame block of that state.
//
// Savegame block (position 23), one block of 461 bytes:
//   0 five 92-byte icon records (801, 802, 803, 804, the closing record)
//   460 u8 Spieler_Screen_Hinweis_Gezeigt (0 or 1)
#pragma once
#include <cstdint>
#include <string>

#include "graphics/grafik_bitmap.h"

struct Disk_Datei;
struct Menue_Icon;

constexpr uint32_t SPIELER_SCHIRME_BYTES = 5 * 92 + 1;
enum : int32_t { SPIELER_SCHALTER_VERGLEICH = 801, SPIELER_SCHALTER_TRAINING = 802, SPIELER_SCHALTER_TRANSFER = 803,
                 SPIELER_SCHALTER_EINSETZEN = 804 };

extern Menue_Icon Spieler_Screen_Knoepfe[5];

// The opener of each switch button's screen (index 0..3 for 801..804), set by those screens;
// called with the click flag 0x20000000.
using Spieler_Screen_Oeffner = int32_t (*)(Menue_Icon* icon, uint32_t flags);
void Spieler_Screen_Oeffner_Setzen(int32_t index, Spieler_Screen_Oeffner oeffner);
// The switch buttons' click procedure.
int32_t Spieler_Screen_Knopf_Klick(Menue_Icon* icon, uint32_t flags);
// Opens the screen of switch button 801..804 (its opener, when set).
int32_t Spieler_Screen_Oeffnen(int32_t nummer);
// A title picture of the player screens (a resource of the main resource file) drawn centred on
// the 640 x 480 screen with its see-through pixels.
void Spieler_Screen_Titelbild(int32_t nummer);
// The screen file's picture of that number, its part (sx, sy, w, h; w < 0 the whole) at (x, y)
// in `ziel`, see-through pixels kept unless `deckend`; false when it is missing, so that the
// caller draws its stand-in.
bool Spieler_Screen_Bild(int32_t nummer, Rastport* ziel, int32_t x, int32_t y, bool deckend = false, int32_t sx = 0,
                         int32_t sy = 0, int32_t w = -1, int32_t h = -1);
// A text's width in `font` with its tabs, lines and bold codes (the font's bold state is kept).
int32_t Spieler_Screen_Text_Breite(int32_t font, const std::string& text);
// Called when a player screen opens: shows the switch buttons when they are not on screen.
void Spieler_Screen_Icons_Zeigen();

// The colour-table index of a pitch figure: kind x 3 + variant (1 with flag 0x10, 2 with 0x20,
// else 0); the 16-bit colour through farbe when given. -1 for a kind outside the table.
constexpr int32_t SPIELER_FIGUR_ARTEN = 5;
int32_t Spieler_Figur_Get_Farbe(int32_t art, uint32_t flags, uint16_t* farbe);

// The block in memory form and back; the reader refuses anything but five records whose
// numbers are 801..804 and the closing record, and takes a hint byte other than 0 as 1.
void Spieler_Screen_Block_Packen(uint8_t bytes[SPIELER_SCHIRME_BYTES]);
// True when the icon records stored at `bytes` confirm the first `anzahl` templates of `liste`,
// each in its place with the template's number; the first that does not is reported under `wer`.
bool Spieler_Screen_Icons_Bestaetigt(const uint8_t* bytes, const Menue_Icon* liste, int32_t anzahl, const char* wer);
bool Spieler_Screen_Block_Entpacken(const uint8_t* bytes, uint32_t laenge);
bool Spieler_Screen_Write_Bin_Block(Disk_Datei* datei);
bool Spieler_Screen_Read_Bin_Block(Disk_Datei* datei, const char* version);
// Registers the block with the savegame.
void Spieler_Screen_Disk_Registrieren();
