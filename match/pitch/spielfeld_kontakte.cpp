#include "match/pitch/spielfeld_kontakte.h"

#include <cmath>
#include <cstdlib>

#include "database/spieler.h"
#include "economy/bank.h"
#include "match/pitch/spielfeld_abfragen.h"
#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_ereignis.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_spieler.h"
#include "match/pitch/spielfeld_verhalten.h"
#include "matchview/live/spielszenen_kamera.h"
#include "matchview/spielszenen.h"
#include "platform/wert.h"
#include "platform/zufall.h"

namespace {

// Positions of the skills in a strength entry's adjusted values.
enum : int32_t { ZWEIKAMPF = 2, SPRITZIGKEIT = 6, DRIBBLING = 7, TORSCHUSS = 8, KOPFBALLST = 15, AGGRESSIV = 17 };
constexpr float KEIN_ABSTAND = 10800.0f;
constexpr float FRAME_S = 0.028f;  // the contact pass assumes 28-ms frames
constexpr int32_t ANIM_BALL_GESPIELT = 10;

int32_t wert(const Spielfeld_Record* r, int32_t slot, int32_t i) { return r->spieler[slot].faehigkeit[i]; }
int32_t seite_von(int32_t slot) { return slot >= 16 ? 1 : 0; }
void plus(int32_t& v, int32_t um) { v = v + um > 100 ? 100 : v + um < 0 ? 0 : v + um; }

const Spielszenen_Animation& animation_von(int32_t a)
{
    return Spielszenen_Animationstabelle[Spielszenen_Animation_Gueltig(a) ? a : 0];
}

// The object plays the animation where it stands, for the animation's duration.
void stehen(Spielfeld_Record* r, int32_t nr, int32_t anim)
{
    const Spielfeld_Objekt& o = r->objekt[nr];
    Spielfeld_Auftrag_Geben(r, nr, int32_t(o.x), int32_t(o.y), 0, 0, anim, 0,
                            int32_t(Spielszenen_Animationstabelle[anim].dauer_faktor), 0, -1, 1, 1, 0, AUFTRAG_SUCHEN);
}

bool zwischen(float v, float a, float b) { return (v - a) * (v - b) <= 0.0f; }

// The ball's speed along the new velocity: the mean ratio of the components that moved before.
void tempo_anpassen(Spielfeld_Auftrag& a, float alt_vx, float alt_vy, float vx, float vy)
{
    float summe = 0.0f;
    int32_t n = 0;
    if (alt_vx != 0.0f) {
        summe += std::fabs(vx * 100.0f / alt_vx);
        ++n;
    }
    if (alt_vy != 0.0f) {
        summe += std::fabs(vy * 100.0f / alt_vy);
        ++n;
    }
    if (n > 0) a.tempo *= summe / float(n) * 0.01f;
}

struct Pass {
    Spielfeld_Record* r;
    Spielfeld_Objekt& ball;
    Spielfeld_Auftrag& ball_auftrag;
    float start_x, start_y;  // the ball at the start of the frame
    int32_t liste[SPIELFELD_SLOTS];
    float abstand[SPIELFELD_SLOTS];
    int32_t anzahl = 0;
    bool lose_wecken = false;
};

void phase_a(Pass& p, float& zweiter)
{
    Spielfeld_Record* r = p.r;
    r->naechster_abstand[0] = r->naechster_abstand[1] = KEIN_ABSTAND;
    r->halter_nah = 0;
    const int32_t halter = r->ballhalter;
    const int32_t hs = halter >= 16 ? 1 : 0;
    const float linie = halter < 0 ? 0.0f : float((hs == 0 ? 1 - r->seiten_getauscht : r->seiten_getauscht) * 10800);
    float erster = KEIN_ABSTAND;
    zweiter = KEIN_ABSTAND;
    r->verteidiger_x = 5400.0f;
    for (int32_t s = 0; s < SPIELFELD_SLOTS; ++s) {
        const Spielfeld_Objekt& o = r->objekt[s];
        if (!(r->spieler[s].zustand & SPIELFELD_AUF_DEM_PLATZ) || !o.aktiv || o.y < 0.0f) continue;
        p.liste[p.anzahl++] = s;
        if (r->spieler[s].zustand != SPIELFELD_AUF_DEM_PLATZ) {
            p.abstand[s] = KEIN_ABSTAND;
            continue;
        }
        p.abstand[s] = Hypotenuse_Float(o.x - p.ball.x, o.y - p.ball.y);
        if (halter >= 0 && seite_von(s) == hs) {
            const float d = std::fabs(linie - o.x);
            if (d < erster) {
                zweiter = erster;
                erster = d;
            } else if (d < zweiter) zweiter = d;
        } else if (halter >= 0) {
            if ((linie == 0.0f && o.x < r->verteidiger_x) || (linie != 0.0f && o.x > r->verteidiger_x)) {
                r->verteidiger_x = o.x;
                r->verteidiger_y = o.y;
                r->verteidiger_slot = s;
            }
        }
        const int32_t seite = seite_von(s);
        const float d1 = p.abstand[s];
        const float d2 = Hypotenuse_Float(o.x - (p.ball.x + p.ball.vx), o.y - (p.ball.y + p.ball.vy));
        if (r->ballholer[seite] == s && d1 < r->naechster_abstand[seite]) {
            r->naechster_abstand[seite] = d1;
            r->naechster[seite] = s;
        } else if (d2 < r->naechster_abstand[seite]) {
            r->naechster_abstand[seite] = d2;
            r->naechster[seite] = s;
        }
    }
    r->kontakt_reihenfolge ^= 1;
}

// Ball and holder after a player takes the ball or loses the challenge (steps 16 to 19).
void ball_nehmen(Pass& p, int32_t s, float rr)
{
    Spielfeld_Record* r = p.r;
    Spielfeld_Objekt& o = r->objekt[s];
    Spielfeld_Auftrag& oa = *Spielfeld_Aktueller_Auftrag(&o);
    Spielfeld_Objekt& b = p.ball;
    const int32_t seite = seite_von(s);
    const int32_t anim = oa.animation;
    const auto vor_sich = [&] {
        b.x = o.x - float(2 * oa.x_unter - 1) * rr * 0.5f;
        b.y = o.y - float(2 * oa.y_unter - 1) * rr * 0.5f;
    };
    bool brust = false;
    if (Spielfeld_Ballbesitz_Setzen(r, s)) {
        if (o.torwart && r->letzte_beruehrung != seite) {
            Spielfeld_Ereignis_Melden(r, 0x402u | uint32_t(1 - (r->letzte_beruehrung & 1)), s, r->letzter_passgeber);
            Spielfeld_Statistik_Zaehlen(r, s, 7);
            Spielfeld_Statistik_Zaehlen(r, s, 6);
            r->torwart_hat_ball = 1;
            if (anim == 40 || anim == 44 || anim == 45 || anim == 46) vor_sich();
        } else {
            r->torwart_hat_ball = 0;
            if (o.vx + o.vy == 0.0f && oa.art == 0) {
                const bool rollt = b.vx != 0.0f || b.vy != 0.0f;
                int32_t neu = -1;
                if (b.z >= 150.0f && b.z <= 200.0f) neu = ANIM_BRUST;
                else if (rollt && b.z >= 50.0f && b.z < 150.0f) neu = ANIM_OBERSCHENKEL;
                if (neu >= 0) {
                    stehen(r, s, neu);
                    brust = neu == ANIM_BRUST;
                }
            }
        }
        r->letzte_beruehrung = uint8_t(seite);
    }
    if (o.zustand != 27) o.neu_entscheiden = 1;
    o.countdown_b = 0.0f;
    if (o.zustand != 0 || r->ballhalter < 0) return;
    if (o.torwart && rr > 60.0f) vor_sich();
    else {
        b.x = o.x + (p.start_x < o.x ? -20.0f : 20.0f);
        b.y = o.y + (p.start_y > o.y ? 20.0f : -20.0f) + (b.vy < 0.0f ? 2.0f : 0.0f);
    }
    if (r->ball_zustand != BALL_IM_SPIEL) return;
    b.vx = b.vy = b.vz = 0.0f;
    Spielfeld_Auftrag& ba = p.ball_auftrag;
    if (!brust && ba.start_tempo > 200.0f) {
        const float g = (b.flug_uhr - b.flug_start + 5.0f) * 0.001f;
        do ba.start_tempo -= 200.0f;
        while (!(ba.start_tempo < 0.0f || ba.start_tempo * g - 981.0f * g * g > b.z));
    }
    ba.ziel[0] = b.x;
    ba.ziel[1] = b.y;
    ba.ziel[2] = 0.0f;
    ba.tempo = 0.0f;
    r->ball_ziel_x = b.x;
    r->ball_ziel_y = b.y;
}

void verloren(Pass& p, int32_t s)
{
    Spielfeld_Record* r = p.r;
    Spielfeld_Objekt& o = r->objekt[s];
    const int32_t seite = seite_von(s);
    o.countdown_a = float((500 - (wert(r, s, ZWEIKAMPF) + wert(r, s, AGGRESSIV)) / 2) / 2 + 250);
    o.neu_entscheiden = 1;
    const float eigenes_tor = float(r->tor_x[1 - seite]);
    const float nah = 2000.0f + float(wert(r, s, AGGRESSIV)) + 10.0f * float(r->einsatz[seite]);
    if (!(std::fabs(p.ball.x - eigenes_tor) < nah) || s == r->ballhalter || !(p.ball.z < 100.0f)) return;
    const int32_t hoch = int32_t(r->tempo_faktor * 2.0f) < 1 ? 1 : int32_t(r->tempo_faktor * 2.0f);
    const int32_t z = Zufall(1, hoch);
    if (z <= 2) return;
    const int32_t richtung = Zufall(0, 2);
    float zx = p.ball.x;
    if (richtung == 0) {
        const int32_t dx = Zufall(0, 200);
        zx = p.ball.x + (float(dx) + o.vx - 100.0f);
    }
    const int32_t tempo = Zufall(1200, 1800);
    const float eigen = Spielfeld_Aktueller_Auftrag(&o)->tempo;
    Spielfeld_Ball_Spielen(r, zx, p.ball.y, float(tempo) + eigen);
    p.ball.fx *= 20.0f;
    p.ball.fy *= 20.0f;
    const int32_t kippen = Zufall(0, 3);
    if (kippen != 0) r->letzte_beruehrung ^= 1;
    if (r->ballhalter >= 0) r->objekt[r->ballhalter].countdown_a = 150.0f;
    o.countdown_a = 150.0f;
    o.neu_entscheiden = 0;
}

void gutschreiben(Spielfeld_Record* r, int32_t vorher, int32_t s)
{
    if (vorher < 0 || r->letzte_beruehrung == seite_von(vorher)) return;
    // A ball that only came loose credits nobody.
    const int32_t jetzt = r->ballhalter;
    if (jetzt < 0) return;
    const int32_t verlierer = jetzt != vorher ? vorher : s;
    Spielfeld_Statistik_Zaehlen(r, jetzt, 4);
    Spielfeld_Statistik_Zaehlen(r, verlierer, 4);
    Spielfeld_Statistik_Zaehlen(r, verlierer, 3);
    for (const int32_t k : {jetzt, verlierer})
        if (r->spieler[k].spnr >= 0) Spieler_Wert(107, r->spieler[k].spnr, 1, SP_ERHOEHEN);
    if (r->spieler[jetzt].spnr >= 0) Spieler_Wert(108, r->spieler[jetzt].spnr, 1, SP_ERHOEHEN);
}

void spieler_gegen_ball(Pass& p, int32_t s)
{
    Spielfeld_Record* r = p.r;
    Spielfeld_Objekt& o = r->objekt[s];
    Spielfeld_Objekt& b = p.ball;
    if (!(r->spieler[s].zustand & SPIELFELD_AUF_DEM_PLATZ)) return;
    if (r->aktions_sperre == 0 && !o.torwart) return;
    const int32_t seite = seite_von(s);
    Spielfeld_Auftrag& oa = *Spielfeld_Aktueller_Auftrag(&o);
    const int32_t anim = oa.animation;
    const Spielszenen_Animation& t = animation_von(anim);
    float d = p.abstand[s];
    float h = anim == ANIM_AUSSER_REICHWEITE ? 0.0f : 210.0f, rr = 60.0f;
    float fuss_x = b.x, fuss_y = b.y;
    bool parade = false;
    const int32_t c = t.kontakt_bild;
    if (c > 0) {
        const int32_t f = std::abs(int32_t(oa.wert_40) - c);
        if (f >= 3) {
            if (t.reichweite_radius > 150.0f) h = rr = 20.0f;
        } else {
            h = float(wert(r, s, KOPFBALLST) / 30) + t.reichweite_hoehe - 15.0f;
            const auto seitlich = [&](float bx, float by) {
                return oa.x_unter == (bx < o.x ? 1 : 0) && oa.y_unter == (by < o.y ? 1 : 0);
            };
            if (seitlich(b.x, b.y) || seitlich(p.start_x, p.start_y)) {
                const float pw = Spielfeld_Ballweg_Abstand(p.start_x, p.start_y, b.x, b.y, o.x, o.y, &fuss_x, &fuss_y);
                const bool faengt = anim == 45 || anim == 46;
                rr = pw != -1.0f || faengt ? t.reichweite_radius + 60.0f : 60.0f;
                if (pw != -1.0f) {
                    d = pw;
                    if (pw < rr && !faengt && t.reichweite_radius >= 150.0f) parade = true;
                }
            } else if (f > 1) {
                h = t.reichweite_hoehe / float(f);
                rr = 20.0f;
            }
            if (anim == 40 || (anim == 44 && f < 2)) {
                d = 0.0f;
                h = b.z;
            }
        }
    }
    if (!b.aktiv && !o.torwart) d = 2000.0f;
    if (d >= rr && d < 3500.0f && !r->annaeherung[s] && o.zustand == 0 && o.entscheidung_timer == 0.0f &&
        r->torart[2] == 0) {
        o.neu_entscheiden = 1;
        r->annaeherung[s] = 1;
    }
    if (d < 200.0f && s == r->ballhalter) r->halter_nah = 1;
    if (d < 200.0f && d >= rr && b.z < h + 5.0f && (zwischen(o.x, p.start_x, b.x) || zwischen(o.y, p.start_y, b.y))) {
        float fx = 0.0f, fy = 0.0f;
        const float pw = Spielfeld_Ballweg_Abstand(p.start_x, p.start_y, b.x, b.y, o.x, o.y, &fx, &fy);
        if (pw != -1.0f) d = pw;
    }
    if (r->situation != SITUATION_SPIEL && !(o.zustand != 0 && seite != r->letzte_beruehrung)) return;
    if (!(b.z < h + 5.0f && d < rr)) return;
    const float L = float(Spielfeld_Masse[0]);
    if (b.x > L && b.x <= L + 30.0f && p.start_x <= L) {
        b.x = L;
        r->ball_zustand = BALL_IM_SPIEL;
    } else if (b.x < 0.0f && b.x >= -30.0f && p.start_x >= 0.0f) {
        b.x = 0.0f;
        r->ball_zustand = BALL_IM_SPIEL;
    }
    float kontrolle = 2750.0f;
    if (s != r->passempfaenger)
        kontrolle += float((wert(r, s, SPRITZIGKEIT) + wert(r, s, DRIBBLING) + wert(r, s, TORSCHUSS)) / 10);
    const int32_t halter = r->ballhalter;
    const bool abprall = !parade && !o.torwart && s != halter && o.countdown_a == 0.0f &&
                         std::fabs(b.vx) + std::fabs(b.vy) > 2800.0f &&
                         (p.ball_auftrag.tempo > kontrolle ||
                          (b.z > 150.0f && r->letzte_beruehrung != seite && s != r->passempfaenger));
    if (parade || abprall) {
        if (parade && r->anzeige == 1) {
            if (r->im_fenster) Spielszenen_Sound_Spielen(8, int32_t(b.x), int32_t(L) / 2);
            r->zuschauer_reaktion[seite] = 3;
            r->zuschauer_reaktion[1 - seite] = 1;
            plus(r->zuschauer_stimmung[seite], 10);
            plus(r->zuschauer_stimmung[1 - seite], 5);
        }
        const float alt_vx = b.vx, alt_vy = b.vy;
        int32_t k = Zufall(1, 4);
        const int32_t umkehr = Zufall(0, 1);
        const bool x_umgekehrt = umkehr != 0 || d < 20.0f;
        if (x_umgekehrt) b.vx = -b.vx;
        b.vx = b.vx * float(k) / float(k + 3);
        k = Zufall(1, 4);
        if (parade) {
            if (o.torwart) {
                // a penalty saved is over: a shot from the rebound is one like any other
                r->strafstoss = STRAFSTOSS_KEINER;
                Spielfeld_Ereignis_Melden(r, 0x402u | uint32_t(1 - (r->letzte_beruehrung & 1)), s, r->letzter_schuetze);
                Spielfeld_Statistik_Zaehlen(r, s, 6);
                Spielfeld_Statistik_Zaehlen(r, s, 7);
            }
            b.x = fuss_x;
            b.y = fuss_y;
            if (b.x >= 0.0f && b.x < L) r->ball_zustand = BALL_IM_SPIEL;
            if (float(2 * oa.y_unter - 1) * b.vy >= 0.0f) b.vy = -b.vy;
            else if (!x_umgekehrt) b.vx = -b.vx;
        } else {
            const int32_t y_umkehr = Zufall(0, 1);
            if (y_umkehr != 0) b.vy = -b.vy;
        }
        b.vy = b.vy * float(k) / float(k + 3);
        b.x += b.vx * FRAME_S;
        b.y += b.vy * FRAME_S;
        p.ball_auftrag.ziel[0] = r->ball_ziel_x = b.x + 2.0f * b.vx;
        p.ball_auftrag.ziel[1] = r->ball_ziel_y = b.y + 2.0f * b.vy;
        tempo_anpassen(p.ball_auftrag, alt_vx, alt_vy, b.vx, b.vy);
        r->letzte_beruehrung = uint8_t(seite);
        if (o.torwart) {
            r->torwart_hat_ball = 1;
            if (r->countdown > 1) --r->countdown;
        } else r->torwart_hat_ball = 0;
        return;
    }
    if (s == halter) {
        if (d < 30.0f && std::fabs(b.vx) + std::fabs(b.vy) < std::fabs(o.vx) + std::fabs(o.vy) && o.zustand == 0)
            o.neu_entscheiden = 1;
        return;
    }
    const int32_t hs = halter >= 16 ? 1 : 0;
    if (o.countdown_a != 0.0f || (r->vorteil && !o.torwart && halter >= 0 && seite == hs)) return;
    const int32_t strenge = r->schiri_wert[1] > 6 ? 6 : r->schiri_wert[1];
    const int32_t pfiff = Zufall(0, 6 - strenge);
    if (pfiff < 3 && r->vorteil == 1 && (halter < 0 || seite != hs)) {
        stehen(r, SPIELFELD_SCHIEDSRICHTER, ANIM_PFIFF);
        r->vorteil = 2;
    }
    r->naechster[0] = r->naechster[1] = -1;
    const int32_t vorher = halter;
    if (halter >= 0) {
        const uint32_t sit = r->situation;
        if (p.abstand[halter] > 65.0f && d < p.abstand[halter] && sit != SITUATION_ECKE && sit != SITUATION_ANSTOSS &&
            sit != SITUATION_FREISTOSS)
            r->ballhalter = -1;
    }
    if (o.torwart) r->ball_zustand = BALL_IM_SPIEL;
    const int32_t h2 = r->ballhalter;
    bool gewonnen = h2 < 0;
    if (h2 >= 0) {
        const bool kopf = b.z > 160.0f;
        int32_t vh = wert(r, h2, kopf ? KOPFBALLST : DRIBBLING), vc = wert(r, s, kopf ? KOPFBALLST : DRIBBLING);
        const int32_t hseite = seite_von(h2);
        const auto bonus = [&](int32_t& v, int32_t sd, bool halter_bonus) {
            const int32_t a = r->taktik_werte[sd][6], bh = r->taktik[sd][7], cc = r->taktik_werte[sd][7];
            const int32_t z1 = Zufall(0, 100);
            if (z1 > a) v += v >> 4;
            if (Spielfeld_Haltung_Bonus(bh, cc, halter_bonus)) v += v >> 4;
        };
        bonus(vh, hseite, true);
        bonus(vc, seite, false);
        const int32_t chance = Spielfeld_Zweikampf_Chance(vc, vh);
        if (r->anzeige == 1) {
            if (r->im_fenster) Spielszenen_Sound_Gruppe_Spielen(7, 2);
            r->zuschauer_reaktion[hseite] = 2;
            plus(r->zuschauer_stimmung[hseite], 10);
        }
        const int32_t z = Zufall(0, 999);
        const int32_t z4 = Zufall(0, 3);
        Spielfeld_Objekt& ho = r->objekt[h2];
        if (z < chance && z4 == 0 && ho.zustand != 22) {
            ho.countdown_a = float((500 - (wert(r, h2, ZWEIKAMPF) - wert(r, h2, AGGRESSIV)) / 2) / 2 + 250);
            ho.neu_entscheiden = 1;
            gewonnen = true;
        }
    }
    if (gewonnen) {
        const bool lose = h2 < 0;
        ball_nehmen(p, s, rr);
        if (lose && r->ballhalter != s) p.lose_wecken = true;
    } else verloren(p, s);
    gutschreiben(r, vorher, s);
}

void phase_d(Pass& p)
{
    Spielfeld_Record* r = p.r;
    if (r->anzeige == 1) {
        const int32_t z = Bank_Zufall_Zwischen(0, 4);
        if (z < 2)
            for (int32_t& m : r->zuschauer_stimmung) m += m < 40 ? 1 : m > 40 ? -1 : 0;
        const int32_t diff = std::abs(int32_t(r->tore[0]) - int32_t(r->tore[1]));
        if (diff > 1) {
            const int32_t chor = Bank_Zufall_Zwischen(0, diff > 2 ? 49 : 199);
            if (chor == 0) {
                const int32_t vorn = r->tore[0] > r->tore[1] ? 0 : 1;
                if (r->im_fenster) Spielszenen_Sound_Gruppe_Spielen(1, vorn == 0 ? 4 : 1);
                plus(r->zuschauer_stimmung[vorn], 3);
                plus(r->zuschauer_stimmung[1 - vorn], -10);
            }
        }
    }
    if (r->situation != SITUATION_SPIEL) return;
    for (int32_t i = 0; i < p.anzahl; ++i) {
        const int32_t s = p.liste[i];
        Spielfeld_Objekt& o = r->objekt[s];
        const int32_t* zone = r->spieler[s].taktik_punkte;
        const bool drin = p.ball.x >= float(zone[0]) && p.ball.x <= float(zone[1]) && p.ball.y >= float(zone[2]) &&
                          p.ball.y <= float(zone[3]);
        if (drin && o.entscheidung_timer == 0.0f && !o.neu_entscheiden && r->spieler[s].zustand == SPIELFELD_AUF_DEM_PLATZ)
            o.entscheidung_timer = 0.8f;
    }
}

}  // namespace

void Spielfeld_Ball_Spielen(Spielfeld_Record* r, float x, float y, float tempo, int32_t versatz)
{
    Spielfeld_Auftrag_Geben(r, SPIELFELD_BALL, int32_t(x), int32_t(y), 0, int32_t(tempo), ANIM_BALL_GESPIELT, 0, -1, 0, -1, 1,
                            -1, versatz, AUFTRAG_SUCHEN);
}

int32_t Spielfeld_Zweikampf_Chance(int32_t vc, int32_t vh)
{
    const int32_t p = 600 + 4 * (vc - vh);
    return p < 100 ? 100 : p > 900 ? 900 : p;
}

void Spielfeld_Kontakte_Aufloesen(Spielfeld_Record* r)
{
    if (!r) return;
    Spielfeld_Objekt& ball = r->objekt[SPIELFELD_BALL];
    Pass p{r, ball, *Spielfeld_Aktueller_Auftrag(&ball), ball.x - ball.vx * FRAME_S, ball.y - ball.vy * FRAME_S, {}, {}};
    const int32_t naechste_vorher[2] = {r->naechster[0], r->naechster[1]};
    float zweiter = KEIN_ABSTAND;
    phase_a(p, zweiter);
    if (r->kontakt_reihenfolge == 1)
        for (int32_t i = 0; i < p.anzahl; ++i) spieler_gegen_ball(p, p.liste[i]);
    else
        for (int32_t i = p.anzahl - 1; i >= 0; --i) spieler_gegen_ball(p, p.liste[i]);
    const float halbe = float(Spielfeld_Masse[0] / 2);
    r->zweiter_abstand = zweiter < halbe ? zweiter : halbe;
    const int32_t halter = r->ballhalter;
    for (int32_t seite = 0; seite < 2; ++seite) {
        // The side without the ball sends its nearest player when he is new.
        const bool ohne_ball = halter < 0 || (seite == 1 ? halter < 16 : halter >= 16);
        const int32_t n = r->naechster[seite];
        if (ohne_ball && n >= 0 && n < SPIELFELD_SLOTS && n != naechste_vorher[seite] && r->objekt[n].zustand == 0 &&
            r->torart[2] == 0)
            r->objekt[n].neu_entscheiden = 1;
    }
    if (p.lose_wecken)
        for (int32_t i = 0; i < p.anzahl; ++i) {
            Spielfeld_Objekt& o = r->objekt[p.liste[i]];
            if (o.zustand == 0 && std::fabs(o.x - ball.x) < 1000.0f && std::fabs(o.y - ball.y) < 1000.0f)
                o.neu_entscheiden = 1;
        }
    if (r->kontakt_countdown[0] > 0) --r->kontakt_countdown[0];
    if (r->kontakt_countdown[0] == 0) {
        r->kontakt_countdown[0] = 4;
        phase_d(p);
    }
    if (r->kontakt_countdown[1] > 0) --r->kontakt_countdown[1];
    if (r->kontakt_countdown[1] == 0) {
        r->kontakt_countdown[1] = 3;
        Spielfeld_Spieler_Kontakte(r, p.liste, p.anzahl);
    }
}

namespace {

enum : int32_t { ROBUSTHEIT = 14 };
constexpr int32_t ANIM_LAUFEN_ZIEL = 4, ANIM_FAHNE_HEBEN = 91, ANIM_TACKLING = 101;
constexpr uint8_t ZUSTAND_VERLETZT = 44;
constexpr uint32_t SPIELFELD_VERLETZT = 0x40;

int32_t mindestens_1(float v) { return int32_t(v) < 1 ? 1 : int32_t(v); }

}  // namespace

bool Spielfeld_Haltung_Bonus(int32_t haltung, int32_t grenze, bool halter)
{
    const int32_t b = Zufall(0, 1);
    if (!(halter ? haltung >= 2 - b : haltung <= b)) return false;
    // Only an attitude that fits draws against the side's setting C.
    const int32_t c = Zufall(0, 100);
    return c < grenze;
}

bool Spielfeld_Schiri_Umkehr(int32_t schwalben, int32_t strenge)
{
    const int32_t z = Zufall(1, 5);
    if (schwalben > z) return true;
    // Only a dive record that does not beat the first draw leaves it to the strictness.
    const int32_t s = Zufall(5, 6);
    return strenge >= s;
}

namespace {

// The side's duel bonuses: a quarter more for a beaten A, another for attitude B with C.
int32_t zweikampf_wert(const Spielfeld_Record* r, int32_t slot, bool halter)
{
    const int32_t sd = seite_von(slot);
    int32_t v = wert(r, slot, ZWEIKAMPF);
    const int32_t a = Zufall(0, 100);
    if (a > r->taktik_werte[sd][6]) v += v / 4;
    if (Spielfeld_Haltung_Bonus(r->taktik[sd][7], r->taktik_werte[sd][7], halter)) v += v / 4;
    return v;
}

// Within the penalty area that side vs attacks, widened by (quer, tief).
bool im_strafraum(const Spielfeld_Record* r, int32_t vs, const Spielfeld_Objekt& o, float quer, float tief)
{
    const int32_t b = (1 - vs) ^ r->seiten_getauscht;
    return o.y >= float(Spielfeld_Masse[12 + b]) - quer && o.y <= float(Spielfeld_Masse[14 + b]) + quer &&
           std::fabs(o.x - float(r->tor_x[vs])) <= float(Spielfeld_Masse[16]) + tief;
}

void laufen(Spielfeld_Record* r, int32_t nr, float x, float y, float tempo)
{
    Spielfeld_Auftrag_Geben(r, nr, int32_t(x), int32_t(y), 0, int32_t(tempo), ANIM_LAUFEN_ZIEL, 0, -1, 0, -1, 1, -1, 0,
                            AUFTRAG_ART_2);
}

// The holder H in contact with O: true when H dives.
bool duell(Spielfeld_Record* r, int32_t h, int32_t o)
{
    Spielfeld_Objekt& ho = r->objekt[h];
    Spielfeld_Objekt& oo = r->objekt[o];
    const int32_t vh = zweikampf_wert(r, h, true);
    const int32_t vo = zweikampf_wert(r, o, false);
    const int32_t druck = Zufall(0, 999);
    float ty = 0.0f;
    bool taucht = false;
    if (float(druck) > float(vh) * 0.5f + 500.0f) {
        const int32_t streu = Zufall(0, 20);
        ty = oo.y + float((streu - 10) * 10);
        const int32_t fair = r->taktik[seite_von(h)][4];
        const int32_t schwalbe = Zufall(0, 10);
        taucht = schwalbe < (2 - fair) * 4 && im_strafraum(r, seite_von(h), ho, 200.0f, 400.0f);
    } else {
        const int32_t weg = Zufall(5, 12);
        ty = oo.vy < 0.0f ? oo.y + float(weg * 10) : oo.y - float(weg * 10);
        oo.countdown_a = float(vo) * 0.1f + 50.0f;
    }
    if (taucht) return true;
    const float breite = float(Spielfeld_Masse[1]);
    ty = ty < 0.0f ? 0.0f : ty > breite ? breite : ty;
    const int32_t folgen = Zufall(0, 999);
    if (folgen <= vo) return false;
    const float tempo = Spielfeld_Aktueller_Auftrag(&ho)->tempo;
    const float hx = ho.x, ziel_x = ho.x + ho.vx * 0.5f;
    laufen(r, o, hx, ty, tempo);
    laufen(r, h, ziel_x, ty, tempo);
    if (r->situation == SITUATION_SPIEL && r->halter_nah && r->ballhalter == h && r->objekt[SPIELFELD_BALL].z < 200.0f)
        Spielfeld_Ball_Spielen(r, ziel_x, ty, tempo + 16.67f);
    return false;
}

void fallen(Spielfeld_Record* r, int32_t f, int32_t anderer, int32_t pegel)
{
    Spielfeld_Objekt& o = r->objekt[f];
    const Spielfeld_Auftrag a = *Spielfeld_Aktueller_Auftrag(&o);
    const int32_t tempo = int32_t(a.tempo * 0.5f);
    for (const int32_t anim : {ANIM_FALLEN, ANIM_AUFSTEHEN})
        Spielfeld_Auftrag_Geben(r, f, int32_t(a.ziel[0]), int32_t(a.ziel[1]), 0, tempo, anim, 0,
                                int32_t(Spielszenen_Animationstabelle[anim].dauer_faktor), 0, -1, 1, 1, 0, AUFTRAG_SUCHEN);
    r->objekt[anderer].countdown_a = 0.0f;
    if (r->anzeige != 1) return;
    if (r->im_fenster) Spielszenen_Sound_Gruppe_Spielen(3, pegel);
    const int32_t schrei = Bank_Zufall_Zwischen(0, 4);
    if (schrei == 0 && r->im_fenster) Spielszenen_Sound_Spielen(12, int32_t(o.x), Spielfeld_Masse[0] / 2);
}

bool faellt(Spielfeld_Record* r, int32_t f, int32_t anderer, int32_t taucher)
{
    const Spielfeld_Objekt& o = r->objekt[f];
    if (seite_von(f) == seite_von(anderer) || o.zustand != 0 || Spielfeld_Aktueller_Auftrag(&r->objekt[f])->art == 1)
        return false;
    if (taucher == f) return true;
    const int32_t anim = Spielfeld_Aktueller_Auftrag(&r->objekt[anderer])->animation;
    if (anim != ANIM_TACKLING && anim != ANIM_TACKLING_GEFALLEN) return false;
    if (r->halter_nah) return true;
    const int32_t z = Zufall(0, 4);
    return z == 0;
}

// After a fall near the holder the ball may run loose; true when play goes on.
bool ball_los(Spielfeld_Record* r, int32_t i, int32_t j, bool i_fiel)
{
    const int32_t tol = mindestens_1(r->tempo_faktor);
    const int32_t z = Zufall(1, tol);
    const int32_t h = r->ballhalter;
    Spielfeld_Objekt& ball = r->objekt[SPIELFELD_BALL];
    if (z == 1 || r->situation != SITUATION_SPIEL || !r->halter_nah || (h != i && h != j) || !(ball.z < 200.0f))
        return false;
    const Spielfeld_Objekt& anderer = r->objekt[i_fiel ? j : i];
    const float tempo = Spielfeld_Aktueller_Auftrag(&r->objekt[i_fiel ? j : i])->tempo;
    const int32_t d = Zufall(0, 2);
    const float x = d == 0 ? ball.x + anderer.vx : ball.x;
    const int32_t schuss = Zufall(900, 1200);
    Spielfeld_Ball_Spielen(r, x, ball.y, float(schuss) + tempo);
    if (i_fiel) {
        ball.fx *= 15.0f;
        ball.fy *= 15.0f;
    } else {
        const int32_t sx = Zufall(0, 20);
        ball.fx *= float(sx + 10);
        const int32_t sy = Zufall(0, 20);
        ball.fy *= float(sy + 10);
    }
    const int32_t kippen = Zufall(0, 2);
    if (kippen != 0) r->letzte_beruehrung ^= 1;
    return true;
}

void schieben(Spielfeld_Record* r, int32_t i, int32_t j)
{
    Spielfeld_Objekt& a = r->objekt[i];
    Spielfeld_Objekt& b = r->objekt[j];
    const bool quer = std::fabs(a.vy) > std::fabs(a.vx);
    Spielfeld_Objekt& p = quer ? (b.x > a.x ? b : a) : (b.y > a.y ? b : a);
    Spielfeld_Objekt& q = &p == &a ? b : a;
    float abstand = quer ? std::fabs(a.x - b.x) : std::fabs(a.y - b.y);
    while (abstand < 50.0f) {
        if (p.zustand == 0) {
            if (quer) {
                p.x += 1.0f, p.vx += 1.0f, p.y -= 3.0f, p.vy -= 3.0f;
            } else {
                p.y += 1.0f, p.vy += 1.0f, p.x -= 3.0f, p.vx -= 3.0f;
            }
        }
        if (q.zustand == 0) {
            if (quer) q.x -= 1.0f, q.vx -= 1.0f;
            else q.y -= 1.0f, q.vy -= 1.0f;
        }
        abstand += 2.0f;
    }
    for (Spielfeld_Objekt* o : {&a, &b})
        if (o->zustand == 0) Spielfeld_Objekt_Richtung_Setzen(o, Spielfeld_Aktueller_Auftrag(o)->tempo);
}

void foul(Spielfeld_Record* r, int32_t i, int32_t j, bool i_fiel, bool schwalbe, int32_t taucher_seite)
{
    const int32_t faller = i_fiel ? i : j, taeter = i_fiel ? j : i;
    const int32_t vs = seite_von(faller);
    const int32_t strenge = r->schiri_wert[1] > 6 ? 6 : r->schiri_wert[1];
    const int32_t pfiff = Zufall(0, strenge + 2);
    if (pfiff < 2) {
        stehen(r, SPIELFELD_SCHIEDSRICHTER, ANIM_WEITERSPIELEN);
        return;
    }
    for (const int32_t l : {33, 34})
        if (Spielfeld_Entfernung_Objekte(r, l, i) < 2000.0f) stehen(r, l, ANIM_FAHNE_HEBEN);
    r->foul_countdown = 10;
    r->foul_x = r->objekt[i].x;
    r->foul_y = r->objekt[i].y;
    if (r->im_fenster) Spielszenen_Sound_Gruppe_Spielen(3, 3);
    r->gefoulte_seite = uint8_t(vs);
    r->foul_taeter = int8_t(taeter);
    r->gefoulter = int8_t(faller);
    r->schwalbe = schwalbe ? 1 : 0;
    if (!schwalbe) Spielfeld_Aktueller_Auftrag(&r->objekt[faller])->art = 0;
    bool umkehren = false;
    if (!schwalbe) {
        const int32_t c = r->schwalben[vs];
        const int32_t z1 = Zufall(4, 8);
        if (c > z1) umkehren = Spielfeld_Schiri_Umkehr(c, strenge);
    } else {
        const int32_t t = Zufall(0, 140);
        if (t > r->taktik_werte[taucher_seite][4]) ++r->schwalben[vs];
        umkehren = Spielfeld_Schiri_Umkehr(r->schwalben[vs], strenge);
    }
    if (umkehren) {
        r->foul_taeter = r->gefoulter;
        r->gefoulter = -1;
        r->gefoulte_seite ^= 1;
    }
    ++r->pfiffe;
    if (schwalbe) return;
    const int32_t v1 = Zufall(0, 3);
    if (v1 != 0) return;
    const int32_t v2 = Zufall(0, 999);
    Spielfeld_Objekt& fo = r->objekt[faller];
    if (v2 <= 500 + wert(r, faller, ROBUSTHEIT) / 2 || fo.torwart) return;
    Spielfeld_Situation_Zuruecksetzen(r);
    r->situation = SITUATION_VERLETZUNG;
    r->foul_countdown = 2;
    Spielfeld_Objekt& ball = r->objekt[SPIELFELD_BALL];
    ball.vx *= 0.05f;
    ball.vy *= 0.05f;
    ball.vz *= 0.05f;
    r->ballhalter = -1;
    fo.zustand = ZUSTAND_VERLETZT;
    r->spieler[faller].zustand |= SPIELFELD_VERLETZT;
}

void zusammenstoss(Spielfeld_Record* r, int32_t i, int32_t j, bool i_fiel)
{
    Spielfeld_Objekt& a = r->objekt[i];
    Spielfeld_Objekt& b = r->objekt[j];
    if (r->ballhalter == i || r->ballhalter == j || seite_von(i) == seite_von(j)) return;
    if (!((a.vx != 0.0f && b.vx != 0.0f) || (a.vy != 0.0f && b.vy != 0.0f))) return;
    if (Spielfeld_Aktueller_Auftrag(&a)->art == 1 || Spielfeld_Aktueller_Auftrag(&b)->art == 1) return;
    const int32_t z = Zufall(0, 1);
    const int32_t k = z != 0 || i_fiel ? i : j;
    Spielfeld_Objekt& o = r->objekt[k];
    if (o.zustand != 0) return;
    o.vx = o.vy = o.vz = 0.0f;
    o.countdown_b = float((wert(r, k, ZWEIKAMPF) + 200) / 16);
    Spielfeld_Auftrag& au = *Spielfeld_Aktueller_Auftrag(&o);
    au.dauer = 0.0f;
    au.wert_40 = 0;
    au.animation = 0;
    au.tempo = 0.0f;
    au.art = 0;
}

void paar(Spielfeld_Record* r, int32_t i, int32_t j)
{
    const int32_t h = r->ballhalter;
    int32_t taucher = -1;
    if (seite_von(i) != seite_von(j) && (h == i || h == j)) {
        const int32_t o = h == i ? j : i;
        Spielfeld_Objekt& ho = r->objekt[h];
        if (Spielfeld_Aktueller_Auftrag(&ho)->art == 0 && ho.zustand == 0 && duell(r, h, o)) taucher = h;
    }
    const bool j_fiel = faellt(r, j, i, taucher);
    if (j_fiel) fallen(r, j, i, 2);
    const bool i_fiel = faellt(r, i, j, taucher);
    if (i_fiel) fallen(r, i, j, 4);
    schieben(r, i, j);
    bool weiter = false;
    if (i_fiel || j_fiel) weiter = ball_los(r, i, j, i_fiel);
    if (i_fiel || j_fiel) {
        const int32_t vs = seite_von(i_fiel ? i : j);
        bool laufen_lassen = false;
        if (im_strafraum(r, vs, r->objekt[i], 0.0f, 0.0f) && r->tempo_faktor > 1.0f) {
            const int32_t z = Zufall(1, mindestens_1(r->tempo_faktor * 0.5f));
            laufen_lassen = z > 1;
        }
        if (!laufen_lassen && r->foul_countdown == 0 && r->situation == SITUATION_SPIEL && !weiter)
            foul(r, i, j, i_fiel, taucher >= 0, taucher >= 0 ? seite_von(taucher) : 0);
    }
    zusammenstoss(r, i, j, i_fiel);
}

}  // namespace

void Spielfeld_Spieler_Kontakte(Spielfeld_Record* r, const int32_t* liste, int32_t anzahl)
{
    if (!r || !liste) return;
    for (int32_t a = 0; a < anzahl; ++a)
        for (int32_t b = a + 1; b < anzahl; ++b) {
            const int32_t i = liste[a], j = liste[b];
            if (i < 0 || i >= SPIELFELD_SLOTS || j < 0 || j >= SPIELFELD_SLOTS) continue;
            const Spielfeld_Objekt& oi = r->objekt[i];
            const Spielfeld_Objekt& oj = r->objekt[j];
            if (std::fabs(oi.x - oj.x) < 50.0f && std::fabs(oi.y - oj.y) < 50.0f) paar(r, i, j);
        }
}
