// Data builder step "resfiles": the resource files of the program folder.
#include "tools/datagen/datagen.h"
#include "tools/datagen/resf_dateien.h"

static int resfiles(const std::string& ziel, const std::vector<std::string>&) { return Resf_Dateien_Erzeugen(ziel); }

DATAGEN_SCHRITT("resfiles", resfiles, true);
