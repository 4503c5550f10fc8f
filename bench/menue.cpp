// The menu screen: a whole-screen refresh of 300 dirty icons (text icons, see-through pictures,
// tinted faces) with the present of the page (goal: under 2 ms), and an idle event step over
// 600 icons (goal: at least 50,000 steps per second).
//
// The resource files are built once per process by the data builder beside this program and
// removed at the end. A set-up that fails ends the run with status 1.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <string>
#include <system_error>

#include "graphics/font.h"
#include "graphics/grafik_screen.h"
#include "platform/display.h"
#include "platform/os/os.h"
#include "platform/os/os_intern.h"
#include "platform/resfile.h"
#include "toolkit/event.h"
#include "toolkit/icon.h"
#include "toolkit/screen.h"

namespace {

[[noreturn]] void scheitern(const std::string& text)
{
    std::fprintf(stderr, "menue: %s\n", text.c_str());
    std::fflush(stderr);
    std::exit(1);
}

struct Menue_Umgebung {
    std::filesystem::path ordner;
    std::deque<Menue_Icon> icons;
    std::deque<Menue_Text_Teil> texte;
    std::deque<std::string> zeilen;

    Menue_Umgebung()
    {
        std::error_code fehler;
        std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", fehler);
        ordner = std::filesystem::temp_directory_path(fehler) / ("dorvin_bench_menue_" + std::to_string(::getpid()));
        std::string befehl = (self.parent_path() / "dorvin_datagen").string() + " resfiles --ziel " + ordner.string() + " > /dev/null";
        if (std::system(befehl.c_str()) != 0) scheitern(befehl + " fehlgeschlagen");
        std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s/resfile", ordner.c_str());
        std::snprintf(ResFile_Daten_Praefix, sizeof ResFile_Daten_Praefix, "%s/", ordner.c_str());
        if (!Init_System_Dateien()) scheitern("Ressourcendateien fehlen");
        Bildschirm_Modus = 101;
        if (!Grafik_Screen_Init(640, 480, 16)) scheitern("kein Bildschirm");
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

Menue_Umgebung& umgebung()
{
    static Menue_Umgebung u;
    return u;
}

void BM_Refresh_300_Icons(benchmark::State& state)
{
    Menue_Umgebung& u = umgebung();
    u.leeren();
    Menue_Hintergrund_Zeichnen(0);
    std::deque<Menue_Icon*> alle;
    for (int16_t k = 0; k < 300; ++k) {
        int16_t x = int16_t(4 + (k % 9) * 70), y = int16_t(44 + (k / 9) * 13);
        if (k % 3 == 0) alle.push_back(u.text_icon(int16_t(1000 + k), x, y));
        else if (k % 3 == 1) alle.push_back(u.neu(Menue_Icon_Vorlage(int16_t(1000 + k), 368 + k % 28, ICON_SLAVE, x, y, 0, 0, 5, 255)));
        else alle.push_back(u.neu(Menue_Icon_Vorlage(int16_t(1000 + k), 100 + k % 100, ICON_SLAVE, x, y, 0, 0, 6, 14)));
    }
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    for (auto _ : state) {
        for (Menue_Icon* i : alle) i->refresh = 1;
        Menue_Screen_Refresh(1, -1, -1, -1, -1);
        benchmark::DoNotOptimize(Grafik_Seite_0->pixels);
    }
}
BENCHMARK(BM_Refresh_300_Icons)->Unit(benchmark::kMillisecond);

// The pointer rests where no icon is; 600 icons on 20 priorities.
void BM_Ereignisschritt_600_Icons(benchmark::State& state)
{
    Menue_Umgebung& u = umgebung();
    u.leeren();
    for (int16_t k = 0; k < 600; ++k) {
        int16_t x = int16_t((k % 30) * 19), y = int16_t(60 + (k / 30) * 20);
        u.neu(Menue_Icon_Vorlage(int16_t(1000 + k), -1, 0, x, y, 18, 18, int8_t(k % 20), 9));
    }
    Os_Input_Set_Mouse(620, 30);
    Os_Input_Set_Buttons(false, false);
    for (auto _ : state) benchmark::DoNotOptimize(Menue_Icons_Check(-1));
    state.counters["Schritte/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Ereignisschritt_600_Icons);

}  // namespace
