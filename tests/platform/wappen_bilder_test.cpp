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

// The 600 club crests: the builder's check passes them and finds equal crests and monograms
// without contrast.
TEST(WappenBilder, ClubCrestsDistinctReadableAndChecked)
{
    Wappen_Vorlagen v{};
    // two clubs alike in all but their number, one in a mid grey where the letters' colour
    // flips, one without letters
    for (int n : {10, 34, 30}) {
        v[size_t(n)].verein = true;
        v[size_t(n)].farbe[0][0] = v[size_t(n)].farbe[0][1] = v[size_t(n)].farbe[0][2] = 128;
        v[size_t(n)].monogramm[0] = 'S', v[size_t(n)].monogramm[1] = 'V';
    }
    v[30].monogramm[0] = 0;
    std::vector<Resf_Bitmap> alle = Vereins_Wappen_Alle(v);
    ASSERT_EQ(alle.size(), 600u);
    EXPECT_EQ(Vereins_Wappen_Pruefen(alle, v), "");
    for (const Resf_Bitmap& b : alle) {
        EXPECT_EQ(b.mask[0] & 1, 0);
        for (int i = 0; i < 48 * 48; ++i)
            ASSERT_EQ(bool(b.mask[size_t(i / 8)] >> (i % 8) & 1), bool(b.pixels[size_t(2 * i)] | b.pixels[size_t(2 * i + 1)]));
    }
    // 598 is one plain colour inside its edge
    std::set<uint16_t> grau;
    for (int i = 0; i < 48 * 48; ++i)
        if (alle[598].mask[size_t(i / 8)] >> (i % 8) & 1) grau.insert(uint16_t(alle[598].pixels[size_t(2 * i)] | alle[598].pixels[size_t(2 * i + 1)] << 8));
    EXPECT_EQ(grau.size(), 2u);

    std::vector<Resf_Bitmap> doppelt = alle;
    doppelt[77] = doppelt[3];
    EXPECT_EQ(Vereins_Wappen_Pruefen(doppelt, v), "Wappen 3 und 77 sind gleich");
    // the letters of crest 10 in the plate's colour
    std::vector<Resf_Bitmap> blass = alle;
    const uint8_t lo = blass[10].pixels[2 * (24 * 48 + 11)], hi = blass[10].pixels[2 * (24 * 48 + 11) + 1];
    for (int i = 15 * 48; i < 29 * 48; ++i)
        if (i % 48 >= 13 && i % 48 <= 34) blass[10].pixels[size_t(2 * i)] = lo, blass[10].pixels[size_t(2 * i + 1)] = hi;
    blass[10].pixels[2 * (20 * 48 + 20)] ^= 0x40;  // one letter pixel barely different
    EXPECT_EQ(Vereins_Wappen_Pruefen(blass, v), "Wappen 10: Monogramm ohne Kontrast");

    EXPECT_EQ(Wappen_Monogramm("FC Kirchberg"), "FK");
    EXPECT_EQ(Wappen_Monogramm("\xC4rzte-Elf \xD6sterby"), "AE");
    EXPECT_EQ(Wappen_Monogramm("Borussia"), "BO");
    EXPECT_EQ(Wappen_Monogramm("1. 99"), "");
}
