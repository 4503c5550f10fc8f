// Data builder steps around the configuration files:
//   config-probe  writes a small sample set of every kind of entry into <ziel>/config_files
//   verify [DIR]  reads every *.cfg below DIR (default <ziel>/config_files) back through the
//                 program's reader and checks its CHECKSUMME
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/os/os_text.h"
#include "platform/win95.h"
#include "platform/read_config.h"
#include "tools/datagen/config_writer.h"
#include "tools/datagen/datagen.h"

namespace fs = std::filesystem;

namespace {

void melden(FILE* f, const std::string& cp1252) { std::fputs(Os_Text_Utf8(cp1252).c_str(), f); }

int config_probe(const std::string& ziel, const std::vector<std::string>&)
{
    std::string ordner = ziel + "/config_files";
    std::error_code ec;
    fs::create_directories(ordner, ec);
    std::string fehler;
    if (!Config_Writer_Alias_Datei(ordner, 0,
                                   {{"NORDSTADT", 0}, {"SUEDHAFEN", 1}, {"BERGDORF", 2}}, &fehler)) {
        melden(stderr, "config-probe: " + fehler + "\n");
        return 1;
    }
    std::vector<Config_Writer> dateien(5);
    for (int32_t modus = 0; modus < 5; ++modus) {
        Config_Writer& w = dateien[size_t(modus)];
        Config_Writer_Kommentar(w, "Probe aller Eintragsarten");
        Config_Writer_Infotext(w, "Probesatz für Prüfungen; mit Umlauten äöüß");
        Config_Writer_Abschnitt(w, "Abschnitt, den das Programm überliest");
        Config_Writer_Zahl(w, "NUMMER", modus);
        Config_Writer_Zahl(w, "NEGATIV", -1234567);
        Config_Writer_Text(w, "NAME", "Jörg Überländer");
        Config_Writer_Ja_Nein(w, "AKTIV", true);
        Config_Writer_Ja_Nein(w, "VERLETZT", false);
        Config_Writer_Alias(w, "VEREIN", "Suedhafen");
        Config_Writer_Zahlen(w, "LISTE", {3, 1, 4, 1, 5});
        Config_Writer_Schluessel(w, "LETZTER");
        std::string pfad = Config_Writer_Dateiname(ordner, modus, 0);
        if (!Config_Writer_Speichern(w, pfad)) {
            melden(stderr, "config-probe: " + w.fehler + "\n");
            return 1;
        }
    }
    std::printf("config-probe: 6 Dateien in %s\n", ordner.c_str());
    return 0;
}

// Mode and set of a name "<n>_<base name>", or of the alias file; false for other names.
bool name_deuten(const std::string& name, int32_t* modus, int32_t* satz, bool* alias)
{
    static const char* const basis[5] = {"spieler.cfg", "team.cfg", "wettbewerb.cfg",
                                         "personal.cfg", "zeitplan.cfg"};
    size_t strich = name.find('_');
    if (strich == std::string::npos || strich == 0 || strich > 6) return false;
    int32_t n = 0;
    for (size_t i = 0; i < strich; ++i) {
        if (name[i] < '0' || name[i] > '9') return false;
        n = n * 10 + (name[i] - '0');
    }
    if (n < 1) return false;
    std::string rest = name.substr(strich + 1);
    *satz = n - 1;
    *alias = rest == "wettbewerb_alias.cfg";
    *modus = *alias ? 2 : -1;
    for (int32_t m = 0; m < 5 && *modus < 0; ++m)
        if (rest == basis[m]) *modus = m;
    return *modus >= 0;
}

int verify(const std::string& ziel, const std::vector<std::string>& args)
{
    std::string wurzel = args.empty() ? ziel + "/config_files" : args[0];
    std::error_code ec;
    if (!fs::is_directory(wurzel, ec)) {
        std::fprintf(stderr, "verify: Ordner %s fehlt\n", wurzel.c_str());
        return 1;
    }
    std::vector<fs::path> dateien;
    for (fs::recursive_directory_iterator it(wurzel, ec), ende; !ec && it != ende; it.increment(ec))
        if (it->is_regular_file() && it->path().extension() == ".cfg") dateien.push_back(it->path());
    std::sort(dateien.begin(), dateien.end());

    int fehler = 0, geprueft = 0;
    Read_Config_Set_Pruefung(true);
    for (const fs::path& p : dateien) {
        int32_t modus, satz;
        bool alias;
        if (!name_deuten(p.filename().string(), &modus, &satz, &alias)) {
            melden(stdout, "übersprungen (kein Konfigurationsname): " + p.string() + "\n");
            continue;
        }
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s",
                      p.parent_path().string().c_str());
        bool offen = alias ? Read_Config_Open(modus, -1, satz) : Read_Config_Open(modus, satz, -1);
        if (!offen) {
            melden(stdout, "FEHLER nicht lesbar: " + p.string() + "\n");
            ++fehler;
            continue;
        }
        int eintraege = 0;
        while (*Read_Config_Read_Zeile(nullptr, true)) ++eintraege;
        uint32_t summe = 0;
        bool ok = Read_Config_Check_Summe(&summe);
        Read_Config_Close();
        ++geprueft;
        char zeile[160];
        std::snprintf(zeile, sizeof zeile, ": %d Einträge, Summe %u\n", eintraege, summe);
        melden(stdout, (ok ? "OK " : "FEHLER Checksumme falsch: ") + p.string() + zeile);
        if (!ok) ++fehler;
    }
    char zeile[80];
    std::snprintf(zeile, sizeof zeile, "verify: %d Dateien geprüft, %d fehlerhaft\n", geprueft, fehler);
    melden(stdout, zeile);
    return fehler ? 1 : 0;
}

}  // namespace

DATAGEN_SCHRITT("config-probe", config_probe, false);
DATAGEN_SCHRITT("verify", verify, false);
