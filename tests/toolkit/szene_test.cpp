// A sample screen driven end to end by a headless script: the menu background, texts in fonts
// 0, 3 and 9, pictures from the slave rastports, a tinted, a disabled and a pressed icon and a
// full-screen layer; the frames it dumps must match the stored pictures, which a person looked
// at once. DORVIN_BILD_NEU=1 stores the frames of a run as the new pictures.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "graphics/png_bild.h"
#include "platform/os/os.h"
#include "toolkit/event.h"
#include "toolkit/menue_intern.h"
#include "toolkit/screen.h"
#include "umgebung.h"

namespace {

constexpr int16_t TABELLE = 952, SPIELPLAN = 953, FINANZEN = 954, ZAEHLER = 957, EBENE = 990, OK = 991;

int32_t gespeichert = 0;
char zaehler_text[40] = "Noch nicht gespeichert";

int32_t auswahl(Menue_Icon* icon, uint32_t)
{
    for (int16_t n : {TABELLE, SPIELPLAN, FINANZEN}) {
        Toolkit_Test::knoepfe[{Aktuelles_Team, n}] = n == icon->nummer;
        Menue_Screen_Icon_Aktiv_Setzen(REFRESH_NORMAL, n);
    }
    return 0;
}

int32_t speichern(Menue_Icon*, uint32_t)
{
    std::snprintf(zaehler_text, sizeof zaehler_text, "Gespeichert: %d mal", int(++gespeichert));
    Menue_Screen_Icon_Aktiv_Setzen(REFRESH_NORMAL | REFRESH_UNTERGRUND, ZAEHLER);
    return 0;
}

Menue_Icon ebenen_liste[3];
int32_t hinweis(Menue_Icon*, uint32_t)
{
    Menue_Icon_Liste_Hinzufuegen(ebenen_liste);
    return 0;
}
int32_t schliessen(Menue_Icon*, uint32_t)
{
    Menue_Icon_Liste_Entfernen(ebenen_liste, 8);
    return 0;
}

bool gestartet() { return true; }

Menue_Text_Teil teil(int8_t font, uint8_t stil, int8_t an, int8_t aus, const char* text, int16_t x, int16_t y,
                     Menue_Text_Teil* naechster = nullptr)
{
    return Menue_Text_Teil{font, stil, an, aus, aus, text, 0, 0, x, y, nullptr, naechster};
}

Menue_Icon text_icon(int16_t nummer, int16_t x, int16_t y, uint16_t w, uint16_t h, int8_t pri, uint8_t farbe,
                     Menue_Text_Teil* teile)
{
    Menue_Icon i = Menue_Icon_Vorlage(nummer, -1, ICON_TEXT, x, y, w, h, pri, farbe);
    i.daten = teile;
    return i;
}

Menue_Icon knopf(int16_t nummer, int16_t x, int16_t y, const char* text, Menue_Klick_Prozedur klick, uint8_t farbe = 24)
{
    Menue_Icon i = Menue_Icon_Vorlage(nummer, -1, ICON_WERTTEXT, x, y, 110, 24, 5, farbe);
    i.daten = const_cast<char*>(text);
    i.klick = klick;
    return i;
}

Menue_Icon bild(int16_t nummer, int32_t slave, int16_t x, int16_t y, int8_t pri = 5, uint8_t farbe = 255)
{
    return Menue_Icon_Vorlage(nummer, slave, ICON_SLAVE, x, y, 0, 0, pri, farbe);
}

bool gleich(const std::string& dump, const std::string& erwartet, int* abweichend)
{
    std::vector<uint16_t> a, b;
    int wa = 0, ha = 0, wb = 0, hb = 0;
    if (!Png_Lesen(dump, a, wa, ha, false) || !Png_Lesen(erwartet, b, wb, hb, false)) return false;
    if (wa != wb || ha != hb) return false;
    *abweichend = 0;
    for (size_t i = 0; i < a.size(); ++i) *abweichend += a[i] != b[i];
    return *abweichend == 0;
}

}  // namespace

using Szene = Toolkit_Test;

TEST_F(Szene, ScriptedSampleScreenMatchesTheStoredFrames)
{
    Eingang_Set_Spiel_Gestartet_Hook(gestartet);
    Aktuelles_Team = 0;
    knoepfe[{0, TABELLE}] = 1;
    gespeichert = 0;
    std::snprintf(zaehler_text, sizeof zaehler_text, "Noch nicht gespeichert");

    static Menue_Text_Teil titel = teil(0, TEIL_SCHATTEN, 14, 14, "Vereinsübersicht", 0, 20);
    static Menue_Text_Teil untertitel = teil(3, 0, 6, 6, "Saison 1999/2000 - 12. Spieltag", 0, 12);
    static Menue_Text_Teil zeilen[5] = {
        teil(3, 0, 6, 6, "^tl00121. Nordstadt^tr022024", 0, 40),
        teil(3, 0, 6, 6, "^tl00122. Südhafen^tr022022", 0, 56),
        teil(3, 0, 6, 6, "^tl00123. Bergdorf^tr022021", 0, 72),
        teil(3, 0, 6, 6, "^tl00124. Altmühlen^tr022017", 0, 88),
        teil(3, 0, 6, 6, "^tl00125. Weidenau^tr022015", 0, 104),
    };
    static Menue_Text_Teil kopf = teil(9, TEIL_ZENTRIERT_X, 41, 41, "Tabelle nach 12 Spielen", 0, 20, &zeilen[0]);
    for (int k = 0; k < 4; ++k) zeilen[k].naechster = &zeilen[k + 1];
    static Menue_Text_Teil zaehler = teil(3, 0, 6, 6, zaehler_text, 0, 14);
    static Menue_Text_Teil ebene_text[3] = {
        teil(0, TEIL_SCHATTEN, 14, 14, "Hinweis", 14, 26),
        teil(3, 0, 6, 6, "Ein Fenster über dem ganzen Schirm:", 14, 56),
        teil(3, 0, 6, 6, "alles dahinter ruht und ist dunkler.", 14, 72),
    };
    ebene_text[0].naechster = &ebene_text[1];
    ebene_text[1].naechster = &ebene_text[2];

    Menue_Icons.abgedunkelt = 1;  // as at the start of a turn: the first layer dims the screen
    Menue_Hintergrund_Zeichnen(0);
    static Menue_Icon liste[] = {
        text_icon(950, 24, 50, 420, 26, 3, 20, &titel),
        text_icon(951, 24, 78, 420, 16, 3, 20, &untertitel),
        knopf(TABELLE, 24, 104, "Tabelle", auswahl),
        knopf(SPIELPLAN, 140, 104, "Spielplan", auswahl),
        knopf(FINANZEN, 256, 104, "Finanzen", auswahl),
        knopf(955, 372, 104, "Transfers", auswahl),
        text_icon(960, 24, 150, 235, 110, 2, 28, &kopf),
        bild(961, 445, 24, 150, 3),
        bild(962, 48, 300, 150),
        bild(963, 57, 352, 158),
        bild(964, 58, 364, 158),
        bild(965, 59, 376, 158),
        bild(966, 368, 300, 196),
        bild(967, 369, 320, 196),
        bild(968, 370, 340, 196),
        bild(969, 371, 360, 196),
        bild(970, 100, 300, 226, 5, 14),
        bild(971, 100, 380, 226),
        knopf(956, 24, 284, "Speichern", speichern),
        text_icon(ZAEHLER, 140, 286, 150, 20, 3, 20, &zaehler),
        knopf(958, 300, 284, "Hinweis", hinweis),
        Menue_Icon_Listenende(),
    };
    liste[5].status = ICON_GESPERRT;
    liste[18].status = ICON_GEDRUECKT;
    ebenen_liste[0] = knopf(OK, 280, 250, "OK", schliessen, 26);
    ebenen_liste[0].prioritaet = 21;
    ebenen_liste[0].breite = 80;
    ebenen_liste[1] = text_icon(EBENE, 170, 150, 300, 140, 20, 1, ebene_text);
    ebenen_liste[1].flags |= ICON_EBENE | ICON_RECHTS_VERKNUEPFT;
    ebenen_liste[1].status = ICON_HINTERGRUND_BEHALTEN;
    ebenen_liste[1].verknuepft = OK;
    ebenen_liste[2] = Menue_Icon_Listenende();
    Menue_Icon_Liste_Hinzufuegen(liste);

    const std::string ordner = std::string(DORVIN_BINARY_DIR) + "/toolkit_szene_" + std::to_string(getpid());
    std::string befehl = "mkdir -p " + ordner;
    ASSERT_EQ(std::system(befehl.c_str()), 0);
    const char* namen[4] = {"szene_auswahl", "szene_gedrueckt", "szene_ebene", "szene_zurueck"};
    std::string skript =
        "move 60 116\nwait 200\nmove 180 116\nwait 100\nclick 180 116\nwait 50\n"
        "move 400 116\nwait 100\nclick 400 116\nwait 50\n"
        "dump " + ordner + "/" + namen[0] + ".png\n"
        "move 60 296\nwait 100\nleft down\nwait 50\n"
        "dump " + ordner + "/" + namen[1] + ".png\n"
        "left up\nwait 50\nmove 340 296\nwait 100\nclick 340 296\nwait 50\n"
        "dump " + ordner + "/" + namen[2] + ".png\n"
        "move 300 200\nwait 100\nmove 320 262\nwait 100\nclick 320 262\nwait 50\n"
        "dump " + ordner + "/" + namen[3] + ".png\n";
    Os_Script_Load_Text(skript);
    int8_t r = 1;
    for (int schritte = 0; !Os_Script_Finished() && schritte < 10000; ++schritte) r = Menue_Event_Schritt(r != 0, -1);
    ASSERT_TRUE(Os_Script_Finished());
    Os_Script_Stop();

    EXPECT_EQ(gespeichert, 1);
    EXPECT_EQ((knoepfe[{0, SPIELPLAN}]), 1u);
    EXPECT_EQ((knoepfe[{0, TABELLE}]), 0u);
    EXPECT_EQ(Menue_Screen_Icon_Ist_Vorhanden(EBENE), 0);
    const char* neu = std::getenv("DORVIN_BILD_NEU");
    for (const char* name : namen) {
        std::string dump = ordner + "/" + name + ".png";
        std::string erwartet = std::string(DORVIN_SOURCE_DIR) + "/tests/toolkit/" + name + ".png";
        if (neu && std::strcmp(neu, "1") == 0) {
            befehl = "cp " + dump + " " + erwartet;
            ASSERT_EQ(std::system(befehl.c_str()), 0);
        }
        int abweichend = -1;
        EXPECT_TRUE(gleich(dump, erwartet, &abweichend)) << name << ": " << abweichend << " Pixel anders";
    }
    befehl = "rm -rf " + ordner;
    std::system(befehl.c_str());
    Menue_Icon_Liste_Entfernen(liste, 0);
}
