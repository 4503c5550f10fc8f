// The match data page's texts and list, and the clock box, over a game of the store.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "common/schiedsrichter_liste.h"
#include "competitions/spiele_welt.h"
#include "graphics/font.h"
#include "tests/matchview/spielszenen_dateien.h"
#include "database/personal.h"
#include "graphics/grafik_bitmap.h"
#include "match/spielfeld.h"
#include "match/pitch/spielfeld_daten.h"
#include "matchview/lineup/spieldaten.h"

namespace {

using namespace spielwelt;

std::vector<std::string> texte;
struct Stelle {
    int32_t x, y;
    std::string text;
};
std::vector<Stelle> stellen;
void merken(const Rastport*, int32_t x, int32_t y, const char* t)
{
    texte.emplace_back(t);
    stellen.push_back({x, y, t});
}

bool gedruckt(const std::string& teil)
{
    for (const std::string& t : texte)
        if (t.find(teil) != std::string::npos) return true;
    return false;
}

class Spieldaten : public Spielwelt {
protected:
    std::unique_ptr<Spielfeld_Record> r = std::make_unique<Spielfeld_Record>();
    int32_t h = 0;
    void SetUp() override
    {
        Spielwelt::SetUp();
        texte.clear();
        Spieldaten_Set_Text_Hook(merken);
        Screen_Phase_Vor_Spiel = Screen_Phase_Kabine = Screen_Phase_Nach_Spiel = 0;
        const int32_t block = Spiele_Init_Neue_Spiele(1, 4, 20, 1, LIGA, -1);
        h = Spiele_Lock(block, 0, 0, 0);
        Spiele_Set_Teams(h, 1, 2);
        Spiele_Ereignis_Speicher_Reservieren(h);
        r->team[0] = 1;
        r->team[1] = 2;
        r->spiel = uint32_t(h);
    }
    void TearDown() override
    {
        Spieldaten_Set_Text_Hook(nullptr);
        Screen_Phase_Vor_Spiel = Screen_Phase_Kabine = Screen_Phase_Nach_Spiel = 0;
        Spielwelt::TearDown();
    }
    Spieldaten_Ziel zeichnen()
    {
        texte.clear();
        Spieldaten_Ziel z;
        Spieldaten_Zeichnen(r.get(), z);
        return z;
    }
};

TEST_F(Spieldaten, CountsTakeSingularOrPluralAndPossessionNeedsPlayedTime)
{
    r->freistoesse[0] = 1;
    r->freistoesse[1] = 2;
    r->fouls[0] = 1;
    r->fouls[1] = 4;
    r->gelb[0] = 1;
    r->ecken[0] = 1;
    r->ecken[1] = 3;
    r->elfmeter[0] = 1;
    r->statistik[3][2] = 1;   // one home chance
    r->statistik[20][2] = 2;  // two away chances
    r->statistik[3][5] = 10;
    r->statistik[20][5] = 20;
    zeichnen();
    for (const char* t : {"1 Freistoß", "2 Freistöße", "1 Foul", "4 Fouls", "1 Gelbe Karte", "0 Gelbe Karten", "1 Ecke",
                          "3 Ecken", "1 Chance", "2 Chancen", "1 Elfmeter", "0 Elfmeter", "0 Rote Karten", "0 Gelb-Rote Karten"})
        EXPECT_TRUE(gedruckt(t)) << t;
    EXPECT_FALSE(gedruckt("1 Fouls"));
    EXPECT_FALSE(gedruckt("Ballbesitz")) << "nothing played yet";
    r->sekunden = 1;
    zeichnen();
    EXPECT_TRUE(gedruckt("33% Ballbesitz"));
    EXPECT_TRUE(gedruckt("67% Ballbesitz"));
}

TEST_F(Spieldaten, SpectatorsGetAThousandsPointOnlyFromAThousand)
{
    for (const auto& [zahl, text] : std::vector<std::pair<uint32_t, std::string>>{
             {12345, "Zuschauer: 12.345"}, {999, "Zuschauer: 999"}, {1000, "Zuschauer: 1.000"}, {100007, "Zuschauer: 100.007"}}) {
        Spiele_Set_Zuschauer(h, zahl);
        zeichnen();
        EXPECT_TRUE(gedruckt(text)) << zahl;
    }
    // Without a match record the match line and the crowd are left out, the rest stays.
    r->spiel = 0;
    zeichnen();
    EXPECT_FALSE(gedruckt("Zuschauer"));
    EXPECT_FALSE(gedruckt("spielt gegen"));
    EXPECT_TRUE(gedruckt("Schiedsrichter: "));
}

TEST_F(Spieldaten, EventListCountsGoalsAndCardsAndScrollsOnlyPastAHundredPixels)
{
    auto box = Grafik_Bitmap_Anlegen(530, 120, 16);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Spiele_Ereignisse_Zaehlen(h), 0);
    Spiele_Set_Ereignis(h, SPE_TOR | SPE_HEIM, 10, 3, 32767);
    Spiele_Set_Ereignis(h, SPE_CHANCE, 11, 4, 32767);  // a chance alone is no row
    Spiele_Set_Ereignis(h, SPE_GELB, 20, 5, 32767);
    Spiele_Set_Ereignis(h, SPE_TOR, 30, 6, 7);
    EXPECT_EQ(Spiele_Ereignisse_Zaehlen(h), 3);
    Spieldaten_Ziel z;
    z.unten = box;
    texte.clear();
    Spieldaten_Zeichnen(r.get(), z);
    EXPECT_EQ(z.liste_hoehe, 4 * 14);
    EXPECT_FALSE(z.rollbalken);
    EXPECT_TRUE(gedruckt("1^tl0037:^tl00410"));
    EXPECT_TRUE(gedruckt("1^tl0037:^tl00411"));
    EXPECT_TRUE(gedruckt("Ereignisse im Spiel"));
    // Six rows and the heading fit into 98 pixels; the seventh row needs the scroll bar.
    Spiele_Set_Ereignis(h, SPE_ROT, 40, 8, 32767);
    Spiele_Set_Ereignis(h, SPE_GELBROT, 50, 9, 32767);
    Spiele_Set_Ereignis(h, SPE_GELB | SPE_HEIM, 60, 10, 32767);
    Spieldaten_Zeichnen(r.get(), z);
    EXPECT_EQ(z.liste_hoehe, 98);
    EXPECT_FALSE(z.rollbalken);
    Spiele_Set_Ereignis(h, SPE_GELB | SPE_HEIM, 70, 11, 32767);
    Spieldaten_Zeichnen(r.get(), z);
    EXPECT_TRUE(z.rollbalken);
    Grafik_Bitmap_Freigeben(box);
}

// A game decided on penalties: its scored kicks (goals without a shot) follow the match's events
// under a row of their own, counted from 0:0 and without a minute; the match's score stops at the
// draw.
TEST_F(Spieldaten, AShootOutsKicksStandApartWithTheirOwnScore)
{
    auto box = Grafik_Bitmap_Anlegen(530, 120, 16);
    ASSERT_NE(box, nullptr);
    Spiele_Set_Ereignis(h, SPE_CHANCE | SPE_TOR | SPE_HEIM, 10, 3, 32767);
    Spiele_Set_Ereignis(h, SPE_GELB, 20, 5, 32767);
    Spiele_Set_Ereignis(h, SPE_CHANCE | SPE_TOR, 80, 6, 7);
    Spiele_Set_Ereignis(h, SPE_TOR | SPE_HEIM, 120, 4, 32767);
    Spiele_Set_Ereignis(h, SPE_TOR, 120, 8, 32767);
    Spiele_Set_Ereignis(h, SPE_TOR | SPE_HEIM, 120, 9, 32767);
    Spiele_Get_Spiel(h, 1)->ergebnis_art |= SPIELE_ART_NE;
    Spieldaten_Ziel z;
    z.unten = box;
    stellen.clear();
    texte.clear();
    Spieldaten_Zeichnen(r.get(), z);
    EXPECT_EQ(z.liste_hoehe, (6 + 1 + 1) * 14);
    std::vector<std::string> zeilen;
    for (const Stelle& s : stellen)
        if (s.text.find("^tl0037:") != std::string::npos || s.text.find("Elfmeterschießen") != std::string::npos) zeilen.push_back(s.text);
    ASSERT_EQ(zeilen.size(), 6u);
    auto stand = [](const std::string& t, const char* s) { return t.find(s) != std::string::npos; };
    EXPECT_TRUE(stand(zeilen[0], "1^tl0037:^tl00410") && stand(zeilen[0], "10^tl0068.Minute"));
    EXPECT_TRUE(stand(zeilen[1], "1^tl0037:^tl00411") && stand(zeilen[1], "80^tl0068.Minute"));
    EXPECT_TRUE(stand(zeilen[2], "Elfmeterschießen"));
    for (size_t i = 3; i < 6; ++i) EXPECT_FALSE(stand(zeilen[i], "Minute")) << zeilen[i];
    EXPECT_TRUE(stand(zeilen[3], "1^tl0037:^tl00410"));
    EXPECT_TRUE(stand(zeilen[4], "1^tl0037:^tl00411"));
    EXPECT_TRUE(stand(zeilen[5], "2^tl0037:^tl00411"));
    EXPECT_FALSE(gedruckt("3^tl0037:^tl00412")) << "a kick counted as a goal of the match";
    // the same goals in a game that ended in play are all the match's
    Spiele_Get_Spiel(h, 1)->ergebnis_art &= ~uint8_t(SPIELE_ART_NE);
    texte.clear();
    Spieldaten_Zeichnen(r.get(), z);
    EXPECT_EQ(z.liste_hoehe, (6 + 1) * 14);
    EXPECT_FALSE(gedruckt("Elfmeterschießen"));
    EXPECT_TRUE(gedruckt("3^tl0037:^tl00412"));
    Grafik_Bitmap_Freigeben(box);
}

TEST(SpieldatenListe, RepeatedLinesGoAndTheOffsetNeverDividesByNothing)
{
    char zeilen[6][256] = {"a", "b", "a", "c", "b", "a"};
    ASSERT_EQ(Spieldaten_Doppelte_Entfernen(zeilen, 6), 3);
    EXPECT_STREQ(zeilen[0], "a");
    EXPECT_STREQ(zeilen[1], "b");
    EXPECT_STREQ(zeilen[2], "c");
    EXPECT_EQ(Spieldaten_Doppelte_Entfernen(zeilen, 0), 0);
    // Knob at the bottom of a 100-pixel track with a 20-pixel knob: the last rows show.
    EXPECT_EQ(Spieldaten_Listen_Versatz(240, 160, 100, 20, 300, 96), 204);
    EXPECT_EQ(Spieldaten_Listen_Versatz(160, 160, 100, 20, 300, 96), 0);
    // A knob as tall as its track, or taller, scrolls nothing.
    EXPECT_EQ(Spieldaten_Listen_Versatz(170, 160, 20, 20, 300, 96), 0);
    EXPECT_EQ(Spieldaten_Listen_Versatz(170, 160, 10, 20, 300, 96), 0);
}

// The list's window shows whole rows only: none cut by its lower edge (the descenders of the row
// below), none cut at the top while scrolled; the list's own end closes its last row.
TEST(SpieldatenListe, TheWindowShowsWholeRowsOnly)
{
    auto fenster = [](int32_t versatz, int32_t hoehe, int32_t erste, int32_t abstand) {
        const Spieldaten_Zeilen_Fenster f = Spieldaten_Ganze_Zeilen(versatz, 96, hoehe, erste, abstand);
        return std::pair{f.von, f.bis};
    };
    // event rows begin at 14 every 12 pixels: at the top the heading and six rows, the seventh
    // (to 98) waits
    EXPECT_EQ(fenster(0, 126, 14, 12), std::pair(0, 86));
    EXPECT_EQ(fenster(5, 126, 14, 12), std::pair(14, 98));
    EXPECT_EQ(fenster(26, 126, 14, 12), std::pair(26, 122));
    EXPECT_EQ(fenster(0, 56, 14, 12), std::pair(0, 56));
    // series rows begin at 11 every 14 pixels
    EXPECT_EQ(fenster(0, 200, 11, 14), std::pair(0, 95));
    EXPECT_EQ(fenster(12, 200, 11, 14), std::pair(25, 95));
    // no whole row fits, or no pitch: nothing to show
    const Spieldaten_Zeilen_Fenster eng = Spieldaten_Ganze_Zeilen(15, 5, 200, 14, 12);
    EXPECT_LE(eng.bis, eng.von);
    const Spieldaten_Zeilen_Fenster leer = Spieldaten_Ganze_Zeilen(0, 96, 200, 14, 0);
    EXPECT_LE(leer.bis, leer.von);
}

// Eight events at the top of the list: the box shows the heading and six whole rows; the seventh,
// whose descenders would reach past the window, leaves the box's pixels below the sixth alone.
TEST_F(Spieldaten, TheEventListDrawsNoRowPastItsWindow)
{
    auto box = Grafik_Bitmap_Anlegen(530, 120, 16);
    ASSERT_NE(box, nullptr);
    for (int32_t i = 0; i < 8; ++i) Spiele_Set_Ereignis(h, SPE_TOR | SPE_HEIM, 10 + i, 3 + i, 32767);
    Spieldaten_Ziel z;
    z.unten = box;
    z.schiene_y = z.knopf_y = 160;
    z.schiene_hoehe = 100;
    z.knopf_hoehe = 20;
    Spieldaten_Zeichnen(r.get(), z);
    ASSERT_TRUE(z.rollbalken);
    auto gezeichnet = [&](int32_t von, int32_t bis) {
        const auto* p = static_cast<const uint16_t*>(box->pixels);
        int32_t n = 0;
        for (int32_t y = von; y < bis; ++y)
            for (int32_t x = 0; x < int32_t(box->width); ++x) n += p[y * int32_t(box->width) + x] != 0;
        return n;
    };
    EXPECT_GT(gezeichnet(8, 8 + 86), 0) << "no rows in the box";
    EXPECT_EQ(gezeichnet(8 + 86, 120), 0) << "a row cut by the window's edge";
    Grafik_Bitmap_Freigeben(box);
}

TEST_F(Spieldaten, ClockBoxShowsTheMinuteOrThePhase)
{
    r->minute = 37;
    r->tore[0] = 2;
    r->tore[1] = 1;
    Screen_Minutenanzeige_Zeichnen(nullptr, r.get());
    EXPECT_TRUE(gedruckt("2:1"));
    EXPECT_TRUE(gedruckt("37. Minute"));
    const std::pair<uint8_t*, const char*> phasen[] = {{&Screen_Phase_Vor_Spiel, "vor dem Spiel..."},
                                                       {&Screen_Phase_Kabine, "in der Kabine..."},
                                                       {&Screen_Phase_Nach_Spiel, "nach dem Spiel..."}};
    for (const auto& [flag, text] : phasen) {
        *flag = 1;
        texte.clear();
        Screen_Minutenanzeige_Zeichnen(nullptr, r.get());
        EXPECT_TRUE(gedruckt(text)) << text;
        EXPECT_FALSE(gedruckt("Minute")) << text;
        *flag = 0;
    }
    // The dressing room outranks the other phases.
    Screen_Phase_Kabine = Screen_Phase_Nach_Spiel = 1;
    texte.clear();
    Screen_Minutenanzeige_Zeichnen(nullptr, r.get());
    EXPECT_TRUE(gedruckt("in der Kabine..."));
}

// The page names the referee the day gave the stored game, with his two ratings.
TEST_F(Spieldaten, TheRefereeIsTheStoredGamesOne)
{
    const std::vector<uint8_t> liste = Test_Schiedsrichter_Liste({3, 7});
    Personal_Init();
    ASSERT_TRUE(Personal_Liste_Einlesen(liste.data(), uint32_t(liste.size())));
    Spiele_Get_Spiel(h, 1)->schiedsrichter = 7;
    zeichnen();
    Personal_DeInit();
    EXPECT_TRUE(gedruckt("Schiedsrichter: Pfeife 7, ")) << texte.size();
    EXPECT_FALSE(gedruckt("nicht definiert"));
}

// A client holds no stored game of the match: its page names the referee the record brought
// from the server, who was taken from the stored game when the record was set up.
TEST_F(Spieldaten, WithoutAStoredGameTheRecordNamesTheReferee)
{
    const std::vector<uint8_t> liste = Test_Schiedsrichter_Liste({3, 7});
    Personal_Init();
    ASSERT_TRUE(Personal_Liste_Einlesen(liste.data(), uint32_t(liste.size())));
    Spiele_Get_Spiel(h, 1)->schiedsrichter = 7;
    Spielfeld_Umgebung_Setzen(r.get(), Spiele_Get_Spiel(h, 0));
    r->spiel = 0;
    zeichnen();
    Personal_DeInit();
    EXPECT_TRUE(gedruckt("Schiedsrichter: Pfeife 7, ")) << texte.size();
    EXPECT_FALSE(gedruckt("unbekannt"));
}

// The statistics columns with counts of two digits, in the program's own fonts: each text ends
// before the next column of its row begins, the last one inside the box.
class SpieldatenSchrift : public Spieldaten {
protected:
    static inline Spielszenen_Dateien_Sitzung sitzung;
    static void SetUpTestSuite() { sitzung.oeffnen(); }
    static void TearDownTestSuite() { sitzung.schliessen(); }
};

TEST_F(SpieldatenSchrift, TheStatisticsColumnsKeepApart)
{
    for (int32_t s = 0; s < 2; ++s) {
        r->gelb[s] = 10, r->rot[s] = 2, r->gelb_rot[s] = 3;
        r->freistoesse[s] = 18, r->fouls[s] = 22, r->elfmeter[s] = 2, r->ecken[s] = 14;
        for (int32_t k = 0; k < 16; ++k) r->statistik[16 * s + k][2] = 1, r->statistik[16 * s + k][5] = 3;
    }
    r->minute = 80;
    Font_Record* fo = Font(SPIELDATEN_SPALTEN_FONT);
    ASSERT_NE(fo, nullptr);
    stellen.clear();
    zeichnen();
    const std::vector<int32_t> spalten = {22, 128, 194, 290, 396, 462, 536};
    int32_t geprueft = 0;
    for (const Stelle& st : stellen) {
        const auto naechste = std::upper_bound(spalten.begin(), spalten.end(), st.x);
        if (std::find(spalten.begin(), spalten.end(), st.x) == spalten.end() || naechste == spalten.end()) continue;
        const std::string t = st.text.substr(st.text.find_first_not_of("^c0123456789"));
        EXPECT_LT(st.x + Font_Text_Breite(fo, t.c_str()), *naechste - 2) << t;
        ++geprueft;
    }
    EXPECT_EQ(geprueft, 18);
}

}  // namespace
