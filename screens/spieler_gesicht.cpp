#include "screens/spieler_gesicht.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "database/spieler.h"
#include "database/team.h"
#include "graphics/grafik_sprite.h"
#include "platform/mem.h"
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

namespace {

constexpr int32_t FIGUR_FELD = 2881, FIGUR_TORWART = 3170, FIGUR_PALETTE = 1998;

const Rgb8* kit(int32_t team)
{
    if (!T || team < 0 || team >= Team_Anzahl) return nullptr;
    return static_cast<const Rgb8*>(Team_Zeiger(TEAM_FARBEN, team, nullptr, 0));
}

uint16_t textfarbe_von(const Rgb8* k)
{
    return k ? Grafik_Kontrastfarbe(Grafik_Farbe_RGB(k[0].r, k[0].g, k[0].b), 16) : 0;
}

bool ist_torwart(int32_t spnr)
{
    return spnr >= 0 && spnr < Spieler_Anzahl && Spieler_Wert(SP_LIEBLINGSPOS, spnr, 0, 0) == SP_POS_TORWART;
}

}  // namespace

Rastport* Spieler_Trikotfigur_Bauen(int32_t resource, int32_t spnr, int32_t* breite, int32_t* hoehe, int32_t* anzahl,
                                    int32_t team, int32_t team2, uint8_t* palette, int32_t remap, uint32_t* textfarbe,
                                    bool kopieren)
{
    const int32_t handle = ResFile_Handles[0].handle;
    int32_t n = 0;
    auto** frames = static_cast<Rle_Sprite**>(Load_Resource(handle, resource, 8, &n));
    if (!frames || n <= 0) {
        if (frames) Mem_Free(frames, 0);
        return nullptr;
    }
    auto freigeben = [&]() {
        for (int32_t i = 0; i < n; ++i) Grafik_Sprite_Freigeben(frames[i]);
        Mem_Free(frames, 0);
    };
    Load_Resource(handle, FIGUR_PALETTE, 8, nullptr);
    int32_t fw = 0, fh = 0;
    for (int32_t i = 0; i < n; ++i) {
        if (!frames[i] || frames[i]->depth != 8) {
            freigeben();
            return nullptr;
        }
        Grafik_Sprite_Versatz_Setzen(frames[i], 0, 0);
        fw = std::max<int32_t>(fw, frames[i]->width);
        fh = std::max<int32_t>(fh, frames[i]->height);
    }
    uint8_t tabelle[256];
    for (int32_t i = 0; i < 256; ++i) tabelle[i] = uint8_t(i);
    int32_t aussehen = 0;
    if (spnr >= 0 && spnr < Spieler_Anzahl)
        aussehen = Spieler_Wert(SP_HAARFARBE, spnr, 0, 0) * 16 + Spieler_Wert(SP_HAUTFARBE, spnr, 0, 0);
    Grafik_Palette_Remap_Tabelle(uint8_t(aussehen), tabelle, 0, remap);
    const Rgb8* a = kit(team);
    const Rgb8* b = team2 >= 0 ? kit(team2) : nullptr;
    if (a) Grafik_Palette_Rampen(a, b, Aktuelle_Palette);
    if (textfarbe) *textfarbe = uint32_t(textfarbe_von(a)) | uint32_t(b ? textfarbe_von(b) : 0) << 16;
    if (kopieren)
        for (int32_t i : {234, 235}) std::memcpy(Aktuelle_Palette + 3 * i, Aktuelle_Palette + 3 * 236, 3);
    if (palette) std::memcpy(palette, Aktuelle_Palette, 768);
    Rastport* streifen8 = Grafik_Bitmap_Anlegen(fw * n, fh, 8);
    if (!streifen8) {
        freigeben();
        return nullptr;
    }
    for (int32_t i = 0; i < n; ++i) Grafik_Palette_Remap_Blit(frames[i], streifen8, fw * i, 0, tabelle);
    freigeben();
    Rastport* streifen = Grafik_Bitmap_Tiefe_Wandeln(streifen8, tiefe(), Aktuelle_Palette);
    Grafik_Bitmap_Freigeben(streifen8);
    if (!streifen) return nullptr;
    // the background turns see-through; nothing else may
    const uint16_t grund = Grafik_Pixel_Lesen(streifen, 0, 0);
    for (uint32_t y = 0; y < streifen->height; ++y)
        for (uint32_t x = 0; x < streifen->width; ++x) {
            const uint16_t p = Grafik_Pixel_Lesen(streifen, int32_t(x), int32_t(y));
            if (p == grund) Grafik_Pixel_Setzen(streifen, int32_t(x), int32_t(y), 0);
            else if (p == 0) Grafik_Pixel_Setzen(streifen, int32_t(x), int32_t(y), 1);
        }
    if (breite) *breite = fw;
    if (hoehe) *hoehe = fh;
    if (anzahl) *anzahl = n;
    return streifen;
}

Rastport* Spieler_Trikotfigur_Laden(int32_t spnr, int32_t* breite, int32_t* hoehe, int32_t* anzahl, int32_t team,
                                    uint8_t* palette)
{
    return Spieler_Trikotfigur_Bauen(ist_torwart(spnr) ? FIGUR_TORWART : FIGUR_FELD, spnr, breite, hoehe, anzahl, team, -1,
                                     palette, 0, nullptr, false);
}

Rastport* Spieler_Trikotfigur_Bild(Rastport* ziel, int32_t spnr, int32_t team, int32_t team2, int32_t optionen,
                                   int32_t resource, int32_t* breite, int32_t* hoehe, int32_t* anzahl,
                                   uint32_t* textfarbe)
{
    int32_t fw = 0, fh = 0, n = 0;
    Rastport* streifen = Spieler_Trikotfigur_Bauen(resource, spnr, &fw, &fh, &n, team, team2, nullptr, 0, textfarbe, true);
    if (breite) *breite = fw;
    if (hoehe) *hoehe = fh;
    if (anzahl) *anzahl = n;
    if (!streifen) return nullptr;
    if (optionen & 2) {
        Grafik_Bitmap_Freigeben(streifen);
        return nullptr;
    }
    if (optionen & 1) {
        if (!ziel) return streifen;
        Grafik_Blit(streifen, 0, 0, int32_t(streifen->width), int32_t(streifen->height), ziel, 0, 0);
    }
    Rastport* bild = ziel ? ziel : Grafik_Bitmap_Anlegen(fw, fh, streifen->depth);
    if (bild) Grafik_Blit(streifen, 0, 0, fw, fh, bild, 0, 0);
    Grafik_Bitmap_Freigeben(streifen);
    return bild;
}
