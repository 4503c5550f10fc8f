// A whole season of the generated world's home league: results drawn by the random generator,
// goals entered as match events, and the final table checked against its own recomputation.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/spiele_ewig.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/wettbewerb.h"
#include "database/db_hilfe.h"
#include "database/team.h"
#include "platform/read_config.h"
#include "platform/win95.h"
#include "platform/zufall.h"

namespace {

namespace fs = std::filesystem;

constexpr int32_t HEIMLIGA = 1;

struct Stand {
    int32_t punkte = 0, tore = 0, gegentore = 0, spiele = 0;
};

class Saison : public ::testing::Test {
protected:
    fs::path ordner;
    char alt[sizeof Pfad_Config_Files];
    void SetUp() override
    {
        ordner = fs::temp_directory_path() / ("dorvin_saison_" + std::to_string(getpid()));
        for (const char* schritt : {"welt", "wettbewerbe"}) {
            std::string cmd = std::string(DORVIN_BINARY_DIR "/dorvin_datagen ") + schritt + " --ziel " + ordner.string();
            ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
        }
        std::memcpy(alt, Pfad_Config_Files, sizeof alt);
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (ordner / "config_files").c_str());
        ASSERT_TRUE(Team(0));
        ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));
        Zufall(0, 1);
        Spiele_Init();
    }
    void TearDown() override
    {
        Spiele_Freigeben();
        Wettbewerb_Free();
        Test_Aufraeumen();
        std::memcpy(Pfad_Config_Files, alt, sizeof alt);
        fs::remove_all(ordner);
    }
};

TEST_F(Saison, HomeLeagueTableAgreesWithRecomputation)
{
    int16_t liste[WETTBEWERB_MAX_TEAMS];
    const int32_t n = Wettbewerb_Get_Teams(HEIMLIGA, liste);
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(HEIMLIGA);
    ASSERT_NE(info, nullptr);
    ASSERT_GE(n, 10);
    ASSERT_EQ(n % 2, 0);
    const int32_t tage = info->spieltage;
    ASSERT_EQ(tage, 2 * (n - 1));
    const bool drei = info->modus & ENGLISCHE_TABELLE;
    ASSERT_TRUE(drei);

    const int32_t block = Spiele_Init_Neue_Spiele(1, n, tage, 1, HEIMLIGA, n / 2);
    ASSERT_GE(block, 0);
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(HEIMLIGA))->spiele_block = block;

    std::map<int32_t, Stand> soll;
    std::vector<int32_t> kreis(liste, liste + n);
    Zufall_Set_Seed(20260);
    Tabelle_Datensatz t;
    for (int32_t tag = 0; tag < tage; ++tag) {
        if (tag % (n - 1) != 0) std::rotate(kreis.begin() + 1, kreis.end() - 1, kreis.end());
        for (int32_t slot = 0; slot < n / 2; ++slot) {
            int32_t heim = kreis[size_t(slot)], gast = kreis[size_t(n - 1 - slot)];
            if (tag >= n - 1) std::swap(heim, gast);
            const int32_t ht = Zufall(0, 4), gt = Zufall(0, 3);
            const int32_t h = Spiele_Lock(block, tag, 0, slot);
            ASSERT_NE(h, 0);
            Spiele_Set_Teams(h, heim, gast);
            Spiele_Ereignis_Speicher_Reservieren(h);
            Spiele_Tore_Nullen(h);
            for (int32_t i = 0; i < ht; ++i) Spiele_Set_Ereignis(h, SPE_TOR | SPE_HEIM, 10 + 20 * i, -1, -1);
            for (int32_t i = 0; i < gt; ++i) Spiele_Set_Ereignis(h, SPE_TOR, 15 + 20 * i, -1, -1);
            Spiele_Set_Nachspiel_Statistik(h);
            Spiele_Ereignis_Speicher_Packen(h);
            Spiele_Unlock(h);
            Stand& a = soll[heim];
            Stand& b = soll[gast];
            a.tore += ht, a.gegentore += gt, b.tore += gt, b.gegentore += ht;
            ++a.spiele, ++b.spiele;
            a.punkte += ht > gt ? 3 : ht == gt ? 1 : 0;
            b.punkte += gt > ht ? 3 : ht == gt ? 1 : 0;
        }
        // The table after each match day is the table up to that day.
        t = Tabelle_Datensatz{};
        t.anzahl = n;
        for (int32_t i = 0; i < n; ++i) t.team[i] = liste[i];
        ASSERT_NE(Spiele_Tabelle_Berechnen(HEIMLIGA, block, 0, tag, drei, TAB_NORMAL, &t, liste[0], 0, -1, -1, 0, 0, -1), -1);
        for (int32_t i = 0; i < n; ++i) ASSERT_EQ(t.spiele[TAB_GESAMT][i], tag + 1);
    }

    // Places: by points, then goal difference (256 per goal) with goals scored (1 each).
    auto rang = [&](int32_t team) {
        const Stand& s = soll[team];
        return int64_t(s.punkte) * 1000000 + int64_t(s.tore - s.gegentore) * 256 + s.tore;
    };
    for (int32_t i = 0; i < n; ++i) {
        const Stand& s = soll[t.team[i]];
        SCOPED_TRACE(t.team[i]);
        EXPECT_EQ(t.punkte[TAB_GESAMT][i], s.punkte);
        EXPECT_EQ(t.tore[TAB_GESAMT][i], s.tore);
        EXPECT_EQ(t.gegentore[TAB_GESAMT][i], s.gegentore);
        EXPECT_EQ(t.spiele[TAB_GESAMT][i], tage);
        EXPECT_EQ(t.punkte[TAB_TEIL_HEIM][i] + t.punkte[TAB_TEIL_AUSWAERTS][i], s.punkte);
        int32_t p, f, g, w, d, l;
        ASSERT_TRUE(Spiele_Get_Ewige_Tabelle(block, t.team[i], &p, &f, &g, &w, &d, &l, 2));
        EXPECT_EQ(p, s.punkte);
        EXPECT_EQ(w + d + l, tage);
    }
    std::vector<int32_t> erwartet(liste, liste + n);
    std::stable_sort(erwartet.begin(), erwartet.end(), [&](int32_t a, int32_t b) { return rang(a) > rang(b); });
    for (int32_t p = 0; p < n; ++p) {
        SCOPED_TRACE(p);
        // Teams level on every criterion may stand in either order.
        EXPECT_EQ(rang(t.team[t.platz[p]]), rang(erwartet[size_t(p)]));
        EXPECT_NE(t.vorher[p], -1);
    }
    // The competition's own place query answers from the same table.
    for (int32_t p = 0; p < n; ++p) {
        const int32_t team = t.team[t.platz[p]];
        EXPECT_EQ(rang(erwartet[size_t(Wettbewerb_Get_Tabellenplatz(HEIMLIGA, team, -1, -1, TAB_NORMAL, 0))]),
                  rang(team));
    }
    int32_t platz = -1;
    const int32_t erster = t.team[t.platz[0]];
    if (Wettbewerb_Get_Team_Wettbewerb(erster, 1) == HEIMLIGA) {
        EXPECT_EQ(Wettbewerb_Get_Tabellenplatz_Prozent(erster, &platz), 100);
        EXPECT_EQ(platz, 0);
    }
}

}  // namespace

namespace {

// The whole default world's fixtures: each league plays every ordered pair once, each club once
// a match day; each cup's first round holds every entrant once and later rounds stay undrawn.
TEST_F(Saison, DefaultWorldFixturesAreCompleteAndRepeatable)
{
    Zufall_Set_Seed(77);
    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    int32_t ligen = 0, pokale = 0;
    std::map<int32_t, std::vector<std::array<int32_t, 4>>> plaene;
    for (Wettbewerb_Id id = Wettbewerb_Get_Erster(); id >= 0; id = Wettbewerb_Get_Naechster()) {
        SCOPED_TRACE(id);
        const Wettbewerb_Info* info = Wettbewerb_Get_Info(id);
        int16_t liste[WETTBEWERB_MAX_TEAMS];
        const int32_t n = Wettbewerb_Get_Teams(id, liste);
        const int32_t modus = info->modus, tage = info->spieltage, block = info->spiele_block;
        if (block < 0 || n < 2) continue;
        std::map<std::pair<int32_t, int32_t>, int32_t> paare;
        std::map<int32_t, std::map<int32_t, int32_t>> am_tag;
        auto& plan = plaene[id];
        for (int32_t i = 0; i < Spiele_Get_Anzahl_Spiele(block); ++i) {
            const int32_t h = Spiele_Lock_Index(block, i);
            const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
            Spiele_Unlock(h);
            plan.push_back({s.spieltag, s.runde, s.heim, s.gast});
            if (s.heim == SPIELE_KEIN_TEAM) continue;
            if (modus & KO_SYSTEM) {
                EXPECT_EQ(s.spieltag, 0);
                if (s.runde == 0) ++am_tag[0][s.heim], ++am_tag[0][s.gast];
                continue;
            }
            ++paare[{s.heim, s.gast}];
            ++am_tag[s.spieltag][s.heim];
            ++am_tag[s.spieltag][s.gast];
        }
        for (const auto& [tag, teams] : am_tag)
            for (const auto& [team, k] : teams) EXPECT_EQ(k, 1) << "Tag " << tag << " Team " << team;
        if (modus & KO_SYSTEM) {
            EXPECT_EQ(int32_t(am_tag[0].size()), n - (n & 1));
            ++pokale;
        } else if (tage == 2 * (n + (n & 1) - 1)) {
            EXPECT_EQ(int32_t(paare.size()), n * (n - 1));
            for (const auto& [p, k] : paare) EXPECT_EQ(k, 1);
            ++ligen;
        }
    }
    EXPECT_GT(ligen, 5);
    EXPECT_GT(pokale, 0);

    // The same seed over the same configured lists gives the same fixtures.
    Spiele_Freigeben();
    Wettbewerb_Free();
    ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));
    Spiele_Init();
    Zufall_Set_Seed(77);
    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    for (const auto& [id, plan] : plaene) {
        const int32_t block = Wettbewerb_Get_Spiele_Block(id);
        ASSERT_EQ(Spiele_Get_Anzahl_Spiele(block), int32_t(plan.size()));
        for (size_t i = 0; i < plan.size(); ++i) {
            const int32_t h = Spiele_Lock_Index(block, int32_t(i));
            const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
            Spiele_Unlock(h);
            ASSERT_EQ(plan[i], (std::array<int32_t, 4>{s.spieltag, s.runde, s.heim, s.gast})) << id;
        }
    }
}

}  // namespace
