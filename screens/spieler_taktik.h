// Tactics, commitment and the two sets of six stored line-ups of the acting club.
#pragma once
#include <cstdint>

struct Rastport;

// The stored line-up `ideal` (or with -1 the applied one of the set in use) applied to
// Aktuelles_Team against Gegner_Team by the assistants' line-up routine.
void Assi_Mannschaftsaufstellung(int32_t ziel, int32_t ideal, bool erzwingen);

// The label of level 0..2 of tactic setting 0..7.
const char* Spieler_Einsetzen_Taktik_Label(int32_t einstellung, int32_t stufe);
// A tactic control of a row (1261..1268 or 1612..1619) clicked: its level goes round. False when
// the tactics assistant keeps it.
bool Spieler_Einsetzen_Taktik_Klick(int32_t icon);
// Control 1269: the current tactic becomes the trained one.
bool Spieler_Einsetzen_Taktik_Trainieren();
// The commitment slider's value 1..99; the club's figure becomes 100 - v.
void Spieler_Einsetzen_Einsatz_Regler(int32_t v);
// Squares of the quality bar for a level's quality.
int32_t Spieler_Einsetzen_Taktik_Quadrate(int32_t qualitaet);
// The tooltip of a tactic control (1261..1268, 1612..1619 for block 807, 1620..1627 for 808):
// its text into `text` and its picture (the caller frees it); null for another control.
Rastport* Spieler_Einsetzen_Taktik_Hilfetext(int32_t icon, char* text, int32_t groesse);

// The set switch (0 "A", 1 "B").
void Spieler_Einsetzen_Satz_Wechseln(int32_t satz);
// A stored line-up button 0..5 clicked: applied, or switched off when it is the applied one.
void Spieler_Einsetzen_Aufstellung_Klick(int32_t nummer);
// Applies stored line-up 0..5 (-1 the set's applied one) of the set in use.
void Spieler_Einsetzen_Aufstellung_Anwenden(int32_t nummer);
// A drop on a stored line-up button: the current line-up is stored as `nummer`. False, with the
// message, when fewer than 11 players stand.
bool Spieler_Einsetzen_Aufstellung_Speichern(int32_t nummer);
// Formation 0..7 copied into stored line-up `nummer`; applied again when it is the applied one.
void Spieler_Einsetzen_Formation_Waehlen(int32_t nummer, int32_t formation);
// "Auf Startwerte zurücksetzen" after the question.
void Spieler_Einsetzen_Aufstellung_Zuruecksetzen();
// The two check items of a stored line-up's menu: 0 "Spieler den Positionen zuordnen", 1
// "Spieler-Anweisungen merken".
void Spieler_Einsetzen_Aufstellung_Option(int32_t nummer, int32_t option);
// After a squad action: the stored formation or the assistant places the players again.
void Spieler_Einsetzen_Nach_Kaderaktion();

// Assistant locks; true while locked. The tactic rows and 1269 follow the tactics assistant, the
// stored line-up buttons and the set switch the line-up assistant.
bool Spieler_Einsetzen_Taktik_Icons_Sperren(int32_t erstes, int32_t letztes);
bool Spieler_Einsetzen_Taktik_Button_Sperren(int32_t icon);
bool Spieler_Einsetzen_Aufstellung_Icons_Sperren();

struct Menue_Icon;
// The mouse-over texts of the stored line-up buttons (1271..1276) and the commitment slider.
const char* Spieler_Einsetzen_Aufstellung_Hilfe(Menue_Icon* icon);
const char* Spieler_Einsetzen_Einsatz_Hilfe(Menue_Icon* icon);
// The room handles' help: what the handle moves, and who keeps the rooms while an assistant sets
// the line-up.
const char* Spieler_Einsetzen_Griff_Hilfe(Menue_Icon* icon);
// A stored line-up button's face: two pixels per field player's centre, the pitch on its side.
void Spieler_Einsetzen_Aufstellung_Bild(Rastport* bild, int32_t nummer);

// The context menu of stored line-up button `nummer` ("Aufstellung ändern:"): the eight formations,
// "Auf Startwerte zurücksetzen" and the two check items; and its item procedure.
struct Menue_Kontextmenue;
Menue_Kontextmenue* Spieler_Einsetzen_Aufstellung_Menue(int32_t nummer);
uint8_t Spieler_Einsetzen_Aufstellung_Menue_Gewaehlt(int32_t eintrag, int32_t nummer, int32_t, int32_t);
