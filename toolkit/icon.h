// Icons: the record of every visible element of a menu screen, the static template lists that
// screens are built from, the registry of icon numbers and the 27 priority lists that the
// refresh and the event step walk.
//
// Byte image of a record (savegames), 92 bytes, little-endian:
//    0 i16 number            4 i32 bitmap source      8 u32 flags         12 i16 x   14 i16 y
//   16 word faces            20 4 x i16 area          28 word data        32 word move descriptor
//   36 i8 drop type          37 u8 refresh request    38 u16 state        40 word help text
//   44 i16 help sound        48 word click procedure  52 word refresh procedure
//   56 i8 priority           60 word bitmap           64 u8 scroll screen 65 u8 face colour
//   66 u16 width             68 u16 height            72 word context menu
//   76 word mouse-over       80 i32 glow group        84 i16 linked icon  86 i16 tag 1
//   88 i16 tag 2; the gaps are zero. A "word" of a pointer is 1 when it is set, else 0: no
//   address reaches a file.
#pragma once
#include <cstdint>

struct Rastport;
struct Menue_Icon;
struct Menue_Kontextmenue;
struct Menue_Move_Struktur;

constexpr int32_t ANZ_SCREEN_ICONS = 2701;
constexpr int32_t MAX_SCREEN_ICON_PRIORITY = 26;
constexpr int32_t MENUE_PRIORITAETEN = 27;
constexpr int32_t MENUE_PRIORITAET_SLOTS = 600;

// Procedure slots of an icon. The click procedure gets the click flags (4 left, 8 right, ...),
// the refresh procedure a mode word; the context-menu procedure builds the right-click menu
// (null: none); the mouse-over procedure supplies the help text shown for the icon.
using Menue_Klick_Prozedur = int32_t (*)(Menue_Icon* icon, uint32_t flags);
using Menue_Refresh_Prozedur = int32_t (*)(Menue_Icon* icon, uint32_t wert);
using Menue_Kontext_Prozedur = Menue_Kontextmenue* (*)(Menue_Icon* icon);
using Menue_Mausover_Prozedur = const char* (*)(Menue_Icon* icon);

// Static behaviour bits (flags).
enum : uint32_t {
    ICON_SLAVE_FEST = 0x2,           // slave bitmap, the template's size rules
    ICON_TEXT = 0x4,                 // chain of Menue_Text_Teil in data
    ICON_WERTTEXT = 0x8,             // data is a text printed centred
    ICON_WERTFELD = 0x10,            // rocker; data is a Menue_Wert_Beschreibung
    ICON_SCROLLBUTTON = 0x20,
    ICON_ZIEHBAR = 0x40,
    ICON_KLICK_MARKE = 0x80,         // click flags carry 0x20000000
    ICON_NICHT_TREFFEN = 0x100,      // ignored by the hit test
    ICON_BEREICH_BLEIBT = 0x200,     // survives region clears without their flag 1
    ICON_RECHTS_VERKNUEPFT = 0x400,  // whole-screen drag area; modal right click runs the link
    ICON_NIE_ZEICHNEN = 0x800,
    ICON_RECHTE_TASTE = 0x1000,
    ICON_MAUSOVER_KLICK = 0x2000,
    ICON_BITMAP_FREIGEBEN = 0x4000,
    ICON_KLANG_5 = 0x8000,           // also: never redrawn as a layer over another icon
    ICON_ZEIGER_15 = 0x10000,
    ICON_INFO_ICON = 0x20000,
    ICON_WIPPE_STANDARD = 0x40000,
    ICON_SLAVE = 0x80000,            // slave bitmap, the bitmap's size
    ICON_PIXELGENAU = 0x100000,
    ICON_MAUSOVER_WIEDER = 0x400000,
    ICON_SOFORT = 0x800000,          // help bubble at once, glow in one call
    ICON_EBENE = 0x2000000,          // full-screen layer
    ICON_KEIN_KLICKZEIGER = 0x8000000,
    ICON_KEIN_KLANG = 0x10000000,
    ICON_GESPIEGELT = 0x4000000,     // the picture drawn mirrored left-right
    ICON_WEICHE_BASIS = 0x20000000,  // a blurred copy of the menu background under the picture
};

// Dynamic behaviour bits (state).
enum : uint16_t {
    ICON_VERSTECKT = 0x1,
    ICON_GESPERRT = 0x2,
    ICON_KLANG_6 = 0x4,
    ICON_GLUEHT = 0x8,
    ICON_SCROLL_HINTERGRUND = 0x10,
    ICON_HINTERGRUND_BEHALTEN = 0x40,
    ICON_AUF_SICH_SELBST = 0x80,
    ICON_SPAETER_REFRESH = 0x100,
    ICON_EBENEN_REFRESH = 0x800,
    ICON_GESPERRT_2 = 0x1000,
    ICON_GEDRUECKT = 0x8000,
};

struct Menue_Icon {
    int16_t nummer;                     // 0..2700; -1 ends a template list
    int32_t bitmap_quelle;              // slave number, resource code >= 4000, or -1
    uint32_t flags;
    int16_t x, y;
    const uint16_t* gesichter;          // alternative faces (see Menue_Icon_Blit), null none
    int16_t bereich[4];                 // left, top, right, bottom
    void* daten;
    Menue_Move_Struktur* move;
    int8_t drop_typ;
    uint8_t refresh;                    // refresh request; bits in toolkit/screen.h
    uint16_t status;
    const char* hilfetext;
    int16_t hilfesound;
    Menue_Klick_Prozedur klick;
    Menue_Refresh_Prozedur refresh_prozedur;
    int8_t prioritaet;
    Rastport* bitmap;
    uint8_t scrollscreen;               // 0..22, 255 none
    uint8_t farbe;                      // face colour (UI colour index, 24/25/41 special, 255)
    uint16_t breite, hoehe;
    Menue_Kontext_Prozedur kontext;
    Menue_Mausover_Prozedur mausover;
    int32_t glow_gruppe;
    int16_t verknuepft;                 // linked icon, -1 none
    int16_t kennung_1, kennung_2;       // run-time tags
};

// A template record with the usual defaults: area 0, 0, 640, 480, no scroll screen, no glow
// group, no linked icon, tags -1, no help sound, no drop type; the rest empty.
constexpr Menue_Icon Menue_Icon_Vorlage(int16_t nummer, int32_t quelle, uint32_t flags, int16_t x,
                                        int16_t y, uint16_t breite, uint16_t hoehe,
                                        int8_t prioritaet, uint8_t farbe)
{
    Menue_Icon i{};
    i.nummer = nummer;
    i.bitmap_quelle = quelle;
    i.flags = flags;
    i.x = x;
    i.y = y;
    i.bereich[0] = 0, i.bereich[1] = 0, i.bereich[2] = 640, i.bereich[3] = 480;
    i.drop_typ = -1;
    i.hilfesound = -1;
    i.prioritaet = prioritaet;
    i.scrollscreen = 255;
    i.farbe = farbe;
    i.breite = breite;
    i.hoehe = hoehe;
    i.glow_gruppe = -1;
    i.verknuepft = -1;
    i.kennung_1 = i.kennung_2 = -1;
    return i;
}
// The record that ends a template list.
constexpr Menue_Icon Menue_Icon_Listenende() { return Menue_Icon_Vorlage(-1, -1, 0, 0, 0, 0, 0, 0, 255); }

// Value descriptor of a value field (flag 0x10): the bound variable in one of three forms (any
// may be null), the copies captured when the icon is added, the field's range and the rocker's
// six click zones (offsets from the icon and their pressed pictures; -1 = default).
struct Menue_Wert_Beschreibung {
    float* wert_f32;
    uint32_t* wert_u32;
    uint16_t* wert_u16;
    float kopie_f32;
    uint32_t kopie_u32;
    uint16_t kopie_u16;
    int32_t minimum, maximum, schritt, vorgabe;
    int16_t zone_x[6], zone_y[6];
    int16_t zone_slave[6];
};

// Registry entry of an icon number.
struct Menue_Register_Eintrag {
    Menue_Icon* icon;          // the record registered under the number
    Rastport* bitmap;          // shared by every record of that number
    Rastport* hintergrund;     // the screen area under the icon
    uint8_t gesichert;         // 1 when hintergrund holds it
};

// Start-up: priority lists, colours, slaves, scroll screens, sound effects, the menu
// background and base icons, the template lists; with keep_screen 0 the title picture.
void Menue_Init(uint8_t keep_screen);
// The four template lists Menue_Init registers (null entries are skipped); the screens'
// issues fill them.
extern Menue_Icon* Menue_Init_Vorlagen[4];

// Puts one icon on the screen; an icon whose number is present is only marked for redraw.
void Menue_Screen_Icon_Hinzufuegen(Menue_Icon* icon);
// Removes one icon (by number, or the given record with number -1). Mode 0 leaves the screen,
// 8 draws the saved background back, 16 the menu background.
void Menue_Screen_Icon_Loeschen(int32_t nummer, Menue_Icon* icon, int32_t modus);
void Menue_Icon_Entfernen(Menue_Icon* icon);
void Menue_Icon_Liste_Hinzufuegen(Menue_Icon* liste);
void Menue_Icon_Liste_Entfernen(Menue_Icon* liste, int32_t modus);
void Menue_Icon_Liste_Registrieren(Menue_Icon* liste);
// Gives up the numbers of a list that is no longer on screen and will not come back (a screen
// that stands once, as the new-game start screen): another screen may then use them. Numbers
// that another icon holds, or whose icon is still on screen, stay as they are.
void Menue_Icon_Liste_Abmelden(Menue_Icon* liste);
void Menue_Icon_Liste_Aktiv_Setzen(uint8_t wert, Menue_Icon* liste);
Menue_Icon* Menue_Icon_Liste_Suchen(int32_t nummer, Menue_Icon* liste);
void Menue_Screen_Icon_Aktiv_Setzen(uint8_t wert, int32_t nummer);
uint8_t Menue_Screen_Icon_Ist_Vorhanden(int32_t nummer);
Menue_Icon* Menue_Screen_Icon_Aus_Nummer(int32_t nummer);

// The bitmap the icon draws, created or bound on demand; null when there is none.
Rastport* Menue_Screen_Icon_Bitmap(Menue_Icon* icon);
// The icon blit worker: draws the icon's picture bm at (x, y) on the target by the icon's flags
// and state: its alternative face, a blurred background base, mirrored, the pressed and the two
// disabled looks, tinted by its face colour, else transparent.
void Menue_Icon_Blit_Effekt(Menue_Icon* icon, Rastport* bm, Rastport* ziel, int32_t x, int32_t y);
Rastport* Menue_Screen_Icon_Slave_Rastport(Menue_Icon* icon);
Rastport* Menue_Screen_Icon_Orig_Bitmap(Menue_Icon* icon);
void Menue_Screen_Icon_Orig_Anlegen(Menue_Icon* icon);
// Its kept background made afresh at the icon's present size.
void Menue_Screen_Icon_Orig_Neu(Menue_Icon* icon);
void Menue_Screen_Icon_Hintergrund_Sichern(Menue_Icon* icon);
uint8_t Menue_Screen_Icon_Hintergrund_Wurde_Gesichert(Menue_Icon* icon);
void Menue_Screen_Icon_Hintergrund_Freigeben(Menue_Icon* icon);
void Menue_Einzel_Icon_Speicher_Befreien(Menue_Icon* icon);
// The same for every icon of the registry, in its order.
void Menue_Alle_Icons_Speicher_Befreien();

// Re-initialises an icon from a template with its own data and slave (-1: the template's).
void Menue_Init_Icon(Menue_Icon* icon, const Menue_Icon* vorlage, void* daten, int32_t slave);
void Menue_Init_Icon_Liste(Menue_Icon* liste, const Menue_Icon* vorlage, void* daten, int32_t slave);
// Binds the icon to slave n, or with 0xFFFF to the registry bitmap of its number.
void Menue_Icon_Slave_Rastport_Zuweisen(Menue_Icon* icon, int32_t slave);
// Marks every present, shown slave-text icon (flag 0x2) whose tags match the ones asked for.
void Menue_Icons_Nach_Kennung_Aktiv_Setzen(uint8_t wert, int16_t kennung_1, uint8_t mit_1,
                                           int16_t kennung_2, uint8_t mit_2);

Menue_Icon* Menue_Get_Aktuelles_Icon();
uint8_t Menue_Ist_Modal();

// The registry as it is now (for the savegame and the tests); null for a bad number.
const Menue_Register_Eintrag* Menue_Register(int32_t nummer);
// Forgets every registered record and frees the bitmaps the registry holds (savegame load).
void Menue_Register_Leeren();
// Modal depth: the number of full-screen layer icons on screen.
int8_t Menue_Modal_Tiefe();

// The 92-byte image of a record and its decoded form: the scalars, and per pointer word
// whether it was set.
constexpr uint32_t MENUE_ICON_BYTES = 92;
enum : uint16_t {
    ABBILD_GESICHTER = 0x1, ABBILD_DATEN = 0x2, ABBILD_MOVE = 0x4, ABBILD_HILFETEXT = 0x8,
    ABBILD_KLICK = 0x10, ABBILD_REFRESH = 0x20, ABBILD_BITMAP = 0x40, ABBILD_KONTEXT = 0x80,
    ABBILD_MAUSOVER = 0x100,
};
struct Menue_Icon_Abbild {
    Menue_Icon icon;     // pointer fields null
    uint16_t zeiger;     // ABBILD_* of the words that were set
};
void Menue_Icon_Abbild_Schreiben(const Menue_Icon& icon, uint8_t* bytes);
void Menue_Icon_Abbild_Schreiben(const Menue_Icon_Abbild& abbild, uint8_t* bytes);
// False for a short image (fewer than 92 bytes) or a null argument.
bool Menue_Icon_Abbild_Lesen(const uint8_t* bytes, uint32_t laenge, Menue_Icon_Abbild* abbild);
