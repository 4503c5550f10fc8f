// The screen frame's crest icon: nothing before a game runs; afterwards the crest in the icon's
// bitmap and a soft shadow on the page, darkest close to the crest; a picture to look at.
#include <gtest/gtest.h>

#include <algorithm>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "common/welt_ordner.h"
#include "competitions/spiele_welt.h"
#include "competitions/statistik_anzeige.h"
#include "gameflow/eingang.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_screen.h"
#include "platform/os/os_display.h"
#include "platform/resfile.h"
#include "toolkit/icon.h"

namespace {

// The built world's resource file as the standard one, the page and the icon's bitmap of a
// test; all put back or freed at its end.
class RahmenWappen : public spielwelt::Spielwelt {
protected:
    std::filesystem::path ordner;
    int32_t alt_handle = -1;
    Rastport* alt_ziel = nullptr;
    Rastport* seite = nullptr;
    Menue_Icon icon = Menue_Icon_Vorlage(759, -1, 0, 10, 8, 40, 40, 20, 20);
    bool ordner_behalten = false;

    void welt(const char* name)
    {
        ordner = Test_Welt_Bauen(name, {"resfiles"});
        alt_handle = ResFile_Handles[0].handle;
        alt_ziel = Grafik_Render_Ziel;
        ResFile_Handles[0].handle = Init_ResFile((ordner / "resfile" / "resf_scr.res").c_str());
        ASSERT_GE(ResFile_Handles[0].handle, 0);
        seite = Grafik_Bitmap_Anlegen(120, 60, 16);
        Grafik_Render_Ziel = seite;
        icon.bitmap = Grafik_Bitmap_Anlegen(40, 40, 16);
    }
    void TearDown() override
    {
        Eingang_Set_Spiel_Gestartet(false);
        Grafik_Bitmap_Freigeben(icon.bitmap);
        Grafik_Bitmap_Freigeben(seite);
        if (!ordner.empty()) {
            Grafik_Render_Ziel = alt_ziel;
            DeInit_ResFile(ResFile_Handles[0].handle);
            ResFile_Handles[0].handle = alt_handle;
            if (!ordner_behalten) std::filesystem::remove_all(ordner);
        }
        spielwelt::Spielwelt::TearDown();
    }
};

TEST_F(RahmenWappen, CrestWithASoftShadowOnlyOnceAGameRuns)
{
    ASSERT_NO_FATAL_FAILURE(welt("rahmenwappen"));
    constexpr uint16_t GRAU = 0xBDF7;
    auto* p = static_cast<uint16_t*>(seite->pixels);
    for (size_t i = 0; i < size_t(120) * 60; ++i) p[i] = GRAU;
    icon.kennung_1 = 0;

    Eingang_Set_Spiel_Gestartet(false);
    EXPECT_EQ(Rahmen_Wappen_Zeichnen(&icon, 0), 0);
    Eingang_Set_Spiel_Gestartet(true);
    EXPECT_EQ(Rahmen_Wappen_Zeichnen(&icon, 0), 1);
    const auto* b = static_cast<const uint16_t*>(icon.bitmap->pixels);
    int32_t wappen = 0, dunkler = 0, am_dunkelsten = 0;
    for (int32_t y = 0; y < 40; ++y)
        for (int32_t x = 0; x < 40; ++x) wappen += b[y * 40 + x] != 0;
    EXPECT_GT(wappen, 400);
    for (size_t i = 0; i < size_t(120) * 60; ++i) dunkler += p[i] != GRAU;
    EXPECT_GT(dunkler, 400);
    // Right below the crest's bottom-right the shadow is laid most often.
    for (int32_t y = 8; y < 8 + 43; ++y)
        for (int32_t x = 10; x < 10 + 43; ++x) am_dunkelsten = std::max(am_dunkelsten, GRAU - int32_t(p[y * 120 + x] & 0x1F));
    EXPECT_GT(am_dunkelsten, 0);
    EXPECT_EQ(p[2 * 120 + 100], GRAU);  // far from the icon nothing changed

    // The picture: the page with the crest put on its shadow.
    for (int32_t y = 0; y < 40; ++y)
        for (int32_t x = 0; x < 40; ++x)
            if (b[y * 40 + x]) p[(8 + y) * 120 + 10 + x] = b[y * 40 + x];
    const char* bilder = std::getenv("DORVIN_BILDER");
    const std::string datei = (bilder ? std::filesystem::path(bilder) : ordner) / "rahmenwappen.png";
    EXPECT_TRUE(Os_Png_Schreiben(datei.c_str(), p, 120, 60, 120, false));
    ordner_behalten = bilder != nullptr;
}

// For a screen page nobody sees neither the crest nor its shadow is drawn; seen, both are.
TEST_F(RahmenWappen, NothingIsDrawnForAPageNobodySees)
{
    ASSERT_NO_FATAL_FAILURE(welt("rahmenwappen_ungesehen"));
    struct Zurueck {
        Rastport* seite_1 = Grafik_Seite_1;
        ~Zurueck()
        {
            Grafik_Seite_1 = seite_1;
            Os_Display_Set_Ungesehen(false);
        }
    } zurueck;
    Grafik_Seite_1 = seite;
    Eingang_Set_Spiel_Gestartet(true);
    icon.kennung_1 = 0;
    auto* p = static_cast<uint16_t*>(seite->pixels);
    const auto* b = static_cast<const uint16_t*>(icon.bitmap->pixels);
    for (int ungesehen = 1; ungesehen >= 0; --ungesehen) {
        std::fill(p, p + 120 * 60, uint16_t(0xBDF7));
        std::fill(const_cast<uint16_t*>(b), const_cast<uint16_t*>(b) + 40 * 40, uint16_t(7));
        Os_Display_Set_Ungesehen(ungesehen != 0);
        ASSERT_EQ(Grafik_Seite_Ungesehen(seite), ungesehen != 0);
        EXPECT_EQ(Rahmen_Wappen_Zeichnen(&icon, 0), 1);
        Os_Display_Set_Ungesehen(false);
        const auto seite_anders = std::count_if(p, p + 120 * 60, [](uint16_t v) { return v != 0xBDF7; });
        const auto wappen_anders = std::count_if(b, b + 40 * 40, [](uint16_t v) { return v != 7; });
        EXPECT_EQ(seite_anders == 0 && wappen_anders == 0, ungesehen != 0) << seite_anders << " " << wappen_anders;
    }
}

// The menu lays the same crests on the same background at every turn, and the shadow laid before
// is taken again: the same pixels as laid anew, and never for another crest or a page that differs
// under the shadow, be it in one pixel.
TEST_F(RahmenWappen, TheShadowLaidAgainIsTheSameAndFollowsEveryChangeUnderIt)
{
    ASSERT_NO_FATAL_FAILURE(welt("rahmenwappen_wieder"));
    auto* p = static_cast<uint16_t*>(seite->pixels);
    Eingang_Set_Spiel_Gestartet(true);
    // The page as a pattern, optionally one pixel under the shadow white; the page after.
    auto muster = [](size_t i) { return uint16_t(0x8410 + (i % 7) * 0x0821); };
    auto legen = [&](int32_t team, int32_t weiss) {
        for (size_t i = 0; i < size_t(120) * 60; ++i) p[i] = muster(i);
        if (weiss >= 0) p[weiss] = 0xFFFF;
        icon.kennung_1 = int16_t(team);
        EXPECT_EQ(Rahmen_Wappen_Zeichnen(&icon, 0), 1);
        return std::vector<uint16_t>(p, p + 120 * 60);
    };
    const std::vector<uint16_t> erst = legen(0, -1), wieder = legen(0, -1);
    EXPECT_TRUE(wieder == erst);
    const std::vector<uint16_t> wappen_0(static_cast<const uint16_t*>(icon.bitmap->pixels),
                                         static_cast<const uint16_t*>(icon.bitmap->pixels) + 40 * 40);
    // A pixel under the shadow, white: it is darkened, not replaced, and nothing else changes.
    int32_t unter = -1;
    for (size_t i = 0; i < erst.size() && unter < 0; ++i)
        if (erst[i] != muster(i)) unter = int32_t(i);
    ASSERT_GE(unter, 0);
    const std::vector<uint16_t> weiss = legen(0, unter);
    int32_t anders = 0;
    for (size_t i = 0; i < weiss.size(); ++i) anders += weiss[i] != erst[i];
    EXPECT_EQ(anders, 1);
    EXPECT_NE(weiss[size_t(unter)], 0xFFFF);
    // Another crest (the club's framed one) after it, and the first again.
    icon.kennung_2 = 0;
    EXPECT_FALSE(legen(0, -1) == erst);
    ASSERT_FALSE(std::equal(wappen_0.begin(), wappen_0.end(), static_cast<const uint16_t*>(icon.bitmap->pixels)));
    icon.kennung_2 = -1;
    EXPECT_TRUE(legen(0, -1) == erst);
    // At the page's right edge the shadow is cut as the page is; laid again the same.
    icon.x = 82;
    const std::vector<uint16_t> rand = legen(0, -1);
    EXPECT_FALSE(rand == erst);
    EXPECT_TRUE(legen(0, -1) == rand);
}

}  // namespace
