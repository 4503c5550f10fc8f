#include "platform/os/os_display.h"

#include <cstddef>
#include <vector>

// Headless frame; the SDL back end presents the same frame.
static std::vector<uint16_t> frame;
static int frame_w = 0, frame_h = 0;
static bool frame_555 = false;

bool Os_Display_Open(int width, int height, bool, bool rgb555)
{
    if (width <= 0 || height <= 0) return false;
    frame.assign(std::size_t(width) * height, 0);
    frame_w = width;
    frame_h = height;
    frame_555 = rgb555;
    return true;
}

void Os_Display_Close()
{
    frame.clear();
    frame_w = frame_h = 0;
}

uint16_t* Os_Display_Frame(int* pitch_pixels)
{
    if (pitch_pixels) *pitch_pixels = frame_w;
    return frame.empty() ? nullptr : frame.data();
}

int Os_Display_Width() { return frame_w; }
int Os_Display_Height() { return frame_h; }
bool Os_Display_Rgb555() { return frame_555; }
void Os_Display_Changed(int, int, int, int) {}
bool Os_Display_Dump_Png(const char*) { return false; }
