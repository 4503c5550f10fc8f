// Match store: fixture blocks in a list keyed by block id, the lock table, the event array.
#include "competitions/spiele.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "competitions/spiele_intern.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "platform/disk.h"
#include "platform/exit.h"
#include "gameflow/globals.h"
#include "platform/print.h"
#include "gameflow/team_requester.h"
#include "match/spielfeld.h"
#include "platform/liste.h"
#include "platform/mem.h"

Spiele_Array spiele_arrays[SPA_ANZAHL] = {
    {nullptr, 0, 0, 12, 7000, "Wettbewerb_Ereignis-Array von %d ist zu klein!\n",
     "Speicher für Wettbewerb_Ereignis nicht vorhanden\n"},
    {nullptr, 0, 0, 28, 2500, "Ewige_Tabelle-Array von %d ist zu klein!\n",
     "Speicher für Ewige_Tabelle nicht vorhanden\n"},
    {nullptr, 0, 0, 25, 3000, "Serien-Array von %d ist zu klein!\n", "Speicher für Serien nicht vorhanden\n"},
    {nullptr, 0, 0, 12, 2500, "Spiele_Gegen-Array von %d ist zu klein!\n",
     "Speicher für Spiele_Gegen nicht vorhanden\n"},
    {nullptr, 0, 0, 10, 500, "Wettbewerb_Sieger-Array von %d ist zu klein!\n",
     "Speicher für Wettbewerb_Sieger nicht vorhanden\n"},
};
uint32_t spiele_aenderungen = 0;

namespace {

const char* const KEIN_SPEICHER_START[SPA_ANZAHL] = {
    "Kein Speicher für Wettbewerb-Ereignisse!\n", "Kein Speicher für Ewige Tabelle!\n",
    "Kein Speicher für Serien!\n", "Kein Speicher für Spiele-gegen-Statistik!\n",
    "Kein Speicher für Wettbewerb-Sieger-Statistik!\n"};
const char* const KEIN_SPEICHER_EREIGNISSE = "Kein Speicher für Spielereignisse!\n";

// Limits of a savegame block: far above any real game, low enough that a forged count cannot
// make the reader allocate gigabytes.
constexpr uint32_t MAX_EREIGNISSE = 16u << 20;
constexpr uint32_t MAX_ARRAY_EINTRAEGE = 4u << 20;

bool initialisiert = false;
Liste bloecke;
int32_t block_zaehler = 0;
Spiele_Spiel* locks[SPIELE_LOCKS];
// Every lock below this index is held: a new one is looked for from here (the day's games hold
// the first hundred or so while a match day runs).
int32_t locks_frei_ab = 0;
Spiele_Spiel scratch;

void locks_leeren()
{
    std::fill(std::begin(locks), std::end(locks), nullptr);
    locks_frei_ab = 0;
}

void lock_freigeben(int32_t h)
{
    locks[h - 1] = nullptr;
    locks_frei_ab = std::min(locks_frei_ab, h - 1);
}

Spiele_Ereignis* ereignisse = nullptr;
int32_t ereignis_kap = 0;
int32_t ereignis_benutzt = 1;

// A client's mirror of the server's event array, at the same indices; an event whose flag word is
// 0 has not been fetched yet.
Spiele_Ereignis* spiegel = nullptr;
int32_t spiegel_kap = 0;

// The event array the readers use: the mirror on a client.
Spiele_Ereignis* ev_feld() { return Netz_Rolle == 1 ? spiegel : ereignisse; }
int32_t ev_kap() { return Netz_Rolle == 1 ? spiegel_kap : ereignis_kap; }

// Event cursor.
int32_t cursor_index = 0;  // 0 = none
int32_t cursor_position = 0;
int32_t cursor_anzahl = 0;

void cursor_loeschen() { cursor_index = cursor_position = cursor_anzahl = 0; }

Liste_Element* block_element(int32_t block)
{
    if (block < 0) return nullptr;
    return Liste_Find_Key(&bloecke, uint32_t(block));
}
Spiele_Block_Kopf* kopf_von(Liste_Element* e) { return static_cast<Spiele_Block_Kopf*>(e->data); }
Spiele_Spiel* spiele_von(Liste_Element* e)
{
    return reinterpret_cast<Spiele_Spiel*>(static_cast<uint8_t*>(e->data) + sizeof(Spiele_Block_Kopf));
}
Liste_Element* letztes_element()
{
    Liste_Element* e = Liste_Get_Last(&bloecke);
    return e == &bloecke ? nullptr : e;
}
uint32_t block_bytes(uint32_t anzahl) { return uint32_t(sizeof(Spiele_Block_Kopf)) + anzahl * 28u; }

bool in_block(Liste_Element* e, const Spiele_Spiel* s)
{
    const Spiele_Spiel* a = spiele_von(e);
    return s >= a && s < a + kopf_von(e)->anzahl;
}

Spiele_Spiel* gelockt(int32_t h)
{
    if (h < 1 || h > SPIELE_LOCKS || !locks[h - 1]) {
        Spiele_Meldung_Nicht_Gelockt();
        return nullptr;
    }
    return locks[h - 1];
}

}  // namespace

int32_t spiele_lock_nehmen(Spiele_Spiel* s)
{
    for (int32_t i = locks_frei_ab; i < SPIELE_LOCKS; ++i)
        if (!locks[i]) {
            locks[i] = s;
            locks_frei_ab = i + 1;
            return i + 1;
        }
    Print_Fehler("Spiele_Lock: Kein Lock mehr frei!\n");
    return 0;
}

namespace {

int32_t lock_nehmen(Spiele_Spiel* s) { return spiele_lock_nehmen(s); }

void neuer_datensatz(Spiele_Spiel& s, int32_t wettbewerb, int32_t tag, int32_t runde, int32_t slot)
{
    std::memset(&s, 0, sizeof s);
    s.heim = SPIELE_KEIN_TEAM;
    s.heim_tore = -1;
    s.wetter = 255;
    s.wettbewerb = uint8_t(wettbewerb);
    s.spieltag = int8_t(tag);
    s.runde = int8_t(runde);
    s.slot = int8_t(slot);
}

// The event run of a record, null when none is reserved or it lies outside the array. A client
// fetches the run's missing events first.
Spiele_Ereignis* lauf_von(const Spiele_Spiel* s)
{
    if (!s->erstes_ereignis) return nullptr;
    if (uint64_t(s->erstes_ereignis) + SPIELE_EREIGNISSE_PRO_SPIEL > uint64_t(ev_kap())) return nullptr;
    if (Netz_Rolle == 1) spiele_client_ereignisse_holen(int32_t(s->erstes_ereignis), s->ereignis_anzahl);
    return ev_feld() + s->erstes_ereignis;
}

// The last record in [unten, vor) that holds an event, unten - 1 when none does. Below a game's
// run lie the runs the match day reserved for games that stored nothing and the room packed
// games left behind, together often thousands of records long: their flags are looked at
// sixteen records at a time, and only a block with a flag set is searched record by record.
int32_t letztes_ereignis_ab(const Spiele_Ereignis* feld, int32_t unten, int32_t vor)
{
    constexpr int32_t BLOCK = 16;
    int32_t j = vor - 1;
    // the block [j - BLOCK + 1, j] lies at or above `unten`
    for (; j - BLOCK + 1 >= unten; j -= BLOCK) {
        uint32_t oder = 0;
#pragma GCC unroll 16
        for (int32_t k = 0; k < BLOCK; ++k) oder |= feld[j - k].flags;
        if (oder) break;
    }
    for (; j >= unten; --j)
        if (feld[j].flags) return j;
    return unten - 1;
}

// What the last pack left known of the array: below `ab` the last record that holds an event is
// `letztes` (0 for none). The match day packs its games in the order it reserved their runs, so
// the next pack needs to look only at the room above `ab` rather than at every run the day's
// earlier games left empty. Every other write to the array, and a new array, forgets it.
struct Pack_Stand {
    bool gilt = false;
    int32_t ab = 0, letztes = 0;
};
Pack_Stand pack_stand;

void pack_stand_vergessen() { pack_stand.gilt = false; }

// The last record below `vor` (from 1) that holds an event, 0 for none.
int32_t letztes_ereignis_vor(const Spiele_Ereignis* feld, int32_t vor)
{
    if (pack_stand.gilt && pack_stand.ab <= vor) {
        const int32_t j = letztes_ereignis_ab(feld, pack_stand.ab, vor);
        return j >= pack_stand.ab ? j : pack_stand.letztes;
    }
    return letztes_ereignis_ab(feld, 1, vor);
}

bool im_bereich(int32_t minute, int32_t von, int32_t bis)
{
    return (von < 0 || minute >= von) && (bis < 0 || minute <= bis);
}

bool ereignisse_vergroessern(int32_t mindestens)
{
    int32_t kap = ereignis_kap;
    while (kap <= mindestens) kap = std::max(kap * 120 / 100, kap + 1);
    Print_Log(0, "Ereignis-Array von %d ist zu klein!\n", ereignis_kap);
    auto* neu = static_cast<Spiele_Ereignis*>(Mem_Alloc_Clear(uint32_t(kap) * 9u, 0, 0));
    if (!neu) {
        Team_Requester(0, -1, "Kann %d Bytes nicht bekommen.(%d Elemente)", kap * 9, kap);
        Exit_Game("%s", KEIN_SPEICHER_EREIGNISSE);
        return false;
    }
    std::memcpy(neu, ereignisse, size_t(ereignis_kap) * 9u);
    Mem_Free(ereignisse, 0);
    ereignisse = neu;
    ereignis_kap = kap;
    pack_stand_vergessen();
    return true;
}

}  // namespace

// ---- Side arrays ----

int32_t spiele_array_suchen(const Spiele_Array& a, uint32_t key)
{
    int32_t lo = 0, hi = a.anzahl;
    while (lo < hi) {
        int32_t mitte = lo + (hi - lo) / 2;
        if (spiele_array_key(a, mitte) < key) lo = mitte + 1;
        else hi = mitte;
    }
    return lo < a.anzahl && spiele_array_key(a, lo) == key ? lo : -1;
}

int32_t spiele_array_einfuegen(Spiele_Array& a, const uint32_t* keys, int32_t m)
{
    if (m <= 0 || !a.daten) return -1;
    // The room grows as it would for the keys one by one, so that the capacity stays the same.
    int32_t kap = a.kapazitaet;
    for (int32_t k = 0; k < m; ++k)
        if (a.anzahl + k + 1 >= kap) {
            Print_Log(0, a.name_zu_klein, kap);
            kap = std::max(kap * 120 / 100, a.anzahl + k + 2);
        }
    if (kap != a.kapazitaet) {
        auto* d = static_cast<uint8_t*>(Mem_Alloc_Clear(uint32_t(kap) * a.groesse, 0, 0));
        if (!d) {
            Team_Requester(0, -1, "Kann %d Bytes nicht bekommen.(%d Elemente)", int32_t(kap * a.groesse), kap);
            Exit_Game("%s", a.kein_speicher);
            return -1;
        }
        std::memcpy(d, a.daten, size_t(a.anzahl) * a.groesse);
        Mem_Free(a.daten, 0);
        a.daten = d;
        a.kapazitaet = kap;
    }
    // From the largest key down: the entries above each new one move up once, by the number of
    // new keys still below them.
    int32_t oben = a.anzahl;  // old entries [oben, anzahl) have moved already
    for (int32_t k = m - 1; k >= 0; --k) {
        int32_t lo = 0, hi = oben;
        while (lo < hi) {
            const int32_t mitte = lo + (hi - lo) / 2;
            if (spiele_array_key(a, mitte) < keys[k]) lo = mitte + 1;
            else hi = mitte;
        }
        std::memmove(spiele_array_eintrag(a, lo + k + 1), spiele_array_eintrag(a, lo), size_t(oben - lo) * a.groesse);
        uint8_t* p = spiele_array_eintrag(a, lo + k);
        std::memset(p, 0, a.groesse);
        std::memcpy(p, &keys[k], 4);
        oben = lo;
    }
    a.anzahl += m;
    return oben;
}

uint8_t* spiele_array_holen(Spiele_Array& a, uint32_t key, bool anlegen, bool* neu)
{
    if (neu) *neu = false;
    int32_t i = spiele_array_suchen(a, key);
    if (i >= 0) return spiele_array_eintrag(a, i);
    if (!anlegen || (i = spiele_array_einfuegen(a, &key, 1)) < 0) return nullptr;
    if (neu) *neu = true;
    return spiele_array_eintrag(a, i);
}

void spiele_array_entfernen(Spiele_Array& a, int32_t i)
{
    if (i < 0 || i >= a.anzahl) return;
    uint8_t* p = spiele_array_eintrag(a, i);
    std::memmove(p, p + a.groesse, size_t(a.anzahl - i - 1) * a.groesse);
    --a.anzahl;
}

namespace {
int32_t client_spielplan = 0;  // fixture lists a client is laying out, see Spiele_Client_Spielplan
}  // namespace

Spiele_Client_Spielplan::Spiele_Client_Spielplan() { ++client_spielplan; }
Spiele_Client_Spielplan::~Spiele_Client_Spielplan() { --client_spielplan; }

bool Spiele_Client_Am_Spiel() { return Netz_Rolle == 1 && Spielfeld_Ist_Initialisiert(); }

bool spiele_client_marker(const char* name)
{
    if (Netz_Rolle != 1) return false;
    if (client_spielplan > 0) return true;
    Print_Fehler("Cl: Spiele %s", name);
    return true;
}

int32_t spiele_block_wettbewerb(int32_t block)
{
    Liste_Element* e = block_element(block);
    if (!e || !kopf_von(e)->anzahl) return -1;
    return spiele_von(e)[0].wettbewerb;
}

const Spiele_Spiel* spiele_block_spiele(int32_t block, uint32_t* anzahl)
{
    Liste_Element* e = block_element(block);
    if (anzahl) *anzahl = e ? kopf_von(e)->anzahl : 0;
    return e ? spiele_von(e) : nullptr;
}

void spiele_tore_im_bereich(const Spiele_Spiel& s, int32_t von, int32_t bis, int32_t* heim, int32_t* gast)
{
    *heim = *gast = 0;
    const Spiele_Ereignis* lauf = lauf_von(&s);
    for (int32_t i = 0; lauf && i < s.ereignis_anzahl; ++i)
        if ((lauf[i].flags & SPE_TOR) && im_bereich(lauf[i].minute, von, bis)) ++*((lauf[i].flags & SPE_HEIM) ? heim : gast);
}

void spiele_fuer_alle_bloecke(void (*f)(int32_t, void*), void* ctx)
{
    for (Liste_Element* e = bloecke.next; e; e = e->next)
        if (kopf_von(e)->anzahl) f(spiele_von(e)[0].wettbewerb, ctx);
}

void spiele_fuer_alle_bloecke_id(void (*f)(int32_t, int32_t, void*), void* ctx)
{
    for (Liste_Element* e = bloecke.next; e; e = e->next)
        if (kopf_von(e)->anzahl) f(int32_t(e->key), spiele_von(e)[0].wettbewerb, ctx);
}

const Spiele_Ereignis* spiele_ereignisse_von(const Spiele_Spiel& s) { return lauf_von(&s); }

const Spiele_Ereignis* spiele_ereignis_feld(int32_t* kap)
{
    if (kap) *kap = ereignis_kap;
    return ereignisse;
}

Spiele_Ereignis* spiele_spiegel(int32_t* kap)
{
    if (kap) *kap = spiegel_kap;
    return spiegel;
}

bool spiele_spiegel_vergroessern(int32_t kap)
{
    if (kap <= spiegel_kap) return true;
    auto* neu = static_cast<Spiele_Ereignis*>(Mem_Alloc_Clear(uint32_t(kap) * 9u, 0, 0));
    if (!neu) return false;
    if (spiegel) std::memcpy(neu, spiegel, size_t(spiegel_kap) * 9u);
    Mem_Free(spiegel, 0);
    spiegel = neu;
    spiegel_kap = kap;
    return true;
}

void spiele_spiegel_freigeben()
{
    spiegel = static_cast<Spiele_Ereignis*>(Mem_Free(spiegel, 0));
    spiegel_kap = 0;
    cursor_loeschen();
}

// ---- Life cycle ----

void Spiele_Init()
{
    if (initialisiert) Spiele_Freigeben();
    ereignisse = static_cast<Spiele_Ereignis*>(Mem_Alloc_Clear(SPIELE_EREIGNISSE_START * 9u, 0, 0));
    if (!ereignisse) {
        Exit_Game("%s", KEIN_SPEICHER_EREIGNISSE);
        return;
    }
    ereignis_kap = SPIELE_EREIGNISSE_START;
    pack_stand_vergessen();
    for (int32_t i = 0; i < SPA_ANZAHL; ++i) {
        Spiele_Array& a = spiele_arrays[i];
        a.daten = static_cast<uint8_t*>(Mem_Alloc_Clear(uint32_t(a.start_kapazitaet) * a.groesse, 0, 0));
        a.anzahl = 0;
        a.kapazitaet = a.start_kapazitaet;
        if (!a.daten) {
            for (int32_t j = 0; j < i; ++j) spiele_arrays[j].daten = static_cast<uint8_t*>(Mem_Free(spiele_arrays[j].daten, 0));
            ereignisse = static_cast<Spiele_Ereignis*>(Mem_Free(ereignisse, 0));
            Exit_Game("%s", KEIN_SPEICHER_START[i]);
            return;
        }
    }
    Liste_Init(&bloecke);
    locks_leeren();
    spiele_client_zuruecksetzen();
    ereignis_benutzt = 1;
    block_zaehler = 0;
    cursor_loeschen();
    initialisiert = true;
    ++spiele_aenderungen;
    Spiele_Tabellen_Cache_Leeren();
    Disk_Block_Registrieren(DISK_POS_SPIELE, Spiele_Speichern, Spiele_Laden);
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_SPIELE, Spiele_Freigeben);
}

void Spiele_Freigeben()
{
    if (!initialisiert) return;
    Liste_Delete_All(&bloecke);
    ereignisse = static_cast<Spiele_Ereignis*>(Mem_Free(ereignisse, 0));
    ereignis_kap = 0;
    ereignis_benutzt = 1;
    pack_stand_vergessen();
    for (Spiele_Array& a : spiele_arrays) {
        a.daten = static_cast<uint8_t*>(Mem_Free(a.daten, 0));
        a.anzahl = a.kapazitaet = 0;
    }
    cursor_loeschen();
    locks_leeren();
    spiele_client_zuruecksetzen();
    initialisiert = false;
    ++spiele_aenderungen;
    Spiele_Tabellen_Cache_Leeren();
}

bool Spiele_Ist_Initialisiert()
{
    if (!initialisiert) Print_Fehler("Spiele Objekt nicht initialisiert.\n");
    return initialisiert;
}

// ---- Fixture blocks ----

int32_t Spiele_KO_Paare(int32_t teams, int32_t tag)
{
    if (tag < 0) return 0;
    int32_t per = (std::max(0, teams) + 1) / 2;
    // Past one tie the field stays at one: the days a record holds beyond its final stay empty
    // as before (they halved to nothing), so stop there.
    for (int32_t t = 0; t < tag && per > 0; ++t) per = per > 1 ? (per + 1) / 2 : 0;
    return per;
}

int32_t Spiele_Init_Neue_Spiele(int32_t ligamode, int32_t teams, int32_t spieltage, int32_t runden,
                                int32_t wettbewerb, int32_t pro_tag)
{
    if (!Spiele_Ist_Initialisiert()) return -1;
    spiele_client_marker("Init_Neue_Spiele");
    if (pro_tag == -1) pro_tag = (teams + 1) / 2;
    // Match day, leg and slot are stored in signed bytes, the competition in one byte.
    if (teams < 0 || teams > 0xFFFF || spieltage < 0 || spieltage > 127 || runden < 1 || runden > 127 ||
        pro_tag < 0 || pro_tag > 127 || wettbewerb < 0 || wettbewerb > 255) {
        Print_Fehler("Spiele_Init_Neue_Spiele: falsche Parameter (Teams %d, Spieltage %d, Runden %d)!\n", teams,
                     spieltage, runden);
        return -1;
    }
    uint32_t anzahl = 0;
    if (ligamode == 1) {
        anzahl = uint32_t(pro_tag * spieltage * runden);
    } else {
        for (int32_t r = 0; r < spieltage; ++r) anzahl += uint32_t(Spiele_KO_Paare(teams, r) * runden);
    }
    int32_t id = block_zaehler;
    Liste_Element* e = Liste_Insert_Element(&bloecke, letztes_element(), nullptr, block_bytes(anzahl), uint32_t(id));
    if (!e) return -1;
    Print_Log(0, "Spiele-Verwaltung: Gesamte Spiele:%d Wettbew.:%d Teams:%d Spieltage:%d ligamode:%d\n",
              int32_t(anzahl), wettbewerb, teams, spieltage, ligamode);
    Spiele_Spiel* s = spiele_von(e);
    uint32_t n = 0;
    for (int32_t tag = 0; tag < spieltage; ++tag) {
        const int32_t per = ligamode == 1 ? pro_tag : Spiele_KO_Paare(teams, tag);
        for (int32_t runde = 0; runde < runden; ++runde)
            for (int32_t slot = 0; slot < per; ++slot) neuer_datensatz(s[n++], wettbewerb, tag, runde, slot);
    }
    Spiele_Block_Kopf* k = kopf_von(e);
    *k = {uint32_t(ligamode), uint32_t(teams), uint32_t(spieltage), uint32_t(runden), n};
    ++block_zaehler;
    ++spiele_aenderungen;
    return id;
}

int32_t Spiele_Spiel_Einfuegen(int32_t ligamode, int32_t block, int32_t wettbewerb, int32_t spieltag,
                               int32_t neuer_tag, int32_t heim, int32_t gast)
{
    if (!Spiele_Ist_Initialisiert()) return -1;
    spiele_client_marker("Spiel_Einfuegen");
    if (spieltag < 0 || spieltag > 126 || wettbewerb < 0 || wettbewerb > 255) {
        Print_Fehler("Spiele_Spiel_Einfuegen: falsche Parameter (Spieltag %d)!\n", spieltag);
        return -1;
    }
    Liste_Element* alt = block_element(block);
    if (!alt) {
        block = block_zaehler;
        Spiele_Block_Kopf k{uint32_t(ligamode), 0, 0, 1, 0};
        alt = Liste_Insert_Element(&bloecke, letztes_element(), &k, sizeof k, uint32_t(block));
        if (!alt) return -1;
        ++block_zaehler;
    }
    const uint32_t n_alt = kopf_von(alt)->anzahl;
    const Spiele_Spiel* s_alt = spiele_von(alt);

    // Where the new record goes, and which of the old ones move a day on.
    uint32_t erster = n_alt, pos = n_alt;
    for (uint32_t i = 0; i < n_alt; ++i)
        if (s_alt[i].spieltag == spieltag && s_alt[i].runde == 0 && s_alt[i].slot == 0) {
            erster = i;
            break;
        }
    Spiele_Block_Kopf kopf = *kopf_von(alt);
    int32_t slot = 0;
    bool verschieben = false;
    if (erster == n_alt) {
        ++kopf.spieltage;
    } else if (neuer_tag) {
        pos = erster;
        ++kopf.spieltage;
        verschieben = true;
    } else {
        uint32_t letzter = erster;
        for (uint32_t i = 0; i < n_alt; ++i)
            if (s_alt[i].spieltag == spieltag) {
                ++slot;
                letzter = i;
            }
        pos = letzter + 1;
    }
    if (slot > 127) {
        Print_Fehler("Spiele_Spiel_Einfuegen: Spieltag %d ist voll!\n", spieltag);
        return -1;
    }

    // The grown block is a new element; the old one goes once every lock has moved over.
    Liste_Element* neu = Liste_Insert_Element(&bloecke, alt, nullptr, block_bytes(n_alt + 1), uint32_t(block));
    if (!neu) return -1;
    s_alt = spiele_von(alt);
    Spiele_Spiel* s_neu = spiele_von(neu);
    std::memcpy(s_neu, s_alt, size_t(pos) * 28u);
    std::memcpy(s_neu + pos + 1, s_alt + pos, size_t(n_alt - pos) * 28u);
    if (verschieben)
        for (uint32_t i = pos + 1; i <= n_alt; ++i) ++s_neu[i].spieltag;
    neuer_datensatz(s_neu[pos], wettbewerb, spieltag, 0, slot);
    s_neu[pos].heim = uint16_t(heim);
    s_neu[pos].gast = uint16_t(gast);
    kopf.anzahl = n_alt + 1;
    *kopf_von(neu) = kopf;
    // Every lock into the old block follows its record, not only those behind the insertion.
    for (Spiele_Spiel*& l : locks) {
        if (!l || !in_block(alt, l)) continue;
        uint32_t i = uint32_t(l - s_alt);
        l = s_neu + (i >= pos ? i + 1 : i);
    }
    Liste_Delete_Element(&bloecke, alt);
    cursor_loeschen();
    ++spiele_aenderungen;
    return block;
}

void Spiele_Wettbewerb_Loeschen(int32_t block)
{
    if (!Spiele_Ist_Initialisiert()) return;
    spiele_client_marker("Wettbewerb_Loeschen");
    Liste_Element* e = block_element(block);
    if (!e) {
        Print_Fehler("Wettbewerb löschen: Wettbewerb existiert nicht!\n");
        return;
    }
    int32_t wettbewerb = spiele_block_wettbewerb(block);
    locks_leeren();
    Liste_Delete_Element(&bloecke, e);
    cursor_loeschen();
    ++spiele_aenderungen;
    Spiele_Tabelle_Loesche_Backup(block);
    if (wettbewerb >= 0) spiele_karten_nach_block_loeschen(wettbewerb);
}

int32_t Spiele_Get_Anzahl_Spiele(int32_t block)
{
    if (!Spiele_Ist_Initialisiert()) return 0;
    Liste_Element* e = block_element(block);
    return e ? int32_t(kopf_von(e)->anzahl) : 0;
}

const Spiele_Block_Kopf* Spiele_Get_Block_Kopf(int32_t block)
{
    if (!Spiele_Ist_Initialisiert()) return nullptr;
    Liste_Element* e = block_element(block);
    return e ? kopf_von(e) : nullptr;
}

bool Spiele_Team_Tausch(int32_t block, int32_t a, int32_t b)
{
    if (!Spiele_Ist_Initialisiert()) return false;
    spiele_client_marker("Team_Tausch");
    Liste_Element* e = block_element(block);
    if (!e) {
        Print_Fehler("Gesuchter Wettbewerb nicht eingetragen...\n");
        return false;
    }
    Spiele_Spiel* s = spiele_von(e);
    auto tausch = [&](uint16_t& t) {
        if (t == uint16_t(a)) t = uint16_t(b);
        else if (t == uint16_t(b)) t = uint16_t(a);
    };
    for (uint32_t i = 0; i < kopf_von(e)->anzahl; ++i) {
        tausch(s[i].heim);
        tausch(s[i].gast);
    }
    ++spiele_aenderungen;
    return true;
}

void Spiele_Ergebnisse_Loeschen(int32_t block)
{
    if (!Spiele_Ist_Initialisiert()) return;
    spiele_client_marker("Ergebnisse_Loeschen");
    Liste_Element* e = block_element(block);
    if (!e) {
        Print_Fehler("Gesuchter Wettbewerb nicht eingetragen...\n");
        return;
    }
    Spiele_Spiel* s = spiele_von(e);
    for (uint32_t i = 0; i < kopf_von(e)->anzahl; ++i) {
        s[i].heim = SPIELE_KEIN_TEAM;
        s[i].heim_tore = -1;
        s[i].wetter = 255;
        s[i].erstes_ereignis = 0;
        s[i].minute = 0;
        s[i].ergebnis_art = 0;
    }
    ++spiele_aenderungen;
}

// ---- Locks ----

int32_t Spiele_Lock(int32_t block, int32_t spieltag, int32_t runde, int32_t slot)
{
    if (!Spiele_Ist_Initialisiert()) return 0;
    if (Netz_Rolle == 1) return spiele_client_lock(block, spieltag, runde, slot);
    return Spiele_Lock_Lokal(block, spieltag, runde, slot);
}

int32_t Spiele_Lock_Lokal(int32_t block, int32_t spieltag, int32_t runde, int32_t slot)
{
    if (!Spiele_Ist_Initialisiert()) return 0;
    Liste_Element* e = block_element(block);
    if (!e) {
        Print_Fehler("Gesuchter Wettbewerb nicht eingetragen...\n");
        return 0;
    }
    Spiele_Spiel* s = spiele_von(e);
    for (uint32_t i = 0; i < kopf_von(e)->anzahl; ++i)
        if (s[i].spieltag == spieltag && s[i].runde == runde && s[i].slot == slot) return lock_nehmen(&s[i]);
    return 0;
}

int32_t Spiele_Lock_Index(int32_t block, int32_t position)
{
    if (!Spiele_Ist_Initialisiert() || Netz_Rolle == 1) return 0;
    Liste_Element* e = block_element(block);
    if (!e) {
        Print_Fehler("Gesuchter Wettbewerb nicht eingetragen...\n");
        return 0;
    }
    if (position < 0 || uint32_t(position) >= kopf_von(e)->anzahl) return 0;
    return lock_nehmen(&spiele_von(e)[position]);
}

Spiele_Tag_Locks::Spiele_Tag_Locks(int32_t block, int32_t spieltag, int32_t runde)
    : block_(block), spieltag_(spieltag), runde_(runde)
{
    std::fill(std::begin(erste_), std::end(erste_), -1);
    if (!initialisiert || Netz_Rolle == 1) return;
    Liste_Element* e = block_element(block);
    if (!e) return;
    spiele_ = spiele_von(e);
    anzahl_ = kopf_von(e)->anzahl;
    for (uint32_t i = anzahl_; i-- > 0;) {
        const Spiele_Spiel& s = spiele_[i];
        if (s.spieltag == spieltag && s.runde == runde && s.slot >= 0 && s.slot < SLOTS) erste_[s.slot] = int32_t(i);
    }
}

int32_t Spiele_Tag_Locks::lock(int32_t slot) const
{
    Liste_Element* e = spiele_ ? block_element(block_) : nullptr;
    if (!e || spiele_von(e) != spiele_ || kopf_von(e)->anzahl != anzahl_ || slot < 0 || slot >= SLOTS)
        return Spiele_Lock(block_, spieltag_, runde_, slot);
    return erste_[slot] < 0 ? 0 : lock_nehmen(&spiele_von(e)[erste_[slot]]);
}

int32_t Spiele_Get_Hinspiel(int32_t h)
{
    if (!Spiele_Ist_Initialisiert() || Netz_Rolle == 1) return 0;
    Spiele_Spiel* s = gelockt(h);
    if (!s || s->gast == SPIELE_KEIN_TEAM) return 0;
    Liste_Element* e = block_element(Wettbewerb_Get_Spiele_Block(s->wettbewerb));
    if (!e || !in_block(e, s)) return 0;
    Spiele_Spiel* a = spiele_von(e);
    for (Spiele_Spiel* p = s; p-- > a;)
        if (p->heim == s->gast && p->gast == s->heim) return lock_nehmen(p);
    return 0;
}

bool Spiele_Ist_Gelockt(int32_t h) { return h >= 1 && h <= SPIELE_LOCKS && locks[h - 1]; }

void Spiele_Unlock(int32_t h)
{
    if (!Spiele_Ist_Initialisiert()) return;
    cursor_loeschen();
    if (h == -1) {
        locks_leeren();
        return;
    }
    if (h == 0) {
        Print_Fehler("Versuchtes Unlock auf ungültiges Element NULL.\n");
        return;
    }
    if (h < 1 || h > SPIELE_LOCKS || !locks[h - 1]) {
        Print_Fehler("Versuchtes Unlock eines nicht gelocken Datensatzes.\n");
        return;
    }
    lock_freigeben(h);
}

Spiele_Spiel* Spiele_Get_Spiel(int32_t h, int32_t direkt)
{
    if (!Spiele_Ist_Initialisiert()) return nullptr;
    Spiele_Spiel* s = gelockt(h);
    if (!s) return nullptr;
    if (direkt) return s;
    scratch = *s;
    return &scratch;
}

void Spiele_Meldung_Nicht_Gelockt() { Print_Fehler("Versuchter Zugriff auf nicht gelocken Datensatz.\n"); }

// ---- Per-match accessors ----

void Spiele_Spiel_Clear(int32_t h)
{
    if (!Spiele_Ist_Initialisiert()) return;
    spiele_client_marker("Spiel_Clear");
    Spiele_Spiel* s = gelockt(h);
    if (!s) return;
    std::memset(s, 0, sizeof *s);
    s->heim = SPIELE_KEIN_TEAM;
    lock_freigeben(h);
    cursor_loeschen();
    ++spiele_aenderungen;
}

void Spiele_Set_Teams(int32_t h, int32_t heim, int32_t gast)
{
    if (!Spiele_Ist_Initialisiert()) return;
    spiele_client_marker("Set_Teams");
    Spiele_Spiel* s = gelockt(h);
    if (!s) return;
    if (heim < 0 || heim > 0xFFFF || gast < 0 || gast > 0xFFFF) {
        Print_Fehler("Spiele_Set_Teams: falsche Teamnummer %d/%d!\n", heim, gast);
        return;
    }
    // Team 0 is a club like any other: its matches keep their teams.
    s->heim = uint16_t(heim);
    s->gast = uint16_t(gast);
    ++spiele_aenderungen;
}

void Spiele_Set_Ergebnis(int32_t h, int32_t heim_tore, int32_t gast_tore, int32_t art)
{
    if (!Spiele_Ist_Initialisiert()) return;
    Spiele_Spiel* s = gelockt(h);
    if (!s) return;
    s->heim_tore = int8_t(heim_tore);
    s->gast_tore = uint8_t(gast_tore);
    s->ergebnis_art = uint8_t(art);
    ++spiele_aenderungen;
}

void Spiele_Tore_Nullen(int32_t h)
{
    if (!Spiele_Ist_Initialisiert()) return;
    Spiele_Spiel* s = gelockt(h);
    if (!s) return;
    s->heim_tore = 0;
    s->gast_tore = 0;
    ++spiele_aenderungen;
}

void Spiele_Set_Minute(int32_t h, int32_t minute)
{
    if (!Spiele_Ist_Initialisiert()) return;
    Spiele_Spiel* s = gelockt(h);
    if (!s) return;
    if (minute >= 0 && minute < 255) s->minute = uint8_t(minute);
    else if (minute == 255) s->minute = uint8_t(s->minute + 1);
}

void Spiele_Set_Zuschauer(int32_t h, uint32_t zuschauer)
{
    if (!Spiele_Ist_Initialisiert()) return;
    spiele_client_marker("Set_Zuschauer");
    Spiele_Spiel* s = gelockt(h);
    if (s) s->zuschauer = zuschauer;
}

int32_t Spiele_Get_Heim_Auswaerts(int32_t h, int32_t team)
{
    if (!Spiele_Ist_Initialisiert()) return 0;
    spiele_client_marker("Get_Heim_Auswaerts");
    Spiele_Spiel* s = gelockt(h);
    if (!s || !Wettbewerb_Ist_Heimrecht(s->wettbewerb)) return 0;
    return s->heim == team ? 0 : 1;
}

bool Spiele_Get_Spielstand(int32_t h, int32_t von, int32_t bis, int32_t* heim, int32_t* gast)
{
    if (!heim || !gast) return false;
    *heim = *gast = 0;
    if (!Spiele_Ist_Initialisiert()) return false;
    spiele_client_marker("Get_Spielstand");
    Spiele_Spiel* s = gelockt(h);
    if (!s) return true;
    const Spiele_Ereignis* lauf = lauf_von(s);
    for (int32_t i = 0; lauf && i < s->ereignis_anzahl; ++i)
        if ((lauf[i].flags & SPE_TOR) && im_bereich(lauf[i].minute, von, bis))
            ++*((lauf[i].flags & SPE_HEIM) ? heim : gast);
    return true;
}

const Spiele_Spiel* Spiele_Get_Spiel_Tore_Bis_Minute(int32_t h, int32_t von, int32_t bis)
{
    if (!Spiele_Ist_Initialisiert()) return nullptr;
    Spiele_Spiel* s = gelockt(h);
    if (!s) return nullptr;
    scratch = *s;
    if (s->heim_tore == -1) {
        scratch.gast_tore = 0;
        return &scratch;
    }
    int32_t ht = 0, gt = 0;
    const Spiele_Ereignis* lauf = lauf_von(s);
    for (int32_t i = 0; lauf && i < s->ereignis_anzahl; ++i)
        if ((lauf[i].flags & SPE_TOR) && im_bereich(lauf[i].minute, von, bis)) ++((lauf[i].flags & SPE_HEIM) ? ht : gt);
    scratch.heim_tore = int8_t(ht);
    scratch.gast_tore = uint8_t(gt);
    return &scratch;
}

Spiele_Stand Spiele_Get_Stand(const Spiele_Spiel* s)
{
    if (!s || s->heim_tore < 0) return {0, 0, -1, -1};
    return Spiele_Get_Stand_Tore(s, s->heim_tore, s->gast_tore);
}

Spiele_Stand Spiele_Get_Stand_Tore(const Spiele_Spiel* s, int32_t heim, int32_t gast)
{
    Spiele_Stand st{heim, gast, -1, -1};
    if (!s || !(s->ergebnis_art & SPIELE_ART_NE)) return st;
    // The stored goals hold the kicks that scored; the kicks are the goals without a shot.
    const Spiele_Ereignis* lauf = lauf_von(s);
    if (!lauf) return st;
    st.elf_heim = st.elf_gast = 0;
    for (int32_t i = 0; i < s->ereignis_anzahl; ++i)
        if (Spiele_Ist_Elfmeter_Tor(*s, lauf[i].flags)) ++((lauf[i].flags & SPE_HEIM) ? st.elf_heim : st.elf_gast);
    st.heim = std::max(0, st.heim - st.elf_heim);
    st.gast = std::max(0, st.gast - st.elf_gast);
    return st;
}

const char* Spiele_Stand_Text(int32_t h, int32_t heim, int32_t gast, bool laufend)
{
    static char text[32];
    const Spiele_Spiel* s = Spiele_Ist_Gelockt(h) ? Spiele_Get_Spiel(h, 1) : nullptr;
    const Spiele_Stand st = Spiele_Get_Stand_Tore(s, heim, gast);
    if (st.elf_heim < 0) std::snprintf(text, sizeof text, "%d:%d", st.heim, st.gast);
    else std::snprintf(text, sizeof text, "%d:%d %s %d:%d", st.heim, st.gast, laufend ? "i.E." : "n.E.", st.elf_heim, st.elf_gast);
    return text;
}

const char* Spiele_Ergebnis_Text_Bauen(const Spiele_Spiel* s, int32_t mit_ergebnis)
{
    static char text[32];
    static const char* const zusatz[5] = {"n.V.", "n.E.", "abgs.", "abg.", "Tip"};
    text[0] = 0;
    if (!s || s->ergebnis_art > 32) return text;
    if (s->heim_tore == -1 && !(s->ergebnis_art == SPIELE_ART_TIP && !mit_ergebnis)) return text;
    const Spiele_Stand st = Spiele_Get_Stand(s);
    size_t n = 0;
    if (mit_ergebnis) n = size_t(std::snprintf(text, sizeof text, "%d:%d ", st.heim, st.gast));
    for (int32_t bit = 4; s->ergebnis_art && bit >= 0; --bit)
        if (s->ergebnis_art & (1 << bit)) {
            n += size_t(std::snprintf(text + n, sizeof text - n, "%s", zusatz[bit]));
            // The shoot-out stands apart from the score after extra time: "1:1 n.E. 6:7".
            if ((1 << bit) == SPIELE_ART_NE && st.elf_heim >= 0 && n < sizeof text)
                std::snprintf(text + n, sizeof text - n, " %d:%d", st.elf_heim, st.elf_gast);
            break;
        }
    return text;
}

const char* Spiele_Get_Ergebnis_Text(int32_t h, int32_t mit_ergebnis)
{
    if (!Spiele_Ist_Initialisiert()) return "";
    Spiele_Spiel* s = gelockt(h);
    return s ? Spiele_Ergebnis_Text_Bauen(s, mit_ergebnis) : "";
}

const char* Spiele_Get_Ergebnis_Text_Tip(int32_t h, int32_t tip)
{
    if (!Spiele_Ist_Initialisiert()) return "";
    Spiele_Spiel* s = gelockt(h);
    if (!s) return "";
    if (!tip || s->heim_tore != -1) return Spiele_Ergebnis_Text_Bauen(s, 0);
    uint8_t art = s->ergebnis_art;
    s->ergebnis_art = SPIELE_ART_TIP;
    const char* t = Spiele_Ergebnis_Text_Bauen(s, 0);
    s->ergebnis_art = art;
    return t;
}

// ---- Events ----

void Spiele_Ereignis_Speicher_Reservieren(int32_t h)
{
    if (!Spiele_Ist_Initialisiert()) return;
    Spiele_Spiel* s = gelockt(h);
    if (!s || s->erstes_ereignis) return;
    if (ereignis_benutzt + SPIELE_EREIGNISSE_PRO_SPIEL >= ereignis_kap &&
        !ereignisse_vergroessern(ereignis_benutzt + SPIELE_EREIGNISSE_PRO_SPIEL))
        return;
    s->erstes_ereignis = uint32_t(ereignis_benutzt);
    s->ereignis_anzahl = 0;
    ereignis_benutzt += SPIELE_EREIGNISSE_PRO_SPIEL;
}

void Spiele_Set_Ereignis(int32_t h, uint32_t flags, int32_t minute, int32_t spieler_1, int32_t spieler_2)
{
    if (!Spiele_Ist_Initialisiert()) return;
    if (!Spiele_Client_Am_Spiel()) spiele_client_marker("Set_Ereignis");
    Spiele_Spiel* s = gelockt(h);
    if (!s) return;
    Spiele_Ereignis* lauf = lauf_von(s);
    if (!lauf) {
        Print_Fehler("Ereignis Speicher für dieses Spiel nicht vorbereitet\n");
        return;
    }
    ++spiele_aenderungen;
    pack_stand_vergessen();
    // The goal counts even when its event can no longer be stored.
    if (flags & SPE_TOR) {
        if (flags & SPE_HEIM) s->heim_tore = int8_t(s->heim_tore + 1);
        else s->gast_tore = uint8_t(s->gast_tore + 1);
    }
    if (s->ereignis_anzahl >= SPIELE_EREIGNISSE_PRO_SPIEL) {
        Print_Log(0, "Ereignis-Array Überlauf\n");
        return;
    }
    Spiele_Ereignis& e = lauf[s->ereignis_anzahl];
    e.minute = minute >= 0 && minute < 255 ? uint8_t(minute) : s->minute;
    e.flags = flags;
    e.spieler_1 = int16_t(spieler_1);
    e.spieler_2 = int16_t(spieler_2);
    if (uint32_t karte = flags & (SPE_GELB | SPE_GELBROT | SPE_ROT))
        spiele_karte_buchen(s->wettbewerb, spieler_1, (flags & SPE_HEIM) ? s->heim : s->gast, karte);
    ++s->ereignis_anzahl;
}

bool Spiele_Ereignis_Lesen(Spiele_Ereignis_Info* info)
{
    if (!info || !Spiele_Ist_Initialisiert() || !cursor_index || cursor_index >= ev_kap()) return false;
    const Spiele_Ereignis& e = ev_feld()[cursor_index];
    info->spieler_1 = e.spieler_1;
    info->spieler_2 = e.spieler_2;
    info->flags = e.flags;
    info->minute = e.minute;
    return true;
}

bool Spiele_Get_Erstes_Ereignis(int32_t h, Spiele_Ereignis_Info* info)
{
    cursor_loeschen();
    if (!Spiele_Ist_Initialisiert()) return false;
    Spiele_Spiel* s = gelockt(h);
    if (!s || !lauf_von(s) || !s->ereignis_anzahl) return false;
    cursor_index = int32_t(s->erstes_ereignis);
    cursor_position = 1;
    cursor_anzahl = std::min<int32_t>(s->ereignis_anzahl, SPIELE_EREIGNISSE_PRO_SPIEL);
    if (info) Spiele_Ereignis_Lesen(info);
    return true;
}

bool Spiele_Get_Naechstes_Ereignis(Spiele_Ereignis_Info* info)
{
    if (!cursor_index) return false;
    if (cursor_position + 1 > cursor_anzahl) {
        cursor_loeschen();
        return false;
    }
    ++cursor_position;
    ++cursor_index;
    if (info) Spiele_Ereignis_Lesen(info);
    return true;
}

uint32_t Spiele_Ereignis_Speicher_Packen(int32_t h)
{
    if (!Spiele_Ist_Initialisiert()) return 0;
    spiele_client_marker("Ereignis_Speicher_Packen");
    Spiele_Spiel* s = gelockt(h);
    if (!s || !lauf_von(s)) return 0;
    const int32_t erstes = int32_t(s->erstes_ereignis), n = s->ereignis_anzahl;
    if (!n) return uint32_t(erstes);
    const int32_t ziel = letztes_ereignis_vor(ereignisse, erstes) + 1;
    if (ziel < erstes) {
        std::memmove(ereignisse + ziel, ereignisse + erstes, size_t(n) * 9u);
        int32_t frei_ab = std::max(ziel + n, erstes);
        std::memset(ereignisse + frei_ab, 0, size_t(erstes + n - frei_ab) * 9u);
        if (erstes + SPIELE_EREIGNISSE_PRO_SPIEL == ereignis_benutzt) ereignis_benutzt = ziel + n;
        s->erstes_ereignis = uint32_t(ziel);
        cursor_loeschen();
    }
    // Below the run nothing but record ziel - 1 and what lies under it; above it up to where it
    // stood, nothing.
    const int32_t im_lauf = letztes_ereignis_ab(ereignisse, ziel, ziel + n);
    pack_stand = {true, erstes + n, im_lauf >= ziel ? im_lauf : ziel - 1};
    return s->erstes_ereignis;
}

void Spiele_Ereignisse_Zuruecksetzen()
{
    if (!Spiele_Ist_Initialisiert()) return;
    for (int32_t i = 0; i < ereignis_benutzt && i < ereignis_kap; ++i) ereignisse[i].flags = 0;
    ereignis_benutzt = 1;
    pack_stand_vergessen();
    cursor_loeschen();
    ++spiele_aenderungen;
}

void Spiele_Get_Ereignis_Anzahl(int32_t* kapazitaet, int32_t* benutzt)
{
    if (!Spiele_Ist_Initialisiert()) return;
    if (kapazitaet) *kapazitaet = ereignis_kap;
    if (benutzt) *benutzt = ereignis_benutzt;
}

// ---- Savegame block ----
//
// One container block each, little-endian:
//   the fixture-block list (list file format)
//   500 x i32 block ordinal of each lock slot (list order, -1 free)
//   500 x i32 record ordinal inside that block (-1 free)
//   u32 block id counter, u32 event capacity C, u32 events used
//   9 x C event array
//   per side array: u32 used n, u32 capacity; n entries
// A load takes the stored capacities: the event array's is backed by its block, a side array's
// is held to what its entries justify.

bool Spiele_Speichern(Disk_Datei* d)
{
    if (!initialisiert) return true;
    if (!Liste_Write_File(d, &bloecke)) return false;
    uint8_t ord_block[SPIELE_LOCKS * 4], ord_spiel[SPIELE_LOCKS * 4];
    for (int32_t i = 0; i < SPIELE_LOCKS; ++i) {
        int32_t b = -1, p = -1, nr = 0;
        for (Liste_Element* e = bloecke.next; locks[i] && e; e = e->next, ++nr)
            if (in_block(e, locks[i])) {
                b = nr;
                p = int32_t(locks[i] - spiele_von(e));
                break;
            }
        Disk_LE32_Setzen(ord_block + 4 * i, uint32_t(b));
        Disk_LE32_Setzen(ord_spiel + 4 * i, uint32_t(p));
    }
    uint8_t w[12];
    Disk_LE32_Setzen(w, uint32_t(block_zaehler));
    Disk_LE32_Setzen(w + 4, uint32_t(ereignis_kap));
    Disk_LE32_Setzen(w + 8, uint32_t(ereignis_benutzt));
    bool ok = Disk_Schreibe_Block(d, ord_block, sizeof ord_block) && Disk_Schreibe_Block(d, ord_spiel, sizeof ord_spiel) &&
              Disk_Schreibe_Block(d, w, 4) && Disk_Schreibe_Block(d, w + 4, 4) && Disk_Schreibe_Block(d, w + 8, 4) &&
              Disk_Schreibe_Block(d, ereignisse, uint32_t(ereignis_kap) * 9u);
    for (const Spiele_Array& a : spiele_arrays) {
        // The room an array holds depends on how it grew, which a loaded game does not repeat;
        // the file names the room its entries justify, as the loader grants it, so that a
        // load followed by a save keeps every byte.
        const uint32_t n = uint32_t(a.anzahl);
        uint8_t k[8];
        Disk_LE32_Setzen(k, n);
        Disk_LE32_Setzen(k + 4, std::max(uint32_t(a.start_kapazitaet), n + n / 5 + 2));
        ok = ok && Disk_Schreibe_Block(d, k, 8) && Disk_Schreibe_Block(d, a.daten, uint32_t(a.anzahl) * a.groesse);
    }
    return ok;
}

namespace {

struct Puffer {
    uint8_t* p = nullptr;
    ~Puffer() { Mem_Free(p, 0); }
};

bool lade_fehler(const char* grund)
{
    Print_Fehler("Spiele_Laden: %s - Spielstand abgelehnt.\n", grund);
    return false;
}

// A team of a stored record: none, or one of the running world.
bool team_gueltig(uint32_t team) { return team == SPIELE_KEIN_TEAM || int64_t(team) < int64_t(Team_Anzahl); }

// The fixture blocks of a loaded list: sizes, counts, teams and event runs must fit. `neue`
// gets the blocks in list order.
const char* bloecke_pruefen(Liste* l, uint32_t ereignis_kap_neu, uint32_t zaehler, std::vector<Liste_Element*>* neue)
{
    std::vector<uint32_t> keys;
    for (Liste_Element* e = l->next; e; e = e->next) {
        if (e->key >= zaehler) return "Blocknummer";
        uint32_t nutz = e->size - LISTE_KOPF_BYTES;
        if (nutz < sizeof(Spiele_Block_Kopf)) return "Spielblock zu kurz";
        const Spiele_Block_Kopf* k = kopf_von(e);
        if (k->anzahl > (nutz - sizeof(Spiele_Block_Kopf)) / 28u || block_bytes(k->anzahl) != nutz)
            return "Spielanzahl";
        const Spiele_Spiel* s = spiele_von(e);
        for (uint32_t i = 0; i < k->anzahl; ++i) {
            if (s[i].ereignis_anzahl > SPIELE_EREIGNISSE_PRO_SPIEL) return "Ereignisanzahl";
            if (s[i].erstes_ereignis &&
                uint64_t(s[i].erstes_ereignis) + SPIELE_EREIGNISSE_PRO_SPIEL > ereignis_kap_neu)
                return "Ereignisse außerhalb";
            if (!team_gueltig(s[i].heim) || !team_gueltig(s[i].gast)) return "Teamnummer";
        }
        keys.push_back(e->key);
        neue->push_back(e);
    }
    std::sort(keys.begin(), keys.end());
    if (std::adjacent_find(keys.begin(), keys.end()) != keys.end()) return "Blocknummer doppelt";
    return nullptr;
}

// Entries of a side array in key order; the winners name teams of the running world.
const char* array_pruefen(int32_t art, const uint8_t* p, uint32_t n, uint32_t groesse)
{
    for (uint32_t j = 1; j < n; ++j) {
        uint32_t k0, k1;
        std::memcpy(&k0, p + (j - 1) * groesse, 4);
        std::memcpy(&k1, p + j * groesse, 4);
        if (k1 <= k0) return "Statistik unsortiert";
    }
    if (art == SPA_SIEGER)
        for (uint32_t j = 0; j < n; ++j) {
            const uint16_t sieger = Disk_LE16_Lesen(p + j * groesse + 4), zweiter = Disk_LE16_Lesen(p + j * groesse + 6);
            if (sieger == SPIELE_KEIN_TEAM || !team_gueltig(sieger) || !team_gueltig(zweiter)) return "Siegerteam";
        }
    return nullptr;
}

// Room for a side array of n stored entries: the stored capacity, but never more than the array
// could have grown to by holding n entries (or holds now), so that a forged capacity claims no
// memory its entries do not justify.
uint32_t array_kapazitaet(const Spiele_Array& a, uint32_t n, uint32_t gespeichert)
{
    const uint32_t grenze = std::max({uint32_t(a.start_kapazitaet), n + n / 5 + 2, uint32_t(a.kapazitaet)});
    return std::min(gespeichert, grenze);
}

}  // namespace

bool Spiele_Laden(Disk_Datei* d, const char*)
{
    if (!initialisiert) return true;
    Liste neu_liste{};
    Liste_Init(&neu_liste);
    struct Aufraeumen {
        Liste* l;
        ~Aufraeumen() { Liste_Delete_All(l); }
    } aufraeumen{&neu_liste};
    if (!Liste_Read_File(d, &neu_liste)) return lade_fehler("Spielliste");

    uint8_t ord_block[SPIELE_LOCKS * 4], ord_spiel[SPIELE_LOCKS * 4], w[12];
    if (!Disk_Lese_Block(d, ord_block, sizeof ord_block) || !Disk_Lese_Block(d, ord_spiel, sizeof ord_spiel) ||
        !Disk_Lese_Block(d, w, 4) || !Disk_Lese_Block(d, w + 4, 4) || !Disk_Lese_Block(d, w + 8, 4))
        return lade_fehler("Kopf");
    uint32_t zaehler = Disk_LE32_Lesen(w), kap = Disk_LE32_Lesen(w + 4), benutzt = Disk_LE32_Lesen(w + 8);
    if (kap < 1 || kap > MAX_EREIGNISSE || benutzt < 1 || benutzt > kap || zaehler > 0x7FFFFFFFu)
        return lade_fehler("Ereigniszähler");
    // The event array is stored whole, so its block tells whether the capacity is honest.
    uint32_t laenge = 0;
    if (!Disk_Naechste_Blocklaenge(d, &laenge) || laenge != kap * 9u) return lade_fehler("Ereignisse");
    Puffer ev;
    ev.p = static_cast<uint8_t*>(Mem_Alloc_Clear(kap * 9u, 0, 0));
    if (!ev.p) {
        Exit_Game("Out of Memory\n");
        return false;
    }
    if (!Disk_Lese_Block(d, ev.p, kap * 9u)) return lade_fehler("Ereignisse");

    Puffer arrays[SPA_ANZAHL];
    int32_t anz[SPA_ANZAHL], kaps[SPA_ANZAHL];
    for (int32_t i = 0; i < SPA_ANZAHL; ++i) {
        const Spiele_Array& a = spiele_arrays[i];
        uint8_t k[8];
        if (!Disk_Lese_Block(d, k, 8)) return lade_fehler("Statistikkopf");
        uint32_t n = Disk_LE32_Lesen(k), c = Disk_LE32_Lesen(k + 4);
        if (c > MAX_ARRAY_EINTRAEGE || n >= std::max(c, 1u)) return lade_fehler("Statistikgröße");
        if (!Disk_Naechste_Blocklaenge(d, &laenge) || laenge != n * a.groesse) return lade_fehler("Statistik");
        const uint32_t c_neu = array_kapazitaet(a, n, c);
        arrays[i].p = static_cast<uint8_t*>(Mem_Alloc_Clear(c_neu * a.groesse, 0, 0));
        if (!arrays[i].p) {
            Exit_Game("Out of Memory\n");
            return false;
        }
        if (!Disk_Lese_Block(d, arrays[i].p, n * a.groesse)) return lade_fehler("Statistik");
        if (const char* fehler = array_pruefen(i, arrays[i].p, n, a.groesse)) return lade_fehler(fehler);
        anz[i] = int32_t(n);
        kaps[i] = int32_t(c_neu);
    }
    std::vector<Liste_Element*> neue;
    if (const char* fehler = bloecke_pruefen(&neu_liste, kap, zaehler, &neue)) return lade_fehler(fehler);
    Spiele_Spiel* neue_locks[SPIELE_LOCKS] = {};
    for (int32_t i = 0; i < SPIELE_LOCKS; ++i) {
        int32_t b = int32_t(Disk_LE32_Lesen(ord_block + 4 * i)), p = int32_t(Disk_LE32_Lesen(ord_spiel + 4 * i));
        if (b == -1 && p == -1) continue;
        if (b < 0 || size_t(b) >= neue.size() || p < 0 || uint32_t(p) >= kopf_von(neue[size_t(b)])->anzahl)
            return lade_fehler("Lock");
        neue_locks[i] = spiele_von(neue[size_t(b)]) + p;
    }

    // Everything is checked: take it over. Nothing below allocates or fails.
    Liste_Tauschen(&bloecke, &neu_liste);
    std::copy(std::begin(neue_locks), std::end(neue_locks), std::begin(locks));
    locks_frei_ab = 0;
    Mem_Free(ereignisse, 0);
    ereignisse = reinterpret_cast<Spiele_Ereignis*>(ev.p);
    ev.p = nullptr;
    ereignis_kap = int32_t(kap);
    ereignis_benutzt = int32_t(benutzt);
    pack_stand_vergessen();
    for (int32_t i = 0; i < SPA_ANZAHL; ++i) {
        Spiele_Array& a = spiele_arrays[i];
        Mem_Free(a.daten, 0);
        a.daten = arrays[i].p;
        arrays[i].p = nullptr;
        a.anzahl = anz[i];
        a.kapazitaet = kaps[i];
    }
    block_zaehler = int32_t(zaehler);
    cursor_loeschen();
    ++spiele_aenderungen;
    Spiele_Tabellen_Cache_Leeren();
    return true;
}
