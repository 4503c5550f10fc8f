#include "png_bild.h"

#include "platform/os/os_display.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

bool Png_Schreiben(const std::string& path, const uint16_t* pixels, int width, int height,
                   bool rgb555)
{
    return Os_Png_Schreiben(path.c_str(), pixels, width, height, width, rgb555);
}

bool Png_Lesen(const std::string& path, std::vector<uint16_t>& pixels, int& width, int& height,
               bool rgb555)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_read_info(png, info);
    if (png_get_color_type(png, info) != PNG_COLOR_TYPE_RGB || png_get_bit_depth(png, info) != 8) {
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(f);
        return false;
    }
    width = int(png_get_image_width(png, info));
    height = int(png_get_image_height(png, info));
    pixels.assign(size_t(width) * height, 0);
    std::vector<png_byte> row(size_t(width) * 3);
    for (int y = 0; y < height; ++y) {
        png_read_row(png, row.data(), nullptr);
        for (int x = 0; x < width; ++x) {
            unsigned r = row[size_t(x) * 3] >> 3, g = row[size_t(x) * 3 + 1] >> 2,
                     b = row[size_t(x) * 3 + 2] >> 3;
            pixels[size_t(y) * width + x] =
                uint16_t(rgb555 ? (r << 10 | (g >> 1) << 5 | b) : (r << 11 | g << 5 | b));
        }
    }
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(f);
    return true;
}

int Png_Abweichungen(const std::string& path, const uint16_t* frame, int width, int height)
{
    const char* neu = std::getenv("DORVIN_BILD_NEU");
    if (neu && std::strcmp(neu, "1") == 0 && !Png_Schreiben(path, frame, width, height, false)) return -1;
    std::vector<uint16_t> soll;
    int w = 0, h = 0;
    if (!Png_Lesen(path, soll, w, h, false) || w != width || h != height) return -1;
    int falsch = 0;
    for (size_t i = 0; i < soll.size(); ++i) falsch += soll[i] != frame[i];
    return falsch;
}
