// The line-up screen's gadget list as a test found it, put back when the test ends. The screen
// builds the list once per process and keeps its toggles (opponent's shirts, heads, attack or
// defence) from one opening to the next: a test that builds it afresh or presses a toggle would
// hand its state to every later test of the process.
#pragma once
#include <algorithm>
#include <array>

#include "matchview/lineup/aufstellung.h"
#include "toolkit/btnscreen.h"

struct Aufstellung_Liste_Merker {
    std::array<Btnscreen_Gadget, AUFSTELLUNG_GADGETS> vorher{};
    Aufstellung_Liste_Merker() { std::copy(Aufstellung_Liste, Aufstellung_Liste + AUFSTELLUNG_GADGETS, vorher.begin()); }
    ~Aufstellung_Liste_Merker() { std::copy(vorher.begin(), vorher.end(), Aufstellung_Liste); }
    Aufstellung_Liste_Merker(const Aufstellung_Liste_Merker&) = delete;
    Aufstellung_Liste_Merker& operator=(const Aufstellung_Liste_Merker&) = delete;
};
