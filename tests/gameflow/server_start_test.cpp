// The server's start in the window: a taken port brings the start dialog back.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "gameflow/game_main.h"
#include "network/server.h"

namespace {

std::vector<std::string> optionen;
std::vector<const char*> fehler;

// One start per entry of `fehler`: null succeeds, else the start fails with that text.
int starten(const char* option)
{
    optionen.push_back(option);
    const size_t n = optionen.size() - 1;
    const char* f = n < fehler.size() ? fehler[n] : "User break.";
    if (!f) return 1;
    std::snprintf(Server_Settings.fehler_text, sizeof Server_Settings.fehler_text, "%s", f);
    return 0;
}

TEST(Server_Start, ATakenPortAsksForAnotherOneAndACancelEnds)
{
    optionen.clear();
    fehler = {"Bind socket failed.", "Bind socket failed.", nullptr};
    EXPECT_EQ(Game_Main_Server_Starten(starten, "-q"), 1);
    // The stored settings first, then the dialog each time.
    EXPECT_EQ(optionen, (std::vector<std::string>{"-q", "", ""}));

    optionen.clear();
    fehler = {"Bind socket failed.", "User break."};
    EXPECT_EQ(Game_Main_Server_Starten(starten, ""), 0);
    EXPECT_EQ(optionen.size(), 2u);

    optionen.clear();
    fehler = {"Socket create failed."};
    EXPECT_EQ(Game_Main_Server_Starten(starten, ""), 0);
    EXPECT_EQ(optionen.size(), 1u);
}

}  // namespace
