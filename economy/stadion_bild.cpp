// Byte images of the stadium: one record (456 bytes, then the 12-byte top-surcharge part and the
// 1688-byte statistics part when present), the list in its saved form, the savegame block and
// the request images 1015-1019. Little-endian throughout.
//
// Savegame block: u8 fetched flag, i32 -1 (marker of this layout), u32 quarter counter, per firm
// i32 offer model and i32 price reduction, then the list (per element 0xFFFFFFFF, prev, next,
// data, key, size, spare, payload; end 0xF0F0F0F0). An older block has the quarter counter
// where the marker stands and no firm values.
#include <bit>
#include <cmath>
#include <cstring>

#include "database/team.h"
#include "economy/bank.h"
#include "economy/stadion_intern.h"
#include "gameflow/globals.h"
#include "platform/string_util.h"
#include "platform/bytes.h"
#include "platform/disk.h"
#include "platform/liste.h"
#include "platform/print.h"

namespace {

// Walks a record's fields in image order; the same walk writes and reads. A writing walk only
// reads the fields it is handed.
template <bool SCHREIBEN>
struct Bild_Gang {
    uint8_t* p;
    uint32_t pos = 0;
    void i32(int32_t& v)
    {
        if (SCHREIBEN) Bytes_Setze32(p + pos, uint32_t(v));
        else v = int32_t(Bytes_Hole32(p + pos));
        pos += 4;
    }
    void u32(uint32_t& v)
    {
        if (SCHREIBEN) Bytes_Setze32(p + pos, v);
        else v = Bytes_Hole32(p + pos);
        pos += 4;
    }
    void f32(float& v)
    {
        if (SCHREIBEN) std::memcpy(p + pos, &v, 4);
        else std::memcpy(&v, p + pos, 4);
        pos += 4;
    }
    template <typename T> void bytes(T* v, uint32_t n)
    {
        static_assert(sizeof(T) == 1);
        if (SCHREIBEN) std::memcpy(p + pos, v, n);
        else std::memcpy(v, p + pos, n);
        pos += n;
    }
    template <typename T> void byte(T& v) { bytes(&v, 1); }
};
static_assert(std::endian::native == std::endian::little, "floats are copied in host order");

template <class Bild>
void basis(Bild& b, Stadion_Daten& d)
{
    b.i32(d.team);
    b.bytes(d.name, 30);
    b.byte(d.stimmung);
    b.byte(d.frei);
    for (Stadion_Slot& s : d.slot) {
        b.i32(s.bauende);
        b.i32(s.fertig);
        b.f32(s.zustand);
        b.i32(s.plaetze);
        b.byte(s.firma);
        b.byte(s.modell);
        b.byte(s.qualitaet);
        b.byte(s.frei);
    }
    for (float& f : d.preis) b.f32(f);
    b.i32(d.dauerkarten);
    b.f32(d.dauerkarten_preis);
    b.u32(d.hat_top);
    b.u32(d.hat_statistik);
}

template <class Bild>
void top(Bild& b, Stadion_Top& t)
{
    b.f32(t.zuschlag);
    b.i32(t.platz_grenze);
    b.byte(t.immer);
    b.byte(t.top_teams);
    b.byte(t.krawall);
    b.byte(t.frei);
}

template <class Bild>
void statistik(Bild& b, Stadion_Statistik& s)
{
    b.byte(s.cup_spalte);
    b.bytes(s.wettbewerb, STADION_SPALTEN);
    b.byte(s.frei);
    for (float& f : s.rekord_einnahme) b.f32(f);
    for (int32_t& v : s.rekord_zuschauer) b.i32(v);
    for (auto& t : s.rekord_tag) {
        b.i32(t[0]);
        b.i32(t[1]);
    }
    for (auto& g : s.rekord_gegner) {
        b.bytes(g[0], 30);
        b.bytes(g[1], 30);
    }
    for (auto& t : s.rekord_tore) b.bytes(t, 4);
    for (int32_t& v : s.spiele) b.i32(v);
    for (int32_t& v : s.summe_zuschauer) b.i32(v);
    for (int32_t& v : s.summe_einnahme) b.i32(v);
    for (auto& r : s.reihe)
        for (int32_t& v : r) b.i32(v);
    b.i32(s.eintraege);
    b.bytes(s.auslastung, STADION_TRIBUENEN);
    b.bytes(s.monat_abgerechnet, 12);
    b.bytes(s.frei2, 2);
}

uint32_t bild_groesse(const Stadion_Daten& d)
{
    return STADION_BASIS_BYTES + (d.hat_top ? STADION_TOP_BYTES : 0) + (d.hat_statistik ? STADION_STATISTIK_BYTES : 0);
}

bool name_endet(const char* n, uint32_t laenge) { return std::memchr(n, 0, laenge) != nullptr; }

}  // namespace

namespace {

// The record's image (bild_groesse bytes) into ziel, its two part flags as 0 or 1.
void bild_packen(const Stadion_Daten& d, uint8_t* ziel)
{
    auto& q = const_cast<Stadion_Daten&>(d);  // the writing walk leaves its fields alone
    Bild_Gang<true> b{ziel};
    basis(b, q);
    Bytes_Setze32(ziel + b.pos - 8, d.hat_top ? 1 : 0);  // the flags close the base part
    Bytes_Setze32(ziel + b.pos - 4, d.hat_statistik ? 1 : 0);
    if (d.hat_top) top(b, q.top);
    if (d.hat_statistik) statistik(b, q.statistik);
}

// Bytes of the list in its saved form.
size_t liste_groesse()
{
    size_t n = 4;
    for (const auto& d : Stadion.liste) n += 4 + LISTE_KOPF_BYTES + bild_groesse(*d);
    return n;
}

// The list in its saved form (liste_groesse bytes) into ziel.
void liste_packen(uint8_t* ziel)
{
    for (const auto& d : Stadion.liste) {
        const uint32_t groesse = bild_groesse(*d);
        const uint32_t kopf[7] = {LISTE_MARKE_ELEMENT, 0, 0, 1, uint32_t(d->team), groesse + LISTE_KOPF_BYTES, 0};
        for (uint32_t w : kopf) {
            Bytes_Setze32(ziel, w);
            ziel += 4;
        }
        bild_packen(*d, ziel);
        ziel += groesse;
    }
    Bytes_Setze32(ziel, LISTE_MARKE_ENDE);
}

// The savegame block: its head of 49 bytes, then the list.
constexpr size_t BLOCK_KOPF = 49;
size_t block_groesse() { return BLOCK_KOPF + liste_groesse(); }

void block_packen(uint8_t* v)
{
    v[0] = Stadion.geholt;
    Bytes_Setze32(v + 1, 0xFFFFFFFFu);
    Bytes_Setze32(v + 5, Stadion.viertel);
    for (int f = 0; f < STADION_FIRMEN; ++f) {
        Bytes_Setze32(v + 9 + 8 * f, uint32_t(Stadion_Baufirma[f].angebot));
        Bytes_Setze32(v + 13 + 8 * f, uint32_t(Stadion_Baufirma[f].rabatt));
    }
    liste_packen(v + BLOCK_KOPF);
}
static_assert(9 + 8 * STADION_FIRMEN == BLOCK_KOPF, "head: flag, marker, quarter, the firms' values");

}  // namespace

std::vector<uint8_t> Stadion_Bild_Schreiben(const Stadion_Daten& quelle)
{
    std::vector<uint8_t> v(bild_groesse(quelle));
    bild_packen(quelle, v.data());
    return v;
}

bool Stadion_Bild_Lesen(const uint8_t* p, uint32_t laenge, Stadion_Daten* ziel)
{
    if (!p || !ziel || laenge < STADION_BASIS_BYTES) return false;
    Stadion_Daten d{};
    Bild_Gang<false> b{const_cast<uint8_t*>(p)};
    basis(b, d);
    if (d.hat_top > 1 || d.hat_statistik > 1 || bild_groesse(d) != laenge) return false;
    if (d.team < 0 || d.team >= TEAM_MAX_ANZAHL || !name_endet(d.name, 30)) return false;
    for (const Stadion_Slot& s : d.slot)
        if (s.modell >= STADION_MODELLE || s.firma >= STADION_FIRMEN) return false;
    if (d.hat_top) top(b, d.top);
    if (d.hat_statistik) {
        statistik(b, d.statistik);
        for (auto& g : d.statistik.rekord_gegner)
            if (!name_endet(g[0], 30) || !name_endet(g[1], 30)) return false;
        if (d.statistik.eintraege < 0 || d.statistik.eintraege > STADION_REIHE) return false;
    }
    // Names from a savegame or the server are plain text.
    String_Klartext(d.name, sizeof d.name);
    for (auto& g : d.statistik.rekord_gegner)
        for (auto& n : g) String_Klartext(n, sizeof n);
    *ziel = d;
    return true;
}

std::vector<uint8_t> Stadion_Liste_Bauen()
{
    std::vector<uint8_t> v(liste_groesse());
    liste_packen(v.data());
    return v;
}

// Reads a saved list into `neu`; the number of bytes used, 0 for a bad form.
static uint32_t liste_lesen(const uint8_t* p, uint32_t laenge, std::vector<std::unique_ptr<Stadion_Daten>>* neu)
{
    uint32_t pos = 0;
    std::vector<bool> gesehen(TEAM_MAX_ANZAHL, false);
    for (;;) {
        if (laenge - pos < 4) return 0;
        const uint32_t marke = Bytes_Hole32(p + pos);
        if (marke == LISTE_MARKE_ENDE) return pos + 4;
        if (marke != LISTE_MARKE_ELEMENT || laenge - pos < 4 + LISTE_KOPF_BYTES) return 0;
        const uint32_t key = Bytes_Hole32(p + pos + 16);
        const uint32_t size = Bytes_Hole32(p + pos + 20);
        pos += 4 + LISTE_KOPF_BYTES;
        if (size < LISTE_KOPF_BYTES || size - LISTE_KOPF_BYTES > laenge - pos) return 0;
        auto d = std::make_unique<Stadion_Daten>();
        if (!Stadion_Bild_Lesen(p + pos, size - LISTE_KOPF_BYTES, d.get())) return 0;
        if (key != uint32_t(d->team) || gesehen[size_t(d->team)]) return 0;
        gesehen[size_t(d->team)] = true;
        pos += size - LISTE_KOPF_BYTES;
        neu->push_back(std::move(d));
    }
}

bool Stadion_Liste_Lesen(const uint8_t* p, uint32_t laenge)
{
    std::vector<std::unique_ptr<Stadion_Daten>> neu;
    if (!p || liste_lesen(p, laenge, &neu) != laenge) {
        Print_Fehler("Stadion: Die Stadionliste ist beschädigt und wird nicht übernommen.");
        return false;
    }
    Stadion.liste = std::move(neu);
    Stadion_Index_Neu();
    return true;
}

std::vector<uint8_t> Stadion_Block_Bauen()
{
    std::vector<uint8_t> v(block_groesse());
    block_packen(v.data());
    return v;
}

bool Stadion_Block_Lesen(const uint8_t* p, uint32_t laenge)
{
    if (!p || laenge < 5) return false;
    const bool neu = Bytes_Hole32(p + 1) == 0xFFFFFFFFu;
    const uint32_t kopf = neu ? 49 : 5;
    if (laenge < kopf) return false;
    const uint32_t viertel = neu ? Bytes_Hole32(p + 5) : Bytes_Hole32(p + 1);
    if (viertel > 3) return false;
    if (!Stadion_Liste_Lesen(p + kopf, laenge - kopf)) return false;
    Stadion.geholt = p[0];
    Stadion.viertel = viertel;
    for (int f = 0; f < STADION_FIRMEN; ++f) {
        Stadion_Baufirma[f].angebot = neu ? int32_t(Bytes_Hole32(p + 9 + 8 * f)) : 0;
        Stadion_Baufirma[f].rabatt = neu ? int32_t(Bytes_Hole32(p + 13 + 8 * f)) : 0;
        // out-of-range firm values from a file become none
        if (Stadion_Baufirma[f].angebot < 0 || Stadion_Baufirma[f].angebot >= STADION_MODELLE)
            Stadion_Baufirma[f].angebot = 0;
        if (Stadion_Baufirma[f].rabatt < 0 || Stadion_Baufirma[f].rabatt > 100) Stadion_Baufirma[f].rabatt = 0;
    }
    return true;
}

bool Stadion_Savegame_Schreiben(Disk_Datei* datei)
{
    // a module not (or no longer) initialised saves its empty list: the save itself goes on
    // (put together straight in its place in the savegame)
    return Disk_Schreibe_Block_Gefuellt(datei, uint32_t(block_groesse()), [](uint8_t* ziel) { block_packen(ziel); });
}

bool Stadion_Savegame_Lesen(Disk_Datei* datei, const char*)
{
    uint32_t laenge = 0;
    if (!Stadion.initialisiert) Stadion_Init();
    if (!Disk_Naechste_Blocklaenge(datei, &laenge)) return false;
    std::vector<uint8_t> v(laenge);
    if (!Disk_Lese_Block(datei, v.data(), laenge)) return false;
    if (!Stadion_Block_Lesen(v.data(), laenge)) {
        Disk_Block_Ablehnen(datei);
        return false;
    }
    return true;
}

// ---- Requests ----

namespace {

struct Leser {
    const uint8_t* p;
    uint32_t n, pos = 0;
    bool ok = true;
    int32_t i32()
    {
        if (n - pos < 4 || pos > n) {
            ok = false;
            return 0;
        }
        pos += 4;
        return int32_t(Bytes_Hole32(p + pos - 4));
    }
    float f32()
    {
        const uint32_t b = uint32_t(i32());
        float f;
        std::memcpy(&f, &b, 4);
        return f;
    }
};

void f32_anhaengen(std::vector<uint8_t>* v, float f)
{
    uint32_t b;
    std::memcpy(&b, &f, 4);
    const size_t n = v->size();
    v->resize(n + 4);
    Bytes_Setze32(v->data() + n, b);
}

bool preise_gueltig(const float* p)
{
    for (int i = 0; i < STADION_TRIBUENEN; ++i)
        if (!std::isfinite(p[i]) || p[i] < 0.0f || p[i] > 50.0f) return false;
    return true;
}

Stadion_Daten* aufrufer_stadion(int32_t team)
{
    if (team < 0 || uint32_t(team) != Handelndes_Team) return nullptr;
    return Stadion_Finden(team);
}

}  // namespace

int32_t Stadion_Server_Anfrage(int32_t anfrage, const uint8_t* daten, uint32_t laenge, std::vector<uint8_t>* antwort)
{
    if (!antwort) return 0;
    antwort->clear();
    if (!Stadion.initialisiert || (!daten && laenge)) return 0;
    Leser l{daten, laenge};
    switch (anfrage) {
    case STADION_GET_LISTE: {
        l.i32();
        if (!l.ok || l.pos != laenge) return 0;
        *antwort = Stadion_Liste_Bauen();
        return 1;
    }
    case STADION_TOP_SETZEN:
    case STADION_PREISE_SETZEN: {
        const int32_t team = l.i32();
        int32_t top_teams = 0, immer = 0, zuschlag = 0, grenze = 0;
        if (anfrage == STADION_TOP_SETZEN) {
            top_teams = l.i32();
            immer = l.i32();
            zuschlag = l.i32();
            grenze = l.i32();
        }
        float preise[STADION_TRIBUENEN];
        for (float& p : preise) p = l.f32();
        Stadion_Daten* d = aufrufer_stadion(team);
        if (!l.ok || l.pos != laenge || !d || !preise_gueltig(preise)) return 0;
        if (anfrage == STADION_TOP_SETZEN) {
            if (zuschlag < 5 || zuschlag > 35 || grenze < 1 || grenze > 33) return 0;
            if (d->hat_top) {
                d->top.top_teams = top_teams ? 1 : 0;
                d->top.immer = immer ? 1 : 0;
                d->top.zuschlag = float(zuschlag);
                d->top.platz_grenze = grenze;
            }
        }
        std::memcpy(d->preis, preise, sizeof preise);
        return 1;
    }
    case STADION_BAUEN: {
        l.f32();
        const int32_t team = l.i32(), slot = l.i32(), modell = l.i32(), firma = l.i32(), plaetze = l.i32();
        Stadion_Daten* d = aufrufer_stadion(team);
        if (!l.ok || l.pos != laenge || !d || !Stadion_Bau_Gueltig(slot, modell, firma, plaetze)) return 0;
        // the price the club pays is the one the screen shows, computed here and never taken
        // from the request
        const float preis = Stadion_Auftrag_Preis(*d, slot, modell, firma, plaetze);
        const bool ok = Stadion_Bauen(team, slot, modell, firma, plaetze, preis);
        f32_anhaengen(antwort, preis);
        return ok ? 1 : 0;
    }
    case STADION_RENOVIEREN: {
        l.f32();
        const int32_t team = l.i32(), slot = l.i32();
        Stadion_Daten* d = aufrufer_stadion(team);
        if (!l.ok || l.pos != laenge || !d || slot < 0 || slot >= STADION_SLOTS) return 0;
        const float preis = std::trunc(Stadion_Renovierungskosten_Von(*d, slot));
        const bool ok = Stadion_Renovieren(team, slot, preis);
        f32_anhaengen(antwort, preis);
        return ok ? 1 : 0;
    }
    default:
        return 0;
    }
}

// ---- Client side ----

static Stadion_Fernaufruf fernaufruf = nullptr;
void Stadion_Set_Fernaufruf(Stadion_Fernaufruf aufruf) { fernaufruf = aufruf; }

static void i32_anhaengen(std::vector<uint8_t>* v, int32_t w)
{
    const size_t n = v->size();
    v->resize(n + 4);
    Bytes_Setze32(v->data() + n, uint32_t(w));
}

bool Stadion_Client_Holen(int32_t team)
{
    if (Stadion.geholt && team == Aktuelles_Team) return true;
    if (!fernaufruf) return false;
    std::vector<uint8_t> block;
    i32_anhaengen(&block, team);
    if (!fernaufruf(STADION_GET_LISTE, &block) || block.empty()) return false;
    if (!Stadion_Liste_Lesen(block.data(), uint32_t(block.size()))) return false;
    Stadion.geholt = 1;
    return true;
}

void Stadion_Client_Neu_Holen(int32_t team)
{
    Stadion.geholt = 0;
    Stadion_Client_Holen(team);
}

void Stadion_Client_Init()
{
    Stadion_Init();
    Stadion.geholt = 0;
}

static bool client_auftrag(int32_t anfrage, std::vector<uint8_t>* block, int32_t team)
{
    const bool ok = fernaufruf && fernaufruf(anfrage, block) != 0;
    if (ok) Bank_Client_Kurse_Holen(team);
    Stadion.geholt = 0;
    return ok;
}

bool Stadion_Client_Bauen(int32_t team, int32_t slot, int32_t modell, int32_t firma, int32_t plaetze, float preis)
{
    std::vector<uint8_t> block;
    f32_anhaengen(&block, preis);
    for (int32_t w : {team, slot, modell, firma, plaetze}) i32_anhaengen(&block, w);
    return client_auftrag(STADION_BAUEN, &block, team);
}

bool Stadion_Client_Renovieren(int32_t team, int32_t slot, float preis)
{
    std::vector<uint8_t> block;
    f32_anhaengen(&block, preis);
    i32_anhaengen(&block, team);
    i32_anhaengen(&block, slot);
    return client_auftrag(STADION_RENOVIEREN, &block, team);
}

int32_t Stadion_Top_Setzen(int32_t team, const Stadion_Daten* kopie)
{
    if (!kopie || !Stadion_Ist_Client() || !fernaufruf) return 0;
    std::vector<uint8_t> block;
    i32_anhaengen(&block, team);
    if (kopie->hat_top) {
        i32_anhaengen(&block, kopie->top.top_teams);
        i32_anhaengen(&block, kopie->top.immer);
        i32_anhaengen(&block, int32_t(kopie->top.zuschlag));
        i32_anhaengen(&block, kopie->top.platz_grenze);
    }
    for (float p : kopie->preis) f32_anhaengen(&block, p);
    const int32_t r = fernaufruf(kopie->hat_top ? STADION_TOP_SETZEN : STADION_PREISE_SETZEN, &block);
    Stadion.geholt = 0;
    return r;
}
