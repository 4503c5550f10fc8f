#include "platform/display.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "platform/print.h"
#include "graphics/grafik_screen.h"
#include "platform/os/os_display.h"
#include "platform/win95.h"

uint32_t Bildschirm_Modus = 101;

static bool screen_open = false;
static int32_t screen_w = 0, screen_h = 0;
static int32_t depth_granted = 0;
static bool full_at_open = false;
static uint32_t frame_counter = 0;
static std::atomic<int32_t> lock_count{0};
static std::atomic<uint32_t> refresh_suspended{0};
static bool try_lock();
static void release_lock();
static uint32_t open_calls = 0;

// The locked rectangle and how it reached the caller.
static int32_t lock_x, lock_y, lock_w, lock_h;
static bool lock_buffered = false;

// Windowed modes and 8-bit screens: the rectangle buffer that the unlock carries into the
// frame; kept until the process ends. At least one 1024 x 768 screen at two bytes.
static std::vector<uint8_t> pixel_buffer;
// The 8-bit screen's pixels turned into screen colours for the window.
static std::vector<uint16_t> conversion_buffer;
// 8-bit screens: the palette as frame colours.
static uint16_t palette_table[256];

static const uint8_t fixed_low[10][3] = {{0, 0, 0},       {128, 0, 0},     {0, 128, 0},
                                         {128, 128, 0},   {0, 0, 128},     {128, 0, 128},
                                         {0, 128, 128},   {192, 192, 192}, {192, 220, 192},
                                         {166, 202, 240}};
static const uint8_t fixed_high[10][3] = {{255, 251, 240}, {160, 160, 164}, {128, 128, 128},
                                          {255, 0, 0},     {0, 255, 0},     {255, 255, 0},
                                          {0, 0, 255},     {255, 0, 255},   {0, 255, 255},
                                          {255, 191, 191}};

void Win95_Modus_Groesse(uint32_t modus, int32_t* width, int32_t* height)
{
    int32_t w = 800, h = 600;
    if (modus == 101) w = 640, h = 480;
    else if (modus == 103 || modus == 106) w = 1024, h = 768;
    if (width) *width = w;
    if (height) *height = h;
}

int Win95_Ist_Vollbild() { return Bildschirm_Modus >= 101 && Bildschirm_Modus <= 103; }

void Startup_Protokoll(const char*, ...) {}

static bool want_rgb555()
{
    const char* v = std::getenv("DORVIN_RGB555");
    return v && std::strcmp(v, "1") == 0;
}

// After a successful open the system's cursor goes (the program draws its own pointer) and the
// window settles: messages are pumped for 150 ms.
static void settle_window_after_open()
{
    Win95_Hide_Windows_Cursor();
    Win95_Read_Message_Cue_Eine_Halbe_Sekunde();
}

int Win95_Open_Screen(int32_t width, int32_t height, int32_t* depth)
{
    if (!depth || width <= 0 || height <= 0 || (*depth != 8 && *depth != 15 && *depth != 16)) {
        Print_Fehler("Win95_Open_Screen: falsche Parameter");
        return 0;
    }
    ++open_calls;
    Startup_Protokoll("---------- %d. call to Win95_Open_Screen -----------", int(open_calls));
    bool full = Win95_Ist_Vollbild();
    bool rgb555 = want_rgb555();
    if (!Os_Display_Open(width, height, full, rgb555)) {
        if (full) {
            Win95_DDraw_Fehler("SetDisplayMode", DDERR_UNSUPPORTEDMODE, 30);
            Startup_Protokoll("---------- %d. call to Win95_Open_Screen ERROR!-----------",
                              int(open_calls));
            Win95_Close_Screen(1);
        } else {
            Win95_Meldung("Bitte stellen Sie das Desktop auf 16/15 Bit (HighColor) Darstellung um.");
        }
        return 0;
    }
    int32_t frame_depth = Os_Display_Rgb555() ? 15 : 16;
    int32_t granted = *depth == 8 ? 8 : frame_depth;
    if (!full || granted == 8) {
        size_t need = std::max<size_t>(1024u * 768u * 2u, size_t(width) * height * 2u);
        if (pixel_buffer.size() < need) pixel_buffer.resize(need);
        if (pixel_buffer.size() < need) {
            Win95_Meldung("Nicht genug Speicher um das Grafiksystem zu initialisieren.");
            Os_Display_Close();
            return 0;
        }
    }
    screen_open = true;
    full_at_open = full;
    screen_w = width;
    screen_h = height;
    depth_granted = granted;
    frame_counter = 0;
    lock_count = 0;
    Os_Display_Set_Lock(try_lock, release_lock);
    if (granted == 8) {
        uint8_t black[768] = {};
        Win95_Set_Palette(black);
    }
    *depth = granted;
    settle_window_after_open();
    Startup_Protokoll("---------- %d. call to Win95_Open_Screen OK!-----------", int(open_calls));
    return 1;
}

void Win95_Close_Screen(int32_t)
{
    if (!screen_open) return;
    Os_Display_Close();
    screen_open = false;
    screen_w = screen_h = 0;
    depth_granted = 0;
    lock_count = 0;
}

int Win95_Reopen_Screen(int32_t width, int32_t height, int32_t* depth)
{
    frame_counter = 0;
    Win95_Close_Screen(0);
    return Win95_Open_Screen(width, height, depth);
}

static void acquire_lock()
{
    int32_t expected = 0;
    while (!lock_count.compare_exchange_weak(expected, 1, std::memory_order_acquire)) {
        expected = 0;
        std::this_thread::yield();
    }
}

static void release_lock() { lock_count.store(0, std::memory_order_release); }

// The presenter and the picture dump read the frame only under the same lock the pointer draws
// under; a busy screen leaves the present to the next pump.
static bool try_lock()
{
    int32_t expected = 0;
    return lock_count.compare_exchange_strong(expected, 1, std::memory_order_acquire);
}

bool Win95_Screen_Bereit() { return screen_open && !refresh_suspended; }

void* Win95_Lock_Screen(int32_t x, int32_t y, int32_t width, int32_t height, int32_t* pitch)
{
    // A whole-screen copy left waiting lands first, before the lock is held.
    Os_Display_Nachholen();
    if (pitch) *pitch = 0;
    if (refresh_suspended || !screen_open) return nullptr;
    // Nothing may be handed out beyond the screen.
    if (x < 0 || y < 0 || width < 0 || height < 0 || x + width > screen_w ||
        y + height > screen_h)
        return nullptr;
    acquire_lock();
    lock_x = x, lock_y = y, lock_w = width, lock_h = height;
    if (full_at_open && depth_granted != 8) {
        int frame_pitch = 0;
        uint16_t* frame = Os_Display_Frame(&frame_pitch);
        if (!frame) {
            release_lock();
            return nullptr;
        }
        lock_buffered = false;
        if (pitch) *pitch = frame_pitch * 2;
        return frame + size_t(y) * frame_pitch + x;
    }
    int32_t bpp = (depth_granted + 1) / 8;
    size_t bytes = size_t(width) * height * bpp;
    if (bytes > pixel_buffer.size()) {
        release_lock();
        return nullptr;
    }
    lock_buffered = true;
    if (pitch) *pitch = width * bpp;
    std::memset(pixel_buffer.data(), 0, bytes);
    return pixel_buffer.data();
}

int Win95_Draw_Bitmap(const uint16_t* pixels, int32_t width, int32_t height, int32_t x, int32_t y)
{
    int frame_pitch = 0;
    uint16_t* frame = pixels ? Os_Display_Frame(&frame_pitch) : nullptr;
    if (!frame || width <= 0 || height <= 0) return 0;
    // Clipped to the frame: a picture partly outside draws its visible part.
    const int32_t fw = Os_Display_Width(), fh = Os_Display_Height();
    const int32_t x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int32_t x1 = std::min(x + width, fw), y1 = std::min(y + height, fh);
    if (x0 >= x1 || y0 >= y1) return 0;
    for (int32_t row = y0; row < y1; ++row)
        std::memcpy(frame + size_t(row) * frame_pitch + x0, pixels + size_t(row - y) * width + (x0 - x),
                    size_t(x1 - x0) * 2);
    Os_Display_Changed(x0, y0, x1 - x0, y1 - y0);
    return 1;
}

int Win95_Unlock_Screen()
{
    if (lock_count.load(std::memory_order_acquire) == 0) return full_at_open ? 1 : 0;
    if (lock_buffered) {
        const uint16_t* bild = reinterpret_cast<const uint16_t*>(pixel_buffer.data());
        if (depth_granted == 8) {
            const size_t n = size_t(lock_w) * lock_h;
            if (conversion_buffer.size() < n) conversion_buffer.resize(n);
            for (size_t i = 0; i < n; ++i) conversion_buffer[i] = palette_table[pixel_buffer[i]];
            bild = conversion_buffer.data();
        }
        Win95_Draw_Bitmap(bild, lock_w, lock_h, lock_x, lock_y);
    } else {
        Os_Display_Changed(lock_x, lock_y, lock_w, lock_h);
    }
    release_lock();
    return full_at_open ? 0 : 1;
}

void Win95_Set_Palette(const uint8_t* palette)
{
    if (!palette) {
        Print_Fehler("Win95_Set_Palette: palette=NULL!");
        return;
    }
    // Six-bit components throughout; the fixed colours are 8-bit and are scaled down first,
    // so that none of them spills into the neighbouring field.
    uint8_t rgb[256][3];
    for (int i = 0; i < 256; ++i)
        for (int c = 0; c < 3; ++c) rgb[i][c] = palette[i * 3 + c] & 63;
    for (int i = 0; i < 10; ++i)
        for (int c = 0; c < 3; ++c) {
            rgb[i][c] = fixed_low[i][c] >> 2;
            rgb[246 + i][c] = fixed_high[i][c] >> 2;
        }
    bool rgb555 = depth_granted == 15 || (screen_open && Os_Display_Rgb555());
    for (int i = 0; i < 256; ++i) {
        uint16_t r = rgb[i][0] >> 1, g = rgb[i][1], b = rgb[i][2] >> 1;
        palette_table[i] = rgb555 ? uint16_t(r << 10 | (g >> 1) << 5 | b)
                                  : uint16_t(r << 11 | g << 5 | b);
    }
}

int Win95_Wait_Vsync()
{
    if (!screen_open || !Win95_Ist_Vollbild()) return 0;
    // The frame is presented by the window thread; there is no blank to wait for.
    ++frame_counter;
    return 1;
}

int Win95_Frame_Parity()
{
    if (!Win95_Ist_Vollbild()) ++frame_counter;
    return int(frame_counter & 1);
}

int Win95_Sleep_Fullscreen()
{
    if (!Win95_Ist_Vollbild()) return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return 1;
}

void Win95_Suspend_Refresh()
{
    // A copy left waiting was due before the refresh stopped.
    Os_Display_Nachholen();
    refresh_suspended = 1;
}

void Win95_Resume_Refresh()
{
    refresh_suspended = 0;
    int32_t w, h;
    Win95_Modus_Groesse(Bildschirm_Modus, &w, &h);
    Grafik_Screen_Zeilen_Kopieren(0, 0, w, h);
}

static const char* ddraw_name(uint32_t code)
{
    switch (code) {
    case DDERR_HWNDALREADYSET: return "DDERR_HWNDALREADYSET";
    case DDERR_HWNDSUBCLASSED: return "DDERR_HWNDSUBCLASSED";
    case DDERR_EXCLUSIVEMODEALREADYSET: return "DDERR_EXCLUSIVEMODEALREADYSET";
    case DDERR_INVALIDPARAMS: return "DDERR_INVALIDPARAMS";
    case DDERR_INVALIDOBJECT: return "DDERR_INVALIDOBJECT ";
    case DDERR_OUTOFMEMORY: return "DDERR_OUTOFMEMORY";
    case DDERR_GENERIC: return "DDERR_GENERIC";
    case DDERR_LOCKEDSURFACES: return "DDERR_LOCKEDSURFACES";
    case DDERR_SURFACEBUSY: return "DDERR_SURFACEBUSY";
    case DDERR_UNSUPPORTEDMODE: return "DDERR_UNSUPPORTEDMODE";
    case DDERR_INVALIDMODE: return "DDERR_INVALIDMODE";
    case DDERR_NOEXCLUSIVEMODE: return "DDERR_NOEXCLUSIVEMODE";
    case DDERR_UNSUPPORTED: return "DDERR_UNSUPPORTED";
    case DDERR_WASSTILLDRAWING: return "DDERR_WASSTILLDRAWING";
    default: return "UNKNOWN ";
    }
}

static const char* dsound_name(uint32_t code)
{
    switch (code) {
    case 0x8878000Au: return "DSERR_ALLOCATED";
    case 0x88780064u: return "DSERR_BADFORMAT";
    case 0x80070057u: return "DSERR_INVALIDPARAM";
    case 0x80040110u: return "DSERR_NOAGGREGATION";
    case 0x8007000Eu: return "DSERR_OUTOFMEMORY";
    case 0x887800AAu: return "DSERR_UNINITIALIZED";
    case 0x80004001u: return "DSERR_UNSUPPORTED";
    default: return "UNKNOWN ";
    }
}

void Win95_DDraw_Fehler(const char* step, uint32_t code, int32_t step_no)
{
    Win95_Meldung("%s: Error (Step %d): %s", step ? step : "", int(step_no), ddraw_name(code));
}

void Win95_DSound_Fehler(const char* step, uint32_t code, int32_t step_no)
{
    Win95_Meldung("%s: Error (Step %d): %s", step ? step : "", int(step_no), dsound_name(code));
}
