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

// Three test modules with a few blocks each, one of them empty and one large. A module's state
// is its bytes: the writer saves them and the reader replaces them, as a real module would.
Bytes modul_a, modul_b, modul_c;
int lesungen = 0;  // reader calls
std::string gelesene_version;
bool schreiben_scheitert = false;
bool c_lehnt_ab = false;  // module C refuses every block
int a_lehnt_ab_ab = 0;    // module A refuses from this reader call on (0: never)
bool b_speichert = false; // module B saves the game ("innen") while it is read

Bytes muster(size_t n, uint8_t start)
{
    Bytes b(n);
    for (size_t i = 0; i < n; ++i) b[i] = uint8_t(start + i * 7);
    return b;
}

bool gefuellt = false;        // modules A and B pack their blocks in place

// Writes the bytes as one block, copied or packed in place.
bool block_schreiben(Disk_Datei* d, const Bytes& b)
{
    if (!gefuellt) return Disk_Schreibe_Block(d, b.data(), uint32_t(b.size()));
    return Disk_Schreibe_Block_Gefuellt(d, uint32_t(b.size()), [&b](uint8_t* ziel) {
        if (!b.empty()) std::memcpy(ziel, b.data(), b.size());
    });
}

bool schreibe_a(Disk_Datei* d) { return block_schreiben(d, modul_a); }
bool lese_a(Disk_Datei* d, const char* version)
{
    ++lesungen;
    gelesene_version = version;
    Bytes b(modul_a.size());
    if (!Disk_Lese_Block(d, b.data(), uint32_t(b.size()))) return false;
    if (a_lehnt_ab_ab && lesungen >= a_lehnt_ab_ab) return false;
    modul_a = b;
    return true;
}
bool schreibe_b(Disk_Datei* d)
{
    return block_schreiben(d, {}) && block_schreiben(d, modul_b);
}
bool lese_b(Disk_Datei* d, const char*)
{
    ++lesungen;
    // The length comes from the block itself, before anything is allocated.
    uint32_t n = 0;
    if (!Disk_Lese_Block(d, nullptr, 0) || !Disk_Naechste_Blocklaenge(d, &n) || n > 1000000) return false;
    Bytes b(n);
    if (!Disk_Lese_Block(d, b.data(), n)) return false;
    uint32_t dahinter = 0;
    EXPECT_FALSE(Disk_Naechste_Blocklaenge(d, &dahinter));
    modul_b = b;
    if (b_speichert) { EXPECT_TRUE(Disk_Spielstand_Speichern("innen")); }
    return true;
}
bool schreibe_c(Disk_Datei* d)
{
    if (schreiben_scheitert) return false;
    return Disk_Schreibe_Block(d, modul_c.data(), uint32_t(modul_c.size()));
}
bool lese_c(Disk_Datei* d, const char*)
{
    ++lesungen;
    Bytes b(modul_c.size());
    if (!Disk_Lese_Block(d, b.data(), uint32_t(b.size()))) return false;
    if (c_lehnt_ab) {
        Disk_Block_Ablehnen(d);
        return true;  // the flag alone refuses the block
    }
    modul_c = b;
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
        lesungen = 0;
        gelesene_version.clear();
        schreiben_scheitert = false;
        c_lehnt_ab = false;
        a_lehnt_ab_ab = 0;
        b_speichert = false;
        gefuellt = false;
        Disk_Block_Registrieren(DISK_POS_ZUFALL, schreibe_a, lese_a);
        Disk_Block_Registrieren(DISK_POS_TEAMS, schreibe_b, lese_b);
        Disk_Block_Registrieren(DISK_POS_STATISTIK, schreibe_c, lese_c);
        Globals_Reset();
    }
    void TearDown() override
    {
        for (int pos : {DISK_POS_ZUFALL, DISK_POS_TEAMS, DISK_POS_STATISTIK})
            Disk_Block_Registrieren(pos, nullptr, nullptr);
        Globals_Reset();
        Spielstand_Ordner::TearDown();
    }
    // Gives every module other contents of the same sizes.
    void aendern()
    {
        modul_a = muster(modul_a.size(), 101);
        modul_b = muster(modul_b.size(), 102);
        modul_c = muster(modul_c.size(), 103);
        lesungen = 0;
        gelesene_version.clear();
    }
};

TEST_F(Disk, SavegameRoundTripReachesEveryModule)
{
    Aktueller_Tag = 400;
    Ablauf_Zustand = 3;
    Konfiguration_Aktuell = 2;
    Manager_Wappen[5] = MANAGER_WAPPEN_USER | 17;
    const Bytes a = modul_a, b_alt = modul_b, c = modul_c;
    ASSERT_TRUE(Disk_Spielstand_Speichern("spiel1"));
    EXPECT_FALSE(std::filesystem::exists(datei("spiel1") + ".tmp"));

    Bytes b = lies(datei("spiel1"));
    ASSERT_GE(b.size(), 26u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data()), 14), "DorvinOnline!!");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data()) + 14), "2.01");
    // Scrambled: the pattern of module B is not stored as it is.
    EXPECT_EQ(std::search(b.begin(), b.end(), modul_b.begin(), modul_b.begin() + 64), b.end());
    // The in-memory image of the running game is the file a save writes.
    EXPECT_EQ(Disk_Spielstand_Abbild(), b);

    Globals_Reset();
    aendern();
    ASSERT_TRUE(Disk_Spielstand_Laden("spiel1"));
    EXPECT_EQ(lesungen, 3);
    EXPECT_EQ(modul_a, a);
    EXPECT_EQ(modul_b, b_alt);
    EXPECT_EQ(modul_c, c);
    EXPECT_EQ(gelesene_version, "2.01");
    EXPECT_EQ(Aktueller_Tag, 400);
    EXPECT_EQ(Ablauf_Zustand, 3);
    EXPECT_EQ(Konfiguration_Aktuell, 2);
    EXPECT_EQ(Manager_Wappen[5], MANAGER_WAPPEN_USER | 17);

    // A full path with its extension names the same file.
    aendern();
    ASSERT_TRUE(Disk_Spielstand_Laden(datei("spiel1").c_str()));
    EXPECT_EQ(modul_c, c);

    // A load names the savegame as the last one played; a tool that only looks into one leaves
    // that name to the game.
    EXPECT_STREQ(Disk_Lade_Letzten_Spielstand_Namen(), datei("spiel1").c_str());
    ASSERT_TRUE(Disk_Spielstand_Speichern("spiel2"));
    aendern();
    ASSERT_TRUE(Disk_Spielstand_Einsehen("spiel1"));
    EXPECT_EQ(modul_c, c);
    EXPECT_STREQ(Disk_Lade_Letzten_Spielstand_Namen(), "spiel2");

    // The older layout is accepted and its version reaches the readers.
    std::memcpy(b.data() + 14, "2.00", 4);
    const uint32_t crc = crc32_bitweise(b.data(), 22);
    for (int i = 0; i < 4; ++i) b[22 + i] = uint8_t(crc >> (8 * i));
    schreib(datei("alt"), b);
    aendern();
    ASSERT_TRUE(Disk_Spielstand_Laden("alt"));
    EXPECT_EQ(gelesene_version, "2.00");
    EXPECT_EQ(modul_b, b_alt);
}

TEST_F(Disk, SplitAndBuildGiveTheSameFile)
{
    ASSERT_TRUE(Disk_Spielstand_Speichern("ganz"));
    const Bytes datei_bytes = lies(datei("ganz"));
    std::string version;
    Disk_Bereiche bereiche;
    ASSERT_TRUE(Disk_Spielstand_Zerlegen(datei_bytes.data(), datei_bytes.size(), &version, &bereiche));
    EXPECT_EQ(version, "2.01");
    ASSERT_EQ(bereiche[DISK_POS_ZUFALL - 1].size(), 1u);
    EXPECT_EQ(bereiche[DISK_POS_ZUFALL - 1][0], modul_a);
    ASSERT_EQ(bereiche[DISK_POS_TEAMS - 1].size(), 2u);
    EXPECT_TRUE(bereiche[DISK_POS_TEAMS - 1][0].empty());
    EXPECT_EQ(bereiche[DISK_POS_TEAMS - 1][1], modul_b);
    EXPECT_TRUE(bereiche[DISK_POS_FREI - 1].empty());
    EXPECT_EQ(Disk_Spielstand_Bauen("2.01", bereiche), datei_bytes);

    // A block built with other contents passes the container and reaches its reader.
    bereiche[DISK_POS_ZUFALL - 1][0][7] ^= 0xFF;
    schreib(datei("gebaut"), Disk_Spielstand_Bauen("2.01", bereiche));
    const uint8_t erwartet = uint8_t(modul_a[7] ^ 0xFF);
    ASSERT_TRUE(Disk_Spielstand_Laden("gebaut"));
    EXPECT_EQ(modul_a[7], erwartet);

    Bytes kaputt = datei_bytes;
    kaputt[kaputt.size() / 2] ^= 1;
    EXPECT_FALSE(Disk_Spielstand_Zerlegen(kaputt.data(), kaputt.size(), &version, &bereiche));
}

// The stored payload of a block: its plain bytes XOR a keystream of its own, xorshift32 (13, 17,
// 5) seeded from the block's number in the file and its length, words taken little-endian. Every
// savegame ever written holds its blocks so; this is the generator step by step.
Bytes verwuerfelt(uint32_t nummer, const Bytes& klar)
{
    const uint32_t n = uint32_t(klar.size());
    uint32_t s = 0x6D2B79F5u ^ (nummer * 0x9E3779B9u) ^ (n * 0x85EBCA6Bu);
    if (s == 0) s = 0x6D2B79F5u;
    Bytes aus(klar);
    for (size_t i = 0; i < aus.size(); ++i) {
        if (i % 4 == 0) {
            s ^= s << 13;
            s ^= s >> 17;
            s ^= s << 5;
        }
        aus[i] ^= uint8_t(s >> (8 * (i % 4)));
    }
    return aus;
}

// Builds a file of these blocks and checks each stored block against the generator and its
// checksum; a load takes the keystream off again.
void bloecke_pruefen(const Disk_Bereiche& bereiche)
{
    const Bytes datei_bytes = Disk_Spielstand_Bauen("2.01", bereiche);
    ASSERT_FALSE(datei_bytes.empty());

    size_t pos = 26;
    uint32_t nummer = 0;
    for (const Disk_Bereich& bereich : bereiche) {
        ASSERT_LE(pos + 4, datei_bytes.size());
        pos += 4;
        for (const Bytes& klar : bereich) {
            const Bytes erwartet = verwuerfelt(nummer++, klar);
            ASSERT_LE(pos + 8 + klar.size(), datei_bytes.size());
            EXPECT_EQ(Bytes(datei_bytes.begin() + long(pos + 4), datei_bytes.begin() + long(pos + 4 + klar.size())),
                      erwartet)
                << klar.size() << " bytes";
            const uint32_t crc = crc32_bitweise(klar.data(), klar.size());
            EXPECT_EQ(Disk_LE32_Lesen(datei_bytes.data() + pos + 4 + klar.size()), crc) << klar.size() << " bytes";
            pos += 8 + klar.size();
        }
    }
    EXPECT_EQ(pos, datei_bytes.size());

    std::string version;
    Disk_Bereiche zurueck;
    ASSERT_TRUE(Disk_Spielstand_Zerlegen(datei_bytes.data(), datei_bytes.size(), &version, &zurueck));
    EXPECT_EQ(zurueck, bereiche);
}

TEST_F(Disk, BlocksOfEveryLengthAreScrambledAsTheyAlwaysWere)
{
    // Every length up to where long blocks change their way of making the keystream and some
    // beyond, the lengths around each batch of it, and long ones with every remainder.
    std::vector<size_t> laengen;
    for (size_t n = 0; n <= 700; ++n) laengen.push_back(n);
    for (size_t n : {4095, 4096, 4097, 4607, 4608, 4609, 4611, 8703, 8704, 8705, 70001, 200000, 200003})
        laengen.push_back(n);
    // where the keystream turns to its far relation (word 552), and the batches after the first
    for (size_t n : {2207, 2208, 2209, 2213, 2224, 18591, 18592, 18593, 18595, 34975, 34976, 34977, 34990})
        laengen.push_back(n);
    Disk_Bereiche bereiche;
    uint8_t start = 3;
    for (size_t n : laengen) bereiche[DISK_POS_SPIELE - 1].push_back(muster(n, start += 11));
    bereiche[DISK_POS_STATISTIK - 1].push_back(muster(5000, 1));
    bloecke_pruefen(bereiche);
    // the same on the path of a processor without carry-less multiplication
    Disk_Set_Falten(false);
    bloecke_pruefen(bereiche);
    Disk_Set_Falten(true);
}

TEST_F(Disk, LongBlocksSavedAgainAreScrambledAsTheFirstTime)
{
    // The same long blocks with other contents, other lengths at the same places and the same
    // lengths at other places, each file built more than once.
    Disk_Bereiche a, b;
    uint8_t start = 5;
    for (size_t n : {5000, 9000, 5000, 4096}) a[DISK_POS_SPIELE - 1].push_back(muster(n, start += 13));
    for (size_t n : {9000, 5000, 5001, 4096}) b[DISK_POS_SPIELE - 1].push_back(muster(n, start += 13));
    for (const Disk_Bereiche* bereiche : {&a, &b, &a, &b}) bloecke_pruefen(*bereiche);
}

TEST_F(Disk, BrokenSavegamesAreRefusedBeforeAnyModuleIsTouched)
{
    modul_b = muster(40, 9);  // small enough to flip every byte
    Aktueller_Tag = 77;
    ASSERT_TRUE(Disk_Spielstand_Speichern("gut"));
    const Bytes gut = lies(datei("gut"));
    const Bytes b_gut = modul_b;
    Aktueller_Tag = 5;
    aendern();
    const Bytes a_vorher = modul_a, b_vorher = modul_b, c_vorher = modul_c;

    auto abgelehnt = [&](const Bytes& b, const char* text) {
        schreib(datei("kaputt"), b);
        lesungen = 0;
        Fehler_Capture cap;
        const bool ok = Disk_Spielstand_Laden("kaputt");
        const bool unberuehrt = lesungen == 0 && modul_a == a_vorher && modul_b == b_vorher &&
                                modul_c == c_vorher && Aktueller_Tag == 5;
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
    EXPECT_TRUE(Disk_Spielstand_Laden("gut"));
    EXPECT_EQ(Aktueller_Tag, 77);
    EXPECT_EQ(modul_b, b_gut);
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
    EXPECT_TRUE(Disk_Spielstand_Abbild().empty());

    // Nor can a game that does not save be replaced by a load: there would be no way back.
    Aktueller_Tag = 9;
    lesungen = 0;
    EXPECT_FALSE(Disk_Spielstand_Laden("stand"));
    EXPECT_TRUE(cap.contains("weil sich das laufende Spiel nicht sichern lässt"));
    EXPECT_EQ(lesungen, 0);
    EXPECT_EQ(modul_a, muster(100, 50));
    EXPECT_EQ(Aktueller_Tag, 9);

    schreiben_scheitert = false;
    ASSERT_TRUE(Disk_Spielstand_Laden("stand"));
    EXPECT_EQ(modul_a, muster(100, 1));

    // A folder that does not exist cannot take the file; nothing is reported as saved.
    Disk_Set_Spielstand_Ordner((ordner + "/fehlt").c_str());
    EXPECT_FALSE(Disk_Spielstand_Speichern("stand"));
}

TEST_F(Disk, RefusedBlockGivesTheModulesReadBeforeItTheirStateBack)
{
    Aktueller_Tag = 400;
    ASSERT_TRUE(Disk_Spielstand_Speichern("anderes"));

    // The running game differs in every module; the last one will refuse the file.
    Aktueller_Tag = 12;
    Manager_Wappen[3] = 44;
    aendern();
    const Bytes vorher = Disk_Spielstand_Abbild();
    ASSERT_FALSE(vorher.empty());
    c_lehnt_ab = true;
    Fehler_Capture cap;
    EXPECT_FALSE(Disk_Spielstand_Laden("anderes"));
    EXPECT_TRUE(cap.contains("Block 29 nicht gelesen"));
    EXPECT_TRUE(cap.contains("konnte nicht vollständig geladen werden. Das laufende Spiel bleibt erhalten."));
    // Positions 2 and 8 read the file and took the image back; 29 refused the file.
    EXPECT_EQ(lesungen, 2 + 2 + 1);
    EXPECT_EQ(gelesene_version, "2.01");
    EXPECT_EQ(Aktueller_Tag, 12);
    EXPECT_EQ(Manager_Wappen[3], 44);
    c_lehnt_ab = false;
    EXPECT_EQ(Disk_Spielstand_Abbild(), vorher);

    // A save made while the file is read keeps its hands off the image of the running game.
    c_lehnt_ab = true;
    b_speichert = true;
    EXPECT_FALSE(Disk_Spielstand_Laden("anderes"));
    b_speichert = false;
    c_lehnt_ab = false;
    EXPECT_EQ(Disk_Spielstand_Abbild(), vorher);
    EXPECT_TRUE(std::filesystem::exists(datei("innen")));

    // A module that will not take its own image back is not passed over in silence.
    c_lehnt_ab = true;
    lesungen = 0;
    a_lehnt_ab_ab = 2;
    EXPECT_FALSE(Disk_Spielstand_Laden("anderes"));
    EXPECT_TRUE(cap.contains("Block 2 nicht wiederhergestellt"));
    EXPECT_TRUE(cap.contains("das laufende Spiel ließ sich nicht ganz wiederherstellen"));
}

TEST_F(Disk, ReaderExpectingAnotherLengthFailsTheLoad)
{
    ASSERT_TRUE(Disk_Spielstand_Speichern("laenge"));
    modul_a = muster(99, 5);
    Aktueller_Tag = 3;
    Fehler_Capture cap;
    EXPECT_FALSE(Disk_Spielstand_Laden("laenge"));
    EXPECT_TRUE(cap.contains("Blocklänge 100 statt 99"));
    EXPECT_TRUE(cap.contains("konnte nicht vollständig geladen werden"));
    EXPECT_EQ(modul_a, muster(99, 5));
    EXPECT_EQ(Aktueller_Tag, 3);
}

// Blocks packed in place (a short one, an empty one, a long one) are saved, loaded and taken
// back from the image of the running game exactly as copied ones.
TEST_F(Disk, BlocksPackedInPlaceAreStoredAsCopiedOnes)
{
    ASSERT_TRUE(Disk_Spielstand_Speichern("kopiert"));
    const Bytes abbild = Disk_Spielstand_Abbild();
    gefuellt = true;
    ASSERT_TRUE(Disk_Spielstand_Speichern("gefuellt"));
    ASSERT_TRUE(Disk_Spielstand_Speichern("gefuellt"));  // the long block's keystream is kept
    EXPECT_EQ(lies(datei("gefuellt")), lies(datei("kopiert")));
    EXPECT_EQ(Disk_Spielstand_Abbild(), abbild);

    const Bytes a = modul_a, b = modul_b;
    aendern();
    const Bytes a_neu = modul_a, b_neu = modul_b;
    {
        Fehler_Capture cap;
        c_lehnt_ab = true;
        EXPECT_FALSE(Disk_Spielstand_Laden("gefuellt"));
        c_lehnt_ab = false;
    }
    EXPECT_EQ(modul_a, a_neu);
    EXPECT_EQ(modul_b, b_neu);
    ASSERT_TRUE(Disk_Spielstand_Laden("gefuellt"));
    EXPECT_EQ(modul_a, a);
    EXPECT_EQ(modul_b, b);

    // A plain stream takes the bytes as they are.
    const std::string pfad = ordner + "/gefuellt.txt";
    Disk_Datei* d = Disk_Open_Schreiben(pfad.c_str());
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(Disk_Schreibe_Block_Gefuellt(d, 3, [](uint8_t* z) { std::memcpy(z, "abc", 3); }));
    EXPECT_TRUE(Disk_Schreibe_Block_Gefuellt(d, 0, [](uint8_t*) {}));
    EXPECT_TRUE(Disk_Close(d));
    EXPECT_EQ(lies(pfad), (Bytes{'a', 'b', 'c'}));
    Fehler_Capture cap;
    EXPECT_FALSE(Disk_Schreibe_Block_Gefuellt(nullptr, 1, [](uint8_t* z) { z[0] = 0; }));
    EXPECT_EQ(cap.texts.size(), 1u);
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
