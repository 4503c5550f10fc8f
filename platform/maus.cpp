#include "platform/maus.h"

#include "platform/win95.h"

int Maus_Get_Tasten()
{
    Win95_Message_Pump();
    return Win95_Maustasten();
}

// No pointer yet: nothing to take off or put back.
void Mauszeiger_Remove() {}
void Mauszeiger_Draw() {}
void Mauszeiger_Blit_Start(void*) {}
void Mauszeiger_Blit_End(void*) {}
int Mauszeiger_Overlaps_Rect(int32_t, int32_t, int32_t, int32_t) { return 0; }
