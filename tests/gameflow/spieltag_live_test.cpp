// A new game of the installed program, headless, with one manager whose club is broadcast live
// as a new manager's club is: his first match day (the cup's first round, fourteen turns in) is
// watched through the live view, turned round, its tactics panel and line-up screen opened, and
// played out to the next turn.
#include <gtest/gtest.h>

#include "programm_lauf.h"

namespace {

using namespace programm_lauf;

// The buttons of the view's side bar and of the line-up screen.
constexpr int LEISTE_X = 625, SPIEGELN_Y = 101, AUFSTELLUNG_Y = 171, TAKTIK_Y = 206;
constexpr int ZURUECK_X = 615, ZURUECK_Y = 455;

Skript druecken(int x, int y)
{
    return {"move " + std::to_string(x) + " " + std::to_string(y), "wait 100", "left down", "wait 100", "left up", "wait 400"};
}

std::vector<uint8_t> bild(const Installation& inst, const char* name) { return lesen(inst.ordner / (std::string(name) + ".png")); }

TEST(Spieltag_Live, TheFirstMatchDayOfANewManagersClubIsWatchedLiveFromKickOffToTheNextTurn)
{
    Installation inst;
    ASSERT_TRUE(inst.anlegen("dorvin_live"));
    const std::string o = inst.ordner.string() + "/";
    Skript s = neues_spiel({"Anna"});
    optionen(s, SPEICHERN_NEU, "start");
    for (int t = 0; t < 14; ++t) {
        dazu(s, klick(WEITER_X, WEITER_Y, -1));
        dazu(s, klick(150, 292));  // "JA" where a turn asks, else the empty pitch
        dazu(s, klick(470, 292));  // the captain's "OK"
        if (t < 13) s.push_back(SPIELTAG_ABWARTEN);
    }
    dazu(s, kabine_verlassen());
    // Some ten match minutes of the first half, then the view turned round and back.
    live_spieltag(s, 6);
    s.push_back("dump " + o + "live.png");
    dazu(s, druecken(LEISTE_X, SPIEGELN_Y));
    s.push_back("dump " + o + "gespiegelt.png");
    dazu(s, druecken(LEISTE_X, SPIEGELN_Y));
    // The tactics panel over the play, closed by its button again.
    dazu(s, druecken(LEISTE_X, TAKTIK_Y));
    s.push_back("dump " + o + "taktik.png");
    dazu(s, druecken(LEISTE_X, TAKTIK_Y));
    // The line-up screen from the view and back to the play.
    dazu(s, druecken(LEISTE_X, AUFSTELLUNG_Y));
    s.push_back("dump " + o + "aufstellung.png");
    dazu(s, druecken(ZURUECK_X, ZURUECK_Y));
    s.push_back("dump " + o + "zurueck.png");
    live_spieltag(s, 9);
    s.push_back("dump " + o + "weiter.png");
    // The second half after the break, extra time and penalties where the cup needs them, the
    // report pages.
    live_spieltag(s, 45);
    dazu(s, kabine_verlassen());
    live_spieltag(s, 105);
    s.push_back(SPIELTAG_ABWARTEN);
    optionen(s, SPEICHERN_NEU, "danach");
    s.push_back("quit");
    ASSERT_EQ(inst.spielen(s, "live"), 0) << lesen(inst.ordner / "live_fehler.txt").size();

    const int32_t start = tag_im_spielstand(inst.spielstand("start"));
    ASSERT_GE(start, 0);
    EXPECT_EQ(tag_im_spielstand(inst.spielstand("danach")), start + 14) << "the day played out, the next turn came";
    const char* namen[] = {"live", "gespiegelt", "taktik", "aufstellung", "zurueck", "weiter"};
    for (const char* n : namen) EXPECT_FALSE(bild(inst, n).empty()) << n;
    EXPECT_NE(bild(inst, "live"), bild(inst, "gespiegelt"));
    EXPECT_NE(bild(inst, "gespiegelt"), bild(inst, "taktik"));
    EXPECT_NE(bild(inst, "aufstellung"), bild(inst, "zurueck")) << "the back button leaves the screen";
    EXPECT_NE(bild(inst, "zurueck"), bild(inst, "weiter")) << "the match goes on after the screen";
    if (!HasFailure() && !std::getenv("DORVIN_BILDER")) fs::remove_all(inst.ordner);
}

}  // namespace
