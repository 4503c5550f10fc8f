// The clubs' weekly transfer search over the default world, and a day of the arbiter with 50
// auctions due (goals: under 3 ms and under 2 ms on one core).
//
// The world is built once per process and removed when it ends. A set-up that fails ends the
// run with status 1: a benchmark without a result must not pass as one.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "gameflow/news.h"
#include "bench_welt.h"
#include "platform/win95.h"
#include "platform/zufall.h"

namespace {

[[noreturn]] void scheitern(const std::string& text) { Bench_Scheitern("transfer", text); }

// Teams and players with their start squads and league systems, the competitions, and the
// clubs' own squad planning run once, so that a few hundred players are listed.
struct Welt {
    Bench_Welt_Ordner daten{"transfer", {"welt", "wettbewerbe"}};
    std::vector<Team_Transfersuche> suche;
    int32_t gelistet = 0;
    Welt()
    {
        Zufall(0, 1);
        Zufall_Set_Seed(1999);
        if (!Team(0) || !Spieler(0) || !Wettbewerb_Config_Lesen(0, 0)) scheitern("Welt nicht ladbar");
        Netz_Rolle = 2;
        News_Init();
        Richter_Init();
        Teamspieler_Init_Listen();
        std::vector<int32_t> systeme;
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            const int32_t* liste = nullptr;
            const int32_t n = Team_Get_Start_Spieler(t, &liste);
            for (int32_t i = 0; i < n; ++i) Teamspieler_Kommt_Oder_Geht(1, t, liste[i], 10, 0, 24, -1, false);
            if (!Team_Ist_Normal(t, 64)) continue;
            const int32_t liga = Wettbewerb_Get_Team_Wettbewerb(t, 1);
            const int32_t system = Wettbewerb_Hierarchie_Oben(liga);
            if (liga < 0 || system < 0 || system > 127) continue;
            Team_Wert(TEAM_LIGA_FEST, t, liga, TEAM_SCHREIBEN);
            Team_Wert(TEAM_OBERLIGA, t, system, TEAM_SCHREIBEN);
            systeme.push_back(system);
            int32_t spieler[TEAM_MAX_SPIELER + 1];
            const int32_t k = Teamspieler_Ins_Array(t, spieler, TEAM_MAX_SPIELER + 1, 0);
            for (int32_t i = 0; i < k; ++i) Spieler_Wert(SP_HEIMATSYSTEM, spieler[i], system, SP_SCHREIBEN);
        }
        if (systeme.empty()) scheitern("keine Ligasysteme");
        int32_t markt[TEAM_MAX_START_SPIELER];
        const int32_t m = Teamspieler_Ins_Array(Transfermarkt_Team, markt, TEAM_MAX_START_SPIELER, 0);
        for (int32_t i = 0; i < m; ++i) Spieler_Wert(SP_HEIMATSYSTEM, markt[i], systeme[size_t(i) % systeme.size()], SP_SCHREIBEN);
        for (int32_t t = 0; t < Team_Anzahl; ++t)
            if (Team_Ist_Normal(t, 0)) Assi_Suche_Analysiere_Grobes_Spielfeld(t);
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            suche.push_back(T_Own[t].suche);
            int32_t spieler[TEAM_MAX_SPIELER + 1];
            const int32_t k = t == Transfermarkt_Team ? 0 : Teamspieler_Ins_Array(t, spieler, TEAM_MAX_SPIELER + 1, 0);
            for (int32_t i = 0; i < k; ++i) gelistet += (Teamspieler_Wert(317, t, spieler[i], 0, 0) & TS_TRANSFERLISTE) != 0;
        }
    }
    void suche_zuruecksetzen() const
    {
        for (int32_t t = 0; t < Team_Anzahl; ++t) T_Own[t].suche = suche[size_t(t)];
    }
};

const Welt& welt()
{
    static Welt w;
    return w;
}

void zaehlen(benchmark::State& state)
{
    int32_t vereine = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t) vereine += Team_Ist_Normal(t, 0);
    state.counters["vereine"] = vereine;
    state.counters["teams"] = Team_Anzahl;
    state.counters["spieler"] = Spieler_Anzahl;
    state.counters["gelistet"] = welt().gelistet;
}

// The weekly pass: every club seller and buyer, from the same slots and an empty list each time.
void BM_Transfer_Suche_Woche(benchmark::State& state)
{
    const Welt& w = welt();
    int32_t angebote = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.suche_zuruecksetzen();
        Richter_Init();
        state.ResumeTiming();
        Richter_Spieler_Transfer_Marktplatz();
        state.PauseTiming();
        angebote = Liste_Count(&Richter_Liste);
        state.ResumeTiming();
    }
    state.counters["angebote"] = angebote;
    zaehlen(state);
}
BENCHMARK(BM_Transfer_Suche_Woche)->Unit(benchmark::kMillisecond);

// One day of the arbiter with 50 players due, three computer clubs bidding for each; the
// players go back to their clubs between the runs.
void BM_Richter_Tag_50_Auktionen(benchmark::State& state)
{
    welt();
    struct Fall {
        int32_t spnr, team;
    };
    std::vector<Fall> faelle;
    std::vector<int32_t> vereine;
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (Team_Ist_Normal(t, 0) && Team_Wert(TEAM_OBERLIGA, t, 0, TEAM_LESEN) >= 0) vereine.push_back(t);
    for (size_t i = 0; i < vereine.size() && faelle.size() < 50; i += 3) {
        int32_t spieler[TEAM_MAX_SPIELER + 1];
        const int32_t k = Teamspieler_Ins_Array(vereine[i], spieler, TEAM_MAX_SPIELER + 1, 0);
        if (k > 0) faelle.push_back({spieler[k / 2], vereine[i]});
    }
    if (faelle.size() < 50) scheitern("zu wenige Vereine");
    int32_t gewechselt = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Richter_Init();
        for (const Fall& f : faelle) {
            const int32_t jetzt = Teamspieler_Get_Team_Des_Spielers(f.team, f.spnr, -1) == f.team
                                      ? f.team
                                      : Teamspieler_Get_Team_Des_Spielers(-1, f.spnr, -1);
            if (jetzt != f.team && jetzt >= 0) {
                Teamspieler_Kommt_Oder_Geht(0, jetzt, f.spnr, 0, 0, 0, -1, false);
                Teamspieler_Kommt_Oder_Geht(1, f.team, f.spnr, 10, 0, 24, -1, false);
            }
            Spieler_Wert(SP_STATUS, f.spnr, SP_STATUS_WECHSEL, SP_LOESCHEN);
            Spieler_Wert(SP_ANGEBOTSWERT, f.spnr, 0, SP_SCHREIBEN);
            int32_t gehalt = 0, abloese = 0;
            Spieler_Bewerte_Marktwert_Gehalt(f.team, f.spnr, -1, -1, 24, &gehalt, &abloese, 1);
            for (int32_t b = 1; b <= 3; ++b) {
                const int32_t bieter = (f.team + b * 7) % Team_Anzahl;
                if (!Team_Ist_Normal(bieter, 0)) continue;
                Richter_Spieler_Angebot_Struktur_Erzeugen(bieter, f.team, f.spnr, abloese * (11 + b) / 10, 0,
                                                          gehalt * (12 + b) / 10, 24, 50);
            }
            Spieler_Wert(SP_ANGEBOTSZAEHLER, f.spnr, 0, SP_SCHREIBEN);
        }
        state.ResumeTiming();
        Richter_Jeden_Tag();
        state.PauseTiming();
        gewechselt = 0;
        for (const Fall& f : faelle) gewechselt += Teamspieler_Ist_Im_Team(f.team, f.spnr) < 0;
        state.ResumeTiming();
    }
    state.counters["gewechselt"] = gewechselt;
    zaehlen(state);
}
BENCHMARK(BM_Richter_Tag_50_Auktionen)->Unit(benchmark::kMillisecond);

}  // namespace
