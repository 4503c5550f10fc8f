// Framing of the socket layer, fed through the receive seam, and the layer's notifications over
// a real loopback connection.
#include "netz_hilfe.h"
#include "relais.h"

using namespace netz_test;

namespace {

// The bytes the seam hands out, in chunks of the given size.
std::vector<uint8_t> eingabe;
size_t eingabe_pos = 0;
size_t stueck = 1;

int32_t seam(uint32_t, void* puffer, uint32_t len)
{
    if (eingabe_pos >= eingabe.size()) return -1;
    size_t n = std::min<size_t>({len, stueck, eingabe.size() - eingabe_pos});
    std::memcpy(puffer, eingabe.data() + eingabe_pos, n);
    eingabe_pos += n;
    return int32_t(n);
}

struct Rahmen : Netz_Test {
    Sock_Info* s = nullptr;
    void SetUp() override
    {
        Netz_Test::SetUp();
        Socket_Set_Recv_Hook(seam);
        s = Socket_Get_Socket_Info();
        s->sock = 0x7FFF0001;  // a handle the layer never gave out
        eingabe.clear();
        eingabe_pos = 0;
    }
    void TearDown() override
    {
        Socket_Clear_Socket_Info(s);
        Netz_Test::TearDown();
    }
    // Receive steps until the seam is empty or the record stops.
    void empfangen()
    {
        for (int i = 0; i < 100000 && !s->status && s->empfang_status != SOCKET_EMPFANG_FERTIG; ++i) {
            s->lese_zaehler = 1;
            if (!Socket_Receive(s) || eingabe_pos >= eingabe.size()) break;
        }
    }
};

}  // namespace

TEST_F(Rahmen, MessagesArriveWholeInAnyChunkSizeAndAtTheLengthBound)
{
    for (size_t groesse : {size_t(1), size_t(3), size_t(7), size_t(20), size_t(4096)}) {
        auto daten = zufall_bytes(SOCKET_MAX_DATA_SIZE, uint32_t(groesse));
        eingabe = Roh::rahmen(77, daten);
        eingabe_pos = 0;
        stueck = groesse;
        Socket_Reset_Socket_Info(s, SOCKET_RESET_EMPFANG);
        empfangen();
        ASSERT_EQ(s->status, 0u) << groesse;
        ASSERT_EQ(s->empfang_status, SOCKET_EMPFANG_FERTIG) << "a receiver takes len 10240";
        EXPECT_EQ(s->socket_datainfo_receive.typ, 77u);
        EXPECT_TRUE(std::equal(daten.begin(), daten.end(), s->empfang_daten));
        EXPECT_EQ(Socket_Receive(s), 0) << "a complete message waits for its consumer";
    }
    // Length 0 completes with its header; 10241 fails the connection.
    Socket_Reset_Socket_Info(s, SOCKET_RESET_EMPFANG);
    eingabe = Roh::rahmen(5, {});
    eingabe_pos = 0;
    stueck = 20;
    empfangen();
    EXPECT_EQ(s->empfang_status, SOCKET_EMPFANG_FERTIG);
    Socket_Reset_Socket_Info(s, SOCKET_RESET_EMPFANG);
    eingabe = Roh::rahmen(5, {});
    Bytes_Setze32(eingabe.data() + 8, SOCKET_MAX_DATA_SIZE + 1);
    eingabe_pos = 0;
    empfangen();
    EXPECT_EQ(s->status, SOCKET_STATUS_FEHLER);
}

TEST_F(Rahmen, WrongMarkerFailsAsSoonAsFourBytesAreIn)
{
    eingabe = {0xFA, 0xFA, 0xFA, 0xFB};
    stueck = 1;
    for (int i = 0; i < 3; ++i) {
        s->lese_zaehler = 1;
        EXPECT_EQ(Socket_Receive(s), 1);
    }
    EXPECT_EQ(s->status, 0u) << "three bytes cannot tell";
    s->lese_zaehler = 1;
    EXPECT_EQ(Socket_Receive(s), 0);
    EXPECT_EQ(s->status, SOCKET_STATUS_FEHLER) << "the fourth byte does, before the rest of the header";
    EXPECT_TRUE(log_hat("kennung!=SOCKET_DATA_KENNUNG"));
}

TEST_F(Rahmen, PrepareSendTakesOneMessageUpTo10239Bytes)
{
    const uint8_t eins[4] = {1, 1, 1, 1}, zwei[4] = {2, 2, 2, 2};
    static uint8_t gross[SOCKET_MAX_DATA_SIZE];
    Socket_Prepare_Send(s, gross, SOCKET_MAX_DATA_SIZE, 700);
    EXPECT_EQ(s->sende_status, 0) << "10240 is one byte too many to send";
    Socket_Prepare_Send(s, eins, 4, 3);
    Socket_Prepare_Send(s, zwei, 4, 9);
    EXPECT_EQ(s->sende_status, SOCKET_SENDEN_WARTET);
    EXPECT_EQ(Bytes_Hole32(s->sende_puffer + 4), 3u) << "the second prepare changed nothing";
    EXPECT_EQ(s->sende_puffer[20], 1);
    Socket_Reset_Socket_Info(s, SOCKET_RESET_SENDEN);
    Socket_Prepare_Send(s, gross, SOCKET_MAX_DATA_SIZE - 1, 700);
    EXPECT_EQ(s->sende_status, SOCKET_SENDEN_WARTET);
    EXPECT_EQ(Socket_Decode_Event(0x12345678, FD_CLOSE), nullptr) << "a close of an unknown socket is ignored";
    EXPECT_EQ(s->status, 0u);
}

// A new start finds every record free and empty, whatever the earlier connections left in them,
// also in a record given back before (its handle 0, its buffers still full).
TEST_F(Netz_Test, StartClearsEveryRecordUsedBefore)
{
    Sock_Info* r[3];
    for (int i = 0; i < 3; ++i) {
        r[i] = Socket_Get_Socket_Info();
        ASSERT_NE(r[i], nullptr);
        r[i]->sock = 0x7FFF0100u + uint32_t(i);  // handles the layer never gave out
        r[i]->status = 7;
        std::memset(r[i]->empfang_daten, 0xA5, sizeof r[i]->empfang_daten);
        std::memset(r[i]->sende_puffer, 0x5A, sizeof r[i]->sende_puffer);
    }
    r[1]->sock = 0;
    EXPECT_EQ(Socket_Get_Socket_Info(), r[1]) << "the lowest free record is handed out, cleared";
    EXPECT_EQ(r[1]->empfang_daten[0], 0);
    std::memset(r[1]->empfang_daten, 0xA5, sizeof r[1]->empfang_daten);
    r[1]->sock = 0;
    r[2]->sock = 0;

    Socket_Init_Socket_Info_Struc();
    const auto* b = reinterpret_cast<const uint8_t*>(Socket_Tabelle);
    EXPECT_EQ(std::count(b, b + sizeof Socket_Tabelle, uint8_t(0)), std::ptrdiff_t(sizeof Socket_Tabelle));
    EXPECT_EQ(Socket_Get_Socket_Info(), r[0]);
}

// A real connection: partial sends resume where they stopped, reads and the close are notified
// as Winsock would, and writing to a closed peer does not kill the process.
TEST_F(Netz_Test, LoopbackSendsResumeAndNotificationsFollowTheData)
{
    Win95_Netz_Modus = 1;
    Sock_Info* lauschend = Socket_Get_Socket_Info();
    const uint8_t ip[4] = {127, 0, 0, 1};
    ASSERT_TRUE(Socket_Create(lauschend));
    ASSERT_TRUE(Socket_Bind_Socket(lauschend, tcp_port, ip));
    ASSERT_TRUE(Socket_Server_Listen(lauschend));
    Roh peer(tcp_port);
    uint32_t h = Os_Socket_Accept(lauschend->sock, nullptr);
    ASSERT_NE(h, 0u);
    Sock_Info* s = Socket_Get_Socket_Info();
    s->sock = h;
    ASSERT_TRUE(Socket_Async_Select_Event(s, nullptr, FD_READ | FD_WRITE | FD_CLOSE));

    // Fill the connection until a message stops part-way, then drain it and read it all back.
    std::vector<uint8_t> alle;
    int gesendet = 0;
    bool teilweise = false;
    for (int i = 0; i < 5000 && !teilweise; ++i) {
        auto daten = zufall_bytes(10000 + size_t(i % 7), uint32_t(i + 1));
        Socket_Prepare_Send(s, daten.data(), uint32_t(daten.size()), uint32_t(600 + i));
        Socket_Send(s);
        teilweise = s->sende_status == SOCKET_SENDEN_WARTET;
        auto r = Roh::rahmen(uint32_t(600 + i), daten);
        alle.insert(alle.end(), r.begin(), r.end());
        ++gesendet;
    }
    ASSERT_TRUE(teilweise) << "the connection never filled";
    std::vector<uint8_t> angekommen(alle.size());
    ASSERT_TRUE(peer.lesen(angekommen.data(), angekommen.size(), [&] {
        Win95_Message_Pump();
        if (s->sende_status) Socket_Send(s);
    }));
    EXPECT_TRUE(angekommen == alle) << "every message of " << gesendet << " arrived intact and in order";

    // Two messages in one go: the second is notified again after the first was taken.
    peer.senden(Roh::rahmen(3, {1}));
    peer.senden(Roh::rahmen(4, {2}));
    peer.schliessen();
    std::vector<uint32_t> typen;
    for (int i = 0; i < 20000 && !s->geschlossen; ++i) {
        Win95_Message_Pump();
        if (s->empfang_status == SOCKET_EMPFANG_FERTIG) {
            typen.push_back(s->socket_datainfo_receive.typ);
            Socket_Reset_Socket_Info(s, SOCKET_RESET_EMPFANG);
        }
        if (!s->status && s->lese_zaehler) Socket_Receive(s);
        Netz_Warten();
    }
    EXPECT_EQ(typen, (std::vector<uint32_t>{3, 4})) << "both messages before the close";
    EXPECT_EQ(s->status, SOCKET_STATUS_FEHLER);
    // Writing into the closed connection reports, never raises SIGPIPE.
    s->status = 0;
    const uint8_t x[1] = {0};
    for (int i = 0; i < 3; ++i) {
        Socket_Prepare_Send(s, x, 1, 3);
        Socket_Send(s);
        Socket_Reset_Socket_Info(s, SOCKET_RESET_SENDEN);
    }
    Socket_Destroy(s);
    Socket_Destroy(lauschend);
}

// The test relay of the slow-line tests: what goes in comes out whole and in order at the other
// end, in both directions, and no byte before its delay and the line's rate allow.
TEST(Relais, PassesBytesWholeNoSoonerThanDelayAndRateAllow)
{
    const uint16_t ziel = netz_test::freier_port();
    const int lauscher = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(ziel);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(lauscher, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    ASSERT_EQ(listen(lauscher, 1), 0);
    netz_test::Relais relais(ziel, 50, 20000);
    ASSERT_TRUE(relais.bereit());
    const auto start = std::chrono::steady_clock::now();
    netz_test::Roh hin(relais.port());
    netz_test::Roh her(accept(lauscher, nullptr, nullptr));
    std::vector<uint8_t> daten(10000);
    for (size_t i = 0; i < daten.size(); ++i) daten[i] = uint8_t(i * 7);
    hin.senden(daten);
    std::vector<uint8_t> an(daten.size());
    ASSERT_TRUE(her.lesen(an.data(), an.size()));
    EXPECT_EQ(an, daten);
    her.senden({1, 2, 3});
    uint8_t zurueck[3] = {};
    ASSERT_TRUE(hin.lesen(zurueck, 3));
    EXPECT_EQ(zurueck[2], 3);
    // 10,000 bytes at 20,000 a second, then the delay each way.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500 + 2 * 50));
    EXPECT_EQ(relais.verbindungen(), 1);
    close(lauscher);
}
