// The bank's savegame blocks and the byte images of its requests.
//
// Bank block, little-endian, in this order (each line one block of the savegame):
//   u8 account data fetched, u8 bookings fetched, u8[3] exchanges fetched
//   4192-byte area: +0 "Bank", +4 u32 generator state, zeros to +28; +28 u8[2] screen state;
//     +30 u8 standard currency; +31 u8 chosen exchange; +32 u32 chosen firm; +36 f32 rocker
//     amount; +40 i32 term; +44 i32 share count; +48 i32 traded league; +52 three 24-byte list
//     heads (zeros); +124 i32[1000] balances; +4124 f32[7] deposit rates; +4152 f32[7] credit
//     rates; +4180 f32 giro, +4184 dispo, +4188 overdraft rate
//   3 x 2212-byte exchange records; f32[3] currency factors
//   the accounts (6024), holdings (16), credits and deposits (20) in the list's saved form
// A reader checks everything before it changes anything.
//
// Requests (every field 4-byte aligned; "list" is u32 length + the list's saved form):
//   1024 in: team;                out: result, list of holdings, f32[3] factors, f32[7] deposit
//        rates, f32[7] credit rates, f32 giro, dispo, overdraft, i32 balance, i32[13] teams of
//        the third exchange
//   1025 in: team, u8 currency;   out: result, list of credits/deposits, i32 limit, i32 taxable
//        profit, i32 last tax, u8 currency
//   1026 in: exchange, team;      out: f32[13] prices, f32[13][30] histories
//   1027 in: team;                out: the 6000-byte ring, u32 index
//   1028 in: f32 amount, f32 rate, giver, taker, months, u8 deposit flag; out: result, amount, rate
//   1029 in: team, count, exchange, firm; out: result
#include <cmath>
#include <cstring>

#include "database/team.h"
#include "economy/auktion.h"
#include "economy/bank.h"
#include "economy/bank_welt.h"
#include "economy/bank_intern.h"
#include "gameflow/globals.h"
#include "platform/string_util.h"
#include "platform/bytes.h"
#include "platform/disk.h"
#include "platform/exit.h"
#include "platform/mem.h"
#include "platform/print.h"

constexpr uint32_t BEREICH = 4192;
constexpr uint32_t KOPF = 5 + BEREICH + BANK_BOERSEN * BOERSE_BYTES + 12;

namespace {

struct Schreiber {
    std::vector<uint8_t>* v;
    void u8(uint8_t x) { v->push_back(x); }
    void u32(uint32_t x)
    {
        uint8_t b[4];
        Bytes_Setze32(b, x);
        v->insert(v->end(), b, b + 4);
    }
    void i32(int32_t x) { u32(uint32_t(x)); }
    void f32(float x)
    {
        uint32_t u;
        std::memcpy(&u, &x, 4);
        u32(u);
    }
    void roh(const void* p, size_t n) { v->insert(v->end(), static_cast<const uint8_t*>(p), static_cast<const uint8_t*>(p) + n); }
    void ausrichten()
    {
        while (v->size() % 4) v->push_back(0);
    }
    void liste(Liste* l, int32_t key)
    {
        uint8_t* form = nullptr;
        const uint32_t n = Liste_Save_Buffer(&form, l, key);
        u32(n);
        if (form) roh(form, n);
        Mem_Free(form, 0);
    }
};

struct Leser {
    const uint8_t* p;
    uint32_t n, pos = 0;
    bool ok = true;
    bool da(uint32_t k)
    {
        if (!ok || n - pos < k || pos > n) ok = false;
        return ok;
    }
    uint8_t u8() { return da(1) ? p[pos++] : 0; }
    uint32_t u32()
    {
        if (!da(4)) return 0;
        const uint32_t x = Bytes_Hole32(p + pos);
        pos += 4;
        return x;
    }
    int32_t i32() { return int32_t(u32()); }
    float f32()
    {
        const uint32_t u = u32();
        float x;
        std::memcpy(&x, &u, 4);
        return x;
    }
    const uint8_t* roh(uint32_t k)
    {
        if (!da(k)) return nullptr;
        pos += k;
        return p + pos - k;
    }
    void ausrichten()
    {
        while (ok && pos % 4) u8();
    }
    // Everything read and nothing left over.
    bool ganz() const { return ok && pos == n; }
};

float f32_bei(const uint8_t* p)
{
    const uint32_t u = Bytes_Hole32(p);
    float x;
    std::memcpy(&x, &u, 4);
    return x;
}
void f32_setzen(uint8_t* p, float x)
{
    uint32_t u;
    std::memcpy(&u, &x, 4);
    Bytes_Setze32(p, u);
}

bool endlich(float x) { return std::isfinite(x); }

// A list's saved form, checked element by element: size of its kind, team in range, fields
// sound. The element walk of the list reader then cannot fail on it.
bool form_pruefen(const uint8_t* form, uint32_t laenge, uint32_t nutz, bool (*feld_ok)(uint32_t key, const uint8_t* daten))
{
    uint32_t pos = 0;
    for (;;) {
        if (laenge - pos < 4 || pos > laenge) return false;
        const uint32_t marke = Bytes_Hole32(form + pos);
        pos += 4;
        if (marke == LISTE_MARKE_ENDE) return pos == laenge;
        if (marke != LISTE_MARKE_ELEMENT || laenge - pos < LISTE_KOPF_BYTES) return false;
        const uint32_t data = Bytes_Hole32(form + pos + 8), key = Bytes_Hole32(form + pos + 12),
                       size = Bytes_Hole32(form + pos + 16);
        pos += LISTE_KOPF_BYTES;
        if (!data || size != nutz + LISTE_KOPF_BYTES || laenge - pos < nutz || key >= uint32_t(BANK_TEAMS)) return false;
        if (!feld_ok(key, form + pos)) return false;
        pos += nutz;
    }
}

bool konto_ok(uint32_t, const uint8_t* d)
{
    Bank_Konto k;
    std::memcpy(&k, d, sizeof k);
    return k.index < uint32_t(BANK_RING) && k.waehrung >= 0 && k.waehrung < BANK_BOERSEN && k.hinterziehung <= 1;
}
bool besitz_ok(uint32_t, const uint8_t* d)
{
    Bank_Aktienbesitz a;
    std::memcpy(&a, d, sizeof a);
    return a.boerse >= 0 && a.boerse < BANK_BOERSEN && a.firma >= 1 && a.firma < BANK_FIRMEN && a.anzahl > 0;
}
bool anlage_ok(uint32_t, const uint8_t* d)
{
    Bank_Anlage a;
    std::memcpy(&a, d, sizeof a);
    return a.betrag != 0 && (a.betrag > 0) == (a.endbetrag > 0) && endlich(a.zins);
}

// Reads one list form into a fresh list of its own; the caller swaps it in.
bool form_laden(Leser& l, uint32_t nutz, bool (*feld_ok)(uint32_t, const uint8_t*), Liste* neu)
{
    const uint32_t laenge = l.u32();
    const uint8_t* form = l.roh(laenge);
    if (!form || !form_pruefen(form, laenge, nutz, feld_ok)) return false;
    return Liste_Load_Buffer(form, laenge, neu);
}

}  // namespace

void Bank_Boerse_Schreiben(const Boerse& b, uint8_t* z)
{
    std::memset(z, 0, BOERSE_BYTES);
    std::memcpy(z, b.name, 30);
    z[30] = b.nummer;
    for (int32_t i = 0; i < BANK_FIRMEN; ++i) {
        std::memcpy(z + 31 + 29 * i, b.firma[i], 29);
        Bytes_Setze16(z + 408 + 2 * i, uint16_t(b.team[i]));
        f32_setzen(z + 436 + 4 * i, b.kurs[i]);
        for (int32_t t = 0; t < 30; ++t) f32_setzen(z + 488 + 120 * i + 4 * t, b.verlauf[i][t]);
        f32_setzen(z + 2048 + 4 * i, b.ziel[i]);
        f32_setzen(z + 2100 + 4 * i, b.drift[i]);
        Bytes_Setze32(z + 2152 + 4 * i, b.zaehler[i]);
    }
    f32_setzen(z + 2204, b.trend);
    Bytes_Setze32(z + 2208, uint32_t(b.index));
}

void Bank_Boerse_Lesen(Boerse* b, const uint8_t* q)
{
    std::memcpy(b->name, q, 30);
    String_Klartext(b->name, sizeof b->name);
    b->nummer = q[30];
    for (int32_t i = 0; i < BANK_FIRMEN; ++i) {
        std::memcpy(b->firma[i], q + 31 + 29 * i, 29);
        String_Klartext(b->firma[i], sizeof b->firma[i]);
        b->team[i] = int16_t(Bytes_Hole16(q + 408 + 2 * i));
        b->kurs[i] = f32_bei(q + 436 + 4 * i);
        for (int32_t t = 0; t < 30; ++t) b->verlauf[i][t] = f32_bei(q + 488 + 120 * i + 4 * t);
        b->ziel[i] = f32_bei(q + 2048 + 4 * i);
        b->drift[i] = f32_bei(q + 2100 + 4 * i);
        b->zaehler[i] = Bytes_Hole32(q + 2152 + 4 * i);
    }
    b->trend = f32_bei(q + 2204);
    b->index = int32_t(Bytes_Hole32(q + 2208));
}

static bool boerse_ok(const Boerse& b, int32_t e)
{
    if (b.nummer != e || !endlich(b.trend)) return false;
    for (int32_t i = 0; i < BANK_FIRMEN; ++i) {
        if (b.team[i] < -1 || b.team[i] >= BANK_TEAMS || b.zaehler[i] > 1000) return false;
        if (!endlich(b.kurs[i]) || !endlich(b.ziel[i]) || !endlich(b.drift[i])) return false;
        for (float v : b.verlauf[i])
            if (!endlich(v)) return false;
    }
    return true;
}

// The older layout: 30-byte firm names and byte team numbers behind them.
static void boerse_alt_wandeln(uint8_t* z, const uint8_t* alt)
{
    std::memcpy(z, alt, BOERSE_BYTES);
    for (int32_t i = 0; i < BANK_FIRMEN; ++i) {
        std::memcpy(z + 31 + 29 * i, alt + 31 + 30 * i, 28);
        z[31 + 29 * i + 28] = 0;
    }
    for (int32_t i = 0; i < BANK_FIRMEN; ++i) Bytes_Setze16(z + 408 + 2 * i, uint16_t(int16_t(int8_t(alt[421 + i]))));
    z[434] = z[435] = 0;
}

static bool alte_version(const char* v)
{
    return v && std::strlen(v) >= 4 && v[0] <= '2' && v[2] <= '0' && v[3] <= '0';
}

std::vector<uint8_t> Bank_Block_Bauen()
{
    std::vector<uint8_t> bild;
    Schreiber s{&bild};
    s.u8(Bank.client_konto);
    s.u8(Bank.client_buchungen);
    s.roh(Bank.client_boerse, 3);
    std::vector<uint8_t> bereich(BEREICH, 0);
    uint8_t* b = bereich.data();
    std::memcpy(b, "Bank", 4);
    Bytes_Setze32(b + 4, Bank.zufall);
    b[28] = Bank.schirm[0];
    b[29] = Bank.schirm[1];
    b[30] = Bank_Standard_Waehrung;
    b[31] = Bank.boerse_wahl;
    Bytes_Setze32(b + 32, Bank.firma_wahl);
    f32_setzen(b + 36, Bank_Wippe_Betrag);
    Bytes_Setze32(b + 40, uint32_t(Bank_Wippe_Laufzeit));
    Bytes_Setze32(b + 44, uint32_t(Bank_Aktien_Anzahl));
    Bytes_Setze32(b + 48, uint32_t(Bank_Liga_Wettbewerb));
    for (int32_t t = 0; t < BANK_TEAMS; ++t) Bytes_Setze32(b + 124 + 4 * t, uint32_t(Bank.kontostand[t]));
    for (int32_t t = 0; t < BANK_LAUFZEITEN; ++t) {
        f32_setzen(b + 4124 + 4 * t, Bank_Anlage_Zins[t]);
        f32_setzen(b + 4152 + 4 * t, Bank_Kredit_Zins[t]);
    }
    f32_setzen(b + 4180, Bank_Giro_Zins);
    f32_setzen(b + 4184, Bank_Dispo_Zins);
    f32_setzen(b + 4188, Bank_Ueberzieh_Zins);
    s.roh(b, BEREICH);
    uint8_t boerse[BOERSE_BYTES];
    for (const Boerse& x : Bank_Boerse) {
        Bank_Boerse_Schreiben(x, boerse);
        s.roh(boerse, BOERSE_BYTES);
    }
    for (float f : Bank_Waehrungsfaktor) s.f32(f);
    // the lists follow without length words: each form ends with its own marker
    for (Liste* l : {&Bank.konten, &Bank.aktien, &Bank.anlagen}) {
        uint8_t* form = nullptr;
        const uint32_t n = Liste_Save_Buffer(&form, l, -1);
        if (form) s.roh(form, n);
        Mem_Free(form, 0);
    }
    {
        uint8_t welt[BANK_WELT_BYTES];
        Bank_Welt_Schreiben(welt);
        s.roh(welt, BANK_WELT_BYTES);
    }
    return bild;
}

// Length of the list form that starts at p, 0 when there is none.
static uint32_t form_laenge(const uint8_t* p, uint32_t n)
{
    uint32_t pos = 0;
    while (n - pos >= 4 && pos <= n) {
        const uint32_t marke = Bytes_Hole32(p + pos);
        pos += 4;
        if (marke == LISTE_MARKE_ENDE) return pos;
        if (marke != LISTE_MARKE_ELEMENT || n - pos < LISTE_KOPF_BYTES) return 0;
        const uint32_t size = Bytes_Hole32(p + pos + 16);
        pos += LISTE_KOPF_BYTES;
        if (size < LISTE_KOPF_BYTES || n - pos < size - LISTE_KOPF_BYTES) return 0;
        pos += size - LISTE_KOPF_BYTES;
    }
    return 0;
}

bool Bank_Block_Lesen(const uint8_t* daten, uint32_t laenge, const char* version)
{
    auto abweisen = [](const char* grund) {
        Print_Fehler("Bank_Laden: Block abgewiesen (%s)", grund);
        return false;
    };
    if (!daten || laenge < KOPF) return abweisen("zu kurz");
    const uint8_t* b = daten + 5;
    if (std::memcmp(b, "Bank", 4) != 0) return abweisen("Kennung");
    for (int i = 8; i < 28; ++i)
        if (b[i]) return abweisen("Kennung");
    if (b[30] >= BANK_BOERSEN || b[31] >= BANK_BOERSEN) return abweisen("Währung");
    for (int32_t t = 0; t < BANK_TEAMS; ++t) {
        const int32_t k = int32_t(Bytes_Hole32(b + 124 + 4 * t));
        if (k > BANK_GRENZE || k < -BANK_GRENZE) return abweisen("Kontostand");
    }
    for (uint32_t o = 4124; o < BEREICH; o += 4)
        if (!endlich(f32_bei(b + o))) return abweisen("Zinsen");
    if (!endlich(f32_bei(b + 36))) return abweisen("Betrag");
    Boerse boersen[BANK_BOERSEN];
    const uint8_t* q = b + BEREICH;
    for (int32_t e = 0; e < BANK_BOERSEN; ++e, q += BOERSE_BYTES) {
        uint8_t neu[BOERSE_BYTES];
        if (alte_version(version)) boerse_alt_wandeln(neu, q);
        else std::memcpy(neu, q, BOERSE_BYTES);
        Bank_Boerse_Lesen(&boersen[e], neu);
        if (!boerse_ok(boersen[e], e)) return abweisen("Börse");
    }
    float faktor[BANK_BOERSEN];
    for (int32_t e = 0; e < BANK_BOERSEN; ++e, q += 4) {
        faktor[e] = f32_bei(q);
        if (!endlich(faktor[e]) || faktor[e] <= 0) return abweisen("Faktor");
    }
    // the three lists, each checked before any is built
    const uint8_t* formen[3];
    uint32_t laengen[3];
    static const uint32_t NUTZ[3] = {sizeof(Bank_Konto), sizeof(Bank_Aktienbesitz), sizeof(Bank_Anlage)};
    static bool (*const OK[3])(uint32_t, const uint8_t*) = {konto_ok, besitz_ok, anlage_ok};
    uint32_t pos = uint32_t(q - daten);
    for (int i = 0; i < 3; ++i) {
        laengen[i] = form_laenge(daten + pos, laenge - pos);
        formen[i] = daten + pos;
        if (!laengen[i] || !form_pruefen(formen[i], laengen[i], NUTZ[i], OK[i])) return abweisen("Liste");
        pos += laengen[i];
    }
    // the world's money by category follows the lists; a savegame without it starts from zero
    const bool welt = laenge - pos == BANK_WELT_BYTES;
    if (pos != laenge && !welt) return abweisen("Daten hinter den Listen");
    if (welt && !Bank_Welt_Lesen(daten + pos, BANK_WELT_BYTES)) return abweisen("Weltsummen");
    if (!welt) Bank_Welt_Leeren();
    bool doppelt[BANK_TEAMS] = {};
    for (uint32_t p = 0; p + 4 < laengen[0]; p += 4 + LISTE_KOPF_BYTES + NUTZ[0]) {
        const uint32_t key = Bytes_Hole32(formen[0] + p + 16);
        if (doppelt[key]) return abweisen("Konto doppelt");
        doppelt[key] = true;
    }
    Liste neu[3] = {};
    bool ok = true;
    for (int i = 0; i < 3; ++i) {
        Liste_Init(&neu[i]);
        ok = ok && Liste_Load_Buffer(formen[i], laengen[i], &neu[i]);
    }
    if (!ok) {
        for (Liste& l : neu) Liste_Delete_All(&l);
        return abweisen("Speicher");
    }
    // from here on nothing fails
    // a load draws nothing: the lists are made ready without Bank_Init's trends
    if (!Bank.initialisiert) {
        for (Liste* l : {&Bank.konten, &Bank.aktien, &Bank.anlagen}) Liste_Init(l);
        Bank.initialisiert = true;
    }
    Liste* alt[3] = {&Bank.konten, &Bank.aktien, &Bank.anlagen};
    for (int i = 0; i < 3; ++i) {
        Liste_Tauschen(alt[i], &neu[i]);
        Liste_Delete_All(&neu[i]);
    }
    Bank_Konten_Indizieren();
    Bank.client_konto = daten[0];
    Bank.client_buchungen = daten[1];
    std::memcpy(Bank.client_boerse, daten + 2, 3);
    Bank.zufall = Bytes_Hole32(b + 4);
    Bank.schirm[0] = b[28];
    Bank.schirm[1] = b[29];
    Bank_Standard_Waehrung = b[30];
    Bank.boerse_wahl = b[31];
    Bank.firma_wahl = Bytes_Hole32(b + 32);
    Bank_Wippe_Betrag = f32_bei(b + 36);
    Bank_Wippe_Laufzeit = int32_t(Bytes_Hole32(b + 40));
    Bank_Aktien_Anzahl = int32_t(Bytes_Hole32(b + 44));
    Bank_Liga_Wettbewerb = int32_t(Bytes_Hole32(b + 48));
    for (int32_t t = 0; t < BANK_TEAMS; ++t) Bank.kontostand[t] = int32_t(Bytes_Hole32(b + 124 + 4 * t));
    for (int32_t t = 0; t < BANK_LAUFZEITEN; ++t) {
        Bank_Anlage_Zins[t] = f32_bei(b + 4124 + 4 * t);
        Bank_Kredit_Zins[t] = f32_bei(b + 4152 + 4 * t);
    }
    Bank_Giro_Zins = f32_bei(b + 4180);
    Bank_Dispo_Zins = f32_bei(b + 4184);
    Bank_Ueberzieh_Zins = f32_bei(b + 4188);
    std::memcpy(Bank_Boerse, boersen, sizeof boersen);
    std::memcpy(Bank_Waehrungsfaktor, faktor, sizeof faktor);
    return true;
}

bool Bank_Speichern(Disk_Datei* datei)
{
    const std::vector<uint8_t> bild = Bank_Block_Bauen();
    // the same bytes, cut into the blocks the savegame lists: flags, area, exchanges, factors,
    // then per list element its marker, header and payload
    static const uint32_t STUECKE[] = {1, 1, 3, BEREICH, BANK_BOERSEN * BOERSE_BYTES, 12};
    uint32_t pos = 0;
    for (uint32_t n : STUECKE) {
        if (!Disk_Schreibe_Block(datei, bild.data() + pos, n)) return false;
        pos += n;
    }
    const size_t listen_ende = bild.size() - BANK_WELT_BYTES;
    while (pos + 4 <= listen_ende) {
        if (Bytes_Hole32(bild.data() + pos) == LISTE_MARKE_ENDE) {
            if (!Disk_Schreibe_Block(datei, bild.data() + pos, 4)) return false;
            pos += 4;
            continue;
        }
        const uint32_t nutz = Bytes_Hole32(bild.data() + pos + 20) - LISTE_KOPF_BYTES;
        if (!Disk_Schreibe_Block(datei, bild.data() + pos, 4) ||
            !Disk_Schreibe_Block(datei, bild.data() + pos + 4, LISTE_KOPF_BYTES) ||
            (nutz && !Disk_Schreibe_Block(datei, bild.data() + pos + 4 + LISTE_KOPF_BYTES, nutz)))
            return false;
        pos += 4 + LISTE_KOPF_BYTES + nutz;
    }
    return Disk_Schreibe_Block(datei, bild.data() + listen_ende, BANK_WELT_BYTES);
}

bool Bank_Laden(Disk_Datei* datei, const char* version)
{
    std::vector<uint8_t> bild;
    uint32_t n = 0;
    // bounded by the savegame's own area, which the container has checked already
    while (Disk_Naechste_Blocklaenge(datei, &n)) {
        const size_t alt = bild.size();
        bild.resize(alt + n);
        if (!Disk_Lese_Block(datei, bild.data() + alt, n)) return false;
    }
    if (bild.size() > 0xFFFFFFFFu || !Bank_Block_Lesen(bild.data(), uint32_t(bild.size()), version)) {
        Disk_Block_Ablehnen(datei);
        return false;
    }
    return true;
}

// The credit screens' four icon images: kept as bytes until the screens land.
static uint8_t kredit_block[BANK_KREDIT_BLOCK_BYTES];

std::vector<uint8_t> Bank_Kredit_Block_Bauen() { return std::vector<uint8_t>(kredit_block, kredit_block + sizeof kredit_block); }

bool Bank_Kredit_Block_Lesen(const uint8_t* daten, uint32_t laenge)
{
    if (!daten || laenge != BANK_KREDIT_BLOCK_BYTES) {
        Print_Fehler("Bank_Kredit_Laden: Block hat %u statt %u Bytes", laenge, BANK_KREDIT_BLOCK_BYTES);
        return false;
    }
    std::memcpy(kredit_block, daten, laenge);
    return true;
}

bool Bank_Kredit_Speichern(Disk_Datei* datei) { return Disk_Schreibe_Block(datei, kredit_block, sizeof kredit_block); }

bool Bank_Kredit_Laden(Disk_Datei* datei, const char*)
{
    uint8_t b[BANK_KREDIT_BLOCK_BYTES];
    return Disk_Lese_Block_Genau(datei, b, sizeof b, nullptr) && Bank_Kredit_Block_Lesen(b, sizeof b);
}

void Bank_Module_Registrieren()
{
    Disk_Block_Registrieren(DISK_POS_BANK, Bank_Speichern, Bank_Laden);
    Disk_Block_Registrieren(DISK_POS_KREDITSCHIRME, Bank_Kredit_Speichern, Bank_Kredit_Laden);
    Auktion_Module_Registrieren();
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_BANK, Bank_DeInit);
}

// ---- Requests ----

static Bank_Fernaufruf fernaufruf = nullptr;
void Bank_Set_Fernaufruf(Bank_Fernaufruf aufruf) { fernaufruf = aufruf; }

static int32_t senden(int32_t anfrage, std::vector<uint8_t>* block) { return fernaufruf ? fernaufruf(anfrage, block) : 0; }

static bool team_ist_aufrufer(int32_t team) { return team >= 0 && uint32_t(team) == Handelndes_Team; }

static int32_t server_anfrage(int32_t anfrage, Leser& l, Schreiber& s)
{
    switch (anfrage) {
    case BANK_GET_DATEN_1: {
        const int32_t team = l.i32();
        if (!l.ganz() || !team_ist_aufrufer(team)) return 0;
        const size_t anfang = s.v->size();
        s.liste(&Bank.aktien, team);
        const int32_t bytes = int32_t(Bytes_Hole32(s.v->data() + anfang));
        for (float f : Bank_Waehrungsfaktor) s.f32(f);
        for (float f : Bank_Anlage_Zins) s.f32(f);
        for (float f : Bank_Kredit_Zins) s.f32(f);
        s.f32(Bank_Giro_Zins);
        s.f32(Bank_Dispo_Zins);
        s.f32(Bank_Ueberzieh_Zins);
        s.i32(Bank_Get_Kontostand(team, 0, -1));
        for (int16_t t : Bank_Boerse[2].team) s.i32(t);
        return bytes;
    }
    case BANK_GET_DATEN_2: {
        const int32_t team = l.i32();
        l.u8();
        // The client pads its currency byte to the word.
        l.ausrichten();
        if (!l.ganz() || !team_ist_aufrufer(team)) return 0;
        const size_t anfang = s.v->size();
        s.liste(&Bank.anlagen, team);
        const int32_t bytes = int32_t(Bytes_Hole32(s.v->data() + anfang));
        const Bank_Konto* k = Bank_Get_Konto(team);
        s.i32(k ? k->kreditlinie : 0);
        s.i32(k ? k->steuergewinn : 0);
        s.i32(k ? k->letzte_steuer : 0);
        s.u8(uint8_t(k ? k->waehrung : Bank_Standard_Waehrung));
        s.ausrichten();
        return bytes;
    }
    case BANK_GET_BOERSE: {
        const int32_t e = l.i32(), team = l.i32();
        if (!l.ganz() || !team_ist_aufrufer(team) || e < 0 || e >= BANK_BOERSEN) return 0;
        for (float f : Bank_Boerse[e].kurs) s.f32(f);
        for (const auto& v : Bank_Boerse[e].verlauf)
            for (float f : v) s.f32(f);
        return 1;
    }
    case BANK_GET_BUCHUNG: {
        const int32_t team = l.i32();
        if (!l.ganz() || !team_ist_aufrufer(team)) return 0;
        static const Bank_Konto leer{};
        const Bank_Konto* k = Bank_Get_Konto(team);
        if (!k) k = &leer;
        for (const Buchung& b : k->buchung) {
            s.i32(b.betrag);
            s.u32(b.tag);
            s.u8(b.kategorie);
            s.u8(0);
            s.u8(0);
            s.u8(0);
        }
        s.u32(k->index);
        return 1;
    }
    case BANK_ANLAGEN_TRANSFER: {
        float betrag = l.f32(), zins = l.f32();
        const int32_t geber = l.i32(), nehmer = l.i32(), monate = l.i32();
        const uint8_t art = l.u8();
        l.ausrichten();
        const int32_t h = int32_t(Handelndes_Team);
        const bool kredit = art == 0 && geber == -1 && nehmer == h;
        const bool anlage = art == 1 && geber == h && nehmer == -1;
        if (!l.ganz() || h < 0 || !(kredit || anlage) || monate < 1 || monate > 48 || !endlich(betrag) || betrag <= 0 ||
            !endlich(zins) || (zins < 0 && zins != -1.0f) || zins > 100) {
            Print_Fehler("Bank: Anfrage %d von Team %d abgewiesen", anfrage, h);
            return 0;
        }
        // The rate is the bank's for the term, whatever the client names.
        const int32_t ti = Bank_Laufzeit_Index(monate);
        zins = kredit ? Bank_Kredit_Zins[ti] : Bank_Anlage_Zins[ti];
        const int32_t r = Bank_Betrag_Anlegen(geber, nehmer, betrag, monate, art, zins) ? 1 : 0;
        s.f32(r ? betrag : Bank_Wippe_Betrag);
        s.f32(zins);
        return r;
    }
    case BANK_AKTIEN_TRANSFER: {
        const int32_t team = l.i32(), anzahl = l.i32(), e = l.i32(), firma = l.i32();
        if (!l.ganz() || !team_ist_aufrufer(team) || anzahl == 0 || e < 0 || e >= BANK_BOERSEN ||
            anzahl > Bank_Aktien_Limit[e] || anzahl < -Bank_Aktien_Limit[e]) {
            Print_Fehler("Bank: Anfrage %d von Team %d abgewiesen", anfrage, int32_t(Handelndes_Team));
            return 0;
        }
        return Bank_Aktien_Handel(team, anzahl, e, firma) ? 1 : 0;
    }
    default:
        return 0;
    }
}

int32_t Bank_Server_Anfrage(int32_t anfrage, const uint8_t* daten, uint32_t laenge, std::vector<uint8_t>* antwort)
{
    if (!antwort) return 0;
    antwort->clear();
    if (!daten || Bank_Ist_Client() || !Bank_Init_Check()) return 0;
    Leser l{daten, laenge};
    std::vector<uint8_t> bild;
    Schreiber s{&bild};
    Bank.stumm = true;
    const int32_t r = server_anfrage(anfrage, l, s);
    Bank.stumm = false;
    if (l.ok && l.pos == laenge) *antwort = std::move(bild);
    return l.ok && l.pos == laenge ? r : 0;
}

// ---- Client side ----

int32_t Bank_Client_Aktien_Transfer(int32_t team, int32_t anzahl, int32_t boerse, int32_t firma)
{
    std::vector<uint8_t> block;
    Schreiber s{&block};
    s.i32(team);
    s.i32(anzahl);
    s.i32(boerse);
    s.i32(firma);
    const int32_t r = senden(BANK_AKTIEN_TRANSFER, &block);
    if (r == 1) Bank_Client_Kurse_Holen(team);
    return r;
}

static void anlagen_holen(int32_t team)
{
    const Bank_Konto* vorher = Bank_Get_Konto(team);
    if (!vorher) return;
    std::vector<uint8_t> block;
    Schreiber s{&block};
    s.i32(team);
    s.u8(uint8_t(vorher->waehrung));
    s.ausrichten();
    senden(BANK_GET_DATEN_2, &block);
    // the wait for the reply serves the message loop: the record is looked up afresh
    Bank_Konto* k = Bank_Get_Konto(team);
    if (!k) return;
    Leser l{block.data(), uint32_t(block.size())};
    Liste neu{};
    Liste_Init(&neu);
    if (!form_laden(l, sizeof(Bank_Anlage), anlage_ok, &neu)) {
        Liste_Delete_All(&neu);
        return;
    }
    const int32_t linie = l.i32(), gewinn = l.i32(), steuer = l.i32();
    const uint8_t w = l.u8();
    if (!l.ok || w >= BANK_BOERSEN) {
        Liste_Delete_All(&neu);
        return;
    }
    k->kreditlinie = linie;
    k->steuergewinn = gewinn;
    k->letzte_steuer = steuer;
    k->waehrung = int8_t(w);
    // the client's list holds only this club's records, keyed by it
    for (Liste_Element* e = neu.next; e; e = e->next) e->key = uint32_t(team);
    Liste_Tauschen(&Bank.anlagen, &neu);
    Liste_Delete_All(&neu);
}

int32_t Bank_Client_Anlagen_Transfer(int32_t geber, int32_t nehmer, float* betrag, int32_t monate, int32_t art,
                                     float* zins)
{
    if (!betrag || !zins) return 0;
    std::vector<uint8_t> block;
    Schreiber s{&block};
    s.f32(*betrag);
    s.f32(*zins);
    s.i32(geber);
    s.i32(nehmer);
    s.i32(monate);
    s.u8(uint8_t(art));
    s.ausrichten();
    const int32_t r = senden(BANK_ANLAGEN_TRANSFER, &block);
    Leser l{block.data(), uint32_t(block.size())};
    const float b = l.f32(), z = l.f32();
    if (l.ok && endlich(b) && endlich(z)) {
        *betrag = b;
        *zins = z;
        if (r == 0) Bank_Wippe_Betrag = b;
    }
    if (r == 1) {
        if (Aktuelles_Team >= 0 && Bank_Get_Konto(Aktuelles_Team)) anlagen_holen(Aktuelles_Team);
        Bank_Client_Kurse_Holen(Aktuelles_Team);
    }
    return r;
}

// Fetches 1024: the holdings (when `besitz`), the rates and the clubs of the third exchange.
static void kurse_holen(int32_t team, bool besitz)
{
    std::vector<uint8_t> block;
    Schreiber s{&block};
    s.i32(team);
    senden(BANK_GET_DATEN_1, &block);
    Leser l{block.data(), uint32_t(block.size())};
    Liste neu{};
    Liste_Init(&neu);
    bool ok = form_laden(l, sizeof(Bank_Aktienbesitz), besitz_ok, &neu);
    float werte[3 + 7 + 7 + 3];
    for (float& f : werte) {
        f = l.f32();
        ok = ok && endlich(f);
    }
    // The currencies' factors divide amounts, as a savegame's do.
    for (int32_t e = 0; e < BANK_BOERSEN; ++e) ok = ok && werte[e] > 0;
    const int32_t stand = l.i32();
    int32_t teams[BANK_FIRMEN];
    for (int32_t& t : teams) {
        t = l.i32();
        ok = ok && t >= -1 && t < BANK_TEAMS;
    }
    if (!ok || !l.ok || stand > BANK_GRENZE || stand < -BANK_GRENZE) {
        Liste_Delete_All(&neu);
        return;
    }
    if (besitz) {
        for (Liste_Element* e = neu.next; e; e = e->next) e->key = uint32_t(team);
        Liste_Tauschen(&Bank.aktien, &neu);
    }
    Liste_Delete_All(&neu);
    std::memcpy(Bank_Waehrungsfaktor, werte, 12);
    std::memcpy(Bank_Anlage_Zins, werte + 3, 28);
    std::memcpy(Bank_Kredit_Zins, werte + 10, 28);
    Bank_Giro_Zins = werte[17];
    Bank_Dispo_Zins = werte[18];
    Bank_Ueberzieh_Zins = werte[19];
    if (team >= 0 && team < BANK_TEAMS) Bank.kontostand[team] = stand;
    for (int32_t k = 0; k < BANK_FIRMEN; ++k) {
        Boerse& b = Bank_Boerse[2];
        b.team[k] = int16_t(teams[k]);
        if (teams[k] < 0 || teams[k] >= Team_Anzahl) b.firma[k][0] = 0;
        else std::snprintf(b.firma[k], 29, "%s", Team_String(150, teams[k], nullptr, 0));
    }
}

void Bank_Client_Kurse_Holen(int32_t team)
{
    if (Bank_Ist_Client()) kurse_holen(team, true);
}

void Bank_Client_Refresh(int32_t team)
{
    Bank.client_konto = Bank.client_buchungen = 0;
    std::memset(Bank.client_boerse, 0, sizeof Bank.client_boerse);
    if (Bank_Ist_Client() && Bank_Init_Check()) {
        Liste_Init(&Bank.aktien);
        kurse_holen(team, true);
        // A client reads no savegame of the server's: its own club's account is made here, and
        // the server's figures fill it (the ring when a page asks for it).
        if (!Bank_Get_Konto(team) && team_ist_aufrufer(team)) Bank_Konto_Einrichten(team, -1, int8_t(Bank_Standard_Waehrung));
        if (Bank_Get_Konto(team)) anlagen_holen(team);
    }
    Bank.client_konto = 1;
}

void Bank_Client_Init(int32_t team) { Bank_Client_Refresh(team); }

void Bank_Client_Boerse_Holen(int32_t team, int32_t boerse)
{
    if (!Bank_Ist_Client() || boerse < 0 || boerse >= BANK_BOERSEN || Bank.client_boerse[boerse]) return;
    std::vector<uint8_t> block;
    Schreiber s{&block};
    s.i32(boerse);
    s.i32(team);
    senden(BANK_GET_BOERSE, &block);
    Leser l{block.data(), uint32_t(block.size())};
    float werte[BANK_FIRMEN * 31];
    bool ok = true;
    for (float& f : werte) {
        f = l.f32();
        ok = ok && endlich(f);
    }
    if (!ok || !l.ok) return;
    Boerse& b = Bank_Boerse[boerse];
    std::memcpy(b.kurs, werte, sizeof b.kurs);
    std::memcpy(b.verlauf, werte + BANK_FIRMEN, sizeof b.verlauf);
    // The reply carries no index: the history's newest prices are those the server's index sums.
    b.index = Bank_Boerse_Index(boerse);
    Bank.client_boerse[boerse] = 1;
}

void Bank_Client_Boersen_Holen(int32_t team)
{
    Bank_Client_Boerse_Holen(team, Bank_Standard_Waehrung);
    void* cursor = nullptr;
    while (const Bank_Aktienbesitz* a = Bank_Naechster_Aktienbesitz(team, &cursor, -1, -1))
        Bank_Client_Boerse_Holen(team, a->boerse);
}

void Bank_Client_Buchungen_Holen(int32_t team)
{
    if (!Bank_Ist_Client() || team != Aktuelles_Team || Bank.client_buchungen || !Bank_Get_Konto(team)) return;
    std::vector<uint8_t> block;
    Schreiber s{&block};
    s.i32(team);
    senden(BANK_GET_BUCHUNG, &block);
    Bank_Konto* k = Bank_Get_Konto(team);
    if (!k || block.size() != BANK_RING * 12 + 4) return;
    const uint32_t index = Bytes_Hole32(block.data() + BANK_RING * 12);
    if (index >= uint32_t(BANK_RING)) return;
    for (int32_t i = 0; i < BANK_RING; ++i) {
        const uint8_t* p = block.data() + 12 * i;
        k->buchung[i] = {int32_t(Bytes_Hole32(p)), Bytes_Hole32(p + 4), p[8], {}};
    }
    k->index = index;
    Bank.client_buchungen = 1;
}
