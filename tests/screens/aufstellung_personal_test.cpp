// The line-up screen's marks of the employed assistants and doctors: one per person, in slot
// order, with the person's name as help; the places of people not employed stay hidden.
#include <gtest/gtest.h>

#include <cstring>

#include "bilder_datei.h"
#include "common/capture.h"
#include "database/assistent.h"
#include "database/manager.h"
#include "database/teamspieler.h"
#include "graphics/font.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_taktik.h"
#include "screens/spieler_einsetzen_feld.h"
#include "screens/spieler_training.h"
#include "toolkit/kontextmenue.h"
#include "screens/screens_hilfe.h"
#include "screens/spieler_bilder.h"
#include "screens/spieler_einsetzen_screen.h"
#include "screens/spieler_liste.h"
#include "toolkit/popup.h"
#include "database/spieler.h"
#include "toolkit/icon.h"
#include "toolkit/screen.h"

using namespace screens_test;

namespace {

struct AufstellungPersonal : Welt {
    void TearDown() override
    {
        // the screen's icons go before the world does
        Menue_Bereich_Loeschen(0x45, -9999, -9999, 9999, 9999);
        Welt::TearDown();
    }
    static Menue_Icon* icon(int32_t n) { return Menue_Screen_Icon_Ist_Vorhanden(n) ? Menue_Screen_Icon_Aus_Nummer(n) : nullptr; }
};

TEST_F(AufstellungPersonal, EachEmployedPersonHasAMarkWithHisName)
{
    auto* assis = static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, EIGEN, nullptr, 0));
    auto* aerzte = static_cast<uint8_t*>(Team_Zeiger(TEAM_AERZTE, EIGEN, nullptr, 0));
    ASSERT_TRUE(assis && aerzte);
    for (int32_t s = 0; s < ASSI_SLOTS; ++s) assis[s] = aerzte[s] = 0;
    assis[2] = assis[5] = 1;
    aerzte[7] = 1;
    ASSERT_EQ(Spieler_Einsetzen_Screen(nullptr, 0), 1);
    Menue_Icon* a = icon(AUFSTELLUNG_BILD_ASSI);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->kennung_1, 2);
    ASSERT_NE(a->mausover, nullptr);
    EXPECT_STREQ(a->mausover(a), Assistenten_Tabelle[2].name);
    EXPECT_EQ(icon(AUFSTELLUNG_BILD_ASSI + 1)->kennung_1, 5);
    EXPECT_TRUE(icon(AUFSTELLUNG_BILD_ASSI + 2)->status & ICON_VERSTECKT);
    Menue_Icon* d = icon(AUFSTELLUNG_BILD_ARZT);
    ASSERT_NE(d, nullptr);
    EXPECT_STREQ(d->mausover(d), Aerzte_Tabelle[7].name);
    EXPECT_TRUE(icon(AUFSTELLUNG_BILD_ARZT + 1)->status & ICON_VERSTECKT);
    // the doctors stand below the assistants, left of the pitch
    EXPECT_GT(d->y, a->y);
    EXPECT_LT(a->x + a->breite, 226);
}

// The set switch, the button that hands the tactic to the training and the stored line-ups' menu
// are on the screen and work; the tactic rows stand over the pitch with every label whole.
TEST_F(AufstellungPersonal, TheSetSwitchTheTrainingButtonAndTheTacticRowsAreThere)
{
    ASSERT_EQ(Spieler_Einsetzen_Screen(nullptr, 0), 1);
    struct Ort {
        int32_t n, x, y;
    } const orte[] = {{SE_SATZ_A, 165, 448}, {SE_SATZ_B, 186, 448}, {1269, 449, 41}};
    for (const Ort& o : orte) {
        Menue_Icon* i = icon(o.n);
        ASSERT_NE(i, nullptr) << o.n;
        EXPECT_EQ(i->x, o.x) << o.n;
        EXPECT_EQ(i->y, o.y) << o.n;
        EXPECT_NE(i->klick, nullptr) << o.n;
    }
    EXPECT_STREQ(icon(1269)->hilfetext, "Diese taktischen Einstellungen auch trainieren lassen");
    EXPECT_STREQ(icon(SE_SATZ_B)->hilfetext, "Die ZWEITEN sechs Aufstellungen");
    const Test_Font font(9);
    ASSERT_GT(Font_Text_Breite(Font(9), "Verteidigen!"), 30);
    for (int32_t k = 0; k < 8; ++k) {
        Menue_Icon* t = icon(1261 + k);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->y, k < 4 ? 46 : 66) << k;
        EXPECT_LE(t->x + t->breite, 449) << k;
        for (int32_t stufe = 0; stufe < 3; ++stufe)
            EXPECT_LE(Font_Text_Breite(Font(9), Spieler_Einsetzen_Taktik_Label(k, stufe)) + 2, int32_t(t->breite))
                << Spieler_Einsetzen_Taktik_Label(k, stufe);
    }

    Menue_Icon* b = icon(SE_SATZ_B);
    b->klick(b, 0);
    EXPECT_EQ(Spieler_Einsetzen_Get_Modus(EIGEN), 1);
    Menue_Icon* a = icon(SE_SATZ_A);
    a->klick(a, 0);
    EXPECT_EQ(Spieler_Einsetzen_Get_Modus(EIGEN), 0);

    uint8_t taktik[8] = {2, 1, 0, 2, 1, 0, 2, 1}, training[8] = {};
    Team_Zeiger(TEAM_TAKTIK, EIGEN, taktik, 1);
    Menue_Icon* t = icon(1269);
    t->klick(t, 0);
    Team_Zeiger(TEAM_TAKTIK_VORGABE, EIGEN, training, 2);
    EXPECT_EQ(std::memcmp(taktik, training, 8), 0);

    Menue_Icon* aufstellung = icon(SE_AUFSTELLUNG_1 + 2);
    ASSERT_NE(aufstellung->kontext, nullptr);
    Menue_Kontextmenue* k = aufstellung->kontext(aufstellung);
    ASSERT_NE(k, nullptr);
    EXPECT_STREQ(k->texte[8], "Auf Startwerte zurücksetzen");
}

// A change to a player draws the list that shows him again, and only that one.
TEST_F(AufstellungPersonal, AChangedPlayersListIsDrawnAgain)
{
    ASSERT_EQ(Spieler_Einsetzen_Screen(nullptr, 0), 1);
    Menue_Icon* eigen = icon(1331);
    Menue_Icon* fremd = icon(1296);
    ASSERT_TRUE(eigen && fremd);
    int32_t kader[60];
    ASSERT_GT(Teamspieler_Ins_Array(EIGEN, kader, 60, 0), 0);
    eigen->refresh = fremd->refresh = 0;
    Spieler_Einsetzen_Spieler_Icons_Refresh(kader[0]);
    EXPECT_EQ(eigen->refresh, 1);
    EXPECT_EQ(fremd->refresh, 0);
    eigen->refresh = 0;
    Spieler_Einsetzen_Spieler_Icons_Refresh(-1);
    EXPECT_EQ(eigen->refresh, 1);
    EXPECT_EQ(fremd->refresh, 1);
    // away from the screen nothing happens
    Menue_Bereich_Loeschen(0x45, -9999, -9999, 9999, 9999);
    Spieler_Einsetzen_Spieler_Icons_Refresh(-1);
}

}  // namespace

namespace {

// The line-up screen opened after the training page takes the page's place whole: the switch to
// the other line-up set, which redraws the pitch's area, brings none of the training's icons
// back over the pitch.
TEST_F(AufstellungPersonal, TheLineUpAfterTheTrainingPageKeepsNoneOfItsIcons)
{
    uint8_t kein_personal[ASSI_BLOCK_BYTES] = {};
    Team_Zeiger(TEAM_ASSISTENTEN, EIGEN, kein_personal, 1);
    Manager_Icon_Button_An_Aus(EIGEN, 707, 1);
    Manager_Icon_Button_An_Aus(EIGEN, 802, 1);
    ASSERT_EQ(Spieler_Training_Seite(nullptr, 0x20000000), 1);
    ASSERT_TRUE(Menue_Screen_Icon_Ist_Vorhanden(TRAINING_TAKTIK_ERSTE));
    ASSERT_EQ(Spieler_Einsetzen_Screen(nullptr, 0), 1);
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(TRAINING_TAKTIK_ERSTE));
    Spieler_Einsetzen_Satz_Wechseln(1);
    Spieler_Einsetzen_Feld_Neu_Zeichnen();
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(TRAINING_TAKTIK_ERSTE));
    EXPECT_NE(icon(SE_FIGUREN), nullptr) << "the pitch stays";
}

// The own list's type toggles stand in a row over its entries: right under the title, or one
// line lower while an assistant sets the line-up (the line naming him); the entries follow the
// row. Without the own list on screen the call reports it.
TEST_F(AufstellungPersonal, TheTypeTogglesStandInTheirRowOverTheOwnEntriesInEitherLayout)
{
    auto* assis = static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, EIGEN, nullptr, 0));
    ASSERT_NE(assis, nullptr);
    for (int32_t s = 0; s < ASSI_SLOTS; ++s) assis[s] = 0;
    ASSERT_EQ(Spieler_Einsetzen_Own_Button_Art(), 0);
    ASSERT_EQ(Spieler_Einsetzen_Screen(nullptr, 0), 1);
    Menue_Icon* liste = icon(1331);
    ASSERT_NE(liste, nullptr);
    auto reihe = [&](int32_t y) {
        for (int32_t k = 0; k < 5; ++k) {
            Menue_Icon* t = icon(1248 + k);
            ASSERT_NE(t, nullptr) << k;
            EXPECT_EQ(t->y, y) << k;
            EXPECT_EQ(t->x, 4 + 15 * k) << k;
            EXPECT_GE(t->y, liste->y + 44) << "under the title";
        }
    };
    reihe(141);
    // The line-up assistant: the row goes one line down.
    assis[3] = 1;
    assis[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * 3 + 0] = 1;
    ASSERT_EQ(Spieler_Einsetzen_Own_Button_Art(), 2);
    ASSERT_EQ(Spieler_Einsetzen_Screen(nullptr, 0), 1);
    liste = icon(1331);
    reihe(156);
    Spieler_Einsetzen_Set_Own_Button_Positionen(0);
    reihe(141);

    Menue_Bereich_Loeschen(0x45, -9999, -9999, 9999, 9999);
    Fehler_Capture fehler;
    Spieler_Einsetzen_Set_Own_Button_Positionen(2);
    EXPECT_TRUE(fehler.contains("Spieler_Einsetzen_Set_Own_Button_Positionen: ss==NULL!"));
}

}  // namespace

namespace {

// A right click on a squad entry opens that player's menu; beside the entries and on the notice
// of a full list there is none.
TEST_F(AufstellungPersonal, ASquadEntryOpensThePlayersMenu)
{
    ASSERT_EQ(Spieler_Einsetzen_Screen(nullptr, 0), 1);
    Menue_Icon* liste = icon(1331);
    ASSERT_TRUE(liste && liste->kontext);
    ASSERT_TRUE(icon(1296) && icon(1296)->kontext) << "the other club's list too";
    const std::vector<int32_t> oben = {100, 110, 120};
    const std::vector<Spieler_Listen_Eintrag> eintraege = {{2, EIGEN, 50}, {3, EIGEN, 50}, {-1, -1, 0}};
    Menue_Kontextmenue* m = Spieler_Einsetzen_Liste_Kontext(liste, oben, eintraege, 115);
    ASSERT_NE(m, nullptr);
    ASSERT_NE(m->titel, nullptr);
    const char* name = Spieler_String(SP_NAME, 3, nullptr, 0);
    ASSERT_NE(name, nullptr);
    EXPECT_NE(std::strstr(m->titel, name), nullptr) << m->titel;
    EXPECT_EQ(Spieler_Einsetzen_Liste_Kontext(liste, oben, eintraege, 95), nullptr);
    EXPECT_EQ(Spieler_Einsetzen_Liste_Kontext(liste, oben, eintraege, 125), nullptr);
}

}  // namespace
