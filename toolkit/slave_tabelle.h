// Inside the toolkit: the authored slave descriptors in their three tables.
#pragma once
#include <array>

#include "toolkit/slave.h"

extern const std::array<Slave_Rastport, 208> Slave_Vorgabe_1;  // slaves 0..207
extern const std::array<Slave_Rastport, 185> Slave_Vorgabe_2;  // 208..392
extern const std::array<Slave_Rastport, 57> Slave_Vorgabe_3;   // 393..449
