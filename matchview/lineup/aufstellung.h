// The line-up screen's frame: its static gadget list, its state, the background with the team
// ears, the back button, the per-frame refresh with the radar map, the page LEDs and the scroll
// bar of the match-data list. The pitch, the substitutes, the player list and the context menu
// work on the same list and state.
#pragma once
#include <cstdint>

struct Btnscreen_Gadget;
struct Rastport;
struct Spielfeld_Record;
struct Spielfeld_Steuerung_Block;

constexpr int32_t AUFSTELLUNG_GADGETS = 102;
// Gadget numbers in list order.
enum : int32_t {
    AG_HINTERGRUND = 0, AG_FELD = 1, AG_GRIFF = 2, AG_HEIM_ICON = 8, AG_GAST_ICON = 19, AG_RAUM_LINKS = 30,
    AG_RAUM_RECHTS = 31, AG_GEGNER = 32, AG_PORTRAIT = 33, AG_DEFENSIV = 34, AG_OFFENSIV = 35, AG_OHR_LINKS = 36,
    AG_OHR_RECHTS = 37, AG_ZURUECK = 38, AG_HEIM_BANK = 39, AG_HEIM_WECHSEL = 44, AG_GAST_BANK = 45,
    AG_GAST_WECHSEL = 50, AG_RADAR = 51, AG_HEIM_BANK_TAFEL = 52, AG_GAST_BANK_TAFEL = 53, AG_LISTE_TAFEL = 54,
    AG_LISTE = 55, AG_UHR = 66, AG_DIODE = 67, AG_ANWEISUNG_RAHMEN = 71, AG_ANWEISUNG = 72, AG_KABINE_RAHMEN = 77,
    AG_KABINE = 78, AG_TADEL = 88, AG_LOB = 89, AG_VORGABE_RAHMEN = 90, AG_VORGABE = 91, AG_PAUSE = 96,
    AG_DATEN_UNTEN = 97, AG_DATEN_OBEN = 98, AG_SCHIENE = 99, AG_KNOPF = 100, AG_GILT_FUER = 101,
};
// Types of player gadgets (user word 2).
enum : uint32_t { TYP_ICON = 1000, TYP_GRIFF = 1001, TYP_BANK = 1002, TYP_ZEILE = 1003 };
// Pages.
enum : uint32_t { PAGE_DATEN = 0, PAGE_AUFSTELLUNG = 1, PAGE_STATISTIK = 2, PAGE_MOTIVATION = 3 };

extern Btnscreen_Gadget Aufstellung_Liste[AUFSTELLUNG_GADGETS];
extern uint32_t Screen_Page;
extern int32_t Screen_Auswahl_Slot;
extern Btnscreen_Gadget* Screen_Hover_Icon;
extern Btnscreen_Gadget* Screen_Edit_Icon;
extern int32_t Screen_Letzter_Seitenwechsel;
extern Rastport* Screen_Markenbilder[6];
extern Rastport* Screen_Energie_Bilder[2];
extern Rastport* Screen_Motivation_Bilder[2];

// Puts the list into its starting state (pictures, flags, callbacks, inactive bits).
void Aufstellung_Liste_Bauen();
// The side to show: a preset side (0, 1) only when it is this PC's club, else this PC's club's
// side (away when both), else home.
int32_t Screen_Seite_Entscheiden(const Spielfeld_Record* r, int32_t seite);
// Whether the shown side is this PC's club (every change on the screen needs it).
bool Screen_Eigene_Seite();

void Draw_HG_Func(Btnscreen_Gadget* g);
void Ohr_Links_LB(Btnscreen_Gadget* g);
void Ohr_Rechts_LB(Btnscreen_Gadget* g);
void Zurueck_LB(Btnscreen_Gadget* g);
void Zurueck_Mouse_Over_Start(Btnscreen_Gadget* g);
void Zurueck_Mouse_Over_Stop(Btnscreen_Gadget* g);
void Auswechsel_Titel_Init(Btnscreen_Gadget* g);
void Liste_Kopf_Init(Btnscreen_Gadget* g);
// Per frame, with the match day's control block or none.
void Screen_Refresh(Spielfeld_Steuerung_Block* st);
void Screen_Minikarte();
// The screen's own bitmaps (not the gadgets').
void Screen_Bilder_Freigeben();

// The header again for a new record in Screen_Record (side, ears, strength strips).
void Aufstellung_Kopf_Neu();

// Page LEDs and the page switch.
void Screen_Diode_LB(Btnscreen_Gadget* g);
void Screen_Diode_Update();
void Scroll_Start(Btnscreen_Gadget* g);
void Scroll_Serve(Btnscreen_Gadget* g, int32_t x, int32_t y);
void Scroll_Stop(Btnscreen_Gadget* g);
void Pause_Schalter_LB(Btnscreen_Gadget* g);
void Liste_Slot_Waehlen(int32_t slot);
// The match-data list's height at its last draw and the first row it shows.
extern int32_t Screen_Daten_Liste_Hoehe, Screen_Scroll_Versatz;
// The match-data page into its boxes and onto the screen (the scroll bar's offset included).
void Screen_Daten_Seite();

// Whether the record has a new event with all bits of the mask; clearing it.
bool Ereignis_Neu(const Spielfeld_Record* r, uint32_t maske);
void Ereignis_Quittieren(Spielfeld_Record* r);

// The pitch, the substitutes and the player list, redrawn by the page switch and the refresh.
void Feld_Aufbauen();
void Update_Feld();
void Update_Liste();
void Update_Liste_Variabel();
void Auswechsel_Zeichnen();
void Draw_Feld(Btnscreen_Gadget* g);
