// The editors' team chooser over the menu screen, dumped for a person to look at: the continent
// list, the first European page and the South American page with names and 12 x 12 crests.
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "competitions/wettbewerbsliste.h"
#include "database/db_hilfe.h"
#include "gameflow/eingang.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_wappen.h"
#include "platform/os/os.h"
#include "platform/win95.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/popup.h"
#include "toolkit/screen.h"
#include "umgebung.h"

namespace {

bool gestartet() { return true; }
int32_t wappen(int32_t team, int32_t* user) { *user = 0; return team % 40; }

class Auswahl_Bilder : public Toolkit_Test {};

TEST_F(Auswahl_Bilder, SeitenUeberDemMenue)
{
    const std::string ordner = std::string(DORVIN_BINARY_DIR) + "/wettbewerbsliste_bilder_" + std::to_string(getpid());
    std::system(("mkdir -p " + ordner).c_str());
    Eingang_Set_Spiel_Gestartet_Hook(gestartet);
    Menue_Hintergrund_Zeichnen(0);
    Grafik_Blit(Grafik_Seite_1, 0, 0, 640, 480, Grafik_Seite_0, 0, 0);
    vereine_anlegen(90, 0);
    const char* europa[] = {"Adlershof", "Berlin", "Chemnitz", "Lübeck", "Münster", "aachen", "Ölstadt", "Zwickau"};
    for (int32_t t = 0; t < 8; ++t) std::strcpy(T_Fix[t].name, europa[t]);
    for (int32_t t = 8; t < 48; ++t) {
        std::snprintf(T_Fix[t].name, 24, "Club Atlético %d", t);
        T_Fix[t].kontinent = 2;
    }
    for (int32_t t = 0; t < 48; ++t) T[t].status = 1;
    Grafik_Wappen_Set_Hook(wappen);

    // The rows of the continent list as it will stand, opened at (40, 20).
    Menue_Kontextmenue probe{};
    Menue_Init_Kontextmenue(&probe, "Land wählen:", -1, POPUP_WAEHLBAR, nullptr);
    for (int32_t s = 0; s < WETTBEWERBSLISTE_SEITEN; ++s) probe.texte[s] = "Südamerika";
    Rastport* bm = Grafik_Bitmap_Anlegen(Popup_Liste_Breite(&probe) + 45, Popup_Liste_Hoehe(&probe), 16);
    int32_t ys[33], idx[33];
    Popup_Liste_Zeichnen(bm, &probe, ys, idx, -1);
    Grafik_Bitmap_Freigeben(bm);
    maus(60, 40);
    const std::string europa_zeile = std::to_string(20 + ys[0] + 6), sued_zeile = std::to_string(20 + ys[3] + 6);
    Os_Script_Load_Text("move 80 " + europa_zeile + "\nwait 50\nwait 50\ndump " + ordner + "/europa_a_l.png\n" +
                        "move 80 " + sued_zeile + "\nwait 600\nwait 600\nwait 100\nwait 100\ndump " + ordner + "/suedamerika.png\n" +
                        "move 0 470\nwait 600\nwait 600\n");
    EXPECT_EQ(Wettbewerbsliste_Team_Auswahl(), -1);
    Os_Script_Stop();
    Programm_Ende = 0;
    Grafik_Wappen_Set_Hook(nullptr);
    EXPECT_TRUE(std::ifstream(ordner + "/europa_a_l.png").good());
    EXPECT_TRUE(std::ifstream(ordner + "/suedamerika.png").good());
}

}  // namespace
