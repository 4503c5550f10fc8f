// Control signals between server and clients, the chat's packets and the minute sync of
// networked live records, with the sends caught in memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "common/capture.h"
#include "common/mutation.h"
#include "signal_welt.h"
#include "database/manager.h"
#include "database/team.h"
#include "gameflow/ablauf.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/team_requester.h"
#include "graphics/grafik_farbe.h"
#include "match/spielfeld.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/spielfeld_netz.h"
#include "matchview/spielszenen_taktik.h"
#include "network/chat.h"
#include "network/internet_read.h"
#include "network/netz.h"
#include "network/netzuser.h"
#include "network/socket.h"
#include "network/server.h"
#include "network/steuersignal.h"
#include "platform/os/os.h"
#include "platform/bytes.h"
#include "platform/print.h"
#include "platform/win95.h"
#include "toolkit/screen.h"

namespace {

constexpr int32_t ANZAHL = 10;
// Clubs of the participants 0, 1, 2; the server's own club is 1.
constexpr int32_t A = 2, B = 3, C = 4;

struct Gesendet {
    int32_t an;  // participant slot, -1 the server
    std::vector<uint8_t> daten;
};
std::vector<Gesendet> gesendet;
std::vector<std::string> logzeilen, meldungen;
int sende_fehler = 0;  // so many sends fail before one goes
int client_versuche = 0;
uint32_t uhr = 5000;

int server_fangen(Mitspieler_Eintrag* m, const uint8_t* d, uint32_t n)
{
    if (sende_fehler > 0) {
        --sende_fehler;
        return 0;
    }
    gesendet.push_back({int32_t(m - Mitspieler), std::vector<uint8_t>(d, d + n)});
    return 1;
}

int client_fangen(const uint8_t* d, uint32_t n)
{
    ++client_versuche;
    if (sende_fehler > 0) {
        --sende_fehler;
        return 0;
    }
    gesendet.push_back({-1, std::vector<uint8_t>(d, d + n)});
    return 1;
}

std::vector<uint8_t> paket(uint32_t code, int32_t team, std::vector<uint32_t> rest = {})
{
    std::vector<uint8_t> b(12 + 4 * rest.size());
    Bytes_Setze32(b.data(), STEUERSIGNAL_MARKE);
    Bytes_Setze32(b.data() + 4, code);
    Bytes_Setze32(b.data() + 8, uint32_t(team));
    for (size_t k = 0; k < rest.size(); ++k) Bytes_Setze32(b.data() + 12 + 4 * k, rest[k]);
    return b;
}

std::vector<uint8_t> minute_paket(int32_t team, uint32_t minute, uint32_t wert, bool mit_block, uint32_t flag = 1)
{
    auto b = paket(SIGNAL_MINUTE, team, {minute, wert, flag});
    if (mit_block)
        for (uint32_t k = 0; k < STEUERSIGNAL_ANWEISUNGEN; ++k) b.push_back(uint8_t(k * 7 + 1));
    return b;
}

std::vector<Gesendet> an(int32_t slot)
{
    std::vector<Gesendet> r;
    for (auto& g : gesendet)
        if (g.an == slot) r.push_back(g);
    return r;
}

bool log_hat(const std::string& t)
{
    for (auto& z : logzeilen)
        if (z.find(t) != std::string::npos) return true;
    return false;
}

using signal_welt::spiele;
using signal_welt::spiele_geben;
struct Eingereiht {
    int32_t spiel, seite;
    std::vector<uint8_t> block;
};
std::vector<Eingereiht> eingereiht;

struct Signale : ::testing::Test {
    signal_welt::Vereine vereine{ANZAHL};

    void SetUp() override
    {
        Server_Team = 1;
        Netz_Rolle = 3;
        Win95_Netz_Modus = 2;
        Eingang_Set_Spiel_Gestartet(true);
        for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
        const int32_t clubs[3] = {A, B, C};
        for (int32_t k = 0; k < 3; ++k) {
            Mitspieler[k].in_benutzung = 1;
            ASSERT_TRUE(Internet_Verein_Beanspruchen(&Mitspieler[k], clubs[k]));
        }
        gesendet.clear();
        logzeilen.clear();
        meldungen.clear();
        sende_fehler = 0;
        client_versuche = 0;
        uhr = 5000;
        Socket_Set_Uhr([] { return uhr; });
        Steuersignal_Set_Sender(server_fangen, client_fangen);
        Print_Log_Set_Sink([](const char* z) { logzeilen.emplace_back(z); });
        Team_Requester_Set_Anzeige([](int32_t, int32_t, const char* text) -> uint8_t {
            meldungen.emplace_back(text);
            return 1;
        });
        spiele.clear();
        eingereiht.clear();
        Spielfeld_Netz_Set_Records(spiele_geben);
        Spielfeld_Set_Einreihen_Hook([](Spielfeld_Record* r, int32_t s, const uint8_t* b) {
            eingereiht.push_back({int32_t(r->spiel), s, std::vector<uint8_t>(b, b + STEUERSIGNAL_ANWEISUNGEN)});
        });
        Spielfeld_Netz_Zuruecksetzen();
        Chat_DeInit();
        Ablauf_Zustand = ABLAUF_MENUERUNDE;
    }
    void TearDown() override
    {
        Chat_DeInit();
        Spielfeld_Netz_Zuruecksetzen();
        Spielfeld_Netz_Set_Records(nullptr);
        Spielfeld_Set_Einreihen_Hook(nullptr);
        spiele.clear();
        Team_Requester_Set_Anzeige(nullptr);
        Print_Log_Set_Sink(nullptr);
        Steuersignal_Set_Sender(nullptr, nullptr);
        Socket_Set_Uhr(nullptr);
        for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
        Eingang_Set_Spiel_Gestartet(false);
        Netz_Rolle = 0;
        Win95_Netz_Modus = 0;
        Server_Team = -1;
        Aktuelles_Team = -1;
        Ablauf_Zustand = 0;
        Menue_Status.aktiv = 0;
        Ablauf_Naechster_Zustand_Nehmen();
        Ablauf_Client_Daten_Anforderung_Nehmen();
        Steuersignal_Daten_Verschickt_Nehmen();
    }

    bool vom_client(int32_t slot, const std::vector<uint8_t>& p)
    {
        return Steuersignal_Vom_Client(p.data(), uint32_t(p.size()), &Mitspieler[slot]);
    }
    bool vom_server(const std::vector<uint8_t>& p) { return Steuersignal_Vom_Server(p.data(), uint32_t(p.size())); }
    int32_t status(int32_t team) { return Team_Wert(TEAM_STATUS, team, 0, TEAM_LESEN); }

    Spielfeld_Record* spiel(int32_t nr, int32_t heim, int32_t gast, uint16_t minute)
    {
        return signal_welt::spiel_anlegen(nr, heim, gast, minute);
    }
    // Client as a client of its own club.
    void als_client(int32_t team)
    {
        Win95_Netz_Modus = 1;
        Netz_Rolle = 1;
        Aktuelles_Team = team;
        Netz_Set_Eigenes_Team(team);
    }
    // A fresh game 1 of client A at minute 30, at A's corner: the server holds it for A's taker.
    Spielfeld_Record* ecke_von_a_gehalten()
    {
        spiele.clear();
        Spielfeld_Netz_Zuruecksetzen();
        Spielfeld_Record* r = spiel(1, A, 6, 30);
        Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
        vom_client(0, paket(SIGNAL_AM_SPIEL, A));
        r->situation = SITUATION_ECKE;
        r->letzte_beruehrung = 1;  // A's corner
        uhr = 80000;
        EXPECT_TRUE(Spielfeld_Netz_Wartet(r));
        return r;
    }
};

// --- the server's handling of a client's signals ---------------------------------------------------

TEST_F(Signale, ZugBeendetGehtAnAlleAnderenUndSetztDasBitDesEigenenVereins)
{
    // The packet names another club: the participant's own one counts.
    EXPECT_TRUE(vom_client(0, paket(SIGNAL_ZUG_BEENDET, C)));
    EXPECT_TRUE(status(A) & 4);
    EXPECT_FALSE(status(C) & 4);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0], std::string(Team_String(299, A, nullptr, 0)) + " hat seinen Spielzug soeben beendet !");
    EXPECT_TRUE(an(0).empty());
    const auto erwartet = paket(SIGNAL_ZUG_BEENDET_RELAIS, A, {0, 0, 0});
    for (int32_t k : {1, 2}) {
        ASSERT_EQ(an(k).size(), 1u);
        EXPECT_EQ(an(k)[0].daten, erwartet);
    }
    // Outside the menu round the server's manager sees nothing; a failed send is repeated.
    meldungen.clear();
    gesendet.clear();
    Ablauf_Zustand = ABLAUF_SERVER_WARTET;
    sende_fehler = 1;
    vom_client(1, paket(SIGNAL_ZUG_BEENDET, B));
    EXPECT_TRUE(meldungen.empty());
    EXPECT_EQ(an(0).size(), 1u);
    EXPECT_EQ(an(2).size(), 1u);
}

TEST_F(Signale, MinutensignalNurImSpielUndWeitergereichtWieEmpfangen)
{
    spiel(7, A, B, 10);
    Ablauf_Zustand = ABLAUF_MENUERUNDE;
    EXPECT_TRUE(vom_client(0, minute_paket(A, 10, 1, true)));
    EXPECT_TRUE(gesendet.empty());
    EXPECT_FALSE(Spielfeld_Netz_Freigegeben(spiele[0].get(), 0, 10));

    Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
    const auto voll = minute_paket(A, 10, 1, true);
    vom_client(0, voll);
    ASSERT_EQ(an(1).size(), 1u);
    EXPECT_EQ(an(1)[0].daten, voll);
    EXPECT_TRUE(Spielfeld_Netz_Freigegeben(spiele[0].get(), 0, 10));
    // The change is queued two minutes on, with the sender's period written here.
    ASSERT_EQ(eingereiht.size(), 1u);
    EXPECT_EQ(Bytes_Hole16(eingereiht[0].block.data()), 12);
    EXPECT_EQ(eingereiht[0].block[4], 1);
    EXPECT_EQ(eingereiht[0].block[10], voll[24 + 10]);

    // A 24-byte signal with the flag is relayed with its value, the flag 0.
    gesendet.clear();
    vom_client(0, minute_paket(A, 11, 9, false, 1));
    ASSERT_EQ(an(1).size(), 1u);
    EXPECT_EQ(an(1)[0].daten, paket(SIGNAL_MINUTE, A, {11, 9, 0}));
    EXPECT_EQ(eingereiht.size(), 1u);

    // A block without its flag: not taken.
    gesendet.clear();
    vom_client(0, minute_paket(A, 12, 1, true, 0));
    EXPECT_TRUE(gesendet.empty());
    EXPECT_FALSE(Spielfeld_Netz_Freigegeben(spiele[0].get(), 0, 12));
}

// Two clients play their game against each other and wait only for each other: the server's copy
// may stand minutes behind (its manager's pause, its break held by another game's stoppage). Their
// minutes are taken and relayed all the same (dropped, both clients waited for ever and were cut);
// a change from ahead reaches the copy when it stands within a minute of it, one of the next half
// once the copy plays that half.
TEST_F(Signale, EinSpielZweierClientsLaeuftVorDerKopieDesServersWeiter)
{
    Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
    Spielfeld_Record* r = spiel(7, A, B, 10);
    for (uint32_t m = 11; m <= 14; ++m) {
        vom_client(0, minute_paket(A, m, 1, false));
        vom_client(1, minute_paket(B, m, 1, false));
    }
    EXPECT_EQ(an(1).size(), 4u) << "A's minutes reach B";
    EXPECT_EQ(an(0).size(), 4u) << "B's minutes reach A";
    EXPECT_TRUE(Spielfeld_Netz_Freigegeben(r, 0, 14));
    EXPECT_TRUE(Spielfeld_Netz_Freigegeben(r, 1, 14));

    vom_client(0, minute_paket(A, 13, 1, true));
    EXPECT_TRUE(eingereiht.empty()) << "a change two minutes ahead of the copy waits";
    r->minute = 11;
    Spielfeld_Minute_Ende(r, 10);
    EXPECT_TRUE(eingereiht.empty());
    r->minute = 12;
    Spielfeld_Minute_Ende(r, 11);
    ASSERT_EQ(eingereiht.size(), 1u);
    EXPECT_EQ(Bytes_Hole16(eingereiht[0].block.data()), 15) << "for the minute it was meant for";

    // The next half's first minute while the copy still plays the first half's stoppage.
    eingereiht.clear();
    vom_client(0, minute_paket(A, 45, 2, true));
    r->minute = 47;
    Spielfeld_Minute_Ende(r, 46);
    EXPECT_TRUE(eingereiht.empty()) << "not in the first half";
    r->periode = 2;
    r->minute = 45;
    EXPECT_TRUE(Spielfeld_Netz_Freigegeben(r, 0, 45)) << "the minute counts in its half";
    r->minute = 46;
    Spielfeld_Minute_Ende(r, 45);
    ASSERT_EQ(eingereiht.size(), 1u);
    EXPECT_EQ(Bytes_Hole16(eingereiht[0].block.data()), 47);
    EXPECT_EQ(eingereiht[0].block[4], 2);
}

// A client far ahead of the copy sends a change with each of 40 minutes: every one reaches the
// copy once it stands there, in their order, each for its own minute (the 33rd and later were
// dropped). A second change for a minute still waiting merges into it as the copy would merge
// them: the flags of both, the values of the later; a block without flags changes nothing.
TEST_F(Signale, AenderungenVonWeitVorausGehenAlleAnDieKopie)
{
    Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
    Spielfeld_Record* r = spiel(7, A, B, 10);
    const auto mit_aenderung = [](uint32_t m, uint8_t flags, uint8_t wert) {
        auto p = minute_paket(A, m, 1, true);
        p[24 + ANW_FLAGS] = flags;
        p[24 + ANW_TAKTIK] = wert;
        return p;
    };
    for (uint32_t m = 20; m < 60; ++m) vom_client(0, mit_aenderung(m, ANWEISUNG_TAKTIK, uint8_t(m)));
    EXPECT_TRUE(eingereiht.empty());
    r->minute = 60;
    Spielfeld_Minute_Ende(r, 59);
    ASSERT_EQ(eingereiht.size(), 40u);
    for (uint32_t i = 0; i < 40; ++i) {
        EXPECT_EQ(Bytes_Hole16(eingereiht[i].block.data()), 22 + i);
        EXPECT_EQ(eingereiht[i].block[ANW_TAKTIK], 20 + i);
    }

    eingereiht.clear();
    vom_client(0, mit_aenderung(70, ANWEISUNG_TAKTIK, 1));
    vom_client(0, mit_aenderung(75, ANWEISUNG_EINSATZ, 5));
    vom_client(0, mit_aenderung(70, ANWEISUNG_SPIELER, 2));
    vom_client(0, mit_aenderung(75, 0, 9));
    vom_client(0, mit_aenderung(72, ANWEISUNG_WECHSEL, 3));
    r->minute = 80;
    Spielfeld_Minute_Ende(r, 79);
    ASSERT_EQ(eingereiht.size(), 3u);
    const uint8_t flags[3] = {ANWEISUNG_TAKTIK | ANWEISUNG_SPIELER, ANWEISUNG_WECHSEL, ANWEISUNG_EINSATZ};
    const uint8_t werte[3] = {2, 3, 5};
    const uint16_t minuten[3] = {72, 74, 77};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(Bytes_Hole16(eingereiht[i].block.data()), minuten[i]);
        EXPECT_EQ(eingereiht[i].block[ANW_FLAGS], flags[i]);
        EXPECT_EQ(eingereiht[i].block[ANW_TAKTIK], werte[i]);
    }
}

TEST_F(Signale, UnbekannteUndVerstuemmelteSignale)
{
    Fehler_Capture f;
    for (uint32_t code : {0u, 1u, 2u, 4u, 99u}) EXPECT_TRUE(vom_client(0, paket(code, A)));
    EXPECT_TRUE(f.contains("Unbekanntes Steuersignal vom Client!"));
    // A 24-byte code 3, a 16-byte code 6, a club out of range: dropped before they act.
    f.texts.clear();
    vom_client(0, paket(SIGNAL_ZUG_BEENDET, A, {0, 0, 0}));
    vom_client(0, paket(SIGNAL_MINUTE, A, {5}));
    vom_client(0, paket(SIGNAL_ZUG_BEENDET, ANZAHL));
    EXPECT_EQ(f.texts.size(), 3u);
    EXPECT_FALSE(status(A) & 4);
    EXPECT_TRUE(gesendet.empty());
    // Other markers are not control signals.
    auto fremd = paket(1, A);
    Bytes_Setze32(fremd.data(), 0x12345678);
    EXPECT_FALSE(vom_client(0, fremd));

    f.texts.clear();
    EXPECT_EQ(Steuersignal_Menue_Modus(5, 2), 0);
    EXPECT_TRUE(f.contains("Menuesignal:Falscher Modus"));
    EXPECT_EQ(Steuersignal_Menue_Modus(3, 1), 3);
    EXPECT_EQ(Steuersignal_Menue_Modus(0, 0), 3);
}

TEST_F(Signale, VereinsnummerNurEinmalUndNieFremd)
{
    Netzuser_Loeschen(&Mitspieler[2]);
    Mitspieler[2].in_benutzung = 1;
    // Without a club the participant's signals act for nobody.
    vom_client(2, paket(SIGNAL_ZUG_BEENDET, C));
    EXPECT_FALSE(status(C) & 4);
    vom_client(2, paket(SIGNAL_TEAM_NR, A));  // held by participant 0
    vom_client(2, paket(SIGNAL_TEAM_NR, 0));  // "none" on the wire
    vom_client(2, paket(SIGNAL_TEAM_NR, Server_Team));
    EXPECT_EQ(Steuersignal_Mitspieler_Team(&Mitspieler[2]), -1);
    vom_client(2, paket(SIGNAL_TEAM_NR, 6));
    vom_client(2, paket(SIGNAL_TEAM_NR, 7));
    EXPECT_EQ(Steuersignal_Mitspieler_Team(&Mitspieler[2]), 6);
    EXPECT_EQ(Mitspieler[2].team, 6);
}

// --- the client's handling of the server's signals -------------------------------------------------

TEST_F(Signale, ClientPlantZustaendeNachDenSignalen)
{
    als_client(A);
    Ablauf_Zustand = ABLAUF_CLIENT_WARTET;
    vom_server(paket(SIGNAL_NEUER_SPIELTAG, A));
    EXPECT_EQ(Ablauf_Naechster_Zustand_Nehmen(), ABLAUF_CLIENT_NAECHSTER_TAG);
    EXPECT_EQ(Steuersignal_Menue_Modus(0, 0), 1);
    vom_server(paket(SIGNAL_SAMMEL_DATEN, A));
    EXPECT_TRUE(Ablauf_Client_Daten_Anforderung_Nehmen());
    EXPECT_EQ(Steuersignal_Menue_Modus(0, 0), 0);
    vom_server(paket(SIGNAL_SPIELTAG_START, A));
    EXPECT_EQ(Ablauf_Naechster_Zustand_Nehmen(), ABLAUF_CLIENT_ZUM_SPIEL);
    // In a running match nothing is scheduled.
    Ablauf_Zustand = ABLAUF_CLIENT_SPIEL;
    vom_server(paket(SIGNAL_NEUER_SPIELTAG, A));
    vom_server(paket(SIGNAL_SAMMEL_DATEN, A));
    EXPECT_EQ(Ablauf_Naechster_Zustand_Nehmen(), -1);
    EXPECT_FALSE(Ablauf_Client_Daten_Anforderung_Nehmen());

    // Code 11 moves only a client waiting for the data; elsewhere it is logged and kept.
    Ablauf_Zustand = ABLAUF_CLIENT_WARTET;
    vom_server(paket(SIGNAL_DATEN_VERSCHICKT, A));
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_CLIENT_WARTET);
    EXPECT_TRUE(log_hat("SERVER HAT ALLE DATEN VERSCHICKT"));
    EXPECT_TRUE(Steuersignal_Daten_Verschickt_Nehmen());
    Ablauf_Zustand = ABLAUF_CLIENT_WARTET_DATEN;
    vom_server(paket(SIGNAL_DATEN_VERSCHICKT, A));
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_CLIENT_SPIEL);

    Fehler_Capture f;
    for (uint32_t code : {0u, 3u, 9u, 12u, 14u}) EXPECT_TRUE(vom_server(paket(code, A)));
    EXPECT_EQ(f.texts.size(), 5u);
    EXPECT_TRUE(f.contains("Unbekanntes Steuersignal vom Server!"));

    // A finished turn shows only in the menu round, over the menu of the turn under way.
    Ablauf_Zustand = ABLAUF_MENUERUNDE;
    Menue_Status.aktiv = 1;
    vom_server(paket(SIGNAL_ZUG_BEENDET_RELAIS, B, {0, 0, 0}));
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_NE(meldungen[0].find("hat seinen Spielzug soeben beendet !"), std::string::npos);
}

// A finished turn that comes while a remote call waits for its reply shows once the call is over,
// so that the replayed click cannot call again inside the wait.
TEST_F(Signale, ZugMeldungWartetBisDerAufrufZurueckIst)
{
    als_client(A);
    Ablauf_Zustand = ABLAUF_MENUERUNDE;
    Menue_Status.aktiv = 1;
    static size_t waehrend = 99;
    // Two managers end their turns during the one call: neither notice is lost.
    Internet_Set_Client_Austausch([](const std::vector<uint8_t>&, std::vector<uint8_t>*) {
        Steuersignal_Vom_Server(paket(SIGNAL_ZUG_BEENDET_RELAIS, B, {0, 0, 0}).data(), 24);
        Steuersignal_Vom_Server(paket(SIGNAL_ZUG_BEENDET_RELAIS, B, {0, 0, 0}).data(), 24);
        waehrend = meldungen.size();
        return false;
    });
    int32_t ergebnis = 0;
    uint8_t fertig = 0;
    Internet_Client_Read(44, "vI<4i", &ergebnis, &fertig, std::vector<Internet_Arg>{Internet_Zeiger(nullptr, 4), Internet_Wert(A)}.data(), 2);
    Internet_Set_Client_Austausch(nullptr);
    EXPECT_EQ(waehrend, 0u);
    EXPECT_EQ(meldungen.size(), 2u);
    // Shown once only.
    Steuersignal_Verarbeiten();
    EXPECT_EQ(meldungen.size(), 2u);
}

// An icon's drawing that calls the server: a finished turn that came meanwhile waits until the
// screen is drawn, so that its requester does not draw the screen inside that drawing.
TEST_F(Signale, ZugMeldungWartetBisDerSchirmGezeichnetIst)
{
    als_client(A);
    Ablauf_Zustand = ABLAUF_MENUERUNDE;
    Menue_Status.aktiv = 1;
    Internet_Set_Client_Austausch([](const std::vector<uint8_t>&, std::vector<uint8_t>*) {
        Steuersignal_Vom_Server(paket(SIGNAL_ZUG_BEENDET_RELAIS, B, {0, 0, 0}).data(), 24);
        return false;
    });
    ++Menue_Status.refresh_tiefe;
    int32_t ergebnis = 0;
    uint8_t fertig = 0;
    Internet_Client_Read(44, "vI<4i", &ergebnis, &fertig, std::vector<Internet_Arg>{Internet_Zeiger(nullptr, 4), Internet_Wert(A)}.data(), 2);
    Internet_Set_Client_Austausch(nullptr);
    EXPECT_TRUE(meldungen.empty()) << "a requester inside the drawing";
    --Menue_Status.refresh_tiefe;
    Steuersignal_Verarbeiten();
    EXPECT_EQ(meldungen.size(), 1u);
}

TEST_F(Signale, ClientSenderVersuchtDreissigMal)
{
    als_client(A);
    sende_fehler = 29;
    EXPECT_EQ(Steuersignal_Client_Senden(SIGNAL_ZUG_BEENDET), 1);
    EXPECT_EQ(client_versuche, 30);
    ASSERT_EQ(gesendet.size(), 1u);
    EXPECT_EQ(gesendet[0].daten, paket(SIGNAL_ZUG_BEENDET, A));
    client_versuche = 0;
    sende_fehler = 1000;
    EXPECT_EQ(Steuersignal_Client_Minute(3, 1, nullptr), 0);
    EXPECT_EQ(client_versuche, 30);
    sende_fehler = 0;
    uint8_t block[STEUERSIGNAL_ANWEISUNGEN] = {9};
    Steuersignal_Client_Minute(3, 2, block);
    EXPECT_EQ(gesendet.back().daten.size(), STEUERSIGNAL_MAX);
    EXPECT_EQ(Bytes_Hole32(gesendet.back().daten.data() + 20), 1u);
    Steuersignal_Client_Sonderaktion(4);
    EXPECT_EQ(gesendet.back().daten, paket(SIGNAL_SONDERAKTION, A, {4}));
}

// --- the pump's round and data collection ----------------------------------------------------------

TEST_F(Signale, DatenSammelnEndetNachZehnSekunden)
{
    Ablauf_Zustand = ABLAUF_DATEN_SAMMELN;
    Steuersignal_Zeiten_Zuruecksetzen();
    Steuersignal_Verarbeiten();
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_DATEN_SAMMELN);
    Steuersignal_Daten_Von_Client(A);
    Steuersignal_Daten_Von_Client(B);
    uhr += STEUERSIGNAL_WARTEZEIT - 1;
    Steuersignal_Verarbeiten();
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_DATEN_SAMMELN);
    uhr += 1;
    Steuersignal_Verarbeiten();
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_DATEN_GESAMMELT);
    EXPECT_TRUE(log_hat("DATEN SAMMELN BEENDET"));
    EXPECT_EQ(Mitspieler[2].datenanfrage_zeit, 0u);
}

TEST_F(Signale, RundeEndetWennAlleFertigSind)
{
    // Only the server's own manager: his bit ends the round.
    for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
    Steuersignal_Verarbeiten();
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_MENUERUNDE);
    Team_Wert(TEAM_STATUS, Server_Team, 4, TEAM_SETZEN);
    Steuersignal_Verarbeiten();
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_SPIELTAG_STARTEN);

    // A client's club holds the round until its bit comes; one without a club or gone does not.
    Ablauf_Zustand = ABLAUF_MENUERUNDE;
    Mitspieler[0].in_benutzung = 1;
    ASSERT_TRUE(Internet_Verein_Beanspruchen(&Mitspieler[0], A));
    Mitspieler[1].in_benutzung = 1;
    Steuersignal_Verarbeiten();
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_MENUERUNDE);
    vom_client(0, paket(SIGNAL_ZUG_BEENDET, A));
    Steuersignal_Verarbeiten();
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_SPIELTAG_STARTEN);

    Steuersignal_Setze_Team_Status(TEAM_LOESCHEN);
    EXPECT_FALSE(status(A) & 4);
    Ablauf_Zustand = ABLAUF_SERVER_WARTET;
    Steuersignal_Verarbeiten();
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_SERVER_WARTET);
    Netzuser_Loeschen(&Mitspieler[0]);
    Team_Wert(TEAM_STATUS, Server_Team, 4, TEAM_SETZEN);
    Steuersignal_Verarbeiten();
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_SPIELTAG_STARTEN);
}

// The server's pass writes its line to the log once in 2000 passes, whenever the count began.
TEST_F(Signale, DerServerMeldetSichJedenZweitausendstenDurchgang)
{
    std::vector<int32_t> bei;
    for (int32_t i = 0; i < 4000; ++i) {
        Steuersignal_Verarbeiten();
        if (std::count(logzeilen.begin(), logzeilen.end(), "Server Mode") > int32_t(bei.size())) bei.push_back(i);
    }
    ASSERT_EQ(bei.size(), 2u);
    EXPECT_EQ(bei[1] - bei[0], 2000);
}

// The server's own manager, his turn ended, reads whom the round still waits for: the managers of
// the participants' clubs whose turns are open, by name and no format code among them; the line
// goes once the round is over. In his own turn, and on the chat, there is none.
TEST_F(Signale, DerServerManagerLiestWerDieRundeNochHaelt)
{
    for (int32_t t : {A, B, C}) Team_String(299, t, t == C ? "Carl^c00000" : t == A ? "Anna" : "Bernd", 1);
    Steuersignal_Verarbeiten();
    EXPECT_STREQ(Steuersignal_Wartende_Zeile(), "") << "in his own turn";
    Team_Wert(TEAM_STATUS, Server_Team, 4, TEAM_SETZEN);
    Ablauf_Zustand = ABLAUF_SERVER_WARTET;
    Steuersignal_Verarbeiten();
    EXPECT_STREQ(Steuersignal_Wartende_Zeile(), "Warte auf den Spielzug von: Anna, Bernd, Carl\x88" "c00000");
    vom_client(1, paket(SIGNAL_ZUG_BEENDET, B));
    Steuersignal_Verarbeiten();
    EXPECT_STREQ(Steuersignal_Wartende_Zeile(), "Warte auf den Spielzug von: Anna, Carl\x88" "c00000");
    // A participant gone holds nobody up and is not named.
    Netzuser_Loeschen(&Mitspieler[2]);
    Steuersignal_Verarbeiten();
    EXPECT_STREQ(Steuersignal_Wartende_Zeile(), "Warte auf den Spielzug von: Anna");
    vom_client(0, paket(SIGNAL_ZUG_BEENDET, A));
    Steuersignal_Verarbeiten();
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_SPIELTAG_STARTEN);
    EXPECT_STREQ(Steuersignal_Wartende_Zeile(), "") << "the round is over";

    // Many open turns: the first four by name, the others counted.
    Steuersignal_Setze_Team_Status(TEAM_LOESCHEN);
    Team_Wert(TEAM_STATUS, Server_Team, 4, TEAM_SETZEN);
    Ablauf_Zustand = ABLAUF_SERVER_WARTET;
    for (int32_t k = 0; k < 6; ++k) {
        Netzuser_Loeschen(&Mitspieler[k]);
        Mitspieler[k].in_benutzung = 1;
        ASSERT_TRUE(Internet_Verein_Beanspruchen(&Mitspieler[k], 2 + k));
        Team_String(299, 2 + k, ("M" + std::to_string(k)).c_str(), 1);
    }
    Steuersignal_Verarbeiten();
    EXPECT_STREQ(Steuersignal_Wartende_Zeile(), "Warte auf den Spielzug von: M0, M1, M2, M3 und 2 weiteren");
    vom_client(5, paket(SIGNAL_ZUG_BEENDET, 7));
    Steuersignal_Verarbeiten();
    EXPECT_STREQ(Steuersignal_Wartende_Zeile(), "Warte auf den Spielzug von: M0, M1, M2, M3 und einem weiteren");
    Ablauf_Zustand = ABLAUF_MENUERUNDE;
    Steuersignal_Verarbeiten();
    EXPECT_STREQ(Steuersignal_Wartende_Zeile(), "");
}

// --- the minute sync ---------------------------------------------------------------------------------

TEST_F(Signale, ServerWartetAufDieMinuteDesClientsUndGibtSieFrei)
{
    Spielfeld_Record* r = spiel(1, A, 6, 40);  // client A against a computer side
    Spielfeld_Record* r2 = spiel(2, A + 0, B, 40);
    (void)r2;
    Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
    Spielfeld_Minute_Ende(r, 40);
    EXPECT_TRUE(Spielfeld_Netz_Freigegeben(r, 1, 40));
    EXPECT_TRUE(Spielfeld_Netz_Wartet(r));
    EXPECT_EQ(Mitspieler[0].minute_freigabe, 1);
    vom_client(0, minute_paket(A, 40, 1, true));
    EXPECT_FALSE(Spielfeld_Netz_Wartet(r));
    // The pump sends the pending release once.
    Steuersignal_Verarbeiten();
    ASSERT_EQ(an(0).size(), 1u);
    EXPECT_EQ(an(0)[0].daten, paket(SIGNAL_MINUTE, A, {40, 1, 0}));
    EXPECT_EQ(Mitspieler[0].minute_freigabe, 0);
    // The change came with minute 40 and waits for 42 in both of A's games.
    ASSERT_EQ(eingereiht.size(), 2u);
    for (auto& e : eingereiht) EXPECT_EQ(Bytes_Hole16(e.block.data() + 2 * e.seite), 42);
}

TEST_F(Signale, LangsamerClientWirdGetrenntUndSeinGegnerErfaehrtEs)
{
    Spielfeld_Record* r = spiel(1, A, B, 5);
    Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
    vom_client(0, paket(SIGNAL_AM_SPIEL, A));
    vom_client(1, paket(SIGNAL_AM_SPIEL, B));
    EXPECT_EQ(r->netz_seite[0] & SPIELFELD_NETZ_AM_SPIEL, SPIELFELD_NETZ_AM_SPIEL);
    Spielfeld_Minute_Ende(r, 5);
    vom_client(1, minute_paket(B, 5, 1, false));
    EXPECT_TRUE(Spielfeld_Netz_Wartet(r));
    uhr += STEUERSIGNAL_WARTEZEIT - 1;
    Steuersignal_Verarbeiten();
    EXPECT_TRUE(Spielfeld_Netz_Wartet(r));
    gesendet.clear();
    uhr += 1;
    Steuersignal_Verarbeiten();
    // A is out (8), its opponent B hears of it (5), and the server plays on for A.
    ASSERT_EQ(an(0).size(), 1u);
    EXPECT_EQ(an(0)[0].daten, paket(SIGNAL_ZU_LANGSAM, A));
    ASSERT_EQ(an(1).size(), 1u);
    EXPECT_EQ(an(1)[0].daten, paket(SIGNAL_GEGNER_RAUS, B));
    EXPECT_FALSE(Spielfeld_Netz_Wartet(r));
    EXPECT_TRUE(r->netz_seite[0] & SPIELFELD_NETZ_RAUS);
    gesendet.clear();
    Steuersignal_Verarbeiten();
    EXPECT_TRUE(gesendet.empty());
}

// A side cut off while its game stood outside the list of games: its opponent hears of it once the
// game is back, and once only.
TEST_F(Signale, AusfallOhneSeinSpielWirdGemeldetSobaldEsWiederDaIst)
{
    spiel(1, A, B, 5);
    Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
    vom_client(0, paket(SIGNAL_AM_SPIEL, A));
    vom_client(1, paket(SIGNAL_AM_SPIEL, B));
    Steuersignal_Verarbeiten();
    const auto gemeldet = [&] {
        const std::vector<Gesendet> b = an(1);
        return std::count_if(b.begin(), b.end(), [](const Gesendet& g) { return g.daten == paket(SIGNAL_GEGNER_RAUS, B); });
    };
    Spielfeld_Netz_Gegner_Raus(B);  // A's side is out
    auto weg = std::move(spiele.front());
    spiele.clear();
    Steuersignal_Verarbeiten();
    Steuersignal_Verarbeiten();
    EXPECT_EQ(gemeldet(), 0);
    spiele.push_back(std::move(weg));
    Steuersignal_Verarbeiten();
    EXPECT_EQ(gemeldet(), 1);
    Steuersignal_Verarbeiten();
    EXPECT_EQ(gemeldet(), 1);
}

// The server kicked off while client A still fetched its match day over a slow line: A's first
// minute may take that way (a minute at most); once A says it has kicked off, the usual wait.
// A client whose first minute never comes is cut off all the same, as is one that kicked off.
TEST_F(Signale, ErsteMinuteDarfDenWegZumSpielDauern)
{
    Spielfeld_Record* r = spiel(1, A, 6, 0);
    Spielfeld_Record* r2 = spiel(2, B, 7, 0);
    Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
    vom_client(0, paket(SIGNAL_AM_SPIEL, A));
    vom_client(1, paket(SIGNAL_AM_SPIEL, B));
    Spielfeld_Minute_Ende(r, 0);
    Spielfeld_Minute_Ende(r2, 0);
    uhr += 3 * STEUERSIGNAL_WARTEZEIT;
    const auto getrennt = [&](int32_t slot, int32_t team) {
        for (const auto& g : an(slot))
            if (g.daten == paket(SIGNAL_ZU_LANGSAM, team)) return true;
        return false;
    };
    Steuersignal_Verarbeiten();
    EXPECT_FALSE(getrennt(0, A));
    EXPECT_TRUE(Spielfeld_Netz_Wartet(r));
    // A kicks off: its minute has the usual time from here.
    vom_client(0, paket(SIGNAL_AM_SPIEL, A));
    uhr += STEUERSIGNAL_WARTEZEIT - 1;
    Steuersignal_Verarbeiten();
    EXPECT_FALSE(getrennt(0, A));
    vom_client(0, minute_paket(A, 0, 1, false));
    EXPECT_FALSE(Spielfeld_Netz_Wartet(r));
    // B never comes.
    uhr += 3 * STEUERSIGNAL_WARTEZEIT;
    Steuersignal_Verarbeiten();
    EXPECT_TRUE(getrennt(1, B));
    EXPECT_FALSE(getrennt(0, A));
}

TEST_F(Signale, WerNichtAmSpielIstOderGehtIstRaus)
{
    Spielfeld_Record* r = spiel(1, A, B, 0);
    Spielfeld_Record* r2 = spiel(2, C, 6, 0);
    Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
    Steuersignal_Verarbeiten();  // the kick-off is seen
    vom_client(0, paket(SIGNAL_AM_SPIEL, A));
    vom_client(2, paket(SIGNAL_AM_SPIEL, C));
    uhr += STEUERSIGNAL_WARTEZEIT;
    gesendet.clear();
    Steuersignal_Verarbeiten();
    EXPECT_EQ(an(1).size(), 1u);
    EXPECT_EQ(an(1)[0].daten, paket(SIGNAL_CLIENT_RAUS, B));
    EXPECT_EQ(an(0).size(), 1u);
    EXPECT_EQ(an(0)[0].daten, paket(SIGNAL_GEGNER_RAUS, A));
    // A participant that left: its side is out, its opponent has no participant to tell.
    Netzuser_Loeschen(&Mitspieler[2]);
    gesendet.clear();
    Steuersignal_Verarbeiten();
    EXPECT_TRUE(r2->netz_seite[0] & SPIELFELD_NETZ_RAUS);
    EXPECT_TRUE(gesendet.empty());
    (void)r;
}

TEST_F(Signale, ClientSpieltNachDerFreigabeUndMeldetSich)
{
    als_client(A);
    Team_Wert(TEAM_STATUS, B, 32, TEAM_SETZEN);
    Spielfeld_Record* gegen_computer = spiel(1, 6, A, 30);
    Spielfeld_Record* gegen_client = spiel(2, A, B, 30);
    Ablauf_Zustand = ABLAUF_CLIENT_SPIEL;
    Bytes_Setze16(gegen_client->anweisungen, 32);  // queued by this minute's take
    Spielfeld_Minute_Ende(gegen_computer, 30);
    Spielfeld_Minute_Ende(gegen_client, 30);
    ASSERT_EQ(gesendet.size(), 2u);
    EXPECT_EQ(gesendet[0].daten.size(), 24u);
    EXPECT_EQ(gesendet[1].daten.size(), STEUERSIGNAL_MAX);
    EXPECT_TRUE(Spielfeld_Netz_Wartet(gegen_computer));
    // The server's release of A frees the computer's side; B's relayed minute frees B's.
    vom_server(paket(SIGNAL_MINUTE, A, {30, 1, 0}));
    EXPECT_FALSE(Spielfeld_Netz_Wartet(gegen_computer));
    EXPECT_TRUE(Spielfeld_Netz_Wartet(gegen_client));
    vom_server(minute_paket(B, 30, 1, true));
    EXPECT_FALSE(Spielfeld_Netz_Wartet(gegen_client));
    ASSERT_EQ(eingereiht.size(), 1u);
    EXPECT_EQ(eingereiht[0].seite, 1);
    EXPECT_EQ(Bytes_Hole16(eingereiht[0].block.data() + 2), 32);
    // Too slow: the message, and no more waiting.
    Spielfeld_Minute_Ende(gegen_client, 31);
    vom_server(paket(SIGNAL_ZU_LANGSAM, A));
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0], "Die Verbindung war zu langsam. Der Server musste die synchone Verbindung trennen.");
    EXPECT_FALSE(Spielfeld_Netz_Wartet(gegen_client));
}

// The notice of a cut comes over the running match day: the pitch already plays on alone while
// it waits for its "OK", and a script that lets the day play out reaches it (the client spun
// for ever over a notice that a script's wait for the day's end never saw).
TEST_F(Signale, DerHinweisAufDieTrennungHaeltDasSpielNichtAn)
{
    als_client(A);
    Spielfeld_Record* r = spiel(2, A, B, 30);
    Ablauf_Zustand = ABLAUF_CLIENT_SPIEL;
    Spielfeld_Minute_Ende(r, 30);
    ASSERT_TRUE(Spielfeld_Netz_Wartet(r));
    static Spielfeld_Record* beim_hinweis;
    static uint8_t seiten;
    static bool laufend;
    beim_hinweis = r;
    Team_Requester_Set_Anzeige([](int32_t, int32_t, const char* text) -> uint8_t {
        meldungen.emplace_back(text);
        seiten = beim_hinweis->netz_seite[0] & beim_hinweis->netz_seite[1] & SPIELFELD_NETZ_RAUS;
        laufend = Os_Script_Laufender_Schirm(false);
        Os_Script_Laufender_Schirm(laufend);
        return 1;
    });
    Os_Script_Laufender_Schirm(true);
    vom_server(paket(SIGNAL_ZU_LANGSAM, A));
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_TRUE(seiten) << "both sides are out before the notice shows";
    EXPECT_FALSE(laufend) << "a script's wait for the day ends at the notice";
    EXPECT_TRUE(Os_Script_Laufender_Schirm(false)) << "and the match day's screen runs on after it";
    EXPECT_FALSE(Spielfeld_Netz_Wartet(r));
}

// The server's release of minute 0 came while this client still loaded its match day: its own
// first minute counts from its kick-off, not from the release, and it is not slow.
TEST_F(Signale, ErsteMinuteZaehltAbDemEigenenAnstoss)
{
    als_client(A);
    Spielfeld_Record* r = spiel(3, A, 6, 0);
    Ablauf_Zustand = ABLAUF_CLIENT_SPIEL;
    vom_server(paket(SIGNAL_MINUTE, A, {0, 1, 0}));
    uhr += 3 * STEUERSIGNAL_WARTEZEIT;
    EXPECT_FALSE(Spielfeld_Netz_Wartet(r));
    uhr += STEUERSIGNAL_WARTEZEIT / 2;
    gesendet.clear();
    Spielfeld_Minute_Ende(r, 0);
    for (const auto& g : gesendet) EXPECT_NE(g.daten, paket(SIGNAL_LANGSAM, A));
    // A minute of its own that takes longer than the wait is.
    vom_server(paket(SIGNAL_MINUTE, A, {0, 1, 0}));
    EXPECT_FALSE(Spielfeld_Netz_Wartet(r));
    uhr += STEUERSIGNAL_WARTEZEIT + 1;
    gesendet.clear();
    Spielfeld_Minute_Ende(r, 1);
    ASSERT_FALSE(gesendet.empty());
    EXPECT_EQ(gesendet[0].daten, paket(SIGNAL_LANGSAM, A));
}

// The server kicked off once its data were out and released minute 0 while this client still
// made its way to the match: the release is kept and reaches the pitch once it plays, so that the
// client does not wait for it at 1:00 until the server cuts it off. One of a day before the
// match day's start is not kept.
TEST_F(Signale, FreigabeAufDemWegZumSpielWirdNachgereicht)
{
    als_client(A);
    Spielfeld_Record* r = spiel(3, A, 6, 0);
    Ablauf_Zustand = ABLAUF_CLIENT_WARTET;
    vom_server(paket(SIGNAL_MINUTE, A, {7, 1, 0}));
    Ablauf_Zustand = ABLAUF_CLIENT_ZUM_SPIEL;
    vom_server(paket(SIGNAL_SPIELTAG_START, A));
    Ablauf_Zustand = ABLAUF_CLIENT_WARTET_DATEN;
    vom_server(paket(SIGNAL_MINUTE, A, {0, 1, 0}));
    vom_server(paket(SIGNAL_DATEN_VERSCHICKT, A));
    ASSERT_EQ(Ablauf_Zustand, ABLAUF_CLIENT_SPIEL);
    Spielfeld_Minute_Ende(r, 0);
    EXPECT_TRUE(Spielfeld_Netz_Wartet(r));
    Steuersignal_Verarbeiten();
    EXPECT_FALSE(Spielfeld_Netz_Wartet(r));
    EXPECT_FALSE(Spielfeld_Netz_Freigegeben(r, 1, 7));
}

// The manager's pause in a minute (a taker to choose) is measured on the game's clock, which in
// a headless run runs ahead of the network's: a pause longer than the minute so far does not
// push the minute's start past now, where the next minute would read as ages long.
TEST_F(Signale, EinePauseLaengerAlsDieMinuteMachtSieNichtLangsam)
{
    als_client(A);
    Spielfeld_Record* r = spiel(3, A, 6, 10);
    Ablauf_Zustand = ABLAUF_CLIENT_SPIEL;
    EXPECT_FALSE(Spielfeld_Netz_Wartet(r));
    uhr += 1000;
    Spielfeld_Netz_Angehalten(6000);
    uhr += 2000;
    gesendet.clear();
    Spielfeld_Minute_Ende(r, 10);
    for (const auto& g : gesendet) EXPECT_NE(g.daten, paket(SIGNAL_LANGSAM, A));
}

TEST_F(Signale, NachDemLadenGiltAllesBisZurMinuteAlsGespielt)
{
    Spielfeld_Record* r = spiel(4, A, B, 30);
    EXPECT_TRUE(Spielfeld_Netz_Freigegeben(r, 1, 29));
    EXPECT_FALSE(Spielfeld_Netz_Freigegeben(r, 1, 30));
    Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
    Spielfeld_Minute_Ende(r, 30);
    EXPECT_TRUE(Spielfeld_Netz_Wartet(r));
    // The game loaded again at minute 12: nothing of the old state holds it.
    spiele.clear();
    Spielfeld_Record* neu = spiel(4, A, B, 12);
    EXPECT_FALSE(Spielfeld_Netz_Wartet(neu));
    EXPECT_TRUE(Spielfeld_Netz_Freigegeben(neu, 0, 11));
    EXPECT_FALSE(Spielfeld_Netz_Freigegeben(neu, 0, 29));
    EXPECT_FALSE(Spielfeld_Netz_Wartet(neu));
}

// Each shoot-out kick repeats the record's minute; the record waits for every side's kick.
TEST_F(Signale, ElfmeterKickWartetAufJedeSeiteUndWirdWeitergereicht)
{
    Spielfeld_Record* r = spiel(1, A, B, 120);
    Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
    vom_client(0, paket(SIGNAL_AM_SPIEL, A));
    vom_client(1, paket(SIGNAL_AM_SPIEL, B));
    for (int32_t kick = 1; kick <= 2; ++kick) {
        gesendet.clear();
        Spielfeld_Netz_Elfmeter(r);
        EXPECT_TRUE(Spielfeld_Netz_Wartet(r)) << kick;
        vom_client(0, minute_paket(A, 120, 1, false, 0));
        EXPECT_TRUE(Spielfeld_Netz_Wartet(r)) << kick;  // B has not taken this kick yet
        ASSERT_EQ(an(1).size(), 1u);
        EXPECT_EQ(an(1)[0].daten, paket(SIGNAL_MINUTE, A, {120, 1, 0}));
        vom_client(1, minute_paket(B, 120, 1, false, 0));
        EXPECT_FALSE(Spielfeld_Netz_Wartet(r)) << kick;
    }
    // A client that stops signalling its kicks is dropped like one that stops playing minutes.
    Spielfeld_Netz_Elfmeter(r);
    vom_client(1, minute_paket(B, 120, 1, false, 0));
    uhr += STEUERSIGNAL_WARTEZEIT;
    gesendet.clear();
    Steuersignal_Verarbeiten();
    ASSERT_FALSE(an(0).empty());
    EXPECT_EQ(an(0)[0].daten, paket(SIGNAL_ZU_LANGSAM, A));
    EXPECT_FALSE(Spielfeld_Netz_Wartet(r));
}

// Client A's corner: the server holds the record for A's taker from the moment it reaches the
// set piece. A check of the same millisecond (an even one, so that no stamp rounds past it) cuts
// nobody; A has the whole time for the choice, and its signal lets the record play on with A's
// taker. Only a choice that never comes cuts A off, once the time is up.
TEST_F(Signale, EinSchuetzeHatDieGanzeWahlzeitAuchAbDerErstenMillisekunde)
{
    for (const bool kommt : {true, false}) {
        SCOPED_TRACE(kommt ? "the taker comes" : "no taker comes");
        Spielfeld_Record* r = ecke_von_a_gehalten();
        r->ecken_schuetze[0] = 11;
        gesendet.clear();
        Steuersignal_Verarbeiten();
        EXPECT_FALSE(r->netz_seite[0] & SPIELFELD_NETZ_RAUS) << "cut off in the millisecond the wait began";
        EXPECT_TRUE(gesendet.empty());
        uhr += SPIELFELD_NETZ_WAHLZEIT - 1;
        Steuersignal_Verarbeiten();
        EXPECT_FALSE(r->netz_seite[0] & SPIELFELD_NETZ_RAUS);
        EXPECT_TRUE(Spielfeld_Netz_Wartet(r));
        if (kommt) {
            // taker count 1, a corner (2), player 77
            vom_client(0, paket(SIGNAL_SONDERAKTION, A, {1u << 24 | 2u << 22 | 78u}));
            EXPECT_FALSE(Spielfeld_Netz_Wartet(r));
            Spielfeld_Netz_Standard(r);
            EXPECT_EQ(r->ecken_schuetze[0], 77u);
        }
        uhr += 1;
        Steuersignal_Verarbeiten();
        EXPECT_EQ((r->netz_seite[0] & SPIELFELD_NETZ_RAUS) != 0, !kommt);
    }
}

// A client far ahead of the copy chose the takers of 40 set pieces: each set piece of the copy
// takes its own (the first 8 were dropped).
TEST_F(Signale, SchuetzenVonWeitVorausWartenAufIhreStandards)
{
    Spielfeld_Record* r = ecke_von_a_gehalten();
    for (uint32_t n = 1; n <= 40; ++n) vom_client(0, paket(SIGNAL_SONDERAKTION, A, {n << 24 | 2u << 22 | (n + 101)}));
    for (uint32_t n = 1; n <= 40; ++n) {
        r->sync_standard[0] = 0;
        Spielfeld_Netz_Standard(r);
        EXPECT_EQ(r->ecken_schuetze[0], n + 100) << "set piece " << n;
    }
}

// The server holds for client A's corner and A's taker comes, but the server's pitch stands still
// (its manager pauses the match) past the time for a choice: A chose, it is not cut off. The same
// for a minute of A's that passed the set piece. A choice that never comes still cuts A off.
TEST_F(Signale, EinGekommenerSchuetzeWirdNichtAbgewartetWennDerPlatzStillsteht)
{
    enum Fall { SCHUETZE, MINUTE, NICHTS };
    for (const Fall fall : {SCHUETZE, MINUTE, NICHTS}) {
        SCOPED_TRACE(int(fall));
        Spielfeld_Record* r = ecke_von_a_gehalten();
        if (fall == SCHUETZE) vom_client(0, paket(SIGNAL_SONDERAKTION, A, {1u << 24 | 2u << 22 | 78u}));
        if (fall == MINUTE) vom_client(0, minute_paket(A, 30, 1, false, 0));
        // no step of the pitch from here: the server's manager has paused
        uhr += SPIELFELD_NETZ_WAHLZEIT + 1000;
        Steuersignal_Verarbeiten();
        EXPECT_EQ((r->netz_seite[0] & SPIELFELD_NETZ_RAUS) != 0, fall == NICHTS);
    }
}

// Client A's manager sets his first tactic to its third value in minute 40. His PC takes the
// change at the minute's end for minute 42 and sends it with the minute; the server, its record
// as A's was before the change, takes the same change for the same minute, and from minute 42
// both records play the same tactic.
TEST_F(Signale, EineTaktikAenderungDesClientsGiltAufDemServerWieBeiIhm)
{
    Spielfeld_Set_Einreihen_Hook(nullptr);
    const auto anlegen = [&] {
        Spielfeld_Record* r = spiel(1, A, 6, 40);
        for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) r->spieler[slot].anweisung[0] = 2;
        Spielfeld_Anweisungen_Fuellen(r);
        return r;
    };
    als_client(A);
    Ablauf_Zustand = ABLAUF_CLIENT_SPIEL;
    Spielfeld_Record* c = anlegen();
    c->anweisungen[ANW_TAKTIK] = 2;
    c->anweisungen[ANW_FLAGS] |= ANWEISUNG_TAKTIK;
    Spielfeld_Anweisungen_Uebernehmen(c, 40);
    Spielfeld_Minute_Ende(c, 40);
    ASSERT_EQ(gesendet.size(), 1u);
    const std::vector<uint8_t> paket_von_a = gesendet[0].daten;
    const auto client = std::make_unique<Spielfeld_Record>(*c);

    spiele.clear();
    Spielfeld_Netz_Zuruecksetzen();
    Win95_Netz_Modus = 2;
    Netz_Rolle = 3;
    Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
    Spielfeld_Record* srv = anlegen();
    vom_client(0, paket_von_a);
    EXPECT_EQ(std::vector<uint8_t>(srv->aenderung[0], srv->aenderung[0] + SPIELFELD_AENDERUNG_BYTES),
              std::vector<uint8_t>(client->aenderung[0], client->aenderung[0] + SPIELFELD_AENDERUNG_BYTES));
    for (Spielfeld_Record* r : {srv, client.get()}) {
        Spielfeld_Anweisungen_Anwenden(r, 41);
        EXPECT_EQ(r->taktik[0][0], 0);
        Spielfeld_Anweisungen_Anwenden(r, 42);
        EXPECT_EQ(r->taktik[0][0], 2);
    }
}

TEST_F(Signale, ClientMeldetJedenKickUndZaehltDenServerVereinEinmal)
{
    als_client(A);
    Spielfeld_Record* r = spiel(1, A, 1, 120);  // against the server's own manager
    Ablauf_Zustand = ABLAUF_CLIENT_SPIEL;
    Spielfeld_Netz_Elfmeter(r);
    Spielfeld_Netz_Elfmeter(r);  // only the second waits for nothing more than the first
    ASSERT_EQ(gesendet.size(), 2u);
    for (auto& g : gesendet) EXPECT_EQ(g.daten, paket(SIGNAL_MINUTE, A, {120, 1, 0}));
    // The server sends the release of A's club and its own manager's minute for every kick: two
    // messages, one kick.
    vom_server(paket(SIGNAL_MINUTE, A, {120, 1, 0}));
    vom_server(paket(SIGNAL_MINUTE, 1, {120, 1, 0}));
    EXPECT_TRUE(Spielfeld_Netz_Wartet(r));
    vom_server(paket(SIGNAL_MINUTE, A, {120, 1, 0}));
    EXPECT_TRUE(Spielfeld_Netz_Wartet(r));
    vom_server(paket(SIGNAL_MINUTE, 1, {120, 1, 0}));
    EXPECT_FALSE(Spielfeld_Netz_Wartet(r));
}

// --- chat --------------------------------------------------------------------------------------------

TEST_F(Signale, ChatTextPaketeDesClients)
{
    als_client(A);
    Chat_Senden("Hallo");
    ASSERT_EQ(gesendet.size(), 1u);
    EXPECT_EQ(gesendet[0].daten.size(), 50u);
    EXPECT_TRUE(Chat_Paket_Pruefen(gesendet[0].daten.data(), 50));
    Chat_Senden(std::string(300, 'x').c_str());
    EXPECT_EQ(Bytes_Hole32(gesendet[1].daten.data() + 20), 257u);
    EXPECT_TRUE(Chat_Paket_Pruefen(gesendet[1].daten.data(), uint32_t(gesendet[1].daten.size())));
    // A long text with blanks wraps into lines that start inside it.
    std::string lang;
    for (int k = 0; k < 40; ++k) lang += "Wort ";
    Chat_Senden(lang.c_str());
    const auto& w = gesendet[2].daten;
    EXPECT_GT(Bytes_Hole32(w.data() + 24), 1u);
    EXPECT_TRUE(Chat_Paket_Pruefen(w.data(), uint32_t(w.size())));

    Chat_Senden("/me jubelt");
    const auto& p = gesendet[3].daten;
    const uint32_t n = Bytes_Hole32(p.data() + 24);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(p.data() + 40 + 4 * n)),
              std::string(Team_String(299, A, nullptr, 0)) + " jubelt");
    EXPECT_EQ(Chat_Nachricht_Farbe(p.data()), Grafik_Farbe(6, 6, 6));
    Chat_Senden("danach");
    EXPECT_NE(Chat_Nachricht_Farbe(gesendet[4].daten.data()), Grafik_Farbe(6, 6, 6));
}

TEST_F(Signale, ChatServerReichtWeiterUndTrautDemPaketNicht)
{
    als_client(A);
    Chat_Senden("Hallo");
    auto text = gesendet[0].daten;
    Win95_Netz_Modus = 2;
    Netz_Rolle = 3;
    gesendet.clear();
    // Participant 1 claims to speak for A: the server sets its own club.
    EXPECT_TRUE(vom_client(1, text));
    for (int32_t k : {0, 1, 2}) {
        ASSERT_EQ(an(k).size(), 1u);
        EXPECT_EQ(int32_t(Bytes_Hole32(an(k)[0].daten.data() + 8)), B);
    }
    uint32_t g = 0;
    const uint8_t* h = Chat_Historie_Nachricht(0, &g);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(g, 50u);

    // Broken packets: dropped, nothing sent, the history unchanged.
    gesendet.clear();
    std::vector<std::vector<uint8_t>> kaputt(6, text);
    Bytes_Setze32(kaputt[0].data() + 4, 49);                 // size not the block's
    kaputt[1][49] = 'x';                                    // no closing NUL
    Bytes_Setze32(kaputt[2].data() + 40, 6);                // line start past the text
    Bytes_Setze32(kaputt[3].data() + 20, 300000);           // text length
    Bytes_Setze32(kaputt[4].data() + 16, 9);                // mode
    Bytes_Setze32(kaputt[5].data() + 24, 41);               // lines
    for (auto& k : kaputt) EXPECT_TRUE(vom_client(0, k));
    EXPECT_TRUE(gesendet.empty());
    EXPECT_EQ(Chat_Historie_Nachricht(1, nullptr), nullptr);

    // Enter: the club's chat bit, and a status list for everyone; a request to its sender only.
    std::vector<uint8_t> notiz(40, 0);
    Bytes_Setze32(notiz.data(), CHAT_MARKE);
    Bytes_Setze32(notiz.data() + 4, 40);
    Bytes_Setze32(notiz.data() + 16, CHAT_BETRETEN);
    vom_client(2, notiz);
    EXPECT_TRUE(Team_Wert(TEAM_FLAGS, C, 0, TEAM_LESEN) & 0x80);
    EXPECT_FALSE(Team_Wert(TEAM_FLAGS, A, 0, TEAM_LESEN) & 0x80);
    EXPECT_EQ(gesendet.size(), 3u);
    EXPECT_EQ(gesendet[0].daten.size(), 40u + 8u * ANZAHL);
    gesendet.clear();
    Bytes_Setze32(notiz.data() + 16, CHAT_STATUS);
    vom_client(2, notiz);
    ASSERT_EQ(gesendet.size(), 1u);
    EXPECT_EQ(gesendet[0].an, 2);
    // A status list naming a club twice is refused.
    auto liste = gesendet[0].daten;
    Bytes_Setze32(liste.data() + 48, Bytes_Hole32(liste.data() + 40));
    EXPECT_FALSE(Chat_Paket_Pruefen(liste.data(), uint32_t(liste.size())));
}

// Between the turns no club acts: the server's manager still signs with his club and name (and
// speaks for it with "/me" and in the chat's list), and a server without a manager of its own
// names itself once.
TEST_F(Signale, ChatDesServersNenntSeinenManager)
{
    std::snprintf(T[1].manager_name, sizeof T[1].manager_name, "Anna");
    Netz_Set_Eigenes_Team(0);  // a server never sets it
    Aktuelles_Team = -1;
    Chat_Senden("Anpfiff!");
    ASSERT_EQ(gesendet.size(), 3u);
    for (const auto& g : gesendet) EXPECT_EQ(int32_t(Bytes_Hole32(g.daten.data() + 8)), 1);
    const uint8_t* h = Chat_Historie_Nachricht(0, nullptr);
    ASSERT_NE(h, nullptr);
    const std::string kopf = Chat_Absender(int32_t(Bytes_Hole32(h + 8)));
    EXPECT_EQ(kopf, std::string(Team_String(TEAM_NAME_WAPPEN, 1, nullptr, 0)) + ", Anna: ");
    // "/me" and entering the chat speak for the same club.
    gesendet.clear();
    Chat_Senden("/me pfeift");
    ASSERT_FALSE(gesendet.empty());
    const auto& me = gesendet[0].daten;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(me.data() + 40 + 4 * Bytes_Hole32(me.data() + 24))),
              "Anna pfeift");
    Chat_Betreten();
    EXPECT_TRUE(Team_Wert(TEAM_FLAGS, 1, 0, TEAM_LESEN) & CHAT_OFFEN_BIT);
    for (int32_t t = 0; t < ANZAHL; ++t)
        if (t != 1) { EXPECT_FALSE(Team_Wert(TEAM_FLAGS, t, 0, TEAM_LESEN) & CHAT_OFFEN_BIT) << t; }

    // A hot-seat manager's turn at the server speaks for that club.
    gesendet.clear();
    Aktuelles_Team = 6;
    Chat_Senden("Hallo");
    ASSERT_FALSE(gesendet.empty());
    EXPECT_EQ(int32_t(Bytes_Hole32(gesendet[0].daten.data() + 8)), 6);

    gesendet.clear();
    Netz_Rolle = 2;
    Server_Team = -1;
    Aktuelles_Team = -1;
    Chat_Senden("Hallo");
    ASSERT_FALSE(gesendet.empty());
    EXPECT_EQ(int32_t(Bytes_Hole32(gesendet[0].daten.data() + 8)), -1);
    EXPECT_EQ(Chat_Absender(-1), "Server: ");
    EXPECT_EQ(Chat_Absender(ANZAHL), "Server: ");
}

TEST_F(Signale, ChatVerlaufBehaeltDieNeuesteNachrichtGanz)
{
    Chat_Init();
    auto text = [](uint32_t laenge, char c) {
        std::vector<uint8_t> p(40 + 4 + laenge, 0);
        Bytes_Setze32(p.data(), CHAT_MARKE);
        Bytes_Setze32(p.data() + 4, uint32_t(p.size()));
        Bytes_Setze32(p.data() + 16, CHAT_TEXT);
        Bytes_Setze32(p.data() + 20, laenge);
        Bytes_Setze32(p.data() + 24, 1);
        std::memset(p.data() + 44, c, laenge - 1);
        return p;
    };
    // 1000 messages of 301 bytes fill the history; the oldest drop off, each kept one is whole.
    for (int k = 0; k < 1000; ++k) Chat_Empfangen(text(257, char('a' + k % 26)).data(), 301);
    int32_t ganz = 0;
    while (Chat_Historie_Nachricht(ganz, nullptr)) ++ganz;
    EXPECT_EQ(ganz, int32_t(CHAT_HISTORIE / 301));
    uint32_t g = 0;
    const uint8_t* neu = Chat_Historie_Nachricht(0, &g);
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(neu[44], uint8_t('a' + 999 % 26));
    EXPECT_EQ(g, 301u);
}

TEST_F(Signale, OnlineStatusFolgtDenVerbindungen)
{
    Chat_Pruefe_Online_Status(uhr);
    EXPECT_TRUE(status(A) & 32);
    EXPECT_TRUE(Chat_Status_Geaendert() & 1);
    Chat_Sende_Status_An_Alle();
    EXPECT_EQ(gesendet.size(), 3u);
    Team_Wert(TEAM_FLAGS, B, 0x80, TEAM_SETZEN);
    Netzuser_Loeschen(&Mitspieler[1]);
    Chat_Pruefe_Online_Status(uhr + 999);
    EXPECT_TRUE(status(B) & 32);
    Chat_Pruefe_Online_Status(uhr + 1000);
    EXPECT_FALSE(status(B) & 32);
    EXPECT_FALSE(Team_Wert(TEAM_FLAGS, B, 0, TEAM_LESEN) & 0x80);
    gesendet.clear();
    Chat_Sende_Status_An_Alle();
    ASSERT_EQ(gesendet.size(), 2u);
    EXPECT_EQ(gesendet[0].daten.size(), 40u + 8u * ANZAHL);
    gesendet.clear();
    Chat_Sende_Status_An_Alle();
    EXPECT_TRUE(gesendet.empty());
}

// --- robustness ----------------------------------------------------------------------------------------

TEST_F(Signale, VerstuemmeltePaketeAendernKeinenFremdenVerein)
{
    Fehler_Capture f;
    spiel(1, B, C, 20);
    spiel(2, A, 6, 20);
    Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
    als_client(A);
    Chat_Senden("Hallo Welt");
    const auto chat = gesendet.back().daten;
    Win95_Netz_Modus = 2;
    Netz_Rolle = 3;
    const std::vector<std::vector<uint8_t>> gut = {
        minute_paket(A, 20, 1, true), minute_paket(A, 20, 1, false), paket(SIGNAL_ZUG_BEENDET, A),
        paket(SIGNAL_SONDERAKTION, A, {3}), paket(SIGNAL_LANGSAM, A), paket(SIGNAL_AM_SPIEL, A), chat};
    int32_t vorher[ANZAHL][2];
    for (int32_t t = 0; t < ANZAHL; ++t) {
        vorher[t][0] = t == A ? 0 : status(t);
        vorher[t][1] = t == A ? 0 : Team_Wert(TEAM_FLAGS, t, 0, TEAM_LESEN);
    }
    mutation::Folge z(31);
    for (int runde = 0; runde < 100000; ++runde) {
        std::vector<uint8_t> m = gut[z.bis(gut.size())];
        const int aenderungen = 1 + int(z.bis(3));
        for (int k = 0; k < aenderungen; ++k) {
            switch (z.bis(4)) {
            case 0: if (!m.empty()) m[mutation::stelle(z, m.size())] = uint8_t(z()); break;
            case 1:
                if (m.size() >= 4) Bytes_Setze32(m.data() + 4 * z.bis(m.size() / 4), mutation::grenzwert(z));
                break;
            case 2: m.resize(z.bis(m.size() + 8)); break;
            default: m.resize(m.size() + z.bis(16), uint8_t(z())); break;
            }
        }
        gesendet.clear();
        vom_client(0, m);
        for (auto& g : gesendet) {
            if (g.daten.size() >= 12 && Bytes_Hole32(g.daten.data()) != CHAT_MARKE) {
                ASSERT_EQ(int32_t(Bytes_Hole32(g.daten.data() + 8)), A);
            }
        }
    }
    for (int32_t t = 0; t < ANZAHL; ++t) {
        if (t == A) continue;
        EXPECT_EQ(status(t), vorher[t][0]) << t;
        EXPECT_EQ(Team_Wert(TEAM_FLAGS, t, 0, TEAM_LESEN), vorher[t][1]) << t;
    }
    for (int32_t m = 0; m < SPIELFELD_NETZ_MINUTEN; ++m) {
        EXPECT_FALSE(Spielfeld_Netz_Freigegeben(spiele[0].get(), 0, m) && m >= 20);
        EXPECT_FALSE(Spielfeld_Netz_Freigegeben(spiele[0].get(), 1, m) && m >= 20);
    }
    // Every kept chat message names the sender's club.
    for (int32_t k = 0; const uint8_t* h = Chat_Historie_Nachricht(k, nullptr); ++k)
        EXPECT_EQ(int32_t(Bytes_Hole32(h + 8)), A);
}

}  // namespace

// A club with one of its two online marks gets both while its participant is connected; one that
// nobody holds loses the mark it still has.
TEST_F(Signale, HalbeOnlineMarkenWerdenGanzGesetztOderGeloescht)
{
    Handelndes_Team = Server_Team;
    T[A].status = uint8_t((T[A].status & ~(16 | 32)) | 16);
    T[B].status = uint8_t((T[B].status & ~(16 | 32)) | 32);
    T[6].status = uint8_t(T[6].status | 32);
    Internet_Server_Mitspieler_Statistik();
    EXPECT_EQ(T[A].status & (16 | 32), 16 | 32);
    EXPECT_EQ(T[B].status & (16 | 32), 16 | 32);
    EXPECT_EQ(T[6].status & (16 | 32), 0);
    EXPECT_EQ(T[Server_Team].status & (16 | 32), 16 | 32) << "the server's own club";
}
