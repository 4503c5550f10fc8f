#include "economy/stadion.h"

#include <cmath>
#include <cstring>
#include <memory>

#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/manager.h"
#include "database/team.h"
#include "economy/bank.h"
#include "economy/stadion_intern.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "platform/exit.h"
#include "platform/print.h"
#include "platform/zufall.h"

static_assert(offsetof(Stadion_Daten, slot) == 36 && offsetof(Stadion_Daten, preis) == 416);
static_assert(offsetof(Stadion_Daten, hat_top) == 448 && offsetof(Stadion_Daten, top) == 456);
static_assert(sizeof(Stadion_Slot) == 20 && sizeof(Stadion_Top) == 12);
static_assert(sizeof(Stadion_Statistik) == STADION_STATISTIK_BYTES);

// clang-format off
const Stadion_Modell_Daten Stadion_Modell[STADION_MODELLE] = {
    {"", "Nichts. Wirklich leer", 0.0f, -1, 0, 0, 0, 0, 255, {0, 0, 0, 0, 0}, 0, 0},
    {"Sisi", "Einfache Betontribüne", 0.15f, 905, 1, 25000, 50000, 1000, 0, {1, 1, 1, 0, 0}, 10, 17},
    {"Sergo", "Betontribüne mit Dach", 0.2f, 941, 2, 25000, 90000, 1000, 0, {1, 1, 1, 0, 0}, 6, 19},
    {"Jolli", "Tribüne mit Schalensitzen", 0.25f, 851, 2, 18000, 80000, 1000, 0, {1, 1, 1, 1, 0}, 9, 19},
    {"Wullo", "Überdachte Tribüne mit Schalensitzen", 0.25f, 923, 3, 18000, 125000, 1000, 0, {1, 0, 0, 1, 1}, 5, 21},
    {"Örno", "Komfortsitze", 0.3f, 887, 3, 16000, 120000, 1000, 0, {0, 1, 0, 1, 1}, 5, 21},
    {"Leto", "Ledersitze überdacht", 0.4f, 869, 4, 14000, 190000, 1000, 0, {0, 0, 0, 1, 1}, 5, 26},
    {"Manu", "Anzeigetafel, handbetrieben", 0.05f, 845, 2, 0, 400000, 0, 6, {1, 1, 1, 0, 0}, 0, 2},
    {"Elek", "Anzeigetafel, elektrisch", 0.2f, 839, 4, 0, 800000, 0, 6, {1, 1, 1, 1, 0}, 0, 3},
    {"Suporo", "Elektronische Anzeigetafel", 0.4f, 842, 6, 0, 1300000, 0, 6, {0, 1, 0, 1, 1}, 0, 3},
    {"Videlino", "Hi-Tech-Videowand", 0.6f, 836, 8, 0, 2500000, 0, 6, {0, 0, 0, 1, 1}, 0, 6},
    {"Lito", "Kleine Flutlichtanlage", 0.7f, 806, 4, 0, 400000, 0, 7, {1, 1, 1, 0, 0}, 0, 3},
    {"Lumi", "Flutlichtanlage für gehobene Ansprüche", 0.5f, 810, 6, 0, 900000, 0, 7, {1, 1, 0, 1, 0}, 0, 4},
    {"Fulmen", "Großmast Flutlichtanlage", 0.4f, 814, 8, 0, 1400000, 0, 7, {0, 1, 0, 1, 1}, 0, 6},
    {"Solfomp", "Die Flutlichtanlage mit dem Tag-Hell-Effekt", 0.4f, 818, 10, 0, 2200000, 0, 7, {0, 0, 1, 1, 1}, 0, 6},
    {"Heizi", "Rasenheizung für den kleinen Geldbeutel", 1.0f, 805, 2, 0, 800000, 0, 8, {1, 1, 1, 1, 0}, 0, 12},
    {"Prowarmo", "Selbstregulierende Rasenheizung", 0.5f, 804, 5, 0, 1300000, 0, 8, {1, 1, 1, 1, 1}, 0, 10},
    {"Vippo", "Komfortable Sitzschalen", 0.15f, 822, 1, 0, 200000, 0, 9, {1, 1, 1, 0, 0}, 0, 2},
    {"Vippino", "Komfortable Sitzschalen mit Textilbezug", 0.6f, 823, 3, 0, 350000, 0, 9, {1, 1, 1, 1, 0}, 0, 4},
    {"Susitzi", "Ledersessel mit Getränkehalter", 0.8f, 824, 5, 0, 900000, 0, 9, {0, 0, 1, 1, 1}, 0, 5},
    {"Schlaraffi", "Beheizte Ledersessel mit LCD-Monitor und Internet", 1.2f, 825, 9, 0, 1600000, 0, 9, {0, 0, 0, 1, 1}, 0, 8},
    {"Parko", "Parkplatz mit gezeichneter Parkbuchtmarkierung", 0.15f, 830, 1, 25000, 50000, 1000, 10, {1, 1, 1, 0, 0}, 0, 14},
    {"Caro", "Parkplatz mit Grünstreifen Parkbuchtmarkierung", 0.2f, 831, 2, 20000, 75000, 1000, 10, {0, 1, 1, 1, 1}, 0, 19},
    {"Plazo", "Parkhaus ", 0.2f, 832, 2, 40000, 150000, 1000, 10, {0, 0, 0, 1, 1}, 0, 32},
    {"Sekuro", "Verzinkte Zaunanlage", 0.05f, 848, 4, 0, 700000, 0, 11, {1, 1, 1, 0, 0}, 0, 4},
    {"Polizo", "Verzinkte Zaunanlage, erhöht, mit Panikentriegelung", 0.15f, 849, 8, 0, 1100000, 0, 11, {1, 1, 1, 0, 1}, 0, 4},
    {"Randalo", "Vollverzinkt, Kameras,automatische Panikentriegelung", 0.4f, 850, 12, 0, 2600000, 0, 11, {0, 0, 1, 1, 1}, 0, 4},
    {"Graso", "Strapazierfähige Rasenkultur", 0.1f, 833, 1, 0, 200000, 0, 12, {1, 1, 0, 0, 0}, 0, 5},
    {"Vegato", "Hochwertige Rasenkultur für große Belastungen", 0.2f, 834, 3, 0, 450000, 0, 12, {1, 1, 1, 1, 1}, 0, 6},
    {"Billi", "Der Profirasen, gentechnisch optimiert, Import aus den USA", 0.05f, 835, 6, 0, 1200000, 0, 12, {0, 0, 1, 1, 1}, 0, 2},
    {"Schuli", "Nach neuesten Erkenntnissen konzipierte Sportschule", 0.2f, 959, 8, 0, 4000000, 0, 13, {1, 1, 1, 1, 1}, 0, 20},
    {"Traino", "Das ultimative Gelände mit allem Schnick-Schnack", 0.3f, 960, 8, 0, 6000000, 0, 14, {1, 1, 1, 1, 1}, 0, 23},
    {"Sanato", "Staatlich subventionierte Rehaklinik", 0.2f, 961, 8, 0, 2000000, 0, 15, {1, 1, 1, 1, 1}, 0, 40},
    {"Schoppi", "Verkaufsstelle für Merchandisingartikel aller Art", 0.6f, 962, 8, 4, 1200000, 0, 16, {1, 1, 1, 1, 1}, 0, 3},
    {"Lofoli", "Die Snack-Station gegen jeden Hunger", 0.6f, 966, 8, 4, 1200000, 0, 17, {1, 1, 1, 1, 1}, 0, 3},
    {"Lufti", "Hochmoderner Flughafen mit 3 Landebahnen", 0.01f, 970, 8, 0, 400000000, 0, 18, {1, 1, 1, 1, 1}, 0, 86},
};

static const Stadion_Firma_Daten FIRMEN_START[STADION_FIRMEN] = {
    {"Umberto Fessali", "Fessali's Männer arbeiten schnell, aber sie sind nunmal nicht alle vom Fach...", 60, 60, 90, 0, 0, 0},
    {"Gebr. Olwenk OHG", "Die Firma Olwenk ist bekannt für ihre gründliche Arbeitsweise.", 80, 130, 80, 0, 0, 0},
    {"Tobbel&Tubbel Service GmbH & Co", "Die Tobbel&Tubbel Service GmbH zeichnet sich durch ein sehr gutes Preis-Leistungs-Verhältnis aus.", 100, 100, 90, 0, 0, 0},
    {"Quernholt AG", "Quernholt liefert seit Generationen überdurchschnittliche Arbeit ab.", 120, 90, 110, 0, 0, 0},
    {"z.ir.k AG", "z.ir.k arbeitet ausgezeichnet, aber das hat auch seinen Preis.", 150, 70, 140, 0, 0, 0},
};
// clang-format on
Stadion_Firma_Daten Stadion_Baufirma[STADION_FIRMEN] = {FIRMEN_START[0], FIRMEN_START[1], FIRMEN_START[2],
                                                        FIRMEN_START[3], FIRMEN_START[4]};

const char* const Stadion_Slot_Name[STADION_SLOTS] = {
    "Nord-West-Kurve", "Nord-Tribüne", "Nord-Ost-Kurve", "Süd-Ost-Kurve", "Süd-Tribüne",
    "Süd-West-Kurve", "Anzeigetafel", "Flutlicht", "Rasenheizung", "VIP-Tribüne",
    "Parkplatzanlage", "Sicherheit", "Rasen", "Sportschule", "Trainingsgelände",
    "Rehazentrum", "Fanshop", "Imbißbude", "Flughafen"};
// The article the news put before a slot name: 0 die, 1 das, 2 der.
static const uint8_t SLOT_ARTIKEL[STADION_SLOTS] = {0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 2, 0, 1, 1, 2, 0, 2};
static const uint8_t SLOT_ERSTES[STADION_SLOTS] = {1, 1, 1, 1, 1, 1, 7, 11, 15, 17, 21, 24, 27, 30, 31, 32, 33, 34, 35};
static const uint8_t SLOT_ANZAHL[STADION_SLOTS] = {6, 6, 6, 6, 6, 6, 4, 4, 2, 4, 3, 3, 3, 1, 1, 1, 1, 1, 1};

const char* Stadion_Artikel(int32_t slot, bool gross)
{
    static const char* const KLEIN[3] = {"die", "das", "der"};
    static const char* const GROSS[3] = {"Die", "Das", "Der"};
    const int a = slot >= 0 && slot < STADION_SLOTS ? SLOT_ARTIKEL[slot] : 0;
    return gross ? GROSS[a] : KLEIN[a];
}

static Stadion_Daten unbekannt_bauen()
{
    Stadion_Daten d{};
    std::strcpy(d.name, "Unbekanntes Stadion");
    d.stimmung = 80;
    auto setzen = [&](int slot, int modell, int plaetze) {
        Stadion_Slot& s = d.slot[slot];
        s.modell = uint8_t(modell);
        s.plaetze = plaetze;
        s.fertig = s.bauende = 1;
        s.zustand = 100.0f;
        s.qualitaet = 100;
    };
    for (int i = 0; i < STADION_TRIBUENEN; ++i) {
        setzen(i, 4, 12000);
        d.preis[i] = 10.0f;
    }
    setzen(6, 9, 1);
    setzen(7, 13, 1);
    setzen(8, 16, 1);
    setzen(9, 19, 1);
    setzen(10, 22, 20000);
    setzen(11, 25, 1);
    setzen(12, 29, 1);
    return d;
}
const Stadion_Daten Stadion_Unbekannt = unbekannt_bauen();

Stadion_Zustand Stadion;

static Stadion_Anlage_Abfrage anlage_abfrage = nullptr;
static void (*neues_spiel_beobachter)() = nullptr;
void Stadion_Set_Anlage_Abfrage(Stadion_Anlage_Abfrage abfrage) { anlage_abfrage = abfrage; }
void Stadion_Set_Neues_Spiel_Beobachter(void (*beobachter)()) { neues_spiel_beobachter = beobachter; }

int32_t Stadion_Heute() { return Aktueller_Tag; }
bool Stadion_Ist_Client() { return Netz_Rolle == 1; }

// ---- Module ----

bool Stadion_Ist_Initialisiert()
{
    if (!Stadion.initialisiert) Print_Fehler("Stadion muß initialisiert werden");
    return Stadion.initialisiert;
}

void Stadion_Init()
{
    if (Stadion.initialisiert) Stadion_DeInit();
    Stadion_Module_Registrieren();
    Stadion.liste.clear();
    Stadion.index.clear();
    Stadion.viertel = 0;
    Stadion.geholt = 0;
    for (int i = 0; i < STADION_FIRMEN; ++i) Stadion_Baufirma[i] = FIRMEN_START[i];
    Stadion.initialisiert = true;
}

void Stadion_DeInit()
{
    if (!Stadion.initialisiert) return;
    // the end of the game leaves nothing on the heap
    std::vector<std::unique_ptr<Stadion_Daten>>().swap(Stadion.liste);
    std::vector<Stadion_Daten*>().swap(Stadion.index);
    Stadion.initialisiert = false;
}

void Stadion_Index_Neu()
{
    Stadion.index.assign(TEAM_MAX_ANZAHL + 2, nullptr);
    for (auto& d : Stadion.liste)
        if (d->team >= 0 && d->team < int32_t(Stadion.index.size())) Stadion.index[size_t(d->team)] = d.get();
}

Stadion_Daten* Stadion_Finden(int32_t team)
{
    if (team < 0 || team >= int32_t(Stadion.index.size())) return nullptr;
    return Stadion.index[size_t(team)];
}

std::vector<int32_t> Stadion_Teams()
{
    std::vector<int32_t> t;
    for (auto& d : Stadion.liste) t.push_back(d->team);
    return t;
}

void Stadion_Optionale_Teile_Setzen(Stadion_Daten* daten, bool leere_teile)
{
    if (!daten) return;
    daten->hat_top = daten->hat_statistik = leere_teile ? 1 : 0;
    daten->top = Stadion_Top{};
    daten->statistik = Stadion_Statistik{};
}

bool Stadion_Neu(int32_t team, const Stadion_Daten* vorlage)
{
    if (Stadion_Ist_Client() || !Stadion_Ist_Initialisiert()) return false;
    if (team < 0 || team >= TEAM_MAX_ANZAHL) return false;
    auto neu = std::make_unique<Stadion_Daten>();
    if (vorlage) *neu = *vorlage;
    neu->hat_top = neu->hat_top ? 1 : 0;
    neu->hat_statistik = neu->hat_statistik ? 1 : 0;
    if (!neu->hat_top) neu->top = Stadion_Top{};
    neu->dauerkarten_preis = Stadion_Dauerkarten_Preis(team, 0);
    Stadion_Loeschen(team);
    neu->team = team;
    neu->stimmung = 50;
    if (neu->hat_statistik) {
        for (int c = 1; c < STADION_SPALTEN; ++c) neu->statistik.wettbewerb[c] = -1;
        std::memset(neu->statistik.spiele, 0, sizeof neu->statistik.spiele);
    } else {
        neu->statistik = Stadion_Statistik{};
    }
    Stadion.liste.push_back(std::move(neu));
    Stadion_Index_Neu();
    return true;
}

bool Stadion_Loeschen(int32_t team)
{
    if (Stadion_Ist_Client() || !Stadion_Ist_Initialisiert()) return false;
    for (auto it = Stadion.liste.begin(); it != Stadion.liste.end(); ++it)
        if ((*it)->team == team) {
            Stadion.liste.erase(it);
            Stadion_Index_Neu();
            return true;
        }
    return false;
}

Stadion_Daten* Stadion_Zeiger(int32_t team, int32_t direkt)
{
    if (!Stadion_Ist_Initialisiert()) return nullptr;
    if (Stadion_Ist_Client()) Stadion_Client_Holen(team);
    Stadion_Daten* d = Stadion_Finden(team);
    if (!d || direkt) return d;
    static Stadion_Daten kopie;
    kopie = *d;
    return &kopie;
}

// ---- Slots ----

bool Stadion_Slot_Fertig(const Stadion_Slot& s, int32_t heute) { return s.modell != 0 && s.fertig <= heute; }

int32_t Stadion_Plaetze_Von(const Stadion_Daten& d, int32_t maske)
{
    const int32_t heute = Stadion_Heute();
    int32_t summe = 0;
    for (int i = 0; i < STADION_TRIBUENEN; ++i) {
        const Stadion_Slot& s = d.slot[i];
        if (!Stadion_Slot_Fertig(s, heute) || s.modell >= STADION_MODELLE) continue;
        const int32_t k = Stadion_Modell[s.modell].art;
        if ((k & maske) == k) summe += s.plaetze;
    }
    return summe;
}

int32_t Stadion_Get_Plaetze(int32_t team, int32_t maske)
{
    if (!Stadion.initialisiert) return 0;
    const Stadion_Daten* d = Stadion_Finden(team);
    return d ? Stadion_Plaetze_Von(*d, maske) : 0;
}

int32_t Stadion_Get_Anlage_Wert(int32_t team, int32_t slot)
{
    if (anlage_abfrage) return anlage_abfrage(team, slot);
    if (!Stadion.initialisiert || slot < 0 || slot >= STADION_SLOTS) return 0;
    const Stadion_Daten* d = Stadion_Finden(team);
    if (!d || !Stadion_Slot_Fertig(d->slot[slot], Stadion_Heute())) return 0;
    return d->slot[slot].plaetze;
}

void Stadion_Slot_Modelle(int32_t slot, int32_t* anzahl, int32_t* erstes)
{
    const bool ok = slot >= 0 && slot < STADION_SLOTS;
    if (anzahl) *anzahl = ok ? SLOT_ANZAHL[slot] : 0;
    if (erstes) *erstes = ok ? SLOT_ERSTES[slot] : 0;
}

bool Stadion_Modell_Passt(int32_t slot, int32_t modell)
{
    if (slot < 0 || slot >= STADION_SLOTS) return false;
    return modell == 0 || (modell >= SLOT_ERSTES[slot] && modell < SLOT_ERSTES[slot] + SLOT_ANZAHL[slot]);
}

int32_t Stadion_Modell_Max_Plaetze(int32_t modell)
{
    if (modell < 0 || modell >= STADION_MODELLE) return 0;
    return Stadion_Modell[modell].max_plaetze ? Stadion_Modell[modell].max_plaetze : 1;
}

bool Stadion_Firma_Verkauft(int32_t modell, int32_t firma)
{
    return modell > 0 && modell < STADION_MODELLE && firma >= 0 && firma < STADION_FIRMEN &&
           Stadion_Modell[modell].firmen[firma] != 0;
}

static int32_t qualitaet_ziehen(int32_t firma)
{
    const int32_t z = Zufall(0, 20);
    int32_t q = z + Stadion_Baufirma[firma].qualitaet - 10;
    if (q > 127) q = 127;
    if (q < 20) q = 20;
    return q;
}

void Stadion_Anlage_Setzen(Stadion_Daten* daten, int32_t slot, int32_t modell, int32_t plaetze)
{
    if (!daten || slot < 0 || slot >= STADION_SLOTS || modell < 0 || modell >= STADION_MODELLE) return;
    Stadion_Slot& s = daten->slot[slot];
    if (modell == 0) {
        s = Stadion_Slot{};
    } else if (Stadion_Modell_Passt(slot, modell)) {
        s.zustand = float(Zufall(90, 100));
        s.plaetze = plaetze > 0 ? plaetze : 1;
        int32_t firma = 0;
        do {
            firma = Zufall(0, 4);
        } while (!Stadion_Firma_Verkauft(modell, firma));
        s.firma = uint8_t(firma);
        s.qualitaet = uint8_t(qualitaet_ziehen(firma));
        s.modell = uint8_t(modell);
    }
    s.fertig = s.bauende = Stadion_Heute();
}

// ---- Costs ----

static bool stand_oder_parkplatz(int32_t slot) { return (slot >= 0 && slot < STADION_TRIBUENEN) || slot == 10; }

int32_t Stadion_Bauzeit(int32_t modell, int32_t firma)
{
    if (modell < 0 || modell >= STADION_MODELLE || firma < 0 || firma >= STADION_FIRMEN) return 0;
    return int32_t(double(Stadion_Modell[modell].wochen) * Stadion_Baufirma[firma].zeit_prozent * 0.01 * 7);
}

float Stadion_Baukosten(int32_t slot, int32_t modell, int32_t firma, int32_t plaetze)
{
    if (modell < 0 || modell >= STADION_MODELLE || firma < 0 || firma >= STADION_FIRMEN) return 0;
    const int32_t einheiten = stand_oder_parkplatz(slot) ? plaetze / 500 : plaetze;
    const Stadion_Firma_Daten& f = Stadion_Baufirma[firma];
    return float(int64_t(double(Stadion_Modell[modell].preis) * einheiten * f.preis_prozent * 0.01 *
                         (100 - f.rabatt) * 0.01));
}

float Stadion_Abrisskosten(int32_t slot, int32_t modell, int32_t firma, int32_t plaetze)
{
    if (modell < 0 || modell >= STADION_MODELLE || firma < 0 || firma >= STADION_FIRMEN) return 0;
    const int32_t einheiten = stand_oder_parkplatz(slot) ? plaetze / 500 : 1;
    const int64_t voll =
        int64_t(double(Stadion_Modell[modell].preis) * einheiten * Stadion_Baufirma[firma].preis_prozent * 0.01);
    return float(voll / 20);
}

float Stadion_Renovierungskosten_Von(const Stadion_Daten& d, int32_t slot)
{
    if (slot < 0 || slot >= STADION_SLOTS) return 0;
    const Stadion_Slot& s = d.slot[slot];
    int32_t firma = 0;
    while (firma < STADION_FIRMEN && !Stadion_Firma_Verkauft(s.modell, firma)) ++firma;
    if (firma == STADION_FIRMEN || s.zustand == 100.0f) return 0;
    const double basis = Stadion_Baukosten(slot, s.modell, firma, s.plaetze);
    const double z = double(s.zustand) * 0.1;
    return float(((100 - z * z) * basis * 0.01 + basis * 0.05) * 0.25);
}

float Stadion_Renovierungskosten(int32_t team, int32_t slot)
{
    if (!Stadion.initialisiert) return 0;
    const Stadion_Daten* d = Stadion_Finden(team);
    return d ? Stadion_Renovierungskosten_Von(*d, slot) : 0;
}

float Stadion_Verschleiss(const Stadion_Slot& s)
{
    const float basis = s.modell < STADION_MODELLE ? Stadion_Modell[s.modell].verschleiss : 0.0f;
    float w = s.qualitaet ? basis * 100.0f / float(s.qualitaet) : basis;
    w += float((Stadion_Heute() - s.bauende) / 500);
    return w < 0.01f ? 0.01f : w;
}

bool Stadion_Firma_Hat_Angebot(int32_t modell, int32_t firma)
{
    if (firma < 0 || firma >= STADION_FIRMEN) return false;
    return Stadion_Baufirma[firma].angebot == modell || Stadion_Baufirma[firma].rabatt >= 10;
}

// ---- Works ----

bool Stadion_Bau_Gueltig(int32_t slot, int32_t modell, int32_t firma, int32_t plaetze)
{
    if (slot < 0 || slot >= STADION_SLOTS || !Stadion_Modell_Passt(slot, modell) || plaetze < 0) return false;
    if (plaetze == 0) return firma >= 0 && firma < STADION_FIRMEN;
    return modell != 0 && Stadion_Firma_Verkauft(modell, firma) && plaetze <= Stadion_Modell_Max_Plaetze(modell);
}

float Stadion_Auftrag_Preis(const Stadion_Daten& d, int32_t slot, int32_t modell, int32_t firma, int32_t plaetze)
{
    if (!Stadion_Bau_Gueltig(slot, modell, firma, plaetze)) return 0;
    const Stadion_Slot& s = d.slot[slot];
    const bool teilbar = stand_oder_parkplatz(slot) || slot == 16 || slot == STADION_ANLAGE_IMBISS;
    if (teilbar && s.modell != 0 && s.modell == modell) {
        if (plaetze >= s.plaetze) return Stadion_Baukosten(slot, modell, firma, plaetze - s.plaetze);
        return Stadion_Abrisskosten(slot, s.modell, firma, s.plaetze - plaetze);
    }
    const float abriss = s.modell != 0 ? Stadion_Abrisskosten(slot, s.modell, firma, s.plaetze) : 0.0f;
    return (plaetze ? Stadion_Baukosten(slot, modell, firma, plaetze) : 0.0f) + abriss;
}

bool Stadion_Bauen(int32_t team, int32_t slot, int32_t modell, int32_t firma, int32_t plaetze, float preis)
{
    if (!Stadion_Ist_Initialisiert()) return false;
    if (Stadion_Ist_Client()) return Stadion_Client_Bauen(team, slot, modell, firma, plaetze, preis);
    Stadion_Daten* d = Stadion_Finden(team);
    if (!d || !Stadion_Bau_Gueltig(slot, modell, firma, plaetze)) return false;
    Stadion_Slot& s = d->slot[slot];
    // The build is paid first: a refused build leaves the season tickets and the account alone.
    if (!Schreibe_Überweisung(team, -1, preis, 14, 0, -1)) return false;
    if (slot < STADION_TRIBUENEN && s.modell != 0) {
        const int32_t frei = Stadion_Plaetze_Von(*d, 15) -
                             (Stadion_Slot_Fertig(s, Stadion_Heute()) ? s.plaetze : 0);
        if (frei < d->dauerkarten) {
            const int32_t betrag = int32_t(double(d->dauerkarten - frei) * d->dauerkarten_preis);
            News_Senden(-1, team, -1, 4, nullptr,
                        "Da während des Ausbaus nicht alle Dauerkartenbesitzer Plätze finden müßten Sie %s "
                        "Entschädigung zahlen.",
                        Bank_Betrag_String(float(betrag), team, -1, 0));
            d->dauerkarten = frei;
            Schreibe_Überweisung(team, -1, float(betrag), 15, 1, -1);
        }
    }
    const bool gleiches_modell = s.modell == modell && s.plaetze > 1;
    if (plaetze == 0) {
        s.zustand = 100.0f;
        s.modell = 0;
        s.plaetze = 0;
        return true;
    }
    // An extension or reduction of the same model keeps condition and quality of the seats.
    if (!gleiches_modell) s.zustand = 100.0f;
    s.fertig = s.bauende = Stadion_Heute() + Stadion_Bauzeit(modell, firma);
    s.firma = uint8_t(firma);
    const int32_t q = qualitaet_ziehen(firma);
    if (!gleiches_modell) s.qualitaet = uint8_t(q);
    s.plaetze = plaetze;
    s.modell = uint8_t(modell);
    return true;
}

bool Stadion_Renovieren(int32_t team, int32_t slot, float preis)
{
    if (!Stadion_Ist_Initialisiert()) return false;
    if (Stadion_Ist_Client()) return Stadion_Client_Renovieren(team, slot, preis);
    Stadion_Daten* d = Stadion_Finden(team);
    if (!d || slot < 0 || slot >= STADION_SLOTS || d->slot[slot].modell == 0) return false;
    const int32_t zwingend = Assistent_Mit_Aufgabe(team, 5) != -1 ? 1 : 0;
    if (!Schreibe_Überweisung(team, -1, preis, 12, zwingend, -1)) return false;
    Stadion_Slot& s = d->slot[slot];
    const int32_t heute = Stadion_Heute();
    s.bauende = heute + Stadion_Bauzeit(s.modell, s.firma) / 7;
    if (s.bauende == heute) s.bauende = heute + 1;
    s.zustand = 100.0f;
    return true;
}

// ---- New game ----

void Stadion_Neues_Spiel()
{
    if (neues_spiel_beobachter) {
        neues_spiel_beobachter();
        return;
    }
    if (Stadion_Ist_Client() || !Stadion_Ist_Initialisiert()) return;
    int32_t dran[MANAGER_DRAN_MAX + 1];
    const int32_t manager = Manager_Ist_Dran(dran, false, 0);
    for (int32_t team : Stadion_Teams()) {
        Stadion_Daten v = *Stadion_Finden(team);
        const int32_t niveau = Wettbewerb_Get_Liga_Niveau(team);
        for (int32_t slot = 6; slot <= 12; ++slot) {
            int32_t anzahl = 0, erstes = 0;
            Stadion_Slot_Modelle(slot, &anzahl, &erstes);
            const int32_t modell = erstes + niveau * anzahl / 101;
            int32_t plaetze = 1;
            if (slot == 10) {
                plaetze = niveau * 20000 / 100 / 500 * 500;
                if (plaetze < 500) plaetze = 500;
            }
            Stadion_Anlage_Setzen(&v, slot, modell, plaetze);
        }
        for (int32_t slot = 13; slot < STADION_SLOTS; ++slot) v.slot[slot] = Stadion_Slot{};
        const float p = Stadion_Eintrittspreis(team);
        for (float& x : v.preis) x = p;
        v.dauerkarten = 0;
        Stadion_Optionale_Teile_Setzen(&v, false);
        for (int32_t i = 0; i < manager; ++i)
            if (dran[i] == team) {
                Stadion_Optionale_Teile_Setzen(&v, true);
                v.top.zuschlag = 10;
                v.top.platz_grenze = 4;
                v.top.immer = 0;
                v.top.top_teams = 1;
            }
        Stadion_Neu(team, &v);
    }
    Stadion_Dauerkarten_Verkaufen();
}

void Stadion_Module_Registrieren()
{
    Disk_Block_Registrieren(DISK_POS_STADION, Stadion_Savegame_Schreiben, Stadion_Savegame_Lesen);
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_STADION, Stadion_DeInit);
}

// ---- The team reader's stands ----

Stadion_Verteilung Stadion_Tribuenen_Verteilen(int32_t niveau, int32_t sitz, int32_t steh, int32_t runden)
{
    // which stands are terraces (1) and which seated (0), by the terraces' share in sevenths
    static const uint8_t MUSTER[7][6] = {{0, 0, 0, 0, 0, 0}, {0, 0, 1, 0, 0, 0}, {0, 0, 1, 1, 0, 0},
                                         {1, 0, 1, 1, 0, 0}, {1, 0, 1, 1, 0, 1}, {1, 1, 1, 1, 0, 1},
                                         {1, 1, 1, 1, 1, 1}};
    Stadion_Verteilung v{};
    if (sitz < 1) sitz = niveau * 12000 / 100 / 500 * 500;
    if (steh < 1) steh = niveau * 22000 / 100 / 500 * 500;
    const int32_t anteil = steh + sitz > 0 ? int32_t(int64_t(steh) * 100 / (steh + sitz)) : 0;
    const uint8_t* muster = MUSTER[anteil * 7 / 101];
    int32_t anzahl[2] = {};
    for (int i = 0; i < STADION_TRIBUENEN; ++i) ++anzahl[muster[i]];
    int32_t rest[2] = {};
    for (int i = 0; i < STADION_TRIBUENEN; ++i) {
        const int k = muster[i];
        int32_t plaetze = (k ? steh : sitz) / anzahl[k];
        if (runden) {
            const int32_t summe = plaetze + rest[k];
            plaetze = summe / 500 * 500;
            rest[k] = summe - plaetze;
            if (plaetze == 0) plaetze = 500;
        }
        v.plaetze[i] = plaetze;
        v.modell[i] = uint8_t(k ? 1 + niveau * 2 / 101 : 3 + niveau * 3 / 101);
    }
    return v;
}

void Team_Stadionplaetze_Init(int32_t team, Stadion_Daten* d, int32_t sitz, int32_t steh, int32_t runden)
{
    if (!d) return;
    const Stadion_Verteilung v = Stadion_Tribuenen_Verteilen(Wettbewerb_Get_Liga_Niveau(team), sitz, steh, runden);
    for (int i = 0; i < STADION_TRIBUENEN; ++i) {
        if (v.plaetze[i] == 0) continue;
        Stadion_Slot& s = d->slot[i];
        const int32_t zustand = Zufall(90, 100);
        s.zustand = float(zustand);
        s.modell = v.modell[i];
        const int32_t max = Stadion_Modell_Max_Plaetze(s.modell);
        s.plaetze = v.plaetze[i] > max ? max : v.plaetze[i];
        const int32_t firma = Zufall(0, 4);
        s.firma = uint8_t(firma);
        const int32_t qualitaet = Zufall(80, 100);
        s.qualitaet = uint8_t(qualitaet);
        s.fertig = s.bauende = 0;
    }
}
