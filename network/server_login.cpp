// The server's side of the log-in and the update request, its logs, and the pass that marks
// the teams held by connected clients.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

#include "database/team.h"
#include "gameflow/globals.h"
#include "network/middleware.h"
#include "network/mw_user_login.h"
#include "network/netz.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "network/socket.h"
#include "platform/string_util.h"
#include "platform/bytes.h"

static constexpr const char* ZU_VIELE_ANMELDUNGEN = "Zu viele Anmeldungen von Ihrer Adresse";

void Server_Log_Name(char* name, uint32_t groesse, const char* praefix)
{
    int32_t t[6];
    Netz_Lokalzeit_Voll(t);
    const uint8_t* ip = Server_Settings.ip;
    std::snprintf(name, groesse, "%s_%d.%d.%d.%d_%#06x_%02d_%02d_%04d.log", praefix, ip[0], ip[1], ip[2], ip[3],
                  unsigned(Server_Settings.port), t[2], t[1], t[0]);
}

// Up to four groups of up to three digits, separated by any other character.
static void punkt_adresse_lesen(const uint8_t* text, uint8_t ip[4])
{
    uint8_t aus[4] = {};
    int gruppe = 0, ziffern = 0;
    uint32_t wert = 0;
    for (int i = 0; i < 16 && text[i] && gruppe < 4; ++i) {
        if (std::isdigit(text[i])) {
            if (ziffern < 3) wert = wert * 10 + uint32_t(text[i] - '0');
            ++ziffern;
        } else if (ziffern) {
            aus[gruppe++] = uint8_t(wert);
            wert = 0;
            ziffern = 0;
        }
    }
    if (ziffern && gruppe < 4) aus[gruppe] = uint8_t(wert);
    std::memcpy(ip, aus, 4);
}

static void error_log_schreiben(const Mw_User_Login& r, uint32_t ms)
{
    if (!Server_Settings.error_log_an) return;
    char name[600];
    Server_Log_Name(name, sizeof name, Server_Settings.error_log);
    FILE* f = std::fopen(name, "a+");
    if (!f) return;
    std::fprintf(f, "---- mw_user_login structure after middle_ware call (%u mmsec)----\r\n", ms);
    std::fprintf(f, "user_name: %.40s\r\npass_word: %.40s\r\nhardware_id: %d\r\nuser_ip_addr: %.16s\r\n", r.user_name,
                 r.pass_word, int(r.hardware_id), r.user_ip_addr);
    std::fprintf(f, "user_port_addr: %d\r\nmiddle_ware_response: %d\r\nip_addr: %.16s\r\nport_addr: %d\r\n",
                 int(r.user_port_addr), int(r.middle_ware_response), reinterpret_cast<const char*>(r.ip_addr),
                 int(r.port_addr));
    std::fprintf(f, "team_nr: %d\r\nuser_id: %d\r\nmessage_to_user: %.512s\r\naccount_type: %d\r\n", int(r.team_nr),
                 int(r.user_id), r.message_to_user, int(r.account_type));
    std::fprintf(f, "exp_day: %d\r\nexp_month: %d\r\nexp_year: %d\r\nminor_version: %d\r\nmajor_version: %d\r\n",
                 int(r.exp_day), int(r.exp_month), int(r.exp_year), int(r.minor_version), int(r.major_version));
    std::fprintf(f, "language: %d\r\nupdate_flag: %d\r\n\r\n", int(r.language), int(r.update_flag));
    std::fclose(f);
}

// Participants logged in from the address. Every address counts, the server's own too: a peer on
// the server's machine could otherwise take every record.
static int32_t anmeldungen_von(const uint8_t adresse[4])
{
    int32_t n = 0;
    for (int32_t i = 0; i < NETZUSER_ANZAHL; ++i) {
        const Mitspieler_Eintrag* m = Netzuser_Get(i);
        n += m && m->in_benutzung && std::memcmp(m->adresse, adresse, 4) == 0 ? 1 : 0;
    }
    return n;
}

// A newcomer who wants to play gets in, however many wait over the choice of their club: once
// SERVER_OHNE_VEREIN_MAX records are held without a club (the rest stays for the game's managers,
// one whose line broke comes back), or the table is full, the newcomer takes the place of a
// participant without a club from the address that holds the most of them, the longest waiting
// there. Whether it has fetched the free clubs counts not, and one that holds a club keeps its
// place: a crowd makes room from its own addresses first, so that it keeps a newcomer out only
// with as many addresses as it holds records.
static void platz_fuer_neuling()
{
    struct Wartend {
        uint32_t adresse, gewartet;
        Mitspieler_Eintrag* m;
    };
    Wartend w[NETZUSER_ANZAHL];
    int32_t ohne = 0, frei = 0, n = 0;
    const uint32_t jetzt = Netz_Zeit();
    for (Mitspieler_Eintrag& m : Mitspieler) {
        if (!m.in_benutzung) {
            ++frei;
            continue;
        }
        if (m.verein_beansprucht) continue;
        ++ohne;
        if (m.sock_info) w[n++] = {Bytes_Hole32(m.adresse), jetzt - m.sock_info->angenommen, &m};
    }
    if (ohne < SERVER_OHNE_VEREIN_MAX && frei > 0) return;
    std::sort(w, w + n, [](const Wartend& a, const Wartend& b) { return a.adresse < b.adresse; });
    const Wartend* wahl = nullptr;
    int32_t wahl_anzahl = 0;
    for (int32_t i = 0, j; i < n; i = j) {
        const Wartend* laengster = &w[i];
        for (j = i; j < n && w[j].adresse == w[i].adresse; ++j)
            if (w[j].gewartet > laengster->gewartet) laengster = &w[j];
        if (j - i > wahl_anzahl || (j - i == wahl_anzahl && laengster->gewartet > wahl->gewartet)) {
            wahl = laengster;
            wahl_anzahl = j - i;
        }
    }
    if (!wahl) return;
    Socket_Log(SOCKET_LOG_INFO, "client %.40s without a club makes room for a newcomer", wahl->m->user_name);
    Server_User_Logout(wahl->m->sock_info);
}

// The answer carries the server's address and port; it goes out in the following polls.
static void antwort_senden(Sock_Info* s, Mw_User_Login& r)
{
    std::memcpy(r.ip_addr, Server_Settings.ip, 4);
    r.port_addr = Server_Settings.port;
    uint8_t bytes[MW_USER_LOGIN_GROESSE];
    Mw_User_Login_Schreiben(r, bytes);
    Server_Send_Message(s, bytes, MW_USER_LOGIN_GROESSE, NETZ_TYP_ANTWORT, 0);
}

// A refusal framed whole, for a connection that is sent it at accept.
static void abweisung_bauen(const char* text, uint8_t* nachricht)
{
    Mw_User_Login r{};
    std::snprintf(r.message_to_user, sizeof r.message_to_user, "%s", text);
    std::memcpy(r.ip_addr, Server_Settings.ip, 4);
    r.port_addr = Server_Settings.port;
    std::memset(nachricht, 0, SOCKET_KOPF_GROESSE);
    Bytes_Setze32(nachricht, SOCKET_DATA_KENNUNG);
    Bytes_Setze32(nachricht + 4, NETZ_TYP_ANTWORT);
    Bytes_Setze32(nachricht + 8, MW_USER_LOGIN_GROESSE);
    Mw_User_Login_Schreiben(r, nachricht + SOCKET_KOPF_GROESSE);
}

void Server_Abweisung_Vorbereiten()
{
    static uint8_t nachricht[SOCKET_KOPF_GROESSE + MW_USER_LOGIN_GROESSE];
    abweisung_bauen("Server voll", nachricht);
    Socket_Set_Abweisung(nachricht, sizeof nachricht);
    abweisung_bauen(ZU_VIELE_ANMELDUNGEN, nachricht);
    Socket_Set_Adressgrenze(Server_Settings.anmeldungen_pro_adresse, nachricht, sizeof nachricht);
}

int32_t Server_User_Login(Sock_Info* s)
{
    if (!s) return -1;
    // The receive buffer is cleared after every message: a short record reads as zeros beyond.
    static Mw_User_Login r;
    Mw_User_Login_Lesen(s->empfang_daten, &r);
    Socket_Log(SOCKET_LOG_INFO, "login: user %.40s, pass word %.40s", r.user_name, r.pass_word);
    const uint8_t* peer = s->peer_adresse;
    const uint16_t peer_port = Bytes_Hole16(peer + 2);
    if (s->mitspieler) {
        // A second log-in on one connection would leave a ghost entry behind.
        Socket_Log(SOCKET_LOG_HI, "client %u: second log-in on one connection refused", s->mitspieler->user_id);
        r.middle_ware_response = 0;
        antwort_senden(s, r);
        return -1;
    }
    int32_t t[6];
    Netz_Lokalzeit_Voll(t);
    // The client never sends a record without a name and a pass word.
    const bool leer = !r.user_name[0] || !r.pass_word[0];
    const bool zu_viele = !leer && anmeldungen_von(peer + 4) >= Server_Settings.anmeldungen_pro_adresse;
    if (!leer && !zu_viele) platz_fuer_neuling();
    Mitspieler_Eintrag* m = leer || zu_viele ? nullptr : Netzuser_Get_Free();
    int32_t ergebnis = -1;
    if (!m) {
        r.middle_ware_response = 0;
        std::snprintf(r.message_to_user, sizeof r.message_to_user, "%s",
                      leer       ? "Anmeldung ohne Name oder Passwort"
                      : zu_viele ? ZU_VIELE_ANMELDUNGEN
                                 : "Server voll");
    } else {
        std::memset(m, 0, sizeof *m);
        std::memcpy(m->adresse, peer + 4, 4);
        m->port = peer_port;
        Mw_Text_Kopieren(m->user_name, sizeof m->user_name, r.user_name, sizeof r.user_name);
        // The name goes into the logs as the characters it holds.
        String_Klartext(m->user_name, sizeof m->user_name);
        Mw_Text_Kopieren(m->pass_word, sizeof m->pass_word, r.pass_word, sizeof r.pass_word);
        m->hardware_id = r.hardware_id;
        std::snprintf(r.user_ip_addr, sizeof r.user_ip_addr, "%u.%u.%u.%u", peer[4], peer[5], peer[6], peer[7]);
        r.user_port_addr = peer_port;
        const uint32_t start = Netz_Zeit();
        ergebnis = Middleware_Login(&r);
        error_log_schreiben(r, Netz_Zeit() - start);
        uint8_t ip[4];
        punkt_adresse_lesen(r.ip_addr, ip);
        std::memcpy(r.ip_addr, ip, 4);
        if (int32_t(r.major_version) != Server_Version_Major || int32_t(r.minor_version) != Server_Version_Minor) {
            r.middle_ware_response = MW_ANTWORT_VERSION;
            std::snprintf(r.message_to_user, sizeof r.message_to_user,
                          "Server Version: %d.%d. Ihre Client Version: %d.%d.\nBitte Update laden!", Server_Version_Major,
                          Server_Version_Minor, int(r.major_version), int(r.minor_version));
        }
        m->db_ergebnis = uint32_t(ergebnis);
        for (int i = 0; i < 6; ++i) m->login_zeit[i] = uint16_t(t[i]);
        m->user_id = r.user_id;
        // The answer's club number is the middleware's and names no club: a participant holds a
        // club only once it has claimed one (a club of the number would count as held and no
        // longer be offered to anyone).
        m->team = -1;
    }
    antwort_senden(s, r);
    if (m && Server_Settings.user_log_an) {
        char name[600];
        Server_Log_Name(name, sizeof name, Server_Settings.user_log);
        if (FILE* f = std::fopen(name, "a+")) {
            std::fprintf(f, "login,%d/%d/%d,%02d:%02d:%02d,%.40s,%d,%d.%d.%d.%d,%#06x,%d.%d.%d.%d,%#06x,%d,%d\r\n", t[2],
                         t[1], t[0], t[3], t[4], t[5], r.user_name, int(r.user_id), peer[4], peer[5], peer[6], peer[7],
                         unsigned(peer_port), r.ip_addr[0], r.ip_addr[1], r.ip_addr[2], r.ip_addr[3],
                         unsigned(r.port_addr), int(ergebnis), int(r.middle_ware_response));
            std::fclose(f);
        }
    }
    if (m && ergebnis == MW_OK && r.middle_ware_response == MW_ANTWORT_ANGENOMMEN) {
        m->in_benutzung = 1;
        m->neu = 1;
        const uint32_t jetzt = Netz_Zeit();
        m->schritt_zeit = jetzt ? jetzt : 1;
        m->sock_info = s;
        s->mitspieler = m;
    } else {
        // A refused client would fail its start anyway: nothing of it stays, and its connection
        // ends once the refusal has gone, so that it can call nothing meanwhile.
        if (m) std::memset(m, 0, sizeof *m);
        s->abweisen = 1;
        Socket_Log(SOCKET_LOG_INFO, "login refused (%u), connection ends", r.middle_ware_response);
    }
    return ergebnis;
}

int32_t Server_Auto_Update(Sock_Info* s)
{
    if (!s) return 0;
    static uint8_t r[MW_UPDATE_GROESSE];
    std::memcpy(r, s->empfang_daten, MW_UPDATE_GROESSE);
    Socket_Log(SOCKET_LOG_INFO, "auto update call!");
    const uint32_t start = Netz_Zeit();
    const int32_t ergebnis = Middleware_Auto_Update(r);
    const uint32_t ms = Netz_Zeit() - start;
    Server_Send_Message(s, r, MW_UPDATE_GROESSE, NETZ_TYP_ANTWORT, 0);
    char name[600];
    Server_Log_Name(name, sizeof name, "auto_update");
    if (FILE* f = std::fopen(name, "a+")) {
        std::fprintf(f, "auto_update_request,%d.%d.%d.%d,%#06x,%d,%d,%ummsec,%.256s,%.40s,%.40s,%.256s\r\n", r[84], r[85],
                     r[86], r[87], Bytes_Hole32(r + 100), int(Bytes_Hole32(r + 116)), int(ergebnis), ms,
                     reinterpret_cast<const char*>(r + 120), reinterpret_cast<const char*>(r + 376),
                     reinterpret_cast<const char*>(r + 416), reinterpret_cast<const char*>(r + 456));
        std::fclose(f);
    }
    return ergebnis;
}

namespace {

// What the marks were last set from: the participants' state, the server's own clubs and the
// club table. The clubs marked then are kept to see that nobody has cleared their marks since.
struct Marken_Grundlage {
    uint32_t netzuser = 0;
    int32_t server_team = 0, handelnd = 0, transfermarkt = 0, anzahl = -1;
    uint8_t stand_alone = 0;
    const void* t = nullptr;
    bool operator==(const Marken_Grundlage&) const = default;
};
Marken_Grundlage marken_grundlage;
bool marken_gesetzt = false;
std::vector<int32_t> markierte;
std::vector<uint8_t> online;

Marken_Grundlage grundlage_jetzt()
{
    return {Netzuser_Stand(), Server_Team, int32_t(Handelndes_Team), Transfermarkt_Team, Team_Anzahl,
            Stand_Alone_Server, T};
}

}  // namespace

bool Server_Spielt_Verein(int32_t team)
{
    return !Stand_Alone_Server && team >= 0 && (team == Server_Team || team == int32_t(Handelndes_Team));
}

int32_t Server_Mitspieler_Statistik()
{
    // One pass over the participants, one over the clubs.
    online.assign(size_t(std::max(Team_Anzahl, 0)), 0);
    auto markieren = [](int32_t team) {
        if (team >= 0 && team < Team_Anzahl) online[size_t(team)] = 1;
    };
    if (Netzuser_Belegte())
        for (const auto& m : Mitspieler)
            if (m.in_benutzung) markieren(m.team);
    // The server's own club is played here: no client may take it.
    for (int32_t team : {Server_Team, int32_t(Handelndes_Team)})
        if (Server_Spielt_Verein(team)) markieren(team);
    markierte.clear();
    // On a serving PC a club's marks are its status bits alone: a club whose bits already say
    // what they should is left as it is.
    const bool nur_bits = T && T_Fix && T_Own && Netz_Rolle != 1;
    for (int32_t team = 0; team < Team_Anzahl; ++team) {
        if (team == Transfermarkt_Team) continue;
        const bool an = online[size_t(team)];
        if (an) markierte.push_back(team);
        if (nur_bits && (T[team].status & (16 | 32)) == (an ? (16 | 32) : 0)) continue;
        Team_Wert(TEAM_STATUS, team, 16 | 32, an ? TEAM_SETZEN : TEAM_LOESCHEN);
    }
    marken_grundlage = grundlage_jetzt();
    marken_gesetzt = true;
    return Team_Anzahl;
}

int32_t Internet_Server_Mitspieler_Nachfuehren()
{
    if (!(Netz_Rolle & 2) || !T) return 0;
    // Unchanged participants and clubs: the marks stand, unless something cleared one of them.
    bool gleich = marken_gesetzt && marken_grundlage == grundlage_jetzt();
    for (size_t i = 0; gleich && i < markierte.size(); ++i)
        gleich = (T[markierte[i]].status & (16 | 32)) == (16 | 32);
    return gleich ? 0 : Server_Mitspieler_Statistik();
}

int32_t Internet_Server_Mitspieler_Statistik()
{
    // A client's copies of the marks come from the server; a single PC has nobody to mark.
    if (!(Netz_Rolle & 2) || !T) return 0;
    return Server_Mitspieler_Statistik();
}
