#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <set>
#include <vector>

#include "common/capture.h"
#include "database/assistent.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "gameflow/highscore.h"
#include "gameflow/news.h"
#include "database/teamspieler.h"
#include "platform/wert.h"
#include "platform/zufall.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_training.h"

namespace {

// Computer clubs 0 and 1 with equal squads of 16 (player 0 and 20 goalkeepers); 2 the market,
// 3 the youth team.
struct AssiTaktik : ::testing::Test {
    void SetUp() override
    {
        Test_Teams_Anlegen(4);
        Test_Spieler_Anlegen(40);
        Zufall_Init();
        Schwierigkeitsstufe = 2;
        T_Fix[0].liga = T_Fix[1].liga = 1;
        Spieler_Fix_Daten[0].lieblingspos = Spieler_Fix_Daten[20].lieblingspos = SP_POS_TORWART;
        for (int32_t sp = 0; sp < 16; ++sp) {
            ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 0, sp, 100, 0, 24, -1, false));
            ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 1, 20 + sp, 100, 0, 24, -1, false));
        }
    }
    void TearDown() override
    {
        Netz_Rolle = 2;  // a client would keep its manager records
        News_Init();
        Manager_Anzahl = 0;
        Highscore_Init();
        Test_Aufraeumen();
    }
    static std::array<uint8_t, 8> block(int32_t feld, int32_t team)
    {
        std::array<uint8_t, 8> b{};
        std::memcpy(b.data(), Team_Zeiger(feld, team, nullptr, 0), 8);
        return b;
    }
    static void setze(int32_t feld, int32_t team, std::array<uint8_t, 8> b) { Team_Zeiger(feld, team, b.data(), 1); }
};

TEST_F(AssiTaktik, MatchTacticByModeAndStrength)
{
    Fehler_Capture cap;
    const std::array<uint8_t, 8> alt = {0, 1, 2, 0, 1, 2, 0, 1};
    setze(807, 0, alt);
    Assis_Setze_Spiel_Taktik(0, -1, 0, -1);
    EXPECT_TRUE(cap.contains("Assis_Setze_Spiel_Taktik: gegnernr=NIX && def_off==NIX"));
    EXPECT_EQ(block(807, 0), alt);
    Assis_Setze_Spiel_Taktik(0, -1, 0, 2);
    EXPECT_EQ(block(807, 0), alt);
    Assis_Setze_Spiel_Taktik(0, -1, 0, 4);
    EXPECT_EQ(block(807, 0), (std::array<uint8_t, 8>{2, 2, 2, 2, 2, 2, 2, 2}));

    // at home against an equal club: d = 50, the attacking mode 3
    Assis_Setze_Spiel_Taktik(0, 1, 0, -1);
    const auto b = block(807, 0);
    EXPECT_EQ(b[4], 2);
    EXPECT_EQ(b[5], 1);
    EXPECT_EQ(b[6], 1);
    EXPECT_EQ(b[7], 1);
    // away against it: d = 0, the tactic stays
    setze(807, 0, alt);
    Assis_Setze_Spiel_Taktik(0, 1, 1, -1);
    EXPECT_EQ(block(807, 0), alt);
}

TEST_F(AssiTaktik, BasicTacticNeedsFieldPlayersInTheEleven)
{
    Fehler_Capture cap;
    const std::array<uint8_t, 8> alt = {1, 1, 1, 1, 1, 1, 1, 1};
    setze(808, 0, alt);
    Teamspieler_Wert(317, 0, 0, TS_STARTELF, 8);  // the goalkeeper alone
    Assis_Setze_Basis_Taktik(0);
    EXPECT_TRUE(cap.contains("Assis_Setze_Basis_Taktik: sp_zahl==0!"));
    EXPECT_EQ(block(808, 0), alt);

    for (int32_t sp = 1; sp < 11; ++sp) Teamspieler_Wert(317, 0, sp, TS_STARTELF, 8);
    for (int32_t k = 0; k < 50; ++k) {
        Assis_Setze_Basis_Taktik(0);
        for (uint8_t x : block(808, 0)) ASSERT_LE(x, 2);
    }
}

TEST_F(AssiTaktik, TrainingWeightsShareTheTotal)
{
    // rested squad: t = 28 + 62 / 2.0 = 59, give or take the ability's 2
    for (int32_t k = 0; k < 30; ++k) {
        Assis_Setze_Training(0);
        const uint8_t* w = static_cast<const uint8_t*>(Team_Zeiger(805, 0, nullptr, 0));
        int32_t summe = 0;
        for (int32_t i = 0; i < 14; ++i) {
            ASSERT_LE(w[i], 5);
            summe += w[i];
        }
        const auto [lo, hi] = std::minmax_element(w, w + 14);
        EXPECT_LE(*hi - *lo, 1);
        EXPECT_GE(summe, 57);
        EXPECT_LE(summe, 61);
    }
    // an exhausted squad would ask for less than nothing
    for (int32_t sp = 0; sp < 16; ++sp) Spieler_Daten[sp].trainings_erschoepfung = 250;
    Assis_Setze_Training(0);
    const uint8_t* w = static_cast<const uint8_t*>(Team_Zeiger(805, 0, nullptr, 0));
    for (int32_t i = 0; i < 14; ++i) EXPECT_EQ(w[i], 0);
}

TEST_F(AssiTaktik, PreparationRunLinesUpAndClearsItsFlags)
{
    Team_Wert(169, 0, 1 | 4 | 32 | 64 | 128, TEAM_SETZEN);
    const int32_t vorher = Team_Wert(169, 0, 0, TEAM_LESEN);
    Assi_Trainer_Alle_Teams();
    EXPECT_EQ(Team_Wert(169, 0, 0, TEAM_LESEN), vorher & ~(1 | 2 | 4 | 32 | 64));
    EXPECT_EQ(Teamspieler_Zaehle_Startelf(0, nullptr, nullptr, false), 11);
    Assi_Spieltag_Taktik_Uebernehmen(0);
    EXPECT_EQ(block(807, 0), block(808, 0));

    // before a game against the strongest side the match tactic is set with the eleven
    setze(807, 0, {0, 0, 0, 0, 0, 0, 0, 0});
    for (int32_t sp = 20; sp < 36; ++sp)
        for (auto& a : Spieler_Daten[sp].attribute) a = 990;
    Team_Auto_Aufstellung(0, 1);
    EXPECT_EQ(Teamspieler_Zaehle_Startelf(0, nullptr, nullptr, false), 11);
    const auto b = block(807, 0);
    EXPECT_EQ(b[4], 2);  // the modes 0 and 1 both defend in bytes 4 and 5
    EXPECT_EQ(b[5], 2);
}

}  // namespace

namespace {

// A human manager who has hired nobody: his club's line-up and tactic are his own.
TEST_F(AssiTaktik, AManagersClubWithoutAssistantsKeepsItsChoices)
{
    Netz_Rolle = 2;
    News_Init();
    Manager_Neuer_Mitspieler(0, "M");
    ASSERT_TRUE(Team_Hat_Manager(0));
    std::memset(Team_Zeiger(TEAM_ASSISTENTEN, 0, nullptr, 0), 0, ASSI_BLOCK_BYTES);
    ASSERT_LT(Assistent_Mit_Aufgabe(0, 0), 0);

    Teamspieler_Wert(317, 0, 3, TS_STARTELF, 8);
    Teamspieler_Wert(310, 0, 3, 200, 1);
    Assi_Mannschaftsaufstellung(0, -1, 1, 0, 50, -1, false);
    EXPECT_EQ(Teamspieler_Zaehle_Startelf(0, nullptr, nullptr, false), 1);
    EXPECT_EQ(Teamspieler_Wert(310, 0, 3, 0, 0), 200);
    // asked for a proposal, he gets one
    Assi_Mannschaftsaufstellung(0, -1, 4, 0, 50, -1, false);
    EXPECT_EQ(Teamspieler_Zaehle_Startelf(0, nullptr, nullptr, false), 11);

    const std::array<uint8_t, 8> alt = {0, 1, 2, 0, 1, 2, 0, 1};
    setze(807, 0, alt);
    Assis_Setze_Spiel_Taktik(0, 1, 0, 4);
    EXPECT_EQ(block(807, 0), alt);
}

}  // namespace

namespace {

// Club 0 gets a human manager whose only assistant (slot 3) holds the given tasks.
void manager_mit_assistent(std::initializer_list<int32_t> aufgaben)
{
    Netz_Rolle = 2;
    News_Init();
    Manager_Neuer_Mitspieler(0, "M");
    auto* b = static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, 0, nullptr, 0));
    std::memset(b, 0, ASSI_BLOCK_BYTES);
    b[3] = 1;
    for (int32_t a : aufgaben) b[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * 3 + a] = 1;
}

TEST_F(AssiTaktik, AnAbleAssistantAlwaysTakesThePreferredOption)
{
    manager_mit_assistent({1});
    ASSERT_GE(Assistent_Faehigkeit(0, 3, 1), 90);
    // preferred: row 0 option 2, row 1 option 1, row 2 option 0, row 3 option 1
    const int8_t pref[24] = {0, 10, 50, 0, 60, 20, 70, 10, 0, 5, 90, 0};
    for (int32_t t : {0, 1}) Team_Zeiger(813, t, const_cast<int8_t*>(pref), 1);
    const std::array<uint8_t, 8> bevorzugt = {2, 1, 0, 1, 2, 2, 1, 0};
    int32_t getauscht = 0;
    for (int32_t seed = 1; seed <= 200; ++seed) {
        Zufall_Set_Seed(seed);
        Assis_Setze_Spiel_Taktik(0, -1, 0, 0);
        ASSERT_EQ(block(807, 0), bevorzugt) << seed;
        // a computer club's assistant (ability 50) now and then takes the other one
        Assis_Setze_Spiel_Taktik(1, -1, 0, 0);
        getauscht += block(807, 1) != bevorzugt;
    }
    EXPECT_GT(getauscht, 0);
}

int32_t einsatz_gezeigt = -1, training_gezeigt = -1;

TEST_F(AssiTaktik, TheActingClubsControlsShowNewFigures)
{
    Spieler_Einsetzen_Set_Refresh_Beobachter([](int32_t w) { einsatz_gezeigt = w; });
    Spieler_Training_Set_Refresh_Beobachter([](int32_t w) { training_gezeigt = w; });
    Handelndes_Team = 1;
    Assi_Taktik_Wert_Setzen(0, 50);
    Assis_Setze_Training(0);
    EXPECT_EQ(einsatz_gezeigt, -1);
    EXPECT_EQ(training_gezeigt, -1);
    Handelndes_Team = 0;
    Assi_Taktik_Wert_Setzen(0, 50);
    Assis_Setze_Training(0);
    EXPECT_EQ(einsatz_gezeigt, Team_Wert(152, 0, 0, TEAM_LESEN));
    const uint8_t* w = static_cast<const uint8_t*>(Team_Zeiger(805, 0, nullptr, 0));
    int32_t summe = 0;
    for (int32_t i = 0; i < 14; ++i) summe += w[i];
    EXPECT_EQ(training_gezeigt, std::clamp(summe, 1, 45));
    Spieler_Einsetzen_Set_Refresh_Beobachter(nullptr);
    Spieler_Training_Set_Refresh_Beobachter(nullptr);
}

TEST_F(AssiTaktik, ManMarkersTakeTheNearestForwardsOfTheOpponent)
{
    for (int32_t sp = 1; sp < 16; ++sp) {
        Spieler_Fix_Daten[sp].lieblingspos = static_cast<int16_t>((sp * 29) % 459);
        Spieler_Fix_Daten[20 + sp].lieblingspos = static_cast<int16_t>((sp * 31) % 459);
    }
    Fehler_Capture cap;
    Assi_Mannschaftsaufstellung(0, 2, 5, 0, 50, -1, true);
    EXPECT_TRUE(cap.contains("Assi_Mannschaftsaufstellung: keine Spieler bei Gegner 2 eingesetzt!"));
    Assi_Mannschaftsaufstellung(1, -1, 5, 0, 50, -1, true);
    Assi_Mannschaftsaufstellung(0, 1, 5, 0, 50, -1, true);
    // our defenders (rows 0-8) and their forwards (rows 18-26, mirrored onto our grid)
    auto elf = [](int32_t team, int32_t erster, bool vorn) {
        std::vector<std::pair<int32_t, int32_t>> v;
        for (int32_t sp = erster; sp < erster + 16; ++sp) {
            const int32_t p = Teamspieler_Wert(310, team, sp, 0, 0);
            if ((Teamspieler_Wert(317, team, sp, 0, 0) & TS_STARTELF) && p != SP_POS_TORWART &&
                (vorn ? p / 17 >= 18 : p / 17 <= 8))
                v.push_back({sp, vorn ? 458 - p : p});
        }
        return v;
    };
    const auto verteidiger = elf(0, 0, false), stuermer = elf(1, 20, true);
    int32_t paare = 0, markierer = 0, naechste = 1000, naechstes_paar = 1000;
    for (auto [v, p] : verteidiger)
        for (auto [g, q] : stuermer) {
            const int32_t d = Hypotenuse_Int(p / 17 - q / 17, p % 17 - q % 17);
            naechste = std::min(naechste, d);
            if (Teamspieler_Wert(316, 0, v, 0, 0) != g) continue;
            ++paare;
            naechstes_paar = std::min(naechstes_paar, d);
            EXPECT_EQ(Teamspieler_Wert(309, 1, g, 0, 0), v);
        }
    for (int32_t sp = 0; sp < 16; ++sp) markierer += Teamspieler_Wert(316, 0, sp, 0, 0) >= 0;
    EXPECT_GT(paare, 0);
    EXPECT_EQ(markierer, paare);
    EXPECT_EQ(paare, static_cast<int32_t>(std::min(verteidiger.size(), stuermer.size())));
    EXPECT_EQ(naechstes_paar, naechste);
}

// The men of club 0's first `anzahl` players who mark one of club 1's, each checked to stand in
// the eleven and to be named by the one he marks; gives their number.
int32_t markierer_pruefen(int32_t formation, int32_t anzahl)
{
    int32_t markierer = 0;
    for (int32_t sp = 0; sp < anzahl; ++sp) {
        const int32_t g = Teamspieler_Wert(316, 0, sp, 0, 0);
        if (g < 0) continue;
        ++markierer;
        EXPECT_TRUE(Teamspieler_Wert(317, 0, sp, 0, 0) & TS_STARTELF) << formation << " " << sp;
        EXPECT_EQ(Teamspieler_Wert(309, 1, g, 0, 0), sp) << formation;
    }
    return markierer;
}

TEST_F(AssiTaktik, ANewLineUpAgainstTheSameOpponentLeavesNoStaleMarks)
{
    for (int32_t sp = 1; sp < 16; ++sp) {
        Spieler_Fix_Daten[sp].lieblingspos = static_cast<int16_t>((sp * 29) % 459);
        Spieler_Fix_Daten[20 + sp].lieblingspos = static_cast<int16_t>((sp * 31) % 459);
    }
    Assi_Mannschaftsaufstellung(1, -1, 5, 0, 50, -1, true);
    // every formation in turn: each of our men marks at most one of theirs, and each of theirs
    // names as his marker exactly the one of ours who marks him now
    for (int32_t formation = 0; formation < 4; ++formation) {
        Assi_Mannschaftsaufstellung(0, 1, 2, 0, 50, formation, true);
        const int32_t markierer = markierer_pruefen(formation, 16);
        int32_t gedeckt = 0;
        for (int32_t g = 20; g < 36; ++g) {
            const int32_t v = Teamspieler_Wert(309, 1, g, 0, 0);
            if (v < 0) continue;
            ++gedeckt;
            EXPECT_EQ(Teamspieler_Wert(316, 0, v, 0, 0), g) << formation << " " << g;
        }
        EXPECT_GT(markierer, 0) << formation;
        EXPECT_EQ(gedeckt, markierer) << formation;
    }
}

// Club 0's line-up against club 1 after club 1's own, of a squad smaller than club 0's: only men
// of club 0's eleven mark, whatever the run before left.
TEST_F(AssiTaktik, OnlyTheElevenMarksAfterASmallerSquadsLineUp)
{
    for (int32_t sp = 16; sp < 20; ++sp) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 0, sp, 100, 0, 24, -1, false));
    for (int32_t sp = 1; sp < 20; ++sp) {
        Spieler_Fix_Daten[sp].lieblingspos = static_cast<int16_t>((sp * 29) % 459);
        if (sp < 16) Spieler_Fix_Daten[20 + sp].lieblingspos = static_cast<int16_t>((26 - (sp * 3) % 20) * 17 + (sp * 5) % 17);
    }
    Assi_Mannschaftsaufstellung(1, -1, 5, 0, 50, -1, true);
    for (const int32_t formation : {0, 3}) {
        Assi_Mannschaftsaufstellung(0, 1, 2, 0, 50, formation, true);
        EXPECT_GT(markierer_pruefen(formation, 20), 0) << formation;
    }
}

// A manager's line-up assistant chooses by the grid among the manager's six stored formations,
// not the built-in ones: the squad stands in rows 0-4 and only stored formation 5 has its places
// there (the others lie in row 26, out of every player's reach), so it wins, and the eleven
// stands on its places.
TEST_F(AssiTaktik, AManagersAssistantChoosesAmongTheStoredFormations)
{
    manager_mit_assistent({0});
    ASSERT_GE(Assistent_Mit_Aufgabe(0, 0), 0);
    Manager_Struktur* m = T_Fix[0].manager;
    std::set<int32_t> plaetze_5;
    for (int32_t f = 0; f < 6; ++f)
        for (int32_t k = 0; k < 10; ++k) {
            const int32_t z = f == 5 ? k / 2 : 26, s = f == 5 ? 3 + 6 * (k % 2) : k;
            m->aufstellung[0].plaetze[f][2 * k] = uint8_t(z);
            m->aufstellung[0].plaetze[f][2 * k + 1] = uint8_t(s);
            if (f == 5) plaetze_5.insert(z * 17 + s);
        }
    for (int32_t sp = 1; sp < 16; ++sp) Spieler_Fix_Daten[sp].lieblingspos = int16_t((sp % 5) * 17 + sp);
    for (const int32_t satz : {0, 1}) {
        if (satz) std::memcpy(&m->aufstellung[1], &m->aufstellung[0], sizeof m->aufstellung[0]);
        Assi_Mannschaftsaufstellung(0, -1, 1, satz, 50, -1, false);
        EXPECT_EQ(Team_Wert(170 + satz, 0, 0, TEAM_LESEN), 5) << satz;
        std::set<int32_t> elf;
        for (int32_t sp = 1; sp < 16; ++sp)
            if (Teamspieler_Wert(317, 0, sp, 0, 0) & TS_STARTELF) elf.insert(Teamspieler_Wert(310, 0, sp, 0, 0));
        EXPECT_EQ(elf, plaetze_5) << satz;
    }
}

TEST_F(AssiTaktik, AManagersFixedPlayersAndInstructionsHoldUnlessOneCannotPlay)
{
    manager_mit_assistent({});
    Manager_Struktur* m = T_Fix[0].manager;
    const int32_t n = 3;
    // players 15 down to 6 on the ten places, keeper 0, each with his own instruction word
    for (int32_t k = 0; k < 10; ++k) {
        m->aufstellung[0].spieler[n][k] = static_cast<int16_t>(15 - k);
        m->aufstellung[0].taktik[n][k] = static_cast<uint16_t>(100 + k);
    }
    m->aufstellung[0].spieler[n][10] = 0;
    m->aufstellung[0].taktik[n][10] = 110;
    m->icons.wort[1271 + n] = 1 | 4;
    Teamspieler_Wert(317, 0, 12, 0x100, 8);  // place 3's man cannot play

    Assi_Mannschaftsaufstellung(0, -1, 4, 0, 50, n, false);
    EXPECT_EQ(Teamspieler_Zaehle_Startelf(0, nullptr, nullptr, false), 11);
    for (int32_t k = 0; k < 10; ++k) {
        const int32_t sp = 15 - k;
        if (sp == 12) {
            EXPECT_FALSE(Teamspieler_Wert(317, 0, sp, 0, 0) & TS_STARTELF);
            continue;
        }
        EXPECT_TRUE(Teamspieler_Wert(317, 0, sp, 0, 0) & TS_STARTELF) << sp;
        const uint8_t* platz = m->aufstellung[0].plaetze[n];
        EXPECT_EQ(Teamspieler_Wert(310, 0, sp, 0, 0), platz[2 * k] * 17 + platz[2 * k + 1]) << sp;
        EXPECT_EQ(Teamspieler_Wert(329, 0, sp, 0, 0), 100 + k) << sp;
    }
    EXPECT_EQ(Teamspieler_Wert(310, 0, 0, 0, 0), SP_POS_TORWART);
    EXPECT_EQ(Teamspieler_Wert(329, 0, 0, 0, 0), 110);

    // besides the named men only a second goalkeeper can play: place 3 stays empty and the places
    // after it still get their men
    Spieler_Fix_Daten[1].lieblingspos = SP_POS_TORWART;
    for (int32_t sp = 2; sp <= 5; ++sp) Teamspieler_Wert(317, 0, sp, 0x100, 8);
    Assi_Mannschaftsaufstellung(0, -1, 4, 0, 50, n, false);
    EXPECT_EQ(Teamspieler_Zaehle_Startelf(0, nullptr, nullptr, false), 10);
    for (int32_t sp = 6; sp <= 11; ++sp) EXPECT_EQ(Teamspieler_Wert(329, 0, sp, 0, 0), 115 - sp) << sp;
    EXPECT_TRUE(Teamspieler_Wert(317, 0, 1, 0, 0) & TS_ERSATZ);
    for (int32_t sp = 2; sp <= 5; ++sp) Teamspieler_Wert(317, 0, sp, 0x100, 4);
    Spieler_Fix_Daten[1].lieblingspos = 200;

    // set B's bits are not set A's: the assistant chooses and the words follow the kinds
    m->icons.wort[1271 + n] = 2 | 8;
    Assi_Mannschaftsaufstellung(0, -1, 4, 0, 50, n, false);
    for (int32_t sp = 1; sp < 16; ++sp)
        if (Teamspieler_Wert(317, 0, sp, 0, 0) & TS_STARTELF) {
            EXPECT_EQ(Teamspieler_Wert(329, 0, sp, 0, 0), Spieler_Wert(SP_ART, sp, 0, 0)) << sp;
        }
}

}  // namespace
