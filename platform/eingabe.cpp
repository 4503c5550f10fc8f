#include "platform/eingabe.h"

#include "platform/print.h"
#include "platform/maus.h"
#include "platform/win95.h"

int32_t Eingabe_Letzte_Maustaste = 0;

// Once the program quits, loops that wait for a click or a key must end without the user: the
// cycles make a release and a new press visible to a loop that waits for both.
static int maus_zyklus = 0;
static int zeichen_zyklus = 0;

void Eingabe_Reset()
{
    maus_zyklus = 0;
    zeichen_zyklus = 0;
    Eingabe_Letzte_Maustaste = 0;
}

int32_t Taste_Get_Zeichen()
{
    int32_t taste = Win95_Eingabe.taste;
    Win95_Eingabe.taste = -1;
    if (taste >= 'A' && taste <= 'Z' && Win95_Eingabe.shift != -1) taste += 32;
    return taste;
}

int Maus_Get_Tasten_Quit()
{
    int tasten = Maus_Get_Tasten();
    if (!Programm_Ende) return tasten;
    maus_zyklus = (maus_zyklus + 1) % 6;
    return maus_zyklus > 1 ? 2 : 0;
}

bool Eingabe_Taste_Oder_Maus(bool mit_maus)
{
    Eingabe_Letzte_Maustaste = 0;
    Win95_Message_Pump();
    if (Win95_Eingabe.taste != -1) return true;
    if (!mit_maus) return false;
    int tasten = Maus_Get_Tasten_Quit();
    if (tasten == 1 || tasten == 2) {
        Eingabe_Letzte_Maustaste = tasten;
        return true;
    }
    return false;
}

int32_t Eingabe_Get_Zeichen()
{
    int32_t zeichen = 0;
    if (Eingabe_Taste_Oder_Maus(true)) zeichen = Taste_Get_Zeichen();
    if (Programm_Ende && zeichen_zyklus > 1) zeichen = '?';
    zeichen_zyklus = (zeichen_zyklus + 1) % 4;
    return zeichen;
}

char* String_Copy_Max(char* dst, const char* src, int n)
{
    if (!dst) {
        Print_Fehler("String_Copy_Max: dst=NULL!");
        return nullptr;
    }
    int i = 0;
    if (src)
        for (; i < n && src[i]; ++i) dst[i] = src[i];
    dst[i] = 0;
    return dst + i;
}

void Sys_Leer_Hook() {}
