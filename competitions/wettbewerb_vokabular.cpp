// The words of the competition configuration file "wettbewerb.cfg".
//
// File form (reader and writer agree on it):
//   ; comment lines
//   CHECKSUMME <sum>
//   INFOTEXT "<description>"
//   VERSION "201"
//   NEUER_WETTBEWERB              opens the next record; every keyword below belongs to it
//   <KEYWORD> <value>             one entry a line
// Values: numbers, "#alias" for a team number, "JA" for a flag, quoted texts, comma lists.
// Record references (QUALI_FUER, VISUELL_NACHFOLGER, VISUELL_PARALLEL, PARALLELGRUPPE,
// NACHFOLGERUNDE) name another record's IDENTIFIKATION; "NIX" is a place without a target.
// IDENTIFIKATION ends in the competition's id (0..255, base leagues up to 127), e.g. "ALI_12".
//
// Repeated keywords: each MODUS line sets one bit (word below); each WEITERKOMM_ANZ line fills
// the next of its five values; the n-th QUALI_FUER line is place-target list n (0..4), one
// target per table place (a list without targets before a used one is a line "NIX"); each
// RUNDENTEXT line names the stage of the next match day; a two-legged knock-out competition
// (KO_SYSTEM and RUECKSPIELE) without BEST_OF_X plays two legs per pairing;
// WER_GEGEN_WEN lines append slot numbers (pairs home, away, match day by match day);
// AUFFUELL_MIT_TEAMS "von,bis,anzahl" fills free places with teams of a team-number range;
// QUALI_LAND "land,anzahl" reserves entrants for a country; STARTTEILNEHMER lines append teams.
// WOCHENTAG takes a German weekday name (or 0..6, 0 = Samstag).
#include "competitions/wettbewerb.h"

const Wettbewerb_Feld Wettbewerb_Felder[WETTBEWERB_FELDER] = {
    {"NAME", WFA_TEXT, 0, 0},
    {"GRUPPEN_NAME", WFA_TEXT, 0, 0},
    {"IDENTIFIKATION", WFA_SONDER, 0, WETTBEWERB_MAX_ID},
    {"TEAMS", WFA_ZAHL, 0, WETTBEWERB_MAX_TEAMS},
    {"MODUS", WFA_SONDER, 0, 0},
    {"SUPER_ART", WFA_SONDER, 0, 0},
    {"WOCHENTAG", WFA_SONDER, 0, 6},
    {"QUOTE_WOCHENTAG", WFA_ZAHL, 0, 100},
    {"STARTWOCHE", WFA_ZAHL, 0, 52},
    {"ENDWOCHE", WFA_ZAHL, 0, 52},
    {"SPIELFREI_START", WFA_ZAHL, -1, 52},
    {"SPIELFREI_ENDE", WFA_ZAHL, -1, 52},
    {"SPIELTAGE", WFA_ZAHL, 0, WETTBEWERB_MAX_SPIELTAGE},
    {"ANZ_PARALLEL_GRUPPEN", WFA_ZAHL, 0, WETTBEWERB_ANZAHL},
    {"WEITERKOMM_ANZ", WFA_SONDER, -1, WETTBEWERB_MAX_TEAMS},
    {"QUALI_FUER", WFA_SONDER, 0, 0},
    {"SIEGER", WFA_TEAM, -1, 0},
    {"VISUELL_NACHFOLGER", WFA_SONDER, 0, 0},
    {"VISUELL_PARALLEL", WFA_SONDER, 0, 0},
    {"PARALLELGRUPPE", WFA_SONDER, 0, 0},
    {"NACHFOLGERUNDE", WFA_SONDER, 0, 0},
    {"STARTTEILNEHMER", WFA_SONDER, 0, 0},
    {"AUFFUELL_MIT_TEAMS", WFA_SONDER, 0, 0},
    {"QUALI_LAND", WFA_SONDER, 0, 0},
    {"BEST_OF_X", WFA_ZAHL, 1, 9},
    {"HALBZEIT_LAENGE", WFA_ZAHL, 1, 90},
    {"HALBZEIT_LAENGE_VERL", WFA_ZAHL, 0, 90},
    {"ANZ_HALBZEITEN", WFA_ZAHL, 1, 4},
    {"ANZ_HALBZEITEN_VERL", WFA_ZAHL, 0, 4},
    {"ALLE_X_JAHRE", WFA_ZAHL, 1, 10},
    {"STARTJAHR", WFA_ZAHL, 0, 9999},
    {"LAND", WFA_TEAM, -1, 0},
    {"WER_GEGEN_WEN", WFA_SONDER, 0, 0},
    {"RUNDENTEXT", WFA_SONDER, 0, 0},
    {"ERSTE_GELBSPERRE", WFA_ZAHL, 0, 99},
    {"INTERVALL_GELBSPERRE", WFA_ZAHL, 0, 99},
    {"GRAFIK_NUMMER", WFA_ZAHL, 0, 999},
    {"AUDIO_NUMMER", WFA_ZAHL, 0, 999},
    {"AUSRICHTER", WFA_TEAM, -1, 0},
    {"AUSRICHTER_STADION", WFA_TEAM, -1, 0},
    {"WICHTIG", WFA_ZAHL, 0, 100},
    {"SIEG_PRAEMIE", WFA_ZAHL, 0, 100000000},
    {"UNENTSCHIEDEN_PRAEMIE", WFA_ZAHL, 0, 100000000},
    {"POKAL_PRAEMIE", WFA_JA, 0, 1},
    {"ANTRITTS_PRAEMIE", WFA_ZAHL, 0, 100000000},
    {"BASISLIGA", WFA_JA, 0, 1},
    {"AMATEUR_LIGA", WFA_JA, 0, 1},
    {"QUALIFIKANTEN_MISCHEN", WFA_JA, 0, 1},
    {"ANZ_QUALI_AUS_LIGABAUM", WFA_ZAHL, 0, WETTBEWERB_MAX_TEAMS},
    {"QUALI_ZU_SAISONSTART", WFA_JA, 0, 1},
    {"MEHRMALS_PRO_JAHR", WFA_JA, 0, 1},
    {"GOLDEN_GOAL", WFA_JA, 0, 1},
    {"RUECKSPIEL_NACH_ZWEI_WOCHEN", WFA_JA, 0, 1},
    {"KALENDER_POSITION", WFA_ZAHL, 0, 99},
    {"QUALIWOCHE", WFA_ZAHL, -1, 52},
    {"WECHSEL_IN", WFA_ZAHL, -1, WETTBEWERB_MAX_ID},
    {"NEUER_WETTBEWERB", WFA_KOPF, 0, 0},
    {"VERSION", WFA_KOPF, 0, 0},
};

// Bit n of MODUS is written as word n.
const char* const Wettbewerb_Modus[WETTBEWERB_MODUS_BITS] = {
    "RUECKSPIELE",                    // 1
    "HEIMRECHT",                      // 2
    "KO_SYSTEM",                      // 4
    "VERLAENGERUNG",                  // 8
    "QUALIFIKANTEN_AUS_LIGABAUM",     // 16
    "LOSEN",                          // 32
    "ENGLISCHE_TABELLE",              // 64
    "ELFMETERSCHIESSEN",              // 128
    "SPIELE_PRO_SPIELTAG_VARIABEL",   // 256
    "EINNAHMEN_TEILEN",               // 512
    "SUDDEN_DEATH",                   // 1024
    "SCHIRI_NICHT_AUS_TEAMLAND",      // 2048
    "AMATEUR_HEIMRECHT",              // 4096
    "MODUS_BIT_13",                   // unused bits keep a word so that they survive a rewrite
    "MODUS_BIT_14",
    "MODUS_BIT_15",
    "MODUS_BIT_16",
};

const char* const Wettbewerb_Rundentext[RT_ANZAHL] = {
    "SPIELTAG", "ERSTE_RUNDE", "ZWEITE_RUNDE", "DRITTE_RUNDE", "VIERTE_RUNDE", "ACHTELFINALE",
    "VIERTELFINALE", "HALBFINALE", "FINALE", "QUALIFIKATION", "VORRUNDE", "ZWISCHENRUNDE",
    "SPIEL_UM_PLATZ_DREI",
};

const char* const Wettbewerb_Super_Art[SA_ANZAHL] = {"LIGA", "POKAL", "INTERNATIONAL", "FREUNDSCHAFT"};

const char* const Wettbewerb_Wochentag[7] = {"Samstag", "Sonntag", "Montag", "Dienstag",
                                             "Mittwoch", "Donnerstag", "Freitag"};
