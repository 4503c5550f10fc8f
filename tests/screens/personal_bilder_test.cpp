// The staff screen's pictures as the data builder writes them and the screen loads them: one
// face of its own per applicant, the doctors in white coats and the assistants not; the icons in
// the colours the screen gives the labels.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "bilder_datei.h"
#include "graphics/grafik_farbe.h"
#include "screens/personal_bilder.h"

namespace {

struct PersonalBilder : Mit_Bilddatei<> {
    // The picture's pixels row by row, empty unless it loads at the given size.
    static std::vector<uint16_t> pixel(int32_t n, int32_t w = PERSONAL_BILD_B, int32_t h = PERSONAL_BILD_H)
    {
        return Test_Bild_Pixel(datei, n, w, h);
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

uint16_t vier_bit(const uint8_t c[3]) { return Grafik_Farbe(c[0], c[1], c[2]); }

TEST_F(PersonalBilder, ApplicantIconsShowHiredInTheColourTheirLabelsTake)
{
    ASSERT_GE(datei, 0);
    constexpr int32_t B = PERSONAL_BEWERBER_B;
    std::set<std::vector<uint16_t>> gesehen;
    for (int32_t k = 0; k < 32; ++k) {
        const std::vector<uint16_t> b = pixel(PERSONAL_BILD_BEWERBER + k, B, B);
        ASSERT_EQ(b.size(), size_t(B * B)) << k;
        EXPECT_TRUE(gesehen.insert(b).second) << k << " looks like another icon";
        // Beside the figure: his own colour once hired (the labels he holds are filled with
        // it), the paper while he is free.
        const bool angestellt = k % 16 >= 8;
        const uint16_t grund = b[size_t(24 * B + 4)];
        EXPECT_EQ(grund, angestellt ? vier_bit(PERSONAL_FARBE[k % 8]) : vier_bit(PERSONAL_PAPIER)) << k;
    }
}

TEST_F(PersonalBilder, SymbolsAndArrowsLoadAndDifferAndTheSymbolsLetTheLabelShowRound)
{
    ASSERT_GE(datei, 0);
    std::set<std::vector<uint16_t>> gesehen;
    for (int32_t n = PERSONAL_BILD_BEREICH; n < PERSONAL_BILD_FACH + 11; ++n) {
        const std::vector<uint16_t> b = pixel(n, PERSONAL_SYMBOL_B, PERSONAL_SYMBOL_B);
        ASSERT_EQ(b.size(), size_t(PERSONAL_SYMBOL_B * PERSONAL_SYMBOL_B)) << n;
        EXPECT_TRUE(gesehen.insert(b).second) << n << " looks like another symbol";
        EXPECT_EQ(b[0], 0) << n << ": the corner hides the holder's colour";
        EXPECT_NE(b[size_t((PERSONAL_SYMBOL_B + 1) * (PERSONAL_SYMBOL_B / 2))], 0) << n;  // the middle
    }
    const std::vector<uint16_t> zurueck = pixel(PERSONAL_BILD_PFEIL, PERSONAL_PFEIL_B, PERSONAL_PFEIL_H),
                                vor = pixel(PERSONAL_BILD_PFEIL + 1, PERSONAL_PFEIL_B, PERSONAL_PFEIL_H);
    ASSERT_FALSE(zurueck.empty());
    ASSERT_FALSE(vor.empty());
    EXPECT_NE(zurueck, vor);
}

}  // namespace
