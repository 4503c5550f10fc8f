#include "match/pitch/spielfeld_schritt.h"

#include <algorithm>
#include <cmath>

#include "gameflow/globals.h"
#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_ereignis.h"
#include "match/pitch/spielfeld_kontakte.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_spieler.h"
#include "match/pitch/spielfeld_standard.h"
#include "match/pitch/spielfeld_verhalten.h"
#include "match/pitch/spielfeld_sonderaktion.h"
#include "match/spieltag.h"
#include "matchview/live/spielszenen_kamera.h"
#include "matchview/spielszenen_taktik.h"
#include "platform/zufall.h"

namespace {

Spielfeld_Aufruf_Beobachter beobachter = nullptr;

constexpr float ENTSCHEIDUNG_S = 1.0f;
constexpr float SCHRITT_HINTER_BALL = 150.0f;
constexpr float ABSTAND_STANDARD = 915.0f;
// per cent of half the goal's width
constexpr float NETZ_TIEFE = 1000.0f;
constexpr float SCHUSS_ABSCHUSS = 650.0f;
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

// The animation runs at its own rate from the frame its order began with: moves and idles
// loop, anything else stops on its end frame. True when such an action has played out.
bool bilder_laufen(Spielfeld_Auftrag& a, int32_t ms)
{
    if (!Spielszenen_Animation_Gueltig(a.animation)) return false;
    const Spielszenen_Animation& t = Spielszenen_Animationstabelle[a.animation];
    if (t.bilder <= 1 || t.ms_pro_bild <= 0.0f) return a.art != 0;
    // the carry is a byte: slower animations step at most every 255 ms
    const int32_t pro_bild = std::clamp(int32_t(t.ms_pro_bild), 1, 255);
    const int32_t letztes = std::min<int32_t>(a.wert_6, t.bilder - 1);
    int32_t zeit = int32_t(a.bild_ms) + ms;
    int32_t bild = a.wert_40;
    for (; zeit >= pro_bild; zeit -= pro_bild) ++bild;
    bool aus = false;
    if (a.art == 0) bild %= t.bilder;
    else if (bild > letztes) {
        bild = std::max<int32_t>(letztes, a.wert_40);
        zeit = 0;
        aus = true;
    }
    a.wert_40 = uint8_t(bild);
    a.bild_ms = uint8_t(zeit);
    return aus;
}

// The next order of the ring, when one was queued, becomes current with its own time.
void ring_weiter(Spielfeld_Objekt& o)
{
    const int32_t n = (o.ring + 1) & 3;
    Spielfeld_Auftrag& na = o.auftrag[n];
    if (na.animation == -1) return;
    o.ring = int8_t(n);
    o.auftrag_fertig = 0;
    o.neuer_auftrag = 1;
    o.auftrag_zeit = na.dauer;
    const bool am_ziel = o.x == na.ziel[0] && o.y == na.ziel[1] && o.z == na.ziel[2];
    if (am_ziel) na.tempo = 0.0f;
    Spielfeld_Objekt_Richtung_Setzen(&o, na.tempo);
}

// An action is over when its time is up, or, without a time, when it has played out standing;
// it then frees the object for its next order or a new decision.
void auftrag_schritt(Spielfeld_Objekt& o, int32_t ms)
{
    Spielfeld_Auftrag& a = *Spielfeld_Aktueller_Auftrag(&o);
    const bool ausgespielt = bilder_laufen(a, ms);
    o.auftrag_zeit = std::max(o.auftrag_zeit - float(ms), 0.0f);
    // an order given again with its animation keeps the time it had, which may be none left
    const bool steht = a.tempo == 0.0f && a.start_tempo == 0.0f;
    const bool vorbei = a.dauer > 0.0f ? o.auftrag_zeit == 0.0f && (a.art != 0 || steht) : ausgespielt && steht;
    if (vorbei) {
        a.art = 0;
        a.dauer = 0.0f;
        a.wartend = 0;
        o.auftrag_fertig = 1;
        if (o.auftrag[(o.ring + 1) & 3].animation == -1) o.neu_entscheiden = 1;
    }
    if (o.auftrag_fertig) ring_weiter(o);
}

void objekt_schritt(Spielfeld_Record* r, int32_t i, int32_t ms)
{
    Spielfeld_Objekt& o = r->objekt[i];
    const float dt = float(ms);
    auftrag_schritt(o, ms);
    Spielfeld_Auftrag* a = Spielfeld_Aktueller_Auftrag(&o);
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

// The record's own clock runs in play only. The change block is applied as a minute starts and
// takes the manager's changes as it ends; in network play the sync hears of the minute's end.
void uhr(Spielfeld_Record* r)
{
    if (r->situation != SITUATION_SPIEL) return;
    const int32_t tempo = std::max(Spielgeschwindigkeit, 1);
    if (r->einheiten == 0) {
        Spielfeld_Aufruf_Melden(AUFRUF_ANWENDEN, r, r->minute);
        Spielfeld_Anweisungen_Anwenden(r, r->minute);
    }
    if (++r->einheiten >= tempo) {
        r->einheiten = 0;
        const int32_t m = r->minute;
        ++r->minute;
        Spielfeld_Aufruf_Melden(AUFRUF_UEBERNEHMEN, r, m);
        Spielfeld_Anweisungen_Uebernehmen(r, m);
        if (Netz_Rolle != 0) {
            Spielfeld_Aufruf_Melden(AUFRUF_MINUTE_ENDE, r, m);
            Spielfeld_Minute_Ende(r, m);
        }
    }
    r->sekunden = uint16_t(int32_t(r->einheiten) * 60 / tempo);
}

bool spielt(const Spielfeld_Record* r, int32_t slot)
{
    return r->spieler[slot].spnr >= 0 && r->spieler[slot].zustand == SPIELFELD_AUF_DEM_PLATZ && r->objekt[slot].aktiv;
}

bool ist_schuetze(uint8_t rolle)
{
    return rolle == ROLLE_ABSTOSS || rolle == ROLLE_ECKE || rolle == ROLLE_EINWURF || rolle == ROLLE_ANSTOSS ||
           rolle == ROLLE_STRAFSTOSS || rolle == ROLLE_FREISTOSS;
}

// The restart's taker, else the player nearest to the ball; -1 when nobody plays.
int32_t schuetze_fuer_standard(const Spielfeld_Record* r)
{
    if (r->schuetze_bestimmt >= 0 && r->schuetze_bestimmt < SPIELFELD_SLOTS && spielt(r, r->schuetze_bestimmt))
        return r->schuetze_bestimmt;
    for (int32_t i = 0; i < SPIELFELD_SLOTS; ++i)
        if (spielt(r, i) && ist_schuetze(r->objekt[i].zustand)) return i;
    const Spielfeld_Objekt& b = r->objekt[SPIELFELD_BALL];
    int32_t best = -1;
    float d_best = 0.0f;
    for (int32_t i = 0; i < SPIELFELD_SLOTS; ++i) {
        if (!spielt(r, i)) continue;
        const float dx = r->objekt[i].x - b.x, dy = r->objekt[i].y - b.y;
        const float d = dx * dx + dy * dy;
        if (best < 0 || d < d_best) best = i, d_best = d;
    }
    return best;
}

// A restart nobody took in time: the taker (or the nearest player) steps up and plays it, at the
// goal from the spot, else forward along the ground.
void standard_erzwingen(Spielfeld_Record* r)
{
    const int32_t s = schuetze_fuer_standard(r);
    const bool schuss = r->situation == SITUATION_ELFMETER || r->situation == SITUATION_ELFMETERSCHIESSEN;
    Spielfeld_Objekt& b = r->objekt[SPIELFELD_BALL];
    if (s >= 0) {
        const int32_t seite = s / 16;
        Spielfeld_Objekt& o = r->objekt[s];
        o.zustand = 0;
        o.neu_entscheiden = 1;
        const float tx = float(r->tor_x[seite]);
        float zx = b.x, zy = b.y;
        if (schuss) {
            // where his penalty would go
            float ty = 0.0f, zh = 0.0f;
            Spielfeld_Strafstoss_Ziel(r, s, &ty, &zh);
            // aimed into the net: a ball played to the line would stop on it
            zx = tx + (tx < float(Spielfeld_Masse[0] / 2) ? -NETZ_TIEFE : NETZ_TIEFE);
            // the drawn offset is where it crosses the line
            const float weit = std::fabs(zx - b.x) / std::max(std::fabs(tx - b.x), 1.0f);
            zy = b.y + (ty - b.y) * weit;
            r->schuss_offen = 1;
            r->letzter_schuetze = s;
            r->schuetzen_slot = s;
        } else {
            zx = std::clamp(b.x + (tx > b.x ? 1500.0f : -1500.0f), 0.0f, float(Spielfeld_Masse[0]));
            zy = std::clamp(b.y + (float(Spielfeld_Masse[1]) / 2.0f - b.y) * 0.3f, 0.0f, float(Spielfeld_Masse[1]));
        }
        // from the spot only the taker and the defending goalkeeper stay near the ball
        if (schuss)
            for (int32_t i = 0; i < SPIELFELD_SLOTS; ++i) {
                Spielfeld_Objekt& p = r->objekt[i];
                if (i == s || !spielt(r, i) || (p.torwart && i / 16 != seite)) continue;
                const float px = p.x - b.x, py = p.y - b.y;
                if (px * px + py * py >= ABSTAND_STANDARD * ABSTAND_STANDARD) continue;
                // back towards the halfway line, never towards the goal
                const float mitte = float(Spielfeld_Masse[0] / 2);
                const float x = std::clamp(b.x + (mitte > b.x ? ABSTAND_STANDARD : -ABSTAND_STANDARD), 0.0f, float(Spielfeld_Masse[0]));
                Spielfeld_Objekt_Setzen(r, i, int32_t(x), int32_t(p.y), 0);
            }
        // he stands a stride behind the ball, so that the kick leaves him at once
        const float dx = zx - b.x, dy = zy - b.y;
        const float d = std::max(std::sqrt(dx * dx + dy * dy), 1.0f);
        Spielfeld_Objekt_Setzen(r, s, int32_t(b.x - dx / d * SCHRITT_HINTER_BALL), int32_t(b.y - dy / d * SCHRITT_HINTER_BALL), 0);
        r->letzte_beruehrung = uint8_t(seite);
        r->ballhalter = -1;
        Spielfeld_Ball_Spielen(r, zx, zy, schuss ? 2600.0f : 1200.0f, -1);
        if (schuss) {
            // lifted a little: heavy ground would stop a ball rolled from the spot
            Spielfeld_Aktueller_Auftrag(&b)->start_tempo = SCHUSS_ABSCHUSS;
            b.flug_start = b.flug_uhr = 0.0f;
            // the keeper sees it come
            for (int32_t i = 16 * (1 - seite); i < 16 * (1 - seite) + 16; ++i)
                if (r->objekt[i].torwart) r->objekt[i].neu_entscheiden = 1;
        }
    }
    r->freistoss_offen = r->elfmeter_offen = r->ecke_offen = 0;
    r->standard_aufgebaut = 0;
    r->nach_standard = 1;
    if (r->situation == SITUATION_VERLETZUNG || s < 0) r->objekt[SPIELFELD_BALL].vx = r->objekt[SPIELFELD_BALL].vy = 0.0f;
    Spielfeld_Situation_Zuruecksetzen(r);
    if (schuss && s >= 0) r->strafstoss = STRAFSTOSS_UNTERWEGS;
}

// A restart set, held by a goalkeeper, or come to rest: the ball step books a goal in the step
// the ball stops in the net, so a resting ball in the goal has counted.
bool ball_tot(const Spielfeld_Record* r)
{
    const Spielfeld_Objekt& b = r->objekt[SPIELFELD_BALL];
    if (r->situation != SITUATION_SPIEL) return true;
    if (r->ballhalter >= 0 && r->ballhalter < SPIELFELD_SLOTS && r->objekt[r->ballhalter].torwart) return true;
    if (r->ball_zustand == BALL_IM_TOR) return b.vx == 0.0f && b.vy == 0.0f;
    return b.z <= 0.0f && std::fabs(b.vx) + std::fabs(b.vy) <= 50.0f;
}

// Liveness: a restart ends within its time, a shoot-out kick once its ball is dead (or in time).
// The kick's own time starts when it is taken (aufgestellt: the set-up stood before this frame),
// so that a long run-up does not end the ball's flight before it reaches the goal.
void waechter(Spielfeld_Record* r, int32_t ms, bool aufgestellt)
{
    const auto zaehlen = [&] { r->waechter_ms = uint16_t(std::min<int32_t>(r->waechter_ms + ms, 0xFFFF)); };
    if (aufgestellt && r->situation != SITUATION_ELFMETERSCHIESSEN) r->waechter_ms = 0;
    if (r->elfmeter_schuss == 2) {
        r->waechter_ms = 0;
        return;
    }
    if (r->elfmeter_schuss == 1 && r->situation != SITUATION_ELFMETERSCHIESSEN) {
        zaehlen();
        // the ball needs a moment to leave the spot before it can count as dead
        const bool spaet = r->waechter_ms >= SPIELFELD_ELFMETER_WAECHTER_MS;
        if ((r->waechter_ms > 4 * SPIELFELD_SCHRITT_MS && ball_tot(r)) || spaet) {
            r->elfmeter_schuss = 2;
            r->waechter_ms = 0;
        }
        return;
    }
    // A ball out of play in play's time whose order is over gets no ball step, which gives the
    // restart: kept at its last speed it held the match for ever, the clock running. After a
    // restart's time it lies still and its restart follows.
    // Only a ball without its step counts: one that still moves under its order gets its restart
    // from that step, and cutting its run short began it anew, so that a match never ended.
    const uint32_t z = r->ball_zustand;
    const Spielfeld_Auftrag& ball_auftrag = *Spielfeld_Aktueller_Auftrag(&r->objekt[SPIELFELD_BALL]);
    const bool ohne_schritt = ball_auftrag.tempo == 0.0f && ball_auftrag.start_tempo == 0.0f;
    if (r->situation == SITUATION_SPIEL && ohne_schritt && (z == BALL_IM_TOR || z == BALL_TORAUS || z == BALL_SEITENAUS)) {
        zaehlen();
        if (r->waechter_ms < SPIELFELD_STANDARD_WAECHTER_MS) return;
        r->waechter_ms = 0;
        Spielfeld_Ball_Aus_Ruhe(r);
        return;
    }
    if (r->situation == SITUATION_WECHSEL) {
        // however a walk is held up, play goes on once its time is up
        zaehlen();
        if (r->waechter_ms < SPIELFELD_WECHSEL_WAECHTER_MS) return;
        r->waechter_ms = 0;
        for (int32_t i = 0; i < SPIELFELD_SLOTS; ++i) Spielfeld_Wechsel_Lauf_Beenden(r, i);
        return;
    }
    switch (r->situation) {
    case SITUATION_SPIEL:
    case SITUATION_HALBZEIT:
    case SITUATION_TORJUBEL: r->waechter_ms = 0; return;
    default: break;
    }
    zaehlen();
    if (r->waechter_ms < SPIELFELD_STANDARD_WAECHTER_MS) return;
    r->waechter_ms = 0;
    standard_erzwingen(r);
}

}  // namespace

void Spielfeld_Record_Schritt(Spielfeld_Record* r, int32_t ms)
{
    if (!r) return;
    // the record's millisecond clock: the view's tickers, blinks and figures run on it
    r->frame_zeit += uint32_t(ms);
    // Between two shoot-out kicks the pitch rests until the day sets up the next one.
    if (r->elfmeter_schuss == 2) return;
    const bool kick_aufgestellt = r->elfmeter_schuss == 1 && r->situation == SITUATION_ELFMETERSCHIESSEN;
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
    waechter(r, ms, kick_aufgestellt);
    // a shoot-out kick has no clock: the day decides when the shoot-out ends
    if (r->spielende != 2 && !r->elfmeter_schuss) Spieltag_Halbzeit_Auf_Dem_Platz_Pruefen(r);
    if (r->spielende == 2 && r->situation != SITUATION_HALBZEIT) Spielfeld_Halbzeit_Beenden(int32_t(r->spiel));
    for (int32_t i = 0; i < SPIELFELD_SLOTS; ++i)
        if (r->objekt[i].aktiv) Spielfeld_Animation_Variieren(&r->objekt[i]);
    uhr(r);
    const Spielfeld_Objekt& ball = r->objekt[SPIELFELD_BALL];
    r->kamera_ziel[0] = ball.x;
    r->kamera_ziel[1] = ball.y;
    r->kamera_ziel[2] = ball.z;
}

void Spielfeld_Set_Aufruf_Beobachter(Spielfeld_Aufruf_Beobachter b) { beobachter = b; }

void Spielfeld_Aufruf_Melden(Spielfeld_Aufruf aufruf, const Spielfeld_Record* r, int32_t minute)
{
    if (beobachter) beobachter(aufruf, r, minute);
}
