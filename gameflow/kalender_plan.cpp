// The season's schedule: which competition plays which match day and leg on which day.
//
// Week w of a season covers the days start + 7w .. start + 7w + 6. Leagues play on their
// WOCHENTAG in the weeks STARTWOCHE..ENDWOCHE outside SPIELFREI_START..SPIELFREI_ENDE, spread
// evenly; match days beyond those weekends go to Wednesdays of the earliest weeks without cup or
// international rounds. Every other competition places its match days (a KO round's legs one
// week apart, two with RUECKSPIEL_NACH_ZWEI_WOCHEN) spread over its weeks, each round after the
// previous round's last leg, parallel groups on the same days, and never in a week in which a
// competition that can share a club with it plays. No day takes more games than the pitch list
// holds.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "competitions/wettbewerb.h"
#include "gameflow/kalender.h"
#include "gameflow/globals.h"
#include "platform/disk.h"
#include "platform/print.h"
#include "gameflow/team_requester.h"

namespace {

struct Termin {
    int32_t tag;
    int32_t wettbewerb;
    int32_t spieltag;
    int32_t runde;
    int32_t position;  // KALENDER_POSITION, orders one day's competitions
};

std::vector<Termin> plan;
int32_t plan_start = 0;
std::string plan_fehler;

constexpr int32_t TAG_SPIELE_MAX = 200;   // the pitch list's size
constexpr int32_t MITTWOCH = 4;

bool frueher(const Termin& a, const Termin& b)
{
    if (a.tag != b.tag) return a.tag < b.tag;
    if (a.position != b.position) return a.position < b.position;
    if (a.wettbewerb != b.wettbewerb) return a.wettbewerb < b.wettbewerb;
    return a.runde < b.runde;
}

std::pair<std::vector<Termin>::const_iterator, std::vector<Termin>::const_iterator> am_tag(int32_t tag)
{
    auto lo = std::lower_bound(plan.cbegin(), plan.cend(), tag, [](const Termin& t, int32_t d) { return t.tag < d; });
    auto hi = std::upper_bound(lo, plan.cend(), tag, [](int32_t d, const Termin& t) { return d < t.tag; });
    return {lo, hi};
}

// ---- Building ----

struct Bau {
    int32_t start = 0;
    int32_t laenge = 365;
    std::vector<int32_t> spiele;                       // games per day of the season
    std::vector<std::vector<int32_t>> woche_laender;   // per week: LAND of each cup-type round (-1 none)
    std::vector<Termin> neu;
    std::string fehler;

    int32_t wochen() const { return (laenge + 6) / 7; }
    // The season day (offset) of a weekday in a week, -1 beyond the season.
    int32_t tag(int32_t woche, int32_t wochentag) const
    {
        const int32_t erster = Kalender_Get_Wochentag(start + 7 * woche);
        const int32_t t = 7 * woche + (wochentag - erster + 7) % 7;
        return woche >= 0 && t < laenge ? t : -1;
    }
};

std::string bezeichnung(const Wettbewerb_Datensatz& w)
{
    return w.gruppen_name[0] ? std::string(w.name) + " " + w.gruppen_name : std::string(w.name);
}

bool verweigern(Bau& b, const Wettbewerb_Datensatz& w, const char* grund)
{
    char text[300];
    std::snprintf(text, sizeof text, "Der Wettbewerb \"%s\" (%s) passt nicht in den Kalender: %s", bezeichnung(w).c_str(),
                  w.identifikation, grund);
    b.fehler = text;
    return false;
}

bool ist_liga(const Wettbewerb_Datensatz& w) { return !(w.modus & KO_SYSTEM) && (w.basisliga || w.super_art == SA_LIGA); }

int32_t legs(const Wettbewerb_Datensatz& w)
{
    return (w.modus & KO_SYSTEM) && (w.modus & RUECKSPIELE) ? std::max(2, w.best_of_x) : 1;
}

bool spielfrei(const Wettbewerb_Datensatz& w, int32_t woche)
{
    return w.spielfrei_start >= 0 && w.spielfrei_ende >= w.spielfrei_start && woche >= w.spielfrei_start &&
           woche <= w.spielfrei_ende;
}

// Games of one match day of a round, all its parallel groups together.
int32_t spiele_des_spieltags(const std::vector<Wettbewerb_Datensatz*>& gruppen, int32_t spieltag)
{
    int32_t n = 0;
    for (const Wettbewerb_Datensatz* g : gruppen) n += std::max(1, Wettbewerb_Paarungen_Zaehlen(g, spieltag));
    return n;
}

bool teilen_verein(int32_t land_a, int32_t land_b) { return land_a < 0 || land_b < 0 || land_a == land_b; }

void eintragen(Bau& b, const std::vector<Wettbewerb_Datensatz*>& gruppen, int32_t spieltag, int32_t runde, int32_t tag,
               int32_t spiele)
{
    for (const Wettbewerb_Datensatz* g : gruppen)
        b.neu.push_back({b.start + tag, g->id, spieltag, runde, g->kalender_position});
    b.spiele[size_t(tag)] += spiele;
}

bool wochen_pruefen(Bau& b, const Wettbewerb_Datensatz& w)
{
    if (w.startwoche > w.endwoche) return verweigern(b, w, "STARTWOCHE liegt hinter ENDWOCHE");
    if (w.endwoche >= b.wochen()) return verweigern(b, w, "ENDWOCHE liegt hinter dem Saisonende");
    return true;
}

bool liga_legen(Bau& b, Wettbewerb_Datensatz& w)
{
    if (w.endwoche == Wettbewerb_Leerer_Datensatz.endwoche) return verweigern(b, w, "keine ENDWOCHE");
    if (!wochen_pruefen(b, w)) return false;
    std::vector<int32_t> tage;
    for (int32_t k = w.startwoche; k <= w.endwoche; ++k)
        if (!spielfrei(w, k) && b.tag(k, w.wochentag) >= 0) tage.push_back(b.tag(k, w.wochentag));
    const int32_t n = w.spieltage;
    std::vector<int32_t> gewaehlt;
    if (n <= int32_t(tage.size())) {
        for (int32_t i = 0; i < n; ++i) gewaehlt.push_back(tage[size_t(int64_t(i) * int64_t(tage.size()) / n)]);
    } else {
        gewaehlt = tage;
        for (int32_t k = w.startwoche; k <= w.endwoche && int32_t(gewaehlt.size()) < n; ++k) {
            const int32_t t = b.tag(k, MITTWOCH);
            if (t >= 0 && !spielfrei(w, k) && b.woche_laender[size_t(k)].empty()) gewaehlt.push_back(t);
        }
        if (int32_t(gewaehlt.size()) < n) return verweigern(b, w, "zu wenige Spielwochen");
        std::sort(gewaehlt.begin(), gewaehlt.end());
    }
    const std::vector<Wettbewerb_Datensatz*> allein{&w};
    for (int32_t i = 0; i < n; ++i) {
        const int32_t s = spiele_des_spieltags(allein, i);
        if (b.spiele[size_t(gewaehlt[size_t(i)])] + s > TAG_SPIELE_MAX)
            return verweigern(b, w, "mehr als 200 Spiele an einem Tag");
        eintragen(b, allein, i, 0, gewaehlt[size_t(i)], s);
    }
    return true;
}

// A round (with its parallel groups) no earlier than week `ab`; the week after its last leg
// goes back through `ab`.
bool runde_legen(Bau& b, std::vector<Wettbewerb_Datensatz*>& gruppen, int32_t& ab)
{
    Wettbewerb_Datensatz& w = *gruppen[0];
    if (!wochen_pruefen(b, w)) return false;
    const int32_t n = w.spieltage;
    const int32_t l = legs(w);
    const int32_t abstand = w.rueckspiel_nach_zwei_wochen ? 2 : 1;
    std::vector<int32_t> wochen;
    for (int32_t k = w.startwoche; k <= w.endwoche; ++k)
        if (!spielfrei(w, k)) wochen.push_back(k);
    if (wochen.empty()) return verweigern(b, w, "keine Spielwoche");
    // Spread over the weeks that are not off, room left for the last match day's second leg.
    const int64_t spanne = std::max<int64_t>(1, int64_t(wochen.size()) - (l - 1) * abstand);
    for (int32_t i = 0; i < n; ++i) {
        int32_t ideal = wochen[size_t(std::min<int64_t>(i * spanne / n, int64_t(wochen.size()) - 1))];
        if (i == 0 && w.qualiwoche >= 0) ideal = w.qualiwoche;
        const int32_t spiele = spiele_des_spieltags(gruppen, i);
        int32_t gefunden = -1;
        for (int32_t k = std::max(ideal, ab); gefunden < 0 && k + (l - 1) * abstand <= w.endwoche; ++k) {
            bool frei = true;
            for (int32_t r = 0; r < l && frei; ++r) {
                const int32_t woche = k + r * abstand;
                const int32_t t = b.tag(woche, w.wochentag);
                frei = t >= 0 && !spielfrei(w, woche) && b.spiele[size_t(t)] + spiele <= TAG_SPIELE_MAX;
                if (!frei) break;
                for (int32_t land : b.woche_laender[size_t(woche)])
                    if (teilen_verein(land, w.land)) frei = false;
            }
            if (frei) gefunden = k;
            if (i == 0 && w.qualiwoche >= 0) break;   // the qualifying week is fixed
        }
        if (gefunden < 0) return verweigern(b, w, "keine freie Spielwoche");
        for (int32_t r = 0; r < l; ++r) {
            const int32_t woche = gefunden + r * abstand;
            eintragen(b, gruppen, i, r, b.tag(woche, w.wochentag), spiele);
            b.woche_laender[size_t(woche)].push_back(w.land);
        }
        ab = gefunden + (l - 1) * abstand + 1;
    }
    return true;
}

std::vector<Wettbewerb_Datensatz*> gruppen_von(Wettbewerb_Datensatz* w)
{
    std::vector<Wettbewerb_Datensatz*> g;
    for (Wettbewerb_Datensatz* x = w; x && g.size() < size_t(WETTBEWERB_ANZAHL); x = Wettbewerb_Zeiger(x->vk.v[WV_NACHGRUPPE]))
        g.push_back(x);
    return g;
}

bool plan_bauen(Bau& b)
{
    std::vector<Wettbewerb_Datensatz*> ligen, ketten;
    for (int32_t id = Wettbewerb_Get_Erster(); id >= 0; id = Wettbewerb_Get_Naechster()) {
        Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(id));
        if (!w || w->schalter[4] || w->spieltage <= 0) continue;
        if (w->vk.v[WV_VORGRUPPE] >= 0 || w->vk.v[WV_VORRUNDE] >= 0) continue;
        (ist_liga(*w) ? ligen : ketten).push_back(w);
    }
    for (Wettbewerb_Datensatz* kopf : ketten) {
        int32_t ab = 0;
        for (Wettbewerb_Datensatz* r = kopf; r; r = Wettbewerb_Nachfolgerunde(r)) {
            std::vector<Wettbewerb_Datensatz*> g = gruppen_von(r);
            if (r->spieltage > 0 && !runde_legen(b, g, ab)) return false;
        }
    }
    for (Wettbewerb_Datensatz* w : ligen)
        for (Wettbewerb_Datensatz* g : gruppen_von(w))
            if (!liga_legen(b, *g)) return false;
    return true;
}

}  // namespace

bool Kalender_Spielplan_Anlegen(int32_t saisonstart)
{
    Bau b;
    b.start = saisonstart;
    const Kalender_Datum d = Kalender_Get_Datum(saisonstart, 0);
    b.laenge = Kalender_Get_Tagnummer(1, 7, d.jahr + 1) - saisonstart;
    b.spiele.assign(size_t(b.laenge), 0);
    b.woche_laender.assign(size_t(b.wochen()), {});
    if (!Wettbewerb_Bereit()) {
        plan_fehler = "Die Wettbewerbe sind nicht geladen.";
        Print_Fehler("Kalender_Spielplan_Anlegen: %s", plan_fehler.c_str());
        return false;
    }
    if (!plan_bauen(b)) {
        plan_fehler = b.fehler;
        Print_Fehler("%s", plan_fehler.c_str());
        return false;
    }
    std::sort(b.neu.begin(), b.neu.end(), frueher);
    plan = std::move(b.neu);
    plan_start = saisonstart;
    plan_fehler.clear();
    return true;
}

const char* Kalender_Spielplan_Fehler() { return plan_fehler.c_str(); }

void Kalender_Spielplan_Leeren()
{
    plan.clear();
    plan_start = 0;
}

bool Kalender_Spieltag_Einfuegen(int32_t wettbewerb, int32_t spieltag, int32_t tag)
{
    // An empty schedule belongs to the running season.
    if (plan.empty()) plan_start = Kalender_Get_Saisonstart();
    const Kalender_Datum d = Kalender_Get_Datum(plan_start, 0);
    const int32_t ende = Kalender_Get_Tagnummer(1, 7, d.jahr + 1);
    if (tag < plan_start || tag >= ende || wettbewerb < 0 || wettbewerb > WETTBEWERB_MAX_ID || spieltag < 0) {
        Print_Fehler("Kalender_Spieltag_Einfuegen: Tag %d außerhalb der Saison", tag);
        return false;
    }
    if (Kalender_Get_Spieltag_Nummer(tag, wettbewerb) >= 0) return false;
    const Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(wettbewerb));
    const Termin t{tag, wettbewerb, spieltag, 0, w ? w->kalender_position : 0};
    plan.insert(std::upper_bound(plan.begin(), plan.end(), t, frueher), t);
    return true;
}

int32_t Kalender_Get_Anzahl_Spiele(int32_t tag, int32_t, int32_t* ids)
{
    if (tag < 0) tag = Aktueller_Tag;
    auto [lo, hi] = am_tag(tag);
    int32_t n = 0, letzte = -1;
    for (auto it = lo; it != hi && n < 256; ++it) {
        if (it->wettbewerb == letzte) continue;   // both legs never fall on one day; guard anyway
        letzte = it->wettbewerb;
        if (ids) ids[n] = it->wettbewerb;
        ++n;
    }
    return n;
}

int32_t Kalender_Get_Spieltag_Nummer(int32_t tag, int32_t wettbewerb)
{
    auto [lo, hi] = am_tag(tag);
    for (auto it = lo; it != hi; ++it)
        if (it->wettbewerb == wettbewerb) return it->spieltag;
    return -1;
}

int32_t Kalender_Get_Spieltag_Tag(int32_t wettbewerb, int32_t spieltag, int32_t runde, int32_t)
{
    for (const Termin& t : plan)
        if (t.wettbewerb == wettbewerb && t.spieltag == spieltag && t.runde == runde) return t.tag;
    return -1;
}

bool Kalender_Lupe_Aktiv() { return false; }

void Kalender_Lupe_Auf_Tag(int32_t tag)
{
    int32_t ids[256];
    const int32_t n = Kalender_Get_Anzahl_Spiele(tag, 1, ids);
    std::string text = std::string(Kalender_Get_Datum_String_Knapp(tag, 1)) + ":";
    if (!n) text += "\nKeine Spiele";
    for (int32_t i = 0; i < n; ++i) {
        const Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(ids[i]));
        if (w) text += "\n" + bezeichnung(*w);
    }
    Team_Requester(0, -1, "%s", text.c_str());
}

// Savegame image: i32 season start, u32 count, then per entry i32 day, u8 competition id,
// u8 match day, u8 leg, u8 KALENDER_POSITION.
constexpr uint32_t TERMIN_BYTES = 8;

void Kalender_Spielplan_Bytes(uint8_t* ziel, uint32_t* laenge)
{
    *laenge = 8 + TERMIN_BYTES * uint32_t(plan.size());
    if (!ziel) return;
    Disk_LE32_Setzen(ziel, uint32_t(plan_start));
    Disk_LE32_Setzen(ziel + 4, uint32_t(plan.size()));
    uint8_t* p = ziel + 8;
    for (const Termin& t : plan) {
        Disk_LE32_Setzen(p, uint32_t(t.tag));
        p[4] = uint8_t(t.wettbewerb);
        p[5] = uint8_t(t.spieltag);
        p[6] = uint8_t(t.runde);
        p[7] = uint8_t(t.position);
        p += TERMIN_BYTES;
    }
}

namespace {

// The entries of a schedule image into `neu`; false (with its message) when the image does not
// belong to the season or holds an entry outside it.
bool plan_lesen(const uint8_t* daten, uint32_t laenge, int32_t saisonstart, std::vector<Termin>* neu)
{
    if (!daten || laenge < 8) return false;
    const int32_t start = int32_t(Disk_LE32_Lesen(daten));
    const uint32_t anzahl = Disk_LE32_Lesen(daten + 4);
    if ((start != saisonstart && anzahl > 0) || anzahl > (laenge - 8) / TERMIN_BYTES || laenge != 8 + TERMIN_BYTES * anzahl) {
        Print_Fehler("Kalender: Spielplan im Spielstand passt nicht zur Saison");
        return false;
    }
    neu->reserve(anzahl);
    const uint8_t* p = daten + 8;
    for (uint32_t i = 0; i < anzahl; ++i, p += TERMIN_BYTES) {
        const Termin t{int32_t(Disk_LE32_Lesen(p)), p[4], p[5], p[6], p[7]};
        if (t.tag < start || t.tag >= start + 366 || t.spieltag >= WETTBEWERB_MAX_SPIELTAGE) {
            Print_Fehler("Kalender: Spieltermin %u im Spielstand ungültig", i);
            return false;
        }
        neu->push_back(t);
    }
    return true;
}

}  // namespace

bool Kalender_Spielplan_Pruefen(const uint8_t* daten, uint32_t laenge, int32_t saisonstart)
{
    std::vector<Termin> neu;
    return plan_lesen(daten, laenge, saisonstart, &neu);
}

bool Kalender_Spielplan_Aus_Bytes(const uint8_t* daten, uint32_t laenge, int32_t saisonstart)
{
    std::vector<Termin> neu;
    if (!plan_lesen(daten, laenge, saisonstart, &neu)) return false;
    std::sort(neu.begin(), neu.end(), frueher);
    plan = std::move(neu);
    plan_start = int32_t(Disk_LE32_Lesen(daten));
    return true;
}
