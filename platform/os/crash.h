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

// A fault as the handler receives it: the signal, its siginfo_t and its ucontext_t.
struct Crash_Ausnahme {
    int signal;
    void* siginfo;
    void* context;
};
// Appends the report of the fault to errorlog.txt, the first time in a run only; label names
// the thread. Returns 0: the fault goes on to its default handling.
int Crash_Report(const Crash_Ausnahme* ausnahme, const char* label);
// Formats (%s %c %d %u %x, the 0 flag, a width, l) without the C library and writes the text to
// the file descriptor; safe inside a signal handler.
void Crash_Write(int file, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The description of a Windows exception code, "Unknown exception type" when unknown.
const char* Crash_Exception_Name(uint32_t code);
// The exception code that a signal and its si_code stand for.
uint32_t Crash_Code_From_Signal(int signal, int code);
// "%d/%d/%d %02d:%02d:%02d" (month, day, year, hour, minute, second) of a Unix time in local
// time; out needs 32 bytes.
void Crash_Format_Time(char* out, int64_t unix_seconds);
// The part after the last '/' (the whole path when there is none).
const char* Crash_File_Name(const char* path);
