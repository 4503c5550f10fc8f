#include "screens/spieler_detail.h"

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/print.h"
#include "toolkit/slave.h"

const int8_t Sp_Attribut_Bilder[28] = {9, 2, 19, 16, 12, 13, 11, 3, 15, 6, 7, 20, 4, 8,
                                       14, 18, 10, 0, 17, 1, 5, 21, 22, 23, -1, -1, -1, 27};

namespace {

// The attribute's picture, or null (reported) for a missing target or an attribute without one.
Rastport* attribut_bild(const Rastport* rp, int32_t attribut)
{
    if (!rp) {
        Print_Fehler("Sp._Attribute_Blit:rp==NULL");
        return nullptr;
    }
    if (attribut < 0 || attribut > 27 || Sp_Attribut_Bilder[attribut] < 0) {
        Print_Fehler("Sp._Attribute_Blit: attribut_nr falsch!");
        return nullptr;
    }
    return Menue_Get_Slave_Rastport(368 + Sp_Attribut_Bilder[attribut]);
}

}  // namespace

bool Sp_Attribute_Blit(Rastport* rp, int32_t attribut, int32_t x, int32_t y, bool zentriert, int32_t* breite,
                       int32_t* hoehe)
{
    Rastport* bild = attribut_bild(rp, attribut);
    if (!bild) return false;
    const int32_t w = int32_t(bild->width), h = int32_t(bild->height);
    if (zentriert) {
        x -= w / 2;
        y -= h / 2;
    }
    Grafik_Blit_Transparent(bild, 0, 0, w, h, rp, x, y);
    if (breite) *breite = w;
    if (hoehe) *hoehe = h;
    return true;
}

bool Sp_Attribute_Blit_Klein(Rastport* rp, int32_t attribut, int32_t x, int32_t y, int32_t groesse)
{
    Rastport* bild = attribut_bild(rp, attribut);
    if (!bild || groesse <= 0) return false;
    if (groesse >= int32_t(bild->width) && groesse >= int32_t(bild->height))
        return Grafik_Blit_Transparent(bild, 0, 0, int32_t(bild->width), int32_t(bild->height), rp, x, y) != 0;
    Rastport* klein = Grafik_Bitmap_Anlegen(groesse, groesse, bild->depth);
    if (!klein) return false;
    Grafik_Rechteck_Fuellen(klein, 0, 0, groesse, groesse, 0);
    Grafik_Bild_Verkleinern(bild, klein, groesse, groesse);
    Grafik_Blit_Transparent(klein, 0, 0, groesse, groesse, rp, x, y);
    Grafik_Bitmap_Freigeben(klein);
    return true;
}
