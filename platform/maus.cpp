#include "platform/maus.h"

#include "platform/win95.h"

int Maus_Get_Tasten()
{
    Win95_Message_Pump();
    return Win95_Maustasten();
}
