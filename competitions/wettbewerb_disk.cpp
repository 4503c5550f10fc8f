// The competitions' block in the savegame container (position 6): one block holding the byte
// image of wettbewerb_block.cpp. Its size is fixed, so a savegame of another layout fails the
// container's length check instead of being misread.
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "platform/disk.h"
#include "platform/print.h"

bool Wettbewerb_Write_Bin_Block(Disk_Datei* datei)
{
    // The image sets every byte of the block: it is put together straight in its place.
    return Disk_Schreibe_Block_Gefuellt(datei, static_cast<uint32_t>(Wettbewerb_Block_Groesse()),
                                       [](uint8_t* ziel) { Wettbewerb_Block_Packen(ziel); });
}

bool Wettbewerb_Read_Bin_Block(Disk_Datei* datei, const char*)
{
    std::vector<uint8_t> bild(Wettbewerb_Block_Groesse());
    if (!Disk_Lese_Block(datei, bild.data(), static_cast<uint32_t>(bild.size()))) {
        Print_Fehler("Wettbewerbe im Spielstand: Block nicht lesbar");
        return false;
    }
    return Wettbewerb_Block_Entpacken(bild.data(), bild.size(), Team_Anzahl);
}

bool Wettbewerb_Disk_Registrieren()
{
    return Disk_Block_Registrieren(DISK_POS_WETTBEWERBE, Wettbewerb_Write_Bin_Block, Wettbewerb_Read_Bin_Block);
}
