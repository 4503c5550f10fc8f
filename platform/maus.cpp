#include "platform/maus.h"

// No pointer yet: nothing to take off or put back.
void Mauszeiger_Hide() {}
void Mauszeiger_Show() {}
void Mauszeiger_Remove() {}
void Mauszeiger_Draw() {}
void Mauszeiger_Blit_Start(void*) {}
void Mauszeiger_Blit_End(void*) {}
int Mauszeiger_Overlaps_Rect(int32_t, int32_t, int32_t, int32_t) { return 0; }
