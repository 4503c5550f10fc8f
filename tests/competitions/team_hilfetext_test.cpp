// The club picture of the tables: the season's course behind it and the picture's life.
#include <gtest/gtest.h>

#include <cstring>

#include "competitions/spiele_welt.h"
#include "competitions/team_hilfetext.h"
#include "graphics/grafik_bitmap.h"
#include "platform/handle.h"
#include "toolkit/icon.h"

namespace {

using namespace spielwelt;

class TeamHilfetext : public Spielwelt {
protected:
    int32_t block = -1;
    void SetUp() override
    {
        Spielwelt::SetUp();
        block = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
        Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spiele_block = block;
    }
    void tag(int32_t n) { Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spieltag = n; }
};

TEST_F(TeamHilfetext, HomeWinsRiseAwayLossesFall)
{
    ergebnis(block, 0, 0, 0, 1, 2, 0);
    ergebnis(block, 0, 1, 2, 3, 1, 1);
    ergebnis(block, 1, 0, 2, 0, 3, 1);
    ergebnis(block, 1, 1, 1, 3, 0, 0);
    ergebnis(block, 2, 0, 0, 3, 1, 0);
    ergebnis(block, 2, 1, 1, 2, 0, 0);
    EXPECT_EQ(Spiele_Wettbewerb_Spiel_Des_Teams(LIGA, 1, 0), 0);
    EXPECT_EQ(Spiele_Wettbewerb_Spiel_Des_Teams(LIGA, 1, 3), 1);
    EXPECT_EQ(Spiele_Wettbewerb_Spiel_Des_Teams(LIGA, 1, 30), -1);
    tag(3);
    Team_Verlauf v;
    ASSERT_TRUE(Team_Hilfetext_Verlauf(0, &v));
    EXPECT_EQ(v.heim, (std::vector<int32_t>{1, 1, 2}));
    EXPECT_EQ(v.auswaerts, (std::vector<int32_t>{0, -1, -1}));
    ASSERT_EQ(v.platz.size(), 3u);
    EXPECT_EQ(v.platz[0], 0);
    // Before the first day there is no course, and on day 1 the chart has no width to step.
    tag(0);
    ASSERT_TRUE(Team_Hilfetext_Verlauf(0, &v));
    EXPECT_TRUE(v.platz.empty());
    EXPECT_EQ(Team_Hilfetext_X_Schritt(210, 1), 0);
    EXPECT_EQ(Team_Hilfetext_X_Schritt(210, 0), 0);
    EXPECT_EQ(Team_Hilfetext_X_Schritt(210, 3), 100);
}

TEST_F(TeamHilfetext, KnockOutLeagueGivesNoCourse)
{
    tag(1);
    ergebnis(block, 0, 0, 0, 1, 2, 0);
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->modus |= KO_SYSTEM;
    Team_Verlauf v;
    EXPECT_FALSE(Team_Hilfetext_Verlauf(0, &v));
    EXPECT_TRUE(v.heim.empty());
    EXPECT_FALSE(Team_Hilfetext_Verlauf(-1, &v));
}

TEST_F(TeamHilfetext, EachPictureReplacesTheLastOne)
{
    tag(1);
    ergebnis(block, 0, 0, 0, 1, 2, 0);
    Menue_Icon i = Menue_Icon_Vorlage(2610, -1, 0, 0, 0, 10, 10, 13, 255);
    i.kennung_1 = 0;
    const std::string erster = Team_Hilfetext_Team_Sefo(&i);
    ASSERT_EQ(erster.size(), 13u);
    EXPECT_EQ(erster.substr(0, 5), "\xB0rp0x");
    const uint32_t h1 = uint32_t(std::stoul(erster.substr(5), nullptr, 16));
    const auto* b = static_cast<Rastport*>(Handle_Aufloesen(h1, Handle_Art::Bild));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->width, 210u);
    EXPECT_EQ(b->height, 166u);
    const std::string zweiter = Team_Hilfetext_Team_Sefo(&i);
    // The bubble copied the first picture; its handle no longer names freed memory.
    EXPECT_EQ(Handle_Aufloesen(h1, Handle_Art::Bild), nullptr);
    EXPECT_NE(Handle_Aufloesen(uint32_t(std::stoul(zweiter.substr(5), nullptr, 16)), Handle_Art::Bild), nullptr);
    i.kennung_1 = -1;
    EXPECT_STREQ(Team_Hilfetext_Team_Sefo(&i), "");
}

}  // namespace
