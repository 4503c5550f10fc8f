// Competitions: the records of leagues, cups and international competitions, the reader of the
// competition configuration, the structural queries (rounds, groups, pyramids, league systems,
// team lists) and the savegame block.
//
// Competitions are addressed by id (0..255, stored in 8 bits elsewhere); records by record number
// (0..127). Links between records are record numbers, -1 for none. Records in use are contiguous
// from record 0; a free record has an empty NAME.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t WETTBEWERB_ANZAHL = 128;         // records
constexpr int32_t WETTBEWERB_MAX_ID = 255;
constexpr int32_t WETTBEWERB_MAX_LIGA_ID = 127;     // base leagues and league systems
constexpr int32_t WETTBEWERB_NAME_LAENGE = 25;      // 24 characters and the terminator
constexpr int32_t WETTBEWERB_IDENT_LAENGE = 32;
constexpr int32_t WETTBEWERB_MAX_TEAMS = 128;       // team list of any competition
constexpr int32_t WETTBEWERB_MAX_LIGA_TEAMS = 24;   // a competition without KO_SYSTEM
constexpr int32_t WETTBEWERB_MAX_SPIELTAGE = 50;
constexpr int32_t WETTBEWERB_ZIEL_LISTEN = 5;
constexpr int32_t WETTBEWERB_PLAETZE = 128;
constexpr int32_t WETTBEWERB_WEITERKOMM = 5;
constexpr int32_t WETTBEWERB_WER_GEGEN_WEN_MAX = 1200;  // 24 teams x 50 match days
constexpr int32_t WETTBEWERB_AUFFUELL_MAX = 16;
constexpr int32_t WETTBEWERB_QUALI_LAND_MAX = 64;
constexpr int32_t WETTBEWERB_SCHALTER = 5;
constexpr int32_t WETTBEWERB_GRAFIK_BASIS = 3695;   // GRAFIK_NUMMER n selects picture 3695 + n
constexpr int32_t WETTBEWERB_CONFIG_VERSION = 201;
constexpr int32_t WETTBEWERB_HALBZEITEN_MAX = 16;   // halves of a game, extra time and shoot-out included

// MODUS bits. The words the file uses for them stand in `Wettbewerb_Modus`.
constexpr uint32_t RUECKSPIELE = 1u << 0;
constexpr uint32_t HEIMRECHT = 1u << 1;
constexpr uint32_t KO_SYSTEM = 1u << 2;
constexpr uint32_t VERLAENGERUNG = 1u << 3;
constexpr uint32_t QUALIFIKANTEN_AUS_LIGABAUM = 1u << 4;
constexpr uint32_t LOSEN = 1u << 5;                  // live draw possible
constexpr uint32_t ENGLISCHE_TABELLE = 1u << 6;      // three points for a win
constexpr uint32_t ELFMETERSCHIESSEN = 1u << 7;
constexpr uint32_t SPIELE_PRO_SPIELTAG_VARIABEL = 1u << 8;
constexpr uint32_t EINNAHMEN_TEILEN = 1u << 9;
constexpr uint32_t SUDDEN_DEATH = 1u << 10;
constexpr uint32_t SCHIRI_NICHT_AUS_TEAMLAND = 1u << 11;
constexpr uint32_t AMATEUR_HEIMRECHT = 1u << 12;
constexpr int32_t WETTBEWERB_MODUS_BITS = 17;

// RUNDENTEXT numbers; -1 (no entry) and RT_SPIELTAG both read "%d.Spieltag".
enum : int32_t {
    RT_SPIELTAG = 0, RT_ERSTE_RUNDE, RT_ZWEITE_RUNDE, RT_DRITTE_RUNDE, RT_VIERTE_RUNDE,
    RT_ACHTELFINALE, RT_VIERTELFINALE, RT_HALBFINALE, RT_FINALE, RT_QUALIFIKATION, RT_VORRUNDE,
    RT_ZWISCHENRUNDE, RT_SPIEL_UM_PLATZ_DREI,
    RT_ANZAHL
};

// SUPER_ART numbers (the kind of competition); the file words stand in `Wettbewerb_Super_Art`.
enum : int32_t { SA_KEINE = -1, SA_LIGA = 0, SA_POKAL, SA_INTERNATIONAL, SA_FREUNDSCHAFT, SA_ANZAHL };

// Indices of the eight links of a record.
enum : int32_t {
    WV_VORRUNDE = 0,      // previous round
    WV_NACHFOLGERUNDE,    // next round
    WV_VORGRUPPE,         // previous parallel group
    WV_NACHGRUPPE,        // next parallel group (PARALLELGRUPPE)
    WV_UNTERLIGA,         // league below (VISUELL_NACHFOLGER)
    WV_OBERLIGA,          // league above
    WV_HORIZONTAL,        // horizontal group key (VISUELL_PARALLEL), -1 standing alone
    WV_CONFIG_NUMMER,     // editing session's configuration number (not a record link)
    WV_ANZAHL
};

struct Wettbewerb_Verknuepfung {
    int32_t v[WV_ANZAHL];
};

using Wettbewerb_Id = int32_t;

struct Wettbewerb_Teamlisten {
    int16_t teams[WETTBEWERB_MAX_TEAMS];   // current team list, -1 free
    int32_t anzahl;
    int16_t start[WETTBEWERB_MAX_TEAMS];   // configured start teams (STARTTEILNEHMER)
    int32_t start_anzahl;
};

// Five lists of the record number each table place leads to; -1 none, -3 a temporary mark.
struct Wettbewerb_Platz_Ziele {
    int32_t ziel[WETTBEWERB_ZIEL_LISTEN][WETTBEWERB_PLAETZE];
    int32_t anzahl;   // lists read from the file
};

struct Wettbewerb_Datensatz {
    char name[WETTBEWERB_NAME_LAENGE];          // empty: record free
    char gruppen_name[WETTBEWERB_NAME_LAENGE];
    char identifikation[WETTBEWERB_IDENT_LAENGE];
    Wettbewerb_Id id;
    int32_t besitzer;                           // record of the first round's first group
    uint32_t modus;
    Wettbewerb_Verknuepfung vk;
    int32_t teams;
    int32_t spieltage;
    Wettbewerb_Teamlisten listen;
    Wettbewerb_Platz_Ziele ziele;
    int32_t rundentext[WETTBEWERB_MAX_SPIELTAGE];  // RT_* per match day, -1 none

    // Keyword fields.
    int32_t super_art;
    int32_t wochentag;           // 0 Saturday, 1 Sunday, ...
    int32_t quote_wochentag;
    int32_t startwoche;
    int32_t endwoche;
    int32_t spielfrei_start;
    int32_t spielfrei_ende;
    int32_t anz_parallel_gruppen;
    int32_t weiterkomm_anz[WETTBEWERB_WEITERKOMM];
    int32_t sieger;
    int32_t best_of_x;
    int32_t halbzeit_laenge;
    int32_t halbzeit_laenge_verl;
    int32_t anz_halbzeiten;
    int32_t anz_halbzeiten_verl;
    int32_t alle_x_jahre;
    int32_t startjahr;
    int32_t land;                // team number of the country entry, -1 none
    // WER_GEGEN_WEN: slot numbers read in pairs (home, away), match day after match day; the
    // fixture set-up takes them instead of its own order when present.
    uint8_t wer_gegen_wen[WETTBEWERB_WER_GEGEN_WEN_MAX];
    int32_t wer_gegen_wen_anz;
    // AUFFUELL_MIT_TEAMS: free places are filled with up to `anzahl` teams from the team-number
    // range von..bis.
    struct Auffuell { int32_t von, bis, anzahl; } auffuell[WETTBEWERB_AUFFUELL_MAX];
    int32_t auffuell_anz;
    // QUALI_LAND: `anzahl` entrants of this competition come from the country `land`.
    struct Quali_Land { int32_t land, anzahl; } quali_land[WETTBEWERB_QUALI_LAND_MAX];
    int32_t quali_land_anz;
    int32_t erste_gelbsperre;
    int32_t intervall_gelbsperre;
    int32_t grafik_nummer;
    int32_t audio_nummer;
    int32_t ausrichter;          // host team, -1 none
    int32_t ausrichter_stadion;  // team whose stadium hosts, -1 none
    int32_t wichtig;             // importance 0..100
    int32_t sieg_praemie;
    int32_t unentschieden_praemie;
    int32_t antritts_praemie;
    int32_t anz_quali_aus_ligabaum;
    int32_t kalender_position;
    int32_t qualiwoche;
    int32_t wechsel_in;
    uint8_t pokal_praemie;
    uint8_t basisliga;
    uint8_t amateur_liga;
    uint8_t qualifikanten_mischen;
    uint8_t quali_zu_saisonstart;
    uint8_t mehrmals_pro_jahr;
    uint8_t golden_goal;
    uint8_t rueckspiel_nach_zwei_wochen;
    // 1 results page after a match day, 2 team of the day, 3 random-draw handling, 4 keep the
    // match overview open, 5 run-time dummy (friendlies).
    uint8_t schalter[WETTBEWERB_SCHALTER];

    // State of the running season.
    int8_t nachspielzeit[WETTBEWERB_HALBZEITEN_MAX];  // stoppage drawn per half (0..5), -1 not yet
    int32_t spiele_block;        // fixture block id, -1 none
    int32_t spieltag;            // current match day
    int32_t runde;               // current leg
    int8_t englische_tabelle_neu = -1;  // rule vote: -1 nothing pending, else ENGLISCHE_TABELLE from next season
};

// The information block of one competition; every field 32 bits up to `basisliga`.
struct Wettbewerb_Info {
    int32_t modus;
    int32_t teams;
    int32_t spieltage;
    int32_t spieltag;            // current match day
    int32_t saison_spieltage;    // match days of the whole chain of rounds
    int32_t ketten_offset;       // match days of the rounds before this one
    int32_t oberwettbewerb;      // id of the owning competition
    int32_t runde;               // current leg
    int32_t halbzeit_laenge;
    int32_t halbzeit_laenge_verl;
    int32_t anz_halbzeiten;
    int32_t anz_halbzeiten_verl;
    int32_t best_of_x;
    int32_t spiele_block;
    int32_t id;
    int32_t ausrichter;
    int32_t ausrichter_stadion;
    uint8_t basisliga;
};
static_assert(offsetof(Wettbewerb_Info, spieltag) == 12);
static_assert(offsetof(Wettbewerb_Info, spiele_block) == 52);
static_assert(offsetof(Wettbewerb_Info, ausrichter) == 60);
static_assert(offsetof(Wettbewerb_Info, ausrichter_stadion) == 64);

// ---- Vocabulary of the configuration file ----

enum Wettbewerb_Feld_Art : uint8_t {
    WFA_TEXT,       // quoted text into a record field
    WFA_ZAHL,       // number (or alias) with a range
    WFA_TEAM,       // team number or -1, below the team count
    WFA_JA,         // flag, "JA"
    WFA_SONDER,     // handled by its own rule
    WFA_KOPF,       // header or record start
};
struct Wettbewerb_Feld {
    const char* wort;
    Wettbewerb_Feld_Art art;
    int32_t min, max;
};
constexpr int32_t WETTBEWERB_FELDER = 58;
extern const Wettbewerb_Feld Wettbewerb_Felder[WETTBEWERB_FELDER];
extern const char* const Wettbewerb_Modus[WETTBEWERB_MODUS_BITS];
extern const char* const Wettbewerb_Rundentext[RT_ANZAHL];
extern const char* const Wettbewerb_Super_Art[SA_ANZAHL];
// German weekday names, index 0 Saturday.
extern const char* const Wettbewerb_Wochentag[7];

// ---- Records and state ----

// The empty template: a new or cleared record is a copy; values equal to it are not written.
extern const Wettbewerb_Datensatz Wettbewerb_Leerer_Datensatz;

// True when the competitions are loaded and ready.
bool Wettbewerb_Bereit();
// Pointer to record `nummer` (0..127), null outside or before the records exist.
Wettbewerb_Datensatz* Wettbewerb_Zeiger(int32_t nummer);
// Refills record `nummer` from the template, -1 all; place targets and round texts -1.
void Wettbewerb_Datensatz_Leeren(int32_t nummer);
// Releases the records; the competitions are no longer ready.
void Wettbewerb_Free();
// Installs records built elsewhere (reader, savegame, tests): derives the reverse links and the
// owners from the forward links, checks every limit and link, and only then replaces the
// current records. False with a message on the error sink, nothing changed.
bool Wettbewerb_Uebernehmen(const Wettbewerb_Datensatz* recs, int32_t anzahl, int32_t team_anzahl);
// Renumbers links, owners and place targets for a record inserted (1) or deleted (0) at nummer;
// a link to a deleted record becomes -1. The configuration number is not a record link and stays.
void Wettbewerb_Verknuepfungen_Verschieben(int32_t nummer, int32_t einfuegen);

// ---- Reader ----

// Reads config_files/<set+1>_wettbewerb.cfg with the aliases of the alias set. A file that
// breaks a limit is refused with a German message naming the competition and the keyword; the
// records already loaded stay as they were. A wrong CHECKSUMME only warns.
bool Wettbewerb_Config_Lesen(int32_t set, int32_t alias_set);
// The reader's thirteen value lists (texts kept until all records are read).
void Wettbewerb_Config_Listen_Init();
void Wettbewerb_Config_Listen_Freigeben();
// The highest team number that the set's competition file names; -1 when an alias is unresolved
// or the file is missing.
int32_t Wettbewerb_Config_Max_Teamnummer(int32_t set, int32_t alias_set);
// True when no competition holds, among its first TEAMS current teams, a number >= team count.
bool Wettbewerb_Config_Teams_Gueltig();

// ---- Queries (ids in, ids out; -1, 0, false or null when unknown or not ready) ----

int32_t Wettbewerb_Get_Nummer(Wettbewerb_Id id);
const Wettbewerb_Info* Wettbewerb_Get_Info(Wettbewerb_Id id);   // one static block
Wettbewerb_Id Wettbewerb_Get_Erster();
Wettbewerb_Id Wettbewerb_Get_Naechster();
// The first round of the owning competition's chain; the round after `id`.
Wettbewerb_Id Wettbewerb_Get_Erster_Der_Kette(Wettbewerb_Id id);
Wettbewerb_Id Wettbewerb_Get_Naechster_Der_Kette(Wettbewerb_Id id);
// The first parallel group of id's round; the group after `id`.
Wettbewerb_Id Wettbewerb_Get_Erste_Gruppe(Wettbewerb_Id id);
Wettbewerb_Id Wettbewerb_Get_Naechste_Gruppe(Wettbewerb_Id id);
Wettbewerb_Id Wettbewerb_Get_Oberwettbewerb(Wettbewerb_Id id);
// The round (first group) of id's chain that holds chain match day `tag` (-1: the chain's
// current match day); the day inside that round goes to *tag_in_runde.
Wettbewerb_Id Wettbewerb_Get_Runden_Wettbewerb(Wettbewerb_Id id, int32_t tag, int32_t* tag_in_runde);
Wettbewerb_Datensatz* Wettbewerb_Vorrunde(const Wettbewerb_Datensatz* w);
Wettbewerb_Datensatz* Wettbewerb_Vorgruppe(const Wettbewerb_Datensatz* w);
Wettbewerb_Datensatz* Wettbewerb_Nachfolgerunde(const Wettbewerb_Datensatz* w);
// The top league of id's pyramid; then each call the next lower league, -1 below the bottom.
Wettbewerb_Id Wettbewerb_Hierarchie_Oben(Wettbewerb_Id id);
Wettbewerb_Id Wettbewerb_Hierarchie_Naechste();
// League systems (ids of the top leagues of the base-league pyramids); `ids` has room for
// WETTBEWERB_ANZAHL or is null.
int32_t Wettbewerb_Get_Ligasysteme(int32_t* ids);
// The teams of every base league of a league system; at most `max` are stored.
int32_t Wettbewerb_Get_Ligasystem_Teams(Wettbewerb_Id system, int16_t* teams, int32_t max);
// Horizontal group: member count and id's position in it; first member (and cursor), next.
int32_t Wettbewerb_Visuell_Horizontal_Anz(Wettbewerb_Id id, int32_t* anzahl = nullptr, int32_t* position = nullptr);
Wettbewerb_Id Wettbewerb_Visuell_Horizontal_Erster(Wettbewerb_Id id);
Wettbewerb_Id Wettbewerb_Visuell_Horizontal_Naechster();
// Tiers of id's pyramid (the result) and id's own tier, 0 at the top.
int32_t Wettbewerb_Visuell_Vertikal_Anz(Wettbewerb_Id id, int32_t* stufen = nullptr, int32_t* eigene = nullptr);
// Own tier into *stufe_a and tier count into *stufe_b, the count at least `minimum` for a base
// league; false (tier 0 of 1) for an unknown id.
bool Wettbewerb_Visuell_Vertikal_Anz_Min(Wettbewerb_Id id, int32_t* stufe_a, int32_t* stufe_b, int32_t minimum);
// Current team list: count, and the numbers into `teams` (room for WETTBEWERB_MAX_TEAMS) when given.
int32_t Wettbewerb_Get_Teams(Wettbewerb_Id id, int16_t* teams);
bool Wettbewerb_Team_In_Liste(Wettbewerb_Id id, int32_t team);
// 1 when the team is in the current list of id's round or one of its parallel groups.
int32_t Wettbewerb_Team_Noch_Dabei(Wettbewerb_Id id, int32_t team, int32_t = 0, int32_t = 0);
int32_t Wettbewerb_Team_In_Wettbewerb(Wettbewerb_Id id, int32_t team);
// True when the team is in a current or start list of any round or group of id's competition.
bool Wettbewerb_Team_Erreicht(Wettbewerb_Id id, int32_t team, int32_t = 0, int32_t = 0);
// The competition the team plays in: with nur_liga its base league, else the first of all.
Wettbewerb_Id Wettbewerb_Get_Team_Wettbewerb(int32_t team, int32_t nur_liga, int32_t = 0);
// The owning competitions of a country (-1 all), each once, into `ids` when given.
int32_t Wettbewerb_Get_Land_Wettbewerbe(int32_t land, int32_t* ids, int32_t nur_basisligen = 0);
// Which of the season bonuses 0..5 the team can earn, into six flags: 0 and 1 in a league, 2 and
// 3 when its league has international or relegation places, 4 and 5 while in a national or an
// international cup.
void Wettbewerb_Get_Praemien_Booleans_Von_Team(int32_t team, bool* arten);
// Switch 1..5 of the competition's owner; mode 0 clear, 1 set, 2 toggle. Returns the new state.
int32_t Wettbewerb_Get_Schalter(Wettbewerb_Id id, int32_t art);
int32_t Wettbewerb_Set_Schalter(Wettbewerb_Id id, int32_t art, int32_t modus);
// NAME, with `zusatz` and a group name "NAME, GRUPPEN_NAME"; a temporary string.
const char* Wettbewerb_Get_Anzeigename(Wettbewerb_Id id, int32_t zusatz = 0);
// Stage name of match day `tag` (0-based) of the competition; a temporary string.
const char* Wettbewerb_Get_Rundentext(Wettbewerb_Id id, int32_t tag, int32_t = 0);
int32_t Wettbewerb_Get_Grafik_Nummer(Wettbewerb_Id id);
int32_t Wettbewerb_Get_Spiele_Block(Wettbewerb_Id id);
// Target id of a table place (0-based) in place-target list 0..4, -1 none.
Wettbewerb_Id Wettbewerb_Get_Quali_Ziel(Wettbewerb_Id id, int32_t platz, int32_t liste);
bool Wettbewerb_Ist_Heimrecht(Wettbewerb_Id id);
// A host, or clubs of more than one country: in its team lists (country = LAND of the club's
// base league), among the leagues that qualify into it, or in QUALI_LAND.
bool Wettbewerb_Ist_International(Wettbewerb_Id id);
// While a hold lives (holds nest), the competition records count as unchanged: the teams'
// base-league index is checked against the records once, and whether a competition is
// international is worked out once per record. For stretches that read the competitions often
// and change no team list, target list or link, such as a match day's preparation.
class Wettbewerb_Abfragen_Halten {
public:
    Wettbewerb_Abfragen_Halten();
    ~Wettbewerb_Abfragen_Halten();
    Wettbewerb_Abfragen_Halten(const Wettbewerb_Abfragen_Halten&) = delete;
    Wettbewerb_Abfragen_Halten& operator=(const Wettbewerb_Abfragen_Halten&) = delete;
};
int32_t Wettbewerb_Get_Anzahl_Spiele_Pro_Paarung(Wettbewerb_Id id);
// 1 when `gelbe` yellow cards make a ban in the competition.
int32_t Wettbewerb_Gelbsperre_Faellig(Wettbewerb_Id id, int32_t gelbe);
// League level of the team in percent: 100 top tier, less per tier below; 0 without league.
int32_t Wettbewerb_Get_Liga_Niveau(int32_t team);
// WICHTIG of the team's base league, 0..100.
int32_t Wettbewerb_Get_Team_Ansehen(int32_t team);
// Highest WICHTIG of the competitions the team is in (base leagues only with nur_liga), 0..100.
int32_t Wettbewerb_Get_Team_Bedeutung(int32_t team, int32_t nur_liga = 0);
// value x p / 100 with p = league level clamped to 1..100 (101 - p when invertieren).
int32_t Wettbewerb_Niveau_Skalieren(int32_t team, int32_t wert, int32_t invertieren = 0);
// value blended with the league level: gewicht percent of it scaled by the level.
int32_t Wettbewerb_Niveau_Gewichten(int32_t team, int32_t wert, int32_t gewicht);
struct Tabelle_Datensatz;
// An empty table of the competition's current team list: zeroed columns, one row per list entry
// (team numbers by slot, places in slot order, no previous order). Returns the row count, 0 for
// an unknown competition.
int32_t Wettbewerb_Tabelle_Vorbereiten(Wettbewerb_Id id, Tabelle_Datensatz* t);
// The team's 0-based place in the competition's table, -1 none (no tables kept yet).
int32_t Wettbewerb_Get_Tabellenplatz(Wettbewerb_Id id, int32_t team, int32_t = -1, int32_t = -1,
                                     int32_t = 31, int32_t = 0);
// 100 - place x 100 / teams of the team's league, 80 when no place is known; clamped 0..100.
int32_t Wettbewerb_Get_Tabellenplatz_Prozent(int32_t team, int32_t* platz = nullptr);
// Pairings on match day `tag` (-1 current): with SPIELE_PRO_SPIELTAG_VARIABEL the first-leg
// matches of that day in the fixture block; TEAMS / 2 for a league, for KO_SYSTEM
// half the field rounded up, halved (rounded up) once per match day; 0 for a missing record.
int32_t Wettbewerb_Paarungen_Zaehlen(const Wettbewerb_Datensatz* w, int32_t tag);
// The same by id; -1 when not ready, day below -1 or unknown id.
int32_t Wettbewerb_Get_Paarung(Wettbewerb_Id id, int32_t tag);
// The friendly-match competition (fifth switch), -1 none.
Wettbewerb_Id Wettbewerb_Get_Dummy_Id();
// One vote on the current rule-change proposal, and one yes-vote when `ja` is set; nothing while
// no vote runs.
void Wettbewerb_Regel_Abstimmung_Zaehlen(bool ja);
// The running rule vote (each 1 March, 14 days, on ENGLISCHE_TABELLE of the home leagues from
// the next season): deadline day (-1 none), votes cast, yes-votes, the proposed flag (0 or 1).
struct Wettbewerb_Abstimmung {
    int32_t frist = -1;
    int32_t stimmen = 0;
    int32_t ja = 0;
    int32_t vorschlag = 0;
};
Wettbewerb_Abstimmung Wettbewerb_Get_Abstimmung();
// Sets the state (a savegame's); an inconsistent one means no vote.
void Wettbewerb_Set_Abstimmung(const Wettbewerb_Abstimmung& a);
// The matches of the team in every round, group and match day of the competition's top
// competition. Until the league screens land: 0.
int32_t Ligen_Tabelle_Paarungen_Ermitteln(Wettbewerb_Id id, int32_t team);
// Test hooks: see every vote, and answer the match count.
using Wettbewerb_Abstimmung_Beobachter = void (*)(bool ja);
void Wettbewerb_Set_Abstimmung_Beobachter(Wettbewerb_Abstimmung_Beobachter beobachter);
using Ligen_Paarungen_Abfrage = int32_t (*)(Wettbewerb_Id id, int32_t team);
void Ligen_Set_Paarungen_Abfrage(Ligen_Paarungen_Abfrage abfrage);
bool Wettbewerb_Gibt_Es_International();
void Wettbewerb_Platz_Ziele_Marken_Loeschen();

// ---- The records for a remote client (requests 1004, 1005) ----

// Appends record `nummer`'s full form; the new length, 0 for a bad number or before the
// records are ready.
size_t Wettbewerb_Datensatz_Packen(int32_t nummer, std::vector<uint8_t>* aus);
// Server: all 128 records' full forms, run-length packed into a Mem_Alloc'd *block; the packed
// length (0 on failure), the friendly competition's id and the number of such competitions.
int32_t Wettbewerb_Server_Config_Senden(uint8_t** block, int32_t* dummy_id, int32_t* dummy_anzahl);
// Server: the short form of every record in use, packed likewise.
int32_t Wettbewerb_Server_Stand_Senden(uint8_t** block);
// Client: installs a packed set of full forms (checked whole through Wettbewerb_Uebernehmen) and
// rebuilds the fixtures from the server's pairings; false and nothing changed on a damaged set.
bool Wettbewerb_Config_Einlesen(const uint8_t* strom, uint32_t laenge);
// Client: the short forms onto the records in use, in order; false and nothing changed unless
// every record takes its own.
bool Wettbewerb_Stand_Einlesen(const uint8_t* strom, uint32_t laenge);
// A remote client's fetches (role 1 only): the whole set at the start, the state at the start
// and on every refresh. True when every record took its form.
bool Wettbewerb_Client_Config_Komplett_Holen();
bool Wettbewerb_Client_Config_Holen();
// Registers the server's handlers of 1004 and 1005.
void Wettbewerb_Netz_Registrieren();

// ---- Savegame block (position 6) ----

constexpr uint32_t WETTBEWERB_BLOCK_VERSION = 3;
// The whole block's size in bytes (it is fixed).
size_t Wettbewerb_Block_Groesse();
// The byte image of all records and the ready state, then the running rule vote.
std::vector<uint8_t> Wettbewerb_Block_Packen();
// The same into `ziel`, Wettbewerb_Block_Groesse() bytes, every one of them written.
void Wettbewerb_Block_Packen(uint8_t* ziel);
// Checks the image against its real size and every record against the limits; on any fault
// false with a message, and the records in memory stay as they were.
bool Wettbewerb_Block_Entpacken(const uint8_t* daten, size_t laenge, int32_t team_anzahl);
// Size of one record in the image.
size_t Wettbewerb_Block_Datensatz_Groesse();
// The block as the savegame container writes and reads it, and their registration at position 6.
struct Disk_Datei;
bool Wettbewerb_Write_Bin_Block(Disk_Datei* datei);
bool Wettbewerb_Read_Bin_Block(Disk_Datei* datei, const char* version);
bool Wettbewerb_Disk_Registrieren();

// Redraw procedure of start-screen entry 2003: picture 450 of the screen resource file at (0, 0)
// over the icon's area, in its depth.
struct Menue_Icon;
int32_t Wettbewerb_Startscreen_Bild(Menue_Icon* icon, uint32_t wert);

// ---- Season ----

// End of the competition's current match day: entry prizes, the next leg or match day; a
// finished round sends its winners or best places on, a finished competition records its
// winners, pays the season bonuses and archives its table.
void Wettbewerb_Spiele_Beendet(Wettbewerb_Id id);
// The competitions' daily job.
void Wettbewerb_Jeden_Tag();
// 1 July, before the new fixtures: the final tables move the clubs along their place targets
// (base leagues by list 0, each club's outcome to Team_Set_Finanzdaten), lists fed by targets
// restart with the clubs sent, others with their start lists; the old blocks go.
void Wettbewerb_Jedes_Jahr();
// Sets up the fixture tables of all competitions but the friendly one. False when one fails.
bool Wettbewerb_Spielplaene_Anlegen();

// ---- Editing session of a configuration set (league editor) ----
// While a session is open the records hold the edited set. Every operation refuses (false or -1,
// nothing changed, a German reason on the error sink) without a session, before the records are
// ready, or for an unknown id. Ids -1 stand for "none" where an id is optional.

extern bool Wettbewerb_Config_Modify;
extern int32_t Wettbewerb_Config_Nummer;     // -1 without a session
constexpr Wettbewerb_Id WETTBEWERB_NEUE_ID_AB = 50;

// Opens a session on the set (ending an open one first). False when the set cannot be read or
// names teams beyond the team count (then the records are released and the session stays open).
bool Wettbewerb_Config_Modify_Init(int32_t set, int32_t alias_set);
bool Wettbewerb_Config_Modify_Free();
// 0..24 teams; SPIELTAGE follows (2 x (n + n mod 2) - 2, so -2 for 0) and place-target list 0
// keeps every place of the league with itself.
bool Wettbewerb_Config_Set_Teamanzahl(Wettbewerb_Id id, int32_t anzahl);
bool Wettbewerb_Config_Set_Spieltage(Wettbewerb_Id id, int32_t anzahl);
bool Wettbewerb_Config_Set_Modus(Wettbewerb_Id id, uint32_t modus);
// At most 24 characters; '"', '[', ']' and control characters are refused.
bool Wettbewerb_Config_Set_Name(Wettbewerb_Id id, const char* name);
bool Wettbewerb_Config_Set_Grafik(Wettbewerb_Id id, int32_t nummer);
// A national team's number, or -1 for the first country from the home nation upward that no
// competition holds. WOCHENTAG: Saturday at home, Sunday abroad.
bool Wettbewerb_Config_Set_Land(Wettbewerb_Id id, int32_t land);
// A new league after `nach`, beside `neben` (same tier) or, with `unten`, one tier below
// `nach`. Returns its id (the smallest free league id from 50 up) or -1.
Wettbewerb_Id Wettbewerb_Config_Insert(Wettbewerb_Id nach, Wettbewerb_Id neben, bool unten);
// Refused for the last base league. Places that led to it lead to their own league.
bool Wettbewerb_Config_Delete(Wettbewerb_Id id);
// The contents of two leagues change places; ids, identifications, links, owners and countries
// stay where they are.
bool Wettbewerb_Config_Tauschen(Wettbewerb_Id a, Wettbewerb_Id b);
// Moves a league to a new place of the pyramid (as Insert) under a new id.
bool Wettbewerb_Config_Verschieben(Wettbewerb_Id id, Wettbewerb_Id nach, Wettbewerb_Id neben, bool unten);

// ---- Writing a configuration set ----

// Writes the session's records as the set's wettbewerb.cfg (aliases of the alias set for team
// numbers) after the three preparation passes. The file is written beside the old one, read
// back through the reader and compared, and only then put in its place: true only then. The
// managers read the outcome.
bool Wettbewerb_Config_Schreiben(int32_t set, int32_t alias_set, const char* infotext);
// The same for records installed without a session (the data builder): no preparation passes,
// no message to the managers; the reason of a failure goes to *grund.
bool Wettbewerb_Config_Datei_Schreiben(int32_t set, int32_t alias_set, const char* infotext, std::string* grund);
// The number of the set written last, -1 none.
extern int32_t Wettbewerb_Config_Letzter_Satz;
// The fixture block of one competition, made anew (a friendly competition gets none). A server
// shuffles the team list once; a client (Netz_Rolle 1) draws nothing and builds the fixtures from
// the received list and recorded pairs.
bool Wettbewerb_Spielplan_Anlegen(Wettbewerb_Id id);

// ---- Match-day rules ----

// End minute of half h (0-based; normal halves, then extra-time halves) once `minute` has reached
// it, else -1; -1 past the last extra half; 0 when the competitions are not ready.
int32_t Wettbewerb_Get_Halbzeit_Ende(Wettbewerb_Id id, int32_t minute, int32_t h);
// 0 while half h goes on (before its end or in stoppage time, drawn once per competition and
// half, 0..5 minutes); 1 when it is over; 2 when it ends regular or extra time. `schnell` ends the
// half at its end minute without stoppage time.
int32_t Wettbewerb_Halbzeit_Ende_Pruefen(Wettbewerb_Id id, int32_t minute, int32_t h, int32_t fertig,
                                         int32_t schnell);
// Halves of a game of leg `runde` (-1 current): the normal ones, and on a knock-out tie's deciding
// leg the extra halves (VERLAENGERUNG) and one for the shoot-out. 0 for an unknown competition.
int32_t Wettbewerb_Get_Halbzeiten(Wettbewerb_Id id, int32_t runde = -1);
bool Wettbewerb_Ist_Sudden_Death(Wettbewerb_Id id, int32_t h);
// True from the last half of a deciding leg on while the tie has no winner.
bool Wettbewerb_Elfmeterschiessen_Noetig(Wettbewerb_Id id, int32_t runde, int32_t slot, int32_t h);
int32_t Wettbewerb_Get_Spielminuten(Wettbewerb_Id id, int32_t mit_verlaengerung);
// Winner of the current match day's tie in `slot` over legs 0..runde: aggregate goals, then away
// goals in a two-legged tie with HEIMRECHT. `extra` (side x 256 + goals, -1 none) adds goals to
// the leg `runde` (side 0 its home team). -1 undecided, -2 for a competition without ties.
int32_t Wettbewerb_Get_Paarung_Sieger(Wettbewerb_Id id, int32_t runde, int32_t slot, int32_t extra);
// Puts the competition's current match day at the front of the day list: key = id, payload
// u32 n, u32 half counter, n u32 states, n u32 lock handles of its real games in slot order.
// False with a message and nothing added when the competition has no fixture block.
struct Liste_Element;
bool Wettbewerb_Spieltag_Hinzufuegen(Liste_Element* liste, Wettbewerb_Id id, int32_t runde = -1);
// Importance of match day `tag` (-1 current) in percent: WICHTIG (50 unset) rising from half to
// full over the match days of the chain of rounds.
int32_t Wettbewerb_Get_Spieltag_Gesamt(Wettbewerb_Id id, int32_t tag = -1);
// Books the competition's win (sieg 1) or draw prize to the club; server only.
void Wettbewerb_Zahle_Punkt_U(Wettbewerb_Id id, int32_t team, int32_t sieg);

// ---- The day's games, live tables, computer reaction, friendlies ----

// Room of a day list: the count and up to 128 game numbers.
constexpr int32_t WETTBEWERB_TAGESLISTE = 129;
// The game numbers (match-store lock handles) of the day's games of game `spiel`'s competition:
// liste[0] = count, liste[1..count] in the day's order (room for WETTBEWERB_TAGESLISTE). False,
// and a count of 0, when that competition plays no game today.
bool Wettbewerb_Get_Heutige_Spiele(int32_t spiel, int32_t* liste);
bool Wettbewerb_Spiel_Tagesspiele(int32_t spiel, int32_t* liste);
// The table of game `spiel`'s competition up to its running match day, running scores included
// (goals up to `minute` when it is not -1), with the game number of each club's game of the day
// (`tagesspiel`). False when the competition keeps no table (knock-out, friendlies) or has no
// fixtures. The competition is remembered for Wettbewerb_Live_Tabelle_Berechnen(-1).
bool Wettbewerb_Spiel_Tabelle(int32_t spiel, Tabelle_Datensatz* t, int32_t = -1, int32_t team = -1, int32_t = -1,
                              int32_t minute = -1, int32_t auffrischen = 0);
// The live table of the competition (-1: that of the last Wettbewerb_Spiel_Tabelle) into the
// global table record. False when it has none.
bool Wettbewerb_Live_Tabelle_Berechnen(Wettbewerb_Id id);
// The global table record of the live table.
Tabelle_Datensatz* Wettbewerb_Live_Tabelle();
// A computer club's answer to the table situation of a running game with a live record (the
// pitch module's byte image): trailing after minute 60 it goes all out (effort 99).
void Wettbewerb_Computer_Reaktion(Wettbewerb_Id id, int32_t runde, int32_t slot, int32_t heim, int32_t gast,
                                  int32_t minute, int32_t spielminuten, uint8_t* record);
// Enters a friendly of the two clubs on day `tag` into the friendly competition (made at the
// first friendly), one match day per day in the calendar. False with a German message when the
// day or the clubs do not allow it.
bool Wettbewerb_Freundschaftsspiel_Einfuegen(int32_t tag, int32_t heim, int32_t gast);

// ---- Table places ----

// 16-bit colour of the zone a place (0-based) leads into: up green, on to a cup or international
// competition blue, down red; -1 when it leads nowhere. A place beyond TEAMS is reported.
int32_t Wettbewerb_Get_Platz_Farbe(Wettbewerb_Id id, int32_t platz);
int32_t Wettbewerb_Platz_Farbe(Wettbewerb_Id id, int32_t platz);
// Places (1-based) the team can still reach on points: best 1 + clubs it cannot catch, worst 1 +
// clubs able to reach its points. -1 outside leagues or without a fixture block.
int32_t Wettbewerb_Erreichbare_Plaetze(Wettbewerb_Id id, int32_t team, int32_t* beste, int32_t* schlechteste);
// Stake per team of a game: in a league 100 when its reachable places span two zones, else 20;
// a knock-out tie 50 rising to 100 over the rounds.
void Wettbewerb_Spiel_Wichtigkeit(Wettbewerb_Id id, const int32_t* teams, int32_t* wichtig, int32_t anzahl);

// Screen positions of chart points for the values within the rectangle (range: the values' own
// unless minimum or maximum is given). Belongs to the competition screens; until they land
// nothing is computed and the answer is false.
bool Statistik_Sortieren(const int32_t* werte, int32_t anzahl, int32_t* x, int32_t* y, int32_t links, int32_t oben,
                         int32_t rechts, int32_t unten, int32_t abstand_1, int32_t abstand_2, int32_t minimum,
                         int32_t maximum, int32_t orientierung);

// Fills the rounds that take their entrants from the league tree of a league system
// (QUALIFIKANTEN_AUS_LIGABAUM, same LAND, no previous round) with the best places of the
// system's pyramid as its base leagues' current lists stand: the first round gets the lowest of
// them, later rounds the higher ones. The places that feed a round lead to it in place-target
// list 4; no other place target of a base league leads there any more. At most Team_Anzahl places
// are walked.
void Wettbewerb_Ligabaum_Qualifikanten_Setzen(Wettbewerb_Id system);
// The draw page of a competition whose pairings are drawn at random, after the draw of its last
// parallel group: the first group's id and its current match day. Comes with the statistics
// services; until then nothing is shown. 0.
int32_t Wettbewerb_Auslosung_Anzeigen(Wettbewerb_Id id, int32_t spieltag);
