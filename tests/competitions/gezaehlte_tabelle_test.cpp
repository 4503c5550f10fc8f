// A league's counted table as the place queries read it: each competition keeps its last count
// and counts the next one from the records that changed. Whatever changed in between, the
// answer is that of a table counted afresh from every record.
#include <gtest/gtest.h>

#include <cstdint>

#include "competitions/spiele_intern.h"
#include "competitions/spiele_welt.h"
#include "competitions/wettbewerb_intern.h"

namespace {

using namespace spielwelt;
using GezaehlteTabelleTest = Spielwelt;

struct Frage {
    int32_t erster, letzter, optionen;
};

// The kept count of the league against a table counted from every record: points, games and
// the club at each place. The kept tables of both sides are dropped first, so that nothing but
// the records can tell the count what changed.
void vergleichen(const Wettbewerb_Datensatz& w, const Frage& f, int32_t schritt)
{
    SCOPED_TRACE(schritt);
    Spiele_Tabellen_Cache_Leeren();
    int16_t liste[WETTBEWERB_MAX_TEAMS];
    const int32_t n = Wettbewerb_Get_Teams(w.id, liste);
    const Wb_Gezaehlte_Tabelle* z = wb_gezaehlte_tabelle(w, f.erster, f.letzter, f.optionen, 0, liste, n, liste[0]);
    ASSERT_NE(z, nullptr);
    Tabelle_Datensatz t;
    ASSERT_EQ(Wettbewerb_Tabelle_Vorbereiten(w.id, &t), n);
    const int32_t drei = (w.modus & ENGLISCHE_TABELLE) ? 1 : 0;
    ASSERT_GE(Spiele_Tabelle_Berechnen(w.id, w.spiele_block, f.erster, f.letzter, drei, f.optionen, &t, t.team[0], 0,
                                       -1, -1, 0, 0, -1),
              0);
    ASSERT_EQ(z->zeilen, n);
    for (int32_t s = 0; s < n; ++s) {
        EXPECT_EQ(z->team[s], t.team[s]) << s;
        EXPECT_EQ(z->punkte[s], t.punkte[TAB_GESAMT][s]) << s;
        EXPECT_EQ(z->spiele[s], t.spiele[TAB_GESAMT][s]) << s;
        EXPECT_EQ(z->team_am_platz[s], t.team[t.platz[s]]) << s;
    }
}

TEST_F(GezaehlteTabelleTest, EveryChangeToARecordReachesTheNextCount)
{
    const int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(testwelt::A1);
    ASSERT_NE(w, nullptr);
    w->spiele_block = b;
    const int32_t paare[3][4] = {{0, 1, 2, 3}, {0, 2, 1, 3}, {0, 3, 1, 2}};
    for (int32_t tag = 0; tag < 6; ++tag)
        for (int32_t slot = 0; slot < 2; ++slot) {
            const int32_t* p = paare[tag % 3];
            const bool rueck = tag >= 3;
            ergebnis(b, tag, slot, p[2 * slot + rueck], p[2 * slot + !rueck], -1, 0);
        }
    int32_t anzahl = Spiele_Get_Anzahl_Spiele(b);
    ASSERT_EQ(anzahl, 12);

    // Results entered, corrected and taken back, sides swapped, a club from outside, a record
    // moved to another day or leg behind the store's back: every field a count reads. Each
    // question differs from the one before in one part only.
    const Frage fragen[] = {{-1, -1, TAB_NORMAL}, {2, -1, TAB_NORMAL}, {2, 3, TAB_NORMAL}, {2, 3, TAB_PUNKTE},
                            {-1, -1, TAB_HEIM}};
    uint32_t zufall = 12345;
    auto wuerfeln = [&](uint32_t m) {
        zufall = zufall * 1103515245u + 12345u;
        return (zufall >> 16) % m;
    };
    for (int32_t schritt = 0; schritt < 400; ++schritt) {
        const int32_t h = Spiele_Lock_Index(b, int32_t(wuerfeln(uint32_t(anzahl))));
        ASSERT_NE(h, 0);
        Spiele_Spiel* s = Spiele_Get_Spiel(h, 1);
        ASSERT_NE(s, nullptr);
        switch (wuerfeln(8)) {
        case 0: case 1: case 2: Spiele_Set_Ergebnis(h, int32_t(wuerfeln(5)), int32_t(wuerfeln(5)), 0); break;
        case 3: Spiele_Set_Ergebnis(h, -1, 0, 0); break;
        case 4: Spiele_Set_Teams(h, s->gast, s->heim); break;
        case 5: Spiele_Set_Teams(h, wuerfeln(2) ? 7 : int32_t(wuerfeln(4)), s->gast); break;
        case 6: s->spieltag = int8_t(wuerfeln(6)); break;
        default: s->runde = int8_t(wuerfeln(4) == 0); break;
        }
        Spiele_Unlock(h);
        if (schritt == 210) w->modus ^= ENGLISCHE_TABELLE;
        if (schritt == 250) w->listen.teams[3] = 7;
        if (schritt == 300) w->listen.teams[3] = 3;
        if (schritt == 330) {  // one match more in the block
            ASSERT_EQ(Spiele_Spiel_Einfuegen(1, b, LIGA, 5, 0, 1, 0), b);
            anzahl = Spiele_Get_Anzahl_Spiele(b);
            ASSERT_EQ(anzahl, 13);
        }
        // One question for a run of steps, so that the kept count goes on from the last one.
        vergleichen(*w, fragen[(schritt / 40) % 5], schritt);
        if (HasFailure()) return;
    }
}

TEST_F(GezaehlteTabelleTest, ANewStoreWithTheSameBlockNumberIsCountedFromItsOwnRecords)
{
    Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(testwelt::A1);
    ASSERT_NE(w, nullptr);
    int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    w->spiele_block = b;
    ergebnis(b, 0, 0, 0, 1, 3, 0);
    ergebnis(b, 0, 1, 2, 3, 0, 2);
    vergleichen(*w, {-1, -1, TAB_NORMAL}, 0);
    EXPECT_EQ(Wettbewerb_Get_Tabellenplatz(LIGA, 0, -1, -1, TAB_NORMAL, 0), 0);

    // The same number and size, other results: a new game.
    Spiele_Freigeben();
    Spiele_Init();
    ASSERT_EQ(Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1), b);
    ergebnis(b, 0, 0, 0, 1, 0, 1);
    ergebnis(b, 0, 1, 2, 3, 2, 2);
    vergleichen(*w, {-1, -1, TAB_NORMAL}, 1);
    EXPECT_EQ(Wettbewerb_Get_Tabellenplatz(LIGA, 1, -1, -1, TAB_NORMAL, 0), 0);
    EXPECT_EQ(Wettbewerb_Get_Tabellenplatz(LIGA, 0, -1, -1, TAB_NORMAL, 0), 3);

    // A shorter season under that number: the results of the days it no longer has are gone.
    ergebnis(b, 5, 0, 3, 0, 4, 0);
    vergleichen(*w, {-1, -1, TAB_NORMAL}, 2);
    Spiele_Freigeben();
    Spiele_Init();
    ASSERT_EQ(Spiele_Init_Neue_Spiele(1, 4, 2, 1, LIGA, -1), b);
    ergebnis(b, 0, 0, 0, 1, 1, 1);
    vergleichen(*w, {-1, -1, TAB_NORMAL}, 3);
    EXPECT_GE(Wettbewerb_Get_Tabellenplatz(LIGA, 3, -1, -1, TAB_NORMAL, 0), 2);  // behind the draw's two clubs
}

}  // namespace
