// The line-up screen over a running match: one frame on page 1 (refresh with radar, clock and
// the list's columns, one driver step): goal under 1 ms; a page switch with its rebuild: under
// 5 ms; placing and drawing the pitch with both area views on: under 2 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "bench_welt.h"
#include "graphics/grafik_screen.h"
#include "match/spielfeld.h"
#include "matchview/lineup/aufstellung.h"
#include "matchview/lineup/screen.h"
#include "matchview/live/spielszenen_live.h"
#include "platform/resfile.h"
#include "tests/matchview/spielszenen_probe.h"
#include "toolkit/btnscreen.h"

namespace {

std::unique_ptr<Spielfeld_Record> record;

struct Schirm {
    Bench_Welt_Ordner daten{"aufstellung_spielschirm", {"resfiles"}};
    Schirm()
    {
        std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s", (daten.ordner / "resfile").c_str());
        std::snprintf(ResFile_Daten_Praefix, sizeof ResFile_Daten_Praefix, "%s/", daten.ordner.c_str());
        if (Init_System_Dateien() != 1) Bench_Scheitern("aufstellung_spielschirm", "Ressourcen fehlen");
        Grafik_Screen_Init(640, 480, 16);
        record = Spielszenen_Probe_Record(100);
        for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
            Spielfeld_Spieler& s = record->spieler[slot];
            const int32_t k = slot % 16;
            s.zustand = k < 11 ? SPIELFELD_AUF_DEM_PLATZ : SPIELFELD_ERSATZ;
            s.partner[2] = 255;
            record->objekt[slot].aktiv = 1;
            const int32_t x = int32_t(record->objekt[slot].x), y = int32_t(record->objekt[slot].y);
            const int32_t t[8] = {x - 900, x + 900, y - 700, y + 700, x - 600, x + 600, y, y};
            for (int32_t i = 0; i < 8; ++i) s.taktik_punkte[i] = t[i];
        }
        Screen_Record = record.get();
        Screen_Seite = 0;
        if (!Screen_Oeffnen()) Bench_Scheitern("aufstellung_spielschirm", "Liste laedt nicht");
        Screen_Seite_Zeigen(1);
    }
};

Schirm& schirm()
{
    static Schirm s;
    return s;
}

void BM_Aufstellung_Frame(benchmark::State& state)
{
    schirm();
    Screen_Seite_Zeigen(1);
    for (auto _ : state) {
        Spielszenen_Blink_Normal ^= 1;
        record->frame_zeit += 20;
        Screen_Refresh(nullptr);
        Btnscreen_Schritt(Aufstellung_Liste);
    }
}

void BM_Aufstellung_Seitenwechsel(benchmark::State& state)
{
    schirm();
    uint32_t seite = 0;
    for (auto _ : state) {
        seite = (seite + 1) % 4;
        Screen_Seite_Zeigen(int32_t(seite));
    }
    Screen_Seite_Zeigen(1);
}

void BM_Aufstellung_Feld(benchmark::State& state)
{
    schirm();
    Aufstellung_Liste[AG_RAUM_LINKS].benutzer[0] = Aufstellung_Liste[AG_RAUM_RECHTS].benutzer[0] = 1;
    for (auto _ : state) {
        Feld_Aufbauen();
        Update_Feld();
    }
    Aufstellung_Liste[AG_RAUM_LINKS].benutzer[0] = Aufstellung_Liste[AG_RAUM_RECHTS].benutzer[0] = 0;
}

}  // namespace

BENCHMARK(BM_Aufstellung_Frame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Aufstellung_Seitenwechsel)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Aufstellung_Feld)->Unit(benchmark::kMicrosecond);
