// Pieces of the match overview's pages that stand on their own: the competition page's list
// geometry, the small pitch radar of a live game, and the statistics lines of the game page.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Rastport;
struct Spielfeld_Record;

// The games list's (or live table's) rows and place, from the number of games (or table rows).
struct Spielansicht_Liste_Masse {
    int32_t zeile = 0, hoehe = 0, oben = 0;
    bool zweite_zeile = false;  // room for the strength line under each game
};
Spielansicht_Liste_Masse Spielansicht_Liste_Masse_Berechnen(int32_t spiele, bool tabelle, int32_t tabellen_zeilen);

constexpr int32_t SPIELANSICHT_RADAR_BREITE = 55, SPIELANSICHT_RADAR_HOEHE = 36;
// The radar of a live record into a 55 x 36 bitmap (the ground already laid): ball, goal frame
// and players; nothing for a record not played on the pitch or over. Whether it drew.
bool Spielansicht_Radar_Zeichnen(const Spielfeld_Record* r, Rastport* radar);
// The same in two steps: the radar's strokes taken from the record now (false as above), and
// drawn later into the bitmap, whatever the record holds by then.
struct Spielansicht_Radar_Strich {
    enum Art : uint8_t { FLAECHE, LINIE, PUNKT } art;
    int16_t x1, y1, x2, y2;  // a rectangle's place and size, a line's ends, a point
    uint16_t farbe;
};
bool Spielansicht_Radar_Striche(const Spielfeld_Record* r, std::vector<Spielansicht_Radar_Strich>* striche);
void Spielansicht_Radar_Malen(const std::vector<Spielansicht_Radar_Strich>& striche, Rastport* radar);

// The statistics lines of the game page for the home and away columns, in order: misplaced
// passes, lost tackles, shots on target, share of ball contacts (a line left out stays empty).
struct Spielansicht_Statistik {
    std::string heim[4], gast[4];
};
Spielansicht_Statistik Spielansicht_Statistik_Texte(const Spielfeld_Record* r);

// A club's crest and name as the lists print them (with the own club's marks), at most `breite`
// pixels wide in the font, so that a long name does not run into the next column: a name too
// wide is cut at its end, and a full stop marks the cut.
std::string Spielansicht_Name_In_Breite(int32_t team, int32_t font, int32_t breite);
// vor + text + nach, the text cut at its end (a full stop marking the cut) so that the whole is at
// most `breite` pixels wide in the font.
std::string Spielansicht_Kuerzen(const std::string& vor, const std::string& text, const std::string& nach, int32_t font,
                                 int32_t breite);
