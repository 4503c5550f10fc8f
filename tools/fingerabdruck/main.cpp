// dorvin_fingerabdruck [TAGE] [SEED...]: plays a new game of the generated default world for each
// seed (default 5 7 11 12 13) through TAGE days of the database's jobs (default 366), with some
// matches every week, and prints a hash of the whole savegame image and the generator's state
// after days 61, 201 and the last. Two builds that print the same lines played the same game:
// speed work on the jobs must leave every line as it was.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/bench_welt.h"
#include "bench/saison_welt.h"
#include "platform/disk.h"
#include "platform/zufall.h"

namespace {

uint64_t fnv(const std::vector<uint8_t>& bytes)
{
    uint64_t h = 1469598103934665603ull;
    for (uint8_t b : bytes) {
        h ^= b;
        h *= 1099511628211ull;
    }
    return h;
}

void zeile(int32_t seed, const char* wann, int32_t tag)
{
    const std::vector<uint8_t> abbild = Disk_Spielstand_Abbild();
    std::printf("seed %d %s %d: %016llx, %zu Bytes, Zufall %d\n", seed, wann, tag,
                static_cast<unsigned long long>(fnv(abbild)), abbild.size(), Zufall_Get_Seed());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    const int32_t tage = argc > 1 ? std::atoi(argv[1]) : 366;
    std::vector<int32_t> seeds;
    for (int i = 2; i < argc; ++i) seeds.push_back(std::atoi(argv[i]));
    if (seeds.empty()) seeds = {5, 7, 11, 12, 13};
    Bench_Welt_Ordner welt{"fingerabdruck", {"welt", "wettbewerbe"}};
    for (int32_t seed : seeds) {
        Team_Free_Arrays(true);
        Spieler_DeInit();
        Manager_Anzahl = 0;
        if (!Saison_Neues_Spiel(seed)) {
            std::fprintf(stderr, "dorvin_fingerabdruck: Welt nicht ladbar\n");
            return 1;
        }
        for (int32_t t = 0; t < tage; ++t) {
            Saison_Tag();
            if (t % 7 == 3) Saison_Spiele_Austragen(2);
            if (t == 60 || t == 200) zeile(seed, "Tag", t + 1);
        }
        zeile(seed, "Ende", tage);
    }
    return 0;
}
