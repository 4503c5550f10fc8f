// The league editor's session on a configuration set: setters, insertion, deletion, exchange
// and moves keep the record block whole.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/capture.h"
#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_welt.h"
#include "database/team.h"
#include "ligaeditor/editor_hilfe.h"
#include "platform/string_util.h"

namespace {

using namespace testwelt;

using Sitzung = editor_test::Testwelt_Sitzung;

TEST_F(Sitzung, SetterGrenzen)
{
    EXPECT_TRUE(Wettbewerb_Config_Set_Teamanzahl(4, 17));
    EXPECT_EQ(rec(4).spieltage, 34);
    EXPECT_EQ(rec(4).ziele.ziel[0][16], Wettbewerb_Get_Nummer(4));
    EXPECT_EQ(rec(4).ziele.ziel[0][17], -1);
    EXPECT_TRUE(Wettbewerb_Config_Set_Teamanzahl(4, 18));
    EXPECT_EQ(rec(4).spieltage, 34);
    EXPECT_TRUE(Wettbewerb_Config_Set_Teamanzahl(4, 0));
    EXPECT_EQ(rec(4).spieltage, -2);
    EXPECT_EQ(rec(4).ziele.ziel[0][0], -1);
    Fehler_Capture f;
    EXPECT_FALSE(Wettbewerb_Config_Set_Teamanzahl(4, 25));
    EXPECT_EQ(rec(4).teams, 0);
    EXPECT_TRUE(f.contains("höchstens 24 Vereine"));
    EXPECT_FALSE(Wettbewerb_Config_Set_Teamanzahl(99, 10));
    EXPECT_TRUE(f.contains("Kein Wettbewerb mit dieser Nummer"));

    // Names that would break the file are refused; the old one stays.
    for (const char* schlecht : {"Liga \"B\"", "Liga [B]", "Liga\nB", ""})
        EXPECT_FALSE(Wettbewerb_Config_Set_Name(4, schlecht)) << schlecht;
    EXPECT_STREQ(rec(4).name, "Liga B");
    EXPECT_TRUE(Wettbewerb_Config_Set_Name(4, "Eine sehr lange Liga mit Überlänge"));
    EXPECT_EQ(std::strlen(rec(4).name), 24u);

    EXPECT_TRUE(Wettbewerb_Config_Set_Modus(4, KO_SYSTEM));
    EXPECT_EQ(rec(4).modus, KO_SYSTEM | RUECKSPIELE | HEIMRECHT);
    EXPECT_FALSE(Wettbewerb_Config_Set_Grafik(4, -1));
    EXPECT_FALSE(Wettbewerb_Config_Set_Spieltage(4, 51));
}

TEST_F(Sitzung, LandUndWochentag)
{
    Team_Heimatland = LAND_A;
    // LAND_A and LAND_B are taken: the next free country from home upward.
    EXPECT_TRUE(Wettbewerb_Config_Set_Land(1, -1));
    EXPECT_EQ(rec(1).land, LAND_B + 1);
    EXPECT_EQ(rec(1).wochentag, 1);
    EXPECT_TRUE(Wettbewerb_Config_Set_Land(1, LAND_A));
    EXPECT_EQ(rec(1).wochentag, 0);
    EXPECT_FALSE(Wettbewerb_Config_Set_Land(1, TEAM_ANZAHL));
    Team_Heimatland = 0xFFFF;
}

TEST_F(Sitzung, OhneSitzungAllesAbgelehnt)
{
    ASSERT_TRUE(Wettbewerb_Config_Modify_Free());
    EXPECT_FALSE(Wettbewerb_Config_Modify_Free());
    ASSERT_TRUE(laden());
    const std::vector<uint8_t> vorher = Wettbewerb_Block_Packen();
    EXPECT_FALSE(Wettbewerb_Config_Set_Teamanzahl(1, 10));
    EXPECT_FALSE(Wettbewerb_Config_Set_Name(1, "X"));
    EXPECT_FALSE(Wettbewerb_Config_Set_Land(1, -1));
    EXPECT_EQ(Wettbewerb_Config_Insert(1, -1, true), -1);
    EXPECT_FALSE(Wettbewerb_Config_Delete(2));
    EXPECT_FALSE(Wettbewerb_Config_Tauschen(1, 4));
    EXPECT_FALSE(Wettbewerb_Config_Verschieben(4, 1, -1, true));
    EXPECT_EQ(Wettbewerb_Block_Packen(), vorher);
    EXPECT_EQ(Wettbewerb_Config_Nummer, -1);
}

TEST_F(Sitzung, EinfuegenLeererBlockUndVoll)
{
    ASSERT_TRUE(Wettbewerb_Uebernehmen(nullptr, 0, TEAM_ANZAHL));
    const Wettbewerb_Id id = Wettbewerb_Config_Insert(-1, -1, false);
    EXPECT_EQ(id, WETTBEWERB_NEUE_ID_AB);
    EXPECT_EQ(Wettbewerb_Get_Nummer(id), 0);
    EXPECT_EQ(rec(id).super_art, Wettbewerb_Leerer_Datensatz.super_art);
    EXPECT_EQ(rec(id).modus, 67u);
    EXPECT_STREQ(rec(id).identifikation, "ALI_50");

    // A full block: the 129th competition is refused with a message to everybody.
    std::vector<Wettbewerb_Datensatz> voll(WETTBEWERB_ANZAHL);
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) voll[i] = testwelt::rec("L", i < 50 ? i : i + 100, 4, {}, -1, i < 50);
    ASSERT_TRUE(Wettbewerb_Uebernehmen(voll.data(), WETTBEWERB_ANZAHL, TEAM_ANZAHL));
    std::vector<std::string> meldungen;
    Requester_Printf_Set_Hook([&](const std::string& t) { meldungen.push_back(t); });
    EXPECT_EQ(Wettbewerb_Config_Insert(1, -1, false), -1);
    Requester_Printf_Set_Hook({});
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_NE(meldungen[0].find("kein weiterer Wettbewerb"), std::string::npos);

    // Ids of leagues end at 127: none free refuses.
    for (int32_t i = 0; i < 78; ++i) voll[i] = testwelt::rec("L", 50 + i, 4, {}, -1, true);
    ASSERT_TRUE(Wettbewerb_Uebernehmen(voll.data(), 78, TEAM_ANZAHL));
    Fehler_Capture f;
    EXPECT_EQ(Wettbewerb_Config_Insert(50, -1, false), -1);
    EXPECT_TRUE(f.contains("Keine freie Liga-Kennung"));
}

TEST_F(Sitzung, EinfuegenUnterUndNeben)
{
    // Below A1: between A1 and its parallel leagues A2/A2B.
    const Wettbewerb_Id neu = Wettbewerb_Config_Insert(1, -1, true);
    ASSERT_GE(neu, 50);
    const int32_t n = Wettbewerb_Get_Nummer(neu);
    EXPECT_EQ(n, Wettbewerb_Get_Nummer(1) + 1);
    EXPECT_EQ(rec(1).vk.v[WV_UNTERLIGA], n);
    EXPECT_EQ(rec(neu).vk.v[WV_OBERLIGA], Wettbewerb_Get_Nummer(1));
    EXPECT_EQ(rec(neu).vk.v[WV_UNTERLIGA], Wettbewerb_Get_Nummer(2));
    EXPECT_EQ(rec(2).vk.v[WV_OBERLIGA], n);
    EXPECT_EQ(rec(3).vk.v[WV_OBERLIGA], n);
    EXPECT_TRUE(editor_test::block_gesund());

    // Beside a lone league: it becomes the key of a group of two.
    const Wettbewerb_Id daneben = Wettbewerb_Config_Insert(-1, 4, false);
    EXPECT_EQ(rec(daneben).vk.v[WV_HORIZONTAL], Wettbewerb_Get_Nummer(4));
    EXPECT_EQ(rec(4).vk.v[WV_HORIZONTAL], Wettbewerb_Get_Nummer(4));
    EXPECT_TRUE(editor_test::block_gesund());
}

TEST_F(Sitzung, LoeschenUndTauschen)
{
    // A2 qualifies into A1: deleting A1 turns that place into one that stays in A2.
    const int32_t a2 = Wettbewerb_Get_Nummer(2);
    ASSERT_EQ(rec(2).ziele.ziel[0][0], Wettbewerb_Get_Nummer(1));
    EXPECT_TRUE(Wettbewerb_Config_Delete(1));
    EXPECT_EQ(Wettbewerb_Get_Nummer(1), -1);
    EXPECT_EQ(rec(2).ziele.ziel[0][0], a2 - 1);
    EXPECT_TRUE(editor_test::block_gesund());

    // Exchange: contents move, ids, links and countries stay; a place to itself stays so.
    rec(2).ziele.ziel[0][1] = Wettbewerb_Get_Nummer(2);
    const Wettbewerb_Verknuepfung vk2 = rec(2).vk, vk4 = rec(4).vk;
    const int32_t land2 = rec(2).land, land4 = rec(4).land;
    EXPECT_TRUE(Wettbewerb_Config_Tauschen(2, 4));
    EXPECT_STREQ(rec(2).name, "Liga B");
    EXPECT_STREQ(rec(4).name, "Liga A Nord");
    EXPECT_STREQ(rec(4).identifikation, "ALI_4");
    EXPECT_EQ(std::memcmp(&rec(2).vk, &vk2, sizeof vk2), 0);
    EXPECT_EQ(std::memcmp(&rec(4).vk, &vk4, sizeof vk4), 0);
    EXPECT_EQ(rec(2).land, land2);
    EXPECT_EQ(rec(4).land, land4);
    EXPECT_EQ(rec(4).ziele.ziel[0][1], Wettbewerb_Get_Nummer(4));
    EXPECT_TRUE(editor_test::block_gesund());

    // The last base league cannot go.
    std::vector<Wettbewerb_Datensatz> eine = {testwelt::rec("L", 1, 4, {}, -1, true), testwelt::rec("P", 2, 4, {}, -1, false)};
    ASSERT_TRUE(Wettbewerb_Uebernehmen(eine.data(), 2, TEAM_ANZAHL));
    EXPECT_FALSE(Wettbewerb_Config_Delete(1));
    EXPECT_NE(Wettbewerb_Get_Nummer(1), -1);
}

TEST_F(Sitzung, Verschieben)
{
    // Liga B under A1, in A1's country.
    EXPECT_TRUE(Wettbewerb_Config_Verschieben(4, 1, -1, true));
    EXPECT_EQ(Wettbewerb_Get_Nummer(4), -1);
    const Wettbewerb_Datensatz& a1 = rec(1);
    const Wettbewerb_Datensatz* unter = Wettbewerb_Zeiger(a1.vk.v[WV_UNTERLIGA]);
    ASSERT_NE(unter, nullptr);
    EXPECT_STREQ(unter->name, "Liga B");
    EXPECT_EQ(unter->land, LAND_A);
    EXPECT_TRUE(editor_test::block_gesund());
}

}  // namespace
