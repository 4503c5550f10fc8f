// The modal pieces on the menu background, driven by headless scripts: a popup list with its
// sub-list open, a yes/no requester, a help bubble after the pointer rested, and the progress
// box at 33 %. Each frame must match the picture stored beside the test (bild_vergleich.h).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_fortschritt.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/os/os.h"
#include "platform/os/os_display.h"
#include "platform/win95.h"
#include "toolkit/event.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/popup.h"
#include "toolkit/requester.h"
#include "toolkit/screen.h"
#include "bild_vergleich.h"
#include "umgebung.h"

namespace {

bool gestartet() { return true; }

class Bilder : public Toolkit_Test {
protected:
    std::string ordner = std::string(DORVIN_BINARY_DIR) + "/toolkit_modal_bilder_" + std::to_string(getpid());
    void SetUp() override
    {
        Toolkit_Test::SetUp();
        Eingang_Set_Spiel_Gestartet_Hook(gestartet);
        std::system(("mkdir -p " + ordner).c_str());
        Menue_Hintergrund_Zeichnen(0);
        Grafik_Blit(Grafik_Seite_1, 0, 0, 640, 480, Grafik_Seite_0, 0, 0);
    }
    std::string datei(const char* name) { return ordner + "/" + name + ".png"; }
    // The frame dumped as `name` against tests/toolkit/modal_<name>.png.
    void pruefen(const char* name)
    {
        const std::string gespeichert = std::string("modal_") + name;
        ASSERT_EQ(std::rename(datei(name).c_str(), datei(gespeichert.c_str()).c_str()), 0) << name << " was not dumped";
        bilder_pruefen(ordner, std::vector<const char*>{gespeichert.c_str()});
    }
};

Menue_Kontextmenue haupt{}, sub{};
Menue_Kontextmenue* unterliste(Menue_Kontextmenue*, int32_t) { return &sub; }

TEST_F(Bilder, PopupListWithSubList)
{
    Menue_Init_Kontextmenue(&haupt, "Spieler: Jan Nordmann", 0, POPUP_WAEHLBAR, Popup_Wert_Merken);
    haupt.texte[0] = "Spielerprofil anzeigen";
    haupt.texte[1] = "Beobachten";
    haupt.status[1] |= POPUP_HAKEN | POPUP_GEWAEHLT;
    haupt.texte[2] = "Stammspieler";
    haupt.status[2] |= POPUP_RADIO | POPUP_GEWAEHLT;
    haupt.texte[3] = "Ersatzspieler";
    haupt.status[3] |= POPUP_RADIO | POPUP_TRENNER;
    Rastport* bild = Grafik_Bitmap_Anlegen(24, 24, 16);
    Grafik_Rechteck_Fuellen(bild, 0, 0, 24, 24, Grafik_Farbe(15, 8, 0));
    haupt.bilder[4] = bild;
    haupt.texte[4] = "Vereinswappen";
    haupt.texte[5] = "Auf die Transferliste";
    haupt.unterlisten[5] = unterliste;
    haupt.texte[6] = "Vertrag auflösen";
    haupt.status[6] = 0;
    Menue_Init_Kontextmenue(&sub, nullptr, 0, POPUP_WAEHLBAR, Popup_Wert_Merken);
    sub.texte[0] = "Für 500.000 DM";
    sub.texte[1] = "Für 1.000.000 DM";
    sub.texte[2] = "Ablösefrei";
    maus(200, 120);
    // The sub-list's row: the sixth row of the list opened at (180, 100).
    Rastport* bm = Grafik_Bitmap_Anlegen(Popup_Liste_Breite(&haupt) + 45, Popup_Liste_Hoehe(&haupt), 16);
    int32_t ys[33], idx[33];
    Popup_Liste_Zeichnen(bm, &haupt, ys, idx, -1);
    Grafik_Bitmap_Freigeben(bm);
    const std::string zeile = std::to_string(100 + ys[5] + 6);
    Os_Script_Load_Text("move 220 " + zeile + "\nwait 50\nwait 50\ndump " + datei("popup_liste") +
                        "\nmove 0 470\nwait 600\nwait 600\n");
    Popup_Liste_Ausfuehren(&haupt);
    Os_Script_Stop();
    Programm_Ende = 0;
    haupt.bilder[4] = nullptr;
    Grafik_Bitmap_Freigeben(bild);
    pruefen("popup_liste");
}

TEST_F(Bilder, YesNoRequesterOverTheMenu)
{
    Aktuelles_Team = 0;
    Os_Script_Load_Text("move 300 400\nwait 50\ndump " + datei("requester") + "\nclick 150 293\nwait 20\n");
    EXPECT_EQ(Menue_Requester(2, -1,
                              "Der FC Nordstadt bietet 1.200.000 DM für Ihren Torwart. Wollen Sie das Angebot "
                              "annehmen? Über die Ablöse wird danach nicht mehr verhandelt.",
                              "Annehmen", "Ablehnen", 1),
              1);
    Os_Script_Stop();
    Programm_Ende = 0;
    pruefen("requester");
}

TEST_F(Bilder, HelpBubbleAfterThePointerRests)
{
    Aktuelles_Team = 0;
    Menue_Icon* i = flaeche(980, 220, 200, 140, 26, 5, 26);
    i->hilfetext = "Tabelle der Liga^lKlick: alle Spiele des Spieltags";
    i->klick = [](Menue_Icon*, uint32_t) { return int32_t(0); };
    Menue_Screen_Icon_Hinzufuegen(i);
    // Each wait ends one fade step at most: the fade is over before the picture is taken.
    std::string warten;
    for (int k = 0; k < 40; ++k) warten += "wait 20\n";
    Os_Script_Load_Text("move 260 210\nwait 100\nwait 1600\n" + warten + "dump " + datei("hilfe") + "\n");
    int8_t r = 1;
    for (int k = 0; k < 100000 && !Os_Script_Finished(); ++k) r = Menue_Event_Schritt(r != 0, -1);
    Os_Script_Stop();
    Programm_Ende = 0;
    pruefen("hilfe");
}

TEST_F(Bilder, ProgressBoxAtAThird)
{
    ASSERT_EQ(Grafik_Fortschritt_Oeffnen("1200 Spieler werden eingelesen.", -1, -1), 1);
    Grafik_Fortschritt_Setzen(33, "Nordstadt");
    EXPECT_TRUE(Os_Display_Dump_Png(datei("fortschritt").c_str()));
    Grafik_Fortschritt_Schliessen();
    pruefen("fortschritt");
}

}  // namespace
