#include <cstring>

#include "database/assistent.h"
#include "database/spieler.h"
#include "platform/print.h"
#include "screens/spieler_training.h"
#include "screens_hilfe.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/screen.h"

using namespace screens_test;

namespace {

struct Training : Welt {
    void SetUp() override
    {
        Welt::SetUp();
        personal(false);
        uint8_t null[14] = {};
        Team_Zeiger(TEAM_TRAINING, EIGEN, null, 1);
        const uint8_t tw[3] = {2, 3, 2};
        Team_Zeiger(TEAM_TRAINING_BYTES, EIGEN, const_cast<uint8_t*>(tw), 1);
        int16_t leer[51];
        for (auto& e : leer) e = -1;
        Team_Zeiger(TEAM_EINZELTRAINING, EIGEN, leer, 1);
        Manager_Icon_Button_An_Aus(EIGEN, 707, 1);
        Manager_Icon_Button_An_Aus(EIGEN, 802, 1);
        Spieler_Training_Regler_Setzen(10);
        ASSERT_EQ(Spieler_Training_Seite(nullptr, 0x20000000), 1);
    }
    void TearDown() override
    {
        Menue_Bereich_Loeschen(0, 0, 40, 600, 480);
        Welt::TearDown();
    }
    static void personal(bool trainer)
    {
        uint8_t b[ASSI_BLOCK_BYTES] = {};
        if (trainer) b[0] = 1, b[ASSI_OFFSET_AUFGABEN + 2] = 1;
        Team_Zeiger(TEAM_ASSISTENTEN, EIGEN, b, 1);
    }
    static const uint8_t* feld() { return static_cast<const uint8_t*>(Team_Zeiger(TEAM_TRAINING, EIGEN, nullptr, 0)); }
    static const uint8_t* tw() { return static_cast<const uint8_t*>(Team_Zeiger(TEAM_TRAINING_BYTES, EIGEN, nullptr, 0)); }
    static const int16_t* grid() { return static_cast<const int16_t*>(Team_Zeiger(TEAM_EINZELTRAINING, EIGEN, nullptr, 0)); }
    static Menue_Icon* icon(int32_t n) { return Menue_Screen_Icon_Aus_Nummer(n); }
    static Menue_Icon* ball(int32_t k) { return icon(TRAINING_BALL_ERSTER + k); }
    static Menue_Icon* flaeche(int32_t art) { return icon(1480 + art); }
    static int32_t sichtbar_im_reservoir()
    {
        int32_t n = 0;
        for (int32_t k = 0; k < TRAINING_BAELLE; ++k)
            if (!(ball(k)->status & ICON_VERSTECKT) && ball(k)->kennung_1 == -1) ++n;
        return n;
    }
    static Menue_Icon* ball_auf(int32_t art)
    {
        for (int32_t k = 0; k < TRAINING_BAELLE; ++k)
            if (ball(k)->kennung_1 == art) return ball(k);
        return nullptr;
    }
    static Menue_Icon* reserveball()
    {
        for (int32_t k = TRAINING_BAELLE - 1; k >= 0; --k)
            if (!(ball(k)->status & ICON_VERSTECKT) && ball(k)->kennung_1 == -1) return ball(k);
        return nullptr;
    }
    static void setze_feld(std::initializer_list<uint8_t> w)
    {
        uint8_t b[14] = {};
        int32_t k = 0;
        for (uint8_t x : w) b[k++] = x;
        Team_Zeiger(TEAM_TRAINING, EIGEN, b, 1);
    }
    static Menue_Icon figur(int32_t p)
    {
        Menue_Icon f = Menue_Icon_Vorlage(1643, -1, 0, 0, 0, 10, 10, 4, 255);
        f.kennung_1 = int16_t(p);
        f.kennung_2 = EIGEN;
        return f;
    }
    static Menue_Icon* slot(int32_t art, int32_t s) { return icon(TRAINING_SLOT_ERSTER + 3 * art + s); }
};

TEST_F(Training, ReservoirAndTextFollowTheSlider)
{
    Spieler_Training_Regler_Setzen(0);
    setze_feld({3, 3});
    Spieler_Training_Einheiten_Zeigen(false);
    for (int32_t k = 0; k < TRAINING_BAELLE; ++k) EXPECT_TRUE(ball(k)->status & ICON_VERSTECKT) << k;
    EXPECT_EQ(ball(0)->x, TRAINING_RESERVE_X);
    EXPECT_STREQ(icon(1501)->hilfetext, "Es sind keine Bälle mehr zu verteilen.");

    Spieler_Training_Regler_Setzen(7);
    Spieler_Training_Einheiten_Zeigen(false);
    EXPECT_EQ(sichtbar_im_reservoir(), 1);
    EXPECT_STREQ(icon(1501)->hilfetext, "Sie haben noch einen Ball zu verteilen.");
    // the third unit of kind 1 sits beside the others in its area
    EXPECT_EQ(ball(5)->kennung_1, 1);
    EXPECT_EQ(ball(5)->x, 207 + 4 + 26);
    EXPECT_STREQ(Spieler_Training_Bälle_Text(4), "Sie haben noch 4 Bälle zu verteilen.");

    // stored units beyond 5 a kind (an old savegame) place no more than 5 balls there
    setze_feld({9});
    Spieler_Training_Einheiten_Zeigen(false);
    int32_t auf_kraft = 0;
    for (int32_t k = 0; k < TRAINING_BAELLE; ++k) auf_kraft += ball(k)->kennung_1 == 0;
    EXPECT_EQ(auf_kraft, 5);
}

TEST_F(Training, BallsAndGlovesKeepTheirRules)
{
    setze_feld({5, 1});
    Spieler_Training_Einheiten_Zeigen(false);
    Spieler_Training_Einheit_Move(ball_auf(1), flaeche(0));
    EXPECT_TRUE(gemeldet("maximal 5 Trainingseinheiten pro Trainingsart"));
    EXPECT_EQ(feld()[0], 5);
    EXPECT_EQ(feld()[1], 1);
    EXPECT_EQ(ball_auf(1)->x, 207 + 4);  // back where it was

    Spieler_Training_Einheit_Move(ball_auf(1), flaeche(15));
    EXPECT_TRUE(gemeldet("nicht für Torhüter verwenden"));
    EXPECT_EQ(feld()[1], 1);

    Spieler_Training_Einheit_Move(ball_auf(1), flaeche(2));
    EXPECT_EQ(feld()[1], 0);
    EXPECT_EQ(feld()[2], 1);
    Spieler_Training_Einheit_Move(reserveball(), flaeche(3));
    EXPECT_EQ(feld()[3], 1);
    Spieler_Training_Einheit_Move(ball_auf(3), nullptr);
    EXPECT_EQ(feld()[3], 0);

    Menue_Icon* handschuh = icon(TRAINING_HANDSCHUH_ERSTER);
    ASSERT_EQ(handschuh->kennung_1, 14);
    Spieler_Training_Einheit_Move(handschuh, flaeche(4));
    EXPECT_TRUE(gemeldet("für's Torwart-Training lassen sich nicht für Feldspieler"));
    Spieler_Training_Einheit_Move(icon(TRAINING_HANDSCHUH_ERSTER), flaeche(16));
    EXPECT_EQ(tw()[0], 1);
    EXPECT_EQ(tw()[2], 3);
    // gloves never outnumber their icons, whatever a savegame says
    const uint8_t viele[3] = {5, 5, 5};
    Team_Zeiger(TEAM_TRAINING_BYTES, EIGEN, const_cast<uint8_t*>(viele), 1);
    Spieler_Training_Einheiten_Zeigen(false);
    EXPECT_FALSE(icon(TRAINING_HANDSCHUH_ERSTER + 7)->status & ICON_VERSTECKT);
}

TEST_F(Training, EvenDistributionFromTheContextMenu)
{
    Menue_Kontextmenue* k = Spieler_Training_Kontextmenue(ball(0));
    ASSERT_NE(k, nullptr);
    EXPECT_STREQ(k->texte[0], "Bälle gleichmäßig verteilen");
    k->prozeduren[0](0, k->wert_c[0], k->wert_a[0], k->wert_b[0]);
    for (int32_t a = 0; a < 14; ++a) EXPECT_EQ(feld()[a], 2) << a;
    EXPECT_EQ(sichtbar_im_reservoir(), 0);

    const uint8_t null[3] = {};
    Team_Zeiger(TEAM_TRAINING_BYTES, EIGEN, const_cast<uint8_t*>(null), 1);
    k = Spieler_Training_Kontextmenue(icon(TRAINING_HANDSCHUH_ERSTER));
    EXPECT_STREQ(k->texte[0], "Handschuhe gleichmäßig verteilen");
    k->prozeduren[0](0, k->wert_c[0], k->wert_a[0], k->wert_b[0]);
    EXPECT_EQ(tw()[0], 2);
    EXPECT_EQ(tw()[1], 3);
    EXPECT_EQ(tw()[2], 2);
}

TEST_F(Training, IndividualTrainingPlacesAndRefusals)
{
    for (int32_t p : {2, 3, 4}) {
        Menue_Icon f = figur(p);
        Spieler_Training_Einzeltraining_Move(&f, flaeche(0));
    }
    EXPECT_EQ(grid()[0], 2);
    EXPECT_EQ(grid()[2], 4);
    Menue_Icon vierter = figur(5);
    Spieler_Training_Einzeltraining_Move(&vierter, flaeche(0));
    EXPECT_TRUE(gemeldet("maximal DREI Spielern"));
    Menue_Icon keeper = figur(0);
    Spieler_Training_Einzeltraining_Move(&keeper, flaeche(0));
    EXPECT_TRUE(gemeldet("Sie können Torhütern nur ein Einzeltraining"));
    Spieler_Training_Einzeltraining_Move(&vierter, flaeche(14));
    EXPECT_TRUE(gemeldet("Sie können Feldspielern keine Torwart-Trainingsart"));
    Spieler_Training_Einzeltraining_Move(&keeper, flaeche(14));
    EXPECT_EQ(grid()[42], 0);
    EXPECT_EQ(Spieler_Training_Zaehle_Einzeltraining(EIGEN, 1), 3);
    EXPECT_EQ(Spieler_Training_Zaehle_Einzeltraining(EIGEN, 0), 1);

    // a slot shows its player and dragging it beside the grid frees it
    Menue_Icon* s = slot(0, 1);
    ASSERT_FALSE(s->status & ICON_VERSTECKT);
    EXPECT_EQ(s->kennung_1, 3);
    EXPECT_EQ(s->x, 255 + 24 + 3);
    Spieler_Training_Einzeltraining_Move(s, nullptr);
    EXPECT_EQ(grid()[1], -1);
    EXPECT_TRUE(slot(0, 1)->status & ICON_VERSTECKT);

    // a trained player taken from the squad again moves; he never holds two places
    Menue_Icon zwei = figur(2);
    Spieler_Training_Einzeltraining_Move(&zwei, flaeche(7));
    int32_t art = -1, platz = -1;
    Spieler_Training_Get_Einzeltraining_Platz(EIGEN, 2, &art, &platz);
    EXPECT_EQ(art, 7);
    EXPECT_EQ(grid()[0], -1);

    // a grid entry naming another club's player shows a free slot and can be taken
    int16_t g[51];
    std::memcpy(g, grid(), sizeof g);
    g[3 * 9] = 50;
    Team_Zeiger(TEAM_EINZELTRAINING, EIGEN, g, 1);
    Spieler_Training_Aufbauen();
    EXPECT_TRUE(slot(9, 0)->status & ICON_VERSTECKT);
}

TEST_F(Training, IconKindsAndSwitches)
{
    bool tw = false;
    EXPECT_EQ(Spieler_Einsetzen_Get_Training_Nummer_Aus_Icon(flaeche(16), &tw), 16);
    EXPECT_TRUE(tw);
    Menue_Icon vierte = Menue_Icon_Vorlage(1497, -1, 0, 0, 0, 1, 1, 1, 255);
    EXPECT_EQ(Spieler_Einsetzen_Get_Training_Nummer_Aus_Icon(&vierte, &tw), -1);
    std::vector<std::string> fehler;
    Print_Fehler_Set_Hook([&fehler](const std::string& t) { fehler.push_back(t); });
    EXPECT_EQ(Spieler_Einsetzen_Get_Training_Nummer_Aus_Icon(flaeche(0), nullptr), -1);
    Print_Fehler_Set_Hook(nullptr);
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_NE(fehler[0].find("torwart_training==NULL"), std::string::npos);

    const auto* b = static_cast<const uint8_t*>(Team_Zeiger(TEAM_TAKTIK_VORGABE, EIGEN, nullptr, 0));
    const uint8_t start = b[3] % 3;
    for (int32_t schritt = 1; schritt <= 3; ++schritt) {
        Spieler_Training_Schalter_Klick(TRAINING_SCHALTER_ERSTER + 3);
        EXPECT_EQ(b[3], (start + schritt) % 3);
        EXPECT_EQ(Spieler_Training_Schalter_Bild(3), 9 + b[3]);
    }
}

TEST_F(Training, ExhaustionCountsAvailablePlayersOnly)
{
    int32_t kader[500];
    const int32_t n = Teamspieler_Ins_Array(EIGEN, kader, 500, 0);
    for (int32_t k = 0; k < n; ++k) Spieler_Wert(SP_TRAININGS_ERSCHOEPFUNG, kader[k], 40, 1);
    Spieler_Wert(SP_TRAININGS_ERSCHOEPFUNG, 5, 100, 1);
    Teamspieler_Wert(317, EIGEN, 5, 0x40, 8);  // injured: left out
    EXPECT_EQ(Spieler_Training_KO_Wert(), 40);
}

TEST_F(Training, AssistantLocksTheUnitsButNotIndividualTraining)
{
    personal(true);
    Spieler_Training_Aufbauen();
    for (int32_t k = 0; k < TRAINING_BAELLE; ++k) EXPECT_FALSE(ball(k)->flags & ICON_ZIEHBAR);
    for (int32_t k = 0; k < TRAINING_HANDSCHUHE; ++k) EXPECT_FALSE(icon(TRAINING_HANDSCHUH_ERSTER + k)->flags & ICON_ZIEHBAR);
    ASSERT_NE(ball(0)->klick, nullptr);
    ball(0)->klick(ball(0), 4);
    EXPECT_TRUE(gemeldet("kümmert sich um das Training Ihrer Mannschaft"));
    Menue_Icon f = figur(6);
    Spieler_Training_Einzeltraining_Move(&f, flaeche(8));
    EXPECT_EQ(grid()[24], 6);

    personal(false);
    Spieler_Training_Aufbauen();
    EXPECT_TRUE(ball(0)->flags & ICON_ZIEHBAR);
    EXPECT_NE(ball(0)->kontext, nullptr);
}

}  // namespace
