#include "gameflow/eingang.h"

#include <algorithm>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "platform/print.h"

namespace {

Eingang_Spiel_Gestartet_Hook spiel_gestartet_hook = nullptr;
bool spiel_gestartet = false;
bool start_bestaetigt = false;
Eingang_Einstellungen einstellungen{0, 2, 1};

}  // namespace

uint8_t Eingang_Get_Start_Option_Byte() { return Eingang_Get_Spiel_Gestartet() ? 0 : 1; }

void Eingang_Team_Wettbewerbe_Aktualisieren(int32_t team) { Team_Set_Basisdaten(team, -1); }

void Eingang_Set_Spiel_Gestartet_Hook(Eingang_Spiel_Gestartet_Hook hook) { spiel_gestartet_hook = hook; }

bool Eingang_Get_Spiel_Gestartet() { return spiel_gestartet_hook ? spiel_gestartet_hook() : spiel_gestartet; }

void Eingang_Set_Spiel_Gestartet(bool gestartet) { spiel_gestartet = gestartet; }

Eingang_Einstellungen& Eingang_Get_Einstellungen() { return einstellungen; }

int32_t Eingang_Get_Dauerkarten_Option() { return einstellungen.dauerkarten; }

bool Eingang_Get_Start_Bestaetigt() { return start_bestaetigt; }


int32_t Eingang_Liga_Icons_Bauen(int32_t* laender)
{
    if (!laender) {
        Print_Fehler("Eingang_Liga_Icons_Bauen: array=NULL!");
        return 0;
    }
    std::vector<bool> markiert(size_t(std::max(Team_Anzahl, 0)), false);
    int32_t n = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 72)) continue;
        const int32_t land = Team_Wert(TEAM_NATION, t, 0, TEAM_LESEN);
        if (land < 0 || land >= Team_Anzahl) {
            Print_Fehler("Eingang_Liga_Icons_Bauen: Falsches Land!");
            continue;
        }
        if (markiert[size_t(land)] || !Wettbewerb_Get_Land_Wettbewerbe(land, nullptr, 1)) continue;
        markiert[size_t(land)] = true;
        laender[n++] = land;
    }
    return n;
}
