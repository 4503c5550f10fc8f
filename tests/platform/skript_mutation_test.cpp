// The script reader under damaged lines: a line either runs whole or is refused whole with one
// message naming it; nothing crashes, nothing half-runs. Mutations come from a fixed seed.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "platform/os/os.h"
#include "platform/os/os_display.h"
#include "platform/os/os_intern.h"
#include "platform/os/os_sound.h"

namespace {

struct Lauf {
    std::vector<Os_Message> nachrichten;  // without the close at the script's end
    std::string fehler;                   // standard error
    uint32_t zeit = 0;                    // virtual milliseconds the script took
    int maus_x = 0, maus_y = 0;
};

// Runs a script to its end on a quiet clock, from the mouse at (7, 9).
Lauf laufen(const std::string& text)
{
    Os_Clear_Messages();
    Os_Input_Set_Mouse(7, 9);
    Os_Input_Set_Buttons(false, false);
    Lauf l;
    testing::internal::CaptureStderr();
    uint32_t start = Os_Time_Ms();
    Os_Script_Load_Text(text);
    for (int i = 0; i < 100000; ++i) {
        Os_Message m;
        if (Os_Take_Message(&m)) {
            l.nachrichten.push_back(m);
        } else if (Os_Script_Finished()) {
            // The close at the end comes with the next feed, if it has not come yet.
            while (Os_Take_Message(&m)) l.nachrichten.push_back(m);
            break;
        }
    }
    l.zeit = Os_Time_Ms() - start;
    l.fehler = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(l.nachrichten.empty()) << "the end of the script closes the window";
    if (!l.nachrichten.empty()) l.nachrichten.pop_back();
    l.maus_x = Os_Mouse_X();
    l.maus_y = Os_Mouse_Y();
    return l;
}

bool gleich(const Lauf& a, const Lauf& b)
{
    if (a.nachrichten.size() != b.nachrichten.size() || a.zeit != b.zeit || a.maus_x != b.maus_x ||
        a.maus_y != b.maus_y)
        return false;
    for (size_t i = 0; i < a.nachrichten.size(); ++i)
        if (a.nachrichten[i].message != b.nachrichten[i].message ||
            a.nachrichten[i].wparam != b.nachrichten[i].wparam ||
            a.nachrichten[i].lparam != b.nachrichten[i].lparam)
            return false;
    return true;
}

const std::string ungueltig = "dorvin: ung\xC3\xBCltige Skriptzeile '";
const std::string unbekannt = "dorvin: unbekannte Skriptzeile '";
const std::string tastencode = "dorvin: ung\xC3\xBCltiger Tastencode in Skriptzeile '";

// A refused line: its one message, and no trace of it anywhere else.
void abgelehnt(const std::string& zeile, const std::string& meldung)
{
    Lauf l = laufen(zeile + "\n");
    EXPECT_EQ(l.fehler, meldung + zeile + "'\n") << zeile;
    EXPECT_TRUE(l.nachrichten.empty()) << zeile;
    EXPECT_EQ(l.zeit, 0u) << zeile;
    EXPECT_EQ(l.maus_x, 7) << zeile;
    EXPECT_EQ(l.maus_y, 9) << zeile;
}

const std::vector<std::string> gueltige = {
    "move 10 20",   "click 300 200", "left down",  "left up",      "right down",   "right up",
    "key 65",       "key_down 16",   "key_up 16",  "wheel up",     "wheel down",   "wait 250",
    "activate 0",   "activate 1",    "quit",       "mouse move 1 2", "move -5 32767",
    "key 255",      "wait 0",
};

struct Skript_Mutation : testing::Test {
    void SetUp() override
    {
        // No frame (a dump only reports) and no sound (every wait runs on at once).
        Os_Display_Close();
        Os_Sound_Close();
    }
};

}  // namespace

TEST_F(Skript_Mutation, BlanksAroundTheWordsChangeNothing)
{
    std::mt19937 zufall(4711);
    const char* blanks[] = {" ", "  ", "\t", " \t ", "\t\t"};
    for (const std::string& zeile : gueltige) {
        Lauf soll = laufen(zeile + "\n");
        ASSERT_EQ(soll.fehler, "") << zeile;
        for (int n = 0; n < 20; ++n) {
            // Every gap between words, and the line's ends, get other blanks.
            std::string variante;
            int vorne = int(zufall() % 3);
            for (int i = 0; i < vorne; ++i) variante += blanks[zufall() % 5];
            for (char c : zeile) variante += c == ' ' ? std::string(blanks[zufall() % 5]) : std::string(1, c);
            int hinten = int(zufall() % 3);
            for (int i = 0; i < hinten; ++i) variante += blanks[zufall() % 5];
            if (zufall() % 2) variante += '\r';
            Lauf ist = laufen(variante + "\n");
            EXPECT_EQ(ist.fehler, "") << variante;
            EXPECT_TRUE(gleich(soll, ist)) << "'" << variante << "' is not '" << zeile << "'";
        }
    }
}

TEST_F(Skript_Mutation, DamagedArgumentsAreRefusedWhole)
{
    for (const std::string& zeile : gueltige) {
        size_t letztes = zeile.rfind(' ');
        bool mit_argument = letztes != std::string::npos;
        // A word too many, a letter stuck to the last word.
        abgelehnt(zeile + " 1", ungueltig);
        abgelehnt(zeile + "x", mit_argument ? ungueltig : unbekannt);
        if (mit_argument) {
            abgelehnt(zeile.substr(0, letztes), ungueltig);  // the last word missing
            abgelehnt(zeile + "99999999999", ungueltig);
        }
    }
    // Numbers at and beyond their ranges.
    for (const char* zeile : {"move 32768 0", "move 0 -32769", "click 1 99999", "move 1 2.5",
                              "move 0x10 5", "move 1 -", "move - 1", "move 1 +2", "wait -1",
                              "wait 2147483648", "wait 1e3", "activate 2", "activate -0",
                              "activate 01", "left middle", "wheel left", "right", "dump",
                              "dump \t ", "key", "key A", "key 6 5", "left", "wait",
                              "key_up 99999999999"})
        abgelehnt(zeile, ungueltig);
    for (const char* zeile : {"key 0", "key 256", "key_down -16", "key_up 4294967312"})
        abgelehnt(zeile, tastencode);
    for (const char* zeile : {"klick 1 2", "Move 1 2", "mouse", "mouse mouse move 1 2", "\xFF", "quit!"})
        abgelehnt(zeile, unbekannt);

    // A dump's file is the rest of the line, blanks inside kept (here there is no frame).
    EXPECT_EQ(laufen("dump \t a b.png \t\n").fehler, "dorvin: Bild a b.png nicht geschrieben\n");

    // The largest wait still reads, and the clock runs exactly that far.
    Lauf l = laufen("wait 2147483647\n");
    EXPECT_EQ(l.fehler, "");
    EXPECT_EQ(l.zeit, 2147483647u);
}

// Random damage to valid lines and to whole scripts: every line either runs or gives exactly
// one message that names it, and a refused line leaves no trace.
TEST_F(Skript_Mutation, RandomDamageRunsOrIsRefusedWithItsMessage)
{
    std::mt19937 zufall(20261207);
    const std::string zeichen = "aekmquvwx019-_ #\t\xFF\xE4\x01";
    auto mutieren = [&](std::string s) {
        int schritte = 1 + int(zufall() % 3);
        for (int i = 0; i < schritte; ++i) {
            size_t pos = s.empty() ? 0 : zufall() % (s.size() + 1);
            char c = zufall() % 8 ? zeichen[zufall() % zeichen.size()] : char(zufall() % 256);
            if (c == '\n') c = ' ';
            switch (zufall() % 4) {
            case 0: s.insert(pos, 1, c); break;
            case 1: if (pos < s.size()) s.erase(pos, 1); break;
            case 2: if (pos < s.size()) s[pos] = c; break;
            default: s.insert(pos, std::to_string(zufall())); break;
            }
        }
        return s;
    };
    int abgelehnte = 0, gelaufene = 0;
    for (int n = 0; n < 3000; ++n) {
        std::string zeile = mutieren(gueltige[zufall() % gueltige.size()]);
        if (zeile.find('\0') != std::string::npos) zeile.erase(zeile.find('\0'));
        Lauf l = laufen(zeile + "\n");
        size_t start = zeile.find_first_not_of(" \t");
        std::string ohne_rand = start == std::string::npos ? "" : zeile.substr(start);
        if (!ohne_rand.empty() && ohne_rand.back() == '\r') ohne_rand.pop_back();
        bool leer = ohne_rand.empty() || ohne_rand[0] == '#';
        if (l.fehler.empty()) {
            ++gelaufene;
            continue;
        }
        ASSERT_FALSE(leer) << "a skipped line says nothing: '" << zeile << "'";
        ASSERT_EQ(l.fehler.find('\n'), l.fehler.size() - 1) << "one message: " << l.fehler;
        if (l.fehler.rfind("dorvin: Bild ", 0) == 0) continue;  // a dump without a frame ran
        ASSERT_NE(l.fehler.find("'" + ohne_rand + "'"), std::string::npos) << l.fehler;
        ++abgelehnte;
        ASSERT_TRUE(l.nachrichten.empty()) << zeile;
        ASSERT_EQ(l.zeit, 0u) << zeile;
        ASSERT_EQ(l.maus_x, 7) << zeile;
        ASSERT_EQ(l.maus_y, 9) << zeile;
    }
    // The mutations reach both sides.
    EXPECT_GT(abgelehnte, 1000);
    EXPECT_GT(gelaufene, 100);

    // Whole scripts of damaged lines, also with long lines and stray bytes, end cleanly.
    for (int n = 0; n < 200; ++n) {
        std::string text;
        int zeilen = int(zufall() % 30);
        for (int i = 0; i < zeilen; ++i) {
            if (zufall() % 10) {
                text += mutieren(gueltige[zufall() % gueltige.size()]);
            } else {
                size_t laenge = zufall() % 5000;
                text += std::string(laenge, char(1 + zufall() % 9));
            }
            text += zufall() % 4 ? "\n" : "\r\n";
        }
        Lauf l = laufen(text);
        size_t meldungen = 0;
        for (char c : l.fehler) meldungen += c == '\n';
        EXPECT_LE(meldungen, size_t(zeilen) + 1);
    }
}

// The script's text splits at its newlines: a last line without one still runs, a line of blanks,
// a carriage return or a comment is none, and a line ends at its own newline only.
TEST_F(Skript_Mutation, LinesEndAtTheirNewlineAndTheLastNeedsNone)
{
    const Lauf soll = laufen("move 10 20\nkey 65\n");
    ASSERT_EQ(soll.fehler, "");
    for (const std::string text : {"move 10 20\nkey 65", "\n\nmove 10 20\r\n\r\n \t\n#key 66\nkey 65\r",
                                   "  # two words\n\tmove 10 20\n   \r\nkey 65\n\n"}) {
        const Lauf ist = laufen(text);
        EXPECT_EQ(ist.fehler, "") << text;
        EXPECT_TRUE(gleich(soll, ist)) << text;
    }
    // A carriage return inside a line is no line end: the line is refused whole.
    abgelehnt("key 65\rkey 66", ungueltig);
    // Nothing but blanks and comments: the script closes at once.
    EXPECT_TRUE(laufen(" \n#\n\r\n").nachrichten.empty());
}
