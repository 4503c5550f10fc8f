// The installed program run headless under a script, as the end-to-end tests of the game flow
// drive it: a world and a program folder of their own, script helpers for the start screen,
// the turns and the options menu, and the date a savegame holds.
#pragma once
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/disk.h"

namespace programm_lauf {

namespace fs = std::filesystem;
using Skript = std::vector<std::string>;

inline void dazu(Skript& s, const Skript& z) { s.insert(s.end(), z.begin(), z.end()); }

// The pointer rests on the icon a moment, the button is held `halten` ms (-1: down and up in
// one go, a click faster than a pass).
inline Skript klick(int x, int y, int halten = 100)
{
    Skript s{"move " + std::to_string(x) + " " + std::to_string(y), "wait 300", "wait 50", "wait 50", "left down"};
    if (halten >= 0) s.push_back("wait " + std::to_string(halten));
    s.push_back("left up");
    s.push_back("wait 700");
    return s;
}

inline void tippen(Skript& s, const std::string& wort)
{
    for (char c : wort) {
        const bool gross = c >= 'A' && c <= 'Z';
        if (gross) s.push_back("key_down 16");
        s.push_back("key " + std::to_string(int(gross ? c : c - 'a' + 'A')));
        if (gross) s.push_back("key_up 16");
    }
    s.push_back("key 13");
    s.push_back("wait 300");
}

constexpr int WEITER_X = 618, WEITER_Y = 444;

// The main groups' buttons in the right-hand column (their middles): MENUE on top, the four
// groups below the rows that hold an open group's sub-buttons.
constexpr int GRUPPE_X = 619, MENUE_Y = 64, STAB_Y = 251, VEREIN_Y = 275, LIGA_Y = 299, TEAM_Y = 323;

// After a turn's last click: a match day's overview or live view takes the script's lines as it
// plays, so a turn that may lead into one lets the day play out untouched (it closes on its own)
// until the next turn waits for input.
constexpr const char* SPIELTAG_ABWARTEN = "wait input";

// A new manager's club is broadcast live, and in network play a live match day waits for the
// manager where his side gets a set piece (the taker's choice): a script that lets the days pass
// unseen turns every broadcast off in its first turn, as the club's menu does. (A lone game
// waits only where he asked for the panel.)
constexpr const char* UEBERTRAGUNG_AUS = "game uebertragung 3";

// Where the taker's panel of a live match opens, its first row.
constexpr int SCHUETZE_X = 120, SCHUETZE_Y = 129;

// A live match day of the manager's club under the script's eyes, for `sekunden` of its time
// (a cup day with extra time and penalties ends within about 100 s): every 1.5 s a click on the
// first row of the taker's panel, which the match waits for when the manager's side gets a set
// piece in network play; in a lone game a click while his side's set piece is set up opens the
// panel and the next one chooses. Without the panel the click lands on the pitch and does
// nothing, after the day on the turn's empty pitch.
inline void live_spieltag(Skript& s, int sekunden = 150)
{
    for (int t = 0; t < sekunden * 2 / 3; ++t)
        dazu(s, {"wait 1500", "move " + std::to_string(SCHUETZE_X) + " " + std::to_string(SCHUETZE_Y), "left down",
                 "wait 100", "left up"});
}

// The line-up screen's back button: a live match day of the manager's club shows the team talk
// before the kick-off and the dressing room at half-time there, each waiting for it.
inline Skript kabine_verlassen() { return klick(615, 455); }

// The buttons of the live view's side bar (their middles) and the line-up screen's way back.
constexpr int LEISTE_X = 625, TABELLE_Y = 31, EREIGNISSE_Y = 66, SPIEGELN_Y = 101, AUFSTELLUNG_Y = 171, TAKTIK_Y = 206;
constexpr int PAUSE_Y = 311;
constexpr int ZURUECK_X = 615, ZURUECK_Y = 455;

// A press in the live view, taken frame by frame.
inline Skript druecken(int x, int y)
{
    return {"move " + std::to_string(x) + " " + std::to_string(y), "wait 100", "left down", "wait 100", "left up", "wait 400"};
}

// From the first turn to a new manager's first match day (the cup's first round, fourteen turns
// in): the last turn ended, the team talk before the kick-off comes up.
inline void bis_zur_ansprache(Skript& s)
{
    for (int t = 0; t < 14; ++t) {
        dazu(s, klick(WEITER_X, WEITER_Y, -1));
        dazu(s, klick(150, 292));  // "JA" where a turn asks, else the empty pitch
        dazu(s, klick(470, 292));  // the captain's "OK"
        if (t < 13) s.push_back(SPIELTAG_ABWARTEN);
    }
}

// The same, the talk left: the match starts to play in the live view.
inline void bis_zum_ersten_spieltag(Skript& s)
{
    bis_zur_ansprache(s);
    dazu(s, kabine_verlassen());
}

// From the start menu to the first turn of a new game with these managers, each at the next
// club of the league.
inline Skript neues_spiel(const std::vector<std::string>& manager)
{
    Skript s{"wait 2000"};
    dazu(s, klick(80, 450));  // "Neues Spiel starten"
    for (size_t i = 0; i < manager.size(); ++i) {
        if (i > 0) dazu(s, klick(200, 385));  // "Manager hinzufügen"
        dazu(s, klick(300, 118));
        tippen(s, manager[i]);
        if (i > 0) dazu(s, klick(300, 310));  // the next club of the league
    }
    dazu(s, klick(450, 385));  // "Spiel starten"
    return s;
}

// The options menu (right click), "Laden/Speichern", then the row; the file dialog gets the name.
constexpr int SPEICHERN_NEU = 224, LADEN = 245;
inline void optionen(Skript& s, int zeile_y, const std::string& name)
{
    s.push_back("answer " + name);
    dazu(s, {"move 300 250", "wait 300", "right down", "wait 100", "right up", "wait 500", "move 350 213", "wait 600",
             "move 270 213", "wait 100", "move 170 " + std::to_string(zeile_y), "wait 300"});
    dazu(s, {"left down", "wait 100", "left up", "wait 700"});
}

inline std::string text(const Skript& s)
{
    std::string t;
    for (const std::string& z : s) t += z + "\n";
    return t;
}

inline std::vector<uint8_t> lesen(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs a program (args[0]) with this registry; standard error goes to `fehler`. With `debug` the
// program prints its error texts there (DORVIN_DEBUG=1). The exit code.
inline int starten(const std::string& registry, std::vector<std::string> args, const std::string& fehler,
                   bool debug = false)
{
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("DORVIN_REGISTRY", registry.c_str(), 1);
        if (debug) setenv("DORVIN_DEBUG", "1", 1);
        else unsetenv("DORVIN_DEBUG");
        if (!std::freopen(fehler.c_str(), "w", stderr) || !std::freopen("/dev/null", "w", stdout)) _exit(126);
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// The error texts in a program's standard error, each with its count: every line but the
// network log's ("netz N: ...", whose last line ends in an empty one) and the message boxes of
// a headless run ("Meldung: ...").
inline std::map<std::string, int> fehlertexte(const fs::path& datei)
{
    std::map<std::string, int> texte;
    std::ifstream in(datei);
    for (std::string zeile; std::getline(in, zeile);)
        if (!zeile.empty() && zeile.rfind("netz ", 0) != 0 && zeile.rfind("Meldung: ", 0) != 0) ++texte[zeile];
    return texte;
}

inline std::string auflisten(const std::map<std::string, int>& texte)
{
    std::string s;
    for (const auto& [text, n] : texte) s += std::to_string(n) + " x \"" + text + "\"\n";
    return s;
}

// The start of the programs' random sequence, the same on every run while it lives (a program
// started meanwhile inherits it), so that a test meets the same club, matches and season each
// time; one given from outside (DORVIN_ZUFALL) is kept, to replay another.
struct Zufall_Start {
    const bool gesetzt = std::getenv("DORVIN_ZUFALL") == nullptr;
    explicit Zufall_Start(const char* start)
    {
        if (gesetzt) setenv("DORVIN_ZUFALL", start, 1);
    }
    ~Zufall_Start()
    {
        if (gesetzt) unsetenv("DORVIN_ZUFALL");
    }
    Zufall_Start(const Zufall_Start&) = delete;
    Zufall_Start& operator=(const Zufall_Start&) = delete;
};

// A world and an installed program folder in a temporary folder of their own.
struct Installation {
    fs::path ordner;
    std::string bin = DORVIN_BINARY_DIR, registry, programm;
    // False when the data builder or the installer failed. `welt`: the world's size for the data
    // builder (small, default, large).
    bool anlegen(const std::string& name, const std::string& welt = "default")
    {
        ordner = fs::temp_directory_path() / (name + "_" + std::to_string(getpid()));
        fs::remove_all(ordner);
        fs::create_directories(ordner);
        registry = (ordner / "registry").string();
        programm = (ordner / "programm").string();
        const std::string daten = (ordner / "daten").string();
        if (std::system((bin + "/dorvin_datagen alles --world " + welt + " --ziel " + daten + " > /dev/null").c_str()) != 0)
            return false;
        const bool gut = std::system(("DORVIN_REGISTRY=" + registry + " " + bin + "/dorvin_installer --daten " + daten +
                                      " --ziel " + programm + " > /dev/null")
                                         .c_str()) == 0;
        // The program folder holds its own copy of the data: tests that run side by side keep
        // only that one on the disk.
        if (gut) fs::remove_all(daten);
        return gut;
    }
    fs::path spielstand(const std::string& name) const { return fs::path(programm) / "spielstand" / (name + ".sgv"); }
    // Writes the script and plays it headless; the exit code.
    int spielen(const Skript& s, const std::string& name) const
    {
        std::ofstream(ordner / (name + ".txt")) << text(s);
        return starten(registry, {bin + "/dorvin", "--headless", "--nosound", "--script", (ordner / (name + ".txt")).string()},
                       (ordner / (name + "_fehler.txt")).string());
    }
};

// The game day a savegame holds; -1 when it does not read.
inline int32_t tag_im_spielstand(const fs::path& p)
{
    const std::vector<uint8_t> d = lesen(p);
    std::string version;
    Disk_Bereiche b;
    if (!Disk_Spielstand_Zerlegen(d.data(), d.size(), &version, &b)) return -1;
    const Disk_Bereich& ablauf = b[DISK_POS_ABLAUF - 1];
    if (ablauf.empty() || ablauf[0].size() < 4) return -1;
    return int32_t(Disk_LE32_Lesen(ablauf[0].data()));
}

}  // namespace programm_lauf
