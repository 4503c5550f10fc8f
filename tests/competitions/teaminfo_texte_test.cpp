// The team information screen drawn with the builder's fonts and pictures: every page keeps its
// texts in their boxes and apart (a date with a two-digit day and month before the opponent,
// the history's column headings, the minute ranges under their points).
#include <gtest/gtest.h>

#include <string>

#include "common/builder_daten.h"
#include "common/schirm.h"
#include "competitions/knopf_hook.h"
#include "competitions/spiele_welt.h"
#include "competitions/statistik_teaminfo.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "toolkit/icon.h"
#include "toolkit/screen.h"
#include "toolkit/text_pruefung.h"

namespace {

using namespace spielwelt;

struct TeaminfoTexte : Spielwelt {
    static void SetUpTestSuite() { ASSERT_TRUE(Test_Schirm_Oeffnen(Test_Resfiles_Ordner().string())); }
    static void TearDownTestSuite() { Test_Schirm_Schliessen(); }
    void SetUp() override
    {
        Spielwelt::SetUp();
        Teamspieler_Init_Listen();
        knopf_test::anbinden();
        Aktuelles_Team = 1;
        for (int32_t p = 0; p < 12; ++p) ASSERT_TRUE(Teamspieler_Kommt_Oder_Geht(1, 0, p, 100, 0, 24, -1, false));
        // a season of six match days from mid-October: dates of ten characters
        const int32_t block = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
        ASSERT_GE(block, 0);
        Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spiele_block = block;
        for (int32_t tag = 0; tag < 6; ++tag) {
            ergebnis(block, tag, 0, tag % 2 ? 1 : 0, tag % 2 ? 0 : 1, -1, 0);
            ergebnis(block, tag, 1, 2, 3, -1, 0);
            Kalender_Spieltag_Einfuegen(LIGA, tag, Kalender_Get_Tagnummer(16, 10, 1999) + 7 * tag);
        }
        Text_Pruefung_Starten();
    }
    void TearDown() override
    {
        Text_Pruefung_Beenden();
        Statistik_Teaminfo_Listen_Entfernen();
        Kalender_Spielplan_Leeren();
        knopf_test::loesen();
        Spielwelt::TearDown();
    }
    static std::string befunde()
    {
        std::string s;
        for (const Text_Befund& b : Text_Pruefung_Befunde(Grafik_Seite_0)) s += Text_Befund_Zeile(b) + "\n";
        return s;
    }
};

TEST_F(TeaminfoTexte, EveryPageKeepsItsTextsInTheirBoxes)
{
    Statistik_Teaminfo_Zeigen(0, 0);
    ASSERT_TRUE(Statistik_Teaminfo_Ist_Offen());
    for (int32_t seite = TI_ERSTE_SEITE; seite <= TI_LETZTE_SEITE; ++seite) {
        Statistik_Teaminfo_Schalten(seite);
        Menue_Screen_Refresh(1, -1, -1, -1, -1);
        EXPECT_EQ(Statistik_Teaminfo_Seite(), seite);
        EXPECT_GT(Text_Pruefung_Sichtbar(Grafik_Seite_0), 5u) << "page " << seite;
        EXPECT_EQ(befunde(), "") << "page " << seite;
    }
}

}  // namespace
