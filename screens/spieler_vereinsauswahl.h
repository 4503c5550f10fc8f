// The club and league picker that many screens append to their context menu: the world's leagues
// by country, each opening a sub-menu of its clubs.
#pragma once
#include <cstdint>

#include "toolkit/popup.h"

// Appends headings and league items to `menue` from item `erstes` on; a chosen club calls
// `prozedur` with the club's team number as value A and `wert_c` as value C. Without `alle`,
// leagues in which Aktuelles_Team does not play are left out. At most the record's 33 items are
// filled; the rest is left out and reported once a run (the picker opens often; one line tells it).
void Spieler_Einsetzen_Vereinsauswahl_Menue(Menue_Kontextmenue* menue, int32_t erstes, Popup_Eintrag_Prozedur prozedur,
                                            bool alle, int32_t wert_c = -1);
// The sub-menu of a league item: its clubs (at most 33) in the shared sub-list record.
Menue_Kontextmenue* Spieler_Einsetzen_Vereinsauswahl_Liga(Menue_Kontextmenue* menue, int32_t eintrag);
// The club the caller marks as chosen, and whether clubs with a human manager are marked (not
// selectable) in the sub-menus.
void Spieler_Einsetzen_Vereinsauswahl_Setzen(int32_t aktueller_verein, bool manager_markieren);
// Forgets that the missing leagues were reported, so that the next full picker reports them again
// (a new world may be larger or smaller).
void Spieler_Einsetzen_Vereinsauswahl_Meldung_Vergessen();
