#include "gameflow/eingang.h"

uint8_t Eingang_Get_Start_Option_Byte() { return 1; }

// The entrance screens come with the game flow's set-up; nothing to refresh until then.
void Eingang_Team_Wettbewerbe_Aktualisieren(int32_t) {}

static Eingang_Spiel_Gestartet_Hook spiel_gestartet_hook = nullptr;

void Eingang_Set_Spiel_Gestartet_Hook(Eingang_Spiel_Gestartet_Hook hook) { spiel_gestartet_hook = hook; }

// No game can be started until the new-game screens land.
bool Eingang_Get_Spiel_Gestartet() { return spiel_gestartet_hook ? spiel_gestartet_hook() : false; }
