// The player comparison screen: entry points until the screen lands.
#include "screens/spielervergleich.h"

namespace {

Spielervergleich_Pokale_Beobachter pokale_beobachter = nullptr;

}  // namespace

void Spielervergleich_Set_Pokale_Beobachter(Spielervergleich_Pokale_Beobachter b) { pokale_beobachter = b; }

void Spieler_Spielervergleich_Pokale_Den_Icons_Zuordnen(int32_t team)
{
    if (pokale_beobachter) pokale_beobachter(team);
}
