// The camp screen's drops and confirmations and the events page's drops and appointment list.
#include "economy/trainingslager_schirm.h"
#include "competitions/spiele.h"
#include "gameflow/kalender.h"
#include "werbung_hilfe.h"

namespace {
struct LagerSchirm : WerbungTest {
    void SetUp() override
    {
        WerbungTest::SetUp();
        Teamspieler_Init_Listen();
        Spieler_Den_Teams_Zuordnen();
        Aktueller_Tag = 20;
    }
    void TearDown() override
    {
        // the fixtures of a match test stay out of the next test's calendar
        Kalender_Spielplan_Leeren();
        Spiele_Freigeben();
        WerbungTest::TearDown();
    }
    static void oeffnen(int32_t camp, int32_t von, int32_t bis, int32_t offen)
    {
        for (int32_t d = von; d <= bis; ++d) Trainingslager_Tag_Setzen(camp, d, offen);
    }
    // The first day after `ab` on which the club plays a competition match.
    static int32_t spieltag(int32_t team, int32_t ab)
    {
        for (int32_t d = ab; d < ab + 300; ++d) {
            int32_t ids[256];
            const int32_t n = Kalender_Get_Anzahl_Spiele(d, 0, ids);
            for (int32_t i = 0; i < n && i < 256; ++i)
                if (Wettbewerb_Team_Noch_Dabei(ids[i], team)) return d;
        }
        return -1;
    }
};
}  // namespace

TEST_F(LagerSchirm, AClosedDayExplainsItselfAndOpensNothing)
{
    const int32_t m = manager[0];
    oeffnen(3, 60, 80, 0);
    EXPECT_EQ(Trainingslager_Schirm_Ablegen(m, 3, 70), 0);
    ASSERT_FALSE(requester.empty());
    EXPECT_NE(requester.back().find("an diesem Tag geschlossen hat."), std::string::npos);
    EXPECT_EQ(Trainingslager_Schirm_Ablegen(m, 3, -1), 0);
    EXPECT_EQ(requester.back().rfind("Sie Schlingel!", 0), 0u);
    oeffnen(3, 60, 64, 1);
    EXPECT_EQ(Trainingslager_Tag_Hilfe(61).rfind("Offen: ", 0), 0u);
    EXPECT_NE(Trainingslager_Tag_Hilfe(61).find(Trainingslager_Lesen(3)->name), std::string::npos);
    EXPECT_EQ(Trainingslager_Tag_Hilfe(70).find(Trainingslager_Lesen(3)->name), std::string::npos);
    const int32_t tage = Trainingslager_Schirm_Ablegen(m, 3, 60);
    EXPECT_GE(tage, 1);
    EXPECT_LE(tage, 5);
    // a longer stay costs more, travel is paid once
    EXPECT_GT(Trainingslager_Schirm_Kosten(m, 3, 2), Trainingslager_Schirm_Kosten(m, 3, 1));
    EXPECT_EQ(Trainingslager_Schirm_Kosten(m, 3, 0), 0.0f);
}

TEST_F(LagerSchirm, NoProgrammeAndYesBooksFiveFreeRowsAndTheListShowsIt)
{
    const int32_t m = manager[0];
    ASSERT_EQ(Ligen_Motivation_Terminliste_Bauen(m).front().text, "Kein Termin eingetragen.");
    oeffnen(1, 60, 70, 1);
    const int32_t leer[5] = {-1, -1, -1, -1, -1};
    antwort = 0;
    EXPECT_EQ(Trainingslager_Schirm_Bestaetigen(m, 1, 60, 3, leer), -1);
    antwort = 1;
    const int32_t slot = Trainingslager_Schirm_Bestaetigen(m, 1, 60, 3, leer);
    ASSERT_GE(slot, 0);
    for (int32_t z = 0; z < 5; ++z) EXPECT_EQ(Trainingslager_Get_Programm(m, slot, z), -1);
    const auto liste = Ligen_Motivation_Terminliste_Bauen(m);
    ASSERT_EQ(liste.size(), 1u);
    EXPECT_NE(liste[0].text.find(Trainingslager_Lesen(1)->name), std::string::npos);
    EXPECT_STREQ(liste[0].hilfe, "Dies ist ein gebuchtes Trainingslager");
}

TEST_F(LagerSchirm, EventsAreBookedOnFreeDaysAndRefusedOnMatchDays)
{
    const int32_t m = manager[0];
    EXPECT_FALSE(Ligen_Motivation_Ablegen(m, LIGEN_ICON_VEREINSFEIER, -1, -1));
    EXPECT_EQ(requester.back(), "Ziehen Sie das Symbol bitte auf den gewünschten Tag im Kalender.");
    Spiele_Init();
    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    ASSERT_TRUE(Kalender_Spielplan_Anlegen(0));
    const int32_t spiel = spieltag(m, Aktueller_Tag + 10);
    ASSERT_GE(spiel, 0);
    requester.clear();
    EXPECT_FALSE(Ligen_Motivation_Ablegen(m, LIGEN_ICON_VEREINSFEIER, spiel, -1));
    ASSERT_FALSE(requester.empty());
    EXPECT_EQ(requester.back(), "An diesem Tag finden leider Spiele statt.");
    EXPECT_EQ(Ligen_Motivation_Terminliste_Bauen(m).front().tag, -1);
    int32_t frei = spiel + 1;
    while (spieltag(m, frei) == frei) ++frei;
    requester.clear();
    ASSERT_TRUE(Ligen_Motivation_Ablegen(m, LIGEN_ICON_PSYCHOLOGE, frei, -1));
    EXPECT_NE(requester.front().find("Dr. Hypno verlangt"), std::string::npos);
    const auto liste = Ligen_Motivation_Terminliste_Bauen(m);
    ASSERT_EQ(liste.size(), 1u);
    EXPECT_EQ(liste[0].tag, frei);
    EXPECT_NE(liste[0].text.find("Dr. Hypno"), std::string::npos);
    EXPECT_FALSE(Ligen_Motivation_Ablegen(m, LIGEN_ICON_FREUNDSCHAFTSSPIEL, frei + 3, -1));  // no opponent chosen
}
