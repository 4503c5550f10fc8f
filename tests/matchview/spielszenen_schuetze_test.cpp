// The taker panel: which set piece it is for, who is listed and how, when it opens, and what a
// choice leaves behind.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "gameflow/globals.h"
#include "graphics/grafik_farbe.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
#include "network/signal_welt.h"
#include "platform/maus.h"
#include "platform/os/os_intern.h"
#include "platform/win95.h"

namespace {

// Away side on the pitch: slots 16-26 hold players 500-510; 17 sent off, 18 yellow-red, 19 injured.
class Schuetze : public ::testing::Test {
protected:
    std::unique_ptr<Spielfeld_Record> r = std::make_unique<Spielfeld_Record>();
    Spielfeld_Steuerung_Block st{};
    Spielszenen_Fenster f{};
    uint32_t rolle = 0;
    void SetUp() override
    {
        rolle = Netz_Rolle;
        Netz_Rolle = 0;
        for (Spielfeld_Spieler& s : r->spieler) s.spnr = -1;
        for (int32_t i = 0; i < 11; ++i) {
            r->spieler[16 + i].spnr = 500 + i;
            r->spieler[16 + i].zustand = SPIELFELD_AUF_DEM_PLATZ;
        }
        r->spieler[17].zustand = SPIELFELD_ROT;
        r->spieler[18].zustand |= SPIELFELD_GELB_ROT;
        r->spieler[19].zustand |= 64;
        r->standard_seite = 1;
        f.record = r.get();
        f.seite = 1;
        f.breite = 640;
        f.hoehe = 400;
        Spielszenen_Maus_Genommen_Vorher = 0;
        Spielszenen_Schuetze_X = Spielszenen_Schuetze_Y = 100;
    }
    void TearDown() override
    {
        Netz_Rolle = rolle;
        Os_Input_Set_Mouse(0, 0);
    }
    int32_t klick_auf_zeile(int32_t k)
    {
        return Spielszenen_Schuetze_Waehlen_Bei(nullptr, &f, &st, 0, Spielszenen_Schuetze_X + 20,
                                                Spielszenen_Schuetze_Y + 24 + 12 * k + 5, 1);
    }
};

TEST_F(Schuetze, APenaltyComesBeforeACornerAndTheSentOffAreNotListed)
{
    r->elfmeter_offen = r->ecke_offen = 1;
    EXPECT_EQ(Spielszenen_Standard_Art(r.get()), 0);
    r->freistoss_offen = 1;
    EXPECT_EQ(Spielszenen_Standard_Art(r.get()), 1);
    int32_t slots[16];
    const int32_t n = Spielszenen_Schuetzen_Zeilen(r.get(), 1, slots);
    ASSERT_EQ(n, 10);
    for (int32_t k = 0; k < n; ++k) EXPECT_NE(slots[k], 17);
    EXPECT_EQ(Spielszenen_Schuetze_Farbe(r.get(), 18, 0, false), Grafik_Farbe(8, 8, 8));
    EXPECT_EQ(Spielszenen_Schuetze_Farbe(r.get(), 19, 0, false), Grafik_Farbe(8, 8, 8));
    EXPECT_EQ(Spielszenen_Schuetze_Farbe(r.get(), 19, 0, true), Grafik_Farbe(12, 0, 0));
    r->elfmeter_schuetze[1] = 503;
    EXPECT_EQ(Spielszenen_Schuetze_Farbe(r.get(), 19, 0, false), Grafik_Farbe(8, 8, 8));
    EXPECT_EQ(Spielszenen_Schuetze_Farbe(r.get(), 20, 0, false), Grafik_Farbe(14, 14, 14));
    r->elfmeter_schuetze[1] = 504;
    EXPECT_EQ(Spielszenen_Schuetze_Farbe(r.get(), 20, 0, false), Grafik_Farbe(12, 12, 0));
}

// The title names the club and the taker asked for and ends inside the panel, whatever the
// club's name: a long one takes the smaller font and is cut.
TEST_F(Schuetze, TheTitleEndsInsideThePanel)
{
    static std::vector<std::string> titel;
    Spielszenen_Set_Text_Hook([](int32_t, int32_t, const char* t) {
        if (std::strstr(t, " wählen")) titel.emplace_back(t);
    });
    signal_welt::Vereine vereine(3);
    std::snprintf(vereine.fix[1].name, sizeof vereine.fix[1].name, "%s", "WWWWWWWWWWWWWWWWWWWWWWW");
    std::snprintf(vereine.fix[2].name, sizeof vereine.fix[2].name, "%s", "FC Ost");
    r->ecke_offen = 1;
    for (uint32_t team : {1u, 2u}) {
        r->team[1] = team;
        Spielszenen_Schuetze_Waehlen_Bei(nullptr, &f, &st, 0, 0, 0, 0);
    }
    Spielszenen_Set_Text_Hook(nullptr);
    ASSERT_EQ(titel.size(), 2u);
    const std::string lang = titel[0].substr(titel[0].find('W'));
    char puffer[128];
    EXPECT_LE(Spielszenen_Text_Kuerzen(puffer, sizeof puffer, lang.c_str(), 9, 1 << 20), 292 - 50 - 6) << lang;
    EXPECT_NE(lang.find("WWW, Eckstossschütze wählen"), std::string::npos) << lang;
    EXPECT_NE(titel[1].find("FC Ost, Eckstossschütze wählen"), std::string::npos) << titel[1];
    titel.clear();
}

TEST_F(Schuetze, AChoiceStoresTheTakerAndLetsTheMatchGoOn)
{
    r->elfmeter_offen = r->ecke_offen = 1;
    st.pause = 1;
    f.standard_offen = 1;
    // the yellow-red player is grey but can be chosen (second row)
    EXPECT_EQ(klick_auf_zeile(1), 18);
    EXPECT_EQ(r->elfmeter_schuetze[1], 502u);
    EXPECT_EQ(r->ecken_schuetze[1], 0u);
    EXPECT_EQ(st.pause, 0);
    EXPECT_EQ(f.standard_offen, 0);
    EXPECT_EQ(r->elfmeter_offen + r->ecke_offen + r->freistoss_offen, 0);
    EXPECT_EQ(klick_auf_zeile(1), -1);  // nothing pending: no panel
}

TEST_F(Schuetze, WithoutTheOptionTheSinglePCOpensAfterTheRelease)
{
    r->ecke_offen = 1;
    Os_Input_Set_Mouse(300, 200);
    Os_Input_Set_Buttons(false, false);
    while (Maus_Get_Tasten()) {
    }
    Spielszenen_Standard_Pruefen(&f, &st, 0);
    EXPECT_EQ(f.standard_offen, 0);
    EXPECT_EQ(Spielszenen_Zeiger_Form, 10);
    // a click that has ended by the poll: the wait sees it released and the panel opens
    Os_Input_Set_Buttons(true, false);
    Os_Input_Set_Buttons(false, false);
    Spielszenen_Standard_Pruefen(&f, &st, 0);
    EXPECT_EQ(f.standard_offen, 1);
    EXPECT_EQ(st.pause, 1);
    EXPECT_EQ(st.standard, 1);
    // the other side's set piece, or a replay, opens nothing; with the option it opens at once
    Spielszenen_Fenster g = f;
    g.standard_offen = 0;
    g.seite = 0;
    Spielszenen_Standard_Pruefen(&g, &st, 0);
    EXPECT_EQ(g.standard_offen, 0);
    g.seite = 1;
    Spielszenen_Standard_Pruefen(&g, &st, 1);
    EXPECT_EQ(g.standard_offen, 0);
    st.schuetze_waehlen[2] = 1;
    Spielszenen_Standard_Pruefen(&g, &st, 0);
    EXPECT_EQ(g.standard_offen, 1);
    // a button held while the program quits ends the wait
    st.schuetze_waehlen[2] = 0;
    g.standard_offen = 0;
    Os_Input_Set_Buttons(true, false);
    Programm_Ende = 1;
    Spielszenen_Standard_Pruefen(&g, &st, 0);
    Programm_Ende = 0;
    Os_Input_Set_Buttons(false, false);
    EXPECT_EQ(g.standard_offen, 1);
}

// The program runs a lone game as a server with its own manager and nobody logged in: that PC is
// the single PC, and its manager's set pieces wait for no panel unless he asks for it. A client
// (or a server with a participant) opens it at once.
TEST_F(Schuetze, ALoneServerIsTheSinglePCAndAClientOpensAtOnce)
{
    r->ecke_offen = 1;
    Os_Input_Set_Mouse(300, 200);
    Os_Input_Set_Buttons(false, false);
    while (Maus_Get_Tasten()) {
    }
    Netz_Rolle = 3;
    Spielszenen_Standard_Pruefen(&f, &st, 0);
    EXPECT_EQ(f.standard_offen, 0);
    EXPECT_EQ(st.pause, 0);
    EXPECT_EQ(Spielszenen_Zeiger_Form, 10);
    st.schuetze_waehlen[2] = 1;
    Spielszenen_Standard_Pruefen(&f, &st, 0);
    EXPECT_EQ(f.standard_offen, 1);
    st.schuetze_waehlen[2] = 0;
    f.standard_offen = 0;
    st.pause = 0;
    Netz_Rolle = 1;
    Spielszenen_Standard_Pruefen(&f, &st, 0);
    EXPECT_EQ(f.standard_offen, 1);
    EXPECT_EQ(st.pause, 1);
}

// Nobody chooses: after its waiting time the panel closes by itself, the pause lifted and the
// set piece left to the taker stored before; a panel left open once nothing of the side is
// pending (the engine went on) closes at once.
TEST_F(Schuetze, APanelNobodyAnswersClosesByItselfAndHoldsNoMatch)
{
    r->elfmeter_offen = 1;
    r->elfmeter_schuetze[1] = 505;
    st.schuetze_waehlen[1] = 1;
    const uint32_t t = 123456;
    Spielszenen_Standard_Pruefen_Um(&f, &st, 0, t);
    ASSERT_EQ(f.standard_offen, 1);
    Spielszenen_Standard_Pruefen_Um(&f, &st, 0, t + SPIELSZENEN_SCHUETZE_WARTEN_MS - 1);
    EXPECT_EQ(f.standard_offen, 1);
    EXPECT_EQ(st.pause, 1);
    Spielszenen_Standard_Pruefen_Um(&f, &st, 0, t + SPIELSZENEN_SCHUETZE_WARTEN_MS);
    EXPECT_EQ(f.standard_offen, 0);
    EXPECT_EQ(st.pause, 0);
    EXPECT_EQ(r->elfmeter_offen, 0);
    EXPECT_EQ(r->elfmeter_schuetze[1], 505u);
    // the next one opens again; the engine clears it meanwhile
    r->ecke_offen = 1;
    st.schuetze_waehlen[2] = 1;
    Spielszenen_Standard_Pruefen_Um(&f, &st, 0, t + 20000);
    ASSERT_EQ(f.standard_offen, 1);
    r->ecke_offen = 0;
    Spielszenen_Standard_Pruefen_Um(&f, &st, 0, t + 20001);
    EXPECT_EQ(f.standard_offen, 0);
    EXPECT_EQ(st.pause, 0);
}

}  // namespace
