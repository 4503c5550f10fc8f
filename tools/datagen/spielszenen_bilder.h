// The live match view's pictures of the data builder (spielszenen_bilder.cpp).
#pragma once
#include <cstdint>
#include <string>

#include "tools/datagen/manifest.h"
#include "tools/datagen/resf_writer.h"

// The entry's data when it is one of the scene's; false for any other entry.
bool Spielszenen_Resf_Daten(const Manifest_Eintrag& e, Resf_Bytes& daten);
// Draws the full-size pitch of a background number and looks for line pixels at the projected
// corners of the pitch and of the penalty areas: "" when all are there, else which is missing.
std::string Spielszenen_Platz_Pruefen(int32_t id);
// The stands and benches around the pitch (tribuenen_bilder.cpp); false for other entries.
// Weak: programs that take the scene pictures without the builder's other files have none.
bool Tribuenen_Resf_Daten(const Manifest_Eintrag& e, Resf_Bytes& daten) __attribute__((weak));
