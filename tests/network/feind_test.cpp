// A hostile client on loopback against the server's real pump and handlers: it holds a club and
// sends what the program's own client never would. Offers, the bank's rates, large replies before
// a claim, chat floods and crowds from one address; and a line that dies without a word.
#include <net/if.h>
#include <netinet/tcp.h>
#include <sched.h>
#include <sys/ioctl.h>

#include "feind_hilfe.h"

#include "common/capture.h"

#include "database/db_hilfe.h"
#include "economy/bank.h"
#include "economy/stadion.h"
#include "economy/stadion_intern.h"
#include "gameflow/kalender.h"
#include "gameflow/ablauf.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/news.h"
#include "gameflow/team_requester.h"
#include "database/richter.h"
#include "economy/trainingslager.h"
#include "network/chat.h"
#include "network/internet_read.h"
#include "network/steuersignal.h"
#include "match/spielfeld_netz.h"
#include "signal_welt.h"

using namespace netz_test;

namespace {

// Whether this process may repair TCP connections, the right it takes to end one without a word.
bool darf_reparieren()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    const int ja = 1;
    const bool darf = setsockopt(fd, IPPROTO_TCP, TCP_REPAIR, &ja, sizeof ja) == 0;
    close(fd);
    return darf;
}

// The peer's system forgets the connection without a word to the server, as a pulled cable or a
// machine switched off leaves it: neither end nor reset goes out.
bool wortlos_verschwinden(Roh& peer)
{
    const int ja = 1;
    if (setsockopt(peer.fd, IPPROTO_TCP, TCP_REPAIR, &ja, sizeof ja) != 0) return false;
    peer.schliessen();
    return true;
}

// A network of this process's own, in which an unprivileged user holds the rights over it: a
// user namespace maps him to its root, and the loopback comes up. The process must have one thread.
bool eigenes_netz()
{
    const uid_t uid = getuid();
    const gid_t gid = getgid();
    if (unshare(CLONE_NEWUSER | CLONE_NEWNET) != 0) return false;
    const auto schreiben = [](const char* datei, const std::string& text) {
        std::ofstream f(datei);
        f << text;
        return bool(f.flush());
    };
    if (!schreiben("/proc/self/setgroups", "deny") || !schreiben("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
        !schreiben("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
        return false;
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    ifreq ifr{};
    std::strcpy(ifr.ifr_name, "lo");
    bool oben = ioctl(fd, SIOCGIFFLAGS, &ifr) == 0;
    ifr.ifr_flags = short(ifr.ifr_flags | IFF_UP);
    oben = oben && ioctl(fd, SIOCSIFFLAGS, &ifr) == 0;
    close(fd);
    return oben;
}

// Runs the body where connections may be ended without a word: in this process when it may, else
// in a child in a network of its own, whose failures fail the test. False when neither can be.
bool wo_leitungen_sterben_duerfen(const std::function<void()>& koerper)
{
    if (darf_reparieren()) {
        koerper();
        return true;
    }
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        if (!eigenes_netz() || !darf_reparieren()) _exit(77);
        koerper();
        std::fflush(nullptr);
        _exit(testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
    if (code == 77) return false;
    EXPECT_EQ(code, 0) << "the run in a network of its own failed (its messages above)";
    return true;
}

// A raw peer whose connection comes from the loopback address 127.0.0.x.
int von_adresse(uint8_t x, uint16_t port) { return verbinden_von(0x7F000000u | x, port); }

const Spieler_Angebot* gespeichert(int32_t spnr, int32_t bieter, int32_t verein)
{
    for (Liste_Element* e = Richter_Liste.next; e; e = e->next) {
        const auto* a = static_cast<const Spieler_Angebot*>(e->data);
        if (e->key == RICHTER_ANGEBOT && a->spnr == spnr && a->bieter == bieter && a->verein == verein) return a;
    }
    return nullptr;
}

}  // namespace

// The attack of a client on another manager's money: its own player bought by the other club
// for 65,535 thousand DM, marked accepted, confirmed by a change. Nothing of it is taken; a bid
// in its own name is stored with the server's day, rating and answer.
TEST_F(Feind, AnOfferInAnotherClubsNameIsRefusedAndTheServerSetsItsTerms)
{
    server_starten();
    auto peer = mit_verein();
    Spieler_Angebot a = angebot_von(OPFER, FEIND, 21, 65535);
    a.tag = 9999;
    a.bewertung = 1000000;
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
    // Once the server's manager has accepted it, a new bid changes nothing of it.
    Spieler_Angebot angenommen = *s;
    angenommen.angenommen = 1;
    Richter_Set_Spieler_Angebot(&angenommen, false, false);
    peer->aufruf(51, "vV28", Bild().w(1).roh(&a, sizeof a).b);
    EXPECT_EQ(gespeichert(5, FEIND, SERVER)->abloese, 100);
    EXPECT_EQ(gespeichert(5, FEIND, SERVER)->angenommen, 1);
    angenommen.angenommen = 0;
    Richter_Set_Spieler_Angebot(&angenommen, false, false);
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

    const Spieler_Angebot a = angebot_von(FEIND, SERVER, 6, 50);
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

namespace {

// A chat packet as a client sends it: one line of text (mode 1) or a 40-byte notice.
std::vector<uint8_t> chat(uint32_t modus, const std::string& text = {}, uint32_t tl = 0)
{
    if (modus != CHAT_TEXT) return Bild().w(CHAT_MARKE).w(CHAT_KOPF).w(FEIND).w(0).w(modus).w(0).w(0).w(0).w(0).w(0).b;
    if (!tl) tl = uint32_t(text.size()) + 1;
    std::vector<uint8_t> b = Bild().w(CHAT_MARKE).w(CHAT_KOPF + 4 + tl).w(FEIND).w(0).w(CHAT_TEXT).w(tl).w(1).w(0).w(0).w(0).w(0).b;
    b.insert(b.end(), text.begin(), text.end());
    b.resize(CHAT_KOPF + 4 + tl, 0);
    return b;
}

// The blocks that have come to the peer so far, whole.
std::vector<std::vector<uint8_t>> bloecke_gekommen(const Roh& peer)
{
    for (int i = 0; i < 100; ++i) {
        server_schritt();
        Netz_Warten();
    }
    std::vector<std::vector<uint8_t>> aus;
    pollfd p{peer.fd, POLLIN, 0};
    while (poll(&p, 1, 50) > 0) {
        std::vector<uint8_t> b = block_lesen(peer, server_schritt);
        if (b.empty()) break;
        aus.push_back(std::move(b));
    }
    return aus;
}

// The chat packets of the mode that have come to the peer so far.
std::vector<std::vector<uint8_t>> chat_gekommen(const Roh& peer, uint32_t modus)
{
    std::vector<std::vector<uint8_t>> aus;
    for (auto& b : bloecke_gekommen(peer))
        if (b.size() >= CHAT_KOPF && Bytes_Hole32(b.data()) == CHAT_MARKE && Bytes_Hole32(b.data() + 16) == modus)
            aus.push_back(std::move(b));
    return aus;
}

}  // namespace

// Before its claim a participant gets the start lists, not 4 MB of zeros, and after it no more
// than a megabyte; one that never reads is logged out before the server has packed much for it.
TEST_F(Feind, LargeRepliesBeforeTheClaimAndUnreadRepliesAreBounded)
{
    server_starten();
    Feind_Peer ohne(tcp_port, "Ohne");
    const std::vector<uint8_t> zwei_felder = Bild().w(1).w(1).b;
    EXPECT_EQ(ohne.aufruf(17, "vC<46I<4", zwei_felder, -1).size(), 60u) << "the free clubs as the client asks";
    EXPECT_LT(ohne.aufruf(17, "vC<4194000I<4", zwei_felder, -1).size(), 64u << 10) << "4 MB before the claim";

    // After its claim, fields up to a megabyte, which no honest call reaches, and not beyond.
    auto peer = mit_verein();
    const uint32_t rand = INTERNET_FELDER_MAX - 4;
    EXPECT_GT(peer->aufruf(17, "vC<" + std::to_string(rand) + "I<4", zwei_felder).size(), rand) << "at the limit";
    EXPECT_LT(peer->aufruf(17, "vC<" + std::to_string(rand + 1) + "I<4", zwei_felder).size(), 64u << 10)
        << "a byte beyond it";
    EXPECT_LT(peer->aufruf(17, "vC<4194000I<4", zwei_felder).size(), 64u << 10) << "4 MB after the claim";

    // Replies of 4 MB that pack to little wait for a participant that does not read: a few, not
    // the queue's 64 blocks.
    Mitspieler_Eintrag* m = Netzuser_Get_By_Team(FEIND);
    ASSERT_NE(m, nullptr);
    const std::vector<uint8_t> nullen(SENDBLOCK_SIZE, 0);
    int angenommen = 0;
    while (Netzuser_Get_By_Team(FEIND) && angenommen < 100)
        angenommen += Server_Send_Client_Data(m, nullen.data(), uint32_t(nullen.size()));
    EXPECT_EQ(Netzuser_Get_By_Team(FEIND), nullptr);
    EXPECT_EQ(uint64_t(angenommen) * SENDBLOCK_SIZE, NETZUSER_UNGELESEN_BYTES) << "one going out, two waiting";
    EXPECT_TRUE(log_hat("too slow"));
    // Others are served as before.
    EXPECT_EQ(ohne.aufruf(17, "vC<46I<4", zwei_felder, -1).size(), 60u);
}

// A flood of texts is cut to the rate, control characters become blanks, and an "enter" notice
// that changes nothing makes the server send no status list.
TEST_F(Feind, ChatIsBoundedPerParticipantAndCleaned)
{
    server_starten();
    auto opfer = mit_verein(OPFER);
    auto peer = mit_verein(FEIND);
    peer->block(chat(CHAT_BETRETEN));
    EXPECT_GE(chat_gekommen(opfer->roh, CHAT_STATUS).size(), 1u) << "entering is news";
    chat_gekommen(peer->roh, CHAT_STATUS);
    for (int i = 0; i < 5; ++i) peer->block(chat(CHAT_BETRETEN));
    EXPECT_EQ(chat_gekommen(opfer->roh, CHAT_STATUS).size(), 0u) << "entering again is not";
    EXPECT_EQ(chat_gekommen(peer->roh, CHAT_STATUS).size(), 5u) << "the one entering hears the list";

    peer->block(chat(CHAT_TEXT, "Hallo\x01\x1b[2J\x7f Gr\xfc\xdf"));
    for (int i = 0; i < 100; ++i) peer->block(chat(CHAT_TEXT, "Flut " + std::to_string(i)));
    const auto texte = chat_gekommen(opfer->roh, CHAT_TEXT);
    ASSERT_GE(texte.size(), 1u);
    // What is left of the burst and a refill or two of a slow machine: far from the hundred.
    EXPECT_LE(texte.size(), size_t(CHAT_PAKETE_BURST) + 10);
    const char* erster = reinterpret_cast<const char*>(texte[0].data() + CHAT_KOPF + 4);
    EXPECT_STREQ(erster, "Hallo  [2J  Gr\xfc\xdf") << "control characters are blanks, the umlauts stay";
}

// One address fills no more than its share of the table, the server's own machine too.
TEST_F(Feind, ParticipantsPerAddressAreBounded)
{
    server_starten();
    std::vector<std::unique_ptr<Roh>> peers;
    auto anmelden = [&](uint8_t x) {
        peers.push_back(std::make_unique<Roh>(von_adresse(x, tcp_port)));
        peers.back()->nachricht(NETZ_TYP_LOGIN, login_bytes("Menge", 2, 2));
        std::vector<uint8_t> d;
        EXPECT_EQ(peers.back()->nachricht_lesen(&d, server_schritt), NETZ_TYP_ANTWORT);
        Mw_User_Login r{};
        if (d.size() == MW_USER_LOGIN_GROESSE) Mw_User_Login_Lesen(d.data(), &r);
        return r;
    };
    for (int i = 0; i < NETZ_ANMELDUNGEN_PRO_ADRESSE; ++i)
        EXPECT_EQ(anmelden(2).middle_ware_response, MW_ANTWORT_ANGENOMMEN) << i;
    const Mw_User_Login r = anmelden(2);
    EXPECT_EQ(r.middle_ware_response, 0u);
    EXPECT_STREQ(r.message_to_user, "Zu viele Anmeldungen von Ihrer Adresse");
    EXPECT_EQ(anmelden(3).middle_ware_response, MW_ANTWORT_ANGENOMMEN) << "another address";
    for (int i = 0; i < NETZ_ANMELDUNGEN_PRO_ADRESSE + 2; ++i)
        EXPECT_EQ(anmelden(1).middle_ware_response, i < NETZ_ANMELDUNGEN_PRO_ADRESSE ? MW_ANTWORT_ANGENOMMEN : 0u)
            << "the server's own machine " << i;
}

// While a game runs, a participant that pings but claims no club goes within the idle time and
// the check after it, and so does a connection that never logs in; one with a club stays, and so
// does a manager who has fetched the free clubs and takes his time over the choice.
TEST_F(Feind, AParticipantWithoutAClubGoesAfterTheIdleTime)
{
    Socket_Set_Uhr(test_uhr);
    server_starten();
    auto mit = mit_verein();
    Feind_Peer waehlt(tcp_port, "Waehlt");
    EXPECT_EQ(waehlt.aufruf(17, "vC<46I<4", Bild().w(1).w(1).b, -1).size(), 60u) << "the free clubs";
    Feind_Peer ohne(tcp_port, "Ohne");
    Roh stumm(tcp_port);
    ASSERT_EQ(Netzuser_Anzahl(), 3);
    const uint32_t start = uhr_wert;
    uint32_t weg = 0;
    for (uint32_t sekunde = 1; sekunde <= 300; ++sekunde) {
        uhr_wert = start + sekunde * 1000;
        if (sekunde % 30 == 0)
            for (const Roh* r : {&ohne.roh, &mit->roh, &waehlt.roh, &stumm}) r->nachricht(NETZ_TYP_PING, {0, 0, 0, 0});
        for (int i = 0; i < 5; ++i) {
            Netz_Server_Pumpe();
            if (sekunde % 30 == 0) Netz_Warten();
        }
        if (Netzuser_Anzahl() < 3 && !weg) weg = sekunde * 1000;
    }
    EXPECT_GT(weg, SERVER_IDLE_LIMIT);
    EXPECT_LE(weg, SERVER_IDLE_LIMIT + 2 * SERVER_IDLE_PRUEFUNG);
    EXPECT_NE(Netzuser_Get_By_Team(FEIND), nullptr) << "the participant with a club stays";
    EXPECT_EQ(Netzuser_Anzahl(), 2) << "the one choosing its club stays";
    // The connection that never logged in has been closed: its read ends.
    char b[64];
    ssize_t n = 0;
    for (int i = 0; i < 100 && (n = recv(stumm.fd, b, sizeof b, MSG_DONTWAIT)) > 0; ++i) {}
    EXPECT_EQ(n, 0) << "a connection that never logs in goes";
}

// A line that dies without a word frees its club long before the idle time: the program's clock
// stands still here, so only the connection's own check can notice. A participant that is alive
// but quiet, sending and reading nothing, keeps its club; the dead one's is claimed again.
TEST_F(Feind, ALineThatDiesWithoutAWordFreesItsClub)
{
    const bool gelaufen = wo_leitungen_sterben_duerfen([this] {
        Socket_Set_Uhr(test_uhr);
        server_starten();
        auto still = mit_verein(OPFER);
        auto tot = mit_verein(FEIND);
        ASSERT_NE(Netzuser_Get_By_Team(FEIND), nullptr);
        // What the server had to say has arrived: from here on it sends the dead line nothing,
        // which would meet the peer's system without the connection and come back as a reset.
        const auto ruhe = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
        schritte_bis([&] { return std::chrono::steady_clock::now() > ruhe; });
        ASSERT_TRUE(wortlos_verschwinden(tot->roh));
        const uint32_t uhr = uhr_wert;
        EXPECT_TRUE(schritte_bis([] { return Netzuser_Get_By_Team(FEIND) == nullptr; }, int(2 * OS_SOCKET_TOT_MS)))
            << "the dead line still holds its club";
        EXPECT_EQ(uhr_wert, uhr) << "the program's clock stood still";
        EXPECT_NE(Netzuser_Get_By_Team(OPFER), nullptr) << "the quiet participant keeps its club";
        auto wieder = mit_verein(FEIND);
        EXPECT_NE(Netzuser_Get_By_Team(FEIND), nullptr) << "the club is free to claim again";
        EXPECT_NE(Netzuser_Get_By_Team(OPFER), nullptr);
    });
    if (!gelaufen) GTEST_SKIP() << "no way here to end a connection without a word (no CAP_NET_ADMIN, no user namespaces)";
}

// The server stood still (a busy machine) while a client's minute came: the minute is read before
// the client is judged, and it is not cut off as too slow.
TEST_F(Feind, AMinuteThatCameWhileTheServerStoodStillIsNoMinuteMissed)
{
    Socket_Set_Uhr(test_uhr);
    server_starten();
    auto peer = mit_verein();
    signal_welt::spiele.clear();
    Spielfeld_Netz_Zuruecksetzen();
    Spielfeld_Netz_Set_Records(signal_welt::spiele_geben);
    Spielfeld_Record* r = signal_welt::spiel_anlegen(1, FEIND, SERVER, 0);
    Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
    // On its way and at its kick-off: from here the usual wait for its minute.
    peer->steuersignal(SIGNAL_AM_SPIEL, FEIND);
    peer->steuersignal(SIGNAL_AM_SPIEL, FEIND);
    EXPECT_TRUE(schritte_bis([r] { return (Spielfeld_Netz_Flags(r, 0) & SPIELFELD_NETZ_AM_SPIEL) != 0; }));
    for (int i = 0; i < 20; ++i) {
        server_schritt();
        Netz_Warten();
    }
    Spielfeld_Minute_Ende(r, 0);
    ASSERT_TRUE(Spielfeld_Netz_Wartet(r));
    peer->block(Bild().w(STEUERSIGNAL_MARKE).w(SIGNAL_MINUTE).w(FEIND).w(0).w(1).w(0).b);
    usleep(100000);
    uhr_wert += STEUERSIGNAL_WARTEZEIT + 1000;
    server_schritt();
    EXPECT_FALSE(Spielfeld_Netz_Flags(r, 0) & SPIELFELD_NETZ_RAUS) << "cut off with its minute come";
    EXPECT_FALSE(Spielfeld_Netz_Wartet(r));
    Ablauf_Zustand = 0;
    Spielfeld_Netz_Set_Records(nullptr);
    signal_welt::spiele.clear();
    Spielfeld_Netz_Zuruecksetzen();
}

// An empty pass word is refused like an empty name.
TEST_F(Feind, ALogInWithoutPassWordIsRefused)
{
    server_starten();
    Mw_User_Login r{};
    std::memcpy(r.user_name, "Name", 4);
    r.major_version = r.minor_version = 2;
    std::vector<uint8_t> b(MW_USER_LOGIN_GROESSE);
    Mw_User_Login_Schreiben(r, b.data());
    Roh peer(tcp_port);
    peer.nachricht(NETZ_TYP_LOGIN, b);
    std::vector<uint8_t> d;
    ASSERT_EQ(peer.nachricht_lesen(&d, server_schritt), NETZ_TYP_ANTWORT);
    ASSERT_EQ(d.size(), MW_USER_LOGIN_GROESSE);
    Mw_User_Login a{};
    Mw_User_Login_Lesen(d.data(), &a);
    EXPECT_EQ(a.middle_ware_response, 0u);
    EXPECT_STREQ(a.message_to_user, "Anmeldung ohne Name oder Passwort");
    EXPECT_EQ(Netzuser_Anzahl(), 0);
}

// The limits of the packet checks, each at its edge: a control packet's minute, a chat text's
// length, the pointer fields of a call.
TEST_F(Feind, MinuteTextLengthAndPointerFieldsAtTheirEdge)
{
    Steuersignal_Paket q{};
    for (uint32_t minute : {199u, 200u}) {
        const auto b = Bild().w(STEUERSIGNAL_MARKE).w(SIGNAL_MINUTE).w(1).w(minute).w(0).w(0).b;
        EXPECT_EQ(Steuersignal_Paket_Lesen(b.data(), uint32_t(b.size()), &q), minute < 200) << minute;
    }
    for (uint32_t tl : {CHAT_TEXT_MAX + 1, CHAT_TEXT_MAX + 2}) {
        const auto b = chat(CHAT_TEXT, std::string(tl - 1, 'x'), tl);
        EXPECT_EQ(Chat_Paket_Pruefen(b.data(), uint32_t(b.size())), tl <= CHAT_TEXT_MAX + 1) << tl;
    }
    std::vector<uint8_t> block(SENDBLOCK_SIZE);
    for (int n : {INTERNET_ZEIGER_MAX, INTERNET_ZEIGER_MAX + 1}) {
        std::string format = "v";
        for (int k = 0; k < n; ++k) format += "C1";
        std::fill(block.begin(), block.end(), 0);
        for (int k = 0; k < n; ++k) block[size_t(8 * k)] = 1;
        uint32_t laenge = uint32_t(8 * n);
        Internet_Positionen p{};
        EXPECT_EQ(Internet_Get_Blockpositionen(0, block.data(), &laenge, format.c_str(), &p), n <= INTERNET_ZEIGER_MAX)
            << n << " pointer fields";
    }
}

// A block whose unpacked length is the largest a client sends is taken; one byte more ends the
// connection unread.
TEST_F(Feind, TheClientBlockBoundHoldsToTheByte)
{
    server_starten();
    for (uint32_t n : {NETZ_CLIENT_BLOCK_MAX, NETZ_CLIENT_BLOCK_MAX + 1}) {
        Feind_Peer peer(tcp_port, "Block");
        Mitspieler_Eintrag* m = nullptr;
        for (int i = 0; i < NETZUSER_ANZAHL; ++i)
            if (Mitspieler[i].in_benutzung && Mitspieler[i].sock_info && !m) m = &Mitspieler[i];
        ASSERT_NE(m, nullptr);
        peer.block(std::vector<uint8_t>(n, 7));
        uint8_t* b = nullptr;
        uint32_t laenge = 0;
        int32_t code = NETZ_NICHTS;
        pumpen_bis([&] { return (b = Server_Receive_Client_Data(m, &laenge, &code)) != nullptr || code == NETZ_FEHLER; });
        EXPECT_EQ(code, n <= NETZ_CLIENT_BLOCK_MAX ? NETZ_EMPFANGEN : NETZ_FEHLER) << n;
        EXPECT_EQ(laenge, n <= NETZ_CLIENT_BLOCK_MAX ? n : 0u);
        Mem_Free(b, 0);
        peer.roh.schliessen();
        ASSERT_TRUE(pumpen_bis([] { return Netzuser_Anzahl() == 0; }));
    }
}

// The same edges played by a peer against the server's pump: a minute signal of the last minute
// a record holds frees it and one beyond is refused unread; a chat text of the longest length
// reaches the other participant and one a byte longer does not; a call of as many pointer
// fields as a block can hold is answered with its block and one more field with none.
TEST_F(Feind, APeersPacketsAtTheirEdgesAreTakenOrRefused)
{
    server_starten();
    auto opfer = mit_verein(OPFER);
    auto peer = mit_verein(FEIND);
    Fehler_Capture f;

    signal_welt::spiele.clear();
    Spielfeld_Netz_Zuruecksetzen();
    Spielfeld_Netz_Set_Records(signal_welt::spiele_geben);
    Spielfeld_Record* r = signal_welt::spiel_anlegen(1, FEIND, SERVER, 0);
    Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
    const int32_t letzte = SPIELFELD_NETZ_MINUTEN - 1;
    for (int32_t minute : {letzte, letzte + 1}) {
        f.texts.clear();
        peer->block(Bild().w(STEUERSIGNAL_MARKE).w(SIGNAL_MINUTE).w(FEIND).w(uint32_t(minute)).w(1).w(0).b);
        chat_gekommen(peer->roh, CHAT_TEXT);
        EXPECT_EQ(f.contains("Unbekanntes Steuersignal vom Client!"), minute > letzte) << minute;
    }
    EXPECT_TRUE(Spielfeld_Netz_Freigegeben(r, 0, letzte));
    Ablauf_Zustand = 0;
    Spielfeld_Netz_Set_Records(nullptr);
    signal_welt::spiele.clear();
    Spielfeld_Netz_Zuruecksetzen();

    for (uint32_t tl : {CHAT_TEXT_MAX + 1, CHAT_TEXT_MAX + 2}) {
        peer->block(chat(CHAT_TEXT, std::string(tl - 1, 'x'), tl));
        EXPECT_EQ(chat_gekommen(opfer->roh, CHAT_TEXT).size(), tl <= CHAT_TEXT_MAX + 1 ? 1u : 0u) << tl;
    }

    // A number no module serves: the reply carries the block as the fields lay it out.
    for (int n : {INTERNET_ZEIGER_MAX, INTERNET_ZEIGER_MAX + 1}) {
        std::string format = "v";
        Bild b;
        for (int k = 0; k < n; ++k) {
            format += "C1";
            b.w(1).w(uint32_t(k));
        }
        EXPECT_EQ(peer->aufruf(999, format, b.b).size(), n <= INTERNET_ZEIGER_MAX ? b.b.size() : 0u) << n << " pointer fields";
    }
}

// A client that holds its club but never sends its day's data back holds the server's collection
// for the ten seconds its stamp lives, not a moment longer, and so again on the next day: nothing
// bounds the days it may cost. It keeps its club.
TEST_F(Feind, AClientThatNeverSendsItsDayBackHoldsEachDaysCollectionTenSeconds)
{
    Socket_Set_Uhr(test_uhr);
    server_starten();
    auto peer = mit_verein();
    for (int tag = 0; tag < 2; ++tag) {
        Ablauf_Zustand = ABLAUF_DATEN_SAMMELN;
        Steuersignal_Zeiten_Zuruecksetzen();
        const uint32_t start = uhr_wert;
        for (uint32_t nach : {0u, STEUERSIGNAL_WARTEZEIT / 2, STEUERSIGNAL_WARTEZEIT - 1}) {
            uhr_wert = start + nach;
            for (int i = 0; i < 20; ++i) server_schritt();
            EXPECT_EQ(Ablauf_Zustand, ABLAUF_DATEN_SAMMELN) << tag << ": " << nach << " ms";
        }
        uhr_wert = start + STEUERSIGNAL_WARTEZEIT;
        server_schritt();
        EXPECT_EQ(Ablauf_Zustand, ABLAUF_DATEN_GESAMMELT) << tag;
        EXPECT_NE(Netzuser_Get_By_Team(FEIND), nullptr) << tag;
    }
    Ablauf_Zustand = 0;
}

namespace {

// The messages in the store for the club from the sending club.
int nachrichten(int32_t an, int32_t von)
{
    int n = 0;
    for (int32_t i = 0; i < NEWS_MAX; ++i)
        if (const News_Nachricht* m = News_Get_Nachricht(i)) n += m->team == an && m->sender_team == von;
    return n;
}

int offene_fragen(int32_t an)
{
    int n = 0;
    for (int32_t i = 0; i < NEWS_MAX; ++i)
        if (const News_Nachricht* m = News_Get_Nachricht(i)) n += m->team == an && (m->flags & NEWS_FLAG_OFFEN);
    return n;
}

}  // namespace

// A client posts a thousand texts to another manager and to every manager: the other managers
// get the day's few, and once the store is full of texts nobody reads, a question the server
// asks still arrives.
TEST_F(Feind, AFloodOfTextsFillsNoOtherMailbox)
{
    News_Init();
    server_starten();
    auto peer = mit_verein();
    const std::string text = "Spam";
    for (int i = 0; i < 1000; ++i) {
        const int32_t an = i % 2 ? OPFER : -1;
        peer->aufruf(1003, "iiC5", Bild().w(0).w(uint32_t(an)).w(1).roh(text.c_str(), 5).b);
    }
    EXPECT_GT(nachrichten(OPFER, FEIND), 0) << "a few texts are ordinary";
    EXPECT_LE(nachrichten(OPFER, FEIND), 10);
    EXPECT_LE(nachrichten(SERVER, FEIND), 10);
    // Its own mailbox takes more, but not without end.
    for (int i = 0; i < 200; ++i) peer->aufruf(1003, "iiC5", Bild().w(0).w(FEIND).w(1).roh(text.c_str(), 5).b);
    EXPECT_LE(News_Anzahl(), 3 * 100);

    while (News_Senden(-1, OPFER, -1, NEWS_ART_TEXT, nullptr, "Ungelesen") >= 0) {
    }
    EXPECT_EQ(nachrichten(OPFER, -1), NEWS_MAX / 3 - nachrichten(OPFER, FEIND)) << "the club's share is full";
    const News_Frage f{{3, SERVER, OPFER, 10, 0, 0, 0, -1}};
    EXPECT_GE(News_Senden(-1, OPFER, SERVER, NEWS_ART_FRAGE, &f, "Freundschaftsspiel?"), 0) << "the question is dropped";
    EXPECT_EQ(offene_fragen(OPFER), 1);
    News_Init();
}

// A thousand friendly proposals to one club: one waits in the arbiter's list, and once it has
// become the other manager's question none comes while it stands open.
TEST_F(Feind, OneOpenFriendlyProposalPerPairOfClubs)
{
    News_Init();
    // the server enters each proposal it takes in its own appointment table
    Trainingslager_Init();
    Trainingslager_Set_Termin_Abfrage([](int32_t, int32_t, int32_t) { return int32_t(1); });
    server_starten();
    auto peer = mit_verein();
    Trainingslager_Buchung b{};
    b.art = 2;
    b.belegt = 1;
    b.slot = 0;
    b.team = FEIND;
    b.ziel = OPFER;
    b.erster_tag = b.letzter_tag = uint32_t(Kalender_Get_Heute() + 20);
    auto vorschlagen = [&](int mal) {
        for (int i = 0; i < mal; ++i) {
            b.erster_tag = b.letzter_tag = uint32_t(Kalender_Get_Heute() + 20 + i % 40);
            peer->aufruf(52, "iC44ii", Bild().w(0).w(1).roh(&b, sizeof b).w(sizeof b).w(RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG).b);
        }
    };
    auto im_richter = [] {
        int n = 0;
        for (Liste_Element* e = Richter_Liste.next; e; e = e->next) n += e->key == RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG;
        return n;
    };
    vorschlagen(500);
    EXPECT_EQ(im_richter(), 1);
    Richter_Jeden_Tag();
    EXPECT_EQ(im_richter(), 0);
    EXPECT_EQ(offene_fragen(OPFER), 1);
    vorschlagen(500);
    EXPECT_EQ(im_richter(), 0) << "the question stands open";
    Richter_Jeden_Tag();
    EXPECT_EQ(offene_fragen(OPFER), 1);
    Trainingslager_Set_Termin_Abfrage(nullptr);
    Trainingslager_DeInit();
    News_Init();
}

// A client ends its turn a thousand times: the server's own manager and the other client are
// told once.
TEST_F(Feind, ATurnEndsOnceADay)
{
    static int gezeigt = 0;
    gezeigt = 0;
    Team_Requester_Set_Anzeige([](int32_t, int32_t, const char*) -> uint8_t {
        ++gezeigt;
        return 1;
    });
    server_starten();
    auto opfer = mit_verein(OPFER);
    auto peer = mit_verein(FEIND);
    bloecke_gekommen(opfer->roh);
    Netz_Rolle = 3;
    Ablauf_Zustand = ABLAUF_MENUERUNDE;
    for (int i = 0; i < 1000; ++i) peer->steuersignal(SIGNAL_ZUG_BEENDET, FEIND);
    ASSERT_TRUE(schritte_bis([] { return gezeigt > 0; }));
    int relais = 0;
    for (const auto& b : bloecke_gekommen(opfer->roh))
        relais += b.size() >= 12 && Bytes_Hole32(b.data()) == STEUERSIGNAL_MARKE &&
                  Bytes_Hole32(b.data() + 4) == SIGNAL_ZUG_BEENDET_RELAIS;
    EXPECT_EQ(gezeigt, 1);
    EXPECT_EQ(relais, 1);
    Ablauf_Zustand = 0;
    Netz_Rolle = 2;
    Team_Requester_Set_Anzeige(nullptr);
}

// Three hundred connections from one address, the server's own among them, that never log in:
// a newcomer from another address logs in, a ninth connection from the crowding one is told why
// it goes, and the crowd's records are free again a few seconds later.
TEST_F(Feind, ACrowdFromOneAddressLocksNobodyOut)
{
    Socket_Set_Uhr(test_uhr);
    server_starten();
    for (uint8_t voll : {1, 3}) {
        std::vector<std::unique_ptr<Roh>> menge;
        for (int i = 0; i < 300; ++i) {
            menge.push_back(std::make_unique<Roh>(von_adresse(voll, tcp_port)));
            if (i % 16 == 0) Netz_Server_Pumpe();
        }
        pumpen_bis([] { return false; }, 300);
        Roh neu(von_adresse(voll == 1 ? 2 : 1, tcp_port));
        neu.nachricht(NETZ_TYP_LOGIN, login_bytes("Neu", 2, 2));
        std::vector<uint8_t> d;
        ASSERT_EQ(neu.nachricht_lesen(&d, server_schritt), NETZ_TYP_ANTWORT) << int(voll);
        Mw_User_Login r{};
        Mw_User_Login_Lesen(d.data(), &r);
        EXPECT_EQ(r.middle_ware_response, MW_ANTWORT_ANGENOMMEN) << int(voll) << ": " << r.message_to_user;
        // One more from the crowding address is told why it goes.
        Roh noch(von_adresse(voll, tcp_port));
        noch.nachricht(NETZ_TYP_LOGIN, login_bytes("Noch", 2, 2));
        ASSERT_EQ(noch.nachricht_lesen(&d, server_schritt), NETZ_TYP_ANTWORT) << int(voll);
        Mw_User_Login_Lesen(d.data(), &r);
        EXPECT_STREQ(r.message_to_user, "Zu viele Anmeldungen von Ihrer Adresse");
        int belegt = 0;
        for (const Sock_Info& s : Socket_Tabelle) belegt += s.sock != 0;
        EXPECT_LE(belegt, 2 + NETZ_ANMELDUNGEN_PRO_ADRESSE) << "listening, the newcomer and the crowd's share";
        uhr_wert += SERVER_LOGIN_FRIST + 1;
        for (int i = 0; i < 5; ++i) Netz_Server_Pumpe();
        belegt = 0;
        for (const Sock_Info& s : Socket_Tabelle) belegt += s.sock != 0;
        EXPECT_EQ(belegt, 2) << "the crowd that never logged in has gone";
        EXPECT_EQ(Netzuser_Anzahl(), 1);
        neu.schliessen();
        ASSERT_TRUE(pumpen_bis([] { return Netzuser_Anzahl() == 0; }));
    }
}

// A log-in that came while the server stood still past the time for it is taken; a connection
// that says nothing goes.
TEST_F(Feind, ALogInInTimeIsTakenEvenWhenTheServerStoodStill)
{
    Socket_Set_Uhr(test_uhr);
    server_starten();
    Roh stumm(tcp_port);
    Roh spaet(tcp_port);
    pumpen_bis([] { return false; }, 200);
    spaet.nachricht(NETZ_TYP_LOGIN, login_bytes("Spaet", 2, 2));
    usleep(50000);
    uhr_wert += SERVER_LOGIN_FRIST + 1;
    std::vector<uint8_t> d;
    ASSERT_EQ(spaet.nachricht_lesen(&d, server_schritt), NETZ_TYP_ANTWORT);
    EXPECT_EQ(Netzuser_Anzahl(), 1);
    char c;
    EXPECT_TRUE(pumpen_bis([&] { return recv(stumm.fd, &c, 1, MSG_DONTWAIT) == 0; }, 2000)) << "the silent one goes";
}

// A participant without a club that asked once for the start data or sent one block of junk
// goes after the idle time, pinging or not; one choosing its club has longer, but not for ever.
TEST_F(Feind, OnePacketKeepsNoParticipantWithoutAClub)
{
    Socket_Set_Uhr(test_uhr);
    server_starten();
    Feind_Peer start(tcp_port, "Start");
    Feind_Peer junk(tcp_port, "Junk");
    Feind_Peer waehlt(tcp_port, "Waehlt");
    start.block(Bild().w(INTERNET_MARKE).w(16).w(sizeof "vI4I4I4W4W4").w(uint32_t(-1)).roh("vI4I4I4W4W4", sizeof "vI4I4I4W4W4").b);
    junk.block(zufall_bytes(40, 7));
    EXPECT_EQ(waehlt.aufruf(17, "vC<46I<4", Bild().w(1).w(1).b, -1).size(), 60u) << "the free clubs";
    ASSERT_EQ(Netzuser_Anzahl(), 3);
    const uint32_t start_uhr = uhr_wert;
    uint32_t zwei_weg = 0, alle_weg = 0;
    for (uint32_t sekunde = 1; sekunde <= SERVER_VEREINSWAHL_LIMIT / 1000 + 100 && !alle_weg; ++sekunde) {
        uhr_wert = start_uhr + sekunde * 1000;
        if (sekunde % 30 == 0)
            for (const Roh* r : {&start.roh, &junk.roh, &waehlt.roh}) r->nachricht(NETZ_TYP_PING, {0, 0, 0, 0});
        for (int i = 0; i < 5; ++i) {
            server_schritt();
            if (sekunde % 30 == 0) Netz_Warten();
        }
        if (Netzuser_Anzahl() <= 1 && !zwei_weg) zwei_weg = sekunde * 1000;
        if (Netzuser_Anzahl() == 0) alle_weg = sekunde * 1000;
    }
    EXPECT_GT(zwei_weg, SERVER_IDLE_LIMIT);
    EXPECT_LE(zwei_weg, SERVER_IDLE_LIMIT + 2 * SERVER_IDLE_PRUEFUNG);
    EXPECT_GT(alle_weg, SERVER_VEREINSWAHL_LIMIT);
    EXPECT_LE(alle_weg, SERVER_VEREINSWAHL_LIMIT + 2 * SERVER_IDLE_PRUEFUNG);
}

// A participant without a club that asks for 64 KB again and again is served at the allowance's
// pace, not at the server's; once it holds a club it is served at once.
TEST_F(Feind, RepliesBeforeTheClaimAreBoundedPerSecond)
{
    server_starten();
    Feind_Peer peer(tcp_port, "Gierig");
    Mitspieler_Eintrag* m = nullptr;
    for (auto& e : Mitspieler)
        if (e.in_benutzung) m = &e;
    ASSERT_NE(m, nullptr);
    const std::string format = "vC<" + std::to_string(INTERNET_VOR_ANSPRUCH_MAX - 8) + "I<4";
    std::vector<uint8_t> anfrage = Bild().w(INTERNET_MARKE).w(17).w(uint32_t(format.size() + 1)).w(uint32_t(-1)).b;
    anfrage.insert(anfrage.end(), format.begin(), format.end());
    anfrage.push_back(0);
    const std::vector<uint8_t> felder = Bild().w(1).w(1).b;
    anfrage.insert(anfrage.end(), felder.begin(), felder.end());
    for (int i = 0; i < 40; ++i) peer.block(anfrage);
    const auto start = std::chrono::steady_clock::now();
    schritte_bis([] { return false; }, 1500);
    // Read what came, so that nothing waits on the peer.
    pollfd p{peer.roh.fd, POLLIN, 0};
    std::vector<uint8_t> weg(1 << 16);
    while (poll(&p, 1, 0) > 0 && recv(peer.roh.fd, weg.data(), weg.size(), MSG_DONTWAIT) > 0) {
    }
    const double sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double grenze = NETZUSER_VOR_ANSPRUCH_VORRAT + NETZUSER_VOR_ANSPRUCH_RATE * sekunden + INTERNET_VOR_ANSPRUCH_MAX + 4096;
    EXPECT_GT(m->bytes_gesendet, 0u);
    EXPECT_LE(double(m->bytes_gesendet), grenze) << sekunden << " s";
    EXPECT_LT(m->bytes_gesendet, 40u * (INTERNET_VOR_ANSPRUCH_MAX - 8));
}
