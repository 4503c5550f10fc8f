// Teams: clubs, national teams, country entries and the two pseudo-teams (transfer market, youth
// team), kept in three parallel arrays indexed by the team number. Other modules reach them only
// through Team_Wert, Team_Zeiger, Team_String and Team_Liste.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/liste.h"

struct Manager_Struktur;

// The effort (field 152) a computer club plays at on the pitch, and a club's start figure.
constexpr int32_t TEAM_EINSATZ_COMPUTER = 70;

// Field ids.
enum : int32_t {
    TEAM_NAME = 150, TEAM_LIGA = 151, TEAM_OPTION = 152, TEAM_MANAGER = 153,
    TEAM_STAERKE_TOR = 154, TEAM_STAERKE_ABW = 155, TEAM_STAERKE_MIT = 156, TEAM_STAERKE_STU = 157,
    TEAM_MORAL = 158, TEAM_KONDITION = 159, TEAM_TECHNIK = 160, TEAM_INTELLIGENZ = 161,
    TEAM_SPIELERANZAHL = 162, TEAM_STADION_STEHPLAETZE = 163, TEAM_STADION_SITZPLAETZE = 164,
    TEAM_STADION_NAME = 165, TEAM_STADT = 166, TEAM_NATION = 167, TEAM_STATUS = 168,
    TEAM_FLAGS = 169, TEAM_SYSTEM_1 = 170, TEAM_SYSTEM_2 = 171, TEAM_KURZNAME = 172,
    TEAM_GRAFIK_NR = 173, TEAM_VARIANZ = 174, TEAM_KONTINENT = 175,
    TEAM_NAME_WAPPEN = 176, TEAM_NAME_KAMERA = 177, TEAM_NAME_WAPPEN_KAMERA = 178,
    TEAM_NAME_LAND = 179, TEAM_NAME_WAPPEN_LAND = 180, TEAM_NAME_KAMERA_LAND = 181,
    TEAM_NAME_WAPPEN_KAMERA_LAND = 182, TEAM_KURZNAME_WAPPEN = 183,
    TEAM_KURZNAME_WAPPEN_KAMERA_LAND = 189, TEAM_BLOCK_94 = 190, TEAM_LIGA_FEST = 191,
    TEAM_OBERLIGA = 192, TEAM_NAME_ROH = 193, TEAM_KURZNAME_ROH = 194, TEAM_FINANZKRAFT = 195,
    TEAM_KLIMA = 196, TEAM_NETZ = 197, TEAM_STAERKE = 198, TEAM_MANAGER_NAME = 299,
    TEAM_FARBEN = 803, TEAM_TRANSFERSUCHE = 804, TEAM_TRAINING = 805, TEAM_EINZELTRAINING = 806,
    TEAM_TAKTIK = 807, TEAM_TAKTIK_VORGABE = 808, TEAM_TAGESBLOCK = 809, TEAM_BEOBACHTET = 810,
    TEAM_ASSISTENTEN = 811, TEAM_AERZTE = 812, TEAM_TAKTIK_EINSTELLUNGEN = 813,
    TEAM_TRAINING_BYTES = 814,
};

enum : uint8_t {
    TEAM_LESEN = 0, TEAM_SCHREIBEN = 1, TEAM_TOGGLE = 2, TEAM_LOESCHEN = 4, TEAM_SETZEN = 8,
    TEAM_READ_PROZENT = 32,
};

// Status bits (field 168).
enum : uint8_t { TEAM_STATUS_NATIONALTEAM = 1, TEAM_STATUS_LAND = 2, TEAM_STATUS_USER_WAPPEN = 8 };

// A club's squad: 49 players, so that a link block never outgrows the place it was saved in.
constexpr int32_t TEAM_MAX_SPIELER = 49;
// The transfer market's and youth team's start lists.
constexpr int32_t TEAM_MAX_TRANSFERMARKT_START = 300;
// What the market's list holds at most (the youth team's too) once the game runs.
constexpr int32_t TEAM_MAX_TRANSFERMARKT = 499;
constexpr int32_t TEAM_MAX_START_SPIELER = 500;
constexpr int32_t TEAM_BEOBACHTET_ANZAHL = 30;
// Each team's link list is a registered list; the registry holds 1000 for the whole program.
constexpr int32_t TEAM_MAX_ANZAHL = 950;

struct Team_Struktur {
    uint8_t status;
    uint8_t flags;
    int8_t system_1;
    int8_t system_2;
    char manager_name[20];
    int16_t spieleranzahl;
};

struct Team_Fix {
    Liste liste;  // the team's player links (TS), keyed by player number
    int8_t netz;
    char name[24];
    char kurzname[10];
    char stadt[18];
    int8_t liga;
    int8_t kontinent;
    uint8_t klima[3];
    int16_t nation;
    int16_t grafik_nr;
    uint8_t farben[12][3];
    Manager_Struktur* manager;
};

// Four search slots of the clubs' transfer search, 156 bytes.
struct Team_Transfersuche {
    int16_t alter_min[4], alter_max[4], staerke_min[4], staerke_max[4];
    int16_t zelle_a[4], zelle_b[4], spieler[4];
    uint16_t preis[4];
    uint8_t torwart[4], aktiv[4];
    uint8_t rest[84];
};
static_assert(sizeof(Team_Transfersuche) == 156);

struct Team_Own {
    int8_t option;
    uint8_t training[14];
    uint8_t training_bytes[3];
    int16_t einzeltraining[17][3];
    uint8_t block_94[94];
    uint8_t taktik[8];
    uint8_t taktik_vorgabe[8];
    int8_t moral;
    int8_t oberliga;
    uint8_t finanzkraft;
    Team_Transfersuche suche;
    int16_t beobachtet[TEAM_BEOBACHTET_ANZAHL];
    int32_t tagesblock[8];
    uint8_t aerzte[136];
    uint8_t assistenten[96];
    uint8_t taktik_einstellungen[24];
    uint8_t varianz;
    int32_t staerke[4];
    int32_t kondition, technik, intelligenz;
    uint16_t nummer;
};

// Byte images for savegames and packets. In the T_Fix image the list head is zeros and the
// manager pointer becomes 1 when a manager record follows, 0 otherwise.
constexpr uint32_t TEAM_STRUKTUR_BYTES = 26;
constexpr uint32_t TEAM_FIX_BYTES = 128;
constexpr uint32_t TEAM_OWN_BYTES = 776;
void Team_Struktur_Packen(const Team_Struktur& t, uint8_t* bytes);
void Team_Struktur_Entpacken(const uint8_t* bytes, Team_Struktur& t);
void Team_Fix_Packen(const Team_Fix& f, uint8_t* bytes);
// Leaves the list head alone; *hat_manager tells whether a manager record follows.
void Team_Fix_Entpacken(const uint8_t* bytes, Team_Fix& f, bool* hat_manager);
void Team_Own_Packen(const Team_Own& o, uint8_t* bytes);
void Team_Own_Entpacken(const uint8_t* bytes, Team_Own& o);

extern int32_t Team_Anzahl;
extern int32_t Team_Anzahl_Gelesen;
extern int32_t Transfermarkt_Team;
extern int32_t Jugend_Team;
extern uint16_t Team_Heimatland;  // team number of "Deutschland", 0xFFFF none
extern Team_Struktur* T;
extern Team_Fix* T_Fix;
extern Team_Own* T_Own;

int32_t Team_Wert(int32_t feld, int32_t team, int32_t wert, uint8_t modus);
void* Team_Zeiger(int32_t feld, int32_t team, void* zeiger, uint8_t modus);
const char* Team_String(int32_t feld, int32_t team, const char* text, uint8_t modus);
Liste* Team_Liste(int32_t liste, int32_t team);

bool Team_Hat_Manager(int32_t team);
int32_t Team_Get_Art(int32_t team);
bool Team_Ist_Normal(int32_t team, int32_t flags);
// Whether the team's manager plays at this PC now (among the local managers whose turn it is).
bool Team_Ist_Lokal(int32_t team);
bool Team_Ist_Initialisiert();
bool Team_Filter_Pruefen(int32_t team, int32_t flags);
int32_t Team_Get_Teams_Der_Nation(int32_t nation, int32_t* feld);
int32_t Team_Get_Erstes_Team_Der_Nation(int32_t nation);
bool Team_Ist_Heimatland(int32_t team);
const char* Team_Get_Landname(int32_t team);
int32_t Team_Get_Landteams(int32_t* feld);
int32_t Team_Get_Teams_Mit_Flag(int32_t* feld, bool nur_national);
bool Team_Ist_Landteam(int32_t team);
int32_t Team_Get_Managerteams(int32_t* feld);
void Team_Leer(int32_t, int32_t, int32_t, int32_t);
bool Team_Liga_Hat_Teams(int32_t land);
int32_t Team_Anzahl_Im_Wettbewerb(int32_t wettbewerb);

// The home country for the players' nations: its team number, 0 when none was read.
int32_t Team_Get_Heimatland();
// The first country entry (LANDNAME) with this name, -1 none.
int32_t Team_Land_Nummer(const char* name);

// Database start from the team file of a configuration number.
bool Team(int32_t konfiguration);
void Team_Free_Arrays(bool manager_freigeben);
void Team_Free_Zuordnungsarray();
// The start lists read from the file: the number of players and their numbers.
int32_t Team_Get_Start_Spieler(int32_t team, const int32_t** spieler);
void Team_Set_Temp_Team_Spieler(int32_t team, int32_t erster, int32_t anzahl);
int32_t Team_Get_Sondermodus();
// What the writer of team configuration files needs of a team.
struct Team_Config_Daten {
    int32_t nummer;
    char name[24];
    int32_t staerke[4];
    int32_t kondition, technik, intelligenz;
    int32_t spieleranzahl;
    int32_t* spieler;  // Mem_Alloc'd here; the writer frees it
    char stadion[30];
    char stadt[18];
    int32_t sitzplaetze, stehplaetze;
    uint8_t nation;
    uint8_t status;
    uint8_t farben[36];
};
// Fills one record per team (Team_Anzahl records).
void Team_Get_Config_Daten(Team_Config_Daten* daten);
// Loads another team file during the set-up; the human managers keep their records.
bool Team_Lade_Neues_Teamfile(int32_t konfiguration);
void Team_Loesche_Managerstruktur(int32_t team, bool behalten);
// Marks the teams whose crest number has a user crest picture (status bit 8).
void Team_Init_User_Wappen();
// The smallest crest number below 10 x Team_Anzahl that no team uses, 0 when all are used.
int32_t Team_Get_Free_Grafik_Nummer();

// The league's money base in DM by the tier of the team's league: 1,050,000, 700,000, 350,000,
// or 130,000 from the third tier down.
int32_t Team_Get_Liga_Basisbetrag(int32_t team);
// Financial strength 0..99: a managed club's balance in money bases (0..8) x 12, a computer
// club's stored figure (field 195), 0 for none and the pseudo-teams.
int32_t Team_Get_Finanzkraft(int32_t team);
// How far the club's balance covers a season of its wages, in percent (0 for a club in debt,
// at most 100): what a computer club bids for players.
int32_t Team_Rueckhalt_Prozent(int32_t team);
// The share in percent of a player's salary demand that a computer club pays when it signs or
// keeps him, its wages following its money: 100 at a balance of nothing; above it more, up to
// 150 at half a season's wages in the bank; in debt less, down to 50 at a season's wages owed.
// 100 for a club with a manager.
int32_t Team_Gehalt_Prozent(int32_t team);
// Rebuilds the sorted list of the clubs' open transfer search interests (link table 322).
void Team_Init_Transfer_Suchliste();

// Cuts a team name until it fits the team lists (115 pixels in font 3).
void Team_Name_Kuerzen(char* name);

// The eight built-in formations, shared by the line-ups of computer clubs, a new manager's stored
// line-ups and the tactics page: per field player his centre place, then per field player the
// room's two corners, the defensive and the offensive place, all (row, column) bytes.
struct Team_Formation {
    uint8_t plaetze[20];
    uint8_t bereiche[80];
};
constexpr int32_t TEAM_FORMATIONEN = 8;
extern const Team_Formation Team_Formationen[TEAM_FORMATIONEN];
// One line-up: of a managed club stored line-up `nummer` 0..5 of set `satz` (0 or 1), else
// formation 0..7. `aus` gets the 20 place and 80 area bytes; a managed club's players and
// tactical words (11 each) go to `spieler` and `taktik` when given.
void Team_Aufstellungsarray(int32_t team, int32_t satz, int32_t nummer, uint8_t* aus, int16_t* spieler,
                            uint16_t* taktik);
// The line-up for the team's next game at once, by its assistant (flag bits as the assistant's).
void Team_Sofort_Neu_Aufstellen(int32_t team, int32_t flags);
// The automatic line-up before a game, with the match tactic against the opponent.
void Team_Auto_Aufstellung(int32_t team, int32_t gegner);
// The cup buttons of the player comparison for a club with a human manager.
void Team_Pokale_Icons_Zuordnen(int32_t team);
// Test hook: sees every call.
using Team_Pokale_Beobachter = void (*)(int32_t team);
void Team_Set_Pokale_Beobachter(Team_Pokale_Beobachter beobachter);

// League strength averages that the daily job builds per league (rows and columns of the team
// strength matrix), and each league system's start average; 0 while nothing is computed.
constexpr int32_t TEAM_LIGEN = 384;
extern int32_t Team_Liga_Staerke[TEAM_LIGEN][5][6];
extern int32_t Team_Liga_Start_Mittelwerte[TEAM_LIGEN];
// The start average of a league's system (league -1: the team's league); 0 when none is known.
int32_t Team_Get_Liga_Start_Mittelwert(int32_t liga, int32_t team);
// The strength the players' training holds a league at: its whole-team average (row 4, column
// 4) of the first day it was computed, kept in the matrix's otherwise unused cell of row 0,
// column 5 (saved with it; a savegame without it takes the league's average of its next day).
// 0 while the league has no average yet.
int32_t Team_Liga_Ziel_Staerke(int32_t liga);

// A remote client renews its copies of the teams from the server.
void Team_Internet_Client_Refresh();
// Mouse-over procedure of the club icons: the info text of the club in the icon's tag 1.
struct Menue_Icon;
const char* Team_Infotext_Erzeugen(Menue_Icon* icon);
// The club's context menu (a filled popup list): the broadcast choice and the team information;
// on a remote client only the information. Null for an unknown club.
struct Menue_Kontextmenue;
Menue_Kontextmenue* Team_Popup_Menue_Erzeugen(int32_t team);
// The club's value of one statistic mode (low 15 bits 0-33; bit 15 counts the opponents) over
// the competitions; minutes and match days -1 unbounded. Comes with the statistics services;
// until then 0 and the outs -1.
int32_t Team_Get_Team_Statistik(int32_t modus, const int32_t* wettbewerbe, int32_t anzahl, int32_t team,
                                int32_t positionen, int8_t nur_elf, int32_t von_minute, int32_t bis_minute,
                                int32_t erster, int32_t letzter, int32_t* zaehler, int32_t* masken_anzahl,
                                int32_t* werte, int8_t zaehlen, int32_t* zweiter);
// Broadcast choices of a club's matches (flag bits 8 live, 16 conference).
enum : int32_t { TEAM_UEBERTRAGUNG_LIVE, TEAM_UEBERTRAGUNG_KONFERENZ, TEAM_UEBERTRAGUNG_KEINE, TEAM_UEBERTRAGUNG_ALLE_AUS };
// Applies a choice. At most 4 clubs are live and 6 in the conference: the club displaces another,
// a computer club's when one is drawn within 50 tries; a longer list (an old savegame) shrinks.
void Team_Uebertragung_Setzen(int32_t wahl, int32_t team);
// The server takes a client's choice for the client's own club: that club's bits alone change,
// no other club is displaced ("Alle Übertragungen aus" turns off the club's own). False for an
// unknown choice or club.
bool Team_Uebertragung_Eigener_Verein(int32_t wahl, int32_t team);
// A client tells the server the choice its manager made for his club since the last time
// (request 18); the turn's data sent back call it.
void Team_Uebertragung_Client_Senden();
// Drops a choice not yet sent (a new game, a test).
void Team_Uebertragung_Client_Vergessen();
// Plugs in the server's handler of request 18.
void Team_Uebertragung_Fern_Registrieren();

// --- periodic jobs, finances and season data (server only) ---

// Normal teams per league, recounted every day; the change counter of the team network copies.
extern int32_t Team_Liga_Anzahl[TEAM_LIGEN];
extern uint16_t Team_Aenderungszaehler;
// The insurers by the number a player's link names (field 307).
struct Team_Versicherer {
    const char* name;
    int32_t mindestprozent;  // the least share of the daily amount paid out
};
constexpr int32_t TEAM_VERSICHERER = 6;
extern const Team_Versicherer Team_Versicherer_Tabelle[TEAM_VERSICHERER];

void Team_Jeden_Tag();
void Team_Jede_Woche();
void Team_Jeden_Monat();
// Writes an injury's days left; at 0 the injury is closed with its news (or requester).
void Team_Versicherungs_Check(int32_t team, int32_t spnr, int32_t tage, bool als_news);
// The weekly amount in DM of booking category 26, 27, 33 or 34, as the week books it.
int32_t Team_Get_Wochenausgaben(int32_t team, int32_t kategorie);
// The day change: the team copies' change counter rises; the day block stays.
void Team_Tageswechsel_Reset();
// The daily injury risk figure before its random half-step.
int32_t Team_Verletzungsrisiko(int32_t robustheit, int32_t spiel_erschoepfung, int32_t training_erschoepfung,
                               int32_t alter);
// The day's injury draw outside a match for a player of that risk: true when he is hurt.
bool Team_Verletzung_Gewuerfelt(int32_t risiko);

// The season-end amount of a managed club; `basis` gets its base part.
int32_t Team_Berechne_Finanzbasis(int32_t team, int32_t* basis);
// Season-end finances of one team or all (-1): outcome 1 promoted, 2 relegated.
void Team_Set_Finanzdaten(int32_t team, int32_t ergebnis);
// League (191) and top league (192) of one team or all (-1); clears the day block.
void Team_Set_Basisdaten(int32_t team, int32_t liga);
// Contracts and salaries of all players at a new game.
void Team_Set_Spielergehaelter();
// Pays bonus 0..7 of the team's day block.
void Team_Schuette_Praemie_Aus(int32_t team, int32_t nummer);

// --- transfer market upkeep and league systems ---

// The base leagues (competitions counted in the league systems), in the competitions' order.
std::vector<int32_t> Team_Basisligen();
// Frees every normal club's search slot that found this player; the club `team` is lined up
// again first.
void Team_Suchliste_Spieler_Entfernen(int32_t team, int32_t spnr);
// Moves the first market player of home system `von` to `nach`; false when there is none.
bool Team_Aendere_Transferspieler_Ligasystem(int32_t von, int32_t nach);
// After a season: moves market players between systems until each has its target count again.
void Team_Check_Transfermarkt_Nach_Saisonende();
// A league club needs an eleven and its bench.
constexpr int32_t TEAM_KADER_MINIMUM = 16;
// Every league club short of TEAM_KADER_MINIMUM players signs players from the transfer market
// (the kinds it lacks first) until it has them again; the day advance runs it after the day's
// jobs, before the day's matches. Server only.
void Team_Kader_Auffuellen();
// At a new game: the market's players made to the clubs' interests, the rest in random systems.
void Team_Init_Transfermarkt();
// Every club player's home system is his club's league system.
void Team_Init_Spieler_Heimatsysteme();
// Target player counts and start averages of the league systems.
void Team_Count_Wettbewerbsstrukturen();
// First line-ups and tactics of the computer clubs, home systems, market fill and counts.
void Teams_Startaufstellungen();

// The team block of the savegame (position 8); the reader takes nothing over before the whole
// block has been read and checked.
struct Disk_Datei;
bool Team_Write_Bin_Block(Disk_Datei* datei);
bool Team_Read_Bin_Block(Disk_Datei* datei, const char* version);
// Registers the blocks of teams (8), managers (11) and links (12).
void Team_Disk_Registrieren();

// --- network images (the remote calls that carry them come with network play) ---

constexpr uint32_t TEAM_STARTINFO_BYTES = 16;
constexpr uint32_t TEAM_MANAGERTEAM_BYTES = 46;
// Request 12: the change counter and the T_Own image of Handelndes_Team (2 + 776 bytes), and the
// client's copy of it into Aktuelles_Team.
bool Team_Internet_Server_Send_T_Own(uint8_t* aus);
bool Team_Internet_Client_T_Own_Einlesen(const uint8_t* block, uint32_t laenge, uint16_t* zaehler);
// Request 16: team count, normal teams, market team, home country, change counter.
void Team_Internet_Server_Send_Startinfo(uint8_t aus[TEAM_STARTINFO_BYTES]);
bool Team_Internet_Client_Startinfo_Einlesen(const uint8_t* block, uint32_t laenge, int32_t* anzahl, int32_t* normal);
// Request 17: the teams a new client may take, 46 bytes each, and the client's reading.
void Team_Internet_Server_Managerteam_Liste(std::vector<uint8_t>* aus);
bool Team_Internet_Managerteam_Liste_Einlesen(const uint8_t* block, uint32_t laenge, std::vector<int32_t>* teams);
// Request 13: the T records of all normal teams; the client keeps its own marks in them.
void Team_Internet_Server_Send_T_Block(std::vector<uint8_t>* aus);
bool Team_Internet_Client_T_Block_Einlesen(const uint8_t* block, uint32_t laenge);
// Request 14: every T_Fix image (team count + 1); the client keeps its lists and manager record.
void Team_Internet_Server_Send_T_Fix_Block(std::vector<uint8_t>* aus);
bool Team_Internet_Client_T_Fix_Block_Einlesen(const uint8_t* block, uint32_t laenge);
// Transfermarkt_Team and Jugend_Team from the names of the first n fixed records.
void Team_Pseudo_Teams_Suchen(int32_t n);
// Request 15: the client's T_Own and its two line-up system bytes; the server takes them for
// Handelndes_Team only when every player and grid cell they name exists.
bool Team_Internet_Client_Send_Own_Packen(std::vector<uint8_t>* own, std::vector<uint8_t>* t2);
// A third part of request 15 (optional): the manager's name as the client's manager chose it,
// TEAM_MANAGER_NAME_BYTES bytes ending in zero; a name no name field could have made refuses
// the whole request.
bool Team_Internet_Server_Get_Data_Back(const uint8_t* own, uint32_t laenge, const uint8_t* t2, uint32_t laenge2,
                                        const uint8_t* name = nullptr, uint32_t name_laenge = 0);
constexpr uint32_t TEAM_MANAGER_NAME_BYTES = 20;
// The client's manager names himself: his club's record shows the name from now on (a fetch of
// the server's records keeps it) and request 15 carries it to the server. False for a name the
// server would refuse (empty, only blanks, a control character): nothing changes then. Null
// forgets the name (a new start of the client).
bool Team_Client_Manager_Name_Setzen(const char* name);
// The name set so on the own club's record again, after a fetch of the server's records.
void Team_Client_Manager_Name_Anwenden();
// The name's part of request 15, or nothing while he has not named himself.
void Team_Internet_Client_Manager_Name_Packen(std::vector<uint8_t>* aus);
