// Popup lists: the small modal menus at the pointer that serve as context menus and selection
// lists. The list itself comes with its own issue; until then no list is shown.
#pragma once
#include <cstdint>

struct Rastport;
struct Menue_Kontextmenue;

constexpr int32_t MENUE_KONTEXT_EINTRAEGE = 33;

// Item procedure (item index, value C, value A, value B) and sub-list builder (list, item).
using Popup_Eintrag_Prozedur = uint8_t (*)(int32_t eintrag, int32_t wert_c, int32_t wert_a, int32_t wert_b);
using Popup_Unterliste_Prozedur = Menue_Kontextmenue* (*)(Menue_Kontextmenue* liste, int32_t eintrag);

// The popup list record; an item exists when its text is set.
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
// list closed, 1 when it closed otherwise, 0 when its bitmaps could not be made.
int32_t Popup_Liste_Ausfuehren(Menue_Kontextmenue* liste);
