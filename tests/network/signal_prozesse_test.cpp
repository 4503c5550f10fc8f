// Control signals and chat between a server and two client processes on loopback.
#include "netz_hilfe.h"

#include "database/manager.h"
#include "database/team.h"
#include "gameflow/ablauf.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/team_requester.h"
#include "match/spielfeld.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/spielfeld_netz.h"
#include "network/chat.h"
#include "network/steuersignal.h"
#include "platform/disk.h"
#include "platform/print.h"
#include "toolkit/screen.h"
#include "signal_welt.h"

using namespace netz_test;

namespace {

constexpr int32_t ANZAHL = 8;
std::vector<std::string> meldungen;

bool hat_nachricht(const std::string& text)
{
    for (int32_t k = 0; const uint8_t* p = Chat_Historie_Nachricht(k, nullptr); ++k) {
        const uint32_t n = Bytes_Hole32(p + 24);
        if (text == reinterpret_cast<const char*>(p + CHAT_KOPF + 4 * n)) return true;
    }
    return false;
}

bool gemeldet(const std::string& teil)
{
    for (auto& m : meldungen)
        if (m.find(teil) != std::string::npos) return true;
    return false;
}

// The client's pump until the condition holds; false after 20 s.
bool client_pumpen_bis(const std::function<bool()>& fertig)
{
    auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!fertig()) {
        if (std::chrono::steady_clock::now() > ende) return false;
        Steuersignal_Verarbeiten();
        Netz_Warten();
    }
    return true;
}

// Wall-clock milliseconds: a headless process's own clock runs ahead while it pumps, and the
// waits of the minute sync are measured against the other processes.
uint32_t wanduhr()
{
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count()) | 1u;
}

struct Signal_Prozesse : Netz_Test {
    uint32_t (*uhr)() = nullptr;
    std::unique_ptr<signal_welt::Vereine> vereine;

    void SetUp() override
    {
        Netz_Test::SetUp();
        vereine = std::make_unique<signal_welt::Vereine>(ANZAHL);
        Eingang_Set_Spiel_Gestartet(true);
        Server_Team = 1;
        Aktuelles_Team = 1;
        Netz_Rolle = 3;
        Ablauf_Zustand = ABLAUF_MENUERUNDE;
        meldungen.clear();
        Team_Requester_Set_Anzeige([](int32_t, int32_t, const char* text) -> uint8_t {
            meldungen.emplace_back(text);
            return 1;
        });
        Chat_DeInit();
    }
    void TearDown() override
    {
        Chat_DeInit();
        Team_Requester_Set_Anzeige(nullptr);
        Eingang_Set_Spiel_Gestartet(false);
        Netz_Test::TearDown();
        vereine.reset();
        Netz_Rolle = 0;
        Server_Team = -1;
        Aktuelles_Team = -1;
        Ablauf_Zustand = 0;
    }

    pid_t kind(const char* name, int32_t verein, const std::function<int()>& koerper)
    {
        std::fflush(nullptr);
        pid_t pid = fork();
        if (pid == 0) {
            std::freopen((std::string("client_stderr_") + name + ".txt").c_str(), "w", stderr);
            tabelle_schliessen();
            Socket_Set_Uhr(uhr);
            Win95_Netz_Modus = 1;
            Netz_Rolle = 1;
            Aktuelles_Team = verein;
            Handelndes_Team = uint32_t(verein);
            int code = 2;
            if (client_anmelden(name) == 1) {
                // The log-in's reply fills the record the own club is kept in.
                Netz_Set_Eigenes_Team(verein);
                Steuersignal_Client_Senden(SIGNAL_TEAM_NR);
                code = koerper();
            }
            std::fflush(nullptr);
            _exit(code);
        }
        return pid;
    }

    // The server's main-loop share while the clients run: the pump and the online status.
    std::vector<int> warten(std::vector<pid_t> kinder)
    {
        std::vector<int> codes(kinder.size(), -1);
        pumpen_bis([&] {
            Steuersignal_Verarbeiten();
            Chat_Pruefe_Online_Status(Netz_Zeit());
            Chat_Sende_Status_An_Alle();
            bool alle = true;
            for (size_t k = 0; k < kinder.size(); ++k) {
                int status = 0;
                if (codes[k] < 0 && waitpid(kinder[k], &status, WNOHANG) == kinder[k])
                    codes[k] = WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
                alle = alle && codes[k] >= 0;
            }
            return alle;
        }, 60000);
        return codes;
    }
};

TEST_F(Signal_Prozesse, ChatUndZugendeZwischenDreiProzessen)
{
    server_starten();
    // Club 2 speaks once club 3 is online, then ends its turn.
    pid_t eins = kind("Eins", 2, [] {
        if (!client_pumpen_bis([] { return (Team_Wert(TEAM_STATUS, 3, 0, TEAM_LESEN) & CHAT_VERBUNDEN_BIT) != 0; }))
            return 3;
        Chat_Senden("Hallo aus Nordstadt");
        Steuersignal_Client_Senden(SIGNAL_ZUG_BEENDET);
        // The relay reaches the sender too; the finished turn does not.
        if (!client_pumpen_bis([] { return hat_nachricht("Hallo aus Nordstadt"); })) return 4;
        return 0;
    });
    pid_t zwei = kind("Zwei", 3, [] {
        // Its turn is under way, its menu on the screen.
        Ablauf_Zustand = ABLAUF_MENUERUNDE;
        Menue_Status.aktiv = 1;
        if (!client_pumpen_bis([] { return hat_nachricht("Hallo aus Nordstadt") && gemeldet("hat seinen Spielzug"); }))
            return 5;
        return 0;
    });
    const auto codes = warten({eins, zwei});
    EXPECT_EQ(codes[0], 0);
    EXPECT_EQ(codes[1], 0);
    EXPECT_TRUE(hat_nachricht("Hallo aus Nordstadt"));
    EXPECT_TRUE(Team_Wert(TEAM_STATUS, 2, 0, TEAM_LESEN) & 4);
    EXPECT_FALSE(Team_Wert(TEAM_STATUS, 3, 0, TEAM_LESEN) & 4);
    EXPECT_TRUE(gemeldet("hat seinen Spielzug soeben beendet !"));
    // Both are gone: their connected bits go at the next status check.
    EXPECT_TRUE(pumpen_bis([] {
        Chat_Pruefe_Online_Status(Netz_Zeit());
        return !(Team_Wert(TEAM_STATUS, 2, 0, TEAM_LESEN) & CHAT_VERBUNDEN_BIT) &&
               !(Team_Wert(TEAM_STATUS, 3, 0, TEAM_LESEN) & CHAT_VERBUNDEN_BIT);
    }));
}


// --- minute sync: a test engine that steps each record from its seed ------------------------------

struct Aenderung {
    int32_t spiel, seite, ab;
    uint8_t wert;
};
using signal_welt::spiel_anlegen;
using signal_welt::spiele;
using signal_welt::spiele_geben;
std::vector<Aenderung> aenderungen;

// The test engine's pending change: the record holds the block as its sender's does, the
// tactics follow at the minute the block names.
void einreihen(Spielfeld_Record* r, int32_t seite, const uint8_t* block)
{
    aenderungen.push_back({int32_t(r->spiel), seite, Bytes_Hole16(block + 2 * seite), block[8]});
    Spielfeld_Anweisungen_Schreiben(*r, block);
}

// One minute of a record: the changes due now, then the seed moves on with the tactics in it.
void schritt(Spielfeld_Record* r, int32_t m)
{
    for (auto& a : aenderungen)
        if (a.spiel == int32_t(r->spiel) && a.ab == m) r->taktik[a.seite][0] = a.wert;
    r->minute = uint16_t(m);
    r->seed = r->seed * 1103515245u + 12345u + uint32_t(m) + r->taktik[0][0] * 7u + r->taktik[1][0] * 13u;
    r->sekunden = uint16_t(r->seed % 60);
}

// CRC of the record's whole saved image; the two network side bytes are each PC's own view of
// its connections and are left out.
uint32_t bild_crc(const Spielfeld_Record& r)
{
    std::vector<uint8_t> bild(SPIELFELD_RECORD_BYTES);
    Spielfeld_Record_Schreiben(r, bild.data());
    bild[22674] = bild[22675] = 0;
    return Disk_Crc32(0, bild.data(), bild.size());
}

constexpr int32_t MINUTEN = 50;

struct Spielweise {
    int32_t eigen = -1;            // the client's club, -1 the server (every record)
    int32_t aendern_team = -1;     // the club whose change goes with minute 40
    std::function<void(int32_t)> vor_minute;   // before a minute is played
    std::function<void(int32_t)> beim_warten;  // each pass of a minute's wait
    std::function<void(Spielfeld_Record*, int32_t)> im_spiel;  // in a record's minute, before its end
    int32_t halbzeit = -1;  // the first half's last minute played
    int32_t rueck = 0;      // the second half starts this many minutes before it
    int32_t anstoss_ms = 0;  // the time this PC waits for its other games before the second half
};

// Plays the minutes of the records this PC takes part in, waiting at each minute's end for the
// sides that are not out; each record's image goes to the log once every side has released the
// minute. False when a wait took over 20 s.
bool spielen(const Spielweise& w, const std::string& log)
{
    std::FILE* f = std::fopen(log.c_str(), "w");
    bool ok = true;
    auto spielt = [&](const Spielfeld_Record& r) {
        return w.eigen < 0 || int32_t(r.team[0]) == w.eigen || int32_t(r.team[1]) == w.eigen;
    };
    for (int32_t t = 0; t < MINUTEN && ok; ++t) {
        const bool zweite = w.halbzeit >= 0 && t > w.halbzeit;
        const int32_t m = zweite ? t - 1 - w.rueck : t;
        if (zweite && t == w.halbzeit + 1) {
            const auto bis = std::chrono::steady_clock::now() + std::chrono::milliseconds(w.anstoss_ms);
            client_pumpen_bis([&] { return std::chrono::steady_clock::now() >= bis; });
            // the kick-off sets the half's first minute and counts the period on
            for (auto& r : spiele) {
                r->minute = uint16_t(m);
                r->periode = 2;
            }
        }
        if (w.vor_minute) w.vor_minute(m);
        for (auto& r : spiele) {
            if (!spielt(*r)) continue;
            schritt(r.get(), m);
            if (w.im_spiel) w.im_spiel(r.get(), m);
            // The own side's change taken at minute 40 applies from 42.
            if (m == 40 && w.aendern_team >= 0) {
                for (int32_t s = 0; s < 2; ++s) {
                    if (int32_t(r->team[s]) != w.aendern_team) continue;
                    uint8_t block[STEUERSIGNAL_ANWEISUNGEN];
                    Spielfeld_Anweisungen_Lesen(*r, block);
                    Bytes_Setze16(block + 2 * s, uint16_t(m + 2));
                    block[4 + s] = uint8_t(r->periode);
                    block[8] = 77;
                    einreihen(r.get(), s, block);
                }
            }
            Spielfeld_Minute_Ende(r.get(), m);
        }
        // the main loop pumps once a pass, and a minute takes many passes
        Steuersignal_Verarbeiten();
        ok = client_pumpen_bis([&] {
            if (w.beim_warten) w.beim_warten(m);
            for (auto& r : spiele)
                if (Spielfeld_Netz_Wartet(r.get())) return false;
            return true;
        });
        for (auto& r : spiele)
            if (spielt(*r)) std::fprintf(f, "%d %d %08x\n", int(r->spiel), int(m), unsigned(bild_crc(*r)));
    }
    for (auto& a : aenderungen) std::fprintf(f, "A %d %d %d\n", a.spiel, a.seite, a.ab);
    std::fclose(f);
    return ok;
}

std::vector<std::string> zeilen(const std::string& datei, int32_t spiel)
{
    std::vector<std::string> z;
    std::istringstream in(datei_lesen(datei));
    for (std::string l; std::getline(in, l);)
        if (l[0] != 'A' && std::stoi(l) == spiel) z.push_back(l);
    return z;
}

// Three games: the clients' clubs 2 and 3 against each other and each against computer club 6.
struct Minuten_Prozesse : Signal_Prozesse {
    void SetUp() override
    {
        Signal_Prozesse::SetUp();
        uhr = wanduhr;
        uhr_versatz = 0;
        Socket_Set_Uhr(server_uhr);
        spiele.clear();
        aenderungen.clear();
        spiel_anlegen(1, 2, 3);
        spiel_anlegen(2, 2, 6);
        spiel_anlegen(3, 6, 3);
        Spielfeld_Netz_Zuruecksetzen();
        Spielfeld_Netz_Set_Records(spiele_geben);
        Spielfeld_Set_Einreihen_Hook(einreihen);
    }
    void TearDown() override
    {
        Spielfeld_Netz_Set_Records(nullptr);
        Spielfeld_Set_Einreihen_Hook(nullptr);
        Spielfeld_Netz_Zuruecksetzen();
        spiele.clear();
        Socket_Set_Uhr(nullptr);
        uhr_versatz = 0;
        Signal_Prozesse::TearDown();
    }

    static uint32_t uhr_versatz;
    static uint32_t server_uhr() { return wanduhr() + uhr_versatz; }

    // A client at the match that plays its minutes as the game says; 0 when it got through.
    static std::function<int()> client(int32_t eigen, int32_t gegner, Spielweise w, std::function<int()> danach = {})
    {
        return [=] {
            Ablauf_Zustand = ABLAUF_CLIENT_SPIEL;
            Steuersignal_Client_Senden(SIGNAL_AM_SPIEL);
            // Who else is a client must be known before the first minute.
            if (!client_pumpen_bis([=] { return (Team_Wert(TEAM_STATUS, gegner, 0, TEAM_LESEN) & CHAT_VERBUNDEN_BIT) != 0; }))
                return 3;
            Spielweise s = w;
            s.eigen = eigen;
            if (!spielen(s, "log_" + std::to_string(eigen) + ".txt")) return 4;
            return danach ? danach() : 0;
        };
    }

    // The server's kick-off once both clubs are connected, at the match and known to each other.
    void anstoss_abwarten()
    {
        ASSERT_TRUE(pumpen_bis([] {
            Steuersignal_Verarbeiten();
            Chat_Pruefe_Online_Status(Netz_Zeit());
            Chat_Sende_Status_An_Alle();
            return Netzuser_Anzahl() == 2 && (Team_Wert(TEAM_STATUS, 2, 0, TEAM_LESEN) & CHAT_VERBUNDEN_BIT) &&
                   (Team_Wert(TEAM_STATUS, 3, 0, TEAM_LESEN) & CHAT_VERBUNDEN_BIT) && !(Chat_Status_Geaendert() & 1) &&
                   (Spielfeld_Netz_Flags(spiele[0].get(), 0) & SPIELFELD_NETZ_AM_SPIEL) &&
                   (Spielfeld_Netz_Flags(spiele[0].get(), 1) & SPIELFELD_NETZ_AM_SPIEL);
        }));
        Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
    }
};
uint32_t Minuten_Prozesse::uhr_versatz = 0;

TEST_F(Minuten_Prozesse, MinutenGleichAufAllenRechnern)
{
    server_starten();
    pid_t eins = kind("Eins", 2, client(2, 3, Spielweise{-1, 2, {}, {}, {}}));
    pid_t zwei = kind("Zwei", 3, client(3, 2, Spielweise{}));
    anstoss_abwarten();
    EXPECT_TRUE(spielen(Spielweise{}, "log_server.txt"));
    const auto codes = warten({eins, zwei});
    EXPECT_EQ(codes[0], 0);
    EXPECT_EQ(codes[1], 0);
    // Every record's image is the same on every PC that plays it, at every minute's end.
    EXPECT_EQ(zeilen("log_2.txt", 1), zeilen("log_server.txt", 1));
    EXPECT_EQ(zeilen("log_3.txt", 1), zeilen("log_server.txt", 1));
    EXPECT_EQ(zeilen("log_2.txt", 2), zeilen("log_server.txt", 2));
    EXPECT_EQ(zeilen("log_3.txt", 3), zeilen("log_server.txt", 3));
    EXPECT_EQ(zeilen("log_server.txt", 1).size(), size_t(MINUTEN));
    // The change sent with minute 40 waits for 42 on every PC that plays its game.
    for (const char* d : {"log_2.txt", "log_3.txt", "log_server.txt"}) {
        const std::string inhalt = datei_lesen(d);
        EXPECT_NE(inhalt.find("A 1 0 42"), std::string::npos) << d;
    }
    EXPECT_NE(datei_lesen("log_server.txt").find("A 2 0 42"), std::string::npos);
}

// Client 2 stops before its minute 20 until the server has waited ten seconds for it: it gets
// code 8 with the message and plays on alone, its opponent gets 5, and the server plays club 2's
// sides itself to the end of the day.
TEST_F(Minuten_Prozesse, EinAngehaltenerClientWirdGetrenntUndDerTagEndet)
{
    constexpr int32_t HALT = 20;
    server_starten();
    Spielweise langsam;
    langsam.vor_minute = [](int32_t m) {
        if (m != HALT) return;
        datei_schreiben("angehalten", "1");
        // Stopped: no pump at all until the server has given up on this client.
        for (int i = 0; i < 600 && !std::ifstream("weiter"); ++i) usleep(50000);
    };
    pid_t eins = kind("Eins", 2, client(2, 3, langsam, [] {
        return gemeldet("Die Verbindung war zu langsam. Der Server musste die synchone Verbindung trennen.") ? 0 : 5;
    }));
    pid_t zwei = kind("Zwei", 3, client(3, 2, Spielweise{}, [] {
        return (Spielfeld_Netz_Flags(spiele[0].get(), 0) & SPIELFELD_NETZ_RAUS) ? 0 : 5;
    }));
    anstoss_abwarten();
    Spielweise s;
    // Ten seconds pass on the server's clock once it waits for club 2 alone at that minute.
    s.beim_warten = [](int32_t m) {
        const Spielfeld_Record* r = spiele[0].get();
        if (m == HALT && !uhr_versatz && std::ifstream("angehalten") && Spielfeld_Netz_Freigegeben(r, 1, HALT) &&
            !Spielfeld_Netz_Freigegeben(r, 0, HALT))
            uhr_versatz = STEUERSIGNAL_WARTEZEIT + 1000;
        if (uhr_versatz && (Spielfeld_Netz_Flags(r, 0) & SPIELFELD_NETZ_RAUS)) datei_schreiben("weiter", "1");
    };
    EXPECT_TRUE(spielen(s, "log_server.txt")) << "the server finishes the day";
    const auto codes = warten({eins, zwei});
    EXPECT_EQ(codes[0], 0) << "the stopped client saw the message and played on";
    EXPECT_EQ(codes[1], 0) << "its opponent stopped waiting for it";
    EXPECT_TRUE(Spielfeld_Netz_Flags(spiele[0].get(), 0) & SPIELFELD_NETZ_RAUS);
    EXPECT_EQ(zeilen("log_server.txt", 1).size(), size_t(MINUTEN));
    // Up to the stop the images agree.
    const auto srv = zeilen("log_server.txt", 1), b = zeilen("log_3.txt", 1);
    ASSERT_GE(b.size(), size_t(HALT));
    EXPECT_EQ(std::vector<std::string>(b.begin(), b.begin() + HALT), std::vector<std::string>(srv.begin(), srv.begin() + HALT));
}

// Client 3 goes down in the middle of the day: its opponent gets 5 and both others finish.
TEST_F(Minuten_Prozesse, EinAbgestuerzterClientGibtSeinemGegnerDieFuenf)
{
    server_starten();
    Spielweise absturz;
    absturz.vor_minute = [](int32_t m) {
        if (m == 25) kill(getpid(), SIGKILL);
    };
    pid_t eins = kind("Eins", 2, client(2, 3, Spielweise{}, [] {
        return (Spielfeld_Netz_Flags(spiele[0].get(), 1) & SPIELFELD_NETZ_RAUS) ? 0 : 5;
    }));
    pid_t zwei = kind("Zwei", 3, client(3, 2, absturz));
    anstoss_abwarten();
    EXPECT_TRUE(spielen(Spielweise{}, "log_server.txt"));
    const auto codes = warten({eins, zwei});
    EXPECT_EQ(codes[0], 0) << "the opponent of the lost client was told and played on";
    EXPECT_EQ(codes[1], 100 + SIGKILL);
    EXPECT_EQ(zeilen("log_2.txt", 2), zeilen("log_server.txt", 2)) << "the game against the computer stays in step";
    // The lost client's entry is gone: it may claim its club again at once.
    EXPECT_EQ(Netzuser_Get_By_Team(3), nullptr);
}

// Client 3 goes down in the middle of the day, and its manager comes back at once on a new
// connection: the server gives him his club while the day's games still play, and the club's
// games stay in the hands of the server's computer to the end of the day.
TEST_F(Minuten_Prozesse, AClubLeftInTheMiddleOfTheDayIsClaimedAgainTheSameDay)
{
    server_starten();
    Spielweise absturz;
    absturz.vor_minute = [](int32_t m) {
        if (m == 15) kill(getpid(), SIGKILL);
    };
    pid_t eins = kind("Eins", 2, client(2, 3, Spielweise{}));
    pid_t zwei = kind("Zwei", 3, client(3, 2, absturz));
    anstoss_abwarten();
    pid_t wieder = -1;
    int32_t zurueck_in_minute = -1;
    Spielweise s;
    s.beim_warten = [&](int32_t m) {
        const Mitspieler_Eintrag* n = Netzuser_Get_By_Team(3);
        // The old entry has gone with its connection: the manager logs in again and claims it.
        if (wieder < 0 && m >= 15 && !n && waitpid(zwei, nullptr, WNOHANG) == zwei) {
            zwei = -1;
            wieder = kind("Wieder", 3, [] {
                client_pumpen_bis([] { return std::ifstream("wieder_fertig").good(); });
                return 0;
            });
            // The day waits for the claim: a busy machine's slow start is no lost claim.
            pumpen_bis([] {
                Steuersignal_Verarbeiten();
                const Mitspieler_Eintrag* e = Netzuser_Get_By_Team(3);
                return e && std::string(e->user_name) == "Wieder";
            });
            n = Netzuser_Get_By_Team(3);
            datei_schreiben("wieder_fertig", "1");
        }
        if (zurueck_in_minute < 0 && n && std::string(n->user_name) == "Wieder") zurueck_in_minute = m;
    };
    EXPECT_TRUE(spielen(s, "log_server.txt"));
    ASSERT_GE(wieder, 0) << "the lost client's entry stayed";
    EXPECT_GE(zurueck_in_minute, 15) << "the club was not given again that day";
    EXPECT_LT(zurueck_in_minute, MINUTEN);
    // The side stays the computer's: the new connection is no player of the running game.
    EXPECT_TRUE(Spielfeld_Netz_Flags(spiele[0].get(), 1) & SPIELFELD_NETZ_RAUS);
    EXPECT_EQ(zeilen("log_server.txt", 1).size(), size_t(MINUTEN));
    const auto codes = warten({eins, wieder});
    EXPECT_EQ(codes[0], 0);
    EXPECT_EQ(codes[1], 0);
}


// The first half ends after its stoppage. The clients kick off the second half at once (each has
// only its own game), the server a few seconds later, once its other games are done: the second
// half's minutes are waited for anew, and a client's minute signalled before the server's kick-off
// is kept for it. `rueck`: how far the second half's first minute lies before the first half's
// last (three minutes of stoppage, or none, when both halves have a minute of the same number).
void zweite_halbzeit(Minuten_Prozesse& t, int32_t rueck)
{
    t.server_starten();
    Spielweise client_w;
    client_w.halbzeit = 22;
    client_w.rueck = rueck;
    pid_t eins = t.kind("Eins", 2, Minuten_Prozesse::client(2, 3, client_w));
    pid_t zwei = t.kind("Zwei", 3, Minuten_Prozesse::client(3, 2, client_w));
    t.anstoss_abwarten();
    Spielweise server_w = client_w;
    server_w.anstoss_ms = 3000;
    EXPECT_TRUE(spielen(server_w, "log_server.txt"));
    for (int32_t k = 0; k < 2; ++k) EXPECT_FALSE(Spielfeld_Netz_Flags(spiele[0].get(), k) & SPIELFELD_NETZ_RAUS) << k;
    const auto codes = t.warten({eins, zwei});
    EXPECT_EQ(codes[0], 0);
    EXPECT_EQ(codes[1], 0);
    // Each client waited at the second half's first minute for the server, so the images agree.
    EXPECT_EQ(zeilen("log_2.txt", 1), zeilen("log_server.txt", 1));
    EXPECT_EQ(zeilen("log_3.txt", 3), zeilen("log_server.txt", 3));
}

TEST_F(Minuten_Prozesse, TheSecondHalfsMinutesAreSyncedAfresh) { zweite_halbzeit(*this, 3); }
TEST_F(Minuten_Prozesse, ASecondHalfsMinuteOfTheFirstHalfsNumberIsSignalledAgain) { zweite_halbzeit(*this, 0); }

// A set piece of side k: the PC of the side's club chooses the taker after a while (and, on a
// client, its manager's pause is no slow minute); every other PC holds the record until the
// choice has come, then the pass takes it.
void standard(Spielfeld_Record* r, int32_t k, uint32_t situation, uint32_t schuetze, uint32_t* pause_versatz)
{
    r->situation = situation;
    r->standard_seite = uint8_t(k);
    r->letzte_beruehrung = uint8_t(1 - k);
    r->sync_standard[0] = r->sync_standard[1] = 0;
    const int32_t art = situation == SITUATION_ELFMETER ? 0 : 2;
    const int32_t eigen = Netz_Rolle == 3 ? Server_Team : Aktuelles_Team;
    if (int32_t(r->team[k]) == eigen) {
        usleep(1000000);
        if (pause_versatz) {
            // fifteen seconds over the panel, the pitch standing still
            *pause_versatz += 15000;
            Spielfeld_Netz_Angehalten(15000);
        }
        Spielfeld_Gewaehlter_Schuetze(r, art, k) = schuetze;
    } else {
        client_pumpen_bis([&] { return !Spielfeld_Netz_Wartet(r); });
    }
    Spielfeld_Netz_Standard(r);
    r->situation = SITUATION_SPIEL;
    r->standard_seite = 255;
}

uint32_t client_versatz = 0;
uint32_t client_uhr() { return wanduhr() + client_versatz; }

// Club 2's manager takes a corner's taker at his client, the server's own manager a penalty's:
// every PC of the game plays on with the same taker, none is cut off.
TEST_F(Minuten_Prozesse, TheTakerChosenAtOnePcIsTheTakerOnEveryPc)
{
    spiel_anlegen(4, 1, 2);
    uhr = client_uhr;
    server_starten();
    Spielweise w;
    w.im_spiel = [](Spielfeld_Record* r, int32_t m) {
        if (r->spiel == 1 && m == 10) standard(r, 0, SITUATION_ECKE, 777, Netz_Rolle == 1 ? &client_versatz : nullptr);
        if (r->spiel == 4 && m == 12) standard(r, 0, SITUATION_ELFMETER, 555, nullptr);
        if (r->spiel == 2 && m == 14) standard(r, 1, SITUATION_ECKE, 999, nullptr);
    };
    pid_t eins = kind("Eins", 2, client(2, 3, w, [] {
        if (gemeldet("Die Verbindung war zu langsam")) return 5;
        return spiele[3]->elfmeter_schuetze[0] == 555 ? 0 : 6;
    }));
    pid_t zwei = kind("Zwei", 3, client(3, 2, w, [] { return spiele[0]->ecken_schuetze[0] == 777 ? 0 : 6; }));
    anstoss_abwarten();
    EXPECT_TRUE(spielen(w, "log_server.txt"));
    for (int32_t k = 0; k < 2; ++k) EXPECT_FALSE(Spielfeld_Netz_Flags(spiele[0].get(), k) & SPIELFELD_NETZ_RAUS) << k;
    const auto codes = warten({eins, zwei});
    EXPECT_EQ(codes[0], 0) << "client 2 took the server's penalty taker and stayed in the game";
    EXPECT_EQ(codes[1], 0) << "client 3 took client 2's corner taker";
    EXPECT_EQ(spiele[0]->ecken_schuetze[0], 777u);
    for (int32_t spiel : {1, 2, 3, 4}) {
        const auto srv = zeilen("log_server.txt", spiel);
        EXPECT_EQ(srv.size(), size_t(MINUTEN)) << spiel;
        if (spiel != 3) { EXPECT_EQ(zeilen("log_2.txt", spiel), srv) << spiel; }
        if (spiel == 1 || spiel == 3) { EXPECT_EQ(zeilen("log_3.txt", spiel), srv) << spiel; }
    }
}

// --- a match day's signals with stand-ins for the main loops ---------------------------------------

uint32_t uhr_versatz = 0;
uint32_t server_uhr() { return wanduhr() + uhr_versatz; }

TEST_F(Signal_Prozesse, SpieltagSignaleUndEinAbgestuerzterClientHaeltNichts)
{
    uhr_versatz = 0;
    uhr = wanduhr;
    Socket_Set_Uhr(server_uhr);
    server_starten();
    // Club 2 plays its round, then waits for the day's data and goes to the match.
    pid_t eins = kind("Eins", 2, [] {
        Ablauf_Zustand = ABLAUF_CLIENT_WARTET;
        int32_t z = -1;
        if (!client_pumpen_bis([&] { return (z = Ablauf_Naechster_Zustand_Nehmen()) >= 0; }) || z != ABLAUF_CLIENT_NAECHSTER_TAG)
            return 3;
        Ablauf_Zustand = ABLAUF_MENUERUNDE;
        Steuersignal_Client_Senden(SIGNAL_ZUG_BEENDET);
        Ablauf_Zustand = ABLAUF_CLIENT_WARTET;
        if (!client_pumpen_bis([] { return Ablauf_Client_Daten_Anforderung_Nehmen(); })) return 4;
        if (!client_pumpen_bis([&] { return (z = Ablauf_Naechster_Zustand_Nehmen()) >= 0; }) || z != ABLAUF_CLIENT_ZUM_SPIEL)
            return 5;
        Steuersignal_Client_Senden(SIGNAL_AM_SPIEL);
        Ablauf_Zustand = ABLAUF_CLIENT_WARTET_DATEN;
        if (!client_pumpen_bis([] { return Ablauf_Zustand == ABLAUF_CLIENT_SPIEL; })) return 6;
        return 0;
    });
    // Club 3 goes down in the middle of its round.
    pid_t zwei = kind("Zwei", 3, [] {
        if (!client_pumpen_bis([] { return Ablauf_Naechster_Zustand_Nehmen() == ABLAUF_CLIENT_NAECHSTER_TAG; })) return 3;
        kill(getpid(), SIGKILL);
        return 0;
    });
    ASSERT_TRUE(pumpen_bis([] {
        Steuersignal_Verarbeiten();
        return Netzuser_Get_By_Team(2) && Netzuser_Get_By_Team(3);
    }));
    Ablauf_Zustand = ABLAUF_MENUERUNDE;
    Team_Wert(TEAM_STATUS, Server_Team, 4, TEAM_SETZEN);
    Steuersignal_Server_Senden(SIGNAL_NEUER_SPIELTAG, nullptr);
    // The round ends with club 2's bit, club 3 being gone.
    ASSERT_TRUE(pumpen_bis([] {
        Steuersignal_Verarbeiten();
        return Ablauf_Zustand == ABLAUF_SPIELTAG_STARTEN;
    }));
    EXPECT_TRUE(Team_Wert(TEAM_STATUS, 2, 0, TEAM_LESEN) & 4);
    EXPECT_EQ(Netzuser_Get_By_Team(3), nullptr);
    Steuersignal_Server_Senden(SIGNAL_SAMMEL_DATEN, nullptr);
    Steuersignal_Zeiten_Zuruecksetzen();
    Ablauf_Zustand = ABLAUF_DATEN_SAMMELN;
    for (int k = 0; k < 20; ++k) Steuersignal_Verarbeiten();
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_DATEN_SAMMELN);
    // Club 2's data never come: ten seconds later the day goes on without them.
    uhr_versatz = STEUERSIGNAL_WARTEZEIT;
    ASSERT_TRUE(pumpen_bis([] {
        Steuersignal_Verarbeiten();
        return Ablauf_Zustand == ABLAUF_DATEN_GESAMMELT;
    }));
    Steuersignal_Server_Senden(SIGNAL_SPIELTAG_START, nullptr);
    pumpen_bis([] {
        Steuersignal_Verarbeiten();
        return false;
    }, 300);
    Steuersignal_Server_Senden(SIGNAL_DATEN_VERSCHICKT, nullptr);
    const auto codes = warten({eins, zwei});
    EXPECT_EQ(codes[0], 0);
    EXPECT_EQ(codes[1], 100 + SIGKILL);
    Socket_Set_Uhr(nullptr);
}

}  // namespace
