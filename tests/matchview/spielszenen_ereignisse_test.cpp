// The events list of a game and the statistics lines of marked players, read through the texts
// they print.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "competitions/spiele_welt.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
#include "platform/os/os_display.h"
#include "tests/matchview/spielszenen_dateien.h"
#include "toolkit/text_pruefung.h"

namespace {

using namespace spielwelt;

struct Text {
    int32_t x, y;
    std::string text;
};
std::vector<Text> texte;

bool enthaelt(const std::string& teil)
{
    for (const Text& t : texte)
        if (t.text.find(teil) != std::string::npos) return true;
    return false;
}

// Game 1 of the small world's league in the match store, its live record shown in a full window.
class Ereignisliste : public Spielwelt {
protected:
    std::unique_ptr<Spielfeld_Record> r = std::make_unique<Spielfeld_Record>();
    Spielszenen_Fenster f{};
    int32_t h = -1;
    void SetUp() override
    {
        Spielwelt::SetUp();
        const int32_t block = Spiele_Init_Neue_Spiele(1, 4, 20, 1, LIGA, -1);
        h = Spiele_Lock(block, 0, 0, 0);
        ASSERT_GE(h, 0);
        Spiele_Set_Teams(h, 1, 2);
        Spiele_Ereignis_Speicher_Reservieren(h);
        r->spiel = uint32_t(h);
        r->team[0] = 1;
        r->team[1] = 2;
        f.record = r.get();
        f.x = 5, f.y = 4, f.breite = 603, f.hoehe = 471;
        f.ereignisse_offen = 1;
        Spielszenen_Ereignisliste_X = Spielszenen_Ereignisliste_Y = 100;
        texte.clear();
        Spielszenen_Set_Text_Hook([](int32_t x, int32_t y, const char* t) { texte.push_back({x, y, t}); });
    }
    void TearDown() override
    {
        Spielszenen_Set_Text_Hook(nullptr);
        Spielszenen_Ereignisliste_Freigeben();
        Spiele_Ereignisse_Zuruecksetzen();
        Spielwelt::TearDown();
    }
    void zeichnen() { Spielszenen_Ereignisliste_Bei(nullptr, &f, r.get(), 0, 0, 0); }
};

TEST_F(Ereignisliste, EmptyFirstMinuteGoalsCountTheScoreAndCards)
{
    zeichnen();
    EXPECT_TRUE(enthaelt("Noch keine Ereignisse..."));
    Spiele_Set_Ereignis(h, 4 | 1, 1, 10, 32767);
    Spiele_Set_Ereignis(h, 2, 5, 11, 32767);  // a chance: not listed
    Spiele_Set_Ereignis(h, 4, 30, 31, 32);
    Spiele_Set_Ereignis(h, 16, 44, 33, 32767);
    texte.clear();
    zeichnen();
    EXPECT_FALSE(enthaelt("Noch keine Ereignisse..."));
    std::vector<std::string> zeilen;
    for (const Text& t : texte)
        if (t.text.find("Minute") != std::string::npos) zeilen.push_back(t.text);
    ASSERT_EQ(zeilen.size(), 3u);
    EXPECT_NE(zeilen[0].find("^tr00351^tl0037:^tl00410"), std::string::npos) << zeilen[0];
    EXPECT_NE(zeilen[0].find("^tr00681^tl0068.Minute^tl0115"), std::string::npos) << zeilen[0];
    EXPECT_NE(zeilen[1].find("^tr00351^tl0037:^tl00411"), std::string::npos) << zeilen[1];
    EXPECT_NE(zeilen[1].find("^tl0230"), std::string::npos);
    EXPECT_NE(zeilen[2].find("44^tl0068.Minute^tl0230"), std::string::npos) << zeilen[2];
}

TEST_F(Ereignisliste, ALongListShowsItsLatestRowsInsideThePage)
{
    for (int32_t m = 1; m <= 60; ++m) Spiele_Set_Ereignis(h, 16 | 1, m, 10, 32767);
    zeichnen();
    int32_t zeilen = 0, unten = 0;
    for (const Text& t : texte)
        if (t.text.find("Minute") != std::string::npos) ++zeilen, unten = std::max(unten, t.y);
    EXPECT_GT(zeilen, 10);
    EXPECT_LT(zeilen, 60);
    EXPECT_LE(unten, 475);
    EXPECT_TRUE(enthaelt("^tr006860^tl0068"));  // the latest
    EXPECT_FALSE(enthaelt("^tr00681^tl0068"));   // the first is cut
    EXPECT_GE(Spielszenen_Ereignisliste_Y, 35);
}

TEST_F(Ereignisliste, StatisticsLinesOfMarkedPlayers)
{
    r->objekt[3].distanz = 123456;
    r->objekt[20].distanz = 99;
    r->statistik[3][1] = 7;
    r->statistik[3][4] = 2;
    for (int32_t slot : {3, 9, 20, 25}) f.markierung[slot] = 4;
    f.markierung[12] = 1;  // clicked only: no line
    Spielszenen_Spieler_Statistik_Zeichnen(&f, r.get());
    std::vector<int32_t> ys;
    for (const Text& t : texte) ys.push_back(t.y - f.y);
    EXPECT_EQ(ys, (std::vector<int32_t>{56, 72, 88, 104}));
    ASSERT_EQ(texte.size(), 4u);
    EXPECT_NE(texte[0].text.find("^tr020412.3^tl0215Pässe:^tl02557"), std::string::npos) << texte[0].text;
    EXPECT_NE(texte[0].text.find("^tl04382"), std::string::npos);
    EXPECT_NE(texte[2].text.find("^tr02040.0"), std::string::npos) << texte[2].text;
    // lines stop at the window's foot
    texte.clear();
    f.hoehe = 80;
    Spielszenen_Spieler_Statistik_Zeichnen(&f, r.get());
    EXPECT_EQ(texte.size(), 2u);
}

// Panels laid over each other and over the play stay readable: the body of the events list, the
// table panel and the taker choice covers what lies below it whole.
TEST_F(Ereignisliste, FloatingPanelsCoverWhatLiesBelowThem)
{
    Rastport* bild = Grafik_Bitmap_Anlegen(640, 480, 16);
    ASSERT_NE(bild, nullptr);
    Rastport* alt = Grafik_Seite_1;
    Grafik_Seite_1 = bild;
    std::vector<uint16_t> unter[2];
    for (int32_t k = 0; k < 2; ++k) {
        Grafik_Rechteck_Fuellen(bild, 0, 0, 640, 480, k ? uint16_t(0xFFFF) : uint16_t(0x07E0));
        Spielszenen_Ereignisliste_Bei(bild, &f, r.get(), 0, 0, 0);
        const int32_t x = Spielszenen_Ereignisliste_X, y = Spielszenen_Ereignisliste_Y;
        for (int32_t dy = 2; dy < 10; ++dy)
            for (int32_t dx = 200; dx < 280; dx += 3) unter[k].push_back(Grafik_Pixel_Lesen(bild, x + dx, y + dy));
        // the taker panel's head and body
        f.standard_offen = 1;
        r->ecke_offen = 1;
        r->standard_seite = 0;
        Spielszenen_Schuetze_Waehlen_Bei(bild, &f, nullptr, 0, 0, 0, 0);
        for (int32_t dy = -30; dy < 0; dy += 5) unter[k].push_back(Grafik_Pixel_Lesen(bild, Spielszenen_Schuetze_X + 280, Spielszenen_Schuetze_Y + dy));
    }
    Grafik_Seite_1 = alt;
    Grafik_Bitmap_Freigeben(bild);
    EXPECT_EQ(unter[0], unter[1]);
    EXPECT_EQ(unter[0].front(), Spielszenen_Panel_Farbe());
}

// The list drawn with the builder's fonts and pictures.
class Ereignisliste_Bild : public Ereignisliste {
protected:
    static inline Spielszenen_Dateien_Sitzung sitzung;
    static void SetUpTestSuite() { sitzung.oeffnen(); }
    static void TearDownTestSuite() { sitzung.schliessen(); }
};

// Goals and cards of both sides: each minute reads as one word ("4.Minute": no more room between
// the number and ".Minute" than between the letters of a word), and no card's picture lies on a
// text of its row.
TEST_F(Ereignisliste_Bild, TheMinuteReadsAsOneWordAndCardsKeepClearOfTheTexts)
{
    Spiele_Set_Ereignis(h, 4 | 1, 4, 10, 11);
    Spiele_Set_Ereignis(h, 16 | 1, 17, 12, 32767);
    Spiele_Set_Ereignis(h, 16, 23, 31, 32767);
    Spiele_Set_Ereignis(h, 32, 61, 32, 32767);
    Spiele_Set_Ereignis(h, 64 | 1, 88, 13, 32767);
    Spiele_Set_Ereignis(h, 4, 90, 33, 32767);
    Rastport* seite = Grafik_Seite_1;
    ASSERT_NE(seite, nullptr);
    Grafik_Rechteck_Fuellen(seite, 0, 0, 640, 480, uint16_t(0x07E0));
    Text_Pruefung_Starten();
    Spielszenen_Ereignisliste_Bei(seite, &f, r.get(), 0, 0, 0);
    const auto sichtbar = Text_Pruefung_Texte(seite);
    const auto befunde = Text_Pruefung_Befunde(seite);
    Text_Pruefung_Beenden();
    std::filesystem::create_directories(SPIELSZENEN_ORDNER);
    const std::string bild = SPIELSZENEN_ORDNER + "/ereignisliste_" + std::to_string(::getpid()) + ".png";
    Grafik_Screen_Seite_Zeigen(1);
    EXPECT_TRUE(Os_Display_Dump_Png(bild.c_str()));
    std::printf("%s\n", bild.c_str());
    int32_t minuten = 0;
    for (const Text_Sichtbar& m : sichtbar) {
        if (m.text != ".Minute") continue;
        ++minuten;
        // the number on the same line, right before it
        const Text_Sichtbar* zahl = nullptr;
        for (const Text_Sichtbar& t : sichtbar)
            if (t.y1 < m.y2 && m.y1 < t.y2 && t.x2 <= m.x1 && !t.text.empty() && std::isdigit(static_cast<unsigned char>(t.text[0])) &&
                (!zahl || t.x2 > zahl->x2))
                zahl = &t;
        ASSERT_NE(zahl, nullptr);
        EXPECT_LE(m.x1 - zahl->x2, 1) << zahl->text << m.text;
    }
    EXPECT_EQ(minuten, 6);
    // Around each text, two pixels to either side, only its ink and the panel's body: no picture.
    const std::vector<uint16_t> erlaubt = {uint16_t(Spielszenen_Panel_Farbe()), uint16_t(Grafik_Farbe(15, 15, 15)),
                                           uint16_t(Grafik_Farbe(11, 11, 11))};
    for (const Text_Sichtbar& t : sichtbar) {
        EXPECT_EQ(t.gezeigt, t.punkte) << t.text << ": partly covered";
        if (t.y1 < Spielszenen_Ereignisliste_Y) continue;  // the head
        int32_t fremd = 0;
        for (int32_t y = t.y1; y < t.y2; ++y)
            for (int32_t x = t.x1 - 2; x < t.x2 + 2; ++x)
                fremd += std::find(erlaubt.begin(), erlaubt.end(), uint16_t(Grafik_Pixel_Lesen(seite, x, y))) == erlaubt.end();
        EXPECT_EQ(fremd, 0) << t.text << ": a picture beside or on it";
    }
    std::string zeilen;
    for (const Text_Befund& b : befunde) zeilen += Text_Befund_Zeile(b) + "\n";
    EXPECT_EQ(zeilen, "");
}

}  // namespace
