// The checks at the end of a manager's turn, on a small club database.
#include <algorithm>
#include <string>
#include <vector>

#include "database/db_hilfe.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "platform/mem.h"
#include "platform/zufall.h"
#include "screens/spieler_training.h"
#include "toolkit/dienste.h"
#include "toolkit/requester.h"
#include "toolkit/runde.h"
#include "toolkit/screen.h"
#include "umgebung.h"

namespace {

std::vector<std::string> meldungen;
uint8_t antwort = 1;
int32_t einzeltraining = 0;

uint8_t anzeige(int32_t, int32_t, const char* text, const char*, const char*)
{
    meldungen.emplace_back(text);
    return antwort;
}

class RundeEnde : public Toolkit_Test {
protected:
    void SetUp() override
    {
        Toolkit_Test::SetUp();
        vereine_anlegen(6, 0);
        Test_Spieler_Anlegen(60);
        meldungen.clear();
        antwort = 1;
        einzeltraining = 0;
        Menue_Requester_Set_Anzeige(anzeige);
        Spieler_Training_Set_Zaehl_Hook([](int32_t) { return einzeltraining; });
        Menue_Runde_Neues_Spiel();
    }
    void TearDown() override
    {
        Menue_Requester_Set_Anzeige(nullptr);
        Spieler_Training_Set_Zaehl_Hook(nullptr);
        Toolkit_Test::TearDown();
    }
    // A squad of `kader` players, the first `aufgestellt` of them in the line-up.
    static void kader(int32_t anzahl, int32_t aufgestellt)
    {
        for (int32_t sp = 0; sp < anzahl; ++sp) {
            ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 0, sp, 150, 0, 24, -1, false));
            if (sp < aufgestellt) Teamspieler_Wert(317, 0, sp, TS_STARTELF, 8);
        }
    }
    static void spielt_heute()
    {
        Menue_Status.spiel_gueltig = 1;
        Menue_Status.heutiges_spiel.wettbewerb = 3;
    }
    static int32_t kapitaene()
    {
        int32_t n = 0;
        for (int32_t sp = 0; sp < 60; ++sp)
            if (Teamspieler_Ist_Im_Team(0, sp) == 0 && (Teamspieler_Wert(317, 0, sp, 0, 0) & TS_KAPITAEN)) ++n;
        return n;
    }
};

TEST_F(RundeEnde, LineUpQuestionOnlyForAFullSquad)
{
    kader(10, 10);
    EXPECT_EQ(Menue_Runde_Beenden_Pruefen(), 1);
    EXPECT_TRUE(meldungen.empty());

    // Twelve players, ten in the line-up: "no" keeps the turn and the trial player.
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 0, 10, 150, 0, 24, -1, false));
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 0, 11, 150, 0, 24, -1, false));
    Teamspieler_Wert(317, 0, 11, TS_PROBE, 8);
    antwort = 0;
    EXPECT_EQ(Menue_Runde_Beenden_Pruefen(), 0);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_NE(meldungen[0].find("weniger als ELF Spieler"), std::string::npos);
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, 11), 0);

    Menue_Automatik_Bytes[0] = 1;
    EXPECT_EQ(Menue_Runde_Beenden_Pruefen(), 1);
    EXPECT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, 11), 0);
}

TEST_F(RundeEnde, TrialPlayerLeavesObservedAndCaptainIsNamed)
{
    kader(12, 10);
    Teamspieler_Wert(317, 0, 11, TS_PROBE, 8);
    Spieler_Beobachtet_Hinzufuegen(0, 11);
    Spieler_Wert(102, 11, 7, 1);
    spielt_heute();
    EXPECT_EQ(Menue_Runde_Beenden_Pruefen(), 1);
    EXPECT_EQ(Teamspieler_Ist_Im_Team(0, 11), -1);
    EXPECT_TRUE(Spieler_Ist_Beobachtet(0, 11));
    EXPECT_EQ(Spieler_Wert(102, 11, 0, 0), 7);
    EXPECT_EQ(kapitaene(), 1);
    ASSERT_FALSE(meldungen.empty());
    EXPECT_NE(meldungen.back().find("Da Sie keinen Kapitän eingesetzt haben, wurde Spieler"), std::string::npos);
}

// A client plays its manager's turn with its own generator: the captain it draws must be the
// server's, and the draw must leave the game's sequence (the match day's) where it stood.
TEST_F(RundeEnde, TheDrawnCaptainDependsOnTheDayAndTheClubOnly)
{
    kader(11, 11);
    spielt_heute();
    auto gezogen = [](int32_t seed) {
        Zufall_Set_Seed(seed);
        for (int32_t sp = 0; sp < 11; ++sp) Teamspieler_Wert(317, 0, sp, TS_KAPITAEN, 4);
        EXPECT_EQ(Menue_Runde_Beenden_Pruefen(), 1);
        EXPECT_EQ(Zufall_Get_Seed(), seed) << "the game's sequence moved";
        for (int32_t sp = 0; sp < 11; ++sp)
            if (Teamspieler_Wert(317, 0, sp, 0, 0) & TS_KAPITAEN) return sp;
        return -1;
    };
    Aktueller_Tag = 40;
    const int32_t erster = gezogen(12345);
    ASSERT_GE(erster, 0);
    EXPECT_EQ(gezogen(3000001), erster);
    // Over a few days every player can be named.
    std::vector<int32_t> namen;
    for (Aktueller_Tag = 41; Aktueller_Tag < 71; ++Aktueller_Tag) namen.push_back(gezogen(777));
    std::sort(namen.begin(), namen.end());
    EXPECT_GE(std::unique(namen.begin(), namen.end()) - namen.begin(), 5);
    Aktueller_Tag = 0;
}

TEST_F(RundeEnde, NobodyInTheLineUpGetsNoCaptainAndTrainingWarnsOnce)
{
    kader(5, 0);
    spielt_heute();
    einzeltraining = 6;
    EXPECT_EQ(Menue_Runde_Beenden_Pruefen(), 0);
    EXPECT_EQ(kapitaene(), 0);
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_NE(meldungen[0].find("mehr als 5"), std::string::npos);
    EXPECT_EQ(Menue_Runde_Beenden_Pruefen(), 1);
    EXPECT_EQ(meldungen.size(), 2u);
}

}  // namespace
