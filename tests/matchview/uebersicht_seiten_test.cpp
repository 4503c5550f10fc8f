// The overview's list geometry by game count, the radar of a live game, and the game page's
// statistics lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_zeichnen.h"
#include "match/spielfeld.h"
#include "matchview/overview/uebersicht_seiten.h"
#include "network/signal_welt.h"

namespace {

TEST(Uebersicht, RowsByGameCountAndTheSecondLineOnlyInTallRows)
{
    const auto m16 = Spielansicht_Liste_Masse_Berechnen(16, false, 0);
    EXPECT_EQ(m16.zeile, 22);
    EXPECT_EQ(m16.oben, 61);
    EXPECT_EQ(m16.hoehe, 358);
    EXPECT_TRUE(m16.zweite_zeile);
    const auto m15 = Spielansicht_Liste_Masse_Berechnen(15, false, 0);
    EXPECT_EQ(m15.zeile, 24);
    EXPECT_EQ(m15.oben, 240 - (15 * 24 + 6) / 2);
    const auto m17 = Spielansicht_Liste_Masse_Berechnen(17, false, 0);
    EXPECT_EQ(m17.zeile, 10);
    EXPECT_FALSE(m17.zweite_zeile);
    // The live table: 14-pixel rows for its teams, never a second line.
    const auto t = Spielansicht_Liste_Masse_Berechnen(16, true, 18);
    EXPECT_EQ(t.zeile, 14);
    EXPECT_EQ(t.hoehe, 18 * 14 + 16);
    EXPECT_EQ(t.oben, 240 - t.hoehe / 2);
    EXPECT_FALSE(t.zweite_zeile);
}

// A long club name ends before the next column with a full stop; crest and the own club's marks
// stay whole; a short name is left as it is.
TEST(Uebersicht, AListNameEndsBeforeItsNextColumn)
{
    ASSERT_NE(Font(7), nullptr);
    signal_welt::Vereine vereine(3);
    std::snprintf(vereine.fix[1].name, sizeof vereine.fix[1].name, "%s", "Borussia Oberkirchhause");
    std::snprintf(vereine.fix[2].name, sizeof vereine.fix[2].name, "%s", "FC Ost");
    const int32_t aktuell = Aktuelles_Team;
    Aktuelles_Team = 1;
    const std::string lang = Spielansicht_Name_In_Breite(1, 7, 100);
    Aktuelles_Team = aktuell;
    EXPECT_LE(Font_Text_Breite_Mit_Tabs(Font(7), lang.c_str()), 100) << lang;
    EXPECT_EQ(lang.rfind("^bb^ub^gll0001Borussia", 0), 0u) << lang;
    EXPECT_NE(lang.find(".^be^ue"), std::string::npos) << lang;
    EXPECT_EQ(Spielansicht_Name_In_Breite(2, 7, 100), "^gll0002FC Ost");
    EXPECT_EQ(Spielansicht_Name_In_Breite(7, 7, 100), "");
}

class Radar : public ::testing::Test {
protected:
    std::unique_ptr<Spielfeld_Record> r = std::make_unique<Spielfeld_Record>();
    Rastport* bild = nullptr;
    void SetUp() override
    {
        bild = Grafik_Bitmap_Anlegen(SPIELANSICHT_RADAR_BREITE, SPIELANSICHT_RADAR_HOEHE, 16);
        ASSERT_NE(bild, nullptr);
        leeren();
        r->aktiv = 1;
        r->objekt[0].aktiv = 1;
        r->objekt[0].x = 0;
        r->objekt[0].y = 0;
        r->objekt[35].x = 10800;  // the ball at the far corner
        r->objekt[35].y = 6800;
    }
    void TearDown() override { Grafik_Bitmap_Freigeben(bild); }
    void leeren() { Grafik_Rechteck_Fuellen(bild, 0, 0, SPIELANSICHT_RADAR_BREITE, SPIELANSICHT_RADAR_HOEHE, 0); }
    uint16_t px(int32_t x, int32_t y) { return Grafik_Pixel_Lesen(bild, x, y); }
};

TEST_F(Radar, SwappedSidesMirrorAndABackgroundGameHasNone)
{
    ASSERT_TRUE(Spielansicht_Radar_Zeichnen(r.get(), bild));
    EXPECT_EQ(px(1, 1), Grafik_Farbe(15, 0, 0));
    EXPECT_EQ(px(53, 34), 0xFFFF);
    leeren();
    r->seiten_getauscht = 1;
    ASSERT_TRUE(Spielansicht_Radar_Zeichnen(r.get(), bild));
    EXPECT_EQ(px(54, 34), Grafik_Farbe(15, 0, 0));
    EXPECT_EQ(px(2, 1), 0xFFFF);  // the ball scale is 52 wide, the mirror 53
    EXPECT_EQ(px(53, 34), 0);
    leeren();
    r->aktiv = 0;
    EXPECT_FALSE(Spielansicht_Radar_Zeichnen(r.get(), bild));
    r->aktiv = 1;
    r->abgeschlossen = 1;
    EXPECT_FALSE(Spielansicht_Radar_Zeichnen(r.get(), bild));
    for (int32_t y = 0; y < SPIELANSICHT_RADAR_HOEHE; ++y)
        for (int32_t x = 0; x < SPIELANSICHT_RADAR_BREITE; ++x) ASSERT_EQ(px(x, y), 0);
}

TEST(UebersichtStatistik, ContactSharesMayAddToAHundredAndOne)
{
    auto r = std::make_unique<Spielfeld_Record>();
    r->team[0] = r->team[1] = uint32_t(-1);
    r->statistik[2][5] = 1;  // home 1 of 3 contacts, away 2
    r->statistik[18][5] = 2;
    r->statistik[2][1] = 10;
    r->statistik[2][0] = 3;
    const Spielansicht_Statistik t = Spielansicht_Statistik_Texte(r.get());
    EXPECT_NE(t.heim[3].find("33% aller"), std::string::npos) << t.heim[3];
    EXPECT_NE(t.gast[3].find("67% aller"), std::string::npos) << t.gast[3];
    EXPECT_NE(t.heim[0].find("30% der Pässe"), std::string::npos);
    EXPECT_TRUE(t.gast[0].empty()) << "no passes, no line";
    EXPECT_TRUE(t.heim[1].empty()) << "no tackles, no line";
    EXPECT_NE(t.gast[2].find("0 gezielte"), std::string::npos);
}

}  // namespace
