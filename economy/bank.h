// The bank: every club's balance in whole DM, the account records of the human-run clubs with
// their booking rings, credits, fixed deposits, share holdings and the three stock exchanges.
// It runs on the server (or the single PC); a network client holds copies fetched by request.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Manager_Icon_Zustand;
struct Disk_Datei;

constexpr int32_t BANK_TEAMS = 1000;
constexpr int32_t BANK_RING = 500;
constexpr int32_t BANK_BOERSEN = 3;
constexpr int32_t BANK_FIRMEN = 13;
constexpr int32_t BANK_LAUFZEITEN = 7;
// Every balance, ring entry and taxable profit stays within this many DM.
constexpr int64_t BANK_GRENZE = 1200000000;

// One entry of a club's booking ring: the week's sum of one category and direction.
struct Buchung {
    int32_t betrag;     // whole DM in the account currency; 0 is an empty entry
    uint32_t tag;       // day number of the last booking merged in
    uint8_t kategorie;  // bits 0-6 category; bit 7 income written by the receiver side
    uint8_t frei[3];
};
static_assert(sizeof(Buchung) == 12);

// The account record of a club (6024 bytes, saved as it lies in memory on this little-endian
// machine; the offsets are pinned below).
struct Bank_Konto {
    Buchung buchung[BANK_RING];
    uint32_t index;         // next ring entry to write
    int32_t kreditlinie;    // overdraft limit, whole DM of the account currency
    int32_t reserviert;
    int32_t steuergewinn;   // taxable profit of the running tax year
    int32_t letzte_steuer;  // tax paid at the last settlement
    int8_t waehrung;
    uint8_t hinterziehung;  // 1 after an illegal cut of the last tax
    uint8_t frei[2];
};
static_assert(sizeof(Bank_Konto) == 6024);

// A credit (principal < 0) or fixed deposit (principal > 0).
struct Bank_Anlage {
    int32_t endbetrag;  // principal with interest, same sign as the principal
    int32_t betrag;
    uint32_t faellig;   // due day
    uint32_t beginn;    // start day
    float zins;         // percent per year
};
static_assert(sizeof(Bank_Anlage) == 20);

struct Bank_Aktienbesitz {
    int32_t boerse;
    int32_t firma;
    int32_t anzahl;
    int32_t summe;  // purchase amount in the exchange's currency, fee included
};
static_assert(sizeof(Bank_Aktienbesitz) == 16);

// One stock exchange; firm 0 carries the exchange's currency rate.
struct Boerse {
    char name[30];
    uint8_t nummer;
    char firma[BANK_FIRMEN][29];
    int16_t team[BANK_FIRMEN];  // third exchange: the traded club, -1 none
    float kurs[BANK_FIRMEN];
    float verlauf[BANK_FIRMEN][30];  // slot 29 the newest
    float ziel[BANK_FIRMEN];
    float drift[BANK_FIRMEN];   // percent per day
    uint32_t zaehler[BANK_FIRMEN];  // days left of the drift
    float trend;                // -200..200
    int32_t index;
};
constexpr uint32_t BOERSE_BYTES = 2212;
extern Boerse Bank_Boerse[BANK_BOERSEN];

// ---- Module life and savegame ----
void Bank_Init();
void Bank_DeInit();
bool Bank_Init_Check();
// Registers the bank's two savegame blocks and its release at exit.
void Bank_Module_Registrieren();
bool Bank_Speichern(Disk_Datei* datei);
bool Bank_Laden(Disk_Datei* datei, const char* version);
bool Bank_Kredit_Speichern(Disk_Datei* datei);
bool Bank_Kredit_Laden(Disk_Datei* datei, const char* version);
// The bank block as the savegame holds it, and its reader: a damaged block is refused whole
// and the bank stays as it was. `version` "2.00" reads the older exchange layout.
std::vector<uint8_t> Bank_Block_Bauen();
bool Bank_Block_Lesen(const uint8_t* daten, uint32_t laenge, const char* version);
// The credit screens' block: four 92-byte icon images.
constexpr uint32_t BANK_KREDIT_BLOCK_BYTES = 4 * 92;
std::vector<uint8_t> Bank_Kredit_Block_Bauen();
bool Bank_Kredit_Block_Lesen(const uint8_t* daten, uint32_t laenge);

// ---- Accounts and amounts ----
Bank_Konto* Bank_Get_Konto(int32_t team);
// Opens a club's account, or resets an existing one to the currency (its balance converted);
// a start balance of -1 keeps the balance. False when no account can be made.
bool Bank_Konto_Einrichten(int32_t team, int32_t start, int8_t waehrung);
// Removes the club's account (not on a network client).
bool Bank_Konto_Loeschen(int32_t team);
void Bank_Set_Kreditlinie(int32_t team, float betrag, int8_t waehrung);
float Bank_Get_Kreditlinie(int32_t team, int32_t waehrung);
// The balance in whole DM (plus the limit when asked), in the currency (-1 or 255: the
// account's own); -1,000,000,000 when the bank is not initialised.
int32_t Bank_Get_Kontostand(int32_t team, int32_t mit_kreditrahmen, int32_t waehrung);
int32_t Bank_Get_Vermoegen(int32_t team, int32_t waehrung);
int32_t Bank_Get_Steuergewinn(int32_t team);
int8_t Bank_Get_Waehrung(int32_t team);
float Bank_Waehrung_Umrechnen(float betrag, int32_t von, int32_t nach);
extern float Bank_Waehrungsfaktor[BANK_BOERSEN];
// The amount as a money text ("1.234.567,50 DM", "$ -2.500"); flag 1 always cents, 0 cents
// when there are any, -1 never (a double: season totals above 16.7 million keep every mark).
// Three rotating buffers.
const char* Bank_Betrag_String(double betrag, int32_t team, int32_t waehrung, int32_t flag);
// Digits with a dot every three from the right; flags bits 0-5 minimum width, bit 6 no dots.
const char* Bank_Zahl_String(int64_t wert, int32_t flags);
// The bank's own generator (saved with the bank): lo..hi, lo when hi <= lo.
int32_t Bank_Zufall_Zwischen(int32_t lo, int32_t hi);
int32_t Bank_Laufzeit_Index(int32_t monate);
extern const int32_t Bank_Laufzeit[BANK_LAUFZEITEN];
extern float Bank_Anlage_Zins[BANK_LAUFZEITEN];
extern float Bank_Kredit_Zins[BANK_LAUFZEITEN];
extern float Bank_Giro_Zins, Bank_Dispo_Zins, Bank_Ueberzieh_Zins;
extern uint8_t Bank_Standard_Waehrung;
extern int32_t Bank_Aktien_Anzahl;
// The most shares of one firm a club may hold, per exchange; the share count rocker's maximum.
extern const int32_t Bank_Aktien_Limit[BANK_BOERSEN];
extern int32_t Bank_Aktien_Wippe_Maximum;
extern int32_t Bank_Liga_Wettbewerb;
// The amount of the credit and deposit screen's rocker, and its chosen term.
extern float Bank_Wippe_Betrag;
extern int32_t Bank_Wippe_Laufzeit;
Bank_Aktienbesitz* Bank_Naechster_Aktienbesitz(int32_t team, void** cursor, int32_t boerse, int32_t firma);
Bank_Anlage* Bank_Naechste_Anlage(int32_t team, void** cursor);

// ---- Bookings ----
// Every money movement: payer and receiver team (-1 none), the amount, its category, the force
// flag (1: no cover check) and the amount's currency (-1: each side's own). Each side's amount
// is rounded once to whole DM. True when booked.
bool Schreibe_Überweisung(int32_t zahler, int32_t empfaenger, float betrag, uint8_t kategorie, int32_t zwingend,
                          int8_t waehrung);
// A club's compulsory payments to nobody in its own currency, booked one after the other exactly
// as Schreibe_Überweisung(zahler, -1, betrag, kategorie, 1, -1) books each of them.
struct Bank_Posten {
    float betrag;
    uint8_t kategorie;
};
void Schreibe_Zahlungen(int32_t zahler, const Bank_Posten* posten, int32_t anzahl);
bool Bank_Kategorie_Steuerpflichtig(uint8_t kategorie);

// ---- Credits, deposits and shares ----
// A credit (art 0) from `geber` (-1 the bank) to `nehmer`, or a fixed deposit (art 1) of
// `geber`; rate -1 takes the bank's. False when refused or when the rocker amount was corrected.
bool Bank_Betrag_Anlegen(int32_t geber, int32_t nehmer, float betrag, int32_t laufzeit, int32_t art, float zins);
// Buys (count > 0) or sells shares; false when refused or corrected (Bank_Aktien_Anzahl).
bool Bank_Aktien_Handel(int32_t team, int32_t anzahl, int32_t boerse, int32_t firma);
int32_t Bank_Max_Aktien(int32_t team, int32_t boerse, int32_t firma, int32_t verkauf);
float Bank_Get_Aktienkurs(int32_t boerse, int32_t firma);
float Bank_Get_Kreditrahmen(int32_t team);
double Bank_Zinseszins(double betrag, int32_t monate, double zins);
// Due day of a term that starts today: the same day of month, or that month's last day.
int32_t Bank_Faelligkeit(int32_t heute, int32_t monate);
// Lender menu: the items in order (the bank, up to 10 managers, pages of 20, the rate wish).
struct Bank_Menue_Eintrag {
    int32_t team;   // -1 the bank or a page / rate item
    int32_t seite;  // 0 top level, else the page number of "Weitere Teams Seite %d"
    char text[64];
};
std::vector<Bank_Menue_Eintrag> Bank_Kreditgeber_Eintraege(int32_t laufzeit, int32_t zinswunsch);

// ---- Periodic jobs ----
void Bank_Boerse_Tag();
void Bank_Faelligkeiten_Tag();
void Bank_Dauerkarten_Ausgleich();
void Bank_Steuern();
float Bank_Steuer_Berechnen(float gewinn);
float Bank_Liga_Aktie_Basiswert(int32_t team);

// ---- Exchanges ----
void Bank_Neues_Spiel();
void Bank_Aktie_Liga_Nach_Spiel(int32_t team, int32_t ausgang);
void Bank_Liga_Aktien_Neu_Besetzen(const int32_t* teams, int32_t n);
int32_t Bank_Get_Aktien_Liga();
// Presets the finance screens' icon states of a new manager: first finance page, bank as lender.
void Bank_Manager_Icon_Status_Vorbelegen(Manager_Icon_Zustand* zustand);

// ---- Requests 1024-1029 ----
constexpr int32_t BANK_GET_DATEN_1 = 1024;
constexpr int32_t BANK_GET_DATEN_2 = 1025;
constexpr int32_t BANK_GET_BOERSE = 1026;
constexpr int32_t BANK_GET_BUCHUNG = 1027;
constexpr int32_t BANK_ANLAGEN_TRANSFER = 1028;
constexpr int32_t BANK_AKTIEN_TRANSFER = 1029;
// Server side: takes the request image of `anfrage`, fills `antwort` with the reply image and
// returns the result; a bad image or a team other than the caller's gives 0 and an empty reply.
int32_t Bank_Server_Anfrage(int32_t anfrage, const uint8_t* daten, uint32_t laenge, std::vector<uint8_t>* antwort);
// Client side of each request.
int32_t Bank_Client_Aktien_Transfer(int32_t team, int32_t anzahl, int32_t boerse, int32_t firma);
int32_t Bank_Client_Anlagen_Transfer(int32_t geber, int32_t nehmer, float* betrag, int32_t monate, int32_t art,
                                     float* zins);
void Bank_Client_Kurse_Holen(int32_t team);
void Bank_Client_Refresh(int32_t team);
// The client's re-initialisation after loading: a refresh.
void Bank_Client_Init(int32_t team);
void Bank_Client_Boerse_Holen(int32_t team, int32_t boerse);
void Bank_Client_Boersen_Holen(int32_t team);
void Bank_Client_Buchungen_Holen(int32_t team);
// The transport of a client's request: sends the image, leaves the reply image in `block` and
// returns the result. The network's remote calls plug in here; without one nothing is fetched.
using Bank_Fernaufruf = int32_t (*)(int32_t anfrage, std::vector<uint8_t>* block);
void Bank_Set_Fernaufruf(Bank_Fernaufruf aufruf);

// ---- Test hooks ----
// Answer in place of the booking, the balance query and the credit (callers' tests).
using Bank_Buchung_Beobachter = bool (*)(int32_t zahler, int32_t empfaenger, float betrag, uint8_t kategorie);
void Bank_Set_Buchung_Beobachter(Bank_Buchung_Beobachter beobachter);
using Bank_Kontostand_Abfrage = int32_t (*)(int32_t team, int32_t mit_kreditrahmen);
void Bank_Set_Kontostand_Abfrage(Bank_Kontostand_Abfrage abfrage);
using Bank_Kredit_Beobachter = bool (*)(int32_t geber, int32_t nehmer, float betrag, int32_t laufzeit, float zins);
void Bank_Set_Kredit_Beobachter(Bank_Kredit_Beobachter beobachter);
// Sees every account opened (einrichten set, with its start balance) or removed.
using Bank_Konto_Beobachter = void (*)(bool einrichten, int32_t team, int32_t start);
void Bank_Set_Konto_Beobachter(Bank_Konto_Beobachter beobachter);

// Test hook: sees each credit limit set and the new-game start (team -1, amount 0).
using Bank_Neues_Spiel_Beobachter = void (*)(const char* aufruf, int32_t team, int32_t betrag);
void Bank_Set_Neues_Spiel_Beobachter(Bank_Neues_Spiel_Beobachter beobachter);
// Sees every booking carried out: what left the payer and reached the receiver, in whole units
// of each side's balance.
using Bank_Buchung_Protokoll = void (*)(int32_t zahler, int32_t empfaenger, int32_t ab, int32_t zu, uint8_t kategorie);
void Bank_Set_Buchung_Protokoll(Bank_Buchung_Protokoll protokoll);

// ---- Texts of the investment screen ----
// Asks the manager of `geber` for a credit of the rocker amount over the chosen term at the
// wished rate (a question in the news); true when the request was sent.
bool Bank_Kredit_Anfrage(int32_t geber, int32_t zinswunsch);
// The rows of Aktuelles_Team's credits and deposits (at most 150) with their help texts, or the
// empty-list row (no help).
struct Bank_Anlagen_Zeile {
    std::string text;
    const char* hilfe;
};
std::vector<Bank_Anlagen_Zeile> Bank_Anlagen_Zeilen();
// The heading help of the share holdings' list.
constexpr const char* BANK_AKTIEN_HILFE = "Dies sind Ihre Aktien";
// Choosing a firm of an exchange in the share list: the exchange's buttons follow, the chosen
// firm is kept (a firm without a name sets the chart back to its first range), a client
// fetches the exchange, the share count's rocker takes the exchange's limit.
void Bank_Aktie_Waehlen(int32_t boerse, int32_t firma);
// The investment page's buttons with the rocker amount and term: a fixed deposit, a credit
// from the bank (geber -1) or a manager's request, and a share trade of the monitor's firm.
// Each asks or explains and returns true when the bank took the order.
bool Bank_Anlegen_Knopf(int32_t team);
bool Bank_Kredit_Knopf(int32_t team, int32_t geber);
bool Bank_Aktien_Knopf(int32_t team, int32_t anzahl, bool verkauf);
// The credit button becomes active.
void Bank_Kredit_Aktivieren();
// The tooltip of a share holding.
std::string Bank_Aktie_Hilfe(const Bank_Aktienbesitz& besitz);

// The lender menu "Kreditgeber" in the shared context menu: the bank, up to 10 managers, the
// further ones in sub-lists of 20, and the rate wish that opens "Wählen Sie Ihren Wunschzins".
// Choosing a manager asks him for a credit (Bank_Kredit_Anfrage).
struct Menue_Kontextmenue;
Menue_Kontextmenue* Bank_Kreditgeber_Menue(int32_t laufzeit);

// ---- Weekly forecasts ----
// The expected amount of one week: category 128 all income, 0 all expenses, otherwise one
// category (bit 7 set: income): the bank's, the sponsors', the stadium's and the squad's shares.
float Bank_Prognose_Kategorie(int32_t team, int32_t kategorie);
// The bank's own share of a week's forecast (categories 2, 20, 21, 41, 42, 45), teams 0..999.
float Bank_Prognose_Bank(int32_t team, int32_t kategorie);
// The sum of |amount| of the club's ring entries of one category and direction (low bits 0: all
// categories of that direction) in week `woche` from the season start, or from day 0 through
// today for -1; with `prognose` set the week's forecast. 0 without account.
double Bank_Summe_Kategorie(int32_t team, int32_t woche, int32_t kategorie, int32_t prognose);
// Test hook: answers in place of Bank_Prognose_Kategorie.
using Bank_Prognose_Abfrage = float (*)(int32_t team, int32_t kategorie);
void Bank_Set_Prognose_Abfrage(Bank_Prognose_Abfrage abfrage);
