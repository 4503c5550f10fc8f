// The line-up screen's pitch: which figures stand where in which colour, who may be dragged, the
// favourite-position box, the room handles and the texts around the pitch.
#include <gtest/gtest.h>

#include <string>

#include "database/assistent.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "screens/screens_hilfe.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_einsetzen_figuren.h"
#include "screens/spieler_kontext.h"

using namespace screens_test;

namespace {

using Figuren = Welt;

const Spieler_Figur* finden(const Spieler_Figur* f, int32_t n, int32_t team, int32_t spnr)
{
    for (int32_t k = 0; k < n; ++k)
        if (f[k].team == team && f[k].spnr == spnr) return &f[k];
    return nullptr;
}

TEST_F(Figuren, EigeneUndFremdeFigurenMitFarbenUndZiehrecht)
{
    elf(10);
    Teamspieler_Wert(317, EIGEN, 15, TS_ERSATZ, 8);
    Teamspieler_Wert(317, EIGEN, 3, 0x80, 8);  // suspended
    platzieren(GEGNER, 31, 5, 8);
    Teamspieler_Wert(317, GEGNER, 32, TS_ERSATZ, 8);
    Spieler_Figur f[SPIELER_FIGUREN];
    const int32_t n = Spieler_Einsetzen_Figuren_Bauen(f);
    EXPECT_EQ(n, 11 + 1 + 1) << "eleven, one on the bench, the other club's one on the pitch";
    const Spieler_Figur* bank = finden(f, n, EIGEN, 15);
    ASSERT_NE(bank, nullptr);
    EXPECT_EQ(bank->x, 206);
    EXPECT_EQ(finden(f, n, EIGEN, 2)->prioritaet, 3);
    EXPECT_TRUE(finden(f, n, EIGEN, 2)->ziehbar);
    EXPECT_FALSE(finden(f, n, EIGEN, 3)->ziehbar) << "not available";
    const Spieler_Figur* fremd = finden(f, n, GEGNER, 31);
    ASSERT_NE(fremd, nullptr);
    EXPECT_EQ(fremd->textfarbe, 6);
    EXPECT_EQ(fremd->prioritaet, 2);
    EXPECT_FALSE(fremd->ziehbar);
    EXPECT_EQ(finden(f, n, GEGNER, 32), nullptr) << "the other club's bench is not shown";

    // DEFENSIV: the own players show 313, the other club's its 314.
    Manager_Icon_Button_An_Aus(EIGEN, SE_DEFENSIV, 1);
    Spieler_Einsetzen_Figuren_Bauen(f);
    EXPECT_EQ(finden(f, n, GEGNER, 31)->zelle, zelle(GEGNER, 31, 314));
    EXPECT_EQ(finden(f, n, EIGEN, 4)->zelle, zelle(EIGEN, 4, 313));
    Manager_Icon_Button_An_Aus(EIGEN, SE_DEFENSIV, 0);

    // A trial player takes colour 11; a line-up assistant takes every drag away.
    ASSERT_TRUE(Spieler_Probespieler_Aufnehmen(GEGNER, 33));
    Teamspieler_Wert(317, EIGEN, 33, TS_ERSATZ, 8);
    int32_t m = Spieler_Einsetzen_Figuren_Bauen(f);
    ASSERT_NE(finden(f, m, EIGEN, 33), nullptr);
    EXPECT_EQ(finden(f, m, EIGEN, 33)->farbe, 11);
    auto* b = static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, EIGEN, nullptr, 0));
    b[2] = 1;
    b[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * 2 + 0] = 1;
    m = Spieler_Einsetzen_Figuren_Bauen(f);
    for (int32_t k = 0; k < m; ++k) EXPECT_FALSE(f[k].ziehbar) << f[k].spnr;
    // Display bits of 1290: without bit 2 no figure of the other club.
    Manager_Icon_Button_An_Aus(EIGEN, SE_FIGUREN, 1);
    m = Spieler_Einsetzen_Figuren_Bauen(f);
    for (int32_t k = 0; k < m; ++k) EXPECT_EQ(f[k].team, EIGEN);
}

TEST_F(Figuren, LieblingsboxBleibtAufDemFeldTorwartImTorraum)
{
    int32_t box[4];
    for (int32_t zelle : {0, 16, 26 * 17, 26 * 17 + 16, 13 * 17 + 8}) {
        feldspieler(5, zelle);
        ASSERT_TRUE(Spieler_Einsetzen_Lieblingsbox(EIGEN, 5, box));
        EXPECT_GE(box[0], 0) << zelle;
        EXPECT_LE(box[2], 207) << zelle;
        EXPECT_GE(box[1], 0) << zelle;
        EXPECT_LE(box[3], 337) << zelle;
        EXPECT_LT(box[0], box[2]);
        EXPECT_LT(box[1], box[3]);
    }
    ASSERT_TRUE(Spieler_Einsetzen_Lieblingsbox(EIGEN, 0, box));
    EXPECT_EQ(box[0], 73);
    EXPECT_EQ(box[1], 318);
    EXPECT_EQ(box[3], 337);
    ASSERT_TRUE(Spieler_Einsetzen_Lieblingsbox(GEGNER, 30, box));
    EXPECT_EQ(box[1], 1);
    EXPECT_EQ(box[3], 20);
    // The same favourite cell lies at opposite ends for the two clubs.
    feldspieler(5, 3 * 17 + 8);
    feldspieler(31, 3 * 17 + 8);
    int32_t andere[4];
    Spieler_Einsetzen_Lieblingsbox(EIGEN, 5, box);
    Spieler_Einsetzen_Lieblingsbox(GEGNER, 31, andere);
    EXPECT_GT(box[1], 200);
    EXPECT_LT(andere[1], 130);
}

TEST_F(Figuren, GriffeTitelWarnungUndStaerkefarbe)
{
    elf(10);
    int32_t xy[6][2];
    ASSERT_TRUE(Spieler_Einsetzen_Griffe(4, xy));
    EXPECT_NE(xy[0][0], xy[1][0]);
    EXPECT_FALSE(Spieler_Einsetzen_Griffe(0, xy)) << "a goalkeeper has no room";
    EXPECT_FALSE(Spieler_Einsetzen_Griffe(40, xy));
    EXPECT_EQ(Spieler_Einsetzen_Menue_Titel(), std::string("(Momentan: ") + Team_String(TEAM_NAME, GEGNER, nullptr, 0) + ")");
    Anzeige_Gegner_Team = -1;
    EXPECT_EQ(Spieler_Einsetzen_Menue_Titel(), "(Momentan: Kein Gegner)");

    EXPECT_EQ(Spieler_Einsetzen_Echte_Warnung(), "");
    EXPECT_EQ(Spieler_Einsetzen_Staerke_Farbe(EIGEN), 6);
    Teamspieler_Wert(317, EIGEN, 2, TS_PROBE, 8);
    EXPECT_EQ(Spieler_Einsetzen_Echte_Warnung(), "^l^bbACHTUNG:^be Bei Ihnen sind nur 10 \"echte\" Spieler eingesetzt !");
    EXPECT_EQ(Spieler_Einsetzen_Staerke_Farbe(EIGEN), 6) << "a trial player counts on the pitch";
    Teamspieler_Wert(317, EIGEN, 2, TS_STARTELF, 4);
    EXPECT_EQ(Spieler_Einsetzen_Staerke_Farbe(EIGEN), 8);
    EXPECT_EQ(Spieler_Einsetzen_Staerke_Farbe(GEGNER), 8);
}

}  // namespace
