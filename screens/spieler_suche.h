// The transfer search page of the line-up screen: four search slots per club (team field 804) and
// the acting manager's switches, and the test that the right-hand list applies to each player.
#pragma once
#include <cstdint>

#include "database/team.h"

struct Rastport;

using Transfer_Suchblock = Team_Transfersuche;

// Little-endian image: 0 four i16 minimum ages, 8 maximum ages, 16 minimum and 24 maximum
// strengths, 32 first and 40 second corner cells, 48 held players, 56 assistant words, 64 four u8
// goalkeeper flags, 68 four u8 active flags, 72..155 kept byte for byte.
constexpr uint32_t TRANSFER_SUCHBLOCK_BYTES = 156;
void Transfer_Suchblock_Packen(const Transfer_Suchblock& s, uint8_t* bytes);
void Transfer_Suchblock_Entpacken(const uint8_t* bytes, Transfer_Suchblock& s);

// Whether player `spnr` of `team` matches the acting manager's search.
bool Spieler_Suche_Passt(int32_t team, int32_t spnr);
// True when the search asks for favourite positions but no slot's room is active: then nobody
// can match.
bool Spieler_Suche_Ohne_Raum();
// The line-up screen shows the search page (803) or the line-up (804) in its group 707.
bool Spieler_Einsetzen_Modus_803_Aktiv();
bool Spieler_Einsetzen_Modus_804_Aktiv();
// The scope caption of the right-hand list.
const char* Spieler_Suche_Bereich_Text();
// "(< xx Monate)" for the chosen months.
const char* Spieler_Suche_Monate_Text();
// The slot 0..3 of a slot icon, -1 for another icon.
int32_t Spieler_Suche_Slot_Aus_Icon(int32_t icon);
// A switch of the page clicked (1351..1360, a goal toggle or an activation button of a slot).
void Spieler_Suche_Schalten(int32_t icon);
// The three menus' choices: a club, a league (-1 all), a contract item 0..5.
void Spieler_Suche_Verein_Setzen(int32_t team);
void Spieler_Suche_Liga_Setzen(int32_t liga);
void Spieler_Suche_Vertrag_Setzen(int32_t item);
// The leagues of the league menu (at most `max`): owning competitions the acting club plays in.
int32_t Spieler_Suche_Ligen(int32_t* ids, int32_t max);
// A room corner (0 left top, 1 right top, 2 left bottom, 3 right bottom) of slot s dragged to a
// screen point on the slot's small pitch.
void Spieler_Suche_Ecke_Ziehen(int32_t slot, int32_t ecke, int32_t x, int32_t y);
// The handles of slot s's age (art 0) or strength (art 1) bar at y offsets 0..115 from the bar's
// top; the upper handle is the maximum. True when the right-hand list is to be rebuilt.
bool Spieler_Suche_Regler_Setzen(int32_t slot, int32_t art, int32_t y_oben, int32_t y_unten);
// Applies the transfer assistant's lock to the four slots; true while locked.
bool Spieler_Suche_Icons_Sperren();

// The page's texts: the chosen club (-1 in the datum stands for the own club) and league, cut to
// 85 pixels, and the months caption.
// The page's captions are drawn in font 4; the chosen club's and league's names fit the room
// behind "Mit " and "Mit Vereinen aus" up to the list on the right.
constexpr int32_t SPIELER_SUCHE_FONT = 4, SPIELER_SUCHE_VEREIN_BREITE = 170, SPIELER_SUCHE_LIGA_BREITE = 95;
struct Spieler_Suche_Texte {
    char verein[32];
    char liga[48];
    char monate[24];
};
void Spieler_Suche_Texte_Setzen(Spieler_Suche_Texte* aus);
// Help texts of the slot frames, the room corners and goal toggles, the activation buttons and the
// contract switch.
struct Menue_Icon;
const char* Spieler_Suche_Slot_Hilfe(Menue_Icon* icon);
const char* Spieler_Suche_Raum_Hilfe(Menue_Icon* icon);
const char* Spieler_Suche_Aktiv_Hilfe(Menue_Icon* icon);
const char* Spieler_Suche_Vertrag_Hilfe(Menue_Icon* icon);
// Draws title picture 1227 centred on the 640 x 480 screen; nothing when it is missing.
void Spieler_Suche_Titelbild();

// Icon procedures: the switches' click, the context menus of 1352 (clubs by the picker), 1354
// (leagues, "Alle Ligen" first) and 1355 (contract months), and their item procedures.
struct Menue_Kontextmenue;
int32_t Spieler_Suche_Knopf_Klick(Menue_Icon* icon, uint32_t flags);
Menue_Kontextmenue* Spieler_Suche_Team_Menue(Menue_Icon* icon);
Menue_Kontextmenue* Spieler_Suche_Liga_Menue(Menue_Icon* icon);
Menue_Kontextmenue* Spieler_Suche_Vertrag_Menue(Menue_Icon* icon);
uint8_t Spieler_Suche_Team_Gewaehlt(int32_t eintrag, int32_t wert_c, int32_t wert_a, int32_t wert_b);
uint8_t Spieler_Suche_Liga_Gewaehlt(int32_t eintrag, int32_t wert_c, int32_t wert_a, int32_t wert_b);
uint8_t Spieler_Suche_Vertrag_Gewaehlt(int32_t eintrag, int32_t wert_c, int32_t wert_a, int32_t wert_b);
// Draws slot s's room (or nothing for a goalkeeper search) as a frame on the slot's small pitch
// bitmap, whose origin is the pitch's top-left corner; false when nothing could be drawn.
bool Spieler_Suche_Raum_Malen(Rastport* pitch, int32_t slot, uint16_t farbe);
