// Bitmap fonts: the font record, the 17 font slots, the two stored layouts (TOXF files and
// font entries of the resource file) and per-character metrics.
#pragma once
#include <cstdint>

#include "graphics/grafik_bitmap.h"

constexpr int32_t FONT_SLOTS = 17;
// Per-character tables are indexed by code - 32.
constexpr int32_t FONT_TABELLE = 256;
// Resource number of slot 0 in the screen resource file.
constexpr int32_t FONT_RESOURCE_ERSTE = 1521;

struct Font_Record {
    uint32_t tag;
    char name[10];
    uint32_t strip_x[FONT_TABELLE];
    uint32_t glyph_width[FONT_TABELLE];
    uint32_t extra_advance[FONT_TABELLE];
    uint32_t ascent;         // top of the strip down to the baseline
    uint32_t reserved;
    uint32_t colour;         // pixel value of the text colour
    uint32_t spacing;        // added to every proportional advance
    uint32_t fixed_advance;  // 0 = proportional, else the cell width
    uint32_t own_colour;     // glyphs keep their own pixel colours
    uint32_t bold;
    uint32_t derived;        // strip of 8-bit coverage values, drawn in the font colour
    uint32_t reserved2;
    uint8_t palette[768];    // 6-bit components, converts an 8-bit strip
    Rastport* strip;         // owned
};

// Stored layouts: TOXF header (magic included) and the header of a font resource entry,
// each followed by width x height x ((depth + 1) / 8) bytes of strip pixels.
constexpr uint32_t FONT_TOXF_KOPF = 3894;
constexpr uint32_t FONT_RESOURCE_KOPF = 3891;
constexpr uint32_t FONT_TOXF_MAGIC = 0x46584F54u;  // "TOXF"
// Largest strip a stored font may have (the loaders refuse bigger ones).
constexpr uint32_t FONT_STRIP_MAX_BREITE = 16384;
constexpr uint32_t FONT_STRIP_MAX_HOEHE = 256;

extern Font_Record* Font_Slots[FONT_SLOTS];
extern Font_Record* Font_Aktuell;

// Loads a TOXF file and fits its strip to the wanted depth; null on any failure (missing file,
// wrong magic, short or inconsistent data, a depth that cannot be converted).
Font_Record* Font_Load(const char* path, int32_t depth);
// Builds a font from the bytes of a resource entry (behind its type word); bold is forced off.
// A derived font keeps its strip; others are fitted to the depth. Null on any failure.
// Load_Resource hands out a type-17 entry this way.
Font_Record* Font_Aus_Resource(const uint8_t* daten, uint32_t groesse, int32_t depth);
// Size of the resource entry that starts with these bytes (header plus strip), 0 when the
// header is incomplete or its strip impossible.
uint32_t Font_Resource_Groesse(const uint8_t* daten, uint32_t groesse);
// Frees the strip and the record; returns null: f = Font_Free(f).
Font_Record* Font_Free(Font_Record* font);

// Fills the empty slots from the screen resource file at the render target's depth and makes
// slot 3 current.
void Grafik_Init();
// The slot's record; a bad number is reported and slot 0 returned.
Font_Record* Font(int32_t slot);
// Makes the slot current and sets its colour; a bad number changes nothing.
void Font_Set(int32_t slot, uint32_t colour);
void Font_Alle_Freigeben();

// Glyph width + extra advance + spacing; 0 for no font or a code below 32.
int32_t Font_Zeichen_Breite(const Font_Record* font, uint8_t c);
// Ink height of the character + 6, its top - 2 in *top (6 and -2 when it cannot be measured).
int32_t Font_Zeichen_Hoehe(const Font_Record* font, uint8_t c, int32_t* top);

// Width in pixels of one run of marked-up text (up to a tab or line code); 0 for a missing
// font or an empty text.
int32_t Font_Text_Breite(Font_Record* font, const char* text);
// Extent of a whole marked-up text with tabs and lines: the widest line.
int32_t Font_Text_Breite_Mit_Tabs(Font_Record* font, const char* text);

// No effect; the game logic calls it in many places.
int Grafik_Leer_Stub(void* unused);
