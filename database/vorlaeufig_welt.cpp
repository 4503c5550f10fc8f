#include "database/vorlaeufig_welt.h"

bool Spieler_Setze_Alten_Sack_Neu(int32_t) { return false; }
void Spieler_Setze_Talent_Neu(int32_t) {}
bool Spieler_Erschaffe_Passenden_Gesuchten_Spieler(int32_t, int32_t, Team_Transfersuche*, int32_t, int32_t)
{
    return false;
}
