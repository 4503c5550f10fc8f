// A substitution made by hand in a live match of the installed program: a moment after the
// kick-off of a new manager's first match day the view is paused and the line-up screen opened
// from it, a substitute is dragged from the bench onto a row of the player list, and back in the
// running view the ticker names him when he comes on. The program's random sequence starts from a
// fixed number (DORVIN_ZUFALL), so every run meets the same club, side and match; any start must
// pass. The script still aims only at places that stay whatever the club: the first bench row of
// both sides (the other side's bench refuses the drag) and a row of the list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "platform/resfile.h"
#include "programm_bilder.h"

namespace {

using namespace programm_lauf;

// The middle of the first bench row of each side and of the list's seventh row (a field player's).
constexpr int HEIM_BANK_X = 57, GAST_BANK_X = 582, BANK_Y = 292, LISTE_X = 127, LISTE_Y = 184;
// The view's frames after the pause, four a second: through the first half, the dressing room and
// the start of the second (a half plays in about 20 s, a taker's panel holds up to 10 s).
constexpr int TICKER_BILDER = 160;
// From the talk's back button to the pause: the view has loaded and the play has begun, too
// early for a set piece of his side to be waiting for its taker.
constexpr int ANPFIFF_MS = 200;

// The button held from the bench row to the list row, the pointer moving in two steps; `mitte`
// dumps the picture on the way.
Skript ziehen(int bank_x, const std::string& mitte = {})
{
    const std::string halb = std::to_string((bank_x + LISTE_X) / 2) + " " + std::to_string((BANK_Y + LISTE_Y) / 2);
    Skript s{"move " + std::to_string(bank_x) + " " + std::to_string(BANK_Y), "wait 100", "left down", "wait 50",
             "move " + halb, "wait 50"};
    if (!mitte.empty()) s.push_back("dump " + mitte);
    dazu(s, {"move " + std::to_string(LISTE_X) + " " + std::to_string(LISTE_Y), "wait 50", "left up", "wait 100"});
    return s;
}

// The program's fonts from the installed screen resource file, for the time of a test.
struct Schriften {
    int32_t handle = -1, alt_handle = ResFile_Handles[0].handle, alt_tiefe = Grafik_Screen_Geometrie.depth;
    explicit Schriften(const fs::path& resfile)
    {
        handle = Init_ResFile(resfile.c_str());
        if (handle < 0) return;
        ResFile_Handles[0].handle = handle;
        Grafik_Screen_Geometrie.depth = 16;
        Font_Alle_Freigeben();
        Grafik_Init();
    }
    ~Schriften()
    {
        Font_Alle_Freigeben();
        if (handle >= 0) DeInit_ResFile(handle);
        ResFile_Handles[0].handle = alt_handle;
        Grafik_Screen_Geometrie.depth = alt_tiefe;
    }
};

// Whether the text stands in white in the rectangle of the frame: at one place the pixels the
// font inks fully are white and those it leaves blank are not. Three may differ: the panel's line
// loses the tips of its tall letters at the top edge of its gadget.
bool steht_da(const Bild& b, int32_t slot, const char* text, int x1, int y1, int x2, int y2)
{
    Font_Record* f = Font(slot);
    if (!f || b.w != 640) return false;
    const int32_t w = Font_Text_Breite(f, text) + 2, h = int32_t(f->strip->height);
    Rastport* p = Grafik_Bitmap_Anlegen(w, h, 16);
    if (!p) return false;
    const uint16_t weiss = Grafik_Farbe(15, 15, 15);
    Grafik_Printf(p, f, "^c%05d%s", 0, int32_t(f->ascent), int(weiss), text);
    auto pixel = [&](int x, int y) { return static_cast<const uint16_t*>(p->pixels)[size_t(y) * p->width + x]; };
    std::vector<std::pair<int, int>> tinte, leer;
    int oben = h, unten = -1, links = w, rechts = -1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (pixel(x, y) == weiss) {
                tinte.push_back({x, y});
                oben = std::min(oben, y), unten = std::max(unten, y), links = std::min(links, x), rechts = std::max(rechts, x);
            }
    // Blank only inside the inked box down to the baseline: above, below (the next line may start
    // at the descenders) and before it other lines and names may stand.
    for (int y = oben; y <= std::min(unten, int(f->ascent) - 1); ++y)
        for (int x = links; x <= rechts; ++x)
            if (pixel(x, y) == 0) leer.push_back({x, y});
    Grafik_Bitmap_Freigeben(p);
    if (tinte.size() < 20) return false;
    constexpr int ERLAUBT = 3;
    for (int y = y1; y + h <= y2; ++y)
        for (int x = x1; x + w <= x2; ++x) {
            int anders = 0;
            for (size_t i = 0; i < tinte.size() && anders <= ERLAUBT; ++i)
                anders += b.at(x + tinte[i].first, y + tinte[i].second) != weiss;
            for (size_t i = 0; i < leer.size() && anders <= ERLAUBT; ++i)
                anders += b.at(x + leer[i].first, y + leer[i].second) == weiss;
            if (anders <= ERLAUBT) return true;
        }
    return false;
}

// The substitutions left on the panel of the side between x1 and x2: 3 down to 1, else 0.
int einwechslungen(const Bild& b, int x1, int x2)
{
    for (int n = 3; n >= 1; --n)
        if (steht_da(b, 11, (std::to_string(n) + (n == 1 ? " Einwechslung" : " Einwechslungen")).c_str(), x1, 370, x2, 410))
            return n;
    return 0;
}

// The start of the program's random sequence, the same on every run; the program inherits it.
constexpr const char* ZUFALL_START = "1";

class Einwechslung_Test : public Programm_Bilder_Test {
public:
    Einwechslung_Test() : Programm_Bilder_Test("einwechslung") {}
    // A start given from outside is kept, to replay another match.
    void SetUp() override
    {
        Programm_Bilder_Test::SetUp();
        gesetzt_ = std::getenv("DORVIN_ZUFALL") == nullptr;
        if (gesetzt_) setenv("DORVIN_ZUFALL", ZUFALL_START, 1);
    }
    void TearDown() override
    {
        if (gesetzt_) unsetenv("DORVIN_ZUFALL");
        Programm_Bilder_Test::TearDown();
    }

private:
    bool gesetzt_ = false;
};

TEST_F(Einwechslung_Test, ASubstituteDraggedOntoTheListComesOnAndTheTickerNamesHim)
{
    Skript s = neues_spiel({"Anna"});
    bis_zum_ersten_spieltag(s);
    // Paused a moment after the kick-off, before any of his side's set pieces can be set up: a
    // press in the view while one waits would open the taker's panel in place of the button's
    // command. Paused, a stoppage cannot come while the line-up screen is open, which would let
    // him on there and take the event the ticker names him by.
    s.push_back("wait " + std::to_string(ANPFIFF_MS));
    dazu(s, druecken(LEISTE_X, PAUSE_Y));
    dazu(s, druecken(LEISTE_X, AUFSTELLUNG_Y));
    s.push_back("dump " + pfad("aufstellung"));
    dazu(s, ziehen(HEIM_BANK_X, pfad("heim_zug")));
    dazu(s, ziehen(GAST_BANK_X, pfad("gast_zug")));
    s.push_back("dump " + pfad("gewechselt"));
    dazu(s, druecken(ZURUECK_X, ZURUECK_Y));
    // Running again, he comes on at the next stoppage: a stoppage still set up when the pause
    // came lets him on at once, so the frames start as the button goes up. Without a stoppage
    // in the rest of the half he comes on at the second half's kick-off: the press on the back
    // button (in the view a button without a command) leaves the dressing room.
    dazu(s, {"move " + std::to_string(LEISTE_X) + " " + std::to_string(PAUSE_Y), "wait 100", "left down", "wait 100", "left up"});
    for (int i = 0; i < TICKER_BILDER; ++i) {
        s.push_back("dump " + pfad("ticker_" + std::to_string(i)));
        if (i % 4 == 3)
            dazu(s, {"move " + std::to_string(ZURUECK_X) + " " + std::to_string(ZURUECK_Y), "left down", "wait 100", "left up",
                     "wait 150"});
        else s.push_back("wait 250");
    }
    s.push_back("quit");
    ASSERT_EQ(inst.spielen(s, "lauf"), 0);

    Schriften schriften(fs::path(inst.programm) / "resfile" / "resf_scr.res");
    ASSERT_GE(schriften.handle, 0);
    const Bild vorher = lesen("aufstellung"), nachher = lesen("gewechselt");
    // Each side's panel counts what is left (an assistant may have used one before): the own
    // side's one fewer after the drop, the other's as it was.
    const int heim_vorher = einwechslungen(vorher, 0, 110), gast_vorher = einwechslungen(vorher, 530, 640);
    const int heim_nachher = einwechslungen(nachher, 0, 110), gast_nachher = einwechslungen(nachher, 530, 640);
    EXPECT_GT(heim_vorher, 0);
    EXPECT_GT(gast_vorher, 0);
    const bool heim = heim_nachher == heim_vorher - 1, gast = gast_nachher == gast_vorher - 1;
    EXPECT_NE(heim, gast) << "exactly the own side's bench takes the drop";
    EXPECT_EQ(heim ? gast_nachher : heim_nachher, heim ? gast_vorher : heim_vorher);
    const Bild zug = lesen(heim ? "heim_zug" : "gast_zug");
    const int zug_x = ((heim ? HEIM_BANK_X : GAST_BANK_X) + LISTE_X) / 2, zug_y = (BANK_Y + LISTE_Y) / 2;
    EXPECT_GT(zug.anders(vorher, zug_x - 15, zug_y - 15, zug_x + 15, zug_y + 15), 50) << "the shirt follows the pointer";
    int gesehen = -1;
    for (int i = 0; i < TICKER_BILDER && gesehen < 0; ++i)
        if (steht_da(lesen("ticker_" + std::to_string(i)), 9, " wird eingewechselt.", 0, 300, 610, 480)) gesehen = i;
    EXPECT_GE(gesehen, 0) << "no ticker line for the substitute";
    // How far into the watched frames he came on, for a look at the margin (--gtest_output).
    RecordProperty("ticker_bild", gesehen);
}

}  // namespace
