// dorvin_spielfeld aufstellung --welt DIR --seed S HOME AWAY [--aus DATEI]: fills the live record
// of a game of the world in DIR (as the data builder writes it) between clubs HOME and AWAY, prints
// both sides as the pitch sees them and writes the record's saved image (default
// spielfeld_S_HOME_AWAY.bin). Two runs with the same arguments print and write the same.
//
// dorvin_spielfeld schuss --welt DIR --seed S X Y ZIELX ZIELY TEMPO ABSCHUSS: fills the record of
// clubs 1 and 2, kicks the ball from (X, Y) towards (ZIELX, ZIELY) at TEMPO cm/s with the launch
// speed ABSCHUSS and prints every 28-ms step of the ball and the contacts until the ball rests.
//
// dorvin_spielfeld spiel --welt DIR --seed S HOME AWAY: a new game of the world, a friendly of the
// two clubs on the first free day, played on the pitch through the match day: every event (minute,
// code, players), the score and both sides' statistics. Two runs print the same.
//
// dorvin_spielfeld saison --welt DIR --seed S: the default club's league plays its season on the
// pitch; the table with each club's strength (the team value the pitch balances, the mean over
// its games), the rank correlation of that strength with the points, and per game goals, home
// wins, draws, shots, corners, fouls, cards, substitutions and injuries.
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "bench/spielfeld_spieltag.h"
#include "bench/spielfeld_welt.h"
#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "database/team_staerke.h"
#include "match/pitch/spielfeld_ereignis.h"
#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/pitch/spielfeld_verhalten.h"
#include "match/spielfeld.h"
#include "platform/os/os_text.h"
#include "platform/print.h"
#include "platform/win95.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_taktik.h"

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
                         "       dorvin_spielfeld schuss --welt ORDNER --seed S X Y ZIELX ZIELY TEMPO ABSCHUSS\n"
                         "       dorvin_spielfeld spiel --welt ORDNER --seed S HEIM GAST\n"
                         "       dorvin_spielfeld saison --welt ORDNER --seed S [--weg platz|verein|aus|computer|computer_aus|assistent|assistent_aus] [--verein N]\n"
                         "              [--aufstellung 0..5]\n");
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


// ---- games through the match day ----

namespace sst = spielfeld_spieltag;

// The new game's own folder (savegames, settings), gone when the run ends.
struct Lauf_Ordner {
    std::filesystem::path ordner;
    Lauf_Ordner()
    {
        std::error_code fehler;
        ordner = std::filesystem::temp_directory_path(fehler) / ("dorvin_spielfeld_" + std::to_string(::getpid()));
    }
    ~Lauf_Ordner()
    {
        std::error_code fehler;
        std::filesystem::remove_all(ordner, fehler);
    }
};

const char* name(int32_t team) { return Team_String(TEAM_NAME, team, nullptr, TEAM_LESEN); }

// The figures of one side of a pitch game.
struct Seite_Zahlen {
    int32_t schuesse = 0, ecken = 0, fouls = 0, freistoesse = 0, elfmeter = 0, gelb = 0, gelb_rot = 0, rot = 0,
            wechsel = 0, verletzungen = 0;
};

Seite_Zahlen seite_zahlen(const Spielfeld_Record& r, int32_t s, int32_t spiel)
{
    Seite_Zahlen z;
    for (int32_t slot = 16 * s; slot < 16 * s + 16; ++slot) z.schuesse += r.statistik[slot][2];
    z.ecken = r.ecken[s];
    z.fouls = r.fouls[s];
    z.freistoesse = r.freistoesse[s];
    z.elfmeter = r.elfmeter[s];
    z.gelb = r.gelb[s];
    z.gelb_rot = r.gelb_rot[s];
    z.rot = r.rot[s];
    z.wechsel = r.wechsel[s];
    Spiele_Ereignis_Info e;
    for (bool da = Spiele_Get_Erstes_Ereignis(spiel, &e); da; da = Spiele_Get_Naechstes_Ereignis(&e))
        if ((e.flags & EREIGNIS_VERLETZUNG) && ((e.flags & SPE_HEIM) != 0) == (s == 0)) ++z.verletzungen;
    return z;
}

// The game of the two clubs among the running day's games; -1 none.
int32_t spiel_des_tages(int32_t heim, int32_t gast)
{
    int32_t gefunden = -1;
    sst::jedes_spiel([&](int32_t, int32_t g) {
        const Spiele_Spiel* m = Spiele_Get_Spiel(g, 1);
        if (gefunden < 0 && m && m->heim == heim && m->gast == gast) gefunden = g;
    });
    return gefunden;
}

constexpr int64_t MAX_SCHLEIFE = 400000000;

int spiel(const std::string& welt, int32_t seed, int32_t heim, int32_t gast)
{
    std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s/config_files", welt.c_str());
    Lauf_Ordner lauf;
    if (!sst::neues_spiel(lauf.ordner, seed)) {
        std::fprintf(stderr, "dorvin_spielfeld: Welt %s nicht lesbar\n", welt.c_str());
        return 1;
    }
    if (heim == gast || !Team_Ist_Normal(heim, 0) || !Team_Ist_Normal(gast, 0)) {
        std::fprintf(stderr, "dorvin_spielfeld: Teams %d/%d falsch\n", heim, gast);
        return 1;
    }
    int32_t tag = -1;
    for (int32_t k = 1; k <= 120 && tag < 0; ++k)
        if (Wettbewerb_Freundschaftsspiel_Einfuegen(Aktueller_Tag + k, heim, gast)) tag = Aktueller_Tag + k;
    if (tag < 0) {
        std::fprintf(stderr, "dorvin_spielfeld: kein freier Tag für das Spiel\n");
        return 1;
    }
    sst::auf_den_platz(heim);
    sst::auf_den_platz(gast);
    int32_t g = -1;
    while (g < 0) {
        if (!sst::bis(ABLAUF_SPIELTAG_SCHLIESSEN, MAX_SCHLEIFE) || Aktueller_Tag > tag) {
            std::fprintf(stderr, "dorvin_spielfeld: der Spieltag %d endet nicht\n", tag);
            return 1;
        }
        if (Aktueller_Tag == tag) g = spiel_des_tages(heim, gast);
        if (g < 0) Ablauf_Schritt();
    }
    const Spielfeld_Record* r = Spielfeld_Get_Spiel(g);
    const Spiele_Spiel m = *Spiele_Get_Spiel(g, 1);
    ausgeben("Freundschaftsspiel %d am Tag %d: %s - %s, Seed %d, %s\n", g, tag, name(heim), name(gast), seed,
             r && r->aktiv ? "auf dem Platz" : "im Hintergrund");
    Spiele_Ereignis_Info e;
    for (bool da = Spiele_Get_Erstes_Ereignis(g, &e); da; da = Spiele_Get_Naechstes_Ereignis(&e))
        ausgeben("%3d. Minute  Code %7u  Spieler %5d %5d\n", e.minute, e.flags, e.spieler_1, e.spieler_2);
    if (r) ausgeben("Schlusspfiff in der %d. Minute, %u Halbzeiten\n", int32_t(r->minute), unsigned(r->halbzeiten));
    ausgeben("Ergebnis %d:%d%s%s\n", m.heim_tore, m.gast_tore, (m.ergebnis_art & SPIELE_ART_NV) ? " n.V." : "",
             (m.ergebnis_art & SPIELE_ART_NE) ? " i.E." : "");
    if (!r) return 0;
    ausgeben("               Schüsse Ecken Fouls Freistöße Elfmeter Gelb Gelb-Rot Rot Wechsel Verletzungen\n");
    for (int32_t s = 0; s < 2; ++s) {
        const Seite_Zahlen z = seite_zahlen(*r, s, g);
        ausgeben("%-14.14s %7d %5d %5d %9d %8d %4d %8d %3d %7d %12d\n", name(s ? gast : heim), z.schuesse, z.ecken, z.fouls,
                 z.freistoesse, z.elfmeter, z.gelb, z.gelb_rot, z.rot, z.wechsel, z.verletzungen);
    }
    return 0;
}

struct Tabellen_Zeile {
    int32_t team = 0, spiele = 0, punkte = 0, tore = 0, gegentore = 0, staerke = 0;
    int64_t wert_summe = 0;
    int32_t wert_spiele = 0;
};

// The team value the pitch balances (as the record takes it at the kick-off).
int32_t team_wert(int32_t team)
{
    int32_t m[5][6] = {};
    Team_Staerke(255, 2, team, m);
    return m[4][4];
}

// Ranks from 1, ties sharing their mean rank.
std::vector<double> raenge(const std::vector<double>& w)
{
    std::vector<size_t> folge(w.size());
    for (size_t i = 0; i < folge.size(); ++i) folge[i] = i;
    std::sort(folge.begin(), folge.end(), [&](size_t a, size_t b) { return w[a] < w[b]; });
    std::vector<double> rang(w.size());
    for (size_t i = 0; i < folge.size();) {
        size_t j = i;
        while (j + 1 < folge.size() && w[folge[j + 1]] == w[folge[i]]) ++j;
        for (size_t k = i; k <= j; ++k) rang[folge[k]] = double(i + j) / 2.0 + 1.0;
        i = j + 1;
    }
    return rang;
}

// Spearman's rank correlation of two series.
double rangkorrelation(const std::vector<double>& a, const std::vector<double>& b)
{
    const std::vector<double> ra = raenge(a), rb = raenge(b);
    const double n = double(a.size());
    double ma = 0, mb = 0;
    for (size_t i = 0; i < ra.size(); ++i) ma += ra[i], mb += rb[i];
    ma /= n, mb /= n;
    double sab = 0, saa = 0, sbb = 0;
    for (size_t i = 0; i < ra.size(); ++i) {
        sab += (ra[i] - ma) * (rb[i] - mb);
        saa += (ra[i] - ma) * (ra[i] - ma);
        sbb += (rb[i] - mb) * (rb[i] - mb);
    }
    return saa > 0 && sbb > 0 ? sab / std::sqrt(saa * sbb) : 0.0;
}

// Which games of the league play on the pitch, and who runs the club of the new game's manager:
// all games; the manager's club's (as he watches them); none (every broadcast off); the club's,
// or none, with the computer running it; the club's, or none, with his line-up and tactics tasks
// handed to assistants. A line "Verein" gives the club's season for comparing the ways.
enum class Weg { PLATZ, VEREIN, AUS, COMPUTER, COMPUTER_AUS, ASSISTENT, ASSISTENT_AUS };

// The manager applies stored line-up n of the set in use, as his click on "Aufstellung n+1" of
// the line-up screen does: his eleven takes that formation's places, and keeps it while he leaves it.
void aufstellung_anwenden(int32_t verein, int32_t n)
{
    const int32_t vorher = Aktuelles_Team;
    Aktuelles_Team = verein;
    Spieler_Einsetzen_Aufstellung_Anwenden(n);
    Aktuelles_Team = vorher;
}

int saison(const std::string& welt, int32_t seed, Weg weg, int32_t verein_wahl, int32_t aufstellung)
{
    std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s/config_files", welt.c_str());
    Lauf_Ordner lauf;
    if (!sst::neues_spiel(lauf.ordner, seed, verein_wahl)) {
        if (verein_wahl >= 0) std::fprintf(stderr, "dorvin_spielfeld: Welt %s nicht lesbar oder Verein %d nicht wählbar\n", welt.c_str(), verein_wahl);
        else std::fprintf(stderr, "dorvin_spielfeld: Welt %s nicht lesbar\n", welt.c_str());
        return 1;
    }
    int32_t verein = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (Team_Hat_Manager(t)) {
            verein = t;
            break;
        }
    if (weg == Weg::AUS) Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_ALLE_AUS, verein);
    if (aufstellung >= 0) aufstellung_anwenden(verein, aufstellung);
    if (weg == Weg::COMPUTER || weg == Weg::COMPUTER_AUS) Manager_Mitspieler_Killen(verein);
    if (weg == Weg::COMPUTER) sst::auf_den_platz(verein);
    if (weg == Weg::ASSISTENT || weg == Weg::ASSISTENT_AUS) {
        // the line-up and the tactics tasks handed to assistants
        sst::an_assistent(verein, 0);
        sst::an_assistent(verein, 1);
        if (weg == Weg::ASSISTENT_AUS) Team_Uebertragung_Setzen(TEAM_UEBERTRAGUNG_ALLE_AUS, verein);
    }
    const int32_t liga = Team_Wert(TEAM_LIGA, verein, 0, TEAM_LESEN);
    std::map<int32_t, Tabellen_Zeile> tabelle;
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (Team_Ist_Normal(t, 0) && Team_Wert(TEAM_LIGA, t, 0, TEAM_LESEN) == liga) {
            if (weg == Weg::PLATZ) sst::auf_den_platz(t);
            tabelle[t] = {t, 0, 0, 0, 0, team_wert(t)};
        }
    const int32_t n = int32_t(tabelle.size());
    const int32_t alle = n * (n - 1);
    int32_t gespielt = 0, tore = 0, heimsiege = 0, remis = 0, nicht_platz = 0;
    Seite_Zahlen summe;
    while (gespielt < alle) {
        if (!sst::bis(ABLAUF_SPIELTAG_SCHLIESSEN, MAX_SCHLEIFE) || Aktueller_Tag > 400) {
            std::fprintf(stderr, "dorvin_spielfeld: Tag %d endet nicht (%d von %d Spielen)\n", Aktueller_Tag, gespielt, alle);
            return 1;
        }
        sst::jedes_spiel([&](int32_t c, int32_t g) {
            const Wettbewerb_Info* info = Wettbewerb_Get_Info(c);
            if (!info || !info->basisliga) return;
            const Spiele_Spiel m = *Spiele_Get_Spiel(g, 1);
            if (!tabelle.count(m.heim) || !tabelle.count(m.gast)) return;
            const Spielfeld_Record* r = Spielfeld_Get_Spiel(g);
            if (!r || !r->aktiv) ++nicht_platz;
            if (r)
                ausgeben("Partie %d %d %d %d %d %d %d %d %d\n", r->staerke[0], r->staerke[1], r->team_wert[0], r->team_wert[1],
                         m.heim_tore, m.gast_tore, r->aktiv, Team_Hat_Manager(m.heim), Team_Hat_Manager(m.gast));
            ++gespielt;
            tore += m.heim_tore + m.gast_tore;
            heimsiege += m.heim_tore > m.gast_tore;
            remis += m.heim_tore == m.gast_tore;
            Tabellen_Zeile& h = tabelle[m.heim];
            Tabellen_Zeile& a = tabelle[m.gast];
            ++h.spiele, ++a.spiele;
            h.tore += m.heim_tore, h.gegentore += m.gast_tore;
            a.tore += m.gast_tore, a.gegentore += m.heim_tore;
            h.punkte += m.heim_tore > m.gast_tore ? 3 : m.heim_tore == m.gast_tore ? 1 : 0;
            if (r) {
                h.wert_summe += r->team_wert[0], ++h.wert_spiele;
                a.wert_summe += r->team_wert[1], ++a.wert_spiele;
            }
            a.punkte += m.gast_tore > m.heim_tore ? 3 : m.heim_tore == m.gast_tore ? 1 : 0;
            for (int32_t seite = 0; r && seite < 2; ++seite) {
                const Seite_Zahlen z = seite_zahlen(*r, seite, g);
                summe.schuesse += z.schuesse, summe.ecken += z.ecken, summe.fouls += z.fouls, summe.freistoesse += z.freistoesse;
                summe.gelb += z.gelb, summe.gelb_rot += z.gelb_rot, summe.rot += z.rot;
                summe.wechsel += z.wechsel, summe.verletzungen += z.verletzungen, summe.elfmeter += z.elfmeter;
            }
            ausgeben("Tag %3d  %-14.14s - %-14.14s %d:%d\n", Aktueller_Tag, name(m.heim), name(m.gast), m.heim_tore,
                     m.gast_tore);
        });
        Ablauf_Schritt();
    }
    std::vector<Tabellen_Zeile> z;
    for (auto [t, zeile] : tabelle) {
        if (zeile.wert_spiele > 0) zeile.staerke = int32_t(zeile.wert_summe / zeile.wert_spiele);
        z.push_back(zeile);
    }
    std::sort(z.begin(), z.end(), [](const Tabellen_Zeile& a, const Tabellen_Zeile& b) {
        if (a.punkte != b.punkte) return a.punkte > b.punkte;
        if (a.tore - a.gegentore != b.tore - b.gegentore) return a.tore - a.gegentore > b.tore - b.gegentore;
        return a.tore > b.tore;
    });
    ausgeben("\nPlatz Verein          Sp. Tore   Pkt. Stärke\n");
    for (size_t i = 0; i < z.size(); ++i)
        ausgeben("%5zu %-14.14s %3d %3d:%-3d %4d %6d\n", i + 1, name(z[i].team), z[i].spiele, z[i].tore, z[i].gegentore,
                 z[i].punkte, z[i].staerke);
    // Stronger clubs should stand higher: the mean strength of the upper and the lower half.
    int64_t oben = 0, unten = 0;
    for (size_t i = 0; i < z.size(); ++i) (i < z.size() / 2 ? oben : unten) += z[i].staerke;
    const double g = gespielt > 0 ? double(gespielt) : 1.0;
    ausgeben("\n%d Spiele (%d nicht auf dem Platz), je Spiel: Tore %.2f, Heimsiege %.0f %%, Remis %.0f %%, Schüsse %.1f, "
             "Ecken %.1f, Fouls %.1f, Freistöße %.1f, Elfmeter %.2f, Gelb %.2f, Gelb-Rot %.2f, Rot %.2f, Wechsel %.2f, Verletzungen %.2f\n",
             gespielt, nicht_platz, tore / g, 100.0 * heimsiege / g, 100.0 * remis / g, summe.schuesse / g, summe.ecken / g,
             summe.fouls / g, summe.freistoesse / g, summe.elfmeter / g, summe.gelb / g, summe.gelb_rot / g, summe.rot / g, summe.wechsel / g,
             summe.verletzungen / g);
    // over the whole league, and over the computer's clubs alone (the manager's club here only
    // fills the gaps in his eleven)
    std::vector<double> staerken[2], punkte[2];
    for (const Tabellen_Zeile& t : z)
        for (int32_t k = 0; k < 2; ++k)
            if (k == 0 || !Team_Hat_Manager(t.team)) staerken[k].push_back(t.staerke), punkte[k].push_back(t.punkte);
    ausgeben("Rangkorrelation Stärke/Punkte %.2f, ohne Managervereine %.2f\n", rangkorrelation(staerken[0], punkte[0]),
             rangkorrelation(staerken[1], punkte[1]));
    // the manager's club: its points and the place of its strength in the league (1 the strongest)
    for (const Tabellen_Zeile& t : z) {
        if (t.team != verein) continue;
        int32_t platz = 1;
        for (const Tabellen_Zeile& u : z) platz += u.staerke > t.staerke;
        ausgeben("Verein %d: %d Punkte aus %d Spielen, %d:%d Tore, Stärke %d. von %zu", verein, t.punkte, t.spiele, t.tore,
                 t.gegentore, platz, z.size());
        // the stored line-up of the set in use that the manager's eleven plays, as its button names it
        const int32_t gespeichert =
            Team_Hat_Manager(verein) ? Team_Wert(170 + Spieler_Einsetzen_Get_Modus(verein), verein, 0, TEAM_LESEN) : -1;
        if (gespeichert >= 0) ausgeben(", Aufstellung %d", gespeichert + 1);
        ausgeben("\n");
    }
    const size_t haelfte = std::max<size_t>(z.size() / 2, 1);
    ausgeben("Mittlere Stärke obere Hälfte %.1f, untere Hälfte %.1f\n", double(oben) / double(haelfte),
             double(unten) / double(std::max<size_t>(z.size() - z.size() / 2, 1)));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool ist_schuss = argc >= 2 && std::strcmp(argv[1], "schuss") == 0;
    const bool ist_spiel = argc >= 2 && std::strcmp(argv[1], "spiel") == 0;
    const bool ist_saison = argc >= 2 && std::strcmp(argv[1], "saison") == 0;
    if (argc < 2 || (!ist_schuss && !ist_spiel && !ist_saison && std::strcmp(argv[1], "aufstellung") != 0)) return nutzung();
    std::string welt, aus;
    int32_t seed = -1;
    Weg weg = Weg::PLATZ;
    int32_t verein_wahl = -1, aufstellung = -1;
    std::vector<int32_t> teams;
    for (int i = 2; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--welt") && i + 1 < argc) welt = argv[++i];
        else if (!std::strcmp(argv[i], "--aus") && i + 1 < argc) aus = argv[++i];
        else if (!std::strcmp(argv[i], "--weg") && i + 1 < argc) {
            const std::string w = argv[++i];
            if (w == "platz") weg = Weg::PLATZ;
            else if (w == "verein") weg = Weg::VEREIN;
            else if (w == "aus") weg = Weg::AUS;
            else if (w == "computer") weg = Weg::COMPUTER;
            else if (w == "computer_aus") weg = Weg::COMPUTER_AUS;
            else if (w == "assistent") weg = Weg::ASSISTENT;
            else if (w == "assistent_aus") weg = Weg::ASSISTENT_AUS;
            else return nutzung();
        } else if (!std::strcmp(argv[i], "--verein") && i + 1 < argc) {
            if (!zahl(argv[++i], &verein_wahl) || verein_wahl < 0) return nutzung();
        } else if (!std::strcmp(argv[i], "--aufstellung") && i + 1 < argc) {
            if (!zahl(argv[++i], &aufstellung) || aufstellung < 0 || aufstellung > 5) return nutzung();
        }
        else if (!std::strcmp(argv[i], "--seed") && i + 1 < argc) {
            if (!zahl(argv[++i], &seed) || seed < 0 || seed >= ZUFALL_MODUL) return nutzung();
        } else {
            int32_t t = 0;
            if (!zahl(argv[i], &t)) return nutzung();
            teams.push_back(t);
        }
    }
    if (ist_spiel) {
        if (welt.empty() || seed < 0 || teams.size() != 2) return nutzung();
        return spiel(welt, seed, teams[0], teams[1]);
    }
    if (ist_saison) {
        if (welt.empty() || seed < 0 || !teams.empty()) return nutzung();
        return saison(welt, seed, weg, verein_wahl, aufstellung);
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
