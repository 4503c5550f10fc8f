// Remote calls: packing, layout, the server's reader and the client's call. The layout is computed
// from the format alone on both ends; nothing from the peer is used before it has been checked
// against the block it came with.
#include "network/internet_read.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

#include "gameflow/ablauf_anfrage.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "matchview/live/spielszenen_live.h"
#include "network/netz.h"
#include "network/netzuser.h"
#include "network/socket.h"
#include "network/steuersignal.h"
#include "platform/bytes.h"
#include "platform/mem.h"
#include "platform/os/os.h"
#include "platform/print.h"
#include "platform/win95.h"
#include "screens/spieler_einsetzen.h"
#include "toolkit/icon.h"

namespace {

uint8_t sendblock[SENDBLOCK_SIZE];

constexpr uint32_t aufrunden(uint32_t n) { return (n + 3u) & ~3u; }

bool ist_wert(char c) { return c == 'c' || c == 'w' || c == 'i' || c == 'f'; }
bool ist_zeiger(char c) { return c == 'C' || c == 'W' || c == 'I' || c == 'F' || c == 'V'; }

// One field of a format, as the client and the template check read it.
struct Feld {
    char typ;
    bool zeiger, kleiner, gleich, groesser, var;
    uint32_t zahl;
    int32_t ziffer_pos, ziffern;
};

// Splits a format into its fields (result first); false on a letter outside the set or too many.
bool felder_lesen(const char* format, std::vector<Feld>* felder, const char* fehler)
{
    felder->clear();
    bool var = false;
    for (const char* c = format; *c;) {
        Feld f{};
        f.typ = *c;
        if (c == format) {
            if (*c != 'v' && !ist_wert(*c)) return Print_Fehler("%s", fehler), false;
            ++c;
        } else if (ist_wert(*c)) {
            ++c;
        } else if (ist_zeiger(*c)) {
            f.zeiger = true;
            f.zahl = Internet_Get_Pointer_Bytes(&c, &f.ziffern, &f.kleiner, &f.gleich, &f.groesser);
            f.ziffer_pos = int32_t(c - format) - f.ziffern;
            if (f.zahl == 0 && f.ziffern && !f.groesser && !var) f.var = var = true;
        } else {
            Print_Fehler("%s", fehler);
            return false;
        }
        felder->push_back(f);
    }
    return !felder->empty();
}

Internet_Handler handler_tabelle[2048] = {};
Internet_Server_Sender server_sender = nullptr;
bool client_wartet = false;
// Club -> the day on which its client last began a round.
std::map<int32_t, int32_t> rundenbeginn;
bool server_antwortet = false;

}  // namespace

uint8_t* Internet_Sendblock = sendblock;
uint32_t Internet_Bytes_Gesamt = 0;

uint32_t Internet_Get_Pointer_Bytes(const char** cursor, int32_t* ziffern, bool* kleiner, bool* gleich,
                                    bool* groesser)
{
    if (!cursor || !*cursor || !ziffern || !kleiner || !gleich || !groesser) {
        Print_Fehler("Internet_Get_Pointer_Bytes: NULL-Pointer!");
        return 0;
    }
    const char* c = *cursor + 1;
    *kleiner = *gleich = *groesser = false;
    *ziffern = 0;
    for (;; ++c) {
        if (*c == '<') {
            *kleiner = true;
        } else if (*c == '-') {
            *kleiner = true;
            Print_Fehler("ALTE TYPES-PTR-KENNUNG (\"-\" statt \"<\")\n");
        } else if (*c == '=') {
            *gleich = true;
        } else if (*c == '>') {
            *groesser = true;
        } else {
            break;
        }
    }
    if (*c < '0' || *c > '9') {
        Print_Fehler("Internet_Get_Pointer_Bytes: KEINE POINTER-LÄNGE!");
        *cursor = c;
        return 1;
    }
    uint64_t n = 0;
    for (; *c >= '0' && *c <= '9'; ++c, ++*ziffern)
        if (n <= SENDBLOCK_SIZE) n = n * 10 + uint32_t(*c - '0');
    *cursor = c;
    return n > SENDBLOCK_SIZE ? 0xFFFFFFFFu : uint32_t(n);
}

bool Internet_Get_Blockpositionen(int modus, uint8_t* block, uint32_t* laenge, const char* format,
                                  Internet_Positionen* p)
{
    if (!block || !laenge || !format || !p) {
        Print_Fehler("Internet_Get_Blockpositionen: NULL-Pointer!");
        return false;
    }
    *p = Internet_Positionen{};
    p->var_ziffer = p->var_zeiger = -1;
    uint32_t len = *laenge;
    if (len > SENDBLOCK_SIZE) return false;
    uint32_t pos = 0;
    auto passt = [&](uint64_t n) { return pos + n <= len; };
    for (const char* c = format; *c;) {
        if (c == format) {
            p->ergebnis_typ = *c;
            if (*c != 'v') {
                if (!ist_wert(*c) || !passt(4)) return Print_Fehler("Internet_Get_Blockpositionen:Parsing-Error!"), false;
                p->ergebnis_pos = 0;
                p->ergebnis_groesse = 4;
                pos = 4;
            }
            ++c;
            continue;
        }
        if (ist_wert(*c)) {
            if (!passt(4)) return false;
            const uint8_t* s = block + pos;
            switch (*c) {
            case 'c':
                if (p->anzahl_c >= INTERNET_WERTE_MAX) return false;
                p->bytes[p->anzahl_c++] = s[0];
                break;
            case 'w':
                if (p->anzahl_w >= INTERNET_WERTE_MAX) return false;
                p->worte[p->anzahl_w++] = Bytes_Hole16(s);
                break;
            case 'i':
                if (p->anzahl_i >= INTERNET_WERTE_MAX) return false;
                p->ints[p->anzahl_i++] = int32_t(Bytes_Hole32(s));
                break;
            default: {
                if (p->anzahl_f >= INTERNET_WERTE_MAX) return false;
                const uint32_t u = Bytes_Hole32(s);
                std::memcpy(&p->floats[p->anzahl_f++], &u, 4);
            }
            }
            pos += 4;
            ++c;
            continue;
        }
        if (!ist_zeiger(*c)) {
            Print_Fehler("Internet_Get_Blockpositionen:Parsing-Error!");
            return false;
        }
        int32_t ziffern = 0;
        bool kl = false, gl = false, gr = false;
        const char* anfang = c;
        const uint32_t zahl = Internet_Get_Pointer_Bytes(&c, &ziffern, &kl, &gl, &gr);
        (void)anfang;
        if (zahl == 0xFFFFFFFFu || p->zeiger_anzahl >= INTERNET_ZEIGER_MAX || !passt(4)) return false;
        const int k = p->zeiger_anzahl++;
        bool var = false;
        // A '>' field's count reads 0 in a reply; it is never the variable field.
        if (zahl == 0 && ziffern && !gr) {
            if (p->var_ziffer >= 0) {
                Print_Fehler("Internet_Get_Blockpositionen: 2 x var_pointer_len !");
            } else {
                // The variable data goes in at the first pointer field: it must be that field.
                if (k != 0) return false;
                var = true;
                p->var_ziffer = int32_t(c - format) - ziffern;
                p->var_zeiger = k;
            }
        }
        if (gr) p->hat_groesser = true;
        const bool belegt = Bytes_Hole32(block + pos) != 0;
        p->slot_pos[k] = pos;
        p->nur_hin[k] = gr;
        pos += 4;
        // Bytes of this field inside the block as it stands.
        uint32_t daten = 0;
        if (modus == 0) {
            if (var) {
                daten = 0;
            } else if (kl) {
                const uint32_t raum = aufrunden(zahl);
                if (uint64_t(len) + raum > SENDBLOCK_SIZE) {
                    Print_Fehler("Internet_Get_Blockpositionen: pos zu groß!");
                    return false;
                }
                std::memmove(block + pos + raum, block + pos, len - pos);
                std::memset(block + pos, 0, raum);
                len += raum;
                daten = raum;
            } else {
                daten = aufrunden(zahl);
            }
            p->groesse[k] = var ? 0 : zahl;
        } else {
            daten = gr ? 0 : aufrunden(zahl);
            p->groesse[k] = gr ? 0 : zahl;
        }
        if (!passt(daten)) return false;
        p->daten[k] = belegt && !(modus == 1 && gr) ? block + pos : nullptr;
        pos += daten;
    }
    if (pos != len) return false;
    p->gesamt = pos;
    *laenge = len;
    return true;
}

// ---- Registry of handlers ----

// The handlers of the modules that have landed, plugged in before any other registration, so
// that a later one (a test's) takes their place.
static void standard_anbinden()
{
    static bool angebunden = false;
    if (angebunden) return;
    angebunden = true;
    Internet_Fern_Anbinden();
}

void Internet_Handler_Registrieren(int32_t nr, Internet_Handler handler)
{
    standard_anbinden();
    // The game flow's dispatcher owns these numbers.
    if (nr >= ANFRAGE_ERSTE && nr <= ANFRAGE_LETZTE) return Ablauf_Anfrage_Registrieren(nr, handler);
    if (nr < 0 || nr >= int32_t(sizeof handler_tabelle / sizeof handler_tabelle[0])) return;
    handler_tabelle[nr] = handler;
}

static Internet_Handler handler_von(int32_t nr)
{
    standard_anbinden();
    if (nr == 499) return handler_tabelle[nr] ? handler_tabelle[nr] : Internet_Server_Zero_Size_Test;
    if (nr >= ANFRAGE_ERSTE && nr <= ANFRAGE_LETZTE) return Ablauf_Server_Anfrage_Ausfuehren;
    if (nr < 0 || nr >= int32_t(sizeof handler_tabelle / sizeof handler_tabelle[0])) return nullptr;
    return handler_tabelle[nr];
}

static bool vorlage_passt(const char* v, const char* f)
{
    while (*v && *f) {
        if (v[0] == '%' && v[1] == 'd') {
            if (*f < '0' || *f > '9') return false;
            while (*f >= '0' && *f <= '9') ++f;
            v += 2;
        } else if (*v++ != *f++) {
            return false;
        }
    }
    return !*v && !*f;
}

bool Internet_Format_Passt(int32_t nr, const char* format)
{
    const Internet_Anfrage_Eintrag* e = Internet_Anfrage_Suchen(nr);
    if (!e || !format) return false;
    for (const char* v : e->vorlage)
        if (v && vorlage_passt(v, format)) return true;
    return false;
}

// ---- Server ----

static bool format_gueltig(const char* format, uint32_t max)
{
    const size_t n = strnlen(format, max + 1);
    return n >= 1 && n <= INTERNET_FORMAT_MAX && n <= max;
}

uint32_t Internet_Server_Read_Block(int32_t team, int32_t nr, char* format, uint8_t* block, uint32_t groesse)
{
    if (!format || !block) {
        Print_Fehler("Internet_Server_Read_Block: NULL-Pointer!");
        return 0;
    }
    if (!format_gueltig(format, INTERNET_FORMAT_MAX)) {
        Print_Fehler("Internet: Anfrage %d mit unzulässigem Format abgewiesen", nr);
        return 0;
    }
    const Internet_Anfrage_Eintrag* eintrag = Internet_Anfrage_Suchen(nr);
    if (eintrag && !Internet_Format_Passt(nr, format)) {
        Print_Fehler("Internet: Anfrage %d mit fremdem Format \"%s\" abgewiesen", nr, format);
        return 0;
    }
    static Internet_Positionen p;
    uint32_t len = groesse;
    if (!Internet_Get_Blockpositionen(0, block, &len, format, &p)) {
        Print_Fehler("Internet: Anfrage %d passt nicht zu ihrem Format, abgewiesen", nr);
        return 0;
    }
    uint8_t* var = nullptr;
    Internet_Aufruf a{nr, &p, &var, 0};
    const uint32_t alt = Handelndes_Team;
    Handelndes_Team = uint32_t(team);
    const Internet_Handler h = eintrag ? handler_von(nr) : nullptr;
    const bool gelaufen = h && h(&a);
    Handelndes_Team = alt;
    if (gelaufen && nr == INTERNET_RUNDENBEGINN_ANFRAGE && team >= 0) rundenbeginn[team] = Aktueller_Tag;
    if (gelaufen && eintrag->name) Print_Log(0xF0000, "%s", eintrag->name);

    uint32_t gesamt = p.gesamt;
    if (gelaufen && p.ergebnis_typ != 'v') {
        uint8_t* s = block + p.ergebnis_pos;
        std::memset(s, 0, 4);
        if (p.ergebnis_typ == 'c') s[0] = uint8_t(a.ergebnis);
        else if (p.ergebnis_typ == 'w') Bytes_Setze16(s, uint16_t(a.ergebnis));
        else Bytes_Setze32(s, uint32_t(a.ergebnis));
    }
    if (p.hat_groesser) {
        // Squeezed from the back, so that the earlier positions stay where they are.
        for (int k = p.zeiger_anzahl - 1; k >= 0; --k) {
            if (!p.nur_hin[k]) continue;
            const uint32_t d = p.slot_pos[k] + 4, n = aufrunden(p.groesse[k]);
            std::memmove(block + d, block + d + n, gesamt - d - n);
            gesamt -= n;
        }
        for (char* c = format; *c; ++c) {
            if (*c != '>') continue;
            while (c[1] == '<' || c[1] == '-' || c[1] == '=' || c[1] == '>') ++c;
            for (char* z = c + 1; *z >= '0' && *z <= '9'; ++z) *z = '0';
        }
    }
    if (var) {
        const uint32_t n = uint32_t(a.ergebnis);
        const bool raum = p.var_zeiger == 0 && p.daten[0];
        char zahl[16];
        const int ziffern = std::snprintf(zahl, sizeof zahl, "%u", n);
        const int32_t alt_ziffern = [&] {
            int32_t z = 0;
            if (p.var_ziffer >= 0)
                while (format[p.var_ziffer + z] >= '0' && format[p.var_ziffer + z] <= '9') ++z;
            return z;
        }();
        const size_t neue_laenge = std::strlen(format) - size_t(alt_ziffern) + size_t(ziffern);
        if (raum && (a.ergebnis < 0 || uint64_t(gesamt) + aufrunden(n) > SENDBLOCK_SIZE ||
                     neue_laenge > INTERNET_FORMAT_MAX)) {
            Print_Fehler("Internet: variable Antwort von %d mit %d Bytes zu groß, nichts eingefügt", nr, a.ergebnis);
            if (p.ergebnis_typ != 'v') std::memset(block + p.ergebnis_pos, 0, 4);
        } else if (raum) {
            const uint32_t d = p.slot_pos[0] + 4, m = aufrunden(n);
            std::memmove(block + d + m, block + d, gesamt - d);
            std::memcpy(block + d, var, n);
            std::memset(block + d + n, 0, m - n);
            gesamt += m;
            char rest[INTERNET_FORMAT_MAX + 1];
            std::snprintf(rest, sizeof rest, "%s", format + p.var_ziffer + alt_ziffern);
            std::snprintf(format + p.var_ziffer, INTERNET_FORMAT_MAX + 1 - size_t(p.var_ziffer), "%s%s", zahl, rest);
        }
        Mem_Free(var, 0);
    }
    return gesamt;
}

void Internet_Set_Server_Sender(Internet_Server_Sender s) { server_sender = s; }

namespace {

// The bytes the pointer fields of a format name, in either direction (a count past the block's
// capacity counts as the capacity).
uint64_t felder_bytes(const char* format)
{
    uint64_t summe = 0;
    for (const char* c = format + 1; *c;) {
        if (*c < 'A' || *c > 'Z') {
            ++c;
            continue;
        }
        int32_t ziffern = 0;
        bool kl = false, gl = false, gr = false;
        const uint32_t n = Internet_Get_Pointer_Bytes(&c, &ziffern, &kl, &gl, &gr);
        summe += n == 0xFFFFFFFFu ? SENDBLOCK_SIZE : n;
    }
    return summe;
}

}  // namespace

int Internet_Server_Antwort(Mitspieler_Eintrag* m, const uint8_t* nachricht, uint32_t laenge)
{
    if (!m || !nachricht) {
        Print_Fehler("Internet_Server_Antwort: NULL-Pointer!");
        return 0;
    }
    // Answers run from the pump one at a time; a nested one stays with its caller until then.
    if (server_antwortet) return 0;
    server_antwortet = true;
    const uint32_t nr = laenge >= 8 ? Bytes_Hole32(nachricht + 4) : 0;
    char format[INTERNET_FORMAT_MAX + 1] = "";
    uint32_t n = 0;
    const char* grund = nullptr;
    if (laenge < 16 || Bytes_Hole32(nachricht) != INTERNET_MARKE) {
        grund = "Kopf";
    } else {
        const uint32_t l = Bytes_Hole32(nachricht + 8);
        const int32_t team = int32_t(Bytes_Hole32(nachricht + 12));
        const char* f = reinterpret_cast<const char*>(nachricht + 16);
        if (l < 2 || l > INTERNET_FORMAT_MAX + 1 || l > laenge - 16 || f[l - 1] || strnlen(f, l) != l - 1) {
            grund = "Format";
        } else if (laenge - 16 - l > SENDBLOCK_SIZE) {
            grund = "Blockgröße";
        } else if (!Internet_Darf_Anfragen(m, int32_t(nr), team)) {
            grund = "Verein";
            std::memcpy(format, f, l);
        } else if (!Internet_Schreiben_Offen(team, int32_t(nr), f)) {
            // what the client changes now would change the games under way or a day it has left
            grund = "Phase";
            std::memcpy(format, f, l);
        } else if (felder_bytes(f) > (m->verein_beansprucht ? INTERNET_FELDER_MAX : INTERNET_VOR_ANSPRUCH_MAX)) {
            // Before its claim a participant asks for the start lists only, which are small; after
            // it no honest call names fields of a megabyte.
            grund = m->verein_beansprucht ? "Größe" : "Größe vor dem Anspruch";
            std::memcpy(format, f, l);
        } else {
            std::memcpy(format, f, l);
            Internet_Verein_Gehalten(m);
            // The first look at the free clubs is a step towards one: the choice may take time.
            if (!m->verein_beansprucht && !m->vereinsliste && nr == INTERNET_VEREINSLISTE) {
                m->vereinsliste = 1;
                m->schritt_zeit = Netz_Zeit() ? Netz_Zeit() : 1;
            }
            const uint32_t groesse = laenge - 16 - l;
            std::memcpy(Internet_Sendblock, nachricht + 16 + l, groesse);
            n = Internet_Server_Read_Block(m->verein_beansprucht ? m->verein : -1, int32_t(nr), format,
                                           Internet_Sendblock, groesse);
        }
    }
    if (grund) Print_Fehler("Internet: Anfrage %u von Teilnehmer %u abgewiesen (%s)", nr, m->user_id, grund);
    const uint32_t lf = uint32_t(std::strlen(format)) + 1;
    std::vector<uint8_t> antwort(12 + lf + n);
    Bytes_Setze32(antwort.data(), INTERNET_MARKE);
    Bytes_Setze32(antwort.data() + 4, nr);
    Bytes_Setze32(antwort.data() + 8, lf);
    std::memcpy(antwort.data() + 12, format, lf);
    if (n) std::memcpy(antwort.data() + 12 + lf, Internet_Sendblock, n);
    if (server_sender) server_sender(m, antwort.data(), uint32_t(antwort.size()));
    else Netz_Server_Senden(m, antwort.data(), uint32_t(antwort.size()));
    Print_Log(0xF0000, "Server schickt zurück!");
    uint32_t bloecke = 0, empfangen = 0, bytes = 0, gepackt = 0, bytes_e = 0, gepackt_e = 0;
    Netzuser_Statistik(&bloecke, &empfangen, &bytes, &gepackt, &bytes_e, &gepackt_e);
    Print_Log(0xF0000, "Datenblöcke: %d  Packratio: %d Prozent\n", int(bloecke),
              bytes ? int(uint64_t(gepackt) * 100 / bytes) : 0);
    server_antwortet = false;
    return 1;
}

// ---- Client ----

Internet_Arg Internet_Wert(int32_t v)
{
    Internet_Arg a;
    a.wert = uint32_t(v);
    return a;
}

Internet_Arg Internet_Wert_F(float v)
{
    Internet_Arg a;
    std::memcpy(&a.wert, &v, 4);
    return a;
}

Internet_Arg Internet_Zeiger(void* p, uint32_t kapazitaet)
{
    Internet_Arg a;
    a.zeiger = p;
    a.kapazitaet = kapazitaet;
    a.ist_zeiger = true;
    return a;
}

Internet_Arg Internet_Zeiger_Ref(void** ziel, uint32_t* var_laenge)
{
    Internet_Arg a;
    a.ziel = ziel;
    a.var_laenge = var_laenge;
    a.ist_zeiger = true;
    return a;
}

static Internet_Client_Austausch client_austausch = nullptr;
void Internet_Set_Client_Austausch(Internet_Client_Austausch a) { client_austausch = a; }
static Internet_Signal_Handler signal_handler = nullptr;
void Internet_Set_Signal_Handler(Internet_Signal_Handler h) { signal_handler = h; }

// Takes a reply message for call nr: its format into format, its block into block.
static int32_t antwort_lesen(int32_t nr, const uint8_t* msg, uint32_t len, char* format, uint8_t* block)
{
    if (len < 12 || Bytes_Hole32(msg + 4) != uint32_t(nr)) return -1;
    const uint32_t l = Bytes_Hole32(msg + 8);
    const char* f = reinterpret_cast<const char*>(msg + 12);
    if (l < 1 || l > INTERNET_FORMAT_MAX + 1 || l > len - 12 || f[l - 1] || strnlen(f, l) != l - 1) return -1;
    const uint32_t n = len - 12 - l;
    if (n > SENDBLOCK_SIZE) return -1;
    std::memcpy(format, f, l);
    std::memcpy(block, msg + 12 + l, n);
    return int32_t(n);
}

int32_t Internet_Client_Send_And_Read_Block(int32_t nr, char* format, uint8_t* block, uint32_t groesse)
{
    if (!format || !block) {
        Print_Fehler("Internet_Client_Send_And_Read_Block: NULL-Pointer!");
        return -1;
    }
    if (Netz_Rolle != 1) {
        const uint32_t rolle = Netz_Rolle;
        Netz_Rolle = 2;
        const uint32_t n = Internet_Server_Read_Block(Aktuelles_Team, nr, format, block, groesse);
        Netz_Rolle = rolle;
        Internet_Bytes_Gesamt += n;
        return int32_t(n);
    }
    const uint32_t l = uint32_t(std::strlen(format)) + 1;
    std::vector<uint8_t> anfrage(16 + l + groesse);
    Bytes_Setze32(anfrage.data(), INTERNET_MARKE);
    Bytes_Setze32(anfrage.data() + 4, uint32_t(nr));
    Bytes_Setze32(anfrage.data() + 8, l);
    Bytes_Setze32(anfrage.data() + 12, uint32_t(Aktuelles_Team < 0 ? 0 : Aktuelles_Team));
    std::memcpy(anfrage.data() + 16, format, l);
    std::memcpy(anfrage.data() + 16 + l, block, groesse);
    if (client_austausch) {
        std::vector<uint8_t> antwort;
        if (!client_austausch(anfrage, &antwort)) return -1;
        return antwort_lesen(nr, antwort.data(), uint32_t(antwort.size()), format, block);
    }
    // The server ends a connection that sends more: refused here, with the connection kept.
    if (16 + l + uint64_t(groesse) > NETZ_CLIENT_BLOCK_MAX) {
        Print_Fehler("Internet: Anfrage %d mit %u Bytes zu groß, nicht gesendet", nr, groesse);
        return -1;
    }
    if (!Netz_Client_Senden(anfrage.data(), uint32_t(anfrage.size()))) return -1;
    // The wait only pumps: a script's next input is for the screen once the call has returned.
    struct Halten {
        bool alt = Os_Script_Halten(true);
        ~Halten() { Os_Script_Halten(alt); }
    } halten;
    for (;;) {
        uint32_t len = 0;
        int32_t code = NETZ_NICHTS;
        uint8_t* msg = Netz_Client_Empfangen(&len, &code);
        if (!msg) {
            Netz_Warten();
            continue;
        }
        if (len >= 4 && Bytes_Hole32(msg) == INTERNET_MARKE) {
            const int32_t n = antwort_lesen(nr, msg, len, format, block);
            Mem_Free(msg, 0);
            return n;
        }
        // Control signals are handled at once, so that none is lost during a call.
        const bool angenommen = signal_handler ? signal_handler(msg, len) : Steuersignal_Vom_Server(msg, len);
        if (!angenommen) Print_Fehler("Falsche Daten vom Server erhalten!");
        Mem_Free(msg, 0);
    }
}

bool Internet_Client_Wartet() { return client_wartet; }

bool Internet_Server_Runde_Begonnen(int32_t team)
{
    const auto i = rundenbeginn.find(team);
    return i != rundenbeginn.end() && i->second == Aktueller_Tag;
}

int32_t Internet_Client_Read(int32_t nr, const char* format, int32_t* ergebnis, uint8_t* fertig,
                             const Internet_Arg* args, int32_t anzahl)
{
    if (!format || (anzahl && !args)) {
        Print_Fehler("Internet_Client_Read: NULL-Pointer!");
        return 0;
    }
    if (!(Netz_Rolle & 1)) {
        Print_Fehler("Internet_Client_Read: kein CLIENT!");
        return 0;
    }
    if (client_wartet) {
        Print_Fehler("Internet_Client_Read: Aufruf %d während eines anderen abgewiesen", nr);
        return 0;
    }
    if (!format_gueltig(format, INTERNET_FORMAT_MAX)) {
        Print_Fehler("Internet_Client_Read: Format zu lang!");
        return 0;
    }
    std::vector<Feld> gesendet;
    if (!felder_lesen(format, &gesendet, "Internet_Read:Parsing-Error!") ||
        int32_t(gesendet.size()) - 1 != anzahl) {
        Print_Fehler("Internet_Read:Parsing-Error!");
        return 0;
    }
    uint8_t* b = Internet_Sendblock;
    std::memset(b, 0, SENDBLOCK_SIZE);
    uint32_t pos = gesendet[0].typ == 'v' ? 0 : 4;
    for (int32_t k = 0; k < anzahl; ++k) {
        const Feld& f = gesendet[size_t(k) + 1];
        const Internet_Arg& a = args[k];
        if (f.zeiger != a.ist_zeiger || (f.zeiger && f.zahl == 0xFFFFFFFFu) ||
            (f.zeiger && a.zeiger && !f.var && a.kapazitaet && a.kapazitaet < f.zahl) ||
            uint64_t(pos) + 4 + (f.zeiger ? aufrunden(f.zahl) : 0) > SENDBLOCK_SIZE) {
            Print_Fehler("Internet_Read:Parsing-Error!");
            return 0;
        }
        if (!f.zeiger) {
            if (f.typ == 'c') b[pos] = uint8_t(a.wert);
            else if (f.typ == 'w') Bytes_Setze16(b + pos, uint16_t(a.wert));
            else Bytes_Setze32(b + pos, a.wert);
            pos += 4;
            continue;
        }
        Bytes_Setze32(b + pos, a.zeiger || a.ziel ? 1 : 0);
        pos += 4;
        if (f.kleiner || f.var) continue;
        if (a.zeiger) std::memcpy(b + pos, a.zeiger, f.zahl);
        pos += aufrunden(f.zahl);
    }
    char antwort_format[INTERNET_FORMAT_MAX + 1];
    std::snprintf(antwort_format, sizeof antwort_format, "%s", format);
    client_wartet = true;
    // The line stands while the call runs and gives the screen beneath back after it, before a
    // notice that came meanwhile opens over that screen.
    Internet_Transferzeile_Zeigen();
    const int32_t n = Internet_Client_Send_And_Read_Block(nr, antwort_format, b, pos);
    Internet_Transferzeile_Entfernen();
    client_wartet = false;
    // A finished turn that came during the call shows now, its click replayed outside the wait.
    Steuersignal_Nachholen();
    if (n < 0) return 0;

    // The reply must be the call that was sent: same fields, the variable count and zeroed '>'
    // counts the only differences.
    std::vector<Feld> zurueck;
    static Internet_Positionen p;
    uint32_t len = uint32_t(n);
    bool gut = felder_lesen(antwort_format, &zurueck, "Internet_Read: Parsing-Error!") &&
               zurueck.size() == gesendet.size() && Internet_Get_Blockpositionen(1, b, &len, antwort_format, &p);
    for (size_t k = 0; gut && k < gesendet.size(); ++k) {
        const Feld &s = gesendet[k], &r = zurueck[k];
        gut = s.typ == r.typ && s.kleiner == r.kleiner && s.gleich == r.gleich && s.groesser == r.groesser &&
              (s.var || (s.groesser ? r.zahl == 0 : r.zahl == s.zahl));
    }
    if (!gut) {
        Print_Fehler("Internet_Client_Read: Antwort auf %d passt nicht zur Anfrage", nr);
        return 0;
    }
    const int32_t r = p.ergebnis_typ == 'v' ? 0 : int32_t(Bytes_Hole32(b + p.ergebnis_pos));
    for (int32_t k = 0, z = 0; k < anzahl; ++k) {
        const Feld& f = gesendet[size_t(k) + 1];
        if (!f.zeiger) continue;
        const Internet_Arg& a = args[k];
        const int32_t feld = z++;
        if (f.groesser) continue;
        if (f.var && a.var_laenge) *a.var_laenge = p.groesse[feld];
        const uint32_t daten = p.slot_pos[feld] + 4;
        // An '=' field points the caller's variable into the block; a plain pointer gets a copy.
        if (f.gleich && a.ziel) {
            *a.ziel = b + daten;
        } else if (a.zeiger) {
            const uint32_t menge = f.var ? std::min(p.groesse[feld], a.kapazitaet) : f.zahl;
            if (menge) std::memcpy(a.zeiger, b + daten, menge);
        }
    }
    Internet_Bytes_Gesamt += uint32_t(n);
    if (ergebnis) *ergebnis = r;
    if (fertig) *fertig |= 1;
    return r;
}

// ---- The transfer line at the bottom of the screen ----

namespace {

constexpr int32_t ZEILE_Y = 462, ZEILE_B = 640, ZEILE_H = 18;
// The menu's icon column starts right of this: a strip no wider stays clear of it.
constexpr int32_t SPALTE_X = 596;
// What the line covers, and the line as drawn: the strip goes back only where the line still
// stands, so that a screen drawn over it during the call keeps its own pixels.
Rastport* zeile_darunter = nullptr;
Rastport* zeile_gezeichnet = nullptr;
int32_t zeile_breite = 0;

// The line's pixels that still stand as drawn get the screen beneath back; the rest keep what a
// screen drew over them meanwhile.
void zeile_zuruecknehmen()
{
    Rastport* s = Grafik_Seite_0;
    Rastport *unter = zeile_darunter, *linie = zeile_gezeichnet;
    const int32_t b = zeile_breite;
    if (!s || !unter || !linie || s->depth != linie->depth || s->width < uint32_t(b) ||
        s->height < uint32_t(ZEILE_Y + ZEILE_H))
        return;
    const size_t bpp = Grafik_Bytes_Pro_Pixel(s->depth);
    for (int32_t y = 0; y < ZEILE_H; ++y) {
        const auto* schirm = static_cast<const uint8_t*>(s->pixels) + size_t(ZEILE_Y + y) * s->width * bpp;
        const auto* vorher = static_cast<const uint8_t*>(unter->pixels) + size_t(y) * size_t(b) * bpp;
        auto* neu = static_cast<uint8_t*>(linie->pixels) + size_t(y) * size_t(b) * bpp;
        for (size_t o = 0; o < size_t(b) * bpp; o += bpp)
            std::memcpy(neu + o, std::memcmp(schirm + o, neu + o, bpp) ? schirm + o : vorher + o, bpp);
    }
    Grafik_Blit(linie, 0, 0, b, ZEILE_H, s, 0, ZEILE_Y);
}

}  // namespace

void Internet_Zeile_Zeigen(const char* text, bool links_der_icons)
{
    // The whole row not over a screen whose icon column holds icon 703, nor over the live match
    // view.
    if (!Grafik_Seite_0 || (!links_der_icons && Menue_Screen_Icon_Ist_Vorhanden(703)) || Spielszenen_Ist_Geladen()) return;
    const int32_t breite = links_der_icons ? SPALTE_X : ZEILE_B;
    if (zeile_darunter && breite != zeile_breite) Internet_Zeile_Entfernen();
    constexpr uint16_t DUNKEL = 0x18C3, HELL = 0xC618;
    Rastport* rp = Grafik_Seite_0;
    // A line still standing keeps the screen it covered first.
    if (!zeile_darunter) {
        zeile_breite = breite;
        zeile_darunter = Grafik_Bitmap_Anlegen(breite, ZEILE_H, int32_t(rp->depth));
        if (zeile_darunter) Grafik_Blit(rp, 0, ZEILE_Y, breite, ZEILE_H, zeile_darunter, 0, 0);
    }
    Grafik_Rechteck_Fuellen(rp, 0, ZEILE_Y, breite, ZEILE_H, DUNKEL);
    Grafik_Linie(rp, 0, ZEILE_Y, breite - 1, ZEILE_Y, HELL);
    Grafik_Linie(rp, 0, ZEILE_Y + ZEILE_H - 1, breite - 1, ZEILE_Y + ZEILE_H - 1, HELL);
    if (Font_Slots[10])
        Grafik_Printf(rp, Font_Slots[10], "^c%05d^tz%04d%s", 0, 474, int(HELL), int(breite / 2), text ? text : "");
    if (!zeile_gezeichnet) zeile_gezeichnet = Grafik_Bitmap_Anlegen(breite, ZEILE_H, int32_t(rp->depth));
    if (zeile_gezeichnet) Grafik_Blit(rp, 0, ZEILE_Y, breite, ZEILE_H, zeile_gezeichnet, 0, 0);
}

void Internet_Transferzeile_Zeigen()
{
    char text[64];
    std::snprintf(text, sizeof text, "Datenübertragung: %d Bytes...", int(Internet_Bytes_Gesamt));
    Internet_Zeile_Zeigen(text, false);
}

void Internet_Zeile_Entfernen()
{
    zeile_zuruecknehmen();
    zeile_darunter = Grafik_Bitmap_Freigeben(zeile_darunter);
    zeile_gezeichnet = Grafik_Bitmap_Freigeben(zeile_gezeichnet);
}

void Internet_Transferzeile_Entfernen() { Internet_Zeile_Entfernen(); }

// ---- The variable-field test, call 499 ----

bool Internet_Server_Zero_Size_Test(Internet_Aufruf* a)
{
    uint8_t* puffer = static_cast<uint8_t*>(Mem_Alloc(100, 0));
    if (!puffer) return false;
    for (int k = 0; k < 100; ++k) puffer[k] = uint8_t('0' + k % 9);
    puffer[99] = 0;
    *a->var = puffer;
    a->ergebnis = 100;
    return true;
}

void Internet_Client_Zero_Size_Test()
{
    char puffer[500] = {};
    const Internet_Arg args[] = {Internet_Zeiger(puffer, sizeof puffer), Internet_Wert(99999), Internet_Wert(9999),
                                 Internet_Wert(9)};
    Internet_Client_Read(499, "iC000iwc", nullptr, nullptr, args, 4);
    puffer[sizeof puffer - 1] = 0;
    Print_Log(0xF0000, "buffer=%s\n", puffer);
}
