// Every request of the bank and the stadium one byte short or one byte long: refused with an
// empty answer and nothing changed; the exact image is carried out, so the images are sound.
#include <cstring>
#include <vector>

#include "bank_hilfe.h"
#include "platform/bytes.h"
#include "stadion_hilfe.h"

namespace {

struct Bild {
    std::vector<uint8_t> b;
    Bild& w(int32_t x)
    {
        b.resize(b.size() + 4);
        Bytes_Setze32(b.data() + b.size() - 4, uint32_t(x));
        return *this;
    }
    Bild& f(float x)
    {
        int32_t u;
        std::memcpy(&u, &x, 4);
        return w(u);
    }
    Bild& c(uint8_t x)
    {
        b.push_back(x);
        while (b.size() % 4) b.push_back(0);
        return *this;
    }
};

// The image with its last byte cut off and with one zero byte added.
std::vector<std::vector<uint8_t>> daneben(const std::vector<uint8_t>& b)
{
    std::vector<uint8_t> kurz(b.begin(), b.end() - 1), lang = b;
    lang.push_back(0);
    return {kurz, lang};
}

}  // namespace

TEST_F(BankTest, RequestsOfTheWrongLengthChangeNothing)
{
    Bank_Konto_Einrichten(1, 1000000, 0);
    Netz_Rolle = 2;
    Handelndes_Team = 1;
    struct Fall {
        int32_t nr;
        std::vector<uint8_t> bild;
        bool aendert;
    } faelle[] = {
        {BANK_GET_DATEN_1, Bild().w(1).b, false},
        {BANK_GET_DATEN_2, Bild().w(1).c(0).b, false},
        {BANK_GET_BOERSE, Bild().w(0).w(1).b, false},
        {BANK_GET_BUCHUNG, Bild().w(1).b, false},
        {BANK_ANLAGEN_TRANSFER, Bild().f(1000).f(-1).w(-1).w(1).w(6).c(0).b, true},
        {BANK_AKTIEN_TRANSFER, Bild().w(1).w(5).w(0).w(1).b, true},
    };
    for (const Fall& f : faelle) {
        for (const auto& falsch : daneben(f.bild)) {
            const std::vector<uint8_t> vorher = Bank_Block_Bauen();
            std::vector<uint8_t> antwort = {9};
            EXPECT_EQ(Bank_Server_Anfrage(f.nr, falsch.data(), uint32_t(falsch.size()), &antwort), 0)
                << f.nr << " with " << falsch.size() << " bytes";
            EXPECT_TRUE(antwort.empty()) << f.nr;
            EXPECT_EQ(Bank_Block_Bauen(), vorher) << f.nr << " with " << falsch.size() << " bytes";
        }
        const std::vector<uint8_t> vorher = Bank_Block_Bauen();
        std::vector<uint8_t> antwort;
        const int32_t r = Bank_Server_Anfrage(f.nr, f.bild.data(), uint32_t(f.bild.size()), &antwort);
        EXPECT_TRUE(r != 0 || !antwort.empty()) << f.nr << ": the exact image is answered";
        EXPECT_EQ(Bank_Block_Bauen() != vorher, f.aendert) << f.nr;
    }
}

TEST_F(StadionTest, RequestsOfTheWrongLengthChangeNothing)
{
    Stadion_Daten* d = anlegen(3, 1, 10000);
    Stadion_Optionale_Teile_Setzen(d, true);
    d->slot[1].zustand = 0.0f;
    const float preise[6] = {10, 11, 12, 13, 14, 15};
    auto mit_preisen = [&](Bild b) {
        for (float p : preise) b.f(p);
        return b.b;
    };
    struct Fall {
        int32_t nr;
        std::vector<uint8_t> bild;
    } faelle[] = {
        {STADION_GET_LISTE, Bild().w(3).b},
        {STADION_TOP_SETZEN, mit_preisen(Bild().w(3).w(1).w(0).w(20).w(6))},
        {STADION_PREISE_SETZEN, mit_preisen(Bild().w(3))},
        {STADION_BAUEN, Bild().f(1).w(3).w(0).w(1).w(2).w(12000).b},
        {STADION_RENOVIEREN, Bild().f(1).w(3).w(1).b},
    };
    for (const Fall& f : faelle) {
        for (const auto& falsch : daneben(f.bild)) {
            const std::vector<uint8_t> vorher = Stadion_Bild_Schreiben(*d);
            const size_t gebucht = Test_Buchungen.size();
            std::vector<uint8_t> antwort = {9};
            EXPECT_EQ(Stadion_Server_Anfrage(f.nr, falsch.data(), uint32_t(falsch.size()), &antwort), 0)
                << f.nr << " with " << falsch.size() << " bytes";
            EXPECT_TRUE(antwort.empty()) << f.nr;
            EXPECT_EQ(Stadion_Bild_Schreiben(*d), vorher) << f.nr;
            EXPECT_EQ(Test_Buchungen.size(), gebucht) << f.nr << ": nothing booked";
        }
        std::vector<uint8_t> antwort;
        EXPECT_EQ(Stadion_Server_Anfrage(f.nr, f.bild.data(), uint32_t(f.bild.size()), &antwort), 1) << f.nr;
    }
    EXPECT_EQ(Test_Buchungen.size(), 2u) << "the exact build and renovation were booked";
}
