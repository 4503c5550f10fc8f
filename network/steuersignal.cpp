// The network pump; the control signals' own handling comes with the match-day synchronisation.
#include "network/steuersignal.h"

#include "network/client.h"
#include "network/internet_read.h"
#include "network/netz.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "platform/bytes.h"
#include "platform/mem.h"
#include "platform/print.h"
#include "platform/win95.h"

bool Steuersignal_Vom_Server(const uint8_t*, uint32_t) { return false; }
bool Steuersignal_Vom_Client(const uint8_t*, uint32_t, Mitspieler_Eintrag*) { return false; }

Mitspieler_Eintrag* Steuersignal_Daten_Von_Client(int32_t team)
{
    Mitspieler_Eintrag* m = Netzuser_Get_By_Team(team);
    if (!m) return nullptr;
    m->datenanfrage_zeit = 0;
    Print_Log(0xF0000, "CLIENT HAT DATEN GESCHICKT !!");
    return m;
}

static void client_pass()
{
    // No connection, nothing to pump: a lost one ends the program in the client pump.
    if (!Client_Sock) return;
    uint32_t laenge = 0;
    int32_t code = NETZ_NICHTS;
    uint8_t* msg = Netz_Client_Empfangen(&laenge, &code);
    if (!msg) return;
    Steuersignal_Vom_Server(msg, laenge);
    Mem_Free(msg, 0);
}

static void server_pass()
{
    // A single PC has no server to pump; its window messages belong to the loop that called.
    if (!Server_Lauschend) return;
    Netz_Server_Pumpe();
    int32_t index = 0;
    while (Mitspieler_Eintrag* m = Netzuser_Naechster(&index)) {
        m->neu = 0;
        uint32_t laenge = 0;
        uint8_t* msg = Netz_Server_Empfangen(m, &laenge);
        if (!msg) continue;
        const uint32_t marke = laenge >= 4 ? Bytes_Hole32(msg) : 0;
        if (marke == INTERNET_MARKE) {
            Print_Log(0xF0000, "Server: Daten ok: %d Bytes", int(laenge));
            Internet_Server_Antwort(m, msg, laenge);
        } else if (!Steuersignal_Vom_Client(msg, laenge, m)) {
            if (marke == NETZUSER_MARKE) Netzuser_Stub();
            else Print_Log(0xF0000, "Server: Datenformat falsch !");
        }
        Mem_Free(msg, 0);
    }
    Netz_Server_Pumpe();
}

void Steuersignal_Verarbeiten()
{
    if (Win95_Netz_Modus == 1) client_pass();
    else if (Win95_Netz_Modus == 2) server_pass();
}
