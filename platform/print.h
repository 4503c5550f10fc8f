// The error sink and the developer log.
#pragma once
#include <cstdarg>
#include <functional>
#include <string>

// Bad arguments and impossible paths are reported here. The shipped program drops the texts;
// DORVIN_DEBUG=1 prints them to standard error, and tests install a capture hook.
void Print_Fehler(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Developer log: shown only on the debug console when it is open.
void Print_Log(int channel, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Test hook: receives every formatted Print_Fehler text (Windows-1252). An empty function
// removes the hook.
using Print_Fehler_Hook = std::function<void(const std::string&)>;
void Print_Fehler_Set_Hook(Print_Fehler_Hook hook);
// The hook installed now (empty when none), so that a caller that listens for a while can
// pass the texts on and put it back.
Print_Fehler_Hook Print_Fehler_Get_Hook();

// Where Print_Log goes when the debug console is open; the console sets it.
using Print_Log_Sink = void (*)(const char* text);
void Print_Log_Set_Sink(Print_Log_Sink sink);
