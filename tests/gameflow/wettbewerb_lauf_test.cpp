// The competition screens in the installed program under a headless script: a new game played
// on until five league days are done, then the tables screen (two columns and details, the club
// view), two days on to the next league match a club's mouse-over picture with its next opponent
// and its popup, the fourteen pages of the team information and the team comparison. The pictures stay in DORVIN_BILDER=DIR when it is set, to be looked at;
// the test checks that each click changed what it should on screen.
#include <gtest/gtest.h>

#include <cstdlib>

#include "programm_bilder.h"

namespace {

using namespace programm_lauf;

// The graph of table places and its bottom band (the places that go down), the leg-date
// button at the fixtures' header, the two panes and the information screen's page area.
constexpr int GRAFIK_X = 385, GRAFIK_UNTEN = 244, TERMIN_X0 = 301, TERMIN_X1 = 373, TERMIN_Y0 = 97, TERMIN_Y1 = 110;

class Wettbewerbe_Im_Programm : public Programm_Bilder_Test {
protected:
    Wettbewerbe_Im_Programm() : Programm_Bilder_Test("wettbewerbe") {}
    static int rot(const Bild& b, int x, int y) { return b.at(x, y) >> 11; }
    static int gruen(const Bild& b, int x, int y) { return (b.at(x, y) >> 6) & 31; }
    static int blau(const Bild& b, int x, int y) { return b.at(x, y) & 31; }
};

// The pointer rests on a spot: the help bubble waits for a still pointer after a move.
void ruhen(Skript& s, int x, int y)
{
    s.push_back("move " + std::to_string(x) + " " + std::to_string(y));
    for (int i = 0; i < 20; ++i) s.push_back("wait 100");
    for (int d = 1; d <= 2; ++d) {
        s.push_back("move " + std::to_string(x + d) + " " + std::to_string(y + 1));
        s.push_back("wait 2000");
    }
}

// Turns from the start to the last free day before the sixth league match (five league days
// played, the sixth's pairings open), and on to that match's day, when the club has its next
// opponent.
constexpr int TAGE = 70, BIS_ZUM_SPIEL = 2;

void rechtsklick(Skript& s, int x, int y)
{
    dazu(s, {"move " + std::to_string(x) + " " + std::to_string(y), "wait 300", "wait 50", "right down", "wait 100",
             "right up", "wait 700"});
}

TEST_F(Wettbewerbe_Im_Programm, TablesInformationAndComparisonAfterFiveLeagueDays)
{
    Skript s = neues_spiel({"Anna"});
    s.push_back(UEBERTRAGUNG_AUS);
    s.push_back("wait 5000");
    // Each turn: on, then the day's message box; a match day plays out by itself.
    auto tage = [&](int n) {
        for (int tag = 0; tag < n; ++tag)
            dazu(s, {"click " + std::to_string(WEITER_X) + " " + std::to_string(WEITER_Y), SPIELTAG_ABWARTEN,
                     "click 470 292", SPIELTAG_ABWARTEN});
    };
    tage(TAGE);
    dazu(s, {"wait 2000", "click 619 299", "wait 2000"});  // the league group: the tables
    s.push_back("dump " + pfad("a_tabellen"));
    dazu(s, {"click 470 466", "wait 500", "click 555 466", "wait 500", "click 470 83", "wait 1000"});
    s.push_back("dump " + pfad("b_spalten_details"));
    dazu(s, {"click 470 466", "wait 500", "click 555 466", "wait 500", "click 470 83", "wait 500", "click 100 79",
             "wait 1000"});
    s.push_back("dump " + pfad("c_vereinsansicht"));
    dazu(s, {"click 100 79", "wait 1000"});
    tage(BIS_ZUM_SPIEL);
    dazu(s, {"wait 2000", "click 619 299", "wait 2000"});
    ruhen(s, 80, 291);
    s.push_back("dump " + pfad("d_mausover"));
    dazu(s, {"move 300 20", "wait 1000"});
    rechtsklick(s, 80, 301);
    ruhen(s, 150, 312);
    s.push_back("dump " + pfad("e_popup"));
    dazu(s, {"move 130 326", "wait 500", "click 130 326", "wait 2000"});
    for (int seite = 0; seite < 14; ++seite) {
        dazu(s, {"click 51 " + std::to_string(170 + 22 * seite), "wait 1500"});
        s.push_back("dump " + pfad("f" + std::to_string(seite)));
    }
    dazu(s, {"click 584 458", "wait 1500", "click 556 69", "wait 2000"});
    s.push_back("dump " + pfad("g_staerke"));
    rechtsklick(s, 445, 470);
    dazu(s, {"move 470 420", "wait 1000", "move 340 426", "wait 500", "click 340 426", "wait 2000"});
    s.push_back("dump " + pfad("g_zuschauer"));
    s.push_back("quit");
    ASSERT_EQ(inst.spielen(s, "wettbewerbe"), 0);

    const Bild a = lesen("a_tabellen"), b = lesen("b_spalten_details"), c = lesen("c_vereinsansicht"),
               d = lesen("d_mausover"), e = lesen("e_popup");
    // The places that go down lie under a red band at the graph's foot.
    EXPECT_GT(rot(a, GRAFIK_X + 100, GRAFIK_UNTEN), gruen(a, GRAFIK_X + 100, GRAFIK_UNTEN));
    EXPECT_GT(rot(a, GRAFIK_X + 100, GRAFIK_UNTEN), blau(a, GRAFIK_X + 100, GRAFIK_UNTEN));
    // The first leg's date stands in its button at the header's end.
    int hell = 0;
    for (int y = TERMIN_Y0; y < TERMIN_Y1; ++y)
        for (int x = TERMIN_X0; x < TERMIN_X1; ++x) hell += rot(a, x, y) > 24 && gruen(a, x, y) > 24 && blau(a, x, y) > 24;
    EXPECT_GT(hell, 20) << "no date in the leg-date button";
    EXPECT_GT(b.anders(a, 13, 288, 580, 436), 2000) << "two columns and details did not change the table";
    EXPECT_GT(c.anders(a, 13, 110, 350, 249), 2000) << "the club view did not change the fixtures";
    EXPECT_GT(d.anders(a, 60, 260, 300, 440), 5000) << "no mouse-over picture";
    EXPECT_GT(e.anders(a, 60, 250, 400, 440), 2000) << "no popup";
    Bild vorher = e;
    for (int seite = 0; seite < 14; ++seite) {
        const Bild f = lesen("f" + std::to_string(seite));
        EXPECT_GT(f.anders(vorher, 100, 60, 600, 430), 150) << "page " << seite << " did not change";
        vorher = f;
    }
    // The comparison opens by strength; the statistic menu turns it to the spectators.
    const Bild g1 = lesen("g_staerke"), g2 = lesen("g_zuschauer");
    EXPECT_GT(g1.anders(vorher, 0, 60, 600, 430), 5000) << "no comparison screen";
    EXPECT_GT(g2.anders(g1, 0, 60, 600, 430), 500) << "the comparison kept its statistic";
}

}  // namespace
