// Word wrap with German hyphenation: a long marked-up text printed line by line into a box.
// The layout keeps its state in this module between its calls, so it serves one text at a time.
#pragma once
#include <cstdint>

#include "graphics/font.h"

// Layout flags.
constexpr uint8_t TEXT_ZENTRIERT = 1;    // centre each line (clear: left-aligned)
constexpr uint8_t TEXT_Y_ZURUECK = 2;    // after a line below y 93, move up by 7
constexpr uint8_t TEXT_BLOCKSATZ = 4;    // justify by widening the gaps
constexpr uint8_t TEXT_TRENNEN = 8;      // hyphenate

// Modes of Text_Zeilen_Layout.
constexpr int32_t TEXT_WORT = 0;
constexpr int32_t TEXT_START = 1;
constexpr int32_t TEXT_ABSCHLUSS = 2;

constexpr int32_t TEXT_WORT_PUFFER = 400;
constexpr int32_t TEXT_ZEILE_PUFFER = 1000;

extern const char Text_Vokale[18];
constexpr int TEXT_AUSNAHMEN = 34;
// Letter groups a hyphen must not cut.
extern const char* const Text_Trenn_Ausnahmen[TEXT_AUSNAHMEN];

// Prints text between left and right from top y downwards, stopping at bottom (0: no limit);
// returns the baseline below the last printed line. A leading '#' forces left alignment; in the
// text, CR "#m" centres the following lines, CR "#l" left-aligns them, "^l" and CR break lines.
int32_t Text_Umbruch_Ausgeben(Rastport* bitmap, Font_Record* font, const char* text,
                              int32_t left, int32_t right, int32_t y, int32_t bottom,
                              uint32_t colour, uint8_t flags);
// Cuts the text into words and feeds them to the layout.
void Text_Absatz_Umbrechen(Rastport* bitmap, const char* text, int32_t width, uint32_t colour);
// TEXT_START takes flags, x and y and empties the line; TEXT_WORT adds a word; TEXT_ABSCHLUSS
// prints the pending line. Returns the current y.
int32_t Text_Zeilen_Layout(Rastport* bitmap, const char* word, int32_t width, int32_t x,
                           int32_t y, int32_t mode, uint8_t flags, uint32_t colour);

// Split position p (the left part is word[0..p]) for a line already line_width wide in a box of
// width L, or -1: the rightmost of the word's own hyphens that fits, else a syllable. "ck" split
// between c and k becomes "k-" / "k..." (word is changed).
int32_t Text_Trennstelle_Suchen(char* word, int32_t line_width, int32_t L);
// A split after p is allowed when both parts have two letters and a vowel, the right part does
// not start with a vowel, and no group of Text_Trenn_Ausnahmen is cut. The right part ends at last.
// At the seam of a compound with a known second word the split is allowed before its vowel, and
// one letter beside the seam it is refused. Between hyphens of the word each side of the split
// needs a vowel of its own.
bool Text_Silbe_Trennbar(const char* word, int32_t p, int32_t last);
// No exception group standing in the consonants left of the split is cut by it.
bool Text_Trennung_Erlaubt(const char* word, int32_t p);
bool Text_Hat_Vokal(const char* text, int32_t n);
bool Text_Ist_Vokal(char c);
// Width with the layout font of the first n characters.
int32_t Text_Breite_Bis(const char* text, int32_t n);
// Inserts a blank at position, moving the rest with its terminator one place right.
void Text_Leerzeichen_Einfuegen(char* text, int32_t position);
// Prints one finished line in the colour (the line is printed as text, never as a format).
void Text_Zeile_Ausgeben(Rastport* bitmap, const char* line, int32_t x, int32_t y, uint32_t colour);
void Text_Zeile_Zentriert(Rastport* bitmap, const char* line, int32_t left, int32_t right,
                          int32_t y, uint32_t colour);
