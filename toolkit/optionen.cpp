#include "toolkit/optionen.h"

#include "platform/print.h"

// The start values (see OPTIONEN below).
uint8_t Globale_Optionen_Bytes[GLOBALE_OPTIONEN_BYTES] = {0, 0, 0, 0, 1, 0, 1, 1, 1, 0, 0, 1, 1, 2, 0, 0};

namespace {

// Byte of each mode and its start value; the largest value the option can take.
struct Option {
    uint8_t byte;
    int8_t start;
    int8_t groesster;
};
constexpr Option OPTIONEN[10] = {
    {13, 2, 3}, {4, 1, 1}, {5, 0, 2}, {6, 1, 1}, {7, 1, 1},
    {8, 1, 1},  {9, 0, 1}, {10, 0, 1}, {11, 1, 1}, {12, 1, 1},
};

bool modus_gut(int32_t modus)
{
    if (modus >= 0 && modus < 10) return true;
    Print_Fehler("Globale_Optionen:unbek. Modus");
    return false;
}

}  // namespace

int32_t Globale_Optionen(int32_t modus)
{
    if (!modus_gut(modus)) return 0;
    return int8_t(Globale_Optionen_Bytes[OPTIONEN[modus].byte]);
}

void Globale_Optionen_Setzen(int32_t modus, int32_t wert)
{
    if (modus_gut(modus)) Globale_Optionen_Bytes[OPTIONEN[modus].byte] = uint8_t(int8_t(wert));
}

void Globale_Optionen_Vorbelegen()
{
    for (uint8_t& b : Globale_Optionen_Bytes) b = 0;
    for (const Option& o : OPTIONEN) Globale_Optionen_Bytes[o.byte] = uint8_t(o.start);
}

void Globale_Optionen_Uebernehmen(const uint8_t* bytes)
{
    if (!bytes) return;
    Globale_Optionen_Vorbelegen();
    for (const Option& o : OPTIONEN) {
        const int8_t v = int8_t(bytes[o.byte]);
        if (v >= 0 && v <= o.groesster) Globale_Optionen_Bytes[o.byte] = uint8_t(v);
        else Print_Fehler("Globale_Optionen: Byte %d=%d ungültig, Startwert genommen", o.byte, v);
    }
}
