// A remote client's choice of club: what the server offers, what the manager picks, and a
// savegame's club that is no longer free.
#include <gtest/gtest.h>

#include <vector>

#include "common/capture.h"
#include "gameflow/ablauf_anfrage.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/netz_start.h"
#include "network/internet_read.h"
#include "network/netz.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "network/signal_welt.h"
#include "network/steuersignal.h"
#include "platform/bytes.h"
#include "platform/os/os.h"

namespace {

std::vector<uint8_t> antwort;
std::vector<uint32_t> signale;

int antwort_fangen(Mitspieler_Eintrag*, const uint8_t* d, uint32_t n)
{
    antwort.assign(d, d + n);
    return 1;
}

bool ueber_server(const std::vector<uint8_t>& anfrage, std::vector<uint8_t>* a)
{
    antwort.clear();
    Netz_Rolle = 3;
    Internet_Server_Antwort(&Mitspieler[0], anfrage.data(), uint32_t(anfrage.size()));
    Netz_Rolle = 1;
    *a = antwort;
    return !a->empty();
}

// Signals are noted, and the server takes them as they come (a claim before the next request).
int an_server(const uint8_t* d, uint32_t n)
{
    if (n >= 12) signale.push_back(Bytes_Hole32(d + 4));
    Netz_Rolle = 3;
    Steuersignal_Vom_Client(d, n, &Mitspieler[0]);
    Netz_Rolle = 1;
    return 1;
}

class Vereinswahl : public ::testing::Test {
protected:
    signal_welt::Vereine vereine{6};
    void SetUp() override
    {
        Eingang_Set_Spiel_Gestartet(true);
        for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
        // The asking client, logged in without a club yet, and another that holds club 4.
        Mitspieler[0].in_benutzung = 1;
        Mitspieler[0].team = -1;
        Mitspieler[1].in_benutzung = 1;
        ASSERT_TRUE(Internet_Verein_Beanspruchen(&Mitspieler[1], 4));
        Server_Team = 2;
        Stand_Alone_Server = 0;
        Handelndes_Team = 2;
        Netz_Rolle = 3;
        Internet_Server_Mitspieler_Statistik();
        Ablauf_Anfragen_Anbinden();
        Internet_Set_Server_Sender(antwort_fangen);
        Internet_Set_Client_Austausch(ueber_server);
        Steuersignal_Set_Sender(nullptr, an_server);
        signale.clear();
        Netz_Rolle = 1;
    }
    void TearDown() override
    {
        // Gone, not emptied: an empty script would close the window when a later test waits for input.
        Os_Script_Stop();
        Internet_Set_Server_Sender(nullptr);
        Internet_Set_Client_Austausch(nullptr);
        Steuersignal_Set_Sender(nullptr, nullptr);
        for (auto& m : Mitspieler) Netzuser_Loeschen(&m);
        Eingang_Set_Spiel_Gestartet(false);
        Server_Team = -1;
        Netz_Rolle = 0;
        Handelndes_Team = 0;
        Aktuelles_Team = -1;
    }
};

TEST_F(Vereinswahl, OnlyFreeClubsAreOfferedAndTheScriptedOneIsTaken)
{
    std::vector<uint8_t> liste;
    ASSERT_TRUE(Internet_Client_Freie_Vereine(&liste));
    const std::vector<Ablauf_Freier_Verein> frei = Ablauf_Client_Freie_Vereine_Lesen(liste);
    std::vector<int32_t> teams;
    for (const auto& v : frei) teams.push_back(v.team);
    // Club 0 is nobody's, 2 is the server's own, 4 another client's.
    EXPECT_EQ(teams, (std::vector<int32_t>{1, 3, 5}));
    EXPECT_EQ(frei[1].name, "Verein 3");

    Os_Script_Load_Text("answer 1\n");
    const int32_t team = Ablauf_Client_Verein_Auswaehlen(frei);
    EXPECT_EQ(team, 3);
    Ablauf_Client_Verein_Nehmen(team);
    EXPECT_EQ(Aktuelles_Team, 3);
    EXPECT_EQ(int32_t(Handelndes_Team), 3);
    EXPECT_EQ(Netz_Get_Eigenes_Team(), 3);
    EXPECT_EQ(signale, std::vector<uint32_t>{SIGNAL_TEAM_NR});

    // An answer that names no club of the list takes the first, with a word why.
    Fehler_Capture f;
    Os_Script_Load_Text("answer 7\n");
    EXPECT_EQ(Ablauf_Client_Verein_Auswaehlen(frei), 1);
    EXPECT_EQ(f.texts.size(), 1u);
    EXPECT_EQ(Ablauf_Client_Verein_Auswaehlen({}), -1);
}

// Two managers choosing one club at the same moment: the server takes the first claim only, and
// the other client learns it instead of playing on with a club it does not hold.
TEST_F(Vereinswahl, AClaimTheServerRefusesLeavesTheClientWithoutTheClub)
{
    Fehler_Capture f;
    EXPECT_FALSE(Ablauf_Client_Verein_Nehmen(4)) << "another client holds it";
    EXPECT_FALSE(Mitspieler[0].verein_beansprucht);
    EXPECT_TRUE(Ablauf_Client_Verein_Nehmen(3));
    EXPECT_EQ(Mitspieler[0].verein, 3);
}

TEST_F(Vereinswahl, SavegameOfAClubAnotherClientHoldsIsRefused)
{
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Ablauf_Client_Verein_Aus_Spielstand(4));
    EXPECT_FALSE(Ablauf_Client_Verein_Aus_Spielstand(2));
    EXPECT_FALSE(Ablauf_Client_Verein_Aus_Spielstand(0));
    const std::string meldung = testing::internal::GetCapturedStderr();
    EXPECT_NE(meldung.find("nicht mehr frei"), std::string::npos);
    EXPECT_TRUE(signale.empty());
    EXPECT_TRUE(Ablauf_Client_Verein_Aus_Spielstand(5));
    EXPECT_EQ(signale, std::vector<uint32_t>{SIGNAL_TEAM_NR});
    EXPECT_EQ(Aktuelles_Team, 5);
}

}  // namespace
