// dorvin_spielfeld aufstellung --welt DIR --seed S HOME AWAY [--aus DATEI]: fills the live record
// of a game of the world in DIR (as the data builder writes it) between clubs HOME and AWAY, prints
// both sides as the pitch sees them and writes the record's saved image (default
// spielfeld_S_HOME_AWAY.bin). Two runs with the same arguments print and write the same.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/spielfeld_welt.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/spielfeld.h"
#include "platform/os/os_text.h"
#include "platform/print.h"
#include "platform/win95.h"

namespace {

// The program's texts are Windows-1252; the terminal reads UTF-8.
std::string zeile;
void ausgeben(const char* format, ...) __attribute__((format(printf, 1, 2)));
void ausgeben(const char* format, ...)
{
    char puffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(puffer, sizeof puffer, format, args);
    va_end(args);
    zeile += puffer;
    const size_t ende = zeile.rfind('\n');
    if (ende == std::string::npos) return;
    std::fputs(Os_Text_Utf8(std::string_view(zeile).substr(0, ende + 1)).c_str(), stdout);
    zeile.erase(0, ende + 1);
}

int nutzung()
{
    std::fprintf(stderr, "Aufruf: dorvin_spielfeld aufstellung --welt ORDNER --seed S HEIM GAST [--aus DATEI]\n");
    return 2;
}

bool zahl(const char* s, int32_t* aus)
{
    char* ende = nullptr;
    const long v = std::strtol(s, &ende, 10);
    if (!s[0] || *ende || v < -2147483647L || v > 2147483647L) return false;
    *aus = int32_t(v);
    return true;
}

void seite_ausgeben(const Spielfeld_Record& r, int32_t seite)
{
    ausgeben("Seite %d: Team %u, greift x=%d an, Einsatz %d, Taktik", seite, r.team[seite], r.tor_x[seite], r.einsatz[seite]);
    for (uint8_t t : r.taktik_werte[seite]) ausgeben(" %d", t);
    ausgeben("\n");
    ausgeben("Schützen: Freistoß %d, Elfmeter %d, Ecke %d\n", int32_t(r.freistoss_schuetze[seite]),
                int32_t(r.elfmeter_schuetze[seite]), int32_t(r.ecken_schuetze[seite]));
    for (int32_t slot = 16 * seite; slot < 16 * seite + 16; ++slot) {
        const Spielfeld_Spieler& e = r.spieler[slot];
        if (e.spnr < 0) continue;
        const Spielfeld_Objekt& o = r.objekt[slot];
        ausgeben("%2d spieler %5d nr %2d zustand %4u %s ort (%5.0f,%5.0f) punkte", slot, e.spnr, e.anweisung[2], e.zustand,
                    o.torwart ? "TW" : "  ", double(o.x), double(o.y));
        for (int32_t p : e.taktik_punkte) ausgeben(" %5d", p);
        ausgeben(" werte");
        for (uint16_t w : e.faehigkeit) ausgeben(" %3u", unsigned(w));
        ausgeben(" Kraft %u Fitness %d\n", e.kraft, e.fitness);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "aufstellung") != 0) return nutzung();
    std::string welt, aus;
    int32_t seed = -1;
    std::vector<int32_t> teams;
    for (int i = 2; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--welt") && i + 1 < argc) welt = argv[++i];
        else if (!std::strcmp(argv[i], "--aus") && i + 1 < argc) aus = argv[++i];
        else if (!std::strcmp(argv[i], "--seed") && i + 1 < argc) {
            if (!zahl(argv[++i], &seed) || seed < 0 || seed >= ZUFALL_MODUL) return nutzung();
        } else {
            int32_t t = 0;
            if (!zahl(argv[i], &t)) return nutzung();
            teams.push_back(t);
        }
    }
    if (welt.empty() || seed < 0 || teams.size() != 2) return nutzung();
    std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s/config_files", welt.c_str());
    const int32_t h = Spielfeld_Welt_Spiel(seed, teams[0], teams[1]);
    if (h < 0) {
        std::fprintf(stderr, "dorvin_spielfeld: Welt %s nicht lesbar oder Teams %d/%d falsch\n", welt.c_str(), teams[0], teams[1]);
        return 1;
    }
    Spielfeld_Init();
    Zufall_Set_Seed(seed);
    if (!Spielfeld_Record_Anlegen(h, 0, 0, nullptr, teams[0], 0)) {
        std::fprintf(stderr, "dorvin_spielfeld: Record nicht angelegt\n");
        return 1;
    }
    Spielfeld_Record r = *Spielfeld_Get_Spiel(h);
    // The frame time is the clock's: the image holds 0 there so that runs compare.
    r.frame_zeit = 0;
    ausgeben("Spiel %d, Seed %d, Seiten getauscht %d, Stärke %d/%d\n", h, seed, r.seiten_getauscht, r.staerke[0], r.staerke[1]);
    for (int32_t s = 0; s < 2; ++s) seite_ausgeben(r, s);
    std::vector<uint8_t> bild(SPIELFELD_RECORD_BYTES);
    Spielfeld_Record_Schreiben(r, bild.data());
    if (aus.empty()) aus = "spielfeld_" + std::to_string(seed) + "_" + std::to_string(teams[0]) + "_" + std::to_string(teams[1]) + ".bin";
    FILE* f = std::fopen(aus.c_str(), "wb");
    if (!f || std::fwrite(bild.data(), 1, bild.size(), f) != bild.size() || std::fclose(f) != 0) {
        std::fprintf(stderr, "dorvin_spielfeld: %s nicht schreibbar\n", aus.c_str());
        return 1;
    }
    ausgeben("Abbild: %s (%u Bytes)\n", aus.c_str(), SPIELFELD_RECORD_BYTES);
    Spielfeld_DeInit();
    return 0;
}
