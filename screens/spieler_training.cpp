#include "screens/spieler_training.h"

#include "database/team.h"
#include "toolkit/icon.h"

namespace {

Spieler_Training_Zaehl_Hook zaehl_hook = nullptr;
Spieler_Training_Refresh_Beobachter refresh_beobachter = nullptr;

const char* const ARTEN[SPIELER_TRAININGSARTEN] = {
    "Kraft",    "Ausdauer", "Zweikampf", "Übersicht", "Takt. Verständnis", "Teamgeist",
    "Spritzigkeit", "Dribbling", "Torschuß", "Flanken", "Freistöße", "Elfmeter",
    "Ecken",    "Kopfball", "Reflexe",  "Herauslaufen", "Strafraumbeherrsch.",
};

const int16_t* raster(int32_t team)
{
    if (!T || team < 0 || team >= Team_Anzahl) return nullptr;
    return static_cast<const int16_t*>(Team_Zeiger(TEAM_EINZELTRAINING, team, nullptr, 0));
}

}  // namespace

const char* Spieler_Training_Art_Name(int32_t art)
{
    return art >= 0 && art < SPIELER_TRAININGSARTEN ? ARTEN[art] : "";
}

void Spieler_Training_Set_Zaehl_Hook(Spieler_Training_Zaehl_Hook hook) { zaehl_hook = hook; }

int32_t Spieler_Training_Zaehle_Einzeltraining(int32_t team, int32_t flag)
{
    if (zaehl_hook) return zaehl_hook(team);
    const int16_t* r = raster(team);
    if (!r) return 0;
    const int32_t von = flag ? 0 : 14, bis = flag ? 14 : SPIELER_TRAININGSARTEN;
    int32_t n = 0;
    for (int32_t i = 3 * von; i < 3 * bis; ++i) n += r[i] != -1;
    return n;
}

int32_t Spieler_Training_Get_Einzeltraining_Platz(int32_t team, int32_t spnr)
{
    const int16_t* r = raster(team);
    if (!r || spnr < 0) return -1;
    for (int32_t i = 0; i < 3 * SPIELER_TRAININGSARTEN; ++i)
        if (r[i] == spnr) return i / 3;
    return -1;
}

void Spieler_Training_Set_Refresh_Beobachter(Spieler_Training_Refresh_Beobachter b) { refresh_beobachter = b; }

void Spieler_Training_Regler_Refresh(int32_t summe)
{
    if (refresh_beobachter) refresh_beobachter(summe);
    if (Menue_Icon* regler = Menue_Screen_Icon_Aus_Nummer(1498)) regler->refresh = 1;
}
