// The menu services end to end under a headless script: the options menu with its help
// sub-list, a favourites menu on a screen icon, and a text field being edited. The frames are
// dumped for a person to look at (DORVIN_MENUE_BILDER=DIR keeps them there); the test checks
// what the choices did.
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "competitions/statistik_anzeige.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "match/spieltag.h"
#include "graphics/font.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/mem.h"
#include "platform/os/os.h"
#include "platform/win95.h"
#include "toolkit/dienste.h"
#include "toolkit/event.h"
#include "toolkit/favoriten.h"
#include "toolkit/key_input.h"
#include "toolkit/screen.h"
#include "umgebung.h"

namespace {

char vereinsname[32] = "Nordstadt";

int32_t name_bearbeiten(Menue_Icon* icon, uint32_t)
{
    Key_Input_String(nullptr, vereinsname, int32_t(sizeof vereinsname), 24,
                     KEY_INPUT_STANDARD | KEY_INPUT_TEXT | KEY_INPUT_MAUS | KEY_INPUT_ALLES_WAEHLEN, icon->x, icon->y,
                     icon->breite, 14, 0, 0, Menue_Get_Hintergrund(), icon->x, icon->y, nullptr);
    icon->refresh = 1;
    return 1;
}

int32_t oeffnen(Menue_Icon*, uint32_t) { return 1; }

class MenueSzene : public Toolkit_Test {
protected:
    Manager_Struktur* manager = nullptr;
    void SetUp() override
    {
        Toolkit_Test::SetUp();
        manager = vereine_anlegen(4, 1);
        Eingang_Set_Spiel_Gestartet_Hook([] { return true; });
    }
};

TEST_F(MenueSzene, OptionsFavouritesAndTextEntry)
{
    static Menue_Icon liste[3];
    liste[0] = Menue_Icon_Vorlage(1061, -1, ICON_WERTTEXT, 40, 300, 140, 24, 5, 24);
    liste[0].daten = const_cast<char*>("Tabelle");
    liste[0].hilfetext = "Tabelle der Liga";
    liste[0].klick = oeffnen;
    liste[0].kontext = Menue_Make_Lieblingsmenue_Kontextmenue;
    liste[1] = Menue_Icon_Vorlage(1062, -1, ICON_WERTTEXT, 40, 340, 200, 14, 5, 20);
    liste[1].daten = vereinsname;
    liste[1].klick = name_bearbeiten;
    liste[2] = Menue_Icon_Listenende();
    Menue_Hintergrund_Zeichnen(0);
    Menue_Icon_Liste_Hinzufuegen(liste);
    for (int k = 0; k < 10; ++k) knoepfe[{1, 724 + k}] = uint32_t(-1);

    const char* gewuenscht = std::getenv("DORVIN_MENUE_BILDER");
    const std::string ordner =
        gewuenscht ? std::string(gewuenscht) : std::string(DORVIN_BINARY_DIR) + "/menue_szene_" + std::to_string(getpid());
    ASSERT_EQ(std::system(("mkdir -p " + ordner).c_str()), 0);
    const std::string skript =
        // The options menu on empty space, the help sub-list opened by resting on its row.
        "move 300 100\nwait 100\nright down\nwait 50\nright up\nwait 300\n"
        "move 330 318\nwait 200\nmove 331 318\nwait 200\n"
        "dump " + ordner + "/optionen.png\n"
        "move 260 320\nwait 50\nmove 200 341\nwait 100\nclick 200 341\nwait 100\n"
        // The sub-list and then the list stay open for more choices; each closes once the pointer
        // has been outside it for a while.
        "move 60 200\nwait 600\nmove 61 200\nwait 600\nmove 62 200\nwait 200\n"
        // The favourites menu of a screen icon; its first slot takes the screen.
        "move 90 312\nwait 200\nright down\nwait 50\nright up\nwait 300\nmove 100 346\nwait 200\n"
        "dump " + ordner + "/lieblingsmenue.png\n"
        "move 100 295\nwait 100\nclick 100 295\nwait 300\n"
        // The club name edited in its field.
        "move 60 346\nwait 100\nclick 60 346\nwait 100\n"
        "key_down 16\nkey 83\nkey_up 16\nkey 84\nkey 65\nkey 68\nkey 84\nkey 32\nkey_down 16\nkey 53\nkey_up 16\nwait 400\n"
        "dump " + ordner + "/textfeld.png\n"
        "key 13\nwait 100\n";
    Os_Script_Load_Text(skript);
    int8_t r = 1;
    for (int schritte = 0; !Os_Script_Finished() && schritte < 20000; ++schritte) r = Menue_Event_Schritt(r != 0, -1);
    EXPECT_TRUE(Os_Script_Finished());
    Os_Script_Stop();
    Programm_Ende = 0;

    EXPECT_EQ(manager->optionen[0], 0x02);            // "Hilfetext schnell"
    EXPECT_EQ((knoepfe[{1, 724}]), 1061u);             // the first favourite
    EXPECT_STREQ(vereinsname, "Stadt %");
    if (!gewuenscht) std::system(("rm -rf " + ordner).c_str());
}

// The main menu of a turn with its standing icons, panels and bars.
TEST_F(MenueSzene, MainMenuOfATurn)
{
    Menue_Rein(1, 1);
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    EXPECT_TRUE(Menue_Screen_Icon_Ist_Vorhanden(723));
    EXPECT_EQ(Menue_Screen_Icon_Aus_Nummer(704)->breite, 40);
    if (const char* ordner = std::getenv("DORVIN_MENUE_BILDER")) {
        Os_Script_Load_Text(std::string("dump ") + ordner + "/hauptmenue.png\n");
        while (!Os_Script_Finished()) Win95_Message_Pump();
        Os_Script_Stop();
        Programm_Ende = 0;
    }
    Menue_Raus();
}

// A client's match day runs only while the games play: in its round the match day names the
// opponent and the competition but no game record. The turn still knows that its club plays
// (its end names a captain, as the server's would).
TEST_F(MenueSzene, AClubWhoseGameHasNoRecordStillPlaysToday)
{
    Spieltag_Set_Gegner_Hook([](int32_t team, int32_t*, int32_t*, int32_t* spiel, int32_t* wettbewerb) {
        if (spiel) *spiel = -1;
        if (wettbewerb) *wettbewerb = team == 1 ? 3 : -1;
        return team == 1 ? 2 : -1;
    });
    Menue_Rein(1, 1);
    EXPECT_EQ(Gegner_Team, 2);
    EXPECT_EQ(Menue_Heutiges_Spiel_Wert(), 3);
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    Menue_Raus();
    Menue_Rein(2, 1);
    EXPECT_EQ(Menue_Heutiges_Spiel_Wert(), -1) << "a club without a game today";
    Menue_Raus();
    Spieltag_Set_Gegner_Hook(nullptr);
}

// The corner crests show the clubs of the panels beside them, whichever side the acting club
// plays, and draw themselves as the frame's crest.
TEST_F(MenueSzene, TheCornerCrestsFollowTheClubPanels)
{
    const int32_t seite = Aktuelles_Team_Seite;
    for (int32_t s : {0, 1}) {
        Aktuelles_Team_Seite = s;
        Menue_Rein(s == 0 ? 1 : 2, 1);
        const Menue_Icon *heim = Menue_Screen_Icon_Aus_Nummer(701), *gast = Menue_Screen_Icon_Aus_Nummer(702);
        const Menue_Icon *links = Menue_Screen_Icon_Aus_Nummer(759), *rechts = Menue_Screen_Icon_Aus_Nummer(760);
        ASSERT_TRUE(heim && gast && links && rechts);
        EXPECT_EQ(heim->kennung_1, s == 0 ? 1 : Gegner_Team) << s;
        EXPECT_EQ(links->kennung_1, heim->kennung_1) << s;
        EXPECT_EQ(rechts->kennung_1, gast->kennung_1) << s;
        EXPECT_EQ(links->refresh_prozedur, Rahmen_Wappen_Zeichnen);
        EXPECT_EQ(rechts->refresh_prozedur, Rahmen_Wappen_Zeichnen);
        Menue_Raus();
    }
    Aktuelles_Team_Seite = seite;
}

}  // namespace

// Between two managers' turns the back page is left to the next turn's background: the page it
// starts from is the one a filled page would give. A fill left waiting is made whole when
// something else comes first.
TEST_F(MenueSzene, TheNextTurnStartsFromTheSameBackPageWhetherTheFillWaitedOrNot)
{
    ASSERT_TRUE(Grafik_Seite_1);
    const size_t n = size_t(Grafik_Seite_1->width) * Grafik_Seite_1->height;
    auto seite = [n] {
        const auto* p = static_cast<const uint16_t*>(Grafik_Seite_1->pixels);
        return std::vector<uint16_t>(p, p + n);
    };
    std::vector<uint16_t> vorher[2];
    for (uint8_t zug_folgt : {0, 1}) {
        Menue_Rein(1, 1);
        Menue_Screen_Refresh(1, -1, -1, -1, -1);
        Menue_Raus(zug_folgt);
        Menue_Rein(2, 1);
        vorher[zug_folgt] = seite();
        Menue_Raus();
    }
    EXPECT_TRUE(vorher[0] == vorher[1]);

    // The program ends, or a dialog comes between the turns: the page is filled as before.
    Menue_Rein(1, 1);
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    Menue_Raus(1);
    Menue_Seite_Fuellen_Nachholen();
    const std::vector<uint16_t> gefuellt = seite();
    EXPECT_EQ(std::count(gefuellt.begin(), gefuellt.end(), uint16_t(1)), std::ptrdiff_t(640 * 480));
    // Once made, it is not made again over what is drawn since.
    Grafik_Rechteck_Fuellen(Grafik_Seite_1, 0, 0, 8, 8, 7);
    Menue_Seite_Fuellen_Nachholen();
    EXPECT_EQ(static_cast<const uint16_t*>(Grafik_Seite_1->pixels)[0], 7);
}
