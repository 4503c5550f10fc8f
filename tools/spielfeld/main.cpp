// dorvin_spielfeld aufstellung --welt DIR --seed S HOME AWAY [--aus DATEI]: fills the live record
// of a game of the world in DIR (as the data builder writes it) between clubs HOME and AWAY, prints
// both sides as the pitch sees them and writes the record's saved image (default
// spielfeld_S_HOME_AWAY.bin). Two runs with the same arguments print and write the same.
//
// dorvin_spielfeld schuss --welt DIR --seed S X Y ZIELX ZIELY TEMPO ABSCHUSS: fills the record of
// clubs 1 and 2, kicks the ball from (X, Y) towards (ZIELX, ZIELY) at TEMPO cm/s with the launch
// speed ABSCHUSS and prints every 28-ms step of the ball and the contacts until the ball rests.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/spielfeld_welt.h"
#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_verhalten.h"
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
    std::fprintf(stderr, "Aufruf: dorvin_spielfeld aufstellung --welt ORDNER --seed S HEIM GAST [--aus DATEI]\n"
                         "       dorvin_spielfeld schuss --welt ORDNER --seed S X Y ZIELX ZIELY TEMPO ABSCHUSS\n");
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

constexpr int32_t SCHRITT_MS = 28;
constexpr int32_t MAX_SCHRITTE = 3000;

// Kicks the ball on the record and steps ball and contacts until it rests.
int schuss(Spielfeld_Record& r, const std::vector<int32_t>& w)
{
    Spielfeld_Objekt& ball = r.objekt[SPIELFELD_BALL];
    Spielfeld_Objekt_Setzen(&r, SPIELFELD_BALL, w[0], w[1], 0);
    if (!Spielfeld_Auftrag_Geben(&r, SPIELFELD_BALL, w[2], w[3], 0, w[4], ANIM_BALL, 0, 0, 0, -1, 1, 0, -1, 0)) {
        std::fprintf(stderr, "dorvin_spielfeld: der Ball nimmt den Schuss nicht an\n");
        return 1;
    }
    Spielfeld_Aktueller_Auftrag(&ball)->start_tempo = float(w[5]);
    ball.flug_start = ball.flug_uhr = 0.0f;
    const int32_t global = Zufall_Get_Seed();
    Zufall_Set_Seed(int32_t(r.seed));
    ausgeben("Schritt   ms      x      y      z Zone Sit. Halter Ereignis\n");
    uint32_t letzter_code = r.kopf.code;
    int32_t k = 0;
    for (; k < MAX_SCHRITTE; ++k) {
        Spielfeld_Objekt_Bewegen(&r, SPIELFELD_BALL, &ball, SCHRITT_MS, 1);
        Spielfeld_Kontakte_Aufloesen(&r);
        ausgeben("%7d %5d %6.0f %6.0f %6.1f %4u %4u %6d", k + 1, (k + 1) * SCHRITT_MS, double(ball.x), double(ball.y),
                 double(ball.z), r.ball_zustand, r.situation, int(r.ballhalter));
        if (r.kopf.code != letzter_code) {
            ausgeben(" 0x%X (Slot %d, Zweiter %d)", r.kopf.code, int(r.kopf.slot), int(r.kopf.zweiter));
            letzter_code = r.kopf.code;
        }
        ausgeben("\n");
        const Spielfeld_Auftrag& a = *Spielfeld_Aktueller_Auftrag(&ball);
        if (ball.vx == 0.0f && ball.vy == 0.0f && ball.z == 0.0f && a.start_tempo == 0.0f) break;
    }
    r.seed = uint32_t(Zufall_Get_Seed());
    Zufall_Set_Seed(global);
    ausgeben("Ball ruht nach %d Schritten bei (%.0f, %.0f); Tore %d:%d, Ecken %d/%d, Situation %u\n", k + 1,
             double(ball.x), double(ball.y), r.tore[0], r.tore[1], r.ecken[0], r.ecken[1], r.situation);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool ist_schuss = argc >= 2 && std::strcmp(argv[1], "schuss") == 0;
    if (argc < 2 || (!ist_schuss && std::strcmp(argv[1], "aufstellung") != 0)) return nutzung();
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
    if (ist_schuss) {
        if (welt.empty() || seed < 0 || teams.size() != 6) return nutzung();
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s/config_files", welt.c_str());
        const int32_t h = Spielfeld_Welt_Spiel(seed, 1, 2);
        Spielfeld_Init();
        Zufall_Set_Seed(seed);
        if (h < 0 || !Spielfeld_Record_Anlegen(h, 0, 0, nullptr, 1, 0)) {
            std::fprintf(stderr, "dorvin_spielfeld: Welt %s nicht lesbar oder Record nicht angelegt\n", welt.c_str());
            return 1;
        }
        const int rc = schuss(*Spielfeld_Get_Spiel(h), teams);
        Spielfeld_DeInit();
        return rc;
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
