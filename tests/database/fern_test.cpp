// The database's numbered blocks through the remote-call reader: a server with its own manager
// runs them locally, a participant only for the club it claimed.
#include <gtest/gtest.h>

#include <cstring>
#include <cstdlib>
#include <functional>
#include <vector>

#include "common/capture.h"
#include "database/db_hilfe.h"
#include "database/teamspieler.h"
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

struct Fern : ::testing::Test {
    void SetUp() override
    {
        Test_Netz_Welt_Anlegen();
        Manager_Neuer_Mitspieler(1, "A");
        Manager_Neuer_Mitspieler(2, "B");
        Netz_Rolle = 3;
        Aktuelles_Team = 1;
        Server_Team = 1;
    }
    void TearDown() override
    {
        for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
        Internet_Set_Server_Sender(nullptr);
        Eingang_Set_Spiel_Gestartet(false);
        Handelndes_Team = 0;
        Server_Team = -1;
        Test_Welt_Aufraeumen();
    }
};

TEST_F(Fern, StartinfoTeamlisteUndManagerdatenLokal)
{
    uint32_t werte[3] = {};
    uint16_t kurz[2] = {};
    Internet_Arg s[] = {Internet_Zeiger(&werte[0], 4), Internet_Zeiger(&werte[1], 4), Internet_Zeiger(&werte[2], 4),
                        Internet_Zeiger(&kurz[0], 2), Internet_Zeiger(&kurz[1], 2)};
    uint8_t fertig = 0;
    Internet_Client_Read(16, "vI4I4I4W2W2", nullptr, &fertig, s, 5);
    EXPECT_EQ(fertig, 1);
    EXPECT_EQ(werte[0], 6u);
    EXPECT_EQ(werte[1], 4u);
    EXPECT_EQ(werte[2], 4u);

    uint8_t liste[46 * 4] = {};
    int32_t anzahl = -1;
    Internet_Arg l[] = {Internet_Zeiger(liste, sizeof liste), Internet_Zeiger(&anzahl, 4)};
    Internet_Client_Read(17, "vC<184I<4", nullptr, nullptr, l, 2);
    std::vector<uint8_t> erwartet;
    Team_Internet_Server_Managerteam_Liste(&erwartet);
    EXPECT_EQ(anzahl, int32_t(erwartet.size() / 46));
    EXPECT_EQ(std::memcmp(liste, erwartet.data(), erwartet.size()), 0);

    // The six manager blocks come back as the server packs them.
    std::vector<uint8_t> bild;
    ASSERT_TRUE(Manager_Internet_Bloecke_Packen(1, true, &bild));
    std::vector<std::vector<uint8_t>> teile;
    std::vector<Internet_Arg> args;
    char format[64] = "v";
    for (const auto& b : Manager_Netz_Bloecke) {
        teile.emplace_back(b.bytes, 0xEE);
        std::snprintf(format + std::strlen(format), sizeof format - std::strlen(format), "V<%u", b.bytes);
    }
    for (auto& t : teile) args.push_back(Internet_Zeiger(t.data(), uint32_t(t.size())));
    Internet_Client_Read(30, format, nullptr, nullptr, args.data(), int32_t(args.size()));
    std::vector<uint8_t> zusammen;
    for (auto& t : teile) zusammen.insert(zusammen.end(), t.begin(), t.end());
    EXPECT_EQ(zusammen, bild);

    // The own fixed record and the manager's head number.
    uint8_t fix[TEAM_FIX_BYTES], erwartet_fix[TEAM_FIX_BYTES];
    Team_Fix_Packen(T_Fix[1], erwartet_fix);
    Internet_Arg f[] = {Internet_Zeiger(fix, sizeof fix)};
    Internet_Client_Read(11, "vV<128", nullptr, nullptr, f, 1);
    EXPECT_EQ(std::memcmp(fix, erwartet_fix, sizeof fix), 0);
    T_Fix[1].manager->kopfnr = 17;
    uint8_t kopf = 0;
    Internet_Arg k[] = {Internet_Zeiger(&kopf, 1)};
    Internet_Client_Read(32, "vC<1", nullptr, nullptr, k, 1);
    EXPECT_EQ(kopf, 17);

    EXPECT_EQ(Internet_Team_Hat_Manager(2), 1);
    EXPECT_EQ(Internet_Team_Hat_Manager(3), 0);
}

// Request 15 and 33 from a participant that claimed club 3 must not touch club 2.
TEST_F(Fern, TeilnehmerHandeltNurFuerSeinenVerein)
{
    Manager_Neuer_Mitspieler(3, "C");
    Eingang_Set_Spiel_Gestartet(true);
    for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
    Mitspieler[0].in_benutzung = 1;
    ASSERT_TRUE(Internet_Verein_Beanspruchen(&Mitspieler[0], 3));
    Internet_Set_Server_Sender(fangen);
    std::vector<uint8_t> own, t2;
    Aktuelles_Team = 3;
    T_Own[3].beobachtet[0] = 9;
    ASSERT_TRUE(Team_Internet_Client_Send_Own_Packen(&own, &t2));
    T_Own[3].beobachtet[0] = -1;
    const Team_Own vorher_b = T_Own[2];
    Fehler_Capture f;
    auto senden = [&](uint32_t nr, int32_t team, const std::string& format, const std::vector<uint8_t>& block) {
        std::vector<uint8_t> m(16 + format.size() + 1);
        Bytes_Setze32(m.data(), INTERNET_MARKE);
        Bytes_Setze32(m.data() + 4, nr);
        Bytes_Setze32(m.data() + 8, uint32_t(format.size() + 1));
        Bytes_Setze32(m.data() + 12, uint32_t(team));
        std::memcpy(m.data() + 16, format.c_str(), format.size() + 1);
        m.insert(m.end(), block.begin(), block.end());
        Internet_Server_Antwort(&Mitspieler[0], m.data(), uint32_t(m.size()));
    };
    std::vector<uint8_t> block = {1, 0, 0, 0};
    block.insert(block.end(), own.begin(), own.end());
    block.resize(4 + ((own.size() + 3) & ~size_t(3)));
    block.insert(block.end(), {1, 0, 0, 0, t2[0], t2[1], 0, 0});
    senden(15, 2, "vV>776V>2", block);
    EXPECT_EQ(std::memcmp(&T_Own[2], &vorher_b, sizeof vorher_b), 0);
    EXPECT_EQ(T_Own[3].beobachtet[0], -1);
    senden(15, 3, "vV>776V>2", block);
    EXPECT_EQ(T_Own[3].beobachtet[0], 9);
    EXPECT_EQ(std::memcmp(&T_Own[2], &vorher_b, sizeof vorher_b), 0);

    // Manager blocks: another club is refused, a damaged block of the own club changes nothing.
    std::vector<uint8_t> b33;
    ASSERT_TRUE(Manager_Internet_Bloecke_Packen(3, false, &b33));
    std::vector<uint8_t> m33;
    std::string f33 = "v";
    size_t o = 0;
    for (int i = 0; i < MANAGER_NETZ_BLOECKE; ++i) {
        if (i == 1) continue;
        const uint32_t n = Manager_Netz_Bloecke[i].bytes;
        f33 += "V>" + std::to_string(n);
        m33.insert(m33.end(), {1, 0, 0, 0});
        m33.insert(m33.end(), b33.begin() + long(o), b33.begin() + long(o + n));
        m33.resize(m33.size() + ((4 - n % 4) % 4));
        o += n;
    }
    std::vector<uint8_t> b2_vorher, b2_nachher;
    Manager_Internet_Bloecke_Packen(2, true, &b2_vorher);
    senden(33, 2, f33, m33);
    Manager_Internet_Bloecke_Packen(2, true, &b2_nachher);
    EXPECT_EQ(b2_vorher, b2_nachher);
    EXPECT_TRUE(f.contains("(Verein)"));
    // A sponsor number past the table and a camp kind the economy does not know are refused whole.
    const size_t werbung = 4 + 1728 + 4, termine = werbung + 456 + 4;
    for (auto [stelle, wert] : {std::pair{werbung + 3, uint8_t(20)}, std::pair{termine + 44 * 2, uint8_t(5)}}) {
        auto kaputt = m33;
        kaputt[stelle] = wert;
        if (stelle >= termine) kaputt[termine + 44 * 2 + 1] = 1;
        std::vector<uint8_t> vorher, nachher;
        Manager_Internet_Bloecke_Packen(3, true, &vorher);
        senden(33, 3, f33, kaputt);
        Manager_Internet_Bloecke_Packen(3, true, &nachher);
        EXPECT_EQ(vorher, nachher);
    }
    // The good block of the own club is taken.
    m33[werbung + 3] = 7;
    senden(33, 3, f33, m33);
    EXPECT_EQ(int8_t(T_Fix[3].manager->werbung[3]), 7);
}

}  // namespace

namespace {

// The server's side of the world as it stands while the hook answers: its changes are undone
// afterwards, so that only the reply can bring them to the client's copy.
std::function<void()> server_stand;
std::vector<uint32_t> nummern;

bool ueber_den_server(const std::vector<uint8_t>& anfrage, std::vector<uint8_t>* aus)
{
    nummern.push_back(Bytes_Hole32(anfrage.data() + 4));
    const Team_Own own = T_Own[2];
    uint8_t werbung[sizeof T_Fix[2].manager->werbung];
    std::memcpy(werbung, T_Fix[2].manager->werbung, sizeof werbung);
    server_stand();
    Netz_Rolle = 2;
    antwort.clear();
    Internet_Server_Antwort(&Mitspieler[0], anfrage.data(), uint32_t(anfrage.size()));
    Netz_Rolle = 1;
    T_Own[2] = own;
    std::memcpy(T_Fix[2].manager->werbung, werbung, sizeof werbung);
    *aus = antwort;
    return !aus->empty();
}

TEST_F(Fern, MenuerundeHoltUndSendetZurueck)
{
    Eingang_Set_Spiel_Gestartet(true);
    for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
    Mitspieler[0].in_benutzung = 1;
    Server_Team = -1;
    ASSERT_TRUE(Internet_Verein_Beanspruchen(&Mitspieler[0], 2));
    Internet_Set_Server_Sender(fangen);
    Internet_Set_Client_Austausch(ueber_den_server);
    Aktuelles_Team = 2;
    Netz_Rolle = 1;
    // The server knows a morale and an advertising byte that the client has not seen yet.
    server_stand = [] {
        T_Own[2].moral = 61;
        T_Fix[2].manager->werbung[5] = 3;
    };
    Team_Internet_Client_Refresh();
    Manager_Internet_Client_Refresh();
    Richter_Internet_Client_Get_Liste();
    EXPECT_EQ(nummern, (std::vector<uint32_t>{13, 12, 30, 50}));
    EXPECT_EQ(T_Own[2].moral, 61);
    EXPECT_EQ(T_Fix[2].manager->werbung[5], 3);

    // What the client changed arrives on the server: the hook checks it there.
    nummern.clear();
    T_Own[2].beobachtet[1] = 11;
    T_Fix[2].manager->werbung[6] = 4;
    static int angekommen;
    angekommen = 0;
    server_stand = [] {
        T_Own[2].beobachtet[1] = -1;
        T_Fix[2].manager->werbung[6] = 0;
        Internet_Set_Server_Sender([](Mitspieler_Eintrag* m, const uint8_t* d, uint32_t n) {
            angekommen += T_Own[2].beobachtet[1] == 11;
            angekommen += T_Fix[2].manager->werbung[6] == 4;
            return fangen(m, d, n);
        });
    };
    Internet_Client_Refresh();
    EXPECT_EQ(nummern, (std::vector<uint32_t>{15, 33}));
    EXPECT_EQ(angekommen, 2);
    Internet_Set_Client_Austausch(nullptr);
    Netz_Rolle = 3;
}

}  // namespace
