#include "screens/spieler_gesicht.h"

#include <algorithm>
#include <new>

#include "database/spieler.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_spielerfigur.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_zeichnen.h"
#include "graphics/pic.h"
#include "platform/resfile.h"

const int32_t Gesicht_Haarfarben[21] = {2, 3, 4, 4, 2, 2, 0, 4, 0, 1, 4, 1, 2, 4, 0, 1, 4, 4, 4, 4, 4};

namespace {

struct Gesicht_Teil {
    Rastport* bitmap;
    int32_t x, y;
};

constexpr int32_t ERSTE[GESICHT_KATEGORIEN] = {6133, 6148, 6150, 6171, 6178, 6191, 6201, 6204};
constexpr int32_t ANZAHL[GESICHT_KATEGORIEN] = {15, 2, 20, 7, 13, 10, 3, 2};
// Bit position and width of each drawn category's index in the code.
constexpr int32_t BIT[7] = {0, 4, 8, 13, 16, 20, 24};
constexpr int32_t BREITE[7] = {4, 4, 5, 3, 4, 4, 4};

Gesicht_Teil* Gesicht_Teile[GESICHT_KATEGORIEN] = {};

int32_t tiefe() { return Grafik_Screen_Geometrie.depth ? Grafik_Screen_Geometrie.depth : 16; }

int32_t feld(uint32_t code, int32_t kat) { return int32_t((code >> BIT[kat]) & ((1u << BREITE[kat]) - 1)); }

void teil_zeichnen(Rastport* ziel, int32_t x, int32_t y, int32_t kat, uint32_t code, bool versatz)
{
    const int32_t index = std::min(feld(code, kat), ANZAHL[kat] - 1);
    int32_t ox = 0, oy = 0;
    Rastport* b = Spieler_Gesicht_Teil(kat, index, &ox, &oy);
    if (!b) return;
    if (!versatz) ox = oy = 0;
    Grafik_Blit_Transparent(b, 0, 0, int32_t(b->width), int32_t(b->height), ziel, x + ox, y + oy);
}

void hemd_zeichnen(Rastport* ziel, int32_t x, int32_t y, int32_t spnr, const uint8_t* farben)
{
    int32_t ox = 0, oy = 0;
    Rastport* maske = Spieler_Gesicht_Teil(7, 0, &ox, &oy);
    if (!maske || maske->depth == 8) return;
    uint16_t farbe = GESICHT_HEMD_OHNE_FARBEN;
    if (farben) {
        const bool torwart = spnr >= 0 && spnr < Spieler_Anzahl && Spieler_Wert(SP_LIEBLINGSPOS, spnr, 0, 0) == SP_POS_TORWART;
        const uint8_t* c = farben + (torwart ? 24 : 0);
        farbe = Grafik_Farbe(c[0] / 16u, c[1] / 16u, c[2] / 16u);
    }
    for (uint32_t j = 0; j < maske->height; ++j)
        for (uint32_t i = 0; i < maske->width; ++i) {
            const uint16_t m = Grafik_Pixel_Lesen(maske, int32_t(i), int32_t(j));
            if (!m) continue;
            const int32_t px = x + ox + int32_t(i), py = y + oy + int32_t(j);
            if (px < 0 || py < 0 || px >= int32_t(ziel->width) || py >= int32_t(ziel->height)) continue;
            Grafik_Pixel_Setzen(ziel, px, py, (m & 0x1F) == 0 ? 1 : farbe);
        }
}

}  // namespace

int32_t Spieler_Gesicht_Init(int32_t resfile)
{
    Spieler_Gesicht_DeInit();
    bool ok = true;
    for (int32_t k = 0; k < GESICHT_KATEGORIEN; ++k) {
        Gesicht_Teile[k] = new (std::nothrow) Gesicht_Teil[size_t(ANZAHL[k])]();
        if (!Gesicht_Teile[k]) {
            ok = false;
            continue;
        }
        for (int32_t i = 0; i < ANZAHL[k]; ++i) {
            ResFile_Letzter_X_Offset = ResFile_Letzter_Y_Offset = 0;
            auto* b = static_cast<Rastport*>(Load_Resource(resfile, ERSTE[k] + i, tiefe(), nullptr));
            if (!b || b->depth == 8) {
                if (b) Grafik_Bitmap_Freigeben(b);
                ok = false;
                continue;
            }
            // the head base is drawn first and must cover its whole rectangle
            if (k == 3) Grafik_Nullpixel_Ersetzen(b);
            Gesicht_Teile[k][i] = {b, int16_t(ResFile_Letzter_X_Offset), int16_t(ResFile_Letzter_Y_Offset)};
        }
    }
    if (ok) return 1;
    Spieler_Gesicht_DeInit();
    return 0;
}

int32_t Spieler_Gesicht_DeInit()
{
    for (int32_t k = 0; k < GESICHT_KATEGORIEN; ++k) {
        if (!Gesicht_Teile[k]) continue;
        for (int32_t i = 0; i < ANZAHL[k]; ++i)
            if (Gesicht_Teile[k][i].bitmap) Grafik_Bitmap_Freigeben(Gesicht_Teile[k][i].bitmap);
        delete[] Gesicht_Teile[k];
        Gesicht_Teile[k] = nullptr;
    }
    return 1;
}

Rastport* Spieler_Gesicht_Teil(int32_t kategorie, int32_t index, int32_t* x, int32_t* y)
{
    if (kategorie < 0 || kategorie >= GESICHT_KATEGORIEN || index < 0 || index >= ANZAHL[kategorie]) return nullptr;
    if ((kategorie == 1 || kategorie == 6) && index == 0) return nullptr;
    if (!Gesicht_Teile[kategorie]) return nullptr;
    const Gesicht_Teil& t = Gesicht_Teile[kategorie][index];
    if (x) *x = t.x;
    if (y) *y = t.y;
    return t.bitmap;
}

Rastport* Spieler_Gesicht_Bauen(Rastport* ziel, int32_t x, int32_t y, int32_t spnr, uint32_t code, const uint8_t* farben)
{
    Rastport* bild = ziel;
    if (!bild) {
        bild = Grafik_Bitmap_Anlegen(GESICHT_BREITE, GESICHT_HOEHE, tiefe());
        if (!bild) return nullptr;
        x = y = 0;
    }
    if ((code & GESICHT_USER_BILD) && spnr >= 0 && spnr < Spieler_Anzahl) {
        int32_t gefunden = 0;
        Rastport* user = Pic_Change_Load_User_Bild(Spieler_Wert(SP_BILDNUMMER, spnr, 0, 0), nullptr, bild->depth, 1, &gefunden);
        if (user) {
            // a picture smaller than a portrait gives only its own pixels
            const int32_t w = std::min<int32_t>(GESICHT_BREITE, int32_t(user->width));
            const int32_t h = std::min<int32_t>(GESICHT_HOEHE, int32_t(user->height));
            Grafik_Blit(user, 0, 0, w, h, bild, x, y);
            Grafik_Bitmap_Freigeben(user);
            return bild;
        }
        code &= ~GESICHT_USER_BILD;
    }
    teil_zeichnen(bild, x, y, 3, code, false);
    for (int32_t kat : {0, 2, 4, 5, 1, 6}) teil_zeichnen(bild, x, y, kat, code, true);
    hemd_zeichnen(bild, x, y, spnr, farben);
    return bild;
}

Rastport* Spieler_Gesicht_Bauen_Skaliert(Rastport* ziel, int32_t x, int32_t y, int32_t spnr, uint32_t code,
                                         const uint8_t* farben, int32_t breite, int32_t hoehe)
{
    if (breite <= 0 || hoehe <= 0) return nullptr;
    Rastport* voll = Spieler_Gesicht_Bauen(nullptr, 0, 0, spnr, code, farben);
    if (!voll) return nullptr;
    Rastport* klein = Grafik_Bitmap_Anlegen(breite, hoehe, voll->depth);
    if (!klein) {
        Grafik_Bitmap_Freigeben(voll);
        return nullptr;
    }
    if (breite < GESICHT_BREITE && hoehe < GESICHT_HOEHE) Grafik_Bild_Verkleinern(voll, klein, breite, hoehe);
    else Grafik_Bild_Vergroessern(voll, klein, hoehe);
    Grafik_Bitmap_Freigeben(voll);
    if (!ziel) return klein;
    Grafik_Nullpixel_Ersetzen(klein);
    Grafik_Blit(klein, 0, 0, breite, hoehe, ziel, x, y);
    Grafik_Bitmap_Freigeben(klein);
    return nullptr;
}

void Spieler_Gesicht_Set_Haarfarbe(int32_t spnr)
{
    if (spnr < 0 || spnr >= Spieler_Anzahl) return;
    const uint32_t code = uint32_t(Spieler_Wert(SP_GESICHT, spnr, 0, 0));
    if (code & GESICHT_USER_BILD) return;
    Spieler_Wert(SP_HAARFARBE, spnr, Gesicht_Haarfarben[std::min(feld(code, 2), 19)], 1);
}

uint32_t Spieler_Gesicht_Code_Schritt(int32_t richtung, int32_t kategorie, uint32_t code)
{
    if (kategorie < 0 || kategorie > 6 || (richtung != 1 && richtung != 2)) return code;
    const int32_t letzter = ANZAHL[kategorie] - 1;
    int32_t i = feld(code, kategorie);
    if (richtung == 1) i = i >= letzter ? 0 : i + 1;
    else i = i <= 0 ? letzter : i - 1;
    const uint32_t maske = ((1u << BREITE[kategorie]) - 1) << BIT[kategorie];
    return (code & ~maske) | (uint32_t(i) << BIT[kategorie]);
}

uint32_t Spieler_Gesicht_Code_Wandeln(uint32_t alt)
{
    uint32_t neu = alt & 0x7FFF00FFu;   // categories 0, 1, 4, 5, 6 and bits 28-30 stay
    neu |= ((alt >> 8) & 0xFu) << 8;    // category 2 (at most 15)
    neu |= ((alt >> 12) & 0x7u) << 13;  // category 3, its low three bits
    return neu & 0x7FFFFFFFu;
}
