// Writer of the two stored font layouts (TOXF files and font entries of the resource file),
// field by field, little-endian; the loaders in graphics/font.cpp read them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Font_Bild {
    std::string name;                // at most 9 characters are stored
    uint32_t strip_x[256] = {};
    uint32_t glyph_width[256] = {};
    uint32_t extra_advance[256] = {};
    uint32_t ascent = 0, reserved = 0, colour = 255;
    uint8_t depth = 8;
    uint32_t width = 0, height = 0;
    uint8_t palette[768] = {};
    uint32_t own_colour = 0, bold = 0, derived = 0, reserved2 = 0;
    std::vector<uint8_t> pixels;     // width x height x ((depth + 1) / 8) bytes, u16 little-endian
};

std::vector<uint8_t> Font_Datei_Toxf(const Font_Bild& font);
// The entry's data behind its type word.
std::vector<uint8_t> Font_Datei_Resource(const Font_Bild& font);
bool Font_Datei_Schreiben(const std::vector<uint8_t>& bytes, const std::string& path);
