// Strength counts on the pitch: half the clubs of every league get strong players and half weak
// ones, and every league game is played on the pitch. Over the first match days the strong clubs
// must take far more of the points in their games against the weak ones, and score far more,
// whichever of them plays at home.
#include <gtest/gtest.h>

#include <vector>

#include "match/pitch/spielfeld_spieler.h"
#include "match/spieltag_welt.h"

namespace {

class Spielfeld_Staerke_Zaehlt : public Spieltag_Welt {
protected:
    struct Bilanz {
        int32_t spiele = 0, punkte = 0, gegenpunkte = 0, tore = 0, gegentore = 0, heim = 0;
    };

    // The clubs of every league, by their numbers two strong at `stark` percent of each value's
    // maximum, two weak at `schwach` and so on; then league match days on the pitch until `spiele`
    // games between a strong and a weak club are played, seen from the strong side.
    Bilanz spielen(int32_t stark, int32_t schwach, int32_t spiele)
    {
        Bilanz b;
        std::vector<int8_t> starke(size_t(Team_Anzahl), -1);
        for (int32_t t = 0; t < Team_Anzahl; ++t)
            if (Team_Ist_Normal(t, 0) && Team_Wert(TEAM_LIGA, t, 0, TEAM_LESEN) >= 0) {
                starke[size_t(t)] = int8_t(t % 4 < 2);
                Spieler_Werte_Prozent_Setzen(t, t % 4 < 2 ? stark : schwach);
                spielfeld_spieltag::auf_den_platz(t);
            }
        for (int32_t tag = 0; b.spiele < spiele; ++tag) {
            if (!spielfeld_spieltag::bis(ABLAUF_SPIELTAG_SCHLIESSEN, 4000000) || Aktueller_Tag > 400) {
                ADD_FAILURE() << "Spieltag " << tag + 1 << " endet nicht";
                return b;
            }
            spielfeld_spieltag::jedes_spiel([&](int32_t c, int32_t g) {
                const Wettbewerb_Info* info = Wettbewerb_Get_Info(c);
                const Spiele_Spiel* m = Spiele_Get_Spiel(g, 1);
                if (!info || !info->basisliga || !m) return;
                if (int32_t(m->heim) >= Team_Anzahl || int32_t(m->gast) >= Team_Anzahl) return;
                const int8_t sh = starke[size_t(m->heim)], sg = starke[size_t(m->gast)];
                if (sh < 0 || sg < 0 || sh == sg) return;
                const Spielfeld_Record* r = Spielfeld_Get_Spiel(g);
                EXPECT_TRUE(r && r->aktiv) << "Spiel " << g << " nicht auf dem Platz";
                const bool heim = sh == 1;
                const int32_t eigene = heim ? m->heim_tore : m->gast_tore;
                const int32_t andere = heim ? m->gast_tore : m->heim_tore;
                ++b.spiele;
                b.heim += heim;
                b.tore += eigene;
                b.gegentore += andere;
                b.punkte += eigene > andere ? 3 : eigene == andere ? 1 : 0;
                b.gegenpunkte += andere > eigene ? 3 : eigene == andere ? 1 : 0;
            });
            Ablauf_Schritt();
        }
        return b;
    }
};

TEST_F(Spielfeld_Staerke_Zaehlt, StrongClubsBeatWeakOnesOnThePitchHomeAndAway)
{
    const Bilanz b = spielen(80, 35, 24);
    ASSERT_GE(b.spiele, 24);
    // The strong side plays at home about as often as away, so the home right decides nothing here.
    EXPECT_GT(b.heim, 0);
    EXPECT_LT(b.heim, b.spiele);
    // Far better players make far more of their chances and give far fewer away: three times the
    // points and three times the goals (with shooting, vision and reflexes counting little, the
    // strong sides scored barely twice as many).
    EXPECT_GE(b.punkte, 3 * b.gegenpunkte) << b.spiele << " Spiele, Tore " << b.tore << ":" << b.gegentore;
    EXPECT_GE(b.tore, 3 * b.gegentore) << b.spiele << " Spiele, Punkte " << b.punkte << ":" << b.gegenpunkte;
}

}  // namespace
