// The live view's advertising board pictures of werbung.res (47..110), drawn in code.
#pragma once
#include <cstdint>

#include "tools/datagen/manifest.h"
#include "tools/datagen/resf_writer.h"

constexpr uint16_t WERBUNG_BANDE_NAH_B = 112, WERBUNG_BANDE_NAH_H = 16, WERBUNG_BANDE_FERN_B = 80, WERBUNG_BANDE_FERN_H = 12;

// True when the entry is one of the boards; it is then drawn into `bild`.
bool Werbung_Banden_Erzeugen(const Manifest_Eintrag& e, Resf_Bitmap& bild);
