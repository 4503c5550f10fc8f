#include "tools/datagen/welt_datei.h"

#include <cstdio>

bool Welt_Datei::schreiben(const std::string& pfad)
{
    if (Config_Writer_Speichern(w_, pfad)) return true;
    std::fprintf(stderr, "welt: %s nicht geschrieben: %s\n", pfad.c_str(), w_.fehler.c_str());
    return false;
}
