#include "match/pitch/spielfeld_spieler.h"

#include <array>
#include <cmath>
#include <cstring>
#include <utility>

#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "economy/stadion.h"
#include "gameflow/globals.h"
#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_objekt.h"
#include "platform/print.h"
#include "platform/zufall.h"

const int32_t Spielfeld_Faehigkeit_Id[SPIELFELD_FAEHIGKEITEN] = {58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68,
                                                                 69, 70, 72, 73, 71, 74, 75, 79, 80, 81, 83};

namespace {

// The percentage table: the field values, 83, the goalkeeper's values and 93.
constexpr int32_t PROZENT_ID[23] = {58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 72, 73, 71, 74, 75, 83, 79, 80, 81, 93};

int32_t begrenzt(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }

}  // namespace

// An away player's share of his values where the home side has home right (the home side's is 92
// and its crowd's bonus). At 83 the home sides of some league seasons on the pitch won under a
// third of their games, where real leagues see some two in five; at 78 they win 37 to 47 in 100.
constexpr int32_t AUSWAERTS_FAKTOR = 78;

int32_t Spielfeld_Heim_Faktor(uint32_t modus, bool gast, int32_t i, int32_t v, int32_t zuschauer, int32_t s13, int32_t s14)
{
    const bool heimrecht = (modus & HEIMRECHT) != 0;
    int32_t f = gast && heimrecht ? AUSWAERTS_FAKTOR : 92;
    if (i == 20) return f;
    if (!gast && heimrecht) {
        int32_t w = s13 + s14 > 0 ? 100 * s14 / (s13 + s14) : 20;
        if (w < 20) w = 20;
        const int32_t plus = (zuschauer / 5000) * w / 100;
        f += plus < 8 ? plus : 8;
    }
    // The amateur home right weighs on the away side, the more the weaker its player. Only where
    // a competition grants it: taken the other way round it would cut every away player of every
    // ordinary league by up to three fifths and leave little to play for away from home.
    if (gast && (modus & AMATEUR_HEIMRECHT)) {
        int32_t g = (((100 - v / 10) * 2 + 100) * 70 + 3000) / 100;
        if (g == 0) g = 100;
        f = f * 100 / g;
    }
    return f;
}

namespace {

// The range of the value at each place of the skill table.
const std::array<std::pair<int32_t, int32_t>, SPIELFELD_FAEHIGKEITEN>& grenzen()
{
    static const auto tabelle = [] {
        std::array<std::pair<int32_t, int32_t>, SPIELFELD_FAEHIGKEITEN> t{};
        for (int32_t i = 0; i < SPIELFELD_FAEHIGKEITEN; ++i) Spieler_Wert_Min_Max(Spielfeld_Faehigkeit_Id[i], &t[size_t(i)].first, &t[size_t(i)].second);
        return t;
    }();
    return tabelle;
}

// What the skill values of a side take from its game and club: alike for each of its slots.
struct Staerke_Seite {
    int32_t temperatur = 15, bonus = 0, zuschauer = 0, s13 = 0, s14 = 0;
    bool malus = false;
    uint32_t modus = 0;
    // The home factor of every place but 20 where it does not hang on the value (all but the
    // away side under the amateur home right), else -1.
    int32_t faktor_fest = -1;
    // looked up once a side, not once a slot
    const std::array<std::pair<int32_t, int32_t>, SPIELFELD_FAEHIGKEITEN>& grenze = grenzen();

    Staerke_Seite(const Spielfeld_Record* r, int32_t team, bool gast)
    {
        const Spiele_Spiel* m = Spiele_Get_Spiel(int32_t(r->spiel), 0);
        temperatur = m ? m->temperatur : 15;
        if (team >= 0 && team < Team_Anzahl && Team_Hat_Manager(team)) {
            if (Schwierigkeitsstufe == 0) bonus = 40;
            else if (Schwierigkeitsstufe == 1) bonus = 20;
            else if (Schwierigkeitsstufe == 4) malus = true;
        }
        const Wettbewerb_Info* info = m ? Wettbewerb_Get_Info(m->wettbewerb) : nullptr;
        modus = info ? uint32_t(info->modus) : 0;
        zuschauer = m ? int32_t(m->zuschauer) : 0;
        const bool heimrecht = (modus & HEIMRECHT) && !gast;
        s13 = heimrecht ? Stadion_Get_Plaetze(int32_t(r->team[0]), 13) : 0;
        s14 = heimrecht ? Stadion_Get_Plaetze(int32_t(r->team[0]), 14) : 0;
        if (!(gast && (modus & AMATEUR_HEIMRECHT))) faktor_fest = Spielfeld_Heim_Faktor(modus, gast, 0, 0, zuschauer, s13, s14);
    }
};

// What the skill values of one slot are made of: the player, the game and the side.
struct Staerke_Rechnung : Staerke_Seite {
    int32_t team, spnr, seite_staerke, wert_89;
    bool gast, torwart;
    // Kind, form and place of the player, taken at the first value read (always place 0, Kraft,
    // whose read may raise his allrounder value) and shared by the values after it.
    mutable Spieler_Spielfeld_Lage lage;
    mutable bool lage_da = false;

    Staerke_Rechnung(Spielfeld_Record* r, int32_t team_, int32_t slot)
        : Staerke_Rechnung(r, team_, slot, Staerke_Seite(r, team_, slot >= 16))
    {
    }
    Staerke_Rechnung(Spielfeld_Record* r, int32_t team_, int32_t slot, const Staerke_Seite& seite)
        : Staerke_Seite(seite), team(team_)
    {
        Spielfeld_Spieler& e = r->spieler[slot];
        spnr = e.spnr;
        gast = slot >= 16;
        torwart = r->objekt[slot].torwart != 0;
        e.wert_89 = uint16_t(Spieler_Wert(89, spnr, 0, 0));
        wert_89 = e.wert_89;
        seite_staerke = r->staerke[gast ? 1 : 0];
    }

    // The adjusted value at place i of the skill table. Inline: the daily line-ups of the
    // background games ask for three fixed places of every player, whose tests then fold away.
    [[gnu::always_inline]] uint16_t wert(int32_t i) const
    {
        const int32_t id = Spielfeld_Faehigkeit_Id[i];
        const int32_t lo = grenze[size_t(i)].first, hi = grenze[size_t(i)].second;
        if (!lage_da) {
            lage = Spieler_Spielfeld_Lage_Holen(team, spnr, id);
            lage_da = true;
        }
        int32_t v = Spieler_Spielfeld_Staerke(lage, id);
        if (temperatur > 28 && id >= 58 && id <= 60 && v > 800) v = 800;
        if (temperatur < 0 && id >= 61 && id <= 63 && v > 800) v = 800;
        if (bonus) v = v * (100 + bonus) / 100;
        if (malus) v = v * 50 / 100;
        if (v > hi) v = hi;
        if (hi != lo) v = v * 1000 / (hi - lo);
        if (id >= 79 && id <= 81) v = (50 * v + 50 * Spieler_Spielfeld_Staerke(lage, 93)) / 100;
        v = (400 * seite_staerke + 60 * v) / 100;
        if (i >= 9 && i != 20) v = (60 * v + 40 * wert_89) / 100;
        if (!torwart && i != 20) {
            const int32_t f = faktor_fest >= 0 ? faktor_fest : Spielfeld_Heim_Faktor(modus, gast, i, v, zuschauer, s13, s14);
            v = v * f / 100;
        }
        return uint16_t(begrenzt(v, 0, 999));
    }
};

// Kraft and Fitness from the values at their places.
void kraft_fitness(Spielfeld_Spieler& e, bool torwart)
{
    if (e.faehigkeit[FAEHIGKEIT_83] < 500) e.faehigkeit[FAEHIGKEIT_83] = 0;
    if (torwart) {
        e.kraft = 9999;
        e.fitness = 100;
    } else {
        e.kraft = uint32_t((1000 - e.faehigkeit[FAEHIGKEIT_83]) * 2 + 3 * e.faehigkeit[FAEHIGKEIT_KRAFT] + 5000);
        e.fitness = int16_t((1100 - e.faehigkeit[FAEHIGKEIT_AUSDAUER]) / 2);
    }
}

bool slot_pruefen(const Spielfeld_Record* r, int32_t slot)
{
    if (!Spielfeld_Ist_Initialisiert()) return false;
    if (!r || slot < 0 || slot >= SPIELFELD_SLOTS) {
        Print_Fehler("Spielfeld_Get_Spielerstaerke %d", slot);
        return false;
    }
    return true;
}

}  // namespace

void Spielfeld_Get_Spielerstaerke(Spielfeld_Record* r, int32_t team, int32_t slot)
{
    if (!slot_pruefen(r, slot)) return;
    Spielfeld_Spieler& e = r->spieler[slot];
    const Staerke_Rechnung k(r, team, slot);
    const int32_t roh_id[4] = {68, 69, 70, 74};
    for (int32_t j = 0; j < 4; ++j) e.roh[j] = uint8_t(Spieler_Wert(roh_id[j], k.spnr, 0, 0));
    for (int32_t i = 0; i < SPIELFELD_FAEHIGKEITEN; ++i) e.faehigkeit[i] = k.wert(i);
    if (k.torwart) e.faehigkeit[FAEHIGKEIT_ZWEIKAMPF] = e.faehigkeit[FAEHIGKEIT_SPRITZIGKEIT] = e.faehigkeit[FAEHIGKEIT_HERAUSLAUFEN];
    kraft_fitness(e, k.torwart);
}

namespace {

void kraft_eintragen(Spielfeld_Record* r, int32_t slot, const Staerke_Rechnung& k)
{
    Spielfeld_Spieler& e = r->spieler[slot];
    e.faehigkeit[FAEHIGKEIT_KRAFT] = k.wert(FAEHIGKEIT_KRAFT);
    e.faehigkeit[FAEHIGKEIT_AUSDAUER] = k.wert(FAEHIGKEIT_AUSDAUER);
    e.faehigkeit[FAEHIGKEIT_83] = k.wert(FAEHIGKEIT_83);
    kraft_fitness(e, k.torwart);
}

}  // namespace

void Spielfeld_Get_Spielerkraft(Spielfeld_Record* r, int32_t team, int32_t slot)
{
    if (!slot_pruefen(r, slot)) return;
    kraft_eintragen(r, slot, Staerke_Rechnung(r, team, slot));
}

void Spielfeld_Get_Spielerkraft_Seite(Spielfeld_Record* r, int32_t seite)
{
    if (!slot_pruefen(r, 16 * seite)) return;
    const int32_t team = int32_t(r->team[seite]);
    const Staerke_Seite s(r, team, seite == 1);
    for (int32_t slot = 16 * seite; slot < 16 * seite + 16; ++slot)
        if (r->spieler[slot].spnr >= 0) kraft_eintragen(r, slot, Staerke_Rechnung(r, team, slot, s));
}

void Spieler_Werte_Prozent_Setzen(int32_t team, int32_t p)
{
    if (team < 0 || team >= Team_Anzahl) return;
    p = begrenzt(p, 0, 100);
    int32_t feld[50];
    const int32_t n = Teamspieler_Ins_Array(team, feld, 50, 0);
    for (int32_t k = 0; k < n && k < 50; ++k) {
        const bool torwart = Spieler_Wert(50, feld[k], 0, 0) == 0;
        for (int32_t i = torwart ? 18 : 0; i <= (torwart ? 22 : 18); ++i) {
            const int32_t id = PROZENT_ID[i];
            int32_t lo = 0, hi = 0;
            Spieler_Wert_Min_Max(id, &lo, &hi);
            const int32_t v = id == 83 ? 100 - hi * p / 100 : hi * p / 100;
            Spieler_Wert(id, feld[k], begrenzt(v, lo, hi), 1);
        }
    }
}

bool Spielfeld_Get_Spieler_Kraft_Fitness(const Spielfeld_Record* r, int32_t slot, Spielfeld_Kraft_Fitness* aus)
{
    if (!r || !aus || slot < 0 || slot >= SPIELFELD_SLOTS) return false;
    const Spielfeld_Spieler& e = r->spieler[slot];
    const char* name = e.spnr >= 0 ? Spieler_String(45, e.spnr, nullptr, 0) : nullptr;
    aus->name = name ? name : "";
    aus->nummer = int8_t(e.anweisung[2]);
    aus->kraft_text = "Kraft:";
    aus->kraft = int32_t(e.kraft);
    aus->fitness_text = "Fitness:";
    aus->fitness = e.fitness;
    aus->leer[0] = aus->leer[1] = "";
    aus->leer_wert[0] = aus->leer_wert[1] = 0;
    return true;
}

int32_t Spielfeld_Laufweg_Zaehler(const Spielfeld_Spieler* e, int32_t spalte, int32_t zeile)
{
    if (!e || spalte < 0 || spalte > 9 || zeile < 0 || zeile > 9) return 0;
    const int32_t c = spalte + 10 * zeile;
    return (e->praesenz[c / 4] >> (2 * (c % 4))) & 3;
}

static void zaehler_setzen(Spielfeld_Spieler& e, int32_t c, int32_t wert)
{
    const int32_t schieben = 2 * (c % 4);
    e.praesenz[c / 4] = uint8_t((e.praesenz[c / 4] & ~(3 << schieben)) | (wert << schieben));
}

void Spielfeld_Laufweg_Eintragen(Spielfeld_Record* r, Spielfeld_Spieler* e, float x, float y)
{
    if (!r || !e) return;
    const int32_t spalte = begrenzt(int32_t(x / 1080.0f), 0, 9);
    const int32_t zeile = begrenzt(int32_t(y / 680.0f), 0, 9);
    if (spalte == e->raster_spalte && zeile == e->raster_zeile) return;
    e->raster_spalte = uint8_t(spalte);
    e->raster_zeile = uint8_t(zeile);
    const int32_t n = Spielfeld_Laufweg_Zaehler(e, spalte, zeile);
    if (n < 3) zaehler_setzen(*e, spalte + 10 * zeile, n + 1);
}

void Spielfeld_Laufwege_Spiegeln(Spielfeld_Record* r)
{
    if (!r) return;
    // Seen from the other end cell c is cell 99 - c: the bytes of four counters each come in
    // reverse order, and so do the counters within a byte (a byte's turn read from a table).
    static constexpr auto GEDREHT = [] {
        std::array<uint8_t, 256> t{};
        for (uint32_t b = 0; b < 256; ++b) t[b] = uint8_t((b & 3) << 6 | (b >> 2 & 3) << 4 | (b >> 4 & 3) << 2 | b >> 6);
        return t;
    }();
    static_assert(sizeof r->spieler[0].praesenz == 25);
    for (Spielfeld_Spieler& e : r->spieler) {
        // Nowhere run yet (every player of a game off the pitch): nothing to turn.
        uint64_t w[3];
        std::memcpy(w, e.praesenz, sizeof w);
        if ((w[0] | w[1] | w[2] | e.praesenz[24]) == 0) continue;
        uint8_t alt[sizeof e.praesenz];
        std::memcpy(alt, e.praesenz, sizeof alt);
        for (size_t i = 0; i < sizeof alt; ++i) e.praesenz[sizeof alt - 1 - i] = GEDREHT[alt[i]];
    }
}

float Spielfeld_Ballweg_Abstand(float x1, float y1, float x2, float y2, float px, float py, float* fx, float* fy)
{
    float x = 0.0f, y = 0.0f;
    if (x1 == x2) {
        x = x1;
        y = (y1 + y2) / 2.0f;
    } else if (y1 == y2) {
        x = (x1 + x2) / 2.0f;
        y = y1;
    } else {
        float m = (y2 - y1) / (x2 - x1);
        float c = y1 - m * x1;
        // A line through the origin has no intercepts to form it from: move it a little.
        for (int32_t i = 0; c == 0.0f && i < 16; ++i) {
            if (x1 + y1 == 0.0f) x1 += 0.001f;
            else y2 += 0.001f;
            m = (y2 - y1) / (x2 - x1);
            c = y1 - m * x1;
        }
        x = (px + m * py - m * c) / (1.0f + m * m);
        y = m * x + c;
        const float rand_ = 0.04f * std::fabs(y2 - y1);
        const bool drin = y1 < y2 ? y >= y1 && y <= y2 + rand_ : y <= y1 && y >= y2 - rand_;
        if (!drin) return -1.0f;
        if (fx) *fx = x;
        if (fy) *fy = y;
        return m == 0.0f ? 0.0f : std::fabs(m * px - py + c) / std::sqrt(m * m + 1.0f);
    }
    if (fx) *fx = x;
    if (fy) *fy = y;
    return std::sqrt((px - x) * (px - x) + (py - y) * (py - y));
}

float Spielfeld_Linie_Schneiden(float x1, float y1, float x2, float y2, float X)
{
    if (x2 == x1) x2 += 0.001f;
    return (X * (y2 - y1) - y2 * x1 + x2 * y1) / (x2 - x1);
}

void Spielfeld_Animation_Variieren(Spielfeld_Objekt* o)
{
    if (!o) return;
    static constexpr int32_t RUHE[6] = {0, 1, 5, 6, 7, 8};
    const int32_t wurf = Zufall(0, 1);
    if (wurf != 0) return;
    Spielfeld_Auftrag* a = Spielfeld_Aktueller_Auftrag(o);
    for (int32_t k : RUHE)
        if (a->animation == k) {
            const int32_t neu = Zufall(0, 5);
            a->animation = RUHE[neu];
            return;
        }
}

bool Spielfeld_Schiedsrichter_Bereit(const Spielfeld_Record* r)
{
    if (!r) return false;
    const Spielfeld_Objekt& o = r->objekt[SPIELFELD_SCHIEDSRICHTER];
    const Spielfeld_Auftrag& a = o.auftrag[o.ring & 3];
    return o.vx == 0.0f && o.vy == 0.0f && a.animation != ANIM_PFIFF && a.art == 0;
}
