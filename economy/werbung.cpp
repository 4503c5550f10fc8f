#include "economy/werbung.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "economy/bank.h"
#include "economy/bild_felder.h"
#include "economy/werbung_intern.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "gameflow/kalender.h"
#include "platform/string_util.h"
#include "platform/disk.h"
#include "platform/exit.h"
#include "platform/print.h"
#include "platform/temp.h"
#include "platform/zufall.h"

Werbepartner Werbepartner_Tabelle[WERBEPARTNER_ANZAHL];
int32_t Werbung_Grundpreis[5][WERBUNG_KATEGORIEN];
Werbung_Zustand Werbung_Modul;

const int32_t Werbung_Basisimage[WERBEPARTNER_ANZAHL] = {50,  70,  75,  80,  80,  85,  90,  95, 100, 100,
                                                         115, 120, 130, 145, 155, 70,  90, 100, 125, 155};
const int32_t Werbung_Preisgewicht[WERBEPARTNER_ANZAHL] = {770, 780, 790, 810, 820, 830, 850, 880, 890, 900,
                                                           930, 950, 970, 980, 1000, 650, 700, 730, 760, 800};
const int32_t Werbung_Laufzeiten[7] = {1, 3, 6, 12, 24, 36, 48};

namespace {

// Names of the program's own data; no brand and no person.
const char* const PARTNER_NAMEN[WERBEPARTNER_ANZAHL] = {
    "Bäckerei Goldkruste",   "Molkerei Wiesengrund",    "Getränke Quellblau",   "Brauerei Tannenkrug",
    "Autohaus Rasenblitz",   "Möbelhaus Polsterbach",   "Versicherung Sicherhafen", "Baumarkt Schraubwerk",
    "Kaffee Bohnenglück",    "Reifenwerk Haftgut",      "Elektro Funkenflug",   "Bausparkasse Ziegelstein",
    "Reederei Nordwelle",    "Stahlwerk Eisenhut",      "Chemiewerk Farbtopf",  "Sender Bildfunk",
    "Kanal Rundblick",       "Fernsehen Weitsicht",     "Sportkanal Anstoß",    "Sender Flimmerkiste",
};

struct Agentur {
    const char* name;
    const char* kuerzel;
    int32_t gebuehr[WERBUNG_AUFGABEN];
    int32_t qualitaet[WERBUNG_AUFGABEN];
};
const Agentur AGENTUREN[WERBUNG_AGENTUREN] = {
    {"Werbestube Kleinkram", "Kleinkram", {200, 5000, 100}, {20, 20, 10}},
    {"Plakatdienst Litfaß & Söhne", "Litfaß", {4000, 10000, 6000}, {40, 20, 50}},
    {"Agentur Lautsprecher", "Lautsprecher", {6000, 30000, 8000}, {50, 30, 60}},
    {"Werbehaus Glanzlicht", "Glanzlicht", {8000, 60000, 12000}, {70, 50, 80}},
    {"Kommunikationshaus Sternschnuppe", "Sternschnuppe", {25000, 100000, 28000}, {100, 100, 100}},
};

const int32_t STUFENFAKTOR[5] = {150, 130, 110, 90, 40};
const int32_t KATEGORIE_GRUNDPREIS[WERBUNG_KATEGORIEN] = {4500, 32500, 15000, 30000};
const int32_t KATEGORIE_ANZAHL[WERBUNG_KATEGORIEN] = {14, 1, 1, 1};
const int32_t KATEGORIE_ERSTE[WERBUNG_KATEGORIEN] = {0, 14, 15, 16};
const char* const KATEGORIE_NAME[WERBUNG_KATEGORIEN] = {"Bandenwerbung", "TV-Rechte", "Ausrüstungspartner",
                                                         "Trikotwerbung"};

Werbung_Vorbelegen_Beobachter beobachter = nullptr;

// Which competitions are international is asked many times a day and costly to find out; it
// holds for a season: found once a season (and anew after the module starts).
std::vector<int32_t> internationale;
int32_t internationale_saison = -1;

void tabelle_leeren()
{
    for (int32_t s = 0; s < WERBEPARTNER_ANZAHL; ++s) {
        Werbepartner& p = Werbepartner_Tabelle[s];
        p = Werbepartner{};
        std::snprintf(p.name, sizeof p.name, "%s", PARTNER_NAMEN[s]);
    }
}

int32_t stufe() { return Schwierigkeitsstufe > 4 ? 4 : int32_t(Schwierigkeitsstufe); }

void partner_packen(const Werbepartner& p, uint8_t* b)
{
    std::memset(b, 0, WERBEPARTNER_BYTES);
    std::memcpy(b, p.name, sizeof p.name);
    b[29] = 0;
    for (int32_t k = 0; k < WERBUNG_KATEGORIEN; ++k) {
        b[30 + k] = p.angebote[k];
        Bild_Setze_F32(b + 36 + 4 * k, p.preis[k]);
        Bild_Setze_F32(b + 52 + 4 * k, p.laufzeit[k]);
    }
    Bild_Setze_F32(b + 68, p.min_image);
    b[72] = p.wochen;
}

bool partner_entpacken(const uint8_t* b, Werbepartner* p)
{
    if (!Bild_Name_Gueltig(b, 30)) return false;
    Werbepartner neu{};
    std::memcpy(neu.name, b, sizeof neu.name);
    String_Klartext(neu.name, sizeof neu.name);
    for (int32_t k = 0; k < WERBUNG_KATEGORIEN; ++k) {
        neu.angebote[k] = b[30 + k];
        neu.preis[k] = Bild_Hole_F32(b + 36 + 4 * k);
        neu.laufzeit[k] = Bild_Hole_F32(b + 52 + 4 * k);
        if (neu.angebote[k] > WERBUNG_MAX_ANGEBOTE || !Bild_Wert_Gueltig(neu.preis[k]) ||
            !Bild_Wert_Gueltig(neu.laufzeit[k]))
            return false;
    }
    neu.min_image = Bild_Hole_F32(b + 68);
    neu.wochen = b[72];
    if (!Bild_Wert_Gueltig(neu.min_image)) return false;
    *p = neu;
    return true;
}

}  // namespace

// ---- Module ----

bool Werbung_Ist_Initialisiert()
{
    if (!Werbung_Modul.initialisiert) Print_Fehler("Werbung muß initialisiert werden");
    return Werbung_Modul.initialisiert;
}

void Werbung_Init()
{
    Disk_Block_Registrieren(DISK_POS_WERBUNG, Werbung_Write_Bin_Block, Werbung_Read_Bin_Block);
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_WERBUNG, Werbung_DeInit);
    internationale_saison = -1;
    Werbung_Modul.initialisiert = true;
    Werbung_Modul.geholt = 0;
    for (int32_t s = 0; s < 5; ++s)
        for (int32_t k = 0; k < WERBUNG_KATEGORIEN; ++k)
            Werbung_Grundpreis[s][k] = STUFENFAKTOR[s] * KATEGORIE_GRUNDPREIS[k] / 100;
    tabelle_leeren();
    Werbung_Angebote_Erneuern();
}

void Werbung_DeInit() { Werbung_Modul.initialisiert = false; }

// ---- Byte images ----

void Werbung_Team_Lesen(const uint8_t* b, Werbung_Team_Daten* d)
{
    *d = Werbung_Team_Daten{};
    for (int32_t i = 0; i < WERBUNG_FLAECHEN; ++i) {
        d->sponsor[i] = int8_t(b[i]);
        d->betrag[i] = Bild_Hole_F32(b + 20 + 4 * i);
        d->ende[i] = Bild_Hole_I32(b + 88 + 4 * i);
        d->platzierung[i] = b[258 + i];
        d->liga[i] = b[292 + i];
        d->europa[i] = b[326 + i];
        // blocks come from savegames and clients: what the game cannot use is a free space
        if (d->sponsor[i] < 0 || d->sponsor[i] >= WERBEPARTNER_ANZAHL || !Bild_Wert_Gueltig(d->betrag[i]))
            d->betrag[i] = 0.0f;
    }
    for (int32_t s = 0; s < WERBEPARTNER_ANZAHL; ++s) d->einstellung[s] = Bild_Hole_I32(b + 344 + 4 * s);
    for (int32_t a = 0; a < WERBUNG_AUFGABEN; ++a) d->agentur[a] = b[436 + a] < WERBUNG_AGENTUREN ? b[436 + a] : 0;
    d->fan_einnahme = Bild_Hole_I32(b + 440);
    d->heimspiele = Bild_Hole_I32(b + 448);
    d->erwartet = b[452];
    d->europa_flag = b[453] ? 1 : 0;
}

void Werbung_Team_Schreiben(const Werbung_Team_Daten& d, uint8_t* b)
{
    for (int32_t i = 0; i < WERBUNG_FLAECHEN; ++i) {
        b[i] = uint8_t(d.sponsor[i]);
        Bild_Setze_F32(b + 20 + 4 * i, d.betrag[i]);
        Bild_Setze_I32(b + 88 + 4 * i, d.ende[i]);
        b[258 + i] = d.platzierung[i];
        b[292 + i] = d.liga[i];
        b[326 + i] = d.europa[i];
    }
    for (int32_t s = 0; s < WERBEPARTNER_ANZAHL; ++s) Bild_Setze_I32(b + 344 + 4 * s, d.einstellung[s]);
    for (int32_t a = 0; a < WERBUNG_AUFGABEN; ++a) b[436 + a] = d.agentur[a];
    Bild_Setze_I32(b + 440, d.fan_einnahme);
    Bild_Setze_I32(b + 448, d.heimspiele);
    b[452] = d.erwartet;
    b[453] = d.europa_flag;
}

uint8_t* Werbung_Block(int32_t team)
{
    if (team < 0 || team >= Team_Anzahl || !Team_Hat_Manager(team)) return nullptr;
    return static_cast<uint8_t*>(Team_Zeiger(304, team, nullptr, 0));
}

bool Werbung_Team_Holen(int32_t team, Werbung_Team_Daten* d)
{
    const uint8_t* b = Werbung_Block(team);
    if (!b || !d) return false;
    Werbung_Team_Lesen(b, d);
    return true;
}

bool Werbung_Team_Ablegen(int32_t team, const Werbung_Team_Daten& d)
{
    uint8_t* b = Werbung_Block(team);
    if (!b) return false;
    Werbung_Team_Schreiben(d, b);
    return true;
}

std::vector<uint8_t> Werbepartner_Bild_Schreiben()
{
    return Bild_Tabelle_Schreiben(Werbepartner_Tabelle, WERBEPARTNER_BYTES, partner_packen);
}

bool Werbepartner_Bild_Lesen(const uint8_t* p, uint32_t laenge)
{
    return Bild_Tabelle_Lesen(Werbepartner_Tabelle, p, laenge, WERBEPARTNER_BYTES, partner_entpacken);
}

std::vector<uint8_t> Werbung_Block_Bauen()
{
    std::vector<uint8_t> v{Werbung_Modul.geholt};
    const std::vector<uint8_t> t = Werbepartner_Bild_Schreiben();
    v.insert(v.end(), t.begin(), t.end());
    return v;
}

bool Werbung_Block_Lesen(const uint8_t* p, uint32_t laenge)
{
    if (!p || laenge != 1 + WERBEPARTNER_TABELLE_BYTES || p[0] > 1) return false;
    if (!Werbepartner_Bild_Lesen(p + 1, laenge - 1)) return false;
    Werbung_Modul.geholt = p[0];
    return true;
}

bool Werbung_Write_Bin_Block(Disk_Datei* datei)
{
    if (!Werbung_Modul.initialisiert) return true;
    const std::vector<uint8_t> v = Werbung_Block_Bauen();
    return Disk_Schreibe_Block(datei, v.data(), uint32_t(v.size()));
}

bool Werbung_Read_Bin_Block(Disk_Datei* datei, const char*)
{
    if (!Werbung_Modul.initialisiert) return true;
    std::vector<uint8_t> v(1 + WERBEPARTNER_TABELLE_BYTES);
    if (!Disk_Lese_Block(datei, v.data(), uint32_t(v.size()))) return false;
    if (!Werbung_Block_Lesen(v.data(), uint32_t(v.size()))) {
        Print_Fehler("Werbung_Read_Bin_Block: Werbepartner fehlerhaft");
        return false;
    }
    return true;
}

// ---- Rules ----

int32_t Werbung_Flaeche_Kategorie(int32_t flaeche)
{
    if (flaeche <= 13) return 0;
    if (flaeche == 14) return 1;
    if (flaeche == 15) return 2;
    return 3;
}

void Werbung_Kategorie_Flaechen(int32_t kategorie, int32_t* anzahl, int32_t* erste)
{
    const bool ok = kategorie >= 0 && kategorie < WERBUNG_KATEGORIEN;
    if (anzahl) *anzahl = ok ? KATEGORIE_ANZAHL[kategorie] : 0;
    if (erste) *erste = ok ? KATEGORIE_ERSTE[kategorie] : 0;
}

const char* Werbung_Kategorie_Name(int32_t kategorie)
{
    return kategorie >= 0 && kategorie < WERBUNG_KATEGORIEN ? KATEGORIE_NAME[kategorie] : "";
}

int32_t Werbung_Niveau(int32_t team)
{
    // competitions not set up: counted as the top level, as the stadium does
    const int32_t n = Wettbewerb_Get_Liga_Niveau(team);
    return n > 0 ? n : 100;
}

float Werbung_Faktor(int32_t team)
{
    return float(Werbung_Niveau(team)) * float(100 + (2 - stufe()) * 10) * 0.01f;
}

int32_t Werbung_Liga(int32_t team)
{
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    return liga != -1 ? liga : Wettbewerb_Get_Team_Wettbewerb(team, 0);
}

int32_t Werbung_Letzter_Platz(int32_t team)
{
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    return std::clamp(liga >= 0 ? Wettbewerb_Get_Teams(liga, nullptr) : 1, 1, 255);
}

int32_t Werbung_Liga_Groesse(int32_t liga, int32_t ersatz_ko, int32_t ersatz_fehlt)
{
    const Wettbewerb_Info* info = liga != -1 ? Wettbewerb_Get_Info(liga) : nullptr;
    if (!info) return ersatz_fehlt;
    if (info->modus & int32_t(KO_SYSTEM)) return ersatz_ko;
    return Wettbewerb_Get_Teams(liga, nullptr);
}

int32_t Werbung_Berechne_Ansehen(int32_t p, int32_t liga, int32_t e)
{
    int32_t stufen = 0, eigene = 0;
    if (liga != -1) stufen = Wettbewerb_Visuell_Vertikal_Anz(liga, nullptr, &eigene);
    const int32_t T = stufen < 4 ? 4 : stufen;
    const int32_t schritt = 100 / T;
    const Wettbewerb_Info* info = liga != -1 ? Wettbewerb_Get_Info(liga) : nullptr;
    int32_t n = info ? Wettbewerb_Get_Teams(liga, nullptr) : 0;
    if (info && (info->modus & int32_t(KO_SYSTEM))) n /= 2;
    // a league without teams counts as not found
    if (n <= 0) n = 18;
    if (p < 1) p = 1;
    int32_t a = int32_t(double(n - p + 1) * 150.0 / double(n) - 75.0);
    a = int32_t((schritt * 0.2 + schritt) * a * 0.01);
    int32_t b = int32_t((T - eigene) * schritt - schritt * 0.5 + 5);
    b = b * (100 + (2 - stufe()) * 5) / 100;
    const int32_t c = int32_t((a + 100) * b * 0.01);
    return int32_t((e * c * 30 + c * 90) * 0.01);
}

bool Werbung_International(int32_t team)
{
    if (internationale_saison != Kalender_Get_Saison() || !Werbung_Modul.initialisiert) {
        internationale.clear();
        int32_t ids[WETTBEWERB_ANZAHL];
        const int32_t n = Wettbewerb_Get_Land_Wettbewerbe(-1, ids);
        for (int32_t i = 0; i < n && i < WETTBEWERB_ANZAHL; ++i)
            if (Wettbewerb_Ist_International(ids[i])) internationale.push_back(ids[i]);
        internationale_saison = Werbung_Modul.initialisiert ? Kalender_Get_Saison() : -1;
    }
    for (int32_t id : internationale)
        if (Wettbewerb_Team_In_Wettbewerb(id, team)) return true;
    return false;
}

int32_t Werbung_Tabellenplatz(int32_t team, int32_t liga, int32_t flag)
{
    // the table counts places from 0; the reputation from 1
    const int32_t p = liga != -1 ? Wettbewerb_Get_Tabellenplatz(liga, team, -1, -1, 31, flag) : -1;
    return p < 0 ? 0 : p + 1;
}

int32_t Werbung_Team_Ansehen(int32_t team)
{
    if (!Werbung_Ist_Initialisiert()) return 0;
    const int32_t liga = Werbung_Liga(team);
    return Werbung_Berechne_Ansehen(Werbung_Tabellenplatz(team, liga, 0), liga, Werbung_International(team) ? 1 : 0);
}

float Werbung_Image_Von(int32_t team, const Werbung_Team_Daten& d, int32_t sponsor, float* einzeln)
{
    const float A = float(Werbung_Berechne_Ansehen(d.erwartet, Werbung_Liga(team), d.europa_flag));
    const int32_t von = sponsor < 0 ? 0 : sponsor, bis = sponsor < 0 ? WERBEPARTNER_ANZAHL - 1 : sponsor;
    float summe = 0.0f;
    for (int32_t s = von; s <= bis; ++s) {
        float v = float(d.einstellung[s] + 20) * A * 0.01f;
        if (v < 0.0f) v = 0.0f;
        if (v > 150.0f) v = 150.0f;
        if (einzeln) einzeln[s] = v;
        summe += v;
    }
    const float m = summe / float(bis - von + 1);
    const float image = (A * 60.0f + m * 40.0f) * 0.01f;
    return image > A * 1.2f ? A * 1.2f : image;
}

float Werbung_Berechne_Image(int32_t team, int32_t sponsor, float* einzeln)
{
    if (!Werbung_Ist_Initialisiert()) return 0.0f;
    Werbung_Team_Daten d;
    if (sponsor < -1 || sponsor >= WERBEPARTNER_ANZAHL || !Werbung_Team_Holen(team, &d)) {
        Print_Fehler("Werbung_Berechne_Image");
        return 0.0f;
    }
    return Werbung_Image_Von(team, d, sponsor, einzeln);
}

int32_t Werbung_Zufriedenheit_Von(int32_t team, const Werbung_Team_Daten& d, int32_t flaeche)
{
    if (d.betrag[flaeche] <= 0.0f) return 0;
    const float jetzt = float(Werbung_Team_Ansehen(team));
    int32_t damals = Werbung_Berechne_Ansehen(d.platzierung[flaeche], d.liga[flaeche], d.europa[flaeche] == 1 ? 1 : 0);
    if (damals < 1) damals = 1;
    float s = jetzt / float(damals) * 100.0f;
    if (s < 100.0f) s *= 0.8f;
    if (s < 20.0f) s = 20.0f;
    if (s > 110.0f) s = 110.0f;
    return int32_t(s);
}

int32_t Werbung_Vertrag_Zufriedenheit(int32_t team, int32_t flaeche)
{
    if (!Werbung_Ist_Initialisiert()) return 0;
    Werbung_Team_Daten d;
    if (flaeche < 0 || flaeche >= WERBUNG_FLAECHEN || !Werbung_Team_Holen(team, &d)) return 0;
    return Werbung_Zufriedenheit_Von(team, d, flaeche);
}

int32_t Werbung_Agentur_Wirkung(int32_t team, int32_t aufgabe)
{
    if (!Werbung_Modul.initialisiert) return 80;
    Werbung_Team_Daten d;
    if (aufgabe < 0 || aufgabe >= WERBUNG_AUFGABEN || !Werbung_Team_Holen(team, &d)) return 80;
    int32_t w = AGENTUREN[d.agentur[aufgabe]].qualitaet[aufgabe] * 100 / Werbung_Niveau(team);
    if (w < 0) w = 0;
    if (w > 120) w = 120;
    return w;
}

int32_t Werbung_Agentur_Qualitaet(int32_t agentur, int32_t aufgabe) { return AGENTUREN[agentur].qualitaet[aufgabe]; }

float Werbung_Erwartung(int32_t s, int32_t kategorie, float f)
{
    const float basis = float(Werbung_Grundpreis[stufe()][kategorie]);
    float E = (basis * 15.0f * 0.01f + basis) * (float(Werbung_Preisgewicht[s]) * f * 0.01f + 100.0f) * 0.01f;
    const float bi = float(Werbung_Basisimage[s]);
    E = E * (100.0f - ((bi * 0.05f + bi) - (Werbepartner_Tabelle[s].min_image + 10.0f))) * 0.01f;
    return E;
}

int32_t Werbung_Angebotswert(int32_t s, int32_t kategorie, float f, float preis_mal_faktor, float laufzeit)
{
    int32_t y = 200 - int32_t(Werbung_Erwartung(s, kategorie, f) * 100.0f / preis_mal_faktor);
    if (laufzeit > 23.0f) y = y * 85 / 100;
    if (laufzeit < 13.0f) y = y * 115 / 100;
    if (laufzeit < 7.0f) y = y * 110 / 100;
    return y;
}

// ---- Contracts ----

bool Werbung_Abschliessen_Von(int32_t team, Werbung_Team_Daten& d, int32_t s, int32_t kategorie, int32_t flaeche)
{
    Werbepartner& p = Werbepartner_Tabelle[s];
    if (p.angebote[kategorie] == 0) return false;
    const float f = Werbung_Faktor(team);
    if (Werbung_Image_Von(team, d, s, nullptr) < p.min_image * f * 0.01f) return false;
    const int32_t anzahl = KATEGORIE_ANZAHL[kategorie], erste = KATEGORIE_ERSTE[kategorie];
    if (flaeche == -1) {
        for (int32_t i = erste; i < erste + anzahl && flaeche == -1; ++i)
            if (d.betrag[i] <= 0.0f) flaeche = i;
        if (flaeche == -1) return false;
    } else if (flaeche < erste || flaeche >= erste + anzahl || d.betrag[flaeche] > 0.0f) {
        // a rented space is never signed over
        return false;
    }
    const int32_t liga = Werbung_Liga(team);
    if (liga == -1) return false;
    const int32_t monate = int32_t(p.laufzeit[kategorie]);
    const float betrag = float(int32_t(p.preis[kategorie] * f * 0.01f) / 1000 * 1000);
    const Kalender_Datum heute = Kalender_Get_Datum(Kalender_Get_Heute(), 0);
    int32_t jahr = heute.jahr + monate / 12, monat = heute.monat + monate % 12;
    if (monat > 12) {
        monat -= 12;
        ++jahr;
    }
    const int32_t tag = heute.tag > 28 ? 28 : heute.tag;
    d.sponsor[flaeche] = int8_t(s);
    d.betrag[flaeche] = betrag;
    d.ende[flaeche] = Kalender_Get_Tagnummer(tag, monat, jahr);
    d.liga[flaeche] = uint8_t(liga);
    d.platzierung[flaeche] = d.erwartet;
    d.europa[flaeche] = uint8_t(d.europa_flag * (monate >= 12 ? 2 : 1));
    --p.angebote[kategorie];
    if (betrag > 0.0f) {
        const float r = Werbung_Erwartung(s, kategorie, f) * 100.0f / betrag;
        const float q = 100.0f - r + 90.0f;
        if (q < 90.0f || q > 110.0f) Highscore_Punkte_Machen(team, 9, int32_t(q));
    }
    return true;
}

bool Werbung_Vertrag_Abschliessen(int32_t team, int32_t s, int32_t kategorie, int32_t flaeche)
{
    if (!Werbung_Ist_Initialisiert()) return false;
    if (Netz_Rolle == 1) {
        if (Werbung_Client_Vertrag(team, s, kategorie, flaeche)) return true;
        if (s >= 0 && s < WERBEPARTNER_ANZAHL && kategorie >= 0 && kategorie < WERBUNG_KATEGORIEN)
            Werbepartner_Tabelle[s].angebote[kategorie] = 0;
        return false;
    }
    Werbung_Team_Daten d;
    if (kategorie < 0 || kategorie >= WERBUNG_KATEGORIEN || s < 0 || s >= WERBEPARTNER_ANZAHL ||
        !Werbung_Team_Holen(team, &d)) {
        Print_Fehler("Werbung_Vertrag_Abschliessen");
        return false;
    }
    if (!Werbung_Abschliessen_Von(team, d, s, kategorie, flaeche)) return false;
    Werbung_Team_Ablegen(team, d);
    return true;
}

void Werbung_Set_Vorbelegen_Beobachter(Werbung_Vorbelegen_Beobachter b) { beobachter = b; }

void Werbung_Team_Vorbelegen(int32_t team, int32_t flag)
{
    if (beobachter) {
        beobachter(team, flag);
        return;
    }
    if (!Werbung_Ist_Initialisiert() || Netz_Rolle == 1) return;
    Werbung_Team_Daten d;
    if (!Werbung_Team_Holen(team, &d)) return;
    for (int32_t s = 0; s < WERBEPARTNER_ANZAHL; ++s) {
        if (flag) {
            const int32_t z = Zufall(0, 10);
            d.einstellung[s] = 85 + z;
        } else {
            d.einstellung[s] = 80;
        }
    }
    if (flag) {
        const int32_t n = Werbung_Liga_Groesse(Werbung_Liga(team), 20, 20);
        d.erwartet = uint8_t(int32_t((n > 0 ? n : 1) * 0.5));
        for (int32_t k = 0; k < WERBUNG_KATEGORIEN; ++k)
            for (int32_t v = 0; v < 2 * KATEGORIE_ANZAHL[k]; ++v) {
                const int32_t s = Zufall(0, WERBEPARTNER_ANZAHL - 1);
                Werbung_Abschliessen_Von(team, d, s, k, -1);
            }
    }
    Werbung_Team_Ablegen(team, d);
}

bool Werbung_Banden_Sponsoren(int32_t team, int32_t* sponsoren, int32_t anzahl)
{
    if (!Werbung_Ist_Initialisiert() || !sponsoren) return false;
    if (anzahl > WERBUNG_BANDEN) anzahl = WERBUNG_BANDEN;
    Werbung_Team_Daten d;
    if (Werbung_Team_Holen(team, &d)) {
        for (int32_t i = 0; i < anzahl; ++i) sponsoren[i] = d.betrag[i] > 0.0f ? d.sponsor[i] + 1 : 0;
        return true;
    }
    // a seed of the season and the club's name, so the boards stay all season; the game's own
    // sequence goes on afterwards as if nothing was drawn
    int32_t wert = Kalender_Get_Saison() * 100;
    const char* name = team >= 0 && team < Team_Anzahl ? Team_String(TEAM_NAME_ROH, team, nullptr, 0) : "";
    for (const char* c = name ? name : ""; *c; ++c) wert = (int32_t(int8_t(*c)) * 10 + wert) % 9999;
    if (wert < 0) wert += 9999;
    const int32_t gesichert = Zufall_Get_Seed();
    Zufall_Set_Seed(wert);
    for (int32_t i = 0; i < WERBUNG_BANDEN; ++i) {
        const int32_t z = Zufall(0, 15);
        if (i < anzahl) sponsoren[i] = z;
    }
    Zufall_Set_Seed(gesichert);
    return false;
}

// ---- Texts ----

int32_t Werbung_Banden_Bild(int32_t wert, bool fern, int32_t bande)
{
    const int32_t basis = fern ? WERBUNG_BANDE_FERN : WERBUNG_BANDE_NAH;
    if (wert >= 1 && wert <= WERBEPARTNER_ANZAHL) return basis + wert - 1;
    // A free board: the fillers in turn along the side.
    const int32_t fueller = WERBUNG_BANDE_BILDER - WERBEPARTNER_ANZAHL;
    return basis + WERBEPARTNER_ANZAHL + (bande % fueller + fueller) % fueller;
}

const char* Werbung_Banden_Name(int32_t k)
{
    static constexpr const char* FUELLER[WERBUNG_BANDE_BILDER - WERBEPARTNER_ANZAHL] = {
        "Mühle Kornfeld",       "Schreinerei Hobelspan", "Optik Scharfblick",   "Gärtnerei Blattgrün",
        "Druckerei Tintenklecks", "Fahrräder Speichenglanz", "Metzgerei Landschmaus", "Reisebüro Fernweh",
        "Spedition Kilometerfix", "Sparkasse Münzturm",  "Bäder Wellenschlag",  "Eiscafé Frostzapfen"};
    if (k >= 0 && k < WERBEPARTNER_ANZAHL) return PARTNER_NAMEN[k];
    if (k >= WERBEPARTNER_ANZAHL && k < WERBUNG_BANDE_BILDER) return FUELLER[k - WERBEPARTNER_ANZAHL];
    return "";
}

const char* Werbepartner_Name(int32_t nummer)
{
    return nummer >= 0 && nummer < WERBEPARTNER_ANZAHL ? Werbepartner_Tabelle[nummer].name : "";
}

static bool agentur_gueltig(int32_t agentur, int32_t aufgabe)
{
    return agentur >= 0 && agentur < WERBUNG_AGENTUREN && aufgabe >= 0 && aufgabe < WERBUNG_AUFGABEN;
}

int32_t Werbung_Agentur_Gebuehr(int32_t agentur, int32_t aufgabe)
{
    return agentur_gueltig(agentur, aufgabe) ? AGENTUREN[agentur].gebuehr[aufgabe] : 0;
}

const char* Werbung_Agentur_Text(int32_t agentur, int32_t aufgabe)
{
    if (!Werbung_Ist_Initialisiert() || !agentur_gueltig(agentur, aufgabe)) return "";
    return Temp_Sprintf("Die %s^lverlangt für diese Aufgabe %s pro Monat.", AGENTUREN[agentur].name,
                        Bank_Betrag_String(float(AGENTUREN[agentur].gebuehr[aufgabe]), Aktuelles_Team, -1, 0));
}

const char* Werbung_Agentur_Kuerzel(int32_t agentur, int32_t aufgabe)
{
    if (!Werbung_Ist_Initialisiert() || !agentur_gueltig(agentur, aufgabe)) return "";
    return AGENTUREN[agentur].kuerzel;
}

const char* Werbung_Agentur_Preis_String(int32_t agentur, int32_t aufgabe)
{
    if (!Werbung_Ist_Initialisiert() || !agentur_gueltig(agentur, aufgabe)) return "";
    return Temp_Sprintf("%s/Mon.",
                        Bank_Betrag_String(float(AGENTUREN[agentur].gebuehr[aufgabe]), Aktuelles_Team, -1, 0));
}
