#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/os/os_registry.h"

namespace {

std::string eigener_ordner;

void eigenen_ordner_loeschen()
{
    std::error_code fehler;
    std::filesystem::remove_all(eigener_ordner, fehler);
}

}  // namespace

int main(int argc, char** argv)
{
    // Tests never open a window or a sound device.
    setenv("DORVIN_HEADLESS", "1", 1);
    // Each test program works on a registry of its own, a copy of the one it was started with:
    // programs running side by side (ctest -j) would read and overwrite each other's values
    // (the last savegame's name, the program folder and with it the fonts). The configuration
    // folder is the program's own too, for the tests that set a registry of theirs and unset it
    // again afterwards: the default they fall back to is this copy.
    namespace fs = std::filesystem;
    const fs::path quelle = Os_Registry_Path();
    eigener_ordner = (fs::temp_directory_path() / ("dorvin_test_konfiguration_" + std::to_string(getpid()))).string();
    const fs::path registry = fs::path(eigener_ordner) / "dorvin" / "registry";
    std::error_code fehler;
    fs::remove_all(eigener_ordner, fehler);
    fs::create_directories(registry.parent_path(), fehler);
    if (fs::exists(quelle, fehler)) fs::copy_file(quelle, registry, fs::copy_options::overwrite_existing, fehler);
    setenv("XDG_CONFIG_HOME", eigener_ordner.c_str(), 1);
    setenv("DORVIN_REGISTRY", registry.c_str(), 1);
    std::atexit(eigenen_ordner_loeschen);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
