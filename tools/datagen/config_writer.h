// Writer of numbered configuration files in exactly the form the program's reader takes:
// Windows-1252 text, one entry per line, quoted texts, [sections], ; comments, JA/NEIN,
// #alias values, INFOTEXT, and a first line "CHECKSUMME <sum>" computed by the reader itself.
//
// Every entry is checked against what the reader can read back (no line breaks, quote marks or
// brackets in texts, no separators in keywords or alias names, no empty text, tokens below 2999
// characters); the first violation is kept in `fehler` and the file is not written.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct Config_Writer {
    std::string text;  // everything after the CHECKSUMME line
    bool mit_summe = true;
    std::string fehler;
};

void Config_Writer_Kommentar(Config_Writer& w, std::string_view text);
// A skipped section on a line of its own; the reader never sees its text.
void Config_Writer_Abschnitt(Config_Writer& w, std::string_view text);
void Config_Writer_Leerzeile(Config_Writer& w);
// A keyword alone on its line (reads as 1).
void Config_Writer_Schluessel(Config_Writer& w, std::string_view schluessel);
void Config_Writer_Zahl(Config_Writer& w, std::string_view schluessel, int32_t wert);
void Config_Writer_Ja_Nein(Config_Writer& w, std::string_view schluessel, bool ja);
// A quoted text value (Windows-1252).
void Config_Writer_Text(Config_Writer& w, std::string_view schluessel, std::string_view text);
// "#name": the number of the alias from the alias file.
void Config_Writer_Alias(Config_Writer& w, std::string_view schluessel, std::string_view name);
// A comma list without blanks, as the reader's number lists take it.
void Config_Writer_Zahlen(Config_Writer& w, std::string_view schluessel,
                          const std::vector<int32_t>& zahlen);
void Config_Writer_Infotext(Config_Writer& w, std::string_view text);

// The reader's checksum of a text read entry by entry from its start.
uint32_t Config_Writer_Summe(std::string_view text);
// The whole file: the CHECKSUMME line (when wanted) and the text.
std::string Config_Writer_Inhalt(const Config_Writer& w);
// Writes the file; false (with the reason in w.fehler) on an invalid entry or a write error.
bool Config_Writer_Speichern(Config_Writer& w, const std::string& pfad);

// "<folder>/<set + 1>_<base name>" of mode 0-4, and the alias file of an alias set.
std::string Config_Writer_Dateiname(const std::string& ordner, int32_t modus, int32_t satz);
std::string Config_Writer_Alias_Dateiname(const std::string& ordner, int32_t alias_satz);
// Writes the alias file "<alias set + 1>_wettbewerb_alias.cfg": one "NAME number" per alias.
bool Config_Writer_Alias_Datei(const std::string& ordner, int32_t alias_satz,
                               const std::vector<std::pair<std::string, int32_t>>& aliase,
                               std::string* fehler);
