// The comparison's minute and match-day handles: a handle's place on its track and its value
// map one to one, the top standing for the range's end and the foot for 1.
#include <gtest/gtest.h>

#include "screens/spielervergleich.h"

namespace {

TEST(VergleichGriff, PlaceAndValueMapOneToOneWithTheTopAtTheRangesEnd)
{
    for (int32_t hoch : {2, 34, 90, 120, 150}) {
        EXPECT_EQ(Spieler_Spielervergleich_Griff_Y(hoch, hoch), VERGLEICH_SPUR_OBEN) << hoch;
        EXPECT_EQ(Spieler_Spielervergleich_Griff_Y(1, hoch), VERGLEICH_SPUR_UNTEN) << hoch;
        int32_t vorher = VERGLEICH_SPUR_UNTEN + 1;
        for (int32_t v = 1; v <= hoch; ++v) {
            const int32_t y = Spieler_Spielervergleich_Griff_Y(v, hoch);
            EXPECT_LT(y, vorher) << hoch << "/" << v << ": a higher value stands higher";
            EXPECT_EQ(Spieler_Spielervergleich_Griff_Wert(y, hoch), v) << hoch << "/" << v;
            vorher = y;
        }
        // dragged past the track's ends the handle keeps the range's ends
        EXPECT_EQ(Spieler_Spielervergleich_Griff_Wert(VERGLEICH_SPUR_OBEN - 50, hoch), hoch);
        EXPECT_EQ(Spieler_Spielervergleich_Griff_Wert(VERGLEICH_SPUR_UNTEN + 50, hoch), 1);
    }
    // a range of one value (or none) never divides by zero
    EXPECT_EQ(Spieler_Spielervergleich_Griff_Wert(300, 1), 1);
    EXPECT_EQ(Spieler_Spielervergleich_Griff_Y(1, 0), VERGLEICH_SPUR_UNTEN);
}

}  // namespace
