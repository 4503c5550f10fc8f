// Inside the operating-system layer only: what the common part and the back ends share.
#pragma once
#include <cstdint>
#include <string>

// Input state that the back ends update while they feed the queue.
void Os_Input_Set_Mouse(int x, int y);
void Os_Input_Set_Buttons(bool left, bool right);
void Os_Input_Set_Shift(bool held);

// SDL back end (os_sdl.cpp).
bool Os_Sdl_Window_Open(const char* title_utf8, int width, int height, bool fullscreen);
void Os_Sdl_Window_Close();
void Os_Sdl_Poll();
// Sleeps until an event is pending or ms pass.
void Os_Sdl_Wait(uint32_t ms);
void Os_Sdl_Message_Box(const char* caption_utf8, const char* text_utf8);
int Os_Sdl_Role_Dialog(const char* caption_utf8, const char* text_utf8);
void Os_Sdl_Cursor_Visible(bool visible);
void Os_Sdl_Shutdown();
bool Os_Sdl_Shift_Held();
// The window's clipboard text, converted between UTF-8 and Windows-1252.
bool Os_Sdl_Clipboard_Get(std::string* out);
bool Os_Sdl_Clipboard_Set(const std::string& text);
// The display frame changed size or format: (re)creates the streaming texture.
void Os_Sdl_Display_Open(int width, int height, bool rgb555);
void Os_Sdl_Display_Close();
// Uploads the changed rectangle of the frame and presents it.
void Os_Sdl_Present();
// Presents the whole frame again (black before the display opens): a window that closed over
// the main window must not stay painted on it.
void Os_Sdl_Neu_Zeigen();

// Display frame (os_display.cpp): takes the rectangle changed since the last call; false when
// nothing changed.
bool Os_Display_Take_Changed(int* x, int* y, int* w, int* h);
// Runs fn while the frame is held by the presenter (the display lock, when one is set).
bool Os_Display_Lock_For_Present();
void Os_Display_Unlock_For_Present();
