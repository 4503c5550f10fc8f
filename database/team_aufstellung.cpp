// Line-ups of a team by number: a managed club's stored line-ups, else the built-in formations.
#include <cstring>

#include "database/assistent.h"
#include "database/manager.h"
#include "gameflow/globals.h"
#include "match/spieltag.h"
#include "database/team.h"
#include "platform/print.h"
#include "screens/spielervergleich.h"

const Team_Formation Team_Formationen[TEAM_FORMATIONEN] = {
    // 5 - 4 - 1 (extrem defensiv)
    {{16, 3, 7, 13, 10, 8, 7, 3, 22, 8, 4, 11, 16, 13, 15, 8, 4, 5, 3, 8},
     {7, 0, 25, 6, 8, 3, 24, 2, 0, 10, 14, 16, 3, 13, 13, 13,
      3, 4, 17, 12, 6, 8, 16, 8, 0, 0, 14, 6, 2, 3, 13, 3,
      18, 4, 26, 12, 20, 8, 25, 8, 1, 7, 7, 15, 2, 10, 6, 11,
      7, 10, 25, 16, 8, 13, 24, 14, 7, 4, 23, 12, 8, 8, 22, 8,
      1, 2, 7, 8, 1, 5, 7, 5, 0, 5, 6, 11, 1, 8, 5, 8}},
    // 4 - 5 - 1 (sehr defensiv)
    {{22, 8, 12, 8, 18, 12, 6, 3, 18, 4, 7, 8, 13, 13, 13, 3, 3, 8, 6, 13},
     {19, 4, 25, 12, 19, 8, 25, 8, 8, 5, 17, 11, 8, 8, 17, 8,
      10, 9, 26, 15, 14, 12, 26, 12, 1, 0, 11, 6, 3, 5, 10, 3,
      10, 1, 26, 7, 14, 5, 25, 4, 1, 4, 13, 12, 4, 8, 10, 8,
      4, 10, 22, 16, 7, 12, 20, 13, 4, 0, 22, 6, 8, 4, 20, 3,
      0, 4, 6, 12, 1, 8, 5, 8, 2, 10, 10, 16, 3, 12, 9, 13}},
    // 5 - 3 - 2 (defensiv)
    {{6, 2, 6, 14, 3, 8, 5, 10, 13, 2, 22, 11, 13, 14, 12, 8, 5, 6, 22, 5},
     {0, 0, 12, 4, 2, 3, 11, 3, 0, 12, 12, 16, 2, 13, 11, 13,
      0, 4, 6, 12, 2, 8, 5, 8, 0, 7, 10, 13, 3, 10, 9, 10,
      5, 0, 21, 4, 6, 3, 21, 2, 18, 8, 26, 14, 18, 11, 25, 10,
      5, 12, 21, 16, 6, 13, 21, 14, 5, 3, 19, 13, 8, 8, 19, 8,
      0, 3, 10, 9, 3, 6, 9, 6, 18, 2, 26, 8, 18, 5, 25, 6}},
    // 4 - 4 - 2 (normal)
    {{16, 14, 12, 11, 23, 12, 16, 2, 6, 2, 23, 4, 6, 14, 12, 5, 4, 6, 4, 10},
     {6, 12, 26, 16, 10, 13, 23, 15, 4, 8, 20, 14, 8, 11, 17, 11,
      20, 9, 26, 15, 20, 12, 26, 11, 6, 0, 26, 4, 10, 3, 24, 2,
      2, 0, 10, 4, 2, 2, 9, 3, 20, 0, 26, 8, 20, 4, 25, 6,
      2, 12, 10, 16, 2, 14, 9, 13, 4, 2, 20, 8, 8, 5, 18, 5,
      0, 3, 8, 9, 1, 6, 7, 5, 1, 7, 7, 13, 1, 10, 7, 10}},
    // 5 - 2 - 3 (normal)
    {{14, 4, 14, 12, 20, 13, 8, 2, 20, 3, 23, 8, 8, 14, 6, 11, 6, 5, 4, 8},
     {6, 0, 22, 8, 9, 5, 20, 5, 6, 8, 22, 16, 10, 11, 20, 11,
      14, 10, 26, 16, 16, 13, 26, 12, 1, 0, 15, 4, 2, 2, 15, 1,
      14, 0, 26, 6, 16, 3, 26, 4, 20, 3, 26, 13, 21, 8, 25, 8,
      0, 12, 16, 16, 1, 14, 16, 15, 0, 8, 12, 14, 3, 11, 10, 11,
      0, 1, 12, 9, 3, 5, 10, 5, 0, 4, 8, 12, 2, 8, 7, 8}},
    // 4 - 3 - 3 (offensiv)
    {{11, 8, 21, 12, 16, 13, 16, 3, 7, 2, 21, 4, 24, 8, 7, 14, 5, 6, 5, 10},
     {5, 4, 17, 12, 5, 8, 17, 8, 17, 8, 25, 16, 18, 12, 24, 10,
      8, 10, 24, 16, 11, 12, 23, 12, 8, 0, 24, 6, 12, 4, 23, 5,
      1, 0, 13, 4, 5, 3, 11, 4, 17, 0, 25, 8, 18, 3, 24, 6,
      22, 4, 26, 12, 22, 8, 26, 8, 1, 12, 13, 16, 5, 13, 11, 13,
      0, 2, 10, 10, 3, 7, 10, 7, 0, 7, 10, 13, 3, 9, 10, 9}},
    // 3 - 4 - 3 (sehr offensiv)
    {{15, 14, 12, 11, 21, 13, 15, 2, 4, 3, 21, 3, 23, 8, 12, 5, 6, 8, 4, 13},
     {8, 12, 22, 16, 8, 14, 22, 14, 7, 7, 17, 15, 8, 10, 15, 11,
      17, 10, 25, 16, 17, 12, 25, 12, 7, 0, 23, 4, 7, 2, 23, 2,
      0, 0, 8, 6, 2, 6, 8, 3, 17, 0, 25, 6, 17, 4, 25, 4,
      20, 5, 26, 11, 20, 8, 25, 8, 7, 0, 17, 10, 7, 7, 17, 5,
      1, 5, 11, 11, 2, 8, 8, 8, 0, 10, 8, 16, 2, 10, 7, 13}},
    // 3 - 3 - 4 (extrem offensiv)
    {{22, 10, 11, 8, 21, 13, 15, 4, 4, 3, 21, 3, 22, 6, 4, 13, 15, 12, 6, 8},
     {18, 8, 26, 12, 19, 10, 26, 11, 6, 3, 16, 13, 9, 8, 16, 8,
      17, 11, 25, 15, 18, 13, 24, 13, 10, 0, 20, 8, 11, 4, 19, 4,
      0, 0, 8, 6, 1, 5, 8, 3, 17, 0, 25, 6, 17, 3, 25, 3,
      18, 4, 26, 8, 18, 6, 26, 5, 1, 10, 7, 16, 1, 11, 7, 13,
      10, 8, 20, 16, 11, 12, 17, 12, 1, 5, 11, 11, 2, 8, 9, 8}},
};

namespace {

Team_Pokale_Beobachter pokale_beobachter = nullptr;

}  // namespace

void Team_Set_Pokale_Beobachter(Team_Pokale_Beobachter b) { pokale_beobachter = b; }

void Team_Pokale_Icons_Zuordnen(int32_t team)
{
    if (pokale_beobachter) pokale_beobachter(team);
    // Only a human manager sees the comparison screen.
    if (team >= 0 && team < Team_Anzahl && Team_Hat_Manager(team)) Spieler_Spielervergleich_Pokale_Den_Icons_Zuordnen(team);
}

void Team_Aufstellungsarray(int32_t team, int32_t satz, int32_t nummer, uint8_t* aus, int16_t* spieler,
                            uint16_t* taktik)
{
    if (!T_Fix || team < 0 || team >= Team_Anzahl) {
        Print_Fehler("Team_Aufstellungsarray: falsche teamnr %d!", team);
        return;
    }
    Manager_Struktur* m = T_Fix[team].manager;
    const int32_t max = m ? 5 : TEAM_FORMATIONEN - 1;
    if (!aus || satz < 0 || satz > 1 || nummer < 0 || nummer > max) {
        Print_Fehler("Team_Aufstellungsarray: modus || aufstnr || adr falsch!");
        if (!aus || nummer < 0 || nummer > max) return;
        satz = 0;
    }
    if (!m) {
        std::memcpy(aus, Team_Formationen[nummer].plaetze, 20);
        std::memcpy(aus + 20, Team_Formationen[nummer].bereiche, 80);
        return;
    }
    auto* s = static_cast<const Manager_Aufstellungssatz*>(Manager_Zeiger(301 + satz, m, nullptr, 0));
    std::memcpy(aus, s->plaetze[nummer], 20);
    std::memcpy(aus + 20, s->bereiche[nummer], 80);
    if (spieler) std::memcpy(spieler, s->spieler[nummer], sizeof s->spieler[nummer]);
    if (taktik) std::memcpy(taktik, s->taktik[nummer], sizeof s->taktik[nummer]);
}

void Team_Sofort_Neu_Aufstellen(int32_t team, int32_t flags)
{
    if (Netz_Rolle == 1 && team != Aktuelles_Team) Print_Fehler("Client-Zugriff: Team_Sofort_Neu_Aufstellen");
    int32_t auswaerts = 0, wichtigkeit = 0;
    const int32_t gegner = Spieltag_Get_Gegner(team, &auswaerts, &wichtigkeit, nullptr, nullptr);
    // with a game the match's importance is the target figure, without one an even 50 at home
    const int32_t ziel = gegner >= 0 ? wichtigkeit : 50;
    if (gegner < 0) auswaerts = 0;
    Assi_Mannschaftsaufstellung(team, gegner, flags, auswaerts, ziel, -1, false);
}

void Team_Auto_Aufstellung(int32_t team, int32_t gegner)
{
    if (Netz_Rolle == 1 && team != Aktuelles_Team) Print_Fehler("Client-Zugriff: Team_Auto_Aufstellung");
    Team_Sofort_Neu_Aufstellen(team, 1);
    if (gegner < 0) return;  // no game, no match tactic
    int32_t auswaerts = 0;
    if (Spieltag_Get_Gegner(team, &auswaerts, nullptr, nullptr, nullptr) != gegner) auswaerts = 0;
    Assis_Setze_Spiel_Taktik(team, gegner, auswaerts, -1);
}
