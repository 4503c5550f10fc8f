#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "common/capture.h"
#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_welt.h"

using namespace testwelt;

TEST(WettbewerbBlock, RundreiseByteGenau)
{
    ASSERT_TRUE(laden());
    Wettbewerb_Zeiger(GRUPPE_A)->spieltag = 3;
    Wettbewerb_Zeiger(GRUPPE_A)->spiele_block = 17;
    Wettbewerb_Zeiger(GRUPPE_A)->schalter[0] = 1;
    std::vector<uint8_t> bild = Wettbewerb_Block_Packen();
    // Header of 16 bytes, 128 records of fixed size, the running rule vote in 16 bytes.
    EXPECT_EQ(Wettbewerb_Block_Datensatz_Groesse(), 5520u);
    ASSERT_EQ(bild.size(), 16 + 128 * Wettbewerb_Block_Datensatz_Groesse() + 16);
    EXPECT_EQ(bild[0], 3);
    EXPECT_EQ(bild[4], 1);

    Wettbewerb_Free();
    ASSERT_TRUE(Wettbewerb_Block_Entpacken(bild.data(), bild.size(), TEAM_ANZAHL));
    EXPECT_EQ(Wettbewerb_Block_Packen(), bild);
    EXPECT_EQ(Wettbewerb_Get_Oberwettbewerb(22), 20);
    EXPECT_EQ(Wettbewerb_Get_Spiele_Block(20), 17);
    EXPECT_EQ(Wettbewerb_Get_Schalter(21, 1), 1);
    EXPECT_STREQ(Wettbewerb_Get_Anzeigename(3), "Liga A Süd");

    // The season's state goes with it: a half's stoppage drawn before the save is the one
    // after the load, and so is a rule switch voted for next season.
    Wettbewerb_Zeiger(A1)->spieltag = 2;
    Wettbewerb_Zeiger(A1)->spieltage = 6;
    Wettbewerb_Zeiger(A1)->nachspielzeit[0] = 3;
    Wettbewerb_Zeiger(A1)->englische_tabelle_neu = 0;
    bild = Wettbewerb_Block_Packen();
    Wettbewerb_Free();
    ASSERT_TRUE(Wettbewerb_Block_Entpacken(bild.data(), bild.size(), TEAM_ANZAHL));
    EXPECT_EQ(Wettbewerb_Zeiger(A1)->nachspielzeit[1], -1);
    EXPECT_EQ(Wettbewerb_Zeiger(A1)->englische_tabelle_neu, 0);
    EXPECT_EQ(Wettbewerb_Zeiger(B1)->englische_tabelle_neu, -1);
    EXPECT_EQ(Wettbewerb_Halbzeit_Ende_Pruefen(1, 47, 0, 0, 0), 0);
    EXPECT_EQ(Wettbewerb_Halbzeit_Ende_Pruefen(1, 48, 0, 0, 0), 1);

    // A vote still running when the game is saved runs on after the load with its counts.
    Wettbewerb_Set_Abstimmung({250, 3, 2, 1});
    bild = Wettbewerb_Block_Packen();
    Wettbewerb_Set_Abstimmung({});
    ASSERT_TRUE(Wettbewerb_Block_Entpacken(bild.data(), bild.size(), TEAM_ANZAHL));
    EXPECT_EQ(Wettbewerb_Get_Abstimmung().frist, 250);
    EXPECT_EQ(Wettbewerb_Get_Abstimmung().stimmen, 3);
    EXPECT_EQ(Wettbewerb_Get_Abstimmung().ja, 2);
    EXPECT_EQ(Wettbewerb_Get_Abstimmung().vorschlag, 1);
    Wettbewerb_Set_Abstimmung({});

    // No competitions at all round-trip as "not ready".
    Wettbewerb_Free();
    std::vector<uint8_t> leer = Wettbewerb_Block_Packen();
    ASSERT_TRUE(laden());
    ASSERT_TRUE(Wettbewerb_Block_Entpacken(leer.data(), leer.size(), TEAM_ANZAHL));
    EXPECT_FALSE(Wettbewerb_Bereit());
}

TEST(WettbewerbBlock, KaputteBloeckeLassenDenStandStehen)
{
    ASSERT_TRUE(laden());
    const std::vector<uint8_t> bild = Wettbewerb_Block_Packen();
    const size_t g = Wettbewerb_Block_Datensatz_Groesse();
    auto setze32 = [](std::vector<uint8_t>& b, size_t off, uint32_t v) {
        for (int i = 0; i < 4; ++i) b[off + i] = uint8_t(v >> (8 * i));
    };
    // Offsets inside a record: name 25, group 25, ident 32, id, owner, mode, 8 links, teams.
    const size_t ID = 82, LINKS = 94, TEAMS = 126;

    std::vector<std::vector<uint8_t>> kaputt;
    kaputt.emplace_back(bild.begin(), bild.begin() + 10);       // truncated header
    kaputt.emplace_back(bild.begin(), bild.end() - 1);          // truncated record
    kaputt.push_back(bild);
    kaputt.back().push_back(0);                                 // trailing byte
    kaputt.push_back(bild);
    setze32(kaputt.back(), 0, 7);                               // unknown version
    kaputt.push_back(bild);
    setze32(kaputt.back(), 12, 4000);                           // wrong record size
    kaputt.push_back(bild);
    setze32(kaputt.back(), 16 + A1 * g + TEAMS, 25);            // league of 25
    kaputt.push_back(bild);
    setze32(kaputt.back(), 16 + POKAL1 * g + ID, 300);          // id 300
    kaputt.push_back(bild);
    setze32(kaputt.back(), 16 + A1 * g + LINKS + 4 * WV_UNTERLIGA, 100);  // link to a free record
    kaputt.push_back(bild);
    setze32(kaputt.back(), 16 + A2 * g + LINKS + 4 * WV_OBERLIGA, B1);    // stored back link lies
    kaputt.push_back(bild);
    std::memset(kaputt.back().data() + 16 + B1 * g, 'x', 25);   // unterminated name
    // The list of A1 (four teams): its count, its first team; then the season's state at the
    // record's end: match day, leg, stoppage memo, pending rule switch.
    const size_t LISTE = TEAMS + 8, ANZAHL = LISTE + 2 * WETTBEWERB_MAX_TEAMS;
    kaputt.push_back(bild);
    setze32(kaputt.back(), 16 + A1 * g + ANZAHL, 5);             // five clubs in a league of four
    kaputt.push_back(bild);
    kaputt.back()[16 + A1 * g + LISTE] = TEAM_ANZAHL;           // a club beyond the team count
    kaputt.push_back(bild);
    setze32(kaputt.back(), 16 + A1 * g + g - 25, 7);             // match day 7 of 6
    kaputt.push_back(bild);
    setze32(kaputt.back(), 16 + POKAL1 * g + g - 21, 1);         // second leg of a one-legged cup
    kaputt.push_back(bild);
    kaputt.back()[16 + A1 * g + g - 17] = 9;                    // nine minutes of stoppage
    kaputt.push_back(bild);
    kaputt.back()[16 + A1 * g + g - 1] = 2;                     // a switch to neither rule
    kaputt.push_back(bild);                                     // a vote with more yes than votes
    setze32(kaputt.back(), bild.size() - 16, 100);
    setze32(kaputt.back(), bild.size() - 12, 1);
    setze32(kaputt.back(), bild.size() - 8, 2);

    for (size_t i = 0; i < kaputt.size(); ++i) {
        Fehler_Capture cap;
        EXPECT_FALSE(Wettbewerb_Block_Entpacken(kaputt[i].data(), kaputt[i].size(), TEAM_ANZAHL)) << i;
        EXPECT_FALSE(cap.texts.empty()) << i;
        EXPECT_TRUE(Wettbewerb_Bereit());
        EXPECT_EQ(Wettbewerb_Block_Packen(), bild) << i;
    }
    {
        Fehler_Capture cap;
        EXPECT_FALSE(Wettbewerb_Block_Entpacken(nullptr, 100, TEAM_ANZAHL));
        // A team count that shrank below the stored teams refuses the block too.
        EXPECT_FALSE(Wettbewerb_Block_Entpacken(bild.data(), bild.size(), 10));
    }
    Wettbewerb_Free();
}

// A record not in use goes with what it still holds; one as empty as a fresh record goes as the
// empty one, wherever it stands.
TEST(WettbewerbBlock, UnbenutzteDatensaetzeGehenMitIhremInhalt)
{
    ASSERT_TRUE(laden());
    const size_t g = Wettbewerb_Block_Datensatz_Groesse();
    const auto satz = [g](const std::vector<uint8_t>& bild, int32_t nr) {
        return std::vector<uint8_t>(bild.begin() + 16 + long(nr * g), bild.begin() + 16 + long((nr + 1) * g));
    };
    const std::vector<uint8_t> leer = satz(Wettbewerb_Block_Packen(), WETTBEWERB_ANZAHL - 1);
    Wettbewerb_Datensatz* rest = Wettbewerb_Zeiger(WETTBEWERB_ANZAHL - 1);
    rest->land = LAND_B;
    EXPECT_NE(satz(Wettbewerb_Block_Packen(), WETTBEWERB_ANZAHL - 1), leer);
    *rest = Wettbewerb_Leerer_Datensatz;
    *Wettbewerb_Zeiger(FINALE) = Wettbewerb_Leerer_Datensatz;
    const std::vector<uint8_t> bild = Wettbewerb_Block_Packen();
    EXPECT_EQ(satz(bild, WETTBEWERB_ANZAHL - 1), leer);
    EXPECT_EQ(satz(bild, FINALE), leer);
    EXPECT_NE(satz(bild, GRUPPE_B), leer);
}

// The image of a record against the reader, which takes it field by field: a record not in use,
// every byte of it (padding too) set to a pattern, comes back with each of its fields (the
// padding, which the image leaves out, is the reader's own after a load); the image of either
// is the same, so padding never reaches the image.
TEST(WettbewerbBlock, JedesFeldKommtZurueck)
{
    ASSERT_TRUE(laden());
    const int32_t nr = WETTBEWERB_ANZAHL - 1;
    const size_t n = sizeof(Wettbewerb_Datensatz);
    for (uint8_t schritt : {uint8_t(7), uint8_t(131)}) {
        Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(nr);
        auto* b = reinterpret_cast<uint8_t*>(w);
        for (size_t k = 0; k < n; ++k) b[k] = uint8_t(k * schritt + 1);
        w->name[0] = 0;  // still free: no checks of a record in use
        std::memcpy(&w->vk, &Wettbewerb_Leerer_Datensatz.vk, sizeof w->vk);
        w->besitzer = Wettbewerb_Leerer_Datensatz.besitzer;
        std::vector<uint8_t> vorher(b, b + n);
        const std::vector<uint8_t> bild = Wettbewerb_Block_Packen();
        ASSERT_TRUE(Wettbewerb_Block_Entpacken(bild.data(), bild.size(), TEAM_ANZAHL));
        const auto* nach = reinterpret_cast<const uint8_t*>(Wettbewerb_Zeiger(nr));
        size_t gleich = 0;
        for (size_t k = 0; k < n; ++k) gleich += nach[k] == vorher[k];
        // Only the padding may differ: the image is all fields.
        EXPECT_GE(gleich, Wettbewerb_Block_Datensatz_Groesse());
        EXPECT_EQ(Wettbewerb_Block_Packen(), bild);
    }
    Wettbewerb_Free();
}
