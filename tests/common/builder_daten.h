// The data builder's resource files, built once per build of the builder and shared by every test
// process of that build: building them takes seconds (far longer under the sanitizers), and
// dozens of test processes need them. Tests only read them.
#pragma once
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/resfile.h"

// The folder with data.bin and resfile/ as `dorvin_datagen resfiles` writes them; empty when the
// builder failed. Parallel processes wait on a lock while the first one builds.
inline std::filesystem::path Test_Resfiles_Ordner()
{
    namespace fs = std::filesystem;
    static fs::path fertig;
    if (!fertig.empty()) return fertig;
    const std::string builder = std::string(DORVIN_BINARY_DIR) + "/dorvin_datagen";
    std::error_code fehler;
    const auto zeit = fs::last_write_time(builder, fehler).time_since_epoch().count();
    const fs::path wurzel = fs::path(DORVIN_BINARY_DIR) / "test_resfiles";
    fs::create_directories(wurzel, fehler);
    const fs::path ordner = wurzel / std::to_string(zeit);

    const int sperre = ::open((wurzel / "sperre").c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0644);
    if (sperre >= 0) ::flock(sperre, LOCK_EX);
    if (!fs::exists(ordner / "resfile" / "resf_scr.res")) {
        // Folders of earlier builds of the builder are of no use any more.
        for (const auto& e : fs::directory_iterator(wurzel, fehler))
            if (e.is_directory()) fs::remove_all(e.path(), fehler);
        const fs::path eigen = wurzel / ("neu_" + std::to_string(::getpid()));
        const std::string befehl = builder + " resfiles --ziel " + eigen.string() + " > /dev/null";
        if (std::system(befehl.c_str()) == 0) fs::rename(eigen, ordner, fehler);
        fs::remove_all(eigen, fehler);
    }
    if (sperre >= 0) ::close(sperre);
    if (fs::exists(ordner / "resfile" / "resf_scr.res")) fertig = ordner;
    return fertig;
}

// Copies the shared resource files into `ziel`, as if the builder had written them there (a copy,
// so that nothing a test writes there reaches the other tests). False when they could not be had.
inline bool Test_Resfiles_Einlegen(const std::filesystem::path& ziel)
{
    namespace fs = std::filesystem;
    const fs::path quelle = Test_Resfiles_Ordner();
    if (quelle.empty()) return false;
    std::error_code fehler;
    for (const auto& e : fs::recursive_directory_iterator(quelle, fehler)) {
        const fs::path neu = ziel / fs::relative(e.path(), quelle);
        if (e.is_directory()) {
            fs::create_directories(neu, fehler);
            continue;
        }
        fs::create_directories(neu.parent_path(), fehler);
        if (!fs::copy_file(e.path(), neu, fs::copy_options::overwrite_existing, fehler)) return false;
    }
    return !fehler;
}

// Points the resource files of this process at the shared ones and opens them as the game does;
// false when they could not be had or opened.
inline bool Test_Resfiles_Oeffnen()
{
    const std::string daten = Test_Resfiles_Ordner().string();
    if (daten.empty()) return false;
    std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s/resfile", daten.c_str());
    std::snprintf(ResFile_Daten_Praefix, sizeof ResFile_Daten_Praefix, "%s/", daten.c_str());
    for (int i = 0; i < RESFILE_SLOTS; ++i) DeInit_ResFile(i);
    return Init_System_Dateien() == 1;
}
