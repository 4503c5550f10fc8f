#include "matchview/spielszenen_taktik.h"

#include <cstring>

#include "match/pitch/spielfeld_ereignis.h"
#include "match/spielfeld.h"
#include "match/spielfeld_netz.h"
#include "platform/bytes.h"
#include "platform/print.h"

const char* const Taktik_Wert_Texte[24] = {
    "Kurze Bälle",  "Kurz/Lang",     "Lange Bälle",   "Flache Bälle", "Flach/Hoch",   "Hohe Bälle",
    "Mitte",        "Mitte/Außen",   "Über Außen",    "K.Abseitsf.",  "Selt.Abseitsf.", "Mit Abseitsf.",
    "Ohne Regeln",  "Normal Fair",   "Nur Fair-Play", "Keine Konter", "Selt.Konter",  "Viele Konter",
    "Kein Zweik.",  "Norm.Härte",    "Hart spielen",  "Verteidigen!", "Vor & zurück", "Angreifen!",
};

const uint8_t ANWEISUNG_EINTRAG[8] = {0, 5, 6, 3, 4, 9, 8, 7};
const uint8_t ANWEISUNG_HOECHSTWERT[8] = {4, 4, 4, 4, 4, 2, 2, 3};

namespace {

constexpr uint8_t LEER = 255;
constexpr uint8_t ALLE_FLAGS = 15;
constexpr int32_t TAKTIKEN = 8;
constexpr int32_t LISTE = 7;

// The saved pending change of one side.
enum : int32_t { A_FLAGS = 0, A_MINUTE = 1, A_PERIODE = 3, A_TAKTIK = 4, A_EINSATZ = 12, A_SPIELER = 13, A_LISTEN = 141 };
static_assert(A_LISTEN + 2 * LISTE == int32_t(SPIELFELD_AENDERUNG_BYTES));

// Event bits of a tactics change: effort lowered 0, raised 1; then a pair per tactic below.
constexpr int32_t PAAR_TAKTIK[7] = {0, 1, 2, 3, 7, 5, 6};

bool listen_wert_gueltig(uint8_t v, int32_t seite) { return v == LEER || (v >= 16 * seite && v < 16 * seite + 16); }

// The engine's current values of a side in the pending change's form.
void aus_record(const Spielfeld_Record& r, int32_t seite, uint8_t* a)
{
    std::memcpy(a + A_TAKTIK, r.taktik[seite], TAKTIKEN);
    a[A_EINSATZ] = r.einsatz[seite];
    for (int32_t i = 0; i < 8; ++i)
        for (int32_t j = 0; j < 16; ++j) a[A_SPIELER + 16 * i + j] = r.spieler[16 * seite + j].anweisung[ANWEISUNG_EINTRAG[i]];
    for (int32_t j = 0; j < LISTE; ++j) {
        a[A_LISTEN + j] = uint8_t(r.einwechsel[seite][j]);
        a[A_LISTEN + LISTE + j] = uint8_t(r.auswechsel[seite][j]);
    }
    // What a record may hold beyond the ranges would make its save unreadable.
    for (int32_t t = 0; t < TAKTIKEN; ++t)
        if (a[A_TAKTIK + t] > 2) a[A_TAKTIK + t] = 2;
    if (a[A_EINSATZ] > 100) a[A_EINSATZ] = 100;
    for (int32_t i = 0; i < 8; ++i)
        for (int32_t j = 0; j < 16; ++j)
            if (a[A_SPIELER + 16 * i + j] > ANWEISUNG_HOECHSTWERT[i]) a[A_SPIELER + 16 * i + j] = ANWEISUNG_HOECHSTWERT[i];
    for (int32_t j = 0; j < 2 * LISTE; ++j)
        if (!listen_wert_gueltig(a[A_LISTEN + j], seite)) a[A_LISTEN + j] = LEER;
}

// Merges a side's part of the whole block image b into its pending change; a value out of its
// range (it may come from a peer) is dropped and reported.
void vormerken(Spielfeld_Record* r, int32_t seite, const uint8_t* b)
{
    const uint8_t flags = b[ANW_FLAGS + seite] & ALLE_FLAGS;
    if (!flags) return;
    uint8_t* a = r->aenderung[seite];
    if (!a[A_FLAGS]) aus_record(*r, seite, a);
    int32_t verworfen = 0;
    for (int32_t t = 0; t < TAKTIKEN; ++t) {
        const uint8_t v = b[ANW_TAKTIK + TAKTIKEN * seite + t];
        if (v <= 2) a[A_TAKTIK + t] = v;
        else ++verworfen;
    }
    const uint32_t einsatz = Bytes_Hole32(b + ANW_EINSATZ + 4 * seite);
    if (einsatz <= 100) a[A_EINSATZ] = uint8_t(einsatz);
    else ++verworfen;
    for (int32_t i = 0; i < 8; ++i)
        for (int32_t j = 0; j < 16; ++j) {
            const uint8_t v = b[ANW_SPIELER + 32 * i + 16 * seite + j];
            if (v <= ANWEISUNG_HOECHSTWERT[i]) a[A_SPIELER + 16 * i + j] = v;
            else ++verworfen;
        }
    for (int32_t l = 0; l < 2; ++l)
        for (int32_t j = 0; j < LISTE; ++j) {
            const uint8_t v = b[292 + 14 * l + LISTE * seite + j];
            if (listen_wert_gueltig(v, seite)) a[A_LISTEN + LISTE * l + j] = v;
            else ++verworfen;
        }
    if (verworfen) Print_Fehler("Spielfeld_Anweisungen: %d ungültige Werte der Seite %d verworfen", int(verworfen), int(seite));
    a[A_FLAGS] |= flags;
    Bytes_Setze16(a + A_MINUTE, Bytes_Hole16(b + ANW_MINUTE + 2 * seite));
    a[A_PERIODE] = b[ANW_PERIODE + seite];
}

// The tactics event of a side: which values moved, in the ticker's bits.
uint32_t ereignis_bits(const Spielfeld_Record& r, int32_t seite, const uint8_t* a, uint8_t flags)
{
    uint32_t bits = 0;
    if (flags & ANWEISUNG_EINSATZ) {
        if (a[A_EINSATZ] < r.einsatz[seite]) bits |= 1;
        if (a[A_EINSATZ] > r.einsatz[seite]) bits |= 2;
    }
    if (flags & ANWEISUNG_TAKTIK)
        for (int32_t p = 0; p < 7; ++p) {
            const int32_t t = PAAR_TAKTIK[p];
            const int32_t alt = r.taktik[seite][t], neu = a[A_TAKTIK + t];
            if (alt == neu) continue;
            // the bit whose text names the new value; the trap's pair names "with" first
            const bool hoeher = neu > alt;
            const int32_t e = p == 3 ? (hoeher ? 0 : 1) : (hoeher ? 1 : 0);
            bits |= 1u << (2 * p + 2 + e);
        }
    return bits;
}

}  // namespace

void Spielfeld_Anweisungen_Fuellen(Spielfeld_Record* r)
{
    if (!r) return;
    uint8_t* b = r->anweisungen;
    for (int32_t s = 0; s < 2; ++s) {
        std::memcpy(b + ANW_TAKTIK + TAKTIKEN * s, r->taktik[s], TAKTIKEN);
        Bytes_Setze32(b + ANW_EINSATZ + 4 * s, r->einsatz[s]);
    }
    for (int32_t i = 0; i < 8; ++i)
        for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot)
            b[ANW_SPIELER + 32 * i + slot] = r->spieler[slot].anweisung[ANWEISUNG_EINTRAG[i]];
    std::memset(r->netz_einwechsel, LEER, sizeof r->netz_einwechsel);
    std::memset(r->netz_auswechsel, LEER, sizeof r->netz_auswechsel);
    b[ANW_INITIALISIERT] = 1;
}

void Spielfeld_Anweisungen_Vormerken(Spielfeld_Record* r, int32_t seite, const uint8_t* block)
{
    if (!r || !block || seite < 0 || seite > 1) return;
    vormerken(r, seite, block);
}

void Spielfeld_Anweisungen_Uebernehmen(Spielfeld_Record* r, int32_t m)
{
    if (!r) return;
    for (int32_t s = 0; s < 2; ++s) {
        if (!(r->anweisungen[ANW_FLAGS + s] & ALLE_FLAGS)) continue;
        Bytes_Setze16(r->anweisungen + ANW_MINUTE + 2 * s, uint16_t(m + 2));
        r->anweisungen[ANW_PERIODE + s] = uint8_t(r->periode);
        uint8_t b[320];
        Spielfeld_Anweisungen_Lesen(*r, b);
        vormerken(r, s, b);
        r->anweisungen[ANW_FLAGS + s] = 0;
    }
}

void Spielfeld_Anweisungen_Anwenden(Spielfeld_Record* r, int32_t m)
{
    if (!r) return;
    for (int32_t s = 0; s < 2; ++s) {
        uint8_t* a = r->aenderung[s];
        const uint8_t flags = a[A_FLAGS];
        if (!flags || m < int32_t(Bytes_Hole16(a + A_MINUTE))) continue;
        const uint32_t bits = ereignis_bits(*r, s, a, flags);
        if (flags & ANWEISUNG_TAKTIK) std::memcpy(r->taktik[s], a + A_TAKTIK, TAKTIKEN);
        if (flags & ANWEISUNG_EINSATZ) r->einsatz[s] = a[A_EINSATZ];
        if (flags & ANWEISUNG_SPIELER)
            for (int32_t i = 0; i < 8; ++i)
                for (int32_t j = 0; j < 16; ++j) r->spieler[16 * s + j].anweisung[ANWEISUNG_EINTRAG[i]] = a[A_SPIELER + 16 * i + j];
        if (flags & ANWEISUNG_WECHSEL)
            for (int32_t j = 0; j < LISTE; ++j) {
                r->einwechsel[s][j] = int8_t(a[A_LISTEN + j]);
                r->auswechsel[s][j] = int8_t(a[A_LISTEN + LISTE + j]);
            }
        a[A_FLAGS] = 0;
        if (!bits) continue;
        // The event goes straight into the header: the recorder keeps only play's events.
        r->kopf.code = EREIGNIS_TAKTIK | (s == 0 ? SPIELFELD_EREIGNIS_HEIM : 0);
        r->kopf.slot = uint8_t(s);
        r->kopf.zweiter = int16_t(bits);
        r->kopf.minute = r->minute;
        r->kopf.sekunden = r->sekunden;
        r->kopf.offen = 1;
        r->neuer_kopf = 1;
    }
}

bool Spielfeld_Aenderung_Gueltig(const uint8_t* a, int32_t seite)
{
    if (!a || seite < 0 || seite > 1 || a[A_FLAGS] > ALLE_FLAGS) return false;
    if (!a[A_FLAGS]) return true;  // nothing pending: the values are never used
    for (int32_t t = 0; t < TAKTIKEN; ++t)
        if (a[A_TAKTIK + t] > 2) return false;
    if (a[A_EINSATZ] > 100) return false;
    for (int32_t i = 0; i < 8; ++i)
        for (int32_t j = 0; j < 16; ++j)
            if (a[A_SPIELER + 16 * i + j] > ANWEISUNG_HOECHSTWERT[i]) return false;
    for (int32_t j = 0; j < 2 * LISTE; ++j)
        if (!listen_wert_gueltig(a[A_LISTEN + j], seite)) return false;
    return true;
}

int32_t Spielfeld_Aenderung_Minute(const Spielfeld_Record* r, int32_t seite)
{
    if (!r || seite < 0 || seite > 1 || !r->aenderung[seite][A_FLAGS]) return -1;
    return Bytes_Hole16(r->aenderung[seite] + A_MINUTE);
}
