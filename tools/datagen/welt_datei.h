// One configuration file of the generated world, collected entry by entry and written at once.
#pragma once
#include <string>
#include <vector>

class Welt_Datei {
public:
    void kopf(const std::string& kommentar);
    // A keyword alone or with a value that needs no quotes (numbers, comma lists, single words).
    void eintrag(const std::string& wort, const std::string& wert = "");
    // A keyword with a text value (names with blanks are quoted).
    void text(const std::string& wort, const std::string& wert);
    void leer();
    bool schreiben(const std::string& pfad) const;

private:
    struct Zeile {
        int art;  // 0 comment, 1 entry, 2 text entry, 3 blank
        std::string wort, wert;
    };
    std::vector<Zeile> zeilen_;
};
