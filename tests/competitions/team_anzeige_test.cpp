// Club presentation helpers: the league name, the club header, the picture mask and the pause
// of the report pages.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "competitions/statistik.h"
#include "competitions/statistik_anzeige.h"
#include "competitions/spiele_welt.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "graphics/grafik_bitmap.h"
#include "network/internet.h"
#include "common/welt_ordner.h"
#include "competitions/programm_schriften.h"
#include "graphics/font.h"
#include "graphics/grafik_screen.h"
#include "platform/os/os.h"
#include "platform/os/os_display.h"
#include "platform/resfile.h"
#include "platform/timer.h"
#include "platform/win95.h"
#include "toolkit/dienste.h"

namespace {

using namespace spielwelt;

class TeamAnzeige : public Spielwelt {};

TEST_F(TeamAnzeige, LeagueNameWithAmateurMarkAndNationForClubsWithoutLeague)
{
    EXPECT_STREQ(Team_Liga_Name(0), Wettbewerb_Get_Anzeigename(LIGA));
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->amateur_liga = 1;
    EXPECT_EQ(std::string(Team_Liga_Name(0)), std::string(Wettbewerb_Get_Anzeigename(LIGA)) + ", Amat.");
    // Team 30 plays nowhere: its nation's name.
    T_Fix[30].nation = 33;
    const std::string land = Team_String(TEAM_NAME_LAND, 33, nullptr, 0);
    EXPECT_EQ(std::string(Team_Liga_Name(30)), land);
    EXPECT_STREQ(Team_Liga_Name(-1), "");
}

TEST_F(TeamAnzeige, HeaderDrawsItsLineAndStaysInsideTheBitmap)
{
    Rastport* b = Grafik_Bitmap_Anlegen(200, 60, 16);
    ASSERT_NE(b, nullptr);
    std::memset(b->pixels, 0, size_t(b->width) * b->height * 2);
    Team_Platz_Info_Zeichnen(b, 30, 0, 0);  // no place: the bracketed league
    const auto* p = static_cast<const uint16_t*>(b->pixels);
    EXPECT_NE(p[44 * 200 + 4], 0);
    EXPECT_NE(p[44 * 200 + 195], 0);
    EXPECT_EQ(p[44 * 200 + 3], 0);
    EXPECT_EQ(p[44 * 200 + 197], 0);
    EXPECT_EQ(p[45 * 200 + 100], 0);
    Team_Platz_Info_Zeichnen(nullptr, 1, 0, 0);
    Team_Platz_Info_Zeichnen(b, 9999, 0, 0);
    Grafik_Bitmap_Freigeben(b);
}

TEST_F(TeamAnzeige, MaskMarksEveryNonZeroPixelOfA16BitPicture)
{
    Rastport* bild = Grafik_Bitmap_Anlegen(7, 5, 16);
    Rastport* maske = Grafik_Bitmap_Anlegen(7, 5, 16);
    auto* q = static_cast<uint16_t*>(bild->pixels);
    auto* z = static_cast<uint16_t*>(maske->pixels);
    for (int32_t i = 0; i < 35; ++i) {
        q[i] = uint16_t(i % 3 == 0 ? 0 : (i * 2654435761u) >> 16 | 1);
        z[i] = 77;
    }
    Ligen_Bild_Maske_Erzeugen(bild, maske);
    for (int32_t i = 0; i < 35; ++i) EXPECT_EQ(z[i], i % 3 == 0 ? 0 : 1) << i;
    // Another size or depth leaves the mask alone.
    Rastport* anders = Grafik_Bitmap_Anlegen(6, 5, 16);
    auto* a = static_cast<uint16_t*>(anders->pixels);
    for (int32_t i = 0; i < 30; ++i) a[i] = 9;
    Ligen_Bild_Maske_Erzeugen(bild, anders);
    for (int32_t i = 0; i < 30; ++i) EXPECT_EQ(a[i], 9);
    Grafik_Bitmap_Freigeben(bild);
    Grafik_Bitmap_Freigeben(maske);
    Grafik_Bitmap_Freigeben(anders);
}

// Three club headers with the built fonts and crests, as a picture to look at: a league club
// with its place, a club of an amateur league, a club without a league.
TEST_F(TeamAnzeige, HeadersOfThreeClubsAsAPicture)
{
    const Programm_Schriften schriften("kopfzeilen");
    ASSERT_TRUE(schriften.bereit());
    const auto& ordner = schriften.ordner;
    const int32_t block = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spiele_block = block;
    ergebnis(block, 0, 0, 0, 1, 2, 0);
    ergebnis(block, 0, 1, 2, 3, 1, 1);
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(ANDERE_LIGA))->amateur_liga = 1;

    Rastport* seite = Grafik_Bitmap_Anlegen(320, 150, 16);
    std::memset(seite->pixels, 0, size_t(320) * 150 * 2);
    const int32_t teams[3] = {0, 12, 30};
    for (int32_t i = 0; i < 3; ++i) Team_Platz_Info_Zeichnen(seite, teams[i], 0, 50 * i);
    const auto* p = static_cast<const uint16_t*>(seite->pixels);
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_NE(p[size_t(50 * i + 44) * 320 + 10], 0) << "line of header " << i;
        int32_t text = 0;
        for (int32_t y = 50 * i + 6; y < 50 * i + 34; ++y)
            for (int32_t x = 120; x < 220; ++x) text += p[size_t(y) * 320 + x] != 0;
        EXPECT_GT(text, 20) << "name and league of header " << i;
    }
    const char* bilder = std::getenv("DORVIN_BILDER");
    const std::string datei = (bilder ? std::filesystem::path(bilder) : ordner) / "kopfzeilen.png";
    EXPECT_TRUE(Os_Png_Schreiben(datei.c_str(), p, 320, 150, 320, false));
    Grafik_Bitmap_Freigeben(seite);
}

int32_t durchgaenge = 0;
int32_t ende_nach = -1;

class Pause : public ::testing::Test {
protected:
    void SetUp() override
    {
        durchgaenge = 0;
        ende_nach = -1;
        Steuersignal_Set_Beobachter([] {
            if (++durchgaenge == ende_nach) Win95_Eingabe.taste = 'X';
        });
    }
    void TearDown() override
    {
        Steuersignal_Set_Beobachter(nullptr);
        Win95_Eingabe.taste = -1;
        Menue_Automatik_Bytes[0] = Menue_Automatik_Bytes[1] = 0;
        Netz_Rolle = 0;
    }
};

TEST_F(Pause, ZeroWaitsUntilTheClockMoves)
{
    const uint32_t vorher = Timer_Get_Time();
    EXPECT_EQ(Auslosung_Warten(0, 1), 1);
    EXPECT_GT(Timer_Get_Time(), vorher);
}

TEST_F(Pause, TimeOutKeyAndAutomaticModeEndIt)
{
    uint32_t vorher = Timer_Get_Time();
    Auslosung_Warten(50, 1);
    EXPECT_GT(Timer_Get_Time() - vorher, 50u);

    // A server serves its clients in every pass; a key ends a long wait (a waiting one is dropped).
    Netz_Rolle = 2;
    Win95_Eingabe.taste = 'A';
    ende_nach = 5;
    vorher = Timer_Get_Time();
    Auslosung_Warten(600000, 1);
    EXPECT_EQ(durchgaenge, 5);  // the key came in the fifth pass
    EXPECT_LT(Timer_Get_Time() - vorher, 1000u);
    // A client does not serve.
    Netz_Rolle = 1;
    durchgaenge = 0;
    Auslosung_Warten(20, 1);
    EXPECT_EQ(durchgaenge, 0);

    Menue_Automatik_Bytes[0] = 1;
    vorher = Timer_Get_Time();
    Auslosung_Warten(600000, 1);
    EXPECT_LT(Timer_Get_Time() - vorher, 1000u);
}

TEST_F(Pause, AHeldScriptCannotAnswerSoThePagePassesAtOnce)
{
    const bool vorher_gehalten = Os_Script_Halten(true);
    const uint32_t vorher = Timer_Get_Time();
    EXPECT_EQ(Auslosung_Warten(600000, 0), 1);
    EXPECT_LT(Timer_Get_Time() - vorher, 10u);
    Os_Script_Halten(vorher_gehalten);
}

}  // namespace
