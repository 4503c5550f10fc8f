// The world model: invented clubs, towns, stadiums, players and staff in real countries. Every
// name comes from syllable generators, so no real club or person is named. The builder has its
// own small generator so that the world does not depend on the game's random state.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "tools/datagen/welt.h"

namespace {

struct Rng {
    uint32_t s;
    explicit Rng(uint32_t seed) : s(seed ? seed : 0x9E3779B9u) {}
    uint32_t next()
    {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    int32_t range(int32_t lo, int32_t hi)  // inclusive
    {
        if (hi <= lo) return lo;
        return lo + static_cast<int32_t>(next() % static_cast<uint32_t>(hi - lo + 1));
    }
    template <size_t N> const char* pick(const char* const (&a)[N]) { return a[next() % N]; }
};

enum Sprache { DE, EN, ROM, FR, NORD, OST };

struct Silben {
    const char* const* vorn;
    size_t n_vorn;
    const char* const* hinten;
    size_t n_hinten;
};

// Town names take a middle syllable as well: two syllables alone too often meet a real town.
const char* const ORT_MITTE[6][7] = {
    {"en", "er", "el", "ing", "ers", "in", "ol"},
    {"el", "an", "ing", "er", "is", "ow", "et"},
    {"ar", "el", "ir", "on", "av", "il", "or"},
    {"el", "an", "ar", "eu", "on", "ir", "ou"},
    {"el", "er", "ar", "ing", "ol", "en", "us"},
    {"ar", "ov", "in", "el", "im", "ak", "uz"},
};

// Town syllables.
const char* const ORT_DE_V[] = {"Berg", "Wal", "Hohen", "Alt", "Neu", "Ros", "Kirch", "Lin", "Mar",
                                "Sel", "Wes", "Fal", "Hal", "Eich", "Bren", "Dorn", "Ahl", "Ober",
                                "Lau", "Hart", "Stein", "Mühl", "Tann", "Wint", "Grün", "Sand",
                                "Roth", "Elm", "Kell", "Bir", "Heid", "Lö"};
const char* const ORT_DE_H[] = {"heim", "burg", "feld", "dorf", "hausen", "stadt", "bach", "au",
                                "ingen", "rode", "beck", "hagen", "stedt", "furt", "brück", "tal",
                                "wald", "ow", "litz", "kirchen"};
const char* const ORT_EN_V[] = {"Ash", "Brad", "Chel", "Dun", "Elm", "Fair", "Gran", "Hal", "Kings",
                                "Lang", "Mar", "North", "Red", "Stan", "Thorn", "Wex", "Bram", "Cal",
                                "Hol", "Pen", "Wood", "Crow"};
const char* const ORT_EN_H[] = {"ford", "ton", "bury", "ham", "wick", "field", "mouth", "ley",
                                "worth", "pool", "by", "chester", "stead", "gate", "dale"};
const char* const ORT_ROM_V[] = {"San", "Mon", "Val", "Cas", "Ser", "Tor", "Bel", "Ros", "Lu", "Mar",
                                 "Cor", "Pa", "Vi", "Fer", "Al", "Sal", "Ter", "Gia", "Ri", "Bor"};
const char* const ORT_ROM_H[] = {"ello", "ara", "ino", "ona", "ezza", "ento", "ano", "iglia", "ada",
                                 "era", "osa", "ica", "uro", "ales", "ena", "ilia"};
const char* const ORT_FR_V[] = {"Beau", "Mont", "Ville", "Cha", "Lon", "Mar", "Bel", "Ro", "Ver",
                                "Sau", "Gre", "Lu", "Cler", "Bri", "Val", "Bon"};
const char* const ORT_FR_H[] = {"court", "mont", "ville", "lac", "ay", "eaux", "ières", "bourg",
                                "nay", "mier", "ac", "ange", "oux"};
const char* const ORT_NORD_V[] = {"Gro", "Zwa", "Al", "Hel", "Eind", "Lei", "Ven", "Od", "Sten",
                                  "Fal", "Bor", "Lund", "Hol", "Ny", "Sk", "Ös"};
const char* const ORT_NORD_H[] = {"dam", "dorp", "huizen", "wijk", "berg", "sund", "by", "köping",
                                  "vik", "stad", "holm", "ing", "rum", "ede"};
const char* const ORT_OST_V[] = {"Ka", "Bo", "Ves", "Mir", "Dra", "Ko", "Sta", "Pe", "Ni", "Ta",
                                 "Za", "Le", "Gor", "Bel", "Vol", "Ist"};
const char* const ORT_OST_H[] = {"grad", "ovo", "ara", "ikon", "ilia", "ow", "ice", "ansk", "opol",
                                 "iri", "ova", "aki", "enz"};

// Surname syllables.
const char* const NAME_DE_V[] = {"Kess", "Brand", "Hof", "Wag", "Lind", "Stein", "Krä", "Vog", "Bau",
                                 "Haber", "Rit", "Scholl", "Zim", "Lang", "Mau", "Wen", "Eng",
                                 "Rein", "Vol", "Dre", "Kur", "Fen", "Ha", "Mer", "Ol", "Sei", "Tra",
                                 "Wirt", "Gün", "Pel", "Bor", "Sten", "Hau", "Klo", "Rö", "Fa"};
const char* const NAME_DE_H[] = {"mann", "er", "ler", "ner", "ke", "bauer", "berg", "hardt",
                                 "inger", "sen", "mayer", "hofer", "wald", "lich", "rich", "ert",
                                 "el", "ing", "stedt", "meier", "mos", "bichler"};
const char* const NAME_EN_V[] = {"Bar", "Cal", "Dal", "Fen", "Har", "Mor", "Whit", "Ash", "Wel",
                                 "Thorn", "Cope", "Ren", "Gil", "Pem", "Stan", "Brad"};
const char* const NAME_EN_H[] = {"son", "by", "ton", "ley", "ridge", "well", "ford", "wick", "man",
                                 "more", "ing", "ham"};
const char* const NAME_ROM_V[] = {"Rol", "Ben", "Cas", "Fer", "Gal", "Mar", "Ros", "Ven", "Pal",
                                  "Ser", "Lo", "Dur", "Ta", "Bru", "Qui", "Sar"};
const char* const NAME_ROM_H[] = {"ini", "etti", "ano", "ardo", "ez", "ales", "ero", "ucci", "ada",
                                  "ino", "ona", "elli", "iro"};
const char* const NAME_FR_V[] = {"Du", "Le", "Bel", "Mar", "Gir", "Ren", "Fau", "Lam", "Bou", "Cha",
                                 "Mon", "Vai"};
const char* const NAME_FR_H[] = {"bois", "mont", "ard", "eau", "ier", "ot", "elle", "in", "et",
                                 "oux", "ant"};
const char* const NAME_NORD_V[] = {"Ols", "Jen", "Lar", "Van der", "De", "Berg", "Hol", "Ny", "Sven",
                                   "Dah", "Kui", "Ek"};
const char* const NAME_NORD_H[] = {"sen", "son", "gaard", "berg", "dijk", "man", "lund", "ström",
                                   "stra", "hof", "vik"};
const char* const NAME_OST_V[] = {"Kov", "Nov", "Pet", "Dim", "Yil", "Pap", "Wis", "Ser", "Bal",
                                  "Mar", "Dra", "Ko"};
const char* const NAME_OST_H[] = {"ic", "ov", "ski", "ak", "maz", "opoulos", "enko", "escu", "ek",
                                  "idis", "in"};

const char* const VORNAMEN_DE[] = {"Thomas", "Stefan", "Michael", "Andreas", "Jens", "Markus",
                                   "Jörg", "Uwe", "Karsten", "Dirk", "Holger", "Sven", "Tobias",
                                   "Florian", "Lars", "Ralf", "Björn", "Oliver", "Frank", "Heiko"};
const char* const VORNAMEN_EN[] = {"John", "Gary", "Paul", "Steven", "Mark", "Ian", "Lee", "Darren"};
const char* const VORNAMEN_ROM[] = {"Marco", "Luca", "Javier", "Carlos", "Paolo", "Rui", "Diego",
                                    "Andrea"};
const char* const VORNAMEN_FR[] = {"Pierre", "Laurent", "Didier", "Olivier", "Jean", "Marc", "Yves"};
const char* const VORNAMEN_NORD[] = {"Lars", "Jan", "Erik", "Ruud", "Anders", "Henrik", "Niels"};
const char* const VORNAMEN_OST[] = {"Ivan", "Dragan", "Nikos", "Piotr", "Emre", "Sergej", "Milan"};

struct Land_Def {
    const char* name;
    int32_t kontinent;
    Sprache sprache;
    int staerke;          // 0..100: how strong its clubs are
    bool nationalteam;
    int ligen_std[3];     // tier sizes in the standard world (0 = no tier)
    int pokal_std;        // cup-only clubs in the standard world
    int ligen_klein[3];
    int pokal_klein;
    bool im_kleinen;      // the nation exists in the small world
};

// The home nation first. The national teams of Italien, England, Frankreich and Spanien get no
// players: the game leaves those four squads empty.
const Land_Def LAENDER[] = {
    {"Deutschland", 0, DE, 80, true, {18, 18, 20}, 8, {6, 6, 6}, 2, true},
    {"England", 0, EN, 85, true, {20, 20, 0}, 0, {6, 0, 0}, 0, true},
    {"Italien", 0, ROM, 85, true, {18, 18, 0}, 0, {6, 0, 0}, 0, true},
    {"Spanien", 0, ROM, 85, true, {20, 20, 0}, 0, {0, 0, 0}, 0, true},
    {"Frankreich", 0, FR, 75, true, {18, 18, 0}, 0, {0, 0, 0}, 0, true},
    {"Niederlande", 0, NORD, 70, true, {18, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Portugal", 0, ROM, 68, true, {18, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Belgien", 0, NORD, 60, true, {16, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Türkei", 0, OST, 60, true, {18, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Schottland", 0, EN, 55, true, {12, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Österreich", 0, DE, 55, true, {10, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Schweiz", 0, DE, 55, true, {10, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Griechenland", 0, OST, 55, true, {16, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Dänemark", 0, NORD, 55, true, {12, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Schweden", 0, NORD, 52, true, {16, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Norwegen", 0, NORD, 50, true, {14, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Polen", 0, OST, 50, true, {16, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Russland", 0, OST, 58, true, {16, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Brasilien", 2, ROM, 85, true, {0, 0, 0}, 0, {0, 0, 0}, 0, true},
    {"Argentinien", 2, ROM, 82, true, {0, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Uruguay", 2, ROM, 65, true, {0, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Kolumbien", 2, ROM, 62, true, {0, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"USA", 3, EN, 55, true, {0, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Mexiko", 3, ROM, 60, true, {0, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Japan", 1, OST, 55, true, {0, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Südkorea", 1, OST, 55, true, {0, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Nigeria", 4, EN, 60, true, {0, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Kamerun", 4, FR, 58, true, {0, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Ghana", 4, EN, 55, true, {0, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Australien", 5, EN, 50, true, {0, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Tschechien", 0, OST, 62, true, {0, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Kroatien", 0, OST, 62, true, {0, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Irland", 0, EN, 52, false, {0, 0, 0}, 0, {0, 0, 0}, 0, false},
    {"Ungarn", 0, OST, 48, false, {0, 0, 0}, 0, {0, 0, 0}, 0, false},
};

bool ohne_nationalspieler(const std::string& land)
{
    return land == "Italien" || land == "England" || land == "Frankreich" || land == "Spanien";
}

Silben ort_silben(Sprache s)
{
    switch (s) {
    case DE: return {ORT_DE_V, std::size(ORT_DE_V), ORT_DE_H, std::size(ORT_DE_H)};
    case EN: return {ORT_EN_V, std::size(ORT_EN_V), ORT_EN_H, std::size(ORT_EN_H)};
    case ROM: return {ORT_ROM_V, std::size(ORT_ROM_V), ORT_ROM_H, std::size(ORT_ROM_H)};
    case FR: return {ORT_FR_V, std::size(ORT_FR_V), ORT_FR_H, std::size(ORT_FR_H)};
    case NORD: return {ORT_NORD_V, std::size(ORT_NORD_V), ORT_NORD_H, std::size(ORT_NORD_H)};
    default: return {ORT_OST_V, std::size(ORT_OST_V), ORT_OST_H, std::size(ORT_OST_H)};
    }
}

Silben name_silben(Sprache s)
{
    switch (s) {
    case DE: return {NAME_DE_V, std::size(NAME_DE_V), NAME_DE_H, std::size(NAME_DE_H)};
    case EN: return {NAME_EN_V, std::size(NAME_EN_V), NAME_EN_H, std::size(NAME_EN_H)};
    case ROM: return {NAME_ROM_V, std::size(NAME_ROM_V), NAME_ROM_H, std::size(NAME_ROM_H)};
    case FR: return {NAME_FR_V, std::size(NAME_FR_V), NAME_FR_H, std::size(NAME_FR_H)};
    case NORD: return {NAME_NORD_V, std::size(NAME_NORD_V), NAME_NORD_H, std::size(NAME_NORD_H)};
    default: return {NAME_OST_V, std::size(NAME_OST_V), NAME_OST_H, std::size(NAME_OST_H)};
    }
}

const char* vorname(Rng& r, Sprache s)
{
    switch (s) {
    case DE: return r.pick(VORNAMEN_DE);
    case EN: return r.pick(VORNAMEN_EN);
    case ROM: return r.pick(VORNAMEN_ROM);
    case FR: return r.pick(VORNAMEN_FR);
    case NORD: return r.pick(VORNAMEN_NORD);
    default: return r.pick(VORNAMEN_OST);
    }
}

// Surnames with a middle syllable now and then; staff, whose full names are shown, always get
// one, so that no real person is named.
const char* const NAME_MITTE[] = {"en", "er", "el", "in", "ol", "an", "ers", "ig"};

std::string nachname(Rng& r, Sprache s, size_t max_len, bool mitte)
{
    Silben silben = name_silben(s);
    for (;;) {
        std::string w = silben.vorn[r.next() % silben.n_vorn];
        if (mitte || r.range(0, 1)) w += NAME_MITTE[r.next() % std::size(NAME_MITTE)];
        w += silben.hinten[r.next() % silben.n_hinten];
        if (w.size() <= max_len) return w;
    }
}

// Club name forms by language; %s is the town.
const char* const VEREIN_DE[] = {"FC %s", "SV %s", "%s SC", "TuS %s", "VfB %s", "Eintracht %s",
                                 "SpVgg %s", "Union %s", "Borussia %s", "Fortuna %s", "SC %s 07"};
const char* const VEREIN_EN[] = {"%s United", "%s City", "%s Town", "%s Rovers", "%s Athletic",
                                 "%s Albion"};
const char* const VEREIN_ROM[] = {"AC %s", "Real %s", "Atlético %s", "CD %s", "US %s", "Sporting %s",
                                  "Deportivo %s"};
const char* const VEREIN_FR[] = {"Olympique %s", "AS %s", "FC %s", "Stade %s", "RC %s"};
const char* const VEREIN_NORD[] = {"FC %s", "IF %s", "%s BK", "SK %s", "%s FF", "VV %s"};
const char* const VEREIN_OST[] = {"Dinamo %s", "Spartak %s", "%sspor", "Lokomotiv %s", "Polonia %s",
                                  "Slavia %s"};

std::string vereinsname(Rng& r, Sprache s, const std::string& ort)
{
    const char* form;
    switch (s) {
    case DE: form = r.pick(VEREIN_DE); break;
    case EN: form = r.pick(VEREIN_EN); break;
    case ROM: form = r.pick(VEREIN_ROM); break;
    case FR: form = r.pick(VEREIN_FR); break;
    case NORD: form = r.pick(VEREIN_NORD); break;
    default: form = r.pick(VEREIN_OST); break;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, form, ort.c_str());
    return buf;
}

// Upper-case ASCII word for aliases; Windows-1252 umlauts become two letters.
std::string alias_aus(const std::string& text)
{
    std::string a;
    for (unsigned char c : text) {
        if (c >= 'a' && c <= 'z') a += static_cast<char>(c - 32);
        else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) a += static_cast<char>(c);
        else if (c == 0xE4 || c == 0xC4) a += "AE";
        else if (c == 0xF6 || c == 0xD6) a += "OE";
        else if (c == 0xFC || c == 0xDC) a += "UE";
        else if (c == 0xDF) a += "SS";
        else if (c >= 0xC0) a += 'E';
        else if (c == ' ' || c == '-' || c == '.') {
            if (!a.empty() && a.back() != '_') a += '_';
        }
    }
    while (!a.empty() && a.back() == '_') a.pop_back();
    return a.empty() ? std::string("TEAM") : a;
}

int32_t clamp(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }

struct Bau {
    Welt w;
    Rng r;
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

    std::string ort_wort(Sprache s)
    {
        Silben silben = ort_silben(s);
        for (;;) {
            std::string o = silben.vorn[r.next() % silben.n_vorn];
            o += ORT_MITTE[s][r.next() % 7];
            o += silben.hinten[r.next() % silben.n_hinten];
            if (o.size() <= 14) return o;
        }
    }

    std::string neuer_ort(Sprache s)
    {
        for (int i = 0; i < 200; ++i) {
            std::string o = ort_wort(s);
            if (orte.insert(o).second) return o;
        }
        return eindeutig(orte, ort_wort(s).substr(0, 12));
    }

    Welt_Team& neues_team(Welt_Team_Art art)
    {
        Welt_Team t;
        t.nummer = static_cast<int32_t>(w.teams.size());
        t.art = art;
        t.grafik_nr = t.nummer % 598;
        for (auto& f : t.farben)
            for (auto& c : f) c = static_cast<uint8_t>(r.range(0, 255));
        t.klima[0] = static_cast<uint8_t>(r.range(5, 25));
        t.klima[1] = static_cast<uint8_t>(r.range(20, 80));
        t.klima[2] = static_cast<uint8_t>(r.range(0, 100));
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

    void verein(Sprache s, int32_t nation, int32_t kontinent, int32_t stufe, int basis)
    {
        std::string ort = neuer_ort(s);
        Welt_Team& t = neues_team(Welt_Team_Art::Verein);
        std::string name = vereinsname(r, s, ort);
        if (name.size() > 23) name = ort;
        t.name = eindeutig(teamnamen, name);
        t.kurzname = ort.substr(0, 9);
        t.alias = eindeutig(aliase, alias_aus(t.name));
        t.stadt = ort.substr(0, 17);
        static const char* const STADION[] = {"%s-Stadion", "Stadion %s", "%s Arena", "Park %s",
                                              "Sportpark %s", "Waldstadion %s"};
        char buf[64];
        std::snprintf(buf, sizeof buf, r.pick(STADION), ort.c_str());
        t.stadion = std::string(buf).substr(0, 29);
        t.nation = nation;
        t.kontinent = kontinent;
        t.liga_stufe = stufe;
        staerken(t, basis);
        int plaetze = clamp(basis * 80 + r.range(-8000, 8000), 2000, 80000);
        t.sitzplaetze = plaetze * r.range(30, 70) / 100 / 500 * 500;
        t.stehplaetze = (plaetze - t.sitzplaetze) / 500 * 500;
    }
};

int kader_groesse(Rng& r, Welt_Groesse g)
{
    switch (g) {
    case Welt_Groesse::Klein: return 18;
    case Welt_Groesse::Gross: return r.range(38, 42);
    default: return r.range(20, 24);
    }
}

}  // namespace

Welt Welt_Bauen(Welt_Groesse groesse, uint32_t seed)
{
    Bau b(groesse, seed);
    Welt& w = b.w;

    // Which nations, with which tiers.
    struct Plan {
        const Land_Def* def;
        std::vector<int> ligen;
        int pokal;
    };
    std::vector<Plan> plan;
    for (const auto& d : LAENDER) {
        Plan p{&d, {}, 0};
        if (groesse == Welt_Groesse::Klein) {
            if (!d.im_kleinen) continue;
            for (int n : d.ligen_klein)
                if (n) p.ligen.push_back(n);
            p.pokal = d.pokal_klein;
        } else {
            for (int n : d.ligen_std)
                if (n) p.ligen.push_back(n);
            p.pokal = d.pokal_std;
            if (groesse == Welt_Groesse::Gross && !p.ligen.empty()) {
                // As large as the team tables allow: a further tier everywhere and a wider cup.
                if (p.ligen.size() < 3) p.ligen.push_back(p.ligen.back());
                if (d.name == std::string("Deutschland")) p.ligen.push_back(20), p.pokal = 24;
            }
        }
        plan.push_back(p);
    }

    // Country entries get their numbers after all clubs: count the clubs first.
    int32_t vereine = 0;
    for (const auto& p : plan) {
        for (int n : p.ligen) vereine += n;
        vereine += p.pokal;
    }
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

    static const char* const LIGA_NAMEN[] = {"1. Liga", "2. Liga", "3. Liga", "4. Liga"};
    for (size_t i = 0; i < plan.size(); ++i) {
        const Land_Def& d = *plan[i].def;
        Welt_Nation& n = w.nationen[i];
        for (size_t stufe = 0; stufe < plan[i].ligen.size(); ++stufe) {
            Welt_Liga liga;
            liga.stufe = static_cast<int32_t>(stufe);
            liga.name = LIGA_NAMEN[stufe];
            int basis = d.staerke * 8 - static_cast<int>(stufe) * 140;
            for (int k = 0; k < plan[i].ligen[stufe]; ++k) {
                b.verein(d.sprache, n.land_team, d.kontinent, liga.stufe,
                         clamp(basis + b.r.range(-60, 60), 120, 900));
                liga.teams.push_back(w.teams.back().nummer);
                n.pokal_teams.push_back(w.teams.back().nummer);
            }
            n.ligen.push_back(liga);
        }
        int basis = d.staerke * 8 - static_cast<int>(plan[i].ligen.size()) * 140;
        for (int k = 0; k < plan[i].pokal; ++k) {
            b.verein(d.sprache, n.land_team, d.kontinent, -1, clamp(basis + b.r.range(-60, 40), 100, 900));
            n.pokal_teams.push_back(w.teams.back().nummer);
        }
    }

    // Country entries: the nation of its clubs, and the national team where it has one.
    for (size_t i = 0; i < plan.size(); ++i) {
        Welt_Team& t = b.neues_team(Welt_Team_Art::Land);
        const Land_Def& d = *plan[i].def;
        t.name = d.name;
        b.teamnamen.insert(t.name);
        t.kurzname = std::string(d.name).substr(0, 9);
        t.alias = b.eindeutig(b.aliase, alias_aus(t.name));
        t.nation = t.nummer;
        t.kontinent = d.kontinent;
        t.nationalteam = d.nationalteam;
        b.staerken(t, clamp(d.staerke * 9, 100, 900));
    }
    w.transfermarkt_team = b.neues_team(Welt_Team_Art::Transfermarkt).nummer;
    w.teams.back().name = "TRANSFERMARKT";
    w.teams.back().kurzname = "Markt";
    w.teams.back().alias = "TRANSFERMARKT";
    w.jugend_team = b.neues_team(Welt_Team_Art::Jugend).nummer;
    w.teams.back().name = "JUGENDTEAM";
    w.teams.back().kurzname = "Jugend";
    w.teams.back().alias = "JUGENDTEAM";
    for (auto* t : {&w.teams[w.transfermarkt_team], &w.teams[w.jugend_team]}) {
        t->nation = w.heimatland;
        b.staerken(*t, 300);
    }

    // Players, squad by squad in team-number order.
    auto neuer_spieler = [&](Welt_Team& t, Sprache s, int basis, int rolle) {
        Welt_Spieler p;
        p.nummer = static_cast<int32_t>(w.spieler.size());
        p.name = nachname(b.r, s, 19, false);
        p.vorname = vorname(b.r, s);
        p.nation = t.nation;
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
    auto sprache_von = [&](int32_t nation) {
        for (size_t i = 0; i < plan.size(); ++i)
            if (w.nationen[i].land_team == nation) return plan[i].def->sprache;
        return DE;
    };
    auto kader = [&](Welt_Team& t, int n) {
        Sprache s = sprache_von(t.nation);
        int basis = (t.staerke[1] + t.staerke[2] + t.staerke[3]) / 3;
        int tw = n >= 24 ? 3 : 2;
        int rest = n - tw;
        for (int i = 0; i < n; ++i) {
            int rolle = i < tw ? 0 : 1 + ((i - tw) * 3) / std::max(rest, 1);
            // a few players of other countries in every squad
            Sprache ps = (b.r.range(0, 9) == 0) ? static_cast<Sprache>(b.r.range(0, 5)) : s;
            neuer_spieler(t, ps, basis, rolle);
        }
        // shirt numbers 1..99 for club and national squads; the pseudo-teams draw their own
        if (t.art == Welt_Team_Art::Verein || t.art == Welt_Team_Art::Land) {
            int nr = 1;
            for (int32_t sp : t.spieler) w.spieler[sp].rueckennummer = nr <= 99 ? nr++ : 0;
        }
    };
    for (auto& t : w.teams) {
        if (t.art == Welt_Team_Art::Verein) kader(t, kader_groesse(b.r, groesse));
        else if (t.art == Welt_Team_Art::Land && t.nationalteam && !ohne_nationalspieler(t.name))
            kader(t, groesse == Welt_Groesse::Klein ? 18 : 22);
    }
    int markt = groesse == Welt_Groesse::Klein ? 20 : groesse == Welt_Groesse::Gross ? 300 : 180;
    int jugend = groesse == Welt_Groesse::Klein ? 10 : groesse == Welt_Groesse::Gross ? 500 : 100;
    kader(w.teams[w.transfermarkt_team], markt);
    kader(w.teams[w.jugend_team], jugend);
    // The transfer market gathers players of every country.
    for (int32_t sp : w.teams[w.transfermarkt_team].spieler)
        w.spieler[sp].nation = w.nationen[b.r.range(0, static_cast<int32_t>(w.nationen.size()) - 1)].land_team;

    // The game never adds player 8899 to team 469; keep such a pairing out of the world.
    if (w.teams.size() > 469 && w.spieler.size() > 8899 && w.spieler[8899].team == 469) {
        auto& liste = w.teams[469].spieler;
        liste.erase(std::find(liste.begin(), liste.end(), 8899));
        w.teams[w.transfermarkt_team].spieler.push_back(8899);
        w.spieler[8899].team = w.transfermarkt_team;
    }

    // Staff: referees and assistants from the league nations.
    int schiris = groesse == Welt_Groesse::Klein ? 8 : 60;
    int assis = groesse == Welt_Groesse::Klein ? 6 : 40;
    for (int i = 0; i < schiris + assis; ++i) {
        Welt_Person p;
        p.typ = i < schiris ? 0 : 1;
        size_t n = static_cast<size_t>(b.r.range(0, static_cast<int32_t>(plan.size()) - 1));
        Sprache s = plan[n].def->sprache;
        p.name = std::string(vorname(b.r, s)) + " " + nachname(b.r, s, 16, true);
        if (p.name.size() > 25) p.name.resize(25);
        p.land = w.nationen[n].land_team;
        if (p.typ == 0) {
            p.haerte = b.r.range(1, 6);
            p.aufmerksamkeit = b.r.range(1, 6);
        }
        w.personal.push_back(p);
    }
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
