#include "match/pitch/spielfeld_abfragen.h"

#include "matchview/live/spielszenen_kamera.h"

void Spielfeld_Tor_Punkte_Setzen(Spielfeld_Record* r)
{
    if (!r) return;
    r->tor_x[0] = Spielfeld_Masse[0];
    r->tor_x[1] = 0;
    r->tor_y[0] = r->tor_y[1] = Spielfeld_Masse[1] / 2;
    if (r->seiten_getauscht) {
        const int32_t x = r->tor_x[0], y = r->tor_y[0];
        r->tor_x[0] = r->tor_x[1];
        r->tor_y[0] = r->tor_y[1];
        r->tor_x[1] = x;
        r->tor_y[1] = y;
    }
}

float Spielfeld_Entfernung_Zum_Tor(const Spielfeld_Record*, int32_t) { return 0.0f; }
float Spielfeld_Entfernung_Objekte(const Spielfeld_Record*, int32_t, int32_t) { return 0.0f; }
int32_t Spielfeld_Umkreis_Suchen(const Spielfeld_Record*, int32_t, int32_t, int32_t, int32_t) { return 0; }
