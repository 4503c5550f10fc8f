#include "network/socket.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/bytes.h"
#include "platform/os/os_socket.h"
#include "platform/win95.h"

Sock_Info Socket_Tabelle[SOCKET_ANZAHL];

namespace {

uint32_t (*uhr_hook)() = nullptr;
Socket_Recv_Hook recv_hook = nullptr;
std::function<void(int, const char*)> log_hook;
bool konsole_offen = false;

struct Auslaufend {
    uint32_t sock;
    uint32_t seit;
};
Auslaufend auslaufend[SOCKET_AUSLAUF_MAX];
int auslaufend_anzahl = 0;
// A framed message that goes to a connection refused at accept.
struct Abweisung {
    uint8_t nachricht[SOCKET_KOPF_GROESSE + SOCKET_MAX_DATA_SIZE];
    uint32_t laenge = 0;
    void setzen(const uint8_t* n, uint32_t len)
    {
        laenge = n && len <= sizeof nachricht ? len : 0;
        if (laenge) std::memcpy(nachricht, n, len);
    }
};
Abweisung voll, zu_viele;
int32_t adress_grenze = 0;

// Connections one address may open: a burst of twice its bound at once, then one each
// SOCKET_ZUGANG_ABSTAND ms. A peer that re-opens connections without end is refused at accept,
// before a record, a log-in or a log line is spent on it; other addresses keep their own pace.
struct Zugang {
    uint32_t adresse;
    uint32_t voll_ab;  // network clock from which the address may open its whole burst again
    bool gemeldet;     // its refusals of this run are in the log
};
Zugang zugaenge[SOCKET_ZUGAENGE];

bool zugang_erlaubt(const uint8_t* peer)
{
    if (adress_grenze <= 0) return true;
    const uint32_t adresse = uint32_t(peer[4]) << 24 | uint32_t(peer[5]) << 16 | uint32_t(peer[6]) << 8 | peer[7];
    const uint32_t jetzt = Netz_Zeit();
    const auto rest = [jetzt](const Zugang& z) { return int32_t(z.voll_ab - jetzt) > 0 ? z.voll_ab - jetzt : 0u; };
    Zugang* z = nullptr;
    for (Zugang& x : zugaenge)
        if (x.adresse == adresse && rest(x)) z = &x;
    // a new address takes the entry that has waited longest
    if (!z) {
        z = &zugaenge[0];
        for (Zugang& x : zugaenge)
            if (rest(x) < rest(*z)) z = &x;
        *z = {adresse, jetzt, false};
    }
    const uint32_t burst = uint32_t(2 * adress_grenze) * SOCKET_ZUGANG_ABSTAND;
    if (rest(*z) + SOCKET_ZUGANG_ABSTAND > burst) {
        if (!z->gemeldet)
            Socket_Log(SOCKET_LOG_HI, "Socket_Accept_Connection: %d.%d.%d.%d opens connections too fast", peer[4],
                       peer[5], peer[6], peer[7]);
        z->gemeldet = true;
        return false;
    }
    z->voll_ab = jetzt + rest(*z) + SOCKET_ZUGANG_ABSTAND;
    z->gemeldet = false;
    return true;
}

void auslaufen(uint32_t sock)
{
    Os_Socket_Shutdown_Send(sock);
    if (auslaufend_anzahl == SOCKET_AUSLAUF_MAX) {
        Os_Socket_Close(auslaufend[0].sock);
        std::memmove(auslaufend, auslaufend + 1, sizeof(Auslaufend) * (SOCKET_AUSLAUF_MAX - 1));
        --auslaufend_anzahl;
    }
    auslaufend[auslaufend_anzahl++] = {sock, Netz_Zeit()};
}

// A fresh connection refused at once: its send buffer takes the whole message, then it ends.
void abweisen(uint32_t h, const Abweisung& a)
{
    if (!a.laenge) {
        Os_Socket_Close(h);
        return;
    }
    Os_Socket_Send(h, a.nachricht, a.laenge);
    auslaufen(h);
}

// recv() through the seam: > 0 bytes, 0 closed, -1 would block, -2 error.
int32_t lesen(Sock_Info* s, void* puffer, uint32_t len)
{
    if (recv_hook) return recv_hook(s->sock, puffer, len);
    int32_t n = Os_Socket_Recv(s->sock, puffer, len);
    if (n >= 0) return n;
    return Os_Socket_Would_Block() ? -1 : -2;
}

// A Winsock failure: the operation with the error name, then the summary line.
int fehlschlag(const char* operation, const char* zusammenfassung)
{
    Socket_Log(SOCKET_LOG_LO, "%s returns %s", operation, Os_Socket_Error_Name());
    Socket_Log(SOCKET_LOG_HI, "%s", zusammenfassung);
    return 0;
}

bool pruefen(Sock_Info* s, const char* name)
{
    if (!s) {
        Socket_Log(SOCKET_LOG_HI, "%s: sock_info==NULL", name);
        return false;
    }
    if (!s->sock) {
        Socket_Log(SOCKET_LOG_HI, "%s: sock_info->sock==NULL", name);
        return false;
    }
    return true;
}

}  // namespace

// ---- Log and console ----

void Socket_Log(int level, const char* format, ...)
{
    static const bool debug = [] {
        const char* v = std::getenv("DORVIN_DEBUG");
        return v && std::strcmp(v, "1") == 0;
    }();
    // Nobody reads it: no formatting on the busy paths.
    if (!log_hook && !debug && (!konsole_offen || level == SOCKET_LOG_INFO)) return;
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (log_hook) log_hook(level, text);
    char zeile[1100];
    zeile[0] = 0;
    if (level == SOCKET_LOG_LO) std::snprintf(zeile, sizeof zeile, "ERROR LO: %s\n", text);
    else if (level == SOCKET_LOG_HI) std::snprintf(zeile, sizeof zeile, "ERROR HI: %s\n", text);
    else if (level == SOCKET_LOG_ZEIGEN) std::snprintf(zeile, sizeof zeile, "-> %s", text);
    if (zeile[0] && konsole_offen) Socket_Debug_Console_Write(zeile);
    if (debug) std::fprintf(stderr, "netz %d: %s\n", level, text);
}

void Socket_Set_Log_Hook(std::function<void(int, const char*)> hook) { log_hook = std::move(hook); }

void Socket_Debug_Console_Open()
{
    Debug_Console_Open();
    konsole_offen = true;
}

void Socket_Debug_Console_Write(const char* text) { Debug_Console_Write(text); }

void Socket_Debug_Console_Close()
{
    Debug_Console_Close();
    konsole_offen = false;
}

// ---- Clock ----

uint32_t Netz_Zeit() { return uhr_hook ? uhr_hook() : Os_Socket_Clock_Ms(); }

void Netz_Warten() { Os_Socket_Wait(5); }

void Socket_Set_Uhr(uint32_t (*uhr)()) { uhr_hook = uhr; }

void Socket_Set_Recv_Hook(Socket_Recv_Hook hook) { recv_hook = hook; }

// ---- Start-up and the table ----

int Socket_StartUp(char* status, int32_t* maximum)
{
    int32_t max = Os_Socket_Max();
    Socket_Log(SOCKET_LOG_INFO, "Max_Sockets: %d", max);
    if (maximum) *maximum = max;
    if (max < 8) {
        Socket_Log(SOCKET_LOG_HI, "Socket_Start_Up failed. (only %d Sockets?)", max);
        Socket_CleanUp();
        return 0;
    }
    Socket_Log(SOCKET_LOG_INFO, "Socket_Start_Up system status: %s", "Running");
    if (status) std::strcpy(status, "Running");
    return 1;
}

int Socket_CleanUp()
{
    Socket_Log(SOCKET_LOG_INFO, "Socket_CleanUp() OK!");
    return 1;
}

// Records are handed out lowest free first, and only a record handed out is ever written: those
// above the highest one handed out still hold the zeros they started with. The table is some
// megabytes, mostly buffers a lone game never touches; clearing all of it at each start took
// every one of its pages.
static size_t socket_benutzt = 0;  // records from the first one up to the highest handed out

void Socket_Init_Socket_Info_Struc()
{
    std::memset(Socket_Tabelle, 0, socket_benutzt * sizeof(Sock_Info));
    socket_benutzt = 0;
}

Sock_Info* Socket_Get_Socket_Info()
{
    for (size_t i = 0; i < SOCKET_ANZAHL; ++i) {
        Sock_Info& s = Socket_Tabelle[i];
        if (s.sock) continue;
        if (i >= socket_benutzt) socket_benutzt = i + 1;
        Socket_Clear_Socket_Info(&s);
        return &s;
    }
    return nullptr;
}

void Socket_Clear_Socket_Info(Sock_Info* s)
{
    if (s) std::memset(s, 0, sizeof *s);
}

void Socket_Reset_Socket_Info(Sock_Info* s, int selector)
{
    if (!s) return;
    if (selector == SOCKET_RESET_EMPFANG) {
        std::memset(&s->socket_datainfo_receive, 0, sizeof s->socket_datainfo_receive);
        std::memset(s->empfang_kopf, 0, sizeof s->empfang_kopf);
        std::memset(s->empfang_daten, 0, sizeof s->empfang_daten);
        s->empfang_status = 0;
        s->empfangene_bytes = 0;
    } else if (selector == SOCKET_RESET_SENDEN) {
        std::memset(&s->socket_datainfo_send, 0, sizeof s->socket_datainfo_send);
        std::memset(s->sende_puffer, 0, sizeof s->sende_puffer);
        s->sende_status = 0;
        s->gesendete_bytes = 0;
        s->schreib_zaehler = 0;
    }
}

int Socket_Create(Sock_Info* s)
{
    if (!s) {
        Socket_Log(SOCKET_LOG_HI, "socket(): sock_info==NULL");
        return 0;
    }
    if (s->sock) {
        Socket_Log(SOCKET_LOG_HI, "socket() sock_info->sock already set");
        return 0;
    }
    uint32_t h = Os_Socket_Create();
    if (!h) return fehlschlag("socket()", "socket()?");
    s->sock = h;
    return 1;
}

int Socket_Destroy(Sock_Info* s)
{
    if (!s) return 0;
    if (s->sock) {
        if (Os_Socket_Close(s->sock)) Socket_Log(SOCKET_LOG_INFO, "Socket_Destroy(): OK");
        else Socket_Log(SOCKET_LOG_LO, "Socket_Destroy(): closesocket() returns %s", Os_Socket_Error_Name());
    }
    Socket_Clear_Socket_Info(s);
    return 1;
}

int Socket_Option(Sock_Info* s, int32_t option, uint32_t wert)
{
    if (!pruefen(s, "Socket_Option")) return 0;
    static constexpr int32_t bekannt[] = {300, 301, 302, 303, 304, 306, 308, 310};
    bool gefunden = false;
    for (int32_t o : bekannt) gefunden = gefunden || o == option;
    if (!gefunden) {
        Socket_Log(SOCKET_LOG_HI, "Socket_Option: setsockopt(): parameter not available");
        return 0;
    }
    if (!Os_Socket_Option(s->sock, option, wert)) return fehlschlag("Socket_Option: setsockopt()", "Socket_Option()?");
    return 1;
}

// Bind and connect check their arguments alike.
static bool adresse_pruefen(const char* name, uint16_t port, const uint8_t* ip4)
{
    if (!ip4) {
        Socket_Log(SOCKET_LOG_HI, "%s: no IP Address specified.", name);
        return false;
    }
    if (!port) {
        Socket_Log(SOCKET_LOG_HI, "%s: no Port Address specified.", name);
        return false;
    }
    return true;
}

int Socket_Bind_Socket(Sock_Info* s, uint16_t port, const uint8_t* ip4)
{
    if (!pruefen(s, "Socket_Bind_Socket()") || !adresse_pruefen("Socket_Bind_Socket()", port, ip4)) return 0;
    if (!Os_Socket_Bind(s->sock, port, ip4))
        return fehlschlag("Socket_Bind_Socket(): bind()", "Socket_Bind_Socket: bind() returns a error. (IP-Adress Ok?)");
    Socket_Log(SOCKET_LOG_INFO, "Socket_Bind_Socket() OK! IP-Adr: %d.%d.%d.%d, Port: %#06x", ip4[0], ip4[1], ip4[2],
               ip4[3], port);
    return 1;
}

int Socket_Server_Listen(Sock_Info* s)
{
    if (!pruefen(s, "Socket_Server_Listen")) return 0;
    // As Winsock's SOMAXCONN: the system cuts it to its own longest queue, so that a crowd of
    // clients connecting at once waits in the queue instead of being turned away.
    if (!Os_Socket_Listen(s->sock, 0x7FFFFFFF)) return fehlschlag("Socket_Server_Listen: listen()", "Socket_Server_Listen()?");
    Socket_Log(SOCKET_LOG_INFO, "Socket_Server_Listen: OK");
    return 1;
}

int Socket_Connect_Socket(Sock_Info* s, uint16_t port, const uint8_t* ip4)
{
    if (!pruefen(s, "Socket_Connect_Socket()") || !adresse_pruefen("Socket_Connect_Socket()", port, ip4)) return 0;
    if (!Os_Socket_Connect(s->sock, port, ip4, 10000))
        return fehlschlag("Socket_Connect_Socket(): connect", "Socket_Connect_Socket()?");
    Socket_Log(SOCKET_LOG_INFO, "Socket_Connect_Socket() OK! IP-Adr: %d.%d.%d.%d, Port: %x", ip4[0], ip4[1], ip4[2],
               ip4[3], port);
    return 1;
}

int Socket_Async_Select_Event(Sock_Info* s, Os_Window*, uint32_t maske)
{
    if (!pruefen(s, "Socket_Async_Select_Event()")) return 0;
    if (!Os_Socket_Select(s->sock, maske))
        return fehlschlag("Socket_Async_Select_Event(): WSAAsyncSelect()", "Socket_Async_Select_Event()?");
    Socket_Log(SOCKET_LOG_INFO, "Socket_Async_Select_Event(): OK!");
    return 1;
}

int Socket_Async_Stop_Events(Sock_Info* s, Os_Window* fenster) { return Socket_Async_Select_Event(s, fenster, 0); }

Sock_Info* Socket_Accept_Connection(Sock_Info* lauschend)
{
    if (!pruefen(lauschend, "Socket_Accept_Connection")) return nullptr;
    uint8_t peer[16] = {};
    const uint32_t h = Os_Socket_Accept(lauschend->sock, peer);
    if (!h) {
        fehlschlag("Socket_Accept_Connection: accept()", "Socket_Accept_Connection: accept() returns a error");
        return nullptr;
    }
    if (!zugang_erlaubt(peer)) {
        abweisen(h, zu_viele);
        return nullptr;
    }
    Sock_Info* neu = Socket_Get_Socket_Info();
    if (!neu) {
        // The connection is off the queue (or it would be offered for ever): the newcomer is told
        // why it goes.
        Socket_Log(SOCKET_LOG_HI, "Socket_Accept_Connection: no free socket record");
        abweisen(h, voll);
        return nullptr;
    }
    std::memcpy(neu->peer_adresse, peer, sizeof peer);
    neu->sock = h;
    const uint8_t* a = neu->peer_adresse;
    // Counted from accept, not from log-in: connections that never log in fill the table too.
    if (adress_grenze > 0 && Socket_Verbindungen_Von(neu) > adress_grenze) {
        Socket_Log(SOCKET_LOG_HI, "Socket_Accept_Connection: too many connections from %d.%d.%d.%d", a[4], a[5], a[6],
                   a[7]);
        Socket_Clear_Socket_Info(neu);
        abweisen(h, zu_viele);
        return nullptr;
    }
    const uint32_t jetzt = Netz_Zeit();
    neu->angenommen = jetzt ? jetzt : 1;
    Socket_Log(SOCKET_LOG_INFO, "Socket_Accept_Connet() OK! IP-Adr: %d.%d.%d.%d, Port: %#06x", a[4], a[5], a[6], a[7],
               unsigned(a[2] << 8 | a[3]));
    return neu;
}

int Socket_Get_Host_Setttings(char* host_name, uint8_t* ip4)
{
    if (!host_name || !ip4) return 0;
    return Os_Socket_Host(host_name, 256, ip4) ? 1 : 0;
}

void Socket_Auslaufen_Lassen(Sock_Info* s)
{
    if (!s || !s->sock) return;
    auslaufen(s->sock);
    Socket_Clear_Socket_Info(s);
}

void Socket_Auslaufende_Pruefen()
{
    const uint32_t jetzt = Netz_Zeit();
    for (int i = 0; i < auslaufend_anzahl;) {
        uint8_t weg[4096];
        int32_t n = 0;
        // A bounded read per pass: a peer that keeps sending still goes at its time.
        for (int k = 0; k < 4 && (n = Os_Socket_Recv(auslaufend[i].sock, weg, sizeof weg)) > 0; ++k) {
        }
        const bool zu = n == 0 || (n < 0 && !Os_Socket_Would_Block());
        if (zu || jetzt - auslaufend[i].seit > SOCKET_AUSLAUF_MS) {
            Os_Socket_Close(auslaufend[i].sock);
            std::memmove(auslaufend + i, auslaufend + i + 1, sizeof(Auslaufend) * size_t(auslaufend_anzahl - i - 1));
            --auslaufend_anzahl;
        } else {
            ++i;
        }
    }
}

void Socket_Auslaufende_Schliessen()
{
    for (int i = 0; i < auslaufend_anzahl; ++i) Os_Socket_Close(auslaufend[i].sock);
    auslaufend_anzahl = 0;
}

int Socket_Auslaufende_Anzahl() { return auslaufend_anzahl; }

void Socket_Set_Abweisung(const uint8_t* nachricht, uint32_t len) { voll.setzen(nachricht, len); }

void Socket_Set_Adressgrenze(int32_t grenze, const uint8_t* nachricht, uint32_t len)
{
    adress_grenze = grenze;
    for (Zugang& z : zugaenge) z = {};
    zu_viele.setzen(nachricht, len);
}

int32_t Socket_Verbindungen_Von(const Sock_Info* s)
{
    if (!s || !s->sock) return 0;
    int32_t n = 0;
    for (const Sock_Info& t : Socket_Tabelle)
        n += t.sock && (t.angenommen || &t == s) && std::memcmp(t.peer_adresse + 4, s->peer_adresse + 4, 4) == 0;
    return n;
}

// ---- Events ----

Sock_Info* Socket_Decode_Event(uint64_t socket, uint32_t event)
{
    if (!socket) return nullptr;
    for (auto& s : Socket_Tabelle) {
        if (s.sock != socket) continue;
        s.event = event;
        static const char* const namen[] = {"FD_READ Event!",    "FD_WRITE Event!",   "FD_OOB Event!",
                                            "FD_ACCEPT Event!",  "FD_CONNECT Event!", "FD_CLOSE Event!"};
        for (int i = 0; i < 6; ++i)
            if (event & (1u << i)) Socket_Log(SOCKET_LOG_INFO, "%s", namen[i]);
        if (event & FD_CLOSE) {
            s.event = FD_CLOSE;
            s.status = SOCKET_STATUS_FEHLER;
        }
        return &s;
    }
    return nullptr;
}

void Socket_Server_Event(Sock_Info* s, Os_Window* fenster)
{
    if (!s) return;
    if (s->event & FD_WRITE) {
        ++s->schreib_zaehler;
        s->letzte_aktivitaet = Netz_Zeit();
    }
    if (s->event & FD_READ) {
        ++s->lese_zaehler;
        s->letzte_aktivitaet = Netz_Zeit();
    }
    if (s->event & FD_ACCEPT) {
        Sock_Info* neu = Socket_Accept_Connection(s);
        if (neu) {
            // A participant whose line dies without a word frees its club in well under the
            // idle time.
            Socket_Option(neu, 304, 1);
            Socket_Async_Select_Event(neu, fenster, FD_READ | FD_WRITE | FD_CLOSE);
            neu->letzte_aktivitaet = Netz_Zeit();
        }
    }
    if (s->event & FD_CLOSE) {
        s->status = SOCKET_STATUS_FEHLER;
        s->geschlossen = 1;
    }
}

int Socket_Client_Event(Sock_Info* s, Os_Window*)
{
    if (!s) return 0;
    // The whole word: one bit per notification.
    if (s->event == FD_READ) {
        ++s->lese_zaehler;
        return 1;
    }
    if (s->event == FD_WRITE) {
        ++s->schreib_zaehler;
        return 1;
    }
    if (s->event == FD_CLOSE) {
        s->status = SOCKET_STATUS_FEHLER;
        s->geschlossen = 1;
    }
    return 0;
}

void Socket_Window_Message(uint64_t socket, uint32_t event)
{
    Sock_Info* s = Socket_Decode_Event(socket, event);
    if (!s) return;
    if (Win95_Netz_Modus == 2) Socket_Server_Event(s, Win95_Fenster);
    else if (Win95_Netz_Modus == 1) Socket_Client_Event(s, Win95_Fenster);
}

// ---- Messages ----

int Socket_Prepare_Send(Sock_Info* s, const void* daten, uint32_t len, uint32_t typ)
{
    if (!s) {
        Socket_Log(SOCKET_LOG_HI, "Socket_Send(): sock_info==NULL");
        return 0;
    }
    if (!s->sock) return 0;
    if (s->status) {
        Socket_Log(SOCKET_LOG_HI, "Socket_Prepare_Send: sock_info->status=%d", int(s->status));
        return 0;
    }
    if (s->sende_status) return 0;
    if (len >= SOCKET_MAX_DATA_SIZE) {
        Socket_Log(SOCKET_LOG_HI, "Socket_Prepare_Send: data_len > %d", int(SOCKET_MAX_DATA_SIZE));
        return 0;
    }
    if (len && !daten) return 0;
    s->socket_datainfo_send = {SOCKET_DATA_KENNUNG, typ, len, 0, 0};
    uint8_t* p = s->sende_puffer;
    Bytes_Setze32(p, SOCKET_DATA_KENNUNG);
    Bytes_Setze32(p + 4, typ);
    Bytes_Setze32(p + 8, len);
    Bytes_Setze32(p + 12, 0);
    Bytes_Setze32(p + 16, 0);
    if (len) std::memcpy(p + SOCKET_KOPF_GROESSE, daten, len);
    s->sende_status = SOCKET_SENDEN_WARTET;
    s->gesendete_bytes = 0;
    s->sende_bewegung = Netz_Zeit();
    return 0;
}

int Socket_Send(Sock_Info* s)
{
    if (!s || !s->sock) {
        Socket_Log(SOCKET_LOG_HI, "Socket_Send(): sock_info==NULL");
        return 0;
    }
    if (s->status || s->sende_status != SOCKET_SENDEN_WARTET) {
        Socket_Log(SOCKET_LOG_HI, "Socket_Send: sock_info->status=%d", int(s->status));
        return 0;
    }
    uint32_t gesamt = SOCKET_KOPF_GROESSE + s->socket_datainfo_send.len;
    int32_t n = Os_Socket_Send(s->sock, s->sende_puffer + s->gesendete_bytes, gesamt - s->gesendete_bytes);
    if (n < 0) {
        // Nothing sent: the caller's wait sees the connection fail or runs out of time.
        if (!Os_Socket_Would_Block()) Socket_Log(SOCKET_LOG_LO, "Socket_Send: send() returns %s", Os_Socket_Error_Name());
        return 1;
    }
    s->gesendete_bytes = uint16_t(s->gesendete_bytes + n);
    if (s->schreib_zaehler) --s->schreib_zaehler;
    if (n) s->sende_bewegung = Netz_Zeit();
    Socket_Log(SOCKET_LOG_INFO, "Socket_Send: %d Bytes sended.", int(n));
    if (s->gesendete_bytes >= gesamt) {
        s->sende_status = 0;
        s->gesendete_bytes = 0;
    }
    return 1;
}

// A read that failed or found the connection closed ends the connection.
static int empfang_abbruch(Sock_Info* s, int32_t n, const char* schritt)
{
    if (n == 0) Socket_Log(SOCKET_LOG_LO, "Socket_Receive: recv() returns 0 (closed)");
    else Socket_Log(SOCKET_LOG_LO, "Socket_Receive: recv() returns %s", Os_Socket_Error_Name());
    Socket_Log(SOCKET_LOG_HI, "Socket_Receive(): %s: next_byte: %d", schritt, int(s->empfangene_bytes));
    s->status = SOCKET_STATUS_FEHLER;
    return 0;
}

static bool kennung_falsch(Sock_Info* s)
{
    if (s->socket_datainfo_receive.kennung == SOCKET_DATA_KENNUNG) return false;
    Socket_Log(SOCKET_LOG_HI, "Socket_Receive: sock_info->socket_datainfo_receive.kennung!=SOCKET_DATA_KENNUNG");
    s->status = SOCKET_STATUS_FEHLER;
    return true;
}

int Socket_Receive(Sock_Info* s)
{
    if (!pruefen(s, "Socket_Receive()")) return 0;
    if (s->status) {
        Socket_Log(SOCKET_LOG_HI, "Socket_Receive(): sock_info->status=%d", int(s->status));
        return 0;
    }
    if (s->empfang_status == SOCKET_EMPFANG_FERTIG) {
        Socket_Log(SOCKET_LOG_HI, "Socket_Receive(): receiving finished");
        return 0;
    }
    int32_t neu = 0;
    Socket_Datainfo& kopf = s->socket_datainfo_receive;
    if (s->empfangene_bytes < SOCKET_KOPF_GROESSE) {
        int32_t n = lesen(s, s->empfang_kopf + s->empfangene_bytes, SOCKET_KOPF_GROESSE - s->empfangene_bytes);
        if (n == -1) return 1;
        if (n <= 0) return empfang_abbruch(s, n, "recv step 1");
        s->empfangene_bytes = uint16_t(s->empfangene_bytes + n);
        neu += n;
        if (s->lese_zaehler) --s->lese_zaehler;
        if (s->empfangene_bytes >= 4) {
            kopf.kennung = Bytes_Hole32(s->empfang_kopf);
            if (kennung_falsch(s)) return 0;
        }
    }
    if (s->empfangene_bytes >= SOCKET_KOPF_GROESSE) {
        kopf.kennung = Bytes_Hole32(s->empfang_kopf);
        kopf.typ = Bytes_Hole32(s->empfang_kopf + 4);
        kopf.len = Bytes_Hole32(s->empfang_kopf + 8);
        kopf.reserviert_1 = Bytes_Hole32(s->empfang_kopf + 12);
        kopf.reserviert_2 = Bytes_Hole32(s->empfang_kopf + 16);
        if (kennung_falsch(s)) return 0;
        if (kopf.len > SOCKET_MAX_DATA_SIZE) {
            Socket_Log(SOCKET_LOG_HI, "Socket_Receive: sock_info->socket_datainfo_receive.len>SOCKET_MAX_DATA_SIZE");
            s->status = SOCKET_STATUS_FEHLER;
            return 0;
        }
        uint32_t da = s->empfangene_bytes - SOCKET_KOPF_GROESSE;
        if (da < kopf.len) {
            int32_t n = lesen(s, s->empfang_daten + da, kopf.len - da);
            if (n == -1) {
                if (neu) Socket_Log(SOCKET_LOG_INFO, "Socket_Receive(): %d bytes OK", int(neu));
                return 1;
            }
            if (n <= 0) return empfang_abbruch(s, n, "recv step 2");
            s->empfangene_bytes = uint16_t(s->empfangene_bytes + n);
            neu += n;
        }
        if (s->empfangene_bytes - SOCKET_KOPF_GROESSE >= kopf.len) s->empfang_status = SOCKET_EMPFANG_FERTIG;
    }
    if (neu) Socket_Log(SOCKET_LOG_INFO, "Socket_Receive(): %d bytes OK", int(neu));
    return 1;
}
