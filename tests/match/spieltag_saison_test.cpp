// A season of the generated default world's match days, every game in the background: goals,
// cards, the home side's share, shoot-outs only where a tie needs one, and every day ends.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "competitions/spiele_karten.h"
#include "match/spieltag_welt.h"

namespace {

struct Zahlen {
    int32_t ligaspiele = 0, tore = 0, karten = 0, rote = 0, gelbrote = 0, heimkarten = 0, ohne_sperre = 0;
    int32_t gleich_tore = 0, gleich_heimtore = 0;
    int32_t elfmeterschiessen = 0, tage = 0;
    bool ok = true;
    std::string warum;
};

class Spieltag_Saison : public Spieltag_Welt {
protected:
    static void SetUpTestSuite()
    {
        welt = Test_Welt_Bauen("saison", {"welt", "wettbewerbe"});
        neues_spiel = false;
    }
    static void TearDownTestSuite()
    {
        Spieltag_Welt::TearDownTestSuite();
        neues_spiel = true;
    }

    // Plays the season's days in `rolle`, counting each day's games before it is closed.
    static Zahlen saison(uint32_t rolle)
    {
        Zahlen z;
        if (!Spielstart_Neues_Spiel()) {
            z.ok = false;
            z.warum = "kein neues Spiel";
            return z;
        }
        Netz_Rolle = rolle;
        int64_t schritte = 0;
        while (Aktueller_Tag < 365) {
            Ablauf_Schritt();
            // No day may hang: a day of 200 games runs about 6,500 frames.
            if (++schritte > 40000000) {
                z.ok = false;
                z.warum = "der Tag endet nicht";
                return z;
            }
            if (Ablauf_Zustand != ABLAUF_SPIELTAG_SCHLIESSEN) continue;
            ++z.tage;
            int32_t ids[64];
            const int32_t n = Spieltag_Get_Wettbewerbe(ids, 64);
            for (int32_t i = 0; i < n; ++i) {
                const Wettbewerb_Info* info = Wettbewerb_Get_Info(ids[i]);
                const bool liga = info && info->basisliga;
                const bool ko = info && (info->modus & KO_SYSTEM);
                int32_t spiele[SPIELTAG_TAGESLISTE];
                if (!Spieltag_Get_Spiele(ids[i], spiele)) continue;
                for (int32_t k = 1; k <= spiele[0]; ++k) {
                    const int32_t g = spiele[k];
                    const Spiele_Spiel m = *Spiele_Get_Spiel(g, 1);
                    if (m.ergebnis_art & SPIELE_ART_NE) {
                        ++z.elfmeterschiessen;
                        // Only a tie decides by penalties, and it is decided (over both legs: a second
                        // leg may end level with its shoot-out goals).
                        if (!ko || Wettbewerb_Get_Paarung_Sieger(ids[i], m.runde, m.slot, -1) < 0) {
                            z.ok = false;
                            z.warum += " Elfmeterschießen in Spiel " + std::to_string(g) + " (" + std::to_string(ids[i]) + ") " +
                                       std::to_string(info ? info->modus : -1) + " " + std::to_string(m.heim_tore) + ":" +
                                       std::to_string(m.gast_tore) + " art " + std::to_string(m.ergebnis_art) + " tag " +
                                       std::to_string(Aktueller_Tag);
                        }
                    }
                    if (!liga) continue;
                    ++z.ligaspiele;
                    z.tore += m.heim_tore + m.gast_tore;
                    Spiele_Ereignis_Info e;
                    for (bool da = Spiele_Get_Erstes_Ereignis(g, &e); da; da = Spiele_Get_Naechstes_Ereignis(&e)) {
                        if (!(e.flags & (SPE_GELB | SPE_GELBROT | SPE_ROT))) continue;
                        ++z.karten;
                        if (e.flags & SPE_HEIM) ++z.heimkarten;
                        if (e.flags & SPE_ROT) ++z.rote;
                        if (!(e.flags & SPE_GELBROT)) continue;
                        ++z.gelbrote;
                        // The second yellow card bans him from the competition's next game.
                        if (!(Spiele_Get_Wettbewerb_Ereignis(ids[i], KARTE_SPERRE, -1, e.spieler_1, -1, -1) & 64)) ++z.ohne_sperre;
                    }
                    const Spielfeld_Record* r = Spielfeld_Get_Spiel(g);
                    if (r && r->staerke[0] == r->staerke[1]) {
                        z.gleich_tore += m.heim_tore + m.gast_tore;
                        z.gleich_heimtore += m.heim_tore;
                    }
                }
            }
            Ablauf_Schritt();
        }
        return z;
    }
};

TEST_F(Spieltag_Saison, ServerWithItsOwnClient)
{
    const Zahlen z = saison(3);
    ASSERT_TRUE(z.ok) << z.warum;
    ASSERT_GT(z.ligaspiele, 1000);
    const double tore = double(z.tore) / z.ligaspiele, karten = double(z.karten) / z.ligaspiele;
    std::printf("Rolle 3: %d Tage, %d Ligaspiele, %.3f Tore, %.3f Karten, %.3f rot, %.3f gelb-rot, Heimanteil %.3f (%d Tore), "
                "%d Elfmeterschießen\n",
                z.tage, z.ligaspiele, tore, karten, double(z.rote) / z.karten, double(z.gelbrote) / z.ligaspiele,
                double(z.gleich_heimtore) / z.gleich_tore, z.gleich_tore, z.elfmeterschiessen);
    EXPECT_GE(tore, 1.65);
    EXPECT_LE(tore, 1.9);
    EXPECT_NEAR(karten, 2.82, 0.1);
    EXPECT_NEAR(double(z.rote) / z.karten, 1.0 / 8, 0.03);
    // The side's draw follows the card's draw of 0 in 0..30, which leaves the generator low: the
    // side draw is 1 to 3, and only a 3 (some 22.5 % of them) books the home side. Some 3,000
    // cards: a standard error of under 0.01.
    EXPECT_NEAR(double(z.heimkarten) / z.karten, 0.225, 0.03);
    // A booked player's second card is yellow-red, with its ban.
    const double gelbrot = double(z.gelbrote) / z.ligaspiele;
    EXPECT_GE(gelbrot, 0.05);
    EXPECT_LE(gelbrot, 0.25);
    EXPECT_EQ(z.ohne_sperre, 0);
    // The season's cups see undecided ties go to penalties.
    EXPECT_GT(z.elfmeterschiessen, 0);
    // Some 800 goals: a standard error of about 0.02.
    EXPECT_NEAR(double(z.gleich_heimtore) / z.gleich_tore, 0.55, 0.06);
}

TEST_F(Spieltag_Saison, SinglePc)
{
    const Zahlen z = saison(0);
    ASSERT_TRUE(z.ok) << z.warum;
    ASSERT_GT(z.ligaspiele, 1000);
    const double tore = double(z.tore) / z.ligaspiele;
    std::printf("Rolle 0: %d Tage, %d Ligaspiele, %.3f Tore, %.3f Karten\n", z.tage, z.ligaspiele, tore,
                double(z.karten) / z.ligaspiele);
    EXPECT_GE(tore, 1.75);
    EXPECT_LE(tore, 1.95);
    EXPECT_GT(z.elfmeterschiessen, 0);
}

}  // namespace
