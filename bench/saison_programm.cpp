// A season with all its matches played through the installed program, headless, by the season
// test's script (two managers, every broadcast off, 732 turns): CPU milliseconds per club and
// season of the program's process, for the default and the small world. The goal: at most 10 ms
// for the default world, the small one no dearer per club than 1.5 times that. A short run of
// twenty turns keeps the program honest in the test run.
//
// Each world is generated and installed once per process, in a temporary folder removed at the
// end; a set-up or a run that fails ends the program with status 1.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/time.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "gameflow/saison_skript.h"

namespace {

using namespace programm_lauf;

[[noreturn]] void scheitern(const std::string& grund)
{
    std::fprintf(stderr, "bench_saison_programm: %s\n", grund.c_str());
    std::exit(1);
}

struct Welt_Installation {
    Installation inst;
    explicit Welt_Installation(const std::string& welt)
    {
        if (!inst.anlegen("dorvin_bench_saison_" + welt, welt)) scheitern("Welt " + welt + " nicht angelegt");
    }
    ~Welt_Installation() { if (!std::getenv("DORVIN_BENCH_BEHALTEN")) fs::remove_all(inst.ordner); }
};

Welt_Installation& installation(const std::string& welt)
{
    static std::map<std::string, std::unique_ptr<Welt_Installation>> welten;
    auto& w = welten[welt];
    if (!w) w = std::make_unique<Welt_Installation>(welt);
    return *w;
}

double kind_cpu_ms()
{
    rusage r{};
    getrusage(RUSAGE_CHILDREN, &r);
    return (double(r.ru_utime.tv_sec) + double(r.ru_stime.tv_sec)) * 1e3 +
           (double(r.ru_utime.tv_usec) + double(r.ru_stime.tv_usec)) / 1e3;
}

// The clubs of the saved game: its club count without the transfer market and the youth.
int32_t vereine(const fs::path& spielstand)
{
    const std::vector<uint8_t> d = lesen(spielstand);
    std::string version;
    Disk_Bereiche b;
    if (!Disk_Spielstand_Zerlegen(d.data(), d.size(), &version, &b)) return -1;
    // The team area's first values: the count, the count read, two words, the transfer market
    // and the youth.
    const Disk_Bereich& werte = b[DISK_POS_TEAMS - 1];
    if (werte.size() < 6 || werte[0].size() < 4 || werte[4].size() < 4 || werte[5].size() < 4) return -1;
    const int32_t anzahl = int32_t(Disk_LE32_Lesen(werte[0].data()));
    int32_t pseudo = 0;
    for (size_t i : {4, 5}) {
        const int32_t t = int32_t(Disk_LE32_Lesen(werte[i].data()));
        pseudo += t >= 0 && t < anzahl;
    }
    return anzahl - pseudo;
}

// The runs of one world: its installation, its script of `zuege` turns, and the fastest run so
// far (on a shared machine another program's work only ever adds to a run's time).
struct Welt_Laeufe {
    const Installation& inst;
    int zuege;
    fs::path skript, fehler;
    double cpu_ms = 0, schnellster = 0;
    int32_t n = 0, laeufe = 0;

    Welt_Laeufe(const std::string& welt, int z)
        : inst(installation(welt).inst), zuege(z), skript(inst.ordner / "saison.txt"), fehler(inst.ordner / "saison_fehler.txt")
    {
        std::ofstream(skript) << saison_skript::skript(true, "", zuege);
    }

    // One season through the program. Each run its own fixed random start (1, 2, 3, ...),
    // unless DORVIN_ZUFALL names one: the same seasons on every machine, and a change measured
    // on the same games.
    void laufen()
    {
        static int lauf = 0;
        const bool eigener_start = !std::getenv("DORVIN_ZUFALL");
        if (eigener_start) setenv("DORVIN_ZUFALL", std::to_string(++lauf).c_str(), 1);
        const double vorher = kind_cpu_ms();
        const int ende = starten(inst.registry, {inst.bin + "/dorvin", "--headless", "--nosound", "--script", skript.string()},
                                 fehler.string());
        if (eigener_start) unsetenv("DORVIN_ZUFALL");
        if (ende != 0) scheitern("Programm endete mit " + std::to_string(ende) + ", siehe " + fehler.string());
        const double ms = kind_cpu_ms() - vorher;
        cpu_ms += ms;
        ++laeufe;
        if (schnellster == 0 || ms < schnellster) schnellster = ms;
        n = vereine(inst.spielstand("ende"));
        if (n <= 0) scheitern("Spielstand " + inst.spielstand("ende").string() + " unlesbar");
    }

    // The fastest run's CPU milliseconds per club and whole season.
    double je_verein_saison() const { return schnellster / n * double(saison_skript::ZUEGE) / double(zuege); }
};

void saison(benchmark::State& state, const std::string& welt, int zuege)
{
    Welt_Laeufe w(welt, zuege);
    for (auto _ : state) w.laufen();
    state.counters["vereine"] = w.n;
    state.counters["cpu_ms"] = w.cpu_ms / double(w.laeufe);
    state.counters["cpu_ms_schnellster"] = w.schnellster;
    state.counters["cpu_ms_je_verein_saison"] = w.je_verein_saison();
}

void Saison_Im_Programm_Standard(benchmark::State& state) { saison(state, "default", saison_skript::ZUEGE); }
void Saison_Im_Programm_Klein(benchmark::State& state) { saison(state, "small", saison_skript::ZUEGE); }
void Saison_Im_Programm_Kurz(benchmark::State& state) { saison(state, "default", 20); }

// The small world's season per club against the default world's, both played by turns (a
// default season, then two small ones, the short one swinging the most), so that a machine
// slower for a while slows both alike; the fastest run of each counts.
void Saison_Im_Programm_Klein_Zu_Standard(benchmark::State& state)
{
    Welt_Laeufe standard("default", saison_skript::ZUEGE), klein("small", saison_skript::ZUEGE);
    for (auto _ : state) {
        standard.laufen();
        klein.laufen();
        klein.laufen();
    }
    state.counters["klein_je_verein"] = klein.je_verein_saison();
    state.counters["standard_je_verein"] = standard.je_verein_saison();
    state.counters["prozent"] = 100 * klein.je_verein_saison() / standard.je_verein_saison();
}

// Three seasons a repetition, the fastest counted; `make bench` asks for three repetitions and
// takes their median. The small world's season is short and swings the most: five.
BENCHMARK(Saison_Im_Programm_Standard)->Unit(benchmark::kSecond)->Iterations(3);
BENCHMARK(Saison_Im_Programm_Klein)->Unit(benchmark::kSecond)->Iterations(5);
BENCHMARK(Saison_Im_Programm_Klein_Zu_Standard)->Unit(benchmark::kSecond)->Iterations(3);
BENCHMARK(Saison_Im_Programm_Kurz)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(1);

}  // namespace
