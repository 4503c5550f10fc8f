// The display frame: one 16-bit picture in memory. The SDL back end presents the changed part
// at the window thread's pump; the headless back end keeps it for picture dumps.
#include "platform/os/os_display.h"

#include <png.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdio>
#include <mutex>
#include <vector>

#include "platform/os/os.h"
#include "platform/os/os_intern.h"

namespace {
std::vector<uint16_t> frame;
int frame_w = 0, frame_h = 0;
bool frame_555 = false;

// The changed rectangle since the last present (x0,y0 inclusive, x1,y1 exclusive).
std::mutex changed_mutex;
bool changed = false;
int cx0 = 0, cy0 = 0, cx1 = 0, cy1 = 0;

std::atomic<Os_Display_Lock_Fn> lock_fn{nullptr};
std::vector<Os_Display_Bild_Hook> bild_hooks;
bool bild_gefragt = false;
bool bild_immer = false;
bool ungesehen = false;
std::atomic<Os_Display_Unlock_Fn> unlock_fn{nullptr};
std::atomic<Os_Display_Nachhol_Fn> ausstehend{nullptr};
}  // namespace

void Os_Display_Aufschieben(Os_Display_Nachhol_Fn fn) { ausstehend = fn; }

bool Os_Display_Aufgeschoben() { return ausstehend.load() != nullptr; }

void Os_Display_Nachholen()
{
    // Taken before it runs: the routine writes the frame through the same entry points.
    if (Os_Display_Nachhol_Fn fn = ausstehend.exchange(nullptr)) fn();
}

bool Os_Display_Open(int width, int height, bool, bool rgb555)
{
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096) return false;
    ausstehend = nullptr;
    frame.assign(std::size_t(width) * height, 0);
    frame_w = width;
    frame_h = height;
    frame_555 = rgb555;
    if (!Os_Headless()) Os_Sdl_Display_Open(width, height, rgb555);
    Os_Display_Changed(0, 0, width, height);
    return true;
}

void Os_Display_Close()
{
    if (!Os_Headless()) Os_Sdl_Display_Close();
    ausstehend = nullptr;
    frame.clear();
    frame_w = frame_h = 0;
    std::lock_guard<std::mutex> lock(changed_mutex);
    changed = false;
}

uint16_t* Os_Display_Frame(int* pitch_pixels)
{
    Os_Display_Nachholen();
    if (pitch_pixels) *pitch_pixels = frame_w;
    return frame.empty() ? nullptr : frame.data();
}

int Os_Display_Width() { return frame_w; }
int Os_Display_Height() { return frame_h; }
bool Os_Display_Rgb555() { return frame_555; }

void Os_Display_Changed(int x, int y, int w, int h)
{
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min(x + std::max(w, 0), frame_w), y1 = std::min(y + std::max(h, 0), frame_h);
    if (x0 >= x1 || y0 >= y1) return;
    std::lock_guard<std::mutex> lock(changed_mutex);
    if (!changed) {
        cx0 = x0, cy0 = y0, cx1 = x1, cy1 = y1;
        changed = true;
    } else {
        cx0 = std::min(cx0, x0), cy0 = std::min(cy0, y0);
        cx1 = std::max(cx1, x1), cy1 = std::max(cy1, y1);
    }
}

bool Os_Display_Take_Changed(int* x, int* y, int* w, int* h)
{
    std::lock_guard<std::mutex> lock(changed_mutex);
    if (!changed) return false;
    *x = cx0, *y = cy0, *w = cx1 - cx0, *h = cy1 - cy0;
    changed = false;
    return true;
}

void Os_Display_Set_Lock(Os_Display_Lock_Fn lock, Os_Display_Unlock_Fn unlock)
{
    lock_fn = lock;
    unlock_fn = unlock;
}

bool Os_Display_Lock_For_Present()
{
    Os_Display_Lock_Fn fn = lock_fn;
    return fn ? fn() : true;
}

void Os_Display_Unlock_For_Present()
{
    Os_Display_Unlock_Fn fn = unlock_fn;
    if (fn) fn();
}

bool Os_Png_Schreiben(const char* path, const uint16_t* pixels, int width, int height, int pitch,
                     bool rgb555)
{
    if (!path || !pixels || width <= 0 || height <= 0 || pitch < width) return false;
    FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, nullptr);
        std::fclose(f);
        return false;
    }
    std::vector<png_byte> row(std::size_t(width) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, uint32_t(width), uint32_t(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        const uint16_t* src = pixels + std::size_t(y) * pitch;
        for (int x = 0; x < width; ++x) {
            uint16_t p = src[x];
            // Widen each channel by repeating its top bits, so that full intensity stays 255.
            uint32_t r, g, b;
            if (rgb555) {
                r = (p >> 10) & 31, g = (p >> 5) & 31, b = p & 31;
                g = (g << 3) | (g >> 2);
            } else {
                r = (p >> 11) & 31, g = (p >> 5) & 63, b = p & 31;
                g = (g << 2) | (g >> 4);
            }
            row[std::size_t(x) * 3] = png_byte((r << 3) | (r >> 2));
            row[std::size_t(x) * 3 + 1] = png_byte(g);
            row[std::size_t(x) * 3 + 2] = png_byte((b << 3) | (b >> 2));
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

void Os_Display_Bild_Hook_Registrieren(Os_Display_Bild_Hook hook)
{
    if (hook && std::find(bild_hooks.begin(), bild_hooks.end(), hook) == bild_hooks.end()) bild_hooks.push_back(hook);
}

bool Os_Display_Bild_Gefragt() { return bild_gefragt || bild_immer || !Os_Headless(); }
void Os_Display_Set_Bild_Immer(bool immer) { bild_immer = immer; }
void Os_Display_Set_Ungesehen(bool u) { ungesehen = u; }
bool Os_Display_Niemand_Sieht() { return ungesehen && !bild_gefragt && !bild_immer && Os_Headless(); }

bool Os_Display_Dump_Png(const char* path)
{
    if (!path || frame.empty()) return false;
    // The screens that left a headless frame undrawn draw it now.
    bild_gefragt = true;
    for (Os_Display_Bild_Hook hook : bild_hooks) hook();
    bild_gefragt = false;
    Os_Display_Nachholen();
    // Under the screen lock, so that the pointer is not half drawn in the picture.
    bool held = Os_Display_Lock_For_Present();
    bool ok = Os_Png_Schreiben(path, frame.data(), frame_w, frame_h, frame_w, frame_555);
    if (held) Os_Display_Unlock_For_Present();
    return ok;
}
