// The insurance page of a player: six companies, the yearly cost for 1 to 4 years and the premium
// per injury day; concluding writes the link fields 307, 302, 303 and 308.
#pragma once
#include <cstdint>
#include <string>

constexpr int32_t VERSICHERUNG_FIRMEN = 6;

struct Versicherung_Gesellschaft {
    const char* name;
    const char* beschreibung;  // marked-up text
    int32_t kosten_faktor;
    int32_t praemien_faktor;
    int32_t zuverlaessigkeit;  // percent, used by the daily payment
};
extern const Versicherung_Gesellschaft Versicherung_Gesellschaften[VERSICHERUNG_FIRMEN];

// The page's offers, rebuilt on every opening: years chosen per company (1..4), yearly cost in
// units of 500 DM and premium per injury day (DM).
struct Versicherung_Angebot_Eintrag {
    int32_t jahre;
    int32_t kosten_500;
    int32_t praemie;
};
extern Versicherung_Angebot_Eintrag Versicherung_Angebot[VERSICHERUNG_FIRMEN];

// Premium per injury day in DM of company `firma` for a player of strength `staerke`; 0 for a
// company outside 0..5.
int32_t Spieler_Versicherung_Praemie(int32_t firma, int32_t staerke);
// Yearly cost in DM for `jahre` years (1..4); 0 for a company or duration out of range.
int32_t Spieler_Versicherung_Kosten(int32_t firma, int32_t staerke, int32_t jahre);

// Concludes an insurance of the club's player with company `firma` for `jahre` years; premium
// and yearly cost are computed here, never taken from a caller. Refuses (false) a company outside
// 0..5, years outside 1..4, a player not of `team`, an injured or an already insured player.
bool Spieler_Versicherung_Abschliessen(int32_t team, int32_t spnr, int32_t firma, int32_t jahre);

// Opens the offers for the player: every company at one year, costs and premiums computed.
void Spieler_Versichern(int32_t team, int32_t spnr);
// The click on company `firma`'s button: refusal for an injured player, else the question and,
// on yes, the contract (through request 43 on a remote client). True when a contract was sent
// or written.
bool Spieler_Versicherung_Klick(int32_t team, int32_t spnr, int32_t firma);
// Whether the company's button may be clicked, and whether it is greyed, for the player now.
bool Spieler_Versicherung_Knopf_Aktiv(int32_t team, int32_t spnr, int32_t firma, bool* grau);
// The rocker's text of company `firma` ("%d J. a %s", or for the running contract the three
// lines "Kosten pro Jahr:", the cost and "(noch %d %s)"), lines joined by '\n'.
void Spieler_Versicherung_Wippe_Text(int32_t team, int32_t spnr, int32_t firma, char* text, uint32_t groesse);

// The information panel's insurance page: up to seven lines into zeilen; returns their count.
int32_t Spieler_Versicherung_Info_Zeilen(int32_t team, int32_t spnr, char zeilen[7][200]);

// The texts of a company's button on the insurance page: its name on up to two lines of the
// button's width (above and below the logo) and what it pays, on two lines beside it.
constexpr int32_t VERSICHERUNG_FONT = 9, VERSICHERUNG_ZAHLT_X = 96;
struct Versicherung_Karte {
    std::string name[2], zahlt[2];
};
Versicherung_Karte Spieler_Versicherung_Karte(const char* name, float praemie, int32_t team, int32_t breite);
