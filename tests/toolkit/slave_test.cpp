// Slave rastports: made on first use from their descriptors, replaced under the icons that
// show them, freed at the start of a turn but for the kept ones.
#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_zeichnen.h"
#include "graphics/grafik_screen.h"
#include "platform/handle.h"
#include "platform/resfile.h"
#include "toolkit/menue_intern.h"
#include "toolkit/screen.h"
#include "toolkit/slave.h"
#include "umgebung.h"

// The descriptor table outlives a test: the changed slaves get their descriptors back.
class Slaves : public Toolkit_Test {
protected:
    static constexpr int32_t geaendert[] = {60, 120, 130};
    Slave_Rastport vorher[3]{};
    void SetUp() override
    {
        Toolkit_Test::SetUp();
        for (int i = 0; i < 3; ++i) vorher[i] = *Menue_Slave_Beschreibung(geaendert[i]);
    }
    void TearDown() override
    {
        for (int i = 0; i < 3; ++i) Menue_Change_Slave_Rastport(geaendert[i], &vorher[i]);
        Toolkit_Test::TearDown();
    }
};

TEST_F(Slaves, BadNumbersAndBadCodesGiveNoBitmap)
{
    Fehler_Capture f;
    EXPECT_EQ(Menue_Get_Slave_Rastport(450), nullptr);
    EXPECT_EQ(Menue_Get_Slave_Rastport(-1), nullptr);
    EXPECT_TRUE(f.contains("Menue_Get_Slave_Rastport: slave_nr=450!"));
    EXPECT_TRUE(f.contains("Menue_Get_Slave_Rastport: slave_nr=-1!"));

    Slave_Rastport falsch{1234, 0, 0, 0, -1, {0, 0}};
    Menue_Change_Slave_Rastport(120, &falsch);
    EXPECT_EQ(Menue_Get_Slave_Rastport(120), nullptr);
    EXPECT_TRUE(f.contains("Slave_RP 120: Falsche Icon-Nr (1234)!"));
}

// A slave that was never made only takes the new code; it is made from it when first asked for.
TEST_F(Slaves, ChangingASlaveNeverMadeOnlyRecordsTheCode)
{
    Slave_Rastport kasten{MENUE_RESSOURCE_CODE + MENUE_SLAVE_BILD_BASIS + 48, 1, 1, 0, -1, {0, 0}};
    Menue_Change_Slave_Rastport(130, &kasten);
    EXPECT_EQ(kasten.breite, 1);  // nothing was loaded
    EXPECT_EQ(Menue_Slave_Beschreibung(130)->code, kasten.code);
    Rastport* b = Menue_Get_Slave_Rastport(130);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->width, 40u);
    EXPECT_EQ(b->height, 32u);
    EXPECT_EQ(Menue_Slave_Beschreibung(130)->breite, 40);
}

// Two icons on one plain slave; after the change both show the new picture at the next refresh.
TEST_F(Slaves, AfterAChangeEveryIconOfTheOldBitmapShowsTheNewOne)
{
    Menue_Icon* a = neu(Menue_Icon_Vorlage(850, 60, ICON_SLAVE, 20, 60, 0, 0, 4, 255));
    Menue_Icon* b = neu(Menue_Icon_Vorlage(851, 60, ICON_SLAVE, 20, 100, 0, 0, 4, 255));
    Menue_Screen_Icon_Hinzufuegen(a);
    Menue_Screen_Icon_Hinzufuegen(b);
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    Rastport* alt = Menue_Get_Slave_Rastport(60);
    ASSERT_EQ(a->bitmap, alt);
    EXPECT_EQ(seite0(25, 105), Grafik_Farbe(9, 1, 1));

    Slave_Rastport kasten{MENUE_RESSOURCE_CODE + MENUE_SLAVE_BILD_BASIS + 49, 0, 0, 0, -1, {0, 0}};
    Menue_Change_Slave_Rastport(60, &kasten);
    Rastport* jetzt = Menue_Get_Slave_Rastport(60);
    EXPECT_EQ(kasten.breite, 40);
    EXPECT_EQ(a->bitmap, jetzt);
    EXPECT_EQ(b->bitmap, jetzt);
    a->refresh = b->refresh = 1;
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    for (int32_t y = 0; y < 32; ++y)
        for (int32_t x = 0; x < 40; ++x) {
            uint16_t p = Grafik_Pixel_Lesen(jetzt, x, y);
            if (!p) continue;  // see-through
            ASSERT_EQ(seite0(20 + x, 60 + y), p) << x << "," << y;
            ASSERT_EQ(seite0(20 + x, 100 + y), p) << x << "," << y;
        }
}

// A record only registered, not on screen, follows its slave as well: the new picture after a
// change, none once the slave is freed.
TEST_F(Slaves, ARegisteredRecordOffScreenFollowsItsSlave)
{
    Menue_Icon liste[2] = {*neu(Menue_Icon_Vorlage(2650, 60, ICON_SLAVE, 20, 60, 0, 0, 4, 255)), {}};
    liste[1].nummer = -1;
    Menue_Icon_Liste_Registrieren(liste);
    ASSERT_EQ(Menue_Screen_Icon_Bitmap(&liste[0]), Menue_Get_Slave_Rastport(60));
    Slave_Rastport kasten{MENUE_RESSOURCE_CODE + MENUE_SLAVE_BILD_BASIS + 49, 0, 0, 0, -1, {0, 0}};
    Menue_Change_Slave_Rastport(60, &kasten);
    EXPECT_EQ(liste[0].bitmap, Menue_Get_Slave_Rastport(60));
    Menue_Slaves_Freigeben(false);
    EXPECT_EQ(liste[0].bitmap, nullptr);
    Menue_Icon_Liste_Abmelden(liste);
}

TEST_F(Slaves, TheTurnStartFreesAllButTheKeptOnes)
{
    // Kept: 1-3 and the strength bar's pieces, which every turn's menu draws.
    constexpr int N = 8;
    uint32_t griffe[N];
    const int32_t nummern[N] = {1, 2, 3, 4, 60, 442, 396, 399};
    auto behalten = [](int32_t n) { return n <= 3 || (n >= 396 && n <= 399); };
    for (int i = 0; i < N; ++i) {
        Rastport* b = Menue_Get_Slave_Rastport(nummern[i]);
        ASSERT_NE(b, nullptr) << nummern[i];
        griffe[i] = Handle_Registrieren(b, Handle_Art::Bild);
    }
    Menue_Rein(-1, 0);
    for (int i = 0; i < N; ++i)
        EXPECT_EQ(Handle_Aufloesen(griffe[i], Handle_Art::Bild) != nullptr, behalten(nummern[i])) << nummern[i];
    // A kept piece is the same bitmap at the next turn.
    EXPECT_EQ(Menue_Get_Slave_Rastport(396), Handle_Aufloesen(griffe[6], Handle_Art::Bild));
    Menue_Raus();  // frees the rest
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Handle_Aufloesen(griffe[i], Handle_Art::Bild), nullptr);
}

// Plain slaves are filled with their colour; the one the menu background shows before a game
// is a picture that leaves the rest of the screen to the background.
TEST_F(Slaves, PlainSlavesAreFilledAndPicturesAreSeeThroughWhereTheyShowNothing)
{
    Rastport* flaeche = Menue_Get_Slave_Rastport(442);
    ASSERT_NE(flaeche, nullptr);
    EXPECT_EQ(flaeche->width, 235u);
    EXPECT_EQ(Grafik_Pixel_Lesen(flaeche, 100, 50), Grafik_Farbe(9, 1, 1));
    Rastport* vorher = Menue_Get_Slave_Rastport(53);
    ASSERT_NE(vorher, nullptr);
    EXPECT_EQ(vorher->width, 640u);
    ASSERT_NE(vorher->mask, nullptr);
    EXPECT_EQ(Grafik_Pixel_Lesen(vorher, 5, 5), 0);
    EXPECT_NE(Grafik_Pixel_Lesen(vorher, 320, 240), 0);
}

// Freeing the slaves leaves no icon showing a freed bitmap, on screen or in the registry, and
// the kept ones where they are; freeing all takes those too.
TEST_F(Slaves, FreedSlavesLeaveNoIconOnTheirBitmaps)
{
    Menue_Icon* a = neu(Menue_Icon_Vorlage(850, 4, ICON_SLAVE, 20, 60, 0, 0, 4, 255));
    Menue_Icon* b = neu(Menue_Icon_Vorlage(851, 1, ICON_SLAVE, 20, 100, 0, 0, 4, 255));
    Menue_Icon* c = neu(Menue_Icon_Vorlage(852, 442, ICON_SLAVE, 20, 140, 0, 0, 4, 255));
    for (Menue_Icon* i : {a, b, c}) Menue_Screen_Icon_Hinzufuegen(i);
    Rastport* behalten = Menue_Get_Slave_Rastport(1);
    ASSERT_NE(a->bitmap, nullptr);
    ASSERT_EQ(b->bitmap, behalten);
    ASSERT_NE(c->bitmap, nullptr);
    const std::vector<std::pair<const Rastport*, int32_t>> slaves = Menue_Slave_Bitmaps();
    EXPECT_TRUE(std::is_sorted(slaves.begin(), slaves.end()));
    EXPECT_NE(std::find(slaves.begin(), slaves.end(), std::pair<const Rastport*, int32_t>(c->bitmap, 442)), slaves.end());
    Menue_Slaves_Freigeben(false);
    EXPECT_EQ(a->bitmap, nullptr);
    EXPECT_EQ(c->bitmap, nullptr);
    EXPECT_EQ(b->bitmap, behalten);
    EXPECT_EQ(Menue_Slave_Von_Bitmap(behalten), 1);
    Menue_Slaves_Freigeben(true);
    EXPECT_EQ(b->bitmap, nullptr);
    EXPECT_EQ(Menue_Slave_Von_Bitmap(behalten), -1);
    EXPECT_TRUE(Menue_Slave_Bitmaps().empty());
}

// The menu's pictures are read from the file once: each caller still gets a picture of its own,
// the same as the file's, which it may draw into and free without touching the next one.
TEST_F(Slaves, EveryMenuPictureIsACopyOfTheFilesPicture)
{
    const int32_t datei = ResFile_Handles[0].handle, nummer = MENUE_SLAVE_BILD_BASIS + 48;
    ASSERT_GE(datei, 0);
    auto* aus_datei = static_cast<Rastport*>(Load_Resource(datei, nummer, Grafik_Render_Ziel->depth, nullptr));
    ASSERT_NE(aus_datei, nullptr);
    const size_t bytes = size_t(aus_datei->width) * aus_datei->height * 2;
    Rastport* erstes = Menue_Ressource_Bild(datei, nummer);
    ASSERT_NE(erstes, nullptr);
    std::fill_n(static_cast<uint8_t*>(erstes->pixels), bytes, uint8_t(0x5A));
    Rastport* zweites = Menue_Ressource_Bild(datei, nummer);
    ASSERT_NE(zweites, nullptr);
    EXPECT_NE(zweites, erstes);
    ASSERT_EQ(zweites->width, aus_datei->width);
    ASSERT_EQ(zweites->height, aus_datei->height);
    ASSERT_EQ(zweites->depth, aus_datei->depth);
    EXPECT_EQ(std::memcmp(zweites->pixels, aus_datei->pixels, bytes), 0);
    ASSERT_EQ(zweites->mask != nullptr, aus_datei->mask != nullptr);
    if (aus_datei->mask) {
        EXPECT_EQ(std::memcmp(zweites->mask, aus_datei->mask, Grafik_Masken_Groesse(aus_datei->width, aus_datei->height)), 0);
    }
    for (Rastport* b : {aus_datei, erstes, zweites}) Grafik_Bitmap_Freigeben(b);
}

// Slaves on either side of the 64-slot words of the slots' record are found by their bitmaps,
// listed, freed and made again; a plain one is its colour in every pixel, none left unset.
TEST_F(Slaves, SlavesAcrossTheWholeTableAreFoundFreedAndMadeAgain)
{
    const int32_t nummern[] = {0, 63, 64, 127, 128, 442, 449};
    int gemacht = 0;
    for (int runde = 0; runde < 2; ++runde) {
        for (int32_t n : nummern) {
            Rastport* b = Menue_Get_Slave_Rastport(n);
            if (!b) continue;
            gemacht += runde == 0;
            EXPECT_EQ(Menue_Slave_Von_Bitmap(b), n);
            const auto alle = Menue_Slave_Bitmaps();
            EXPECT_NE(std::find(alle.begin(), alle.end(), std::pair<const Rastport*, int32_t>(b, n)), alle.end()) << n;
        }
        Menue_Slaves_Freigeben(true);
        EXPECT_TRUE(Menue_Slave_Bitmaps().empty());
    }
    EXPECT_GE(gemacht, 4);
    Rastport* flaeche = Menue_Get_Slave_Rastport(442);
    ASSERT_NE(flaeche, nullptr);
    const uint16_t farbe = uint16_t(Grafik_Farbe(9, 1, 1));
    int32_t anders = 0;
    for (uint32_t y = 0; y < flaeche->height; ++y)
        for (uint32_t x = 0; x < flaeche->width; ++x) anders += Grafik_Pixel_Lesen(flaeche, int32_t(x), int32_t(y)) != farbe;
    EXPECT_EQ(anders, 0);
}
