// dorvin_datagen STEP --ziel DIR [args...]: writes generated data into DIR, laid out as the
// program folder (config_files/, resfile/, ...). "alles" runs every step the installer needs.
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "tools/datagen/datagen.h"

struct Eintrag {
    Datagen_Schritt schritt;
    bool alles;
};

static std::map<std::string, Eintrag>& schritte()
{
    static std::map<std::string, Eintrag> m;
    return m;
}

bool Datagen_Registrieren(const char* name, Datagen_Schritt schritt, bool alles)
{
    schritte()[name] = {schritt, alles};
    return true;
}

int main(int argc, char** argv)
{
    std::string ziel = ".";
    std::string name;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--ziel") && i + 1 < argc) ziel = argv[++i];
        else if (name.empty()) name = argv[i];
        else args.push_back(argv[i]);
    }
    if (name.empty()) {
        std::fprintf(stderr, "Aufruf: dorvin_datagen SCHRITT --ziel ORDNER [...]\nSchritte: alles");
        for (auto& [n, e] : schritte()) std::fprintf(stderr, " %s", n.c_str());
        std::fprintf(stderr, "\n");
        return 2;
    }
    if (name == "alles") {
        for (auto& [n, e] : schritte())
            if (e.alles && e.schritt(ziel, args) != 0) {
                std::fprintf(stderr, "dorvin_datagen: Schritt %s fehlgeschlagen\n", n.c_str());
                return 1;
            }
        return 0;
    }
    auto it = schritte().find(name);
    if (it == schritte().end()) {
        std::fprintf(stderr, "dorvin_datagen: unbekannter Schritt %s\n", name.c_str());
        return 2;
    }
    return it->second.schritt(ziel, args);
}
