// The new-game start screen driven by a script on the headless screen.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/capture.h"
#include "common/welt_ordner.h"
#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "database/team.h"
#include "gameflow/eingang.h"
#include "platform/os/os.h"
#include "platform/win95.h"
#include "toolkit/icon.h"
#include "umgebung.h"

namespace {

using Startbildschirm = Toolkit_Test;

TEST_F(Startbildschirm, RowsStepTheirValuesAndTheButtonsEndIt)
{
    const std::string alter_pfad = Pfad_Config_Files;
    const std::filesystem::path welt = Test_Welt_Bauen("eingang", {"welt --world small", "wettbewerbe --world small"});
    ASSERT_TRUE(Team(0));
    ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));
    std::vector<int32_t> laender(static_cast<size_t>(Team_Anzahl));
    ASSERT_GE(Eingang_Liga_Icons_Bauen(laender.data()), 2);

    const char* bilder = std::getenv("DORVIN_BILDER");
    const std::string ordner = bilder ? bilder : welt.string();
    Eingang_Einstellungen e{0, 2, 1};
    Eingang_Eingabe m{"Manager 1", -1, 0, false};
    // The name typed (Shift for the capital, Return ends it), the only configuration set stays,
    // difficulty twice, season tickets off, the second country, the crest once; then start.
    std::string skript = "wait 20\ndump " + ordner + "/eingang_vorher.png\n";
    skript += "move 300 118\nwait 200\nclick 300 118\nwait 300\nkey_down 16\nkey 66\nkey_up 16\nkey 69\nkey 82\nkey 78\n"
              "key 68\nkey 13\nwait 300\n";
    for (int y : {150, 182, 182, 214, 246, 342})
        skript += "move 300 " + std::to_string(y) + "\nwait 200\nclick 300 " + std::to_string(y) + "\nwait 500\n";
    Os_Script_Load_Text(skript + "dump " + ordner + "/eingang_nachher.png\nmove 440 385\nwait 200\nclick 440 385\nwait 500\n");
    ASSERT_TRUE(Eingang_Start_Screen(e, m));
    Os_Script_Stop();
    EXPECT_STREQ(m.name, "Bernd");
    EXPECT_EQ(e.konfiguration, 0);
    EXPECT_EQ(e.schwierigkeit, 4);
    EXPECT_EQ(e.dauerkarten, 0);
    EXPECT_EQ(m.wappen, 1);
    EXPECT_TRUE(m.starten);
    ASSERT_GE(m.team, 0);
    EXPECT_EQ(Team_Wert(TEAM_NATION, m.team, 0, TEAM_LESEN), laender[1]);
    EXPECT_TRUE(std::filesystem::exists(ordner + "/eingang_nachher.png"));
    // Left, the screen gives its numbers up: in a running game the tables screen's fixtures
    // use them, and found the start screen's icons still registered under them.
    {
        Fehler_Capture f;
        Menue_Icon spaeter[2] = {Menue_Icon_Vorlage(2685, -1, 0, 10, 10, 20, 20, 5, 20), Menue_Icon_Listenende()};
        Menue_Icon_Liste_Hinzufuegen(spaeter);
        Menue_Icon_Liste_Entfernen(spaeter, 0);
        EXPECT_FALSE(f.contains("doppelt definiert")) << f.texts.front();
        for (int32_t n = 2680; n <= 2690; ++n)
            if (n != 2685) { EXPECT_EQ(Menue_Register(n)->icon, nullptr) << n; }
        Menue_Icon_Liste_Abmelden(spaeter);
    }

    // "Manager hinzufügen" ends it without starting; the end of the program adds nobody.
    Os_Script_Load_Text("wait 20\nmove 200 385\nwait 200\nclick 200 385\nwait 500\n");
    ASSERT_TRUE(Eingang_Start_Screen(e, m));
    Os_Script_Stop();
    EXPECT_FALSE(m.starten);
    EXPECT_GE(m.team, 0);
    Os_Script_Load_Text("wait 20\n");
    ASSERT_TRUE(Eingang_Start_Screen(e, m));
    Os_Script_Stop();
    EXPECT_EQ(m.team, -1);
    Programm_Ende = 0;

    // With a second configuration set the row picks it and ends the screen without a manager,
    // so that the caller reads that world first.
    std::filesystem::copy_file(welt / "config_files" / "1_team.cfg", welt / "config_files" / "2_team.cfg");
    const int32_t manager = Manager_Anzahl;
    Manager_Anzahl = 0;
    Os_Script_Load_Text("wait 20\nmove 300 150\nwait 200\nclick 300 150\nwait 500\n");
    ASSERT_TRUE(Eingang_Start_Screen(e, m));
    Os_Script_Stop();
    EXPECT_EQ(e.konfiguration, 1);
    EXPECT_EQ(m.team, -1);
    EXPECT_FALSE(m.starten);
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(2680));
    e.konfiguration = 0;
    Manager_Anzahl = manager;

    Wettbewerb_Free();
    Team_Free_Arrays(true);
    std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", alter_pfad.c_str());
    std::filesystem::remove_all(welt);
}

}  // namespace
