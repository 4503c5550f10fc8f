// Step "font-probe": a 640 x 480 sample page of every font slot and a wrapped paragraph, read
// from the built screen resource file the way the program loads it, printed onto the headless
// screen and dumped from the display frame as a PNG picture.
//   dorvin_datagen font-probe --ziel DIR [picture.png]   (after the resfiles step)
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "graphics/font.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "graphics/text_umbruch.h"
#include "platform/display.h"
#include "platform/os/os_display.h"
#include "platform/resfile.h"
#include "tools/datagen/datagen.h"

namespace {

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
    setenv("DORVIN_HEADLESS", "1", 1);
    Bildschirm_Modus = 101;
    if (Grafik_Screen_Init(640, 480, 16) != 1) {
        std::fprintf(stderr, "font-probe: kein Bildschirm\n");
        DeInit_ResFile(handle);
        return 1;
    }
    Grafik_Init();

    Rastport* rp = Grafik_Render_Ziel;
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

    bool ok = Os_Display_Dump_Png(bild.c_str());
    Font_Alle_Freigeben();
    Grafik_Screen_DeInit();
    DeInit_ResFile(handle);
    if (!ok) std::fprintf(stderr, "font-probe: kann %s nicht schreiben\n", bild.c_str());
    else std::printf("%s\n", bild.c_str());
    return ok ? 0 : 1;
}

}  // namespace

DATAGEN_SCHRITT("font-probe", font_probe, false);
