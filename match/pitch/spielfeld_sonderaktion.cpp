#include "match/pitch/spielfeld_sonderaktion.h"

#include <algorithm>
#include <cmath>

#include "match/pitch/spielfeld_abfragen.h"
#include "match/pitch/spielfeld_ansicht.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_verhalten.h"
#include "match/pitch/spielfeld_wechsel.h"
#include "matchview/live/spielszenen_kamera.h"
#include "platform/wert.h"
#include "platform/zufall.h"

namespace {

constexpr int32_t SUCHEN_HOECHSTENS = 64;
constexpr float FREI_ABSTAND = 50.0f;

bool laeuft(uint8_t z) { return z >= 36 && z <= 39; }

// The roles of the kicking side at a corner, free kick or penalty.
bool schuetzen_rolle(uint8_t z)
{
    return z == ROLLE_ECKE || z == ROLLE_FREISTOSS || z == ROLLE_FREISTOSS_PARTNER || z == ROLLE_FREISTOSS_PASS ||
           z == ROLLE_STRAFSTOSS || z == ROLLE_STRAFSTOSS_19;
}

// The slot of a chosen player number on side s, -1 when he is not in the side.
int32_t slot_von(const Spielfeld_Record* r, int32_t s, uint32_t spnr)
{
    if (spnr == uint32_t(-1)) return -1;
    for (int32_t i = s * 16; i < s * 16 + 16; ++i)
        if (r->spieler[i].spnr >= 0 && uint32_t(r->spieler[i].spnr) == spnr) return i;
    return -1;
}

void bestimmte_setzen(Spielfeld_Record* r)
{
    const uint32_t sit = r->situation;
    if (sit != SITUATION_ECKE && sit != SITUATION_ELFMETER && sit != SITUATION_ELFMETERSCHIESSEN &&
        sit != SITUATION_FREISTOSS && r->torart[0] == 0)
        r->schuetze_bestimmt = r->zweiter_bestimmt = -1;
    if (r->schuetze_bestimmt != -1) return;
    int32_t s = 0;
    const int32_t art = Spielfeld_Standard_Wahl(r, &s);
    if (art >= 0) r->schuetze_bestimmt = slot_von(r, s, Spielfeld_Gewaehlter_Schuetze(r, art, s));
}

// Seconds until the player can meet the ball's path; negative when he cannot.
float zeit_zum_ball(Spielfeld_Record* r, int32_t i)
{
    const Spielfeld_Objekt& o = r->objekt[i];
    Spielfeld_Objekt* b = &r->objekt[SPIELFELD_BALL];
    const Spielfeld_Auftrag* a = Spielfeld_Aktueller_Auftrag(b);
    const float vb = (b->vx != 0.0f || b->vy != 0.0f) ? a->tempo : 0.0f;
    const float vp = std::max(Spielfeld_Laufgeschwindigkeit(&r->spieler[i]), 1.0f);
    int32_t tx = 0, ty = 0;
    const int32_t d = Geometrie_Treffpunkt(o.x, o.y, vp, b->x, b->y, a->ziel[0], a->ziel[1], vb, 50, 25, -1, 1, &tx, &ty,
                                           float(Spielfeld_Masse[0]), float(Spielfeld_Masse[1]), 1, 1, 0);
    if (d < 0) return -1.0f;
    return float(d) / vp + 2.0f;
}

struct Wahl {
    int32_t erster = -1, zweiter = -1;
    float t1 = 0, t2 = 0;
    void nehmen(int32_t i, float t)
    {
        if (erster < 0 || t < t1) {
            zweiter = erster;
            t2 = t1;
            erster = i;
            t1 = t;
        } else if (zweiter < 0 || t < t2) {
            zweiter = i;
            t2 = t;
        }
    }
};

void rolle(Spielfeld_Record* r, int32_t i, uint8_t z)
{
    if (i >= 0) r->objekt[i].zustand = z;
}

void zuteilen(Spielfeld_Record* r, int32_t s, const Wahl& w)
{
    const int32_t i = w.erster;
    Spielfeld_Objekt& o = r->objekt[i];
    o.neu_entscheiden = 1;
    o.ballspieler = 1;
    switch (r->situation) {
    case SITUATION_EINWURF:
        rolle(r, i, ROLLE_EINWURF);
        rolle(r, w.zweiter, ROLLE_EINWURF_PARTNER);
        break;
    case SITUATION_ABSTOSS: rolle(r, i, ROLLE_ABSTOSS); break;
    case SITUATION_ECKE: rolle(r, i, ROLLE_ECKE); break;
    case SITUATION_ANSTOSS: {
        for (int32_t k = 0; k < SPIELFELD_SLOTS; ++k) {
            uint8_t& z = r->objekt[k].zustand;
            if (z == ROLLE_ANSTOSS || z == ROLLE_ANSTOSS_PARTNER || z == ROLLE_ANSTOSS_17) z = 0;
        }
        rolle(r, i, ROLLE_ANSTOSS);
        o.vx = o.vy = 0.0f;
        Spielfeld_Auftrag* a = Spielfeld_Aktueller_Auftrag(&o);
        a->ziel[0] = o.x;
        a->ziel[1] = o.y;
        int32_t partner = w.zweiter;
        const int32_t andere = 1 - (r->letzte_beruehrung & 1);
        for (int32_t k = andere * 16; partner < 0 && k < andere * 16 + 16; ++k)
            if (k != i && r->spieler[k].zustand == SPIELFELD_AUF_DEM_PLATZ && r->objekt[k].aktiv) partner = k;
        rolle(r, partner, ROLLE_ANSTOSS_PARTNER);
        break;
    }
    case SITUATION_FREISTOSS:
        rolle(r, i, ROLLE_FREISTOSS);
        if (r->freistoss_variante && w.zweiter >= 0)
            rolle(r, w.zweiter, r->freistoss_variante <= 2 ? ROLLE_FREISTOSS_PASS : ROLLE_FREISTOSS_PARTNER);
        else r->freistoss_variante = 0;
        break;
    case SITUATION_ELFMETER:
    case SITUATION_ELFMETERSCHIESSEN: {
        // the kick is the side's that did not touch last: the defenders' best, handed out first,
        // must not take the only taker's role from it
        bool schon = s == (r->letzte_beruehrung & 1);
        for (int32_t k = 0; k < SPIELFELD_SLOTS; ++k)
            schon |= r->objekt[k].zustand == ROLLE_STRAFSTOSS || r->objekt[k].zustand == ROLLE_STRAFSTOSS_19;
        if (!schon) rolle(r, i, ROLLE_STRAFSTOSS);
        break;
    }
    default: break;
    }
    const uint32_t sit = r->situation;
    if (sit >= SITUATION_EINWURF && sit <= SITUATION_FREISTOSS && sit != SITUATION_HALBZEIT) r->ballhalter = int8_t(i);
}

}  // namespace

int32_t Spielfeld_Standard_Wahl(const Spielfeld_Record* r, int32_t* seite)
{
    const int32_t s = 1 - (r->letzte_beruehrung & 1);
    if (seite) *seite = s;
    switch (r->situation) {
    case SITUATION_FREISTOSS: return std::fabs(r->objekt[SPIELFELD_BALL].x - float(r->tor_x[s])) < 3100.0f ? 1 : -1;
    case SITUATION_ELFMETER: return r->elfmeter_schuss ? -1 : 0;
    case SITUATION_ECKE: return 2;
    default: return -1;
    }
}

void Spielfeld_Standard_Schuetze_Setzen(Spielfeld_Record* r, int32_t art, int32_t seite, uint32_t spnr)
{
    if (!r || art < 0 || art > 2) return;
    seite &= 1;
    Spielfeld_Gewaehlter_Schuetze(r, art, seite) = spnr;
    int32_t s = 0;
    if (Spielfeld_Standard_Wahl(r, &s) != art || s != seite) return;
    const int32_t slot = slot_von(r, seite, spnr);
    if (slot < 0) return;
    r->schuetze_bestimmt = slot;
    // before its pass (a corner's comes once the ball's flags have run down) he is taken there
    if (!r->standard_aufgebaut || r->torart[0] > 2) return;
    for (int32_t i = 16 * seite; i < 16 * seite + 16; ++i) {
        Spielfeld_Objekt& o = r->objekt[i];
        if (!schuetzen_rolle(o.zustand)) continue;
        o.zustand = 0;
        o.neu_entscheiden = 1;
    }
    r->ballhalter = -1;
    r->standard_aufgebaut = 0;
    r->waechter_ms = 0;
}

void Spielfeld_Sonderaktion(Spielfeld_Record* r)
{
    if (!r) return;
    if (r->torart[0] > 2) {
        if (--r->torart[0] == 2) r->standard_aufgebaut = 0;
        return;
    }
    // in network play the taker of a set piece is the choice of the PC whose club takes it
    Spielfeld_Netz_Standard(r);
    bestimmte_setzen(r);
    r->freistoss_offen = r->elfmeter_offen = 0;

    const uint32_t sit = r->situation;
    const float laenge = float(Spielfeld_Masse[0]);
    Wahl wahl[2];
    for (int32_t i = 0; i < SPIELFELD_SLOTS; ++i) {
        const Spielfeld_Objekt& o = r->objekt[i];
        if (r->spieler[i].zustand != SPIELFELD_AUF_DEM_PLATZ || laeuft(o.zustand)) continue;
        if (Spielfeld_Wechsel_Ist_Aus(r, i) || Spielfeld_Wechsel_Ist_Ein(r, i)) continue;
        float t = zeit_zum_ball(r, i);
        if (t < 0.0f) continue;
        if (o.torwart && sit == SITUATION_ABSTOSS) t = 2.0f;
        else if (o.torwart && sit != SITUATION_SPIEL && sit != SITUATION_ELFMETER && sit != SITUATION_ELFMETERSCHIESSEN)
            t = laenge - 1.0f;
        if (i == r->schuetze_bestimmt) t = 0.0f;
        else if (i == r->zweiter_bestimmt) t = 1.0f;
        wahl[i >= 16 ? 1 : 0].nehmen(i, t);
    }
    // The side that touched last goes first, so that the ball is linked to the kicking side's taker.
    const int32_t letzte = r->letzte_beruehrung & 1;
    for (int32_t s : {letzte, 1 - letzte}) {
        if (wahl[s].erster < 0) continue;
        if (sit == SITUATION_SPIEL && s == letzte) continue;
        zuteilen(r, s, wahl[s]);
    }
    if (wahl[0].erster >= 0 && (wahl[1].erster < 0 || wahl[0].t1 <= wahl[1].t1)) r->bester_slot = wahl[0].erster;
    else if (wahl[1].erster >= 0) r->bester_slot = wahl[1].erster;
    if (r->torart[0] == 0) {
        r->standard_seite = 255;
        r->ecke_offen = 0;
    }
}

bool Spielfeld_Freie_Position_Suchen(Spielfeld_Record* r, int32_t slot, int32_t objekt, int32_t radius, float* x,
                                     float* y, int32_t gerichtet)
{
    if (!r || objekt < 0 || objekt >= SPIELFELD_OBJEKTE) return false;
    const Spielfeld_Objekt& o = r->objekt[objekt];
    const float R = float(radius + 10);
    const float laenge = float(Spielfeld_Masse[0]), breite = float(Spielfeld_Masse[1]);
    for (int32_t n = 0; n < SUCHEN_HOECHSTENS; ++n) {
        const int32_t zug = Zufall(0, 100);
        const float dy = float(zug) * R * 0.02f - R;
        const float dx = std::sqrt(std::max(R * R - dy * dy, 0.0f));
        int32_t vorwaerts;
        if (gerichtet) vorwaerts = ((slot >= 16 ? 1 : 0) ^ (r->seiten_getauscht & 1)) == 0;
        else vorwaerts = Zufall(0, 1);
        // whole centimetres: the point handed out is the one the neighbour test saw
        const float px = std::trunc(vorwaerts ? o.x + dx : o.x - dx), py = std::trunc(o.y + dy);
        if (px < 0.0f || px > laenge || py < 0.0f || py > breite) continue;
        if (Spielfeld_Spieler_In_Naehe(r, -1, int32_t(px), int32_t(py), int32_t(FREI_ABSTAND)) != -1) continue;
        if (x) *x = px;
        if (y) *y = py;
        return true;
    }
    if (x) *x = std::clamp(o.x, 0.0f, laenge);
    if (y) *y = std::clamp(o.y, 0.0f, breite);
    return false;
}

void Spielfeld_Ball_Flugdauer()
{
    Spielfeld_Objekt* b = Ball_Objekt;
    if (!b) return;
    const float vz = Spielfeld_Aktueller_Auftrag(b)->start_tempo;
    b->flug_start = 0.0f;
    float t = 0.0f, vorher = 0.0f;
    // a flight lasts a few seconds at most; the bound keeps a stray height from looping on
    for (int32_t n = 0; n < 200; ++n, t += 100.0f) {
        const float u = 0.001f * t;
        const float h = vz * u - 981.0f * u * u;
        if (h >= b->z) break;
        if (n > 0 && h < vorher) {
            t -= 100.0f;
            break;
        }
        vorher = h;
    }
    b->flug_uhr = t;
}

int32_t Spielfeld_Zuspiel_Gedeckt(const Spielfeld_Record* r, const Spielfeld_Objekt* ball, float x, float y, int32_t seite,
                                  float* abstand, int32_t* slot, float reichweite, int32_t* nah, int32_t* eng)
{
    int32_t n_nah = 0, n_eng = 0, anzahl = 0, bester = -1;
    float bester_d = 0.0f;
    bool torwart = false;
    if (r && ball) {
        const float bx = ball->x, by = ball->y;
        if (x == bx) x += 0.001f;
        if (y == by) y += 0.001f;
        const float wx = x - bx, wy = y - by;
        const float weg2 = wx * wx + wy * wy, weg = std::sqrt(weg2);
        const int32_t erster = seite ? 16 : 0;
        for (int32_t i = erster; i < erster + 16; ++i) {
            const Spielfeld_Objekt& o = r->objekt[i];
            if (!(r->spieler[i].zustand & SPIELFELD_AUF_DEM_PLATZ) || !o.aktiv) continue;
            const float t = ((o.x - bx) * wx + (o.y - by) * wy) / weg2;
            const float fx = bx + t * wx, fy = by + t * wy;
            const float d = std::hypot(o.x - fx, o.y - fy);
            if (d >= reichweite) continue;
            const float vom_ball = std::hypot(fx - bx, fy - by);
            bool deckt = t >= 0.0f && t <= 1.0f;
            if (!deckt) {
                if (vom_ball <= 70.0f) {
                    deckt = true;
                    ++n_nah;
                } else deckt = std::hypot(o.x - x, o.y - y) < reichweite;
            }
            if (d > reichweite * (vom_ball / weg)) deckt = false;
            if (!deckt) continue;
            ++anzahl;
            if (d < 100.0f) ++n_eng;
            if (o.torwart || (!torwart && (bester < 0 || d < bester_d))) {
                bester = i;
                bester_d = d;
                torwart = torwart || o.torwart;
            }
        }
    }
    if (abstand) *abstand = bester_d;
    if (slot) *slot = bester;
    if (nah) *nah = n_nah;
    if (eng) *eng = n_eng;
    return anzahl;
}
