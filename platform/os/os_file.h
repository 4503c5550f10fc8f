// Files, folders and processes of the operating-system layer.
#pragma once
#include <cstdio>
#include <cstdint>
#include <string>
#include <vector>

// File names. Inside the program a path is Windows-1252 text; on the disk names are UTF-8. Every
// function here takes the program's path and finds the file it means: each component is looked
// for in UTF-8, as the system names it (a folder from the registry), and as an older version of
// the program wrote it (Windows-1252 bytes); a name with characters that have no Windows-1252
// form is found by the form it was listed under. A new file is named in UTF-8.
std::string Os_Pfad(const char* pfad);
// The path a file written under this name gets: an existing file the name reaches is replaced,
// except one whose name is not UTF-8, which gives way to the UTF-8 name.
std::string Os_Pfad_Neu(const char* pfad);
// The program's form of a path the system gives (a folder from the registry).
std::string Os_Pfad_Text(const char* system_pfad);
// fopen for a program path. Writing ("w") replaces the file the name reaches: one under an old
// Windows-1252 name is removed once the new one is open, so that no two files list alike.
std::FILE* Os_File_Open(const char* pfad, const char* modus);
// Renames a file over `nach` (the same replacement as Os_File_Open's "w"); false on failure.
bool Os_File_Rename(const char* von, const char* nach);

bool Os_File_Readable(const char* path);
// Length in bytes, -1 when the file does not open.
int64_t Os_File_Size(const char* path);
// Names (without folder) of the regular files in folder whose names match the pattern
// (* and ?, case ignored), sorted by name so that the order is the same everywhere. The names
// are the program's text (see Os_Pfad); two files of the same text are listed once.
std::vector<std::string> Os_File_Search(const char* folder, const char* pattern);
bool Os_File_Match(const char* pattern, const char* name);
// Creation (or, where the file system keeps none, status change) and last-write times as
// Windows file times: 100 ns units since 1601-01-01.
bool Os_File_Times(const char* path, uint64_t* created, uint64_t* written);
bool Os_File_Copy(const char* from, const char* to);
bool Os_File_Delete(const char* path);
// Flushes a stream and asks the system to put its data on the disk. False when either fails.
bool Os_File_Sync(std::FILE* datei);
// Writes n bytes as the whole of a new file (one of the name is replaced) and puts them on the
// disk: true when every byte was written and synced. Where `daten` starts on an
// OS_FILE_SEITE boundary and `platz` bytes from it may be read (n rounded up to a whole
// OS_FILE_SEITE), the bytes go to the disk straight from `daten`, without the system's copy of
// them, and the file is cut back to n; a file system that takes no such writes gets them
// through its own buffers.
constexpr size_t OS_FILE_SEITE = 4096;
bool Os_File_Ganz_Schreiben(const char* path, const uint8_t* daten, size_t n, size_t platz);
// Free bytes for an unprivileged user on the file system of path, in 64 bits.
uint64_t Os_Disk_Free(const char* path);
// Creates the folder and its parents; true when it exists afterwards.
bool Os_Make_Dirs(const char* path);
bool Os_Change_Dir(const char* path);
bool Os_Is_Dir(const char* path);

// Starts a program with one argument; the process id, or -1.
int Os_Process_Start(const char* program, const char* argument);
// True while the process runs; reaps it once it has ended.
bool Os_Process_Running(int pid);
