// The stadium screen's rules: what an order builds and demolishes, the renovation answers, the
// price rockers and the top-surcharge switches and texts.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "economy/stadion_schirm.h"
#include "gameflow/team_requester.h"
#include "stadion_hilfe.h"

namespace {
struct StadionSchirm : StadionTest {
    static inline std::vector<std::string> fragen;
    static inline uint8_t antwort = 1;
    void SetUp() override
    {
        StadionTest::SetUp();
        fragen.clear();
        antwort = 1;
        Team_Requester_Set_Anzeige([](int32_t, int32_t, const char* t) {
            fragen.emplace_back(t);
            return antwort;
        });
    }
    void TearDown() override
    {
        Team_Requester_Set_Anzeige(nullptr);
        StadionTest::TearDown();
    }
    static int32_t firma_mit(int32_t modell, bool verkauft)
    {
        for (int32_t f = 0; f < STADION_FIRMEN; ++f)
            if ((Stadion_Modell[modell].firmen[f] != 0) == verkauft) return f;
        return -1;
    }
};
}  // namespace

TEST_F(StadionSchirm, FewerSeatsOfTheSameModelDemolishOnlyTheDifferenceAndZeroAsksForDemolition)
{
    Stadion_Daten* d = anlegen(3, 4, 10000);
    const int32_t f = firma_mit(4, true);
    ASSERT_GE(f, 0);
    const Stadion_Auftrag a = Stadion_Auftrag_Berechnen(*d, 1, 4, f, 8000);
    EXPECT_TRUE(a.moeglich);
    EXPECT_EQ(a.bauen, 0);
    EXPECT_EQ(a.abreissen, 2000);
    EXPECT_FLOAT_EQ(a.abrisskosten, Stadion_Abrisskosten(1, 4, f, 2000));
    const Stadion_Auftrag mehr = Stadion_Auftrag_Berechnen(*d, 1, 4, f, 12000);
    EXPECT_EQ(mehr.bauen, 2000);
    EXPECT_EQ(mehr.abreissen, 0);
    ASSERT_TRUE(Stadion_Schirm_Bestellen(3, 1, 4, f, 0));
    ASSERT_EQ(fragen.size(), 1u);
    EXPECT_EQ(fragen[0].rfind("Sie haben keinen Neubau in Auftrag gegeben.", 0), 0u) << fragen[0];
    EXPECT_EQ(Stadion_Zeiger(3, 1)->slot[1].modell, 0);
    // the same count again: nothing to do, nothing asked
    fragen.clear();
    EXPECT_FALSE(Stadion_Schirm_Bestellen(3, 2, 4, f, 10000));
    EXPECT_TRUE(fragen.empty());
}

TEST_F(StadionSchirm, AnotherModelReplacesTheWholeStandAndAFirmWithoutItTakesNoOrder)
{
    Stadion_Daten* d = anlegen(3, 4, 10000);
    int32_t modell = -1;
    for (int32_t m = 1; m < STADION_MODELLE; ++m)
        if (m != 4 && Stadion_Modell[m].slot == 0 && firma_mit(m, true) >= 0) modell = m;
    ASSERT_GE(modell, 0);
    const Stadion_Auftrag a = Stadion_Auftrag_Berechnen(*d, 0, modell, firma_mit(modell, true), 6000);
    EXPECT_EQ(a.bauen, 6000);
    EXPECT_EQ(a.abreissen, 10000);
    const int32_t ohne = firma_mit(modell, false);
    if (ohne >= 0) {
        EXPECT_FALSE(Stadion_Auftrag_Berechnen(*d, 0, modell, ohne, 6000).moeglich);
        EXPECT_FALSE(Stadion_Schirm_Bestellen(3, 0, modell, ohne, 6000));
        EXPECT_TRUE(fragen.empty());
        EXPECT_EQ(Stadion_Zeiger(3, 1)->slot[0].modell, 4);
    }
}

TEST_F(StadionSchirm, RenovationAnswersByTheSlotsState)
{
    Stadion_Daten* d = anlegen(3);
    EXPECT_FALSE(Stadion_Schirm_Renovieren(3, -1));
    EXPECT_NE(fragen.back().find("bereits in optimalem Zustand"), std::string::npos);
    EXPECT_FALSE(Stadion_Schirm_Renovieren(3, 2));
    EXPECT_EQ(fragen.back(), "Der Zustand liegt bei 100%. Eine Renovierung ist nicht erforderlich.");
    EXPECT_FALSE(Stadion_Schirm_Renovieren(3, 12));  // nothing built there
    EXPECT_EQ(fragen.back().rfind("Bevor Sie renovieren", 0), 0u);
    d->slot[2].zustand = 80.0f;
    d->slot[3].zustand = 70.0f;
    d->slot[3].bauende = Aktueller_Tag + 5;  // work running
    d->slot[3].fertig = Aktueller_Tag + 5;
    EXPECT_FALSE(Stadion_Schirm_Renovieren(3, 3));
    EXPECT_NE(fragen.back().find("da dort Bauarbeiten stattfinden"), std::string::npos);
    antwort = 0;
    EXPECT_FALSE(Stadion_Schirm_Renovieren(3, 2));
    EXPECT_FLOAT_EQ(Stadion_Zeiger(3, 1)->slot[2].zustand, 80.0f);
    antwort = 1;
    EXPECT_TRUE(Stadion_Schirm_Renovieren(3, -1));
    EXPECT_FLOAT_EQ(Stadion_Zeiger(3, 1)->slot[2].zustand, 100.0f);
    EXPECT_FLOAT_EQ(Stadion_Zeiger(3, 1)->slot[3].zustand, 70.0f);
    EXPECT_EQ(fragen.back(), "Es konnten nicht alle Tribünen renoviert werden, da teilweise Bauarbeiten stattfinden.");
}

TEST_F(StadionSchirm, AverageRockerMovesAllSixPricesAndEndsOnWholeMarks)
{
    float p[6] = {10, 12, 14, 16, 18, 20};
    Stadion_Preise_Auf_Schnitt(p, 25.0f);
    float summe = 0;
    for (float x : p) {
        EXPECT_EQ(x, std::floor(x));
        summe += x;
    }
    EXPECT_NEAR(summe / 6, 25.0f, 0.5f);
    EXPECT_LT(p[0], p[5]);  // moved together, the spread kept
    float q[6] = {48, 49, 50, 50, 50, 50};
    Stadion_Preise_Auf_Schnitt(q, 80.0f);  // beyond the range: stops at 50 without hanging
    for (float x : q) EXPECT_LE(x, 50.0f);
    float r[6] = {2, 1, 0, 0, 0, 0};
    Stadion_Preise_Auf_Schnitt(r, 0.0f);
    for (float x : r) EXPECT_GE(x, 0.0f);
}

TEST_F(StadionSchirm, SwitchesExcludeEachOtherAndTextsPrintOnePercentSign)
{
    Stadion_Top t{};
    Stadion_Schirm_Top_Teams_Schalten(&t);
    Stadion_Schirm_Immer_Schalten(&t);
    EXPECT_EQ(t.immer, 1);
    EXPECT_EQ(t.top_teams, 0);
    Stadion_Schirm_Top_Teams_Schalten(&t);
    EXPECT_EQ(t.immer, 0);
    EXPECT_EQ(t.top_teams, 1);
    Stadion_Schirm_Top_Teams_Schalten(&t);  // off again leaves both off
    EXPECT_EQ(t.immer + t.top_teams, 0);
    const auto z = Stadion_Zuschlag_Eintraege();
    ASSERT_EQ(z.size(), 7u);
    EXPECT_EQ(z.front(), "^tr00385^tl0042%");
    EXPECT_EQ(z.back(), "^tr003835^tl0042%");
    Stadion_Daten* d = anlegen(3);
    d->slot[4].zustand = 85.0f;
    const auto m = Stadion_Slot_Menue(3, 4);
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[1], "Instandsetzen Süd-Tribüne (85%)");
    for (float& x : d->preis) x = 0;
    EXPECT_NE(Stadion_Schnitt_Zeile(3).find("Benötigter Schnitt: noch nicht verfügbar"), std::string::npos);
}

TEST(StadionPlan, TheTwentyTwoAreasLieInThePictureApartAndCoverEverySlot)
{
    bool slot[STADION_SLOTS] = {};
    int32_t masten = 0;
    for (int32_t i = 0; i < STADION_PLAN_FLAECHEN; ++i) {
        const Stadion_Plan_Flaeche& a = Stadion_Plan_Flaechen[i];
        EXPECT_GE(a.x, 0);
        EXPECT_GE(a.y, 0);
        EXPECT_LE(a.x + a.w, STADION_PLAN_BREITE) << i;
        EXPECT_LE(a.y + a.h, STADION_PLAN_HOEHE) << i;
        ASSERT_GE(a.slot, 0);
        ASSERT_LT(a.slot, STADION_SLOTS);
        slot[a.slot] = true;
        masten += a.slot == 7;
        for (int32_t j = 0; j < i; ++j) {
            const Stadion_Plan_Flaeche& b = Stadion_Plan_Flaechen[j];
            const bool getrennt = a.x + a.w <= b.x || b.x + b.w <= a.x || a.y + a.h <= b.y || b.y + b.h <= a.y;
            EXPECT_TRUE(getrennt) << i << " / " << j;
        }
    }
    for (int32_t s = 0; s < STADION_SLOTS; ++s) EXPECT_TRUE(slot[s]) << s;
    EXPECT_EQ(masten, 4);
}

// The events page lists the club's messages by their day, the latest first, though a message
// for a later day (a farewell at the season's turn) was written before the days between.
TEST_F(StadionSchirm, TheEventsPageListsTheLatestDayFirstWhateverTheOrderOfWriting)
{
    auto senden = [](int32_t tag, const char* text) {
        Aktueller_Tag = tag;
        return News_Senden(-1, 3, -1, 4, nullptr, "%s", text);
    };
    const int32_t abschied = senden(430, "Abschied");
    const int32_t frueh = senden(405, "früh");
    const int32_t spaet = senden(420, "spät");
    const int32_t auch_spaet = senden(420, "auch spät");
    const int32_t fremd = News_Senden(-1, 4, -1, 4, nullptr, "anderer Verein");
    ASSERT_GE(std::min({abschied, frueh, spaet, auch_spaet, fremd}), 0);
    EXPECT_EQ(Stadion_Ereignisse_Neueste_Zuerst(3), (std::vector<int32_t>{abschied, auch_spaet, spaet, frueh}));
    EXPECT_EQ(Stadion_Ereignisse_Neueste_Zuerst(4), std::vector<int32_t>{fremd});
}
