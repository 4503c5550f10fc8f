// The economy screens on the generated small world: the builder's resource files of this
// process, a headless screen with the fonts, the menu's icon registry, and the economy group
// registered with the main menu; the advertising world's two human managers, the first acting.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/builder_daten.h"
#include "economy/bank.h"
#include "economy/oekonomie_schirm.h"
#include "economy/stadion.h"
#include "graphics/font.h"
#include "graphics/grafik_screen.h"
#include "platform/display.h"
#include "platform/os/os_intern.h"
#include "platform/resfile.h"
#include "platform/win95.h"
#include "toolkit/hauptmenue.h"
#include "toolkit/icon.h"
#include "toolkit/screen.h"
#include "toolkit/text_pruefung.h"
#include "toolkit/ziehen.h"
#include "werbung_hilfe.h"

struct SchirmTest : WerbungTest {
    // Where a test dumps its pictures.
    static inline std::filesystem::path res_ordner;

    static void SetUpTestSuite()
    {
        res_ordner = std::filesystem::temp_directory_path() / ("dorvin_schirm_" + std::to_string(::getpid()));
        ASSERT_TRUE(Test_Resfiles_Oeffnen());
        Bildschirm_Modus = 101;
        ASSERT_EQ(Grafik_Screen_Init(640, 480, 16), 1);
        Grafik_Init();
    }
    static void TearDownTestSuite()
    {
        Font_Alle_Freigeben();
        Grafik_Screen_DeInit();
        DeInit_System_Dateien();
        std::filesystem::remove_all(res_ordner);
    }
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(WerbungTest::SetUp());
        Bank_Init();
        Stadion_Init();
        for (int32_t m : manager) Stadion_Neu(m, nullptr);
        Programm_Ende = 0;
        Os_Input_Set_Mouse(0, 0);
        Os_Input_Set_Buttons(false, false);
        Menue_Register_Leeren();
        Menue_Init(1);
        Oekonomie_Schirme_Registrieren();
        Aktuelles_Team = manager[0];
    }
    void TearDown() override
    {
        Menue_Bereich_Loeschen(0x45, -9999, -9999, 9999, 9999);
        // A screen's per-pass hook lets go once its screen is gone.
        if (Menue_Hook) Menue_Hook(0, 0, 0);
        Menue_Gruppen_Screens[1] = nullptr;
        Aktuelles_Team = -1;
        Bank_Set_Fernaufruf(nullptr);
        Stadion_Set_Fernaufruf(nullptr);
        Stadion_DeInit();
        Bank_DeInit();
        WerbungTest::TearDown();
    }
    static bool da(int32_t nummer) { return Menue_Screen_Icon_Ist_Vorhanden(nummer) != 0; }
    // Clicks an icon of the screen through its own procedure, the pointer on its middle.
    static int32_t klick(int32_t nummer, uint32_t flags = 4)
    {
        Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(nummer);
        if (!i || !i->klick) return -1;
        Os_Input_Set_Mouse(i->x + i->breite / 2, i->y + i->hoehe / 2);
        Win95_Message_Pump();
        return i->klick(i, flags);
    }
    // Clicks a rocker on one of its six buttons as the event step does: the standard handler
    // steps the value (zones 0-2 down, 3-5 up; the outer ones ten and a hundred steps), then the
    // rocker's own procedure runs.
    static int32_t wippe(int32_t nummer, int32_t zone)
    {
        Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(nummer);
        if (!i || !i->klick || !(i->flags & ICON_WERTFELD) || zone < 0 || zone > 5) return -1;
        const auto* w = static_cast<const Menue_Wert_Beschreibung*>(i->daten);
        static constexpr int16_t X[6] = {5, 20, 32, 44, 55, 67}, Y[6] = {14, 15, 16, 16, 15, 14};
        Os_Input_Set_Mouse(i->x + (w && w->zone_x[zone] != -1 ? w->zone_x[zone] : X[zone]) + 5, i->y + Y[zone] + 5);
        Win95_Message_Pump();
        const uint32_t flags = 4u | (zone < 3 ? 1u : 2u);
        if (i->flags & ICON_WIPPE_STANDARD) Menue_Wippe_Standard(i, flags);
        return i->klick(i, flags);
    }
    // Drops a draggable icon with the pointer at (x, y).
    static void ablegen(int32_t nummer, int32_t x, int32_t y)
    {
        Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(nummer);
        ASSERT_TRUE(i && i->move && i->move->bedienen);
        Os_Input_Set_Mouse(x, y);
        Win95_Message_Pump();
        i->move->bedienen(i->move, i, x, y, 0x80);
    }
};

// The same with the text check following every text drawn, to read what the screen shows.
struct TextSchirmTest : SchirmTest {
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(SchirmTest::SetUp());
        Text_Pruefung_Starten();
    }
    void TearDown() override
    {
        Text_Pruefung_Beenden();
        SchirmTest::TearDown();
    }
};
