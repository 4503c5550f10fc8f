// The builder's manager crests: twelve different pictures, visible pixels never 0.
#include <gtest/gtest.h>

#include <set>

#include "tools/datagen/wappen_bilder.h"

TEST(WappenBilder, TwelveDistinctManagerCrests)
{
    std::set<Resf_Bytes> bilder;
    for (int32_t n = 0; n < MANAGER_WAPPEN_ZAHL; ++n) {
        Resf_Bitmap b = Manager_Wappen_Bild(n);
        ASSERT_EQ(b.pixels.size(), 48u * 48u * 2u);
        int sichtbar = 0;
        for (int i = 0; i < 48 * 48; ++i) {
            bool maske = b.mask[size_t(i / 8)] >> (i % 8) & 1;
            bool farbig = b.pixels[size_t(2 * i)] | b.pixels[size_t(2 * i + 1)];
            EXPECT_EQ(maske, farbig) << n << " " << i;
            sichtbar += maske;
        }
        EXPECT_GT(sichtbar, 48 * 48 / 2) << n;
        EXPECT_EQ(b.mask[0] & 1, 0) << n;  // the corner lies outside the shield
        bilder.insert(b.pixels);
    }
    EXPECT_EQ(bilder.size(), size_t(MANAGER_WAPPEN_ZAHL));
}
