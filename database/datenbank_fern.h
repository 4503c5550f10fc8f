// The server side of the database's remote calls: the handlers of the players', teams',
// managers' and arbiter's numbered blocks over their network images.
#pragma once
#include <cstdint>

// Plugs the handlers into the remote-call registry (once is enough; again does no harm).
void Datenbank_Fern_Registrieren();

struct Spieler_Angebot;

// Bits of a club's status byte (team value 168): a client has taken the club, and is connected.
constexpr uint8_t TEAM_VON_CLIENT_GEHALTEN = 0x30;
// The server's refresh of the clubs whose client is away: by those bits the first assistant takes
// over the line-up (0x10; every task with fewer than 13 players) or every task (neither bit).
void Team_Internet_Server_Refresh();

// ---- The client's start-up and its copies ----
// Requests 10 and 11: the own club's T and T_Fix records anew (the client's own marks kept).
void Team_Internet_Client_Get_T();
void Team_Internet_Client_Get_T_Fix();
// Request 34: the own manager's icon states fetched, or sent to the server.
void Manager_Internet_Client_Icon_Status(bool senden);
// Request 43: an insurance of an own player with a company for some years; the server's
// insurance computes premium and cost itself. True when the server answered.
bool Teamspieler_Internet_Client_Send_Versicherungsabschluss(int32_t spnr, int32_t firma, int32_t jahre,
                                                             int32_t praemie, int32_t kosten);
// Request 16 once: the team count and start values.
bool Team_Internet_Client_Get_Startinfo(int32_t* anzahl);
// The team copies for the server's count (plus one), then every T_Fix record (request 14).
bool Team_Internet_Client_Init();
// Request 14 again, when the server's change counter moved.
bool Team_Internet_Client_Vor_Neue_Saison();
// Requests 31 (managers, difficulty) and 32 (the own manager's head number).
void Manager_Internet_Client_Get_Startinfo_1();
void Manager_Internet_Client_Get_Startinfo_2();
// Request 2, the player copies, and the fixed parts of the own competition's and the market's players.
bool Spieler_Internet_Client_Init();
// Request 0: parts of players (0 main, 1 fixed) for one player, a team or a competition.
void Spieler_Internet_Client_Get_Data(int32_t teil, int32_t wettbewerb, int32_t team, int32_t spnr);
// Requests 40 (one team's links) and 41 (those of the own competition).
void Teamspieler_Internet_Client_Get_Liste(int32_t team);
void Teamspieler_Internet_Client_Get_Teamspieler();
// Request 42: the own line-up and the marking of the opponent (-1 none) go to the server.
bool Teamspieler_Internet_Client_Send_Aufstellung(int32_t gegner);
// Request 44: the club that holds a player, by the server's links (-1 none).
int32_t Teamspieler_Internet_Client_Get_Team_Des_Spielers(int32_t hinweis, int32_t spnr);
// Request 51 with a new offer, then the list again (50).
void Richter_Internet_Client_Neues_Angebot(const Spieler_Angebot* angebot);
// Request 52: a camp request or friendly-match proposal of the own club; true when it was taken.
bool Richter_Internet_Client_Neues_Element(const void* nutzlast, uint32_t groesse, uint32_t typ);
// Request 53: a changed or withdrawn offer goes to the server; its answer.
bool Richter_Internet_Client_Set_Spieler_Angebot(const Spieler_Angebot* angebot, bool loeschen);
