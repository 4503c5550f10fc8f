// The end-of-competition page on the headless screen, dumped during its wait for a person to
// look at: the cup winner's title, a relegation line, and the page dark after the fade.
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "competitions/saisonende.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb_welt.h"
#include "database/db_hilfe.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/os/os.h"
#include "platform/os/os_display.h"
#include "platform/resfile.h"
#include "umgebung.h"

namespace {

std::string dump_datei;
int32_t gewartet = 0;
bool ruhig_unten = false;   // the bottom line's band (y 455-475) holds one colour
bool offen_beim_warten = false;  // the page counted as open while it waited
bool gehalten_beim_warten = false;  // the script was held while the page waited

int32_t warten(int32_t ms, int32_t)
{
    gewartet = ms;
    offen_beim_warten = Saisonende_Offen();
    gehalten_beim_warten = Os_Script_Halten(true);
    Os_Script_Halten(gehalten_beim_warten);
    Os_Display_Dump_Png(dump_datei.c_str());
    ruhig_unten = true;
    for (int32_t y = 455; y < 476; ++y)
        for (int32_t x = 0; x < 640; ++x) ruhig_unten &= Grafik_Pixel_Lesen(Grafik_Seite_0, x, y) == Grafik_Pixel_Lesen(Grafik_Seite_0, 0, 455);
    return 1;
}

class Saisonende : public Toolkit_Test {
protected:
    std::string ordner = std::string(DORVIN_BINARY_DIR) + "/saisonende_bilder_" + std::to_string(getpid());
    void SetUp() override
    {
        Toolkit_Test::SetUp();
        std::system(("mkdir -p " + ordner).c_str());
        vereine_anlegen(testwelt::TEAM_ANZAHL, 0);
        std::strcpy(T_Fix[0].name, "SV Adlershof");
        std::vector<Wettbewerb_Datensatz> r = testwelt::bauen();
        r[testwelt::POKAL2].grafik_nummer = 4;   // the builder's default world draws its cup there
        r[testwelt::A1].grafik_nummer = 0;
        r[testwelt::B1].grafik_nummer = 64;  // beyond the pictures
        ASSERT_TRUE(Wettbewerb_Uebernehmen(r.data(), testwelt::ANZAHL, testwelt::TEAM_ANZAHL));
        Auslosung_Set_Warten_Hook(warten);
    }
    void TearDown() override
    {
        Auslosung_Set_Warten_Hook(nullptr);
        Wettbewerb_Free();
        Toolkit_Test::TearDown();
    }
};

TEST_F(Saisonende, BilderSiegerAbstiegUndAbdunkeln)
{
    for (int32_t n = 0; n < 5; ++n) {
        Rastport* b = static_cast<Rastport*>(Load_Resource(ResFile_Handles[0].handle, WETTBEWERB_GRAFIK_BASIS + n, 16, nullptr));
        ASSERT_NE(b, nullptr) << n;
        EXPECT_EQ(b->width, 640u);
        EXPECT_EQ(b->height, 480u);
        Grafik_Bitmap_Freigeben(b);
    }

    dump_datei = ordner + "/pokalsieger.png";
    EXPECT_TRUE(Saisonende_Anzeigen(11, 0, 1, nullptr, 0, 0));
    EXPECT_EQ(gewartet, 40000);
    EXPECT_TRUE(ruhig_unten);
    // Dark after 60 steps.
    const uint16_t p = seite0(320, 240);
    EXPECT_LE(p >> 11, 1);
    EXPECT_LE((p >> 5) & 63, 2);
    EXPECT_LE(p & 31, 1);
    Os_Display_Dump_Png((ordner + "/abgedunkelt.png").c_str());

    dump_datei = ordner + "/abstieg.png";
    const Wettbewerb_Id unten = 2;
    EXPECT_TRUE(Saisonende_Anzeigen(1, 0, 17, &unten, 1, 2));
    EXPECT_FALSE(ruhig_unten);

    dump_datei = ordner + "/quali.png";
    const Wettbewerb_Id gruppe = 22;
    EXPECT_TRUE(Saisonende_Anzeigen(1, 0, 1, &gruppe, 1, 1));

    // A missing picture draws nothing.
    gewartet = 0;
    const uint16_t vorher = seite0(100, 100);
    EXPECT_FALSE(Saisonende_Anzeigen(4, 0, 1, nullptr, 0, 0));
    EXPECT_EQ(gewartet, 0);
    EXPECT_EQ(seite0(100, 100), vorher);
}

// The fade ends the same whether every step is drawn (a window, a picture asked for) or only
// the last (headless, nobody looking): page 0 and the display frame dark alike, and the clock
// as far on, so that a script's next line meets the same screen at the same time.
TEST_F(Saisonende, AbdunkelnOhneZuschauerEndetWieMitJedemSchritt)
{
    struct Ende {
        std::vector<uint16_t> seite, anzeige;
        uint32_t dauer = 0;
    };
    auto ablauf = [&](bool jeder_schritt) {
        Os_Display_Set_Bild_Immer(jeder_schritt);
        dump_datei = ordner + (jeder_schritt ? "/jeder.png" : "/letzter.png");
        const uint32_t start = Os_Time_Ms();
        EXPECT_TRUE(Saisonende_Anzeigen(1, 0, 17, nullptr, 0, 0));
        Ende e;
        e.dauer = Os_Time_Ms() - start;
        for (int32_t y = 0; y < 480; ++y)
            for (int32_t x = 0; x < 640; ++x) e.seite.push_back(seite0(x, y));
        int32_t pitch = 0;
        const uint16_t* frame = Os_Display_Frame(&pitch);
        for (int32_t y = 0; frame && y < 480; ++y) e.anzeige.insert(e.anzeige.end(), frame + y * pitch, frame + y * pitch + 640);
        Os_Display_Set_Bild_Immer(false);
        return e;
    };
    const Ende alle = ablauf(true), letzter = ablauf(false);
    EXPECT_GE(alle.dauer, 600u);
    EXPECT_EQ(letzter.dauer, alle.dauer);
    ASSERT_EQ(letzter.seite.size(), size_t(640 * 480));
    EXPECT_TRUE(letzter.seite == alle.seite);
    ASSERT_EQ(letzter.anzeige.size(), size_t(640 * 480));
    EXPECT_TRUE(letzter.anzeige == alle.anzeige);
    // Dark all over, not only where the page's text stood.
    size_t hell = 0;
    for (uint16_t p : letzter.seite) hell += (p >> 11) > 1;
    EXPECT_EQ(hell, 0u);
}

// The season change's page fades out and gives back the screen it covered, on page 0 and in
// the display alike: the season's next requester must not stand on black.
TEST_F(Saisonende, SeiteGibtDenBildschirmZurueck)
{
    const uint16_t grund = 0x1234;
    Os_Display_Set_Bild_Immer(true);
    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 0, 640, 480, grund);
    dump_datei = ordner + "/zurueck.png";
    gewartet = 0;
    EXPECT_TRUE(Saisonende_Seite_Zeigen(1, 0, 17, nullptr, 0, 0));
    EXPECT_EQ(gewartet, 40000) << "the page was shown";
    size_t anders = 0, anders_angezeigt = 0;
    int32_t pitch = 0;
    const uint16_t* frame = Os_Display_Frame(&pitch);
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 0; x < 640; ++x) {
            anders += seite0(x, y) != grund;
            anders_angezeigt += frame && frame[y * pitch + x] != grund;
        }
    Os_Display_Set_Bild_Immer(false);
    EXPECT_EQ(anders, 0u);
    EXPECT_EQ(anders_angezeigt, 0u);
    // Without its picture nothing is shown and nothing changes.
    gewartet = 0;
    EXPECT_FALSE(Saisonende_Seite_Zeigen(4, 0, 1, nullptr, 0, 0));
    EXPECT_EQ(gewartet, 0);
    EXPECT_EQ(seite0(100, 100), grund);
}

// A script that waits for the page sees it open while it waits for its click, and closed
// before and after.
TEST_F(Saisonende, ThePageCountsAsOpenOnlyWhileItWaits)
{
    dump_datei = ordner + "/offen.png";
    offen_beim_warten = false;
    EXPECT_FALSE(Saisonende_Offen());
    EXPECT_TRUE(Saisonende_Seite_Zeigen(1, 0, 17, nullptr, 0, 0));
    EXPECT_TRUE(offen_beim_warten);
    EXPECT_FALSE(Saisonende_Offen());
    // A page without its picture never opens.
    offen_beim_warten = false;
    EXPECT_FALSE(Saisonende_Seite_Zeigen(4, 0, 1, nullptr, 0, 0));
    EXPECT_FALSE(offen_beim_warten);
}

// The season's work holds the script: a script that waits for the page gets it as input while
// the page waits, and is held again after it; without one the page leaves the hold alone.
TEST_F(Saisonende, AScriptThatWaitsForThePageGivesItsInput)
{
    dump_datei = ordner + "/erwartet.png";
    const bool vorher = Os_Script_Halten(true);
    Saisonende_Erwarten(true);
    EXPECT_TRUE(Saisonende_Seite_Zeigen(1, 0, 17, nullptr, 0, 0));
    EXPECT_FALSE(gehalten_beim_warten);
    EXPECT_TRUE(Os_Script_Halten(true)) << "held again after the page";
    Saisonende_Erwarten(false);
    EXPECT_TRUE(Saisonende_Seite_Zeigen(1, 0, 17, nullptr, 0, 0));
    EXPECT_TRUE(gehalten_beim_warten);
    Os_Script_Halten(vorher);
}

}  // namespace
