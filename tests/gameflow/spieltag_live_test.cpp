// A new game of the installed program, headless, with one manager whose club is broadcast live
// as a new manager's club is: his first match day (the cup's first round, fourteen turns in) is
// watched through the live view, turned round, its tactics panel and line-up screen opened, saved
// in the match, and played out to the next turn; that save loaded brings the view back.
#include <gtest/gtest.h>

#include "graphics/png_bild.h"
#include "programm_lauf.h"

namespace {

using namespace programm_lauf;

std::vector<uint8_t> bild(const Installation& inst, const char* name) { return lesen(inst.ordner / (std::string(name) + ".png")); }

// Shift+S: the running match day saved under a new name (the file dialog takes the script's answer).
Skript im_spiel_speichern(const std::string& name)
{
    return {"answer " + name, "key_down 16", "key 83", "wait 100", "key_up 16"};
}

// The view's block of a savegame as u32 values (loaded flag, then 7 per window); empty when the
// file does not read.
std::vector<uint32_t> ansicht_im_spielstand(const fs::path& p)
{
    const std::vector<uint8_t> d = lesen(p);
    std::string version;
    Disk_Bereiche b;
    std::vector<uint32_t> w;
    if (!Disk_Spielstand_Zerlegen(d.data(), d.size(), &version, &b)) return w;
    for (const std::vector<uint8_t>& block : b[DISK_POS_SPIELANSICHT - 1])
        for (size_t i = 0; i + 4 <= block.size(); i += 4) w.push_back(Disk_LE32_Lesen(block.data() + i));
    return w;
}

// Pixels that differ between two dumped frames inside a rectangle; -1 when one does not read.
int anders(const Installation& inst, const char* a, const char* b, int x1, int y1, int x2, int y2)
{
    std::vector<uint16_t> pa, pb;
    int wa = 0, ha = 0, wb = 0, hb = 0;
    if (!Png_Lesen((inst.ordner / (std::string(a) + ".png")).string(), pa, wa, ha, false) ||
        !Png_Lesen((inst.ordner / (std::string(b) + ".png")).string(), pb, wb, hb, false) || wa != 640 || wb != 640 || ha != 480 ||
        hb != 480)
        return -1;
    int n = 0;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x) n += pa[size_t(y * 640 + x)] != pb[size_t(y * 640 + x)];
    return n;
}

TEST(Spieltag_Live, TheFirstMatchDayOfANewManagersClubIsWatchedLiveFromKickOffToTheNextTurn)
{
    Installation inst;
    ASSERT_TRUE(inst.anlegen("dorvin_live"));
    const std::string o = inst.ordner.string() + "/";
    Skript s = neues_spiel({"Anna"});
    optionen(s, SPEICHERN_NEU, "start");
    bis_zum_ersten_spieltag(s);
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
    // The play goes on to its 22nd minute, however fast the machine draws: the save below comes
    // well before the break.
    dazu(s, {"move 300 250", "game minute 22"});
    s.push_back("dump " + o + "weiter.png");
    // Saved in the match, the play going on.
    dazu(s, im_spiel_speichern("im_spiel"));
    s.push_back("dump " + o + "gespeichert.png");
    // The second half, extra time and penalties where the cup needs them, the report pages.
    live_spieltag(s, 45);
    dazu(s, kabine_verlassen());
    live_spieltag(s, 105);
    s.push_back(SPIELTAG_ABWARTEN);
    optionen(s, SPEICHERN_NEU, "danach");
    // The save of the match loaded in that turn: the match day resumes in the live view, is saved
    // once more there and plays out to the next turn again.
    optionen(s, LADEN, "im_spiel");
    dazu(s, {"move 300 250", "wait 500"});
    s.push_back("dump " + o + "geladen.png");
    dazu(s, im_spiel_speichern("wieder"));
    live_spieltag(s, 45);
    dazu(s, kabine_verlassen());
    live_spieltag(s, 105);
    s.push_back(SPIELTAG_ABWARTEN);
    optionen(s, SPEICHERN_NEU, "zuletzt");
    s.push_back("quit");
    ASSERT_EQ(inst.spielen(s, "live"), 0) << lesen(inst.ordner / "live_fehler.txt").size();

    const int32_t start = tag_im_spielstand(inst.spielstand("start"));
    ASSERT_GE(start, 0);
    EXPECT_EQ(tag_im_spielstand(inst.spielstand("danach")), start + 14) << "the day played out, the next turn came";
    const char* namen[] = {"live", "gespiegelt", "taktik", "aufstellung", "zurueck", "weiter", "gespeichert", "geladen"};
    for (const char* n : namen) EXPECT_FALSE(bild(inst, n).empty()) << n;
    EXPECT_NE(bild(inst, "live"), bild(inst, "gespiegelt"));
    EXPECT_NE(bild(inst, "gespiegelt"), bild(inst, "taktik"));
    EXPECT_NE(bild(inst, "aufstellung"), bild(inst, "zurueck")) << "the back button leaves the screen";
    EXPECT_NE(bild(inst, "zurueck"), bild(inst, "weiter")) << "the match goes on after the screen";

    // The save in the match holds the shown game's full-size window and the match day's day;
    // the view came back with the same windows, its frame, button bar and team names as saved.
    const std::vector<uint32_t> gespeichert = ansicht_im_spielstand(inst.spielstand("im_spiel"));
    ASSERT_EQ(gespeichert.size(), 29u) << "the view's block with its windows";
    EXPECT_EQ(gespeichert[0], 1u);
    EXPECT_NE(int32_t(gespeichert[1]), -1) << "window 0 holds the game";
    EXPECT_EQ(std::vector<uint32_t>(gespeichert.begin() + 2, gespeichert.begin() + 7), (std::vector<uint32_t>{5, 4, 603, 471, 0}));
    for (int i = 1; i < 4; ++i) EXPECT_EQ(int32_t(gespeichert[size_t(1 + 7 * i)]), -1) << i;
    EXPECT_EQ(tag_im_spielstand(inst.spielstand("im_spiel")), start + 13) << "saved on the match day";
    EXPECT_EQ(tag_im_spielstand(inst.spielstand("zuletzt")), start + 14) << "the loaded day played out";
    EXPECT_EQ(ansicht_im_spielstand(inst.spielstand("wieder")), gespeichert);
    EXPECT_EQ(anders(inst, "gespeichert", "geladen", 606, 0, 640, 480), 0) << "button bar";
    EXPECT_EQ(anders(inst, "gespeichert", "geladen", 0, 0, 5, 480), 0) << "frame";
    // The names beside each side's marker (x 35 and 566), which blinks (a substitution, a player
    // sent off walking away): two frames may catch it in different phases.
    EXPECT_EQ(anders(inst, "gespeichert", "geladen", 50, 4, 150, 22), 0) << "home side's name";
    EXPECT_EQ(anders(inst, "gespeichert", "geladen", 460, 4, 564, 22), 0) << "away side's name";
    EXPECT_GT(anders(inst, "gespeichert", "geladen", 5, 30, 600, 470), 1000) << "the match went on";
    if (!HasFailure() && !std::getenv("DORVIN_BILDER")) fs::remove_all(inst.ordner);
}

}  // namespace
