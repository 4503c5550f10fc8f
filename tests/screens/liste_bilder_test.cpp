// The player lists' pictures as the data builder writes them, and the texts that name them: the
// attribute symbols, quick-sort faces, flag marks, small figures, card and staff marks load at
// their sizes and tell each other apart; entries, columns, menus and toggles refer to the loaded
// pictures by handle.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "bilder_datei.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/handle.h"
#include "platform/os/os_display.h"
#include "platform/resfile.h"
#include "screens/screens_hilfe.h"
#include "screens/spieler_bilder.h"
#include "screens/spieler_detail.h"
#include "screens/spieler_figur.h"
#include "screens/spieler_gesicht.h"
#include "screens/spieler_liste.h"
#include "screens/spieler_training.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/slave.h"

namespace {

using namespace screens_test;

// The pixels of a loaded picture; empty when it is missing or not of the size asked.
std::vector<uint16_t> bild_pixel(const Rastport* rp, int32_t w, int32_t h)
{
    std::vector<uint16_t> px;
    if (!rp || int32_t(rp->width) != w || int32_t(rp->height) != h) return px;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) px.push_back(Grafik_Pixel_Lesen(const_cast<Rastport*>(rp), x, y));
    return px;
}

// The bitmap a "^g" code of the text names (the first one at or after `ab`).
const Rastport* bild_im_text(const std::string& t, size_t ab = 0)
{
    const size_t g = t.find("^g", ab);
    if (g == std::string::npos || g + 14 > t.size()) return nullptr;
    const uint32_t h = uint32_t(std::strtoul(t.substr(g + 4, 10).c_str(), nullptr, 16));
    return static_cast<const Rastport*>(Handle_Aufloesen(h, Handle_Art::Bild));
}

struct ListeBilder : Mit_Bilddatei<Welt> {
    int32_t alt = -1;
    void SetUp() override
    {
        ASSERT_GE(datei, 0);
        Welt::SetUp();
        alt = ResFile_Handles[0].handle;
        ResFile_Handles[0].handle = datei;
    }
    void TearDown() override
    {
        ResFile_Handles[0].handle = alt;
        // the slaves made here must not outlive the file for later tests
        Menue_Slaves_Freigeben(true);
        Welt::TearDown();
    }
    // A sheet that lays the pictures out in rows, each doubled, on grey.
    static constexpr int32_t BOGEN_B = 640, BOGEN_H = 240;
    std::vector<uint16_t> bogen = std::vector<uint16_t>(size_t(BOGEN_B) * BOGEN_H, 0x8410);
    int32_t bogen_x = 4, bogen_y = 4, bogen_zeile = 0;
    void bogen_legen(int32_t n, int32_t w, int32_t h)
    {
        const std::vector<uint16_t> px = pixel(n, w, h);
        if (bogen_x + 2 * w > BOGEN_B) bogen_x = 4, bogen_y += bogen_zeile + 4, bogen_zeile = 0;
        for (int32_t y = 0; !px.empty() && y < 2 * h && bogen_y + y < BOGEN_H; ++y)
            for (int32_t x = 0; x < 2 * w; ++x)
                if (const uint16_t p = px[size_t(y / 2 * w + x / 2)]) bogen[size_t((bogen_y + y) * BOGEN_B + bogen_x + x)] = p;
        bogen_x += 2 * w + 4;
        bogen_zeile = std::max(bogen_zeile, 2 * h);
    }
    std::vector<uint16_t> lesen(int32_t n, int32_t w, int32_t h)
    {
        std::vector<uint16_t> px = pixel(n, w, h);
        EXPECT_FALSE(px.empty()) << n;
        return px;
    }
};

TEST_F(ListeBilder, EveryPictureLoadsAtItsSizeAndEachTellsItselfApart)
{
    struct Soll {
        int32_t von, bis, w, h;
    } const soll[] = {{MENUE_SLAVE_BILD_BASIS + 368, MENUE_SLAVE_BILD_BASIS + 395, 16, 16},
                      {MENUE_SLAVE_BILD_BASIS + 162, MENUE_SLAVE_BILD_BASIS + 165, 16, 12},
                      {LISTE_BILD_MARKE, LISTE_BILD_MARKE + MARKE_ANZAHL - 1, 9, 9},
                      {LISTE_BILD_FIGUR, LISTE_BILD_FIGUR + 3, FIGUR_B, FIGUR_H},
                      {LISTE_BILD_TYP, LISTE_BILD_TYP + 3, 14, 14},
                      {AUFSTELLUNG_BILD_ASSI, AUFSTELLUNG_BILD_ARZT + 3, 10, 15}};
    for (const Soll& s : soll) {
        std::set<std::vector<uint16_t>> verschieden;
        for (int32_t n = s.von; n <= s.bis; ++n) {
            verschieden.insert(lesen(n, s.w, s.h));
            bogen_legen(n, s.w, s.h);
        }
        const size_t anzahl = size_t(s.bis - s.von + 1);
        // the four assistant marks share one picture, the four doctor marks another
        EXPECT_EQ(verschieden.size(), s.von == AUFSTELLUNG_BILD_ASSI ? 2u : anzahl) << s.von;
    }
    EXPECT_FALSE(lesen(LISTE_BILD_FIGUR_MARKE, 7, 7).empty());
    bogen_legen(LISTE_BILD_FIGUR_MARKE, 7, 7);
    bogen_legen(LISTE_BILD_KARTE, KARTE_B, KARTE_H);
    // the card is solid: the screens tint all of it
    const std::vector<uint16_t> karte = lesen(LISTE_BILD_KARTE, KARTE_B, KARTE_H);
    EXPECT_EQ(std::count(karte.begin(), karte.end(), 0), 0);
    // with DORVIN_TEST_BILDER set, a sheet of all of them at twice their size to look at
    if (const char* ordner_bilder = std::getenv("DORVIN_TEST_BILDER")) {
        const std::string datei_name = std::string(ordner_bilder) + "/liste_bilder.png";
        EXPECT_TRUE(Os_Png_Schreiben(datei_name.c_str(), bogen.data(), BOGEN_B, BOGEN_H, BOGEN_B, false));
    }
}

TEST_F(ListeBilder, AnEntryCarriesTheMarksOfItsFlagsAsLoadedPictures)
{
    Teamspieler_Wert(317, EIGEN, 5, TS_KAPITAEN | 0x200, 8);
    Spieler_Marken_Bild m[SPIELER_MARKEN_MAX];
    ASSERT_EQ(Spieler_Einsetzen_Marken(0, EIGEN, 5, m), 2);
    EXPECT_EQ(m[0].nummer, LISTE_BILD_MARKE + MARKE_KAPITAEN);
    EXPECT_TRUE(m[1].slave && m[1].nummer == 59) << "a red-card ban shows the red card";
    int32_t breiten[30] = {};
    char text[400];
    Spieler_Einsetzen_Eintrag_Text(0, EIGEN, 5, breiten, text, sizeof text);
    const std::string t = text;
    EXPECT_EQ(t.rfind("Spieler5 ^gnk0x", 0), 0u) << t;
    const Rastport* kapitaen = bild_im_text(t);
    ASSERT_NE(kapitaen, nullptr);
    EXPECT_EQ(kapitaen->width, 9u);
    EXPECT_EQ(bild_im_text(t, t.find("^g") + 2), Menue_Get_Slave_Rastport(59));

    // only the acting club's watch counts, and only for another club's player; an offer only in list 2
    Teamspieler_Wert(317, EIGEN, 5, TS_KAPITAEN | 0x200, 4);
    EXPECT_EQ(Spieler_Einsetzen_Marken(0, EIGEN, 5, m), 0);
    Teamspieler_Wert(317, EIGEN, 6, TS_PROBE | TS_ARZT | 0x80000 | TS_TRANSFERLISTE, 8);
    ASSERT_EQ(Spieler_Einsetzen_Marken(0, EIGEN, 6, m), 4);
    EXPECT_EQ(m[0].nummer, LISTE_BILD_MARKE + MARKE_PROBE);
    EXPECT_EQ(m[1].nummer, LISTE_BILD_MARKE + MARKE_VERLETZT) << "no doctor of the club treats him";
    EXPECT_EQ(m[2].nummer, LISTE_BILD_MARKE + MARKE_SPERRE_DROHT);
    EXPECT_EQ(m[3].nummer, LISTE_BILD_MARKE + MARKE_FREIGABE);
}

TEST_F(ListeBilder, ColumnsMenusAndTrainingTogglesShowTheAttributesOwnSymbol)
{
    // column 3 is Kraft: its symbol and the value, the caption's place taken by the picture
    char text[200];
    Spieler_Einsetzen_Spalte_Text(3, EIGEN, 5, text, sizeof text);
    EXPECT_EQ(bild_im_text(text), Menue_Get_Slave_Rastport(368 + Sp_Attribut_Bilder[0])) << text;
    EXPECT_EQ(std::string(text).substr(14), "500");
    // a column without an attribute keeps its caption
    Spieler_Einsetzen_Spalte_Text(1, EIGEN, 5, text, sizeof text);
    EXPECT_EQ(std::string(text).rfind("KIT ", 0), 0u);

    const Menue_Kontextmenue* k = Spieler_Einsetzen_Farb_Menue(0);
    ASSERT_NE(k, nullptr);
    EXPECT_STREQ(k->texte[0], "KONDITION");
    const std::string kraft = k->texte[1];
    EXPECT_NE(kraft.find("^tl0035 -Kraft"), std::string::npos) << kraft;
    EXPECT_EQ(bild_im_text(kraft), Menue_Get_Slave_Rastport(368 + Sp_Attribut_Bilder[0]));
    k = Spieler_Einsetzen_Anzeige_Menue(0);
    EXPECT_EQ(bild_im_text(k->texte[3]), Menue_Get_Slave_Rastport(368 + Sp_Attribut_Bilder[0])) << k->texte[3];
    EXPECT_EQ(bild_im_text(k->texte[1]), nullptr) << "K+I+T has no symbol";

    // the training kind "Ausdauer" shows Ausdauer's symbol, the keeper's last kind its own
    char t[80];
    EXPECT_EQ(bild_im_text(Spieler_Training_Toggle_Text(1481, t, sizeof t)), Menue_Get_Slave_Rastport(368 + Sp_Attribut_Bilder[1]));
    EXPECT_EQ(bild_im_text(Spieler_Training_Toggle_Text(1496, t, sizeof t)), Menue_Get_Slave_Rastport(368 + Sp_Attribut_Bilder[23]));
}

// Counts the drawn pixels of a bitmap inside and outside a rectangle.
struct Gezaehlt {
    int32_t innen = 0, aussen = 0;
};
Gezaehlt zaehlen(const Rastport* rp, int32_t x0, int32_t y0, int32_t w, int32_t h)
{
    Gezaehlt g;
    for (int32_t y = 0; y < int32_t(rp->height); ++y)
        for (int32_t x = 0; x < int32_t(rp->width); ++x)
            if (Grafik_Pixel_Lesen(const_cast<Rastport*>(rp), x, y)) {
                const bool drin = x >= x0 && x < x0 + w && y >= y0 && y < y0 + h;
                (drin ? g.innen : g.aussen)++;
            }
    return g;
}

TEST_F(ListeBilder, AFigureTakesItsColourAndItsMarkerStaysOnIt)
{
    for (int32_t art = 0; art < 4; ++art)
        for (int32_t i = 0; i < 28; ++i) {
            int32_t x = -1, y = -1;
            ASSERT_TRUE(Spieler_Figur_Marke_Ort(art, i, &x, &y));
            EXPECT_TRUE(x >= 0 && x + 7 <= FIGUR_B && y >= 0 && y + 7 <= FIGUR_H) << art << "/" << i;
        }
    int32_t x = 0, y = 0;
    EXPECT_FALSE(Spieler_Figur_Marke_Ort(0, 28, &x, &y));

    Rastport* z = Grafik_Bitmap_Anlegen(40, 50, 16);
    ASSERT_NE(z, nullptr);
    Grafik_Rechteck_Fuellen(z, 0, 0, 40, 50, 0);
    Spieler_Figur_Zeichnen_Rgb(0, -1, z, 8, 6, 0xF800);
    const Gezaehlt g = zaehlen(z, 8, 6, FIGUR_B, FIGUR_H);
    EXPECT_GT(g.innen, 100);
    EXPECT_EQ(g.aussen, 0);
    // tinted pure red: no green, no blue anywhere
    for (int32_t yy = 0; yy < 50; ++yy)
        for (int32_t xx = 0; xx < 40; ++xx) EXPECT_EQ(Grafik_Pixel_Lesen(z, xx, yy) & 0x07FF, 0) << xx << "," << yy;
    // the marker of Kopfball lies on the jumping figure where its place says
    Spieler_Figur_Zeichnen_Rgb(2, 13, z, 8, 6, 0xF800);
    ASSERT_TRUE(Spieler_Figur_Marke_Ort(2, 13, &x, &y));
    int32_t gruen = 0;
    for (int32_t yy = 0; yy < 7; ++yy)
        for (int32_t xx = 0; xx < 7; ++xx) gruen += (Grafik_Pixel_Lesen(z, 8 + x + xx, 6 + y + yy) & 0x07E0) != 0;
    EXPECT_GT(gruen, 4);
    // no fifth kind
    Grafik_Rechteck_Fuellen(z, 0, 0, 40, 50, 0);
    Spieler_Figur_Zeichnen(4, 0, z, 0, 0, 1);
    EXPECT_EQ(zaehlen(z, 0, 0, 0, 0).aussen, 0);
    Grafik_Bitmap_Freigeben(z);
}

TEST_F(ListeBilder, ACardStaysInsideItsIconAndAnEmptyIconDrawsNothing)
{
    Rastport* z = Grafik_Bitmap_Anlegen(200, 120, 16);
    ASSERT_NE(z, nullptr);
    Grafik_Rechteck_Fuellen(z, 0, 0, 200, 120, 0);
    Menue_Icon i = Menue_Icon_Vorlage(1, -1, 0, 10, 20, KARTE_B, KARTE_H, 3, 3);
    i.kennung_1 = -1;
    i.kennung_2 = EIGEN;
    Spieler_Einsetzen_Spielerliste_Zeichnen(&i, z);
    EXPECT_EQ(zaehlen(z, 0, 0, 0, 0).aussen, 0);
    Teamspieler_Wert(317, EIGEN, 5, TS_PROBE | 0x200, 8);
    i.kennung_1 = 5;
    Spieler_Einsetzen_Spielerliste_Zeichnen(&i, z);
    Gezaehlt g = zaehlen(z, 10, 20, KARTE_B, KARTE_H);
    EXPECT_EQ(g.innen, KARTE_B * KARTE_H) << "the card is solid";
    if (const char* ordner_bilder = std::getenv("DORVIN_TEST_BILDER")) {
        const std::string datei_name = std::string(ordner_bilder) + "/karte.png";
        EXPECT_TRUE(Os_Png_Schreiben(datei_name.c_str(), static_cast<const uint16_t*>(z->pixels), 200, 120, 200, false));
    }
    EXPECT_EQ(g.aussen, 0);
    // a smaller icon gets the card scaled into its own size
    Grafik_Rechteck_Fuellen(z, 0, 0, 200, 120, 0);
    i.breite = KARTE_B / 2;
    i.hoehe = KARTE_H / 2;
    Spieler_Einsetzen_Spielerliste_Zeichnen(&i, z);
    g = zaehlen(z, 10, 20, KARTE_B / 2, KARTE_H / 2);
    EXPECT_GT(g.innen, 0);
    EXPECT_EQ(g.aussen, 0);
    Grafik_Bitmap_Freigeben(z);
}

// Column 15 is the player's head, small enough for a line: kept while his face stays, made anew
// when it changes, and let go with the store.
TEST_F(ListeBilder, TheFaceColumnIsASmallHeadOfHisOwnFace)
{
    ASSERT_EQ(Spieler_Gesicht_Init(datei), 1);
    char text[200];
    Spieler_Wert(SP_GESICHT, 5, 0, 1);
    Spieler_Einsetzen_Spalte_Text(15, EIGEN, 5, text, sizeof text);
    const std::string erster = text;
    const Rastport* kopf = bild_im_text(erster);
    const std::vector<uint16_t> px = bild_pixel(kopf, 9, 10);
    ASSERT_FALSE(px.empty()) << erster;
    EXPECT_GT(std::set<uint16_t>(px.begin(), px.end()).size(), 3u) << "a head has more than a colour or two";
    Spieler_Einsetzen_Spalte_Text(15, EIGEN, 5, text, sizeof text);
    EXPECT_EQ(text, erster) << "the same face is kept, not made again";
    Spieler_Wert(SP_GESICHT, 5, int32_t((7u << 13) | (12u << 8)), 1);
    Spieler_Einsetzen_Spalte_Text(15, EIGEN, 5, text, sizeof text);
    EXPECT_NE(bild_pixel(bild_im_text(text), 9, 10), px) << "a new face, a new head";
    // the column's width is the head's, so the next column stands clear of it
    Spieler_Einsetzen_Anzeige_Gewaehlt(0, 0, 15, 0);
    std::vector<Spieler_Listen_Eintrag> e{{5, EIGEN, 0}};
    int32_t breiten[30];
    Spieler_Einsetzen_Set_View_Text_Max_Breite(0, e, breiten);
    EXPECT_GE(breiten[15], 9);
    const uint32_t h = uint32_t(std::strtoul(std::string(text).substr(4, 10).c_str(), nullptr, 16));
    Spieler_Einsetzen_Koepfe_Freigeben();
    EXPECT_EQ(Handle_Aufloesen(h, Handle_Art::Bild), nullptr);
    Spieler_Gesicht_DeInit();
}

}  // namespace
