// The player editor and the club editor of a configuration set: modal screens with their own
// loop. Each change is written to the records at once; "Undo" gives back what the player or club
// held on entering. The edited players and clubs (and the first names as typed) are collected for
// the set's save (database/config_satz.h).
#pragma once
#include <cstdint>
#include <string>

struct Config_Satz_Aenderung;
struct Rastport;

// Runs the player editor over the list, starting at `spnr` (the first when he is not in it); the
// team gives the kit. Returns when the user leaves.
void Spieler_Edit(const int32_t* liste, int32_t anzahl, int32_t spnr, int32_t flag, int32_t team);
void Verein_Edit(int32_t team);
// What the editors changed since the last Spieler_Edit_Aenderung_Leeren.
const Config_Satz_Aenderung& Spieler_Edit_Aenderung();
void Spieler_Edit_Aenderung_Leeren();

// --- the player editor's steps (the loop calls them for its areas) ---
bool Spieler_Edit_Start(const int32_t* liste, int32_t anzahl, int32_t spnr, int32_t team);
void Spieler_Edit_Ende();
int32_t Spieler_Edit_Spieler();
uint32_t Spieler_Edit_Code();  // the working face code
// Category 0..6 stepped up (richtung 1) or down (2); the hair follows its colour.
void Spieler_Edit_Gesicht_Schritt(int32_t kategorie, int32_t richtung);
void Spieler_Edit_Haut_Schritt(int32_t richtung);
void Spieler_Edit_Haar_Schritt(int32_t richtung);
// Typed texts: false, with the message, for a refused one (the field keeps its value).
bool Spieler_Edit_Name_Setzen(const char* text);
bool Spieler_Edit_Vorname_Setzen(const char* text);
bool Spieler_Edit_Nummer_Setzen(const char* text);
bool Spieler_Edit_Nation_Setzen(int32_t nation);
// The favourite position (459 the goal).
void Spieler_Edit_Position_Setzen(int32_t zelle);
int32_t Spieler_Edit_Position_Lesen();
// The perspective pitch picture of 117 x 71: a grid cell to its picture point and back.
void Spieler_Edit_Raster_Zu_Bild(int32_t zeile, int32_t spalte, int32_t* x, int32_t* y);
void Spieler_Edit_Bild_Zu_Raster(int32_t x, int32_t y, int32_t* zeile, int32_t* spalte);
// A user picture from a PCX file (false with the message when it cannot be used).
bool Spieler_Edit_Pcx_Import(const char* pfad);
// The clipboard's picture (a 16-bit bitmap) as the player's user picture; without one a message
// and the player stays as he is.
bool Spieler_Edit_Zwischenablage_Import();
bool Spieler_Edit_Standard_Bild_Moeglich();
void Spieler_Edit_Standard_Bild();
void Spieler_Edit_Undo();
// Commit and step through the list (-1 back, +1 on), with wrap.
void Spieler_Edit_Blaettern(int32_t schritt);
// A click of the loop at a screen point (flags 1 left, 2 right); true when the user leaves.
bool Spieler_Edit_Klick(int32_t x, int32_t y, int32_t tasten);
// Draws the whole editor into the target (the kit figure's frame as given).
void Spieler_Edit_Zeichnen(Rastport* ziel, int32_t bild);

// --- the club editor's steps ---
bool Verein_Edit_Start(int32_t team);
void Verein_Edit_Ende();
// Text 0..3: name (23), short name (9), stadium (29), city (17).
bool Verein_Edit_Text_Setzen(int32_t feld, const char* text);
const char* Verein_Edit_Text(int32_t feld);
bool Verein_Edit_Nation_Setzen(int32_t nation);
void Verein_Edit_Farbe_Setzen(int32_t farbe, uint8_t r, uint8_t g, uint8_t b);
bool Verein_Edit_Wappen_Import(const char* pfad);
// The clipboard's picture as the club's crest; false (and a message) when it holds none.
bool Verein_Edit_Wappen_Zwischenablage();
void Verein_Edit_Undo();
bool Verein_Edit_Klick(int32_t x, int32_t y, int32_t tasten);
void Verein_Edit_Zeichnen(Rastport* ziel, int32_t zweites_team);
