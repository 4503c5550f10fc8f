#include <gtest/gtest.h>

#include "common/capture.h"
#include "database/db_hilfe.h"
#include "database/spieler.h"
#include "database/teamspieler.h"
#include "platform/zufall.h"

namespace {

int32_t zelle(int32_t z, int32_t s) { return z * 17 + s; }

struct RaumTest : ::testing::Test {
    void SetUp() override
    {
        Test_Teams_Anlegen(3);
        Test_Spieler_Anlegen(10);
        Zufall_Init();  // a later first draw would reseed from the clock
        T_Fix[0].liga = 1;
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 0, 3, 100, 0, 24, -1, true));
    }
    void TearDown() override { Test_Aufraeumen(); }
    void setze(int32_t pos, int32_t a, int32_t b, int32_t c, int32_t d)
    {
        const int32_t w[5] = {pos, a, b, c, d};
        for (int32_t i = 0; i < 5; ++i) Teamspieler_Wert(310 + i, 0, 3, w[i], 1);
    }
    int32_t feld(int32_t f) { return Teamspieler_Wert(f, 0, 3, 0, 0); }
};

TEST(RaumSymmetrisch, LongerSideIsCutAndInnerAreaSpansThePositionRow)
{
    // row 13 column 8, outer rows 10..18: the bottom side is cut to 3
    int32_t oz1 = 10, os1 = 5, oz2 = 18, os2 = 11, iz1 = 13, is1 = 2, iz2 = 20, is2 = 14;
    Spieler_Raum_Symmetrisch(zelle(13, 8), oz1, os1, oz2, os2, iz1, is1, iz2, is2);
    EXPECT_EQ(oz1, 10);
    EXPECT_EQ(oz2, 16);
    EXPECT_EQ(os1, 5);
    EXPECT_EQ(os2, 11);
    EXPECT_EQ(iz1, 12);  // the inner top row on the position row moves up by one
    EXPECT_EQ(iz2, 16);
    EXPECT_EQ(is1, 5);
    EXPECT_EQ(is2, 11);

    // the shorter side on top and on the right
    oz1 = 12, os1 = 0, oz2 = 20, os2 = 10, iz1 = 12, is1 = 0, iz2 = 14, is2 = 10;
    Spieler_Raum_Symmetrisch(zelle(13, 8), oz1, os1, oz2, os2, iz1, is1, iz2, is2);
    EXPECT_EQ(oz2, 14);
    EXPECT_EQ(os1, 6);
    EXPECT_EQ(is1, 6);
}

TEST_F(RaumTest, ValidityNeedsCornersStrictlyAboveAndLeft)
{
    setze(zelle(13, 8), zelle(10, 5), zelle(16, 11), zelle(12, 6), zelle(14, 10));
    EXPECT_FALSE(Spieler_Raum_Ist_Ungueltig(0, 3));
    setze(zelle(13, 8), zelle(10, 5), zelle(10, 11), zelle(12, 6), zelle(14, 10));
    EXPECT_TRUE(Spieler_Raum_Ist_Ungueltig(0, 3));  // one row
    setze(zelle(13, 8), zelle(10, 5), zelle(16, 5), zelle(12, 6), zelle(14, 10));
    EXPECT_TRUE(Spieler_Raum_Ist_Ungueltig(0, 3));  // one column
    setze(zelle(13, 8), -1, -1, -1, -1);
    EXPECT_TRUE(Spieler_Raum_Ist_Ungueltig(0, 3));
}

TEST(RaumAusdehnung, BorderGivesNoRoomAndLimitsCutTheRoom)
{
    Zufall_Init();
    Zufall_Set_Seed(4711);
    int32_t z = -5, s = -5;
    Spieler_Raum_Zufaellige_Ausdehnung(0, zelle(0, 0), &z, &s, -1, -1);
    EXPECT_EQ(z, 0);
    EXPECT_EQ(s, 0);
    Spieler_Raum_Zufaellige_Ausdehnung(0, zelle(26, 16), &z, &s, -1, -1);
    EXPECT_EQ(z, 0);
    EXPECT_EQ(s, 0);
    for (int32_t i = 0; i < 500; ++i) {
        Spieler_Raum_Zufaellige_Ausdehnung(0, zelle(20, 10), &z, &s, -1, 2);
        EXPECT_GE(z, 1);
        EXPECT_LE(z, 6);
        EXPECT_GE(s, 1);
        EXPECT_LE(s, 2);
        Spieler_Raum_Zufaellige_Ausdehnung(0, zelle(5, 3), &z, &s, 0, -1);
        EXPECT_EQ(z, 0);
        EXPECT_GE(s, 1);
        EXPECT_LE(s, 3);
    }
}

TEST_F(RaumTest, DragsAlwaysLeaveAValidConsistentArea)
{
    Fehler_Capture cap;
    Spieler_Raum_Anpassen(0, 3, nullptr, nullptr, false, false);
    EXPECT_TRUE(cap.contains("Spieler_Raum_Anpassen: NULL-Zeiger!"));

    setze(zelle(13, 8), zelle(10, 5), zelle(16, 11), zelle(12, 6), zelle(14, 10));
    Zufall_Set_Seed(99);
    for (int32_t i = 0; i < 5000; ++i) {
        int32_t zeile = Zufall(-5, 31);
        int32_t spalte = Zufall(-5, 21);
        const int32_t flagge = Zufall(0, 2);
        Spieler_Raum_Anpassen(0, 3, &zeile, &spalte, flagge == 1, flagge == 2);
        ASSERT_FALSE(Spieler_Raum_Ist_Ungueltig(0, 3)) << "Zug " << i;
        const int32_t p = feld(310), a = feld(311), b = feld(312), c = feld(313), d = feld(314);
        const int32_t pz = p / 17, ps = p % 17;
        // outer area symmetric about the position
        EXPECT_EQ(pz - a / 17, b / 17 - pz);
        EXPECT_EQ(ps - a % 17, b % 17 - ps);
        // inner area inside the outer one, spanning the position row
        EXPECT_GE(c / 17, a / 17);
        EXPECT_LE(d / 17, b / 17);
        EXPECT_GE(c % 17, a % 17);
        EXPECT_LE(d % 17, b % 17);
        EXPECT_LT(c / 17, pz);
        EXPECT_GT(d / 17, pz);
        if (HasFailure()) break;
    }
}

TEST_F(RaumTest, DraggingThePositionCarriesTheAreasAlong)
{
    setze(zelle(13, 8), zelle(10, 5), zelle(16, 11), zelle(12, 6), zelle(14, 10));
    int32_t zeile = 10, spalte = 6;
    Spieler_Raum_Anpassen(0, 3, &zeile, &spalte, false, false);
    EXPECT_EQ(feld(310), zelle(10, 6));
    EXPECT_EQ(feld(311), zelle(7, 3));
    EXPECT_EQ(feld(312), zelle(13, 9));
    EXPECT_EQ(feld(313), zelle(9, 4));
    EXPECT_EQ(feld(314), zelle(11, 8));

    // the bottom-right corner dragged out: the top-left follows by symmetry
    zeile = 12, spalte = 8;
    Spieler_Raum_Anpassen(0, 3, &zeile, &spalte, true, false);
    EXPECT_EQ(feld(310), zelle(10, 6));
    EXPECT_EQ(feld(312), zelle(12, 8));
    EXPECT_EQ(feld(311), zelle(8, 4));
}

}  // namespace
