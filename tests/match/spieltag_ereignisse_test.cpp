// The events drawn for background games: their minutes, codes and players.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "common/capture.h"
#include "database/teamspieler.h"
#include "match/spieltag_welt.h"

namespace {

class Spieltag_Ereignisse : public Spieltag_Welt {};

// The line-ups at kick-off: injuries and cards change them in the course of the day.
std::map<int32_t, std::set<int32_t>> aufstellungen;

void aufstellungen_merken()
{
    aufstellungen.clear();
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        int32_t feld[64];
        const int32_t n = Teamspieler_Ins_Array(t, feld, 64, TS_STARTELF);
        aufstellungen[t] = std::set<int32_t>(feld, feld + std::max(0, n));
    }
}

bool in_aufstellung(int32_t team, int32_t spieler) { return aufstellungen[team].count(spieler) > 0; }

TEST_F(Spieltag_Ereignisse, MinutesCodesAndPlayersOfTheDrawnEvents)
{
    const std::set<uint32_t> tore{6, 134, 32774, 8198, 16390};
    int32_t ereignisse = 0, zweite = 0;
    for (int tag = 0; tag < 6; ++tag) {
        ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
        aufstellungen_merken();
        ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
        for (const auto& [c, g] : spiele()) {
            const Spiele_Spiel m = *Spiele_Get_Spiel(g, 1);
            const Wettbewerb_Info* info = Wettbewerb_Get_Info(c);
            ASSERT_NE(info, nullptr);
            // A 90-minute game in two halves: draws in minutes 1-44 and 46-89, each event dated
            // the minute after its draw.
            const bool neunzig = info->anz_halbzeiten == 2 && info->halbzeit_laenge == 45 && !(m.ergebnis_art & SPIELE_ART_NV);
            std::set<int32_t> gelb;
            int32_t heim = 0, gast = 0;
            Spiele_Ereignis_Info e;
            for (bool da = Spiele_Get_Erstes_Ereignis(g, &e); da; da = Spiele_Get_Naechstes_Ereignis(&e)) {
                ++ereignisse;
                const int32_t team = (e.flags & SPE_HEIM) ? m.heim : m.gast;
                if (neunzig) {
                    EXPECT_TRUE((e.minute >= 2 && e.minute <= 45) || (e.minute >= 47 && e.minute <= 90)) << e.minute;
                }
                const uint32_t art = e.flags & ~uint32_t(SPE_HEIM);
                if (art == SPE_GELB || art == SPE_GELBROT || art == SPE_ROT) {
                    EXPECT_EQ(e.spieler_2, 32767);
                    // Yellow-red only for a player booked before in this game.
                    if (art == SPE_GELBROT) {
                        EXPECT_TRUE(gelb.count(e.spieler_1)) << "Spiel " << g;
                    }
                    if (art == SPE_GELB) gelb.insert(e.spieler_1);
                    EXPECT_TRUE(in_aufstellung(team, e.spieler_1));
                    continue;
                }
                // A shoot-out kick that scored.
                if (art == SPE_TOR) {
                    EXPECT_TRUE(m.ergebnis_art & SPIELE_ART_NE);
                    ((e.flags & SPE_HEIM) ? heim : gast) += 1;
                    continue;
                }
                // A goal or, without its goal bit, a chance.
                EXPECT_TRUE(tore.count(art) || tore.count(art | SPE_TOR)) << art;
                if (art & SPE_TOR) ((e.flags & SPE_HEIM) ? heim : gast) += 1;
                EXPECT_TRUE(in_aufstellung(team, e.spieler_1));
                if (art & (16384 | 32768)) {
                    ++zweite;
                    EXPECT_NE(e.spieler_2, e.spieler_1);
                    EXPECT_TRUE(in_aufstellung(team, e.spieler_2));
                } else {
                    EXPECT_EQ(e.spieler_2, -1) << "no second player";
                }
            }
            // The score is what the events say.
            EXPECT_EQ(heim, m.heim_tore);
            EXPECT_EQ(gast, m.gast_tore);
        }
        Ablauf_Schritt();
    }
    EXPECT_GT(ereignisse, 100);
    EXPECT_GT(zweite, 0);
}

TEST_F(Spieltag_Ereignisse, SuddenDeathEndsOnTheDrawnGoal)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
    // The first competition of the day plays its golden-goal half from the kick-off on.
    Liste_Element* k = Spieltag_Get_Wettbewerbe_Liste()->next;
    const int32_t c = int32_t(k->key);
    Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(c));
    ASSERT_NE(w, nullptr);
    const uint32_t modus = w->modus;
    w->modus |= SUDDEN_DEATH;
    Spieltag_Wettbewerb_Erstes_Spiel(k);
    while (Spieltag_Get_Halbzeit() < w->anz_halbzeiten) Spieltag_Naechste_Halbzeit();
    int32_t spiele[SPIELTAG_TAGESLISTE];
    ASSERT_TRUE(Spieltag_Get_Spiele(c, spiele));
    auto alle_aus = [&] {
        Spieltag_Wettbewerb_Erstes_Spiel(k);
        for (int32_t i = 0; i < spiele[0]; ++i)
            if (Spieltag_Get_Laeuft(i) != SPIELTAG_AUS) return false;
        return true;
    };
    for (int i = 0; i < 200 * SPIELTAG_TEMPO_START && !alle_aus(); ++i) Spieltag_Run(0);
    w->modus = modus;
    ASSERT_TRUE(alle_aus());
    int32_t golden = 0;
    for (int32_t i = 1; i <= spiele[0]; ++i) {
        const Spiele_Spiel* m = Spiele_Get_Spiel(spiele[i], 1);
        // A tie whose golden-goal half ends without a goal goes to its shoot-out, whose goals count.
        if (m->ergebnis_art & SPIELE_ART_NE) continue;
        ++golden;
        EXPECT_EQ(m->heim_tore + m->gast_tore, 1) << "Spiel " << spiele[i];
        // The goal is the game's last event.
        Spiele_Ereignis_Info e;
        uint32_t letztes = 0;
        for (bool da = Spiele_Get_Erstes_Ereignis(spiele[i], &e); da; da = Spiele_Get_Naechstes_Ereignis(&e)) letztes = e.flags;
        EXPECT_TRUE(letztes & SPE_TOR);
    }
    EXPECT_GT(golden, spiele[0] / 2) << "most games see a goal within the half";
}

TEST_F(Spieltag_Ereignisse, SideWithoutLineUpGetsNoEvent)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
    const auto tag = spiele();
    ASSERT_FALSE(tag.empty());
    const int32_t g = tag[0].second, gast = Spiele_Get_Spiel(g, 1)->gast;
    // The away side's line-up is gone once the game runs.
    int32_t feld[64];
    const int32_t n = Teamspieler_Ins_Array(gast, feld, 64, TS_STARTELF);
    for (int32_t i = 0; i < n; ++i) Teamspieler_Wert(317, gast, feld[i], TS_STARTELF, TEAM_LOESCHEN);
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
    // Its kicks in a shoot-out are taken by the players on the pitch; nothing else is drawn for it.
    Spiele_Ereignis_Info e;
    int32_t heim = 0, elfmeter = 0;
    for (bool da = Spiele_Get_Erstes_Ereignis(g, &e); da; da = Spiele_Get_Naechstes_Ereignis(&e)) {
        if (e.flags == SPE_TOR) {
            ++elfmeter;
            continue;
        }
        EXPECT_TRUE(e.flags & SPE_HEIM) << "event of the away side " << e.flags;
        ++heim;
    }
    EXPECT_GT(heim, 0);
    EXPECT_EQ(Spiele_Get_Spiel(g, 1)->gast_tore, elfmeter);
}

TEST_F(Spieltag_Ereignisse, EventFromOutsideIsDatedWithinTheHalf)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
    const int32_t g = spiele()[0].second;
    // In the first half a late minute is the half's end; a minute before it stays.
    Spieltag_Set_Grafik_Ereignis(g, SPE_GELB | SPE_HEIM, 50, 1, 32767);
    Spieltag_Set_Grafik_Ereignis(g, SPE_GELB | SPE_HEIM, 30, 1, 32767);
    std::vector<int32_t> minuten;
    Spiele_Ereignis_Info e;
    for (bool da = Spiele_Get_Erstes_Ereignis(g, &e); da; da = Spiele_Get_Naechstes_Ereignis(&e)) minuten.push_back(e.minute);
    ASSERT_GE(minuten.size(), 2u);
    EXPECT_EQ(minuten[minuten.size() - 2], 45);
    EXPECT_EQ(minuten.back(), 30);

    // Without a match day every call answers its neutral value.
    Spieltag_DeInit();
    Fehler_Capture cap;
    EXPECT_FALSE(Spieltag_Ist_Initialisiert());
    EXPECT_TRUE(cap.contains("Spieltag wurde nicht initialisiert!\n"));
    EXPECT_FALSE(Spieltag_Spiele_Anlegen());
    EXPECT_FALSE(Spieltag_Naechste_Halbzeit_Anpfeifen());
    EXPECT_FALSE(Spieltag_Halbzeit_Wartet());
    EXPECT_FALSE(Spieltag_Halbzeit_Auf_Dem_Platz_Pruefen(nullptr));
}

}  // namespace
