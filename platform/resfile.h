// Resource files: the RESF format, the table of open files, the loaders that turn an entry into
// a memory object, and the standard files opened at start-up.
#pragma once
#include <cstdint>
#include <cstdio>

struct Rastport;

// Entry types.
enum ResFile_Typ : int16_t {
    RES_BITMAP = 14,
    RES_LEER = 15,
    RES_DATEN = 16,
    RES_FONT = 17,
    RES_SPRITE_LISTE = 38,
    RES_SPRITE = 40,
    RES_PALETTE = 48,
    RES_FILM = 50,
    RES_SPRITE_FARBEN = 61,
};

// Compression values of bitmap data: 4 and 5 are library methods 2 and 4.
constexpr uint32_t RES_GESPEICHERT = 0;
constexpr uint32_t RES_LZSS = 4;
constexpr uint32_t RES_PACK4 = 5;

constexpr int RESFILE_SLOTS = 30;
constexpr int RESFILE_STANDARD = 19;
// Resource numbers of the first files are this much higher than the index position.
constexpr int32_t RESFILE_NUMMER_VERSATZ = 24;
// Handle 1 is shifted too once its file holds this many entries.
constexpr int32_t RESFILE_GROSS = 3000;
constexpr uint32_t RESFILE_SPRITE_KOPF = 36;

struct ResFile_Slot {
    FILE* file;        // null = free
    uint8_t* index;    // N x 8 bytes: i16 type, 2 reserved, u32 data offset
    int32_t anzahl;
    uint32_t index_offset;
    uint64_t groesse;  // file size: no read may go past it
};
extern ResFile_Slot ResFile_Tabelle[RESFILE_SLOTS];

struct ResFile_Standard {
    const char* name;
    int32_t modus;   // 0 = resource folder, 1 = data-file prefix, -1 = no file
    int32_t handle;  // -1 = not open
};
// 0 "resf_scr.res" (screens), 1 "data.bin" (large data), 2 "werbung.res" (advertising).
extern ResFile_Standard ResFile_Handles[RESFILE_STANDARD];

// Folders the start-up sets before Init_System_Dateien: the resource folder, and the prefix
// (ending in '/') put straight before "data.bin".
extern char ResFile_Ordner[256];
extern char ResFile_Daten_Praefix[256];

// The current 768-byte palette (components 0-63), filled by types 48, 50 and 61.
extern uint8_t Aktuelle_Palette[768];
// x and y offsets of the last bitmap entry loaded (face parts are placed with them).
extern uint16_t ResFile_Letzter_X_Offset;
extern uint16_t ResFile_Letzter_Y_Offset;
// Keep-packed option: switched on once at start-up by the graphics library (Grafik_Option_Setzen).
extern uint8_t ResFile_Gepackt_Behalten;

int32_t Init_ResFile(const char* path);
void DeInit_ResFile(int32_t handle);
// Counts the openings and closings of a slot: a picture made from a file's entry is the same
// while the count stays.
uint32_t ResFile_Stand(int32_t handle);
// Type 14 and 50 (kind 0): a Rastport (freed with Grafik_Bitmap_Freigeben); 15 and 48: null;
// 16: a Mem_Alloc block of the data; 17: a font record (freed with Font_Free); 38: a
// Mem_Alloc array of Rle_Sprite pointers (count through extra; each freed with
// Grafik_Sprite_Freigeben, the array with Mem_Free); 40, 61 (with its colour table) and 50
// (other kinds): an Rle_Sprite, its runs checked (a damaged block gives null), RGB555 at depth 15.
void* Load_Resource(int32_t handle, int32_t number, int32_t depth, void* extra);
// Fills the caller's bitmap, which must have the entry's width and height.
void Load_Resource_Buffer(Rastport* bitmap, int32_t handle, int32_t number, int32_t depth, uint8_t* palette);
FILE* Seek_Resource(int32_t handle, int32_t number, int32_t* type);
// A new plain Rastport holding the expanded picture of a packed one (which stays unchanged), at
// the packed one's depth; its RGB565 data becomes RGB555 when depth is 15. Null when it cannot.
Rastport* Unpack_Bitmap(const Rastport* packed, int32_t depth);
int32_t Resource_Get_Free_Slot();
int32_t ResFile_Get_Anzahl(int32_t handle);
int32_t ResFile_Get_Typ(int32_t handle, int32_t number);
int ResFile_Namen_Lesen(int32_t handle, uint8_t* buffer);
int Init_System_Dateien();
void DeInit_System_Dateien();

// Expands bitmap data by its compression value into `capacity` bytes at out. 1 = the load goes
// on (1 and 3 expand nothing; unknown values are reported "Compress: unbekannt" and leave out
// as it was), 0 = a damaged stream.
int ResFile_Expandieren(const uint8_t* packed, uint32_t size, uint32_t compression, uint8_t* out, uint32_t capacity);
