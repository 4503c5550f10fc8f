// The generator's savegame block, kept apart so that the generator links without the savegame
// writer.
#include "platform/disk.h"
#include "platform/print.h"
#include "platform/zufall.h"

void Zufall_Write_Savegame(Disk_Datei* datei)
{
    uint8_t block[ZUFALL_BLOCK_BYTES];
    Zufall_Save_Buffer(block);
    Disk_Schreibe_Block(datei, block, ZUFALL_BLOCK_BYTES);
}

void Zufall_Read_Savegame(Disk_Datei* datei)
{
    // A short read leaves the generator as it was; the savegame reader flags the error.
    uint8_t block[ZUFALL_BLOCK_BYTES];
    if (!Disk_Lese_Block(datei, block, ZUFALL_BLOCK_BYTES)) return;
    // A state outside the modulus would make every later draw leave its range.
    if (!Zufall_Load_Buffer(block, sizeof block)) {
        Print_Fehler("Zufall_Read_Savegame: Startwert außerhalb von 0..%d!", ZUFALL_MODUL - 1);
        Disk_Block_Ablehnen(datei);
    }
}
