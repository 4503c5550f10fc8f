// Resource files: the RESF format, the table of open files, the loaders that turn an entry into
// a memory object, and the standard files opened at start-up.
#pragma once
#include <cstdint>
#include <cstdio>

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
// Keep-packed option: switched on once at start-up by the graphics library.
extern uint8_t ResFile_Gepackt_Behalten;

// A decoded bitmap entry: what the loader hands to the bitmap allocation of the graphics library.
struct ResFile_Bild {
    uint32_t width;
    uint32_t height;
    uint8_t depth;          // 8, 15 or 16
    uint8_t packed;         // 1: pixels hold packed data of packed_size bytes
    uint8_t packing_method; // compression value 4 or 5
    uint8_t packed_depth;
    uint32_t packed_size;
    uint8_t* pixels;        // rows top to bottom, (depth + 1) / 8 bytes per pixel
    uint8_t* mask;          // (width x height) / 8 + 4 bytes, bit n mod 8 of byte n / 8, or null
    ResFile_Bild* companion;
    uint8_t* extra;         // width x height x 2 bytes, or null
    uint8_t palette[768];   // the entry's palette (8-bit entries)
};

ResFile_Bild* ResFile_Bild_Anlegen(uint32_t width, uint32_t height, int32_t depth, bool mask);
ResFile_Bild* ResFile_Bild_Freigeben(ResFile_Bild* bild);
uint32_t ResFile_Bild_Pixel_Bytes(const ResFile_Bild* bild);
uint32_t ResFile_Mask_Bytes(uint32_t width, uint32_t height);

// Reads a type-14 entry from the file's current position (end of file at file_size) and fits
// it to the target depth (8, 15, 16). extra: the entry's palette out, or the palette a 15/16-bit
// picture is reduced with for depth 8. Null with a message on any failure.
ResFile_Bild* ResFile_Bitmap_Dekodieren(FILE* file, uint64_t file_size, int32_t depth, uint8_t* extra);

// The one place where a decoded bitmap becomes the program's bitmap object. Takes ownership.
void* Load_Resource_Bitmap(ResFile_Bild* bild);

int32_t Init_ResFile(const char* path);
void DeInit_ResFile(int32_t handle);
// Type 14 and 50 (kind 0): a bitmap (Load_Resource_Bitmap); 15 and 48: null; 16: a Mem_Alloc
// block of the data; 17: a Mem_Alloc block holding the font entry's bytes as stored; 38: a
// Mem_Alloc array of sprite-block pointers (count through extra); 40, 61 and 50 (other kinds):
// a sprite block (36-byte header, row table, run-length data; pointer words zero).
void* Load_Resource(int32_t handle, int32_t number, int32_t depth, void* extra);
// Fills the caller's bitmap, which must have the entry's width and height.
void Load_Resource_Buffer(ResFile_Bild* bitmap, int32_t handle, int32_t number, int32_t depth, uint8_t* palette);
FILE* Seek_Resource(int32_t handle, int32_t number, int32_t* type);
ResFile_Bild* Unpack_Bitmap(const ResFile_Bild* packed, int32_t depth);
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

struct Rastport;
// Unpacks a packed bitmap (packed flag 1) into a new plain Rastport; null when it cannot.
Rastport* Unpack_Bitmap(Rastport* packed);
