// The line-up screen's frame: its static gadget list, its state, the background with the team
// ears, the back button, the per-frame refresh with the radar map, the page LEDs and the scroll
// bar of the match-data list. The pitch, the substitutes, the player list and the context menu
// work on the same list and state.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

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
// The instruction page's row pictures (1674-1698), loaded with the screen.
extern Rastport* Screen_Anweisung_Bilder[25];

// Puts the list into its starting state (pictures, flags, callbacks, inactive bits).
void Aufstellung_Liste_Bauen();
// The side to show: a preset side (0, 1) only when it is this PC's club, else this PC's club's
// side (away when both), else home.
int32_t Screen_Seite_Entscheiden(const Spielfeld_Record* r, int32_t seite);
// This PC's own club: the client's, or on a server with its own manager (the lone game too)
// the server's manager's club, as the live view takes it.
int32_t Screen_Eigenes_Team();
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
// The clock box and the radar are drawn afresh on the next refresh (their bitmaps were loaded
// anew).
void Screen_Anzeigen_Vergessen();

// Both ears on the screen, the shown side's highlighted.
void Aufstellung_Ohren_Zeigen();
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
// The instructions and team-talk pages into their frames, with their usable buttons, and the
// buttons' callbacks (each needs the shown side to be this PC's club).
void Screen_Anweisungen_Seite();
void Screen_Motivation_Seite();
// A gadget's picture b at its place on the screen (transparently where its flag says so).
void Screen_Gadget_Zeigen(Btnscreen_Gadget* g, Rastport* b);
// The half-time response curve's box, each frame of the dressing room.
void Screen_Motivation_Kurve(const Spielfeld_Record* r);
void Screen_Motivation_Kurve_Freigeben();
void Anweisung_LB(Btnscreen_Gadget* g);
void Anweisung_RB(Btnscreen_Gadget* g);
void Gilt_Fuer_LB(Btnscreen_Gadget* g);
void Kabine_LB(Btnscreen_Gadget* g);
void Team_Motivation_vs_LB(Btnscreen_Gadget* g);
// The match-data page into its boxes and onto the screen (the scroll bar's offset included).
void Screen_Daten_Seite();

// Whether the record has a new event with all bits of the mask; clearing it.
bool Ereignis_Neu(const Spielfeld_Record* r, uint32_t maske);
void Ereignis_Quittieren(Spielfeld_Record* r);

// ---- the pitch ----
// Tests on a slot of the record.
bool Spieler_Ist_Auf_Feld(const Spielfeld_Record* r, int32_t slot);
// The strength bar's figure of a side: the mean strength of its players on the pitch, as the list
// shows them; the record's figure while none is there.
int32_t Aufstellung_Elf_Staerke(const Spielfeld_Record* r, int32_t seite);
bool Spieler_Ist_Aufgestellt(const Spielfeld_Record* r, int32_t slot);
bool Spieler_Ist_Torwart(const Spielfeld_Record* r, int32_t slot);
// The slot's area (left, top, width, height), defensive and offensive points and area centre in
// screen pixels; each output may be null.
void Feld_Koordinaten_Lesen(const Spielfeld_Record* r, int32_t slot, int32_t* links, int32_t* oben, int32_t* breite,
                            int32_t* hoehe, int32_t* def_x, int32_t* def_y, int32_t* off_x, int32_t* off_y,
                            int32_t* mitte_x, int32_t* mitte_y);
// The shade an area adds: small areas and good players weigh more (factor 15-100 by size).
int32_t Feld_Raum_Gewicht(int32_t spnr, int32_t breite, int32_t hoehe);
// Adds the value to the signed 16-bit map in the rectangle, clipped to the map.
void Feld_Raum_Aufhellen(Rastport* karte, int32_t x, int32_t y, int32_t w, int32_t h, int32_t wert);
// The hovered icon's favourite position in pitch-bitmap pixels as (x << 16) | y; -1 for none
// (no icon, a goalkeeper).
int32_t Feld_Lieblings_Pos(const Spielfeld_Record* r, const Btnscreen_Gadget* icon);
// Mode bits: 1 marks, 2 transparent, 4 plain, 8 cross-faded, 16 the man-marker's figure,
// FELD_KLEIN the figure shrunk to the gadget's height (without the back number).
constexpr int32_t FELD_KLEIN = 32;
void Feld_Spieler_Zeichnen(Btnscreen_Gadget* g, int32_t x, int32_t y, int32_t modus);
// A new bitmap of the pitch icons' size (the caller frees it) holding the player's portrait or,
// without `portrait`, his kit figure in style `stil`; null when none can be made.
Rastport* Feld_Spieler_Bild(int32_t spnr, int32_t team, bool portrait, uint32_t stil, int32_t tiefe);
// The picture made from `bild` (Feld_Spieler_Bild's) shrunk to w x h: the portrait scaled down,
// the shirt made small on its own (the kit colours go in only where the whole picture fits);
// null for no picture.
Rastport* Feld_Spieler_Bild_Klein(Rastport* bild, int32_t spnr, int32_t team, bool portrait, int32_t w, int32_t h);
void Feld_Markierung_Zeichnen(Btnscreen_Gadget* g, int32_t art, int32_t bild);
void Feld_Aufbauen();
void Update_Feld();
void Update_Feld_Mit(Btnscreen_Gadget* icon);
void Draw_Feld(Btnscreen_Gadget* g);
void LB_Feld_Func(Btnscreen_Gadget* g);
void Start_Lieblings_Pos(Btnscreen_Gadget* g);
void Stop_Lieblings_Pos(Btnscreen_Gadget* g);
void Raum_Links_LB(Btnscreen_Gadget* g);
void Raum_Rechts_LB(Btnscreen_Gadget* g);
void Offensiv_LB(Btnscreen_Gadget* g);
void Defensiv_LB(Btnscreen_Gadget* g);
void Portrait_LB(Btnscreen_Gadget* g);
void Gegner_Trikots_LB(Btnscreen_Gadget* g);
void Feld_Drag_Start(Btnscreen_Gadget* g);
void Feld_Drag_Serve(Btnscreen_Gadget* g, int32_t x, int32_t y);
void Feld_Drag_Stop(Btnscreen_Gadget* g);

// ---- substitutes ----
// A slot with a player on the bench whose object is active.
bool Spieler_Ist_Ersatz(const Spielfeld_Record* r, int32_t slot);
int32_t Spieler_Positionsklasse(int32_t spnr);
// The side's substitution list (the change block's in network play): whether the slot stands
// in it, how many come on, the slot's partner (-1 none or at rest), removing its pair, and
// recording a pair in the first free one (aus -1: on without a partner).
bool Auswechsel_Beteiligt(const Spielfeld_Record* r, int32_t slot);
int32_t Auswechsel_Anzahl(const Spielfeld_Record* r, int32_t seite);
int32_t Auswechsel_Partner(const Spielfeld_Record* r, int32_t slot);
int32_t Auswechsel_Stoppen(Spielfeld_Record* r, int32_t slot);
bool Auswechsel_Eintragen(Spielfeld_Record* r, int32_t seite, int32_t ein, int32_t aus);
int32_t Aufgestellte_Zaehlen(const Spielfeld_Record* r, int32_t seite);
uint16_t Staerke_Farbe(const Spielfeld_Record* r, int32_t slot);
// The panel's line for the substitutions left.
const char* Auswechsel_Zeile_Text(int32_t uebrig);
// Its words (its own line break a gap) filled into lines `breite` pixels wide in the font.
std::vector<std::string> Auswechsel_Zeilen_Umbrechen(const char* text, int32_t font, int32_t breite);
// Both substitutes panels again.
void Auswechsel_Zeichnen();
void Auswechsel_Drag_Start(Btnscreen_Gadget* g);
void Auswechsel_Drag_Serve(Btnscreen_Gadget* g, int32_t x, int32_t y);
void Auswechsel_Drag_Stop(Btnscreen_Gadget* g);
bool Auswechsel_Zieht();
void Auswechsel_Zug_Freigeben();
// Test hook: the line each panel prints (side, text).
extern void (*Auswechsel_Text_Hook)(int32_t seite, const char* text);

// ---- the player list and the context menu ----
// The fielded players of the side in list order (class, then slot), at most 11; the count.
int32_t Liste_Spieler(const Spielfeld_Record* r, int32_t seite, int32_t* slots);
void Update_Liste();
void Update_Liste_Variabel();
void Liste_LB(Btnscreen_Gadget* g);
void Liste_Mouse_Over_Start(Btnscreen_Gadget* g);
void Liste_Mouse_Over_Stop(Btnscreen_Gadget* g);
// The widths of the energy (0-10000) and distance (tenths of a metre) bars, 0-30 pixels.
int32_t Liste_Energie_Breite(int32_t energie);
int32_t Liste_Strecke_Breite(int32_t distanz);
// Test hook: every text the list prints (x, y, text with its codes).
extern void (*Liste_Text_Hook)(int32_t x, int32_t y, const char* text);
int32_t Manndeckung_Aufheben(Spielfeld_Record* r, int32_t slot);

// The player's context menu (right click on an icon, a substitute or a row of his own side) and
// its two sub-menus; the choices of the last run (-1 none).
struct Menue_Kontextmenue;
extern int32_t Kontext_Auswahl_Status, Kontext_Auswahl_Aufgaben;
void Spieler_Kontext_Menue(Btnscreen_Gadget* g);
// Fills the main menu for player p in slot t; false (nothing to open) unless the slot is on the
// shown side and that side is this PC's club.
bool Kontext_Menue_Bauen(Menue_Kontextmenue* m, int32_t p, int32_t t);
Menue_Kontextmenue* Kontext_Status_Menue(Menue_Kontextmenue* haupt, int32_t item);
Menue_Kontextmenue* Kontext_Aufgaben_Menue(Menue_Kontextmenue* haupt, int32_t item);
int32_t Kontext_Status_Item(int32_t item, Menue_Kontextmenue* haupt, int32_t p, int32_t t);
int32_t Kontext_Aufgaben_Item(int32_t item, Menue_Kontextmenue* haupt, int32_t p, int32_t t);
// The help texts of the list's gadgets.
void Aufstellung_Hilfetexte_Setzen();
// The opponent whom the slot man-marks (his entry's byte 14 names the slot), -1 none.
int32_t Manndeckung_Suchen(const Spielfeld_Record* r, int32_t slot);
