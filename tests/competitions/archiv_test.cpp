// Table archive: packing, retention, queries, and snapshots that no longer fit.
#include <gtest/gtest.h>

#include <vector>

#include "competitions/spiele_ewig.h"
#include "competitions/spiele_welt.h"
#include "competitions/statistik_archiv.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "platform/compress.h"

namespace {

using namespace spielwelt;

int32_t tag_im_jahr(int32_t jahr) { return (jahr - 1999) * 365; }

class ArchivTest : public Spielwelt {
protected:
    int32_t block = -1;
    Tabelle_Datensatz t{};
    void SetUp() override
    {
        Spielwelt::SetUp();
        Compress_LZW_Init();
        block = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
        ergebnis(block, 0, 0, 1, 2, 3, 1);
        ergebnis(block, 0, 1, 3, 4, 0, 0);
        ergebnis(block, 1, 0, 2, 3, 5, 0);
        ergebnis(block, 1, 1, 4, 1, 4, 0);
        tabelle_vorbereiten(t, {1, 2, 3, 4});
        Spiele_Tabelle_Berechnen(LIGA, block, -1, -1, 1, TAB_NORMAL, &t, 1, 0, -1, -1, 0, 0, -1);
        Aktueller_Tag = tag_im_jahr(2005);
    }
    void TearDown() override
    {
        Aktueller_Tag = 0;
        Spielwelt::TearDown();
    }
};

TEST_F(ArchivTest, SnapshotRoundTripAndTeamSearch)
{
    ASSERT_EQ(Kalender_Get_Datum_Heute().jahr, 2005);
    ASSERT_TRUE(Statistik_Tabelle_Archivieren(&t));
    Tabelle_Datensatz u{};
    u.key[0] = 4711;  // not in the snapshot: stays
    ASSERT_TRUE(Statistik_Suche_Tabelle(&u, LIGA, 2005));
    EXPECT_FALSE(Statistik_Suche_Tabelle(&u, LIGA, 2004));
    EXPECT_EQ(u.key[0], 4711u);
    EXPECT_EQ(u.anzahl, 4);
    EXPECT_EQ(u.wettbewerb, LIGA);
    for (int32_t s = 0; s < 4; ++s) {
        EXPECT_EQ(u.platz[s], t.platz[s]);
        EXPECT_EQ(u.vorher[s], t.vorher[s]);
        EXPECT_EQ(u.team[s], t.team[s]);
        for (int32_t teil = 0; teil < 3; ++teil) {
            EXPECT_EQ(u.spiele[teil][s], t.spiele[teil][s]);
            EXPECT_EQ(u.punkte[teil][s], t.punkte[teil][s]);
            EXPECT_EQ(u.tore[teil][s], t.tore[teil][s]);
            EXPECT_EQ(u.gegentore[teil][s], t.gegentore[teil][s]);
        }
        for (int32_t d = 0; d < 6; ++d) {
            EXPECT_EQ(u.tag_ort[d * TABELLE_TAG_SLOTS + s], t.tag_ort[d * TABELLE_TAG_SLOTS + s]);
            EXPECT_EQ(u.tag_ergebnis[d * TABELLE_TAG_SLOTS + s], t.tag_ergebnis[d * TABELLE_TAG_SLOTS + s]);
        }
    }
    EXPECT_EQ(u.tag_ergebnis[1], TAB_NIEDERLAGE);

    // Team 4 leads with 4 points; three points a win, so no minus points.
    int32_t jahre[4], ws[4], plaetze[4], punkte[4], minus[4], tf[4], tg[4];
    ASSERT_EQ(Statistik_Tabellen_Suche_Team(4, jahre, ws, plaetze, punkte, minus, tf, tg, 4), 1);
    EXPECT_EQ(jahre[0], 2005);
    EXPECT_EQ(ws[0], LIGA);
    EXPECT_EQ(plaetze[0], 0);
    EXPECT_EQ(punkte[0], 4);
    EXPECT_EQ(minus[0], -1);
    EXPECT_EQ(tf[0], 4);
    EXPECT_EQ(tg[0], 0);
    EXPECT_EQ(Statistik_Tabellen_Suche_Team(9, jahre, ws, nullptr, nullptr, nullptr, nullptr, nullptr, 4), 0);

    // Two-point rule: minus points are 2 x played - points.
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->modus &= ~ENGLISCHE_TABELLE;
    ASSERT_EQ(Statistik_Tabellen_Suche_Team(2, nullptr, nullptr, plaetze, punkte, minus, nullptr, nullptr, 4), 1);
    EXPECT_EQ(minus[0], 2 * 2 - 3);
    EXPECT_EQ(plaetze[0], 1);

    // An empty table packs to its two header words.
    Tabelle_Datensatz leer{};
    leer.wettbewerb = LIGA;
    EXPECT_EQ(Statistik_Tabelle_Packen(&leer).size(), 4u);
    leer.wettbewerb = 99;
    EXPECT_TRUE(Statistik_Tabelle_Packen(&leer).empty());
    EXPECT_FALSE(Statistik_Tabelle_Archivieren(&leer));
}

TEST_F(ArchivTest, RetentionAndSeveralSnapshotsInOneYear)
{
    Tabelle_Datensatz andere = t;
    andere.wettbewerb = ANDERE_LIGA;
    for (int32_t jahr : {2000, 2001, 2004, 2005}) {
        Aktueller_Tag = tag_im_jahr(jahr);
        ASSERT_TRUE(Statistik_Tabelle_Archivieren(&t));
        ASSERT_TRUE(Statistik_Tabelle_Archivieren(&andere));
        Aktueller_Tag = tag_im_jahr(2005);
    }
    // A second and third snapshot in 2005 go to 2006 and 2007.
    ASSERT_TRUE(Statistik_Tabelle_Archivieren(&t));
    ASSERT_TRUE(Statistik_Tabelle_Archivieren(&t));
    int32_t jahre[10];
    ASSERT_EQ(Statistik_Tabellen_In_Array(LIGA, jahre, 10), 4);
    EXPECT_EQ(jahre[0], 2000);
    EXPECT_EQ(jahre[3], 2005);
    Aktueller_Tag = tag_im_jahr(2007);
    ASSERT_EQ(Statistik_Tabellen_In_Array(LIGA, jahre, 10), 6);
    EXPECT_EQ(jahre[5], 2007);
    EXPECT_EQ(Statistik_Tabellen_In_Array(LIGA, jahre, 2), 2);

    // In 2025 the next snapshot drops the league's years before 2005; the other league keeps its own.
    Aktueller_Tag = tag_im_jahr(2025);
    ASSERT_TRUE(Statistik_Tabelle_Archivieren(&t));
    ASSERT_EQ(Statistik_Tabellen_In_Array(LIGA, jahre, 10), 4);
    EXPECT_EQ(jahre[0], 2005);
    EXPECT_EQ(jahre[3], 2025);
    ASSERT_EQ(Statistik_Tabellen_In_Array(ANDERE_LIGA, jahre, 10), 4);
    EXPECT_EQ(jahre[0], 2000);

    // Newest first, cut at max.
    int32_t ws[3];
    ASSERT_EQ(Statistik_Tabellen_Suche_Team(1, jahre, ws, nullptr, nullptr, nullptr, nullptr, nullptr, 3), 3);
    EXPECT_EQ(jahre[0], 2025);
    EXPECT_EQ(jahre[1], 2007);
    EXPECT_EQ(jahre[2], 2006);
}

TEST_F(ArchivTest, SnapshotsThatDoNotFitAreNoTable)
{
    ASSERT_TRUE(Statistik_Tabelle_Archivieren(&t));
    std::vector<uint8_t> woerter = Statistik_Tabelle_Packen(&t);
    Tabelle_Datensatz u{};
    // The competition now has more match days than the snapshot was packed with.
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spieltage = 8;
    EXPECT_FALSE(Statistik_Suche_Tabelle(&u, LIGA, 2005));
    EXPECT_FALSE(Statistik_Tabelle_Entpacken(woerter.data(), uint32_t(woerter.size()), &u));
    EXPECT_EQ(u.anzahl, 0);
    // The team look-up needs only the slot words, and never reads past them.
    int32_t platz = -1;
    EXPECT_TRUE(Statistik_Tabelle_Team_Finden(4, woerter.data(), uint32_t(woerter.size()), &platz, nullptr, nullptr,
                                              nullptr, nullptr));
    EXPECT_EQ(platz, 0);
    EXPECT_FALSE(Statistik_Tabelle_Team_Finden(4, woerter.data(), 2 * (2 + 15 * 4) - 2, &platz, nullptr, nullptr,
                                               nullptr, nullptr));
    woerter[2] = 0x7F;  // team count far beyond the words
    woerter[3] = 0x00;
    EXPECT_FALSE(Statistik_Tabelle_Team_Finden(4, woerter.data(), uint32_t(woerter.size()), &platz, nullptr, nullptr,
                                               nullptr, nullptr));
    // A payload that does not expand.
    Liste* l = Statistik_Tabellen_Archiv();
    ASSERT_NE(l->next, nullptr);
    std::memset(static_cast<uint8_t*>(l->next->data) + 4, 0xFF, l->next->size - LISTE_KOPF_BYTES - 4);
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spieltage = 6;
    EXPECT_FALSE(Statistik_Suche_Tabelle(&u, LIGA, 2005));
    EXPECT_EQ(Statistik_Tabellen_Suche_Team(4, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 4), 0);
}

TEST_F(ArchivTest, TitlesAndTeamFigures)
{
    Spiele_Set_Wettbewerb_Sieger(LIGA, 3, 2001, 4, 1, 2);
    Spiele_Set_Wettbewerb_Sieger(POKAL_R2, 3, 2003, 7, 0, 0);
    Spiele_Set_Wettbewerb_Sieger(LIGA, 2, 2004, 3, 0, 0);
    int32_t ws[4], jahre[4], a[4], b[4], c[4];
    ASSERT_EQ(Statistik_Titel_Suchen(3, -1, ws, jahre, a, b, c, 4), 2);
    EXPECT_EQ(jahre[0], 2003);
    EXPECT_EQ(ws[0], POKAL_R1);
    EXPECT_EQ(a[0], 7);
    EXPECT_EQ(jahre[1], 2001);
    EXPECT_EQ(b[1], 1);
    EXPECT_EQ(Statistik_Titel_Suchen(3, LIGA, ws, jahre, a, b, c, 4), 1);
    EXPECT_EQ(Statistik_Titel_Suchen(3, -1, ws, jahre, a, b, c, 1), 1);

    for (int32_t sp : {20, 21, 22}) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 5, sp, 120 + sp, 0, sp - 10, -1, true));
    Spieler_Wert(SP_ALTER, 20, 31, 1);
    Spieler_Wert(SP_ALTER, 21, 20, 1);
    Spieler_Wert(SP_ALTER, 22, 31, 1);
    EXPECT_EQ(Statistik_Team_Spieleranzahl(5), 3);
    int32_t alt_sp, alt, jung_sp, jung;
    EXPECT_FLOAT_EQ(Statistik_Team_Alter(5, &alt_sp, &alt, &jung_sp, &jung), 27.0f);
    EXPECT_EQ(alt_sp, 20);  // the first of two equally old
    EXPECT_EQ(jung, 20);
    int32_t hs, h, ns, nn, summe;
    // Monthly salaries 11666, 11750 and 11833: integer sum over integer count.
    EXPECT_FLOAT_EQ(Statistik_Team_Gehalt(5, &hs, &h, &ns, &nn, &summe), 11749.0f);
    EXPECT_EQ(summe, 11666 + 11750 + 11833);
    EXPECT_EQ(hs, 22);
    EXPECT_EQ(nn, 140000 / 12);
    int32_t ls, l, ks, k;
    EXPECT_FLOAT_EQ(Statistik_Team_Vertragsdauer(5, &ls, &l, &ks, &k), 11.0f);
    EXPECT_EQ(ks, 20);
    EXPECT_FLOAT_EQ(Statistik_Team_Alter(6, &alt_sp, &alt, &jung_sp, &jung), 0.0f);
    EXPECT_EQ(Statistik_Team_Spiele_Im_Jahr(1, -1, nullptr, nullptr, nullptr, nullptr, 10, 0), 0);
}

}  // namespace
