// Slave rastports: 450 off-screen bitmaps shared by icons (button faces, frames, pictures of the
// screen resource file, plain panels that text icons print into), each described by a static
// descriptor and made on first use.
#pragma once
#include <utility>
#include <vector>
#include <cstdint>

struct Rastport;

constexpr int32_t MENUE_SLAVE_ANZAHL = 450;
// A resource code names entry code % 4000 of standard resource file code / 4000 - 1.
constexpr int32_t MENUE_RESSOURCE_CODE = 4000;
// The pictures of the slaves lie in the screen resource file at this number plus the slave's.
constexpr int32_t MENUE_SLAVE_BILD_BASIS = 3200;  // clear of the match scene's pitches (1999-2118)

// The stored descriptor: 16 bytes each, in three tables (0..207, 208..392, 393..449).
struct Slave_Rastport {
    int32_t code;        // -1 plain bitmap; >= 4000 resource; anything else is invalid
    int32_t breite;      // plain bitmaps: the size; resources: overwritten by the loaded one
    int32_t hoehe;
    int8_t behalten;     // negative: survives Menue_Speicher_Befreien unless its mode is 7
    int8_t farbe;        // -1: Grafik_Farbe(9, 1, 1); else a UI colour index below 47
    int8_t frei[2];
};
static_assert(sizeof(Slave_Rastport) == 16);

// The descriptor of slave n as it stands now (the tools read the authored sizes); null for a
// bad number.
const Slave_Rastport* Menue_Slave_Beschreibung(int32_t n);

// The bitmap of slave n, made on first use; null on failure (reported).
Rastport* Menue_Get_Slave_Rastport(int32_t n);
// Gives slave n a new resource code (and, for a plain bitmap, size and colour); every icon
// showing the old bitmap shows the new one. A resource's size is written into d.
void Menue_Change_Slave_Rastport(int32_t n, Slave_Rastport* d);
void Menue_Free_Slave_Rastport(int32_t n);
// The slave whose bitmap this is, -1 for none.
int32_t Menue_Slave_Von_Bitmap(const Rastport* bitmap);
// The slaves' bitmaps with their numbers, sorted by bitmap: for a walk that looks up many.
std::vector<std::pair<const Rastport*, int32_t>> Menue_Slave_Bitmaps();
// Start-up: frees what was made and restores the authored descriptors.
void Menue_Slaves_Init();
// Frees every slave, or with alle 0 those whose keep byte is not negative.
void Menue_Slaves_Freigeben(bool alle);
