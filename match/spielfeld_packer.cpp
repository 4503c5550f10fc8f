// Run-length packer of the live records and the league tables sent to clients.
//
// Packed stream:
//   3 bytes   unpacked length, little-endian (at most 0xFFFFFF)
//   runs until that many bytes are out, each starting with a control byte c:
//     c <  128  c + 1 literal bytes follow (1..128)
//     c >= 128  one byte follows, repeated c - 128 + 3 times (3..130)
//   nothing behind the last run.
// Worst case (no repeats) one control byte per 128 literals: never longer than
// length + length / 128 + 4 (Spielfeld_Packen_Grenze). A stream whose runs overshoot the length,
// end early or go on behind it is refused.
#include "match/spielfeld.h"

namespace {

constexpr uint32_t KOPF = 3;
constexpr uint32_t MAX_LAENGE = 0xFFFFFF;
constexpr uint32_t MAX_LITERAL = 128;
constexpr uint32_t MIN_WIEDERHOLUNG = 3;
constexpr uint32_t MAX_WIEDERHOLUNG = 130;

}  // namespace

int32_t Spielfeld_Speicher_Packen(const void* quelle, void* ziel, uint32_t laenge, uint32_t kapazitaet)
{
    if ((!quelle && laenge) || !ziel || laenge > MAX_LAENGE || kapazitaet < KOPF) return -1;
    const uint8_t* q = static_cast<const uint8_t*>(quelle);
    uint8_t* z = static_cast<uint8_t*>(ziel);
    z[0] = uint8_t(laenge);
    z[1] = uint8_t(laenge >> 8);
    z[2] = uint8_t(laenge >> 16);
    uint32_t aus = KOPF;
    uint32_t i = 0;
    uint32_t literal_start = 0;  // first byte of the literals not yet written
    auto literale_schreiben = [&](uint32_t bis) {
        while (literal_start < bis) {
            const uint32_t n = bis - literal_start < MAX_LITERAL ? bis - literal_start : MAX_LITERAL;
            if (kapazitaet - aus < n + 1) return false;
            z[aus++] = uint8_t(n - 1);
            for (uint32_t k = 0; k < n; ++k) z[aus++] = q[literal_start + k];
            literal_start += n;
        }
        return true;
    };
    while (i < laenge) {
        uint32_t lauf = 1;
        while (i + lauf < laenge && lauf < MAX_WIEDERHOLUNG && q[i + lauf] == q[i]) ++lauf;
        if (lauf < MIN_WIEDERHOLUNG) {
            i += lauf;
            continue;
        }
        if (!literale_schreiben(i) || kapazitaet - aus < 2) return -1;
        z[aus++] = uint8_t(128 + lauf - MIN_WIEDERHOLUNG);
        z[aus++] = q[i];
        i += lauf;
        literal_start = i;
    }
    if (!literale_schreiben(laenge)) return -1;
    return int32_t(aus);
}

int32_t Spielfeld_Speicher_Entpacken(void* ziel, uint32_t kapazitaet, const void* quelle, uint32_t quell_laenge)
{
    if (!quelle || quell_laenge < KOPF) return -1;
    const uint8_t* q = static_cast<const uint8_t*>(quelle);
    const uint32_t laenge = uint32_t(q[0]) | (uint32_t(q[1]) << 8) | (uint32_t(q[2]) << 16);
    if (laenge > kapazitaet || (!ziel && laenge)) return -1;
    uint8_t* z = static_cast<uint8_t*>(ziel);
    uint32_t ein = KOPF;
    uint32_t aus = 0;
    while (aus < laenge) {
        if (ein >= quell_laenge) return -1;
        const uint8_t c = q[ein++];
        if (c < 128) {
            const uint32_t n = uint32_t(c) + 1;
            if (quell_laenge - ein < n || laenge - aus < n) return -1;
            for (uint32_t k = 0; k < n; ++k) z[aus++] = q[ein++];
        } else {
            const uint32_t n = uint32_t(c) - 128 + MIN_WIEDERHOLUNG;
            if (ein >= quell_laenge || laenge - aus < n) return -1;
            const uint8_t b = q[ein++];
            for (uint32_t k = 0; k < n; ++k) z[aus++] = b;
        }
    }
    return ein == quell_laenge ? int32_t(laenge) : -1;
}
