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
#include "platform/os/os.h"
#include "toolkit/event.h"
#include "toolkit/menue_intern.h"
#include "toolkit/screen.h"
#include "toolkit/scroll.h"
#include "toolkit/ziehen.h"
#include "bild_vergleich.h"
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

// Runs the menu's event step until the script is through; false when it never gets there.
bool skript_laufen_lassen(const std::string& skript)
{
    Os_Script_Load_Text(skript);
    int8_t r = 1;
    for (int schritte = 0; !Os_Script_Finished() && schritte < 10000; ++schritte) r = Menue_Event_Schritt(r != 0, -1);
    const bool fertig = Os_Script_Finished();
    Os_Script_Stop();
    return fertig;
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
    ASSERT_TRUE(skript_laufen_lassen(skript));

    EXPECT_EQ(gespeichert, 1);
    EXPECT_EQ((knoepfe[{0, SPIELPLAN}]), 1u);
    EXPECT_EQ((knoepfe[{0, TABELLE}]), 0u);
    EXPECT_EQ(Menue_Screen_Icon_Ist_Vorhanden(EBENE), 0);
    bilder_pruefen(ordner, namen);
    Menue_Icon_Liste_Entfernen(liste, 0);
}

namespace {

constexpr int16_t SPUR = 1600, KNOPF = 1601, STEIN = 980, ABLAGE = 981;
int32_t abgelegt = 0;

// The target takes the stone: it lies in the target's middle from now on.
void ablegen(Menue_Move_Struktur*, Menue_Icon* stein, int32_t, int32_t, uint32_t code)
{
    if (code != 0x80) return;
    ++abgelegt;
    if (Menue_Icon* ziel = Menue_Screen_Icon_Aus_Nummer(ABLAGE)) {
        stein->x = int16_t(ziel->x + (ziel->breite - stein->breite) / 2);
        stein->y = int16_t(ziel->y + (ziel->hoehe - stein->hoehe) / 2);
        Menue_Screen_Icon_Aktiv_Setzen(REFRESH_NORMAL, STEIN);
    }
}

}  // namespace

TEST_F(Szene, DragDropScrollBarAndWheelMatchTheStoredFrames)
{
    Eingang_Set_Spiel_Gestartet_Hook(gestartet);
    Aktuelles_Team = 0;
    abgelegt = 0;
    knoepfe[{0, KNOPF}] = 80;
    Menue_Hintergrund_Zeichnen(0);

    Scrollscreen* s = Menue_Get_Scrollscreen(0);
    *s = Scrollscreen{};
    s->breite = 300, s->hoehe = 600, s->sicht_breite = 300, s->sicht_hoehe = 200, s->x = 40, s->y = 80;
    s->laenge = 600, s->balken_icon = SPUR, s->fenster_slave = -1, s->letzte_position = -1;
    s->prozedur = Menue_Universale_Scroll_Blit_Prozedur;
    ASSERT_NE(Menue_Screen_Icon_Scroll_Bitmap(0), nullptr);
    Menue_Scrollscreen_Leeren(0);

    static char texte[25][24];
    static Menue_Text_Teil zeilen_text[25];
    static Menue_Icon liste[30];
    int n = 0;
    for (int z = 0; z < 25; ++z) {
        std::snprintf(texte[z], sizeof texte[z], "Zeile %d", z + 1);
        zeilen_text[z] = teil(3, 0, 6, 6, texte[z], 8, 17);
        liste[n] = text_icon(int16_t(1000 + z), 40, int16_t(80 + 24 * z), 300, 24, 3, uint8_t(z % 2 ? 9 : 12), &zeilen_text[z]);
        liste[n++].scrollscreen = 0;
    }
    static Menue_Scrollbar_Daten daten{Menue_Universale_Scroll_Prozedur, 0, 344, 344, -1, 80, 264, 0, 0.0f, 0};
    liste[n] = Menue_Icon_Vorlage(SPUR, -1, 0, 344, 80, 16, 200, 5, 9);
    liste[n].verknuepft = KNOPF;
    liste[n++].klick = Menue_Scrollbar_Klick;
    liste[n] = Menue_Icon_Vorlage(KNOPF, -1, ICON_SCROLLBUTTON | ICON_ZIEHBAR, 344, 80, 16, 16, 6, 14);
    liste[n].verknuepft = SPUR;
    liste[n++].daten = &daten;
    static Menue_Move_Struktur move{int8_t(0x04), 0x20, ablegen, nullptr, {380, 90, 620, 460}, nullptr, -1};
    liste[n] = Menue_Icon_Vorlage(STEIN, -1, ICON_ZIEHBAR, 420, 100, 80, 30, 5, 12);
    liste[n++].move = &move;
    liste[n] = Menue_Icon_Vorlage(ABLAGE, -1, 0, 420, 320, 120, 60, 4, 10);
    liste[n++].drop_typ = 0x04;
    liste[n] = Menue_Icon_Listenende();
    Menue_Icon_Liste_Hinzufuegen(liste);
    // The table is drawn whole into the content, also the rows below the window.
    for (int z = 0; z < 25; ++z) Menue_Screen_Icon_Aktiv_Setzen(REFRESH_NORMAL | REFRESH_SICHTBAR, 1000 + z);

    const std::string ordner = std::string(DORVIN_BINARY_DIR) + "/toolkit_ziehen_" + std::to_string(getpid());
    ASSERT_EQ(std::system(("mkdir -p " + ordner).c_str()), 0);
    const std::vector<const char*> namen = {"szene_unterwegs", "szene_abgelegt", "szene_balken", "szene_rad"};
    auto dump = [&](int i) { return "dump " + ordner + "/" + namen[size_t(i)] + ".png\n"; };
    const std::string skript =
        "move 450 115\nwait 100\nleft down\nwait 300\nmove 470 200\nwait 50\nmove 470 335\nwait 50\n" + dump(0) +
        "left up\nwait 100\nmove 600 200\nwait 100\n" + dump(1) +
        "move 352 88\nwait 100\nleft down\nwait 100\nmove 352 150\nwait 50\nmove 352 400\nwait 50\nleft up\n"
        "wait 100\nmove 600 200\nwait 100\n" + dump(2) +
        "move 150 150\nwait 100\nwheel up\nwait 100\nwheel up\nwait 100\n" + dump(3);
    ASSERT_TRUE(skript_laufen_lassen(skript));

    EXPECT_EQ(abgelegt, 1);
    const Menue_Icon* knopf = Menue_Screen_Icon_Aus_Nummer(KNOPF);
    ASSERT_NE(knopf, nullptr);
    EXPECT_LT(knopf->y, 264) << "the wheel moved the button back from the end of its bar";
    EXPECT_GT(knopf->y, 80);
    EXPECT_NEAR(s->position, (knopf->y - 80) * 400 / 184, 1) << "the content follows the button";
    bilder_pruefen(ordner, namen);
    Menue_Icon_Liste_Entfernen(liste, 0);
    Menue_Kill_Scrollscreen(0, 0);
    *s = Scrollscreen{};
}
