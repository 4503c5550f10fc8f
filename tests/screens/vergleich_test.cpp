// The player comparison: the collector's rows and order, its filters and bounds, the switches'
// rules, the bars, and request 60 on both sides, also with damaged requests.
#include <gtest/gtest.h>

#include "toolkit/screen.h"
#include "toolkit/icon.h"

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "common/capture.h"
#include "common/fern_server.h"
#include "common/mutation.h"
#include "competitions/spiele_welt.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "matchview/live/spielszenen_live.h"
#include "network/internet_read.h"
#include "platform/bytes.h"
#include "platform/print.h"
#include "screens/spielervergleich.h"

namespace {

using namespace spielwelt;

constexpr uint8_t ALLE_GRUPPEN[4] = {1, 1, 1, 1};

// League LIGA (teams 0..3): team 1 players 10..14, team 2 players 20..22; a manager at team 1.
class Vergleich : public Spielwelt {
protected:
    int32_t block = -1, tag = 0;
    void SetUp() override
    {
        Spielwelt::SetUp();
        Teamspieler_Init_Listen();
        for (int32_t p = 10; p < 15; ++p) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 1, p, 150, 0, 24, -1, false));
        for (int32_t p = 20; p < 23; ++p) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 2, p, 90, 0, 24, -1, false));
        block = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
        Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spiele_block = block;
        Netz_Rolle = 3;
        Manager_Anzahl = 0;
        Manager_Neuer_Mitspieler(1, "Test");
        Aktuelles_Team = Handelndes_Team = 1;
    }
    void TearDown() override
    {
        Internet_Set_Client_Austausch(nullptr);
        Netz_Rolle = 0;
        Aktuelles_Team = -1;
        Handelndes_Team = 0;
        Manager_Anzahl = 0;
        Spielwelt::TearDown();
    }
    void tore(int32_t heim, int32_t gast, std::vector<int32_t> schuetzen)
    {
        int32_t h = Spiele_Lock(block, tag++, 0, 0);
        ASSERT_NE(h, 0);
        Spiele_Set_Teams(h, heim, gast);
        Spiele_Set_Ergebnis(h, 0, 0, 0);
        Spiele_Ereignis_Speicher_Reservieren(h);
        for (int32_t p : schuetzen) Spiele_Set_Ereignis(h, SPE_TOR | (p < 20 ? int(SPE_HEIM) : 0), 30, p, -1);
        Spiele_Set_Minute(h, 90);
        Spiele_Unlock(h);
    }
    static Spielervergleich_Ergebnis sammeln(int32_t art, const uint8_t* gruppen = ALLE_GRUPPEN, int32_t verein = -1,
                                             bool manager = false, bool aufsteigend = false)
    {
        const int32_t ids[1] = {LIGA};
        Spielervergleich_Ergebnis e;
        Spieler_Spielervergleich_Spieler_Sammeln(art, manager, false, verein, gruppen, 1, ids, -1, -1, -1, -1,
                                                 aufsteigend, &e);
        return e;
    }
    static void schalter(std::initializer_list<int32_t> an)
    {
        for (int32_t i : {1671, 1672, 1673, 1674, 1675, 1676, 1677, 1712}) Manager_Icon_Button_An_Aus(1, i, 0);
        for (int32_t i = 1690; i < 1697; ++i) Manager_Icon_Button_An_Aus(1, i, 0);
        for (int32_t i : an) Manager_Icon_Button_An_Aus(1, i, 1);
    }
};

TEST_F(Vergleich, GoalsRankDescendingWithoutEmptyRows)
{
    tore(1, 2, {10, 10, 11, 20});
    tore(1, 2, {10, 20});
    Spielervergleich_Ergebnis e = sammeln(0);
    ASSERT_EQ(e.zeilen, 3);
    EXPECT_EQ(e.spieler[0], 10);
    EXPECT_EQ(e.wert[0][0], 3);
    EXPECT_EQ(e.spieler[1], 20);
    EXPECT_EQ(e.teams[1], 2);
    EXPECT_EQ(e.spieler[2], 11);
    EXPECT_EQ(e.icons_pro_zeile, 3);

    EXPECT_EQ(sammeln(0, ALLE_GRUPPEN, 2).zeilen, 1) << "one club only";
    EXPECT_EQ(sammeln(0, ALLE_GRUPPEN, -1, true).zeilen, 2) << "clubs with a manager only";
    Spieler_Fix_Daten[10].lieblingspos = 459;
    ASSERT_EQ(Spieler_Wert(SP_ART, 10, 0, 0), 0);
    const uint8_t ohne_torhueter[4] = {0, 1, 1, 1};
    EXPECT_EQ(sammeln(0, ohne_torhueter).spieler[0], 20) << "his group left out";

    // ids naming no competition, a count past 7, an unknown kind or club: bounded, no fault
    const int32_t falsch[9] = {-5, 4000, LIGA, LIGA, LIGA, LIGA, LIGA, LIGA, LIGA};
    Spieler_Spielervergleich_Spieler_Sammeln(0, false, false, -1, ALLE_GRUPPEN, 9, falsch, 95, 3, 40, -7, false, &e);
    EXPECT_EQ(e.zeilen, 3);
    EXPECT_EQ(sammeln(99).zeilen, 0);
    EXPECT_EQ(sammeln(0, ALLE_GRUPPEN, 5000).zeilen, 0);
}

TEST_F(Vergleich, AscendingCriteriaAndTheRowLimit)
{
    for (int32_t t : {0, 3})
        for (int32_t p = 0; p < 49; ++p) Teamspieler_Kommt_Oder_Geht(1, t, 30 + 49 * (t == 3) + p, 50, 0, 24, -1, false);
    for (int32_t p = 0; p < Spieler_Anzahl; ++p) Spieler_Wert(SP_ALTER, p, 18 + p % 20, 1);
    EXPECT_TRUE(Spieler_Spielervergleich_Aufsteigend(15));
    EXPECT_TRUE(Spieler_Spielervergleich_Aufsteigend(19));
    EXPECT_TRUE(Spieler_Spielervergleich_Aufsteigend(20));
    EXPECT_FALSE(Spieler_Spielervergleich_Aufsteigend(0));
    const Spielervergleich_Ergebnis e = sammeln(15, ALLE_GRUPPEN, -1, false, true);
    ASSERT_EQ(e.zeilen, VERGLEICH_ZEILEN);
    for (int32_t z = 1; z < e.zeilen; ++z) EXPECT_LE(e.wert[0][z - 1], e.wert[0][z]) << z;
    EXPECT_EQ(e.wert[0][0], 18);
}

TEST_F(Vergleich, KeysBeyond32BitsOrderRight)
{
    // goals per match 33.5 and 32.9 in a world of 65000 players: value x 1000 x players passes 2^31
    const int64_t a = Spieler_Spielervergleich_Schluessel(12, 33, 500, 7, 65000);
    const int64_t b = Spieler_Spielervergleich_Schluessel(12, 32, 900, 8, 65000);
    EXPECT_GT(a, int64_t(INT32_MAX));
    EXPECT_GT(a, b);
    EXPECT_EQ(Spieler_Spielervergleich_Schluessel(12, 33, 500, 7, 65000) / 65000, 33500);
    // equal values rank by player number, where 32 bits were enough the order is the same
    EXPECT_LT(Spieler_Spielervergleich_Schluessel(0, 4, -1, 3, 200), Spieler_Spielervergleich_Schluessel(0, 4, -1, 5, 200));
    EXPECT_EQ(Spieler_Spielervergleich_Schluessel(14, 32767000, -1, 2, 100), 32767 * 100 + 2);
    EXPECT_EQ(Spieler_Spielervergleich_Schluessel(20, 5000, -1, 2, 100), 5000) << "marks carry no player number";

    // the salary ranking over the links (thousands kept in the link)
    const int32_t gehalt[3] = {19000000, 32000000, 25000000};
    for (int32_t k = 0; k < 3; ++k) Teamspieler_Wert(301, 1, 10 + k, gehalt[k], 1);
    const Spielervergleich_Ergebnis e = sammeln(14);
    ASSERT_GE(e.zeilen, 3);
    EXPECT_EQ(e.spieler[0], 11);
    EXPECT_EQ(e.spieler[1], 12);
    EXPECT_EQ(e.spieler[2], 10);
}

TEST_F(Vergleich, TransfersListTheFeeOrFree)
{
    Teamspieler_Transfer_Speichern(5, 2, 21, 0, 0);
    Teamspieler_Transfer_Speichern(2, 1, 14, 800, 0);
    Teamspieler_Transfer_Speichern(30, 31, 150, 900, 0);  // neither club in the league
    schalter({1671, 1690});
    Manager_Icon_Word_Data_Schreiben(1, 1690, LIGA);
    Spieler_Spielervergleich_Kriterium_Setzen(12);
    Spieler_Spielervergleich_Scrollscreen_Bauen();
    const Spielervergleich_Zeile* z = nullptr;
    ASSERT_EQ(Spieler_Spielervergleich_Zeilen(&z), 2);
    EXPECT_NE(std::string(z[0].wert).find("für"), std::string::npos) << z[0].wert;
    EXPECT_NE(std::string(z[1].wert).find("ablösefrei"), std::string::npos) << z[1].wert;
    EXPECT_NE(std::string(z[1].hilfe).find("wechselte"), std::string::npos) << z[1].hilfe;
    EXPECT_EQ(std::string(Spieler_Spielervergleich_Kopfzeile(12)),
              "^ubSpieler^ue^tl0107^ubVerein^ue^tz0270^ubVorheriger Verein^ue");
}

// Each row's help names the player whose figures it shows; the club button's crest shows the
// chosen club, the manager's own without one.
TEST_F(Vergleich, RowsNameTheirPlayerAndTheChosenClubShowsItsCrest)
{
    tore(1, 2, {10, 10, 11, 20});
    schalter({1671, 1690});
    Manager_Icon_Word_Data_Schreiben(1, 1690, LIGA);
    Spieler_Spielervergleich_Kriterium_Setzen(14);
    Spieler_Spielervergleich_Scrollscreen_Bauen();
    const Spielervergleich_Zeile* z = nullptr;
    const int32_t n = Spieler_Spielervergleich_Zeilen(&z);
    ASSERT_GE(n, 3);
    for (int32_t r = 0; r < n; ++r) {
        const std::string name = z[r].name;
        const std::string hilfe = z[r].hilfe;
        ASSERT_EQ(hilfe.rfind("Statistik-Werte von ", 0), 0u) << hilfe;
        EXPECT_NE(name.find(hilfe.substr(20)), std::string::npos) << name << " / " << hilfe;
    }
    ASSERT_EQ(Spieler_Spielervergleich_Oeffnen(nullptr, 0), 1);
    ASSERT_TRUE(Menue_Screen_Icon_Ist_Vorhanden(1680));
    const Menue_Icon* w = Menue_Screen_Icon_Aus_Nummer(1680);
    EXPECT_EQ(w->breite, 40);
    // it covers no other control of the page
    for (int32_t n : {1671, 1672, 1673, 1674, 1675, 1676, 1677, 1712, 1698, 1699, 1701, 1702, 1689})
        if (const Menue_Icon* i = Menue_Screen_Icon_Ist_Vorhanden(n) ? Menue_Screen_Icon_Aus_Nummer(n) : nullptr) {
            EXPECT_FALSE(w->x < i->x + i->breite && i->x < w->x + w->breite && w->y < i->y + i->hoehe && i->y < w->y + w->hoehe)
                << n;
        }
    ASSERT_NE(Menue_Screen_Icon_Aus_Nummer(1689)->mausover, nullptr);
    Menue_Bereich_Loeschen(0x45, -9999, -9999, 9999, 9999);
}

TEST_F(Vergleich, SwitchRulesAndBars)
{
    schalter({1671, 1690});
    Spieler_Spielervergleich_Schalten(1673);
    EXPECT_FALSE(Manager_Icon_Button_Lesen(1, 1671));
    Spieler_Spielervergleich_Schalten(1673);
    EXPECT_TRUE(Manager_Icon_Button_Lesen(1, 1671)) << "no group left: all again";
    Spieler_Spielervergleich_Schalten(1674);
    Spieler_Spielervergleich_Schalten(1671);
    EXPECT_FALSE(Manager_Icon_Button_Lesen(1, 1674));
    EXPECT_TRUE(Manager_Icon_Button_Lesen(1, 1671));

    Spieler_Spielervergleich_Verein_Setzen(2);
    EXPECT_TRUE(Manager_Icon_Button_Lesen(1, 1677));
    Spieler_Spielervergleich_Schalten(1712);
    EXPECT_FALSE(Manager_Icon_Button_Lesen(1, 1677));
    Spieler_Spielervergleich_Schalten(1677);
    EXPECT_FALSE(Manager_Icon_Button_Lesen(1, 1712));

    // one competition: its match days once one is played; two: disabled, every day counts
    schalter({1671, 1690});
    Manager_Icon_Word_Data_Schreiben(1, 1690, LIGA);
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spieltag = 0;
    EXPECT_FALSE(Spieler_Spielervergleich_Spieltag_Bereich().aktiv);
    EXPECT_STREQ(Spieler_Spielervergleich_Spieltag_Bereich().hilfe, "Nur nach dem ersten Spieltag einstellbar.");
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spieltag = 2;
    Spielervergleich_Spieltage s = Spieler_Spielervergleich_Spieltag_Bereich();
    EXPECT_TRUE(s.aktiv);
    EXPECT_STREQ(s.hilfe, "Zieh mich auch!");
    EXPECT_EQ(s.start, 3);
    Spieler_Spielervergleich_Wettbewerb_Schalten(1690);
    EXPECT_TRUE(Manager_Icon_Button_Lesen(1, 1690)) << "the last competition stays";
    Manager_Icon_Word_Data_Schreiben(1, 1691, ANDERE_LIGA);
    Spieler_Spielervergleich_Wettbewerb_Schalten(1691);
    s = Spieler_Spielervergleich_Spieltag_Bereich();
    EXPECT_FALSE(s.aktiv);
    EXPECT_EQ(s.max, 99);
    EXPECT_NE(std::string(s.hilfe).find("Nur bei exakt EINER Liga"), std::string::npos);
    EXPECT_EQ(Spieler_Spielervergleich_Max_Spielminute(), 90);
    Spieler_Spielervergleich_Bereich_Setzen(1701, 3);
    EXPECT_EQ(Spieler_Spielervergleich_Bereich_Wert(1701), 1) << "no match days with two competitions";
    Spieler_Spielervergleich_Wettbewerb_Schalten(1690);
    const Wettbewerb_Info* w = Wettbewerb_Get_Info(ANDERE_LIGA);
    ASSERT_NE(w, nullptr);
    const int32_t erwartet = w->anz_halbzeiten * w->halbzeit_laenge +
                             ((w->modus & KO_SYSTEM) ? w->anz_halbzeiten_verl * w->halbzeit_laenge_verl : 0);
    EXPECT_EQ(Spieler_Spielervergleich_Max_Spielminute(), erwartet > 0 ? erwartet : 90);

    // the handles keep their order and their range
    Spieler_Spielervergleich_Wettbewerb_Schalten(1691);
    Spieler_Spielervergleich_Wettbewerb_Schalten(1690);
    ASSERT_EQ(Spieler_Spielervergleich_Max_Spielminute(), 90);
    Spieler_Spielervergleich_Bereich_Setzen(1699, 30);
    Spieler_Spielervergleich_Bereich_Setzen(1698, 60);
    EXPECT_EQ(Spieler_Spielervergleich_Bereich_Wert(1698), 60);
    EXPECT_EQ(Spieler_Spielervergleich_Bereich_Wert(1699), 60) << "the last minute pushed along";
    Spieler_Spielervergleich_Bereich_Setzen(1699, 500);
    EXPECT_EQ(Spieler_Spielervergleich_Bereich_Wert(1699), 90);
    Spieler_Spielervergleich_Bereich_Setzen(1699, 10);
    EXPECT_EQ(Spieler_Spielervergleich_Bereich_Wert(1698), 10);
    Spieler_Spielervergleich_Bereich_Setzen(1702, 99);
    EXPECT_EQ(Spieler_Spielervergleich_Bereich_Wert(1702), s.max);
}

TEST_F(Vergleich, Request60OnBothSides)
{
    tore(1, 2, {10, 10, 20});
    std::vector<uint8_t> block(SENDBLOCK_SIZE, 0);
    uint32_t laenge = 612;
    Internet_Positionen p;
    ASSERT_TRUE(Internet_Get_Blockpositionen(0, block.data(), &laenge, VERGLEICH_FORMAT, &p));
    EXPECT_EQ(p.gesamt, 2596u);
    EXPECT_TRUE(Internet_Format_Passt(60, VERGLEICH_FORMAT));
    EXPECT_EQ(std::strlen(VERGLEICH_FORMAT), 53u);

    schalter({1671, 1690});
    Manager_Icon_Word_Data_Schreiben(1, 1690, LIGA);
    Spieler_Spielervergleich_Kriterium_Setzen(14);
    Spielervergleich_Ergebnis lokal, fern;
    ASSERT_TRUE(Spieler_Spielervergleich_Daten_Holen(&lokal));
    ASSERT_EQ(lokal.zeilen, 2);
    Spieler_Spielervergleich_Fern_Registrieren();
    fern_test::groessen.clear();
    Internet_Set_Client_Austausch(fern_test::ueber_den_server);
    Netz_Rolle = 1;
    ASSERT_TRUE(Spieler_Spielervergleich_Daten_Holen(&fern));
    ASSERT_EQ(fern.zeilen, lokal.zeilen);
    for (int32_t z = 0; z < lokal.zeilen; ++z) {
        EXPECT_EQ(fern.spieler[z], lokal.spieler[z]);
        EXPECT_EQ(fern.teams[z], lokal.teams[z]);
        EXPECT_EQ(fern.wert[0][z], lokal.wert[0][z]);
    }
    ASSERT_EQ(fern_test::groessen.size(), 2u);
    EXPECT_EQ(fern_test::groessen[0], 612u);
    EXPECT_EQ(fern_test::groessen[1], 2596u);

    // a PC that only serves has no rows to show
    Netz_Rolle = 2;
    Fehler_Capture f;
    EXPECT_FALSE(Spieler_Spielervergleich_Daten_Holen(&fern));
    EXPECT_TRUE(f.contains("Spieler_Spielervergleich_Scrollscreen_Bauen: Server-Modus!"));
}

std::vector<uint8_t> erfasst;
bool erfassen(const std::vector<uint8_t>& anfrage, std::vector<uint8_t>* antwort)
{
    erfasst = anfrage;
    return fern_test::ueber_den_server(anfrage, antwort);
}

TEST_F(Vergleich, DamagedRequestsNeverFault)
{
    tore(1, 2, {10, 20});
    Spieler_Spielervergleich_Fern_Registrieren();
    schalter({1671, 1690});
    Manager_Icon_Word_Data_Schreiben(1, 1690, LIGA);
    Internet_Set_Client_Austausch(erfassen);
    Netz_Rolle = 1;
    Spielervergleich_Ergebnis e;
    ASSERT_TRUE(Spieler_Spielervergleich_Daten_Holen(&e));
    ASSERT_EQ(e.zeilen, 2);
    // the block of the sound request, behind its 16-byte head and the format
    const uint32_t l = Bytes_Hole32(erfasst.data() + 8);
    const std::vector<uint8_t> gut(erfasst.begin() + 16 + l, erfasst.end());
    ASSERT_EQ(gut.size(), 612u);
    Netz_Rolle = 2;
    std::vector<uint8_t> block(SENDBLOCK_SIZE);
    mutation::Folge f(60);
    for (int32_t runde = 0; runde < 100000; ++runde) {
        std::vector<mutation::Block> b{gut};
        const int32_t schritte = 1 + int32_t(f.bis(4));
        for (int32_t s = 0; s < schritte; ++s) mutation::einmal(b, f);
        if (b.empty()) continue;
        const mutation::Block& m = b[0];
        const uint32_t n = uint32_t(std::min(m.size(), size_t(4096)));
        if (n) std::memcpy(block.data(), m.data(), n);
        char format[64];
        std::strcpy(format, VERGLEICH_FORMAT);
        const uint32_t r = Internet_Server_Read_Block(1, 60, format, block.data(), n);
        // a refused request echoes its own fields; the reply must still lay out whole
        if (!r) continue;
        uint32_t rl = r;
        Internet_Positionen antwort;
        ASSERT_TRUE(Internet_Get_Blockpositionen(1, block.data(), &rl, format, &antwort)) << runde;
    }
}

}  // namespace

// The competition buttons' labels: two leagues of one country read apart within the button, a
// name that fits stays whole, a single long word is cut to the width.
constexpr int32_t FONT = 4, BREITE = 28;

TEST(VergleichKnopf, LabelsOfOneCountrysCompetitionsReadApartWithinTheButton)
{
    auto label = [](const char* name, int32_t breite = BREITE) {
        char aus[64];
        Spieler_Spielervergleich_Knopf_Text(name, FONT, breite, aus, sizeof aus);
        return std::string(aus);
    };
    auto breite = [](const std::string& t) {
        char x[64];
        return Spielszenen_Text_Kuerzen(x, sizeof x, t.c_str(), FONT, INT_MAX);
    };
    const std::string eins = label("England 1. Liga"), zwei = label("England 2. Liga");
    const std::string pokal = label("Pokal England"), spanien = label("Pokal Spanien");
    for (const std::string& t : {eins, zwei, pokal, spanien}) {
        EXPECT_FALSE(t.empty());
        EXPECT_LE(breite(t), BREITE) << t;
    }
    EXPECT_NE(eins, zwei);
    EXPECT_NE(eins.find('1'), std::string::npos) << eins;
    EXPECT_NE(zwei.find('2'), std::string::npos) << zwei;
    EXPECT_NE(pokal, spanien);
    EXPECT_EQ(eins.substr(0, 1), "E");
    EXPECT_EQ(label("1. Liga", 500), "1. Liga");
    EXPECT_LE(breite(label("Meisterschaftsrunde")), BREITE);
    EXPECT_EQ(label("Meisterschaftsrunde").substr(0, 3), "Mei");
    EXPECT_EQ(label(nullptr), "");
}
