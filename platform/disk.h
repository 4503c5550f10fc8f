// Files of the game: plain write streams, whole-file reads, and the savegame container.
//
// Savegame file "<name><extension>" in the savegame folder, little-endian throughout:
//   14 bytes  magic "DorvinOnline!!"
//    8 bytes  version text ("2.01"; "2.00" is the older layout), zero padded
//    u32      CRC-32 of the 22 bytes above
//   29 areas, one per module position in the fixed order of disk.cpp, each:
//     u32     byte length of the blocks that follow
//     blocks, one per Disk_Schreibe_Block call:
//       u32   payload length
//       bytes payload, scrambled with a keystream of its own per block
//       u32   CRC-32 of the plain payload
//   nothing behind the last area.
// A load reads and checks the whole file before any module reader runs, so that a broken file
// leaves the running game as it was; and it keeps an image of the running game in memory (the
// same layout, unscrambled), read back when a module reader refuses its block.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

// Header of a savegame file.
constexpr int SPIELSTAND_MAGIC_LAENGE = 14;
constexpr int SPIELSTAND_VERSION_LAENGE = 8;
struct Spielstand_Kopf {
    char magic[SPIELSTAND_MAGIC_LAENGE];      // "DorvinOnline!!", no terminator
    char version[SPIELSTAND_VERSION_LAENGE];  // "2.01", zero padded
};
constexpr char SPIELSTAND_MAGIC[] = "DorvinOnline!!";
constexpr char SPIELSTAND_VERSION[] = "2.01";
constexpr char SPIELSTAND_VERSION_ALT[] = "2.00";

struct Disk_Datei;

// CRC-32 (reflected, 0xEDB88320) continued over more bytes; start with 0.
uint32_t Disk_Crc32(uint32_t crc, const uint8_t* daten, size_t laenge);
// Test hook: false keeps checksums and scrambling on the portable path that a processor without
// carry-less multiplication takes (true: the fast path where there is one).
void Disk_Set_Falten(bool an);

// Opens a plain file for binary writing ("wb+"), null on failure. Its blocks go out as they are.
Disk_Datei* Disk_Open_Schreiben(const char* name);
// Closes and frees the stream (null is fine); false when buffered data could not be written.
bool Disk_Close(Disk_Datei* datei);

// Test hook for a full disk: a plain stream refuses every byte beyond `bytes` (-1: no limit).
void Disk_Set_Schreib_Grenze(int64_t bytes);

// Writes count bytes as one block: on a savegame stream scrambled and checksummed, on a plain
// stream as they are. False for no stream or a short write.
bool Disk_Schreibe_Block(Disk_Datei* datei, const void* buffer, uint32_t count);
// As Disk_Schreibe_Block, for a block that `fuellen(ziel, kontext)` puts together itself: on a
// savegame put together in memory straight in its place, with no buffer of its own. fuellen
// must set every one of the count bytes and must not write to the stream.
using Disk_Fueller = void (*)(uint8_t* ziel, void* kontext);
bool Disk_Schreibe_Block_Gefuellt(Disk_Datei* datei, uint32_t count, Disk_Fueller fuellen, void* kontext);
// The same with any callable taking the target bytes.
template <class F>
bool Disk_Schreibe_Block_Gefuellt(Disk_Datei* datei, uint32_t count, F&& fuellen)
{
    return Disk_Schreibe_Block_Gefuellt(
        datei, count, [](uint8_t* ziel, void* k) { (*static_cast<std::remove_reference_t<F>*>(k))(ziel); },
        const_cast<void*>(static_cast<const void*>(&fuellen)));
}
// Reads the next block of a savegame stream into buffer. The stored length must equal count;
// a short or mismatched read sets the stream's error flag. False for no stream or an error.
bool Disk_Lese_Block(Disk_Datei* datei, void* buffer, uint32_t count);
// The error flag of a stream (true for no stream).
bool Disk_Fehler(const Disk_Datei* datei);
// Stored length of the next block of a savegame being read, without reading it, so that a
// reader can check a count against the data before it allocates. False when the area holds no
// further block (or for no stream).
bool Disk_Naechste_Blocklaenge(const Disk_Datei* datei, uint32_t* laenge);
// Sets the error flag: a reader without a result of its own refuses its block this way.
void Disk_Block_Ablehnen(Disk_Datei* datei);
// Reads the next block, which must hold exactly count bytes, into buffer. Another length (or no
// block) refuses it; with `wer`, under that name: "<wer>: <n> statt <count> Bytes".
bool Disk_Lese_Block_Genau(Disk_Datei* datei, void* buffer, uint32_t count, const char* wer);

// Reads a whole file into a new buffer from Mem_Alloc (one zero byte behind the data, not
// counted) and stores its length. Null when the file does not open, cannot be read or is too
// large. The caller frees it with Mem_Free.
uint8_t* Disk_Lese_Datei(const char* name, uint32_t* size);

// The folder part of a path (without the last separator; empty without one). False when it
// does not fit into `groesse` bytes.
bool Disk_Pfad_Ohne_Dateiname(const char* pfad, char* ordner, uint32_t groesse);

// The savegame folder ("spielstand" under the program folder); the start-up sets it.
void Disk_Set_Spielstand_Ordner(const char* ordner);
const char* Disk_Get_Spielstand_Ordner();
// Name of the last savegame saved or loaded (registry value "letzter_spielstand"), "" if none.
const char* Disk_Lade_Letzten_Spielstand_Namen();

// Module positions in the savegame, 1..29.
enum Disk_Position : int {
    DISK_POS_ABLAUF = 1,
    DISK_POS_ZUFALL = 2,
    DISK_POS_SOUNDEFFEKTE = 3,
    DISK_POS_MENUE = 4,
    DISK_POS_UNTERMENUE = 5,
    DISK_POS_WETTBEWERBE = 6,
    DISK_POS_SPIELE = 7,
    DISK_POS_TEAMS = 8,
    DISK_POS_SPIELER = 9,
    DISK_POS_NEWS = 10,
    DISK_POS_MANAGER = 11,
    DISK_POS_TEAMSPIELER = 12,
    DISK_POS_ASSISTENTEN = 13,
    DISK_POS_HIGHSCORE = 14,
    DISK_POS_BANK = 15,
    DISK_POS_KREDITSCHIRME = 16,
    DISK_POS_RICHTER = 17,
    DISK_POS_PERSONALSCHIRME = 18,
    DISK_POS_AUKTION = 19,
    DISK_POS_STADION = 20,
    DISK_POS_WERBUNG = 21,
    DISK_POS_TRAININGSLAGER = 22,
    DISK_POS_SPIELERSCHIRME = 23,
    DISK_POS_SPIELTAG = 24,
    DISK_POS_PERSONAL = 25,
    DISK_POS_SPIELFELD = 26,
    DISK_POS_SPIELANSICHT = 27,
    DISK_POS_FREI = 28,
    DISK_POS_STATISTIK = 29,
};
constexpr int DISK_POSITIONEN = 29;

// A module's savegame writer and reader. Each calls Disk_Schreibe_Block / Disk_Lese_Block as
// often as it likes; the reader gets the file's version text. False on failure.
using Disk_Block_Schreiber = bool (*)(Disk_Datei* datei);
using Disk_Block_Leser = bool (*)(Disk_Datei* datei, const char* version);

// A module's step after a load, run once every reader has taken its block (in position order);
// there it links what it read to records of modules read after it.
using Disk_Nach_Laden = void (*)();
bool Disk_Nach_Laden_Registrieren(int position, Disk_Nach_Laden prozedur);

// Registers a module for its position (null/null removes it). A position without a writer
// gets an empty area; one without a reader is skipped. Position 28 stays empty.
bool Disk_Block_Registrieren(int position, Disk_Block_Schreiber schreiber, Disk_Block_Leser leser);

// The file of a savegame name: a name with a '/' is a path, any other lies in the savegame
// folder; the registry's extension is added when missing. False when it does not fit.
bool Disk_Spielstand_Pfad(const char* name, char* pfad, uint32_t groesse);
// Writes every module's block to a temporary file beside the savegame, flushes it and renames
// it over the savegame, so that a failed save keeps the previous one. Shows a German message
// on failure.
bool Disk_Spielstand_Speichern(const char* name);
// Reads and checks the whole savegame, then hands each area to its module's reader. A broken
// file is refused with a German message before any module is touched; when a reader refuses its
// block, the modules read before it get the running game back from the memory image.
bool Disk_Spielstand_Laden(const char* name);
// The same load for a tool that only reads a savegame: the registry's last savegame stays.
bool Disk_Spielstand_Einsehen(const char* name);

// A savegame file as plain data: per module position the payloads of its blocks. For tools and
// tests that look into savegames or build them.
using Disk_Bereich = std::vector<std::vector<uint8_t>>;
using Disk_Bereiche = std::array<Disk_Bereich, DISK_POSITIONEN>;
// Checks and splits a savegame file image; false (and nothing stored) for a broken one.
bool Disk_Spielstand_Zerlegen(const uint8_t* daten, size_t laenge, std::string* version, Disk_Bereiche* bereiche);
// A savegame file image of the areas under this version text (at most 8 characters), scrambled
// and checksummed as a save writes it.
std::vector<uint8_t> Disk_Spielstand_Bauen(const char* version, const Disk_Bereiche& bereiche);
// The running game as the bytes that Disk_Spielstand_Speichern would write; empty when a module
// writer fails.
std::vector<uint8_t> Disk_Spielstand_Abbild();

// Little-endian field helpers for the block writers and readers.
inline void Disk_LE16_Setzen(uint8_t* p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
inline void Disk_LE32_Setzen(uint8_t* p, uint32_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}
inline uint16_t Disk_LE16_Lesen(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t Disk_LE32_Lesen(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
