#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "platform/disk.h"
#include "platform/sortiere.h"
#include "platform/string_util.h"
#include "platform/wert.h"
#include "platform/zufall.h"

TEST(Util, NumberRoutines)
{
    EXPECT_EQ(Wert_Im_Bereich(150, 0, 100, -1), 100);
    EXPECT_EQ(Wert_Im_Bereich(-5, 0, 100, -1), 0);
    EXPECT_EQ(Wert_Im_Bereich(150, 0, 100, 50), 50);
    EXPECT_EQ(Wert_Im_Bereich(100, 0, 100, 50), 100);
    EXPECT_EQ(Float_Runden(2.5f), 3);
    EXPECT_EQ(Float_Runden(-2.5f), -3);
    EXPECT_EQ(Float_Runden(0.0f), 0);
    EXPECT_EQ(Float_Runden(1e20f), INT32_MAX);
    EXPECT_EQ(Abs_Diff(-3, 4), 7);
    EXPECT_EQ(Potenz(3, 0), 1);
    EXPECT_EQ(Potenz(-2, 5), -32);
    EXPECT_EQ(Hypotenuse_Int(3, -4), 5);

    // A ball lying still is met where it lies.
    int32_t x = 0, y = 0;
    EXPECT_EQ(Geometrie_Treffpunkt(0, 0, 5, 30, 40, 90, 90, 0, 50, 25, -1, 1, &x, &y, 100, 100,
                                   1, 1, 0),
              50);
    EXPECT_EQ(x, 30);
    EXPECT_EQ(y, 40);
    // A slow ball along the x axis: the fast runner beside the way reaches it, on the pitch.
    int32_t r = Geometrie_Treffpunkt(50, 10, 10, 0, 0, 100, 0, 1, 50, 25, -1, 1, &x, &y, 100,
                                     100, 1, 1, 0);
    ASSERT_NE(r, -1);
    EXPECT_TRUE(x >= 0 && x <= 100 && y == 0);
    EXPECT_LE(r, 60);
    // Out of reach: a slow runner far away from a fast ball.
    EXPECT_EQ(Geometrie_Treffpunkt(0, 100, 1, 0, 0, 100, 0, 50, 50, 25, -1, 1, &x, &y, 100, 100,
                                   1, 1, 0),
              -1);
}

TEST(Util, SortingAndShuffles)
{
    int32_t keys[3] = {3, 9, 1}, werte[3] = {30, 90, 10};
    Sortiere_Int(werte, keys, 3, true);
    EXPECT_EQ(std::vector<int32_t>(keys, keys + 3), (std::vector<int32_t>{9, 3, 1}));
    EXPECT_EQ(std::vector<int32_t>(werte, werte + 3), (std::vector<int32_t>{90, 30, 10}));

    // Random keys with many duplicates: ordered, and every value still beside its key.
    Zufall_Set_Seed(42);
    for (int durchlauf = 0; durchlauf < 50; ++durchlauf) {
        int32_t n = Zufall(0, 200);
        std::vector<uint32_t> k(size_t(n) + 1);
        std::vector<int32_t> w(size_t(n) + 1);
        for (int32_t i = 0; i < n; ++i) {
            k[i] = uint32_t(Zufall(0, 20)) * 0x10000000u;  // above 2^31 for unsigned order
            w[i] = int32_t(k[i] >> 28) * 1000 + i;
        }
        bool ab = durchlauf % 2;
        Sortiere_Uint(w.data(), k.data(), n, ab);
        for (int32_t i = 0; i + 1 < n; ++i) ASSERT_TRUE(ab ? k[i] >= k[i + 1] : k[i] <= k[i + 1]);
        std::vector<int32_t> idx;
        for (int32_t i = 0; i < n; ++i) {
            ASSERT_EQ(uint32_t(w[i] / 1000), k[i] >> 28);
            idx.push_back(w[i] % 1000);
        }
        std::sort(idx.begin(), idx.end());
        for (int32_t i = 0; i < n; ++i) ASSERT_EQ(idx[i], i);
    }

    // Shuffles are permutations with one draw per position.
    std::vector<int32_t> a(37);
    std::iota(a.begin(), a.end(), 0);
    Zufall_Set_Seed(1);
    Mischen_Dword(a.data(), 37);
    int32_t nach_dword = Zufall_Get_Seed();
    Zufall_Set_Seed(1);
    for (int i = 0; i < 37; ++i) Zufall(0, 36);
    EXPECT_EQ(Zufall_Get_Seed(), nach_dword);
    EXPECT_FALSE(std::is_sorted(a.begin(), a.end()));
    std::sort(a.begin(), a.end());
    for (int i = 0; i < 37; ++i) EXPECT_EQ(a[i], i);

    std::vector<int32_t> paare = {0, 100, 1, 101, 2, 102, 3, 103, 4, 104};
    Mischen_Paare(paare.data(), 10);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(paare[2 * i + 1], paare[2 * i] + 100);

    uint8_t b[5] = {1, 2, 3, 4, 5};
    Mischen_Byte(b, 5);
    EXPECT_EQ(b[0] + b[1] + b[2] + b[3] + b[4], 15);
    int32_t eins = 7;
    int32_t s = Zufall_Get_Seed();
    Mischen_Dword(&eins, 1);
    EXPECT_EQ(eins, 7);
    EXPECT_NE(Zufall_Get_Seed(), s);
}

TEST(Util, TextRoutines)
{
    char puffer[32];
    EXPECT_STREQ(String_Cat(puffer, "ab", "cd", 1), "ab");
    EXPECT_STREQ(String_Cat(puffer, "ab", "cd", 0), "abcd");
    EXPECT_STREQ(String_Cat(nullptr, "x", "y", 0), "xy");
    EXPECT_STREQ(String_Pad("abc", 5), "  ");
    EXPECT_STREQ(String_Pad("abcdef", 5), "");

    // Ten pixels per character: cut two at a time, never before the start of the text.
    auto breite = [](const char* t) { return int32_t(std::strlen(t)) * 10; };
    char text[16] = "abcdefg";
    String_Kuerzen_Breite(text, 45, breite);
    EXPECT_STREQ(text, "abc");
    std::strcpy(text, "a");
    String_Kuerzen_Breite(text, 5, breite);
    EXPECT_STREQ(text, "");
    String_Kuerzen_Breite(text, -1, breite);
    EXPECT_STREQ(text, "");
}

// A text from outside keeps its characters but none of the renderer's codes, and never leaves
// its buffer: a field without a terminator gets one in its last byte.
TEST(Util, TextFromOutsideBecomesPlainText)
{
    char name[12] = "^gnl\x01x\x7f\xfc\xdf%s";
    EXPECT_EQ(String_Klartext(name, sizeof name), 3);
    EXPECT_STREQ(name, "\x88gnl x \xfc\xdf%s") << "umlauts and '%' stay";

    char voll[6] = {'a', '^', 'b', 'c', 'd', 'e'};
    char hinter[2] = {'^', 0};
    String_Klartext(voll, sizeof voll);
    EXPECT_STREQ(voll, "a\x88" "bcd");
    EXPECT_EQ(hinter[0], '^') << "nothing past the field";
    char leer[1] = {'^'};
    String_Klartext(leer, 1);
    EXPECT_EQ(leer[0], 0);
    EXPECT_EQ(String_Klartext(nullptr, 4), 0);
    // A text with its length: nothing stands behind its end, a reader from an offset finds no code.
    char feld[10] = {'^', 0, '^', 'b', '\x07', 0, 'c', 0, 0, 0};
    EXPECT_EQ(String_Klartext_Ganz(feld, sizeof feld), 5);
    EXPECT_EQ(std::string(feld, sizeof feld), std::string(1, '\x88') + std::string(9, '\0'));
    char offen[3] = {'a', '\x07', 'b'};
    EXPECT_EQ(String_Klartext_Ganz(offen, sizeof offen), 2);
    EXPECT_STREQ(offen, "a ");
    EXPECT_EQ(String_Klartext_Ganz(nullptr, 4), 0);

    EXPECT_EQ(String_Klartext(std::string("^c00031rot^l") + '\0' + "^x"), "\x88" "c00031rot\x88l");
}

// The savegame's checksum: the long runs are folded in 64-byte steps, the rest goes byte by
// byte; every length, start and split must give the bit-by-bit CRC-32.
TEST(Util, ChecksumOfEveryLengthStartAndSplit)
{
    const auto bitweise = [](uint32_t crc, const uint8_t* p, size_t n) {
        crc = ~crc;
        for (size_t i = 0; i < n; ++i) {
            crc ^= p[i];
            for (int b = 0; b < 8; ++b) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
        }
        return ~crc;
    };
    std::mt19937 zufall(3);
    std::vector<uint8_t> daten(1200);
    for (auto& b : daten) b = uint8_t(zufall());
    const uint8_t text[] = "123456789";
    EXPECT_EQ(Disk_Crc32(0, text, 9), 0xCBF43926u);
    for (size_t n = 0; n <= 400; ++n) {
        const size_t start = zufall() % 16;
        const uint32_t vorher = uint32_t(zufall());
        ASSERT_EQ(Disk_Crc32(vorher, daten.data() + start, n), bitweise(vorher, daten.data() + start, n)) << "Länge " << n;
        // In two parts: the first part's result carries on.
        const size_t teil = zufall() % (n + 1);
        EXPECT_EQ(Disk_Crc32(Disk_Crc32(0, daten.data(), teil), daten.data() + teil, n - teil),
                  Disk_Crc32(0, daten.data(), n));
    }
    EXPECT_EQ(Disk_Crc32(0, daten.data(), daten.size()), bitweise(0, daten.data(), daten.size()));
}
