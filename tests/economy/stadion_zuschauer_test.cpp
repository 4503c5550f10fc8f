// Attendance, prices, fan mood and the live view's stands.
#include "competitions/spiele.h"
#include "stadion_hilfe.h"

namespace {
Spiele_Spiel spiel(int32_t heim, int32_t gast, uint8_t wettbewerb = 5)
{
    Spiele_Spiel s{};
    s.heim = uint16_t(heim);
    s.gast = uint16_t(gast);
    s.wettbewerb = wettbewerb;
    s.heim_tore = -1;
    s.wetter = 0;
    return s;
}
// The attendance of one game from a fixed seed, so that two set-ups compare.
int32_t zuschauer(int32_t team, int32_t reiz, int32_t* auslastung = nullptr, int32_t prognose = 1)
{
    Zufall_Set_Seed(5);
    Spiele_Spiel s = spiel(team, 4);
    return Stadion_Zuschauer(team, &s, reiz, 100, 0, auslastung, prognose, 0);
}
}  // namespace

TEST_F(StadionTest, FanMoodMovesTowardsTheResultAndIgnoresOutOfRange)
{
    Stadion_Daten* d = anlegen(3);
    Stadion_Fanstimmung_Setzen(3, 50);
    EXPECT_EQ(d->stimmung, 60);
    d->stimmung = 100;
    Stadion_Fanstimmung_Setzen(3, 100);
    EXPECT_EQ(d->stimmung, 100);
    d->stimmung = 40;
    Stadion_Fanstimmung_Setzen(3, 102);
    Stadion_Fanstimmung_Setzen(3, -1);
    EXPECT_EQ(d->stimmung, 40);
    Stadion_Fanstimmung_Setzen(7, 50);  // no record: nothing happens
}

TEST_F(StadionTest, DemandHasAFloorAndLosesToMissingParkingAndFewSnackBars)
{
    Stadion_Daten* d = anlegen(3);
    setzen(*d, STADION_ANLAGE_PARKPLATZ, 21, 1000);
    EXPECT_EQ(zuschauer(3, 0), 1200);  // no appeal at all still brings the floor

    // the places missing for half the demand cost 30 % each (same attraction: one unit of parking)
    setzen(*d, STADION_ANLAGE_PARKPLATZ, 21, 1);
    const int32_t wenig = zuschauer(3, 100);
    setzen(*d, STADION_ANLAGE_PARKPLATZ, 21, 4999);
    EXPECT_NEAR(zuschauer(3, 100) - wenig, 4998 * 0.3, 200.0);
    setzen(*d, STADION_ANLAGE_PARKPLATZ, 23, 40000);
    const int32_t mit = zuschauer(3, 100);
    ASSERT_GT(mit, 20000);
    ASSERT_LT(mit, 6 * 10000);
    // no snack bar at all costs nothing; one still being built counts as too few
    setzen(*d, STADION_ANLAGE_IMBISS, 34, 4, Aktueller_Tag + 5);
    EXPECT_LT(zuschauer(3, 100), mit - 1000);
    setzen(*d, STADION_ANLAGE_IMBISS, 34, 4);
    const int32_t vier = zuschauer(3, 100);
    setzen(*d, STADION_ANLAGE_IMBISS, 34, 1);
    EXPECT_LT(zuschauer(3, 100), vier - 1000);
}

TEST_F(StadionTest, StandsFollowTheirPriceAndSeasonTicketsFillUpToTheSeats)
{
    Stadion_Daten* d = anlegen(3);
    setzen(*d, STADION_ANLAGE_PARKPLATZ, 23, 40000);
    int32_t a[6];
    zuschauer(3, 100, a);
    EXPECT_NEAR(a[0], a[1], 1);  // standard price, stand value 100: f = 1
    d->preis[0] *= 2;
    zuschauer(3, 100, a);
    EXPECT_NEAR(double(a[0]) / a[1], 0.4, 0.05);  // half the share, times 0.8

    // season-ticket holders come although the demand is low, but only as far as the seats go
    Stadion_Daten* k = anlegen(5, 4, 1000);
    k->dauerkarten = 5000;
    EXPECT_GE(zuschauer(5, 0), 4000);
    k->dauerkarten = 100000;
    EXPECT_EQ(zuschauer(5, 100, a), 6000);
    for (int32_t x : a) EXPECT_EQ(x, 100);
    EXPECT_TRUE(Test_Buchungen.empty());  // forecasts book nothing
}

TEST_F(StadionTest, ForecastsCanFlagRiotsAndNeutralGamesShareTheIncome)
{
    Stadion_Daten* d = anlegen(3, 1, 5000);  // open terraces, no security
    Stadion_Optionale_Teile_Setzen(d, true);
    Stadion_Neu(3, d);
    d = Stadion_Zeiger(3, 1);
    for (int i = 0; i < 40 && !d->top.krawall; ++i) {
        Spiele_Spiel s = spiel(3, 4);
        Stadion_Zuschauer(3, &s, 150, 0, 0, nullptr, 1, 0);
    }
    EXPECT_EQ(d->top.krawall, 1);
    EXPECT_TRUE(Test_Buchungen.empty());

    anlegen(6);
    Spiele_Spiel s = spiel(6, 7);
    const int32_t n = Stadion_Zuschauer(6, &s, 100, 50, 50, nullptr, 0, 0);
    EXPECT_EQ(int32_t(s.zuschauer), n);
    ASSERT_EQ(gebucht(13), 2);
    EXPECT_EQ(Test_Buchungen[0].empfaenger, 7);
    EXPECT_EQ(Test_Buchungen[1].empfaenger, 6);
    EXPECT_FLOAT_EQ(Test_Buchungen[0].betrag, Test_Buchungen[1].betrag);
    EXPECT_NEAR(Test_Buchungen[0].betrag, n * Stadion_Eintrittspreis(6) / 2, 1.0);
}

TEST_F(StadionTest, LiveViewStandsShowReadyStandsFilledByTheirSeats)
{
    int32_t art[6], fuellung[6];
    EXPECT_FALSE(Stadion_Szene_Tribuenen(3, 1000, art, fuellung));
    Stadion_Daten* d = anlegen(3);
    d->slot[2] = Stadion_Slot{};
    d->slot[3].fertig = Aktueller_Tag + 3;
    setzen(*d, 5, 1, 20000);
    ASSERT_TRUE(Stadion_Szene_Tribuenen(3, 25000, art, fuellung));
    EXPECT_EQ(art[2], -1);
    EXPECT_EQ(art[3], -1);
    EXPECT_EQ(fuellung[2] + fuellung[3], 0);
    EXPECT_EQ(art[5], 0);
    EXPECT_GE(art[0], 3);
    for (int i : {0, 1, 4, 5}) EXPECT_EQ(fuellung[i], 50);
    ASSERT_TRUE(Stadion_Szene_Tribuenen(3, 90000, art, fuellung));
    for (int i : {0, 1, 4, 5}) EXPECT_EQ(fuellung[i], 100);
}

// The season-ticket sale of a club outside the competitions (standing 0, importance 0, image 80):
// a squad of ordinary players gives R its full 100, E = ((80 * 5 + 100 * 15) / 100 / 10)^2 = 3.61
// and 433 wanted at the standard price, 437 after the price ratio's step; a club without players
// sells on its image alone (E = 0.16, 19 wanted); a small stadium sells no more than 80 % of its
// seats. Each sale is paid at the stored price, from nobody, in one booking.
TEST_F(StadionTest, SeasonTicketsSellByStandingStrengthAndImageUpToTheSeats)
{
    Test_Spieler_Anlegen(40);
    Teamspieler_Init_Listen();
    for (int32_t p = 0; p < 20; ++p) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 1, p, 50, 0, 24, -1, false));
    for (int32_t p = 20; p < 40; ++p) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 3, p, 50, 0, 24, -1, false));
    Stadion_Daten* stark = anlegen(1);
    Stadion_Daten* leer = anlegen(2);
    Stadion_Daten* klein = anlegen(3, 4, 90);
    Stadion_Dauerkarten_Verkauf(1);
    Stadion_Dauerkarten_Verkauf(2);
    Stadion_Dauerkarten_Verkauf(3);
    EXPECT_EQ(stark->dauerkarten, 437);
    EXPECT_EQ(leer->dauerkarten, 19);
    EXPECT_EQ(klein->dauerkarten, 6 * 90 * 80 / 100);
    ASSERT_EQ(Test_Buchungen.size(), 3u);
    EXPECT_EQ(Test_Buchungen[0].empfaenger, 1);
    EXPECT_EQ(Test_Buchungen[0].zahler, -1);
    EXPECT_EQ(Test_Buchungen[0].kategorie, 11);
    EXPECT_FLOAT_EQ(Test_Buchungen[0].betrag, 437 * stark->dauerkarten_preis);
}
