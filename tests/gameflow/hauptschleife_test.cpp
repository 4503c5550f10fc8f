// The main loop's states on a match day and the days its menu rounds open on.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/capture.h"
#include "common/schirm.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "gameflow/ablauf.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "match/spieltag.h"
#include "matchview/spielbericht.h"
#include "platform/display.h"
#include "platform/os/os.h"
#include "platform/win95.h"
#include "schleife_welt.h"

namespace {

bool ansicht_geladen = false;
bool halbzeit_melden = false;
std::vector<std::string> aufrufe;

int32_t spieltag_hook(const char* aufruf)
{
    aufrufe.push_back(aufruf);
    if (std::string(aufruf) == "Spieltag_Run") {
        // The engine's first frame reaches half-time on a single PC.
        if (halbzeit_melden) {
            halbzeit_melden = false;
            Ablauf_Spieltag_Abbrechen();
            return 1;
        }
        return 0;
    }
    return 1;
}

int32_t bericht_hook(const char* aufruf)
{
    aufrufe.push_back(aufruf);
    return std::string(aufruf) == "Spielszenen_Geladen" ? ansicht_geladen : 1;
}

class Hauptschleife : public Schleife_Welt {
protected:
    void SetUp() override
    {
        schleife_aufbauen(spieltag_hook, bericht_hook);
        Ablauf_Zustand = ABLAUF_TAG_ENDE;
        aufrufe.clear();
    }
    void TearDown() override { schleife_abbauen(); }
    std::vector<int32_t> zustaende_bis_tagesende()
    {
        std::vector<int32_t> z{Ablauf_Zustand};
        for (int i = 0; i < 20; ++i) {
            Ablauf_Schritt();
            z.push_back(Ablauf_Zustand);
            if (Ablauf_Zustand == ABLAUF_TAG_ENDE) break;
        }
        return z;
    }
};

TEST_F(Hauptschleife, MatchDayStatesBySingleAndServerRole)
{
    ASSERT_TRUE(Kalender_Spieltag_Einfuegen(7, 0, 1));
    Netz_Rolle = 0;
    halbzeit_melden = true;
    ansicht_geladen = true;
    EXPECT_EQ(zustaende_bis_tagesende(), (std::vector<int32_t>{0, 2, 16, 5, 18, 5, 17, 7, 0}));
    EXPECT_EQ(Aktueller_Tag, 1);
    // The engine's calls in the order a match day needs them.
    const std::vector<std::string> erwartet{"Spieltag_Init", "Spieltag_Spiele_Anlegen",
        "Spieltag_Nach_Menue_Bekannte_Daten_Eintragen", "Spielbericht_Vor_Spiel_Starten",
        "Spielbericht_Vor_Spiel_Schritt", "Spieltag_Run", "Spielbericht_Halbzeit_Starten",
        "Spielbericht_Halbzeit_Schritt", "Spieltag_Naechste_Halbzeit_Anpfeifen", "Spieltag_Run",
        "Spielszenen_Geladen", "Spielbericht_Nach_Spiel_Starten", "Spielbericht_Nach_Spiel_Schritt",
        "Spieltag_Weiterschalten", "Spieltag_DeInit"};
    EXPECT_EQ(aufrufe, erwartet);

    ASSERT_TRUE(Kalender_Spieltag_Einfuegen(7, 1, 2));
    Netz_Rolle = 3;
    ansicht_geladen = false;
    EXPECT_EQ(zustaende_bis_tagesende(), (std::vector<int32_t>{0, 2, 16, 5, 7, 0}));

    // Half-time is only taken from a running match; the quit command ends the loop.
    Ablauf_Zustand = ABLAUF_MENUERUNDE;
    Ablauf_Spieltag_Abbrechen();
    EXPECT_EQ(Ablauf_Zustand, ABLAUF_MENUERUNDE);
    Fehler_Capture cap;
    Ablauf_Set_Befehl(9);
    EXPECT_EQ(cap.texts.size(), 1u);
    Ablauf_Set_Befehl(ABLAUF_BEENDEN);
    Ablauf_Hauptschleife();
    EXPECT_TRUE(Ablauf_Beendet());
}

std::map<int32_t, std::set<int32_t>> runden;   // day -> clubs that had a turn
int32_t zug_hook(int32_t team, bool erster)
{
    if (erster) runden[Aktueller_Tag].insert(team);
    // Club 5 opens its mailbox in its first turn.
    for (int32_t i = News_Suche_Erste(team, NEWS_FLAG_DA); i >= 0; i = News_Suche_Naechste()) News_Set(i, team, 0, 8);
    // A turn takes two passes.
    return erster ? 0 : -1;
}

int32_t gegner(int32_t team, int32_t*, int32_t*, int32_t*, int32_t*)
{
    if ((Aktueller_Tag == 3 && team == 2) || (Aktueller_Tag == 9 && team == 5)) return 1;
    return -1;
}

TEST_F(Hauptschleife, MenuModesOpenRoundsOnTheirDays)
{
    Manager_Neuer_Mitspieler(2, "Erster");
    Manager_Neuer_Mitspieler(5, "Zweiter");
    ASSERT_EQ(Manager_Anzahl, 2);
    Ablauf_Set_Zug_Hook(zug_hook);
    Spieltag_Set_Gegner_Hook(gegner);
    const std::map<int32_t, std::set<int32_t>> erwartet{
        {1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, {2, {3, 5, 9}}, {3, {3, 9}}, {4, {1, 3, 9}}};
    for (const auto& [modus, tage] : erwartet) {
        Kalender_Spielplan_Leeren();
        for (int32_t tag : {3, 5, 9}) ASSERT_TRUE(Kalender_Spieltag_Einfuegen(7, tag, tag));
        News_Init();
        ASSERT_GE(News_Senden(-1, 5, -1, NEWS_ART_TEXT, nullptr, "Willkommen"), 0);
        Ablauf_Set_Menue_Modus(modus);
        Aktueller_Tag = 0;
        Ablauf_Zustand = ABLAUF_TAG_ENDE;
        runden.clear();
        while (Aktueller_Tag <= 10) Ablauf_Schritt();
        std::set<int32_t> gesehen;
        for (const auto& [tag, teams] : runden)
            if (tag <= 10) {
                gesehen.insert(tag);
                EXPECT_EQ(teams, (std::set<int32_t>{2, 5})) << "Modus " << modus << " Tag " << tag;
            }
        EXPECT_EQ(gesehen, tage) << "Modus " << modus;
    }
    EXPECT_EQ(Ablauf_Get_Menue_Modus(), 4);
}

// What a day brings before the next turn (the season change's prize money and taxes) stands on
// the screen the manager left: the back page the requesters are drawn from holds that screen,
// not the fill the menu left on it.
TEST_F(Hauptschleife, TheDaysNoticesStandOnTheScreenTheManagerLeft)
{
    const Test_Leerer_Schirm schirm;
    ASSERT_TRUE(schirm.offen);
    ASSERT_NE(Grafik_Seite_0, Grafik_Seite_1);
    constexpr uint16_t MENUE = 0x1235, FUELLUNG = 1;
    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 0, 640, 480, MENUE);
    Grafik_Rechteck_Fuellen(Grafik_Seite_1, 0, 0, 640, 480, FUELLUNG);
    Ablauf_Zustand = ABLAUF_TAG_ENDE;
    Ablauf_Schritt();
    EXPECT_EQ(Aktueller_Tag, 1);
    for (auto [x, y] : {std::pair{0, 0}, {320, 240}, {639, 479}}) EXPECT_EQ(Grafik_Pixel_Lesen(Grafik_Seite_1, x, y), MENUE);
}

// A turn that waits for the player: the passes of the loop over virtual time.
uint32_t warte_start = 0;
int32_t warte_paesse = 0;
int32_t wartender_zug(int32_t, bool erster)
{
    if (erster) warte_start = Os_Time_Ms();
    else ++warte_paesse;
    if (Os_Time_Ms() - warte_start >= 2000) Programm_Ende = 1;
    return 0;
}

TEST_F(Hauptschleife, AWaitingTurnSleepsBetweenItsPasses)
{
    Manager_Neuer_Mitspieler(2, "Erster");
    Ablauf_Set_Zug_Hook(wartender_zug);
    Ablauf_Set_Menue_Modus(1);
    Aktueller_Tag = 0;
    Ablauf_Zustand = ABLAUF_TAG_ENDE;
    warte_paesse = 0;
    // The turn's first pass starts the two seconds; until then they count from here, so that a
    // clock left far on by an earlier test cannot end the wait at once.
    warte_start = Os_Time_Ms();
    Ablauf_Hauptschleife();
    Programm_Ende = 0;
    // Two seconds of waiting: a busy loop would make thousands of passes.
    EXPECT_GE(warte_paesse, 20);
    EXPECT_LE(warte_paesse, 2 * 100);
}

}  // namespace
