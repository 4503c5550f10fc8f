// Names of the generated world: club names fit the team lists in the game's own font 3, and
// clubs, grounds, players and staff of each nation are named in that nation's language.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "common/builder_daten.h"
#include "database/db_hilfe.h"
#include "database/personal.h"
#include "graphics/font.h"
#include "graphics/grafik_screen.h"
#include "platform/read_config.h"
#include "platform/resfile.h"
#include "platform/win95.h"

namespace {

namespace fs = std::filesystem;

fs::path temp_ordner(const std::string& name)
{
    return fs::temp_directory_path() / ("dorvin_welt_namen_" + std::to_string(::getpid()) + "_" + name);
}

fs::path welt_bauen(const std::string& name, const std::string& args)
{
    fs::path ziel = temp_ordner(name);
    fs::remove_all(ziel);
    std::string befehl = std::string(DORVIN_BINARY_DIR) + "/dorvin_datagen welt --ziel " + ziel.string() + " " + args;
    EXPECT_EQ(std::system(befehl.c_str()), 0) << befehl;
    std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", (ziel / "config_files").c_str());
    return ziel;
}

struct Datei_Team {
    std::string name, nation, stadion;
};

// The team blocks as the file has them, before any reader shortens a name.
std::map<int32_t, Datei_Team> teams_der_datei()
{
    std::map<int32_t, Datei_Team> teams;
    EXPECT_TRUE(Read_Config_Open(1, 0, -1));
    int32_t nummer = -1;
    for (const char* w = Read_Config_Read_Zeile(nullptr, true); *w; w = Read_Config_Read_Zeile(nullptr, true)) {
        if (!std::strcmp(w, "NUMMER")) nummer = Read_Config_Get_Wert();
        else if (!std::strcmp(w, "NAME")) teams[nummer].name = Read_Config_Get_Wert_Text();
        else if (!std::strcmp(w, "NATION")) teams[nummer].nation = Read_Config_Get_Wert_Text();
        else if (!std::strcmp(w, "STADION_NAME")) teams[nummer].stadion = Read_Config_Get_Wert_Text();
    }
    Read_Config_Close();
    return teams;
}

bool ist_verein(int32_t t) { return !(T[t].status & 3) && t != Transfermarkt_Team && t != Jugend_Team; }

// ---- The cut rule in font 3 ----

class WeltFont : public ::testing::Test {
protected:
    static inline fs::path ordner;
    static inline int32_t handle = -1, alt_handle = -1, alt_tiefe = 0;

    // The fonts as the data builder makes them for the program, loaded as the game loads them.
    static void SetUpTestSuite()
    {
        alt_handle = ResFile_Handles[0].handle;
        alt_tiefe = Grafik_Screen_Geometrie.depth;
        ordner = Test_Resfiles_Ordner();
        ASSERT_FALSE(ordner.empty());
        handle = Init_ResFile((ordner / "resfile" / "resf_scr.res").c_str());
        ASSERT_GE(handle, 0);
        ResFile_Handles[0].handle = handle;
        Grafik_Screen_Geometrie.depth = 16;
        Font_Alle_Freigeben();
        Grafik_Init();
    }
    static void TearDownTestSuite()
    {
        Font_Alle_Freigeben();
        if (handle >= 0) DeInit_ResFile(handle);
        ResFile_Handles[0].handle = alt_handle;
        Grafik_Screen_Geometrie.depth = alt_tiefe;
    }
    void SetUp() override { ASSERT_NE(Font(3), nullptr); }
    void TearDown() override { Test_Aufraeumen(); }

    // "FC " and small letters that add up to exactly `breite` pixels in font 3.
    static std::string name_mit_breite(int32_t breite)
    {
        Font_Record* f = Font(3);
        const std::string buchstaben = "abdeghiklmnorstu";
        std::string s = "FC ";
        while (Font_Text_Breite(f, s.c_str()) < breite - 24) s += "enor"[s.size() % 4];
        int32_t rest = breite - Font_Text_Breite(f, s.c_str());
        std::vector<char> letzter(size_t(rest) + 1, 0);
        std::vector<bool> erreicht(size_t(rest) + 1, false);
        erreicht[0] = true;
        for (int32_t w = 0; w < rest; ++w) {
            if (!erreicht[size_t(w)]) continue;
            for (char c : buchstaben) {
                int32_t n = w + Font_Zeichen_Breite(f, uint8_t(c));
                if (n <= rest && !erreicht[size_t(n)]) {
                    erreicht[size_t(n)] = true;
                    letzter[size_t(n)] = c;
                }
            }
        }
        if (!erreicht[size_t(rest)]) return "";
        std::string ende;
        for (int32_t w = rest; w > 0; w -= Font_Zeichen_Breite(f, uint8_t(letzter[size_t(w)]))) ende += letzter[size_t(w)];
        return s + ende;
    }
};

TEST_F(WeltFont, NamesWiderThan115PixelsAreCutCharacterByCharacter)
{
    Font_Record* f = Font(3);
    for (int32_t breite : {130, 116}) {
        SCOPED_TRACE(breite);
        std::string lang = name_mit_breite(breite);
        ASSERT_EQ(Font_Text_Breite(f, lang.c_str()), breite) << lang;
        char name[64];
        std::snprintf(name, sizeof name, "%s", lang.c_str());
        Team_Name_Kuerzen(name);
        std::string kurz = name;
        ASSERT_LT(kurz.size(), lang.size());
        EXPECT_EQ(lang.compare(0, kurz.size(), kurz), 0) << kurz;  // the start of the name stays
        EXPECT_LE(Font_Text_Breite(f, name), 115);
        // the longest start that fits: one character more would be too wide
        EXPECT_GT(Font_Text_Breite(f, lang.substr(0, kurz.size() + 1).c_str()), 115);
    }

    std::string genau = name_mit_breite(115);
    ASSERT_EQ(Font_Text_Breite(f, genau.c_str()), 115);
    char name[64];
    std::snprintf(name, sizeof name, "%s", genau.c_str());
    Team_Name_Kuerzen(name);
    EXPECT_EQ(std::string(name), genau);
}

// The reader cuts every team name that is too wide; the builder's names must never need it.
TEST_F(WeltFont, GeneratedTeamNamesKeepEveryCharacter)
{
    for (const char* groesse : {"small", "default", "large"}) {
        SCOPED_TRACE(groesse);
        fs::path ziel = welt_bauen(groesse, std::strcmp(groesse, "default") ? std::string("--world ") + groesse : "");
        std::map<int32_t, Datei_Team> datei = teams_der_datei();
        ASSERT_TRUE(Team(0));
        ASSERT_EQ(static_cast<int32_t>(datei.size()), Team_Anzahl);
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            EXPECT_EQ(std::string(T_Fix[t].name), datei[t].name) << "team " << t;
            EXPECT_LE(Font_Text_Breite(Font(3), datei[t].name.c_str()), 115) << datei[t].name;
        }
        Test_Aufraeumen();
        fs::remove_all(ziel);
    }
}

// ---- Names by nation ----

// What names of a language look like: surname endings or prefixes (before a capital), whole
// names (Korean family names), and the words that its club and ground names are made of ("-spor":
// a word ending so).
struct Sprachregel {
    std::vector<std::string> laender;
    std::vector<std::string> endungen;
    std::vector<std::string> vorsaetze;
    std::vector<std::string> vereinsworte;
    std::vector<std::string> stadionworte;
    std::vector<std::string> ganze = {};
    const char* silben = nullptr;  // a name must be made of these syllables alone
};

const std::vector<std::string> ENGLISCH = {"son", "by", "ton", "ley", "ridge", "well", "ford", "wick", "more",
                                           "ham", "worth", "field", "shaw", "wood", "hurst", "stone", "man",
                                           "land", "dale", "er"};

const std::vector<Sprachregel>& sprachregeln()
{
    static const std::vector<Sprachregel> regeln = {
        {{"Deutschland", "Österreich", "Schweiz"},
         {"mann", "er", "el", "ke", "dt", "berg", "wald", "ich", "ert", "cht", "stedt", "ing", "hof", "burg", "tz"},
         {},
         {"FC", "1.", "SV", "TSV", "VfB", "VfL", "TuS", "SpVgg", "Eintracht", "Union", "Borussia", "Fortuna",
          "Alemannia", "SC"},
         {"Stadion", "Waldstadion", "Sportpark", "Sportplatz"}},
        {{"England", "USA", "Australien"},
         ENGLISCH,
         {},
         {"United", "City", "Town", "Rovers", "Athletic", "Albion", "Wanderers", "County", "FC"},
         {"Park", "Road", "Lane", "Ground", "Stadium"}},
        {{"Schottland"},
         {"guson", "ziel", "patrick", "four", "lop", "rie", "gour", "mond", "christ", "lie", "son", "by", "ton",
          "ley", "ridge", "well", "ford", "wick", "more", "ham", "worth", "field", "shaw", "wood", "hurst", "stone"},
         {"Mac", "Mc"},
         {"Thistle", "Athletic", "Rovers", "United", "FC", "Academical", "Albion"},
         {"Park", "Road", "Ground"}},
        {{"Irland"}, ENGLISCH, {"O'", "Mac", "Mc"}, {}, {}},
        {{"Italien"}, {"a", "e", "i", "o"}, {}, {"AC", "AS", "US", "SS", "Calcio", "Virtus", "Pro", "Polisportiva"},
         {"Stadio"}},
        {{"Spanien", "Argentinien", "Uruguay", "Kolumbien", "Mexiko"},
         {"ez", "o", "a", "es", "ón", "al", "ar", "ín", "os", "as"},
         {},
         {"Real", "CD", "Deportivo", "Atlético", "UD", "Racing", "SD", "CF"},
         {"Estadio", "Campo"}},
        {{"Portugal", "Brasilien"}, {"a", "o", "s", "ão"}, {}, {"Sporting", "Académico", "Desportivo", "União", "GD",
                                                             "SC", "Clube"},
         {"Estádio"}},
        {{"Frankreich"},
         {"ois", "ard", "eau", "ier", "ot", "elle", "in", "et", "oux", "ant", "ault", "ière", "ac", "ain", "on", "ès"},
         {},
         {"Olympique", "AS", "FC", "Stade", "RC", "US", "AJ", "Avant"},
         {"Stade", "Parc"}},
        {{"Niederlande"},
         {"sen", "er", "stra", "ma", "ink", "huis", "s", "man", "ing", "inga", "hof", "en"},
         {"van der ", "van den ", "van de ", "van ", "de ", "ter "},
         {"VV", "SV", "FC", "SC", "Boys", "Sparta", "Quick", "Ahead"},
         {"Sportpark", "Stadion"}},
        {{"Belgien"},
         {"ens", "aert", "mans", "ckx", "ers", "eyns", "beke"},
         {"Van den ", "Van de ", "Vande ", "Van ", "De "},
         {"KV", "KSC", "KFC", "KVC", "Racing", "SK", "Sporting"},
         {"Stadion", "Sportpark"}},
        {{"Dänemark"}, {"sen", "gaard", "strup", "holt", "høj", "bæk", "lund", "skov", "ager", "berg"}, {},
         {"BK", "IF", "FC", "Boldklub", "IK", "B"}, {"Stadion", "Idrætspark", "Arena"}},
        {{"Norwegen"},
         {"sen", "vik", "dal", "stad", "heim", "rud", "land", "bakken", "haug", "nes", "li", "eng", "seth"},
         {},
         {"IL", "FK", "BK", "SK", "IF"},
         {"Stadion", "Idrettspark", "Arena"}},
        {{"Schweden"}, {"son", "ström", "berg", "lund", "qvist", "gren", "blad", "ell", "in", "man", "holm", "vall",
                        "beck"},
         {}, {"IFK", "IF", "FF", "BK", "IK", "GIF"}, {"Idrottsplats", "Arena", "IP", "-vallen"}},
        {{"Türkei"},
         {"han", "soy", "türk", "oglu", "kaya", "can", "dag", "er", "tekin", "ci", "maz", "dal", "kan", "ol", "gün",
          "baz"},
         {},
         {"-spor", "Gücü", "Idmanyurdu"},
         {"Stadyumu"}},
        {{"Griechenland"}, {"os", "is", "as", "ou", "es"}, {}, {"Aris", "Asteras", "Atromitos", "Ethnikos", "Apollon",
                                                               "Doxa", "AE", "PAS", "Niki"},
         {"Gipedo", "Stadio"}},
        {{"Polen"}, {"ski", "cki", "ak", "ek", "czyk", "ik", "icz", "ny", "iec", "ka", "ec"}, {},
         {"Polonia", "Górnik", "Stal", "Ruch", "Piast", "KS", "MKS", "Unia", "Odra"}, {"Stadion"}},
        {{"Russland"}, {"ow", "ew", "in", "ski"}, {}, {"Dynamo", "Spartak", "Lokomotive", "Torpedo", "Metallurg",
                                                     "Chimik", "Rotor", "Saturn"},
         {"Stadion", "Zentralstadion", "Arena"}},
        {{"Tschechien"}, {"k", "ný", "ský", "ka", "ec"}, {}, {}, {}},
        {{"Kroatien"}, {"ic", "ac", "ec", "at", "ak"}, {}, {}, {}},
        {{"Ungarn"}, {"s", "ó", "ár", "i"}, {}, {}, {}},
        // Japanese names are runs of romanised kana syllables.
        {{"Japan"}, {}, {}, {}, {}, {}, "^((ky|sh|ch|ts|ny|hy|my|ry|gy|by|py|[kstnhmyrwgzdbpfj])?[aeiou]|n)+$"},
        {{"Südkorea"}, {}, {}, {}, {}, {"Kim", "Lee", "Park", "Choi", "Jung", "Kang", "Cho", "Yoon", "Jang", "Lim",
                                        "Han", "Oh", "Seo", "Shin", "Kwon", "Hwang", "Ahn", "Song", "Hong", "Yoo",
                                        "Jeon", "Ko", "Moon", "Yang", "Son", "Bae", "Baek", "Heo", "Nam", "Noh"}},
        // Igbo and Yoruba names end in a vowel, Akan ones in a vowel or h, n, ng, r.
        {{"Nigeria"}, {"a", "e", "i", "o", "u", "or"}, {}, {}, {}},
        {{"Ghana"}, {"a", "e", "i", "o", "u", "h", "n", "ng", "r"}, {}, {}, {}},
        {{"Kamerun"}, {"a", "e", "i", "o", "u", "ang"}, {}, {}, {}},
    };
    return regeln;
}

const Sprachregel* regel_fuer(const std::string& land)
{
    for (const Sprachregel& r : sprachregeln())
        for (const std::string& l : r.laender)
            if (l == land) return &r;
    return nullptr;
}

bool gross(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || c == 0x8A || c == 0x8C || c == 0x8E;
}

bool endet_mit(const std::string& s, const std::string& e)
{
    return s.size() >= e.size() && s.compare(s.size() - e.size(), e.size(), e) == 0;
}

bool passt_nachname(const Sprachregel& r, const std::string& name)
{
    for (const std::string& g : r.ganze)
        if (name == g) return true;
    for (const std::string& v : r.vorsaetze)
        if (name.size() > v.size() && name.compare(0, v.size(), v) == 0 && gross(uint8_t(name[v.size()]))) return true;
    for (const std::string& e : r.endungen)
        if (endet_mit(name, e)) return true;
    return r.silben && std::regex_match(name, std::regex(r.silben, std::regex::icase));
}

bool enthaelt_wort(const std::string& text, const std::vector<std::string>& worte)
{
    std::vector<std::string> teile;
    size_t a = 0;
    for (size_t b; (b = text.find(' ', a)) != std::string::npos; a = b + 1) teile.push_back(text.substr(a, b - a));
    teile.push_back(text.substr(a));
    for (const std::string& w : worte)
        for (const std::string& t : teile)
            if (t == w || (w[0] == '-' && t.size() > w.size() && endet_mit(t, w.substr(1)))) return true;
    return false;
}

// A surname as the game prints it after the initial: particles in front of a capitalised word,
// capitals inside a word only after Mac, Mc or O'; "Van derman" or "Vanden Berg" are not names.
bool wohlgeformt(const std::string& name)
{
    static const std::set<std::string> PARTIKEL = {"van", "der", "den", "de", "ter", "te", "Van", "De", "Vande"};
    if (name.empty() || name.front() == ' ' || name.back() == ' ' || name.find("  ") != std::string::npos) return false;
    std::vector<std::string> worte;
    size_t a = 0;
    for (size_t b; (b = name.find(' ', a)) != std::string::npos; a = b + 1) worte.push_back(name.substr(a, b - a));
    worte.push_back(name.substr(a));
    for (size_t i = 0; i + 1 < worte.size(); ++i)
        if (!PARTIKEL.count(worte[i])) return false;
    const std::string& w = worte.back();
    if (PARTIKEL.count(w) || !gross(uint8_t(w[0])) || w.size() < 2 || w == "Mac" || w == "Mc") return false;
    if (!w.compare(0, 2, "O'") && (w.size() < 3 || !gross(uint8_t(w[2])))) return false;
    for (size_t i = 1; i < w.size(); ++i) {
        unsigned char c = uint8_t(w[i]);
        if (c == '\'') {
            if (w.compare(0, i, "O") != 0) return false;
            continue;
        }
        if (!gross(c)) continue;
        bool nach_vorsatz = (i == 3 && !w.compare(0, 3, "Mac")) || (i == 2 && !w.compare(0, 2, "Mc")) ||
                            (i == 2 && !w.compare(0, 2, "O'"));
        if (!nach_vorsatz) return false;
    }
    return true;
}

struct WeltNamen : ::testing::Test {
    void TearDown() override
    {
        Personal_DeInit();
        Test_Aufraeumen();
    }
};

TEST(WeltNamenRegeln, WellFormedSurnames)
{
    for (const char* gut : {"Kessler", "van der Berg", "Van den Broeck", "MacLeod", "McGrath", "O'Brien", "Öztürk",
                            "Šimek", "de Jong"})
        EXPECT_TRUE(wohlgeformt(gut)) << gut;
    for (const char* schlecht : {"Van derman", "van", "vanDijk", "Vanden Berg", "Mac", "KesSler", "O'brien", " Kessler",
                                 "van  Dijk", "Berg van"})
        EXPECT_FALSE(wohlgeformt(schlecht)) << schlecht;
}

TEST_F(WeltNamen, ClubsGroundsPlayersAndStaffAreNamedInTheirNationsLanguage)
{
    fs::path ziel = welt_bauen("sprachen", "");
    std::map<int32_t, Datei_Team> datei = teams_der_datei();
    ASSERT_TRUE(Team(0));
    ASSERT_TRUE(Spieler(0));
    Personal_Init();
    Personal_Read_Config_Wenn_Init();

    // Every nation of the world has a rule here, and players to check it on.
    std::map<int32_t, int32_t> spieler_je_land;
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (T[t].status & TEAM_STATUS_LAND) {
            EXPECT_NE(regel_fuer(T_Fix[t].name), nullptr) << T_Fix[t].name;
            spieler_je_land[t] = 0;
        }
    ASSERT_GE(spieler_je_land.size(), 30u);

    std::vector<std::string> fehler;
    auto melden = [&](const std::string& text) {
        if (fehler.size() < 25) fehler.push_back(text);
    };

    // Clubs and grounds.
    int32_t vereine = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!ist_verein(t)) continue;
        ++vereine;
        const Datei_Team& d = datei[t];
        const Sprachregel* r = regel_fuer(d.nation);
        ASSERT_NE(r, nullptr) << d.nation;
        if (!enthaelt_wort(d.name, r->vereinsworte)) melden(d.nation + ": Verein " + d.name);
        if (!enthaelt_wort(d.stadion, r->stadionworte)) melden(d.nation + ": Stadion " + d.stadion);
    }
    EXPECT_GT(vereine, 300);

    // Players: every one named as his nation names people, whatever team lists him.
    for (int32_t sp = 0; sp < Spieler_Anzahl; ++sp) {
        std::string name = Spieler_Fix_Daten[sp].name;
        int32_t nation = Spieler_Wert(SP_NATION, sp, 0, 0);
        ASSERT_TRUE(nation >= 0 && nation < Team_Anzahl);
        std::string land = T_Fix[nation].name;
        ++spieler_je_land[nation];
        const Sprachregel* r = regel_fuer(land);
        if (!r) continue;
        if (!wohlgeformt(name)) melden("Name " + name);
        if (!passt_nachname(*r, name)) melden(land + ": Spieler " + name);
    }
    for (auto [land, n] : spieler_je_land) EXPECT_GE(n, 5) << T_Fix[land].name;

    // Staff: the surname after the first name.
    for (int32_t typ : {PERSONAL_SCHIEDSRICHTER, PERSONAL_ASSISTENT}) {
        std::vector<int32_t> ids(size_t(Personal_Anzahl(typ)));
        ASSERT_FALSE(ids.empty());
        Personal_Get_Nummern(typ, ids.data(), int32_t(ids.size()));
        for (int32_t id : ids) {
            const Personal_Eintrag* p = Personal_Get_Daten(id, typ);
            ASSERT_NE(p, nullptr);
            ASSERT_LT(p->land, uint32_t(Team_Anzahl));
            std::string land = T_Fix[p->land].name, name = p->name;
            size_t leer = name.find(' ');
            ASSERT_NE(leer, std::string::npos) << name;
            std::string nachname = name.substr(leer + 1);
            const Sprachregel* r = regel_fuer(land);
            ASSERT_NE(r, nullptr) << land;
            if (!wohlgeformt(nachname) || !passt_nachname(*r, nachname)) melden(land + ": Schiedsrichter " + name);
        }
    }
    EXPECT_TRUE(fehler.empty()) << [&] {
        std::string s;
        for (const auto& f : fehler) s += f + "\n";
        return s;
    }();
    std::filesystem::remove_all(ziel);
}

TEST_F(WeltNamen, LeaguesHaveForeignPlayersAndNationalTeamsOnlyTheirOwn)
{
    fs::path ziel = welt_bauen("fremde", "");
    ASSERT_TRUE(Team(0));
    ASSERT_TRUE(Spieler(0));

    std::map<int32_t, int32_t> vereine_je_land, fremde_je_land;
    std::set<int32_t> markt_nationen;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        const int32_t* liste = nullptr;
        int32_t n = Team_Get_Start_Spieler(t, &liste);
        if (ist_verein(t)) ++vereine_je_land[T_Fix[t].nation];
        for (int32_t i = 0; i < n; ++i) {
            int32_t nation = Spieler_Wert(SP_NATION, liste[i], 0, 0);
            if (t == Transfermarkt_Team) {
                markt_nationen.insert(nation);
            } else if (T[t].status & TEAM_STATUS_LAND) {
                EXPECT_EQ(nation, t) << T_Fix[t].name << ": " << Spieler_Fix_Daten[liste[i]].name;
            } else if (ist_verein(t) && nation != T_Fix[t].nation) {
                ++fremde_je_land[T_Fix[t].nation];
            }
        }
    }
    ASSERT_GE(vereine_je_land.size(), 18u);
    for (auto [land, vereine] : vereine_je_land) {
        // about one player in ten comes from abroad: a league of ten clubs has well over five
        EXPECT_GE(fremde_je_land[land], 5) << T_Fix[land].name << ", " << vereine << " Vereine";
        EXPECT_LE(fremde_je_land[land], vereine * 6) << T_Fix[land].name;
    }
    EXPECT_GE(markt_nationen.size(), 20u);
    std::filesystem::remove_all(ziel);
}

}  // namespace
