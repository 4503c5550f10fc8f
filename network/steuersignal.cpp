#include "network/steuersignal.h"

#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "database/manager.h"
#include "database/datenbank_fern.h"
#include "database/team.h"
#include "gameflow/ablauf.h"
#include "gameflow/globals.h"
#include "gameflow/team_requester.h"
#include "graphics/grafik_farbe.h"
#include "match/spielfeld.h"
#include "match/spielfeld_netz.h"
#include "match/spieltag.h"
#include "network/chat.h"
#include "network/client.h"
#include "network/internet_read.h"
#include "network/netz.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "network/socket.h"
#include "platform/bytes.h"
#include "platform/mem.h"
#include "platform/os/os.h"
#include "platform/os/os_socket.h"
#include "platform/print.h"
#include "platform/string_util.h"
#include "platform/win95.h"
#include "toolkit/dienste.h"
#include "toolkit/event.h"
#include "toolkit/mausover.h"
#include "toolkit/screen.h"
#include "graphics/font.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"

namespace {

Steuersignal_Server_Sender server_sender = nullptr;
Steuersignal_Client_Sender client_sender = nullptr;
uint8_t menue_modus = 0;
bool daten_verschickt = false;
// Turn-end notices that came while the client waited for a reply or showed another notice:
// each is shown in its turn, none lost and none opened inside another.
std::deque<int32_t> nachholen;
bool notiz_offen = false;
// Minute releases and takers that came after the match day's start while this client still
// made its way to the match (fetching the day, loading the pitch): the server kicks off once its
// data are out and may have played a minute by then. They go to the pitch once it plays.
std::vector<std::vector<uint8_t>> vor_dem_spiel;
bool spieltag_gestartet = false;
constexpr size_t VOR_DEM_SPIEL_HOECHSTENS = 256;
// Passes of the server until its next "Server Mode" line in the log (one every 2000).
uint32_t bis_zur_meldung = 2000;

void packen(uint8_t* b, uint32_t code, int32_t team)
{
    Bytes_Setze32(b, STEUERSIGNAL_MARKE);
    Bytes_Setze32(b + 4, code);
    Bytes_Setze32(b + 8, uint32_t(team));
}

void packen24(uint8_t* b, uint32_t code, int32_t team, uint32_t minute, uint32_t wert, uint32_t flag)
{
    packen(b, code, team);
    Bytes_Setze32(b + 12, minute);
    Bytes_Setze32(b + 16, wert);
    Bytes_Setze32(b + 20, flag);
}

bool team_im_bereich(int32_t team) { return team >= 0 && team < Team_Anzahl; }

// Without a connection there is nothing to pump (a client's lost one would end the program).
void client_pumpe()
{
    if (Client_Sock) Netz_Client_Pumpe();
}
// Nobody connected (the listening socket the only one open): the server has nothing to serve,
// and only the message pump runs (a caller's knock comes as its message).
bool server_verbunden() { return server_sender || Os_Socket_Anzahl() > 1; }
void server_pumpe()
{
    if (!Server_Lauschend) return;
    if (server_verbunden()) Netz_Server_Pumpe();
    else Win95_Message_Pump();
}

// Up to 30 tries, the client pump after each failed one and once at the end.
int client_senden(const uint8_t* b, uint32_t len)
{
    int ok = 0;
    for (int32_t v = 0; v < STEUERSIGNAL_VERSUCHE && !ok; ++v) {
        ok = Steuersignal_An_Server(b, len);
        if (ok) break;
        client_pumpe();
        // The block before this one is still going out: a moment for the socket (at most 5 ms).
        if (Client_Sock) Netz_Warten();
    }
    client_pumpe();
    return ok;
}

// Rounds to every participant meant (all but `ausser`, or only `nur`): a failed send repeats the
// round, at most 30 rounds, the server pump after each.
void server_runden(const uint8_t* b, uint32_t len, const Mitspieler_Eintrag* ausser, Mitspieler_Eintrag* nur)
{
    bool gesendet[NETZUSER_ANZAHL] = {};
    for (int32_t runde = 0; runde < STEUERSIGNAL_VERSUCHE; ++runde) {
        bool fehler = false;
        for (int32_t i = 0; i < NETZUSER_ANZAHL; ++i) {
            Mitspieler_Eintrag* m = Netzuser_Get(i);
            if (!m || !m->in_benutzung || m == ausser || gesendet[i] || (nur && m != nur)) continue;
            if (Steuersignal_An_Mitspieler(m, b, len)) gesendet[i] = true;
            else fehler = true;
        }
        server_pumpe();
        if (!fehler) return;
    }
    server_pumpe();
}

const char* team_name(int32_t team)
{
    const char* n = team_im_bereich(team) ? Team_String(299, team, nullptr, 0) : nullptr;
    return n ? n : "";
}

// The notices "... hat seinen Spielzug soeben beendet !" this PC has shown.
int32_t zugenden_gezeigt = 0;

void zug_beendet_zeigen(int32_t team)
{
    ++zugenden_gezeigt;
    Team_Requester(0, int32_t(Handelndes_Team), "%s hat seinen Spielzug soeben beendet !", team_name(team));
}

bool ist_chat(const uint8_t* msg, uint32_t len) { return len >= 4 && Bytes_Hole32(msg) == CHAT_MARKE; }

}  // namespace

void Steuersignal_Set_Sender(Steuersignal_Server_Sender s, Steuersignal_Client_Sender c)
{
    server_sender = s;
    client_sender = c;
}

int Steuersignal_An_Mitspieler(Mitspieler_Eintrag* m, const uint8_t* daten, uint32_t len)
{
    if (!m) return 0;
    return server_sender ? server_sender(m, daten, len) : Netz_Server_Senden(m, daten, len);
}

int Steuersignal_An_Server(const uint8_t* daten, uint32_t len)
{
    return client_sender ? client_sender(daten, len) : Netz_Client_Senden(daten, len);
}

int32_t Steuersignal_Mitspieler_Team(const Mitspieler_Eintrag* m)
{
    return m && m->in_benutzung && m->verein_beansprucht ? m->verein : -1;
}

bool Steuersignal_Paket_Lesen(const uint8_t* b, uint32_t len, Steuersignal_Paket* p)
{
    if (!b || len < 12 || Bytes_Hole32(b) != STEUERSIGNAL_MARKE) return false;
    Steuersignal_Paket q{};
    q.code = Bytes_Hole32(b + 4);
    q.team = int32_t(Bytes_Hole32(b + 8));
    q.laenge = len;
    switch (q.code) {
    case SIGNAL_MINUTE:
        if (len != 24 && len != STEUERSIGNAL_MAX) return false;
        q.minute = Bytes_Hole32(b + 12);
        q.wert = Bytes_Hole32(b + 16);
        // A flag without the block behind it counts 0; a block without the flag is refused.
        q.taktik = Bytes_Hole32(b + 20) == 1 && len == STEUERSIGNAL_MAX ? 1 : 0;
        if (len == STEUERSIGNAL_MAX && !q.taktik) return false;
        if (q.taktik) q.anweisungen = b + 24;
        if (q.minute >= 200) return false;
        break;
    case SIGNAL_SONDERAKTION:
        if (len != 16 && len != 24) return false;
        q.minute = Bytes_Hole32(b + 12);
        break;
    case SIGNAL_ZUG_BEENDET_RELAIS:
        if (len != 24) return false;
        break;
    default:
        if (len != 12) return false;
        break;
    }
    // The day's signals name only their receiver, whom a client knows before it has the clubs.
    const bool ohne_verein = q.code == SIGNAL_NEUER_SPIELTAG || q.code == SIGNAL_SPIELTAG_START ||
                             q.code == SIGNAL_SAMMEL_DATEN || q.code == SIGNAL_DATEN_VERSCHICKT;
    if (!team_im_bereich(q.team) && q.team != -1 && !ohne_verein) return false;
    *p = q;
    return true;
}

// --- client senders ----------------------------------------------------------------------------

int Steuersignal_Client_Senden(uint32_t code)
{
    uint8_t b[12];
    packen(b, code, Aktuelles_Team);
    return client_senden(b, sizeof b);
}

// A minute signal: the 24-byte head, and the period's instructions behind it when there are any.
static uint32_t minute_packen(uint8_t* b, int32_t team, uint32_t minute, uint32_t wert, const uint8_t* anweisungen)
{
    std::memset(b, 0, STEUERSIGNAL_MAX);
    packen24(b, SIGNAL_MINUTE, team, minute, wert, anweisungen ? 1 : 0);
    if (!anweisungen) return 24;
    std::memcpy(b + 24, anweisungen, STEUERSIGNAL_ANWEISUNGEN);
    return STEUERSIGNAL_MAX;
}

int Steuersignal_Client_Minute(uint32_t minute, uint32_t wert, const uint8_t* anweisungen)
{
    if (Win95_Netz_Modus == 2) return 0;
    uint8_t b[STEUERSIGNAL_MAX];
    const uint32_t len = minute_packen(b, Aktuelles_Team, minute, wert, anweisungen);
    Print_Log(0xF0000, "Client sendet Minutensignal: %u.Minute", minute);
    return client_senden(b, len);
}

int Steuersignal_Client_Sonderaktion(uint32_t aktion)
{
    uint8_t b[16];
    packen(b, SIGNAL_SONDERAKTION, Aktuelles_Team);
    Bytes_Setze32(b + 12, aktion);
    return client_senden(b, sizeof b);
}

// --- server senders ----------------------------------------------------------------------------

int Steuersignal_Server_Senden(uint32_t code, Mitspieler_Eintrag* ziel)
{
    int alle_ok = 1;
    for (int32_t i = 0; i < NETZUSER_ANZAHL; ++i) {
        Mitspieler_Eintrag* m = Netzuser_Get(i);
        if (!m || !m->in_benutzung || (ziel && m != ziel)) continue;
        uint8_t b[12];
        packen(b, code, m->team);
        server_pumpe();
        const int ok = Steuersignal_An_Mitspieler(m, b, sizeof b);
        server_pumpe();
        if (!ok) {
            Print_Log(0xF0000, "FEHLER: SIGNAL NICHT VERSCHICKT !");
            alle_ok = 0;
        }
    }
    return alle_ok;
}

void Steuersignal_Zug_Beendet_Melden()
{
    uint8_t b[24];
    packen24(b, SIGNAL_ZUG_BEENDET_RELAIS, Server_Team, 0, 0, 0);
    server_runden(b, sizeof b, nullptr, nullptr);
}

static void an_team(uint32_t code, int32_t team)
{
    if (Mitspieler_Eintrag* m = Netzuser_Get_By_Team(team)) Steuersignal_Server_Senden(code, m);
}

void Steuersignal_Gegner_Raus(int32_t team) { an_team(SIGNAL_GEGNER_RAUS, team); }
void Steuersignal_Zu_Langsam(int32_t team) { an_team(SIGNAL_ZU_LANGSAM, team); }
void Steuersignal_Client_Raus(int32_t team) { an_team(SIGNAL_CLIENT_RAUS, team); }

void Steuersignal_Server_Sonderaktion(int32_t team, uint32_t aktion)
{
    Mitspieler_Eintrag* m = Netzuser_Get_By_Team(team);
    if (!m) return;
    uint8_t b[16];
    packen(b, SIGNAL_SONDERAKTION, team);
    Bytes_Setze32(b + 12, aktion);
    Print_Log(0xF0000, "Server sendet eigenes Sondersignal");
    for (int32_t v = 0; v < STEUERSIGNAL_VERSUCHE; ++v) {
        if (Steuersignal_An_Mitspieler(m, b, sizeof b)) break;
        server_pumpe();
    }
}

void Steuersignal_Minute_Vormerken(const int32_t teams[2], const uint8_t seiten[2], uint32_t minute, uint32_t wert)
{
    Print_Log(0xF0000, "Server sendet Minutensignal: %u.Minute", minute);
    for (int32_t s = 0; s < 2; ++s) {
        if (seiten[s]) continue;
        Mitspieler_Eintrag* m = Netzuser_Get_By_Team(teams[s]);
        if (!m) continue;
        m->minute_freigabe = 1;
        m->minute = minute;
        m->minute_wert = wert;
    }
}

int Steuersignal_Server_Eigene_Minute(int32_t empfaenger, int32_t team, uint32_t minute, uint32_t wert,
                                      const uint8_t* anweisungen)
{
    Mitspieler_Eintrag* m = Netzuser_Get_By_Team(empfaenger);
    if (!m) return 0;
    uint8_t b[STEUERSIGNAL_MAX];
    const uint32_t len = minute_packen(b, team, minute, wert, anweisungen);
    Print_Log(0xF0000, "Server sendet eigenes Minutensignal: %u.Minute", minute);
    server_pumpe();
    const int ok = Steuersignal_An_Mitspieler(m, b, len);
    server_pumpe();
    if (ok) Print_Log(0xF0000, "MINUTEN-FREI an %d geschickt(%u)", empfaenger, minute);
    else Print_Log(0xF0000, "DATEN NICHT GESENDET 1");
    return ok;
}

// --- state ---------------------------------------------------------------------------------------

uint8_t Steuersignal_Menue_Modus(uint8_t wert, int32_t operation)
{
    if (operation == 0) return menue_modus;
    if (operation == 1) return menue_modus = wert;
    Print_Fehler("Menuesignal:Falscher Modus");
    return 0;
}

void Steuersignal_Setze_Team_Status(int32_t modus)
{
    if (modus != TEAM_SETZEN && modus != TEAM_LOESCHEN) return;
    for (int32_t t = 1; t < Team_Anzahl; ++t) Team_Wert(TEAM_STATUS, t, ZUG_BEENDET_BIT, uint8_t(modus));
}

void Steuersignal_Zeiten_Zuruecksetzen()
{
    const uint32_t jetzt = Netz_Zeit();
    for (int32_t i = 0; i < NETZUSER_ANZAHL; ++i) {
        Mitspieler_Eintrag* m = Netzuser_Get(i);
        // 0 means "not waiting": a clock at 0 stamps 1.
        if (m && m->in_benutzung && m->team > 0) m->datenanfrage_zeit = jetzt ? jetzt : 1;
    }
}

Mitspieler_Eintrag* Steuersignal_Daten_Von_Client(int32_t team)
{
    Mitspieler_Eintrag* m = Netzuser_Get_By_Team(team);
    if (!m) return nullptr;
    m->datenanfrage_zeit = 0;
    Print_Log(0xF0000, "CLIENT HAT DATEN GESCHICKT !!");
    return m;
}

bool Steuersignal_Daten_Verschickt_Nehmen()
{
    const bool d = daten_verschickt;
    daten_verschickt = false;
    return d;
}

void Steuersignal_Statuszeile(const char* text)
{
    Rastport* ziel = Grafik_Render_Ziel;
    if (!ziel) return;
    Grafik_Rechteck_Fuellen(ziel, 0, 0, int32_t(ziel->width), int32_t(ziel->height), 0);
    const int farbe = int(Grafik_Farbe(15, 15, 15));
    Grafik_Printf(ziel, Font(9), "^c%05d^tz0320%s", 0, 180, farbe, text ? text : "");
    if (Netz_Rolle == 2) {
        Grafik_Printf(ziel, Font(9), "^c%05d^tz0320Speichern Sie den Spielstand mit Taste 's'", 0, 220, farbe);
        Grafik_Printf(ziel, Font(9), "^c%05d^tz0320Sie verlassen das Programm mit 'ALT'+'F4'", 0, 240, farbe);
    }
}

int32_t Steuersignal_Zugenden_Gezeigt() { return zugenden_gezeigt; }

void Steuersignal_Nachholen()
{
    // Nor while the screen is being drawn: a remote call of an icon's drawing returns here, and a
    // notice's requester would draw the screen inside that drawing.
    while (!nachholen.empty() && !notiz_offen && !Internet_Client_Wartet() && !Menue_Status.refresh_tiefe) {
        // A notice comes over the client's own menu: while its turn runs, or over the menu's
        // picture once the turn has ended today (a notice that came with the turn's last data
        // still wants its "OK"). Before the turn has drawn the menu it waits; once the day has
        // gone on it has nothing left to tell.
        const bool zug = Ablauf_Zustand == ABLAUF_MENUERUNDE && Menue_Status.aktiv;
        const bool danach = (Ablauf_Zustand == ABLAUF_MENUERUNDE || Ablauf_Zustand == ABLAUF_CLIENT_WARTET) &&
                            Ablauf_Client_Zug_Vorbei();
        if (!zug && !danach) {
            if (Ablauf_Zustand != ABLAUF_MENUERUNDE) nachholen.clear();
            return;
        }
        const int32_t team = nachholen.front();
        nachholen.pop_front();
        if (zug) {
            Menue_Hilfe_Schliessen();
            Menue_Icon_Prozedur_Nachholen();
        } else {
            // No click of an ended turn runs again.
            Menue_Bild_Zeigen();
        }
        notiz_offen = true;
        zug_beendet_zeigen(team);
        notiz_offen = false;
    }
}

// --- handlers ------------------------------------------------------------------------------------

static void vor_dem_spiel_merken(const uint8_t* msg, uint32_t len)
{
    if (spieltag_gestartet && vor_dem_spiel.size() < VOR_DEM_SPIEL_HOECHSTENS) vor_dem_spiel.emplace_back(msg, msg + len);
}

// Once the pitch plays, what came on the way to it goes there first, in its order.
static void vor_dem_spiel_geben()
{
    if (vor_dem_spiel.empty() || Ablauf_Zustand != ABLAUF_CLIENT_SPIEL) return;
    std::vector<std::vector<uint8_t>> gemerkt;
    gemerkt.swap(vor_dem_spiel);
    for (const std::vector<uint8_t>& m : gemerkt) Steuersignal_Vom_Server(m.data(), uint32_t(m.size()));
}

bool Steuersignal_Vom_Server(const uint8_t* msg, uint32_t len)
{
    if (ist_chat(msg, len)) return Chat_Empfangen(msg, len);
    if (len < 8 || Bytes_Hole32(msg) != STEUERSIGNAL_MARKE) return false;
    Steuersignal_Paket p;
    if (!Steuersignal_Paket_Lesen(msg, len, &p)) {
        Print_Fehler("Unbekanntes Steuersignal vom Server!");
        return true;
    }
    const bool im_spiel = Ablauf_Zustand == ABLAUF_CLIENT_SPIEL;
    switch (p.code) {
    case SIGNAL_NEUER_SPIELTAG:
        Print_Log(0xF0000, ">> Client erhält NEUER_SPIELTAG-Befehl!");
        menue_modus = 1;
        spieltag_gestartet = false;
        vor_dem_spiel.clear();
        if (!im_spiel) Ablauf_Set_Naechster_Zustand(ABLAUF_CLIENT_NAECHSTER_TAG);
        break;
    case SIGNAL_SPIELTAG_START:
        Print_Log(0xF0000, ">> Client erhält SPIELTAG_START-Befehl!");
        menue_modus = 0;
        // Only a "data sent" after this start lets the client through to the match.
        daten_verschickt = false;
        spieltag_gestartet = true;
        vor_dem_spiel.clear();
        if (!im_spiel) Ablauf_Set_Naechster_Zustand(ABLAUF_CLIENT_ZUM_SPIEL);
        break;
    case SIGNAL_ZUG_BEENDET_RELAIS:
        if (Ablauf_Zustand != ABLAUF_MENUERUNDE) break;
        // A click replayed inside a remote call could call again: it waits for the reply.
        nachholen.push_back(p.team);
        Steuersignal_Nachholen();
        break;
    case SIGNAL_GEGNER_RAUS: Spielfeld_Netz_Gegner_Raus(p.team); break;
    case SIGNAL_MINUTE:
        if (!im_spiel) {
            vor_dem_spiel_merken(msg, len);
            break;
        }
        Print_Log(0xF0000, "Freigabe Team:%d Minute:%u", p.team, p.minute);
        Spielfeld_Server_Freigabe_Empfangen(p.team, p.minute, p.wert, p.taktik, p.taktik ? msg : nullptr);
        break;
    case SIGNAL_SONDERAKTION:
        if (im_spiel) Spielfeld_Sonderaktion_Empfangen(p.team, p.minute);
        else vor_dem_spiel_merken(msg, len);
        break;
    case SIGNAL_ZU_LANGSAM: Spielfeld_Netz_Zu_Langsam(p.team); break;
    case SIGNAL_SAMMEL_DATEN:
        Print_Log(0xF0000, ">> Client erhält SAMMEL-DATEN-Befehl!");
        menue_modus = 0;
        if (!im_spiel && (Ablauf_Zustand == ABLAUF_MENUERUNDE || Ablauf_Zustand == ABLAUF_CLIENT_WARTET))
            Ablauf_Client_Daten_Senden_Anfordern();
        break;
    case SIGNAL_DATEN_VERSCHICKT:
        Print_Log(0xF0000, "SERVER HAT ALLE DATEN VERSCHICKT");
        if (Ablauf_Zustand == ABLAUF_CLIENT_WARTET_DATEN) Ablauf_Zustand = ABLAUF_CLIENT_SPIEL;
        else daten_verschickt = true;
        break;
    case SIGNAL_CLIENT_RAUS: Spielfeld_Netz_Client_Raus(p.team); break;
    default: Print_Fehler("Unbekanntes Steuersignal vom Server!"); break;
    }
    return true;
}

bool Steuersignal_Vom_Client(const uint8_t* msg, uint32_t len, Mitspieler_Eintrag* m)
{
    if (ist_chat(msg, len)) return Chat_Server_Verteilen(msg, len, m);
    if (len < 8 || Bytes_Hole32(msg) != STEUERSIGNAL_MARKE) return false;
    Steuersignal_Paket p;
    if (!m || !Steuersignal_Paket_Lesen(msg, len, &p)) {
        Print_Fehler("Unbekanntes Steuersignal vom Client!");
        return true;
    }
    if (p.code == SIGNAL_TEAM_NR) {
        Print_Log(0xF0000, ">> Client Team Nr gesendet!");
        // The claim check refuses a second claim, club 0, the server's club and a taken one.
        Internet_Verein_Beanspruchen(m, p.team);
        return true;
    }
    // A packet acts for its participant's club, never for the one it names.
    const int32_t team = Steuersignal_Mitspieler_Team(m);
    if (team <= 0) {
        Print_Fehler("Unbekanntes Steuersignal vom Client!");
        return true;
    }
    switch (p.code) {
    case SIGNAL_ZUG_BEENDET: {
        // A turn ends once a day: a repeat would show every manager the notice again.
        if (Team_Wert(TEAM_STATUS, team, 0, TEAM_LESEN) & ZUG_BEENDET_BIT) {
            Print_Log(0xF0000, ">> Client %d: Zug schon beendet", team);
            break;
        }
        Print_Log(0xF0000, ">> Client %d hat Zug beendet", team);
        Team_Wert(TEAM_STATUS, team, ZUG_BEENDET_BIT, TEAM_SETZEN);
        if (Netz_Rolle == 3 && Ablauf_Zustand == ABLAUF_MENUERUNDE) zug_beendet_zeigen(team);
        uint8_t b[24];
        packen24(b, SIGNAL_ZUG_BEENDET_RELAIS, team, 0, 0, 0);
        server_runden(b, sizeof b, m, nullptr);
        break;
    }
    case SIGNAL_MINUTE: {
        if (Ablauf_Zustand != ABLAUF_SPIEL_LAEUFT) break;
        const int32_t r = Spielfeld_Server_Freigabe_Empfangen(team, p.minute, p.wert, p.taktik, p.taktik ? msg : nullptr);
        Print_Log(0xF0000, "Minute-SIGNAL %d (Min.%u)", team, p.minute);
        Mitspieler_Eintrag* ziel = r >= 0 ? Netzuser_Get_By_Team(r) : nullptr;
        if (!ziel) break;
        if (p.taktik) {
            uint8_t b[STEUERSIGNAL_MAX];
            std::memcpy(b, msg, STEUERSIGNAL_MAX);
            Bytes_Setze32(b + 8, uint32_t(team));
            server_runden(b, sizeof b, nullptr, ziel);
        } else {
            uint8_t b[24];
            packen24(b, SIGNAL_MINUTE, team, p.minute, p.wert, 0);
            server_runden(b, sizeof b, nullptr, ziel);
        }
        break;
    }
    case SIGNAL_SONDERAKTION: {
        if (Ablauf_Zustand != ABLAUF_SPIEL_LAEUFT) break;
        const int32_t r = Spielfeld_Sonderaktion_Empfangen(team, p.minute);
        Print_Log(0xF0000, "Sonderaktion-SIGNAL %d (Sch.%u)", team, p.minute);
        Mitspieler_Eintrag* ziel = r >= 0 ? Netzuser_Get_By_Team(r) : nullptr;
        if (!ziel) break;
        uint8_t b[24];
        packen24(b, SIGNAL_SONDERAKTION, team, p.minute, 0, 0);
        server_runden(b, sizeof b, nullptr, ziel);
        break;
    }
    case SIGNAL_AM_SPIEL: Spielfeld_Netz_Am_Spiel(team); break;
    case SIGNAL_LANGSAM: Spielfeld_Netz_Langsam(team); break;
    default: Print_Fehler("Unbekanntes Steuersignal vom Client!"); break;
    }
    return true;
}

// --- the pump ------------------------------------------------------------------------------------

// The live games of the clubs played over the network as this PC's pitch showed them last: the
// score at the final whistle once it has come. Looked at on every pass while a game plays: the
// whistle itself comes with the ball dead and changes no score.
struct Abpfiff {
    int32_t spiel = -1;
    int32_t tore[2] = {0, 0};
};
static std::map<int32_t, Abpfiff> abpfiffe;

static void abpfiff_sehen(int32_t team)
{
    int32_t spiel = -1;
    if (!Spieltag_Team_Spielt_Auf_Dem_Platz(team) || Spieltag_Get_Gegner(team, &spiel) < 0 || spiel < 0) return;
    if (const Spielfeld_Record* r = Spielfeld_Get_Spiel(spiel)) abpfiffe[team] = {spiel, {r->tore[0], r->tore[1]}};
}

void Steuersignal_Abpfiff_Drucken()
{
    for (const auto& [team, a] : abpfiffe) std::printf("Abpfiff %d %d %d %d\n", team, a.spiel, a.tore[0], a.tore[1]);
    std::fflush(stdout);
}

static void client_pass()
{
    if (Ablauf_Zustand == ABLAUF_CLIENT_SPIEL) abpfiff_sehen(int32_t(Handelndes_Team));
    Steuersignal_Nachholen();
    vor_dem_spiel_geben();
    // No connection, nothing to pump: a lost one ends the program in the client pump.
    if (!Client_Sock && !client_sender) return;
    client_pumpe();
    uint32_t laenge = 0;
    int32_t code = NETZ_NICHTS;
    uint8_t* msg = Client_Sock ? Netz_Client_Empfangen(&laenge, &code) : nullptr;
    if (!msg) return;
    Steuersignal_Vom_Server(msg, laenge);
    Mem_Free(msg, 0);
}

static void minuten_freigeben(Mitspieler_Eintrag* m)
{
    if (!m->minute_freigabe) return;
    uint8_t b[24];
    packen24(b, SIGNAL_MINUTE, m->team, m->minute, m->minute_wert, 0);
    if (Steuersignal_An_Mitspieler(m, b, sizeof b)) {
        Print_Log(0xF0000, "MINUTEN-FREI an %d geschickt(%u)", m->team, m->minute);
        m->minute_freigabe = 0;
    } else {
        Print_Log(0xF0000, "DATEN NICHT GESENDET 1");
    }
}

static void daten_sammeln()
{
    const uint32_t jetzt = Netz_Zeit();
    bool erwartet = false;
    for (int32_t i = 0; i < NETZUSER_ANZAHL; ++i) {
        Mitspieler_Eintrag* m = Netzuser_Get(i);
        if (!m || !m->in_benutzung || m->team <= 0 || !m->datenanfrage_zeit) continue;
        if (jetzt - m->datenanfrage_zeit < STEUERSIGNAL_WARTEZEIT) erwartet = true;
        else m->datenanfrage_zeit = 0;
    }
    if (erwartet) return;
    Ablauf_Zustand = ABLAUF_DATEN_GESAMMELT;
    Print_Log(0xF0000, "DATEN SAMMELN BEENDET");
}

static bool team_fertig(int32_t team)
{
    return team_im_bereich(team) && (Team_Wert(TEAM_STATUS, team, 0, TEAM_LESEN) & ZUG_BEENDET_BIT);
}

static bool block_wartet()
{
    for (int32_t i = 0; Netzuser_Belegte() && i < NETZUSER_ANZAHL; ++i) {
        const Mitspieler_Eintrag* m = Netzuser_Get(i);
        if (m && m->in_benutzung && m->eingang && m->eingang_empfangen && m->eingang_empfangen == m->eingang_erwartet)
            return true;
    }
    return false;
}

// One walk over the participants: at most one message of each, the walk starting again after a
// control or chat packet (at most 64 times, so that a flood cannot hold the pass). True when
// every manager has finished his turn.
static bool rundgang()
{
    bool fertig = true;
    bool gesehen = false;
    int32_t neustarts = 0;
    // A game nobody has joined has no slot to walk.
    for (int32_t i = 0; Netzuser_Belegte() && i < NETZUSER_ANZAHL; ++i) {
        Mitspieler_Eintrag* m = Netzuser_Get(i);
        if (!m || !m->in_benutzung) continue;
        gesehen = true;
        // One who logs in during a round joins it; one who comes before the game runs is called
        // with the first day. A loaded game stands in a round its first step has not begun yet:
        // one who logged in while it loaded waits for that step, or no day would ever call it.
        const bool rufen = m->neu && (Ablauf_Lokale_Runde_Offen() || Ablauf_Zustand == ABLAUF_SERVER_WARTET);
        if (rufen) Steuersignal_Server_Senden(SIGNAL_NEUER_SPIELTAG, m);
        const bool runde_kommt = Ablauf_Zustand == ABLAUF_MENUERUNDE || Ablauf_Zustand == ABLAUF_SPIELTAG_MENUERUNDE;
        if (rufen || (Internet_Spiel_Laeuft() && !runde_kommt)) m->neu = 0;
        uint32_t laenge = 0;
        // One without a club that has asked its allowance's worth waits with its next block (and
        // its connection with what follows it) until the allowance has grown again.
        const bool darf = Netzuser_Darf_Fragen(m, Netz_Zeit());
        uint8_t* msg = m->sock_info && darf ? Netz_Server_Empfangen(m, &laenge) : nullptr;
        if (msg) {
            const uint32_t marke = laenge >= 4 ? Bytes_Hole32(msg) : 0;
            bool nochmal = false;
            if (marke == INTERNET_MARKE) {
                Print_Log(0xF0000, "Server: Daten ok: %d Bytes", int(laenge));
                const uint32_t vorher = m->bytes_gesendet;
                Internet_Server_Antwort(m, msg, laenge);
                Netzuser_Gefragt(m, m->bytes_gesendet - vorher);
            } else if (Steuersignal_Vom_Client(msg, laenge, m)) {
                nochmal = neustarts++ < 64;
            } else if (marke == NETZUSER_MARKE) {
                Netzuser_Stub();
            } else {
                Print_Log(0xF0000, "Server: Datenformat falsch !");
            }
            Mem_Free(msg, 0);
            // The walk starts again so that every participant's bit counts after the change.
            if (nochmal) {
                fertig = true;
                gesehen = false;
                i = -1;
                continue;
            }
        }
        // A participant without a club holds nobody up: its bit can never come.
        if (m->verein_beansprucht && m->team > 0 && !team_fertig(m->team)) fertig = false;
    }
    // The managers who play at the server take their turns one after the other first: while they
    // do, their clubs need no look.
    if (Ablauf_Lokale_Runde_Offen()) return false;
    if (!Menue_Automatik_Aktiv()) {
        int32_t dran[MANAGER_DRAN_MAX];
        const int32_t n = Manager_Ist_Dran(dran, false, 1);
        for (int32_t k = 0; k < n; ++k)
            if (!team_fertig(dran[k])) fertig = false;
        if (n <= 0 && !(Netz_Rolle == 2 && gesehen)) fertig = false;
    }
    return fertig;
}

// The line naming the managers whose turns the round still waits for, as it stands.
static std::string wartende_zeile;

const char* Steuersignal_Wartende_Zeile() { return wartende_zeile.c_str(); }

// On a server with its own manager, once his turn has ended: the managers of the clubs claimed by
// participants whose turns are still open, the first WARTENDE_NAMEN by name (each plain text on
// the line, no format code), the rest counted. Not over the chat, and drawn again after it.
constexpr int32_t WARTENDE_NAMEN = 4;
static void wartende_zeigen()
{
    const bool wartet = Netz_Rolle == 3 && Ablauf_Zustand == ABLAUF_SERVER_WARTET;
    // No line to show and none shown, as on nearly every pass: nothing to build or compare.
    if (!wartet && wartende_zeile.empty()) return;
    std::string text;
    int32_t weitere = 0;
    if (wartet && !Chat_Screen_Ist_Offen())
        for (int32_t i = 0, n = 0; Netzuser_Belegte() && i < NETZUSER_ANZAHL; ++i) {
            const Mitspieler_Eintrag* m = Netzuser_Get(i);
            if (!m || !m->in_benutzung || !m->verein_beansprucht || m->team <= 0 || team_fertig(m->team)) continue;
            if (n++ >= WARTENDE_NAMEN) {
                ++weitere;
                continue;
            }
            text += (text.empty() ? "Warte auf den Spielzug von: " : ", ") + String_Klartext(team_name(m->team));
        }
    if (weitere) text += weitere == 1 ? std::string(" und einem weiteren") : " und " + std::to_string(weitere) + " weiteren";
    // The line is drawn again once a second: a screen that redrew its bottom meanwhile gets it back.
    // No line, as a game nobody has joined has on every pass, needs no look at the clock.
    static uint32_t gezeichnet = 0;
    const bool gleich = text == wartende_zeile;
    if (gleich && text.empty()) return;
    const uint32_t jetzt = Netz_Zeit();
    if (gleich && jetzt - gezeichnet < 1000) return;
    wartende_zeile = text;
    gezeichnet = jetzt;
    if (text.empty()) Internet_Zeile_Entfernen();
    else Internet_Zeile_Zeigen(text.c_str(), true);
}

static void server_pass()
{
    // A single PC has no server to pump; its window messages belong to the loop that called.
    if (!Server_Lauschend && !server_sender) return;
    server_pumpe();
    bool fertig = rundgang();
    server_pumpe();
    // A block that the last pump completed is taken now, not one wait later (none comes while
    // nobody is connected).
    for (int32_t r = 0; r < 8 && server_verbunden() && block_wartet(); ++r) {
        fertig = rundgang();
        server_pumpe();
    }
    // The live sides are judged on what has come: a minute that arrived while this PC stood
    // still (a busy machine) is no minute missed.
    if (Ablauf_Zustand == ABLAUF_SPIEL_LAEUFT || Ablauf_Zustand == ABLAUF_DATEN_GESAMMELT) {
        for (int32_t i = 0; server_verbunden() && i < NETZUSER_ANZAHL; ++i)
            if (const Mitspieler_Eintrag* m = Netzuser_Get(i); m && m->verein_beansprucht) abpfiff_sehen(m->verein);
        Spielfeld_Netz_Pruefen_Vorher();
        // Nobody connected: no participant to check.
        for (int32_t i = 0; server_verbunden() && i < NETZUSER_ANZAHL; ++i) {
            Mitspieler_Eintrag* m = Netzuser_Get(i);
            if (!m || !m->in_benutzung || m->team < 0) continue;
            Spielfeld_Netz_Pruefen_Mitspieler(m->team);
            minuten_freigeben(m);
        }
        Spielfeld_Netz_Pruefen_Nachher();
    }
    if (Ablauf_Zustand == ABLAUF_DATEN_SAMMELN) daten_sammeln();
    if (fertig && (Ablauf_Zustand == ABLAUF_MENUERUNDE || Ablauf_Zustand == ABLAUF_SERVER_WARTET)) {
        Team_Internet_Server_Refresh();
        Ablauf_Zustand = ABLAUF_SPIELTAG_STARTEN;
    }
    wartende_zeigen();
    if (--bis_zur_meldung == 0) {
        bis_zur_meldung = 2000;
        Print_Log(0xF0000, "Server Mode");
    }
}

static Steuersignal_Beobachter steuersignal_beobachter = nullptr;
void Steuersignal_Set_Beobachter(Steuersignal_Beobachter b) { steuersignal_beobachter = b; }

void Steuersignal_Verarbeiten()
{
    if (steuersignal_beobachter) steuersignal_beobachter();
    Chat_Blinken_Schritt();
    // The pump's own message pumps serve the sockets: a script's input is for the loop that
    // called, which takes it at its own pace.
    const bool gehalten = Os_Script_Halten(true);
    if (Win95_Netz_Modus == 1) client_pass();
    else if (Win95_Netz_Modus == 2) server_pass();
    Os_Script_Halten(gehalten);
}
