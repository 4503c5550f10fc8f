// A match day of a prepared savegame played by three PCs on loopback: a server with its own
// manager and two clients holding the other managers' clubs play it and reach the next day's
// round; a client that goes down during the match day leaves it to the others.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "../network/relais.h"
#include "netz_lauf.h"
#include "programm_bilder.h"

namespace {

using namespace programm_lauf;
using namespace netz_lauf;

// Three program folders; the server's holds a game of three managers saved in the round of the
// day on which their clubs play next.
class Netz_Spieltag : public testing::Test {
protected:
    static inline Drei_Rechner r;
    static inline Installation &server = r.server, &eins = r.eins, &zwei = r.zwei;
    static inline bool vorbereitet = false;

    static void SetUpTestSuite()
    {
        vorbereitet = r.anlegen("ntag") && vor_dem_spieltag(server, {"Anna", "Bernd", "Carl"});
    }
    static void TearDownTestSuite() { r.aufraeumen(); }
    void SetUp() override
    {
        ASSERT_TRUE(vorbereitet) << "the savegame could not be prepared\n" << netz_test::datei_lesen((server.ordner / "vorbereiten_fehler.txt").string());
    }

    // The turns end one after the other, so that no notice of another's ended turn comes over
    // a turn's clicks: the server's once both clients' rounds have begun, then the clients' in
    // the order of their clubs' choice, each once it has acknowledged the notices before.
    static void server_skript(const Skript& danach)
    {
        Skript s{"game vereine 2", "game runden 2"};
        dazu(s, zug());
        dazu(s, danach);
        std::ofstream(server.ordner / "server.txt") << text(s);
    }
    // The turns' clicks, without waiting for input after them: the server's manager and a live
    // client answer the taker's panels of set pieces, which a held script would leave waiting.
    static void zug_klicks(Skript& s)
    {
        dazu(s, klick(WEITER_X, WEITER_Y));
        dazu(s, klick(150, 292));
        dazu(s, klick(470, 292));
    }
    // A client's script up to its turn's clicks: the club offered at `index`, the notices of the
    // turns ended before, the club's broadcast `wahl`.
    static Skript bis_zum_zug(int index, int wahl)
    {
        Skript k{"answer " + std::to_string(index)};
        for (int n = 1; n <= index + 1; ++n) {
            k.push_back("game zuege " + std::to_string(n));
            dazu(k, klick(470, 292));
        }
        dazu(k, {"game zug", "game uebertragung " + std::to_string(wahl), "wait 3000"});
        zug_klicks(k);
        return k;
    }
    // A client's script: the club offered at `index`, its turn, the match day; in the next day's
    // round its sum, then it leaves.
    static void client_skript(const Installation& c, int index, const Skript& am_spieltag)
    {
        Skript k{"answer " + std::to_string(index)};
        for (int n = 1; n <= index + 1; ++n) {
            k.push_back("game zuege " + std::to_string(n));
            dazu(k, klick(470, 292));
        }
        // A pause before the turn's end leaves the next client the time to acknowledge the
        // notice before, so that two never come over each other.
        dazu(k, {"game zug", "wait 3000"});
        dazu(k, zug());
        dazu(k, am_spieltag);
        dazu(k, {"game pruefsumme", "quit"});
        std::ofstream(c.ordner / "client.txt") << text(k);
    }

    // Starts the three programs on the prepared match day with their error texts kept, so that a
    // side cut out of step tells why.
    static bool mit_fehlertexten_starten(pid_t* s_pid, pid_t* e_pid, pid_t* z_pid)
    {
        fehler_texte_drucken = true;
        const bool gestartet = r.starten(s_pid, e_pid, z_pid, "vorbereitet");
        fehler_texte_drucken = false;
        return gestartet;
    }
};

TEST_F(Netz_Spieltag, ThreePcsPlayThePreparedMatchDayAndReachTheNextRound)
{
    // The server's own manager takes his turn once both clients' rounds have begun; in the next
    // day's round it prints every manager's club.
    server_skript({"game pruefsumme -2", "game allein", "quit"});
    client_skript(eins, 0, {});
    client_skript(zwei, 1, {});
    pid_t s_pid, e_pid, z_pid;
    ASSERT_TRUE(r.starten(&s_pid, &e_pid, &z_pid, "vorbereitet"));
    Drei_Rechner::Summen d;
    ASSERT_TRUE(r.beendet(s_pid, e_pid, z_pid, 300, 120, &d));
    // The server's own manager kept his club: three managers' clubs, each printed once.
    EXPECT_EQ(d.server.size(), 3u);
    for (const auto& [team, crc] : d.server) EXPECT_EQ(crc.size(), 1u) << team;
    // The same day, the same match day's games and the same records of each client's club on
    // the client and the server.
    EXPECT_EQ(d.eins.at(d.team_eins), d.server.at(d.team_eins));
    EXPECT_EQ(d.zwei.at(d.team_zwei), d.server.at(d.team_zwei));

    // The same day played at one PC from the same savegame: its three managers take their turns
    // in a row; every manager's club comes out as on the three PCs.
    Skript allein{"wait 1000"};
    for (int t = 0; t < 3; ++t) dazu(allein, zug());
    dazu(allein, {"game pruefsumme -2", "quit"});
    std::ofstream(server.ordner / "allein.txt") << text(allein);
    ASSERT_TRUE(gut_beendet(starten_im_hintergrund(server, "allein", "server", "vorbereitet"), server, "allein", 240));
    EXPECT_EQ(pruefsummen(server, "allein"), d.server);
}

// One client goes down while the match day plays: the server and the other client finish the
// day and reach the next day's round.
TEST_F(Netz_Spieltag, AClientKilledDuringTheMatchDayLeavesItToTheOthers)
{
    server_skript({"game pruefsumme", "game allein", "quit"});
    // The first client's picture is taken once the match day's screen takes its lines.
    const fs::path am_spiel = eins.ordner / "am_spiel.png";
    fs::remove(am_spiel);
    client_skript(eins, 0, {"wait 200", "dump " + am_spiel.string(), "game vereine 99"});
    client_skript(zwei, 1, {});
    pid_t s_pid, e_pid, z_pid;
    ASSERT_TRUE(r.starten(&s_pid, &e_pid, &z_pid, "vorbereitet"));
    bool gesehen = false;
    for (int i = 0; i < 3000 && !gesehen; ++i) {
        gesehen = fs::exists(am_spiel);
        if (!gesehen) usleep(100000);
    }
    EXPECT_TRUE(gesehen) << "the first client never reached the match day";
    kill(e_pid, SIGKILL);
    waitpid(e_pid, nullptr, 0);
    EXPECT_TRUE(gut_beendet(z_pid, zwei, "client", 300));
    EXPECT_TRUE(gut_beendet(s_pid, server, "server", 120));
    const auto b = pruefsummen(zwei, "client"), srv = pruefsummen(server, "server");
    ASSERT_EQ(b.size(), 1u) << "the remaining client reached the next round";
    EXPECT_EQ(srv.size(), 1u) << "the server reached the next round";
}

// Each client chooses its club's broadcast in its round, as the club's menu does: the server,
// whose copy decides at the match day, shows the client that chose live its match on the pitch,
// and the one that chose "Keine Übertragung" none. Every broadcast was off before.
TEST_F(Netz_Spieltag, AClientsBroadcastChoiceDecidesWhetherItSeesItsMatch)
{
    // Every PC stays to the final whistle, however long a busy machine makes the day.
    Skript srv{"game vereine 2", "game runden 2"};
    zug_klicks(srv);
    live_bis_zum_abpfiff(srv);
    dazu(srv, {"game pruefsumme -2", "game allein", "quit"});
    std::ofstream(server.ordner / "server.txt") << text(srv);
    const auto bild = [](const Installation& c) { return (c.ordner / "am_spiel.png").string(); };
    const auto skript = [&](const Installation& c, int index, int wahl) {
        Skript k = bis_zum_zug(index, wahl);
        dazu(k, {"wait 8000", "dump " + bild(c)});
        live_bis_zum_abpfiff(k);
        dazu(k, {"game pruefsumme", "quit"});
        std::ofstream(c.ordner / "client.txt") << text(k);
    };
    skript(eins, 0, 0);
    skript(zwei, 1, 2);
    pid_t s_pid, e_pid, z_pid;
    ASSERT_TRUE(mit_fehlertexten_starten(&s_pid, &e_pid, &z_pid));
    Drei_Rechner::Summen d;
    ASSERT_TRUE(r.beendet(s_pid, e_pid, z_pid, 300, 120, &d));
    // A client's start and its match day, live or not, are ordinary play: its fixture lists come
    // from the server's competitions, its game's record from the server, and its pitch writes
    // its game's events; no error text reports any of it (they came by the thousand).
    for (auto [c, name] : {std::pair{&eins, "live"}, std::pair{&zwei, "keine"}})
        for (const char* text : {"Cl: Spiele ", "Client-Zugriff: Spieler_Spielfeld_Staerke", "CLIENT-TEAM falsch!",
                                 "Menue_Screen_Refresh: REKURSIONSFEHLER!"})
            EXPECT_EQ(fehler_zaehlen(*c, "client", text), 0) << name << ": " << text;
    // Nor does the server that serves them: a line-up sent back with the marks that other clubs
    // set on the opponent on earlier days is ordinary too.
    EXPECT_EQ(auflisten(fehlertexte(server.ordner / "server_fehler.txt")), "");
    // The pitch of the live view is bright green; the menu behind a match day not shown is a
    // dark one. The camera follows the ball: at a corner, with the stands and the taker's panel
    // in the picture, the pitch fills only a fifth of it.
    const auto gruen = [&](const Installation& c, const std::string& name) {
        Bild b;
        if (!bild_lesen(bild(c), "netz_uebertragung_" + name, &b) || b.w != 640 || b.h != 480) return -1;
        int n = 0;
        for (int y = 30; y < 470; ++y)
            for (int x = 5; x < 600; ++x) {
                const int rot = b.at(x, y) >> 11, gr = (b.at(x, y) >> 5) & 63, blau = b.at(x, y) & 31;
                n += gr > 25 && gr / 2 > rot + 4 && gr / 2 > blau + 4;
            }
        return n;
    };
    EXPECT_GT(gruen(eins, "live"), 640 * 480 / 10) << "the client that chose live sees its match";
    EXPECT_LT(gruen(zwei, "keine"), 640 * 480 / 50) << "the client that chose none does not";
}

// Both clients sit in their turns and never end them: the round waits for them without a limit,
// but the server's own manager, his turn ended, still has his screen and quits at once.
TEST_F(Netz_Spieltag, TheServersManagerQuitsWhileTheClientsHoldTheRound)
{
    const fs::path wartet = server.ordner / "wartet.png";
    fs::remove(wartet);
    Skript srv{"game vereine 2", "game runden 2"};
    zug_klicks(srv);
    dazu(srv, {"wait 5000", "dump " + wartet.string(), "quit"});
    std::ofstream(server.ordner / "server.txt") << text(srv);
    for (auto [c, index] : {std::pair{&eins, 0}, std::pair{&zwei, 1}})
        std::ofstream(c->ordner / "client.txt") << text(Skript{"answer " + std::to_string(index), "wait 600000"});
    pid_t s_pid, e_pid, z_pid;
    ASSERT_TRUE(r.starten(&s_pid, &e_pid, &z_pid, "vorbereitet"));
    EXPECT_TRUE(gut_beendet(s_pid, server, "server", 180));
    EXPECT_TRUE(fs::exists(wartet)) << "the server's screen while the round waits";
    for (pid_t pid : {e_pid, z_pid}) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

// "Getrennt N" of a run: the live sides it stopped waiting for; -1 when it printed none.
int getrennt(const Installation& inst, const std::string& name)
{
    std::ifstream in(inst.ordner / (name + "_aus.txt"));
    std::string wort;
    int n = -1;
    while (in >> wort)
        if (wort == "Getrennt") in >> n;
    return n;
}

// The server's reasons for the live sides it stopped waiting for ("Spielfeld: Team ..."), one a
// line: a PC that falls out of step says why.
std::string trennungen(const Installation& server)
{
    std::ifstream in(server.ordner / "server_fehler.txt");
    std::string aus;
    for (std::string zeile; std::getline(in, zeile);)
        if (zeile.find("Spielfeld: Team") != std::string::npos) aus += zeile + "\n";
    return aus;
}

// "Abpfiff CLUB GAME HOME AWAY" of a run: each club's live game as its pitch ended it.
std::map<int, std::string> abpfiffe(const Installation& inst, const std::string& name)
{
    std::ifstream in(inst.ordner / (name + "_aus.txt"));
    std::map<int, std::string> aus;
    std::string wort, spiel, heim, gast;
    int team = 0;
    while (in >> wort)
        if (wort == "Abpfiff" && in >> team >> spiel >> heim >> gast) aus[team] = spiel + " " + heim + ":" + gast;
    return aus;
}

// Both clients and the server's own manager watch their matches live over a line of the internet:
// the clients reach the server through a relay that delays every byte by 150 ms one way and
// passes at most 32,000 bytes a second. Every side plays in step to the final whistle: no PC
// stopped waiting for another, and each client's club comes out as on the server.
TEST_F(Netz_Spieltag, ALiveMatchDayPlaysInStepOverAnInternetLine)
{
    // DORVIN_RELAIS_MS and DORVIN_RELAIS_RATE try the same day over another line.
    const auto wert = [](const char* name, int standard) {
        const char* v = std::getenv(name);
        return v && *v ? std::atoi(v) : standard;
    };
    const int ms = wert("DORVIN_RELAIS_MS", 150);
    netz_test::Relais relais(r.port, ms, wert("DORVIN_RELAIS_RATE", 32000));
    ASSERT_TRUE(relais.bereit());
    clients_einrichten({&eins, &zwei}, relais.port());
    // The slower the line, the longer the match day's clock runs while a PC waits for it.
    const int laenger = std::max(1, (ms + 149) / 150);
    Skript srv{"game vereine 2", "game runden 2", "game uebertragung 0"};
    zug_klicks(srv);
    live_bis_zum_abpfiff(srv, laenger);
    dazu(srv, {"game pruefsumme -2", "game getrennt", "game abpfiff", "game allein", "quit"});
    std::ofstream(server.ordner / "server.txt") << text(srv);
    for (auto [c, index] : {std::pair{&eins, 0}, std::pair{&zwei, 1}}) {
        Skript k = bis_zum_zug(index, 0);
        live_bis_zum_abpfiff(k, laenger);
        dazu(k, {"game pruefsumme", "game getrennt", "game abpfiff", "quit"});
        std::ofstream(c->ordner / "client.txt") << text(k);
    }
    pid_t s_pid, e_pid, z_pid;
    ASSERT_TRUE(mit_fehlertexten_starten(&s_pid, &e_pid, &z_pid));
    Drei_Rechner::Summen d;
    const testing::AssertionResult gut = r.beendet(s_pid, e_pid, z_pid, 400 * laenger, 200 * laenger, &d);
    // The later tests reach the server directly again.
    clients_einrichten({&eins, &zwei}, r.port);
    ASSERT_TRUE(gut);
    EXPECT_GE(relais.verbindungen(), 2);
    EXPECT_EQ(d.eins.at(d.team_eins), d.server.at(d.team_eins));
    EXPECT_EQ(d.zwei.at(d.team_zwei), d.server.at(d.team_zwei));
    for (auto [c, name] : {std::pair{&eins, "client"}, std::pair{&zwei, "client"}, std::pair{&server, "server"}})
        EXPECT_EQ(getrennt(*c, name), 0) << name << "\n" << trennungen(server);
    // The sums hold what the server sent: that the live pitches stayed in step shows in the score
    // each client's own pitch had at the final whistle, the server's for the same game.
    const auto am_server = abpfiffe(server, "server");
    for (auto [c, team] : {std::pair{&eins, d.team_eins}, std::pair{&zwei, d.team_zwei}}) {
        const auto am_client = abpfiffe(*c, "client");
        ASSERT_EQ(am_client.count(team), 1u) << team << ": the client's pitch never played its game";
        ASSERT_EQ(am_server.count(team), 1u) << team;
        EXPECT_EQ(am_client.at(team), am_server.at(team)) << team;
    }
}

}  // namespace
