// The bank over the default world with two managers holding shares, credits and deposits:
// one day's exchange job with its due dates and interest (goal under 0.3 ms on one core), the
// booking itself with ring merges (goal at least 5 million a second), and a season of bookings
// (goal: the bank's lists under 50 MB).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench_welt.h"
#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "economy/bank.h"
#include "gameflow/globals.h"
#include "gameflow/news.h"
#include "gameflow/team_requester.h"
#include "platform/zufall.h"

namespace {

struct Welt {
    Bench_Welt_Ordner daten{"bank", {"welt", "wettbewerbe"}};
    int32_t a = -1, b = -1;
    Welt()
    {
        Zufall(0, 1);
        Zufall_Set_Seed(1999);
        // the trades' questions are answered yes
        Team_Requester_Set_Anzeige([](int32_t, int32_t, const char*) { return uint8_t(1); });
        if (!Team(0) || !Spieler(0) || !Wettbewerb_Config_Lesen(0, 0)) Bench_Scheitern("bank", "Welt nicht ladbar");
        Netz_Rolle = 2;
        News_Init();
        Bank_Init();
        for (int32_t t = 0; t < Team_Anzahl && b < 0; ++t)
            if (Wettbewerb_Get_Team_Wettbewerb(t, 1) >= 0) (a < 0 ? a : b) = t;
        if (b < 0) Bench_Scheitern("bank", "keine zwei Ligavereine");
        for (int32_t t = 0; t < Team_Anzahl; ++t) Schreibe_Überweisung(-1, t, 2000000.0f, 36, 1, -1);
        for (int32_t m : {a, b}) {
            Bank_Konto_Einrichten(m, 30000000, 0);
            Bank_Set_Kreditlinie(m, 1000000.0f, 0);
            for (int32_t f = 1; f < BANK_FIRMEN; ++f) Bank_Aktien_Handel(m, 100, f % 3, f);
            for (int32_t k = 1; k <= 48; k += 4) {
                Bank_Betrag_Anlegen(-1, m, 50000.0f, k, 0, -1.0f);
                Bank_Betrag_Anlegen(m, -1, 40000.0f, k, 1, -1.0f);
            }
        }
        Bank_Neues_Spiel();
    }
};

Welt& welt()
{
    static Welt w;
    return w;
}

void BM_Bank_Tag(benchmark::State& state)
{
    welt();
    int32_t tag = 1;
    for (auto _ : state) {
        // due dates far ahead, so that every day's work is the same
        Aktueller_Tag = tag++ % 20;
        Bank_Boerse_Tag();
    }
}
BENCHMARK(BM_Bank_Tag)->Unit(benchmark::kMicrosecond);

void BM_Bank_Buchung(benchmark::State& state)
{
    Welt& w = welt();
    Aktueller_Tag = 10;
    int32_t i = 0;
    for (auto _ : state) {
        const uint8_t k = uint8_t(26 + (i & 7));
        benchmark::DoNotOptimize(Schreibe_Überweisung(w.a, w.b, 1.0f, k, 1, -1));
        ++i;
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
}
BENCHMARK(BM_Bank_Buchung);

void BM_Bank_Saison_Speicher(benchmark::State& state)
{
    Welt& w = welt();
    for (auto _ : state) {
        for (int32_t tag = 0; tag < 365; ++tag) {
            Aktueller_Tag = tag;
            for (int32_t t = 0; t < Team_Anzahl; t += 4) {
                Schreibe_Überweisung(t, w.a, 100.0f, uint8_t(1 + tag % 40), 1, -1);
                Schreibe_Überweisung(w.b, t, 100.0f, uint8_t(1 + tag % 40), 1, -1);
            }
        }
        state.counters["MB"] = double(Bank_Block_Bauen().size()) / 1e6;
    }
}
BENCHMARK(BM_Bank_Saison_Speicher)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
