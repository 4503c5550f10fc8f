// One frame of the match overview on the default world's first Saturday: the competition with
// the most games of the day on its games page, the day running (score column each frame), the
// minute clock changing and the pointer on a game (goal: under 1 ms; the frame's 2-ms nap runs
// on the headless clock and costs nothing here). Headless with nobody looking, the frame's
// drawing waits for a picture asked for (Uebersicht_Frame); drawn every frame as in the window,
// Uebersicht_Frame_Gezeichnet. Uebersicht_Neu_Gezeichnet: the games page drawn anew for the next
// competition of the day, round them all (the lines' strengths and, in a league, table places).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include "bench_samstag.h"
#include "competitions/statistik.h"
#include "graphics/font.h"
#include "graphics/grafik_screen.h"
#include "match/spielfeld.h"
#include "match/spieltag.h"
#include "matchview/spielansicht.h"
#include "platform/os/os_display.h"
#include "platform/resfile.h"

namespace {

using namespace bench_samstag;
constexpr const char* PROGRAMM = "spielansicht";

int32_t maus_x = 300, maus_y = 0, maus_tasten = 0;

// The day started, its records made, the screen and the resource files open, the overview on
// the biggest competition of the day; its game count.
int32_t vorbereitet(Spielfeld_Steuerung_Block* st)
{
    static const int32_t spiele = [st] {
        const Samstag& s = samstag(PROGRAMM, {"welt", "wettbewerbe", "resfiles"});
        bildschirm_oeffnen(PROGRAMM);
        Spieltag_Init(s.ids, s.anzahl);
        Spieltag_Spiele_Anlegen();
        Spieltag_Nach_Menue_Bekannte_Daten_Eintragen(0);
        Spielansicht_Set_Maus_Hook([](int32_t* x, int32_t* y, int32_t* t) {
            *x = maus_x;
            *y = maus_y;
            *t = maus_tasten;
        });
        *st = Spielfeld_Steuerung_Block{};
        st->taste = 255;
        if (Spielansicht_Frame(st, 1) != 1) Bench_Scheitern(PROGRAMM, "Übersicht öffnet nicht");
        int32_t ziel = -1, n = 0;
        for (int32_t i = 0; i < s.anzahl; ++i) {
            int32_t sp[SPIELTAG_TAGESLISTE];
            if (Spieltag_Get_Spiele(s.ids[i], sp) && sp[0] > n) {
                n = sp[0];
                ziel = s.ids[i];
            }
        }
        // "Next competition" until the biggest one is shown.
        const Spielansicht_Knopf* weiter = Spielansicht_Get_Knopf(1);
        for (int32_t i = 0; i < s.anzahl && Spielansicht_Wettbewerb() != ziel; ++i) {
            maus_x = weiter->x + 4;
            maus_y = weiter->y + 4;
            maus_tasten = 1;
            Spielansicht_Frame(st, 1);
            maus_tasten = 0;
            Spielansicht_Frame(st, 1);
        }
        if (Spielansicht_Wettbewerb() != ziel) Bench_Scheitern(PROGRAMM, "Wettbewerb nicht erreicht");
        return n;
    }();
    return spiele;
}

void Uebersicht_Frame(benchmark::State& state)
{
    static Spielfeld_Steuerung_Block st{};
    const int32_t spiele = vorbereitet(&st);
    const Spielansicht_Liste_Stand l = Spielansicht_Get_Liste();
    maus_x = 300;
    maus_y = l.oben + 13 + l.zeile / 2;
    int32_t minute = 0;
    for (auto _ : state) Spielansicht_Frame(&st, 1 + (minute++ % 90));
    state.counters["spiele"] = spiele;
}
BENCHMARK(Uebersicht_Frame)->Unit(benchmark::kMicrosecond);

void Uebersicht_Frame_Gezeichnet(benchmark::State& state)
{
    Os_Display_Set_Bild_Immer(true);
    Uebersicht_Frame(state);
    Os_Display_Set_Bild_Immer(false);
}
BENCHMARK(Uebersicht_Frame_Gezeichnet)->Unit(benchmark::kMicrosecond);

void Uebersicht_Neu_Gezeichnet(benchmark::State& state)
{
    static Spielfeld_Steuerung_Block st{};
    vorbereitet(&st);
    st.taste = 255;
    const Spielansicht_Knopf* weiter = Spielansicht_Get_Knopf(1);
    for (auto _ : state) {
        maus_x = weiter->x + 4;
        maus_y = weiter->y + 4;
        maus_tasten = 1;
        Spielansicht_Frame(&st, 1);
        maus_tasten = 0;
        Spielansicht_Frame(&st, 1);
    }
    state.counters["wettbewerbe"] = Spielansicht_Wettbewerb_Anzahl();
}
BENCHMARK(Uebersicht_Neu_Gezeichnet)->Unit(benchmark::kMicrosecond);

}  // namespace
