#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/capture.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"

namespace {

TEST(Kalender, DatesWeekdaysAndSeasons)
{
    struct { int32_t tag, t, m, j; } faelle[] = {
        {0, 1, 7, 1999}, {184, 1, 1, 2000}, {243, 29, 2, 2000}, {366, 1, 7, 2000}, {731, 1, 7, 2001},
    };
    for (const auto& f : faelle) {
        const Kalender_Datum d = Kalender_Get_Datum(f.tag, 0);
        EXPECT_EQ(d.tag, f.t) << f.tag;
        EXPECT_EQ(d.monat, f.m) << f.tag;
        EXPECT_EQ(d.jahr, f.j) << f.tag;
    }
    EXPECT_EQ(Kalender_Get_Datum(0, 0).wochentag, 5);   // a Thursday
    EXPECT_EQ(Kalender_Get_Datum(184, 0).wochentag, 0);
    EXPECT_STREQ(Kalender_Get_Datum(243, 0).text, "29. Februar 2000");
    EXPECT_STREQ(Kalender_Get_Wochentag_Name(7), Kalender_Get_Wochentag_Name(0));
    EXPECT_STREQ(Kalender_Get_Wochentag_Name(-1), "Freitag");
    // The first-season flag ignores the day.
    EXPECT_EQ(Kalender_Get_Datum(900, 1).jahr, 1999);

    // The inverse over ten seasons, and dates that do not exist.
    for (int32_t tag = 0; tag < 3653; ++tag) {
        const Kalender_Datum d = Kalender_Get_Datum(tag, 0);
        ASSERT_EQ(Kalender_Get_Tagnummer(d.tag, d.monat, d.jahr), tag);
    }
    Fehler_Capture cap;
    EXPECT_EQ(Kalender_Get_Tagnummer(29, 2, 2001), -1);
    EXPECT_EQ(Kalender_Get_Tagnummer(30, 6, 1999), -1);
    EXPECT_EQ(Kalender_Get_Tagnummer(1, 13, 2000), -1);
    EXPECT_EQ(cap.texts.size(), 3u);

    Aktueller_Tag = 365;
    EXPECT_EQ(Kalender_Get_Saisonstart(), 0);
    EXPECT_EQ(Kalender_Get_Saison(), 1);
    Aktueller_Tag = 400;
    EXPECT_EQ(Kalender_Get_Saisonstart(), 366);
    EXPECT_EQ(Kalender_Get_Saison(), 2);
    Aktueller_Tag = 0;

    EXPECT_STREQ(Kalender_Get_Datum_String_Knapp(0, 1), "Do 1.7.1999");
    EXPECT_STREQ(Kalender_Get_Dauer_String(0, 1), "1 Tag");
    EXPECT_STREQ(Kalender_Get_Dauer_String(0, 368), "1 Jahr und 3 Tage");
    EXPECT_STREQ(Kalender_Get_Wetter_Text(20, 95), "starker Regen");
    EXPECT_STREQ(Kalender_Get_Wetter_Text(0, 80), "Schneefall");
    EXPECT_STREQ(Kalender_Get_Wetter_Text(20, 76), "bedeckt");
    EXPECT_STREQ(Kalender_Get_Wetter_Text(20, 0), "wolkenlos");
}

// The day advance runs each slot that is due, in slot order, and nothing else.
std::vector<std::string> gelaufen;
std::vector<std::string> autosaves;

template <int A, int S>
void job()
{
    static const char* const ARTEN = "TWMJ";
    gelaufen.push_back(std::string(1, ARTEN[A]) + std::to_string(S));
}

template <int A, int... S>
void alle_registrieren(std::integer_sequence<int, S...>)
{
    (Kalender_Job_Registrieren(A, S, job<A, S>), ...);
}

std::vector<std::string> erwartet(std::initializer_list<std::pair<char, int>> arten)
{
    std::vector<std::string> e;
    for (auto [a, n] : arten)
        for (int s = 0; s < n; ++s) e.push_back(std::string(1, a) + std::to_string(s));
    return e;
}

class Kalender_Tag : public testing::Test {
protected:
    void SetUp() override
    {
        alle_registrieren<KALENDER_TAEGLICH>(std::make_integer_sequence<int, 7>{});
        alle_registrieren<KALENDER_WOECHENTLICH>(std::make_integer_sequence<int, 6>{});
        alle_registrieren<KALENDER_MONATLICH>(std::make_integer_sequence<int, 5>{});
        alle_registrieren<KALENDER_JAEHRLICH>(std::make_integer_sequence<int, 8>{});
        Kalender_Set_Autosave_Hook([](const char* name) { autosaves.push_back(std::to_string(Aktueller_Tag) + name); });
        autosaves.clear();
        Aktueller_Tag = 0;
    }
    void TearDown() override
    {
        Kalender_Jobs_Leeren();
        Kalender_Set_Autosave_Hook(nullptr);
        Aktueller_Tag = 0;
    }
    std::vector<std::string> tag_laufen(int32_t bis)
    {
        Aktueller_Tag = bis - 1;
        gelaufen.clear();
        Kalender_Naechster_Tag();
        EXPECT_EQ(Aktueller_Tag, bis);
        return gelaufen;
    }
};

TEST_F(Kalender_Tag, JobsRunOnTheirDaysInSlotOrder)
{
    EXPECT_EQ(tag_laufen(1), erwartet({{'T', 7}}));
    EXPECT_EQ(tag_laufen(7), erwartet({{'T', 7}, {'W', 6}}));
    EXPECT_EQ(tag_laufen(31), erwartet({{'T', 7}, {'M', 5}}));
    EXPECT_EQ(tag_laufen(336), erwartet({{'T', 7}, {'W', 6}, {'M', 5}}));
    EXPECT_EQ(tag_laufen(366), erwartet({{'T', 7}, {'M', 5}, {'J', 8}}));

    Fehler_Capture cap;
    EXPECT_FALSE(Kalender_Job_Registrieren(KALENDER_TAEGLICH, 7, job<0, 0>));
    EXPECT_FALSE(Kalender_Job_Registrieren(KALENDER_JOB_ARTEN, 0, job<0, 0>));
    // The last day of the hundredth season is the end of time.
    Aktueller_Tag = KALENDER_TAG_MAX - 1;
    gelaufen.clear();
    Kalender_Naechster_Tag();
    EXPECT_EQ(Aktueller_Tag, KALENDER_TAG_MAX - 1);
    EXPECT_TRUE(gelaufen.empty());
}

TEST_F(Kalender_Tag, AutosavesFollowTheOptions)
{
    // Start options: monthly only, on each first of a month of the season.
    for (int32_t i = 0; i < 366; ++i) Kalender_Naechster_Tag();
    ASSERT_EQ(autosaves.size(), 12u);
    EXPECT_EQ(autosaves.front(), "31Autosave_Monat.sgv");
    EXPECT_EQ(autosaves.back(), "366Autosave_Monat.sgv");

    // Bit 0x01 adds the weekly one on every seventh day.
    Kalender_Set_Autosave_Hook([](const char* name) { autosaves.push_back(std::to_string(Aktueller_Tag) + name); },
                               [](int32_t) { return 0x03; });
    autosaves.clear();
    Aktueller_Tag = 0;
    for (int32_t i = 0; i < 366; ++i) Kalender_Naechster_Tag();
    int32_t woche = 0;
    for (const std::string& a : autosaves)
        if (a.find("Woche") != std::string::npos) {
            EXPECT_EQ(a, std::to_string(7 * ++woche) + "Autosave_Woche.sgv");
        }
    EXPECT_EQ(woche, 52);
    EXPECT_EQ(autosaves.size(), 64u);
}

}  // namespace
