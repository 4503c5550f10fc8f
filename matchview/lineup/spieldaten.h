// The match data page of the line-up screen (what the match is, the crowd, weather, referee and
// both teams' figures above; the series before the match or the goals and cards after it in a
// scrolling list below) and the small clock box at the screen's top.
#pragma once
#include <cstdint>
#include <string>

struct Rastport;
struct Spielfeld_Record;

// The line-up screen's phase (all 0 while the match runs); it sets them.
extern uint8_t Screen_Phase_Vor_Spiel, Screen_Phase_Kabine, Screen_Phase_Nach_Spiel;

// Events of the game that are goals or cards (flag bits 4, 16, 32, 64).
int32_t Spiele_Ereignisse_Zaehlen(int32_t spiel);

// The clock box drawn into its bitmap (restored from its clean copy by the caller): score,
// minute or phase, and the competition.
void Screen_Minutenanzeige_Zeichnen(Rastport* box, const Spielfeld_Record* r);
// The same in two steps: what the box shows (equal ones draw the same box), then that into it.
struct Screen_Uhr_Angaben {
    int32_t farbe = 0, mitte = 0, minute = 0;
    const char* phase = nullptr;  // the phase's line, or null for the minute
    bool mit_wettbewerb = false;  // a stored game names its competition
    std::string stand, wettbewerb;
    bool operator==(const Screen_Uhr_Angaben&) const = default;
};
Screen_Uhr_Angaben Screen_Minutenanzeige_Angaben(const Rastport* box, const Spielfeld_Record* r);
void Screen_Minutenanzeige_Drucken(Rastport* box, const Screen_Uhr_Angaben& a);

// Where the page draws and what the scroll bar says.
struct Spieldaten_Ziel {
    Rastport* oben = nullptr;    // the upper box, from its clean copy
    Rastport* unten = nullptr;   // the lower box, from its clean copy
    int32_t knopf_y = 0, schiene_y = 0, schiene_hoehe = 0, knopf_hoehe = 0;
    // Results: the list's height and whether the scroll bar shows (then the box is drawn 17
    // pixels narrower).
    int32_t liste_hoehe = 0;
    bool rollbalken = false;
};
void Spieldaten_Zeichnen(const Spielfeld_Record* r, Spieldaten_Ziel& ziel);

// The first row of a list taller than the box: the knob's place on its track scaled to the rows
// the box cannot show (`sichtbar` of them fit); 0 for a track no taller than the knob.
int32_t Spieldaten_Listen_Versatz(int32_t knopf_y, int32_t schiene_y, int32_t schiene_hoehe, int32_t knopf_hoehe,
                                  int32_t liste_hoehe, int32_t sichtbar);
// The part of a list (`hoehe` pixels) that a window `sichtbar` pixels high from `versatz` shows
// with whole rows only: rows begin at `erste` and every `abstand` pixels on, the heading above the
// first; [von, bis) of the list, empty when no whole row fits.
struct Spieldaten_Zeilen_Fenster {
    int32_t von = 0, bis = 0;
};
Spieldaten_Zeilen_Fenster Spieldaten_Ganze_Zeilen(int32_t versatz, int32_t sichtbar, int32_t hoehe, int32_t erste, int32_t abstand);
// Removes repeated lines (each line once, the first place kept); the count left.
int32_t Spieldaten_Doppelte_Entfernen(char (*zeilen)[256], int32_t n);

// Test hook: every text the page and the clock box print (target, x, y, the text with its codes).
// The font of the statistics columns and the event rows.
constexpr int32_t SPIELDATEN_SPALTEN_FONT = 9;
using Spieldaten_Text_Hook = void (*)(const Rastport* ziel, int32_t x, int32_t y, const char* text);
void Spieldaten_Set_Text_Hook(Spieldaten_Text_Hook hook);
