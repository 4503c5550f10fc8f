// The world model: invented clubs, towns, stadiums, players and staff in real countries. Every
// name comes from the syllables and forms of its nation's language (welt_namen.cpp), so no real
// club or person is named. The builder has its own small generator so that the world does not
// depend on the game's random state.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <set>
#include <string>

#include "tools/datagen/welt.h"
#include "tools/datagen/welt_namen.h"

namespace {

using S = Welt_Sprache;

struct Land_Def {
    const char* name;
    int32_t kontinent;
    Welt_Sprache sprache;
    int staerke;          // 0..100: how strong its clubs are
    bool nationalteam;
    int ligen_std[4];     // tier sizes in the standard world (0 = no tier)
    int ligen_klein[3];
    bool im_kleinen;      // the nation exists in the small world
    // Climate: temperature of the game's winter months (January, February; south of the equator
    // the warm ones) and of its summer months (July, August) in degrees, rain level 0..40.
    int winter, sommer, regen;
};

// The home nation first. The national teams of Italien, England, Frankreich and Spanien get no
// players: the game leaves those four squads empty.
const Land_Def LAENDER[] = {
    {"Deutschland", 0, S::Deutsch, 80, true, {18, 18, 16, 12}, {6, 6, 8}, true, -2, 23, 20},
    {"England", 0, S::Englisch, 85, true, {20, 20, 0, 0}, {6, 0, 0}, true, 4, 21, 28},
    {"Italien", 0, S::Italienisch, 85, true, {18, 18, 0, 0}, {6, 0, 0}, true, 7, 29, 14},
    {"Spanien", 0, S::Spanisch, 85, true, {20, 20, 0, 0}, {0, 0, 0}, true, 9, 31, 10},
    {"Frankreich", 0, S::Franzoesisch, 75, true, {18, 18, 0, 0}, {0, 0, 0}, true, 4, 25, 18},
    {"Niederlande", 0, S::Niederlaendisch, 70, true, {18, 0, 0, 0}, {0, 0, 0}, false, 3, 22, 24},
    {"Portugal", 0, S::Portugiesisch, 68, true, {18, 0, 0, 0}, {0, 0, 0}, false, 11, 28, 14},
    {"Belgien", 0, S::Flaemisch, 60, true, {16, 0, 0, 0}, {0, 0, 0}, false, 3, 22, 25},
    {"Türkei", 0, S::Tuerkisch, 60, true, {18, 0, 0, 0}, {0, 0, 0}, false, 5, 30, 12},
    {"Schottland", 0, S::Schottisch, 55, true, {12, 0, 0, 0}, {0, 0, 0}, false, 3, 18, 34},
    {"Österreich", 0, S::Deutsch, 55, true, {10, 0, 0, 0}, {0, 0, 0}, false, -3, 24, 20},
    {"Schweiz", 0, S::Deutsch, 55, true, {10, 0, 0, 0}, {0, 0, 0}, false, -2, 23, 24},
    {"Griechenland", 0, S::Griechisch, 55, true, {16, 0, 0, 0}, {0, 0, 0}, false, 10, 32, 8},
    {"Dänemark", 0, S::Daenisch, 55, true, {12, 0, 0, 0}, {0, 0, 0}, false, 1, 21, 22},
    {"Schweden", 0, S::Schwedisch, 52, true, {16, 0, 0, 0}, {0, 0, 0}, false, -4, 21, 18},
    {"Norwegen", 0, S::Norwegisch, 50, true, {14, 0, 0, 0}, {0, 0, 0}, false, -6, 19, 28},
    {"Polen", 0, S::Polnisch, 50, true, {16, 0, 0, 0}, {0, 0, 0}, false, -3, 24, 16},
    {"Russland", 0, S::Russisch, 58, true, {16, 0, 0, 0}, {0, 0, 0}, false, -10, 23, 16},
    {"Brasilien", 2, S::Portugiesisch, 85, true, {0, 0, 0, 0}, {0, 0, 0}, true, 28, 22, 30},
    {"Argentinien", 2, S::Spanisch, 82, true, {0, 0, 0, 0}, {0, 0, 0}, false, 25, 11, 18},
    {"Uruguay", 2, S::Spanisch, 65, true, {0, 0, 0, 0}, {0, 0, 0}, false, 24, 11, 20},
    {"Kolumbien", 2, S::Spanisch, 62, true, {0, 0, 0, 0}, {0, 0, 0}, false, 20, 20, 32},
    {"USA", 3, S::Englisch, 55, true, {0, 0, 0, 0}, {0, 0, 0}, false, 1, 28, 18},
    {"Mexiko", 3, S::Spanisch, 60, true, {0, 0, 0, 0}, {0, 0, 0}, false, 16, 25, 20},
    {"Japan", 1, S::Japanisch, 55, true, {0, 0, 0, 0}, {0, 0, 0}, false, 6, 29, 28},
    {"Südkorea", 1, S::Koreanisch, 55, true, {0, 0, 0, 0}, {0, 0, 0}, false, -2, 27, 26},
    {"Nigeria", 4, S::Nigerianisch, 60, true, {0, 0, 0, 0}, {0, 0, 0}, false, 29, 26, 32},
    {"Kamerun", 4, S::Kamerunisch, 58, true, {0, 0, 0, 0}, {0, 0, 0}, false, 26, 24, 38},
    {"Ghana", 4, S::Ghanaisch, 55, true, {0, 0, 0, 0}, {0, 0, 0}, false, 28, 25, 30},
    {"Australien", 5, S::Englisch, 50, true, {0, 0, 0, 0}, {0, 0, 0}, false, 24, 13, 14},
    {"Tschechien", 0, S::Tschechisch, 62, true, {0, 0, 0, 0}, {0, 0, 0}, false, -2, 21, 16},
    {"Kroatien", 0, S::Kroatisch, 62, true, {0, 0, 0, 0}, {0, 0, 0}, false, 3, 25, 18},
    {"Irland", 0, S::Irisch, 52, false, {0, 0, 0, 0}, {0, 0, 0}, false, 6, 17, 36},
    {"Ungarn", 0, S::Ungarisch, 48, false, {0, 0, 0, 0}, {0, 0, 0}, false, -1, 24, 14},
};

bool ohne_nationalspieler(const std::string& land)
{
    return land == "Italien" || land == "England" || land == "Frankreich" || land == "Spanien";
}

// Upper-case ASCII word for aliases: umlauts become two letters, other accents their letter.
std::string alias_aus(const std::string& text)
{
    // Windows-1252 0xC0..0xDF; the small letters 0xE0..0xFF map as their capitals.
    static const char* const AKZENTE[32] = {"A", "A", "A", "A", "AE", "AA", "AE", "C", "E",  "E", "E",
                                            "E", "I", "I", "I", "I",  "D",  "N",  "O", "O",  "O", "O",
                                            "OE", "",  "OE", "U", "U", "U", "UE", "Y", "TH", "SS"};
    std::string a;
    for (unsigned char c : text) {
        if (c >= 'a' && c <= 'z') a += static_cast<char>(c - 32);
        else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) a += static_cast<char>(c);
        else if (c >= 0xC0) a += c == 0xFF ? "Y" : c == 0xF7 ? "" : AKZENTE[(c & 0xDF) - 0xC0];
        else if (c == 0x8A || c == 0x9A) a += 'S';
        else if (c == 0x8E || c == 0x9E) a += 'Z';
        else if (c == 0x8C || c == 0x9C) a += "OE";
        else if (c == ' ' || c == '-' || c == '.') {
            if (!a.empty() && a.back() != '_') a += '_';
        }
    }
    while (!a.empty() && a.back() == '_') a.pop_back();
    return a.empty() ? std::string("TEAM") : a;
}

int32_t clamp(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }

// The short name: the town when it has at most 9 characters, else its first 8 and a dot.
std::string kurzname_aus(const std::string& ort)
{
    return ort.size() <= 9 ? ort : ort.substr(0, 8) + ".";
}

struct Bau {
    Welt w;
    Welt_Rng r;
    std::set<std::string> aliase, orte, teamnamen;
    Bau(Welt_Groesse g, uint32_t seed) : r(seed * 2654435761u + 12345u)
    {
        w.groesse = g;
        w.seed = seed;
    }

    std::string eindeutig(std::set<std::string>& menge, std::string s)
    {
        std::string basis = s;
        for (int i = 2; !menge.insert(s).second; ++i) s = basis + std::to_string(i);
        return s;
    }

    // A town not used before; "" when the language has none left to give.
    std::string neuer_ort(Welt_Sprache s)
    {
        for (int i = 0; i < 400; ++i) {
            std::string o = Welt_Ort(r, s);
            if (!o.empty() && orte.insert(o).second) return o;
        }
        return "";
    }

    Welt_Team& neues_team(Welt_Team_Art art, const Land_Def& klima)
    {
        Welt_Team t;
        t.nummer = static_cast<int32_t>(w.teams.size());
        t.art = art;
        for (auto& f : t.farben)
            for (auto& c : f) c = static_cast<uint8_t>(r.range(0, 255));
        t.klima[0] = klima.winter + 100;
        t.klima[1] = klima.sommer + 100;
        t.klima[2] = klima.regen * 100;
        w.teams.push_back(t);
        return w.teams.back();
    }

    void staerken(Welt_Team& t, int basis)
    {
        int v = r.range(0, 40);
        t.staerke[0] = clamp(basis + r.range(-40, 40), 10, 990);
        t.staerke[1] = clamp(basis + r.range(-40, 40), 10, 990);
        t.staerke[2] = clamp(basis + r.range(-40, 40), 10, 990);
        t.staerke[3] = clamp(basis + r.range(-40, 40), 10, 990);
        t.varianz = v;
        t.kondition = r.range(35, 65);
        t.technik = clamp(30 + basis / 25 + r.range(-5, 5), 30, 70);
        t.intelligenz = r.range(35, 65);
    }

    // A club: a new town whose club name fits the team lists and is not taken, and its ground.
    // `basis` sets the squad's strength, `stadion_basis` the size of its ground.
    void verein(const Land_Def& d, int32_t nation, int32_t stufe, int basis, int stadion_basis)
    {
        std::string ort, name, stadion;
        for (int versuch = 0; versuch < 1000 && stadion.empty(); ++versuch) {
            ort = neuer_ort(d.sprache);
            name = Welt_Vereinsname(r, d.sprache, ort);
            if (name.empty() || teamnamen.count(name)) continue;
            stadion = Welt_Stadionname(r, d.sprache, ort);
        }
        if (stadion.empty()) {
            // Not reached with the syllable tables as they are; keep the world whole all the same.
            std::fprintf(stderr, "welt: kein passender Vereinsname in %s\n", d.name);
            ort = "Verein" + std::to_string(w.teams.size());
            name = ort;
            stadion = "Stadion " + ort;
        }
        Welt_Team& t = neues_team(Welt_Team_Art::Verein, d);
        t.name = eindeutig(teamnamen, name);
        t.kurzname = kurzname_aus(ort);
        t.alias = eindeutig(aliase, alias_aus(t.name));
        t.stadt = ort.substr(0, 17);
        t.stadion = stadion;
        t.nation = nation;
        t.kontinent = d.kontinent;
        t.liga_stufe = stufe;
        staerken(t, basis);
        int schwankung = r.range(-8000, 8000);
        int plaetze = clamp(stadion_basis * 80 + schwankung, 2000, 80000);
        int sitz_anteil = r.range(30, 70);
        t.sitzplaetze = plaetze * sitz_anteil / 100 / 500 * 500;
        t.stehplaetze = (plaetze - t.sitzplaetze) / 500 * 500;
    }
};

// A club's squad: the large world has more clubs, not larger squads. A club plans its squad at
// 17 to 25 players by its money and sheds the rest only into a market of 500, so that a world of
// 40-man squads kept twice the wages its gates pay for ever.
int kader_groesse(Welt_Rng& r, Welt_Groesse g)
{
    switch (g) {
    case Welt_Groesse::Klein: return 18;
    default: return r.range(20, 24);
    }
}

// Crest numbers: every country its own at the end of the range, the clubs the rest, top tiers
// first; only when clubs outnumber the crests do the lowest tiers share theirs. The transfer
// market and the youth pool show the crest without a club.
void wappen_verteilen(Welt& w)
{
    constexpr int32_t WAPPEN = 598;
    std::vector<Welt_Team*> vereine, laender;
    for (auto& t : w.teams) {
        t.grafik_nr = WAPPEN;
        if (t.art == Welt_Team_Art::Verein) vereine.push_back(&t);
        if (t.art == Welt_Team_Art::Land) laender.push_back(&t);
    }
    std::stable_sort(vereine.begin(), vereine.end(),
                     [](const Welt_Team* a, const Welt_Team* b) { return a->liga_stufe < b->liga_stufe; });
    const int32_t frei = WAPPEN - static_cast<int32_t>(laender.size());
    for (size_t k = 0; k < laender.size(); ++k) laender[k]->grafik_nr = frei + static_cast<int32_t>(k);
    for (int32_t i = 0; i < static_cast<int32_t>(vereine.size()); ++i)
        vereine[static_cast<size_t>(i)]->grafik_nr = i < frei ? i : frei - 1 - (i - frei) % frei;
}

// A club's income (boards, gate, season tickets) follows its league level alone, its wages the
// strength of its squad, and a player's demand grows steeply with his strength. This is the
// strength a tier's squads can pay for from its level's income, with room for the stadium and
// for the dearer seasons once the first contracts run out and the stands wear. The home
// country's ladder used to step down by 140 a tier (640, 500, 360, 220): its lower tiers and
// every second tier abroad (level 50, paying for 420-540 from a third tier's gate) fell into
// debt in their first season and never came out, while a weak country's first tier (400-480)
// paid a second tier's wages from a first tier's gate and piled up money.
int basis_am_niveau(int niveau)
{
    static const int NIVEAU[] = {0, 25, 50, 66, 75, 100};
    static const int STAERKE[] = {100, 100, 330, 450, 470, 660};
    niveau = clamp(niveau, 0, 100);
    size_t i = 1;
    while (i + 1 < std::size(NIVEAU) && niveau > NIVEAU[i]) ++i;
    return STAERKE[i - 1] + (STAERKE[i] - STAERKE[i - 1]) * (niveau - NIVEAU[i - 1]) / (NIVEAU[i] - NIVEAU[i - 1]);
}

// The tier the large world adds below a country's only league draws more than a first tier
// (its season tickets sell at the highest standing, see the competitions), so its squads may be
// as strong as such a gate pays for. At a second tier's 330 and standing its clubs ended each
// of their first seasons with twice the tickets they began with, and the large world's median
// club, one of them, stood 1.6 to 1.7 times its start.
constexpr int ZWEITE_UNTER_EINZIGER_STAERKE = 550;

}  // namespace

Welt Welt_Bauen(Welt_Groesse groesse, uint32_t seed)
{
    Bau b(groesse, seed);
    Welt& w = b.w;

    // Which nations, with which tiers. Every club plays in a league.
    struct Plan {
        const Land_Def* def;
        std::vector<int> ligen;
        size_t zusatz = SIZE_MAX;   // the tier the large world adds, if any
    };
    std::vector<Plan> plan;
    for (const auto& d : LAENDER) {
        Plan p{&d, {}};
        if (groesse == Welt_Groesse::Klein) {
            if (!d.im_kleinen) continue;
            for (int n : d.ligen_klein)
                if (n) p.ligen.push_back(n);
        } else {
            for (int n : d.ligen_std)
                if (n) p.ligen.push_back(n);
            if (groesse == Welt_Groesse::Gross && !p.ligen.empty()) {
                // As large as the team tables allow: a further tier abroad, wider tiers at home.
                if (p.ligen.size() < 3) {
                    p.ligen.push_back(p.ligen.back());
                    p.zusatz = p.ligen.size() - 1;
                }
                if (d.name == std::string("Deutschland")) p.ligen = {18, 18, 20, 20};
            }
        }
        if (!p.ligen.empty() && !Welt_Sprache_Hat_Vereine(d.sprache)) {
            std::fprintf(stderr, "welt: keine Vereinsnamen für %s, ohne Ligen\n", d.name);
            p.ligen.clear();
        }
        plan.push_back(p);
    }

    // Country entries get their numbers after all clubs: count the clubs first.
    int32_t vereine = 0;
    for (const auto& p : plan)
        for (int n : p.ligen) vereine += n;
    for (size_t i = 0; i < plan.size(); ++i) {
        Welt_Nation n;
        n.name = plan[i].def->name;
        n.land_team = vereine + static_cast<int32_t>(i);
        n.nationalteam = plan[i].def->nationalteam;
        n.kontinent = plan[i].def->kontinent;
        n.heimatland = (i == 0);
        w.nationen.push_back(n);
    }
    w.heimatland = w.nationen[0].land_team;
    // Country names are team names too: no club may take one.
    for (const auto& p : plan) b.teamnamen.insert(p.def->name);

    static const char* const LIGA_NAMEN[] = {"1. Liga", "2. Liga", "3. Liga", "4. Liga"};
    for (size_t i = 0; i < plan.size(); ++i) {
        const Land_Def& d = *plan[i].def;
        Welt_Nation& n = w.nationen[i];
        for (size_t stufe = 0; stufe < plan[i].ligen.size(); ++stufe) {
            Welt_Liga liga;
            liga.stufe = static_cast<int32_t>(stufe);
            liga.name = LIGA_NAMEN[stufe];
            // the ground as the country's football is, the squad as its level can pay
            int stadion = d.staerke * 8 - static_cast<int>(stufe) * 140;
            const int niveau = 100 * static_cast<int>(plan[i].ligen.size() - stufe) /
                               static_cast<int>(plan[i].ligen.size());
            if (stufe == plan[i].zusatz) stadion = std::min(stadion + 140, LAENDER[0].staerke * 8 - (100 - niveau) * 140 / 25);
            // halfway from the country's own strength to its level's, never above the level's: a
            // weak country's first tier paid the wages of a second tier from a first tier's gate
            // and piled up money. The small world keeps the same rule: on its country's own ladder
            // (640, 500, 360) its second and third tiers owed more than their gate brought in from
            // their first season on.
            liga.zugefuegt = stufe == plan[i].zusatz;
            int bezahlt = liga.zugefuegt && stufe == 1 ? ZWEITE_UNTER_EINZIGER_STAERKE : basis_am_niveau(niveau);
            // Below the top, where boards and prize money pay less and the gate the most, the small
            // world's leagues of six and eight clubs, 14 and 15 home games a season against the 17
            // the ladder was set for, pay for a squad weaker by as much (the other worlds' ladders
            // were set against their own seasons).
            const int heimspiele = Welt_Liga_Spieltage(plan[i].ligen[stufe]) / 2;
            if (groesse == Welt_Groesse::Klein && stufe > 0 && heimspiele < 17) bezahlt = bezahlt * heimspiele / 17;
            const int basis = std::min((stadion + bezahlt) / 2, bezahlt);
            for (int k = 0; k < plan[i].ligen[stufe]; ++k) {
                int streuung = b.r.range(-60, 60);
                b.verein(d, n.land_team, liga.stufe, clamp(basis + streuung, 100, 900), clamp(stadion + streuung, 100, 900));
                liga.teams.push_back(w.teams.back().nummer);
                n.pokal_teams.push_back(w.teams.back().nummer);
            }
            n.ligen.push_back(liga);
        }
    }

    // Country entries: the nation of its clubs, and the national team where it has one.
    for (size_t i = 0; i < plan.size(); ++i) {
        const Land_Def& d = *plan[i].def;
        Welt_Team& t = b.neues_team(Welt_Team_Art::Land, d);
        t.name = d.name;
        t.kurzname = std::string(d.name).substr(0, 9);
        t.alias = b.eindeutig(b.aliase, alias_aus(t.name));
        t.nation = t.nummer;
        t.kontinent = d.kontinent;
        t.nationalteam = d.nationalteam;
        b.staerken(t, clamp(d.staerke * 9, 100, 900));
    }
    w.transfermarkt_team = b.neues_team(Welt_Team_Art::Transfermarkt, LAENDER[0]).nummer;
    w.teams.back().name = "TRANSFERMARKT";
    w.teams.back().kurzname = "Markt";
    w.teams.back().alias = "TRANSFERMARKT";
    w.jugend_team = b.neues_team(Welt_Team_Art::Jugend, LAENDER[0]).nummer;
    w.teams.back().name = "JUGENDTEAM";
    w.teams.back().kurzname = "Jugend";
    w.teams.back().alias = "JUGENDTEAM";
    for (auto* t : {&w.teams[w.transfermarkt_team], &w.teams[w.jugend_team]}) {
        t->nation = w.heimatland;
        b.staerken(*t, 300);
    }

    auto def_von = [&](int32_t nation) -> const Land_Def& {
        for (size_t i = 0; i < plan.size(); ++i)
            if (w.nationen[i].land_team == nation) return *plan[i].def;
        return *plan[0].def;
    };
    // A nation other than `ausser` (-1: any), the stronger football countries more often.
    auto gewicht = [&](size_t i) { return std::max(5, plan[i].def->staerke - 40); };
    auto andere_nation = [&](int32_t ausser) {
        int32_t summe = 0;
        for (size_t i = 0; i < plan.size(); ++i)
            if (w.nationen[i].land_team != ausser) summe += gewicht(i);
        int32_t x = b.r.range(0, summe - 1);
        for (size_t i = 0; i < plan.size(); ++i) {
            if (w.nationen[i].land_team == ausser) continue;
            if (x < gewicht(i)) return w.nationen[i].land_team;
            x -= gewicht(i);
        }
        return w.heimatland;
    };

    // Players, squad by squad in team-number order. A player's name is of his own nation's
    // language, so a foreign name always comes with a foreign nation.
    auto neuer_spieler = [&](Welt_Team& t, int32_t nation, int basis, int rolle) {
        Welt_Sprache s = def_von(nation).sprache;
        Welt_Spieler p;
        p.nummer = static_cast<int32_t>(w.spieler.size());
        p.name = Welt_Nachname(b.r, s, 19, false);
        p.vorname = Welt_Vorname(b.r, s);
        p.nation = nation;
        p.groesse = b.r.range(168, 200);
        p.alter = t.art == Welt_Team_Art::Jugend ? b.r.range(16, 18) : b.r.range(18, 35);
        p.team = t.nummer;
        if (rolle == 0) {
            p.torwart = true;
            p.pos_zeile = p.pos_spalte = 99;
            p.torwart_staerke = clamp(basis + b.r.range(-80, 80), 50, 950);
            // free kicks, corners and headers matter little for a keeper; reflexes and box play do
            for (int i = 0; i < 12; ++i) p.unsichtbar[i] = b.r.range(1, 40);
            for (int i = 12; i < 15; ++i) p.unsichtbar[i] = clamp(basis / 10 + b.r.range(-15, 15), 5, 99);
        } else {
            p.pos_zeile = (rolle - 1) * 9 + b.r.range(1, 7);
            p.pos_spalte = b.r.range(1, 15);
            for (int i = 0; i < 9; ++i) {
                int bonus = (i / 3 == rolle - 1) ? 30 : -10;
                p.attribute[i] = clamp(basis + bonus + b.r.range(-80, 80), 50, 950);
            }
            for (int i = 0; i < 12; ++i) p.unsichtbar[i] = b.r.range(5, 95);
        }
        w.spieler.push_back(p);
        t.spieler.push_back(p.nummer);
        return p.nummer;
    };
    enum class Herkunft { Eigene, Mit_Fremden, Alle };
    auto kader = [&](Welt_Team& t, int n, Herkunft herkunft) {
        int basis = (t.staerke[1] + t.staerke[2] + t.staerke[3]) / 3;
        int tw = n >= 24 ? 3 : 2;
        int rest = n - tw;
        for (int i = 0; i < n; ++i) {
            int rolle = i < tw ? 0 : 1 + ((i - tw) * 3) / std::max(rest, 1);
            int32_t nation = t.nation;
            if (herkunft == Herkunft::Alle) {
                nation = andere_nation(-1);
            } else if (herkunft == Herkunft::Mit_Fremden) {
                // about one player in ten comes from abroad
                int32_t fremd = b.r.range(0, 9);
                if (fremd == 0) nation = andere_nation(t.nation);
            }
            neuer_spieler(t, nation, basis, rolle);
        }
        // shirt numbers 1..99 for club and national squads; the pseudo-teams draw their own
        if (t.art == Welt_Team_Art::Verein || t.art == Welt_Team_Art::Land) {
            int nr = 1;
            for (int32_t sp : t.spieler) w.spieler[sp].rueckennummer = nr <= 99 ? nr++ : 0;
        }
    };
    for (auto& t : w.teams) {
        if (t.art == Welt_Team_Art::Verein) kader(t, kader_groesse(b.r, groesse), Herkunft::Mit_Fremden);
        else if (t.art == Welt_Team_Art::Land && t.nationalteam && !ohne_nationalspieler(t.name))
            kader(t, groesse == Welt_Groesse::Klein ? 18 : 22, Herkunft::Eigene);
    }
    int markt = groesse == Welt_Groesse::Klein ? 20 : groesse == Welt_Groesse::Gross ? 300 : 180;
    int jugend = groesse == Welt_Groesse::Klein ? 10 : groesse == Welt_Groesse::Gross ? 500 : 100;
    // The transfer market gathers players of every country; the youth come from home.
    kader(w.teams[w.transfermarkt_team], markt, Herkunft::Alle);
    kader(w.teams[w.jugend_team], jugend, Herkunft::Eigene);

    // The game never adds player 8899 to team 469; keep such a pairing out of the world.
    if (w.teams.size() > 469 && w.spieler.size() > 8899 && w.spieler[8899].team == 469) {
        auto& liste = w.teams[469].spieler;
        liste.erase(std::find(liste.begin(), liste.end(), 8899));
        w.teams[w.transfermarkt_team].spieler.push_back(8899);
        w.spieler[8899].team = w.transfermarkt_team;
    }

    // Staff: referees and assistants of every nation, named in its language.
    int schiris = groesse == Welt_Groesse::Klein ? 8 : 60;
    int assis = groesse == Welt_Groesse::Klein ? 6 : 40;
    auto person = [&](int32_t typ, size_t n) {
        Welt_Person p;
        p.typ = typ;
        Welt_Sprache s = plan[n].def->sprache;
        std::string vorname = Welt_Vorname(b.r, s);
        std::string nachname = Welt_Nachname(b.r, s, 24 - vorname.size(), true);
        p.name = vorname + " " + nachname;
        p.land = w.nationen[n].land_team;
        if (p.typ == 0) {
            p.haerte = b.r.range(1, 6);
            p.aufmerksamkeit = b.r.range(1, 6);
        }
        w.personal.push_back(p);
    };
    for (int i = 0; i < schiris + assis; ++i) {
        size_t n = static_cast<size_t>(b.r.range(0, static_cast<int32_t>(plan.size()) - 1));
        person(i < schiris ? 0 : 1, n);
    }
    // A nation's games between its own clubs take a referee of that nation, each a game a day: a
    // cup round of all its clubs wants one for every two clubs. The test world stays as small.
    if (groesse != Welt_Groesse::Klein)
        for (size_t n = 0; n < plan.size(); ++n) {
            int32_t vereine_land = 0;
            for (int k : plan[n].ligen) vereine_land += k;
            int32_t da = 0;
            for (const Welt_Person& p : w.personal) da += p.typ == 0 && p.land == w.nationen[n].land_team;
            for (; da < (vereine_land + 1) / 2; ++da) person(0, n);
        }
    wappen_verteilen(w);
    return w;
}

bool Welt_Argumente(const std::vector<std::string>& args, Welt_Groesse& groesse, uint32_t& seed)
{
    groesse = Welt_Groesse::Standard;
    seed = WELT_STANDARD_SEED;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--world" && i + 1 < args.size()) {
            const std::string& g = args[++i];
            if (g == "small") groesse = Welt_Groesse::Klein;
            else if (g == "large") groesse = Welt_Groesse::Gross;
            else if (g == "default" || g == "standard") groesse = Welt_Groesse::Standard;
            else {
                std::fprintf(stderr, "welt: unbekannte Weltgröße %s (small|default|large)\n", g.c_str());
                return false;
            }
        } else if (args[i] == "--seed" && i + 1 < args.size()) {
            seed = static_cast<uint32_t>(std::strtoul(args[++i].c_str(), nullptr, 10));
        }
        // other steps' arguments pass through
    }
    return true;
}
