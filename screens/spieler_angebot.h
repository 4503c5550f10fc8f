// The player information panel's pages and the transfer-offer form with its list of offers.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "database/richter.h"

struct Menue_Icon;

// The surcharge in percent that club `verein` asks for the player (100 none; 9999 or more: not
// for sale); anzahl[4], when given, its usable players per position. Another club than the
// acting one asks a flat 175 for a goalkeeper and 150 for a field player above 100.
int32_t Spieler_Transfer_Aufschlag(int32_t verein, int32_t spnr, int32_t* anzahl);
// The fee with the surcharge (thousand DM): wert / 100 x prozent, 99999999 when not for sale.
int32_t Spieler_Transfer_Preis(int32_t wert, int32_t prozent);

// The contract-length range of an offer. A minimum above the maximum leaves no length to offer:
// then `gesperrt` is set (the length rocker and the send button are greyed).
struct Spieler_Dauer_Grenzen {
    int32_t min, max;
    bool gesperrt;
};
Spieler_Dauer_Grenzen Spieler_Angebot_Dauer_Grenzen(bool eigener_spieler, int32_t monate_rest, bool mit_leihe);

const char* Spieler_Zufriedenheit_Text(int32_t wert);

// The offer form: the record and which of its icons (806 salary, 807 purchase, 808 loan,
// 809 length, 810 send) are greyed or ignore the mouse.
extern Spieler_Angebot Spieler_Angebot_Formular;
struct Spieler_Formular_Zustand {
    int32_t team = -1, spnr = -1, besitzer = -1;
    int32_t wert = 0, preis = 0, prozent = 100, monate_rest = 0;
    Spieler_Dauer_Grenzen dauer{12, 60, false};
    bool grau[5] = {};  // 806..810
    bool taub = false;  // every form icon ignores the mouse
};
extern Spieler_Formular_Zustand Spieler_Formular;
void Spieler_Angebot_Formular_Vorbereiten(int32_t team, int32_t spnr);
// A new contract length (months, held to the form's range): the salary (and a loan's fee)
// become the player's demand for it.
void Spieler_Angebot_Dauer_Setzen(int32_t monate);
// A new loan fee (thousand DM): the length range and the rockers follow it.
void Spieler_Angebot_Leihe_Setzen(int32_t leihgebuehr);
// Sends the form: tells the manager and hands the offer to the arbiter; false when the offer is
// not made (greyed, or a takeover from a club of international competitions only).
bool Spieler_Angebot_Senden();
// Click procedure of 810; with no icon it only refreshes.
int32_t Spieler_Angebot_Abschicken(Menue_Icon* icon, uint32_t flags);

// The offer list's order key of a bidding club (characters as signed bytes); lower first.
int32_t Spieler_Angebot_Schluessel(int32_t bieter);
// The player's offers in list order (at most 30); only the fixed club's when one is fixed.
int32_t Spieler_Angebot_Liste(int32_t spnr, Spieler_Angebot* aus, int32_t* fixiert);
// The lines of the offer list for the player shown at `team`, the auction date line last.
void Spieler_Angebot_Liste_Zeilen(int32_t team, int32_t spnr, std::vector<std::string>* zeilen);

// The information panel's title and the lines of page 908..912 (910: none).
std::string Spieler_Info_Titel(int32_t spnr);
void Spieler_Info_Seite_Zeilen(int32_t team, int32_t spnr, int32_t seite, std::vector<std::string>* zeilen);

// The player's best attributes among 9..23 that he has, highest first (ties: the lower number);
// at most 7 into aus, the count returned.
int32_t Spieler_Info_Beste_Attribute(int32_t spnr, int32_t aus[7]);
// The favourite-position marker in a pitch picture of breite x hoehe (margins already taken
// off): the point (x, y) the marker stands on; false for a goalkeeper or no favourite cell.
bool Spieler_Info_Lieblingsposition(int32_t spnr, int32_t links, int32_t oben, int32_t breite, int32_t hoehe,
                                    int32_t* x, int32_t* y);
