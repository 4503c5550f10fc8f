#include <gtest/gtest.h>

#include <array>

#include "common/capture.h"
#include "database/db_hilfe.h"
#include "database/spieler.h"
#include "platform/zufall.h"

namespace {

struct GenerierungTest : ::testing::Test {
    void SetUp() override
    {
        Test_Teams_Anlegen(4);
        Test_Spieler_Anlegen(20);
        Zufall_Init();  // a later first draw would reseed from the clock
    }
    void TearDown() override { Test_Aufraeumen(); }
    std::array<int32_t, 9> slots(int32_t spnr)
    {
        std::array<int32_t, 9> a{};
        for (int32_t i = 0; i < 9; ++i) a[static_cast<size_t>(i)] = Spieler_Daten[spnr].attribute[i];
        return a;
    }
    // slots of a player at `pos` made from the same draws
    std::array<int32_t, 9> belegt(int32_t pos)
    {
        Spieler_Fix_Daten[1].lieblingspos = static_cast<int16_t>(pos);
        Zufall_Set_Seed(1234);
        Spieler_Neu_Belegen(1, 500, 0, 0, -1, -1, -1);
        return slots(1);
    }
};

TEST_F(GenerierungTest, NewStrengthsRaiseTheGroupOfThePlayersThird)
{
    // the same draws at neighbouring positions differ exactly by the offsets' difference
    const auto a153 = belegt(153), a154 = belegt(154), a306 = belegt(306), a307 = belegt(307);
    for (size_t i = 0; i < 9; ++i) {
        const int32_t d1[3] = {21, -24, 3};
        const int32_t d2[3] = {1, 22, -23};
        EXPECT_EQ(a153[i] - a154[i], d1[i / 3]) << i;
        EXPECT_EQ(a306[i] - a307[i], d2[i / 3]) << i;
        EXPECT_EQ(a154[i], a306[i]);
    }
    // target 500: a group value of 485..515 plus the offset plus the lowest strength 10
    EXPECT_GE(a307[6], 485 + 14 + 10);
    EXPECT_LE(a307[6], 515 + 14 + 10);

    // a goalkeeper gets his strength only
    Spieler_Fix_Daten[2].lieblingspos = SP_POS_TORWART;
    for (int32_t i = 0; i < 9; ++i) Spieler_Daten[2].attribute[i] = static_cast<int16_t>(i + 3);
    Spieler_Neu_Belegen(2, 300, 0, 0, -1, -1, -1);
    EXPECT_NE(Spieler_Daten[2].attribute[0], 3);
    for (int32_t i = 1; i < 9; ++i) EXPECT_EQ(Spieler_Daten[2].attribute[i], i + 3);
}

TEST_F(GenerierungTest, WithoutAWindowTheTiersGiveIt)
{
    Zufall_Set_Seed(77);
    for (int32_t k = 0; k < 200; ++k) {
        // top tier of four: 724..999, of which the lower 80 % are used
        Spieler_Neu_Belegen(3, -1, -1, -1, -1, 0, 4);
        for (int32_t v : slots(3)) {
            ASSERT_GE(v, 724);
            ASSERT_LE(v, 943);
        }
        // bottom tier: 1..276, the lowest strength raised to 10
        Spieler_Neu_Belegen(3, -1, -1, 500, -1, 3, 4);
        for (int32_t v : slots(3)) {
            ASSERT_GE(v, 10);
            ASSERT_LE(v, 220);
        }
        // a given window
        Spieler_Neu_Belegen(3, -1, 300, 600, -1, -1, -1);
        for (int32_t v : slots(3)) {
            ASSERT_GE(v, 300);
            ASSERT_LE(v, 539);
        }
    }
}

TEST_F(GenerierungTest, WindowClampsVisibleAndInvisibleButKeepsExperience)
{
    Spieler_Daten[4].attribute[2] = 700;
    Spieler_Daten[4].attribute[5] = 120;
    Spieler_Daten[4].unsichtbar[3] = 120;
    Spieler_Daten[4].erfahrung = 250;
    Spieler_Staerken_Auf_Ligaspanne_Pruefen(4, -1, 300, 600);
    EXPECT_EQ(Spieler_Daten[4].attribute[2], 600);
    EXPECT_EQ(Spieler_Daten[4].attribute[5], 300);
    EXPECT_EQ(Spieler_Daten[4].attribute[0], 500);
    EXPECT_EQ(Spieler_Daten[4].unsichtbar[3], 99);
    EXPECT_EQ(Spieler_Daten[4].erfahrung, 250);
}

TEST_F(GenerierungTest, RandomInvisibleAttributesAndPositionsFollowTheType)
{
    Zufall_Set_Seed(5);
    Spieler_Fix_Daten[5].lieblingspos = 20;  // type 1
    for (int32_t runde = 0; runde < 50; ++runde) {
        for (auto& u : Spieler_Daten[5].unsichtbar) u = 77;
        for (int32_t i = 9; i < 24; ++i) Spieler_Setze_Unsichtbare_Attribute_Zufaellig_Spieler(5, i);
        for (int32_t i = 9; i < 24; ++i) {
            const int32_t w = Spieler_Attribut_Gewichte[1][i];
            const int32_t v = Spieler_Daten[5].unsichtbar[i - 9];
            if (w == 0)
                ASSERT_EQ(v, 0) << i;
            else
                ASSERT_LE(v, 99) << i;
        }
    }
    Fehler_Capture cap;
    Spieler_Setze_Unsichtbare_Attribute_Zufaellig_Spieler(5, 24);
    EXPECT_TRUE(cap.contains("attr_nr falsch!"));

    for (int32_t art = 1; art <= 3; ++art)
        for (int32_t k = 0; k < 100; ++k) {
            Spieler_Zufaellige_Lieblingspositionen_Spieler(6, art);
            const int32_t z = Spieler_Fix_Daten[6].lieblingspos / 17;
            ASSERT_GE(z, (art - 1) * 9);
            ASSERT_LE(z, art * 9 - 1);
        }
    Spieler_Fix_Daten[7].lieblingspos = SP_POS_TORWART;
    Spieler_Zufaellige_Lieblingspositionen_Spieler(7, 2);
    EXPECT_EQ(Spieler_Fix_Daten[7].lieblingspos, SP_POS_TORWART);
}

TEST_F(GenerierungTest, StrengthFittingReachesTheTargetOrSaysWhyNot)
{
    const int16_t start[9] = {100, 900, 450, 300, 620, 10, 999, 50, 480};
    for (int32_t i = 0; i < 9; ++i) Spieler_Daten[8].attribute[i] = start[i];
    Spieler_K_I_T_Variieren(SP_K_I_T, 8, 300, 10, 990);
    int32_t summe = 0;
    for (int32_t v : slots(8)) {
        EXPECT_GE(v, 10);
        EXPECT_LE(v, 990);
        summe += v;
    }
    EXPECT_NEAR(summe, 2700, 4);

    // only the technique group moves
    const auto vorher_te = slots(8);
    Spieler_K_I_T_Variieren(SP_TE, 8, 700, 10, 990);
    const auto a = slots(8);
    EXPECT_NEAR(a[6] + a[7] + a[8], 2100, 4);
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(a[i], vorher_te[i]);

    // a group of zeros cannot be scaled; it starts at the target
    for (int32_t i = 0; i < 9; ++i) Spieler_Daten[9].attribute[i] = 0;
    Fehler_Capture cap;
    Spieler_K_I_T_Variieren(SP_IN, 9, 400, 10, 990);
    EXPECT_NEAR(slots(9)[3] + slots(9)[4] + slots(9)[5], 1200, 4);
    EXPECT_TRUE(cap.texts.empty());

    // a target beyond the window is never reached
    Spieler_K_I_T_Variieren(SP_KO, 9, 900, 10, 500);
    EXPECT_TRUE(cap.contains("Spieler_K_I_T_Variieren: Counter-Overflow, spnr=9"));
    EXPECT_EQ(slots(9)[0], 500);

    const auto vorher = slots(10);
    Spieler_K_I_T_Variieren(SP_TORWART_STAERKE, 10, 200, 10, 990);
    EXPECT_TRUE(cap.contains("Spieler_K_I_T_Variieren: TW-Modus-Fehler!"));
    EXPECT_EQ(slots(10), vorher);
    Spieler_Fix_Daten[11].lieblingspos = SP_POS_TORWART;
    cap.texts.clear();
    Spieler_K_I_T_Variieren(SP_KO, 11, 200, 10, 990);
    EXPECT_TRUE(cap.contains("TW-Modus-Fehler!"));
    Spieler_K_I_T_Variieren(SP_TORWART_STAERKE, 11, 200, 10, 990);
    EXPECT_EQ(Spieler_Daten[11].attribute[0], 200);
}

}  // namespace
