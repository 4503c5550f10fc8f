// The transfer search: which players match the slots and switches, the scope rule, the room
// corners, the captions and the search block's image.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "database/richter.h"
#include "database/spieler.h"
#include "screens/screens_hilfe.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_suche.h"

using namespace screens_test;

namespace {

struct Suche : Welt {
    Transfer_Suchblock& block() { return T_Own[EIGEN].suche; }
    // slot k looks for anyone of 16..42, strength 1..999 in the cells a..b (or a goalkeeper)
    void slot(int32_t k, int32_t a, int32_t b, bool torwart = false)
    {
        Transfer_Suchblock& s = block();
        s.alter_min[k] = 16;
        s.alter_max[k] = 42;
        s.staerke_min[k] = 1;
        s.staerke_max[k] = 999;
        s.zelle_a[k] = int16_t(a);
        s.zelle_b[k] = int16_t(b);
        s.torwart[k] = torwart;
        s.aktiv[k] = 1;
    }
    void knopf(int32_t icon, bool an) { Manager_Icon_Button_An_Aus(EIGEN, icon, an); }
    bool an(int32_t icon) { return Manager_Icon_Button_Lesen(EIGEN, icon) != 0; }
};

TEST_F(Suche, SlotsMatchByRoomAgeStrengthAndGoal)
{
    Spieler_Wert(SP_ALTER, 50, 45, 1);
    Spieler_Wert(SP_LIEBLINGSPOS, 51, 20 * 17 + 14, 1);
    torwart(52);
    EXPECT_FALSE(Spieler_Suche_Passt(ANDERE, 50));  // no active slot
    Spieler_Beobachtet_Hinzufuegen(EIGEN, 50);
    knopf(1360, true);
    EXPECT_TRUE(Spieler_Suche_Passt(ANDERE, 50));
    EXPECT_FALSE(Spieler_Suche_Passt(ANDERE, 53));
    knopf(1360, false);

    slot(0, 0, 458);
    EXPECT_TRUE(Spieler_Suche_Passt(ANDERE, 50));  // 42 means no upper age
    block().alter_max[0] = 41;
    EXPECT_FALSE(Spieler_Suche_Passt(ANDERE, 50));
    EXPECT_FALSE(Spieler_Suche_Passt(ANDERE, 52));  // a room never finds a goalkeeper
    slot(0, 5 * 17 + 5, 10 * 17 + 10);
    EXPECT_TRUE(Spieler_Suche_Passt(ANDERE, 53));   // (8, 8) lies inside
    EXPECT_FALSE(Spieler_Suche_Passt(ANDERE, 51));  // (20, 14) does not
    slot(1, 0, 0, true);
    EXPECT_TRUE(Spieler_Suche_Passt(ANDERE, 52));
    block().aktiv[0] = 0;
    EXPECT_FALSE(Spieler_Suche_Passt(ANDERE, 53));  // a goalkeeper slot never finds a field player
    block().staerke_min[1] = 600;
    EXPECT_FALSE(Spieler_Suche_Passt(ANDERE, 52));

    // values from a savegame or a client are bounded where compared
    slot(2, -500, 30000);
    block().alter_min[2] = -7;
    block().staerke_max[2] = 32000;
    EXPECT_TRUE(Spieler_Suche_Passt(ANDERE, 51));
}

TEST_F(Suche, SwitchesNarrowTheSearchAndTheContractSparesTheMarket)
{
    slot(0, 0, 458);
    aufnehmen(Transfermarkt_Team, 100);
    Teamspieler_Wert(305, ANDERE, 53, 20, 1);
    Teamspieler_Wert(305, ANDERE, 54, 4, 1);
    Teamspieler_Wert(305, Transfermarkt_Team, 100, 30, 1);
    knopf(1355, true);
    EXPECT_STREQ(Spieler_Suche_Monate_Text(), "(<  6 Monate)");
    EXPECT_FALSE(Spieler_Suche_Passt(ANDERE, 53));
    EXPECT_TRUE(Spieler_Suche_Passt(ANDERE, 54));
    EXPECT_TRUE(Spieler_Suche_Passt(Transfermarkt_Team, 100));
    Spieler_Suche_Vertrag_Setzen(5);
    EXPECT_STREQ(Spieler_Suche_Monate_Text(), "(< 15 Monate)");
    knopf(1355, false);

    Spieler_Suche_Schalten(1357);
    EXPECT_FALSE(Spieler_Suche_Passt(ANDERE, 53));
    Teamspieler_Wert(317, ANDERE, 53, TS_TRANSFERLISTE, 8);
    EXPECT_TRUE(Spieler_Suche_Passt(ANDERE, 53));
    Spieler_Suche_Schalten(1360);  // one of the group at a time
    EXPECT_FALSE(an(1357));
    EXPECT_TRUE(an(1360));
}

TEST_F(Suche, OneScopeStaysAndTheMarketJoinsEither)
{
    EXPECT_TRUE(an(1353));
    EXPECT_STREQ(Spieler_Suche_Bereich_Text(), "Nur TM");
    Spieler_Suche_Schalten(1353);  // the only scope comes back on
    EXPECT_TRUE(an(1353));
    Spieler_Suche_Verein_Setzen(ANDERE);
    EXPECT_STREQ(Spieler_Suche_Bereich_Text(), "Team 3+TM");
    Spieler_Suche_Liga_Setzen(-1);
    EXPECT_FALSE(an(1352));
    EXPECT_TRUE(an(1353));
    EXPECT_STREQ(Spieler_Suche_Bereich_Text(), "Alle Ligen+TM");
    Spieler_Suche_Schalten(1353);
    EXPECT_STREQ(Spieler_Suche_Bereich_Text(), "Alle Ligen");
    Spieler_Suche_Schalten(1352);  // the club switches the league off
    EXPECT_FALSE(an(1354));
    EXPECT_STREQ(Spieler_Suche_Bereich_Text(), "Team 3");

    std::vector<uint8_t> teams(static_cast<size_t>(Team_Anzahl), 0);
    EXPECT_EQ(Spieler_Einsetzen_Get_Teamliste(2, teams.data()), 1);
    EXPECT_TRUE(teams[ANDERE]);
    Spieler_Suche_Liga_Setzen(-1);
    EXPECT_EQ(Spieler_Einsetzen_Get_Teamliste(2, teams.data()), Team_Anzahl - 1);  // all but the market
    EXPECT_FALSE(teams[size_t(Transfermarkt_Team)]);
}

TEST_F(Suche, CornersKeepSixRowsFiveColumnsAndTheGrid)
{
    slot(0, 5 * 17 + 5, 15 * 17 + 10);
    auto raum = [&](int32_t& lz, int32_t& ls, int32_t& hz, int32_t& hs) {
        lz = block().zelle_a[0] / 17;
        ls = block().zelle_a[0] % 17;
        hz = block().zelle_b[0] / 17;
        hs = block().zelle_b[0] % 17;
    };
    int32_t lz, ls, hz, hs;
    // the left-bottom corner dragged far up: the room keeps six rows below the top
    Spieler_Suche_Ecke_Ziehen(0, 2, 204 + 8, 178 - 4);
    raum(lz, ls, hz, hs);
    EXPECT_EQ(hz - lz, 5);
    EXPECT_EQ(hz, 15);
    EXPECT_GE(lz, 0);
    // dragged far past every edge
    for (int32_t ecke = 0; ecke < 4; ++ecke)
        for (auto [x, y] : {std::pair{-500, -500}, std::pair{900, 900}, std::pair{900, -500}, std::pair{-500, 900}}) {
            Spieler_Suche_Ecke_Ziehen(0, ecke, x, y);
            raum(lz, ls, hz, hs);
            EXPECT_GE(lz, 0);
            EXPECT_LE(hz, 26);
            EXPECT_GE(ls, 0);
            EXPECT_LE(hs, 16);
            EXPECT_GE(hz - lz, 5);
            EXPECT_GE(hs - ls, 4);
        }
    // a goalkeeper slot's room does not move
    block().torwart[0] = 1;
    const int16_t a = block().zelle_a[0];
    Spieler_Suche_Ecke_Ziehen(0, 0, 250, 250);
    EXPECT_EQ(block().zelle_a[0], a);

    EXPECT_EQ(Spieler_Suche_Slot_Aus_Icon(1388), 0);
    EXPECT_EQ(Spieler_Suche_Slot_Aus_Icon(1434), 2);
    EXPECT_EQ(Spieler_Suche_Slot_Aus_Icon(1479), 3);
    EXPECT_EQ(Spieler_Suche_Slot_Aus_Icon(1480), -1);
    Spieler_Suche_Schalten(1406 + 23);
    EXPECT_EQ(block().aktiv[1], 1);
    EXPECT_TRUE(Spieler_Suche_Regler_Setzen(2, 0, 0, 115));  // slot 1 searches: the list is rebuilt
    EXPECT_EQ(block().alter_max[2], 42);
    EXPECT_EQ(block().alter_min[2], 16);
    Spieler_Suche_Regler_Setzen(2, 1, 0, 115);
    EXPECT_EQ(block().staerke_max[2], 999);
    EXPECT_EQ(block().staerke_min[2], 1);
    for (auto& a : block().aktiv) a = 0;
    EXPECT_FALSE(Spieler_Suche_Regler_Setzen(2, 1, 50, 60));
    EXPECT_GT(block().staerke_max[2], block().staerke_min[2]);
}

TEST(Suchblock, TheImageHasItsOffsetsAndKeepsTheRest)
{
    Transfer_Suchblock s{};
    for (int32_t k = 0; k < 4; ++k) {
        s.alter_min[k] = int16_t(16 + k);
        s.alter_max[k] = int16_t(30 + k);
        s.staerke_min[k] = int16_t(100 + k);
        s.staerke_max[k] = int16_t(900 + k);
        s.zelle_a[k] = int16_t(k);
        s.zelle_b[k] = int16_t(458 - k);
        s.spieler[k] = int16_t(k ? 1000 + k : -1);
        s.preis[k] = uint16_t(0xBEEF + k);
        s.torwart[k] = uint8_t(k == 2);
        s.aktiv[k] = uint8_t(k != 3);
    }
    for (int32_t i = 0; i < 84; ++i) s.rest[i] = uint8_t(i * 7 + 3);
    uint8_t bild[TRANSFER_SUCHBLOCK_BYTES];
    Transfer_Suchblock_Packen(s, bild);
    EXPECT_EQ(TRANSFER_SUCHBLOCK_BYTES, 156u);
    EXPECT_EQ(bild[2], 17);
    EXPECT_EQ(bild[8 + 6], 33);
    EXPECT_EQ(bild[16], 100);
    EXPECT_EQ(bild[24 + 2] | bild[24 + 3] << 8, 901);
    EXPECT_EQ(bild[40] | bild[41] << 8, 458);
    EXPECT_EQ(bild[48], 0xFF);
    EXPECT_EQ(bild[49], 0xFF);
    EXPECT_EQ(bild[56] | bild[57] << 8, 0xBEEF);
    EXPECT_EQ(bild[66], 1);
    EXPECT_EQ(bild[71], 0);
    EXPECT_EQ(bild[72], 3);
    EXPECT_EQ(bild[155], uint8_t(83 * 7 + 3));
    Transfer_Suchblock zurueck{};
    Transfer_Suchblock_Entpacken(bild, zurueck);
    uint8_t wieder[TRANSFER_SUCHBLOCK_BYTES];
    Transfer_Suchblock_Packen(zurueck, wieder);
    EXPECT_EQ(std::memcmp(bild, wieder, sizeof bild), 0);
}

}  // namespace

#include "database/assistent.h"
#include "toolkit/icon.h"

namespace {

TEST_F(Suche, TextsAndHelpFollowTheSwitchesAndTheAssistant)
{
    Spieler_Suche_Texte t{};
    Spieler_Suche_Texte_Setzen(&t);
    EXPECT_STREQ(t.verein, "Team 1");  // -1 stands for the own club, which is stored
    EXPECT_EQ(int16_t(Manager_Icon_Word_Data_Lesen(EIGEN, 1352)), EIGEN);
    EXPECT_STREQ(t.liga, "allen Ligen");
    EXPECT_STREQ(t.monate, "(<  6 Monate)");
    Spieler_Suche_Vertrag_Setzen(4);
    Spieler_Suche_Texte_Setzen(&t);
    EXPECT_STREQ(t.monate, "(< 12 Monate)");
    EXPECT_NE(std::string(Spieler_Suche_Vertrag_Hilfe(nullptr)).find("(< 12 Monate)"), std::string::npos);

    Menue_Icon ecke{};
    ecke.nummer = 1408 + 23;  // slot 1, right top
    EXPECT_STREQ(Spieler_Suche_Raum_Hilfe(&ecke), "Lieblingsposition des gesuchten Spielers:^lRechts Oben");
    block().torwart[1] = 1;
    EXPECT_STREQ(Spieler_Suche_Raum_Hilfe(&ecke),
                 "Lieblingsposition des gesuchten Spielers:^lRechts Oben (momentan ist die TORWART-Suche aktiv)");
    ecke.nummer = 1405 + 46;
    EXPECT_NE(std::string(Spieler_Suche_Raum_Hilfe(&ecke)).find("wenn Sie einen Torwart suchen"), std::string::npos);
    EXPECT_EQ(std::string(Spieler_Suche_Slot_Hilfe(nullptr)).rfind("Markieren Sie hier den Raum", 0), 0u);
    EXPECT_EQ(std::string(Spieler_Suche_Aktiv_Hilfe(nullptr)).find("ASSISTENTEN"), std::string::npos);

    auto* b = static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, EIGEN, nullptr, 0));
    b[4] = 1;
    b[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * 4 + ASSI_AUFGABE_TRANSFER] = 1;
    const std::string name = Assistenten_Tabelle[4].name;
    EXPECT_EQ(std::string(Spieler_Suche_Slot_Hilfe(nullptr)),
              "Ihr Assistent " + name + " kümmert sich um die Transfers.^lSie können sich aber anschauen, welche Spieler er sucht.");
    EXPECT_NE(std::string(Spieler_Suche_Raum_Hilfe(&ecke)).find("Ihrem Assistenten " + name), std::string::npos);
    EXPECT_NE(std::string(Spieler_Suche_Aktiv_Hilfe(nullptr)).find("^l(vom ASSISTENTEN übernommen)"), std::string::npos);
}

}  // namespace

#include "toolkit/kontextmenue.h"

namespace {

TEST_F(Suche, TheContractAndLeagueMenusMarkTheCurrentChoice)
{
    Menue_Kontextmenue* k = Spieler_Suche_Vertrag_Menue(nullptr);
    ASSERT_NE(k, nullptr);
    EXPECT_STREQ(k->titel, "\"Auslaufende Verträge\" bedeutet:");
    EXPECT_STREQ(k->texte[0], "Vertragsdauer <  2 Monate");
    EXPECT_STREQ(k->texte[5], "Vertragsdauer < 15 Monate");
    EXPECT_TRUE(k->status[2] & POPUP_GEWAEHLT);  // 6 months
    EXPECT_FALSE(k->status[3] & POPUP_GEWAEHLT);
    k->prozeduren[3](3, k->wert_c[3], k->wert_a[3], 0);
    EXPECT_TRUE(an(1355));
    EXPECT_STREQ(Spieler_Suche_Monate_Text(), "(<  9 Monate)");

    k = Spieler_Suche_Liga_Menue(nullptr);
    ASSERT_NE(k, nullptr);
    EXPECT_STREQ(k->titel, "Liga auswählen:");
    EXPECT_STREQ(k->texte[0], "Alle Ligen");
    EXPECT_EQ(k->wert_a[0], -1);
    EXPECT_TRUE(k->status[0] & POPUP_GEWAEHLT);
    k->prozeduren[0](0, k->wert_c[0], k->wert_a[0], 0);
    EXPECT_TRUE(an(1354));
    EXPECT_TRUE(an(1353));
    EXPECT_STREQ(Spieler_Suche_Bereich_Text(), "Alle Ligen+TM");

    k = Spieler_Suche_Team_Menue(nullptr);
    ASSERT_NE(k, nullptr);
    EXPECT_STREQ(k->titel, "Team auswählen:");
    Spieler_Suche_Team_Gewaehlt(0, -1, ANDERE, 0);
    EXPECT_TRUE(an(1352));
    EXPECT_FALSE(an(1354));
    EXPECT_EQ(int16_t(Manager_Icon_Word_Data_Lesen(EIGEN, 1352)), ANDERE);

    Menue_Icon knopf{};
    knopf.nummer = 1358;
    EXPECT_EQ(Spieler_Suche_Knopf_Klick(&knopf, 4), 1);
    EXPECT_TRUE(an(1358));
}

}  // namespace

#include "common/capture.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_zeichnen.h"

namespace {

TEST_F(Suche, TheRoomIsFramedOnTheSmallPitch)
{
    slot(0, 0, 458);  // the whole pitch
    Rastport* pitch = Grafik_Bitmap_Anlegen(76, 108, 16);
    ASSERT_TRUE(Spieler_Suche_Raum_Malen(pitch, 0, 0xFFFF));
    EXPECT_EQ(Grafik_Pixel_Lesen(pitch, 0, 0), 0xFFFF);      // top left: high along, low across
    EXPECT_EQ(Grafik_Pixel_Lesen(pitch, 69, 106), 0xFFFF);   // bottom right: along 0, across 16
    EXPECT_EQ(Grafik_Pixel_Lesen(pitch, 70, 106), 0);
    EXPECT_EQ(Grafik_Pixel_Lesen(pitch, 37, 50), 0);         // inside stays
    Grafik_Rechteck_Fuellen(pitch, 0, 0, 76, 108, 0);
    slot(1, 5 * 17 + 4, 10 * 17 + 8);
    ASSERT_TRUE(Spieler_Suche_Raum_Malen(pitch, 1, 0xFFFF));
    int32_t x0 = 0, y0 = 0;
    Spieler_Einsetzen_Raster_Zu_Screen(0, 10, 4, EIGEN, -1, &x0, &y0);
    EXPECT_EQ(Grafik_Pixel_Lesen(pitch, x0, y0), 0xFFFF);
    EXPECT_EQ(Grafik_Pixel_Lesen(pitch, 0, 0), 0);
    block().torwart[1] = 1;
    EXPECT_FALSE(Spieler_Suche_Raum_Malen(pitch, 1, 0xFFFF));
    Rastport* klein = Grafik_Bitmap_Anlegen(10, 10, 16);
    Fehler_Capture c;
    EXPECT_FALSE(Spieler_Suche_Raum_Malen(klein, 0, 0xFFFF));
    EXPECT_TRUE(c.contains("Blit fehlgeschlagen"));
    Grafik_Bitmap_Freigeben(klein);
    Grafik_Bitmap_Freigeben(pitch);
}

}  // namespace
