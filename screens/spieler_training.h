// The training page of the player screens: the individual-training grid (team field 806, 17
// kinds by 3 places) as the line-up screen and the daily training read it.
#pragma once
#include <cstdint>

constexpr int32_t SPIELER_TRAININGSARTEN = 17;  // kinds 0..13 field players, 14..16 goalkeepers

// The name of a training kind ("" for another number).
const char* Spieler_Training_Art_Name(int32_t art);
// Occupied individual-training places of the club: kinds 0..13 with the flag set, else 14..16.
int32_t Spieler_Training_Zaehle_Einzeltraining(int32_t team, int32_t flag);
// The training kind of the player's individual-training place, -1 none.
int32_t Spieler_Training_Get_Einzeltraining_Platz(int32_t team, int32_t spnr);
// Shows the acting club's training total (1..45) on the training page's control, when the page
// is open.
void Spieler_Training_Regler_Refresh(int32_t summe);
// Test hook: sees every refresh.
using Spieler_Training_Refresh_Beobachter = void (*)(int32_t summe);
void Spieler_Training_Set_Refresh_Beobachter(Spieler_Training_Refresh_Beobachter beobachter);
// Tests answer the count in its place (null: the grid counts).
using Spieler_Training_Zaehl_Hook = int32_t (*)(int32_t team);
void Spieler_Training_Set_Zaehl_Hook(Spieler_Training_Zaehl_Hook hook);

// --- the training page (group 707 at switch button 802) ----------------------------------------
struct Menue_Icon;
struct Menue_Kontextmenue;

// Builds the page: kind areas, units, grid slots, switches, the K.O. bar and the squad to drag.
void Spieler_Training_Aufbauen();
// Lays the balls (field 805) and gloves (field 814) out; with `verteilen` the manager's
// percentages are first turned into as many units as the slider allows.
void Spieler_Training_Einheiten_Zeigen(bool verteilen);
// Drops: a unit onto a target icon (null: none), a player onto a kind (or beside the grid).
void Spieler_Training_Einheit_Move(Menue_Icon* einheit, Menue_Icon* ziel);
void Spieler_Training_Einheit_Zurueck(Menue_Icon* einheit);
void Spieler_Training_Einzeltraining_Move(Menue_Icon* spieler, Menue_Icon* ziel);
// The player's grid place: kind and slot, -1 and -1 when he has none.
void Spieler_Training_Get_Einzeltraining_Platz(int32_t team, int32_t spnr, int32_t* art, int32_t* slot);
// The training kind of an icon of the page, -1 for none; *torwart tells a goalkeeper kind.
int32_t Spieler_Einsetzen_Get_Training_Nummer_Aus_Icon(const Menue_Icon* icon, bool* torwart);
// Sets a grid slot icon from the player it holds (-1: free).
void Spieler_Training_Slot_Setzen(Menue_Icon* icon, int32_t art, int32_t slot);
// Switch 1620..1627 steps 0, 1, 2, 0 (field 808); the switch pictures follow.
void Spieler_Training_Schalter_Klick(int32_t icon);
void Spieler_Training_Schalter_Zeigen();
// The picture number (0..23) switch k shows: 3 k + its level.
int32_t Spieler_Training_Schalter_Bild(int32_t schalter);
const char* Spieler_Training_Bälle_Text(int32_t anzahl);
// The assistant lock of the units; true while an assistant holds the training.
bool Spieler_Training_Icons_Sperren();
void Spieler_Training_Assistent_Hinweis();
Menue_Kontextmenue* Spieler_Training_Kontextmenue(Menue_Icon* einheit);
uint8_t Spieler_Training_Gleich_Verteilen(int32_t eintrag, int32_t torwart, int32_t, int32_t);
bool Spieler_Training_Seite_Aktiv();
int32_t Spieler_Training_Spieler_Klick(Menue_Icon* figur, uint32_t flags);
// The mean exhaustion (player field 87) of the acting club's available players, 0 for none.
int32_t Spieler_Training_KO_Wert();
int32_t Spieler_Training_KO_Anzeige(Menue_Icon* icon, uint32_t);
// The page's opener (switch button 802), registered with the player screens.
int32_t Spieler_Training_Seite(Menue_Icon* icon, uint32_t flags);
void Spieler_Training_Registrieren();
// The slider's value: the balls the manager may hand out (0..49).
int32_t Spieler_Training_Regler_Wert();
void Spieler_Training_Regler_Setzen(int32_t wert);
// Highlight frames 1628..1642 lit for the dragged player (test view): true when frame lit.
bool Spieler_Training_Rahmen_An(int32_t rahmen);

constexpr int32_t TRAINING_BALL_ERSTER = 1510, TRAINING_BAELLE = 49, TRAINING_HANDSCHUH_ERSTER = 1502,
                  TRAINING_HANDSCHUHE = 8, TRAINING_SLOT_ERSTER = 1560, TRAINING_SCHALTER_ERSTER = 1620, TRAINING_TAKTIK_ERSTE = 1612,
                  TRAINING_REGLER = 1498, TRAINING_RESERVE_X = 185, TRAINING_RESERVE_Y = 459;
