// After the default world's first Saturday: the marks of every player and the teams of the day
// (goal: under 5 ms for the whole day), and the results and table pages of its biggest league
// composed on the headless screen (goal: each under 10 ms).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include "bench_samstag.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "graphics/font.h"
#include "graphics/grafik_screen.h"
#include "match/spielfeld.h"
#include "matchview/spieltagbericht.h"
#include "platform/resfile.h"

namespace {

using namespace bench_samstag;
constexpr const char* PROGRAMM = "spieltagbericht";

// The Saturday played, its records kept, the screen and the resource files open; the biggest
// league of the day.
int32_t vorbereitet()
{
    static const int32_t liga = [] {
        const Samstag& s = samstag(PROGRAMM, {"welt", "wettbewerbe", "resfiles"});
        const std::filesystem::path ordner =
            std::filesystem::temp_directory_path() / ("dorvin_bench_" + std::string(PROGRAMM) + "_" + std::to_string(::getpid()));
        std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s/resfile", ordner.c_str());
        std::snprintf(ResFile_Daten_Praefix, sizeof ResFile_Daten_Praefix, "%s/", ordner.c_str());
        for (int i = 0; i < RESFILE_SLOTS; ++i) DeInit_ResFile(i);
        if (Init_System_Dateien() != 1) Bench_Scheitern(PROGRAMM, "Ressourcen fehlen");
        if (Grafik_Screen_Init(640, 480, 16) != 1) Bench_Scheitern(PROGRAMM, "kein Bildschirm");
        Grafik_Init();
        Auslosung_Set_Warten_Hook([](int32_t, int32_t) { return 1; });
        tag_spielen(s);
        int32_t beste = -1, teams = 0;
        for (int32_t i = 0; i < s.anzahl; ++i) {
            const Wettbewerb_Info* info = Wettbewerb_Get_Info(s.ids[i]);
            if (info && !(info->modus & KO_SYSTEM) && info->teams > teams) {
                teams = info->teams;
                beste = s.ids[i];
            }
        }
        if (beste < 0) Bench_Scheitern(PROGRAMM, "keine Liga am Samstag");
        return beste;
    }();
    return liga;
}

void Noten_Und_Elf_Des_Tages(benchmark::State& state)
{
    vorbereitet();
    // The pages are not part of the figure.
    Stand_Alone_Server = 1;
    for (auto _ : state) Spielfeld_Nominierungen_Eintragen();
    Stand_Alone_Server = 0;
    int32_t n = 0;
    Spielfeld_Get_Nominierungen(&n);
    state.counters["wettbewerbe"] = n;
    state.counters["spiele"] = samstag(PROGRAMM).spiele;
}
BENCHMARK(Noten_Und_Elf_Des_Tages)->Unit(benchmark::kMillisecond);

void Ergebnisseite(benchmark::State& state)
{
    const int32_t liga = vorbereitet();
    for (auto _ : state) {
        Spieltagbericht_Kopf(liga, "Ergebnisse:");
        Spieltagbericht_Ergebniszeilen(liga);
    }
    state.counters["teams"] = Wettbewerb_Get_Info(liga)->teams;
}
BENCHMARK(Ergebnisseite)->Unit(benchmark::kMillisecond);

void Tabellenseite(benchmark::State& state)
{
    const int32_t liga = vorbereitet();
    for (auto _ : state) Spieltagbericht_Tabelle(liga);
    state.counters["teams"] = Wettbewerb_Get_Info(liga)->teams;
}
BENCHMARK(Tabellenseite)->Unit(benchmark::kMillisecond);

}  // namespace
