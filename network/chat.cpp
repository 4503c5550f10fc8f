#include "network/chat.h"
#include "network/chat_intern.h"

#include <cstdio>
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "database/team.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "network/internet_read.h"
#include "network/middleware.h"
#include "network/netz.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "network/socket.h"
#include "network/steuersignal.h"
#include "platform/bytes.h"
#include "platform/exit.h"
#include "platform/mem.h"
#include "platform/os/os.h"
#include "platform/print.h"
#include "platform/string_util.h"
#include "platform/win95.h"
#include "toolkit/hauptmenue.h"

namespace chat_intern {
bool offen = false;
bool neue_nachrichten = false;
}  // namespace chat_intern

namespace {

bool initialisiert = false;
uint8_t* historie = nullptr;
// The normal clubs and the per-club flags: the buddy selection and two kept for the screen.
std::vector<int32_t> vereine;
std::vector<uint8_t> buddy, flags_2, flags_3;
using chat_intern::offen;
using chat_intern::neue_nachrichten;
uint8_t status_geaendert = 0;
uint32_t letzte_pruefung = 0;
bool pruefung_gelaufen = false;
uint16_t eigene_farbe = 0;
bool farbe_gesetzt = false;
bool slash_me = false;
uint16_t slash_me_farbe = 0;

int32_t tiefe() { return Grafik_Render_Ziel && Grafik_Render_Ziel->depth == 15 ? 15 : 16; }

// The wire carries RGB565 whatever the sender's pixel format.
uint16_t nach_565(uint16_t farbe)
{
    int32_t r = 0, g = 0, b = 0;
    Grafik_Pixel_Zu_RGB(farbe, tiefe(), &r, &g, &b);
    return Grafik_RGB_Zu_Pixel(16, r, g, b);
}

uint16_t von_565(uint16_t farbe)
{
    int32_t r = 0, g = 0, b = 0;
    Grafik_Pixel_Zu_RGB(farbe, 16, &r, &g, &b);
    return Grafik_RGB_Zu_Pixel(tiefe(), r, g, b);
}

bool team_im_bereich(int32_t t) { return t >= 0 && t < Team_Anzahl; }

int32_t team_bits(int32_t feld, int32_t team) { return Team_Wert(feld, team, 0, TEAM_LESEN); }

void kopf(uint8_t* b, uint32_t groesse, int32_t sender, uint16_t farbe, uint32_t modus)
{
    std::memset(b, 0, CHAT_KOPF);
    Bytes_Setze32(b, CHAT_MARKE);
    Bytes_Setze32(b + 4, groesse);
    Bytes_Setze32(b + 8, uint32_t(sender));
    Bytes_Setze16(b + 12, farbe);
    Bytes_Setze32(b + 16, modus);
}

void an_alle(const uint8_t* b, uint32_t len)
{
    for (int32_t i = 0; i < NETZUSER_ANZAHL; ++i) {
        Mitspieler_Eintrag* m = Netzuser_Get(i);
        if (!m || !m->in_benutzung) continue;
        if (!Steuersignal_An_Mitspieler(m, b, len)) Print_Fehler("Chat send: Client kann nicht bedient werden");
        if (Server_Lauschend) Netz_Server_Pumpe();
    }
}

// The icon lights up and goes out 50 ms later in the pump: a burst of messages never waits.
uint32_t blinken_seit = 0;
bool blinkt = false;
void icon_blinken()
{
    if (!blinkt) Menue_Chat_Icon_Markieren(1);
    blinkt = true;
    blinken_seit = Netz_Zeit();
}

void nachricht_ablegen(const uint8_t* p, uint32_t groesse)
{
    if (!Chat_Init() || groesse > CHAT_HISTORIE) return;
    // The oldest bytes fall off the end; the newest message is always whole at the start.
    std::memmove(historie + groesse, historie, CHAT_HISTORIE - groesse);
    std::memcpy(historie, p, groesse);
    // Whatever the server let through is drawn as plain characters here.
    if (Bytes_Hole32(historie + 16) == CHAT_TEXT && Bytes_Hole32(historie + 24) <= CHAT_ZEILEN_MAX)
        String_Klartext_Ganz(reinterpret_cast<char*>(historie + CHAT_KOPF + 4 * Bytes_Hole32(historie + 24)),
                        Bytes_Hole32(historie + 20));
    neue_nachrichten = true;
    if (!offen) icon_blinken();
}

void status_uebernehmen(const uint8_t* p)
{
    if (!Internet_Spiel_Laeuft()) return;
    const uint32_t n = Bytes_Hole32(p + 24);
    bool jemand = false;
    for (uint32_t k = 0; k < n; ++k) {
        const int32_t team = int32_t(Bytes_Hole32(p + CHAT_KOPF + 8 * k));
        const uint32_t flags = Bytes_Hole32(p + CHAT_KOPF + 8 * k + 4);
        Team_Wert(TEAM_FLAGS, team, CHAT_OFFEN_BIT, (flags & 1) ? TEAM_SETZEN : TEAM_LOESCHEN);
        Team_Wert(TEAM_STATUS, team, CHAT_VERBUNDEN_BIT, (flags & 2) ? TEAM_SETZEN : TEAM_LOESCHEN);
        jemand = jemand || (flags & 1);
    }
    neue_nachrichten = true;
    if (!offen && jemand) icon_blinken();
}

// The club a packet of this PC speaks for. A client names its own (the server puts it in
// anyway); the server its acting manager's club, between the turns its own manager's, and -1
// when it has no manager.
int32_t sprecher(int32_t client_team)
{
    if (Win95_Netz_Modus != 2) return client_team;
    if (team_im_bereich(Aktuelles_Team)) return Aktuelles_Team;
    return team_im_bereich(Server_Team) ? Server_Team : -1;
}

void notiz_senden(uint32_t modus)
{
    uint8_t b[CHAT_KOPF];
    kopf(b, CHAT_KOPF, sprecher(Netz_Get_Eigenes_Team()), 0, modus);
    if (Win95_Netz_Modus == 2) Chat_Server_Verteilen(b, CHAT_KOPF, nullptr);
    else Steuersignal_An_Server(b, CHAT_KOPF);
}

int32_t zeichen_breite(Font_Record* f, uint8_t c)
{
    const int32_t w = f ? Font_Zeichen_Breite(f, c) : 0;
    return w > 0 ? w : 7;
}

// Line starts of the text wrapped at blanks to the line width; at most 39 breaks.
uint32_t umbrechen(const char* text, uint32_t laenge, uint32_t* starts)
{
    Font_Record* f = Font(9);
    uint32_t n = 1;
    starts[0] = 0;
    int32_t breite = 0;
    uint32_t letzte_luecke = 0;
    for (uint32_t i = 0; i < laenge; ++i) {
        const uint8_t c = uint8_t(text[i]);
        if (c == ' ') letzte_luecke = i + 1;
        breite += zeichen_breite(f, c);
        if (breite > CHAT_ZEILEN_BREITE && letzte_luecke > starts[n - 1] && n < CHAT_ZEILEN_MAX) {
            starts[n++] = letzte_luecke;
            breite = 0;
            for (uint32_t j = letzte_luecke; j <= i; ++j) breite += zeichen_breite(f, uint8_t(text[j]));
        }
    }
    return n;
}

}  // namespace

bool Chat_Paket_Pruefen(const uint8_t* p, uint32_t len)
{
    if (!p || len < CHAT_KOPF || Bytes_Hole32(p) != CHAT_MARKE || Bytes_Hole32(p + 4) != len) return false;
    const uint32_t modus = Bytes_Hole32(p + 16);
    const uint32_t n = Bytes_Hole32(p + 24);
    switch (modus) {
    case CHAT_TEXT: {
        const uint32_t tl = Bytes_Hole32(p + 20);
        if (n < 1 || n > CHAT_ZEILEN_MAX || tl < 1 || tl > CHAT_TEXT_MAX + 1) return false;
        if (len != CHAT_KOPF + 4 * n + tl) return false;
        // One text, ended by its last byte: a line behind a zero inside would go uncleaned to
        // whoever reads the text as a C string.
        const uint8_t* text = p + CHAT_KOPF + 4 * n;
        if (std::memchr(text, 0, tl) != text + tl - 1) return false;
        for (uint32_t k = 0; k < n; ++k)
            if (Bytes_Hole32(p + CHAT_KOPF + 4 * k) >= tl) return false;
        return true;
    }
    case CHAT_STATUS: {
        if (n > uint32_t(NETZ_BLOCK_MAX / 8) || len != CHAT_KOPF + 8 * n) return false;
        std::string gesehen(size_t(Team_Anzahl > 0 ? Team_Anzahl : 0), '\0');
        for (uint32_t k = 0; k < n; ++k) {
            const int32_t team = int32_t(Bytes_Hole32(p + CHAT_KOPF + 8 * k));
            if (!team_im_bereich(team) || gesehen[size_t(team)]) return false;
            gesehen[size_t(team)] = 1;
        }
        return true;
    }
    case CHAT_BETRETEN:
    case CHAT_VERLASSEN: return len == CHAT_KOPF;
    default: return false;
    }
}

bool Chat_Init()
{
    if (!initialisiert) {
        historie = static_cast<uint8_t*>(Mem_Alloc(CHAT_HISTORIE + 32, 0));
        if (!historie) return false;
        std::memset(historie, 0, CHAT_HISTORIE + 32);
        initialisiert = true;
        if (vereine.empty()) {
            for (int32_t t = 0; t < Team_Anzahl; ++t)
                if (Team_Ist_Normal(t, 0)) vereine.push_back(t);
            buddy.assign(vereine.size(), 0);
            flags_2.assign(vereine.size(), 0);
            flags_3.assign(vereine.size(), 0);
        }
        Exit_Freigabe_Registrieren(EXIT_FREIGABE_CHAT, Chat_DeInit);
    }
    return initialisiert;
}

void Chat_DeInit()
{
    if (historie) Mem_Free(historie, 0);
    historie = nullptr;
    initialisiert = false;
    vereine.clear();
    buddy.clear();
    flags_2.clear();
    flags_3.clear();
    offen = false;
    neue_nachrichten = false;
    status_geaendert = 0;
    pruefung_gelaufen = false;
    slash_me = false;
}

bool Chat_Screen_Ist_Offen()
{
    // Asked on every pass of the main loop: the set-up runs only the first time.
    if (!initialisiert) Chat_Init();
    return offen;
}

void Chat_Betreten() { notiz_senden(CHAT_BETRETEN); }
void Chat_Verlassen() { notiz_senden(CHAT_VERLASSEN); }

void Chat_Set_Farbe(uint16_t farbe)
{
    eigene_farbe = farbe;
    farbe_gesetzt = true;
}

uint8_t Chat_Status_Geaendert() { return status_geaendert; }

int Chat_Senden(const char* eingabe)
{
    if (!eingabe) return 0;
    std::string text = eingabe;
    if (text.compare(0, 4, "/me ") == 0) {
        const int32_t eigen = sprecher(Netz_Get_Eigenes_Team());
        const char* name = team_im_bereich(eigen) ? Team_String(299, eigen, nullptr, 0) : nullptr;
        char puffer[CHAT_TEXT_MAX * 2 + 64];
        std::snprintf(puffer, sizeof puffer, "%s %s", name ? name : "", text.c_str() + 4);
        text = puffer;
        slash_me = true;
        slash_me_farbe = Grafik_Farbe(6, 6, 6);
    }
    if (text.size() > CHAT_TEXT_MAX) text.resize(CHAT_TEXT_MAX);
    uint16_t farbe = farbe_gesetzt ? eigene_farbe : Grafik_Farbe(15, 15, 15);
    if (slash_me) {
        farbe = slash_me_farbe;
        slash_me = false;
    }
    const uint32_t tl = uint32_t(text.size()) + 1;
    uint32_t starts[CHAT_ZEILEN_MAX];
    const uint32_t n = umbrechen(text.c_str(), tl - 1, starts);
    const uint32_t groesse = CHAT_KOPF + 4 * n + tl;
    uint8_t* b = static_cast<uint8_t*>(Mem_Alloc(groesse, 0));
    if (!b) return 0;
    kopf(b, groesse, sprecher(Aktuelles_Team), nach_565(farbe), CHAT_TEXT);
    Bytes_Setze32(b + 20, tl);
    Bytes_Setze32(b + 24, n);
    for (uint32_t k = 0; k < n; ++k) Bytes_Setze32(b + CHAT_KOPF + 4 * k, starts[k]);
    std::memcpy(b + CHAT_KOPF + 4 * n, text.c_str(), tl);
    if (Win95_Netz_Modus == 2) Chat_Server_Verteilen(b, groesse, nullptr);
    else Steuersignal_An_Server(b, groesse);
    Mem_Free(b, 0);
    return 1;
}

uint8_t* Chat_Status_Liste(uint32_t* groesse)
{
    uint32_t n = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t) n += Team_Ist_Normal(t, 0) ? 1 : 0;
    const uint32_t g = CHAT_KOPF + 8 * n;
    uint8_t* b = static_cast<uint8_t*>(Mem_Alloc(g, 0));
    if (!b) return nullptr;
    kopf(b, g, -1, 0, CHAT_STATUS);
    Bytes_Setze32(b + 24, n);
    uint32_t k = 0;
    for (int32_t t = 0; t < Team_Anzahl && k < n; ++t) {
        if (!Team_Ist_Normal(t, 0)) continue;
        uint32_t flags = 0;
        if (team_bits(TEAM_FLAGS, t) & CHAT_OFFEN_BIT) flags |= 1;
        if (team_bits(TEAM_STATUS, t) & CHAT_VERBUNDEN_BIT) flags |= 2;
        Bytes_Setze32(b + CHAT_KOPF + 8 * k, uint32_t(t));
        Bytes_Setze32(b + CHAT_KOPF + 8 * k + 4, flags);
        ++k;
    }
    if (groesse) *groesse = g;
    return b;
}

namespace {

// Per participant a bucket of CHAT_PAKETE_BURST packets that refills by one every
// CHAT_PAKET_ABSTAND ms; an empty bucket drops the packet.
struct Chat_Eimer {
    uint32_t user_id = 0, zeit = 0, vorrat = 0;
    bool benutzt = false;
};
Chat_Eimer eimer[NETZUSER_ANZAHL];

bool zu_gebote(const Mitspieler_Eintrag* m)
{
    const ptrdiff_t i = m - Mitspieler;
    if (i < 0 || i >= NETZUSER_ANZAHL) return true;
    Chat_Eimer& e = eimer[i];
    const uint32_t jetzt = Netz_Zeit();
    if (!e.benutzt || e.user_id != m->user_id) e = {m->user_id, jetzt, CHAT_PAKETE_BURST, true};
    const uint32_t neu = (jetzt - e.zeit) / CHAT_PAKET_ABSTAND;
    if (neu) {
        e.vorrat = std::min<uint32_t>(CHAT_PAKETE_BURST, e.vorrat + neu);
        e.zeit += neu * CHAT_PAKET_ABSTAND;
    }
    if (e.vorrat >= CHAT_PAKETE_BURST) e.zeit = jetzt;
    if (!e.vorrat) return false;
    --e.vorrat;
    return true;
}

}  // namespace

bool Chat_Server_Verteilen(const uint8_t* p, uint32_t len, Mitspieler_Eintrag* m)
{
    if (!p || len < 4 || Bytes_Hole32(p) != CHAT_MARKE) return false;
    if (!Chat_Paket_Pruefen(p, len)) {
        Print_Log(0xF0000, "Chat: Paket verworfen (%u Bytes)", len);
        return true;
    }
    // A participant speaks for its own club only; the server's own packets name the server's.
    int32_t sender = int32_t(Bytes_Hole32(p + 8));
    if (m) {
        sender = Steuersignal_Mitspieler_Team(m);
        if (sender < 0) return true;
        if (!zu_gebote(m)) {
            Print_Log(0xF0000, "Chat: Team %d sendet zu schnell, Paket verworfen", sender);
            return true;
        }
    }
    const uint32_t modus = Bytes_Hole32(p + 16);
    const bool zeigen = Netz_Rolle == 3;
    if (modus == CHAT_TEXT) {
        uint8_t* b = static_cast<uint8_t*>(Mem_Alloc(len, 0));
        if (!b) return true;
        std::memcpy(b, p, len);
        Bytes_Setze32(b + 8, uint32_t(sender));
        const uint32_t n = Bytes_Hole32(b + 24);
        // Codes and control characters would steer the others' screens and logs: the text goes
        // on as the plain characters it holds.
        String_Klartext_Ganz(reinterpret_cast<char*>(b + CHAT_KOPF + 4 * n), Bytes_Hole32(b + 20));
        Middleware_Chat_Stub(reinterpret_cast<const char*>(b + CHAT_KOPF + 4 * n), int32_t(Bytes_Hole32(b + 20)));
        if (zeigen) Chat_Empfangen(b, len);
        an_alle(b, len);
        Mem_Free(b, 0);
        return true;
    }
    if (modus == CHAT_STATUS) {
        Mitspieler_Eintrag* ziel = m ? m : Netzuser_Get_By_Team(sender);
        uint32_t g = 0;
        uint8_t* b = Chat_Status_Liste(&g);
        if (b && ziel) Steuersignal_An_Mitspieler(ziel, b, g);
        if (b) Mem_Free(b, 0);
        return true;
    }
    bool neu = true;
    if (sender != -1 && team_im_bereich(sender)) {
        const bool offen_jetzt = modus == CHAT_BETRETEN;
        neu = ((team_bits(TEAM_FLAGS, sender) & CHAT_OFFEN_BIT) != 0) != offen_jetzt;
        Team_Wert(TEAM_FLAGS, sender, CHAT_OFFEN_BIT, offen_jetzt ? TEAM_SETZEN : TEAM_LOESCHEN);
    }
    uint32_t g = 0;
    uint8_t* b = Chat_Status_Liste(&g);
    if (!b) return true;
    if (zeigen) Chat_Empfangen(b, g);
    // Only a change is news to the others; the sender hears the list all the same.
    if (neu || !m) an_alle(b, g);
    else Steuersignal_An_Mitspieler(m, b, g);
    Mem_Free(b, 0);
    return true;
}

bool Chat_Empfangen(const uint8_t* p, uint32_t len)
{
    if (!p || len < 4 || Bytes_Hole32(p) != CHAT_MARKE) return false;
    if (!Chat_Paket_Pruefen(p, len)) return true;
    const uint32_t modus = Bytes_Hole32(p + 16);
    if (modus == CHAT_TEXT) nachricht_ablegen(p, len);
    else if (modus == CHAT_STATUS) status_uebernehmen(p);
    return true;
}

void Chat_Sende_Status_An_Alle()
{
    if (!(status_geaendert & 1)) return;
    uint32_t g = 0;
    uint8_t* b = Chat_Status_Liste(&g);
    if (b) {
        an_alle(b, g);
        Mem_Free(b, 0);
    }
    status_geaendert = 0;
}

void Chat_Pruefe_Online_Status(uint32_t jetzt)
{
    if (pruefung_gelaufen && jetzt - letzte_pruefung < CHAT_STATUS_ABSTAND) return;
    for (int32_t i = 0; i < NETZUSER_ANZAHL; ++i) {
        const int32_t t = Steuersignal_Mitspieler_Team(Netzuser_Get(i));
        if (!team_im_bereich(t) || (team_bits(TEAM_STATUS, t) & CHAT_VERBUNDEN_BIT)) continue;
        Team_Wert(TEAM_STATUS, t, CHAT_VERBUNDEN_BIT, TEAM_SETZEN);
        status_geaendert |= 1;
    }
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!(team_bits(TEAM_STATUS, t) & CHAT_VERBUNDEN_BIT)) continue;
        // The server's own club is online too: the clubs' online marks set the bit for it.
        bool gehalten = (Netz_Rolle & 2) && Server_Spielt_Verein(t);
        for (int32_t i = 0; i < NETZUSER_ANZAHL && !gehalten; ++i) gehalten = Steuersignal_Mitspieler_Team(Netzuser_Get(i)) == t;
        if (gehalten) continue;
        Team_Wert(TEAM_STATUS, t, CHAT_VERBUNDEN_BIT, TEAM_LOESCHEN);
        status_geaendert |= 1;
    }
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if ((team_bits(TEAM_STATUS, t) & CHAT_VERBUNDEN_BIT) || !(team_bits(TEAM_FLAGS, t) & CHAT_OFFEN_BIT)) continue;
        Team_Wert(TEAM_FLAGS, t, CHAT_OFFEN_BIT, TEAM_LOESCHEN);
        status_geaendert |= 1;
    }
    letzte_pruefung = jetzt;
    pruefung_gelaufen = true;
}

const uint8_t* Chat_Historie_Nachricht(int32_t k, uint32_t* groesse)
{
    if (!historie || k < 0) return nullptr;
    uint32_t pos = 0;
    for (int32_t i = 0;; ++i) {
        if (pos + CHAT_KOPF > CHAT_HISTORIE || Bytes_Hole32(historie + pos) != CHAT_MARKE) return nullptr;
        const uint32_t g = Bytes_Hole32(historie + pos + 4);
        if (g < CHAT_KOPF || pos + g > CHAT_HISTORIE) return nullptr;
        if (i == k) {
            if (groesse) *groesse = g;
            return historie + pos;
        }
        pos += g;
    }
}

void Chat_Blinken_Schritt()
{
    if (!blinkt || Netz_Zeit() - blinken_seit < 50) return;
    blinkt = false;
    Menue_Chat_Icon_Markieren(0);
}

uint16_t Chat_Nachricht_Farbe(const uint8_t* p) { return p ? von_565(Bytes_Hole16(p + 12)) : 0; }

int32_t Chat_Vereine_Anzahl() { return int32_t(vereine.size()); }

int32_t Chat_Verein(int32_t index) { return index >= 0 && index < Chat_Vereine_Anzahl() ? vereine[size_t(index)] : -1; }

bool Chat_Ist_Buddy(int32_t index) { return index >= 0 && index < Chat_Vereine_Anzahl() && buddy[size_t(index)]; }

void Chat_Buddy_Umschalten(int32_t index)
{
    if (index >= 0 && index < Chat_Vereine_Anzahl()) buddy[size_t(index)] ^= 1;
}
