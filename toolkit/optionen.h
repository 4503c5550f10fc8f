// Options of the whole game (not of one manager), the options menu of a right click on empty
// space, the mailbox button and the menu-display menu of the club icons.
#pragma once
#include <cstdint>

struct Menue_Icon;
struct Menue_Kontextmenue;

// 16 bytes, saved with the game; bytes 4..13 hold the options, the others stay zero.
constexpr int32_t GLOBALE_OPTIONEN_BYTES = 16;
extern uint8_t Globale_Optionen_Bytes[GLOBALE_OPTIONEN_BYTES];
// Modes: 0 day-advance switches (bits 1 and 2), 1 live automatic, 2 live-game duration,
// 3/4 motivation before the match / at half-time, 5 statistics after the match, 6/7/8 corner,
// free-kick and penalty takers chosen by the manager, 9 action control pad.
enum : int32_t {
    OPTION_TAGESWECHSEL = 0, OPTION_LIVE_AUTOMATIK = 1, OPTION_SPIELDAUER = 2, OPTION_MOTIVATION_VOR = 3,
    OPTION_MOTIVATION_HALBZEIT = 4, OPTION_STATISTIK = 5, OPTION_ECKBALL = 6, OPTION_FREISTOSS = 7,
    OPTION_ELFMETER = 8, OPTION_ACTION_PAD = 9,
};
// The option of the mode, sign-extended; 0 for an unknown mode.
int32_t Globale_Optionen(int32_t modus);
// Stores the option of the mode (unknown modes are reported and ignored).
void Globale_Optionen_Setzen(int32_t modus, int32_t wert);
// All options back to their start values.
void Globale_Optionen_Vorbelegen();
// Takes 16 stored bytes over; an option outside its values gets its start value.
void Globale_Optionen_Uebernehmen(const uint8_t* bytes);

// The options menu; null when there is none (no game under way).
Menue_Kontextmenue* Menue_Optionen_Kontextmenue();
// The sub-list of an item of the options menu.
Menue_Kontextmenue* Menue_Optionen_Kontext_Untermenue_Erzeugen(Menue_Kontextmenue* liste, int32_t item);
// "Menü einblenden...", the context menu of the club icons; null on a client or with no game.
Menue_Kontextmenue* Menue_Einblenden_Kontextmenue(Menue_Icon* icon);

// The mailbox icon (761): picture 48 with mail, 49 without, and its help text.
constexpr int32_t MENUE_BRIEFKASTEN = 761;
void Menue_Briefkasten_Icon_Setzen(uint8_t post, uint8_t zeichnen, uint8_t abdunkeln);
// Click procedure of the mailbox icon: the mailbox screen.
int32_t Menue_Briefkasten_Oeffnen(Menue_Icon* icon, uint32_t flags);
// Opens the mailbox by itself when the manager wants it and the main menu is up.
void Menue_Briefkasten_Oeffnen_Pruefen();
Menue_Kontextmenue* Menue_Briefkasten_Kontextmenue(Menue_Icon* icon);
