#include <gtest/gtest.h>

#include <cstring>

#include "common/capture.h"
#include "platform/disk.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "gameflow/spielstand_ordner.h"

namespace {

class Highscore : public Spielstand_Ordner {
protected:
    void SetUp() override
    {
        Spielstand_Ordner::SetUp();
        Highscore_Init();
        Netz_Rolle = 0;
        ASSERT_TRUE(Highscore_Manager_Anlegen(7));
    }
    void TearDown() override
    {
        Highscore_Init();
        Netz_Rolle = 0;
        Spielstand_Ordner::TearDown();
    }
};

TEST_F(Highscore, PointsPerCategoryAndDaysOff)
{
    EXPECT_TRUE(Highscore_Punkte_Machen(7, 5, 30));
    EXPECT_TRUE(Highscore_Punkte_Machen(7, 9, -10));
    EXPECT_TRUE(Highscore_Punkte_Machen(7, 3, 5));
    EXPECT_TRUE(Highscore_Punkte_Machen(7, 3, 5));
    EXPECT_EQ(Highscore_Get_Wert(7, 1, 5), 30);
    EXPECT_EQ(Highscore_Get_Wert(7, 1, 3), 10);
    EXPECT_EQ(Highscore_Get_Wert(7, 1, -1), 30);
    EXPECT_TRUE(Highscore_Punkte_Machen(7, 2, INT32_MAX));
    EXPECT_TRUE(Highscore_Punkte_Machen(7, 2, 1));
    EXPECT_EQ(Highscore_Get_Wert(7, 1, 2), INT32_MAX);

    // A club without a manager collects nothing; bad categories and clients are refused.
    EXPECT_FALSE(Highscore_Punkte_Machen(8, 5, 30));
    {
        Fehler_Capture cap;
        EXPECT_FALSE(Highscore_Punkte_Machen(7, 10, 1));
        Netz_Rolle = 1;
        EXPECT_FALSE(Highscore_Punkte_Machen(7, 5, 1));
        EXPECT_TRUE(cap.contains("Client-Zugriff: Highscore_Punkte_Machen"));
        Netz_Rolle = 0;
    }
    EXPECT_EQ(Highscore_Get_Wert(7, 1, 5), 30);

    EXPECT_FALSE(Highscore_Punkte_Abziehen(7));
    EXPECT_TRUE(Highscore_Punkte_Addieren(7, 2));
    EXPECT_FALSE(Highscore_Punkte_Addieren(8, 2));
    EXPECT_EQ(Highscore_Get_Wert(7, 2, 0), 2);
    EXPECT_TRUE(Highscore_Punkte_Abziehen(7));
    EXPECT_TRUE(Highscore_Punkte_Abziehen(7));
    EXPECT_FALSE(Highscore_Punkte_Abziehen(7));
    EXPECT_EQ(Highscore_Get_Wert(7, 2, 0), 0);
}

// The daily training asks each club for its free days only while some club has any left.
TEST_F(Highscore, FreeDaysAreOpenWhileAnyClubHasOneLeft)
{
    EXPECT_FALSE(Highscore_Freie_Tage_Offen());
    ASSERT_TRUE(Highscore_Manager_Anlegen(9));
    ASSERT_TRUE(Highscore_Punkte_Addieren(9, 1));
    EXPECT_TRUE(Highscore_Freie_Tage_Offen());
    EXPECT_FALSE(Highscore_Punkte_Abziehen(7));
    EXPECT_TRUE(Highscore_Freie_Tage_Offen());
    EXPECT_TRUE(Highscore_Punkte_Abziehen(9));
    EXPECT_FALSE(Highscore_Freie_Tage_Offen());
    // a store never set up counts as empty
    Highscore_DeInit();
    EXPECT_FALSE(Highscore_Freie_Tage_Offen());
}

TEST_F(Highscore, RatingsAreMonotoneAndBounded)
{
    EXPECT_EQ(Highscore_Get_Wert(7, 0, 1), 50);
    EXPECT_EQ(Highscore_Get_Wert(99, 0, 1), 50);
    Highscore_Spiel_Bewerten(7, 1, 100);
    const int32_t nach_einem = Highscore_Get_Wert(7, 0, 1);
    EXPECT_GT(nach_einem, 50);
    Highscore_Spiel_Bewerten(7, 1, 100);  // the same game again
    EXPECT_EQ(Highscore_Get_Wert(7, 0, 1), nach_einem);
    for (int spiel = 2; spiel < 100; ++spiel) Highscore_Spiel_Bewerten(7, spiel, 500);
    EXPECT_EQ(Highscore_Get_Wert(7, 0, 1), 100);
    for (int spiel = 100; spiel < 200; ++spiel) Highscore_Spiel_Bewerten(7, spiel, -5);
    EXPECT_EQ(Highscore_Get_Wert(7, 0, 1), 0);
    EXPECT_EQ(Highscore_Get_Eintrag(7)->spiele, 199);

    const int32_t keine[10] = {};
    const int32_t lob[10] = {2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const int32_t viel_lob[10] = {99, 99, 99, 99, 99, 0, 0, 0, 0, 0};
    const int32_t kritik[10] = {0, 0, 0, 0, 0, 99, 99, 99, 99, 99};
    EXPECT_EQ(Highscore_Klicks_Bewerten(8, keine), 50);
    EXPECT_GT(Highscore_Klicks_Bewerten(8, lob), 50);
    EXPECT_EQ(Highscore_Klicks_Bewerten(8, viel_lob), 100);
    EXPECT_EQ(Highscore_Klicks_Bewerten(8, kritik), 0);
    Fehler_Capture cap;
    EXPECT_EQ(Highscore_Klicks_Bewerten(8, nullptr), 50);
    EXPECT_EQ(cap.texts.size(), 1u);
}

TEST_F(Highscore, RecordMovesIsDeletedAndRoundTrips)
{
    Highscore_Punkte_Machen(7, 6, 40);
    Highscore_Punkte_Addieren(7, 3);
    Highscore_Spiel_Bewerten(7, 4, 90);
    Highscore_Jeden_Monat();
    Manager_Wechsel(7, 8);
    EXPECT_EQ(Highscore_Get_Eintrag(7), nullptr);
    ASSERT_NE(Highscore_Get_Eintrag(8), nullptr);
    EXPECT_EQ(Highscore_Get_Wert(8, 1, 6), 40);

    ASSERT_TRUE(Highscore_Manager_Anlegen(3));
    Manager_Wechsel(3, 8);  // the new club has a record already: nothing moves
    EXPECT_NE(Highscore_Get_Eintrag(3), nullptr);

    ASSERT_TRUE(Disk_Spielstand_Speichern("hs"));
    const Highscore_Eintrag vorher = *Highscore_Get_Eintrag(8);
    Manager_Loeschen(8);
    EXPECT_EQ(Highscore_Get_Eintrag(8), nullptr);
    EXPECT_EQ(Highscore_Get_Wert(8, 1, 6), 0);

    ASSERT_TRUE(Disk_Spielstand_Laden("hs"));
    const Highscore_Eintrag* e = Highscore_Get_Eintrag(8);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(std::memcmp(e, &vorher, sizeof vorher), 0);
    EXPECT_EQ(e->monate, 1);
    EXPECT_NE(Highscore_Get_Eintrag(3), nullptr);
}

}  // namespace
