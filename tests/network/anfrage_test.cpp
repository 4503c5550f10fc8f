// Remote calls end to end in one process: the client packs, a stand-in transport hands the request
// message to the server's answer, and the reply comes back the way the wire would bring it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "common/capture.h"
#include "common/mutation.h"
#include "database/team.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "network/internet_read.h"
#include "network/netzuser.h"
#include "platform/bytes.h"
#include "platform/mem.h"

namespace {

std::vector<uint8_t> letzte_anfrage, letzte_antwort;
Mitspieler_Eintrag* aufrufer = nullptr;

int antwort_fangen(Mitspieler_Eintrag*, const uint8_t* d, uint32_t n)
{
    letzte_antwort.assign(d, d + n);
    return 1;
}

bool ueber_server(const std::vector<uint8_t>& anfrage, std::vector<uint8_t>* antwort)
{
    letzte_anfrage = anfrage;
    letzte_antwort.clear();
    Internet_Server_Antwort(aufrufer, anfrage.data(), uint32_t(anfrage.size()));
    *antwort = letzte_antwort;
    return !antwort->empty();
}

uint32_t anfrage_block() { return uint32_t(letzte_anfrage.size() - 16 - Bytes_Hole32(letzte_anfrage.data() + 8)); }
std::string antwort_format() { return reinterpret_cast<const char*>(letzte_antwort.data() + 12); }
uint32_t antwort_block() { return uint32_t(letzte_antwort.size() - 12 - Bytes_Hole32(letzte_antwort.data() + 8)); }

// What the test handler saw and what it answers.
struct Gesehen {
    int laeufe = 0;
    uint32_t rolle = 0, handelnd = 0;
    Internet_Positionen p{};
    int32_t ergebnis = 0;
    std::vector<uint8_t> var;
    bool var_geben = false;
} gesehen;

bool test_handler(Internet_Aufruf* a)
{
    ++gesehen.laeufe;
    gesehen.rolle = Netz_Rolle;
    gesehen.handelnd = Handelndes_Team;
    gesehen.p = *a->p;
    for (int k = 0; k < a->p->zeiger_anzahl; ++k)
        if (a->p->daten[k] && !a->p->nur_hin[k]) std::memset(a->p->daten[k], 0x5A, a->p->groesse[k]);
    a->ergebnis = gesehen.ergebnis;
    if (gesehen.var_geben) {
        // Room for what the result claims, as a sound handler has.
        const uint32_t n = std::max<uint32_t>(uint32_t(gesehen.var.size()),
                                              a->ergebnis >= 0 && uint32_t(a->ergebnis) <= SENDBLOCK_SIZE ? uint32_t(a->ergebnis) : 0);
        *a->var = static_cast<uint8_t*>(Mem_Alloc_Clear(n + 4, 0, 0));
        if (!gesehen.var.empty()) std::memcpy(*a->var, gesehen.var.data(), gesehen.var.size());
    }
    return true;
}

constexpr int32_t A = 3, B = 4, ANZAHL = 6;

struct Anfrage : ::testing::Test {
    std::vector<Team_Struktur> t = std::vector<Team_Struktur>(ANZAHL);
    std::vector<Team_Fix> t_fix = std::vector<Team_Fix>(ANZAHL);
    int manager_attrappe = 0;
    Team_Struktur* alt_t = T;
    Team_Fix* alt_fix = T_Fix;
    int32_t alt_anzahl = Team_Anzahl;

    void SetUp() override
    {
        T = t.data();
        T_Fix = t_fix.data();
        Team_Anzahl = ANZAHL;
        for (auto& f : t_fix) f.manager = reinterpret_cast<Manager_Struktur*>(&manager_attrappe);
        Server_Team = 1;
        Eingang_Set_Spiel_Gestartet(true);
        for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
        Mitspieler[0].in_benutzung = Mitspieler[1].in_benutzung = 1;
        aufrufer = &Mitspieler[0];
        Internet_Set_Server_Sender(antwort_fangen);
        Internet_Set_Client_Austausch(ueber_server);
        Netz_Rolle = 1;
        Aktuelles_Team = A;
        Handelndes_Team = 77;
        gesehen = Gesehen{};
        for (int nr : {41, 44, 60, 75, 76}) Internet_Handler_Registrieren(nr, test_handler);
    }
    void TearDown() override
    {
        for (int nr : {41, 44, 60, 75, 76}) Internet_Handler_Registrieren(nr, nullptr);
        // The modules' own handlers of those numbers come back for the tests that follow.
        Internet_Fern_Anbinden();
        Internet_Set_Server_Sender(nullptr);
        Internet_Set_Client_Austausch(nullptr);
        for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
        Eingang_Set_Spiel_Gestartet(false);
        T = alt_t;
        T_Fix = alt_fix;
        Team_Anzahl = alt_anzahl;
        Netz_Rolle = 0;
        Aktuelles_Team = -1;
        Server_Team = -1;
    }
    void beanspruchen() { ASSERT_TRUE(Internet_Verein_Beanspruchen(aufrufer, A)); }
};

TEST_F(Anfrage, RichtungenUndVariablesFeldAufDemDraht)
{
    beanspruchen();
    // '>' data goes out and is squeezed from the reply; the caller's buffer stays as it was.
    uint8_t hin[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    Internet_Arg a1[] = {Internet_Zeiger(hin, 8), Internet_Wert(42)};
    uint8_t fertig = 0;
    Internet_Client_Read(5, "vV>8i", nullptr, &fertig, a1, 2);
    EXPECT_EQ(anfrage_block(), 16u);
    EXPECT_EQ(antwort_block(), 8u);
    EXPECT_EQ(antwort_format(), "vV>0i");
    EXPECT_EQ(hin[0], 1);
    EXPECT_EQ(fertig, 1);

    // Call 499: the server decides the length, the format carries it back.
    char puffer[500];
    std::memset(puffer, 'x', sizeof puffer);
    Internet_Arg a2[] = {Internet_Zeiger(puffer, 500), Internet_Wert(99999), Internet_Wert(9999), Internet_Wert(9)};
    EXPECT_EQ(Internet_Client_Read(499, "iC000iwc", nullptr, nullptr, a2, 4), 100);
    EXPECT_EQ(antwort_format(), "iC100iwc");
    EXPECT_EQ(std::string(puffer, 12), "012345678012");
    EXPECT_EQ(puffer[99], 0);
    EXPECT_EQ(puffer[100], 'x');
    EXPECT_EQ(Internet_Bytes_Gesamt >= 100u, true);

    // An empty variable answer keeps "0"; the '=' pointer points at the data position.
    gesehen.var_geben = true;
    void* ziel = nullptr;
    Internet_Arg a3[] = {Internet_Zeiger_Ref(&ziel)};
    Internet_Client_Read(41, "vV<=0", nullptr, nullptr, a3, 1);
    EXPECT_EQ(antwort_format(), "vV<=0");
    EXPECT_EQ(ziel, Internet_Sendblock + 4);

    // A '<' field with a null pointer still gets its room; the handler sees null.
    Internet_Arg a4[] = {Internet_Zeiger(nullptr, 0), Internet_Wert(1), Internet_Wert(2)};
    Internet_Client_Read(44, "vI<4ii", nullptr, nullptr, a4, 3);
    EXPECT_EQ(gesehen.p.daten[0], nullptr);
    EXPECT_EQ(anfrage_block(), 12u);
    EXPECT_EQ(antwort_block(), 16u);
    EXPECT_EQ(gesehen.p.ints[1], 2);

    // A number outside the table runs nothing and returns the block as sent.
    const int32_t vorher = gesehen.laeufe;
    uint32_t wert[1] = {0x01020304};
    Internet_Arg a5[] = {Internet_Zeiger(wert, 4), Internet_Wert(-7)};
    EXPECT_EQ(Internet_Client_Read(5, "iI4i", nullptr, nullptr, a5, 2), 0);
    EXPECT_EQ(std::vector<uint8_t>(letzte_anfrage.end() - 16, letzte_anfrage.end()),
              std::vector<uint8_t>(letzte_antwort.end() - 16, letzte_antwort.end()));
    EXPECT_EQ(wert[0], 0x01020304u);
    EXPECT_EQ(gesehen.laeufe, vorher);
}

TEST_F(Anfrage, LayoutDesBeispielsUndMeldungen)
{
    // Two '<' fields of 52 and 1560 bytes and an integer: 12 bytes become 1624.
    uint8_t* b = Internet_Sendblock;
    std::memset(b, 0, 12);
    b[0] = b[4] = 1;
    Bytes_Setze32(b + 8, 2);
    uint32_t len = 12;
    Internet_Positionen p;
    ASSERT_TRUE(Internet_Get_Blockpositionen(0, b, &len, "vC<52C<1560i", &p));
    EXPECT_EQ(len, 1624u);
    EXPECT_EQ(p.daten[0], b + 4);
    EXPECT_EQ(p.slot_pos[1], 56u);
    EXPECT_EQ(p.daten[1], b + 60);
    EXPECT_EQ(p.ints[0], 2);
    EXPECT_EQ(Bytes_Hole32(b + 1620), 2u);

    Fehler_Capture f;
    std::memset(b, 0, 64);
    len = 8;
    EXPECT_TRUE(Internet_Get_Blockpositionen(0, b, &len, "vC0C0", &p));
    EXPECT_TRUE(f.contains("Internet_Get_Blockpositionen: 2 x var_pointer_len !"));
    EXPECT_EQ(p.var_zeiger, 0);
    len = 4;
    EXPECT_TRUE(Internet_Get_Blockpositionen(0, b, &len, "vC-4", &p));
    EXPECT_TRUE(f.contains("ALTE TYPES-PTR-KENNUNG (\"-\" statt \"<\")"));
    EXPECT_EQ(len, 8u);
    const char* c = "Ci";
    int32_t z;
    bool kl, gl, gr;
    EXPECT_EQ(Internet_Get_Pointer_Bytes(&c, &z, &kl, &gl, &gr), 1u);
    EXPECT_TRUE(f.contains("Internet_Get_Pointer_Bytes: KEINE POINTER-L\xC4NGE!"));
    EXPECT_STREQ(c, "i");
    // Counts past 2^32 and past the block limit are not wrapped into small numbers.
    c = "C4294967300";
    EXPECT_EQ(Internet_Get_Pointer_Bytes(&c, &z, &kl, &gl, &gr), 0xFFFFFFFFu);
    len = 4;
    EXPECT_FALSE(Internet_Get_Blockpositionen(0, b, &len, "vC<4294967300", &p));
    len = 4;
    EXPECT_FALSE(Internet_Get_Blockpositionen(0, b, &len, "vC<4194304", &p));
}

TEST_F(Anfrage, RollenUndEigenerAufrufDesServers)
{
    Internet_Set_Client_Austausch(nullptr);
    Fehler_Capture f;
    for (uint32_t rolle : {0u, 2u}) {
        Netz_Rolle = rolle;
        Internet_Arg a[] = {Internet_Zeiger(nullptr, 0)};
        EXPECT_EQ(Internet_Client_Read(41, "vV<=0", nullptr, nullptr, a, 1), 0);
    }
    EXPECT_TRUE(f.contains("Internet_Client_Read: kein CLIENT!"));
    EXPECT_EQ(gesehen.laeufe, 0);

    Netz_Rolle = 3;
    gesehen.ergebnis = 0x1234;
    uint32_t ziel[2] = {};
    Internet_Arg a[] = {Internet_Zeiger(ziel, 8), Internet_Wert(7), Internet_Wert(8)};
    Internet_Client_Read(44, "vI<8ii", nullptr, nullptr, a, 3);
    EXPECT_EQ(gesehen.rolle, 2u);
    EXPECT_EQ(gesehen.handelnd, uint32_t(A));
    EXPECT_EQ(Netz_Rolle, 3u);
    EXPECT_EQ(Handelndes_Team, 77u);
    EXPECT_EQ(ziel[0], 0x5A5A5A5Au);
}

TEST_F(Anfrage, VorlagenDerTabelle)
{
    // Sizes of request and reply blocks for formats as their callers fill them.
    struct Fall {
        const char* format;
        uint32_t anfrage, antwort;
    } faelle[] = {
        {"vV>776V>2", 8 + 776 + 4, 8},
        {"vV>1728V>456V>1320V>56V>3", 20 + 1728 + 456 + 1320 + 56 + 4, 20},
        {"viiiV>640V>40", 20 + 640 + 40, 20},
        {"vI4I4I4W2W2", 20 + 20, 20 + 20},
        {"iC<=0C<12C<28C<28F<4F<4F<4F<4C<52i", 44, 44 + 12 + 28 + 28 + 16 + 52},
        {"vC<52C<1560ii", 16, 16 + 52 + 1560},
        {"iF4F4iiic", 36, 36},
        {"iV<=0ii", 16, 16},
        {"cV28c", 40, 40},
        {"vC<6000C<4i", 12, 12 + 6000 + 4},
        {"iC<=0F<4F<4F<4C1i", 32, 44},
        {"viiiiiiV20V2", 56, 56},
        {"viiiiiC24", 48, 48},
        {"cF4iiiii", 32, 32},
    };
    for (const auto& fall : faelle) {
        std::vector<uint8_t> block(fall.anfrage, 0);
        uint32_t len = fall.anfrage;
        std::memcpy(Internet_Sendblock, block.data(), len);
        Internet_Positionen p;
        ASSERT_TRUE(Internet_Get_Blockpositionen(0, Internet_Sendblock, &len, fall.format, &p)) << fall.format;
        char format[64];
        std::strcpy(format, fall.format);
        EXPECT_EQ(Internet_Server_Read_Block(A, 5, format, Internet_Sendblock, fall.anfrage), fall.antwort)
            << fall.format;
    }
    EXPECT_TRUE(Internet_Format_Passt(15, "vV>776V>2"));
    EXPECT_TRUE(Internet_Format_Passt(34, "vV<16904"));
    EXPECT_TRUE(Internet_Format_Passt(34, "vV>16904"));
    EXPECT_TRUE(Internet_Format_Passt(1025, "iC<=0F<4F<4F<4C1i"));
    EXPECT_TRUE(Internet_Format_Passt(1025, "iC<=0F<4F<4F<4C<1i"));
    EXPECT_TRUE(Internet_Format_Passt(1028, "iF4F4iiic"));
    EXPECT_FALSE(Internet_Format_Passt(1028, "iF8F4iiic"));
    EXPECT_FALSE(Internet_Format_Passt(15, "vV<776V>2"));
    EXPECT_FALSE(Internet_Format_Passt(15, "vV>776V>2i"));
    EXPECT_FALSE(Internet_Format_Passt(41, "vV<=4"));
    EXPECT_FALSE(Internet_Format_Passt(499, "iC0iwc"));

    // The player comparison for 99 players fills to 53 characters and runs; 64 never do.
    beanspruchen();
    char vergleich[64];
    std::snprintf(vergleich, sizeof vergleich, "vwccwC%dwI%dwwwwcI%dI%dI%dW<%dW<%dI<%dI<%dI<%dI<%d", 4, 512, 4, 4,
                  4, 198, 198, 396, 396, 396, 396);
    ASSERT_EQ(std::strlen(vergleich), 53u);
    std::vector<uint8_t> puffer(600);
    std::vector<Internet_Arg> args;
    for (const char* c = vergleich + 1; *c; ++c) {
        if (*c >= 'a' && *c <= 'z') args.push_back(Internet_Wert(1));
        else if (*c >= 'A' && *c <= 'Z') args.push_back(Internet_Zeiger(puffer.data(), 600));
    }
    uint8_t fertig = 0;
    Internet_Client_Read(60, vergleich, nullptr, &fertig, args.data(), int32_t(args.size()));
    EXPECT_EQ(gesehen.laeufe, 1);
    EXPECT_EQ(fertig, 1);
    Fehler_Capture f;
    const std::string lang = "v" + std::string(63, 'i');
    std::vector<Internet_Arg> viele(63, Internet_Wert(0));
    EXPECT_EQ(Internet_Client_Read(5, lang.c_str(), nullptr, nullptr, viele.data(), 63), 0);
    EXPECT_TRUE(f.contains("Format zu lang"));
}

// Builds a request message by hand.
std::vector<uint8_t> nachricht(uint32_t nr, int32_t team, const std::string& format, const std::vector<uint8_t>& block)
{
    std::vector<uint8_t> m(16 + format.size() + 1 + block.size());
    Bytes_Setze32(m.data(), INTERNET_MARKE);
    Bytes_Setze32(m.data() + 4, nr);
    Bytes_Setze32(m.data() + 8, uint32_t(format.size() + 1));
    Bytes_Setze32(m.data() + 12, uint32_t(team));
    std::memcpy(m.data() + 16, format.c_str(), format.size() + 1);
    if (!block.empty()) std::memcpy(m.data() + 16 + format.size() + 1, block.data(), block.size());
    return m;
}

TEST_F(Anfrage, UngueltigeAnfragenLaufenNichtUndDerServerGehtWeiter)
{
    beanspruchen();
    Fehler_Capture f;
    auto schicken = [&](std::vector<uint8_t> m) {
        letzte_antwort.clear();
        EXPECT_EQ(Internet_Server_Antwort(aufrufer, m.data(), uint32_t(m.size())), 1);
        return letzte_antwort;
    };
    const std::vector<uint8_t> ok = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    // A format of 600 characters, one without its NUL, an L past the message.
    schicken(nachricht(44, A, std::string(600, 'i'), {}));
    auto ohne_nul = nachricht(44, A, "vI<4ii", ok);
    ohne_nul[16 + 6] = 'i';
    schicken(ohne_nul);
    auto zu_lang = nachricht(44, A, "vI<4ii", ok);
    Bytes_Setze32(zu_lang.data() + 8, 5000);
    schicken(zu_lang);
    // A block shorter than its format, a foreign format for the number, another club.
    schicken(nachricht(44, A, "vI<4ii", {1, 0, 0, 0}));
    schicken(nachricht(44, A, "vI>4ii", ok));
    schicken(nachricht(44, B, "vI<4ii", ok));
    EXPECT_EQ(gesehen.laeufe, 0);
    EXPECT_TRUE(f.contains("(Verein)"));
    // And the next good request is answered.
    auto r = schicken(nachricht(44, A, "vI<4ii", ok));
    EXPECT_EQ(gesehen.laeufe, 1);
    EXPECT_EQ(r.size(), 12u + 7 + 16);

    // A variable answer past the block limit inserts nothing and reports it.
    gesehen.var_geben = true;
    gesehen.ergebnis = int32_t(SENDBLOCK_SIZE);
    gesehen.var.assign(16, 1);
    r = schicken(nachricht(41, A, "vV<=0", {1, 0, 0, 0}));
    EXPECT_TRUE(f.contains("zu gro"));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(r.data() + 12)), "vV<=0");
    EXPECT_EQ(r.size(), 12u + 6 + 4);
}

TEST_F(Anfrage, ClientTrautDerAntwortNicht)
{
    beanspruchen();
    Fehler_Capture f;
    uint8_t ziel[8];
    std::memset(ziel, 0x11, 8);
    Internet_Arg a[] = {Internet_Zeiger(ziel, 8), Internet_Wert(1), Internet_Wert(2)};
    uint8_t fertig = 0;
    // A reply to another number, then one whose format names other counts.
    Internet_Set_Client_Austausch([](const std::vector<uint8_t>& q, std::vector<uint8_t>* r) {
        ueber_server(q, r);
        Bytes_Setze32(r->data() + 4, 45);
        return true;
    });
    EXPECT_EQ(Internet_Client_Read(44, "vI<8ii", nullptr, &fertig, a, 3), 0);
    Internet_Set_Client_Austausch([](const std::vector<uint8_t>& q, std::vector<uint8_t>* r) {
        ueber_server(q, r);
        (*r)[12 + 3] = '9';
        return true;
    });
    EXPECT_EQ(Internet_Client_Read(44, "vI<8ii", nullptr, &fertig, a, 3), 0);
    EXPECT_EQ(ziel[0], 0x11);
    EXPECT_EQ(fertig, 0);

    // A variable answer larger than the caller's room is cut to it.
    Internet_Set_Client_Austausch(ueber_server);
    gesehen.var_geben = true;
    gesehen.var.assign(40, 0x33);
    gesehen.ergebnis = 40;
    uint8_t klein[12];
    std::memset(klein, 0, sizeof klein);
    Internet_Arg v[] = {Internet_Zeiger(klein, 10)};
    Internet_Client_Read(41, "vV<=0", nullptr, nullptr, v, 1);
    EXPECT_EQ(antwort_format(), "vV<=40");
    EXPECT_EQ(klein[9], 0x33);
    EXPECT_EQ(klein[10], 0);

    // A call from inside a wait is refused.
    Internet_Set_Client_Austausch([](const std::vector<uint8_t>& q, std::vector<uint8_t>* r) {
        Internet_Arg i[] = {Internet_Zeiger(nullptr, 0)};
        EXPECT_EQ(Internet_Client_Read(41, "vV<=0", nullptr, nullptr, i, 1), 0);
        return ueber_server(q, r);
    });
    Internet_Client_Read(44, "vI<8ii", nullptr, nullptr, a, 3);
    EXPECT_TRUE(f.contains("während eines anderen"));

    // No club yet: -1 travels as 0 and the global stays.
    Internet_Set_Client_Austausch(ueber_server);
    Aktuelles_Team = -1;
    Internet_Client_Read(44, "vI<8ii", nullptr, nullptr, a, 3);
    EXPECT_EQ(Bytes_Hole32(letzte_anfrage.data() + 12), 0u);
    EXPECT_EQ(Aktuelles_Team, -1);
}

TEST_F(Anfrage, VereinsanspruchUndVorSpielbeginn)
{
    Fehler_Capture f;
    // Before a claim only the start-up numbers run.
    auto m = nachricht(44, A, "vI<4ii", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    Internet_Server_Antwort(aufrufer, m.data(), uint32_t(m.size()));
    EXPECT_EQ(gesehen.laeufe, 0);
    EXPECT_TRUE(Internet_Darf_Anfragen(aufrufer, 16, 0));
    EXPECT_FALSE(Internet_Verein_Beanspruchen(aufrufer, 0));
    EXPECT_FALSE(Internet_Verein_Beanspruchen(aufrufer, Server_Team));
    EXPECT_FALSE(Internet_Verein_Beanspruchen(aufrufer, ANZAHL));
    t_fix[2].manager = nullptr;
    EXPECT_FALSE(Internet_Verein_Beanspruchen(aufrufer, 2));
    EXPECT_TRUE(Internet_Verein_Beanspruchen(aufrufer, A));
    EXPECT_FALSE(Internet_Verein_Beanspruchen(aufrufer, B));
    EXPECT_FALSE(Internet_Verein_Beanspruchen(&Mitspieler[1], A));
    EXPECT_TRUE(Internet_Verein_Beanspruchen(&Mitspieler[1], B));
    EXPECT_TRUE(Internet_Darf_Anfragen(aufrufer, 44, A));
    EXPECT_FALSE(Internet_Darf_Anfragen(aufrufer, 44, B));
    // No game under way: nothing runs.
    Eingang_Set_Spiel_Gestartet(false);
    EXPECT_FALSE(Internet_Darf_Anfragen(aufrufer, 44, A));
}

// Seeded mutations of good requests: nothing may crash or read outside the message, and a good
// call afterwards is answered right.
TEST_F(Anfrage, VerstuemmelteAnfragen)
{
    beanspruchen();
    Fehler_Capture f;
    Internet_Set_Server_Sender(antwort_fangen);
    const std::vector<std::vector<uint8_t>> gut = {
        nachricht(44, A, "vI<8ii", std::vector<uint8_t>(12, 0)),
        nachricht(499, A, "iC000iwc", std::vector<uint8_t>(20, 1)),
        nachricht(41, A, "vV<=0", {1, 0, 0, 0}),
        nachricht(76, A, "vI<8I<4I>8iii", std::vector<uint8_t>(4 + 4 + 4 + 8 + 12, 2)),
        nachricht(60, A, "vwccwC4wI4wwwwcI4I4I4W<2W<2I<4I<4I<4I<4",
                  std::vector<uint8_t>(4 * 21 + 4 + 4 + 4 * 3, 3)),
    };
    const char zeichen[] = "vcwifCWIFV<>=-0123456789%";
    mutation::Folge z(20260);
    gesehen.var_geben = true;
    gesehen.var.assign(8, 9);
    for (int runde = 0; runde < 100000; ++runde) {
        std::vector<uint8_t> m = gut[z.bis(gut.size())];
        gesehen.ergebnis = int32_t(z.bis(64));
        const int aenderungen = 1 + int(z.bis(3));
        for (int k = 0; k < aenderungen && m.size() >= 20; ++k) {
            const size_t l = std::min<size_t>(Bytes_Hole32(m.data() + 8), m.size() - 16);
            switch (z.bis(7)) {
            case 0:  // a format character
                if (l) m[16 + z.bis(l)] = uint8_t(zeichen[z.bis(sizeof zeichen - 1)]);
                break;
            case 1: {  // digits up to and past 2^32
                std::string fmt(reinterpret_cast<const char*>(m.data() + 16), strnlen(reinterpret_cast<const char*>(m.data() + 16), l));
                if (fmt.empty() || fmt.size() + 1 > l) break;
                std::vector<uint8_t> block(m.begin() + 16 + long(l), m.end());
                fmt.insert(1 + z.bis(fmt.size()), std::to_string(uint64_t(mutation::grenzwert(z)) * (1 + z.bis(3))));
                m = nachricht(Bytes_Hole32(m.data() + 4), A, fmt, block);
                break;
            }
            case 2:
                Bytes_Setze32(m.data() + 8, z.bis(3) ? uint32_t(l + z.bis(9)) - 4 : mutation::grenzwert(z));
                break;
            case 3:
                Bytes_Setze32(m.data() + 12, z.bis(2) ? uint32_t(B) : mutation::grenzwert(z));
                break;
            case 4:  // block length
                m.resize(z.bis(2) ? m.size() + 4 * z.bis(5) : m.size() - std::min<size_t>(m.size(), z.bis(40)));
                break;
            case 5:
                if (m.size() > 16 + l) m[16 + l + z.bis(m.size() - 16 - l)] = uint8_t(z());
                break;
            default: {  // the handler's length of the variable data, at and past the limit
                const int32_t grenzen[] = {-1, 0x7FFFFFFF, int32_t(SENDBLOCK_SIZE), int32_t(SENDBLOCK_SIZE) - 8, 100000};
                gesehen.ergebnis = grenzen[z.bis(5)];
            }
            }
        }
        letzte_antwort.clear();
        Internet_Server_Antwort(aufrufer, m.data(), uint32_t(m.size()));
    }
    gesehen.var_geben = false;
    EXPECT_EQ(Handelndes_Team, 77u);
    gesehen.ergebnis = 5;
    uint32_t ziel[2] = {};
    Internet_Arg a[] = {Internet_Zeiger(ziel, 8), Internet_Wert(7), Internet_Wert(8)};
    uint8_t fertig = 0;
    Internet_Client_Read(44, "vI<8ii", nullptr, &fertig, a, 3);
    EXPECT_EQ(fertig, 1);
    EXPECT_EQ(ziel[1], 0x5A5A5A5Au);
    EXPECT_EQ(gesehen.p.ints[0], 7);
}

}  // namespace
