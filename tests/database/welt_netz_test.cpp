// The database's network images: sizes, round trips, and decoders that refuse short packets,
// counts beyond the packet and team or player numbers beyond the arrays without changing anything;
// the server's checks of a client's new offer and new camp item.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/capture.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "database/richter.h"
#include "database/teamspieler.h"
#include "economy/trainingslager.h"
#include "platform/bytes.h"
#include "platform/mem.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct WeltNetz : ::testing::Test {
    void SetUp() override { Test_Netz_Welt_Anlegen(); }
    void TearDown() override
    {
        Trainingslager_DeInit();
        Team_Client_Manager_Name_Setzen(nullptr);
        Handelndes_Team = 0;
        Test_Welt_Aufraeumen();
    }
    static Bytes nehmen(uint8_t* p, int32_t n)
    {
        Bytes b(p, p + n);
        Mem_Free(p, 0);
        return b;
    }
};

TEST_F(WeltNetz, PlayerEntriesAndNewPlayerList)
{
    uint8_t* roh = nullptr;
    const Bytes haupt = nehmen(roh, Spieler_Internet_Server_Send(&roh, 0, -1, 1, -1));
    EXPECT_EQ(haupt.size(), 1040u);
    const Bytes fix = nehmen(roh, Spieler_Internet_Server_Send(&roh, 1, -1, 1, -1));
    EXPECT_EQ(fix.size(), 760u);
    EXPECT_EQ(nehmen(roh, Spieler_Internet_Server_Send(&roh, 0, -1, -1, 7)).size(), 52u);

    // a client's copy: records and flags come back, the user-picture bit stays
    Spieler_Daten[3].form = 77;
    Spieler_Fix_Daten[3].gesicht = 1234;
    const Bytes b3 = nehmen(roh, Spieler_Internet_Server_Send(&roh, 1, -1, -1, 3));
    const Bytes h3 = nehmen(roh, Spieler_Internet_Server_Send(&roh, 0, -1, -1, 3));
    Spieler_Daten[3].form = 1;
    Spieler_Fix_Daten[3].gesicht = 0x80000000u;
    ASSERT_TRUE(Spieler_Internet_Client_Daten_Einlesen(h3.data(), uint32_t(h3.size()), 0));
    ASSERT_TRUE(Spieler_Internet_Client_Daten_Einlesen(b3.data(), uint32_t(b3.size()), 1));
    EXPECT_EQ(Spieler_Daten[3].form, 77);
    EXPECT_EQ(Spieler_Fix_Daten[3].gesicht, 0x80000000u | 1234u);
    EXPECT_EQ(Spieler_Client_Flags[3], 3);

    Fehler_Capture fehler;
    Bytes kaputt = h3;
    EXPECT_FALSE(Spieler_Internet_Client_Daten_Einlesen(kaputt.data(), uint32_t(kaputt.size() - 1), 0));
    Bytes_Setze16(kaputt.data(), 100);
    Spieler_Daten[3].form = 5;
    EXPECT_FALSE(Spieler_Internet_Client_Daten_Einlesen(kaputt.data(), uint32_t(kaputt.size()), 0));
    Bytes_Setze16(kaputt.data(), 0xFFFF);
    EXPECT_FALSE(Spieler_Internet_Client_Daten_Einlesen(kaputt.data(), uint32_t(kaputt.size()), 0));
    EXPECT_EQ(Spieler_Daten[3].form, 5);

    const Bytes leer = nehmen(roh, Spieler_Internet_Server_Send_New_Client_Data(&roh));
    EXPECT_EQ(leer, Bytes({0, 0}));
    Spieler_Daten[4].status = SP_STATUS_NEU;
    Spieler_Daten[9].status = SP_STATUS_NEU;
    const Bytes neu = nehmen(roh, Spieler_Internet_Server_Send_New_Client_Data(&roh));
    EXPECT_EQ(neu, Bytes({2, 0, 4, 0, 9, 0}));
    Spieler_Client_Flags[4] = Spieler_Client_Flags[9] = 3;
    EXPECT_FALSE(Spieler_Internet_Client_Neue_Spieler_Einlesen(neu.data(), 4));
    Bytes zu_viele = neu;
    zu_viele[0] = 3;
    EXPECT_FALSE(Spieler_Internet_Client_Neue_Spieler_Einlesen(zu_viele.data(), uint32_t(zu_viele.size())));
    Bytes fremd = neu;
    fremd[4] = 200;
    EXPECT_FALSE(Spieler_Internet_Client_Neue_Spieler_Einlesen(fremd.data(), uint32_t(fremd.size())));
    EXPECT_EQ(Spieler_Client_Flags[4], 3);
    ASSERT_TRUE(Spieler_Internet_Client_Neue_Spieler_Einlesen(neu.data(), uint32_t(neu.size())));
    EXPECT_EQ(Spieler_Client_Flags[4] + Spieler_Client_Flags[9], 0);
}

TEST_F(WeltNetz, LinkBlocksAndLineUps)
{
    const int32_t eins = 2;
    Bytes b;
    ASSERT_TRUE(Teamspieler_Internet_TS_Block_Packen(&eins, 1, &b));
    EXPECT_EQ(b.size(), 34u * 5 + 6);
    Teamspieler_Wert(305, 2, 21, 17, 1);
    Teamspieler_Wert(310, 2, 21, 100, 1);
    ASSERT_TRUE(Teamspieler_Internet_TS_Block_Packen(&eins, 1, &b));
    Teamspieler_Wert(310, 2, 21, 5, 1);
    Teamspieler_Kommt_Oder_Geht(0, 2, 22, 0, 0, 0, -1, false);
    ASSERT_TRUE(Teamspieler_Internet_TS_Block_Einlesen(b.data(), uint32_t(b.size())));
    EXPECT_EQ(Teamspieler_Wert(310, 2, 21, 0, 0), 100);
    EXPECT_EQ(Teamspieler_Wert(305, 2, 21, 0, 0), 17);
    EXPECT_EQ(Team_Wert(TEAM_SPIELERANZAHL, 2, 0, 0), 5);

    Fehler_Capture fehler;
    for (auto schaden : {+[](Bytes& x) { x.pop_back(); }, +[](Bytes& x) { x[4] = 9; },
                         +[](Bytes& x) { x[2] = 6; }, +[](Bytes& x) { x[6] = 100; },
                         +[](Bytes& x) { x.push_back(0); }}) {
        Bytes k = b;
        schaden(k);
        EXPECT_FALSE(Teamspieler_Internet_TS_Block_Einlesen(k.data(), uint32_t(k.size())));
    }
    EXPECT_EQ(Team_Wert(TEAM_SPIELERANZAHL, 2, 0, 0), 5);

    // the own line-up and the opponent's markers go to the server and back
    Teamspieler_Wert(311, 1, 3, 44, 1);
    Teamspieler_Wert(309, 2, 20, 3, 1);
    Bytes eigene, fremde;
    ASSERT_TRUE(Teamspieler_Internet_Aufstellung_Packen(1, 2, &eigene, &fremde));
    EXPECT_EQ(eigene.size(), 24u * 20);
    EXPECT_EQ(fremde.size(), 4u * 5);
    Teamspieler_Wert(311, 1, 3, 1, 1);
    Teamspieler_Wert(309, 2, 20, -1, 1);
    ASSERT_TRUE(Teamspieler_Internet_Server_Get_Data_Back(1, 2, eigene.data(), uint32_t(eigene.size()), fremde.data(),
                                                          uint32_t(fremde.size())));
    EXPECT_EQ(Teamspieler_Wert(311, 1, 3, 0, 0), 44);
    EXPECT_EQ(Teamspieler_Wert(309, 2, 20, 0, 0), 3);
    Bytes_Setze16(eigene.data() + 4, 60);
    Teamspieler_Wert(311, 1, 3, 1, 1);
    EXPECT_FALSE(Teamspieler_Internet_Server_Get_Data_Back(1, 2, eigene.data(), uint32_t(eigene.size()), nullptr, 0));
    EXPECT_TRUE(fehler.contains("spnr not found!"));
    EXPECT_EQ(Teamspieler_Wert(311, 1, 3, 0, 0), 1);
}

TEST_F(WeltNetz, ManagerBlocksTeamImagesAndStartInfo)
{
    Manager_Neuer_Mitspieler(1, "M");
    Bytes b30, b33;
    ASSERT_TRUE(Manager_Internet_Bloecke_Packen(1, true, &b30));
    ASSERT_TRUE(Manager_Internet_Bloecke_Packen(1, false, &b33));
    EXPECT_EQ(b30.size(), 5163u);
    EXPECT_EQ(b33.size(), 5163u - 1600u);
    T_Fix[1].manager->werbung[10] = 99;
    ASSERT_TRUE(Manager_Internet_Bloecke_Packen(1, false, &b33));
    T_Fix[1].manager->werbung[10] = 0;
    Fehler_Capture fehler;
    EXPECT_FALSE(Manager_Internet_Bloecke_Einlesen(1, false, b33.data(), uint32_t(b33.size() - 1)));
    EXPECT_FALSE(Manager_Internet_Bloecke_Einlesen(3, false, b33.data(), uint32_t(b33.size())));
    EXPECT_EQ(T_Fix[1].manager->werbung[10], 0);
    ASSERT_TRUE(Manager_Internet_Bloecke_Einlesen(1, false, b33.data(), uint32_t(b33.size())));
    EXPECT_EQ(T_Fix[1].manager->werbung[10], 99);

    Handelndes_Team = 1;
    Aktuelles_Team = 2;
    uint8_t own[2 + TEAM_OWN_BYTES];
    T_Own[1].moral = 61;
    ASSERT_TRUE(Team_Internet_Server_Send_T_Own(own));
    uint16_t zaehler = 0;
    EXPECT_FALSE(Team_Internet_Client_T_Own_Einlesen(own, sizeof own - 1, &zaehler));
    ASSERT_TRUE(Team_Internet_Client_T_Own_Einlesen(own, sizeof own, &zaehler));
    EXPECT_EQ(T_Own[2].moral, 61);
    EXPECT_EQ(zaehler, Team_Aenderungszaehler);

    // the own team back from a client, the teams' records and fixed parts to it
    std::vector<uint8_t> zurueck, systeme;
    Aktuelles_Team = 1;
    T_Own[1].beobachtet[0] = 7;
    ASSERT_TRUE(Team_Internet_Client_Send_Own_Packen(&zurueck, &systeme));
    T_Own[1].beobachtet[0] = -1;
    ASSERT_TRUE(Team_Internet_Server_Get_Data_Back(zurueck.data(), uint32_t(zurueck.size()), systeme.data(), 2));
    EXPECT_EQ(T_Own[1].beobachtet[0], 7);
    Bytes_Setze16(zurueck.data() + 390, 500);
    EXPECT_FALSE(Team_Internet_Server_Get_Data_Back(zurueck.data(), uint32_t(zurueck.size()), systeme.data(), 2));
    EXPECT_EQ(T_Own[1].beobachtet[0], 7);
    Bytes t_block, fix_block;
    Team_Internet_Server_Send_T_Block(&t_block);
    EXPECT_EQ(t_block.size(), 26u * 4);
    EXPECT_FALSE(Team_Internet_Client_T_Block_Einlesen(t_block.data(), uint32_t(t_block.size() - 26)));
    EXPECT_TRUE(Team_Internet_Client_T_Block_Einlesen(t_block.data(), uint32_t(t_block.size())));
    Team_Internet_Server_Send_T_Fix_Block(&fix_block);
    EXPECT_EQ(fix_block.size(), 128u * 7);
    std::strcpy(T_Fix[2].name, "Anders");
    EXPECT_FALSE(Team_Internet_Client_T_Fix_Block_Einlesen(fix_block.data(), 128u * 6));
    ASSERT_TRUE(Team_Internet_Client_T_Fix_Block_Einlesen(fix_block.data(), uint32_t(fix_block.size())));
    EXPECT_STREQ(T_Fix[2].name, "Team 2");
    EXPECT_NE(T_Fix[1].manager, nullptr);

    uint8_t start[TEAM_STARTINFO_BYTES];
    Team_Internet_Server_Send_Startinfo(start);
    int32_t anzahl = 0, normal = 0;
    ASSERT_TRUE(Team_Internet_Client_Startinfo_Einlesen(start, sizeof start, &anzahl, &normal));
    EXPECT_EQ(anzahl, 6);
    EXPECT_EQ(normal, 4);
    Bytes_Setze32(start + 8, 6);
    EXPECT_FALSE(Team_Internet_Client_Startinfo_Einlesen(start, sizeof start, &anzahl, &normal));

    Bytes liste;
    Team_Internet_Server_Managerteam_Liste(&liste);
    ASSERT_EQ(liste.size(), 46u);
    EXPECT_STREQ(reinterpret_cast<const char*>(liste.data() + 2), "Team 1");
    std::vector<int32_t> teams;
    ASSERT_TRUE(Team_Internet_Managerteam_Liste_Einlesen(liste.data(), uint32_t(liste.size()), &teams));
    EXPECT_EQ(teams, std::vector<int32_t>{1});
    liste[0] = 6;
    EXPECT_FALSE(Team_Internet_Managerteam_Liste_Einlesen(liste.data(), uint32_t(liste.size()), &teams));
}

TEST_F(WeltNetz, ArbiterSendsOwnOffersAndChecksWhatClientsAdd)
{
    Richter_Spieler_Angebot_Struktur_Erzeugen(3, 1, 4, 100, 0, 50, 24, 80);
    Richter_Spieler_Angebot_Struktur_Erzeugen(0, 2, 21, 100, 0, 50, 24, 80);
    Handelndes_Team = 3;
    uint8_t* roh = nullptr;
    const uint32_t n = Richter_Internet_Server_Send_Liste(&roh);
    const Bytes liste(roh, roh + n);
    Mem_Free(roh, 0);
    ASSERT_TRUE(Richter_Internet_Client_Liste_Einlesen(liste.data(), uint32_t(liste.size())));
    EXPECT_EQ(Richter_Get_Spieler_Angebote(4, nullptr, 0, nullptr), 1);
    EXPECT_EQ(Richter_Get_Spieler_Angebote(21, nullptr, 0, nullptr), 0);

    Fehler_Capture fehler;
    Bytes kaputt = liste;
    kaputt.pop_back();
    EXPECT_FALSE(Richter_Internet_Client_Liste_Einlesen(kaputt.data(), uint32_t(kaputt.size())));
    EXPECT_EQ(Richter_Get_Spieler_Angebote(4, nullptr, 0, nullptr), 1);

    // a new offer only for its own club's bids or players
    Spieler_Angebot a{};
    a.bieter = 0;
    a.verein = 2;
    a.spnr = 22;
    a.abloese = 10;
    a.gehalt = 10;
    a.monate = 12;
    EXPECT_FALSE(Richter_Internet_Server_Neues_Angebot(reinterpret_cast<const uint8_t*>(&a), sizeof a));
    a.bieter = 3;
    EXPECT_FALSE(Richter_Internet_Server_Neues_Angebot(reinterpret_cast<const uint8_t*>(&a), sizeof a - 1));
    a.spnr = 500;
    EXPECT_FALSE(Richter_Internet_Server_Neues_Angebot(reinterpret_cast<const uint8_t*>(&a), sizeof a));
    a.spnr = 22;
    EXPECT_TRUE(Richter_Internet_Server_Neues_Angebot(reinterpret_cast<const uint8_t*>(&a), sizeof a));
    EXPECT_EQ(Richter_Get_Spieler_Angebote(22, nullptr, 0, nullptr), 1);

    // a camp item of its own club, of a known type and size
    Trainingslager_Buchung buchung{};
    buchung.art = 1;
    buchung.team = 1;
    buchung.ziel = 2;
    const auto* p = reinterpret_cast<const uint8_t*>(&buchung);
    const int32_t vorher = Liste_Count(&Richter_Liste);
    EXPECT_FALSE(Richter_Internet_Server_Neues_Element(p, sizeof buchung, RICHTER_TRAININGSLAGER));
    buchung.team = 3;
    EXPECT_FALSE(Richter_Internet_Server_Neues_Element(p, sizeof buchung, RICHTER_ANGEBOT));
    EXPECT_FALSE(Richter_Internet_Server_Neues_Element(p, sizeof buchung - 4, RICHTER_TRAININGSLAGER));
    EXPECT_EQ(Liste_Count(&Richter_Liste), vorher);
    // a proposal is a friendly with another club on a free day ahead, entered in the club's table
    EXPECT_FALSE(Richter_Internet_Server_Neues_Element(p, sizeof buchung, RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG));
    Manager_Neuer_Mitspieler(3, "M");
    Trainingslager_Init();
    buchung.art = 2;
    buchung.erster_tag = buchung.letzter_tag = uint32_t(Aktueller_Tag + 10);
    EXPECT_TRUE(Richter_Internet_Server_Neues_Element(p, sizeof buchung, RICHTER_FREUNDSCHAFTSSPIEL_VORSCHLAG));
    EXPECT_EQ(Liste_Count(&Richter_Liste), vorher + 1);
    EXPECT_EQ(Trainingslager_Freie_Buchungen(3), TRAININGSLAGER_BUCHUNGEN - 1);
}

// A client's manager names himself: the name survives the fetch of the server's records and
// reaches the server with request 15; a name no name field makes refuses the whole request.
TEST_F(WeltNetz, AClientsManagerNameReachesTheServer)
{
    Manager_Neuer_Mitspieler(1, "Anna");
    Handelndes_Team = 1;
    Aktuelles_Team = 1;
    Bytes own, systeme, name, t_block;
    EXPECT_FALSE(Team_Client_Manager_Name_Setzen("   "));
    Team_Internet_Client_Manager_Name_Packen(&name);
    EXPECT_TRUE(name.empty());  // nothing to carry while he has not named himself

    ASSERT_TRUE(Team_Client_Manager_Name_Setzen("Bernd Wüst"));
    EXPECT_STREQ(Team_String(TEAM_MANAGER_NAME, 1, nullptr, 0), "Bernd Wüst");
    // the server's records still say "Anna": a fetch leaves the client's choice standing
    Team_String(TEAM_MANAGER_NAME, 1, "Anna", 1);
    Team_Internet_Server_Send_T_Block(&t_block);
    ASSERT_TRUE(Team_Internet_Client_T_Block_Einlesen(t_block.data(), uint32_t(t_block.size())));
    EXPECT_STREQ(Team_String(TEAM_MANAGER_NAME, 1, nullptr, 0), "Bernd Wüst");

    Team_String(TEAM_MANAGER_NAME, 1, "Anna", 1);
    ASSERT_TRUE(Team_Internet_Client_Send_Own_Packen(&own, &systeme));
    Team_Internet_Client_Manager_Name_Packen(&name);
    ASSERT_EQ(name.size(), TEAM_MANAGER_NAME_BYTES);
    Fehler_Capture fehler;
    Bytes falsch = name;
    falsch[2] = 0x07;
    EXPECT_FALSE(Team_Internet_Server_Get_Data_Back(own.data(), uint32_t(own.size()), systeme.data(), 2, falsch.data(),
                                                    uint32_t(falsch.size())));
    std::fill(falsch.begin(), falsch.end(), uint8_t('x'));  // no end within the field
    EXPECT_FALSE(Team_Internet_Server_Get_Data_Back(own.data(), uint32_t(own.size()), systeme.data(), 2, falsch.data(),
                                                    uint32_t(falsch.size())));
    EXPECT_FALSE(Team_Internet_Server_Get_Data_Back(own.data(), uint32_t(own.size()), systeme.data(), 2, name.data(), 19));
    EXPECT_STREQ(Team_String(TEAM_MANAGER_NAME, 1, nullptr, 0), "Anna");
    ASSERT_TRUE(Team_Internet_Server_Get_Data_Back(own.data(), uint32_t(own.size()), systeme.data(), 2, name.data(),
                                                   uint32_t(name.size())));
    EXPECT_STREQ(Team_String(TEAM_MANAGER_NAME, 1, nullptr, 0), "Bernd Wüst");

    // a new start forgets him: the server's name stands again after a fetch
    Team_Client_Manager_Name_Setzen(nullptr);
    Team_String(TEAM_MANAGER_NAME, 1, "Anna", 1);
    Team_Internet_Server_Send_T_Block(&t_block);
    Team_String(TEAM_MANAGER_NAME, 1, "Carl", 1);
    ASSERT_TRUE(Team_Internet_Client_T_Block_Einlesen(t_block.data(), uint32_t(t_block.size())));
    EXPECT_STREQ(Team_String(TEAM_MANAGER_NAME, 1, nullptr, 0), "Anna");
}

}  // namespace
