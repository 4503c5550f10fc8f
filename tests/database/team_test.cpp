#include <gtest/gtest.h>

#include <cstring>

#include "common/capture.h"
#include "database/db_hilfe.h"

namespace {

struct TeamTest : ::testing::Test {
    void SetUp() override { Test_Teams_Anlegen(6); }
    void TearDown() override { Test_Aufraeumen(); }
};

struct Feld {
    int32_t id, min, max;
};

TEST_F(TeamTest, EveryScalarFieldClampsAtBothEndsAndReports)
{
    const Feld felder[] = {{152, 0, 100}, {154, 10, 990}, {155, 10, 990}, {156, 10, 990}, {157, 10, 990},
                           {158, 0, 99},  {159, 30, 70},  {160, 30, 70},  {161, 30, 70},  {167, 0, 32000},
                           {170, -1, 7},  {171, -1, 7},   {173, -1, 32000}, {174, 0, 99}, {175, 0, 5},
                           {191, -1, 127}, {192, -1, 127}, {195, 0, 99}};
    for (const Feld& f : felder) {
        SCOPED_TRACE(f.id);
        for (int32_t ziel : {f.max + 1, f.min - 1}) {
            Fehler_Capture cap;
            EXPECT_EQ(Team_Wert(f.id, 0, ziel, TEAM_SCHREIBEN), -1);
            EXPECT_TRUE(cap.contains("Team_Wert: Wert nicht innerhalb der Grenzen"));
            EXPECT_EQ(Team_Wert(f.id, 0, 0, TEAM_LESEN), ziel > f.max ? f.max : f.min);
        }
        Fehler_Capture cap;
        Team_Wert(f.id, 0, f.min + 1, TEAM_SCHREIBEN);
        EXPECT_TRUE(cap.texts.empty());
        EXPECT_EQ(Team_Wert(f.id, 0, 0, TEAM_LESEN), f.min + 1);
    }

    Fehler_Capture cap;
    // Read-only and non-scalar fields refuse writes and leave the record alone.
    for (int32_t id : {151, 163, 164, 198}) EXPECT_EQ(Team_Wert(id, 0, 5, TEAM_SCHREIBEN), -1);
    EXPECT_TRUE(cap.contains("Team_Wert: Liga nicht beschreibbar!"));
    EXPECT_TRUE(cap.contains("TEAM_STADION_STEHPLAETZE: Write nicht erlaubt!"));
    for (int32_t id : {150, 153, 165, 166, 172, 176, 190, 193, 196, 199, 312})
        EXPECT_EQ(Team_Wert(id, 0, 0, TEAM_LESEN), -1) << id;
    EXPECT_TRUE(cap.contains("Team_Wert: Falscher Parameter!"));
    EXPECT_EQ(Team_Wert(158, 0, 0, TEAM_READ_PROZENT), -1);
    EXPECT_TRUE(cap.contains("READ_PROZENT nicht erlaubt!n"));
    EXPECT_EQ(Team_Wert(158, 6, 0, 0), -1);
    EXPECT_TRUE(cap.contains("Fehler: Aufruf von Team_Wert mit teamnr = 6 !"));
}

TEST_F(TeamTest, BitFieldsStrengthAndPlayerCount)
{
    T[0].status = 0x11;
    Team_Wert(TEAM_STATUS, 0, 8, TEAM_SETZEN);
    EXPECT_EQ(Team_Wert(TEAM_STATUS, 0, 0, 0), 0x19);
    Team_Wert(TEAM_STATUS, 0, 8, TEAM_LOESCHEN);
    EXPECT_EQ(Team_Wert(TEAM_STATUS, 0, 0, 0), 0x11);
    Team_Wert(TEAM_STATUS, 0, 8, TEAM_TOGGLE);
    EXPECT_EQ(Team_Wert(TEAM_STATUS, 0, 0, 0), 0x19);
    {
        Fehler_Capture cap;
        Team_Wert(TEAM_STATUS, 0, 0, TEAM_SCHREIBEN);
        Team_Wert(TEAM_FLAGS, 0, 0, TEAM_SCHREIBEN);
        Team_Wert(TEAM_NETZ, 0, 0, TEAM_SCHREIBEN);
        EXPECT_TRUE(cap.contains("Team_Wert: WRITE bei Status!"));
        EXPECT_TRUE(cap.contains("Team_Wert: WRITE bei Flags!"));
        EXPECT_TRUE(cap.contains("Team_Wert: WRITE bei NETZ!"));
        EXPECT_EQ(T[0].status, 0x19);
    }
    Team_Wert(TEAM_NETZ, 0, 0x80, TEAM_SETZEN);
    EXPECT_EQ(Team_Wert(TEAM_NETZ, 0, 0, 0), -128);

    T_Own[0].staerke[0] = 990;
    T_Own[0].staerke[1] = 500;
    T_Own[0].staerke[2] = 600;
    T_Own[0].staerke[3] = 700;
    EXPECT_EQ(Team_Wert(TEAM_STAERKE, 0, 0, 0), 592);

    // The count follows the links: no write of any kind changes it, not even for the market.
    Fehler_Capture cap;
    EXPECT_EQ(Team_Wert(TEAM_SPIELERANZAHL, 0, 60, TEAM_SCHREIBEN), -1);
    EXPECT_EQ(Team_Wert(TEAM_SPIELERANZAHL, Transfermarkt_Team, 60, TEAM_SCHREIBEN), -1);
    EXPECT_EQ(Team_Wert(TEAM_SPIELERANZAHL, 0, 0, 0), 0);
    EXPECT_EQ(T[Transfermarkt_Team].spieleranzahl, 0);

    // The pseudo-teams serve only a few fields, without range check.
    EXPECT_EQ(Team_Wert(TEAM_MORAL, Jugend_Team, 0, 0), -1);
    EXPECT_TRUE(cap.contains("Transfermarkt-/Jugend-Team"));
    Team_Wert(TEAM_GRAFIK_NR, Transfermarkt_Team, 40000, TEAM_SCHREIBEN);
    EXPECT_EQ(Team_Wert(TEAM_GRAFIK_NR, Transfermarkt_Team, 0, 0), static_cast<int16_t>(40000));
}

// Status and flags are combined with values within a byte: a club's value beyond it is reported
// and held at the byte's ends, a pseudo team's taken as it comes.
TEST_F(TeamTest, BitFieldValuesKeepTheirRange)
{
    for (const int32_t feld : {TEAM_STATUS, TEAM_FLAGS}) {
        SCOPED_TRACE(feld);
        uint8_t& club = feld == TEAM_STATUS ? T[0].status : T[0].flags;
        uint8_t& markt = feld == TEAM_STATUS ? T[Transfermarkt_Team].status : T[Transfermarkt_Team].flags;
        club = 0x21;
        {
            Fehler_Capture cap;
            Team_Wert(feld, 0, 0x102, TEAM_SETZEN);
            EXPECT_TRUE(cap.contains("Team_Wert: Wert nicht innerhalb der Grenzen"));
            EXPECT_EQ(club, 0xFF);
        }
        {
            Fehler_Capture cap;
            Team_Wert(feld, 0, -1, TEAM_LOESCHEN);
            EXPECT_TRUE(cap.contains("Team_Wert: Wert nicht innerhalb der Grenzen"));
            EXPECT_EQ(club, 0xFF);
            Team_Wert(feld, 0, 0x0F, TEAM_TOGGLE);
            EXPECT_EQ(Team_Wert(feld, 0, 0, TEAM_LESEN), 0xF0);
            EXPECT_EQ(cap.texts.size(), 1u);
        }
        Fehler_Capture cap;
        markt = 0x01;
        Team_Wert(feld, Transfermarkt_Team, 0x108, TEAM_SETZEN);
        EXPECT_EQ(markt, 0x09);
        Team_Wert(feld, Transfermarkt_Team, -2, TEAM_LOESCHEN);
        EXPECT_EQ(Team_Wert(feld, Transfermarkt_Team, 0, TEAM_LESEN), 0x01);
        EXPECT_TRUE(cap.texts.empty());
    }
}

TEST_F(TeamTest, ManagerFieldsGoToTheManagerRecord)
{
    Fehler_Capture cap;
    for (int32_t id = 300; id <= 311; ++id) {
        Team_Wert(id, 0, 1, TEAM_SCHREIBEN);
        Team_Wert(id, 0, 0, TEAM_LESEN);
    }
    // they reach the manager accessor, not the team's range check or field table
    EXPECT_TRUE(cap.contains("Aufruf von Manager_Wert mit m=NULL !"));
    EXPECT_FALSE(cap.contains("Team_Wert: Falscher Parameter!"));
    EXPECT_FALSE(cap.contains("Team_Wert: Wert nicht innerhalb der Grenzen"));
    Team_Zeiger(304, 0, nullptr, 0);
    EXPECT_TRUE(cap.contains("Aufruf von Manager_Zeiger mit m=NULL !"));
    EXPECT_STREQ(Team_String(305, 0, nullptr, 0), "Computer-Manager");
}

TEST_F(TeamTest, ClientRules)
{
    Netz_Rolle = 1;
    Aktuelles_Team = 1;
    Fehler_Capture cap;
    EXPECT_EQ(Team_Wert(TEAM_MORAL, 0, 0, 0), 0);
    EXPECT_TRUE(cap.contains("Team_Wert: WRONG CLIENT-TEAM!"));
    EXPECT_EQ(Team_Wert(TEAM_MORAL, 1, 50, TEAM_SCHREIBEN), 0);
    EXPECT_TRUE(cap.contains("Team_Wert: CLIENT-WRITE!"));
    EXPECT_EQ(T_Own[1].moral, 0);
    Team_Wert(TEAM_OPTION, 1, 70, TEAM_SCHREIBEN);
    EXPECT_EQ(T_Own[1].option, 70);
    Team_Wert(TEAM_NETZ, 0, 4, TEAM_SETZEN);
    EXPECT_EQ(T_Fix[0].netz, 4);
    EXPECT_EQ(Team_Zeiger(TEAM_TRAINING, 0, nullptr, 0), nullptr);
    EXPECT_TRUE(cap.contains("Team_Zeiger: WRONG CLIENT-TEAM!"));
    uint8_t farben[36] = {1};
    EXPECT_EQ(Team_Zeiger(TEAM_FARBEN, 1, farben, 1), nullptr);
    EXPECT_TRUE(cap.contains("Team_Zeiger: WRITE verboten!"));
    EXPECT_EQ(T_Fix[1].farben[0][0], 0);
    EXPECT_EQ(Team_String(TEAM_NAME, 1, "Neu", 1), nullptr);
    EXPECT_STREQ(Team_String(TEAM_NAME_ROH, 0, nullptr, 0), "Team 0");
}

TEST_F(TeamTest, PointersAndTexts)
{
    uint8_t training[14];
    std::memset(training, 7, sizeof training);
    EXPECT_EQ(Team_Zeiger(TEAM_TRAINING, 2, training, 1), nullptr);
    EXPECT_EQ(T_Own[2].training[13], 7);
    uint8_t aus[14] = {};
    Team_Zeiger(TEAM_TRAINING, 2, aus, 2);
    EXPECT_EQ(aus[0], 7);
    EXPECT_EQ(Team_Zeiger(TEAM_BEOBACHTET, 2, nullptr, 0), T_Own[2].beobachtet);
    {
        Fehler_Capture cap;
        EXPECT_EQ(Team_Zeiger(TEAM_TRAINING, 2, nullptr, 1), nullptr);
        EXPECT_TRUE(cap.contains("Team_Zeiger: Write && Zeiger=NULL!!!"));
        EXPECT_EQ(Team_Zeiger(815, 2, nullptr, 0), nullptr);
        EXPECT_TRUE(cap.contains("Team_Zeiger: Falscher Parameter!"));
    }

    Team_String(TEAM_NAME, 2, "Eintracht Oberhausenstadt 1899", 1);
    EXPECT_STREQ(Team_String(TEAM_NAME_ROH, 2, nullptr, 0), "Eintracht Oberhausensta");
    Team_String(TEAM_KURZNAME, 2, "Oberhausenstadt", 1);
    EXPECT_STREQ(Team_String(TEAM_KURZNAME_ROH, 2, nullptr, 0), "Oberhause");
    Aktuelles_Team = 2;
    EXPECT_STREQ(Team_String(TEAM_NAME, 2, nullptr, 0), "^bb^ubEintracht Oberhausensta^be^ue");
    EXPECT_STREQ(Team_String(TEAM_NAME, 3, nullptr, 0), "Team 3");
    T_Fix[3].nation = 4;
    EXPECT_STREQ(Team_String(TEAM_NAME_WAPPEN_LAND, 3, nullptr, 0), "^gll0003Team 3^gll0004");
    Fehler_Capture cap;
    EXPECT_EQ(Team_String(TEAM_NAME_LAND, 3, "x", 1), nullptr);
    EXPECT_TRUE(cap.contains("Team_String(TEAM_NAME_LAND..): Write verboten!"));
    EXPECT_STREQ(Team_String(TEAM_NAME, 7, nullptr, 0), "Team_String_Error");
    EXPECT_EQ(Team_Liste(4, 0), nullptr);
    EXPECT_TRUE(cap.contains("Team_Liste: Falscher Parameter!"));
}

TEST_F(TeamTest, KindsAndNations)
{
    T[3].status = TEAM_STATUS_LAND;
    T[2].status = TEAM_STATUS_LAND | TEAM_STATUS_NATIONALTEAM;
    T_Fix[0].nation = T_Fix[1].nation = 3;
    T_Fix[1].liga = -1;
    T_Fix[0].liga = 2;
    EXPECT_EQ(Team_Get_Art(Transfermarkt_Team), 1);
    EXPECT_EQ(Team_Get_Art(Jugend_Team), 2);
    EXPECT_EQ(Team_Get_Art(3), 32);
    EXPECT_TRUE(Team_Ist_Normal(0, 0));
    EXPECT_FALSE(Team_Ist_Normal(1, 0));  // no league
    EXPECT_TRUE(Team_Ist_Normal(1, 64));
    EXPECT_FALSE(Team_Ist_Normal(0, 16));
    EXPECT_TRUE(Team_Ist_Normal(Transfermarkt_Team, 1));
    EXPECT_TRUE(Team_Ist_Normal(3, 32));
    EXPECT_TRUE(Team_Ist_Landteam(3));
    EXPECT_FALSE(Team_Ist_Landteam(2));
    int32_t feld[8];
    EXPECT_EQ(Team_Get_Teams_Der_Nation(3, feld), 2);
    EXPECT_EQ(Team_Get_Erstes_Team_Der_Nation(3), 0);
    EXPECT_EQ(Team_Get_Landteams(feld), 2);
    EXPECT_EQ(Team_Get_Teams_Mit_Flag(feld, true), 1);
    EXPECT_EQ(feld[0], 2);
    EXPECT_FALSE(Team_Filter_Pruefen(Jugend_Team, 16));
    EXPECT_TRUE(Team_Filter_Pruefen(0, 8));
    EXPECT_FALSE(Team_Filter_Pruefen(0, 4));
    EXPECT_FALSE(Team_Hat_Manager(0));
}

TEST_F(TeamTest, FreeCrestNumber)
{
    for (int32_t t = 0; t < 6; ++t) T_Fix[t].grafik_nr = static_cast<int16_t>(t);
    EXPECT_EQ(Team_Get_Free_Grafik_Nummer(), 6);
    T_Fix[2].grafik_nr = 500;
    Fehler_Capture cap;
    EXPECT_EQ(Team_Get_Free_Grafik_Nummer(), 2);
    EXPECT_TRUE(cap.contains("Team_Get_Free_Grafik_Nummer: falsche Grafik-Nr.!"));
}

TEST_F(TeamTest, ByteImagesKeepSizesAndOffsets)
{
    T[1].status = 3;
    T[1].system_2 = -1;
    std::strcpy(T[1].manager_name, "Grabowski");
    T[1].spieleranzahl = 23;
    uint8_t t[TEAM_STRUKTUR_BYTES];
    Team_Struktur_Packen(T[1], t);
    EXPECT_EQ(TEAM_STRUKTUR_BYTES, 26u);
    EXPECT_EQ(t[3], 0xFF);
    EXPECT_EQ(t[4], 'G');
    EXPECT_EQ(t[24], 23);
    Team_Struktur ts{};
    Team_Struktur_Entpacken(t, ts);
    EXPECT_STREQ(ts.manager_name, "Grabowski");
    EXPECT_EQ(ts.spieleranzahl, 23);

    std::strcpy(T_Fix[1].name, "SV Tannfeld");
    T_Fix[1].liga = -1;
    T_Fix[1].nation = 300;
    T_Fix[1].farben[11][2] = 0xAB;
    T_Fix[1].manager = reinterpret_cast<Manager_Struktur*>(&ts);
    uint8_t f[TEAM_FIX_BYTES];
    Team_Fix_Packen(T_Fix[1], f);
    T_Fix[1].manager = nullptr;
    EXPECT_EQ(TEAM_FIX_BYTES, 128u);
    for (int i = 0; i < 24; ++i) EXPECT_EQ(f[i], 0) << "no pointer on disk";
    EXPECT_EQ(f[25], 'S');
    EXPECT_EQ(f[77], 0xFF);
    EXPECT_EQ(f[82] | (f[83] << 8), 300);
    EXPECT_EQ(f[121], 0xAB);
    EXPECT_EQ(f[124], 1);
    Team_Fix fx{};
    bool hat = false;
    Team_Fix_Entpacken(f, fx, &hat);
    EXPECT_TRUE(hat);
    EXPECT_EQ(fx.manager, nullptr);
    EXPECT_STREQ(fx.name, "SV Tannfeld");

    Team_Own& o = T_Own[1];
    o.option = 50;
    o.einzeltraining[16][2] = 1234;
    o.suche.zelle_b[3] = 237;
    o.suche.aktiv[0] = 1;
    o.beobachtet[29] = 4321;
    o.tagesblock[7] = -5;
    o.staerke[3] = 777;
    o.intelligenz = 61;
    o.nummer = 1;
    uint8_t ob[TEAM_OWN_BYTES];
    Team_Own_Packen(o, ob);
    EXPECT_EQ(TEAM_OWN_BYTES, 776u);
    EXPECT_EQ(ob[118] | (ob[119] << 8), 1234);
    EXPECT_EQ(ob[234 + 46] | (ob[234 + 47] << 8), 237);
    EXPECT_EQ(ob[234 + 68], 1);
    EXPECT_EQ(ob[448] | (ob[449] << 8), 4321);
    EXPECT_EQ(ob[480], 0xFB);
    EXPECT_EQ(ob[756] | (ob[757] << 8), 777);
    EXPECT_EQ(ob[768], 61);
    EXPECT_EQ(ob[772], 1);
    Team_Own o2{};
    Team_Own_Entpacken(ob, o2);
    uint8_t ob2[TEAM_OWN_BYTES];
    Team_Own_Packen(o2, ob2);
    EXPECT_EQ(std::memcmp(ob, ob2, sizeof ob), 0);
}

}  // namespace
