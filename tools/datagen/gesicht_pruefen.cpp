// The builder's check of the face parts: every head with every hairstyle.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/datagen/datagen.h"
#include "tools/datagen/gesicht_bilder.h"

static int gesichter_pruefen(const std::string&, const std::vector<std::string>&)
{
    std::string fehler;
    if (Gesicht_Bilder_Pruefen(&fehler)) return 0;
    std::fprintf(stderr, "gesichter: %s\n", fehler.c_str());
    return 1;
}

DATAGEN_SCHRITT("gesichter-pruefen", gesichter_pruefen, true);
