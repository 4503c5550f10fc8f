// The player auction without a screen: columns, raises, levels, the simulated clock, the
// leader's choice, its seed discipline and the savegame byte.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "database/richter.h"
#include "economy/auktion.h"
#include "gameflow/globals.h"
#include "gameflow/team_requester.h"
#include "../common/spielstand_ordner.h"
#include "platform/disk.h"
#include "platform/zufall.h"

namespace {
struct Auktion : ::testing::Test {
    static inline std::vector<std::string> meldungen;
    // A level that follows the salary, so that raises count.
    static int32_t stufe_nach_gehalt(const Spieler_Angebot* a) { return a->gehalt > 200 ? 200 : a->gehalt; }
    void SetUp() override
    {
        meldungen.clear();
        Netz_Rolle = 0;
        Zufall_Set_Seed(4711);
        Team_Requester_Set_Anzeige([](int32_t, int32_t, const char* text) {
            meldungen.emplace_back(text);
            return uint8_t(1);
        });
        Auktion_Set_Stufe_Abfrage(stufe_nach_gehalt);
    }
    void TearDown() override
    {
        Auktion_Set_Stufe_Abfrage(nullptr);
        Team_Requester_Set_Anzeige(nullptr);
    }
    // Offers of computer clubs (no world loaded: nobody has a manager).
    static std::vector<Spieler_Angebot> angebote(std::initializer_list<uint16_t> gehalt, int32_t bewertung = 50)
    {
        std::vector<Spieler_Angebot> v;
        uint16_t bieter = 10;
        for (uint16_t g : gehalt) {
            Spieler_Angebot a{};
            a.bieter = bieter++;
            a.verein = 1;
            a.gehalt = g;
            a.monate = 24;
            a.bewertung = bewertung;
            v.push_back(a);
        }
        return v;
    }
};
}  // namespace

TEST_F(Auktion, ColumnsFollowTheTableAndEachKeyIsOnePlusTheColumn)
{
    int32_t s[AUKTION_SPALTEN];
    ASSERT_TRUE(Auktion_Spalten(3, s));
    EXPECT_EQ(s[0], 1);
    EXPECT_EQ(s[1], 3);
    EXPECT_EQ(s[2], 5);
    ASSERT_TRUE(Auktion_Spalten(5, s));
    EXPECT_EQ(std::vector<int32_t>(s, s + 5), (std::vector<int32_t>{0, 2, 3, 4, 6}));
    ASSERT_TRUE(Auktion_Spalten(6, s));
    EXPECT_EQ(std::vector<int32_t>(s, s + 6), (std::vector<int32_t>{0, 1, 2, 4, 5, 6}));
    EXPECT_FALSE(Auktion_Spalten(0, s));
    EXPECT_FALSE(Auktion_Spalten(8, s));
    auto v = angebote({100, 100, 100});
    ASSERT_TRUE(Auktion_Start(5, 1, 3, v.data()));
    const Auktion_Stand& st = Auktion_Get_Stand();
    // the keys '2', '4', '6' address the three offers
    for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(st.angebot["246"[i] - '1'], i);
    EXPECT_EQ(st.angebot[0], -1);
}

TEST_F(Auktion, RaiseAddsTwoOrOnePercentPlusOneAndStopsAtTheCeiling)
{
    Spieler_Angebot a{};
    a.abloese = 100;
    a.leihgebuehr = 0;
    a.gehalt = 200;
    Auktion_Erhoehen(&a);
    EXPECT_EQ(a.abloese, 103);
    EXPECT_EQ(a.leihgebuehr, 0);
    EXPECT_EQ(a.gehalt, 203);
    a.abloese = 19999;
    a.gehalt = 19999;
    Auktion_Erhoehen(&a);
    EXPECT_EQ(a.abloese, 19999);
    EXPECT_EQ(a.gehalt, 19999);
    a.abloese = 19990;  // a raise never passes the ceiling of the 16-bit terms
    Auktion_Erhoehen(&a);
    EXPECT_EQ(a.abloese, 19999);
}

TEST_F(Auktion, LevelOfTheRatings)
{
    EXPECT_EQ(Auktion_Stufe(100, 100, 50), 99);
    EXPECT_EQ(Auktion_Stufe(-2, -2, 0), Auktion_Stufe(85, 85, 0));
    EXPECT_EQ(Auktion_Stufe(-1, 100, 100), 0);
    EXPECT_EQ(Auktion_Stufe(1000, 1000, 100), 0);  // beyond 200 counts as nothing
    Spieler_Angebot a{};
    EXPECT_EQ(Auktion_Bieter_Grenze(nullptr), 100);
    a.bewertung = 5000;  // out of range: counts as 0
    EXPECT_EQ(Auktion_Bieter_Grenze(&a), 80);
}

TEST_F(Auktion, BadCountIsRefusedAndOneRichComputerOfferWinsAtOnce)
{
    auto v = angebote({100});
    EXPECT_EQ(Auktion_Durchfuehren(5, 1, 0, 0, v.data()), -1);
    EXPECT_EQ(Auktion_Durchfuehren(5, 1, 8, 0, v.data()), -1);
    v[0].bewertung = 101;
    const int32_t seed = Zufall_Get_Seed();
    EXPECT_EQ(Auktion_Durchfuehren(5, 1, 1, 0, v.data()), 0);
    EXPECT_EQ(v[0].gehalt, 100);  // no bidding took place
    EXPECT_EQ(Zufall_Get_Seed(), seed);
}

TEST_F(Auktion, NobodyAtALevelEndsWithoutBuyer)
{
    auto v = angebote({0, 0, 0});
    ASSERT_TRUE(Auktion_Start(5, 1, 3, v.data()));
    int32_t r = -1, schritte = 0;
    while ((r = Auktion_Schritt()) == -1) ++schritte;
    EXPECT_EQ(r, -2);
    EXPECT_EQ(schritte, 99);  // 20 s of clock in steps of 201 ms, no extension without a leader
    EXPECT_EQ(Auktion_Get_Stand().verlaengerungen, 6);
    EXPECT_EQ(Auktion_Durchfuehren(5, 1, 3, 0, v.data()), -1);
}

TEST_F(Auktion, UnattendedAuctionEndsWithinItsExtensionsAndRepeatsWithTheSeed)
{
    auto lauf = [](std::vector<Spieler_Angebot> v, int32_t* schritte, int32_t* seed_danach) {
        Zufall_Set_Seed(99);
        EXPECT_TRUE(Auktion_Start(5, 1, int32_t(v.size()), v.data()));
        int32_t r;
        *schritte = 0;
        while ((r = Auktion_Schritt()) == -1) ++*schritte;
        *seed_danach = Zufall_Get_Seed();
        return std::pair{r, v};
    };
    const auto start = angebote({120, 130, 125, 110, 140, 90, 100}, 150);
    int32_t s1 = 0, s2 = 0, x1 = 0, x2 = 0;
    const auto [r1, v1] = lauf(start, &s1, &x1);
    const auto [r2, v2] = lauf(start, &s2, &x2);
    EXPECT_GE(r1, 0);
    EXPECT_EQ(r1, r2);
    EXPECT_EQ(s1, s2);
    EXPECT_EQ(x1, x2);  // both runs leave the generator at the same point
    EXPECT_EQ(std::memcmp(v1.data(), v2.data(), v1.size() * sizeof(Spieler_Angebot)), 0);
    const Auktion_Stand& st = Auktion_Get_Stand();
    EXPECT_GE(st.verlaengerungen, 0);
    // six extensions of 15 % each at most stretch the 100 steps
    EXPECT_GE(s1, 99);
    EXPECT_LE(s1, 99 * 100 / 85 * 100 / 85 * 100 / 85 * 100 / 85 * 100 / 85 * 100 / 85 + 6);
    bool erhoeht = false;
    for (size_t i = 0; i < v1.size(); ++i) erhoeht = erhoeht || v1[i].gehalt > start[i].gehalt;
    EXPECT_TRUE(erhoeht);
    // the whole auction leaves the game's generator as it found it
    auto v = start;
    Zufall_Set_Seed(1234);
    const int32_t erwartet = Zufall(0, 1000000);
    Zufall_Set_Seed(1234);
    const int32_t sieger = Auktion_Durchfuehren(5, 1, int32_t(v.size()), 0, v.data());
    EXPECT_EQ(Zufall(0, 1000000), erwartet);
    Zufall_Set_Seed(1234);
    auto w = start;
    EXPECT_EQ(Auktion_Durchfuehren(5, 1, int32_t(w.size()), 0, w.data()), sieger);
}

TEST_F(Auktion, ASingleOfferEndsAtItsFirstLeader)
{
    auto v = angebote({150}, 50);
    ASSERT_TRUE(Auktion_Start(5, 1, 1, v.data()));
    int32_t r, schritte = 0;
    while ((r = Auktion_Schritt()) == -1) ++schritte;
    EXPECT_EQ(r, 0);
    EXPECT_LT(schritte, 99);
}

TEST_F(Auktion, TheHintsByteRoundTripsThroughTheSavegameBlock)
{
    Test_Spielstand_Ordner ordner;
    ordner.anlegen("auktion", true);
    Auktion_Module_Registrieren();
    for (uint8_t wert : {1, 0}) {
        Auktion_Erste = wert;
        ASSERT_TRUE(Disk_Spielstand_Speichern("auktion_test"));
        Auktion_Erste = uint8_t(1 - wert);
        ASSERT_TRUE(Disk_Spielstand_Laden("auktion_test"));
        EXPECT_EQ(Auktion_Erste, wert);
    }
    Disk_Block_Registrieren(DISK_POS_AUKTION, nullptr, nullptr);
    ordner.entfernen();
}

TEST_F(Auktion, ColumnsShowTheTermsTheBarsScaleAndTheClockRunsDown)
{
    auto v = angebote({100, 0, 150});
    v[0].abloese = 2500;
    v[2].leihgebuehr = 40;
    ASSERT_TRUE(Auktion_Start(5, 1, 3, v.data()));
    const auto a = Auktion_Spalte_Texte(1);
    ASSERT_EQ(a.size(), 6u);
    EXPECT_NE(a[1].find("24 Monate"), std::string::npos);
    EXPECT_NE(a[3].find("2.500.000"), std::string::npos) << a[3];
    EXPECT_NE(Auktion_Spalte_Texte(5)[3].find(" (leih.)"), std::string::npos);
    EXPECT_EQ(Auktion_Spalte_Texte(3)[3], "frei ab Vertragsende");
    EXPECT_EQ(Auktion_Spalte_Texte(3)[0].rfind("^c00008", 0), 0u);  // level 0: disabled colour
    EXPECT_TRUE(Auktion_Spalte_Texte(0).empty());
    // lowest 0 and highest 150: the field spans 0..230
    EXPECT_EQ(Auktion_Balken_Hoehe(3), 0);
    EXPECT_EQ(Auktion_Balken_Hoehe(5), 150 * 102 / 230);
    EXPECT_NE(Auktion_Uhr_Text().find("00:20.^fe"), std::string::npos) << Auktion_Uhr_Text();
    for (int32_t i = 0; i < 10; ++i) Auktion_Schritt();
    // two seconds gone, give or take a leader's extension of 15 % of them
    const std::string uhr = Auktion_Uhr_Text();
    EXPECT_TRUE(uhr.find("00:17.^fe") != std::string::npos || uhr.find("00:18.^fe") != std::string::npos) << uhr;
}
