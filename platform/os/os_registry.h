// The registry of this system: one text file (DORVIN_REGISTRY, else
// $XDG_CONFIG_HOME/dorvin/registry, else ~/.config/dorvin/registry) with keys and string values.
#pragma once
#include <string>

// The file in use.
std::string Os_Registry_Path();

// True when the key (a path with backslashes; case is ignored) or a key below it exists.
bool Os_Registry_Key_Exists(const char* key);

enum class Os_Registry_Result { ok, no_key, no_value };
// Reads a string value; an empty name is the key's default value.
Os_Registry_Result Os_Registry_Get(const char* key, const char* name, std::string* value);
// Stores a string value, creating the key and the file; false when the file cannot be written.
bool Os_Registry_Set(const char* key, const char* name, const char* value);
