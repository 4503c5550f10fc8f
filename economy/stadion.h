// The clubs' stadium records: six stands and thirteen facilities per club, built from a fixed
// model catalogue by five firms; ticket and season-ticket prices, fan mood, the top surcharge and
// the home-game statistics. Works, prices and money run on the serving PC; a network client
// holds a fetched copy of the list.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct Disk_Datei;
struct Spiele_Spiel;

constexpr int32_t STADION_SLOTS = 19;
constexpr int32_t STADION_TRIBUENEN = 6;
constexpr int32_t STADION_MODELLE = 36;
constexpr int32_t STADION_FIRMEN = 5;
constexpr int32_t STADION_SPALTEN = 6;
constexpr int32_t STADION_REIHE = 46;

// Building slots the other modules ask about.
// Below this condition a building may collapse by chance.
constexpr int32_t STADION_ZUSTAND_BAUFAELLIG = 30;
constexpr int32_t STADION_ANLAGE_PARKPLATZ = 10;
constexpr int32_t STADION_ANLAGE_SICHERHEIT = 11;
constexpr int32_t STADION_ANLAGE_TRAININGSGELAENDE = 14;
constexpr int32_t STADION_ANLAGE_MEDIZIN = 15;
constexpr int32_t STADION_ANLAGE_IMBISS = 17;

// Sizes of the byte image of one record: base, top-surcharge part, statistics part.
constexpr uint32_t STADION_BASIS_BYTES = 456;
constexpr uint32_t STADION_TOP_BYTES = 12;
constexpr uint32_t STADION_STATISTIK_BYTES = 1688;

struct Stadion_Slot {
    int32_t bauende;    // day the running work ends
    int32_t fertig;     // day from which a new building counts as finished
    float zustand;      // condition in percent
    int32_t plaetze;    // seats, parking places or a count
    uint8_t firma;      // 0..4
    uint8_t modell;     // 0 nothing built
    uint8_t qualitaet;  // 20..127
    uint8_t frei;
};

struct Stadion_Top {
    float zuschlag;  // percent
    int32_t platz_grenze;
    uint8_t immer;      // every home game
    uint8_t top_teams;  // against opponents placed up to the limit
    uint8_t krawall;    // riot at the last home game, fined by the weekly job
    uint8_t frei;
};

// Column 0 is the club's league, 1..5 cups and other competitions.
struct Stadion_Statistik {
    int8_t cup_spalte;
    int8_t wettbewerb[STADION_SPALTEN];  // super competition 0..254 read unsigned; -1 (255) free
    uint8_t frei;
    float rekord_einnahme[STADION_SPALTEN];
    int32_t rekord_zuschauer[STADION_SPALTEN];
    int32_t rekord_tag[STADION_SPALTEN][2];       // of attendance, of income
    char rekord_gegner[STADION_SPALTEN][2][30];   // of attendance, of income
    uint8_t rekord_tore[STADION_SPALTEN][4];      // home/away of each; 255 until played
    int32_t spiele[STADION_SPALTEN];
    int32_t summe_zuschauer[STADION_SPALTEN];
    int32_t summe_einnahme[STADION_SPALTEN];
    int32_t reihe[STADION_SPALTEN][STADION_REIHE];  // attendance, income, price, upkeep, condition, day
    int32_t eintraege;
    uint8_t auslastung[STADION_TRIBUENEN];
    uint8_t monat_abgerechnet[12];  // August 0 .. July 11
    uint8_t frei2[2];
};

struct Stadion_Daten {
    int32_t team;
    char name[30];
    int8_t stimmung;  // fan mood 0..100
    uint8_t frei;
    Stadion_Slot slot[STADION_SLOTS];
    float preis[STADION_TRIBUENEN];
    int32_t dauerkarten;
    float dauerkarten_preis;
    uint32_t hat_top;        // the parts below are present
    uint32_t hat_statistik;
    Stadion_Top top;
    Stadion_Statistik statistik;
};

struct Stadion_Modell_Daten {
    const char* name;
    const char* beschreibung;
    float verschleiss;  // weekly wear
    int32_t bild;
    int32_t attraktion;
    int32_t max_plaetze;
    int32_t preis;   // per 500 seats for stands and parking, else per unit
    int32_t schritt;
    uint8_t slot;    // 0 a stand, else its one slot; 255 for nothing
    uint8_t firmen[STADION_FIRMEN];
    uint8_t art;     // stands: 1 seated, 2 terraces, 4 roofed, 8 open
    uint8_t wochen;
};
extern const Stadion_Modell_Daten Stadion_Modell[STADION_MODELLE];

struct Stadion_Firma_Daten {
    const char* name;
    const char* beschreibung;
    int32_t qualitaet;
    int32_t zeit_prozent;
    int32_t preis_prozent;
    int32_t rabatt;        // this week's price reduction, percent
    int32_t angebot;       // offer model, 0 none
    int32_t frei;
};
extern Stadion_Firma_Daten Stadion_Baufirma[STADION_FIRMEN];
extern const Stadion_Daten Stadion_Unbekannt;
extern const char* const Stadion_Slot_Name[STADION_SLOTS];

// ---- Module ----
void Stadion_Init();
void Stadion_DeInit();
// Reports "Stadion muß initialisiert werden" when not initialised.
bool Stadion_Ist_Initialisiert();
// Savegame block and release.
void Stadion_Module_Registrieren();

// ---- Records ----
// The club's record: with `direkt` the stored one, else a copy valid until the next call. Null
// when the club has none.
Stadion_Daten* Stadion_Zeiger(int32_t team, int32_t direkt);
// Stores a record (template may be null) as the club's stadium, not on a network client.
bool Stadion_Neu(int32_t team, const Stadion_Daten* vorlage);
bool Stadion_Loeschen(int32_t team);
// Gives a record no optional parts (top surcharge, statistics), or two empty ones.
void Stadion_Optionale_Teile_Setzen(Stadion_Daten* daten, bool leere_teile);
// The clubs with a record, in list order.
std::vector<int32_t> Stadion_Teams();

// Seats of the ready stands whose kind bits all lie in the mask (15 every stand).
int32_t Stadion_Get_Plaetze(int32_t team, int32_t maske);
// The seats or count of a building slot 0..18 when it is ready, else 0.
int32_t Stadion_Get_Anlage_Wert(int32_t team, int32_t slot);
void Stadion_Slot_Modelle(int32_t slot, int32_t* anzahl, int32_t* erstes);
int32_t Stadion_Modell_Max_Plaetze(int32_t modell);
bool Stadion_Slot_Fertig(const Stadion_Slot& s, int32_t heute);
// Game-start filling of one slot of a template.
void Stadion_Anlage_Setzen(Stadion_Daten* daten, int32_t slot, int32_t modell, int32_t plaetze);

// ---- Works ----
float Stadion_Baukosten(int32_t slot, int32_t modell, int32_t firma, int32_t plaetze);
float Stadion_Abrisskosten(int32_t slot, int32_t modell, int32_t firma, int32_t plaetze);
float Stadion_Renovierungskosten(int32_t team, int32_t slot);
int32_t Stadion_Bauzeit(int32_t modell, int32_t firma);
float Stadion_Verschleiss(const Stadion_Slot& slot);
bool Stadion_Firma_Hat_Angebot(int32_t modell, int32_t firma);
// Builds, extends or (seats 0) demolishes; the price is what the club pays.
bool Stadion_Bauen(int32_t team, int32_t slot, int32_t modell, int32_t firma, int32_t plaetze, float preis);
bool Stadion_Renovieren(int32_t team, int32_t slot, float preis);

// ---- Prices, attendance and fan mood ----
float Stadion_Eintrittspreis(int32_t team);
float Stadion_Dauerkarten_Preis(int32_t team, int32_t standard);
int32_t Stadion_Dauerkarten_Wert(int32_t team, int32_t standard);
int32_t Stadion_Attraktivitaet(int32_t team);
int32_t Stadion_Topzuschlag(int32_t heim, int32_t gast, int32_t wettbewerb);
int32_t Stadion_Zuschauer(int32_t stadion_team, Spiele_Spiel* spiel, int32_t reiz, int32_t heim_anteil,
                          int32_t gast_anteil, int32_t* auslastung, int32_t prognose, int32_t zuschlag);
void Stadion_Assistent_Preise(int32_t team, Spiele_Spiel* spiel, int32_t reiz);
void Stadion_Fanstimmung_Setzen(int32_t team, int32_t wert);
void Stadion_Dauerkarten_Verkaufen();
void Stadion_Dauerkarten_Verkauf(int32_t team);
void Stadion_Preise_Vorschlagen(int32_t team);
int32_t Stadion_Ausweichstadion(int32_t team, int32_t min_plaetze);
// The live view's stands: per section the stand kind (-1 none, 0-2 terraces, 3-4 covered, 5-6
// two tiers) and its fill in percent. False for a club without record.
bool Stadion_Szene_Tribuenen(int32_t heim, int32_t zuschauer, int32_t arten[6], int32_t fuellung[6]);

// ---- Jobs ----
void Stadion_Jeden_Tag();
void Stadion_Jede_Woche();
void Stadion_Assistent_Bauen(Stadion_Daten* daten);
int32_t Stadion_Modell_Vergleich(int32_t modell, int32_t plaetze);

// ---- Statistics and forecasts ----
void Stadion_Statistik_Eintragen(Stadion_Daten* daten, const Spiele_Spiel* spiel, const int32_t* zuschauer,
                                 int32_t heim_anteil);
void Stadion_Rekord_Ergebnis(const Spiele_Spiel* spiel);
void Stadion_Statistik_Neue_Saison();
int32_t Stadion_Wert(int32_t team, int32_t art);
int32_t Stadion_Wert_Stufe(int32_t team, int32_t art);
int32_t Stadion_Prognose(int32_t team, int32_t kategorie, int32_t flag);
int32_t Stadion_Benoetigter_Schnitt(int32_t team);
// Season tickets: with `abrechnen` set, the months settled now go to *monate (none settled
// twice) and the result is the league's income per game; without, the monthly compensation
// estimate in DM.
int32_t Stadion_Dauerkarten_Monat(int32_t team, int32_t* monate, int32_t abrechnen);

// How the team reader shares a club's places at a league level over the six stands: each
// stand's model and its places before any cut to the model's maximum (0: no stand). The data
// builder checks its world with it.
struct Stadion_Verteilung {
    uint8_t modell[STADION_TRIBUENEN];
    int32_t plaetze[STADION_TRIBUENEN];
};
Stadion_Verteilung Stadion_Tribuenen_Verteilen(int32_t niveau, int32_t sitz, int32_t steh, int32_t runden);
// The team reader's stands: seated and terrace places (below 1: by the league level) shared
// over the six stands by the terraces' share; with `runden` in steps of 500.
void Team_Stadionplaetze_Init(int32_t team, Stadion_Daten* d, int32_t sitz, int32_t steh, int32_t runden);

// A new game: the stadiums' start, selling the first season tickets; needs the human managers.
void Stadion_Neues_Spiel();

// ---- Byte images ----
// One record as 456, 468, 2144 or 2156 bytes.
std::vector<uint8_t> Stadion_Bild_Schreiben(const Stadion_Daten& d);
// False for a size, presence word, team, model, firm or name out of range.
bool Stadion_Bild_Lesen(const uint8_t* p, uint32_t laenge, Stadion_Daten* d);
// The whole list in its saved form (marker, 24-byte header, payload per element; end marker).
std::vector<uint8_t> Stadion_Liste_Bauen();
// Replaces the list with a saved form; a bad one is refused and the old list kept.
bool Stadion_Liste_Lesen(const uint8_t* p, uint32_t laenge);
// The savegame block and its reader (an older block without the -1 marker has no firm values).
std::vector<uint8_t> Stadion_Block_Bauen();
bool Stadion_Block_Lesen(const uint8_t* p, uint32_t laenge);
bool Stadion_Savegame_Schreiben(Disk_Datei* datei);
bool Stadion_Savegame_Lesen(Disk_Datei* datei, const char* version);

// ---- Requests 1015-1019 ----
constexpr int32_t STADION_GET_LISTE = 1015;
constexpr int32_t STADION_TOP_SETZEN = 1016;
constexpr int32_t STADION_PREISE_SETZEN = 1017;
constexpr int32_t STADION_BAUEN = 1018;
constexpr int32_t STADION_RENOVIEREN = 1019;
// Server side: a request image in, the reply image out; for Handelndes_Team only.
int32_t Stadion_Server_Anfrage(int32_t anfrage, const uint8_t* daten, uint32_t laenge, std::vector<uint8_t>* antwort);

// Client side: fetch the list, send the prices and top settings (1016 or 1017).
void Stadion_Client_Neu_Holen(int32_t team);
void Stadion_Client_Init();
int32_t Stadion_Top_Setzen(int32_t team, const Stadion_Daten* kopie);
// The transport of a client's request: sends the image, leaves the reply in `block`, returns the
// result. The network's remote calls plug in here.
using Stadion_Fernaufruf = int32_t (*)(int32_t anfrage, std::vector<uint8_t>* block);
void Stadion_Set_Fernaufruf(Stadion_Fernaufruf aufruf);

// ---- Test hooks ----
// Answers in place of Stadion_Get_Anlage_Wert.
using Stadion_Anlage_Abfrage = int32_t (*)(int32_t team, int32_t slot);
void Stadion_Set_Anlage_Abfrage(Stadion_Anlage_Abfrage abfrage);
// Sees the new-game call in place of the start.
void Stadion_Set_Neues_Spiel_Beobachter(void (*beobachter)());
// Answers in place of Stadion_Dauerkarten_Monat.
using Stadion_Dauerkarten_Abfrage = int32_t (*)(int32_t team, int32_t* monate, int32_t abrechnen);
void Stadion_Set_Dauerkarten_Abfrage(Stadion_Dauerkarten_Abfrage abfrage);
