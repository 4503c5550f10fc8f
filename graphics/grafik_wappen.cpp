#include "graphics/grafik_wappen.h"

// Crests and scaling come with the picture-file module; until then no crest is found and
// nothing is scaled.
Rastport* Grafik_Wappen_Laden(int32_t, Rastport*, int32_t, int32_t, int32_t, int32_t, int32_t,
                              int32_t, int32_t)
{
    return nullptr;
}

void Grafik_Bild_Verkleinern(Rastport*, Rastport*, int32_t, int32_t) {}
void Grafik_Bild_Vergroessern(Rastport*, Rastport*, int32_t) {}
