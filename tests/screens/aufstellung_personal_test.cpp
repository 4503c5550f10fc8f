// The line-up screen's marks of the employed assistants and doctors: one per person, in slot
// order, with the person's name as help; the places of people not employed stay hidden.
#include <gtest/gtest.h>

#include <cstring>

#include "database/assistent.h"
#include "screens/screens_hilfe.h"
#include "screens/spieler_bilder.h"
#include "screens/spieler_einsetzen_screen.h"
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

}  // namespace
