// The action replay. The frame step stores a snapshot of each shown record every fourth step in
// the pitch module's display buffer; while the replay runs the view draws a copy of the record
// filled from one snapshot a frame.
//
// Display buffer: 100 snapshots of 856 bytes, u16 write index at 85602, u16 read index at 85604,
// u8 replay-running flag at 85608. Snapshot, little-endian:
//   51 x 16 bytes per object: f32 x, y, z; u8 animation, u8 frame, u8 direction, u8 bit 0 present
//   816 u32 game number, 820 u32 frame time, 824 u8 home goals, 825 u8 away goals,
//   826 u16 minute, 828 u16 seconds, 832 i32 view x, 836 i32 view y, 840 u8 1 = slot used.
#include <algorithm>
#include <cstring>
#include <memory>

#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/spielszenen.h"
#include "platform/bytes.h"

namespace {

constexpr uint32_t SCHNAPPSCHUESSE = 100, SCHREIB = 85602, LESE = 85604, FLAG = 85608;
std::unique_ptr<Spielfeld_Record> kopie;

uint8_t* schnappschuss(uint8_t* p, uint32_t i) { return p + size_t(i % SCHNAPPSCHUESSE) * SPIELSZENEN_REPLAY_BILD; }

void f32_setzen(uint8_t* p, float v)
{
    uint32_t u;
    std::memcpy(&u, &v, 4);
    Bytes_Setze32(p, u);
}

float f32_holen(const uint8_t* p)
{
    const uint32_t u = Bytes_Hole32(p);
    float v;
    std::memcpy(&v, &u, 4);
    return v;
}

bool von(const uint8_t* s, const Spielfeld_Record* r) { return s[840] == 1 && Bytes_Hole32(s + 816) == r->spiel; }

}  // namespace

void Spielszenen_Replay_Packen(const Spielfeld_Record* r, uint8_t* b)
{
    if (!r || !b) return;
    std::memset(b, 0, SPIELSZENEN_REPLAY_BILD);
    for (int32_t i = 0; i < SPIELFELD_OBJEKTE; ++i) {
        const Spielfeld_Objekt& o = r->objekt[i];
        const Spielfeld_Auftrag& a = o.auftrag[std::clamp(int32_t(o.ring), 0, 3)];
        uint8_t* p = b + 16 * i;
        f32_setzen(p, o.x);
        f32_setzen(p + 4, o.y);
        f32_setzen(p + 8, o.z);
        p[12] = uint8_t(std::clamp(a.animation, 0, 255));
        p[13] = a.wert_40;
        p[14] = a.blickrichtung;
        p[15] = o.aktiv ? 1 : 0;
    }
    Bytes_Setze32(b + 816, r->spiel);
    Bytes_Setze32(b + 820, r->frame_zeit);
    b[824] = r->tore[0];
    b[825] = r->tore[1];
    Bytes_Setze16(b + 826, r->minute);
    Bytes_Setze16(b + 828, r->sekunden);
    Bytes_Setze32(b + 832, uint32_t(r->ansicht_x));
    Bytes_Setze32(b + 836, uint32_t(r->ansicht_y));
    b[840] = 1;
}

void Spielszenen_Replay_Entpacken(const uint8_t* b, Spielfeld_Record* r)
{
    if (!r || !b) return;
    for (int32_t i = 0; i < SPIELFELD_OBJEKTE; ++i) {
        Spielfeld_Objekt& o = r->objekt[i];
        const uint8_t* p = b + 16 * i;
        o.x = f32_holen(p);
        o.y = f32_holen(p + 4);
        o.z = f32_holen(p + 8);
        o.ring = 0;
        o.auftrag[0].animation = p[12];
        o.auftrag[0].wert_40 = p[13];
        o.auftrag[0].blickrichtung = p[14];
        o.auftrag[0].richtung = -1;
        o.aktiv = p[15] & 1;
    }
    r->frame_zeit = Bytes_Hole32(b + 820);
    r->tore[0] = b[824];
    r->tore[1] = b[825];
    r->minute = Bytes_Hole16(b + 826);
    r->sekunden = Bytes_Hole16(b + 828);
    r->ansicht_x = int32_t(Bytes_Hole32(b + 832));
    r->ansicht_y = int32_t(Bytes_Hole32(b + 836));
}

void Spielfeld_Replay_Schnappschuss(Spielfeld_Record* r)
{
    uint8_t* p = Spielfeld_Replay_Puffer();
    if (!r || !p || p[FLAG]) return;
    const uint32_t w = Bytes_Hole16(p + SCHREIB) % SCHNAPPSCHUESSE;
    Spielszenen_Replay_Packen(r, schnappschuss(p, w));
    Bytes_Setze16(p + SCHREIB, uint16_t((w + 1) % SCHNAPPSCHUESSE));
}

void Spielfeld_Replay_Starten(Spielfeld_Record* r)
{
    uint8_t* p = Spielfeld_Replay_Puffer();
    if (!r || !p) return;
    // from the oldest snapshot on: the write index points at the one to be overwritten next
    const uint32_t w = Bytes_Hole16(p + SCHREIB) % SCHNAPPSCHUESSE;
    for (uint32_t k = 0; k < SCHNAPPSCHUESSE; ++k) {
        const uint32_t i = (w + k) % SCHNAPPSCHUESSE;
        if (!von(schnappschuss(p, i), r)) continue;
        Bytes_Setze16(p + LESE, uint16_t(i));
        p[FLAG] = 1;
        if (!kopie) kopie = std::make_unique<Spielfeld_Record>();
        *kopie = *r;
        return;
    }
}

void Spielfeld_Replay_Stoppen(Spielfeld_Record*)
{
    if (uint8_t* p = Spielfeld_Replay_Puffer()) p[FLAG] = 0;
}

Spielfeld_Record* Spielszenen_Replay_Record(Spielfeld_Record* r)
{
    uint8_t* p = Spielfeld_Replay_Puffer();
    if (!r || !p || !p[FLAG] || !kopie || kopie->spiel != r->spiel) return r;
    const uint32_t i = Bytes_Hole16(p + LESE) % SCHNAPPSCHUESSE;
    Spielszenen_Replay_Entpacken(schnappschuss(p, i), kopie.get());
    return kopie.get();
}

void Spielszenen_Replay_Weiter()
{
    uint8_t* p = Spielfeld_Replay_Puffer();
    if (!p || !p[FLAG] || !kopie) return;
    const uint32_t w = Bytes_Hole16(p + SCHREIB) % SCHNAPPSCHUESSE;
    uint32_t i = Bytes_Hole16(p + LESE) % SCHNAPPSCHUESSE;
    // the next snapshot of the same game; the replay ends at the write index
    for (;;) {
        i = (i + 1) % SCHNAPPSCHUESSE;
        if (i == w) {
            p[FLAG] = 0;
            return;
        }
        if (von(schnappschuss(p, i), kopie.get())) break;
    }
    Bytes_Setze16(p + LESE, uint16_t(i));
}
