// The data builder's pitches: every look carries its white (in snow, blue) lines where the view's
// projection puts the corners of the pitch and of the penalty areas.
#include <gtest/gtest.h>

#include <string>

#include "tools/datagen/spielszenen_bilder.h"
#include "tools/datagen/resf_writer.cpp"
#include "tools/datagen/spielszenen_bilder.cpp"
#include "tools/datagen/zeiger_bilder.cpp"


TEST(Spielszenen_Platz, LinesLieAtTheProjectedCorners)
{
    // kind 0 plain and seen from the other side, kind 1 worn and wet, kind 3 in snow, kind 4 heated
    for (int32_t id : {1999, 2000, 2025, 2030, 2081, 2105})
        EXPECT_EQ(Spielszenen_Platz_Pruefen(id), "") << id;
}
