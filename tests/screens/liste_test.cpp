// The line-up screen's player lists: capacity and notice, colour values, type filter, column layout,
// and the colour values that a remote client fetches through call 75.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/capture.h"
#include "common/fern_server.h"
#include "database/spieler.h"
#include "network/internet_read.h"
#include "platform/bytes.h"
#include "screens/screens_hilfe.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_liste.h"

using namespace screens_test;

namespace {

using Liste = Welt;

TEST_F(Liste, TheFiftiethEntryBecomesTheNoticeAndNothingFollows)
{
    Anzeige_Gegner_Team = Transfermarkt_Team;
    for (int32_t p = 100; p < 149; ++p) aufnehmen(Transfermarkt_Team, p);
    std::vector<Spieler_Listen_Eintrag> e;
    Spieler_Einsetzen_Liste_Bauen(1, &e);
    ASSERT_EQ(e.size(), 49u);
    EXPECT_EQ(e.back().spnr, 148);
    aufnehmen(Transfermarkt_Team, 149);
    aufnehmen(Transfermarkt_Team, 150);
    Spieler_Einsetzen_Liste_Bauen(1, &e);
    ASSERT_EQ(e.size(), 50u);
    EXPECT_EQ(e[48].spnr, 148);
    EXPECT_EQ(e.back().spnr, -1);
    EXPECT_STREQ(Spieler_Einsetzen_Liste_Voll_Text(1), "^tz0064ANZEIGEBEREICH VOLL^l^tz0064(max. 50 Spieler)");
    // list 0 is the own squad, the youth team never shows
    Spieler_Einsetzen_Liste_Bauen(0, &e);
    EXPECT_EQ(e.size(), 22u);
    Anzeige_Gegner_Team = Jugend_Team;
    aufnehmen(Jugend_Team, 200);
    Spieler_Einsetzen_Liste_Bauen(1, &e);
    EXPECT_TRUE(e.empty());
}

TEST_F(Liste, ColourValuesScaleEachChosenAttribute)
{
    Spieler_Wert(SP_GROESSE, 5, 160, 1);
    Spieler_Wert(SP_GROESSE, 6, 200, 1);
    EXPECT_EQ(Spieler_Einsetzen_Sort_Farbwert(5, FARBE_GROESSE, 0, 999, 0, 0, 0), 0);
    EXPECT_EQ(Spieler_Einsetzen_Sort_Farbwert(6, FARBE_GROESSE, 0, 999, 0, 0, 0), 100);
    Spieler_Wert(SP_ALTER, 5, 20, 1);
    EXPECT_EQ(Spieler_Einsetzen_Sort_Farbwert(5, FARBE_ALTER, 0, 999, 0, 0, 0), 100);
    EXPECT_EQ(Spieler_Einsetzen_Sort_Farbwert(5, FARBE_ALTER | FARBE_GROESSE, 0, 999, 0, 0, 0), 50);

    // a goalkeeper's visible attributes all follow his goalkeeper strength
    Spieler_Daten[0].attribute[0] = 900;
    Spieler_Daten[2].attribute[0] = 300;
    EXPECT_EQ(Spieler_Einsetzen_Sort_Farbwert(0, 0x1FF, 500, 1000, 0, 0, 0), 80);
    EXPECT_EQ(Spieler_Einsetzen_Sort_Farbwert(2, 1, 200, 400, 0, 0, 0), 50);

    // the salary runs over the club's range; equal salaries give 0
    int32_t lo = -1, hi = -1;
    Spieler_Einsetzen_Min_Max_Gehalt(EIGEN, &lo, &hi);
    EXPECT_EQ(lo, hi);
    EXPECT_EQ(Spieler_Einsetzen_Liste_Farbwert(0, EIGEN, 4, FARBE_GEHALT, 0, 999, 0), 0);
    Teamspieler_Wert(301, EIGEN, 4, 40000, 1);
    EXPECT_EQ(Spieler_Einsetzen_Liste_Farbwert(0, EIGEN, 4, FARBE_GEHALT, 0, 999, 0), 100);
    EXPECT_EQ(Spieler_Einsetzen_Liste_Farbwert(0, EIGEN, 5, FARBE_GEHALT, 0, 999, 0), 0);

    Fehler_Capture c;
    EXPECT_EQ(Spieler_Einsetzen_Sort_Farbwert(5, 0, 0, 999, 0, 0, 0), 0);
    EXPECT_TRUE(c.contains("sortzahl==0"));
}

TEST_F(Liste, TheTypeButtonsNeverLeaveTheSquadEmpty)
{
    EXPECT_EQ(Spieler_Einsetzen_Typ_Klick(1250), 15);
    EXPECT_EQ(Spieler_Einsetzen_Typ_Klick(1248), 7);
    EXPECT_EQ(Spieler_Einsetzen_Typ_Klick(1249), 3);
    EXPECT_EQ(Spieler_Einsetzen_Typ_Klick(1251), 1);
    std::vector<Spieler_Listen_Eintrag> e;
    Spieler_Einsetzen_Liste_Bauen(0, &e);
    ASSERT_EQ(e.size(), 2u);  // the two goalkeepers
    EXPECT_EQ(Spieler_Einsetzen_Typ_Klick(1252), 15);
    Spieler_Einsetzen_Liste_Bauen(0, &e);
    EXPECT_EQ(e.size(), 22u);
}

TEST_F(Liste, EntryColumnsFillAtMostFourLines)
{
    int32_t zeile[8];
    const int32_t eng[3] = {30, 30, 30};
    EXPECT_EQ(Spieler_Einsetzen_Spalten_Umbrechen(20, eng, 3, zeile), 1);
    // a wide column waits for the next line while a narrow one fills the gap
    const int32_t gemischt[3] = {60, 80, 20};
    EXPECT_EQ(Spieler_Einsetzen_Spalten_Umbrechen(30, gemischt, 3, zeile), 2);
    EXPECT_EQ(zeile[0], 0);
    EXPECT_EQ(zeile[1], 1);
    EXPECT_EQ(zeile[2], 0);
    const int32_t breit[8] = {100, 100, 100, 100, 100, 100, 10, 200};
    EXPECT_EQ(Spieler_Einsetzen_Spalten_Umbrechen(60, breit, 8, zeile), 4);
    for (int32_t i = 0; i < 8; ++i) EXPECT_LT(zeile[i], 4);
    EXPECT_EQ(zeile[5], -1);  // what does not fit on four lines is left out
}

using fern_test::groessen;
using fern_test::ueber_den_server;

TEST_F(Liste, ACountFromAClientNeverWritesPastItsArrays)
{
    std::vector<int32_t> werte(510, 0x55);
    std::vector<uint16_t> teams(1000, EIGEN), spieler(1000, 2);
    Spieler_Wert(SP_GROESSE, 2, 200, 1);
    Spieler_Einsetzen_Server_Send_Scrollscreen_Data(0, int32_t(FARBE_GROESSE), 0, 999, 0, 5000, werte.data(), teams.data(),
                                                    spieler.data());
    EXPECT_EQ(werte[499], 100);
    for (int32_t i = 500; i < 510; ++i) EXPECT_EQ(werte[size_t(i)], 0x55);
    // an entry naming nobody gets 0; the rest of the 500 are cleared
    teams[1] = 900;
    spieler[2] = 60000;
    Spieler_Einsetzen_Server_Send_Scrollscreen_Data(0, int32_t(FARBE_GROESSE), 0, 999, 0, 3, werte.data(), teams.data(),
                                                    spieler.data());
    EXPECT_EQ(werte[0], 100);
    EXPECT_EQ(werte[1], 0);
    EXPECT_EQ(werte[2], 0);
    EXPECT_EQ(werte[3], 0);
}

TEST_F(Liste, ARemoteClientGetsTheServersValuesThroughCall75)
{
    Spieler_Wert(SP_GROESSE, 3, 180, 1);
    Spieler_Wert(SP_GROESSE, 4, 200, 1);
    const uint16_t teams[2] = {EIGEN, EIGEN}, spieler[2] = {3, 4};
    int32_t lokal[500], fern[500];
    Spieler_Einsetzen_Scrollscreen_Werte_Holen(0, int32_t(FARBE_GROESSE), 0, 999, 0, 2, lokal, teams, spieler);
    EXPECT_EQ(lokal[0], 50);
    EXPECT_EQ(lokal[1], 100);

    groessen.clear();
    Internet_Set_Client_Austausch(ueber_den_server);
    Netz_Rolle = 1;
    std::memset(fern, 0x7F, sizeof fern);
    Spieler_Einsetzen_Scrollscreen_Werte_Holen(0, int32_t(FARBE_GROESSE), 0, 999, 0, 2, fern, teams, spieler);
    Netz_Rolle = 3;
    Internet_Set_Client_Austausch(nullptr);
    ASSERT_EQ(groessen.size(), 2u);
    EXPECT_EQ(groessen[0], 4036u);
    EXPECT_EQ(groessen[1], 2036u);
    EXPECT_EQ(std::memcmp(lokal, fern, sizeof lokal), 0);
}

}  // namespace

#include "toolkit/kontextmenue.h"

namespace {

TEST_F(Liste, TheMenusKeepTheirChoicesPerList)
{
    Menue_Kontextmenue* k = Spieler_Einsetzen_Anzeige_Menue(0);
    ASSERT_NE(k, nullptr);
    EXPECT_STREQ(k->titel, "Anzeige von:");
    EXPECT_STREQ(k->texte[0], "HAUPTATTRIBUTE");
    EXPECT_FALSE(k->status[0] & POPUP_WAEHLBAR);
    EXPECT_STREQ(k->texte[29], " -Extra-Kategorie (auf Button)");
    // columns 3 and 26: one in the state's half, one in the word's
    EXPECT_EQ(k->prozeduren[3](3, 0, k->wert_a[3], 0), 1);
    EXPECT_EQ(k->prozeduren[26](26, 0, k->wert_a[26], 0), 1);
    EXPECT_EQ(Spieler_Einsetzen_Spalten(0), (1u << 3) | (1u << 26));
    EXPECT_EQ(Spieler_Einsetzen_Spalten(1), 0u);
    k = Spieler_Einsetzen_Anzeige_Menue(0);
    EXPECT_TRUE(k->status[3] & POPUP_GEWAEHLT);
    EXPECT_TRUE(k->status[26] & POPUP_GEWAEHLT);
    EXPECT_FALSE(k->status[4] & POPUP_GEWAEHLT);
    Spieler_Einsetzen_Anzeige_Gewaehlt(3, 0, 3, 0);
    EXPECT_EQ(Spieler_Einsetzen_Spalten(0), 1u << 26);

    // colour sorting: Form lands in the high half; "Alle aus" clears everything
    k = Spieler_Einsetzen_Farb_Menue(2);
    ASSERT_STREQ(k->texte[13], " -Form");
    k->prozeduren[13](13, 2, k->wert_a[13], 0);
    k->prozeduren[1](1, 2, k->wert_a[1], 0);
    EXPECT_EQ(Spieler_Einsetzen_Farb_Bits(2), FARBE_FORM | 1u);
    k = Spieler_Einsetzen_Farb_Menue(2);
    k->prozeduren[15](15, 2, k->wert_a[15], 0);
    EXPECT_EQ(Spieler_Einsetzen_Farb_Bits(2), 0u);

    // the quick sort takes one attribute and wins over the set while it is on
    Spieler_Einsetzen_Farbe_Gewaehlt(0, 1, 0, 0);
    k = Spieler_Einsetzen_Schnell_Menue(1);
    ASSERT_STREQ(k->texte[19], " -Größe");
    k->prozeduren[19](19, 1, k->wert_a[19], 0);
    EXPECT_EQ(Spieler_Einsetzen_Farb_Bits(1), FARBE_GROESSE);
    EXPECT_TRUE(Spieler_Einsetzen_Schnell_Menue(1)->status[19] & POPUP_GEWAEHLT);
    EXPECT_EQ(Spieler_Einsetzen_Anzeige_Menue(5), nullptr);
}

TEST_F(Liste, ColumnsPrintTheirValuesAndAGoalkeeperHisStrength)
{
    char text[200];
    Spieler_Wert(SP_ALTER, 5, 27, 1);
    Spieler_Wert(SP_GROESSE, 5, 183, 1);
    Teamspieler_Wert(301, EIGEN, 5, 12000, 1);
    Spieler_Einsetzen_Spalte_Text(20, EIGEN, 5, text, sizeof text);
    EXPECT_STREQ(text, "27 J.");
    Spieler_Einsetzen_Spalte_Text(21, EIGEN, 5, text, sizeof text);
    EXPECT_STREQ(text, "183 cm");
    Spieler_Einsetzen_Spalte_Text(26, EIGEN, 5, text, sizeof text);
    EXPECT_STREQ(text, "12 TDM");
    Spieler_Einsetzen_Spalte_Text(3, EIGEN, 5, text, sizeof text);
    EXPECT_STREQ(text, "Kraft 500");
    Spieler_Daten[0].attribute[0] = 777;
    for (int32_t s : {1, 3, 13}) {
        Spieler_Einsetzen_Spalte_Text(s, EIGEN, 0, text, sizeof text);
        EXPECT_STREQ(text, "TW 777") << s;
    }
    Spieler_Einsetzen_Spalte_Text(30, EIGEN, 5, text, sizeof text);
    EXPECT_STREQ(text, "");
    Spieler_Einsetzen_Spalte_Text(20, EIGEN, 999, text, sizeof text);
    EXPECT_STREQ(text, "");
}

// The extra category is the attribute on the list's own quick-sort button, with his own value.
TEST_F(Liste, TheExtraCategoryFollowsTheListsQuickSortButton)
{
    char text[200];
    Spieler_Wert(SP_FLANKEN, 5, 73, 1);
    Teamspieler_Wert(301, EIGEN, 5, 12000, 1);
    Spieler_Einsetzen_Schnell_Gewaehlt(0, 0, 9, 0);   // list 0: Flanken
    Spieler_Einsetzen_Schnell_Gewaehlt(0, 1, 30, 0);  // list 1: Gehalt
    Spieler_Einsetzen_Spalte_Text(29, EIGEN, 5, text, sizeof text, 0);
    EXPECT_STREQ(text, "Flanken 73");
    Spieler_Einsetzen_Spalte_Text(29, EIGEN, 5, text, sizeof text, 1);
    EXPECT_STREQ(text, "12 TDM");
    // an attribute his type lacks shows no number of it
    Spieler_Einsetzen_Schnell_Gewaehlt(0, 0, 21, 0);
    Spieler_Einsetzen_Spalte_Text(29, EIGEN, 5, text, sizeof text, 0);
    EXPECT_STREQ(text, "Reflexe (TW) -");
    Spieler_Einsetzen_Spalte_Text(29, EIGEN, 5, text, sizeof text);
    EXPECT_STREQ(text, "") << "no list, no button";
    // the entry carries it among its columns
    Spieler_Einsetzen_Anzeige_Gewaehlt(0, 0, 29, 0);
    std::vector<Spieler_Listen_Eintrag> e{{5, EIGEN, 0}};
    int32_t breiten[30];
    Spieler_Einsetzen_Set_View_Text_Max_Breite(0, e, breiten);
    EXPECT_GT(breiten[29], 0);
    char eintrag[1024];
    Spieler_Einsetzen_Eintrag_Text(0, EIGEN, 5, breiten, eintrag, sizeof eintrag);
    EXPECT_NE(std::string(eintrag).find("Reflexe (TW) -"), std::string::npos) << eintrag;
}

}  // namespace

namespace {

TEST_F(Liste, AnEntryPrintsItsNameAndColumnsAtTheirTabs)
{
    Spieler_Wert(SP_ALTER, 5, 27, 1);
    Spieler_Wert(SP_GROESSE, 5, 183, 1);
    Spieler_Einsetzen_Anzeige_Gewaehlt(0, 0, 20, 0);
    Spieler_Einsetzen_Anzeige_Gewaehlt(0, 0, 21, 0);
    std::vector<Spieler_Listen_Eintrag> e;
    Spieler_Einsetzen_Liste_Bauen(0, &e);
    int32_t breiten[30];
    Spieler_Einsetzen_Set_View_Text_Max_Breite(0, e, breiten);
    EXPECT_GT(breiten[20], 0);
    EXPECT_EQ(breiten[3], 0);  // not chosen
    // fixed widths from here on: the name takes 48 pixels without a loaded font
    for (auto& b : breiten) b = 0;
    breiten[20] = 30;
    breiten[21] = 36;
    char text[300];
    Spieler_Einsetzen_Eintrag_Text(0, EIGEN, 5, breiten, text, sizeof text);
    EXPECT_STREQ(text, "Spieler5^tl005227 J.^l^tl0000183 cm");
    Teamspieler_Wert(317, EIGEN, 5, TS_STARTELF, 8);
    Spieler_Einsetzen_Eintrag_Text(0, EIGEN, 5, breiten, text, sizeof text);
    EXPECT_EQ(std::string(text).rfind("^bbSpieler5^be^tl0052", 0), 0u);
    // many wide columns: four lines at most, the rest left out
    for (int32_t s = 1; s < 30; ++s) {
        if (!(Spieler_Einsetzen_Spalten(0) & (1u << s))) Spieler_Einsetzen_Anzeige_Gewaehlt(0, 0, s, 0);
        breiten[s] = 70;
    }
    Spieler_Einsetzen_Eintrag_Text(0, EIGEN, 5, breiten, text, sizeof text);
    int32_t zeilen = 1;
    for (const char* c = text; (c = std::strstr(c, "^l")); c += 2) ++zeilen;
    EXPECT_EQ(zeilen, 4);
    // a short buffer stays terminated
    char kurz[12];
    Spieler_Einsetzen_Eintrag_Text(0, EIGEN, 5, breiten, kurz, sizeof kurz);
    EXPECT_LT(std::strlen(kurz), sizeof kurz);
}

}  // namespace
