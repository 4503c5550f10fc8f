// The software mouse pointer of the full-screen modes: one of up to 20 pointer images, redrawn
// every 30 ms by the timer thread so that it follows the mouse while the window thread is busy.
// The pointer lives on the display only; page 0 never holds it but for the length of a copy to
// the display (the composite pair). Every window-thread operation that touches it first pauses
// the timer slot and waits for a running redraw.
#pragma once
#include <cstdint>

struct Rastport;

constexpr int MAUSZEIGER_MAX = 20;
// Picture resources of the pointer images: 6213 to 6232.
constexpr int32_t MAUSZEIGER_RESSOURCE = 6213;
constexpr uint32_t MAUSZEIGER_INTERVALL = 30;

struct Mauszeiger_Image {
    uint32_t width;
    uint32_t height;
    uint32_t frei[2];
    uint32_t hot_y;          // stored as given
    uint32_t hot_x;
    Rastport* picture;       // a copy of the picture at the screen depth, 0 transparent
    Rastport* background;    // what the drawn pointer covers
};

struct Mauszeiger_Tabelle_Record {
    Mauszeiger_Image* images[MAUSZEIGER_MAX];
    int32_t anzahl;          // images loaded (a picture that gave no image still counts)
    int32_t gewaehlt;
};
extern Mauszeiger_Tabelle_Record Mauszeiger_Tabelle;

// Null when the picture is null, not at the screen depth, or memory runs out.
Mauszeiger_Image* Mauszeiger_Image_Create(Rastport* picture, int32_t width, int32_t height,
                                          int32_t hot_x, int32_t hot_y);
// Takes the pointer off first when the image is current; returns null for the caller to store.
Mauszeiger_Image* Mauszeiger_Image_Free(Mauszeiger_Image* image);
// Makes the image current (off with the old one, on with the new one); returns 1.
int Mauszeiger_Image_Select(Mauszeiger_Image* image);
// The 20 pointer pictures of the resource file; shows image 0. Refused once images were loaded.
// Returns 0.
int Mauszeiger_Load_All(int32_t resfile);
// Hides the pointer and frees every image; 0 when none was loaded.
int Mauszeiger_Free_All();
// 0 when n is no loaded image (out of range or freed); else selects it and returns 1.
int Mauszeiger_Select(int32_t n);
int32_t Mauszeiger_Get_Selected();

// The redraw slot of the timer thread (every 30 ms).
int Mauszeiger_Start_Timer();
int Mauszeiger_Stop_Timer();
// The 30 ms routine: moves the drawn pointer to the mouse position. Also run by the window
// thread while the slot is paused.
void Mauszeiger_Redraw();

void Mauszeiger_Hide();
void Mauszeiger_Show();
// Takes the pointer off the display / draws it again (around a direct surface write).
void Mauszeiger_Remove();
void Mauszeiger_Draw();
// The pointer stays where it is and no longer follows the mouse; hide and show still work.
void Mauszeiger_Freeze();
void Mauszeiger_Unfreeze();
// 1 when NOT frozen, 0 when frozen.
int Mauszeiger_Is_Frozen();
// 1 when the pointer's rectangle touches or overlaps (x, y, w, h); 0 without an image or timer.
int Mauszeiger_Overlaps_Rect(int32_t x, int32_t y, int32_t w, int32_t h);
// The composite pair around a copy of page 0 to the display: Start draws the pointer into the
// page (what lay under it saved), End takes it out again and returns its argument.
void Mauszeiger_Blit_Start(void* page0_pixels);
void* Mauszeiger_Blit_End(void* page0_pixels);
// A whole-screen copy left waiting (headless) runs the pair later, and End then moves
// nothing: Nachziehen made the move End would have made when the copy was left, with the
// pointer's display writes left to the waiting copy.
void* Mauszeiger_Blit_End_Nachgeholt(void* page0_pixels);
void Mauszeiger_Nachziehen();
