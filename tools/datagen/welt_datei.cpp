#include "tools/datagen/welt_datei.h"

#include <cstdio>

void Welt_Datei::kopf(const std::string& kommentar) { zeilen_.push_back({0, "", kommentar}); }
void Welt_Datei::eintrag(const std::string& wort, const std::string& wert) { zeilen_.push_back({1, wort, wert}); }
void Welt_Datei::text(const std::string& wort, const std::string& wert) { zeilen_.push_back({2, wort, wert}); }
void Welt_Datei::leer() { zeilen_.push_back({3, "", ""}); }

bool Welt_Datei::schreiben(const std::string& pfad) const
{
    std::string out;
    for (const auto& z : zeilen_) {
        switch (z.art) {
        case 0: out += "; " + z.wert + "\r\n"; break;
        case 1: out += z.wort + (z.wert.empty() ? "" : "\t" + z.wert) + "\r\n"; break;
        case 2: out += z.wort + "\t\"" + z.wert + "\"\r\n"; break;
        default: out += "\r\n"; break;
        }
    }
    FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "welt: %s nicht schreibbar\n", pfad.c_str());
        return false;
    }
    bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}
