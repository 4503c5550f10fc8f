// Step "sounds": the synthesised sounds as plain WAV files. The menu tunes go into
// menu_sounds/; effects and help sounds into sound_quellen/<number>.wav, from where (or straight
// from sound_synth.h) the resource files take them.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/datagen/datagen.h"
#include "tools/datagen/sound_synth.h"

namespace fs = std::filesystem;

static bool schreiben(const fs::path& pfad, const std::vector<uint8_t>& bytes)
{
    std::FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "sounds: %s kann nicht geschrieben werden\n", pfad.c_str());
        return false;
    }
    bool ok = !bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

static int sounds(const std::string& ziel, const std::vector<std::string>&)
{
    fs::path menue = fs::path(ziel) / "menu_sounds", quellen = fs::path(ziel) / "sound_quellen";
    std::error_code fehler;
    fs::create_directories(menue, fehler);
    fs::create_directories(quellen, fehler);
    for (int i = 0; i < SOUND_SYNTH_MENUE_ANZAHL; ++i) {
        std::string name = "menue_" + std::to_string(SOUND_SYNTH_MENUE_BASIS + i) + ".wav";
        if (!schreiben(menue / name, Sound_Synth_Menue(i))) return 1;
    }
    for (const auto& e : Sound_Synth_Eintraege()) {
        if (e.nummer >= SOUND_SYNTH_MENUE_BASIS && e.nummer < SOUND_SYNTH_MENUE_BASIS + SOUND_SYNTH_MENUE_ANZAHL)
            continue;
        if (!schreiben(quellen / (std::to_string(e.nummer) + ".wav"), Sound_Synth_Bytes(e.nummer))) return 1;
    }
    return 0;
}

DATAGEN_SCHRITT("sounds", sounds, true);
