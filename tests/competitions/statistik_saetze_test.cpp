// The fact sentences over scripted seasons: what is said, what is left out, and that no
// sentence leaves its buffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "competitions/spiele_ewig.h"
#include "competitions/spiele_welt.h"
#include "competitions/statistik_saetze.h"
#include "database/team.h"

namespace {

using namespace spielwelt;

struct Ev {
    uint32_t flags;
    int32_t minute;
};

class FaktenTest : public Spielwelt {
protected:
    int32_t block = -1;
    std::vector<std::vector<char>> puffer;
    void SetUp() override
    {
        Spielwelt::SetUp();
        block = Spiele_Init_Neue_Spiele(1, 4, 12, 1, LIGA, -1);
        Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spiele_block = block;
    }
    void spiel(int32_t tag, int32_t heim, int32_t gast, const std::vector<Ev>& ev)
    {
        int32_t h = Spiele_Lock(block, tag, 0, 0);
        ASSERT_NE(h, 0);
        Spiele_Set_Teams(h, heim, gast);
        Spiele_Set_Ergebnis(h, 0, 0, 0);
        Spiele_Ereignis_Speicher_Reservieren(h);
        for (const Ev& e : ev) Spiele_Set_Ereignis(h, e.flags, e.minute, 5, 0x7FFF);
        Spiele_Set_Minute(h, 90);
        Spiele_Unlock(h);
    }
    // Buffers with a guard area behind the `groesse` bytes the generator may use.
    std::vector<std::string> saetze(int32_t w, int32_t team, int32_t gegner, int32_t seite, int32_t h,
                                    int32_t max = 30, int32_t groesse = 256)
    {
        puffer.assign(size_t(max), std::vector<char>(size_t(groesse) + 64, 0x55));
        std::vector<char*> zeiger;
        for (auto& p : puffer) zeiger.push_back(p.data());
        const int32_t n = Statistik_Fakten_Saetze(w, team, gegner, seite, h, zeiger.data(), max, groesse);
        std::vector<std::string> r;
        for (int32_t i = 0; i < n; ++i) r.emplace_back(puffer[size_t(i)].data());
        for (auto& p : puffer)
            for (size_t k = size_t(groesse); k < p.size(); ++k) EXPECT_EQ(p[k], 0x55) << "written past the buffer";
        return r;
    }
    static bool hat(const std::vector<std::string>& s, const std::string& teil)
    {
        return std::any_of(s.begin(), s.end(), [&](const std::string& x) { return x.find(teil) != std::string::npos; });
    }
};

constexpr uint32_t TOR = SPE_TOR | SPE_HEIM, CHANCE = SPE_CHANCE | SPE_HEIM, GEGENCHANCE = SPE_CHANCE;

TEST_F(FaktenTest, HeadToHeadNeedsTwoMeetingsAndNamesTheSide)
{
    int32_t h = Spiele_Lock(block, 0, 0, 0);
    Spiele_Set_Teams(h, 0, 1);
    Spiele_Set_Spiele_Gegen(LIGA, 0, 1, 2, 1);
    EXPECT_TRUE(saetze(LIGA, 0, -1, -1, h).empty());  // one meeting says nothing
    Spiele_Set_Spiele_Gegen(LIGA, 0, 1, 0, 1);
    EXPECT_EQ(saetze(LIGA, 0, -1, -1, h),
              (std::vector<std::string>{"Team 0 spielte noch nie unentschieden zuhause gegen Team 1."}));
    // The guest's view swaps wins and losses and speaks of the away match.
    Spiele_Set_Spiele_Gegen(LIGA, 0, 1, 3, 0);
    EXPECT_EQ(saetze(LIGA, 1, -1, -1, h),
              (std::vector<std::string>{"Team 1 spielte noch nie unentschieden bei Team 0."}));
    Spiele_Unlock(h);
}

TEST_F(FaktenTest, TwoGoalsInEveryMatchIsTheStrongerSentence)
{
    for (int32_t tag = 0; tag < 5; ++tag)
        spiel(tag, 0, 1 + tag % 3, {{TOR, 10}, {TOR, 50}, {GEGENCHANCE, 20}, {CHANCE, 30}});
    spiel(5, 2, 0, {{SPE_TOR, 10}, {SPE_TOR, 20}, {SPE_TOR | SPE_HEIM, 30}});  // an away win, conceding one
    const auto s = saetze(LIGA, 0, -1, 3, 0);
    EXPECT_TRUE(hat(s, "Team 0 erzielte bisher in jedem Spiel mindestens zwei Tore."));
    EXPECT_FALSE(hat(s, "mindestens ein Tor."));
    EXPECT_TRUE(hat(s, "Team 0 konnte bislang 6 der letzten 6 Spiele gewinnen."));
    EXPECT_TRUE(hat(s, "Team 0 erzielte bislang mehr als doppelt so viele Tore, wie der jeweilige Gegner."));
    EXPECT_TRUE(hat(s, "Team 0 erzielte bisher in 6 Spielen 2 Tore."));
    EXPECT_TRUE(hat(s, "Team 0 blieb bislang in 5 Spielen ohne Gegentor."));
    EXPECT_TRUE(hat(s, "Nur in 0 von 6 Spielen ging Team 0 in Rückstand.") ||
                hat(s, "In 6 von 6 Spielen ging Team 0 in Führung."));
    // Without a competition the sentences about the last matches stay away.
    const auto ohne = saetze(-1, 0, -1, 3, 0);
    EXPECT_FALSE(hat(ohne, "der letzten"));
    EXPECT_FALSE(hat(ohne, "Führung"));
    EXPECT_TRUE(hat(ohne, "mindestens zwei Tore"));
}

TEST_F(FaktenTest, SecondHalfGoalsAndTheFirstHalfsFewGoals)
{
    std::vector<Ev> ev;
    for (int32_t m = 1; m <= 82; m += 2) ev.push_back({CHANCE, m});
    ev.push_back({GEGENCHANCE, 40});
    for (int32_t m : {10, 20, 30}) ev.push_back({TOR, m});
    for (int32_t m : {50, 55, 60, 65, 70, 75, 80, 85, 89}) ev.push_back({TOR, m});
    spiel(0, 0, 1, ev);
    const auto s = saetze(-1, 0, -1, 3, 0);
    ASSERT_GE(s.size(), 2u);
    EXPECT_EQ(s[0], "Besonders wenig Tore gelangen Team 0 in der 1.Halbzeit.");
    EXPECT_EQ(s[1], "    In diesen Minuten erzielte Team 0 3 von 12 Toren.");
    EXPECT_FALSE(hat(s, "Besonders viele Tore gelangen Team 0 in der 2.Halbzeit."));

    // Max 1: the sentence without its continuation.
    EXPECT_EQ(saetze(-1, 0, -1, 3, 0, 1), (std::vector<std::string>{s[0]}));
}

TEST_F(FaktenTest, SecondHalfGetsItsManyGoalsSentenceWhenTheFirstWasNotPoor)
{
    std::vector<Ev> ev;
    for (int32_t m = 1; m <= 82; m += 2) ev.push_back({CHANCE, m});
    ev.push_back({GEGENCHANCE, 40});
    for (int32_t i = 0; i < 4; ++i) ev.push_back({TOR, 45});
    for (int32_t m : {50, 55, 60, 65, 70, 75, 80, 85}) ev.push_back({TOR, m});
    spiel(0, 0, 1, ev);
    const auto s = saetze(-1, 0, -1, 3, 0);
    auto it = std::find(s.begin(), s.end(), "Besonders viele Tore gelangen Team 0 in der 2.Halbzeit.");
    ASSERT_NE(it, s.end());
    ASSERT_NE(it + 1, s.end());
    EXPECT_EQ(*(it + 1), "    In diesen Minuten erzielte Team 0 12 von 12 Toren.");
    EXPECT_FALSE(hat(s, "Besonders wenig Tore gelangen Team 0 in der 1.Halbzeit."));
}

TEST_F(FaktenTest, SeriesSpeakOfTheRightStreakAndLongNamesStayInTheirBuffers)
{
    std::memset(T_Fix[0].name, 0, sizeof T_Fix[0].name);
    std::strcpy(T_Fix[0].name, "Abcdefghijklmnopqrstuvw");
    std::strcpy(T_Fix[1].name, "Zyxwvutsrqponmlkjihgfed");
    const int32_t verloren[SERIE_ANZAHL] = {0, 0, 1, 0, 0, 1, 0};
    for (int32_t i = 0; i < 3; ++i) Spiele_Set_Serien(LIGA, 0, verloren, 0);
    for (int32_t i = 0; i < 4; ++i) Spiele_Set_Spiele_Gegen(LIGA, 0, 1, 1, 1);
    int32_t h = Spiele_Lock(block, 0, 0, 0);
    Spiele_Set_Teams(h, 0, 1);
    const auto s = saetze(LIGA, 0, -1, -1, h);
    Spiele_Unlock(h);
    EXPECT_TRUE(hat(s, "Abcdefghijklmnopqrstuvw hat 3 Spiele in Folge zuhause verloren."));
    EXPECT_TRUE(hat(s, "Abcdefghijklmnopqrstuvw hat 3 Spiele in Folge zuhause nicht gewonnen."));
    EXPECT_FALSE(hat(s, "gewonnen.") && !hat(s, "nicht gewonnen."));
    EXPECT_TRUE(hat(s, "bislang nur unentschieden"));
    // The longest forms with long names in small buffers are cut, never overrun.
    for (int32_t groesse : {8, 40, 64}) {
        const auto k = saetze(LIGA, 0, 1, 1, 0, 30, groesse);
        for (const auto& x : k) EXPECT_LT(x.size(), size_t(groesse));
    }
    EXPECT_EQ(Statistik_Fakten_Saetze(LIGA, -1, -1, 3, 0, nullptr, 5, 256), 0);
}

}  // namespace
