// The tables screen's controls: the table range's knobs keep apart and stop at the current match
// day; the club filter's label fits its button; no head icon covers another in any layout.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "competitions/ligen_tabelle.h"
#include "toolkit/icon.h"
#include "toolkit/menueleiste.h"

namespace {

TEST(TabellenKnoepfe, RangeKnobsKeepEightPixelsApartAndStopAtTheCurrentDay)
{
    for (int32_t von = LT_VON_X0; von <= LT_VON_X1; von += 7)
        for (int32_t bis = LT_BIS_X0; bis <= LT_BIS_X1; bis += 11) {
            const Tabelle_Von_Bis_Spuren s = Ligen_Tabelle_Von_Bis_Spuren(von, bis, 5, 34);
            EXPECT_EQ(s.von_start, LT_VON_X0);
            EXPECT_LE(s.von_ende, std::max(bis - LT_KNOPF_ABSTAND, LT_VON_X0));
            EXPECT_GE(s.bis_start, von + LT_KNOPF_ABSTAND);
            EXPECT_GE(s.bis_ende, s.bis_start);
            EXPECT_GE(s.von_ende, s.von_start);
        }
    // Day 5 of 34 lies at 390 + 186 * 4 / 33: the to knob goes no further.
    EXPECT_EQ(Ligen_Tabelle_Von_Bis_Spuren(LT_VON_X0, 420, 5, 34).bis_ende, 413);
    EXPECT_EQ(Ligen_Tabelle_Von_Bis_Spuren(LT_VON_X0, 420, 34, 34).bis_ende, LT_BIS_X1);
    // Before the first day and without match days the track is one point, nothing divides by 0.
    EXPECT_EQ(Ligen_Tabelle_Von_Bis_Spuren(LT_VON_X0, LT_BIS_X0, 0, 34).bis_ende, LT_BIS_X0);
    const Tabelle_Von_Bis_Spuren leer = Ligen_Tabelle_Von_Bis_Spuren(LT_VON_X0, LT_BIS_X0, 0, 0);
    EXPECT_EQ(leer.bis_start, LT_BIS_X0);
    EXPECT_EQ(leer.bis_ende, LT_BIS_X0);
}

TEST(TabellenKnoepfe, FilterLabelIsShortenedToItsWidth)
{
    auto sechs = [](const char* s) { return int32_t(std::strlen(s)) * 6; };
    EXPECT_EQ(Ligen_Tabelle_Filter_Text("Borussia Moenchengladbach", sechs, 92), "nur Borussia Mo");
    EXPECT_EQ(Ligen_Tabelle_Filter_Text("Aachen", sechs, 92), "nur Aachen");
    // Not even "nur " fits: the name goes, never the loop's end.
    EXPECT_EQ(Ligen_Tabelle_Filter_Text("Aachen", sechs, 10), "nur ");
    EXPECT_EQ(Ligen_Tabelle_Filter_Text(nullptr, sechs, 92), "nur ");
}

TEST(TabellenKnoepfe, NoIconCoversAnotherInAnyLayoutAndAllStayBetweenTheBars)
{
    for (bool breit : {false, true})
        for (bool nur : {false, true})
            for (bool rueck : {false, true}) {
                std::vector<Ligen_Tabelle_Platz> v = Ligen_Tabelle_Kopf_Plaetze(breit, nur, rueck);
                // The sub-menu bar stands on the screen with them.
                for (int32_t k = 0; k < MENUE_LEISTE_ANZAHL; ++k)
                    if (const Menue_Icon& i = Menue_Leiste[k]; !(i.status & ICON_VERSTECKT))
                        v.push_back({i.nummer, i.x, i.y, i.breite, i.hoehe});
                std::set<int32_t> nummern;
                for (const Ligen_Tabelle_Platz& a : v) {
                    EXPECT_TRUE(nummern.insert(a.nummer).second) << a.nummer;
                    EXPECT_GT(a.w, 0) << a.nummer;
                    // Below the top bar, left of the base icons' column, on the screen.
                    EXPECT_GE(a.y, 45) << a.nummer;
                    EXPECT_GE(a.x, 0) << a.nummer;
                    EXPECT_LE(a.x + a.w, 597) << a.nummer;
                    EXPECT_LE(a.y + a.h, 480) << a.nummer;
                    for (const Ligen_Tabelle_Platz& b : v)
                        if (&a < &b) {
                            EXPECT_FALSE(a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h)
                                << a.nummer << " covers " << b.nummer << " (wide " << breit << ", fixtures only " << nur
                                << ", second legs " << rueck << ")";
                        }
                }
                // The shortcuts stand in both layouts at the head; the table's part only with it.
                EXPECT_EQ(nummern.count(LT_KURZWAHL + LT_KURZWAHL_ANZAHL - 1), 1u);
                EXPECT_EQ(nummern.count(LT_SPALTEN), nur ? 0u : 1u);
                EXPECT_EQ(nummern.count(LT_RUECKSPIEL), !nur && rueck ? 1u : 0u);
            }
}

}  // namespace
