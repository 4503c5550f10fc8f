// Scrolling and dragging: one wheel step on a scroll screen holding a 500-row table (500 row
// icons in a 600 x 6000 content bitmap shown through a 600 x 300 window: button move, icon shift
// and window blit; goal under 1 ms), and one drag step of a 200 x 100 image through page 1
// (goal under 0.3 ms).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <string>
#include <system_error>

#include "database/manager.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_screen.h"
#include "platform/display.h"
#include "bench_menue.h"
#include "platform/os/os.h"
#include "platform/os/os_intern.h"
#include "platform/resfile.h"
#include "platform/win95.h"
#include "toolkit/event.h"
#include "toolkit/icon.h"
#include "toolkit/screen.h"
#include "toolkit/scroll.h"
#include "toolkit/ziehen.h"

namespace {

[[noreturn]] void scheitern(const std::string& text) { Bench_Scheitern("scroll", text); }


uint32_t knopf_stand = 60;
uint32_t stand_lesen(int32_t, int32_t) { return knopf_stand; }
void stand_schreiben(int32_t, int32_t, uint32_t wert) { knopf_stand = wert; }

void BM_Rad_Schritt_Tabelle(benchmark::State& state)
{
    Menue_Umgebung u("scroll");
    Manager_Icon_Set_Hook(stand_lesen, stand_schreiben);
    Aktuelles_Team = 0;
    Scrollscreen* s = Menue_Get_Scrollscreen(0);
    s->breite = 600, s->hoehe = 6000, s->sicht_breite = 600, s->sicht_hoehe = 300;
    s->x = 10, s->y = 60, s->laenge = 6000, s->balken_icon = 1600, s->fenster_slave = -1, s->letzte_position = -1;
    if (!Menue_Screen_Icon_Scroll_Bitmap(0)) scheitern("keine Inhaltsbitmap");
    for (int16_t z = 0; z < 500; ++z) {
        Menue_Icon zeile = Menue_Icon_Vorlage(int16_t(1000 + z), -1, 0, 10, int16_t(60 + 12 * z), 600, 12, 3, uint8_t(z % 20));
        zeile.scrollscreen = 0;
        u.neu(zeile);
    }
    static Menue_Scrollbar_Daten daten{nullptr, 0, 620, 620, -1, 60, 360, 0, 0.0f, 0};
    Menue_Icon spur = Menue_Icon_Vorlage(1600, -1, 0, 620, 60, 16, 316, 5, 9);
    spur.verknuepft = 1601;
    Menue_Icon knopf = Menue_Icon_Vorlage(1601, -1, ICON_SCROLLBUTTON, 620, 60, 16, 16, 6, 12);
    knopf.daten = &daten;
    u.neu(spur);
    Menue_Icon* k = u.neu(knopf);
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    int schritte = 0;
    for (auto _ : state) {
        Win95_Eingabe.rad = (schritte++ / 20) % 2 ? -1 : 1;
        Menue_Scrollbar_Rad(k);
        Menue_Abs_Balkenpos(k);
        Menue_Universale_Scroll_Blit_Prozedur(0, 0);
    }
    Win95_Eingabe.rad = 0;
    Menue_Kill_Scrollscreen(0, 0);
    *s = Scrollscreen{};
    Manager_Icon_Set_Hook(nullptr, nullptr);
    u.leeren();
}
BENCHMARK(BM_Rad_Schritt_Tabelle)->Unit(benchmark::kMicrosecond);

void BM_Zieh_Schritt(benchmark::State& state)
{
    Menue_Umgebung u("scroll");
    static Menue_Move_Struktur move{-1, 0, nullptr, nullptr, {-1, 0, 0, 0}, nullptr, -1};
    Menue_Icon stein = Menue_Icon_Vorlage(1700, -1, ICON_ZIEHBAR, 100, 100, 200, 100, 5, 12);
    stein.move = &move;
    Menue_Icon* i = u.neu(stein);
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    Menue_Drag_Start(i, 150, 150);
    int n = 0;
    for (auto _ : state) {
        ++n;
        Menue_Drag_Schritt(150 + (n % 200), 150 + (n % 150), 1);
    }
    Menue_Drop(0, 0);
    u.leeren();
}
BENCHMARK(BM_Zieh_Schritt)->Unit(benchmark::kMicrosecond);

}  // namespace
