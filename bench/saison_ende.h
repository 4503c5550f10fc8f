// The day a season run through the program must end on. Two managers end a day with every
// second turn, so `zuege` turns from the first day lead to day zuege / 2. A run that ends before
// it lost clicks on the way (its time would pass for a whole season's), and one that ends after it
// ended turns the script never gave; either measures something else than the season asked for.
#pragma once
#include <cstdint>
#include <string>

// "" when the savegame's day `tag` is the one `zuege` turns lead to (-1: no savegame read);
// otherwise what went wrong, in German.
inline std::string Saison_Ende_Fehler(int32_t tag, int zuege)
{
    const int32_t soll = zuege / 2;
    if (tag < 0) return "kein lesbarer Spielstand am Ende";
    if (tag != soll) return "das Spiel endete an Tag " + std::to_string(tag) + " statt an Tag " + std::to_string(soll);
    return "";
}
