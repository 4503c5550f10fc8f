// The effect slots' savegame block, kept apart so that only a program that saves games links
// the savegame writer.
#include "platform/disk.h"
#include "platform/soundeffekt.h"

void Soundeffekt_Write_Savegame(Disk_Datei* datei)
{
    if (!datei) return;
    uint8_t block[SOUNDEFFEKT_BLOCK_GROESSE];
    Soundeffekt_Block_Schreiben(block);
    Disk_Schreibe_Block(datei, block, SOUNDEFFEKT_BLOCK_GROESSE);
}

void Soundeffekt_Read_Savegame(Disk_Datei* datei)
{
    if (!datei) return;
    // Every volume is clamped on the way in, so a whole block is all there is to check; a short
    // one leaves the slots alone and the savegame reader flags the error.
    uint8_t block[SOUNDEFFEKT_BLOCK_GROESSE];
    if (Disk_Lese_Block(datei, block, SOUNDEFFEKT_BLOCK_GROESSE))
        Soundeffekt_Block_Lesen(block, SOUNDEFFEKT_BLOCK_GROESSE);
}
