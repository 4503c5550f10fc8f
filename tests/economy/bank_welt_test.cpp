// The world's money by booking category: every booking counts on the side of each club it
// touches, the season change keeps the ended season, and the sums travel with the bank's block
// (a block of an older version, without them, reads with empty sums).
#include <vector>

#include "bank_hilfe.h"
#include "economy/bank_welt.h"

TEST_F(BankTest, WorldSumsCountEachClubsSideAndFollowTheSeason)
{
    Bank_Konto_Einrichten(3, 2000000, 0);
    Schreibe_Überweisung(3, 8, 1500.0f, 31, 1, -1);   // club to club: spent and received
    Schreibe_Überweisung(3, 8, -200.0f, 30, 1, -1);   // a negative amount moves money back
    Schreibe_Überweisung(-1, 8, 999.0f, 36, 1, -1);   // from outside the world
    Schreibe_Überweisung(8, -1, 400.0f, 26, 1, -1);   // out of it
    EXPECT_FALSE(Schreibe_Überweisung(-1, 8, 0.0f, 36, 1, -1));  // nothing booked, nothing counted
    const Bank_Welt_Summen& s = Bank_Welt_Get_Summen(0);
    EXPECT_EQ(s.ausgaben[31], 1500);
    EXPECT_EQ(s.einnahmen[31], 1500);
    EXPECT_EQ(s.einnahmen[30], -200);
    EXPECT_EQ(s.ausgaben[30], -200);
    EXPECT_EQ(s.einnahmen[36], 999);
    EXPECT_EQ(s.ausgaben[36], 0);
    EXPECT_EQ(s.ausgaben[26], 400);
    EXPECT_STREQ(Bank_Kategorie_Name(26), "Spielergehälter");

    Bank_Steuern();  // 1 July: the season ends
    EXPECT_EQ(Bank_Welt_Get_Summen(1).einnahmen[36], 999);
    EXPECT_EQ(Bank_Welt_Get_Summen(0).einnahmen[36], 0);

    Schreibe_Überweisung(-1, 8, 50.0f, 13, 1, -1);
    const std::vector<uint8_t> bild = Bank_Block_Bauen();
    Bank_Init();
    EXPECT_EQ(Bank_Welt_Get_Summen(1).einnahmen[36], 0);
    ASSERT_TRUE(Bank_Block_Lesen(bild.data(), uint32_t(bild.size()), "2.01"));
    EXPECT_EQ(Bank_Welt_Get_Summen(1).einnahmen[36], 999);
    EXPECT_EQ(Bank_Welt_Get_Summen(0).einnahmen[13], 50);

    // an older block ends with the lists
    const std::vector<uint8_t> alt(bild.begin(), bild.end() - BANK_WELT_BYTES);
    ASSERT_TRUE(Bank_Block_Lesen(alt.data(), uint32_t(alt.size()), "2.01"));
    EXPECT_EQ(Bank_Welt_Get_Summen(1).einnahmen[36], 0);
    EXPECT_EQ(Bank_Welt_Get_Summen(0).einnahmen[13], 0);
    EXPECT_EQ(stand(3), 2000000 - 1300);
    // a damaged marker is refused like any other damage
    std::vector<uint8_t> kaputt = bild;
    kaputt[bild.size() - BANK_WELT_BYTES] ^= 1;
    EXPECT_FALSE(Bank_Block_Lesen(kaputt.data(), uint32_t(kaputt.size()), "2.01"));
}

TEST_F(BankTest, ACurrentAccountEarnsLessThanADepositAndAnOverdraftCostsMoreThanACredit)
{
    EXPECT_LT(Bank_Giro_Zins, Bank_Anlage_Zins[0]);
    EXPECT_GT(Bank_Dispo_Zins, Bank_Kredit_Zins[0]);
    EXPECT_GT(Bank_Ueberzieh_Zins, Bank_Dispo_Zins);
}
