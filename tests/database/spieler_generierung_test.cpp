#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/capture.h"
#include "database/db_hilfe.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "gameflow/news.h"
#include "platform/mem.h"
#include "platform/zufall.h"

namespace {

struct GenerierungTest : ::testing::Test {
    void SetUp() override
    {
        Test_Teams_Anlegen(4);
        Test_Spieler_Anlegen(20);
        Zufall_Init();  // a later first draw would reseed from the clock
    }
    void TearDown() override { Test_Aufraeumen(); }
    std::array<int32_t, 9> slots(int32_t spnr)
    {
        std::array<int32_t, 9> a{};
        for (int32_t i = 0; i < 9; ++i) a[static_cast<size_t>(i)] = Spieler_Daten[spnr].attribute[i];
        return a;
    }
    // slots of a player at `pos` made from the same draws
    std::array<int32_t, 9> belegt(int32_t pos)
    {
        Spieler_Fix_Daten[1].lieblingspos = static_cast<int16_t>(pos);
        Zufall_Set_Seed(1234);
        Spieler_Neu_Belegen(1, 500, 0, 0, -1, -1, -1);
        return slots(1);
    }
};

TEST_F(GenerierungTest, NewStrengthsRaiseTheGroupOfThePlayersThird)
{
    // the same draws at neighbouring positions differ exactly by the offsets' difference
    const auto a153 = belegt(153), a154 = belegt(154), a306 = belegt(306), a307 = belegt(307);
    for (size_t i = 0; i < 9; ++i) {
        const int32_t d1[3] = {21, -24, 3};
        const int32_t d2[3] = {1, 22, -23};
        EXPECT_EQ(a153[i] - a154[i], d1[i / 3]) << i;
        EXPECT_EQ(a306[i] - a307[i], d2[i / 3]) << i;
        EXPECT_EQ(a154[i], a306[i]);
    }
    // target 500: a group value of 485..515 plus the offset plus the lowest strength 10
    EXPECT_GE(a307[6], 485 + 14 + 10);
    EXPECT_LE(a307[6], 515 + 14 + 10);

    // a goalkeeper gets his strength only
    Spieler_Fix_Daten[2].lieblingspos = SP_POS_TORWART;
    for (int32_t i = 0; i < 9; ++i) Spieler_Daten[2].attribute[i] = static_cast<int16_t>(i + 3);
    Spieler_Neu_Belegen(2, 300, 0, 0, -1, -1, -1);
    EXPECT_NE(Spieler_Daten[2].attribute[0], 3);
    for (int32_t i = 1; i < 9; ++i) EXPECT_EQ(Spieler_Daten[2].attribute[i], i + 3);
}

TEST_F(GenerierungTest, WithoutAWindowTheTiersGiveIt)
{
    Zufall_Set_Seed(77);
    for (int32_t k = 0; k < 200; ++k) {
        // top tier of four: 724..999, of which the lower 80 % are used
        Spieler_Neu_Belegen(3, -1, -1, -1, -1, 0, 4);
        for (int32_t v : slots(3)) {
            ASSERT_GE(v, 724);
            ASSERT_LE(v, 943);
        }
        // bottom tier: 1..276, the lowest strength raised to 10
        Spieler_Neu_Belegen(3, -1, -1, 500, -1, 3, 4);
        for (int32_t v : slots(3)) {
            ASSERT_GE(v, 10);
            ASSERT_LE(v, 220);
        }
        // a given window
        Spieler_Neu_Belegen(3, -1, 300, 600, -1, -1, -1);
        for (int32_t v : slots(3)) {
            ASSERT_GE(v, 300);
            ASSERT_LE(v, 539);
        }
    }
}

TEST_F(GenerierungTest, WindowClampsVisibleAndInvisibleButKeepsExperience)
{
    Spieler_Daten[4].attribute[2] = 700;
    Spieler_Daten[4].attribute[5] = 120;
    Spieler_Daten[4].unsichtbar[3] = 120;
    Spieler_Daten[4].erfahrung = 250;
    Spieler_Staerken_Auf_Ligaspanne_Pruefen(4, -1, 300, 600);
    EXPECT_EQ(Spieler_Daten[4].attribute[2], 600);
    EXPECT_EQ(Spieler_Daten[4].attribute[5], 300);
    EXPECT_EQ(Spieler_Daten[4].attribute[0], 500);
    EXPECT_EQ(Spieler_Daten[4].unsichtbar[3], 99);
    EXPECT_EQ(Spieler_Daten[4].erfahrung, 250);
}

TEST_F(GenerierungTest, RandomInvisibleAttributesAndPositionsFollowTheType)
{
    Zufall_Set_Seed(5);
    Spieler_Fix_Daten[5].lieblingspos = 20;  // type 1
    for (int32_t runde = 0; runde < 50; ++runde) {
        for (auto& u : Spieler_Daten[5].unsichtbar) u = 77;
        for (int32_t i = 9; i < 24; ++i) Spieler_Setze_Unsichtbare_Attribute_Zufaellig_Spieler(5, i);
        for (int32_t i = 9; i < 24; ++i) {
            const int32_t w = Spieler_Attribut_Gewichte[1][i];
            const int32_t v = Spieler_Daten[5].unsichtbar[i - 9];
            if (w == 0)
                ASSERT_EQ(v, 0) << i;
            else
                ASSERT_LE(v, 99) << i;
        }
    }
    Fehler_Capture cap;
    Spieler_Setze_Unsichtbare_Attribute_Zufaellig_Spieler(5, 24);
    EXPECT_TRUE(cap.contains("attr_nr falsch!"));

    for (int32_t art = 1; art <= 3; ++art)
        for (int32_t k = 0; k < 100; ++k) {
            Spieler_Zufaellige_Lieblingspositionen_Spieler(6, art);
            const int32_t z = Spieler_Fix_Daten[6].lieblingspos / 17;
            ASSERT_GE(z, (art - 1) * 9);
            ASSERT_LE(z, art * 9 - 1);
        }
    Spieler_Fix_Daten[7].lieblingspos = SP_POS_TORWART;
    Spieler_Zufaellige_Lieblingspositionen_Spieler(7, 2);
    EXPECT_EQ(Spieler_Fix_Daten[7].lieblingspos, SP_POS_TORWART);
}

TEST_F(GenerierungTest, StrengthFittingReachesTheTargetOrSaysWhyNot)
{
    const int16_t start[9] = {100, 900, 450, 300, 620, 10, 999, 50, 480};
    for (int32_t i = 0; i < 9; ++i) Spieler_Daten[8].attribute[i] = start[i];
    Spieler_K_I_T_Variieren(SP_K_I_T, 8, 300, 10, 990);
    int32_t summe = 0;
    for (int32_t v : slots(8)) {
        EXPECT_GE(v, 10);
        EXPECT_LE(v, 990);
        summe += v;
    }
    EXPECT_NEAR(summe, 2700, 4);

    // only the technique group moves
    const auto vorher_te = slots(8);
    Spieler_K_I_T_Variieren(SP_TE, 8, 700, 10, 990);
    const auto a = slots(8);
    EXPECT_NEAR(a[6] + a[7] + a[8], 2100, 4);
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(a[i], vorher_te[i]);

    // a group of zeros cannot be scaled; it starts at the target
    for (int32_t i = 0; i < 9; ++i) Spieler_Daten[9].attribute[i] = 0;
    Fehler_Capture cap;
    Spieler_K_I_T_Variieren(SP_IN, 9, 400, 10, 990);
    EXPECT_NEAR(slots(9)[3] + slots(9)[4] + slots(9)[5], 1200, 4);
    EXPECT_TRUE(cap.texts.empty());

    // a target beyond the window is never reached
    Spieler_K_I_T_Variieren(SP_KO, 9, 900, 10, 500);
    EXPECT_TRUE(cap.contains("Spieler_K_I_T_Variieren: Counter-Overflow, spnr=9"));
    EXPECT_EQ(slots(9)[0], 500);

    const auto vorher = slots(10);
    Spieler_K_I_T_Variieren(SP_TORWART_STAERKE, 10, 200, 10, 990);
    EXPECT_TRUE(cap.contains("Spieler_K_I_T_Variieren: TW-Modus-Fehler!"));
    EXPECT_EQ(slots(10), vorher);
    Spieler_Fix_Daten[11].lieblingspos = SP_POS_TORWART;
    cap.texts.clear();
    Spieler_K_I_T_Variieren(SP_KO, 11, 200, 10, 990);
    EXPECT_TRUE(cap.contains("TW-Modus-Fehler!"));
    Spieler_K_I_T_Variieren(SP_TORWART_STAERKE, 11, 200, 10, 990);
    EXPECT_EQ(Spieler_Daten[11].attribute[0], 200);
}

// Clubs 0 and 1 (1 a national team), 2 the market, 3 the youth team; players 0-5 with club 0,
// 6-11 with the national team, 12-17 on the market, 18-19 with the youth team. Players 0, 6 and
// 12 are goalkeepers, the others spread over the thirds of the pitch.
struct GenerierungKader : GenerierungTest {
    void SetUp() override
    {
        GenerierungTest::SetUp();
        Netz_Rolle = 2;
        T[1].status = TEAM_STATUS_NATIONALTEAM;
        for (int32_t sp = 0; sp < 20; ++sp) {
            Spieler_Daten[sp].alter = 40;
            Spieler_Fix_Daten[sp].lieblingspos = static_cast<int16_t>(sp % 6 == 0 ? SP_POS_TORWART : (sp * 61) % 459);
            const int32_t team = sp < 6 ? 0 : sp < 12 ? 1 : sp < 18 ? 2 : 3;
            ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, team, sp, 10, 0, 24, -1, false));
        }
    }
    static std::vector<int32_t> team_von()
    {
        std::vector<int32_t> t(20, -1);
        for (int32_t team = 0; team < 4; ++team) {
            int32_t feld[50];
            const int32_t n = Teamspieler_Ins_Array(team, feld, 50, 0);
            for (int32_t i = 0; i < n; ++i) {
                EXPECT_EQ(t[static_cast<size_t>(feld[i])], -1) << "Spieler " << feld[i] << " doppelt";
                t[static_cast<size_t>(feld[i])] = team;
            }
        }
        return t;
    }
    static std::array<int32_t, 4> arten(const std::vector<int32_t>& team_von, int32_t team)
    {
        std::array<int32_t, 4> a{};
        for (int32_t sp = 0; sp < 20; ++sp)
            if (team_von[static_cast<size_t>(sp)] == team) ++a[static_cast<size_t>(Spieler_Wert(SP_ART, sp, 0, 0))];
        return a;
    }
};

TEST_F(GenerierungKader, AllPlayersRoutinesTouchTheFilteredClubsAndTheMarketOnly)
{
    Zufall_Set_Seed(99);
    Spieler_Setze_Alter_Zufaellig(16);
    Spieler_Zufaellige_Lieblingspositionen(16, 3);
    Spieler_Setze_Unsichtbare_Attribute_Zufaellig(-1, 16);
    for (int32_t sp = 0; sp < 20; ++sp) {
        const int32_t alter = Spieler_Daten[sp].alter, pos = Spieler_Fix_Daten[sp].lieblingspos;
        if ((sp >= 6 && sp < 12) || sp >= 18) {  // the national team's and the youth team's
            EXPECT_EQ(alter, 40) << sp;
            EXPECT_EQ(Spieler_Daten[sp].unsichtbar[0], 0) << sp;
            continue;
        }
        EXPECT_GE(alter, 18) << sp;
        EXPECT_LE(alter, 31) << sp;
        if (sp % 6 == 0) {
            EXPECT_EQ(pos, SP_POS_TORWART);
            EXPECT_EQ(Spieler_Daten[sp].unsichtbar[0], 0) << "a goalkeeper has no crosses";
        } else {
            EXPECT_GE(pos / 17, 18) << sp;
        }
    }

    // the window of every club's player, none of the market's
    Spieler_Daten[1].attribute[4] = 5;
    Spieler_Daten[13].attribute[4] = 5;
    Spieler_Staerken_Auf_Ligaspanne_Pruefen_Alle_Teams();
    int32_t lo = 0, hi = 0;
    Team_Get_Staerke_Spanne(0, &lo, &hi, -1, -1);
    EXPECT_EQ(Spieler_Daten[1].attribute[4], lo);
    EXPECT_EQ(Spieler_Daten[13].attribute[4], 5);
}

TEST_F(GenerierungKader, TalentsAreCeilingsAboveTheCurrentValues)
{
    for (int32_t runde = 0; runde < 100; ++runde) {
        Zufall_Set_Seed(1000 + runde);
        for (int32_t sp : {0, 1}) {
            for (int32_t i = 0; i < 9; ++i) Spieler_Daten[sp].attribute[i] = static_cast<int16_t>(100 + 100 * i);
            for (auto& u : Spieler_Daten[sp].unsichtbar) u = static_cast<uint8_t>(10 * runde % 99);
            Spieler_Setze_Talent_Neu(sp);
            const uint16_t* t = Spieler_Egal_Daten[sp].talent;
            for (int32_t i = 0; i < 14; ++i) {
                const int32_t jetzt = i < 9 ? Spieler_Daten[sp].attribute[i] : Spieler_Daten[sp].unsichtbar[i - 9];
                ASSERT_GE(t[i], std::max(jetzt, 1)) << sp << "/" << i;
                ASSERT_LE(t[i], i < 9 ? 999 : 99) << sp << "/" << i;
            }
            // a field player's visible talent is at least 1.2 x (value + 20), capped at 950
            if (sp == 1) {
                ASSERT_GE(t[0], 144);
            }
        }
    }
}

TEST_F(GenerierungKader, ShufflingKeepsEveryPlayerInOneTeamAndEverySquadsKinds)
{
    Zufall_Set_Seed(3);
    const auto vorher = team_von();
    Spieler_Zulosen(16);
    const auto nachher = team_von();
    EXPECT_NE(vorher, nachher);
    for (int32_t team = 0; team < 4; ++team) EXPECT_EQ(arten(nachher, team), arten(vorher, team)) << team;
    for (int32_t sp = 0; sp < 20; ++sp) {
        const int32_t t = nachher[static_cast<size_t>(sp)];
        // the national team and the youth team keep theirs, the club and the market share
        if (vorher[static_cast<size_t>(sp)] == 1 || vorher[static_cast<size_t>(sp)] == 3)
            EXPECT_EQ(t, vorher[static_cast<size_t>(sp)]);
        else
            EXPECT_TRUE(t == 0 || t == 2) << sp;
        if (t == 0) {
            EXPECT_GE(Teamspieler_Wert(305, 0, sp, 0, 0), 10);
            EXPECT_LE(Teamspieler_Wert(305, 0, sp, 0, 0), 48);
        }
    }
}

TEST_F(GenerierungKader, AnOldPlayerBecomesAYoungOneForAnOpenSearch)
{
    News_Init();
    Richter_Init();
    Spieler_Angebot a{};
    a.bieter = 0;
    a.verein = 2;
    a.spnr = 13;
    a.gehalt = 50;
    a.monate = 12;
    a.geduld = -1;
    Richter_Spieler_Angebot_Hinzufuegen(&a);
    ASSERT_TRUE(Richter_Spieler_Angebot_Vorhanden(13, 2, 0));
    Spieler_Wert(SP_STATUS, 13, 1 | 2 | 4, SP_SETZEN);

    // club 0 looks for a forward of 19..30 and 400..450 in rows 20..22, columns 3..5
    Team_Transfersuche& s = T_Own[0].suche;
    for (auto& x : s.aktiv) x = 0;
    s.aktiv[2] = 1;
    s.spieler[2] = -1;
    s.torwart[2] = 0;
    s.alter_min[2] = 19, s.alter_max[2] = 30;
    s.staerke_min[2] = 400, s.staerke_max[2] = 450;
    s.zelle_a[2] = 20 * 17 + 3, s.zelle_b[2] = 22 * 17 + 5;
    Zufall_Set_Seed(8);
    ASSERT_TRUE(Spieler_Setze_Alten_Sack_Neu(13));
    EXPECT_FALSE(Richter_Spieler_Angebot_Vorhanden(13, 2, 0));
    EXPECT_EQ(Spieler_Wert(SP_STATUS, 13, 0, 0) & (1 | 2 | 4 | 8), 8);
    const int32_t alter = Spieler_Daten[13].alter, pos = Spieler_Fix_Daten[13].lieblingspos;
    EXPECT_GE(alter, 19);
    EXPECT_LE(alter, 23);
    EXPECT_TRUE(pos / 17 >= 20 && pos / 17 <= 22 && pos % 17 >= 3 && pos % 17 <= 5) << pos;
    const int32_t staerke = Spieler_Wert(SP_K_I_T, 13, 0, 0);
    EXPECT_GE(staerke, 400);
    EXPECT_LE(staerke, 450);
    EXPECT_GE(Spieler_Daten[13].form, 85);

    // a goalkeeper record does not fit a field slot: a general young goalkeeper, and no fault
    // reported, since no club asking for a goalkeeper is no fault
    Fehler_Capture cap;
    ASSERT_TRUE(Spieler_Setze_Alten_Sack_Neu(12));
    EXPECT_FALSE(cap.contains("schleifen_index"));
    EXPECT_EQ(Spieler_Fix_Daten[12].lieblingspos, SP_POS_TORWART);
    EXPECT_GE(Spieler_Daten[12].alter, 18);
    EXPECT_LE(Spieler_Daten[12].alter, 23);
    EXPECT_GE(Spieler_Daten[12].attribute[0], 40);
    Richter_DeInit();
    News_Init();
}

// In a world of hundreds of clubs the one club whose slot asks for a young goalkeeper gets him
// every time, and a slot whose age window lies above 23 is passed over for a general player.
TEST(GenerierungWelt, AnOldPlayerFindsTheOneOpenSlotAmongManyClubs)
{
    Test_Teams_Anlegen(402);
    Test_Spieler_Anlegen(20);
    Zufall_Init();
    Team_Transfersuche& zu_alt = T_Own[17].suche;
    zu_alt.aktiv[0] = 1, zu_alt.spieler[0] = -1, zu_alt.torwart[0] = 1;
    zu_alt.alter_min[0] = 25, zu_alt.alter_max[0] = 30, zu_alt.staerke_min[0] = 100, zu_alt.staerke_max[0] = 200;
    Team_Transfersuche& s = T_Own[399].suche;
    s.aktiv[3] = 1, s.spieler[3] = -1, s.torwart[3] = 1;
    s.alter_min[3] = 20, s.alter_max[3] = 22, s.staerke_min[3] = 600, s.staerke_max[3] = 650;
    Fehler_Capture cap;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        Spieler_Fix_Daten[5].lieblingspos = SP_POS_TORWART;
        Zufall_Set_Seed(seed);
        ASSERT_TRUE(Spieler_Setze_Alten_Sack_Neu(5));
        const int32_t alter = Spieler_Daten[5].alter, staerke = Spieler_Wert(SP_TORWART_STAERKE, 5, 0, 0);
        EXPECT_TRUE(alter >= 20 && alter <= 22 && staerke >= 600 && staerke <= 650) << "seed " << seed << ": " << alter << ", " << staerke;
    }
    s.aktiv[3] = 0;
    Spieler_Fix_Daten[5].lieblingspos = SP_POS_TORWART;
    ASSERT_TRUE(Spieler_Setze_Alten_Sack_Neu(5));
    EXPECT_EQ(Spieler_Fix_Daten[5].lieblingspos, SP_POS_TORWART);
    EXPECT_LE(Spieler_Daten[5].alter, 23);
    EXPECT_FALSE(cap.contains("schleifen_index"));
    Test_Aufraeumen();
}

// A retired player's record holds a new man: a surname and an initial of his nation's players,
// never the name he retired with, whatever the draws.
TEST(GenerierungWelt, ANewPlayerTakesANewNameOfHisNation)
{
    Test_Teams_Anlegen(4);
    Test_Spieler_Anlegen(12);
    Zufall_Init();
    for (int32_t i = 0; i < 12; ++i) {
        Spieler_Fix_Daten[i].nation = int16_t(i % 2);
        std::snprintf(Spieler_Fix_Daten[i].name, 20, "%s%d", i % 2 ? "Kowal" : "Berger", i / 2);
        Spieler_Fix_Daten[i].vorname[0] = char((i % 2 ? 'K' : 'B') + i / 2);
    }
    std::vector<std::string> namen;
    Zufall_Set_Seed(3);
    for (int32_t runde = 0; runde < 30; ++runde) {
        const std::string alt = Spieler_Fix_Daten[4].name;
        ASSERT_TRUE(Spieler_Setze_Alten_Sack_Neu(4));
        const std::string neu = Spieler_Fix_Daten[4].name;
        EXPECT_NE(neu, alt) << "Runde " << runde;
        EXPECT_EQ(neu.rfind("Berger", 0), 0u) << neu;
        const char v = Spieler_Fix_Daten[4].vorname[0];
        EXPECT_TRUE(v >= 'B' && v <= 'B' + 5) << v;
        EXPECT_EQ(Spieler_Fix_Daten[4].vorname[1], 0);
        namen.push_back(neu);
    }
    std::sort(namen.begin(), namen.end());
    EXPECT_GT(std::unique(namen.begin(), namen.end()) - namen.begin(), 2) << "the names come from the draws";
    // a nation of one name lends a surname of another nation
    for (int32_t i = 0; i < 12; i += 2) std::snprintf(Spieler_Fix_Daten[i].name, 20, "Berger");
    ASSERT_TRUE(Spieler_Setze_Alten_Sack_Neu(4));
    EXPECT_EQ(std::string(Spieler_Fix_Daten[4].name).rfind("Kowal", 0), 0u);
    Test_Aufraeumen();
}

// A surname that retires with its last bearer comes back as a new one of his countrymen's
// pieces; a surname others still bear gives way to a countryman's under an initial that makes
// the pair free; when every pair is taken a new surname is made up too.
TEST(GenerierungWelt, ANewPlayerBearsANameNobodyElseBears)
{
    Test_Teams_Anlegen(4);
    Test_Spieler_Anlegen(12);
    Zufall_Init();
    const auto setzen = [](int32_t p, int16_t nation, const char* name, char initial) {
        Spieler_Fix_Daten[p].nation = nation;
        std::snprintf(Spieler_Fix_Daten[p].name, 20, "%s", name);
        Spieler_Fix_Daten[p].vorname[0] = initial;
    };
    const auto vergeben = [](int32_t p, bool mit_initial) {
        for (int32_t q = 0; q < Spieler_Anzahl; ++q)
            if (q != p && std::string(Spieler_Fix_Daten[q].name) == Spieler_Fix_Daten[p].name &&
                (!mit_initial || Spieler_Fix_Daten[q].vorname[0] == Spieler_Fix_Daten[p].vorname[0]))
                return true;
        return false;
    };
    setzen(4, 1, "Kowal", 'A');
    setzen(5, 1, "Kowal", 'B');
    setzen(6, 1, "Nowak", 'C');
    setzen(7, 1, "Nowak", 'D');
    setzen(8, 2, "Horvat", 'A');
    setzen(9, 2, "Horvat", 'B');
    setzen(10, 2, "Babic", 'A');
    setzen(11, 2, "Babic", 'B');
    const char* deutsche[] = {"Brandhuber", "Kessmann", "Lindner", "Vogel"};
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        for (int32_t p = 0; p < 4; ++p) setzen(p, 0, deutsche[p], char('A' + p));
        Zufall_Set_Seed(seed);
        ASSERT_TRUE(Spieler_Setze_Alten_Sack_Neu(3));
        const std::string neu = Spieler_Fix_Daten[3].name;
        EXPECT_FALSE(vergeben(3, false)) << neu;
        EXPECT_NE(neu, "Vogel");
        // a front of one countryman's surname and an end of another's
        bool aus_stuecken = false;
        for (const char* a : deutsche)
            for (const char* b : deutsche)
                for (size_t i = 1; i < neu.size(); ++i)
                    aus_stuecken |= std::string(a).rfind(neu.substr(0, i), 0) == 0 && std::string(b).size() >= neu.size() - i &&
                                    std::string(b).compare(std::strlen(b) - (neu.size() - i), std::string::npos, neu.substr(i)) == 0;
        EXPECT_TRUE(aus_stuecken) << neu;
    }

    // Kowal is borne by player 5 as well: a countryman's Nowak under the one free initial
    Zufall_Set_Seed(5);
    ASSERT_TRUE(Spieler_Setze_Alten_Sack_Neu(4));
    EXPECT_EQ(std::string(Spieler_Fix_Daten[4].name), "Nowak");
    EXPECT_EQ(Spieler_Fix_Daten[4].vorname[0], 'B');

    // every pair of Babic is taken: Horvat gives way to a surname nobody bears
    Zufall_Set_Seed(6);
    ASSERT_TRUE(Spieler_Setze_Alten_Sack_Neu(8));
    EXPECT_FALSE(vergeben(8, false)) << Spieler_Fix_Daten[8].name;
    EXPECT_EQ(Spieler_Fix_Daten[8].nation, 2);
    Test_Aufraeumen();
}

TEST_F(GenerierungKader, PlayersSetAsideComeBackAndConverterRowsAreFilled)
{
    Spieler_Struktur* aside = Spieler_Buffer_Anlegen();
    ASSERT_NE(aside, nullptr);
    Spieler_Daten[5].alter = 77;
    Spieler_Buffer_Zurueckschreiben(aside, 20);
    EXPECT_EQ(Spieler_Daten, aside);
    EXPECT_EQ(Spieler_Daten[5].alter, 40);

    // a larger array brings the other parts along, zeroed
    auto* gross = static_cast<Spieler_Struktur*>(Mem_Alloc_Clear(25 * sizeof(Spieler_Struktur), 0, 0));
    Spieler_Buffer_Zurueckschreiben(gross, 25);
    EXPECT_EQ(Spieler_Anzahl, 25);
    EXPECT_STREQ(Spieler_Fix_Daten[3].name, "Spieler3");
    EXPECT_EQ(Spieler_Fix_Daten[24].name[0], 0);
    Fehler_Capture cap;
    Spieler_Buffer_Zurueckschreiben(nullptr, 5);
    EXPECT_EQ(Spieler_Anzahl, 25);
    EXPECT_FALSE(cap.texts.empty());

    std::vector<char> zeilen(25 * SPIELER_CONVERT_ZEILE, 'x');
    Spieler_Convert_Array_Fuellen(zeilen.data());
    EXPECT_STREQ(&zeilen[0], "Spieler0;T;0;0;459;0;Noch_definieren!;Noch_definieren!;Team 0");
    EXPECT_STREQ(&zeilen[24 * SPIELER_CONVERT_ZEILE], "Noch_definieren!;Noch_definieren!;0;0;0;0;0;0;Noch_definieren!");
}

}  // namespace
