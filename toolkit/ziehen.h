// Drag and drop, and the rockers (value fields with six click zones). A dragged icon stays in
// place while its image follows the pointer; the drop decides whether the target takes it.
#pragma once
#include <cstdint>

struct Rastport;
struct Menue_Icon;
struct Menue_Kontextmenue;
struct Menue_Move_Struktur;

// code 0x40 a movement, 0x80 an accepted drop; x, y the drag image's top-left corner.
using Menue_Zieh_Prozedur = void (*)(Menue_Move_Struktur* move, Menue_Icon* icon, int32_t x,
                                     int32_t y, uint32_t code);
using Menue_Zieh_Start_Prozedur = void (*)(Menue_Icon* icon, uint32_t wert);

// Drag description of a draggable icon.
struct Menue_Move_Struktur {
    int8_t maske;                    // -1 fits every drop type
    uint8_t optionen;
    Menue_Zieh_Prozedur bedienen;
    Menue_Zieh_Start_Prozedur start;
    int16_t bereich[4];              // left = -1: the default area, drops anywhere
    Rastport* bild;
    int16_t slave;
};

// The rocker's state word while a zone is drawn pressed.
constexpr uint16_t WIPPE_GEDRUECKT = 0x1010;

void Menue_Drag_Start(Menue_Icon* icon, int32_t x, int32_t y);
void Menue_Drag_Schritt(int32_t x, int32_t y, int32_t tasten);
// Where the drag image stands (its top-left corner).
void Menue_Zieh_Position(int32_t* x, int32_t* y);
// Ends the drag of the dragged icon; the step's result.
int8_t Menue_Drop(int32_t x, int32_t y);
// The rocker zone 0..5 nearest to the pointer.
int32_t Menue_Wippe_Zone(Menue_Icon* icon, int32_t x, int32_t y);
void Menue_Wippe_Zone_Zeichnen(Menue_Icon* icon, int32_t zone);
// The standard rocker handler: steps the bound value down (flag 1) or up (flag 2), ten times
// the step beyond 26 % of half the width from the centre, a hundred times beyond 52 %
// (toolkit/eingabefeld.cpp).
int32_t Menue_Wippe_Standard(Menue_Icon* icon, uint32_t flags);
// The standard input-field menu of value fields: default, minimum, maximum and up to five
// values in between for fields with a step above 1.
Menue_Kontextmenue* Menue_Eingabefeld_Kontextmenue(Menue_Icon* icon);
uint8_t Menue_Kontext_Eingabefeld_Jump_Call(int32_t zeile, int32_t icon_nr, int32_t wert_a, int32_t wert_b);
// A pressed rocker returns to rest: repeat delay 250, decrement 10, redrawn, state word 0.
void Menue_Wippe_Zuruecksetzen(Menue_Icon* icon);
