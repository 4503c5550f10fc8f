// One 28-ms step of the pitch: every moving object moves (the ball with its physics), then the
// contacts are resolved, with 22 players running around the ball (goal: under 20 microseconds on
// one core).
#include <benchmark/benchmark.h>

#include <memory>

#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_verhalten.h"
#include "match/spielfeld.h"

namespace {

struct Stand {
    float x, y, vx, vy;
};

void Spielfeld_Schritt_Kontakte(benchmark::State& state)
{
    Spielfeld_Init();
    auto r = std::make_unique<Spielfeld_Record>();
    r->ballhalter = r->voriger_halter = -1;
    r->passempfaenger = r->letzter_passgeber = r->letzter_schuetze = r->schuetzen_slot = -1;
    r->boden_faktor = 1.2f;
    r->aktions_sperre = 1;
    r->schiri_wert[1] = 3;
    r->tempo_faktor = 1.0f;
    for (Spielfeld_Objekt& o : r->objekt)
        for (Spielfeld_Auftrag& a : o.auftrag) a.animation = -1;
    Stand start[SPIELFELD_OBJEKTE] = {};
    // Eleven a side in a ring of 8 m around the centre, each running at the ball.
    for (int32_t k = 0; k < 22; ++k) {
        const int32_t slot = k < 11 ? k : 16 + k - 11;
        r->spieler[slot].zustand = SPIELFELD_AUF_DEM_PLATZ;
        for (uint16_t& w : r->spieler[slot].faehigkeit) w = uint16_t(450 + 10 * k);
        Spielfeld_Objekt& o = r->objekt[slot];
        o.aktiv = 1;
        o.torwart = k == 0 || k == 11;
        o.x = 5400.0f + float((k * 137) % 1600) - 800.0f;
        o.y = 3403.0f + float((k * 211) % 1600) - 800.0f;
        Spielfeld_Auftrag_Geben(r.get(), slot, 5400, 3403, 0, 500, ANIM_LAUFEN, 0, -1, 0, -1, 1, 0, -1, 0);
        start[slot] = {o.x, o.y, o.vx, o.vy};
    }
    Spielfeld_Objekt& ball = r->objekt[SPIELFELD_BALL];
    ball.aktiv = 1;
    ball.x = 5000.0f;
    ball.y = 3000.0f;
    Spielfeld_Auftrag_Geben(r.get(), SPIELFELD_BALL, 6500, 4000, 0, 1500, ANIM_BALL, 0, 0, 0, -1, 1, 0, -1, 0);
    start[SPIELFELD_BALL] = {ball.x, ball.y, ball.vx, ball.vy};
    const Spielfeld_Auftrag ball_auftrag = *Spielfeld_Aktueller_Auftrag(&ball);
    int32_t schritt = 0;
    for (auto _ : state) {
        // Every second of play the scene starts again, so that it stays a crowd around the ball.
        if (++schritt == 36) {
            schritt = 0;
            for (int32_t i = 0; i < SPIELFELD_OBJEKTE; ++i) {
                if (!r->objekt[i].aktiv) continue;
                r->objekt[i].x = start[i].x;
                r->objekt[i].y = start[i].y;
                r->objekt[i].vx = start[i].vx;
                r->objekt[i].vy = start[i].vy;
            }
            *Spielfeld_Aktueller_Auftrag(&ball) = ball_auftrag;
            ball.fx = ball.fy = 90.0f;
            r->ballhalter = -1;
            r->situation = 0;
            r->ball_zustand = 0;
        }
        for (int32_t i = 0; i < SPIELFELD_OBJEKTE; ++i) {
            Spielfeld_Objekt& o = r->objekt[i];
            const Spielfeld_Auftrag& a = *Spielfeld_Aktueller_Auftrag(&o);
            if (o.aktiv && (a.tempo != 0.0f || a.start_tempo != 0.0f))
                Spielfeld_Objekt_Bewegen(r.get(), i, &o, 28, i == SPIELFELD_BALL);
        }
        Spielfeld_Kontakte_Aufloesen(r.get());
        benchmark::DoNotOptimize(ball.x);
    }
    Spielfeld_DeInit();
}
BENCHMARK(Spielfeld_Schritt_Kontakte)->Unit(benchmark::kMicrosecond);

}  // namespace
