// Game-data blocks on the server: each participant has one block going out (with a queue
// behind it) and one coming in, moved a message at a time by the poll. Nothing here waits for a
// client: a piece is queued only when the connection's previous message has gone.
#include <cstring>

#include "network/netz.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "network/socket.h"
#include "platform/bytes.h"
#include "platform/compress.h"
#include "platform/mem.h"

namespace {

// Pieces one participant may put on the wire in one pass before the others get their turn.
constexpr int STUECKE_PRO_DURCHGANG = 64;

void zu_langsam(Mitspieler_Eintrag* m)
{
    Socket_Log(SOCKET_LOG_HI, "client %u: too slow, logged out", m->user_id);
    if (m->sock_info) Server_User_Logout(m->sock_info);
    else Netzuser_Loeschen(m);
}

// The unpacked bytes of the blocks still going out to the participant (a packed block begins
// with its unpacked length).
uint64_t ungelesen(const Mitspieler_Eintrag* m)
{
    uint64_t n = m->ausgang && m->ausgang_gesamt >= 4 ? Bytes_Hole32(m->ausgang) : 0;
    for (uint32_t i = 0; i < m->warteschlange_anzahl; ++i)
        if (m->warteschlange[i].groesse >= 4) n += Bytes_Hole32(m->warteschlange[i].daten);
    return n;
}

bool naechster_block(Mitspieler_Eintrag* m)
{
    if (m->ausgang) return true;
    if (!m->warteschlange_anzahl) return false;
    Netz_Block b = m->warteschlange[0];
    std::memmove(m->warteschlange, m->warteschlange + 1, (m->warteschlange_anzahl - 1) * sizeof(Netz_Block));
    --m->warteschlange_anzahl;
    m->warteschlange_bytes -= b.groesse;
    m->ausgang = b.daten;
    m->ausgang_gesamt = b.groesse;
    m->ausgang_gesendet = 0;
    m->erster_teil_gesendet = 0;
    return true;
}

void senden(Mitspieler_Eintrag* m)
{
    Sock_Info* s = m->sock_info;
    for (int i = 0; i < STUECKE_PRO_DURCHGANG && naechster_block(m); ++i) {
        if (!s || !s->sock || s->status || s->sende_status) return;
        const uint32_t rest = m->ausgang_gesamt - m->ausgang_gesendet;
        if (rest >= SOCKET_MAX_DATA_SIZE && !m->ausgang_gesendet && !m->erster_teil_gesendet) {
            uint8_t groesse[4];
            Bytes_Setze32(groesse, m->ausgang_gesamt);
            Socket_Prepare_Send(s, groesse, 4, CLIENT_DATA_KOMPLEX_FIRST);
            m->erster_teil_gesendet = 1;
        } else {
            const uint32_t stueck = rest >= SOCKET_MAX_DATA_SIZE ? NETZ_STUECK : rest;
            const uint32_t typ = (rest < SOCKET_MAX_DATA_SIZE && !m->ausgang_gesendet && !m->erster_teil_gesendet)
                                     ? CLIENT_DATA_SIMPLE
                                     : CLIENT_DATA_KOMPLEX;
            Socket_Prepare_Send(s, m->ausgang + m->ausgang_gesendet, stueck, typ);
            if (s->sende_status != SOCKET_SENDEN_WARTET) return;
            m->ausgang_gesendet += stueck;
            if (m->ausgang_gesendet >= m->ausgang_gesamt) {
                m->ausgang = static_cast<uint8_t*>(Mem_Free(m->ausgang, 0));
                m->ausgang_gesamt = m->ausgang_gesendet = m->erster_teil_gesendet = 0;
            }
        }
        Socket_Send(s);
    }
}

// A broken announcement or piece fails the connection; the log-out follows in the next poll.
void verbindung_fehler(Sock_Info* s, const char* text, uint32_t id)
{
    Socket_Log(SOCKET_LOG_HI, text, id);
    s->status = SOCKET_STATUS_FEHLER;
}

// A block begun and not complete: nothing but its next piece may come.
bool block_offen(const Mitspieler_Eintrag* m) { return m->eingang && m->eingang_empfangen < m->eingang_erwartet; }

void empfangen(Mitspieler_Eintrag* m)
{
    Sock_Info* s = m->sock_info;
    if (!s || !s->sock || s->status || s->empfang_status != SOCKET_EMPFANG_FERTIG) return;
    const uint32_t len = s->socket_datainfo_receive.len;
    // A piece out of its order would stand in the record for good and stop everything behind
    // it: such a connection ends at once.
    switch (s->socket_datainfo_receive.typ) {
    case CLIENT_DATA_KOMPLEX_FIRST: {
        if (block_offen(m)) {
            verbindung_fehler(s, "client %u, CLIENT_DATA_KOMPLEX_FIRST out of sequence.", m->user_id);
            return;
        }
        // The complete block before it is still to be taken.
        if (m->eingang) return;
        const uint32_t groesse = Bytes_Hole32(s->empfang_daten);
        if (len < 4 || !groesse || groesse > NETZ_CLIENT_PAKET_MAX) {
            verbindung_fehler(s, "client %u, CLIENT_DATA_KOMPLEX_FIRST size out of range.", m->user_id);
            return;
        }
        m->eingang = static_cast<uint8_t*>(Mem_Alloc(groesse, 0));
        if (!m->eingang) {
            verbindung_fehler(s, "client %u, CLIENT_DATA_KOMPLEX_FIRST no memory.", m->user_id);
            return;
        }
        m->eingang_erwartet = groesse;
        m->eingang_empfangen = 0;
        break;
    }
    case CLIENT_DATA_KOMPLEX:
        if (!block_offen(m)) {
            verbindung_fehler(s, "client %u, CLIENT_DATA_KOMPLEX out of sequence.", m->user_id);
            return;
        }
        if (m->eingang_empfangen + len <= m->eingang_erwartet) {
            std::memcpy(m->eingang + m->eingang_empfangen, s->empfang_daten, len);
            m->eingang_empfangen += len;
        } else {
            Socket_Log(SOCKET_LOG_LO, "client %d, CLIENT_DATA_KOMPLEX wrong buf len.", int(m->user_id));
        }
        break;
    case CLIENT_DATA_SIMPLE:
        Socket_Log(SOCKET_LOG_INFO, "recv CLIENT_DATA_SIMPLE");
        if (block_offen(m)) {
            verbindung_fehler(s, "client %u, CLIENT_DATA_SIMPLE out of sequence.", m->user_id);
            return;
        }
        if (m->eingang) return;
        // Shorter than the length word it cannot be a packed block.
        if (len < 4) {
            verbindung_fehler(s, "client %u, CLIENT_DATA_SIMPLE too short.", m->user_id);
            return;
        }
        m->eingang = static_cast<uint8_t*>(Mem_Alloc(len, 0));
        if (!m->eingang) {
            verbindung_fehler(s, "client %u, CLIENT_DATA_SIMPLE no memory.", m->user_id);
            return;
        }
        std::memcpy(m->eingang, s->empfang_daten, len);
        m->eingang_erwartet = m->eingang_empfangen = len;
        break;
    default: return;  // the protocol messages are the dispatcher's
    }
    Socket_Reset_Socket_Info(s, SOCKET_RESET_EMPFANG);
}

}  // namespace

int Server_Send_Client_Data(Mitspieler_Eintrag* m, const uint8_t* daten, uint32_t len)
{
    if (!m || !m->in_benutzung) return 0;
    // What a participant has not read yet is bounded before anything is packed: a peer that
    // asks and never reads costs the server neither memory nor time beyond it.
    if ((m->ausgang || m->warteschlange_anzahl) && ungelesen(m) + len > NETZUSER_UNGELESEN_BYTES) {
        zu_langsam(m);
        return 0;
    }
    uint32_t gepackt = 0;
    uint8_t* block = Netz_Packen(daten, len, &gepackt);
    if (!block) return 0;
    ++m->bloecke_gesendet;
    m->bytes_gesendet += len;
    m->gepackt_gesendet += gepackt;
    if (!m->ausgang && !m->warteschlange_anzahl) {
        m->ausgang = block;
        m->ausgang_gesamt = gepackt;
        m->ausgang_gesendet = 0;
        m->erster_teil_gesendet = 0;
        return 1;
    }
    // A reply refused here would leave its client waiting for ever: it queues instead.
    if (m->warteschlange_anzahl >= NETZUSER_WARTESCHLANGE_MAX ||
        m->warteschlange_bytes + gepackt > NETZUSER_WARTESCHLANGE_BYTES) {
        Mem_Free(block, 0);
        zu_langsam(m);
        return 0;
    }
    if (!m->warteschlange) {
        m->warteschlange = static_cast<Netz_Block*>(Mem_Alloc(NETZUSER_WARTESCHLANGE_MAX * sizeof(Netz_Block), 0));
        if (!m->warteschlange) {
            Mem_Free(block, 0);
            return 0;
        }
    }
    m->warteschlange[m->warteschlange_anzahl++] = Netz_Block{block, gepackt};
    m->warteschlange_bytes += gepackt;
    return 1;
}

uint8_t* Server_Receive_Client_Data(Mitspieler_Eintrag* m, uint32_t* laenge, int32_t* ergebnis)
{
    if (laenge) *laenge = 0;
    if (ergebnis) *ergebnis = NETZ_NICHTS;
    if (!m || !m->eingang || !m->eingang_empfangen || m->eingang_empfangen != m->eingang_erwartet) return nullptr;
    ++m->bloecke_empfangen;
    m->gepackt_empfangen += m->eingang_empfangen;
    uint32_t n = 0;
    // No client sends more than this: a larger stated length is not unpacked at all.
    uint8_t* block = m->eingang_empfangen >= 4 && Bytes_Hole32(m->eingang) <= NETZ_CLIENT_BLOCK_MAX
                         ? Netz_Auspacken(m->eingang, m->eingang_empfangen, &n)
                         : nullptr;
    m->eingang = static_cast<uint8_t*>(Mem_Free(m->eingang, 0));
    m->eingang_erwartet = m->eingang_empfangen = 0;
    if (!block) {
        Socket_Log(SOCKET_LOG_HI, "client %u: damaged CLIENT_DATA block", m->user_id);
        if (m->sock_info) m->sock_info->status = SOCKET_STATUS_FEHLER;
        if (ergebnis) *ergebnis = NETZ_FEHLER;
        return nullptr;
    }
    m->bytes_empfangen += n;
    Socket_Log(SOCKET_LOG_INFO, "recv CLIENT_DATA OK!");
    if (laenge) *laenge = n;
    if (ergebnis) *ergebnis = NETZ_EMPFANGEN;
    return block;
}

void Server_Client_Data_Pump()
{
    int32_t index = 0;
    while (Mitspieler_Eintrag* m = Netzuser_Naechster(&index)) {
        senden(m);
        if (m->in_benutzung) empfangen(m);
    }
}
