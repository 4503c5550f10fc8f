// The crest of a managed club: field 306 numbers the manager, the crest table names his crest.
#include <gtest/gtest.h>

#include <string>

#include "database/db_hilfe.h"
#include "database/manager.h"
#include "gameflow/highscore.h"
#include "gameflow/wappen.h"
#include "graphics/grafik_screen.h"
#include "platform/resfile.h"
#include "tools/datagen/resf_writer.cpp"

namespace {

// Crest pictures 1079.. of a resource file (index = number - 24), each of its own width.
int32_t wappen_datei()
{
    Resf_Datei d;
    for (int32_t k = 0; k <= 11; ++k) {
        Resf_Bitmap b;
        b.width = uint16_t(10 + k), b.height = 4, b.depth = 16;
        b.pixels.assign(size_t(b.width) * 4 * 2, 0x21);
        Resf_Setzen(d, uint32_t(1079 + k - 24), 14, Resf_Bitmap_Daten(b));
    }
    const std::string pfad = std::string(DORVIN_BINARY_DIR) + "/manager_wappen.res";
    if (!Resf_Schreiben(d, pfad)) return -1;
    return Init_ResFile(pfad.c_str());
}

TEST(ManagerWappen, BuiltInAndUserCrestComeFromTheCrestTable)
{
    const int32_t h = wappen_datei();
    ASSERT_GE(h, 0);
    const int32_t alt_tiefe = Grafik_Screen_Geometrie.depth;
    Grafik_Screen_Geometrie.depth = 16;
    Test_Teams_Anlegen(6);
    Netz_Rolle = 2;
    Manager_Neuer_Mitspieler(0, "A");
    Manager_Neuer_Mitspieler(1, "B");
    Manager_Neuer_Mitspieler(2, "C");
    ASSERT_EQ(Team_Wert(306, 2, 0, TEAM_LESEN), 2);  // the third manager's head
    Aktuelles_Team = 2;

    // Head 2 with built-in crest 5: picture 1084, not the head's own number.
    Manager_Wappen[2] = 5;
    Rastport* w = Wappen_Load_Team(h, nullptr, 0, 0, 2, 0, 0, 0);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->width, 15u);
    w = Grafik_Bitmap_Freigeben(w);
    // Crest numbers above 11 show the last built-in crest.
    Manager_Wappen[2] = 40;
    w = Wappen_Load_Team(h, nullptr, 0, 0, 2, 0, 0, 0);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->width, 21u);
    w = Grafik_Bitmap_Freigeben(w);
    // A user crest is a picture file; without one there is no crest, and no built-in stands in.
    Manager_Wappen[2] = MANAGER_WAPPEN_USER | 5;
    EXPECT_EQ(Wappen_Load_Team(h, nullptr, 0, 0, 2, 0, 0, 0), nullptr);

    for (auto& x : Manager_Wappen) x = 0;
    Manager_Anzahl = 0;
    Highscore_Init();
    Test_Aufraeumen();
    Grafik_Screen_Geometrie.depth = alt_tiefe;
    DeInit_ResFile(h);
}

}  // namespace
