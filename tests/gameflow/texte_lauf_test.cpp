// Every text inside its box: the installed program, headless, plays a new game through its
// first match day (the team talk, the live view and its panels, the dressing room, the end of
// the day) and on to the third league day, then opens every screen and page reachable from the
// main menu. On each the text check (DORVIN_TEXTE) names the texts that leave their box (the
// icon, frame or bitmap they were drawn for), lie on another text, or are covered in part by a
// picture drawn later. A finding that is not in the list of known ones below fails the test.
// DORVIN_BILDER=DIR keeps a frame of each screen, DORVIN_TEXTE_ALLE=1 prints every finding.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "programm_lauf.h"

namespace {

using namespace programm_lauf;

// The findings still open, as screen and text (the run of characters the check names; a
// screen ending in '*' stands for every screen of that name, the match day's frames). Each is a
// text that does not fit where its screen's layout puts it; the list only shrinks.
const std::set<std::pair<std::string, std::string>> BEKANNT = {
    // The match overview of a long list (the cup's first round) lies over the main screen's top
    // bar: its header panel covers the lower line of the bar's texts, and the panel's edge a few
    // pixels of the list's header (the bar's covered line itself: `unter_der_uebersicht`).
    {"uebersicht*", "14. Juli 1999"},
    {"uebersicht*", "Heim"},
    {"uebersicht*", "Gast"},
    {"uebersicht*", "Spielstand"},
};

// The radar map's dots follow the match's players over its score: a digit they cover in part
// is the map at work, not a layout fault.
bool bewegt(const std::vector<std::string>& f)
{
    return f.size() > 3 && f[1] == "verdeckt" && f[3].rfind("Bitmap 56x36 (538,433)", 0) == 0;
}

// The same finding on the bar's lower line, whatever that line says on the day: the balance and
// the referee's manner change with every game and every change of the world's history.
bool unter_der_uebersicht(const std::string& schirm, const std::vector<std::string>& f)
{
    if (schirm.rfind("uebersicht", 0) != 0 || f.size() < 4 || f[1] != "verdeckt") return false;
    if (f[3].rfind("Bitmap 176x32 (", 0) != 0) return false;
    const size_t klammer = f[2].rfind("\" (");
    int x = 0, y = 0, x2 = 0, y2 = 0;
    return klammer != std::string::npos &&
           std::sscanf(f[2].c_str() + klammer + 2, "(%d,%d)-(%d,%d)", &x, &y, &x2, &y2) == 4 && y >= 20 && y2 <= 35;
}

// On the live view's screens the match plays on under the open window: a player's white name
// label on the pitch (below the top bar) that the window covers in part moves with him. So does
// one that the pitch's figures cover in part on the second half's screens (spieltag_0 and on),
// wherever the play has taken the players at the moment of the check.
bool spielfeld_name(const std::string& schirm, const std::vector<std::string>& f)
{
    const bool spielfeld = schirm.rfind("live_", 0) == 0 ||
                           (schirm.rfind("spieltag_", 0) == 0 && schirm.size() > 9 && std::isdigit(uint8_t(schirm[9])));
    if (!spielfeld || f.size() < 7 || f[1] != "verdeckt") return false;
    if (f[3].rfind("Bitmap 640x480 (0,0)", 0) != 0 || f[6].rfind("\"^c65535", 0) != 0) return false;
    const size_t klammer = f[2].rfind("\" (");
    int x = 0, y = 0;
    return klammer != std::string::npos && std::sscanf(f[2].c_str() + klammer + 2, "(%d,%d)", &x, &y) == 2 && y > 24;
}

// The list's texts are compiled to Windows-1252, the findings come in UTF-8 (the letters of
// Latin-1 suffice here).
std::string utf8(const std::string& s)
{
    std::string u;
    for (const unsigned char c : s)
        if (c < 0x80) u += char(c);
        else u += char(0xC0 | (c >> 6)), u += char(0x80 | (c & 0x3F));
    return u;
}

bool passt(const std::string& muster, const std::string& schirm)
{
    return muster == schirm ||
           (!muster.empty() && muster.back() == '*' && schirm.rfind(muster.substr(0, muster.size() - 1), 0) == 0);
}

struct Rundgang {
    Skript s;
    std::vector<std::string> namen;
    std::string bilder;  // DORVIN_BILDER, else empty
    Rundgang()
    {
        if (const char* b = std::getenv("DORVIN_BILDER")) bilder = b;
    }
    // The pointer out of the way (no help bubble), then the check of the screen shown.
    void schirm(const std::string& name, bool zeiger_weg = true)
    {
        namen.push_back(name);
        if (zeiger_weg) dazu(s, {"move 638 479", "wait 500"});
        if (!bilder.empty()) s.push_back("dump " + bilder + "/texte_" + name + ".png");
        s.push_back("game texte " + std::to_string(namen.size()));
    }
};

Skript druecken(int x, int y) { return {"move " + std::to_string(x) + " " + std::to_string(y), "wait 100", "left down", "wait 100", "left up", "wait 400"}; }

Skript rechtsklick(int x, int y)
{
    return {"move " + std::to_string(x) + " " + std::to_string(y), "wait 300", "right down", "wait 100", "right up", "wait 700"};
}

void zug_beenden(Skript& s)
{
    dazu(s, klick(WEITER_X, WEITER_Y, -1));
    dazu(s, klick(150, 292));  // "JA" where a turn asks
    dazu(s, klick(470, 292));  // the captain's "OK"
}

// `tage` turns on, the broadcasts off: the match days play out unseen.
void tage_unbeobachtet(Skript& s, int tage)
{
    s.push_back(UEBERTRAGUNG_AUS);
    for (int t = 0; t < tage; ++t) {
        zug_beenden(s);
        s.push_back(SPIELTAG_ABWARTEN);
    }
}

// A new game of one manager, `tage` turns played unseen.
Skript neues_spiel_nach(int tage)
{
    Skript s = neues_spiel({"Anna"});
    tage_unbeobachtet(s, tage);
    return s;
}

void escape(Skript& s) { dazu(s, {"key 27", "wait 500"}); }

// The first match day of a new manager, watched live.
void spieltag(Rundgang& r)
{
    Skript& s = r.s;
    for (int t = 0; t < 14; ++t) {
        zug_beenden(s);
        if (t < 13) s.push_back(SPIELTAG_ABWARTEN);
    }
    r.schirm("spieltag_ansprache");
    dazu(s, kabine_verlassen());
    live_spieltag(s, 6);
    r.schirm("live");
    for (const auto& [name, y] : {std::pair{"live_tabelle", TABELLE_Y}, {"live_ereignisse", EREIGNISSE_Y}, {"live_taktik", TAKTIK_Y}}) {
        dazu(s, druecken(LEISTE_X, y));
        r.schirm(name);
        dazu(s, druecken(LEISTE_X, y));
    }
    dazu(s, druecken(LEISTE_X, AUFSTELLUNG_Y));
    r.schirm("live_aufstellung");
    // its other pages by their lights at the bottom left: the player's instructions and
    // attributes, the talk, the match's data
    for (const auto& [name, y] : {std::pair{"live_anweisungen", 454}, {"live_motivation", 469}, {"live_daten", 421}}) {
        dazu(s, druecken(12, y));
        r.schirm(name);
    }
    dazu(s, druecken(ZURUECK_X, ZURUECK_Y));
    live_spieltag(s, 45);
    r.schirm("spieltag_kabine");
    dazu(s, kabine_verlassen());
    // The second half, then the line-up screen after the match, which waits for its back
    // button (the cup's first round shows no report pages after it).
    for (int k = 0; k < 4; ++k) {
        s.push_back("wait 10000");
        r.schirm("spieltag_" + std::to_string(k));
    }
    dazu(s, kabine_verlassen());
    s.push_back(SPIELTAG_ABWARTEN);
}

// The open detail window of a player and each of its thirteen pages by the toggles down its
// right edge; "Fertig" closes it.
void fenster_seiten(Rundgang& r, const std::string& name)
{
    Skript& s = r.s;
    r.schirm(name);
    for (int k = 0; k < 13; ++k) {
        dazu(s, klick(525, 139 + 23 * k));
        r.schirm(name + "_seite_" + std::to_string(k + 1));
    }
    dazu(s, klick(575, 460));
}

// A field player's detail window, opened from the line-up screen's own squad (its sixth entry,
// behind the goalkeepers a defender).
void spieler_seiten(Rundgang& r)
{
    dazu(r.s, klick(40, 229));
    fenster_seiten(r, "spieler");
}

// The mailbox shows its messages one by one, each asking whether to delete it. Its "Nein" stands
// at the right below the message, as low as the message is long: rounds of quick clicks down
// that column (on the standard place first) answer every message; after the last one they fall
// on the main screen's empty pitch.
void postfach(Rundgang& r)
{
    Skript& s = r.s;
    dazu(s, klick(619, 376));
    r.schirm("postfach");
    auto kurz = [&s](int y) { dazu(s, {"move 490 " + std::to_string(y), "wait 50", "left down", "wait 50", "left up", "wait 150"}); };
    for (int runde = 0; runde < 40; ++runde) {
        for (int k = 0; k < 4; ++k) kurz(292);
        for (int y = 312; y <= 464; y += 20) kurz(y);
    }
    r.schirm("postfach_gelesen");
}

// Every group and its pages, from the main screen.
void menues(Rundgang& r)
{
    Skript& s = r.s;
    r.schirm("hauptschirm");
    postfach(r);
    // The options menu stays open while the pointer rests on it.
    dazu(s, rechtsklick(300, 250));
    dazu(s, {"move 350 213", "wait 600"});
    r.schirm("optionen", false);
    // Escape closes the menu with its open sub-list: the next click reaches the group.
    dazu(s, {"key 27", "wait 500"});
    dazu(s, klick(GRUPPE_X, STAB_Y));
    r.schirm("stab");
    dazu(s, klick(620, 105));
    r.schirm("stab_personal");

    dazu(s, klick(GRUPPE_X, VEREIN_Y));
    r.schirm("verein_finanzen");
    for (const auto& [name, x] : {std::pair{"werbung", 137}, {"team", 220}, {"stadion", 330}, {"jahr", 443}, {"bilanz", 545}}) {
        dazu(s, klick(x, 79));
        r.schirm(std::string("verein_finanzen_") + name);
    }
    dazu(s, klick(128, 54));
    r.schirm("verein_anlagen");
    dazu(s, klick(213, 54));
    r.schirm("verein_boerse");
    for (const auto& [name, x] : {std::pair{"new_york", 190}, {"liga", 300}}) {
        dazu(s, klick(x, 80));
        r.schirm(std::string("verein_boerse_") + name);
    }
    dazu(s, klick(298, 54));
    r.schirm("verein_stadion");
    for (const auto& [name, y] : {std::pair{"ausbau", 77}, {"statistik", 97}, {"ereignisse", 117}}) {
        dazu(s, klick(533, y));
        r.schirm(std::string("verein_stadion_") + name);
    }
    dazu(s, klick(383, 54));
    r.schirm("verein_werbung");
    dazu(s, klick(470, 54));
    r.schirm("verein_trainingslager");
    dazu(s, klick(555, 54));
    r.schirm("verein_verein");

    dazu(s, klick(GRUPPE_X, LIGA_Y));
    r.schirm("liga");
    for (int k = 0; k < 7; ++k) {
        dazu(s, klick(202 + 35 * k, 62));
        r.schirm("liga_wettbewerb_" + std::to_string(k + 1));
    }
    for (const auto& [name, y] : {std::pair{"tabellen", 52}, {"vergleich", 68}, {"spielplan", 84}}) {
        dazu(s, klick(549, y));
        r.schirm(std::string("liga_") + name);
    }

    dazu(s, klick(GRUPPE_X, TEAM_Y));
    r.schirm("team");
    for (const auto& [name, y] : {std::pair{"vergleich", 113}, {"training", 148}, {"transfer", 184}, {"aufstellung", 219}}) {
        dazu(s, klick(622, y));
        r.schirm(std::string("team_") + name);
    }
    spieler_seiten(r);
}

std::vector<std::string> felder(const std::string& zeile)
{
    std::vector<std::string> f;
    std::stringstream in(zeile);
    for (std::string t; std::getline(in, t, '\t');) f.push_back(t);
    return f;
}

// The run of characters of a finding: its third field is the quoted run and its ink.
std::string lauf_text(const std::string& feld)
{
    const size_t ende = feld.rfind("\" (");
    return feld.size() > 1 && ende != std::string::npos ? feld.substr(1, ende - 1) : feld;
}

// Plays the tour's script in a program folder of its own and fails on every finding not in the
// known list; the texts seen on each screen, by its name.
std::map<std::string, size_t> pruefen(Rundgang& r, const std::string& name, const char* zufall = "7")
{
    std::map<std::string, size_t> gesehen;  // texts seen on each screen
    Installation inst;
    EXPECT_TRUE(inst.anlegen(name));
    if (::testing::Test::HasFailure()) return gesehen;
    r.s.push_back("quit");
    const std::string datei = (inst.ordner / "befunde.txt").string();
    setenv("DORVIN_TEXTE", datei.c_str(), 1);
    setenv("DORVIN_ZUFALL", zufall, 1);
    const int rc = inst.spielen(r.s, "texte");
    unsetenv("DORVIN_TEXTE");
    unsetenv("DORVIN_ZUFALL");
    EXPECT_EQ(rc, 0);
    if (rc != 0) return gesehen;

    std::set<size_t> geprueft;
    std::map<std::string, std::vector<std::string>> neu;
    std::set<std::pair<std::string, std::string>> gefunden;
    std::ifstream in(datei);
    for (std::string zeile; std::getline(in, zeile);) {
        const auto f = felder(zeile);
        EXPECT_GE(f.size(), 2u) << zeile;
        if (f.size() < 2) continue;
        const size_t n = std::stoul(f[0]);
        EXPECT_TRUE(n >= 1 && n <= r.namen.size()) << zeile;
        if (n < 1 || n > r.namen.size()) continue;
        const std::string& schirm = r.namen[n - 1];
        if (f[1] == "Schirm") {
            // The check sees the screen's texts (it is not blind to how the screen draws).
            EXPECT_EQ(f.size(), 3u) << zeile;
            EXPECT_GT(std::stoul(f[2]), 0u) << "no text seen on " << schirm;
            geprueft.insert(n);
            gesehen[schirm] = std::stoul(f[2]);
            continue;
        }
        EXPECT_GE(f.size(), 3u) << zeile;
        if (f.size() < 3) continue;
        // DORVIN_TEXTE_ALLE=1 lists every finding, known or not (to renew the list).
        if (std::getenv("DORVIN_TEXTE_ALLE")) std::printf("%s\t%s\n", schirm.c_str(), zeile.substr(zeile.find('\t') + 1).c_str());
        if (bewegt(f) || spielfeld_name(schirm, f) || unter_der_uebersicht(schirm, f)) continue;
        const std::string text = lauf_text(f[2]);
        bool bekannt = false;
        for (const auto& [s, t] : BEKANNT)
            if (utf8(t) == text && passt(s, schirm)) bekannt = true, gefunden.insert({s, t});
        if (!bekannt) neu[schirm].push_back(zeile.substr(zeile.find('\t') + 1));
    }
    // Every screen of the tour was reached and checked.
    for (size_t n = 1; n <= r.namen.size(); ++n) EXPECT_TRUE(geprueft.count(n)) << "not checked: " << r.namen[n - 1];
    std::string bericht;
    for (const auto& [schirm, zeilen] : neu)
        for (const std::string& z : zeilen) bericht += schirm + "\t" + z + "\n";
    EXPECT_TRUE(neu.empty()) << "texts outside their boxes or on each other (kind, text and ink, box, other text, "
                                "icon under it, whole text):\n"
                             << bericht;
    // A known finding that is gone can be taken off the list (it is mended elsewhere, too).
    for (const auto& [s, t] : BEKANNT)
        if (!gefunden.count({s, t}) && std::any_of(r.namen.begin(), r.namen.end(), [&](const std::string& n) { return passt(s, n); }))
            std::printf("mended, off the list: %s \"%s\"\n", s.c_str(), utf8(t).c_str());
    std::printf("%s: %zu frames checked\n", name.c_str(), geprueft.size());
    if (!::testing::Test::HasFailure()) fs::remove_all(inst.ordner);
    return gesehen;
}

TEST(Texte_Im_Programm, EveryScreenKeepsItsTextsInTheirBoxes)
{
    Rundgang r;
    r.s = neues_spiel({"Anna"});
    r.schirm("hauptschirm_neu");
    spieltag(r);
    // On to the third league day, the days passing unseen.
    tage_unbeobachtet(r.s, 37);
    menues(r);
    auto gesehen = pruefen(r, "dorvin_texte");
    // The mailbox's message and each group's screens lie over the main screen, the player's
    // window over the screen it was opened from.
    for (const char* uber : {"postfach", "stab", "stab_personal", "verein_finanzen", "liga", "team"})
        EXPECT_GT(gesehen[uber], gesehen["hauptschirm"]) << uber << " shows no more than the main screen";
    EXPECT_GT(gesehen["spieler"], 30u) << "no player window";
}

// The tables screen's option buttons, two rows of seven: each on, looked at, off again (the views
// "Aktuelle Saison", "Ewige Tabelle", "Endtabellen" and "Tip" are one radio group: the current
// season again before the two layouts). The frames' names end in `zusatz`.
void tabellen_ansichten(Rundgang& r, const std::string& zusatz)
{
    Skript& s = r.s;
    dazu(s, klick(GRUPPE_X, LIGA_Y));
    dazu(s, klick(549, 52));
    r.schirm("tabellen" + zusatz);
    static constexpr const char* ANSICHT[14] = {"heim",        "auswaerts", "torverhaeltnis", "erzielte_tore", "gegentore",
                                                "halbzeit_1",  "halbzeit_2", "aktuell",       "ewig",          "endtabellen",
                                                "sieger",      "tip",        "zwei_spalten",  "details"};
    for (int k = 0; k < 14; ++k) {
        const int x = 13 + (k % 7) * 84 + 40, y = 438 + (k / 7) * 20 + 8;
        if (k == 12) dazu(s, klick(53, 466));  // "Aktuelle Saison"
        dazu(s, klick(x, y));
        r.schirm(std::string("tabelle_") + ANSICHT[k] + zusatz);
        if (k < 7 || k == 10 || k > 11) dazu(s, klick(x, y));
    }
}

// The start menu and the new game's set-up, then on the third league day the tables screen's
// fourteen views, the options menu's sub-lists, the context menus of the club panel, the visit
// history and the mailbox, the staff's doctors, the stadium's block box and the line-up pitch's
// menu; Escape closes each menu and box.
TEST(Texte_Im_Programm, TableViewsMenusAndBoxes)
{
    Rundgang r;
    Skript& s = r.s;
    s = {"wait 2000"};
    r.schirm("startmenue");
    dazu(s, klick(80, 450));  // "Neues Spiel starten"
    r.schirm("neues_spiel");
    dazu(s, klick(300, 118));
    tippen(s, "Anna");
    dazu(s, klick(450, 385));  // "Spiel starten"
    tage_unbeobachtet(s, 51);
    r.schirm("hauptschirm");

    // The tables screen's fourteen views.
    tabellen_ansichten(r, "");
    // A fixture's help bubble under the resting pointer; a club's row of the table shows its
    // games (the club view).
    dazu(s, {"move 100 130", "wait 1500"});
    r.schirm("spielplan_zeiger", false);
    dazu(s, klick(70, 330));
    r.schirm("tabelle_vereinsansicht");
    // MENUE closes the group: the menus open over the main screen.
    dazu(s, klick(GRUPPE_X, MENUE_Y));

    // Context menus by the right button, each closed by Escape.
    for (const auto& [name, x, y] : {std::tuple{"verein_menue", 128, 19}, {"zuletzt_besucht", 608, 347}, {"postfach_menue", 619, 376}}) {
        dazu(s, rechtsklick(x, y));
        r.schirm(name, false);
        dazu(s, {"key 27", "wait 500"});
    }
    r.schirm("kontextmenues_zu");
    // The options menu's rows with a sub-list, each opened by resting on it.
    dazu(s, rechtsklick(300, 250));
    for (const auto& [name, y] : {std::pair{"laden_speichern", 213}, {"ergebnisse", 265}, {"elf_des_tages", 278},
                                  {"auslosung", 291}, {"exakt", 317}, {"spieldauer", 330}, {"zwischenspeichern", 343},
                                  {"menue_einblenden", 356}, {"hilfesystem", 398}, {"musik", 411}, {"animationen", 424}}) {
        dazu(s, {"move 350 " + std::to_string(y), "wait 600"});
        r.schirm(std::string("optionen_") + name, false);
    }
    dazu(s, {"key 27", "wait 500"});

    // The staff's doctors, straight after Escape: the click reaches the group.
    dazu(s, klick(GRUPPE_X, STAB_Y));
    dazu(s, klick(620, 105));
    dazu(s, klick(65, 471));
    r.schirm("stab_aerzte");
    // A stand of the stadium's plan tells of itself in a box; Escape closes it.
    dazu(s, klick(GRUPPE_X, VEREIN_Y));
    dazu(s, klick(298, 54));
    dazu(s, klick(198, 120));
    r.schirm("stadion_block");
    dazu(s, {"key 27", "wait 500"});
    r.schirm("stadion_block_zu");
    // The pitch's menu of the line-up screen (whose players the pitch shows), its sub-list of a
    // competition's clubs open under the resting pointer.
    dazu(s, klick(GRUPPE_X, TEAM_Y));
    dazu(s, klick(622, 219));
    dazu(s, {"move 330 330", "wait 1500"});
    dazu(s, rechtsklick(330, 330));
    r.schirm("spielfeld_menue", false);
    dazu(s, {"key 27", "wait 500"});
    auto gesehen = pruefen(r, "dorvin_texte_tabellen");
    EXPECT_LE(gesehen["kontextmenues_zu"], gesehen["hauptschirm"]) << "a context menu is still open after Escape";
    EXPECT_GT(gesehen["stab_aerzte"], gesehen["hauptschirm"]) << "the click after Escape was lost";
    EXPECT_GT(gesehen["stadion_block"], gesehen["stadion_block_zu"]) << "the block box is still open after Escape";
}

// A press held on (x, y), dragged to (zx, zy) and let go there.
Skript ziehen(int x, int y, int zx, int zy)
{
    return {"move " + std::to_string(x) + " " + std::to_string(y), "wait 300", "left down", "wait 200",
            "move " + std::to_string((x + zx) / 2) + " " + std::to_string((y + zy) / 2), "wait 200",
            "move " + std::to_string(zx) + " " + std::to_string(zy), "wait 300", "left up", "wait 700"};
}

// The boxes of the club's pages on the third league day, each answered by Escape: the
// advertising partner's offers, the training camp's notices (a click instead of a drag, a day
// too soon, a day the camp is closed), a deposit's, a credit's and the shares' questions.
TEST(Texte_Im_Programm, QuestionBoxesOfTheClubsPages)
{
    Rundgang r;
    Skript& s = r.s;
    s = neues_spiel_nach(51);
    dazu(s, klick(GRUPPE_X, VEREIN_Y));
    dazu(s, klick(383, 54));
    dazu(s, klick(56, 310));
    r.schirm("werbung_angebote");

    dazu(s, klick(470, 54));
    dazu(s, klick(60, 95));
    r.schirm("lager_hinweis");
    escape(s);
    dazu(s, ziehen(60, 95, 418, 186));
    r.schirm("lager_zu_kurzfristig");
    escape(s);
    dazu(s, klick(578, 79));  // the next month
    r.schirm("kalender_september");
    dazu(s, ziehen(60, 95, 456, 168));
    r.schirm("frage_lager");
    escape(s);
    dazu(s, klick(128, 54));
    for (int k = 0; k < 3; ++k) dazu(s, klick(275, 96));  // the amount's biggest step
    r.schirm("anlagen_betrag");
    dazu(s, klick(82, 171));
    r.schirm("frage_festgeld");
    escape(s);
    dazu(s, klick(217, 171));
    r.schirm("frage_kredit");
    escape(s);
    dazu(s, klick(275, 216));
    dazu(s, klick(82, 239));
    r.schirm("frage_aktien");
    escape(s);
    r.schirm("anlagen_nach_escape");

    auto gesehen = pruefen(r, "dorvin_texte_fragen");
    for (const char* frage : {"frage_festgeld", "frage_kredit", "frage_aktien"})
        EXPECT_LT(gesehen[frage], gesehen["anlagen_nach_escape"]) << frage << ": no box over the page, or it stayed";
}

// Seventy-two days in (five league days done, the sixth's opponent known): the tables screen's
// menu of a club in its fixtures and that club's fourteen pages of team information, the team
// comparison and its criteria list; on the club's page the bonus proposal, a friendly's opponent,
// its question and the list of friendlies; an own player's menu and its sub-lists on the line-up
// screen; the transfer search's club picker, a market player's menu and window, and his trial.
TEST(Texte_Im_Programm, TeamInformationComparisonAndPickers)
{
    Rundgang r;
    Skript& s = r.s;
    s = neues_spiel_nach(72);
    dazu(s, klick(GRUPPE_X, LIGA_Y));
    dazu(s, klick(549, 52));
    r.schirm("tabellen_72");
    dazu(s, rechtsklick(80, 301));
    dazu(s, {"move 150 312", "wait 1000"});
    r.schirm("tabelle_vereinsmenue", false);
    dazu(s, klick(130, 326));
    r.schirm("teaminfo");
    for (int k = 0; k < 14; ++k) {
        dazu(s, klick(51, 170 + 22 * k));
        r.schirm("teaminfo_" + std::to_string(k + 1));
    }
    dazu(s, klick(584, 458));
    dazu(s, klick(556, 69));
    r.schirm("vergleich_staerke");
    dazu(s, rechtsklick(445, 470));
    dazu(s, {"move 470 420", "wait 1000"});
    r.schirm("vergleich_kriterien", false);
    dazu(s, {"move 340 426", "wait 500"});
    dazu(s, klick(340, 426));
    r.schirm("vergleich_zuschauer");
    // The club view of the tables: the menu of the opponent in a played game's row.
    dazu(s, klick(549, 52));
    dazu(s, klick(70, 330));
    dazu(s, rechtsklick(100, 117));
    r.schirm("vereinsansicht_vereinsmenue", false);
    escape(s);

    dazu(s, klick(GRUPPE_X, VEREIN_Y));
    dazu(s, klick(555, 54));
    dazu(s, klick(499, 342));  // "Prämien-Vorschlag"
    r.schirm("praemien_vorschlag");
    dazu(s, klick(499, 318));  // "Gegner wählen": the friendly's next opponent
    r.schirm("freundschaft_gegner");
    // The friendly dragged onto a free day of the calendar.
    dazu(s, ziehen(85, 87, 494, 168));
    r.schirm("frage_freundschaft");
    dazu(s, klick(150, 292));  // "JA": the friendly stands in the list
    r.schirm("freundschaft_vereinbart");

    dazu(s, klick(GRUPPE_X, TEAM_Y));
    dazu(s, klick(622, 219));
    dazu(s, {"move 520 470", "wait 1000"});  // the screen settled: the click finds the own list's first row
    dazu(s, rechtsklick(40, 159));
    r.schirm("spieler_menue", false);
    for (const auto& [name, y] : {std::pair{"kader", 171}, {"status", 191}, {"aufgaben", 204}, {"einzeltraining", 217},
                                  {"verein", 230}, {"abschlag", 307}, {"herauslaufen", 320}, {"elfmeter", 333}}) {
        dazu(s, {"move 100 " + std::to_string(y), "wait 600"});
        r.schirm(std::string("spieler_menue_") + name, false);
    }
    escape(s);
    dazu(s, klick(622, 184));
    dazu(s, klick(236, 54));  // the club switch on, then its picker
    dazu(s, rechtsklick(236, 54));
    r.schirm("transfer_vereinswahl", false);
    dazu(s, {"move 300 86", "wait 600"});
    r.schirm("transfer_vereinswahl_liga", false);
    escape(s);
    r.schirm("transfer_nach_escape");
    // A player of the transfer market in the right-hand list: his menu.
    dazu(s, {"move 480 313", "wait 600"});
    dazu(s, rechtsklick(480, 313));
    r.schirm("transfer_spieler_menue", false);
    dazu(s, {"move 500 325", "wait 600"});
    r.schirm("transfer_spieler_menue_kader", false);
    // "Spieler-Informationen": his window, its pages the offer's among them.
    dazu(s, klick(535, 426));
    fenster_seiten(r, "marktspieler");
    // "Probe-Spieler aufnehmen !" of his squad sub-list.
    dazu(s, {"move 480 313", "wait 600"});
    dazu(s, rechtsklick(480, 313));
    dazu(s, {"move 500 325", "wait 600", "move 350 388", "wait 600"});
    dazu(s, klick(350, 388));
    r.schirm("probespieler");
    dazu(s, klick(470, 292));  // its "OK"
    r.schirm("probespieler_ok");
    auto gesehen = pruefen(r, "dorvin_texte_teaminfo");
    EXPECT_GT(gesehen["transfer_vereinswahl"], gesehen["transfer_nach_escape"]) << "the club picker is still open after Escape";
}

// A row of the options menu's "Laden/Speichern" that opens a file dialog: the frame dumped
// (DORVIN_BILDER) while it waits, then answered with `name`. The dialog takes the lines right
// behind the click that opened it: a wait between them would leave it without an answer.
void datei_dialog(Rundgang& r, int zeile_y, const std::string& name, const std::string& bild)
{
    dazu(r.s, {"move 300 250", "wait 300", "right down", "wait 100", "right up", "wait 500", "move 350 213", "wait 600",
               "move 270 213", "wait 100", "move 170 " + std::to_string(zeile_y), "wait 300", "left down", "wait 100",
               "left up"});
    if (!r.bilder.empty()) r.s.push_back("dump " + r.bilder + "/texte_" + bild + ".png");
    r.s.push_back("answer " + name);
    r.s.push_back("wait 700");
}

// `ziel`: a drag from (x, y) to (zx, zy) that asks; the question pictured, answered "JA", what
// follows pictured.
void gefragt(Rundgang& r, const std::array<int, 4>& ziel, const std::string& frage, const std::string& danach)
{
    dazu(r.s, ziehen(ziel[0], ziel[1], ziel[2], ziel[3]));
    r.schirm(frage);
    dazu(r.s, klick(150, 292));
    r.schirm(danach);
}

// The turn that leads into the cup's first round names a captain in a notice; fifty-one days in,
// the club's appointments: a training camp booked (its question, its booking panel, the question
// of a camp without a programme), an appointment on a day already taken, a club party and a
// session with the psychologist (their price questions), a day gone by, the bonuses' question,
// the favourites' menu of a page switch; then an offer for another club's player (his window's
// offer page, the notice of the offer sent) and the options menu's file dialogs (saved, loaded).
TEST(Texte_Im_Programm, AppointmentsOffersAndFiles)
{
    Rundgang r;
    Skript& s = r.s;
    s = neues_spiel({"Anna"});
    s.push_back(UEBERTRAGUNG_AUS);
    for (int t = 0; t < 13; ++t) {
        zug_beenden(s);
        s.push_back(SPIELTAG_ABWARTEN);
    }
    dazu(s, klick(WEITER_X, WEITER_Y, -1));
    r.schirm("zug_kapitaen");
    dazu(s, klick(470, 292));
    s.push_back(SPIELTAG_ABWARTEN);
    tage_unbeobachtet(s, 37);

    // The camp dragged onto a day of September, asked, booked without a programme.
    dazu(s, klick(GRUPPE_X, VEREIN_Y));
    dazu(s, klick(470, 54));
    dazu(s, klick(578, 79));
    dazu(s, ziehen(60, 211, 482, 186));
    r.schirm("lager_buchung");
    dazu(s, klick(440, 449));  // "Buchen"
    r.schirm("frage_ohne_programm");
    dazu(s, klick(150, 316));  // its "JA" below the longer text
    r.schirm("frage_lager_buchen");
    dazu(s, klick(150, 292));
    r.schirm("lager_gebucht");
    dazu(s, ziehen(60, 211, 482, 186));
    r.schirm("termin_belegt");
    escape(s);

    // The club page's party and psychologist, dragged onto its calendar.
    dazu(s, klick(555, 54));
    dazu(s, klick(578, 79));
    gefragt(r, {225, 88, 430, 186}, "frage_vereinsfeier", "vereinsfeier_gebucht");
    dazu(s, ziehen(343, 88, 430, 186));
    r.schirm("psychologe_tag_belegt");
    escape(s);
    dazu(s, ziehen(343, 88, 456, 186));
    r.schirm("frage_psychologe");
    escape(s);
    dazu(s, klick(418, 79));  // back to this month: its first days are gone
    dazu(s, ziehen(225, 88, 421, 124));
    r.schirm("tag_vorbei");
    escape(s);
    dazu(s, klick(499, 366));  // "Prämien übernehmen"
    r.schirm("frage_praemien");
    escape(s);
    dazu(s, rechtsklick(45, 54));
    r.schirm("favoriten_aufnehmen", false);
    escape(s);

    // Another club's player: the transfer search's club picker, a club of the league, his menu,
    // his window's offer page, the offer sent.
    dazu(s, klick(GRUPPE_X, TEAM_Y));
    dazu(s, klick(622, 184));
    dazu(s, klick(236, 54));
    dazu(s, rechtsklick(236, 54));
    dazu(s, {"move 300 86", "wait 800", "move 150 117", "wait 600"});
    r.schirm("liga_vereine", false);
    dazu(s, klick(150, 117));
    r.schirm("transfer_fremder_verein");
    dazu(s, {"move 480 142", "wait 600"});
    dazu(s, rechtsklick(480, 142));
    r.schirm("fremder_spieler_menue", false);
    // "Spieler-Informationen", the offer page's toggle, "Angebot abgeben"
    for (const auto& [x, y, name] : {std::tuple{535, 255, "fremder_spieler"}, {525, 208, "angebot_seite"}, {80, 325, "angebot_abgegeben"}}) {
        dazu(s, klick(x, y));
        r.schirm(name);
    }
    dazu(s, klick(470, 292));
    dazu(s, klick(575, 460));
    r.schirm("nach_angebot");

    // The file dialogs of the options menu over the main screen, each pictured before its answer.
    dazu(s, klick(GRUPPE_X, MENUE_Y));
    datei_dialog(r, SPEICHERN_NEU, "texte_stand", "datei_speichern");
    r.schirm("nach_speichern");
    datei_dialog(r, LADEN, "texte_stand", "datei_laden");
    r.schirm("nach_laden");
    pruefen(r, "dorvin_texte_termine");
}

// A whole season played unseen, the first days of the next one begun: the tables screen's
// fourteen views with a season behind them (the eternal table, the final tables and the winners
// hold it).
TEST(Texte_Im_Programm, TableViewsAfterASeason)
{
    Rundgang r;
    r.s = neues_spiel_nach(368);
    r.schirm("hauptschirm_saison_2");
    tabellen_ansichten(r, "_saison_2");
    pruefen(r, "dorvin_texte_saison");
}

// In the options menu, the league's and the cup's rows of the sub-lists "Ergebnisse und
// Tabellen", "Elf des Tages" and "Live-Auslosung" ticked: the pages after their match days.
void berichte_einschalten(Rundgang& r)
{
    Skript& s = r.s;
    dazu(s, rechtsklick(300, 250));
    for (const auto& [y, liga, pokal] : {std::tuple{265, 264, 316}, {278, 277, 329}, {291, 290, 342}}) {
        dazu(s, {"move 350 " + std::to_string(y), "wait 600", "move 290 " + std::to_string(y), "wait 200"});
        for (int zeile : {liga, pokal})
            dazu(s, {"move 240 " + std::to_string(zeile), "wait 300", "left down", "wait 100", "left up", "wait 500"});
        r.schirm("optionen_berichte_" + std::to_string(y), false);
        dazu(s, {"move 290 " + std::to_string(y), "wait 200"});
    }
    escape(s);
}

// The match overview of a day without a broadcast (the cup's first round, its pages after the
// day switched on): its competition page with the round's games, a game's page with its goals
// and cards and its statistics, and the competition page again.
TEST(Texte_Im_Programm, MatchOverviewAndAGamesPage)
{
    Rundgang r;
    Skript& s = r.s;
    s = neues_spiel({"Anna"});
    berichte_einschalten(r);
    s.push_back("game uebertragung " + std::to_string(2));  // "Keine Übertragung": the overview
    for (int t = 0; t < 14; ++t) {
        zug_beenden(s);
        if (t < 13) s.push_back(SPIELTAG_ABWARTEN);
    }
    s.push_back("wait 3000");
    r.schirm("uebersicht");
    dazu(s, klick(230, 87));  // the list's first game
    r.schirm("uebersicht_spiel");
    dazu(s, klick(240, 365));  // "Tore/Karten"
    r.schirm("uebersicht_tore");
    dazu(s, klick(195, 365));  // "Statistik"
    r.schirm("uebersicht_statistik");
    dazu(s, klick(485, 365));  // "Zurück"
    r.schirm("uebersicht_zurueck");
    auto gesehen = pruefen(r, "dorvin_texte_uebersicht");
    EXPECT_GT(gesehen["uebersicht"], gesehen["uebersicht_spiel"]) << "no games list";
    EXPECT_NE(gesehen["uebersicht_statistik"], gesehen["uebersicht_tore"]) << "the statistics did not replace the goals";
    EXPECT_GT(gesehen["uebersicht_zurueck"], gesehen["uebersicht_spiel"]) << "the games list did not come back";
}

// The cup's first round broadcast as a conference for the manager's club: the team talk before
// the kick-off, then the view of his game while the round's games play.
TEST(Texte_Im_Programm, ConferenceOfTheCupsFirstRound)
{
    Rundgang r;
    Skript& s = r.s;
    s = neues_spiel({"Anna"});
    s.push_back("game uebertragung " + std::to_string(1));
    for (int t = 0; t < 14; ++t) {
        zug_beenden(s);
        if (t < 13) s.push_back(SPIELTAG_ABWARTEN);
    }
    r.schirm("konferenz_ansprache");
    dazu(s, kabine_verlassen());
    for (int k = 0; k < 3; ++k) {
        s.push_back("wait 5000");
        r.schirm("konferenz_" + std::to_string(k));
    }
    auto gesehen = pruefen(r, "dorvin_texte_konferenz");
    EXPECT_GT(gesehen["konferenz_0"], 0u);
}

// The pages after the cup's first round, switched on in the options menu (each competition's
// row of the sub-lists "Ergebnisse und Tabellen", "Elf des Tages" and "Live-Auslosung"): the
// team of the day and the round's results in two columns, each left by a click; then the
// league's first match day with its team of the day, results and table.
TEST(Texte_Im_Programm, ReportPagesAfterTheCupsFirstRound)
{
    Rundgang r;
    Skript& s = r.s;
    s = neues_spiel({"Anna"});
    berichte_einschalten(r);
    s.push_back("game uebertragung " + std::to_string(2));
    for (int t = 0; t < 14; ++t) {
        zug_beenden(s);
        if (t < 13) s.push_back(SPIELTAG_ABWARTEN);
    }
    // The overview untouched closes by itself once the games are over; each page waits for a click.
    s.push_back("wait 95000");
    for (const char* seite : {"bericht_elf_des_tages", "bericht_ergebnisse"}) {
        r.schirm(seite);
        dazu(s, klick(320, 240));
        s.push_back("wait 1500");
    }
    r.schirm("nach_berichten");
    // The league's first match day, three weeks on: its team of the day, results and table.
    tage_unbeobachtet(s, 23);
    // (the turn's last click opens a game's page of the overview: back to its list, which
    // closes once the games are over)
    zug_beenden(s);
    s.push_back("wait 2000");
    dazu(s, klick(485, 365));  // "Zurück"
    s.push_back("wait 45000");
    for (const char* seite : {"liga_elf_des_tages", "liga_ergebnisse", "liga_tabelle"}) {
        r.schirm(seite);
        dazu(s, klick(320, 240));
        s.push_back("wait 1500");
    }
    auto gesehen = pruefen(r, "dorvin_texte_berichte");
    EXPECT_GT(gesehen["bericht_elf_des_tages"], gesehen["nach_berichten"]) << "no team of the day";
    EXPECT_GT(gesehen["bericht_ergebnisse"], 60u) << "no results of the round's games";
    EXPECT_GT(gesehen["liga_tabelle"], 100u) << "no table after the league's match day";
}

// The first match day watched live (the cup's first round, which ends in a shoot-out): the taker's
// panel of the manager's first set piece (a free kick, corner or penalty: which comes first
// follows the play), opened by a click on the pitch while it is set up,
// then the taker chosen from it; after the dressing room, the shoot-out (whose kicks ask for no
// taker: a click there opens nothing) and the line-up screen after it.
TEST(Texte_Im_Programm, TheTakersPanelAndTheShootOut)
{
    Rundgang r;
    Skript& s = r.s;
    s = neues_spiel({"Anna"});
    bis_zum_ersten_spieltag(s);
    const Skript auf_das_spielfeld = {"move 400 350", "left down", "wait 100", "left up", "wait 100"};
    s.push_back("game standard -1");
    dazu(s, auf_das_spielfeld);
    r.schirm("schuetze_standard");
    dazu(s, druecken(SCHUETZE_X, SCHUETZE_Y));
    r.schirm("schuetze_gewaehlt");
    s.push_back("wait 30000");
    r.schirm("schuetze_kabine");
    dazu(s, kabine_verlassen());
    s.push_back("game elfmeterschiessen");
    dazu(s, auf_das_spielfeld);
    r.schirm("elfmeterschiessen");
    s.push_back("wait 3000");
    r.schirm("elfmeterschiessen_spaeter");
    s.push_back("wait 20000");
    r.schirm("nach_elfmeterschiessen");
    dazu(s, kabine_verlassen());
    s.push_back(SPIELTAG_ABWARTEN);
    // The game of random start 2 brings the manager's side a set piece in the first half; the
    // shoot-out's frames show the game's end.
    auto gesehen = pruefen(r, "dorvin_texte_schuetze", "2");
    EXPECT_GT(gesehen["schuetze_standard"], gesehen["schuetze_gewaehlt"] + 11) << "no taker's panel at the set piece";
    EXPECT_LT(gesehen["elfmeterschiessen"], gesehen["schuetze_standard"]) << "a panel over the shoot-out";
}

// A contract extension offered to a defender of the manager's own club on the first day (his
// window's offer page, the salary raised six steps so that he takes it): three weeks on the
// arbiter holds its auction, the first on this machine. Its questions (the hints, each of the
// four hints, taking part), the auction's page while it runs, and its end.
TEST(Texte_Im_Programm, AContractExtensionGoesToAuction)
{
    Rundgang r;
    Skript& s = r.s;
    s = neues_spiel({"Anna"});
    dazu(s, klick(GRUPPE_X, TEAM_Y));
    dazu(s, klick(622, 219));  // "Aufst."
    dazu(s, klick(40, 229));
    dazu(s, klick(525, 208));  // "Vertragsverhandlung"
    for (int k = 0; k < 6; ++k) dazu(s, klick(100, 300));  // the salary rocker's upper half
    r.schirm("verlaengerung_angebot");
    dazu(s, klick(80, 325));  // "Angebot abgeben"
    dazu(s, klick(470, 292));
    dazu(s, klick(575, 460));  // "Fertig"
    tage_unbeobachtet(s, 21);
    // the turn whose day's decisions hold the auction
    dazu(s, klick(WEITER_X, WEITER_Y, -1));
    s.push_back(SPIELTAG_ABWARTEN);
    r.schirm("auktion_frage_hinweise");
    dazu(s, klick(150, 292));  // "JA"
    for (int k = 1; k <= 4; ++k) {
        r.schirm("auktion_hinweis_" + std::to_string(k));
        dazu(s, klick(470, 292));  // "OK"
    }
    r.schirm("auktion_frage_teilnehmen");
    // "JA", and the auction runs at once, its page looked at after a few of its passes with the
    // pointer where it is; the manager raises his offer by his column's key ('4' of a single
    // bid's column); the auction ends within its twenty seconds.
    dazu(s, {"move 150 292", "wait 300", "left down", "wait 100", "left up", "wait 200"});
    r.schirm("auktion", false);
    dazu(s, {"key 52", "wait 300"});
    r.schirm("auktion_erhoeht", false);
    s.push_back("wait 21000");
    r.schirm("auktion_beendet");
    dazu(s, klick(470, 292));
    r.schirm("nach_auktion");
    // Random start 2 brings the defender's auction on the turn the script waits for it.
    auto gesehen = pruefen(r, "dorvin_texte_auktion", "2");
    // the auction's page stands alone, without the line-up screen's texts under it, while the
    // day's work that holds it waits for the player
    EXPECT_LT(gesehen["auktion"], gesehen["nach_auktion"]) << "no auction page";
    EXPECT_LT(gesehen["auktion_erhoeht"], gesehen["nach_auktion"]) << "the auction did not take the key";
}

// The line-up screen opened from the paused live view of the first match day: a substitute of
// the first bench row of each side (the other side's bench refuses) dragged onto a field
// player's row of the list, looked at while it is dragged and after it is let go.
TEST(Texte_Im_Programm, ASubstituteDraggedOntoAPlayer)
{
    Rundgang r;
    Skript& s = r.s;
    s = neues_spiel({"Anna"});
    bis_zum_ersten_spieltag(s);
    s.push_back("wait 200");
    dazu(s, druecken(LEISTE_X, PAUSE_Y));
    dazu(s, druecken(LEISTE_X, AUFSTELLUNG_Y));
    r.schirm("wechsel_aufstellung");
    constexpr int BANK_Y = 292, LISTE_X = 127, LISTE_Y = 184;
    for (const auto& [seite, bank_x] : {std::pair{"heim", 57}, {"gast", 582}}) {
        dazu(s, {"move " + std::to_string(bank_x) + " " + std::to_string(BANK_Y), "wait 100", "left down", "wait 50",
                 "move " + std::to_string((bank_x + LISTE_X) / 2) + " " + std::to_string((BANK_Y + LISTE_Y) / 2), "wait 50"});
        r.schirm(std::string("wechsel_ziehen_") + seite, false);
        dazu(s, {"move " + std::to_string(LISTE_X) + " " + std::to_string(LISTE_Y), "wait 50", "left up", "wait 100"});
        r.schirm(std::string("wechsel_losgelassen_") + seite);
    }
    auto gesehen = pruefen(r, "dorvin_texte_wechsel");
    EXPECT_GT(gesehen["wechsel_aufstellung"], 30u) << "no line-up screen";
}

// A season played unseen to its end: the overview of the league's last match day (the top bar
// behind it redrawn on every day before), the league's end-of-competition page (the club's place),
// then the last turns of the season and the first of the next with each question and notice
// they bring (the taxes due, the prize money), looked at after every click of a turn.
TEST(Texte_Im_Programm, EndOfTheLeagueAndTheSeasonChange)
{
    Rundgang r;
    Skript& s = r.s;
    s = neues_spiel_nach(317);
    // The league's last match day: the turn's last click may have opened a game's page of the
    // overview ("Zurück" leads back to its competition page, elsewhere the click falls on no
    // button); the overview closes once the games are over, and the page comes. The script waits
    // for the day's screens to end and for the page, however long the games take.
    zug_beenden(s);
    s.push_back("wait 16000");
    r.schirm("letzter_spieltag_spiel", false);
    dazu(s, klick(485, 365));  // "Zurück"
    r.schirm("letzter_spieltag", false);
    s.push_back("game saisonende_erwarten");
    s.push_back(SPIELTAG_ABWARTEN);
    s.push_back("game saisonende");
    r.schirm("liga_ende", false);
    dazu(s, klick(320, 240));
    s.push_back(SPIELTAG_ABWARTEN);
    tage_unbeobachtet(s, 45);
    for (int t = 0; t < 5; ++t) {
        const std::string tag = "saisonwechsel_" + std::to_string(t);
        dazu(s, klick(WEITER_X, WEITER_Y, -1));
        s.push_back("wait 1500");
        r.schirm(tag + "_weiter", false);
        dazu(s, klick(150, 292));
        r.schirm(tag + "_ja", false);
        dazu(s, klick(470, 292));
        r.schirm(tag + "_ok", false);
        s.push_back(SPIELTAG_ABWARTEN);
    }
    r.schirm("neue_saison");
    // The turns of random start 7 bring the league's last match day where the script waits for
    // it (how many turns a season takes follows the notices its history brings).
    auto gesehen = pruefen(r, "dorvin_texte_saisonende", "7");
    EXPECT_LT(gesehen["liga_ende"], gesehen["neue_saison"]) << "no end-of-competition page";
}

}  // namespace

namespace {

// A starter dragged from the line-up screen's pitch into the squad list; the eleven then counts
// ten.
void starter_heraus(Rundgang& r)
{
    Skript& s = r.s;
    dazu(s, klick(GRUPPE_X, TEAM_Y));
    dazu(s, klick(622, 219));  // "Aufst."
    r.schirm("aufstellung_elf");
    dazu(s, {"move 329 177", "wait 200", "left down", "wait 100", "move 200 250", "wait 100", "move 80 300", "wait 200",
             "left up", "wait 800"});
    r.schirm("aufstellung_zehn");
}

}  // namespace

// A turn ended with ten players in the starting eleven asks whether to play short-handed; "NEIN"
// keeps the turn open on the line-up screen.
TEST(Texte_Im_Programm, TheQuestionOfATurnEndedWithTenPlayers)
{
    Rundgang r;
    Skript& s = r.s;
    s = neues_spiel({"Anna"});
    starter_heraus(r);
    dazu(s, klick(WEITER_X, WEITER_Y, -1));
    s.push_back("wait 1500");
    r.schirm("frage_weniger_als_elf", false);
    dazu(s, klick(470, 292));  // "NEIN"
    r.schirm("nach_nein");
    auto gesehen = pruefen(r, "dorvin_texte_elf");
    EXPECT_GT(gesehen["frage_weniger_als_elf"], gesehen["aufstellung_zehn"]) << "no question over the line-up screen";
    EXPECT_EQ(gesehen["nach_nein"], gesehen["aufstellung_zehn"]) << "the turn did not stay on the line-up screen";
}
