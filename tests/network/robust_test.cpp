// Mutated message streams through the server's receive path, dispatch and data pump: bad input
// is dropped or ends the connection, never crashes, leaks or reads out of bounds.
#include "common/mutation.h"
#include "netz_hilfe.h"

using namespace netz_test;

namespace {

std::vector<uint8_t> strom;
size_t strom_pos = 0;
mutation::Folge* stueck_folge = nullptr;

int32_t seam(uint32_t, void* puffer, uint32_t len)
{
    if (strom_pos >= strom.size()) return -1;
    size_t n = std::min<size_t>({len, size_t(1 + stueck_folge->bis(4096)), strom.size() - strom_pos});
    std::memcpy(puffer, strom.data() + strom_pos, n);
    strom_pos += n;
    return int32_t(n);
}

// Framed messages of one good session: log-in, test, ping, game data as one 700 or 703 + 701s,
// an update request and a log-out.
std::vector<mutation::Block> sitzung(uint32_t seed)
{
    std::vector<mutation::Block> b;
    b.push_back(Roh::rahmen(NETZ_TYP_LOGIN, login_bytes("Fuzz", 2, 2)));
    b.push_back(Roh::rahmen(NETZ_TYP_TEST, {1, 2, 3, 4}));
    b.push_back(Roh::rahmen(NETZ_TYP_PING, {0, 0, 0, 0}));
    auto daten = zufall_bytes(seed % 2 ? 20000 : 3000, seed);
    for (size_t i = 0; i < daten.size(); i += 3) daten[i] = 0;  // packs, but not to nothing
    uint32_t g = 0;
    uint8_t* paket = Compress_Block(daten.data(), uint32_t(daten.size()), &g);
    if (g < SOCKET_MAX_DATA_SIZE) {
        b.push_back(Roh::rahmen(CLIENT_DATA_SIMPLE, std::vector<uint8_t>(paket, paket + g)));
    } else {
        std::vector<uint8_t> kopf(4);
        Bytes_Setze32(kopf.data(), g);
        b.push_back(Roh::rahmen(CLIENT_DATA_KOMPLEX_FIRST, kopf));
        for (uint32_t pos = 0; pos < g; pos += NETZ_STUECK)
            b.push_back(Roh::rahmen(CLIENT_DATA_KOMPLEX,
                                    std::vector<uint8_t>(paket + pos, paket + std::min(g, pos + NETZ_STUECK))));
    }
    Mem_Free(paket, 0);
    b.push_back(Roh::rahmen(NETZ_TYP_UPDATE, std::vector<uint8_t>(MW_UPDATE_GROESSE, 'u')));
    b.push_back(Roh::rahmen(NETZ_TYP_LOGOUT, {}));
    return b;
}

// Feeds one stream into a fresh connection record until nothing moves any more.
void durchlaufen(uint32_t handle)
{
    Sock_Info* s = Socket_Get_Socket_Info();
    s->sock = handle;
    const uint8_t peer[8] = {2, 0, 0x40, 0x41, 127, 0, 0, 1};
    std::memcpy(s->peer_adresse, peer, 8);
    int stehend = 0;
    for (int runde = 0; runde < 20000 && s->sock == handle; ++runde) {
        const bool voll = s->empfang_status == SOCKET_EMPFANG_FERTIG;
        if (strom_pos >= strom.size() && !voll) break;
        s->lese_zaehler = 1;
        if (!voll && !s->status) Socket_Receive(s);
        if (s->status) Server_User_Logout(s);
        else Server_Dispatch_Message(s);
        if (s->sock != handle) break;
        // The pump walks every participant: only when it has something to do for this one.
        if (s->mitspieler && (s->empfang_status == SOCKET_EMPFANG_FERTIG || s->mitspieler->ausgang)) {
            Server_Client_Data_Pump();
            uint32_t n = 0;
            int32_t code = 0;
            Mem_Free(Server_Receive_Client_Data(s->mitspieler, &n, &code), 0);
        }
        // The answers "went out": the fake handle has no socket behind it.
        if (s->sock == handle) s->sende_status = 0;
        // A message nobody takes twice running (a piece out of sequence) ends the stream.
        stehend = (voll && s->empfang_status == SOCKET_EMPFANG_FERTIG) ? stehend + 1 : 0;
        if (stehend > 2) break;
    }
    if (s->sock == handle) Server_User_Logout(s);
}

}  // namespace

using Robust = Netz_Test;

TEST_F(Robust, MutatedStreamsThenARealClientIsServed)
{
    Socket_Set_Log_Hook({});
    Server_Einstellungen_Standard();
    Server_Version_Major = 2;
    Server_Version_Minor = 2;
    Socket_Set_Recv_Hook(seam);
    mutation::Folge f(2026);
    stueck_folge = &f;
    std::vector<std::vector<mutation::Block>> basis;
    for (uint32_t i = 1; i <= 8; ++i) basis.push_back(sitzung(i));
    uint32_t handle = 0x7FFF0000;
    const int anzahl = std::getenv("NETZ_MUTATIONEN") ? std::atoi(std::getenv("NETZ_MUTATIONEN")) : 100000;
    for (int i = 0; i < anzahl; ++i) {
        auto bloecke = basis[f.bis(basis.size())];
        // Every fourth stream keeps its good log-in, so that the data pump sees the rest.
        if (i % 4 == 0) {
            auto erster = bloecke[0];
            bloecke.erase(bloecke.begin());
            mutation::mutieren(bloecke, f);
            bloecke.insert(bloecke.begin(), erster);
        } else {
            mutation::mutieren(bloecke, f);
        }
        strom.clear();
        for (const auto& b : bloecke) strom.insert(strom.end(), b.begin(), b.end());
        strom_pos = 0;
        durchlaufen(++handle);
        ASSERT_EQ(Netzuser_Anzahl(), 0) << i;
    }
    for (auto& s : Socket_Tabelle) ASSERT_EQ(s.sock, 0u) << "every record was given back";
    Socket_Set_Recv_Hook(nullptr);
    stueck_folge = nullptr;

    server_starten();
    int code = client_prozess([&] {
        if (!client_anmelden()) return 2;
        const uint8_t d[1] = {0};
        if (!Client_Send_Message(d, 1, NETZ_TYP_TEST, 1)) return 3;
        uint8_t a[4] = {};
        uint32_t n = 4;
        int32_t c = 0;
        Client_Internet_Receive_Data(a, &n, &c, 1, NETZ_TYP_ANTWORT);
        return c == NETZ_EMPFANGEN && Bytes_Hole32(a) == 100 ? 0 : 4;
    });
    EXPECT_EQ(code, 0);
}
