// Checked writing of configuration files, shared by every writer of them: the characters a
// text value may hold, the reader's own checksum of a text, and the replacement of a file that
// never leaves it broken.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The first character the reader could not take back inside a quoted value (a quote mark, a
// bracket, a control character), 0 when there is none; looks at the first `max` characters.
int32_t Config_Text_Zeichen_Falsch(const char* text, size_t max);
// The reader's checksum of a text read entry by entry from its start.
uint32_t Config_Text_Summe(std::string_view text);
// "CHECKSUMME <sum>" over everything behind that line, the sum standing over `breite` blanks
// (0: just the number), and the line end given.
std::string Config_Summenzeile(std::string_view text, size_t breite, const char* zeilenende);
// The same line for a sum already known (the reader's Read_Config_Get_Summe over the text).
std::string Config_Summenzeile_Aus(uint32_t summe, size_t breite, const char* zeilenende);

// Writes `inhalt` to "<pfad>.tmp" beside the file, reads it back byte for byte, lets `pruefen`
// read the bytes on disk (false with a reason refuses them), and only then renames the
// temporary file over `pfad`. On any failure the old file stays as it was, the temporary file is
// removed and *grund says why.
using Config_Pruefung = std::function<bool(const std::string& gelesen, std::string* grund)>;
bool Config_Datei_Ersetzen(const std::string& pfad, const std::string& inhalt, const Config_Pruefung& pruefen,
                           std::string* grund);
// Test hooks of the replacement: the bytes read back may be changed, the rename may fail.
using Config_Lese_Hook = void (*)(std::string* gelesen);
void Config_Datei_Set_Lese_Hook(Config_Lese_Hook hook);
void Config_Datei_Set_Umbenennen_Fehler(bool fehler);
