#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/capture.h"
#include "platform/exit.h"
#include "gameflow/globals.h"
#include "gameflow/team_requester.h"
#include "platform/win95.h"

namespace {

int anzeigen = 0;
uint8_t anzeige(int32_t modus, int32_t, const char*)
{
    ++anzeigen;
    // A requester that cannot address a club hands its text back.
    return Team_Requester(modus, -1, "zurück");
}

TEST(Team_Requester, NoAddressableClubEndsWithoutCallingBack)
{
    int32_t ersetzt = -5;
    Aktuelles_Team = 3;
    EXPECT_EQ(Team_Requester_Get_Team(5, &ersetzt), 5);
    EXPECT_EQ(ersetzt, 0);
    EXPECT_EQ(Team_Requester_Get_Team(-1, &ersetzt), 3);
    EXPECT_EQ(ersetzt, 1);

    Aktuelles_Team = -1;
    EXPECT_EQ(Team_Requester_Get_Team(-1, &ersetzt), -1);
    Team_Requester_Set_Anzeige(anzeige);
    anzeigen = 0;
    EXPECT_EQ(Team_Requester(0, -1, "niemand"), 1);
    EXPECT_EQ(anzeigen, 0);
    EXPECT_EQ(Team_Requester(2, 5, "Wollen Sie %s?", "verkaufen"), 1);
    EXPECT_EQ(anzeigen, 1);
    Team_Requester_Set_Anzeige(nullptr);

    Fehler_Capture cap;
    EXPECT_EQ(Team_Requester(3, 5, "x"), 0);
    EXPECT_TRUE(cap.contains("Team_Requester"));
}

std::vector<std::string> freigegeben;
void spieltag() { freigegeben.push_back("Spieltag"); }
void team() { freigegeben.push_back("Team"); }
void lzw() { freigegeben.push_back("LZW"); }
void chat() { freigegeben.push_back("Chat"); }

TEST(Exit_Game, ReleasesModulesInOrderOnce)
{
    freigegeben.clear();
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_COMPRESS_LZW, lzw);
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_TEAM, team);
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_CHAT, chat);
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_SPIELTAG, spieltag);
    Fehler_Capture cap;
    EXPECT_FALSE(Exit_Freigabe_Registrieren(EXIT_FREIGABE_ANZAHL, lzw));
    EXPECT_EQ(cap.texts.size(), 1u);

    // A lost connection releases the modules first; the exit later does not repeat them.
    DeInit_Game();
    EXPECT_EQ(freigegeben, (std::vector<std::string>{"Spieltag", "Team"}));
    Programm_Ende = 0;
    Exit_Game(nullptr);
    EXPECT_EQ(Programm_Ende, 1u);
    EXPECT_EQ(freigegeben, (std::vector<std::string>{"Spieltag", "Team", "Chat", "LZW"}));
    Programm_Ende = 0;
}

TEST(Exit_Game, WithTextShowsItAndEnds)
{
    EXPECT_EXIT(Exit_Game("Liste %d defekt", 4), testing::ExitedWithCode(0), "Meldung: Liste 4 defekt");
}

}  // namespace
