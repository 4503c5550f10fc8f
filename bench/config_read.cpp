// Reading a 5 MB configuration file the way the world's loaders do: every entry with its value
// converted, aliases resolved, the checksum checked. Goal: at least 50 MB/s.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "platform/win95.h"
#include "platform/read_config.h"

namespace {

struct Testdatei {
    std::filesystem::path ordner;
    size_t groesse = 0;
    Testdatei()
    {
        ordner = std::filesystem::temp_directory_path() /
                 ("dorvin_bench_config_" + std::to_string(::getpid()));
        std::filesystem::create_directories(ordner);
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", ordner.c_str());
        std::string alias;
        for (int i = 0; i < 200; ++i) alias += "VEREIN" + std::to_string(i) + " " + std::to_string(i) + "\n";
        schreiben("1_wettbewerb_alias.cfg", alias);

        std::string text;
        for (int i = 0; text.size() < 5u * 1024 * 1024; ++i) {
            text += "; Spieler " + std::to_string(i) + "\nNUMMER " + std::to_string(i) +
                    "\nNAME \"Hans-Jörg Müller-Lüdenscheidt\"\nTEAM #VEREIN" +
                    std::to_string(i % 200) + "\nSTAERKE " + std::to_string(i % 97) +
                    "\nVERLETZT NEIN\nPOSITIONEN 1,4,7\n[alte Werte: 12 13 14]\n";
        }
        groesse = text.size();
        schreiben("1_spieler.cfg", text);
    }
    ~Testdatei() { std::filesystem::remove_all(ordner); }
    void schreiben(const char* name, const std::string& text)
    {
        FILE* f = std::fopen((ordner / name).c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
};

void BM_Config_Lesen(benchmark::State& state)
{
    static Testdatei datei;
    int64_t summe = 0;
    for (auto _ : state) {
        if (!Read_Config_Open(0, 0, 0)) {
            state.SkipWithError("Datei nicht lesbar");
            return;
        }
        while (*Read_Config_Read_Zeile(nullptr, true)) summe += Read_Config_Get_Wert();
        benchmark::DoNotOptimize(Read_Config_Check_Summe(nullptr));
        Read_Config_Close();
    }
    benchmark::DoNotOptimize(summe);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(datei.groesse));
}
BENCHMARK(BM_Config_Lesen)->Unit(benchmark::kMillisecond);

}  // namespace
