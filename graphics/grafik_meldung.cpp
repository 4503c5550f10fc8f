#include "graphics/grafik_meldung.h"

#include "graphics/grafik_screen.h"

Grafik_Text_Hook Grafik_Text_Meldung = nullptr;
Grafik_Flaeche_Hook Grafik_Flaeche_Meldung = nullptr;

namespace {
Grafik_Kasten aktuell{nullptr, 0, 0, 0, 0, nullptr, -1};
}

void Grafik_Text_Hook_Setzen(Grafik_Text_Hook hook) { Grafik_Text_Meldung = hook; }
void Grafik_Flaeche_Hook_Setzen(Grafik_Flaeche_Hook hook) { Grafik_Flaeche_Meldung = hook; }

bool Grafik_Niemand_Sieht(const Rastport* seite)
{
    return !Grafik_Text_Meldung && !Grafik_Flaeche_Meldung && Grafik_Seite_Ungesehen(seite);
}

Grafik_Kasten_Bereich::Grafik_Kasten_Bereich(const Rastport* ziel, int32_t x1, int32_t y1, int32_t x2,
                                             int32_t y2, const char* name, int32_t nummer)
    : vorher_(aktuell), gesetzt_(Grafik_Text_Meldung != nullptr)
{
    if (gesetzt_) aktuell = {ziel, x1, y1, x2, y2, name, nummer};
}

Grafik_Kasten_Bereich::~Grafik_Kasten_Bereich()
{
    if (gesetzt_) aktuell = vorher_;
}

Grafik_Kasten Grafik_Kasten_Fuer(const Rastport* ziel)
{
    if (ziel && aktuell.ziel == ziel) return aktuell;
    const int32_t w = ziel ? int32_t(ziel->width) : 0, h = ziel ? int32_t(ziel->height) : 0;
    return {ziel, 0, 0, w, h, nullptr, -1};
}
