// A test that plays the installed program under a headless script and reads the frames the
// script dumps. The pictures stay in DORVIN_BILDER=DIR when it is set, to be looked at, named
// with the test's prefix; the folder of a passed test is removed.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "graphics/png_bild.h"
#include "programm_lauf.h"

namespace programm_lauf {

// A dumped 640 x 480 frame (black when it could not be read).
struct Bild {
    std::vector<uint16_t> px;
    int w = 0, h = 0;
    uint16_t at(int x, int y) const { return px[size_t(y * w + x)]; }
    // Pixels of the rectangle that differ from the other picture's.
    int anders(const Bild& b, int x1, int y1, int x2, int y2) const
    {
        int n = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x) n += at(x, y) != b.at(x, y);
        return n;
    }
    // Distinct colours in the rectangle.
    size_t farben(int x1, int y1, int x2, int y2) const
    {
        std::vector<uint16_t> f;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x) f.push_back(at(x, y));
        std::sort(f.begin(), f.end());
        return size_t(std::unique(f.begin(), f.end()) - f.begin());
    }
};

// Reads a dumped frame; DORVIN_BILDER=DIR keeps a copy named `behalten` to be looked at.
inline bool bild_lesen(const std::string& pfad, const std::string& behalten, Bild* b)
{
    const bool gelesen = Png_Lesen(pfad, b->px, b->w, b->h, false);
    if (const char* ziel = std::getenv("DORVIN_BILDER"); ziel && gelesen)
        fs::copy_file(pfad, fs::path(ziel) / (behalten + ".png"), fs::copy_options::overwrite_existing);
    return gelesen;
}

class Programm_Bilder_Test : public testing::Test {
protected:
    explicit Programm_Bilder_Test(std::string name) : name_(std::move(name)) {}
    Installation inst;
    void SetUp() override { ASSERT_TRUE(inst.anlegen("dorvin_" + name_)); }
    void TearDown() override
    {
        if (!HasFailure()) fs::remove_all(inst.ordner);
    }
    std::string pfad(const std::string& name) const { return (inst.ordner / (name + ".png")).string(); }
    Bild lesen(const std::string& name) const
    {
        Bild b;
        EXPECT_TRUE(bild_lesen(pfad(name), name_ + "_" + name, &b)) << name;
        if (b.w != 640 || b.h != 480) b = {std::vector<uint16_t>(640 * 480), 640, 480};
        return b;
    }

private:
    std::string name_;
};

}  // namespace programm_lauf
