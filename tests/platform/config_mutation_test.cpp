// The configuration reader under damaged files, from a fixed seed: a checksummed file that
// reads differently never passes its check, aliases resolve or are reported, number lists stay
// inside their arrays, and no set number or file reaches past what is there.
#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "common/capture.h"
#include "platform/read_config.h"
#include "platform/string_util.h"
#include "platform/win95.h"

namespace {

struct Eintrag {
    std::string schluessel, text;
    int32_t wert;
    bool operator==(const Eintrag&) const = default;
};

struct Gelesen {
    bool offen = false;
    std::vector<Eintrag> eintraege;
    bool summe_ok = false;
    uint32_t summe = 0;
    int32_t alias_status = 0;
};

struct Config_Mutation : testing::Test {
    std::filesystem::path ordner;
    std::vector<std::string> meldungen;
    std::mt19937 zufall{20261208};

    void SetUp() override
    {
        ordner = std::filesystem::temp_directory_path() /
                 ("dorvin_config_mutation_" + std::to_string(::getpid()));
        std::filesystem::create_directories(ordner);
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", ordner.c_str());
        Read_Config_Set_Pruefung(true);
        Read_Config_Set_Start_Option_Abfrage(nullptr);
        Requester_Printf_Set_Hook([this](const std::string& t) { meldungen.push_back(t); });
    }
    void TearDown() override
    {
        Requester_Printf_Set_Hook({});
        std::filesystem::remove_all(ordner);
    }
    void schreiben(const std::string& name, const std::string& text)
    {
        std::filesystem::remove_all(ordner / name);
        FILE* f = std::fopen((ordner / name).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }

    // Every entry of a team file with its value, then the check; all levels closed after.
    Gelesen lesen(int32_t satz, int32_t alias_satz)
    {
        Gelesen g;
        g.offen = Read_Config_Open(1, satz, alias_satz);
        if (!g.offen) return g;
        for (int i = 0; i < 100000; ++i) {
            const char* k = Read_Config_Read_Zeile(nullptr, true);
            if (!*k) break;
            EXPECT_LE(Read_Config_Get_Position(), Read_Config_Get_Groesse());
            std::string text = Read_Config_Get_Wert_Text();
            g.eintraege.push_back({k, text, Read_Config_Get_Wert()});
        }
        g.summe_ok = Read_Config_Check_Summe(&g.summe);
        g.alias_status = Read_Config_Get_Alias_Status();
        Read_Config_Close();
        EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "") << "a level left open";
        return g;
    }

    char zeichen()
    {
        static const std::string oft = " \t\n\r;[]\"#,-019AZaz\xA0\xFF";
        return zufall() % 4 ? oft[zufall() % oft.size()] : char(zufall() % 256);
    }

    // One insert, delete or replace of a byte at or after `ab`.
    std::string mutieren(std::string s, size_t ab = 0)
    {
        size_t pos = ab + zufall() % (s.size() - ab + 1);
        switch (zufall() % 3) {
        case 0: s.insert(pos, 1, zeichen()); break;
        case 1: if (pos < s.size()) s.erase(pos, 1); break;
        default: if (pos < s.size()) s[pos] = zeichen(); break;
        }
        return s;
    }
};

const char* const alias_namen[] = {"NORD", "SUED", "WEST", "OST", "BAYERN", "KUESTE", "HAUPTSTADT"};

std::string gross(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = char(c - 32);
    return s;
}

// Equal, but for the first character of the first keyword: the checksum weighs it by index 0,
// so the format cannot see it.
bool gleich_fuer_die_summe(const std::vector<Eintrag>& a, const std::vector<Eintrag>& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == b[i]) continue;
        const Eintrag &x = a[i], &y = b[i];
        if (i != 0 || x.schluessel.size() != y.schluessel.size() || x.schluessel.empty() ||
            x.schluessel.compare(1, std::string::npos, y.schluessel, 1) != 0)
            return false;
        bool x_ohne_wert = x.text == x.schluessel, y_ohne_wert = y.text == y.schluessel;
        if (x_ohne_wert != y_ohne_wert) return false;
        if (!x_ohne_wert && (x.text != y.text || x.wert != y.wert)) return false;
    }
    return true;
}

}  // namespace

TEST_F(Config_Mutation, AFileThatReadsDifferentlyFailsItsChecksum)
{
    schreiben("1_wettbewerb_alias.cfg", "NORD 4\nSUED 9\nBAYERN 12\n");
    std::string rumpf = "; Mannschaft\n";
    const char* werte[] = {"17", "-3", "JA", "nein", "#NORD", "#bayern", "\"FC Beispiel; Nord\"",
                           "1,2,#SUED", "[alt 5] 6", "\"\"", "99999999999"};
    for (int i = 0; i < 40; ++i) {
        rumpf += "Eintrag" + std::to_string(i) + " " + werte[zufall() % 11];
        rumpf += zufall() % 5 ? "\n" : " ; Notiz\r\n";
    }
    schreiben("1_team.cfg", rumpf);
    Gelesen ohne_kopf = lesen(0, 0);
    ASSERT_TRUE(ohne_kopf.summe_ok);
    const std::string kopf = "CHECKSUMME " + std::to_string(ohne_kopf.summe) + "\n";
    schreiben("1_team.cfg", kopf + rumpf);
    Gelesen soll = lesen(0, 0);
    ASSERT_TRUE(soll.summe_ok) << "the sum over the same entries";
    ASSERT_EQ(soll.eintraege, ohne_kopf.eintraege);

    int erkannt = 0;
    for (int n = 0; n < 1500; ++n) {
        std::string text = kopf + rumpf;
        int schritte = 1 + int(zufall() % 2);
        for (int i = 0; i < schritte; ++i) text = mutieren(text, kopf.size());
        schreiben("1_team.cfg", text);
        Gelesen ist = lesen(0, 0);
        ASSERT_TRUE(ist.offen);
        if (gleich_fuer_die_summe(ist.eintraege, soll.eintraege)) continue;
        ASSERT_FALSE(ist.summe_ok) << "damaged, read differently, and passed:\n" << text;
        ++erkannt;
    }
    EXPECT_GT(erkannt, 1000) << "the damage reaches the entries";

    // A stored sum that is not the sum fails, whatever form it takes.
    for (int n = 0; n < 300; ++n) {
        uint32_t falsch = uint32_t(zufall());
        if (falsch == soll.summe) continue;
        std::string zahl = zufall() % 2 ? std::to_string(falsch) : std::to_string(int32_t(falsch));
        schreiben("1_team.cfg", "CHECKSUMME " + zahl + "\n" + rumpf);
        EXPECT_FALSE(lesen(0, 0).summe_ok) << zahl;
    }
    // Written as a negative number it is the same sum.
    schreiben("1_team.cfg", "CHECKSUMME " + std::to_string(int32_t(soll.summe)) + "\n" + rumpf);
    EXPECT_TRUE(lesen(0, 0).summe_ok);
}

TEST_F(Config_Mutation, AliasesResolveOrAreReported)
{
    for (int n = 0; n < 400; ++n) {
        // An alias file in many forms: comments, sections, quotes, line ends, duplicates, gaps.
        std::map<std::string, int32_t> erwartet;
        std::string datei;
        for (const char* name : alias_namen) {
            if (zufall() % 4 == 0) continue;
            int32_t nummer = int32_t(zufall() % 2000) - 500;
            std::string n1 = zufall() % 2 ? name : std::string(name).substr(0, 1) + "\"" + std::string(name).substr(1) + "\"";
            if (zufall() % 3 == 0) datei += "; " + std::string(name) + " 77\n";
            if (zufall() % 3 == 0) datei += "[" + std::string(name) + " 78]";
            const char* trenner = zufall() % 2 ? " " : "\t\xA0";
            const char* ende = zufall() % 2 ? "\n" : "\r\n";
            datei += n1 + trenner + std::to_string(nummer) + ende;
            erwartet.emplace(name, nummer);  // the first definition holds
            if (zufall() % 5 == 0) datei += std::string(name) + " " + std::to_string(nummer + 1) + "\n";
        }
        schreiben("1_wettbewerb_alias.cfg", datei);

        std::string team;
        std::vector<std::string> gefragt;
        for (int i = 0; i < 12; ++i) {
            std::string name = zufall() % 5 ? alias_namen[zufall() % 7] : "FEHLT" + std::to_string(zufall() % 9);
            if (zufall() % 2) name[1] = char(std::tolower(name[1]));
            gefragt.push_back(name);
            team += "K" + std::to_string(i) + " #" + name + "\n";
        }
        schreiben("1_team.cfg", team);
        meldungen.clear();
        Gelesen g = lesen(0, 0);
        ASSERT_EQ(g.eintraege.size(), gefragt.size());
        std::vector<std::string> soll_meldungen;
        for (size_t i = 0; i < gefragt.size(); ++i) {
            auto it = erwartet.find(gross(gefragt[i]));
            if (it != erwartet.end()) {
                EXPECT_EQ(g.eintraege[i].wert, it->second) << gefragt[i] << "\n" << datei;
            } else {
                EXPECT_EQ(g.eintraege[i].wert, 1) << gefragt[i];
                if (soll_meldungen.size() < 5)
                    soll_meldungen.push_back("Achtung: Alias '" + gefragt[i] + "' nicht definiert !\n");
            }
        }
        EXPECT_EQ(meldungen, soll_meldungen) << "at most five, each naming its alias";
        EXPECT_EQ(g.alias_status, soll_meldungen.empty() ? 0 : 1);
    }

    // Raw damage to the alias file: the reader neither crashes nor invents a state.
    const std::string alias = "NORD 4\n\"SUED\" 9 ; Kommentar\n[alt OST 3]\nBAYERN #NORD\nWEST 1,2\n";
    schreiben("1_team.cfg", "A #NORD\nB #SUED\nC #BAYERN\nD #WEST\nE #OST\n");
    for (int n = 0; n < 1000; ++n) {
        std::string text = alias;
        for (int i = 0; i < 3; ++i) text = mutieren(text);
        schreiben("1_wettbewerb_alias.cfg", text);
        meldungen.clear();
        Gelesen g = lesen(0, 0);
        ASSERT_EQ(g.eintraege.size(), 5u);
        ASSERT_TRUE(g.alias_status == 0 || g.alias_status == 1);
        if (g.alias_status == 1) {
            EXPECT_FALSE(meldungen.empty()) << text;
        }
        for (const std::string& m : meldungen)
            EXPECT_TRUE(m.rfind("Achtung: Alias", 0) == 0 || m.rfind("ACHTUNG: Maximale", 0) == 0) << m;
    }
}

TEST_F(Config_Mutation, NumberListsStayInsideTheirArrays)
{
    schreiben("1_wettbewerb_alias.cfg", "NORD 4\nSUED -9\n");
    schreiben("1_team.cfg", "LISTE 1\n");
    ASSERT_TRUE(Read_Config_Open(1, 0, 0));
    constexpr int32_t WACHE = 0x5A5A5A5A;
    for (int n = 0; n < 1500; ++n) {
        std::vector<int32_t> soll;
        std::string text;
        int k = int(zufall() % 12);
        for (int i = 0; i < k; ++i) {
            if (i) text += zufall() % 4 ? "," : ",,";
            switch (zufall() % 4) {
            case 0: text += "#NORD", soll.push_back(4); break;
            case 1: text += " #sued ", soll.push_back(-9); break;
            default: {
                int32_t z = int32_t(zufall() % 2000001) - 1000000;
                text += (zufall() % 2 ? " " : "") + std::to_string(z);
                soll.push_back(z);
            }
            }
        }
        int32_t kapazitaet = 1 + int32_t(zufall() % 8);
        std::vector<int32_t> feld(size_t(kapazitaet) + 4, WACHE);
        Fehler_Capture fehler;
        int32_t gelesen = Read_Config_Parse_Zahlen(text.c_str(), feld.data(), kapazitaet);
        int32_t erwartet = std::min<int32_t>(int32_t(soll.size()), kapazitaet);
        ASSERT_EQ(gelesen, erwartet) << text;
        for (int32_t i = 0; i < erwartet; ++i) EXPECT_EQ(feld[size_t(i)], soll[size_t(i)]) << text;
        for (size_t i = size_t(kapazitaet); i < feld.size(); ++i) ASSERT_EQ(feld[i], WACHE) << text;
        if (int32_t(soll.size()) > kapazitaet)
            EXPECT_EQ(fehler.texts, std::vector<std::string>{"Read_Config_Parse_Zahlen: mehr als " +
                                                             std::to_string(kapazitaet) + " Zahlen!"});
        else
            EXPECT_TRUE(fehler.texts.empty()) << text;

        // Raw damage: never past the array.
        std::string kaputt = text;
        for (int i = 0; i < 3; ++i) kaputt = mutieren(kaputt);
        std::fill(feld.begin(), feld.end(), WACHE);
        gelesen = Read_Config_Parse_Zahlen(kaputt.c_str(), feld.data(), kapazitaet);
        ASSERT_GE(gelesen, 0);
        ASSERT_LE(gelesen, kapazitaet);
        for (size_t i = size_t(kapazitaet); i < feld.size(); ++i) ASSERT_EQ(feld[i], WACHE) << kaputt;
    }
    // With every level taken the list is refused, with its message.
    const char* t = "X 1";
    ASSERT_TRUE(Read_Config_Open_Buffer(t, 3, -1, 0, -1));
    ASSERT_TRUE(Read_Config_Open_Buffer(t, 3, -1, 0, -1));
    {
        Fehler_Capture fehler;
        int32_t feld[2] = {WACHE, WACHE};
        EXPECT_EQ(Read_Config_Parse_Zahlen("1,2", feld, 2), 0);
        EXPECT_EQ(feld[0], WACHE);
        EXPECT_TRUE(fehler.contains("Maximale Schachtelungstiefe"));
    }
    Read_Config_Close();
    Read_Config_Close();
    Read_Config_Close();
    EXPECT_STREQ(Read_Config_Read_Zeile(nullptr, true), "");
}

TEST_F(Config_Mutation, SetNumbersAndOddFilesAreRefusedCleanly)
{
    schreiben("1_team.cfg", "A 1\n");
    schreiben("2_team.cfg", "");
    schreiben("3_team.cfg", "CHECKSUMME");
    schreiben("4_team.cfg", std::string(5000, '\xFF'));
    std::filesystem::create_directories(ordner / "5_team.cfg");
    schreiben("1_wettbewerb_alias.cfg", "NORD 4\n");
    {
        Fehler_Capture fehler;
        Gelesen g = lesen(0, 0);
        EXPECT_TRUE(g.offen && g.summe_ok);
        EXPECT_TRUE(lesen(1, -1).offen) << "an empty file is a file without entries";
        EXPECT_TRUE(lesen(1, -1).eintraege.empty());
        Gelesen nur_kopf = lesen(2, -1);
        EXPECT_TRUE(nur_kopf.eintraege.empty());
        EXPECT_TRUE(nur_kopf.summe_ok) << "no number reads 1, the sum of nothing";
        meldungen.clear();
        Gelesen lang = lesen(3, -1);
        ASSERT_EQ(lang.eintraege.size(), 1u) << "5000 bytes: a cut keyword, the rest its value";
        EXPECT_EQ(lang.eintraege[0].schluessel.size(), 2999u);
        EXPECT_EQ(lang.eintraege[0].text.size(), 5000u - 2998u);
        EXPECT_EQ(meldungen.size(), 1u) << "the cut is reported once";
        EXPECT_FALSE(lesen(4, -1).offen) << "a folder is no file";
        for (int32_t satz : {6, 1000, INT32_MAX, -2, -7, INT32_MIN})
            EXPECT_FALSE(lesen(satz, 0).offen) << satz;
        for (int32_t alias_satz : {-2, INT32_MIN}) EXPECT_FALSE(lesen(0, alias_satz).offen) << alias_satz;
        EXPECT_FALSE(Read_Config_Open(2, -1, -1)) << "the alias file of no set";
        EXPECT_TRUE(fehler.contains("Read_Config_Open: falscher Satz"));
        EXPECT_TRUE(lesen(0, INT32_MAX).offen) << "a set without aliases: the file without them";
    }
    EXPECT_EQ(std::string(Read_Config_Get_Filenamen(1, INT32_MAX)),
              std::string(Pfad_Config_Files) + "/2147483648_team.cfg");
    EXPECT_STREQ(Read_Config_Get_Infotext(1, INT32_MIN), "Keine Beschreibung");

    // Random files under random set numbers: each opens or not, reads to its end, and closes.
    for (int n = 0; n < 600; ++n) {
        int32_t satz = int32_t(zufall() % 8);
        std::string text(zufall() % 300, ' ');
        for (char& c : text) c = zeichen();
        if (zufall() % 3 == 0) text = "CHECKSUMME " + std::to_string(int32_t(zufall())) + "\n" + text;
        schreiben(std::to_string(satz + 1) + "_team.cfg", text);
        int32_t gelesener_satz = int32_t(zufall() % 8);
        int32_t alias_satz = int32_t(zufall() % 3) - 1;
        Gelesen g = lesen(gelesener_satz, alias_satz);
        if (g.offen) {
            EXPECT_LE(g.eintraege.size(), 300u);
        }
    }
}
