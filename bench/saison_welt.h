// A new game of the generated world and its days, as the day advance runs the database's jobs:
// shared by the season tests and the season benchmark. The configuration reader must point at
// a world folder first.
#pragma once
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

#include "competitions/spiele.h"
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

// The drawn matches of the fixtures played with events (the first `prozent` percent of each
// competition's matches): chances, goals with scorer and assister, cards, each at a drawn minute
// of the player's side.
inline void Saison_Spiele_Austragen(int32_t prozent)
{
    for (int32_t id = Wettbewerb_Get_Erster(); id >= 0; id = Wettbewerb_Get_Naechster()) {
        const int32_t block = Wettbewerb_Get_Spiele_Block(id);
        const int32_t n = Spiele_Get_Anzahl_Spiele(block) * prozent / 100;
        for (int32_t i = 0; i < n; ++i) {
            const int32_t h = Spiele_Lock_Index(block, i);
            if (!h) continue;
            const Spiele_Spiel s = *Spiele_Get_Spiel(h, 0);
            if (s.heim == SPIELE_KEIN_TEAM || s.gast == SPIELE_KEIN_TEAM) {
                Spiele_Unlock(h);
                continue;
            }
            int32_t kader[2][60];
            const int32_t anzahl[2] = {Teamspieler_Ins_Array(s.heim, kader[0], 60, 0),
                                       Teamspieler_Ins_Array(s.gast, kader[1], 60, 0)};
            Spiele_Set_Ergebnis(h, 0, 0, 0);
            Spiele_Ereignis_Speicher_Reservieren(h);
            const int32_t ereignisse = Zufall(10, 30);
            for (int32_t e = 0; e < ereignisse; ++e) {
                const int32_t seite = Zufall(0, 1);
                const int32_t art = Zufall(0, 9);
                const int32_t minute = Zufall(1, 90);
                const int32_t k = std::max(anzahl[seite], 1);
                const int32_t a = Zufall(0, k - 1);
                const int32_t b = Zufall(0, k - 1);
                const int32_t sp1 = anzahl[seite] ? kader[seite][a] : 0x7FFF;
                const int32_t sp2 = anzahl[seite] ? kader[seite][b] : 0x7FFF;
                const uint32_t flags = (art < 6 ? SPE_CHANCE : art < 8 ? SPE_TOR : art < 9 ? SPE_GELB : SPE_ROT) |
                                       (seite ? 0u : SPE_HEIM);
                Spiele_Set_Ereignis(h, flags, minute, sp1, flags & SPE_TOR ? sp2 : 0x7FFF);
            }
            Spiele_Set_Minute(h, 90);
            Spiele_Set_Zuschauer(h, uint32_t(Zufall(5000, 60000)));
            Spiele_Unlock(h);
        }
    }
}
