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
    // A savegame file of the given areas.
    bool schreiben(const char* name, const std::string& version, const Disk_Bereiche& bereiche)
    {
        const std::vector<uint8_t> bild = Disk_Spielstand_Bauen(version.c_str(), bereiche);
        FILE* f = std::fopen(datei(name).c_str(), "wb");
        if (!f) return false;
        const bool ok = std::fwrite(bild.data(), 1, bild.size(), f) == bild.size();
        return std::fclose(f) == 0 && ok;
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
        ASSERT_TRUE(schreiben("kaputt", version, kaputt));
        Fehler_Capture cap;
        EXPECT_FALSE(Disk_Spielstand_Laden("kaputt")) << feld;
        EXPECT_EQ(Disk_Spielstand_Abbild(), bild) << feld;
    }
}

// The block keeps the role that wrote it: a client's file is refused by a single game or server
// and a full game's file by a client, each with a message for the player and the game kept; a
// file from before the role was kept still loads.
TEST_F(Ablauf_Block, ALoadAcrossTheNetworkRolesIsRefusedWithAMessage)
{
    Aktueller_Tag = 400;
    Netz_Rolle = 1;
    ASSERT_TRUE(Disk_Spielstand_Speichern("client"));
    Netz_Rolle = 0;
    ASSERT_TRUE(Disk_Spielstand_Speichern("einzel"));
    Aktueller_Tag = 10;
    const std::vector<uint8_t> bild = Disk_Spielstand_Abbild();
    auto laden = [&](const char* name, uint32_t rolle, const char* meldung) {
        Netz_Rolle = rolle;
        Fehler_Capture cap;
        testing::internal::CaptureStderr();
        const bool ok = Disk_Spielstand_Laden(name);
        const std::string aus = testing::internal::GetCapturedStderr();
        if (meldung) {
            EXPECT_FALSE(ok) << name << " " << rolle;
            EXPECT_NE(aus.find(meldung), std::string::npos) << aus;
            EXPECT_EQ(Aktueller_Tag, 10);
        } else {
            EXPECT_TRUE(ok) << name << " " << rolle;
        }
        Netz_Rolle = 0;
    };
    laden("client", 0, "kann nur von einem Client geladen werden");
    laden("client", 2, "kann nur von einem Client geladen werden");
    laden("einzel", 1, "von einem Client eines Netzwerkspiels nicht geladen werden");
    EXPECT_EQ(Disk_Spielstand_Abbild(), bild);
    laden("einzel", 3, nullptr);
    EXPECT_EQ(Aktueller_Tag, 400);

    // the older block without the role; and a role that does not exist
    std::string version;
    Disk_Bereiche bereiche;
    ASSERT_TRUE(Disk_Spielstand_Zerlegen(bild.data(), bild.size(), &version, &bereiche));
    std::vector<uint8_t>& block = bereiche[DISK_POS_ABLAUF - 1][0];
    const size_t rolle = 16 + 2 * MANAGER_WAPPEN_ANZAHL + 20;
    ASSERT_EQ(block.size(), rolle + 4);
    for (const bool alt : {true, false}) {
        Disk_Bereiche b = bereiche;
        if (alt) b[DISK_POS_ABLAUF - 1][0].resize(rolle);
        else Disk_LE32_Setzen(b[DISK_POS_ABLAUF - 1][0].data() + rolle, 4);
        ASSERT_TRUE(schreiben("rolle", version, b));
        Fehler_Capture cap;
        EXPECT_EQ(Disk_Spielstand_Laden("rolle"), alt);
    }
}

}  // namespace
