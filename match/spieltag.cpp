// The match day's lists, cursor, lookups, life cycle and savegame block.
#include "match/spieltag.h"

#include <cmath>
#include <cstring>
#include <set>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "gameflow/ablauf_anfrage.h"
#include "gameflow/globals.h"
#include "match/spielfeld.h"
#include "match/spieltag_intern.h"
#include "platform/disk.h"
#include "platform/exit.h"
#include "platform/liste.h"
#include "platform/print.h"

Liste Spieltag_Wettbewerbe{};
Liste Spieltag_Elfmeter_Liste{};
int32_t Spielgeschwindigkeit = SPIELTAG_TEMPO_START;
Spieltag_Uhr_Daten Spieltag_Uhr{0, float(SPIELTAG_TEMPO_START), 1.0f, 0, 0};

namespace {

// The pitch keeps at most this many live records; more games a day are reported loudly.
constexpr uint32_t SPIELE_PRO_TAG_MAX = 200;

Spieltag_Gegner_Hook gegner_hook = nullptr;
Spieltag_Spiele_Hook spiele_hook = nullptr;
Spieltag_Ablauf_Hook ablauf_hook = nullptr;

// The cursor: the current entry's payload, its n and the word index of the next game.
uint32_t* cursor = nullptr;
uint32_t cursor_n = 0;
uint32_t cursor_p = 0;

void cursor_loeschen()
{
    cursor = nullptr;
    cursor_n = 0;
    cursor_p = 0;
}

void le32(uint8_t* p, uint32_t v) { Disk_LE32_Setzen(p, v); }

}  // namespace

// ---- Shared helpers ----

bool spieltag_gemeldet(const char* aufruf, int32_t* antwort)
{
    if (!ablauf_hook) return false;
    *antwort = ablauf_hook(aufruf);
    return true;
}

Spieltag_Eintrag spieltag_eintrag(Liste_Element* e)
{
    Spieltag_Eintrag r;
    if (!e || !e->data || e->size < LISTE_KOPF_BYTES + 8) return r;
    uint32_t* w = static_cast<uint32_t*>(e->data);
    if (e->size - LISTE_KOPF_BYTES < 8 + 8ull * w[0]) return r;
    r.w = w;
    r.n = w[0];
    r.wettbewerb = int32_t(e->key);
    return r;
}

bool spieltag_spiel_finden(int32_t spiel, Spieltag_Eintrag* eintrag, uint32_t* index)
{
    if (!Spieltag_Uhr.initialisiert) return false;
    for (Liste_Element* e = Spieltag_Wettbewerbe.next; e; e = e->next) {
        const Spieltag_Eintrag s = spieltag_eintrag(e);
        for (uint32_t i = 0; i < s.n; ++i)
            if (s.spiel(i) == spiel) {
                if (eintrag) *eintrag = s;
                if (index) *index = i;
                return true;
            }
    }
    return false;
}

void spieltag_cursor_setzen(Liste_Element* e, uint32_t i)
{
    const Spieltag_Eintrag s = spieltag_eintrag(e);
    if (!s || i >= s.n) {
        cursor_loeschen();
        return;
    }
    cursor = s.w;
    cursor_n = s.n;
    cursor_p = s.n + 2 + i;
}

bool spieltag_laeuft() { return Spieltag_Uhr.initialisiert != 0; }

void spieltag_beenden(bool locks_freigeben)
{
    spieltag_nachspielzeit_vergessen();
    if (Spieltag_Uhr.initialisiert) {
        if (locks_freigeben)
            for (Liste_Element* e = Spieltag_Wettbewerbe.next; e; e = e->next) {
                const Spieltag_Eintrag s = spieltag_eintrag(e);
                // A competition that closed its round with the day has taken its games back.
                for (uint32_t i = 0; i < s.n; ++i)
                    if (s.spiel(i) > 0 && Spiele_Ist_Gelockt(s.spiel(i))) Spiele_Unlock(s.spiel(i));
            }
        Liste_Delete_All(&Spieltag_Wettbewerbe);
        Liste_Delete_All(&Spieltag_Elfmeter_Liste);
        cursor_loeschen();
    }
    Spielfeld_DeInit();
    Spieltag_Uhr.initialisiert = 0;
}

// ---- Life cycle ----

void Spieltag_Set_Ablauf_Hook(Spieltag_Ablauf_Hook hook) { ablauf_hook = hook; }

void Spieltag_Init(const int32_t* wettbewerbe, int32_t anzahl)
{
    int32_t antwort = 0;
    if (spieltag_gemeldet("Spieltag_Init", &antwort)) return;
    spieltag_beenden(true);
    Liste_Init(&Spieltag_Wettbewerbe);
    Liste_Init(&Spieltag_Elfmeter_Liste);
    Spieltag_Uhr.initialisiert = 1;
    Spieltag_Uhr.vorlauf = 0;
    Spieltag_Uhr.verhaeltnis = float(SPIELTAG_TEMPO_START) / float(Spielgeschwindigkeit);
    Spielfeld_Init();
    // Each at the front, from the last to the first: the list keeps the calendar's order.
    for (int32_t i = (wettbewerbe ? anzahl : 0) - 1; i >= 0; --i)
        Wettbewerb_Spieltag_Hinzufuegen(&Spieltag_Wettbewerbe, wettbewerbe[i], -1);
    uint32_t spiele = 0;
    for (Liste_Element* e = Spieltag_Wettbewerbe.next; e; e = e->next) spiele += spieltag_eintrag(e).n;
    if (spiele > SPIELE_PRO_TAG_MAX) {
        Print_Fehler("Spieltag_Init: %u Spiele an einem Tag, höchstens %u haben ein Spielfeld!\n", spiele,
                     SPIELE_PRO_TAG_MAX);
        Print_Log(0, "Spieltag_Init: %u Spiele an einem Tag, höchstens %u haben ein Spielfeld!\n", spiele,
                  SPIELE_PRO_TAG_MAX);
    }
    if (Netz_Rolle != 1) Spieltag_Spiele_Vorbereiten();
    Spieltag_Uhr.minute = 0;
    Spieltag_Uhr.bruchteil = float(Spielgeschwindigkeit);
}

void Spieltag_DeInit()
{
    int32_t antwort = 0;
    if (spieltag_gemeldet("Spieltag_DeInit", &antwort)) return;
    spieltag_beenden(true);
}

bool Spieltag_Ist_Initialisiert()
{
    if (Spieltag_Uhr.initialisiert) return true;
    Print_Fehler("Spieltag wurde nicht initialisiert!\n");
    return false;
}

bool Spieltag_Spiele_Anlegen()
{
    int32_t antwort = 0;
    if (spieltag_gemeldet("Spieltag_Spiele_Anlegen", &antwort)) return antwort != 0;
    if (!Spieltag_Ist_Initialisiert()) return false;
    for (Liste_Element* e = Spieltag_Wettbewerbe.next; e; e = e->next) {
        const Spieltag_Eintrag s = spieltag_eintrag(e);
        for (uint32_t i = 0; i < s.n; ++i) {
            Spiele_Ereignis_Speicher_Reservieren(s.spiel(i));
            Spiele_Tore_Nullen(s.spiel(i));
        }
    }
    return true;
}

void Spieltag_Set_Uhr(int32_t minute, float bruchteil)
{
    if (!spieltag_laeuft()) return;
    Spieltag_Uhr.minute = minute;
    Spieltag_Uhr.bruchteil = bruchteil;
}

void Spieltag_Get_Uhr(int32_t* minute, float* bruchteil)
{
    if (minute) *minute = Spieltag_Uhr.minute;
    if (bruchteil) *bruchteil = Spieltag_Uhr.bruchteil;
}

int32_t Spieltag_Set_Geschwindigkeit(int32_t tempo)
{
    if (tempo >= SPIELTAG_TEMPO_MIN && tempo <= SPIELTAG_TEMPO_MAX) Spielgeschwindigkeit = tempo;
    return tempo;
}

int32_t Spieltag_Get_Geschwindigkeit(int32_t* minimum, int32_t* maximum)
{
    if (minimum) *minimum = SPIELTAG_TEMPO_MIN;
    if (maximum) *maximum = SPIELTAG_TEMPO_MAX;
    return Spielgeschwindigkeit;
}

bool Spieltag_Team_Spielt(int32_t team)
{
    if (!spieltag_laeuft() || team < 0) return false;
    for (Liste_Element* e = Spieltag_Wettbewerbe.next; e; e = e->next) {
        const Spieltag_Eintrag s = spieltag_eintrag(e);
        for (uint32_t i = 0; i < s.n; ++i) {
            const Spiele_Spiel* m = Spiele_Get_Spiel(s.spiel(i), 1);
            if (m && (m->heim == team || m->gast == team)) return true;
        }
    }
    return false;
}

bool Spieltag_Team_Spielt_Auf_Dem_Platz(int32_t team)
{
    int32_t antwort = 0;
    if (spieltag_gemeldet("Spieltag_Team_Spielt_Auf_Dem_Platz", &antwort)) return antwort != 0;
    if (!spieltag_laeuft() || team < 0) return false;
    for (Liste_Element* e = Spieltag_Wettbewerbe.next; e; e = e->next) {
        const Spieltag_Eintrag s = spieltag_eintrag(e);
        for (uint32_t i = 0; i < s.n; ++i) {
            const Spielfeld_Record* r = Spielfeld_Get_Spiel(s.spiel(i));
            if (r && r->aktiv && (int32_t(r->team[0]) == team || int32_t(r->team[1]) == team) &&
                s.zustand(i) != SPIELTAG_AUS)
                return true;
        }
    }
    return false;
}

// ---- Cursor ----

Liste_Element* Spieltag_Get_Wettbewerbe_Liste() { return spieltag_laeuft() ? &Spieltag_Wettbewerbe : nullptr; }
Liste_Element* Spieltag_Get_Elfmeter_Liste() { return spieltag_laeuft() ? &Spieltag_Elfmeter_Liste : nullptr; }

int32_t Spieltag_Wettbewerb_Erstes_Spiel(Liste_Element* knoten)
{
    const Spieltag_Eintrag s = spieltag_eintrag(knoten);
    if (!s) return 0;
    cursor = s.w;
    cursor_n = s.n;
    cursor_p = s.n + 2;
    return s.n ? int32_t(cursor[cursor_p]) : 0;
}

int32_t Spieltag_Naechstes_Spiel()
{
    if (!cursor) return 0;
    const uint32_t ende = 2 * cursor_n + 2;
    if (cursor_p >= ende) return 0;
    ++cursor_p;
    return cursor_p < ende ? int32_t(cursor[cursor_p]) : 0;
}

// Index of the cursor's last game, -1 when it is not inside the games.
static int32_t cursor_index()
{
    if (!cursor || cursor_p < cursor_n + 2 || cursor_p >= 2 * cursor_n + 2) return -1;
    return int32_t(cursor_p - cursor_n - 2);
}

uint32_t Spieltag_Get_Laeuft(int32_t i)
{
    if (i >= 0) {
        if (!cursor || uint32_t(i) >= cursor_n) {
            Print_Fehler("Get_Läuft-Überlauf: %d\n", i);
            return 0;
        }
        return cursor[2 + i];
    }
    const int32_t k = cursor_index();
    if (k < 0) {
        Print_Fehler("Get_Läuft-Überlauf2: %d\n", int32_t(cursor_p));
        return 0;
    }
    return cursor[2 + k];
}

void Spieltag_Set_Laeuft(int32_t i, uint32_t zustand)
{
    if (i >= 0) {
        if (!cursor || uint32_t(i) >= cursor_n) {
            Print_Fehler("Set_Läuft-Überlauf: %d\n", i);
            return;
        }
        cursor[2 + i] = zustand;
        return;
    }
    const int32_t k = cursor_index();
    if (k < 0) {
        Print_Fehler("Set_Läuft-Überlauf2: %d\n", int32_t(cursor_p));
        return;
    }
    cursor[2 + k] = zustand;
}

int32_t Spieltag_Get_Spiel(int32_t i)
{
    if (!cursor || i < 0 || uint32_t(i) >= cursor_n) {
        Print_Fehler("Set_Get_Spiel-Überlauf: %d\n", i);
        return 0;
    }
    return int32_t(cursor[cursor_n + 2 + i]);
}

int32_t Spieltag_Get_Halbzeit() { return cursor ? int32_t(cursor[1]) : -1; }

void Spieltag_Naechste_Halbzeit()
{
    if (cursor) ++cursor[1];
}

int32_t Spieltag_Wettbewerb_Anzahl_Spiele(Liste_Element* knoten)
{
    Spieltag_Wettbewerb_Erstes_Spiel(knoten);
    return int32_t(spieltag_eintrag(knoten).n);
}

// ---- Lookups ----

int32_t Spieltag_Get_Wettbewerbe(int32_t* wettbewerbe, int32_t kapazitaet)
{
    if (!spieltag_laeuft() || !wettbewerbe) return 0;
    int32_t n = 0;
    for (Liste_Element* e = Spieltag_Wettbewerbe.next; e && n < kapazitaet; e = e->next) wettbewerbe[n++] = int32_t(e->key);
    return n;
}

bool Spieltag_Get_Spiele(int32_t wettbewerb, int32_t* spiele, int32_t kapazitaet)
{
    if (spiele_hook) return spiele_hook(wettbewerb, spiele);
    if (spiele && kapazitaet > 0) spiele[0] = 0;
    if (!spieltag_laeuft()) {
        Print_Fehler("Spieltag-Modul nicht initialisiert!");
        return false;
    }
    if (!spiele || wettbewerb < 0) return false;
    const Spieltag_Eintrag s = spieltag_eintrag(Liste_Find_Key(&Spieltag_Wettbewerbe, uint32_t(wettbewerb)));
    if (!s) return false;
    if (int64_t(s.n) + 1 > kapazitaet) {
        Print_Fehler("Spieltag_Get_Spiele: %u Spiele passen nicht in %d Plätze\n", s.n, kapazitaet);
        return false;
    }
    spiele[0] = int32_t(s.n);
    for (uint32_t i = 0; i < s.n; ++i) spiele[1 + i] = s.spiel(i);
    return true;
}

bool Spieltag_Get_Spiele(int32_t wettbewerb, int32_t* spiele)
{
    return Spieltag_Get_Spiele(wettbewerb, spiele, SPIELTAG_TAGESLISTE);
}

void Spieltag_Set_Spiele_Hook(Spieltag_Spiele_Hook hook) { spiele_hook = hook; }

void Spieltag_Set_Gegner_Hook(Spieltag_Gegner_Hook hook) { gegner_hook = hook; }

namespace {

// A client's match day runs only while its games play; in its round it knows today's games from
// the day's data the server sent, so that its line-up is made against the same opponent as on
// the server (no game number: the client holds no record of the game then).
int32_t client_gegner(int32_t team, int32_t* auswaerts, int32_t* wichtigkeit, int32_t* wettbewerb)
{
    if (Netz_Rolle != 1) return -1;
    for (const Ablauf_Tagesspiel& s : Ablauf_Tagesspiele()) {
        if (s.heim != team && s.gast != team) continue;
        const bool weg = s.gast == team;
        const int32_t gegner = weg ? s.heim : s.gast;
        if (gegner < 0 || gegner >= Team_Anzahl) return -1;
        if (wettbewerb) *wettbewerb = s.wettbewerb;
        if (auswaerts) *auswaerts = weg && Wettbewerb_Ist_Heimrecht(s.wettbewerb) ? 1 : 0;
        if (wichtigkeit) *wichtigkeit = Wettbewerb_Get_Spieltag_Gesamt(s.wettbewerb, -1);
        return gegner;
    }
    return -1;
}

}  // namespace

namespace {

// Each club's first game of the day (game -1: none) while a Spieltag_Gegner_Halten lives, made
// under the day list's count it holds for.
struct Gegner_Tafel {
    struct Erstes {
        int32_t spiel = -1, wettbewerb = -1;
    };
    int32_t tiefe = 0;
    uint64_t stand = 0;
    std::vector<Erstes> erstes;  // by club
};
// Clubs numbered from here on (the stores' marks for none) are looked for by the walk.
constexpr int32_t TAFEL_GRENZE = 1 << 16;
Gegner_Tafel gegner_tafel;

// The answer for the club's game m (game g of competition c).
int32_t gegner_melden(int32_t team, const Spiele_Spiel& m, int32_t g, int32_t c, int32_t* auswaerts,
                      int32_t* wichtigkeit, int32_t* spiel, int32_t* wettbewerb)
{
    const bool weg = m.gast == team;
    const int32_t gegner = weg ? m.heim : m.gast;
    if (spiel) *spiel = g;
    if (wettbewerb) *wettbewerb = c;
    if (auswaerts) *auswaerts = weg && Wettbewerb_Ist_Heimrecht(c) ? 1 : 0;
    if (wichtigkeit) *wichtigkeit = Wettbewerb_Get_Spieltag_Gesamt(c, -1);
    return gegner;
}

}  // namespace

Spieltag_Gegner_Halten::Spieltag_Gegner_Halten()
{
    if (gegner_tafel.tiefe++ > 0) return;
    gegner_tafel.stand = Liste_Stand_Von(&Spieltag_Wettbewerbe);
    gegner_tafel.erstes.clear();
    for (Liste_Element* e = Spieltag_Wettbewerbe.next; e; e = e->next) {
        const Spieltag_Eintrag s = spieltag_eintrag(e);
        for (uint32_t i = 0; i < s.n; ++i) {
            const Spiele_Spiel* m = Spiele_Get_Spiel(s.spiel(i), 1);
            if (!m) continue;
            for (const int32_t t : {m->heim, m->gast}) {
                if (t < 0 || t >= TAFEL_GRENZE) continue;
                if (size_t(t) >= gegner_tafel.erstes.size()) gegner_tafel.erstes.resize(size_t(t) + 1);
                Gegner_Tafel::Erstes& x = gegner_tafel.erstes[size_t(t)];
                if (x.spiel < 0) x = {s.spiel(i), s.wettbewerb};
            }
        }
    }
}

Spieltag_Gegner_Halten::~Spieltag_Gegner_Halten()
{
    if (--gegner_tafel.tiefe == 0) gegner_tafel.erstes.clear();
}

int32_t Spieltag_Get_Gegner(int32_t team, int32_t* auswaerts, int32_t* wichtigkeit, int32_t* spiel,
                            int32_t* wettbewerb)
{
    if (gegner_hook) return gegner_hook(team, auswaerts, wichtigkeit, spiel, wettbewerb);
    if (wichtigkeit) *wichtigkeit = 0;
    if (spiel) *spiel = -1;
    if (team < 0) return -1;
    if (!spieltag_laeuft()) return client_gegner(team, auswaerts, wichtigkeit, wettbewerb);
    // The table answers while the day's list stands and its game still has the club; else the walk.
    if (gegner_tafel.tiefe > 0 && gegner_tafel.stand == Liste_Stand_Von(&Spieltag_Wettbewerbe)) {
        if (team < TAFEL_GRENZE) {
            if (size_t(team) >= gegner_tafel.erstes.size()) return -1;
            const Gegner_Tafel::Erstes x = gegner_tafel.erstes[size_t(team)];
            if (x.spiel < 0) return -1;
            const Spiele_Spiel* m = Spiele_Get_Spiel(x.spiel, 1);
            if (m && (m->heim == team || m->gast == team))
                return gegner_melden(team, *m, x.spiel, x.wettbewerb, auswaerts, wichtigkeit, spiel, wettbewerb);
        }
    }
    for (Liste_Element* e = Spieltag_Wettbewerbe.next; e; e = e->next) {
        const Spieltag_Eintrag s = spieltag_eintrag(e);
        for (uint32_t i = 0; i < s.n; ++i) {
            const Spiele_Spiel* m = Spiele_Get_Spiel(s.spiel(i), 1);
            if (!m || (m->heim != team && m->gast != team)) continue;
            return gegner_melden(team, *m, s.spiel(i), s.wettbewerb, auswaerts, wichtigkeit, spiel, wettbewerb);
        }
    }
    return -1;
}

int32_t Spieltag_Get_Gegner(int32_t team, int32_t* spiel) { return Spieltag_Get_Gegner(team, nullptr, nullptr, spiel, nullptr); }

int32_t Spieltag_Get_Gegner(int32_t team, int32_t* auswaerts, int32_t* spiel, int32_t* wettbewerb)
{
    return Spieltag_Get_Gegner(team, auswaerts, nullptr, spiel, wettbewerb);
}

// ---- Savegame ----

void Spieltag_Elfmeter_Packen(const Spieltag_Elfmeter_Eintrag& e, uint8_t bild[104])
{
    for (int s = 0; s < 2; ++s) {
        le32(bild + 4 * s, uint32_t(e.start_tore[s]));
        for (int k = 0; k < 11; ++k) le32(bild + 8 + 44 * s + 4 * k, e.schuetzen[s][k]);
        bild[96 + s] = e.anzahl[s];
        bild[98 + s] = e.index[s];
    }
    bild[100] = e.am_zug;
    bild[101] = e.erster;
    bild[102] = e.serie;
    bild[103] = e.rest;
}

bool Spieltag_Elfmeter_Entpacken(const uint8_t* bild, uint32_t laenge, Spieltag_Elfmeter_Eintrag* e)
{
    if (!bild || !e || laenge != 104) return false;
    Spieltag_Elfmeter_Eintrag x{};
    for (int s = 0; s < 2; ++s) {
        x.start_tore[s] = int32_t(Disk_LE32_Lesen(bild + 4 * s));
        for (int k = 0; k < 11; ++k) x.schuetzen[s][k] = Disk_LE32_Lesen(bild + 8 + 44 * s + 4 * k);
        x.anzahl[s] = bild[96 + s];
        x.index[s] = bild[98 + s];
        // An index must name a taker; a side without takers keeps index 0.
        if (x.anzahl[s] > 11 || (x.anzahl[s] ? x.index[s] >= x.anzahl[s] : x.index[s] != 0)) return false;
        if (x.start_tore[s] < 0 || x.start_tore[s] > 255) return false;
    }
    x.am_zug = bild[100];
    x.erster = bild[101];
    x.serie = bild[102];
    x.rest = bild[103];
    if (x.am_zug > 1 || x.erster > 1 || (x.serie != 5 && x.serie != 1) || x.rest > x.serie) return false;
    *e = x;
    return true;
}

bool Spieltag_Speichern(Disk_Datei* datei)
{
    const uint8_t flag = Spieltag_Uhr.initialisiert ? 1 : 0;
    if (!Disk_Schreibe_Block(datei, &flag, 1)) return false;
    if (!flag) return true;
    if (!Liste_Write_File(datei, &Spieltag_Wettbewerbe) || !Liste_Write_File(datei, &Spieltag_Elfmeter_Liste)) return false;
    uint32_t werte[5];
    werte[0] = uint32_t(Spieltag_Uhr.minute);
    werte[1] = uint32_t(Spielgeschwindigkeit);
    std::memcpy(&werte[2], &Spieltag_Uhr.verhaeltnis, 4);
    std::memcpy(&werte[3], &Spieltag_Uhr.bruchteil, 4);
    werte[4] = uint32_t(Spieltag_Uhr.vorlauf);
    for (uint32_t w : werte) {
        uint8_t b[4];
        le32(b, w);
        if (!Disk_Schreibe_Block(datei, b, 4)) return false;
    }
    return true;
}

namespace {

Liste neu_wettbewerbe{};
Liste neu_elfmeter{};

// The lists as read: every count, state, handle and shoot-out entry checked against the data.
bool gelesen_pruefen()
{
    std::set<uint32_t> spiele;
    uint32_t gesamt = 0;
    for (Liste_Element* e = neu_wettbewerbe.next; e; e = e->next) {
        const uint32_t nutz = e->size - LISTE_KOPF_BYTES;
        if (nutz < 8 || !e->data) return false;
        const uint32_t* w = static_cast<const uint32_t*>(e->data);
        const uint32_t n = w[0];
        if (n > SPIELE_LOCKS || nutz != 8 + 8 * n) return false;
        if (!Wettbewerb_Get_Info(int32_t(e->key))) return false;
        // More halves than any competition plays (normal, extra, shoot-out) is no saved day.
        if (w[1] > 64) return false;
        gesamt += n;
        for (uint32_t i = 0; i < n; ++i) {
            const uint32_t h = w[2 + n + i];
            if (w[2 + i] > SPIELTAG_ELFMETER || h < 1 || h > uint32_t(SPIELE_LOCKS) || !spiele.insert(h).second) return false;
            // A client empties the list again; the server's handles are not its own.
            if (Netz_Rolle != 1 && !Spiele_Get_Spiel(int32_t(h), 1)) return false;
        }
    }
    if (gesamt > uint32_t(SPIELE_LOCKS)) return false;
    for (Liste_Element* e = neu_elfmeter.next; e; e = e->next) {
        Spieltag_Elfmeter_Eintrag x;
        if (!e->data || !Spieltag_Elfmeter_Entpacken(static_cast<const uint8_t*>(e->data), e->size - LISTE_KOPF_BYTES, &x))
            return false;
        if (Netz_Rolle != 1 && !spiele.count(e->key)) return false;
    }
    return true;
}

bool lesen_abbrechen(Disk_Datei* datei)
{
    Liste_Delete_All(&neu_wettbewerbe);
    Liste_Delete_All(&neu_elfmeter);
    Print_Fehler("Spieltag_Laden: Spieltag-Block beschädigt\n");
    Disk_Block_Ablehnen(datei);
    return false;
}

}  // namespace

bool Spieltag_Laden(Disk_Datei* datei, const char*)
{
    uint8_t flag = 0;
    if (!Disk_Lese_Block(datei, &flag, 1)) return false;
    if (flag > 1) return lesen_abbrechen(datei);
    if (!flag) {
        // The match store came from the file: the running day's handles are not its locks.
        if (Spieltag_Uhr.initialisiert) spieltag_beenden(false);
        return true;
    }
    Liste_Init(&neu_wettbewerbe);
    Liste_Init(&neu_elfmeter);
    if (!Liste_Read_File(datei, &neu_wettbewerbe) || !Liste_Read_File(datei, &neu_elfmeter)) return lesen_abbrechen(datei);
    uint32_t werte[5];
    for (uint32_t& w : werte) {
        uint8_t b[4];
        if (!Disk_Lese_Block(datei, b, 4)) return lesen_abbrechen(datei);
        w = Disk_LE32_Lesen(b);
    }
    float verhaeltnis, bruchteil;
    std::memcpy(&verhaeltnis, &werte[2], 4);
    std::memcpy(&bruchteil, &werte[3], 4);
    const int32_t minute = int32_t(werte[0]), tempo = int32_t(werte[1]), vorlauf = int32_t(werte[4]);
    if (minute < 0 || minute > 255 || tempo < SPIELTAG_TEMPO_MIN || tempo > SPIELTAG_TEMPO_MAX ||
        !std::isfinite(verhaeltnis) || !std::isfinite(bruchteil) || bruchteil < -1.0e6f || bruchteil > float(SPIELTAG_TEMPO_MAX) ||
        vorlauf > SPIELTAG_AUSLAUF || vorlauf < -1000000 || !gelesen_pruefen())
        return lesen_abbrechen(datei);

    if (!Spieltag_Uhr.initialisiert) {
        Liste_Init(&Spieltag_Wettbewerbe);
        Liste_Init(&Spieltag_Elfmeter_Liste);
    }
    // The old day's handles were locks of the store that the file replaced: nothing to release.
    Liste_Tauschen(&Spieltag_Wettbewerbe, &neu_wettbewerbe);
    Liste_Tauschen(&Spieltag_Elfmeter_Liste, &neu_elfmeter);
    Liste_Delete_All(&neu_wettbewerbe);
    Liste_Delete_All(&neu_elfmeter);
    if (Netz_Rolle == 1) Liste_Delete_Element(&Spieltag_Wettbewerbe, nullptr);
    Spieltag_Uhr.initialisiert = 1;
    Spieltag_Uhr.minute = minute;
    Spielgeschwindigkeit = tempo;
    Spieltag_Uhr.verhaeltnis = verhaeltnis;
    Spieltag_Uhr.bruchteil = bruchteil;
    Spieltag_Uhr.vorlauf = vorlauf;
    cursor_loeschen();
    Spieltag_Wettbewerb_Erstes_Spiel(Spieltag_Wettbewerbe.next);
    return true;
}

void Spieltag_Disk_Registrieren()
{
    Disk_Block_Registrieren(DISK_POS_SPIELTAG, Spieltag_Speichern, Spieltag_Laden);
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_SPIELTAG, Spieltag_DeInit);
}
