// The competition records for a remote client, which reads no configuration file: the whole set
// once at the start (request 1004), the changing state of every record in use at the start and
// whenever the client refreshes (request 1005). Both travel as one run-length packed byte stream.
//
// Full form of a record (little-endian), record after record 0..127:
//   u8 name length + 1, the name with its zero; a free record ends here (1, 0). Then
//   u8 group-name length + 1, the group name with its zero, i32 TEAMS, u32 MODUS,
//   TEAMS bytes (zeros), the main block (28 x i32), u32 count L of the place-target lists up to
//   the last one holding a target (at least those read from the file), per list u8 n and n x i32
//   targets of places 0..n-1 (n = last place below TEAMS with a target + 1), block 2 (3 x i32),
//   block 3 (22 x i32), extras (3 x i32), TEAMS x i16 current teams, start count x i16 start
//   teams, the 20-byte flag block, the pairing bytes (slot pairs as the set-up recorded them:
//   2 x games, at least the recorded count, at most the list's room), SPIELTAGE x i32 round texts.
// The fields of the fixed blocks are pinned in the tables below; 0 pads a block. SPIELTAGE below
// 0 counts as 0 for every size.
// Identification, AUFFUELL_MIT_TEAMS, QUALI_LAND and WEITERKOMM_ANZ stay on the server.
//
// Short form, per record in use: i32 current match day, SPIELTAGE, ANZ_QUALI_AUS_LIGABAUM,
// fixture block, current leg, SIEGER, 0, start count n, n x i16 start teams, i8 pending rule
// switch, u8 switch 5.
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_intern.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "match/spielfeld.h"
#include "network/internet_read.h"
#include "platform/bytes.h"
#include "platform/mem.h"
#include "platform/print.h"

namespace {

using W = Wettbewerb_Datensatz;
constexpr int32_t HAUPT = 28, BLOCK_2 = 3, BLOCK_3 = 22, EXTRAS = 3, FLAGGEN = 20;
// A stream larger than every possible set of records is damaged.
constexpr uint32_t STROM_MAX = 4u << 20;

int32_t* m(uint32_t& v) { return reinterpret_cast<int32_t*>(&v); }

// The pinned field order of the fixed blocks; null pads.
struct Bloecke {
    int32_t* haupt[HAUPT];
    int32_t* b2[BLOCK_2];
    int32_t* b3[BLOCK_3];
    int32_t* extras[EXTRAS];
};
Bloecke bloecke(W& w)
{
    return {{&w.spiele_block, m(w.modus), &w.vk.v[0], &w.vk.v[1], &w.vk.v[2], &w.vk.v[3], &w.vk.v[4], &w.vk.v[5],
             &w.vk.v[6], &w.vk.v[7], &w.super_art, &w.wochentag, &w.quote_wochentag, &w.startwoche, &w.endwoche,
             &w.spielfrei_start, &w.spielfrei_ende, &w.teams, &w.sieg_praemie, &w.unentschieden_praemie,
             &w.antritts_praemie, &w.listen.anzahl, &w.spieltage, &w.spieltag, &w.runde, &w.anz_parallel_gruppen,
             nullptr, nullptr},
            {&w.qualiwoche, &w.wechsel_in, nullptr},
            {&w.best_of_x, &w.sieger, &w.listen.start_anzahl, &w.halbzeit_laenge, &w.halbzeit_laenge_verl,
             &w.anz_halbzeiten, &w.anz_halbzeiten_verl, &w.alle_x_jahre, &w.startjahr, &w.land, &w.ziele.anzahl,
             &w.wer_gegen_wen_anz, &w.ausrichter, &w.ausrichter_stadion, &w.grafik_nummer, &w.audio_nummer,
             &w.wichtig, nullptr, nullptr, nullptr, nullptr, &w.id},
            {&w.anz_quali_aus_ligabaum, nullptr, &w.besitzer}};
}
static_assert(sizeof(Bloecke::haupt) / sizeof(int32_t*) * 4 == 112 && sizeof(Bloecke::b3) / sizeof(int32_t*) * 4 == 88);

// The flag block's bytes: i16 yellow-card rules and calendar position, the eight yes/no bytes,
// the five switches, the pending rule switch.
uint8_t* ja_flaggen(W& w, int32_t i)
{
    uint8_t* f[] = {&w.pokal_praemie,         &w.basisliga,    &w.amateur_liga, &w.qualifikanten_mischen,
                    &w.quali_zu_saisonstart, &w.mehrmals_pro_jahr, &w.golden_goal, &w.rueckspiel_nach_zwei_wochen};
    return f[i];
}

int32_t tage(const W& w) { return std::clamp(w.spieltage, 0, WETTBEWERB_MAX_SPIELTAGE); }
int32_t teams(const W& w) { return std::clamp(w.teams, 0, WETTBEWERB_MAX_TEAMS); }

// Games of the pairing table: BEST_OF_X x match days x pairs per day, the pairs halving each day
// in a knock-out as its fixture block does.
int64_t spiele_anzahl(const W& w)
{
    const int64_t beine = std::max(1, w.best_of_x);
    int64_t summe = 0;
    for (int32_t t = 0; t < tage(w); ++t)
        summe += (w.modus & KO_SYSTEM) ? Spiele_KO_Paare(teams(w), t) : (teams(w) + 1) / 2;
    return beine * summe;
}
int32_t paar_bytes(const W& w)
{
    const int64_t n = std::max<int64_t>(2 * spiele_anzahl(w), w.wer_gegen_wen_anz);
    return int32_t(std::clamp<int64_t>(n, 0, WETTBEWERB_WER_GEGEN_WEN_MAX));
}

int32_t ziel_laenge(const W& w, int32_t liste)
{
    for (int32_t p = teams(w); p-- > 0;)
        if (w.ziele.ziel[liste][p] != -1) return p + 1;
    return 0;
}

struct Schreiber {
    std::vector<uint8_t>& v;
    void u8(uint32_t x) { v.push_back(uint8_t(x)); }
    void i16(int32_t x) { u8(uint32_t(x)), u8(uint32_t(x) >> 8); }
    void i32(int32_t x)
    {
        for (int k = 0; k < 4; ++k) u8(uint32_t(x) >> (8 * k));
    }
    void text(const char* t, size_t max)
    {
        const size_t n = strnlen(t, max - 1);
        u8(uint32_t(n + 1));
        v.insert(v.end(), t, t + n);
        u8(0);
    }
    template <size_t N> void block(int32_t* const (&f)[N])
    {
        for (int32_t* p : f) i32(p ? *p : 0);
    }
};

struct Leser {
    const uint8_t* d;
    size_t n, pos = 0;
    bool ok = true;
    bool da(size_t k)
    {
        ok = ok && pos + k <= n;
        return ok;
    }
    uint32_t u8() { return da(1) ? d[pos++] : 0; }
    int32_t i16()
    {
        if (!da(2)) return 0;
        const int16_t x = int16_t(d[pos] | d[pos + 1] << 8);
        pos += 2;
        return x;
    }
    int32_t i32()
    {
        if (!da(4)) return 0;
        const int32_t x = int32_t(Bytes_Hole32(d + pos));
        pos += 4;
        return x;
    }
    void text(char* t, size_t max)
    {
        const uint32_t laenge = u8();
        if (laenge < 1 || laenge > max || !da(laenge) || d[pos + laenge - 1] != 0) {
            ok = false;
            return;
        }
        std::memset(t, 0, max);
        std::memcpy(t, d + pos, laenge);
        pos += laenge;
    }
    template <size_t N> void block(int32_t* const (&f)[N])
    {
        for (int32_t* p : f) {
            const int32_t x = i32();
            if (p) *p = x;
        }
    }
};

void voll_schreiben(W& w, Schreiber& s)
{
    s.text(w.name, sizeof w.name);
    if (!wb_benutzt(w)) return;
    s.text(w.gruppen_name, sizeof w.gruppen_name);
    s.i32(w.teams);
    s.i32(int32_t(w.modus));
    s.v.insert(s.v.end(), size_t(teams(w)), 0);
    const Bloecke b = bloecke(w);
    s.block(b.haupt);
    int32_t listen = std::clamp(w.ziele.anzahl, 0, WETTBEWERB_ZIEL_LISTEN);
    for (int32_t l = listen; l < WETTBEWERB_ZIEL_LISTEN; ++l)
        if (ziel_laenge(w, l)) listen = l + 1;
    s.i32(listen);
    for (int32_t l = 0; l < listen; ++l) {
        const int32_t n = ziel_laenge(w, l);
        s.u8(uint32_t(n));
        for (int32_t p = 0; p < n; ++p) s.i32(w.ziele.ziel[l][p]);
    }
    s.block(b.b2);
    s.block(b.b3);
    s.block(b.extras);
    for (int32_t i = 0; i < teams(w); ++i) s.i16(w.listen.teams[i]);
    for (int32_t i = 0; i < std::clamp(w.listen.start_anzahl, 0, WETTBEWERB_MAX_TEAMS); ++i) s.i16(w.listen.start[i]);
    s.i16(w.erste_gelbsperre);
    s.i16(w.intervall_gelbsperre);
    s.i16(w.kalender_position);
    for (int32_t i = 0; i < 8; ++i) s.u8(*ja_flaggen(w, i));
    for (uint8_t x : w.schalter) s.u8(x);
    s.u8(uint8_t(w.englische_tabelle_neu));
    const int32_t paare = paar_bytes(w);
    s.v.insert(s.v.end(), w.wer_gegen_wen, w.wer_gegen_wen + paare);
    for (int32_t t = 0; t < tage(w); ++t) s.i32(w.rundentext[t]);
}

// Reads a record's full form into w (the empty template). False when the bytes do not hold one.
bool voll_lesen(W& w, Leser& l)
{
    w = Wettbewerb_Leerer_Datensatz;
    for (auto& z : w.ziele.ziel) std::fill(std::begin(z), std::end(z), -1);
    std::fill(std::begin(w.rundentext), std::end(w.rundentext), -1);
    l.text(w.name, sizeof w.name);
    if (!l.ok || !wb_benutzt(w)) return l.ok;
    l.text(w.gruppen_name, sizeof w.gruppen_name);
    const int32_t t = l.i32();
    const uint32_t modus = uint32_t(l.i32());
    if (!l.ok || t < 0 || t > WETTBEWERB_MAX_TEAMS || !l.da(size_t(t))) return false;
    l.pos += size_t(t);
    const Bloecke b = bloecke(w);
    l.block(b.haupt);
    if (w.teams != t || w.modus != modus || w.spieltage > WETTBEWERB_MAX_SPIELTAGE) return false;
    const int32_t listen = l.i32();
    if (listen < 0 || listen > WETTBEWERB_ZIEL_LISTEN) return false;
    for (int32_t k = 0; k < listen && l.ok; ++k) {
        const int32_t n = int32_t(l.u8());
        if (n > t) return false;
        for (int32_t p = 0; p < n; ++p) w.ziele.ziel[k][p] = l.i32();
    }
    l.block(b.b2);
    l.block(b.b3);
    l.block(b.extras);
    if (!l.ok || w.listen.start_anzahl < 0 || w.listen.start_anzahl > WETTBEWERB_MAX_TEAMS || w.ziele.anzahl < 0 ||
        w.ziele.anzahl > WETTBEWERB_ZIEL_LISTEN || w.wer_gegen_wen_anz < 0 || w.wer_gegen_wen_anz > WETTBEWERB_WER_GEGEN_WEN_MAX)
        return false;
    for (int32_t i = 0; i < t; ++i) w.listen.teams[i] = int16_t(l.i16());
    for (int32_t i = 0; i < w.listen.start_anzahl; ++i) w.listen.start[i] = int16_t(l.i16());
    w.erste_gelbsperre = l.i16();
    w.intervall_gelbsperre = l.i16();
    w.kalender_position = l.i16();
    for (int32_t i = 0; i < 8; ++i) *ja_flaggen(w, i) = uint8_t(l.u8());
    for (uint8_t& x : w.schalter) x = uint8_t(l.u8());
    w.englische_tabelle_neu = int8_t(l.u8());
    const int32_t paare = paar_bytes(w);
    if (!l.da(size_t(paare))) return false;
    std::memcpy(w.wer_gegen_wen, l.d + l.pos, size_t(paare));
    l.pos += size_t(paare);
    for (int32_t k = 0; k < tage(w); ++k) w.rundentext[k] = l.i32();
    return l.ok;
}

// The packed stream into a Mem_Alloc'd buffer; its length, or -1.
int32_t strom_packen(const std::vector<uint8_t>& v, uint8_t** aus)
{
    const uint32_t kap = uint32_t(v.size() + v.size() / 128 + 8);
    auto* b = static_cast<uint8_t*>(Mem_Alloc(kap, 0));
    if (!b) return -1;
    const int32_t n = Spielfeld_Speicher_Packen(v.data(), b, uint32_t(v.size()), kap);
    if (n < 0) {
        Mem_Free(b, 0);
        return -1;
    }
    *aus = b;
    return n;
}

// A packed stream unpacked, empty when it is damaged.
std::vector<uint8_t> strom_entpacken(const uint8_t* d, uint32_t n)
{
    if (!d || n < 3) return {};
    const uint32_t laenge = uint32_t(d[0]) | uint32_t(d[1]) << 8 | uint32_t(d[2]) << 16;
    if (laenge > STROM_MAX) return {};
    std::vector<uint8_t> v(laenge);
    if (Spielfeld_Speicher_Entpacken(v.data(), laenge, d, n) != int32_t(laenge)) return {};
    return v;
}

// A record's short form checked against the running world; false changes nothing.
bool stand_lesen(Leser& l, W& w)
{
    W neu = w;
    neu.spieltag = l.i32();
    neu.spieltage = l.i32();
    neu.anz_quali_aus_ligabaum = l.i32();
    neu.spiele_block = l.i32();
    neu.runde = l.i32();
    neu.sieger = l.i32();
    l.i32();
    neu.listen.start_anzahl = l.i32();
    if (!l.ok || neu.listen.start_anzahl < 0 || neu.listen.start_anzahl > WETTBEWERB_MAX_TEAMS ||
        neu.spieltage < 0 || neu.spieltage > WETTBEWERB_MAX_SPIELTAGE || neu.spieltag < 0 ||
        neu.spieltag > neu.spieltage || neu.runde < 0 || neu.runde > std::max(1, neu.best_of_x) - 1 ||
        neu.spiele_block < -1 || neu.sieger < -1 || neu.sieger >= Team_Anzahl || neu.anz_quali_aus_ligabaum < 0 ||
        neu.anz_quali_aus_ligabaum > WETTBEWERB_MAX_TEAMS)
        return false;
    for (int32_t i = 0; i < neu.listen.start_anzahl; ++i) {
        neu.listen.start[i] = int16_t(l.i16());
        if (neu.listen.start[i] < -1 || neu.listen.start[i] >= Team_Anzahl) return false;
    }
    neu.englische_tabelle_neu = int8_t(l.u8());
    neu.schalter[4] = uint8_t(l.u8());
    if (!l.ok || neu.englische_tabelle_neu < -1 || neu.englische_tabelle_neu > 1) return false;
    w = neu;
    return true;
}

}  // namespace

size_t Wettbewerb_Datensatz_Packen(int32_t nummer, std::vector<uint8_t>* aus)
{
    W* w = Wettbewerb_Bereit() ? Wettbewerb_Zeiger(nummer) : nullptr;
    if (!w || !aus) return 0;
    Schreiber s{*aus};
    voll_schreiben(*w, s);
    return aus->size();
}

int32_t Wettbewerb_Server_Config_Senden(uint8_t** block, int32_t* dummy_id, int32_t* dummy_anzahl)
{
    if (!block || !Wettbewerb_Bereit()) return 0;
    std::vector<uint8_t> v;
    int32_t dummies = 0;
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) {
        Wettbewerb_Datensatz_Packen(i, &v);
        const W* w = wb_link(i);
        if (w && wb_benutzt(*w) && w->schalter[4]) ++dummies;
    }
    if (dummy_id) *dummy_id = Wettbewerb_Get_Dummy_Id();
    if (dummy_anzahl) *dummy_anzahl = dummies;
    const int32_t n = strom_packen(v, block);
    return n < 0 ? 0 : n;
}

int32_t Wettbewerb_Server_Stand_Senden(uint8_t** block)
{
    if (!block || !Wettbewerb_Bereit()) return 0;
    std::vector<uint8_t> v;
    Schreiber s{v};
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) {
        const W* w = wb_link(i);
        if (!w || !wb_benutzt(*w)) continue;
        for (int32_t x : {w->spieltag, w->spieltage, w->anz_quali_aus_ligabaum, w->spiele_block, w->runde, w->sieger, 0})
            s.i32(x);
        const int32_t n = std::clamp(w->listen.start_anzahl, 0, WETTBEWERB_MAX_TEAMS);
        s.i32(n);
        for (int32_t k = 0; k < n; ++k) s.i16(w->listen.start[k]);
        s.u8(uint8_t(w->englische_tabelle_neu));
        s.u8(w->schalter[4]);
    }
    const int32_t n = strom_packen(v, block);
    return n < 0 ? 0 : n;
}

bool Wettbewerb_Config_Einlesen(const uint8_t* strom, uint32_t laenge)
{
    const std::vector<uint8_t> v = strom_entpacken(strom, laenge);
    if (v.empty()) {
        Print_Fehler("Wettbewerbe vom Server: Daten beschädigt\n");
        return false;
    }
    std::unique_ptr<W[]> recs(new (std::nothrow) W[WETTBEWERB_ANZAHL]);
    if (!recs) return false;
    Leser l{v.data(), v.size()};
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i)
        if (!voll_lesen(recs[i], l)) {
            Print_Fehler("Wettbewerbe vom Server: Datensatz %d beschädigt\n", i);
            return false;
        }
    if (l.pos != v.size()) {
        Print_Fehler("Wettbewerbe vom Server: Daten beschädigt\n");
        return false;
    }
    if (!Wettbewerb_Uebernehmen(recs.get(), WETTBEWERB_ANZAHL, Team_Anzahl)) return false;
    Wettbewerb_Spielplaene_Anlegen();
    return true;
}

bool Wettbewerb_Stand_Einlesen(const uint8_t* strom, uint32_t laenge)
{
    if (!Wettbewerb_Bereit()) return false;
    const std::vector<uint8_t> v = strom_entpacken(strom, laenge);
    std::vector<W> neu;
    Leser l{v.data(), v.size()};
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) {
        const W* w = wb_link(i);
        if (!w || !wb_benutzt(*w)) continue;
        neu.push_back(*w);
        if (!stand_lesen(l, neu.back())) {
            Print_Fehler("Wettbewerbsstand vom Server: Datensatz %d beschädigt\n", i);
            return false;
        }
    }
    if (l.pos != v.size() || (v.empty() && !neu.empty())) {
        Print_Fehler("Wettbewerbsstand vom Server: Daten beschädigt\n");
        return false;
    }
    // Checked whole: now every record in use takes its state.
    size_t k = 0;
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) {
        W* w = Wettbewerb_Zeiger(i);
        if (w && wb_benutzt(*w)) *w = neu[k++];
    }
    return true;
}

namespace {

// A variable reply of the server into a buffer as large as any reply can be.
bool strom_holen(int32_t nr, const char* format, Internet_Arg* args, int32_t anzahl, std::vector<uint8_t>* aus)
{
    aus->assign(SENDBLOCK_SIZE, 0);
    uint32_t laenge = 0;
    args[0] = Internet_Zeiger(aus->data(), uint32_t(aus->size()));
    args[0].var_laenge = &laenge;
    uint8_t fertig = 0;
    Internet_Client_Read(nr, format, nullptr, &fertig, args, anzahl);
    if (!(fertig & 1) || laenge > aus->size()) return false;
    aus->resize(laenge);
    return true;
}

}  // namespace

bool Wettbewerb_Client_Config_Komplett_Holen()
{
    // A client reads no competitions of its own: this call brings them.
    if (Netz_Rolle != 1) return false;
    int32_t dummy_id = -1, dummy_anzahl = 0;
    Internet_Arg args[] = {Internet_Arg{}, Internet_Zeiger(&dummy_id, 4), Internet_Zeiger(&dummy_anzahl, 4)};
    std::vector<uint8_t> strom;
    return strom_holen(1004, "iC000I<4I<4", args, 3, &strom) &&
           Wettbewerb_Config_Einlesen(strom.data(), uint32_t(strom.size()));
}

bool Wettbewerb_Client_Config_Holen()
{
    if (Netz_Rolle != 1 || !Wettbewerb_Bereit()) return false;
    Internet_Arg args[1];
    std::vector<uint8_t> strom;
    return strom_holen(1005, "vC000", args, 1, &strom) && Wettbewerb_Stand_Einlesen(strom.data(), uint32_t(strom.size()));
}

namespace {

bool config_1004(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    if (p->zeiger_anzahl != 3 || p->anzahl_i != 0 || !a->var || !p->daten[1] || !p->daten[2] || p->groesse[1] < 4 ||
        p->groesse[2] < 4)
        return false;
    int32_t id = -1, anzahl = 0;
    a->ergebnis = Wettbewerb_Server_Config_Senden(a->var, &id, &anzahl);
    Bytes_Setze32(p->daten[1], uint32_t(id));
    Bytes_Setze32(p->daten[2], uint32_t(anzahl));
    return true;
}

bool stand_1005(Internet_Aufruf* a)
{
    if (a->p->zeiger_anzahl != 1 || a->p->anzahl_i != 0 || !a->var) return false;
    a->ergebnis = Wettbewerb_Server_Stand_Senden(a->var);
    return true;
}

}  // namespace

void Wettbewerb_Netz_Registrieren()
{
    Internet_Handler_Registrieren(1004, config_1004);
    Internet_Handler_Registrieren(1005, stand_1005);
}
