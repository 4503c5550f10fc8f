// The economy pages of this folder drawn with the builder's fonts and pictures: the stadium's
// three pages, the advertising page and the training camps keep every text in its box and
// apart from the others (the text check of the toolkit, page by page).
#include <regex>
#include <string>

#include "economy/bank_intern.h"
#include "schirm_hilfe.h"
#include "toolkit/text_pruefung.h"

namespace {

struct SeitenTexte : TextSchirmTest {
    static std::string befunde()
    {
        Menue_Screen_Refresh(1, -1, -1, -1, -1);
        std::string s;
        for (const Text_Befund& b : Text_Pruefung_Befunde(Grafik_Seite_0)) s += Text_Befund_Zeile(b) + "\n";
        return s;
    }
};

TEST_F(SeitenTexte, StadiumAdvertisingAndCampPagesKeepTheirTextsInTheirBoxes)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    for (const int32_t seite : {2164, 2163, 2162}) {  // building, statistics, events
        ASSERT_GE(klick(seite), 0) << seite;
        EXPECT_EQ(befunde(), "") << "stadium page " << seite;
    }
    for (const int32_t schirm : {OEKONOMIE_WERBUNG, OEKONOMIE_LAGER}) {
        ASSERT_EQ(Oekonomie_Schirm_Oeffnen(schirm), 1) << schirm;
        EXPECT_GT(Text_Pruefung_Sichtbar(Grafik_Seite_0), 10u) << schirm;
        EXPECT_EQ(befunde(), "") << schirm;
    }
}

// The attendance curve with its lowest game first: the figures at its left edge stand clear of
// the markers (the lowest one's marker covered the label's first digits).
TEST_F(SeitenTexte, TheCurvesHighestAndLowestFigureStandClearOfItsMarkers)
{
    Stadion_Daten* d = Stadion_Zeiger(Aktuelles_Team, 1);
    ASSERT_NE(d, nullptr);
    Stadion_Optionale_Teile_Setzen(d, true);
    d = Stadion_Zeiger(Aktuelles_Team, 1);
    ASSERT_TRUE(d->hat_statistik);
    const int32_t zuschauer[] = {17158, 23000, 19500, 31977};
    d->statistik.eintraege = 4;
    for (int32_t i = 0; i < 4; ++i) d->statistik.reihe[0][i] = zuschauer[i];
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    ASSERT_GE(klick(2163), 0);
    ASSERT_GE(klick(2201), 0);  // the attendance curve, whichever was shown last
    EXPECT_EQ(befunde(), "");
    bool gesehen = false;
    for (const Text_Sichtbar& t : Text_Pruefung_Texte(Grafik_Seite_0))
        if (t.text == "17158") gesehen = t.gezeigt == t.punkte;
    EXPECT_TRUE(gesehen) << "the lowest figure is not shown whole";
}

// The exchange's price chart names its range as the price table beside it writes prices, with
// the decimal comma ("46,80 bis 50,33"), read off the drawn page.
TEST_F(SeitenTexte, TheExchangeChartsRangeTakesTheTablesDecimalComma)
{
    // The exchange and the choice come back as they were.
    struct Zurueck {
        Boerse boerse = Bank_Boerse[0];
        uint8_t wahl = Bank.boerse_wahl;
        uint32_t firma = Bank.firma_wahl;
        ~Zurueck() { Bank_Boerse[0] = boerse, Bank.boerse_wahl = wahl, Bank.firma_wahl = firma; }
    } zurueck;
    Bank.boerse_wahl = 0;
    Bank.firma_wahl = 3;
    Boerse& b = Bank_Boerse[0];
    ASSERT_NE(b.firma[3][0], 0);
    for (int32_t k = 0; k < 30; ++k) b.verlauf[3][k] = 46.8f + float(k) * 0.1217f;
    b.kurs[3] = b.verlauf[3][29];
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_BOERSE), 1);
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    std::string titel;
    for (const Text_Sichtbar& t : Text_Pruefung_Texte(Grafik_Seite_0))
        if (t.text.find(" Tage, ") != std::string::npos) titel = t.text;
    EXPECT_TRUE(std::regex_search(titel, std::regex(R"(: \d+ Tage, \d+,\d\d bis \d+,\d\d$)"))) << titel;
    EXPECT_NE(titel.find(",33"), std::string::npos) << "the newest price is the range's top: " << titel;
}

}  // namespace
