// The weekly bill of a club's staff in a world with leagues: a yearly cost far beyond any offer (a
// forged record, an old savegame) is booked as the most a week can book and never wraps into a
// payment to the club.
#include "platform/bytes.h"
#include "werbung_hilfe.h"

namespace {

struct PersonalKosten : WerbungTest {};

}  // namespace

TEST_F(PersonalKosten, AStaffCostBeyondAWeeksRangeIsNoIncome)
{
    const int32_t m = manager[0];
    // the club's league as the season start fixes it
    Team_Set_Basisdaten(m, -1);
    ASSERT_TRUE(Team_Ist_Normal(m, 0));
    ASSERT_GE(Wettbewerb_Get_Liga_Niveau(m), 3);
    auto* assis = static_cast<uint8_t*>(Team_Zeiger(811, m, nullptr, 0));
    assis[2] = 1;
    assis[ASSI_OFFSET_MONATE + 2] = 12;
    Bytes_Setze32(assis + ASSI_OFFSET_KOSTEN + 8, 0xFFFFFFFFu);
    EXPECT_EQ(Team_Get_Wochenausgaben(m, 33), INT32_MAX);
    Test_Buchungen.clear();
    Team_Jede_Woche();
    bool gebucht = false;
    for (const Test_Buchung& b : Test_Buchungen)
        if (b.kategorie == 33 && b.zahler == m) {
            gebucht = true;
            EXPECT_GT(b.betrag, 0.0f);
        }
    EXPECT_TRUE(gebucht);
}
