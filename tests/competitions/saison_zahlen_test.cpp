// The figures the screens show after a played season, read back and set against the match
// store and the calendar: every row of the league table (games, wins, draws, defeats, goals,
// difference with its sign, points), each match day's date, and the series the main screen's
// info line and the facts page name (each as long as the results make it, and none shorter than
// two games).
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "competitions/ligen_tabelle.h"
#include "competitions/spiele_ewig.h"
#include "competitions/statistik_saetze.h"
#include "competitions/tabellen_welt.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "toolkit/hauptmenue.h"

namespace {

using namespace spielwelt;
using knopf_test::knoepfe;

// A game of the season as the match store holds it.
struct Spiel {
    int32_t tag, heim, gast, ht, gt;
};

// Counters of the seven series (as the store keeps them) over a run of a team's results, from
// its own side: goals for and against, oldest first.
std::array<int32_t, SERIE_ANZAHL> serien(const std::vector<std::pair<int32_t, int32_t>>& ergebnisse)
{
    std::array<int32_t, SERIE_ANZAHL> n{};
    for (const auto& [f, g] : ergebnisse) {
        const bool flag[SERIE_ANZAHL] = {f == 0, g == 0, f < g, f > g, f == g, f <= g, f >= g};
        for (int32_t k = 0; k < SERIE_ANZAHL; ++k) n[size_t(k)] = flag[k] ? n[size_t(k)] + 1 : 0;
    }
    return n;
}

class SaisonZahlen : public Tabellen_Welt {
protected:
    std::vector<Spiel> spiele;
    int32_t block = -1;
    // The league's double round of four clubs over its six match days, each game played and
    // booked as after a match day (table, eternal table, series): wide wins, draws, goalless
    // games, so that differences of both signs and series of every length come up.
    void SetUp() override
    {
        Tabellen_Welt::SetUp();
        block = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
        Wettbewerb_Datensatz* d = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA));
        d->spiele_block = block;
        d->spieltag = 6;
        static constexpr int32_t PAARE[3][2][2] = {{{0, 1}, {2, 3}}, {{0, 2}, {3, 1}}, {{3, 0}, {1, 2}}};
        static constexpr int32_t TORE[6][2][2] = {{{4, 0}, {1, 1}}, {{0, 0}, {2, 1}}, {{1, 3}, {0, 2}},
                                                  {{5, 1}, {0, 0}}, {{2, 2}, {3, 0}}, {{0, 1}, {1, 4}}};
        for (int32_t tag = 0; tag < 6; ++tag)
            for (int32_t slot = 0; slot < 2; ++slot) {
                const int32_t* p = PAARE[tag % 3][slot];
                const int32_t heim = tag < 3 ? p[0] : p[1], gast = tag < 3 ? p[1] : p[0];
                const int32_t ht = TORE[tag][slot][0], gt = TORE[tag][slot][1];
                const int32_t h = Spiele_Lock(block, tag, 0, slot);
                ASSERT_NE(h, 0);
                Spiele_Set_Teams(h, heim, gast);
                Spiele_Set_Ergebnis(h, ht, gt, 0);
                Spiele_Set_Nachspiel_Statistik(h);
                Spiele_Unlock(h);
                spiele.push_back({tag, heim, gast, ht, gt});
            }
        // a match day every Saturday from 16 October
        for (int32_t tag = 0; tag < 6; ++tag) Kalender_Spieltag_Einfuegen(LIGA, tag, Kalender_Get_Tagnummer(16, 10, 1999) + 7 * tag);
    }
    // The team's results in the order played (from its side), at home (1), away (2) or all (3).
    std::vector<std::pair<int32_t, int32_t>> ergebnisse(int32_t team, int32_t seite) const
    {
        std::vector<std::pair<int32_t, int32_t>> r;
        for (const Spiel& s : spiele) {
            if (s.heim == team && seite != 2) r.push_back({s.ht, s.gt});
            if (s.gast == team && seite != 1) r.push_back({s.gt, s.ht});
        }
        return r;
    }
    // The table as the tables screen shows it over the whole season.
    Ligen_Tabelle_Inhalt tabelle()
    {
        const int32_t m = Aktuelles_Team;
        for (int32_t i = 0; i < LT_KURZWAHL_ANZAHL; ++i) knoepfe[{m, LT_KURZWAHL + i}] = i == 0;
        Manager_Icon_Word_Data_Schreiben(m, LT_KURZWAHL_WORT, uint16_t(LIGA));
        Manager_Icon_Word_Data_Schreiben(m, LT_SPIELTAG, 6);
        Manager_Icon_Word_Data_Schreiben(m, LT_FILTER, uint16_t(-1));
        Manager_Icon_Word_Data_Schreiben(m, LT_VON, 1);
        Manager_Icon_Word_Data_Schreiben(m, LT_BIS, 6);
        knoepfe[{m, LT_AKTUELL}] = 1;
        Ligen_Tabelle_Inhalt p;
        Ligen_Tabelle_Tabelle_Inhalt(&p);
        return p;
    }
};

// A cell as it reads on the screen: its layout codes (a caret, two letters, four digits; "^fe"
// alone) left out.
std::string lesbar(const std::string& t)
{
    std::string s;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] != '^') {
            s += t[i];
            continue;
        }
        i += t.compare(i, 3, "^fe") == 0 ? 2 : 6;
        s += ' ';
    }
    return s;
}

TEST_F(SaisonZahlen, EveryTableRowShowsTheFiguresOfTheClubsGames)
{
    struct Zeile {
        int32_t spiele = 0, s = 0, u = 0, n = 0, tore = 0, gegen = 0, punkte = 0;
    };
    std::map<int32_t, Zeile> soll;
    for (const Spiel& g : spiele)
        for (const auto& [team, f, a] : {std::tuple{g.heim, g.ht, g.gt}, std::tuple{g.gast, g.gt, g.ht}}) {
            Zeile& z = soll[team];
            ++z.spiele;
            z.tore += f;
            z.gegen += a;
            (f > a ? z.s : f == a ? z.u : z.n) += 1;
            z.punkte += f > a ? 3 : f == a ? 1 : 0;
        }
    const Ligen_Tabelle_Inhalt p = tabelle();
    std::map<int32_t, std::string> zeilen;  // the row's figures after the name, by its y
    std::map<int32_t, int32_t> team_bei;
    for (const Ligen_Tabelle_Treffer& t : p.treffer)
        if (!t.zeile) team_bei[t.y + 9] = t.team;
    for (const Ligen_Tabelle_Zelle& z : p.zellen)
        if (team_bei.count(z.y) && z.x >= 150) zeilen[z.y] += lesbar(z.text) + " ";
    ASSERT_EQ(zeilen.size(), 4u) << p.kopf;
    const std::regex form(R"(^\s*(\d+)\s+(\d+)\s+(\d+)\s+(\d+)\s+(\d+)\s*:\s*(\d+)\s+([+-]?\d+)\s+(\d+)\s)");
    for (const auto& [y, text] : zeilen) {
        const int32_t team = team_bei[y];
        std::smatch m;
        ASSERT_TRUE(std::regex_search(text, m, form)) << "row of club " << team << ": \"" << text << "\"";
        const Zeile& z = soll[team];
        const std::string wer = "club " + std::to_string(team) + ": \"" + text + "\"";
        EXPECT_EQ(std::stoi(m[1]), z.spiele) << wer;
        EXPECT_EQ(std::stoi(m[2]), z.s) << wer;
        EXPECT_EQ(std::stoi(m[3]), z.u) << wer;
        EXPECT_EQ(std::stoi(m[4]), z.n) << wer;
        EXPECT_EQ(std::stoi(m[5]), z.tore) << wer;
        EXPECT_EQ(std::stoi(m[6]), z.gegen) << wer;
        EXPECT_EQ(std::stoi(m[7]), z.tore - z.gegen) << "goal difference of " << wer;
        EXPECT_EQ(std::stoi(m[8]), z.punkte) << wer;
    }
}

// The fixtures' heading of each match day names that day and the calendar's date for it.
TEST_F(SaisonZahlen, EveryMatchDaysFixturesNameItsDate)
{
    tabelle();
    static const std::regex kopf(R"((\d+)\.\s*Spieltag\), (\d+)\.(\d+)\.(\d{4}):)");
    for (int32_t tag = 1; tag <= 6; ++tag) {
        Manager_Icon_Word_Data_Schreiben(Aktuelles_Team, LT_SPIELTAG, uint16_t(tag));
        Ligen_Tabelle_Inhalt p;
        Ligen_Tabelle_Paarungen_Inhalt(&p, false);
        std::smatch m;
        ASSERT_TRUE(std::regex_search(p.kopf, m, kopf)) << p.kopf;
        const Kalender_Datum d = Kalender_Get_Datum(Kalender_Get_Tagnummer(16, 10, 1999) + 7 * (tag - 1), 0);
        EXPECT_EQ(std::stoi(m[1]), tag) << p.kopf;
        EXPECT_EQ(std::stoi(m[2]), d.tag) << p.kopf;
        EXPECT_EQ(std::stoi(m[3]), d.monat) << p.kopf;
        EXPECT_EQ(std::stoi(m[4]), d.jahr) << p.kopf;
    }
}

// The info line of the main screen steps through the club's series one at a time; the facts
// page lists them all. Each names a series as long as the results make it, and at least two.
TEST_F(SaisonZahlen, SeriesTextsNameTheSeriesThePlayedGamesMake)
{
    static const std::regex info(R"(^(\d+) (Spiele ohne eigenes Tor|Spiele ohne Gegentor|Niederlagen in Folge|Siege in Folge|)"
                                 R"(Unentschieden in Folge|Spiele ohne Sieg|Spiele ohne Niederlage)$)");
    static const std::vector<std::string> INFO = {"Spiele ohne eigenes Tor", "Spiele ohne Gegentor",   "Niederlagen in Folge",
                                                  "Siege in Folge",          "Unentschieden in Folge", "Spiele ohne Sieg",
                                                  "Spiele ohne Niederlage"};
    static const std::vector<std::string> FAKTEN = {"kein Tor erzielt.", "kein Tor kassiert.", "gewonnen.", "unentschieden.",
                                                    "verloren.",         "nicht gewonnen.",   "nicht verloren."};
    // the facts page's order of series (the store's order with wins before defeats)
    static constexpr int32_t FAKTEN_SERIE[SERIE_ANZAHL] = {SERIE_OHNE_TOR, SERIE_OHNE_GEGENTOR, SERIE_SIEGE, SERIE_REMIS,
                                                          SERIE_NIEDERLAGEN, SERIE_OHNE_SIEG, SERIE_OHNE_NIEDERLAGE};
    int32_t genannt = 0;
    for (int32_t team = 0; team < 4; ++team)
        for (int32_t seite = 1; seite <= 3; ++seite) {
            const auto soll = serien(ergebnisse(team, seite));
            const std::string wer = "club " + std::to_string(team) + ", side " + std::to_string(seite);
            // the info line: seven steps go round every series
            Aktuelles_Team = team;
            std::map<std::string, int32_t> gezeigt;
            for (int32_t schritt = 0; schritt < SERIE_ANZAHL; ++schritt) {
                Menue_Serien_Info(seite - 1);
                std::smatch m;
                const std::string text = Menue_Serien_Text;
                if (!std::regex_match(text, m, info)) {
                    EXPECT_EQ(text.rfind("Keine ", 0), 0u) << wer << ": " << text;
                    continue;
                }
                gezeigt[m[2]] = std::stoi(m[1]);
            }
            for (int32_t k = 0; k < SERIE_ANZAHL; ++k) {
                const auto it = gezeigt.find(INFO[size_t(k)]);
                if (soll[size_t(k)] >= 2) {
                    EXPECT_EQ(it == gezeigt.end() ? -1 : it->second, soll[size_t(k)]) << wer << ": " << INFO[size_t(k)];
                } else {
                    EXPECT_TRUE(it == gezeigt.end()) << wer << ": a series of " << soll[size_t(k)] << " game(s) shown as \""
                                                     << it->second << " " << it->first << "\"";
                }
            }
            genannt += int32_t(gezeigt.size());
            // the facts page
            std::vector<std::array<char, 256>> puffer(30);
            std::vector<char*> zeiger;
            for (auto& b : puffer) zeiger.push_back(b.data());
            const int32_t n = Statistik_Fakten_Saetze(LIGA, team, -1, seite, 0, zeiger.data(), 30, 256);
            const std::string seite_wort = seite == 1 ? "zuhause " : seite == 2 ? "auswärts " : "";
            std::map<int32_t, int32_t> fakten;
            for (int32_t i = 0; i < n; ++i) {
                const std::string satz = zeiger[size_t(i)];
                int32_t laenge = 0;
                char rest[200] = {};
                const size_t hat = satz.find(" hat ");
                if (hat == std::string::npos || std::sscanf(satz.c_str() + hat + 5, "%d Spiele in Folge %199[^\n]", &laenge, rest) != 2)
                    continue;
                std::string art = rest;
                ASSERT_EQ(art.rfind(seite_wort, 0), 0u) << wer << ": " << satz;
                art = art.substr(seite_wort.size());
                for (int32_t k = 0; k < SERIE_ANZAHL; ++k)
                    if (art == FAKTEN[size_t(k)]) fakten[FAKTEN_SERIE[k]] = laenge;
                EXPECT_GE(laenge, 2) << wer << ": " << satz;
            }
            for (int32_t k = 0; k < SERIE_ANZAHL; ++k) {
                if (soll[size_t(k)] >= 2) EXPECT_EQ(fakten[k], soll[size_t(k)]) << wer << ", series " << k;
                else EXPECT_FALSE(fakten.count(k)) << wer << ", series " << k << " of " << soll[size_t(k)];
            }
        }
    EXPECT_GT(genannt, 6) << "the season made too few series to tell anything";
}

}  // namespace
