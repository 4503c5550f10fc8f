// The program's pictures and fonts for a test that draws or measures texts: a generated resource
// file taken as the menu's, the fonts loaded at 16 bits a pixel; all given back at the end.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>

#include "common/welt_ordner.h"
#include "graphics/font.h"
#include "graphics/grafik_screen.h"
#include "platform/resfile.h"

struct Programm_Schriften {
    std::filesystem::path ordner;
    int32_t alt_handle = ResFile_Handles[0].handle, alt_tiefe = Grafik_Screen_Geometrie.depth;
    explicit Programm_Schriften(const char* name) : ordner(Test_Welt_Bauen(name, {"resfiles"}))
    {
        ResFile_Handles[0].handle = Init_ResFile((ordner / "resfile" / "resf_scr.res").c_str());
        Grafik_Screen_Geometrie.depth = 16;
        if (ResFile_Handles[0].handle >= 0) Grafik_Init();
    }
    bool bereit() const { return ResFile_Handles[0].handle >= 0 && Font(0) != nullptr; }
    ~Programm_Schriften()
    {
        Font_Alle_Freigeben();
        if (ResFile_Handles[0].handle >= 0) DeInit_ResFile(ResFile_Handles[0].handle);
        ResFile_Handles[0].handle = alt_handle;
        Grafik_Screen_Geometrie.depth = alt_tiefe;
        std::filesystem::remove_all(ordner);
    }
};
