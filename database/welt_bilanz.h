// The health of the running world in figures: where its players are, the smallest league squad
// and the league clubs' money. The world-health tool prints them for savegames; the long-run
// tests check them after every day and season.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "database/team.h"

constexpr int32_t WELT_KADER_MINIMUM = TEAM_KADER_MINIMUM;
constexpr int32_t WELT_ALTERSSTUFEN = 4;
// The bracket of an age: 0 up to 23, 1 for 24-28, 2 for 29-32, 3 from 33.
int32_t Welt_Altersstufe(int32_t alter);

struct Welt_Bilanz {
    int32_t tag = 0;
    int32_t liga_spieler = 0;      // players of the league clubs
    int32_t markt_spieler = 0;     // players of the transfer market
    int32_t ohne_verein = 0;       // players in no team at all
    int32_t erster_ohne_verein = -1;  // the first of them
    int32_t kleinster_kader = -1;  // smallest squad of a league club (-1: no league club)
    int32_t kleinster_verein = -1; // the club with it
    int32_t vereine_unter_16 = 0;  // league clubs short of WELT_KADER_MINIMUM players
    int32_t vereine = 0;           // league clubs
    int32_t vereine_im_minus = 0;  // of them with a negative balance
    int64_t geld_median = 0, geld_summe = 0, geld_min = 0;  // the league clubs' balances, whole DM
    // Names: new players take names of their own, so that neither the world's surnames thin out
    // over the seasons nor a club holds two men of one initial and surname.
    int32_t nachnamen = 0;          // distinct surnames of all players
    int32_t vollnamen_doppelt = 0;  // players whose initial and surname another player has too
    int32_t vereine_doppelter_name = 0;  // league clubs with two players of one initial and surname
    // Strength as the game shows it (a keeper's, else the field player's): the mean of the
    // starting elevens of the highest league level's clubs, and of the league clubs' players
    // by age: up to 23, 24-28, 29-32 and 33 on (0 where a bracket is empty).
    int32_t elf_staerke = 0;
    int32_t staerke_alter[WELT_ALTERSSTUFEN] = {};
    int32_t spieler_alter[WELT_ALTERSSTUFEN] = {};  // the players counted in each bracket
    int32_t spieler_ab900 = 0;  // league clubs' players of strength 900 or more
    // The league clubs' best: the mean strength of their 100 strongest players and the
    // strength that 99 in 100 of their players fall short of.
    int32_t beste_100 = 0;
    int32_t perzentil_99 = 0;
    // league clubs' players of 35 or more (keepers 40) with more than 25 months of contract
    // left: a club's contract of a man of 33 runs three years at most, and he may have signed
    // it on the eve of his 34th birthday, so none but a manager's own offer makes more
    int32_t alte_lange_vertraege = 0;
};

// The league clubs' players as they stand on one day, by player record: strength and age (-1
// for a record whose player plays for no league club).
struct Welt_Spieler_Stand {
    std::vector<int16_t> staerke;
    std::vector<int16_t> alter;
};
Welt_Spieler_Stand Welt_Spieler_Merken();
// How the same players' strength changed from one day to a later one, by their age on the
// first: a record counts where its player played for a league club on both days and is older
// by the years between (a record a retired man left to a new one is not the same player).
constexpr int32_t WELT_ALTER_MAX = 50;
struct Welt_Entwicklung {
    int64_t summe[WELT_ALTER_MAX + 1] = {};
    int32_t anzahl[WELT_ALTER_MAX + 1] = {};
    // the mean change of the ages von..bis (0 where none was counted)
    double mittel(int32_t von, int32_t bis) const;
    int32_t gezaehlt(int32_t von, int32_t bis) const;
};
Welt_Entwicklung Welt_Entwicklung_Zaehlen(const Welt_Spieler_Stand& vorher, const Welt_Spieler_Stand& jetzt, int32_t jahre = 1);
// The mean change by age bracket as one line of key=value words ("d18_21=11.2 ...").
std::string Welt_Entwicklung_Zeile(const Welt_Entwicklung& e);

using Welt_Niveau_Abfrage = int32_t (*)(int32_t team);
// `niveau` gives a club's league level for the eleven's strength (the competitions' by default).
Welt_Bilanz Welt_Bilanz_Zaehlen(Welt_Niveau_Abfrage niveau = nullptr);
// The figures as one line of key=value words.
std::string Welt_Bilanz_Zeile(const Welt_Bilanz& b);

// The league clubs of one league level: how many, their balances' median and the mean of their
// squads' yearly wages (whole DM). The money of a world moves by tier: the top tier's gate and
// boards against its wages decide the median club.
struct Welt_Stufe {
    int32_t niveau = 0;
    int32_t vereine = 0;
    int64_t geld_median = 0;
    int64_t gehaelter = 0;
    int32_t im_minus = 0;  // its clubs with a negative balance
};
// One entry per league level of the league clubs, the highest first; `niveau` gives a club's
// level (the competitions' league level by default).
std::vector<Welt_Stufe> Welt_Bilanz_Stufen(Welt_Niveau_Abfrage niveau = nullptr);
// One entry as key=value words: "niveau=100 vereine=286 geld_median=... gehaelter=... im_minus=...".
std::string Welt_Stufe_Zeile(const Welt_Stufe& s);

// One league club: its level, balance, squad and yearly wages (whole DM), and whether a human
// manager runs it; the tool lists them to find the club behind a level's figures.
struct Welt_Verein {
    int32_t team = -1;
    int32_t niveau = 0;
    int64_t geld = 0;
    int32_t kader = 0;
    int64_t gehaelter = 0;
    bool manager = false;
};
std::vector<Welt_Verein> Welt_Bilanz_Vereine(Welt_Niveau_Abfrage niveau = nullptr);
// "verein=3 niveau=25 geld=-100 kader=16 gehaelter=900000 manager=0".
std::string Welt_Verein_Zeile(const Welt_Verein& v);
