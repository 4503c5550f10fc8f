#include "matchview/spielbericht.h"

static Spielbericht_Hook hook = nullptr;

void Spielbericht_Set_Hook(Spielbericht_Hook h) { hook = h; }

static int32_t melden(const char* aufruf, int32_t neutral) { return hook ? hook(aufruf) : neutral; }

void Spielbericht_Vor_Spiel_Starten() { melden("Spielbericht_Vor_Spiel_Starten", 0); }
int32_t Spielbericht_Vor_Spiel_Schritt() { return melden("Spielbericht_Vor_Spiel_Schritt", 1); }
void Spielbericht_Halbzeit_Starten(int32_t) { melden("Spielbericht_Halbzeit_Starten", 0); }
int32_t Spielbericht_Halbzeit_Schritt() { return melden("Spielbericht_Halbzeit_Schritt", 1); }
void Spielbericht_Nach_Spiel_Starten() { melden("Spielbericht_Nach_Spiel_Starten", 0); }
int32_t Spielbericht_Nach_Spiel_Schritt() { return melden("Spielbericht_Nach_Spiel_Schritt", 1); }
bool Spielszenen_Geladen() { return melden("Spielszenen_Geladen", 0) != 0; }
