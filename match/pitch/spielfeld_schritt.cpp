#include "match/pitch/spielfeld_schritt.h"

#include <algorithm>

#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_ereignis.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_spieler.h"
#include "match/pitch/spielfeld_standard.h"
#include "match/pitch/spielfeld_verhalten.h"
#include "match/spieltag.h"
#include "matchview/live/spielszenen_kamera.h"
#include "platform/zufall.h"

namespace {

constexpr float ENTSCHEIDUNG_S = 1.0f;
constexpr uint32_t KRAFT_MAX = 10000;
constexpr uint8_t ZUSTAND_VERLETZT = 44;  // lying hurt after a foul

bool walk_zustand(uint8_t z) { return (z >= 36 && z <= 39) || z == 50; }

// Stamina: running costs by the speed class, standing recovers; late in a game a tired player
// recovers at half the rate.
void kraft_fuehren(Spielfeld_Record* r, int32_t i, const Spielfeld_Auftrag* a)
{
    Spielfeld_Spieler& e = r->spieler[i];
    const int32_t stufe = Spielfeld_Tempo_Stufe(a);
    int32_t k = int32_t(e.kraft);
    if (stufe >= 4) k -= 2;
    else if (stufe == 3) k -= 1;
    else if (stufe == 0 && !(r->minute >= 60 && k < int32_t(KRAFT_MAX / 2) && (r->einheiten & 1))) k += 1;
    e.kraft = uint32_t(std::clamp(k, 0, int32_t(KRAFT_MAX)));
}

void objekt_schritt(Spielfeld_Record* r, int32_t i, int32_t ms)
{
    Spielfeld_Objekt& o = r->objekt[i];
    Spielfeld_Auftrag* a = Spielfeld_Aktueller_Auftrag(&o);
    const float dt = float(ms);
    if (o.auftrag_zeit > 0.0f) o.auftrag_zeit = std::max(o.auftrag_zeit - dt, 0.0f);
    if (i < SPIELFELD_SLOTS) kraft_fuehren(r, i, a);
    o.countdown_a = std::max(o.countdown_a - dt, 0.0f);
    o.countdown_b = std::max(o.countdown_b - dt, 0.0f);
    o.entscheidung_timer += dt / 1000.0f;
    if (o.entscheidung_timer > ENTSCHEIDUNG_S) {
        o.neu_entscheiden = 1;
        o.entscheidung_timer = 0.0f;
    }
    if (a->tempo != 0.0f || a->start_tempo != 0.0f) Spielfeld_Objekt_Bewegen(r, i, &o, ms, i == SPIELFELD_BALL);
}

void walks_beenden(Spielfeld_Record* r)
{
    for (int32_t i = 0; i < SPIELFELD_SLOTS; ++i)
        if (walk_zustand(r->objekt[i].zustand)) return;
    r->laufende_spieler = -1;
    if (r->situation == SITUATION_WECHSEL) r->situation = SITUATION_SPIEL;
}

void foul_buchen(Spielfeld_Record* r)
{
    if (r->elfmeter_schuss) {
        r->foul_countdown = 0;
        return;
    }
    if (!r->foul_countdown) return;
    if (r->objekt[SPIELFELD_BALL].z > 0.0f) r->foul_countdown = 1;
    const bool faellig = r->foul_countdown == 1 || r->vorteil == 2;
    --r->foul_countdown;
    if (!faellig || r->situation == SITUATION_FREISTOSS) return;
    r->foul_countdown = 0;
    const int32_t g = r->gefoulter;
    if (r->situation == SITUATION_VERLETZUNG && g >= 0 && g < SPIELFELD_SLOTS && r->objekt[g].zustand == ZUSTAND_VERLETZT) {
        // the kind stands in the header's second value; the store gets no second player
        const int32_t art = Zufall(0, 41);
        Spielfeld_Ereignis_Melden(r, EREIGNIS_VERLETZUNG, g, -1);
        r->kopf.zweiter = int16_t(art);
    }
    Spielfeld_Foul_Bewerten(r);
    Spielfeld_Foul_Standard(r, r->foul_x, r->foul_y, r->gefoulte_seite);
}

// After the goal's pause the side that conceded kicks off from the centre spot.
void nach_tor(Spielfeld_Record* r)
{
    if (r->situation != SITUATION_TORJUBEL) return;
    if (r->tor_pause > 0 && --r->tor_pause > 0) return;
    Spielfeld_Objekt& b = r->objekt[SPIELFELD_BALL];
    Spielfeld_Objekt_Setzen(r, SPIELFELD_BALL, Spielfeld_Masse[0] / 2, Spielfeld_Masse[1] / 2, 0);
    b.vx = b.vy = b.vz = 0.0f;
    Spielfeld_Auftrag_Tempo_Setzen(r, SPIELFELD_BALL, 0.0f, 0);
    Spielfeld_Flug_Setzen(r, SPIELFELD_BALL, 0.0f);
    r->ball_zustand = BALL_IM_SPIEL;
    r->ballhalter = -1;
    r->situation = SITUATION_ANSTOSS;
    r->standard_aufgebaut = 0;
}

// The record's own clock runs in play only.
void uhr(Spielfeld_Record* r)
{
    if (r->situation != SITUATION_SPIEL) return;
    const int32_t tempo = std::max(Spielgeschwindigkeit, 1);
    if (++r->einheiten >= tempo) {
        r->einheiten = 0;
        ++r->minute;
    }
    r->sekunden = uint16_t(int32_t(r->einheiten) * 60 / tempo);
}

}  // namespace

void Spielfeld_Record_Schritt(Spielfeld_Record* r, int32_t ms)
{
    if (!r) return;
    r->frame_zeit = uint32_t(ms);
    Ball_Objekt = &r->objekt[SPIELFELD_BALL];
    Ball_Auftrag = &Ball_Objekt->auftrag[0];
    for (int32_t i = 0; i < SPIELFELD_OBJEKTE; ++i)
        if (r->objekt[i].aktiv && r->objekt[i].neu_entscheiden) Spielfeld_Verhalten_Verteilen(r, i);
    if (r->situation != SITUATION_SPIEL) Spielfeld_Situation_Aufstellen(r);
    walks_beenden(r);
    for (int32_t i = 0; i < SPIELFELD_OBJEKTE; ++i)
        if (r->objekt[i].aktiv) objekt_schritt(r, i, ms);
    Spielfeld_Kontakte_Aufloesen(r);
    foul_buchen(r);
    nach_tor(r);
    if (r->spielende != 2) Spieltag_Halbzeit_Auf_Dem_Platz_Pruefen(r);
    if (r->spielende == 2 && r->situation != SITUATION_HALBZEIT) Spielfeld_Halbzeit_Beenden(int32_t(r->spiel));
    for (int32_t i = 0; i < SPIELFELD_SLOTS; ++i)
        if (r->objekt[i].aktiv) Spielfeld_Animation_Variieren(&r->objekt[i]);
    uhr(r);
    const Spielfeld_Objekt& ball = r->objekt[SPIELFELD_BALL];
    r->kamera_ziel[0] = ball.x;
    r->kamera_ziel[1] = ball.y;
    r->kamera_ziel[2] = ball.z;
}
