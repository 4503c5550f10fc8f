// A new game of the small world played through the main loop to the club's first match day
// with its live view, for the tests that walk through it.
#pragma once
#include <cstdint>

#include "gameflow/ablauf.h"
#include "match/spielfeld.h"
#include "match/spieltag_welt.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/spielbericht.h"
#include "matchview/spielszenen.h"
#include "platform/timer.h"
#include "tests/matchview/spielszenen_dateien.h"

class Spieltag_Live_Welt : public Spieltag_Welt {
protected:
    static inline Spielszenen_Dateien_Sitzung sitzung;
    static void SetUpTestSuite()
    {
        Spieltag_Welt::SetUpTestSuite();
        sitzung.oeffnen();
    }
    static void TearDownTestSuite()
    {
        sitzung.schliessen();
        Spieltag_Welt::TearDownTestSuite();
    }
};

// Steps the main loop until the live view is up (or the bound runs out); the talk before the
// match is left by its back button.
inline bool Spieltag_Bis_Live(int32_t grenze = 400000)
{
    for (int32_t i = 0; i < grenze; ++i) {
        if (Spielfeld_Ansicht_Geladen() && Spielszenen_Ist_Geladen()) return true;
        if (Spielbericht_Zeigt()) Spielszenen_Modus = SPIELSZENEN_NAECHSTES;
        Ablauf_Schritt();
    }
    return false;
}

// Runs the main loop for ms of the program's clock while the view stays up (the test's clock
// runs 2 ms a pass: 10 s of it are some 20 match minutes).
inline void Spieltag_Laufen(uint32_t ms)
{
    const uint32_t start = Timer_Get_Time();
    for (int32_t i = 0; i < 200000 && uint32_t(Timer_Get_Time() - start) < ms && Spielszenen_Ist_Geladen(); ++i) Ablauf_Schritt();
}
