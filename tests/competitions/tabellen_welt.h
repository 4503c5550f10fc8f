// The small game world of the tables screen's tests: the managers' button states live in a map,
// club 1 acts under its manager "Abe", and the calendar's fixtures go with the world.
#pragma once
#include "competitions/knopf_hook.h"
#include "competitions/spiele_welt.h"
#include "database/manager.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"

namespace spielwelt {

class Tabellen_Welt : public Spielwelt {
protected:
    void SetUp() override
    {
        Spielwelt::SetUp();
        knopf_test::anbinden();
        Aktuelles_Team = 1;
        Manager_Neuer_Mitspieler(1, "Abe");
    }
    void TearDown() override
    {
        Kalender_Spielplan_Leeren();
        knopf_test::loesen();
        Spielwelt::TearDown();
    }
};

}  // namespace spielwelt
