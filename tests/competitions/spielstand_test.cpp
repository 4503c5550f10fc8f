// The whole savegame of a small world: every position that has a reader (game flow, generator,
// sound effects, competitions, match store, news, highscores, statistics). A block refused late
// in the file leaves the game exactly as it was; seeded mutations of each position's blocks are
// refused with the message or taken as a state that saves and loads again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/capture.h"
#include "common/mutation.h"
#include "common/spielstand_ordner.h"
#include "competitions/spiele_ewig.h"
#include "competitions/spiele_welt.h"
#include "competitions/statistik_archiv.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "gameflow/news.h"
#include "platform/compress.h"
#include "platform/disk.h"
#include "platform/soundeffekt.h"
#include "platform/zufall.h"

namespace {

using namespace spielwelt;
using Bytes = std::vector<uint8_t>;

constexpr const char* ZURUECK = "konnte nicht vollständig geladen werden. Das laufende Spiel bleibt erhalten.";

class GanzerSpielstand : public Spielwelt {
protected:
    Test_Spielstand_Ordner ordner;

    void SetUp() override
    {
        Spielwelt::SetUp();
        // The blocks the game registers at start-up, the platform's two as the start-up does,
        // and nothing a test before left registered.
        ordner.anlegen("dorvin_ganz", true);
        Disk_Block_Registrieren(DISK_POS_SPIELE, Spiele_Speichern, Spiele_Laden);
        Disk_Block_Registrieren(DISK_POS_STATISTIK, Statistik_Speichern, Statistik_Laden);
        Globals_Module_Registrieren();
        Disk_Block_Registrieren(
            DISK_POS_ZUFALL, [](Disk_Datei* d) { Zufall_Write_Savegame(d); return !Disk_Fehler(d); },
            [](Disk_Datei* d, const char*) { Zufall_Read_Savegame(d); return !Disk_Fehler(d); });
        Disk_Block_Registrieren(
            DISK_POS_SOUNDEFFEKTE, [](Disk_Datei* d) { Soundeffekt_Write_Savegame(d); return !Disk_Fehler(d); },
            [](Disk_Datei* d, const char*) { Soundeffekt_Read_Savegame(d); return !Disk_Fehler(d); });
        ASSERT_TRUE(Wettbewerb_Disk_Registrieren());
        Globals_Reset();
        News_Init();
        Highscore_Init();
        Netz_Rolle = 0;
        // The saved seed is the clock's after the first draw: make it the fixed one.
        Zufall_Push_Seed();
        Zufall_Pop_Seed();
        Compress_LZW_Init();
    }
    void TearDown() override
    {
        for (int pos : {DISK_POS_ABLAUF, DISK_POS_ZUFALL, DISK_POS_SOUNDEFFEKTE, DISK_POS_WETTBEWERBE, DISK_POS_NEWS,
                        DISK_POS_HIGHSCORE})
            Disk_Block_Registrieren(pos, nullptr, nullptr);
        Soundeffekt_Free_All();
        News_Init();
        Highscore_Init();
        Globals_Reset();
        ordner.entfernen();
        Spielwelt::TearDown();
    }

    std::string pfad(const char* name) const { return ordner.pfad + "/" + name + ".sgv"; }
    Bytes lies(const char* name) const
    {
        std::ifstream f(pfad(name), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(f), {});
    }
    void schreib(const char* name, const Bytes& b) const
    {
        std::ofstream f(pfad(name), std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    }
    Disk_Bereiche zerlegt(const Bytes& datei) const
    {
        std::string version;
        Disk_Bereiche b;
        EXPECT_TRUE(Disk_Spielstand_Zerlegen(datei.data(), datei.size(), &version, &b));
        return b;
    }

    // Something in every module: fixtures with results, held locks, events and cards, winners,
    // player statistics and an archived table, news with a question, managers' records, the
    // day and state, a competition's match day, the generator's state.
    void fuellen(int32_t variante)
    {
        const int32_t liga = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
        const int32_t pokal = Spiele_Init_Neue_Spiele(0, 8, 3, 1, POKAL_R1, -1);
        ergebnis(liga, 0, 0, 1 + variante, 2, -1, 0);
        const int32_t h = Spiele_Lock(liga, 0, 0, 0);
        Spiele_Ereignis_Speicher_Reservieren(h);
        Spiele_Tore_Nullen(h);
        Spiele_Set_Ereignis(h, SPE_TOR | SPE_HEIM, 12 + variante, 10, 0);
        Spiele_Set_Ereignis(h, SPE_GELB, 40, 20, 0);
        Spiele_Set_Nachspiel_Statistik(h);
        Spiele_Set_Zuschauer(Spiele_Lock(pokal, 1, 0, 1), 12345 + uint32_t(variante));
        Spiele_Set_Wettbewerb_Sieger(LIGA, 1, 1999 + variante, 2, 1, 2);
        Statistik_Spieler u = Statistik_Leeres_Update(10 + variante);
        u.tore = 1;
        u.noten[0] = 5;
        Spiele_Set_Statistik_Spieler(10 + variante, &u, 1);
        Spiele_Set_Statistik_Spieler(3, &u, 1);
        Tabelle_Datensatz t;
        tabelle_vorbereiten(t, {1, 2, 3, 4});
        Spiele_Tabelle_Berechnen(LIGA, liga, -1, -1, 1, TAB_NORMAL, &t, 1, 0, -1, -1, 0, 0, -1);
        ASSERT_TRUE(Statistik_Tabelle_Archivieren(&t));

        const News_Frage frage = {{3, 5, 6 + variante, 500, 7, 0, 0, -1}};
        ASSERT_GE(News_Senden(-1, 6 + variante, 5, NEWS_ART_FRAGE, &frage, "Spiel am Tag %d?", 500), 0);
        ASSERT_GE(News_Senden(-1, -1, -1, 132, nullptr, "Ausbau fertig"), 0);
        ASSERT_TRUE(Highscore_Manager_Anlegen(7 + variante));
        ASSERT_TRUE(Highscore_Punkte_Machen(7 + variante, 2, 30));
        Aktueller_Tag = 100 + variante;
        Ablauf_Zustand = 3;
        Manager_Wappen[2] = uint16_t(MANAGER_WAPPEN_USER | (17 + variante));
        Wettbewerb_Zeiger(testwelt::GRUPPE_B)->spieltag = 2 + variante;
        for (int32_t i = 0; i <= variante; ++i) Zufall(0, 9);
    }
};

TEST_F(GanzerSpielstand, RefusedLateBlockLeavesTheWholeGameAsItWas)
{
    fuellen(0);
    ASSERT_TRUE(Disk_Spielstand_Speichern("a"));
    const Bytes a = lies("a");

    // The game goes on and differs in every module.
    fuellen(1);
    ASSERT_TRUE(Disk_Spielstand_Speichern("b"));
    const Bytes b = lies("b");
    ASSERT_NE(a, b);

    // Savegame a with the record count of the statistics (the last position) above its capacity.
    Disk_Bereiche bereiche = zerlegt(a);
    Disk_Bereich& statistik = bereiche[DISK_POS_STATISTIK - 1];
    ASSERT_GE(statistik.size(), 3u);
    Bytes& anzahl = statistik[statistik.size() - 3];
    ASSERT_EQ(anzahl.size(), 4u);
    Disk_LE32_Setzen(anzahl.data(), 5000);
    schreib("a_kaputt", Disk_Spielstand_Bauen("2.01", bereiche));
    {
        Fehler_Capture cap;
        EXPECT_FALSE(Disk_Spielstand_Laden("a_kaputt"));
        EXPECT_TRUE(cap.contains("Statistik_Laden: Anzahl"));
        EXPECT_TRUE(cap.contains(ZURUECK));
    }
    ASSERT_TRUE(Disk_Spielstand_Speichern("b2"));
    EXPECT_TRUE(lies("b2") == b);
    EXPECT_EQ(Aktueller_Tag, 101);

    // The intact savegame replaces the whole game, and saves as it was saved.
    ASSERT_TRUE(Disk_Spielstand_Laden("a"));
    ASSERT_TRUE(Disk_Spielstand_Speichern("a2"));
    EXPECT_TRUE(lies("a2") == a);
    EXPECT_EQ(Aktueller_Tag, 100);
}

// Positions with a reader, each mutated in its own test, and how many inputs each gets.
struct Fall {
    int position;
    int runden;
};
class Mutiert : public GanzerSpielstand, public ::testing::WithParamInterface<Fall> {};

TEST_P(Mutiert, BlocksAreRefusedWithTheMessageOrTakenAsAStateThatLoadsAgain)
{
    const int position = GetParam().position;
    const int runden = GetParam().runden;
    // The competitions' block is by far the largest (some 700 KB); the other positions are
    // mutated without it, so that each input stays small.
    if (position != DISK_POS_WETTBEWERBE) Disk_Block_Registrieren(DISK_POS_WETTBEWERBE, nullptr, nullptr);
    fuellen(0);
    ASSERT_TRUE(Disk_Spielstand_Speichern("voll"));
    // The event array shrunk to what the world uses, for the same reason.
    Disk_Bereiche bereiche = zerlegt(lies("voll"));
    Disk_Bereich& spiele = bereiche[DISK_POS_SPIELE - 1];
    ASSERT_GE(spiele.size(), 13u);
    const uint32_t kap = 400;
    ASSERT_LE(Disk_LE32_Lesen(spiele[spiele.size() - 12].data()), kap);
    Disk_LE32_Setzen(spiele[spiele.size() - 13].data(), kap);
    spiele[spiele.size() - 11].resize(kap * 9);
    const Bytes basis = Disk_Spielstand_Bauen("2.01", bereiche);
    schreib("basis", basis);
    ASSERT_TRUE(Disk_Spielstand_Laden("basis"));
    ASSERT_EQ(Disk_Spielstand_Abbild(), basis);

    mutation::Folge f(uint32_t(1000 + position));
    int abgelehnt = 0;
    for (int i = 0; i < runden; ++i) {
        Disk_Bereiche m = bereiche;
        mutation::mutieren(m[size_t(position - 1)], f);
        schreib("m", Disk_Spielstand_Bauen("2.01", m));
        Fehler_Capture cap;
        if (!Disk_Spielstand_Laden("m")) {
            ++abgelehnt;
            ASSERT_TRUE(cap.contains(ZURUECK)) << "input " << i;
            ASSERT_TRUE(Disk_Spielstand_Abbild() == basis) << "input " << i;
            continue;
        }
        // What a reader took, its writer saves and it takes again.
        const Bytes genommen = Disk_Spielstand_Abbild();
        ASSERT_FALSE(genommen.empty()) << "input " << i;
        schreib("wieder", genommen);
        ASSERT_TRUE(Disk_Spielstand_Laden("wieder")) << "input " << i;
        ASSERT_TRUE(Disk_Spielstand_Abbild() == genommen) << "input " << i;
        ASSERT_TRUE(Disk_Spielstand_Laden("basis")) << "input " << i;
    }
    // Each reader met both kinds of input (every volume of the sound effects is taken).
    EXPECT_GT(abgelehnt, 0);
    if (position != DISK_POS_SOUNDEFFEKTE) {
        EXPECT_LT(abgelehnt, runden);
    }
}

INSTANTIATE_TEST_SUITE_P(Positionen, Mutiert,
                         ::testing::Values(Fall{DISK_POS_ABLAUF, 2000}, Fall{DISK_POS_ZUFALL, 2000},
                                           Fall{DISK_POS_SOUNDEFFEKTE, 2000}, Fall{DISK_POS_WETTBEWERBE, 20},
                                           Fall{DISK_POS_SPIELE, 2000}, Fall{DISK_POS_NEWS, 2000},
                                           Fall{DISK_POS_HIGHSCORE, 2000}, Fall{DISK_POS_STATISTIK, 2000}),
                         [](const ::testing::TestParamInfo<Fall>& i) {
                             return "Position" + std::to_string(i.param.position);
                         });

}  // namespace
