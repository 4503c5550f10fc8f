// The player detail pages: opening, falling back, stepping, reopening, the profile, the charts'
// values and the strength curves.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "competitions/statistik.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "screens/screens_hilfe.h"
#include "platform/os/os_intern.h"
#include "screens/spieler_detail.h"
#include "toolkit/event.h"
#include "toolkit/icon.h"
#include "toolkit/screen.h"

using namespace screens_test;

namespace {

struct Detailseite : Welt {
    void SetUp() override
    {
        Welt::SetUp();
        Statistik_Init();
    }
    void TearDown() override
    {
        Spieler_Detailseite_Schliessen();
        Statistik_Deinit();
        Welt::TearDown();
    }
    static int32_t an() { return Spieler_Detailseite_Toggle(); }
};

TEST_F(Detailseite, JederToggleOeffnetSeineSeiteFremdeOhneVersicherung)
{
    for (int32_t t = 908; t <= 920; ++t) {
        ASSERT_TRUE(Spieler_Detailseite_Oeffnen(EIGEN, 5, t - 908, false)) << t;
        EXPECT_EQ(an(), t);
        EXPECT_EQ(Spieler_Detail.seite, t - 908);
    }
    EXPECT_STREQ(Spieler_Detailseite_Toggle_Text(917), "Noten");
    EXPECT_STREQ(Spieler_Detailseite_Toggle_Text(921), "");
    ASSERT_TRUE(Spieler_Detailseite_Oeffnen(EIGEN, 5, 3, false));
    EXPECT_EQ(an(), 911);
    // Another club's player with the insurance page on: the general page.
    ASSERT_TRUE(Spieler_Detailseite_Oeffnen(GEGNER, 31, -1, false));
    EXPECT_EQ(an(), 908);
    EXPECT_TRUE(Spieler_Detailseite_Toggle_Grau(911));
    EXPECT_FALSE(Spieler_Detailseite_Seite_Klick(911));
    EXPECT_TRUE(Spieler_Detailseite_Seite_Klick(913));
    EXPECT_EQ(an(), 913);
    // A client greys the insurance and the charts.
    Netz_Rolle = 1;
    ASSERT_TRUE(Spieler_Detailseite_Oeffnen(EIGEN, 5, -1, false));
    EXPECT_EQ(an(), 908) << "the chart page is not the client's";
    for (int32_t t : {911, 913, 916, 920}) EXPECT_TRUE(Spieler_Detailseite_Toggle_Grau(t)) << t;
    for (int32_t t : {908, 909, 910, 912}) EXPECT_FALSE(Spieler_Detailseite_Toggle_Grau(t)) << t;
    EXPECT_FALSE(Spieler_Detailseite_Oeffnen(EIGEN, 40, 0, false)) << "not a player of club 1";
}

TEST_F(Detailseite, BlaetternUmlaufendUndWiederOeffnenNurBeiOffenemFenster)
{
    EXPECT_FALSE(Spieler_Detailseite_Oeffnen(0, 0, -1, true)) << "nothing to reopen";
    EXPECT_FALSE(Spieler_Detailseite_Blaettern(1));
    int32_t liste[500];
    const int32_t n = Teamspieler_Ins_Array(ANDERE, liste, 500, 0);
    ASSERT_EQ(n, 10);
    ASSERT_TRUE(Spieler_Detailseite_Oeffnen(ANDERE, liste[n - 1], 0, false));
    ASSERT_TRUE(Spieler_Detailseite_Blaettern(1));
    EXPECT_EQ(Spieler_Detail.spnr, liste[0]) << "past the last comes the first";
    ASSERT_TRUE(Spieler_Detailseite_Blaettern(-1));
    EXPECT_EQ(Spieler_Detail.spnr, liste[n - 1]);
    ASSERT_TRUE(Spieler_Detailseite_Blaettern(-1));
    EXPECT_EQ(Spieler_Detail.spnr, liste[n - 2]);
    // The shown player leaves: stepping starts at the first.
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, ANDERE, liste[n - 2], 0, 0, 0, -1, false));
    ASSERT_TRUE(Spieler_Detailseite_Blaettern(1));
    EXPECT_EQ(Spieler_Detail.spnr, liste[0]);

    EXPECT_TRUE(Spieler_Detailseite_Ist_Offen());
    ASSERT_TRUE(Spieler_Detailseite_Oeffnen(EIGEN, 4, 1, false));
    ASSERT_TRUE(Spieler_Detailseite_Oeffnen(0, 0, -1, true));
    EXPECT_EQ(Spieler_Detail.spnr, 4);
    EXPECT_EQ(Spieler_Detail.team, EIGEN);
    EXPECT_EQ(an(), 909);
    Spieler_Detailseite_Schliessen();
    EXPECT_FALSE(Spieler_Detailseite_Oeffnen(0, 0, -1, true)) << "after a close";
    EXPECT_FALSE(Spieler_Detailseite_Blaettern(1));
}

TEST_F(Detailseite, ProfilzeilenUndSchatten)
{
    Spieler_Fix_Daten[6].groesse = 183;
    char z[6][120];
    Spieler_Detail_Profil_Zeilen(EIGEN, 6, z);
    EXPECT_STREQ(z[0], "Alter^tl0090: 25 Jahre");
    EXPECT_STREQ(z[1], "Größe^tl0090: 183 cm");
    EXPECT_STREQ(z[3], "Position^tl0090: Abwehrspieler");
    EXPECT_EQ(std::string(z[4]).rfind("Aktueller Club^tl0090: ", 0), 0u);
    EXPECT_GT(std::strlen(z[5]), std::strlen("Seit^tl0090: ")) << "the day he joined";
    Netz_Rolle = 1;
    Spieler_Detail_Profil_Zeilen(GEGNER, 31, z);
    EXPECT_STREQ(z[5], "Seit^tl0090: ") << "not known to a client";
    int32_t summe = 0;
    for (const auto& o : Spieler_Portrait_Schatten) summe += o[0] * 10 + o[1];
    EXPECT_EQ(summe, 33 + 31 + 13 + 22 + 11);
}

TEST_F(Detailseite, NotenMinutenUndSaisonwerteAeltesteZuerst)
{
    // Match by match, oldest first: marks 3, 5 (substituted in), 2; minutes 200, 90.
    const uint8_t noten[3] = {3, 5 | STAT_NOTE_EINGEWECHSELT, 2};
    const uint8_t minuten[3] = {0xFF, 200, 90};
    for (int32_t k = 0; k < 3; ++k) {
        Statistik_Spieler u = Statistik_Leeres_Update(7);
        u.noten[0] = noten[k];
        u.minuten_letzte[0] = minuten[k];
        if (k == 1) u.saison_staerke[0] = 640;
        if (k == 2) u.saison_staerke[0] = 1200;
        if (k == 2) u.saison_werte[0] = 12;
        Spiele_Set_Statistik_Spieler(7, &u, 1);
    }
    int32_t w[16] = {};
    ASSERT_EQ(Spieler_Detail_Noten(7, w), 3);
    EXPECT_EQ(w[0], 3);
    EXPECT_EQ(w[1], 5);
    EXPECT_EQ(w[2], 2);
    ASSERT_EQ(Spieler_Detail_Minuten(7, w), 2);
    EXPECT_EQ(w[0], 120) << "capped";
    EXPECT_EQ(w[1], 90);
    ASSERT_EQ(Spieler_Detail_Saison_Staerken(7, w), 2);
    EXPECT_EQ(w[0], 640);
    EXPECT_EQ(w[1], 999);
    ASSERT_EQ(Spieler_Detail_Saison_Tore(7, w), 1);
    EXPECT_EQ(w[0], 12);
    EXPECT_EQ(Spieler_Detail_Noten(8, w), 0) << "no record";
    EXPECT_EQ(Spieler_Minuten_Bereiche[5][1], 90);
    EXPECT_EQ(Spieler_Minuten_Bereiche[3][0], 46);
}

TEST_F(Detailseite, KurvenAusDemVerlaufOderNurDerAktuelleWert)
{
    for (int32_t a = 0; a < 9; ++a) Spieler_Daten[9].attribute[a] = int16_t(300 + 10 * a);
    int32_t w[52] = {};
    // Without a history: the current value only.
    Manager_Struktur* m = T_Fix[EIGEN].manager;
    ASSERT_NE(m, nullptr);
    for (auto& z : m->zusatzspieler) z.spnr = -1;
    EXPECT_FALSE(Spieler_Detail_Kurve(EIGEN, 9, false, 2, w));
    EXPECT_EQ(w[0], 300) << "Kraft";
    ASSERT_TRUE(Manager_Zusatzspieler_Anlegen(EIGEN, 9));
    Manager_Zusatzspieler* z = Manager_Zusatzspieler_Array_Position(EIGEN, 9);
    ASSERT_NE(z, nullptr);
    for (int32_t r = 0; r < 24; ++r)
        for (int32_t k = 0; k < 52; ++k) z->verlauf[r][k] = uint16_t(100 * r + k);
    ASSERT_TRUE(Spieler_Detail_Kurve(EIGEN, 9, false, 1, w));  // condition: rows 0-2
    EXPECT_EQ(w[0], 100 + 1) << "the oldest shown week is entry 1";
    EXPECT_EQ(w[50], 100 + 51);
    EXPECT_EQ(w[51], 310) << "current value last";
    ASSERT_TRUE(Spieler_Detail_Kurve(EIGEN, 9, false, 0, w));
    EXPECT_EQ(w[0], 400 + 1) << "a field player's total is the mean of rows 0-8";
    ASSERT_TRUE(Spieler_Detail_Kurve(EIGEN, 9, true, 0, w));
    EXPECT_EQ(w[0], 900 + 1) << "crosses: row 9";
    ASSERT_TRUE(Spieler_Detail_Kurve(EIGEN, 9, true, 14, w));
    EXPECT_EQ(w[0], 2300 + 1);
    EXPECT_FALSE(Spieler_Detail_Kurve(GEGNER, 31, false, 0, w)) << "another club";
    EXPECT_FALSE(Spieler_Detail_Kurve(EIGEN, 9, false, 13, w));
}

TEST_F(Detailseite, LetzterPickerBleibtAn)
{
    for (int32_t p = 880; p <= 885; ++p) Manager_Icon_Button_An_Aus(EIGEN, p, p == 882);
    EXPECT_TRUE(Spieler_Detail_Picker_Klick(880));
    EXPECT_TRUE(Spieler_Detail_Picker_Klick(882));
    EXPECT_FALSE(Spieler_Detail_Picker_Klick(880)) << "the last one on";
    EXPECT_EQ(Manager_Icon_Button_Lesen(EIGEN, 880), 1u);
    char t[80];
    // the picture goes by handle (none loaded here), never by a slave number read as an address
    EXPECT_STREQ(Spieler_Training_Toggle_Text(1481, t, sizeof t), "^guk0000000000 Ausdauer");
    EXPECT_STREQ(Spieler_Training_Toggle_Text(1496, t, sizeof t), "^guk0000000000 Strafraumbeherrsch.");
    EXPECT_STREQ(Spieler_Training_Toggle_Text(1497, t, sizeof t), "");
}

}  // namespace

namespace {

// "Fertig" closes the window at its first click, and the screen it covered is drawn again.
TEST_F(Detailseite, FertigSchliesstUndDerSchirmDarunterKommtWieder)
{
    static Menue_Icon darunter[2] = {Menue_Icon_Vorlage(1500, -1, 0, 100, 200, 50, 20, 5, 255), Menue_Icon_Listenende()};
    Menue_Icon_Liste_Hinzufuegen(darunter);
    ASSERT_TRUE(Spieler_Detailseite_Oeffnen(EIGEN, 5, -1, false));
    Spieler_Detail_Fenster_Zeigen();
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    ASSERT_EQ(darunter[0].refresh, 0);
    Spieler_Detail_Fenster_Entfernen();
    EXPECT_NE(darunter[0].refresh, 0) << "the screen beneath is drawn again";
    Spieler_Detail_Fenster_Zeigen();
    Menue_Icon* fertig = Menue_Screen_Icon_Aus_Nummer(907);
    ASSERT_NE(fertig, nullptr);
    ASSERT_NE(fertig->klick, nullptr);
    // the button stands inside the window's frame, clear of the group column at x 598
    EXPECT_LE(fertig->x + fertig->breite, 594);
    const Menue_Icon* vor = Menue_Screen_Icon_Aus_Nummer(906);
    ASSERT_NE(vor, nullptr);
    EXPECT_LE(vor->x + vor->breite, fertig->x);
    fertig->klick(fertig, 4);
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(907));
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(923));
    Menue_Icon_Liste_Entfernen(darunter, 0);
}

// A group button of the column beside the window takes the first press: the window closes and
// the group opens, where the window's layer once barred the column until "Fertig".
int32_t gruppe_geklickt = 0;

TEST_F(Detailseite, EinGruppenknopfNebenDemFensterNimmtDenErstenKlick)
{
    static Menue_Icon gruppe[2] = {Menue_Icon_Vorlage(704, -1, 0, 602, 245, 34, 18, 5, 255), Menue_Icon_Listenende()};
    gruppe[0].klick = [](Menue_Icon*, uint32_t) { return ++gruppe_geklickt, 0; };
    Menue_Icon_Liste_Hinzufuegen(gruppe);
    ASSERT_TRUE(Spieler_Detailseite_Oeffnen(EIGEN, 5, -1, false));
    Spieler_Detail_Fenster_Zeigen();
    auto schritt = [](int32_t x, int32_t y, bool links) {
        Os_Input_Set_Mouse(x, y);
        Os_Input_Set_Buttons(links, false);
        Menue_Icons_Check(-1);
    };
    // a press inside the window leaves it open
    schritt(300, 250, false);
    schritt(300, 250, true);
    schritt(300, 250, false);
    EXPECT_TRUE(Spieler_Detailseite_Ist_Offen());
    // the pointer comes to the group, rests, presses once
    for (int k = 0; k < 2; ++k) schritt(618, 254, false);
    schritt(618, 254, true);
    schritt(618, 254, false);
    EXPECT_FALSE(Spieler_Detailseite_Ist_Offen());
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(907));
    EXPECT_EQ(gruppe_geklickt, 1);
    Menue_Aktuelles_Icon = nullptr;
    Menue_Icon_Liste_Entfernen(gruppe, 0);
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(704));
}

}  // namespace
