// Step "font-probe": a 640 x 480 sample page of every font slot and a wrapped paragraph, read
// from the built screen resource file the way the program loads it, written as a PNG picture.
//   dorvin_datagen font-probe --ziel DIR [picture.png]   (after the resfiles step)
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "graphics/font.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "graphics/text_umbruch.h"
#include "platform/resfile.h"
#include "tools/datagen/datagen.h"

namespace {

bool png_schreiben(const std::string& pfad, const Rastport* rp)
{
    FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, rp->width, rp->height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<uint8_t> zeile(rp->width * 3);
    const auto* px = static_cast<const uint16_t*>(rp->pixels);
    for (uint32_t y = 0; y < rp->height; ++y) {
        for (uint32_t x = 0; x < rp->width; ++x) {
            int32_t r = 0, g = 0, b = 0;
            Grafik_Pixel_Zu_RGB(px[y * rp->width + x], 16, &r, &g, &b);
            zeile[x * 3] = uint8_t(r), zeile[x * 3 + 1] = uint8_t(g), zeile[x * 3 + 2] = uint8_t(b);
        }
        png_write_row(png, zeile.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

int font_probe(const std::string& ziel, const std::vector<std::string>& args)
{
    std::string res = (std::filesystem::path(ziel) / "resfile" / "resf_scr.res").string();
    std::string bild = args.empty() ? (std::filesystem::path(ziel) / "font_probe.png").string()
                                    : args[0];
    int32_t handle = Init_ResFile(res.c_str());
    if (handle < 0) {
        std::fprintf(stderr, "font-probe: %s fehlt (erst den Schritt resfiles)\n", res.c_str());
        return 1;
    }
    ResFile_Handles[0].handle = handle;
    Grafik_Screen_Geometrie.depth = 16;
    Grafik_Init();

    Rastport* rp = Grafik_Bitmap_Anlegen(640, 480, 16);
    Grafik_Rechteck_Fuellen(rp, 0, 0, 640, 480, Grafik_Farbe(2, 3, 6));
    int y = 2;
    for (int slot = 0; slot < FONT_SLOTS; ++slot) {
        Font_Record* f = Font(slot);
        if (!f) continue;
        y += int(f->ascent);
        Grafik_Printf(rp, f, "^c%05d%2d^tl0030^c%05dGröße Übergang ßäöü § ^c%05d\x80\x86\x87\x8F\x90", 4,
                      y, Grafik_Farbe(15, 15, 0), slot, Grafik_Farbe(15, 15, 15),
                      Grafik_Farbe(8, 15, 8));
        y += int(f->strip->height - f->ascent);
    }
    Grafik_Rechteck_Fuellen(rp, 330, 300, 300, 172, Grafik_Farbe(1, 1, 2));
    Text_Umbruch_Ausgeben(
        rp, Font(3),
        "Der Vorstand erwartet in dieser Saison mindestens den Klassenerhalt. Die Zuschauer "
        "fordern Offensivfußball, und der Hauptsponsor verlängert seinen Vertrag nur, wenn die "
        "Mannschaft unter die ersten zehn kommt !\r#mZuckerbrot und Peitsche^lFlaschenpost "
        "Überweisungsauftrag Ablösesumme\r#lDie Verhandlungen über den Stadionausbau laufen.",
        336, 624, 304, 464, Grafik_Farbe(15, 15, 15), TEXT_TRENNEN | TEXT_BLOCKSATZ);

    bool ok = png_schreiben(bild, rp);
    Grafik_Bitmap_Freigeben(rp);
    Font_Alle_Freigeben();
    DeInit_ResFile(handle);
    if (!ok) std::fprintf(stderr, "font-probe: kann %s nicht schreiben\n", bild.c_str());
    else std::printf("%s\n", bild.c_str());
    return ok ? 0 : 1;
}

}  // namespace

DATAGEN_SCHRITT("font-probe", font_probe, false);
