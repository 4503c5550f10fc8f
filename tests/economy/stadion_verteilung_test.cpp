// The stand distribution the data builder checks its world with is the team reader's own: what
// it reports above a model's maximum is exactly what the reader cuts.
#include <gtest/gtest.h>

#include <algorithm>

#include "economy/stadion.h"
#include "platform/zufall.h"

namespace {

TEST(StadionVerteilung, WhatTheBuilderSeesAboveAMaximumIsWhatTheReaderCuts)
{
    // Six seated stands of 20,000 at the top level (one terrace place, so that the level adds
    // none): above the comfort seats' 16,000.
    const Stadion_Verteilung zu_gross = Stadion_Tribuenen_Verteilen(100, 120000, 1, 0);
    // Seats and terraces of a club in the middle, as the builder's worlds have them.
    const Stadion_Verteilung passt = Stadion_Tribuenen_Verteilen(50, 9000, 16000, 1);
    int32_t summe = 0;
    for (int i = 0; i < STADION_TRIBUENEN; ++i) {
        EXPECT_EQ(zu_gross.plaetze[i], 20000) << i;
        EXPECT_GT(zu_gross.plaetze[i], Stadion_Modell_Max_Plaetze(zu_gross.modell[i])) << i;
        EXPECT_LE(passt.plaetze[i], Stadion_Modell_Max_Plaetze(passt.modell[i])) << i;
        summe += passt.plaetze[i];
    }
    EXPECT_EQ(summe, 25000);

    // The reader, at the level the distribution was given (a club without league: level 0),
    // takes the models and cuts to their maxima.
    Zufall_Set_Seed(5);
    Stadion_Daten d{};
    Team_Stadionplaetze_Init(-1, &d, 120000, 1, 0);
    const Stadion_Verteilung null = Stadion_Tribuenen_Verteilen(0, 120000, 1, 0);
    for (int i = 0; i < STADION_TRIBUENEN; ++i) {
        EXPECT_EQ(d.slot[i].modell, null.modell[i]) << i;
        EXPECT_EQ(d.slot[i].plaetze, std::min(null.plaetze[i], Stadion_Modell_Max_Plaetze(null.modell[i]))) << i;
    }
}

}  // namespace
