// Text entry: edits one line of text in a field of the screen and returns when the entry ends.
// It draws its own field (background, selection, text, blinking cursor), reads the key word of
// the window and the mouse directly, and works on the caller's buffer in place. Numbers are
// entered through it too.
#pragma once
#include <cstdint>

struct Font_Record;
struct Rastport;

// Flags.
enum : uint32_t {
    KEY_INPUT_NAME = 0x001,         // letters, space and ' only
    KEY_INPUT_ZAHL = 0x002,         // digits; the text starts as *zahl and is read back into it
    KEY_INPUT_TEXT = 0x004,         // full text characters (also the default)
    KEY_INPUT_ALLES_WAEHLEN = 0x010,
    KEY_INPUT_NUR_RETURN = 0x020,   // only Return ends the entry
    KEY_INPUT_MAUS = 0x080,         // clicks place the cursor, dragging selects, double click a word
    KEY_INPUT_RECHTS_ENDE = 0x100,  // the right button ends the entry
    KEY_INPUT_STANDARD = 0x200,     // margin 4, offset 1, height 14, font 3, blurred background
    KEY_INPUT_ZURUECK = 0x400,      // the untouched background goes back at the end
};

// 1 when the entry ended (the caller reads the text; Escape puts the start text back), 0 for
// unusable arguments (no font or text, size or max_len not positive, w or h not positive, x or
// y negative), -1 when a buffer or bitmap could not be made. A text that does not fit its buffer
// is cut to size - 1 characters; max_len is at most size - 1.
int32_t Key_Input_String(Font_Record* font, char* text, int32_t size, int32_t max_len, uint32_t flags, int32_t x,
                         int32_t y, int32_t w, int32_t h, int32_t margin_x, int32_t offset_y, Rastport* hintergrund,
                         int32_t bx, int32_t by, uint32_t* zahl);
// The key that ended the last entry: 13 Return, 27 Escape, 9 Tab, 0 a click or the window.
extern int32_t Key_Input_Ende;
// The character of a virtual-key code on a German keyboard (shifted digits and OEM keys too);
// 0 for none.
char Key_Input_Zeichen(int32_t code, bool shift);
// Width in pixels of the first n characters; 0 for n <= 0, an empty text or no font.
int32_t Key_Input_Text_Breite(const Font_Record* font, const char* text, int32_t n);
// Swaps the two so that a <= b.
void Key_Input_Bereich_Ordnen(int32_t* a, int32_t* b);
// Pumps the window messages; true when a key code waits.
bool Key_Input_Taste_Vorhanden();
// The waiting key code (a virtual-key code), which it clears; -1 none.
int32_t Key_Input_Taste_Holen();
// The character index under the pointer for a text that starts at feld_x.
int32_t Key_Input_Pos_Aus_X(const Font_Record* font, const char* text, int32_t feld_x);
// The word around the index: from the space before it (0 when none) to the space after it (the
// length when none).
void Key_Input_Wort_Waehlen(int32_t index, const char* text, int32_t* start, int32_t* ende);
