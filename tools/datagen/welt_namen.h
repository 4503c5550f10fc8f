// Names of the generated world, language by language: towns, club and stadium names, first
// names and surnames. Every name is put together from syllables and forms of one language, so
// that a club, its ground and its players read as of one country while no real club, ground or
// person is named. All texts are Windows-1252.
#pragma once
#include <cstdint>
#include <string>

// The builder's own generator (xorshift), so that the world does not depend on the game's
// random state.
struct Welt_Rng {
    uint32_t s;
    explicit Welt_Rng(uint32_t seed) : s(seed ? seed : 0x9E3779B9u) {}
    uint32_t next()
    {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    // lo..hi inclusive; lo when hi <= lo.
    int32_t range(int32_t lo, int32_t hi)
    {
        if (hi <= lo) return lo;
        return lo + static_cast<int32_t>(next() % static_cast<uint32_t>(hi - lo + 1));
    }
};

enum class Welt_Sprache : uint8_t {
    Deutsch, Englisch, Schottisch, Irisch, Italienisch, Spanisch, Portugiesisch, Franzoesisch,
    Niederlaendisch, Flaemisch, Daenisch, Norwegisch, Schwedisch, Tuerkisch, Griechisch, Polnisch,
    Russisch, Tschechisch, Kroatisch, Ungarisch, Japanisch, Koreanisch, Nigerianisch, Ghanaisch,
    Kamerunisch,
};
constexpr int WELT_SPRACHEN = 25;

// Team lists print a club's name in font slot 3 within this many pixels; the reader cuts any
// longer name one character at a time.
constexpr int32_t WELT_NAME_PIXEL = 115;

// Whether the language has towns, club and stadium forms (only those of nations with leagues).
bool Welt_Sprache_Hat_Vereine(Welt_Sprache s);

// An invented town of at most 14 characters (callers keep towns unique).
std::string Welt_Ort(Welt_Rng& r, Welt_Sprache s);

// A club name of the town in one of the language's forms that fits 23 characters and
// WELT_NAME_PIXEL pixels; "" when no form fits this town.
std::string Welt_Vereinsname(Welt_Rng& r, Welt_Sprache s, const std::string& ort);

// The club's ground, at most 29 characters; "" when no form fits this town.
std::string Welt_Stadionname(Welt_Rng& r, Welt_Sprache s, const std::string& ort);

// A surname of at most max_len characters. Staff, whose full names are shown, ask for a long
// one (with a middle syllable where the language builds them so).
std::string Welt_Nachname(Welt_Rng& r, Welt_Sprache s, size_t max_len, bool lang);
std::string Welt_Vorname(Welt_Rng& r, Welt_Sprache s);

// Width of a Windows-1252 text in pixels in font slot 3, measured with the font that the data
// builder rasterises for the game (a rough estimate when the font cannot be made).
int32_t Welt_Text_Breite(const std::string& text);
