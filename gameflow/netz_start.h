// The network side of a game's start: the server's start-up of its participants' services, and
// a remote client's wait for the server's game and its choice of club.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The server, once its game runs: the log-in database's start for every manager club, then the
// participants' statistics pass.
void Ablauf_Server_Netz_Start();

// A club a client may take: its number and its name.
struct Ablauf_Freier_Verein {
    int32_t team;
    std::string name;
    std::string manager;  // the manager's name on the server
};
// The server's list (request 17) read: club 0 is never offered.
std::vector<Ablauf_Freier_Verein> Ablauf_Client_Freie_Vereine_Lesen(const std::vector<uint8_t>& liste);
// The manager picks one in the popup list "Ihr Verein:" (headless: the script's answer, an index
// into the list, else the first). -1 for an empty list or when the program ends.
int32_t Ablauf_Client_Verein_Auswaehlen(const std::vector<Ablauf_Freier_Verein>& vereine);
// Takes the club as this client's own and claims it at the server (code 14). False when the
// server did not take the claim (another participant was quicker); the client's club is then
// what it was.
bool Ablauf_Client_Verein_Nehmen(int32_t team);
// A remote client's game start: waits (pumping) for the server's game, takes the club of the
// client's savegame `spielstand` (may be null) or else lets the manager choose, claims the club
// and fetches its data. False when there is no club to take or the program ends.
bool Ablauf_Client_Start(const char* spielstand = nullptr);
// A client's savegame names its club: taken only while the server still offers it; else the
// German message, false and the client's club as it was. A client whose game runs keeps its
// club: true (with a word) for the same club, else the message and false.
bool Ablauf_Client_Verein_Aus_Spielstand(int32_t team);

// A club's league games played so far: won, drawn, lost, goals for and against, points (three
// for a win); and the place of its team value among the league's clubs (1 the strongest; ties
// share the better place). All 0 for a club without a league.
struct Ablauf_Liga_Bilanz {
    int32_t spiele = 0, siege = 0, remis = 0, niederlagen = 0, tore = 0, gegentore = 0, punkte = 0;
    int32_t rang = 0, vereine = 0;
};
Ablauf_Liga_Bilanz Ablauf_Liga_Bilanz_Zaehlen(int32_t team);

// The script's "game" lines of network play: "vereine N" waits until N participants have claimed
// their clubs, "allein" until none is logged in, "zug" until this PC's turn waits for the player
// with no requester open, "zuege N" until this PC has shown N notices of ended turns, "runden N" (a server) until
// N participants' clients have begun today's round, "pruefsumme [CLUB]" prints "Pruefsumme CLUB
// CRC" (Ablauf_Pruefsumme; without a club the own one, -1 every club a participant holds, -2 every
// manager's club) on
// standard output; "spieltag [CLUB]" prints "Spieltag CLUB TODAY DAY", DAY the next day from today
// on with a game of the club's league (without a club: of every manager's club's league; CLUB
// is then -1); "bilanz [CLUB]" prints "Bilanz CLUB GAMES WON DRAWN LOST GOALS AGAINST POINTS RANK CLUBS
// NAME",
// the club's league record so far (Ablauf_Liga_Bilanz_Zaehlen; without a club the own one); "elf
// [CLUB]" prints "Elf CLUB N", the players in its starting eleven now.
bool Ablauf_Skript_Zeile(const std::string& name, int32_t zahl);
