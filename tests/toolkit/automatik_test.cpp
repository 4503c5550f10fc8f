// The automatic mode takes back the choices of the club's own manager only; an options sub-list
// that does not exist is reported.
#include "competitions/wettbewerb_welt.h"
#include "database/manager.h"
#include "gameflow/globals.h"
#include "toolkit/dienste.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/optionen.h"
#include "umgebung.h"

namespace {

class Automatik : public Toolkit_Test {
protected:
    Manager_Struktur* m = nullptr;
    void SetUp() override
    {
        Toolkit_Test::SetUp();
        ASSERT_TRUE(testwelt::laden());
        m = vereine_anlegen(4, 2);
        Globale_Optionen_Vorbelegen();
        m->optionen[0] = 0x05, m->optionen[1] = 0x02, m->optionen[2] = 3;
        m->einstellungen[1] = Manager_Einstellung{1, {2, 1, 4}};
        m->einstellungen[6] = Manager_Einstellung{1, {1, 0, 0}};
        for (int32_t id : {1, 10, 20})
            for (int32_t art = 1; art <= 3; ++art) Wettbewerb_Set_Schalter(id, art, 1);
    }
    void TearDown() override
    {
        Menue_Automatik_Setzen(0);
        Globale_Optionen_Vorbelegen();
        Wettbewerb_Free();
        Toolkit_Test::TearDown();
    }
    int32_t schalter_an() const
    {
        int32_t n = 0;
        for (int32_t id : {1, 10, 20})
            for (int32_t art = 1; art <= 3; ++art) n += Wettbewerb_Get_Schalter(id, art) != 0;
        return n;
    }
};

TEST_F(Automatik, AnotherClubLeavesTheManagersChoicesAlone)
{
    Aktuelles_Team = 1;  // no manager
    Fehler_Capture f;
    EXPECT_EQ(Menue_Automatik_Setzen(1), 1);
    EXPECT_EQ(Globale_Optionen(OPTION_ELFMETER), 0) << "the game's own option goes in any case";
    EXPECT_EQ(schalter_an(), 9);
    EXPECT_EQ(m->optionen[0], 0x05);
    EXPECT_EQ(m->optionen[2], 3);
    EXPECT_EQ(m->einstellungen[1].belegt, 1);
    EXPECT_TRUE(f.texts.empty());
}

TEST_F(Automatik, TheOwnClubsSettingsStoredSettingsAndSwitchesAreReset)
{
    Fehler_Capture f;
    EXPECT_EQ(Menue_Automatik_Setzen(1), 1);
    EXPECT_EQ(schalter_an(), 0);
    EXPECT_EQ(m->optionen[0], 0);
    EXPECT_EQ(m->optionen[1], 0);
    EXPECT_EQ(m->optionen[2], 0);
    for (const Manager_Einstellung& e : m->einstellungen) {
        EXPECT_EQ(e.belegt, 0);
        EXPECT_EQ(e.optionen[0], 0);
    }
    EXPECT_TRUE(f.texts.empty()) << "competitions that do not exist are not asked: " << f.texts.front();
    EXPECT_EQ(Manager_Einstellungen_Zuruecksetzen(m), 0) << "nothing left to reset";
    EXPECT_EQ(Manager_Einstellungen_Zuruecksetzen(nullptr), 0);
}

}  // namespace

TEST_F(Automatik, AnOptionsSubListThatDoesNotExistIsReportedAndEmpty)
{
    Fehler_Capture f;
    for (int32_t item : {0, 13, 99}) {
        f.texts.clear();
        Menue_Kontextmenue* k = Menue_Optionen_Kontext_Untermenue_Erzeugen(nullptr, item);
        ASSERT_NE(k, nullptr);
        EXPECT_EQ(k->texte[0], nullptr) << item;
        ASSERT_EQ(f.texts.size(), 1u) << item;
        EXPECT_EQ(f.texts[0], "Menue_Optionen_Kontext_Untermenue_Erzeugen: falsches flag!");
    }
    f.texts.clear();
    Menue_Optionen_Kontext_Untermenue_Erzeugen(nullptr, 10);
    EXPECT_TRUE(f.texts.empty());
}
