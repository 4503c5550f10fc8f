// Assistants and doctors: who answers for a task, the doctors' daily treatment with and without a
// medical centre, miracles, and a new manager's staff.
#include <gtest/gtest.h>

#include <cstring>

#include "common/capture.h"
#include "database/assistent.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "economy/stadion.h"
#include "gameflow/highscore.h"
#include "gameflow/news.h"
#include "platform/zufall.h"

namespace {

int32_t medizin = 0;

struct Personal : ::testing::Test {
    void SetUp() override
    {
        Test_Teams_Anlegen(12);
        Test_Spieler_Anlegen(20);
        Netz_Rolle = 2;
        Schwierigkeitsstufe = 2;
        News_Init();
        Zufall(0, 1);
        medizin = 0;
        Stadion_Set_Anlage_Abfrage([](int32_t, int32_t slot) { return slot == STADION_ANLAGE_MEDIZIN ? medizin : 0; });
        Manager_Neuer_Mitspieler(1, "M");
    }
    void TearDown() override
    {
        Netz_Rolle = 2;  // a client would keep its manager records
        Stadion_Set_Anlage_Abfrage(nullptr);
        News_Init();
        Manager_Anzahl = 0;
        Highscore_Init();
        Test_Aufraeumen();
    }
    static uint8_t* assis(int32_t team) { return static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, team, nullptr, 0)); }
    static uint8_t* aerzte(int32_t team) { return static_cast<uint8_t*>(Team_Zeiger(TEAM_AERZTE, team, nullptr, 0)); }
    static void arzt(int32_t team, int32_t slot, int32_t fach)
    {
        aerzte(team)[slot] = 1;
        aerzte(team)[ASSI_OFFSET_AUFGABEN + ARZT_FACHGEBIETE * slot + fach] = 1;
    }
};

TEST_F(Personal, ComputerClubHasACapableAssistantForEverything)
{
    for (int32_t a = 0; a < ASSI_AUFGABEN; ++a) {
        EXPECT_EQ(Assistent_Mit_Aufgabe(2, a), ASSI_OHNE_MANAGER);
        EXPECT_EQ(Assistent_Faehigkeit(2, 0, a), 85);
    }
    EXPECT_EQ(Assistent_Arzt_Mit_Fachgebiet(2, 4), 0);
    // injuries only count down, whatever the medical centre
    medizin = 3;
    int32_t tage = 10;
    for (int i = 0; i < 5; ++i) Assistenten_Verarzte_Spieler(2, 3, &tage);
    EXPECT_EQ(tage, 5);
    tage = 0;
    Assistenten_Verarzte_Spieler(2, 3, &tage);
    EXPECT_EQ(tage, 0);
}

TEST_F(Personal, LowerSlotAnswersForASharedTask)
{
    EXPECT_EQ(Assistent_Mit_Aufgabe(1, 3), -1);
    Fehler_Capture cap;
    EXPECT_EQ(Assistent_Faehigkeit(1, 5, 3), -1);
    EXPECT_TRUE(cap.contains("Assistent_Faehigkeit: Assi nicht gefunden!"));
    for (int32_t slot : {6, 2}) {
        assis(1)[slot] = 1;
        assis(1)[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * slot + 3] = 1;
    }
    EXPECT_EQ(Assistent_Mit_Aufgabe(1, 3), 2);
    EXPECT_EQ(Assistent_Faehigkeit(1, 2, 3), 50);
    EXPECT_EQ(Assistent_Faehigkeit(1, 6, 3), 75);
    assis(1)[2] = 0;  // no longer hired
    EXPECT_EQ(Assistent_Mit_Aufgabe(1, 3), 6);
    arzt(1, 5, 9);
    arzt(1, 3, 9);
    EXPECT_EQ(Assistent_Arzt_Mit_Fachgebiet(1, 9), 3);
    Spieler_Wert(SP_VERLETZUNG_ART, 4, 2, SP_SCHREIBEN);  // a strain needs specialty 9
    int32_t fach = -1;
    EXPECT_EQ(Assistent_Arzt_Fuer_Verletzung(1, 4, &fach), 3);
    EXPECT_EQ(fach, 9);
}

TEST_F(Personal, MedicalCentreOfThreeOrMoreSavesTheDayEveryDay)
{
    // doctor 3 has skill 20 for colds (specialty 0); 15 days or fewer leave no room for a miracle
    arzt(1, 3, 0);
    Spieler_Wert(SP_VERLETZUNG_ART, 4, 0, SP_SCHREIBEN);
    for (int32_t figur : {3, 4, 9}) {
        medizin = figur;
        Spieler_Wert(SP_VERLETZUNG_ZUSATZ, 4, 0, SP_SCHREIBEN);
        int32_t tage = 15;
        for (int32_t tag = 1; tag <= 7; ++tag) {
            Assistenten_Verarzte_Spieler(1, 4, &tage);
            EXPECT_EQ(tage, 15 - 2 * tag) << "Figur " << figur;
        }
        EXPECT_EQ(Spieler_Wert(SP_VERLETZUNG_ZUSATZ, 4, 0, SP_LESEN), 7);
    }
    // without a medical centre a weak doctor misses most days
    medizin = 0;
    int32_t gespart = 0;
    for (int32_t tag = 0; tag < 200; ++tag) {
        int32_t tage = 10;
        Assistenten_Verarzte_Spieler(1, 4, &tage);
        gespart += 9 - tage;
    }
    EXPECT_GT(gespart, 0);
    EXPECT_LT(gespart, 80);
    // no doctor for the injury: the centre alone takes a day now and then
    Spieler_Wert(SP_VERLETZUNG_ART, 4, 26, SP_SCHREIBEN);
    medizin = 1;
    gespart = 0;
    for (int32_t tag = 0; tag < 200; ++tag) {
        int32_t tage = 10;
        Assistenten_Verarzte_Spieler(1, 4, &tage);
        gespart += 9 - tage;
    }
    EXPECT_GT(gespart, 5);
    EXPECT_LT(gespart, 60);
}

TEST_F(Personal, MiracleNeedsSixteenDaysAndLeavesTenToTheDaysLeft)
{
    arzt(1, 1, 0);  // miracle rate 90 in 10000
    Spieler_Wert(SP_VERLETZUNG_ART, 4, 0, SP_SCHREIBEN);
    for (int32_t seed = 1; seed < 3000; ++seed) {
        Zufall_Set_Seed(seed);
        int32_t tage = 16;  // 15 or 14 left after the day: never
        Assistenten_Verarzte_Spieler(1, 4, &tage);
        EXPECT_GE(tage, 14);
    }
    EXPECT_EQ(News_Anzahl(), 0);
    int32_t wunder = 0;
    for (int32_t seed = 1; seed < 3000; ++seed) {
        Zufall_Set_Seed(seed);
        int32_t tage = 60;
        const int32_t vorher = News_Anzahl();
        Assistenten_Verarzte_Spieler(1, 4, &tage);
        if (News_Anzahl() == vorher) {
            EXPECT_GE(tage, 58);
            continue;
        }
        ++wunder;
        EXPECT_GE(tage, 10);
        EXPECT_LE(tage, 59);
    }
    EXPECT_GT(wunder, 0);
    const int32_t i = News_Suche_Erste(1, NEWS_FLAG_DA);
    ASSERT_GE(i, 0);
    EXPECT_EQ(std::string(News_Get_Nachricht(i)->text).rfind("Auf wundersame Weise gelangt es Dr. Wiebke Harms, die Verletzungsdauer von ", 0), 0u);
}

TEST_F(Personal, NewManagersStaff)
{
    std::memset(assis(1), 0, ASSI_BLOCK_BYTES);
    std::memset(aerzte(1), 0, ARZT_BLOCK_BYTES);
    std::memset(assis(1) + ASSI_OFFSET_AUFGABEN, 1, ASSI_AUFGABEN);  // slot 0's old tasks go
    Assistenten_Managerpersonal_Vorbelegen(1);
    for (uint8_t* b : {assis(1), aerzte(1)}) {
        EXPECT_EQ(b[0], 1);
        EXPECT_EQ(b[ASSI_OFFSET_MONATE], 224);
        uint32_t kosten;
        std::memcpy(&kosten, b + ASSI_OFFSET_KOSTEN, 4);
        EXPECT_EQ(kosten, 0u);
    }
    for (int32_t a = 0; a < ASSI_AUFGABEN; ++a) EXPECT_EQ(assis(1)[ASSI_OFFSET_AUFGABEN + a], 0);
    for (int32_t f = 0; f < ARZT_FACHGEBIETE; ++f) EXPECT_EQ(Assistent_Arzt_Mit_Fachgebiet(1, f), 0);
    for (int32_t a = 0; a < ASSI_AUFGABEN; ++a) EXPECT_EQ(Assistent_Mit_Aufgabe(1, a), -1);
    Fehler_Capture cap;
    Assistenten_Managerpersonal_Vorbelegen(99);
    EXPECT_TRUE(cap.contains("Assistenten_Managerpersonal_Vorbelegen: NULL-Pointer!"));
    Netz_Rolle = 1;
    Assi_Jede_Woche();
    EXPECT_TRUE(cap.contains("Client-Zugriff: Assi_Jede_Woche"));
}

}  // namespace
