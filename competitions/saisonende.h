// The page a manager sees when his club has finished a competition: the competition's picture,
// the title or the place, the club, and where it goes next.
#pragma once
#include <cstdint>

#include "competitions/wettbewerb.h"

// Shows the page of `team` at `platz` (1-based) of the competition, waits and fades it out.
// With a target competition, `folge` set and `art` not 0 a consequence line follows: a
// qualification for a target with KO_SYSTEM, else promotion (art 1) or relegation. False, with
// nothing drawn, when the picture is missing.
bool Saisonende_Anzeigen(Wettbewerb_Id id, int32_t team, int32_t platz, const Wettbewerb_Id* ziel, int32_t folge,
                         int32_t art);
// Saisonende_Anzeigen, then the screen as it stood before the page comes back: what the season
// change asks next (its requesters) stands on the game's screen, not on the dark of the fade.
bool Saisonende_Seite_Zeigen(Wettbewerb_Id id, int32_t team, int32_t platz, const Wettbewerb_Id* ziel, int32_t folge,
                             int32_t art);
// Loads picture 3695 + nummer of the screen resource file; false (and nothing kept) without it.
bool Saisonende_Bild_Laden(int32_t nummer);
// Darkens the screen in 60 steps and frees the picture; 1.
int32_t Saisonende_Ausblenden();
// True while a page stands on the screen and waits for its click (or its time).
bool Saisonende_Offen();
// A script waits for the next page: the page takes the script's input even where the season's
// work holds it (else a scripted run skips the page's pause there).
void Saisonende_Erwarten(bool an);
// Test hook: sees every page asked for (target -1 without one) before anything is drawn.
using Saisonende_Beobachter = void (*)(Wettbewerb_Id id, int32_t team, int32_t platz, Wettbewerb_Id ziel, int32_t art);
void Saisonende_Set_Beobachter(Saisonende_Beobachter beobachter);
