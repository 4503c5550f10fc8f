// A season of the generated small world through the stadium's jobs and a home game for every
// league club each Saturday, two clubs with all parts: every money movement of the stadium is a
// booking, every home game of those clubs enters their statistics, a load in mid-season sells no
// tickets, and one seed gives the same stadiums twice.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "gameflow/eingang.h"
#include "gameflow/kalender.h"
#include "platform/win95.h"
#include "stadion_hilfe.h"
#include "welt_hilfe.h"

namespace {

struct StadionSaison : ::testing::Test {
    std::filesystem::path ordner;
    std::vector<uint8_t> start;
    std::map<int32_t, std::vector<int32_t>> ligen;
    int32_t manager[2] = {-1, -1};
    static inline int64_t gebucht[BANK_TEAMS];
    static inline int32_t karten_buchungen = 0;

    void SetUp() override
    {
        Netz_Rolle = 0;
        Aktueller_Tag = 0;
        ordner = std::filesystem::temp_directory_path() / ("dorvin_stadion_" + std::to_string(::getpid()));
        ASSERT_NO_FATAL_FAILURE(Test_Welt_Laden(ordner, "--world small"));
        Eingang_Get_Einstellungen().dauerkarten = 1;
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            const Wettbewerb_Id w = Wettbewerb_Get_Team_Wettbewerb(t, 1);
            if (w < 0) continue;
            ligen[w].push_back(t);
            if (manager[1] < 0) (manager[0] < 0 ? manager[0] : manager[1]) = t;
        }
        start = Stadion_Block_Bauen();
    }
    void TearDown() override
    {
        Bank_Set_Buchung_Protokoll(nullptr);
        Stadion_DeInit();
        Bank_DeInit();
        Test_Welt_Aufraeumen();
        std::filesystem::remove_all(ordner);
    }

    static void protokoll(int32_t z, int32_t e, int32_t ab, int32_t zu, uint8_t k)
    {
        if (z >= 0) gebucht[z] -= ab;
        if (e >= 0) gebucht[e] += zu;
        karten_buchungen += k == 11;
    }

    // One season from 1 July; the stadium block at its end. `heimspiele` counts the managers'.
    std::vector<uint8_t> saison(int32_t heimspiele[2])
    {
        Zufall_Set_Seed(4711);
        Aktueller_Tag = 0;
        Bank_Init();
        Stadion_Init();
        EXPECT_TRUE(Stadion_Block_Lesen(start.data(), uint32_t(start.size())));
        for (int32_t t = 0; t < Team_Anzahl; ++t) Schreibe_Überweisung(-1, t, 4000000.0f, 36, 1, -1);
        karten_buchungen = 0;
        Bank_Set_Buchung_Protokoll(protokoll);
        Stadion_Neues_Spiel();
        EXPECT_GT(karten_buchungen, 0);
        for (int32_t m : {manager[0], manager[1]}) {
            Stadion_Daten* s = Stadion_Zeiger(m, 0);
            Stadion_Optionale_Teile_Setzen(s, true);
            Stadion_Neu(m, s);
        }
        heimspiele[0] = heimspiele[1] = 0;
        for (int32_t tag = 1; tag <= 300; ++tag) {
            Aktueller_Tag = tag;
            int64_t vorher[BANK_TEAMS];
            for (int32_t t = 0; t < BANK_TEAMS; ++t) {
                vorher[t] = Bank_Get_Kontostand(t, 0, -1);
                gebucht[t] = 0;
            }
            Stadion_Jeden_Tag();
            if (tag % 7 == 0) Stadion_Jede_Woche();
            if (Kalender_Get_Wochentag(tag) == 0) spieltag(tag / 7, heimspiele);
            for (int32_t t = 0; t < BANK_TEAMS; ++t)
                EXPECT_EQ(Bank_Get_Kontostand(t, 0, -1) - vorher[t], gebucht[t]) << "Tag " << tag << " Team " << t;
            if (tag == 150) {
                // a load in mid-season: the same stadiums, no season tickets sold again
                const std::vector<uint8_t> block = Stadion_Block_Bauen();
                const int32_t karten = karten_buchungen;
                Stadion_Init();
                EXPECT_TRUE(Stadion_Block_Lesen(block.data(), uint32_t(block.size())));
                EXPECT_EQ(Stadion_Block_Bauen(), block);
                EXPECT_EQ(karten_buchungen, karten);
            }
            if (HasFailure()) break;
        }
        Bank_Set_Buchung_Protokoll(nullptr);
        return Stadion_Block_Bauen();
    }

    void spieltag(int32_t woche, int32_t heimspiele[2])
    {
        for (auto& [liga, teams] : ligen) {
            const size_t n = teams.size();
            for (size_t i = 0; i + 1 < n; i += 2) {
                Spiele_Spiel s{};
                // the pairs shift by one each week, so every club plays at home every other week
                s.heim = uint16_t(teams[(i + size_t(woche)) % n]);
                s.gast = uint16_t(teams[(i + 1 + size_t(woche)) % n]);
                s.wettbewerb = uint8_t(liga);
                s.heim_tore = -1;
                Stadion_Assistent_Preise(s.heim, &s, 100);
                Stadion_Zuschauer(s.heim, &s, 100, 100, 0, nullptr, 0, Stadion_Topzuschlag(s.heim, s.gast, liga));
                s.heim_tore = int8_t(Zufall(0, 4));
                s.gast_tore = uint8_t(Zufall(0, 4));
                Stadion_Fanstimmung_Setzen(s.heim, 50 + 4 * (s.heim_tore - s.gast_tore));
                Stadion_Rekord_Ergebnis(&s);
                for (int k = 0; k < 2; ++k) heimspiele[k] += s.heim == manager[k];
            }
        }
    }
};

TEST_F(StadionSaison, HomeGamesAreEnteredEveryMarkIsBookedAndTheSeasonRepeats)
{
    ASSERT_GE(manager[1], 0);
    // every stand of the team file within its model, every league club with a level
    for (int32_t t : Stadion_Teams()) {
        const Stadion_Daten* d = Stadion_Zeiger(t, 1);
        for (int i = 0; i < STADION_TRIBUENEN; ++i)
            EXPECT_LE(d->slot[i].plaetze, Stadion_Modell_Max_Plaetze(d->slot[i].modell)) << t;
        EXPECT_NE(d->name[0], 0);
    }
    for (auto& [liga, teams] : ligen)
        for (int32_t t : teams) EXPECT_GT(Wettbewerb_Get_Liga_Niveau(t), 0) << t;

    int32_t heimspiele[2];
    const std::vector<uint8_t> erste = saison(heimspiele);
    for (int k = 0; k < 2; ++k) {
        const Stadion_Statistik& st = Stadion_Zeiger(manager[k], 1)->statistik;
        int32_t spiele = 0;
        for (int32_t c = 0; c < STADION_SPALTEN; ++c) spiele += st.spiele[c];
        EXPECT_GT(heimspiele[k], 10);
        EXPECT_EQ(spiele, heimspiele[k]);
    }
    int32_t zweite_heimspiele[2];
    EXPECT_EQ(saison(zweite_heimspiele), erste);
}

}  // namespace

namespace {

TEST_F(StadionSaison, ASixthCompetitionFindsNoColumnWhileFiveRunningOnesHoldThem)
{
    ASSERT_GE(manager[0], 0);
    const int32_t heim = manager[0];
    Stadion_Daten* d = Stadion_Zeiger(heim, 0);
    Stadion_Optionale_Teile_Setzen(d, true);
    ASSERT_TRUE(Stadion_Neu(heim, d));
    d = Stadion_Zeiger(heim, 1);
    // six competitions other than the club's own league, each its own super competition
    std::vector<int32_t> fremde;
    const int32_t eigene = Wettbewerb_Get_Oberwettbewerb(Wettbewerb_Get_Team_Wettbewerb(heim, 1));
    for (int32_t w = 0; w < 256 && fremde.size() < 6; ++w) {
        const int32_t ober = Wettbewerb_Get_Oberwettbewerb(w);
        const auto gleich = [&](int32_t f) { return Wettbewerb_Get_Oberwettbewerb(f) == ober; };
        if (ober >= 0 && ober != eigene && std::find_if(fremde.begin(), fremde.end(), gleich) == fremde.end())
            fremde.push_back(w);
    }
    if (fremde.size() < 6) GTEST_SKIP() << "die kleine Welt hat zu wenige Wettbewerbe";
    const int32_t n[6] = {1000, 1000, 1000, 1000, 1000, 1000};
    for (size_t k = 0; k < 6; ++k) {
        Spiele_Spiel s{};
        s.heim = uint16_t(heim);
        s.gast = uint16_t(manager[1]);
        s.wettbewerb = uint8_t(fremde[k]);
        Stadion_Statistik_Eintragen(d, &s, n, 100);
    }
    for (int32_t c = 1; c < STADION_SPALTEN; ++c) {
        EXPECT_EQ(uint8_t(d->statistik.wettbewerb[c]), Wettbewerb_Get_Oberwettbewerb(fremde[size_t(c - 1)]));
        EXPECT_EQ(d->statistik.spiele[c], 1);
    }
    EXPECT_EQ(d->statistik.spiele[0], 0);
}

}  // namespace
