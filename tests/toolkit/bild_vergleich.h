// Frames dumped by a headless run against the pictures stored beside the tests, which a person
// looked at once. DORVIN_BILD_NEU=1 stores the frames of a run as the new pictures.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "graphics/png_bild.h"

// True when both pictures load and every pixel agrees; the count of differing pixels.
inline bool bild_gleich(const std::string& dump, const std::string& erwartet, int* abweichend)
{
    std::vector<uint16_t> a, b;
    int wa = 0, ha = 0, wb = 0, hb = 0;
    if (!Png_Lesen(dump, a, wa, ha, false) || !Png_Lesen(erwartet, b, wb, hb, false)) return false;
    if (wa != wb || ha != hb) return false;
    *abweichend = 0;
    for (size_t i = 0; i < a.size(); ++i) *abweichend += a[i] != b[i];
    return *abweichend == 0;
}

// Compares the dumped frames <ordner>/<name>.png with tests/toolkit/<name>.png and removes the
// folder.
template <class Namen>
void bilder_pruefen(const std::string& ordner, const Namen& namen)
{
    const char* neu = std::getenv("DORVIN_BILD_NEU");
    for (const char* name : namen) {
        std::string dump = ordner + "/" + name + ".png";
        std::string erwartet = std::string(DORVIN_SOURCE_DIR) + "/tests/toolkit/" + name + ".png";
        if (neu && std::strcmp(neu, "1") == 0) {
            ASSERT_EQ(std::system(("cp " + dump + " " + erwartet).c_str()), 0);
        }
        int abweichend = -1;
        EXPECT_TRUE(bild_gleich(dump, erwartet, &abweichend)) << name << ": " << abweichend << " Pixel anders";
    }
    std::system(("rm -rf " + ordner).c_str());
}
