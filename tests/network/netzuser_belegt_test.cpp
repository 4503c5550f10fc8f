#include <gtest/gtest.h>

#include "network/netzuser.h"

// The count of entries in use follows every way an entry is marked or cleared, so that a walk
// that trusts a count of 0 never misses a participant.
TEST(NetzuserBelegt, CountFollowsMarksChainsAndClears)
{
    for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
    ASSERT_EQ(Netzuser_Belegte(), 0);
    int32_t i = 0;
    EXPECT_EQ(Netzuser_Naechster(&i), nullptr);
    EXPECT_EQ(i, NETZUSER_ANZAHL);

    Mitspieler[3].in_benutzung = Mitspieler[200].in_benutzung = 1;
    EXPECT_EQ(Netzuser_Belegte(), 2) << "a chain of assignments marks each entry";
    Mitspieler[3].in_benutzung = 1;
    EXPECT_EQ(Netzuser_Belegte(), 2) << "marking a marked entry again counts nothing";
    i = 0;
    EXPECT_EQ(Netzuser_Naechster(&i), &Mitspieler[3]);
    EXPECT_EQ(Netzuser_Naechster(&i), &Mitspieler[200]);
    EXPECT_EQ(Netzuser_Get(200), &Mitspieler[200]);

    // A copy outside the table counts nothing, neither marked nor cleared.
    Mitspieler_Eintrag kopie = Mitspieler[3];
    kopie.in_benutzung = 0;
    kopie.in_benutzung = 1;
    EXPECT_EQ(Netzuser_Belegte(), 2);

    Mitspieler[200].in_benutzung = 0;
    EXPECT_EQ(Netzuser_Belegte(), 1);
    EXPECT_EQ(Netzuser_Get(200), nullptr);
    Netzuser_Loeschen(&Mitspieler[3]);
    EXPECT_EQ(Netzuser_Belegte(), 0);
    EXPECT_EQ(Netzuser_Get(3), nullptr);
    EXPECT_EQ(Netzuser_Anzahl(), 0);
}
