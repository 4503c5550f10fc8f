// Pitch geometry and the view's camera: the measures, the projection both ways, direction
// sectors, the camera's clamps and steps, free scrolling, background pictures and the view's
// own generator.
#include <gtest/gtest.h>

#include <memory>

#include "match/spielfeld.h"
#include "matchview/live/spielszenen_kamera.h"
#include <cstring>
#include "platform/zufall.h"

namespace {

std::unique_ptr<Spielfeld_Record> neuer_record()
{
    auto r = std::make_unique<Spielfeld_Record>();
    *r = Spielfeld_Record{};
    return r;
}

TEST(SpielfeldGeometrie, MeasuresFollowLengthAndWidth)
{
    int32_t m[SPIELFELD_MASSE_ANZAHL] = {};
    Spielszenen_Spielfeld_Masse_Setzen(m);
    const int32_t erwartet[SPIELFELD_MASSE_ANZAHL] = {10800, 6806, 2953, 2953, 3853, 3853, 300,  300,  1100,
                                                      9700,  3403, 3403, 1388, 1388, 5418, 5418, 1632, 9168,
                                                      2487,  2487, 4319, 4319, 550,  10250, 2488, 4318};
    for (int32_t i = 0; i < SPIELFELD_MASSE_ANZAHL; ++i) {
        EXPECT_EQ(m[i], erwartet[i]) << i;
        EXPECT_EQ(Spielfeld_Masse[i], erwartet[i]) << i;
    }
}

TEST(SpielfeldGeometrie, KnownPointsProjectToTheirPixels)
{
    auto r = neuer_record();
    int32_t px = 0, py = 0;
    Spielszenen_Feld_Zu_Bild(r.get(), 5400, 3403, 0, &px, &py);
    EXPECT_EQ(px, 1197);
    EXPECT_EQ(py, 358);
    Spielszenen_Feld_Zu_Bild(r.get(), 5400, 3403, 300, &px, &py);
    EXPECT_EQ(px, 1197);
    EXPECT_EQ(py, 318);
    Spielszenen_Feld_Zu_Bild(r.get(), 0, 0, 0, &px, &py);
    EXPECT_EQ(px, 933);
    EXPECT_EQ(py, 67);
    Spielszenen_Feld_Zu_Bild(r.get(), 10800, 6806, 0, &px, &py);
    EXPECT_EQ(px, 1461);
    EXPECT_EQ(py, 649);
    r->gespiegelt = 1;
    Spielszenen_Feld_Zu_Bild(r.get(), 5400, 3403, 0, &px, &py);
    EXPECT_EQ(px, 1200);
    EXPECT_EQ(py, 358);
}

TEST(SpielfeldGeometrie, GroundPointsRoundTripInBothOrientations)
{
    auto r = neuer_record();
    for (int32_t spiegel = 0; spiegel < 2; ++spiegel) {
        r->gespiegelt = spiegel;
        for (int32_t x = 0; x <= 10800; x += 450)
            for (int32_t y = 0; y <= 6806; y += 379) {
                int32_t px, py, fx, fy;
                Spielszenen_Feld_Zu_Bild(r.get(), float(x), float(y), 0, &px, &py);
                Spielszenen_Bild_Zu_Feld(r.get(), px, py, &fx, &fy);
                // One pixel spans a few centimetres; the way back lands on the nearest pixel's point.
                int32_t bx, by;
                Spielszenen_Feld_Zu_Bild(r.get(), float(fx), float(fy), 0, &bx, &by);
                EXPECT_NEAR(bx, px, 1) << x << "," << y << " mirrored " << spiegel;
                EXPECT_NEAR(by, py, 1) << x << "," << y << " mirrored " << spiegel;
                EXPECT_NEAR(fx, x, 40);
                EXPECT_NEAR(fy, y, 40);
            }
        // Pixels map to points and back exactly.
        for (int32_t px = 700; px < 1700; px += 37)
            for (int32_t py = 80; py < 640; py += 29) {
                int32_t fx, fy, bx, by;
                Spielszenen_Bild_Zu_Feld(r.get(), px, py, &fx, &fy);
                Spielszenen_Feld_Zu_Bild(r.get(), float(fx), float(fy), 0, &bx, &by);
                EXPECT_EQ(bx, px);
                EXPECT_EQ(by, py);
            }
    }
}

TEST(SpielfeldGeometrie, RoundingAndSectors)
{
    EXPECT_EQ(Spielszenen_Runden(2.5f), 3);
    EXPECT_EQ(Spielszenen_Runden(-2.5f), -3);
    EXPECT_EQ(Spielszenen_Runden(-2.4f), -2);
    EXPECT_EQ(Spielszenen_Winkel_Berechnen(0, 5), 156);
    EXPECT_EQ(Spielszenen_Richtung_Berechnen(10, 10, 10, 10), 2);
    EXPECT_EQ(Spielszenen_Richtung_Berechnen(0, 0, 0, 5), 4);
    EXPECT_EQ(Spielszenen_Richtung_Berechnen(0, 0, 0, -5), 0);
    EXPECT_EQ(Spielszenen_Richtung_Berechnen(0, 0, -5, 0), 6);
    EXPECT_EQ(Spielszenen_Richtung_Berechnen(0, 0, 5, 0), 2);
    EXPECT_EQ(Spielszenen_Richtung_Berechnen(0, 0, 10, 10), 3);   // 78 hundredths
    EXPECT_EQ(Spielszenen_Richtung_Berechnen(0, 0, 10, -10), 1);
    EXPECT_EQ(Spielszenen_Richtung_Berechnen(0, 0, -10, 10), 5);
    EXPECT_EQ(Spielszenen_Richtung_Berechnen(0, 0, -10, -10), 7);
    // The steep thresholds differ: 86 towards negative y, 100 towards positive y.
    EXPECT_EQ(Spielszenen_Richtung_Berechnen(0, 0, 10, 13), 3);   // atan 1.3 = 0.915
    EXPECT_EQ(Spielszenen_Richtung_Berechnen(0, 0, 10, -13), 0);
    EXPECT_FLOAT_EQ(Spielszenen_Abstand(1, 2, 4, 6), 5.0f);
}

TEST(SpielfeldKamera, FollowsClampedTargetAndKeepsTheViewInsideThePicture)
{
    auto r = neuer_record();
    Spielfeld_Steuerung_Block st{};
    st.kamera_teiler = 35;
    r->kamera_ziel[0] = -5000;
    r->kamera_ziel[1] = 90000;
    Spielszenen_Kamera_Nachfuehren(r.get(), &st, 0);
    EXPECT_EQ(r->kamera_ziel[0], 800.0f);
    EXPECT_EQ(r->kamera_ziel[1], 5440.0f);
    // A quarter of the way, then divided by 17.
    EXPECT_EQ(r->kamera[0], 200 / 17);
    EXPECT_EQ(r->kamera[1], 1360 / 17);
    for (int32_t i = 0; i < 2000; ++i) {
        Spielszenen_Kamera_Nachfuehren(r.get(), &st, 0);
        ASSERT_GE(r->ansicht_x, 0);
        ASSERT_LE(r->ansicht_x, SPIELSZENEN_ANSICHT_MAX_X);
        ASSERT_GE(r->ansicht_y, 0);
        ASSERT_LE(r->ansicht_y, SPIELSZENEN_ANSICHT_MAX_Y);
    }
    // Pause and replay hold the camera.
    const int32_t x = r->kamera[0];
    r->kamera_ziel[0] = 9000;
    Spielszenen_Kamera_Nachfuehren(r.get(), &st, 1);
    st.pause = 1;
    Spielszenen_Kamera_Nachfuehren(r.get(), &st, 0);
    EXPECT_EQ(r->kamera[0], x);
}

TEST(SpielfeldKamera, SmallDivisorJumpsAndShootOutStepsByFifths)
{
    for (int32_t teiler : {0, 1}) {
        auto r = neuer_record();
        Spielfeld_Steuerung_Block st{};
        st.kamera_teiler = teiler;
        st.kamera_glatt_aus = 1;
        r->kamera_ziel[0] = 5400;
        r->kamera_ziel[1] = 3403;
        r->kamera_ziel[2] = 120;
        Spielszenen_Kamera_Nachfuehren(r.get(), &st, 0);
        EXPECT_EQ(r->kamera[0], 5400);
        EXPECT_EQ(r->kamera[1], 3403);
        EXPECT_EQ(r->kamera[2], 120);
        EXPECT_EQ(r->ansicht_x, 1197 - 320);  // height moves the view up, never sideways
    }
    auto r = neuer_record();
    Spielfeld_Steuerung_Block st{};
    st.kamera_teiler = 35;
    r->elfmeter_schuss = 1;
    r->kamera_ziel[0] = 5000;
    r->kamera_ziel[1] = 3000;
    Spielszenen_Kamera_Nachfuehren(r.get(), &st, 0);
    EXPECT_EQ(r->kamera[0], 1000);
    EXPECT_EQ(r->kamera[1], 600);
}

TEST(SpielfeldKamera, FreeScrollingIsSafeWithoutDivisor)
{
    auto r = neuer_record();
    Spielfeld_Steuerung_Block st{};
    st.pause = 1;
    st.kamera_teiler = 0;
    Spielszenen_Fenster f{};
    f.x = 0;
    f.y = 0;
    f.breite = 640;
    f.hoehe = 480;
    r->ansicht_x = 500;
    r->ansicht_y = 100;
    Spielszenen_Kamera_Scrollen_Bei(&f, r.get(), &st, 0, 635, 240);
    EXPECT_EQ(r->ansicht_x, 800);
    EXPECT_EQ(r->ansicht_y, 100);
    st.kamera_teiler = 35;
    Spielszenen_Kamera_Scrollen_Bei(&f, r.get(), &st, 0, 3, 3);
    EXPECT_EQ(r->ansicht_x, 792);
    EXPECT_EQ(r->ansicht_y, 92);
    r->ansicht_x = 1755;
    st.kamera_teiler = 1;
    Spielszenen_Kamera_Scrollen_Bei(&f, r.get(), &st, 0, 635, 477);
    EXPECT_EQ(r->ansicht_x, SPIELSZENEN_ANSICHT_MAX_X);
    EXPECT_EQ(r->ansicht_y, SPIELSZENEN_ANSICHT_MAX_Y);
}

TEST(SpielfeldKamera, BackgroundPictureFromSizeKindVariantWeatherAndMirror)
{
    auto r = neuer_record();
    Spielszenen_Fenster f{};
    r->gespiegelt = 1;
    r->wetter = 3;
    EXPECT_EQ(Spielszenen_Hintergrund_Id(&f, r.get()), 2010);
    r->gespiegelt = 0;
    r->wetter = 1;
    r->platz_art = 4;
    r->platz_variante = 1;
    f.groesse = 1;
    EXPECT_EQ(Spielszenen_Hintergrund_Id(&f, r.get()), 2113);
    f.groesse = 2;
    r->wetter = 2;
    EXPECT_EQ(Spielszenen_Hintergrund_Id(&f, r.get()), 2107 + 8);
}

TEST(SpielfeldKamera, PanelSlotTestsAndSortOrder)
{
    auto r = neuer_record();
    std::fill(&r->einwechsel[0][0], &r->einwechsel[0][0] + 14, int8_t(-1));
    std::fill(&r->auswechsel[0][0], &r->auswechsel[0][0] + 14, int8_t(-1));
    Spielszenen_Fenster f{};
    f.seite = 1;
    EXPECT_EQ(Spielszenen_Slot_Eigene_Seite(&f, 16), 1);
    EXPECT_EQ(Spielszenen_Slot_Eigene_Seite(&f, 15), 0);
    f.seite = -1;
    EXPECT_EQ(Spielszenen_Slot_Eigene_Seite(&f, 3), 0);
    EXPECT_EQ(Spielszenen_Seite_Hat_Wechsel(r.get(), 1), 0);
    r->auswechsel[1][6] = 20;
    EXPECT_EQ(Spielszenen_Slot_Im_Wechsel(r.get(), 20), 1);
    EXPECT_EQ(Spielszenen_Seite_Hat_Wechsel(r.get(), 1), 1);
    EXPECT_EQ(Spielszenen_Seite_Hat_Wechsel(r.get(), 0), 0);

    uint8_t a[80] = {}, b[80] = {};
    const float fa = 1.5f, fb = 2.5f;
    std::memcpy(a + 76, &fa, 4);
    std::memcpy(b + 76, &fb, 4);
    const uint8_t* pa = a;
    const uint8_t* pb = b;
    EXPECT_EQ(Spielszenen_Vergleich_Wert(&pa, &pb), 1);
    EXPECT_EQ(Spielszenen_Vergleich_Wert(&pb, &pa), -1);
    EXPECT_EQ(Spielszenen_Vergleich_Wert(&pa, &pa), 0);
}

TEST(SpielfeldKamera, ViewGeneratorIsTheClassicSequenceAndLeavesTheMatchAlone)
{
    auto r = neuer_record();
    r->ansicht_seed = 1;
    EXPECT_EQ(Spielszenen_Zufall_Starten(r.get()), 1);
    Zufall_Set_Seed(4711);
    uint32_t s = 1;
    for (int32_t i = 0; i < 50; ++i) {
        s = s * 1103515245u + 12345u;
        EXPECT_EQ(Spielszenen_Zufall(0, 32767), int32_t((s >> 16) & 0x7FFF));
    }
    EXPECT_EQ(Zufall_Get_Seed(), 4711);
    Spielszenen_Zufall_Starten(r.get());
    EXPECT_EQ(Spielszenen_Zufall(10, 12), 10 + 16838 % 3);
}

}  // namespace
