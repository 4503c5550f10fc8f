// Hostile and crowding peers at the server's door, on loopback: refused log-ins, a crowd arriving
// at once, a full table, a request with an empty answer, the port word of the start dialog and
// the size a peer may announce.
#include <fcntl.h>

#include "database/team.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "netz_hilfe.h"
#include "network/internet_read.h"

using namespace netz_test;

namespace {

// The server's game side as far as remote calls go: every complete block that is a call is
// answered.
void anfragen_beantworten()
{
    int32_t i = 0;
    while (Mitspieler_Eintrag* m = Netzuser_Naechster(&i)) {
        uint32_t n = 0;
        int32_t code = 0;
        uint8_t* b = Server_Receive_Client_Data(m, &n, &code);
        if (b && n >= 16 && Bytes_Hole32(b) == INTERNET_MARKE) Internet_Server_Antwort(m, b, n);
        Mem_Free(b, 0);
    }
}

void server_schritt()
{
    Netz_Server_Pumpe();
    anfragen_beantworten();
}

// A remote call as one packed 700 message.
std::vector<uint8_t> anfrage(uint32_t nr, const std::string& format, const std::vector<uint8_t>& block)
{
    std::vector<uint8_t> m(16 + format.size() + 1);
    Bytes_Setze32(m.data(), INTERNET_MARKE);
    Bytes_Setze32(m.data() + 4, nr);
    Bytes_Setze32(m.data() + 8, uint32_t(format.size() + 1));
    std::memcpy(m.data() + 16, format.c_str(), format.size() + 1);
    m.insert(m.end(), block.begin(), block.end());
    uint32_t g = 0;
    uint8_t* p = Compress_Block(m.data(), uint32_t(m.size()), &g);
    std::vector<uint8_t> paket(p, p + g);
    Mem_Free(p, 0);
    return Roh::rahmen(CLIENT_DATA_SIMPLE, paket);
}

Mw_User_Login antwort_lesen(const Roh& peer, uint32_t* typ)
{
    std::vector<uint8_t> d;
    *typ = peer.nachricht_lesen(&d, server_schritt);
    Mw_User_Login r{};
    if (d.size() == MW_USER_LOGIN_GROESSE) Mw_User_Login_Lesen(d.data(), &r);
    return r;
}

// The loopback address of the i-th peer of a crowd: a household of NETZ_ANMELDUNGEN_PRO_ADRESSE
// each, from 127.0.1.0 on.
uint32_t haushalt(int i) { return 0x7F000100u + uint32_t(i / NETZ_ANMELDUNGEN_PRO_ADRESSE); }

int von_haushalt(int i, uint16_t port) { return verbinden_von(haushalt(i), port); }

// True when the peer reads the end of the connection (and nothing before it) while the server runs.
bool endet(const Roh& peer)
{
    uint8_t c = 0;
    for (int i = 0; i < 4000; ++i) {
        ssize_t r = recv(peer.fd, &c, 1, MSG_DONTWAIT);
        if (r == 0) return true;
        if (r > 0) return false;
        server_schritt();
        Netz_Warten();
    }
    return false;
}

// A small world in which a game is under way; no club has a manager.
struct Tuer : Netz_Test {
    std::vector<Team_Struktur> t = std::vector<Team_Struktur>(4);
    std::vector<Team_Fix> t_fix = std::vector<Team_Fix>(4);
    Team_Struktur* alt_t = T;
    Team_Fix* alt_fix = T_Fix;
    int32_t alt_anzahl = Team_Anzahl;

    void SetUp() override
    {
        Netz_Test::SetUp();
        T = t.data();
        T_Fix = t_fix.data();
        Team_Anzahl = 4;
        Eingang_Set_Spiel_Gestartet(true);
    }
    void TearDown() override
    {
        Eingang_Set_Spiel_Gestartet(false);
        T = alt_t;
        T_Fix = alt_fix;
        Team_Anzahl = alt_anzahl;
        Netz_Test::TearDown();
    }
};

}  // namespace

// A client refused for its version, one with an empty record and one with no record at all:
// each reads its refusal and then the end; a call it sends meanwhile is not answered, and no
// participant stays behind.
TEST_F(Tuer, RefusedLogInLeavesNothingAndEndsTheConnection)
{
    server_starten();
    struct Fall {
        std::vector<uint8_t> login;
        uint32_t antwort;
    } faelle[] = {{login_bytes("Alt", 2, 1), MW_ANTWORT_VERSION}, {login_bytes("", 2, 2), 0}, {{}, 0}};
    for (const Fall& f : faelle) {
        Roh peer(tcp_port);
        peer.nachricht(NETZ_TYP_LOGIN, f.login);
        peer.senden(anfrage(499, "iC000iwc", std::vector<uint8_t>(20, 0)));
        uint32_t typ = 0;
        Mw_User_Login r = antwort_lesen(peer, &typ);
        EXPECT_EQ(typ, NETZ_TYP_ANTWORT);
        EXPECT_EQ(r.middle_ware_response, f.antwort);
        EXPECT_EQ(Netzuser_Anzahl(), 0) << f.antwort;
        EXPECT_TRUE(endet(peer)) << f.antwort << ": the end follows the refusal, no answer to the call";
    }
    // An accepted client is served as before.
    Roh gut(tcp_port);
    gut.nachricht(NETZ_TYP_LOGIN, login_bytes("Gut", 2, 2));
    uint32_t typ = 0;
    EXPECT_EQ(antwort_lesen(gut, &typ).middle_ware_response, MW_ANTWORT_ANGENOMMEN);
    EXPECT_EQ(Netzuser_Anzahl(), 1);
}

// Two hundred clients connect at the same moment; every one gets its log-in answer.
TEST_F(Tuer, ACrowdConnectingAtOnceIsServedWhole)
{
    server_starten();
    constexpr int ANZAHL = 200;
    const auto login = Roh::rahmen(NETZ_TYP_LOGIN, login_bytes("Menge", 2, 2));
    struct Peer {
        int fd;
        size_t gesendet = 0, gelesen = 0;
    };
    std::vector<Peer> peers;
    for (int i = 0; i < ANZAHL; ++i) {
        // As many households as the crowd needs: one address holds a few connections only.
        peers.push_back({verbinden_von(haushalt(i), tcp_port, SOCK_STREAM | SOCK_NONBLOCK)});
    }
    const size_t antwort = SOCKET_KOPF_GROESSE + MW_USER_LOGIN_GROESSE;
    int fertig = 0;
    auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (fertig < ANZAHL && std::chrono::steady_clock::now() < ende) {
        Netz_Server_Pumpe();
        for (Peer& p : peers) {
            if (p.gesendet < login.size()) {
                ssize_t n = send(p.fd, login.data() + p.gesendet, login.size() - p.gesendet, MSG_NOSIGNAL | MSG_DONTWAIT);
                if (n > 0) p.gesendet += size_t(n);
            } else if (p.gelesen < antwort) {
                uint8_t b[4096];
                ssize_t n = recv(p.fd, b, std::min(sizeof b, antwort - p.gelesen), MSG_DONTWAIT);
                if (n > 0 && (p.gelesen += size_t(n)) == antwort) ++fertig;
            }
        }
        Netz_Warten();
    }
    for (Peer& p : peers) close(p.fd);
    EXPECT_EQ(fertig, ANZAHL);
}

// A table full of participants that hold their clubs (none of them makes room): the newcomer reads
// "Server voll" and the end instead of a silent close; once a participant has gone the next
// newcomer gets in.
TEST_F(Tuer, FullTableRefusesTheNewcomerWithAWord)
{
    server_starten();
    std::vector<std::unique_ptr<Roh>> peers;
    // in two halves, each claiming its clubs before the next comes
    for (int haelfte = 1; haelfte <= 2; ++haelfte) {
        for (int i = 0; i < NETZUSER_ANZAHL / 2; ++i) {
            peers.push_back(std::make_unique<Roh>(von_haushalt(int(peers.size()), tcp_port)));
            peers.back()->nachricht(NETZ_TYP_LOGIN, login_bytes("Voll", 2, 2));
        }
        ASSERT_TRUE(pumpen_bis([haelfte] { return Netzuser_Anzahl() == haelfte * NETZUSER_ANZAHL / 2; }));
        for (auto& m : Mitspieler) m.verein_beansprucht = m.in_benutzung;
    }
    Roh neu(tcp_port);
    neu.nachricht(NETZ_TYP_LOGIN, login_bytes("Neu", 2, 2));
    uint32_t typ = 0;
    Mw_User_Login r = antwort_lesen(neu, &typ);
    EXPECT_EQ(typ, NETZ_TYP_ANTWORT);
    EXPECT_EQ(r.middle_ware_response, 0u);
    EXPECT_STREQ(r.message_to_user, "Server voll");
    EXPECT_TRUE(endet(neu));
    EXPECT_EQ(Netzuser_Anzahl(), NETZUSER_ANZAHL);
    // The program's own client shows the refusal and keeps the server's word.
    const int code = client_prozess([&] {
        if (client_anmelden("Spieler")) return 2;
        if (std::strcmp(Client_Login.message_to_user, "Server voll") != 0) return 3;
        return std::strcmp(Client_Settings.fehler_text, "Der Server hat die Anmeldung abgelehnt.") == 0 ? 0 : 4;
    });
    EXPECT_EQ(code, 0);

    peers[7].reset();
    ASSERT_TRUE(pumpen_bis([] { return Netzuser_Anzahl() == NETZUSER_ANZAHL - 1; }));
    Roh naechster(von_haushalt(7, tcp_port));
    naechster.nachricht(NETZ_TYP_LOGIN, login_bytes("Naechster", 2, 2));
    EXPECT_EQ(antwort_lesen(naechster, &typ).middle_ware_response, MW_ANTWORT_ANGENOMMEN);
    EXPECT_TRUE(pumpen_bis([] { return Netzuser_Anzahl() == NETZUSER_ANZAHL; }));
    neu.schliessen();
    EXPECT_TRUE(pumpen_bis([] { return Socket_Auslaufende_Anzahl() == 0; }, 2000))
        << "the refused socket closes when its peer has gone";
}

// The list of clubs a newcomer may take is empty: the answer says 0 clubs (and, in the sanitizer
// build, nothing copies from the empty list).
TEST_F(Tuer, EmptyClubListIsAnsweredWithNone)
{
    server_starten();
    Roh peer(tcp_port);
    peer.nachricht(NETZ_TYP_LOGIN, login_bytes("Leer", 2, 2));
    uint32_t typ = 0;
    ASSERT_EQ(antwort_lesen(peer, &typ).middle_ware_response, MW_ANTWORT_ANGENOMMEN);
    peer.senden(anfrage(17, "vC<46I<4", {1, 0, 0, 0, 1, 0, 0, 0}));
    std::vector<uint8_t> d;
    ASSERT_EQ(peer.nachricht_lesen(&d, server_schritt), CLIENT_DATA_SIMPLE);
    uint32_t n = 0;
    uint8_t* b = Decompress_Block(d.data(), uint32_t(d.size()), &n);
    ASSERT_NE(b, nullptr);
    const std::string format = "vC<46I<4";
    ASSERT_EQ(n, 12 + format.size() + 1 + 4 + 48 + 4 + 4);
    const uint8_t* block = b + 12 + format.size() + 1;
    EXPECT_EQ(Bytes_Hole32(block + 56), 0u) << "no club";
    Mem_Free(b, 0);
    EXPECT_EQ(Netzuser_Anzahl(), 1);
}

// Every port word comes back from the dialog's own fields unchanged, and a server whose word is
// below 0x1000 starts headless and takes clients.
TEST_F(Tuer, EveryPortWordRoundTripsThroughTheStartDialog)
{
    const Netz_Dialog_Texte texte{"t", "ok", "x", nullptr, "ip", "port", false};
    int falsch = 0;
    for (uint32_t w = 0; w <= 0xFFFF; ++w) {
        uint8_t ip[4] = {127, 0, 0, 1};
        uint16_t port = uint16_t(w);
        falsch += Netz_Dialog(ip, &port, texte, nullptr) != 1 || port != w;
    }
    EXPECT_EQ(falsch, 0);

    // A free TCP port below 0x1000 (above the privileged ones): its word prints with a leading zero.
    uint16_t tcp = 0;
    for (uint32_t hoch = 0x04; !tcp && hoch < 0x10; ++hoch) {
        int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(uint16_t(hoch << 8 | 0x06));
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) tcp = uint16_t(hoch << 8 | 0x06);
        close(fd);
    }
    ASSERT_NE(tcp, 0);
    ASSERT_LT(tcp, 0x1000);
    tcp_port = tcp;
    server_starten();
    Roh peer(tcp_port);
    peer.nachricht(NETZ_TYP_LOGIN, login_bytes("Tief", 2, 2));
    uint32_t typ = 0;
    EXPECT_EQ(antwort_lesen(peer, &typ).middle_ware_response, MW_ANTWORT_ANGENOMMEN);
}

// What one peer may make the server hold while a block comes in is bounded by the largest block
// a client sends; a call above it never leaves the client.
TEST_F(Tuer, AnnouncedSizeIsBoundedByTheLargestClientBlock)
{
    auto angemeldet = [&] {
        auto peer = std::make_unique<Roh>(tcp_port);
        peer->nachricht(NETZ_TYP_LOGIN, login_bytes("Gross", 2, 2));
        uint32_t typ = 0;
        EXPECT_EQ(antwort_lesen(*peer, &typ).middle_ware_response, MW_ANTWORT_ANGENOMMEN);
        return peer;
    };
    server_starten();
    std::vector<uint8_t> d(4);
    Bytes_Setze32(d.data(), NETZ_CLIENT_PAKET_MAX);
    auto gross = angemeldet();
    gross->nachricht(CLIENT_DATA_KOMPLEX_FIRST, d);
    ASSERT_TRUE(pumpen_bis([] { return Mitspieler[0].eingang != nullptr; }));
    EXPECT_EQ(Mitspieler[0].eingang_erwartet, NETZ_CLIENT_PAKET_MAX) << "the largest packed block is taken";
    Bytes_Setze32(d.data(), NETZ_CLIENT_PAKET_MAX + 1);
    auto zu_gross = angemeldet();
    zu_gross->nachricht(CLIENT_DATA_KOMPLEX_FIRST, d);
    EXPECT_TRUE(endet(*zu_gross));
    EXPECT_EQ(Netzuser_Anzahl(), 1);

    // A block that states more than a client sends is not unpacked; its connection ends.
    std::vector<uint8_t> gepackt = {0, 0, 0, 0, 0x12, 0x34};
    Bytes_Setze32(gepackt.data(), NETZ_CLIENT_BLOCK_MAX + 1);
    auto luege = angemeldet();
    luege->nachricht(CLIENT_DATA_SIMPLE, gepackt);
    EXPECT_TRUE(endet(*luege));
    EXPECT_EQ(Netzuser_Anzahl(), 1);

    // The client's own call of that size is refused before it is sent.
    Netz_Rolle = 1;
    char format[64] = "vV>100000";
    std::vector<uint8_t> block(4 + 100000);
    EXPECT_EQ(Internet_Client_Send_And_Read_Block(34, format, block.data(), uint32_t(block.size())), -1);
    Netz_Rolle = 0;
}

// The port word is the port the user typed in hexadecimal: a peer that knows nothing of the
// program reaches the server there, and a headless server whose port is taken listens on a free
// one above the standard port, which the settings then hold.
TEST_F(Tuer, TheServerListensOnThePortTyped)
{
    server_starten();
    EXPECT_EQ(Server_Settings.port, tcp_port);
    Roh peer(tcp_port);
    peer.nachricht(NETZ_TYP_LOGIN, login_bytes("Getippt", 2, 2));
    uint32_t typ = 0;
    EXPECT_EQ(antwort_lesen(peer, &typ).middle_ware_response, MW_ANTWORT_ANGENOMMEN);
    tabelle_schliessen();

    // The port typed held by someone else: a free one above the standard port.
    const uint16_t gewaehlt = freier_port();
    const int besetzt = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(gewaehlt);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int setzen = 1;
    setsockopt(besetzt, SOL_SOCKET, SO_REUSEADDR, &setzen, sizeof setzen);
    ASSERT_EQ(bind(besetzt, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    ASSERT_EQ(listen(besetzt, 1), 0);
    tcp_port = gewaehlt;
    server_starten();
    close(besetzt);
    EXPECT_NE(Server_Settings.port, gewaehlt);
    EXPECT_GT(Server_Settings.port, NETZ_STANDARD_PORT);
    EXPECT_LT(Server_Settings.port, NETZ_STANDARD_PORT + 1000);
    Roh naechster(Server_Settings.port);
    naechster.nachricht(NETZ_TYP_LOGIN, login_bytes("Daneben", 2, 2));
    EXPECT_EQ(antwort_lesen(naechster, &typ).middle_ware_response, MW_ANTWORT_ANGENOMMEN);
}
