#include "toolkit/favoriten.h"

void Menue_Besucht_Eintragen(int32_t, Menue_Icon*) {}
