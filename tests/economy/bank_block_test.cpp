// The bank block, the credit screens' block and the request images.
#include <cstring>
#include <string>
#include <vector>

#include "bank_hilfe.h"
#include "economy/bank_welt.h"
#include "common/spielstand_ordner.h"
#include "platform/bytes.h"
#include "platform/disk.h"
#include "platform/liste.h"

namespace {

// A bank with something in every part of its block.
void fuellen()
{
    Bank_Konto_Einrichten(3, 2000000, 0);
    Bank_Konto_Einrichten(8, 500000, 1);
    Bank_Set_Kreditlinie(3, 1000000.0f, 0);
    Schreibe_Überweisung(3, 8, 1234.0f, 31, 1, -1);
    Schreibe_Überweisung(-1, 3, 999.0f, 36, 1, -1);
    Bank_Betrag_Anlegen(-1, 3, 50000.0f, 6, 0, -1.0f);
    Bank_Betrag_Anlegen(3, -1, 20000.0f, 12, 1, -1.0f);
    Bank_Aktien_Handel(3, 7, 0, 4);
    Bank_Aktien_Handel(3, 2, 2, 1);
    for (int i = 0; i < 3; ++i) Bank_Boerse_Tag();
    Bank_Boerse[2].team[1] = 17;
    Bank_Zufall_Zwischen(0, 1000);
}

}  // namespace

TEST_F(BankTest, BlockRoundTripsByteForByteAndGoesOnAlike)
{
    fuellen();
    const std::vector<uint8_t> bild = Bank_Block_Bauen();
    EXPECT_EQ(bild.size(),
              5u + 4192 + 3 * 2212 + 12 + 2 * (28 + 6024) + 4 + 2 * (28 + 16) + 4 + 2 * (28 + 20) + 4 + BANK_WELT_BYTES);
    EXPECT_EQ(std::memcmp(bild.data() + 5, "Bank", 4), 0);
    EXPECT_EQ(Bytes_Hole32(bild.data() + 5 + 124 + 4 * 3), uint32_t(stand(3)));
    EXPECT_EQ(Bytes_Hole16(bild.data() + 5 + 4192 + 2 * 2212 + 408 + 2), 17);
    const int32_t weiter = Bank_Zufall_Zwischen(0, 1000000);
    Bank_Init();
    ASSERT_TRUE(Bank_Block_Lesen(bild.data(), uint32_t(bild.size()), "2.01"));
    EXPECT_EQ(Bank_Block_Bauen(), bild);
    EXPECT_EQ(Bank_Zufall_Zwischen(0, 1000000), weiter);
    EXPECT_EQ(Bank_Get_Konto(8)->waehrung, 1);
    void* c = nullptr;
    EXPECT_NE(Bank_Naechster_Aktienbesitz(3, &c, 2, 1), nullptr);
}

TEST_F(BankTest, OlderLayoutConvertsFirmNamesAndTeams)
{
    fuellen();
    std::vector<uint8_t> bild = Bank_Block_Bauen();
    // rebuild the third exchange in the older layout: 30-byte names, byte teams at +421
    uint8_t* b = bild.data() + 5 + 4192 + 2 * 2212;
    uint8_t alt[2212];
    std::memcpy(alt, b, sizeof alt);
    std::memset(alt + 31, 0, 434 - 31);
    for (int i = 0; i < 13; ++i) {
        std::snprintf(reinterpret_cast<char*>(alt + 31 + 30 * i), 30, "Altverein %d", i);
        alt[421 + i] = uint8_t(i == 0 ? 0xFF : 20 + i);
    }
    std::memcpy(b, alt, sizeof alt);
    ASSERT_TRUE(Bank_Block_Lesen(bild.data(), uint32_t(bild.size()), "2.00"));
    EXPECT_STREQ(Bank_Boerse[2].firma[5], "Altverein 5");
    EXPECT_EQ(Bank_Boerse[2].team[0], -1);
    EXPECT_EQ(Bank_Boerse[2].team[12], 32);
}

// A firm's name in a savegame is text from outside: the exchange pages draw it as the characters
// it holds.
TEST_F(BankTest, FirmNamesFromASavegameArePlainText)
{
    fuellen();
    std::vector<uint8_t> bild = Bank_Block_Bauen();
    uint8_t* firma = bild.data() + 5 + 4192 + 31 + 29 * 3;
    std::memset(firma, '^', 29);
    std::memcpy(firma, "^c00031Firma\x07\x1b[2J", 18);
    ASSERT_TRUE(Bank_Block_Lesen(bild.data(), uint32_t(bild.size()), "2.01"));
    EXPECT_STREQ(Bank_Boerse[0].firma[3], "\x88" "c00031Firma  [2J");
}

TEST_F(BankTest, DamagedBlocksAreRefusedWithTheGameUntouched)
{
    fuellen();
    const std::vector<uint8_t> gut = Bank_Block_Bauen();
    Schreibe_Überweisung(-1, 3, 5.0f, 36, 1, -1);
    const std::vector<uint8_t> jetzt = Bank_Block_Bauen();
    auto abgewiesen = [&](std::vector<uint8_t> b, const char* was) {
        EXPECT_FALSE(Bank_Block_Lesen(b.data(), uint32_t(b.size()), "2.01")) << was;
        EXPECT_EQ(Bank_Block_Bauen(), jetzt) << was;
    };
    for (size_t n : {size_t(0), size_t(100), size_t(4197), gut.size() - 1, gut.size() - 30})
        abgewiesen(std::vector<uint8_t>(gut.begin(), gut.begin() + long(n)), "gekürzt");
    std::vector<uint8_t> b = gut;
    b[5] ^= 1;
    abgewiesen(b, "Kennung");
    b = gut;
    Bytes_Setze32(b.data() + 5 + 124 + 8, 0x7FFFFFFF);
    abgewiesen(b, "Kontostand");
    b = gut;
    b.push_back(0);
    abgewiesen(b, "Überhang");
    const size_t listen = 5 + 4192 + 3 * 2212 + 12;
    b = gut;
    Bytes_Setze32(b.data() + listen + 4 + 16, 6024 + 24 + 1000);  // element size inflated
    abgewiesen(b, "Größe");
    b = gut;
    Bytes_Setze32(b.data() + listen + 4 + 12, 1000);  // team out of range
    abgewiesen(b, "Team");
    b = gut;
    Bytes_Setze32(b.data() + listen + 4 + 24 + 6000, 500);  // ring index
    abgewiesen(b, "Ring");
    b = gut;
    const size_t besitz = listen + 2 * (28 + 6024) + 4;
    Bytes_Setze32(b.data() + besitz + 28 + 4, 13);  // firm
    abgewiesen(b, "Firma");
    b = gut;
    b[5 + 4192 + 2212 + 30] = 7;  // exchange number
    abgewiesen(b, "Börse");
}

TEST_F(BankTest, SavegameCarriesBothBlocks)
{
    Test_Spielstand_Ordner ordner;
    ordner.anlegen("bank", true);
    Bank_Module_Registrieren();
    fuellen();
    std::vector<uint8_t> kredit(BANK_KREDIT_BLOCK_BYTES);
    for (size_t i = 0; i < kredit.size(); ++i) kredit[i] = uint8_t(i * 7);
    ASSERT_TRUE(Bank_Kredit_Block_Lesen(kredit.data(), uint32_t(kredit.size())));
    EXPECT_FALSE(Bank_Kredit_Block_Lesen(kredit.data(), 367));
    const std::vector<uint8_t> bild = Bank_Block_Bauen();
    ASSERT_TRUE(Disk_Spielstand_Speichern("bank_test"));
    Bank_Init();
    std::vector<uint8_t> leer(BANK_KREDIT_BLOCK_BYTES, 0);
    Bank_Kredit_Block_Lesen(leer.data(), uint32_t(leer.size()));
    ASSERT_TRUE(Disk_Spielstand_Laden("bank_test"));
    EXPECT_EQ(Bank_Block_Bauen(), bild);
    EXPECT_EQ(Bank_Kredit_Block_Bauen(), kredit);
    ordner.entfernen();
}

TEST_F(BankTest, ForgedRequestsChangeNothing)
{
    Bank_Konto_Einrichten(1, 1000000, 0);
    Bank_Konto_Einrichten(2, 1000000, 0);
    Netz_Rolle = 2;
    Handelndes_Team = 1;
    const std::vector<uint8_t> vorher = Bank_Block_Bauen();
    auto anfrage = [](int32_t code, std::vector<int32_t> worte) {
        std::vector<uint8_t> b(worte.size() * 4), antwort;
        for (size_t i = 0; i < worte.size(); ++i) Bytes_Setze32(b.data() + 4 * i, uint32_t(worte[i]));
        return Bank_Server_Anfrage(code, b.data(), uint32_t(b.size()), &antwort);
    };
    auto f = [](float x) {
        int32_t w;
        std::memcpy(&w, &x, 4);
        return w;
    };
    // a credit from another club, to another club, a deposit of another, bad terms and amounts
    EXPECT_EQ(anfrage(BANK_ANLAGEN_TRANSFER, {f(1000), f(-1), 2, 1, 6, 0}), 0);
    EXPECT_EQ(anfrage(BANK_ANLAGEN_TRANSFER, {f(1000), f(-1), -1, 2, 6, 0}), 0);
    EXPECT_EQ(anfrage(BANK_ANLAGEN_TRANSFER, {f(1000), f(-1), 2, -1, 6, 1}), 0);
    EXPECT_EQ(anfrage(BANK_ANLAGEN_TRANSFER, {f(1000), f(-1), -1, 1, 49, 0}), 0);
    EXPECT_EQ(anfrage(BANK_ANLAGEN_TRANSFER, {f(-1000), f(-1), -1, 1, 6, 0}), 0);
    EXPECT_EQ(anfrage(BANK_ANLAGEN_TRANSFER, {0x7FC00000, f(-1), -1, 1, 6, 0}), 0);
    EXPECT_EQ(anfrage(BANK_ANLAGEN_TRANSFER, {f(1000), f(-1), -1, 1, 6}), 0);  // short
    // shares of another club, beyond the limit, a bad exchange
    EXPECT_EQ(anfrage(BANK_AKTIEN_TRANSFER, {2, 5, 0, 1}), 0);
    EXPECT_EQ(anfrage(BANK_AKTIEN_TRANSFER, {1, 10001, 0, 1}), 0);
    EXPECT_EQ(anfrage(BANK_AKTIEN_TRANSFER, {1, 1001, 2, 1}), 0);
    EXPECT_EQ(anfrage(BANK_AKTIEN_TRANSFER, {1, 5, 3, 1}), 0);
    EXPECT_EQ(anfrage(BANK_GET_BUCHUNG, {2}), 0);
    EXPECT_EQ(Bank_Block_Bauen(), vorher);
    // the caller's own requests go through, silently
    EXPECT_EQ(anfrage(BANK_ANLAGEN_TRANSFER, {f(1000), f(-1), -1, 1, 6, 0}), 1);
    EXPECT_EQ(anfrage(BANK_AKTIEN_TRANSFER, {1, 5, 0, 1}), 1);
    EXPECT_TRUE(meldungen.empty());
    EXPECT_EQ(stand(2), 1000000);
}

TEST_F(BankTest, RequestImagesCarryTheirFields)
{
    Bank_Konto_Einrichten(4, 777, 0);
    Schreibe_Überweisung(-1, 4, 55.0f, 36, 1, -1);
    Bank_Boerse[2].team[3] = 12;
    Netz_Rolle = 2;
    Handelndes_Team = 4;
    uint8_t anfrage[8];
    Bytes_Setze32(anfrage, 4);
    std::vector<uint8_t> antwort;
    EXPECT_EQ(Bank_Server_Anfrage(BANK_GET_DATEN_1, anfrage, 4, &antwort), 4);  // an empty holdings list
    ASSERT_EQ(antwort.size(), 4u + 4 + 12 + 28 + 28 + 12 + 4 + 52);
    EXPECT_EQ(Bytes_Hole32(antwort.data() + 4), LISTE_MARKE_ENDE);
    EXPECT_EQ(Bytes_Hole32(antwort.data() + 8 + 12 + 56 + 12), 832u);
    EXPECT_EQ(Bytes_Hole32(antwort.data() + 8 + 12 + 56 + 16 + 12), 12u);
    EXPECT_EQ(Bank_Server_Anfrage(BANK_GET_BUCHUNG, anfrage, 4, &antwort), 1);
    ASSERT_EQ(antwort.size(), 6004u);
    EXPECT_EQ(antwort[8], 36 | 0x80);
    Bytes_Setze32(anfrage, 1);
    Bytes_Setze32(anfrage + 4, 4);
    EXPECT_EQ(Bank_Server_Anfrage(BANK_GET_BOERSE, anfrage, 8, &antwort), 1);
    EXPECT_EQ(antwort.size(), 52u + 1560u);
}
