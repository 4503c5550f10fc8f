#include "match/pitch/spielfeld_verhalten.h"

#include <algorithm>
#include <cmath>

#include "match/pitch/spielfeld_abfragen.h"
#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_spieler.h"
#include "match/pitch/spielfeld_wechsel.h"
#include "matchview/live/spielszenen_kamera.h"

namespace {

constexpr int32_t BANK_FIGUR_X[2] = {4658, 7010};
constexpr int32_t BANK_FIGUR_Y = -348;
constexpr int32_t BANK_FIGUR_TEMPO = 430;
constexpr int32_t ZUR_BANK_TEMPO = 300;
constexpr float ANGEKOMMEN = 50.0f;  // a walk ends this near its point

}  // namespace

void Spielfeld_Verhalten_Bank(Spielfeld_Record* r, int32_t slot, int32_t platzieren)
{
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS) return;
    Spielfeld_Objekt& o = r->objekt[slot];
    float x = 0, y = 0;
    Spielfeld_Bank_Position(r, slot, nullptr, &x, &y);
    // placed with the line-up he stands by the halfway line and walks to his seat from there
    if (platzieren || o.x != x || o.y != y)
        Spielfeld_Auftrag_Geben(r, slot, int32_t(x), int32_t(y), 0, ZUR_BANK_TEMPO, ANIM_GEHEN, 0, -1, 0, -1, 1, -1, 0,
                                AUFTRAG_SUCHEN);
    o.neu_entscheiden = 0;
}

void Spielfeld_Verhalten_Nebenobjekt(Spielfeld_Record* r, int32_t objekt, int32_t platzieren)
{
    if (!r || objekt < 0 || objekt >= SPIELFELD_OBJEKTE) return;
    Spielfeld_Objekt& o = r->objekt[objekt];
    o.neu_entscheiden = 0;
    if (objekt != SPIELFELD_BANK && objekt != SPIELFELD_BANK + 1) return;
    const int32_t x = BANK_FIGUR_X[objekt - SPIELFELD_BANK];
    if (!platzieren && o.x == float(x) && o.y == float(BANK_FIGUR_Y)) return;
    Spielfeld_Auftrag_Geben(r, objekt, x, BANK_FIGUR_Y, 0, BANK_FIGUR_TEMPO, ANIM_BANK, 0, -1, 0, -1, 1, -1, 0,
                            AUFTRAG_SUCHEN);
}
// Walks on and off for a substitution end where their order ends: the substitute plays, the
// replaced player leaves the pitch for his seat as at a kick-off. Other states are the roles of
// restarts and the hurt.
void Spielfeld_Verhalten_Zustand(Spielfeld_Record* r, int32_t slot, int32_t seite)
{
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS) return;
    Spielfeld_Objekt& o = r->objekt[slot];
    if (o.zustand != '$' && o.zustand != '&') {
        Spielfeld_Verhalten_Standard(r, slot, seite);
        return;
    }
    const Spielfeld_Auftrag* a = Spielfeld_Aktueller_Auftrag(&o);
    // A walker whose walk another order took (a goal's cheer, an action at the ball) stands short
    // of his point with nothing to move him: waiting for him held the match in its stoppage.
    const bool steht = a->tempo == 0.0f && a->start_tempo == 0.0f && o.vx == 0.0f && o.vy == 0.0f;
    if (std::hypot(o.x - a->ziel[0], o.y - a->ziel[1]) >= ANGEKOMMEN && !steht) return;
    Spielfeld_Wechsel_Lauf_Beenden(r, slot);
}

void Spielfeld_Wechsel_Lauf_Beenden(Spielfeld_Record* r, int32_t slot)
{
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS) return;
    Spielfeld_Objekt& o = r->objekt[slot];
    if (o.zustand == '$') {
        o.zustand = 0;
        o.neu_entscheiden = 1;
        return;
    }
    if (o.zustand != '&') return;
    Spielfeld_Spieler& e = r->spieler[slot];
    Spielfeld_Bank_Position(r, slot, &o, nullptr, nullptr);
    o.aktiv = 0;
    o.zustand = 0;
    if (!(e.zustand & (0x40u | SPIELFELD_GELB_ROT | SPIELFELD_ROT))) e.zustand &= ~uint32_t(SPIELFELD_AUF_DEM_PLATZ);
    e.zustand |= SPIELFELD_AUSGEWECHSELT;
}
namespace {

constexpr float SCHIRI_ABSTAND = 1500.0f, SCHIRI_RAND = 100.0f, LINIE_AUSSEN = 100.0f;
constexpr float NEU_AB = 300.0f;  // a new order only when the point has moved this far
constexpr int32_t SCHIRI_TEMPO = 400;

void folgen(Spielfeld_Record* r, int32_t objekt, float x, float y)
{
    Spielfeld_Objekt& o = r->objekt[objekt];
    o.neu_entscheiden = 0;
    const Spielfeld_Auftrag* a = Spielfeld_Aktueller_Auftrag(&o);
    if (std::hypot(a->ziel[0] - x, a->ziel[1] - y) < NEU_AB && std::hypot(o.x - x, o.y - y) < NEU_AB * 2) return;
    Spielfeld_Auftrag_Geben(r, objekt, int32_t(x), int32_t(y), 0, SCHIRI_TEMPO, ANIM_BEWEGEN, 0, -1, 0, -1, 1, -1, 0,
                            AUFTRAG_SUCHEN);
}

}  // namespace

// The referee keeps about 15 m from the ball on the side of the centre, inside the pitch.
void Spielfeld_Verhalten_Schiedsrichter(Spielfeld_Record* r, int32_t objekt)
{
    if (!r) return;
    const Spielfeld_Objekt& b = r->objekt[SPIELFELD_BALL];
    const float L = float(Spielfeld_Masse[0]), W = float(Spielfeld_Masse[1]);
    float dx = L / 2 - b.x, dy = W / 2 - b.y;
    const float d = std::hypot(dx, dy);
    if (d < 1.0f) {
        dx = 0.0f;
        dy = -1.0f;
    } else {
        dx /= d;
        dy /= d;
    }
    const float x = std::clamp(b.x + dx * SCHIRI_ABSTAND, SCHIRI_RAND, L - SCHIRI_RAND);
    const float y = std::clamp(b.y + dy * SCHIRI_ABSTAND, SCHIRI_RAND, W - SCHIRI_RAND);
    folgen(r, objekt, x, y);
}

// Assistants 33 and 34 run their touchline level with the ball within their half; 36 stays.
void Spielfeld_Verhalten_Linienrichter(Spielfeld_Record* r, int32_t objekt)
{
    if (!r) return;
    if (objekt != 33 && objekt != 34) {
        r->objekt[objekt].neu_entscheiden = 0;
        return;
    }
    const Spielfeld_Objekt& b = r->objekt[SPIELFELD_BALL];
    const float L = float(Spielfeld_Masse[0]), W = float(Spielfeld_Masse[1]);
    const bool oben = objekt == 33;
    const float x = oben ? std::clamp(b.x, L / 2, L) : std::clamp(b.x, 0.0f, L / 2);
    folgen(r, objekt, x, oben ? -LINIE_AUSSEN : W + LINIE_AUSSEN);
}

void Spielfeld_Routine_Standard(Spielfeld_Record* r, Spielfeld_Routine routine, int32_t i, int32_t arg)
{
    const int32_t seite = i >= 16 ? 1 : 0;
    switch (routine) {
    case ROUTINE_BANK: Spielfeld_Verhalten_Bank(r, i, arg); break;
    case ROUTINE_NEBENOBJEKT: Spielfeld_Verhalten_Nebenobjekt(r, i, arg); break;
    case ROUTINE_ZUSTAND: Spielfeld_Verhalten_Zustand(r, i, seite); break;
    case ROUTINE_TORWART: Spielfeld_Verhalten_Torwart(r, i, seite, arg); break;
    case ROUTINE_BALLFUEHRER: Spielfeld_Verhalten_Ballfuehrer(r, i, seite); break;
    case ROUTINE_ANGRIFF: Spielfeld_Verhalten_Angriff(r, i, seite); break;
    case ROUTINE_ABWEHR: Spielfeld_Verhalten_Abwehr(r, i, seite); break;
    case ROUTINE_SITUATION_5: Spielfeld_Verhalten_Situation_5(r, i, seite); break;
    case ROUTINE_SCHIEDSRICHTER: Spielfeld_Verhalten_Schiedsrichter(r, i); break;
    case ROUTINE_LINIENRICHTER: Spielfeld_Verhalten_Linienrichter(r, i); break;
    }
}

void (*Spielfeld_Routine_Aufrufen)(Spielfeld_Record*, Spielfeld_Routine, int32_t, int32_t) = Spielfeld_Routine_Standard;

namespace {

// Situations whose players are put on their places at once (the walks of 5 and 9-11 are seen).
constexpr uint8_t SOFORT_PLATZIEREN[12] = {1, 1, 1, 1, 1, 0, 1, 1, 1, 0, 0, 0};
constexpr float MITTELKREIS = 915.0f;

void aufrufen(Spielfeld_Record* r, Spielfeld_Routine routine, int32_t i, int32_t arg = 0)
{
    Spielfeld_Routine_Aufrufen(r, routine, i, arg);
}

void spieler_verteilen(Spielfeld_Record* r, int32_t i)
{
    const int32_t seite = i >= 16 ? 1 : 0;
    Spielfeld_Spieler& e = r->spieler[i];
    Spielfeld_Objekt& o = r->objekt[i];
    if (!(e.zustand & SPIELFELD_AUF_DEM_PLATZ) && o.zustand == 0) {
        if (e.zustand == SPIELFELD_ERSATZ) aufrufen(r, ROUTINE_BANK, i, 0);
        return;
    }
    if (r->situation == SITUATION_HALBZEIT) {
        aufrufen(r, ROUTINE_SITUATION_5, i);
        return;
    }
    Spielfeld_Laufweg_Eintragen(r, &e, std::trunc(o.x), std::trunc(o.y));
    if (r->situation != SITUATION_SPIEL || o.y < 0.0f) {
        if (o.zustand != 0) {
            aufrufen(r, ROUTINE_ZUSTAND, i);
            return;
        }
        o.ballspieler = 0;
    }
    if ((o.zustand != 0 && r->situation != SITUATION_SPIEL) || o.countdown_b != 0.0f) return;
    if (r->ballhalter == i || o.ballspieler) {
        if (o.torwart && r->ballhalter != i) aufrufen(r, ROUTINE_TORWART, i, 1);
        else aufrufen(r, ROUTINE_BALLFUEHRER, i);
        return;
    }
    const bool hat_ball = int32_t(Spielfeld_Ballbesitz_Gast(r)) == seite || r->passempfaenger == i;
    if (o.torwart) aufrufen(r, ROUTINE_TORWART, i, hat_ball ? 1 : 0);
    else aufrufen(r, hat_ball ? ROUTINE_ANGRIFF : ROUTINE_ABWEHR, i);
}

bool bewegt(const Spielfeld_Objekt& o) { return o.vx != 0.0f || o.vy != 0.0f; }

}  // namespace

void Spielfeld_Verhalten_Verteilen(Spielfeld_Record* r, int32_t i)
{
    if (!r || i < 0 || i >= SPIELFELD_OBJEKTE) return;
    if (i < SPIELFELD_SLOTS) {
        spieler_verteilen(r, i);
        return;
    }
    if (i == SPIELFELD_SCHIEDSRICHTER) {
        aufrufen(r, ROUTINE_SCHIEDSRICHTER, i);
        return;
    }
    if (i == 33 || i == 34 || i == 36) {
        aufrufen(r, ROUTINE_LINIENRICHTER, i);
        return;
    }
    r->objekt[i].neu_entscheiden = 0;
    if (i >= SPIELFELD_BANK) aufrufen(r, ROUTINE_NEBENOBJEKT, i, 0);
}

uint8_t Spielfeld_Situation_Aufstellen(Spielfeld_Record* r)
{
    if (!r || r->standard_aufgebaut) return 0;
    Spielfeld_Objekt& schiri = r->objekt[SPIELFELD_SCHIEDSRICHTER];
    if (Spielfeld_Aktueller_Auftrag(&schiri)->art != 0) return 0;
    if (r->situation == SITUATION_HALBZEIT) {
        r->standard_aufgebaut = 1;
        return 0;
    }
    if (r->situation != SITUATION_VERLETZUNG) Spielfeld_Wechsel_Ausfuehren(r);
    for (int32_t i = 0; i < SPIELFELD_SLOTS; ++i) {
        Spielfeld_Objekt& o = r->objekt[i];
        o.ballspieler = 0;
        Spielfeld_Aktueller_Auftrag(&o)->art = 0;
        if (o.zustand == 0) o.countdown_b = 0.0f;
    }
    if (r->situation != SITUATION_VERLETZUNG) Spielfeld_Sonderaktion(r);

    const float mitte_x = float(Spielfeld_Masse[0]) / 2, mitte_y = float(Spielfeld_Masse[1]) / 2;
    const bool sofort = r->laufende_spieler <= 0 && r->situation < 12 && SOFORT_PLATZIEREN[r->situation];
    uint8_t ergebnis = 0;
    for (int32_t i = 0; i <= 34; ++i) {
        Spielfeld_Objekt& o = r->objekt[i];
        const bool laeuft_wechsel = i < SPIELFELD_SLOTS && (o.zustand == '$' || o.zustand == '&');
        if (!laeuft_wechsel) {
            if (o.zustand == 0) {
                Spielfeld_Auftrag* a = Spielfeld_Aktueller_Auftrag(&o);
                a->ziel[0] = o.x;
                a->ziel[1] = o.y;
            }
            Spielfeld_Verhalten_Verteilen(r, i);
        }
        const Spielfeld_Auftrag* a = Spielfeld_Aktueller_Auftrag(&o);
        if (i < SPIELFELD_SLOTS && r->spieler[i].zustand == SPIELFELD_AUF_DEM_PLATZ) {
            const float d = bewegt(o) ? std::hypot(a->ziel[0] - mitte_x, a->ziel[1] - mitte_y)
                                      : std::hypot(o.x - mitte_x, o.y - mitte_y);
            if (d > MITTELKREIS) ergebnis = 2;
        }
        if (sofort && bewegt(o)) {
            Spielfeld_Objekt_Setzen(r, i, -1, 0, 0);
            ergebnis = 1;
        }
    }
    r->standard_aufgebaut = 1;
    return ergebnis;
}
