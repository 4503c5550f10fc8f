// A headless 640 x 480 screen over the builder's resource files in `daten` (its "resfile" folder
// and "data.bin"), with the fonts loaded; closed again with everything it opened.
#pragma once
#include <cstdio>
#include <string>

#include "graphics/font.h"
#include "graphics/grafik_screen.h"
#include "platform/display.h"
#include "platform/resfile.h"

inline bool Test_Schirm_Oeffnen(const std::string& daten)
{
    std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s/resfile", daten.c_str());
    std::snprintf(ResFile_Daten_Praefix, sizeof ResFile_Daten_Praefix, "%s/", daten.c_str());
    for (int i = 0; i < RESFILE_SLOTS; ++i) DeInit_ResFile(i);
    if (Init_System_Dateien() != 1) return false;
    Bildschirm_Modus = 101;
    if (Grafik_Screen_Init(640, 480, 16) != 1) return false;
    Grafik_Init();
    return true;
}

inline void Test_Schirm_Schliessen()
{
    Font_Alle_Freigeben();
    Grafik_Screen_DeInit();
    DeInit_System_Dateien();
}

// A bare headless 640 x 480 screen, without resource files or fonts, for the life of the object.
struct Test_Leerer_Schirm {
    const decltype(Bildschirm_Modus) modus = Bildschirm_Modus;
    bool offen = (Bildschirm_Modus = 101, Grafik_Screen_Init(640, 480, 16) == 1);
    Test_Leerer_Schirm() = default;
    Test_Leerer_Schirm(const Test_Leerer_Schirm&) = delete;
    Test_Leerer_Schirm& operator=(const Test_Leerer_Schirm&) = delete;
    ~Test_Leerer_Schirm()
    {
        if (offen) Grafik_Screen_DeInit();
        Bildschirm_Modus = modus;
    }
};
