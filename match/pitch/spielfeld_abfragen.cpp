#include "match/pitch/spielfeld_abfragen.h"

#include <cmath>
#include <cstdlib>

#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_ereignis.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_verhalten.h"
#include "matchview/live/spielszenen_kamera.h"
#include "matchview/spielszenen.h"
#include "platform/print.h"
#include "platform/wert.h"

namespace {

bool spieler(int32_t s) { return s >= 0 && s < SPIELFELD_SLOTS; }
bool objekt_gueltig(int32_t o) { return o >= 0 && o < SPIELFELD_OBJEKTE; }
int32_t seite_von(int32_t slot) { return slot >= 16 ? 1 : 0; }
bool spielt(const Spielfeld_Record* r, int32_t s) { return r->spieler[s].zustand == SPIELFELD_AUF_DEM_PLATZ; }

void ordnen(int32_t& a, int32_t& b)
{
    if (a > b) {
        const int32_t t = a;
        a = b;
        b = t;
    }
}

// First slot of [von, bis) in play and at rest within radius of (px, py), not the object.
int32_t erster_in_naehe(const Spielfeld_Record* r, int32_t objekt, float px, float py, int32_t radius, int32_t von,
                        int32_t bis)
{
    for (int32_t s = von; s < bis; ++s) {
        if (s == objekt || !spielt(r, s) || r->objekt[s].zustand != 0) continue;
        if (Hypotenuse_Float(r->objekt[s].x - px, r->objekt[s].y - py) < float(radius)) return s;
    }
    return -1;
}

}  // namespace

void Spielfeld_Tor_Punkte_Setzen(Spielfeld_Record* r)
{
    if (!r) return;
    r->tor_x[0] = Spielfeld_Masse[0];
    r->tor_x[1] = 0;
    r->tor_y[0] = r->tor_y[1] = Spielfeld_Masse[1] / 2;
    if (r->seiten_getauscht) {
        const int32_t x = r->tor_x[0], y = r->tor_y[0];
        r->tor_x[0] = r->tor_x[1];
        r->tor_y[0] = r->tor_y[1];
        r->tor_x[1] = x;
        r->tor_y[1] = y;
    }
}

bool Spielfeld_Ballbesitz_Gast(const Spielfeld_Record* r) { return r && r->ballhalter >= 16; }

bool Spielfeld_Ballbesitz_Setzen(Spielfeld_Record* r, int32_t s)
{
    if (!r) return false;
    if (s < -1 || s >= SPIELFELD_SLOTS) s = -1;
    Spielfeld_Objekt& ball = r->objekt[SPIELFELD_BALL];
    Spielfeld_Auftrag& ball_auftrag = *Spielfeld_Aktueller_Auftrag(&ball);
    if (spieler(s)) {
        r->b_20530 = 0;
        r->extra_tor = ball.z >= 200.0f ? 1 : 0;
        if (r->torart[0] == 1 || r->torart[0] == 2) --r->torart[0];
        if (r->torart[1]) --r->torart[1];
        if (r->torart[2]) --r->torart[2];
        for (int32_t k = 0; k < SPIELFELD_SLOTS; ++k) {
            if (k == s || !r->objekt[k].torwart) continue;
            Spielfeld_Auftrag& a = *Spielfeld_Aktueller_Auftrag(&r->objekt[k]);
            if (a.animation == 45 || a.animation == 46) a.animation += 2;
        }
    }
    const int32_t alt = r->ballhalter;
    if (s == alt || r->ball_zustand != BALL_IM_SPIEL) {
        ball_auftrag.dauer = 0.0f;
        if (ball_auftrag.tempo == 0.0f) {
            ball_auftrag.tempo = 20.0f;
            ball.vx = ball.vy = 20.0f;
        }
        if (r->ball_zustand == BALL_SEITENAUS) r->ball_zustand = BALL_EINWURF_SOFORT;
        r->frei_20565 = 0;
        return false;
    }
    r->objekt[SPIELFELD_SCHIEDSRICHTER].neu_entscheiden = 1;
    r->passempfaenger = -1;
    if (spieler(alt)) {
        Spielfeld_Objekt& o = r->objekt[alt];
        if (o.zustand != 0 && r->situation == SITUATION_SPIEL && r->laufende_spieler <= 0) {
            o.zustand = 0;
            r->spieler[alt].zustand &= 0x1003F0u;
        }
        if (o.zustand == 1 || o.zustand == 2) o.zustand = 0;
        o.neu_entscheiden = 1;
    }
    const int32_t geber = spieler(alt) ? alt : r->voriger_halter;
    if (spieler(s) && spieler(geber)) {
        r->b_24993 = 0;
        r->b_20522 = 0;
        const int32_t g = seite_von(geber);
        if (g == seite_von(s)) {
            if (r->schuss_offen) {
                r->schuss_offen = 0;
                if (r->frei_20565 && r->anzeige == 1) {
                    if (r->im_fenster) Spielszenen_Sound_Reaktion_Spielen(2, r->zuschauer_stimmung[g]);
                    r->zuschauer_reaktion[g] = 3;
                    r->zuschauer_stimmung[g] = r->zuschauer_stimmung[g] + 2 > 100 ? 100 : r->zuschauer_stimmung[g] + 2;
                }
            }
            r->letzter_passgeber = geber;
        } else {
            r->verteidiger_x = float(Spielfeld_Masse[0] / 2);
            if (r->schuss_offen) {
                Spielfeld_Statistik_Zaehlen(r, r->schuetzen_slot, 0);
                if (r->anzeige == 1 && spieler(r->schuetzen_slot)) {
                    int32_t& m = r->zuschauer_stimmung[seite_von(r->schuetzen_slot)];
                    m = m - 6 < 0 ? 0 : m - 6;
                }
                r->schuss_offen = 0;
            }
            r->letzter_passgeber = -1;
        }
    }
    if (spieler(s)) {
        Spielfeld_Statistik_Zaehlen(r, s, 5);
        // a ball won in play is no longer the penalty's
        if (r->situation == SITUATION_SPIEL) r->strafstoss = STRAFSTOSS_KEINER;
        if (r->elfmeter_schuss == 1) {
            if (r->countdown > 0) --r->countdown;
            if (r->countdown == 0) r->elfmeter_schuss = 2;
        }
        for (int32_t k = 0; k < SPIELFELD_SLOTS; ++k) {
            Spielfeld_Objekt& o = r->objekt[k];
            if (!spielt(r, k) || !(o.torwart || o.ballspieler) || o.zustand != 0) continue;
            o.neu_entscheiden = 1;
            o.ballspieler = 0;
        }
        r->angriffslinie_x = r->tor_x[seite_von(s)];
        r->voriger_halter = int8_t(s);
    } else {
        r->bester_slot = -1;
        if (r->situation == SITUATION_SPIEL) Spielfeld_Sonderaktion(r);
        if (r->ball_zustand == BALL_SEITENAUS) {
            r->ball_zustand = BALL_EINWURF_SOFORT;
            r->b_21770 = r->b_21771 = 0;
        }
    }
    r->ballhalter = int8_t(s);
    r->frei_20565 = 0;
    return true;
}

float Spielfeld_Entfernung_Zum_Tor(const Spielfeld_Record* r, int32_t objekt)
{
    if (!r || !objekt_gueltig(objekt)) return 0.0f;
    const int32_t seite = Spielfeld_Ballbesitz_Gast(r) ? 1 : 0;
    const Spielfeld_Objekt& o = r->objekt[objekt];
    return float(Hypotenuse_Int(int32_t(o.x) - r->tor_x[seite], int32_t(o.y) - r->tor_y[seite]));
}

float Spielfeld_Entfernung_Objekte(const Spielfeld_Record* r, int32_t a, int32_t b)
{
    if (!r || !objekt_gueltig(a) || !objekt_gueltig(b)) return 0.0f;
    return float(Float_Runden(Hypotenuse_Float(r->objekt[a].x - r->objekt[b].x, r->objekt[a].y - r->objekt[b].y)));
}

void Spielfeld_Ziel_Mitte(Spielfeld_Objekt* o, float* x, float* y)
{
    if (!o) return;
    const Spielfeld_Auftrag& a = *Spielfeld_Aktueller_Auftrag(o);
    if (x) *x = (o->x + a.ziel[0]) * 0.5f;
    if (y) *y = (o->y + a.ziel[1]) * 0.5f;
}

float Spielfeld_Entfernung_Zur_Ziel_Mitte(Spielfeld_Objekt* a, Spielfeld_Objekt* b)
{
    if (!a || !b) return 0.0f;
    float x = 0.0f, y = 0.0f;
    Spielfeld_Ziel_Mitte(b, &x, &y);
    return Hypotenuse_Float(a->x - x, a->y - y);
}

int32_t Spielfeld_Spieler_In_Naehe(const Spielfeld_Record* r, int32_t objekt, int32_t x, int32_t y, int32_t radius)
{
    if (!r) return -1;
    const bool punkt = !objekt_gueltig(objekt) || x != -1;
    const float px = punkt ? float(x) : r->objekt[objekt].x, py = punkt ? float(y) : r->objekt[objekt].y;
    return erster_in_naehe(r, objekt, px, py, radius, 0, SPIELFELD_SLOTS);
}

int32_t Spielfeld_Gegner_In_Naehe(const Spielfeld_Record* r, int32_t objekt, int32_t x, int32_t y, int32_t radius)
{
    if (!r || !objekt_gueltig(objekt)) return -1;
    const bool punkt = x != -1;
    const float px = punkt ? float(x) : r->objekt[objekt].x, py = punkt ? float(y) : r->objekt[objekt].y;
    const int32_t von = objekt < 16 ? 16 : 0;
    return erster_in_naehe(r, objekt, px, py, radius, von, von + 16);
}

int32_t Spielfeld_Spieler_Im_Feld_Zaehlen(Spielfeld_Record* r, int32_t objekt, int32_t radius, int32_t seitenwahl,
                                          int32_t vorausschau, int32_t markieren)
{
    if (!r || !objekt_gueltig(objekt)) return 0;
    const Spielfeld_Objekt& o = r->objekt[objekt];
    const int32_t von = seitenwahl == 1 ? 16 : 0, bis = seitenwahl == 1 || seitenwahl == 2 ? 32 : 16;
    const float rad = float(radius);
    int32_t n = 0;
    for (int32_t s = von; s < bis; ++s) {
        if (s == objekt || !spielt(r, s)) continue;
        float x = r->objekt[s].x, y = r->objekt[s].y;
        if (vorausschau) {
            x += o.vx;
            y += o.vy;
        }
        if (!(std::fabs(o.x - x) < rad && std::fabs(o.y - y) < rad)) continue;
        n += std::fabs(o.y - y) < rad / 3.0f ? 2 : 1;
        if (markieren) {
            r->spieler[s].partner[0] = uint8_t(objekt);
            if (r->situation == SITUATION_SPIEL && r->torart[2] == 0) r->objekt[s].neu_entscheiden = 1;
        }
    }
    return n;
}

int32_t Spielfeld_Spieler_Im_Rechteck(const Spielfeld_Record* r, int32_t objekt, int32_t x1, int32_t y1, int32_t x2,
                                      int32_t y2, int32_t* slot)
{
    if (!r) return 0;
    ordnen(x1, x2);
    ordnen(y1, y2);
    int32_t n = 0;
    for (int32_t s = 0; s < SPIELFELD_SLOTS; ++s) {
        if (s == objekt || !spielt(r, s)) continue;
        const Spielfeld_Objekt& o = r->objekt[s];
        if (o.x > float(x1) && o.x < float(x2) && o.y > float(y1) && o.y < float(y2)) {
            ++n;
            if (slot) *slot = s;
        }
    }
    return n;
}

int32_t Spielfeld_Anspielstation_Suchen(const Spielfeld_Record* r, int32_t seite, int32_t x1, int32_t y1, int32_t x2,
                                        int32_t y2, int32_t* slot, float* px, float* py, int32_t faktor)
{
    if (!r) return 0;
    ordnen(x1, x2);
    ordnen(y1, y2);
    const bool vorne_x2 = seite == r->seiten_getauscht;
    if (px && py) {
        const int32_t um = int32_t(float(x2 - x1) * float(faktor) * 0.01f);
        if (vorne_x2) x2 -= um;
        else x1 += um;
    }
    const int32_t mitte = Spielfeld_Masse[1] / 2;
    const float rx = float(vorne_x2 ? x1 : x2);
    const float ry = float(y1 <= mitte && mitte <= y2 ? mitte : y2 < mitte ? y2 : y1);
    if (px && py) {
        *px = rx;
        *py = ry;
    }
    const int32_t von = seite != 0 ? 0 : 16;
    float best = 21600.0f;
    int32_t gewaehlt = -1, n = 0;
    for (int32_t s = von; s < von + 16; ++s) {
        if (!spielt(r, s)) continue;
        const Spielfeld_Objekt& o = r->objekt[s];
        if (!(o.x > float(x1) && o.x < float(x2) && o.y > float(y1) && o.y < float(y2))) continue;
        ++n;
        const uint8_t stufe = r->spieler[s].frei_4[4];
        if (stufe >= 3) continue;
        float wert = float(stufe) * 2000.0f + Hypotenuse_Float(o.x - rx, o.y - ry);
        if (s == r->ballhalter && r->b_20530) wert -= 1500.0f;
        if (wert < best) {
            best = wert;
            gewaehlt = s;
        }
    }
    if (slot) *slot = gewaehlt;
    return n;
}

int32_t Spielfeld_Umkreis_Suchen(const Spielfeld_Record* r, int32_t radius, int32_t seitenwahl, int32_t modus, int32_t c,
                                 int32_t x, int32_t y, int32_t* liste, int32_t* abstaende,
                                 int8_t (*band)[SPIELFELD_BAND_ZEILE], int32_t* ringe, int32_t groesse)
{
    if (!r || radius <= 0) return 0;
    const bool mit_slot = spieler(c);
    const float cx = mit_slot ? r->objekt[c].x : float(x), cy = mit_slot ? r->objekt[c].y : float(y);
    const int32_t seite = mit_slot ? seite_von(c) : (Spielfeld_Ballbesitz_Gast(r) ? 1 : 0);
    int32_t von = 0, bis = SPIELFELD_SLOTS;
    if (seitenwahl == 1 || seitenwahl == 2) {
        von = (seitenwahl == 1 ? seite : 1 - seite) * 16;
        bis = von + 16;
    }
    // A slot's band is at most radius / 100: the tables hold that row too, all of it cleared.
    const int32_t zeilen = int32_t(float(radius) * 0.01f) + 1;
    const bool tabellen = liste != nullptr;
    if (tabellen)
        for (int32_t i = 0; i < zeilen; ++i) {
            if (band) band[i][0] = -1;
            if (ringe) ringe[i] = 0;
        }
    int32_t n = 0, eingetragen = 0;
    for (int32_t s = von; s < bis; ++s) {
        if (s == c || !spielt(r, s)) continue;
        const Spielfeld_Objekt& o = r->objekt[s];
        const float d = Hypotenuse_Float(o.x - cx, o.y - cy);
        if (!(d < float(radius))) continue;
        ++n;
        if (!tabellen || eingetragen >= groesse) continue;
        liste[eingetragen] = s;
        const bool nicht_vorne = seite_von(s) == r->seiten_getauscht ? o.x - d / 2 + 100.0f < cx : o.x + d / 2 - 100.0f > cx;
        const int32_t signiert = nicht_vorne ? -int32_t(d) : int32_t(d);
        if (abstaende) abstaende[eingetragen] = signiert;
        ++eingetragen;
        if (band) {
            int32_t b = int32_t(std::fabs(cx - o.x) * 0.01f);
            b = b < zeilen ? b : zeilen - 1;
            int32_t k = 0;
            while (k < SPIELFELD_BAND_ZEILE - 1 && band[b][k] != -1) ++k;
            if (k < SPIELFELD_BAND_ZEILE - 1) {
                band[b][k] = int8_t(s);
                band[b][k + 1] = -1;
            }
        }
        if (ringe && !(modus == 1 && nicht_vorne && signiert < -100)) {
            const int32_t ab = int32_t(d * 0.01f) < 0 ? 0 : int32_t(d * 0.01f);
            const int32_t bis_ring = int32_t(float(radius) * 0.01f - 1.0f);
            for (int32_t i = ab; i <= bis_ring && i < zeilen; ++i) ++ringe[i];
        }
    }
    return n;
}

bool Spielfeld_Initialisiert()
{
    if (Spielfeld_Ist_Initialisiert()) return true;
    Print_Fehler("Spielfeld wurde nicht initialisiert!\n");
    return false;
}

void Spielfeld_Liste_Freigeben()
{
    if (Spielfeld_Ist_Initialisiert()) {
        // The ball pointers point into the records about to go.
        Ball_Objekt = nullptr;
        Ball_Auftrag = nullptr;
    }
    Liste_Delete_All(&Spielfeld_Liste);
    Spielfeld_Liste = Liste{};
}
