// The continue icon in the installed program under a headless script whose buttons behave as
// the window's: a press held for seconds, a click faster than one pass, a hot-seat round.
// Each press ends exactly one turn; the day is read from a savegame made after it.
#include <gtest/gtest.h>

#include "programm_lauf.h"

namespace {

using namespace programm_lauf;

class Fenster_Klick : public testing::Test {
protected:
    Installation inst;
    void SetUp() override { ASSERT_TRUE(inst.anlegen("dorvin_klick")); }
    void TearDown() override
    {
        if (!HasFailure()) fs::remove_all(inst.ordner);
    }
    int32_t tag(const char* name) const { return tag_im_spielstand(inst.spielstand(name)); }
};

TEST_F(Fenster_Klick, EveryPressOnContinueEndsOneTurnHoweverLongItIsHeld)
{
    Skript s = neues_spiel({"Anna"});
    optionen(s, SPEICHERN_NEU, "start");
    dazu(s, klick(WEITER_X, WEITER_Y, 2000));
    optionen(s, SPEICHERN_NEU, "gehalten");
    dazu(s, klick(WEITER_X, WEITER_Y, -1));
    optionen(s, SPEICHERN_NEU, "schnell");
    dazu(s, klick(WEITER_X, WEITER_Y, 600));
    optionen(s, SPEICHERN_NEU, "kurz");
    s.push_back("quit");
    ASSERT_EQ(inst.spielen(s, "ein_manager"), 0);
    const int32_t start = tag("start");
    ASSERT_GE(start, 0);
    EXPECT_EQ(tag("gehalten"), start + 1) << "held 2 s";
    EXPECT_EQ(tag("schnell"), start + 2) << "down and up at once";
    EXPECT_EQ(tag("kurz"), start + 3) << "held 600 ms";
}

TEST_F(Fenster_Klick, AHeldPressDoesNotEndTheNextManagersTurn)
{
    Skript s = neues_spiel({"Anna", "Bernd"});
    optionen(s, SPEICHERN_NEU, "start");
    dazu(s, klick(WEITER_X, WEITER_Y, 2000));  // Anna
    optionen(s, SPEICHERN_NEU, "anna");
    dazu(s, klick(WEITER_X, WEITER_Y, -1));  // Bernd
    optionen(s, SPEICHERN_NEU, "bernd");
    s.push_back("quit");
    ASSERT_EQ(inst.spielen(s, "zwei_manager"), 0);
    const int32_t start = tag("start");
    ASSERT_GE(start, 0);
    EXPECT_EQ(tag("anna"), start) << "Bernd's turn of the same day comes first";
    EXPECT_EQ(tag("bernd"), start + 1);
}

// A month of turns ended with the continue icon: each press ends one day. The eleven the new game
// set up stays set but for a starter who gets injured or banned; then the turn asks about playing
// short-handed, and "JA" is the answer ("NEIN" would hold the day). On a match day the box that
// names the captain follows with its "OK". Where neither comes, both clicks land on the empty
// pitch (or on the captain box's idle left button). A match day then plays out untouched.
TEST_F(Fenster_Klick, TheLineUpOfANewGameHoldsForAMonth)
{
    Skript s = neues_spiel({"Anna"});
    s.push_back(UEBERTRAGUNG_AUS);
    optionen(s, SPEICHERN_NEU, "start");
    for (int t = 0; t < 30; ++t) {
        dazu(s, klick(WEITER_X, WEITER_Y, -1));
        dazu(s, klick(150, 292));  // "JA"
        dazu(s, klick(470, 292));  // "OK"
        s.push_back(SPIELTAG_ABWARTEN);
    }
    optionen(s, SPEICHERN_NEU, "monat");
    s.push_back("quit");
    ASSERT_EQ(inst.spielen(s, "monat"), 0);
    const int32_t start = tag("start");
    ASSERT_GE(start, 0);
    EXPECT_EQ(tag("monat"), start + 30);
}

// The first match day (the cup's first round, two weeks in) is the club's and shown live, as its
// manager's club is: a picture taken while it plays shows it, not the turn before or after, and
// the script goes on with the next day's turn once the day has played out.
TEST_F(Fenster_Klick, AScriptPicturesTheMatchDayWhileItPlays)
{
    Skript s = neues_spiel({"Anna"});
    optionen(s, SPEICHERN_NEU, "start");
    const std::string ordner = inst.ordner.string();
    for (int t = 0; t < 14; ++t) {
        if (t == 13) s.push_back("dump " + ordner + "/zug.png");
        dazu(s, klick(WEITER_X, WEITER_Y, -1));
        dazu(s, klick(150, 292));
        dazu(s, klick(470, 292));
        if (t == 13) {
            dazu(s, kabine_verlassen());
            dazu(s, {"wait 8000", "dump " + ordner + "/spieltag.png"});
            live_spieltag(s, 40);
            dazu(s, kabine_verlassen());
            live_spieltag(s, 110);
        }
        s.push_back(SPIELTAG_ABWARTEN);
    }
    s.push_back("dump " + ordner + "/danach.png");
    optionen(s, SPEICHERN_NEU, "danach");
    s.push_back("quit");
    ASSERT_EQ(inst.spielen(s, "spieltag"), 0);
    const std::vector<uint8_t> zug = lesen(inst.ordner / "zug.png"), spieltag = lesen(inst.ordner / "spieltag.png"),
                               danach = lesen(inst.ordner / "danach.png");
    ASSERT_FALSE(spieltag.empty());
    EXPECT_TRUE(spieltag != zug) << "the turn before";
    EXPECT_TRUE(spieltag != danach) << "the turn after";
    EXPECT_EQ(tag("danach"), tag("start") + 14);
}

// The club group's menu bar, the options menu opened over it and closed with a click on the
// pitch: the right-hand column stays, and the continue icon still ends the turn.
TEST_F(Fenster_Klick, TheClubBarLeavesTheContinueIconWorking)
{
    Skript s = neues_spiel({"Anna"});
    optionen(s, SPEICHERN_NEU, "start");
    dazu(s, klick(GRUPPE_X, LIGA_Y));  // LIGA
    dazu(s, {"move 300 250", "wait 300", "right down", "wait 100", "right up", "wait 500"});
    dazu(s, klick(100, 100));
    dazu(s, klick(WEITER_X, WEITER_Y));
    optionen(s, SPEICHERN_NEU, "weiter");
    s.push_back("quit");
    ASSERT_EQ(inst.spielen(s, "leiste"), 0);
    const int32_t start = tag("start");
    ASSERT_GE(start, 0);
    EXPECT_EQ(tag("weiter"), start + 1);
}

}  // namespace
