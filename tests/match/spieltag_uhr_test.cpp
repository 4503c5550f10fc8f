// The match day's clock and speed, and the games of a day played to their end.
#include <gtest/gtest.h>

#include "common/capture.h"
#include "match/spieltag_welt.h"

namespace {

class Spieltag_Uhr_Test : public Spieltag_Welt {};

TEST_F(Spieltag_Uhr_Test, SpeedAndTheClockOfAMinute)
{
    int32_t lo = 0, hi = 0;
    EXPECT_EQ(Spieltag_Get_Geschwindigkeit(&lo, &hi), 70);
    EXPECT_EQ(lo, 35);
    EXPECT_EQ(hi, 280);
    EXPECT_EQ(Spieltag_Set_Geschwindigkeit(34), 34);
    EXPECT_EQ(Spieltag_Set_Geschwindigkeit(281), 281);
    EXPECT_EQ(Spieltag_Get_Geschwindigkeit(nullptr, nullptr), 70);

    ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
    // A minute lasts as many clock units as the speed; the frame step of this build takes one a
    // frame.
    for (int32_t tempo : {70, 35}) {
        Spieltag_Set_Geschwindigkeit(tempo);
        int32_t minute = 0;
        float rest = 0;
        // Finish the running minute first.
        Spieltag_Get_Uhr(&minute, &rest);
        const int32_t start = minute;
        while (minute == start) {
            ASSERT_TRUE(Spieltag_Run(0));
            Spieltag_Get_Uhr(&minute, &rest);
        }
        EXPECT_EQ(rest, float(tempo));
        int32_t frames = 0;
        for (const int32_t jetzt = minute; minute == jetzt; ++frames) {
            ASSERT_TRUE(Spieltag_Run(0));
            Spieltag_Get_Uhr(&minute, nullptr);
        }
        EXPECT_EQ(frames, tempo) << "Tempo " << tempo;
    }
    Spieltag_Set_Geschwindigkeit(70);

    // The day runs to its end; then 175 units more before Run says it is over.
    while (Spieltag_Uhr.vorlauf == 0) ASSERT_TRUE(Spieltag_Run(0));
    EXPECT_EQ(Spieltag_Uhr.vorlauf, SPIELTAG_AUSLAUF);
    int32_t wahr = 0;
    while (Spieltag_Run(0)) ++wahr;
    EXPECT_EQ(wahr, SPIELTAG_AUSLAUF - 1);
    EXPECT_EQ(Spieltag_Uhr.vorlauf, 0);
    for (const auto& [c, g] : spiele()) {
        (void)c;
        EXPECT_GE(Spiele_Get_Spiel(g, 1)->heim_tore, 0);
    }
}

}  // namespace
