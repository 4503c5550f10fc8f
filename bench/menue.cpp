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

#include "bench_menue.h"
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



Menue_Umgebung& umgebung()
{
    static Menue_Umgebung u("menue");
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
