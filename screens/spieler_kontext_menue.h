// The player context menu with its five sub-menus and the instructions, the watch list, centring
// a player in the squad lists, and the small menus of the offer lines.
#pragma once
#include <cstdint>
#include <functional>

struct Menue_Icon;
struct Menue_Kontextmenue;

// The context-menu procedure of every player icon (player number, team number as its tags).
Menue_Kontextmenue* Spieler_Kontext_Menue_Erzeugen(Menue_Icon* icon);
// Sub-menus: items 0..4 of the player menu, and an instruction's options.
Menue_Kontextmenue* Spieler_Kontext_Untermenue_Holen(Menue_Kontextmenue* menue, int32_t eintrag);
Menue_Kontextmenue* Spieler_Kontext_Anweisung_Untermenue_Erzeugen(Menue_Kontextmenue* menue, int32_t eintrag);
// Item procedures (item, icon number, player, team; the instructions: instruction number).
uint8_t Spieler_Kontext_Kader_Call(int32_t eintrag, int32_t icon, int32_t spnr, int32_t team);
uint8_t Spieler_Kontext_Status_Call(int32_t eintrag, int32_t icon, int32_t spnr, int32_t team);
uint8_t Spieler_Kontext_Aufgaben_Call(int32_t eintrag, int32_t icon, int32_t spnr, int32_t team);
uint8_t Spieler_Kontext_Einzeltraining_Call(int32_t eintrag, int32_t icon, int32_t spnr, int32_t team);
uint8_t Spieler_Kontext_Verein_Call(int32_t eintrag, int32_t icon, int32_t spnr, int32_t team);
uint8_t Spieler_Kontext_Zentrieren_Call(int32_t eintrag, int32_t icon, int32_t spnr, int32_t team);
uint8_t Spieler_Kontext_Info_Call(int32_t eintrag, int32_t icon, int32_t spnr, int32_t team);
uint8_t Spieler_Kontext_Beobachten_Call(int32_t eintrag, int32_t icon, int32_t spnr, int32_t team);
uint8_t Spieler_Kontext_Anweisung_Call(int32_t option, int32_t icon, int32_t spnr, int32_t anweisung);
// The options of instruction k for a goalkeeper or a field player; null past the last.
const char* Spieler_Anweisung_Text(bool torwart, int32_t anweisung, int32_t option);

// The player centred last (-1 none).
extern int32_t Spieler_Kontext_Zentriert;
// The centring loop: the icon's top `oben` (height h) is scrolled by steps of `schritt` (at least
// 1) until it lies in the band 177 - h/2 .. 419 - h/2, or the position meets min or max.
// `scrollen` moves to a position and answers the icon's new top. The final position.
int32_t Spieler_Kontext_Zentrieren_Schleife(int32_t oben, int32_t h, int32_t schritt, int32_t position, int32_t min,
                                            int32_t max, const std::function<int32_t(int32_t)>& scrollen);

// The offer lines' menus and the accepting click.
Menue_Kontextmenue* Spieler_Angebot_Kontext_Menue_Erzeugen(Menue_Icon* icon);
uint8_t Spieler_Angebot_Kontext_Menue_Jump(int32_t eintrag, int32_t icon, int32_t spnr, int32_t);
Menue_Kontextmenue* Spieler_Angebot_Ablehnen_Kontext_Menue_Erzeugen(Menue_Icon* icon);
uint8_t Spieler_Angebot_Ablehnen_Kontext_Menue_Jump(int32_t eintrag, int32_t icon, int32_t spnr, int32_t bieter);
int32_t Spieler_Angebot_Annehmen(Menue_Icon* icon, uint32_t flags);
