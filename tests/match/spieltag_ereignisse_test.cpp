// The events drawn for background games: their minutes, codes and players.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "common/capture.h"
#include "competitions/statistik.h"
#include "database/teamspieler.h"
#include "match/spieltag_intern.h"
#include "match/spieltag_welt.h"
#include "screens/spieler_detail.h"

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

// The side of a drawn goal over every state of the generator's cycle (after its first steps
// each state is 23 modulo 256): the home side's draw runs to 40 + 4 x its lead (at most 60), the
// away side's to 4 x its lead but never below 32 nor above 60.
TEST(Spieltag_Torseite, HomeShareFollowsBothSidesLimits)
{
    const int32_t gespeichert = Zufall_Get_Seed();
    auto heimanteil = [](int32_t sh, int32_t sa) {
        int32_t heim = 0;
        for (int32_t k = 0; k < 15625; ++k) {
            Zufall_Set_Seed(23 + 256 * k);
            heim += spieltag_tor_heim(sh, sa);
        }
        return heim / 15625.0;
    };
    EXPECT_NEAR(heimanteil(50, 50), 0.60992, 1e-5);
    EXPECT_NEAR(heimanteil(50, 53), 0.60992, 1e-5);   // a small lead of the guests changes nothing
    EXPECT_NEAR(heimanteil(30, 60), 0.339136, 1e-5);  // the guests' draw at its limit
    EXPECT_NEAR(heimanteil(60, 30), 0.737664, 1e-5);  // the home side's at its limit
    Zufall_Set_Seed(gespeichert);
}

// After the day each listed player of every game has the match in his history: the minutes and
// the mark of who played, 0 minutes and no mark for who stayed on the bench; the player pages'
// charts read them.
TEST_F(Spieltag_Ereignisse, EveryListedPlayerHasTheMatchInHisHistory)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
    struct Gelistet {
        int32_t spnr;
        bool anfang;
        Statistik_Spieler vorher;
    };
    std::vector<Gelistet> liste;
    for (const auto& [c, g] : spiele()) {
        const Spielfeld_Record* r = Spielfeld_Get_Spiel(g);
        ASSERT_NE(r, nullptr);
        for (const Spielfeld_Spieler& sp : r->spieler) {
            if (sp.spnr < 0) continue;
            Gelistet x{sp.spnr, sp.zustand == SPIELFELD_AUF_DEM_PLATZ, {}};
            if (!Spiele_Get_Statistik_Spieler(sp.spnr, &x.vorher)) x.vorher = Statistik_Leeres_Update(sp.spnr);
            liste.push_back(x);
        }
    }
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
    Ablauf_Schritt();
    ASSERT_GT(liste.size(), 100u);
    int32_t neunzig = 0, bank = 0;
    for (const Gelistet& x : liste) {
        Statistik_Spieler n{};
        ASSERT_TRUE(Spiele_Get_Statistik_Spieler(x.spnr, &n)) << x.spnr;
        if (!x.anfang) {
            // Nobody comes on in a game in the background.
            EXPECT_EQ(n.minuten_letzte[0], 0) << x.spnr;
            EXPECT_EQ(n.noten[0], x.vorher.noten[0]) << x.spnr;
            EXPECT_EQ(n.einsaetze, x.vorher.einsaetze == 0xFFFF ? 0 : x.vorher.einsaetze);
            ++bank;
            continue;
        }
        // A card or an injury may end his game early; extra time makes it longer.
        EXPECT_GE(n.minuten_letzte[0], 1) << x.spnr;
        EXPECT_LE(n.minuten_letzte[0], 120) << x.spnr;
        neunzig += n.minuten_letzte[0] == 90;
        EXPECT_TRUE(n.noten[0] & STAT_NOTE_GESCHLOSSEN) << x.spnr;
        const int32_t note = n.noten[0] & STAT_NOTE_MASKE;
        EXPECT_GE(note, 1);
        EXPECT_LE(note, 6);
        const int32_t vorher_einsaetze = x.vorher.einsaetze == 0xFFFF ? 0 : x.vorher.einsaetze;
        EXPECT_EQ(n.einsaetze, vorher_einsaetze + 1);
        int32_t werte[16];
        EXPECT_GE(Spieler_Detail_Noten(x.spnr, werte), 1);
        EXPECT_EQ(werte[Spieler_Detail_Minuten(x.spnr, werte) - 1], n.minuten_letzte[0]);
    }
    EXPECT_GT(neunzig, 100);
    EXPECT_GT(bank, 0);
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
