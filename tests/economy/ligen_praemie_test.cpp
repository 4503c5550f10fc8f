// The season bonuses: their rating against the expected amounts, and the bonus page's working
// copy, which can raise the agreed amounts but never lower them.
#include <gtest/gtest.h>
#include <unistd.h>

#include "database/teamspieler.h"
#include "economy/ligen.h"
#include "gameflow/globals.h"
#include "../database/db_hilfe.h"
#include "welt_hilfe.h"

TEST(LigenPraemie, TierAmountsPerPointAndWinAndSharesOfTheBase)
{
    EXPECT_EQ(Ligen_Praemie_Erwartet(6, 0, 0), 4000);
    EXPECT_EQ(Ligen_Praemie_Erwartet(7, 0, 0), 12000);
    EXPECT_EQ(Ligen_Praemie_Erwartet(6, 2, 0), 2000);
    for (int32_t stufe : {3, 4, 9}) {  // the fourth tier and everything below alike
        EXPECT_EQ(Ligen_Praemie_Erwartet(6, stufe, 0), 1000) << stufe;
        EXPECT_EQ(Ligen_Praemie_Erwartet(7, stufe, 0), 3000) << stufe;
    }
    const int32_t anteil[6] = {50, 30, 10, 20, 30, 80};
    for (int32_t k = 0; k < 6; ++k) EXPECT_EQ(Ligen_Praemie_Erwartet(k, 1, 1000000), anteil[k] * 10000) << k;
}

TEST(LigenPraemie, ProposalRoundsDownByMagnitude)
{
    EXPECT_EQ(Ligen_Praemie_Runden(1312500), 1310000);
    EXPECT_EQ(Ligen_Praemie_Runden(100000), 100000);  // not above 100,000: whole thousands
    EXPECT_EQ(Ligen_Praemie_Runden(45678), 45000);
    EXPECT_EQ(Ligen_Praemie_Runden(1999), 1900);
    EXPECT_EQ(Ligen_Praemie_Runden(1000), 1000);
    EXPECT_EQ(Ligen_Praemie_Runden(999), 999);
}

namespace {
struct LigenWelt : ::testing::Test {
    std::filesystem::path ordner;
    int32_t oben = -1, unten = -1;
    void SetUp() override
    {
        Netz_Rolle = 0;
        Aktueller_Tag = 0;
        ordner = std::filesystem::temp_directory_path() / ("dorvin_ligen_" + std::to_string(::getpid()));
        ASSERT_NO_FATAL_FAILURE(Test_Welt_Laden(ordner, "--world small"));
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            const int32_t n = Wettbewerb_Get_Liga_Niveau(t);
            if (n == 100 && oben < 0) oben = t;
            if (n > 0 && n < 100 && unten < 0) unten = t;
        }
        ASSERT_GE(oben, 0);
    }
    void TearDown() override
    {
        Test_Welt_Aufraeumen();
        std::filesystem::remove_all(ordner);
    }
    int32_t* block(int32_t t) { return static_cast<int32_t*>(Team_Zeiger(TEAM_TAGESBLOCK, t, nullptr, 0)); }
};
}  // namespace

TEST_F(LigenWelt, RatingIsZeroAtHalfTheExpectedAmountAndFiftyAtIt)
{
    int32_t e = 0;
    Ligen_Motivation_Bewerte_Praemie(oben, 6, 0, 0, &e);
    EXPECT_EQ(e, 4000);  // a top-tier club at a level that scales by 100 %
    Ligen_Motivation_Bewerte_Praemie(oben, 7, 0, 0, &e);
    EXPECT_EQ(e, 12000);
    EXPECT_EQ(Ligen_Motivation_Bewerte_Praemie(oben, 7, 6000, 0, nullptr), 0);
    EXPECT_EQ(Ligen_Motivation_Bewerte_Praemie(oben, 7, 12000, 0, nullptr), 50);
    EXPECT_EQ(Ligen_Motivation_Bewerte_Praemie(oben, 7, 1000, 0, nullptr), 0);  // never below 0
    EXPECT_EQ(Ligen_Motivation_Bewerte_Praemie(oben, 7, 24000, 0, nullptr), 150);
    Ligen_Motivation_Bewerte_Praemie(oben, 0, 0, 0, &e);
    EXPECT_EQ(e, 1050000 * 250 / 100 / 2);
    EXPECT_EQ(Ligen_Motivation_Bewerte_Praemie(oben, 8, 5000, 0, &e), 0);  // no such bonus
    EXPECT_EQ(e, 0);
    if (unten >= 0) {  // a lower league's level scales the expectation down
        Ligen_Motivation_Bewerte_Praemie(unten, 7, 0, 0, &e);
        EXPECT_LT(e, 12000);
        EXPECT_GT(e, 0);
    }
}

// A bonus that pays with the wages is weighed against the squad's mean wage as it stands,
// also right after one of them was raised.
TEST_F(LigenWelt, WageBonusesExpectAShareOfTheSquadsMeanWage)
{
    Teamspieler_Init_Listen();
    Spieler_Den_Teams_Zuordnen();
    int32_t kader[64];
    const int32_t n = Teamspieler_Ins_Array(oben, kader, 64, 0);
    ASSERT_GT(n, 1);
    auto erwartet = [&] {
        int64_t summe = 0;
        for (int32_t i = 0; i < n; ++i) summe += Teamspieler_Wert(301, oben, kader[i], 0, 0);
        return summe / n * 50 / 100;
    };
    int32_t e = 0;
    Ligen_Motivation_Bewerte_Praemie(oben, 0, 0, 1, &e);
    EXPECT_GT(e, 0);
    EXPECT_EQ(e, erwartet());
    Teamspieler_Wert(301, oben, kader[n - 1], 2000000, 1);
    Ligen_Motivation_Bewerte_Praemie(oben, 0, 0, 1, &e);
    EXPECT_EQ(e, erwartet());
}

TEST_F(LigenWelt, ProposalAndTakeOverNeverLowerAnAgreedBonusAndLeavingRestoresIt)
{
    int32_t* b = block(oben);
    ASSERT_NE(b, nullptr);
    for (int32_t k = 0; k < LIGEN_PRAEMIEN; ++k) b[k] = 0;
    b[7] = 50000;  // agreed above the proposal
    ASSERT_TRUE(Ligen_Motivation_Praemien_Check(oben));
    Ligen_Motivation_Praemien_Vorschlag(oben);
    EXPECT_EQ(Ligen_Praemien_Arbeit.wert[7], 50000);
    EXPECT_EQ(Ligen_Praemien_Arbeit.wert[6], 4000);
    EXPECT_EQ(Ligen_Praemien_Arbeit.wert[0], 1310000);
    Ligen_Motivation_Praemie_Setzen(7, 100);  // a slider stops at the agreed floor
    EXPECT_EQ(Ligen_Praemien_Arbeit.wert[7], 50000);
    Ligen_Motivation_Praemie_Setzen(6, 9000);
    Ligen_Motivation_Praemien_Verwerfen(oben);
    EXPECT_EQ(Ligen_Praemien_Arbeit.wert[6], 0);
    EXPECT_EQ(b[6], 0);
    Ligen_Motivation_Praemie_Setzen(6, 9000);
    ASSERT_TRUE(Ligen_Motivation_Praemien_Uebernehmen(oben, true));
    EXPECT_EQ(b[6], 9000);
    EXPECT_EQ(Ligen_Praemien_Arbeit.vereinbart[6], 9000);
    Ligen_Praemien_Arbeit.wert[6] = 10;  // even a copy below the floor never lowers the club's
    Ligen_Motivation_Praemien_Uebernehmen(oben, true);
    EXPECT_EQ(b[6], 9000);
    // the day change keeps the season's bonuses
    Team_Tageswechsel_Reset();
    EXPECT_EQ(b[6], 9000);
}
