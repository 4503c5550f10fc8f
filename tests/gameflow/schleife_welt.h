// The main loop's tests: ten clubs, an empty calendar, no autosave, no module of an earlier
// world, and stand-ins for the match day's engine and report. Everything set up here is taken down again, so that the next test
// starts clean.
#pragma once
#include <gtest/gtest.h>

#include "database/db_hilfe.h"
#include "database/manager.h"
#include "database/team.h"
#include "gameflow/ablauf.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "match/spieltag.h"
#include "matchview/spielbericht.h"
#include "platform/exit.h"
#include "platform/os/os.h"

class Schleife_Welt : public testing::Test {
protected:
    using Hook = int32_t (*)(const char* aufruf);

    void schleife_aufbauen(Hook spieltag, Hook bericht)
    {
        // A script an earlier test left running would close the window at its end.
        Os_Script_Stop();
        // The day's jobs of bank, stadiums, sponsors, camps and arbiter work on whatever world is
        // loaded: one an earlier test left would send the clubs its news and questions, and a
        // club with unread news has a turn on days that otherwise have none.
        DeInit_Game();
        Test_Teams_Anlegen(10);
        News_Init();
        Ablauf_Init(0);
        Kalender_Spielplan_Leeren();
        Spieltag_Set_Ablauf_Hook(spieltag);
        Spielbericht_Set_Hook(bericht);
        Kalender_Set_Autosave_Hook([](const char*) {});
        Aktueller_Tag = 0;
    }
    void schleife_abbauen()
    {
        Spieltag_Set_Ablauf_Hook(nullptr);
        Spieltag_Set_Gegner_Hook(nullptr);
        Spielbericht_Set_Hook(nullptr);
        Ablauf_Set_Zug_Hook(nullptr);
        Kalender_Set_Autosave_Hook(nullptr);
        Ablauf_DeInit();
        News_Init();
        for (int32_t t = 0; t < Team_Anzahl; ++t)
            if (Team_Hat_Manager(t)) Manager_Mitspieler_Killen(t);
        Test_Aufraeumen();
        Aktueller_Tag = 0;
        Ablauf_Zustand = 0;
    }
};
