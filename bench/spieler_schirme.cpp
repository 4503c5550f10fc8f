// The player screens over the default world: one accepted change on the line-up screen (a room
// moved, the figures placed anew, the three lists rebuilt; goal under 2 ms on one core), the
// player tooltip (goal at least 100,000 a second) and a detail page with its curves and panel
// (goal under 2 ms).
//
// The world is built once per process and removed when it ends; a set-up that fails ends the run
// with status 1.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_welt.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "platform/zufall.h"
#include "screens/spieler_angebot.h"
#include "screens/spieler_detail.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_einsetzen_figuren.h"
#include "screens/spieler_hilfetext.h"
#include "screens/spieler_liste.h"

namespace {

[[noreturn]] void scheitern(const std::string& text) { Bench_Scheitern("spieler_schirme", text); }

struct Welt {
    Bench_Welt_Ordner daten{"spieler_schirme", {"welt"}};
    int32_t team = -1, gegner = -1;
    std::vector<int32_t> kader;
    void aufstellen(int32_t t);
    Welt()
    {
        Zufall(0, 1);
        Zufall_Set_Seed(42);
        if (!Team(0) || !Spieler(0)) scheitern("Welt nicht ladbar");
        Netz_Rolle = 3;
        Highscore_Init();
        Teamspieler_Init_Listen();
        Bench_Startkader_Zuordnen();
        for (int32_t t = 0; t < Team_Anzahl && gegner < 0; ++t) {
            if (t == Transfermarkt_Team || t == Jugend_Team || Team_Wert(TEAM_SPIELERANZAHL, t, 0, 0) < 18) continue;
            (team < 0 ? team : gegner) = t;
        }
        if (gegner < 0) scheitern("keine zwei Vereine mit Kader");
        Manager_Neuer_Mitspieler(team, "Bench");
        Manager_Init_Zusatzspieler_Struktur(team);
        Aktuelles_Team = Handelndes_Team = team;
        Anzeige_Gegner_Team = Gegner_Team = gegner;
        int32_t liste[500];
        for (int32_t t : {gegner, team}) {
            const int32_t n = Teamspieler_Ins_Array(t, liste, 500, 0);
            kader.assign(liste, liste + n);
            aufstellen(t);
        }
    }
};

// A goalkeeper and ten field players in two rows, each with a room of 3 x 3 cells.
void Welt::aufstellen(int32_t t)
{
    bool torwart = false;
    int32_t feld = 0;
    for (int32_t p : kader) {
        if (Teamspieler_Wert(317, t, p, 0, 0) & 0xFC0) continue;
        if (Spieler_Wert(SP_ART, p, 0, SP_LESEN) == 0) {
            if (torwart) continue;
            torwart = true;
            Teamspieler_Wert(317, t, p, TS_STARTELF, 8);
            Teamspieler_Wert(310, t, p, 459, 1);
            continue;
        }
        if (feld == 10) continue;
        const int32_t z = 6 + 8 * (feld / 5), sp = 2 + 3 * (feld % 5);
        Teamspieler_Wert(317, t, p, TS_STARTELF, 8);
        Teamspieler_Wert(310, t, p, z * 17 + sp, 1);
        Teamspieler_Wert(311, t, p, (z - 1) * 17 + sp - 1, 1);
        Teamspieler_Wert(312, t, p, (z + 1) * 17 + sp + 1, 1);
        Teamspieler_Wert(313, t, p, (z - 1) * 17 + sp, 1);
        Teamspieler_Wert(314, t, p, (z + 1) * 17 + sp, 1);
        ++feld;
    }
}

Welt& welt()
{
    static Welt w;
    return w;
}

int32_t feldspieler_auf_dem_platz(const Welt& w)
{
    for (int32_t p : w.kader)
        if ((Teamspieler_Wert(317, w.team, p, 0, 0) & TS_STARTELF) && Spieler_Wert(SP_ART, p, 0, SP_LESEN) != 0) return p;
    scheitern("kein Feldspieler eingesetzt");
}

void BM_Aufstellung_Aenderung(benchmark::State& state)
{
    Welt& w = welt();
    const int32_t p = feldspieler_auf_dem_platz(w);
    Spieler_Figur f[SPIELER_FIGUREN];
    std::vector<Spieler_Listen_Eintrag> listen[3];
    int32_t box[4], griffe[6][2];
    int32_t richtung = 1, figuren = 0;
    for (auto _ : state) {
        if (!Spieler_Einsetzen_Raum_Verschieben(p, 0, richtung)) richtung = -richtung;
        figuren = Spieler_Einsetzen_Figuren_Bauen(f);
        Spieler_Einsetzen_Griffe(p, griffe);
        Spieler_Einsetzen_Lieblingsbox(w.team, p, box);
        for (int32_t l = 0; l < 3; ++l) Spieler_Einsetzen_Liste_Bauen(l, &listen[l]);
        benchmark::DoNotOptimize(f);
        benchmark::DoNotOptimize(box);
    }
    state.counters["figuren"] = figuren;
}
BENCHMARK(BM_Aufstellung_Aenderung)->Unit(benchmark::kMicrosecond);

void BM_Hilfetext(benchmark::State& state)
{
    Welt& w = welt();
    size_t k = 0, laenge = 0;
    for (auto _ : state) {
        const char* t = Spieler_Screen_Hilfetext_Spieler(w.kader[k], w.team);
        laenge += std::char_traits<char>::length(t);
        if (++k == w.kader.size()) k = 0;
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
    benchmark::DoNotOptimize(laenge);
}
BENCHMARK(BM_Hilfetext);

void BM_Detailseite_Kurven(benchmark::State& state)
{
    Welt& w = welt();
    const int32_t p = feldspieler_auf_dem_platz(w);
    int32_t werte[6][52];
    std::vector<std::string> zeilen;
    char profil[6][120];
    for (auto _ : state) {
        Spieler_Detailseite_Oeffnen(w.team, p, 2, false);
        Spieler_Detail_Profil_Zeilen(w.team, p, profil);
        for (int32_t s = 0; s < 3; ++s) Spieler_Detail_Kurve(w.team, p, false, s * 4, werte[s]);
        for (int32_t s = 0; s < 3; ++s) Spieler_Detail_Kurve(w.team, p, true, s * 5, werte[3 + s]);
        Spieler_Info_Seite_Zeilen(w.team, p, 908, &zeilen);
        benchmark::DoNotOptimize(werte);
    }
    Spieler_Detailseite_Schliessen();
}
BENCHMARK(BM_Detailseite_Kurven)->Unit(benchmark::kMicrosecond);

}  // namespace
