// Control signals and chat between a server and two client processes on loopback.
#include "netz_hilfe.h"

#include "database/manager.h"
#include "database/team.h"
#include "gameflow/ablauf.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/team_requester.h"
#include "network/chat.h"
#include "network/steuersignal.h"

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

struct Signal_Prozesse : Netz_Test {
    std::vector<Team_Struktur> t = std::vector<Team_Struktur>(ANZAHL);
    std::vector<Team_Fix> t_fix = std::vector<Team_Fix>(ANZAHL);
    std::vector<Team_Own> t_own = std::vector<Team_Own>(ANZAHL);
    std::vector<Manager_Struktur> manager = std::vector<Manager_Struktur>(ANZAHL);
    Team_Struktur* alt_t = T;
    Team_Fix* alt_fix = T_Fix;
    Team_Own* alt_own = T_Own;
    int32_t alt_anzahl = Team_Anzahl, alt_gelesen = Team_Anzahl_Gelesen;
    int32_t alt_markt = Transfermarkt_Team, alt_jugend = Jugend_Team;

    void SetUp() override
    {
        Netz_Test::SetUp();
        T = t.data();
        T_Fix = t_fix.data();
        T_Own = t_own.data();
        Team_Anzahl = Team_Anzahl_Gelesen = ANZAHL;
        Transfermarkt_Team = Jugend_Team = ANZAHL + 5;
        for (int32_t k = 0; k < ANZAHL; ++k) {
            t_fix[size_t(k)].manager = &manager[size_t(k)];
            std::snprintf(t_fix[size_t(k)].name, 24, "Verein %d", k);
        }
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
        T = alt_t;
        T_Fix = alt_fix;
        T_Own = alt_own;
        Team_Anzahl = alt_anzahl;
        Team_Anzahl_Gelesen = alt_gelesen;
        Transfermarkt_Team = alt_markt;
        Jugend_Team = alt_jugend;
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
            Socket_Set_Uhr(nullptr);
            Win95_Netz_Modus = 1;
            Netz_Rolle = 1;
            Aktuelles_Team = verein;
            Handelndes_Team = uint32_t(verein);
            Netz_Set_Eigenes_Team(verein);
            int code = 2;
            if (client_anmelden(name) == 1) {
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
        Ablauf_Zustand = ABLAUF_MENUERUNDE;
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

}  // namespace
