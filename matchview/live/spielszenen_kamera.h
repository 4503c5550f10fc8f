// Pitch geometry shared by the engine and the live view, the projection of pitch centimetres onto
// the background picture and back, direction sectors, the camera that follows the play and the
// small slot tests of the view's panels.
//
// Pitch coordinates: x 0 (home goal line) .. 10800, y 0 .. 6806, z the height, all centimetres.
// The full-size background picture is 2397 x 670 pixels; the screen shows 640 x 480 of it.
#pragma once
#include <cstdint>

struct Spielfeld_Record;
struct Spielfeld_Steuerung_Block;

constexpr int32_t SPIELFELD_MASSE_ANZAHL = 26;
// Length, width, posts, crossbars, spots, areas and the centre circle (index table in the .cpp).
extern int32_t Spielfeld_Masse[SPIELFELD_MASSE_ANZAHL];

struct Rastport;
struct Rle_Sprite;
// One view window of the live match view.
struct Spielszenen_Fenster {
    int32_t spiel;              // game shown, -1 empty
    int32_t sichtbar;           // drawn this frame
    int32_t x, y, breite, hoehe;
    int32_t groesse;            // 0 full, 1 half, 2 quarter
    int32_t seite;              // side controlled at this PC, -1 none
    Spielfeld_Record* record;   // looked up every frame
    int32_t aktiv;              // takes the user's commands (at most one window)
    int32_t eingerichtet;       // set-up state: 0 must be set up, 1 set up
    Rastport* hintergrund;      // the pitch picture at the window's size
    int32_t hintergrund_id;     // its resource number, -1 none
    int32_t kopf_zustand;
    int32_t beide_seiten;       // both sides controlled at this PC
    int32_t taktik_offen;
    int32_t anweisungen_erlaubt;
    int32_t klick_figur;        // pending click on a figure, -1 none
    uint16_t farben[256];       // the record's palette in screen colours
    uint16_t figur_farben[34][256];  // per player slot, then the benches' staff: kit remap, then screen colours
    Rle_Sprite* kopfzeile;      // score panel picture with crests and names
    uint8_t markierung[32];     // 1 clicked, 2 marked, 4 under the mouse, 8 and 16 further marks
    uint32_t schwebe_zeit[32];
    char ticker[256];
    uint32_t ticker_zeit;
    uint8_t standard_offen, tabelle_offen, ereignisse_offen, tabelle_inhalt, tabelle_kompakt;
    // while the window's scene is drawn: the rows at its top its header writes whole later in
    // the frame, where nothing drawn before it is seen (0 outside the scene's drawing)
    int32_t kopf_gedeckt;
};
constexpr int32_t SPIELSZENEN_FENSTER = 4;
// The figure colour table of a side's bench staff (home 32, away 33).
constexpr int32_t SZ_STAB_FARBEN = 32, SZ_FIGUR_FARBEN = 34;
extern Spielszenen_Fenster Spielszenen_Fenster_Liste[SPIELSZENEN_FENSTER];

constexpr int32_t SPIELSZENEN_ANSICHT_MAX_X = 1757;  // picture width minus the screen
constexpr int32_t SPIELSZENEN_ANSICHT_MAX_Y = 190;

void Spielszenen_Spielfeld_Masse_Setzen(int32_t* masse);

// Pitch centimetres to pixels of the full-size picture (mirrored by the record's flag).
int32_t Spielszenen_Feld_Zu_Bild(const Spielfeld_Record* r, float x, float y, float z, int32_t* px, int32_t* py);
// A pixel of the full-size picture at ground level back to pitch centimetres.
int32_t Spielszenen_Bild_Zu_Feld(const Spielfeld_Record* r, int32_t px, int32_t py, int32_t* x, int32_t* y);
// Nearest integer, halves away from zero.
int32_t Spielszenen_Runden(float v);
// atan(dy / dx) in hundredths of a radian; 156 for dx 0.
int32_t Spielszenen_Winkel_Berechnen(float dx, float dy);
// Direction sector 0..7 of the move from (x1, y1) to (x2, y2); 2 for no move.
int32_t Spielszenen_Richtung_Berechnen(float x1, float y1, float x2, float y2);
float Spielszenen_Abstand(float x1, float y1, float x2, float y2);

// One frame of the camera towards the record's target; nothing during a replay or the pause.
void Spielszenen_Kamera_Nachfuehren(Spielfeld_Record* r, const Spielfeld_Steuerung_Block* st, int32_t replay);
// Free scrolling by the mouse at the window's borders while the match day is paused.
void Spielszenen_Kamera_Scrollen(const Spielszenen_Fenster* f, Spielfeld_Record* r, const Spielfeld_Steuerung_Block* st,
                                 int32_t replay);
// The same with the mouse at (mx, my).
void Spielszenen_Kamera_Scrollen_Bei(const Spielszenen_Fenster* f, Spielfeld_Record* r, const Spielfeld_Steuerung_Block* st,
                                     int32_t replay, int32_t mx, int32_t my);
// The camera pass of every visible window.
void Spielszenen_Kameras_Bewegen(const Spielfeld_Steuerung_Block* st, int32_t replay);
// Resource number of the window's background picture.
int32_t Spielszenen_Hintergrund_Id(const Spielszenen_Fenster* f, const Spielfeld_Record* r);

// Panel tests (1 or 0).
int32_t Spielszenen_Slot_Eigene_Seite(const Spielszenen_Fenster* f, int32_t slot);
int32_t Spielszenen_Slot_Im_Wechsel(const Spielfeld_Record* r, int32_t slot);
int32_t Spielszenen_Seite_Hat_Wechsel(const Spielfeld_Record* r, int32_t seite);
int32_t Spielszenen_Seite_Hat_Flag_Kombination(const Spielfeld_Record* r, int32_t seite);
int32_t Spielszenen_Seite_Hat_Karte(const Spielfeld_Record* r, int32_t seite);
// Sorting order of items with a float at byte 76: larger first.
int32_t Spielszenen_Vergleich_Wert(const void* a, const void* b);

// The view's own generator (never the match's): seeded from the record's view seed.
int32_t Spielszenen_Zufall_Starten(const Spielfeld_Record* r);
int32_t Spielszenen_Zufall(int32_t lo, int32_t hi);
