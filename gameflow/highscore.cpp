#include "gameflow/highscore.h"

#include <algorithm>
#include <cstring>

#include "database/team.h"
#include "platform/disk.h"
#include "gameflow/globals.h"
#include "platform/print.h"

// The ratings below feed network matches, so they are plain integer arithmetic and never draw
// from the random generator.

static Highscore_Eintrag eintraege[HIGHSCORE_MAX];
static bool initialisiert = false;

void Highscore_Init()
{
    for (auto& e : eintraege) {
        e = {};
        e.team = -1;
    }
    initialisiert = true;
}

void Highscore_DeInit() { Highscore_Init(); }

static Highscore_Eintrag* finde(int32_t team)
{
    if (!initialisiert) Highscore_Init();
    if (team < 0) return nullptr;
    for (auto& e : eintraege)
        if (e.team == team) return &e;
    return nullptr;
}

static bool client_zugriff(const char* name)
{
    if (Netz_Rolle != 1) return false;
    Print_Fehler("Client-Zugriff: %s", name);
    return true;
}

const Highscore_Eintrag* Highscore_Get_Eintrag(int32_t team) { return finde(team); }

bool Highscore_Manager_Anlegen(int32_t team)
{
    if (team < 0) {
        Print_Fehler("Highscore_Manager_Anlegen: falsches Team %d!", team);
        return false;
    }
    if (finde(team)) return true;
    Highscore_Eintrag* frei = nullptr;
    for (auto& e : eintraege)
        if (!frei && e.team == -1) frei = &e;
    if (!frei) {
        Print_Fehler("Highscore_Manager_Anlegen: kein Platz für Team %d!", team);
        return false;
    }
    *frei = {};
    frei->team = team;
    frei->bewertung = 50;
    frei->letztes_spiel = -1;
    return true;
}

static int32_t saettigen(int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

bool Highscore_Punkte_Machen(int32_t team, int32_t kategorie, int32_t punkte)
{
    if (client_zugriff("Highscore_Punkte_Machen")) return false;
    if (kategorie < 0 || kategorie >= HIGHSCORE_KATEGORIEN) {
        Print_Fehler("Highscore_Punkte_Machen: falsche Kategorie %d!", kategorie);
        return false;
    }
    Highscore_Eintrag* e = finde(team);
    if (!e) return false;  // clubs without a manager collect nothing
    e->punkte[kategorie] = saettigen(int64_t(e->punkte[kategorie]) + punkte);
    return true;
}

bool Highscore_Punkte_Addieren(int32_t team, int32_t n)
{
    Highscore_Eintrag* e = finde(team);
    if (!e || n < 0) return false;
    e->freie_tage = saettigen(int64_t(e->freie_tage) + n);
    return true;
}

bool Highscore_Punkte_Abziehen(int32_t team)
{
    Highscore_Eintrag* e = finde(team);
    if (!e || e->freie_tage <= 0) return false;
    --e->freie_tage;
    return true;
}

bool Highscore_Freie_Tage_Offen()
{
    if (!initialisiert) Highscore_Init();
    for (const auto& e : eintraege)
        if (e.team >= 0 && e.freie_tage > 0) return true;
    return false;
}

int32_t Highscore_Get_Wert(int32_t team, int32_t art, int32_t kategorie)
{
    const Highscore_Eintrag* e = finde(team);
    switch (art) {
    case 0:
        return e ? e->bewertung : 50;
    case 1: {
        if (!e) return 0;
        if (kategorie >= 0 && kategorie < HIGHSCORE_KATEGORIEN) return e->punkte[kategorie];
        int64_t summe = 0;
        for (int32_t p : e->punkte) summe += p;
        return saettigen(summe);
    }
    case 2:
        return e ? e->freie_tage : 0;
    default:
        Print_Fehler("Highscore_Get_Wert: falsche Art %d!", art);
        return 0;
    }
}

void Highscore_Spiel_Bewerten(int32_t team, int32_t spiel, int32_t einsatz)
{
    Highscore_Eintrag* e = finde(team);
    if (!e || spiel == e->letztes_spiel) return;
    einsatz = std::clamp(einsatz, 0, 100);
    // An eighth of the way toward the effort, rounded toward the effort so that a constant
    // effort is reached in the end.
    const int32_t diff = einsatz - e->bewertung;
    e->bewertung += diff >= 0 ? (diff + 7) / 8 : (diff - 7) / 8;
    e->letztes_spiel = spiel;
    ++e->spiele;
}

int32_t Highscore_Klicks_Bewerten(int32_t team, const int32_t* zaehler)
{
    if (!zaehler) {
        Print_Fehler("Highscore_Klicks_Bewerten: zaehler==NULL!");
        return 50;
    }
    // Items 0..4 encourage, 5..9 criticise. Each press moves the response by the item's
    // weight, at most three presses per item count, and a well-rated manager is heard a
    // little better: 50 + (rating - 50) / 5 + sum, clamped to 0..100.
    static constexpr int32_t gewicht[10] = {6, 5, 4, 3, 2, -2, -3, -4, -5, -6};
    int32_t wert = 50 + (Highscore_Get_Wert(team, 0, 0) - 50) / 5;
    for (int i = 0; i < 10; ++i) wert += gewicht[i] * std::clamp(zaehler[i], 0, 3);
    return std::clamp(wert, 0, 100);
}

void Highscore_Zeige_Aufgabenfrist(int32_t, int32_t) {}

void Highscore_Jeden_Monat()
{
    if (!initialisiert) Highscore_Init();
    for (auto& e : eintraege)
        if (e.team >= 0) ++e.monate;
}

void Manager_Loeschen(int32_t team)
{
    if (client_zugriff("Manager_Loeschen")) return;
    if (Highscore_Eintrag* e = finde(team)) {
        *e = {};
        e->team = -1;
    }
}

void Manager_Wechsel(int32_t alt, int32_t neu)
{
    Highscore_Eintrag* e = finde(alt);
    if (!e || neu < 0 || alt == neu) return;
    if (finde(neu)) {
        Print_Fehler("Manager_Wechsel: Team %d hat schon einen Eintrag!", neu);
        return;
    }
    e->team = neu;
}

// Block: u32 record count (used records only), then per record i32 team, 10 x i32 points,
// i32 days off, rating, matches, last game, months: 16 words.
constexpr uint32_t HIGHSCORE_SATZ = 16 * 4;

bool Highscore_Write_Bin_Block(Disk_Datei* datei)
{
    if (!initialisiert) Highscore_Init();
    uint8_t b[4 + HIGHSCORE_MAX * HIGHSCORE_SATZ];
    uint32_t n = 0;
    for (const auto& e : eintraege) {
        if (e.team < 0) continue;
        uint8_t* p = b + 4 + n * HIGHSCORE_SATZ;
        Disk_LE32_Setzen(p, uint32_t(e.team));
        for (int k = 0; k < HIGHSCORE_KATEGORIEN; ++k) Disk_LE32_Setzen(p + 4 + 4 * k, uint32_t(e.punkte[k]));
        Disk_LE32_Setzen(p + 44, uint32_t(e.freie_tage));
        Disk_LE32_Setzen(p + 48, uint32_t(e.bewertung));
        Disk_LE32_Setzen(p + 52, uint32_t(e.spiele));
        Disk_LE32_Setzen(p + 56, uint32_t(e.letztes_spiel));
        Disk_LE32_Setzen(p + 60, uint32_t(e.monate));
        ++n;
    }
    Disk_LE32_Setzen(b, n);
    return Disk_Schreibe_Block(datei, b, 4) && Disk_Schreibe_Block(datei, b + 4, n * HIGHSCORE_SATZ);
}

bool Highscore_Read_Bin_Block(Disk_Datei* datei, const char*)
{
    uint8_t b[HIGHSCORE_MAX * HIGHSCORE_SATZ];
    if (!Disk_Lese_Block(datei, b, 4)) return false;
    const uint32_t n = Disk_LE32_Lesen(b);
    if (n > uint32_t(HIGHSCORE_MAX)) {
        Print_Fehler("Highscore_Read_Bin_Block: %u Einträge!", n);
        return false;
    }
    if (!Disk_Lese_Block(datei, b, n * HIGHSCORE_SATZ)) return false;
    Highscore_Eintrag neu[HIGHSCORE_MAX];
    for (uint32_t i = 0; i < n; ++i) {
        const uint8_t* p = b + i * HIGHSCORE_SATZ;
        Highscore_Eintrag& e = neu[i];
        e.team = int32_t(Disk_LE32_Lesen(p));
        for (int k = 0; k < HIGHSCORE_KATEGORIEN; ++k) e.punkte[k] = int32_t(Disk_LE32_Lesen(p + 4 + 4 * k));
        e.freie_tage = int32_t(Disk_LE32_Lesen(p + 44));
        e.bewertung = int32_t(Disk_LE32_Lesen(p + 48));
        e.spiele = int32_t(Disk_LE32_Lesen(p + 52));
        e.letztes_spiel = int32_t(Disk_LE32_Lesen(p + 56));
        e.monate = int32_t(Disk_LE32_Lesen(p + 60));
        bool doppelt = false;
        for (uint32_t j = 0; j < i; ++j) doppelt |= neu[j].team == e.team;
        if (e.team < 0 || e.team >= Team_Anzahl || doppelt || e.bewertung < 0 || e.bewertung > 100 ||
            e.freie_tage < 0) {
            Print_Fehler("Highscore_Read_Bin_Block: Eintrag %u fehlerhaft!", i);
            return false;
        }
    }
    Highscore_Init();
    for (uint32_t i = 0; i < n; ++i) eintraege[i] = neu[i];
    return true;
}
