// Fonts. Two stored layouts, both little-endian and read field by field:
//
//   TOXF file                         resource entry (behind the type word)
//   0     "TOXF"                      0     u32 (ignored)
//   4     name[10]                    4     name[10]
//   14    u32 strip x[256]            14    u32 strip x[256]
//   1038  u32 glyph width[256]        1038  u32 glyph width[256]
//   2062  u32 extra advance[256]      2062  u32 extra advance[256]
//   3086  u32 ascent                  3086  u32 ascent
//   3090  u32 reserved                3090  u32 reserved
//   3094  u32 colour                  3094  u32 colour
//   3098  u32 strip depth (low byte)  3098  u8 strip depth
//   3102  u32 strip width             3099  u32 strip width
//   3106  u32 strip height            3103  u32 strip height
//   3110  palette[768]                3107  palette[768]
//   3878  u32 own-colour flag         3875  u32 own-colour flag
//   3882  u32 bold                    3879  u32 bold (forced off)
//   3886  u32 derived flag            3883  u32 derived flag
//   3890  u32 reserved 2              3887  u32 reserved 2
//   3894  strip pixels                3891  strip pixels
//
// Strip pixels: rows top to bottom, no padding, 1 byte per pixel at depth 8, 2 (u16) at 15/16.
// Both files can be touched by the user, so every table entry is checked against the strip
// before the font is used.
#include "graphics/font.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/print.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "platform/handle.h"
#include "platform/mem.h"
#include "platform/resfile.h"

Font_Record* Font_Slots[FONT_SLOTS];
Font_Record* Font_Aktuell;

namespace {

struct Leser {
    const uint8_t* p;
    uint32_t rest;
    bool ok = true;
    uint32_t u32()
    {
        if (rest < 4) return ok = false, 0;
        uint32_t v = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 |
                     uint32_t(p[3]) << 24;
        p += 4, rest -= 4;
        return v;
    }
    uint8_t u8()
    {
        if (rest < 1) return ok = false, 0;
        --rest;
        return *p++;
    }
    void bytes(void* out, uint32_t n)
    {
        if (rest < n) {
            ok = false;
            return;
        }
        std::memcpy(out, p, n);
        p += n, rest -= n;
    }
};

struct Strip_Kopf {
    uint32_t depth, width, height;
};

// Reads the header fields shared by both layouts into the record.
bool kopf_lesen(Leser& l, Font_Record* f, bool resource, Strip_Kopf& s)
{
    f->tag = 0;
    l.u32();  // magic or the ignored word
    l.bytes(f->name, sizeof f->name);
    for (auto* t : {f->strip_x, f->glyph_width, f->extra_advance})
        for (int i = 0; i < FONT_TABELLE; ++i) t[i] = l.u32();
    f->ascent = l.u32();
    f->reserved = l.u32();
    f->colour = l.u32();
    s.depth = resource ? l.u8() : (l.u32() & 0xFF);
    s.width = l.u32();
    s.height = l.u32();
    l.bytes(f->palette, sizeof f->palette);
    f->own_colour = l.u32();
    f->bold = l.u32();
    f->derived = l.u32();
    f->reserved2 = l.u32();
    f->spacing = 1;
    f->fixed_advance = 0;
    return l.ok;
}

uint32_t strip_bytes(const Strip_Kopf& s)
{
    return s.width * s.height * Grafik_Bytes_Pro_Pixel(int(s.depth));
}

bool strip_moeglich(const Strip_Kopf& s)
{
    return (s.depth == 8 || s.depth == 15 || s.depth == 16) && s.width >= 1 &&
           s.width <= FONT_STRIP_MAX_BREITE && s.height >= 1 && s.height <= FONT_STRIP_MAX_HOEHE;
}

// Every glyph of the 8-bit codes must lie inside the strip; advances stay small enough that
// no position can overflow.
bool tabellen_gueltig(const Font_Record* f, const Strip_Kopf& s)
{
    if (f->ascent > 4 * FONT_STRIP_MAX_HOEHE) return false;
    for (int i = 0; i < 256 - 32; ++i) {
        if (f->glyph_width[i] > s.width || f->extra_advance[i] > 1024) return false;
        if (f->glyph_width[i] && uint64_t(f->strip_x[i]) + f->glyph_width[i] > s.width)
            return false;
    }
    return true;
}

// Allocates the strip at the stored depth and fills it from the stored pixels.
bool strip_fuellen(Font_Record* f, const Strip_Kopf& s, const uint8_t* px)
{
    f->strip = Grafik_Bitmap_Anlegen(int32_t(s.width), int32_t(s.height), int32_t(s.depth));
    if (!f->strip) return false;
    size_t n = size_t(s.width) * s.height;
    if (s.depth == 8) {
        std::memcpy(f->strip->pixels, px, n);
    } else {
        auto* d = static_cast<uint16_t*>(f->strip->pixels);
        for (size_t i = 0; i < n; ++i) d[i] = uint16_t(px[2 * i] | px[2 * i + 1] << 8);
    }
    return true;
}

// Converts the strip to the wanted depth (derived fonts keep theirs).
bool tiefe_anpassen(Font_Record* f, int32_t depth)
{
    if (f->derived || f->strip->depth == depth) return true;
    Rastport* neu = Grafik_Bitmap_Tiefe_Wandeln(f->strip, depth, f->palette);
    if (!neu) return false;
    Grafik_Bitmap_Freigeben(f->strip);
    f->strip = neu;
    return true;
}

Font_Record* neuer_record()
{
    return static_cast<Font_Record*>(Mem_Alloc_Clear(sizeof(Font_Record), 0, 0));
}

}  // namespace

Font_Record* Font_Load(const char* path, int32_t depth)
{
    if (!path) return nullptr;
    FILE* file = std::fopen(path, "rb");
    if (!file) return nullptr;
    std::vector<uint8_t> kopf(FONT_TOXF_KOPF);
    Font_Record* f = nullptr;
    bool ok = std::fread(kopf.data(), 1, kopf.size(), file) == kopf.size() &&
              std::memcmp(kopf.data(), "TOXF", 4) == 0;
    if (!ok) Print_Fehler("Font_Load: %s: kein Font\n", path);
    Strip_Kopf s{};
    if (ok) {
        f = neuer_record();
        Leser l{kopf.data(), uint32_t(kopf.size())};
        ok = f && kopf_lesen(l, f, false, s) && strip_moeglich(s) && tabellen_gueltig(f, s);
        if (f && !ok) Print_Fehler("Font_Load: %s: Fontdaten fehlerhaft\n", path);
    }
    if (ok) {
        // A short read fails the load: a cut file must not leave a half-empty strip.
        std::vector<uint8_t> px(strip_bytes(s));
        ok = std::fread(px.data(), 1, px.size(), file) == px.size();
        if (!ok) Print_Fehler("Font_Load: %s: Datei zu kurz\n", path);
        ok = ok && strip_fuellen(f, s, px.data());
        if (ok && !tiefe_anpassen(f, depth)) {
            Print_Fehler("Font_Load: %s: Konvertierung!\n", path);
            ok = false;
        }
    }
    std::fclose(file);
    if (!ok) return Font_Free(f);
    return f;
}

uint32_t Font_Resource_Groesse(const uint8_t* daten, uint32_t groesse)
{
    if (!daten || groesse < FONT_RESOURCE_KOPF) return 0;
    Leser l{daten + 3098, groesse - 3098};
    Strip_Kopf s{};
    s.depth = l.u8();
    s.width = l.u32();
    s.height = l.u32();
    if (!strip_moeglich(s)) return 0;
    return FONT_RESOURCE_KOPF + strip_bytes(s);
}

Font_Record* Font_Aus_Resource(const uint8_t* daten, uint32_t groesse, int32_t depth)
{
    uint32_t soll = Font_Resource_Groesse(daten, groesse);
    if (!soll || soll > groesse) {
        Print_Fehler("Load_Resource: Font fehlerhaft\n");
        return nullptr;
    }
    Font_Record* f = neuer_record();
    if (!f) {
        Print_Fehler("Load_Resource: Mem_Alloc: Fehler\n");
        return nullptr;
    }
    Leser l{daten, groesse};
    Strip_Kopf s{};
    if (!kopf_lesen(l, f, true, s) || !tabellen_gueltig(f, s)) {
        Print_Fehler("Load_Resource: Font fehlerhaft\n");
        return Font_Free(f);
    }
    f->bold = 0;
    if (!strip_fuellen(f, s, l.p)) {
        Print_Fehler("Load_Resource: _OB: Fehler\n");
        return Font_Free(f);
    }
    if (!tiefe_anpassen(f, depth)) {
        Print_Fehler("Load_Resource: Konvertierung!\n");
        return Font_Free(f);
    }
    return f;
}

Font_Record* Font_Free(Font_Record* font)
{
    if (!font) return nullptr;
    Handle_Objekt_Freigeben(font);
    if (Font_Aktuell == font) Font_Aktuell = nullptr;
    Grafik_Bitmap_Freigeben(font->strip);
    Mem_Free(font, 0);
    return nullptr;
}

void Grafik_Init()
{
    int32_t depth = Grafik_Render_Ziel ? Grafik_Render_Ziel->depth : Grafik_Screen_Geometrie.depth;
    for (int32_t slot = 0; slot < FONT_SLOTS; ++slot) {
        if (Font_Slots[slot]) {
            Print_Fehler("Grafik_Init: Font Nr. %d schon belegt!\n", slot);
            continue;
        }
        // Any other entry type at that number would hand back an object that is no font.
        int32_t nummer = FONT_RESOURCE_ERSTE + slot;
        if (ResFile_Get_Typ(ResFile_Handles[0].handle, nummer) != RES_FONT) continue;
        Font_Slots[slot] =
            static_cast<Font_Record*>(Load_Resource(ResFile_Handles[0].handle, nummer, depth, nullptr));
    }
    Font_Aktuell = Font_Slots[3];
}

Font_Record* Font(int32_t slot)
{
    if (slot < 0 || slot >= FONT_SLOTS) {
        Print_Fehler("Font: font_nr falsch!\n");
        return Font_Slots[0];
    }
    return Font_Slots[slot];
}

void Font_Set(int32_t slot, uint32_t colour)
{
    if (slot < 0 || slot >= FONT_SLOTS) {
        Print_Fehler("Font_Set: font_nr falsch!\n");
        return;
    }
    Font_Aktuell = Font_Slots[slot];
    if (Font_Aktuell) Font_Aktuell->colour = colour;
}

void Font_Alle_Freigeben()
{
    for (auto& slot : Font_Slots) slot = Font_Free(slot);
    Font_Aktuell = nullptr;
}

int32_t Font_Zeichen_Breite(const Font_Record* font, uint8_t c)
{
    if (!font || c < 32) return 0;
    int i = c - 32;
    return int32_t(font->glyph_width[i] + font->extra_advance[i] + font->spacing);
}

int32_t Font_Zeichen_Hoehe(const Font_Record* font, uint8_t c, int32_t* top)
{
    int32_t oben = -1, unten = -1;
    const Rastport* s = font ? font->strip : nullptr;
    if (s && !s->packed && c >= 32 && c < 160) {
        int i = c - 32;
        uint32_t x0 = font->strip_x[i], w = font->glyph_width[i];
        if (x0 + w > s->width) w = x0 < s->width ? s->width - x0 : 0;
        for (uint32_t y = 0; y < s->height; ++y)
            for (uint32_t x = x0; x < x0 + w; ++x) {
                size_t n = size_t(y) * s->width + x;
                bool ink = s->depth == 8 ? static_cast<const uint8_t*>(s->pixels)[n] != 0
                                         : static_cast<const uint16_t*>(s->pixels)[n] != 0;
                if (!ink) continue;
                if (oben < 0) oben = int32_t(y);
                unten = int32_t(y);
                break;
            }
    }
    if (oben < 0) {
        if (top) *top = -2;
        return 6;
    }
    if (top) *top = oben - 2;
    return unten - oben + 6;
}

int Grafik_Leer_Stub(void*) { return 0; }
