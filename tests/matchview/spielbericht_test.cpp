// The report sequence over live records of a small world, with the line-up screen answered by a
// test hook and the back button played by setting the view mode.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "competitions/spiele_welt.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "match/spielfeld.h"
#include "matchview/lineup/aufstellung.h"
#include "matchview/lineup/motivation.h"
#include "matchview/lineup/screen.h"
#include "matchview/spielbericht.h"
#include "matchview/spielszenen.h"
#include "network/netzuser.h"
#include "platform/os/os.h"
#include "platform/win95.h"
#include "tests/matchview/aufstellung_liste_merker.h"
#include "toolkit/optionen.h"

namespace {

using namespace spielwelt;

std::vector<std::string> aufrufe;
bool oeffnen_gelingt = true;
bool screen(const char* aufruf, int32_t wert)
{
    aufrufe.push_back(std::string(aufruf) + " " + std::to_string(wert));
    return oeffnen_gelingt;
}
int32_t geoeffnet()
{
    int32_t n = 0;
    for (const std::string& a : aufrufe) n += a == "Screen_Oeffnen 0";
    return n;
}

// Team 1 (players 10..20) at home to team 2 (players 30..40), shown; a second game 3 - 0.
class Spielbericht : public Spielwelt {
protected:
    Aufstellung_Liste_Merker liste;
    uint32_t rolle = 0;
    std::vector<Spielfeld_Record*> records;
    void SetUp() override
    {
        Spielwelt::SetUp();
        rolle = Netz_Rolle;
        for (int32_t sp = 10; sp < 21; ++sp) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 1, sp, 150, 0, 24, -1, false));
        for (int32_t sp = 10; sp < 21; ++sp) Teamspieler_Wert(317, 1, sp, TS_STARTELF, 8);
        const int32_t block = Spiele_Init_Neue_Spiele(1, 4, 20, 1, LIGA, -1);
        Spielfeld_Init();
        for (const auto& [slot, heim, gast] : std::vector<std::tuple<int32_t, int32_t, int32_t>>{{0, 1, 2}, {1, 3, 0}}) {
            const int32_t h = Spiele_Lock(block, 0, 0, slot);
            Spiele_Set_Teams(h, heim, gast);
            ASSERT_TRUE(Spielfeld_Record_Anlegen(h, 1, 0, nullptr, heim, 0));
            records.push_back(Spielfeld_Get_Spiel(h));
        }
        aufrufe.clear();
        oeffnen_gelingt = true;
        Screen_Set_Hook(screen);
        Spielszenen_Modus = SPIELSZENEN_SCREEN;
        Spielszenen_Neu_Zeichnen_Angefordert = 0;
        Netz_Rolle = 0;
        for (int32_t o : {OPTION_MOTIVATION_VOR, OPTION_MOTIVATION_HALBZEIT, OPTION_STATISTIK}) Globale_Optionen_Setzen(o, 1);
    }
    void TearDown() override
    {
        Mitspieler[0].in_benutzung = 0;
        Os_Script_Stop();
        Os_Script_Laufender_Schirm(false);
        Screen_Set_Hook(nullptr);
        Spielszenen_Modus = SPIELSZENEN_SCREEN;
        Netz_Rolle = rolle;
        Globale_Optionen_Vorbelegen();
        Spielfeld_DeInit();
        Spielwelt::TearDown();
    }
    // Frames until the step reports the end, pressing "back" every third frame; the frames taken.
    static int32_t durchlaufen(int32_t (*schritt)(), int32_t grenze = 100)
    {
        for (int32_t i = 1; i <= grenze; ++i) {
            if (i % 3 == 0) Spielszenen_Modus = SPIELSZENEN_NAECHSTES;
            if (schritt()) return i;
        }
        return -1;
    }
    // A server with its own manager and a participant logged in: network play.
    static void im_netz()
    {
        Netz_Rolle = 3;
        Mitspieler[0].in_benutzung = 1;
    }
    void beendet_sauber()
    {
        EXPECT_EQ(Spielszenen_Modus, SPIELSZENEN_SCREEN);
        EXPECT_EQ(Spielszenen_Neu_Zeichnen_Angefordert, 1);
        EXPECT_EQ(Screen_Phase_Vor_Spiel + Screen_Phase_Kabine + Screen_Phase_Nach_Spiel, 0);
        EXPECT_EQ(aufrufe.back(), "Screen_Freigeben 0");
    }
};

TEST_F(Spielbericht, BeforeTheMatchEachGameTakesOneBackPressThenTheViewRedraws)
{
    Spielbericht_Vor_Spiel_Starten();
    EXPECT_EQ(geoeffnet(), 1);
    EXPECT_EQ(Screen_Phase_Vor_Spiel, 1);
    EXPECT_EQ(aufrufe[1], "Screen_Seite_Zeigen 3");
    // Two shown games: the first back press moves on, the second ends.
    EXPECT_EQ(durchlaufen(Spielbericht_Vor_Spiel_Schritt), 6);
    beendet_sauber();
    EXPECT_EQ(Spielbericht_Vor_Spiel_Schritt(), 1);

    // One game left to show: one back press ends it.
    Spielfeld_Set_Anzeige(int32_t(records[1]->spiel), 0);
    aufrufe.clear();
    Spielbericht_Vor_Spiel_Starten();
    EXPECT_EQ(durchlaufen(Spielbericht_Vor_Spiel_Schritt), 3);

    // Not alone (a client, a server in network play), the option off, or no screen: nothing
    // shows and the step is over at once.
    for (int32_t fall = -1; fall < 3; ++fall) {
        Netz_Rolle = fall == -1 ? 1 : 0;
        if (fall == 0) im_netz();
        Globale_Optionen_Setzen(OPTION_MOTIVATION_VOR, fall == 1 ? 0 : 1);
        oeffnen_gelingt = fall != 2;
        aufrufe.clear();
        Spielbericht_Vor_Spiel_Starten();
        EXPECT_EQ(Spielbericht_Vor_Spiel_Schritt(), 1) << fall;
        EXPECT_EQ(Screen_Phase_Vor_Spiel, 0) << fall;
        EXPECT_EQ(geoeffnet(), fall == 2 ? 1 : 0) << fall;
    }
}

TEST_F(Spielbericht, TheDressingRoomAppliesTheCurvesEndOnlyToSidesThatTalked)
{
    Spielfeld_Record* r = records[0];
    for (int8_t& p : r->antwortkurve[0]) p = 40;
    for (int8_t& p : r->antwortkurve[1]) p = -1;
    const uint16_t heim = r->spieler[0].faehigkeit[0], gast = r->spieler[16].faehigkeit[0];
    Spielbericht_Halbzeit_Starten(0);
    EXPECT_EQ(Spielszenen_Modus, SPIELSZENEN_HALBZEIT);
    EXPECT_EQ(Screen_Phase_Kabine, 1);
    // The scan bar asks for a point: the shown side's curve is full, so nothing is written.
    Motivation_Naechster_Punkt = 1;
    EXPECT_EQ(Spielbericht_Halbzeit_Schritt(), 0);
    EXPECT_EQ(Motivation_Naechster_Punkt, 0);
    EXPECT_EQ(durchlaufen(Spielbericht_Halbzeit_Schritt), 6);
    beendet_sauber();
    EXPECT_EQ(Motivation_Kurve_Fertig, 1);
    // Point 37 of 40 % weakens the talking side; the silent side keeps its values and curve.
    EXPECT_EQ(r->spieler[0].faehigkeit[0], uint16_t((70 * heim + 30 * (heim * 40 / 100)) / 100));
    EXPECT_EQ(r->spieler[16].faehigkeit[0], gast);
    EXPECT_EQ(r->antwortkurve[1][37], -1);
}

TEST_F(Spielbericht, AFirstPointGrowsTheCurveToItsEnd)
{
    Spielfeld_Record* r = records[0];
    for (int8_t& p : r->antwortkurve[0]) p = -1;
    for (int8_t& p : r->antwortkurve[1]) p = -1;
    Spielbericht_Halbzeit_Starten(0);
    Motivation_Naechster_Punkt = 1;
    Spielbericht_Halbzeit_Schritt();
    const int32_t seite = Screen_Seite;
    EXPECT_GE(r->antwortkurve[seite][0], 0);
    EXPECT_EQ(r->antwortkurve[seite][1], -1);
    durchlaufen(Spielbericht_Halbzeit_Schritt);
    for (int32_t p = 0; p < MOTIVATION_KURVE_PUNKTE; ++p) EXPECT_GE(r->antwortkurve[seite][p], 0) << p;
    EXPECT_EQ(r->antwortkurve[1 - seite][0], -1);
}

TEST_F(Spielbericht, NoDressingRoomAfterTheSecondHalfUnlessForcedAndOnTheNetworkRegardlessOfTheOption)
{
    for (Spielfeld_Record* r : records) r->periode = 2;
    Spielbericht_Halbzeit_Starten(0);
    EXPECT_EQ(geoeffnet(), 0);
    EXPECT_EQ(Spielbericht_Halbzeit_Schritt(), 1);
    Spielbericht_Halbzeit_Starten(1);
    EXPECT_EQ(geoeffnet(), 1);
    EXPECT_EQ(durchlaufen(Spielbericht_Halbzeit_Schritt), 6);
    beendet_sauber();

    for (Spielfeld_Record* r : records) r->periode = 1;
    Globale_Optionen_Setzen(OPTION_MOTIVATION_HALBZEIT, 0);
    aufrufe.clear();
    Spielbericht_Halbzeit_Starten(0);
    EXPECT_EQ(geoeffnet(), 0);
    im_netz();
    Spielbericht_Halbzeit_Starten(0);
    EXPECT_EQ(geoeffnet(), 1);
    durchlaufen(Spielbericht_Halbzeit_Schritt);
}

TEST_F(Spielbericht, AfterTheMatchTheDataPageForEachGame)
{
    Spielbericht_Nach_Spiel_Starten();
    EXPECT_EQ(Screen_Phase_Nach_Spiel, 1);
    EXPECT_EQ(aufrufe[1], "Screen_Seite_Zeigen 0");
    EXPECT_EQ(durchlaufen(Spielbericht_Nach_Spiel_Schritt), 6);
    beendet_sauber();
    im_netz();
    aufrufe.clear();
    Spielbericht_Nach_Spiel_Starten();
    EXPECT_EQ(geoeffnet(), 0);
    EXPECT_EQ(Spielbericht_Nach_Spiel_Schritt(), 1);
}

// The lone game (a server with its own manager and nobody logged in) is a single PC: the talk
// before the match shows, and the dressing room keeps to its option.
TEST_F(Spielbericht, TheLoneGameShowsTheTalksAsASinglePCDoes)
{
    Netz_Rolle = 3;
    Spielbericht_Vor_Spiel_Starten();
    EXPECT_EQ(Screen_Phase_Vor_Spiel, 1);
    EXPECT_TRUE(Spielbericht_Zeigt());
    EXPECT_EQ(durchlaufen(Spielbericht_Vor_Spiel_Schritt), 6);
    EXPECT_FALSE(Spielbericht_Zeigt());
    Globale_Optionen_Setzen(OPTION_MOTIVATION_HALBZEIT, 0);
    aufrufe.clear();
    Spielbericht_Halbzeit_Starten(0);
    EXPECT_EQ(geoeffnet(), 0);
    EXPECT_EQ(Spielbericht_Halbzeit_Schritt(), 1);
}

// A script that lets the day play out untouched ("wait input") never clicks "back": each
// screen goes on by itself, one game a frame; without the script it waits for the click.
TEST_F(Spielbericht, AScriptThatWaitsForTheNextTurnLeavesEveryScreen)
{
    Spielbericht_Halbzeit_Starten(0);
    for (int32_t i = 0; i < 50; ++i) ASSERT_EQ(Spielbericht_Halbzeit_Schritt(), 0);
    EXPECT_TRUE(Spielbericht_Zeigt());

    Os_Script_Load_Text("wait input\nmove 5 6\n");
    Os_Script_Laufender_Schirm(true);
    Win95_Message_Pump();
    int32_t frames = 0;
    while (frames < 10 && !Spielbericht_Halbzeit_Schritt()) ++frames;
    EXPECT_EQ(frames, 1) << "two games, a frame each";
    beendet_sauber();
    using Paar = std::pair<void (*)(), int32_t (*)()>;
    for (auto [starten, schritt] : {Paar{Spielbericht_Vor_Spiel_Starten, Spielbericht_Vor_Spiel_Schritt},
                                    Paar{Spielbericht_Nach_Spiel_Starten, Spielbericht_Nach_Spiel_Schritt}}) {
        starten();
        EXPECT_EQ(schritt(), 0);
        EXPECT_EQ(schritt(), 1);
    }
    EXPECT_FALSE(Os_Script_Finished()) << "the script's wait is left to the turn";
}

// The line-up list's goal column counts the player's goals in play; a shoot-out kick he scored
// decides the tie but is none of them.
TEST_F(Spielbericht, TheLineUpListLeavesShootOutKicksOutOfAPlayersGoals)
{
    Spielfeld_Record* r = records[0];
    const int32_t h = int32_t(r->spiel);
    Spiele_Ereignis_Speicher_Reservieren(h);
    Spiele_Get_Spiel(h, 1)->ergebnis_art |= SPIELE_ART_NE;
    Spiele_Set_Ereignis(h, SPE_CHANCE | SPE_TOR | SPE_HEIM, 30, 10, 0x7FFF);
    Spiele_Set_Ereignis(h, SPE_TOR | SPE_HEIM, 120, 10, 0x7FFF);  // his kick in the shoot-out
    Spiele_Set_Ereignis(h, SPE_TOR | SPE_HEIM, 120, 11, 0x7FFF);
    Aufstellung_Liste_Bauen();
    Screen_Record = r;
    Screen_Seite = 0;
    static std::vector<std::string> texte;
    texte.clear();
    Liste_Text_Hook = [](int32_t, int32_t, const char* t) { texte.emplace_back(t); };
    Update_Liste_Variabel();
    Liste_Text_Hook = nullptr;
    Screen_Record = nullptr;
    // the goals stand at column 471 as "goals/shots"
    int32_t eins = 0, mehr = 0;
    for (const std::string& t : texte) {
        const size_t p = t.find("^tz0471");
        if (p == std::string::npos) continue;
        eins += t.compare(p + 7, 2, "1/") == 0;
        mehr += t.compare(p + 7, 2, "2/") == 0;
    }
    EXPECT_EQ(eins, 1) << "one goal in play for player 10";
    EXPECT_EQ(mehr, 0) << "the kicks are no goals";
}

}  // namespace
