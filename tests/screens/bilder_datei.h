// The data builder's picture files for suites that only read them: opened from the folder every
// test process of the build shares, once a suite, and closed after it.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "common/builder_daten.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/resfile.h"

// One of the builder's resource files, opened; -1 when it could not be had.
inline int32_t Test_Bilddatei_Oeffnen(const char* name = "resf_scr.res")
{
    const std::filesystem::path ordner = Test_Resfiles_Ordner();
    return ordner.empty() ? -1 : Init_ResFile((ordner / "resfile" / name).c_str());
}

// The pixels of picture n of the file row by row; empty unless it loads at w x h.
inline std::vector<uint16_t> Test_Bild_Pixel(int32_t datei, int32_t n, int32_t w, int32_t h)
{
    std::vector<uint16_t> px;
    auto* rp = static_cast<Rastport*>(Load_Resource(datei, n, 16, nullptr));
    if (rp && int32_t(rp->width) == w && int32_t(rp->height) == h)
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) px.push_back(Grafik_Pixel_Lesen(rp, x, y));
    if (rp) Grafik_Bitmap_Freigeben(rp);
    return px;
}

// A suite on the screens' picture file (`datei`).
template <class Basis = ::testing::Test>
struct Mit_Bilddatei : Basis {
    static inline int32_t datei = -1;
    static void SetUpTestSuite() { datei = Test_Bilddatei_Oeffnen(); }
    static void TearDownTestSuite()
    {
        if (datei >= 0) DeInit_ResFile(datei);
        datei = -1;
    }
    static std::vector<uint16_t> pixel(int32_t n, int32_t w, int32_t h) { return Test_Bild_Pixel(datei, n, w, h); }
};

// The builder's font of a slot, put into that slot while the object lives, so that widths measured
// in a test are the game's own.
struct Test_Font {
    int32_t slot, datei;
    Font_Record* alt;
    Test_Font(int32_t s) : slot(s), datei(Test_Bilddatei_Oeffnen()), alt(Font_Slots[s])
    {
        if (datei >= 0)
            Font_Slots[slot] = static_cast<Font_Record*>(Load_Resource(datei, FONT_RESOURCE_ERSTE + slot, 16, nullptr));
    }
    ~Test_Font()
    {
        if (Font_Slots[slot] != alt) Font_Free(Font_Slots[slot]);
        Font_Slots[slot] = alt;
        if (datei >= 0) DeInit_ResFile(datei);
    }
};
