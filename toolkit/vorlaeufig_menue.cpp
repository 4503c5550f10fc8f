#include "toolkit/vorlaeufig_menue.h"

namespace {
int32_t menue_modus = -1;
}

void Eingang_Start() {}
bool Eingang_Get_Start_Bestaetigt() { return false; }
void Ablauf_Set_Befehl(int32_t) {}
int32_t Ablauf_Get_Menue_Modus() { return menue_modus; }
void Ablauf_Set_Menue_Modus(int32_t modus) { menue_modus = modus; }
int32_t Postfach_Screen(Menue_Icon*, uint32_t) { return 0; }
