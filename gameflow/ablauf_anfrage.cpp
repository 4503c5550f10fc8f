// The server's dispatcher of the requests 1000..1043 and the game flow's own requests.
//
// Byte images (little-endian):
//   1000 day data, "iC<=0", allowed before a club is claimed; result = image length:
//        0 u32 day, 4 u32 seasons begun, 8 u32 n games today, 12 u32 m games of the last match
//        day, 16 the n + m games of 32 bytes: i32 competition, i32 home, i32 away, i32 home goals
//        (-1 not played), i32 away goals, u32 running state (0 playing .. 3 shoot-out), i32 match
//        day (0 first, -1 none), i32 referee (-1 none); then the season's schedule as a savegame
//        holds it: i32 season start (that of the day), u32 count k, k entries of 8 bytes: i32 day,
//        u8 competition, u8 match day, u8 leg, u8 calendar position.
//   1001 live records of the caller's club, "iC<=0"; result = image length:
//        0 u32 count, then per record u32 game, u32 packed length L, L bytes (the 25,120-byte
//        record image packed with the match day's run-length packer).
//   1002 the caller's messages, "iC<=0"; result = image length: 0 u32 count, then per message
//        460 bytes: i32 index, i32 sender, i32 addressee, i32 sending club, i32 kind, u32 flags,
//        i32 day, 8 x i32 question, 400 bytes text (NUL inside).
//   1003 news from a client, "iiC%d": addressee, text bytes, the text (NUL inside, more than blanks); kind 4,
//        sending club the caller; result = the message's index, -1 not stored.
//   1012 answer to a question, "iii": index, answer; only a question addressed to the caller's
//        club; result 1 when answered.
//   1013 the caller's highscore points, "i".
//   1014, 1020, 1032, 1043 "v": run nothing.
//   1031 staff list, "iC<=0i": the list's memory form; result = its length.
//   1037-1040 the statistics archive (formats in the call table).
#include "gameflow/ablauf_anfrage.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <string>

#include "competitions/spiele.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/statistik_archiv.h"
#include "competitions/wettbewerb.h"
#include "database/personal.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "match/spielfeld.h"
#include "network/netz.h"
#include "match/spieltag.h"
#include "platform/string_util.h"
#include "platform/bytes.h"
#include "platform/disk.h"
#include "platform/liste.h"
#include "platform/mem.h"
#include "platform/print.h"

namespace {

constexpr int32_t ERSTE = ANFRAGE_ERSTE, LETZTE = ANFRAGE_LETZTE;
Internet_Handler handler[LETZTE - ERSTE + 1];

constexpr uint32_t NACHRICHT_BYTES = 28 + 32 + NEWS_TEXT_LAENGE;
// What 1037 sends back is at most twice the table record packed.
constexpr uint32_t TABELLE_PUFFER = 2 * sizeof(Tabelle_Datensatz);

// The client's copies of what the last fetches brought.
std::vector<Ablauf_Tagesspiel> client_heute, client_letzter_spieltag;
bool client_hat_tag = false;
std::vector<std::pair<int32_t, std::vector<uint8_t>>> client_records;
// The clubs whose client has fetched its live records since the match day's start signal.
std::set<int32_t> records_geholt;
// The own club's records as the client's last refresh brought them, the club and the day.
std::vector<uint8_t> client_abzug;
int32_t client_abzug_team = -1, client_abzug_tag = -1;
// The server's games of the last match day, kept when it closes.
std::vector<Ablauf_Tagesspiel> server_letzter_spieltag;

void anhaengen32(std::vector<uint8_t>& v, uint32_t x)
{
    uint8_t b[4];
    Bytes_Setze32(b, x);
    v.insert(v.end(), b, b + 4);
}

bool var_zurueck(Internet_Aufruf* a, const uint8_t* daten, uint32_t laenge)
{
    a->ergebnis = 0;
    if (!laenge) return true;
    uint8_t* b = static_cast<uint8_t*>(Mem_Alloc(laenge, 0));
    if (!b) return true;
    std::memcpy(b, daten, laenge);
    *a->var = b;
    a->ergebnis = int32_t(laenge);
    return true;
}

bool var_zurueck(Internet_Aufruf* a, const std::vector<uint8_t>& v)
{
    return var_zurueck(a, v.data(), uint32_t(v.size()));
}

std::vector<Ablauf_Tagesspiel> spiele_des_tages()
{
    std::vector<Ablauf_Tagesspiel> v;
    Liste_Element* kopf = Spieltag_Get_Wettbewerbe_Liste();
    if (!kopf) return v;
    for (Liste_Element* k = kopf->next; k; k = k->next) {
        const int32_t n = Spieltag_Wettbewerb_Anzahl_Spiele(k);
        for (int32_t i = 0; i < n; ++i) {
            const Spiele_Spiel* s = Spiele_Get_Spiel(Spieltag_Get_Spiel(i), 1);
            if (!s) continue;
            v.push_back({int32_t(k->key), s->heim, s->gast, s->heim_tore, s->gast_tore, Spieltag_Get_Laeuft(i), s->spieltag,
                         s->schiedsrichter});
        }
    }
    return v;
}

void spiel_anhaengen(std::vector<uint8_t>& v, const Ablauf_Tagesspiel& s)
{
    anhaengen32(v, uint32_t(s.wettbewerb));
    anhaengen32(v, uint32_t(s.heim));
    anhaengen32(v, uint32_t(s.gast));
    anhaengen32(v, uint32_t(s.heim_tore));
    anhaengen32(v, uint32_t(s.gast_tore));
    anhaengen32(v, s.laeuft);
    anhaengen32(v, uint32_t(s.spieltag));
    anhaengen32(v, uint32_t(s.schiedsrichter));
}

// ---- Handlers ----

bool tagesdaten(Internet_Aufruf* a) { return var_zurueck(a, Ablauf_Tagesdaten_Bild()); }

bool spielfeld_records(Internet_Aufruf* a)
{
    records_geholt.insert(int32_t(Handelndes_Team));
    return var_zurueck(a, Ablauf_Spielfeld_Records_Bild(int32_t(Handelndes_Team)));
}

bool nachrichten(Internet_Aufruf* a)
{
    const int32_t team = int32_t(Handelndes_Team);
    std::vector<uint8_t> v(4, 0);
    uint32_t n = 0;
    for (int32_t i = News_Suche_Erste(team, ~0u); i >= 0; i = News_Suche_Naechste()) {
        const News_Nachricht* m = News_Get_Nachricht(i);
        if (!m) continue;
        const size_t o = v.size();
        v.resize(o + NACHRICHT_BYTES, 0);
        uint8_t* b = v.data() + o;
        const int32_t felder[7] = {i, m->sender, m->team, m->sender_team, m->art, int32_t(m->flags), m->tag};
        for (int k = 0; k < 7; ++k) Bytes_Setze32(b + 4 * k, uint32_t(felder[k]));
        for (int k = 0; k < 8; ++k) Bytes_Setze32(b + 28 + 4 * k, uint32_t(m->frage.wort[k]));
        std::memcpy(b + 60, m->text, NEWS_TEXT_LAENGE);
        b[60 + NEWS_TEXT_LAENGE - 1] = 0;
        ++n;
    }
    Bytes_Setze32(v.data(), n);
    return var_zurueck(a, v);
}

// Texts one club's client may post in a day: to other managers (every manager counting as
// one), and in all, its own mailbox included. A client that posts on and on fills no other
// manager's mailbox and not the store they share.
constexpr int32_t NEWS_AN_ANDERE_PRO_TAG = 10;
constexpr int32_t NEWS_PRO_TAG = 100;
struct News_Zaehler {
    int32_t tag = -1, andere = 0, alle = 0;
};
std::vector<News_Zaehler> news_zaehler;

bool news_senden(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    a->ergebnis = -1;
    const uint8_t* text = p->daten[0];
    const uint32_t n = p->groesse[0];
    // The text must end inside its field (nothing is read past what came) and say something:
    // blanks and control characters alone would arrive as an empty message.
    if (!text || !n || !std::memchr(text, 0, n)) return true;
    const std::string klar = String_Klartext(std::string(reinterpret_cast<const char*>(text)));
    if (klar.find_first_not_of(' ') == std::string::npos) return true;
    const int32_t ziel = p->ints[0];
    if (ziel < -1 || ziel >= Team_Anzahl) return true;
    const int32_t absender = int32_t(Handelndes_Team);
    if (absender < 0 || absender >= Team_Anzahl) return true;
    if (news_zaehler.size() < size_t(Team_Anzahl)) news_zaehler.resize(size_t(Team_Anzahl));
    News_Zaehler& z = news_zaehler[size_t(absender)];
    if (z.tag != Aktueller_Tag) z = {Aktueller_Tag, 0, 0};
    const bool andere = ziel != absender;
    if (z.alle >= NEWS_PRO_TAG || (andere && z.andere >= NEWS_AN_ANDERE_PRO_TAG)) {
        Print_Fehler("Nachrichten von Team %d für heute ausgeschöpft, Nachricht an Team %d verworfen!", absender, ziel);
        return true;
    }
    ++z.alle;
    z.andere += andere ? 1 : 0;
    // Stored as plain text: a code in it would steer the screens of whoever reads it.
    a->ergebnis = News_Senden(-1, ziel, absender, NEWS_ART_TEXT, nullptr, "%s", klar.c_str());
    return true;
}

bool frage_beantworten(Internet_Aufruf* a)
{
    const int32_t index = a->p->ints[0];
    const News_Nachricht* m = News_Get_Nachricht(index);
    a->ergebnis = 0;
    // Only the club's own question: one addressed to every manager or another club stays open.
    if (!m || m->team != int32_t(Handelndes_Team)) return true;
    a->ergebnis = News_Set(index, m->team, a->p->ints[1], 2) ? 1 : 0;
    return true;
}

bool highscore(Internet_Aufruf* a)
{
    a->ergebnis = Highscore_Get_Wert(int32_t(Handelndes_Team), 0, 1);
    return true;
}

bool nichts(Internet_Aufruf*) { return true; }

bool personal_liste(Internet_Aufruf* a)
{
    uint8_t* b = nullptr;
    const uint32_t n = Personal_Liste_Serialisieren(&b);
    a->ergebnis = 0;
    if (!b) return true;
    *a->var = b;
    a->ergebnis = int32_t(n);
    return true;
}

// The statistics' arrays: max * 4 bytes each, zeroed before the query.
bool felder_da(Internet_Aufruf* a, int32_t erstes, int32_t anzahl, int32_t max)
{
    const Internet_Positionen* p = a->p;
    if (max < 0 || erstes + anzahl > p->zeiger_anzahl) return false;
    for (int32_t k = erstes; k < erstes + anzahl; ++k) {
        // Counted in 64 bits: a count near 2^30 must not wrap onto a small field.
        if (uint64_t(p->groesse[k]) != uint64_t(max) * 4u || (max && !p->daten[k])) return false;
        if (max) std::memset(p->daten[k], 0, p->groesse[k]);
    }
    return true;
}

int32_t* feld(Internet_Aufruf* a, int32_t k) { return reinterpret_cast<int32_t*>(a->p->daten[k]); }

// The returned arrays hold little-endian words whatever the host.
void felder_umdrehen(Internet_Aufruf* a, int32_t erstes, int32_t anzahl, int32_t max)
{
    for (int32_t k = erstes; k < erstes + anzahl; ++k)
        for (int32_t i = 0; i < max; ++i) {
            int32_t w;
            std::memcpy(&w, a->p->daten[k] + 4 * i, 4);
            Bytes_Setze32(a->p->daten[k] + 4 * i, uint32_t(w));
        }
}

bool statistik_tabelle(Internet_Aufruf* a)
{
    a->ergebnis = 0;
    auto t = std::make_unique<Tabelle_Datensatz>();
    std::memset(t.get(), 0, sizeof *t);
    if (!Statistik_Suche_Tabelle(t.get(), a->p->ints[0], a->p->ints[1])) return true;
    std::vector<uint8_t> gepackt(Spielfeld_Packen_Grenze(sizeof *t));
    const int32_t n = Spielfeld_Speicher_Packen(t.get(), gepackt.data(), sizeof *t, uint32_t(gepackt.size()));
    if (n > 0) var_zurueck(a, gepackt.data(), uint32_t(n));
    return true;
}

bool statistik_jahre(Internet_Aufruf* a)
{
    const int32_t max = a->p->ints[1];
    a->ergebnis = 0;
    if (!felder_da(a, 0, 1, max)) return true;
    a->ergebnis = Statistik_Tabellen_In_Array(a->p->ints[0], feld(a, 0), max);
    felder_umdrehen(a, 0, 1, max);
    return true;
}

bool statistik_team(Internet_Aufruf* a)
{
    const int32_t max = a->p->ints[1];
    a->ergebnis = 0;
    if (!felder_da(a, 0, 7, max)) return true;
    a->ergebnis = Statistik_Tabellen_Suche_Team(a->p->ints[0], feld(a, 0), feld(a, 1), feld(a, 2), feld(a, 3),
                                                feld(a, 4), feld(a, 5), feld(a, 6), max);
    felder_umdrehen(a, 0, 7, max);
    return true;
}

bool statistik_titel(Internet_Aufruf* a)
{
    const int32_t max = a->p->ints[2];
    a->ergebnis = 0;
    if (!felder_da(a, 0, 5, max)) return true;
    a->ergebnis = Statistik_Titel_Suchen(a->p->ints[0], a->p->ints[1], feld(a, 0), feld(a, 1), feld(a, 2),
                                         feld(a, 3), feld(a, 4), max);
    felder_umdrehen(a, 0, 5, max);
    return true;
}

// ---- Client side ----

int32_t client_var(int32_t nr, const char* format, std::vector<uint8_t>* aus, const Internet_Arg* rest = nullptr,
                   int32_t rest_anzahl = 0)
{
    void* daten = nullptr;
    uint32_t laenge = 0;
    Internet_Arg args[4] = {Internet_Zeiger_Ref(&daten, &laenge)};
    for (int32_t i = 0; i < rest_anzahl && i < 3; ++i) args[1 + i] = rest[i];
    uint8_t fertig = 0;
    Internet_Client_Read(nr, format, nullptr, &fertig, args, 1 + rest_anzahl);
    aus->clear();
    if (!(fertig & 1)) return 0;
    if (daten && laenge) aus->assign(static_cast<uint8_t*>(daten), static_cast<uint8_t*>(daten) + laenge);
    return 1;
}

bool spiele_lesen(const uint8_t* b, uint32_t n, std::vector<Ablauf_Tagesspiel>* v)
{
    v->clear();
    for (uint32_t i = 0; i < n; ++i, b += ABLAUF_TAGESSPIEL_BYTES) {
        Ablauf_Tagesspiel s{int32_t(Bytes_Hole32(b)),      int32_t(Bytes_Hole32(b + 4)),
                            int32_t(Bytes_Hole32(b + 8)),  int32_t(Bytes_Hole32(b + 12)),
                            int32_t(Bytes_Hole32(b + 16)), Bytes_Hole32(b + 20),
                            int32_t(Bytes_Hole32(b + 24)), int32_t(Bytes_Hole32(b + 28))};
        if (s.laeuft > SPIELTAG_ELFMETER) return false;
        // A game between two different clubs of this world, in a competition there can be, with
        // goals its record can hold (-1 home goals: not played).
        if (s.wettbewerb < 0 || s.wettbewerb > WETTBEWERB_MAX_ID || s.heim < 0 || s.heim >= Team_Anzahl ||
            s.gast < 0 || s.gast >= Team_Anzahl || s.heim == s.gast || s.heim_tore < -1 || s.heim_tore > INT8_MAX ||
            s.gast_tore < 0 || s.gast_tore > UINT8_MAX)
            return false;
        if (s.spieltag < -1 || s.spieltag >= WETTBEWERB_MAX_SPIELTAGE || s.schiedsrichter < -1 ||
            s.schiedsrichter > INT16_MAX)
            return false;
        v->push_back(s);
    }
    return true;
}

void crc_wort(uint32_t* crc, uint32_t w)
{
    uint8_t b[4];
    Bytes_Setze32(b, w);
    *crc = Disk_Crc32(*crc, b, 4);
}

}  // namespace

void Ablauf_Anfrage_Registrieren(int32_t nr, Internet_Handler h)
{
    if (nr < ERSTE || nr > LETZTE) {
        Print_Fehler("Ablauf_Anfrage_Registrieren: Anfrage %d gehört nicht zum Ablauf", nr);
        return;
    }
    handler[nr - ERSTE] = h;
}

Internet_Handler Ablauf_Anfrage_Handler(int32_t nr)
{
    return nr < ERSTE || nr > LETZTE ? nullptr : handler[nr - ERSTE];
}

bool Ablauf_Server_Anfrage_Ausfuehren(Internet_Aufruf* a)
{
    if (!a || a->nr < ERSTE || a->nr > LETZTE || !a->p || !a->var) return false;
    const Internet_Handler h = handler[a->nr - ERSTE];
    return h && h(a);
}

void Ablauf_Anfragen_Anbinden()
{
    news_zaehler.clear();
    Ablauf_Anfrage_Registrieren(ABLAUF_TAGESDATEN, tagesdaten);
    Ablauf_Anfrage_Registrieren(ABLAUF_SPIELFELD_RECORDS, spielfeld_records);
    Ablauf_Anfrage_Registrieren(ABLAUF_NACHRICHTEN, nachrichten);
    Ablauf_Anfrage_Registrieren(ABLAUF_NEWS_SENDEN, news_senden);
    Ablauf_Anfrage_Registrieren(ABLAUF_FRAGE_BEANTWORTEN, frage_beantworten);
    Ablauf_Anfrage_Registrieren(ABLAUF_HIGHSCORE, highscore);
    for (int32_t nr : {ABLAUF_LEER_1014, ABLAUF_LEER_1020, ABLAUF_LEER_1032, ABLAUF_LEER_1043})
        Ablauf_Anfrage_Registrieren(nr, nichts);
    Ablauf_Anfrage_Registrieren(PERSONAL_GET_LISTE, personal_liste);
    Ablauf_Anfrage_Registrieren(STATISTIK_SUCHE_TABELLEN, statistik_tabelle);
    Ablauf_Anfrage_Registrieren(STATISTIK_TABELLEN_IN_ARRAY, statistik_jahre);
    Ablauf_Anfrage_Registrieren(STATISTIK_TABELLEN_SUCHE_TEAM, statistik_team);
    Ablauf_Anfrage_Registrieren(STATISTIK_TITEL_SUCHEN, statistik_titel);
    static bool erlaubt = false;
    if (!erlaubt) Internet_Vor_Anspruch_Erlauben(ABLAUF_TAGESDATEN);
    erlaubt = true;
}

// ---- Images ----

std::vector<uint8_t> Ablauf_Tagesdaten_Bild()
{
    const std::vector<Ablauf_Tagesspiel> heute = Ablauf_Tagesspiele();
    std::vector<uint8_t> v;
    anhaengen32(v, uint32_t(Kalender_Get_Heute()));
    anhaengen32(v, uint32_t(Kalender_Get_Saison()));
    anhaengen32(v, uint32_t(heute.size()));
    anhaengen32(v, uint32_t(server_letzter_spieltag.size()));
    for (const Ablauf_Tagesspiel& s : heute) spiel_anhaengen(v, s);
    for (const Ablauf_Tagesspiel& s : server_letzter_spieltag) spiel_anhaengen(v, s);
    uint32_t plan = 0;
    Kalender_Spielplan_Bytes(nullptr, &plan);
    const size_t o = v.size();
    v.resize(o + plan);
    Kalender_Spielplan_Bytes(v.data() + o, &plan);
    return v;
}

bool Ablauf_Tagesdaten_Lesen(const uint8_t* bild, uint32_t laenge, int32_t* tag, int32_t* saison,
                             std::vector<Ablauf_Tagesspiel>* spiele, const uint8_t** plan, uint32_t* plan_laenge)
{
    if (!bild || laenge < 16) return false;
    const uint32_t t = Bytes_Hole32(bild), n = Bytes_Hole32(bild + 8), m = Bytes_Hole32(bild + 12);
    const uint64_t spiele_ende = 16 + (uint64_t(n) + m) * ABLAUF_TAGESSPIEL_BYTES;
    if (t > uint32_t(KALENDER_TAG_MAX) || n > 65536 || m > 65536 || laenge < spiele_ende + 8) return false;
    std::vector<Ablauf_Tagesspiel> h, l;
    if (!spiele_lesen(bild + 16, n, &h) || !spiele_lesen(bild + 16 + n * ABLAUF_TAGESSPIEL_BYTES, m, &l)) return false;
    // The schedule belongs to the day's season, as a savegame's does.
    const uint8_t* p = bild + spiele_ende;
    const uint32_t p_laenge = laenge - uint32_t(spiele_ende);
    if (!Kalender_Spielplan_Pruefen(p, p_laenge, Kalender_Get_Saisonstart(int32_t(t)))) return false;
    if (plan) *plan = p;
    if (plan_laenge) *plan_laenge = p_laenge;
    if (tag) *tag = int32_t(t);
    if (saison) *saison = int32_t(Bytes_Hole32(bild + 4));
    if (spiele) *spiele = h;
    client_letzter_spieltag = l;
    return true;
}

std::vector<Ablauf_Tagesspiel> Ablauf_Tagesspiele()
{
    if (Netz_Rolle == 1 && client_hat_tag) return client_heute;
    return spiele_des_tages();
}

bool Ablauf_Tagesspiel_Von(int32_t team, Ablauf_Tagesspiel* spiel)
{
    if (team < 0) return false;
    for (const Ablauf_Tagesspiel& s : Ablauf_Tagesspiele())
        if (s.heim == team || s.gast == team) {
            if (spiel) *spiel = s;
            return true;
        }
    return false;
}

void Ablauf_Spieltag_Merken() { server_letzter_spieltag = spiele_des_tages(); }

void Ablauf_Tagesdaten_Vergessen()
{
    server_letzter_spieltag.clear();
    client_heute.clear();
    client_letzter_spieltag.clear();
    client_hat_tag = false;
    client_records.clear();
    records_geholt.clear();
}

std::vector<uint8_t> Ablauf_Spielfeld_Records_Bild(int32_t team)
{
    std::vector<uint8_t> v(4, 0);
    uint32_t n = 0;
    std::vector<uint8_t> bild(SPIELFELD_RECORD_BYTES), gepackt(Spielfeld_Packen_Grenze(SPIELFELD_RECORD_BYTES));
    // A club plays one game a day.
    int32_t spiel = -1;
    const Spielfeld_Record* r = Spieltag_Get_Gegner(team, &spiel) >= 0 && spiel >= 0 ? Spielfeld_Get_Spiel(spiel) : nullptr;
    if (r) {
        Spielfeld_Record_Schreiben(*r, bild.data());
        const int32_t l = Spielfeld_Speicher_Packen(bild.data(), gepackt.data(), SPIELFELD_RECORD_BYTES,
                                                    uint32_t(gepackt.size()));
        if (l > 0) {
            anhaengen32(v, uint32_t(spiel));
            anhaengen32(v, uint32_t(l));
            v.insert(v.end(), gepackt.begin(), gepackt.begin() + l);
            ++n;
        }
    }
    Bytes_Setze32(v.data(), n);
    return v;
}

void Ablauf_Spielfeld_Abrufe_Vergessen() { records_geholt.clear(); }

bool Ablauf_Spielfeld_Abgerufen(int32_t team) { return records_geholt.count(team) > 0; }

// ---- Client fetches ----

bool Ablauf_Client_Tagesdaten_Holen()
{
    std::vector<uint8_t> v;
    if (!client_var(ABLAUF_TAGESDATEN, "iC<=0", &v)) return false;
    int32_t tag = 0;
    std::vector<Ablauf_Tagesspiel> heute;
    const uint8_t* plan = nullptr;
    uint32_t plan_laenge = 0;
    if (!Ablauf_Tagesdaten_Lesen(v.data(), uint32_t(v.size()), &tag, nullptr, &heute, &plan, &plan_laenge)) {
        Print_Fehler("Ablauf_Client_Tagesdaten_Holen: Tagesdaten des Servers unbrauchbar!");
        Netz_Sitzung_Beenden("Die Tagesdaten des Servers sind fehlerhaft! Bitte neu starten");
        return false;
    }
    // The client builds no schedule of its own: its dates and match days are the server's.
    Kalender_Spielplan_Aus_Bytes(plan, plan_laenge, Kalender_Get_Saisonstart(tag));
    Aktueller_Tag = tag;
    client_heute = heute;
    client_hat_tag = true;
    client_abzug.clear();
    return true;
}

bool Ablauf_Client_Spielfeld_Records_Holen()
{
    std::vector<uint8_t> v;
    client_records.clear();
    if (!client_var(ABLAUF_SPIELFELD_RECORDS, "iC<=0", &v)) return false;
    if (v.size() < 4) return v.empty();
    const uint32_t n = Bytes_Hole32(v.data());
    size_t o = 4;
    for (uint32_t i = 0; i < n && i < 256; ++i) {
        if (v.size() - o < 8) break;
        const int32_t spiel = int32_t(Bytes_Hole32(v.data() + o));
        const uint32_t l = Bytes_Hole32(v.data() + o + 4);
        o += 8;
        if (l > v.size() - o) break;
        std::vector<uint8_t> bild(SPIELFELD_RECORD_BYTES);
        const int32_t u = Spielfeld_Speicher_Entpacken(bild.data(), SPIELFELD_RECORD_BYTES, v.data() + o, l);
        o += l;
        if (u != int32_t(SPIELFELD_RECORD_BYTES)) {
            Print_Fehler("Ablauf_Client_Spielfeld_Records_Holen: Spiel %d beschädigt!", spiel);
            continue;
        }
        client_records.emplace_back(spiel, std::move(bild));
    }
    return true;
}

const std::vector<std::pair<int32_t, std::vector<uint8_t>>>& Ablauf_Client_Spielfeld_Records() { return client_records; }

bool Ablauf_Client_Nachrichten_Holen(std::vector<News_Client_Eintrag>* aus)
{
    std::vector<uint8_t> v;
    if (!client_var(ABLAUF_NACHRICHTEN, "iC<=0", &v) || v.size() < 4 ||
        v.size() != 4 + uint64_t(Bytes_Hole32(v.data())) * NACHRICHT_BYTES)
        return false;
    if (!aus) return true;
    std::vector<News_Client_Eintrag>& liste = *aus;
    liste.assign(Bytes_Hole32(v.data()), News_Client_Eintrag{});
    for (size_t k = 0; k < liste.size(); ++k) {
        const uint8_t* b = v.data() + 4 + k * NACHRICHT_BYTES;
        News_Client_Eintrag& e = liste[k];
        e.index = int32_t(Bytes_Hole32(b));
        News_Kopf_Lesen(b + 4, &e.nachricht);
        std::memcpy(e.nachricht.text, b + 60, NEWS_TEXT_LAENGE);
        News_Text_Klartext(e.nachricht.text, NEWS_TEXT_LAENGE);
    }
    return true;
}

int32_t Ablauf_Client_News_Senden(int32_t team, const char* text)
{
    if (!text) return -1;
    char puffer[NEWS_TEXT_LAENGE] = {};
    std::strncpy(puffer, text, sizeof puffer - 1);
    const uint32_t n = uint32_t(std::strlen(puffer) + 1);
    char format[24];
    std::snprintf(format, sizeof format, "iiC%u", n);
    const Internet_Arg args[] = {Internet_Wert(team), Internet_Zeiger(puffer, n)};
    int32_t ergebnis = -1;
    uint8_t fertig = 0;
    const int32_t r = Internet_Client_Read(ABLAUF_NEWS_SENDEN, format, &ergebnis, &fertig, args, 2);
    return (fertig & 1) ? r : -1;
}

bool Ablauf_Client_Frage_Beantworten(int32_t index, int32_t antwort)
{
    const Internet_Arg args[] = {Internet_Wert(index), Internet_Wert(antwort)};
    uint8_t fertig = 0;
    return Internet_Client_Read(ABLAUF_FRAGE_BEANTWORTEN, "iii", nullptr, &fertig, args, 2) == 1 && (fertig & 1);
}

int32_t Ablauf_Client_Highscore()
{
    uint8_t fertig = 0;
    return Internet_Client_Read(ABLAUF_HIGHSCORE, "i", nullptr, &fertig, nullptr, 0);
}

// ---- The statistics on a client ----

bool Statistik_Internet_Client_Suche_Tabelle(Tabelle_Datensatz* t, int32_t wettbewerb, int32_t jahr)
{
    if (!t) return false;
    std::vector<uint8_t> puffer(TABELLE_PUFFER);
    const Internet_Arg args[] = {Internet_Zeiger(puffer.data(), TABELLE_PUFFER), Internet_Wert(wettbewerb),
                                 Internet_Wert(jahr)};
    uint8_t fertig = 0;
    const int32_t n = Internet_Client_Read(STATISTIK_SUCHE_TABELLEN, "iC000ii", nullptr, &fertig, args, 3);
    if (!(fertig & 1) || n <= 0 || uint32_t(n) > TABELLE_PUFFER) return false;
    auto neu = std::make_unique<Tabelle_Datensatz>();
    if (Spielfeld_Speicher_Entpacken(neu.get(), sizeof *neu, puffer.data(), uint32_t(n)) != int32_t(sizeof *neu))
        return false;
    std::memcpy(t, neu.get(), sizeof *t);
    return true;
}

namespace {

// Fetches `anzahl` arrays of max words into the caller's arrays (null ones are skipped).
int32_t statistik_felder(int32_t nr, const char* kopf, const int32_t* werte, int32_t wert_anzahl,
                         int32_t* const* felder, int32_t anzahl, int32_t max)
{
    if (max <= 0) max = 0;
    char format[64];
    int32_t o = std::snprintf(format, sizeof format, "%s", kopf);
    for (int32_t k = 0; k < anzahl; ++k) o += std::snprintf(format + o, sizeof format - size_t(o), "C<%d", max * 4);
    std::snprintf(format + o, sizeof format - size_t(o), "i");
    std::vector<std::vector<uint8_t>> puffer(size_t(anzahl), std::vector<uint8_t>(size_t(max) * 4 + 4));
    std::vector<Internet_Arg> args;
    for (int32_t i = 0; i < wert_anzahl; ++i) args.push_back(Internet_Wert(werte[i]));
    for (int32_t k = 0; k < anzahl; ++k) args.push_back(Internet_Zeiger(puffer[size_t(k)].data(), uint32_t(max) * 4));
    args.push_back(Internet_Wert(max));
    uint8_t fertig = 0;
    int32_t n = Internet_Client_Read(nr, format, nullptr, &fertig, args.data(), int32_t(args.size()));
    if (!(fertig & 1)) return 0;
    n = std::clamp(n, 0, max);
    for (int32_t k = 0; k < anzahl; ++k)
        if (felder[k])
            for (int32_t i = 0; i < n; ++i) felder[k][i] = int32_t(Bytes_Hole32(puffer[size_t(k)].data() + 4 * i));
    return n;
}

}  // namespace

int32_t Statistik_Internet_Client_Tabellen_In_Array(int32_t wettbewerb, int32_t* jahre, int32_t max)
{
    int32_t* const f[] = {jahre};
    return statistik_felder(STATISTIK_TABELLEN_IN_ARRAY, "ii", &wettbewerb, 1, f, 1, max);
}

int32_t Statistik_Internet_Client_Tabellen_Suche_Team(int32_t team, int32_t* jahre, int32_t* wettbewerbe,
                                                      int32_t* plaetze, int32_t* punkte, int32_t* minuspunkte,
                                                      int32_t* tore, int32_t* gegentore, int32_t max)
{
    int32_t* const f[] = {jahre, wettbewerbe, plaetze, punkte, minuspunkte, tore, gegentore};
    return statistik_felder(STATISTIK_TABELLEN_SUCHE_TEAM, "ii", &team, 1, f, 7, max);
}

int32_t Statistik_Internet_Client_Titel_Suchen(int32_t team, int32_t wettbewerb, int32_t* wettbewerbe, int32_t* jahre,
                                               int32_t* a, int32_t* b, int32_t* c, int32_t max)
{
    const int32_t werte[] = {team, wettbewerb};
    int32_t* const f[] = {wettbewerbe, jahre, a, b, c};
    return statistik_felder(STATISTIK_TITEL_SUCHEN, "iii", werte, 2, f, 5, max);
}

// ---- Checksum ----

namespace {

// The club's records as a client's refresh brings them: team, fixed team, links.
std::vector<uint8_t> records_bild(int32_t team)
{
    std::vector<uint8_t> v;
    if (team < 0 || team >= Team_Anzahl) return v;
    if (T) {
        uint8_t b[TEAM_STRUKTUR_BYTES];
        Team_Struktur_Packen(T[team], b);
        // bits 16 and 32 of the status only tell whether the club's manager is connected
        b[0] = uint8_t(b[0] & ~(16 | 32));
        v.insert(v.end(), b, b + sizeof b);
    }
    if (T_Fix) {
        uint8_t b[TEAM_FIX_BYTES];
        Team_Fix_Packen(T_Fix[team], b);
        // bit 4 of the network byte only tells whether this PC has fetched the club's links
        b[24] = uint8_t(b[24] & ~4);
        v.insert(v.end(), b, b + sizeof b);
    }
    std::vector<uint8_t> ts;
    if (Teamspieler_Internet_TS_Block_Packen(&team, 1, &ts)) v.insert(v.end(), ts.begin(), ts.end());
    return v;
}

}  // namespace

void Ablauf_Client_Abzug_Merken()
{
    client_abzug.clear();
    if (Netz_Rolle != 1 || Aktuelles_Team < 0 || Aktuelles_Team >= Team_Anzahl) return;
    client_abzug_team = Aktuelles_Team;
    client_abzug_tag = Kalender_Get_Heute();
    client_abzug = records_bild(Aktuelles_Team);
}

uint32_t Ablauf_Pruefsumme(int32_t team)
{
    uint32_t crc = 0;
    crc_wort(&crc, uint32_t(Kalender_Get_Heute()));
    const std::vector<Ablauf_Tagesspiel>& letzte = Netz_Rolle == 1 ? client_letzter_spieltag : server_letzter_spieltag;
    for (const Ablauf_Tagesspiel& s : letzte) {
        std::vector<uint8_t> v;
        spiel_anhaengen(v, s);
        crc = Disk_Crc32(crc, v.data(), v.size());
    }
    if (team < 0 || team >= Team_Anzahl) return crc;
    // A client's round changes its copies before its turn's end sends them back (the line-up's
    // tactics at the round's start): until then the server holds what the refresh brought.
    const bool abzug = Netz_Rolle == 1 && !client_abzug.empty() && team == client_abzug_team &&
                       client_abzug_tag == Kalender_Get_Heute();
    const std::vector<uint8_t> bild = abzug ? client_abzug : records_bild(team);
    return bild.empty() ? crc : Disk_Crc32(crc, bild.data(), bild.size());
}
