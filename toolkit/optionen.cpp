#include "toolkit/optionen.h"

// No menus until the options module lands.
Menue_Kontextmenue* Menue_Optionen_Kontextmenue() { return nullptr; }
Menue_Kontextmenue* Menue_Einblenden_Kontextmenue(Menue_Icon*) { return nullptr; }
