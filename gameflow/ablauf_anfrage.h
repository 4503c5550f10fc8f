// The server's dispatcher of the requests 1000..1043 and the game flow's own requests.
#pragma once
#include <cstdint>
#include <vector>

#include "gameflow/news.h"
#include "network/internet_read.h"

// Owners plug their handler of a number 1000..1043 in here (others are refused); null removes it.
void Ablauf_Anfrage_Registrieren(int32_t nr, Internet_Handler handler);
Internet_Handler Ablauf_Anfrage_Handler(int32_t nr);
// Runs the handler of a number 1000..1043; true when one ran.
bool Ablauf_Server_Anfrage_Ausfuehren(Internet_Aufruf* a);
// Plugs in the game flow's own handlers, the staff list (1031) and the statistics (1037-1040).
void Ablauf_Anfragen_Anbinden();

// One game of the day as request 1000 carries it: its match day (0 first) and referee (-1 none)
// name its round and official in the menu's panels of a client, which holds no record of it.
struct Ablauf_Tagesspiel {
    int32_t wettbewerb, heim, gast, heim_tore, gast_tore;
    uint32_t laeuft;
    int32_t spieltag = -1, schiedsrichter = -1;
};
constexpr uint32_t ABLAUF_TAGESSPIEL_BYTES = 32;
// The day's image (request 1000) and back; false for an image that does not hold together. The
// season's schedule at its end is checked against the day's season; `plan` (when given) points
// at it inside the image.
std::vector<uint8_t> Ablauf_Tagesdaten_Bild();
bool Ablauf_Tagesdaten_Lesen(const uint8_t* bild, uint32_t laenge, int32_t* tag, int32_t* saison,
                             std::vector<Ablauf_Tagesspiel>* spiele, const uint8_t** plan = nullptr,
                             uint32_t* plan_laenge = nullptr);
// Today's game of a club as the server's game world holds it (a client: as the last fetch
// brought it); false when the club does not play today.
bool Ablauf_Tagesspiel_Von(int32_t team, Ablauf_Tagesspiel* spiel);
// The day's games as the server's game world holds them (a client: as the last fetch brought).
std::vector<Ablauf_Tagesspiel> Ablauf_Tagesspiele();
// The server keeps the games of the match day that closes now (for the next day's image).
void Ablauf_Spieltag_Merken();
// A new game begins without the day and the last match day of the game before, on either side.
void Ablauf_Tagesdaten_Vergessen();

// The images of the club's live records (request 1001): u32 count, then per record u32 game,
// u32 packed length and the packed 25,120-byte image.
std::vector<uint8_t> Ablauf_Spielfeld_Records_Bild(int32_t team);
// The server notes which clubs' clients have fetched them since the match day's start signal.
void Ablauf_Spielfeld_Abrufe_Vergessen();
bool Ablauf_Spielfeld_Abgerufen(int32_t team);

// A client's fetches: the day (1000, with the season's schedule in place of the client's; then
// the match store's and the competitions' client parts),
// the club's live records (1001, handed to the match day in place of its own), the club's
// messages (1002, into `aus` when given, each at the server's index). False when the server did
// not answer.
bool Ablauf_Client_Tagesdaten_Holen();
bool Ablauf_Client_Spielfeld_Records_Holen();
bool Ablauf_Client_Nachrichten_Holen(std::vector<News_Client_Eintrag>* aus = nullptr);
// The images of the live records 1001 last brought, keyed by game.
const std::vector<std::pair<int32_t, std::vector<uint8_t>>>& Ablauf_Client_Spielfeld_Records();

// Client sides of 1003, 1012 and 1013: the news to a club, the answer to the own club's question,
// the own club's highscore points.
int32_t Ablauf_Client_News_Senden(int32_t team, const char* text);
bool Ablauf_Client_Frage_Beantworten(int32_t index, int32_t antwort);
int32_t Ablauf_Client_Highscore();

// A CRC-32 over the day, every game of the day with its result, and the club's records that a
// client's refresh fetches (team, fixed team, links). Equal on a client and its server: a client
// takes its own club's records as its round's refresh brought them (Ablauf_Client_Abzug_Merken).
uint32_t Ablauf_Pruefsumme(int32_t team);
// A client keeps its own club's records as the refresh at its round's start brought them.
void Ablauf_Client_Abzug_Merken();
