// Player insurance: the companies' figures, who may conclude, and what the pages show of it.
#include <gtest/gtest.h>

#include <string>

#include "common/capture.h"
#include "database/spieler.h"
#include "bilder_datei.h"
#include "graphics/font.h"
#include "screens/screens_hilfe.h"
#include "screens/spieler_hilfetext.h"
#include "screens/spieler_versicherung.h"

using namespace screens_test;

namespace {

struct Versicherung : Welt {
    static void staerke(int32_t p, int16_t s)
    {
        for (auto& a : Spieler_Daten[p].attribute) a = s;
    }
    static int32_t feld(int32_t f, int32_t p) { return Teamspieler_Wert(f, EIGEN, p, 0, 0); }
};

TEST_F(Versicherung, BeitragUndPraemieNachStaerkeFirmaUndDauer)
{
    staerke(5, 800);
    ASSERT_EQ(Spieler_Wert(SP_K_I_T, 5, 0, SP_LESEN), 800);
    EXPECT_EQ(Spieler_Versicherung_Praemie(0, 800), 36500);
    EXPECT_EQ(Spieler_Versicherung_Kosten(0, 800, 1), 138000);
    EXPECT_EQ(Spieler_Versicherung_Kosten(0, 800, 4), 96000) << "four years cost 80/115 of one";
    EXPECT_EQ(Spieler_Versicherung_Kosten(4, 999, 1), 689000) << "no overflow at the dearest company";
    for (int32_t f = 0; f < VERSICHERUNG_FIRMEN; ++f) {
        EXPECT_EQ(Spieler_Versicherung_Praemie(f, 0), 0);
        EXPECT_EQ(Spieler_Versicherung_Kosten(f, 0, 2), 0);
        EXPECT_EQ(Spieler_Versicherung_Praemie(f, 800) % 500, 0);
    }
    EXPECT_EQ(Spieler_Versicherung_Praemie(6, 800), 0);
    EXPECT_EQ(Spieler_Versicherung_Kosten(0, 800, 5), 0);
    EXPECT_EQ(Spieler_Versicherung_Kosten(0, 800, 0), 0);
}

TEST_F(Versicherung, AbschlussSchreibtDieSelbstBerechnetenWerte)
{
    staerke(5, 800);
    ASSERT_TRUE(Spieler_Versicherung_Abschliessen(EIGEN, 5, 0, 4));
    EXPECT_EQ(feld(307, 5), 0);
    EXPECT_EQ(feld(302, 5), 36500);
    EXPECT_EQ(feld(303, 5), 48);
    EXPECT_EQ(feld(308, 5), 96000);
    // A second contract for an insured player is refused and changes nothing.
    EXPECT_FALSE(Spieler_Versicherung_Abschliessen(EIGEN, 5, 4, 1));
    EXPECT_EQ(feld(307, 5), 0);
    EXPECT_EQ(feld(308, 5), 96000);

    // Strength 0: reported, concluded all the same.
    staerke(6, 0);
    Fehler_Capture f;
    ASSERT_TRUE(Spieler_Versicherung_Abschliessen(EIGEN, 6, 2, 1));
    EXPECT_TRUE(f.contains("Spieler_Versicherung_Klick: Betrag==0!"));
    EXPECT_EQ(feld(307, 6), 2);
    EXPECT_EQ(feld(302, 6), 0);
    EXPECT_EQ(feld(308, 6), 0);
}

TEST_F(Versicherung, UnzulaessigeAbschluesseWerdenAbgewiesen)
{
    staerke(7, 500);
    EXPECT_FALSE(Spieler_Versicherung_Abschliessen(EIGEN, 7, -1, 1));
    EXPECT_FALSE(Spieler_Versicherung_Abschliessen(EIGEN, 7, 6, 1));
    EXPECT_FALSE(Spieler_Versicherung_Abschliessen(EIGEN, 7, 1, 0));
    EXPECT_FALSE(Spieler_Versicherung_Abschliessen(EIGEN, 7, 1, 5));
    EXPECT_FALSE(Spieler_Versicherung_Abschliessen(EIGEN, 31, 1, 1)) << "club 2's player is not club 1's";
    EXPECT_FALSE(Spieler_Versicherung_Abschliessen(EIGEN, 299, 1, 1));
    Spieler_Daten[8].verletzung_art = 3;
    EXPECT_FALSE(Spieler_Versicherung_Abschliessen(EIGEN, 8, 1, 1)) << "an injured player";
    EXPECT_EQ(feld(307, 7), -1);
    EXPECT_EQ(feld(307, 8), -1);
}

TEST_F(Versicherung, KlickFragtUndVerletzteBekommenDieAbsage)
{
    staerke(9, 800);
    Spieler_Versichern(EIGEN, 9);
    EXPECT_EQ(Versicherung_Angebot[0].jahre, 1);
    EXPECT_EQ(Versicherung_Angebot[0].kosten_500 * 500, 138000);
    Versicherung_Angebot[1].jahre = 2;
    antworten.push_back(0);
    EXPECT_FALSE(Spieler_Versicherung_Klick(EIGEN, 9, 1)) << "no on the question";
    EXPECT_EQ(feld(307, 9), -1);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_NE(meldungen[0].find("für die Dauer von 2 Jahren abschließen ?"), std::string::npos) << meldungen[0];
    Versicherung_Angebot[1].jahre = 1;
    EXPECT_TRUE(Spieler_Versicherung_Klick(EIGEN, 9, 1));
    EXPECT_NE(meldungen[1].find("Dauer von 1 Jahr abschließen"), std::string::npos);
    EXPECT_EQ(feld(307, 9), 1);
    EXPECT_EQ(feld(303, 9), 12);

    Spieler_Daten[10].verletzung_art = 2;
    meldungen.clear();
    EXPECT_FALSE(Spieler_Versicherung_Klick(EIGEN, 10, 0));
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_NE(meldungen[0].find("für momentan verletzte Spieler"), std::string::npos);
    EXPECT_EQ(feld(307, 10), -1);
}

TEST_F(Versicherung, VersicherterSpielerKnoepfeWippeUndInfoseite)
{
    staerke(11, 800);
    char zeilen[7][200];
    ASSERT_EQ(Spieler_Versicherung_Info_Zeilen(EIGEN, 11, zeilen), 1);
    EXPECT_STREQ(zeilen[0], "Momentane Versicherung^tl0190: keine");
    bool grau = true;
    EXPECT_TRUE(Spieler_Versicherung_Knopf_Aktiv(EIGEN, 11, 3, &grau));
    EXPECT_FALSE(grau);

    ASSERT_TRUE(Spieler_Versicherung_Abschliessen(EIGEN, 11, 3, 1));
    Teamspieler_Wert(303, EIGEN, 11, 11, 1);
    for (int32_t f = 0; f < VERSICHERUNG_FIRMEN; ++f) {
        EXPECT_FALSE(Spieler_Versicherung_Knopf_Aktiv(EIGEN, 11, f, &grau));
        EXPECT_EQ(grau, f != 3) << f;
    }
    EXPECT_FALSE(Spieler_Versicherung_Klick(EIGEN, 11, 0));
    char wippe[200];
    Spieler_Versicherung_Wippe_Text(EIGEN, 11, 3, wippe, sizeof wippe);
    EXPECT_EQ(std::string(wippe).substr(0, 16), "Kosten pro Jahr:");
    EXPECT_NE(std::string(wippe).find("(noch 11 Monate)"), std::string::npos);
    Spieler_Versicherung_Wippe_Text(EIGEN, 11, 0, wippe, sizeof wippe);
    EXPECT_EQ(std::string(wippe).substr(0, 7), "1 J. a ");

    ASSERT_EQ(Spieler_Versicherung_Info_Zeilen(EIGEN, 11, zeilen), 4);
    EXPECT_STREQ(zeilen[0], "Momentane Versicherung^tl0190: Versekura Versicherungen");
    EXPECT_STREQ(zeilen[1], "Dauer^tl0190: noch 11 Monate");
    EXPECT_NE(std::string(zeilen[3]).find("Prämie / Verletzungstag^tl0190: ca. "), std::string::npos);

    // Under treatment: what was collected, and the average only with days.
    Teamspieler_Wert(317, EIGEN, 11, TS_ARZT, 8);
    Teamspieler_Wert(327, EIGEN, 11, 3000, 1);
    ASSERT_EQ(Spieler_Versicherung_Info_Zeilen(EIGEN, 11, zeilen), 7);
    EXPECT_STREQ(zeilen[5], "Dauer der Prämienzahlung^tl0190: bisher 0 Tage");
    EXPECT_EQ(std::string(zeilen[6]).find("Schnitt"), std::string::npos);
    Teamspieler_Wert(328, EIGEN, 11, 1, 1);
    Spieler_Versicherung_Info_Zeilen(EIGEN, 11, zeilen);
    EXPECT_STREQ(zeilen[5], "Dauer der Prämienzahlung^tl0190: bisher 1 Tag");
    EXPECT_NE(std::string(zeilen[6]).find("(Schnitt: "), std::string::npos);
}

}  // namespace

namespace {

// Each company's name stands whole on its button, on two lines where it is long, and what it
// pays keeps to the room beside the button, left of the next company's.
TEST_F(Versicherung, TheButtonsTextsStayInsideTheirRoom)
{
    const Test_Font font(VERSICHERUNG_FONT);
    ASSERT_NE(Font(VERSICHERUNG_FONT), nullptr);
    ASSERT_GT(Font_Text_Breite(Font(VERSICHERUNG_FONT), "Partner"), 0);
    for (int32_t f = 0; f < VERSICHERUNG_FIRMEN; ++f) {
        const Versicherung_Karte k = Spieler_Versicherung_Karte(Versicherung_Gesellschaften[f].name, 30000.0f, EIGEN, 84);
        EXPECT_EQ(k.name[1].empty() ? k.name[0] : k.name[0] + " " + k.name[1], Versicherung_Gesellschaften[f].name);
        for (const std::string& z : k.name) EXPECT_LE(Font_Text_Breite(Font(VERSICHERUNG_FONT), z.c_str()), 84) << z;
        // the button's column is 200 pixels wide, the text begins 96 pixels into it
        for (const std::string& z : k.zahlt) EXPECT_LE(VERSICHERUNG_ZAHLT_X + Font_Text_Breite(Font(VERSICHERUNG_FONT), z.c_str()), 198) << z;
        EXPECT_EQ(k.zahlt[1], "pro Verletzungstag");
    }
}

}  // namespace
