// A table column of dorvin_bilanz: a UTF-8 text padded to a width counted in characters, so that
// a name with umlauts (two bytes a letter) keeps the columns after it in line.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

inline size_t Bilanz_Zeichen(std::string_view utf8)
{
    size_t n = 0;
    for (const unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++n;  // continuation bytes belong to the letter before them
    return n;
}

// The text left-aligned in `breite` characters; a longer text stays whole.
inline std::string Bilanz_Spalte(std::string_view utf8, size_t breite)
{
    std::string s(utf8);
    for (size_t n = Bilanz_Zeichen(utf8); n < breite; ++n) s += ' ';
    return s;
}
