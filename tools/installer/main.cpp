// dorvin_installer --daten DIR --ziel PROGRAMMORDNER: lays out the program folder with all its
// folders, copies the generated data tree DIR into it (DIR may be missing or empty) and writes
// the registry file of the installation.
#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/os/os_file.h"
#include "platform/os/os_registry.h"
#include "platform/win95.h"

static const char* const ordner[] = {"config_files",   "szenario",        "vereins_wappen",
                                     "spieler_bilder", "manager_bilder",  "user_sounds",
                                     "menu_sounds",    "fmdv_system",     "server_logfiles",
                                     "spielstand",     "resfile"};

// Copies the tree below from into to; false on the first file that cannot be copied.
static bool kopiere_baum(const std::string& from, const std::string& to)
{
    DIR* d = opendir(from.c_str());
    if (!d) return true;  // no generated data yet
    bool ok = Os_Make_Dirs(to.c_str());
    while (dirent* e = readdir(d)) {
        if (!std::strcmp(e->d_name, ".") || !std::strcmp(e->d_name, "..")) continue;
        std::string src = from + "/" + e->d_name, dst = to + "/" + e->d_name;
        if (Os_Is_Dir(src.c_str())) {
            ok = kopiere_baum(src, dst) && ok;
        } else if (!Os_File_Copy(src.c_str(), dst.c_str())) {
            std::fprintf(stderr, "dorvin_installer: kann %s nicht kopieren\n", src.c_str());
            ok = false;
        }
    }
    closedir(d);
    return ok;
}

static std::string absolut(const std::string& path)
{
    char buf[4096];
    if (realpath(path.c_str(), buf)) return buf;
    return path;
}

int main(int argc, char** argv)
{
    std::string daten, ziel;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--daten") && i + 1 < argc) daten = argv[++i];
        else if (!std::strcmp(argv[i], "--ziel") && i + 1 < argc) ziel = argv[++i];
        else {
            std::fprintf(stderr, "Aufruf: dorvin_installer --daten ORDNER --ziel PROGRAMMORDNER\n");
            return 2;
        }
    }
    if (ziel.empty()) {
        std::fprintf(stderr, "dorvin_installer: --ziel fehlt\n");
        return 2;
    }
    if (!Os_Make_Dirs(ziel.c_str())) {
        std::fprintf(stderr, "dorvin_installer: kann %s nicht anlegen\n", ziel.c_str());
        return 1;
    }
    ziel = absolut(ziel);
    for (const char* o : ordner)
        if (!Os_Make_Dirs((ziel + "/" + o).c_str())) {
            std::fprintf(stderr, "dorvin_installer: kann %s/%s nicht anlegen\n", ziel.c_str(), o);
            return 1;
        }
    if (!daten.empty() && !kopiere_baum(daten, ziel)) return 1;

    std::string key = std::string("Software\\") + WIN95_FIRMA + "\\" + WIN95_PRODUKT;
    bool ok = Os_Registry_Set(key.c_str(), "", "") &&
              Os_Registry_Set((key + "\\app_path").c_str(), "", ziel.c_str()) &&
              Os_Registry_Set((key + "\\res_path").c_str(), "", (ziel + "/resfile").c_str()) &&
              Os_Registry_Set((key + "\\extension").c_str(), "", ".sgv") &&
              Os_Registry_Set((key + "\\a_value").c_str(), "Installation", "TRUE");
    if (!ok) {
        std::fprintf(stderr, "dorvin_installer: kann die Registry %s nicht schreiben\n",
                     Os_Registry_Path().c_str());
        return 1;
    }
    std::printf("dorvin_installer: %s eingerichtet, Registry %s\n", ziel.c_str(), Os_Registry_Path().c_str());
    return 0;
}
