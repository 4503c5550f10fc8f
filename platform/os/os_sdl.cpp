// SDL2 back end: the real window, its events turned into window messages, the frame presented
// through a streaming texture, message boxes.
#include "platform/os/os_sdl_laden.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "platform/os/os.h"
#include "platform/os/os_display.h"
#include "platform/os/os_intern.h"
#include "platform/os/os_text.h"

namespace {
bool sdl_up = false;
SDL_Window* win = nullptr;
SDL_Renderer* renderer = nullptr;
SDL_Texture* texture = nullptr;
int tex_w = 0, tex_h = 0;
bool tex_555 = false;

bool sdl_start()
{
    if (sdl_up) return true;
    if (!Os_Sdl_Laden()) return false;
    Os_Sdl.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (Os_Sdl.SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "dorvin: SDL: %s\n", Os_Sdl.SDL_GetError());
        return false;
    }
    sdl_up = true;
    return true;
}

void make_texture()
{
    if (texture) Os_Sdl.SDL_DestroyTexture(texture);
    texture = nullptr;
    if (!renderer || tex_w <= 0 || tex_h <= 0) return;
    texture = Os_Sdl.SDL_CreateTexture(renderer,
                                tex_555 ? SDL_PIXELFORMAT_RGB555 : SDL_PIXELFORMAT_RGB565,
                                SDL_TEXTUREACCESS_STREAMING, tex_w, tex_h);
    Os_Sdl.SDL_RenderSetLogicalSize(renderer, tex_w, tex_h);
    Os_Display_Changed(0, 0, tex_w, tex_h);
}

// Virtual-key code of a key as a German layout gives it: the letters, digits and named keys
// by what the key says, the punctuation by the German character or, on other layouts, by the
// key's place on a German keyboard.
int32_t virtual_key(const SDL_Keysym& k)
{
    SDL_Keycode c = k.sym;
    if (c >= 'a' && c <= 'z') return int32_t(c - 'a' + 'A');
    if (c >= '0' && c <= '9') return int32_t(c);
    if (c >= SDLK_F1 && c <= SDLK_F12) return VK_F1 + int32_t(c - SDLK_F1);
    if (c >= SDLK_KP_1 && c <= SDLK_KP_9) return 97 + int32_t(c - SDLK_KP_1);
    switch (c) {
    case SDLK_KP_0: return 96;
    case SDLK_KP_MULTIPLY: return 106;
    case SDLK_KP_PLUS: return 107;
    case SDLK_KP_MINUS: return 109;
    case SDLK_KP_PERIOD: case SDLK_KP_COMMA: return 110;
    case SDLK_KP_DIVIDE: return 111;
    case SDLK_KP_ENTER: case SDLK_RETURN: return VK_RETURN;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL: case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT: case SDLK_RALT: return VK_MENU;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_END: return VK_END;
    case SDLK_HOME: return VK_HOME;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_UP: return VK_UP;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_PAUSE: return 19;
    case SDLK_CAPSLOCK: return 20;
    case 0xFC: return 186;  // ü
    case '+': return 187;
    case ',': return 188;
    case '-': return 189;
    case '.': return 190;
    case '#': return 191;
    case 0xF6: return 192;  // ö
    case 0xDF: return 219;  // ß
    case '^': return 220;
    case 0xB4: return 221;  // ´
    case 0xE4: return 222;  // ä
    case '<': return 226;
    default: break;
    }
    switch (k.scancode) {
    case SDL_SCANCODE_LEFTBRACKET: return 186;
    case SDL_SCANCODE_RIGHTBRACKET: return 187;
    case SDL_SCANCODE_COMMA: return 188;
    case SDL_SCANCODE_SLASH: return 189;
    case SDL_SCANCODE_PERIOD: return 190;
    case SDL_SCANCODE_BACKSLASH: return 191;
    case SDL_SCANCODE_SEMICOLON: return 192;
    case SDL_SCANCODE_MINUS: return 219;
    case SDL_SCANCODE_GRAVE: return 220;
    case SDL_SCANCODE_EQUALS: return 221;
    case SDL_SCANCODE_APOSTROPHE: return 222;
    case SDL_SCANCODE_NONUSBACKSLASH: return 226;
    default: return 0;
    }
}

// SDL's own message box does not wrap: break lines at blanks after about 70 characters.
std::string wrap(const char* utf8)
{
    std::string out;
    size_t column = 0, last_blank = std::string::npos;
    for (const char* p = utf8; *p; ++p) {
        out += *p;
        if (*p == '\n') {
            column = 0, last_blank = std::string::npos;
            continue;
        }
        if ((*p & 0xC0) == 0x80) continue;  // inside a UTF-8 sequence
        if (*p == ' ') last_blank = out.size() - 1;
        if (++column > 70 && last_blank != std::string::npos) {
            out[last_blank] = '\n';
            column = 0;
            for (size_t i = last_blank + 1; i < out.size(); ++i)
                if ((out[i] & 0xC0) != 0x80) ++column;
            last_blank = std::string::npos;
        }
    }
    return out;
}

// The button state as of this event, not as of the whole poll: a press and its release that
// arrive in one poll are two transitions, as the script gives them.
void update_buttons(const SDL_MouseButtonEvent& e)
{
    const bool down = e.type == SDL_MOUSEBUTTONDOWN;
    if (e.button == SDL_BUTTON_LEFT) Os_Input_Set_Buttons(down, Os_Mouse_Right());
    else if (e.button == SDL_BUTTON_RIGHT) Os_Input_Set_Buttons(Os_Mouse_Left(), down);
}
}  // namespace

bool Os_Sdl_Window_Open(const char* title_utf8, int width, int height, bool fullscreen)
{
    if (!sdl_start()) return false;
    Uint32 flags = fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
    win = Os_Sdl.SDL_CreateWindow(title_utf8, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                           height, flags | SDL_WINDOW_SHOWN);
    if (!win) {
        std::fprintf(stderr, "dorvin: SDL-Fenster: %s\n", Os_Sdl.SDL_GetError());
        return false;
    }
    renderer = Os_Sdl.SDL_CreateRenderer(win, -1, 0);
    if (!renderer) renderer = Os_Sdl.SDL_CreateRenderer(win, -1, SDL_RENDERER_SOFTWARE);
    if (renderer) {
        Os_Sdl.SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        Os_Sdl.SDL_RenderClear(renderer);
        Os_Sdl.SDL_RenderPresent(renderer);
    }
    make_texture();
    return true;
}

void Os_Sdl_Window_Close()
{
    if (texture) Os_Sdl.SDL_DestroyTexture(texture);
    if (renderer) Os_Sdl.SDL_DestroyRenderer(renderer);
    if (win) Os_Sdl.SDL_DestroyWindow(win);
    texture = nullptr;
    renderer = nullptr;
    win = nullptr;
}

void Os_Sdl_Shutdown()
{
    Os_Sdl_Window_Close();
    if (sdl_up) Os_Sdl.SDL_Quit();
    sdl_up = false;
}

bool Os_Sdl_Shift_Held() { return sdl_up && (Os_Sdl.SDL_GetModState() & KMOD_SHIFT) != 0; }

bool Os_Sdl_Clipboard_Get(std::string* out)
{
    if (!sdl_up || !Os_Sdl.SDL_HasClipboardText()) return false;
    char* text = Os_Sdl.SDL_GetClipboardText();
    if (!text) return false;
    if (out) *out = Os_Text_Cp1252(text);
    Os_Sdl.SDL_free(text);
    return true;
}

bool Os_Sdl_Clipboard_Set(const std::string& text)
{
    return sdl_up && Os_Sdl.SDL_SetClipboardText(Os_Text_Utf8(text).c_str()) == 0;
}

void Os_Sdl_Cursor_Visible(bool visible)
{
    if (sdl_up) Os_Sdl.SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void Os_Sdl_Poll()
{
    if (!sdl_up) return;
    SDL_Event e;
    while (Os_Sdl.SDL_PollEvent(&e)) {
        switch (e.type) {
        case SDL_QUIT:
            Os_Post_Message(WM_CLOSE, 0, 0);
            break;
        case SDL_WINDOWEVENT:
            switch (e.window.event) {
            case SDL_WINDOWEVENT_CLOSE: Os_Post_Message(WM_CLOSE, 0, 0); break;
            case SDL_WINDOWEVENT_FOCUS_GAINED: Os_Post_Message(WM_ACTIVATEAPP, 1, 0); break;
            case SDL_WINDOWEVENT_FOCUS_LOST: Os_Post_Message(WM_ACTIVATEAPP, 0, 0); break;
            case SDL_WINDOWEVENT_EXPOSED:
            case SDL_WINDOWEVENT_SIZE_CHANGED:
                Os_Display_Changed(0, 0, tex_w, tex_h);
                Os_Post_Message(WM_PAINT, 0, 0);
                break;
            default: break;
            }
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            int32_t vk = virtual_key(e.key.keysym);
            if (vk)
                Os_Post_Message(e.type == SDL_KEYDOWN ? WM_KEYDOWN : WM_KEYUP, uint64_t(vk),
                                e.type == SDL_KEYDOWN ? 1 : int64_t(0xC0000001u));
            break;
        }
        case SDL_MOUSEMOTION:
            Os_Input_Set_Mouse(e.motion.x, e.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            Os_Input_Set_Mouse(e.button.x, e.button.y);
            update_buttons(e.button);
            int64_t pos = (int64_t(e.button.y) << 16) | (e.button.x & 0xFFFF);
            bool down = e.type == SDL_MOUSEBUTTONDOWN;
            if (e.button.button == SDL_BUTTON_LEFT)
                Os_Post_Message(down ? (e.button.clicks == 2 ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN)
                                     : WM_LBUTTONUP,
                                0, pos);
            else if (e.button.button == SDL_BUTTON_RIGHT)
                Os_Post_Message(down ? WM_RBUTTONDOWN : WM_RBUTTONUP, 0, pos);
            break;
        }
        case SDL_MOUSEWHEEL: {
            int y = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
            if (y != 0) {
                int16_t delta = int16_t(y > 0 ? 120 : -120);
                Os_Post_Message(WM_MOUSEWHEEL, uint64_t(uint16_t(delta)) << 16, 0);
            }
            break;
        }
        default: break;
        }
    }
    Os_Sdl_Present();
}

void Os_Sdl_Wait(uint32_t ms)
{
    if (!sdl_up) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return;
    }
    Os_Sdl.SDL_WaitEventTimeout(nullptr, int(ms));
}

void Os_Sdl_Display_Open(int width, int height, bool rgb555)
{
    tex_w = width;
    tex_h = height;
    tex_555 = rgb555;
    make_texture();
}

void Os_Sdl_Display_Close()
{
    if (texture) Os_Sdl.SDL_DestroyTexture(texture);
    texture = nullptr;
    tex_w = tex_h = 0;
}

void Os_Sdl_Present()
{
    if (!renderer) return;
    int x, y, w, h;
    if (!texture) {
        if (!Os_Display_Take_Changed(&x, &y, &w, &h)) return;
        Os_Sdl.SDL_RenderClear(renderer);
        Os_Sdl.SDL_RenderPresent(renderer);
        return;
    }
    if (!Os_Display_Lock_For_Present()) return;  // busy: the next pump presents it
    int pitch = 0;
    const uint16_t* pixels = Os_Display_Frame(&pitch);
    bool any = Os_Display_Take_Changed(&x, &y, &w, &h);
    if (any && pixels) {
        SDL_Rect r{x, y, w, h};
        Os_Sdl.SDL_UpdateTexture(texture, &r, pixels + size_t(y) * pitch + x, pitch * 2);
    }
    Os_Display_Unlock_For_Present();
    if (!any) return;
    Os_Sdl.SDL_RenderClear(renderer);
    Os_Sdl.SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    Os_Sdl.SDL_RenderPresent(renderer);
}

void Os_Sdl_Neu_Zeigen()
{
    if (!renderer) return;
    if (!texture) {
        Os_Sdl.SDL_RenderClear(renderer);
        Os_Sdl.SDL_RenderPresent(renderer);
        return;
    }
    Os_Display_Changed(0, 0, tex_w, tex_h);
    Os_Sdl_Present();
}

void Os_Sdl_Message_Box(const char* caption_utf8, const char* text_utf8)
{
    if (!sdl_start()) {
        std::fprintf(stderr, "%s %s\n", caption_utf8, text_utf8);
        return;
    }
    if (Os_Sdl.SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption_utf8, wrap(text_utf8).c_str(), win) != 0)
        std::fprintf(stderr, "%s %s\n", caption_utf8, text_utf8);
}

int Os_Sdl_Role_Dialog(const char* caption_utf8, const char* text_utf8)
{
    if (!sdl_start()) return 1;
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Server + Client"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "Client"},
    };
    SDL_MessageBoxData data{};
    data.flags = SDL_MESSAGEBOX_INFORMATION;
    data.window = win;
    data.title = caption_utf8;
    std::string text = wrap(text_utf8);
    data.message = text.c_str();
    data.numbuttons = 2;
    data.buttons = buttons;
    int id = 1;
    if (Os_Sdl.SDL_ShowMessageBox(&data, &id) != 0 || id < 0) return 1;
    return id;
}
