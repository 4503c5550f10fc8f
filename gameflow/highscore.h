// Manager career: highscore points per category, the match rating, the days-off counter.
// One record per human manager, kept under his club; savegame block 14.
#pragma once
#include <cstdint>

struct Disk_Datei;

constexpr int HIGHSCORE_MAX = 100;
constexpr int HIGHSCORE_KATEGORIEN = 10;
// Categories booked by the modules: 2 and 3 contracts, 5 training camp, 6 psychologist,
// 7 party, 9 advertising contract.

struct Highscore_Eintrag {
    int32_t team;                          // -1: unused
    int32_t punkte[HIGHSCORE_KATEGORIEN];  // career points per category
    int32_t freie_tage;                    // days off the team still has (counted down daily)
    int32_t bewertung;                     // match rating 0..100
    int32_t spiele;                        // matches rated
    int32_t letztes_spiel;                 // game number of the last rated match, -1 none
    int32_t monate;                        // months in office
};

// Creates the record of a club's new manager (rating 50); true when it exists afterwards.
bool Highscore_Manager_Anlegen(int32_t team);
// Books points of a category (server only); false without a record or for a bad category.
bool Highscore_Punkte_Machen(int32_t team, int32_t kategorie, int32_t punkte);
// Adds n days off; false without a record.
bool Highscore_Punkte_Addieren(int32_t team, int32_t n);
// Lowers the days-off counter by one; true when it was above 0.
bool Highscore_Punkte_Abziehen(int32_t team);
// Whether any club has free days left to take: a daily pass over every club asks only then.
bool Highscore_Freie_Tage_Offen();
// art 0: match rating 0..100 (50 for a club without a record); art 1: points of `kategorie`
// (-1: all categories); art 2: days off.
int32_t Highscore_Get_Wert(int32_t team, int32_t art, int32_t kategorie);
// Rates a played match from the side's effort (0..100): the rating moves an eighth of the way
// toward the effort. A game number rated already is not counted twice.
void Highscore_Spiel_Bewerten(int32_t team, int32_t spiel, int32_t einsatz);
// Next value 0..100 of a side's half-time response curve from the press counts of the ten talk
// items (null: 50).
int32_t Highscore_Klicks_Bewerten(int32_t team, const int32_t* zaehler);
// Shows the manager's task deadline; this game sets no tasks, so nothing is shown.
void Highscore_Zeige_Aufgabenfrist(int32_t team, int32_t modus);
// Change of month: every manager's months in office rise by one.
void Highscore_Jeden_Monat();
// Deletes the manager's record (server only); moves it to his new club.
void Manager_Loeschen(int32_t team);
void Manager_Wechsel(int32_t alt, int32_t neu);

const Highscore_Eintrag* Highscore_Get_Eintrag(int32_t team);
void Highscore_Init();
void Highscore_DeInit();

bool Highscore_Write_Bin_Block(Disk_Datei* datei);
bool Highscore_Read_Bin_Block(Disk_Datei* datei, const char* version);
