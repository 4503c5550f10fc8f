#include "economy/bank.h"
#include "economy/bank_welt.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "economy/bank_intern.h"
#include "economy/oekonomie_schirm.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/team_requester.h"
#include "platform/print.h"
#include "platform/zufall.h"

Bank_Zustand Bank;

const int32_t Bank_Laufzeit[BANK_LAUFZEITEN] = {1, 3, 6, 12, 24, 36, 48};
float Bank_Anlage_Zins[BANK_LAUFZEITEN] = {3.5f, 4.0f, 4.5f, 5.0f, 5.5f, 6.0f, 6.5f};
float Bank_Kredit_Zins[BANK_LAUFZEITEN] = {8.5f, 8.3f, 8.1f, 8.0f, 7.8f, 7.5f, 7.2f};
// The start values as written, giro above dispo (the jobs' first change of the base rate
// puts them in the usual order).
float Bank_Giro_Zins = 2.5f, Bank_Dispo_Zins = 10.5f, Bank_Ueberzieh_Zins = 16.5f;
float Bank_Waehrungsfaktor[BANK_BOERSEN] = {100.0f, 182.0f, 20.0f};
uint8_t Bank_Standard_Waehrung = 0;
int32_t Bank_Aktien_Anzahl = 0;
int32_t Bank_Liga_Wettbewerb = -1;
float Bank_Wippe_Betrag = 0;
int32_t Bank_Wippe_Laufzeit = 0;

static Bank_Konto_Beobachter konto_beobachter = nullptr;
static Bank_Buchung_Beobachter buchung_beobachter = nullptr;
static Bank_Kontostand_Abfrage kontostand_abfrage = nullptr;
static Bank_Kredit_Beobachter kredit_beobachter = nullptr;
static Bank_Buchung_Protokoll buchung_protokoll = nullptr;

void Bank_Set_Konto_Beobachter(Bank_Konto_Beobachter b) { konto_beobachter = b; }
void Bank_Set_Buchung_Beobachter(Bank_Buchung_Beobachter b) { buchung_beobachter = b; }
void Bank_Set_Kontostand_Abfrage(Bank_Kontostand_Abfrage a) { kontostand_abfrage = a; }
void Bank_Set_Kredit_Beobachter(Bank_Kredit_Beobachter b) { kredit_beobachter = b; }
void Bank_Set_Buchung_Protokoll(Bank_Buchung_Protokoll p) { buchung_protokoll = p; }

bool Bank_Kredit_Beobachtet(int32_t geber, int32_t nehmer, float betrag, int32_t laufzeit, float zins, bool* ergebnis)
{
    if (!kredit_beobachter) return false;
    *ergebnis = kredit_beobachter(geber, nehmer, betrag, laufzeit, zins);
    return true;
}

bool Bank_Init_Check()
{
    if (!Bank.initialisiert) Print_Fehler("Bank muß initialisiert werden");
    return Bank.initialisiert;
}

bool Bank_Ist_Client() { return Netz_Rolle == 1; }
bool Bank_Stumm() { return Bank.stumm; }
bool Bank_Team_Gueltig(int32_t team) { return team >= 0 && team < BANK_TEAMS; }

int32_t Bank_Runden(double x)
{
    const double r = x < 0 ? -std::floor(-x + 0.5) : std::floor(x + 0.5);
    if (r > double(BANK_GRENZE)) return int32_t(BANK_GRENZE);
    if (r < -double(BANK_GRENZE)) return -int32_t(BANK_GRENZE);
    return int32_t(r);
}

void Bank_Init()
{
    if (Bank.initialisiert) Bank_DeInit();
    Bank_Module_Registrieren();
    Bank_Finanzen_Zuruecksetzen();
    Bank.initialisiert = true;
    std::memset(Bank.kontostand, 0, sizeof Bank.kontostand);
    Bank_Welt_Leeren();
    static const float ANLAGE[BANK_LAUFZEITEN] = {3.5f, 4.0f, 4.5f, 5.0f, 5.5f, 6.0f, 6.5f};
    static const float KREDIT[BANK_LAUFZEITEN] = {8.5f, 8.3f, 8.1f, 8.0f, 7.8f, 7.5f, 7.2f};
    std::memcpy(Bank_Anlage_Zins, ANLAGE, sizeof ANLAGE);
    std::memcpy(Bank_Kredit_Zins, KREDIT, sizeof KREDIT);
    // A current account earns less than any fixed deposit, an overdraft costs more than a
    // credit: the bank's new rates after a change of the base rate come out so, and the other
    // way round a club's current account paid it 10.5 % (a manager's 12 million brought him
    // 1.3 million a season) while its overdraft cost 2.5 %.
    Bank_Giro_Zins = 2.5f;
    Bank_Dispo_Zins = 10.5f;
    Bank_Ueberzieh_Zins = 16.5f;
    Bank_Waehrungsfaktor[0] = 100.0f;
    Bank_Waehrungsfaktor[1] = 182.0f;
    Bank_Waehrungsfaktor[2] = 20.0f;
    Bank_Standard_Waehrung = 0;
    Bank_Aktien_Anzahl = 0;
    Bank_Liga_Wettbewerb = -1;
    Bank_Wippe_Betrag = 0;
    Bank_Wippe_Laufzeit = 0;
    Bank.client_konto = Bank.client_buchungen = 0;
    std::memset(Bank.client_boerse, 0, sizeof Bank.client_boerse);
    Bank.schirm[0] = Bank.schirm[1] = 0;
    Bank.boerse_wahl = 0;
    Bank.firma_wahl = 1;
    Liste_Init(&Bank.konten);
    Liste_Init(&Bank.aktien);
    Liste_Init(&Bank.anlagen);
    Bank_Konten_Indizieren();
    Bank_Boersen_Vorbelegen();
    for (int32_t e = 0; e < BANK_BOERSEN; ++e) {
        const int32_t z = Zufall(0, 40);
        Bank_Boerse[e].trend = float(z * 10 - 200);
    }
    const int32_t saat = Zufall_Gross(0, 0x7FFFFFFF);
    Bank.zufall = uint32_t(saat) ^ 0x5BA1E5EDu;
}

void Bank_DeInit()
{
    if (!Bank.initialisiert) return;
    Liste_Delete_All(&Bank.konten);
    Liste_Delete_All(&Bank.aktien);
    Liste_Delete_All(&Bank.anlagen);
    std::memset(Bank.konto, 0, sizeof Bank.konto);
    Bank.initialisiert = false;
}

void Bank_Konten_Indizieren()
{
    std::memset(Bank.konto, 0, sizeof Bank.konto);
    for (Liste_Element* e = Bank.konten.next; e; e = e->next)
        if (e->key < uint32_t(BANK_TEAMS)) Bank.konto[e->key] = static_cast<Bank_Konto*>(e->data);
}

int32_t Bank_Zufall_Zwischen(int32_t lo, int32_t hi)
{
    if (hi <= lo) return lo;
    Bank.zufall = Bank.zufall * 1664525u + 1013904223u;
    const uint32_t r = Bank.zufall >> 1;
    return lo + int32_t(r % (uint32_t(int64_t(hi) - lo + 1)));
}

int32_t Bank_Laufzeit_Index(int32_t monate)
{
    for (int32_t i = BANK_LAUFZEITEN - 1; i > 0; --i)
        if (Bank_Laufzeit[i] <= monate) return i;
    return 0;
}

Bank_Konto* Bank_Get_Konto(int32_t team)
{
    if (!Bank.initialisiert || !Bank_Team_Gueltig(team)) return nullptr;
    return Bank.konto[team];
}

static int32_t waehrung_von(int32_t team)
{
    const Bank_Konto* k = Bank_Get_Konto(team);
    return k ? k->waehrung : Bank_Standard_Waehrung;
}

static double umrechnen(double betrag, int32_t von, int32_t nach)
{
    if (von < 0 || von >= BANK_BOERSEN || nach < 0 || nach >= BANK_BOERSEN || von == nach) return betrag;
    if (Bank_Waehrungsfaktor[nach] == 0.0f) return betrag;
    return betrag * double(Bank_Waehrungsfaktor[von]) / double(Bank_Waehrungsfaktor[nach]);
}

float Bank_Waehrung_Umrechnen(float betrag, int32_t von, int32_t nach) { return float(umrechnen(betrag, von, nach)); }

int8_t Bank_Get_Waehrung(int32_t team)
{
    if (!Bank_Init_Check()) return -1;
    return int8_t(waehrung_von(team));
}

bool Bank_Konto_Einrichten(int32_t team, int32_t start, int8_t waehrung)
{
    if (konto_beobachter) konto_beobachter(true, team, start);
    if (!Bank_Init_Check()) return false;
    if (!Bank_Team_Gueltig(team) || waehrung < 0 || waehrung >= BANK_BOERSEN) {
        Print_Fehler("Bank_Konto_Einrichten: Team %d oder Währung %d ungültig", team, waehrung);
        return false;
    }
    Bank_Konto* k = Bank.konto[team];
    if (k) {
        Bank.kontostand[team] = Bank_Runden(umrechnen(Bank.kontostand[team], k->waehrung, waehrung));
    } else {
        if (!Liste_Insert_Element(&Bank.konten, Liste_Get_Last(&Bank.konten), nullptr, sizeof(Bank_Konto),
                                  uint32_t(team)))
            return false;
        Bank_Konten_Indizieren();
        k = Bank.konto[team];
    }
    k->kreditlinie = 0;
    k->steuergewinn = 0;
    k->letzte_steuer = 0;
    k->waehrung = waehrung;
    if (start != -1) Bank.kontostand[team] = Bank_Runden(start);
    return true;
}

bool Bank_Konto_Loeschen(int32_t team)
{
    if (konto_beobachter) konto_beobachter(false, team, 0);
    if (Bank_Ist_Client() || !Bank_Init_Check() || !Bank_Get_Konto(team)) return false;
    Liste_Delete_Element(&Bank.konten, Liste_Find_Key(&Bank.konten, uint32_t(team)));
    Bank_Konten_Indizieren();
    return true;
}

static Bank_Neues_Spiel_Beobachter neues_spiel_beobachter = nullptr;

void Bank_Set_Neues_Spiel_Beobachter(Bank_Neues_Spiel_Beobachter b) { neues_spiel_beobachter = b; }
void Bank_Neues_Spiel_Melden(const char* aufruf, int32_t team, int32_t betrag)
{
    if (neues_spiel_beobachter) neues_spiel_beobachter(aufruf, team, betrag);
}

void Bank_Set_Kreditlinie(int32_t team, float betrag, int8_t waehrung)
{
    Bank_Neues_Spiel_Melden("Bank_Set_Kreditlinie", team, int32_t(betrag));
    Bank_Konto* k = Bank_Get_Konto(team);
    if (!k || !std::isfinite(betrag)) return;
    k->kreditlinie = Bank_Runden(umrechnen(betrag, waehrung, k->waehrung));
}

float Bank_Get_Kreditlinie(int32_t team, int32_t waehrung)
{
    const Bank_Konto* k = Bank_Get_Konto(team);
    if (!k) return 0.0f;
    return float(umrechnen(k->kreditlinie, k->waehrung, waehrung == 255 ? -1 : waehrung));
}

int32_t Bank_Get_Kontostand(int32_t team, int32_t mit_kreditrahmen, int32_t waehrung)
{
    if (kontostand_abfrage) return kontostand_abfrage(team, mit_kreditrahmen);
    if (!Bank_Init_Check()) return -1000000000;
    if (!Bank_Team_Gueltig(team)) return 0;
    double b = Bank.kontostand[team];
    const Bank_Konto* k = Bank.konto[team];
    if (mit_kreditrahmen && k) b += k->kreditlinie;
    if (waehrung != 255 && waehrung != -1) b = umrechnen(b, waehrung_von(team), waehrung);
    return Bank_Runden(b);
}

int32_t Bank_Get_Steuergewinn(int32_t team)
{
    const Bank_Konto* k = Bank_Get_Konto(team);
    return k ? k->steuergewinn : 0;
}

int32_t Bank_Get_Vermoegen(int32_t team, int32_t waehrung)
{
    if (!Bank_Init_Check() || !Bank_Team_Gueltig(team)) return 0;
    const int32_t eigene = waehrung_von(team);
    double v = Bank.kontostand[team];
    for (Liste_Element* e = Bank.anlagen.next; e; e = e->next)
        if (e->key == uint32_t(team)) v += umrechnen(static_cast<Bank_Anlage*>(e->data)->betrag, Bank_Standard_Waehrung, eigene);
    for (Liste_Element* e = Bank.aktien.next; e; e = e->next) {
        if (e->key != uint32_t(team)) continue;
        const auto* a = static_cast<Bank_Aktienbesitz*>(e->data);
        v += umrechnen(double(a->anzahl) * Bank_Boerse[a->boerse].kurs[a->firma], a->boerse, eigene);
    }
    if (waehrung != -1) v = umrechnen(v, eigene, waehrung);
    return Bank_Runden(v);
}

Bank_Aktienbesitz* Bank_Naechster_Aktienbesitz(int32_t team, void** cursor, int32_t boerse, int32_t firma)
{
    if (!Bank_Init_Check() || !cursor) return nullptr;
    auto* e = static_cast<Liste_Element*>(*cursor);
    for (e = e ? e->next : Bank.aktien.next; e; e = e->next) {
        auto* a = static_cast<Bank_Aktienbesitz*>(e->data);
        if (e->key == uint32_t(team) && (boerse == -1 || a->boerse == boerse) && (firma == -1 || a->firma == firma)) {
            *cursor = e;
            return a;
        }
    }
    *cursor = nullptr;
    return nullptr;
}

Bank_Anlage* Bank_Naechste_Anlage(int32_t team, void** cursor)
{
    if (!Bank_Init_Check() || !cursor) return nullptr;
    auto* e = static_cast<Liste_Element*>(*cursor);
    for (e = e ? e->next : Bank.anlagen.next; e; e = e->next)
        if (e->key == uint32_t(team)) {
            *cursor = e;
            return static_cast<Bank_Anlage*>(e->data);
        }
    *cursor = nullptr;
    return nullptr;
}

const char* Bank_Zahl_String(int64_t wert, int32_t flags)
{
    static char puffer[4][40];
    static int naechster = 0;
    char* aus = puffer[naechster];
    naechster = (naechster + 1) % 4;
    char ziffern[24];
    // the magnitude in unsigned arithmetic: the smallest value has no positive counterpart
    const uint64_t betrag = wert < 0 ? 0 - static_cast<uint64_t>(wert) : static_cast<uint64_t>(wert);
    std::snprintf(ziffern, sizeof ziffern, "%llu", static_cast<unsigned long long>(betrag));
    const bool punkte = !(flags & 64);
    char zahl[40];
    size_t n = std::strlen(ziffern), k = 0;
    if (wert < 0) zahl[k++] = '-';
    for (size_t i = 0; i < n; ++i) {
        if (punkte && i > 0 && (n - i) % 3 == 0) zahl[k++] = '.';
        zahl[k++] = ziffern[i];
    }
    zahl[k] = 0;
    int32_t breite = flags & 63;
    if (punkte && breite > 3) breite += (breite - 4) / 3 + 1;
    std::snprintf(aus, 40, "%*s", breite, zahl);
    return aus;
}

const char* Bank_Betrag_String(double betrag, int32_t team, int32_t waehrung, int32_t flag)
{
    static char puffer[3][30];
    static int naechster = 0;
    char* aus = puffer[naechster];
    naechster = (naechster + 1) % 3;
    if (waehrung == -1) waehrung = Bank.initialisiert ? waehrung_von(team) : 0;
    const char* vorne = waehrung == 1 ? "$ " : "";
    const char* hinten = (waehrung == 0 || waehrung == 2) ? " DM" : "";
    double b = std::isfinite(betrag) ? double(betrag) : 0.0;
    if (b > double(BANK_GRENZE)) b = double(BANK_GRENZE);
    if (b < -double(BANK_GRENZE)) b = -double(BANK_GRENZE);
    const int64_t ganz = int64_t(b);
    const double betrag_abs = std::fabs(b);
    const int32_t cent = int32_t((betrag_abs - std::trunc(betrag_abs)) * 100.0);
    char zahl[40];
    std::snprintf(zahl, sizeof zahl, "%s", Bank_Zahl_String(ganz, 1));
    if (ganz == 0 && b < 0) std::snprintf(zahl, sizeof zahl, "-0");
    if ((cent != 0 || flag == 1) && flag != -1) {
        const size_t l = std::strlen(zahl);
        std::snprintf(zahl + l, sizeof zahl - l, ",%d%d", cent / 10, cent % 10);
    }
    std::snprintf(aus, 30, "%s%s%s", vorne, zahl, hinten);
    return aus;
}

// ---- Bookings ----

bool Bank_Kategorie_Steuerpflichtig(uint8_t kategorie)
{
    static const uint8_t frei[] = {1, 43, 2, 44, 3, 45, 18, 19, 20, 21, 255};
    const uint8_t k = kategorie & 0x7F;
    for (int i = 0; frei[i] != 255; ++i)
        if (frei[i] == k) return false;
    return true;
}

namespace {

// The booking week of a day, counted from the season's start.
struct Woche {
    int32_t heute = -1, saisonstart = 0;
    int32_t von(int32_t tag)
    {
        if (Aktueller_Tag != heute) {
            heute = Aktueller_Tag;
            saisonstart = Kalender_Get_Saisonstart();
        }
        // floored: the last days of the old season must not share week 0 with the new one
        const int32_t d = tag - saisonstart;
        return d >= 0 ? d / 7 : -((6 - d) / 7);
    }
} woche;

// The ring entry that a booking of this category byte would merge into, -1 none.
int32_t ring_treffer(const Bank_Konto& k, uint8_t kategorie, bool empfaenger)
{
    const int32_t heute = Kalender_Get_Heute();
    const int32_t w = woche.von(heute);
    uint32_t i = k.index % BANK_RING;
    for (;;) {
        i = i == 0 ? BANK_RING - 1 : i - 1;
        if (i == k.index % BANK_RING) return -1;
        const Buchung& b = k.buchung[i];
        if (woche.von(int32_t(b.tag)) != w) return -1;
        const bool gleich = empfaenger ? (b.kategorie & 0x7F) == (kategorie & 0x7F) : b.kategorie == kategorie;
        if (gleich) return int32_t(i);
    }
}

struct Seite {
    int32_t team = -1;
    Bank_Konto* konto = nullptr;
    int64_t betrag = 0;  // whole units of the side's currency
    int32_t treffer = -1;
};

// An amount in whole units, rounded half away from zero: the truncation of the positive half-up
// value is its floor. Amounts beyond that (and a value that is no number) stand at a bound far
// outside every account's range, where the range checks refuse them; converting them would
// overflow.
int64_t gerundet(double b)
{
    constexpr double GRENZE = 4.0e18;
    if (std::fabs(b) < GRENZE) return b < 0 ? -int64_t(-b + 0.5) : int64_t(b + 0.5);
    return b < 0 ? -int64_t(GRENZE) : int64_t(GRENZE);
}

bool seite_vorbereiten(Seite* s, int32_t team, double betrag, int8_t waehrung)
{
    s->team = team;
    s->konto = Bank.konto[team];
    const int32_t ziel = s->konto ? s->konto->waehrung : Bank_Standard_Waehrung;
    s->betrag = gerundet(waehrung == -1 ? betrag : umrechnen(betrag, waehrung, ziel));
    return s->betrag != 0;
}

bool im_rahmen(int64_t v) { return v >= -BANK_GRENZE && v <= BANK_GRENZE; }

// Whether one side may move by `delta` (the payer's is negative) without leaving the range.
bool seite_pruefen(Seite* s, int64_t delta, uint8_t kategorie, bool empfaenger)
{
    if (!im_rahmen(int64_t(Bank.kontostand[s->team]) + delta)) return false;
    if (!s->konto) return true;
    if (Bank_Kategorie_Steuerpflichtig(kategorie) && !im_rahmen(int64_t(s->konto->steuergewinn) + delta))
        return false;
    const int64_t eintrag = empfaenger ? delta : -delta;
    s->treffer = ring_treffer(*s->konto, kategorie, empfaenger);
    const int64_t alt = s->treffer >= 0 ? s->konto->buchung[s->treffer].betrag : 0;
    return im_rahmen(alt + eintrag);
}

void seite_buchen(Seite* s, int64_t delta, uint8_t kategorie, bool empfaenger)
{
    Bank.kontostand[s->team] = int32_t(Bank.kontostand[s->team] + delta);
    Bank_Konto* k = s->konto;
    if (!k) return;
    if (Bank_Kategorie_Steuerpflichtig(kategorie)) k->steuergewinn = int32_t(k->steuergewinn + delta);
    const int64_t eintrag = empfaenger ? delta : -delta;
    Buchung* b;
    if (s->treffer >= 0) {
        b = &k->buchung[s->treffer];
        b->betrag = int32_t(b->betrag + eintrag);
    } else {
        b = &k->buchung[k->index % BANK_RING];
        k->index = (k->index % BANK_RING + 1) % BANK_RING;
        b->betrag = int32_t(eintrag);
    }
    b->tag = uint32_t(Kalender_Get_Heute());
    b->kategorie = empfaenger ? uint8_t((kategorie & 0x7F) | (b->betrag >= 0 ? 0x80 : 0)) : kategorie;
}

}  // namespace

bool Schreibe_Überweisung(int32_t zahler, int32_t empfaenger, float betrag, uint8_t kategorie, int32_t zwingend,
                          int8_t waehrung)
{
    if (buchung_beobachter) return buchung_beobachter(zahler, empfaenger, betrag, kategorie);
    if (Bank_Ist_Client()) {
        Print_Fehler("Client Schreibe_Überweisung");
        return false;
    }
    if (!Bank_Init_Check()) return false;
    if (!std::isfinite(betrag)) {
        Print_Fehler("Schreibe_Überweisung: Betrag ist keine Zahl");
        return false;
    }
    if ((zahler != -1 && !Bank_Team_Gueltig(zahler)) || (empfaenger != -1 && !Bank_Team_Gueltig(empfaenger))) {
        Print_Fehler("Schreibe_Überweisung: kein Konto für Team %d / %d", zahler, empfaenger);
        return false;
    }
    if ((kategorie & 0x7F) == 0) Print_Fehler("Buchung ohne Kategorie");
    if (kategorie == 255) Print_Fehler("Buchung hat NIX-Kategorie");
    Seite z, e;
    if (zahler != -1 && !seite_vorbereiten(&z, zahler, betrag, waehrung)) return false;
    if (empfaenger != -1 && !seite_vorbereiten(&e, empfaenger, betrag, waehrung)) return false;
    if (zahler == -1 && empfaenger == -1) return false;

    if (zahler != -1 && z.konto && !zwingend &&
        int64_t(Bank.kontostand[zahler]) + z.konto->kreditlinie < z.betrag) {
        if (Netz_Rolle != 2 && zahler == Aktuelles_Team && !Bank_Stumm())
            Team_Requester(0, zahler,
                           "Ihre Bank konnte den Auftrag über %s nicht ausführen, da Ihr Konto nicht gedeckt ist.",
                           Bank_Betrag_String(float(z.betrag), zahler, -1, 0));
        return false;
    }
    const bool ok = (zahler == -1 || seite_pruefen(&z, -z.betrag, kategorie, false)) &&
                    (empfaenger == -1 || seite_pruefen(&e, e.betrag, kategorie, true));
    if (!ok) {
        Print_Fehler("Schreibe_Überweisung: %s übersteigt die Grenze der Bank", Bank_Zahl_String(int64_t(betrag), 1));
        return false;
    }
    if (zahler != -1) seite_buchen(&z, -z.betrag, kategorie, false);
    if (empfaenger != -1) {
        // the payer's entry may be the one the receiver would merge into when both are one club
        if (empfaenger == zahler && e.konto) e.treffer = ring_treffer(*e.konto, kategorie, true);
        seite_buchen(&e, e.betrag, kategorie, true);
    }
    Bank_Welt_Buchen(kategorie, empfaenger != -1 ? double(e.betrag) : 0.0, zahler != -1 ? double(z.betrag) : 0.0);
    if (buchung_protokoll)
        buchung_protokoll(zahler, empfaenger, zahler != -1 ? int32_t(z.betrag) : 0, empfaenger != -1 ? int32_t(e.betrag) : 0,
                          kategorie);
    return true;
}

void Schreibe_Zahlungen(int32_t zahler, const Bank_Posten* posten, int32_t anzahl)
{
    auto einzeln = [&](int32_t i) { Schreibe_Überweisung(zahler, -1, posten[i].betrag, posten[i].kategorie, 1, -1); };
    // the hooks, a client and the failed checks with their reports go the one-by-one way
    if (buchung_beobachter || buchung_protokoll || Bank_Ist_Client() || !Bank.initialisiert || !Bank_Team_Gueltig(zahler)) {
        for (int32_t i = 0; i < anzahl; ++i) einzeln(i);
        return;
    }
    // The weekly wages book a squad's players one by one into the same few ring entries: the
    // entry a category merges into is looked for once; every later booking of the run in that
    // category finds it again, as only entries of other categories come after it. Each booking
    // then moves the balance, the taxable profit and that entry as seite_buchen() moves them.
    constexpr int16_t UNBEKANNT = -2;
    int16_t treffer[256];
    bool steuer[256];
    std::fill(treffer, treffer + 256, UNBEKANNT);
    Bank_Konto* const k = Bank.konto[zahler];
    for (int32_t i = 0; i < anzahl; ++i) {
        const uint8_t kat = posten[i].kategorie;
        const float f = posten[i].betrag;
        bool glatt = std::isfinite(f) && (kat & 0x7F) != 0 && kat != 255;
        const int64_t betrag = glatt ? gerundet(f) : 0;
        if (glatt && betrag == 0) continue;
        const int64_t stand = int64_t(Bank.kontostand[zahler]) - betrag;
        glatt = glatt && im_rahmen(stand);
        if (glatt && k) {
            if (treffer[kat] == UNBEKANNT) {
                treffer[kat] = int16_t(ring_treffer(*k, kat, false));
                steuer[kat] = Bank_Kategorie_Steuerpflichtig(kat);
            }
            const int32_t t = treffer[kat];
            glatt = (!steuer[kat] || im_rahmen(int64_t(k->steuergewinn) - betrag)) &&
                    im_rahmen((t >= 0 ? k->buchung[t].betrag : 0) + betrag);
        }
        if (!glatt) {
            einzeln(i);
            std::fill(treffer, treffer + 256, UNBEKANNT);
            continue;
        }
        // booked as the single booking books it, into the entry found (or the ring's next one,
        // which the category's later bookings of the run then find)
        Seite seite;
        seite.team = zahler;
        seite.konto = k;
        seite.treffer = k ? treffer[kat] : -1;
        const int16_t naechster = k ? int16_t(k->index % BANK_RING) : -1;
        seite_buchen(&seite, -betrag, kat, false);
        if (k && treffer[kat] < 0) treffer[kat] = naechster;
        Bank_Welt_Buchen(kat, 0.0, double(betrag));
    }
}
