// Instructions stepped by the page's buttons, the copy to the whole side, the opponent's page and
// the attribute shades.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "database/db_hilfe.h"
#include "database/spieler.h"
#include "gameflow/globals.h"
#include "graphics/grafik_farbe.h"
#include <cstring>
#include "match/spielfeld.h"
#include "matchview/lineup/anweisungen.h"

#include "text_merker.h"

namespace {

using namespace text_merker;

// Home slots 0-10 hold players 0-10, player 0 in goal; the away side players 20-30.
class Anweisungen : public ::testing::Test {
protected:
    std::unique_ptr<Spielfeld_Record> r = std::make_unique<Spielfeld_Record>();
    uint32_t rolle = 0;
    void SetUp() override
    {
        rolle = Netz_Rolle;
        Test_Spieler_Anlegen(40);
        for (int32_t p = 0; p < 40; ++p) Spieler_Fix_Daten[p].lieblingspos = int16_t(8 * 17 + 8);
        Spieler_Fix_Daten[0].lieblingspos = 459;
        Spieler_Fix_Daten[20].lieblingspos = 459;
        for (Spielfeld_Spieler& s : r->spieler) s.spnr = -1;
        for (int32_t i = 0; i < 11; ++i) {
            r->spieler[i].spnr = i;
            r->spieler[16 + i].spnr = 20 + i;
        }
        texte.clear();
        Anweisung_Set_Text_Hook(merken);
    }
    void TearDown() override
    {
        Anweisung_Set_Text_Hook(nullptr);
        Netz_Rolle = rolle;
        Test_Aufraeumen();
    }
};

TEST_F(Anweisungen, StepsWrapAtEachRowsLastStepAndAKeeperHasThreeRows)
{
    Netz_Rolle = 0;
    ASSERT_FALSE(Anweisung_Ist_Torwart(r.get(), 3));
    ASSERT_TRUE(Anweisung_Ist_Torwart(r.get(), 0));
    r->spieler[3].anweisung[0] = 4;
    EXPECT_TRUE(Anweisung_Schritt(r.get(), 3, 0, true));
    EXPECT_EQ(Anweisung_Wert(r.get(), 3, 0), 0);
    EXPECT_TRUE(Anweisung_Schritt(r.get(), 3, 0, false));
    EXPECT_EQ(Anweisung_Wert(r.get(), 3, 0), 4);
    // Goal kicks and coming off the line wrap at 2, penalties at 3.
    for (const auto& [reihe, letzte] : std::vector<std::pair<int32_t, int32_t>>{{0, 2}, {1, 2}, {2, 3}}) {
        Anweisung_Schritt(r.get(), 0, reihe, false);
        const int32_t oben = Anweisung_Wert(r.get(), 0, reihe);
        EXPECT_EQ(oben, letzte) << reihe;
        Anweisung_Schritt(r.get(), 0, reihe, true);
        EXPECT_EQ(Anweisung_Wert(r.get(), 0, reihe), 0) << reihe;
    }
    // Buttons 4 and 5 do nothing for him, not even to his field values.
    const Spielfeld_Spieler vorher = r->spieler[0];
    EXPECT_FALSE(Anweisung_Schritt(r.get(), 0, 3, true));
    EXPECT_FALSE(Anweisung_Schritt(r.get(), 0, 4, false));
    EXPECT_EQ(std::memcmp(&vorher, &r->spieler[0], sizeof vorher), 0);
    EXPECT_STREQ(Anweisung_Text(false, 0, 2), "Spiele normal agressiv");
    EXPECT_STREQ(Anweisung_Text(true, 2, 3), "Springe nach Rechts");
}

TEST_F(Anweisungen, TheRoleDecidesWhereAStepGoes)
{
    // Alone: the strength entry, no flag.
    Netz_Rolle = 0;
    Anweisung_Schritt(r.get(), 18, 1, true);
    EXPECT_EQ(r->spieler[18].anweisung[5], 1);
    EXPECT_EQ(r->anweisungen[68 + 18], 0);
    EXPECT_EQ(r->anweisungen[8], 0);
    // Any network role: the change block of the slot and bit 8 of the side's flag.
    Netz_Rolle = 3;
    Anweisung_Schritt(r.get(), 18, 1, true);
    EXPECT_EQ(r->anweisungen[68 + 18], 1);
    EXPECT_EQ(r->anweisungen[8], ANWEISUNG_AENDERUNG);
    EXPECT_EQ(r->anweisungen[7], 0);
    EXPECT_EQ(r->spieler[18].anweisung[5], 1) << "the entry waits for the engine";
}

TEST_F(Anweisungen, AllPlayersTakeTheFieldValuesAndTheKeeperKeepsHisOwn)
{
    Netz_Rolle = 0;
    const int32_t feld[ANWEISUNG_REIHEN] = {1, 2, 3, 4, 0};
    for (int32_t i = 0; i < ANWEISUNG_REIHEN; ++i)
        for (int32_t k = 0; k < feld[i]; ++k) Anweisung_Schritt(r.get(), 5, i, true);
    r->spieler[0].anweisung[8] = 2;
    r->spieler[0].anweisung[7] = 3;
    Draw_Anweisungen_Seite(nullptr, r.get(), 5, true, true);
    EXPECT_EQ(zaehlen("Anweisungen an alle Spieler"), 1);
    for (int32_t s = 0; s < 16; ++s) {
        EXPECT_EQ(r->spieler[s].anweisung[0], 1) << s;
        EXPECT_EQ(r->spieler[s].anweisung[5], 2) << s;
        EXPECT_EQ(r->spieler[s].anweisung[6], 3) << s;
        EXPECT_EQ(r->spieler[s].anweisung[3], 4) << s;
        EXPECT_EQ(r->spieler[s].anweisung[4], 0) << s;
    }
    EXPECT_EQ(r->spieler[0].anweisung[8], 2);
    EXPECT_EQ(r->spieler[0].anweisung[7], 3);
    // The other side is untouched.
    EXPECT_EQ(r->spieler[17].anweisung[0], 0);
}

TEST_F(Anweisungen, TheOpponentsPageHidesHisInstructionsAndEqualValuesAreDarkest)
{
    Netz_Rolle = 0;
    r->spieler[19].anweisung[0] = 3;
    Draw_Anweisungen_Seite(nullptr, r.get(), 19, false, true);
    EXPECT_EQ(zaehlen("-- ??? --"), ANWEISUNG_REIHEN);
    EXPECT_EQ(zaehlen("Spiele kaum aggressiv"), 0);
    // Viewing the opponent with the toggle on copies nothing into his side.
    EXPECT_EQ(r->spieler[17].anweisung[0], 0);

    // Every home player has the same strength: its value prints in shade 3.
    for (int32_t p = 0; p < 11; ++p) Spieler_Wert(SP_KRAFT, p, 500, SP_SCHREIBEN);
    Spieler_Wert(SP_AUSDAUER, 4, 900, SP_SCHREIBEN);
    Spieler_Wert(SP_AUSDAUER, 5, 100, SP_SCHREIBEN);
    texte.clear();
    Draw_Anweisungen_Seite(nullptr, r.get(), 4, true, false);
    char dunkel[32], hell[32];
    std::snprintf(dunkel, sizeof dunkel, "^c%05d^tz%04d500", int32_t(Grafik_Farbe(3, 3, 15)), 12 + 114);
    std::snprintf(hell, sizeof hell, "^c%05d^tz%04d900", int32_t(Grafik_Farbe(15, 15, 15)), 12 + 114);
    // Each label is followed by its value.
    const auto wert_von = [](const char* name) {
        for (size_t i = 0; i + 1 < texte.size(); ++i)
            if (texte[i].find(name) != std::string::npos) return texte[i + 1];
        return std::string();
    };
    EXPECT_NE(wert_von("Kraft").find(dunkel), std::string::npos) << wert_von("Kraft");
    EXPECT_NE(wert_von("Ausdauer").find(hell), std::string::npos) << wert_von("Ausdauer");
    EXPECT_EQ(zaehlen("Anweisungen an den Spieler"), 1);
    EXPECT_EQ(zaehlen("diesen Spieler ->"), 1);
}

}  // namespace

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_zeichnen.h"

namespace {

// Row r's picture is 5 r + the value mod 5; the presence counters are two bits a cell, four
// cells a byte, the first cell in the low bits.
TEST_F(Anweisungen, RowPicturesAndPresenceCellsAreCountedAsStored)
{
    EXPECT_EQ(Anweisung_Bild_Index(0, 0), 0);
    EXPECT_EQ(Anweisung_Bild_Index(2, 3), 13);
    EXPECT_EQ(Anweisung_Bild_Index(4, 4), 24);
    EXPECT_EQ(Anweisung_Bild_Index(1, 7), 7) << "a stored value past the row's steps still names a picture of the row";
    EXPECT_EQ(Anweisung_Bild_Index(5, 0), -1);
    EXPECT_EQ(Anweisung_Bild_Index(0, -1), -1);
    r->spieler[3].praesenz[0] = 0b11100100;  // cells 0-3: 0, 1, 2, 3
    r->spieler[3].praesenz[24] = 0b10000000;  // cell 99: 2
    for (int32_t z = 0; z < 4; ++z) EXPECT_EQ(Anweisung_Praesenz(r.get(), 3, z), z);
    EXPECT_EQ(Anweisung_Praesenz(r.get(), 3, 99), 2);
    EXPECT_EQ(Anweisung_Praesenz(r.get(), 3, 100), 0);
    EXPECT_EQ(Anweisung_Praesenz(r.get(), 40, 0), 0);
}

// The small pitch: where he stood most is lighter than where he never was, his area is outlined
// in the darkest value and his two positions carry the handles' pictures, centred on them.
TEST_F(Anweisungen, TheSmallPitchShowsPresenceAreaAndPositions)
{
    Spielfeld_Spieler& s = r->spieler[5];
    s.praesenz[0] = 3;  // cell 0 (top left), level 3
    const int32_t t[8] = {2160, 6480, 1361, 5445, 3240, 5400, 2722, 4083};  // area, def x, off x, def y, off y
    std::memcpy(s.taktik_punkte, t, sizeof t);
    Rastport* feld = Grafik_Bitmap_Anlegen(MINI_FELD_B, MINI_FELD_H, 16);
    Rastport* def = Grafik_Bitmap_Anlegen(5, 5, 16);
    Rastport* off = Grafik_Bitmap_Anlegen(5, 5, 16);
    ASSERT_TRUE(feld && def && off);
    Grafik_Rechteck_Fuellen(def, 0, 0, 5, 5, 0x1234);
    Grafik_Rechteck_Fuellen(off, 0, 0, 5, 5, 0x4321);
    Anweisung_Mini_Feld(feld, r.get(), 5, def, off);
    auto hell = [&](int32_t x, int32_t y) {
        const uint16_t p = Grafik_Pixel_Lesen(feld, x, y);
        return (p >> 11) + ((p >> 5) & 63) / 2 + (p & 31);
    };
    EXPECT_GT(hell(5, 4), hell(5 + 6 * 12, 4 + 4 * 7)) << "a visited cell is lighter";
    // the area x 2160..6480 -> 24..73, y 1361..5445 -> 15..60 (its four edges); the defensive
    // position (3240, 2722) -> (36, 30) and the offensive (5400, 4083) -> (61, 45), with corners
    for (const auto& [x, y, wert] : {std::tuple{40, 15, 1}, {24, 40, 1}, {50, 60, 1}, {73, 40, 1}, {36, 30, 0x1234},
                                     {34, 28, 0x1234}, {61, 45, 0x4321}, {63, 47, 0x4321}})
        EXPECT_EQ(Grafik_Pixel_Lesen(feld, x, y), wert) << x << ", " << y;
    for (Rastport* b : {feld, def, off}) Grafik_Bitmap_Freigeben(b);
}

// On the own side each row's value picture stands inside its button's left end; the opponent's
// page shows none.
TEST_F(Anweisungen, EachRowShowsItsValuesPictureOnTheOwnSideOnly)
{
    Netz_Rolle = 0;
    r->spieler[4].anweisung[0] = 3;  // row 1: aggressiveness
    Rastport* bilder[ANWEISUNG_BILDER] = {};
    for (int32_t i = 0; i < ANWEISUNG_BILDER; ++i) {
        bilder[i] = Grafik_Bitmap_Anlegen(50, 12, 16);
        ASSERT_NE(bilder[i], nullptr);
        Grafik_Rechteck_Fuellen(bilder[i], 0, 0, 50, 12, uint16_t(0x100 + i));
    }
    Rastport* seite = Grafik_Bitmap_Anlegen(414, 208, 16);
    ASSERT_NE(seite, nullptr);
    auto mitte = [&](int32_t reihe) {
        return Grafik_Pixel_Lesen(seite, ANWEISUNG_KNOPF_X + 25, ANWEISUNG_KNOPF_Y + ANWEISUNG_KNOPF_ABSTAND * reihe + ANWEISUNG_KNOPF_H / 2);
    };
    Grafik_Rechteck_Fuellen(seite, 0, 0, 414, 208, 0);
    Draw_Anweisungen_Seite(seite, r.get(), 4, true, false, bilder);
    EXPECT_EQ(mitte(0), 0x100 + 3);
    for (int32_t reihe = 1; reihe < ANWEISUNG_REIHEN; ++reihe) EXPECT_EQ(mitte(reihe), 0x100 + 5 * reihe) << reihe;
    Grafik_Rechteck_Fuellen(seite, 0, 0, 414, 208, 0);
    Draw_Anweisungen_Seite(seite, r.get(), 20, false, false, bilder);
    EXPECT_EQ(mitte(0), 0);
    for (Rastport* b : bilder) Grafik_Bitmap_Freigeben(b);
    Grafik_Bitmap_Freigeben(seite);
}

}  // namespace
