// Globals of the game flow that every subsystem reads.
#pragma once
#include <cstdint>

#include "platform/disk.h"

// Network role: 0 single PC, 1 remote client, 2 server without own manager, 3 server with own
// manager. Bit 0: this PC runs a client; bit 1: it serves the game world.
extern uint32_t Netz_Rolle;
// The club on whose behalf the network code acts.
extern uint32_t Handelndes_Team;
// Set when this program runs the server.
extern uint8_t EIGENER_SERVER;
// Set when this program runs as a remote client.
extern uint8_t EIGENER_CLIENT;
// 1 when the server runs without its own club.
extern uint8_t Stand_Alone_Server;
// The club of the server's own manager, -1 none.
extern int32_t Server_Team;

// The club whose human manager acts now, -1 none.
extern int32_t Aktuelles_Team;
// 0 or 1: the side of Aktuelles_Team in today's match.
extern int32_t Aktuelles_Team_Seite;
// Today's opponent of Aktuelles_Team and the opponent the line-up screens show, -1 none.
extern int32_t Gegner_Team;
extern int32_t Anzeige_Gegner_Team;
extern int32_t Taktik_Zusatzwert;

// Difficulty 0..4, 2 by default; the manager block saves it.
extern uint32_t Schwierigkeitsstufe;

// State of the main loop (0..18).
extern int32_t Ablauf_Zustand;
// Today's day number, counted from 1 July 1999.
extern int32_t Aktueller_Tag;

// Crest of each manager crest number: bit 15 marks a user crest whose picture number is the
// low 15 bits.
constexpr int MANAGER_WAPPEN_ANZAHL = 100;
constexpr uint16_t MANAGER_WAPPEN_USER = 0x8000;
extern uint16_t Manager_Wappen[MANAGER_WAPPEN_ANZAHL];

// Configuration set numbers of the game set-up: the standard set a failed load falls back to,
// and the set currently in use.
extern int32_t Konfiguration_Standard;
extern int32_t Konfiguration_Aktuell;

// Request codes of the server dispatcher (1000..1043); the handlers name their own.
enum Anfrage_Code : int32_t {
    ANFRAGE_ERSTE = 1000,
    ABLAUF_TAGESDATEN = 1000,
    ABLAUF_SPIELFELD_RECORDS = 1001,
    ABLAUF_NACHRICHTEN = 1002,
    ABLAUF_NEWS_SENDEN = 1003,
    WETTBEWERB_CONFIG_KOMPLETT = 1004,
    WETTBEWERB_CONFIG = 1005,
    ABLAUF_FRAGE_BEANTWORTEN = 1012,
    ABLAUF_HIGHSCORE = 1013,
    ABLAUF_LEER_1014 = 1014,
    ABLAUF_LEER_1020 = 1020,
    WERBUNG_GET_WERBEFIRMEN = 1021,
    WERBUNG_VERTRAG_ABSCHLIESSEN = 1022,
    WERBUNG_SCHREIBE_WERTE = 1023,
    TRAININGSLAGER_TRAININGSLAGER = 1030,
    PERSONAL_GET_LISTE = 1031,
    ABLAUF_LEER_1032 = 1032,
    STATISTIK_SUCHE_TABELLEN = 1037,
    STATISTIK_TABELLEN_IN_ARRAY = 1038,
    STATISTIK_TABELLEN_SUCHE_TEAM = 1039,
    STATISTIK_TITEL_SUCHEN = 1040,
    ABLAUF_LEER_1043 = 1043,
    ANFRAGE_LETZTE = 1043,
};


// Resets the globals above to the values of a new game.
void Globals_Reset();

struct Disk_Datei;
// The game flow's own savegame block: day, state, set-up values and the crest table.
bool Globals_Write_Bin_Block(Disk_Datei* datei);
bool Globals_Read_Bin_Block(Disk_Datei* datei, const char* version);

// Registers the game flow's own savegame blocks (game flow, news, highscores) and the release
// of its stores at exit.
void Globals_Module_Registrieren();
