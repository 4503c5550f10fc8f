#include "network/netz.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "network/client.h"
#include "network/mw_user_login.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "network/socket.h"
#include "platform/bytes.h"
#include "platform/compress.h"
#include "platform/exit.h"
#include "platform/mem.h"
#include "platform/mauszeiger.h"
#include "platform/os/os.h"
#include "platform/os/os_dialog.h"
#include "platform/timer.h"
#include "platform/win95.h"

uint32_t Netz_Server_Id = 0;
uint32_t Netz_Dialog_Offen = 0;

// ---- Blocks ----

uint8_t* Netz_Packen(const uint8_t* daten, uint32_t len, uint32_t* gepackt)
{
    if (gepackt) *gepackt = 0;
    if (!gepackt || (!daten && len) || len > NETZ_BLOCK_MAX) return nullptr;
    if (!len) {
        auto* leer = static_cast<uint8_t*>(Mem_Alloc_Clear(4, 0, 0));
        if (leer) *gepackt = 4;
        return leer;
    }
    return Compress_Block(daten, len, gepackt);
}

uint8_t* Netz_Auspacken(const uint8_t* paket, uint32_t groesse, uint32_t* len)
{
    if (len) *len = 0;
    if (!paket || !len || groesse < 4) return nullptr;
    const uint32_t angesagt = Bytes_Hole32(paket);
    // The stated length bounds the unpacking before any memory is taken for it.
    if (angesagt > NETZ_BLOCK_MAX) return nullptr;
    if (!angesagt) return groesse == 4 ? static_cast<uint8_t*>(Mem_Alloc(1, 0)) : nullptr;
    return Decompress_Block(paket, groesse, len);
}

// ---- Dialog fields ----

bool Netz_Adresse_Lesen(const char* const felder[4], uint8_t ip[4])
{
    uint8_t aus[4];
    for (int i = 0; i < 4; ++i) {
        const char* t = felder ? felder[i] : nullptr;
        size_t n = t ? std::strlen(t) : 0;
        if (n < 1 || n > 3) return false;
        uint32_t wert = 0;
        for (size_t k = 0; k < n; ++k) {
            if (!std::isdigit(static_cast<unsigned char>(t[k]))) return false;
            wert = wert * 10 + uint32_t(t[k] - '0');
        }
        if (wert > 255) return false;
        aus[i] = uint8_t(wert);
    }
    std::memcpy(ip, aus, 4);
    return true;
}

bool Netz_Port_Lesen(const char* feld, uint16_t* port)
{
    if (!feld || std::strlen(feld) != 4) return false;
    uint32_t wert = 0;
    for (int i = 0; i < 4; ++i) {
        const int c = std::tolower(static_cast<unsigned char>(feld[i]));
        int ziffer;
        if (c >= '0' && c <= '9') ziffer = c - '0';
        else if (c >= 'a' && c <= 'f') ziffer = c - 'a' + 10;
        else return false;
        wert = wert * 16 + uint32_t(ziffer);
    }
    *port = uint16_t(wert);
    return true;
}

namespace {

struct Dialog_Lauf {
    uint8_t* ip;
    uint16_t* port;
    const Netz_Dialog_Texte* texte;
    void (*erkennen)();
};

void felder_fuellen(Os_Dialog_Feld* f, const Dialog_Lauf* lauf)
{
    for (int i = 0; i < 4; ++i) std::snprintf(f[i].text, sizeof f[i].text, "%d", lauf->ip[i]);
    // Four digits always: the check below takes nothing else.
    std::snprintf(f[4].text, sizeof f[4].text, "%04x", unsigned(*lauf->port));
}

bool felder_pruefen(Os_Dialog_Feld* f, void* ctx)
{
    auto* lauf = static_cast<Dialog_Lauf*>(ctx);
    const char* const adresse[4] = {f[0].text, f[1].text, f[2].text, f[3].text};
    uint8_t ip[4];
    uint16_t port = 0;
    const char* fehler = nullptr;
    if (!Netz_Adresse_Lesen(adresse, ip)) fehler = lauf->texte->adress_fehler;
    else if (!Netz_Port_Lesen(f[4].text, &port)) fehler = lauf->texte->port_fehler;
    if (fehler) {
        Win95_Meldung("%s", fehler);
        if (lauf->texte->nachfuellen) felder_fuellen(f, lauf);
        return false;
    }
    std::memcpy(lauf->ip, ip, 4);
    *lauf->port = port;
    return true;
}

void felder_erkennen(Os_Dialog_Feld* f, void* ctx)
{
    auto* lauf = static_cast<Dialog_Lauf*>(ctx);
    if (lauf->erkennen) lauf->erkennen();
    felder_fuellen(f, lauf);
}

}  // namespace

int Netz_Dialog(uint8_t ip[4], uint16_t* port, const Netz_Dialog_Texte& texte, void (*erkennen)())
{
    if (!ip || !port) return 0;
    Dialog_Lauf lauf{ip, port, &texte, erkennen};
    Os_Dialog_Feld felder[5] = {{"IP", {}}, {nullptr, {}}, {nullptr, {}}, {nullptr, {}}, {"Port", {}}};
    felder_fuellen(felder, &lauf);
    Os_Dialog d{texte.titel, felder, 5, texte.ok, texte.abbruch, texte.extra, felder_pruefen, felder_erkennen, &lauf};
    return Os_Eingabe_Dialog(d);
}

bool Netz_Ohne_Dialog(const char* option)
{
    return option && option[0] == '-' && (option[1] == 'q' || option[1] == 'Q') && !option[2];
}

void Netz_Pfad(char* out, uint32_t groesse, const char* ordner, const char* name)
{
    if (!out || !groesse) return;
    int n = std::snprintf(out, groesse, "%s/%s", ordner ? ordner : ".", name ? name : "");
    if (n < 0 || uint32_t(n) >= groesse) {
        Socket_Log(SOCKET_LOG_HI, "path too long: %s/%s", ordner ? ordner : ".", name ? name : "");
        out[0] = 0;
    }
}

int Netz_Datei_Lesen(const char* name, uint8_t* bytes, uint32_t n)
{
    FILE* f = std::fopen(name, "rb");
    if (!f) return 0;
    size_t gelesen = std::fread(bytes, 1, n, f);
    std::fclose(f);
    return gelesen == n ? 1 : 0;
}

int Netz_Datei_Schreiben(const char* name, const uint8_t* bytes, uint32_t n)
{
    FILE* f = std::fopen(name, "wb+");
    if (!f) return 0;
    bool ok = std::fwrite(bytes, 1, n, f) == n;
    return (std::fclose(f) == 0 && ok) ? 1 : 0;
}

int Netz_Senden_Abwarten(Sock_Info* s, int (*schritt)(), uint32_t grenze, const char* name)
{
    if (!s || !s->sock || s->status == SOCKET_STATUS_FEHLER) return 0;
    const uint32_t handle = s->sock;
    const uint32_t start = Netz_Zeit();
    while (s->sende_status == SOCKET_SENDEN_WARTET) {
        Win95_Message_Pump();
        schritt();
        if (s->sock != handle || s->status == SOCKET_STATUS_FEHLER) {
            Socket_Log(SOCKET_LOG_HI, "%s(): write error!", name);
            return 0;
        }
        if (s->sende_status != SOCKET_SENDEN_WARTET) break;
        if (Netz_Zeit() - start > grenze) {
            Socket_Log(SOCKET_LOG_HI, "%s(): write timeout!", name);
            s->status = SOCKET_STATUS_FEHLER;
            return 0;
        }
        Netz_Warten();
    }
    return 1;
}

// ---- Time ----

static std::tm lokalzeit()
{
    std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    if (const std::tm* p = std::localtime(&jetzt)) t = *p;
    return t;
}

void Netz_Lokalzeit_Voll(int32_t t[6])
{
    const std::tm z = lokalzeit();
    t[0] = z.tm_year + 1900;
    t[1] = z.tm_mon + 1;
    t[2] = z.tm_mday;
    t[3] = z.tm_hour;
    t[4] = z.tm_min;
    t[5] = z.tm_sec;
}

void Netz_Get_Lokalzeit(int32_t* wochentag, int32_t* stunde, int32_t* minute)
{
    const std::tm z = lokalzeit();
    if (wochentag) *wochentag = z.tm_wday;
    if (stunde) *stunde = z.tm_hour;
    if (minute) *minute = z.tm_min;
}

void Netz_Get_Monat_Jahr(int32_t* monat, int32_t* jahr)
{
    const std::tm z = lokalzeit();
    if (monat) *monat = z.tm_mon + 1;
    if (jahr) *jahr = z.tm_year + 1900;
}

// ---- Starts ----

// The start dialogs come up with the cursor shown and the dialog mark set.
template <typename F>
static int im_dialog(F start)
{
    Netz_Dialog_Offen = 1;
    Win95_Dialog_Offen = 1;
    Win95_Show_Windows_Cursor();
    int ok = start();
    Win95_Hide_Windows_Cursor();
    Win95_Dialog_Offen = 0;
    Netz_Dialog_Offen = 0;
    return ok;
}

int Netz_Server_Starten(const char* option)
{
    if (!im_dialog([&] { return Server_Start(Win95_Fenster, Win95_Instanz, option); })) {
        Win95_Meldung("Error: %s", Server_Settings.fehler_text);
        return 0;
    }
    Netz_Server_Id = Server_Settings.server_id;
    return 1;
}

int Netz_Client_Starten(const char* user_name, const char* pass_word)
{
    Server_Registry_Pfade(WIN95_PRODUKT);
    char datei[300];
    Netz_Pfad(datei, sizeof datei, Server_Pfad_Config, "dorvin_server.cfg");
    // The file is the explicit configuration: its address fills the connect dialog in place of
    // the one the dialog saved last, and the user may still change it there. Without a good file
    // the dialog's saved address (else 127.0.0.1, the standard port) stands.
    uint8_t ip[4] = {127, 0, 0, 1};
    uint16_t port = NETZ_STANDARD_PORT;
    bool gelesen = false;
    Client_Server_Adresse_Lesen(datei, ip, &port, &gelesen);
    const uint8_t* adresse = gelesen ? ip : nullptr;
    if (!im_dialog([&] { return Client_Connect(Win95_Fenster, Win95_Instanz, user_name, pass_word, adresse, port); })) {
        Win95_Meldung("Error: %s", Client_Settings.fehler_text);
        return 0;
    }
    return 1;
}

template <typename F>
static int ohne_mauszeiger(F start)
{
    Mauszeiger_Hide();
    int ok = start();
    Mauszeiger_Show();
    Mauszeiger_Redraw();
    return ok;
}

int Netz_Server_Starten_Mauszeiger(const char* option)
{
    return ohne_mauszeiger([&] { return Netz_Server_Starten(option); });
}

int Netz_Client_Starten_Mauszeiger(const char* user_name, const char* pass_word)
{
    return ohne_mauszeiger([&] { return Netz_Client_Starten(user_name, pass_word); });
}

// ---- Pumps ----

void Netz_Server_Pumpe()
{
    Win95_Message_Pump();
    Server_Poll();
}

static void (*sitzungsende_hook)(const char*) = nullptr;

void Netz_Set_Sitzungsende_Hook(void (*hook)(const char* meldung)) { sitzungsende_hook = hook; }

[[noreturn]] static void sitzung_beenden(const char* meldung)
{
    Win95_Meldung("%s", meldung);
    DeInit_Game();
    Timer_Thread_Stop();
    Os_Shutdown();
    std::fflush(nullptr);
    // A lost connection is a failure, not a normal end.
    std::exit(1);
}

void Netz_Verbindungsfehler() { sitzung_beenden("Verbindungsfehler! Bitte neu starten"); }

void Netz_Sitzung_Beenden(const char* meldung)
{
    if (sitzungsende_hook) sitzungsende_hook(meldung);
    else sitzung_beenden(meldung);
}

void Netz_Client_Pumpe()
{
    Win95_Message_Pump();
    Client_Ping();
    if (!Client_Poll()) Netz_Verbindungsfehler();
}

int Netz_Server_Senden(Mitspieler_Eintrag* m, const uint8_t* daten, uint32_t len)
{
    return Server_Send_Client_Data(m, daten, len);
}

uint8_t* Netz_Server_Empfangen(Mitspieler_Eintrag* m, uint32_t* laenge)
{
    int32_t ergebnis = 0;
    return Server_Receive_Client_Data(m, laenge, &ergebnis);
}

int Netz_Client_Senden(const uint8_t* daten, uint32_t len) { return Client_Send_Client_Data(daten, len); }

uint8_t* Netz_Client_Empfangen(uint32_t* laenge, int32_t* ergebnis)
{
    Netz_Client_Pumpe();
    int32_t code = NETZ_NICHTS;
    uint8_t* block = Client_Receive_Client_Data(laenge, &code);
    if (ergebnis) *ergebnis = code;
    if (code == NETZ_FEHLER) Netz_Verbindungsfehler();
    return block;
}

void Netz_Set_Eigenes_Team(int32_t team) { Client_Login.team_nr = uint32_t(team); }

int32_t Netz_Get_Eigenes_Team() { return int32_t(Client_Login.team_nr); }
