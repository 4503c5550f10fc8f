// The progress box's fades: headless, with no picture asked for, a picture taken in the middle
// of a fade and the screen after it are the same as when every step is drawn.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "graphics/grafik_fortschritt.h"
#include "graphics/grafik_screen.h"
#include "platform/display.h"
#include "platform/os/os.h"
#include "platform/os/os_display.h"
#include "platform/win95.h"

namespace {

std::string lesen(const std::string& pfad)
{
    std::ifstream in(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Plays the rest of the script; the end of a script closes the window, which a test undoes.
void skript_beenden()
{
    while (!Os_Script_Finished()) Win95_Message_Pump();
    Win95_Message_Pump();
    Programm_Ende = 0;
}

// Opens and closes the box over a patterned screen while a script takes a picture during each
// fade; returns both pictures and the page after each fade.
struct Ablauf {
    std::string auf, zu, seite_offen, seite_zu;
};

Ablauf ablauf(const std::string& ordner, bool jeder_schritt)
{
    Ablauf a;
    Bildschirm_Modus = 101;
    if (Grafik_Screen_Init(640, 480, 16) != 1) return a;
    Os_Display_Set_Bild_Immer(jeder_schritt);
    auto* p = static_cast<uint16_t*>(Grafik_Seite_0->pixels);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) p[y * 640 + x] = uint16_t(x * 37 + y * 101);
    Grafik_Screen_Seite_Zeigen(0);
    const std::string name = ordner + (jeder_schritt ? "/jeder" : "/letzter");
    // A script's wait lets the clock jump to its end, which ends a step's wait: the picture
    // comes halfway through each fade.
    std::string warten;
    for (int i = 0; i < 7; ++i) warten += "wait 15\n";
    Os_Script_Load_Text(warten + "dump " + name + "_auf.png\nwait 5000\n");
    if (Grafik_Fortschritt_Oeffnen("Datei wird eingelesen ...", -1, -1)) {
        a.seite_offen.assign(static_cast<const char*>(Grafik_Seite_0->pixels), 640 * 480 * 2);
        skript_beenden();
        Os_Script_Load_Text(warten + "dump " + name + "_zu.png\nwait 5000\n");
        Grafik_Fortschritt_Schliessen();
        a.seite_zu.assign(static_cast<const char*>(Grafik_Seite_0->pixels), 640 * 480 * 2);
    }
    skript_beenden();
    Os_Display_Set_Bild_Immer(false);
    Grafik_Screen_DeInit();
    a.auf = lesen(name + "_auf.png");
    a.zu = lesen(name + "_zu.png");
    return a;
}

}  // namespace

TEST(Fortschritt, FadesLeftUndrawnHeadlessShowTheSamePictures)
{
    char vorlage[] = "/tmp/dorvin_fortschritt_XXXXXX";
    ASSERT_NE(mkdtemp(vorlage), nullptr);
    const std::string ordner = vorlage;
    const Ablauf jeder = ablauf(ordner, true);
    const Ablauf letzter = ablauf(ordner, false);
    ASSERT_FALSE(jeder.auf.empty());
    ASSERT_FALSE(jeder.zu.empty());
    // The picture shows the box half faded in and half faded out, not the screen before it.
    EXPECT_TRUE(letzter.auf == jeder.auf);
    EXPECT_TRUE(letzter.zu == jeder.zu);
    EXPECT_TRUE(jeder.auf != jeder.zu);
    ASSERT_FALSE(jeder.seite_offen.empty());
    EXPECT_TRUE(letzter.seite_offen == jeder.seite_offen);
    EXPECT_TRUE(letzter.seite_zu == jeder.seite_zu);
    EXPECT_TRUE(jeder.seite_offen != jeder.seite_zu);
    EXPECT_EQ(std::system(("rm -rf '" + ordner + "'").c_str()), 0);
}
