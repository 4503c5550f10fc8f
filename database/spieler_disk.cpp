// The player module's savegame block (position 9), one block per item: the training tables
// (384, 768, 384 and 768 bytes), i32 player count, u32 training direction, the fixed parts
// (36 each), the flag bytes, then the main parts (50 each) and the parts a client never needs
// (34 each), both left out by a client. A client fills those with the byte 88 when it reads.
// The reader takes nothing over before the whole block has been read and checked.
#include <cstring>
#include <vector>

#include "database/spieler.h"
#include "database/welt_intern.h"
#include "platform/bytes.h"
#include "platform/disk.h"
#include "platform/exit.h"
#include "platform/mem.h"

using namespace welt;

namespace {

constexpr int32_t SPIELER_MAX = 50000;  // the links keep player numbers up to this
constexpr uint32_t SYSTEME = 384;

std::vector<uint8_t> tabellen_bytes(int idx)
{
    const Spieler_Training_Tabellen& t = Spieler_Training;
    std::vector<uint8_t> b;
    if (idx == 0 || idx == 2) {
        const uint8_t* q = idx == 0 ? t.zu_stark : t.zu_schwach;
        b.assign(q, q + SYSTEME);
    } else {
        const uint16_t* q = idx == 1 ? t.zu_stark_grenze : t.zu_schwach_grenze;
        b.resize(SYSTEME * 2);
        for (uint32_t i = 0; i < SYSTEME; ++i) Bytes_Setze16(b.data() + 2 * i, q[i]);
    }
    return b;
}

bool block_lesen(Disk_Datei* d, std::vector<uint8_t>& b, uint32_t laenge)
{
    uint32_t gespeichert = 0;
    if (!Disk_Naechste_Blocklaenge(d, &gespeichert) || gespeichert != laenge) {
        Print_Fehler("Spieler_Read_Bin_Block: Block hat %u statt %u Bytes!", gespeichert, laenge);
        Disk_Block_Ablehnen(d);
        return false;
    }
    b.resize(laenge);
    return Disk_Lese_Block(d, b.data(), laenge);
}

}  // namespace

bool Spieler_Write_Bin_Block(Disk_Datei* d)
{
    if (!Spieler_Daten || Spieler_Anzahl < 0) {
        Print_Fehler("Spieler_Write_Bin_Block: keine Spieler!");
        return false;
    }
    bool ok = true;
    for (int i = 0; i < 4 && ok; ++i) {
        const std::vector<uint8_t> b = tabellen_bytes(i);
        ok = Disk_Schreibe_Block(d, b.data(), static_cast<uint32_t>(b.size()));
    }
    uint8_t w[4];
    Bytes_Setze32(w, static_cast<uint32_t>(Spieler_Anzahl));
    ok = ok && Disk_Schreibe_Block(d, w, 4);
    Bytes_Setze32(w, static_cast<uint32_t>(Spieler_Training.richtung));
    ok = ok && Disk_Schreibe_Block(d, w, 4);
    const uint32_t n = static_cast<uint32_t>(Spieler_Anzahl);
    // Every packer sets all bytes of its record: the records go straight into their block.
    const auto saetze = [d, n](const auto* daten, uint32_t groesse, auto packen) {
        return Disk_Schreibe_Block_Gefuellt(d, n * groesse, [&](uint8_t* ziel) {
            for (uint32_t i = 0; i < n; ++i) packen(daten[i], ziel + size_t(i) * groesse);
        });
    };
    ok = ok && saetze(Spieler_Fix_Daten, SPIELER_FIX_BYTES, Spieler_Fix_Packen);
    ok = ok && Disk_Schreibe_Block(d, Spieler_Client_Flags, n);
    if (!ok || ist_client()) return ok;
    return saetze(Spieler_Daten, SPIELER_STRUKTUR_BYTES, Spieler_Struktur_Packen) &&
           saetze(Spieler_Egal_Daten, SPIELER_EGAL_BYTES, Spieler_Egal_Packen);
}

bool Spieler_Read_Bin_Block(Disk_Datei* d, const char*)
{
    std::vector<uint8_t> tab[4];
    for (int i = 0; i < 4; ++i)
        if (!block_lesen(d, tab[i], i % 2 ? SYSTEME * 2 : SYSTEME)) return false;
    uint8_t w[4];
    if (!Disk_Lese_Block(d, w, 4)) return false;
    const int32_t anzahl = static_cast<int32_t>(Bytes_Hole32(w));
    if (!Disk_Lese_Block(d, w, 4)) return false;
    const int32_t richtung = static_cast<int32_t>(Bytes_Hole32(w));
    if (anzahl < 0 || anzahl > SPIELER_MAX) {
        Print_Fehler("Spieler_Read_Bin_Block: %d Spieler sind nicht möglich!", anzahl);
        Disk_Block_Ablehnen(d);
        return false;
    }
    const uint32_t n = static_cast<uint32_t>(anzahl);
    std::vector<uint8_t> fix, flags, haupt, egal;
    if (!block_lesen(d, fix, n * SPIELER_FIX_BYTES) || !block_lesen(d, flags, n)) return false;
    if (!ist_client() &&
        (!block_lesen(d, haupt, n * SPIELER_STRUKTUR_BYTES) || !block_lesen(d, egal, n * SPIELER_EGAL_BYTES)))
        return false;
    uint32_t rest = 0;
    if (Disk_Naechste_Blocklaenge(d, &rest)) {
        Print_Fehler("Spieler_Read_Bin_Block: unerwartete Daten am Ende!");
        Disk_Block_Ablehnen(d);
        return false;
    }

    Spieler_DeInit();
    const uint32_t m = n ? n : 1;
    Spieler_Daten = static_cast<Spieler_Struktur*>(Mem_Alloc(m * sizeof(Spieler_Struktur), 0));
    Spieler_Fix_Daten = static_cast<Spieler_Fix*>(Mem_Alloc(m * sizeof(Spieler_Fix), 0));
    Spieler_Egal_Daten = static_cast<Spieler_Client_Egal*>(Mem_Alloc(m * sizeof(Spieler_Client_Egal), 0));
    Spieler_Client_Flags = static_cast<uint8_t*>(Mem_Alloc(m, 0));
    if (!Spieler_Daten || !Spieler_Fix_Daten || !Spieler_Egal_Daten || !Spieler_Client_Flags) {
        Spieler_DeInit();
        Print_Fehler("Spieler_Read_Bin_Block: kein Speicher!");
        Disk_Block_Ablehnen(d);
        return false;
    }
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_SPIELER, Spieler_DeInit);
    Spieler_Anzahl = anzahl;
    Spieler_Training_Tabellen& t = Spieler_Training;
    std::memcpy(t.zu_stark, tab[0].data(), SYSTEME);
    std::memcpy(t.zu_schwach, tab[2].data(), SYSTEME);
    for (uint32_t i = 0; i < SYSTEME; ++i) {
        t.zu_stark_grenze[i] = Bytes_Hole16(tab[1].data() + 2 * i);
        t.zu_schwach_grenze[i] = Bytes_Hole16(tab[3].data() + 2 * i);
    }
    t.richtung = richtung;
    for (uint32_t i = 0; i < n; ++i) {
        Spieler_Fix_Entpacken(fix.data() + size_t(i) * SPIELER_FIX_BYTES, Spieler_Fix_Daten[i]);
        // every main part is fetched again on a client
        Spieler_Client_Flags[i] = static_cast<uint8_t>(flags[i] & ~1);
        if (ist_client()) {
            std::memset(&Spieler_Daten[i], 88, sizeof(Spieler_Struktur));
            std::memset(&Spieler_Egal_Daten[i], 88, sizeof(Spieler_Client_Egal));
            continue;
        }
        Spieler_Struktur_Entpacken(haupt.data() + size_t(i) * SPIELER_STRUKTUR_BYTES, Spieler_Daten[i]);
        Spieler_Egal_Entpacken(egal.data() + size_t(i) * SPIELER_EGAL_BYTES, Spieler_Egal_Daten[i]);
    }
    return true;
}

void Spieler_Disk_Registrieren() { Disk_Block_Registrieren(DISK_POS_SPIELER, Spieler_Write_Bin_Block, Spieler_Read_Bin_Block); }
