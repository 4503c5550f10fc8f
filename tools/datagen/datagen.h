// The data builder: every step that writes a part of the program's data registers itself here.
#pragma once
#include <string>
#include <vector>

// A step gets its arguments (after the step name) and the target folder; it returns 0 on success.
using Datagen_Schritt = int (*)(const std::string& ziel, const std::vector<std::string>& args);

// Registers a step by name. Steps with `alles` set run, in name order, for "alles".
bool Datagen_Registrieren(const char* name, Datagen_Schritt schritt, bool alles);

#define DATAGEN_SCHRITT(name, fn, alles) \
    static const bool datagen_registriert_##fn = Datagen_Registrieren(name, fn, alles)
