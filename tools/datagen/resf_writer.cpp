#include "tools/datagen/resf_writer.h"

#include <cstdio>
#include <cstring>

#include <algorithm>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_sprite.h"
#include "platform/compress.h"

namespace {

void u16(Resf_Bytes& b, uint32_t v)
{
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

void u32(Resf_Bytes& b, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
}

void bytes(Resf_Bytes& b, const Resf_Bytes& d) { b.insert(b.end(), d.begin(), d.end()); }

Resf_Bytes palette_oder_grau(const Resf_Bytes& p)
{
    if (p.size() == 768) return p;
    Resf_Bytes g(768);
    for (int i = 0; i < 768; ++i) g[i] = uint8_t((i / 3) >> 2);
    return g;
}

} // namespace

void Resf_Setzen(Resf_Datei& datei, uint32_t index, int16_t typ, Resf_Bytes daten)
{
    if (datei.eintraege.size() <= index) datei.eintraege.resize(index + 1);
    datei.eintraege[index] = {typ, std::move(daten)};
}

bool Resf_Schreiben(const Resf_Datei& datei, const std::string& pfad)
{
    Resf_Bytes out = {'R', 'E', 'S', 'F'};
    uint32_t n = uint32_t(datei.eintraege.size());
    u32(out, n);
    u32(out, 0); // index offset, filled in below
    std::vector<uint32_t> offsets;
    for (const Resf_Eintrag& e : datei.eintraege) {
        offsets.push_back(uint32_t(out.size()));
        bytes(out, e.daten);
    }
    uint32_t index = uint32_t(out.size());
    for (int i = 0; i < 4; ++i) out[8 + i] = uint8_t(index >> (8 * i));
    for (uint32_t i = 0; i < n; ++i) {
        u16(out, uint16_t(datei.eintraege[i].typ));
        u16(out, 0);
        u32(out, offsets[i]);
    }
    if (!datei.namen.empty())
        for (uint32_t i = 0; i < n; ++i) {
            Resf_Bytes name(256, 0);
            if (i < datei.namen.size()) std::memcpy(name.data(), datei.namen[i].data(), std::min<size_t>(255, datei.namen[i].size()));
            bytes(out, name);
        }
    FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}

Resf_Bytes Resf_Packen(const Resf_Bytes& daten, uint32_t compression)
{
    int32_t method = compression == 4 ? COMPRESS_LZSS : compression == 5 ? COMPRESS_PACK4 : 0;
    if (!method || daten.empty()) return daten;
    Resf_Bytes in = daten;
    Resf_Bytes out(daten.size() * 2 + 64);
    Compress_Stream* i = OpenInPutData(CMP_IO_MODE_MEMORY, nullptr, in.data(), int32_t(in.size()));
    Compress_Stream* o = OpenOutPutData(CMP_IO_MODE_MEMORY, nullptr, out.data(), int32_t(method == COMPRESS_PACK4 ? in.size() + 4 : out.size()));
    Compress_Data(i, o, method);
    FlushOutPutData(o);
    out.resize(o->position);
    CloseOutPutData(o, 1);
    CloseInPutData(i, 1);
    return out;
}

Resf_Bytes Resf_Bitmap_Daten(const Resf_Bitmap& bild)
{
    Resf_Bytes b;
    Resf_Bytes pixel = Resf_Packen(bild.pixels, bild.compression);
    uint32_t flags = (bild.mask.empty() ? 0 : 1) | (bild.companion.empty() ? 0 : 2) | (bild.extra.empty() ? 0 : 4);
    u16(b, bild.width);
    u16(b, bild.x_offset);
    u16(b, bild.height);
    u16(b, bild.y_offset);
    u32(b, bild.keep_packed);
    u32(b, bild.depth);
    u32(b, bild.compression);
    u32(b, flags);
    u32(b, uint32_t(pixel.size()));
    bytes(b, pixel);
    if (bild.depth == 8) bytes(b, palette_oder_grau(bild.palette));
    if (flags & 1) {
        u32(b, uint32_t(bild.mask.size()));
        bytes(b, bild.mask);
    }
    if (flags & 2) {
        u32(b, bild.companion_width);
        u32(b, bild.companion_height);
        bytes(b, bild.companion);
    }
    if (flags & 4) {
        u32(b, 0);
        bytes(b, bild.extra);
    }
    return b;
}

Resf_Bytes Resf_Daten(const Resf_Bytes& daten)
{
    Resf_Bytes b;
    u32(b, uint32_t(daten.size()));
    bytes(b, daten);
    return b;
}

Resf_Bytes Resf_Palette(const Resf_Bytes& palette)
{
    Resf_Bytes b;
    u32(b, 0);
    u32(b, 0);
    bytes(b, palette_oder_grau(palette));
    return b;
}

Resf_Bytes Resf_Sprite(const Resf_Bytes& block, uint32_t hot_x, uint32_t hot_y)
{
    Resf_Bytes b;
    u32(b, 0);
    u32(b, 0);
    u32(b, hot_x);
    u32(b, hot_y);
    u32(b, 0);
    u32(b, uint32_t(block.size()));
    bytes(b, block);
    return b;
}

Resf_Bytes Resf_Sprite_Liste(const std::vector<Resf_Bytes>& blocks)
{
    Resf_Bytes b;
    u32(b, uint32_t(blocks.size()));
    for (int i = 0; i < 5; ++i) u32(b, 0);
    for (const Resf_Bytes& s : blocks) {
        u32(b, uint32_t(s.size()));
        bytes(b, s);
    }
    return b;
}

Resf_Bytes Resf_Sprite_Farben(const Resf_Bytes& block, uint32_t rows, uint32_t hot_x, uint32_t hot_y, const Resf_Bytes& palette)
{
    Resf_Bytes b;
    u32(b, 0);
    u32(b, rows);
    u32(b, hot_x);
    u32(b, hot_y);
    u32(b, 0);
    u32(b, uint32_t(block.size()));
    bytes(b, block);
    bytes(b, palette_oder_grau(palette));
    return b;
}

Resf_Bytes Resf_Film_Bild(uint32_t width, uint32_t height, const Resf_Bytes& wav44, const Resf_Bytes& pixels,
                          uint32_t compression, const Resf_Bytes& palette)
{
    Resf_Bytes b;
    Resf_Bytes pixel = Resf_Packen(pixels, compression);
    u32(b, 0);
    u32(b, 0);
    u32(b, width);
    u32(b, height);
    Resf_Bytes wav = wav44;
    wav.resize(44);
    bytes(b, wav);
    u32(b, 8);
    u32(b, compression);
    u32(b, uint32_t(pixel.size()));
    bytes(b, pixel);
    bytes(b, palette_oder_grau(palette));
    return b;
}

Resf_Bytes Resf_Film_Sprite(uint32_t kind, const Resf_Bytes& block)
{
    Resf_Bytes b;
    u32(b, kind);
    u32(b, uint32_t(block.size()));
    bytes(b, block);
    return b;
}

Resf_Bytes Resf_Sprite_Block(int16_t width, int16_t height, uint8_t depth, const Resf_Bytes& pixels)
{
    Rastport* bild = Grafik_Bitmap_Anlegen(width, height, depth);
    if (!bild) return {};
    size_t bytes_gesamt = size_t(width) * size_t(height) * Grafik_Bytes_Pro_Pixel(depth);
    std::memcpy(bild->pixels, pixels.data(), std::min(bytes_gesamt, pixels.size()));
    Rle_Sprite* s = Grafik_Bitmap_Packen(bild, 0, 0, width, height);
    Grafik_Bitmap_Freigeben(bild);
    if (!s) return {};
    Resf_Bytes b(SPRITE_KOPF, 0);
    Grafik_Sprite_Kopf_Schreiben(s, b.data());
    for (int16_t r = 0; r < height; ++r) u32(b, s->rows[r]);
    size_t daten = height ? size_t(s->rows[height - 1]) * Grafik_Bytes_Pro_Pixel(depth) : 0;
    b.insert(b.end(), s->data, s->data + daten);
    Grafik_Sprite_Freigeben(s);
    return b;
}

Resf_Bytes Resf_Wav(const std::vector<int16_t>& samples, uint32_t rate)
{
    Resf_Bytes b = {'R', 'I', 'F', 'F'};
    uint32_t data = uint32_t(samples.size() * 2);
    u32(b, 36 + data);
    for (char c : std::string("WAVEfmt ")) b.push_back(uint8_t(c));
    u32(b, 16);
    u16(b, 1);
    u16(b, 1);
    u32(b, rate);
    u32(b, rate * 2);
    u16(b, 2);
    u16(b, 16);
    for (char c : std::string("data")) b.push_back(uint8_t(c));
    u32(b, data);
    for (int16_t s : samples) u16(b, uint16_t(s));
    return b;
}

Resf_Bitmap Resf_Bitmap_Rgb565(int32_t breite, int32_t hoehe, const std::vector<uint16_t>& px, bool maske, int32_t nummer)
{
    Resf_Bitmap b;
    b.width = uint16_t(breite);
    b.height = uint16_t(hoehe);
    b.depth = 16;
    b.compression = (nummer % 2) ? 5 : 4;
    b.pixels.resize(px.size() * 2);
    for (size_t i = 0; i < px.size(); ++i) {
        b.pixels[2 * i] = uint8_t(px[i]);
        b.pixels[2 * i + 1] = uint8_t(px[i] >> 8);
    }
    if (maske) {
        b.mask.assign((px.size() + 7) / 8, 0);
        for (size_t i = 0; i < px.size(); ++i)
            if (px[i]) b.mask[i / 8] |= uint8_t(1u << (i % 8));
    }
    return b;
}
