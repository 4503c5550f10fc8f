// Auctions with human managers taking part: the questions and hints, a bidder's key, a quit.
#include <algorithm>
#include <cstdlib>

#include "database/richter.h"
#include "economy/auktion.h"
#include "werbung_hilfe.h"

namespace {
struct AuktionWelt : WerbungTest {
    int32_t spnr = -1;
    void SetUp() override
    {
        WerbungTest::SetUp();
        Teamspieler_Init_Listen();
        Spieler_Den_Teams_Zuordnen();
        int32_t kader[64];
        ASSERT_GT(Teamspieler_Ins_Array(computer, kader, 64, 0), 0);
        spnr = kader[0];
        Auktion_Set_Stufe_Abfrage([](const Spieler_Angebot* a) { return a->gehalt > 200 ? 200 : int32_t(a->gehalt); });
        Auktion_Erste = 0;
    }
    void TearDown() override
    {
        Auktion_Set_Stufe_Abfrage(nullptr);
        Auktion_Set_Eingabe(nullptr);
        Auktion_Set_Uhr(nullptr);
        WerbungTest::TearDown();
    }
    std::vector<Spieler_Angebot> angebote() const
    {
        std::vector<Spieler_Angebot> v(3);
        const int32_t bieter[3] = {manager[0], computer + 1, computer + 2};
        for (int32_t i = 0; i < 3; ++i) {
            v[size_t(i)].bieter = uint16_t(bieter[i]);
            v[size_t(i)].verein = uint16_t(computer);
            v[size_t(i)].spnr = uint16_t(spnr);
            v[size_t(i)].abloese = 500;
            v[size_t(i)].gehalt = uint16_t(100 + 10 * i);
            v[size_t(i)].monate = 24;
            v[size_t(i)].bewertung = 100;
        }
        return v;
    }
};
}  // namespace

TEST_F(AuktionWelt, AHumanBidderIsAskedOnceForTheHintsAndTheAuctionHasAResult)
{
    auto v = angebote();
    const int32_t r = Auktion_Durchfuehren(spnr, computer, 3, 0, v.data());
    EXPECT_TRUE(enthaelt(requester, "Dies könnte Ihre erste Auktion sein."));
    EXPECT_TRUE(enthaelt(requester, "Möchten Sie an der Auktion teilnehmen?"));
    EXPECT_EQ(Auktion_Erste, 1);
    EXPECT_TRUE(r >= 0 ? enthaelt(requester, "Die Auktion ist beendet.") : enthaelt(requester, "Leider fand sich kein Käufer"));
    requester.clear();
    v = angebote();
    Auktion_Durchfuehren(spnr, computer, 3, 0, v.data());
    EXPECT_FALSE(enthaelt(requester, "Dies könnte Ihre erste Auktion sein."));
}

TEST_F(AuktionWelt, AnswerNoDropsTheHumansOfferAndAQuitEndsWithoutWinner)
{
    antwort = 0;
    Auktion_Erste = 1;
    auto v = angebote();
    Auktion_Durchfuehren(spnr, computer, 3, 0, v.data());
    EXPECT_EQ(v[0].gehalt, 0);
    EXPECT_EQ(v[0].abloese, 0);
    antwort = 1;
    // a watched auction on the screen's clock: the human raises with his key, then quits
    static uint32_t uhr = 0;
    static int32_t schritte = 0;
    uhr = 0;
    schritte = 0;  // a repeated run starts the count again
    Auktion_Set_Uhr([] { return uhr += 150; });
    Auktion_Set_Eingabe([] {
        Auktion_Eingabe e;
        if (++schritte == 3) e.spalte = '2';  // the first of three offers stands in column 1
        e.ende = schritte == 20;
        return e;
    });
    v = angebote();
    EXPECT_EQ(Auktion_Durchfuehren(spnr, computer, 3, 0, v.data()), -1);
    EXPECT_EQ(v[0].gehalt, 102);  // 100 raised by one percent and one
    EXPECT_EQ(v[0].abloese, 511);
}

TEST_F(AuktionWelt, OffersCountOnAClientOnlyWithAFee)
{
    auto v = angebote();
    EXPECT_EQ(Auktion_Angebote_Vorhanden(manager[0], v.data(), 3), 1);
    Netz_Rolle = 1;
    Aktuelles_Team = manager[0];
    EXPECT_EQ(Auktion_Angebote_Vorhanden(manager[0], v.data(), 3), 1);
    for (auto& x : v) x.abloese = x.leihgebuehr = 0;
    EXPECT_EQ(Auktion_Angebote_Vorhanden(manager[0], v.data(), 3), 0);
    v[2].leihgebuehr = 5;
    EXPECT_EQ(Auktion_Angebote_Vorhanden(manager[0], v.data(), 3), 1);
    Netz_Rolle = 0;
    Aktuelles_Team = -1;
}

// A bid's level weighs its own club's standing, whichever other clubs bid beside it.
TEST_F(AuktionWelt, EachBidIsRatedWithTheStandingOfItsOwnClub)
{
    Auktion_Set_Stufe_Abfrage(nullptr);
    const int32_t oben = computer + 1;
    int32_t unten = oben;  // the club standing furthest from it
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (Werbung_Liga(t) != -1 && t != computer &&
            std::abs(Werbung_Team_Ansehen(t) - Werbung_Team_Ansehen(oben)) > std::abs(Werbung_Team_Ansehen(unten) - Werbung_Team_Ansehen(oben)))
            unten = t;
    // a tenth above what the player asks: a bid far above it rates outside the levels
    int32_t gehalt = 0, abloese = 0;
    Spieler_Bewerte_Marktwert_Gehalt(computer, spnr, -1, -1, 24, &gehalt, nullptr, 0);
    Spieler_Bewerte_Marktwert_Gehalt(computer, spnr, -1, -1, Teamspieler_Wert(305, computer, spnr, 0, 0), nullptr, &abloese, 0);
    auto stufen = [&](std::vector<int32_t> bieter) {
        std::vector<Spieler_Angebot> v = angebote();
        v.resize(bieter.size(), v[0]);
        for (size_t i = 0; i < v.size(); ++i)
            v[i].bieter = uint16_t(bieter[i]), v[i].abloese = uint16_t(abloese * 11 / 10), v[i].gehalt = uint16_t(gehalt * 11 / 10);
        Zufall_Set_Seed(77);
        EXPECT_TRUE(Auktion_Start(spnr, computer, int32_t(v.size()), v.data()));
        int32_t spalte[AUKTION_SPALTEN];
        Auktion_Spalten(int32_t(v.size()), spalte);
        std::vector<int32_t> s;
        for (size_t i = 0; i < v.size(); ++i) s.push_back(Auktion_Get_Stand().stufe[spalte[i]]);
        return s;
    };
    const int32_t a = stufen({oben})[0], b = stufen({unten})[0];
    ASSERT_NE(a, b);
    EXPECT_EQ(stufen({oben, unten, oben}), (std::vector<int32_t>{a, b, a}));
    EXPECT_EQ(stufen({unten, oben, unten}), (std::vector<int32_t>{b, a, b}));
}

namespace {

// A computer club that offers a fifth above what a player with a club asks, in fee and in
// salary, bids at a level that wins an auction: his fee is weighed for the months of his
// contract, not for a count made of his fee.
TEST_F(AuktionWelt, AFairBidForAPlayerWithAClubReachesAWinningLevel)
{
    Auktion_Set_Stufe_Abfrage(nullptr);
    const int32_t rest = Teamspieler_Wert(305, computer, spnr, 0, 0);
    ASSERT_GT(rest, 0);
    int32_t gehalt = 0, abloese = 0;
    Spieler_Bewerte_Marktwert_Gehalt(computer, spnr, -1, -1, 24, &gehalt, nullptr, 0);
    Spieler_Bewerte_Marktwert_Gehalt(computer, spnr, -1, -1, rest, nullptr, &abloese, 0);
    ASSERT_GT(abloese, 0);
    ASSERT_GT(gehalt, 0);
    Spieler_Angebot a = angebote()[1];
    a.abloese = uint16_t(std::min(abloese * 12 / 10, 65535));
    a.gehalt = uint16_t(std::min(gehalt * 12 / 10, 65535));
    a.monate = 24;
    a.bewertung = 60;
    Zufall_Set_Seed(5);
    ASSERT_TRUE(Auktion_Start(spnr, computer, 1, &a));
    int32_t spalte[AUKTION_SPALTEN];
    Auktion_Spalten(1, spalte);
    EXPECT_GE(Auktion_Get_Stand().stufe[spalte[0]], 100);
    // and it wins the auction that runs without anyone watching
    Zufall_Set_Seed(5);
    EXPECT_EQ(Auktion_Durchfuehren(spnr, computer, 1, 0, &a), 0);
}

}  // namespace
