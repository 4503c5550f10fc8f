// The generated football world of the data builder, in memory: nations with their league tiers,
// clubs, country entries, national teams, the two pseudo-teams, players and staff. The step
// "welt" writes it as 1_team.cfg, 1_spieler.cfg and 1_personal.cfg; other steps (the
// competitions) build on the same model, so a size and a seed always give the same world.
//
// Team numbers are those of 1_team.cfg: clubs first (home nation first, tier by tier; then the
// other nations in the same way), then one country entry per nation
// (LANDNAME, the nation of its clubs; NATIONALTEAM when it fields a national team), then
// TRANSFERMARKT and JUGENDTEAM. Player numbers are those of 1_spieler.cfg.
#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

enum class Welt_Groesse { Klein, Standard, Gross };

constexpr uint32_t WELT_STANDARD_SEED = 19990701u;

// Kinds of team records in 1_team.cfg.
enum class Welt_Team_Art { Verein, Land, Transfermarkt, Jugend };

struct Welt_Team {
    int32_t nummer = -1;       // team number (NUMMER)
    Welt_Team_Art art = Welt_Team_Art::Verein;
    std::string name;          // NAME, Windows-1252, at most 23 characters
    std::string kurzname;      // KURZNAME, at most 9 characters
    std::string alias;         // unique upper-case ASCII word, usable as "#alias" in other files
    std::string stadt;         // STADT (clubs)
    std::string stadion;       // STADION_NAME (clubs)
    int32_t nation = -1;       // team number of the country entry (for a country entry: itself)
    int32_t kontinent = 0;     // 0 Europa, 1 Asien, 2 Südamerika, 3 Nordamerika, 4 Afrika, 5 Australien
    bool nationalteam = false; // NATIONALTEAM (only country entries)
    int32_t liga_stufe = -1;   // clubs: tier in their nation, 0 = top (every club has one); -1 no club
    int32_t staerke[4] = {0, 0, 0, 0};  // STAERKE_TOR, _ABW, _MIT, _STU (10..990)
    int32_t varianz = 0;       // STAERKE_VARIANZ
    int32_t kondition = 50, technik = 50, intelligenz = 50;  // 30..70
    int32_t sitzplaetze = 0, stehplaetze = 0;
    int32_t grafik_nr = 0;     // crest picture 0..598 (598: the crest without a club)
    uint8_t farben[12][3] = {};  // the twelve F_ colours
    // KLIMA as written: winter and summer temperature + 100, rain level 0..40 times 100 (the
    // reader keeps a hundredth); every team carries the climate of its nation.
    int32_t klima[3] = {0, 0, 0};
    std::vector<int32_t> spieler;  // SPIELER list (player numbers)
};

struct Welt_Liga {
    int32_t stufe = 0;           // 0 = top tier
    std::string name;            // e.g. "1. Liga"
    bool zugefuegt = false;      // the tier the large world adds below a country's own
    std::vector<int32_t> teams;  // team numbers of its clubs
};

struct Welt_Nation {
    std::string name;            // real country name in German ("Deutschland", "England", ...)
    int32_t land_team = -1;      // team number of its country entry
    bool nationalteam = false;   // the country entry fields a national team
    int32_t kontinent = 0;
    bool heimatland = false;     // the home nation ("Deutschland")
    std::vector<Welt_Liga> ligen;    // league tiers, top first (may be empty)
    std::vector<int32_t> pokal_teams;  // every club of the nation, top tier first
};

struct Welt_Spieler {
    int32_t nummer = -1;
    std::string name;          // surname, at most 19 characters
    std::string vorname;       // first name (only the initial is stored by the game)
    int32_t nation = -1;       // team number of the country entry
    int32_t groesse = 180;     // 160..210
    int32_t alter = 24;        // 16..42
    int32_t pos_zeile = 0, pos_spalte = 0;  // LIEBLINGSPOS row, column; 99,99 goalkeeper
    bool torwart = false;
    int32_t attribute[9] = {};  // KRAFT .. TORSCHUSS (field players), 1..999
    int32_t torwart_staerke = 0;  // goalkeepers
    int32_t unsichtbar[15] = {};  // FLANKEN .. STRAFRAUM, 1..99 (0 = let the game draw it)
    int32_t rueckennummer = 0;
    int32_t team = -1;         // team whose SPIELER list names him, -1 none
};

struct Welt_Person {
    int32_t typ = 0;           // 0 referee, 1 assistant
    std::string name;          // at most 25 characters
    int32_t land = 0;          // team number of the country entry
    int32_t haerte = 3, aufmerksamkeit = 3;  // referees: 1..6
};

struct Welt {
    Welt_Groesse groesse = Welt_Groesse::Standard;
    uint32_t seed = WELT_STANDARD_SEED;
    std::vector<Welt_Nation> nationen;  // the home nation first
    std::vector<Welt_Team> teams;       // indexed by team number
    std::vector<Welt_Spieler> spieler;  // indexed by player number
    std::vector<Welt_Person> personal;
    int32_t heimatland = -1;            // team number of the country entry "Deutschland"
    int32_t transfermarkt_team = -1;
    int32_t jugend_team = -1;
};

// The match days of a league of `vereine` clubs: as many whole double rounds as a season of 34
// match days holds, at least one. A league of six or eight clubs meets three or two times home
// and away, so that its clubs play about as many home games as a full league's, which their
// wages and stadiums are sized for; leagues of ten clubs and more play one double round.
constexpr int32_t Welt_Liga_Spieltage(int32_t vereine)
{
    const int32_t runde = vereine + vereine % 2 - 1;  // an odd league plays with a bye slot
    return runde < 1 ? 0 : std::max<int32_t>(1, 17 / runde) * 2 * runde;
}

// Builds the whole world for a size and a seed; the same arguments give the same world.
Welt Welt_Bauen(Welt_Groesse groesse, uint32_t seed = WELT_STANDARD_SEED);

// Reads "--world small|large" and "--seed N" from a step's arguments (defaults: standard world,
// WELT_STANDARD_SEED). False with a message on standard error for a bad argument.
bool Welt_Argumente(const std::vector<std::string>& args, Welt_Groesse& groesse, uint32_t& seed);

// Writes 1_team.cfg, 1_spieler.cfg and 1_personal.cfg below ziel/config_files. 0 on success.
int Welt_Schreiben(const Welt& welt, const std::string& ziel);
