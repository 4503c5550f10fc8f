// A new manager's first match day in the live view of the installed program: the tactics panel
// raises the effort and changes a tactic, the day's results and the events list open over the
// play, and the change reaches the ticker line at the window's foot two match minutes later.
#include <gtest/gtest.h>

#include "programm_bilder.h"

namespace {

using namespace programm_lauf;

// The tactics panel as it opens in the lower right corner (310 x 138): its first tactic button
// (the passes), the slider's right end and the close button.
constexpr int PANEL_X = 606 - 310, PANEL_Y = 475 - 138;
constexpr int PASSEN_X = PANEL_X + 38, PASSEN_Y = PANEL_Y + 64, EINSATZ_RECHTS_X = PANEL_X + 214, EINSATZ_Y = PANEL_Y + 127;
constexpr int SCHLIESSEN_X = PANEL_X + 295, SCHLIESSEN_Y = PANEL_Y + 116;
// The slider's knob pushed fully right, and the colour of its face.
constexpr int KNAUF_X = PANEL_X + 7 + 188, KNAUF_Y = PANEL_Y + 122;
constexpr uint16_t KNAUF_FARBE = 0xCE5A;
// The results panel's button for the compact block, with the panel where it first opens (on the
// left, its foot at 426 for the cup's 32 games).
constexpr int KOMPAKT_X = 189, KOMPAKT_Y = 439;
// Frames dumped 50 ms apart once the panels are open.
constexpr int BILDER = 60;

// A short press, taken in a frame or two.
Skript tippen_an(int x, int y)
{
    return {"move " + std::to_string(x) + " " + std::to_string(y), "left down", "wait 40", "left up", "wait 40"};
}

// A ticker line as wide as a tactics change's text at the foot of the full-size window: across
// its middle, every 30 pixels carry white writing some rows high, never a white area.
bool ticker_zeile(const Bild& b)
{
    for (int x0 = 170; x0 < 440; x0 += 30) {
        int zeilen = 0, weiss = 0;
        for (int y = 459; y < 471; ++y) {
            int n = 0;
            for (int x = x0; x < x0 + 30; ++x) n += b.at(x, y) == 0xFFFF;
            zeilen += n > 0;
            weiss += n;
        }
        if (zeilen < 4 || weiss > 180) return false;
    }
    return true;
}

// The same club on every run: the ticker line's test above wants the width of the change's text,
// which names the manager's club, and with the clock's start a club of a short name now and then
// left the line's first columns empty.
class Spieltag_Taktik : public Programm_Bilder_Test {
protected:
    Spieltag_Taktik() : Programm_Bilder_Test("taktik") {}
    const Zufall_Start zufall{"1"};
};

TEST_F(Spieltag_Taktik, AChangeInTheTacticsPanelReachesTheTickerUnderTheOpenPanels)
{
    Skript s = neues_spiel({"Anna"});
    bis_zum_ersten_spieltag(s);
    live_spieltag(s, 6);
    // The tactics panel: effort fully up, the passes one step on.
    dazu(s, druecken(LEISTE_X, TAKTIK_Y));
    s.push_back("dump " + pfad("panel"));
    dazu(s, druecken(EINSATZ_RECHTS_X, EINSATZ_Y));
    dazu(s, druecken(PASSEN_X, PASSEN_Y));
    s.push_back("dump " + pfad("taktik"));
    // Closed; the day's results, made the compact block in the window's corner, and the events
    // list open over the play before the change comes into force.
    dazu(s, tippen_an(SCHLIESSEN_X, SCHLIESSEN_Y));
    dazu(s, tippen_an(LEISTE_X, TABELLE_Y));
    dazu(s, tippen_an(KOMPAKT_X, KOMPAKT_Y));
    dazu(s, tippen_an(LEISTE_X, EREIGNISSE_Y));
    s.push_back("dump " + pfad("offen"));
    for (int i = 0; i < BILDER; ++i) {
        s.push_back("wait 50");
        s.push_back("dump " + pfad("danach" + std::to_string(i)));
        // a set piece of the manager's side waits for its taker, as the day before
        if (i % 10 == 9) dazu(s, tippen_an(SCHUETZE_X, SCHUETZE_Y));
    }
    s.push_back("quit");
    ASSERT_EQ(inst.spielen(s, "taktik"), 0) << programm_lauf::lesen(inst.ordner / "taktik_fehler.txt").size();

    lesen("panel");
    lesen("offen");
    const Bild taktik = lesen("taktik");
    int knauf = 0;
    for (int y = KNAUF_Y; y < KNAUF_Y + 11; ++y)
        for (int x = KNAUF_X; x < KNAUF_X + 23; ++x) knauf += taktik.at(x, y) == KNAUF_FARBE;
    EXPECT_GE(knauf, 100) << "the knob stands at the slider's right end";
    int ticker = -1;
    for (int i = 0; i < BILDER && ticker < 0; ++i)
        if (ticker_zeile(lesen("danach" + std::to_string(i)))) ticker = i;
    EXPECT_GE(ticker, 0) << "the tactics change shows in the ticker line";
}

}  // namespace
