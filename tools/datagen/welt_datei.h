// One configuration file of the generated world, written through the builder's configuration
// writer (Windows-1252, CHECKSUMME first).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/datagen/config_writer.h"

class Welt_Datei {
public:
    void kopf(const std::string& kommentar) { Config_Writer_Kommentar(w_, kommentar); }
    void leer() { Config_Writer_Leerzeile(w_); }
    void schluessel(const std::string& wort) { Config_Writer_Schluessel(w_, wort); }
    void zahl(const std::string& wort, int32_t wert) { Config_Writer_Zahl(w_, wort, wert); }
    void zahlen(const std::string& wort, const std::vector<int32_t>& werte) { Config_Writer_Zahlen(w_, wort, werte); }
    void text(const std::string& wort, const std::string& wert) { Config_Writer_Text(w_, wort, wert); }
    // False with a message on standard error when an entry was invalid or the file not written.
    bool schreiben(const std::string& pfad);

private:
    Config_Writer w_;
};
