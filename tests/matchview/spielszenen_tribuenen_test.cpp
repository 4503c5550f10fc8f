// The stadium around a view window: which stand picture each section gets, the crowd placed from
// the view's own seed, its steps with and without a crowd mood, and a full-size window drawn.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <set>
#include <vector>

#include "database/db_hilfe.h"
#include "database/spieler.h"
#include "database/team.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_sprite.h"
#include "match/pitch/spielfeld_wechsel.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/live/spielszenen_szenerie.h"
#include "matchview/spielszenen.h"
#include "platform/os/os_display.h"
#include "tests/matchview/spielszenen_dateien.h"
#include "tests/matchview/spielszenen_probe.h"

namespace {

void stadion(Spielfeld_Record* r, const int32_t (&arten)[6], int32_t fuellung)
{
    for (int32_t k = 0; k < 6; ++k) {
        r->frei_22115[k] = uint8_t(int8_t(arten[k]));
        std::memcpy(r->frei_22115 + 9 + 4 * k, &fuellung, 4);
    }
}

// A window's own pictures given back.
void bilder_freigeben(Spielszenen_Fenster& f)
{
    f.hintergrund = Grafik_Bitmap_Freigeben(f.hintergrund);
    Grafik_Sprite_Freigeben(f.kopfzeile);
}

// The window emptied, then the scene's pictures given back.
void szene_freigeben(Spielszenen_Fenster& f)
{
    f = Spielszenen_Fenster{};
    f.spiel = -1;
    Spielszenen_Szenerie_Freigeben();
    Spielszenen_Grafik_Freigeben();
}

std::vector<Spielszenen_Zuschauer> menge(const Spielszenen_Fenster* f)
{
    int32_t n = 0;
    const Spielszenen_Zuschauer* z = Spielszenen_Zuschauer_Liste(f, &n);
    return {z, z + n};
}

// Draws with `malen` into a page of 0x1234 a window placed wholly on the page (5, 27) and one the
// page cuts (-100, -50), `einrichten` giving each window its size and set-up: nothing may land
// outside the window, more than `mindestens` pixels inside, and where the cut window lies it must
// show the whole one's pixels, moved. The whole window's page.
std::vector<uint16_t> ganz_und_geschnitten(const std::function<void(Spielszenen_Fenster&)>& einrichten,
                                           const std::function<void(Spielszenen_Fenster&)>& malen, int32_t mindestens,
                                           const std::string& fall, int32_t ganz_x = 5)
{
    constexpr uint16_t LEER = 0x1234;
    Rastport* seite = Grafik_Seite_1;
    EXPECT_TRUE(seite && seite->pixels && seite->width == 640 && seite->height == 480);
    if (!seite || !seite->pixels || seite->width != 640 || seite->height != 480) return {};
    auto* px = static_cast<uint16_t*>(seite->pixels);
    Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[0];
    std::vector<uint16_t> bild[2];
    const int32_t orte[2][2] = {{ganz_x, 27}, {-100, -50}};
    for (int32_t o = 0; o < 2; ++o) {
        f = Spielszenen_Fenster{};
        f.sichtbar = 1, f.x = orte[o][0], f.y = orte[o][1];
        einrichten(f);
        std::fill(px, px + 640 * 480, LEER);
        malen(f);
        bild[o].assign(px, px + 640 * 480);
        int32_t aussen = 0, innen = 0;
        for (int32_t y = 0; y < 480; ++y)
            for (int32_t x = 0; x < 640; ++x) {
                const bool im_fenster = x >= f.x && x < f.x + f.breite && y >= f.y && y < f.y + f.hoehe;
                const bool gemalt = bild[o][size_t(y * 640 + x)] != LEER;
                aussen += gemalt && !im_fenster, innen += gemalt && im_fenster;
            }
        EXPECT_EQ(aussen, 0) << fall << " place " << o;
        EXPECT_GT(innen, mindestens) << fall << " place " << o;
    }
    const int32_t dx = orte[0][0] - orte[1][0], dy = orte[0][1] - orte[1][1];
    int32_t anders = 0;
    for (int32_t y = 0; y < orte[1][1] + f.hoehe; ++y)
        for (int32_t x = 0; x < orte[1][0] + f.breite; ++x)
            anders += bild[1][size_t(y * 640 + x)] != bild[0][size_t((y + dy) * 640 + x + dx)];
    EXPECT_EQ(anders, 0) << fall;
    f = Spielszenen_Fenster{};
    f.spiel = -1;
    return bild[0];
}

// The crowd of record 100 in a full-size window, as ganz_und_geschnitten draws and checks it:
// the window's colours run from `basis` in steps of `schritt`, every `null_alle`-th of them 0
// (none where it is 0).
std::vector<uint16_t> menge_ganz_und_geschnitten(Spielfeld_Record* r, int32_t null_alle, uint16_t basis, int32_t schritt,
                                                 const std::string& fall, int32_t ganz_x)
{
    return ganz_und_geschnitten(
        [&](Spielszenen_Fenster& g) {
            g.spiel = 100, g.record = r, g.breite = 603, g.hoehe = 450;
            for (int32_t i = 1; i < 256; ++i)
                g.farben[i] = null_alle > 0 && i % null_alle == 0 ? 0 : uint16_t(basis + schritt * i);
            Spielszenen_Tribuenen_Laden(&g, r);
        },
        [&](Spielszenen_Fenster& g) {
            for (int32_t b = 0; b < SZ_BLOECKE; ++b) Spielszenen_Zuschauer_Zeichnen(&g, r, b);
        },
        1000, fall, ganz_x);
}

// A crowd in five stands of 95 % from the view seed `saat`, in each orientation and at two
// camera places, handed to `pruefen` case by case (0 to 3: bit 0 mirrored, bit 1 lower).
void vier_faelle(int32_t saat, const std::function<void(Spielfeld_Record*, int32_t)>& pruefen)
{
    ASSERT_TRUE(Spielszenen_Grafik_Laden());
    auto r = Spielszenen_Probe_Record(100);
    r->ansicht_seed = saat;
    stadion(r.get(), {5, 3, 6, 1, 4, 2}, 95);
    for (int32_t fall = 0; fall < 4; ++fall) {
        r->gespiegelt = fall & 1;
        r->ansicht_x = fall & 1 ? 1500 : 200, r->ansicht_y = fall & 2 ? 60 : 0;
        pruefen(r.get(), fall);
    }
    Spielszenen_Szenerie_Freigeben();
    Spielszenen_Grafik_Freigeben();
}

TEST(Spielszenen_Tribuenen, PictureNumbersCoverEveryFormOnceAndReadBack)
{
    std::set<int32_t> ids;
    for (bool voll : {true, false})
        for (bool sp : {false, true})
            for (int32_t a = -1; a <= 6; ++a)
                for (int32_t form = 0; form < 3; ++form)
                    for (int32_t k = 0; k < 6; ++k) {
                        const int32_t id = Spielszenen_Tribuene_Id(a, k, voll, sp, form == 1, form == 2);
                        ASSERT_GE(id, SZ_TRIBUENE_ERSTE);
                        ASSERT_LE(id, SZ_TRIBUENE_LETZTE);
                        ids.insert(id);
                        const Spielszenen_Tribuene_Bild b = Spielszenen_Tribuene_Zerlegen(id);
                        EXPECT_EQ(b.voll, voll) << id;
                        EXPECT_EQ(b.gespiegelt, sp) << id;
                        EXPECT_EQ(b.abschnitt, k) << id;
                        EXPECT_EQ(b.gruppe, a < 0 ? -1 : a <= 2 ? 0 : a <= 4 ? 1 : a - 3) << id;
                    }
    EXPECT_EQ(ids.size(), size_t(SZ_TRIBUENE_LETZTE - SZ_TRIBUENE_ERSTE + 1));
    // snow wins over the variant; a kind no picture exists for is open ground
    EXPECT_EQ(Spielszenen_Tribuene_Id(0, 0, true, false, true, true), 2279);
    EXPECT_EQ(Spielszenen_Tribuene_Id(5, 2, false, true, false, false), 2429 + 2);
    EXPECT_EQ(Spielszenen_Tribuene_Id(9, 1, true, false, false, false), 2327 + 1);
}

TEST(Spielszenen_Tribuenen, TheBenchesStandWhereTheEngineSeatsTheSubstitutes)
{
    auto r = Spielszenen_Probe_Record(100);
    for (int32_t spiegel = 0; spiegel < 2; ++spiegel) {
        r->gespiegelt = spiegel;
        for (int32_t slot : {11, 12, 13, 14, 15, 27, 28, 29, 30, 31}) {
            r->spieler[slot].bank_nummer = uint8_t(slot % 16 - 11);
            float x = 0, y = 0;
            Spielfeld_Bank_Position(r.get(), slot, nullptr, &x, &y);
            int32_t px = 0, py = 0, bx = 0, by = 0;
            Spielszenen_Feld_Zu_Bild(r.get(), x, y, 0, &px, &py);
            Spielszenen_Bank_Platz(slot / 16, spiegel != 0, &bx, &by);
            // the seat lies inside the dugout's picture, its feet near the dugout's floor
            EXPECT_GE(px, bx) << slot << " " << spiegel;
            EXPECT_LT(px, bx + SZ_BANK_BREITE) << slot << " " << spiegel;
            EXPECT_NEAR(py, by + SZ_BANK_BODEN_Y + (px - bx - SZ_BANK_BREITE / 2) / 4 * (spiegel ? -1 : 1), 3) << slot << " " << spiegel;
        }
    }
}

class Spielszenen_Tribuenen_Fenster : public ::testing::Test {
protected:
    void SetUp() override
    {
        r = Spielszenen_Probe_Record(100);
        r->ansicht_seed = 4711;
        f = &Spielszenen_Fenster_Liste[0];
        *f = Spielszenen_Fenster{};
        f->spiel = 100, f->record = r.get(), f->breite = 603, f->hoehe = 450;
    }
    void TearDown() override
    {
        *f = Spielszenen_Fenster{};
        f->spiel = -1;
    }
    std::unique_ptr<Spielfeld_Record> r;
    Spielszenen_Fenster* f = nullptr;
};

TEST_F(Spielszenen_Tribuenen_Fenster, OpenGroundHasNoFansAndAFullStadiumStopsAt4000)
{
    stadion(r.get(), {-1, 3, 0, 5, 6, 2}, 60);
    Spielszenen_Tribuenen_Laden(f, r.get());
    EXPECT_EQ(Spielszenen_Tribuene_Geladen(f, 0), 2327);
    EXPECT_EQ(Spielszenen_Tribuene_Geladen(f, 1), 2231 + 12 + 1);
    int32_t a, e;
    for (int32_t b : {0, 1}) {
        Spielszenen_Block_Spanne(f, b, &a, &e);
        EXPECT_EQ(a, e) << b;
    }
    Spielszenen_Block_Spanne(f, 2, &a, &e);
    EXPECT_GT(e, a);
    const auto teil = menge(f);
    EXPECT_GT(teil.size(), 500u);
    stadion(r.get(), {0, 1, 2, 3, 4, 5}, 100);
    Spielszenen_Tribuenen_Laden(f, r.get());
    EXPECT_EQ(menge(f).size(), size_t(SZ_ZUSCHAUER_MAX));
    // every fan sits inside the picture, facing its block's way
    for (const Spielszenen_Zuschauer& z : menge(f)) {
        ASSERT_LT(z.block, 12);
        EXPECT_GE(z.x, 0);
        EXPECT_LT(z.x, SZ_BILD_BREITE);
        EXPECT_GE(z.y, 0);
        EXPECT_LT(z.y, SZ_BILD_HOEHE);
        EXPECT_EQ(z.blick, Spielszenen_Block_Geometrie(z.block).blick);
    }
}

TEST_F(Spielszenen_Tribuenen_Fenster, SameGameSameCrowdAndMirroringSwapsTheBlocks)
{
    stadion(r.get(), {0, 3, 5, 6, 4, 1}, 40);
    Spielszenen_Tribuenen_Laden(f, r.get());
    const auto erst = menge(f);
    // other draws of the view between set-ups change nothing
    for (int32_t i = 0; i < 17; ++i) (void)Spielszenen_Zufall(0, 100);
    Spielszenen_Tribuenen_Laden(f, r.get());
    const auto wieder = menge(f);
    ASSERT_EQ(erst.size(), wieder.size());
    for (size_t i = 0; i < erst.size(); ++i) {
        EXPECT_EQ(erst[i].x, wieder[i].x);
        EXPECT_EQ(erst[i].pose, wieder[i].pose);
        EXPECT_EQ(erst[i].rate, wieder[i].rate);
    }
    r->gespiegelt = 1;
    Spielszenen_Tribuenen_Laden(f, r.get());
    EXPECT_EQ(Spielszenen_Tribuene_Geladen(f, 0), 2237);
    for (const Spielszenen_Zuschauer& z : menge(f)) ASSERT_GE(z.block, 12);
    const Spielszenen_Block n = Spielszenen_Block_Geometrie(3), m = Spielszenen_Block_Geometrie(15);
    EXPECT_FLOAT_EQ(n.x + m.x, float(SZ_BILD_BREITE));
    EXPECT_FLOAT_EQ(n.sitz_dx, -m.sitz_dx);
    EXPECT_FLOAT_EQ(n.y, m.y);
    const Spielszenen_Bandenplatz bn = Spielszenen_Banden_Platz(2), bm = Spielszenen_Banden_Platz(14);
    EXPECT_FLOAT_EQ(bn.x + bm.x, float(SZ_BILD_BREITE));
    EXPECT_EQ(bn.anzahl, bm.anzahl);
}

TEST_F(Spielszenen_Tribuenen_Fenster, FansGestureAloneAndReactToTheMoodByItsIntensity)
{
    stadion(r.get(), {3, 3, 3, 3, 3, 3}, 100);
    Spielszenen_Tribuenen_Laden(f, r.get());
    auto ruhend = [](const Spielszenen_Zuschauer& z) { return z.reihe < 6; };
    std::vector<Spielszenen_Zuschauer> fans = menge(f);
    fans.resize(300);
    for (auto& z : fans) ASSERT_TRUE(z.reihe < 6 || z.reihe >= 48) << int(z.reihe);
    // without a mood some begin a gesture now and then, and all come back to rest
    r->zuschauer_reaktion[0] = 0;
    int32_t gesten = 0;
    for (int32_t t = 0; t < 400; ++t) {
        r->frame_zeit += 40;
        for (auto& z : fans) {
            const bool vorher = ruhend(z);
            Spielszenen_Zuschauer_Bewegen(f, r.get(), &z);
            gesten += vorher && !ruhend(z);
        }
    }
    EXPECT_GT(gesten, 0);
    for (int32_t t = 0; t < 3000; ++t) {
        r->frame_zeit += 40;
        for (auto& z : fans)
            if (!ruhend(z) && z.reihe < 48) Spielszenen_Zuschauer_Bewegen(f, r.get(), &z);
    }
    for (auto& z : fans) EXPECT_TRUE(ruhend(z) || z.reihe >= 48) << int(z.reihe);
    // a mood with intensity 0 moves nobody at once; with -100 every resting fan
    std::vector<Spielszenen_Zuschauer> ruhige;
    for (auto& z : fans)
        if (ruhend(z)) ruhige.push_back(z);
    ASSERT_FALSE(ruhige.empty());
    r->zuschauer_reaktion[0] = 1;
    r->zuschauer_stimmung[0] = 0;
    auto kopie = ruhige;
    for (auto& z : kopie) Spielszenen_Zuschauer_Bewegen(f, r.get(), &z);
    for (auto& z : kopie) EXPECT_TRUE(ruhend(z));
    r->zuschauer_stimmung[0] = -100;
    int32_t jubeln = 0;
    for (auto& z : ruhige) Spielszenen_Zuschauer_Bewegen(f, r.get(), &z), jubeln += z.reihe >= 68;
    EXPECT_GE(jubeln * 100, int32_t(ruhige.size()) * 95);
}

// A frame's drawing steps the crowd as stepping every fan in its turn does: the fans it passes
// over (a one-frame pose of a row that starts nothing new) neither change nor draw; so too for
// the crowd of a stadium set up anew after the first has been drawn.
TEST_F(Spielszenen_Tribuenen_Fenster, DrawingStepsTheCrowdAsSteppingEveryFanDoes)
{
    static constexpr int32_t ARTEN[2][6] = {{3, 0, 5, 6, 4, 1}, {0, 4, 1, 3, 2, 6}};
    for (const auto& arten : ARTEN) {
        stadion(r.get(), arten, 100);
        Spielszenen_Tribuenen_Laden(f, r.get());
        std::vector<Spielszenen_Zuschauer> einzeln = menge(f);
        const std::vector<Spielszenen_Zuschauer> anfang = einzeln;
        const uint32_t zeit = r->frame_zeit;
        // quiet frames first, then a mood that moves the resting fans
        auto stimmung = [&](int32_t t) {
            r->frame_zeit += 40;
            r->zuschauer_reaktion[0] = t < 150 ? 0 : 1;
            r->zuschauer_stimmung[0] = t < 150 ? 0 : -100;
        };
        Spielszenen_Zufall_Starten(r.get());
        for (int32_t t = 0; t < 300; ++t) {
            stimmung(t);
            for (int32_t b = 0; b < SZ_BLOECKE; ++b) Spielszenen_Zuschauer_Zeichnen(f, r.get(), b);
        }
        const int32_t zug = Spielszenen_Zufall(0, 1 << 30);
        const std::vector<Spielszenen_Zuschauer> gezeichnet = menge(f);
        r->frame_zeit = zeit;
        Spielszenen_Zufall_Starten(r.get());
        for (int32_t t = 0; t < 300; ++t) {
            stimmung(t);
            for (int32_t b = 0; b < SZ_BLOECKE; ++b) {
                int32_t a = 0, e = 0;
                Spielszenen_Block_Spanne(f, b, &a, &e);
                for (int32_t i = a; i < e; ++i) Spielszenen_Zuschauer_Bewegen(f, r.get(), &einzeln[size_t(i)]);
            }
        }
        EXPECT_EQ(Spielszenen_Zufall(0, 1 << 30), zug);
        ASSERT_EQ(gezeichnet.size(), einzeln.size());
        int32_t bewegt = 0;
        for (size_t i = 0; i < einzeln.size(); ++i) {
            const Spielszenen_Zuschauer &g = gezeichnet[i], &z = einzeln[i];
            EXPECT_TRUE(g.reihe == z.reihe && g.bild == z.bild && g.pose == z.pose && g.schleifen == z.schleifen &&
                        g.naechste == z.naechste && g.letzte == z.letzte && g.rate == z.rate)
                << i;
            bewegt += g.reihe != anfang[i].reihe;
        }
        EXPECT_GT(bewegt, 100);
    }
}

class Spielszenen_Tribuenen_Bild : public ::testing::Test {
protected:
    static inline Spielszenen_Dateien_Sitzung sitzung;
    static void SetUpTestSuite() { sitzung.oeffnen(); }
    static void TearDownTestSuite() { sitzung.schliessen(); }
};

TEST_F(Spielszenen_Tribuenen_Bild, StandsFansBoardsAndBenchesInAFullSizeWindow)
{
    ASSERT_TRUE(Spielszenen_Grafik_Laden());
    auto r = Spielszenen_Probe_Record(100);
    r->ansicht_seed = 99;
    stadion(r.get(), {5, 3, 6, 0, 4, 2}, 90);
    for (int32_t k = 0; k < SPIELSZENEN_BANDEN; ++k) {
        const int32_t v = k + 1;
        std::memcpy(r->frei_22115 + 33 + 4 * k, &v, 4);
    }
    Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[0];
    const std::string ordner = SPIELSZENEN_ORDNER + "/tribuenen_" + std::to_string(::getpid());
    std::filesystem::create_directories(ordner);
    int32_t vorher = 0;
    for (int32_t sicht = 0; sicht < 5; ++sicht) {
        f = Spielszenen_Fenster{};
        f.spiel = 100, f.record = r.get(), f.x = 5, f.y = 27, f.breite = 603, f.hoehe = 450, f.sichtbar = 1;
        if (sicht == 4) f.groesse = 2, f.breite = 300, f.hoehe = 222;  // a quarter window: half-size pictures
        r->gespiegelt = sicht == 2;
        r->ansicht_x = sicht == 1 ? 1400 : sicht == 3 ? 0 : 0, r->ansicht_y = sicht == 1 ? 0 : sicht == 3 ? 60 : 190;
        // the last one with the players and their back numbers
        r->beschriftung = sicht == 3 ? -3 : 0;
        Spielszenen_Fenster_Einrichten();
        ASSERT_TRUE(f.hintergrund);
        Spielszenen_Fenster_Zeichnen(Grafik_Seite_1, 0);
        Grafik_Screen_Direkt_Kopieren();
        EXPECT_TRUE(Os_Display_Dump_Png((ordner + "/stadion_" + std::to_string(sicht) + ".png").c_str()));
        int32_t n = 0;
        Spielszenen_Zuschauer_Liste(&f, &n);
        EXPECT_GT(n, 2000);
        // the same crowd wherever the camera looks
        if (sicht == 1 || sicht == 3) {
            EXPECT_EQ(n, vorher);
        }
        if (sicht == 4) {
            EXPECT_EQ(Spielszenen_Tribuene_Geladen(&f, 0), Spielszenen_Tribuene_Id(5, 0, false, false, false, false));
        }
        vorher = n;
        bilder_freigeben(f);
    }
    szene_freigeben(f);
}

// The boards are written straight into the page, column by column: whether the window lies
// wholly on the page or the page cuts it, each shows the same boards where the window is, and
// nothing lands outside the window.
TEST_F(Spielszenen_Tribuenen_Bild, BoardsStayInsideTheirWindowWhereverThePageCutsIt)
{
    ASSERT_TRUE(Spielszenen_Grafik_Laden());
    auto r = Spielszenen_Probe_Record(100);
    for (int32_t k = 0; k < SPIELSZENEN_BANDEN; ++k) {
        const int32_t v = k + 3;
        std::memcpy(r->frei_22115 + 33 + 4 * k, &v, 4);
    }
    r->ansicht_x = 300, r->ansicht_y = 0;
    for (int32_t groesse : {0, 2})
        ganz_und_geschnitten(
            [&](Spielszenen_Fenster& g) {
                g.spiel = 100, g.record = r.get(), g.groesse = groesse;
                g.breite = groesse ? 300 : 603, g.hoehe = groesse ? 222 : 450;
            },
            [&](Spielszenen_Fenster& g) {
                for (int32_t b = 0; b < SZ_BLOECKE; ++b) Spielszenen_Werbung_Zeichnen(&g, r.get(), b);
            },
            500, "size " + std::to_string(groesse));
    Spielszenen_Szenerie_Freigeben();
    Spielszenen_Grafik_Freigeben();
}

TEST_F(Spielszenen_Tribuenen_Bild, EveryFanRowHoldsItsFramesForAllFourFacingsAndTheSeatBacksLoad)
{
    ASSERT_TRUE(Spielszenen_Grafik_Laden());
    for (int32_t reihe = 0; reihe < SZ_ZUSCHAUER_REIHEN; ++reihe) {
        ASSERT_EQ(Spielszenen_Grafik.zuschauer_bilder[reihe], SZ_ZUSCHAUER_BLICKE * Spielszenen_Zuschauer_Bilder(reihe)) << reihe;
        // feet on the seat: every frame's hot spot at its bottom centre
        const Rle_Sprite* s = Spielszenen_Grafik.zuschauer[reihe][0];
        EXPECT_EQ(s->y_offset + s->height, 1) << reihe;
    }
    for (const Rle_Sprite* s : Spielszenen_Grafik.ueberlagerung) EXPECT_NE(s, nullptr);
    Spielszenen_Grafik_Freigeben();
    EXPECT_EQ(Spielszenen_Grafik.zuschauer[0], nullptr);
    EXPECT_EQ(Spielszenen_Grafik.ueberlagerung[0], nullptr);
}

TEST_F(Spielszenen_Tribuenen_Bild, KitsComeFromTheClubsColoursAndTheAwaySideChangesWhenAlike)
{
    ASSERT_TRUE(Spielszenen_Grafik_Laden());
    std::vector<Team_Fix> teams(2);
    const uint8_t farben[2][12][3] = {
        {{200, 0, 0}, {0, 0, 200}, {0, 200, 0}, {250, 250, 250}, {10, 10, 10}, {0, 0, 0}, {250, 250, 0}, {0, 250, 250},
         {100, 100, 100}, {50, 0, 50}, {120, 60, 0}, {30, 30, 30}},
        {{210, 10, 10}, {200, 20, 20}, {0, 0, 250}, {0, 0, 0}, {0, 0, 0}, {250, 250, 250}, {0, 0, 0}, {0, 0, 0},
         {250, 120, 0}, {0, 120, 0}, {60, 0, 120}, {200, 200, 200}}};
    for (int32_t t = 0; t < 2; ++t) std::memcpy(teams[size_t(t)].farben, farben[t], sizeof farben[t]);
    Team_Fix* alt = T_Fix;
    const int32_t alt_anzahl = Team_Anzahl;
    T_Fix = teams.data();
    Team_Anzahl = 2;
    auto r = Spielszenen_Probe_Record(100);
    r->team[0] = 0, r->team[1] = 1;
    // players with their own hair and skin: the colour byte hair * 16 + skin
    Test_Spieler_Anlegen(32);
    for (int32_t slot = 0; slot < 32; ++slot) r->spieler[slot].spnr = -1;
    r->spieler[1].spnr = 5, r->spieler[2].spnr = 6;
    Spieler_Wert(SP_HAARFARBE, 5, 3, SP_SCHREIBEN);
    Spieler_Wert(SP_HAUTFARBE, 5, 6, SP_SCHREIBEN);
    Spieler_Wert(SP_HAARFARBE, 6, 7, SP_SCHREIBEN);
    Spieler_Wert(SP_HAUTFARBE, 6, 2, SP_SCHREIBEN);
    Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[0];
    f = Spielszenen_Fenster{};
    f.spiel = 100, f.record = r.get(), f.breite = 603, f.hoehe = 450;
    Spielszenen_Fenster_Einrichten();
    T_Fix = alt;
    Team_Anzahl = alt_anzahl;
    const int32_t d = Grafik_Screen_Geometrie.depth == 15 ? 15 : 16;
    auto farbe = [&](const uint8_t* c) { return Grafik_RGB_Zu_Pixel(d, c[0] + 8, c[1] + 8, c[2] + 8); };
    int32_t feld = 1, tor = 0;
    while (feld < 16 && r->objekt[feld].torwart) ++feld;
    while (tor < 16 && !r->objekt[tor].torwart) ++tor;
    ASSERT_LT(feld, 16);
    EXPECT_EQ(f.figur_farben[feld][SZ_HEMD], farbe(farben[0][0]));
    EXPECT_EQ(f.figur_farben[feld][SZ_HOSE], farbe(farben[0][3]));
    EXPECT_EQ(f.figur_farben[feld][SZ_BESATZ], farbe(farben[0][6]));
    // the away shirt (1) is close to the home shirt: the other kit (2 and 5)
    EXPECT_EQ(f.figur_farben[16 + feld][SZ_HEMD], farbe(farben[1][2]));
    EXPECT_EQ(f.figur_farben[16 + feld][SZ_HOSE], farbe(farben[1][5]));
    if (tor < 16) {
        EXPECT_EQ(f.figur_farben[16 + tor][SZ_HEMD], farbe(farben[1][8]));
    }
    EXPECT_EQ(f.figur_farben[1][SZ_HAUT], f.farben[SZ_HAUT + 6]);
    EXPECT_EQ(f.figur_farben[1][SZ_HAAR], f.farben[SZ_HAAR + 3]);
    EXPECT_EQ(f.figur_farben[2][SZ_HAUT], f.farben[SZ_HAUT + 2]);
    EXPECT_EQ(f.figur_farben[2][SZ_HAAR], f.farben[SZ_HAAR + 7]);
    EXPECT_EQ(f.figur_farben[3][SZ_HAUT], f.farben[SZ_HAUT]);  // no player: the picture's own
    // each bench's staff in its club's colours 10 and 11, whichever kit the players wear
    for (int32_t s = 0; s < 2; ++s) {
        EXPECT_EQ(f.figur_farben[SZ_STAB_FARBEN + s][SZ_HEMD], farbe(farben[s][10])) << s;
        EXPECT_EQ(f.figur_farben[SZ_STAB_FARBEN + s][SZ_HOSE], farbe(farben[s][11])) << s;
    }
    Spieler_DeInit();
    f.hintergrund = Grafik_Bitmap_Freigeben(f.hintergrund);
    Grafik_Sprite_Freigeben(f.kopfzeile);
    f = Spielszenen_Fenster{};
    f.spiel = -1;
    Spielszenen_Grafik_Freigeben();
}

// Fans wholly inside their window go straight onto the page, those the page cuts through the
// clipped blitter: a window cut by the page shows, where it lies, the pixels of the same window
// lying wholly on it (the same crowd from the same seed), and after the window's colours change
// both show the new ones, also where colours of 0 leave the page's pixels.
TEST_F(Spielszenen_Tribuenen_Bild, FansDrawnStraightMatchTheClippedBlitterAndFollowNewColours)
{
    ASSERT_TRUE(Spielszenen_Grafik_Laden());
    auto r = Spielszenen_Probe_Record(100);
    r->ansicht_seed = 7;
    stadion(r.get(), {5, 3, 6, 0, 4, 2}, 90);
    r->ansicht_x = 300, r->ansicht_y = 0;
    std::vector<uint16_t> erste;
    for (int32_t runde = 0; runde < 3; ++runde) {
        const std::vector<uint16_t> bild = ganz_und_geschnitten(
            [&](Spielszenen_Fenster& g) {
                g.spiel = 100, g.record = r.get(), g.breite = 603, g.hoehe = 450;
                for (int32_t i = 1; i < 256; ++i) g.farben[i] = runde == 2 && i % 3 == 0 ? 0 : uint16_t(0x0800 + 37 * i + 5 * runde);
                // the same crowd in the same poses for either place, its tables made anew
                Spielszenen_Tribuenen_Laden(&g, r.get());
            },
            [&](Spielszenen_Fenster& g) {
                for (int32_t b = 0; b < SZ_BLOECKE; ++b) Spielszenen_Zuschauer_Zeichnen(&g, r.get(), b);
            },
            5000, "round " + std::to_string(runde));
        // the later rounds' colours differ from the first's wherever a fan is drawn
        if (runde == 0) erste = bild;
        else EXPECT_NE(bild, erste);
    }
    Spielszenen_Szenerie_Freigeben();
    Spielszenen_Grafik_Freigeben();
}

// A window flush with the page's right edge: the fans at its right end have no room on the row
// for a whole vector move and are drawn by their runs, the others by rows; both give the pixels
// the clipped blitter gives, in each orientation and with colours of 0 among the window's.
TEST_F(Spielszenen_Tribuenen_Bild, FansAtThePagesRightEdgeMatchTheClippedBlitter)
{
    vier_faelle(11, [](Spielfeld_Record* r, int32_t fall) {
        menge_ganz_und_geschnitten(r, fall >= 2 ? 5 : 0, 0x0840, 29, "case " + std::to_string(fall), 640 - 603);
    });
}

// Fans nine pixels wide go onto the page a row in one wide vector where the processor has one:
// with it and with two narrow vectors a row the crowd leaves the same pixels, in both
// orientations, near the page's right edge too, and with colours of 0 among the window's.
TEST_F(Spielszenen_Tribuenen_Bild, WideAndNarrowFanRowsLeaveTheSamePixels)
{
    vier_faelle(23, [](Spielfeld_Record* r, int32_t fall) {
        std::vector<uint16_t> bild[2];
        for (int32_t breit = 0; breit < 2; ++breit) {
            Spielszenen_Zuschauer_Avx2(breit == 1);
            bild[breit] = menge_ganz_und_geschnitten(r, fall >= 2 ? 4 : 0, 0x0821, 31,
                                                     "case " + std::to_string(fall) + (breit ? " wide" : " narrow"),
                                                     fall >= 2 ? 640 - 603 : 5);
        }
        Spielszenen_Zuschauer_Avx2(true);
        EXPECT_EQ(bild[0], bild[1]) << fall;
    });
}

}  // namespace

// A block is left out of a frame only when none of its fans is in the window: wherever the
// camera stands, a block with a fan well inside the window draws.
TEST_F(Spielszenen_Tribuenen_Bild, ABlockWithAFanInTheWindowDrawsWhereverTheCameraStands)
{
    ASSERT_TRUE(Spielszenen_Grafik_Laden());
    auto r = Spielszenen_Probe_Record(100);
    stadion(r.get(), {5, 3, 6, 0, 4, 2}, 60);
    Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[0];
    f = Spielszenen_Fenster{};
    f.spiel = 100, f.record = r.get(), f.x = 5, f.y = 4, f.breite = 603, f.hoehe = 471, f.sichtbar = 1;
    Spielszenen_Fenster_Einrichten();
    auto* p = static_cast<uint16_t*>(Grafik_Seite_1->pixels);
    int32_t n = 0, geprueft = 0;
    const Spielszenen_Zuschauer* liste = Spielszenen_Zuschauer_Liste(&f, &n);
    for (r->ansicht_y = 0; r->ansicht_y <= 190; r->ansicht_y += 95)
        for (r->ansicht_x = 0; r->ansicht_x <= 1757; r->ansicht_x += 29)
            for (int32_t b = 0; b < 12; ++b) {
                int32_t a = 0, e = 0;
                Spielszenen_Block_Spanne(&f, b, &a, &e);
                bool innen = false;
                for (int32_t i = a; i < e; ++i) {
                    const int32_t sx = liste[i].x - r->ansicht_x, sy = liste[i].y - r->ansicht_y;
                    innen = innen || (sx >= 8 && sx < f.breite - 8 && sy >= 16 && sy < f.hoehe);
                }
                if (!innen) continue;
                std::fill(p, p + 640 * 480, uint16_t(0));
                Spielszenen_Zuschauer_Zeichnen(&f, r.get(), b);
                ASSERT_TRUE(std::any_of(p, p + 640 * 480, [](uint16_t v) { return v != 0; })) << b << " at " << r->ansicht_x;
                ++geprueft;
            }
    EXPECT_GT(geprueft, 500);
    bilder_freigeben(f);
    szene_freigeben(f);
}
