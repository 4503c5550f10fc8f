// Picture files of the program folder (players, managers, crests): the program's own numbered
// user pictures (".rpb", backups ".bpb"), their import from PCX files, and the PCX, BMP and TGA
// readers.
#pragma once
#include <cstdint>

#include "graphics/grafik_bitmap.h"

// Kinds of user pictures and the folder each lives in.
constexpr int32_t PIC_MANAGER_BILDER = 0;  // Pfad_Manager_Bilder
constexpr int32_t PIC_SPIELER_BILDER = 1;  // Pfad_Spieler_Bilder
constexpr int32_t PIC_VEREINS_WAPPEN = 2;  // Pfad_Vereins_Wappen, imported with transparency
// Sources of Pic_Laden and Pic_Konvertieren.
constexpr int32_t PIC_QUELLE_PCX = 0;
constexpr int32_t PIC_QUELLE_BMP = 1;
constexpr int32_t PIC_QUELLE_ZWISCHENABLAGE = 2;

// User picture file, little-endian: 16 bytes source file time (two Windows file times, created
// and written), 256 bytes source file name, u32 width, u32 height, then RGB565 pixels, rows top
// to bottom. Zero blocks when written without a source.
constexpr uint32_t RPB_ZEIT_GROESSE = 16;
constexpr uint32_t RPB_NAME_GROESSE = 256;
constexpr uint32_t RPB_KOPF_GROESSE = 280;
// Stored pictures are never larger than this; bigger sizes mark a damaged file.
constexpr int32_t RPB_MAX_BREITE = 1024;
constexpr int32_t RPB_MAX_HOEHE = 768;

// Writes a 15/16-bit bitmap as a user picture file (15-bit pixels are stored as RGB565); the time
// (16 bytes) and name (256 bytes) blocks may be null. 1 on success, 0 when it cannot be written.
int32_t Pic_Speichern(const char* pfad, const Rastport* bild, const uint8_t* zeit, const char* name);
// User picture number of a kind from its folder, into target (or a new bitmap) at depth 15 or
// 16; *gefunden = 1 when the file opens. Null when there is none, the file is damaged, or the
// stored picture does not fit into the target.
Rastport* Pic_Change_Load_User_Bild(int32_t nummer, Rastport* target, int32_t depth, int32_t art,
                                    int32_t* gefunden);
// Writes the bitmap as user picture number of the kind, without source blocks.
int32_t Pic_Schreiben_Nr(int32_t nummer, const Rastport* bild, int32_t art);
// Number of ".rpb" picture files of a kind in its folder.
int32_t Pic_Anzahl(int32_t art);
// The numbers of those files (their names are numbers), at most `kapazitaet`; returns the count.
int32_t Pic_Nummern_Ermitteln(int32_t art, int32_t kapazitaet, int32_t* nummern);
// The number made of all digits of a file name without its extension; -1 when it has none.
int32_t Pic_Nummer_Aus_Name(const char* name);
// Deletes user picture number of a kind when it exists; 1 when deleted.
int32_t Pic_Loeschen(int32_t nummer, int32_t art);
// Direction 1 copies the picture to its backup (".bpb"), 0 copies the backup back; the source
// file the picture was made from goes along ("0012.pcx" <-> "0012.bcx"). 1 when the picture
// itself was copied.
int32_t Pic_Sicherung(int32_t nummer, int32_t richtung, int32_t art);
// Copies a file in blocks of 1024 bytes; 1 on success.
int32_t Pic_Datei_Kopieren(const char* von, const char* nach);
// A new RGB565 bitmap of the picture's own size, or null. With transparency the colour of the
// first pixel is the background: those pixels become 0, other 0 pixels 1. Source 2 takes the
// clipboard's 16-bit bitmap (the path is not used).
Rastport* Pic_Laden(const char* pfad, int32_t quelle, int32_t depth, int32_t transparent);
// Pic_Laden, then depth 15 on request, then scaled into a new w x h bitmap. Null on failure.
Rastport* Pic_Konvertieren(const char* pfad, int32_t w, int32_t h, int32_t depth, int32_t quelle,
                           int32_t transparent);
// Whether the clipboard holds a picture of 15 or 16 bits per pixel: 1, else 0.
int32_t Pic_Aus_Zwischenablage();
// Import of the PCX files of a kind's folder into user pictures of w x h. Names outside
// min..max and unreadable files are reported through `meldung` (null: a message box).
// The number of pictures written, -1 when none.
using Pic_Meldung_Proc = void (*)(const char* text, void* argument);
int32_t Pic_Import_Pcx(int32_t w, int32_t h, int32_t min, int32_t max, int32_t art,
                       Pic_Meldung_Proc meldung, void* argument);
// The import at the program's start: player portraits at 36 x 41 and crests at 40 x 40, the sizes
// the game draws them in, numbered as their fields allow (0..32000). Managers' pictures have no
// size of their own and are not drawn: their folder is left alone. Messages go to a message box.
void Pic_Import_Beim_Start();

// Size queries (1 when the file is one of the accepted kinds) and readers into RGB565 pixels of
// exactly w x h (the file's size; else 0).
int32_t BMP_Groesse(const char* pfad, int32_t* w, int32_t* h);
int32_t BMP_Lesen(const char* pfad, uint16_t* pixel, int32_t w, int32_t h);
int32_t PCX_Groesse(const char* pfad, int32_t* w, int32_t* h, int32_t depth);
int32_t PCX_Lesen(const char* pfad, uint16_t* pixel, int32_t w, int32_t h, int32_t depth);
// TGA pictures of depth 8 (with a palette of 256 x 3 bytes on the 6-bit scale), 15, 16 (two bytes
// a pixel) or 24 (blue, green, red bytes). 15/16-bit pixels are stored as 24-bit colour. The
// reader takes colour-mapped 8-bit and 16/24-bit true-colour files of exactly w x h.
int32_t TGA_Schreiben(const char* pfad, int32_t w, int32_t h, const void* pixel, int32_t depth,
                      const uint8_t* palette);
int32_t TGA_Lesen(const char* pfad, int32_t w, int32_t h, void* pixel, int32_t depth,
                  uint8_t* palette);
