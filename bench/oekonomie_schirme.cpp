// The economy screens' work over the default world: the "Finanzen" page for the whole season
// over a full booking ring (sums of the four pages, forecasts, panel, chart; goal under 1 ms on
// one core) and an unattended auction of seven computer offers with raises and extensions
// (goal under 0.2 ms).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "bench_welt.h"
#include "competitions/wettbewerb.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "economy/auktion.h"
#include "economy/bank.h"
#include "economy/bank_finanzen.h"
#include "gameflow/globals.h"
#include "gameflow/news.h"
#include "gameflow/team_requester.h"
#include "platform/zufall.h"

namespace {

struct Welt {
    Bench_Welt_Ordner daten{"oekonomie", {"welt", "wettbewerbe"}};
    int32_t a = -1;
    std::vector<int32_t> bieter;
    int32_t spieler = -1;
    Welt()
    {
        Zufall_Set_Seed(1999);
        Team_Requester_Set_Anzeige([](int32_t, int32_t, const char*) { return uint8_t(1); });
        if (!Team(0) || !Spieler(0) || !Wettbewerb_Config_Lesen(0, 0)) Bench_Scheitern("oekonomie", "Welt nicht ladbar");
        Netz_Rolle = 2;
        News_Init();
        Bank_Init();
        Teamspieler_Init_Listen();
        Spieler_Den_Teams_Zuordnen();
        for (int32_t t = 0; t < Team_Anzahl && bieter.size() < 8; ++t)
            if (Wettbewerb_Get_Team_Wettbewerb(t, 1) >= 0) (a < 0 ? a : bieter.emplace_back(t)) = t;
        if (bieter.size() < 7) Bench_Scheitern("oekonomie", "zu wenige Ligavereine");
        int32_t kader[64];
        if (Teamspieler_Ins_Array(a, kader, 64, 0) < 1) Bench_Scheitern("oekonomie", "leerer Kader");
        spieler = kader[0];
        Bank_Konto_Einrichten(a, 30000000, 0);
        for (int32_t k = 1; k <= 48; k += 4) {
            Bank_Betrag_Anlegen(-1, a, 50000.0f, k, 0, -1.0f);
            Bank_Betrag_Anlegen(a, -1, 40000.0f, k, 1, -1.0f);
        }
        // a season of bookings: every ring entry holds a week's sum
        for (int32_t tag = 0; tag < 364; ++tag) {
            Aktueller_Tag = tag;
            for (int32_t k = 1; k <= 45; k += 3) {
                Schreibe_Überweisung(a, -1, 100.0f, uint8_t(k), 1, -1);
                Schreibe_Überweisung(-1, a, 150.0f, uint8_t(k + 1), 1, -1);
            }
        }
    }
};

Welt& welt()
{
    static Welt w;
    return w;
}

void BM_Finanzen_Saison(benchmark::State& state)
{
    Welt& w = welt();
    Aktueller_Tag = 363;
    Bank_Finanz_Zustand ganz, prognose;
    Bank_Finanz_Prognose_Schalten(&prognose, true);
    float saldo[52];
    for (auto _ : state) {
        for (int32_t s = 0; s < BANK_FINANZ_SEITEN; ++s) {
            ganz.seite = s;
            benchmark::DoNotOptimize(Bank_Finanz_Zeilen(w.a, ganz));
            benchmark::DoNotOptimize(Bank_Finanz_Panel(w.a, s, prognose));
        }
        Bank_Finanz_Saison(w.a, saldo);
        benchmark::DoNotOptimize(saldo);
        benchmark::DoNotOptimize(Bank_Finanz_Wochenliste());
    }
}
BENCHMARK(BM_Finanzen_Saison)->Unit(benchmark::kMicrosecond);

void BM_Auktion_Sieben_Computer(benchmark::State& state)
{
    Welt& w = welt();
    // terms a little above the player's and his club's demands, so that the bidders compete
    int32_t gehalt = 0, abloese = 0;
    Spieler_Bewerte_Marktwert_Gehalt_Angebot(w.a, w.spieler, -1, -1, 36, &gehalt, &abloese, 0);
    std::vector<Spieler_Angebot> start;
    for (int32_t i = 0; i < 7; ++i) {
        Spieler_Angebot x{};
        x.bieter = uint16_t(w.bieter[size_t(i)]);
        x.verein = uint16_t(w.a);
        x.spnr = uint16_t(w.spieler);
        x.abloese = uint16_t(std::min(19000, abloese * (110 + 5 * i) / 100 + 1));
        x.gehalt = uint16_t(std::min(19000, gehalt * (110 + 5 * i) / 100 + 1));
        x.monate = 36;
        x.bewertung = 120 + 10 * i;
        start.push_back(x);
    }
    int64_t gewonnen = 0;
    for (auto _ : state) {
        std::vector<Spieler_Angebot> v = start;
        gewonnen += Auktion_Durchfuehren(w.spieler, w.a, 7, 0, v.data()) >= 0;
    }
    state.counters["Zuschlag"] = double(gewonnen) / double(state.iterations());
}
BENCHMARK(BM_Auktion_Sieben_Computer)->Unit(benchmark::kMicrosecond);

}  // namespace
