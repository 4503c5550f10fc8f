// The generic doubly linked list: elements of a 24-byte header (prev, next, data, key, size,
// spare) and their payload in one block. Every head is registered; operations on an unregistered
// head fail quietly. One process-wide cursor serves iteration.
//
// Saved form (savegames and memory buffers), little-endian 32-bit words:
//   per element: 0xFFFFFFFF, prev, next, data, key, size, spare, then size - 24 payload bytes
//   end:         0xF0F0F0F0
// Only data (non-zero: a payload follows), key and size are read back. Pointers never go to
// disk: prev, next and spare are written as 0 and data as 1.
#pragma once
#include <cstdint>

struct Liste_Element {
    Liste_Element* prev;  // previous element, or the head for the first one (0 in a head)
    Liste_Element* next;  // next element; in a head the first element
    void* data;           // the payload, right behind the header
    uint32_t key;
    uint32_t size;  // payload length + 24
    uint32_t spare;
};
// A head is laid out like an element; its next word points to the first element, and its key
// and spare words hold the list's own change count (see Liste_Stand_Von).
using Liste = Liste_Element;

constexpr int LISTE_REGISTRY_GROESSE = 1000;
constexpr uint32_t LISTE_MARKE_ELEMENT = 0xFFFFFFFFu;
constexpr uint32_t LISTE_MARKE_ENDE = 0xF0F0F0F0u;
constexpr uint32_t LISTE_KOPF_BYTES = 24;

// Registers the head (a registered head is emptied first) and clears it; cursor = head.
void Liste_Init(Liste* liste);
// Inserts a copy of `size` bytes (zeros when `quelle` is NULL) directly after `nach` (NULL: at
// the front). Size 0 gives a one-byte zero payload. NULL when `nach` is not in the list.
Liste_Element* Liste_Insert_Element(Liste* liste, Liste_Element* nach, const void* quelle,
                                    uint32_t size, uint32_t key);
// Unlinks and frees the element and returns its predecessor (or the head); the cursor becomes
// that predecessor. NULL element: empties the list and initialises it again (result NULL).
Liste_Element* Liste_Delete_Element(Liste* liste, Liste_Element* element);
// Frees every element and unregisters the head.
bool Liste_Delete_All(Liste* liste);
// Inserts copies of the source's elements directly after `nach` (so in reverse order).
bool Liste_Copy(Liste* ziel, Liste_Element* nach, Liste* quelle);
// Exchanges the elements of two registered lists; the heads stay where they are. Neither
// allocates nor fails halfway: false (and nothing moved) when a head is not registered.
bool Liste_Tauschen(Liste* a, Liste* b);

// A count that moves whenever an element of any list is inserted, removed or moved to another
// head: a lookup remembered under one count still holds while the count stands.
uint64_t Liste_Stand();
// The count of this list alone: it moves whenever the list is registered or one of its own
// elements is inserted, removed or moved to another head, and no two states of any head share a
// value (it is the common count's value at the list's last change). 0 for a head never
// registered or cleared since. A lookup that read only some lists holds while each stands.
inline uint64_t Liste_Stand_Von(const Liste* liste)
{
    return liste ? uint64_t(liste->key) << 32 | liste->spare : 0;
}

// These four walk whatever they are given; NULL starts behind the cursor.
int32_t Liste_Count(Liste* liste);
Liste_Element* Liste_Get_Last(Liste* liste);
Liste_Element* Liste_Find_Key(Liste* liste, uint32_t key);
// Payload compared as a string, ASCII case ignored.
Liste_Element* Liste_Find_Name(Liste* liste, const char* name);

Liste_Element* Liste_First_Element(Liste* liste);
Liste_Element* Liste_Next_Element(Liste* liste, Liste_Element* element);
Liste_Element* Liste_Next_Cursor();
bool Liste_Set_Element(Liste* liste, Liste_Element* element);
void Liste_Set_Cursor(Liste_Element* element);

// Writes the saved form of the elements with this key (-1: all) into a new heap block (free it
// with Mem_Free) and returns its size; 0 for an unregistered head.
uint32_t Liste_Save_Buffer(uint8_t** buffer, Liste* liste, int32_t key_filter);
// Replaces the list's contents with a saved form of `laenge` bytes (the list is registered
// afterwards). A damaged form (no marker, size word below 24, short block, no end marker) gives
// false and leaves the list as it was.
bool Liste_Load_Buffer(const uint8_t* buffer, uint32_t laenge, Liste* liste);

// Savegame blocks through the savegame container's block writer and reader.
struct Disk_Datei;
bool Liste_Write_File(Disk_Datei* datei, Liste* liste);
// Reads the whole saved form into a list of its own and only then swaps it in: a damaged form
// gives false and leaves the list as it was.
bool Liste_Read_File(Disk_Datei* datei, Liste* liste);
