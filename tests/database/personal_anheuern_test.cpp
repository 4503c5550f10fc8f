// Hiring assistants and doctors: at most four of each, a newcomer above every hired assistant
// takes over their areas, one holder per area or specialty, the offers' prices.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "database/assistent.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "database/personal_anheuern.h"
#include "toolkit/requester.h"

namespace {

std::vector<std::string> texte;
uint8_t antwort = 1;

struct Anheuern : ::testing::Test {
    void SetUp() override
    {
        Test_Teams_Anlegen(6);
        Netz_Rolle = 2;
        Manager_Neuer_Mitspieler(1, "M");
        Aktuelles_Team = 1;
        std::memset(assis(), 0, ASSI_BLOCK_BYTES);
        std::memset(aerzte(), 0, ARZT_BLOCK_BYTES);
        texte.clear();
        antwort = 1;
        Menue_Requester_Set_Anzeige([](int32_t, int32_t, const char* t, const char*, const char*) {
            texte.emplace_back(t);
            return antwort;
        });
        for (int32_t i = 0; i < 8; ++i) {
            Personal_Angebot.assi_jahre[i] = Personal_Angebot.arzt_jahre[i] = 2;
            Personal_Angebot.assi_preis[i] = Personal_Angebot.arzt_preis[i] = uint16_t(100 + i);
        }
    }
    void TearDown() override
    {
        Menue_Requester_Set_Anzeige(nullptr);
        Manager_Anzahl = 0;
        Test_Aufraeumen();
    }
    static uint8_t* assis() { return static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, 1, nullptr, 0)); }
    static uint8_t* aerzte() { return static_cast<uint8_t*>(Team_Zeiger(TEAM_AERZTE, 1, nullptr, 0)); }
    static bool bereich(int32_t slot, int32_t a) { return assis()[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * slot + a]; }
};

TEST_F(Anheuern, AtMostFourOfEachWhicheverApplicant)
{
    for (int32_t i : {0, 2, 4, 6}) EXPECT_TRUE(Personal_Assi_Anheuern(PERSONAL_ICON_ASSI + i));
    EXPECT_EQ(assis()[ASSI_OFFSET_MONATE + 2], 24);
    uint32_t gehalt = 0;
    std::memcpy(&gehalt, assis() + ASSI_OFFSET_KOSTEN + 4 * 6, 4);
    EXPECT_EQ(gehalt, 106u);
    texte.clear();
    for (int32_t i : {1, 7}) EXPECT_FALSE(Personal_Assi_Anheuern(PERSONAL_ICON_ASSI + i));
    EXPECT_EQ(assis()[1] + assis()[7], 0);
    ASSERT_EQ(texte.size(), 2u);
    EXPECT_NE(texte[0].find("vier Assistenten"), std::string::npos);

    // A no hires nobody; a yes names price and years.
    antwort = 0;
    texte.clear();
    EXPECT_FALSE(Personal_Arzt_Anheuern(PERSONAL_ICON_ARZT + 3));
    EXPECT_EQ(aerzte()[3], 0);
    EXPECT_NE(texte[0].find("zum Preis von 103.000 DM pro Jahr für die Dauer von 2 Jahren"), std::string::npos);
    antwort = 1;
    for (int32_t i : {0, 1, 2, 3}) EXPECT_TRUE(Personal_Arzt_Anheuern(PERSONAL_ICON_ARZT + i));
    EXPECT_FALSE(Personal_Arzt_Anheuern(PERSONAL_ICON_ARZT + 5));
    EXPECT_FALSE(Personal_Arzt_Anheuern(PERSONAL_ICON_ARZT + 8));  // no such applicant
}

TEST_F(Anheuern, AreasMoveToANewcomerAboveAndHaveOneHolder)
{
    Personal_Assi_Anheuern(PERSONAL_ICON_ASSI + 1);
    Personal_Assi_Aufgabe_Wechseln(1, 1);
    Personal_Assi_Aufgabe_Wechseln(4, 1);
    EXPECT_TRUE(bereich(1, 1) && bereich(1, 4));
    // Below the highest hired one: he starts without areas.
    Personal_Assi_Anheuern(PERSONAL_ICON_ASSI + 0);
    EXPECT_FALSE(bereich(0, 1) || bereich(0, 4));
    EXPECT_TRUE(bereich(1, 1));
    // Above every hired one: all areas go to him.
    Personal_Assi_Anheuern(PERSONAL_ICON_ASSI + 5);
    EXPECT_TRUE(bereich(5, 1) && bereich(5, 4));
    EXPECT_FALSE(bereich(1, 1) || bereich(1, 4));

    // Taking a held area from its holder, with the text naming the new one.
    texte.clear();
    Personal_Assi_Aufgabe_Wechseln(4, 0);
    EXPECT_TRUE(bereich(0, 4));
    EXPECT_FALSE(bereich(5, 4));
    ASSERT_EQ(texte.size(), 1u);
    EXPECT_NE(texte[0].find(Assistenten_Tabelle[0].name), std::string::npos);
    EXPECT_NE(texte[0].find("Werbung und Marketing"), std::string::npos);
    Personal_Assi_Aufgabe_Wechseln(4, 0);
    EXPECT_FALSE(bereich(0, 4));
    EXPECT_EQ(texte.back(), "Ab sofort sind Sie allein für die Werbemaßnahmen Ihrer Mannschaft zuständig.");
    // A slot not hired switches nothing.
    texte.clear();
    Personal_Assi_Aufgabe_Wechseln(2, 3);
    EXPECT_FALSE(bereich(3, 2));
    EXPECT_TRUE(texte.empty());

    // Transfers on: the search entries are cleared.
    T_Own[1].suche.aktiv[2] = 1;
    T_Own[1].suche.zelle_b[2] = 100;
    Personal_Assi_Aufgabe_Wechseln(ASSI_AUFGABE_TRANSFER, 5);
    EXPECT_EQ(T_Own[1].suche.aktiv[2], 0);
    EXPECT_EQ(T_Own[1].suche.zelle_a[2], 0);
    EXPECT_EQ(T_Own[1].suche.zelle_b[2], 458);

    // Doctors: one per specialty.
    Personal_Arzt_Anheuern(PERSONAL_ICON_ARZT + 0);
    Personal_Arzt_Anheuern(PERSONAL_ICON_ARZT + 2);
    Personal_Arzt_Spezialgebiet_Umschalten(0, 7);
    Personal_Arzt_Spezialgebiet_Umschalten(2, 7);
    EXPECT_EQ(aerzte()[ASSI_OFFSET_AUFGABEN + ARZT_FACHGEBIETE * 0 + 7], 0);
    EXPECT_EQ(aerzte()[ASSI_OFFSET_AUFGABEN + ARZT_FACHGEBIETE * 2 + 7], 1);
    EXPECT_EQ(Assistent_Arzt_Mit_Fachgebiet(1, 7), 2);
}

TEST_F(Anheuern, OfferPrices)
{
    EXPECT_EQ(Personal_Angebot_Preis(500, 1, 100), 575);
    EXPECT_EQ(Personal_Angebot_Preis(500, 4, 60), 240);
    EXPECT_EQ(Personal_Angebot_Preis(2000, 2, 100), 2100);
    EXPECT_EQ(Personal_Angebot_Preis(1760, 3, 1), 16);
}

}  // namespace
