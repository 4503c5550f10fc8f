// Statistics over a played default-world season: the general counter per player with three
// masks over every competition (goal: under 15 ms), and the fact sentences of one club over all
// competitions (goal: under 2 ms).
#include <benchmark/benchmark.h>

#include <vector>

#include "bench_welt.h"
#include "competitions/spiele.h"
#include "competitions/spiele_statistik.h"
#include "competitions/statistik_saetze.h"
#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "platform/zufall.h"
#include "saison_welt.h"

namespace {

// Every drawn match of the fixtures played with events: chances, goals with scorer and
// assister, cards, each at a drawn minute of the player's side.
void saison_spielen()
{
    for (int32_t id = Wettbewerb_Get_Erster(); id >= 0; id = Wettbewerb_Get_Naechster()) {
        const int32_t block = Wettbewerb_Get_Spiele_Block(id);
        const int32_t n = Spiele_Get_Anzahl_Spiele(block);
        for (int32_t i = 0; i < n; ++i) {
            const int32_t h = Spiele_Lock_Index(block, i);
            if (!h) continue;
            const Spiele_Spiel s = *Spiele_Get_Spiel(h, 0);
            if (s.heim == SPIELE_KEIN_TEAM || s.gast == SPIELE_KEIN_TEAM) {
                Spiele_Unlock(h);
                continue;
            }
            int32_t kader[2][60];
            const int32_t anzahl[2] = {Teamspieler_Ins_Array(s.heim, kader[0], 60, 0),
                                       Teamspieler_Ins_Array(s.gast, kader[1], 60, 0)};
            Spiele_Set_Ergebnis(h, 0, 0, 0);
            Spiele_Ereignis_Speicher_Reservieren(h);
            const int32_t ereignisse = Zufall(10, 30);
            for (int32_t e = 0; e < ereignisse; ++e) {
                const int32_t seite = Zufall(0, 1);
                const int32_t art = Zufall(0, 9);
                const int32_t minute = Zufall(1, 90);
                const int32_t k = std::max(anzahl[seite], 1);
                const int32_t a = Zufall(0, k - 1);
                const int32_t b = Zufall(0, k - 1);
                const int32_t sp1 = anzahl[seite] ? kader[seite][a] : 0x7FFF;
                const int32_t sp2 = anzahl[seite] ? kader[seite][b] : 0x7FFF;
                const uint32_t flags = (art < 6 ? SPE_CHANCE : art < 8 ? SPE_TOR : art < 9 ? SPE_GELB : SPE_ROT) |
                                       (seite ? 0u : SPE_HEIM);
                Spiele_Set_Ereignis(h, flags, minute, sp1, flags & SPE_TOR ? sp2 : 0x7FFF);
            }
            Spiele_Set_Minute(h, 90);
            Spiele_Set_Zuschauer(h, uint32_t(Zufall(5000, 60000)));
            Spiele_Unlock(h);
        }
    }
}

void welt_laden()
{
    static Bench_Welt_Ordner daten{"statistik", {"welt", "wettbewerbe"}};
    static bool fertig = false;
    if (fertig) return;
    if (!Saison_Neues_Spiel(2024)) Bench_Scheitern("statistik", "Welt nicht ladbar");
    if (!Spiele_Ist_Initialisiert()) Spiele_Init();
    if (!Wettbewerb_Spielplaene_Anlegen()) Bench_Scheitern("statistik", "Spielplan gescheitert");
    saison_spielen();
    fertig = true;
}

void Statistik_Pro_Spieler_Drei_Masken(benchmark::State& state)
{
    welt_laden();
    std::vector<int32_t> ids(WETTBEWERB_ANZAHL + 1);
    ids.resize(size_t(Wettbewerb_Get_Land_Wettbewerbe(-1, ids.data(), 0)));
    const uint32_t masken[3] = {SPE_TOR, SPE_TOR | SPST_ZWEITER_SPIELER, SPE_GELB};
    std::vector<int32_t> zaehler(size_t(Spieler_Anzahl) * 3);
    for (auto _ : state) {
        if (!Spiele_Get_Statistik(1, 0, ids.data(), int32_t(ids.size()), masken, 3, -1, -1, -1, -1, 0, zaehler.data()))
            Bench_Scheitern("statistik", "Zählung abgelehnt");
        benchmark::DoNotOptimize(zaehler.data());
    }
    int64_t tore = 0;
    for (int32_t i = 0; i < Spieler_Anzahl; ++i) tore += zaehler[size_t(i)];
    if (!tore) Bench_Scheitern("statistik", "keine Tore gezählt");
    state.counters["tore"] = double(tore);
    state.counters["spieler"] = double(Spieler_Anzahl);
}
BENCHMARK(Statistik_Pro_Spieler_Drei_Masken)->Unit(benchmark::kMillisecond);

void Fakten_Saetze_Eines_Vereins(benchmark::State& state)
{
    welt_laden();
    int32_t team = 0;
    while (team < Team_Anzahl && !Team_Ist_Normal(team, 72)) ++team;
    std::vector<std::vector<char>> puffer(30, std::vector<char>(256));
    std::vector<char*> zeiger;
    for (auto& p : puffer) zeiger.push_back(p.data());
    int32_t n = 0;
    for (auto _ : state) {
        n = Statistik_Fakten_Saetze(-1, team, -1, 3, 0, zeiger.data(), 30, 256);
        benchmark::DoNotOptimize(n);
    }
    Spiele_Team_Statistik st;
    Spiele_Team_Statistik_Berechnen(team, -1, -1, -1, -1, 0, &st, -1);
    if (!st.spiele) Bench_Scheitern("statistik", "der Verein hat nicht gespielt");
    state.counters["saetze"] = n;
    state.counters["spiele"] = st.spiele;
}
BENCHMARK(Fakten_Saetze_Eines_Vereins)->Unit(benchmark::kMillisecond);

}  // namespace
