// The icon screen: entering and leaving a manager's turn, the menu background and base icons,
// clearing and marking rectangles, and the refresh that redraws every icon whose refresh request
// is set, in priority order, on the back page.
#pragma once
#include <cstdint>
#include <type_traits>

#include "competitions/spiele.h"
#include "toolkit/icon.h"

struct Rastport;

// Bits of an icon's refresh request.
enum : uint8_t {
    REFRESH_NORMAL = 0x1,
    REFRESH_OHNE_SEITE = 0x2,          // keep the render target (icons inside a scroll screen)
    REFRESH_NICHT_SICHERN = 0x4,       // do not save the background first
    REFRESH_UNTERGRUND = 0x8,          // repaint what lies under the icon first
    REFRESH_HINTERGRUND = 0x10,        // draw the saved background back first
    REFRESH_SICHTBAR = 0x20,           // inside its scroll screen's window without a test
};

// Text descriptor of a slave text icon (flag 0x2).
struct Menue_Icon_Text {
    uint8_t font;
    uint8_t stil;          // 0x1 shadow pass, 0x2 double pass
    int8_t textfarbe;      // UI colour indices
    int8_t hintergrund;
    const char* text;      // null: the number is shown
    int32_t zahl;
};

struct Menue_Text_Teil;
using Menue_Teil_Prozedur = void (*)(Menue_Icon* icon, Menue_Text_Teil* teil);

// One part of the text chain of a text icon (flag 0x4).
enum : uint8_t {
    TEIL_SCHATTEN = 0x01, TEIL_DOPPELT = 0x02, TEIL_ABSOLUT = 0x04, TEIL_PROZEDUR = 0x08,
    TEIL_ZENTRIERT_X = 0x10, TEIL_ZENTRIERT_Y = 0x20,
};
struct Menue_Text_Teil {
    int8_t font;
    uint8_t stil;
    int8_t farbe_an;       // UI colour indices: on, off and a third one
    int8_t farbe_aus;
    int8_t farbe_3;
    const char* text;      // null: the number is shown
    int32_t zahl;
    uint8_t feldbreite;    // field width of the number
    int16_t x, y;
    Menue_Teil_Prozedur prozedur;
    Menue_Text_Teil* naechster;
};

// The menu's state.
struct Menue_Status_Record {
    uint8_t aktiv;            // a manager's turn is shown
    uint8_t runde_laeuft;     // from Menue_Rein until Menue_Raus; saved
    uint8_t wieder_rein;      // set by a savegame load: the event step enters the turn again
    uint8_t gezeigt;          // set by Menue_Rein_Aktuell
    uint8_t hinweise;         // Menue_Rein shows the three start-up notices once
    uint8_t im_menue;
    int32_t team;             // the turn's team; saved
    uint32_t startzeit;       // Timer_Get_Time at the turn's start
    Rastport* hintergrund;    // the 640 x 480 menu background (resource 971)
    uint8_t refresh_tiefe;    // nesting guard of Menue_Screen_Refresh
    uint8_t ebenen_tiefe;     // nesting guard of Menue_Icon_Multilayer_Refresh (40)
    uint8_t spiel_gueltig;    // today's match record below is set
    Spiele_Spiel heutiges_spiel;
};
extern Menue_Status_Record Menue_Status;

constexpr int32_t MENUE_HINTERGRUND_RESSOURCE = 971;
constexpr int32_t MENUE_BASIS_ANZAHL = 19;
// The base icons of the main menu: clubs 701/702, crests 759/760 first.
extern Menue_Icon Menue_Basis_Liste[MENUE_BASIS_ANZAHL + 1];

void Menue_Rein(int32_t team, uint8_t zwingen);
void Menue_Rein_Aktuell(uint8_t zwingen);
void Menue_Screen_Reset(uint8_t hintergrund_zeichnen);
// Ends the turn shown. `zug_folgt`: the caller knows that the next manager's Menue_Rein comes
// before anything shows or reads the back page; its fill is then left to that Menue_Rein, whose
// background overwrites it (Menue_Seite_Fuellen_Nachholen makes it where something else comes
// first after all).
void Menue_Raus(uint8_t zug_folgt = 0);
void Menue_Seite_Fuellen_Nachholen();
void Menue_Beenden();
void Menue_Client_Aktualisieren();
// The picture of the screen at a turn's end (a remote client's menu): it stands in for the menu
// while the client waits for the others and for the next day, and beneath the notices that come
// meanwhile. Zeigen puts it on the back page and the screen (false when none is kept); Zurueck
// does so once and lets it go.
void Menue_Bild_Merken();
bool Menue_Bild_Zeigen();
bool Menue_Bild_Zurueck();
void Menue_Bild_Vergessen();

// Redraws every icon whose refresh request is set; (1, -1, -1, -1, -1) is the whole screen.
// Flag 0x2 waits until the mouse buttons are released.
void Menue_Screen_Refresh(uint8_t flags, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
void Menue_Bereich_Loeschen(uint32_t flags, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
void Menue_Bereich_Aktiv_Setzen(uint32_t flags, uint8_t wert, int32_t x1, int32_t y1, int32_t x2,
                                int32_t y2);
// Menue_Bereich_Aktiv_Setzen with 1, then a refresh of that rectangle.
void Menue_Bereich_Refresh(uint32_t flags, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
void Menue_Icon_Blit(Menue_Icon* icon);
// Repaints what lies under the icon, then draws it.
void Menue_Screen_Icon_Zeichnen(Menue_Icon* icon);
void Menue_Icon_Multilayer_Refresh(Menue_Icon* icon, int32_t erste_prioritaet, uint8_t zwingen);
void Menue_Screen_Icon_Hintergrund_Zeichnen(Menue_Icon* icon);
void Menue_Screen_Icon_Hintergrund_Neu(Menue_Icon* icon);
void Menue_Hintergrund_Zeichnen(uint8_t ueberspringen);
void Menue_Hintergrund_Kopieren(Rastport* ziel, int32_t x, int32_t y, int32_t w, int32_t h,
                                int32_t dx, int32_t dy);
int32_t Menue_Universaler_Text_Refresh(Menue_Icon* icon, uint32_t wert);
// The font slot for a label in a box `breite` pixels wide: `font`, or the condensed font 9 when
// the label is wider in it.
constexpr int32_t MENUE_SCHMAL_FONT = 9;
int32_t Menue_Font_Passend(int32_t font, const char* text, int32_t breite);
// Mode bits: 1 the menu background, 2 the slaves (all with mode 7, else all but the kept
// ones); 7 also every icon's bitmaps. Scroll screens and saved backgrounds always go.
void Menue_Speicher_Befreien(int32_t modus);

// The event step's single hook slot; remove 0 stores, 1 clears.
using Menue_Hook_Prozedur = void (*)(int32_t x, int32_t y, int32_t tasten);
void Menue_Hook_Registrieren(Menue_Hook_Prozedur prozedur, uint8_t entfernen);
extern Menue_Hook_Prozedur Menue_Hook;

// Calls the procedure when it is set.
int32_t Menue_Prozedur_Aufrufen(Menue_Klick_Prozedur prozedur, Menue_Icon* icon, uint32_t flags);
// The twins with one, three and five arguments: the procedure's result, 0 (its type's zero)
// for a null procedure.
template <typename E, typename... P, typename... A>
    requires(sizeof...(P) == sizeof...(A) && (sizeof...(A) == 1 || sizeof...(A) == 3 || sizeof...(A) == 5))
E Menue_Prozedur_Aufrufen(E (*prozedur)(P...), A... argumente)
{
    if constexpr (std::is_void_v<E>) {
        if (prozedur) prozedur(P(argumente)...);
    } else {
        return prozedur ? prozedur(P(argumente)...) : E{};
    }
}
// The bitmap the icon is drawn into (render target or its scroll screen's content bitmap) and
// its position there; null for a null argument.
Rastport* Menue_Blit_Rastport(Menue_Icon* icon, int32_t* x, int32_t* y);

// The icon lies wholly inside its area rectangle (or, in a scroll screen, in its window).
bool Menue_Icon_Ist_Innen(const Menue_Icon* icon);

// Start-up notices of Menue_Rein.
extern const char* const MENUE_HINWEISE[3];
