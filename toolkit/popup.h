// Popup lists: the small modal menus at the pointer that serve as context menus and selection
// lists. A list shows a title, up to 33 items with pictures, check and radio marks and
// separators, and sub-lists that open to the side; it runs its own loop until it closes, then
// calls the chosen item's procedure and puts the screen back.
#pragma once
#include <cstdint>

struct Rastport;
struct Menue_Kontextmenue;

constexpr int32_t MENUE_KONTEXT_EINTRAEGE = 33;

// Item procedure (item index, value C, value A, value B) and sub-list builder (list, item).
using Popup_Eintrag_Prozedur = uint8_t (*)(int32_t eintrag, int32_t wert_c, int32_t wert_a, int32_t wert_b);
using Popup_Unterliste_Prozedur = Menue_Kontextmenue* (*)(Menue_Kontextmenue* liste, int32_t eintrag);

// List flags.
enum : uint8_t {
    POPUP_WEICH = 0x01,      // soft blur behind the list; else halved and a black frame
    POPUP_AUFROLLEN = 0x02,  // revealed from the top
};

// Item status bits.
enum : uint16_t {
    POPUP_WAEHLBAR = 0x0001,
    POPUP_TRENNER = 0x0002,         // a separator line follows
    POPUP_SOFORT = 0x0004,          // the procedure runs while the list is open
    POPUP_KEIN_HOVER = 0x0008,      // no highlight; not selectable: lighter grey
    POPUP_HAKEN = 0x0010,           // check item
    POPUP_RADIO = 0x0020,           // radio item
    POPUP_GEWAEHLT = 0x0040,        // checked / chosen
    POPUP_BILD_FREIGEBEN = 0x0080,  // the picture is freed when the list closes
    POPUP_BLEIBT = 0x0200,          // the list stays open after the choice
    POPUP_NEU_ZEICHNEN = 0x0400,    // the list is redrawn after the choice
    POPUP_ALLE_AUS = 0x0800,        // the choice clears every mark
    POPUP_GRUPPE_WEITER = 0x1000,   // its separator does not end a radio group
};

// The popup list record; an item exists when its text is set. The list does not own it: a
// builder may keep the marks in a static record between runs.
struct Menue_Kontextmenue {
    uint8_t benutzt;
    Rastport* bilder[MENUE_KONTEXT_EINTRAEGE];
    uint8_t listen_flags;
    const char* titel;
    const char* texte[MENUE_KONTEXT_EINTRAEGE];
    uint16_t status[MENUE_KONTEXT_EINTRAEGE];
    int32_t wert_a[MENUE_KONTEXT_EINTRAEGE];
    int32_t wert_b[MENUE_KONTEXT_EINTRAEGE];
    int32_t wert_c[MENUE_KONTEXT_EINTRAEGE];
    Popup_Eintrag_Prozedur prozeduren[MENUE_KONTEXT_EINTRAEGE];
    Popup_Unterliste_Prozedur unterlisten[MENUE_KONTEXT_EINTRAEGE];
    Popup_Eintrag_Prozedur listen_prozedur;
};

// Shows the list and runs it until it closes: 2 when a chosen item's procedure ran after the
// list closed (or a sub-list's choice closed both), 1 when it closed otherwise (also for no
// list, or when nothing could be shown), 0 when its work bitmaps could not be made.
int32_t Popup_Liste_Ausfuehren(Menue_Kontextmenue* liste);
// Runs a sub-list beside the parent row of the main list (its saved screen and rectangle);
// 2 when its choice closed both lists, else 1.
int32_t Popup_Unterliste_Ausfuehren(Menue_Kontextmenue* liste, Rastport* haupt_gesichert, int32_t haupt_w,
                                    int32_t haupt_h, int32_t haupt_x, int32_t haupt_y);
// The widest text (title and items, with tabs), plus 18 when an item has a picture.
int32_t Popup_Liste_Breite(const Menue_Kontextmenue* liste);
// 13 (32 with a title), plus 13 per item and 8 per separator.
int32_t Popup_Liste_Hoehe(const Menue_Kontextmenue* liste);
// The mark glyph of an item: check 143/144, radio 128/134 (swapped while pressed), else blank.
char Popup_Liste_Zeichen(uint16_t status, uint8_t gedrueckt);
// Draws the list into a bitmap of its size and fills the row tops and item indices of the
// visible rows (33 entries each, -1 behind the last); the number of rows.
int32_t Popup_Liste_Zeichnen(Rastport* bitmap, Menue_Kontextmenue* liste, int32_t* zeilen_y, int32_t* eintraege,
                             int32_t hover);
int32_t Popup_Unterliste_Zeichnen(Rastport* bitmap, Menue_Kontextmenue* liste, int32_t* zeilen_y,
                                  int32_t* eintraege, int32_t hover);
// 12 x 12 copies of the item pictures for the main list (sub 0) or the sub-list; the count.
int32_t Popup_Liste_Bilder_Anlegen(const Menue_Kontextmenue* liste, uint8_t sub);
void Popup_Liste_Bilder_Freigeben(uint8_t sub);
// Frees the item pictures marked 0x0080 and clears them.
void Popup_Liste_Bilder_Aufraeumen(Menue_Kontextmenue* liste);
// The radio and check update of a choice.
void Popup_Liste_Auswahl(Menue_Kontextmenue* liste, int32_t eintrag);
void Popup_Liste_Alle_Aus(Menue_Kontextmenue* liste);

// The simplest item procedure: keeps the chosen item's index in Popup_Wert; 1.
uint8_t Popup_Wert_Merken(int32_t eintrag, int32_t wert_c, int32_t wert_a, int32_t wert_b);
extern int32_t Popup_Wert;

// Where the last list (main list, sub-list) stood on the screen.
struct Popup_Rechteck {
    int32_t x, y, w, h;
};
Popup_Rechteck Popup_Liste_Rechteck(uint8_t sub);
// True while that list is open on the screen.
bool Popup_Liste_Offen(uint8_t sub);
