// The tables screen's work for one click on an 18-club league (table with details and
// tendencies, the day's pairings, the graph's places over 34 days) and the comparison values of
// its clubs.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/liga_saison.h"
#include "competitions/ligen_tabelle.h"
#include "competitions/ligen_teamvergleich.h"
#include "competitions/statistik_teaminfo.h"
#include "competitions/team_hilfetext.h"
#include "database/manager.h"
#include "gameflow/globals.h"

namespace {

// The first league of 18 clubs, at the end of its season.
const Liga* achtzehner(const std::vector<Liga>& ligen)
{
    for (const Liga& l : ligen)
        if (l.teams.size() == 18) {
            Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(l.id))->spiele_block = l.block;
            Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(l.id))->spieltag = l.tage;
            return &l;
        }
    return nullptr;
}

void aufraeumen(const std::filesystem::path& ordner)
{
    Spiele_Freigeben();
    Wettbewerb_Free();
    Team_Free_Arrays(true);
    std::filesystem::remove_all(ordner);
}

const Liga* vorbereiten(benchmark::State& state, std::filesystem::path& ordner, std::vector<Liga>& ligen)
{
    ligen = saison_vorbereiten(ordner);
    const Liga* l = achtzehner(ligen);
    if (!l) {
        state.SkipWithError("keine Liga mit 18 Vereinen");
        aufraeumen(ordner);
    }
    return l;
}

void BM_Tabellenscreen_Klick(benchmark::State& state)
{
    std::filesystem::path ordner;
    std::vector<Liga> ligen;
    const Liga* l = vorbereiten(state, ordner, ligen);
    if (!l) return;
    static Tabelle_Datensatz t;
    for (auto _ : state) {
        Spiele_Tabellen_Cache_Leeren();
        // Table of the season with every club's tendencies.
        Wettbewerb_Tabelle_Vorbereiten(l->id, &t);
        Spiele_Tabelle_Berechnen(l->id, l->block, 0, l->tage - 1, l->drei, TAB_NORMAL, &t, 0, 0, -1, -1, 0, 0, -1);
        size_t n = 0;
        for (int32_t p = 0; p < t.anzahl; ++p) {
            n += Ligen_Tabelle_Tendenz_Text(l->id, t.team[t.platz[p]], l->tage - 1, l->tage, -1, -1, 0, 0).size();
            n += size_t(Tabelle_Zaehle_Ergebnisse(&t, t.platz[p], 0, 0, l->tage - 1, 0));
            n += Ligen_Tabelle_Abstand_Text(2, 1).size();
        }
        // The day's pairings and the graph's places.
        for (int32_t p = 0, k = Wettbewerb_Get_Paarung(l->id, l->tage - 1); p < k; ++p) {
            const int32_t h = Spiele_Lock(l->block, l->tage - 1, 0, p);
            if (h) Spiele_Unlock(h);
        }
        std::vector<int32_t> plaetze;
        Ligen_Tabelle_Grafik_Daten(l->id, l->teams[0], &plaetze);
        n += Ligen_Tabelle_Grafik_Punkte(18, l->tage, plaetze).size() + Ligen_Tabelle_Baender(l->id).size();
        benchmark::DoNotOptimize(n);
    }
    aufraeumen(ordner);
}
BENCHMARK(BM_Tabellenscreen_Klick)->Unit(benchmark::kMillisecond);

// The screen's two panes as a click builds them: the last day's pairings with strengths and the
// table with details and tendencies, in the acting manager's view.
void BM_Tabellenscreen_Panes(benchmark::State& state)
{
    std::filesystem::path ordner;
    std::vector<Liga> ligen;
    const Liga* l = vorbereiten(state, ordner, ligen);
    if (!l) return;
    Aktuelles_Team = l->teams[0];
    Manager_Neuer_Mitspieler(Aktuelles_Team, "Bank");
    for (int32_t i = 0; i < LT_KURZWAHL_ANZAHL; ++i) Manager_Icon_Button_An_Aus(Aktuelles_Team, LT_KURZWAHL + i, i == 0);
    Manager_Icon_Word_Data_Schreiben(Aktuelles_Team, LT_KURZWAHL_WORT, uint16_t(l->id));
    Manager_Icon_Word_Data_Schreiben(Aktuelles_Team, LT_SPIELTAG, uint16_t(l->tage));
    Manager_Icon_Word_Data_Schreiben(Aktuelles_Team, LT_VON, 1);
    Manager_Icon_Word_Data_Schreiben(Aktuelles_Team, LT_BIS, uint16_t(l->tage));
    Manager_Icon_Word_Data_Schreiben(Aktuelles_Team, LT_FILTER, uint16_t(-1));
    for (int32_t b : {LT_AKTUELL, LT_DETAILS, LT_PAARUNGEN_DETAILS}) Manager_Icon_Button_An_Aus(Aktuelles_Team, b, 1);
    Ligen_Tabelle_Inhalt paarungen, tabelle;
    for (auto _ : state) {
        Spiele_Tabellen_Cache_Leeren();
        Ligen_Tabelle_Paarungen_Inhalt(&paarungen, false);
        Ligen_Tabelle_Tabelle_Inhalt(&tabelle);
        benchmark::DoNotOptimize(paarungen.zellen.size() + tabelle.zellen.size());
    }
    if (tabelle.treffer.size() != 18) state.SkipWithError("die Tabelle hat nicht 18 Zeilen");
    Aktuelles_Team = -1;
    aufraeumen(ordner);
}
BENCHMARK(BM_Tabellenscreen_Panes)->Unit(benchmark::kMillisecond);

void BM_Teamvergleich_Werte(benchmark::State& state)
{
    std::filesystem::path ordner;
    std::vector<Liga> ligen;
    const Liga* l = vorbereiten(state, ordner, ligen);
    if (!l) return;
    Teamvergleich_Ergebnis e;
    for (auto _ : state) {
        Ligen_Teamvergleich_Werte_Berechnen(l->id, 0, 0, 7, 99, false, &e);
        benchmark::DoNotOptimize(e.hoehe[0]);
    }
    aufraeumen(ordner);
}
BENCHMARK(BM_Teamvergleich_Werte)->Unit(benchmark::kMillisecond);

// The team information's table-places page: a table per match day played and the chart's points.
void BM_Teaminfo_Tabellenplaetze(benchmark::State& state)
{
    std::filesystem::path ordner;
    std::vector<Liga> ligen;
    const Liga* l = vorbereiten(state, ordner, ligen);
    if (!l) return;
    for (auto _ : state) {
        Spiele_Tabellen_Cache_Leeren();
        std::vector<int32_t> plaetze;
        Ligen_Tabelle_Grafik_Daten(l->id, l->teams[0], &plaetze);
        std::vector<int32_t> werte, x(plaetze.size()), y(plaetze.size());
        for (int32_t p : plaetze) werte.push_back(p + 1);
        benchmark::DoNotOptimize(Statistik_Graph_Punkte(werte.data(), int32_t(werte.size()), x.data(), y.data(), 10,
                                                        30, 410, 310, 100, 12, 0, -1, 0));
    }
    aufraeumen(ordner);
}
BENCHMARK(BM_Teaminfo_Tabellenplaetze)->Unit(benchmark::kMillisecond);

// The course behind a club's picture in the tables: balances and places over the season.
void BM_Team_Hilfetext_Verlauf(benchmark::State& state)
{
    std::filesystem::path ordner;
    std::vector<Liga> ligen;
    const Liga* l = vorbereiten(state, ordner, ligen);
    if (!l) return;
    Team_Verlauf v;
    for (auto _ : state) {
        Spiele_Tabellen_Cache_Leeren();
        benchmark::DoNotOptimize(Team_Hilfetext_Verlauf(l->teams[0], &v));
    }
    state.counters["tage"] = double(v.platz.size());
    aufraeumen(ordner);
}
BENCHMARK(BM_Team_Hilfetext_Verlauf)->Unit(benchmark::kMillisecond);

}  // namespace
