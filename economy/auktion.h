// Player auctions: up to seven clubs bid for one player over twenty seconds of clock; computer
// bidders raise by chance, human bidders by their crest or key, the seller may pick the winner.
// Without a human taking part the same auction runs on a simulated clock.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Spieler_Angebot;
struct Disk_Datei;

constexpr int32_t AUKTION_SPALTEN = 7;

// Holds the auction of the player of `verein` among the n offers (best first; the terms of the
// winners' offers are raised in place); the index of the winning offer, or -1 when nobody got
// him (also on quit, and for n outside 1..7). `fortschritt`: a progress box is open.
int32_t Auktion_Durchfuehren(int32_t spnr, int32_t verein, int32_t n, int32_t fortschritt, Spieler_Angebot* angebote);
// 1 on a single PC and the server; on a client, for its own club without transfer assistant,
// 1 when some offer carries a fee or loan fee.
int32_t Auktion_Angebote_Vorhanden(int32_t verein, const Spieler_Angebot* angebote, int32_t n);

// The columns used for n offers (offer i in spalte[i]); false for n outside 1..7. The key of
// column c is '1' + c.
bool Auktion_Spalten(int32_t n, int32_t* spalte);
// Bid level 0..200 of a salary rating s and fee rating f (-2 counts as 85, a salary -1 gives 0)
// for a bidder of reputation `ansehen`.
int32_t Auktion_Stufe(int32_t s, int32_t f, int32_t ansehen);
// The running auction's level of an offer (the game's seed swapped for the auction's meanwhile).
int32_t Auktion_Gebot_Wert(const Spieler_Angebot* angebot);
// A computer bidder's limit: 100 without offer, else 80 + a/5 + a draw up to a/10.
int32_t Auktion_Bieter_Grenze(const Spieler_Angebot* angebot);
// Raises fee, loan fee (x 1.02 + 1) and salary (x 1.01 + 1) while below 19,999; 0 stays 0.
void Auktion_Erhoehen(Spieler_Angebot* angebot);
// The column of the strongest bidder above the threshold (level plus a draw up to 10), or -1.
int32_t Auktion_Bester_Bieter(int32_t schwelle);
// Sets the state up for an unattended auction of the offers; false when it cannot start.
bool Auktion_Start(int32_t spnr, int32_t verein, int32_t n, Spieler_Angebot* angebote);
// One pass: the winning offer's index, -1 while running; -2 once finished without winner.
int32_t Auktion_Schritt();
bool Auktion_Init_Check();

// What a pass of the running auction shows: per column its offer (-1 none), level and flags.
struct Auktion_Stand {
    int32_t n;
    int32_t angebot[AUKTION_SPALTEN];
    int32_t stufe[AUKTION_SPALTEN];
    uint8_t fuehrend[AUKTION_SPALTEN];
    int32_t verlaengerungen;  // clock extensions left
    int32_t prozent;          // share of the time gone
    int32_t beobachtet, verkaeufer_entscheidet;
    int32_t min_stufe, max_stufe;
    bool operator==(const Auktion_Stand&) const = default;
};
const Auktion_Stand& Auktion_Get_Stand();

// One moment of the running auction as its page shows it: the standing, the clock's rest and the
// terms of each column's offer. The page draws from such a copy, so that a page drawn later (a
// headless picture taken) shows the auction as it stood, and a copy that differs from the one
// drawn tells what to draw anew.
struct Auktion_Bedingungen {
    int32_t bieter = -1;  // -1: no offer in the column
    uint16_t abloese = 0, leihgebuehr = 0, gehalt = 0, monate = 0;
    bool operator==(const Auktion_Bedingungen&) const = default;
};
struct Auktion_Anzeige {
    Auktion_Stand stand{};
    int64_t rest_ms = 0;
    Auktion_Bedingungen spalte[AUKTION_SPALTEN];
    bool operator==(const Auktion_Anzeige&) const = default;
};
Auktion_Anzeige Auktion_Get_Anzeige();

// Savegame block 19: the one byte "the hints were offered on this machine".
extern uint8_t Auktion_Erste;
bool Auktion_Speichern(Disk_Datei* datei);
bool Auktion_Laden(Disk_Datei* datei, const char* version);
void Auktion_Module_Registrieren();

// The watched auction's input, asked once per pass: a column clicked or keyed ('1'+c), -1
// none; `ende` set when the program quits.
struct Auktion_Eingabe {
    int32_t spalte = -1;
    bool ende = false;
};
using Auktion_Eingabe_Quelle = Auktion_Eingabe (*)();
void Auktion_Set_Eingabe(Auktion_Eingabe_Quelle quelle);
// The watched auction's screen: its input source (drawing the page each pass), and what opens
// and closes it around an auction that someone watches. The test hook above comes first.
void Auktion_Set_Schirm(Auktion_Eingabe_Quelle quelle, void (*anfang)(int32_t spnr), void (*ende)());
// The screen module registers itself here (economy/auktion_schirm.cpp).
void Auktion_Schirm_Registrieren();
// The club bidding in a column of the running auction, -1 none.
int32_t Auktion_Spalte_Bieter(int32_t spalte);
// The watched auction's millisecond clock (the operating system's without one).
void Auktion_Set_Uhr(uint32_t (*uhr)());

// Test hooks: answer in place of the whole auction, or of the bid level.
using Auktion_Abfrage = int32_t (*)(int32_t spnr, int32_t verein, int32_t n, const Spieler_Angebot* angebote);
void Auktion_Set_Abfrage(Auktion_Abfrage abfrage);
using Auktion_Stufe_Abfrage = int32_t (*)(const Spieler_Angebot* angebot);
void Auktion_Set_Stufe_Abfrage(Auktion_Stufe_Abfrage abfrage);

// What the screen shows of the running auction: a column's texts (club, months, fee, salary),
// its bar height in a 102-pixel field and the clock's seconds and hundredths.
std::vector<std::string> Auktion_Spalte_Texte(int32_t spalte);
int32_t Auktion_Balken_Hoehe(int32_t spalte);
std::string Auktion_Uhr_Text();
// The same three for a moment taken before.
std::vector<std::string> Auktion_Spalte_Texte(const Auktion_Anzeige& anzeige, int32_t spalte);
int32_t Auktion_Balken_Hoehe(const Auktion_Anzeige& anzeige, int32_t spalte);
std::string Auktion_Uhr_Text(const Auktion_Anzeige& anzeige);
