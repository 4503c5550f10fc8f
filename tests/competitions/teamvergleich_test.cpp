// The team comparison: order, heights, places, scale labels, the buttons and call 70.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "common/capture.h"
#include "common/fern_server.h"
#include "competitions/knopf_hook.h"
#include "competitions/ligen_tabelle.h"
#include "competitions/ligen_teamvergleich.h"
#include "competitions/spiele_welt.h"
#include "database/manager.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "network/internet_read.h"
#include "platform/bytes.h"

namespace {

using namespace spielwelt;

using knopf_test::knoepfe;

class Teamvergleich : public Spielwelt {
protected:
    void SetUp() override
    {
        Spielwelt::SetUp();
        Teamspieler_Init_Listen();
        knopf_test::anbinden();
        Aktuelles_Team = 1;
    }
    void TearDown() override
    {
        knopf_test::loesen();
        Netz_Rolle = 0;
        Spielwelt::TearDown();
    }
    // Transfers: club 0 three, club 3 two, club 1 one, club 2 none.
    static void transfers()
    {
        Teamspieler_Transfer_Speichern(0, 20, 1, 0, 0);
        Teamspieler_Transfer_Speichern(21, 0, 2, 0, 0);
        Teamspieler_Transfer_Speichern(0, 3, 3, 0, 0);
        Teamspieler_Transfer_Speichern(3, 1, 4, 0, 0);
    }
    bool an(int32_t icon) { return knoepfe[{1, icon}] != 0; }
};

TEST_F(Teamvergleich, ColumnsFollowTheValuesAndRanksStandInForPlaces)
{
    transfers();
    Teamvergleich_Ergebnis e;
    Ligen_Teamvergleich_Werte_Berechnen(LIGA, 0, 0, 0, 99, false, &e);
    ASSERT_EQ(e.anzahl, 4);
    EXPECT_EQ(e.absteigend, 1);
    const int32_t teams[] = {0, 3, 1, 2}, werte[] = {3, 2, 1, 0}, hoehe[] = {273, 310, 347, 383};
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(e.team[i], teams[i]);
        EXPECT_EQ(e.wert[i], werte[i]);
        EXPECT_EQ(e.hoehe[i], hoehe[i]);
        EXPECT_EQ(e.platz[i], i);  // no table yet: the rank
    }
    EXPECT_EQ(e.groesster, 3);
    EXPECT_EQ(e.kleinster, 0);
    EXPECT_EQ(Ligen_Teamvergleich_Team_Wert(e, 3), 2);
    Fehler_Capture c;
    EXPECT_EQ(Ligen_Teamvergleich_Team_Wert(e, 30), 0);
    EXPECT_TRUE(c.contains("Ligen_Teamvergleich_Scrollscreen_Bauen: team nicht gefunden!"));
}

TEST_F(Teamvergleich, EqualValuesStandAtTheBottomAndAscendingModesTurn)
{
    Teamvergleich_Ergebnis e;
    Ligen_Teamvergleich_Werte_Berechnen(LIGA, 0, 0, 1, -1, true, &e);  // nobody has players
    ASSERT_EQ(e.anzahl, 4);
    for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(e.hoehe[i], 383);
    EXPECT_TRUE(Ligen_Teamvergleich_Absteigend(19));
    for (int32_t m : {4, 5, 6, 24, 27, 30}) EXPECT_FALSE(Ligen_Teamvergleich_Absteigend(m)) << m;
    Ligen_Teamvergleich_Werte_Berechnen(LIGA, 0, 0, 0, 30, true, &e);
    EXPECT_EQ(e.absteigend, 0);
    EXPECT_EQ(e.eine_stelle, 1);
    EXPECT_STREQ(Teamvergleich_Statistiken[6].titel, "Spiel-Noten");
    EXPECT_EQ(Teamvergleich_Statistiken[6].modus, 30);
    EXPECT_EQ(Teamvergleich_Statistiken[16].modus, 9 + 32768);
    // An unknown competition has no clubs.
    Ligen_Teamvergleich_Werte_Berechnen(9999, 0, 0, 0, 99, true, &e);
    EXPECT_EQ(e.anzahl, 0);
}

TEST(TeamvergleichSkala, NumbersAndLabels)
{
    EXPECT_EQ(Ligen_Teamvergleich_Zahl_Text(24, true), "2.4");
    EXPECT_EQ(Ligen_Teamvergleich_Zahl_Text(5, true), "0.5");
    EXPECT_EQ(Ligen_Teamvergleich_Zahl_Text(45000, false), " 45T");
    EXPECT_EQ(Ligen_Teamvergleich_Zahl_Text(3456789, false), "3.4M");
    EXPECT_EQ(Ligen_Teamvergleich_Zahl_Text(999, false), "999");
    EXPECT_EQ(Ligen_Teamvergleich_Zahl_Text(7, false), "  7");
    // Equal values: once a side at y 401.
    auto s = Ligen_Teamvergleich_Skala(5, 5, true);
    ASSERT_EQ(s.anzahl, 1);
    EXPECT_EQ(s.wert[0], 5);
    EXPECT_EQ(s.y[0], 401);
    // 0 and 1: only the ends.
    s = Ligen_Teamvergleich_Skala(1, 0, true);
    ASSERT_EQ(s.anzahl, 2);
    EXPECT_EQ(s.wert[0], 1);
    EXPECT_EQ(s.y[0], 293);
    EXPECT_EQ(s.wert[1], 0);
    EXPECT_EQ(s.y[1], 401);
    // Ten labels from the largest down; ascending order puts the largest at the bottom.
    s = Ligen_Teamvergleich_Skala(108, 0, false);
    ASSERT_EQ(s.anzahl, 10);
    EXPECT_EQ(s.wert[0], 108);
    EXPECT_EQ(s.y[0], 401);
    EXPECT_EQ(s.wert[9], 0);
    EXPECT_EQ(s.y[9], 293);
    // Salaries in DM: the whole range without overflow.
    s = Ligen_Teamvergleich_Skala(2000000000, -2000000000, true);
    EXPECT_EQ(s.wert[9], -2000000000);
}

TEST(TeamvergleichHoehe, LargeValuesKeepTheirHeights)
{
    // Mean salaries in DM: d x 110 is far past 32 bits.
    EXPECT_EQ(Ligen_Teamvergleich_Hoehe(90000000, 90000000, 10000000, true), 273);
    EXPECT_EQ(Ligen_Teamvergleich_Hoehe(50000000, 90000000, 10000000, true), 328);
    EXPECT_EQ(Ligen_Teamvergleich_Hoehe(10000000, 90000000, 10000000, true), 383);
    EXPECT_EQ(Ligen_Teamvergleich_Hoehe(10000000, 90000000, 10000000, false), 273);
    EXPECT_EQ(Ligen_Teamvergleich_Hoehe(7, 7, 7, true), 383);
    EXPECT_EQ(Ligen_Teamvergleich_Hoehe(-5, 0, -10, true), 383);  // largest 0: all at the bottom
}

TEST_F(Teamvergleich, ButtonsKeepOneOfEachPairAndAllPositionsFollow)
{
    knoepfe[{1, TV_ALLE}] = 1;
    knoepfe[{1, TV_STAERKE}] = 1;
    knoepfe[{1, TV_TABELLE}] = 1;
    Ligen_Teamvergleich_Knopf_Klick(TV_POSITION + 1);
    EXPECT_TRUE(an(TV_POSITION + 1));
    EXPECT_FALSE(an(TV_ALLE));
    Ligen_Teamvergleich_Knopf_Klick(TV_ALLE);
    EXPECT_TRUE(an(TV_ALLE));
    EXPECT_FALSE(an(TV_POSITION + 1));
    // "All" off with no position on: it stays on.
    Ligen_Teamvergleich_Knopf_Klick(TV_ALLE);
    EXPECT_TRUE(an(TV_ALLE));
    // A pair: clicking the other one swaps; clicking the one that is on swaps as well.
    Ligen_Teamvergleich_Knopf_Klick(TV_RANG);
    EXPECT_TRUE(an(TV_RANG));
    EXPECT_FALSE(an(TV_TABELLE));
    Ligen_Teamvergleich_Knopf_Klick(TV_RANG);
    EXPECT_FALSE(an(TV_RANG));
    EXPECT_TRUE(an(TV_TABELLE));
    Ligen_Teamvergleich_Knopf_Klick(TV_STATISTIK);
    EXPECT_TRUE(an(TV_STATISTIK));
    EXPECT_FALSE(an(TV_STAERKE));
    // A click outside a pair that left both alike: its first button takes the opposite.
    knoepfe[{1, TV_TABELLE}] = 0;
    Ligen_Teamvergleich_Knopf_Klick(TV_ELF);
    EXPECT_TRUE(an(TV_ELF));
    EXPECT_FALSE(an(TV_TABELLE));
}

using fern_test::gesendet;
using fern_test::groessen;
using fern_test::ueber_den_server;

TEST_F(Teamvergleich, ARemoteClientSeesWhatTheServerComputes)
{
    transfers();
    Teamvergleich_Ergebnis lokal, fern;
    ASSERT_TRUE(Ligen_Teamvergleich_Werte_Holen(LIGA, 0, 0, 0, 99, false, &lokal));
    Ligen_Teamvergleich_Fern_Registrieren();
    groessen.clear();
    Internet_Set_Client_Austausch(ueber_den_server);
    Netz_Rolle = 1;
    const bool ok = Ligen_Teamvergleich_Werte_Holen(LIGA, 0, 0, 0, 99, false, &fern);
    Netz_Rolle = 0;
    Internet_Set_Client_Austausch(nullptr);
    ASSERT_TRUE(ok);
    EXPECT_EQ(gesendet, "vwiiiiC4I4I4I4I4W<80I<160C<40I<160");
    EXPECT_TRUE(Internet_Format_Passt(70, gesendet.c_str()));
    ASSERT_EQ(fern.anzahl, lokal.anzahl);
    EXPECT_EQ(fern.absteigend, lokal.absteigend);
    EXPECT_EQ(fern.groesster, lokal.groesster);
    EXPECT_EQ(fern.kleinster, lokal.kleinster);
    for (int32_t i = 0; i < lokal.anzahl; ++i) {
        EXPECT_EQ(fern.team[i], lokal.team[i]);
        EXPECT_EQ(fern.wert[i], lokal.wert[i]);
        EXPECT_EQ(fern.hoehe[i], lokal.hoehe[i]);
        EXPECT_EQ(fern.platz[i], lokal.platz[i]);
    }
    // The default world's 444 clubs keep the format within the limit.
    char format[80];
    const int t = 444;
    std::snprintf(format, sizeof format, "vwiiiiC%dI%dI%dI%dI%dW<%dI<%dC<%dI<%d", 4, 4, 4, 4, 4, 2 * t, 4 * t, t, 4 * t);
    EXPECT_EQ(std::strlen(format), 38u);
}

}  // namespace

// However many clubs a league has, the last column and its crest end left of the right scale's
// figures; a league of eighteen keeps crests of a readable size.
TEST(TeamvergleichSkala, TheColumnsStayBetweenTheScales)
{
    for (int32_t n = 1; n <= 40; ++n) {
        const Teamvergleich_Spalten s = Ligen_Teamvergleich_Spalten(n);
        EXPECT_LE(s.links + n * s.breite, 556) << n;
        EXPECT_LE(s.wappen, s.breite - 2) << n;
        EXPECT_GT(s.wappen, 0) << n;
        EXPECT_GE(s.links, 4 + 30) << n;  // right of the left scale's figures
    }
    EXPECT_GE(Ligen_Teamvergleich_Spalten(18).wappen, 24);
    EXPECT_EQ(Ligen_Teamvergleich_Spalten(10).breite, 30);
    // the short names of neighbouring columns stand on different rows, whatever the clubs' order
    for (int32_t p = 0; p + 1 < 20; ++p) EXPECT_NE(Ligen_Teamvergleich_Name_Y(p), Ligen_Teamvergleich_Name_Y(p + 1)) << p;
    EXPECT_LE(Ligen_Teamvergleich_Name_Y(1), 448);  // above the buttons at the foot
    // A column's four letters of the own club keep the codes that end its bold and underline:
    // cut after four characters, "^bb^" once left the shared font bold for every later text.
    auto vier = [](const char* name) {
        return Ligen_Tabelle_Namen_Kuerzen(name, [](const std::string&, const std::string& t) { return t.size() > 4; });
    };
    EXPECT_EQ(vier("^bb^ubTannolfe.^be^ue"), "^bb^ubTann^be^ue");
    EXPECT_EQ(vier("Grünenh."), std::string("Grünenh.").substr(0, 4));
    EXPECT_EQ(vier("^bb^ubSV^be^ue"), "^bb^ubSV^be^ue");
    // pictures before and after the letters stay whole, their numbers included
    EXPECT_EQ(vier("^bb^ub^gll0012Tannolfe.^gnk0x0000abcd^be^ue"), "^bb^ub^gll0012Tann^gnk0x0000abcd^be^ue");
}
