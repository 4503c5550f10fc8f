// Data builder step "resfiles": the resource files of the program folder. The club crests show
// the clubs of the same world the "welt" step writes (same --world and --seed).
#include <cstdio>

#include "tools/datagen/datagen.h"
#include "tools/datagen/menue_bilder.h"
#include "tools/datagen/resf_dateien.h"
#include "tools/datagen/wappen_bilder.h"
#include "tools/datagen/welt.h"

static int resfiles(const std::string& ziel, const std::vector<std::string>& args)
{
    Welt_Groesse g;
    uint32_t seed;
    if (!Welt_Argumente(args, g, seed)) return 2;
    static Wappen_Vorlagen vorlagen;
    const Welt welt = Welt_Bauen(g, seed);
    Wappen_Vorlagen_Aus_Welt(welt, vorlagen);
    Menue_Wettbewerbsende_Setzen(Welt_Wettbewerbsende_Bilder(welt));
    std::string fehler = Vereins_Wappen_Pruefen(Vereins_Wappen_Alle(vorlagen), vorlagen);
    if (!fehler.empty()) {
        std::fprintf(stderr, "resfiles: %s\n", fehler.c_str());
        return 1;
    }
    Vereins_Wappen_Vorlagen_Setzen(&vorlagen);
    return Resf_Dateien_Erzeugen(ziel);
}

DATAGEN_SCHRITT("resfiles", resfiles, true);
