// The staff screen's portraits as the data builder writes them and the screen loads them: one
// face of its own per applicant, the doctors in white coats and the assistants not.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <vector>

#include "common/welt_ordner.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/resfile.h"
#include "screens/personal_bilder.h"

namespace {

struct PersonalBilder : ::testing::Test {
    static inline std::filesystem::path ordner;
    static inline int32_t datei = -1;
    static void SetUpTestSuite()
    {
        ordner = Test_Welt_Bauen("personal_bilder", {"resfiles"});
        datei = Init_ResFile((ordner / "resfile" / "resf_scr.res").c_str());
    }
    static void TearDownTestSuite()
    {
        if (datei >= 0) DeInit_ResFile(datei);
        datei = -1;
        std::filesystem::remove_all(ordner);
    }
    // The picture's pixels row by row, empty unless it loads at the portrait's size.
    static std::vector<uint16_t> pixel(int32_t n)
    {
        std::vector<uint16_t> px;
        auto* rp = static_cast<Rastport*>(Load_Resource(datei, n, 16, nullptr));
        if (rp && rp->width == PERSONAL_BILD_B && rp->height == PERSONAL_BILD_H)
            for (int32_t y = 0; y < PERSONAL_BILD_H; ++y)
                for (int32_t x = 0; x < PERSONAL_BILD_B; ++x) px.push_back(Grafik_Pixel_Lesen(rp, x, y));
        if (rp) Grafik_Bitmap_Freigeben(rp);
        return px;
    }
    static int32_t rot(uint16_t p) { return (p >> 11) << 3; }
    static int32_t gruen(uint16_t p) { return ((p >> 5) & 63) << 2; }
    static int32_t blau(uint16_t p) { return (p & 31) << 3; }
};

TEST_F(PersonalBilder, EveryApplicantHasAFaceOfHisOwnAndTheDoctorsWearWhite)
{
    ASSERT_GE(datei, 0);
    std::set<std::vector<uint16_t>> gesehen;
    for (int32_t k = 0; k < 16; ++k) {
        const bool arzt = k >= 8;
        const std::vector<uint16_t> b = pixel((arzt ? PERSONAL_BILD_ARZT : PERSONAL_BILD_ASSI) + k % 8);
        ASSERT_EQ(b.size(), size_t(PERSONAL_BILD_B * PERSONAL_BILD_H)) << k;
        EXPECT_TRUE(gesehen.insert(b).second) << k << " looks like another applicant";
        auto at = [&](int32_t x, int32_t y) { return b[size_t(y * PERSONAL_BILD_B + x)]; };
        // A face in the middle: skin, warmer than it is blue.
        const uint16_t wange = at(PERSONAL_BILD_B / 2 - 8, 48);
        EXPECT_GT(rot(wange), blau(wange) + 30) << k;
        // The shoulders at the foot: a white coat for a doctor, a jacket for an assistant.
        const uint16_t schulter = at(12, PERSONAL_BILD_H - 8);
        const bool weiss = rot(schulter) > 200 && gruen(schulter) > 200 && blau(schulter) > 200;
        EXPECT_EQ(weiss, arzt) << k;
    }
}

}  // namespace
