// The transfer line of the remote calls: a dark strip with light edges at the screen's bottom and
// the running byte total, left out while icon 703 stands on the screen or the live match view is
// loaded.
#include <cstdlib>
#include <string>
#include <vector>

#include "gameflow/globals.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "matchview/spielszenen.h"
#include "network/internet_read.h"
#include "platform/os/os_display.h"
#include "toolkit/icon.h"
#include "umgebung.h"

namespace {

using Transferzeile = Toolkit_Test;

TEST_F(Transferzeile, StreifenMitSummeNurOhneIcon703)
{
    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 440, 640, 40, 0xF800);
    const uint32_t alt = Internet_Bytes_Gesamt;
    Internet_Bytes_Gesamt = 123456;
    Internet_Transferzeile_Zeigen();
    const uint16_t hell = seite0(5, 462), dunkel = seite0(5, 470);
    EXPECT_NE(hell, dunkel);
    EXPECT_EQ(seite0(600, 479), hell);
    EXPECT_EQ(seite0(5, 461), 0xF800);
    // The text stands between the edges, around the middle of the line.
    int32_t text = 0;
    for (int32_t y = 464; y < 478; ++y)
        for (int32_t x = 200; x < 440; ++x) text += seite0(x, y) != dunkel;
    EXPECT_GT(text, 50);
    if (const char* ziel = std::getenv("TRANSFERZEILE_PNG")) {
        const auto* p = static_cast<const uint16_t*>(Grafik_Seite_0->pixels);
        Os_Png_Schreiben(ziel, p, 640, 480, int(Grafik_Seite_0->width), false);
    }

    // Nor over the live match view.
    Internet_Transferzeile_Entfernen();
    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 440, 640, 40, 0xF800);
    ASSERT_TRUE(Spielszenen_Grafik_Laden());
    Internet_Transferzeile_Zeigen();
    EXPECT_EQ(seite0(5, 462), 0xF800);
    Spielszenen_Grafik_Freigeben();

    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 440, 640, 40, 0xF800);
    Menue_Screen_Icon_Hinzufuegen(flaeche(703, 600, 10, 20, 20, 1));
    Internet_Transferzeile_Zeigen();
    EXPECT_EQ(seite0(5, 462), 0xF800);
    Internet_Bytes_Gesamt = alt;
}

// A line left of the menu's icon column stands over a screen that holds icon 703 too and leaves
// the column alone; shown again with another text and then removed, it gives the screen beneath
// back whole. One of the whole row before it goes back right of the column.
TEST_F(Transferzeile, EineZeileLinksDerIconsLaesstIhreSpalteFrei)
{
    const auto rot_zurueck = [this] {
        int32_t anders = 0;
        for (int32_t y = 462; y < 480; ++y)
            for (int32_t x = 0; x < 640; ++x) anders += seite0(x, y) != 0xF800;
        return anders;
    };
    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 440, 640, 40, 0xF800);
    Internet_Transferzeile_Zeigen();
    ASSERT_NE(seite0(620, 470), 0xF800);
    Internet_Zeile_Zeigen("Warte auf den Spielzug von: Anna", true);
    EXPECT_EQ(seite0(620, 470), 0xF800) << "the whole row's strip is gone right of the column";
    Internet_Zeile_Entfernen();
    ASSERT_EQ(rot_zurueck(), 0);

    Menue_Screen_Icon_Hinzufuegen(flaeche(703, 600, 10, 20, 20, 1));
    Internet_Zeile_Zeigen("Warte auf den Spielzug von: Anna", true);
    const uint16_t hell = seite0(5, 462), dunkel = seite0(5, 470);
    EXPECT_NE(hell, 0xF800);
    EXPECT_NE(hell, dunkel);
    EXPECT_EQ(seite0(590, 479), hell);
    for (int32_t y = 462; y < 480; ++y)
        for (int32_t x = 596; x < 640; ++x) ASSERT_EQ(seite0(x, y), 0xF800) << x << "," << y;
    int32_t text = 0;
    for (int32_t y = 464; y < 478; ++y)
        for (int32_t x = 150; x < 450; ++x) text += seite0(x, y) != dunkel;
    EXPECT_GT(text, 50);
    Internet_Zeile_Zeigen("Warte auf den Spielzug von: Bernd, Carl", true);
    Internet_Zeile_Entfernen();
    EXPECT_EQ(rot_zurueck(), 0) << "the screen beneath comes back whole";
}

// A call of the own manager on a server runs locally and still shows what it moved; the total
// grows by each call's reply.
TEST_F(Transferzeile, NachEinemAufrufMitDerLaufendenSumme)
{
    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 440, 640, 40, 0xF800);
    const uint32_t alt = Internet_Bytes_Gesamt;
    const uint32_t rolle = Netz_Rolle;
    Internet_Bytes_Gesamt = 0;
    Netz_Rolle = 3;
    Internet_Client_Zero_Size_Test();
    // The reply of 120 bytes (result, slot, 100 bytes of data, three values), counted by the
    // local run and again by the unpacking.
    EXPECT_EQ(Internet_Bytes_Gesamt, 240u);
    Internet_Client_Zero_Size_Test();
    EXPECT_EQ(Internet_Bytes_Gesamt, 480u);
    // The line stood during the call only: the screen beneath is back.
    EXPECT_EQ(seite0(5, 470), 0xF800) << "the strip is gone after the call";
    EXPECT_EQ(seite0(320, 474), 0xF800);
    EXPECT_EQ(seite0(5, 461), 0xF800);
    if (const char* ziel = std::getenv("TRANSFERZEILE_AUFRUF_PNG")) {
        const auto* p = static_cast<const uint16_t*>(Grafik_Seite_0->pixels);
        Os_Png_Schreiben(ziel, p, 640, 480, int(Grafik_Seite_0->width), false);
    }
    Netz_Rolle = rolle;
    Internet_Bytes_Gesamt = alt;
}

// A client's call: the line stands while the reply is awaited, with the total so far, and the
// bottom buttons beneath come back whole after it; what a screen drew over the line meanwhile
// stays, and a line left by nobody never comes back.
TEST_F(Transferzeile, StehtNurWaehrendDesAufrufsUndGibtDenSchirmZurueck)
{
    const uint32_t alt = Internet_Bytes_Gesamt, rolle = Netz_Rolle;
    Netz_Rolle = 1;
    static uint16_t waehrend_rand, waehrend_mitte;
    static bool uebermalen = false;
    Internet_Set_Client_Austausch([](const std::vector<uint8_t>&, std::vector<uint8_t>*) {
        waehrend_rand = seite0(5, 462);
        waehrend_mitte = seite0(5, 470);
        if (uebermalen) Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 450, 100, 30, 0x07E0);
        return false;
    });
    for (int32_t y = 440; y < 480; ++y)
        Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, y, 640, 1, uint16_t(0xF800 | y));
    Internet_Client_Zero_Size_Test();
    EXPECT_NE(waehrend_rand, uint16_t(0xF800 | 462)) << "the line stands during the call";
    EXPECT_NE(waehrend_mitte, uint16_t(0xF800 | 470));
    for (int32_t y = 440; y < 480; ++y)
        for (int32_t x : {0, 5, 320, 639}) ASSERT_EQ(seite0(x, y), uint16_t(0xF800 | y)) << x << "," << y;

    // A screen that drew over the line during the call keeps its pixels; the rest of the line goes.
    uebermalen = true;
    Internet_Client_Zero_Size_Test();
    uebermalen = false;
    EXPECT_EQ(seite0(5, 470), 0x07E0);
    Internet_Client_Zero_Size_Test();
    EXPECT_EQ(seite0(5, 470), 0x07E0) << "nothing of an earlier call comes back";
    EXPECT_EQ(seite0(320, 470), uint16_t(0xF800 | 470));
    Internet_Set_Client_Austausch(nullptr);
    Netz_Rolle = rolle;
    Internet_Bytes_Gesamt = alt;
}

}  // namespace
