// The list's savegame blocks, kept apart from the list itself so that the list links without the
// savegame writer.
#include "platform/disk.h"
#include "platform/bytes.h"
#include "platform/liste.h"
#include "platform/mem.h"

// Guards the allocation against a damaged size word; no list element of the game comes close.
static constexpr uint32_t LISTE_MAX_NUTZ = 16u * 1024 * 1024;

bool Liste_Write_File(Disk_Datei* datei, Liste* liste)
{
    if (!datei) return false;
    // The same saved form as in a buffer, handed to the writer as marker, header and payload.
    uint8_t* form = nullptr;
    uint32_t n = Liste_Save_Buffer(&form, liste, -1);
    if (!form) return false;
    bool ok = true;
    uint32_t pos = 0;
    while (ok && pos + 4 <= n) {
        if (Bytes_Hole32(form + pos) == LISTE_MARKE_ENDE) {
            ok = Disk_Schreibe_Block(datei, form + pos, 4);
            break;
        }
        uint32_t nutz = Bytes_Hole32(form + pos + 20) - LISTE_KOPF_BYTES;
        ok = Disk_Schreibe_Block(datei, form + pos, 4) &&
             Disk_Schreibe_Block(datei, form + pos + 4, LISTE_KOPF_BYTES) &&
             (nutz == 0 || Disk_Schreibe_Block(datei, form + pos + 4 + LISTE_KOPF_BYTES, nutz));
        pos += 4 + LISTE_KOPF_BYTES + nutz;
    }
    Mem_Free(form, 0);
    return ok;
}

// Reads elements into `neu` up to the end marker; false at the first damaged item.
static bool elemente_lesen(Disk_Datei* datei, Liste* neu)
{
    Liste_Element* letztes = nullptr;
    for (;;) {
        uint8_t wort[4];
        if (!Disk_Lese_Block(datei, wort, 4)) return false;
        if (Bytes_Hole32(wort) == LISTE_MARKE_ENDE) return true;
        if (Bytes_Hole32(wort) != LISTE_MARKE_ELEMENT) return false;
        uint8_t kopf[LISTE_KOPF_BYTES];
        if (!Disk_Lese_Block(datei, kopf, LISTE_KOPF_BYTES)) return false;
        uint32_t data = Bytes_Hole32(kopf + 8), key = Bytes_Hole32(kopf + 12), size = Bytes_Hole32(kopf + 16);
        if (size < LISTE_KOPF_BYTES || size - LISTE_KOPF_BYTES > LISTE_MAX_NUTZ) return false;
        uint32_t nutz = data ? size - LISTE_KOPF_BYTES : 0;
        // The payload must be there before its element is allocated.
        uint32_t gespeichert = 0;
        if (nutz && (!Disk_Naechste_Blocklaenge(datei, &gespeichert) || gespeichert != nutz)) return false;
        Liste_Element* e = Liste_Insert_Element(neu, letztes, nullptr, nutz, key);
        if (!e) return false;
        letztes = e;
        if (nutz && !Disk_Lese_Block(datei, e->data, nutz)) return false;
    }
}

bool Liste_Read_File(Disk_Datei* datei, Liste* liste)
{
    if (!liste || !datei) return false;
    Liste neu{};
    Liste_Init(&neu);
    const bool ok = elemente_lesen(datei, &neu);
    if (ok && !Liste_Tauschen(liste, &neu)) {
        Liste_Init(liste);
        Liste_Tauschen(liste, &neu);
    }
    Liste_Delete_All(&neu);
    if (ok) Liste_Set_Cursor(liste);
    return ok;
}
