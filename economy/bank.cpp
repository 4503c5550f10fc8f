#include "economy/bank.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static Bank_Konto_Beobachter beobachter = nullptr;

void Bank_Set_Konto_Beobachter(Bank_Konto_Beobachter b) { beobachter = b; }

bool Bank_Konto_Einrichten(int32_t team, int32_t start, int8_t)
{
    if (beobachter) beobachter(true, team, start);
    return false;
}

bool Bank_Konto_Loeschen(int32_t team)
{
    if (beobachter) beobachter(false, team, 0);
    return false;
}

void Bank_Manager_Icon_Status_Vorbelegen(Manager_Icon_Zustand*) {}

static Bank_Buchung_Beobachter buchung_beobachter = nullptr;
static Bank_Kontostand_Abfrage kontostand_abfrage = nullptr;
static Bank_Kredit_Beobachter kredit_beobachter = nullptr;

void Bank_Set_Buchung_Beobachter(Bank_Buchung_Beobachter b) { buchung_beobachter = b; }
void Bank_Set_Kontostand_Abfrage(Bank_Kontostand_Abfrage a) { kontostand_abfrage = a; }
void Bank_Set_Kredit_Beobachter(Bank_Kredit_Beobachter b) { kredit_beobachter = b; }

bool Schreibe_Überweisung(int32_t zahler, int32_t empfaenger, float betrag, uint8_t kategorie, int32_t, int8_t)
{
    return buchung_beobachter ? buchung_beobachter(zahler, empfaenger, betrag, kategorie) : false;
}

int32_t Bank_Get_Kontostand(int32_t team, int32_t mit_kreditrahmen, int32_t)
{
    return kontostand_abfrage ? kontostand_abfrage(team, mit_kreditrahmen) : 0;
}

bool Bank_Betrag_Anlegen(int32_t geber, int32_t nehmer, float betrag, int32_t laufzeit, int32_t, float zins)
{
    return kredit_beobachter ? kredit_beobachter(geber, nehmer, betrag, laufzeit, zins) : false;
}

const char* Bank_Betrag_String(float betrag, int32_t, int32_t, int32_t)
{
    static char puffer[3][30];
    static int naechster = 0;
    char* aus = puffer[naechster];
    naechster = (naechster + 1) % 3;
    const float grenze = 1.2e9f;
    if (betrag > grenze) betrag = grenze;
    if (betrag < -grenze) betrag = -grenze;
    const int64_t ganz = static_cast<int64_t>(betrag);
    char ziffern[24];
    std::snprintf(ziffern, sizeof ziffern, "%lld", static_cast<long long>(std::llabs(ganz)));
    // a dot after every three digits from the right
    char zahl[32];
    size_t n = std::strlen(ziffern), k = 0;
    if (ganz < 0) zahl[k++] = '-';
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) zahl[k++] = '.';
        zahl[k++] = ziffern[i];
    }
    zahl[k] = 0;
    std::snprintf(aus, 30, "%s DM", zahl);
    return aus;
}

static Bank_Neues_Spiel_Beobachter neues_spiel_beobachter = nullptr;

void Bank_Set_Neues_Spiel_Beobachter(Bank_Neues_Spiel_Beobachter b) { neues_spiel_beobachter = b; }

bool Bank_Set_Kreditlinie(int32_t team, int32_t betrag, int8_t)
{
    if (neues_spiel_beobachter) neues_spiel_beobachter("Bank_Set_Kreditlinie", team, betrag);
    return false;
}

void Bank_Neues_Spiel()
{
    if (neues_spiel_beobachter) neues_spiel_beobachter("Bank_Neues_Spiel", -1, 0);
}
