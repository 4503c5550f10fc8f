// What the line-up screen shows on its pitch: the 27 figures with their places, colours and
// drag rights, the favourite-position box, the room handles and the texts of the strength box and
// the pitch menu.
#pragma once
#include <cstdint>
#include <string>

constexpr int32_t SPIELER_FIGUREN = 27;

struct Spieler_Figur {
    int32_t spnr, team;
    int32_t zelle;       // the cell shown (459 goal or bench)
    int32_t x, y;        // screen place
    int32_t farbe;       // colour-table entry
    int32_t textfarbe;   // 6 for the other club's, else 0
    int8_t prioritaet;   // 3 own, 2 the other club's
    bool ziehbar;
};

struct Rastport;

// A player's shirt in his club's colours (the shirt picture without the shorts), made to w x h
// pixels for the small places: the pitch and bench of the line-up screens, where the full-size
// picture would cover its neighbours. A new picture (the caller frees it), null on failure.
Rastport* Spieler_Trikot_Klein(int32_t spnr, int32_t team, int32_t w, int32_t h);
// The shirt's share of the shirt picture's height (the rest shows the shorts).
constexpr int32_t SPIELER_TRIKOT_HOEHE = 36;

// Rebuilds the figures: the own players on the pitch and bench (display bit 1 of 1290), then the
// on-pitch players of the shown other club (bit 2). The count.
int32_t Spieler_Einsetzen_Figuren_Bauen(Spieler_Figur figuren[SPIELER_FIGUREN]);
// Heads mode: a head of the other club that would cover or hide under a head already placed
// moves beside it, right where the pitch has room, else left (heads of w x h pixels from each
// figure's place). The own figures stay where the line-up puts them.
void Spieler_Einsetzen_Koepfe_Auseinander(Spieler_Figur figuren[], int32_t n, int32_t w, int32_t h);
// The same for any heads of w x h pixels at their top-left places (the match screen's pitch too):
// each head that covers an earlier one or one of a higher priority steps sideways, right while
// it stays left of `rechts`, else left down to `links`; heads of priority `fest` and above stay.
struct Kopf_Platz {
    int32_t x, y;
    int8_t prioritaet;
};
void Koepfe_Auseinander(Kopf_Platz koepfe[], int32_t n, int32_t w, int32_t h, int32_t links, int32_t rechts, int8_t fest);
// The cell the other club's player shows: in DEFENSIV his offensive position, in OFFENSIV his
// defensive one, else his centre.
int32_t Spieler_Einsetzen_Fremde_Zelle(int32_t team, int32_t spnr);

// The favourite-position box in pitch-picture coordinates (left, top, right, bottom): 3 x 3
// cells around the favourite cell kept within along 1..25 and across 1..15 (mirrored for the
// other club), or a goalkeeper's goal area. False without a player.
bool Spieler_Einsetzen_Lieblingsbox(int32_t team, int32_t spnr, int32_t box[4]);
// The six room handles of the edited player: corners, then the defensive and offensive position.
bool Spieler_Einsetzen_Griffe(int32_t spnr, int32_t xy[6][2]);

// The title line of the pitch's context menu.
std::string Spieler_Einsetzen_Menue_Titel();
// The warning when fewer than 11 players without the trial flag stand in the own line-up; "".
std::string Spieler_Einsetzen_Echte_Warnung();
// Colour of a club's strength texts: 6, or 8 when it has not exactly eleven on the pitch.
int32_t Spieler_Einsetzen_Staerke_Farbe(int32_t team);
// The two league strength texts of a club's line-up beside the pitch: 0 its league, 1 the strength
// parts and their mean; "" for no club.
std::string Spieler_Einsetzen_Staerke_Text(int32_t team, int32_t zeile);
// The strength box's tooltip: the own line-up's league strength, with an opponent today both
// clubs' (own first, home or away as today's side says), then the warning of too few real players.
std::string Spieler_Einsetzen_Staerke_Tooltip();
