// The generated world's competitions, written by the data builder and read by the game.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "platform/win95.h"
#include "platform/read_config.h"

namespace {

namespace fs = std::filesystem;

constexpr int32_t MEISTER = 200;

struct Groesse {
    const char* name;
    int32_t heim_stufen;   // league tiers of the home nation
    int32_t ligasysteme;   // nations with leagues
};

class Datenwelt : public ::testing::TestWithParam<Groesse> {
protected:
    fs::path ordner;
    char alt[sizeof Pfad_Config_Files];
    int32_t alte_teams = 0;
    int32_t heimatland = -1;

    void SetUp() override
    {
        ordner = fs::temp_directory_path() / ("wb_welt_" + std::to_string(getpid()) + "_" + GetParam().name);
        std::string welt = std::strcmp(GetParam().name, "standard") ? std::string(" --world ") + GetParam().name : "";
        for (const char* schritt : {"welt", "wettbewerbe"}) {
            std::string cmd = std::string(DORVIN_BINARY_DIR "/dorvin_datagen ") + schritt + " --ziel " + ordner.string() + welt;
            ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
        }
        std::memcpy(alt, Pfad_Config_Files, sizeof alt);
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (ordner / "config_files").c_str());
        alte_teams = Team_Anzahl;
        // The team count and the home nation as the team file and the alias file give them.
        ASSERT_TRUE(Read_Config_Open(1, 0, -1));
        for (const char* w = Read_Config_Read_Zeile(nullptr, true); *w; w = Read_Config_Read_Zeile(nullptr, true))
            if (!std::strcmp(w, "LETZTES_TEAM")) {
                Team_Anzahl = Read_Config_Get_Wert() + 1;
                break;
            }
        Read_Config_Close();
        ASSERT_TRUE(Read_Config_Open(2, -1, 0));
        for (const char* w = Read_Config_Read_Zeile(nullptr, true); *w; w = Read_Config_Read_Zeile(nullptr, true))
            if (!std::strcmp(w, "DEUTSCHLAND")) heimatland = Read_Config_Get_Wert();
        Read_Config_Close();
    }
    void TearDown() override
    {
        Wettbewerb_Free();
        Team_Anzahl = alte_teams;
        std::memcpy(Pfad_Config_Files, alt, sizeof alt);
        fs::remove_all(ordner);
    }
};

std::vector<int32_t> alle_ids()
{
    std::vector<int32_t> v;
    for (int32_t id = Wettbewerb_Get_Erster(); id >= 0; id = Wettbewerb_Get_Naechster()) v.push_back(id);
    return v;
}

std::vector<int16_t> teams_von(int32_t id)
{
    std::vector<int16_t> t(WETTBEWERB_MAX_TEAMS);
    t.resize(static_cast<size_t>(Wettbewerb_Get_Teams(id, t.data())));
    return t;
}

}  // namespace

TEST_P(Datenwelt, LaedtUndHatDieGeplanteStruktur)
{
    ASSERT_GT(Team_Anzahl, 0);
    ASSERT_GE(heimatland, 0);
    ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));  // also: the stored checksum matches (no warning path)
    EXPECT_TRUE(Wettbewerb_Config_Teams_Gueltig());
    int32_t max = Wettbewerb_Config_Max_Teamnummer(0, 0);
    EXPECT_GE(max, 0);
    EXPECT_LT(max, Team_Anzahl);
    uint32_t summe = 0;
    ASSERT_TRUE(Read_Config_Open(2, 0, 0));
    while (*Read_Config_Read_Zeile(nullptr, true)) {
    }
    EXPECT_TRUE(Read_Config_Check_Summe(&summe));
    Read_Config_Close();

    // The home nation: its tiers from the top down (ids 1..), then its cup.
    const int32_t h = GetParam().heim_stufen;
    EXPECT_EQ(Wettbewerb_Zeiger(0)->land, heimatland);
    EXPECT_EQ(Wettbewerb_Hierarchie_Oben(h), 1);
    for (int32_t stufe = 2; stufe <= h; ++stufe) EXPECT_EQ(Wettbewerb_Hierarchie_Naechste(), stufe);
    EXPECT_EQ(Wettbewerb_Hierarchie_Naechste(), -1);
    int32_t stufen = 0, eigene = 0;
    EXPECT_EQ(Wettbewerb_Visuell_Vertikal_Anz(h, &stufen, &eigene), h);
    EXPECT_EQ(eigene, h - 1);
    int32_t heim[WETTBEWERB_ANZAHL];
    int32_t n_heim = Wettbewerb_Get_Land_Wettbewerbe(heimatland, heim);
    std::vector<int32_t> erwartet;
    for (int32_t stufe = 1; stufe <= h; ++stufe) erwartet.push_back(stufe);
    erwartet.push_back(128);
    EXPECT_EQ(std::vector<int32_t>(heim, heim + n_heim), erwartet);
    EXPECT_EQ(Wettbewerb_Get_Land_Wettbewerbe(heimatland, nullptr, 1), h);
    EXPECT_EQ(Wettbewerb_Get_Liga_Niveau(teams_von(1)[0]), 100);
    EXPECT_EQ(Wettbewerb_Get_Liga_Niveau(teams_von(h)[0]), 100 / h);

    // Every base league: its pyramid's top is a league system, each club in exactly one league,
    // and every place leads to the league itself or to its neighbour above or below.
    int32_t systeme[WETTBEWERB_ANZAHL];
    int32_t n_sys = Wettbewerb_Get_Ligasysteme(systeme);
    std::set<int32_t> sys(systeme, systeme + n_sys);
    std::set<int16_t> liga_teams;
    std::map<int32_t, int32_t> hoch;  // league below -> places that go up
    int32_t ligen = 0;
    for (int32_t id : alle_ids()) {
        const Wettbewerb_Info* info = Wettbewerb_Get_Info(id);
        ASSERT_NE(info, nullptr);
        const Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(id));
        if (!info->basisliga) continue;
        ++ligen;
        EXPECT_LE(id, WETTBEWERB_MAX_LIGA_ID);
        EXPECT_TRUE(sys.count(Wettbewerb_Hierarchie_Oben(id))) << id;
        EXPECT_EQ(info->teams, static_cast<int32_t>(teams_von(id).size()));
        // Whole double rounds, as many as 34 match days hold: a league of six clubs meets its
        // rivals three times home and away, one of ten clubs or more once.
        const int32_t doppelrunde = 2 * (info->teams + info->teams % 2) - 2;
        EXPECT_EQ(info->spieltage % doppelrunde, 0) << id;
        EXPECT_TRUE(info->spieltage == doppelrunde || info->spieltage <= 34) << id;
        EXPECT_GT(info->spieltage + doppelrunde, 34) << id;
        EXPECT_EQ(Wettbewerb_Get_Paarung(id, 0), info->teams / 2);
        for (int16_t t : teams_von(id)) {
            EXPECT_TRUE(liga_teams.insert(t).second) << "Team " << t << " in zwei Ligen";
            EXPECT_EQ(Wettbewerb_Get_Team_Wettbewerb(t, 1), id);
        }
        int32_t oben = w->vk.v[WV_OBERLIGA] >= 0 ? Wettbewerb_Zeiger(w->vk.v[WV_OBERLIGA])->id : -1;
        int32_t unten = w->vk.v[WV_UNTERLIGA] >= 0 ? Wettbewerb_Zeiger(w->vk.v[WV_UNTERLIGA])->id : -1;
        for (int32_t p = 0; p < info->teams; ++p) {
            int32_t z = Wettbewerb_Get_Quali_Ziel(id, p, 0);
            EXPECT_TRUE(z == id || (z == oben && z >= 0) || (z == unten && z >= 0)) << id << " Platz " << p;
            if (z == oben && oben >= 0) ++hoch[id];
        }
        if (oben >= 0) {
            EXPECT_GT(hoch[id], 0) << id;
        }
    }
    EXPECT_EQ(n_sys, GetParam().ligasysteme);
    EXPECT_GE(ligen, n_sys);
    for (auto [id, n] : hoch) {
        int32_t oben = Wettbewerb_Zeiger(Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(id))->vk.v[WV_OBERLIGA])->id;
        int32_t ab = 0;
        for (int32_t p = 0; p < WETTBEWERB_PLAETZE; ++p) ab += Wettbewerb_Get_Quali_Ziel(oben, p, 0) == id;
        EXPECT_EQ(n, ab) << "Auf- und Abstieg zwischen " << oben << " und " << id;
    }

    // The home cup: knock-out, halving each match day to the final.
    const Wettbewerb_Info* pokal = Wettbewerb_Get_Info(128);
    ASSERT_NE(pokal, nullptr);
    EXPECT_TRUE(pokal->modus & KO_SYSTEM);
    EXPECT_EQ(1 << pokal->spieltage, pokal->teams);
    EXPECT_EQ(Wettbewerb_Get_Paarung(128, 0), pokal->teams / 2);
    EXPECT_EQ(Wettbewerb_Get_Paarung(128, pokal->spieltage - 1), 1);
    EXPECT_STREQ(Wettbewerb_Get_Rundentext(128, pokal->spieltage - 1), "Finale");
    EXPECT_FALSE(Wettbewerb_Ist_International(128));

    // The champions' cup: parallel groups of four, then the knock-out rounds as its chain.
    std::vector<int32_t> gruppen;
    for (int32_t g = Wettbewerb_Get_Erste_Gruppe(MEISTER); g >= 0; g = Wettbewerb_Get_Naechste_Gruppe(g)) gruppen.push_back(g);
    ASSERT_GE(gruppen.size(), 1u);
    EXPECT_EQ(gruppen[0], MEISTER);
    int32_t ko = Wettbewerb_Get_Naechster_Der_Kette(gruppen.back());
    EXPECT_EQ(ko, MEISTER + static_cast<int32_t>(gruppen.size()));
    EXPECT_EQ(Wettbewerb_Get_Naechster_Der_Kette(ko), -1);
    EXPECT_EQ(Wettbewerb_Get_Erster_Der_Kette(ko), MEISTER);
    EXPECT_EQ(Wettbewerb_Get_Oberwettbewerb(ko), MEISTER);
    EXPECT_EQ(Wettbewerb_Get_Info(ko)->ketten_offset, 6);
    EXPECT_EQ(Wettbewerb_Get_Info(ko)->best_of_x, 2);
    EXPECT_EQ(Wettbewerb_Get_Info(ko)->teams, 2 * static_cast<int32_t>(gruppen.size()));
    int32_t tag = -1;
    EXPECT_EQ(Wettbewerb_Get_Runden_Wettbewerb(gruppen.back(), 6, &tag), ko);
    EXPECT_EQ(tag, 0);
    for (int32_t g : gruppen) {
        EXPECT_EQ(Wettbewerb_Get_Quali_Ziel(g, 0, 0), ko);
        EXPECT_EQ(Wettbewerb_Get_Quali_Ziel(g, 2, 0), -1);
    }

    // The international competitions: their first-season clubs are distinct and each record
    // gets exactly as many qualifiers as it has places.
    std::set<int16_t> int_teams;
    int32_t internationale = 0;
    for (int32_t id : alle_ids()) {
        if (id < MEISTER) continue;
        EXPECT_TRUE(Wettbewerb_Ist_International(id)) << id;
        if (Wettbewerb_Get_Oberwettbewerb(id) == id) ++internationale;
        int32_t zu = 0;
        for (int32_t q : alle_ids())
            for (int32_t liste = 1; liste < WETTBEWERB_ZIEL_LISTEN; ++liste)
                for (int32_t p = 0; p < WETTBEWERB_PLAETZE; ++p) zu += Wettbewerb_Get_Quali_Ziel(q, p, liste) == id;
        std::vector<int16_t> t = teams_von(id);
        if (Wettbewerb_Get_Erster_Der_Kette(id) == id) {
            EXPECT_EQ(zu, Wettbewerb_Get_Info(id)->teams) << id;
            EXPECT_EQ(static_cast<int32_t>(t.size()), Wettbewerb_Get_Info(id)->teams) << id;
        }
        for (int16_t x : t) EXPECT_TRUE(int_teams.insert(x).second) << "Team " << x << " zweimal international";
    }
    EXPECT_EQ(internationale, 3);
    EXPECT_TRUE(Wettbewerb_Gibt_Es_International());

    // The loaded world survives the savegame image.
    std::vector<uint8_t> bild = Wettbewerb_Block_Packen();
    Wettbewerb_Free();
    ASSERT_TRUE(Wettbewerb_Block_Entpacken(bild.data(), bild.size(), Team_Anzahl));
    EXPECT_EQ(Wettbewerb_Block_Packen(), bild);
}

// An international place brings a club some five million a season in premiums and home gates:
// in every world at most half of the top leagues' clubs play abroad in the first season, so that
// the top tier's money keeps pace with the rest of the world's.
TEST_P(Datenwelt, HoechstensDieHaelfteDerErstligistenSpieltInternational)
{
    ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));
    std::set<int16_t> oben, international;
    for (int32_t id : alle_ids()) {
        const std::vector<int16_t> t = teams_von(id);
        const Wettbewerb_Info* info = Wettbewerb_Get_Info(id);
        if (info && info->basisliga && !t.empty() && Wettbewerb_Get_Liga_Niveau(t[0]) == 100) oben.insert(t.begin(), t.end());
        if (id >= MEISTER) international.insert(t.begin(), t.end());
    }
    ASSERT_FALSE(oben.empty());
    EXPECT_FALSE(international.empty());
    EXPECT_LE(international.size() * 2, oben.size()) << international.size() << " von " << oben.size();
}

INSTANTIATE_TEST_SUITE_P(Groessen, Datenwelt,
                         ::testing::Values(Groesse{"standard", 4, 18}, Groesse{"small", 3, 3}, Groesse{"large", 4, 18}),
                         [](const auto& info) { return std::string(info.param.name); });

// A league's standing (the season tickets its clubs sell) never rises going down a pyramid and
// never falls below 40: a fourth tier at 20 sold too few tickets to pay even a squad at the
// strength floor. Only the large world's tier added below a country's only league stands above
// that league (at the top); elsewhere a second tier stands lower.
TEST_P(Datenwelt, EineLigaStehtNichtUeberDerDarueberUndNieUnterVierzig)
{
    ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));
    const bool gross = !std::strcmp(GetParam().name, "large");
    auto ansehen = [](int32_t id) { return Wettbewerb_Get_Team_Ansehen(teams_von(id)[0]); };
    int32_t zweistufig = 0;
    for (int32_t id : alle_ids()) {
        const Wettbewerb_Info* info = Wettbewerb_Get_Info(id);
        if (!info || !info->basisliga) continue;
        EXPECT_GE(ansehen(id), 40) << id;
        const int32_t oben = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(id))->vk.v[WV_OBERLIGA];
        if (oben < 0) continue;
        const int32_t oben_id = Wettbewerb_Zeiger(oben)->id;
        int32_t stufen = 0, eigene = 0;
        Wettbewerb_Visuell_Vertikal_Anz(id, &stufen, &eigene);
        if (stufen != 2) {
            EXPECT_LE(ansehen(id), ansehen(oben_id)) << id;
            continue;
        }
        ++zweistufig;
        if (gross) {
            EXPECT_EQ(ansehen(id), 100) << id;
            EXPECT_GT(ansehen(id), ansehen(oben_id)) << id;
        } else {
            EXPECT_LT(ansehen(id), ansehen(oben_id)) << id;
        }
    }
    // the small world has no country of two tiers and no fourth tier
    if (GetParam().heim_stufen == 4) {
        EXPECT_GT(zweistufig, 0);
        EXPECT_EQ(ansehen(4), ansehen(3));
    }
}
