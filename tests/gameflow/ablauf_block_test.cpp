// The game flow's own savegame block: day, state, set-up values and the schedule.
#include <gtest/gtest.h>

#include "common/capture.h"
#include "gameflow/ablauf.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/spielstand_ordner.h"
#include "platform/disk.h"

namespace {

class Ablauf_Block : public Spielstand_Ordner {
protected:
    void SetUp() override
    {
        Spielstand_Ordner::SetUp();
        Ablauf_Init(0);
        Kalender_Spielplan_Leeren();
    }
    void TearDown() override
    {
        Ablauf_DeInit();
        Globals_Reset();
        Server_Team = -1;
        Eingang_Get_Einstellungen().dauerkarten = 1;
        Spielstand_Ordner::TearDown();
    }
};

TEST_F(Ablauf_Block, RoundTripsAndRefusesOutOfRangeValues)
{
    Aktueller_Tag = 400;
    Ablauf_Zustand = 5;   // saved during a match day, resumed after the load
    Ablauf_Set_Menue_Modus(3);
    Schwierigkeitsstufe = 4;
    Server_Team = 12;
    Eingang_Get_Einstellungen().dauerkarten = 0;
    Manager_Wappen[3] = MANAGER_WAPPEN_USER | 7;
    ASSERT_TRUE(Kalender_Spieltag_Einfuegen(9, 2, 402));
    const std::vector<uint8_t> bild = Disk_Spielstand_Abbild();
    ASSERT_TRUE(Disk_Spielstand_Speichern("block"));

    Globals_Reset();
    Ablauf_Set_Menue_Modus(1);
    Server_Team = -1;
    Eingang_Get_Einstellungen().dauerkarten = 1;
    Kalender_Spielplan_Leeren();
    ASSERT_TRUE(Disk_Spielstand_Laden("block"));
    EXPECT_EQ(Aktueller_Tag, 400);
    EXPECT_EQ(Ablauf_Zustand, 5);
    EXPECT_EQ(Ablauf_Get_Menue_Modus(), 3);
    EXPECT_EQ(Schwierigkeitsstufe, 4u);
    EXPECT_EQ(Server_Team, 12);
    EXPECT_EQ(Eingang_Get_Dauerkarten_Option(), 0);
    EXPECT_EQ(Manager_Wappen[3], MANAGER_WAPPEN_USER | 7);
    EXPECT_EQ(Kalender_Get_Spieltag_Nummer(402, 9), 2);
    EXPECT_EQ(Disk_Spielstand_Abbild(), bild);

    // A day beyond the hundredth season, a season count that does not match the day, a bad menu
    // mode: each refused, the running game kept.
    std::string version;
    Disk_Bereiche bereiche;
    ASSERT_TRUE(Disk_Spielstand_Zerlegen(bild.data(), bild.size(), &version, &bereiche));
    const size_t z = 16 + 2 * MANAGER_WAPPEN_ANZAHL;
    const std::pair<size_t, uint32_t> fehler[] = {
        {0, uint32_t(KALENDER_TAG_MAX)}, {z, 5}, {z + 4, 7}, {z + 8, 5}, {z + 16, 5000}};
    for (const auto& [feld, wert] : fehler) {
        Disk_Bereiche kaputt = bereiche;
        Disk_LE32_Setzen(kaputt[DISK_POS_ABLAUF - 1][0].data() + feld, wert);
        const std::vector<uint8_t> datei = Disk_Spielstand_Bauen(version.c_str(), kaputt);
        FILE* f = std::fopen(this->datei("kaputt").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(datei.data(), 1, datei.size(), f);
        std::fclose(f);
        Fehler_Capture cap;
        EXPECT_FALSE(Disk_Spielstand_Laden("kaputt")) << feld;
        EXPECT_EQ(Disk_Spielstand_Abbild(), bild) << feld;
    }
}

}  // namespace
