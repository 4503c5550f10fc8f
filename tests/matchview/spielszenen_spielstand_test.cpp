// The running match day saved from the live view by its key and loaded again through the main
// loop: the view's windows come back as the user laid them out, not as a new match day lays them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "database/team.h"
#include "gameflow/ablauf.h"
#include "gameflow/globals.h"
#include "gameflow/spielstand.h"
#include "matchview/live/spielszenen_live.h"
#include "platform/disk.h"
#include "platform/os/os_display.h"
#include "platform/win95.h"
#include "tests/matchview/spieltag_live.h"

namespace {

class Spielszenen_Spielstand : public Spieltag_Live_Welt {
protected:
    void TearDown() override
    {
        Disk_Set_Datei_Dialog_Hook(nullptr);
        Win95_Eingabe.taste = -1;
        Win95_Eingabe.shift = -1;
        Spieltag_Live_Welt::TearDown();
    }
};

int32_t dialoge = 0;

// The key as the window procedure leaves it, with Shift held or not.
void taste_s(bool shift)
{
    Win95_Eingabe.taste = ABLAUF_SPEICHERN_TASTE;
    Win95_Eingabe.shift = shift ? int16_t(0x8000) : 0;
}

TEST_F(Spielszenen_Spielstand, TheKeySavesTheLiveMatchAndTheLoadBringsItsLaidOutWindowsBack)
{
    Disk_Set_Datei_Dialog_Hook([](char* name, bool speichern) {
        ++dialoge;
        std::snprintf(name, SPIELSTAND_NAME_LAENGE, "%s", speichern ? "im_spiel" : "");
        return speichern;
    });
    dialoge = 0;
    // in a turn the key is not the loop's: nothing is saved and the key stays for the menu
    taste_s(true);
    Ablauf_Tastatur_Auswerten();
    EXPECT_EQ(dialoge, 0);
    EXPECT_EQ(Win95_Eingabe.taste, ABLAUF_SPEICHERN_TASTE);
    Win95_Eingabe.taste = -1;

    const int32_t verein = Aktuelles_Team >= 0 ? Aktuelles_Team : 0;
    Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_LIVE, verein);
    ASSERT_TRUE(Spieltag_Bis_Live());
    Spieltag_Laufen(1000);
    // the only game's window shrunk to the upper half: not the layout a match day starts with
    Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[0];
    Spielszenen_Fenster_Befehl = 5;
    Spieltag_Laufen(100);
    ASSERT_EQ(f.groesse, 1);
    ASSERT_EQ(Spielszenen_Aufteilung, 3);
    const int32_t spiel = f.spiel;
    // nor in the report sequence between the halves, the view up as it is
    ASSERT_EQ(Ablauf_Zustand, ABLAUF_SPIEL_LAEUFT);
    Ablauf_Zustand = ABLAUF_HALBZEIT;
    taste_s(true);
    Ablauf_Tastatur_Auswerten();
    Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
    EXPECT_EQ(dialoge, 0);
    Win95_Eingabe.taste = -1;

    // Shift+S asks for the name; S alone saves under the last one without asking
    taste_s(true);
    Ablauf_Schritt();
    EXPECT_EQ(dialoge, 1);
    ASSERT_TRUE(std::filesystem::exists(datei("im_spiel")));
    std::filesystem::remove(datei("im_spiel"));
    taste_s(false);
    Ablauf_Schritt();
    EXPECT_EQ(dialoge, 1);
    ASSERT_TRUE(std::filesystem::exists(datei("im_spiel")));
    EXPECT_EQ(Win95_Eingabe.taste, -1) << "the key was taken";

    // enlarged again, then the save loaded while the match goes on: the half comes back, and
    // stays through the frames that follow
    Spielszenen_Fenster_Befehl = 4;
    Spieltag_Laufen(100);
    ASSERT_EQ(f.groesse, 0);
    ASSERT_TRUE(Disk_Spielstand_Laden("im_spiel"));
    Spieltag_Laufen(500);
    ASSERT_TRUE(Spielszenen_Ist_Geladen());
    EXPECT_EQ(f.spiel, spiel);
    EXPECT_EQ(f.groesse, 1);
    EXPECT_EQ(f.aktiv, 1);
    EXPECT_EQ(f.eingerichtet, 1);
    EXPECT_EQ(f.hoehe, 233);
    EXPECT_EQ(Spielszenen_Aufteilung, 3);
    for (int32_t i = 1; i < SPIELSZENEN_FENSTER; ++i) EXPECT_EQ(Spielszenen_Fenster_Liste[i].spiel, -1) << i;
    const std::string bilder = SPIELSZENEN_ORDNER + "/spielstand_" + std::to_string(::getpid());
    std::filesystem::create_directories(bilder);
    EXPECT_TRUE(Os_Display_Dump_Png((bilder + "/geladen_halb.png").c_str()));
}

}  // namespace
