// Crash report: when a processor fault escapes the game, "errorlog.txt" in the program folder
// gets a plain-text report (what happened where, machine, registers, code bytes, stack, loaded
// modules), once per run; then the fault takes its normal course.
#pragma once
#include <cstdint>

// Installs the handler for SIGSEGV, SIGFPE, SIGILL, SIGBUS and SIGABRT on an alternate stack.
// folder: where errorlog.txt goes (null: the program's own folder). label: the thread label.
void Crash_Install(const char* folder, const char* label);
// Changes the report's folder (the program folder once it is known).
void Crash_Set_Folder(const char* folder);

// The description of a Windows exception code, "Unknown exception type" when unknown.
const char* Crash_Exception_Name(uint32_t code);
// The exception code that a signal and its si_code stand for.
uint32_t Crash_Code_From_Signal(int signal, int code);
// "%d/%d/%d %02d:%02d:%02d" (month, day, year, hour, minute, second) of a Unix time in local
// time; out needs 32 bytes.
void Crash_Format_Time(char* out, int64_t unix_seconds);
// The part after the last '/' (the whole path when there is none).
const char* Crash_File_Name(const char* path);
