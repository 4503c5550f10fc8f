// Gadget-list screens: a simpler screen driver beside the icon system for full screens such as
// the start menu and the match's line-up screen. A screen is a linked list of gadgets in static
// data; the driver loads the bitmaps of the gadgets of the wanted mode, draws them and then
// steps once per frame: hover glow, mouse-over procedures, help bubble and spoken help after a
// rest, click procedures with a click sound, and dragging.
#pragma once
#include <cstdint>

struct Rastport;
struct Btnscreen_Gadget;

using Btnscreen_Prozedur = void (*)(Btnscreen_Gadget* gadget);
using Btnscreen_Zieh_Prozedur = void (*)(Btnscreen_Gadget* gadget, int32_t x, int32_t y);
using Btnscreen_Text_Prozedur = const char* (*)(Btnscreen_Gadget* gadget, int32_t unbenutzt);

// Flag A.
enum : uint8_t {
    BTN_A_GLUEHT = 0x01,
    BTN_A_ZEIGER = 0x02,
    BTN_A_HILFE = 0x04,
    BTN_A_GROESSE_AUS_BILD = 0x10,
    BTN_A_INIT = 0x20,
    BTN_A_SICHTBAR = 0x40,
    BTN_A_KOPIE = 0x80,
};
// Flag B.
enum : uint8_t {
    BTN_B_ZIEHBAR = 0x01,
    BTN_B_OHNE_BILD = 0x02,
    BTN_B_UEBER = 0x10,
    BTN_B_ZWEITES_BILD = 0x20,
    BTN_B_TRANSPARENT = 0x40,
};
// State flags.
enum : uint32_t {
    BTN_HILFE_GEZEIGT = 0x01,
    BTN_GEZOGEN = 0x02,
    BTN_INAKTIV = 0x04,
    BTN_MAUSOVER = 0x08,
};

constexpr int32_t BTNSCREEN_SOUNDS = 5;
constexpr int32_t BTNSCREEN_HIGHLIGHT_MAX = 9;
constexpr uint32_t BTNSCREEN_HILFE_PAUSE = 2000;
constexpr uint32_t BTNSCREEN_SPRACHE_PAUSE = 4000;

struct Btnscreen_Gadget {
    int32_t x, y;
    int32_t w, h;
    int32_t resfile;    // slot of the standard resource files, < 0 none
    int32_t resource;   // bitmap entry, < 0 none
    uint8_t flag_a;
    uint8_t flag_b;
    uint16_t frei_0;
    uint32_t zustand;
    uint32_t frei_1;
    uint32_t hover_zeit;  // frame time the pointer came to rest over it, 0 when not over it
    int32_t zeiger;
    uint32_t frei_2;
    int32_t hilfe_sound;  // spoken help number, <= 0 none
    uint32_t benutzer[3]; // the owner's words
    int32_t klick_sound;  // slot of the sound table, played on a left click
    uint32_t frei_3[2];
    Btnscreen_Prozedur links;
    Btnscreen_Prozedur rechts;
    Rastport* bitmap1;
    Rastport* bitmap2;
    uint32_t frei_4;
    Btnscreen_Prozedur init;
    Btnscreen_Prozedur zieh_start;
    Btnscreen_Zieh_Prozedur zieh_bedienen;
    Btnscreen_Prozedur zieh_stop;
    Btnscreen_Gadget* verbunden;  // glows together with this one
    uint32_t modus;               // belongs to a run of mode m when (modus & m) == m
    Btnscreen_Gadget* next;
    int32_t prioritaet;
    Btnscreen_Text_Prozedur hilfetext;
    uint32_t frei_5;
    uint8_t highlight;            // glow step 0..9
    Btnscreen_Prozedur mausover_start;
    Btnscreen_Prozedur mausover_stop;
};

// The frame time of the current step; the loop that runs the step sets it first.
extern uint32_t Screen_Frame_Zeit;

// Loads the bitmaps of the mode's gadgets and the click sounds; 0 with nothing left loaded when
// a bitmap cannot be had.
int32_t Btnscreen_Laden(Btnscreen_Gadget* liste, uint32_t modus);
int32_t Btnscreen_Freigeben(Btnscreen_Gadget* liste, uint32_t modus);
void Btnscreen_Init_Callbacks(Btnscreen_Gadget* liste);
// Page 0 or 1.
void Btnscreen_Zeichnen(Btnscreen_Gadget* liste, uint32_t seite);
void Btnscreen_Schritt(Btnscreen_Gadget* liste);
// Runs the screen until the right button or the end of the program; 0 when it could not load.
int32_t Btnscreen_Ausfuehren(Btnscreen_Gadget* liste, uint32_t modus);
void Btnscreen_Hover_Loeschen(Btnscreen_Gadget* liste);
// Plays the sound of the slot panned to screen x (x < 0: the centre).
int32_t Btnscreen_Sound(int32_t slot, int32_t x);
void Btnscreen_Hilfe_Schliessen();
