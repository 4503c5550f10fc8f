// A managed club does as well on the pitch as the computer does with it: the default club of
// new games of the default world on 12 seeds plays its first 22 league games (of 34) on the
// pitch, in three cases: managed by a manager who hands the line-up task to his assistant (as
// every computer club has one), managed by a passive manager (he only fills the gaps in his
// eleven), and run by the computer. A few games each are far too few: their points swing by a
// third with any change of the draws. The whole season of the three cases would take beyond a
// minute and a quarter; 22 games a seed keep the run near three quarters of a minute.
//
// Both managed cases must come within a tenth of the computer's points a game. With the line-up
// task handed over the managed club stands where the computer's does, so anything that set it
// apart (effort, substitutions, readiness, bonus) would be a hidden handicap. The passive manager
// keeps his formation while the computer's line-up assistant picks one for the fit players every
// match day; over a season that must not cost him more than a tenth either (a lower effort and no
// substitutions for a managed side once cost about half the points, no substitutions alone about
// a seventh).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "database/personal_anheuern.h"
#include "match/spieltag_welt.h"
#include "toolkit/requester.h"

namespace {

struct Bilanz {
    int32_t spiele = 0, punkte = 0, tore = 0, gegentore = 0;
    double je_spiel() const { return spiele > 0 ? double(punkte) / spiele : 0.0; }
    void dazu(const Bilanz& b)
    {
        spiele += b.spiele;
        punkte += b.punkte;
        tore += b.tore;
        gegentore += b.gegentore;
    }
};

enum Fall { MIT_ASSISTENT, PASSIV, COMPUTER, FAELLE };
constexpr const char* FALL_NAME[FAELLE] = {"Assistent", "passiv", "Computer"};

// The club's games in the fixtures of its league: the whole season.
int32_t liga_spiele(int32_t verein)
{
    const int32_t block = Wettbewerb_Get_Spiele_Block(Wettbewerb_Get_Team_Wettbewerb(verein, 1));
    int32_t n = 0;
    for (int32_t i = 0; i < Spiele_Get_Anzahl_Spiele(block); ++i) {
        const int32_t h = Spiele_Lock_Index(block, i);
        if (!h) continue;
        const Spiele_Spiel* s = Spiele_Get_Spiel(h, 1);
        if (s && (s->heim == verein || s->gast == verein)) ++n;
        Spiele_Unlock(h);
    }
    return n;
}

// The manager hands the line-up task to his assistant, as on his staff screen.
void aufstellung_an_assistent(int32_t verein)
{
    const int32_t vorher = Aktuelles_Team;
    Aktuelles_Team = verein;
    Menue_Requester_Set_Anzeige([](int32_t, int32_t, const char*, const char*, const char*) -> uint8_t { return 1; });
    for (int32_t slot = 0; slot < ASSI_SLOTS && Assistent_Mit_Aufgabe(verein, 0) < 0; ++slot)
        Personal_Assi_Aufgabe_Wechseln(0, slot);
    Menue_Requester_Set_Anzeige(nullptr);
    Aktuelles_Team = vorher;
}

// The default world: its first league plays a season of 34 match days.
class Spielfeld_Fairness : public Spieltag_Welt_Eigenes_Spiel {
protected:
    static void SetUpTestSuite()
    {
        welt = Test_Welt_Bauen("fairness", {"welt", "wettbewerbe"});
        neues_spiel = false;
    }
    // The default club's first `hoechstens` league games of its first season of a new game on
    // `seed` (all of them when the season is shorter), on the pitch.
    Bilanz spielen(int32_t seed, Fall fall, int32_t hoechstens)
    {
        Bilanz b;
        Zufall_Set_Seed(seed);
        if (!Spielstart_Neues_Spiel()) {
            ADD_FAILURE() << "kein neues Spiel, Seed " << seed;
            return b;
        }
        int32_t verein = -1;
        for (int32_t t = 0; t < Team_Anzahl && verein < 0; ++t)
            if (Team_Hat_Manager(t)) verein = t;
        if (verein < 0) {
            ADD_FAILURE() << "kein Verein, Seed " << seed;
            return b;
        }
        Team_Wert(TEAM_FLAGS, verein, 8, TEAM_LOESCHEN);
        if (fall == COMPUTER) Manager_Mitspieler_Killen(verein);
        if (fall == MIT_ASSISTENT) {
            aufstellung_an_assistent(verein);
            EXPECT_GE(Assistent_Mit_Aufgabe(verein, 0), 0) << "kein Assistent für die Aufstellung, Seed " << seed;
        }
        if (fall == PASSIV) {
            EXPECT_LT(Assistent_Mit_Aufgabe(verein, 0), 0) << "Seed " << seed;
        }
        spielfeld_spieltag::auf_den_platz(verein);
        // Known once the league's fixtures are drawn, at the latest on its first match day.
        int32_t saison = -1;
        int64_t schritte = 0;
        while (saison < 0 || b.spiele < std::min(saison, hoechstens)) {
            Ablauf_Schritt();
            if (++schritte > 80000000 || Aktueller_Tag > 2 * 365) {
                ADD_FAILURE() << "Saison endet nicht (Tag " << Aktueller_Tag << ", " << b.spiele << " von " << saison
                              << " Spielen), Seed " << seed;
                return b;
            }
            if (Ablauf_Zustand != ABLAUF_SPIELTAG_SCHLIESSEN) continue;
            spielfeld_spieltag::jedes_spiel([&](int32_t c, int32_t g) {
                const Wettbewerb_Info* info = Wettbewerb_Get_Info(c);
                const Spiele_Spiel* m = Spiele_Get_Spiel(g, 1);
                if (!info || !info->basisliga || !m || (m->heim != verein && m->gast != verein)) return;
                const Spielfeld_Record* r = Spielfeld_Get_Spiel(g);
                EXPECT_TRUE(r && r->aktiv) << "Spiel " << g << " nicht auf dem Platz";
                // His slider untouched, the manager's side plays at the computer's effort.
                const int32_t s = m->heim == verein ? 0 : 1;
                if (r && fall != COMPUTER && !Team_Hat_Manager(s ? m->heim : m->gast)) {
                    EXPECT_EQ(r->einsatz[s], r->einsatz[1 - s]);
                }
                const int32_t eigene = m->heim == verein ? m->heim_tore : m->gast_tore;
                const int32_t andere = m->heim == verein ? m->gast_tore : m->heim_tore;
                ++b.spiele;
                b.tore += eigene;
                b.gegentore += andere;
                b.punkte += eigene > andere ? 3 : eigene == andere ? 1 : 0;
            });
            if (saison < 0 && b.spiele > 0) saison = liga_spiele(verein);
            Ablauf_Schritt();
        }
        EXPECT_GT(b.spiele, 0) << "Seed " << seed;
        return b;
    }

    // The three cases over the seeds, with their sums.
    void spielen(int32_t seeds, int32_t hoechstens, Bilanz* summe)
    {
        for (int32_t seed = 1; seed <= seeds; ++seed)
            for (int32_t fall = 0; fall < FAELLE; ++fall) {
                if (seed > 1 || fall > 0) {
                    TearDown();
                    SetUp();
                }
                const Bilanz b = spielen(seed, Fall(fall), hoechstens);
                std::printf("Seed %2d %-9s %2d Spiele %3d:%-3d %3d Punkte\n", seed, FALL_NAME[fall], b.spiele, b.tore,
                            b.gegentore, b.punkte);
                summe[fall].dazu(b);
            }
        for (int32_t fall = 0; fall < FAELLE; ++fall)
            std::printf("%-9s %.2f Punkte je Spiel (%d:%d, %d Spiele)\n", FALL_NAME[fall], summe[fall].je_spiel(),
                        summe[fall].tore, summe[fall].gegentore, summe[fall].spiele);
    }
};

TEST_F(Spielfeld_Fairness, AManagedClubTakesTheComputersPointsWithOrWithoutALineUpAssistant)
{
    Bilanz summe[FAELLE];
    spielen(12, 22, summe);
    const double computer = summe[COMPUTER].je_spiel();
    ASSERT_GT(computer, 0.0);
    EXPECT_GE(summe[MIT_ASSISTENT].je_spiel(), computer * 0.9);
    EXPECT_GE(summe[PASSIV].je_spiel(), computer * 0.9);
}

}  // namespace
