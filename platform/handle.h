// Handles for object references inside texts. Markup codes and help texts name a picture, a
// font or a record as "0x" and 8 hex digits; pointers are 64-bit here, so such texts carry a
// 32-bit handle from this registry instead, and never a pointer. A handle of 0 means none.
#pragma once
#include <cstdint>

// What a handle refers to; resolving checks it, so a font handle never yields a picture.
// Bild_Abgegeben: a picture handed over to the one drawing of the text that names it, which frees
// it; only such a handle may be freed by a text, so that a text from elsewhere or one drawn twice
// never frees a picture its owner still holds.
enum class Handle_Art : uint8_t { Bild = 1, Font = 2, Datensatz = 3, Bild_Abgegeben = 4 };

// Handle of the object (the same one again while it stays registered); 0 for a null object
// or a registry that is full.
uint32_t Handle_Registrieren(void* objekt, Handle_Art art);
// The object of the handle, or null when the handle is unknown, released or of another kind.
void* Handle_Aufloesen(uint32_t handle, Handle_Art art);
// Forgets the handle; later resolves give null. Unknown handles are ignored.
void Handle_Freigeben(uint32_t handle);
// Forgets the handle of an object that is about to be freed (owners call it before freeing).
void Handle_Objekt_Freigeben(const void* objekt);
// Number of registered handles.
uint32_t Handle_Anzahl();
