#include "network/middleware.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "network/mw_user_login.h"
#include "network/netz.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "network/socket.h"

namespace {

uint32_t zufall_zustand = 1;
uint32_t keep_alive_zeit = 0;

}  // namespace

// xorshift32: small, seedable, and no business of the game's own generator.
void Middleware_Zufall_Seed(uint32_t seed) { zufall_zustand = seed ? seed : 1u; }

int32_t Middleware_Zufall()
{
    uint32_t s = zufall_zustand;
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    zufall_zustand = s;
    return int32_t(s & 0x7FFFFFFF);
}

int32_t Middleware_Open(const Server_Einstellungen*) { return 1; }

int32_t Middleware_Login(Mw_User_Login* r)
{
    if (!r) return 0;
    r->middle_ware_response = MW_ANTWORT_ANGENOMMEN;
    const int32_t team = Middleware_Zufall();
    r->team_nr = uint32_t(std::abs(team % 4) + 1);
    const int32_t id = Middleware_Zufall();
    r->user_id = uint32_t(std::abs(id));
    std::snprintf(r->message_to_user, sizeof r->message_to_user, "Dies ist ein Test!");
    std::memset(r->ip_addr, 0, sizeof r->ip_addr);
    std::snprintf(reinterpret_cast<char*>(r->ip_addr), sizeof r->ip_addr, "%u.%u.%u.%u", 10u, 47u, 11u, 2u);
    r->port_addr = 30584;
    return MW_OK;
}

int32_t Middleware_Logout(uint32_t) { return MW_OK; }
int32_t Middleware_Auto_Update(uint8_t*) { return MW_OK_ABFRAGE; }
void Middleware_Close() {}
int32_t Middleware_Init_Stub_A() { return 0; }
int32_t Middleware_Init_Stub_B(int32_t) { return 0; }
int32_t Middleware_Init_Stub_C() { return 0; }
int32_t Middleware_Zeitplan_Stub(void*) { return 0; }
int32_t Middleware_Chat_Stub(const char*, int32_t) { return 0; }
int32_t Middleware_Abfrage(int32_t, int32_t) { return MW_OK; }

int32_t Middleware_Status(uint32_t* record)
{
    if (record) {
        record[5] = 1004;
        record[6] = 1000;
    }
    return MW_OK;
}

int32_t Middleware_User_Online(const uint32_t*) { return MW_OK; }
int32_t Middleware_Keep_Alive(uint32_t) { return MW_OK; }
int32_t Middleware_Ping() { return MW_OK; }
int32_t Middleware_Highscore_A(const void*, int32_t) { return MW_OK_ABFRAGE; }
int32_t Middleware_Highscore_B(const void*, int32_t) { return MW_OK_ABFRAGE; }
int32_t Middleware_Durchreichen_A(int32_t a) { return a; }
int32_t Middleware_Durchreichen_B(int32_t a, int32_t) { return a; }
int32_t Middleware_Durchreichen_C(int32_t a, int32_t) { return a; }
int32_t Middleware_Leer() { return 0; }

int32_t Middleware_User_Online_Melden()
{
    uint32_t record[2] = {Netz_Server_Id, uint32_t(Netzuser_Anzahl())};
    uint32_t start = Netz_Zeit();
    Middleware_User_Online(record);
    Middleware_User_Online_Log(int32_t(record[1]), Netz_Zeit() - start);
    return MW_OK;
}

void Middleware_User_Online_Log(int32_t anzahl, uint32_t millisekunden)
{
    int32_t wochentag = 0, stunde = 0, minute = 0, monat = 0, jahr = 0;
    Netz_Get_Lokalzeit(&wochentag, &stunde, &minute);
    Netz_Get_Monat_Jahr(&monat, &jahr);
    char name[512];
    std::snprintf(name, sizeof name, "%s/user_online_count_%02d_%02d-%02d_%02d-%02d-%04d.log", Server_Pfad_Logs,
                  int(Netz_Server_Id), stunde, minute, wochentag, monat, jahr);
    FILE* f = std::fopen(name, "a+");
    if (!f) return;
    std::fprintf(f, "%02d:%02d, %d User Online, (call to middleware: %d mmsec idle)\r\n", stunde, minute, anzahl,
                 int(millisekunden));
    std::fclose(f);
}

void Middleware_Keep_Alive_Timer()
{
    uint32_t jetzt = Netz_Zeit();
    if (jetzt - keep_alive_zeit <= 60000) return;
    keep_alive_zeit = jetzt;
    Middleware_Keep_Alive(Netz_Server_Id);
}

void Middleware_Highscore_Export()
{
    struct Eintrag {
        int32_t team;
        char name[64];
        int32_t wert;
        int32_t wettbewerb;
    };
    uint32_t start = Netz_Zeit();
    char titel[64];
    std::snprintf(titel, sizeof titel, "Highscore (%04d)", int(Netz_Server_Id));
    std::vector<Eintrag> liste;
    std::vector<int32_t> zufall;
    for (int32_t team = 0; team < Team_Anzahl; ++team) {
        if (team == Transfermarkt_Team) continue;
        Eintrag e{};
        e.team = team;
        const char* name = Team_String(193, team, nullptr, TEAM_LESEN);
        std::snprintf(e.name, sizeof e.name, "%s", name ? name : "");
        Middleware_Umlaute_Wandeln(e.name);
        e.wert = Team_Wert(173, team, 0, TEAM_LESEN);
        e.wettbewerb = Wettbewerb_Get_Team_Wettbewerb(team, 0);
        liste.push_back(e);
        const int32_t z = Middleware_Zufall();
        zufall.push_back(z % 1000);
    }
    Middleware_Highscore_A(liste.data(), int32_t(liste.size()));
    Middleware_Highscore_B(zufall.data(), int32_t(zufall.size()));
    Socket_Log(SOCKET_LOG_INFO, "%s: %u mmsec", titel, Netz_Zeit() - start);
}

int32_t Middleware_Umlaute_Wandeln(char* text)
{
    if (!text) return 0;
    int32_t n = 0;
    for (; text[n]; ++n) {
        auto c = static_cast<unsigned char>(text[n]);
        if (c == 129) text[n] = char(252);
        else if (c == 148) text[n] = char(246);
    }
    return n;
}
