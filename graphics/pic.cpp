#include "graphics/pic.h"

// No picture folders are read yet: no user pictures exist.
int32_t Pic_Anzahl(int32_t) { return 0; }
int32_t Pic_Nummern_Ermitteln(int32_t, int32_t*) { return 0; }

Rastport* Pic_Change_Load_User_Bild(int32_t, Rastport*, int32_t, int32_t, int32_t* gefunden)
{
    if (gefunden) *gefunden = 0;
    return nullptr;
}
