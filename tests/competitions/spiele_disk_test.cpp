// Savegame blocks of the match store (position 7) and the statistics (position 29) through the
// savegame container: byte-for-byte round trips and refused damaged blocks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#include "common/capture.h"
#include "competitions/spiele_ewig.h"
#include "competitions/spiele_intern.h"
#include "competitions/spiele_karten.h"
#include "competitions/spiele_welt.h"
#include "competitions/statistik_archiv.h"
#include "platform/disk.h"
#include "platform/mem.h"
#include "platform/compress.h"

namespace {

using namespace spielwelt;
using Bytes = std::vector<uint8_t>;

class SpieleDiskTest : public Spielwelt {
protected:
    std::string ordner;
    int32_t liga = -1, pokal = -1, h_liga = 0, h_pokal = 0;

    void SetUp() override
    {
        Spielwelt::SetUp();
        std::string muster = (std::filesystem::temp_directory_path() / "dorvin_spiele_XXXXXX").string();
        ASSERT_NE(mkdtemp(muster.data()), nullptr);
        ordner = muster;
        Disk_Set_Spielstand_Ordner(ordner.c_str());
    }
    void TearDown() override
    {
        std::filesystem::remove_all(ordner);
        Spielwelt::TearDown();
    }
    Bytes lies(const char* name)
    {
        std::ifstream f(ordner + "/" + name + ".sgv", std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(f), {});
    }
    // A store with blocks, held locks, events, cards, long-term records and statistics.
    void fuellen()
    {
        liga = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
        pokal = Spiele_Init_Neue_Spiele(0, 8, 3, 1, POKAL_R1, -1);
        Spiele_Spiel_Einfuegen(1, liga, LIGA, 2, 0, 5, 6);
        ergebnis(liga, 0, 0, 1, 2, -1, 0);
        h_liga = Spiele_Lock(liga, 0, 0, 0);
        Spiele_Ereignis_Speicher_Reservieren(h_liga);
        Spiele_Tore_Nullen(h_liga);
        Spiele_Set_Ereignis(h_liga, SPE_TOR | SPE_HEIM, 12, 10, 0);
        Spiele_Set_Ereignis(h_liga, SPE_GELB, 40, 20, 0);
        Spiele_Set_Nachspiel_Statistik(h_liga);
        h_pokal = Spiele_Lock(pokal, 1, 0, 1);
        Spiele_Set_Zuschauer(h_pokal, 12345);
        Spiele_Set_Wettbewerb_Sieger(LIGA, 1, 1999, 2, 1, 2);
        Statistik_Spieler u = Statistik_Leeres_Update(10);
        u.tore = 1;
        u.noten[0] = 5;
        Spiele_Set_Statistik_Spieler(10, &u, 1);
        Spiele_Set_Statistik_Spieler(3, &u, 1);
        Compress_LZW_Init();
        Tabelle_Datensatz t;
        tabelle_vorbereiten(t, {1, 2, 3, 4});
        Spiele_Tabelle_Berechnen(LIGA, liga, -1, -1, 1, TAB_NORMAL, &t, 1, 0, -1, -1, 0, 0, -1);
        ASSERT_TRUE(Statistik_Tabelle_Archivieren(&t));
    }
};

TEST_F(SpieleDiskTest, BlocksRoundTripByteForByte)
{
    fuellen();
    ASSERT_TRUE(Disk_Spielstand_Speichern("a"));
    Spiele_Init();
    Statistik_Init();
    ASSERT_EQ(Spiele_Get_Anzahl_Spiele(liga), 0);
    ASSERT_TRUE(Disk_Spielstand_Laden("a"));

    EXPECT_EQ(Spiele_Get_Anzahl_Spiele(liga), 13);
    EXPECT_EQ(Spiele_Get_Anzahl_Spiele(pokal), 7);
    // Held locks point at the same records again.
    const Spiele_Spiel* s = Spiele_Get_Spiel(h_liga, 0);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->heim, 1);
    EXPECT_EQ(s->heim_tore, 1);
    EXPECT_EQ(Spiele_Get_Spiel(h_pokal, 0)->zuschauer, 12345u);
    Spiele_Ereignis_Info info{};
    ASSERT_TRUE(Spiele_Get_Erstes_Ereignis(h_liga, &info));
    EXPECT_EQ(info.minute, 12);
    EXPECT_EQ(Spiele_Get_Wettbewerb_Ereignis(LIGA, KARTE_GELB, -1, 20, -1, -1), 1);
    EXPECT_EQ(Spiele_Get_Wettbewerb_Sieger(LIGA, 1999, nullptr, nullptr, nullptr), 1);
    Statistik_Spieler st{};
    ASSERT_TRUE(Spiele_Get_Statistik_Spieler(10, &st));
    EXPECT_EQ(st.noten[0], 5 | STAT_NOTE_GESCHLOSSEN);
    Tabelle_Datensatz t{};
    ASSERT_TRUE(Statistik_Suche_Tabelle(&t, LIGA, 1999));
    EXPECT_EQ(t.punkte[TAB_GESAMT][0], 3);
    ASSERT_TRUE(Disk_Spielstand_Speichern("b"));
    Bytes a = lies("a"), b = lies("b");
    ASSERT_FALSE(a.empty());
    EXPECT_TRUE(a == b);
    // A new block after loading gets a fresh id.
    EXPECT_EQ(Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1), 2);
}

TEST_F(SpieleDiskTest, LoadingTakesTheStoredCapacities)
{
    fuellen();
    ASSERT_TRUE(Disk_Spielstand_Speichern("klein"));
    const Bytes klein = lies("klein");
    // Grow the event array and the statistics store, then load the smaller state.
    int32_t gross = Spiele_Init_Neue_Spiele(1, 254, 5, 1, LIGA, -1);
    for (int32_t i = 0; i < 400; ++i) {
        int32_t h = Spiele_Lock_Index(gross, i);
        Spiele_Ereignis_Speicher_Reservieren(h);
        Spiele_Unlock(h);
    }
    for (int32_t sp = 1000; sp < 2600; ++sp) {
        Statistik_Spieler u = Statistik_Leeres_Update(sp);
        Spiele_Set_Statistik_Spieler(sp, &u, 1);
    }
    int32_t kap = 0, skap = 0;
    Spiele_Get_Ereignis_Anzahl(&kap, nullptr);
    Statistik_Get_Anzahl(nullptr, &skap);
    ASSERT_GT(kap, SPIELE_EREIGNISSE_START);
    ASSERT_GT(skap, STATISTIK_START_KAPAZITAET);
    ASSERT_TRUE(Disk_Spielstand_Speichern("gross"));
    const Bytes gross_bytes = lies("gross");

    // The store is what the file holds, capacities included, so the game saves as it was saved.
    ASSERT_TRUE(Disk_Spielstand_Laden("klein"));
    int32_t kap2 = 0, benutzt = 0, n = 0, skap2 = 0;
    Spiele_Get_Ereignis_Anzahl(&kap2, &benutzt);
    Statistik_Get_Anzahl(&n, &skap2);
    EXPECT_EQ(kap2, SPIELE_EREIGNISSE_START);
    EXPECT_EQ(benutzt, 1 + 160);
    EXPECT_EQ(skap2, STATISTIK_START_KAPAZITAET);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(Spiele_Get_Anzahl_Spiele(gross), 0);
    EXPECT_EQ(Disk_Spielstand_Abbild(), klein);
    ASSERT_TRUE(Disk_Spielstand_Laden("gross"));
    Spiele_Get_Ereignis_Anzahl(&kap2, nullptr);
    Statistik_Get_Anzahl(nullptr, &skap2);
    EXPECT_EQ(kap2, kap);
    EXPECT_EQ(skap2, skap);
    EXPECT_EQ(Disk_Spielstand_Abbild(), gross_bytes);
}

// Writers of hand-made position-7 blocks, each damaged in one way.
enum class Schaden {
    KEINER,
    BENUTZT_UEBER_KAPAZITAET,
    BLOCK_ZU_KURZ,
    EREIGNIS_AUSSERHALB,
    UNSORTIERT,
    ABGESCHNITTEN,
    HEIMTEAM_UNBEKANNT,
    GASTTEAM_UNBEKANNT,
    SIEGER_UNBEKANNT,
    LOCK_AUSSERHALB,
    EREIGNISSE_FEHLEN,  // a capacity of 16 million events over a block of 60000
    ARRAY_KAPAZITAET_GROSS,  // a side array of two entries claiming room for four million
};
Schaden schaden = Schaden::KEINER;

bool u32(Disk_Datei* d, uint32_t v)
{
    uint8_t b[4];
    Disk_LE32_Setzen(b, v);
    return Disk_Schreibe_Block(d, b, 4);
}

bool schreibe_gebaut(Disk_Datei* d)
{
    // One block of 2 records.
    Bytes nutz(20 + 2 * 28, 0);
    Disk_LE32_Setzen(nutz.data(), 1);
    Disk_LE32_Setzen(nutz.data() + 4, 4);
    Disk_LE32_Setzen(nutz.data() + 8, 1);
    Disk_LE32_Setzen(nutz.data() + 12, 1);
    Disk_LE32_Setzen(nutz.data() + 16, schaden == Schaden::BLOCK_ZU_KURZ ? 3 : 2);
    if (schaden == Schaden::EREIGNIS_AUSSERHALB) Disk_LE32_Setzen(nutz.data() + 20 + 4, 59900);
    // Record 0 of home team 3 against 39 (the world has 40 teams); record 1 not drawn.
    Disk_LE16_Setzen(nutz.data() + 20 + 8, schaden == Schaden::HEIMTEAM_UNBEKANNT ? 40 : 3);
    Disk_LE16_Setzen(nutz.data() + 20 + 10, schaden == Schaden::GASTTEAM_UNBEKANNT ? 0xFFFE : 39);
    Disk_LE16_Setzen(nutz.data() + 20 + 28 + 8, 0xFFFF);
    Liste l{};
    Liste_Init(&l);
    Liste_Insert_Element(&l, nullptr, nutz.data(), uint32_t(nutz.size()), 0);
    bool ok = Liste_Write_File(d, &l);
    Liste_Delete_All(&l);
    Bytes ord(2000, 0xFF), spiel(2000, 0xFF);
    // Lock slot 7 holds record 1 of block 0 (or a record the block does not have).
    Disk_LE32_Setzen(ord.data() + 28, 0);
    Disk_LE32_Setzen(spiel.data() + 28, schaden == Schaden::LOCK_AUSSERHALB ? 2 : 1);
    ok = ok && Disk_Schreibe_Block(d, ord.data(), 2000) && Disk_Schreibe_Block(d, spiel.data(), 2000);
    ok = ok && u32(d, 1) && u32(d, schaden == Schaden::EREIGNISSE_FEHLEN ? 16u << 20 : 60000) &&
         u32(d, schaden == Schaden::BENUTZT_UEBER_KAPAZITAET ? 60001 : 1);
    Bytes ev(9 * 60000, 0);
    ok = ok && Disk_Schreibe_Block(d, ev.data(), uint32_t(ev.size()));
    const uint32_t groessen[5] = {12, 28, 25, 12, 10};
    for (int32_t i = 0; i < 5 && ok; ++i) {
        if (schaden == Schaden::ABGESCHNITTEN && i == 4) break;
        Bytes e(2 * groessen[i], 0);
        Disk_LE32_Setzen(e.data(), 5);
        Disk_LE32_Setzen(e.data() + groessen[i], schaden == Schaden::UNSORTIERT && i == 2 ? 4 : 6);
        if (i == 4) {
            // Winners: team 2 with no runner-up, team 39 (or one beyond the world) before team 1.
            Disk_LE16_Setzen(e.data() + 4, 2);
            Disk_LE16_Setzen(e.data() + 6, 0xFFFF);
            Disk_LE16_Setzen(e.data() + 10 + 4, schaden == Schaden::SIEGER_UNBEKANNT ? 40 : 39);
            Disk_LE16_Setzen(e.data() + 10 + 6, 1);
        }
        uint8_t kopf[8];
        Disk_LE32_Setzen(kopf, 2);
        Disk_LE32_Setzen(kopf + 4, schaden == Schaden::ARRAY_KAPAZITAET_GROSS && i == 1 ? 4u << 20 : 100);
        ok = Disk_Schreibe_Block(d, kopf, 8) && Disk_Schreibe_Block(d, e.data(), uint32_t(e.size()));
    }
    return ok;
}

TEST_F(SpieleDiskTest, DamagedBlocksAreRefusedAndTheStoreStays)
{
    fuellen();
    // The hand-made block itself loads: its layout is the stored one.
    schaden = Schaden::KEINER;
    Disk_Block_Registrieren(DISK_POS_SPIELE, schreibe_gebaut, Spiele_Laden);
    ASSERT_TRUE(Disk_Spielstand_Speichern("gebaut"));
    Disk_Block_Registrieren(DISK_POS_SPIELE, Spiele_Speichern, Spiele_Laden);
    ASSERT_TRUE(Disk_Spielstand_Speichern("vorher"));
    ASSERT_TRUE(Disk_Spielstand_Laden("gebaut"));
    EXPECT_EQ(Spiele_Get_Anzahl_Spiele(0), 2);
    EXPECT_EQ(Spiele_Get_Anzahl_Spiele(1), 0);
    ASSERT_NE(Spiele_Get_Spiel(8, 0), nullptr);
    EXPECT_EQ(Spiele_Get_Spiel(8, 0)->heim, SPIELE_KEIN_TEAM);
    // A side array that claims far more room than its entries justify gets what they justify.
    schaden = Schaden::ARRAY_KAPAZITAET_GROSS;
    Disk_Block_Registrieren(DISK_POS_SPIELE, schreibe_gebaut, Spiele_Laden);
    ASSERT_TRUE(Disk_Spielstand_Speichern("gebaut"));
    Disk_Block_Registrieren(DISK_POS_SPIELE, Spiele_Speichern, Spiele_Laden);
    ASSERT_TRUE(Disk_Spielstand_Laden("gebaut"));
    EXPECT_EQ(spiele_arrays[SPA_EWIG].anzahl, 2);
    EXPECT_EQ(spiele_arrays[SPA_EWIG].kapazitaet, spiele_arrays[SPA_EWIG].start_kapazitaet);
    ASSERT_TRUE(Disk_Spielstand_Laden("vorher"));
    const Bytes vorher = lies("vorher");

    for (Schaden s : {Schaden::BENUTZT_UEBER_KAPAZITAET, Schaden::BLOCK_ZU_KURZ, Schaden::EREIGNIS_AUSSERHALB,
                      Schaden::UNSORTIERT, Schaden::ABGESCHNITTEN, Schaden::HEIMTEAM_UNBEKANNT,
                      Schaden::GASTTEAM_UNBEKANNT, Schaden::SIEGER_UNBEKANNT, Schaden::LOCK_AUSSERHALB,
                      Schaden::EREIGNISSE_FEHLEN}) {
        SCOPED_TRACE(int(s));
        schaden = s;
        Disk_Block_Registrieren(DISK_POS_SPIELE, schreibe_gebaut, Spiele_Laden);
        ASSERT_TRUE(Disk_Spielstand_Speichern("kaputt"));
        Disk_Block_Registrieren(DISK_POS_SPIELE, Spiele_Speichern, Spiele_Laden);
        Fehler_Capture cap;
        EXPECT_FALSE(Disk_Spielstand_Laden("kaputt"));
        EXPECT_TRUE(cap.contains("Spiele_Laden: "));
        EXPECT_EQ(Spiele_Get_Anzahl_Spiele(liga), 13);
        EXPECT_EQ(Spiele_Get_Spiel(h_pokal, 0)->zuschauer, 12345u);
        EXPECT_EQ(Disk_Spielstand_Abbild(), vorher);
    }

    // A flipped byte inside the file fails the container's checksum.
    ASSERT_TRUE(Disk_Spielstand_Speichern("c"));
    Bytes c = lies("c");
    c[c.size() / 2] ^= 0x40;
    {
        std::ofstream f(ordner + "/c.sgv", std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(c.data()), std::streamsize(c.size()));
    }
    EXPECT_FALSE(Disk_Spielstand_Laden("c"));
    EXPECT_EQ(Spiele_Get_Anzahl_Spiele(pokal), 7);
}

// An array that grew in the running game (its room beyond what its entries need) is saved as a
// loaded game holds it: a load followed by a save gives the same file.
TEST_F(SpieleDiskTest, ALoadFollowedByASaveKeepsEveryByteOfAnArrayThatGrew)
{
    fuellen();
    Spiele_Array& a = spiele_arrays[SPA_EWIG];
    const int32_t kap = a.start_kapazitaet * 3;
    auto* d = static_cast<uint8_t*>(Mem_Alloc_Clear(uint32_t(kap) * a.groesse, 0, 0));
    ASSERT_NE(d, nullptr);
    std::memcpy(d, a.daten, size_t(a.anzahl) * a.groesse);
    Mem_Free(a.daten, 0);
    a.daten = d;
    a.kapazitaet = kap;
    const Bytes vorher = Disk_Spielstand_Abbild();
    ASSERT_TRUE(Disk_Spielstand_Speichern("gewachsen"));
    a.kapazitaet = a.start_kapazitaet;  // a program started afresh loads it
    ASSERT_TRUE(Disk_Spielstand_Laden("gewachsen"));
    EXPECT_EQ(Disk_Spielstand_Abbild(), vorher);
}

// A statistics block whose count exceeds its capacity, or whose records are out of order (1, 2);
// one that claims room for four million records over its two (3).
int32_t statistik_schaden = 0;
bool schreibe_statistik(Disk_Datei* d)
{
    bool ok = u32(d, 0xF0F0F0F0u);
    const uint32_t n = 2, kap = statistik_schaden == 1 ? 1 : statistik_schaden == 3 ? 4194304 : 1500;
    Bytes r(2 * 68, 0xFF);
    Disk_LE32_Setzen(r.data(), 7);
    Disk_LE32_Setzen(r.data() + 68, statistik_schaden == 2 ? 5 : 9);
    return ok && u32(d, n) && u32(d, kap) && Disk_Schreibe_Block(d, r.data(), uint32_t(r.size()));
}

TEST_F(SpieleDiskTest, DamagedStatisticsBlockIsRefused)
{
    fuellen();
    // The forged capacity is held to what two records justify, on every load.
    for (int32_t mal = 0; mal < 2; ++mal) {
        statistik_schaden = 3;
        Disk_Block_Registrieren(DISK_POS_STATISTIK, schreibe_statistik, Statistik_Laden);
        ASSERT_TRUE(Disk_Spielstand_Speichern("st"));
        Disk_Block_Registrieren(DISK_POS_STATISTIK, Statistik_Speichern, Statistik_Laden);
        ASSERT_TRUE(Disk_Spielstand_Laden("st"));
        int32_t n = 0, kap = 0;
        Statistik_Get_Anzahl(&n, &kap);
        EXPECT_EQ(n, 2);
        EXPECT_EQ(kap, STATISTIK_START_KAPAZITAET);
    }
    Statistik_Init();
    fuellen();
    for (int32_t s : {1, 2, 0}) {
        statistik_schaden = s;
        Disk_Block_Registrieren(DISK_POS_STATISTIK, schreibe_statistik, Statistik_Laden);
        ASSERT_TRUE(Disk_Spielstand_Speichern("st"));
        Disk_Block_Registrieren(DISK_POS_STATISTIK, Statistik_Speichern, Statistik_Laden);
        Fehler_Capture cap;
        EXPECT_EQ(Disk_Spielstand_Laden("st"), s == 0) << s;
        Statistik_Spieler st{};
        EXPECT_EQ(Spiele_Get_Statistik_Spieler(10, &st), s != 0);
        EXPECT_EQ(Spiele_Get_Statistik_Spieler(9, &st), s == 0);
    }
}

}  // namespace
