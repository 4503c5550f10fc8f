// How the players play: defending, attacking, the man on the ball, the goalkeeper, the walk off
// at the end of a half, and the takers and walls of restarts. Every decision becomes an order
// (Spielfeld_Auftrag_Geben); the contacts decide what happens when players and ball meet.
#include <algorithm>
#include <cmath>

#include "match/pitch/spielfeld_abfragen.h"
#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_ansicht.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_ereignis.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_sonderaktion.h"
#include "match/pitch/spielfeld_spieler.h"
#include "match/pitch/spielfeld_standard.h"
#include "match/pitch/spielfeld_verhalten.h"
#include "match/pitch/spielfeld_wechsel.h"
#include "matchview/live/spielszenen_kamera.h"
#include "platform/wert.h"
#include "platform/zufall.h"

namespace {

// Positions of the skills in a strength entry's adjusted values (0..999).
enum : int32_t { UEBERSICHT = 3, TORSCHUSS = 8, FLANKEN = 9, FREISTOSS = 10, ELFMETER = 11, AGGRESSIV = 17, REFLEXE = 18 };
constexpr int32_t ANW_SCHIESSEN = 4;  // instruction: 0 shoot at every chance .. 4 only at huge ones
// A goalkeeper's penalty instruction: a corner chosen beforehand, guessed, always left or right.
constexpr int32_t ANW_TW_ELFMETER = 9;
enum : uint8_t { TW_ELFMETER_VORHER = 0, TW_ELFMETER_AHNEN = 1, TW_ELFMETER_LINKS = 2, TW_ELFMETER_RECHTS = 3 };

constexpr int32_t ANIM_BALL_GESPIELT = 10, ANIM_SCHUSS = 49, ANIM_PASS = 50, ANIM_EINWURF = 85;
constexpr int32_t ANIM_TACKLING = 101, ANIM_GRAETSCHE = ANIM_TACKLING_GEFALLEN;
constexpr int32_t ANIM_FANGEN_LINKS = 45, ANIM_FANGEN_RECHTS = 46, ANIM_HALTEN = 47;
constexpr int32_t ANIM_HECHT_LINKS = 41, ANIM_HECHT_RECHTS = 42;

constexpr float TORPFOSTEN = 450.0f;     // half the goal mouth
constexpr float STANDARD_ABSTAND = 915.0f;
constexpr float NEU_AB = 120.0f;         // a new run only when the point moved this far
constexpr float AM_BALL = 60.0f;         // the ball is at his feet
constexpr float BEDRAENGT = 250.0f;      // an opponent this near presses the man on the ball
constexpr float VOR_DEM_STRAFRAUM = 3000.0f;  // from the goal line
constexpr float FREILAUFEN = 200.0f;     // an opponent this near makes an attacker seek room
constexpr float TACKLING_NAH = 260.0f;
constexpr float ROLLEN_BIS = 1500.0f;    // passes up to this length roll, longer ones fly
constexpr float SPERRE_MS = 350.0f;      // a player who kicked does not meet the ball at once
constexpr float HALTEN_MS = 1000.0f;     // a goalkeeper holds a caught ball this long
constexpr float RAUM_TEMPO = 0.65f;      // share of his speed a player takes his place at
constexpr float STANDARD_WARTEN_MS = 900.0f;  // a taker at the ball waits this long
// A penalty is aimed this share of half the goal mouth from the middle (per cent); the error
// per point of penalty skill short of 1000 is in cm at the line.
constexpr int32_t STRAFSTOSS_ECKE_VON = 35, STRAFSTOSS_ECKE_BIS = 95;
constexpr float STRAFSTOSS_FEHLER = 0.15f;
// A keeper in the right corner saves with this chance (per mille), less the share of it the ball
// loses as it nears the post, plus a quarter of his reflexes; beaten, he falls this far short.
constexpr float STRAFSTOSS_HALTEN = 800.0f, STRAFSTOSS_ECKE_SICHER = 700.0f, STRAFSTOSS_ZU_KURZ = 280.0f;

// What a skill makes of a figure of play: `mittel` for a player of the middling skill on the pitch
// (about 550 once his side's strength and the venue are in), `je_punkt` more for each point above
// it, never below `min`. The slopes are steep enough that a clearly better side makes more of its
// chances and gives fewer away: over a season the table follows the sides' strength.
struct Nach_Koennen {
    float mittel, je_punkt, min;
};
constexpr float KOENNEN_MITTE = 550.0f;
constexpr Nach_Koennen PASS_FEHLER{225.0f, -1.0f, 20.0f};        // the miss of a pass by his vision
constexpr Nach_Koennen SCHUSS_STREUUNG{615.0f, -1.5f, 100.0f};   // the spread of a shot by his shooting
constexpr Nach_Koennen TORWART_REAKTION{775.0f, 1.0f, 0.0f};     // in 1000, a keeper in reach gets there in time

float nach_koennen(const Nach_Koennen& k, int32_t wert)
{
    return std::max(k.mittel + (float(wert) - KOENNEN_MITTE) * k.je_punkt, k.min);
}

constexpr int32_t STANDARD_BEREIT = 1;        // value 4 of a taker's order: he is at the ball

float laenge() { return float(Spielfeld_Masse[0]); }
float breite() { return float(Spielfeld_Masse[1]); }
int32_t seite_von(int32_t slot) { return slot >= 16 ? 1 : 0; }
int32_t wert(const Spielfeld_Record* r, int32_t slot, int32_t i) { return r->spieler[slot].faehigkeit[i]; }
Spielfeld_Objekt& ball(Spielfeld_Record* r) { return r->objekt[SPIELFELD_BALL]; }

// On the pitch, in play and able to act (not lying hurt, not walking on or off).
bool spielt(const Spielfeld_Record* r, int32_t i)
{
    const Spielfeld_Objekt& o = r->objekt[i];
    return r->spieler[i].zustand == SPIELFELD_AUF_DEM_PLATZ && o.aktiv && o.y >= 0.0f;
}

// +1 when the side plays towards x = length.
float richtung(const Spielfeld_Record* r, int32_t s) { return float(r->tor_x[s]) > laenge() / 2 ? 1.0f : -1.0f; }
float tor_x(const Spielfeld_Record* r, int32_t s) { return float(r->tor_x[s]); }
float tor_y(const Spielfeld_Record* r, int32_t s) { return float(r->tor_y[s]); }
float eigenes_tor_x(const Spielfeld_Record* r, int32_t s) { return float(r->tor_x[1 - s]); }

float tempo(const Spielfeld_Record* r, int32_t i)
{
    return Spielfeld_Laufgeschwindigkeit_Einsatz(&r->spieler[i], 0, r->einsatz[seite_von(i)]);
}

float abstand(float ax, float ay, float bx, float by) { return std::hypot(ax - bx, ay - by); }

// Taking up a place: a walk when near (no strain), a jog on the way, a sprint only from afar.
float platz_tempo(const Spielfeld_Record* r, int32_t i, float weg)
{
    const float v = tempo(r, i);
    if (weg < 300.0f) return std::min(v, 200.0f);
    if (weg < 1500.0f) return std::min(v * RAUM_TEMPO, 540.0f);
    return v;
}
// The frame an action starts with so that its contact frame comes in the given seconds.
int32_t anlauf_bild(int32_t anim, float sekunden)
{
    const Spielszenen_Animation& t = Spielszenen_Animationstabelle[anim];
    const int32_t vorlauf = t.ms_pro_bild > 0.0f ? int32_t(sekunden * 1000.0f / t.ms_pro_bild) : 0;
    return std::max(int32_t(t.kontakt_bild) - vorlauf, 0);
}

float ball_abstand(Spielfeld_Record* r, int32_t i)
{
    const Spielfeld_Objekt& o = r->objekt[i];
    return abstand(o.x, o.y, ball(r).x, ball(r).y);
}

// Runs to (x, y) unless he is already running there; the point is held on the pitch.
void laufen(Spielfeld_Record* r, int32_t i, float x, float y, float v)
{
    Spielfeld_Objekt& o = r->objekt[i];
    x = std::clamp(x, 0.0f, laenge());
    y = std::clamp(y, 0.0f, breite());
    const Spielfeld_Auftrag* a = Spielfeld_Aktueller_Auftrag(&o);
    // a plain run to about the same point stands; an action (kick, dive, fall) is replaced
    const bool dorthin = a->art == 0 && abstand(a->ziel[0], a->ziel[1], x, y) < NEU_AB &&
                         ((a->tempo > 0.0f && std::fabs(a->tempo - v) < 50.0f) || abstand(o.x, o.y, x, y) < 30.0f);
    o.neu_entscheiden = 0;
    if (dorthin) return;
    Spielfeld_Auftrag_Geben(r, i, int32_t(x), int32_t(y), 0, int32_t(v), ANIM_BEWEGEN, 0, -1, 0, -1, 1, -1, -1, 0);
}

// Plays an animation where he stands (a kick, a throw).
void aktion(Spielfeld_Record* r, int32_t i, int32_t anim)
{
    const Spielfeld_Objekt& o = r->objekt[i];
    Spielfeld_Auftrag_Geben(r, i, int32_t(o.x), int32_t(o.y), 0, 0, anim, 0, 300, 0, -1, 1, -1, -1, 0);
}

// Way a ball rolls from speed v: friction starts at 90 cm/s^2 and grows by the ground factor
// each frame, so rolled balls stop within about a second.
float roll_weite(float v, float boden)
{
    float f = 90.0f, weg = 0.0f;
    for (int32_t n = 0; n < 200 && v > 0.0f; ++n) {
        v = std::max(v - f * 0.028f, 0.0f);
        f *= std::max(boden, 1.05f);
        weg += v * 0.028f;
    }
    return weg;
}

float roll_tempo(float weite, float boden)
{
    float v = 300.0f;
    while (v < 3000.0f && roll_weite(v, boden) < weite) v += 50.0f;
    return v;
}

// The ball leaves his foot towards (x, y) at speed v, rising at hoch (0 along the ground).
void ball_spielen(Spielfeld_Record* r, int32_t i, float x, float y, float v, float hoch)
{
    Spielfeld_Auftrag_Geben(r, SPIELFELD_BALL, int32_t(x), int32_t(y), 0, int32_t(v), ANIM_BALL_GESPIELT, 0, -1, 0, -1, 1,
                            -1, -1, 0);
    if (hoch > 0.0f) {
        Spielfeld_Flug_Setzen(r, SPIELFELD_BALL, hoch);
        Spielfeld_Auftrag_Tempo_Setzen(r, SPIELFELD_BALL, v, 0);
    }
    r->letzte_beruehrung = uint8_t(seite_von(i));
    r->objekt[i].countdown_a = SPERRE_MS;
}

// Gives the ball up after a kick; play resumes when a restart was taken.
void ball_frei(Spielfeld_Record* r, int32_t i)
{
    if (r->situation != SITUATION_SPIEL) {
        for (int32_t k = 0; k < SPIELFELD_SLOTS; ++k) {
            Spielfeld_Objekt& o = r->objekt[k];
            if (o.zustand == '$' || o.zustand == '&' || o.zustand == 44) continue;
            if (o.zustand != 0) o.neu_entscheiden = 1;
            o.zustand = 0;
            o.ballspieler = 0;
        }
        Spielfeld_Situation_Zuruecksetzen(r);
    }
    Spielfeld_Ballbesitz_Setzen(r, -1);
    r->objekt[i].ballspieler = 0;
    r->objekt[i].neu_entscheiden = 0;
}

// Where the player meets the ball (its target when he cannot), and the seconds it takes him.
float treffpunkt(Spielfeld_Record* r, int32_t i, float* x, float* y)
{
    const Spielfeld_Objekt& o = r->objekt[i];
    Spielfeld_Objekt& b = ball(r);
    const Spielfeld_Auftrag* a = Spielfeld_Aktueller_Auftrag(&b);
    const float vp = std::max(tempo(r, i), 1.0f);
    const float vb = std::hypot(b.vx, b.vy);
    if (vb < 1.0f) {
        *x = b.x;
        *y = b.y;
        return abstand(o.x, o.y, b.x, b.y) / vp;
    }
    // a rolling ball stops short of its target: meet it on the way it really goes
    float ex = a->ziel[0], ey = a->ziel[1];
    if (b.z == 0.0f && a->start_tempo == 0.0f) {
        const float w = roll_weite(vb, r->boden_faktor);
        ex = b.x + b.vx / vb * w;
        ey = b.y + b.vy / vb * w;
    }
    int32_t tx = 0, ty = 0;
    const int32_t d = Geometrie_Treffpunkt(o.x, o.y, vp, b.x, b.y, ex, ey, vb, 50, 25, -1, 1, &tx, &ty, laenge(), breite(),
                                           1, 1, 0);
    if (d < 0) {
        *x = std::clamp(ex, 0.0f, laenge());
        *y = std::clamp(ey, 0.0f, breite());
        return abstand(o.x, o.y, *x, *y) / vp + 1.0f;
    }
    *x = float(tx);
    *y = float(ty);
    return float(d) / vp;
}

// The side's field player who meets the ball first; kept in the record for the view.
int32_t jaeger(Spielfeld_Record* r, int32_t s)
{
    int32_t best = -1;
    float best_t = 0.0f;
    for (int32_t k = 16 * s; k < 16 * s + 16; ++k) {
        if (!spielt(r, k) || r->objekt[k].torwart || r->objekt[k].zustand != 0) continue;
        float x = 0, y = 0;
        const float t = treffpunkt(r, k, &x, &y);
        if (best < 0 || t < best_t) {
            best = k;
            best_t = t;
        }
    }
    r->ballholer[s] = best;
    return best;
}

// The two points of the side's shape: the middle of his zone, and the zone pushed upfield.
void grundposition(const Spielfeld_Record* r, int32_t i, float* x, float* y)
{
    const int32_t* p = r->spieler[i].taktik_punkte;
    *x = float(p[0] + p[1]) * 0.5f;
    *y = float(p[2] + p[3]) * 0.5f;
}

// The offside line of the side attacking with s: the second-last opponent, at least halfway.
float abseits_linie(const Spielfeld_Record* r, int32_t s)
{
    const float dir = richtung(r, s);
    float erste = laenge() / 2, zweite = laenge() / 2;
    for (int32_t k = 16 * (1 - s); k < 16 * (1 - s) + 16; ++k) {
        if (!spielt(r, k)) continue;
        const float x = r->objekt[k].x;
        if ((x - erste) * dir > 0.0f) {
            zweite = erste;
            erste = x;
        } else if ((x - zweite) * dir > 0.0f) zweite = x;
    }
    return zweite;
}

bool abseits(Spielfeld_Record* r, int32_t empfaenger, int32_t s)
{
    const float dir = richtung(r, s);
    const float x = r->objekt[empfaenger].x;
    return (x - abseits_linie(r, s)) * dir > 30.0f && (x - ball(r).x) * dir > 30.0f;
}

// Sides with an assistant take off a tired player while play is on.
void muede_auswechseln(Spielfeld_Record* r, int32_t i, int32_t s)
{
    if (!r->assistent[s] || r->minute < 60 || r->spieler[i].kraft >= 1500 || Spielfeld_Wechsel_Ist_Aus(r, i)) return;
    Spielfeld_Auto_Auswechslung(r, s, 0, i);
}

// ---------------------------------------------------------------------------------------------
// Passing and shooting.

struct Zuspiel {
    int32_t slot = -1;
    float x = 0, y = 0;
};

float freiheit(Spielfeld_Record* r, int32_t s, float x, float y)
{
    // a long ball flies over the men between: only one near where it lands matters
    const Spielfeld_Objekt& b = r->objekt[SPIELFELD_BALL];
    if (abstand(b.x, b.y, x, y) > ROLLEN_BIS) {
        for (int32_t k = 16 * (1 - s); k < 16 * (1 - s) + 16; ++k)
            if (spielt(r, k) && abstand(r->objekt[k].x, r->objekt[k].y, x, y) < 300.0f) return 0.0f;
        return 1.0f;
    }
    float d = 0.0f;
    int32_t k = -1;
    const int32_t n = Spielfeld_Zuspiel_Gedeckt(r, &ball(r), x, y, 1 - s, &d, &k, 150.0f, nullptr, nullptr);
    return n == 0 ? 1.0f : 0.0f;
}

// The best free mate: the side's own choice of station ahead first, then the one who gains the
// most ground on an open line. vorwaerts 0 also takes mates behind.
Zuspiel anspielstation(Spielfeld_Record* r, int32_t i, int32_t s, float weit, bool vorwaerts)
{
    const Spielfeld_Objekt& o = r->objekt[i];
    const float dir = richtung(r, s);
    Zuspiel z;
    int32_t k = -1;
    float px = 0, py = 0;
    // now and then he does not see that a man stands offside
    const int32_t blind = Zufall(0, 999);
    const bool abseits_egal = blind > 850 + wert(r, i, UEBERSICHT) / 8;

    const int32_t x2 = int32_t(o.x + dir * weit);
    Spielfeld_Anspielstation_Suchen(r, s == 0 ? 1 : 0, int32_t(o.x + dir * 300.0f), int32_t(o.y - 2000.0f), x2,
                                    int32_t(o.y + 2000.0f), &k, &px, &py, 0);
    if (k >= 0 && k != i && spielt(r, k) && freiheit(r, s, r->objekt[k].x, r->objekt[k].y) > 0.0f &&
        (abseits_egal || !abseits(r, k, s))) {
        z.slot = k;
        z.x = r->objekt[k].x;
        z.y = r->objekt[k].y;
        return z;
    }
    float best = -1e9f;
    for (int32_t m = 16 * s; m < 16 * s + 16; ++m) {
        if (m == i || !spielt(r, m) || r->objekt[m].zustand != 0) continue;
        const Spielfeld_Objekt& q = r->objekt[m];
        const float d = abstand(o.x, o.y, q.x, q.y);
        if (d < 300.0f || d > weit) continue;
        const float gewinn = (q.x - o.x) * dir;
        if (vorwaerts && gewinn < -200.0f) continue;
        if (freiheit(r, s, q.x, q.y) == 0.0f || (abseits(r, m, s) && !abseits_egal)) continue;
        const float wert_m = gewinn - d * 0.2f - (q.torwart ? 2000.0f : 0.0f);
        if (wert_m > best) {
            best = wert_m;
            z.slot = m;
            z.x = q.x;
            z.y = q.y;
        }
    }
    return z;
}

// Plays the ball to (x, y): rolled over short ways, in the air over long ones.
void zuspielen(Spielfeld_Record* r, int32_t i, float x, float y, int32_t anim)
{
    const Spielfeld_Objekt& b = ball(r);
    const float d = abstand(b.x, b.y, x, y);
    if (d <= ROLLEN_BIS) {
        const float v = std::min(roll_tempo(d + 150.0f, r->boden_faktor), 2600.0f);
        ball_spielen(r, i, x, y, v, 0.0f);
    } else {
        // seconds in the air (the ball's height is u t - 981 t^2, so it lands after u / 981),
        // no faster than a mate can control it
        const float t = std::max(0.6f + d / 5000.0f, d / 2400.0f);
        ball_spielen(r, i, x, y, d / t, 981.0f * t);
    }
    aktion(r, i, anim);
}

void passen(Spielfeld_Record* r, int32_t i, const Zuspiel& z, int32_t anim = ANIM_PASS)
{
    const Spielfeld_Objekt& q = r->objekt[z.slot];
    // lead the mate by his run; the less he sees, the wider of the mark
    const float weit = abstand(ball(r).x, ball(r).y, z.x, z.y);
    const float fehler = nach_koennen(PASS_FEHLER, wert(r, i, UEBERSICHT)) * std::clamp(weit / 2000.0f, 0.15f, 1.5f);
    const int32_t fx = Zufall(-100, 100);
    const int32_t fy = Zufall(-100, 100);
    // aimed inside the lines; only the error may carry it out
    const float x = std::clamp(z.x + q.vx * 0.4f, 150.0f, laenge() - 150.0f) + float(fx) * fehler * 0.01f;
    const float y = std::clamp(z.y + q.vy * 0.4f, 150.0f, breite() - 150.0f) + float(fy) * fehler * 0.01f;
    zuspielen(r, i, x, y, anim);
    r->letzter_passgeber = i;
    Spielfeld_Statistik_Zaehlen(r, i, 1);
    ball_frei(r, i);
    // after the change of holder, which clears the receiver
    r->passempfaenger = z.slot;
    r->objekt[z.slot].neu_entscheiden = 1;
}

// A long ball upfield when nobody is free.
void befreien(Spielfeld_Record* r, int32_t i, int32_t s)
{
    const Spielfeld_Objekt& o = r->objekt[i];
    const float dir = richtung(r, s);
    // towards the nearer wing, where a miss goes into touch rather than to the middle
    const int32_t quer = Zufall(0, 1500);
    const int32_t ins_aus = Zufall(0, 99);
    const float x = std::clamp(o.x + dir * 2300.0f, 300.0f, laenge() - 300.0f);
    float y = o.y < breite() / 2 ? std::max(o.y - float(quer) * 2.0f, -400.0f)
                                 : std::min(o.y + float(quer) * 2.0f, breite() + 400.0f);
    // in his own half now and then straight into touch
    if (ins_aus < 35 && std::fabs(o.x - eigenes_tor_x(r, s)) < laenge() / 2)
        y = o.y < breite() / 2 ? -700.0f : breite() + 700.0f;
    zuspielen(r, i, x, y, ANIM_SCHUSS);
    r->passempfaenger = -1;
    ball_frei(r, i);
}

// A shot crossing the goal line at ty, zh high there, at speed v.
void schuss_auf(Spielfeld_Record* r, int32_t i, float ty, float zh, float v)
{
    const int32_t s = seite_von(i);
    const Spielfeld_Objekt& b = ball(r);
    const float gx = tor_x(r, s), gy = tor_y(r, s);
    const float d = std::max(abstand(b.x, b.y, gx, gy), 100.0f);
    const float t = d / v;
    const float hoch = (zh + 981.0f * t * t) / t;
    const float dir = richtung(r, s);
    // aimed past the line, so that the ball keeps its pace into the net
    const float tx = gx + dir * 300.0f;
    const float zy = b.y + (ty - b.y) * (tx - b.x) / (gx - b.x == 0.0f ? 1.0f : gx - b.x);
    ball_spielen(r, i, tx, zy, v, hoch);
    aktion(r, i, ANIM_SCHUSS);
    r->schuss_offen = 1;
    r->schuetzen_slot = i;
    r->letzter_schuetze = i;
    Spielfeld_Ereignis_Melden(r, SPIELFELD_EREIGNIS_CHANCE, i, -1);
    Spielfeld_Statistik_Zaehlen(r, i, 2);
    ball_frei(r, i);
    r->passempfaenger = -1;
    for (int32_t k = 16 * (1 - s); k < 16 * (1 - s) + 16; ++k)
        if (r->objekt[k].torwart) r->objekt[k].neu_entscheiden = 1;
}

// A shot at a drawn point of the goal mouth; the spread shrinks with his shooting.
void schiessen(Spielfeld_Record* r, int32_t i, int32_t skill)
{
    const int32_t s = seite_von(i);
    const Spielfeld_Objekt& b = ball(r);
    const float gx = tor_x(r, s), gy = tor_y(r, s);
    const float d = std::max(abstand(b.x, b.y, gx, gy), 100.0f);
    const float streu = nach_koennen(SCHUSS_STREUUNG, skill) * (0.55f + d / 3500.0f);
    const int32_t zug_y = Zufall(-100, 100);
    const int32_t zug_h = Zufall(10, 250);
    schuss_auf(r, i, gy + float(zug_y) * streu * 0.01f, float(zug_h), 2500.0f + float(skill) * 1.2f);
}

// A penalty: the taker at the ball shoots where the aim of his kick was drawn.
void strafstoss_schiessen(Spielfeld_Record* r, int32_t i)
{
    float ty = 0.0f, zh = 0.0f;
    Spielfeld_Strafstoss_Ziel(r, i, &ty, &zh);
    schuss_auf(r, i, ty, zh, 2500.0f + float(wert(r, i, ELFMETER)) * 1.2f);
    // after the restart has been taken: the ball on its way is the penalty the keeper faces
    r->strafstoss = STRAFSTOSS_UNTERWEGS;
}

// A cross into the area from a corner or the wing.
void flanken(Spielfeld_Record* r, int32_t i, int32_t s)
{
    const float dir = richtung(r, s);
    const int32_t zx = Zufall(300, 1600);
    const int32_t zy = Zufall(-700, 700);
    const float x = tor_x(r, s) - dir * float(zx), y = tor_y(r, s) + float(zy);
    // the one nearest the landing point is meant
    int32_t empf = -1;
    float best = 0.0f;
    for (int32_t m = 16 * s; m < 16 * s + 16; ++m) {
        if (m == i || !spielt(r, m) || r->objekt[m].torwart) continue;
        const float d = abstand(r->objekt[m].x, r->objekt[m].y, x, y);
        if (empf < 0 || d < best) {
            empf = m;
            best = d;
        }
    }
    const float d = abstand(ball(r).x, ball(r).y, x, y);
    const float t = std::max(0.6f + d / 5000.0f, d / 2400.0f);
    ball_spielen(r, i, x, y, d / t, 981.0f * t);
    aktion(r, i, ANIM_SCHUSS);
    r->letzter_passgeber = i;
    Spielfeld_Statistik_Zaehlen(r, i, 1);
    ball_frei(r, i);
    r->passempfaenger = empf;
    if (empf >= 0) r->objekt[empf].neu_entscheiden = 1;
}

float schuss_weite(const Spielfeld_Record* r, int32_t i)
{
    const int32_t anw = std::min<int32_t>(r->spieler[i].anweisung[ANW_SCHIESSEN], 4);
    return 2200.0f + float(wert(r, i, TORSCHUSS)) * 0.8f + float(2 - anw) * 150.0f;
}

// ---------------------------------------------------------------------------------------------
// Restarts.

bool nimmt_standard(uint8_t z)
{
    return z == ROLLE_EINWURF || z == ROLLE_ABSTOSS || z == ROLLE_ECKE || z == ROLLE_ANSTOSS || z == ROLLE_FREISTOSS ||
           z == ROLLE_STRAFSTOSS || z == ROLLE_STRAFSTOSS_19;
}
bool mauer(uint8_t z) { return z >= 29 && z <= 32; }

int32_t rolle_finden(const Spielfeld_Record* r, int32_t s, uint8_t z)
{
    for (int32_t k = 16 * s; k < 16 * s + 16; ++k)
        if (r->objekt[k].zustand == z) return k;
    return -1;
}

// The taker plays the restart.
void standard_ausfuehren(Spielfeld_Record* r, int32_t i, int32_t s, uint8_t rolle)
{
    const Spielfeld_Objekt& b = ball(r);
    switch (rolle) {
    case ROLLE_EINWURF: {
        int32_t p = rolle_finden(r, s, ROLLE_EINWURF_PARTNER);
        Zuspiel z = anspielstation(r, i, s, 2500.0f, false);
        if (z.slot < 0 && p >= 0) z = {p, r->objekt[p].x, r->objekt[p].y};
        if (z.slot < 0) {
            befreien(r, i, s);
            return;
        }
        const float d = abstand(b.x, b.y, z.x, z.y);
        ball_spielen(r, i, z.x, z.y, std::min(600.0f + d * 0.5f, 1600.0f), 250.0f);
        aktion(r, i, ANIM_EINWURF);
        r->letzter_passgeber = i;
        ball_frei(r, i);
        r->passempfaenger = z.slot;
        r->objekt[z.slot].neu_entscheiden = 1;
        return;
    }
    case ROLLE_ECKE: flanken(r, i, s); return;
    case ROLLE_ANSTOSS: {
        int32_t p = rolle_finden(r, s, ROLLE_ANSTOSS_PARTNER);
        if (p < 0) {
            const Zuspiel z = anspielstation(r, i, s, 2500.0f, false);
            p = z.slot;
        }
        if (p < 0) {
            befreien(r, i, s);
            return;
        }
        passen(r, i, {p, r->objekt[p].x, r->objekt[p].y});
        return;
    }
    case ROLLE_STRAFSTOSS:
    case ROLLE_STRAFSTOSS_19: strafstoss_schiessen(r, i); return;
    case ROLLE_FREISTOSS: {
        const float d = abstand(b.x, b.y, tor_x(r, s), tor_y(r, s));
        if (r->freistoss_variante == 0 && d < 3100.0f) {
            schiessen(r, i, wert(r, i, FREISTOSS));
            return;
        }
        const int32_t p = std::max(rolle_finden(r, s, ROLLE_FREISTOSS_PARTNER), rolle_finden(r, s, ROLLE_FREISTOSS_PASS));
        if (p >= 0 && r->freistoss_variante != 0) {
            passen(r, i, {p, r->objekt[p].x, r->objekt[p].y});
            return;
        }
        if (d < 3500.0f) {
            flanken(r, i, s);
            return;
        }
        const Zuspiel z = anspielstation(r, i, s, 4000.0f, false);
        if (z.slot >= 0) passen(r, i, z, ANIM_SCHUSS);
        else befreien(r, i, s);
        return;
    }
    case ROLLE_ABSTOSS:
    default: {
        const Zuspiel z = anspielstation(r, i, s, 4500.0f, true);
        if (z.slot >= 0 && abstand(b.x, b.y, z.x, z.y) > 1200.0f) passen(r, i, z, ANIM_SCHUSS);
        else befreien(r, i, s);
        return;
    }
    }
}

// The taker goes to the ball, waits for the restart to be set, then plays it.
void standard_nehmen(Spielfeld_Record* r, int32_t i, int32_t s, uint8_t rolle)
{
    Spielfeld_Objekt& o = r->objekt[i];
    const Spielfeld_Objekt& b = ball(r);
    const float dir = richtung(r, s);
    const float hinter = rolle == ROLLE_EINWURF ? 0.0f : 35.0f;
    const float x = b.x - dir * hinter, y = b.y;
    if (abstand(o.x, o.y, x, y) > 45.0f) {
        laufen(r, i, x, y, tempo(r, i));
        return;
    }
    o.neu_entscheiden = 0;
    if (!r->standard_aufgebaut || r->situation == SITUATION_WECHSEL || r->laufende_spieler > 0) return;
    // at the ball he takes a moment (his order marked by value 4) before he plays it
    const Spielfeld_Auftrag* a = Spielfeld_Aktueller_Auftrag(&o);
    if (a->wert_4 != STANDARD_BEREIT) {
        Spielfeld_Auftrag_Geben(r, i, int32_t(o.x), int32_t(o.y), 0, 0, ANIM_STEHEN, 0, 0, STANDARD_BEREIT, -1, 1, -1, -1, 0);
        o.countdown_b = STANDARD_WARTEN_MS;
        o.neu_entscheiden = 0;
        return;
    }
    if (o.countdown_b > 0.0f) return;
    if (r->ballhalter != i) Spielfeld_Ballbesitz_Setzen(r, i);
    standard_ausfuehren(r, i, s, rolle);
}

// A wall player stands 915 from the ball on the way to his goal, beside his mates.
void mauer_stellen(Spielfeld_Record* r, int32_t i, int32_t s, uint8_t rolle)
{
    const Spielfeld_Objekt& b = ball(r);
    const float gx = eigenes_tor_x(r, s), gy = tor_y(r, 1 - s);
    float dx = gx - b.x, dy = gy - b.y;
    const float d = std::max(std::hypot(dx, dy), 1.0f);
    dx /= d;
    dy /= d;
    const float seitlich = (float(rolle - 29) - 1.5f) * 60.0f;
    const float x = b.x + dx * STANDARD_ABSTAND - dy * seitlich, y = b.y + dy * STANDARD_ABSTAND + dx * seitlich;
    laufen(r, i, x, y, tempo(r, i));
}

// Players of the side not taking a restart keep their distance from the ball.
void abstand_halten(const Spielfeld_Record* r, int32_t s, float* x, float* y)
{
    const uint32_t sit = r->situation;
    if (sit == SITUATION_SPIEL || sit == SITUATION_HALBZEIT || sit >= SITUATION_WECHSEL) return;
    const Spielfeld_Objekt& b = r->objekt[SPIELFELD_BALL];
    if (sit == SITUATION_ANSTOSS) {
        // each side in its own half, outside the circle
        const float dir = richtung(r, s);
        if ((*x - laenge() / 2) * dir > -100.0f) *x = laenge() / 2 - dir * 100.0f;
        if (abstand(*x, *y, b.x, b.y) < STANDARD_ABSTAND + 50.0f) *x = laenge() / 2 - dir * (STANDARD_ABSTAND + 50.0f);
        return;
    }
    if (sit == SITUATION_ELFMETER || sit == SITUATION_ELFMETERSCHIESSEN) {
        // out of the area, behind the ball
        const float dir = b.x > laenge() / 2 ? 1.0f : -1.0f;
        const float rand_x = dir > 0 ? laenge() - 1750.0f : 1750.0f;
        if ((*x - rand_x) * dir > 0.0f) *x = rand_x;
        return;
    }
    if (s == (r->letzte_beruehrung & 1)) {
        const float d = abstand(*x, *y, b.x, b.y);
        if (d < STANDARD_ABSTAND + 30.0f) {
            const float f = d < 1.0f ? 1.0f : (STANDARD_ABSTAND + 30.0f) / d;
            const float ux = d < 1.0f ? eigenes_tor_x(r, s) - b.x : *x - b.x;
            const float uy = d < 1.0f ? 0.0f : *y - b.y;
            *x = b.x + ux * f;
            *y = b.y + uy * f;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Field players.

// Where a player of a side out of possession stands: his zone's middle pulled towards the ball
// and back towards his goal; a man near his zone is marked from the goal side.
void abwehr_platz(Spielfeld_Record* r, int32_t i, int32_t s, float* x, float* y)
{
    const Spielfeld_Objekt& b = ball(r);
    float mx = 0, my = 0;
    grundposition(r, i, &mx, &my);
    const float dir = richtung(r, s);
    *x = mx + (b.x - mx) * 0.35f - dir * 300.0f;
    *y = my + (b.y - my) * 0.3f;
    // never further upfield than the ball and a step
    if ((*x - b.x) * dir > 600.0f) *x = b.x + dir * 600.0f;
    int32_t mann = -1;
    float nah = 700.0f;
    for (int32_t k = 16 * (1 - s); k < 16 * (1 - s) + 16; ++k) {
        if (!spielt(r, k) || r->objekt[k].torwart || k == r->ballhalter) continue;
        const float d = abstand(r->objekt[k].x, r->objekt[k].y, *x, *y);
        if (d < nah) {
            nah = d;
            mann = k;
        }
    }
    if (mann >= 0) {
        const Spielfeld_Objekt& m = r->objekt[mann];
        const float gx = eigenes_tor_x(r, s), gy = tor_y(r, 1 - s);
        const float d = std::max(abstand(m.x, m.y, gx, gy), 1.0f);
        *x = m.x + (gx - m.x) / d * 180.0f;
        *y = m.y + (gy - m.y) / d * 180.0f;
    }
}

void angriff_platz(Spielfeld_Record* r, int32_t i, int32_t s, float* x, float* y)
{
    const Spielfeld_Objekt& b = ball(r);
    float mx = 0, my = 0;
    grundposition(r, i, &mx, &my);
    const float dir = richtung(r, s);
    *x = mx + dir * 1400.0f + (b.x - mx) * 0.3f;
    *y = my + (b.y - my) * 0.2f;
    // the front men wait on the offside line; now and then one times his run badly
    const int32_t zu_frueh = Zufall(0, 7);
    const float linie = abseits_linie(r, s) + dir * (zu_frueh == 0 ? 250.0f : -60.0f);
    const float grenze = dir > 0 ? std::max(linie, b.x) : std::min(linie, b.x);
    if ((*x - grenze) * dir > 0.0f) *x = grenze;
}

// A set restart whose kicking side has nobody at the ball (the roles of a corner wait for a
// countdown of decision passes): each decision is such a pass.
uint8_t taker_rolle(uint32_t sit)
{
    switch (sit) {
    case SITUATION_EINWURF: return ROLLE_EINWURF;
    case SITUATION_ABSTOSS: return ROLLE_ABSTOSS;
    case SITUATION_ECKE: return ROLLE_ECKE;
    case SITUATION_ANSTOSS: return ROLLE_ANSTOSS;
    case SITUATION_FREISTOSS: return ROLLE_FREISTOSS;
    default: return ROLLE_STRAFSTOSS;
    }
}

bool hat_taker(const Spielfeld_Record* r, int32_t k)
{
    for (int32_t i = 16 * k; i < 16 * k + 16; ++i)
        if (nimmt_standard(r->objekt[i].zustand)) return true;
    return false;
}

// A set restart whose kicking side has nobody at the ball: the roles of a corner wait for a
// countdown of decision passes, and each decision is such a pass; a penalty's single role may
// have gone to the defending side. Then the designated taker, else the kicking side's man
// nearest the ball (the keeper at a goal kick) takes it.
void taker_suchen(Spielfeld_Record* r)
{
    const uint32_t sit = r->situation;
    if (!r->standard_aufgebaut || sit == SITUATION_SPIEL || sit == SITUATION_HALBZEIT || sit >= SITUATION_WECHSEL) return;
    const int32_t k = 1 - (r->letzte_beruehrung & 1);
    if (hat_taker(r, k)) return;
    const bool strafstoss = sit == SITUATION_ELFMETER || sit == SITUATION_ELFMETERSCHIESSEN;
    if (!strafstoss) Spielfeld_Sonderaktion(r);
    if (hat_taker(r, k) || (!strafstoss && r->torart[0] > 2)) return;
    int32_t wahl = r->schuetze_bestimmt;
    if (wahl < 16 * k || wahl >= 16 * k + 16 || !spielt(r, wahl)) {
        wahl = -1;
        float best = 0.0f;
        for (int32_t i = 16 * k; i < 16 * k + 16; ++i) {
            // nor does a man walking on or off take the restart: he would stay on
            if (!spielt(r, i) || r->objekt[i].zustand == '$' || r->objekt[i].zustand == '&') continue;
            const bool passt = r->objekt[i].torwart == (sit == SITUATION_ABSTOSS ? 1 : 0);
            const float d = ball_abstand(r, i) + (passt ? 0.0f : 100000.0f);
            if (wahl < 0 || d < best) {
                wahl = i;
                best = d;
            }
        }
    }
    if (wahl < 0) return;
    Spielfeld_Objekt& o = r->objekt[wahl];
    o.zustand = taker_rolle(sit);
    o.ballspieler = 1;
    o.neu_entscheiden = 1;
    Spielfeld_Ballbesitz_Setzen(r, wahl);
}

void ruhig_stehen(Spielfeld_Record* r, int32_t i, int32_t s)
{
    // in a shoot-out the others wait in the centre circle
    const float x = laenge() / 2 + float((i % 16) - 7) * 40.0f, y = breite() / 2 + (s ? 300.0f : -300.0f);
    laufen(r, i, x, y, 300.0f);
}

// What every field player does first: a restart without a taker looks for one, and in a
// shoot-out everyone but the taker and the keeper waits. True when that was all.
bool vorab(Spielfeld_Record* r, int32_t i, int32_t s)
{
    taker_suchen(r);
    if (!r->elfmeter_schuss) return false;
    ruhig_stehen(r, i, s);
    return true;
}

void angriff(Spielfeld_Record* r, int32_t i, int32_t s)
{
    Spielfeld_Objekt& o = r->objekt[i];
    if (vorab(r, i, s)) return;
    const bool frei = r->ballhalter < 0;
    if (r->situation == SITUATION_SPIEL && (r->passempfaenger == i || (frei && jaeger(r, s) == i))) {
        float x = 0, y = 0;
        treffpunkt(r, i, &x, &y);
        laufen(r, i, x, y, tempo(r, i));
        return;
    }
    muede_auswechseln(r, i, s);
    float x = 0, y = 0;
    angriff_platz(r, i, s, &x, &y);
    // at a corner or a free kick near the goal the front men and midfield go into the area
    const bool flanke = r->situation == SITUATION_ECKE ||
                        (r->situation == SITUATION_FREISTOSS && std::fabs(ball(r).x - tor_x(r, s)) < 3500.0f);
    if (flanke && s != (r->letzte_beruehrung & 1)) {
        float mx = 0, my = 0;
        grundposition(r, i, &mx, &my);
        if (std::fabs(mx - eigenes_tor_x(r, s)) > laenge() * 0.35f) {
            const float dir = richtung(r, s);
            x = tor_x(r, s) - dir * float(500 + (i % 4) * 300);
            y = tor_y(r, s) + float((i % 5) - 2) * 380.0f;
        }
    }
    if (r->situation == SITUATION_SPIEL && Spielfeld_Gegner_In_Naehe(r, i, -1, 0, int32_t(FREILAUFEN)) != -1) {
        float fx = x, fy = y;
        Spielfeld_Freie_Position_Suchen(r, i, i, 400, &fx, &fy, 1);
        x = fx;
        y = fy;
    }
    abstand_halten(r, s, &x, &y);
    const float d = abstand(o.x, o.y, x, y);
    laufen(r, i, x, y, platz_tempo(r, i, d));
}

void abwehr(Spielfeld_Record* r, int32_t i, int32_t s)
{
    Spielfeld_Objekt& o = r->objekt[i];
    if (vorab(r, i, s)) return;
    const int32_t h = r->ballhalter;
    const bool halter_torwart = h >= 0 && r->objekt[h].torwart;
    if (r->situation == SITUATION_SPIEL && !halter_torwart && jaeger(r, s) == i) {
        const Spielfeld_Objekt& b = ball(r);
        const float d = ball_abstand(r, i);
        if (h >= 0 && d < TACKLING_NAH && b.z < 100.0f) {
            // how often he goes to ground: his aggressiveness and the side's effort
            const int32_t zug = Zufall(0, 999);
            const int32_t neigung = wert(r, i, AGGRESSIV) / 3 + int32_t(r->einsatz[s]) * 3;
            if (zug < neigung) {
                const int32_t art = Zufall(0, 1);
                const int32_t anim = art ? ANIM_TACKLING : ANIM_GRAETSCHE;
                const float v = tempo(r, i) * 1.2f;
                const int32_t bild = anlauf_bild(anim, d / std::max(v, 1.0f));
                Spielfeld_Auftrag_Geben(r, i, int32_t(b.x + b.vx * 0.2f), int32_t(b.y + b.vy * 0.2f), 0, int32_t(v),
                                        anim, bild, 600, 0, -1, 1, -1, -1, 0);
                o.neu_entscheiden = 0;
                return;
            }
        }
        float x = 0, y = 0;
        treffpunkt(r, i, &x, &y);
        if (h >= 0) {
            // at the man: between him and the goal, a little ahead of his run
            const Spielfeld_Objekt& m = r->objekt[h];
            x = b.x + m.vx * 0.25f;
            y = b.y + m.vy * 0.25f;
        }
        laufen(r, i, x, y, tempo(r, i));
        return;
    }
    muede_auswechseln(r, i, s);
    float x = 0, y = 0;
    abwehr_platz(r, i, s, &x, &y);
    abstand_halten(r, s, &x, &y);
    const float d = abstand(o.x, o.y, x, y);
    laufen(r, i, x, y, platz_tempo(r, i, d));
}

// ---------------------------------------------------------------------------------------------
// Goalkeeper.

// A shot or loose ball coming at his goal: the point of its path level with him and the time.
bool ball_kommt(Spielfeld_Record* r, int32_t i, int32_t s, float* px, float* py, float* t)
{
    const Spielfeld_Objekt& o = r->objekt[i];
    const Spielfeld_Objekt& b = ball(r);
    const float gx = eigenes_tor_x(r, s);
    const float zum_tor = gx - b.x;
    if (b.vx * zum_tor <= 0.0f || std::fabs(b.vx) < 300.0f) return false;
    // the path where it passes him in x, held within his reach of the line
    const float x = std::fabs(o.x - gx) < std::fabs(zum_tor) ? o.x : b.x;
    const float k = (x - b.x) / b.vx;
    if (k < 0.0f) return false;
    *px = x;
    *py = b.y + b.vy * k;
    *t = k;
    // only balls that would end in or near the goal
    const float kl = (gx - b.x) / b.vx;
    const float ly = b.y + b.vy * kl;
    return std::fabs(ly - tor_y(r, 1 - s)) < TORPFOSTEN + 250.0f;
}

void torwart_platz(Spielfeld_Record* r, int32_t i, int32_t s, int32_t hat_ball)
{
    const Spielfeld_Objekt& b = ball(r);
    const float gx = eigenes_tor_x(r, s), gy = tor_y(r, 1 - s);
    const float dir = richtung(r, s);
    float dx = b.x - gx, dy = b.y - gy;
    const float d = std::max(std::hypot(dx, dy), 1.0f);
    const float raus = hat_ball ? 700.0f : std::clamp(d * 0.1f, 60.0f, 400.0f);
    float x = gx + dx / d * raus, y = gy + dy / d * raus;
    x = gx + std::clamp((x - gx) * dir, 30.0f, hat_ball ? 1200.0f : 550.0f) * dir;
    y = std::clamp(y, float(Spielfeld_Masse[18]), float(Spielfeld_Masse[20]));
    laufen(r, i, x, y, tempo(r, i) * 0.8f);
}

// The goalkeeper meets a shot: a catch when it comes at him, a dive when it is within his
// reach; the action starts so that its contact frame comes with the ball.
// He goes for the point (px, py) where the ball passes him in t seconds.
void torwart_springen(Spielfeld_Record* r, int32_t i, float px, float py, float t)
{
    Spielfeld_Objekt& o = r->objekt[i];
    const Spielfeld_Objekt& b = ball(r);
    const float seitlich = py - o.y;
    const bool fangen = std::fabs(seitlich) < 90.0f && b.z < 220.0f;
    const int32_t anim = fangen ? (seitlich < 0 ? ANIM_FANGEN_LINKS : ANIM_FANGEN_RECHTS)
                                : (seitlich < 0 ? ANIM_HECHT_LINKS : ANIM_HECHT_RECHTS);
    const int32_t bild = anlauf_bild(anim, t);
    // the target lies towards the ball on both axes and stops short of its line, so that the
    // ball comes from the side he dives to
    const float zx = px + (b.x < o.x ? -1.0f : 1.0f);
    const float zy = std::fabs(seitlich) > 60.0f ? py - (seitlich < 0 ? -40.0f : 40.0f) : py;
    const float v = std::clamp(std::fabs(seitlich) / std::max(t, 0.1f), 200.0f, 900.0f);
    Spielfeld_Auftrag_Geben(r, i, int32_t(zx), int32_t(zy), 0, int32_t(v), anim, bild, 700, 0, -1, 1, -1, -1, 0);
    o.neu_entscheiden = 0;
}

// A penalty: he goes for a corner as the ball is struck, the way his instruction tells him (one
// chosen beforehand, one guessed from the taker's run, the likelier right the better his
// reflexes, or always left or always right), and once gone he cannot go again. Only in the
// right corner can he save, and the nearer the ball to the post, the less likely; beaten there,
// he falls short of it.
bool torwart_strafstoss(Spielfeld_Record* r, int32_t i, int32_t s, float px, float py, float t)
{
    r->objekt[i].neu_entscheiden = 0;
    if (r->strafstoss == STRAFSTOSS_TORWART_WEG) return true;
    r->strafstoss = STRAFSTOSS_TORWART_WEG;
    const float gy = tor_y(r, 1 - s);
    const float links = -richtung(r, s);  // his left, facing the pitch
    const float ball_seite = py < gy ? -1.0f : 1.0f;
    const int32_t reflexe = wert(r, i, REFLEXE);
    float ecke = 0.0f;
    switch (r->spieler[i].anweisung[ANW_TW_ELFMETER]) {
    case TW_ELFMETER_LINKS: ecke = links; break;
    case TW_ELFMETER_RECHTS: ecke = -links; break;
    case TW_ELFMETER_AHNEN: {
        const int32_t ahnung = Zufall(0, 999);
        ecke = ahnung < 500 + reflexe / 8 ? ball_seite : -ball_seite;
        break;
    }
    default: {
        const int32_t wahl = Zufall(0, 1);
        ecke = wahl ? 1.0f : -1.0f;
        break;
    }
    }
    const float seitlich = std::fabs(py - gy);
    const int32_t zug = Zufall(0, 999);
    const float chance = STRAFSTOSS_HALTEN - STRAFSTOSS_ECKE_SICHER * seitlich / TORPFOSTEN + float(reflexe) / 4.0f;
    const bool haelt = ecke == ball_seite && float(zug) < chance;
    const float zy = haelt ? py : ecke == ball_seite ? gy + ecke * std::max(seitlich - STRAFSTOSS_ZU_KURZ, 0.0f)
                                                     : gy + ecke * TORPFOSTEN * 0.8f;
    torwart_springen(r, i, px, zy, t);
    return true;
}

bool torwart_parieren(Spielfeld_Record* r, int32_t i, int32_t s)
{
    float px = 0, py = 0, t = 0;
    if (!ball_kommt(r, i, s, &px, &py, &t)) return false;
    if (r->strafstoss != STRAFSTOSS_KEINER && r->situation == SITUATION_SPIEL) return torwart_strafstoss(r, i, s, px, py, t);
    const Spielfeld_Objekt& o = r->objekt[i];
    const Spielfeld_Objekt& b = ball(r);
    const float seitlich = py - o.y;
    // reach grows with his reflexes; late balls leave him less time
    const float reichweite = 90.0f + float(wert(r, i, REFLEXE)) * 0.22f + std::min(t, 0.6f) * 380.0f;
    if (std::fabs(seitlich) > reichweite + 120.0f || b.z > 330.0f) return false;
    const int32_t reaktion = Zufall(0, 999);
    if (float(reaktion) > nach_koennen(TORWART_REAKTION, wert(r, i, REFLEXE))) return false;  // beaten: he moves too late
    torwart_springen(r, i, px, py, t);
    return true;
}

// Holding: after about a second a throw or kick to a free mate, or long.
void torwart_abspielen(Spielfeld_Record* r, int32_t i, int32_t s)
{
    Spielfeld_Objekt& o = r->objekt[i];
    Spielfeld_Auftrag* a = Spielfeld_Aktueller_Auftrag(&o);
    if (a->animation != ANIM_HALTEN) {
        Spielfeld_Auftrag_Geben(r, i, int32_t(o.x), int32_t(o.y), 0, 0, ANIM_HALTEN, 0, 0, 0, -1, 1, -1, -1, 0);
        o.countdown_b = HALTEN_MS;
        o.neu_entscheiden = 0;
        return;
    }
    const Zuspiel z = anspielstation(r, i, s, 4500.0f, false);
    if (z.slot >= 0) passen(r, i, z, ANIM_SCHUSS);
    else befreien(r, i, s);
}

}  // namespace

void Spielfeld_Verhalten_Abwehr(Spielfeld_Record* r, int32_t slot, int32_t seite)
{
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS || seite < 0 || seite > 1) return;
    // the side that passed waits for its own ball as in possession
    const int32_t p = r->passempfaenger;
    if (r->ballhalter < 0 && p >= 0 && p < SPIELFELD_SLOTS && seite_von(p) == seite) angriff(r, slot, seite);
    else abwehr(r, slot, seite);
}

void Spielfeld_Verhalten_Angriff(Spielfeld_Record* r, int32_t slot, int32_t seite)
{
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS || seite < 0 || seite > 1) return;
    const int32_t p = r->passempfaenger;
    // with nobody on the ball the home side counts as holding it; the other side's pass decides
    if (r->ballhalter < 0 && p >= 0 && p < SPIELFELD_SLOTS && seite_von(p) != seite) abwehr(r, slot, seite);
    else angriff(r, slot, seite);
}

void Spielfeld_Verhalten_Ballfuehrer(Spielfeld_Record* r, int32_t slot, int32_t seite)
{
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS || seite < 0 || seite > 1) return;
    Spielfeld_Objekt& o = r->objekt[slot];
    if (r->situation != SITUATION_SPIEL) {
        o.neu_entscheiden = 0;
        return;
    }
    Spielfeld_Objekt& b = ball(r);
    if (o.torwart && r->ballhalter == slot) {
        // a shoot-out's keeper keeps what he caught
        if (r->elfmeter_schuss) o.neu_entscheiden = 0;
        else torwart_abspielen(r, slot, seite);
        return;
    }
    if (r->elfmeter_schuss) {
        o.neu_entscheiden = 0;
        return;
    }
    if (r->ballhalter != slot || ball_abstand(r, slot) > AM_BALL) {
        // the ball is loose or ahead of him: go and get it
        float x = 0, y = 0;
        treffpunkt(r, slot, &x, &y);
        laufen(r, slot, x, y, tempo(r, slot));
        return;
    }
    const float gx = tor_x(r, seite), gy = tor_y(r, seite);
    const float dir = richtung(r, seite);
    const float zum_tor = abstand(o.x, o.y, gx, gy);
    const bool bedraengt = Spielfeld_Gegner_In_Naehe(r, slot, -1, 0, int32_t(BEDRAENGT)) != -1;
    if (zum_tor < schuss_weite(r, slot) && std::fabs(o.y - gy) < 2200.0f) {
        const int32_t zug = Zufall(0, 99);
        const float nah = (schuss_weite(r, slot) - zum_tor) / 15.0f;
        // from distance now and then, as a rule from the area; there a man at him makes him try
        // to go round first as often as not
        const bool im_strafraum = std::fabs(o.x - gx) <= float(Spielfeld_Masse[16]);
        const float neigung = !im_strafraum ? 25.0f + nah / 2.0f : bedraengt ? 40.0f : 40.0f + nah;
        if (float(zug) < neigung) {
            schiessen(r, slot, wert(r, slot, TORSCHUSS));
            return;
        }
    }
    // deep in his own area with a man at him or a ball from the air: cleared first time, at
    // worst over his own line
    const float tief = std::fabs(o.x - eigenes_tor_x(r, seite));
    if (tief < 2600.0f && (b.z > 80.0f || Spielfeld_Gegner_In_Naehe(r, slot, -1, 0, 800) != -1)) {
        const int32_t sicher = Zufall(0, 99);
        if (sicher < 50) {
            const float y = o.y < breite() / 2 ? 900.0f : breite() - 900.0f;
            ball_spielen(r, slot, eigenes_tor_x(r, seite) - dir * 600.0f, y, 1800.0f, 300.0f);
            aktion(r, slot, ANIM_SCHUSS);
            r->passempfaenger = -1;
            ball_frei(r, slot);
        } else befreien(r, slot, seite);
        return;
    }
    // on the wing near the line he crosses
    if (std::fabs(o.x - gx) < 3500.0f && std::fabs(o.y - breite() / 2) > 1200.0f) {
        const int32_t flanke = Zufall(0, 99);
        if (flanke < 45 + wert(r, slot, FLANKEN) / 20) {
            flanken(r, slot, seite);
            return;
        }
    }
    const int32_t blick = Zufall(0, 999);
    // in front of the area he mostly takes his man on rather than look for a pass
    const bool durch = std::fabs(o.x - gx) < VOR_DEM_STRAFRAUM && blick < 700;
    if (!durch && (bedraengt || blick < 120 + wert(r, slot, UEBERSICHT) / 4)) {
        Zuspiel z = anspielstation(r, slot, seite, 3000.0f, true);
        const bool eigene_haelfte = std::fabs(o.x - eigenes_tor_x(r, seite)) < laenge() / 2;
        if (z.slot < 0 && bedraengt && eigene_haelfte) {
            befreien(r, slot, seite);
            return;
        }
        if (z.slot < 0 && bedraengt) z = anspielstation(r, slot, seite, 2500.0f, false);
        if (z.slot >= 0) {
            if (abseits(r, z.slot, seite)) {
                // the flag goes up as the ball is played: a free kick where the receiver stands
                const Spielfeld_Objekt& q = r->objekt[z.slot];
                Spielfeld_Ereignis_Melden(r, EREIGNIS_ABSEITS, z.slot, -1);
                aktion(r, slot, ANIM_PASS);
                Spielfeld_Freistoss_Aufstellen(r, q.x, q.y, 1 - seite);
                return;
            }
            passen(r, slot, z);
            return;
        }
        if (bedraengt) {
            // nobody free: out of danger in his own half, a long ball forward beyond it
            const float eigen = std::fabs(o.x - eigenes_tor_x(r, seite));
            const int32_t wahl = Zufall(0, 99);
            if (eigen < laenge() / 2 || wahl < 40) {
                befreien(r, slot, seite);
                return;
            }
        }
    }
    // dribble goalwards with the ball a step ahead, round a man in the way
    float ziel_x = o.x + dir * 380.0f;
    // down his lane, cutting inside only near the goal
    float ziel_y = o.y + (zum_tor < 3200.0f ? std::clamp(gy - o.y, -150.0f, 150.0f) : 0.0f);
    const int32_t g = Spielfeld_Gegner_In_Naehe(r, slot, int32_t(ziel_x), int32_t(ziel_y), 250);
    if (g >= 0) ziel_y += r->objekt[g].y < o.y ? 260.0f : -260.0f;
    // a touch is never quite exact: near the line it may roll out
    const int32_t beruehrung = Zufall(-70, 70);
    ziel_x = std::clamp(ziel_x, 50.0f, laenge() - 50.0f);
    ziel_y = std::clamp(ziel_y, 50.0f, breite() - 50.0f) + float(beruehrung);
    const float d = abstand(b.x, b.y, ziel_x, ziel_y);
    const float v = std::max(roll_tempo(d, r->boden_faktor), tempo(r, slot) * 1.1f);
    Spielfeld_Auftrag_Geben(r, SPIELFELD_BALL, int32_t(ziel_x), int32_t(ziel_y), 0, int32_t(v), ANIM_BALL_GESPIELT, 0, -1,
                            0, -1, 1, -1, -1, 0);
    r->letzte_beruehrung = uint8_t(seite);
    laufen(r, slot, ziel_x, ziel_y, tempo(r, slot));
}

void Spielfeld_Verhalten_Torwart(Spielfeld_Record* r, int32_t slot, int32_t seite, int32_t hat_ball)
{
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS || seite < 0 || seite > 1) return;
    Spielfeld_Objekt& o = r->objekt[slot];
    if (r->situation == SITUATION_SPIEL && r->ballhalter == slot) {
        if (r->elfmeter_schuss) o.neu_entscheiden = 0;
        else torwart_abspielen(r, slot, seite);
        return;
    }
    if (r->situation == SITUATION_SPIEL || r->situation == SITUATION_ELFMETER ||
        r->situation == SITUATION_ELFMETERSCHIESSEN) {
        if (r->letzte_beruehrung != seite && torwart_parieren(r, slot, seite)) return;
    }
    if (r->situation == SITUATION_SPIEL && r->ballhalter < 0) {
        // a loose ball in his area, or one played to him, is his
        const Spielfeld_Objekt& b = ball(r);
        const bool im_raum = std::fabs(b.x - eigenes_tor_x(r, seite)) < float(Spielfeld_Masse[16]) &&
                             b.y > float(Spielfeld_Masse[12]) && b.y < float(Spielfeld_Masse[14]);
        if (r->passempfaenger == slot || (im_raum && (o.ballspieler || r->letzte_beruehrung != seite))) {
            float x = 0, y = 0;
            treffpunkt(r, slot, &x, &y);
            laufen(r, slot, x, y, tempo(r, slot));
            return;
        }
    }
    if (r->situation == SITUATION_ELFMETER || r->situation == SITUATION_ELFMETERSCHIESSEN) {
        // on his line for a penalty
        if (std::fabs(ball(r).x - eigenes_tor_x(r, seite)) < laenge() / 2) {
            laufen(r, slot, eigenes_tor_x(r, seite) + richtung(r, seite) * 10.0f, tor_y(r, 1 - seite), 300.0f);
            return;
        }
    }
    torwart_platz(r, slot, seite, hat_ball);
}

void Spielfeld_Verhalten_Situation_5(Spielfeld_Record* r, int32_t slot, int32_t seite)
{
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS || seite < 0 || seite > 1) return;
    Spielfeld_Objekt& o = r->objekt[slot];
    o.neu_entscheiden = 0;
    if (!o.aktiv || o.zustand == '&') return;
    // off towards the tunnel at the halfway line, side by side
    const float x = laenge() / 2 + float((slot % 16) - 8) * 60.0f + (seite ? 500.0f : -500.0f);
    laufen(r, slot, x, -250.0f, 280.0f);
}

void Spielfeld_Verhalten_Standard(Spielfeld_Record* r, int32_t slot, int32_t seite)
{
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS || seite < 0 || seite > 1) return;
    Spielfeld_Objekt& o = r->objekt[slot];
    const uint8_t z = o.zustand;
    if (z == 44) {
        // lying hurt: an assistant brings someone on; otherwise he gets up once play goes on
        o.neu_entscheiden = 0;
        if (r->situation == SITUATION_VERLETZUNG && !Spielfeld_Wechsel_Ist_Aus(r, slot))
            Spielfeld_Auto_Auswechslung(r, seite, 0, slot);
        if (r->situation != SITUATION_VERLETZUNG && r->standard_aufgebaut && !Spielfeld_Wechsel_Ist_Aus(r, slot)) {
            o.zustand = 0;
            r->spieler[slot].zustand &= ~uint32_t(0x40);
            o.neu_entscheiden = 1;
        }
        return;
    }
    if (nimmt_standard(z)) {
        // the roles go to both sides; only the side not to touch last takes the restart
        if (r->situation == SITUATION_SPIEL || seite == (r->letzte_beruehrung & 1)) {
            o.zustand = 0;
            o.neu_entscheiden = 1;
            return;
        }
        standard_nehmen(r, slot, seite, z);
        return;
    }
    if (mauer(z)) {
        if (r->situation != SITUATION_FREISTOSS) {
            o.zustand = 0;
            o.neu_entscheiden = 1;
            return;
        }
        mauer_stellen(r, slot, seite, z);
        return;
    }
    if (z == ROLLE_EINWURF_PARTNER || z == ROLLE_ANSTOSS_PARTNER || z == ROLLE_ANSTOSS_17 || z == ROLLE_FREISTOSS_PARTNER ||
        z == ROLLE_FREISTOSS_PASS) {
        if (r->situation == SITUATION_SPIEL || seite == (r->letzte_beruehrung & 1)) {
            o.zustand = 0;
            o.neu_entscheiden = 1;
            return;
        }
        // the partner offers himself a few metres from the ball
        const Spielfeld_Objekt& b = ball(r);
        const float dir = richtung(r, seite);
        float x = b.x, y = b.y;
        if (z == ROLLE_ANSTOSS_PARTNER || z == ROLLE_ANSTOSS_17) {
            x = b.x - dir * 60.0f;
            y = b.y + 120.0f;
        } else if (z == ROLLE_EINWURF_PARTNER) {
            x = b.x + dir * 500.0f;
            y = b.y + (b.y < breite() / 2 ? 700.0f : -700.0f);
        } else {
            x = b.x + dir * 400.0f;
            y = b.y + (b.y < breite() / 2 ? 500.0f : -500.0f);
        }
        laufen(r, slot, x, y, tempo(r, slot));
        return;
    }
    o.neu_entscheiden = 0;
}

void Spielfeld_Strafstoss_Ziel(const Spielfeld_Record* r, int32_t slot, float* ty, float* zh)
{
    const int32_t skill = wert(r, slot, ELFMETER);
    const int32_t ecke = Zufall(0, 1);
    const int32_t weit = Zufall(STRAFSTOSS_ECKE_VON, STRAFSTOSS_ECKE_BIS);
    const int32_t hoehe = Zufall(20, 200);
    const int32_t fehler_y = Zufall(-100, 100);
    const int32_t fehler_h = Zufall(-100, 100);
    const float fehler = (1000.0f - float(skill)) * STRAFSTOSS_FEHLER;
    const float seitlich = TORPFOSTEN * float(weit) * 0.01f + float(fehler_y) * fehler * 0.01f;
    *ty = tor_y(r, seite_von(slot)) + (ecke ? seitlich : -seitlich);
    *zh = std::max(float(hoehe) + float(fehler_h) * fehler * 0.01f, 0.0f);
}
