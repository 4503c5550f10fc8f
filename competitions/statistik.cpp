// Player statistics store and its savegame block.
#include "competitions/statistik.h"

#include "competitions/spiele.h"
#include "competitions/statistik_saetze.h"
#include "competitions/wettbewerb.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/disk.h"
#include "platform/exit.h"
#include "gameflow/globals.h"
#include "platform/print.h"
#include "platform/mem.h"
#include "network/internet.h"
#include "platform/maus.h"
#include "platform/os/os.h"
#include "platform/timer.h"
#include "platform/win95.h"
#include "toolkit/dienste.h"
#include "toolkit/key_input.h"

namespace {

// Far above any real world, low enough that a forged count cannot make the reader allocate
// gigabytes.
constexpr uint32_t MAX_KAPAZITAET = 1u << 22;

bool initialisiert = false;
Statistik_Spieler* daten = nullptr;
int32_t anzahl = 0;
int32_t kapazitaet = 0;
Liste archiv;

// Records created since the array was last put in order, by player number: a match day creates
// players all over the array, and one merge of a batch moves its tail once rather than once per
// player. `anzahl` counts the array alone; the capacity is checked against both, record by record,
// as if each had gone straight into the array.
constexpr size_t NEUE_MAX = 64;
std::vector<Statistik_Spieler> neue;

bool nach_nummer(const Statistik_Spieler& s, int32_t nr) { return s.spieler < nr; }

// The new records into the array, each at its place by player number.
void einordnen()
{
    if (neue.empty()) return;
    int32_t alt = anzahl - 1, ziel = anzahl + int32_t(neue.size()) - 1;
    for (size_t k = neue.size(); k-- > 0;) {
        while (alt >= 0 && daten[alt].spieler > neue[k].spieler) daten[ziel--] = daten[alt--];
        daten[ziel--] = neue[k];
    }
    anzahl += int32_t(neue.size());
    neue.clear();
}

Statistik_Spieler neuer_datensatz(int32_t spieler)
{
    Statistik_Spieler s;
    std::memset(&s, 0xFF, sizeof s);
    s.spieler = spieler;
    s.tore = s.einsaetze = s.international = s.minuten = 0;
    return s;
}

template <typename T, size_t N>
void schieben(T (&feld)[N], T neu)
{
    std::copy_backward(feld, feld + N - 1, feld + N);
    feld[0] = neu;
}

void anwenden(Statistik_Spieler& s, const Statistik_Spieler& u)
{
    auto addieren = [](uint16_t& f, uint16_t v) {
        if (v != 0xFFFF) f = uint16_t(f + v);
    };
    addieren(s.tore, u.tore);
    addieren(s.einsaetze, u.einsaetze);
    addieren(s.international, u.international);
    addieren(s.minuten, u.minuten);
    if (u.saison_werte[0] != 0xFF) schieben(s.saison_werte, u.saison_werte[0]);
    if (u.saison_staerke[0] != 0xFFFF) schieben(s.saison_staerke, u.saison_staerke[0]);
    if (u.minuten_letzte[0] != 0xFF) schieben(s.minuten_letzte, u.minuten_letzte[0]);
    const uint8_t note = u.noten[0];
    if (note != 0xFF) {
        // One entry per match: the substitution bits and the mark arrive in separate updates
        // and collect in the open entry until the mark closes it.
        if (s.noten[0] == 0xFF) s.noten[0] = 0;
        else if (s.noten[0] & STAT_NOTE_GESCHLOSSEN) schieben(s.noten, uint8_t(0));
        if (note & STAT_NOTE_MASKE) s.noten[0] |= uint8_t((note & STAT_NOTE_MASKE) | STAT_NOTE_GESCHLOSSEN);
        s.noten[0] |= uint8_t(note & (STAT_NOTE_EINGEWECHSELT | STAT_NOTE_AUSGEWECHSELT));
    }
}

bool vergroessern()
{
    Print_Log(0, "Statistik_Spieler-Array von %d ist zu klein!\n", kapazitaet);
    const int32_t neu_kap = kapazitaet * 120 / 100;
    auto* neu = static_cast<Statistik_Spieler*>(Mem_Alloc_Clear(uint32_t(neu_kap) * 68u, 0, 0));
    if (!neu) {
        Exit_Game("Speicher für Statistik_Spieler nicht vorhanden\n");
        return false;
    }
    std::memcpy(neu, daten, size_t(kapazitaet) * 68u);
    Mem_Free(daten, 0);
    daten = neu;
    kapazitaet = neu_kap;
    return true;
}

}  // namespace

void Statistik_Init()
{
    if (initialisiert) Statistik_Deinit();
    initialisiert = true;
    neue.clear();
    Liste_Init(&archiv);
    daten = static_cast<Statistik_Spieler*>(Mem_Alloc_Clear(STATISTIK_START_KAPAZITAET * 68u, 0, 0));
    if (!daten) {
        Liste_Delete_All(&archiv);
        initialisiert = false;
    }
    anzahl = 0;
    kapazitaet = STATISTIK_START_KAPAZITAET;
    if (initialisiert) {
        Disk_Block_Registrieren(DISK_POS_STATISTIK, Statistik_Speichern, Statistik_Laden);
        Exit_Freigabe_Registrieren(EXIT_FREIGABE_STATISTIK, Statistik_Deinit);
    }
}

void Statistik_Deinit()
{
    if (!initialisiert) return;
    Liste_Delete_All(&archiv);
    initialisiert = false;
    daten = static_cast<Statistik_Spieler*>(Mem_Free(daten, 0));
    anzahl = 0;
    neue.clear();
}

bool Statistik_Ist_Initialisiert()
{
    if (!initialisiert) Print_Fehler("Statistik-Modul muß initialisiert werden");
    return initialisiert;
}

Statistik_Spieler Statistik_Leeres_Update(int32_t spieler)
{
    Statistik_Spieler u;
    std::memset(&u, 0xFF, sizeof u);
    u.spieler = spieler;
    return u;
}

namespace {

// The record of a player, in the array or among the new ones; null when he has none.
Statistik_Spieler* datensatz(int32_t spieler)
{
    Statistik_Spieler* e = std::lower_bound(daten, daten + anzahl, spieler, nach_nummer);
    if (e != daten + anzahl && e->spieler == spieler) return e;
    const auto n = std::lower_bound(neue.begin(), neue.end(), spieler, nach_nummer);
    return n != neue.end() && n->spieler == spieler ? &*n : nullptr;
}

}  // namespace

int32_t Statistik_Spieler_Suchen(int32_t spieler)
{
    if (!Statistik_Ist_Initialisiert()) return -1;
    einordnen();
    if (anzahl == 0) return -1;
    const Statistik_Spieler* e = std::lower_bound(daten, daten + anzahl, spieler, nach_nummer);
    return e != daten + anzahl && e->spieler == spieler ? int32_t(e - daten) : -1;
}

void Spiele_Set_Statistik_Spieler(int32_t spieler, const Statistik_Spieler* update, int32_t anlegen)
{
    if (!Statistik_Ist_Initialisiert() || !update || spieler < 0) return;
    if (Netz_Rolle == 1 && !Spiele_Client_Am_Spiel()) Print_Fehler("Cl: Spiele Set_Statistik_Spieler");
    Statistik_Spieler* s = datensatz(spieler);
    if (!s) {
        if (!anlegen) return;
        // The array always keeps one spare record.
        if (anzahl + int32_t(neue.size()) + 1 >= kapazitaet && !vergroessern()) return;
        s = &*neue.insert(std::lower_bound(neue.begin(), neue.end(), spieler, nach_nummer), neuer_datensatz(spieler));
        if (neue.size() >= NEUE_MAX) {
            einordnen();
            s = datensatz(spieler);
        }
    }
    anwenden(*s, *update);
}

bool Spiele_Get_Statistik_Spieler(int32_t spieler, Statistik_Spieler* aus)
{
    if (!Statistik_Ist_Initialisiert() || !aus) return false;
    if (Netz_Rolle == 1) Print_Fehler("Cl: Spiele Get_Statistik_Spieler");
    const Statistik_Spieler* s = datensatz(spieler);
    if (!s) return false;
    *aus = *s;
    return true;
}

void Statistik_Get_Anzahl(int32_t* n, int32_t* kap)
{
    if (n) *n = initialisiert ? anzahl + int32_t(neue.size()) : 0;
    if (kap) *kap = initialisiert ? kapazitaet : 0;
}

Liste* Statistik_Tabellen_Archiv() { return initialisiert ? &archiv : nullptr; }

bool Statistik_Speichern(Disk_Datei* d)
{
    if (!initialisiert) return true;
    einordnen();
    if (!Liste_Write_File(d, &archiv)) return false;
    uint8_t w[8];
    Disk_LE32_Setzen(w, uint32_t(anzahl));
    Disk_LE32_Setzen(w + 4, uint32_t(kapazitaet));
    return Disk_Schreibe_Block(d, w, 4) && Disk_Schreibe_Block(d, w + 4, 4) &&
           Disk_Schreibe_Block(d, daten, uint32_t(anzahl) * 68u);
}

bool Statistik_Laden(Disk_Datei* d, const char*)
{
    if (!initialisiert) return true;
    Liste neu_archiv{};
    Liste_Init(&neu_archiv);
    struct Aufraeumen {
        Liste* l;
        void* p = nullptr;
        ~Aufraeumen()
        {
            Liste_Delete_All(l);
            Mem_Free(p, 0);
        }
    } aufraeumen{&neu_archiv};
    auto fehler = [](const char* grund) {
        Print_Fehler("Statistik_Laden: %s - Spielstand abgelehnt.\n", grund);
        return false;
    };
    if (!Liste_Read_File(d, &neu_archiv)) return fehler("Tabellenarchiv");
    uint8_t w[8];
    if (!Disk_Lese_Block(d, w, 4) || !Disk_Lese_Block(d, w + 4, 4)) return fehler("Kopf");
    const uint32_t n = Disk_LE32_Lesen(w), kap = Disk_LE32_Lesen(w + 4);
    if (kap > MAX_KAPAZITAET || n >= std::max(kap, 1u)) return fehler("Anzahl");
    uint32_t laenge = 0;
    if (!Disk_Naechste_Blocklaenge(d, &laenge) || laenge != n * 68u) return fehler("Datensätze");
    // The stored capacity, held to what n records could have grown it to (or what the store has
    // now): a forged one claims no memory.
    const uint32_t grenze = std::max({uint32_t(STATISTIK_START_KAPAZITAET), n + n / 5 + 2, uint32_t(kapazitaet)});
    const uint32_t kap_neu = std::min(kap, grenze);
    auto* neu = static_cast<Statistik_Spieler*>(Mem_Alloc_Clear(kap_neu * 68u, 0, 0));
    if (!neu) {
        Exit_Game("Statistik_Spieler: Out of Memory\n");
        return false;
    }
    aufraeumen.p = neu;
    if (!Disk_Lese_Block(d, neu, n * 68u)) return fehler("Datensätze");
    for (uint32_t i = 0; i < n; ++i)
        if (neu[i].spieler < 0 || (i > 0 && neu[i].spieler <= neu[i - 1].spieler)) return fehler("Reihenfolge");

    // Everything is checked: take it over.
    Liste_Tauschen(&archiv, &neu_archiv);
    neue.clear();
    Mem_Free(daten, 0);
    daten = neu;
    aufraeumen.p = nullptr;
    anzahl = int32_t(n);
    kapazitaet = int32_t(kap_neu);
    return true;
}

static Auslosung_Warten_Hook warten_hook = nullptr;

void Auslosung_Set_Warten_Hook(Auslosung_Warten_Hook hook) { warten_hook = hook; }

int32_t Auslosung_Warten(int32_t ms, int32_t ohne_loslassen)
{
    if (warten_hook) return warten_hook(ms, ohne_loslassen);
    // A scripted run holds its input during busy stretches: nothing could end the pause there.
    const bool gehalten = Os_Script_Halten(true);
    Os_Script_Halten(gehalten);
    if (gehalten && Os_Headless()) return 1;
    const uint32_t start = Timer_Get_Time();
    const uint32_t dauer = uint32_t(std::max(ms, 0));
    if (Key_Input_Taste_Vorhanden()) Key_Input_Taste_Holen();
    // A server keeps serving its clients while a page waits.
    auto durchgang = [] {
        if (Netz_Rolle & 2) Steuersignal_Verarbeiten();
    };
    if (!ohne_loslassen)
        while (Maus_Get_Tasten() != 0 && !Programm_Ende) {
            durchgang();
            Win95_Message_Pump();
            Win95_Sleep(1);
        }
    for (;;) {
        durchgang();
        if (Menue_Automatik_Aktiv() || Timer_Get_Time() - start > dauer || Maus_Get_Tasten() != 0 ||
            Key_Input_Taste_Vorhanden() || Programm_Ende)
            return 1;
        Win95_Sleep(1);
    }
}

int32_t Wettbewerb_Auslosung_Anzeigen(Wettbewerb_Id, int32_t) { return 0; }

int32_t Statistik_Fakten_Saetze(int32_t wettbewerb, int32_t team, int32_t gegner, int32_t seite, int32_t spiel,
                                char (*saetze)[256], int32_t max)
{
    if (!saetze || max <= 0) return 0;
    std::vector<char*> zeilen(static_cast<size_t>(max));
    for (int32_t i = 0; i < max; ++i) zeilen[size_t(i)] = saetze[i];
    return Statistik_Fakten_Saetze(wettbewerb, team, gegner, seite, spiel, zeilen.data(), max, 256);
}
