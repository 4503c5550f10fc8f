// The transfer search's pictures as the data builder writes them and the page loads them: the
// assistants' frames and the switches' signs, each of its size, with something to see.
#include <gtest/gtest.h>

#include <set>

#include "bilder_datei.h"

namespace {

TEST(SucheBilder, EverySignAndAssistantLoadsAtItsSizeAndTheyDiffer)
{
    const int32_t handle = Test_Bilddatei_Oeffnen();
    ASSERT_GE(handle, 0);
    std::set<std::vector<uint16_t>> verschieden;
    for (int32_t n = 1347; n <= 1362; ++n) {
        auto* b = static_cast<Rastport*>(Load_Resource(handle, n, 16, nullptr));
        ASSERT_NE(b, nullptr) << n;
        EXPECT_EQ(b->width, n <= 1350 ? 30u : 13u) << n;
        EXPECT_EQ(b->height, n <= 1350 ? 30u : 12u) << n;
        std::vector<uint16_t> px;
        int32_t sichtbar = 0;
        for (uint32_t y = 0; y < b->height; ++y)
            for (uint32_t x = 0; x < b->width; ++x) {
                px.push_back(Grafik_Pixel_Lesen(b, int32_t(x), int32_t(y)));
                sichtbar += px.back() != 0;
            }
        // a sign leaves the button's face showing around it; an assistant fills his frame
        EXPECT_GT(sichtbar, 8) << n;
        if (n > 1350) EXPECT_LT(sichtbar, int32_t(b->width * b->height)) << n;
        else EXPECT_EQ(sichtbar, int32_t(b->width * b->height)) << n;
        if (n < 1361) verschieden.insert(px);
        Grafik_Bitmap_Freigeben(b);
    }
    EXPECT_EQ(verschieden.size(), 14u) << "four assistants and ten signs, no two alike";
    DeInit_ResFile(handle);
}

}  // namespace
