// A lone manager's first match day watched live in the installed program: the team talk before
// the kick-off, the dressing room at half-time and the second half after it, each left by the
// line-up screen's back button; and a day let play out untouched, whose screens go on by
// themselves.
#include <gtest/gtest.h>

#include "programm_bilder.h"

namespace {

using namespace programm_lauf;

// The first half-time talk item ("Siegprämie") on the dressing room's page.
constexpr int ANSPRACHE_X = 150, ANSPRACHE_Y = 296;

class Kabine : public Programm_Bilder_Test {
protected:
    Kabine() : Programm_Bilder_Test("kabine") {}
    // A new game, the turns up to the club's first match day, the team talk up.
    Skript bis_zum_spieltag()
    {
        Skript s = neues_spiel({"Anna"});
        bis_zur_ansprache(s);
        return s;
    }
};

TEST_F(Kabine, TheTalkBeforeTheMatchAndTheDressingRoomAtHalfTimeAreLeftByTheirBackButton)
{
    Skript s = bis_zum_spieltag();
    dazu(s, {"wait 1000", "dump " + pfad("vor_spiel")});
    dazu(s, kabine_verlassen());
    live_spieltag(s, 6);
    s.push_back("dump " + pfad("erste_halbzeit"));
    // On to the break: the room waits for its back button however long the clicks go on.
    live_spieltag(s, 45);
    s.push_back("dump " + pfad("kabine"));
    dazu(s, druecken(ANSPRACHE_X, ANSPRACHE_Y));
    dazu(s, druecken(ANSPRACHE_X, ANSPRACHE_Y));
    dazu(s, {"wait 2000", "dump " + pfad("ansprache")});
    dazu(s, kabine_verlassen());
    live_spieltag(s, 9);
    s.push_back("dump " + pfad("zweite_halbzeit"));
    s.push_back("quit");
    ASSERT_EQ(inst.spielen(s, "kabine"), 0);

    const Bild vor = lesen("vor_spiel"), erste = lesen("erste_halbzeit"), kabine = lesen("kabine"),
               ansprache = lesen("ansprache"), zweite = lesen("zweite_halbzeit");
    EXPECT_GT(vor.anders(erste, 0, 0, 640, 480), 100000) << "the talk before the match is not the match";
    EXPECT_GT(kabine.anders(erste, 0, 0, 640, 480), 100000) << "the dressing room is not the match";
    EXPECT_LT(kabine.anders(vor, 0, 0, 640, 480), 100000) << "both talks stand on the line-up screen";
    // The win bonus's amount grows with the presses, its centred line with it.
    EXPECT_GT(ansprache.anders(kabine, 296, 288, 363, 306), 0) << "the presses count on the talk page";
    // Each talk item frames its own line: the text shows inside every button.
    for (int i = 0; i < 10; ++i) {
        int weiss = 0;
        for (int y = 290 + 18 * i; y < 302 + 18 * i; ++y)
            for (int x = 180; x < 280; ++x) weiss += kabine.at(x, y) == 0xFFFF;
        EXPECT_GT(weiss, 20) << "talk item " << i << " hides its text";
    }
    EXPECT_GT(zweite.anders(kabine, 0, 0, 640, 480), 100000) << "the back button leaves the room";
    EXPECT_GT(zweite.anders(erste, 0, 0, 640, 480), 0);
}

}  // namespace

namespace {

using namespace programm_lauf;

class Kabine_Klick : public Programm_Bilder_Test {
protected:
    Kabine_Klick() : Programm_Bilder_Test("kabine_klick") {}
};

// The manager's club plays away (the game's draw is fixed). A press on the top row's left half (the home club's ear) before
// the kick-off shows the opponent's page, its talk items idle; the back button brings the own
// page back first, its talk still to be given, and the next press leaves for the match.
TEST_F(Kabine_Klick, TheOpponentsPageBeforeTheMatchLeadsBackToTheOwnTalkThenToTheMatch)
{
    Skript s = neues_spiel({"Anna"});
    bis_zur_ansprache(s);
    dazu(s, {"wait 1000", "dump " + pfad("vor_spiel")});
    dazu(s, druecken(100, 20));
    dazu(s, {"wait 1000", "dump " + pfad("gegner")});
    dazu(s, kabine_verlassen());
    dazu(s, {"wait 1000", "dump " + pfad("eigene")});
    dazu(s, kabine_verlassen());
    live_spieltag(s, 6);
    s.push_back("dump " + pfad("spiel"));
    s.push_back("quit");
    // the draw that gives the manager an away match on his first match day
    setenv("DORVIN_ZUFALL", "7", 1);
    const int rc = inst.spielen(s, "kabine_klick");
    unsetenv("DORVIN_ZUFALL");
    ASSERT_EQ(rc, 0);
    const Bild vor = lesen("vor_spiel"), gegner = lesen("gegner"), eigene = lesen("eigene"), spiel = lesen("spiel");
    // the player list and the talk items of the opponent's page
    EXPECT_GT(gegner.anders(vor, 50, 60, 590, 270), 5000) << "the ear does not show the opponent's page";
    EXPECT_GT(gegner.anders(vor, 380, 300, 520, 470), 1000) << "the opponent's talk items look the same";
    EXPECT_LT(eigene.anders(vor, 50, 60, 590, 470), 2000) << "the back button does not show the own talk again";
    EXPECT_GT(spiel.anders(eigene, 0, 0, 640, 480), 100000) << "the second press does not leave the talk";
}

}  // namespace

namespace {

using namespace programm_lauf;

class Kabine_Ruhe : public Programm_Bilder_Test {
protected:
    Kabine_Ruhe() : Programm_Bilder_Test("kabine_ruhe") {}
};

// The pointer the click that left the talk leaves resting on the back button, the mouse untouched
// through the first half: the dressing room opens under it, and a press there without a move
// leaves the room.
TEST_F(Kabine_Ruhe, APressOfThePointerRestingOnTheBackButtonLeavesTheRoom)
{
    Skript s = neues_spiel({"Anna"});
    bis_zur_ansprache(s);
    dazu(s, {"wait 1000", "dump " + pfad("vor_spiel")});
    dazu(s, kabine_verlassen());
    for (int t = 0; t < 60; ++t) s.push_back("wait 1000");
    s.push_back("dump " + pfad("kabine"));
    dazu(s, {"left down", "wait 100", "left up", "wait 3000"});
    s.push_back("dump " + pfad("danach"));
    s.push_back("quit");
    ASSERT_EQ(inst.spielen(s, "kabine_ruhe"), 0);
    const Bild vor = lesen("vor_spiel"), kabine = lesen("kabine"), danach = lesen("danach");
    EXPECT_LT(kabine.anders(vor, 0, 0, 640, 480), 100000) << "the room is not up after the first half";
    EXPECT_GT(danach.anders(kabine, 0, 0, 640, 480), 100000) << "the press does not leave the room";
}

}  // namespace
