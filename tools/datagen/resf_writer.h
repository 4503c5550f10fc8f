// Writer of RESF resource files for the data builder. Bitmaps are packed with the program's own
// packers, so the files exercise the loader's unpacking paths.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

using Resf_Bytes = std::vector<uint8_t>;

struct Resf_Eintrag {
    int16_t typ = 15;
    Resf_Bytes daten;
};

struct Resf_Datei {
    std::vector<Resf_Eintrag> eintraege;
    std::vector<std::string> namen; // written as the 256-byte name table when not empty
};

struct Resf_Bitmap {
    uint16_t width = 0, height = 0, x_offset = 0, y_offset = 0;
    uint32_t depth = 16;          // 8, 15 or 16
    Resf_Bytes pixels;            // width x height x (depth + 1) / 8 bytes, 16-bit little-endian
    uint32_t compression = 0;     // 0 stored, 4 LZSS, 5 backward packer; other values as given
    uint32_t keep_packed = 0;
    Resf_Bytes palette;           // 768 bytes, required for depth 8
    Resf_Bytes mask;              // flags bit 0 when not empty
    uint32_t companion_width = 0, companion_height = 0;
    Resf_Bytes companion;         // flags bit 1 when not empty
    Resf_Bytes extra;             // flags bit 2 when not empty: width x height x 2 bytes
};

// Puts an entry at an index position; positions in between become empty (type 15) entries.
void Resf_Setzen(Resf_Datei& datei, uint32_t index, int16_t typ, Resf_Bytes daten);
bool Resf_Schreiben(const Resf_Datei& datei, const std::string& pfad);

// Packs pixel data by a bitmap compression value (4 or 5); 0 and others return it unchanged.
Resf_Bytes Resf_Packen(const Resf_Bytes& daten, uint32_t compression);

Resf_Bytes Resf_Bitmap_Daten(const Resf_Bitmap& bild);
// A drawn 16-bit picture (RGB565 pixels, row by row) as a bitmap entry, compressed by the
// entry's number (odd 5, even 4); with `maske` every pixel but 0 is opaque.
Resf_Bitmap Resf_Bitmap_Rgb565(int32_t breite, int32_t hoehe, const std::vector<uint16_t>& px, bool maske, int32_t nummer);
Resf_Bytes Resf_Daten(const Resf_Bytes& daten);
Resf_Bytes Resf_Palette(const Resf_Bytes& palette);
Resf_Bytes Resf_Sprite(const Resf_Bytes& block, uint32_t hot_x, uint32_t hot_y);
Resf_Bytes Resf_Sprite_Liste(const std::vector<Resf_Bytes>& blocks);
Resf_Bytes Resf_Sprite_Farben(const Resf_Bytes& block, uint32_t rows, uint32_t hot_x, uint32_t hot_y, const Resf_Bytes& palette);
Resf_Bytes Resf_Film_Bild(uint32_t width, uint32_t height, const Resf_Bytes& wav44, const Resf_Bytes& pixels,
                          uint32_t compression, const Resf_Bytes& palette);
Resf_Bytes Resf_Film_Sprite(uint32_t kind, const Resf_Bytes& block);
// A sprite block of a width x height picture (pixels row by row, 16-bit ones little-endian;
// missing bytes are 0): the program's packer makes the runs, its header writer the 36-byte
// header, then the row table and the data.
Resf_Bytes Resf_Sprite_Block(int16_t width, int16_t height, uint8_t depth, const Resf_Bytes& pixels);
// A 44-byte RIFF/WAVE header followed by the samples (mono, 16 bit).
Resf_Bytes Resf_Wav(const std::vector<int16_t>& samples, uint32_t rate);
