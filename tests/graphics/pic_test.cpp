#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_fortschritt.h"
#include "graphics/grafik_screen.h"
#include "graphics/pic.h"
#include "platform/bytes.h"
#include "platform/display.h"
#include "platform/print.h"
#include "platform/win95.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

// The three picture folders in a fresh temporary folder for each test.
class Pic : public testing::Test {
protected:
    fs::path wurzel;
    void SetUp() override
    {
        wurzel = fs::temp_directory_path() / ("pic_test_" + std::to_string(std::random_device{}()));
        const char* namen[3] = {"manager_bilder", "spieler_bilder", "vereins_wappen"};
        char* pfade[3] = {Pfad_Manager_Bilder, Pfad_Spieler_Bilder, Pfad_Vereins_Wappen};
        for (int i = 0; i < 3; ++i) {
            fs::create_directories(wurzel / namen[i]);
            std::snprintf(pfade[i], 256, "%s", (wurzel / namen[i]).c_str());
        }
    }
    void TearDown() override { fs::remove_all(wurzel); }
    std::string datei(int art, const char* name) const
    {
        const char* o[3] = {Pfad_Manager_Bilder, Pfad_Spieler_Bilder, Pfad_Vereins_Wappen};
        return std::string(o[art]) + "/" + name;
    }
};

void schreiben(const std::string& pfad, const Bytes& b)
{
    std::ofstream(pfad, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
}

Bytes lesen(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), {});
}

// An 8-bit run-length PCX with a palette: colour index c(x, y), palette entry i = (i, 255-i, 2i)
// but entry 0 black.
Bytes pcx8(int w, int h, int (*c)(int, int), int bpl = 0)
{
    if (!bpl) bpl = w + (w & 1);
    Bytes d(128, 0);
    d[0] = 0x0A, d[1] = 5, d[2] = 1, d[3] = 8, d[65] = 1;
    Bytes_Setze16(&d[8], uint16_t(w - 1));
    Bytes_Setze16(&d[10], uint16_t(h - 1));
    Bytes_Setze16(&d[66], uint16_t(bpl));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < bpl; ++x) {
            uint8_t v = uint8_t(x < w ? c(x, y) : 0);
            // runs of one for the large values, literals for the rest
            if (v >= 0xC0) d.push_back(0xC1);
            d.push_back(v);
        }
    d.push_back(0x0C);
    for (int i = 0; i < 256; ++i) d.insert(d.end(), {uint8_t(i), uint8_t(i ? 255 - i : 0), uint8_t(2 * i)});
    return d;
}

uint16_t pal565(int i) { return uint16_t(((i >> 3) << 11) | (((i ? 255 - i : 0) >> 2) << 5) | ((2 * i & 255) >> 3)); }

// A BMP of 8 or 24 bits whose pixel (x, y) is colour f(x, y) (r, g, b bytes), palette index = r.
Bytes bmp(int w, int h, int bits, bool oben_zuerst, uint32_t (*f)(int, int))
{
    const int schritt = (w * bits / 8 + 3) & ~3;
    const int pal = bits == 8 ? 1024 : 0;
    Bytes d(54 + pal + schritt * h, 0);
    d[0] = 'B', d[1] = 'M';
    Bytes_Setze32(&d[10], uint32_t(54 + pal));
    Bytes_Setze32(&d[14], 40);
    Bytes_Setze32(&d[18], uint32_t(w));
    Bytes_Setze32(&d[22], uint32_t(oben_zuerst ? -h : h));
    Bytes_Setze16(&d[26], 1);
    Bytes_Setze16(&d[28], uint16_t(bits));
    for (int i = 0; i < pal / 4; ++i) d[54 + 4 * i] = uint8_t(i / 2), d[55 + 4 * i] = 7, d[56 + 4 * i] = uint8_t(i);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t c = f(x, y);
            uint8_t* p = &d[size_t(54 + pal + schritt * (oben_zuerst ? y : h - 1 - y))];
            if (bits == 8)
                p[x] = uint8_t(c >> 16);
            else
                p[3 * x] = uint8_t(c), p[3 * x + 1] = uint8_t(c >> 8), p[3 * x + 2] = uint8_t(c >> 16);
        }
    return d;
}

uint16_t zu565(uint32_t c) { return uint16_t((((c >> 16) & 255) >> 3 << 11) | (((c >> 8) & 255) >> 2 << 5) | ((c & 255) >> 3)); }

Rastport* muster(int w, int h)
{
    Rastport* rp = Grafik_Bitmap_Anlegen(w, h, 16);
    for (int i = 0; i < w * h; ++i) static_cast<uint16_t*>(rp->pixels)[i] = uint16_t(i * 2654435761u >> 7);
    return rp;
}

}  // namespace

TEST_F(Pic, UserPictureRoundTripsAtBothDepthsAndRefusesWhatDoesNotFit)
{
    Rastport* a = muster(7, 5);
    ASSERT_EQ(Pic_Schreiben_Nr(12, a, PIC_SPIELER_BILDER), 1);
    Bytes roh = lesen(datei(1, "0012.rpb"));
    ASSERT_EQ(roh.size(), 280u + 7 * 5 * 2);
    EXPECT_EQ(Bytes_Hole32(&roh[272]), 7u);
    EXPECT_EQ(Bytes_Hole32(&roh[276]), 5u);
    EXPECT_EQ(Bytes_Hole16(&roh[280 + 2 * 8]), static_cast<uint16_t*>(a->pixels)[8]);
    EXPECT_EQ(Pic_Anzahl(PIC_SPIELER_BILDER), 1);
    EXPECT_EQ(Pic_Anzahl(PIC_VEREINS_WAPPEN), 0);

    int32_t gefunden = -1;
    Rastport* b = Pic_Change_Load_User_Bild(12, nullptr, 16, PIC_SPIELER_BILDER, &gefunden);
    ASSERT_TRUE(b);
    EXPECT_EQ(gefunden, 1);
    EXPECT_EQ(b->depth, 16);
    EXPECT_EQ(std::memcmp(a->pixels, b->pixels, 7 * 5 * 2), 0);
    Grafik_Bitmap_Freigeben(b);

    b = Pic_Change_Load_User_Bild(12, nullptr, 15, PIC_SPIELER_BILDER, &gefunden);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->depth, 15);
    for (int i = 0; i < 35; ++i) {
        uint16_t p = static_cast<uint16_t*>(a->pixels)[i], q = uint16_t(((p >> 1) & 0x7FE0) | (p & 31));
        EXPECT_EQ(static_cast<uint16_t*>(b->pixels)[i], p == 0 ? 0 : q ? q : 1);
    }
    // a 15-bit picture is stored as RGB565 again
    ASSERT_EQ(Pic_Schreiben_Nr(13, b, PIC_SPIELER_BILDER), 1);
    Grafik_Bitmap_Freigeben(b);
    EXPECT_EQ(Bytes_Hole16(&lesen(datei(1, "0013.rpb"))[280 + 2 * 9]),
              uint16_t(static_cast<uint16_t*>(a->pixels)[9] & ~0x20));

    // into a wider target: row by row at its width; a smaller target is refused untouched
    Rastport* gross = Grafik_Bitmap_Anlegen(9, 6, 16);
    EXPECT_EQ(Pic_Change_Load_User_Bild(12, gross, 16, PIC_SPIELER_BILDER, &gefunden), gross);
    EXPECT_EQ(static_cast<uint16_t*>(gross->pixels)[9], static_cast<uint16_t*>(a->pixels)[7]);
    Rastport* klein = Grafik_Bitmap_Anlegen(7, 4, 16);
    EXPECT_EQ(Pic_Change_Load_User_Bild(12, klein, 16, PIC_SPIELER_BILDER, &gefunden), nullptr);
    EXPECT_EQ(gefunden, 1);
    EXPECT_EQ(static_cast<uint16_t*>(klein->pixels)[0], 0);

    // missing file, missing flag pointer, damaged sizes and short files
    EXPECT_EQ(Pic_Change_Load_User_Bild(14, nullptr, 16, PIC_SPIELER_BILDER, &gefunden), nullptr);
    EXPECT_EQ(gefunden, 0);
    std::string fehler;
    Print_Fehler_Set_Hook([&](const std::string& t) { fehler = t; });
    EXPECT_EQ(Pic_Change_Load_User_Bild(12, nullptr, 16, PIC_SPIELER_BILDER, nullptr), nullptr);
    Print_Fehler_Set_Hook({});
    EXPECT_EQ(fehler, "Pic_Change_Load_User_Bild: okay-Pointer==NULL!");
    Bytes kaputt = roh;
    Bytes_Setze32(&kaputt[272], 2000);
    schreiben(datei(1, "0015.rpb"), kaputt);
    roh.pop_back();
    schreiben(datei(1, "0016.rpb"), roh);
    EXPECT_EQ(Pic_Change_Load_User_Bild(15, nullptr, 16, PIC_SPIELER_BILDER, &gefunden), nullptr);
    EXPECT_EQ(Pic_Change_Load_User_Bild(16, nullptr, 16, PIC_SPIELER_BILDER, &gefunden), nullptr);

    schreiben(datei(1, "abc.rpb"), {});
    int32_t nummern[8] = {};
    ASSERT_EQ(Pic_Nummern_Ermitteln(PIC_SPIELER_BILDER, 8, nummern), 4);
    EXPECT_EQ(nummern[0], 12);
    EXPECT_EQ(nummern[3], 16);
    EXPECT_EQ(Pic_Nummern_Ermitteln(PIC_SPIELER_BILDER, 2, nummern), 2);
    EXPECT_EQ(Pic_Loeschen(12, PIC_SPIELER_BILDER), 1);
    EXPECT_EQ(Pic_Loeschen(12, PIC_SPIELER_BILDER), 0);
    for (Rastport* r : {a, gross, klein}) Grafik_Bitmap_Freigeben(r);
}

TEST_F(Pic, NumbersFromNamesAndBackupsTakeTheSourceAlong)
{
    EXPECT_EQ(Pic_Nummer_Aus_Name("0012.pcx"), 12);
    EXPECT_EQ(Pic_Nummer_Aus_Name("abc.pcx"), -1);
    EXPECT_EQ(Pic_Nummer_Aus_Name("b1l2d.pcx"), 12);
    EXPECT_EQ(Pic_Nummer_Aus_Name("12.3"), -1);  // the digit is the extension
    EXPECT_EQ(Pic_Nummer_Aus_Name("99999999999.pcx"), INT32_MAX);

    Rastport* a = muster(4, 4);
    uint8_t zeit[16] = {1, 2, 3};
    ASSERT_EQ(Pic_Speichern(datei(2, "0012.rpb").c_str(), a, zeit, "0012.pcx"), 1);
    schreiben(datei(2, "0012.pcx"), {9, 9, 9});
    ASSERT_EQ(Pic_Sicherung(12, 1, PIC_VEREINS_WAPPEN), 1);
    EXPECT_EQ(lesen(datei(2, "0012.bpb")), lesen(datei(2, "0012.rpb")));
    EXPECT_EQ(lesen(datei(2, "0012.bcx")), (Bytes{9, 9, 9}));

    // restore: the backups go back over picture and source
    Pic_Loeschen(12, PIC_VEREINS_WAPPEN);
    schreiben(datei(2, "0012.pcx"), {1});
    ASSERT_EQ(Pic_Sicherung(12, 0, PIC_VEREINS_WAPPEN), 1);
    EXPECT_EQ(lesen(datei(2, "0012.rpb")), lesen(datei(2, "0012.bpb")));
    EXPECT_EQ(lesen(datei(2, "0012.pcx")), (Bytes{9, 9, 9}));

    // a source name that leaves the folder is not followed
    ASSERT_EQ(Pic_Speichern(datei(2, "0013.rpb").c_str(), a, nullptr, "../spieler_bilder/0001.pcx"), 1);
    schreiben(datei(1, "0001.pcx"), {5});
    EXPECT_EQ(Pic_Sicherung(13, 1, PIC_VEREINS_WAPPEN), 1);
    EXPECT_FALSE(fs::exists(datei(1, "0001.bcx")));
    EXPECT_FALSE(fs::exists(datei(2, "../spieler_bilder/0001.bcx")));
    EXPECT_EQ(Pic_Sicherung(14, 1, PIC_VEREINS_WAPPEN), 0);
    Grafik_Bitmap_Freigeben(a);
}

TEST_F(Pic, PcxCrestTransparencySizesAndOverflow)
{
    // a magenta background (palette 200: 200, 55, 144), a black column and coloured pixels
    const std::string pfad = datei(2, "0001.pcx");
    schreiben(pfad, pcx8(9, 6, [](int x, int y) { return x == 0 || y == 5 ? 200 : x == 1 ? 0 : 3 + x + y; }));
    int32_t w = 0, h = 0;
    ASSERT_EQ(PCX_Groesse(pfad.c_str(), &w, &h, 16), 1);
    EXPECT_EQ(w, 9);
    EXPECT_EQ(h, 6);
    std::vector<uint16_t> p(54);
    EXPECT_EQ(PCX_Lesen(pfad.c_str(), p.data(), 9, 5, 16), 0);  // another size
    ASSERT_EQ(PCX_Lesen(pfad.c_str(), p.data(), 9, 6, 16), 1);
    EXPECT_EQ(p[9 * 2 + 4], pal565(9));

    Rastport* b = Pic_Laden(pfad.c_str(), PIC_QUELLE_PCX, 16, 1);
    ASSERT_TRUE(b);
    auto* q = static_cast<uint16_t*>(b->pixels);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 9; ++x) {
            const uint16_t v = q[y * 9 + x];
            // the background is transparent, black stays visible
            EXPECT_EQ(v, x == 0 || y == 5 ? 0 : x == 1 ? 1 : pal565(3 + x + y)) << x << "," << y;
        }
    Grafik_Bitmap_Freigeben(b);

    // 24 bits as three raw planes, odd bytes per line
    Bytes d(128, 0);
    d[0] = 0x0A, d[1] = 5, d[3] = 8, d[65] = 3, d[8] = 1, d[66] = 3;
    for (int plane : {0, 1, 2}) d.insert(d.end(), {uint8_t(10 * plane), uint8_t(255 - plane), 99});
    schreiben(pfad, d);
    ASSERT_EQ(PCX_Lesen(pfad.c_str(), p.data(), 2, 1, 16), 1);
    EXPECT_EQ(p[0], zu565(0x000A14));
    EXPECT_EQ(p[1], zu565(0xFFFEFD));

    // a run past the end is cut at the buffer and shown in a box
    Bytes lang = pcx8(2, 2, [](int, int) { return 1; });
    lang.insert(lang.begin() + 128, {0xFF, 4});
    schreiben(pfad, lang);
    testing::internal::CaptureStderr();
    EXPECT_EQ(PCX_Lesen(pfad.c_str(), p.data(), 2, 2, 16), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Meldung: !! PCX \xC3\x9C" "berlauf !!\n");
    EXPECT_EQ(p[0], pal565(4));
}

TEST_F(Pic, ImportConvertsOnceAndReportsBadFiles)
{
    schreiben(datei(2, "0012.pcx"), pcx8(20, 20, [](int x, int y) { return x < 2 ? 7 : 50 + (x + y) % 3; }));
    schreiben(datei(2, "0030.pcx"), {0x0A, 1, 2, 3});
    schreiben(datei(2, "0700.pcx"), pcx8(2, 2, [](int, int) { return 1; }));
    struct Sammler {
        std::vector<std::string> texte;
    } s;
    auto proc = [](const char* text, void* arg) { static_cast<Sammler*>(arg)->texte.push_back(text); };
    EXPECT_EQ(Pic_Import_Pcx(10, 10, 1, 599, PIC_VEREINS_WAPPEN, proc, &s), 2);
    ASSERT_EQ(s.texte.size(), 2u);
    EXPECT_EQ(s.texte[0], "Das Bild \"0030.pcx\" konnte nicht gelesen werden.");
    EXPECT_EQ(s.texte[1], "\"0700.pcx\" ist kein g\xFCltiger Bilddateiname. Bitte verwenden Sie '0001.pcx' bis "
                          "'0599.pcx' f\xFCr das Verzeichnis " + std::string(Pfad_Vereins_Wappen) + ".");

    int32_t gefunden = 0;
    Rastport* b = Pic_Change_Load_User_Bild(12, nullptr, 16, PIC_VEREINS_WAPPEN, &gefunden);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->width, 10u);
    EXPECT_EQ(static_cast<uint16_t*>(b->pixels)[0], 0);   // the background became transparent
    EXPECT_NE(static_cast<uint16_t*>(b->pixels)[55], 0);
    Grafik_Bitmap_Freigeben(b);
    Bytes leer = lesen(datei(2, "0030.rpb"));
    ASSERT_EQ(leer.size(), 280u + 200);
    EXPECT_STREQ(reinterpret_cast<const char*>(&leer[16]), "0030.pcx");

    // unchanged sources: nothing is written again
    const auto vorher = fs::last_write_time(datei(2, "0012.rpb"));
    fs::remove(datei(2, "0700.pcx"));
    s.texte.clear();
    EXPECT_EQ(Pic_Import_Pcx(10, 10, 1, 599, PIC_VEREINS_WAPPEN, proc, &s), -1);
    EXPECT_TRUE(s.texte.empty());
    EXPECT_EQ(fs::last_write_time(datei(2, "0012.rpb")), vorher);
}

TEST_F(Pic, BmpAndTgaReadRight)
{
    auto farbe = [](int x, int y) { return uint32_t((x * 40) << 16 | (y * 50) << 8 | (x + y) * 20); };
    for (int bits : {8, 24})
        for (bool oben : {false, true}) {
            const std::string pfad = datei(0, "b.bmp");
            schreiben(pfad, bmp(3, 4, bits, oben, farbe));
            int32_t w = 0, h = 0;
            ASSERT_EQ(BMP_Groesse(pfad.c_str(), &w, &h), 1);
            EXPECT_EQ(h, 4);
            std::vector<uint16_t> p(12);
            ASSERT_EQ(BMP_Lesen(pfad.c_str(), p.data(), 3, 4), 1);
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 3; ++x) {
                    // the 8-bit palette entry i is (i, 7, i / 2)
                    uint32_t r = (farbe(x, y) >> 16) & 255, c = bits == 24 ? farbe(x, y) : r << 16 | 7 << 8 | r / 2;
                    EXPECT_EQ(p[size_t(y * 3 + x)], zu565(c)) << bits << oben << x << y;
                }
        }
    Bytes rl = bmp(2, 2, 8, false, farbe);
    rl[30] = 1;
    schreiben(datei(0, "r.bmp"), rl);
    int32_t w, h;
    EXPECT_EQ(BMP_Groesse(datei(0, "r.bmp").c_str(), &w, &h), 0);

    const std::string t = datei(0, "t.tga");
    uint8_t pal[768], pal2[768];
    for (int i = 0; i < 768; ++i) pal[i] = uint8_t(i * 7 % 64);
    Bytes acht(15), acht2(15);
    for (int i = 0; i < 15; ++i) acht[size_t(i)] = uint8_t(i * 17);
    ASSERT_EQ(TGA_Schreiben(t.c_str(), 5, 3, acht.data(), 8, pal), 1);
    ASSERT_EQ(TGA_Lesen(t.c_str(), 5, 3, acht2.data(), 8, pal2), 1);
    EXPECT_EQ(acht, acht2);
    EXPECT_EQ(std::memcmp(pal, pal2, 768), 0);
    EXPECT_EQ(TGA_Lesen(t.c_str(), 5, 3, acht2.data(), 16, pal2), 0);
    for (int tiefe : {15, 16}) {
        std::vector<uint16_t> a(15), b(15);
        for (int i = 0; i < 15; ++i) a[size_t(i)] = uint16_t((i * 2654435761u >> 9) & (tiefe == 15 ? 0x7FFF : 0xFFFF));
        ASSERT_EQ(TGA_Schreiben(t.c_str(), 5, 3, a.data(), tiefe, nullptr), 1);
        ASSERT_EQ(TGA_Lesen(t.c_str(), 5, 3, b.data(), tiefe, nullptr), 1);
        EXPECT_EQ(a, b) << tiefe;
    }
    Bytes bgr(45), bgr2(45);
    for (int i = 0; i < 45; ++i) bgr[size_t(i)] = uint8_t(i * 37);
    ASSERT_EQ(TGA_Schreiben(t.c_str(), 5, 3, bgr.data(), 24, nullptr), 1);
    ASSERT_EQ(TGA_Lesen(t.c_str(), 5, 3, bgr2.data(), 24, nullptr), 1);
    EXPECT_EQ(bgr, bgr2);
    // a top-down file of 16-bit pixels (1555)
    Bytes tga(18, 0);
    tga[2] = 2, tga[12] = 1, tga[14] = 2, tga[16] = 16, tga[17] = 0x20;
    tga.insert(tga.end(), {0x1F, 0x7C, 0xE0, 0x03});
    schreiben(t, tga);
    std::vector<uint16_t> z(2);
    ASSERT_EQ(TGA_Lesen(t.c_str(), 1, 2, z.data(), 16, nullptr), 1);
    EXPECT_EQ(z[0], 0xF81F);
    EXPECT_EQ(z[1], 0x07C0);
}

TEST_F(Pic, DamagedFilesFailCleanly)
{
    Rastport* a = muster(6, 4);
    ASSERT_EQ(Pic_Schreiben_Nr(1, a, PIC_MANAGER_BILDER), 1);
    const std::string t = datei(0, "m.tga");
    uint8_t pal[768] = {};
    ASSERT_EQ(TGA_Schreiben(t.c_str(), 6, 4, a->pixels, 16, nullptr), 1);
    const Bytes vorlagen[5] = {
        pcx8(6, 4, [](int x, int y) { return x * 50 + y; }), bmp(6, 4, 8, false, [](int x, int) { return uint32_t(x); }),
        bmp(6, 4, 24, true, [](int x, int y) { return uint32_t(x * y); }), lesen(t), lesen(datei(0, "0001.rpb"))};
    std::mt19937 zufall(7);
    std::vector<uint16_t> p(size_t(6 * 4));
    testing::internal::CaptureStderr();
    for (int runde = 0; runde < 2000; ++runde) {
        const int art = runde % 5;
        Bytes d = vorlagen[art];
        if (runde % 3 == 0) {
            d.resize(zufall() % d.size());
        } else {
            for (int k = 1 + int(zufall() % 4); k > 0; --k) {
                // the headers are where damage matters most
                size_t i = zufall() % (zufall() % 2 ? std::min<size_t>(d.size(), 300) : d.size());
                d[i] = uint8_t(zufall());
            }
        }
        const std::string pfad = art == 4 ? datei(0, "0002.rpb") : t;
        schreiben(pfad, d);
        int32_t w = 0, h = 0, g = 0;
        switch (art) {
        case 0:
            PCX_Lesen(pfad.c_str(), p.data(), 6, 4, 16);
            Grafik_Bitmap_Freigeben(Pic_Laden(pfad.c_str(), PIC_QUELLE_PCX, 16, 1));
            break;
        case 1:
        case 2:
            BMP_Lesen(pfad.c_str(), p.data(), 6, 4);
            Grafik_Bitmap_Freigeben(Pic_Konvertieren(pfad.c_str(), 3, 3, 15, PIC_QUELLE_BMP, 0));
            if (BMP_Groesse(pfad.c_str(), &w, &h)) {
                EXPECT_LE(int64_t(w) * h, int64_t(d.size()));
            }
            break;
        case 3: TGA_Lesen(pfad.c_str(), 6, 4, p.data(), 16, pal); break;
        default: {
            Rastport* ziel = Grafik_Bitmap_Anlegen(6, 4, 16);
            Pic_Change_Load_User_Bild(2, ziel, 16, PIC_MANAGER_BILDER, &g);
            Grafik_Bitmap_Freigeben(ziel);
            Grafik_Bitmap_Freigeben(Pic_Change_Load_User_Bild(2, nullptr, 15, PIC_MANAGER_BILDER, &g));
            Pic_Sicherung(2, 1, PIC_MANAGER_BILDER);
        }
        }
    }
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(Pic_Laden(t.c_str(), PIC_QUELLE_ZWISCHENABLAGE, 16, 0), nullptr);
    Grafik_Bitmap_Freigeben(a);
}

TEST_F(Pic, LargeImportShowsItsProgress)
{
    Bildschirm_Modus = 101;
    ASSERT_EQ(Grafik_Screen_Init(640, 480, 16), 1);
    const Bytes bild = pcx8(4, 4, [](int x, int) { return x + 1; });
    for (int i = 1; i <= 31; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "%04d.pcx", i * 10);
        schreiben(datei(1, name), bild);
    }
    struct Lage {
        bool offen = false;
        int meldungen = 0;
    } lage;
    // 0310.pcx lies outside the allowed numbers: its message comes while the box is open
    auto proc = [](const char*, void* arg) {
        auto* l = static_cast<Lage*>(arg);
        int32_t x, y, w;
        l->offen = Grafik_Fortschritt_Lage(&x, &y, &w);
        ++l->meldungen;
    };
    EXPECT_EQ(Pic_Import_Pcx(4, 4, 0, 300, PIC_SPIELER_BILDER, proc, &lage), 30);
    EXPECT_EQ(lage.meldungen, 1);
    EXPECT_TRUE(lage.offen);
    int32_t x, y, w;
    EXPECT_FALSE(Grafik_Fortschritt_Lage(&x, &y, &w));
    EXPECT_EQ(Pic_Anzahl(PIC_SPIELER_BILDER), 30);
    Grafik_Screen_DeInit();
}

namespace {

// At start the portraits and crests dropped in as PCX become pictures of the sizes the game
// draws; the managers' folder is not read.
TEST_F(Pic, StartImportTakesPortraitsAndCrestsInTheirSizes)
{
    auto farbe = [](int x, int y) { return 1 + (x + y) % 7; };
    schreiben(datei(1, "0007.pcx"), pcx8(36, 41, farbe));
    schreiben(datei(2, "0123.pcx"), pcx8(40, 40, farbe));
    schreiben(datei(0, "0001.pcx"), pcx8(36, 41, farbe));
    testing::internal::CaptureStderr();
    Pic_Import_Beim_Start();
    testing::internal::GetCapturedStderr();
    int32_t g = 0;
    Rastport* kopf = Pic_Change_Load_User_Bild(7, nullptr, 16, PIC_SPIELER_BILDER, &g);
    ASSERT_NE(kopf, nullptr);
    EXPECT_EQ(kopf->width, 36u);
    EXPECT_EQ(kopf->height, 41u);
    Grafik_Bitmap_Freigeben(kopf);
    Rastport* wappen = Pic_Change_Load_User_Bild(123, nullptr, 16, PIC_VEREINS_WAPPEN, &g);
    ASSERT_NE(wappen, nullptr);
    EXPECT_EQ(wappen->width, 40u);
    EXPECT_EQ(wappen->height, 40u);
    Grafik_Bitmap_Freigeben(wappen);
    EXPECT_EQ(Pic_Anzahl(PIC_MANAGER_BILDER), 0);
}

}  // namespace
