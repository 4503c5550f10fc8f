// A new game of the generated small world, and loading and continuing a game.
#include <gtest/gtest.h>

#include <algorithm>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/capture.h"
#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "economy/bank.h"
#include "economy/stadion.h"
#include "economy/werbung.h"
#include "gameflow/ablauf.h"
#include "gameflow/ablauf_anfrage.h"
#include "gameflow/eingang.h"
#include "gameflow/game_main.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/neues_spiel.h"
#include "gameflow/news.h"
#include "gameflow/spielstand.h"
#include "platform/bytes.h"
#include "gameflow/spielstand_ordner.h"
#include "gameflow/programm_lauf.h"
#include "gameflow/spielstart.h"
#include "common/welt_ordner.h"
#include "platform/win95.h"

namespace {

std::vector<std::string> aufrufe;
int32_t erster_verein = -1, zweiter_verein = -1;

void zwei_manager(Eingang_Einstellungen& e, Eingang_Eingabe& m)
{
    e.schwierigkeit = 3;
    // The first pass adds the default club's manager, the second a club of its own and starts.
    if (Manager_Anzahl == 0) {
        erster_verein = m.team;
        m.starten = false;
        return;
    }
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (Team_Ist_Normal(t, 64) && !Team_Hat_Manager(t) && t != erster_verein) {
            m.team = zweiter_verein = t;
            break;
        }
    std::snprintf(m.name, sizeof m.name, "Zweiter");
}

class Spielstart : public Spielstand_Ordner {
protected:
    std::filesystem::path welt;
    void SetUp() override
    {
        Spielstand_Ordner::SetUp();
        welt = Neues_Spiel_Welt_Bauen("start", {"welt --world small", "wettbewerbe --world small"}, alte_teams);
        aufrufe.clear();
        Bank_Set_Konto_Beobachter([](bool ein, int32_t team, int32_t start) {
            if (ein) aufrufe.push_back("Konto " + std::to_string(team) + " " + std::to_string(start));
        });
        Bank_Set_Neues_Spiel_Beobachter([](const char* a, int32_t team, int32_t betrag) {
            aufrufe.push_back(std::string(a) + (team >= 0 ? " " + std::to_string(team) + " " + std::to_string(betrag) : ""));
        });
        Werbung_Set_Vorbelegen_Beobachter(
            [](int32_t team, int32_t flag) { aufrufe.push_back("Werbung " + std::to_string(team) + " " + std::to_string(flag)); });
        Stadion_Set_Neues_Spiel_Beobachter([] { aufrufe.push_back("Stadion_Neues_Spiel"); });
        Eingang_Set_Start_Hook(zwei_manager);
    }
    void TearDown() override
    {
        Eingang_Set_Start_Hook(nullptr);
        Bank_Set_Konto_Beobachter(nullptr);
        Bank_Set_Neues_Spiel_Beobachter(nullptr);
        Werbung_Set_Vorbelegen_Beobachter(nullptr);
        Stadion_Set_Neues_Spiel_Beobachter(nullptr);
        Neues_Spiel_Abbauen(welt, alte_teams);
        Spielstand_Ordner::TearDown();
    }
};

TEST_F(Spielstart, NewGameSetsUpTwoManagersBeforeBankAndStadiums)
{
    ASSERT_TRUE(Spielstart_Neues_Spiel()) << Kalender_Spielplan_Fehler();
    ASSERT_GE(erster_verein, 0);
    ASSERT_GE(zweiter_verein, 0);
    EXPECT_EQ(Manager_Anzahl, 2);
    const std::string a = std::to_string(erster_verein), b = std::to_string(zweiter_verein);
    EXPECT_EQ(aufrufe, (std::vector<std::string>{"Konto " + a + " 3000000", "Bank_Set_Kreditlinie " + a + " 1000000",
                                                 "Werbung " + a + " 1", "Konto " + b + " 3000000",
                                                 "Bank_Set_Kreditlinie " + b + " 1000000", "Werbung " + b + " 1",
                                                 "Bank_Neues_Spiel", "Stadion_Neues_Spiel"}));
    EXPECT_EQ(Aktueller_Tag, 0);
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_MENUERUNDE);
    EXPECT_EQ(Ablauf_Get_Menue_Modus(), 1);
    EXPECT_EQ(Schwierigkeitsstufe, 3u);
    // The server plays the lowest-numbered managed club (the default club comes from the home
    // league's list, shuffled by the fixture set-up).
    EXPECT_EQ(Server_Team, std::min(erster_verein, zweiter_verein));
    EXPECT_TRUE(Eingang_Get_Spiel_Gestartet());
    EXPECT_EQ(Eingang_Get_Start_Option_Byte(), 0);
    // The leagues open on the first weekend of week 5.
    EXPECT_GT(Kalender_Get_Anzahl_Spiele(37, 1) + Kalender_Get_Anzahl_Spiele(38, 1), 0);

    // Saved, then loaded through the dialog: none of the set-up runs again, the game is the same.
    Aktueller_Tag = 40;
    ASSERT_TRUE(Disk_Spielstand_Speichern("mitte"));
    const std::vector<uint8_t> bild = Disk_Spielstand_Abbild();
    Aktueller_Tag = 41;
    aufrufe.clear();
    Disk_Set_Datei_Dialog_Hook([](char* name, bool speichern) {
        std::snprintf(name, SPIELSTAND_NAME_LAENGE, "%s", speichern ? "" : "mitte");
        return !speichern;
    });
    Ablauf_Set_Befehl(ABLAUF_LADEN);
    Ablauf_Tastatur_Auswerten();
    EXPECT_EQ(Aktueller_Tag, 40);
    EXPECT_TRUE(aufrufe.empty());
    EXPECT_EQ(Disk_Spielstand_Abbild(), bild);

    // A damaged savegame changes nothing; continuing loads the last one.
    FILE* f = std::fopen(datei("kaputt").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bild.data(), 1, bild.size() / 2, f);
    std::fclose(f);
    Aktueller_Tag = 42;
    Fehler_Capture cap;
    EXPECT_FALSE(Spielstart_Laden("kaputt"));
    EXPECT_EQ(Aktueller_Tag, 42);
    EXPECT_FALSE(Spielstart_Laden(""));
    EXPECT_STREQ(Disk_Lade_Letzten_Spielstand_Namen(), "mitte");
    EXPECT_TRUE(Spielstart_Laden(Disk_Lade_Letzten_Spielstand_Namen()));
    EXPECT_EQ(Aktueller_Tag, 40);
    EXPECT_TRUE(aufrufe.empty());
}

// "Speichern" in a new game never saved: the registry's last savegame belongs to another game and
// stays as it is; the player is asked for a name, which later saves reuse without asking.
int32_t namen_gefragt = 0;
const char* namen_antwort = "";
bool namen_dialog(char* name, bool speichern)
{
    ++namen_gefragt;
    std::snprintf(name, SPIELSTAND_NAME_LAENGE, "%s", namen_antwort);
    return speichern && *namen_antwort;
}

TEST_F(Spielstart, SavingANewGameAsksForANameAndLeavesAnotherGamesSavegameAlone)
{
    {
        std::ofstream anderes(datei("anderes"), std::ios::binary);
        anderes << "das andere Spiel";
    }
    Win95_Registry_Set_A_Value("letzter_spielstand", datei("anderes").c_str());
    ASSERT_TRUE(Spielstart_Neues_Spiel());
    Disk_Set_Datei_Dialog_Hook(namen_dialog);
    namen_gefragt = 0;
    namen_antwort = "";
    Ablauf_Set_Befehl(ABLAUF_SPEICHERN);
    Ablauf_Tastatur_Auswerten();
    EXPECT_EQ(namen_gefragt, 1) << "no name yet: the dialog asks";
    std::ifstream gelesen(datei("anderes"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(gelesen), {}), "das andere Spiel");

    namen_antwort = "eigenes";
    Ablauf_Set_Befehl(ABLAUF_SPEICHERN);
    Ablauf_Tastatur_Auswerten();
    EXPECT_EQ(namen_gefragt, 2);
    ASSERT_TRUE(std::filesystem::exists(datei("eigenes")));
    EXPECT_STREQ(Spielstand_Name(), "eigenes");
    std::filesystem::remove(datei("eigenes"));
    Ablauf_Set_Befehl(ABLAUF_SPEICHERN);
    Ablauf_Tastatur_Auswerten();
    EXPECT_EQ(namen_gefragt, 2) << "the game has its name now";
    EXPECT_TRUE(std::filesystem::exists(datei("eigenes")));

    // A loaded game keeps the name it was loaded from; a new game has none again.
    ASSERT_TRUE(Spielstart_Laden("eigenes"));
    EXPECT_STREQ(Spielstand_Name(), "eigenes");
    // What every new game does first forgets it.
    Spielstart_Module_Zuruecksetzen();
    EXPECT_STREQ(Spielstand_Name(), "");
    Disk_Set_Datei_Dialog_Hook(nullptr);
}

// Plays the main loop, every manager ending his turn at once, until the day is reached.
void spielen_bis(int32_t tag)
{
    Ablauf_Set_Zug_Hook([](int32_t, bool) { return -1; });
    while (Aktueller_Tag < tag || Ablauf_Zustand != ABLAUF_MENUERUNDE) Ablauf_Schritt();
    Ablauf_Set_Zug_Hook(nullptr);
}

void dialog_name(const char* name)
{
    static std::string n;
    n = name;
    Disk_Set_Datei_Dialog_Hook([](char* ziel, bool) {
        std::snprintf(ziel, SPIELSTAND_NAME_LAENGE, "%s", n.c_str());
        return true;
    });
}

TEST_F(Spielstart, SeasonResumedFromItsMiddleEndsAsTheUninterruptedOne)
{
    ASSERT_TRUE(Spielstart_Neues_Spiel());
    spielen_bis(183);
    dialog_name("mitte");
    Ablauf_Set_Befehl(ABLAUF_SPEICHERN_UNTER);
    // Only the command: a further step would begin the next turn and change the state saved.
    Ablauf_Tastatur_Auswerten();
    const std::vector<uint8_t> mitte = Disk_Spielstand_Abbild();
    Ablauf_Set_Befehl(ABLAUF_LADEN);
    Ablauf_Tastatur_Auswerten();
    EXPECT_EQ(Disk_Spielstand_Abbild(), mitte) << "saving again gives the same bytes";
    spielen_bis(366);
    EXPECT_EQ(Kalender_Get_Saison(), 2);
    const std::vector<uint8_t> ende = Disk_Spielstand_Abbild();

    ASSERT_TRUE(Spielstart_Laden("mitte"));
    EXPECT_EQ(Aktueller_Tag, 183);
    spielen_bis(366);
    EXPECT_EQ(Disk_Spielstand_Abbild(), ende);
}

// A second game in the same program: its clients are not sent the last match day of the first.
TEST_F(Spielstart, ASecondGameBeginsWithoutTheLastMatchDayOfTheFirst)
{
    ASSERT_TRUE(Spielstart_Neues_Spiel());
    spielen_bis(40);
    // The leagues' first weekend has closed: the day's image carries its games (its count of the
    // last match day's games at byte 12), beside the season's schedule.
    const std::vector<uint8_t> bild = Ablauf_Tagesdaten_Bild();
    ASSERT_GE(bild.size(), 16u);
    EXPECT_GT(Bytes_Hole32(bild.data() + 12), 0u);
    // What every new game does first: no games, and an empty schedule (8 bytes).
    Spielstart_Module_Zuruecksetzen();
    EXPECT_EQ(Ablauf_Tagesdaten_Bild().size(), 16u + 8u);
}

// The default world through a season with two managers: the news of the clubs nobody manages
// is not kept, so the store never refuses a message, and the managers' own news arrive.
TEST_F(Spielstart, ASeasonOfTheDefaultWorldDropsNoMessage)
{
    std::filesystem::remove_all(welt);
    welt = Test_Welt_Bauen("standard", {"welt", "wettbewerbe"});
    ASSERT_TRUE(Spielstart_Neues_Spiel()) << Kalender_Spielplan_Fehler();
    ASSERT_EQ(Manager_Anzahl, 2);
    Fehler_Capture cap;
    spielen_bis(370);
    EXPECT_EQ(Kalender_Get_Saison(), 2);
    EXPECT_FALSE(cap.contains("Nachrichtenspeicher voll"));
    int32_t fremde = 0, eigene = 0;
    for (int32_t i = 0; i < NEWS_MAX; ++i)
        if (const News_Nachricht* n = News_Get_Nachricht(i)) {
            if (n->team >= 0 && !Team_Hat_Manager(n->team) && n->art != NEWS_ART_FRAGE) ++fremde;
            if (n->team == -1 || n->team == erster_verein || n->team == zweiter_verein) ++eigene;
        }
    EXPECT_EQ(fremde, 0);
    EXPECT_GT(eigene, 0);
}

// A damaged configuration file: the message names the file and the reader's first reason,
// and the error sink still gets every text.
TEST_F(Spielstart, ADamagedConfigurationNamesItsFileAndTheReason)
{
    const std::filesystem::path cfg = welt / "config_files";
    auto meldung = [&] {
        Fehler_Capture cap;
        testing::internal::CaptureStderr();
        const bool ok = Spielstart_Welt_Laden(0);
        std::string text = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(ok);
        EXPECT_FALSE(cap.texts.empty());
        return text;
    };
    const std::vector<uint8_t> team = programm_lauf::lesen(cfg / "1_team.cfg");
    {
        std::ofstream(cfg / "1_team.cfg", std::ios::binary).write(reinterpret_cast<const char*>(team.data()),
                                                                  std::streamsize(team.size() / 2));
    }
    std::string text = meldung();
    EXPECT_NE(text.find("Die Konfiguration 1 konnte nicht gelesen werden."), std::string::npos) << text;
    EXPECT_NE(text.find("1_team.cfg: "), std::string::npos) << text;
    EXPECT_GT(text.size(), text.find("1_team.cfg: ") + 20) << "a reason follows";
    std::ofstream(cfg / "1_team.cfg", std::ios::binary).write(reinterpret_cast<const char*>(team.data()),
                                                              std::streamsize(team.size()));

    std::vector<uint8_t> wb = programm_lauf::lesen(cfg / "1_wettbewerb.cfg");
    std::fill(wb.begin() + std::ptrdiff_t(wb.size() / 3), wb.begin() + std::ptrdiff_t(wb.size() / 3 + 64), uint8_t(0));
    std::ofstream(cfg / "1_wettbewerb.cfg", std::ios::binary).write(reinterpret_cast<const char*>(wb.data()),
                                                                    std::streamsize(wb.size()));
    text = meldung();
    EXPECT_NE(text.find("1_wettbewerb.cfg: "), std::string::npos) << text;
    EXPECT_GT(text.size(), text.find("1_wettbewerb.cfg: ") + 20) << text;
}

TEST(Spielstart_Kommandozeile, FirstWordThatIsNoOption)
{
    char name[16];
    EXPECT_STREQ(Spielstart_Kommandozeile_Spielstand("-q  liga.sgv -x", name, sizeof name), "liga.sgv");
    EXPECT_STREQ(Spielstart_Kommandozeile_Spielstand("-q", name, sizeof name), "");
    EXPECT_STREQ(Spielstart_Kommandozeile_Spielstand(nullptr, name, sizeof name), "");
    Fehler_Capture cap;
    EXPECT_STREQ(Spielstart_Kommandozeile_Spielstand("ein_viel_zu_langer_name.sgv", name, sizeof name), "");
    EXPECT_EQ(cap.texts.size(), 1u);
}

}  // namespace
