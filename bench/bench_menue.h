// The menu of the toolkit's benchmarks: the program's resource files built once per process by
// the data builder beside the benchmark, a 640 x 480 screen with the fonts, an empty menu, and
// icons that live as long as the set-up.
#pragma once
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <string>
#include <system_error>

#include "bench_welt.h"
#include "graphics/font.h"
#include "graphics/grafik_screen.h"
#include "platform/display.h"
#include "platform/resfile.h"
#include "platform/win95.h"
#include "toolkit/icon.h"
#include "toolkit/screen.h"

struct Menue_Umgebung {
    const char* programm;
    std::filesystem::path ordner;
    std::deque<Menue_Icon> icons;
    std::deque<Menue_Text_Teil> texte;
    std::deque<std::string> zeilen;

    explicit Menue_Umgebung(const char* name) : programm(name)
    {
        std::error_code fehler;
        std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", fehler);
        ordner = std::filesystem::temp_directory_path(fehler) / ("dorvin_bench_" + std::string(programm) + "_" + std::to_string(::getpid()));
        std::string befehl = (self.parent_path() / "dorvin_datagen").string() + " resfiles --ziel " + ordner.string() + " > /dev/null";
        if (std::system(befehl.c_str()) != 0) Bench_Scheitern(programm, befehl + " fehlgeschlagen");
        std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s/resfile", ordner.c_str());
        std::snprintf(ResFile_Daten_Praefix, sizeof ResFile_Daten_Praefix, "%s/", ordner.c_str());
        if (!Init_System_Dateien()) Bench_Scheitern(programm, "Ressourcendateien fehlen");
        Bildschirm_Modus = 101;
        if (!Grafik_Screen_Init(640, 480, 16)) Bench_Scheitern(programm, "kein Bildschirm");
        Grafik_Init();
        Menue_Init(1);
        Menue_Bereich_Loeschen(0x45, -9999, -9999, 9999, 9999);
    }
    ~Menue_Umgebung()
    {
        Menue_Speicher_Befreien(7);
        Font_Alle_Freigeben();
        Grafik_Screen_DeInit();
        DeInit_System_Dateien();
        std::error_code fehler;
        std::filesystem::remove_all(ordner, fehler);
    }

    // Takes every icon off the screen and out of the registry.
    void leeren()
    {
        Menue_Bereich_Loeschen(0x45, -9999, -9999, 9999, 9999);
        Menue_Register_Leeren();
        icons.clear();
    }
    Menue_Icon* neu(const Menue_Icon& i)
    {
        icons.push_back(i);
        Menue_Screen_Icon_Hinzufuegen(&icons.back());
        return &icons.back();
    }
    Menue_Icon* text_icon(int16_t nummer, int16_t x, int16_t y)
    {
        zeilen.push_back("Zeile " + std::to_string(nummer) + ": Nordstadt 24");
        texte.push_back(Menue_Text_Teil{3, 0, 14, 6, 6, zeilen.back().c_str(), 0, 0, 2, 12, nullptr, nullptr});
        Menue_Icon i = Menue_Icon_Vorlage(nummer, -1, ICON_TEXT, x, y, 64, 16, 4, 28);
        i.daten = &texte.back();
        return neu(i);
    }
};
