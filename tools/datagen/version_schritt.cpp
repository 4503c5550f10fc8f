//   version       writes <ziel>/config_files/version.cfg: the program version that a client
//                 sends at log-in and the server compares with its own.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "datagen.h"

namespace {

int version_schritt(const std::string& ziel, const std::vector<std::string>&)
{
    std::filesystem::path ordner = std::filesystem::path(ziel) / "config_files";
    std::error_code ec;
    std::filesystem::create_directories(ordner, ec);
    FILE* f = std::fopen((ordner / "version.cfg").string().c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "version: %s nicht schreibbar\n", (ordner / "version.cfg").string().c_str());
        return 1;
    }
    bool ok = std::fputs("2.01", f) >= 0;
    return (std::fclose(f) == 0 && ok) ? 0 : 1;
}

}  // namespace

DATAGEN_SCHRITT("version", version_schritt, true);
