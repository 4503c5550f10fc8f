// Match store: blocks, locks, accessors, events, deletion and growth with locks held.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/capture.h"
#include "competitions/spiele.h"
#include "competitions/spiele_karten.h"
#include "competitions/spiele_welt.h"

namespace {

using namespace spielwelt;
using SpieleTest = Spielwelt;

TEST_F(SpieleTest, BlockSizesAndRecordOrder)
{
    int32_t pokal = Spiele_Init_Neue_Spiele(0, 16, 4, 1, POKAL_R1, -1);
    int32_t liga = Spiele_Init_Neue_Spiele(1, 18, 34, 1, LIGA, -1);
    int32_t ungerade = Spiele_Init_Neue_Spiele(1, 17, 2, 2, LIGA, -1);
    EXPECT_EQ(Spiele_Get_Anzahl_Spiele(pokal), 15);
    EXPECT_EQ(Spiele_Get_Anzahl_Spiele(liga), 306);
    EXPECT_EQ(Spiele_Get_Anzahl_Spiele(ungerade), 9 * 2 * 2);
    EXPECT_EQ(Spiele_Get_Anzahl_Spiele(99), 0);
    EXPECT_EQ(Spiele_Init_Neue_Spiele(1, 18, 200, 1, LIGA, -1), -1);  // match days do not fit a byte

    // Cup rounds halve; every record starts unplayed and undrawn.
    const int32_t erwartet[4] = {8, 4, 2, 1};
    for (int32_t runde = 0; runde < 4; ++runde) {
        int32_t n = 0;
        for (int32_t slot = 0; slot < 9; ++slot) {
            int32_t h = Spiele_Lock(pokal, runde, 0, slot);
            if (!h) continue;
            ++n;
            const Spiele_Spiel* s = Spiele_Get_Spiel(h, 0);
            EXPECT_EQ(s->heim, SPIELE_KEIN_TEAM);
            EXPECT_EQ(s->heim_tore, -1);
            EXPECT_EQ(s->wetter, 255);
            EXPECT_EQ(s->wettbewerb, POKAL_R1);
            Spiele_Unlock(h);
        }
        EXPECT_EQ(n, erwartet[runde]) << runde;
    }
    // Records run by day, then leg, then slot.
    int32_t vorher = -1;
    for (int32_t i = 0; i < Spiele_Get_Anzahl_Spiele(ungerade); ++i) {
        int32_t h = Spiele_Lock_Index(ungerade, i);
        const Spiele_Spiel* s = Spiele_Get_Spiel(h, 1);
        int32_t ordnung = s->spieltag * 10000 + s->runde * 100 + s->slot;
        EXPECT_GT(ordnung, vorher);
        vorher = ordnung;
        Spiele_Unlock(h);
    }
    EXPECT_EQ(Spiele_Lock_Index(ungerade, 36), 0);
}

TEST_F(SpieleTest, LockHandlesAndAccessors)
{
    Fehler_Capture cap;
    int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    std::vector<int32_t> handles;
    for (int32_t i = 0; i < SPIELE_LOCKS; ++i) handles.push_back(Spiele_Lock(b, 0, 0, 0));
    EXPECT_EQ(handles.back(), 500);
    EXPECT_NE(Spiele_Get_Spiel(500, 0), nullptr);
    EXPECT_EQ(Spiele_Lock(b, 0, 0, 1), 0);
    EXPECT_FALSE(cap.texts.empty());
    Spiele_Unlock(-1);
    EXPECT_EQ(Spiele_Get_Spiel(500, 0), nullptr);
    EXPECT_TRUE(cap.contains("Versuchter Zugriff auf nicht gelocken Datensatz.\n"));
    Spiele_Unlock(0);
    EXPECT_TRUE(cap.contains("Versuchtes Unlock auf ungültiges Element NULL.\n"));
    Spiele_Unlock(7);
    EXPECT_TRUE(cap.contains("Versuchtes Unlock eines nicht gelocken Datensatzes.\n"));

    int32_t h = Spiele_Lock(b, 1, 0, 1);
    // Team 0 is a real club; its match is not turned into one of teams 1 and 2.
    Spiele_Set_Teams(h, 0, 9);
    EXPECT_EQ(Spiele_Get_Spiel(h, 0)->heim, 0);
    EXPECT_EQ(Spiele_Get_Spiel(h, 0)->gast, 9);
    Spiele_Set_Teams(h, 70000, 9);
    EXPECT_EQ(Spiele_Get_Spiel(h, 0)->heim, 0);
    Spiele_Set_Teams(h, 3, 5);
    EXPECT_STREQ(Spiele_Get_Ergebnis_Text(h, 1), "");
    EXPECT_STREQ(Spiele_Get_Ergebnis_Text_Tip(h, 1), "Tip");
    Spiele_Set_Ergebnis(h, 2, 1, SPIELE_ART_NV);
    EXPECT_STREQ(Spiele_Get_Ergebnis_Text(h, 1), "2:1 n.V.");
    Spiele_Set_Ergebnis(h, 4, 0, SPIELE_ART_NE | SPIELE_ART_ABG);
    EXPECT_STREQ(Spiele_Get_Ergebnis_Text(h, 0), "abg.");
    EXPECT_EQ(Spiele_Get_Heim_Auswaerts(h, 5), 1);
    EXPECT_EQ(Spiele_Get_Heim_Auswaerts(h, 3), 0);

    EXPECT_TRUE(Spiele_Team_Tausch(b, 3, 5));
    EXPECT_EQ(Spiele_Get_Spiel(h, 0)->heim, 5);
    EXPECT_EQ(Spiele_Get_Spiel(h, 0)->gast, 3);
    EXPECT_FALSE(Spiele_Team_Tausch(77, 3, 5));
    EXPECT_TRUE(cap.contains("Gesuchter Wettbewerb nicht eingetragen...\n"));

    // The return leg is found among the records before this one.
    int32_t r = Spiele_Lock(b, 4, 0, 1);
    Spiele_Set_Teams(r, 3, 5);
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spiele_block = b;
    int32_t hin = Spiele_Get_Hinspiel(r);
    ASSERT_NE(hin, 0);
    EXPECT_EQ(Spiele_Get_Spiel(hin, 1), Spiele_Get_Spiel(h, 1));

    Spiele_Ergebnisse_Loeschen(b);
    EXPECT_EQ(Spiele_Get_Spiel(h, 0)->heim, SPIELE_KEIN_TEAM);
    EXPECT_EQ(Spiele_Get_Spiel(h, 0)->gast, 3);
    EXPECT_EQ(Spiele_Get_Spiel(h, 0)->heim_tore, -1);
    Spiele_Spiel_Clear(h);
    EXPECT_EQ(Spiele_Get_Spiel(h, 0), nullptr);
}

TEST_F(SpieleTest, InsertingMovesEveryLockIntoTheGrownBlock)
{
    int32_t b = Spiele_Init_Neue_Spiele(1, 4, 2, 1, LIGA, -1);
    ergebnis(b, 0, 0, 1, 2, -1, 0);
    ergebnis(b, 0, 1, 3, 4, -1, 0);
    ergebnis(b, 1, 0, 2, 1, -1, 0);
    ergebnis(b, 1, 1, 4, 3, -1, 0);
    // Locks before and behind the insertion point.
    int32_t vor = Spiele_Lock(b, 0, 0, 0), hinter = Spiele_Lock(b, 1, 1, 0);
    Spiele_Unlock(hinter);
    hinter = Spiele_Lock(b, 1, 0, 1);
    EXPECT_EQ(Spiele_Spiel_Einfuegen(1, b, LIGA, 0, 0, 5, 6), b);
    EXPECT_EQ(Spiele_Get_Anzahl_Spiele(b), 5);
    EXPECT_EQ(Spiele_Get_Spiel(vor, 0)->heim, 1);
    EXPECT_EQ(Spiele_Get_Spiel(hinter, 0)->heim, 4);
    int32_t neu = Spiele_Lock(b, 0, 0, 2);
    ASSERT_NE(neu, 0);
    EXPECT_EQ(Spiele_Get_Spiel(neu, 0)->heim, 5);
    EXPECT_EQ(Spiele_Get_Spiel(neu, 0)->heim_tore, -1);
    EXPECT_EQ(Spiele_Get_Block_Kopf(b)->spieltage, 2u);

    // A new day in front of day 1 pushes the later days on; the locks follow again.
    Spiele_Spiel_Einfuegen(1, b, LIGA, 1, 1, 7, 8);
    EXPECT_EQ(Spiele_Get_Block_Kopf(b)->spieltage, 3u);
    EXPECT_EQ(Spiele_Get_Spiel(vor, 0)->heim, 1);
    EXPECT_EQ(Spiele_Get_Spiel(hinter, 0)->heim, 4);
    EXPECT_EQ(Spiele_Get_Spiel(hinter, 0)->spieltag, 2);
    EXPECT_EQ(Spiele_Get_Spiel(neu, 0)->heim, 5);
    int32_t tag1 = Spiele_Lock(b, 1, 0, 0);
    EXPECT_EQ(Spiele_Get_Spiel(tag1, 0)->heim, 7);
    // Writes through the moved handles land in the live block.
    Spiele_Set_Ergebnis(vor, 3, 3, 0);
    int32_t wieder = Spiele_Lock(b, 0, 0, 0);
    EXPECT_EQ(Spiele_Get_Spiel(wieder, 0)->heim_tore, 3);

    // Inserting into an unknown block makes a new one.
    int32_t c = Spiele_Spiel_Einfuegen(0, 55, POKAL_R1, 0, 0, 8, 9);
    ASSERT_GE(c, 0);
    EXPECT_NE(c, b);
    EXPECT_EQ(Spiele_Get_Anzahl_Spiele(c), 1);
}

TEST_F(SpieleTest, EventsScoreAndCursor)
{
    Fehler_Capture cap;
    int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    int32_t h = Spiele_Lock(b, 0, 0, 0);
    Spiele_Set_Teams(h, 1, 2);
    Spiele_Set_Ereignis(h, SPE_TOR, 5, 3, 0);
    EXPECT_TRUE(cap.contains("Ereignis Speicher für dieses Spiel nicht vorbereitet\n"));
    Spiele_Ereignis_Speicher_Reservieren(h);
    Spiele_Tore_Nullen(h);
    for (int32_t i = 0; i < 160; ++i) Spiele_Set_Ereignis(h, SPE_CHANCE, i % 90, i, -i);
    // The 161st event is lost, its goal counts.
    Spiele_Set_Ereignis(h, SPE_TOR | SPE_HEIM, 91, 4, 0);
    const Spiele_Spiel* s = Spiele_Get_Spiel(h, 0);
    EXPECT_EQ(s->ereignis_anzahl, 160);
    EXPECT_EQ(s->heim_tore, 1);

    int32_t g = Spiele_Lock(b, 0, 0, 1);
    Spiele_Set_Teams(g, 3, 0);
    Spiele_Ereignis_Speicher_Reservieren(g);
    Spiele_Tore_Nullen(g);
    Spiele_Set_Minute(g, 30);
    Spiele_Set_Ereignis(g, SPE_TOR | SPE_HEIM, 255, 10, 11);
    Spiele_Set_Ereignis(g, SPE_TOR, 60, 20, -300);
    Spiele_Set_Ereignis(g, SPE_TOR, 88, 21, 0);
    int32_t ht = 0, gt = 0;
    EXPECT_TRUE(Spiele_Get_Spielstand(g, -1, 60, &ht, &gt));
    EXPECT_EQ(ht, 1);
    EXPECT_EQ(gt, 1);
    EXPECT_FALSE(Spiele_Get_Spielstand(g, -1, -1, nullptr, &gt));
    const Spiele_Spiel* bis = Spiele_Get_Spiel_Tore_Bis_Minute(g, 31, -1);
    EXPECT_EQ(bis->heim_tore, 0);
    EXPECT_EQ(bis->gast_tore, 2);

    Spiele_Ereignis_Info info{};
    ASSERT_TRUE(Spiele_Get_Erstes_Ereignis(g, &info));
    EXPECT_EQ(info.minute, 30);  // the running minute
    EXPECT_EQ(info.spieler_2, 11);
    ASSERT_TRUE(Spiele_Get_Naechstes_Ereignis(&info));
    EXPECT_EQ(info.spieler_2, -300);
    ASSERT_TRUE(Spiele_Get_Naechstes_Ereignis(&info));
    EXPECT_EQ(info.minute, 88);
    EXPECT_FALSE(Spiele_Get_Naechstes_Ereignis(&info));

    // Compacting moves a run down behind the last used event.
    int32_t k = 0, n = 0;
    Spiele_Get_Ereignis_Anzahl(&k, &n);
    EXPECT_EQ(n, 1 + 2 * 160);
    int32_t x = Spiele_Lock(b, 1, 0, 0);
    Spiele_Ereignis_Speicher_Reservieren(x);
    Spiele_Set_Ereignis(x, SPE_GELB, 12, 7, 0);
    uint32_t erstes = Spiele_Ereignis_Speicher_Packen(g);
    EXPECT_EQ(erstes, 161u);  // already right behind the first match
    EXPECT_EQ(Spiele_Ereignis_Speicher_Packen(x), 161u + 3u);
    Spiele_Get_Ereignis_Anzahl(&k, &n);
    EXPECT_EQ(n, 165);
    ASSERT_TRUE(Spiele_Get_Erstes_Ereignis(x, &info));
    EXPECT_EQ(info.flags, uint32_t(SPE_GELB));

    // The array grows by a fifth when the runs fill it; stored events survive.
    int32_t weitere = Spiele_Init_Neue_Spiele(1, 254, 5, 1, LIGA, -1);
    for (int32_t i = 0; i < 512; ++i) {
        int32_t l = Spiele_Lock_Index(weitere, i);
        Spiele_Ereignis_Speicher_Reservieren(l);
        Spiele_Unlock(l);
    }
    Spiele_Get_Ereignis_Anzahl(&k, &n);
    EXPECT_EQ(k, 86400);
    ASSERT_TRUE(Spiele_Get_Erstes_Ereignis(g, &info));
    EXPECT_EQ(info.spieler_1, 10);

    Spiele_Ereignisse_Zuruecksetzen();
    Spiele_Get_Ereignis_Anzahl(&k, &n);
    EXPECT_EQ(n, 1);
}

// Packing finds the last stored event across long empty stretches (games that stored nothing),
// wherever it lies, and an event record without flags is no stored event.
TEST_F(SpieleTest, PackingLandsRightBehindTheLastStoredEventAcrossEmptyRuns)
{
    const int32_t b = Spiele_Init_Neue_Spiele(1, 254, 5, 1, LIGA, -1);
    int32_t naechstes = 0;
    for (int32_t vorne = 1; vorne <= 40; ++vorne) {
        const int32_t a = Spiele_Lock_Index(b, naechstes++);
        Spiele_Ereignis_Speicher_Reservieren(a);
        const uint32_t a_ab = Spiele_Get_Spiel(a, 1)->erstes_ereignis;
        // only the last of its records holds a flag (one in the top byte): it lies at every
        // place of a block in turn
        for (int32_t i = 0; i < vorne; ++i) Spiele_Set_Ereignis(a, i + 1 == vorne ? 1u << 24 : 0, i, 10 + i, 0);
        for (int32_t leer = 0; leer < 5; ++leer) {
            const int32_t l = Spiele_Lock_Index(b, naechstes++);
            Spiele_Ereignis_Speicher_Reservieren(l);
            if (leer == 2) Spiele_Set_Ereignis(l, 0, 5, 99, 98);
            Spiele_Unlock(l);
        }
        const int32_t h = Spiele_Lock_Index(b, naechstes++);
        Spiele_Ereignis_Speicher_Reservieren(h);
        Spiele_Set_Ereignis(h, SPE_GELB, 12, 7, 0);
        Spiele_Set_Ereignis(h, SPE_ROT, 70, 8, 0);
        ASSERT_EQ(Spiele_Ereignis_Speicher_Packen(h), a_ab + uint32_t(vorne)) << vorne;
        Spiele_Ereignis_Info info{};
        ASSERT_TRUE(Spiele_Get_Erstes_Ereignis(h, &info));
        EXPECT_EQ(info.spieler_1, 7);
        ASSERT_TRUE(Spiele_Get_Naechstes_Ereignis(&info));
        EXPECT_EQ(info.flags, uint32_t(SPE_ROT));
        EXPECT_FALSE(Spiele_Get_Naechstes_Ereignis(&info));
        Spiele_Unlock(a);
        Spiele_Unlock(h);
    }
}

// A match day packs its games one after another, each behind the last one packed; whatever is
// written between two packs (an event of a game packed before, a cleared array) moves the next
// one's place, and a game packed out of turn lands behind every stored event all the same.
TEST_F(SpieleTest, PackingInTurnFollowsEveryWriteBetweenThePacks)
{
    const int32_t b = Spiele_Init_Neue_Spiele(1, 254, 5, 1, LIGA, -1);
    std::vector<int32_t> h;
    for (int32_t i = 0; i < 8; ++i) {
        h.push_back(Spiele_Lock_Index(b, i));
        Spiele_Ereignis_Speicher_Reservieren(h.back());
    }
    auto erstes = [&](int32_t i) { return Spiele_Get_Spiel(h[size_t(i)], 1)->erstes_ereignis; };
    auto lesen = [&](int32_t i) {
        std::vector<int32_t> v;
        Spiele_Ereignis_Info info{};
        for (bool da = Spiele_Get_Erstes_Ereignis(h[size_t(i)], &info); da; da = Spiele_Get_Naechstes_Ereignis(&info))
            v.push_back(info.spieler_1);
        return v;
    };
    // games 0, 2, 3 and 5 store events, the last record of game 2's run without flags
    Spiele_Set_Ereignis(h[0], SPE_GELB, 10, 100, 0);
    Spiele_Set_Ereignis(h[0], SPE_GELB, 20, 101, 0);
    Spiele_Set_Ereignis(h[2], SPE_ROT, 30, 102, 0);
    Spiele_Set_Ereignis(h[2], 0, 31, 103, 0);
    Spiele_Set_Ereignis(h[3], SPE_GELB, 40, 104, 0);
    Spiele_Set_Ereignis(h[5], SPE_GELB, 50, 105, 0);
    EXPECT_EQ(Spiele_Ereignis_Speicher_Packen(h[0]), 1u);
    EXPECT_EQ(Spiele_Ereignis_Speicher_Packen(h[1]), erstes(1));  // nothing stored: stays
    EXPECT_EQ(Spiele_Ereignis_Speicher_Packen(h[2]), 3u);
    // the record without flags is no stored event: the next run starts on it
    EXPECT_EQ(Spiele_Ereignis_Speicher_Packen(h[3]), 4u);
    // game 3 stores one more event after its pack, right behind its run
    Spiele_Set_Ereignis(h[3], SPE_GELB, 60, 106, 0);
    EXPECT_EQ(Spiele_Ereignis_Speicher_Packen(h[5]), 6u);
    EXPECT_EQ(lesen(3), std::vector<int32_t>({104, 106}));
    EXPECT_EQ(lesen(5), std::vector<int32_t>({105}));
    // out of turn: game 7 first (behind game 6's run, which holds an event), then game 6 below it
    Spiele_Set_Ereignis(h[6], SPE_ROT, 80, 108, 0);
    Spiele_Set_Ereignis(h[7], SPE_ROT, 70, 107, 0);
    EXPECT_EQ(Spiele_Ereignis_Speicher_Packen(h[7]), erstes(6) + 1);
    EXPECT_EQ(Spiele_Ereignis_Speicher_Packen(h[6]), 7u);
    EXPECT_EQ(lesen(7), std::vector<int32_t>({107}));
    EXPECT_EQ(lesen(6), std::vector<int32_t>({108}));
    // a cleared array: the next game with events is packed to the very start
    Spiele_Ereignisse_Zuruecksetzen();
    const int32_t leer = Spiele_Lock_Index(b, 8), neu = Spiele_Lock_Index(b, 9);
    Spiele_Ereignis_Speicher_Reservieren(leer);
    Spiele_Ereignis_Speicher_Reservieren(neu);
    Spiele_Set_Ereignis(neu, SPE_GELB, 5, 109, 0);
    EXPECT_EQ(Spiele_Ereignis_Speicher_Packen(neu), 1u);
    Spiele_Unlock(leer);
    Spiele_Unlock(neu);
    for (int32_t x : h) Spiele_Unlock(x);
}

// A tie decided on penalties stores the kicks that scored among its goals: 1:1 after extra time
// and 6:7 on penalties is stored as 7:8. It reads as the score after extra time with the
// shoot-out apart, and its live goals the same way.
TEST_F(SpieleTest, AShootOutStandsApartFromTheScoreAfterExtraTime)
{
    int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    int32_t h = Spiele_Lock(b, 0, 0, 0);
    Spiele_Set_Teams(h, 1, 2);
    Spiele_Ereignis_Speicher_Reservieren(h);
    Spiele_Tore_Nullen(h);
    Spiele_Set_Ereignis(h, SPE_TOR | SPE_CHANCE | SPE_HEIM, 20, 4, 32767);
    Spiele_Set_Ereignis(h, SPE_TOR | SPE_CHANCE, 110, 14, 32767);
    EXPECT_STREQ(Spiele_Get_Ergebnis_Text(h, 1), "1:1 ");
    Spiele_Get_Spiel(h, 1)->ergebnis_art |= SPIELE_ART_NV | SPIELE_ART_NE;
    for (int32_t i = 0; i < 7; ++i) {
        if (i < 6) Spiele_Set_Ereignis(h, SPE_TOR | SPE_HEIM, 120, 5 + i, 32767);
        Spiele_Set_Ereignis(h, SPE_TOR, 120, 15 + i, 32767);
    }
    const Spiele_Spiel* s = Spiele_Get_Spiel(h, 1);
    ASSERT_EQ(s->heim_tore, 7);
    ASSERT_EQ(s->gast_tore, 8);
    const Spiele_Stand st = Spiele_Get_Stand(s);
    EXPECT_EQ(std::vector<int32_t>({st.heim, st.gast, st.elf_heim, st.elf_gast}), std::vector<int32_t>({1, 1, 6, 7}));
    EXPECT_STREQ(Spiele_Get_Ergebnis_Text(h, 1), "1:1 n.E. 6:7");
    EXPECT_STREQ(Spiele_Get_Ergebnis_Text(h, 0), "n.E. 6:7");
    // A live record counts the goals itself, the kicks among them.
    const Spiele_Stand live = Spiele_Get_Stand_Tore(s, 7, 8);
    EXPECT_EQ(std::vector<int32_t>({live.heim, live.gast, live.elf_heim, live.elf_gast}), std::vector<int32_t>({1, 1, 6, 7}));
    EXPECT_STREQ(Spiele_Stand_Text(h, 7, 8), "1:1 n.E. 6:7");
    // while the kicks are still taken
    EXPECT_STREQ(Spiele_Stand_Text(h, 7, 8, true), "1:1 i.E. 6:7");
    // A match in normal time, or not played, stands as stored.
    Spiele_Get_Spiel(h, 1)->ergebnis_art = SPIELE_ART_NV;
    EXPECT_STREQ(Spiele_Get_Ergebnis_Text(h, 1), "7:8 n.V.");
    EXPECT_EQ(Spiele_Get_Stand(Spiele_Get_Spiel(h, 1)).elf_heim, -1);
    EXPECT_EQ(Spiele_Get_Stand(nullptr).elf_heim, -1);
    EXPECT_STREQ(Spiele_Stand_Text(h, 7, 8), "7:8");
    EXPECT_STREQ(Spiele_Stand_Text(0, 2, 1), "2:1");
}

TEST_F(SpieleTest, DeletingABlockKeepsOtherCompetitionsCounters)
{
    Fehler_Capture cap;
    int32_t r1 = Spiele_Init_Neue_Spiele(0, 8, 1, 1, POKAL_R1, -1);
    int32_t r2 = Spiele_Init_Neue_Spiele(0, 4, 2, 1, POKAL_R2, -1);
    int32_t liga = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    Spiele_Set_Wettbewerb_Ereignis(POKAL_R1, 5, KARTE_EINSAETZE, 3);
    Spiele_Set_Wettbewerb_Ereignis(LIGA, 5, KARTE_EINSAETZE, 7);
    // Block ids are small numbers, so the old key range of a block hit the league's counters.
    ASSERT_EQ(liga, 2);

    Spiele_Wettbewerb_Loeschen(r1);
    EXPECT_EQ(Spiele_Get_Wettbewerb_Ereignis(POKAL_R2, KARTE_EINSAETZE, -1, 5, -1, -1), 3);
    Spiele_Wettbewerb_Loeschen(r2);
    EXPECT_EQ(Spiele_Get_Wettbewerb_Ereignis(POKAL_R1, KARTE_EINSAETZE, -1, 5, -1, -1), 0);
    EXPECT_EQ(Spiele_Get_Wettbewerb_Ereignis(LIGA, KARTE_EINSAETZE, -1, 5, -1, -1), 7);
    EXPECT_EQ(Spiele_Get_Anzahl_Spiele(r1), 0);
    Spiele_Wettbewerb_Loeschen(r1);
    EXPECT_TRUE(cap.contains("Wettbewerb löschen: Wettbewerb existiert nicht!\n"));
    EXPECT_EQ(Spiele_Get_Anzahl_Spiele(liga), 12);
}

// A day's locks take what locks of single slots take: with a slot held twice, and after the block
// grew behind the walk's back.
TEST_F(SpieleTest, ADaysLocksTakeWhatSingleLocksTake)
{
    const int32_t b = Spiele_Init_Neue_Spiele(1, 6, 4, 2, LIGA, -1);
    auto spiel = [](int32_t h) {
        const Spiele_Spiel* s = h ? Spiele_Get_Spiel(h, 1) : nullptr;
        if (h) Spiele_Unlock(h);
        return s;
    };
    const int32_t h = Spiele_Lock(b, 1, 1, 2);
    Spiele_Get_Spiel(h, 1)->slot = 0;
    Spiele_Unlock(h);
    for (int32_t tag = 0; tag < 4; ++tag) {
        const Spiele_Tag_Locks locks(b, tag, 1);
        if (tag == 3) {
            ASSERT_EQ(Spiele_Spiel_Einfuegen(1, b, LIGA, 3, 3, 4, 5), b);
        }
        for (int32_t slot = -1; slot <= 130; ++slot)
            EXPECT_EQ(spiel(locks.lock(slot)), spiel(Spiele_Lock(b, tag, 1, slot))) << tag << "/" << slot;
    }
}

TEST_F(SpieleTest, ANewLockTakesTheLowestFreeHandle)
{
    const int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    for (int32_t i = 1; i <= 5; ++i) ASSERT_EQ(Spiele_Lock(b, 0, 0, 0), i);
    Spiele_Unlock(4);
    Spiele_Unlock(2);
    EXPECT_EQ(Spiele_Lock(b, 0, 0, 1), 2);
    EXPECT_EQ(Spiele_Lock(b, 1, 0, 0), 4);
    Spiele_Spiel_Clear(3);
    EXPECT_EQ(Spiele_Lock(b, 1, 0, 0), 3);
    Spiele_Unlock(-1);
    EXPECT_EQ(Spiele_Lock(b, 2, 0, 0), 1);
}

TEST_F(SpieleTest, RefusesWorkBeforeInit)
{
    Spiele_Freigeben();
    Fehler_Capture cap;
    EXPECT_EQ(Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1), -1);
    EXPECT_EQ(Spiele_Lock(0, 0, 0, 0), 0);
    EXPECT_TRUE(cap.contains("Spiele Objekt nicht initialisiert.\n"));
    Spiele_Init();
}

}  // namespace
