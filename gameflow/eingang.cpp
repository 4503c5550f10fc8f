#include "gameflow/eingang.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "gameflow/spielstart.h"
#include "gameflow/team_requester.h"
#include "platform/print.h"

namespace {

Eingang_Spiel_Gestartet_Hook spiel_gestartet_hook = nullptr;
bool spiel_gestartet = false;
bool start_bestaetigt = false;
Eingang_Einstellungen einstellungen{0, 2, 1};
Eingang_Start_Hook start_hook = nullptr;
constexpr int32_t WAPPEN_MAX = 11;

// The first club without a manager in the first league of the first country.
int32_t freier_verein()
{
    std::vector<int32_t> laender(size_t(std::max(Team_Anzahl, 1)));
    const int32_t n = Eingang_Liga_Icons_Bauen(laender.data());
    int32_t ids[WETTBEWERB_MAX_ID + 1];
    for (int32_t i = 0; i < n; ++i) {
        const int32_t k = Wettbewerb_Get_Land_Wettbewerbe(laender[size_t(i)], ids, 1);
        for (int32_t j = 0; j < k; ++j) {
            int16_t teams[WETTBEWERB_MAX_TEAMS];
            const int32_t m = Wettbewerb_Get_Teams(ids[j], teams);
            for (int32_t t = 0; t < m; ++t)
                if (teams[t] >= 0 && !Team_Hat_Manager(teams[t])) return teams[t];
        }
    }
    return -1;
}

}  // namespace

uint8_t Eingang_Get_Start_Option_Byte() { return Eingang_Get_Spiel_Gestartet() ? 0 : 1; }

void Eingang_Team_Wettbewerbe_Aktualisieren(int32_t team) { Team_Set_Basisdaten(team, -1); }

void Eingang_Set_Spiel_Gestartet_Hook(Eingang_Spiel_Gestartet_Hook hook) { spiel_gestartet_hook = hook; }

bool Eingang_Get_Spiel_Gestartet() { return spiel_gestartet_hook ? spiel_gestartet_hook() : spiel_gestartet; }

void Eingang_Set_Spiel_Gestartet(bool gestartet) { spiel_gestartet = gestartet; }

Eingang_Einstellungen& Eingang_Get_Einstellungen() { return einstellungen; }

int32_t Eingang_Get_Dauerkarten_Option() { return einstellungen.dauerkarten; }

bool Eingang_Get_Start_Bestaetigt() { return start_bestaetigt; }

void Eingang_Set_Start_Hook(Eingang_Start_Hook hook) { start_hook = hook; }

void Eingang_Start()
{
    Eingang_Eingabe e{};
    std::snprintf(e.name, sizeof e.name, "Manager %d", Manager_Anzahl + 1);
    e.team = freier_verein();
    e.wappen = Manager_Anzahl % (WAPPEN_MAX + 1);
    e.starten = true;
    if (start_hook) start_hook(einstellungen, e);
    else Eingang_Start_Screen(einstellungen, e);
    e.name[sizeof e.name - 1] = 0;
    einstellungen.schwierigkeit = std::clamp(einstellungen.schwierigkeit, 0, 4);
    einstellungen.dauerkarten = einstellungen.dauerkarten ? 1 : 0;
    start_bestaetigt = e.starten;
    if (e.team < 0) return;
    const int32_t nummer = Manager_Anzahl;
    if (!Spielstart_Manager_Hinzufuegen(e.team, e.name)) {
        Team_Requester(0, -1, "Dieser Verein hat schon einen Manager.");
        start_bestaetigt = false;
        return;
    }
    if (nummer >= 0 && nummer < MANAGER_WAPPEN_ANZAHL) Manager_Wappen[nummer] = uint16_t(std::clamp(e.wappen, 0, WAPPEN_MAX));
}


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
