// One frame of the live match view (Spielszenen_Run: pitch, 22 players, referees, ball, ticker,
// score panel and frame) on 640 x 480 and 1024 x 768 pages: goal under 2 ms in a full-size
// window; four quarter windows with four games: under 5 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "bench_welt.h"
#include "graphics/grafik_screen.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/spielszenen.h"
#include "platform/resfile.h"
#include "tests/matchview/spielszenen_probe.h"

namespace {

std::unique_ptr<Spielfeld_Record> records[4];

Spielfeld_Record* nachschlagen(int32_t spiel)
{
    for (auto& r : records)
        if (r && int32_t(r->spiel) == spiel) return r.get();
    return nullptr;
}

struct Szene {
    Bench_Welt_Ordner daten{"spielszenen", {"resfiles"}};
    Szene()
    {
        std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s", (daten.ordner / "resfile").c_str());
        std::snprintf(ResFile_Daten_Praefix, sizeof ResFile_Daten_Praefix, "%s/", daten.ordner.c_str());
        if (Init_System_Dateien() != 1) Bench_Scheitern("spielszenen", "Ressourcen fehlen");
        for (int32_t i = 0; i < 4; ++i) records[i] = Spielszenen_Probe_Record(100 + i);
        Spielszenen_Set_Record_Hook(nachschlagen);
    }
};

void lauf(benchmark::State& state, int32_t breite, int32_t hoehe, int32_t spiele)
{
    static Szene szene;
    Grafik_Screen_Init(breite, hoehe, 16);
    Spielszenen_Grafik_Freigeben();
    if (!Spielszenen_Grafik_Laden()) Bench_Scheitern("spielszenen", "Szene laedt nicht");
    Spielfeld_Record* rs[4] = {records[0].get(), records[1].get(), records[2].get(), records[3].get()};
    Spielszenen_Fenster_Verteilen(rs, spiele);
    for (int32_t i = 0; i < spiele; ++i) Spielszenen_Fenster_Ticker_Setzen(&Spielszenen_Fenster_Liste[i], "Gelbe Karte für Mustermann.");
    Spielfeld_Steuerung_Block st{};
    st.kamera_teiler = 35;
    Spielszenen_Run(rs[0], &st, 0);
    for (auto _ : state) {
        for (auto& r : records) r->frame_zeit += 20;
        Spielszenen_Run(rs[0], &st, 0);
    }
    Spielszenen_Grafik_Freigeben();
    Grafik_Screen_DeInit();
}

void BM_Frame_Voll_640(benchmark::State& s) { lauf(s, 640, 480, 1); }
void BM_Frame_Voll_1024(benchmark::State& s) { lauf(s, 1024, 768, 1); }
void BM_Frame_Vier_Viertel_640(benchmark::State& s) { lauf(s, 640, 480, 4); }
BENCHMARK(BM_Frame_Voll_640)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Frame_Voll_1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Frame_Vier_Viertel_640)->Unit(benchmark::kMillisecond);

}  // namespace
