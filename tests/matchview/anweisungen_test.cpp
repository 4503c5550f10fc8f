// Instructions stepped by the page's buttons, the copy to the whole side, the opponent's page and
// the attribute shades.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "database/db_hilfe.h"
#include "database/spieler.h"
#include "gameflow/globals.h"
#include "graphics/grafik_farbe.h"
#include <cstring>
#include "match/spielfeld.h"
#include "matchview/lineup/anweisungen.h"

#include "text_merker.h"

namespace {

using namespace text_merker;

// Home slots 0-10 hold players 0-10, player 0 in goal; the away side players 20-30.
class Anweisungen : public ::testing::Test {
protected:
    std::unique_ptr<Spielfeld_Record> r = std::make_unique<Spielfeld_Record>();
    uint32_t rolle = 0;
    void SetUp() override
    {
        rolle = Netz_Rolle;
        Test_Spieler_Anlegen(40);
        for (int32_t p = 0; p < 40; ++p) Spieler_Fix_Daten[p].lieblingspos = int16_t(8 * 17 + 8);
        Spieler_Fix_Daten[0].lieblingspos = 459;
        Spieler_Fix_Daten[20].lieblingspos = 459;
        for (Spielfeld_Spieler& s : r->spieler) s.spnr = -1;
        for (int32_t i = 0; i < 11; ++i) {
            r->spieler[i].spnr = i;
            r->spieler[16 + i].spnr = 20 + i;
        }
        texte.clear();
        Anweisung_Set_Text_Hook(merken);
    }
    void TearDown() override
    {
        Anweisung_Set_Text_Hook(nullptr);
        Netz_Rolle = rolle;
        Test_Aufraeumen();
    }
};

TEST_F(Anweisungen, StepsWrapAtEachRowsLastStepAndAKeeperHasThreeRows)
{
    Netz_Rolle = 0;
    ASSERT_FALSE(Anweisung_Ist_Torwart(r.get(), 3));
    ASSERT_TRUE(Anweisung_Ist_Torwart(r.get(), 0));
    r->spieler[3].anweisung[0] = 4;
    EXPECT_TRUE(Anweisung_Schritt(r.get(), 3, 0, true));
    EXPECT_EQ(Anweisung_Wert(r.get(), 3, 0), 0);
    EXPECT_TRUE(Anweisung_Schritt(r.get(), 3, 0, false));
    EXPECT_EQ(Anweisung_Wert(r.get(), 3, 0), 4);
    // Goal kicks and coming off the line wrap at 2, penalties at 3.
    for (const auto& [reihe, letzte] : std::vector<std::pair<int32_t, int32_t>>{{0, 2}, {1, 2}, {2, 3}}) {
        Anweisung_Schritt(r.get(), 0, reihe, false);
        const int32_t oben = Anweisung_Wert(r.get(), 0, reihe);
        EXPECT_EQ(oben, letzte) << reihe;
        Anweisung_Schritt(r.get(), 0, reihe, true);
        EXPECT_EQ(Anweisung_Wert(r.get(), 0, reihe), 0) << reihe;
    }
    // Buttons 4 and 5 do nothing for him, not even to his field values.
    const Spielfeld_Spieler vorher = r->spieler[0];
    EXPECT_FALSE(Anweisung_Schritt(r.get(), 0, 3, true));
    EXPECT_FALSE(Anweisung_Schritt(r.get(), 0, 4, false));
    EXPECT_EQ(std::memcmp(&vorher, &r->spieler[0], sizeof vorher), 0);
    EXPECT_STREQ(Anweisung_Text(false, 0, 2), "Spiele normal agressiv");
    EXPECT_STREQ(Anweisung_Text(true, 2, 3), "Springe nach Rechts");
}

TEST_F(Anweisungen, TheRoleDecidesWhereAStepGoes)
{
    // Alone: the strength entry, no flag.
    Netz_Rolle = 0;
    Anweisung_Schritt(r.get(), 18, 1, true);
    EXPECT_EQ(r->spieler[18].anweisung[5], 1);
    EXPECT_EQ(r->anweisungen[68 + 18], 0);
    EXPECT_EQ(r->anweisungen[8], 0);
    // Any network role: the change block of the slot and bit 8 of the side's flag.
    Netz_Rolle = 3;
    Anweisung_Schritt(r.get(), 18, 1, true);
    EXPECT_EQ(r->anweisungen[68 + 18], 1);
    EXPECT_EQ(r->anweisungen[8], ANWEISUNG_AENDERUNG);
    EXPECT_EQ(r->anweisungen[7], 0);
    EXPECT_EQ(r->spieler[18].anweisung[5], 1) << "the entry waits for the engine";
}

TEST_F(Anweisungen, AllPlayersTakeTheFieldValuesAndTheKeeperKeepsHisOwn)
{
    Netz_Rolle = 0;
    const int32_t feld[ANWEISUNG_REIHEN] = {1, 2, 3, 4, 0};
    for (int32_t i = 0; i < ANWEISUNG_REIHEN; ++i)
        for (int32_t k = 0; k < feld[i]; ++k) Anweisung_Schritt(r.get(), 5, i, true);
    r->spieler[0].anweisung[8] = 2;
    r->spieler[0].anweisung[7] = 3;
    Draw_Anweisungen_Seite(nullptr, r.get(), 5, true, true);
    EXPECT_EQ(zaehlen("Anweisungen an alle Spieler"), 1);
    for (int32_t s = 0; s < 16; ++s) {
        EXPECT_EQ(r->spieler[s].anweisung[0], 1) << s;
        EXPECT_EQ(r->spieler[s].anweisung[5], 2) << s;
        EXPECT_EQ(r->spieler[s].anweisung[6], 3) << s;
        EXPECT_EQ(r->spieler[s].anweisung[3], 4) << s;
        EXPECT_EQ(r->spieler[s].anweisung[4], 0) << s;
    }
    EXPECT_EQ(r->spieler[0].anweisung[8], 2);
    EXPECT_EQ(r->spieler[0].anweisung[7], 3);
    // The other side is untouched.
    EXPECT_EQ(r->spieler[17].anweisung[0], 0);
}

TEST_F(Anweisungen, TheOpponentsPageHidesHisInstructionsAndEqualValuesAreDarkest)
{
    Netz_Rolle = 0;
    r->spieler[19].anweisung[0] = 3;
    Draw_Anweisungen_Seite(nullptr, r.get(), 19, false, true);
    EXPECT_EQ(zaehlen("-- ??? --"), ANWEISUNG_REIHEN);
    EXPECT_EQ(zaehlen("Spiele kaum aggressiv"), 0);
    // Viewing the opponent with the toggle on copies nothing into his side.
    EXPECT_EQ(r->spieler[17].anweisung[0], 0);

    // Every home player has the same strength: its value prints in shade 3.
    for (int32_t p = 0; p < 11; ++p) Spieler_Wert(SP_KRAFT, p, 500, SP_SCHREIBEN);
    Spieler_Wert(SP_AUSDAUER, 4, 900, SP_SCHREIBEN);
    Spieler_Wert(SP_AUSDAUER, 5, 100, SP_SCHREIBEN);
    texte.clear();
    Draw_Anweisungen_Seite(nullptr, r.get(), 4, true, false);
    char dunkel[32], hell[32];
    std::snprintf(dunkel, sizeof dunkel, "^c%05d^tz%04d500", int32_t(Grafik_Farbe(3, 3, 15)), 12 + 114);
    std::snprintf(hell, sizeof hell, "^c%05d^tz%04d900", int32_t(Grafik_Farbe(15, 15, 15)), 12 + 114);
    // Each label is followed by its value.
    const auto wert_von = [](const char* name) {
        for (size_t i = 0; i + 1 < texte.size(); ++i)
            if (texte[i].find(name) != std::string::npos) return texte[i + 1];
        return std::string();
    };
    EXPECT_NE(wert_von("Kraft").find(dunkel), std::string::npos) << wert_von("Kraft");
    EXPECT_NE(wert_von("Ausdauer").find(hell), std::string::npos) << wert_von("Ausdauer");
    EXPECT_EQ(zaehlen("Anweisungen an den Spieler"), 1);
    EXPECT_EQ(zaehlen("diesen Spieler ->"), 1);
}

}  // namespace
