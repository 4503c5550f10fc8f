#include "match/pitch/spielfeld_ereignis.h"

#include <algorithm>
#include <cmath>

#include "competitions/spiele.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_objekt.h"
#include "matchview/live/spielszenen_kamera.h"
#include "platform/print.h"
#include "platform/zufall.h"

namespace {

bool slot_gueltig(int32_t s) { return s >= 0 && s < SPIELFELD_SLOTS; }

int32_t spieler_von(const Spielfeld_Record* r, int32_t s) { return slot_gueltig(s) ? r->spieler[s].spnr : -1; }

int32_t team_von(const Spielfeld_Record* r, int32_t s) { return int32_t(r->team[s < 16 ? 0 : 1]); }

bool zeigt_kopf(uint32_t k)
{
    switch (k) {
    case 2: case 16: case 32: case 64: case EREIGNIS_FOUL: case EREIGNIS_VERLETZUNG: case EREIGNIS_WECHSEL: case EREIGNIS_ABSEITS:
        return true;
    default: return false;
    }
}

void karte_buchen(Spielfeld_Record* r, uint32_t k, int32_t s)
{
    if (!slot_gueltig(s)) return;
    Spielfeld_Spieler& e = r->spieler[s];
    const uint32_t bit = k == 32 ? SPIELFELD_GELB_ROT : SPIELFELD_ROT;
    if (e.zustand & bit) return;
    e.zustand |= bit;
    if (Netz_Rolle == 1 || e.spnr < 0) return;
    Teamspieler_Wert(317, team_von(r, s), e.spnr, TS_STARTELF, 4);
    Teamspieler_Wert(317, team_von(r, s), e.spnr, int32_t(bit), 8);
}

int32_t spielminute(const Spielfeld_Record* r)
{
    const Spiele_Spiel* m = Spiele_Get_Spiel(int32_t(r->spiel), 0);
    if (!m) return r->minute;
    const int32_t ende = Wettbewerb_Get_Halbzeit_Ende(m->wettbewerb, r->minute, int32_t(r->periode) - 1);
    return ende > 0 ? ende : r->minute;
}

// The referee shows a card where he stands, for as long as the sign lasts.
void schiri_zeigt(Spielfeld_Record* r, int32_t anim, int32_t versatz)
{
    const Spielfeld_Objekt& o = r->objekt[SPIELFELD_SCHIEDSRICHTER];
    const Spielszenen_Animation& t = Spielszenen_Animationstabelle[anim];
    const int32_t dauer = int32_t(t.ms_pro_bild * float(t.bilder));
    Spielfeld_Auftrag_Geben(r, SPIELFELD_SCHIEDSRICHTER, int32_t(o.x), int32_t(o.y), 0, 0, anim, 0, dauer, 0, -1, 1, 0, versatz,
                            AUFTRAG_SUCHEN);
}

// Enters a sent-off player into his side's list (first free place or his own).
void platzverweis_eintragen(Spielfeld_Record* r, int32_t f)
{
    const int32_t seite = f < 16 ? 0 : 1;
    int32_t platz = -1;
    for (int32_t i = 0; i < 7 && platz < 0; ++i)
        if (r->auswechsel[seite][i] == f) platz = i;
    for (int32_t i = 0; i < 7 && platz < 0; ++i)
        if (r->auswechsel[seite][i] == -1) platz = i;
    // All places taken by others: his card bits alone keep him off the pitch.
    if (platz < 0) {
        Print_Fehler("Spielfeld_Foul_Bewerten: kein Platz in der Liste für Spieler %d!", f);
        return;
    }
    r->auswechsel[seite][platz] = int8_t(f);
    r->netz_auswechsel[seite][platz] = uint8_t(f);
    for (int32_t i = 0; i < 7; ++i)
        if (r->einwechsel[seite][i] == f) r->einwechsel[seite][i] = -1;
}

}  // namespace

bool Spielfeld_Spielerwert_Erhoehen(int32_t id, int32_t marker, int32_t team, int32_t spnr, int32_t um, Spielfeld_Record* r,
                                    int32_t slot)
{
    (void)team;
    if (spnr < 0) return false;
    int32_t lo = 0, hi = 0;
    Spieler_Wert_Min_Max(id, &lo, &hi);
    const int32_t alt = Spieler_Wert(id, spnr, 0, 0);
    const int32_t neu = std::clamp(alt + um, lo, hi);
    // A client plays its copy of the match for the picture: the server's raises the value, and the
    // client's copy of the player follows it from there.
    if (Netz_Rolle != 1) Spieler_Wert(id, spnr, neu, 1);
    if (alt >= 75 || neu < 75) return false;
    if (r && slot_gueltig(slot)) r->spieler[slot].marker = uint8_t(marker + 1);
    return true;
}

void Spielfeld_Ereignis_Melden(Spielfeld_Record* r, uint32_t code, int32_t s, int32_t t)
{
    if (!r) return;
    if (!(code & SPIELFELD_EREIGNIS_CHANCE)) {
        code = s < 16 ? code | SPIELFELD_EREIGNIS_HEIM : code & ~uint32_t(SPIELFELD_EREIGNIS_HEIM);
    } else {
        // A shot belongs to the side that attacks the goal in the ball's half.
        const uint32_t h = r->objekt[SPIELFELD_BALL].x > float(Spielfeld_Masse[0] / 2) ? 1 : 0;
        const bool tor = code & SPIELFELD_EREIGNIS_TOR;
        if (((1 - h) ^ r->seiten_getauscht) == 0) {
            code |= SPIELFELD_EREIGNIS_HEIM;
            if (tor && s >= 16) {
                code |= EREIGNIS_EIGENTOR;
                t = -1;
            }
        } else {
            code &= ~uint32_t(SPIELFELD_EREIGNIS_HEIM);
            if (tor && s >= 0 && s < 16) {
                code |= EREIGNIS_EIGENTOR;
                t = -1;
            }
        }
    }
    if (r->torart[0]) code |= EREIGNIS_TORART_1;
    if (r->torart[1]) code |= EREIGNIS_TORART_2;
    if (r->torart[2]) {
        code |= EREIGNIS_TORART_3;
        t = -1;
    }
    uint32_t k = (code & 0xFFFF0000u) | (code & EREIGNIS_ART_MASKE);
    if ((k & EREIGNIS_FOUL) && k != EREIGNIS_FOUL) k &= ~uint32_t(EREIGNIS_FOUL);
    // a shoot-out kick's goal (the goal value without the shot's) is shown and stored, no more
    const bool elfer_tor = (code & SPIELFELD_EREIGNIS_TOR) && !(code & SPIELFELD_EREIGNIS_CHANCE);
    if (!zeigt_kopf(k) && !elfer_tor) return;

    r->neuer_kopf = 1;
    r->kopf.slot = uint8_t(s);
    r->kopf.zweiter = int16_t(t);
    r->kopf.code = code;
    r->kopf.minute = r->minute;
    r->kopf.sekunden = r->sekunden;
    r->kopf.offen = 1;
    if (k == 32 || k == 64) karte_buchen(r, k, s);
    if (k == EREIGNIS_ABSEITS) return;

    const int32_t spnr = spieler_von(r, s);
    Spiele_Set_Ereignis(int32_t(r->spiel), code, spielminute(r), spnr, spieler_von(r, t));
    // An own goal is the other side's goal, never the shooter's.
    const bool tor = (code & SPIELFELD_EREIGNIS_TOR) && !(code & EREIGNIS_EIGENTOR);
    if (k != 2 || !tor || spnr < 0) return;
    Statistik_Spieler u = Statistik_Leeres_Update(spnr);
    u.tore = 1;
    Spiele_Set_Statistik_Spieler(spnr, &u, 1);
    const int32_t team = team_von(r, s);
    Spielfeld_Spielerwert_Erhoehen(SP_TORINSTINKT, 14, team, spnr, 1, r, s);
    if (code & EREIGNIS_TOR_WERT) {
        const int32_t um = Zufall(1, 5);
        Spielfeld_Spielerwert_Erhoehen(SP_KOPFBALLST, 13, team, spnr, um, r, s);
    }
}

void Spielfeld_Statistik_Zaehlen(Spielfeld_Record* r, int32_t s, int32_t e)
{
    if (!r || e < 0 || e > 7) {
        Print_Fehler("Falsches Statistik-Element");
        return;
    }
    if (s < 0 || s >= SPIELFELD_SLOTS) {
        Print_Fehler("Falscher Statistik-Spieler");
        return;
    }
    // a shoot-out kick, saved or scored, is no part of the match's figures nor of a mark
    if (r->elfmeter_schuss) return;
    if (r->statistik[s][e] < 255) ++r->statistik[s][e];
}

void Spielfeld_Foul_Bewerten(Spielfeld_Record* r)
{
    if (!r) return;
    const int32_t f = r->foul_taeter, v = r->gefoulter;
    bool entscheiden = slot_gueltig(f);
    // the side's foul count; a decision reversed as a dive is none
    if (entscheiden && v != -1 && r->fouls[f < 16 ? 0 : 1] < 255) ++r->fouls[f < 16 ? 0 : 1];
    if (entscheiden) {
        const int32_t toleranz = Zufall(0, 1 + int32_t(std::lround(r->tempo_faktor)));
        entscheiden = toleranz < 3;
    }
    // A strictness beyond the scale would leave the draws without a range.
    const int32_t q = std::clamp<int32_t>(r->schiri_wert[0], 0, 6);
    int32_t karte = 0;  // 16 yellow, 32 yellow-red, 64 red
    if (entscheiden) {
        Spielfeld_Spieler& e = r->spieler[f];
        const bool torwart = r->objekt[f].torwart != 0;
        int32_t c = e.karte;
        // A player already sent off is shown nothing more.
        if (c >= 32) entscheiden = false;
        bool rot = false;
        if (entscheiden && r->schwalbe == 0 && !torwart) {
            if (r->b_20530) {
                const int32_t z1 = Zufall(0, 14);
                if (z1 - q > 4) {
                    const int32_t z2 = Zufall(0, 2);
                    rot = z2 != 0;
                }
            }
            if (!rot) {
                const int32_t z3 = Zufall(0, 16 - q);
                rot = z3 == 0;
            }
        }
        if (entscheiden && rot) {
            karte = c = 64;
            ++r->rot[f < 16 ? 0 : 1];
        } else if (entscheiden) {
            const int32_t za = Zufall(0, q);
            const int32_t a = za > 2 ? 1 : 0;
            const int32_t w = c == 8 ? 1 : 0;
            const int32_t zk = Zufall(0, 3 + a - w);
            if (zk != 0 || r->b_20530) {
                if (c == 0 || c == 8) {
                    karte = c = 16;
                    ++r->gelb[f < 16 ? 0 : 1];
                } else if (!torwart) {
                    // the second yellow: counted with the yellow cards and as the side's yellow-red
                    karte = c = 32;
                    ++r->gelb[f < 16 ? 0 : 1];
                    ++r->gelb_rot[f < 16 ? 0 : 1];
                } else c = 8;
            } else {
                const int32_t zw = Zufall(0, q);
                if (zw > 3) c = 8;
            }
        }
        e.karte = uint8_t(c);
    }
    if (!karte) {
        if (v == -1) Spielfeld_Ereignis_Melden(r, EREIGNIS_SCHWALBE, f, -1);
        else Spielfeld_Ereignis_Melden(r, EREIGNIS_FOUL, f, v);
        return;
    }
    const uint32_t code = uint32_t(karte) | (f < 16 ? SPIELFELD_EREIGNIS_HEIM : 0);
    if (karte >= 32) platzverweis_eintragen(r, f);
    Spielfeld_Ereignis_Melden(r, code | EREIGNIS_FOUL, f, v);
    if (karte == 32) r->spieler[f].zustand |= SPIELFELD_GELB_ROT;
    if (karte == 64) r->spieler[f].zustand |= SPIELFELD_ROT;
    schiri_zeigt(r, karte == 64 ? ANIM_ROT : ANIM_GELB, 0);
    if (karte == 32) schiri_zeigt(r, ANIM_ROT, 1);
}

void Spielfeld_Motivation_Anwenden(Spielfeld_Record* r, int32_t seite, int32_t p)
{
    if (!r || seite < 0 || seite > 1) return;
    for (int32_t s = 16 * seite; s < 16 * seite + 16; ++s)
        for (uint16_t& x : r->spieler[s].faehigkeit) {
            const int32_t v = (70 * int32_t(x) + 30 * (int32_t(x) * p / 100)) / 100;
            x = uint16_t(std::clamp(v, 0, 999));
        }
}
