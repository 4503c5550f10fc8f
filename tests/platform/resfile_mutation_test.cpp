// Resource files a user replaced or that were cut off: thousands of damaged variants of one good
// file, each loaded in every way the program loads entries. No crash, no sanitizer report, and
// every refusal comes with a message.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/capture.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_sprite.h"
#include "platform/bytes.h"
#include "platform/mem.h"
#include "platform/mutation.h"
#include "platform/resfile.h"
#include "tools/datagen/font_datei.h"
#include "tools/datagen/resf_writer.h"

namespace {

// The pictures of the file; small, so that damage lands in the headers often.
constexpr int BREITE = 8, HOEHE = 5;

Resf_Bytes kleiner_font()
{
    Font_Bild f;
    f.name = "klein";
    f.ascent = 3;
    f.width = 224;
    f.height = 4;
    f.pixels.assign(f.width * f.height, 0);
    for (int i = 0; i < 224; ++i) {
        f.strip_x[i] = uint32_t(i);
        f.glyph_width[i] = 1;
        f.pixels[size_t(1 + i % 3) * f.width + size_t(i)] = 255;
    }
    f.palette[255 * 3] = 63;
    return Font_Datei_Resource(f);
}

Resf_Bytes gute_datei(const std::string& pfad)
{
    Resf_Datei d;
    Resf_Bitmap b;
    b.width = BREITE;
    b.height = HOEHE;
    for (int i = 0; i < BREITE * HOEHE * 2; ++i) b.pixels.push_back(uint8_t(i % 5 * 40));
    b.mask.assign(BREITE * HOEHE / 8, 0xFF);
    b.extra.assign(BREITE * HOEHE * 2, 1);
    Resf_Bitmap lzss = b, pack4 = b, indexed = b;
    lzss.compression = 4;
    pack4.compression = 5;
    pack4.keep_packed = 1;
    indexed.depth = 8;
    indexed.pixels.resize(BREITE * HOEHE);
    indexed.palette.assign(768, 20);
    indexed.companion_width = 3;
    indexed.companion_height = 2;
    indexed.companion.assign(6, 4);
    Resf_Bytes sprite = Resf_Sprite_Block(3, 2, 16, {1, 2, 0, 0, 3, 4, 0, 0, 0, 0, 5, 6});
    Resf_Setzen(d, 0, RES_BITMAP, Resf_Bitmap_Daten(b));
    Resf_Setzen(d, 1, RES_BITMAP, Resf_Bitmap_Daten(lzss));
    Resf_Setzen(d, 2, RES_BITMAP, Resf_Bitmap_Daten(pack4));
    Resf_Setzen(d, 3, RES_BITMAP, Resf_Bitmap_Daten(indexed));
    Resf_Setzen(d, 4, RES_SPRITE_LISTE, Resf_Sprite_Liste({sprite, sprite}));
    Resf_Setzen(d, 5, RES_SPRITE, Resf_Sprite(sprite, 1, 1));
    Resf_Setzen(d, 6, RES_SPRITE_FARBEN, Resf_Sprite_Farben(sprite, 2, 0, 0, {}));
    Resf_Setzen(d, 7, RES_PALETTE, Resf_Palette({}));
    Resf_Setzen(d, 8, RES_FILM, Resf_Film_Bild(4, 4, Resf_Wav({1, 2}, 22050), Resf_Bytes(16, 2), 5, {}));
    Resf_Setzen(d, 9, RES_DATEN, Resf_Daten(Resf_Wav({5, 6, 7, 8}, 22050)));
    Resf_Setzen(d, 10, RES_FONT, kleiner_font());
    Resf_Setzen(d, 11, RES_FILM, Resf_Film_Sprite(1, sprite));
    Resf_Setzen(d, 12, RES_LEER, {});
    EXPECT_TRUE(Resf_Schreiben(d, pfad));
    Resf_Bytes all(1 << 16);
    FILE* f = std::fopen(pfad.c_str(), "rb");
    all.resize(std::fread(all.data(), 1, all.size(), f));
    std::fclose(f);
    return all;
}

uint32_t u32(const Resf_Bytes& b, size_t at) { return at + 4 <= b.size() ? Bytes_Hole32(b.data() + at) : 0; }
uint16_t u16(const Resf_Bytes& b, size_t at) { return at + 2 <= b.size() ? Bytes_Hole16(b.data() + at) : 0; }

// Every count, size, offset, dimension, depth and hot spot of the good file.
std::vector<Mutation_Feld> laengen_felder(const Resf_Bytes& b)
{
    std::vector<Mutation_Feld> f = {{4, 4}, {8, 4}};
    uint32_t n = u32(b, 4), index = u32(b, 8);
    for (uint32_t i = 0; i < n; ++i) {
        size_t e = index + 8 * i;
        f.push_back({e, 2});
        f.push_back({e + 4, 4});
        size_t o = u32(b, e + 4);
        auto sprite_kopf = [&](size_t at) {
            f.push_back({at, 2});
            f.push_back({at + 2, 2});
        };
        switch (int16_t(u16(b, e))) {
        case RES_BITMAP: {
            for (size_t at : {o, o + 4}) f.push_back({at, 2});
            for (size_t at : {o + 8, o + 12, o + 16, o + 20, o + 24}) f.push_back({at, 4});
            uint32_t flags = u32(b, o + 20);
            size_t p = o + 28 + u32(b, o + 24) + (u32(b, o + 12) == 8 ? 768 : 0);
            if (flags & 1) {
                f.push_back({p, 4});
                p += 4 + u32(b, p);
            }
            if (flags & 2) {
                f.push_back({p, 4});
                f.push_back({p + 4, 4});
                p += 8 + size_t(u32(b, p)) * u32(b, p + 4);
            }
            if (flags & 4) f.push_back({p, 4});
            break;
        }
        case RES_DATEN: f.push_back({o, 4}); f.push_back({o + 4 + 40, 4}); break;
        case RES_FONT:
            f.push_back({o + 3098, 1});
            for (size_t at : {o + 3099, o + 3103, o + 14 + 4 * 40, o + 1038 + 4 * 40, o + 2062 + 4 * 40, o + 3086,
                              o + 3875, o + 3879, o + 3883})
                f.push_back({at, 4});
            break;
        case RES_SPRITE_LISTE: {
            f.push_back({o, 4});
            size_t p = o + 24;
            for (uint32_t k = 0; k < u32(b, o); ++k) {
                f.push_back({p, 4});
                sprite_kopf(p + 4);
                p += 4 + u32(b, p);
            }
            break;
        }
        case RES_SPRITE:
        case RES_SPRITE_FARBEN:
            for (size_t at : {o + 4, o + 8, o + 12, o + 20}) f.push_back({at, 4});
            sprite_kopf(o + 24);
            break;
        case RES_FILM:
            f.push_back({o, 4});
            if (u32(b, o) == 0)
                for (size_t at : {o + 8, o + 12, o + 56, o + 60, o + 64, o + 68}) f.push_back({at, 4});
            else {
                f.push_back({o + 4, 4});
                sprite_kopf(o + 8);
            }
            break;
        default: break;
        }
    }
    return f;
}

volatile uint32_t summe;

// Reads every byte the object claims to own, so that the sanitizer sees any claim too large.
void beruehren(const void* p, size_t n)
{
    const auto* b = static_cast<const uint8_t*>(p);
    uint32_t s = 0;
    for (size_t i = 0; i < n; ++i) s += b[i];
    summe = summe + s;
}

void bild_pruefen(const Rastport* r)
{
    ASSERT_TRUE(r->depth == 8 || r->depth == 15 || r->depth == 16);
    if (r->packed) {
        beruehren(r->pixels, r->packed_size);
        if (Rastport* u = Unpack_Bitmap(r, 16)) {
            beruehren(u->pixels, size_t(u->width) * u->height * Grafik_Bytes_Pro_Pixel(u->depth));
            Grafik_Bitmap_Freigeben(u);
        }
    } else {
        beruehren(r->pixels, size_t(r->width) * r->height * Grafik_Bytes_Pro_Pixel(r->depth));
    }
    if (r->mask) beruehren(r->mask, Grafik_Masken_Groesse(r->width, r->height));
    if (r->companion) beruehren(r->companion->pixels, size_t(r->companion->width) * r->companion->height);
    if (r->extra) beruehren(r->extra, size_t(r->width) * r->height * 2);
}

// A loaded sprite: its row table and the data it names lie inside its record, and every row
// decodes to exactly the width (the blit would write outside otherwise).
void sprite_pruefen(const Rle_Sprite* s)
{
    ASSERT_GE(s->height, 0);
    beruehren(s->rows, 4 * size_t(s->height));
    uint32_t einheiten = s->height ? s->rows[s->height - 1] : 0;
    beruehren(s->data, size_t(einheiten) * (s->depth == 8 ? 1 : 2));
    EXPECT_EQ(Grafik_Sprite_Lauf_Pruefen(s->data, einheiten, s->rows, s->width, s->height, s->depth, s->wide), 1);
    if (s->colours) beruehren(s->colours, 512);
}

void font_pruefen(const Font_Record* f)
{
    ASSERT_NE(f->strip, nullptr);
    EXPECT_EQ(f->bold, 0u);
    const Rastport* s = f->strip;
    beruehren(s->pixels, size_t(s->width) * s->height * Grafik_Bytes_Pro_Pixel(s->depth));
    for (int c = 32; c < 256; ++c) {
        ASSERT_LE(uint64_t(f->strip_x[c - 32]) * (f->glyph_width[c - 32] != 0) + f->glyph_width[c - 32], s->width);
        int32_t top;
        Font_Zeichen_Hoehe(f, uint8_t(c), &top);
    }
}

// Opens the bytes as a resource file and loads every entry at the given depths, pictures also
// with the keep-packed option on when `gepackt`; the number of objects loaded. Every refusal
// must have been reported.
int alles_laden(const Resf_Bytes& bytes, const std::string& pfad, const Fehler_Capture& fehler, const std::string& fall,
                const std::vector<int32_t>& tiefen, bool gepackt)
{
    FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    size_t vorher = fehler.texts.size();
    int32_t h = Init_ResFile(pfad.c_str());
    if (h < 0) {
        EXPECT_GT(fehler.texts.size(), vorher) << fall << ": refused without a message";
        return 0;
    }
    int geladen = 0;
    for (int32_t pos = 0; pos < ResFile_Get_Anzahl(h) && pos < 16; ++pos) {
        int32_t nummer = pos + RESFILE_NUMMER_VERSATZ;
        int typ = ResFile_Get_Typ(h, nummer);
        for (int packed = 0; packed < 2; ++packed)
            for (int32_t depth : tiefen) {
                if (packed && (typ != RES_BITMAP || !gepackt)) continue;
                ResFile_Gepackt_Behalten = uint8_t(packed);
                uint8_t extra[768] = {};
                uint32_t tiefe = uint32_t(depth == 8 ? 16 : depth);
                vorher = fehler.texts.size();
                void* o = Load_Resource(h, nummer, depth, typ == RES_SPRITE_FARBEN ? static_cast<void*>(&tiefe) : extra);
                if (!o) {
                    if (typ != RES_LEER && typ != RES_PALETTE) {
                        EXPECT_GT(fehler.texts.size(), vorher) << fall << ": entry " << pos << " type " << typ
                                                               << " depth " << depth << " refused without a message";
                    }
                    continue;
                }
                ++geladen;
                // The count of a sprite list; a film frame's kind is overwritten by its WAV header.
                int32_t kind = 1;
                std::memcpy(&kind, extra, 4);
                if (typ == RES_FILM) {
                    uint8_t k[4] = {};
                    FILE* file = Seek_Resource(h, nummer, nullptr);
                    if (!file || std::fread(k, 1, 4, file) != 4) ADD_FAILURE() << fall;
                    kind = int32_t(Bytes_Hole32(k));
                }
                if (typ == RES_BITMAP || (typ == RES_FILM && kind == 0)) {
                    bild_pruefen(static_cast<Rastport*>(o));
                    Grafik_Bitmap_Freigeben(static_cast<Rastport*>(o));
                } else if (typ == RES_FONT) {
                    font_pruefen(static_cast<Font_Record*>(o));
                    Font_Free(static_cast<Font_Record*>(o));
                } else if (typ == RES_SPRITE_LISTE) {
                    auto** liste = static_cast<Rle_Sprite**>(o);
                    for (int32_t i = 0; i < kind; ++i) {
                        if (liste[i]) sprite_pruefen(liste[i]);
                        Grafik_Sprite_Freigeben(liste[i]);
                    }
                    Mem_Free(liste, 0);
                } else if (typ == RES_DATEN) {
                    int32_t t = 0;
                    uint8_t n[4] = {};
                    FILE* file = Seek_Resource(h, nummer, &t);
                    if (!file || std::fread(n, 1, 4, file) != 4) ADD_FAILURE() << fall;
                    beruehren(o, Bytes_Hole32(n));
                    Mem_Free(o, 0);
                } else {
                    auto* s = static_cast<Rle_Sprite*>(o);
                    sprite_pruefen(s);
                    Grafik_Sprite_Freigeben(s);
                }
            }
        if (typ == RES_BITMAP) {
            uint8_t palette[768];
            for (int32_t depth : {15, 16}) {
                Rastport* ziel = Grafik_Bitmap_Anlegen(BREITE, HOEHE, depth);
                Load_Resource_Buffer(ziel, h, nummer, depth, palette);
                Grafik_Bitmap_Freigeben(ziel);
            }
        }
    }
    ResFile_Gepackt_Behalten = 0;
    DeInit_ResFile(h);
    return geladen;
}

}  // namespace

TEST(ResFileMutation, DamagedFilesAreRefusedWithAMessageAndNeverCrash)
{
    for (int i = 0; i < RESFILE_SLOTS; ++i) DeInit_ResFile(i);
    std::string basis = std::string(DORVIN_BINARY_DIR) + "/resfile_mutation_" + std::to_string(getpid());
    Resf_Bytes gut = gute_datei(basis + "_gut.res");
    std::string pfad = basis + ".res";
    {
        Fehler_Capture fehler;
        // Every entry at every depth but the palette and the empty entry; the pictures once more with
        // the keep-packed option on.
        ASSERT_EQ(alles_laden(gut, pfad, fehler, "good", {8, 15, 16}, true), 3 * 11 + 3 * 4);
        EXPECT_TRUE(fehler.texts.empty()) << fehler.texts.front();
    }
    Fehler_Capture fehler;
    std::vector<Mutation_Feld> felder = laengen_felder(gut);
    ASSERT_GT(felder.size(), 60u);
    // Depth 16 always; the conversions to 8 and 15 bits and the packed pictures take turns, so
    // that each meets every kind of damage without tripling the run time.
    int runde = 0;
    int faelle = Mutationen(gut, felder, 5, 150, 1500, [&](const Resf_Bytes& b, const std::string& fall) {
        ++runde;
        alles_laden(b, pfad, fehler, fall, {16, runde % 3 ? 15 : 8}, runde % 2 == 0);
        fehler.texts.clear();
    });
    EXPECT_GT(faelle, 2000);
    std::remove(pfad.c_str());
    std::remove((basis + "_gut.res").c_str());
}
