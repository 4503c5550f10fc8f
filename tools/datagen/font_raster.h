// The game's bitmap fonts, rasterised from the DejaVu fonts with FreeType: the 17 font slots of
// the screen resource file (entries 1521-1537) and the debug font "term6.fnt".
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/datagen/font_datei.h"

constexpr const char* FONT_DEJAVU_ORDNER = "/usr/share/fonts/truetype/dejavu/";

// Every Windows-1252 glyph 32-255 of the TrueType file at this pixel size, with the toolkit's
// mark glyphs at 128 (radio off), 134 (radio on), 135 (sub-list arrow), 143 (check box off)
// and 144 (check box on). Strip at depth 8: ink 255 (palette white), else 0. False when the
// font file cannot be read. For the builder's pictures: where a face's own instructions fail at
// a small size, FreeType's hinter sets the glyphs. A `breite` above 0 narrows the cut: the em is
// that many pixels wide and `pixel` tall, for texts that must fit a box at a readable height.
bool Font_Rastern(const std::string& ttf, int pixel, const char* name, Font_Bild& out, double breite = 0);
// The data of the font entry with this resource number (1521 + slot); empty when it fails.
std::vector<uint8_t> Font_Resource_Daten(int32_t nummer);
// The debug font as a TOXF file.
bool Font_Debug_Erzeugen(const std::string& pfad);
