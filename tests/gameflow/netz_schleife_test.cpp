// The main loop's states with participants: the server's walk through a day and the remote
// client's, with recording stand-ins for the network.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/capture.h"
#include "common/schirm.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "gameflow/ablauf.h"
#include "gameflow/ablauf_anfrage.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/team_requester.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "gameflow/news.h"
#include "match/spieltag.h"
#include "matchview/spielbericht.h"
#include "network/internet_read.h"
#include "network/netzuser.h"
#include "network/socket.h"
#include "network/steuersignal.h"
#include "platform/bytes.h"
#include "platform/display.h"
#include "platform/mem.h"
#include "platform/win95.h"
#include "matchview/spielansicht.h"
#include "network/chat.h"
#include "schleife_welt.h"
#include "toolkit/event.h"
#include "toolkit/icon.h"
#include "toolkit/screen.h"

namespace {

constexpr int32_t SERVER = 1, A = 2, B = 3;

std::vector<uint32_t> gesendet;  // codes of the 12-byte signals, in order
std::vector<uint32_t> an_neuen;  // those to the participant in slot 2
std::vector<int32_t> gespielt;   // clubs whose turn ran at this PC
std::vector<int32_t> anfragen;   // remote calls of the client
uint32_t uhr = 1000;
int32_t spieltag_run = 0;

int server_sender(Mitspieler_Eintrag* m, const uint8_t* d, uint32_t n)
{
    // What goes to everybody is counted once.
    if (n == 12 && m == &Mitspieler[0]) gesendet.push_back(Bytes_Hole32(d + 4));
    if (n == 12 && m == &Mitspieler[2]) an_neuen.push_back(Bytes_Hole32(d + 4));
    return 1;
}

int client_sender(const uint8_t* d, uint32_t n)
{
    if (n == 12) gesendet.push_back(Bytes_Hole32(d + 4));
    return 1;
}

bool client_austausch(const std::vector<uint8_t>& anfrage, std::vector<uint8_t>*)
{
    anfragen.push_back(int32_t(Bytes_Hole32(anfrage.data() + 4)));
    return false;
}

int32_t zug(int32_t team, bool erster)
{
    if (erster) gespielt.push_back(team);
    return erster ? 0 : -1;
}

// Whether the client's own game is still on its pitch.
int32_t auf_dem_platz = 0;
int32_t spieltag_hook(const char* aufruf)
{
    const std::string a(aufruf);
    if (a == "Spieltag_Run") return spieltag_run;
    if (a == "Spieltag_Team_Spielt_Auf_Dem_Platz") return auf_dem_platz;
    return 1;
}
int32_t bericht_hook(const char* aufruf) { return std::string(aufruf) == "Spielszenen_Geladen" ? 0 : 1; }

void signal(uint32_t code)
{
    uint8_t p[12];
    Bytes_Setze32(p, STEUERSIGNAL_MARKE);
    Bytes_Setze32(p + 4, code);
    Bytes_Setze32(p + 8, uint32_t(A));
    ASSERT_TRUE(Steuersignal_Vom_Server(p, sizeof p));
}

class Netzschleife : public Schleife_Welt {
protected:
    void SetUp() override
    {
        schleife_aufbauen(spieltag_hook, bericht_hook);
        Ablauf_Set_Zug_Hook(zug);
        Socket_Set_Uhr([] { return uhr; });
        Ablauf_Anfragen_Anbinden();
        Eingang_Set_Spiel_Gestartet(true);
        for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
        gesendet.clear();
        gespielt.clear();
        anfragen.clear();
        spieltag_run = 0;
        auf_dem_platz = 0;
        Steuersignal_Menue_Modus(0, 1);
    }
    void TearDown() override
    {
        Steuersignal_Set_Sender(nullptr, nullptr);
        Eingang_Set_Spiel_Gestartet(false);
        Internet_Set_Client_Austausch(nullptr);
        Socket_Set_Uhr(nullptr);
        for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
        while (Ablauf_Naechster_Zustand_Nehmen() >= 0) {}
        Ablauf_Client_Daten_Anforderung_Nehmen();
        Steuersignal_Daten_Verschickt_Nehmen();
        Steuersignal_Menue_Modus(0, 1);
        Team_Requester_Set_Anzeige(nullptr);
        if (Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(950)) Menue_Icon_Entfernen(i);
        Menue_Status.aktiv = 0;
        schleife_abbauen();
        Win95_Netz_Modus = 0;
        Netz_Rolle = 0;
        Server_Team = -1;
        Handelndes_Team = 0;
        Aktuelles_Team = -1;
    }

    void server_aufbauen()
    {
        Manager_Neuer_Mitspieler(SERVER, "Server");
        Manager_Neuer_Mitspieler(A, "Eins");
        Manager_Neuer_Mitspieler(B, "Zwei");
        Server_Team = SERVER;
        Netz_Rolle = 3;
        Win95_Netz_Modus = 2;
        Steuersignal_Set_Sender(server_sender, nullptr);
        for (int32_t i : {0, 1}) {
            Mitspieler[i].in_benutzung = 1;
            Mitspieler[i].verein_beansprucht = 1;
            Mitspieler[i].verein = Mitspieler[i].team = i ? B : A;
        }
    }

    // One pass of the loop as the server runs it; the clients answer last, each when the server
    // waits for it.
    // One pass of the loop as the server runs it (the states after the pump and after the step
    // noted); the clients answer last, each when the server waits for it.
    void server_pass(std::vector<int32_t>* z = nullptr)
    {
        auto notieren = [z] {
            if (z && Ablauf_Zustand != z->back()) z->push_back(Ablauf_Zustand);
        };
        Steuersignal_Verarbeiten();
        notieren();
        Ablauf_Schritt();
        notieren();
        if (Ablauf_Zustand == ABLAUF_SERVER_WARTET)
            for (int32_t t : {A, B}) Team_Wert(TEAM_STATUS, t, 4, TEAM_SETZEN);
        if (Ablauf_Zustand == ABLAUF_DATEN_SAMMELN)
            for (int32_t t : {A, B}) Steuersignal_Daten_Von_Client(t);
        if (Ablauf_Zustand == ABLAUF_DATEN_GESAMMELT && !gesendet.empty() && gesendet.back() == SIGNAL_SPIELTAG_START)
            for (int32_t t : {A, B}) {
                Internet_Positionen p{};
                uint8_t* var = nullptr;
                Internet_Aufruf a{ABLAUF_SPIELFELD_RECORDS, &p, &var, 0};
                Handelndes_Team = uint32_t(t);
                ASSERT_TRUE(Ablauf_Server_Anfrage_Ausfuehren(&a));
                Mem_Free(var, 0);
            }
    }

    std::vector<int32_t> server_tag()
    {
        std::vector<int32_t> z{Ablauf_Zustand};
        for (int i = 0; i < 60; ++i) {
            server_pass(&z);
            if (Ablauf_Zustand == ABLAUF_TAG_ENDE) break;
        }
        return z;
    }

    // A client of club A whose signals and requests are recorded; its match day runs.
    static void client_aufbauen()
    {
        Netz_Rolle = 1;
        Win95_Netz_Modus = 1;
        Handelndes_Team = A;
        Steuersignal_Set_Sender(nullptr, client_sender);
        Internet_Set_Client_Austausch(client_austausch);
        spieltag_run = 1;
    }
    std::vector<int32_t> client_walk(int passes, std::vector<int32_t> z = {})
    {
        if (z.empty() || z.back() != Ablauf_Zustand) z.push_back(Ablauf_Zustand);
        for (int i = 0; i < passes; ++i) {
            Steuersignal_Verarbeiten();
            Ablauf_Schritt();
            if (Ablauf_Zustand != z.back()) z.push_back(Ablauf_Zustand);
        }
        return z;
    }
};

TEST_F(Netzschleife, ServerWalksMatchDayAndQuietDayWithItsClients)
{
    server_aufbauen();
    ASSERT_TRUE(Kalender_Spieltag_Einfuegen(7, 0, 1));
    Ablauf_Zustand = ABLAUF_TAG_ENDE;
    EXPECT_EQ(server_tag(), (std::vector<int32_t>{0, 2, 10, 3, 12, 13, 16, 5, 7, 0}));
    EXPECT_EQ(gesendet, (std::vector<uint32_t>{1, 10, 2, 11}));
    // The clients' clubs have their turns at the clients; the server plays its own manager's.
    EXPECT_EQ(gespielt, std::vector<int32_t>{SERVER});

    gesendet.clear();
    server_pass();
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_MENUERUNDE);
    EXPECT_EQ(gesendet, std::vector<uint32_t>{1});
    gesendet.clear();
    EXPECT_EQ(server_tag(), (std::vector<int32_t>{1, 10, 3, 12, 13, 7, 0}));
    EXPECT_EQ(gesendet, (std::vector<uint32_t>{10, 2, 11}));
    EXPECT_EQ(Aktueller_Tag, 2);

    // Without a participant the lone game's walk comes back.
    for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
    ASSERT_TRUE(Kalender_Spieltag_Einfuegen(7, 1, 3));
    gesendet.clear();
    EXPECT_EQ(server_tag(), (std::vector<int32_t>{0, 2, 16, 5, 7, 0}));
    EXPECT_TRUE(gesendet.empty());
}

TEST_F(Netzschleife, ServerWaitsForTheRecordsOrTenSeconds)
{
    server_aufbauen();
    ASSERT_TRUE(Kalender_Spieltag_Einfuegen(7, 0, 1));
    Ablauf_Zustand = ABLAUF_DATEN_GESAMMELT;
    Aktueller_Tag = 1;
    Steuersignal_Verarbeiten();
    Ablauf_Schritt();
    EXPECT_EQ(gesendet, std::vector<uint32_t>{SIGNAL_SPIELTAG_START});
    // Nobody fetched: the day waits, then goes on after ten seconds.
    for (int i = 0; i < 5; ++i) Ablauf_Schritt();
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_DATEN_GESAMMELT);
    uhr += STEUERSIGNAL_WARTEZEIT;
    Ablauf_Schritt();
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_VOR_SPIEL);
    EXPECT_EQ(gesendet, (std::vector<uint32_t>{SIGNAL_SPIELTAG_START, SIGNAL_DATEN_VERSCHICKT}));

    // One who logs in during the round is called into it once; one that came before is not.
    gesendet.clear();
    Ablauf_Zustand = ABLAUF_TAG_ENDE;
    server_pass();
    ASSERT_EQ(Ablauf_Zustand, ABLAUF_MENUERUNDE);
    an_neuen.clear();
    Mitspieler[2].in_benutzung = 1;
    Mitspieler[2].neu = 1;
    Steuersignal_Verarbeiten();
    Steuersignal_Verarbeiten();
    EXPECT_EQ(an_neuen, std::vector<uint32_t>{SIGNAL_NEUER_SPIELTAG});

    // A loaded game stands in its round before the loop's first step: one who logged in while
    // it loaded is called into that round once the step has begun it, or it would wait for a
    // day that never comes.
    Ablauf_Init(0);
    Ablauf_Zustand = ABLAUF_SPIELTAG_MENUERUNDE;
    an_neuen.clear();
    Mitspieler[2].neu = 1;
    Steuersignal_Verarbeiten();
    Ablauf_Schritt();
    Steuersignal_Verarbeiten();
    EXPECT_EQ(an_neuen, std::vector<uint32_t>{SIGNAL_NEUER_SPIELTAG});
}

// Notices of the others' finished turns on a client: one that comes before its turn has drawn
// the menu waits for it (not over the title picture); one that comes with the data the turn's
// end sends shows after it over the menu's picture, wants its one "OK", runs no click of the
// ended turn again, and the one click on the continue icon has ended the turn.
struct Notiz {
    bool menue;
    int32_t klicks;  // clicks run again before it
};
std::vector<Notiz> notizen;
int32_t weiter_klicks = 0, nachgeholte_klicks = 0;
bool relais_beim_austausch = false;

int32_t zug_mit_menue(int32_t team, bool erster)
{
    // As Menue_Rein and Menue_Raus around the turn: the menu stands, a click on one of its
    // icons is the last one, then the continue icon ends the turn.
    static Menue_Icon knopf = Menue_Icon_Vorlage(950, -1, 0, 10, 10, 40, 20, 5, 255);
    if (erster) {
        gespielt.push_back(team);
        Menue_Status.aktiv = 1;
        knopf.klick = [](Menue_Icon*, uint32_t) { return ++nachgeholte_klicks, int32_t(0); };
        Menue_Screen_Icon_Hinzufuegen(&knopf);
        Menue_Icons_Check(950);
        nachgeholte_klicks = 0;
        return 0;
    }
    ++weiter_klicks;
    Menue_Status.aktiv = 0;
    return -1;
}

void relais(int32_t team)
{
    uint8_t p[24] = {};
    Bytes_Setze32(p, STEUERSIGNAL_MARKE);
    Bytes_Setze32(p + 4, SIGNAL_ZUG_BEENDET_RELAIS);
    Bytes_Setze32(p + 8, uint32_t(team));
    Steuersignal_Vom_Server(p, sizeof p);
}

TEST_F(Netzschleife, ClientShowsTheOthersTurnsOverItsMenuAndEndsItsTurnWithOneClick)
{
    client_aufbauen();
    Aktuelles_Team = A;
    Ablauf_Set_Zug_Hook(zug_mit_menue);
    notizen.clear();
    weiter_klicks = nachgeholte_klicks = 0;
    Team_Requester_Set_Anzeige([](int32_t, int32_t, const char*) {
        notizen.push_back({Menue_Status.aktiv != 0, nachgeholte_klicks});
        return uint8_t(1);
    });
    Internet_Set_Client_Austausch([](const std::vector<uint8_t>& anfrage, std::vector<uint8_t>* antwort) {
        if (relais_beim_austausch) relais(SERVER);
        relais_beim_austausch = false;
        return client_austausch(anfrage, antwort);
    });
    Ablauf_Zustand = ABLAUF_CLIENT_NAECHSTER_TAG;
    signal(SIGNAL_NEUER_SPIELTAG);
    client_walk(2);
    ASSERT_EQ(Ablauf_Zustand, ABLAUF_MENUERUNDE);
    // The server's manager ends his turn before this one's menu is there.
    relais(SERVER);
    client_walk(1);
    EXPECT_TRUE(notizen.empty()) << "no notice before the menu";
    client_walk(1);
    ASSERT_EQ(notizen.size(), 1u);
    EXPECT_TRUE(notizen[0].menue);
    // The continue icon ended the turn in that pass; B's end comes with the data sent now.
    EXPECT_EQ(weiter_klicks, 1);
    relais_beim_austausch = true;
    client_walk(3);
    EXPECT_FALSE(relais_beim_austausch);
    ASSERT_EQ(notizen.size(), 2u) << "the notice that came with the turn's data is shown";
    EXPECT_FALSE(notizen[1].menue);
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_CLIENT_WARTET);
    EXPECT_EQ(weiter_klicks, 1) << "one click ended the turn";
    EXPECT_EQ(notizen[0].klicks, 1) << "the notice inside the turn runs its pending click again";
    EXPECT_EQ(notizen[1].klicks, 1) << "no click of the ended turn runs again";
    EXPECT_EQ(std::count(gesendet.begin(), gesendet.end(), SIGNAL_ZUG_BEENDET), 1);
    EXPECT_EQ(gespielt, std::vector<int32_t>{A});
}

// After the match day a waiting client shows its menu as the turn left it, not what the match
// day's screens left behind; the picture goes with it.
TEST_F(Netzschleife, AClientWaitingForTheNextDayShowsItsMenuAgain)
{
    const Test_Leerer_Schirm schirm;
    ASSERT_TRUE(schirm.offen);
    constexpr uint16_t MENUE = 0x1235, SPIELTAG = 0x0F0F;
    const auto fuellen = [](Rastport* s, uint16_t farbe) { Grafik_Rechteck_Fuellen(s, 0, 0, 640, 480, farbe); };
    client_aufbauen();
    Ablauf_Set_Zug_Hook([](int32_t, bool erster) {
        if (erster) Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 0, 640, 480, MENUE);
        return erster ? 0 : -1;
    });
    Ablauf_Zustand = ABLAUF_CLIENT_NAECHSTER_TAG;
    signal(SIGNAL_NEUER_SPIELTAG);
    client_walk(5);
    ASSERT_EQ(Ablauf_Zustand, ABLAUF_CLIENT_WARTET);
    signal(SIGNAL_SPIELTAG_START);
    client_walk(2);
    signal(SIGNAL_DATEN_VERSCHICKT);
    fuellen(Grafik_Seite_0, SPIELTAG);
    fuellen(Grafik_Seite_1, SPIELTAG);
    const std::vector<int32_t> z = client_walk(3);
    EXPECT_EQ(z.back(), ABLAUF_CLIENT_NAECHSTER_TAG);
    EXPECT_EQ(Grafik_Pixel_Lesen(Grafik_Seite_0, 5, 470), MENUE);
    EXPECT_EQ(Grafik_Pixel_Lesen(Grafik_Seite_1, 320, 240), MENUE);
    EXPECT_FALSE(Menue_Bild_Zeigen()) << "kept no longer";
}

TEST_F(Netzschleife, ClientWalksItsDayOnTheServersSignals)
{
    Netz_Rolle = 1;
    Win95_Netz_Modus = 1;
    Handelndes_Team = A;
    Aktuelles_Team = A;
    Steuersignal_Set_Sender(nullptr, client_sender);
    Internet_Set_Client_Austausch(client_austausch);
    spieltag_run = 1;
    Ablauf_Zustand = ABLAUF_CLIENT_NAECHSTER_TAG;
    Steuersignal_Menue_Modus(0, 1);

    std::vector<int32_t> z = client_walk(3);
    EXPECT_EQ(z, (std::vector<int32_t>{8}));
    signal(SIGNAL_NEUER_SPIELTAG);
    z = client_walk(5, z);
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_CLIENT_WARTET);
    EXPECT_EQ(gespielt, std::vector<int32_t>{A});
    EXPECT_EQ(gesendet, std::vector<uint32_t>{SIGNAL_ZUG_BEENDET});
    // The day came first (1000), the mailbox the server keeps for the club before the turn; the
    // line-up went back at the turn's end (42).
    ASSERT_FALSE(anfragen.empty());
    EXPECT_EQ(anfragen.front(), ABLAUF_TAGESDATEN);
    const auto post = std::find(anfragen.begin(), anfragen.end(), ABLAUF_NACHRICHTEN);
    EXPECT_NE(post, anfragen.end()) << "the new day fetches the mailbox";
    EXPECT_LT(post - anfragen.begin(), std::find(anfragen.begin(), anfragen.end(), 42) - anfragen.begin());
    EXPECT_NE(std::find(anfragen.begin(), anfragen.end(), 42), anfragen.end());
    anfragen.clear();
    signal(SIGNAL_SAMMEL_DATEN);
    z = client_walk(2, z);
    EXPECT_NE(std::find(anfragen.begin(), anfragen.end(), 42), anfragen.end());
    signal(SIGNAL_SPIELTAG_START);
    z = client_walk(3, z);
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_CLIENT_WARTET_DATEN);
    EXPECT_EQ(gesendet.back(), SIGNAL_AM_SPIEL);
    signal(SIGNAL_DATEN_VERSCHICKT);
    // The engine would run on, but no game of this club is on its pitch: the day ends here.
    z = client_walk(3, z);
    signal(SIGNAL_NEUER_SPIELTAG);
    z = client_walk(2, z);
    EXPECT_EQ(z, (std::vector<int32_t>{8, 1, 4, 15, 14, 6, 8, 1}));
    // The new day's turn is played again, not taken as done by the last one's mark.
    z = client_walk(3, z);
    EXPECT_EQ(gespielt, (std::vector<int32_t>{A, A}));
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_CLIENT_WARTET);
}

TEST_F(Netzschleife, ClientLosesNoSignalThatCameAtTheWrongMoment)
{
    client_aufbauen();

    // The new day's signal during the client's match: it goes to 8 and on to its round.
    Steuersignal_Menue_Modus(0, 1);
    Ablauf_Zustand = ABLAUF_CLIENT_SPIEL;
    signal(SIGNAL_NEUER_SPIELTAG);
    EXPECT_EQ(client_walk(4), (std::vector<int32_t>{6, 8, 1}));

    // A day without a match: start and "sent" back to back, before the client waits.
    Ablauf_Zustand = ABLAUF_CLIENT_WARTET;
    signal(SIGNAL_SPIELTAG_START);
    signal(SIGNAL_DATEN_VERSCHICKT);
    EXPECT_EQ(client_walk(3), (std::vector<int32_t>{4, 15, 6, 8}));

    // A "sent" from before the last start does not let the client through.
    Ablauf_Zustand = ABLAUF_CLIENT_WARTET;
    signal(SIGNAL_DATEN_VERSCHICKT);
    signal(SIGNAL_SPIELTAG_START);
    EXPECT_EQ(client_walk(4), (std::vector<int32_t>{4, 15, 14}));
}

// The client's own game plays on its pitch through the server's signals of the match; once the
// server has begun the next day it ends there too, though this pitch still waits for a minute the
// server's game no longer plays.
TEST_F(Netzschleife, AClientsMatchEndsWithItsGameOrTheServersNextDay)
{
    client_aufbauen();
    auf_dem_platz = 1;

    Ablauf_Zustand = ABLAUF_CLIENT_WARTET;
    signal(SIGNAL_SPIELTAG_START);
    signal(SIGNAL_DATEN_VERSCHICKT);
    EXPECT_EQ(client_walk(20), (std::vector<int32_t>{4, 15, 6}));
    // Its game over, the day is over here.
    auf_dem_platz = 0;
    EXPECT_EQ(client_walk(2), (std::vector<int32_t>{6, 8}));

    Ablauf_Zustand = ABLAUF_CLIENT_WARTET;
    signal(SIGNAL_SPIELTAG_START);
    signal(SIGNAL_DATEN_VERSCHICKT);
    auf_dem_platz = 1;
    EXPECT_EQ(client_walk(20), (std::vector<int32_t>{4, 15, 6}));
    signal(SIGNAL_NEUER_SPIELTAG);
    EXPECT_EQ(client_walk(3), (std::vector<int32_t>{6, 8, 1}));
}

// The chat key opens the chat in a network game, but not over a match watched here: the loop would
// run only the chat and stop the pitch.
TEST_F(Netzschleife, TheChatKeyLeavesAWatchedMatchAlone)
{
    client_aufbauen();
    for (const int32_t offen : {1, 0}) {
        Spielansicht_Offen = offen;
        Win95_Eingabe.taste = ABLAUF_CHAT_TASTE;
        Ablauf_Tastatur_Auswerten();
        EXPECT_EQ(Chat_Screen_Ist_Offen(), offen == 0) << offen;
        Chat_Screen_Schliessen();
    }
    Win95_Eingabe.taste = -1;
}

}  // namespace
