#include "matchview/lineup/screen.h"

Spielfeld_Record* Screen_Record = nullptr;
int32_t Screen_Seite = 0;

static Screen_Hook hook = nullptr;

void Screen_Set_Hook(Screen_Hook h) { hook = h; }

static bool melden(const char* aufruf, int32_t wert, bool neutral) { return hook ? hook(aufruf, wert) : neutral; }

bool Screen_Oeffnen() { return melden("Screen_Oeffnen", 0, false); }
void Screen_Schritt() { melden("Screen_Schritt", 0, false); }
void Screen_Seite_Zeigen(int32_t seite) { melden("Screen_Seite_Zeigen", seite, false); }
void Screen_Kopf_Neu() { melden("Screen_Kopf_Neu", 0, false); }
void Screen_Freigeben() { melden("Screen_Freigeben", 0, false); }
