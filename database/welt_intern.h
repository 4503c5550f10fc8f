// Small checks shared by the database's periodic jobs, finances and blocks.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "database/spieler.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "gameflow/news.h"
#include "platform/print.h"

namespace welt {

inline bool ist_client() { return Netz_Rolle == 1; }
// The jobs are server work; on a pure client they report the access and run on.
inline void client_melden(const char* name)
{
    if (ist_client()) Print_Fehler("Client-Zugriff: %s", name);
}
inline bool team_gueltig(int32_t team) { return T && team >= 0 && team < Team_Anzahl; }
inline bool spieler_gueltig(int32_t spnr) { return Spieler_Daten && spnr >= 0 && spnr < Spieler_Anzahl; }
// Asks for both lines of a record that may straddle two, so that they arrive together.
inline void vorab_laden(const void* p, size_t n)
{
    __builtin_prefetch(p);
    __builtin_prefetch(static_cast<const char*>(p) + n - 1);
}
// A player's records the daily jobs read, asked for ahead of a squad's pass.
inline void spieler_vorab_laden(int32_t spnr)
{
    vorab_laden(&Spieler_Daten[spnr], sizeof(Spieler_Struktur));
    vorab_laden(&Spieler_Fix_Daten[spnr], sizeof(Spieler_Fix));
}
// Clears the first entry of the player in a club's watch list (TEAM_BEOBACHTET_ANZAHL entries).
// A retiring player is taken off every club's list, and hardly any holds him: the list is
// compared eight entries at a time, and only one that holds him is looked through.
inline void beobachtet_streichen(int16_t* liste, int32_t spnr)
{
    if (spnr < INT16_MIN || spnr > INT16_MAX) return;
    using Acht = int16_t __attribute__((vector_size(16)));
    int16_t kopie[32];
    std::memcpy(kopie, liste, sizeof(int16_t) * TEAM_BEOBACHTET_ANZAHL);
    const auto gesucht = static_cast<int16_t>(spnr);
    for (int32_t i = TEAM_BEOBACHTET_ANZAHL; i < 32; ++i) kopie[i] = static_cast<int16_t>(~gesucht);
    Acht teil[4], treffer = {};
    std::memcpy(teil, kopie, sizeof teil);
    for (const Acht& t : teil) treffer |= t == gesucht;
    const Acht null = {};
    if (std::memcmp(&treffer, &null, sizeof treffer) == 0) return;
    for (int32_t i = 0; i < TEAM_BEOBACHTET_ANZAHL; ++i)
        if (liste[i] == gesucht) {
            liste[i] = -1;
            return;
        }
}
inline bool mensch(int32_t team) { return team_gueltig(team) && Team_Hat_Manager(team); }
inline const char* spieler_name(int32_t spnr) { return Spieler_String(SP_VOLLNAME, spnr, nullptr, 0); }
inline const char* team_name(int32_t team) { return Team_String(TEAM_NAME_ROH, team, nullptr, 0); }
inline const char* tage_wort(int32_t n) { return n == 1 ? "Tag" : "Tage"; }
// News to a club with a human manager; computer clubs read none.
inline void melden(int32_t team, const char* text)
{
    if (mensch(team)) News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr, "%s", text);
}

}  // namespace welt
