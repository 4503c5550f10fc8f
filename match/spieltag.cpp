#include "match/spieltag.h"

// No match day runs until the match-day module lands: nobody plays today.
static Spieltag_Gegner_Hook gegner_hook = nullptr;

void Spieltag_Set_Gegner_Hook(Spieltag_Gegner_Hook hook) { gegner_hook = hook; }

int32_t Spieltag_Get_Gegner(int32_t team, int32_t* auswaerts, int32_t* wichtigkeit, int32_t* spiel,
                            int32_t* wettbewerb)
{
    if (gegner_hook) return gegner_hook(team, auswaerts, wichtigkeit, spiel, wettbewerb);
    if (wichtigkeit) *wichtigkeit = 0;
    if (spiel) *spiel = -1;
    return -1;
}

static Spieltag_Ablauf_Hook ablauf_hook = nullptr;

void Spieltag_Set_Ablauf_Hook(Spieltag_Ablauf_Hook hook) { ablauf_hook = hook; }

static int32_t melden(const char* aufruf, int32_t neutral) { return ablauf_hook ? ablauf_hook(aufruf) : neutral; }

void Spieltag_Init(const int32_t*, int32_t) { melden("Spieltag_Init", 0); }
bool Spieltag_Spiele_Anlegen() { return melden("Spieltag_Spiele_Anlegen", 1) != 0; }
void Spieltag_Nach_Menue_Bekannte_Daten_Eintragen(uint8_t) { melden("Spieltag_Nach_Menue_Bekannte_Daten_Eintragen", 0); }
bool Spieltag_Run(uint8_t) { return melden("Spieltag_Run", 0) != 0; }
bool Spieltag_Naechste_Halbzeit_Anpfeifen() { return melden("Spieltag_Naechste_Halbzeit_Anpfeifen", 0) != 0; }
void Spieltag_Weiterschalten() { melden("Spieltag_Weiterschalten", 0); }
void Spieltag_DeInit() { melden("Spieltag_DeInit", 0); }

static Spieltag_Spiele_Hook spiele_hook = nullptr;

void Spieltag_Set_Spiele_Hook(Spieltag_Spiele_Hook hook) { spiele_hook = hook; }

bool Spieltag_Get_Spiele(int32_t wettbewerb, int32_t* spiele)
{
    if (spiele_hook) return spiele_hook(wettbewerb, spiele);
    if (spiele) spiele[0] = 0;
    return false;
}
