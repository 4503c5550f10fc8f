// A managed club does as well on the pitch as the computer does with it: the default club of
// new games on several seeds plays its league games on the pitch, once managed by a passive
// manager (he only fills the gaps in his eleven) and once run by the computer. The managed club's
// points a game must come within a tenth of the computer's over a whole season on 12 seeds (a
// few games each are far too few: their points swing by a third with any change of the draws).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "match/spieltag_welt.h"

namespace {

struct Bilanz {
    int32_t spiele = 0, punkte = 0, tore = 0, gegentore = 0;
    double je_spiel() const { return spiele > 0 ? double(punkte) / spiele : 0.0; }
};

class Spielfeld_Fairness : public Spieltag_Welt_Eigenes_Spiel {
protected:
    // The default club's league games of its first season of a new game on `seed`, on the pitch.
    Bilanz spielen(int32_t seed, bool gemanagt)
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
        if (!gemanagt) Manager_Mitspieler_Killen(verein);
        spielfeld_spieltag::auf_den_platz(verein);
        int64_t schritte = 0;
        while (Aktueller_Tag < 365) {
            Ablauf_Schritt();
            if (++schritte > 40000000) {
                ADD_FAILURE() << "Tag " << Aktueller_Tag << " endet nicht, Seed " << seed;
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
                if (r && gemanagt && !Team_Hat_Manager(s ? m->heim : m->gast)) {
                    EXPECT_EQ(r->einsatz[s], r->einsatz[1 - s]);
                }
                const int32_t eigene = m->heim == verein ? m->heim_tore : m->gast_tore;
                const int32_t andere = m->heim == verein ? m->gast_tore : m->heim_tore;
                ++b.spiele;
                b.tore += eigene;
                b.gegentore += andere;
                b.punkte += eigene > andere ? 3 : eigene == andere ? 1 : 0;
            });
            Ablauf_Schritt();
        }
        EXPECT_GT(b.spiele, 0) << "Seed " << seed;
        return b;
    }

    // Both cases over the seeds; the managed club's points a game within `spanne` of the computer's.
    void vergleichen(int32_t seeds, double spanne)
    {
        Bilanz summe[2];
        for (int32_t seed = 1; seed <= seeds; ++seed)
            for (int32_t fall = 0; fall < 2; ++fall) {
                if (seed > 1 || fall > 0) {
                    TearDown();
                    SetUp();
                }
                const Bilanz b = spielen(seed, fall == 0);
                std::printf("Seed %2d %-9s %2d Spiele %3d:%-3d %3d Punkte\n", seed, fall == 0 ? "gemanagt" : "Computer", b.spiele,
                            b.tore, b.gegentore, b.punkte);
                summe[fall].spiele += b.spiele;
                summe[fall].punkte += b.punkte;
                summe[fall].tore += b.tore;
                summe[fall].gegentore += b.gegentore;
            }
        const double gemanagt = summe[0].je_spiel(), computer = summe[1].je_spiel();
        std::printf("gemanagt %.2f Punkte je Spiel (%d:%d), Computer %.2f (%d:%d)\n", gemanagt, summe[0].tore,
                    summe[0].gegentore, computer, summe[1].tore, summe[1].gegentore);
        ASSERT_GT(computer, 0.0);
        EXPECT_GE(gemanagt, computer * (1.0 - spanne));
    }
};

TEST_F(Spielfeld_Fairness, AManagedClubTakesTheComputersPointsOverASeason) { vergleichen(12, 0.10); }

}  // namespace
