#include "tools/datagen/font_datei.h"

#include <cstdio>
#include <cstring>

namespace {

void u32(std::vector<uint8_t>& b, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
}

std::vector<uint8_t> schreiben(const Font_Bild& f, bool resource)
{
    std::vector<uint8_t> b;
    if (resource) u32(b, 0);
    else b.insert(b.end(), {'T', 'O', 'X', 'F'});
    char name[10] = {};
    if (f.name.size() < 10) std::memcpy(name, f.name.data(), f.name.size());
    b.insert(b.end(), name, name + 10);
    for (const uint32_t* t : {f.strip_x, f.glyph_width, f.extra_advance})
        for (int i = 0; i < 256; ++i) u32(b, t[i]);
    u32(b, f.ascent);
    u32(b, f.reserved);
    u32(b, f.colour);
    if (resource) b.push_back(f.depth);
    else u32(b, f.depth);
    u32(b, f.width);
    u32(b, f.height);
    b.insert(b.end(), f.palette, f.palette + 768);
    u32(b, f.own_colour);
    u32(b, f.bold);
    u32(b, f.derived);
    u32(b, f.reserved2);
    b.insert(b.end(), f.pixels.begin(), f.pixels.end());
    return b;
}

}  // namespace

std::vector<uint8_t> Font_Datei_Toxf(const Font_Bild& font) { return schreiben(font, false); }
std::vector<uint8_t> Font_Datei_Resource(const Font_Bild& font) { return schreiben(font, true); }

bool Font_Datei_Schreiben(const std::vector<uint8_t>& bytes, const std::string& path)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    // An empty image has no data pointer to hand to fwrite.
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}
