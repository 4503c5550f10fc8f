// The arbiter's and the assistants' savegame blocks: round trips, damaged blocks refused with the
// running list kept, nothing on a client.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/capture.h"
#include "common/spielstand_ordner.h"
#include "database/assistent.h"
#include "database/db_hilfe.h"
#include "database/richter.h"
#include "economy/trainingslager.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Every element as key and payload bytes.
std::vector<Bytes> liste_bytes()
{
    std::vector<Bytes> l;
    for (Liste_Element* e = Richter_Liste.next; e; e = e->next) {
        Bytes b(4);
        Disk_LE32_Setzen(b.data(), e->key);
        const auto* p = static_cast<const uint8_t*>(e->data);
        b.insert(b.end(), p, p + (e->size - LISTE_KOPF_BYTES));
        l.push_back(b);
    }
    return l;
}

struct RichterDisk : ::testing::Test {
    Test_Spielstand_Ordner ordner;
    void SetUp() override
    {
        ordner.anlegen("dorvin_richter", true);
        Test_Teams_Anlegen(20);
        Test_Spieler_Anlegen(50);
        Netz_Rolle = 2;
        Richter_Init();
        Assi_Init();
    }
    void TearDown() override
    {
        Richter_DeInit();
        Test_Aufraeumen();
        for (int pos : {DISK_POS_RICHTER, DISK_POS_ASSISTENTEN}) Disk_Block_Registrieren(pos, nullptr, nullptr);
        ordner.entfernen();
    }
    std::string datei(const char* name) const { return ordner.pfad + "/" + name + ".sgv"; }
    // One item of every type.
    static void fuellen(int32_t variante)
    {
        Spieler_Angebot a{};
        a.tag = 77;
        a.bewertung = 120 + variante;
        a.bieter = 3;
        a.verein = 4;
        a.spnr = 9;
        a.abloese = 1500;
        a.gehalt = 300;
        a.monate = 36;
        a.geduld = 14;
        Liste_Insert_Element(&Richter_Liste, nullptr, &a, sizeof a, RICHTER_ANGEBOT);
        for (uint32_t typ : {RICHTER_TRAININGSLAGER, RICHTER_FREUNDSCHAFTSSPIEL, RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG}) {
            Trainingslager_Buchung b{};
            b.art = typ == RICHTER_TRAININGSLAGER ? 1 : 2;
            b.slot = static_cast<int8_t>(typ);
            b.team = 5;
            b.ziel = 6 + static_cast<uint32_t>(variante);
            b.erster_tag = 200;
            b.letzter_tag = 207;
            b.rest_24[19] = 0xAB;  // the camps' own bytes travel unchanged
            Liste_Insert_Element(&Richter_Liste, nullptr, &b, sizeof b, typ);
        }
        Richter_Spieler_Wechsel_Nach_Vertragsende_Hinzufuegen(11, 7, 250, 24);
    }
    Disk_Bereiche speichern(const char* name)
    {
        EXPECT_TRUE(Disk_Spielstand_Speichern(name));
        std::ifstream f(datei(name), std::ios::binary);
        const Bytes b{std::istreambuf_iterator<char>(f), {}};
        std::string version;
        Disk_Bereiche bereiche;
        EXPECT_TRUE(Disk_Spielstand_Zerlegen(b.data(), b.size(), &version, &bereiche));
        return bereiche;
    }
    bool laden(const Disk_Bereiche& bereiche)
    {
        const Bytes b = Disk_Spielstand_Bauen("2.01", bereiche);
        std::ofstream(datei("geaendert"), std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
        return Disk_Spielstand_Laden("geaendert");
    }
};

TEST_F(RichterDisk, EveryItemTypeRoundTripsByteForByte)
{
    fuellen(0);
    const std::vector<Bytes> vorher = liste_bytes();
    const Disk_Bereiche a = speichern("a");
    ASSERT_FALSE(a[DISK_POS_RICHTER - 1].empty());
    EXPECT_TRUE(a[DISK_POS_ASSISTENTEN - 1].empty());  // the staff live in the team records
    Richter_Init();
    ASSERT_TRUE(Disk_Spielstand_Laden("a"));
    EXPECT_EQ(liste_bytes(), vorher);
    EXPECT_EQ(speichern("b"), a);
}

TEST_F(RichterDisk, DamagedBlocksAreRefusedAndTheRunningListKept)
{
    fuellen(0);
    const Disk_Bereiche gut = speichern("a");
    Richter_Init();
    fuellen(1);
    const std::vector<Bytes> laufend = liste_bytes();
    // blocks of the area: per element marker, 24-byte header (key at 12, size at 16), payload;
    // the end marker last. The newest item (the move) comes first.
    const auto mit = [&](size_t block, size_t stelle, uint32_t wert) {
        Disk_Bereiche b = gut;
        Disk_LE32_Setzen(b[DISK_POS_RICHTER - 1][block].data() + stelle, wert);
        return b;
    };
    std::vector<std::pair<const char*, Disk_Bereiche>> faelle = {
        {"unbekannter Typ", mit(1, 12, 5)},
        {"Typ 6", mit(1, 12, 6)},
        {"Angebot mit Buchungsgröße", mit(13, 12, RICHTER_TRAININGSLAGER)},
        {"Wechsel als Angebot", mit(1, 12, RICHTER_ANGEBOT)},
        {"Spieler außerhalb", mit(2, 0, 50)},
        {"neuer Verein außerhalb", mit(2, 2, 20)},
        {"Bieter außerhalb", mit(14, 8, 999)},
        {"Verein des Spielers außerhalb", mit(14, 10, 20)},
        {"Buchung eines fremden Teams", mit(5, 8, 20)},
        {"Ziel eines Freundschaftsspiels", mit(8, 12, 99)},
    };
    // the list's end marker, then the count of offer checks
    Disk_Bereiche kurz = gut;
    kurz[DISK_POS_RICHTER - 1].erase(kurz[DISK_POS_RICHTER - 1].end() - 2);
    faelle.push_back({"ohne Endmarke", kurz});
    Disk_Bereiche ohne_zaehler = gut;
    ohne_zaehler[DISK_POS_RICHTER - 1].pop_back();
    faelle.push_back({"ohne Zähler", ohne_zaehler});
    Disk_Bereiche halb = gut;
    halb[DISK_POS_RICHTER - 1][2].resize(4);
    faelle.push_back({"gekürzte Nutzlast", halb});
    for (const auto& [name, bereiche] : faelle) {
        Fehler_Capture cap;
        EXPECT_FALSE(laden(bereiche)) << name;
        EXPECT_EQ(liste_bytes(), laufend) << name;
        EXPECT_TRUE(cap.contains("Richter_Read_Bin_Block")) << name;
    }
    // and the undamaged block still loads
    EXPECT_TRUE(laden(gut));
    EXPECT_NE(liste_bytes(), laufend);
}

TEST_F(RichterDisk, ClientWritesAndReadsNothing)
{
    fuellen(0);
    const Disk_Bereiche server = speichern("a");
    Netz_Rolle = 1;
    EXPECT_TRUE(speichern("c")[DISK_POS_RICHTER - 1].empty());
    Richter_Init();
    fuellen(1);
    const std::vector<Bytes> eigene = liste_bytes();
    EXPECT_TRUE(laden(server));
    EXPECT_EQ(liste_bytes(), eigene);
}

}  // namespace
