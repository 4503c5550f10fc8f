// A saved list in the savegame and in a buffer: round trip, damaged forms refused with the list
// left as it was, and seeded mutations that must be refused whole or taken whole.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/capture.h"
#include "common/spielstand_ordner.h"
#include "common/mutation.h"
#include "platform/disk.h"
#include "platform/liste.h"
#include "platform/mem.h"

namespace {

using Bytes = std::vector<uint8_t>;

Liste gespeichert;

bool schreiben(Disk_Datei* d) { return Liste_Write_File(d, &gespeichert); }
bool lesen(Disk_Datei* d, const char*) { return Liste_Read_File(d, &gespeichert); }

Bytes form(Liste* l)
{
    uint8_t* p = nullptr;
    const uint32_t n = Liste_Save_Buffer(&p, l, -1);
    Bytes v(p, p + n);
    Mem_Free(p, 0);
    return v;
}

class ListeDatei : public ::testing::Test {
protected:
    Test_Spielstand_Ordner ordner;
    void SetUp() override
    {
        // Only the list in the savegame: other tests of this program start the game, which
        // registers its own blocks.
        ordner.anlegen("dorvin_liste", true);
        Disk_Block_Registrieren(DISK_POS_PERSONAL, schreiben, lesen);
        fuellen(0);
    }
    void TearDown() override
    {
        Disk_Block_Registrieren(DISK_POS_PERSONAL, nullptr, nullptr);
        Liste_Delete_All(&gespeichert);
        ordner.entfernen();
    }
    // Elements of several sizes, among them a zero-byte insert (one byte kept) and a large one.
    static void fuellen(uint8_t art)
    {
        Liste_Init(&gespeichert);
        Liste_Element* nach = nullptr;
        const uint32_t groessen[] = {12, 0, 1, 300, 40};
        for (uint32_t i = 0; i < 5; ++i) {
            Bytes b(groessen[i]);
            for (size_t k = 0; k < b.size(); ++k) b[k] = uint8_t(art + i * 31 + k);
            nach = Liste_Insert_Element(&gespeichert, nach, b.data(), groessen[i], 100 * art + i);
        }
    }
    void schreib(const char* name, const Bytes& b)
    {
        std::ofstream f(ordner.pfad + "/" + name + ".sgv", std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    }
    Disk_Bereiche zerlegt(const char* name)
    {
        std::ifstream f(ordner.pfad + "/" + name + ".sgv", std::ios::binary);
        const Bytes b{std::istreambuf_iterator<char>(f), {}};
        std::string version;
        Disk_Bereiche bereiche;
        EXPECT_TRUE(Disk_Spielstand_Zerlegen(b.data(), b.size(), &version, &bereiche));
        return bereiche;
    }
};

void wort_setzen(Bytes& b, size_t stelle, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[stelle + size_t(i)] = uint8_t(v >> (8 * i));
}

TEST_F(ListeDatei, SavegameBlockRoundTripsAndDamageLeavesTheListAlone)
{
    const Bytes original = form(&gespeichert);
    ASSERT_TRUE(Disk_Spielstand_Speichern("liste"));
    fuellen(7);
    const Bytes anders = form(&gespeichert);
    ASSERT_NE(anders, original);
    ASSERT_TRUE(Disk_Spielstand_Laden("liste"));
    EXPECT_EQ(form(&gespeichert), original);
    fuellen(7);

    // Blocks of the area: per element marker, header, payload; then the end marker.
    const Disk_Bereiche gut = zerlegt("liste");
    const Disk_Bereich& liste = gut[DISK_POS_PERSONAL - 1];
    ASSERT_EQ(liste.size(), 5u * 3 + 1);
    auto abgelehnt = [&](const Disk_Bereich& bereich) {
        Disk_Bereiche b = gut;
        b[DISK_POS_PERSONAL - 1] = bereich;
        schreib("kaputt", Disk_Spielstand_Bauen("2.01", b));
        Fehler_Capture cap;
        const bool ok = Disk_Spielstand_Laden("kaputt");
        return !ok && cap.contains("konnte nicht vollständig geladen werden") && form(&gespeichert) == anders;
    };
    Disk_Bereich b = liste;
    wort_setzen(b[3], 0, 0x12345678);  // foreign marker
    EXPECT_TRUE(abgelehnt(b));
    b = liste;
    wort_setzen(b[10], 16, 300 + 24 + 1);  // size word one beyond its payload
    EXPECT_TRUE(abgelehnt(b));
    b = liste;
    wort_setzen(b[4], 16, 23);  // size word below the header
    EXPECT_TRUE(abgelehnt(b));
    b = liste;
    wort_setzen(b[1], 16, 0x7FFFFFFF);  // a huge element that is not there
    EXPECT_TRUE(abgelehnt(b));
    b = liste;
    b.pop_back();  // no end marker
    EXPECT_TRUE(abgelehnt(b));
    b = liste;
    b.erase(b.begin() + 11);  // a payload missing
    EXPECT_TRUE(abgelehnt(b));
    EXPECT_TRUE(abgelehnt({}));
}

TEST_F(ListeDatei, MutatedBuffersAreRefusedOrTakenWhole)
{
    const Bytes original = form(&gespeichert);
    mutation::Folge f(20240611);
    int angenommen = 0;
    for (int i = 0; i < 3000; ++i) {
        std::vector<Bytes> bloecke{original};
        mutation::mutieren(bloecke, f);
        const Bytes eingabe = bloecke.empty() ? Bytes{} : bloecke[0];
        Liste l;
        Liste_Init(&l);
        Liste_Insert_Element(&l, nullptr, "alt", 4, 9);
        const Bytes vorher = form(&l);
        if (Liste_Load_Buffer(eingabe.data(), uint32_t(eingabe.size()), &l)) {
            ++angenommen;
            // What was taken saves and loads to itself.
            const Bytes nachher = form(&l);
            Liste m;
            Liste_Init(&m);
            ASSERT_TRUE(Liste_Load_Buffer(nachher.data(), uint32_t(nachher.size()), &m)) << i;
            EXPECT_EQ(form(&m), nachher) << i;
            Liste_Delete_All(&m);
        } else {
            EXPECT_EQ(form(&l), vorher) << i;
        }
        Liste_Delete_All(&l);
    }
    EXPECT_GT(angenommen, 0);
    EXPECT_LT(angenommen, 3000);
}

TEST_F(ListeDatei, MutatedSavegameBlocksAreRefusedOrTakenWhole)
{
    ASSERT_TRUE(Disk_Spielstand_Speichern("liste"));
    const Disk_Bereiche gut = zerlegt("liste");
    mutation::Folge f(777);
    int angenommen = 0;
    for (int i = 0; i < 2000; ++i) {
        Disk_Bereiche b = gut;
        mutation::mutieren(b[DISK_POS_PERSONAL - 1], f);
        schreib("m", Disk_Spielstand_Bauen("2.01", b));
        const Bytes vorher = form(&gespeichert);
        Fehler_Capture cap;
        if (Disk_Spielstand_Laden("m")) {
            ++angenommen;
            const Bytes nachher = form(&gespeichert);
            ASSERT_TRUE(Disk_Spielstand_Speichern("wieder")) << i;
            ASSERT_TRUE(Disk_Spielstand_Laden("wieder")) << i;
            EXPECT_EQ(form(&gespeichert), nachher) << i;
            Liste_Delete_All(&gespeichert);
            fuellen(0);
        } else {
            EXPECT_TRUE(cap.contains("konnte nicht vollständig geladen werden")) << i;
            EXPECT_EQ(form(&gespeichert), vorher) << i;
        }
    }
    EXPECT_GT(angenommen, 0);
    EXPECT_LT(angenommen, 2000);
}

}  // namespace

// A savegame is put together in memory and written whole; the memory stays for the next save. A
// small game saved after a large one is exactly its own image, nothing of the larger left at its
// end, and the large one saved again is exactly its image too and loads.
TEST_F(ListeDatei, EinSpielstandIstGenauSeinAbbildAuchNachEinemGroesseren)
{
    auto datei = [&](const char* name) {
        std::ifstream f(ordner.pfad + "/" + name + ".sgv", std::ios::binary);
        return Bytes{std::istreambuf_iterator<char>(f), {}};
    };
    Liste_Delete_All(&gespeichert);
    Liste_Init(&gespeichert);
    Liste_Element* nach = nullptr;
    for (uint32_t i = 0; i < 40; ++i) {
        Bytes b(70000 + i);
        for (size_t k = 0; k < b.size(); ++k) b[k] = uint8_t(k * 7 + i);
        nach = Liste_Insert_Element(&gespeichert, nach, b.data(), uint32_t(b.size()), int32_t(i));
    }
    const Bytes gross = form(&gespeichert);
    const Bytes gross_abbild = Disk_Spielstand_Abbild();
    ASSERT_TRUE(Disk_Spielstand_Speichern("gross"));
    EXPECT_EQ(datei("gross"), gross_abbild);

    Liste_Delete_All(&gespeichert);
    fuellen(3);
    const Bytes klein_abbild = Disk_Spielstand_Abbild();
    ASSERT_LT(klein_abbild.size(), gross_abbild.size());
    ASSERT_TRUE(Disk_Spielstand_Speichern("klein"));
    EXPECT_EQ(datei("klein"), klein_abbild);
    EXPECT_FALSE(std::filesystem::exists(ordner.pfad + "/klein.sgv.tmp"));

    ASSERT_TRUE(Disk_Spielstand_Laden("gross"));
    EXPECT_EQ(form(&gespeichert), gross);
    ASSERT_TRUE(Disk_Spielstand_Speichern("gross_wieder"));
    EXPECT_EQ(datei("gross_wieder"), gross_abbild);
}
