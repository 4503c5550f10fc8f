// The information panel and the offer form: surcharges, contract lengths, the order of the offer
// list, the sending texts and the lines a manager reads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/schirm.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "economy/auktion.h"
#include "economy/bank.h"
#include "gameflow/news.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "screens/screens_hilfe.h"
#include "screens/spieler_angebot.h"
#include "screens/spieler_detail.h"
#include "screens/spieler_kontext.h"
#include "toolkit/icon.h"
#include "toolkit/screen.h"

using namespace screens_test;

namespace {

struct Angebot : Welt {
    void SetUp() override
    {
        Welt::SetUp();
        Richter_Init();
    }
    void TearDown() override
    {
        Richter_DeInit();
        Welt::TearDown();
    }
    static std::vector<std::string> seite(int32_t team, int32_t p, int32_t s)
    {
        std::vector<std::string> z;
        Spieler_Info_Seite_Zeilen(team, p, s, &z);
        return z;
    }
    static bool enthaelt(const std::vector<std::string>& z, const std::string& teil)
    {
        for (const auto& l : z)
            if (l.find(teil) != std::string::npos) return true;
        return false;
    }
    static Spieler_Angebot angebot(int32_t bieter, int32_t verein, int32_t p)
    {
        Spieler_Angebot a{};
        a.bieter = uint16_t(bieter);
        a.verein = uint16_t(verein);
        a.spnr = uint16_t(p);
        a.gehalt = 100;
        a.monate = 24;
        a.geduld = -1;
        return a;
    }
};

TEST_F(Angebot, AufschlagUndAblehnungBeiZuWenigSpielern)
{
    torwart(50);
    EXPECT_EQ(Spieler_Transfer_Aufschlag(ANDERE, 50, nullptr), 9999) << "one goalkeeper is too few";
    EXPECT_EQ(Spieler_Transfer_Preis(1234, 9999), 99999999);
    EXPECT_EQ(Spieler_Transfer_Preis(1234, 150), 1800) << "divided before the multiplication";
    auto z = seite(ANDERE, 50, 912);
    EXPECT_TRUE(enthaelt(z, "über zuwenig ^bbTorhüter^be.^lAuf ein Kauf- oder Leih-Angebot")) << z.back();

    torwart(51);
    EXPECT_EQ(Spieler_Transfer_Aufschlag(ANDERE, 50, nullptr), 175) << "another club's goalkeeper at the minimum";
    z = seite(ANDERE, 50, 912);
    EXPECT_TRUE(enthaelt(z, "nur über lediglich ^bb1 Torhüter^be")) << z.back();
    EXPECT_TRUE(enthaelt(z, "Ablöse-Aufschlag von ca. ^bb75 Prozent^be")) << z.back();
    for (int32_t p : {52, 53, 54}) feldspieler(p, 20 * 17 + 8);
    EXPECT_EQ(Spieler_Transfer_Aufschlag(ANDERE, 52, nullptr), 150);
    EXPECT_TRUE(enthaelt(seite(ANDERE, 52, 912), "^bb50 Prozent^be"));
    EXPECT_EQ(Spieler_Transfer_Aufschlag(Transfermarkt_Team, 52, nullptr), 100);
}

TEST_F(Angebot, VertragsdauerMitLeiheUndSperrenDerWippen)
{
    Spieler_Dauer_Grenzen g = Spieler_Angebot_Dauer_Grenzen(false, 41, true);
    EXPECT_EQ(g.max, 24) << "((41 - 6) / 12) x 12";
    EXPECT_FALSE(g.gesperrt);
    g = Spieler_Angebot_Dauer_Grenzen(true, 30, false);
    EXPECT_EQ(g.min, 36);
    EXPECT_EQ(g.max, 60);
    // An own player with 60 months left: nothing to offer, not an inverted range.
    g = Spieler_Angebot_Dauer_Grenzen(true, 60, false);
    EXPECT_TRUE(g.gesperrt);
    EXPECT_LE(g.min, g.max);

    Teamspieler_Wert(305, ANDERE, 55, 41, 1);
    Spieler_Angebot_Formular_Vorbereiten(ANDERE, 55);
    EXPECT_FALSE(Spieler_Formular.grau[2]) << "41 months allow a loan";
    Spieler_Angebot_Leihe_Setzen(300);
    EXPECT_EQ(Spieler_Formular.dauer.max, 24);
    EXPECT_LE(Spieler_Angebot_Formular.monate, 24);
    EXPECT_TRUE(Spieler_Formular.grau[0] && Spieler_Formular.grau[1]) << "salary and purchase with a loan fee";
    Teamspieler_Wert(305, ANDERE, 56, 17, 1);
    Spieler_Angebot_Formular_Vorbereiten(ANDERE, 56);
    EXPECT_TRUE(Spieler_Formular.grau[2]) << "fewer than 18 months";

    Teamspieler_Wert(305, EIGEN, 5, 60, 1);
    Spieler_Angebot_Formular_Vorbereiten(EIGEN, 5);
    EXPECT_TRUE(Spieler_Formular.grau[3] && Spieler_Formular.grau[4]);
    EXPECT_FALSE(Spieler_Angebot_Senden());
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(Angebot, ListeEigenerVereinZuerstDannManagerUmlauteVorzeichenbehaftet)
{
    std::strcpy(T_Fix[ANDERE].name, "Ölhafen");
    std::strcpy(T_Fix[0].name, "Aue");
    std::strcpy(T_Fix[4].name, "Zwickau");
    EXPECT_LT(Spieler_Angebot_Schluessel(ANDERE), Spieler_Angebot_Schluessel(0)) << "Ö is a negative byte";
    Manager_Neuer_Mitspieler(4, "Zweiter");
    ASSERT_TRUE(Team_Hat_Manager(4));
    Spieler_Wert(SP_ANGEBOTSZAEHLER, 33, 0, 1);
    for (int32_t bieter : {4, ANDERE, 0, EIGEN}) {
        const Spieler_Angebot a = angebot(bieter, GEGNER, 33);
        Richter_Spieler_Angebot_Hinzufuegen(&a);
    }
    Spieler_Angebot liste[30];
    ASSERT_EQ(Spieler_Angebot_Liste(33, liste, nullptr), 4);
    EXPECT_EQ(liste[0].bieter, EIGEN);
    EXPECT_EQ(liste[1].bieter, ANDERE) << "Ö weighs below every letter";
    EXPECT_EQ(liste[2].bieter, 4) << "a manager's club before the others";
    EXPECT_EQ(liste[3].bieter, 0);
    std::vector<std::string> z;
    Spieler_Angebot_Liste_Zeilen(GEGNER, 33, &z);
    ASSERT_EQ(z.size(), 4u);
    EXPECT_EQ(z[0].rfind("Angebot Nr.  1 von ", 0), 0u) << z[0];
    EXPECT_NE(z[0].find("Team 1"), std::string::npos) << z[0];
    EXPECT_NE(z[0].find(": ÜBERNAHME nach Vertragsablauf.^lGebotenes Gehalt: "), std::string::npos) << z[0];
    EXPECT_NE(z[0].find("für 2 Jahre."), std::string::npos);
    EXPECT_EQ(z[3].rfind("Angebot Nr.  4 von Aue", 0), 0u) << z[3];
    // A running offer counter of a club's player is no auction.
    Spieler_Wert(SP_ANGEBOTSZAEHLER, 33, 3, 1);
    Spieler_Angebot_Liste_Zeilen(GEGNER, 33, &z);
    EXPECT_EQ(z.size(), 4u);
    // On the transfer market: the auction's date closes the list.
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, 121, 10, 0, 24, -1, false));
    Spieler_Wert(SP_ANGEBOTSZAEHLER, 121, 3, 1);
    Spieler_Angebot_Liste_Zeilen(Transfermarkt_Team, 121, &z);
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0].rfind("Die Auktion findet voraussichtlich am ", 0), 0u) << z[0];
    EXPECT_EQ(z[0].find("?"), std::string::npos) << z[0];
}

TEST_F(Angebot, ZeilenDesPanels)
{
    EXPECT_STREQ(Spieler_Zufriedenheit_Text(24), "Zufriedenheit^tl0190: sehr gering");
    EXPECT_STREQ(Spieler_Zufriedenheit_Text(39), "Zufriedenheit^tl0190: gering");
    EXPECT_STREQ(Spieler_Zufriedenheit_Text(60), "Zufriedenheit^tl0190: mittel");
    EXPECT_STREQ(Spieler_Zufriedenheit_Text(61), "Zufriedenheit^tl0190: groß");
    EXPECT_STREQ(Spieler_Zufriedenheit_Text(80), "Zufriedenheit^tl0190: sehr groß");
    Spieler_Daten[6].form = 85;
    Teamspieler_Wert(317, EIGEN, 6, TS_KAPITAEN | 0x8000, 8);
    Teamspieler_Wert(305, EIGEN, 6, 14, 1);
    auto z = seite(EIGEN, 6, 908);
    EXPECT_TRUE(enthaelt(z, "Form^tl0190: 85 %")) << "one percent sign";
    EXPECT_FALSE(enthaelt(z, "%%"));
    EXPECT_TRUE(enthaelt(z, "Aufgaben im Team^tl0190: Kapitän, Elfmeter"));
    EXPECT_TRUE(enthaelt(z, "Vertragsdauer^tl0190: 1 Jahr und 2 Monate"));
    EXPECT_TRUE(enthaelt(z, "Zufriedenheit^tl0190: "));
    EXPECT_TRUE(enthaelt(seite(EIGEN, 0, 908), "Aktueller Status^tl0190: Im erweiterten Kader"));
    EXPECT_FALSE(enthaelt(seite(EIGEN, 0, 908), "Kond. / Intell."));
    EXPECT_TRUE(enthaelt(seite(ANDERE, 57, 909), "Einzeltraining^tl0260: ??? (nur für eigene Spieler)"));
    EXPECT_TRUE(seite(EIGEN, 6, 910).empty());
    EXPECT_TRUE(seite(ANDERE, 6, 908).empty()) << "not a player of that club";
}

TEST_F(Angebot, BesteAttributeUndLieblingsposition)
{
    int32_t v[SP_ATTRIBUTVEKTOR] = {};
    Spieler_Attribute(6, v, SP_ATTRIBUTE_LESEN);
    for (int32_t a = 9; a <= 23; ++a) v[a] = 40;
    v[12] = 90;
    v[10] = 70;
    v[15] = 70;
    v[21] = 99;  // a goalkeeper's attribute, which a field player does not have
    Spieler_Attribute(6, v, SP_SCHREIBEN);
    int32_t beste[7];
    const int32_t n = Spieler_Info_Beste_Attribute(6, beste);
    ASSERT_EQ(n, 7);
    EXPECT_EQ(beste[0], 12);
    EXPECT_EQ(beste[1], 10) << "ties: the lower number first";
    EXPECT_EQ(beste[2], 15);
    for (int32_t k = 0; k < n; ++k) EXPECT_LT(beste[k], 21) << k;

    int32_t x = 0, y = 0;
    feldspieler(6, 0);
    ASSERT_TRUE(Spieler_Info_Lieblingsposition(6, 315, 310, 65, 113, &x, &y));
    EXPECT_EQ(x, 315);
    EXPECT_EQ(y, 310 + 113) << "along 0 is the own goal line at the bottom";
    feldspieler(6, 26 * 17 + 16);
    ASSERT_TRUE(Spieler_Info_Lieblingsposition(6, 315, 310, 65, 113, &x, &y));
    EXPECT_EQ(x, 315 + 16 * 65 / 17);
    EXPECT_EQ(y, 310 + 113 / 27);
    EXPECT_FALSE(Spieler_Info_Lieblingsposition(0, 315, 310, 65, 113, &x, &y)) << "a goalkeeper's marker is fixed";
}

TEST_F(Angebot, SendetextePassenZurArtDesAngebots)
{
    const std::string name = Spieler_String(SP_VOLLNAME, 57, nullptr, 0);
    for (int32_t p : {52, 53, 54, 55, 56, 57, 58, 59}) feldspieler(p, 10 * 17);
    Teamspieler_Wert(305, ANDERE, 57, 40, 1);
    Spieler_Angebot_Formular_Vorbereiten(ANDERE, 57);
    ASSERT_GT(Spieler_Angebot_Formular.abloese, 0);
    ASSERT_TRUE(Spieler_Angebot_Senden());
    EXPECT_NE(meldungen.back().find("SOFORTIGEN Verpflichtung von " + name), std::string::npos);
    EXPECT_TRUE(Richter_Spieler_Angebot_Vorhanden(57, ANDERE, EIGEN));

    Spieler_Angebot_Formular_Vorbereiten(ANDERE, 57);
    Spieler_Angebot_Formular.abloese = 0;
    ASSERT_TRUE(Spieler_Angebot_Senden());
    EXPECT_NE(meldungen.back().find("sein nächster Brötchengeber zu werden"), std::string::npos);

    Spieler_Angebot_Formular_Vorbereiten(ANDERE, 57);
    Spieler_Angebot_Leihe_Setzen(200);
    ASSERT_TRUE(Spieler_Angebot_Senden());
    EXPECT_NE(meldungen.back().find("BALDMÖGLICHST für 1 Jahr auszuleihen"), std::string::npos) << meldungen.back();
    EXPECT_EQ(Spieler_Angebot_Formular.abloese, 0);

    Spieler_Angebot_Formular_Vorbereiten(EIGEN, 7);
    ASSERT_TRUE(Spieler_Angebot_Senden());
    EXPECT_NE(meldungen.back().find("seinen jetzigen Vertrag auf 3 Jahre zu verlängern"), std::string::npos)
        << meldungen.back();

    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, 120, 10, 0, 24, -1, false));
    Spieler_Angebot_Formular_Vorbereiten(Transfermarkt_Team, 120);
    EXPECT_EQ(Spieler_Angebot_Formular.abloese, 0);
    ASSERT_TRUE(Spieler_Angebot_Senden());
    EXPECT_NE(meldungen.back().find("Ihr Transfer-Angebot wurde"), std::string::npos);

    // The player's club accepted one offer: only it is listed, marked, and the form goes deaf.
    Spieler_Angebot a = angebot(ANDERE, GEGNER, 34), b = angebot(0, GEGNER, 34);
    Spieler_Wert(SP_ANGEBOTSZAEHLER, 34, 0, 1);
    b.angenommen = 1;
    Richter_Spieler_Angebot_Hinzufuegen(&a);
    Richter_Spieler_Angebot_Hinzufuegen(&b);
    Richter_Set_Spieler_Angebot(&b, false, false);
    std::vector<std::string> z;
    Spieler_Angebot_Liste_Zeilen(GEGNER, 34, &z);
    ASSERT_EQ(z.size(), 1u) << z[0] << "|" << z.back();
    EXPECT_NE(z[0].find("Team 0"), std::string::npos) << z[0];
    EXPECT_EQ(z[0].substr(z[0].size() - 11), " (FIXIERT!)");
    Spieler_Angebot_Formular_Vorbereiten(GEGNER, 34);
    EXPECT_TRUE(Spieler_Formular.taub);
}

// A free agent's contract page carries the offer form: salary and length to set, purchase and
// loan greyed, no fee; a longer contract asks a higher salary.
TEST_F(Angebot, MarktspielerSeiteZeigtDasFormular)
{
    const int32_t p = 120;
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, p, 10, 0, 10, -1, false));
    Test_Leerer_Schirm schirm;
    ASSERT_TRUE(schirm.offen);
    ASSERT_TRUE(Spieler_Detailseite_Oeffnen(Transfermarkt_Team, p, 912 - 908, false));
    Spieler_Detail_Fenster_Zeigen();
    const Spieler_Formular_Zustand& f = Spieler_Formular;
    EXPECT_EQ(f.besitzer, Transfermarkt_Team);
    EXPECT_FALSE(f.taub);
    EXPECT_EQ(std::vector<bool>(f.grau, f.grau + 5), std::vector<bool>({false, true, true, false, false}));
    EXPECT_EQ(Spieler_Angebot_Formular.abloese, 0);
    Grafik_Screen_Seite_Waehlen(1);
    const uint16_t grau = Grafik_Farbe(5, 5, 5);
    for (int16_t n = 806; n <= 810; ++n) {
        Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(n);
        ASSERT_TRUE(i && i->klick && i->refresh_prozedur) << n;
        i->refresh_prozedur(i, 0);
        EXPECT_EQ(Grafik_Pixel_Lesen(Grafik_Render_Ziel, i->x + 1, i->y + 1) == grau, n == 807 || n == 808) << n;
    }
    int32_t kurz = 0, lang = 0;
    Spieler_Bewerte_Marktwert_Gehalt(Transfermarkt_Team, p, -1, -1, 12, &kurz, nullptr, 0);
    Spieler_Bewerte_Marktwert_Gehalt(Transfermarkt_Team, p, -1, -1, 36, &lang, nullptr, 0);
    ASSERT_NE(kurz, lang);
    EXPECT_EQ(Spieler_Angebot_Formular.gehalt, kurz);
    Spieler_Angebot_Dauer_Setzen(36);
    EXPECT_EQ(Spieler_Angebot_Formular.gehalt, lang);
    Spieler_Detailseite_Schliessen();
}

// The offer sent from the form reaches the arbiter, and its outcome, won or failed, reaches the
// bidder's mailbox.
TEST_F(Angebot, MarktangebotKommtBeimRichterAnUndSeinAusgangImBriefkasten)
{
    News_Init();
    Auktion_Set_Abfrage([](int32_t, int32_t, int32_t, const Spieler_Angebot*) { return 0; });
    Bank_Set_Kontostand_Abfrage([](int32_t, int32_t) { return 10000000; });
    const std::string verein = Team_String(TEAM_NAME_ROH, EIGEN, nullptr, 0);
    auto post = [](const std::string& teil) {
        for (int32_t i = News_Suche_Erste(EIGEN, NEWS_FLAG_DA); i >= 0; i = News_Suche_Naechste())
            if (std::string(News_Get_Nachricht(i)->text).find(teil) != std::string::npos) return true;
        return false;
    };
    for (const int32_t p : {120, 121}) {
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, p, 10, 0, 10, -1, false));
        Spieler_Angebot_Formular_Vorbereiten(Transfermarkt_Team, p);
        // the first asks three times his demand, the second the least the rocker allows
        Spieler_Angebot_Formular.gehalt = uint16_t(p == 120 ? 3 * Spieler_Angebot_Formular.gehalt : 10);
        ASSERT_TRUE(Spieler_Angebot_Senden());
        ASSERT_TRUE(Richter_Spieler_Angebot_Vorhanden(p, Transfermarkt_Team, EIGEN));
        Spieler_Wert(SP_ANGEBOTSZAEHLER, p, 0, SP_SCHREIBEN);
        Richter_Check_Spieler_Angebote(p);
        EXPECT_FALSE(Richter_Spieler_Angebot_Vorhanden(p, -1, -1)) << p;
    }
    EXPECT_EQ(Teamspieler_Ist_Im_Team(EIGEN, 120), EIGEN);
    EXPECT_TRUE(post(Spieler_String(SP_VOLLNAME, 120, nullptr, 0) + std::string(" wechselt ")));
    EXPECT_TRUE(post(" nach " + verein + ". Das Jahresgehalt"));
    EXPECT_EQ(Teamspieler_Ist_Im_Team(Transfermarkt_Team, 121), Transfermarkt_Team);
    EXPECT_TRUE(post("Der Transfer des Spielers " + std::string(Spieler_String(SP_VOLLNAME, 121, nullptr, 0)) +
                     " von TRANSFERMARKT ist leider geplatzt"));
    Auktion_Set_Abfrage(nullptr);
    Bank_Set_Kontostand_Abfrage(nullptr);
    News_Init();
}

// A trial player's offers go to the club he came from: his lines read as they read there, never
// as his new club's contract extension.
TEST_F(Angebot, ProbespielerAngeboteLautenWieBeiSeinemVerein)
{
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, 121, 10, 0, 10, -1, false));
    for (const int32_t p : {121, 57}) {
        ASSERT_TRUE(Spieler_Probespieler_Aufnehmen(p == 121 ? Transfermarkt_Team : ANDERE, p));
        Spieler_Angebot_Formular_Vorbereiten(EIGEN, p);
        ASSERT_TRUE(Spieler_Angebot_Senden());
        std::vector<std::string> z;
        Spieler_Angebot_Liste_Zeilen(EIGEN, p, &z);
        ASSERT_FALSE(z.empty()) << p;
        EXPECT_EQ(z[0].find("VERTRAGSVERLÄNGERUNG"), std::string::npos) << z[0];
        if (p == 121) {
            EXPECT_NE(z[0].find(":^lGehalt: "), std::string::npos) << z[0];
            ASSERT_EQ(z.size(), 2u);
            EXPECT_EQ(z[1].rfind("Die Auktion findet voraussichtlich am ", 0), 0u) << z[1];
        } else {
            EXPECT_NE(z[0].find(": ÜBERNAHME nach Vertragsablauf."), std::string::npos) << z[0];
        }
    }
}

}  // namespace
