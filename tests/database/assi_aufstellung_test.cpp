#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/capture.h"
#include "database/assi_aufstellung.h"
#include "database/assistent.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "database/zufall_folge.h"
#include "gameflow/highscore.h"
#include "gameflow/news.h"
#include "match/spieltag.h"
#include "platform/wert.h"
#include "platform/zufall.h"

namespace {

int32_t zelle(int32_t z, int32_t s) { return z * 17 + s; }

// Club 0 with players 0-9 (0 the goalkeeper); 2 the market, 3 the youth team.
struct AssiAufstellungTest : ::testing::Test {
    void SetUp() override
    {
        Test_Teams_Anlegen(4);
        Test_Spieler_Anlegen(12);
        Zufall_Init();
        T_Fix[0].liga = 1;
        Spieler_Fix_Daten[0].lieblingspos = SP_POS_TORWART;
        for (int32_t sp = 0; sp < 10; ++sp) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 0, sp, 100, 0, 24, -1, true));
    }
    void TearDown() override { Test_Aufraeumen(); }
    int32_t feld(int32_t f, int32_t sp) { return Teamspieler_Wert(f, 0, sp, 0, 0); }
};

TEST_F(AssiAufstellungTest, EveryPlaceOfTheBuiltInFormationsHasAValidArea)
{
    for (int32_t f = 0; f < TEAM_FORMATIONEN; ++f)
        for (int32_t k = 0; k < 10; ++k) {
            const uint8_t* b = Team_Formationen[f].bereiche + 8 * k;
            Teamspieler_Wert(311, 0, 1, zelle(b[0], b[1]), 1);
            Teamspieler_Wert(312, 0, 1, zelle(b[2], b[3]), 1);
            EXPECT_FALSE(Spieler_Raum_Ist_Ungueltig(0, 1)) << "Formation " << f << " Platz " << k;
        }
}

TEST_F(AssiAufstellungTest, NewPlayersTakeFreePlacesAndGetUsableAreas)
{
    Zufall_Set_Seed(321);
    std::set<int32_t> plaetze;
    for (int32_t sp = 1; sp < 6; ++sp) {
        Assi_Setze_Spieler_Raum(0, sp, true, false);
        const int32_t p = feld(310, sp);
        EXPECT_EQ(p % 17, 8);
        EXPECT_TRUE(plaetze.insert(p).second) << "Platz doppelt: " << p;
        EXPECT_FALSE(Spieler_Raum_Ist_Ungueltig(0, sp));
        const int32_t a = feld(311, sp), b = feld(312, sp);
        EXPECT_GE(b / 17 - a / 17, 2);
        EXPECT_GE(b % 17 - a % 17, 2);
        EXPECT_EQ(feld(313, sp), zelle(a / 17, (a % 17 + b % 17) / 2));
        EXPECT_EQ(feld(314, sp), zelle(b / 17, (a % 17 + b % 17) / 2));
    }
    EXPECT_EQ(*plaetze.begin(), zelle(8, 8));

    // kept area moves along with the player
    Teamspieler_Wert(310, 0, 6, zelle(13, 8), 1);
    Teamspieler_Wert(311, 0, 6, zelle(10, 5), 1);
    Teamspieler_Wert(312, 0, 6, zelle(16, 11), 1);
    Assi_Setze_Spieler_Raum(0, 6, false, true);
    EXPECT_EQ(feld(311, 6), zelle(10, 5));
    EXPECT_EQ(feld(312, 6), zelle(16, 11));

    // a place on the border leaves no room: the default area
    Teamspieler_Wert(310, 0, 7, zelle(0, 0), 1);
    Assi_Setze_Spieler_Raum(0, 7, false, false);
    EXPECT_EQ(feld(310, 7), zelle(14, 9));
    EXPECT_EQ(feld(311, 7), zelle(8, 5));
    EXPECT_EQ(feld(312, 7), zelle(20, 13));
    EXPECT_EQ(feld(313, 7), zelle(8, 9));
    EXPECT_EQ(feld(314, 7), zelle(20, 9));

    // the goalkeeper is left alone
    Assi_Setze_Spieler_Raum(0, 0, true, false);
    EXPECT_EQ(feld(310, 0), SP_POS_TORWART);
}

TEST_F(AssiAufstellungTest, PlayersWhoCannotPlayLeaveTheLineUp)
{
    Teamspieler_Wert(317, 0, 2, TS_STARTELF | 0x80, 8);
    Teamspieler_Wert(316, 0, 2, 9, 1);
    Teamspieler_Wert(317, 0, 3, TS_ERSATZ | 0x800, 8);
    Teamspieler_Wert(317, 0, 4, TS_STARTELF, 8);
    Teamspieler_Wert(316, 0, 4, 9, 1);
    Assi_Aufstellung_Bereinigen(0);
    EXPECT_EQ(feld(317, 2), 0x80);
    EXPECT_EQ(feld(316, 2), -1);
    EXPECT_EQ(feld(317, 3), 0x800);
    EXPECT_EQ(feld(317, 4), TS_STARTELF);
    EXPECT_EQ(feld(316, 4), 9);
}

TEST(AssiRauschen, FullAbilityRatesExactlyAndFortyWithinSixPercent)
{
    Zufall_Set_Seed(4);
    int32_t lo = 1000, hi = 0;
    for (int32_t k = 0; k < 2000; ++k) {
        ASSERT_EQ(Assi_Rauschfaktor(100), 100);
        const int32_t z = Assi_Rauschfaktor(40);
        lo = std::min(lo, z);
        hi = std::max(hi, z);
    }
    EXPECT_EQ(lo, 94);
    EXPECT_EQ(hi, 106);
}

TEST_F(AssiAufstellungTest, TacticFigureStaysInsideItsRange)
{
    Zufall_Set_Seed(11);
    for (int32_t ziel : {0, 3, 50, 95, 100}) {
        for (int32_t k = 0; k < 100; ++k) {
            Assi_Taktik_Wert_Setzen(0, ziel);
            const int32_t w = Team_Wert(152, 0, 0, TEAM_LESEN);
            ASSERT_GE(w, 5);
            ASSERT_LE(w, 95);
        }
    }
    EXPECT_EQ(Assi_Position_In_Mannschaftsteil(7, 0, nullptr), 2);
    int32_t teil = -1;
    EXPECT_EQ(Assi_Position_In_Mannschaftsteil(-1, 16, &teil), 4);
    EXPECT_EQ(teil, 4);
    EXPECT_EQ(Assi_Position_In_Mannschaftsteil(-1, 0, nullptr), 0);
    EXPECT_EQ(Assi_Position_In_Mannschaftsteil(-1, 7, nullptr), 2);
}

// Whatever the match's weight, the figure an assistant sets averages the effort a computer club
// plays at, whatever his ability. (Aimed at the weight, it averaged 52 early in a season and
// near 80 at its end, while the computer plays every match at 70.)
TEST_F(AssiAufstellungTest, AnAssistantAimsAtTheComputersEffort)
{
    ASSERT_GE(Assistent_Mit_Aufgabe(0, 1), 0);
    Zufall_Set_Seed(5);
    // a computer club's assistant is the abler the harder the level (75..95)
    for (uint32_t stufe = 0; stufe < 5; ++stufe)
        for (int32_t ziel : {25, 50, 90}) {
            Schwierigkeitsstufe = stufe;
            int32_t summe = 0;
            for (int32_t k = 0; k < 2000; ++k) {
                Assi_Taktik_Wert_Setzen(0, ziel);
                summe += Team_Wert(TEAM_OPTION, 0, 0, TEAM_LESEN);
            }
            EXPECT_NEAR(summe / 2000.0, TEAM_EINSATZ_COMPUTER, 1.0) << "Stufe " << stufe << ", Ziel " << ziel;
        }
    Schwierigkeitsstufe = 2;
}

}  // namespace

namespace {

// Club 0 of the computer with a squad of `n`: player 0 the goalkeeper, the others spread over
// the pitch.
struct AufstellungLauf : ::testing::Test {
    void anlegen(int32_t n)
    {
        Test_Teams_Anlegen(4);
        Test_Spieler_Anlegen(40);
        Zufall_Init();
        // the tactics assistant's figures depend on the difficulty: the game's default
        Schwierigkeitsstufe = 2;
        T_Fix[0].liga = 1;
        Aktueller_Tag = 123;
        Spieler_Fix_Daten[0].lieblingspos = SP_POS_TORWART;
        for (int32_t sp = 1; sp < 40; ++sp) {
            Spieler_Fix_Daten[sp].lieblingspos = static_cast<int16_t>(zelle(2 + (sp * 5) % 23, 1 + (sp * 7) % 15));
            for (int32_t i = 0; i < 9; ++i) Spieler_Daten[sp].attribute[i] = static_cast<int16_t>(300 + (sp * 37 + i * 11) % 500);
        }
        for (int32_t sp = 0; sp < n; ++sp) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 0, sp, 100, 0, 24, -1, true));
    }
    void TearDown() override
    {
        Aktueller_Tag = 0;
        Test_Aufraeumen();
    }
    std::vector<std::array<int32_t, 4>> bild()
    {
        std::vector<std::array<int32_t, 4>> b;
        for (int32_t sp = 0; sp < 40; ++sp)
            if (Teamspieler_Ist_Im_Team(0, sp) == 0)
                b.push_back({sp, Teamspieler_Wert(317, 0, sp, 0, 0), Teamspieler_Wert(310, 0, sp, 0, 0),
                             Teamspieler_Wert(311, 0, sp, 0, 0)});
        return b;
    }
    // one goalkeeper on his cell, field players with valid areas, nobody unfit in the eleven
    void pruefe_elf(int32_t feldspieler, int32_t ersatz)
    {
        int32_t tw = 0, fs = 0, bank = 0;
        for (int32_t sp = 0; sp < 40; ++sp) {
            if (Teamspieler_Ist_Im_Team(0, sp) != 0) continue;
            const int32_t f = Teamspieler_Wert(317, 0, sp, 0, 0);
            if (f & TS_ERSATZ) ++bank;
            if (!(f & TS_STARTELF)) continue;
            EXPECT_EQ(f & 0xFC0, 0) << sp;
            if (Teamspieler_Wert(310, 0, sp, 0, 0) == SP_POS_TORWART) {
                ++tw;
            } else {
                ++fs;
                EXPECT_FALSE(Spieler_Raum_Ist_Ungueltig(0, sp)) << sp;
            }
        }
        EXPECT_EQ(tw, 1);
        EXPECT_EQ(fs, feldspieler);
        EXPECT_EQ(bank, ersatz);
    }
};

TEST_F(AufstellungLauf, SameDaySameLineUpAndTheGamesSequenceGoesOn)
{
    anlegen(22);
    Teamspieler_Wert(317, 0, 5, 0x100, 8);  // cannot play
    Zufall_Set_Seed(777);
    Assi_Mannschaftsaufstellung(0, -1, 5, 0, 50, -1, true);
    EXPECT_EQ(Zufall_Get_Seed(), 777);
    pruefe_elf(10, 4);
    EXPECT_FALSE(Teamspieler_Wert(317, 0, 5, 0, 0) & (TS_STARTELF | TS_ERSATZ));
    const auto erst = bild();
    Zufall(0, 100);
    Assi_Mannschaftsaufstellung(0, -1, 5, 0, 50, -1, true);
    EXPECT_EQ(bild(), erst);

    Fehler_Capture cap;
    Assi_Mannschaftsaufstellung(0, -1, 1, 0, 50, 9, false);
    EXPECT_TRUE(cap.contains("Assi_Mannschaftsaufstellung: ideal_aufst==NIX!"));
    EXPECT_EQ(Team_Wert(170, 0, 0, TEAM_LESEN), 2);
    pruefe_elf(10, 4);
    Assi_Mannschaftsaufstellung(7, -1, 1, 0, 50, -1, false);
    EXPECT_TRUE(cap.contains("Assi_Mannschaftsaufstellung: teamnr falsch!"));
}

TEST_F(AufstellungLauf, ASquadOfFiveGivesAGoalkeeperAndFourFieldPlayers)
{
    anlegen(5);
    Assi_Mannschaftsaufstellung(0, -1, 5, 1, 50, -1, true);
    pruefe_elf(4, 0);
}

}  // namespace

namespace {

int32_t heute_wichtigkeit = 0;
int32_t spiel_heute(int32_t, int32_t* auswaerts, int32_t* wichtigkeit, int32_t*, int32_t*)
{
    if (auswaerts) *auswaerts = 1;
    if (wichtigkeit) *wichtigkeit = heute_wichtigkeit;
    return 1;
}

TEST_F(AufstellungLauf, ImmediateLineUpTakesTheMatchImportanceAndFollowsADeparture)
{
    anlegen(16);
    // a computer club's tactics assistant (ability 85) puts the figure at 97..113 % of its aim,
    // the computer's effort (70), for a weighty match as for a day without one
    Spieltag_Set_Gegner_Hook(spiel_heute);
    heute_wichtigkeit = 90;
    Team_Sofort_Neu_Aufstellen(0, 1);
    EXPECT_LE(Team_Wert(152, 0, 0, TEAM_LESEN), 75);
    EXPECT_GE(Team_Wert(152, 0, 0, TEAM_LESEN), 64);
    Spieltag_Set_Gegner_Hook(nullptr);
    Team_Sofort_Neu_Aufstellen(0, 1);
    EXPECT_LE(Team_Wert(152, 0, 0, TEAM_LESEN), 75);
    EXPECT_GE(Team_Wert(152, 0, 0, TEAM_LESEN), 64);

    // a player of the eleven leaves: the club has a full eleven again without him
    int32_t weg = -1;
    for (int32_t sp = 1; sp < 16 && weg < 0; ++sp)
        if (Teamspieler_Wert(317, 0, sp, 0, 0) & TS_STARTELF) weg = sp;
    ASSERT_GE(weg, 0);
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, 0, weg, 0, 0, 0, -1, true));
    pruefe_elf(10, 4);
}

// Day by day, the figure the line-up run leaves averages the computer's effort and spreads over
// the assistant's range: the run's own sequence starts anew each day from a small seed, whose
// first draw always lies at the low end of its range.
TEST_F(AufstellungLauf, TheDailyRunsFigureSpreadsAroundTheComputersEffort)
{
    anlegen(22);
    int32_t summe = 0, lo = 100, hi = 0;
    for (int32_t tag = 0; tag < 400; ++tag) {
        Aktueller_Tag = tag;
        Assi_Mannschaftsaufstellung(0, -1, 1, 0, 50, -1, false);
        const int32_t w = Team_Wert(TEAM_OPTION, 0, 0, TEAM_LESEN);
        summe += w;
        lo = std::min(lo, w);
        hi = std::max(hi, w);
    }
    EXPECT_NEAR(summe / 400.0, TEAM_EINSATZ_COMPUTER, 1.5);
    // ability 85: 97..113 % of the aim
    EXPECT_LE(lo, 66);
    EXPECT_GE(hi, 74);
}

}  // namespace

namespace {

// A manager's club without a line-up assistant lined up by force (the game's start, or the gaps
// of his eleven filled): of two players with the same favourite cell the better one plays,
// wherever the squad lists him, and a tired one gives way to a fresh one.
TEST_F(AufstellungLauf, WithoutALineUpAssistantTheBetterPlayerTakesAPlace)
{
    anlegen(0);
    Netz_Rolle = 2;
    News_Init();
    struct Manager_Weg {
        ~Manager_Weg()
        {
            News_Init();
            Highscore_Init();
        }
    } weg;
    Manager_Neuer_Mitspieler(0, "M");
    Assistenten_Managerpersonal_Vorbelegen(0);
    ASSERT_LT(Assistent_Mit_Aufgabe(0, 0), 0);
    uint8_t aus[100];
    Team_Aufstellungsarray(0, 0, Team_Wert(170, 0, 0, TEAM_LESEN), aus, nullptr, nullptr);
    // places 0-9: the weaker player (1, 3, ...) joins before the better one (2, 4, ...)
    for (int32_t sp = 0; sp <= 20; ++sp) {
        if (sp > 0) {
            const int32_t k = (sp - 1) / 2;
            Spieler_Fix_Daten[sp].lieblingspos = static_cast<int16_t>(zelle(aus[2 * k], aus[2 * k + 1]));
            for (int32_t i = 0; i < 9; ++i) Spieler_Daten[sp].attribute[i] = sp % 2 ? 60 : 200;
            Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, sp, 0, SP_SCHREIBEN);
        }
        ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 0, sp, 100, 0, 24, -1, true));
    }
    const auto elf = [] {
        std::vector<int32_t> e;
        for (int32_t sp = 1; sp <= 20; ++sp)
            if (Teamspieler_Wert(317, 0, sp, 0, 0) & TS_STARTELF) e.push_back(sp);
        return e;
    };
    const std::vector<int32_t> bessere = {2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
    for (const int32_t flags : {5, 1}) {
        SCOPED_TRACE(flags);
        Assi_Mannschaftsaufstellung(0, -1, flags, 0, 50, -1, true);
        EXPECT_EQ(elf(), bessere);
    }
    // the better player of place 0 worn out, the place goes to the fresh one beside him
    for (int32_t i = 0; i < 9; ++i) Spieler_Daten[1].attribute[i] = 190;
    Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, 2, 100, SP_SCHREIBEN);
    Assi_Mannschaftsaufstellung(0, -1, 1, 0, 50, -1, true);
    EXPECT_EQ(elf().front(), 1);
}

// The line-up of club 0 (22 players, day 123, ability 85) as (player, flags, cell) for the run's
// flags: the ratings drawn once each in squad order decide it, so any other order of draws or a
// rating drawn again for a later pick moves somebody.
std::vector<std::array<int32_t, 3>> aufstellung(int32_t flags)
{
    Assi_Mannschaftsaufstellung(0, -1, flags, 0, 50, -1, false);
    std::vector<std::array<int32_t, 3>> b;
    for (int32_t sp = 0; sp < 40; ++sp) {
        if (Teamspieler_Ist_Im_Team(0, sp) != 0) continue;
        const int32_t f = Teamspieler_Wert(317, 0, sp, 0, 0) & (TS_STARTELF | TS_ERSATZ);
        if (f) b.push_back({sp, f, f & TS_STARTELF ? Teamspieler_Wert(310, 0, sp, 0, 0) : -1});
    }
    return b;
}

TEST_F(AufstellungLauf, ALineUpForAFixedDayIsPinned)
{
    anlegen(22);
    Team_Wert(170, 0, 3, TEAM_SCHREIBEN);
    using Bild = std::vector<std::array<int32_t, 3>>;
    // the stored formation 3 by its ten place ratings
    EXPECT_EQ(aufstellung(2), (Bild{{0, 16, 459}, {4, 32, -1}, {5, 16, 74}, {6, 16, 78}, {7, 16, 274},
                                    {8, 16, 395}, {9, 16, 403}, {10, 16, 215}, {11, 16, 286}, {12, 16, 104},
                                    {17, 32, -1}, {18, 32, -1}, {19, 16, 116}, {20, 16, 209}, {21, 32, -1}}));
    // the grid chooses the formation, and the grid ratings place the players
    EXPECT_EQ(aufstellung(5), (Bild{{0, 16, 459}, {3, 16, 224}, {4, 32, -1}, {5, 16, 59}, {6, 32, -1},
                                    {7, 16, 310}, {8, 16, 318}, {9, 16, 382}, {10, 16, 212}, {11, 16, 105},
                                    {12, 16, 234}, {18, 32, -1}, {19, 16, 115}, {20, 16, 127}, {21, 32, -1}}));
    // that formation kept, by its place ratings drawn before the grid's
    EXPECT_EQ(aufstellung(6), (Bild{{0, 16, 459}, {4, 32, -1}, {5, 16, 59}, {6, 32, -1}, {7, 16, 224},
                                    {8, 16, 318}, {9, 16, 310}, {10, 16, 212}, {11, 16, 382}, {12, 16, 105},
                                    {17, 32, -1}, {18, 32, -1}, {19, 16, 115}, {20, 16, 127}, {21, 16, 234}}));
}

// A club's home and away line-ups of one day share their ratings. Whatever changes between
// them (a player hurt, tired, trained, gone or new, another formation for the away set) gives
// the away line-up exactly as a run that rates afresh makes it; with nothing changed, the
// ratings are handed over.
TEST_F(AufstellungLauf, AChangeBetweenTheTwoLineUpsOfADayGivesTheLineUpMadeAfresh)
{
    using Bild = std::vector<std::array<int32_t, 3>>;
    // player 7 stands in the eleven of formation 3 (see the pinned line-up above)
    const std::vector<std::pair<std::string, std::function<void()>>> aenderungen = {
        {"nichts", [] {}},
        {"verletzt", [] { Teamspieler_Wert(317, 0, 7, 0x100, 8); }},
        {"muede", [] { Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, 7, Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, 7, 0, SP_LESEN) < 50 ? 90 : 10, SP_SCHREIBEN); }},
        {"trainiert", [] { Spieler_Daten[9].attribute[4] = int16_t(Spieler_Daten[9].attribute[4] + 300); }},
        {"geht", [] { ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, 0, 7, 0, 0, 0, -1, true)); }},
        {"kommt", [] { ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 0, 30, 100, 0, 24, -1, true)); }},
        {"formation", [] { Team_Wert(171, 0, 4, TEAM_SCHREIBEN); }},
    };
    auto tag = [&](const std::function<void()>& aendern, bool vergessen, bool* uebernommen) {
        anlegen(22);
        Team_Wert(170, 0, 3, TEAM_SCHREIBEN);
        Team_Wert(171, 0, 3, TEAM_SCHREIBEN);
        Assi_Mannschaftsaufstellung(0, -1, 2, 0, 50, -1, false);
        aendern();
        if (vergessen) Assi_Bewertung_Vergessen();
        const int64_t vorher = Assi_Bewertung_Geteilt();
        Assi_Mannschaftsaufstellung(0, -1, 2, 1, 50, -1, false);
        if (uebernommen) *uebernommen = Assi_Bewertung_Geteilt() > vorher;
        Bild b;
        for (int32_t sp = 0; sp < 40; ++sp) {
            if (Teamspieler_Ist_Im_Team(0, sp) != 0) continue;
            const int32_t f = Teamspieler_Wert(317, 0, sp, 0, 0) & (TS_STARTELF | TS_ERSATZ);
            if (f) b.push_back({sp, f, f & TS_STARTELF ? Teamspieler_Wert(310, 0, sp, 0, 0) : -1});
        }
        Aktueller_Tag = 0;
        Test_Aufraeumen();
        return b;
    };
    Bild ohne_aenderung;
    for (const auto& [name, aendern] : aenderungen) {
        bool uebernommen = false, frisch_uebernommen = true;
        const Bild geteilt = tag(aendern, false, &uebernommen);
        const Bild frisch = tag(aendern, true, &frisch_uebernommen);
        EXPECT_EQ(geteilt, frisch) << name;
        EXPECT_FALSE(frisch_uebernommen) << name;
        EXPECT_EQ(uebernommen, name == "nichts") << name;
        if (name == "nichts") ohne_aenderung = geteilt;
        else if (name != "trainiert" && name != "kommt") { EXPECT_NE(geteilt, ohne_aenderung) << name; }
    }
}

// A club's home and away line-ups made back to back in one scope: where the away run takes the
// home run's ratings for the same formation, it leaves the home run's eleven and bench standing,
// and every player's flags, places, marking and instruction and the club's figures are what the
// two runs leave outside a scope. Another formation, a run of another club in between, a player
// changed in between (against the scope's rule), a squad too small for an eleven or an opponent
// to mark make the away run choose anew; a third run finds the choice standing again.
TEST_F(AufstellungLauf, TheAwayLineUpOfAScopeFindsTheHomeRunsChoiceStanding)
{
    using Zustand = std::vector<int32_t>;
    auto zustand = [] {
        Zustand z = {Team_Wert(152, 0, 0, TEAM_LESEN), Team_Wert(170, 0, 0, TEAM_LESEN), Team_Wert(171, 0, 0, TEAM_LESEN)};
        for (int32_t sp = 0; sp < 40; ++sp) {
            if (Teamspieler_Ist_Im_Team(0, sp) != 0) continue;
            z.push_back(sp);
            for (int32_t f : {310, 311, 312, 313, 314, 316, 317, 329}) z.push_back(Teamspieler_Wert(f, 0, sp, 0, 0));
        }
        return z;
    };
    struct Fall {
        std::string name;
        int32_t spieler, formation_b, gegner, laeufe;
        bool dazwischen, geaendert;
        int64_t geteilt;  // runs expected to find the choice standing
    };
    const std::vector<Fall> faelle = {{"gleich", 22, 3, -1, 2, false, false, 1},
                                      {"drei Laeufe", 22, 3, -1, 3, false, false, 2},
                                      {"andere Formation", 22, 4, -1, 2, false, false, 0},
                                      {"anderer Verein dazwischen", 22, 3, -1, 2, true, false, 0},
                                      {"Spieler geaendert", 22, 3, -1, 2, false, true, 0},
                                      {"kleiner Kader", 7, 3, -1, 2, false, false, 1},
                                      {"Gegner", 22, 3, 1, 2, false, false, 0}};
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        auto tag = [&](bool reihe, int64_t* geteilt) {
            anlegen(fall.spieler);
            for (int32_t sp = 30; sp < 40 && fall.gegner >= 0; ++sp)
                EXPECT_TRUE(Teamspieler_Kommt_Oder_Geht(1, fall.gegner, sp, 100, 0, 24, -1, true));
            // a line-up of another formation before, whose places the day's runs overwrite
            Assi_Mannschaftsaufstellung(0, -1, 2, 0, 50, 6, true);
            Team_Wert(170, 0, 3, TEAM_SCHREIBEN);
            Team_Wert(171, 0, fall.formation_b, TEAM_SCHREIBEN);
            const int64_t vorher = Assi_Wahl_Geteilt();
            {
                std::optional<Assi_Aufstellung_Reihe> r;
                if (reihe) r.emplace();
                for (int32_t l = 0; l < fall.laeufe; ++l) {
                    if (l == 1 && fall.dazwischen) Assi_Mannschaftsaufstellung(1, -1, 2, 0, 50, -1, true);
                    for (int32_t sp = 1; l == 1 && fall.geaendert && sp < fall.spieler; ++sp)
                        if (Teamspieler_Wert(317, 0, sp, 0, 0) & TS_STARTELF) Spieler_Daten[sp].spiel_erschoepfung = 99;
                    Assi_Mannschaftsaufstellung(0, fall.gegner, 2, l % 2, 50, -1, false);
                }
            }
            *geteilt = Assi_Wahl_Geteilt() - vorher;
            const Zustand z = zustand();
            Aktueller_Tag = 0;
            Test_Aufraeumen();
            return z;
        };
        int64_t mit = 0, ohne = 0;
        const Zustand in_reihe = tag(true, &mit);
        const Zustand einzeln = tag(false, &ohne);
        EXPECT_EQ(in_reihe, einzeln);
        EXPECT_EQ(mit, fall.geteilt);
        EXPECT_EQ(ohne, 0);
    }
}

// The line-up reads each player's fatigue and kind: fatigue below 50 counts for nothing (the
// same line-up as without), fatigue of the whole eleven moves players out of it, and every field
// player of the eleven takes his kind as his instruction word, also after his favourite cell
// moved to another line.
TEST_F(AufstellungLauf, FatigueFromFiftyAndThePlayersKindShapeTheEleven)
{
    using Bild = std::vector<std::array<int32_t, 4>>;
    auto lauf = [&](const std::function<void()>& vorher) {
        anlegen(22);
        vorher();
        Assi_Mannschaftsaufstellung(0, -1, 2, 0, 50, 3, true);
        Bild b = bild();
        for (int32_t sp = 0; sp < 40; ++sp) {
            if (Teamspieler_Ist_Im_Team(0, sp) != 0 || !(Teamspieler_Wert(317, 0, sp, 0, 0) & TS_STARTELF)) continue;
            if (Teamspieler_Wert(310, 0, sp, 0, 0) == SP_POS_TORWART) continue;
            EXPECT_EQ(Teamspieler_Wert(329, 0, sp, 0, 0), Spieler_Wert(SP_ART, sp, 0, SP_LESEN)) << sp;
        }
        Aktueller_Tag = 0;
        Test_Aufraeumen();
        return b;
    };
    const Bild frisch = lauf([] {});
    EXPECT_EQ(lauf([] {
                  for (int32_t sp = 0; sp < 40; ++sp) Spieler_Daten[sp].spiel_erschoepfung = 49;
              }),
              frisch);
    std::vector<int32_t> elf;
    for (const auto& e : frisch)
        if ((e[1] & TS_STARTELF) && e[2] != SP_POS_TORWART) elf.push_back(e[0]);
    ASSERT_EQ(elf.size(), 10u);
    const Bild muede = lauf([&] {
        for (int32_t sp : elf) Spieler_Daten[sp].spiel_erschoepfung = 99;
    });
    int32_t geblieben = 0;
    for (const auto& e : muede)
        if ((e[1] & TS_STARTELF) && std::find(elf.begin(), elf.end(), e[0]) != elf.end()) ++geblieben;
    EXPECT_LT(geblieben, 10);
    lauf([&] {
        for (int32_t sp : elf) Spieler_Fix_Daten[sp].lieblingspos = static_cast<int16_t>(zelle(20, sp % 17));
    });
}

}  // namespace

namespace {

// Moves inside a batch leave the line-up alone; its end makes it once, whole again.
// Two field players rated alike for every place (the weakest attributes rate only their own cell):
// the first place of formation 5, cell (11, 8), goes to the one whose favourite cell is nearer,
// whichever side of the place he stands on and wherever he stands in the squad.
TEST_F(AufstellungLauf, WithEqualRatingsTheNearerPlayerTakesThePlace)
{
    anlegen(0);
    const int32_t platz = zelle(11, 8);
    // (nearer, farther) favourite cells: left and right, right and left, below and above, above and below
    const std::vector<std::pair<int32_t, int32_t>> faelle = {{zelle(11, 5), zelle(11, 12)}, {zelle(11, 11), zelle(11, 4)},
                                                             {zelle(14, 8), zelle(7, 8)},   {zelle(8, 8), zelle(15, 8)}};
    for (const auto& [naeher, weiter] : faelle) {
        SCOPED_TRACE(naeher);
        for (int32_t sp = 0; sp < 3; ++sp) Teamspieler_Kommt_Oder_Geht(0, 0, sp, 0, 0, 0, -1, true);
        // the farther one joins first
        Spieler_Fix_Daten[1].lieblingspos = static_cast<int16_t>(weiter);
        Spieler_Fix_Daten[2].lieblingspos = static_cast<int16_t>(naeher);
        for (int32_t sp = 1; sp < 3; ++sp)
            for (int16_t& a : Spieler_Daten[sp].attribute) a = 1;
        for (int32_t sp = 0; sp < 3; ++sp) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 0, sp, 100, 0, 24, -1, true));
        Assi_Mannschaftsaufstellung(0, -1, 2, 0, 50, 5, true);
        EXPECT_EQ(Teamspieler_Wert(310, 0, 2, 0, 0), platz);
        EXPECT_NE(Teamspieler_Wert(310, 0, 1, 0, 0), platz);
        EXPECT_TRUE(Teamspieler_Wert(317, 0, 1, 0, 0) & TS_STARTELF);
    }
}

TEST_F(AufstellungLauf, ABatchOfMovesLinesTheClubUpOnceAtItsEnd)
{
    anlegen(16);
    int32_t weg = -1;
    for (int32_t sp = 1; sp < 16 && weg < 0; ++sp)
        if (Teamspieler_Wert(317, 0, sp, 0, 0) & TS_STARTELF) weg = sp;
    ASSERT_GE(weg, 0);
    Teamspieler_Folgen_Sammeln();
    Teamspieler_Folgen_Sammeln();
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(0, 0, weg, 0, 0, 0, -1, true));
    ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 0, 30, 100, 0, 24, -1, true));
    Teamspieler_Folgen_Ausfuehren();  // the inner end: still collecting
    int32_t elf = 0;
    for (int32_t sp = 0; sp < 40; ++sp)
        if (Teamspieler_Ist_Im_Team(0, sp) == 0) elf += (Teamspieler_Wert(317, 0, sp, 0, 0) & TS_STARTELF) != 0;
    EXPECT_EQ(elf, 10);
    EXPECT_EQ(Teamspieler_Wert(317, 0, 30, 0, 0) & (TS_STARTELF | TS_ERSATZ), 0);
    Teamspieler_Folgen_Ausfuehren();
    pruefe_elf(10, 4);

    Fehler_Capture cap;
    Teamspieler_Folgen_Ausfuehren();
    EXPECT_TRUE(cap.contains("Teamspieler_Folgen_Ausfuehren: kein Sammeln offen!"));
}

}  // namespace

namespace {

// The eleven of club 0 by the plain rules, every draw taken from the generator itself: the
// tactic figure's, then each player's overall figure and (`plaetze`) his ten place ratings of
// formation `formation` or (else) his window of 17 x 9 cells, and with the grid a draw for each
// formation the grid chooses from. Each field place, in order, goes to the fittest player left,
// the first of equals; the goal to the first player left in squad order, and the bench to the
// four best overall figures left, the first of equals. Gives each field player's cell, by player,
// and the bench, -1 for the goalkeeper.
std::map<int32_t, int32_t> elf_von_hand(int32_t tag, bool plaetze, int32_t formation)
{
    Zufall_Set_Seed(1000 + tag % 4000);
    const int32_t taktik = Assistent_Faehigkeit(0, Assistent_Mit_Aufgabe(0, 1), 1);
    Zufall_Gross(80 + taktik / 5, 130 - taktik / 5);
    const int32_t a = Assistent_Faehigkeit(0, Assistent_Mit_Aufgabe(0, 0), 0);
    const int32_t lo = 90 + a / 10, hi = 110 - a / 10;
    int32_t feld[500];
    std::vector<int32_t> kader;
    for (int32_t i = 0, n = Teamspieler_Kader(0, feld, nullptr, 500, 0); i < n; ++i)
        if (!(Teamspieler_Wert(317, 0, feld[i], 0, 0) & 0xFC0)) kader.push_back(feld[i]);
    auto bewertet = [&](int32_t sp, int32_t c, int32_t r) {
        const int32_t e = Assi_Eignung_Berechnen(sp, c) * r / 100;
        const int32_t form = Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, sp, 0, SP_LESEN);
        return e * (100 - (form < 50 ? 0 : form) / 2) / 100 + 1;
    };
    auto ort = [](const uint8_t* aus, int32_t k) { return zelle(aus[2 * k], aus[2 * k + 1]); };
    uint8_t aus[100];
    Team_Aufstellungsarray(0, 0, formation, aus, nullptr, nullptr);
    std::map<std::pair<int32_t, int32_t>, int32_t> wert;  // by player and cell
    std::array<int64_t, 459> gitter{};
    std::map<int32_t, int32_t> gesamt;
    for (int32_t sp : kader) {
        const int32_t z = Zufall(lo, hi), lieb = Spieler_Fix_Daten[sp].lieblingspos;
        int32_t alle = 0;
        for (int32_t i = 0; i < 9; ++i) alle += Spieler_Daten[sp].attribute[i];
        gesamt[sp] = (lieb == SP_POS_TORWART ? 9 * Spieler_Daten[sp].attribute[0] : alle) * z / 100;
        if (lieb == SP_POS_TORWART) continue;
        for (int32_t p = 0; plaetze && p < 10; ++p) wert[{sp, ort(aus, p)}] = bewertet(sp, ort(aus, p), Zufall(lo, hi));
        for (int32_t z = lieb / 17 - 8; !plaetze && z <= lieb / 17 + 8; ++z)
            for (int32_t s = lieb % 17 - 4; z >= 0 && z < 27 && s <= lieb % 17 + 4; ++s) {
                if (s < 0 || s > 16) continue;
                const int32_t w = bewertet(sp, zelle(z, s), Zufall(lo, hi));
                wert[{sp, zelle(z, s)}] = w;
                gitter[size_t(zelle(z, s))] += w;
            }
    }
    const int32_t n = std::min<int32_t>(int32_t(kader.size()) - 1, 10);
    int64_t beste = -1;
    for (int32_t f = 0; !plaetze && f < TEAM_FORMATIONEN; ++f) {
        uint8_t b[100];
        Team_Aufstellungsarray(0, 0, f, b, nullptr, nullptr);
        int64_t summe = 0;
        for (int32_t k = 0; k < n; ++k) summe += gitter[size_t(ort(b, k))];
        summe = summe * Zufall(lo, hi) / 100;
        if (summe > beste) {
            beste = summe;
            std::copy_n(b, 100, aus);
        }
    }
    std::map<int32_t, int32_t> elf;
    for (int32_t k = 0; k < n; ++k) {
        int32_t wahl = -1, bester = 0;
        for (int32_t sp : kader) {
            const int32_t lieb = Spieler_Fix_Daten[sp].lieblingspos, c = ort(aus, k);
            if (lieb == SP_POS_TORWART || elf.count(sp)) continue;
            const auto w = wert.find({sp, c});
            const int32_t x = (w == wert.end() ? 0 : w->second) + 25 - Hypotenuse_Int(lieb / 17 - c / 17, lieb % 17 - c % 17);
            if (wahl < 0 || x > bester) wahl = sp, bester = x;
        }
        elf[wahl] = ort(aus, k);
    }
    for (int32_t bank = 0; bank < 5; ++bank) {
        int32_t wahl = -1;
        for (int32_t sp : kader)
            if (!elf.count(sp) && (wahl < 0 || (bank > 0 && gesamt[sp] > gesamt[wahl]))) wahl = sp;
        if (wahl >= 0) elf[wahl] = -1;
    }
    return elf;
}

// Club 0's eleven as the line-up left it, in elf_von_hand's form.
std::map<int32_t, int32_t> elf_von_club()
{
    std::map<int32_t, int32_t> elf;
    for (int32_t sp = 0; sp < 40; ++sp) {
        const int32_t f = Teamspieler_Ist_Im_Team(0, sp) == 0 ? Teamspieler_Wert(317, 0, sp, 0, 0) : 0;
        const int32_t c = Teamspieler_Wert(310, 0, sp, 0, 0);
        if (f & TS_ERSATZ) elf[sp] = -1;
        if (f & TS_STARTELF) elf[sp] = c == SP_POS_TORWART ? -1 : c;
    }
    return elf;
}

// Days whose draws run over the end of the generator's cycle, and others: the eleven rated by
// places and by the grid is the one the plain rules give, tired players among them.
TEST_F(AufstellungLauf, TheElevenIsTheOneThePlainRulesGiveOnEveryKindOfDay)
{
    std::vector<int32_t> tage = {123, 2000, 3999};
    // players 13 to 21 alike, so that the bench sees equal figures
    for (int32_t tag = 0; tag < 4000 && tage.size() < 9; ++tag) {
        Zufall_Set_Seed(1000 + tag);
        Zufall(0, 1), Zufall(0, 1);
        if (Zufall_Folge().Stelle() > Zufall_Folge::LAENGE - 150) tage.push_back(tag);
    }
    ASSERT_EQ(tage.size(), 9u);
    for (const int32_t tag : tage)
        for (const bool plaetze : {true, false}) {
            SCOPED_TRACE(testing::Message() << "Tag " << tag << (plaetze ? " Plätze" : " Raster"));
            anlegen(22);
            for (int32_t sp = 3; sp < 22; sp += 3) Spieler_Daten[sp].spiel_erschoepfung = int16_t(40 + 3 * sp);
            for (int32_t sp = 13; sp < 22; ++sp) std::copy_n(Spieler_Daten[12].attribute, 9, Spieler_Daten[sp].attribute);
            Aktueller_Tag = tag;
            const std::map<int32_t, int32_t> erwartet = elf_von_hand(tag, plaetze, 3);
            Assi_Mannschaftsaufstellung(0, -1, plaetze ? 2 : 5, 0, 50, plaetze ? 3 : -1, false);
            EXPECT_EQ(elf_von_club(), erwartet);
            Aktueller_Tag = 0;
            Test_Aufraeumen();
        }
}

// A line-up rates every cell its formations' places stand on, whatever squads the line-ups before
// it had: a squad too small for ten field places fills fewer of them, and more kinds of squad
// come by than the line-ups keep the rated cells of. Candidates left from a larger squad's run
// play no part in a smaller one's.
TEST_F(AufstellungLauf, ALineUpRatesTheCellsOfItsOwnSquadsPlacesWhateverRunsCameBefore)
{
    for (const int32_t n : {7, 22, 4, 3, 5, 6, 22, 4})
        for (const bool plaetze : {false, true}) {
            SCOPED_TRACE(testing::Message() << "Kader " << n << (plaetze ? " Plätze" : " Raster"));
            anlegen(n);
            Aktueller_Tag = 2000;
            const std::map<int32_t, int32_t> erwartet = elf_von_hand(2000, plaetze, 3);
            Assi_Mannschaftsaufstellung(0, -1, plaetze ? 2 : 5, 0, 50, plaetze ? 3 : -1, false);
            EXPECT_EQ(elf_von_club(), erwartet);
            Aktueller_Tag = 0;
            Test_Aufraeumen();
        }
}

}  // namespace
