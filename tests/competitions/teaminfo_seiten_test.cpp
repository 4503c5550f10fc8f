// The team information pages: options, player rankings, history columns, the head-to-head
// record and the small formatters behind the comparison and the minute graphs.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "common/fern_server.h"
#include "competitions/knopf_hook.h"
#include "competitions/spiele_welt.h"
#include "competitions/statistik_archiv.h"
#include "competitions/statistik_teaminfo.h"
#include "database/spieler_statistik.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "network/internet_read.h"
#include "platform/compress.h"
#include "screens/spielervergleich.h"

namespace {

using namespace spielwelt;
using knopf_test::knoepfe;

class TeaminfoSeiten : public Spielwelt {
protected:
    int32_t block = -1;
    std::vector<int32_t> kader;
    void SetUp() override
    {
        Spielwelt::SetUp();
        Teamspieler_Init_Listen();
        knopf_test::anbinden();
        Aktuelles_Team = 1;
        block = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
        ASSERT_GE(block, 0);
        for (int32_t p = 0; p < 3; ++p) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 0, p, 100, 0, 24, -1, false));
        int32_t k[50];
        const int32_t n = Teamspieler_Ins_Array(0, k, 50, 0);
        kader.assign(k, k + std::max(n, 0));
    }
    void TearDown() override
    {
        knopf_test::loesen();
        Aktueller_Tag = 0;
        Spielwelt::TearDown();
    }
    void spiel(int32_t tag, int32_t slot, int32_t heim, int32_t gast, int32_t ht, int32_t gt,
               std::vector<std::array<int32_t, 3>> ereignisse = {})
    {
        const int32_t h = Spiele_Lock(block, tag, 0, slot);
        ASSERT_NE(h, 0);
        Spiele_Set_Teams(h, heim, gast);
        Spiele_Set_Ergebnis(h, ht, gt, 0);
        Spiele_Ereignis_Speicher_Reservieren(h);
        for (const auto& e : ereignisse) Spiele_Set_Ereignis(h, uint32_t(e[0]), 10, e[1], e[2]);
        Spiele_Set_Minute(h, 90);
        Spiele_Unlock(h);
    }
    std::vector<Teaminfo_Spielerzeile> liste(int32_t seite)
    {
        Teaminfo_Spielerzeile z[50];
        const int32_t n = Statistik_Teaminfo_Spielerliste(seite, 0, z, 50);
        return {z, z + n};
    }
};

TEST_F(TeaminfoSeiten, HomeAndAwayOptionsExcludeEachOtherAndOnePageStaysOn)
{
    EXPECT_EQ(Statistik_Teaminfo_Seiten_Option(), 0);
    Statistik_Teaminfo_Schalten(TI_NUR_HEIM);
    EXPECT_EQ(Statistik_Teaminfo_Seiten_Option(), 1);
    Statistik_Teaminfo_Schalten(TI_NUR_AUSWAERTS);
    EXPECT_EQ(Statistik_Teaminfo_Seiten_Option(), 2);
    EXPECT_EQ((knoepfe[{1, TI_NUR_HEIM}]), 0u);
    Statistik_Teaminfo_Schalten(TI_NUR_AUSWAERTS);
    EXPECT_EQ(Statistik_Teaminfo_Seiten_Option(), 0);
    // Without the filter switch every competition counts.
    EXPECT_EQ(Statistik_Teaminfo_Wettbewerb_Option(), -1);

    Statistik_Teaminfo_Schalten(1170);
    Statistik_Teaminfo_Schalten(1178);
    EXPECT_EQ(Statistik_Teaminfo_Seite(), 1178);
    int32_t ein = 0;
    for (int32_t s = TI_ERSTE_SEITE; s <= TI_LETZTE_SEITE; ++s) ein += knoepfe[{1, s}] != 0;
    EXPECT_EQ(ein, 1);
    // A second click on the shown page keeps it.
    Statistik_Teaminfo_Schalten(1178);
    EXPECT_EQ(Statistik_Teaminfo_Seite(), 1178);
}

TEST_F(TeaminfoSeiten, ScorersAndCardsRankByTheirKeysAndFollowTheSideOption)
{
    ASSERT_GE(kader.size(), 3u);
    const int32_t a = kader[0], b = kader[1], c = kader[2];
    // At home a scores twice from b's passes; away b scores twice, c sees yellow-red and red.
    spiel(0, 0, 0, 1, 2, 0, {{SPE_TOR | SPE_HEIM, a, b}, {SPE_TOR | SPE_HEIM, a, b}, {SPE_GELB | SPE_HEIM, a, -1}});
    spiel(1, 0, 2, 0, 0, 2, {{SPE_TOR, b, -1}, {SPE_TOR, b, -1}, {SPE_GELBROT, c, -1}, {SPE_ROT, c, -1}});

    auto tore = liste(1178);
    ASSERT_GE(tore.size(), 2u);
    EXPECT_EQ(tore[0].spieler, b);  // 2 goals, 2 assists: 6
    EXPECT_EQ(tore[0].wert[0], 2);
    EXPECT_EQ(tore[0].wert[1], 2);
    EXPECT_EQ(tore[0].wert[2], 6);
    EXPECT_EQ(tore[1].spieler, a);
    EXPECT_EQ(tore[1].wert[2], 4);

    Statistik_Teaminfo_Schalten(TI_NUR_HEIM);
    tore = liste(1178);
    EXPECT_EQ(tore[0].spieler, a);
    EXPECT_EQ(tore[1].spieler, b);
    EXPECT_EQ(tore[1].wert[0], 0);
    EXPECT_EQ(tore[1].wert[2], 2);

    Statistik_Teaminfo_Schalten(TI_NUR_HEIM);
    const auto karten = liste(1179);
    ASSERT_GE(karten.size(), 2u);
    // Yellow-red and red weigh 2 + 3 against a's single yellow.
    EXPECT_EQ(karten[0].spieler, c);
    EXPECT_EQ(karten[0].wert[1], 1);
    EXPECT_EQ(karten[0].wert[2], 1);
    EXPECT_EQ(karten[0].wert[3], 2);
    EXPECT_EQ(karten[0].schluessel, 5);
    EXPECT_EQ(karten[1].spieler, a);
    EXPECT_EQ(karten[1].wert[0], 1);
    // Another page number gives nothing.
    Teaminfo_Spielerzeile z[4];
    EXPECT_EQ(Statistik_Teaminfo_Spielerliste(1175, 0, z, 4), 0);
    EXPECT_EQ(Statistik_Teaminfo_Spielerliste(1178, -1, z, 4), 0);
}

TEST_F(TeaminfoSeiten, AClientsListsEqualTheServers)
{
    ASSERT_GE(kader.size(), 3u);
    const int32_t a = kader[0], b = kader[1], c = kader[2];
    spiel(0, 0, 0, 1, 2, 0, {{SPE_TOR | SPE_HEIM, a, b}, {SPE_TOR | SPE_HEIM, a, b}, {SPE_GELB | SPE_HEIM, a, -1},
                             {0x10000 | SPE_HEIM, b, -1}, {0x10000 | SPE_HEIM, b, -1}});
    spiel(1, 0, 2, 0, 0, 2, {{SPE_TOR, b, -1}, {SPE_TOR, b, -1}, {SPE_GELBROT, c, -1}, {SPE_ROT, c, -1},
                             {0x10000, b, -1}, {0x10000, c, -1}});
    Spieler_Spielervergleich_Fern_Registrieren();
    Spieler_Statistik_Fern_Registrieren();
    for (int32_t seite : {1177, 1178, 1179}) {
        const auto lokal = liste(seite);
        Internet_Set_Client_Austausch(fern_test::ueber_den_server);
        fern_test::gesendet.clear();
        Netz_Rolle = 1;
        const auto fern = liste(seite);
        Netz_Rolle = 0;
        Internet_Set_Client_Austausch(nullptr);
        // The figures came from the server, not from the client's own store.
        EXPECT_EQ(fern_test::gesendet, seite == 1177 ? "vI<4I>40iI>512iiiiiiiI<40" : VERGLEICH_FORMAT) << seite;
        ASSERT_EQ(fern.size(), lokal.size()) << seite;
        for (size_t i = 0; i < lokal.size(); ++i) {
            EXPECT_EQ(fern[i].spieler, lokal[i].spieler) << seite << " " << i;
            EXPECT_EQ(fern[i].schluessel, lokal[i].schluessel) << seite << " " << i;
            for (int32_t k = 0; k < 4; ++k) EXPECT_EQ(fern[i].wert[k], lokal[i].wert[k]) << seite << " " << i;
        }
    }
    EXPECT_EQ(liste(1177)[0].spieler, b);
    EXPECT_EQ(liste(1177)[0].wert[0], 3);
}

TEST_F(TeaminfoSeiten, MoreThanTenPlacingsPutTheNewerInTheRightColumn)
{
    Compress_LZW_Init();
    spiel(0, 0, 0, 1, 3, 1);
    spiel(0, 1, 2, 3, 0, 0);
    Tabelle_Datensatz t;
    tabelle_vorbereiten(t, {0, 1, 2, 3});
    Spiele_Tabelle_Berechnen(LIGA, block, -1, -1, 1, TAB_NORMAL, &t, 1, 0, -1, -1, 0, 0, -1);
    for (int32_t jahr = 2000; jahr < 2012; ++jahr) {
        Aktueller_Tag = (jahr - 1999) * 365;
        ASSERT_TRUE(Statistik_Tabelle_Archivieren(&t));
    }
    Teaminfo_Platzierung p[20];
    const int32_t n = Statistik_Teaminfo_Platzierungen(0, p, 20);
    ASSERT_EQ(n, 12);
    EXPECT_EQ(p[0].jahr, 2000);
    EXPECT_EQ(p[0].spalte, 0);
    EXPECT_EQ(p[9].zeile, 9);
    EXPECT_EQ(p[10].jahr, 2010);
    EXPECT_EQ(p[10].spalte, 1);
    EXPECT_EQ(p[10].zeile, 0);
    EXPECT_EQ(p[11].jahr, 2011);
    EXPECT_EQ(p[11].platz, 0);
    EXPECT_EQ(p[11].tore, 3);
    EXPECT_EQ(Statistik_Teaminfo_Platzierungen(0, nullptr, 20), 0);
}

TEST_F(TeaminfoSeiten, PlacesFollowTheTableUpToTheCurrentDay)
{
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spiele_block = block;
    spiel(0, 0, 0, 1, 0, 2);
    spiel(0, 1, 2, 3, 1, 0);
    spiel(1, 0, 3, 1, 0, 3);  // not yet counted on day 1
    spiel(1, 1, 2, 0, 0, 0);
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spieltag = 1;
    EXPECT_EQ(Statistik_Teaminfo_Platz(1, LIGA), 0);  // 2:0 before 1:0
    EXPECT_EQ(Statistik_Teaminfo_Platz(2, LIGA), 1);
    EXPECT_EQ(Statistik_Teaminfo_Platz(0, LIGA), 3);
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spieltag = 2;
    EXPECT_EQ(Statistik_Teaminfo_Platz(1, LIGA), 0);
    EXPECT_EQ(Statistik_Teaminfo_Platz(2, LIGA), 1);  // 4 points
    EXPECT_EQ(Statistik_Teaminfo_Platz(30, LIGA), -1);
    EXPECT_EQ(Statistik_Teaminfo_Platz(1, -1), -1);
}

TEST_F(TeaminfoSeiten, HeadToHeadCountsFromTheFirstClubsSide)
{
    spiel(0, 0, 0, 1, 2, 1);
    spiel(1, 0, 1, 0, 1, 1);
    spiel(2, 0, 1, 0, 3, 0);
    spiel(3, 0, 2, 3, 5, 5);  // not between the two
    int32_t s = -1, u = -1, l = -1;
    char letzte[64];
    Statistik_Teaminfo_Bilanz(0, 1, -1, &s, &u, &l, letzte, sizeof letzte);
    EXPECT_EQ(s, 1);
    EXPECT_EQ(u, 1);
    EXPECT_EQ(l, 1);
    EXPECT_STREQ(letzte, "2:1, 1:1, 0:3");
    Statistik_Teaminfo_Bilanz(0, -1, -1, &s, &u, &l, letzte, sizeof letzte);
    EXPECT_EQ(s + u + l, 0);
    EXPECT_STREQ(letzte, "");

    char text[128];
    Statistik_Teaminfo_Bilanz_Text(text, sizeof text, 1, 1, 1);
    EXPECT_STREQ(text, "Bisherige Bilanz: 1 Sieg, 1 Unentschieden, 1 Niederlage");
    Statistik_Teaminfo_Bilanz_Text(text, sizeof text, 2, 0, 3);
    EXPECT_STREQ(text, "Bisherige Bilanz: 2 Siege, 0 Unentschieden, 3 Niederlagen");
    Statistik_Teaminfo_Bilanz_Text(text, sizeof text, 0, 0, 0);
    EXPECT_STREQ(text, "Bisherige Bilanz: noch keine Spiele ausgetragen");
}

TEST(TeaminfoFormeln, BarsAndMinuteRanges)
{
    EXPECT_EQ(Statistik_Teaminfo_Balken(50), 10);
    EXPECT_EQ(Statistik_Teaminfo_Balken(58), 14);  // d 16: 4 right of the middle
    EXPECT_EQ(Statistik_Teaminfo_Balken(42), 6);
    EXPECT_EQ(Statistik_Teaminfo_Balken(100), 20);
    EXPECT_EQ(Statistik_Teaminfo_Balken(0), 0);
    EXPECT_EQ(Statistik_Teaminfo_Balken(400), 20);  // limited
    EXPECT_EQ(Statistik_Teaminfo_Balken(-300), 0);

    int32_t m[200] = {};
    m[0] = 50;  // before the kick-off: no range
    m[1] = 1, m[15] = 2, m[16] = 4, m[45] = 8, m[46] = 16, m[90] = 32, m[91] = 64;
    int32_t s[6];
    Statistik_Teaminfo_Minuten_Summen(m, s);
    const int32_t erwartet[6] = {3, 4, 8, 16, 0, 32};
    for (int32_t i = 0; i < 6; ++i) EXPECT_EQ(s[i], erwartet[i]) << i;
}

}  // namespace
