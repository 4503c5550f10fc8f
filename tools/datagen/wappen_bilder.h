// Crest pictures of the data builder.
#pragma once
#include <cstdint>

#include "tools/datagen/resf_writer.h"

constexpr int32_t MANAGER_WAPPEN_BASIS = 1079, MANAGER_WAPPEN_ZAHL = 12;
// Manager crest n (0-11), 48 x 48: a shield in two colours with an emblem, transparent outside,
// no visible pixel 0.
Resf_Bitmap Manager_Wappen_Bild(int32_t n);
