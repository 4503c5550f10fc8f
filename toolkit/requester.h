// The modal message box of the menus: a frame with the addressed manager's name, the message
// and one or two buttons over the current screen, while a nested event loop runs until a
// button removes it. It answers yes at once when nobody at this machine could answer.
#pragma once
#include <cstdint>

struct Menue_Icon;

// Icon numbers of the requester.
enum : int16_t {
    REQ_JA = 718, REQ_NEIN = 719, REQ_OK = 720, REQ_FUELLER = 768, REQ_WAPPEN = 767, REQ_BILD = 766,
    REQ_RAHMEN = 717,
};
// The requester's icon list (buttons, crest, picture, frame).
extern Menue_Icon Menue_Requester_Liste[8];

// type 0: message with one button (sound 3); 1: message with one button (sound 4); 2: question
// with yes and no. team: the club whose manager is addressed, -1 whoever acts. yes_text labels
// the yes/single button, no_text the no button (their help texts; NULL: standard labels).
// anonymous 1 greets with "Lieber Manager !" and hides the crests. Result 1 for yes or when
// nobody here can answer; 0 for no, a message's button, or a loop ended without a button.
// Escape or a press of the right button leaves the box as its default button does (no, or a
// message's button), without answering: the result is 0 and Menue_Requester_Abgebrochen() true.
uint8_t Menue_Requester(int32_t type, int32_t team, const char* message, const char* yes_text,
                        const char* no_text, uint8_t anonymous);
// True when the last requester was left with Escape or the right button rather than a button of
// its own, so that a caller showing a row of them can stop there.
bool Menue_Requester_Abgebrochen();
// Forgets that the last box was left so: for callers whose box may not come up at all.
void Menue_Requester_Abbruch_Vergessen();
// Runs the event step until the icon leaves the screen; true when it left normally.
bool Menue_Modal_Schleife(int32_t nummer);
// True while such a loop runs: the screen beneath a modal box takes no input then (its event
// hook sees none).
bool Menue_Modal_Schleife_Aktiv();
int32_t Menue_Requester_Klick(Menue_Icon* icon, uint32_t flags);
int32_t Menue_Requester_Zeichnen(Menue_Icon* icon, uint32_t wert);

// Test hook: answers in place of the message box and sees its texts (null: the box runs);
// MENUE_REQUESTER_ABBRUCH answers as a box left with Escape.
constexpr uint8_t MENUE_REQUESTER_ABBRUCH = 0xFF;
using Menue_Requester_Anzeige = uint8_t (*)(int32_t type, int32_t team, const char* message, const char* yes_text,
                                            const char* no_text);
void Menue_Requester_Set_Anzeige(Menue_Requester_Anzeige anzeige);
