// The season's schedule of the generated default world.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "common/capture.h"
#include "competitions/wettbewerb.h"
#include "database/db_hilfe.h"
#include "database/team.h"
#include "economy/stadion.h"
#include "gameflow/globals.h"
#include "gameflow/eingang.h"
#include "gameflow/kalender.h"
#include "common/welt_ordner.h"
#include "platform/win95.h"

namespace {

// Pairs of cup or international rounds that can share a club and play in the same week.
int32_t wochen_konflikte()
{
    int32_t konflikte = 0;
    for (int32_t woche = 0; woche < 53; ++woche) {
        std::vector<const Wettbewerb_Datensatz*> runden;
        for (int32_t tag = 7 * woche; tag < 7 * woche + 7 && tag < 366; ++tag) {
            int32_t ids[256];
            for (int32_t i = 0, n = Kalender_Get_Anzahl_Spiele(tag, 1, ids); i < n; ++i) {
                const Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(ids[i]));
                if (!w->basisliga) runden.push_back(w);
            }
        }
        for (const Wettbewerb_Datensatz* a : runden)
            for (const Wettbewerb_Datensatz* b : runden)
                if (Wettbewerb_Get_Oberwettbewerb(a->id) != Wettbewerb_Get_Oberwettbewerb(b->id) &&
                    !(a->land >= 0 && b->land >= 0 && a->land != b->land))
                    ++konflikte;
    }
    return konflikte;
}

class Spielplan : public testing::Test {
protected:
    static inline std::filesystem::path ordner;
    static void SetUpTestSuite() { ordner = Test_Welt_Bauen("plan", {"welt", "wettbewerbe"}); }
    static void TearDownTestSuite() { std::filesystem::remove_all(ordner); }
    void SetUp() override
    {
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (ordner / "config_files").c_str());
        ASSERT_TRUE(Team(0));
        ASSERT_TRUE(Wettbewerb_Config_Lesen(0, 0));
        Aktueller_Tag = 0;
    }
    void TearDown() override
    {
        Kalender_Spielplan_Leeren();
        Wettbewerb_Free();
        Test_Aufraeumen();
        // Team() started the stadiums too.
        Stadion_DeInit();
    }
};

TEST_F(Spielplan, DefaultWorldFitsItsSeason)
{
    ASSERT_TRUE(Kalender_Spielplan_Anlegen(0)) << Kalender_Spielplan_Fehler();
    std::map<int32_t, int32_t> spieltage_gefunden;   // competition -> match days seen (first legs)
    int32_t ligaspiele_max = 0;
    for (int32_t tag = 0; tag < 366; ++tag) {
        int32_t ids[256];
        const int32_t n = Kalender_Get_Anzahl_Spiele(tag, 1, ids);
        std::set<int32_t> vereine;
        int32_t spiele = 0, position = -1;
        for (int32_t i = 0; i < n; ++i) {
            const Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(ids[i]));
            ASSERT_NE(w, nullptr);
            EXPECT_GE(w->kalender_position, position) << "Tag " << tag;
            position = w->kalender_position;
            const int32_t woche = tag / 7;
            const int32_t sp = Kalender_Get_Spieltag_Nummer(tag, ids[i]);
            ASSERT_GE(sp, 0);
            // On its weekday inside its weeks, or a league's surplus Wednesday.
            EXPECT_TRUE(Kalender_Get_Wochentag(tag) == w->wochentag || (w->basisliga && Kalender_Get_Wochentag(tag) == 4))
                << w->name << " Tag " << tag;
            EXPECT_GE(woche, w->startwoche) << w->name;
            EXPECT_LE(woche, w->endwoche) << w->name;
            EXPECT_FALSE(woche >= w->spielfrei_start && woche <= w->spielfrei_ende) << w->name << " Woche " << woche;
            // The inverse: the day of this match day and one of its legs is today.
            bool gefunden = false;
            for (int32_t runde = 0; runde < 2; ++runde) gefunden |= Kalender_Get_Spieltag_Tag(ids[i], sp, runde, 0) == tag;
            EXPECT_TRUE(gefunden) << w->name;
            if (Kalender_Get_Spieltag_Tag(ids[i], sp, 0, 0) == tag) ++spieltage_gefunden[ids[i]];
            spiele += std::max(1, Wettbewerb_Paarungen_Zaehlen(w, sp));
            if (w->basisliga) ligaspiele_max = std::max(ligaspiele_max, sp + 1);
            int16_t teams[WETTBEWERB_MAX_TEAMS];
            const int32_t k = Wettbewerb_Get_Teams(ids[i], teams);
            for (int32_t j = 0; j < k; ++j)
                if (teams[j] >= 0) {
                    EXPECT_TRUE(vereine.insert(teams[j]).second) << "Verein " << teams[j] << " Tag " << tag;
                }
        }
        EXPECT_LE(spiele, 200) << "Tag " << tag;
    }
    EXPECT_EQ(ligaspiele_max, 38);
    EXPECT_EQ(wochen_konflikte(), 0);
    // Every match day of every competition is on the calendar once.
    for (int32_t id = Wettbewerb_Get_Erster(); id >= 0; id = Wettbewerb_Get_Naechster()) {
        const Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(id));
        if (w && !w->schalter[4]) {
            EXPECT_EQ(spieltage_gefunden[id], w->spieltage) << w->name;
        }
    }
}

// A national cup plays through the league season as real cups do: its first round in the
// league's first third, its final past it (the home cup's in the last), the rounds weeks apart. Once all its
// rounds fell into the first seven weeks, the final before the league's third match day.
TEST_F(Spielplan, NationalCupsSpreadTheirRoundsOverTheLeagueSeason)
{
    ASSERT_TRUE(Kalender_Spielplan_Anlegen(0)) << Kalender_Spielplan_Fehler();
    int32_t liga_erster = 9999, liga_letzter = -1, pokale = 0;
    for (int32_t id = Wettbewerb_Get_Erster(); id >= 0; id = Wettbewerb_Get_Naechster()) {
        const Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(id));
        if (!w || !w->basisliga || w->land != Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(1))->land) continue;
        liga_erster = std::min(liga_erster, Kalender_Get_Spieltag_Tag(id, 0, 0, 0));
        liga_letzter = std::max(liga_letzter, Kalender_Get_Spieltag_Tag(id, w->spieltage - 1, 0, 0));
    }
    ASSERT_LT(liga_erster, liga_letzter);
    std::vector<int32_t> ids;
    for (int32_t id = Wettbewerb_Get_Erster(); id >= 0; id = Wettbewerb_Get_Naechster()) ids.push_back(id);
    for (int32_t id : ids) {
        const Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(id));
        if (!w || w->basisliga || Wettbewerb_Ist_International(id) || !(w->modus & KO_SYSTEM) || w->spieltage < 4) continue;
        ++pokale;
        std::vector<int32_t> tage;
        for (int32_t r = 0; r < w->spieltage; ++r) tage.push_back(Kalender_Get_Spieltag_Tag(id, r, 0, 0));
        const int32_t drittel = (liga_letzter - liga_erster) / 3;
        EXPECT_LE(tage.front(), liga_erster + drittel) << w->name;
        EXPECT_GE(tage.back(), liga_erster + drittel) << w->name;
        // the home cup, with the most rounds, ends in spring
        if (w->land == Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(1))->land) { EXPECT_GE(tage.back(), liga_letzter - drittel) << w->name; }
        for (size_t r = 1; r < tage.size(); ++r) EXPECT_GE(tage[r] - tage[r - 1], 21) << w->name << " round " << r;
    }
    EXPECT_GT(pokale, 0);
}

TEST_F(Spielplan, CompetitionsSharingAWindowTakeTurns)
{
    // The cup winners' and the continental cup share both their windows: their rounds alternate.
    Wettbewerb_Datensatz* a = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(250));
    Wettbewerb_Datensatz* b = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(251));
    ASSERT_TRUE(a && b);
    a->endwoche = b->endwoche;
    b->startwoche = a->startwoche;
    ASSERT_TRUE(Kalender_Spielplan_Anlegen(0)) << Kalender_Spielplan_Fehler();
    EXPECT_EQ(wochen_konflikte(), 0);
    // Too narrow for both: refused by name.
    b->endwoche = b->startwoche + 9;
    a->endwoche = b->endwoche;
    EXPECT_FALSE(Kalender_Spielplan_Anlegen(0));
    const std::string fehler = Kalender_Spielplan_Fehler();
    EXPECT_TRUE(fehler.find("\"Pokalsiegerpokal\"") != std::string::npos ||
                fehler.find("\"Kontinentalpokal\"") != std::string::npos)
        << fehler;
}

TEST_F(Spielplan, RefusesWeeksItCannotUseByName)
{
    ASSERT_TRUE(Kalender_Spielplan_Anlegen(0));
    const int32_t vorher = Kalender_Get_Spieltag_Tag(1, 0, 0, 0);
    ASSERT_GE(vorher, 0);
    Wettbewerb_Datensatz* liga = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(1));
    liga->startwoche = 30;
    liga->endwoche = 20;
    Fehler_Capture cap;
    EXPECT_FALSE(Kalender_Spielplan_Anlegen(0));
    EXPECT_NE(std::string(Kalender_Spielplan_Fehler()).find(liga->name), std::string::npos);
    EXPECT_NE(std::string(Kalender_Spielplan_Fehler()).find("STARTWOCHE"), std::string::npos);
    // The schedule in use stays.
    EXPECT_EQ(Kalender_Get_Spieltag_Tag(1, 0, 0, 0), vorher);

    liga->startwoche = 0;
    liga->endwoche = 0;
    EXPECT_FALSE(Kalender_Spielplan_Anlegen(0));
    EXPECT_NE(std::string(Kalender_Spielplan_Fehler()).find("ENDWOCHE"), std::string::npos);

    // A friendly goes onto a free day once.
    EXPECT_TRUE(Kalender_Spieltag_Einfuegen(250, 0, 3));
    EXPECT_FALSE(Kalender_Spieltag_Einfuegen(250, 1, 3));
    EXPECT_FALSE(Kalender_Spieltag_Einfuegen(250, 1, 400));
    EXPECT_EQ(Kalender_Get_Spieltag_Nummer(3, 250), 0);
}

TEST_F(Spielplan, DamagedSavegameImageIsRefused)
{
    ASSERT_TRUE(Kalender_Spielplan_Anlegen(0));
    uint32_t laenge = 0;
    Kalender_Spielplan_Bytes(nullptr, &laenge);
    std::vector<uint8_t> bild(laenge);
    Kalender_Spielplan_Bytes(bild.data(), &laenge);
    const int32_t tag = Kalender_Get_Spieltag_Tag(1, 0, 0, 0);
    Fehler_Capture cap;
    EXPECT_FALSE(Kalender_Spielplan_Aus_Bytes(bild.data(), laenge - 1, 0));
    EXPECT_FALSE(Kalender_Spielplan_Aus_Bytes(bild.data(), laenge, 366));
    bild[11] = 0x7F;   // a day far outside the season
    EXPECT_FALSE(Kalender_Spielplan_Aus_Bytes(bild.data(), laenge, 0));
    EXPECT_EQ(Kalender_Get_Spieltag_Tag(1, 0, 0, 0), tag);
}

TEST_F(Spielplan, StartScreenLeavesOutCountriesWithoutLeagues)
{
    std::vector<int32_t> laender(static_cast<size_t>(Team_Anzahl)), ohne(laender.size());
    laender.resize(size_t(Eingang_Liga_Icons_Bauen(laender.data())));
    ASSERT_GT(laender.size(), 2u);
    EXPECT_EQ(std::set<int32_t>(laender.begin(), laender.end()).size(), laender.size());
    // The home country's clubs come first in the team file.
    EXPECT_EQ(laender[0], Team_Get_Heimatland());
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i)
        if (Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(i); w && w->land == laender[1]) w->basisliga = 0;
    ohne.resize(size_t(Eingang_Liga_Icons_Bauen(ohne.data())));
    laender.erase(laender.begin() + 1);
    EXPECT_EQ(ohne, laender);
}

}  // namespace
