// Resource files a user replaced or that were cut off must never crash the loader.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <unistd.h>

#include "common/capture.h"
#include "graphics/grafik_bitmap.h"
#include "platform/mem.h"
#include "platform/resfile.h"
#include "tools/datagen/resf_writer.h"

namespace {

Resf_Bytes gute_datei()
{
    Resf_Datei d;
    Resf_Bitmap b;
    b.width = 12;
    b.height = 9;
    for (int i = 0; i < 12 * 9 * 2; ++i) b.pixels.push_back(uint8_t(i % 5 * 40));
    b.mask.assign(14, 0xFF);
    b.extra.assign(12 * 9 * 2, 1);
    Resf_Bitmap l = b, p = b, a = b;
    l.compression = 4;
    p.compression = 5;
    a.depth = 8;
    a.pixels.resize(12 * 9);
    a.companion_width = 3;
    a.companion_height = 2;
    a.companion.assign(6, 4);
    Resf_Setzen(d, 0, 14, Resf_Bitmap_Daten(b));
    Resf_Setzen(d, 1, 14, Resf_Bitmap_Daten(l));
    Resf_Setzen(d, 2, 14, Resf_Bitmap_Daten(p));
    Resf_Setzen(d, 3, 14, Resf_Bitmap_Daten(a));
    Resf_Bytes sprite = Resf_Sprite_Block(3, 2, 16, {1, 2, 3});
    Resf_Setzen(d, 4, 38, Resf_Sprite_Liste({sprite, sprite}));
    Resf_Setzen(d, 5, 40, Resf_Sprite(sprite, 1, 1));
    Resf_Setzen(d, 6, 61, Resf_Sprite_Farben(sprite, 2, 0, 0, {}));
    Resf_Setzen(d, 7, 48, Resf_Palette({}));
    Resf_Setzen(d, 8, 50, Resf_Film_Bild(4, 4, {}, Resf_Bytes(16, 2), 5, {}));
    Resf_Setzen(d, 9, 16, Resf_Daten(Resf_Bytes(40, 6)));
    Resf_Bytes font(3891 + 4 * 2, 0);
    font[3098] = 8;
    font[3099] = 4;
    font[3103] = 2;
    Resf_Setzen(d, 10, 17, font);
    std::string p0 = std::string(DORVIN_BINARY_DIR) + "/resfile_robust_gut.res";
    EXPECT_TRUE(Resf_Schreiben(d, p0));
    FILE* f = std::fopen(p0.c_str(), "rb");
    Resf_Bytes all(1 << 16);
    all.resize(std::fread(all.data(), 1, all.size(), f));
    std::fclose(f);
    return all;
}

// Opens the bytes as a resource file and loads every entry in every way the program does.
int alles_laden(const Resf_Bytes& bytes, const std::string& pfad)
{
    FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    int32_t h = Init_ResFile(pfad.c_str());
    if (h < 0) return 0;
    int geladen = 0;
    uint8_t palette[768] = {};
    for (int32_t n = 0; n < ResFile_Get_Anzahl(h) && n < 16; ++n) {
        for (int32_t depth : {8, 15, 16}) {
            uint8_t extra[768] = {};
            uint32_t tiefe = 16;
            void* o = Load_Resource(h, n + 24, depth, ResFile_Get_Typ(h, n + 24) == 61 ? static_cast<void*>(&tiefe) : extra);
            if (!o) continue;
            ++geladen;
            int typ = ResFile_Get_Typ(h, n + 24);
            uint8_t kind[4] = {1, 0, 0, 0};
            if (typ == 50) {
                FILE* film = Seek_Resource(h, n + 24, nullptr);
                if (!film || std::fread(kind, 1, 4, film) != 4) ADD_FAILURE();
            }
            if (typ == 14 || (typ == 50 && !(kind[0] | kind[1] | kind[2] | kind[3]))) {
                Grafik_Bitmap_Freigeben(static_cast<Rastport*>(o));
            } else if (typ == 38) {
                auto** liste = static_cast<uint8_t**>(o);
                for (int i = 0; i < 2; ++i) Mem_Free(liste[i], 0);
                Mem_Free(liste, 0);
            } else {
                Mem_Free(o, 0);
            }
        }
        Rastport* ziel = Grafik_Bitmap_Anlegen(12, 9, 16);
        Load_Resource_Buffer(ziel, h, n + 24, 16, palette);
        Grafik_Bitmap_Freigeben(ziel);
    }
    DeInit_ResFile(h);
    return geladen;
}

} // namespace

TEST(ResFileRobust, DamagedFilesFailCleanly)
{
    Fehler_Capture fehler;
    Resf_Bytes good = gute_datei();
    std::string pfad = std::string(DORVIN_BINARY_DIR) + "/resfile_robust_" + std::to_string(getpid()) + ".res";
    ASSERT_EQ(alles_laden(good, pfad), 3 * 11 - 3); // every entry at every depth but the palette
    std::mt19937 rng(5);
    for (size_t cut = 0; cut < good.size(); cut += 1 + good.size() / 400) alles_laden(Resf_Bytes(good.begin(), good.begin() + long(cut)), pfad);
    for (int k = 0; k < 800; ++k) {
        Resf_Bytes bad = good;
        for (int f = 0; f < 1 + k % 4; ++f) bad[rng() % bad.size()] ^= uint8_t(1u << (rng() % 8));
        alles_laden(bad, pfad);
    }
    for (int k = 0; k < 300; ++k) {
        Resf_Bytes bad = good;
        size_t at = rng() % bad.size();
        for (size_t i = at; i < std::min(bad.size(), at + 8); ++i) bad[i] = uint8_t(rng());
        alles_laden(bad, pfad);
    }
    std::remove(pfad.c_str());
}
