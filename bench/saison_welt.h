// A new game of the generated world and its days, as the day advance runs the database's jobs:
// shared by the season tests and the season benchmark. The configuration reader must point at
// a world folder first.
#pragma once
#include <chrono>
#include <cstdint>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/manager.h"
#include "database/personal.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "platform/zufall.h"

// Sets up the new game; false when the world does not read.
inline bool Saison_Neues_Spiel(int32_t seed)
{
    Zufall_Set_Seed(seed);
    Netz_Rolle = 2;
    Schwierigkeitsstufe = 2;
    Aktueller_Tag = 0;
    Aktuelles_Team = -1;
    if (!Team(0) || !Spieler(0) || !Wettbewerb_Config_Lesen(0, 0)) return false;
    News_Init();
    Highscore_Init();
    Richter_Init();
    Assi_Init();
    Personal_Init();
    Teamspieler_Init_Listen();
    Spieler_Den_Teams_Zuordnen();
    Team_Set_Basisdaten(-1, -1);
    Team_Set_Spielergehaelter();
    int32_t menschen = 0;
    for (int32_t t = 0; t < Team_Anzahl && menschen < 2; ++t)
        if (Team_Ist_Normal(t, 0)) {
            Manager_Neuer_Mitspieler(t, menschen++ ? "Bea" : "Abe");
            Manager_Init_Zusatzspieler_Struktur(t);
        }
    Teams_Startaufstellungen();
    return menschen == 2;
}

enum Saison_Job : int { SJ_RICHTER, SJ_SPIELER, SJ_TEAM, SJ_ASSI, SJ_WOCHE, SJ_MONAT, SJ_SAISON, SJ_ANZAHL };

// One day: the day number moves on, then its daily, weekly, monthly and season jobs run in the
// day advance's order. With `zeiten` each job's time is added in nanoseconds.
inline void Saison_Tag(int64_t* zeiten = nullptr)
{
    using Uhr = std::chrono::steady_clock;
    auto messen = [zeiten](int job, auto&& f) {
        const auto start = Uhr::now();
        f();
        if (zeiten) zeiten[job] += std::chrono::duration_cast<std::chrono::nanoseconds>(Uhr::now() - start).count();
    };
    const Kalender_Datum gestern = Kalender_Get_Datum(Aktueller_Tag, 0);
    ++Aktueller_Tag;
    const Kalender_Datum heute = Kalender_Get_Datum(Aktueller_Tag, 0);
    messen(SJ_RICHTER, Richter_Jeden_Tag);
    messen(SJ_SPIELER, Spieler_Jeden_Tag);
    messen(SJ_TEAM, Team_Jeden_Tag);
    messen(SJ_ASSI, Assi_Jeden_Tag);
    if (Aktueller_Tag % 7 == 0)
        messen(SJ_WOCHE, [] {
            Spieler_Jede_Woche();
            Team_Jede_Woche();
            Assi_Jede_Woche();
        });
    if (heute.monat != gestern.monat)
        messen(SJ_MONAT, [] {
            Spieler_Jeden_Monat();
            Team_Jeden_Monat();
            Assi_Jeden_Monat();
        });
    if (heute.monat == 7 && heute.tag == 1)
        messen(SJ_SAISON, [] {
            // the competitions' season end books the finances first once it exists
            Team_Set_Finanzdaten(-1, 0);
            Spieler_Jedes_Jahr();
            Team_Set_Basisdaten(-1, -1);
            Team_Check_Transfermarkt_Nach_Saisonende();
        });
}
