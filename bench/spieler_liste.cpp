// The line-up screen's player lists over the default world: the right-hand list with one active
// search slot (every player of every club through the search test, at most 200 entries with
// colour values; goal under 5 ms on one core) and the own squad of 30 with colour sorting and
// the column layout of four extra columns (goal under 1 ms), and that squad's entry texts as the
// line-up screen draws them.
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
#include "screens/spieler_liste.h"

namespace {

[[noreturn]] void scheitern(const std::string& text) { Bench_Scheitern("spieler_liste", text); }

struct Welt {
    Bench_Welt_Ordner daten{"spieler_liste", {"welt"}};
    int32_t team = -1;
    Welt()
    {
        Zufall(0, 1);
        Zufall_Set_Seed(41);
        if (!Team(0) || !Spieler(0)) scheitern("Welt nicht ladbar");
        Netz_Rolle = 3;
        Highscore_Init();
        Teamspieler_Init_Listen();
        Bench_Startkader_Zuordnen();
        for (int32_t t = 0; t < Team_Anzahl && team < 0; ++t)
            if (t != Transfermarkt_Team && t != Jugend_Team && Team_Wert(TEAM_SPIELERANZAHL, t, 0, 0) >= 20) team = t;
        if (team < 0) scheitern("kein Verein mit Kader");
        Manager_Neuer_Mitspieler(team, "Bench");
        Aktuelles_Team = Handelndes_Team = team;
        // 30 players in the own squad
        for (int32_t p = 0; Team_Wert(TEAM_SPIELERANZAHL, team, 0, 0) < 30 && p < Spieler_Anzahl; ++p)
            if (Teamspieler_Ist_Im_Team(Transfermarkt_Team, p) >= 0) Teamspieler_Kommt_Oder_Geht(1, team, p, 10, 0, 24, -1, false);
        // all leagues and the market; one midfield slot: ages 20-28, strength 500-999
        Manager_Icon_Button_An_Aus(team, 1353, 1);
        Manager_Icon_Button_An_Aus(team, 1354, 1);
        Manager_Icon_Word_Data_Schreiben(team, 1354, 0xFFFF);
        Team_Transfersuche& s = T_Own[team].suche;
        s = {};
        s.alter_min[0] = 20, s.alter_max[0] = 28, s.staerke_min[0] = 500, s.staerke_max[0] = 999;
        s.zelle_a[0] = 10 * 17 + 4, s.zelle_b[0] = 17 * 17 + 12, s.aktiv[0] = 1;
        // colour sorting by the nine visible attributes, form and salary
        for (int32_t icon : {1241, 1333}) {
            Manager_Icon_Button_An_Aus(team, icon, 0x1FF);
            Manager_Icon_Word_Data_Schreiben(team, icon, uint16_t((FARBE_FORM | FARBE_GEHALT) >> 16));
        }
    }
};

Welt& welt()
{
    static Welt w;
    return w;
}

void BM_Rechte_Liste_Suche(benchmark::State& state)
{
    welt();
    std::vector<Spieler_Listen_Eintrag> e;
    for (auto _ : state) {
        Spieler_Einsetzen_Liste_Bauen(2, &e);
        benchmark::DoNotOptimize(e.data());
    }
    state.counters["eintraege"] = double(e.size());
    state.counters["spieler"] = double(Spieler_Anzahl);
}
BENCHMARK(BM_Rechte_Liste_Suche)->Unit(benchmark::kMillisecond);

// A slot so narrow that the list never fills: every player of the world is tested.
void BM_Rechte_Liste_Ganze_Welt(benchmark::State& state)
{
    Welt& w = welt();
    Team_Transfersuche& s = T_Own[w.team].suche;
    const Team_Transfersuche alt = s;
    s.staerke_min[0] = 990;
    std::vector<Spieler_Listen_Eintrag> e;
    for (auto _ : state) {
        Spieler_Einsetzen_Liste_Bauen(2, &e);
        benchmark::DoNotOptimize(e.data());
    }
    s = alt;
    state.counters["eintraege"] = double(e.size());
}
BENCHMARK(BM_Rechte_Liste_Ganze_Welt)->Unit(benchmark::kMillisecond);

void BM_Kaderliste_Farben_Spalten(benchmark::State& state)
{
    welt();
    std::vector<Spieler_Listen_Eintrag> e;
    const int32_t breiten[4] = {34, 40, 28, 52};
    int32_t zeilen[4];
    for (auto _ : state) {
        Spieler_Einsetzen_Liste_Bauen(0, &e);
        for (size_t i = 0; i < e.size(); ++i) benchmark::DoNotOptimize(Spieler_Einsetzen_Spalten_Umbrechen(50, breiten, 4, zeilen));
        benchmark::DoNotOptimize(e.data());
    }
    state.counters["eintraege"] = double(e.size());
}
BENCHMARK(BM_Kaderliste_Farben_Spalten)->Unit(benchmark::kMicrosecond);

// The own squad's entry texts as the line-up screen draws them after a change: the list built,
// four extra columns measured once, each entry's name with its marks and the columns laid out.
void BM_Kaderliste_Eintragstexte(benchmark::State& state)
{
    const Welt& w = welt();
    for (int32_t spalte : {1, 18, 20, 26})
        if (!(Spieler_Einsetzen_Spalten(0) & (1u << spalte))) Spieler_Einsetzen_Anzeige_Gewaehlt(0, 0, spalte, 0);
    std::vector<Spieler_Listen_Eintrag> e;
    int32_t breiten[30];
    char text[1024];
    for (auto _ : state) {
        Spieler_Einsetzen_Liste_Bauen(0, &e);
        Spieler_Einsetzen_Set_View_Text_Max_Breite(0, e, breiten);
        for (const Spieler_Listen_Eintrag& x : e) {
            Spieler_Einsetzen_Eintrag_Text(0, w.team, x.spnr, breiten, text, sizeof text);
            benchmark::DoNotOptimize(text[0]);
        }
    }
    state.counters["eintraege"] = double(e.size());
}
BENCHMARK(BM_Kaderliste_Eintragstexte)->Unit(benchmark::kMicrosecond);

}  // namespace
