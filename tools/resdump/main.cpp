// dorvin_resdump DATEI [--png INDEX AUSGABE.png]: lists the entries of a RESF resource file
// (index, resource number of a shifted file, type, size, bitmap compression) and writes a
// bitmap entry as PNG, so that the builder's pictures can be looked at.
#include <png.h>


#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_sprite.h"
#include "platform/bytes.h"
#include "platform/resfile.h"

static const char* typ_name(int32_t t)
{
    switch (t) {
    case RES_BITMAP: return "Bild";
    case RES_LEER: return "leer";
    case RES_DATEN: return "Daten";
    case RES_FONT: return "Font";
    case RES_SPRITE_LISTE: return "Spriteliste";
    case RES_SPRITE: return "Sprite";
    case RES_PALETTE: return "Palette";
    case RES_FILM: return "Filmbild";
    case RES_SPRITE_FARBEN: return "Sprite+Farben";
    default: return "?";
    }
}


static int liste(int32_t h)
{
    const ResFile_Slot& s = ResFile_Tabelle[h];
    std::vector<uint32_t> offsets;
    for (int32_t i = 0; i < s.anzahl; ++i) offsets.push_back(Bytes_Hole32(s.index + 8 * i + 4));
    std::vector<uint32_t> sortiert = offsets;
    sortiert.push_back(s.index_offset);
    std::sort(sortiert.begin(), sortiert.end());
    std::printf("%7s %7s  %-13s %9s  %s\n", "Index", "Nummer", "Typ", "Bytes", "Bild");
    for (int32_t i = 0; i < s.anzahl; ++i) {
        int16_t typ = int16_t(s.index[8 * i] | s.index[8 * i + 1] << 8);
        if (typ == RES_LEER) continue;
        auto next = std::upper_bound(sortiert.begin(), sortiert.end(), offsets[i]);
        uint32_t groesse = next == sortiert.end() ? 0 : *next - offsets[i];
        std::printf("%7d %7d  %-13s %9u", i, i + RESFILE_NUMMER_VERSATZ, typ_name(typ), groesse);
        if (typ == RES_BITMAP) {
            uint8_t k[28];
            std::fseek(s.file, long(offsets[i]), SEEK_SET);
            if (std::fread(k, 1, 28, s.file) == 28) {
                static const char* methode[] = {"gespeichert", "?", "unbekannt", "?", "LZSS", "Pack4"};
                uint32_t c = Bytes_Hole32(k + 16);
                std::printf("  %ux%u Tiefe %u %s%s", k[0] | k[1] << 8, k[4] | k[5] << 8, Bytes_Hole32(k + 12),
                            c < 6 ? methode[c] : "unbekannt", (Bytes_Hole32(k + 20) & 1) ? " Maske" : "");
            }
        }
        if (typ == RES_SPRITE) {
            auto* sp = static_cast<Rle_Sprite*>(Load_Resource(h, i + RESFILE_NUMMER_VERSATZ, 16, nullptr));
            if (sp) std::printf("  %dx%d Tiefe %d RLE", sp->width, sp->height, sp->depth);
            else std::printf("  beschädigt");
            Grafik_Sprite_Freigeben(sp);
        }
        std::printf("\n");
    }
    return 0;
}

static int png(int32_t h, int32_t index, const char* ausgabe)
{
    uint8_t palette[768];
    int32_t typ = ResFile_Get_Typ(h, index + RESFILE_NUMMER_VERSATZ);
    if (typ != RES_BITMAP && typ != RES_SPRITE) {
        std::fprintf(stderr, "dorvin_resdump: Eintrag %d ist kein Bild\n", index);
        return 1;
    }
    Rastport* b = nullptr;
    if (typ == RES_SPRITE) {
        // a sprite is decoded onto a picture of its size, its hot spot ignored
        auto* sp = static_cast<Rle_Sprite*>(Load_Resource(h, index + RESFILE_NUMMER_VERSATZ, 16, nullptr));
        if (sp && sp->depth == 16 && (b = Grafik_Bitmap_Anlegen(sp->width, sp->height, 16))) {
            Grafik_Sprite_Versatz_Setzen(sp, 0, 0);
            Grafik_Sprite_Blit(sp, b, 0, 0);
        }
        Grafik_Sprite_Freigeben(sp);
    } else {
        b = static_cast<Rastport*>(Load_Resource(h, index + RESFILE_NUMMER_VERSATZ, 16, palette));
    }
    if (!b || b->packed) {
        std::fprintf(stderr, "dorvin_resdump: Eintrag %d ist kein ladbares Bild\n", index);
        Grafik_Bitmap_Freigeben(b);
        return 1;
    }
    const auto* px = static_cast<const uint8_t*>(b->pixels);
    FILE* f = std::fopen(ausgabe, "wb");
    png_structp p = f ? png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr) : nullptr;
    png_infop info = p ? png_create_info_struct(p) : nullptr;
    if (!info || setjmp(png_jmpbuf(p))) {
        std::fprintf(stderr, "dorvin_resdump: kann %s nicht schreiben\n", ausgabe);
        if (p) png_destroy_write_struct(&p, info ? &info : nullptr);
        if (f) std::fclose(f);
        Grafik_Bitmap_Freigeben(b);
        return 1;
    }
    png_init_io(p, f);
    png_set_IHDR(p, info, b->width, b->height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(p, info);
    std::vector<uint8_t> zeile(4 * size_t(b->width));
    for (uint32_t y = 0; y < b->height; ++y) {
        for (uint32_t x = 0; x < b->width; ++x) {
            uint32_t i = y * b->width + x;
            uint16_t v = uint16_t(px[2 * i] | px[2 * i + 1] << 8);
            bool sichtbar = v != 0 && (!b->mask || (b->mask[i / 8] >> (i % 8) & 1));
            uint8_t* o = &zeile[4 * x];
            o[0] = uint8_t((v >> 11) << 3);
            o[1] = uint8_t(((v >> 5) & 63) << 2);
            o[2] = uint8_t((v & 31) << 3);
            o[3] = sichtbar ? 255 : 0;
        }
        png_write_row(p, zeile.data());
    }
    png_write_end(p, nullptr);
    png_destroy_write_struct(&p, &info);
    std::fclose(f);
    Grafik_Bitmap_Freigeben(b);
    return 0;
}

int main(int argc, char** argv)
{
    if (argc != 2 && !(argc == 5 && std::strcmp(argv[2], "--png") == 0)) {
        std::fprintf(stderr, "Aufruf: dorvin_resdump DATEI [--png INDEX AUSGABE.png]\n");
        return 2;
    }
    int32_t h = Init_ResFile(argv[1]);
    if (h < 0) {
        std::fprintf(stderr, "dorvin_resdump: %s ist keine lesbare Resource-Datei\n", argv[1]);
        return 1;
    }
    int rc = argc == 2 ? liste(h) : png(h, std::atoi(argv[3]), argv[4]);
    DeInit_ResFile(h);
    return rc;
}
