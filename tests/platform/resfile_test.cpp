#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "common/capture.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_sprite.h"
#include "platform/bytes.h"
#include "platform/mem.h"
#include "platform/resfile.h"
#include "tools/datagen/resf_writer.h"

namespace {

std::string pfad(const std::string& name) { return std::string(DORVIN_BINARY_DIR) + "/resfile_test_" + name; }

void alle_schliessen()
{
    for (int i = 0; i < RESFILE_SLOTS; ++i) DeInit_ResFile(i);
}

// A file whose index position i holds a type-16 block with the single byte i (mod 256).
std::string nummerierte_datei(const std::string& name, uint32_t n)
{
    Resf_Datei d;
    for (uint32_t i = 0; i < n; ++i) Resf_Setzen(d, i, RES_DATEN, Resf_Daten({uint8_t(i)}));
    std::string p = pfad(name);
    EXPECT_TRUE(Resf_Schreiben(d, p));
    return p;
}

int block_byte(int32_t handle, int32_t number)
{
    auto* b = static_cast<uint8_t*>(Load_Resource(handle, number, 0, nullptr));
    if (!b) return -1;
    int v = b[0];
    Mem_Free(b, 0);
    return v;
}

Resf_Bytes pixel16(uint32_t n, uint16_t base)
{
    Resf_Bytes b;
    for (uint32_t i = 0; i < n; ++i) {
        uint16_t p = uint16_t(base + i * 37);
        b.push_back(uint8_t(p));
        b.push_back(uint8_t(p >> 8));
    }
    return b;
}

const uint8_t* bytes(const Rastport* b) { return static_cast<const uint8_t*>(b->pixels); }
Resf_Bytes pixel_bytes(const Rastport* b, size_t n) { return Resf_Bytes(bytes(b), bytes(b) + n); }
uint16_t px(const Rastport* b, uint32_t i) { return uint16_t(bytes(b)[2 * i] | bytes(b)[2 * i + 1] << 8); }

int32_t oeffne(const Resf_Datei& d, const std::string& name)
{
    std::string p = pfad(name);
    EXPECT_TRUE(Resf_Schreiben(d, p));
    return Init_ResFile(p.c_str());
}

} // namespace

TEST(ResFile, OpeningAndTheNumberShift)
{
    alle_schliessen();
    Fehler_Capture fehler;
    std::string p300 = nummerierte_datei("300.res", 300);
    std::string p2999 = nummerierte_datei("2999.res", 2999);
    std::string p3000 = nummerierte_datei("3000.res", 3000);

    std::string falsch = pfad("falsch.res");
    FILE* f = std::fopen(falsch.c_str(), "wb");
    std::fputs("RIFFxxxxxxxxxxxx", f);
    std::fclose(f);
    EXPECT_EQ(Init_ResFile(falsch.c_str()), -1);
    EXPECT_TRUE(fehler.contains("Init_ResFile: Kein Resource File"));
    EXPECT_EQ(Resource_Get_Free_Slot(), 0);

    ASSERT_EQ(Init_ResFile(p300.c_str()), 0);
    ASSERT_EQ(Init_ResFile(p2999.c_str()), 1);
    EXPECT_EQ(block_byte(0, 24), 0);
    EXPECT_EQ(block_byte(0, 23), 24); // negative positions read entry 24
    EXPECT_EQ(block_byte(0, 0), 24);
    EXPECT_EQ(Seek_Resource(0, 10, nullptr), nullptr);
    EXPECT_EQ(block_byte(0, 299 + 24), 299 % 256);
    EXPECT_EQ(block_byte(0, 300 + 24), -1);
    EXPECT_EQ(block_byte(1, 5), 5); // a small handle-1 file is not shifted
    int32_t typ = 0;
    ASSERT_NE(Seek_Resource(1, 2998, &typ), nullptr);
    EXPECT_EQ(typ, RES_DATEN);
    EXPECT_EQ(ResFile_Get_Typ(1, 2999), 0);
    DeInit_ResFile(1);

    ASSERT_EQ(Init_ResFile(p3000.c_str()), 1);
    EXPECT_EQ(block_byte(1, 29), 5);
    EXPECT_EQ(ResFile_Get_Typ(1, 10), 0);
    EXPECT_EQ(ResFile_Get_Anzahl(1), 3000);

    for (int i = 2; i < RESFILE_SLOTS; ++i) ASSERT_EQ(Init_ResFile(p300.c_str()), i);
    EXPECT_EQ(Init_ResFile(p300.c_str()), -1);
    EXPECT_TRUE(fehler.contains("Init_ResFile: Zuviele Resourcen"));
    EXPECT_EQ(ResFile_Get_Anzahl(30), 0);
    EXPECT_TRUE(fehler.contains("DeInit_ResFile: ungültiger handle"));
    alle_schliessen();
    EXPECT_EQ(Resource_Get_Free_Slot(), 0);
}

TEST(ResFile, BitmapsFitTheTargetDepth)
{
    alle_schliessen();
    Fehler_Capture fehler;
    Resf_Datei d;
    Resf_Bitmap b16;
    b16.width = 40;
    b16.height = 30;
    b16.x_offset = 7;
    b16.pixels = pixel16(1200, 0x0020);
    Resf_Setzen(d, 0, RES_BITMAP, Resf_Bitmap_Daten(b16));

    Resf_Bitmap b8;
    b8.width = 5;
    b8.height = 3;
    b8.depth = 8;
    b8.pixels = {0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0, 1, 2, 3, 255};
    b8.palette.assign(768, 0);
    b8.palette[3] = 63;          // entry 1: red
    b8.palette[3 * 2 + 1] = 63;  // entry 2: green
    b8.palette[3 * 255 + 2] = 62;
    b8.mask = {0xAA, 0x55, 0, 0, 0, 0};                      // refused: not below 15/8 + 4
    b8.companion_width = 2;
    b8.companion_height = 2;
    b8.companion = {9, 8, 7, 6};
    b8.extra = Resf_Bytes(30, 0x5A);
    Resf_Setzen(d, 1, RES_BITMAP, Resf_Bitmap_Daten(b8));
    Resf_Bitmap b8m = b8;
    b8m.mask = {0xAA, 0x55, 0x01};
    Resf_Setzen(d, 2, RES_BITMAP, Resf_Bitmap_Daten(b8m));

    Resf_Bitmap lzss = b16, pack4 = b16, code2 = b16;
    lzss.compression = 4;
    pack4.compression = 5;
    code2.compression = 2;
    code2.pixels = Resf_Packen(b16.pixels, 4);
    Resf_Setzen(d, 3, RES_BITMAP, Resf_Bitmap_Daten(lzss));
    Resf_Setzen(d, 4, RES_BITMAP, Resf_Bitmap_Daten(pack4));
    Resf_Setzen(d, 5, RES_BITMAP, Resf_Bitmap_Daten(code2));
    lzss.keep_packed = 1;
    Resf_Setzen(d, 6, RES_BITMAP, Resf_Bitmap_Daten(lzss));
    int32_t h = oeffne(d, "bilder.res");
    ASSERT_EQ(h, 0);

    auto* stored = static_cast<Rastport*>(Load_Resource(h, 24, 16, nullptr));
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->depth, 16);
    EXPECT_EQ(ResFile_Letzter_X_Offset, 7);
    EXPECT_EQ(pixel_bytes(stored, 2400), b16.pixels);
    auto* as555 = static_cast<Rastport*>(Load_Resource(h, 24, 15, nullptr));
    ASSERT_NE(as555, nullptr);
    EXPECT_EQ(as555->depth, 15);
    EXPECT_EQ(px(as555, 0), 0x0001); // darkest green stays visible
    for (uint32_t i = 1; i < 1200; ++i) {
        uint16_t p = px(stored, i);
        ASSERT_EQ(px(as555, i), uint16_t(((p >> 1) & 0x7FE0) | (p & 0x1F)));
    }

    // Packed with either method, the picture comes back unchanged.
    for (int32_t n : {27, 28}) {
        auto* b = static_cast<Rastport*>(Load_Resource(h, n, 16, nullptr));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(pixel_bytes(b, 2400), b16.pixels) << n;
        Grafik_Bitmap_Freigeben(b);
    }
    auto* zero = static_cast<Rastport*>(Load_Resource(h, 29, 16, nullptr));
    ASSERT_NE(zero, nullptr);
    EXPECT_TRUE(fehler.contains("Compress: unbekannt"));
    EXPECT_EQ(pixel_bytes(zero, 2400), Resf_Bytes(2400, 0));

    // Keep-packed entries stay packed once the graphics option is on and unpack on demand;
    // a blit from the packed bitmap draws the picture and leaves the packed data alone.
    Grafik_Option_Setzen();
    auto* packed = static_cast<Rastport*>(Load_Resource(h, 30, 15, nullptr));
    ResFile_Gepackt_Behalten = 0;  // the option is process-wide; later loads unpack again
    ASSERT_NE(packed, nullptr);
    EXPECT_EQ(packed->packed, 1);
    EXPECT_EQ(packed->pack_method, 4);
    EXPECT_EQ(packed->packed_depth, 16);
    Rastport* unpacked = Unpack_Bitmap(packed, 15);
    ASSERT_NE(unpacked, nullptr);
    EXPECT_EQ(pixel_bytes(unpacked, 2400), pixel_bytes(as555, 2400));
    Resf_Bytes gepackt = pixel_bytes(packed, packed->packed_size);
    Rastport* bild = Grafik_Bitmap_Anlegen(40, 30, 15);
    ASSERT_EQ(Grafik_Blit(packed, 0, 0, 40, 30, bild, 0, 0), 1);
    EXPECT_EQ(pixel_bytes(bild, 2400), pixel_bytes(as555, 2400));
    EXPECT_EQ(pixel_bytes(packed, packed->packed_size), gepackt);
    EXPECT_EQ(Grafik_Blit(as555, 0, 0, 40, 30, packed, 0, 0), 0);
    Grafik_Bitmap_Freigeben(bild);

    // 8 bit to 16 through the entry's palette; a refused mask is skipped so that the companion
    // and the extra data behind it are still read correctly.
    uint8_t palette[768];
    auto* rgb = static_cast<Rastport*>(Load_Resource(h, 25, 16, palette));
    ASSERT_NE(rgb, nullptr);
    EXPECT_TRUE(fehler.contains("Load_Resource: Maske: Fehler"));
    EXPECT_EQ(palette[3], 63);
    EXPECT_EQ(rgb->depth, 16);
    EXPECT_EQ(px(rgb, 1), 0xF800);
    EXPECT_EQ(px(rgb, 2), 0x07E0);
    EXPECT_EQ(px(rgb, 14), 0x001F);
    ASSERT_NE(rgb->companion, nullptr);
    EXPECT_EQ(bytes(rgb->companion)[3], 6);
    ASSERT_NE(rgb->extra, nullptr);
    EXPECT_EQ(static_cast<const uint8_t*>(rgb->extra)[29], 0x5A);
    auto* masked = static_cast<Rastport*>(Load_Resource(h, 26, 16, nullptr));
    ASSERT_NE(masked, nullptr);
    ASSERT_NE(masked->mask, nullptr);
    EXPECT_EQ(masked->mask[1], 0x55);

    // 16 bit to 8 through the caller's palette: nearest entries, never entry 0.
    auto* indexed = static_cast<Rastport*>(Load_Resource(h, 24, 8, b8.palette.data()));
    ASSERT_NE(indexed, nullptr);
    EXPECT_EQ(indexed->depth, 8);
    for (uint32_t i = 0; i < 1200; ++i) ASSERT_NE(bytes(indexed)[i], 0);
    EXPECT_EQ(Load_Resource(h, 24, 8, nullptr), nullptr);
    EXPECT_EQ(Load_Resource(h, 24, 12, nullptr), nullptr);

    // The caller's bitmap must match the entry.
    Rastport* ziel = Grafik_Bitmap_Anlegen(40, 30, 15);
    Load_Resource_Buffer(ziel, h, 24, 15, nullptr);
    EXPECT_EQ(pixel_bytes(ziel, 2400), pixel_bytes(as555, 2400));
    Rastport* klein = Grafik_Bitmap_Anlegen(10, 10, 16);
    Load_Resource_Buffer(klein, h, 24, 16, nullptr);
    EXPECT_TRUE(fehler.contains("Load_Resource: Größe!"));
    EXPECT_EQ(pixel_bytes(klein, 200), Resf_Bytes(200, 0));

    for (Rastport* b : {stored, as555, zero, packed, unpacked, rgb, masked, indexed, ziel, klein}) Grafik_Bitmap_Freigeben(b);
    alle_schliessen();
}

TEST(ResFile, PalettesSpritesFontsAndFilms)
{
    alle_schliessen();
    Fehler_Capture fehler;
    Resf_Bytes pal(768);
    for (int i = 0; i < 768; ++i) pal[i] = uint8_t(i % 64);
    Resf_Bytes sprite = Resf_Sprite_Block(4, 2, 16, {1, 2, 3, 4});
    Resf_Datei d;
    Resf_Setzen(d, 0, RES_PALETTE, Resf_Palette(pal));
    Resf_Setzen(d, 1, RES_SPRITE, Resf_Sprite(sprite, 3, 5));
    Resf_Setzen(d, 2, RES_SPRITE_LISTE, Resf_Sprite_Liste({sprite, sprite, sprite}));
    Resf_Setzen(d, 3, RES_SPRITE_FARBEN, Resf_Sprite_Farben(sprite, 2, 1, 1, pal));
    Resf_Setzen(d, 4, RES_FILM, Resf_Film_Bild(6, 4, Resf_Wav({1, 2}, 22050), Resf_Bytes(24, 9), 4, pal));
    Resf_Bytes font(3891 + 8 * 2, 0);
    font[3098] = 8;
    font[3099] = 8;
    font[3103] = 2;
    font[3891 + 15] = 0xEE;
    font[3879] = 1; // bold, which a loaded font never keeps
    Resf_Setzen(d, 5, RES_FONT, font);
    Resf_Setzen(d, 6, 99, {0, 0});
    int32_t h = oeffne(d, "sonst.res");
    ASSERT_EQ(h, 0);

    std::memset(Aktuelle_Palette, 0, 768);
    EXPECT_EQ(Load_Resource(h, 24, 0, nullptr), nullptr);
    EXPECT_EQ(Resf_Bytes(Aktuelle_Palette, Aktuelle_Palette + 768), pal);

    auto* s = static_cast<Rle_Sprite*>(Load_Resource(h, 25, 16, nullptr));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->x_offset, -3); // hot spot stored negated
    EXPECT_EQ(s->y_offset, -5);
    EXPECT_EQ(s->depth, 16);
    EXPECT_EQ(Bytes_Hole16(s->data + 2), 0x0201); // first pixel of the copy run
    Grafik_Sprite_Freigeben(s);
    // on a 15-bit screen the pixels become RGB555
    s = static_cast<Rle_Sprite*>(Load_Resource(h, 25, 15, nullptr));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->depth, 15);
    EXPECT_EQ(Bytes_Hole16(s->data + 2), ((0x0201 & 0xF800) >> 1 & 0x7C00) | ((0x0201 & 0x07E0) >> 1) | 1);
    Grafik_Sprite_Freigeben(s);

    int32_t anzahl = 0;
    auto** liste = static_cast<Rle_Sprite**>(Load_Resource(h, 26, 16, &anzahl));
    ASSERT_NE(liste, nullptr);
    EXPECT_EQ(anzahl, 3);
    for (int i = 0; i < 3; ++i) Grafik_Sprite_Freigeben(liste[i]);
    Mem_Free(liste, 0);

    uint32_t tiefe = 15;
    auto* farben = static_cast<Rle_Sprite*>(Load_Resource(h, 27, 0, &tiefe));
    ASSERT_NE(farben, nullptr);
    ASSERT_NE(farben->colours, nullptr);
    // Colour entry 1 is (3, 4, 5) on the 6-bit scale, as RGB555.
    EXPECT_EQ(farben->colours[1], uint16_t(((12 << 7) & 0x7C00) | ((16 << 2) & 0x3E0) | (20 >> 3)));
    Grafik_Sprite_Freigeben(farben);

    uint8_t kind_wav[44] = {};
    auto* film = static_cast<Rastport*>(Load_Resource(h, 28, 0, kind_wav));
    ASSERT_NE(film, nullptr);
    EXPECT_EQ(film->depth, 8);
    EXPECT_EQ(bytes(film)[23], 9);
    EXPECT_EQ(std::memcmp(kind_wav, "RIFF", 4), 0);
    Grafik_Bitmap_Freigeben(film);

    // A font entry comes back as a font: bold off, spacing 1, the strip at the wanted depth.
    auto* f = static_cast<Font_Record*>(Load_Resource(h, 29, 8, nullptr));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->bold, 0u);
    EXPECT_EQ(f->spacing, 1u);
    ASSERT_NE(f->strip, nullptr);
    EXPECT_EQ(f->strip->width, 8u);
    EXPECT_EQ(f->strip->depth, 8);
    EXPECT_EQ(bytes(f->strip)[15], 0xEE);
    Font_Free(f);
    f = static_cast<Font_Record*>(Load_Resource(h, 29, 16, nullptr));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->strip->depth, 16);
    Font_Free(f);

    EXPECT_EQ(Load_Resource(h, 30, 16, nullptr), nullptr);
    EXPECT_TRUE(fehler.contains("Load_Resource: Unkown"));
    std::vector<uint8_t> namen(7 * 256);
    EXPECT_EQ(ResFile_Namen_Lesen(h, namen.data()), 0); // written without a name table
    alle_schliessen();

    d.namen = {"palette", "sprite"};
    h = oeffne(d, "namen.res");
    ASSERT_EQ(ResFile_Namen_Lesen(h, namen.data()), 1);
    EXPECT_STREQ(reinterpret_cast<char*>(namen.data() + 256), "sprite");
    EXPECT_EQ(namen[6 * 256], 0);
    alle_schliessen();
}

// A hot spot is stored negated in the 16-bit offsets: one that lies further than a screen's
// width outside its picture (the most negative one among them) is refused, not negated.
TEST(ResFile, SpriteHotSpotsFarOutsideAreRefused)
{
    alle_schliessen();
    Fehler_Capture fehler;
    Resf_Bytes sprite = Resf_Sprite_Block(4, 2, 16, {1, 2, 3, 4});
    struct { uint32_t x, y; bool gut; } faelle[] = {
        {uint32_t(-1024), 2 + 1024, true}, {4 + 1024, uint32_t(-1024), true},
        {0x80000000u, 0, false}, {0, 0x80000000u, false}, {uint32_t(-1025), 0, false},
        {4 + 1025, 0, false}, {0, 2 + 1025, false}, {0x7FFFFFFFu, 0, false},
    };
    Resf_Datei d;
    uint32_t n = 0;
    for (auto f : faelle) {
        Resf_Setzen(d, n++, RES_SPRITE, Resf_Sprite(sprite, f.x, f.y));
        Resf_Setzen(d, n++, RES_SPRITE_FARBEN, Resf_Sprite_Farben(sprite, 2, f.x, f.y, {}));
    }
    int32_t h = oeffne(d, "hotspot.res");
    ASSERT_EQ(h, 0);
    for (uint32_t i = 0; i < n; ++i) {
        const auto& f = faelle[i / 2];
        uint32_t tiefe = 16;
        auto* s = static_cast<Rle_Sprite*>(Load_Resource(h, int32_t(24 + i), 16, &tiefe));
        EXPECT_EQ(s != nullptr, f.gut) << i;
        if (!s) continue;
        EXPECT_EQ(s->x_offset, -int32_t(f.x)) << i;
        EXPECT_EQ(s->y_offset, -int32_t(f.y)) << i;
        Grafik_Sprite_Freigeben(s);
    }
    EXPECT_TRUE(fehler.contains("Load_Resource: Sprite: Hot-Spot außerhalb"));
    alle_schliessen();
}

TEST(ResFile, StandardFilesAndShortReads)
{
    alle_schliessen();
    Fehler_Capture fehler;
    Resf_Datei d;
    Resf_Setzen(d, 0, RES_DATEN, Resf_Daten(Resf_Bytes(5000, 3)));
    std::string ordner = std::string(DORVIN_BINARY_DIR);
    ASSERT_TRUE(Resf_Schreiben(d, ordner + "/resf_scr.res"));
    std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s", ordner.c_str());
    std::snprintf(ResFile_Daten_Praefix, sizeof ResFile_Daten_Praefix, "%s/fehlt_", ordner.c_str());
    EXPECT_EQ(Init_System_Dateien(), 1);
    EXPECT_EQ(ResFile_Handles[0].handle, 0);
    EXPECT_EQ(ResFile_Handles[1].handle, -1); // missing files leave the start-up going
    DeInit_System_Dateien();
    EXPECT_EQ(ResFile_Handles[0].handle, -1);

    // Cut the file inside the data block: the load fails instead of returning stale bytes.
    std::string p = pfad("kurz.res");
    ASSERT_TRUE(Resf_Schreiben(d, p));
    FILE* f = std::fopen(p.c_str(), "rb");
    Resf_Bytes all(6000);
    all.resize(std::fread(all.data(), 1, all.size(), f));
    std::fclose(f);
    Resf_Bytes cut(all.begin(), all.begin() + 3000);
    // The index moves to the front so that the file still opens.
    Resf_Bytes kurz = {'R', 'E', 'S', 'F', 1, 0, 0, 0, 12, 0, 0, 0, 16, 0, 0, 0, 20, 0, 0, 0};
    for (size_t i = 12; i < cut.size(); ++i) kurz.push_back(cut[i]);
    f = std::fopen(p.c_str(), "wb");
    std::fwrite(kurz.data(), 1, kurz.size(), f);
    std::fclose(f);
    int32_t h = Init_ResFile(p.c_str());
    ASSERT_GE(h, 0);
    EXPECT_EQ(Load_Resource(h, 24, 0, nullptr), nullptr);
    EXPECT_TRUE(fehler.contains("Load_Resource: Lesefehler"));
    alle_schliessen();
}

// A packed picture is unpacked once per open file and handed out anew on every load: a caller
// may draw into its copy, and a file opened in the same slot brings its own pictures.
TEST(ResFile, PackedPicturesKeptPerOpenFile)
{
    alle_schliessen();
    auto datei = [](uint16_t basis, uint32_t packung) {
        Resf_Datei d;
        Resf_Bitmap b;
        b.width = 20;
        b.height = 10;
        b.x_offset = uint16_t(basis & 0xFF);
        b.pixels = pixel16(200, basis);
        b.compression = packung;
        Resf_Setzen(d, 0, RES_BITMAP, Resf_Bitmap_Daten(b));
        return std::make_pair(d, b.pixels);
    };
    for (uint32_t packung : {4u, 5u}) {
        const auto [erste, erste_pixel] = datei(0x0040, packung);
        int32_t h = oeffne(erste, "behalten_1.res");
        ASSERT_EQ(h, 0);
        auto* a = static_cast<Rastport*>(Load_Resource(h, 24, 16, nullptr));
        ASSERT_NE(a, nullptr);
        std::memset(a->pixels, 0xFF, 400);
        ResFile_Letzter_X_Offset = 0;
        auto* b = static_cast<Rastport*>(Load_Resource(h, 24, 16, nullptr));
        ASSERT_NE(b, nullptr);
        EXPECT_NE(a->pixels, b->pixels);
        EXPECT_EQ(pixel_bytes(b, 400), erste_pixel) << packung;
        EXPECT_EQ(ResFile_Letzter_X_Offset, 0x40);
        // The 15-bit form is made from the kept picture as from the file.
        auto* c = static_cast<Rastport*>(Load_Resource(h, 24, 15, nullptr));
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(px(c, 3), uint16_t(((px(b, 3) >> 1) & 0x7FE0) | (px(b, 3) & 0x1F)));
        Grafik_Bitmap_Freigeben(a);
        Grafik_Bitmap_Freigeben(b);
        Grafik_Bitmap_Freigeben(c);
        DeInit_ResFile(h);

        const auto [zweite, zweite_pixel] = datei(0x0300, packung);
        h = oeffne(zweite, "behalten_2.res");
        ASSERT_EQ(h, 0);
        auto* d = static_cast<Rastport*>(Load_Resource(h, 24, 16, nullptr));
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(pixel_bytes(d, 400), zweite_pixel) << packung;
        Grafik_Bitmap_Freigeben(d);
        DeInit_ResFile(h);
    }
}

namespace {

// 8-bit pictures turned to 15 and 16 bits through palettes whose entries use all eight bits,
// small pictures and those above the size where the colours come from a table; the new bitmap
// must not keep anything of the memory it was given.
TEST(ResFile, PaletteConversionMatchesEveryEntryAtEverySize)
{
    uint8_t palette[768];
    for (int i = 0; i < 768; ++i) palette[i] = uint8_t(i * 97 + 13);
    for (auto [w, h] : {std::pair{1, 1}, {31, 33}, {32, 32}, {40, 30}, {64, 64}}) {
        const size_t n = size_t(w) * size_t(h);
        Rastport* quelle = Grafik_Bitmap_Anlegen_Maske(w, h, 8);
        ASSERT_NE(quelle, nullptr);
        auto* s = static_cast<uint8_t*>(quelle->pixels);
        for (size_t i = 0; i < n; ++i) s[i] = uint8_t(i * 7 + size_t(w));
        const uint32_t masken_bytes = Grafik_Masken_Groesse(uint32_t(w), uint32_t(h));
        for (uint32_t i = 0; i < masken_bytes; ++i) quelle->mask[i] = uint8_t(i * 5 + 1);
        for (int tiefe : {15, 16}) {
            // memory the conversion may be given again, filled with what it must not keep
            void* schmutz = Mem_Alloc(uint32_t(4 * n + 4096), 0);
            std::memset(schmutz, 0xA5, 4 * n + 4096);
            Mem_Free(schmutz, 0);
            Rastport* bild = Grafik_Bitmap_Tiefe_Wandeln(quelle, tiefe, palette);
            ASSERT_NE(bild, nullptr);
            std::vector<uint16_t> direkt(n);
            if (tiefe == 15) Grafik_Palette_Zu_555(s, direkt.data(), w, h, palette);
            else Grafik_Palette_Zu_565(s, direkt.data(), w, h, palette);
            for (size_t i = 0; i < n; ++i) {
                const uint8_t* e = palette + 3 * s[i];
                const uint16_t soll =
                    tiefe == 15 ? uint16_t((e[0] >> 1 & 31) << 10 | (e[1] >> 1 & 31) << 5 | (e[2] >> 1 & 31))
                                : uint16_t((e[0] >> 1 & 31) << 11 | (e[1] & 63) << 5 | (e[2] >> 1 & 31));
                ASSERT_EQ(px(bild, uint32_t(i)), soll) << w << "x" << h << " depth " << tiefe << " pixel " << i;
                ASSERT_EQ(direkt[i], soll) << w << "x" << h << " depth " << tiefe << " pixel " << i;
            }
            // only a 15-bit picture takes the mask along
            if (tiefe == 15) {
                ASSERT_NE(bild->mask, nullptr);
                EXPECT_EQ(std::memcmp(bild->mask, quelle->mask, masken_bytes), 0);
            } else {
                EXPECT_EQ(bild->mask, nullptr);
            }
            Grafik_Bitmap_Freigeben(bild);
        }
        Rastport* kopie = Grafik_Bitmap_Tiefe_Wandeln(quelle, 8, palette);
        ASSERT_NE(kopie, nullptr);
        EXPECT_EQ(std::memcmp(kopie->pixels, s, n), 0);
        Grafik_Bitmap_Freigeben(kopie);
        Grafik_Bitmap_Freigeben(quelle);
    }
}

}  // namespace

// A picture made without clearing its memory first keeps nothing of what that memory held:
// stored whole or short, method 4, LZSS, an 8-bit picture converted (its mask none of the entry's)
// and a packed one unpacked; the mask read short of its size.
TEST(ResFile, BitmapsLoadedOverUsedMemoryKeepNothingOfIt)
{
    alle_schliessen();
    constexpr uint16_t W = 24, H = 16;
    const uint32_t n = W * H, masken_bytes = Grafik_Masken_Groesse(W, H);
    // compression, depth, pixel bytes, mask, companion, kept packed
    const std::tuple<uint32_t, uint32_t, uint32_t, bool, bool, bool> faelle[] = {
        {0, 16, 2 * n, true, false, false}, {0, 16, 2 * n - 100, false, false, false},
        {5, 16, 2 * n, true, false, false}, {4, 16, 2 * n, true, false, false},
        {5, 8, n, false, true, false},      {5, 16, 2 * n, true, false, true}};
    Resf_Datei d;
    std::vector<Resf_Bitmap> bilder;
    for (const auto& [packung, tiefe, groesse, maske, begleiter, gepackt] : faelle) {
        Resf_Bitmap b;
        b.width = W, b.height = H, b.depth = tiefe, b.compression = packung, b.keep_packed = gepackt;
        b.pixels = pixel16(groesse / 2, uint16_t(0x0101 * bilder.size() + 7));
        b.palette.resize(768);
        for (uint32_t i = 0; i < 768; ++i) b.palette[i] = uint8_t(i % 61 + 1);
        for (uint32_t i = 0; maske && i + 3 < masken_bytes; ++i) b.mask.push_back(uint8_t(i * 3 + 1));
        if (begleiter) b.companion_width = b.companion_height = 2, b.companion = {1, 2, 3, 4};
        Resf_Setzen(d, uint32_t(bilder.size()), RES_BITMAP, Resf_Bitmap_Daten(b));
        bilder.push_back(b);
    }
    ASSERT_EQ(oeffne(d, "ungeloescht.res"), 0);
    const uint8_t behalten = std::exchange(ResFile_Gepackt_Behalten, 1);
    // blocks of every size a picture here may take, filled and given back
    auto schmutz = [masken_bytes] {
        std::vector<void*> bloecke;
        for (uint32_t groesse = n; groesse < 2 * n + masken_bytes + 1024; groesse += 8)
            bloecke.push_back(std::memset(Mem_Alloc(groesse, 0), 0xA5, groesse));
        for (void* b : bloecke) Mem_Free(b, 0);
    };
    for (size_t k = 0; k < bilder.size(); ++k) {
        const Resf_Bitmap& f = bilder[k];
        schmutz();
        auto* b = static_cast<Rastport*>(Load_Resource(0, int32_t(k) + RESFILE_NUMMER_VERSATZ, 16, nullptr));
        ASSERT_NE(b, nullptr) << k;
        if (b->packed) {
            schmutz();
            Rastport* frei = Unpack_Bitmap(b, 16);
            Grafik_Bitmap_Freigeben(b);
            ASSERT_NE(b = frei, nullptr);
        }
        Resf_Bytes soll(2 * n, 0), maske(masken_bytes, 0);
        if (f.depth == 8) Grafik_Palette_Zu_565(f.pixels.data(), reinterpret_cast<uint16_t*>(soll.data()), W, H, f.palette.data());
        else std::copy(f.pixels.begin(), f.pixels.end(), soll.begin());
        EXPECT_EQ(pixel_bytes(b, 2 * n), soll) << k;
        std::copy(f.mask.begin(), f.mask.end(), maske.begin());
        if (b->mask) {
            EXPECT_EQ(Resf_Bytes(b->mask, b->mask + masken_bytes), maske) << k;
        }
        EXPECT_EQ(b->mask != nullptr, !f.mask.empty() || !f.companion.empty()) << k;
        Grafik_Bitmap_Freigeben(b);
    }
    ResFile_Gepackt_Behalten = behalten;
    DeInit_ResFile(0);
}
