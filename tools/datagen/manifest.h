// The asset manifest: every resource file the program opens and every entry in it, with its
// type, size and purpose. Later features add their entries here; the builder writes exactly
// what is listed, and a test checks the built files against it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// End-of-competition pictures 3695 + GRAFIK_NUMMER: room for this many competitions of a world.
constexpr int32_t MANIFEST_WETTBEWERBSENDE = 64;
// Competition badges 1382 + n for the world's competitions 0-138 (fonts follow from 1521).
constexpr int32_t MANIFEST_WETTBEWERBE = 139;

struct Manifest_Datei {
    const char* name;
    const char* ordner;  // below the program folder; "" = the program folder itself
    bool verschoben;     // resource number R sits at index R - 24
};

struct Manifest_Eintrag {
    const char* datei;
    int32_t nummer;      // resource number as the code passes it to Load_Resource
    int16_t typ;
    uint16_t width;      // pictures: size in pixels; data blocks: width = byte count low word
    uint16_t height;
    uint32_t groesse;    // data blocks (type 16): byte count
    uint8_t depth;       // pictures: 8 or 16
    bool maske;
    const char* zweck;
};

const std::vector<Manifest_Datei>& Manifest_Dateien();
// Ranges of equal entries are listed one by one.
const std::vector<Manifest_Eintrag>& Manifest_Eintraege();
// Index position of an entry in its file, -1 when the file is unknown.
int32_t Manifest_Index(const Manifest_Eintrag& e);
// False when two entries of one file share an index position (the later would overwrite the
// earlier) or an entry names an unknown file; `fehler` then says which.
bool Manifest_Pruefen(const std::vector<Manifest_Eintrag>& eintraege, std::string* fehler);
// What the picture of a slave rastport shows, and whether it has see-through parts.
const char* Manifest_Slave_Zweck(int32_t slave, bool* maske);
