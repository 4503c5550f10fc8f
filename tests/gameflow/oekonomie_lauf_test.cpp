// The economy screens in the installed program under a headless script: a new game of the default
// world with one manager, played past the first league match day, then every page of the
// economy group opened from the menu bar and pictured. The pictures stay in DORVIN_BILDER=DIR
// when it is set, to be looked at; the test checks that each click changed the screen and that
// the pages which must show something do.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <algorithm>

#include "programm_bilder.h"

namespace {

using namespace programm_lauf;

// The first league match day is the 7th of August: the 38th turn from the 1st of July plays it.
// Whether the club was at home then is the fixture draw's: the pages are checked either way.
constexpr int RUNDEN = 38;
constexpr int GRUPPE_Y = VEREIN_Y;  // group 705
constexpr int JA_X = 150, OK_X = 470, KNOPF_Y = 292;
constexpr int REITER_Y = 54;  // the menu bar of the group's pages
constexpr int FINANZEN_X = 45, ANLAGEN_X = 130, BOERSE_X = 215, STADION_X = 300, WERBUNG_X = 385, LAGER_X = 470,
              VEREIN_X = 555;

class Oekonomie_Im_Programm : public Programm_Bilder_Test {
protected:
    Oekonomie_Im_Programm() : Programm_Bilder_Test("oekonomie") {}
    std::vector<std::string> namen;
    void dump(Skript& s, const std::string& name)
    {
        s.push_back("dump " + pfad(name));
        namen.push_back(name);
    }
    // The colours in a rectangle of the size given: a page that draws nothing there shows one or two.
    static size_t farben(const Bild& b, int x, int y, int bw, int bh) { return b.farben(x, y, x + bw, y + bh); }
};

TEST_F(Oekonomie_Im_Programm, EveryPageOfTheGroupOpensFromTheMenuBarAfterTheFirstMatchDay)
{
    Skript s = neues_spiel({"Anna"});
    s.push_back(UEBERTRAGUNG_AUS);
    s.push_back("wait 30000");
    for (int t = 0; t < RUNDEN; ++t) {
        dazu(s, klick(WEITER_X, WEITER_Y));
        dazu(s, klick(JA_X, KNOPF_Y));  // a question at the turn's end, if one comes
        dazu(s, klick(OK_X, KNOPF_Y));
        s.push_back(SPIELTAG_ABWARTEN);
    }
    s.push_back("wait 2000");
    dump(s, "runde");
    dazu(s, klick(GRUPPE_X, GRUPPE_Y));
    dump(s, "finanzen");
    dazu(s, klick(340, 79));  // the stadium's finance page
    dump(s, "finanzen_stadion");
    dazu(s, klick(ANLAGEN_X, REITER_Y));
    dump(s, "anlagen");
    // The amount rocker's outer plus, then the lender's menu on the right button.
    dazu(s, klick(271, 95, -1));
    dazu(s, klick(253, 95, -1));
    dump(s, "anlagen_betrag");
    dazu(s, {"move 190 145", "wait 300", "right down", "wait 100", "right up", "wait 600"});
    dump(s, "kreditgeber");
    dazu(s, {"key 27", "wait 500"});
    dazu(s, klick(BOERSE_X, REITER_Y));
    dazu(s, klick(BOERSE_X, REITER_Y));
    dump(s, "boerse");
    dazu(s, klick(STADION_X, REITER_Y));
    dump(s, "stadion");
    dazu(s, klick(80, 135));  // a stand's block
    dump(s, "stadion_block");
    dazu(s, klick(278, 253));  // "bauen"
    dump(s, "baufirmen");
    dazu(s, klick(398, 311));
    dazu(s, klick(541, 99));
    dump(s, "statistik");
    dazu(s, klick(541, 119));
    dump(s, "ereignisse");
    dazu(s, klick(WERBUNG_X, REITER_Y));
    dump(s, "werbung");
    dazu(s, klick(LAGER_X, REITER_Y));
    dump(s, "lager");
    dazu(s, klick(578, 79));
    // The first camp dragged onto a day of the calendar asks for the booking, or says that the
    // camp is closed that day (its open days are drawn with the new game): the OK after the
    // questions closes that message and lands on nothing otherwise.
    dazu(s, {"move 200 98", "wait 300", "left down", "wait 500", "move 300 150", "wait 100", "move 496 150", "wait 100",
             "move 496 151", "wait 100", "left up", "wait 1000"});
    dump(s, "buchung");
    dazu(s, klick(438, 449));  // "Buchen", without a programme: only free time?
    dump(s, "ohne_programm");
    dazu(s, klick(JA_X, 318));
    dump(s, "wirklich");
    dazu(s, klick(JA_X, KNOPF_Y));
    dump(s, "gebucht");
    dazu(s, klick(OK_X, KNOPF_Y));
    dazu(s, klick(VEREIN_X, REITER_Y));
    dump(s, "verein");
    dazu(s, klick(111, 291, -1));  // a bonus rocker's plus
    dump(s, "praemie");
    s.push_back("quit");
    ASSERT_EQ(inst.spielen(s, "oekonomie"), 0);

    std::vector<Bild> b;
    for (const std::string& n : namen) b.push_back(lesen(n));
    for (size_t i = 1; i < b.size(); ++i) EXPECT_NE(b[i].px, b[i - 1].px) << namen[i] << " looks as the page before";
    auto bild = [&](const std::string& n) -> const Bild& {
        return b[size_t(std::find(namen.begin(), namen.end(), n) - namen.begin())];
    };
    // Each page's tab in the menu bar is lit on its own picture and only there (the pointer
    // rests on the tab's middle, the probe lies left of it).
    const std::pair<const char*, int> reiter[] = {{"finanzen", FINANZEN_X}, {"anlagen", ANLAGEN_X}, {"boerse", BOERSE_X},
                                                  {"stadion", STADION_X},   {"werbung", WERBUNG_X}, {"lager", LAGER_X},
                                                  {"verein", VEREIN_X}};
    const uint16_t an = bild("finanzen").at(FINANZEN_X - 35, 50), aus = bild("anlagen").at(FINANZEN_X - 35, 50);
    EXPECT_NE(an, aus);
    for (const auto& [seite, x] : reiter)
        for (const auto& [andere, _] : reiter)
            EXPECT_EQ(bild(andere).at(x - 35, 50), seite == std::string(andere) ? an : aus) << seite << " on " << andere;
    // The season's chart of the finance page, the exchange's price table, the stadium plan, the
    // sponsors' pictures and the camps: each a field of many colours, not an empty panel.
    EXPECT_GT(farben(bild("finanzen"), 12, 290, 560, 60), 2u) << "no weekly balances";
    EXPECT_GT(farben(bild("boerse"), 10, 80, 580, 300), 8u) << "no prices";
    EXPECT_GT(farben(bild("stadion"), 10, 80, 470, 300), 8u) << "no stadium plan";
    EXPECT_GT(farben(bild("werbung"), 10, 80, 580, 300), 8u) << "no sponsors";
    EXPECT_GT(farben(bild("lager"), 10, 80, 580, 300), 8u) << "no camps";
    // The booked days take the camps' colour of the calendar's legend.
    const Bild& gebucht = bild("gebucht");
    if (gebucht.at(490, 146) == gebucht.at(414, 222))
        EXPECT_NE(bild("lager").at(490, 146), gebucht.at(414, 222));
    else
        std::printf("The camp was closed on the day chosen: nothing booked.\n");
    // The statistics page's three bars (condition, costs, fans) stand whatever the games were.
    EXPECT_GT(farben(bild("statistik"), 10, 90, 140, 70), 4u) << "no bars";
}

}  // namespace
