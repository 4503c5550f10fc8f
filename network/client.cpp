#include "network/client.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "network/mw_user_login.h"
#include "network/netz.h"
#include "network/server.h"
#include "network/socket.h"
#include "toolkit/menueleiste.h"
#include "platform/bytes.h"
#include "platform/compress.h"
#include "platform/mem.h"
#include "platform/os/os_dialog.h"
#include "platform/win95.h"

Client_Einstellungen Client_Settings;
Sock_Info* Client_Sock = nullptr;
Mw_User_Login Client_Login;

namespace {

const char* const EINSTELLUNGEN_DATEI = "dorvin_client_dialog_ini.bin";

bool verbunden() { return Client_Sock && Client_Sock->sock; }

}  // namespace

// ---- Settings ----

void Client_Einstellungen_Standard()
{
    Client_Settings = Client_Einstellungen{};
    const uint8_t ip[4] = {127, 0, 0, 1};
    std::memcpy(Client_Settings.ip, ip, 4);
    Client_Settings.port = NETZ_STANDARD_PORT;
    Client_Settings.dialog_zahl = 10001;
    Client_Settings.dialog_flag = 1;
    Client_Settings.speichern = 1;
}

void Client_Einstellungen_Bytes(const Client_Einstellungen& e, uint8_t* b)
{
    std::memset(b, 0, CLIENT_EINSTELLUNGEN_GROESSE);
    std::memcpy(b, e.ip, 4);
    Bytes_Setze16(b + 4, e.port);
    std::memcpy(b + 6, e.user_name, 40);
    // The pass word stays out of the file when the user asked for it.
    if (!e.pass_word_nicht_speichern) std::memcpy(b + 46, e.pass_word, 40);
    Bytes_Setze32(b + 88, e.dialog_zahl);
    Bytes_Setze32(b + 92, e.pass_word_nicht_speichern);
    Bytes_Setze32(b + 96, e.dialog_flag);
    Bytes_Setze32(b + 100, e.speichern);
    std::memcpy(b + 104, e.fehler_text, 256);
}

void Client_Einstellungen_Aus_Bytes(const uint8_t* b, Client_Einstellungen* e)
{
    std::memcpy(e->ip, b, 4);
    e->port = Bytes_Hole16(b + 4);
    Mw_Text_Kopieren(e->user_name, 40, reinterpret_cast<const char*>(b + 6), 40);
    Mw_Text_Kopieren(e->pass_word, 40, reinterpret_cast<const char*>(b + 46), 40);
    e->dialog_zahl = Bytes_Hole32(b + 88);
    e->pass_word_nicht_speichern = Bytes_Hole32(b + 92);
    e->dialog_flag = Bytes_Hole32(b + 96);
    e->speichern = Bytes_Hole32(b + 100);
    Mw_Text_Kopieren(e->fehler_text, 256, reinterpret_cast<const char*>(b + 104), 256);
}

int Client_Einstellungen_Lesen()
{
    uint8_t b[CLIENT_EINSTELLUNGEN_GROESSE];
    // A missing or short file leaves the defaults.
    if (!Netz_Datei_Lesen(EINSTELLUNGEN_DATEI, b, sizeof b)) return 0;
    Client_Einstellungen_Aus_Bytes(b, &Client_Settings);
    return 1;
}

int Client_Einstellungen_Schreiben()
{
    uint8_t b[CLIENT_EINSTELLUNGEN_GROESSE];
    Client_Einstellungen_Bytes(Client_Settings, b);
    return Netz_Datei_Schreiben(EINSTELLUNGEN_DATEI, b, sizeof b);
}

int Client_Server_Adresse_Lesen(const char* datei, uint8_t ip[4], uint16_t* port, bool* gelesen)
{
    if (gelesen) *gelesen = false;
    if (!datei || !ip || !port) return 0;
    FILE* f = std::fopen(datei, "rb");
    if (!f) return 1;
    uint32_t zahlen[5] = {};
    int anzahl = 0, ziffern = 0;
    bool kaputt = false;
    for (int c; anzahl < 5 && (c = std::fgetc(f)) != EOF;) {
        if (std::isdigit(c)) {
            if (++ziffern >= 9) kaputt = true;
            else zahlen[anzahl] = zahlen[anzahl] * 10 + uint32_t(c - '0');
        } else if (ziffern) {
            ++anzahl;
            ziffern = 0;
        }
        if (kaputt) break;
    }
    if (ziffern && anzahl < 5) ++anzahl;
    std::fclose(f);
    // Values that do not fit their field are as wrong as overlong numbers, and an address cut
    // short would connect to a mix of the file's and another address.
    for (int i = 0; i < anzahl && !kaputt; ++i) kaputt = zahlen[i] > (i < 4 ? 255u : 65535u);
    if (anzahl < 4 || (anzahl == 5 && zahlen[4] == 0)) kaputt = true;
    if (kaputt) {
        Win95_Meldung("Fehler in %s.", datei);
        return 0;
    }
    for (int i = 0; i < 4; ++i) ip[i] = uint8_t(zahlen[i]);
    if (anzahl == 5) *port = uint16_t(zahlen[4]);
    if (gelesen) *gelesen = true;
    return 1;
}

// The dialog's fields: the settings file's, or the given address in their place.
static int dialog(const char* option, const uint8_t* ip, uint16_t port)
{
    Client_Einstellungen_Lesen();
    if (ip) {
        std::memcpy(Client_Settings.ip, ip, 4);
        Client_Settings.port = port;
    }
    if (Netz_Ohne_Dialog(option)) return 1;
    static const Netz_Dialog_Texte texte{"Dorvin Client Anmeldung ", "Verbinden", "Abbruch", nullptr,
                                         "Fehler: IP-Adresse, falsches Format",
                                         "Fehler: Port-Adresse, falsches Format", true};
    if (!Netz_Dialog(Client_Settings.ip, &Client_Settings.port, texte, nullptr)) return 0;
    Client_Settings.pass_word_nicht_speichern = 0;
    Client_Settings.speichern = 1;
    Client_Settings.dialog_flag = 0;
    std::snprintf(Client_Settings.user_name, sizeof Client_Settings.user_name, "Client");
    std::snprintf(Client_Settings.pass_word, sizeof Client_Settings.pass_word, "brumf");
    Client_Einstellungen_Schreiben();
    return 1;
}

int Client_Dialog(Os_Window*, void*, const char* option) { return dialog(option, nullptr, 0); }

// ---- Connect and log-in ----

static int connect_fehler(const char* text)
{
    Os_Status_Fenster(nullptr, nullptr, nullptr, -1);
    if (text) std::snprintf(Client_Settings.fehler_text, sizeof Client_Settings.fehler_text, "%s", text);
    Socket_Log(SOCKET_LOG_HI, "%s", Client_Settings.fehler_text);
    return 0;
}

// The status window's step: the bar position and the step's name.
static void schritt(int position, const char* name)
{
    Socket_Log(SOCKET_LOG_INFO, "%d/1000 %s", position, name);
    Os_Status_Fenster("Moment bitte...", "Verbindung zum Spiele Server wird hergestellt...", name, position);
}

int Client_Connect(Os_Window* fenster, void*, const char* user_name, const char* pass_word, const uint8_t* ip,
                   uint16_t port)
{
    Client_Einstellungen_Standard();
    Server_Registry_Pfade(WIN95_PRODUKT);
    if (user_name && pass_word && ip) {
        Mw_Text_Kopieren(Client_Settings.user_name, 40, user_name, 40);
        Mw_Text_Kopieren(Client_Settings.pass_word, 40, pass_word, 40);
        std::memcpy(Client_Settings.ip, ip, 4);
        Client_Settings.port = port;
    } else if (!dialog("", ip, port)) {
        // Without a user the dialog asks; an address given (the server address file's) fills it.
        return connect_fehler("Abbruch von Benutzer.");
    }
    Win95_Message_Pump();
    Win95_Message_Pump();
    schritt(110, "Socket_Startup");
    if (!Socket_StartUp(nullptr, nullptr))
        return connect_fehler("Kann die Verbindung nicht herstellen: WinSock Startup Error.");
    schritt(220, "Socket_Init_Socket_Info_Struc");
    Socket_Init_Socket_Info_Struc();
    schritt(330, "Socket_Get_Socket_Info");
    Client_Sock = Socket_Get_Socket_Info();
    if (!Client_Sock) return connect_fehler("Kann die Verbindung nicht herstellen: Kein Client Socket Step 1.");
    schritt(440, "Socket_Create");
    if (!Socket_Create(Client_Sock)) return connect_fehler("Kann die Verbindung nicht herstellen: Kein Client Socket Step 2.");
    schritt(550, "Socket_Option Step 1");
    Socket_Option(Client_Sock, 302, 1);
    schritt(660, "Socket_Option Step 2");
    Socket_Option(Client_Sock, 304, 1);
    schritt(770, "Socket_Connect_Socket");
    if (!Socket_Connect_Socket(Client_Sock, Client_Settings.port, Client_Settings.ip)) {
        Socket_Destroy(Client_Sock);
        return connect_fehler("Kann die Verbindung nicht herstellen (IP oder Port falsch?): Socket Connect Error.");
    }
    schritt(880, "Socket_Async_Select_Event");
    Socket_Log(SOCKET_LOG_INFO, "Connect OK...");
    if (!Socket_Async_Select_Event(Client_Sock, fenster, FD_READ | FD_WRITE | FD_CLOSE))
        return connect_fehler("Kann die Verbindung nicht herstellen: Socket Async Select Error.");
    schritt(990, "Client_User_Registration");
    int ok = Client_User_Registration(Client_Settings.user_name, Client_Settings.pass_word, 255);
    schritt(1000, ok ? "accepted by server" : "NOT accepted by server");
    Socket_Log(SOCKET_LOG_INFO, ok ? "accepted by server" : "NOT accepted by server");
    Win95_Sleep(200);
    if (!ok) return connect_fehler("Der Server hat die Anmeldung abgelehnt.");
    Os_Status_Fenster(nullptr, nullptr, nullptr, -1);
    return 1;
}

int Client_User_Registration(const char* user_name, const char* pass_word, uint32_t hardware_id)
{
    std::memset(&Client_Login, 0, sizeof Client_Login);
    if (!user_name || !pass_word || !user_name[0] || !pass_word[0]) return 0;
    if (std::strlen(user_name) > 40 || std::strlen(pass_word) > 40) return 0;
    // Up to 40 characters fill the field; a full one has no NUL, as the record allows.
    std::memcpy(Client_Login.user_name, user_name, std::strlen(user_name));
    std::memcpy(Client_Login.pass_word, pass_word, std::strlen(pass_word));
    Client_Login.hardware_id = hardware_id;
    int32_t major = -1, minor = -1;
    Server_Version_Lesen(&major, &minor);
    Client_Login.major_version = uint32_t(major);
    Client_Login.minor_version = uint32_t(minor);
    Client_Login.language = 1;
    static uint8_t bytes[MW_USER_LOGIN_GROESSE];
    Mw_User_Login_Schreiben(Client_Login, bytes);
    if (!Client_Send_Message(bytes, MW_USER_LOGIN_GROESSE, NETZ_TYP_LOGIN, 1)) return 0;
    std::memset(bytes, 0, sizeof bytes);
    uint32_t n = sizeof bytes;
    int32_t ergebnis = 0;
    Client_Internet_Receive_Data(bytes, &n, &ergebnis, 1, NETZ_TYP_ANTWORT);
    if (ergebnis != NETZ_EMPFANGEN) return 0;
    Mw_User_Login_Lesen(bytes, &Client_Login);
    return Client_Login.middle_ware_response == MW_ANTWORT_ANGENOMMEN ? 1 : 0;
}

int Client_Disconnect()
{
    if (Client_Sock) Socket_Destroy(Client_Sock);
    Socket_Debug_Console_Close();
    return 1;
}

int Client_User_Destroy()
{
    if (Client_Sock) Socket_Destroy(Client_Sock);
    Socket_Log(SOCKET_LOG_INFO, "Client_User_Destroy!");
    return 1;
}

// ---- One connection ----

int Client_Poll()
{
    if (!verbunden()) return 1;
    if (Client_Sock->status == SOCKET_STATUS_FEHLER) return 0;
    if (Client_Sock->lese_zaehler && Client_Sock->empfang_status != SOCKET_EMPFANG_FERTIG) Socket_Receive(Client_Sock);
    if (Client_Sock->sende_status == SOCKET_SENDEN_WARTET) Socket_Send(Client_Sock);
    return 1;
}

int Client_Wait_Sending_Finished()
{
    if (!verbunden()) return 0;
    return Netz_Senden_Abwarten(Client_Sock, Client_Poll, CLIENT_TIMEOUT, "Client_Wait_Sending_Finished");
}

int Client_Send_Message(const void* daten, uint32_t len, uint32_t typ, int warten)
{
    Netz_Aktivitaet_Anzeigen(1, 2);
    int ok = Client_Wait_Sending_Finished();
    Netz_Aktivitaet_Anzeigen(0, 2);
    if (ok && len < SOCKET_MAX_DATA_SIZE) {
        Socket_Prepare_Send(Client_Sock, daten, len, typ);
        Client_Poll();
        if (warten) ok = Client_Wait_Sending_Finished();
    }
    Netz_Aktivitaet_Anzeigen(2, 2);
    return ok;
}

int Client_Message_Waiting(int32_t typ)
{
    return verbunden() && typ >= 0 && Client_Sock->empfang_status == SOCKET_EMPFANG_FERTIG &&
           Client_Sock->socket_datainfo_receive.typ == uint32_t(typ);
}

uint8_t* Client_Internet_Receive_Data(uint8_t* puffer, uint32_t* laenge, int32_t* ergebnis, int warten, int32_t typ)
{
    int32_t code = NETZ_NICHTS;
    uint8_t* aus = puffer;
    uint32_t genommen = 0;
    Netz_Aktivitaet_Anzeigen(2, 1);
    uint32_t start = Netz_Zeit();
    for (;;) {
        if (!verbunden() || Client_Sock->status == SOCKET_STATUS_FEHLER) {
            Socket_Log(SOCKET_LOG_HI, "Client_Internet_Receive_Data(): receive error!");
            code = NETZ_FEHLER;
            break;
        }
        Sock_Info* s = Client_Sock;
        if (s->empfang_status == SOCKET_EMPFANG_FERTIG) {
            if (typ >= 0 && s->socket_datainfo_receive.typ != uint32_t(typ)) {
                Socket_Reset_Socket_Info(s, SOCKET_RESET_EMPFANG);
                start = Netz_Zeit();
                if (!warten) break;
                continue;
            }
            const uint32_t len = s->socket_datainfo_receive.len;
            if (puffer) {
                genommen = laenge && *laenge < len ? *laenge : len;
                std::memcpy(puffer, s->empfang_daten, genommen);
                code = NETZ_EMPFANGEN;
            } else {
                aus = static_cast<uint8_t*>(Mem_Alloc(len ? len : 1, 0));
                genommen = aus ? len : 0;
                if (aus) std::memcpy(aus, s->empfang_daten, len);
                code = aus ? NETZ_EMPFANGEN : NETZ_FEHLER;
            }
            Socket_Reset_Socket_Info(s, SOCKET_RESET_EMPFANG);
            break;
        }
        if (!warten) break;
        if (Netz_Zeit() - start > CLIENT_TIMEOUT) {
            Socket_Log(SOCKET_LOG_HI, "Client_Internet_Receive_Data(): receive timeout!");
            break;
        }
        Netz_Aktivitaet_Anzeigen(2, 0);
        Win95_Message_Pump();
        Client_Poll();
        if (Client_Sock && Client_Sock->empfang_status != SOCKET_EMPFANG_FERTIG) Netz_Warten();
    }
    Netz_Aktivitaet_Anzeigen(2, 2);
    if (laenge) *laenge = genommen;
    if (ergebnis) *ergebnis = code;
    return aus;
}

void Client_Ping()
{
    if (!verbunden() || Client_Sock->status) return;
    const uint32_t jetzt = Netz_Zeit();
    if (jetzt - Client_Sock->letzte_aktivitaet <= CLIENT_PING_ABSTAND) return;
    const uint8_t null[4] = {};
    Client_Send_Message(null, 4, NETZ_TYP_PING, 0);
    if (verbunden()) Client_Sock->letzte_aktivitaet = jetzt;
    Socket_Log(SOCKET_LOG_INFO, "sending ping...:");
}

// ---- Game data ----

int Client_Send_Client_Data(const uint8_t* daten, uint32_t len)
{
    Socket_Log(SOCKET_LOG_INFO, "+++ Client sendet Daten zum Server (Blocking Mode): %u bytes", len);
    uint32_t gepackt = 0;
    uint8_t* block = Netz_Packen(daten, len, &gepackt);
    if (!block) return 0;
    int ok;
    if (gepackt < SOCKET_MAX_DATA_SIZE) {
        Socket_Log(SOCKET_LOG_INFO, "send CLIENT_DATA_SIMPLE");
        ok = Client_Send_Message(block, gepackt, CLIENT_DATA_SIMPLE, 1);
    } else {
        Socket_Log(SOCKET_LOG_INFO, "send CLIENT_DATA_KOMPLEX_FIRST");
        uint8_t groesse[4];
        Bytes_Setze32(groesse, gepackt);
        ok = Client_Send_Message(groesse, 4, CLIENT_DATA_KOMPLEX_FIRST, 1);
        for (uint32_t pos = 0; ok && pos < gepackt;) {
            const uint32_t stueck = gepackt - pos < NETZ_STUECK ? gepackt - pos : NETZ_STUECK;
            Socket_Log(SOCKET_LOG_INFO, "send CLIENT_DATA_KOMPLEX");
            ok = Client_Send_Message(block + pos, stueck, CLIENT_DATA_KOMPLEX, 1);
            pos += stueck;
        }
    }
    Mem_Free(block, 0);
    Socket_Log(SOCKET_LOG_INFO, "+++ Client sendet Daten zum Server: fertig (retwert=%d)", ok);
    return ok;
}

uint8_t* Client_Receive_Client_Data(uint32_t* laenge, int32_t* ergebnis)
{
    uint32_t n = 0;
    int32_t code = NETZ_NICHTS;
    uint8_t* block = nullptr;
    if (Client_Message_Waiting(CLIENT_DATA_SIMPLE)) {
        Socket_Log(SOCKET_LOG_INFO, "+++ Client receive Daten vom Server (CLIENT_DATA_SIMPLE)");
        uint32_t m = 0;
        uint8_t* paket = Client_Internet_Receive_Data(nullptr, &m, &code, 1, CLIENT_DATA_SIMPLE);
        if (code == NETZ_EMPFANGEN) {
            block = Netz_Auspacken(paket, m, &n);
            if (!block) code = NETZ_FEHLER;
        }
        if (code != NETZ_EMPFANGEN) code = NETZ_FEHLER;
        Mem_Free(paket, 0);
        Socket_Log(SOCKET_LOG_INFO, "+++ Client receive Daten vom Server: fertig (*ret_code=%d)", code);
    } else if (Client_Message_Waiting(CLIENT_DATA_KOMPLEX_FIRST)) {
        Socket_Log(SOCKET_LOG_INFO, "+++ Client receive Daten vom Server (CLIENT_DATA_KOMPLEX_FIRST)");
        uint8_t kopf[4] = {};
        uint32_t m = 4;
        Client_Internet_Receive_Data(kopf, &m, &code, 1, CLIENT_DATA_KOMPLEX_FIRST);
        const uint32_t groesse = Bytes_Hole32(kopf);
        uint8_t* paket = nullptr;
        if (code == NETZ_EMPFANGEN) {
            Socket_Log(SOCKET_LOG_INFO, "Data Receiving, %u bytes.", groesse);
            // An announcement out of bounds would take gigabytes or stall: the connection fails.
            if (groesse && groesse <= NETZ_PAKET_MAX) paket = static_cast<uint8_t*>(Mem_Alloc(groesse, 0));
            if (!paket) {
                code = NETZ_FEHLER;
                if (verbunden()) Client_Sock->status = SOCKET_STATUS_FEHLER;
            }
        }
        uint32_t pos = 0;
        int auszeiten = 0;
        while (paket && code == NETZ_EMPFANGEN && pos < groesse) {
            uint32_t fehlt = groesse - pos;
            int32_t c = NETZ_NICHTS;
            Client_Internet_Receive_Data(paket + pos, &fehlt, &c, 1, CLIENT_DATA_KOMPLEX);
            if (c == NETZ_EMPFANGEN) pos += fehlt;
            else if (c == NETZ_FEHLER || ++auszeiten >= 10) code = NETZ_FEHLER;
        }
        if (paket && code == NETZ_EMPFANGEN) {
            block = Netz_Auspacken(paket, groesse, &n);
            if (!block) code = NETZ_FEHLER;
        } else if (code != NETZ_NICHTS) {
            code = NETZ_FEHLER;
        }
        Mem_Free(paket, 0);
        Socket_Log(SOCKET_LOG_INFO, "+++ Client receive Daten vom Server: fertig (*ret_code=%d)", code);
    }
    if (!block) n = 0;
    if (laenge) *laenge = n;
    if (ergebnis) *ergebnis = code;
    return block;
}
