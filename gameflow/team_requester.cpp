#include "gameflow/team_requester.h"

#include <cstdarg>
#include <cstdio>

#include "gameflow/globals.h"
#include "platform/print.h"
#include "platform/win95.h"

static Team_Requester_Anzeige anzeige = nullptr;

void Team_Requester_Set_Anzeige(Team_Requester_Anzeige a) { anzeige = a; }

int32_t Team_Requester_Get_Team(int32_t team, int32_t* ersetzt)
{
    if (ersetzt) *ersetzt = 0;
    if (team >= 0) return team;
    if (Aktuelles_Team < 0) return -1;
    if (ersetzt) *ersetzt = 1;
    return Aktuelles_Team;
}

uint8_t Team_Requester(int32_t modus, int32_t team, const char* format, ...)
{
    if (!format || modus < 0 || modus > 2) {
        Print_Fehler("Team_Requester: falsche Parameter (Modus %d)!", modus);
        return 0;
    }
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);

    const int32_t ziel = Team_Requester_Get_Team(team, nullptr);
    if (ziel < 0) {
        // Handing it to the requester again would bring it straight back here.
        Print_Log(0, "Team_Requester ohne Team: %s\n", text);
        return 1;
    }
    if (anzeige) return anzeige(modus, ziel, text);
    Win95_Meldung("%s", text);
    return modus == 2 ? 0 : 1;
}
