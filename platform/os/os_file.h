// Files, folders and processes of the operating-system layer.
#pragma once
#include <cstdio>
#include <cstdint>
#include <string>
#include <vector>

bool Os_File_Readable(const char* path);
// Length in bytes, -1 when the file does not open.
int64_t Os_File_Size(const char* path);
// Names (without folder) of the regular files in folder whose names match the pattern
// (* and ?, case ignored), sorted by name so that the order is the same everywhere.
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
