// The finance pages' sums over the booking ring and the expected amounts of the coming week.
#include <cmath>

#include "database/team.h"
#include "economy/bank.h"
#include "economy/bank_intern.h"
#include "economy/stadion.h"
#include "economy/werbung.h"
#include "gameflow/kalender.h"

static Bank_Prognose_Abfrage prognose_abfrage = nullptr;

void Bank_Set_Prognose_Abfrage(Bank_Prognose_Abfrage abfrage) { prognose_abfrage = abfrage; }

double Bank_Summe_Kategorie(int32_t team, int32_t woche, int32_t kategorie, int32_t prognose)
{
    if (prognose) return Bank_Prognose_Kategorie(team, kategorie);
    const Bank_Konto* k = Bank_Get_Konto(team);
    if (!k) return 0.0f;
    int64_t von = 0, bis = int64_t(Kalender_Get_Heute()) + 1;
    if (woche >= 0) {
        von = int64_t(Kalender_Get_Saisonstart()) + 7 * int64_t(woche);
        bis = von + 7;
    }
    const uint8_t richtung = uint8_t(kategorie) & 0x80, art = uint8_t(kategorie) & 0x7f;
    double summe = 0;
    for (const Buchung& b : k->buchung) {
        if (b.betrag == 0 || (b.kategorie & 0x80) != richtung) continue;
        if (art != 0 && (b.kategorie & 0x7f) != art) continue;
        if (int64_t(b.tag) < von || int64_t(b.tag) >= bis) continue;
        summe += std::fabs(double(b.betrag));
    }
    return summe;
}

float Bank_Prognose_Bank(int32_t team, int32_t kategorie)
{
    if (team < 0 || team >= BANK_TEAMS || !Bank.initialisiert) return 0.0f;
    switch (kategorie) {
    case 41:
    case 42: {
        // the stadium estimates a month; the forecast is a week's
        const double w = double(Stadion_Dauerkarten_Monat(team, nullptr, 0)) * 12.0 / 52.0;
        if (kategorie == 41) return w >= 0 ? float(w) : 0.0f;
        return w < 0 ? float(-w) : 0.0f;
    }
    case 2:
    case 45: {
        double summe = 0;
        void* cursor = nullptr;
        while (const Bank_Anlage* a = Bank_Naechste_Anlage(team, &cursor)) {
            if ((kategorie == 2) != (a->betrag > 0)) continue;
            const int64_t tage = int64_t(a->faellig) - int64_t(a->beginn);
            if (tage <= 0) continue;
            summe += std::fabs(double(a->endbetrag) - double(a->betrag)) / double(tage) * 7.0;
        }
        return float(summe);
    }
    case 20: {
        const double b = Bank.kontostand[team];
        return b > 0 ? float(b * Bank_Giro_Zins / 36500.0 * 7.0) : 0.0f;
    }
    case 21: {
        const double b = Bank.kontostand[team];
        if (b >= 0) return 0.0f;
        const Bank_Konto* k = Bank.konto[team];
        double satz = Bank_Ueberzieh_Zins;
        if (k) {
            satz = Bank_Dispo_Zins;
            if (-b > k->kreditlinie) {
                const double s = (-b - k->kreditlinie) / -b;
                satz = Bank_Dispo_Zins * (1.0 - s) + Bank_Ueberzieh_Zins * s;
            }
        }
        return float(-b * satz / 36500.0 * 7.0);
    }
    default: return 0.0f;
    }
}

namespace {
constexpr uint8_t EIN_BANK[] = {20, 2, 41}, EIN_WERBUNG[] = {4, 5, 6, 7, 39}, EIN_STADION[] = {11, 13, 16};
constexpr uint8_t AUS_BANK[] = {21, 45, 42}, AUS_WERBUNG[] = {8, 9, 10}, AUS_STADION[] = {12};
constexpr uint8_t AUS_TEAM[] = {26, 27, 33, 34, 35, 37, 38};

template <size_t N>
bool enthalten(const uint8_t (&liste)[N], int32_t k)
{
    for (uint8_t x : liste)
        if (x == k) return true;
    return false;
}

double einzeln(int32_t team, int32_t k, bool einnahme)
{
    if (einnahme) {
        if (enthalten(EIN_BANK, k)) return Bank_Prognose_Bank(team, k);
        if (enthalten(EIN_WERBUNG, k)) return Werbung_Wochenbetrag(team, k);
        if (enthalten(EIN_STADION, k)) return Stadion_Prognose(team, k, 0);
        return 0;
    }
    if (enthalten(AUS_BANK, k)) return Bank_Prognose_Bank(team, k);
    if (enthalten(AUS_WERBUNG, k)) return Werbung_Wochenbetrag(team, k);
    if (enthalten(AUS_STADION, k)) return Stadion_Prognose(team, k, 0);
    if (enthalten(AUS_TEAM, k)) return Team_Get_Wochenausgaben(team, k);
    return 0;
}
}  // namespace

float Bank_Prognose_Kategorie(int32_t team, int32_t kategorie)
{
    if (prognose_abfrage) return prognose_abfrage(team, kategorie);
    const bool einnahme = (kategorie & 0x80) != 0;
    const int32_t k = kategorie & 0x7f;
    if (k != 0) return float(einzeln(team, k, einnahme));
    double summe = 0;
    if (einnahme) {
        for (uint8_t x : EIN_BANK) summe += einzeln(team, x, true);
        for (uint8_t x : EIN_WERBUNG) summe += einzeln(team, x, true);
        for (uint8_t x : EIN_STADION) summe += einzeln(team, x, true);
    } else {
        for (uint8_t x : AUS_BANK) summe += einzeln(team, x, false);
        for (uint8_t x : AUS_WERBUNG) summe += einzeln(team, x, false);
        for (uint8_t x : AUS_STADION) summe += einzeln(team, x, false);
        for (uint8_t x : AUS_TEAM) summe += einzeln(team, x, false);
    }
    return float(summe);
}
