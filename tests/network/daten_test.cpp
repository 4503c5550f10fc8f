// Game-data blocks on the wire, the queue behind a busy participant, and the time-outs, with
// raw-socket peers on the other end.
#include "netz_hilfe.h"

using namespace netz_test;

namespace {

uint32_t gepackte_groesse(const std::vector<uint8_t>& d, size_t n)
{
    uint32_t g = 0;
    Mem_Free(Compress_Block(d.data(), uint32_t(n), &g), 0);
    return g;
}

// Data whose packed block (length word included) is exactly the given size. A longer prefix of
// one sequence never packs smaller, so a search by halving finds the edge; another seed when
// the size steps over the target.
std::vector<uint8_t> gepackt_genau(uint32_t ziel)
{
    for (uint32_t seed = 1; seed < 200; ++seed) {
        // Several byte alphabets, so that the packed sizes fall on every byte count.
        auto d = zufall_bytes(ziel * 2, seed);
        for (auto& x : d) x &= uint8_t(0xFF >> (seed % 4));
        size_t lo = 1, hi = d.size();
        while (lo < hi) {
            size_t mitte = (lo + hi) / 2;
            if (gepackte_groesse(d, mitte) < ziel) lo = mitte + 1;
            else hi = mitte;
        }
        if (gepackte_groesse(d, lo) == ziel) {
            d.resize(lo);
            return d;
        }
    }
    return {};
}

struct Daten : Netz_Test {
    std::unique_ptr<Roh> peer;
    Mitspieler_Eintrag* m = nullptr;

    // Server started, one raw client logged in (its answer read).
    void anmelden()
    {
        server_starten();
        peer = std::make_unique<Roh>(tcp_port);
        peer->nachricht(NETZ_TYP_LOGIN, login_bytes("Roh", 2, 2));
        std::vector<uint8_t> antwort;
        ASSERT_EQ(peer->nachricht_lesen(&antwort, [] { Netz_Server_Pumpe(); }), NETZ_TYP_ANTWORT);
        ASSERT_EQ(Netzuser_Anzahl(), 1);
        m = &Mitspieler[0];
    }

    std::vector<std::pair<uint32_t, uint32_t>> nachrichten_lesen(size_t anzahl)
    {
        std::vector<std::pair<uint32_t, uint32_t>> aus;
        for (size_t i = 0; i < anzahl; ++i) {
            std::vector<uint8_t> d;
            uint32_t typ = peer->nachricht_lesen(&d, [] { Netz_Server_Pumpe(); });
            aus.emplace_back(typ, typ == CLIENT_DATA_KOMPLEX_FIRST ? Bytes_Hole32(d.data()) : uint32_t(d.size()));
        }
        return aus;
    }
};

using Paare = std::vector<std::pair<uint32_t, uint32_t>>;

}  // namespace

TEST_F(Daten, PackedSizeDecidesBetweenOneMessageAndPieces)
{
    anmelden();
    auto klein = gepackt_genau(10239);
    // The packer never ends a block on 10240 bytes: one more is the first size cut in pieces.
    auto gross = gepackt_genau(10241);
    ASSERT_FALSE(klein.empty());
    ASSERT_FALSE(gross.empty());
    ASSERT_TRUE(Server_Send_Client_Data(m, klein.data(), uint32_t(klein.size())));
    // Queued behind the first instead of refused.
    ASSERT_TRUE(Server_Send_Client_Data(m, gross.data(), uint32_t(gross.size())));
    EXPECT_EQ(nachrichten_lesen(4), (Paare{{700, 10239}, {703, 10241}, {701, 10239}, {701, 2}}));
    EXPECT_EQ(m->bloecke_gesendet, 2u);
    EXPECT_EQ(m->gepackt_gesendet, 10239u + 10241u);
    // A packed block of exactly 10240 bytes, laid into the outgoing slot as the packer would.
    m->ausgang = static_cast<uint8_t*>(Mem_Alloc_Clear(10240, 0, 0x55));
    m->ausgang_gesamt = 10240;
    EXPECT_EQ(nachrichten_lesen(3), (Paare{{703, 10240}, {701, 10239}, {701, 1}}));
}

// A piece that no announcement opened, or a new block while one is still open, would stand in
// the record for good: the connection ends at once, logged once, and the peer reads its end.
TEST_F(Daten, PieceOutOfOrderEndsTheConnectionWithOneLine)
{
    const std::vector<std::vector<std::vector<uint8_t>>> folgen = {
        {Roh::rahmen(CLIENT_DATA_KOMPLEX, {1, 2, 3})},
        {Roh::rahmen(CLIENT_DATA_KOMPLEX_FIRST, {0, 0x50, 0, 0}), Roh::rahmen(CLIENT_DATA_KOMPLEX, {1, 2}),
         Roh::rahmen(CLIENT_DATA_KOMPLEX_FIRST, {0, 0x50, 0, 0})},
        {Roh::rahmen(CLIENT_DATA_KOMPLEX_FIRST, {0, 0x50, 0, 0}), Roh::rahmen(CLIENT_DATA_SIMPLE, {5, 0, 0, 0, 1})},
    };
    for (size_t i = 0; i < folgen.size(); ++i) {
        anmelden();
        for (const auto& n : folgen[i]) peer->senden(n);
        log.clear();
        uint8_t c = 0;
        EXPECT_FALSE(peer->lesen(&c, 1, [] { Netz_Server_Pumpe(); })) << i << ": the peer reads the end";
        EXPECT_EQ(Netzuser_Anzahl(), 0) << i;
        for (int k = 0; k < 20; ++k) Server_Poll();
        size_t n = 0;
        for (const auto& t : log) n += t.find("out of sequence.") != std::string::npos;
        EXPECT_EQ(n, 1u) << i;
        EXPECT_EQ(m->eingang, nullptr) << i << ": the open block went with the entry";
        peer.reset();
        Server_Shutdown();
    }
}

TEST_F(Daten, AnnouncementsOutOfBoundsFailTheConnection)
{
    for (uint32_t groesse : {0u, NETZ_CLIENT_PAKET_MAX + 1, 0xFFFFFFFFu}) {
        anmelden();
        std::vector<uint8_t> d(4);
        Bytes_Setze32(d.data(), groesse);
        peer->nachricht(CLIENT_DATA_KOMPLEX_FIRST, d);
        EXPECT_TRUE(pumpen_bis([] { return Netzuser_Anzahl() == 0; })) << groesse;
        EXPECT_EQ(m->eingang, nullptr);
        peer.reset();
        Server_Shutdown();
    }
}

TEST_F(Daten, AnnouncedBlockIsReassembledAndTooManyQueuedBlocksLogOut)
{
    anmelden();
    auto daten = zufall_bytes(30000, 5);
    uint32_t g = 0;
    uint8_t* paket = Compress_Block(daten.data(), uint32_t(daten.size()), &g);
    std::vector<uint8_t> kopf(4);
    Bytes_Setze32(kopf.data(), g);
    peer->nachricht(CLIENT_DATA_KOMPLEX_FIRST, kopf);
    for (uint32_t pos = 0; pos < g; pos += NETZ_STUECK)
        peer->nachricht(CLIENT_DATA_KOMPLEX, std::vector<uint8_t>(paket + pos, paket + std::min(g, pos + NETZ_STUECK)));
    Mem_Free(paket, 0);
    uint8_t* block = nullptr;
    uint32_t n = 0;
    int32_t code = 0;
    ASSERT_TRUE(pumpen_bis([&] { return (block = Server_Receive_Client_Data(m, &n, &code)) != nullptr; }));
    EXPECT_EQ(code, NETZ_EMPFANGEN);
    EXPECT_TRUE(n == daten.size() && std::equal(daten.begin(), daten.end(), block));
    Mem_Free(block, 0);

    // The peer reads nothing: the queue fills, and beyond its bound the participant goes.
    int angenommen = 0;
    while (Netzuser_Anzahl() && angenommen < 1000)
        angenommen += Server_Send_Client_Data(m, daten.data(), uint32_t(daten.size()));
    EXPECT_EQ(Netzuser_Anzahl(), 0);
    EXPECT_EQ(angenommen, int(NETZUSER_WARTESCHLANGE_MAX) + 1) << "one going out, 64 waiting";
    EXPECT_TRUE(log_hat("too slow"));
}

TEST_F(Daten, SilentConnectionIsLoggedOutAfterTheIdleLimitPingingOneNever)
{
    Socket_Set_Uhr(test_uhr);
    server_starten();
    Roh still(tcp_port);
    Roh pinger(tcp_port);
    auto offen = [] {
        int n = 0;
        for (auto& s : Socket_Tabelle) n += (s.sock && &s != Server_Lauschend) ? 1 : 0;
        return n;
    };
    ASSERT_TRUE(pumpen_bis([&] { return offen() == 2; }));
    // Logged in, as a connection that is not goes within seconds.
    for (const Roh* r : {&still, &pinger}) {
        r->nachricht(NETZ_TYP_LOGIN, login_bytes("Da", 2, 2));
        std::vector<uint8_t> d;
        ASSERT_EQ(r->nachricht_lesen(&d, [] { Netz_Server_Pumpe(); }), NETZ_TYP_ANTWORT);
    }
    const uint32_t angenommen = uhr_wert;
    uint32_t weg = 0;
    for (uint32_t sekunde = 1; sekunde <= 300; ++sekunde) {
        uhr_wert = angenommen + sekunde * 1000;
        if (sekunde % 60 == 0) pinger.nachricht(NETZ_TYP_PING, {0, 0, 0, 0});
        for (int i = 0; i < 20; ++i) {
            Netz_Server_Pumpe();
            if (sekunde % 60 == 0) Netz_Warten();
        }
        if (!weg && offen() < 2) weg = uhr_wert - angenommen;
    }
    EXPECT_GT(weg, SERVER_IDLE_LIMIT);
    EXPECT_LE(weg, SERVER_IDLE_LIMIT + SERVER_IDLE_PRUEFUNG);
    EXPECT_EQ(offen(), 1) << "the pinging client stays";
}

TEST_F(Netz_Test, ConnectToNoServerFailsWithItsText)
{
    Win95_Netz_Modus = 1;
    EXPECT_EQ(client_anmelden(), 0);
    EXPECT_STREQ(Client_Settings.fehler_text,
                 "Kann die Verbindung nicht herstellen (IP oder Port falsch?): Socket Connect Error.");
    EXPECT_TRUE(log_hat("connect returns WSAECONNREFUSED"));
}

// The client's side against a raw server: waiting for a piece drops other messages, and a
// silent client pings every 60 s.
TEST_F(Netz_Test, ClientDropsOtherTypesWhileWaitingAndPingsWhenSilent)
{
    Socket_Set_Uhr(test_uhr);
    Win95_Netz_Modus = 1;
    int lausch = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(tcp_port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(lausch, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    listen(lausch, 1);
    Client_Sock = Socket_Get_Socket_Info();
    const uint8_t ip[4] = {127, 0, 0, 1};
    ASSERT_TRUE(Socket_Create(Client_Sock));
    ASSERT_TRUE(Socket_Connect_Socket(Client_Sock, tcp_port, ip));
    ASSERT_TRUE(Socket_Async_Select_Event(Client_Sock, nullptr, FD_READ | FD_WRITE | FD_CLOSE));
    Roh server(accept(lausch, nullptr, nullptr));
    close(lausch);

    auto daten = zufall_bytes(20000, 4);
    uint32_t g = 0;
    uint8_t* paket = Compress_Block(daten.data(), uint32_t(daten.size()), &g);
    std::vector<uint8_t> kopf(4);
    Bytes_Setze32(kopf.data(), g);
    server.nachricht(CLIENT_DATA_KOMPLEX_FIRST, kopf);
    server.nachricht(NETZ_TYP_ANTWORT, {1, 2, 3, 4});
    for (uint32_t pos = 0; pos < g; pos += NETZ_STUECK) {
        server.nachricht(NETZ_TYP_TEST, {7});
        server.nachricht(CLIENT_DATA_KOMPLEX, std::vector<uint8_t>(paket + pos, paket + std::min(g, pos + NETZ_STUECK)));
    }
    Mem_Free(paket, 0);
    for (int i = 0; i < 20000 && !Client_Message_Waiting(CLIENT_DATA_KOMPLEX_FIRST); ++i) {
        Netz_Client_Pumpe();
        Netz_Warten();
    }
    uint32_t n = 0;
    int32_t code = 0;
    uint8_t* block = Client_Receive_Client_Data(&n, &code);
    EXPECT_EQ(code, NETZ_EMPFANGEN);
    EXPECT_TRUE(block && n == daten.size() && std::equal(daten.begin(), daten.end(), block));
    Mem_Free(block, 0);

    // Pings: none before 60 s of silence, one after, the next 60 s later.
    auto pings = [&] {
        int anzahl = 0;
        std::vector<uint8_t> d;
        uint8_t c;
        while (recv(server.fd, &c, 1, MSG_PEEK | MSG_DONTWAIT) > 0 && server.nachricht_lesen(&d) == NETZ_TYP_PING) ++anzahl;
        return anzahl;
    };
    uhr_wert = 60000;
    Netz_Client_Pumpe();
    EXPECT_EQ(pings(), 0);
    uhr_wert = 60002;
    Netz_Client_Pumpe();
    usleep(20000);
    EXPECT_EQ(pings(), 1);
    uhr_wert = 120002;
    Netz_Client_Pumpe();
    usleep(20000);
    EXPECT_EQ(pings(), 0);
    uhr_wert = 120003;
    Netz_Client_Pumpe();
    usleep(20000);
    EXPECT_EQ(pings(), 1);
}
