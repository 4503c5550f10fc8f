#include "platform/timer.h"

// The timer thread of the operating-system layer replaces this. Until then the slots are kept
// but never run, and time stands still.
static struct {
    uint32_t active, enabled;
} slots[TIMER_SLOTS];

static bool valid(int slot) { return slot >= 0 && slot < TIMER_SLOTS; }

uint32_t Timer_Get_Time() { return 0; }

int Timer_Add(Timer_Callback, uint32_t)
{
    for (int i = 0; i < TIMER_SLOTS; ++i)
        if (!slots[i].active) {
            slots[i].active = 1, slots[i].enabled = 1;
            return i;
        }
    return -1;
}

int Timer_Remove(int slot)
{
    if (!valid(slot)) return 0;
    slots[slot].active = 0;
    return 1;
}

int Timer_Pause(int slot)
{
    if (!valid(slot) || !slots[slot].enabled) return 0;
    slots[slot].enabled = 0;
    return 1;
}

int Timer_Resume(int slot)
{
    if (!valid(slot) || slots[slot].enabled) return 0;
    slots[slot].enabled = 1;
    return 1;
}

uint32_t Timer_Slot_Enabled(int slot) { return valid(slot) ? slots[slot].enabled : 0; }
