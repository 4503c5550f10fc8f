// Value fields: the rocker steps, the input-field menu, and the automatic mode.
#include <string>

#include "gameflow/globals.h"
#include "platform/os/os.h"
#include "platform/os/os_intern.h"
#include "toolkit/dienste.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/optionen.h"
#include "toolkit/ziehen.h"
#include "umgebung.h"

namespace {

class Eingabefeld : public Toolkit_Test {
protected:
    uint32_t wert = 500;
    Menue_Wert_Beschreibung d{};
    Menue_Icon* feld = nullptr;
    void SetUp() override
    {
        Toolkit_Test::SetUp();
        d.wert_u32 = &wert;
        d.minimum = 0;
        d.maximum = 1000;
        d.schritt = 2;
        d.vorgabe = 300;
        feld = flaeche(1500, 100, 100, 200, 20, 5);
        feld->flags |= ICON_WERTFELD;
        feld->daten = &d;
        Menue_Screen_Icon_Hinzufuegen(feld);
    }
};

TEST_F(Eingabefeld, RockerStepsGrowTowardsTheEdges)
{
    maus(200, 110);  // the centre: one step
    Menue_Wippe_Standard(feld, 0x02);
    EXPECT_EQ(wert, 502u);
    EXPECT_EQ(feld->refresh, 2);
    maus(150, 110);  // half-way out: ten steps
    Menue_Wippe_Standard(feld, 0x01);
    EXPECT_EQ(wert, 482u);
    maus(299, 110);  // at the edge: a hundred steps
    Menue_Wippe_Standard(feld, 0x02);
    EXPECT_EQ(wert, 682u);
    Menue_Wippe_Standard(feld, 0x02);
    Menue_Wippe_Standard(feld, 0x02);
    EXPECT_EQ(wert, 1000u);
    Menue_Wippe_Standard(feld, 0x02);
    EXPECT_EQ(feld->refresh, 0);

    Fehler_Capture cap;
    feld->daten = nullptr;
    Menue_Wippe_Standard(feld, 0x02);
    EXPECT_EQ(cap.texts.size(), 1u);
}

TEST_F(Eingabefeld, MenuOffersRoundValuesAndSetsThem)
{
    Menue_Kontextmenue* m = Menue_Eingabefeld_Kontextmenue(feld);
    ASSERT_NE(m, nullptr);
    EXPECT_STREQ(m->titel, "Eingabefeld ändern:");
    const int32_t werte[4] = {200, 400, 600, 800};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(std::string(m->texte[3 + i]), "Setzen auf " + std::to_string(werte[i]));
        EXPECT_EQ(m->wert_a[3 + i], werte[i]);
    }
    EXPECT_EQ(m->texte[7], nullptr);
    m->prozeduren[5](5, m->wert_c[5], m->wert_a[5], m->wert_b[5]);
    EXPECT_EQ(wert, 600u);
    m->prozeduren[0](0, m->wert_c[0], m->wert_a[0], m->wert_b[0]);
    EXPECT_EQ(wert, 300u);
    EXPECT_EQ(feld->refresh, 6);

    d.schritt = 1;
    m = Menue_Eingabefeld_Kontextmenue(feld);
    EXPECT_EQ(m->texte[3], nullptr);
}

TEST_F(Eingabefeld, AutomaticModeSetsBothBytes)
{
    Globale_Optionen_Vorbelegen();
    EXPECT_EQ(Globale_Optionen(OPTION_ELFMETER), 1);
    EXPECT_EQ(Menue_Automatik_Setzen(1), 1);
    EXPECT_EQ(Menue_Automatik_Aktiv(0), 1);
    EXPECT_EQ(Menue_Automatik_Aktiv(1), 1);
    EXPECT_EQ(Globale_Optionen(OPTION_ELFMETER), 0);
    EXPECT_EQ(Menue_Automatik_Setzen(0), 0);
    EXPECT_EQ(Menue_Automatik_Aktiv(1), 0);
    Globale_Optionen_Vorbelegen();
}

}  // namespace
