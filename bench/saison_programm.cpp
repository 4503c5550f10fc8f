// A season with all its matches played through the installed program, headless, by the season
// test's script (two managers, every broadcast off, 732 turns): CPU milliseconds per league club and
// season of the program's process, for the default, the small and the large world. The goals: at
// most 3.5 ms for the default world on the goals' machine, the small and the large one no dearer
// per club than 1.3 times that. A short run of twenty turns keeps the program honest in the test
// run.
//
// Each world is generated and installed once per process, in a temporary folder removed at the
// end; a set-up or a run that fails ends the program with status 1, and so does a run whose game
// did not reach the day its turns lead to (the season change after a whole season's).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/saison_ende.h"
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

// The league clubs of the saved game, as the world-health tool counts them by level (the clubs
// that play only a cup, the transfer market and the youth are no league's).
int32_t vereine(const fs::path& spielstand, const std::string& bin)
{
    const std::string befehl = bin + "/dorvin_bilanz '" + spielstand.string() + "' 2>/dev/null";
    FILE* p = popen(befehl.c_str(), "r");
    if (!p) return -1;
    int32_t summe = 0;
    char zeile[4096];
    while (std::fgets(zeile, sizeof zeile, p)) {
        const std::string z = zeile;
        // the level lines, indented under the world's line
        if (z.find_first_not_of(' ') != z.find("niveau=")) continue;
        const size_t v = z.find(" vereine=");
        if (v != std::string::npos) summe += std::atoi(z.c_str() + v + 9);
    }
    return pclose(p) == 0 ? summe : -1;
}

// The runs of one world: its installation, its script of `zuege` turns, and each run's CPU time.
struct Welt_Laeufe {
    const Installation& inst;
    std::string welt;
    int zuege;
    fs::path skript, fehler;
    std::vector<double> ms_je_lauf;
    int32_t n = 0;

    Welt_Laeufe(const std::string& w, int z)
        : inst(installation(w).inst), welt(w), zuege(z), skript(inst.ordner / "saison.txt"), fehler(inst.ordner / "saison_fehler.txt")
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
        const std::string start = std::getenv("DORVIN_ZUFALL");
        // The last run's savegame would pass for this one's where this one saves none.
        fs::remove(inst.spielstand("ende"));
        const double vorher = kind_cpu_ms();
        const int ende = starten(inst.registry, {inst.bin + "/dorvin", "--headless", "--nosound", "--script", skript.string()},
                                 fehler.string());
        if (eigener_start) unsetenv("DORVIN_ZUFALL");
        if (ende != 0) scheitern("Programm endete mit " + std::to_string(ende) + ", siehe " + fehler.string());
        ms_je_lauf.push_back(kind_cpu_ms() - vorher);
        // A run whose script lost clicks on the way saves a season that stopped short, and its
        // time would count as a whole season's (the check has a test of its own).
        const std::string am_ende = Saison_Ende_Fehler(tag_im_spielstand(inst.spielstand("ende")), zuege);
        if (!am_ende.empty())
            scheitern("Welt " + welt + ", DORVIN_ZUFALL=" + start + ": " + am_ende + " (" + inst.spielstand("ende").string() + ", " +
                      fehler.string() + ")");
        // The world keeps its league clubs: counted once.
        if (n == 0) n = vereine(inst.spielstand("ende"), inst.bin);
        if (n <= 0) scheitern("Spielstand " + inst.spielstand("ende").string() + " unlesbar");
    }

    // CPU milliseconds per league club and whole season: the median run's, the fastest's and the
    // slowest's (one season's time depends on its seed and on the machine's other work alike).
    double je_verein_saison(double ms) const { return ms / n * double(saison_skript::ZUEGE) / double(zuege); }
    double median() const
    {
        std::vector<double> v = ms_je_lauf;
        std::sort(v.begin(), v.end());
        const size_t m = v.size() / 2;
        return je_verein_saison(v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2);
    }
    double minimum() const { return je_verein_saison(*std::min_element(ms_je_lauf.begin(), ms_je_lauf.end())); }
    double maximum() const { return je_verein_saison(*std::max_element(ms_je_lauf.begin(), ms_je_lauf.end())); }
};

void saison(benchmark::State& state, const std::string& welt, int zuege)
{
    Welt_Laeufe w(welt, zuege);
    for (auto _ : state) w.laufen();
    state.counters["vereine"] = w.n;
    state.counters["cpu_ms_je_verein_saison"] = w.median();
    state.counters["min_je_verein_saison"] = w.minimum();
    state.counters["max_je_verein_saison"] = w.maximum();
}

void Saison_Im_Programm_Standard(benchmark::State& state) { saison(state, "default", saison_skript::ZUEGE); }
void Saison_Im_Programm_Klein(benchmark::State& state) { saison(state, "small", saison_skript::ZUEGE); }
void Saison_Im_Programm_Gross(benchmark::State& state) { saison(state, "large", saison_skript::ZUEGE); }
void Saison_Im_Programm_Kurz(benchmark::State& state) { saison(state, "default", 20); }

// A smaller or larger world's season per club against the default world's, both played by turns
// (a default season, then `je_standard` of the other world's), so that a machine slower for a
// while slows both alike; the median run of each counts.
void welt_zu_standard(benchmark::State& state, const std::string& welt, const char* name, int je_standard)
{
    Welt_Laeufe standard("default", saison_skript::ZUEGE), andere(welt, saison_skript::ZUEGE);
    for (auto _ : state) {
        standard.laufen();
        for (int i = 0; i < je_standard; ++i) andere.laufen();
    }
    state.counters[std::string(name) + "_je_verein"] = andere.median();
    state.counters["standard_je_verein"] = standard.median();
    state.counters["prozent"] = 100 * andere.median() / standard.median();
}

// The small world two seasons a default one (the short one swinging the most).
void Saison_Im_Programm_Klein_Zu_Standard(benchmark::State& state) { welt_zu_standard(state, "small", "klein", 2); }
void Saison_Im_Programm_Gross_Zu_Standard(benchmark::State& state) { welt_zu_standard(state, "large", "gross", 1); }

// Five seasons a repetition, each with its own seed, the median counted; `make bench` asks for
// three repetitions and takes their median.
BENCHMARK(Saison_Im_Programm_Standard)->Unit(benchmark::kSecond)->Iterations(5);
BENCHMARK(Saison_Im_Programm_Klein)->Unit(benchmark::kSecond)->Iterations(5);
BENCHMARK(Saison_Im_Programm_Gross)->Unit(benchmark::kSecond)->Iterations(5);
BENCHMARK(Saison_Im_Programm_Klein_Zu_Standard)->Unit(benchmark::kSecond)->Iterations(5);
BENCHMARK(Saison_Im_Programm_Gross_Zu_Standard)->Unit(benchmark::kSecond)->Iterations(5);
BENCHMARK(Saison_Im_Programm_Kurz)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(1);

}  // namespace
