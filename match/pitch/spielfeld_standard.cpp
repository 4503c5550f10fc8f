#include "match/pitch/spielfeld_standard.h"

#include <cmath>
#include <cstdlib>

#include "match/pitch/spielfeld_abfragen.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_wechsel.h"
#include "matchview/live/spielszenen_kamera.h"
#include "platform/zufall.h"

namespace {

constexpr int32_t ANIM_BALL_LIEGT = 10;
constexpr int32_t MAUER_ZUSTAND = 29;

void torart_loeschen(Spielfeld_Record* r)
{
    for (uint8_t& t : r->torart) t = 0;
}

// The ball lies still on the spot, without flight.
void ball_hinlegen(Spielfeld_Record* r, int32_t x, int32_t y)
{
    Spielfeld_Auftrag_Geben(r, SPIELFELD_BALL, x, y, 0, 0, ANIM_BALL_LIEGT, 0, 0, 0, -1, 0, -1, -1, 0);
    Spielfeld_Objekt_Setzen(r, SPIELFELD_BALL, -1, 0, 0);
    Spielfeld_Flug_Setzen(r, SPIELFELD_BALL, 0.0f);
}

// The defender nearest the ball who may stand in the wall, -1 when none is left.
int32_t mauer_kandidat(const Spielfeld_Record* r, int32_t seite, const bool* gewaehlt)
{
    const Spielfeld_Objekt& b = r->objekt[SPIELFELD_BALL];
    int32_t beste = -1;
    float beste_d = 0.0f;
    for (int32_t i = seite * 16; i < seite * 16 + 16; ++i) {
        const Spielfeld_Objekt& o = r->objekt[i];
        if (o.torwart || gewaehlt[i] || r->spieler[i].zustand != SPIELFELD_AUF_DEM_PLATZ) continue;
        // a man walking off (or on) for a substitution is no wall: put there, he stayed on
        if (Spielfeld_Wechsel_Ist_Aus(r, i) || o.zustand == '$' || o.zustand == '&') continue;
        const float d = std::hypot(o.x - b.x, o.y - b.y);
        if (beste < 0 || d < beste_d) {
            beste = i;
            beste_d = d;
        }
    }
    return beste;
}

int32_t mauer_groesse(const Spielfeld_Record* r, float d, int32_t seite)
{
    const Spielfeld_Objekt& b = r->objekt[SPIELFELD_BALL];
    const float laenge = float(Spielfeld_Masse[0]), breite = float(Spielfeld_Masse[1]);
    int32_t n = 1;
    if (d <= laenge / 2 - 500 && std::fabs(breite / 2 - b.y) < 2500 && std::fabs(b.x - float(r->tor_x[seite])) > 1200) {
        if (d < 3200) n = 2;
        if (d < 2700) n = 3;
        if (d < 2000) n = 4;
    }
    return n;
}

void sync_loeschen(Spielfeld_Record* r)
{
    r->sync_standard[0] = r->sync_standard[1] = 0;
    r->sync_ecke = 0;
}

}  // namespace

void Spielfeld_Freistoss_Aufstellen(Spielfeld_Record* r, float x, float y, int32_t k)
{
    if (!r) return;
    k &= 1;
    Spielfeld_Spieler_Zustaende_Loeschen(r);
    const float torlinie = float(Spielfeld_Masse[0] * ((1 - k) ^ (r->seiten_getauscht & 1)));
    if (std::fabs(torlinie - x) < 3100.0f) {
        r->freistoss_offen = 1;
        sync_loeschen(r);
    }
    r->standard_seite = uint8_t(k);
    r->vorteil = 0;
    torart_loeschen(r);
    r->tor_pause = 0;
    ball_hinlegen(r, int32_t(x), int32_t(y));
    r->letzte_beruehrung = uint8_t(1 - k);

    const Spielfeld_Objekt& b = r->objekt[SPIELFELD_BALL];
    const float d = std::hypot(b.x - float(r->tor_x[k]), b.y - float(r->tor_y[k]));
    const int32_t n = mauer_groesse(r, d, k);
    bool gewaehlt[SPIELFELD_SLOTS] = {};
    for (int32_t i = 0, platz = 0; i < n; ++i) {
        const int32_t s = mauer_kandidat(r, 1 - k, gewaehlt);
        if (s < 0) continue;
        gewaehlt[s] = true;
        r->objekt[s].zustand = uint8_t(MAUER_ZUSTAND + platz++);
    }

    uint8_t variante = 0;
    if (d <= 3500.0f) {
        const int32_t art = Zufall(0, 2);
        const int32_t direkt = Zufall(0, 5);
        variante = uint8_t(direkt > 3 ? 2 : art);
    }
    r->freistoss_variante = variante;
    r->letzte_beruehrung = uint8_t(1 - k);
    r->ballhalter = -1;
    Spielfeld_Situation_Zuruecksetzen(r);
    r->situation = SITUATION_FREISTOSS;
    r->standard_aufgebaut = 0;
}

void Spielfeld_Elfmeter_Aufstellen(Spielfeld_Record* r)
{
    if (!r) return;
    Spielfeld_Spieler_Zustaende_Loeschen(r);
    r->elfmeter_offen = 1;
    Ball_Objekt = &r->objekt[SPIELFELD_BALL];
    r->vorteil = 0;
    torart_loeschen(r);
    const int32_t h = r->objekt[SPIELFELD_BALL].x > float(Spielfeld_Masse[0]) / 2 ? 1 : 0;
    const int32_t k = (1 - h) ^ (r->seiten_getauscht & 1);
    r->standard_seite = uint8_t(k);
    ball_hinlegen(r, Spielfeld_Masse[8 + h], Spielfeld_Masse[10 + h]);
    r->letzte_beruehrung = uint8_t(1 - k);
    Spielfeld_Situation_Zuruecksetzen(r);
    r->situation = SITUATION_ELFMETER;
    sync_loeschen(r);
    r->tor_pause = 0;
    r->standard_aufgebaut = 0;
    r->strafstoss = STRAFSTOSS_UNTERWEGS;
}

void Spielfeld_Elfmeterschiessen_Aufstellen(int32_t spiel, int32_t k, int32_t schuetze)
{
    if (!Spielfeld_Initialisiert()) return;
    Spielfeld_Record* r = Spielfeld_Get_Spiel(spiel);
    if (!r) return;
    k &= 1;
    torart_loeschen(r);
    r->laufende_spieler = -1;
    r->letzter_passgeber = -1;
    r->tor_pause = 0;
    Spielfeld_Spieler_Zustaende_Loeschen(r);
    Ball_Objekt = &r->objekt[SPIELFELD_BALL];
    Ball_Auftrag = Spielfeld_Aktueller_Auftrag(Ball_Objekt);
    r->spielende = 0;
    r->anim_remap = 0;
    r->seiten_getauscht = uint8_t(k ^ 1);
    r->ball_zustand = BALL_IM_SPIEL;
    r->ballhalter = -1;
    Spielfeld_Tor_Punkte_Setzen(r);
    ball_hinlegen(r, Spielfeld_Masse[8], Spielfeld_Masse[10]);
    r->letzte_beruehrung = uint8_t(1 - k);
    Spielfeld_Situation_Zuruecksetzen(r);
    r->situation = SITUATION_ELFMETERSCHIESSEN;
    r->countdown = 15;
    r->elfmeter_schuss = 1;
    r->schuetze_bestimmt = schuetze;
    r->standard_aufgebaut = 0;
    r->strafstoss = STRAFSTOSS_UNTERWEGS;
}

bool Spielfeld_Elfmeterschiessen_Wartet(int32_t spiel)
{
    if (!Spielfeld_Ist_Initialisiert()) return true;
    const Spielfeld_Record* r = Spielfeld_Get_Spiel(spiel);
    return !r || r->elfmeter_schuss != 1;
}

void Spielfeld_Foul_Standard(Spielfeld_Record* r, float x, float y, int32_t seite)
{
    if (!r) return;
    seite &= 1;
    // the area at the end the fouled side attacks
    const int32_t b = ((1 - seite) ^ (r->seiten_getauscht & 1)) & 1;
    const float torlinie = float(Spielfeld_Masse[0] * b);
    const bool im_strafraum = y >= float(Spielfeld_Masse[12 + b]) && y <= float(Spielfeld_Masse[14 + b]) &&
                              std::fabs(x - torlinie) <= float(Spielfeld_Masse[16]);
    if (im_strafraum) {
        ++r->elfmeter[seite];
        Spielfeld_Objekt_Setzen(r, SPIELFELD_BALL, int32_t(x), int32_t(y), 0);  // names the end
        Spielfeld_Elfmeter_Aufstellen(r);
    } else {
        ++r->freistoesse[seite];
        Spielfeld_Freistoss_Aufstellen(r, x, y, seite);
    }
}
