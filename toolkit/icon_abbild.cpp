// The 92-byte image of an icon record (layout in toolkit/icon.h).
#include <cstring>

#include "platform/disk.h"
#include "toolkit/icon.h"

namespace {

struct Wort {
    uint32_t versatz;
    uint16_t bit;
};
constexpr Wort ZEIGER[] = {
    {16, ABBILD_GESICHTER}, {28, ABBILD_DATEN},  {32, ABBILD_MOVE},    {40, ABBILD_HILFETEXT},
    {48, ABBILD_KLICK},     {52, ABBILD_REFRESH}, {60, ABBILD_BITMAP}, {72, ABBILD_KONTEXT},
    {76, ABBILD_MAUSOVER},
};

uint16_t zeiger_bits(const Menue_Icon& i)
{
    uint16_t z = 0;
    if (i.gesichter) z |= ABBILD_GESICHTER;
    if (i.daten) z |= ABBILD_DATEN;
    if (i.move) z |= ABBILD_MOVE;
    if (i.hilfetext) z |= ABBILD_HILFETEXT;
    if (i.klick) z |= ABBILD_KLICK;
    if (i.refresh_prozedur) z |= ABBILD_REFRESH;
    if (i.bitmap) z |= ABBILD_BITMAP;
    if (i.kontext) z |= ABBILD_KONTEXT;
    if (i.mausover) z |= ABBILD_MAUSOVER;
    return z;
}

void schreiben(const Menue_Icon& i, uint16_t zeiger, uint8_t* b)
{
    std::memset(b, 0, MENUE_ICON_BYTES);
    Disk_LE16_Setzen(b + 0, uint16_t(i.nummer));
    Disk_LE32_Setzen(b + 4, uint32_t(i.bitmap_quelle));
    Disk_LE32_Setzen(b + 8, i.flags);
    Disk_LE16_Setzen(b + 12, uint16_t(i.x));
    Disk_LE16_Setzen(b + 14, uint16_t(i.y));
    for (int k = 0; k < 4; ++k) Disk_LE16_Setzen(b + 20 + 2 * k, uint16_t(i.bereich[k]));
    b[36] = uint8_t(i.drop_typ);
    b[37] = i.refresh;
    Disk_LE16_Setzen(b + 38, i.status);
    Disk_LE16_Setzen(b + 44, uint16_t(i.hilfesound));
    b[56] = uint8_t(i.prioritaet);
    b[64] = i.scrollscreen;
    b[65] = i.farbe;
    Disk_LE16_Setzen(b + 66, i.breite);
    Disk_LE16_Setzen(b + 68, i.hoehe);
    Disk_LE32_Setzen(b + 80, uint32_t(i.glow_gruppe));
    Disk_LE16_Setzen(b + 84, uint16_t(i.verknuepft));
    Disk_LE16_Setzen(b + 86, uint16_t(i.kennung_1));
    Disk_LE16_Setzen(b + 88, uint16_t(i.kennung_2));
    for (const Wort& w : ZEIGER)
        if (zeiger & w.bit) Disk_LE32_Setzen(b + w.versatz, 1);
}

}  // namespace

void Menue_Icon_Abbild_Schreiben(const Menue_Icon& icon, uint8_t* bytes)
{
    if (bytes) schreiben(icon, zeiger_bits(icon), bytes);
}

void Menue_Icon_Abbild_Schreiben(const Menue_Icon_Abbild& abbild, uint8_t* bytes)
{
    if (bytes) schreiben(abbild.icon, abbild.zeiger, bytes);
}

bool Menue_Icon_Abbild_Lesen(const uint8_t* b, uint32_t laenge, Menue_Icon_Abbild* abbild)
{
    if (!b || !abbild || laenge < MENUE_ICON_BYTES) return false;
    Menue_Icon& i = abbild->icon;
    i = Menue_Icon{};
    i.nummer = int16_t(Disk_LE16_Lesen(b + 0));
    i.bitmap_quelle = int32_t(Disk_LE32_Lesen(b + 4));
    i.flags = Disk_LE32_Lesen(b + 8);
    i.x = int16_t(Disk_LE16_Lesen(b + 12));
    i.y = int16_t(Disk_LE16_Lesen(b + 14));
    for (int k = 0; k < 4; ++k) i.bereich[k] = int16_t(Disk_LE16_Lesen(b + 20 + 2 * k));
    i.drop_typ = int8_t(b[36]);
    i.refresh = b[37];
    i.status = Disk_LE16_Lesen(b + 38);
    i.hilfesound = int16_t(Disk_LE16_Lesen(b + 44));
    i.prioritaet = int8_t(b[56]);
    i.scrollscreen = b[64];
    i.farbe = b[65];
    i.breite = Disk_LE16_Lesen(b + 66);
    i.hoehe = Disk_LE16_Lesen(b + 68);
    i.glow_gruppe = int32_t(Disk_LE32_Lesen(b + 80));
    i.verknuepft = int16_t(Disk_LE16_Lesen(b + 84));
    i.kennung_1 = int16_t(Disk_LE16_Lesen(b + 86));
    i.kennung_2 = int16_t(Disk_LE16_Lesen(b + 88));
    abbild->zeiger = 0;
    // Only whether a word was set counts; its value is never an address here.
    for (const Wort& w : ZEIGER)
        if (Disk_LE32_Lesen(b + w.versatz) != 0) abbild->zeiger |= w.bit;
    return true;
}
