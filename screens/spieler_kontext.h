// The squad actions of the player context menus, which the line-up screen's drops use too.
#pragma once
#include <cstdint>

// Puts a player (of `team`; another club's is taken on trial first) into the acting club's eleven.
bool Spieler_In_Aufstellung_Setzen(int32_t team, int32_t spnr, bool meldungen);
// Puts him on the acting club's bench.
bool Spieler_Auf_Ersatzbank_Setzen(int32_t team, int32_t spnr, bool meldungen);
// Takes him out of the eleven and off the bench.
bool Spieler_Aus_Aufstellung_Nehmen(int32_t team, int32_t spnr);
// Takes a player of `team` into the acting club on trial.
bool Spieler_Probespieler_Aufnehmen(int32_t team, int32_t spnr);
// Sends a trial player back to his club.
void Spieler_Probespieler_Entfernen(int32_t spnr, bool meldung);
// Releases an own player for transfer, or takes the release back.
bool Spieler_Freigabe_Umschalten(int32_t team, int32_t spnr, bool meldung);
