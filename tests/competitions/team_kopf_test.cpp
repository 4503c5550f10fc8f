// The club header of the acting club with its human manager: his small crest on the right and
// the name centred on the whole width, as a picture to look at beside a club without a manager.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "common/welt_ordner.h"
#include "competitions/spiele_welt.h"
#include "competitions/statistik_anzeige.h"
#include "database/manager.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_screen.h"
#include "platform/os/os_display.h"
#include "platform/resfile.h"

namespace {

using namespace spielwelt;

constexpr int32_t W = 320, H = 50;

class TeamKopf : public Spielwelt {
protected:
    std::filesystem::path ordner;
    int32_t alt_handle = -1, alt_tiefe = 0, alt_team = -1;
    void SetUp() override
    {
        Spielwelt::SetUp();
        ordner = Test_Welt_Bauen("teamkopf", {"resfiles"});
        alt_handle = ResFile_Handles[0].handle, alt_tiefe = Grafik_Screen_Geometrie.depth, alt_team = Aktuelles_Team;
        ResFile_Handles[0].handle = Init_ResFile((ordner / "resfile" / "resf_scr.res").c_str());
        ASSERT_GE(ResFile_Handles[0].handle, 0);
        Grafik_Screen_Geometrie.depth = 16;
        Grafik_Init();
        Manager_Neuer_Mitspieler(0, "Abe");
        Aktuelles_Team = 0;
    }
    void TearDown() override
    {
        Font_Alle_Freigeben();
        if (ResFile_Handles[0].handle >= 0) DeInit_ResFile(ResFile_Handles[0].handle);
        ResFile_Handles[0].handle = alt_handle;
        Grafik_Screen_Geometrie.depth = alt_tiefe;
        Aktuelles_Team = alt_team;
        Manager_Anzahl = 0;
        Highscore_Init();
        std::filesystem::remove_all(ordner);
        Spielwelt::TearDown();
    }
};

// The middle of the lit pixels of the name's row, right of the big crest and left of the small.
int32_t namensmitte(const uint16_t* p, int32_t oben)
{
    int32_t links = W, rechts = -1;
    for (int32_t y = oben + 6; y < oben + 20; ++y)
        for (int32_t x = 50; x < W - 40; ++x)
            if (p[size_t(y) * W + x]) links = std::min(links, x), rechts = std::max(rechts, x);
    return rechts < 0 ? -1 : (links + rechts) / 2;
}

TEST_F(TeamKopf, TheManagersClubShowsHisSmallCrestAndCentresItsNameOnTheWholeWidth)
{
    Rastport* seite = Grafik_Bitmap_Anlegen(W, 2 * H, 16);
    ASSERT_NE(seite, nullptr);
    std::memset(seite->pixels, 0, size_t(W) * 2 * H * 2);
    Team_Platz_Info_Zeichnen(seite, 0, 0, 0);
    Team_Platz_Info_Zeichnen(seite, 1, 0, H);
    const auto* p = static_cast<const uint16_t*>(seite->pixels);

    // The small crest 30 x 34 at (W - 34, 4), for the manager's club only.
    auto krone = [&](int32_t oben) {
        int32_t n = 0;
        for (int32_t y = oben + 4; y < oben + 38; ++y)
            for (int32_t x = W - 34; x < W - 4; ++x) n += p[size_t(y) * W + x] != 0;
        return n;
    };
    EXPECT_GT(krone(0), 200) << "no small crest for the manager's club";
    EXPECT_EQ(krone(H), 0);
    // His club's name sits on the middle of the width; another club's moves right by half its
    // crest.
    const int32_t mitte = namensmitte(p, 0), andere = namensmitte(p, H);
    EXPECT_NEAR(mitte, W / 2, 4);
    EXPECT_GT(andere, mitte + 8);

    const char* bilder = std::getenv("DORVIN_BILDER");
    const std::string datei = (bilder ? std::filesystem::path(bilder) : ordner) / "teamkopf.png";
    EXPECT_TRUE(Os_Png_Schreiben(datei.c_str(), p, W, 2 * H, W, false));
    Grafik_Bitmap_Freigeben(seite);
}

}  // namespace
