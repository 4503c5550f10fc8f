// The database's requests that change the world, one byte short or long: refused before any
// handler runs, the club's records as they were; the exact request is taken.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "database/db_hilfe.h"
#include "gameflow/eingang.h"
#include "network/internet_read.h"
#include "network/netzuser.h"
#include "platform/bytes.h"

namespace {

std::vector<uint8_t> antwort;
int fangen(Mitspieler_Eintrag*, const uint8_t* d, uint32_t n)
{
    antwort.assign(d, d + n);
    return 1;
}

// A request block that fits the format: slots of 1 and the data of every field that travels.
std::vector<uint8_t> block_zu(const std::string& format)
{
    std::vector<uint8_t> b(format[0] == 'v' ? 0 : 4);
    for (size_t i = 1; i < format.size();) {
        const char c = format[i++];
        b.insert(b.end(), {1, 0, 0, 0});
        if (c == 'c' || c == 'w' || c == 'i' || c == 'f') continue;
        bool zurueck = false;
        for (; format[i] == '<' || format[i] == '=' || format[i] == '>'; ++i) zurueck = zurueck || format[i] == '<';
        size_t n = 0;
        for (; i < format.size() && std::isdigit(static_cast<unsigned char>(format[i])); ++i) n = n * 10 + size_t(format[i] - '0');
        if (!zurueck) b.resize(b.size() + (n + 3) / 4 * 4, 0x11);
    }
    return b;
}

struct FernLaenge : ::testing::Test {
    void SetUp() override
    {
        Test_Netz_Welt_Anlegen();
        Manager_Neuer_Mitspieler(3, "C");
        Eingang_Set_Spiel_Gestartet(true);
        for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
        Mitspieler[0].in_benutzung = 1;
        ASSERT_TRUE(Internet_Verein_Beanspruchen(&Mitspieler[0], 3));
        Internet_Set_Server_Sender(fangen);
    }
    void TearDown() override
    {
        for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
        Internet_Set_Server_Sender(nullptr);
        Eingang_Set_Spiel_Gestartet(false);
        Handelndes_Team = 0;
        Test_Welt_Aufraeumen();
    }
    static void senden(uint32_t nr, const std::string& format, const std::vector<uint8_t>& block)
    {
        std::vector<uint8_t> m(16 + format.size() + 1);
        Bytes_Setze32(m.data(), INTERNET_MARKE);
        Bytes_Setze32(m.data() + 4, nr);
        Bytes_Setze32(m.data() + 8, uint32_t(format.size() + 1));
        Bytes_Setze32(m.data() + 12, 3);
        std::memcpy(m.data() + 16, format.c_str(), format.size() + 1);
        m.insert(m.end(), block.begin(), block.end());
        Internet_Server_Antwort(&Mitspieler[0], m.data(), uint32_t(m.size()));
    }
    // The club's records as the server keeps them.
    static std::vector<uint8_t> stand()
    {
        std::vector<uint8_t> v(reinterpret_cast<const uint8_t*>(&T_Own[3]),
                               reinterpret_cast<const uint8_t*>(&T_Own[3]) + sizeof(Team_Own));
        std::vector<uint8_t> m;
        Manager_Internet_Bloecke_Packen(3, true, &m);
        v.insert(v.end(), m.begin(), m.end());
        return v;
    }
};

void feld(std::vector<uint8_t>* b, const uint8_t* daten, size_t n)
{
    b->insert(b->end(), {1, 0, 0, 0});
    b->insert(b->end(), daten, daten + n);
    b->resize(b->size() + (4 - n % 4) % 4);
}

}  // namespace

TEST_F(FernLaenge, ChangingRequestsOfTheWrongLengthChangeNothing)
{
    // 15: the own team record back, with a watched player the server has not seen.
    Aktuelles_Team = 3;
    T_Own[3].beobachtet[0] = 9;
    std::vector<uint8_t> own, t2;
    ASSERT_TRUE(Team_Internet_Client_Send_Own_Packen(&own, &t2));
    T_Own[3].beobachtet[0] = -1;
    std::vector<uint8_t> b15;
    feld(&b15, own.data(), own.size());
    feld(&b15, t2.data(), 2);
    // 33: the manager blocks back, with the agency of the second advertising task changed.
    std::vector<uint8_t> bloecke;
    ASSERT_TRUE(Manager_Internet_Bloecke_Packen(3, false, &bloecke));
    std::vector<uint8_t> b33;
    std::string f33 = "v";
    size_t o = 0;
    for (int i = 0; i < MANAGER_NETZ_BLOECKE; ++i) {
        if (i == 1) continue;
        const uint32_t n = Manager_Netz_Bloecke[i].bytes;
        f33 += "V>" + std::to_string(n);
        feld(&b33, bloecke.data() + o, n);
        o += n;
    }
    b33[4 + 1728 + 4 + 437] = 4;

    const struct {
        uint32_t nr;
        std::string format;
        std::vector<uint8_t> block;
    } faelle[] = {{15, "vV>776V>2", b15}, {33, f33, b33}};
    for (const auto& f : faelle) {
        auto kurz = f.block, lang = f.block;
        kurz.pop_back();
        lang.push_back(0);
        for (const auto& falsch : {kurz, lang}) {
            const auto vorher = stand();
            senden(f.nr, f.format, falsch);
            EXPECT_EQ(stand(), vorher) << f.nr << " with " << falsch.size() << " bytes";
        }
        const auto vorher = stand();
        senden(f.nr, f.format, f.block);
        EXPECT_NE(stand(), vorher) << f.nr << ": the exact request is taken";
    }
    EXPECT_EQ(T_Own[3].beobachtet[0], 9);
    EXPECT_EQ(T_Fix[3].manager->werbung[437], 4);
}

// Every database request, one byte short or long, is refused before its handler: the answer
// carries no block. The exact request is laid out and answered with one.
TEST_F(FernLaenge, EveryDatabaseRequestOfTheWrongLengthIsRefusedWhole)
{
    const std::pair<uint32_t, std::string> faelle[] = {
        {0, "iV<=0iiii"}, {2, "vI4"}, {3, "vW<=0"}, {11, "vV<128"}, {12, "vW2V<776"}, {13, "vV<26"},
        {14, "vV<128"}, {15, "vV>776V>2"}, {16, "vI4I4I4W2W2"}, {17, "vC<46I<4"},
        {30, "vV<1728V<1600V<456V<1320V<56V<3"}, {31, "vI4I4"}, {32, "vC<1"},
        {33, "vV>1728V>456V>1320V>56V>3"}, {50, "vV<=0"}, {51, "vV28"}, {52, "iC8ii"},
    };
    for (const auto& [nr, format] : faelle) {
        const auto gut = block_zu(format);
        auto kurz = gut, lang = gut;
        kurz.pop_back();
        lang.push_back(0);
        for (const auto& falsch : {kurz, lang}) {
            senden(nr, format, falsch);
            EXPECT_EQ(antwort.size(), 12 + format.size() + 1) << nr << " with " << falsch.size() << " bytes";
        }
        senden(nr, format, gut);
        EXPECT_GT(antwort.size(), 12 + format.size() + 1) << nr;
    }
}
