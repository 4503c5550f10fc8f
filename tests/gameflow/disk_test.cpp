#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/capture.h"
#include "platform/disk.h"
#include "gameflow/globals.h"
#include "gameflow/spielstand_ordner.h"
#include "platform/mem.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Three test modules with a few blocks each, one of them empty and one large.
Bytes modul_a, modul_b, modul_c;
Bytes geladen_a, geladen_b, geladen_c;
std::string gelesene_version;
bool schreiben_scheitert = false;

Bytes muster(size_t n, uint8_t start)
{
    Bytes b(n);
    for (size_t i = 0; i < n; ++i) b[i] = uint8_t(start + i * 7);
    return b;
}

bool schreibe_a(Disk_Datei* d) { return Disk_Schreibe_Block(d, modul_a.data(), uint32_t(modul_a.size())); }
bool lese_a(Disk_Datei* d, const char* version)
{
    gelesene_version = version;
    Bytes b(modul_a.size());
    if (!Disk_Lese_Block(d, b.data(), uint32_t(b.size()))) return false;
    geladen_a = b;
    return true;
}
bool schreibe_b(Disk_Datei* d)
{
    return Disk_Schreibe_Block(d, nullptr, 0) && Disk_Schreibe_Block(d, modul_b.data(), uint32_t(modul_b.size()));
}
bool lese_b(Disk_Datei* d, const char*)
{
    Bytes b(modul_b.size());
    if (!Disk_Lese_Block(d, nullptr, 0) || !Disk_Lese_Block(d, b.data(), uint32_t(b.size()))) return false;
    geladen_b = b;
    return true;
}
bool schreibe_c(Disk_Datei* d)
{
    if (schreiben_scheitert) return false;
    return Disk_Schreibe_Block(d, modul_c.data(), uint32_t(modul_c.size()));
}
bool lese_c(Disk_Datei* d, const char*)
{
    Bytes b(modul_c.size());
    if (!Disk_Lese_Block(d, b.data(), uint32_t(b.size()))) return false;
    geladen_c = b;
    return true;
}

// Bitwise reference CRC-32, independent of the table-driven one in the code.
uint32_t crc32_bitweise(const uint8_t* p, size_t n)
{
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    }
    return ~c;
}

Bytes lies(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), {});
}

void schreib(const std::string& pfad, const Bytes& b)
{
    std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
}

class Disk : public Spielstand_Ordner {
protected:
    void SetUp() override
    {
        Spielstand_Ordner::SetUp();
        modul_a = muster(100, 1);
        modul_b = muster(200000, 9);
        modul_c = muster(3, 77);
        schreiben_scheitert = false;
        Disk_Block_Registrieren(DISK_POS_ZUFALL, schreibe_a, lese_a);
        Disk_Block_Registrieren(DISK_POS_TEAMS, schreibe_b, lese_b);
        Disk_Block_Registrieren(DISK_POS_STATISTIK, schreibe_c, lese_c);
        Globals_Reset();
    }
    void TearDown() override
    {
        for (int pos : {DISK_POS_ZUFALL, DISK_POS_TEAMS, DISK_POS_STATISTIK})
            Disk_Block_Registrieren(pos, nullptr, nullptr);
        Spielstand_Ordner::TearDown();
    }
    void leeren()
    {
        geladen_a.clear();
        geladen_b.clear();
        geladen_c.clear();
        gelesene_version.clear();
    }
};

TEST_F(Disk, SavegameRoundTripReachesEveryModule)
{
    Aktueller_Tag = 400;
    Ablauf_Zustand = 3;
    Konfiguration_Aktuell = 2;
    Manager_Wappen[5] = MANAGER_WAPPEN_USER | 17;
    ASSERT_TRUE(Disk_Spielstand_Speichern("spiel1"));
    EXPECT_FALSE(std::filesystem::exists(datei("spiel1") + ".tmp"));

    Bytes b = lies(datei("spiel1"));
    ASSERT_GE(b.size(), 26u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data()), 14), "DorvinOnline!!");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data()) + 14), "2.01");
    // Scrambled: the pattern of module B is not stored as it is.
    EXPECT_EQ(std::search(b.begin(), b.end(), modul_b.begin(), modul_b.begin() + 64), b.end());

    Globals_Reset();
    leeren();
    ASSERT_TRUE(Disk_Spielstand_Laden("spiel1"));
    EXPECT_EQ(geladen_a, modul_a);
    EXPECT_EQ(geladen_b, modul_b);
    EXPECT_EQ(geladen_c, modul_c);
    EXPECT_EQ(gelesene_version, "2.01");
    EXPECT_EQ(Aktueller_Tag, 400);
    EXPECT_EQ(Ablauf_Zustand, 3);
    EXPECT_EQ(Konfiguration_Aktuell, 2);
    EXPECT_EQ(Manager_Wappen[5], MANAGER_WAPPEN_USER | 17);

    // A full path with its extension names the same file.
    leeren();
    ASSERT_TRUE(Disk_Spielstand_Laden(datei("spiel1").c_str()));
    EXPECT_EQ(geladen_c, modul_c);

    // The older layout is accepted and its version reaches the readers.
    std::memcpy(b.data() + 14, "2.00", 4);
    const uint32_t crc = crc32_bitweise(b.data(), 22);
    for (int i = 0; i < 4; ++i) b[22 + i] = uint8_t(crc >> (8 * i));
    schreib(datei("alt"), b);
    leeren();
    ASSERT_TRUE(Disk_Spielstand_Laden("alt"));
    EXPECT_EQ(gelesene_version, "2.00");
    EXPECT_EQ(geladen_b, modul_b);
}

TEST_F(Disk, BrokenSavegamesAreRefusedBeforeAnyModuleIsTouched)
{
    modul_b = muster(40, 9);  // small enough to flip every byte
    Aktueller_Tag = 77;
    ASSERT_TRUE(Disk_Spielstand_Speichern("gut"));
    const Bytes gut = lies(datei("gut"));
    Aktueller_Tag = 5;

    auto abgelehnt = [&](const Bytes& b, const char* text) {
        schreib(datei("kaputt"), b);
        leeren();
        Fehler_Capture cap;
        const bool ok = Disk_Spielstand_Laden("kaputt");
        const bool unberuehrt = geladen_a.empty() && geladen_b.empty() && geladen_c.empty() && Aktueller_Tag == 5;
        return !ok && unberuehrt && cap.contains(text);
    };

    for (size_t i = 0; i < gut.size(); ++i) {
        Bytes b = gut;
        b[i] ^= 0x01;
        EXPECT_TRUE(abgelehnt(b, "kann nicht geladen werden") || abgelehnt(b, "kein Spielstand")) << "byte " << i;
    }
    for (size_t n = 0; n < gut.size(); ++n)
        EXPECT_TRUE(abgelehnt(Bytes(gut.begin(), gut.begin() + long(n)), "")) << "length " << n;

    Bytes b = gut;
    b.push_back(0);
    EXPECT_TRUE(abgelehnt(b, "ist beschädigt"));

    b = gut;
    b[0] = 'X';
    EXPECT_TRUE(abgelehnt(b, "ist kein Spielstand"));

    b = gut;
    std::memcpy(b.data() + 14, "3.10", 4);
    const uint32_t crc = crc32_bitweise(b.data(), 22);
    for (int i = 0; i < 4; ++i) b[22 + i] = uint8_t(crc >> (8 * i));
    EXPECT_TRUE(abgelehnt(b, "unbekannte Version \"3.10\""));

    Fehler_Capture cap;
    EXPECT_FALSE(Disk_Spielstand_Laden("fehlt"));
    EXPECT_TRUE(cap.contains("konnte nicht geöffnet werden"));

    // The good file still loads after all that.
    leeren();
    EXPECT_TRUE(Disk_Spielstand_Laden("gut"));
    EXPECT_EQ(Aktueller_Tag, 77);
}

TEST_F(Disk, FailedSaveKeepsThePreviousSavegame)
{
    ASSERT_TRUE(Disk_Spielstand_Speichern("stand"));
    const Bytes vorher = lies(datei("stand"));

    // The last module fails after all others have written their blocks.
    modul_a = muster(100, 50);
    schreiben_scheitert = true;
    Fehler_Capture cap;
    EXPECT_FALSE(Disk_Spielstand_Speichern("stand"));
    EXPECT_TRUE(cap.contains("Der bisherige Spielstand bleibt erhalten."));
    EXPECT_EQ(lies(datei("stand")), vorher);
    EXPECT_FALSE(std::filesystem::exists(datei("stand") + ".tmp"));

    schreiben_scheitert = false;
    leeren();
    ASSERT_TRUE(Disk_Spielstand_Laden("stand"));
    EXPECT_EQ(geladen_a, muster(100, 1));

    // A folder that does not exist cannot take the file; nothing is reported as saved.
    Disk_Set_Spielstand_Ordner((ordner + "/fehlt").c_str());
    EXPECT_FALSE(Disk_Spielstand_Speichern("stand"));
}

TEST_F(Disk, ReaderExpectingAnotherLengthFailsTheLoad)
{
    ASSERT_TRUE(Disk_Spielstand_Speichern("laenge"));
    modul_a.resize(99);
    Fehler_Capture cap;
    EXPECT_FALSE(Disk_Spielstand_Laden("laenge"));
    EXPECT_TRUE(cap.contains("Blocklänge 100 statt 99"));
    EXPECT_TRUE(cap.contains("konnte nicht vollständig geladen werden"));
    EXPECT_TRUE(geladen_a.empty());
}

TEST_F(Disk, PlainStreamAndWholeFileRead)
{
    const std::string pfad = ordner + "/text.cfg";
    Disk_Datei* d = Disk_Open_Schreiben(pfad.c_str());
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(Disk_Schreibe_Block(d, "NEUER_WETTBEWERB\r\n", 18));
    EXPECT_TRUE(Disk_Schreibe_Block(d, "X", 1));
    {
        Fehler_Capture cap;
        char c;
        EXPECT_FALSE(Disk_Lese_Block(d, &c, 1));
        EXPECT_FALSE(Disk_Schreibe_Block(nullptr, "X", 1));
        EXPECT_FALSE(Disk_Lese_Block(nullptr, &c, 1));
        EXPECT_EQ(cap.texts.size(), 3u);
    }
    EXPECT_TRUE(Disk_Close(d));

    uint32_t n = 0;
    uint8_t* p = Disk_Lese_Datei(pfad.c_str(), &n);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(p), n), "NEUER_WETTBEWERB\r\nX");
    EXPECT_EQ(p[n], 0);
    Mem_Free(p, 0);
    EXPECT_EQ(Disk_Lese_Datei((ordner + "/fehlt").c_str(), &n), nullptr);
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(Disk_Open_Schreiben((ordner + "/fehlt/x").c_str()), nullptr);

    char o[16];
    EXPECT_TRUE(Disk_Pfad_Ohne_Dateiname("a/b/c.sgv", o, sizeof o));
    EXPECT_STREQ(o, "a/b");
    EXPECT_TRUE(Disk_Pfad_Ohne_Dateiname("c.sgv", o, sizeof o));
    EXPECT_STREQ(o, "");
    EXPECT_FALSE(Disk_Pfad_Ohne_Dateiname("ein/sehr/langer/ordner/x", o, 8));
}

}  // namespace
