#pragma once
#include <cstdint>

struct Disk_Datei;
bool Disk_Schreibe_Block(Disk_Datei* datei, const void* buffer, uint32_t count);
bool Disk_Lese_Block(Disk_Datei* datei, void* buffer, uint32_t count);
