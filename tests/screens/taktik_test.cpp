// Tactics, commitment and the stored line-up sets of the acting club.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "database/assistent.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/bytes.h"
#include "screens/screens_hilfe.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_taktik.h"

using namespace screens_test;

namespace {

using Taktik = Welt;

struct Lauf {
    int32_t team, gegner, flags, auswaerts, ziel, ideal;
    bool erzwingen;
};
std::vector<Lauf> laeufe;

struct Stand {
    uint32_t flags;
    int32_t zellen[5];
};
std::vector<Stand> stand()
{
    std::vector<Stand> v;
    for (int32_t p = 0; p < 22; ++p) {
        Stand s{flags(EIGEN, p) & 0x30, {}};
        for (int32_t i = 0; i < 5; ++i) s.zellen[i] = Teamspieler_Wert(310 + i, EIGEN, p, 0, 0);
        v.push_back(s);
    }
    return v;
}
bool gleich(const std::vector<Stand>& a, const std::vector<Stand>& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].flags != b[i].flags || std::memcmp(a[i].zellen, b[i].zellen, sizeof a[i].zellen)) return false;
    return true;
}

TEST_F(Taktik, ControlsGoRoundCopyToTrainingAndSetTheCommitment)
{
    uint8_t t[8] = {1, 0, 2, 0, 0, 0, 0, 0};
    Team_Zeiger(TEAM_TAKTIK, EIGEN, t, 1);
    for (int32_t i = 0; i < 3; ++i) ASSERT_TRUE(Spieler_Einsetzen_Taktik_Klick(1263));
    uint8_t danach[8];
    Team_Zeiger(TEAM_TAKTIK, EIGEN, danach, 2);
    EXPECT_EQ(std::memcmp(t, danach, 8), 0);
    Spieler_Einsetzen_Taktik_Klick(1612);  // the training pages' row works on the same block
    Team_Zeiger(TEAM_TAKTIK, EIGEN, danach, 2);
    EXPECT_EQ(danach[0], 2);
    EXPECT_STREQ(Spieler_Einsetzen_Taktik_Label(2, 2), "Über Außen");

    ASSERT_TRUE(Spieler_Einsetzen_Taktik_Trainieren());
    uint8_t training[8];
    Team_Zeiger(TEAM_TAKTIK_VORGABE, EIGEN, training, 2);
    EXPECT_EQ(std::memcmp(training, danach, 8), 0);
    EXPECT_TRUE(gemeldet("Die aktuellen taktischen Einstellungen wurden ins Training übertragen."));

    // a new manager finds the slider where the club's figure puts it, his screens as preset
    EXPECT_EQ(Manager_Icon_Button_Lesen(EIGEN, 1286), uint32_t(std::clamp(100 - Team_Wert(TEAM_OPTION, EIGEN, 0, 0), 1, 99)));
    EXPECT_EQ(Spieler_Einsetzen_Get_Modus(EIGEN), 0);
    EXPECT_EQ(Manager_Icon_Button_Lesen(EIGEN, 1290), 3u);
    EXPECT_EQ(Manager_Icon_Word_Data_Lesen(EIGEN, 1355), 6);
    Team_Wert(TEAM_OPTION, ANDERE, 40, 1);
    Manager_Neuer_Mitspieler(ANDERE, "Zweiter");
    ASSERT_NE(T_Fix[ANDERE].manager, nullptr);
    EXPECT_EQ(T_Fix[ANDERE].manager->icons.status[1286], 60u);
    Spieler_Einsetzen_Einsatz_Regler(30);
    EXPECT_EQ(Team_Wert(TEAM_OPTION, EIGEN, 0, 0), 70);
    Spieler_Einsetzen_Einsatz_Regler(0);
    EXPECT_EQ(Team_Wert(TEAM_OPTION, EIGEN, 0, 0), 99);

    // a tactics assistant keeps the controls until the manager takes them back
    auto* b = static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, EIGEN, nullptr, 0));
    b[1] = 1;
    b[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * 1 + 1] = 1;
    antworten = {0};
    EXPECT_FALSE(Spieler_Einsetzen_Taktik_Klick(1261));
    Team_Zeiger(TEAM_TAKTIK, EIGEN, training, 2);
    EXPECT_EQ(training[0], danach[0]);
    EXPECT_TRUE(gemeldet("kümmert sich um die taktische Einstellung"));
    EXPECT_TRUE(Spieler_Einsetzen_Taktik_Klick(1261));
    EXPECT_EQ(Assistent_Mit_Aufgabe(EIGEN, 1), -1);
}

TEST_F(Taktik, TheQualityBarHasOneSquarePerTenPoints)
{
    uint8_t q[24] = {};
    q[3 * 5 + 0] = 4;  // setting 5 at level 0
    q[3 * 6 + 0] = 5;
    q[3 * 7 + 0] = 25;
    Team_Zeiger(TEAM_TAKTIK_EINSTELLUNGEN, EIGEN, q, 1);
    char text[300];
    auto quadrate = [&](int32_t icon) {
        Rastport* bild = Spieler_Einsetzen_Taktik_Hilfetext(icon, text, sizeof text);
        EXPECT_NE(bild, nullptr);
        int32_t n = 0;
        for (int32_t k = 0; bild && 38 + 11 * k + 5 < int32_t(bild->width); ++k) n += Grafik_Pixel_Lesen(bild, 38 + 11 * k + 5, 27) != 0;
        Grafik_Bitmap_Freigeben(bild);
        return n;
    };
    EXPECT_EQ(quadrate(1266), 0);
    EXPECT_EQ(quadrate(1267), 1);
    EXPECT_EQ(quadrate(1268), 3);
    EXPECT_NE(std::strstr(text, "Ausrichtung: Verteidigen!"), nullptr);
    EXPECT_EQ(Spieler_Einsetzen_Taktik_Hilfetext(1300, text, sizeof text), nullptr);
}

TEST_F(Taktik, StoredLineUpsStoreApplyAndLetGo)
{
    elf(10);
    for (int32_t p = 2; p < 12; ++p) Teamspieler_Wert(329, EIGEN, p, 100 + p, 1);
    Teamspieler_Wert(329, EIGEN, 0, 77, 1);
    ASSERT_TRUE(Spieler_Einsetzen_Aufstellung_Speichern(3));
    std::vector<uint8_t> bild(MANAGER_AUFSTELLUNG_BYTES);
    Team_Zeiger(301, EIGEN, bild.data(), 2);
    EXPECT_EQ(bild[3 * 20 + 0], 3);  // player 2's centre (3, 2)
    EXPECT_EQ(bild[3 * 20 + 1], 2);
    EXPECT_EQ(bild[3 * 20 + 2], 5);  // player 3's centre (5, 2)
    EXPECT_EQ(bild[120 + 3 * 80 + 0], 2);  // player 2's first corner (2, 1)
    EXPECT_EQ(bild[120 + 3 * 80 + 1], 1);
    EXPECT_EQ(bild[120 + 3 * 80 + 7], 2);  // his offensive position (4, 2)
    EXPECT_EQ(Bytes_Hole16(&bild[600 + 3 * 22 + 0]), 2);
    EXPECT_EQ(Bytes_Hole16(&bild[600 + 3 * 22 + 18]), 11);
    EXPECT_EQ(Bytes_Hole16(&bild[600 + 3 * 22 + 20]), 0);  // the goalkeeper last
    EXPECT_EQ(Bytes_Hole16(&bild[732 + 3 * 22 + 0]), 102);
    EXPECT_EQ(Bytes_Hole16(&bild[732 + 3 * 22 + 20]), 77);

    // the applied button clicked again lets go and leaves everybody standing
    Team_Wert(170, EIGEN, 3, 1);
    const auto vorher = stand();
    Spieler_Einsetzen_Aufstellung_Klick(3);
    EXPECT_EQ(Team_Wert(170, EIGEN, 0, 0), -1);
    EXPECT_TRUE(gleich(vorher, stand()));

    // a formation on a stored line-up that is not applied only changes that line-up
    Team_Wert(170, EIGEN, 2, 1);
    Spieler_Einsetzen_Formation_Waehlen(4, 7);
    EXPECT_TRUE(gleich(vorher, stand()));
    Team_Zeiger(301, EIGEN, bild.data(), 2);
    EXPECT_EQ(std::memcmp(&bild[4 * 20], Team_Formationen[7].plaetze, 20), 0);
    EXPECT_EQ(std::memcmp(&bild[120 + 4 * 80], Team_Formationen[7].bereiche, 80), 0);

    // a hand change in set B detaches set B's line-up
    Spieler_Einsetzen_Satz_Wechseln(1);
    Team_Wert(171, EIGEN, 3, 1);
    bool bewegt = false;
    for (int32_t p = 2; p < 22 && !bewegt; ++p)
        if (flags(EIGEN, p) & TS_STARTELF)
            bewegt = Spieler_Einsetzen_Raum_Verschieben(p, 1, 0) || Spieler_Einsetzen_Raum_Verschieben(p, -1, 0);
    ASSERT_TRUE(bewegt);
    EXPECT_EQ(Team_Wert(171, EIGEN, 0, 0), -1);
}

TEST_F(Taktik, SetsKeepTheHandMadeLineUpAndApplyThroughTheAssistantsRoutine)
{
    elf(10);
    Team_Wert(170, EIGEN, -1, 1);
    Team_Wert(171, EIGEN, 2, 1);
    const auto hand = stand();
    Spieler_Einsetzen_Satz_Wechseln(1);
    EXPECT_EQ(Spieler_Einsetzen_Get_Modus(EIGEN), 1);
    EXPECT_TRUE(Manager_Icon_Button_Lesen(EIGEN, 1273));
    EXPECT_FALSE(gleich(hand, stand()));  // set B's stored line-up 2 stands now
    Spieler_Einsetzen_Satz_Wechseln(0);
    EXPECT_EQ(Spieler_Einsetzen_Get_Modus(EIGEN), 0);
    EXPECT_TRUE(gleich(hand, stand()));

    laeufe.clear();
    Assi_Mannschaftsaufstellung_Set_Beobachter(
        [](int32_t t, int32_t g, int32_t f, int32_t a, int32_t z, int32_t i, bool e) { laeufe.push_back({t, g, f, a, z, i, e}); });
    Taktik_Zusatzwert = 63;
    Spieler_Einsetzen_Satz_Wechseln(1);
    laeufe.clear();
    Team_Wert(171, EIGEN, -1, 1);
    Spieler_Einsetzen_Aufstellung_Klick(2);
    Assi_Mannschaftsaufstellung_Set_Beobachter(nullptr);
    Taktik_Zusatzwert = 0;
    ASSERT_EQ(laeufe.size(), 1u);
    EXPECT_EQ(laeufe[0].team, EIGEN);
    EXPECT_EQ(laeufe[0].gegner, GEGNER);
    EXPECT_EQ(laeufe[0].auswaerts, 1);
    EXPECT_EQ(laeufe[0].ziel, 63);
    EXPECT_EQ(laeufe[0].ideal, 2);
    EXPECT_TRUE(laeufe[0].erzwingen);
    EXPECT_EQ(Team_Wert(171, EIGEN, 0, 0), 2);
    EXPECT_TRUE(Manager_Icon_Button_Lesen(EIGEN, 1273));
    int32_t auf_dem_platz = 0;
    for (int32_t p = 0; p < 22; ++p) auf_dem_platz += (flags(EIGEN, p) & TS_STARTELF) != 0;
    EXPECT_EQ(auf_dem_platz, 11);
}

TEST_F(Taktik, ResettingASetAsksFirstAndTheFlagItemsFlipTheirBits)
{
    elf(10);
    auto* satz = static_cast<Manager_Aufstellungssatz*>(Team_Zeiger(301, EIGEN, nullptr, 0));
    satz->plaetze[0][0] = 99;
    antworten = {0};
    Spieler_Einsetzen_Aufstellung_Zuruecksetzen();
    EXPECT_TRUE(gemeldet("alle A-Aufstellungen durch die Startwerte"));
    EXPECT_EQ(satz->plaetze[0][0], 99);
    Spieler_Einsetzen_Aufstellung_Zuruecksetzen();
    EXPECT_NE(satz->plaetze[0][0], 99);

    Spieler_Einsetzen_Aufstellung_Option(1, 0);
    EXPECT_EQ(Manager_Icon_Word_Data_Lesen(EIGEN, 1272), 1);
    EXPECT_EQ(satz->spieler[1][0], 2);  // switching the assignment on stores the line-up
    Spieler_Einsetzen_Aufstellung_Option(1, 1);
    EXPECT_EQ(Manager_Icon_Word_Data_Lesen(EIGEN, 1272), 5);
    Spieler_Einsetzen_Aufstellung_Option(1, 0);
    EXPECT_EQ(Manager_Icon_Word_Data_Lesen(EIGEN, 1272), 4);
}

}  // namespace

#include "graphics/grafik_farbe.h"
#include "toolkit/icon.h"

namespace {

TEST_F(Taktik, ButtonFacesAndHelpTextsShowTheStoredLineUps)
{
    auto* satz = static_cast<Manager_Aufstellungssatz*>(Team_Zeiger(301, EIGEN, nullptr, 0));
    for (int32_t k = 0; k < 10; ++k) satz->plaetze[2][2 * k] = satz->plaetze[2][2 * k + 1] = 0xFF;
    satz->plaetze[2][0] = 20;  // one player at along 20, across 7
    satz->plaetze[2][1] = 7;
    Rastport* bild = Grafik_Bitmap_Anlegen(34, 24, 16);
    Spieler_Einsetzen_Aufstellung_Bild(bild, 2);
    const uint16_t gelb = Grafik_Farbe(15, 15, 0);
    EXPECT_EQ(Grafik_Pixel_Lesen(bild, 23, 10), gelb);
    EXPECT_EQ(Grafik_Pixel_Lesen(bild, 24, 10), gelb);
    int32_t gesetzt = 0;
    for (int32_t y = 0; y < 24; ++y)
        for (int32_t x = 0; x < 34; ++x) gesetzt += Grafik_Pixel_Lesen(bild, x, y) != 0;
    EXPECT_EQ(gesetzt, 2);  // the unused places draw nothing
    Grafik_Bitmap_Freigeben(bild);

    Menue_Icon knopf{};
    knopf.nummer = 1274;
    EXPECT_STREQ(Spieler_Einsetzen_Aufstellung_Hilfe(&knopf), "Aufstellung A Nr. 4");
    Spieler_Einsetzen_Satz_Wechseln(1);
    EXPECT_STREQ(Spieler_Einsetzen_Aufstellung_Hilfe(&knopf), "Aufstellung B Nr. 4");
    EXPECT_STREQ(Spieler_Einsetzen_Einsatz_Hilfe(nullptr), "Regeln Sie hier den Einsatz Ihrer Mannschaft");
    auto* b = static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, EIGEN, nullptr, 0));
    b[3] = 1;
    b[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * 3 + 0] = 1;
    const std::string name = Assistenten_Tabelle[3].name;
    EXPECT_EQ(std::string(Spieler_Einsetzen_Aufstellung_Hilfe(&knopf)), "Aufstellung B Nr. 4^l(momentan von " + name + " übernommen)");
    EXPECT_EQ(std::string(Spieler_Einsetzen_Einsatz_Hilfe(nullptr)),
              "Regeln Sie hier den Einsatz Ihrer Mannschaft^l(momentan macht das " + name + ")");
    knopf.nummer = 1277;
    EXPECT_EQ(Spieler_Einsetzen_Aufstellung_Hilfe(&knopf), nullptr);
}

}  // namespace

#include "toolkit/kontextmenue.h"

namespace {

TEST_F(Taktik, TheStoredLineUpMenuOffersFormationsResetAndItsTwoChecks)
{
    elf(10);
    Menue_Kontextmenue* k = Spieler_Einsetzen_Aufstellung_Menue(4);
    ASSERT_NE(k, nullptr);
    EXPECT_STREQ(k->titel, "Aufstellung ändern:");
    EXPECT_STREQ(k->texte[3], "4 - 4 - 2  (normal)");
    EXPECT_STREQ(k->texte[8], "Auf Startwerte zurücksetzen");
    EXPECT_FALSE(k->status[9] & POPUP_GEWAEHLT);
    ASSERT_EQ(k->prozeduren[6](6, k->wert_c[6], 0, 0), 1);
    auto* satz = static_cast<Manager_Aufstellungssatz*>(Team_Zeiger(301, EIGEN, nullptr, 0));
    EXPECT_EQ(std::memcmp(satz->plaetze[4], Team_Formationen[6].plaetze, 20), 0);
    k->prozeduren[10](10, 4, 0, 0);
    EXPECT_TRUE(Spieler_Einsetzen_Aufstellung_Menue(4)->status[10] & POPUP_GEWAEHLT);
    EXPECT_EQ(Spieler_Einsetzen_Aufstellung_Menue(6), nullptr);
    // with a line-up assistant the stored line-ups are his
    auto* b = static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, EIGEN, nullptr, 0));
    b[0] = 1;
    b[ASSI_OFFSET_AUFGABEN + 0] = 1;
    EXPECT_EQ(Spieler_Einsetzen_Aufstellung_Menue(4), nullptr);
}

}  // namespace
