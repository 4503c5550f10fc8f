// New players in the generated world: records renewed far more often than ten seasons renew
// them keep the world's surnames and give every new man a name nobody else bears.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <string>

#include "database/db_hilfe.h"
#include "database/spieler.h"
#include "database/teamspieler.h"
#include "database/welt_bilanz.h"
#include "platform/zufall.h"
#include "common/welt_ordner.h"

namespace {

// The other players who bear p's initial and surname.
int32_t namensvettern(int32_t p)
{
    int32_t n = 0;
    for (int32_t q = 0; q < Spieler_Anzahl; ++q)
        n += q != p && Spieler_Fix_Daten[q].vorname[0] == Spieler_Fix_Daten[p].vorname[0] &&
             std::strncmp(Spieler_Fix_Daten[q].name, Spieler_Fix_Daten[p].name, sizeof Spieler_Fix::name) == 0;
    return n;
}

TEST(NamenWelt, NewPlayersKeepTheWorldsSurnamesAndBearNamesOfTheirOwn)
{
    const std::filesystem::path ordner = Test_Welt_Bauen("namen", {"welt --seed 11", "wettbewerbe --seed 11"});
    ASSERT_FALSE(::testing::Test::HasFailure());
    Zufall(0, 1);
    Zufall_Set_Seed(2024);
    ASSERT_TRUE(Team(0));
    ASSERT_TRUE(Spieler(0));
    ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));
    Netz_Rolle = 2;
    Teamspieler_Init_Listen();
    Richter_Init();
    Spieler_Den_Teams_Zuordnen();
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (Team_Ist_Normal(t, 64)) Team_Wert(TEAM_LIGA_FEST, t, Wettbewerb_Get_Team_Wettbewerb(t, 1), TEAM_SCHREIBEN);
    const Welt_Bilanz start = Welt_Bilanz_Zaehlen();
    ASSERT_GT(start.nachnamen, 1000);
    ASSERT_GT(start.vereine, 100);

    int32_t vettern = 0, gleich = 0;
    for (int32_t runde = 0; runde < 2 * Spieler_Anzahl; ++runde) {
        const int32_t p = Zufall_Gross(0, Spieler_Anzahl - 1);
        const std::string alt = Spieler_Fix_Daten[p].name;
        const int16_t nation = Spieler_Fix_Daten[p].nation;
        ASSERT_TRUE(Spieler_Setze_Alten_Sack_Neu(p));
        const Spieler_Fix& f = Spieler_Fix_Daten[p];
        const std::string neu(f.name, strnlen(f.name, sizeof f.name));
        ASSERT_LT(neu.size(), sizeof f.name);
        ASSERT_GE(neu.size(), 2u) << neu;
        // the stem is a capitalised word ("van de Laksen" keeps its particles small)
        const unsigned char stamm = static_cast<unsigned char>(neu[neu.rfind(' ') == std::string::npos ? 0 : neu.rfind(' ') + 1]);
        EXPECT_TRUE(std::isupper(stamm) || (stamm >= 0xC0 && stamm <= 0xDE) || (stamm != 0 && std::strchr("\x8A\x8C\x8E", stamm))) << neu;
        EXPECT_EQ(f.nation, nation);
        EXPECT_NE(f.vorname[0], 0);
        EXPECT_EQ(f.vorname[1], 0);
        gleich += neu == alt;
        vettern += namensvettern(p) > 0;
    }
    EXPECT_EQ(gleich, 0) << "a new player never keeps the surname he retired with";
    EXPECT_EQ(vettern, 0) << "new players who bear another player's initial and surname";

    // the world keeps about its surnames, and no club gains two men of one name
    const Welt_Bilanz ende = Welt_Bilanz_Zaehlen();
    EXPECT_GE(ende.nachnamen * 10, start.nachnamen * 9) << start.nachnamen << " -> " << ende.nachnamen;
    EXPECT_LE(ende.nachnamen * 10, start.nachnamen * 11) << start.nachnamen << " -> " << ende.nachnamen;
    EXPECT_LE(ende.vereine_doppelter_name, start.vereine_doppelter_name);
    EXPECT_LE(ende.vollnamen_doppelt, start.vollnamen_doppelt);
    Test_Welt_Aufraeumen();
    std::filesystem::remove_all(ordner);
}

}  // namespace
