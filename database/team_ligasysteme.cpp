// League systems at a new game: the players' home systems, the target player count and start
// average of each system, and the start line-ups of all clubs.
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "database/welt_intern.h"
#include "graphics/grafik_fortschritt.h"

using namespace welt;

namespace {

constexpr int32_t KADER_LISTE = 50;

// Every club of every base league with its league system.
template <typename F>
void fuer_basisliga_teams(F&& f)
{
    std::vector<int16_t> teams(WETTBEWERB_MAX_TEAMS);
    for (int32_t c : Team_Basisligen()) {
        const int32_t s = Wettbewerb_Hierarchie_Oben(c);
        if (s < 0 || s >= TEAMSP_SYSTEME) continue;
        int32_t n = Wettbewerb_Get_Teams(c, teams.data());
        if (n > WETTBEWERB_MAX_TEAMS) n = WETTBEWERB_MAX_TEAMS;
        for (int32_t i = 0; i < n; ++i)
            if (team_gueltig(teams[i])) f(s, static_cast<int32_t>(teams[i]));
    }
}

}  // namespace

void Team_Init_Spieler_Heimatsysteme()
{
    client_melden("Team_Init_Spieler_Heimatsysteme");
    if (!Spieler_Daten) return;
    fuer_basisliga_teams([](int32_t s, int32_t t) {
        int32_t kader[KADER_LISTE];
        int32_t n = Teamspieler_Ins_Array(t, kader, KADER_LISTE, 0);
        if (n > KADER_LISTE) n = KADER_LISTE;
        for (int32_t i = 0; i < n; ++i) Spieler_Wert(SP_HEIMATSYSTEM, kader[i], s, SP_SCHREIBEN);
    });
}

void Team_Count_Wettbewerbsstrukturen()
{
    client_melden("Team_Count_Wettbewerbsstrukturen");
    auto* ziel = static_cast<uint16_t*>(Teamspieler_Zeiger(TEAMSP_SPIELER_WETTBEWERB_LISTE, 0));
    if (!ziel || !T) return;
    int32_t anzahl[TEAMSP_SYSTEME] = {};
    int64_t summe[TEAMSP_SYSTEME] = {};
    fuer_basisliga_teams([&](int32_t s, int32_t t) {
        const int32_t spieler = Teamspieler_Ins_Array(t, nullptr, -1, 0);
        ziel[s] = static_cast<uint16_t>(ziel[s] + (spieler > KADER_LISTE ? KADER_LISTE : spieler));
        int32_t m[5][6] = {};
        Team_Staerke(255, 0, t, m);
        summe[s] += m[4][4];
        ++anzahl[s];
    });
    for (int32_t s = 0; s < TEAMSP_SYSTEME; ++s)
        if (anzahl[s] > 0) Team_Liga_Start_Mittelwerte[s] = static_cast<int32_t>(summe[s] / anzahl[s]);
    if (!team_gueltig(Transfermarkt_Team)) return;
    std::vector<int32_t> markt(TEAM_MAX_START_SPIELER);
    int32_t n = Teamspieler_Ins_Array(Transfermarkt_Team, markt.data(), TEAM_MAX_START_SPIELER, 0);
    if (n > TEAM_MAX_START_SPIELER) n = TEAM_MAX_START_SPIELER;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t h = Spieler_Egal_Daten[markt[i]].heimatsystem;
        if (h < 1 || h >= TEAMSP_SYSTEME) {
            Print_Fehler("Team_Init_Wettbewerbsstrukturen: falsches Heimatsystem!");
            continue;
        }
        ++ziel[h];
    }
}

void Teams_Startaufstellungen()
{
    Print_Log(0, "Berechne Startaufstellungen fuer %d Teams und %d Spieler (H,A,N)...\n", int(Team_Anzahl),
              int(Spieler_Anzahl));
    client_melden("Teams_Startaufstellungen");
    if (!T) return;
    const bool box = Team_Anzahl > 0 && Grafik_Fortschritt_Oeffnen("Berechne Mannschafts-Aufstellungen.", -1, -1);
    Team_Init_Spieler_Heimatsysteme();
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (box) Grafik_Fortschritt_Setzen(t * 100 / Team_Anzahl, nullptr);
        if (!Team_Ist_Normal(t, 72)) continue;
        Assi_Mannschaftsaufstellung(t, -1, 5, 0, 50, -1, true);
        Assis_Setze_Basis_Taktik(t);
    }
    if (box) Grafik_Fortschritt_Schliessen();
    Team_Init_Transfermarkt();
    Team_Count_Wettbewerbsstrukturen();
    Print_Log(0, "Fertig!\n");
}
