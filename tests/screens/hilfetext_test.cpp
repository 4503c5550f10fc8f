// The player tooltip: who, where, strength with form, contract, status lines, insurance, and a
// buffer that is never overrun.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/capture.h"
#include "database/spieler.h"
#include "screens/screens_hilfe.h"
#include "screens/spieler_hilfetext.h"
#include "screens/spieler_kontext.h"
#include "screens/spieler_versicherung.h"
#include "toolkit/icon.h"
#include "toolkit/screen.h"

using namespace screens_test;

namespace {

struct Hilfetext : Welt {
    void TearDown() override
    {
        Menue_Status.spiel_gueltig = 0;
        Welt::TearDown();
    }
    static std::string text(int32_t p, int32_t team) { return Spieler_Screen_Hilfetext_Spieler(p, team); }
    static bool hat(const std::string& t, const std::string& teil) { return t.find(teil) != std::string::npos; }
};

TEST_F(Hilfetext, VereinswechselUndStaerkeMitForm)
{
    for (auto& a : Spieler_Daten[4].attribute) a = 600;
    Spieler_Daten[4].form = 100;
    std::string t = text(4, EIGEN);
    EXPECT_FALSE(hat(t, " mittlerweile ")) << t;
    EXPECT_TRUE(hat(t, "Schnitt ohne/mit Form=600 / 600")) << t;
    Spieler_Daten[4].form = 0;
    EXPECT_TRUE(hat(text(4, EIGEN), "Schnitt ohne/mit Form=600 / 480"));
    // The icon still names club 1, but player 31 plays for club 2 now.
    t = text(31, EIGEN);
    EXPECT_TRUE(hat(t, "ist  mittlerweile ")) << t;
    EXPECT_TRUE(hat(t, Team_String(TEAM_NAME, GEGNER, nullptr, 0))) << t;
    // The icon's form passes its two values.
    Menue_Icon icon = Menue_Icon_Vorlage(100, -1, 0, 0, 0, 10, 10, 5, 255);
    icon.kennung_1 = 4;
    icon.kennung_2 = EIGEN;
    EXPECT_EQ(std::string(Spieler_Screen_Hilfetext_Spieler(&icon)), text(4, EIGEN));
    // A goalkeeper's form costs a fifth at 0, too.
    Spieler_Daten[0].attribute[0] = 500;
    Spieler_Daten[0].form = 0;
    EXPECT_TRUE(hat(text(0, EIGEN), "Stärke ohne/mit Form=500 / 400"));
}

TEST_F(Hilfetext, VertragsdauerInEinzahlUndMehrzahl)
{
    Teamspieler_Wert(305, EIGEN, 5, 1, 1);
    EXPECT_TRUE(hat(text(5, EIGEN), "(Vertragsdauer: noch 1 Monat)"));
    Teamspieler_Wert(305, EIGEN, 5, 2, 1);
    EXPECT_TRUE(hat(text(5, EIGEN), "(Vertragsdauer: noch 2 Monate)"));
    EXPECT_STREQ(Spieler_Wortform(0, "Woche", "Wochen"), "Wochen");
}

TEST_F(Hilfetext, ProbespielerZeigtDenVertragSeinesVereins)
{
    Teamspieler_Wert(305, GEGNER, 35, 17, 1);
    ASSERT_TRUE(Spieler_Probespieler_Aufnehmen(GEGNER, 35));
    ASSERT_TRUE(Teamspieler_Get_Record(EIGEN, 35));
    Teamspieler_Wert(305, EIGEN, 35, 3, 1);
    const std::string t = text(35, EIGEN);
    EXPECT_TRUE(hat(t, "noch 17 Monate")) << t;
    EXPECT_TRUE(hat(t, std::string("^l(Probespieler von ") + Team_String(TEAM_NAME, GEGNER, nullptr, 0) + ")")) << t;
    EXPECT_FALSE(hat(t, "ausgeliehen")) << "a trial player is no loan";
}

TEST_F(Hilfetext, SperrenNurAmSpieltagUndInDerReihenfolge)
{
    Teamspieler_Wert(317, EIGEN, 6, 0x80 | 0x80000, 8);
    EXPECT_FALSE(hat(text(6, EIGEN), "SPERRE")) << "no match today";
    Menue_Status.spiel_gueltig = 1;
    Menue_Status.heutiges_spiel.wettbewerb = 0;
    std::string t = text(6, EIGEN);
    EXPECT_TRUE(hat(t, "eine GELB-SPERRE ab")) << t;
    EXPECT_FALSE(hat(t, "GELBEN KARTE")) << "one suspension line only";
    Teamspieler_Wert(317, EIGEN, 6, 0x80, 4);
    EXPECT_TRUE(hat(text(6, EIGEN), "^l(ihm droht bei der nächsten GELBEN KARTE eine Sperre)"));
    Teamspieler_Wert(317, EIGEN, 6, 0x100, 8);
    EXPECT_TRUE(hat(text(6, EIGEN), "GELB/ROT-SPERRE"));
    // Injury and release follow the suspension.
    Teamspieler_Wert(317, EIGEN, 6, TS_ARZT | TS_TRANSFERLISTE, 8);
    Spieler_Daten[6].verletzung_art = 1;
    Spieler_Daten[6].verletzung_tage = 6;
    t = text(6, EIGEN);
    const size_t sperre = t.find("SPERRE"), verletzt = t.find("^lVerletzung: "), frei = t.find("FREIGABE");
    ASSERT_NE(verletzt, std::string::npos) << t;
    EXPECT_TRUE(hat(t, "noch ca. 1 Woche")) << t;
    EXPECT_LT(sperre, verletzt);
    EXPECT_LT(verletzt, frei);
}

TEST_F(Hilfetext, VersicherungNichtFuerFremdeAufDemClient)
{
    ASSERT_TRUE(Spieler_Versicherung_Abschliessen(EIGEN, 7, 2, 1));
    ASSERT_TRUE(Spieler_Versicherung_Abschliessen(EIGEN, 8, 2, 1));
    Teamspieler_Wert(303, GEGNER, 32, 5, 1);
    Teamspieler_Wert(307, GEGNER, 32, 1, 1);
    EXPECT_TRUE(hat(text(7, EIGEN), "^lEr ist noch 12 Monate bei Rouletti Inc. versichert."));
    EXPECT_TRUE(hat(text(32, GEGNER), "bei Bieder, Mann & Partner versichert"));
    Netz_Rolle = 1;
    EXPECT_FALSE(hat(text(32, GEGNER), "versichert")) << "another club's on a client";
    EXPECT_TRUE(hat(text(7, EIGEN), "versichert")) << text(7, EIGEN);
}

TEST_F(Hilfetext, UeberlangerTextEndetAnDerLetztenGanzenZeile)
{
    char puffer[SPIELER_HILFETEXT_GROESSE + 8];
    std::memset(puffer, '#', sizeof puffer);
    puffer[0] = 0;
    bool voll = false;
    const std::string zeile = "^l" + std::string(98, 'x');
    for (int32_t k = 0; k < 30; ++k) Spieler_Text_Anhaengen(puffer, SPIELER_HILFETEXT_GROESSE, &voll, zeile.c_str());
    EXPECT_TRUE(voll);
    EXPECT_EQ(std::strlen(puffer), 1000u) << "ten whole lines of 100";
    for (size_t k = SPIELER_HILFETEXT_GROESSE; k < sizeof puffer; ++k) EXPECT_EQ(puffer[k], '#');
    // A continuation that does not fit takes its unfinished line with it.
    std::string lang(3000, 'y');
    char klein[64] = "^lerste^lzweite";
    voll = false;
    Spieler_Text_Anhaengen(klein, sizeof klein, &voll, lang.c_str());
    EXPECT_TRUE(voll);
    EXPECT_STREQ(klein, "^lerste");
    Spieler_Text_Anhaengen(klein, sizeof klein, &voll, "^lmehr");
    EXPECT_STREQ(klein, "^lerste") << "nothing after the cut";
}

}  // namespace
