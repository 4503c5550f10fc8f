// Builds the program's resource files from the manifest.
#pragma once
#include <string>

#include "tools/datagen/manifest.h"
#include "tools/datagen/resf_writer.h"

// Writes resfile/resf_scr.res, data.bin and resfile/werbung.res below ziel; 0 on success.
int Resf_Dateien_Erzeugen(const std::string& ziel);
// The data of one manifest entry as the builder writes it (placeholder pictures and sounds).
Resf_Bytes Resf_Manifest_Daten(const Manifest_Eintrag& e);
