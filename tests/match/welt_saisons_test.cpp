// Whole seasons of a new game played through the main loop, every match day in the background,
// one manager at the default club who only fills the gaps in his eleven: every day each league
// club keeps an eleven and its bench and every player has a team; after each season the league
// clubs' money neither collapses nor explodes. DORVIN_SAISONEN=N plays N seasons (default 2);
// `make test-saisons` plays ten and prints the world-health figures of each; DORVIN_SAISON_ORDNER
// keeps each season's savegame.
#include <gtest/gtest.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "platform/disk.h"
#include "database/welt_bilanz.h"
#include "economy/bank_welt.h"
#include "gameflow/kalender.h"
#include "match/spieltag_welt.h"

namespace {

class Welt_Saisons : public Spieltag_Welt {
protected:
    static void SetUpTestSuite() { neues_spiel = false; }
    static void TearDownTestSuite()
    {
        Spieltag_Welt::TearDownTestSuite();
        neues_spiel = true;
    }
    static void welt_bauen(const char* name, std::initializer_list<const char*> schritte)
    {
        if (!welt.empty()) std::filesystem::remove_all(welt);
        welt = Test_Welt_Bauen(name, schritte);
        welt_name = name;
    }

    static int32_t saisons()
    {
        const char* n = std::getenv("DORVIN_SAISONEN");
        const int32_t s = n ? std::atoi(n) : 2;
        return s > 0 ? s : 2;
    }

    static inline std::string welt_name;

    // DORVIN_SAISON_ORDNER=DIR keeps each season's savegame there as WORLD_N.sgv (welt_saisons_N,
    // welt_saisons_gross_N, welt_saisons_klein_N), for the world-health tool.
    static void speichern(int32_t saison)
    {
        const char* ordner = std::getenv("DORVIN_SAISON_ORDNER");
        if (!ordner || !*ordner) return;
        const std::string name = std::string(ordner) + "/" + welt_name + "_" + std::to_string(saison);
        EXPECT_TRUE(Disk_Spielstand_Speichern(name.c_str())) << name;
    }

    // The money the world booked by category in the season just ended.
    static void kategorien_zeigen()
    {
        const Bank_Welt_Summen& s = Bank_Welt_Get_Summen(1);
        for (int32_t k = 1; k < BANK_KATEGORIEN; ++k)
            if (s.einnahmen[k] != 0 || s.ausgaben[k] != 0)
                std::printf("    %2d ein %14.0f aus %14.0f\n", k, s.einnahmen[k], s.ausgaben[k]);
    }

    // The youth team's size, its players' mean age and its oldest's, printed with each season's
    // figures.
    struct Jugend_Zahlen {
        int32_t n = 0, aeltester = 0;
        double mittel = 0;
    };
    static Jugend_Zahlen jugend()
    {
        std::vector<int32_t> kader(TEAM_MAX_START_SPIELER);
        Jugend_Zahlen z;
        z.n = std::min(Teamspieler_Ins_Array(Jugend_Team, kader.data(), TEAM_MAX_START_SPIELER, 0), TEAM_MAX_START_SPIELER);
        for (int32_t i = 0; i < z.n; ++i) {
            const int32_t alter = Spieler_Wert(SP_ALTER, kader[size_t(i)], 0, SP_LESEN);
            z.mittel += alter;
            z.aeltester = std::max(z.aeltester, alter);
        }
        if (z.n > 0) z.mittel /= z.n;
        std::printf("  Jugend: %d Spieler, mittleres Alter %.2f, bis %d Jahre\n", z.n, z.mittel, z.aeltester);
        return z;
    }

    // Plays `anzahl` seasons of the world built in `welt`; checks every day and every season.
    // With `staerken` the players' strength too (below): a world of a few dozen clubs has too
    // few in each age bracket, and its top tier buys the best of the tiers below.
    // With `geld` the median club's balance of each season, as a share of the start's, goes there
    // and is not held to its band here (`mehrere_historien`).
    void spielen(int32_t anzahl, bool staerken = false, std::vector<double>* geld = nullptr)
    {
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (welt / "config_files").c_str());
        ASSERT_TRUE(Spielstart_Neues_Spiel());
        for (int32_t t = 0; t < Team_Anzahl; ++t)
            if (Team_Hat_Manager(t)) Team_Wert(TEAM_FLAGS, t, 8, TEAM_LOESCHEN);
        const Welt_Bilanz start = Welt_Bilanz_Zaehlen();
        std::printf("Saison 0: %s\n", Welt_Bilanz_Zeile(start).c_str());
        for (const Welt_Stufe& s : Welt_Bilanz_Stufen()) std::printf("  %s\n", Welt_Stufe_Zeile(s).c_str());
        const int32_t jugend_start = jugend().n;
        Welt_Spieler_Stand vorjahr = Welt_Spieler_Merken();
        Welt_Entwicklung jahre;  // the seasons' changes together
        Welt_Bilanz erste = start;
        int64_t erstes_geld = start.geld_median;
        ASSERT_GT(start.geld_median, 0);
        ASSERT_GE(start.kleinster_kader, WELT_KADER_MINIMUM);
        ASSERT_EQ(start.ohne_verein, 0) << "Spieler " << start.erster_ohne_verein << " Status "
                                        << Spieler_Wert(SP_STATUS, start.erster_ohne_verein, 0, SP_LESEN) << " System "
                                        << Spieler_Egal_Daten[start.erster_ohne_verein].heimatsystem << " von " << Spieler_Anzahl;
        std::map<int32_t, int32_t> negativ_in_folge;  // per league level: seasons its median was negative
        int32_t saison = 0, tag = Aktueller_Tag, schlechte_tage = 0;
        int64_t schritte = 0;
        while (saison < anzahl) {
            Ablauf_Schritt();
            ASSERT_LT(++schritte, 400000000) << "der Tag " << Aktueller_Tag << " endet nicht";
            if (Aktueller_Tag == tag) continue;
            tag = Aktueller_Tag;
            const Welt_Bilanz b = Welt_Bilanz_Zaehlen();
            // one message per bad day, at most a few, so that a broken world does not flood the log
            if ((b.kleinster_kader < WELT_KADER_MINIMUM || b.ohne_verein != 0 || b.geld_summe <= 0) && ++schlechte_tage <= 5)
                ADD_FAILURE() << "Tag " << tag << ": " << Welt_Bilanz_Zeile(b) << " (Verein " << b.kleinster_verein
                              << ", ohne Verein Spieler " << b.erster_ohne_verein << ")";
            const Kalender_Datum d = Kalender_Get_Datum(tag, 0);
            if (d.monat != 7 || d.tag != 1) continue;
            ++saison;
            std::printf("Saison %d: %s\n", saison, Welt_Bilanz_Zeile(b).c_str());
            for (const Welt_Stufe& s : Welt_Bilanz_Stufen()) std::printf("  %s\n", Welt_Stufe_Zeile(s).c_str());
            const Welt_Spieler_Stand stand = Welt_Spieler_Merken();
            const Welt_Entwicklung jahr = Welt_Entwicklung_Zaehlen(vorjahr, stand);
            vorjahr = stand;
            std::printf("  Entwicklung: %s\n", Welt_Entwicklung_Zeile(jahr).c_str());
            // the youth team keeps its size, and its players leave it before they are 19
            const Jugend_Zahlen j = jugend();
            EXPECT_EQ(j.n, jugend_start) << "Saison " << saison;
            EXPECT_LT(j.aeltester, SP_JUGEND_AUSTRITT) << "Saison " << saison;
            speichern(saison);
            kategorien_zeigen();
            // A club starts with its first season tickets alone; a season brings the median club
            // about as much again as it spends (gate, boards and prizes against wages and works),
            // so its balance stays within half its start either way, and the clubs together never
            // owe more than they hold.
            // From then on the first season's 1 July is the measure (the first season brings the
            // boards' and the gate's whole year at once).
            if (geld) {
                geld->push_back(double(b.geld_median) / double(start.geld_median));
            } else {
                if (saison == 1) erstes_geld = b.geld_median;
                const int64_t mass = saison == 1 ? start.geld_median : erstes_geld;
                EXPECT_GE(b.geld_median, mass / 2) << "Saison " << saison;
                EXPECT_LE(b.geld_median, mass * 3 / 2) << "Saison " << saison;
            }
            EXPECT_GE(b.geld_summe, 0) << "Saison " << saison;
            // Players rise while young and fade past their best, so that the strength of the top
            // league's elevens holds its level season after season and the oldest are weaker
            // than the players at their peak.
            if (staerken) {
                EXPECT_LE(std::abs(b.elf_staerke - start.elf_staerke) * 100, start.elf_staerke * 3) << "Saison " << saison;
                EXPECT_LT(b.staerke_alter[3], b.staerke_alter[2]) << "Saison " << saison;
                for (int32_t a = 0; a <= WELT_ALTER_MAX; ++a) {
                    jahre.summe[a] += jahr.summe[a];
                    jahre.anzahl[a] += jahr.anzahl[a];
                }
                EXPECT_LT(jahr.mittel(32, WELT_ALTER_MAX), 0.0) << "Saison " << saison;
                // The best grow no more than the rest: the top percent stays within 5 % of the
                // start; the best hundred, joined in the first season by some stronger men from
                // the market, rise no further than 5 % above that season and never far above
                // the start, nor fall below it by more than 5 %.
                if (saison == 1) erste = b;
                EXPECT_LE(std::abs(b.perzentil_99 - start.perzentil_99) * 100, start.perzentil_99 * 5) << "Saison " << saison;
                EXPECT_LE(b.beste_100 * 100, erste.beste_100 * 105) << "Saison " << saison;
                EXPECT_LE(b.beste_100 * 100, start.beste_100 * 112) << "Saison " << saison;
                EXPECT_GE(b.beste_100 * 100, start.beste_100 * 95) << "Saison " << saison;
            }
            // No club signs a man past his best for years. The contracts the world starts with
            // run four years at most: two seasons on, none has more than two years left.
            if (saison >= 2) {
                EXPECT_EQ(b.alte_lange_vertraege, 0) << "Saison " << saison;
            }
            // Debt stays the exception: a few clubs at most, and no tier whose median club owes
            // money season after season.
            EXPECT_LE(b.vereine_im_minus * 100, b.vereine * 15) << "Saison " << saison;
            for (const Welt_Stufe& s : Welt_Bilanz_Stufen()) {
                int32_t& n = negativ_in_folge[s.niveau];
                n = s.geld_median < 0 ? n + 1 : 0;
                EXPECT_LT(n, 3) << "Niveau " << s.niveau << " Saison " << saison;
            }
        }
        EXPECT_EQ(schlechte_tage, 0);
        if (staerken) {
            std::printf("Entwicklung aller Saisons: %s\n", Welt_Entwicklung_Zeile(jahre).c_str());
            alterskurve_pruefen(jahre);
        }
    }

    // The same players a season on, by their age a season before, over all seasons played: the
    // young grow (still at 24-26), men in their late twenties hold their level, and from 32 on
    // they fade. A single season swings by a few points either way with the leagues' regulation.
    static void alterskurve_pruefen(const Welt_Entwicklung& jahre)
    {
        ASSERT_GT(jahre.gezaehlt(27, 30), 0);
        EXPECT_GT(jahre.mittel(24, 26), 0.0);
        for (int32_t alter = 27; alter <= 30; ++alter) EXPECT_LE(std::abs(jahre.mittel(alter, alter)), 4.0) << "Alter " << alter;
        EXPECT_LT(jahre.mittel(32, WELT_ALTER_MAX), 0.0);
    }

    // Histories 1-3 of the world (random starts 1-3), each checked whole as `spielen` checks
    // one; DORVIN_HISTORIE=N plays the Nth alone (to run them side by side).
    void drei_historien(int32_t anzahl, bool staerken)
    {
        const char* nur = std::getenv("DORVIN_HISTORIE");
        const int32_t einzige = nur ? std::atoi(nur) : 0;
        bool erste = true;
        for (int32_t h = 1; h <= 3; ++h) {
            if (einzige > 0 && h != einzige) continue;
            if (!erste) {
                TearDown();
                SetUp();
            }
            erste = false;
            Zufall_Set_Seed(h);
            std::printf("Historie %d\n", h);
            spielen(anzahl, staerken);
            if (HasFatalFailure()) return;
        }
    }

    // Three histories of the world (three random starts), each checked as `spielen` checks one;
    // the median club's balance held to its band in the middle history of each season. A world
    // of a few dozen clubs swings by a tenth of its start from one history to the next in its
    // first season, where the median club's balance stands near the top of its band.
    void mehrere_historien(int32_t anzahl)
    {
        std::vector<double> geld[3];
        for (int32_t h = 0; h < 3; ++h) {
            if (h > 0) {
                TearDown();
                SetUp();
                Zufall_Set_Seed(h);
            }
            std::printf("Historie %d\n", h + 1);
            spielen(anzahl, false, &geld[h]);
            if (HasFatalFailure()) return;
        }
        for (size_t k = 0; k < geld[0].size() && k < geld[1].size() && k < geld[2].size(); ++k) {
            double v[3] = {geld[0][k], geld[1][k], geld[2][k]};
            std::sort(v, v + 3);
            std::printf("Saison %zu: Median-Verein %.3f (%.3f bis %.3f) des Starts\n", k + 1, v[1], v[0], v[2]);
            EXPECT_GE(v[1], 0.5) << "Saison " << k + 1;
            EXPECT_LE(v[1], 1.5) << "Saison " << k + 1;
        }
    }
};

TEST_F(Welt_Saisons, DefaultWorldKeepsItsSquadsAndItsMoney)
{
    welt_bauen("welt_saisons", {"welt", "wettbewerbe"});
    drei_historien(saisons(), true);
}

// The large world, as many seasons as the default one: `make test-saisons` runs ten of each.
TEST_F(Welt_Saisons, DISABLED_LargeWorldKeepsItsSquadsAndItsMoney)
{
    welt_bauen("welt_saisons_gross", {"welt --world large", "wettbewerbe --world large"});
    drei_historien(saisons(), true);
}

// The small world of the match tests: leagues of six to eight clubs, so a third of the default
// world's home games a season, held to the same bands (its money in the middle of three histories).
TEST_F(Welt_Saisons, SmallWorldKeepsItsSquadsAndItsMoney)
{
    welt_bauen("welt_saisons_klein", {"welt --world small", "wettbewerbe --world small"});
    mehrere_historien(saisons());
}

}  // namespace
