#include "toolkit/requester.h"

static Menue_Requester_Anzeige anzeige = nullptr;

void Menue_Requester_Set_Anzeige(Menue_Requester_Anzeige a) { anzeige = a; }

// Nobody can answer until the menus exist: the message box answers as for an absent manager.
uint8_t Menue_Requester(int32_t type, int32_t team, const char* message, const char* yes_text, const char* no_text,
                        uint8_t)
{
    if (anzeige) return anzeige(type, team, message, yes_text, no_text);
    return 1;
}
