#include "network/server.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "network/middleware.h"
#include "network/mw_user_login.h"
#include "network/netz.h"
#include "network/internet_read.h"
#include "network/netzuser.h"
#include "network/socket.h"
#include "platform/os/os.h"
#include "platform/bytes.h"
#include "platform/win95.h"

Server_Einstellungen Server_Settings;
Sock_Info* Server_Lauschend = nullptr;
int32_t Server_Version_Major = -1, Server_Version_Minor = -1;
char Server_Pfad_Config[256] = "./config_files";
char Server_Pfad_Logs[256] = "./server_logfiles";

namespace {

uint32_t letzte_idle_pruefung = 0;
// Per socket record: since when the connection on it has held no club while a game runs.
struct Ohne_Verein {
    uint32_t sock = 0, seit = 0;
};
Ohne_Verein ohne_verein[SOCKET_ANZAHL];
int logout_zaehler = 0;
const char* const EINSTELLUNGEN_DATEI = "dorvin_server_start_dialog_ini.bin";

}  // namespace

// ---- Settings ----

void Server_Einstellungen_Standard()
{
    Server_Settings = Server_Einstellungen{};
    const uint8_t ip[4] = {127, 0, 0, 1};
    std::memcpy(Server_Settings.ip, ip, 4);
    Server_Settings.port = NETZ_STANDARD_PORT;
    std::snprintf(Server_Settings.name, sizeof Server_Settings.name, "Dorvin Spieleserver");
    Server_Settings.server_id = 10001;
    Server_Settings.dialog_zahl = 256;
    Server_Settings.konsole = 1;
    Server_Settings.speichern = 1;
    Server_Settings.anmeldungen_pro_adresse = NETZ_ANMELDUNGEN_PRO_ADRESSE;
}

void Server_Einstellungen_Bytes(const Server_Einstellungen& e, uint8_t* b)
{
    std::memset(b, 0, SERVER_EINSTELLUNGEN_GROESSE);
    std::memcpy(b, e.ip, 4);
    Bytes_Setze16(b + 4, e.port);
    std::memcpy(b + 6, e.name, 40);
    std::memcpy(b + 46, e.pass_word, 40);
    Bytes_Setze32(b + 88, e.server_id);
    Bytes_Setze32(b + 92, e.dialog_zahl);
    Bytes_Setze32(b + 96, e.konsole);
    Bytes_Setze32(b + 100, e.speichern);
    std::memcpy(b + 104, e.fehler_text, 256);
    std::memcpy(b + 360, e.host_name, 256);
    Bytes_Setze32(b + 616, e.socket_anzahl);
    std::memcpy(b + 620, e.user_log, 256);
    Bytes_Setze32(b + 876, e.user_log_an);
    std::memcpy(b + 880, e.error_log, 256);
    Bytes_Setze32(b + 1136, e.error_log_an);
}

void Server_Einstellungen_Aus_Bytes(const uint8_t* b, Server_Einstellungen* e)
{
    std::memcpy(e->ip, b, 4);
    e->port = Bytes_Hole16(b + 4);
    // Texts from a file keep their NUL whatever the file holds.
    Mw_Text_Kopieren(e->name, 40, reinterpret_cast<const char*>(b + 6), 40);
    Mw_Text_Kopieren(e->pass_word, 40, reinterpret_cast<const char*>(b + 46), 40);
    e->server_id = Bytes_Hole32(b + 88);
    e->dialog_zahl = Bytes_Hole32(b + 92);
    e->konsole = Bytes_Hole32(b + 96);
    e->speichern = Bytes_Hole32(b + 100);
    Mw_Text_Kopieren(e->fehler_text, 256, reinterpret_cast<const char*>(b + 104), 256);
    Mw_Text_Kopieren(e->host_name, 256, reinterpret_cast<const char*>(b + 360), 256);
    e->socket_anzahl = Bytes_Hole32(b + 616);
    Mw_Text_Kopieren(e->user_log, 256, reinterpret_cast<const char*>(b + 620), 256);
    e->user_log_an = Bytes_Hole32(b + 876);
    Mw_Text_Kopieren(e->error_log, 256, reinterpret_cast<const char*>(b + 880), 256);
    e->error_log_an = Bytes_Hole32(b + 1136);
}

int Server_Einstellungen_Lesen()
{
    uint8_t b[SERVER_EINSTELLUNGEN_GROESSE];
    // A missing or short file leaves the defaults.
    if (!Netz_Datei_Lesen(EINSTELLUNGEN_DATEI, b, sizeof b)) return 0;
    Server_Einstellungen_Aus_Bytes(b, &Server_Settings);
    return 1;
}

int Server_Einstellungen_Schreiben()
{
    uint8_t b[SERVER_EINSTELLUNGEN_GROESSE];
    Server_Einstellungen_Bytes(Server_Settings, b);
    return Netz_Datei_Schreiben(EINSTELLUNGEN_DATEI, b, sizeof b);
}

// "IP automatisch erkennen": the host's name and first address into the settings.
static void host_erkennen()
{
    int32_t anzahl = 0;
    if (!Socket_StartUp(nullptr, &anzahl)) return;
    Server_Settings.socket_anzahl = uint32_t(anzahl);
    Socket_Get_Host_Setttings(Server_Settings.host_name, Server_Settings.ip);
    Socket_CleanUp();
}

int Server_Start_Dialog(Os_Window*, void*, const char* option)
{
    Server_Einstellungen_Lesen();
    if (Netz_Ohne_Dialog(option)) return 1;
    static const Netz_Dialog_Texte texte{"Dorvin Server: IP/Port Adresse", "Server starten", "Abbruch",
                                         "IP automatisch erkennen", "Error: IP-Adresse, falsches Format.",
                                         "Fehler: Port-Adresse, falsches Format. (z.B. 7a7b)", false};
    if (!Netz_Dialog(Server_Settings.ip, &Server_Settings.port, texte, host_erkennen)) return 0;
    // The server always runs with its own client: no name or pass word is asked.
    Server_Settings.speichern = 1;
    Server_Settings.user_log_an = 0;
    Server_Settings.konsole = 0;
    if (Server_Settings.speichern) Server_Einstellungen_Schreiben();
    return 1;
}

// ---- Paths and version ----

int Server_Registry_Pfade(const char* produkt)
{
    if (produkt) std::snprintf(Win95_Produkt_Key, sizeof Win95_Produkt_Key, "%s", produkt);
    const char* app = Win95_Registry_Get_App_Path();
    // Without an installation the working folder stands in for the program folder.
    if (!app || !app[0]) app = Pfad_Programm[0] ? Pfad_Programm : ".";
    Netz_Pfad(Server_Pfad_Config, sizeof Server_Pfad_Config, app, "config_files");
    Netz_Pfad(Server_Pfad_Logs, sizeof Server_Pfad_Logs, app, "server_logfiles");
    return 1;
}

// Up to max decimal numbers of a text file of the configuration folder, separated by anything
// else; how many were read, -1 without the file.
static int zahlen_lesen(const char* datei, int32_t* zahlen, int max)
{
    char name[300];
    std::snprintf(name, sizeof name, "%s/%s", Server_Pfad_Config, datei);
    FILE* f = std::fopen(name, "rb");
    if (!f) return -1;
    int gelesen = 0;
    int64_t zahl = -1;
    for (int c; gelesen < max && (c = std::fgetc(f)) != EOF;) {
        if (std::isdigit(c)) {
            zahl = (zahl < 0 ? 0 : zahl) * 10 + (c - '0');
            if (zahl > 0x7FFFFFFF) zahl = 0x7FFFFFFF;
        } else if (zahl >= 0) {
            zahlen[gelesen++] = int32_t(zahl);
            zahl = -1;
        }
    }
    if (gelesen < max && zahl >= 0) zahlen[gelesen++] = int32_t(zahl);
    std::fclose(f);
    return gelesen;
}

int Server_Version_Lesen(int32_t* major, int32_t* minor)
{
    int32_t zahlen[2] = {-1, -1};
    const int gelesen = zahlen_lesen("version.cfg", zahlen, 2);
    if (major) *major = zahlen[0];
    if (minor) *minor = zahlen[1];
    return gelesen == 2 ? 1 : 0;
}

int Server_Adressgrenze_Lesen()
{
    Server_Settings.anmeldungen_pro_adresse = NETZ_ANMELDUNGEN_PRO_ADRESSE;
    int32_t zahl = 0;
    const int gelesen = zahlen_lesen(SERVER_ADRESSGRENZE_DATEI, &zahl, 1);
    if (gelesen < 0) return 0;
    if (gelesen != 1 || zahl < 1 || zahl > NETZUSER_ANZAHL) {
        Socket_Log(SOCKET_LOG_HI, "%s holds no number of 1 to %d: the bound per address stays %d", SERVER_ADRESSGRENZE_DATEI,
                   NETZUSER_ANZAHL, NETZ_ANMELDUNGEN_PRO_ADRESSE);
        return 0;
    }
    Server_Settings.anmeldungen_pro_adresse = zahl;
    return 1;
}

const char* Server_Get_Name() { return Server_Settings.name; }

// ---- Start ----

static int start_fehler(const char* text)
{
    std::snprintf(Server_Settings.fehler_text, sizeof Server_Settings.fehler_text, "%s", text);
    Socket_Log(SOCKET_LOG_HI, "%s", text);
    if (Server_Lauschend) Socket_Destroy(Server_Lauschend);
    Server_Lauschend = nullptr;
    Socket_CleanUp();
    return 0;
}

int Server_Start(Os_Window* fenster, void* instanz, const char* option)
{
    Server_Einstellungen_Standard();
    Server_Registry_Pfade(WIN95_PRODUKT);
    Server_Version_Lesen(&Server_Version_Major, &Server_Version_Minor);
    if (!Middleware_Open(&Server_Settings)) {
        std::snprintf(Server_Settings.fehler_text, sizeof Server_Settings.fehler_text, "Cannot load Vantorel Database DLL.");
        return 0;
    }
    if (!Server_Start_Dialog(fenster, instanz, option)) return start_fehler("User break.");
    if (Server_Settings.konsole) Socket_Debug_Console_Open();
    Netz_Pfad(Server_Settings.user_log, sizeof Server_Settings.user_log, Server_Pfad_Logs, "user_dorvin_server.log");
    Netz_Pfad(Server_Settings.error_log, sizeof Server_Settings.error_log, Server_Pfad_Logs, "error_dorvin_server.log");
    Server_Settings.user_log_an = 1;
    Server_Settings.error_log_an = 1;
    if (!Socket_StartUp(nullptr, nullptr)) return start_fehler("Socket_Startup failed.");
    Socket_Init_Socket_Info_Struc();
    Server_Lauschend = Socket_Get_Socket_Info();
    if (!Server_Lauschend) return start_fehler("Internal fatal error, step 1.");
    if (!Socket_Create(Server_Lauschend)) return start_fehler("Socket create failed.");
    // Bound and listening on the port, or which step failed.
    const char* fehler = nullptr;
    auto lauschen = [&] {
        if (!Socket_Bind_Socket(Server_Lauschend, Server_Settings.port, Server_Settings.ip)) return "Bind socket failed.";
        Socket_Option(Server_Lauschend, 302, 1);
        Socket_Option(Server_Lauschend, 304, 1);
        return Socket_Server_Listen(Server_Lauschend) ? static_cast<const char*>(nullptr) : "Listen on server socket failed.";
    };
    fehler = lauschen();
    // A headless server (tests, scripted runs side by side) whose port is taken looks for a free
    // one from the standard port on; with a window the user chooses again. Another server that
    // bound the port but does not listen yet lets the bind pass and the listen fail: that port
    // is taken too, and the next one is tried on a fresh socket.
    for (int k = 1; fehler && Os_Headless() && k < 1000; ++k) {
        Socket_Destroy(Server_Lauschend);
        if (!Socket_Create(Server_Lauschend)) return start_fehler("Socket create failed.");
        Server_Settings.port = uint16_t(NETZ_STANDARD_PORT + k);
        fehler = lauschen();
    }
    if (fehler) return start_fehler(fehler);
    if (!Socket_Async_Select_Event(Server_Lauschend, fenster, FD_ACCEPT))
        return start_fehler("Async Select on server socket failed.");
    letzte_idle_pruefung = Netz_Zeit();
    Server_Adressgrenze_Lesen();
    Server_Abweisung_Vorbereiten();
    Socket_Log(SOCKET_LOG_ZEIGEN, "Listening for clients...\n");
    return 1;
}

int Server_Shutdown()
{
    for (auto& s : Socket_Tabelle)
        if (s.sock && &s != Server_Lauschend) Server_User_Logout(&s);
    if (Server_Lauschend) Socket_Destroy(Server_Lauschend);
    Server_Lauschend = nullptr;
    Socket_Auslaufende_Schliessen();
    Socket_Set_Abweisung(nullptr, 0);
    Socket_Set_Adressgrenze(0, nullptr, 0);
    Socket_CleanUp();
    Middleware_Close();
    return 1;
}

// ---- Poll ----

int Server_Poll()
{
    Server_Idle_Logout();
    Server_Socket_Steps();
    Server_Dispatch_All();
    Server_Client_Data_Pump();
    return 1;
}

int Server_Socket_Steps()
{
    Socket_Auslaufende_Pruefen();
    for (auto& s : Socket_Tabelle) {
        if (!s.sock || &s == Server_Lauschend) continue;
        if (s.status == SOCKET_STATUS_FEHLER) {
            Server_User_Logout(&s);
            continue;
        }
        if (s.abweisen && s.sende_status != SOCKET_SENDEN_WARTET) {
            // The refusal has gone: nothing more is read from this peer.
            Socket_Log(SOCKET_LOG_INFO, "Server: refused connection closed");
            if (s.mitspieler) Netzuser_Loeschen(s.mitspieler);
            Socket_Auslaufen_Lassen(&s);
            continue;
        }
        if (s.lese_zaehler && s.empfang_status != SOCKET_EMPFANG_FERTIG) Socket_Receive(&s);
        if (s.sende_status == SOCKET_SENDEN_WARTET) {
            Socket_Send(&s);
            // A peer that stopped reading stalls nobody: it goes once its message stands still.
            if (s.sende_status == SOCKET_SENDEN_WARTET && Netz_Zeit() - s.sende_bewegung > SERVER_SENDE_TIMEOUT) {
                Socket_Log(SOCKET_LOG_HI, "Server: client stopped reading, write timeout");
                Server_User_Logout(&s);
            }
        }
    }
    return 1;
}

// A connection that has not logged in within SERVER_LOGIN_FRIST of its accept goes: what came
// meanwhile is read and taken first, so that a server that stood still cuts no honest log-in.
static void login_frist(Sock_Info& s)
{
    if (!s.sock || s.mitspieler || s.abweisen || !s.angenommen || Netz_Zeit() - s.angenommen <= SERVER_LOGIN_FRIST)
        return;
    if (!s.status && s.empfang_status != SOCKET_EMPFANG_FERTIG) Socket_Receive(&s);
    if (!s.status && s.empfang_status == SOCKET_EMPFANG_FERTIG && s.socket_datainfo_receive.typ == NETZ_TYP_LOGIN)
        Server_Dispatch_Message(&s);
    if (s.sock && !s.mitspieler && !s.abweisen) {
        Socket_Log(SOCKET_LOG_INFO, "Server: no log-in in time, connection closed");
        Server_User_Logout(&s);
    }
}

int Server_Dispatch_All()
{
    for (auto& s : Socket_Tabelle) {
        if (!s.sock || &s == Server_Lauschend) continue;
        if (s.status == SOCKET_STATUS_FEHLER) Server_User_Logout(&s);
        else if (s.abweisen) Socket_Reset_Socket_Info(&s, SOCKET_RESET_EMPFANG);
        else if (s.empfang_status == SOCKET_EMPFANG_FERTIG) Server_Dispatch_Message(&s);
        login_frist(s);
    }
    return 1;
}

int Server_Dispatch_Message(Sock_Info* s)
{
    if (!s || s->empfang_status != SOCKET_EMPFANG_FERTIG) return 1;
    const uint32_t typ = s->socket_datainfo_receive.typ;
    // Messages that are answered wait while the previous answer is still going out, so that
    // the server never blocks on one client.
    const bool antwortet = typ == NETZ_TYP_LOGIN || typ == NETZ_TYP_TEST || typ == NETZ_TYP_UPDATE;
    if (antwortet && s->sende_status) return 1;
    switch (typ) {
    case NETZ_TYP_LOGIN: Server_User_Login(s); break;
    case NETZ_TYP_TEST: Server_Test(s); break;
    case NETZ_TYP_LOGOUT: Server_User_Logout(s); return 1;
    case NETZ_TYP_PING: Server_User_Ping(s); break;
    case NETZ_TYP_UPDATE: Server_Auto_Update(s); break;
    case CLIENT_DATA_SIMPLE:
    case CLIENT_DATA_KOMPLEX:
    case CLIENT_DATA_KOMPLEX_FIRST:
        // Game data belongs to the data pump, and only a participant may send it.
        if (s->mitspieler) return 1;
        Socket_Log(SOCKET_LOG_LO, "Server: game data before log-in dropped");
        break;
    default: Socket_Log(SOCKET_LOG_LO, "Server: unknown message type %u dropped", typ); break;
    }
    Socket_Reset_Socket_Info(s, SOCKET_RESET_EMPFANG);
    return 1;
}

int Server_Test(Sock_Info* s)
{
    Socket_Log(SOCKET_LOG_INFO, "Server test...");
    uint8_t antwort[4];
    Bytes_Setze32(antwort, 100);
    return Server_Send_Message(s, antwort, 4, NETZ_TYP_ANTWORT, 0);
}

int Server_User_Ping(Sock_Info*)
{
    Socket_Log(SOCKET_LOG_INFO, "Server user ping ...");
    return 1;
}

int32_t Server_User_Logout(Sock_Info* s)
{
    if (!s) return 0;
    // A log-out inside another one (a wait that pumps) goes on; a box would stop the server.
    if (logout_zaehler > 0) Socket_Log(SOCKET_LOG_HI, "Server_User_Logout: reentrant");
    ++logout_zaehler;
    int32_t ergebnis = 0;
    Mitspieler_Eintrag* m = s->mitspieler;
    if (m) {
        Socket_Log(SOCKET_LOG_INFO, "client %.40s: request logout", m->user_name);
        ergebnis = Middleware_Logout(m->user_id);
        if (Server_Settings.user_log_an) {
            char name[600];
            Server_Log_Name(name, sizeof name, Server_Settings.user_log);
            if (FILE* f = std::fopen(name, "a+")) {
                int32_t t[6];
                Netz_Lokalzeit_Voll(t);
                std::fprintf(f, "logout,%d/%d/%d,%02d:%02d:%02d,%.40s,%d.%d.%d.%d,%#06x,%d\r\n", t[2], t[1], t[0], t[3],
                             t[4], t[5], m->user_name, m->adresse[0], m->adresse[1], m->adresse[2], m->adresse[3],
                             unsigned(m->port), int(ergebnis));
                std::fclose(f);
            }
        }
        Netzuser_Loeschen(m);
    }
    Socket_Destroy(s);
    --logout_zaehler;
    Socket_Log(SOCKET_LOG_INFO, "Server_User_Logout (): end");
    return ergebnis;
}

void Server_Idle_Logout()
{
    uint32_t jetzt = Netz_Zeit();
    if (jetzt - letzte_idle_pruefung < SERVER_IDLE_PRUEFUNG) return;
    letzte_idle_pruefung = jetzt;
    const bool spiel = Internet_Spiel_Laeuft();
    for (size_t i = 0; i < std::size(Socket_Tabelle); ++i) {
        Sock_Info& s = Socket_Tabelle[i];
        if (!s.sock || !s.letzte_aktivitaet || &s == Server_Lauschend) {
            ohne_verein[i] = {};
            continue;
        }
        if (jetzt - s.letzte_aktivitaet > SERVER_IDLE_LIMIT) {
            Socket_Log(SOCKET_LOG_INFO, "Server: idle client logged out");
            Server_User_Logout(&s);
            ohne_verein[i] = {};
            continue;
        }
        // While a game runs a connection is for playing a club: one that has not claimed one
        // within the idle limit of the game's start or its last step towards it goes, however
        // often it pings or asks. A manager who has fetched the free clubs may take his time
        // over the choice.
        const Mitspieler_Eintrag* m = s.mitspieler;
        if (!spiel || (m && m->verein_beansprucht)) {
            ohne_verein[i] = {};
            continue;
        }
        const uint32_t frist = m && m->vereinsliste ? SERVER_VEREINSWAHL_LIMIT : SERVER_IDLE_LIMIT;
        if (!ohne_verein[i].seit || ohne_verein[i].sock != s.sock) {
            ohne_verein[i] = {s.sock, jetzt ? jetzt : 1};
        } else if (jetzt - ohne_verein[i].seit > frist && (!m || jetzt - m->schritt_zeit > frist)) {
            Socket_Log(SOCKET_LOG_INFO, "Server: client without a club logged out");
            Server_User_Logout(&s);
            ohne_verein[i] = {};
        }
    }
}

int Server_Wait_Sending_Finished(Sock_Info* s)
{
    return Netz_Senden_Abwarten(s, Server_Socket_Steps, SERVER_SENDE_TIMEOUT, "Server_Wait_Sending_Finished");
}

int Server_Send_Message(Sock_Info* s, const void* daten, uint32_t len, uint32_t typ, int warten)
{
    if (!s || !s->sock) return 0;
    const uint32_t handle = s->sock;
    if (!Server_Wait_Sending_Finished(s)) return 0;
    if (s->sock != handle || s->status) return 0;
    Socket_Prepare_Send(s, daten, len, typ);
    if (s->sende_status != SOCKET_SENDEN_WARTET) return 0;
    // Try at once: a short answer usually leaves in this pass.
    Socket_Send(s);
    if (warten) return Server_Wait_Sending_Finished(s);
    return 1;
}
