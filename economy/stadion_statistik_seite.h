// The stadium's statistics page: the value bars, the record lines of the league and the shown
// cup, the cup column's choice, the curve of a league series and its point information.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Stadion_Statistik;

// Height of a value bar (kind 0 condition, 1 costs, 2 fans) in its 64-pixel field.
constexpr int32_t STADION_BALKEN_FELD = 64;
int32_t Stadion_Statistik_Balken(int32_t team, int32_t art);
// The next used cup column after `spalte` (1..5), wrapping to the first; -1 when none is used.
int32_t Stadion_Statistik_Naechster_Pokal(const Stadion_Statistik& st, int32_t spalte);
// The mouse-over of a record picture: the competition's name or why there is none.
std::string Stadion_Statistik_Wettbewerb_Hilfe(int32_t team, int32_t spalte);
// The attendance and income record lines of a column.
std::string Stadion_Statistik_Rekord(int32_t team, int32_t spalte, bool einnahme);
// A column's lines on the page: its home games ("%d Spiel(e)"), their average attendance and
// income or "Noch keine Heimspiele in dieser Saison", then the two record lines. A free cup
// column (the club played none at home, perhaps away) reads as no home game yet: why it is free
// is the picture's mouse-over.
struct Stadion_Spalte_Zeilen {
    std::string spiele, schnitt, rekord_zuschauer, rekord_einnahme;
};
Stadion_Spalte_Zeilen Stadion_Statistik_Spalte_Zeilen(int32_t team, int32_t spalte);
// The curve of series 0..4 over the league home games: its points, none (help text only) with
// fewer than two games.
std::vector<int32_t> Stadion_Statistik_Kurve(int32_t team, int32_t reihe);
// The information lines of the curve's point (a league home game), or the one line "Keine
// Informationen verfügbar." when its game is not found.
std::vector<std::string> Stadion_Statistik_Punkt_Info(int32_t team, int32_t punkt);
