// A remote client's choice of club: what the server offers, what the manager picks, and a
// savegame's club that is no longer free.
#include <gtest/gtest.h>

#include <vector>

#include "common/capture.h"
#include "common/spielstand_ordner.h"
#include "database/team.h"
#include "gameflow/ablauf_anfrage.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/netz_start.h"
#include "gameflow/spielstand.h"
#include "network/internet_read.h"
#include "network/netz.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "network/signal_welt.h"
#include "network/steuersignal.h"
#include "platform/bytes.h"
#include "platform/disk.h"
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
    Netz_Set_Eigenes_Team(-1);
    EXPECT_FALSE(Ablauf_Client_Verein_Nehmen(4)) << "another client holds it";
    EXPECT_FALSE(Mitspieler[0].verein_beansprucht);
    // nor does the client name it as its own
    EXPECT_EQ(Aktuelles_Team, -1);
    EXPECT_EQ(Netz_Get_Eigenes_Team(), -1);
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

// A client's savegames, written as a client writes them (the game flow's and the team areas in
// a client's form), in a folder of their own.
class Client_Spielstand : public Vereinswahl {
protected:
    Test_Spielstand_Ordner ordner;
    void SetUp() override
    {
        Vereinswahl::SetUp();
        ordner.anlegen("dorvin_client_sgv", true);
        Globals_Module_Registrieren();
        Team_Disk_Registrieren();
        Aktueller_Tag = 400;
        Netz_Set_Eigenes_Team(-1);
    }
    void TearDown() override
    {
        for (int pos : {DISK_POS_ABLAUF, DISK_POS_NEWS, DISK_POS_HIGHSCORE, DISK_POS_TEAMS, DISK_POS_MANAGER,
                        DISK_POS_TEAMSPIELER})
            Disk_Block_Registrieren(pos, nullptr, nullptr);
        ordner.entfernen();
        Aktueller_Tag = 0;
        Vereinswahl::TearDown();
    }
    // Saved by the client that holds the club.
    void speichern(const char* name, int32_t team, uint32_t rolle = 1)
    {
        Netz_Rolle = rolle;
        Aktuelles_Team = team;
        ASSERT_TRUE(Disk_Spielstand_Speichern(name));
        Netz_Rolle = 1;
        Aktuelles_Team = -1;
    }
};

// A client that starts anew names its club by its savegame: a free club is claimed (and the
// server counts it held); a club another participant holds is refused with nothing changed; the
// file's day and data never replace what the client has from the server; a client that plays
// already keeps its club.
TEST_F(Client_Spielstand, TheSavegamesClubIsTakenOnlyWhileItIsFree)
{
    speichern("carl1", 5);
    speichern("carl2", 4);
    Aktueller_Tag = 10;

    testing::internal::CaptureStderr();
    EXPECT_FALSE(Spielstand_Client_Laden("carl2"));
    std::string meldung = testing::internal::GetCapturedStderr();
    EXPECT_NE(meldung.find("nicht mehr frei"), std::string::npos) << meldung;
    EXPECT_TRUE(signale.empty());
    EXPECT_FALSE(Mitspieler[0].verein_beansprucht);
    EXPECT_EQ(Aktuelles_Team, -1);
    EXPECT_EQ(Netz_Get_Eigenes_Team(), -1);

    EXPECT_TRUE(Spielstand_Client_Laden("carl1"));
    EXPECT_TRUE(Mitspieler[0].verein_beansprucht);
    EXPECT_EQ(Mitspieler[0].verein, 5);
    EXPECT_EQ(Aktuelles_Team, 5);
    EXPECT_EQ(int32_t(Handelndes_Team), 5);
    EXPECT_EQ(Netz_Get_Eigenes_Team(), 5);
    EXPECT_EQ(signale, std::vector<uint32_t>{SIGNAL_TEAM_NR});
    EXPECT_EQ(Aktueller_Tag, 10) << "the world stays the server's";

    // Later, from the options menu: another club's file is refused, the own club's changes nothing.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Spielstand_Client_Laden("carl2"));
    EXPECT_TRUE(Spielstand_Client_Laden("carl1"));
    meldung = testing::internal::GetCapturedStderr();
    EXPECT_NE(meldung.find("anderen Verein"), std::string::npos) << meldung;
    EXPECT_NE(meldung.find("bereits Ihr Verein"), std::string::npos) << meldung;
    EXPECT_EQ(Aktuelles_Team, 5);
    EXPECT_EQ(Mitspieler[0].verein, 5);
    EXPECT_EQ(signale.size(), 1u);
}

// Files that name no club are refused with a German message before anything is asked of the
// server: a server's game, a client's file without its club, a damaged file and none at all.
TEST_F(Client_Spielstand, FilesThatNameNoClubAreRefusedBeforeAnyClaim)
{
    speichern("server", 5, 3);
    speichern("carl1", 5);
    std::FILE* f = std::fopen((ordner.pfad + "/kaputt.sgv").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("DorvinOnline!!2.01", f);
    std::fclose(f);
    Disk_Block_Registrieren(DISK_POS_TEAMS, nullptr, nullptr);
    speichern("ohne_verein", 5);

    Fehler_Capture fehler;
    for (const auto& [name, meldung] : std::vector<std::pair<const char*, const char*>>{
             {"server", "das ganze Spiel"},
             {"ohne_verein", "nennt keinen Verein"},
             {"kaputt", "unbekannte Version"},
             {"fehlt", "konnte nicht ge"}}) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(Spielstand_Client_Verein(name), -1) << name;
        EXPECT_FALSE(Spielstand_Client_Laden(name)) << name;
        const std::string aus = testing::internal::GetCapturedStderr();
        EXPECT_NE(aus.find(meldung), std::string::npos) << name << ": " << aus;
    }
    EXPECT_TRUE(signale.empty());
    EXPECT_FALSE(Mitspieler[0].verein_beansprucht);
    EXPECT_EQ(Spielstand_Client_Verein("carl1"), 5) << "the sound file still names its club";
}

}  // namespace
