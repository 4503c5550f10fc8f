#include "tools/datagen/resf_dateien.h"

#include <iterator>

#include "economy/werbung_schirm.h"
#include "tools/datagen/trikot_bilder.h"
#include "tools/datagen/wappen_bilder.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>

#include "tools/datagen/sound_synth.h"
#include "tools/datagen/zeiger_bilder.h"

namespace {

uint16_t rgb565(int r, int g, int b) { return uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3)); }

// A calm colour per number, never black (0 is the transparent key).
uint16_t farbe(int32_t n)
{
    static const int basis[8][3] = {{46, 125, 50}, {21, 101, 192}, {198, 40, 40}, {245, 124, 0},
                                    {106, 27, 154}, {0, 131, 143}, {249, 168, 37}, {93, 64, 55}};
    const int* c = basis[uint32_t(n) % 8];
    return rgb565(c[0], c[1], c[2]);
}

void setzen(Resf_Bytes& px, uint32_t i, uint16_t v)
{
    px[2 * i] = uint8_t(v);
    px[2 * i + 1] = uint8_t(v >> 8);
}

// The pointer pictures come from their own generator.
Resf_Bitmap zeiger_bild(const Manifest_Eintrag& e)
{
    Zeiger_Bild z = Zeiger_Bild_Erzeugen(e.nummer - ZEIGER_BILD_BASIS);
    Resf_Bitmap b;
    b.width = z.width;
    b.height = z.height;
    b.depth = 16;
    b.compression = (e.nummer % 2) ? 5 : 4;
    b.pixels = Zeiger_Bild_Bytes(z);
    b.mask = z.mask;
    return b;
}

} // namespace

// The menu pictures of the builder's own drawing code; programs that do not link it (the
// tests) keep the placeholders below.
bool Tabellen_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild) __attribute__((weak));
bool Menue_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild) __attribute__((weak));
bool Gesicht_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild) __attribute__((weak));
bool Suche_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild) __attribute__((weak));
bool Oekonomie_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild) __attribute__((weak));
bool Uebersicht_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild) __attribute__((weak));
bool Aufstellung_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild) __attribute__((weak));
bool Detail_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild) __attribute__((weak));
bool Training_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild) __attribute__((weak));
bool Vergleich_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild) __attribute__((weak));
bool Edit_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild) __attribute__((weak));
bool Personal_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild) __attribute__((weak));
bool Spielerliste_Bild_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild) __attribute__((weak));

namespace {

// Flat fill with a light frame; crests and shirts a shield shape cut out by the mask.
Resf_Bitmap bild(const Manifest_Eintrag& e)
{
    if (std::strcmp(e.zweck, "Mauszeiger") == 0) return zeiger_bild(e);
    Resf_Bitmap b;
    if (Tabellen_Bild_Erzeugen && Tabellen_Bild_Erzeugen(e, b)) return b;
    if (Menue_Bild_Erzeugen && Menue_Bild_Erzeugen(e, b)) return b;
    if (Gesicht_Bild_Erzeugen && Gesicht_Bild_Erzeugen(e, b)) return b;
    if (Suche_Bild_Erzeugen && Suche_Bild_Erzeugen(e, b)) return b;
    if (Oekonomie_Bild_Erzeugen && Oekonomie_Bild_Erzeugen(e, b)) return b;
    if (Uebersicht_Bild_Erzeugen && Uebersicht_Bild_Erzeugen(e, b)) return b;
    if (Aufstellung_Bild_Erzeugen && Aufstellung_Bild_Erzeugen(e, b)) return b;
    if (Detail_Bild_Erzeugen && Detail_Bild_Erzeugen(e, b)) return b;
    if (Training_Bild_Erzeugen && Training_Bild_Erzeugen(e, b)) return b;
    if (Vergleich_Bild_Erzeugen && Vergleich_Bild_Erzeugen(e, b)) return b;
    if (Edit_Bild_Erzeugen && Edit_Bild_Erzeugen(e, b)) return b;
    if (Personal_Bild_Erzeugen && Personal_Bild_Erzeugen(e, b)) return b;
    if (Spielerliste_Bild_Erzeugen && Spielerliste_Bild_Erzeugen(e, b)) return b;
    b.width = e.width;
    b.height = e.height;
    b.depth = 16;
    b.compression = (e.nummer % 2) ? 5 : 4;
    uint32_t n = uint32_t(e.width) * e.height;
    b.pixels.assign(2 * n, 0);
    if (e.maske) b.mask.assign((n + 7) / 8, 0);
    uint16_t fill = farbe(e.nummer), rand = rgb565(240, 240, 240);
    for (uint32_t y = 0; y < e.height; ++y)
        for (uint32_t x = 0; x < e.width; ++x) {
            bool drin = true;
            if (e.maske) drin = y < e.height * 2 / 3 || (x >= (y - e.height * 2 / 3) && x < e.width - (y - e.height * 2 / 3));
            if (!drin) continue;
            uint32_t i = y * e.width + x;
            bool kante = x == 0 || y == 0 || x + 1 == e.width || y + 1 == e.height;
            setzen(b.pixels, i, kante ? rand : fill);
            if (e.maske) b.mask[i / 8] |= uint8_t(1u << (i % 8));
        }
    return b;
}

Resf_Bytes font()
{
    // Layout of a font entry; the font feature replaces these with rasterised fonts.
    Resf_Bytes f(3891, 0);
    std::memcpy(f.data() + 4, "Platzh", 6);
    f[4 + 10 + 3072] = 8;      // ascent
    f[3098] = 8;               // strip depth
    f[3099] = 16;              // strip width
    f[3103] = 8;               // strip height
    for (int i = 0; i < 768; ++i) f[3107 + i] = uint8_t((i / 3) >> 2);
    f.resize(f.size() + 16 * 8, 0);
    return f;
}

} // namespace

// The rasterised fonts of the builder's font step (FreeType); programs that do not link it
// (the tests) keep the placeholder layout above.
std::vector<uint8_t> Font_Resource_Daten(int32_t nummer) __attribute__((weak));

static Resf_Bytes font_eintrag(int32_t nummer)
{
    if (Font_Resource_Daten) {
        Resf_Bytes f = Font_Resource_Daten(nummer);
        if (!f.empty()) return f;
    }
    return font();
}

// The kit figures and their palette of the builder's own drawing code.
Resf_Bytes Trikotfigur_Resf_Daten(const Manifest_Eintrag& e) __attribute__((weak));

// The live match view's scene of the builder's own drawing code.
bool Spielszenen_Resf_Daten(const Manifest_Eintrag& e, Resf_Bytes& daten) __attribute__((weak));

// The line-up screen's pictures and spoken help of the builder's own drawing code.
bool Aufstellung_Resf_Daten(const Manifest_Eintrag& e, Resf_Bytes& daten) __attribute__((weak));

Resf_Bytes Resf_Manifest_Daten(const Manifest_Eintrag& e)
{
    Resf_Bytes szene;
    if (Spielszenen_Resf_Daten && Spielszenen_Resf_Daten(e, szene)) return szene;
    if (Aufstellung_Resf_Daten && Aufstellung_Resf_Daten(e, szene)) return szene;
    if (Trikotfigur_Resf_Daten && (e.typ == 38 || e.typ == 48)) return Trikotfigur_Resf_Daten(e);
    switch (e.typ) {
    case 14:
        if (std::strcmp(e.datei, "resf_scr.res") == 0 && (e.nummer == 139 || e.nummer == 212 || e.nummer == 328))
            return Resf_Bitmap_Daten(Trikot_Grundbild(e.nummer));
        if (std::strcmp(e.datei, "resf_scr.res") == 0 && e.nummer >= MANAGER_WAPPEN_BASIS &&
            e.nummer < MANAGER_WAPPEN_BASIS + MANAGER_WAPPEN_ZAHL)
            return Resf_Bitmap_Daten(Manager_Wappen_Bild(e.nummer - MANAGER_WAPPEN_BASIS));
        if (std::strcmp(e.datei, "resf_scr.res") == 0 && e.nummer >= VEREINS_WAPPEN_BASIS &&
            e.nummer < VEREINS_WAPPEN_BASIS + VEREINS_WAPPEN_ZAHL)
            return Resf_Bitmap_Daten(Vereins_Wappen_Eintrag(e.nummer - VEREINS_WAPPEN_BASIS));
        return Resf_Bitmap_Daten(bild(e));
    case 16:
        if (std::strcmp(e.datei, "werbung.res") == 0 && e.nummer == WERBUNG_BILD_ARTEN_EINTRAG)
            return Resf_Daten(Resf_Bytes(std::begin(WERBUNG_BILD_ARTEN), std::end(WERBUNG_BILD_ARTEN)));
        return Resf_Daten(Sound_Synth_Bytes(e.nummer));
    case 17: return font_eintrag(e.nummer);
    case 40: return e.nummer >= TRIKOT_NUMMER_BASIS && e.nummer < TRIKOT_NUMMER_BASIS + 100
                        ? Trikot_Nummer_Eintrag(e.nummer - TRIKOT_NUMMER_BASIS) : Resf_Bytes{};
    default: return {};
    }
}

int Resf_Dateien_Erzeugen(const std::string& ziel)
{
    std::string fehler;
    if (!Manifest_Pruefen(Manifest_Eintraege(), &fehler)) {
        std::fprintf(stderr, "resfiles: %s\n", fehler.c_str());
        return 1;
    }
    std::map<std::string, Resf_Datei> dateien;
    for (const Manifest_Datei& d : Manifest_Dateien()) dateien[d.name];
    for (const Manifest_Eintrag& e : Manifest_Eintraege()) {
        int32_t index = Manifest_Index(e);
        if (index < 0) {
            std::fprintf(stderr, "resfiles: %s %d: keine Indexposition\n", e.datei, e.nummer);
            return 1;
        }
        Resf_Setzen(dateien[e.datei], uint32_t(index), e.typ, Resf_Manifest_Daten(e));
    }
    for (const Manifest_Datei& d : Manifest_Dateien()) {
        std::filesystem::path ordner = std::filesystem::path(ziel) / d.ordner;
        std::error_code fehler;
        std::filesystem::create_directories(ordner, fehler);
        std::string pfad = (ordner / d.name).string();
        if (!Resf_Schreiben(dateien[d.name], pfad)) {
            std::fprintf(stderr, "resfiles: kann %s nicht schreiben\n", pfad.c_str());
            return 1;
        }
    }
    return 0;
}
