// The finance pages of the bank screen: four pages of booking rows (income and expense per
// line), the week, whole-season and forecast views, the page panel and the season chart.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t BANK_FINANZ_SEITEN = 4;
constexpr int32_t BANK_FINANZ_ZEILEN = 20;

// A page: rows in pairs (even income, odd expense of one line), each a word of up to four
// categories one per byte, low byte first; the forecast words name the categories whose
// expected amount the forecast view shows.
struct Bank_Finanz_Seite {
    const char* name;
    uint32_t zeile[BANK_FINANZ_ZEILEN];
    const char* zeilen_name[BANK_FINANZ_ZEILEN];
    uint32_t prognose[BANK_FINANZ_ZEILEN];
};
extern const Bank_Finanz_Seite Bank_Finanz_Seiten[BANK_FINANZ_SEITEN];

// The page state kept with the screen: page 0..3, week (-1 the whole season), the forecast
// ("Aktuelle Bilanz") and whole-season ("Gesamtes Jahr") toggles and the week they put aside.
struct Bank_Finanz_Zustand {
    int32_t seite = 0;
    int32_t woche = -1;
    int32_t gemerkt = -1;
    bool prognose = false;
    bool jahr = false;
};
int32_t Bank_Finanz_Aktuelle_Woche();
// Clicking a week of the list (limited to the current week; ignored while a toggle is on).
void Bank_Finanz_Woche_Waehlen(Bank_Finanz_Zustand* z, int32_t woche);
// The toggles exclude each other and the week list: on remembers the week and sets -1, off
// restores it.
void Bank_Finanz_Jahr_Schalten(Bank_Finanz_Zustand* z, bool an);
void Bank_Finanz_Prognose_Schalten(Bank_Finanz_Zustand* z, bool an);

// The amount of one row for the state: the sum of its packed categories.
double Bank_Finanz_Zeile(int32_t team, int32_t seite, int32_t zeile, const Bank_Finanz_Zustand& z);
// The page's rows as shown, with the heading first.
std::vector<std::string> Bank_Finanz_Zeilen(int32_t team, const Bank_Finanz_Zustand& z);
// The panel of a page button: name, income/expense/balance per line, the tax foot line.
std::vector<std::string> Bank_Finanz_Panel(int32_t team, int32_t seite, const Bank_Finanz_Zustand& z);
// "%d.Woche" lines for weeks 1 up to the current one.
std::vector<std::string> Bank_Finanz_Wochenliste();
// The season chart: income minus expenses of each of the 52 weeks.
void Bank_Finanz_Saison(int32_t team, float* saldo52);
