#include "match/pitch/spielfeld_daten.h"

#include <algorithm>
#include <utility>
#include <cstring>

#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "economy/stadion.h"
#include "gameflow/globals.h"
#include "match/pitch/spielfeld_abfragen.h"
#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_spieler.h"
#include "match/pitch/spielfeld_verhalten.h"
#include "match/spieltag.h"
#include "matchview/live/spielszenen_grafik.h"
#include "matchview/live/spielszenen_kamera.h"
#include "platform/print.h"
#include "platform/timer.h"
#include "platform/zufall.h"

uint8_t Spielfeld_Aufstellung_Zustand[SPIELFELD_SLOTS] = {};
int32_t Spielfeld_Aufstellung_Spieler[SPIELFELD_SLOTS] = {};
uint8_t Spielfeld_Aufstellung_Nummer[SPIELFELD_SLOTS] = {};

namespace {

constexpr int32_t TORWART_POSITION = 459;
constexpr uint32_t KADER = SPIELFELD_AUF_DEM_PLATZ | SPIELFELD_ERSATZ;
uint32_t letzte_frame_zeit = 0;

int32_t laenge() { return Spielfeld_Masse[0]; }
int32_t breite() { return Spielfeld_Masse[1]; }

constexpr int32_t MITTE_ZELLE = 229;

// A player without a cell (-1, a substitute's usual) stands in the centre cell rather than
// off the pitch.
int32_t zelle(int32_t p) { return p < 0 || p >= TORWART_POSITION ? MITTE_ZELLE : p; }

// Per grid cell (27 columns along, 17 rows across) its tactical point and its kick-off place,
// worked out once for the pitch's size: a line-up asks for some five cells of each player.
struct Zellen_Tabelle {
    int32_t laenge = -1, breite = -1;
    int32_t taktik_x[TORWART_POSITION], taktik_y[TORWART_POSITION];
    int32_t start_x[TORWART_POSITION], start_y[TORWART_POSITION];
};

const Zellen_Tabelle& zellen_tabelle()
{
    static Zellen_Tabelle t;
    if (t.laenge != laenge() || t.breite != breite()) {
        t.laenge = laenge();
        t.breite = breite();
        for (int32_t p = 0; p < TORWART_POSITION; ++p) {
            t.taktik_x[p] = (t.laenge - 1200) * (p / 17) / 26 + 600;
            t.taktik_y[p] = (t.breite - 60) * (p % 17) / 16 + 30;
            t.start_x[p] = t.laenge * (p / 17) / 27;
            t.start_y[p] = t.breite * (p % 17) / 17;
        }
    }
    return t;
}

// The points of a slot from its link's four cells 311..314 (x1 x2 y1 y2 x3 x4 y3 y4).
void punkte_aus_zellen(const int32_t (&zellen)[4], int32_t* pt)
{
    const Zellen_Tabelle& t = zellen_tabelle();
    int32_t x[4], y[4];
    for (int32_t k = 0; k < 4; ++k) {
        const int32_t p = zelle(zellen[k]);
        x[k] = t.taktik_x[p];
        y[k] = t.taktik_y[p];
    }
    const int32_t werte[8] = {x[0], x[1], y[0], y[1], x[2], x[3], y[2], y[3]};
    std::memcpy(pt, werte, sizeof werte);
}

void punkte_lesen(int32_t team, int32_t spnr, int32_t* pt)
{
    int32_t zellen[4];
    for (int32_t k = 0; k < 4; ++k) zellen[k] = Teamspieler_Wert(311 + k, team, spnr, 0, 0);
    punkte_aus_zellen(zellen, pt);
}

void torwart_punkte(int32_t* pt)
{
    const int32_t werte[8] = {0, 550, 2487, 4319, 0, 550, breite() / 2, breite() / 2};
    std::memcpy(pt, werte, sizeof werte);
}

// Seen from the other end: the first pair exchanges its ends, every other point turns round.
void spiegeln(int32_t* pt)
{
    const int32_t x1 = pt[0], y1 = pt[2];
    pt[0] = laenge() - pt[1];
    pt[1] = laenge() - x1;
    pt[2] = breite() - pt[3];
    pt[3] = breite() - y1;
    pt[4] = laenge() - pt[4];
    pt[5] = laenge() - pt[5];
    pt[6] = breite() - pt[6];
    pt[7] = breite() - pt[7];
}

// Puts a player object at a place, standing and facing the ball, ready to decide.
void aufstellen(Spielfeld_Record* r, int32_t slot, int32_t x, int32_t y)
{
    Spielfeld_Objekt& o = r->objekt[slot];
    o.ring = 0;
    o.neu_entscheiden = 1;
    Spielfeld_Spieler_Hinstellen(r, slot, x, y);
    o.neu_entscheiden = 1;
    o.aktiv = 1;
}

// A squad's link fields as Teamspieler_Wert reads them (310 place, 317 flags, 300 back number,
// 311..314 the area's cells), read in the link records themselves where that is allowed (not
// on a network client, whose reads go through its copy of the lists): a line-up reads some
// eight fields of each of its players.
struct Kader_Felder {
    int32_t team;
    bool direkt;
    int32_t spnr[50];
    TS* ts[50];
    int32_t wert(int32_t feld, int32_t i) const
    {
        if (!direkt) return Teamspieler_Wert(feld, team, spnr[i], 0, 0);
        const TS& t = *ts[i];
        switch (feld) {
        case 300: return t.rueckennummer;
        case 310: return t.position;
        case 311: return t.bereich_a;
        case 312: return t.bereich_b;
        case 313: return t.position2_a;
        case 314: return t.position2_b;
        default: return static_cast<int32_t>(t.flags);  // 317
        }
    }
};

void erste_aufstellung(Spielfeld_Record* r, int32_t s, bool gespiegelt)
{
    const int32_t team = int32_t(r->team[s]);
    // Only the squad's first n entries are ever read: neither table is cleared beforehand.
    Kader_Felder roh;
    roh.team = team;
    roh.direkt = Netz_Rolle != 1;
    int32_t n = team >= 0 && team < Team_Anzahl ? Teamspieler_Kader(team, roh.spnr, roh.direkt ? roh.ts : nullptr, 50, 0) : 0;
    n = std::clamp(n, 0, 50);
    // Sorted by line-up cell, keeper first, equal cells in squad order; the keys are read once.
    // A squad is some two dozen entries: sorted by insertion in place, where a stable sort
    // would take a buffer from the heap for every side of every game.
    std::pair<int32_t, int32_t> folge[50];
    for (int32_t i = 0; i < n; ++i) {
        const int32_t p = roh.wert(310, i);
        const std::pair<int32_t, int32_t> neu{p == TORWART_POSITION ? -1 : p, i};
        int32_t j = i;
        for (; j > 0 && folge[j - 1].first > neu.first; --j) folge[j] = folge[j - 1];
        folge[j] = neu;
    }
    Kader_Felder kader;
    kader.team = team;
    kader.direkt = roh.direkt;
    for (int32_t i = 0; i < n; ++i) {
        kader.spnr[i] = roh.spnr[folge[i].second];
        if (roh.direkt) kader.ts[i] = roh.ts[folge[i].second];
    }
    const int32_t* feld = kader.spnr;
    int32_t k = 0, starter = 0, ersatz = 0, bank = 0;
    bool hat_torwart = false;
    for (int32_t i = 0; i < n && k < 16; ++i) {
        const uint32_t bits = uint32_t(kader.wert(317, i)) & KADER;
        if (bits != SPIELFELD_AUF_DEM_PLATZ && bits != SPIELFELD_ERSATZ) continue;
        if (bits == SPIELFELD_AUF_DEM_PLATZ && starter == 11) {
            Print_Fehler("Das Team %s versuchte mit mehr als %d Feldspielern zu spielen!!!\n", Team_String(TEAM_NAME, team, nullptr, 0), 11);
            continue;
        }
        if (bits == SPIELFELD_ERSATZ && ersatz == 5) {
            Print_Fehler("Das Team %s versuchte mit mehr als %d Reservespielern zu spielen!!!\n", Team_String(TEAM_NAME, team, nullptr, 0), 5);
            continue;
        }
        (bits == SPIELFELD_AUF_DEM_PLATZ ? starter : ersatz) += 1;
        const int32_t slot = 16 * s + k++;
        Spielfeld_Spieler& e = r->spieler[slot];
        std::memset(e.partner, 255, sizeof e.partner);
        e.spnr = feld[i];
        e.anweisung[2] = uint8_t(kader.wert(300, i));
        e.zustand = bits;
        const int32_t pos = kader.wert(310, i);
        const bool torwart = pos == TORWART_POSITION;
        hat_torwart |= torwart;
        r->objekt[slot].torwart = torwart;
        if (torwart) {
            torwart_punkte(e.taktik_punkte);
        } else {
            const int32_t zellen[4] = {kader.wert(311, i), kader.wert(312, i), kader.wert(313, i), kader.wert(314, i)};
            punkte_aus_zellen(zellen, e.taktik_punkte);
        }
        if (gespiegelt) spiegeln(e.taktik_punkte);
        const int32_t p = torwart ? 25 : zelle(pos);
        const Zellen_Tabelle& platz = zellen_tabelle();
        int32_t x = platz.start_x[p], y = platz.start_y[p];
        if (gespiegelt) {
            x = laenge() - x;
            y = breite() - y;
        }
        aufstellen(r, slot, x, y);
        if (bits == SPIELFELD_ERSATZ) {
            e.bank_nummer = uint8_t(bank++);
            Spielfeld_Verhalten_Bank(r, slot, 1);
        }
    }
    if (hat_torwart) return;
    // No goalkeeper in the squad: the starter who stands deepest keeps goal.
    int32_t bester = -1, kleinstes = 11800;
    for (int32_t slot = 16 * s; slot < 16 * s + k; ++slot) {
        Spielfeld_Spieler& e = r->spieler[slot];
        if (e.zustand != SPIELFELD_AUF_DEM_PLATZ) continue;
        int32_t pt[8];
        punkte_lesen(team, e.spnr, pt);
        if (pt[4] < kleinstes) {
            kleinstes = pt[4];
            bester = slot;
        }
    }
    if (bester < 0) return;
    r->objekt[bester].torwart = 1;
    torwart_punkte(r->spieler[bester].taktik_punkte);
    if (gespiegelt) spiegeln(r->spieler[bester].taktik_punkte);
}

void zweite_aufstellung(Spielfeld_Record* r, int32_t s)
{
    int32_t bank = 0;
    for (int32_t slot = 16 * s; slot < 16 * s + 16; ++slot) {
        Spielfeld_Spieler& e = r->spieler[slot];
        const uint32_t bits = e.zustand & KADER;
        if (e.spnr < 0 || (bits != SPIELFELD_AUF_DEM_PLATZ && bits != SPIELFELD_ERSATZ)) continue;
        int32_t* pt = e.taktik_punkte;
        spiegeln(pt);
        aufstellen(r, slot, (pt[0] + pt[1]) / 2, (pt[2] + pt[3]) / 2);
        if (bits == SPIELFELD_ERSATZ) {
            e.bank_nummer = uint8_t(bank++);
            Spielfeld_Verhalten_Bank(r, slot, 1);
        }
    }
}

// A figure of the officials walks to its place and starts there.
void offizieller(Spielfeld_Record* r, int32_t o, int32_t x, int32_t y)
{
    Spielfeld_Objekt& ob = r->objekt[o];
    ob.ring = 0;
    ob.aktiv = 1;
    ob.entscheidung_timer = 0.1f;
    Spielfeld_Auftrag_Geben(r, o, x, y, 0, 830, ANIM_BEWEGEN, 0, -1, 0, -1, 1, -1, 0, AUFTRAG_SUCHEN);
    Spielfeld_Objekt_Setzen(r, o, -1, 0, 0);
}

int32_t anweisung(int32_t team, int32_t spnr, int32_t feld, int32_t ersatz)
{
    const int32_t v = Teamspieler_Wert(feld, team, spnr, 0, 0);
    return v < 0 ? ersatz : v;
}

void spieler_ausstatten(Spielfeld_Record* r, int32_t s)
{
    const int32_t team = int32_t(r->team[s]);
    for (int32_t slot = 16 * s; slot < 16 * s + 16; ++slot) {
        Spielfeld_Spieler& e = r->spieler[slot];
        if (e.spnr < 0) continue;
        uint8_t* a = e.anweisung;  // +115
        a[1] = 2;
        if (r->objekt[slot].torwart) {
            a[0] = a[3] = a[4] = a[5] = a[6] = 2;
            for (int32_t k = 0; k < 3; ++k) a[7 + k] = uint8_t(anweisung(team, e.spnr, 335 + k, k == 0 ? 1 : 2));
        } else {
            const int32_t ziel[5] = {0, 3, 4, 5, 6};
            for (int32_t k = 0; k < 5; ++k) a[ziel[k]] = uint8_t(anweisung(team, e.spnr, 330 + k, 2));
            a[7] = a[8] = a[9] = 2;
        }
        const uint32_t bits = e.zustand & KADER;
        if (bits) {
            const uint32_t flags = uint32_t(Teamspieler_Wert(317, team, e.spnr, 0, 0));
            uint32_t* schuetze[3] = {&r->freistoss_schuetze[s], &r->elfmeter_schuetze[s], &r->ecken_schuetze[s]};
            for (int32_t k = 0; k < 3; ++k)
                if ((flags & (0x4000u << k)) && (int32_t(*schuetze[k]) == -1 || bits == SPIELFELD_AUF_DEM_PLATZ))
                    *schuetze[k] = uint32_t(e.spnr);
            const int32_t partner = Teamspieler_Wert(316, team, e.spnr, 0, 0);
            for (int32_t t = 0; partner >= 0 && t < SPIELFELD_SLOTS; ++t)
                if (t != slot && r->spieler[t].spnr == partner) {
                    e.partner[1] = uint8_t(t);
                    r->spieler[t].partner[2] = uint8_t(slot);
                    break;
                }
        }
        Spielfeld_Get_Spielerstaerke(r, team, slot);
    }
}

}  // namespace

void Spielfeld_Team_An_Positionen(Spielfeld_Record* r, int32_t s, int32_t gespiegelt)
{
    if (!r) {
        Print_Fehler("Spielfeld_Team_An_Positionen: Null Pointer\n");
        return;
    }
    if (s < 0 || s > 1) return;
    if (r->spieler[16 * s].spnr == -1) erste_aufstellung(r, s, gespiegelt != 0);
    else zweite_aufstellung(r, s);
    Spielfeld_Verhalten_Nebenobjekt(r, SPIELFELD_BANK + s, 1);
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
        Spielfeld_Spieler& e = r->spieler[slot];
        r->objekt[slot].zustand = 0;
        e.zustand &= 0x1003F0u;
        Spielfeld_Aufstellung_Zustand[slot] = uint8_t(e.zustand);
        Spielfeld_Aufstellung_Spieler[slot] = e.spnr;
        Spielfeld_Aufstellung_Nummer[slot] = e.anweisung[2];
    }
}

void Spielfeld_Taktik_Positionen_Setzen(Spielfeld_Record* r, int32_t s, int32_t gespiegelt)
{
    if (!r || s < 0 || s > 1) return;
    const int32_t team = int32_t(r->team[s]);
    for (int32_t slot = 16 * s; slot < 16 * s + 16; ++slot) {
        Spielfeld_Spieler& e = r->spieler[slot];
        if (e.spnr < 0 || !(e.zustand & SPIELFELD_AUF_DEM_PLATZ)) continue;
        if (Teamspieler_Wert(310, team, e.spnr, 0, 0) == TORWART_POSITION) torwart_punkte(e.taktik_punkte);
        else punkte_lesen(team, e.spnr, e.taktik_punkte);
        if (gespiegelt) spiegeln(e.taktik_punkte);
    }
}

void Spielfeld_Torteile_Aufstellen(Spielfeld_Record* r)
{
    if (!r) return;
    for (int32_t i = 0; i < 8; ++i) {
        const int32_t o = SPIELFELD_TORTEILE + i;
        Spielfeld_Auftrag_Geben(r, o, -1, 0, 0, 0, ANIM_TOR_RUHE + i, 0, 0, 0, -1, 1, 0, -1, 0);
        Spielfeld_Objekt_Setzen(r, o, -1, 0, 0);
        r->objekt[o].aktiv = 1;
        r->objekt[o].wert_276 = -1;
    }
}

void Spielfeld_Torteile_Aufstellen_Start(Spielfeld_Record* r) { Spielfeld_Torteile_Aufstellen(r); }

namespace {

// What every record holds: the game, both clubs and their balanced strengths. The clear keeps
// what the match day set before: the display state and the record's seed. A record new from
// the list is clear already (a clear of some 25 KB a game less).
void kopf_eintragen(Spielfeld_Record* r, const Spiele_Spiel* spiel, int32_t spielnummer, bool frisch = false)
{
    if (!frisch) {
        const uint8_t anzeige = r->anzeige;
        const uint32_t seed = r->seed;
        *r = Spielfeld_Record{};
        r->anzeige = anzeige;
        r->seed = seed;
    }
    const float tempo = float(Spieltag_Get_Geschwindigkeit(nullptr, nullptr)) * 0.0142857f;
    r->tempo_faktor = tempo < 1.0f ? 1.0f : tempo;
    r->ballhalter = -1;
    r->schuetze_bestimmt = r->zweiter_bestimmt = -1;
    // The view starts with every player's number shown.
    r->beschriftung = -3;
    r->spiel = uint32_t(spielnummer);
    for (Spielfeld_Spieler& e : r->spieler) e.kraft = 10000;
    std::memset(r->einwechsel, 255, sizeof r->einwechsel);
    std::memset(r->auswechsel, 255, sizeof r->auswechsel);
    // No point of either side's half-time response curve is reached yet.
    std::memset(r->antwortkurve, 0xFF, sizeof r->antwortkurve);

    const int32_t teams[2] = {spiel->heim, spiel->gast};
    for (int32_t s = 0; s < 2; ++s) {
        const int32_t t = teams[s];
        r->team[s] = uint32_t(t);
        r->ansprache[s] = 2;
        r->staerke[s] = int8_t(Team_Spielfeld_Staerke(t, 1, 1, 1));
        int32_t m[5][6] = {};
        Team_Staerke(255, 2, t, m);
        r->team_wert[s] = m[4][4];
        r->wechsel_uebrig[s] = 3;
        // A computer club plays at 70, the figure a manager's club starts with (his slider moves it).
        const int32_t einsatz = Team_Hat_Manager(t) ? Team_Wert(TEAM_OPTION, t, 0, TEAM_LESEN) : TEAM_EINSATZ_COMPUTER;
        r->einsatz[s] = uint8_t(std::clamp(einsatz, 0, 100));
        if (const auto* taktik = static_cast<const uint8_t*>(Team_Zeiger(TEAM_TAKTIK, t, nullptr, 0)))
            std::memcpy(r->taktik[s], taktik, 8);
        if (const auto* tabelle = static_cast<const uint8_t*>(Team_Zeiger(TEAM_TAKTIK_EINSTELLUNGEN, t, nullptr, 0)))
            for (int32_t i = 0; i < 8; ++i) r->taktik_werte[s][i] = tabelle[3 * i + std::min<int32_t>(r->taktik[s][i], 2)];
        r->aufstellung_wert[s] = 2;
        // Tired and hurt players come off for every side, with or without an assistant, until
        // the manager takes the side's tactics or effort in hand on the live panel.
        r->assistent[s] = 1;
        const int32_t assistent = Assistent_Mit_Aufgabe(t, 0);
        if (assistent >= 0) r->assistent_faehigkeit[s] = uint8_t(Assistent_Faehigkeit(t, assistent, 0));
        if (Assistent_Mit_Aufgabe(t, 1) >= 0) r->zweiter_betreuer[s] = 1;
    }
    Spielfeld_Staerke_Ausgleichen(*r);
}

}  // namespace

void Spielfeld_Daten_Eintragen_Hintergrund(Spielfeld_Record* r, const Spiele_Spiel* spiel, int32_t spielnummer, bool frisch)
{
    if (!r || !spiel) {
        Print_Fehler("Spielfeld_Daten_Eintragen: Null Pointer\n");
        return;
    }
    kopf_eintragen(r, spiel, spielnummer, frisch);
    const int32_t seiten = Zufall(0, 1);
    r->seiten_getauscht = uint8_t(seiten);
    for (Spielfeld_Spieler& e : r->spieler) e.spnr = -1;
    for (int32_t s = 0; s < 2; ++s) {
        erste_aufstellung(r, s, (seiten ^ s) != 0);
        Spielfeld_Get_Spielerkraft_Seite(r, s);
    }
}

void Spielfeld_Daten_Eintragen(Spielfeld_Record* r, const Spiele_Spiel* spiel, int32_t spielnummer, int32_t angezeigt)
{
    if (!r || !spiel) {
        Print_Fehler("Spielfeld_Daten_Eintragen: Null Pointer\n");
        return;
    }
    kopf_eintragen(r, spiel, spielnummer);
    if (angezeigt != -1 && (angezeigt || r->anzeige || Wettbewerb_Get_Schalter(spiel->wettbewerb, 3))) r->aktiv = 1;
    for (Spielfeld_Objekt& o : r->objekt)
        for (Spielfeld_Auftrag& a : o.auftrag) a.animation = -1;

    const int32_t seiten = Zufall(0, 1);
    r->seiten_getauscht = uint8_t(seiten);
    Spielfeld_Tor_Punkte_Setzen(r);

    for (Spielfeld_Spieler& e : r->spieler) e.spnr = -1;
    for (int32_t s = 0; s < 2; ++s) {
        Spielfeld_Team_An_Positionen(r, s, r->seiten_getauscht ^ s);
        r->b_20520[s] = 2;
        r->freistoss_schuetze[s] = r->elfmeter_schuetze[s] = r->ecken_schuetze[s] = uint32_t(-1);
    }
    for (int32_t s = 0; s < 2; ++s) spieler_ausstatten(r, s);

    Spielfeld_Objekt& ball = r->objekt[SPIELFELD_BALL];
    Ball_Objekt = &ball;
    Ball_Auftrag = &ball.auftrag[0];
    ball.zielpunkt = 1;
    ball.ring = 0;
    ball.aktiv = 1;
    Spielfeld_Objekt_Setzen(r, SPIELFELD_BALL, laenge() / 2, breite() / 2, 0);
    Spielfeld_Auftrag_Tempo_Setzen(r, SPIELFELD_BALL, 0.0f, 0);

    offizieller(r, SPIELFELD_SCHIEDSRICHTER, laenge() / 2, breite() / 2 - 150);
    offizieller(r, 33, laenge() / 2 - laenge() / 4, 0);
    offizieller(r, 34, laenge() / 2 + laenge() / 4, breite());
    for (int32_t i = 0; i < 4; ++i) {
        const int32_t o = SPIELFELD_ECKFAHNEN + i;
        r->objekt[o].aktiv = 1;
        Spielfeld_Auftrag_Geben(r, o, -1, 0, 0, 0, ANIM_ECKFAHNE + i, 0, 0, 0, -1, 1, 0, 0, 0);
        Spielfeld_Objekt_Setzen(r, o, -1, 0, 0);
    }
    r->objekt[SPIELFELD_BANK].aktiv = r->objekt[SPIELFELD_BANK + 1].aktiv = 1;
    Spielfeld_Torteile_Aufstellen(r);

    const int32_t zufall = Zufall(0, 255);
    r->anstoss_zufall = uint8_t(zufall);
    Spielfeld_Anpfiff_Record(r, 0);
    letzte_frame_zeit = Timer_Get_Time();
    r->frame_zeit = letzte_frame_zeit;
}

void Spielfeld_Umgebung_Setzen(Spielfeld_Record* r, const Spiele_Spiel* m)
{
    if (!r) return;
    uint8_t wetter = 0;
    if (m && m->wetter != 255 && m->wetter > 76) {
        wetter = 1;
        if (m->temperatur < 2) wetter = Stadion_Get_Anlage_Wert(int32_t(r->team[0]), 8) > 0 ? 2 : 3;
    }
    r->wetter = wetter;
    r->boden_faktor = wetter ? 1.4f : 1.2f;
    // the pitch's look and the figures' palette, alike on server and clients
    r->platz_art = uint8_t(r->team[0] % 5);
    r->platz_variante = uint8_t((r->team[0] / 5) % 2);
    Spielszenen_Szenen_Palette(r->palette);
    r->zuschauer_stimmung[0] = r->zuschauer_stimmung[1] = 40;
    r->schiri_wert[0] = r->schiri_wert[1] = 3;
    // The day's referee goes with the record: a client holds no stored game to read him from.
    if (m && m->schiedsrichter >= 0) r->schiedsrichter = uint32_t(m->schiedsrichter);
    r->aktions_sperre = 1;
}
