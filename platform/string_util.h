// Text routines and messages to the managers.
#pragma once
#include <cstdint>
#include <functional>
#include <cstddef>
#include <string>

// Copies s1 into dst (NULL: a new temporary string) and appends s2 unless flag is 1. The
// temporary string holds 399 characters; longer results are cut there.
char* String_Cat(char* dst, const char* s1, const char* s2, int32_t flag);
// A static string of n minus strlen(text) blanks (empty when the text is as long or longer).
const char* String_Pad(const char* text, int32_t n);
// Copies src into dst (NULL: works on src) and removes two characters at a time from the end
// while the text is wider than max_breite pixels in that font; stops at the empty text.
void String_Kuerzen_Pixel(char* src, char* dst, int32_t font_nr, int32_t max_breite);
// The same with any width measure.
void String_Kuerzen_Breite(char* text, int32_t max_breite,
                           const std::function<int32_t(const char*)>& breite);

// Makes a text from outside the program (another PC, a file, the keyboard) plain text, in place:
// '^' would start a code of the marked-up text renderer (a picture, a font, a move) and becomes
// '\x88', the circumflex that looks alike; control characters become blanks. Works up to the
// terminator or n bytes, whichever comes first, and the last of n bytes without a terminator
// becomes one. The number of bytes changed.
int32_t String_Klartext(char* text, size_t n);
// The same for a text that comes with its length and may be read from inside (a chat line from
// its start offset): every byte of the n behind the text's end becomes 0 too.
int32_t String_Klartext_Ganz(char* text, size_t n);
// The same on a copy.
std::string String_Klartext(std::string text);
// The character a text from outside holds in place of a '^'.
constexpr char STRING_KLARTEXT_DACH = '\x88';

// Formats into a temporary string and shows it to every human manager.
void Requester_Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Modal message window addressed to everybody ("An Alle"), 300 x 135 in the middle of the
// screen over a softened copy of it, until a mouse button is pressed.
void Requester_Fenster(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The game shows the texts of Requester_Printf to its managers. Without it they go nowhere.
using Requester_Anzeige = void (*)(const char* text);
void Requester_Set_Anzeige(Requester_Anzeige anzeige);

// Test hook: receives every text of Requester_Printf before it is shown. Empty: removed.
using Requester_Printf_Hook = std::function<void(const std::string&)>;
void Requester_Printf_Set_Hook(Requester_Printf_Hook hook);
