#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#include "common/capture.h"
#include "platform/win95.h"
#include "platform/read_config.h"
#include "platform/string_util.h"

namespace {

struct Config_Ordner {
    std::filesystem::path pfad;
    std::vector<std::string> meldungen;
    Config_Ordner()
    {
        pfad = std::filesystem::temp_directory_path() /
               ("dorvin_config_test_" + std::to_string(::getpid()));
        std::filesystem::create_directories(pfad);
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", pfad.c_str());
        Read_Config_Set_Pruefung(true);
        Requester_Printf_Set_Hook([this](const std::string& t) { meldungen.push_back(t); });
    }
    ~Config_Ordner()
    {
        Requester_Printf_Set_Hook({});
        std::filesystem::remove_all(pfad);
    }
    void schreiben(const std::string& name, const std::string& text)
    {
        FILE* f = std::fopen((pfad / name).c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
};

// Reads the whole current level as "KEY=value|" pairs; entries without value show no '='.
std::string alle_eintraege()
{
    std::string s;
    for (;;) {
        std::string k = Read_Config_Read_Zeile(nullptr, true);
        if (k.empty()) return s;
        s += k;
        if (std::strcmp(Read_Config_Get_Wert_Text(), k.c_str()) != 0 || Read_Config_Get_Wert() != 1)
            s += "=" + std::string(Read_Config_Get_Wert_Text());
        s += "|";
    }
}

}  // namespace

TEST(Config, ChecksumOverEntriesAsRead)
{
    Config_Ordner o;
    uint32_t summe = 0;

    o.schreiben("1_team.cfg", "A 1\n");
    ASSERT_TRUE(Read_Config_Open(1, 0, -1));
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "A");
    EXPECT_EQ(Read_Config_Get_Wert(), 1);
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "");
    EXPECT_TRUE(Read_Config_Check_Summe(&summe));
    EXPECT_EQ(summe, 99u);
    Read_Config_Close();

    o.schreiben("1_team.cfg", "CHECKSUMME 99\nA 1\n");
    ASSERT_TRUE(Read_Config_Open(1, 0, -1));
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "A");
    EXPECT_EQ(Read_Config_Get_Zeilennummer(), 2);
    Read_Config_Read_Zeile(nullptr, true);
    EXPECT_TRUE(Read_Config_Check_Summe(&summe));
    Read_Config_Close();

    // Summed before upper-casing; comments, sections and quote marks never count; the last entry
    // needs no line end.
    o.schreiben("2_team.cfg",
                "CHECKSUMME 943\n; Kommentar\n[Abschnitt\nueber Zeilen] A \"1\"\r\nb 22");
    ASSERT_TRUE(Read_Config_Open(1, 1, -1));
    EXPECT_EQ(alle_eintraege(), "A=1|B=22|");
    EXPECT_TRUE(Read_Config_Check_Summe(&summe));
    EXPECT_EQ(summe, 943u);
    Read_Config_Close();

    o.schreiben("3_team.cfg", "CHECKSUMME 848\nA 1\nB 22\n");
    ASSERT_TRUE(Read_Config_Open(1, 2, -1));
    alle_eintraege();
    EXPECT_FALSE(Read_Config_Check_Summe(&summe));
    EXPECT_EQ(summe, 847u);
    Read_Config_Set_Pruefung(false);
    EXPECT_TRUE(Read_Config_Check_Summe(nullptr));
    Read_Config_Close();
}

TEST(Config, TokenRules)
{
    Config_Ordner o;
    o.schreiben("1_spieler.cfg",
                "Name\n3\nTEXT \"a b;c\" ; rest\nJA1 ja\nNEIN1 Nein\nZAHL   -17x\n"
                "X [geheim] 5 ] y\nLEER ; nur Kommentar\nENDE");
    ASSERT_TRUE(Read_Config_Open(0, 0, -1));
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "NAME");
    EXPECT_EQ(Read_Config_Get_Wert(), 1);
    EXPECT_STREQ(Read_Config_Get_Wert_Text(), "NAME");
    EXPECT_EQ(Read_Config_Get_Zeilennummer(), 1);
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "3");
    EXPECT_EQ(Read_Config_Get_Zeilennummer(), 2);
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "TEXT");
    EXPECT_STREQ(Read_Config_Get_Wert_Text(), "a b;c");
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "JA1");
    EXPECT_EQ(Read_Config_Get_Wert(), 1);
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "NEIN1");
    EXPECT_EQ(Read_Config_Get_Wert(), 0);
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "ZAHL");
    EXPECT_EQ(Read_Config_Get_Wert(), -17);
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "X");
    EXPECT_EQ(Read_Config_Get_Wert(), 5);
    // A ']' outside a section is an ordinary character.
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "]");
    EXPECT_STREQ(Read_Config_Get_Wert_Text(), "y");
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "LEER");
    EXPECT_EQ(Read_Config_Get_Wert(), 1);
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "ENDE");
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "");
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "");
    Read_Config_Close();

    // An overlong token is cut, reported, and its last character starts the next token.
    std::string lang(3100, 'x');
    ASSERT_TRUE(Read_Config_Open_Buffer(lang.c_str(), uint32_t(lang.size()), -1, 0, -1));
    EXPECT_EQ(std::strlen(Read_Config_Read_Zeile(nullptr, false)), 2999u);
    EXPECT_EQ(std::strlen(Read_Config_Read_Zeile(nullptr, false)), 102u);
    Read_Config_Close();
    ASSERT_EQ(o.meldungen.size(), 1u);
    EXPECT_EQ(o.meldungen[0], "ACHTUNG: Maximale Buffergröße für Config-Zeile überschritten!\n");
}

TEST(Config, AliasesAndNumberLists)
{
    Config_Ordner o;
    o.schreiben("1_wettbewerb_alias.cfg", "BAYERN 7\nNord 12\n");
    o.schreiben("1_team.cfg",
                "A #bayern\nB #NORD\nC #fehlt1\nD #f2\nE #f3\nF #f4\nG #f5\nH #f6\nL 1,2,#nord\n");
    ASSERT_TRUE(Read_Config_Open(1, 0, 0));
    int32_t werte[8] = {};
    for (int i = 0; i < 8; ++i) {
        Read_Config_Read_Zeile(nullptr, true);
        werte[i] = Read_Config_Get_Wert();
    }
    EXPECT_EQ(werte[0], 7);
    EXPECT_EQ(werte[1], 12);
    for (int i = 2; i < 8; ++i) EXPECT_EQ(werte[i], 1);
    EXPECT_EQ(Read_Config_Get_Alias_Status(), 1);
    ASSERT_EQ(o.meldungen.size(), 5u);
    EXPECT_EQ(o.meldungen[0], "Achtung: Alias 'fehlt1' nicht definiert !\n");

    // A number list uses the enclosing file's aliases and never writes past its array.
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "L");
    int32_t zahlen[4] = {-9, -9, -9, -9};
    EXPECT_EQ(Read_Config_Parse_Zahlen(Read_Config_Get_Wert_Text(), zahlen, 3), 3);
    EXPECT_EQ(zahlen[0], 1);
    EXPECT_EQ(zahlen[1], 2);
    EXPECT_EQ(zahlen[2], 12);
    {
        Fehler_Capture fehler;
        EXPECT_EQ(Read_Config_Parse_Zahlen(" 4, 5 ,6", zahlen, 2), 2);
        EXPECT_EQ(zahlen[1], 5);
        EXPECT_EQ(zahlen[2], 12);
        EXPECT_EQ(fehler.texts.size(), 1u);
    }
    Read_Config_Close();

    // Without an alias list: status 2, the text reads as a number, one message per file.
    o.meldungen.clear();
    ASSERT_TRUE(Read_Config_Open(1, 0, -1));
    Read_Config_Read_Zeile(nullptr, true);
    EXPECT_EQ(Read_Config_Get_Wert(), 0);
    Read_Config_Read_Zeile(nullptr, true);
    EXPECT_EQ(Read_Config_Get_Wert(), 0);
    EXPECT_EQ(Read_Config_Get_Alias_Status(), 2);
    EXPECT_EQ(o.meldungen, std::vector<std::string>{"Achtung: Alias-Liste nicht definiert !\n"});
    Read_Config_Close();

    // The global list maps numbers back to names for writers.
    ASSERT_NE(Read_Config_Load_Alias_Liste(1, 0), nullptr);
    EXPECT_STREQ(Read_Config_Get_Alias(12), "NORD");
    EXPECT_EQ(Read_Config_Get_Alias(3), nullptr);
    Read_Config_Free_Alias_Liste();
    EXPECT_EQ(Read_Config_Get_Alias(12), nullptr);
    EXPECT_EQ(Read_Config_Load_Alias_Liste(1, 5), nullptr);
}

// A number list is read from the caller's text where it lies: the text stays as it was and the
// enclosing file goes on where it stood, its sum untouched; at the deepest level none is read.
// Plain lists of digits, signs and commas: empty items passed over, a lone or doubled sign read as
// atoi reads it, a long number wrapping, and one number too many reported; a blank changes nothing.
TEST(Config, PlainNumberListsReadAsThroughALevel)
{
    struct Fall {
        const char* text;
        std::vector<int32_t> soll;
        bool zu_viele;
    };
    for (const Fall& f : std::vector<Fall>{{",,7,,-8,", {7, -8}, false}, {"-,+,-+5,5-3", {0, 0, 0, 5}, false},
                                          {"4294967297,-0", {1, 0}, false}, {"1,2,3,4,5", {1, 2, 3, 4}, true},
                                          {"", {}, false}, {"9, 10", {9, 10}, false}}) {
        Fehler_Capture fehler;
        int32_t z[5] = {-1, -1, -1, -1, -1};
        ASSERT_EQ(Read_Config_Parse_Zahlen(f.text, z, 4), int32_t(f.soll.size())) << f.text;
        EXPECT_EQ(std::vector<int32_t>(z, z + f.soll.size()), f.soll) << f.text;
        EXPECT_EQ(z[4], -1);
        EXPECT_EQ(fehler.texts.size(), f.zu_viele ? 1u : 0u) << f.text;
    }
}

TEST(Config, NumberListLeavesTextAndEnclosingFileAsTheyWere)
{
    Config_Ordner o;
    o.schreiben("1_team.cfg", "L 7,8,9\nM 5\n");
    ASSERT_TRUE(Read_Config_Open(1, 0, -1));
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "L");
    const uint32_t summe = Read_Config_Get_Summe(), pos = Read_Config_Get_Position();
    const std::string text = Read_Config_Get_Wert_Text();
    int32_t z[3] = {};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(Read_Config_Parse_Zahlen(text.c_str(), z, 3), 3);
        EXPECT_EQ(z[2], 9);
    }
    EXPECT_EQ(text, "7,8,9");
    EXPECT_EQ(Read_Config_Get_Summe(), summe);
    EXPECT_EQ(Read_Config_Get_Position(), pos);
    ASSERT_TRUE(Read_Config_Open_Buffer("A 1", 3, -1, 0, -1));
    ASSERT_TRUE(Read_Config_Open_Buffer("B 2", 3, -1, 0, -1));
    {
        Fehler_Capture fehler;
        EXPECT_EQ(Read_Config_Parse_Zahlen(text.c_str(), z, 3), 0);
        EXPECT_EQ(fehler.texts.size(), 1u);
    }
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "B");
    Read_Config_Close();
    Read_Config_Close();
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "M");
    EXPECT_EQ(Read_Config_Get_Wert(), 5);
    Read_Config_Close();
}

TEST(Config, LevelsNamesAndFailures)
{
    Config_Ordner o;
    Fehler_Capture fehler;
    o.schreiben("1_personal.cfg", "; Stab\ninfotext \"Der kleine Stab\"\nX 1\n");
    EXPECT_FALSE(Read_Config_Open(5, 0, -1));
    EXPECT_TRUE(fehler.contains("Read_Config_Open: falscher Modus!"));
    EXPECT_FALSE(Read_Config_Open(3, 1, -1));
    EXPECT_EQ(Read_Config_Get_Filenamen(4, 0), nullptr);
    EXPECT_EQ(std::string(Read_Config_Get_Filenamen(0, 2)), std::string(Pfad_Config_Files) + "/3_spieler.cfg");
    EXPECT_STREQ(Read_Config_Get_Infotext(3, 0), "Der kleine Stab");
    EXPECT_STREQ(Read_Config_Get_Infotext(3, 4), "Keine Beschreibung");

    // Three levels at most; a fourth open is refused and the third stays current.
    const char* t1 = "EINS 1";
    const char* t3 = "DREI 3";
    ASSERT_TRUE(Read_Config_Open(3, 0, -1));
    ASSERT_TRUE(Read_Config_Open_Buffer(t1, 6, -1, 0, -1));
    ASSERT_TRUE(Read_Config_Open_Buffer(t3, 6, -1, 0, -1));
    EXPECT_FALSE(Read_Config_Open(3, 0, -1));
    EXPECT_FALSE(Read_Config_Open_Buffer(t1, 6, -1, 0, -1));
    EXPECT_TRUE(fehler.contains("Achtung: Maximale Schachtelungstiefe für Config-Files überschritten\n"));
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "DREI");
    Read_Config_Close();
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "EINS");
    Read_Config_Close();
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "INFOTEXT");
    Read_Config_Close();
    Read_Config_Close();
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "");
    EXPECT_EQ(Read_Config_Get_Groesse(), 0u);
}

namespace {

// The reading rules character by character, as the reader documents them: the model the
// reader's quicker runs over plain text and comments are checked against.
struct Lese_Modell {
    std::string text;
    size_t pos = 0;
    int32_t zeile = 1, klammer = 0;
    bool zeilenende = false, quote = false, kommentar = false;
    uint32_t summe = 1, index = 0;

    std::string token(const std::string& trenner, bool bis_zeilenende)
    {
        std::string t;
        if (bis_zeilenende && zeilenende) return t;
        while (pos < text.size()) {
            const unsigned char c = uint8_t(text[pos]);
            const bool lf = c == '\n', cr = c == '\r';
            if (lf || cr || (!quote && trenner.find(char(c)) != std::string::npos)) {
                if (c == ';') kommentar = true;
                zeilenende = false;
                if (lf) kommentar = false, ++zeile, quote = false, zeilenende = true;
                if (cr) quote = false;
                ++pos;
                if ((lf && bis_zeilenende) || !t.empty()) break;
                continue;
            }
            if (!kommentar) {
                if (c == '[') ++klammer;
                else if (c == ']' && klammer > 0) --klammer;
                else if (c == '"') quote = !quote;
                else if (klammer == 0) {
                    t += char(c);
                    if (summe) summe += index++ * uint32_t(int32_t(int8_t(c)));
                    if (t.size() >= READ_CONFIG_TOKEN - 1) return t;
                }
            }
            ++pos;
        }
        return t;
    }
};

// Reads the next entry with the reader and with the model (own separators or the standard
// ones) and compares keyword, value, sum, place and line; *ende: the text was at its end.
::testing::AssertionResult eintrag_wie_modell(Lese_Modell& m, const char* eigene, bool mit_wert, bool* ende)
{
    const std::string trenner = std::string(eigene ? eigene : " \xA0;\t") + "\n\r";
    std::string k = m.token(trenner, false);
    *ende = k.empty() && m.pos >= m.text.size();
    const std::string gelesen = Read_Config_Read_Zeile(eigene, mit_wert);
    if (!*ende) {
        ++m.index;
        for (char& c : k) c = char(c >= 'a' && c <= 'z' ? c - 32 : c);
    }
    if (gelesen != k) return ::testing::AssertionFailure() << "Wort '" << gelesen << "' statt '" << k << "'";
    if (!*ende && mit_wert) {
        const std::string w = m.token(trenner, true);
        const std::string soll = w.empty() ? k : w;
        if (soll != Read_Config_Get_Wert_Text())
            return ::testing::AssertionFailure() << "Wert '" << Read_Config_Get_Wert_Text() << "' statt '" << soll << "'";
    }
    if (Read_Config_Get_Summe() != m.summe)
        return ::testing::AssertionFailure() << "Summe " << Read_Config_Get_Summe() << " statt " << m.summe;
    if (Read_Config_Get_Position() != uint32_t(m.pos) ||
        Read_Config_Get_Zeilennummer() != (m.zeilenende ? m.zeile - 1 : m.zeile))
        return ::testing::AssertionFailure() << "Stelle " << Read_Config_Get_Position() << " statt " << m.pos;
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(Config, QuickRunsReadAsCharacterByCharacter)
{
    // Texts of plain runs, separators, quotes, sections, comments and line ends in every mix,
    // read with the standard and with own separators in turn (also a number list inside).
    const char zeichen[] = {'a', 'B', '7', ' ', ' ', ';', '\t', '\n', '\r', '[', ']', '"', ',', '.', char(0xA0), char(0xE9)};
    Config_Ordner o;
    uint32_t zustand = 12345;
    for (int lauf = 0; lauf < 300; ++lauf) {
        Lese_Modell m;
        // Some texts long enough for tokens that overflow.
        const int laenge = lauf % 50 == 7 ? 7000 : 200;
        for (int i = 0; i < laenge; ++i) {
            zustand = zustand * 1103515245u + 12345u;
            const bool schlicht = laenge > 200 ? (zustand >> 16) % 500 != 0 : (zustand >> 16) % 3 != 0;
            m.text += schlicht ? zeichen[(zustand >> 20) % 3] : zeichen[(zustand >> 20) % sizeof zeichen];
        }
        ASSERT_TRUE(Read_Config_Open_Buffer(m.text.data(), uint32_t(m.text.size()), -1, 0, -1));
        for (int schritt = 0; schritt < 400; ++schritt) {
            const char* eigene = schritt % 3 == 0 ? nullptr : schritt % 3 == 1 ? "," : ".,";
            bool ende = false;
            ASSERT_TRUE(eintrag_wie_modell(m, eigene, schritt % 2 == 0, &ende)) << "Lauf " << lauf << ", Schritt " << schritt;
            if (schritt % 7 == 0) {
                int32_t z[2] = {};
                EXPECT_EQ(Read_Config_Parse_Zahlen("3, -4", z, 2), 2);
                EXPECT_EQ(z[1], -4);
            }
            ASSERT_EQ(Read_Config_Get_Summe(), m.summe);
            ASSERT_EQ(Read_Config_Get_Position(), uint32_t(m.pos));
            ASSERT_EQ(Read_Config_Get_Zeilennummer(), m.zeilenende ? m.zeile - 1 : m.zeile);
            if (ende) break;
        }
        Read_Config_Close();
    }
    EXPECT_FALSE(o.meldungen.empty()) << "overlong tokens were read";
}

// A sum that comes to zero within a run takes none of the characters after it, in that token
// or any later one, as the character-by-character rules have it.
TEST(Config, SumThatComesToZeroTakesNothingMore)
{
    Config_Ordner o;
    // The last three come to zero within a value (quoted or not) and are read with values.
    const std::string texte[] = {"x\xFFyz abc\nq\xFE w", "a\x01\xFFzz q", "a \x01\xFF" "bc d",
                                 "K \x01\xFFq rest\nA b\n", "K \"\x01\xFFq\" z\nC d", "\x01\xFF" "a b\nC d\n"};
    for (const std::string& text : texte) {
        Lese_Modell m;
        m.text = text;
        ASSERT_TRUE(Read_Config_Open_Buffer(m.text.data(), uint32_t(m.text.size()), -1, 0, -1));
        const bool mit_wert = &text - texte >= 3;
        for (bool ende = false; !ende;) ASSERT_TRUE(eintrag_wie_modell(m, nullptr, mit_wert, &ende)) << text;
        EXPECT_EQ(m.summe, 0u) << text;
        Read_Config_Close();
    }
}

// Texts shaped like a world's files (keyword, value, line end), with the shapes beside them that
// the quick reading of such lines must leave to the general rules: quotes left open, empty or
// followed by text or a comment, sections, blank and indented lines, separators of a caller's
// own (a quote among them), runs ending the text or filling a token.
TEST(Config, WorldLinesReadAsCharacterByCharacter)
{
    const char* const stuecke[] = {
        "NAME", "wert7", "661", "99,99", "\"Steinwald Dirk\"", "\"\"", "\"a;b\"", "\"offen\n", "\"x\"y", "\"z\";r",
        "[x]", "[", "]", "; bem", "\xFF\x01", "\x01\xFF", "x\"y\"z", ",", ".", "\"", "\xE9t\xE9",
        "ab`z{Az@\xE1\xFA" "qrstuvwxyzABCDEFG0123456789", "\"Waldstadion L\xFC" "berlitz\xA0" "am See\tund\"",
        "STADION_NAME_DES_VEREINS_AUS_DER_STADT",
    };
    const char* const zwischen[] = {" ", " ", "\n", "\n", "\n\n", "\t", "\xA0", "\r\n", "  ", ";", "\r"};
    Config_Ordner o;
    uint32_t zustand = 777;
    auto wuerfel = [&zustand](uint32_t n) {
        zustand = zustand * 1103515245u + 12345u;
        return (zustand >> 16) % n;
    };
    for (int lauf = 0; lauf < 400; ++lauf) {
        Lese_Modell m;
        for (int i = 0; i < 60; ++i) {
            // Mostly plain keyword and value lines; every part at times.
            const bool zeile = wuerfel(4) != 0;
            m.text += zeile ? stuecke[wuerfel(5)] : stuecke[wuerfel(std::size(stuecke))];
            m.text += zeile && i % 2 == 0 ? " " : zwischen[wuerfel(std::size(zwischen))];
        }
        if (lauf % 40 == 3) m.text += std::string(3100, 'q') + " \"" + std::string(2998, 'r') + "\" 1";
        if (lauf % 2) m.text.pop_back();
        ASSERT_TRUE(Read_Config_Open_Buffer(m.text.data(), uint32_t(m.text.size()), -1, 0, -1));
        const char* eigene = lauf % 4 == 1 ? "," : lauf % 4 == 2 ? "\"," : nullptr;
        bool ende = false;
        for (int schritt = 0; !ende; ++schritt)
            ASSERT_TRUE(eintrag_wie_modell(m, eigene, schritt % 5 != 4, &ende)) << "Lauf " << lauf << ", Schritt " << schritt;
        Read_Config_Close();
    }
}

// A keyword list finds what a plain search from the front finds: the first of equal entries,
// never an empty one, nothing for prefixes, extensions or a change of case, with many entries
// sharing a hash.
TEST(Config, KeywordListFindsTheFirstEqualEntry)
{
    std::vector<std::string> namen = {"NAME", "", "NAME", "NAMEN", "N", "TOR", "TORWART", "", "\xDC" "BERSICHT"};
    for (int i = 0; i < 300; ++i) namen.push_back("F_" + std::to_string(i * 7919 % 1000));
    std::vector<const char*> liste;
    for (const std::string& n : namen) liste.push_back(n.c_str());
    const Read_Config_Woerter woerter(liste.data(), int32_t(liste.size()));
    auto von_vorn = [&](const std::string& w) {
        for (size_t i = 0; i < namen.size(); ++i)
            if (!namen[i].empty() && namen[i] == w) return int32_t(i);
        return int32_t(-1);
    };
    std::vector<std::string> proben = {"", "NAM", "name", "TORWAR", "TORWARTE", "\xDC" "BERSICHT", "F_", "F_1000"};
    for (const std::string& n : namen) proben.insert(proben.end(), {n, n + "X", n.substr(0, n.size() / 2)});
    for (const std::string& w : proben) EXPECT_EQ(woerter.finden(w.c_str()), von_vorn(w)) << w;
    EXPECT_EQ(woerter.finden("NAME"), 0);
}
