// A new game of the small world with one manager whose club's matches are broadcast live, played
// through the main loop to the club's first match day: the live view loads, draws the game, turns
// it round on the mirror command, and a save in the match brings the same windows back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "database/team.h"
#include "gameflow/ablauf.h"
#include "graphics/grafik_screen.h"
#include "match/spieltag_welt.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/spielszenen.h"
#include "platform/disk.h"
#include "platform/os/os_display.h"
#include "platform/timer.h"
#include "tests/matchview/spielszenen_dateien.h"
#include "tests/matchview/spieltag_live.h"

namespace {

class Spielszenen_Spieltag : public Spieltag_Live_Welt {};

bool bis_live() { return Spieltag_Bis_Live(); }
void laufen(uint32_t ms) { Spieltag_Laufen(ms); }

TEST_F(Spielszenen_Spieltag, TheOwnClubsFirstMatchDayIsShownLive)
{
    const int32_t verein = Aktuelles_Team >= 0 ? Aktuelles_Team : 0;
    // the club's matches are broadcast live, as the manager's choice in the club's menu sets it
    Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_LIVE, verein);
    ASSERT_TRUE(bis_live());
    const int32_t a = Spielszenen_Aktives_Fenster();
    ASSERT_GE(a, 0);
    Spielfeld_Record* r = Spielszenen_Fenster_Liste[a].record;
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(int32_t(r->team[0]) == verein || int32_t(r->team[1]) == verein);
    // the test's clock runs 2 ms a pass of the main loop: 10 s of it are some 20 match minutes
    laufen(10000);
    ASSERT_TRUE(Spielszenen_Ist_Geladen());
    const std::string bilder = SPIELSZENEN_ORDNER + "/spieltag_" + std::to_string(::getpid());
    std::filesystem::create_directories(bilder);
    EXPECT_TRUE(Os_Display_Dump_Png((bilder + "/live_10s.png").c_str()));
    EXPECT_EQ(Spielszenen_Fenster_Liste[a].eingerichtet, 1);
    EXPECT_EQ(r->anzeige, 1);

    const int32_t gespiegelt = r->gespiegelt;
    Spielszenen_Ansicht_Befehl = 3;
    laufen(500);
    EXPECT_NE(r->gespiegelt, gespiegelt);
    EXPECT_TRUE(Os_Display_Dump_Png((bilder + "/live_gespiegelt.png").c_str()));

    // saved in the match and loaded again: the same windows come back
    Spielszenen_Fenster vorher[SPIELSZENEN_FENSTER];
    std::memcpy(static_cast<void*>(vorher), Spielszenen_Fenster_Liste, sizeof vorher);
    ASSERT_TRUE(Disk_Spielstand_Speichern("live_im_spiel"));
    ASSERT_TRUE(Disk_Spielstand_Laden("live_im_spiel"));
    for (int32_t i = 0; i < SPIELSZENEN_FENSTER; ++i) {
        const Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[i];
        EXPECT_EQ(f.spiel, vorher[i].spiel) << i;
        EXPECT_EQ(f.groesse, vorher[i].groesse) << i;
        EXPECT_EQ(f.x, vorher[i].x) << i;
        EXPECT_EQ(f.hoehe, vorher[i].hoehe) << i;
    }
    EXPECT_EQ(Spielszenen_Aktives_Fenster(), a);
    laufen(500);
    EXPECT_TRUE(Os_Display_Dump_Png((bilder + "/live_geladen.png").c_str()));
}

}  // namespace
