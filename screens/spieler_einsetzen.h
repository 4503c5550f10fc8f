// The line-up and tactics screen.
#pragma once
#include <cstdint>

// Applies the acting club's line-up tactics when a manager's turn begins.
void Spieler_Einsetzen_Taktik_Anwenden(int32_t modus);
// Shows the acting club's new commitment figure (team field 152) on the tactics screen's
// control, when the screen is open. Entry point until the screen lands.
void Spieler_Einsetzen_Einsatz_Refresh(int32_t wert);
// Test hook: sees every refresh.
using Spieler_Einsetzen_Refresh_Beobachter = void (*)(int32_t wert);
void Spieler_Einsetzen_Set_Refresh_Beobachter(Spieler_Einsetzen_Refresh_Beobachter beobachter);
// The club's line-up mode (an offset from team field 170).
int32_t Spieler_Einsetzen_Get_Modus(int32_t team);
// Proposes a line-up for the acting club.
void Spieler_Einsetzen_Aufstellung_Vorschlagen(int32_t team, int32_t modus, int32_t flags);

// A line-up from outside (a client's send-back, a savegame) before it is taken: at most 11 on the
// pitch with one goalkeeper, 5 on the bench, never both, nobody unavailable in, cells on the grid
// or 459, marking partners of the two clubs. One entry per player. Accepts until the line-up
// rules land.
struct Spieler_Aufstellung_Eintrag {
    int32_t spnr;
    uint32_t flags;
    int32_t zellen[5];  // 310..314
    int32_t deckt;      // 316
};
bool Spieler_Einsetzen_Aufstellung_Pruefen(int32_t team, int32_t gegner, const Spieler_Aufstellung_Eintrag* e,
                                           int32_t anzahl);
// Test hook: answers the check in its place.
using Spieler_Einsetzen_Pruef_Hook = bool (*)(int32_t team, int32_t gegner, const Spieler_Aufstellung_Eintrag* e,
                                              int32_t anzahl);
void Spieler_Einsetzen_Set_Pruef_Hook(Spieler_Einsetzen_Pruef_Hook hook);
