#include "tools/datagen/font_raster.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "tools/datagen/datagen.h"

namespace {

struct Schnitt {
    const char* datei;
    int pixel;
    const char* name;
};

// Slot roles: 0 titles, 2 message texts, 3 the default (popups, help, text entry), 9 value
// texts and start-menu labels (condensed: the longest label fits the 150-pixel entry), 7 names
// and scores; the rest are sizes for lists and panels.
constexpr Schnitt SLOTS[17] = {
    {"DejaVuSans-Bold.ttf", 16, "titel"},
    {"DejaVuSans.ttf", 11, "klein"},
    {"DejaVuSans.ttf", 13, "meldung"},
    {"DejaVuSans.ttf", 12, "standard"},
    {"DejaVuSans.ttf", 10, "mini"},
    {"DejaVuSans-Bold.ttf", 12, "fett12"},
    {"DejaVuSans-Bold.ttf", 14, "fett14"},
    {"DejaVuSansCondensed-Bold.ttf", 13, "namen"},
    {"DejaVuSansCondensed.ttf", 12, "schmal"},
    {"DejaVuSansCondensed.ttf", 10, "wert"},
    {"DejaVuSerif.ttf", 14, "serif"},
    {"DejaVuSans.ttf", 9, "winzig"},
    {"DejaVuSans-Bold.ttf", 20, "gross"},
    {"DejaVuSansMono.ttf", 12, "mono"},
    {"DejaVuSans-Bold.ttf", 10, "fett10"},
    {"DejaVuSansCondensed-Bold.ttf", 15, "kopf"},
    {"DejaVuSans-Bold.ttf", 24, "riesig"},
};

// Windows-1252 0x80-0x9F; 0 = no character there.
constexpr uint16_t CP1252_80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr int RADIO_AUS = 128, RADIO_AN = 134, PFEIL = 135, KASTEN_AUS = 143, KASTEN_AN = 144;

struct Zelle {
    int breite = 0;                 // glyph width; the advance is one more (spacing)
    std::vector<uint8_t> tinte;     // breite x hoehe, 1 = ink
};

void linie(Zelle& z, int hoehe, int x0, int y0, int x1, int y1)
{
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0), sx = x0 < x1 ? 1 : -1,
        sy = y0 < y1 ? 1 : -1, e = dx + dy;
    for (;;) {
        if (x0 >= 0 && x0 < z.breite && y0 >= 0 && y0 < hoehe) z.tinte[y0 * z.breite + x0] = 1;
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * e;
        if (e2 >= dy) e += dy, x0 += sx;
        if (e2 <= dx) e += dx, y0 += sy;
    }
}

// The toolkit's marks, drawn to a square of the height of a capital standing on the baseline.
Zelle zeichen_marke(int code, int ascent, int hoehe)
{
    int s = std::max(7, ascent * 3 / 4);
    if (s % 2 == 0) --s;
    Zelle z;
    z.breite = code == PFEIL ? s / 2 + 2 : s + 1;
    z.tinte.assign(size_t(z.breite) * hoehe, 0);
    int oben = ascent - s;
    auto setzen = [&](int x, int y) {
        if (x >= 0 && x < z.breite && y + oben >= 0 && y + oben < hoehe)
            z.tinte[(y + oben) * z.breite + x] = 1;
    };
    double m = (s - 1) / 2.0, r = s / 2.0 - 0.5;
    for (int y = 0; y < s; ++y)
        for (int x = 0; x < s; ++x) {
            double d = std::hypot(x - m, y - m);
            switch (code) {
            case RADIO_AUS: if (std::fabs(d - r) < 0.6) setzen(x, y); break;
            case RADIO_AN: if (std::fabs(d - r) < 0.6 || d < r * 0.5) setzen(x, y); break;
            case KASTEN_AUS:
            case KASTEN_AN:
                if (x == 0 || y == 0 || x == s - 1 || y == s - 1) setzen(x, y);
                break;
            case PFEIL:
                if (x <= s / 2 && std::abs(y - int(m)) <= s / 2 - x) setzen(x, y);
                break;
            }
        }
    if (code == KASTEN_AN) {
        // A check mark inside the box.
        int a = 2, b = s - 3;
        linie(z, hoehe, a, oben + s / 2, a + (b - a) / 3, oben + b);
        linie(z, hoehe, a + (b - a) / 3, oben + b, b, oben + a);
        linie(z, hoehe, a + 1, oben + s / 2, a + 1 + (b - a) / 3, oben + b);
    }
    return z;
}

// DejaVu's condensed faces carry instructions that fall apart in one-bit rendering below 11
// pixels: the 'r' loses its arm (at 8 pixels it is an 'i'), the 'e' its bar, the 'a' its bowl.
// FreeType's own hinter sets those sizes in the builder's pictures; the other faces keep their
// instructions, which hold.
bool eigener_hinter(FT_Face face, int pixel)
{
    return pixel <= 10 && face->style_name && std::strstr(face->style_name, "Condensed");
}

// The glyph in one bit per pixel. FreeType's hinter asks for no dropout control, so it is
// switched on there: a stroke or a dot thinner than a pixel still sets one, and the full stop,
// the comma, the colon and the umlauts' dots stay at the smallest sizes. The instructions of the
// other faces choose their own.
bool glyph_laden(FT_Face face, uint32_t unicode, bool autohint)
{
    if (!unicode || FT_Load_Char(face, unicode, FT_LOAD_TARGET_MONO | (autohint ? FT_LOAD_FORCE_AUTOHINT : 0)))
        return false;
    FT_GlyphSlot g = face->glyph;
    if (autohint && g->format == FT_GLYPH_FORMAT_OUTLINE) {
        g->outline.flags &= ~FT_OUTLINE_IGNORE_DROPOUTS;
        g->outline.flags |= FT_OUTLINE_SMART_DROPOUTS | FT_OUTLINE_INCLUDE_STUBS;
    }
    return !FT_Render_Glyph(g, FT_RENDER_MODE_MONO);
}

Zelle zeichen_glyph(FT_Face face, uint32_t unicode, bool autohint, int ascent, int hoehe, int leer_breite)
{
    Zelle z;
    if (!glyph_laden(face, unicode, autohint)) {
        z.breite = leer_breite;
        z.tinte.assign(size_t(z.breite) * hoehe, 0);
        return z;
    }
    FT_GlyphSlot g = face->glyph;
    const FT_Bitmap& bm = g->bitmap;
    int vorschub = int((g->advance.x + 32) >> 6);
    int links = std::max(0, int(g->bitmap_left));
    z.breite = std::max({1, vorschub - 1, links + int(bm.width)});
    z.tinte.assign(size_t(z.breite) * hoehe, 0);
    int pitch = std::abs(bm.pitch);
    for (int r = 0; r < int(bm.rows); ++r) {
        int y = ascent - g->bitmap_top + r;
        if (y < 0 || y >= hoehe) continue;
        for (int c = 0; c < int(bm.width); ++c) {
            bool an = bm.pixel_mode == FT_PIXEL_MODE_MONO
                          ? (bm.buffer[r * pitch + c / 8] >> (7 - c % 8)) & 1
                          : bm.buffer[r * pitch + c] >= 128;
            if (an) z.tinte[y * z.breite + links + c] = 1;
        }
    }
    return z;
}

// `bilder`: for the builder's own pictures, which take FreeType's hinter where the face's
// instructions fail. The program's slots keep the instructions: their screens are laid out to
// those widths, and the hinter sets the condensed 10-pixel slot a fifteenth wider.
bool rastern(const std::string& ttf, int pixel, const char* name, Font_Bild& out, double breite, bool bilder)
{
    FT_Library lib = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&lib)) return false;
    if (FT_New_Face(lib, ttf.c_str(), 0, &face) ||
        FT_Set_Char_Size(face, FT_F26Dot6(std::lround(breite * 64)), FT_F26Dot6(pixel) * 64, 72, 72)) {
        std::fprintf(stderr, "fonts: kann %s nicht lesen\n", ttf.c_str());
        FT_Done_FreeType(lib);
        return false;
    }
    int ascent = int((face->size->metrics.ascender + 63) >> 6);
    int hoehe = ascent + int((-face->size->metrics.descender + 63) >> 6);

    const bool autohint = bilder && eigener_hinter(face, pixel);
    std::vector<Zelle> zellen;
    int leer = std::max(2, pixel / 3);
    if (glyph_laden(face, ' ', autohint)) leer = std::max(1, int((face->glyph->advance.x + 32) >> 6) - 1);
    for (int c = 32; c < 256; ++c) {
        if (c == RADIO_AUS || c == RADIO_AN || c == PFEIL || c == KASTEN_AUS || c == KASTEN_AN) {
            zellen.push_back(zeichen_marke(c, ascent, hoehe));
            continue;
        }
        uint32_t u = c < 0x80 ? uint32_t(c) : c < 0xA0 ? CP1252_80[c - 0x80] : uint32_t(c);
        if (c == 0xA0) u = ' ';
        zellen.push_back(zeichen_glyph(face, u, autohint, ascent, hoehe, leer));
    }
    FT_Done_Face(face);
    FT_Done_FreeType(lib);

    out = Font_Bild{};
    out.name = name;
    out.ascent = uint32_t(ascent);
    out.colour = 0xFFFF;
    out.depth = 8;
    out.height = uint32_t(hoehe);
    uint32_t x = 0;
    for (size_t i = 0; i < zellen.size(); ++i) {
        out.strip_x[i] = x;
        out.glyph_width[i] = uint32_t(zellen[i].breite);
        x += uint32_t(zellen[i].breite);
    }
    out.width = x;
    out.pixels.assign(size_t(out.width) * out.height, 0);
    for (size_t i = 0; i < zellen.size(); ++i)
        for (int y = 0; y < hoehe; ++y)
            for (int c = 0; c < zellen[i].breite; ++c)
                if (zellen[i].tinte[y * zellen[i].breite + c])
                    out.pixels[size_t(y) * out.width + out.strip_x[i] + c] = 255;
    out.palette[255 * 3] = out.palette[255 * 3 + 1] = out.palette[255 * 3 + 2] = 63;
    return true;
}

}  // namespace

bool Font_Rastern(const std::string& ttf, int pixel, const char* name, Font_Bild& out, double breite)
{
    return rastern(ttf, pixel, name, out, breite, true);
}

std::vector<uint8_t> Font_Resource_Daten(int32_t nummer)
{
    int slot = nummer - 1521;
    if (slot < 0 || slot >= 17) return {};
    Font_Bild bild;
    if (!rastern(std::string(FONT_DEJAVU_ORDNER) + SLOTS[slot].datei, SLOTS[slot].pixel, SLOTS[slot].name, bild, 0,
                 false))
        return {};
    return Font_Datei_Resource(bild);
}

bool Font_Debug_Erzeugen(const std::string& pfad)
{
    Font_Bild bild;
    return Font_Rastern(std::string(FONT_DEJAVU_ORDNER) + "DejaVuSansMono.ttf", 9, "term6", bild) &&
           Font_Datei_Schreiben(Font_Datei_Toxf(bild), pfad);
}

namespace {

// Step "fonts": the debug font in the program folder (the resource fonts are written by the
// resource step through Font_Resource_Daten).
int fonts(const std::string& ziel, const std::vector<std::string>&)
{
    std::error_code fehler;
    std::filesystem::create_directories(ziel, fehler);
    std::string pfad = (std::filesystem::path(ziel) / "term6.fnt").string();
    if (!Font_Debug_Erzeugen(pfad)) {
        std::fprintf(stderr, "fonts: kann %s nicht schreiben\n", pfad.c_str());
        return 1;
    }
    return 0;
}

// Step "schrift": one DejaVu face at one size as a TOXF file, to look at or test a size the
// pictures use:  dorvin_datagen schrift --ziel DIR FACE.ttf PIXEL [EM-WIDTH]  ->  DIR/schrift.fnt
int schrift(const std::string& ziel, const std::vector<std::string>& args)
{
    char* ende = nullptr;
    const long pixel = args.size() >= 2 ? std::strtol(args[1].c_str(), &ende, 10) : 0;
    const double breite = args.size() >= 3 ? std::strtod(args[2].c_str(), nullptr) : 0;
    if (args.size() < 2 || args.size() > 3 || *ende || pixel < 4 || pixel > 64 || breite < 0 || breite > 64 ||
        args[0].find('/') != std::string::npos) {
        std::fprintf(stderr, "schrift: Aufruf schrift --ziel ORDNER SCHRIFT.ttf PIXEL [BREITE]\n");
        return 1;
    }
    std::error_code fehler;
    std::filesystem::create_directories(ziel, fehler);
    const std::string pfad = (std::filesystem::path(ziel) / "schrift.fnt").string();
    Font_Bild bild;
    if (!Font_Rastern(std::string(FONT_DEJAVU_ORDNER) + args[0], int(pixel), "schrift", bild, breite) ||
        !Font_Datei_Schreiben(Font_Datei_Toxf(bild), pfad)) {
        std::fprintf(stderr, "schrift: kann %s nicht schreiben\n", pfad.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

DATAGEN_SCHRITT("fonts", fonts, true);
DATAGEN_SCHRITT("schrift", schrift, false);
