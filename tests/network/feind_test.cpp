// A hostile client on loopback against the server's real pump and handlers: it holds a club and
// sends what the program's own client never would. Offers, the bank's rates, large replies before
// a claim, chat floods and crowds from one address.
#include "netz_hilfe.h"

#include "common/capture.h"

#include "database/db_hilfe.h"
#include "economy/bank.h"
#include "economy/stadion.h"
#include "economy/stadion_intern.h"
#include "gameflow/kalender.h"
#include "gameflow/eingang.h"
#include "network/chat.h"
#include "network/internet_read.h"
#include "network/steuersignal.h"

using namespace netz_test;

namespace {

constexpr int32_t SERVER = 1, FEIND = 2, OPFER = 3;

void server_schritt() { Steuersignal_Verarbeiten(); }

// Runs the server's passes until the condition holds; false after 20 s.
bool schritte_bis(const std::function<bool()>& fertig)
{
    const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!fertig()) {
        if (std::chrono::steady_clock::now() > ende) return false;
        server_schritt();
        Netz_Warten();
    }
    return true;
}

// A 32-bit image, field by field.
struct Bild {
    std::vector<uint8_t> b;
    Bild& w(uint32_t x)
    {
        b.resize(b.size() + 4);
        Bytes_Setze32(b.data() + b.size() - 4, x);
        return *this;
    }
    Bild& f(float x)
    {
        uint32_t u;
        std::memcpy(&u, &x, 4);
        return w(u);
    }
    Bild& roh(const void* d, size_t n)
    {
        const auto* p = static_cast<const uint8_t*>(d);
        b.insert(b.end(), p, p + n);
        while (b.size() % 4) b.push_back(0);
        return *this;
    }
};

struct Feind_Peer {
    Roh roh;
    explicit Feind_Peer(uint16_t port, const char* name = "Feind") : roh(port)
    {
        roh.nachricht(NETZ_TYP_LOGIN, login_bytes(name, 2, 2));
        std::vector<uint8_t> d;
        EXPECT_EQ(roh.nachricht_lesen(&d, server_schritt), NETZ_TYP_ANTWORT);
    }
    void block(const std::vector<uint8_t>& b) const { roh.senden(gepackt_gerahmt(b)); }
    void steuersignal(uint32_t code, int32_t team) const { block(Bild().w(STEUERSIGNAL_MARKE).w(code).w(uint32_t(team)).b); }
    // A remote call; the reply's block (after its format), or empty when the reply did not come.
    std::vector<uint8_t> aufruf(uint32_t nr, const std::string& format, const std::vector<uint8_t>& daten,
                                int32_t team = FEIND) const
    {
        std::vector<uint8_t> m = Bild().w(INTERNET_MARKE).w(nr).w(uint32_t(format.size() + 1)).w(uint32_t(team)).b;
        m.insert(m.end(), format.begin(), format.end());
        m.push_back(0);
        m.insert(m.end(), daten.begin(), daten.end());
        block(m);
        for (int i = 0; i < 50; ++i) {
            const std::vector<uint8_t> a = block_lesen(roh, server_schritt);
            if (a.empty()) return {};
            if (a.size() < 12 || Bytes_Hole32(a.data()) != INTERNET_MARKE || Bytes_Hole32(a.data() + 4) != nr) continue;
            const uint32_t l = Bytes_Hole32(a.data() + 8);
            return std::vector<uint8_t>(a.begin() + 12 + l, a.end());
        }
        return {};
    }
};

std::vector<uint8_t> angebot_bild(const Spieler_Angebot& a)
{
    std::vector<uint8_t> v(sizeof a);
    std::memcpy(v.data(), &a, sizeof a);
    return v;
}

const Spieler_Angebot* gespeichert(int32_t spnr, int32_t bieter, int32_t verein)
{
    for (Liste_Element* e = Richter_Liste.next; e; e = e->next) {
        const auto* a = static_cast<const Spieler_Angebot*>(e->data);
        if (e->key == RICHTER_ANGEBOT && a->spnr == spnr && a->bieter == bieter && a->verein == verein) return a;
    }
    return nullptr;
}

// The network world of the database tests, a server with its own manager, the hostile client's
// club and a third manager's club.
struct Feind : Netz_Test {
    void SetUp() override
    {
        Netz_Test::SetUp();
        Internet_Fern_Anbinden();
        Test_Netz_Welt_Anlegen();
        Manager_Neuer_Mitspieler(SERVER, "Server");
        Manager_Neuer_Mitspieler(FEIND, "Feind");
        Manager_Neuer_Mitspieler(OPFER, "Opfer");
        Server_Team = SERVER;
        Eingang_Set_Spiel_Gestartet(true);
    }
    void TearDown() override
    {
        Test_Bank_Loslassen();
        Eingang_Set_Spiel_Gestartet(false);
        Server_Team = -1;
        Test_Welt_Aufraeumen();
        Netz_Test::TearDown();
    }
    // A peer that has claimed the club.
    std::unique_ptr<Feind_Peer> mit_verein(int32_t team = FEIND)
    {
        auto p = std::make_unique<Feind_Peer>(tcp_port);
        p->steuersignal(SIGNAL_TEAM_NR, team);
        EXPECT_TRUE(schritte_bis([team] { return Netzuser_Get_By_Team(team) != nullptr; }));
        return p;
    }
};

}  // namespace

// The attack of a client on another manager's money: its own player bought by the other club
// for 65,535 thousand DM, marked accepted, confirmed by a change. Nothing of it is taken; a bid
// in its own name is stored with the server's day, rating and answer.
TEST_F(Feind, AnOfferInAnotherClubsNameIsRefusedAndTheServerSetsItsTerms)
{
    server_starten();
    auto peer = mit_verein();
    Spieler_Angebot a{};
    a.tag = 9999;
    a.bewertung = 1000000;
    a.bieter = OPFER;
    a.verein = FEIND;
    a.spnr = 21;
    a.abloese = 65535;
    a.gehalt = 100;
    a.monate = 24;
    a.angenommen = 1;
    peer->aufruf(51, "vV28", Bild().w(1).roh(&a, sizeof a).b);
    EXPECT_EQ(gespeichert(21, OPFER, FEIND), nullptr) << "a bid in another club's name";
    const std::vector<uint8_t> r = peer->aufruf(53, "cV28c", Bild().w(0).w(1).roh(&a, sizeof a).w(0).b);
    EXPECT_EQ(gespeichert(21, OPFER, FEIND), nullptr) << "a change makes no offer";
    Test_Bank_Beobachten(7539571);
    Richter_Check_Spieler_Angebote(21);
    EXPECT_GE(Teamspieler_Ist_Im_Team(FEIND, 21), 0);
    EXPECT_LT(Teamspieler_Ist_Im_Team(OPFER, 21), 0);
    for (const Test_Buchung& b : Test_Buchungen) EXPECT_NE(b.zahler, OPFER);

    // Its own bid for a player of the server's club: taken, with the server's terms.
    a.bieter = FEIND;
    a.verein = SERVER;
    a.spnr = 5;
    a.abloese = 100;
    peer->aufruf(51, "vV28", Bild().w(1).roh(&a, sizeof a).b);
    const Spieler_Angebot* s = gespeichert(5, FEIND, SERVER);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->angenommen, 0);
    EXPECT_EQ(s->bewertung, 0);
    EXPECT_EQ(s->tag, uint32_t(Kalender_Get_Heute()));
    EXPECT_EQ(s->abloese, 100);
    EXPECT_NE(Spieler_Wert(SP_ANGEBOTSZAEHLER, 5, 0, SP_LESEN), 1) << "the rating never shortens the countdown";
    // The bidder cannot accept its own bid nor change its terms afterwards by a change.
    a.abloese = 1;
    const std::vector<uint8_t> r2 = peer->aufruf(53, "cV28c", Bild().w(0).w(1).roh(&a, sizeof a).w(0).b);
    ASSERT_FALSE(r2.empty());
    EXPECT_EQ(Bytes_Hole32(r2.data()), 0u);
    s = gespeichert(5, FEIND, SERVER);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->angenommen, 0);
    EXPECT_EQ(s->abloese, 100);
    // A player of another club: refused.
    a.verein = OPFER;
    peer->aufruf(51, "vV28", Bild().w(1).roh(&a, sizeof a).b);
    EXPECT_EQ(gespeichert(5, FEIND, OPFER), nullptr);
    // It withdraws its own bid.
    a.verein = SERVER;
    peer->aufruf(53, "cV28c", Bild().w(0).w(1).roh(&a, sizeof a).w(1).b);
    EXPECT_EQ(gespeichert(5, FEIND, SERVER), nullptr);
}

// The player's club accepts an offer the bidder cannot pay: the player stays and nothing is
// booked; one he can pay is carried out.
TEST_F(Feind, AnAcceptedOfferPassesTheMoneyChecks)
{
    server_starten();
    auto peer = mit_verein();
    Richter_Spieler_Angebot_Struktur_Erzeugen(OPFER, FEIND, 21, 65535, 0, 100, 24, 0);
    Richter_Spieler_Angebot_Struktur_Erzeugen(OPFER, FEIND, 22, 100, 0, 100, 24, 0);
    for (int32_t spnr : {21, 22}) {
        Spieler_Angebot a = *gespeichert(spnr, OPFER, FEIND);
        a.angenommen = 1;
        a.abloese = 1;  // the terms are not the answering club's to change
        const std::vector<uint8_t> r = peer->aufruf(53, "cV28c", Bild().w(0).w(1).roh(&a, sizeof a).w(0).b);
        ASSERT_FALSE(r.empty());
        EXPECT_EQ(Bytes_Hole32(r.data()), 1u);
        EXPECT_EQ(gespeichert(spnr, OPFER, FEIND)->angenommen, 1);
        EXPECT_NE(gespeichert(spnr, OPFER, FEIND)->abloese, 1);
    }
    Test_Bank_Beobachten(7539571);
    Richter_Check_Spieler_Angebote(21);
    EXPECT_GE(Teamspieler_Ist_Im_Team(FEIND, 21), 0) << "65,535 thousand DM are beyond the bidder's 7.5 million";
    EXPECT_TRUE(Test_Buchungen.empty());
    EXPECT_EQ(gespeichert(21, OPFER, FEIND), nullptr);
    Richter_Check_Spieler_Angebote(22);
    EXPECT_GE(Teamspieler_Ist_Im_Team(OPFER, 22), 0) << "an offer the bidder can pay is carried out";
}

// A deposit at 100 % and a credit at 0 %: the bank's own rates for the term are taken.
TEST_F(Feind, TheBankTakesItsOwnRates)
{
    Bank_Init();
    Bank_Neues_Spiel();
    ASSERT_TRUE(Bank_Konto_Einrichten(FEIND, 1000000, 0));
    server_starten();
    auto peer = mit_verein();
    const int32_t ti = Bank_Laufzeit_Index(48);
    struct Fall {
        int32_t geber, nehmer, art;
        float zins, bank;
    } faelle[] = {{FEIND, -1, 1, 100.0f, Bank_Anlage_Zins[ti]}, {-1, FEIND, 0, 0.0f, Bank_Kredit_Zins[ti]}};
    for (const Fall& f : faelle) {
        const std::vector<uint8_t> r = peer->aufruf(
            1028, "iF4F4iiic",
            Bild().w(0).w(1).f(100000).w(1).f(f.zins).w(uint32_t(f.geber)).w(uint32_t(f.nehmer)).w(48).w(uint32_t(f.art)).b);
        ASSERT_EQ(r.size(), 36u) << f.art;
        EXPECT_EQ(Bytes_Hole32(r.data()), 1u) << f.art;
        float zins = 0;
        std::memcpy(&zins, r.data() + 16, 4);
        EXPECT_EQ(zins, f.bank) << "the reply names the rate taken";
    }
    void* cursor = nullptr;
    int anlagen = 0;
    while (const Bank_Anlage* a = Bank_Naechste_Anlage(FEIND, &cursor)) {
        ++anlagen;
        EXPECT_TRUE(a->zins == Bank_Anlage_Zins[ti] || a->zins == Bank_Kredit_Zins[ti]) << a->zins;
        EXPECT_LT(std::abs(a->endbetrag), 150000) << "48 months at the bank's rate";
    }
    EXPECT_EQ(anlagen, 2);
    Bank_DeInit();
}

// The requests of the bank, the stadium and the database with a field or a block one byte too
// long change nothing; the exact ones are carried out.
TEST_F(Feind, RequestsOneByteTooLongChangeNothing)
{
    Bank_Init();
    Bank_Neues_Spiel();
    ASSERT_TRUE(Bank_Konto_Einrichten(FEIND, 1000000, 0));
    Stadion_Init();
    ASSERT_TRUE(Stadion_Neu(FEIND, nullptr));
    server_starten();
    auto peer = mit_verein();
    auto aktien = [] {
        void* cursor = nullptr;
        const Bank_Aktienbesitz* a = Bank_Naechster_Aktienbesitz(FEIND, &cursor, 0, 1);
        return a ? a->anzahl : 0;
    };
    const std::vector<uint8_t> kauf = Bild().w(0).w(FEIND).w(5).w(0).w(1).b;
    std::vector<uint8_t> lang = kauf;
    lang.push_back(0);
    peer->aufruf(1029, "iiiii", lang);
    EXPECT_EQ(aktien(), 0) << "bank, block one byte long";
    peer->aufruf(1029, "iiiii", kauf);
    EXPECT_EQ(aktien(), 5) << "bank, the exact request";

    const float preise[6] = {21, 22, 23, 24, 25, 26};
    const float alt = Stadion_Finden(FEIND)->preis[0];
    peer->aufruf(1017, "viC25", Bild().w(FEIND).w(1).roh(preise, 24).w(0).b);
    EXPECT_EQ(Stadion_Finden(FEIND)->preis[0], alt) << "stadium, field one byte long";
    std::vector<uint8_t> preis_bild = Bild().w(FEIND).w(1).roh(preise, 24).b;
    preis_bild.push_back(0);
    peer->aufruf(1017, "viC24", preis_bild);
    EXPECT_EQ(Stadion_Finden(FEIND)->preis[0], alt) << "stadium, block one byte long";
    preis_bild.pop_back();
    peer->aufruf(1017, "viC24", preis_bild);
    EXPECT_EQ(Stadion_Finden(FEIND)->preis[0], 21.0f) << "stadium, the exact request";

    Spieler_Angebot a{};
    a.bieter = FEIND;
    a.verein = SERVER;
    a.spnr = 6;
    a.abloese = 50;
    a.gehalt = 50;
    a.monate = 24;
    peer->aufruf(51, "vV29", Bild().w(1).roh(&a, sizeof a).w(0).b);
    EXPECT_EQ(gespeichert(6, FEIND, SERVER), nullptr) << "database, field one byte long";
    std::vector<uint8_t> angebot = Bild().w(1).roh(&a, sizeof a).b;
    angebot.push_back(0);
    peer->aufruf(51, "vV28", angebot);
    EXPECT_EQ(gespeichert(6, FEIND, SERVER), nullptr) << "database, block one byte long";
    angebot.pop_back();
    peer->aufruf(51, "vV28", angebot);
    EXPECT_NE(gespeichert(6, FEIND, SERVER), nullptr) << "database, the exact request";
    Stadion_DeInit();
    Bank_DeInit();
}
