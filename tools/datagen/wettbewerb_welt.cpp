// The step "wettbewerbe": the competitions of the generated world as 1_wettbewerb.cfg and
// 1_wettbewerb_alias.cfg, in the form the game's competition reader takes.
//
// Structure: every nation with clubs in leagues gets its league tiers (one league a tier,
// linked by promotion and relegation) and, with at least four clubs, a knock-out cup. Three
// international club competitions follow: the champions' cup (groups of four, then knock-out
// rounds), the cup winners' cup and the continental cup (knock-out, two legs). They are fed by
// the places of the top leagues and the cup finals; their first season's entrants are the
// clubs that stand on those places in the team file's order.
//
// Ids: leagues 1.. (nation by nation, top tier first), cups 128 + nation index, the
// international competitions 200 upward.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "economy/stadion.h"
#include "platform/win95.h"
#include "tools/datagen/config_writer.h"
#include "tools/datagen/datagen.h"
#include "tools/datagen/menue_bilder.h"
#include "tools/datagen/welt.h"

namespace {

constexpr int32_t POKAL_ID_BASIS = 128;
constexpr int32_t INTERNATIONAL_ID_BASIS = 200;
constexpr int32_t TAG_SPIELE_MAX = 200;   // games the calendar takes on one day

struct Wb {
    int32_t id = -1;
    std::string name, gruppen_name;
    int32_t teams = 0, spieltage = 0;
    uint32_t modus = 0;
    std::string super_art;
    int32_t wochentag = 0;
    std::vector<std::string> quali_fuer[WETTBEWERB_ZIEL_LISTEN];  // identifications, "" = NIX
    int32_t unterliga = -1, parallelgruppe = -1, nachfolgerunde = -1;  // ids
    std::vector<int32_t> start;
    int32_t best_of_x = 1;
    int32_t land = -1;
    std::vector<int32_t> rundentexte;
    int32_t grafik = 0;   // GRAFIK_NUMMER, one per competition name
    int32_t wichtig = 50;
    int32_t sieg_praemie = 0, unentschieden_praemie = 0, antritts_praemie = 0;
    bool pokal_praemie = false, basisliga = false, mischen = false;
    int32_t kalender_position = 0;
    int32_t abstieg = 0;   // places that go down at the season's end
    int32_t weiterkomm = -1;   // a group's places that go on to the next round
    // Season weeks (week w = days 7w..7w+6 from 1 July); the template's values mean none.
    int32_t startwoche = 0, endwoche = 0, spielfrei_start = -1, spielfrei_ende = -1, qualiwoche = -1;
};

std::string ident(int32_t id) { return "ALI_" + std::to_string(id); }

// A knock-out competition of n = 2^k clubs: one match day per round, named by the clubs left.
void ko_runden(Wb& w, int32_t n)
{
    w.teams = n;
    w.spieltage = 0;
    w.rundentexte.clear();
    int32_t nummer = 1;
    for (int32_t rest = n; rest >= 2; rest /= 2) {
        int32_t rt = rest == 2 ? RT_FINALE : rest == 4 ? RT_HALBFINALE : rest == 8 ? RT_VIERTELFINALE
                   : rest == 16 ? RT_ACHTELFINALE : nummer <= 4 ? RT_ERSTE_RUNDE + nummer - 1 : RT_SPIELTAG;
        w.rundentexte.push_back(rt);
        ++w.spieltage;
        ++nummer;
    }
}

int32_t zweierpotenz_bis(int32_t n)
{
    int32_t p = 1;
    while (p * 2 <= n) p *= 2;
    return p;
}

int32_t zweierpotenz_ab(int32_t n)
{
    int32_t p = 1;
    while (p < n) p *= 2;
    return p;
}

struct Quelle {
    size_t wb;       // index of the league or cup
    int32_t platz;
};

struct Bauplan {
    const Welt& welt;
    std::vector<Wb> wbs;
    std::map<int32_t, size_t> per_id;
    std::set<int32_t> vergeben;  // clubs already in an international competition's first season

    explicit Bauplan(const Welt& w) : welt(w) {}

    Wb& neu(int32_t id)
    {
        per_id[id] = wbs.size();
        wbs.emplace_back();
        wbs.back().id = id;
        return wbs.back();
    }

    void ziel(size_t von, int32_t liste, int32_t platz, int32_t ziel_id)
    {
        auto& l = wbs[von].quali_fuer[liste];
        if (l.size() <= static_cast<size_t>(platz)) l.resize(static_cast<size_t>(platz) + 1);
        l[static_cast<size_t>(platz)] = ident(ziel_id);
    }

    // The club on a place in the first season: the league's or cup's clubs in file order.
    int32_t club_auf(size_t wb, int32_t platz)
    {
        const std::vector<int32_t>& s = wbs[wb].start;
        for (size_t i = static_cast<size_t>(platz); i < s.size(); ++i)
            if (!vergeben.count(s[i])) {
                vergeben.insert(s[i]);
                return s[i];
            }
        return -1;
    }
};

// A league's standing, falling by tier: what draws its season-ticket buyers (with the squad and
// the cups) and weighs with a club asked for a friendly. A fourth tier stands as the third: at
// 20 its clubs, their squads at the strength floor, sold half the third tier's season tickets
// and lived on the edge of debt for ever. The tier the large world adds below a country's only
// league, the country's other clubs, draws the most: at a second tier's 65 its clubs began with
// a season's tickets far below what each season then left them, and their squads, as strong as
// such a gate pays for (see the world model), owed more at a season's end than the world held.
int32_t liga_ansehen(const Welt_Liga& liga, size_t stufe)
{
    if (liga.zugefuegt && stufe == 1) return 100;
    return std::max(40, 90 - 25 * static_cast<int32_t>(stufe));
}

// Leagues and cups of every nation. Returns per nation the index of its top league (or
// SIZE_MAX) and of its cup (or SIZE_MAX).
void nationen_bauen(Bauplan& b, std::vector<size_t>& top, std::vector<size_t>& pokal)
{
    int32_t liga_id = 1, ausser_heimat = 0;
    int32_t wochenende[2] = {0, 0};   // league games of a weekend's Saturday and Sunday
    for (size_t ni = 0; ni < b.welt.nationen.size(); ++ni) {
        const Welt_Nation& n = b.welt.nationen[ni];
        top.push_back(SIZE_MAX);
        pokal.push_back(SIZE_MAX);
        std::vector<size_t> stufen;
        for (const Welt_Liga& l : n.ligen) {
            if (l.teams.empty()) continue;
            Wb& w = b.neu(liga_id++);
            w.name = n.heimatland ? l.name : n.name + " " + l.name;
            w.teams = static_cast<int32_t>(l.teams.size());
            w.spieltage = Welt_Liga_Spieltage(w.teams);
            w.modus = RUECKSPIELE | HEIMRECHT | ENGLISCHE_TABELLE;
            w.super_art = "LIGA";
            w.start = l.teams;
            w.land = n.land_team;
            w.basisliga = true;
            // Home leagues play on Saturday, the others on Sunday; a league that would
            // overfill its day takes the other one.
            const int32_t spiele = (w.teams + 1) / 2;
            w.wochentag = n.heimatland ? 0 : 1;
            if (wochenende[w.wochentag] + spiele > TAG_SPIELE_MAX) w.wochentag = 1 - w.wochentag;
            wochenende[w.wochentag] += spiele;
            w.kalender_position = n.heimatland ? static_cast<int32_t>(stufen.size()) : 4 + (ausser_heimat % 2);
            w.wichtig = liga_ansehen(l, stufen.size());
            stufen.push_back(b.wbs.size() - 1);
        }
        if (!n.heimatland && !stufen.empty()) ++ausser_heimat;
        // Promotion and relegation between neighbouring tiers; every other place stays.
        for (size_t s = 0; s < stufen.size(); ++s) {
            Wb& w = b.wbs[stufen[s]];
            for (int32_t p = 0; p < w.teams; ++p) b.ziel(stufen[s], 0, p, w.id);
        }
        for (size_t s = 0; s + 1 < stufen.size(); ++s) {
            Wb& oben = b.wbs[stufen[s]];
            Wb& unten = b.wbs[stufen[s + 1]];
            oben.unterliga = unten.id;
            int32_t k = std::min(oben.teams, unten.teams) >= 16 ? 3 : std::min(oben.teams, unten.teams) >= 8 ? 2 : 1;
            for (int32_t i = 0; i < k; ++i) {
                b.ziel(stufen[s], 0, oben.teams - 1 - i, unten.id);
                oben.abstieg = k;
                b.ziel(stufen[s + 1], 0, i, oben.id);
            }
        }
        if (!stufen.empty()) top[ni] = stufen[0];

        int32_t vereine = static_cast<int32_t>(n.pokal_teams.size());
        if (vereine >= 4) {
            Wb& p = b.neu(POKAL_ID_BASIS + static_cast<int32_t>(ni));
            p.name = n.heimatland ? "Pokal" : "Pokal " + n.name;
            ko_runden(p, std::min(zweierpotenz_bis(vereine), WETTBEWERB_MAX_TEAMS));
            p.modus = KO_SYSTEM | HEIMRECHT | VERLAENGERUNG | ELFMETERSCHIESSEN | LOSEN;
            p.super_art = "POKAL";
            p.start.assign(n.pokal_teams.begin(), n.pokal_teams.begin() + p.teams);
            p.land = n.land_team;
            p.wochentag = 4;
            p.wichtig = 60;
            p.pokal_praemie = true;
            p.antritts_praemie = 25000;
            pokal[ni] = b.wbs.size() - 1;
        }
    }
}

// An international knock-out competition of the first `anzahl` sources.
void international_ko(Bauplan& b, int32_t id, const char* name, const std::vector<Quelle>& quellen, int32_t liste,
                      int32_t wichtig)
{
    int32_t n = static_cast<int32_t>(quellen.size());
    Wb& w = b.neu(id);
    w.name = name;
    ko_runden(w, n);
    w.modus = KO_SYSTEM | RUECKSPIELE | HEIMRECHT | VERLAENGERUNG | ELFMETERSCHIESSEN | LOSEN | SCHIRI_NICHT_AUS_TEAMLAND;
    w.best_of_x = 2;
    w.super_art = "INTERNATIONAL";
    w.wochentag = 4;
    w.wichtig = wichtig;
    w.sieg_praemie = 400000;
    w.unentschieden_praemie = 200000;
    w.antritts_praemie = 750000;
    w.mischen = true;
    size_t wi = b.wbs.size() - 1;
    for (const Quelle& q : quellen) {
        b.ziel(q.wb, liste, q.platz, id);
        int32_t club = b.club_auf(q.wb, q.platz);
        if (club >= 0) b.wbs[wi].start.push_back(club);
    }
}

// The champions' cup: groups of four (league form, two legs), group winners and runners-up
// into knock-out rounds.
void meisterpokal(Bauplan& b, const std::vector<Quelle>& quellen)
{
    int32_t n = static_cast<int32_t>(quellen.size());
    int32_t gruppen = std::max(1, n / 4);
    int32_t ko_id = INTERNATIONAL_ID_BASIS + gruppen;
    std::vector<size_t> g_index;
    for (int32_t g = 0; g < gruppen; ++g) {
        Wb& w = b.neu(INTERNATIONAL_ID_BASIS + g);
        w.name = "Meisterpokal";
        char gn[16];
        std::snprintf(gn, sizeof gn, "Gruppe %c", 'A' + g);
        w.gruppen_name = gn;
        w.teams = 4;
        w.spieltage = 6;
        w.modus = RUECKSPIELE | HEIMRECHT | ENGLISCHE_TABELLE | SCHIRI_NICHT_AUS_TEAMLAND;
        w.super_art = "INTERNATIONAL";
        w.wochentag = 3;
        w.wichtig = 100;
        w.sieg_praemie = 600000;
        w.unentschieden_praemie = 300000;
        w.antritts_praemie = 1000000;
        w.mischen = true;
        w.nachfolgerunde = ko_id;
        w.weiterkomm = 2;
        if (g + 1 < gruppen) w.parallelgruppe = INTERNATIONAL_ID_BASIS + g + 1;
        g_index.push_back(b.wbs.size() - 1);
    }
    // Seeded: source i plays in group i mod gruppen.
    for (int32_t i = 0; i < n; ++i) {
        size_t g = g_index[static_cast<size_t>(i % gruppen)];
        b.ziel(quellen[static_cast<size_t>(i)].wb, 1, quellen[static_cast<size_t>(i)].platz, b.wbs[g].id);
        int32_t club = b.club_auf(quellen[static_cast<size_t>(i)].wb, quellen[static_cast<size_t>(i)].platz);
        if (club >= 0) b.wbs[g].start.push_back(club);
    }
    Wb& ko = b.neu(ko_id);
    ko.name = "Meisterpokal";
    ko_runden(ko, gruppen * 2);
    ko.modus = KO_SYSTEM | RUECKSPIELE | HEIMRECHT | VERLAENGERUNG | ELFMETERSCHIESSEN | LOSEN | SCHIRI_NICHT_AUS_TEAMLAND;
    ko.best_of_x = 2;
    ko.super_art = "INTERNATIONAL";
    ko.wochentag = 3;
    ko.wichtig = 100;
    ko.sieg_praemie = 800000;
    ko.unentschieden_praemie = 400000;
    ko.mischen = true;
    for (size_t g : g_index)
        for (int32_t p = 0; p < 2; ++p) b.ziel(g, 0, p, ko_id);
}

void internationale_bauen(Bauplan& b, const std::vector<size_t>& top, const std::vector<size_t>& pokal)
{
    std::vector<size_t> ligen, pokale;
    for (size_t t : top)
        if (t != SIZE_MAX) ligen.push_back(t);
    for (size_t p : pokal)
        if (p != SIZE_MAX) pokale.push_back(p);
    if (ligen.size() < 2) return;
    std::map<size_t, int32_t> naechster;  // next free place of each top league
    // The small world's three top leagues of six clubs sent 12 of their 18 clubs abroad (the
    // default world 80 of 286), each place worth some five million in premiums and home gates,
    // and its top clubs piled up money: there the cup winners' and the continental cup take two
    // clubs each.
    const int32_t weitere_hoechstens = b.welt.groesse == Welt_Groesse::Klein ? 2 : INT32_MAX;

    // Champions, then runners-up of the first nations, up to a power of two.
    int32_t m = zweierpotenz_ab(std::max<int32_t>(4, static_cast<int32_t>(ligen.size())));
    m = std::min(m, 2 * static_cast<int32_t>(ligen.size()));
    m = zweierpotenz_bis(m);
    std::vector<Quelle> q;
    for (size_t runde = 0; static_cast<int32_t>(q.size()) < m && runde < 2; ++runde)
        for (size_t l : ligen)
            if (static_cast<int32_t>(q.size()) < m) q.push_back({l, naechster[l]++});
    meisterpokal(b, q);

    // Cup winners, then finalists.
    if (pokale.size() >= 2) {
        int32_t c = zweierpotenz_bis(std::min(zweierpotenz_ab(static_cast<int32_t>(pokale.size())),
                                              2 * static_cast<int32_t>(pokale.size())));
        c = std::min(c, weitere_hoechstens);
        q.clear();
        for (int32_t platz = 0; static_cast<int32_t>(q.size()) < c && platz < 2; ++platz)
            for (size_t p : pokale)
                if (static_cast<int32_t>(q.size()) < c) q.push_back({p, platz});
        international_ko(b, INTERNATIONAL_ID_BASIS + 50, "Pokalsiegerpokal", q, 1, 90);
    }

    // The next places of the top leagues, nation by nation, as long as they stay clear of the
    // relegation places.
    int32_t k = zweierpotenz_bis(std::min<int32_t>(32, std::max<int32_t>(4, static_cast<int32_t>(ligen.size()))));
    k = std::min(k, weitere_hoechstens);
    q.clear();
    for (int32_t runde = 0; static_cast<int32_t>(q.size()) < k && runde < 4; ++runde)
        for (size_t l : ligen) {
            int32_t platz = naechster[l];
            int32_t frei = b.wbs[l].teams - b.wbs[l].abstieg;
            if (static_cast<int32_t>(q.size()) < k && platz < frei) {
                q.push_back({l, platz});
                ++naechster[l];
            }
        }
    k = zweierpotenz_bis(static_cast<int32_t>(q.size()));
    q.resize(static_cast<size_t>(k));
    if (k >= 2) international_ko(b, INTERNATIONAL_ID_BASIS + 51, "Kontinentalpokal", q, 1, 80);
}

// ---- Season weeks ----

// Leagues play their weekends from early August to late May with a winter break. The national
// cups play midweek through the whole season, as real cups do: the first round in summer, the
// final in spring, the rounds between spread out. The international competitions get midweek
// windows of their own among the weeks left once the leagues have begun, one after the other,
// so that competitions that can share a club never play in the same week. The national cups
// share their weeks: no club plays in two of them.
constexpr int32_t LIGA_START = 5, LIGA_ENDE = 46, PAUSE_START = 24, PAUSE_ENDE = 27;
constexpr int32_t MITTE_START = 1, MITTE_ENDE = 50;

// The weeks a competition's n match days fall on when the calendar spreads them over its window:
// evenly over the weeks that are not off.
std::vector<int32_t> verteilte_wochen(const Wb& w, int32_t n)
{
    std::vector<int32_t> wochen, r;
    for (int32_t k = w.startwoche; k <= w.endwoche; ++k)
        if (k < w.spielfrei_start || k > w.spielfrei_ende) wochen.push_back(k);
    for (int32_t i = 0; i < n && !wochen.empty(); ++i)
        r.push_back(wochen[static_cast<size_t>(int64_t(i) * int64_t(wochen.size()) / n)]);
    return r;
}

// The national cups' weeks: the cup with the most rounds plays them every P weeks of the season
// (P the weeks that are not off, shared out among its rounds), from the season's first week on.
// Every other cup opens in that week too where a window lets the calendar's even spread put all
// its rounds on those weeks up to a final in the season's second half (else its rounds take the
// last of them), so that all cups together take no more weeks than the largest alone and the
// international windows keep the rest.
std::vector<int32_t> pokal_wochen_legen(Bauplan& b, const std::vector<size_t>& pokale)
{
    std::vector<int32_t> saison;
    for (int32_t k = MITTE_START; k <= MITTE_ENDE; ++k)
        if (k < PAUSE_START || k > PAUSE_ENDE) saison.push_back(k);
    int32_t meiste = 0;
    for (size_t i : pokale) meiste = std::max(meiste, b.wbs[i].spieltage);
    if (meiste <= 0) return {};
    const int32_t p = static_cast<int32_t>(saison.size()) / meiste;
    std::vector<int32_t> wochen;
    for (int32_t j = 0; j < meiste; ++j) wochen.push_back(saison[static_cast<size_t>(j * p)]);
    auto drin = [&](int32_t k) { return std::find(wochen.begin(), wochen.end(), k) != wochen.end(); };
    // A final no earlier than the middle of the largest cup's rounds.
    const int32_t spaet = wochen[static_cast<size_t>(meiste / 2)];
    for (size_t i : pokale) {
        Wb& w = b.wbs[i];
        const int32_t n = w.spieltage;
        w.startwoche = saison[static_cast<size_t>((meiste - n) * p)];
        w.endwoche = saison[static_cast<size_t>(meiste * p - 1)];
        for (int32_t laenge = static_cast<int32_t>(saison.size()); laenge >= n && n > 0; --laenge) {
            Wb v = w;
            v.startwoche = saison.front();
            v.endwoche = saison[static_cast<size_t>(laenge - 1)];
            const std::vector<int32_t> r = verteilte_wochen(v, n);
            if (std::all_of(r.begin(), r.end(), drin) && !r.empty() && r.back() >= spaet) {
                w.startwoche = v.startwoche;
                w.endwoche = v.endwoche;
                break;
            }
        }
    }
    return wochen;
}

// Whether the calendar finds the competition's rounds room in weeks start..ende as it lays them:
// each round no earlier than its even share of the window and after the round before, all its
// legs in weeks after each other that are neither off nor a cup's.
bool passt_ins_fenster(const Wb& w, int32_t start, int32_t ende, const std::vector<int32_t>& gesperrt)
{
    const int32_t legs = (w.modus & KO_SYSTEM) && (w.modus & RUECKSPIELE) ? std::max(2, w.best_of_x) : 1;
    auto frei = [&](int32_t k) {
        return (k < w.spielfrei_start || k > w.spielfrei_ende) && std::find(gesperrt.begin(), gesperrt.end(), k) == gesperrt.end();
    };
    std::vector<int32_t> wochen;
    for (int32_t k = start; k <= ende; ++k)
        if (k < w.spielfrei_start || k > w.spielfrei_ende) wochen.push_back(k);
    if (wochen.empty() || w.spieltage <= 0) return w.spieltage <= 0;
    const int64_t spanne = std::max<int64_t>(1, int64_t(wochen.size()) - (legs - 1));
    int32_t ab = 0;
    for (int32_t i = 0; i < w.spieltage; ++i) {
        int32_t ideal = wochen[static_cast<size_t>(std::min<int64_t>(i * spanne / w.spieltage, int64_t(wochen.size()) - 1))];
        const bool erste_fest = i == 0 && !(w.modus & KO_SYSTEM);
        if (erste_fest) ideal = start;
        int32_t gefunden = -1;
        for (int32_t k = std::max(ideal, ab); gefunden < 0 && k + legs - 1 <= ende; ++k) {
            bool ok = true;
            for (int32_t r = 0; r < legs && ok; ++r) ok = frei(k + r);
            if (ok) gefunden = k;
            if (erste_fest) break;
        }
        if (gefunden < 0) return false;
        ab = gefunden + legs;
    }
    return true;
}

bool wochen_verteilen(Bauplan& b)
{
    struct Fenster {
        std::vector<size_t> wbs;
        int32_t bedarf = 0;
    };
    std::vector<Fenster> fenster(4);  // champions' groups, cup winners, continental, champions' KO
    std::vector<size_t> pokale;
    for (size_t i = 0; i < b.wbs.size(); ++i) {
        Wb& w = b.wbs[i];
        w.spielfrei_start = PAUSE_START;
        w.spielfrei_ende = PAUSE_ENDE;
        if (w.basisliga) {
            w.startwoche = LIGA_START;
            w.endwoche = LIGA_ENDE;
            continue;
        }
        if (w.id < INTERNATIONAL_ID_BASIS) {
            pokale.push_back(i);
            continue;
        }
        const int32_t wochen = (w.modus & KO_SYSTEM) && (w.modus & RUECKSPIELE) ? 2 * w.spieltage : w.spieltage;
        const size_t f = w.id == INTERNATIONAL_ID_BASIS + 50 ? 1 : w.id == INTERNATIONAL_ID_BASIS + 51 ? 2 : (w.modus & KO_SYSTEM) ? 3 : 0;
        fenster[f].wbs.push_back(i);
        fenster[f].bedarf = std::max(fenster[f].bedarf, wochen);
    }
    const std::vector<int32_t> pokal_wochen = pokal_wochen_legen(b, pokale);
    int32_t bedarf = 0;
    for (const Fenster& f : fenster) bedarf += f.bedarf;
    // From the leagues' start; a world with many international rounds takes the summer too.
    std::vector<int32_t> frei;
    for (int32_t ab : {LIGA_START, MITTE_START}) {
        frei.clear();
        for (int32_t k = ab; k <= MITTE_ENDE; ++k)
            if ((k < PAUSE_START || k > PAUSE_ENDE) && std::find(pokal_wochen.begin(), pokal_wochen.end(), k) == pokal_wochen.end())
                frei.push_back(k);
        if (static_cast<int32_t>(frei.size()) >= bedarf) break;
    }
    const int32_t rest = static_cast<int32_t>(frei.size()) - bedarf;
    if (rest < 0) {
        std::fprintf(stderr, "wettbewerbe: %d Spielwochen unter der Woche nötig, %zu frei\n", bedarf, frei.size());
        return false;
    }
    // Each window from the first week after the one before, as long as its share of the weeks
    // left over, and longer where the cups' weeks inside it leave its rounds too few.
    size_t pos = 0;
    for (const Fenster& f : fenster) {
        if (f.wbs.empty()) continue;
        size_t laenge = static_cast<size_t>(f.bedarf + (bedarf ? rest * f.bedarf / bedarf : 0));
        auto passt = [&](size_t l) {
            for (size_t i : f.wbs)
                if (!passt_ins_fenster(b.wbs[i], frei[pos], frei[pos + l - 1], pokal_wochen)) return false;
            return true;
        };
        while (pos + laenge < frei.size() && !passt(laenge)) ++laenge;
        if (pos + laenge > frei.size() || !passt(laenge)) {
            std::fprintf(stderr, "wettbewerbe: %s passt nicht in die Spielwochen\n", b.wbs[f.wbs[0]].name.c_str());
            return false;
        }
        for (size_t i : f.wbs) {
            Wb& w = b.wbs[i];
            w.startwoche = frei[pos];
            w.endwoche = frei[pos + laenge - 1];
            // The group stage opens on the window's first week.
            if (!(w.modus & KO_SYSTEM)) w.qualiwoche = w.startwoche;
        }
        pos += laenge;
    }
    return true;
}

// ---- Records ----

// The plan as competition records, links and place targets as record numbers.
std::vector<Wettbewerb_Datensatz> datensaetze(const Bauplan& b)
{
    std::map<std::string, int32_t> nummer;
    for (size_t i = 0; i < b.wbs.size(); ++i) nummer[ident(b.wbs[i].id)] = static_cast<int32_t>(i);
    auto rec_von = [&](int32_t id) { return id < 0 ? -1 : static_cast<int32_t>(b.per_id.at(id)); };
    std::vector<Wettbewerb_Datensatz> recs(b.wbs.size(), Wettbewerb_Leerer_Datensatz);
    for (size_t i = 0; i < b.wbs.size(); ++i) {
        const Wb& w = b.wbs[i];
        Wettbewerb_Datensatz& r = recs[i];
        std::snprintf(r.name, sizeof r.name, "%s", w.name.c_str());
        std::snprintf(r.gruppen_name, sizeof r.gruppen_name, "%s", w.gruppen_name.c_str());
        std::snprintf(r.identifikation, sizeof r.identifikation, "%s", ident(w.id).c_str());
        r.id = w.id;
        r.teams = w.teams;
        r.spieltage = w.spieltage;
        r.modus = w.modus;
        for (int32_t k = 0; k < SA_ANZAHL; ++k)
            if (w.super_art == Wettbewerb_Super_Art[k]) r.super_art = k;
        r.wochentag = w.wochentag;
        r.startwoche = w.startwoche;
        r.endwoche = w.endwoche;
        r.spielfrei_start = w.spielfrei_start;
        r.spielfrei_ende = w.spielfrei_ende;
        for (int32_t l = 0; l < WETTBEWERB_ZIEL_LISTEN; ++l)
            for (size_t p = 0; p < w.quali_fuer[l].size(); ++p)
                if (!w.quali_fuer[l][p].empty()) {
                    r.ziele.ziel[l][p] = nummer.at(w.quali_fuer[l][p]);
                    r.ziele.anzahl = std::max(r.ziele.anzahl, l + 1);
                }
        r.vk.v[WV_UNTERLIGA] = rec_von(w.unterliga);
        r.vk.v[WV_NACHGRUPPE] = rec_von(w.parallelgruppe);
        r.vk.v[WV_NACHFOLGERUNDE] = rec_von(w.nachfolgerunde);
        for (size_t k = 0; k < w.start.size() && k < static_cast<size_t>(WETTBEWERB_MAX_TEAMS); ++k)
            r.listen.start[k] = r.listen.teams[k] = static_cast<int16_t>(w.start[k]);
        r.listen.start_anzahl = r.listen.anzahl = static_cast<int32_t>(std::min<size_t>(w.start.size(), WETTBEWERB_MAX_TEAMS));
        r.best_of_x = w.best_of_x;
        r.weiterkomm_anz[0] = w.weiterkomm;
        r.land = w.land;
        for (size_t k = 0; k < w.rundentexte.size() && k < static_cast<size_t>(WETTBEWERB_MAX_SPIELTAGE); ++k)
            r.rundentext[k] = w.rundentexte[k];
        r.grafik_nummer = w.grafik;
        r.wichtig = w.wichtig;
        r.sieg_praemie = w.sieg_praemie;
        r.unentschieden_praemie = w.unentschieden_praemie;
        r.antritts_praemie = w.antritts_praemie;
        r.pokal_praemie = w.pokal_praemie;
        r.basisliga = w.basisliga;
        r.qualifikanten_mischen = w.mischen;
        r.kalender_position = w.kalender_position;
        r.qualiwoche = w.qualiwoche;
    }
    return recs;
}

// What the game will make of the team file: every league club has a league level above 0, and
// the team reader puts no stand above its model's maximum (a cut would lose places silently).
bool stadien_pruefen(const Welt& welt)
{
    bool ok = true;
    for (const Welt_Team& t : welt.teams) {
        if (t.art != Welt_Team_Art::Verein || t.liga_stufe < 0) continue;
        const int32_t niveau = Wettbewerb_Get_Liga_Niveau(t.nummer);
        if (niveau <= 0) {
            std::fprintf(stderr, "wettbewerbe: Verein %d hat kein Liganiveau\n", t.nummer);
            ok = false;
            continue;
        }
        const Stadion_Verteilung v = Stadion_Tribuenen_Verteilen(niveau, t.sitzplaetze, t.stehplaetze, 0);
        for (int32_t i = 0; i < STADION_TRIBUENEN; ++i)
            if (v.plaetze[i] > Stadion_Modell_Max_Plaetze(v.modell[i])) {
                std::fprintf(stderr, "wettbewerbe: Verein %d, Tribüne %d: %d Plätze, Modell %d fasst %d\n", t.nummer, i,
                             v.plaetze[i], v.modell[i], Stadion_Modell_Max_Plaetze(v.modell[i]));
                ok = false;
            }
    }
    return ok;
}

// Every competition its own end picture: the records of one name (its groups and rounds) share
// one GRAFIK_NUMMER, numbered in the plan's order. Returns the pictures by number.
std::vector<Wettbewerbsende_Bild> bilder_vergeben(Bauplan& b)
{
    std::vector<Wettbewerbsende_Bild> bilder;
    std::map<std::string, int32_t> nummer;
    for (Wb& w : b.wbs) {
        auto [it, neu] = nummer.emplace(w.name, static_cast<int32_t>(bilder.size()));
        if (neu) bilder.push_back({w.name, w.basisliga});
        w.grafik = it->second;
    }
    return bilder;
}

// The competitions and their links, before the season weeks; the pictures by number.
std::vector<Wettbewerbsende_Bild> wettbewerbe_planen(Bauplan& b)
{
    std::vector<size_t> top, pokal;
    nationen_bauen(b, top, pokal);
    internationale_bauen(b, top, pokal);
    return bilder_vergeben(b);
}

int wettbewerbe_schritt(const std::string& ziel, const std::vector<std::string>& args)
{
    Welt_Groesse groesse;
    uint32_t seed;
    if (!Welt_Argumente(args, groesse, seed)) return 2;
    Welt welt = Welt_Bauen(groesse, seed);
    Bauplan b(welt);
    wettbewerbe_planen(b);
    if (!wochen_verteilen(b)) return 1;
    if (b.wbs.size() > static_cast<size_t>(WETTBEWERB_ANZAHL)) {
        std::fprintf(stderr, "wettbewerbe: %zu Wettbewerbe, höchstens %d\n", b.wbs.size(), WETTBEWERB_ANZAHL);
        return 1;
    }
    int32_t bilder = 0;
    for (const Wb& w : b.wbs) bilder = std::max(bilder, w.grafik + 1);
    if (bilder > MANIFEST_WETTBEWERBSENDE) {
        std::fprintf(stderr, "wettbewerbe: %d Bilder zum Wettbewerbsende, höchstens %d\n", bilder, MANIFEST_WETTBEWERBSENDE);
        return 1;
    }

    std::vector<std::pair<std::string, int32_t>> aliase;
    for (const Welt_Team& t : welt.teams)
        if (!t.alias.empty()) aliase.emplace_back(t.alias, t.nummer);

    std::filesystem::path ordner = std::filesystem::path(ziel) / "config_files";
    std::error_code ec;
    std::filesystem::create_directories(ordner, ec);
    std::string fehler;
    if (!Config_Writer_Alias_Datei(ordner.string(), 0, aliase, &fehler)) {
        std::fprintf(stderr, "wettbewerbe: Aliasdatei: %s\n", fehler.c_str());
        return 1;
    }
    // The game's own writer writes the file, against the aliases just written.
    std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", ordner.string().c_str());
    Team_Anzahl = static_cast<int32_t>(welt.teams.size());
    const std::vector<Wettbewerb_Datensatz> recs = datensaetze(b);
    if (!Wettbewerb_Uebernehmen(recs.data(), static_cast<int32_t>(recs.size()), Team_Anzahl)) {
        std::fprintf(stderr, "wettbewerbe: die Wettbewerbe sind nicht gültig\n");
        return 1;
    }
    if (!stadien_pruefen(welt)) {
        Wettbewerb_Free();
        return 1;
    }
    bool ok = Wettbewerb_Config_Datei_Schreiben(0, 0, "Wettbewerbe der generierten Welt", &fehler);
    Wettbewerb_Free();
    if (!ok) {
        std::fprintf(stderr, "wettbewerbe: 1_wettbewerb.cfg: %s\n", fehler.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

std::vector<Wettbewerbsende_Bild> Welt_Wettbewerbsende_Bilder(const Welt& welt)
{
    Bauplan b(welt);
    return wettbewerbe_planen(b);
}

DATAGEN_SCHRITT("wettbewerbe", wettbewerbe_schritt, true);
