// Savegame block of the competitions: the byte image of all 128 records.
//
// Layout, little-endian:
//   u32 version (2), u32 ready flag, u32 record count (128), u32 record size,
//   then each record, field by field in the order of `felder` below: texts as their full
//   fixed-size byte arrays, i8/u8 fields as one byte, i16 as two, i32/u32 as four.
// The season's state closes each record: fixture block, match day, leg, the stoppage drawn per
// half and the pending switch of ENGLISCHE_TABELLE.
// A block is taken only as a whole: its size must match exactly and every record must pass the
// same checks as a configuration file; otherwise the records in memory stay as they were.
#include <algorithm>
#include <bit>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>
#include "platform/bytes.h"
#include <memory>

#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_intern.h"
#include "platform/print.h"
#include "platform/string_util.h"

namespace {

constexpr size_t KOPF = 16;

// Visits every stored field of a record in image order.
template <class W, class F> void felder(W& w, F&& f)
{
    f.bytes(w.name, sizeof w.name);
    f.bytes(w.gruppen_name, sizeof w.gruppen_name);
    f.bytes(w.identifikation, sizeof w.identifikation);
    f.i32(w.id);
    f.i32(w.besitzer);
    f.u32(w.modus);
    f.i32s(w.vk.v);
    f.i32(w.teams);
    f.i32(w.spieltage);
    f.i16s(w.listen.teams);
    f.i32(w.listen.anzahl);
    f.i16s(w.listen.start);
    f.i32(w.listen.start_anzahl);
    for (auto& l : w.ziele.ziel) f.i32s(l);
    f.i32(w.ziele.anzahl);
    f.i32s(w.rundentext);
    f.i32(w.super_art);
    f.i32(w.wochentag);
    f.i32(w.quote_wochentag);
    f.i32(w.startwoche);
    f.i32(w.endwoche);
    f.i32(w.spielfrei_start);
    f.i32(w.spielfrei_ende);
    f.i32(w.anz_parallel_gruppen);
    f.i32s(w.weiterkomm_anz);
    f.i32(w.sieger);
    f.i32(w.best_of_x);
    f.i32(w.halbzeit_laenge);
    f.i32(w.halbzeit_laenge_verl);
    f.i32(w.anz_halbzeiten);
    f.i32(w.anz_halbzeiten_verl);
    f.i32(w.alle_x_jahre);
    f.i32(w.startjahr);
    f.i32(w.land);
    f.bytes(w.wer_gegen_wen, sizeof w.wer_gegen_wen);
    f.i32(w.wer_gegen_wen_anz);
    for (auto& a : w.auffuell) {
        f.i32(a.von);
        f.i32(a.bis);
        f.i32(a.anzahl);
    }
    f.i32(w.auffuell_anz);
    for (auto& q : w.quali_land) {
        f.i32(q.land);
        f.i32(q.anzahl);
    }
    f.i32(w.quali_land_anz);
    f.i32(w.erste_gelbsperre);
    f.i32(w.intervall_gelbsperre);
    f.i32(w.grafik_nummer);
    f.i32(w.audio_nummer);
    f.i32(w.ausrichter);
    f.i32(w.ausrichter_stadion);
    f.i32(w.wichtig);
    f.i32(w.sieg_praemie);
    f.i32(w.unentschieden_praemie);
    f.i32(w.antritts_praemie);
    f.i32(w.anz_quali_aus_ligabaum);
    f.i32(w.kalender_position);
    f.i32(w.qualiwoche);
    f.i32(w.wechsel_in);
    f.u8(w.pokal_praemie);
    f.u8(w.basisliga);
    f.u8(w.amateur_liga);
    f.u8(w.qualifikanten_mischen);
    f.u8(w.quali_zu_saisonstart);
    f.u8(w.mehrmals_pro_jahr);
    f.u8(w.golden_goal);
    f.u8(w.rueckspiel_nach_zwei_wochen);
    f.bytes(w.schalter, sizeof w.schalter);
    f.i32(w.spiele_block);
    f.i32(w.spieltag);
    f.i32(w.runde);
    f.bytes(w.nachspielzeit, sizeof w.nachspielzeit);
    f.i8(w.englische_tabelle_neu);
}

// Arrays of 16- and 32-bit values: the image holds them little-endian, as the machine does, so
// they go as one copy.
static_assert(std::endian::native == std::endian::little, "arrays are copied as they lie in memory");

struct Zaehler {
    size_t n = 0;
    template <class T, size_t N>
    void i16s(const T (&)[N])
    {
        n += 2 * N;
    }
    template <class T, size_t N>
    void i32s(const T (&)[N])
    {
        n += 4 * N;
    }
    void bytes(const void*, size_t k) { n += k; }
    void u8(const uint8_t&) { n += 1; }
    void i8(const int8_t&) { n += 1; }
    void i16(const int16_t&) { n += 2; }
    void i32(const int32_t&) { n += 4; }
    void u32(const uint32_t&) { n += 4; }
};

// Writes the header's and the rule vote's values, little-endian by their bytes.
struct Schreiber {
    uint8_t* p;
    void u32(uint32_t v)
    {
        p[0] = uint8_t(v);
        p[1] = uint8_t(v >> 8);
        p[2] = uint8_t(v >> 16);
        p[3] = uint8_t(v >> 24);
        p += 4;
    }
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
};

// Reads within the real size; the caller has checked the total length beforehand.
struct Leser {
    const uint8_t* p;
    const uint8_t* ende;
    bool ok = true;
    template <class T, size_t N>
    void i16s(T (&a)[N])
    {
        static_assert(sizeof(T) == 2);
        bytes(a, sizeof a);
    }
    template <class T, size_t N>
    void i32s(T (&a)[N])
    {
        static_assert(sizeof(T) == 4);
        bytes(a, sizeof a);
    }
    bool da(size_t k)
    {
        if (static_cast<size_t>(ende - p) < k) ok = false;
        return ok;
    }
    void bytes(void* ziel, size_t k)
    {
        if (!da(k)) return;
        std::memcpy(ziel, p, k);
        p += k;
    }
    void u8(uint8_t& v)
    {
        if (da(1)) v = *p++;
    }
    void i8(int8_t& v)
    {
        if (da(1)) v = int8_t(*p++);
    }
    void i16(int16_t& v)
    {
        if (!da(2)) return;
        v = static_cast<int16_t>(uint16_t(p[0] | (p[1] << 8)));
        p += 2;
    }
    void u32(uint32_t& v)
    {
        if (!da(4)) return;
        v = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
        p += 4;
    }
    void i32(int32_t& v)
    {
        uint32_t u = 0;
        u32(u);
        v = static_cast<int32_t>(u);
    }
};

// The season's state of a record: a match day within the season, a leg of its ties, stoppage
// memos as drawn, a rule switch that is pending or not. "" when sound.
std::string zustand_pruefen(const Wettbewerb_Datensatz& w)
{
    const int32_t beine = (w.modus & KO_SYSTEM) ? std::max(1, w.best_of_x) : 1;
    if (w.spieltag < 0 || w.spieltag > std::max(0, w.spieltage))
        return "Spieltag " + std::to_string(w.spieltag) + " bei " + std::to_string(w.spieltage) + " Spieltagen";
    if (w.runde < 0 || w.runde >= beine) return "Runde " + std::to_string(w.runde) + " falsch";
    for (int8_t z : w.nachspielzeit)
        if (z < -1 || z > 5) return "Nachspielzeit " + std::to_string(z) + " falsch";
    if (w.englische_tabelle_neu < -1 || w.englische_tabelle_neu > 1) return "Regelwechsel falsch";
    return "";
}

}  // namespace

size_t Wettbewerb_Block_Datensatz_Groesse()
{
    Zaehler z;
    felder(Wettbewerb_Leerer_Datensatz, z);
    return z.n;
}

// The running rule vote follows the records: deadline, votes, yes-votes, proposal.
constexpr size_t ABSTIMMUNG = 16;

template <class F>
void abstimmung_felder(Wettbewerb_Abstimmung& a, F& f)
{
    f.i32(a.frist);
    f.i32(a.stimmen);
    f.i32(a.ja);
    f.i32(a.vorschlag);
}

size_t Wettbewerb_Block_Groesse() { return KOPF + Wettbewerb_Block_Datensatz_Groesse() * WETTBEWERB_ANZAHL + ABSTIMMUNG; }

std::vector<uint8_t> Wettbewerb_Block_Packen()
{
    std::vector<uint8_t> out(Wettbewerb_Block_Groesse());
    Wettbewerb_Block_Packen(out.data());
    return out;
}

namespace {

// Every field goes as the bytes it holds in memory (little-endian throughout), so a record's
// image is a gather of runs of its memory: fields lying next to each other in the record and in
// the image make one run; padding and the image's own order split them.
struct Lauf {
    uint32_t von, laenge;
};

struct Planer {
    const uint8_t* basis;
    std::vector<Lauf>* laeufe;
    template <class T, size_t N>
    void i16s(const T (&a)[N])
    {
        static_assert(sizeof(T) == 2);
        bytes(a, sizeof a);
    }
    template <class T, size_t N>
    void i32s(const T (&a)[N])
    {
        static_assert(sizeof(T) == 4);
        bytes(a, sizeof a);
    }
    void bytes(const void* q, size_t k)
    {
        const auto von = static_cast<uint32_t>(static_cast<const uint8_t*>(q) - basis);
        if (!laeufe->empty() && laeufe->back().von + laeufe->back().laenge == von) laeufe->back().laenge += uint32_t(k);
        else laeufe->push_back({von, uint32_t(k)});
    }
    // A field's own type, never a converted copy: the run is taken at the field's address.
    template <class T> void u8(const T& v) { feld<T, uint8_t>(v); }
    template <class T> void i8(const T& v) { feld<T, int8_t>(v); }
    template <class T> void i16(const T& v) { feld<T, int16_t>(v); }
    template <class T> void i32(const T& v) { feld<T, int32_t>(v); }
    template <class T> void u32(const T& v) { feld<T, uint32_t>(v); }
    template <class T, class Soll> void feld(const T& v)
    {
        static_assert(std::is_same_v<T, Soll>, "a field is planned at its own address and width");
        bytes(&v, sizeof v);
    }
};
static_assert(std::endian::native == std::endian::little, "the image is the records' little-endian memory");

const std::vector<Lauf>& datensatz_laeufe()
{
    static const std::vector<Lauf> laeufe = [] {
        std::vector<Lauf> l;
        Planer p{reinterpret_cast<const uint8_t*>(&Wettbewerb_Leerer_Datensatz), &l};
        felder(Wettbewerb_Leerer_Datensatz, p);
        return l;
    }();
    return laeufe;
}

}  // namespace

void Wettbewerb_Block_Packen(uint8_t* ziel)
{
    static const size_t groesse = Wettbewerb_Block_Datensatz_Groesse();
    const std::vector<Lauf>& laeufe = datensatz_laeufe();
    Schreiber s{ziel};
    s.u32(WETTBEWERB_BLOCK_VERSION);
    s.u32(Wettbewerb_Bereit() ? 1u : 0u);
    s.u32(static_cast<uint32_t>(WETTBEWERB_ANZAHL));
    s.u32(static_cast<uint32_t>(groesse));
    static_assert(std::is_trivially_copyable_v<Wettbewerb_Datensatz>, "records are copied by their bytes");
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) {
        const Wettbewerb_Datensatz* w = wb_link(i);
        // Without records every one goes as the empty one.
        const auto* q = reinterpret_cast<const uint8_t*>(w ? w : &Wettbewerb_Leerer_Datensatz);
        for (const Lauf& l : laeufe) {
            std::memcpy(s.p, q + l.von, l.laenge);
            s.p += l.laenge;
        }
    }
    Wettbewerb_Abstimmung a = Wettbewerb_Get_Abstimmung();
    abstimmung_felder(a, s);
}

bool Wettbewerb_Block_Entpacken(const uint8_t* daten, size_t laenge, int32_t team_anzahl)
{
    size_t groesse = Wettbewerb_Block_Datensatz_Groesse();
    if (!daten || laenge < KOPF) {
        Print_Fehler("Wettbewerbe im Spielstand: Block fehlt oder ist zu kurz (%zu Bytes)", laenge);
        return false;
    }
    uint32_t version = Bytes_Hole32(daten), bereit = Bytes_Hole32(daten + 4), anzahl = Bytes_Hole32(daten + 8), rg = Bytes_Hole32(daten + 12);
    if (version != WETTBEWERB_BLOCK_VERSION || anzahl != static_cast<uint32_t>(WETTBEWERB_ANZAHL) || rg != groesse ||
        bereit > 1 || laenge != KOPF + groesse * WETTBEWERB_ANZAHL + ABSTIMMUNG) {
        Print_Fehler("Wettbewerbe im Spielstand: unbekanntes Format (Version %u, %u Datensätze zu %u Bytes, %zu Bytes)",
                     version, anzahl, rg, laenge);
        return false;
    }
    std::unique_ptr<Wettbewerb_Datensatz[]> neu(new (std::nothrow) Wettbewerb_Datensatz[WETTBEWERB_ANZAHL]);
    if (!neu) {
        Print_Fehler("Wettbewerbe im Spielstand: kein Speicher");
        return false;
    }
    Leser l{daten + KOPF, daten + laenge};
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) {
        neu[i] = Wettbewerb_Leerer_Datensatz;
        felder(neu[i], l);
    }
    Wettbewerb_Abstimmung abstimmung;
    abstimmung_felder(abstimmung, l);
    if (!l.ok) {
        Print_Fehler("Wettbewerbe im Spielstand: Block zu kurz");
        return false;
    }
    const bool keine_abstimmung = abstimmung.frist == -1 && abstimmung.stimmen == 0 && abstimmung.ja == 0;
    if (!keine_abstimmung && (abstimmung.frist < 0 || abstimmung.stimmen < 0 || abstimmung.ja < 0 ||
                              abstimmung.ja > abstimmung.stimmen || abstimmung.vorschlag < 0 || abstimmung.vorschlag > 1)) {
        Print_Fehler("Wettbewerbe im Spielstand: Abstimmung falsch (Frist %d, %d Stimmen, %d Ja)", abstimmung.frist,
                     abstimmung.stimmen, abstimmung.ja);
        return false;
    }
    if (!bereit) {
        Wettbewerb_Free();
        return true;
    }
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL && neu[i].name[0]; ++i) {
        const std::string fehler = zustand_pruefen(neu[i]);
        if (!fehler.empty()) {
            Print_Fehler("Wettbewerbe im Spielstand: %s: %s", wb_bezeichnung(neu[i], i).c_str(), fehler.c_str());
            return false;
        }
    }
    // The image stores the derived links too; they must be what the forward links give.
    std::unique_ptr<Wettbewerb_Datensatz[]> probe(new (std::nothrow) Wettbewerb_Datensatz[WETTBEWERB_ANZAHL]);
    if (!probe) return false;
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) probe[i] = neu[i];
    std::string fehler = wb_pruefen_und_ableiten(probe.get(), WETTBEWERB_ANZAHL, team_anzahl);
    for (int32_t i = 0; fehler.empty() && i < WETTBEWERB_ANZAHL; ++i)
        if (std::memcmp(&probe[i].vk, &neu[i].vk, sizeof neu[i].vk) || probe[i].besitzer != neu[i].besitzer)
            fehler = "Wettbewerb " + wb_bezeichnung(neu[i], i) + ": Verknüpfungen widersprechen sich";
    if (!fehler.empty()) {
        Print_Fehler("Wettbewerbe im Spielstand: %s", fehler.c_str());
        return false;
    }
    // The names of the records in use, checked above, are taken as plain text.
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL && neu[i].name[0]; ++i) {
        String_Klartext(neu[i].name, sizeof neu[i].name);
        String_Klartext(neu[i].gruppen_name, sizeof neu[i].gruppen_name);
    }
    if (!Wettbewerb_Uebernehmen(neu.get(), WETTBEWERB_ANZAHL, team_anzahl)) return false;
    Wettbewerb_Set_Abstimmung(abstimmung);
    return true;
}
