#include "match/pitch/spielfeld_ball.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "database/spieler.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_ereignis.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_spieler.h"
#include "match/pitch/spielfeld_tor_reaktion.h"
#include "match/pitch/spielfeld_verhalten.h"
#include "matchview/live/spielszenen_kamera.h"
#include "matchview/spielszenen.h"
#include "platform/zufall.h"

namespace {

constexpr float SCHWERKRAFT = 981.0f;
constexpr float TIEFER_BODEN = 1.4f;

int32_t laenge() { return Spielfeld_Masse[0]; }
int32_t breite() { return Spielfeld_Masse[1]; }

// Moves v towards zero by |d|, never past it; true when it reached zero this step.
bool bremsen(float& v, float d)
{
    if (v == 0.0f) return false;
    const float b = std::fabs(d);
    if (v > 0.0f) v = v - b > 0.0f ? v - b : 0.0f;
    else v = v + b < 0.0f ? v + b : 0.0f;
    return v == 0.0f;
}

void erhoehen(int32_t& wert, int32_t um) { wert = wert + um > 100 ? 100 : wert + um; }
void senken(int32_t& wert, int32_t um) { wert = wert - um < 0 ? 0 : wert - um; }

bool angezeigt(const Spielfeld_Record* r) { return r->anzeige == 1; }
bool ton(const Spielfeld_Record* r) { return r->im_fenster != 0; }

void entscheiden_lassen(Spielfeld_Record* r, int32_t slot)
{
    if (slot >= 0 && slot < SPIELFELD_OBJEKTE) r->objekt[slot].neu_entscheiden = 1;
}

// The crossing of this step's path with x = X (y or height); a path along the line keeps b.
float schneiden(float x1, float a1, float x2, float a2, float X)
{
    if (x1 == x2 || a1 == a2) return a2;
    return Spielfeld_Linie_Schneiden(x1, a1, x2, a2, X);
}

void torart_loeschen(Spielfeld_Record* r) { std::memset(r->torart, 0, sizeof r->torart); }

// After a restart or throw-in: the final whistle once the ball is dead.
void spielende_pruefen(Spielfeld_Record* r)
{
    if (r->spielende != 1 || r->ball_zustand != BALL_IM_SPIEL || r->torart[2] != 0 || r->situation == SITUATION_ELFMETER)
        return;
    r->spielende = 2;
    torart_loeschen(r);
    r->foul_countdown = 0;
    Spielfeld_Situation_Zuruecksetzen(r);
    r->countdown = 0;
    r->elfmeter_schuss = 0;
}

void ball_setzen(Spielfeld_Record* r, float x, float y)
{
    Spielfeld_Objekt_Setzen(r, SPIELFELD_BALL, int32_t(x), int32_t(y), 0);
}

// The ball crossed (or reached) goal line e: goal, clear miss or a rebound off the frame.
void torlinie(Spielfeld_Record* r, Spielfeld_Objekt& b, Spielfeld_Auftrag& a, int32_t e, float alt_x, float alt_y,
              float alt_z, bool hinter)
{
    const int32_t L = laenge();
    const float linie = float(L * e);
    const float unten = float(Spielfeld_Masse[2 + e]), oben = float(Spielfeld_Masse[4 + e]);
    const float latte = float(Spielfeld_Masse[6 + e]);
    const float yc = schneiden(alt_x, alt_y, b.x, b.y, linie);
    const float zc = schneiden(alt_x, alt_z, b.x, b.z, linie);
    const bool im_spiel = r->ball_zustand == BALL_IM_SPIEL;
    const float m = im_spiel ? 20.0f : 0.0f, n = im_spiel ? 8.0f : 0.0f;
    const bool daneben = yc - m / 2 < unten + n / 2 || oben - n / 2 < yc + m / 2 || latte - n / 2 < zc + m / 2;
    const int32_t getauscht = r->seiten_getauscht;
    if (!daneben) {
        if (!hinter) return;
        r->ballhalter = -1;
        r->ball_zustand = BALL_IM_TOR;
        r->b_21770 = r->b_21771 = 0;
        const Spielfeld_Objekt& s = r->objekt[SPIELFELD_SCHIEDSRICHTER];
        Spielfeld_Auftrag_Geben(r, SPIELFELD_SCHIEDSRICHTER, int32_t(s.x), int32_t(s.y), 0, 0, ANIM_PFIFF, 0, 0, 0, -1, 1, 0, 0,
                                0);
        Spielfeld_Tor_Reaktion(r, (e ^ getauscht) ^ 1);
        if (r->foul_countdown) r->foul_countdown = (e ^ getauscht) == (r->gefoulte_seite == 1 ? 1 : 0) ? 1 : 0;
        return;
    }
    const bool klar = !im_spiel || yc + 10 < unten - 4 || oben + 4 < yc - 10 || latte + 4 < zc - 10;
    if (klar) {
        if (!hinter) return;
        r->ballhalter = -1;
        if (im_spiel && r->schuss_offen) {
            Spielfeld_Statistik_Zaehlen(r, r->schuetzen_slot, 0);
            r->schuss_offen = 0;
        }
        r->ball_zustand = BALL_TORAUS;
        r->b_21770 = r->b_21771 = 0;
        torart_loeschen(r);
        if (r->letzte_beruehrung == (e ^ getauscht)) {
            r->ecke_offen = 1;
            r->sync_standard[0] = r->sync_standard[1] = 0;
            r->sync_ecke = 0;
            r->standard_seite = uint8_t(r->letzte_beruehrung ^ 1);
            r->torart[0] = 12;
        }
        if (!angezeigt(r)) return;
        const int32_t angreifer = 1 - (getauscht ^ e), verteidiger = 1 - angreifer;
        const bool weit = std::fabs(yc - oben) > 400.0f || b.z > 0.0f;
        if (ton(r)) Spielszenen_Sound_Reaktion_Spielen(weit ? 2 : 3, r->zuschauer_stimmung[angreifer]);
        r->zuschauer_reaktion[angreifer] = weit ? 3 : 5;
        erhoehen(r->zuschauer_stimmung[angreifer], weit ? 12 : 3);
        senken(r->zuschauer_stimmung[verteidiger], weit ? 15 : 5);
        return;
    }
    // Within 14 of a post or the bar: the frame throws it back.
    const bool an_latte = std::fabs(zc - latte) <= 14.0f;
    const bool an_unten = std::fabs(yc - unten) <= 14.0f, an_oben = std::fabs(yc - oben) <= 14.0f;
    const bool am_pfosten = an_unten || an_oben;
    int32_t sx = 0, sy = 0;
    do {
        const int32_t zx = Zufall(0, 1);
        sx = 2 * zx - 1;
        sy = 1;
        if (am_pfosten) {
            const int32_t zy = Zufall(0, 1);
            sy = 2 * zy - 1;
        }
    } while (sx + sy == 2 && !an_latte);
    b.x = linie + (e == 0 ? 14.0f : -14.0f);
    if (an_unten) b.y = unten;
    else if (an_oben) b.y = oben;
    b.vx = 0.7f * float(sx) * b.vx;
    b.vy = 0.7f * float(sy) * b.vy;
    if (std::fabs(b.fy) + std::fabs(b.fx) < 100.0f) {
        b.fx *= 15.0f;
        b.fy *= 15.0f;
    }
    r->ballhalter = -1;
    for (int32_t s = 0; s < SPIELFELD_SLOTS; ++s) {
        if (r->spieler[s].zustand != SPIELFELD_AUF_DEM_PLATZ) continue;
        r->annaeherung[s] = 0;
        if (r->spieler[s].faehigkeit[13] > 750 && std::fabs(r->objekt[s].x - b.x) < 2000.0f) r->objekt[s].neu_entscheiden = 1;
    }
    if (an_latte) {
        b.z = latte;
        const float t = (b.flug_uhr - b.flug_start + 5.0f) * 0.001f;
        const auto hoehe = [&] { return a.start_tempo * t - SCHWERKRAFT * t * t; };
        const bool darueber = hoehe() > latte;
        const int32_t fallen = Zufall(0, 1);
        if (fallen == 1 && !darueber) Spielfeld_Ball_Flugdauer();
        else {
            const int32_t bremsen_z = Zufall(0, 1);
            if (bremsen_z == 1 && darueber) {
                a.start_tempo -= 200.0f;
                if (!(hoehe() > latte))
                    while (a.start_tempo >= 0.0f) a.start_tempo -= 200.0f;
            }
        }
    }
    a.ziel[0] = b.x + 2.0f * b.vx;
    a.ziel[1] = b.y + 2.0f * b.vy;
    if (r->countdown > 1) --r->countdown;
    r->ball_zustand = BALL_ABPRALL;
}

// The net holds a ball that went in; the frame's outside stops one rolling past.
void netz(Spielfeld_Record* r, Spielfeld_Objekt& b, Spielfeld_Auftrag& a, int32_t e, float alt_y, float alt_z)
{
    const int32_t L = laenge();
    const float unten = float(Spielfeld_Masse[2 + e]), oben = float(Spielfeld_Masse[4 + e]);
    const float latte = float(Spielfeld_Masse[6 + e]);
    const auto daempfen = [&] {
        b.vx = b.vx * 5.0f / 6.0f;
        b.vy = b.vy * 5.0f / 6.0f;
    };
    const float tiefe = (70.0f / latte) * (latte - b.z) + 105.0f;
    if (r->ball_zustand == BALL_IM_TOR) {
        if (b.z > latte - 25.0f) {
            b.z = latte - 25.0f;
            a.start_tempo -= 100.0f;
        }
        if (b.y < unten || b.y > oben) {
            b.y = b.y < unten ? unten : oben;
            const bool hart = std::fabs(b.vx) > 400.0f || std::fabs(b.vy) > 400.0f;
            daempfen();
            if (hart) Spielfeld_Torteile_Wackeln(r, e);
        }
        const bool hinten = e == 0 ? b.x < -tiefe : b.x > float(L) + tiefe;
        if (hinten) {
            b.x = e == 0 ? -tiefe : float(L) + tiefe;
            const bool hart = std::fabs(b.vx) > 600.0f || std::fabs(b.vy) > 600.0f;
            daempfen();
            if (hart) {
                // The net sounds only while that goal's frame is at rest.
                const int32_t netz_objekt = SPIELFELD_TORTEILE + (e == r->gespiegelt ? 1 : 5);
                const bool ruhig = Spielfeld_Aktueller_Auftrag(&r->objekt[netz_objekt])->art == 0;
                if (e == 0 && ton(r) && ruhig) Spielszenen_Sound_Spielen(7, int32_t(b.x), L / 2);
                Spielfeld_Torteile_Wackeln(r, e);
            }
        }
        if (std::fabs(b.vx) < 50.0f && b.vx != 0.0f) {
            b.vx = 0.0f;
            a.tempo = std::fabs(b.vy);
        }
        if (std::fabs(b.vy) < 50.0f && b.vy != 0.0f) {
            b.vy = 0.0f;
            a.tempo = std::fabs(b.vx);
        }
        return;
    }
    const bool hinter_linie = e == 0 ? b.x < 0.0f : b.x > float(L);
    if (!hinter_linie) return;
    if (alt_y < unten && b.y >= unten) {
        b.y = unten - 1.0f;
        daempfen();
    } else if (alt_y > oben && b.y <= oben) {
        b.y = oben + 1.0f;
        daempfen();
    }
    const bool im_netz = (e == 0 ? b.x >= -tiefe : b.x <= float(L) + tiefe) && b.y > unten && b.y < oben;
    if (im_netz && alt_z > latte - 16.0f && b.z <= latte - 16.0f) {
        b.z = latte - 15.0f;
        daempfen();
    }
}

// The ball lies dead behind a goal line: the goal is booked, or the corner or goal kick set.
void ruhe(Spielfeld_Record* r, Spielfeld_Objekt& b, Spielfeld_Auftrag& a)
{
    const int32_t L = laenge(), W = breite();
    uint8_t vorteil = r->vorteil;
    r->vorteil = 0;
    const int32_t h = b.x >= float(L / 2) ? 1 : 0;
    b.vx = b.vy = b.vz = 0.0f;
    const bool tor = r->ball_zustand == BALL_IM_TOR;
    if (tor && vorteil != 2) {
        Spielfeld_Tor_Eintragen(r, h);
        Spielfeld_Steuerung.tor = 1;
    }
    if (r->countdown >= 2) {
        --r->countdown;
        return;
    }
    for (int32_t s = 0; s < SPIELFELD_SLOTS; ++s) {
        if (r->spieler[s].zustand != SPIELFELD_AUF_DEM_PLATZ) continue;
        Spielfeld_Objekt& o = r->objekt[s];
        const Spielfeld_Auftrag& z = *Spielfeld_Aktueller_Auftrag(&o);
        if (std::fabs(z.ziel[0] - a.ziel[0]) < 500.0f || (std::fabs(z.ziel[1] - a.ziel[1]) < 500.0f && o.zustand == 0)) {
            o.neu_entscheiden = 1;
            o.zustand = 0;
        }
    }
    if (r->elfmeter_schuss) vorteil = 0;
    const uint8_t getauscht = r->seiten_getauscht;
    if (tor) {
        r->nach_standard = 1;
        r->ballhalter = -1;
        r->standard_aufgebaut = 0;
        r->foul_countdown = 0;
        torart_loeschen(r);
        if (!r->elfmeter_schuss) {
            r->situation = SITUATION_TORJUBEL;
            r->tor_pause = 30;
        } else {
            r->situation = SITUATION_ANSTOSS;
            Spielfeld_Objekt_Setzen(r, SPIELFELD_BALL, L / 2, W / 2, 0);
        }
    } else if (vorteil != 2 && r->countdown == 0 && r->elfmeter_schuss != 2) {
        Spielfeld_Ereignis_Melden(r, uint32_t(h ^ getauscht) | 0x802, r->letzter_schuetze, r->letzter_passgeber);
        const bool unten = b.y <= float(W / 2);
        if (r->letzte_beruehrung == (h ^ getauscht)) {
            ++r->ecken[1 - (r->letzte_beruehrung & 1)];
            Spielfeld_Situation_Zuruecksetzen(r);
            r->situation = SITUATION_ECKE;
            if (Netz_Rolle != 0) {
                r->sync_ecke = 0;
                Spielfeld_Sync_Standard(r);
            }
            r->standard_aufgebaut = 0;
            ball_setzen(r, float(L * h), unten ? 8.0f : float(W - 8));
            r->torart[1] = r->torart[2] = 0;
        } else {
            Spielfeld_Situation_Zuruecksetzen(r);
            r->situation = SITUATION_ABSTOSS;
            r->standard_aufgebaut = 0;
            ball_setzen(r, float(Spielfeld_Masse[22 + h]), float(unten ? Spielfeld_Masse[18 + h] : Spielfeld_Masse[20 + h]));
        }
        a.tempo = 0.0f;
        r->nach_standard = 1;
    }
    r->ball_zustand = BALL_IM_SPIEL;
    r->ballhalter = -1;
    Spielfeld_Flug_Setzen(r, SPIELFELD_BALL, 0.0f);
    spielende_pruefen(r);
}

// Over a touchline: the throw-in where the path crossed it.
void seitenlinie(Spielfeld_Record* r, Spielfeld_Objekt& b, Spielfeld_Auftrag& a, float alt_x, float alt_y)
{
    const int32_t L = laenge(), W = breite();
    r->vorteil = 0;
    if (r->ball_zustand == BALL_IM_SPIEL && r->schuss_offen) {
        Spielfeld_Statistik_Zaehlen(r, r->schuetzen_slot, 0);
        if (angezeigt(r)) {
            if (ton(r)) Spielszenen_Sound_Reaktion_Spielen(1, 2);
            r->zuschauer_reaktion[r->ballhalter > 15 ? 1 : 0] = 4;
            senken(r->zuschauer_stimmung[r->schuetzen_slot < 16 ? 1 : 0], 5);
        }
        r->schuss_offen = 0;
    }
    const bool sofort = r->ball_zustand == BALL_EINWURF_SOFORT;
    if (!sofort) {
        r->ball_zustand = BALL_SEITENAUS;
        r->b_21770 = r->b_21771 = 0;
    }
    const bool faellig = sofort || b.x < 0.0f || b.x > float(L) || b.y < -250.0f || b.y > float(W + 250) ||
                         b.vx + b.vy == 0.0f;
    if (!faellig) return;
    if (r->countdown >= 2) {
        --r->countdown;
        return;
    }
    if (r->situation != SITUATION_SPIEL) return;
    b.z = 0.0f;
    const float yl = b.y >= 0.0f ? float(W) : 0.0f;
    float x = schneiden(alt_y, alt_x, b.y, b.x, yl);
    x = x < 0.0f ? 0.0f : x > float(L) ? float(L) : x;
    b.x = x;
    b.y = yl;
    b.vx = b.vy = b.vz = 0.0f;
    a.start_tempo = 0.0f;
    Spielfeld_Situation_Zuruecksetzen(r);
    r->situation = SITUATION_EINWURF;
    r->standard_aufgebaut = 0;
    r->ballhalter = -1;
    r->ball_zustand = BALL_IM_SPIEL;
    torart_loeschen(r);
    spielende_pruefen(r);
}

void ball_schritt(Spielfeld_Record* r, Spielfeld_Objekt& b, Spielfeld_Auftrag& a, float s, float alt_x, float alt_y,
                  float alt_z)
{
    const int32_t L = laenge(), W = breite();
    // The target moves with the ball while it stays on the pitch.
    const float nx = a.ziel[0] + b.vx * s, ny = a.ziel[1] + b.vy * s;
    if (nx >= 0.0f && nx <= float(L) && ny >= 0.0f && ny <= float(W)) {
        a.ziel[0] = nx;
        a.ziel[1] = ny;
    }
    const int32_t halter = r->ballhalter;
    if (halter >= 0 && halter < SPIELFELD_SLOTS) {
        const float vorher = r->torlinien_abstand;
        r->torlinien_abstand = std::fabs(float(r->angriffslinie_x) - b.x);
        const int32_t seite = halter < 16 ? 1 : 0;
        const float schwelle = Spielfeld_Schwellen[seite];
        if (vorher > schwelle && r->torlinien_abstand <= schwelle) r->naechster[seite] = -1;
        const Spielfeld_Objekt& p = r->objekt[halter];
        const float dy = b.y - p.y, dx = b.x - p.x;
        if (dy > -30.0f && dy < 30.0f && dx > -30.0f && dx < 30.0f && r->passempfaenger == -1 && r->situation == 0) {
            if (b.vy != 0.0f) b.y = p.y - 1.0f;
            b.vx += b.vx / 30.0f;
            b.vy += b.vy / 30.0f;
            a.tempo += a.tempo / 30.0f;
        }
    }
    const int32_t blocker = r->passempfaenger;
    if (blocker >= 0 && blocker < SPIELFELD_OBJEKTE && b.z < 200.0f) {
        Spielfeld_Objekt& k = r->objekt[blocker];
        const bool zwischen_x = (k.x - alt_x) * (k.x - b.x) <= 0.0f, zwischen_y = (k.y - alt_y) * (k.y - b.y) <= 0.0f;
        if (zwischen_x || zwischen_y) {
            float fx = 0.0f, fy = 0.0f;
            const float d = Spielfeld_Ballweg_Abstand(alt_x, alt_y, b.x, b.y, k.x, k.y, &fx, &fy);
            if (d != -1.0f && d < 50.0f) {
                b.x = k.x;
                b.y = k.y;
                k.countdown_b = 0.0f;
                k.neu_entscheiden = 1;
                if (b.vx > 0.0f) b.x += 20.0f;
                if (b.vx < 0.0f) b.x -= 20.0f;
                if (b.vy > 0.0f) b.y += 20.0f;
                if (b.vy < 0.0f) b.y -= 20.0f;
            }
        }
    }
    // Goal lines; nothing behind them counts while the gate is shut.
    const bool tor_test = r->aktions_sperre != 0;
    const bool hinter = tor_test && (b.x < -10.0f || b.x >= float(L + 10));
    if (r->ball_zustand != BALL_SEITENAUS) {
        const int32_t e = b.x > float(L / 2) ? 1 : 0;
        if (r->ball_zustand == BALL_ABPRALL && b.x > 10.0f && b.x <= float(L - 10)) {
            if (!(r->countdown > 0 || r->elfmeter_schuss == 2))
                Spielfeld_Ereignis_Melden(r, 0x102, r->letzter_schuetze, r->letzter_passgeber);
            r->ball_zustand = BALL_IM_SPIEL;
            if (angezeigt(r)) {
                if (ton(r)) Spielszenen_Sound_Spielen(5, int32_t(b.x), L / 2);
                const int32_t seite = r->seiten_getauscht == e ? 1 : 0;
                r->zuschauer_reaktion[seite] = 2;
                erhoehen(r->zuschauer_stimmung[seite], 12);
            }
        } else if (tor_test && (r->ball_zustand == BALL_IM_SPIEL || r->ball_zustand == BALL_ABPRALL) &&
                   (b.x <= 10.0f || b.x > float(L - 10)))
            torlinie(r, b, a, e, alt_x, alt_y, alt_z, hinter);
    }
    const uint32_t zone = r->ball_zustand;
    if (hinter || zone == BALL_IM_TOR || zone == BALL_TORAUS) {
        const int32_t e = b.x >= 11.0f ? 1 : 0;
        const bool bewegt = b.vx != 0.0f || b.vy != 0.0f;
        if (zone == BALL_IM_TOR && (bewegt || !hinter)) netz(r, b, a, e, alt_y, alt_z);
        else if (zone == BALL_TORAUS && bewegt) netz(r, b, a, e, alt_y, alt_z);
        const bool langsam = std::fabs(b.vx) + std::fabs(b.vy) <= 50.0f;
        const bool weit = b.x < -800.0f || b.x > float(L + 800) || b.y < 0.0f || b.y > float(W);
        const bool steht = b.vx == 0.0f && b.vy == 0.0f;
        const uint32_t z = r->ball_zustand;
        if ((z != BALL_TORAUS || langsam || weit) && z != BALL_ABPRALL && (z != BALL_IM_TOR || steht) &&
            r->situation == SITUATION_SPIEL)
            ruhe(r, b, a);
    }
    const uint32_t z = r->ball_zustand;
    if (((z == BALL_IM_SPIEL || z == BALL_SEITENAUS) && (b.y < -10.0f || b.y > float(W + 10))) || z == BALL_EINWURF_SOFORT)
        seitenlinie(r, b, a, alt_x, alt_y);
}

}  // namespace

void Spielfeld_Ball_Aus_Ruhe(Spielfeld_Record* r)
{
    if (!r || r->situation != SITUATION_SPIEL) return;
    Spielfeld_Objekt& b = r->objekt[SPIELFELD_BALL];
    Spielfeld_Auftrag& a = *Spielfeld_Aktueller_Auftrag(&b);
    if (r->ball_zustand == BALL_SEITENAUS) {
        r->ball_zustand = BALL_EINWURF_SOFORT;
        seitenlinie(r, b, a, b.x, b.y);
    } else if (r->ball_zustand == BALL_IM_TOR || r->ball_zustand == BALL_TORAUS) {
        ruhe(r, b, a);
    }
}

void Spielfeld_Situation_Zuruecksetzen(Spielfeld_Record* r)
{
    if (!r) return;
    r->situation = r->laufende_spieler > 0 ? SITUATION_WECHSEL : SITUATION_SPIEL;
    // every restart and its taking end a penalty; the penalty's kick marks its ball again
    r->strafstoss = STRAFSTOSS_KEINER;
}

void Spielfeld_Sync_Standard(Spielfeld_Record* r)
{
    if (!r || Netz_Rolle == 0 || r->situation == SITUATION_SPIEL) return;
    if (!r->freistoss_offen && !r->elfmeter_offen && !r->ecke_offen) r->sync_ecke = 1;
}

void Spielfeld_Torteile_Wackeln(Spielfeld_Record* r, int32_t ende)
{
    if (!r) return;
    const int32_t erstes = SPIELFELD_TORTEILE + (ende == r->gespiegelt ? 0 : 4);
    for (int32_t k = 0; k < 4; ++k) {
        const int32_t i = erstes - SPIELFELD_TORTEILE + k;
        const int32_t dauer = int32_t(Spielszenen_Animationstabelle[ANIM_TOR_WACKELN + i].dauer_faktor);
        if (Spielfeld_Auftrag_Geben(r, erstes + k, -1, 0, 0, 0, ANIM_TOR_WACKELN + i, 0, dauer, 0, -1, 1, 1, 0, 0))
            Spielfeld_Auftrag_Geben(r, erstes + k, -1, 0, 0, 0, ANIM_TOR_RUHE + i, 0, 0, 0, -1, 1, -1, 1, AUFTRAG_SUCHEN);
    }
}

void Spielfeld_Tor_Eintragen(Spielfeld_Record* r, int32_t ende)
{
    if (!r) return;
    const int32_t seite = (ende ^ r->seiten_getauscht) & 1;
    if (r->foul_countdown && r->gefoulte_seite != seite) return;
    // A shoot-out kick's goal is recorded as the day draws one: the goal alone, no shot of the
    // taker's, so that it counts in the score but not as his goal.
    uint32_t code = r->elfmeter_schuss ? uint32_t(SPIELFELD_EREIGNIS_TOR)
                                       : SPIELFELD_EREIGNIS_CHANCE | SPIELFELD_EREIGNIS_TOR | (uint32_t(r->extra_tor) << 7);
    if (r->letzte_beruehrung != 1 - seite) {
        if (!r->torwart_hat_ball) r->letzter_passgeber = -1;
        r->letzte_beruehrung = uint8_t(1 - seite);
    }
    ++r->tore[1 - seite];
    if (r->anzeige == 2) {
        char text[256];
        const int32_t schuetze = r->letzter_schuetze;
        char heim[64], gast[64], fuer[64];
        std::snprintf(heim, sizeof heim, "%s", Team_String(TEAM_NAME, int32_t(r->team[0]), nullptr, 0));
        std::snprintf(gast, sizeof gast, "%s", Team_String(TEAM_NAME, int32_t(r->team[1]), nullptr, 0));
        std::snprintf(fuer, sizeof fuer, "%s", Team_String(TEAM_NAME, int32_t(r->team[1 - seite]), nullptr, 0));
        if (schuetze >= 0 && schuetze < SPIELFELD_SLOTS)
            std::snprintf(text, sizeof text, "%s-%s %d:%d (%d.Min %s für %s)", heim, gast, r->tore[0], r->tore[1], r->minute,
                          Spieler_String(SP_NAME, r->spieler[schuetze].spnr, nullptr, 0), fuer);
        else
            std::snprintf(text, sizeof text, "%s-%s %d:%d (%d.Min für %s)", heim, gast, r->tore[0], r->tore[1], r->minute,
                          fuer);
        Spielszenen_Ticker_Loeschen();
        Spielszenen_Ticker_Setzen(text);
    }
    if (seite == 1) code |= SPIELFELD_EREIGNIS_HEIM;
    if (r->letzter_schuetze == r->letzter_passgeber) r->letzter_passgeber = -1;
    Spielfeld_Ereignis_Melden(r, code, r->letzter_schuetze, r->letzter_passgeber);
    for (int32_t s = 16 * seite; s < 16 * seite + 16; ++s)
        if (r->objekt[s].torwart && r->spieler[s].zustand == SPIELFELD_AUF_DEM_PLATZ) Spielfeld_Statistik_Zaehlen(r, s, 7);
    r->foul_countdown = 0;
    for (const int32_t s : {int32_t(r->foul_taeter), int32_t(r->gefoulter)}) {
        if (s < 0 || s >= SPIELFELD_SLOTS) continue;
        Spielfeld_Objekt& o = r->objekt[s];
        if (o.zustand == ',' || o.zustand == '+') {
            o.zustand = 0;
            r->spieler[s].zustand &= 0x1003F0u;
        }
    }
}

void Spielfeld_Objekt_Bewegen(Spielfeld_Record* r, int32_t nr, Spielfeld_Objekt* o, int32_t ms, int32_t ist_ball)
{
    if (!r || !o || nr < 0 || nr >= SPIELFELD_OBJEKTE) return;
    Spielfeld_Auftrag& a = *Spielfeld_Aktueller_Auftrag(o);
    const float dt = float(ms), s = dt * 0.001f;
    const float alt_x = o->x, alt_y = o->y, alt_z = o->z;
    const float boden = r->boden_faktor;
    if (ist_ball) {
        float dx = o->ax * s, dy = o->ay * s;
        if (o->z == 0.0f) {
            dx = o->fx * s;
            dy = o->fy * s;
            o->fx *= boden;
            o->fy *= boden;
        }
        const bool nach_minus = o->vx < 0.0f;
        if (bremsen(o->vx, dx)) a.tempo = nach_minus ? 0.0f : o->vy;
        bremsen(o->vy, dy);
    }
    o->x += o->vx * s;
    o->y += o->vy * s;
    if (o->zielpunkt) {
        const bool vorbei = (o->vy > 0.0f && o->y > r->ball_ziel_y) || (o->vx > 0.0f && o->x > r->ball_ziel_x) ||
                            (o->vy < 0.0f && o->y < r->ball_ziel_y) || (o->vx < 0.0f && o->x < r->ball_ziel_x);
        if (vorbei) {
            r->ball_ziel_x = o->x + o->vx;
            r->ball_ziel_y = o->y + o->vy;
        }
    }
    if (o->z != 0.0f || a.start_tempo != 0.0f) {
        o->flug_uhr += dt;
        const float t = (o->flug_uhr - o->flug_start) * 0.001f;
        o->z = a.start_tempo * t - SCHWERKRAFT * t * t;
        if (o->z < 0.0f) {
            o->z = 0.0f;
            o->flug_start = o->flug_uhr = 0.0f;
            if (boden < TIEFER_BODEN && boden > 0.0f) {
                a.start_tempo = a.start_tempo / (2.0f * boden);
                if (a.start_tempo < 10.0f) a.start_tempo = 0.0f;
            } else a.start_tempo = 0.0f;
        }
    }
    const int32_t halter = r->ballhalter;
    const bool ankunft_x = (o->vx < 0.0f && o->x <= a.ziel[0]) || (o->vx >= 0.0f && o->x >= a.ziel[0]);
    const bool ankunft_y = (o->vy < 0.0f && o->y <= a.ziel[1]) || (o->vy >= 0.0f && o->y >= a.ziel[1]);
    if (ankunft_x) {
        if (!ist_ball) {
            if (o->vx != 0.0f) {
                o->x = a.ziel[0];
                o->vx = 0.0f;
            }
        } else if (halter != -1) entscheiden_lassen(r, halter);
    }
    if (ankunft_y) {
        if (!ist_ball) {
            if (o->vy != 0.0f) {
                o->y = a.ziel[1];
                o->vy = 0.0f;
            }
        } else if (halter != -1) entscheiden_lassen(r, halter);
    }
    if (o->vz != 0.0f && (alt_z - a.ziel[2]) * (o->z - a.ziel[2] - 0.0000289f) < 0.0f) {
        o->z = a.ziel[2];
        o->vz = 0.0f;
        if (ist_ball && halter != -1) entscheiden_lassen(r, halter);
    }
    if (ist_ball) ball_schritt(r, *o, a, s, alt_x, alt_y, alt_z);
    // Moving components cancel in a plain sum; the order is over only when all of them are 0.
    if (std::fabs(o->vx) + std::fabs(o->vy) + std::fabs(a.start_tempo) + std::fabs(o->z) + std::fabs(a.ziel[2]) == 0.0f) {
        a.tempo = 0.0f;
        if (a.art == 0 || a.ende == -1) {
            const Spielfeld_Auftrag& n = o->auftrag[(o->ring + 1) & 3];
            if (n.animation == -1) o->neu_entscheiden = 1;
            o->auftrag_fertig = 1;
        } else a.wartend = 1;
    }
}
