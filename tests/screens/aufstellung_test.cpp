// The line-up screen's model: the grid and its screen points, the drops, exchanges, marking, rooms,
// trial players, individual training and the locks.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "common/capture.h"
#include "platform/bytes.h"
#include "database/assistent.h"
#include "database/spieler.h"
#include "screens/screens_hilfe.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_kontext.h"
#include "screens/spieler_taktik.h"
#include "screens/spieler_training.h"

using namespace screens_test;

namespace {

using Raster = Welt;
using Regeln = Welt;

void assistent_fuer(int32_t team, int32_t aufgabe)
{
    auto* b = static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, team, nullptr, 0));
    b[2] = 1;
    b[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * 2 + aufgabe] = 1;
}

TEST_F(Raster, ScreenPointsAndCellsMeetAtThePitchEdgesAndBothClubsFigures)
{
    int32_t x = 226 + 201, y = 300;
    Spieler_Interne_Pos_Aus_Screenpos(&x, &y);
    EXPECT_EQ(x, 16);
    x = 300;
    y = 120;
    Spieler_Interne_Pos_Aus_Screenpos(&x, &y);
    EXPECT_EQ(y, 26);
    {
        Fehler_Capture c;
        Spieler_Interne_Pos_Aus_Screenpos(nullptr, &y);
        EXPECT_TRUE(c.contains("Adr=null"));
    }
    Spieler_Einsetzen_Raster_Zu_Screen(1, 21, 13, EIGEN, 5, &x, &y);
    EXPECT_EQ(x, 380);
    EXPECT_EQ(y, 189);
    Spieler_Einsetzen_Raster_Zu_Screen(1, 5, 3, GEGNER, 35, &x, &y);
    EXPECT_EQ(x, 385);
    EXPECT_EQ(y, 189);
    Spieler_Einsetzen_Raster_Zu_Screen(1, 0, 0, GEGNER, 30, &x, &y);
    EXPECT_EQ(y, 117);  // the other goalkeeper in the far goal

    elf(10);
    platzieren(GEGNER, 35, 5, 3);
    // each figure is found where it is placed, the other club's too
    for (int32_t p = 2; p < 12; ++p) {
        int32_t bank = 0;
        Spieler_Einsetzen_Figur_Platzieren(zelle(EIGEN, p), EIGEN, p, &bank, &x, &y);
        EXPECT_EQ(Spieler_Einsetzen_Figur_An_Punkt(EIGEN, x, y), p) << p;
    }
    Spieler_Einsetzen_Figur_Platzieren(zelle(GEGNER, 35), GEGNER, 35, nullptr, &x, &y);
    EXPECT_EQ(Spieler_Einsetzen_Figur_An_Punkt(GEGNER, x, y), 35);
    EXPECT_EQ(Spieler_Einsetzen_Figur_An_Punkt(EIGEN, 294, 431), 0);
    EXPECT_EQ(Spieler_Einsetzen_Figur_An_Punkt(EIGEN, 356, 449), 0);
    EXPECT_NE(Spieler_Einsetzen_Figur_An_Punkt(EIGEN, 293, 440), 0);
    // bench figures stand one under the other
    Spieler_Auf_Ersatzbank_Setzen(EIGEN, 14, false);
    Spieler_Auf_Ersatzbank_Setzen(EIGEN, 15, false);
    int32_t bank = 0, y2 = 0;
    Spieler_Einsetzen_Figur_Platzieren(0, EIGEN, 14, &bank, &x, &y);
    Spieler_Einsetzen_Figur_Platzieren(0, EIGEN, 15, &bank, &x, &y2);
    EXPECT_EQ(x, 206);
    EXPECT_EQ(y2 - y, 22);
}

TEST_F(Regeln, TheElevenTheBenchAndTheGoalkeeperHaveTheirLimits)
{
    elf(9);  // ten players with the goalkeeper
    EXPECT_FALSE(Spieler_In_Aufstellung_Setzen(EIGEN, 1, true));
    EXPECT_TRUE(gemeldet("Es ist bereits ein Torwart eingesetzt !"));
    EXPECT_FALSE(flags(EIGEN, 1) & TS_STARTELF);
    EXPECT_TRUE(Spieler_In_Aufstellung_Setzen(EIGEN, 11, true));
    EXPECT_FALSE(Spieler_In_Aufstellung_Setzen(EIGEN, 12, true));
    EXPECT_TRUE(gemeldet("Sie dürfen nur maximal 11 Spieler einsetzen !"));
    EXPECT_FALSE(flags(EIGEN, 12) & TS_STARTELF);
    for (int32_t p = 12; p < 17; ++p) EXPECT_TRUE(Spieler_Auf_Ersatzbank_Setzen(EIGEN, p, true));
    EXPECT_FALSE(Spieler_Auf_Ersatzbank_Setzen(EIGEN, 17, true));
    EXPECT_TRUE(gemeldet("Sie dürfen nur maximal 5 Spieler auf die Ersatzbank setzen !"));
    // on the bench and on the pitch never both; an injured player stays out
    EXPECT_TRUE(Spieler_Auf_Ersatzbank_Setzen(EIGEN, 12, true));
    EXPECT_EQ(flags(EIGEN, 12) & (TS_STARTELF | TS_ERSATZ), uint32_t(TS_ERSATZ));
    Spieler_Aus_Aufstellung_Nehmen(EIGEN, 11);
    Teamspieler_Wert(317, EIGEN, 18, 0x80, 8);
    EXPECT_FALSE(Spieler_In_Aufstellung_Setzen(EIGEN, 18, true));
    EXPECT_TRUE(Spieler_In_Aufstellung_Setzen(EIGEN, 12, true));
    EXPECT_EQ(flags(EIGEN, 12) & (TS_STARTELF | TS_ERSATZ), uint32_t(TS_STARTELF));
}

TEST_F(Regeln, DropsLandOnTheBenchInTheGoalOnThePitchOrOutside)
{
    EXPECT_FALSE(Spieler_Einsetzen_Drop(EIGEN, 1, 300, 250));
    EXPECT_TRUE(gemeldet("Ein TORwart gehört - wie der Name schon sagt - ins TOR."));
    EXPECT_FALSE(flags(EIGEN, 1) & TS_STARTELF);
    EXPECT_TRUE(Spieler_Einsetzen_Drop(EIGEN, 1, 320, 440));
    EXPECT_TRUE(flags(EIGEN, 1) & TS_STARTELF);

    int32_t s = 330, z = 250;
    Spieler_Interne_Pos_Aus_Screenpos(&s, &z);
    EXPECT_TRUE(Spieler_Einsetzen_Drop(EIGEN, 12, 330, 250));
    EXPECT_TRUE(flags(EIGEN, 12) & TS_STARTELF);
    EXPECT_EQ(zelle(EIGEN, 12), z * 17 + s);
    EXPECT_FALSE(Spieler_Raum_Ist_Ungueltig(EIGEN, 12));

    EXPECT_TRUE(Spieler_Einsetzen_Drop(EIGEN, 12, 205, 350));
    EXPECT_EQ(flags(EIGEN, 12) & (TS_STARTELF | TS_ERSATZ), uint32_t(TS_ERSATZ));
    EXPECT_TRUE(Spieler_Einsetzen_Drop(EIGEN, 12, 600, 300));
    EXPECT_FALSE(flags(EIGEN, 12) & (TS_STARTELF | TS_ERSATZ));

    // a hand change leaves the applied stored line-up
    Team_Wert(170, EIGEN, 3, 1);
    EXPECT_TRUE(Spieler_Einsetzen_Drop(EIGEN, 13, 205, 350));
    EXPECT_EQ(Team_Wert(170, EIGEN, 0, 0), -1);
}

TEST_F(Regeln, AnExchangeSwapsPlacesRoomsMarkingAndInstructions)
{
    elf(10);
    Spieler_Auf_Ersatzbank_Setzen(EIGEN, 12, false);
    Teamspieler_Wert(329, EIGEN, 2, 111, 1);
    Teamspieler_Wert(329, EIGEN, 12, 222, 1);
    Teamspieler_Wert(316, EIGEN, 2, 31, 1);
    const int32_t zellen[5] = {zelle(EIGEN, 2), zelle(EIGEN, 2, 311), zelle(EIGEN, 2, 312), zelle(EIGEN, 2, 313),
                               zelle(EIGEN, 2, 314)};
    Manager_Icon_Word_Data_Schreiben(EIGEN, SE_RAUM_SPIELER, 2);
    ASSERT_TRUE(Spieler_Einsetzen_Tauschen(2, 12));
    EXPECT_EQ(flags(EIGEN, 12) & 0x30, uint32_t(TS_STARTELF));
    EXPECT_EQ(flags(EIGEN, 2) & 0x30, uint32_t(TS_ERSATZ));
    for (int32_t i = 0; i < 5; ++i) EXPECT_EQ(zelle(EIGEN, 12, 310 + i), zellen[i]);
    EXPECT_EQ(Teamspieler_Wert(316, EIGEN, 12, 0, 0), 31);
    EXPECT_EQ(Teamspieler_Wert(316, EIGEN, 2, 0, 0), -1);
    EXPECT_EQ(Teamspieler_Wert(329, EIGEN, 12, 0, 0), 111);
    EXPECT_EQ(Teamspieler_Wert(329, EIGEN, 2, 0, 0), 222);
    EXPECT_EQ(int16_t(Manager_Icon_Word_Data_Lesen(EIGEN, SE_RAUM_SPIELER)), 12);

    EXPECT_FALSE(Spieler_Einsetzen_Tauschen(0, 3));
    EXPECT_TRUE(gemeldet("Sie können keinen Feldspieler gegen einen Torwart austauschen !"));
    EXPECT_TRUE(Spieler_Einsetzen_Tauschen(0, 1));
    EXPECT_TRUE(flags(EIGEN, 1) & TS_STARTELF);
    Teamspieler_Wert(317, EIGEN, 13, 0x100, 8);
    EXPECT_FALSE(Spieler_Einsetzen_Tauschen(3, 13));
    EXPECT_TRUE(gemeldet("Verletzte oder gesperrte Spieler können Sie nicht einsetzen !"));
    EXPECT_TRUE(flags(EIGEN, 3) & TS_STARTELF);
}

TEST_F(Regeln, RoomsKeepTheirSizeAtTheLinesAndStaySymmetric)
{
    elf(10);  // player 2 at (3, 2) with the room (2..4, 1..3)
    ASSERT_TRUE(Spieler_Einsetzen_Raum_Verschieben(2, -10, -10));
    EXPECT_EQ(zelle(EIGEN, 2), 1 * 17 + 1);
    EXPECT_EQ(zelle(EIGEN, 2, 311), 0);
    EXPECT_EQ(zelle(EIGEN, 2, 312), 2 * 17 + 2);
    // onto another player's centre: nothing moves
    Teamspieler_Wert(310, EIGEN, 4, 3 * 17 + 2, 1);
    const int32_t vorher = zelle(EIGEN, 3);
    EXPECT_FALSE(Spieler_Einsetzen_Raum_Verschieben(3, -2, 0));
    EXPECT_EQ(zelle(EIGEN, 3), vorher);

    // player 5 at (9, 2): the high corner dragged out makes the room symmetric about the centre
    ASSERT_TRUE(Spieler_Einsetzen_Raum_Griff(5, 1, 12, 4));
    EXPECT_EQ(zelle(EIGEN, 5, 311), 6 * 17 + 0);
    EXPECT_EQ(zelle(EIGEN, 5, 312), 12 * 17 + 4);
    // a corner that would push its twin off the grid, or lies on the wrong side, is refused
    EXPECT_FALSE(Spieler_Einsetzen_Raum_Griff(5, 1, 12, 5));
    EXPECT_FALSE(Spieler_Einsetzen_Raum_Griff(5, 0, 10, 1));
    EXPECT_EQ(zelle(EIGEN, 5, 312), 12 * 17 + 4);
    // the defensive position stays below the centre row and inside the room
    ASSERT_TRUE(Spieler_Einsetzen_Raum_Griff(5, 4, 20, 16));
    EXPECT_EQ(zelle(EIGEN, 5, 313), 8 * 17 + 4);
    ASSERT_TRUE(Spieler_Einsetzen_Raum_Griff(5, 5, 0, 0));
    EXPECT_EQ(zelle(EIGEN, 5, 314), 10 * 17 + 0);
}

TEST_F(Regeln, MarkingWritesThePairOrStandsOnTheMirroredCell)
{
    elf(10);
    platzieren(GEGNER, 31, 10, 5);
    platzieren(GEGNER, 32, 12, 7);
    Teamspieler_Wert(317, GEGNER, 30, TS_STARTELF, 8);
    ASSERT_TRUE(Spieler_Einsetzen_Manndeckung(2, 31));
    EXPECT_EQ(Teamspieler_Wert(316, EIGEN, 2, 0, 0), 31);
    EXPECT_EQ(Teamspieler_Wert(309, GEGNER, 31, 0, 0), 2);
    // beside the shown opponent he stands, and is found, on the mirrored cell of his man
    const int32_t gespiegelt = (26 - 10) * 17 + (16 - 5);
    EXPECT_EQ(Spieler_Einsetzen_Gezeigte_Zelle(EIGEN, 2), gespiegelt);
    int32_t fx = 0, fy = 0;
    Spieler_Einsetzen_Figur_Platzieren(gespiegelt, EIGEN, 2, nullptr, &fx, &fy);
    EXPECT_EQ(Spieler_Einsetzen_Figur_An_Punkt(EIGEN, fx, fy), 2);
    Manager_Icon_Word_Data_Schreiben(EIGEN, SE_RAUM_SPIELER, 5);
    EXPECT_EQ(Spieler_Einsetzen_Gezeigte_Zelle(EIGEN, 2), zelle(EIGEN, 2));  // not while a room is edited
    Manager_Icon_Word_Data_Schreiben(EIGEN, SE_RAUM_SPIELER, 0xFFFF);

    EXPECT_FALSE(Spieler_Einsetzen_Manndeckung(0, 31));
    EXPECT_TRUE(gemeldet("Torwärter kann man nicht in Manndeckung nehmen"));
    EXPECT_FALSE(Spieler_Einsetzen_Manndeckung(3, 30));
    EXPECT_FALSE(Spieler_Einsetzen_Manndeckung(15, 31));
    EXPECT_TRUE(gemeldet("Der Manndecker ist nicht im Team !"));

    Gegner_Team = -1;  // shown, but nobody to play today
    ASSERT_TRUE(Spieler_Einsetzen_Manndeckung(3, 32));
    EXPECT_EQ(zelle(EIGEN, 3), (26 - 12) * 17 + (16 - 7));
    EXPECT_EQ(Teamspieler_Wert(316, EIGEN, 3, 0, 0), -1);
}

TEST_F(Regeln, TrialPlayersJoinOnceAndLeaveAsTheyCame)
{
    ASSERT_TRUE(Spieler_Probespieler_Aufnehmen(ANDERE, 50));
    EXPECT_TRUE(flags(EIGEN, 50) & TS_PROBE);
    EXPECT_EQ(Teamspieler_Wert(318, EIGEN, 50, 0, 0), ANDERE);
    EXPECT_TRUE(gemeldet("Sie können nun ausprobieren"));
    meldungen.clear();
    EXPECT_FALSE(Spieler_Probespieler_Aufnehmen(ANDERE, 50));
    EXPECT_TRUE(gemeldet("ist schon probeweise ins eigene Team genommen worden."));
    meldungen.clear();
    EXPECT_FALSE(Spieler_Probespieler_Aufnehmen(EIGEN, 50));
    EXPECT_TRUE(meldungen.empty());

    Spieler_Beobachtet_Hinzufuegen(EIGEN, 50);
    Spieler_Wert(SP_ANGEBOTSZAEHLER, 50, 7, 1);
    Spieler_Probespieler_Entfernen(50, true);
    EXPECT_EQ(Teamspieler_Ist_Im_Team(EIGEN, 50), -1);
    EXPECT_GE(Teamspieler_Ist_Im_Team(ANDERE, 50), 0);
    EXPECT_TRUE(Spieler_Ist_Beobachtet(EIGEN, 50));
    EXPECT_EQ(Spieler_Wert(SP_ANGEBOTSZAEHLER, 50, 0, 0), 7);
    EXPECT_TRUE(gemeldet("wurde wieder aus dem Team entfernt."));

    // a foreign player dropped on the pitch comes on trial and plays
    ASSERT_TRUE(Spieler_Einsetzen_Drop(ANDERE, 51, 330, 250));
    EXPECT_EQ(flags(EIGEN, 51) & (TS_PROBE | TS_STARTELF), uint32_t(TS_PROBE | TS_STARTELF));
    // with a line-up assistant the notice says so
    assistent_fuer(EIGEN, 0);
    ASSERT_TRUE(Spieler_Probespieler_Aufnehmen(ANDERE, 52));
    EXPECT_TRUE(gemeldet("vom Assistenten für die Aufstellung voll berücksichtigt"));
}

TEST_F(Regeln, IndividualTrainingTakesOwnPlayersOnceAndThreePerKind)
{
    Spieler_Probespieler_Aufnehmen(ANDERE, 50);
    EXPECT_FALSE(Spieler_Einsetzen_Einzeltraining_Setzen(ANDERE, 51, 0));
    EXPECT_TRUE(gemeldet("Sie dürfen keinen Spieler aus anderen Vereinen trainieren!"));
    EXPECT_FALSE(Spieler_Einsetzen_Einzeltraining_Setzen(EIGEN, 50, 0));
    EXPECT_TRUE(gemeldet("Sie dürfen keinen testweise eingesetzten Spieler trainieren!"));
    EXPECT_TRUE(Spieler_Einsetzen_Einzeltraining_Setzen(EIGEN, 2, 0));
    EXPECT_FALSE(Spieler_Einsetzen_Einzeltraining_Setzen(EIGEN, 2, 5));
    EXPECT_TRUE(gemeldet("Spieler2 trainiert bereits Kraft !"));
    EXPECT_TRUE(Spieler_Einsetzen_Einzeltraining_Setzen(EIGEN, 3, 0));
    EXPECT_TRUE(Spieler_Einsetzen_Einzeltraining_Setzen(EIGEN, 4, 0));
    EXPECT_FALSE(Spieler_Einsetzen_Einzeltraining_Setzen(EIGEN, 5, 0));
    EXPECT_TRUE(gemeldet("Sie können maximal DREI Spielern ein Einzeltraining pro Bereich verpassen."));
    EXPECT_EQ(Spieler_Training_Zaehle_Einzeltraining(EIGEN, 1), 3);
    EXPECT_EQ(Spieler_Training_Get_Einzeltraining_Platz(EIGEN, 4), 0);
    EXPECT_EQ(Spieler_Training_Get_Einzeltraining_Platz(EIGEN, 5), -1);
    EXPECT_TRUE(Spieler_Einsetzen_Einzeltraining_Setzen(EIGEN, 0, 14));
    EXPECT_EQ(Spieler_Training_Zaehle_Einzeltraining(EIGEN, 0), 1);
}

TEST_F(Regeln, ModesAssistantAndShortLineUpsBlockWhatTheyShould)
{
    Spieler_Screen_Hinweis_Gezeigt = 0;
    elf(9);
    Manager_Aufstellungssatz* satz = static_cast<Manager_Aufstellungssatz*>(Team_Zeiger(301, EIGEN, nullptr, 0));
    const Manager_Aufstellungssatz vorher = *satz;
    EXPECT_FALSE(Spieler_Einsetzen_Aufstellung_Speichern(0));
    EXPECT_TRUE(gemeldet("Sie haben nur 10 Spieler eingesetzt.^lBitte stellen Sie 11 Spieler auf"));
    EXPECT_EQ(std::memcmp(&vorher, satz, sizeof vorher), 0);

    meldungen.clear();
    Spieler_Einsetzen_Modus_Klick(SE_DEFENSIV);
    EXPECT_EQ(meldungen.size(), 2u);
    Spieler_Einsetzen_Modus_Klick(SE_OFFENSIV);
    EXPECT_EQ(meldungen.size(), 2u);  // the notices come once
    EXPECT_TRUE(Manager_Icon_Button_Lesen(EIGEN, SE_OFFENSIV));
    EXPECT_FALSE(Manager_Icon_Button_Lesen(EIGEN, SE_DEFENSIV));
    EXPECT_FALSE(Spieler_Einsetzen_Drop(EIGEN, 12, 205, 350));
    EXPECT_TRUE(gemeldet("Solange der DEFENSIV- oder OFFENSIV-Modus aktiviert ist"));
    EXPECT_FALSE(flags(EIGEN, 12) & TS_ERSATZ);
    Spieler_Einsetzen_Modus_Klick(SE_OFFENSIV);

    assistent_fuer(EIGEN, 0);
    meldungen.clear();
    EXPECT_FALSE(Spieler_Einsetzen_Drop(EIGEN, 12, 205, 350));
    EXPECT_TRUE(meldungen.empty());
    antworten = {1};
    Spieler_Einsetzen_Spielfeld_Klick(330, 250);
    EXPECT_TRUE(gemeldet("kümmert sich um die Aufstellung Ihrer Mannschaft."));
    EXPECT_EQ(Assistent_Mit_Aufgabe(EIGEN, 0), -1);
    EXPECT_TRUE(Spieler_Einsetzen_Drop(EIGEN, 12, 205, 350));
}

TEST_F(Regeln, PitchClicksChooseTheRoomToEdit)
{
    elf(10);
    int32_t x = 0, y = 0;
    Spieler_Einsetzen_Figur_Platzieren(zelle(EIGEN, 4), EIGEN, 4, nullptr, &x, &y);
    Spieler_Einsetzen_Spielfeld_Klick(x, y);
    EXPECT_EQ(int16_t(Manager_Icon_Word_Data_Lesen(EIGEN, SE_RAUM_SPIELER)), 4);
    Spieler_Einsetzen_Spielfeld_Klick(x, y);
    EXPECT_EQ(int16_t(Manager_Icon_Word_Data_Lesen(EIGEN, SE_RAUM_SPIELER)), -1);
    // a free spot picks the nearest figure
    Spieler_Einsetzen_Spielfeld_Klick(x + 3, y - 3);
    EXPECT_EQ(int16_t(Manager_Icon_Word_Data_Lesen(EIGEN, SE_RAUM_SPIELER)), 4);
    Spieler_Einsetzen_Spielfeld_Klick(x + 3, y - 3);
    EXPECT_EQ(int16_t(Manager_Icon_Word_Data_Lesen(EIGEN, SE_RAUM_SPIELER)), -1);
    Spieler_Einsetzen_Spielfeld_Klick(320, 440);
    EXPECT_TRUE(gemeldet("Für den Torwart läßt sich kein Raum definieren!"));
    // the edit ends when its player leaves the pitch
    Spieler_Einsetzen_Spielfeld_Klick(x, y);
    EXPECT_TRUE(Spieler_Einsetzen_Drop(EIGEN, 4, 600, 300));
    EXPECT_EQ(int16_t(Manager_Icon_Word_Data_Lesen(EIGEN, SE_RAUM_SPIELER)), -1);
}

}  // namespace

namespace {

using FremdeAufstellung = Welt;

// A client's send-back of the own line-up, changed by `aendern`, is taken whole or not at all.
TEST_F(FremdeAufstellung, ASendBackThatBreaksTheLineUpRulesIsRefusedWhole)
{
    elf(10);
    platzieren(GEGNER, 31, 10, 5);
    Teamspieler_Wert(317, EIGEN, 14, TS_ERSATZ, 8);
    std::vector<uint8_t> eigene, fremde;
    ASSERT_TRUE(Teamspieler_Internet_Aufstellung_Packen(EIGEN, GEGNER, &eigene, &fremde));
    auto eintrag = [&](int32_t spnr) -> uint8_t* {
        for (size_t o = 0; o < eigene.size(); o += 24)
            if (Bytes_Hole16(&eigene[o + 4]) == spnr) return &eigene[o];
        return nullptr;
    };
    auto senden = [&](const std::vector<uint8_t>& b) {
        return Teamspieler_Internet_Server_Get_Data_Back(EIGEN, GEGNER, b.data(), uint32_t(b.size()), nullptr, 0);
    };
    const std::vector<uint8_t> gut = eigene;
    Bytes_Setze16(eintrag(3) + 20, 4321);  // an instruction word: a change the rules allow
    Bytes_Setze16(eintrag(4) + 6, 31);     // marking the opponent's player
    EXPECT_TRUE(senden(eigene));
    EXPECT_EQ(Teamspieler_Wert(329, EIGEN, 3, 0, 0), 4321);
    EXPECT_EQ(Teamspieler_Wert(316, EIGEN, 4, 0, 0), 31);

    auto pruefen = [&](const char* was, auto aendern) {
        eigene = gut;
        aendern();
        const uint32_t vorher = flags(EIGEN, 12);
        EXPECT_FALSE(senden(eigene)) << was;
        EXPECT_EQ(flags(EIGEN, 12), vorher) << was;
    };
    pruefen("zwölf", [&] { Bytes_Setze32(eintrag(12), TS_STARTELF); });
    pruefen("zwei Torhüter", [&] {
        Bytes_Setze32(eintrag(1), TS_STARTELF);
        Bytes_Setze32(eintrag(11), 0);
    });
    pruefen("beides", [&] { Bytes_Setze32(eintrag(12), TS_STARTELF | TS_ERSATZ); });
    pruefen("sechs auf der Bank", [&] {
        for (int32_t p = 12; p < 18; ++p) Bytes_Setze32(eintrag(p), TS_ERSATZ);
    });
    pruefen("verletzt", [&] {
        Bytes_Setze32(eintrag(11), 0);
        Bytes_Setze32(eintrag(12), TS_STARTELF | 0x100);
    });
    pruefen("Zelle", [&] { Bytes_Setze16(eintrag(12) + 8, 470); });
    pruefen("fremder Gedeckter", [&] { Bytes_Setze16(eintrag(4) + 6, 55); });
    pruefen("Torwart deckt", [&] { Bytes_Setze16(eintrag(0) + 6, 31); });
    pruefen("gegnerischer Torwart gedeckt", [&] { Bytes_Setze16(eintrag(4) + 6, 30); });
}

}  // namespace
