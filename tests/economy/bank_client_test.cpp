// A network client's copy of its club's bank, fetched from a server whose bank is a separate
// image: what the client's money pages read matches what the server holds.
#include "bank_hilfe.h"
#include "economy/bank_intern.h"
#include "platform/bytes.h"

#include <cstring>

namespace {

constexpr int32_t CLUB = 3;

struct BankClient : BankTest {
    static inline std::vector<uint8_t> server;
    static inline int32_t anfragen = 0;
    // Serves one request from the server's image; the client's own image is put back after.
    static int32_t ueber_server(int32_t anfrage, std::vector<uint8_t>* block)
    {
        ++anfragen;
        const std::vector<uint8_t> client = Bank_Block_Bauen();
        Netz_Rolle = 2;
        EXPECT_TRUE(Bank_Block_Lesen(server.data(), uint32_t(server.size()), "2.01"));
        std::vector<uint8_t> antwort;
        const int32_t r = Bank_Server_Anfrage(anfrage, block->data(), uint32_t(block->size()), &antwort);
        server = Bank_Block_Bauen();
        EXPECT_TRUE(Bank_Block_Lesen(client.data(), uint32_t(client.size()), "2.01"));
        Netz_Rolle = 1;
        *block = antwort;
        return r;
    }
    Bank_Konto* k = nullptr;
    int32_t start = 0;
    // The server: the club with money, a limit, a taxable profit, bookings, a deposit and a
    // credit, and exchanges that have moved for some days.
    void SetUp() override
    {
        BankTest::SetUp();
        Aktueller_Tag = 400;
        start = Kalender_Get_Saisonstart();
        Netz_Rolle = 2;
        ASSERT_TRUE(Bank_Konto_Einrichten(CLUB, 2000000, 0));
        Bank_Set_Kreditlinie(CLUB, 1000000.0f, 0);
        k = Bank_Get_Konto(CLUB);
        k->steuergewinn = 456789;
        k->letzte_steuer = 12345;
        k->buchung[0] = Buchung{4339, uint32_t(start + 2), 0x80 | 20, {}};
        k->buchung[1] = Buchung{-70000, uint32_t(start + 3), 26, {}};
        k->index = 2;
        ASSERT_TRUE(Bank_Anlage_Einfuegen(CLUB, Bank_Anlage{10700, 10000, uint32_t(start + 70), uint32_t(start), 5.0f}));
        ASSERT_TRUE(Bank_Anlage_Einfuegen(CLUB, Bank_Anlage{-214000, -200000, uint32_t(start + 700), uint32_t(start), 8.0f}));
        for (int32_t t = 0; t < 5; ++t) Bank_Boerse_Tag();
        server = Bank_Block_Bauen();
        // The client: a bank started afresh that knows nothing of the club.
        Bank_DeInit();
        Bank_Init();
        Netz_Rolle = 1;
        Aktuelles_Team = CLUB;
        Handelndes_Team = CLUB;
        anfragen = 0;
        Bank_Set_Fernaufruf(ueber_server);
    }
    // A figure of the server's bank.
    template <typename F>
    static auto beim_server(F f)
    {
        const std::vector<uint8_t> client = Bank_Block_Bauen();
        Netz_Rolle = 2;
        EXPECT_TRUE(Bank_Block_Lesen(server.data(), uint32_t(server.size()), "2.01"));
        const auto wert = f();
        EXPECT_TRUE(Bank_Block_Lesen(client.data(), uint32_t(client.size()), "2.01"));
        Netz_Rolle = 1;
        return wert;
    }
};

TEST_F(BankClient, TheRefreshGivesTheClubAnAccountWithTheServersLimitProfitCreditsAndBookings)
{
    ASSERT_EQ(Bank_Get_Konto(CLUB), nullptr);
    Bank_Client_Refresh(CLUB);
    ASSERT_NE(Bank_Get_Konto(CLUB), nullptr);
    EXPECT_EQ(Bank_Get_Kontostand(CLUB, 0, -1), beim_server([] { return Bank_Get_Kontostand(CLUB, 0, -1); }));
    EXPECT_FLOAT_EQ(Bank_Get_Kreditlinie(CLUB, -1), 1000000.0f);
    EXPECT_EQ(Bank_Get_Steuergewinn(CLUB), 456789);
    EXPECT_EQ(Bank_Get_Konto(CLUB)->letzte_steuer, 12345);
    int32_t n = 0;
    void* cursor = nullptr;
    while (Bank_Naechste_Anlage(CLUB, &cursor)) ++n;
    EXPECT_EQ(n, 2);
    // the finance page fetches the ring into that account
    Bank_Client_Buchungen_Holen(CLUB);
    const uint32_t ring_index = beim_server([] { return Bank_Get_Konto(CLUB)->index; });
    const Bank_Konto* c = Bank_Get_Konto(CLUB);
    EXPECT_EQ(c->buchung[0].betrag, 4339);
    EXPECT_EQ(c->buchung[1].kategorie, 26);
    EXPECT_EQ(c->index, ring_index);
    // a second refresh keeps the one account and fetches its figures again
    const int32_t vorher = anfragen;
    Bank_Client_Refresh(CLUB);
    EXPECT_EQ(Liste_Count(&Bank.konten), 1);
    EXPECT_EQ(anfragen, vorher + 2);
}

TEST_F(BankClient, NoAccountIsMadeForAClubNotTheCallersOrOffTheNetwork)
{
    Bank_Client_Refresh(CLUB + 1);
    EXPECT_EQ(Bank_Get_Konto(CLUB + 1), nullptr);
    Netz_Rolle = 2;
    Bank_Client_Refresh(CLUB);
    EXPECT_EQ(Bank_Get_Konto(CLUB), nullptr);
    EXPECT_EQ(anfragen, 1);  // only the other club's rates were asked for
}

TEST_F(BankClient, TheBanksForecastsOnTheClientAreTheServers)
{
    // a week of interest on the deposit and the credit, and of the overdraft within the limit
    Bank_Client_Refresh(CLUB);
    for (int32_t kategorie : {2, 20, 21, 45}) {
        const float dort = beim_server([&] { return Bank_Prognose_Bank(CLUB, kategorie); });
        EXPECT_FLOAT_EQ(Bank_Prognose_Bank(CLUB, kategorie), dort) << kategorie;
    }
    Bank.kontostand[CLUB] = -1500000;
    const float hier = Bank_Prognose_Bank(CLUB, 21);
    const float dort = beim_server([&] {
        Bank.kontostand[CLUB] = -1500000;
        return Bank_Prognose_Bank(CLUB, 21);
    });
    EXPECT_FLOAT_EQ(hier, dort);
}

TEST_F(BankClient, AFetchedExchangeShowsTheServersIndex)
{
    for (int32_t e = 0; e < BANK_BOERSEN; ++e) {
        const int32_t dort = beim_server([&] { return Bank_Boerse[e].index; });
        ASSERT_GT(dort, 0);
        Bank_Client_Boerse_Holen(CLUB, e);
        EXPECT_EQ(Bank_Boerse[e].index, dort) << e;
    }
    // the day's index: today's prices of firms 1-12, each added as a whole number, weighted
    // 4.5, 10 and 1.25 by exchange
    const int32_t gewicht[BANK_BOERSEN] = {450, 1000, 125};
    for (int32_t e = 0; e < BANK_BOERSEN; ++e) {
        int64_t summe = 0;
        for (int32_t i = 1; i < BANK_FIRMEN; ++i) summe = int64_t(double(summe) + double(Bank_Boerse[e].kurs[i]));
        EXPECT_EQ(Bank_Boerse[e].index, summe * gewicht[e] / 100) << e;
    }
    // a reply with prices no day gives leaves a number, not an overflow
    for (auto& v : Bank_Boerse[1].verlauf) v[29] = 3.0e38f;
    EXPECT_EQ(Bank_Boerse_Index(1), 2000000000);
}

// A currency factor of zero or below, which no server holds and by which amounts are divided,
// makes the reply none: the client keeps its factors and rates. A factor above zero is taken.
TEST_F(BankClient, AReplyWithAFactorOfZeroOrBelowChangesNothing)
{
    static float faktor = 0;
    Bank_Set_Fernaufruf([](int32_t anfrage, std::vector<uint8_t>* block) {
        const int32_t r = ueber_server(anfrage, block);
        // behind the holdings' list: the factors of the three currencies
        if (anfrage == BANK_GET_DATEN_1 && block->size() >= 4 && block->size() >= 4 + Bytes_Hole32(block->data()) + 12)
            std::memcpy(block->data() + 4 + Bytes_Hole32(block->data()) + 4, &faktor, 4);
        return r;
    });
    Bank_Giro_Zins = 1.0f;
    for (float f : {0.0f, -182.0f}) {
        faktor = f;
        Bank_Client_Kurse_Holen(CLUB);
        EXPECT_EQ(Bank_Waehrungsfaktor[1], 182.0f) << f;
        EXPECT_EQ(Bank_Giro_Zins, 1.0f) << f;
    }
    faktor = 200.0f;
    Bank_Client_Kurse_Holen(CLUB);
    EXPECT_EQ(Bank_Waehrungsfaktor[1], 200.0f);
    EXPECT_EQ(Bank_Giro_Zins, beim_server([] { return Bank_Giro_Zins; }));
}

}  // namespace
