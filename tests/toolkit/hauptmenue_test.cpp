// The main menu's group buttons, the sub-menu bar, the comparison bars and the network lamps.
#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "database/personal.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/png_bild.h"
#include "platform/win95.h"
#include "platform/os/os_display.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>
#include "graphics/font.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_meldung.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "gameflow/kalender.h"
#include "screens/personal_schirm.h"
#include "screens/spieler_schirme.h"
#include "toolkit/dienste.h"
#include "toolkit/event.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/hauptmenue.h"
#include "toolkit/hilfe.h"
#include "toolkit/menueleiste.h"
#include "toolkit/screen.h"
#include "toolkit/slave.h"
#include "toolkit/text_pruefung.h"
#include "platform/liste.h"
#include "platform/mem.h"
#include "umgebung.h"

namespace {

int32_t geoeffnet = -1;
int32_t bildschirm(Menue_Icon* icon, uint32_t) { return geoeffnet = icon->nummer; }

using Hauptmenue = Toolkit_Test;

TEST_F(Hauptmenue, NetworkLampsBlinkGreenAndRed)
{
    EXPECT_TRUE(Netz_Aktivitaet_Anzeigen(0, 0));
    EXPECT_EQ(seite0(615 + 2, 472 + 2), Grafik_Farbe(0, 7, 0));
    EXPECT_EQ(seite0(614 + 7, 472 + 2), Grafik_Farbe(0, 7, 0));
    EXPECT_TRUE(Netz_Aktivitaet_Anzeigen(1, 0));
    EXPECT_EQ(seite0(614 + 2, 472 + 2), Grafik_Farbe(15, 0, 0));
    EXPECT_EQ(seite0(614 + 7, 472 + 2), Grafik_Farbe(0, 15, 0));
    // A state the lamps do not know leaves that lamp dark: the screen stays as it was.
    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 614, 472, 12, 7, 1);
    EXPECT_TRUE(Netz_Aktivitaet_Anzeigen(5, 0));
    EXPECT_EQ(seite0(614 + 2, 472 + 2), 1);
}

TEST_F(Hauptmenue, GroupButtonsOpenTheirScreensAndTheBar)
{
    const Manager_Icon_Zustand& z = vereine_anlegen(4, 1)->icons;
    static Menue_Icon gruppen[5];
    for (int16_t k = 0; k < 4; ++k) gruppen[k] = Menue_Icon_Vorlage(int16_t(704 + k), -1, 0, 599, int16_t(88 + 44 * k), 40, 40, 27, 9);
    gruppen[4] = Menue_Icon_Listenende();
    Menue_Icon_Liste_Hinzufuegen(gruppen);
    Menue_Gruppen_Screens[1] = bildschirm;
    Menue_Leiste_Screens[2] = bildschirm;
    knoepfe[{1, 2504}] = 1;

    Menue_Hauptgruppe_Klick(&gruppen[1], 0);
    EXPECT_EQ(geoeffnet, 705);
    EXPECT_EQ(z.status[705], 1u);
    const uint32_t farbe_705 = Menue_Rahmenfarbe;
    // 706 brings the bar and reopens the screen chosen there last.
    Menue_Hauptgruppe_Klick(&gruppen[2], 0);
    EXPECT_TRUE(Menue_Screen_Icon_Ist_Vorhanden(2502));
    EXPECT_EQ(geoeffnet, 2504);
    EXPECT_EQ(z.status[705], 0u);
    EXPECT_EQ(z.status[706], 1u);
    EXPECT_NE(Menue_Rahmenfarbe, farbe_705);
    Menue_Gruppen_Screens[1] = nullptr;
    Menue_Leiste_Screens[2] = nullptr;

    Fehler_Capture cap;
    Menue_Rahmenfarben_Wechsel(708);
    EXPECT_TRUE(cap.contains("Menue_Rahmenfarben_Wechsel: pos falsch!"));
}

TEST_F(Hauptmenue, TurnStartsWithTheChosenScreen)
{
    Manager_Icon_Zustand& z = vereine_anlegen(4, 1)->icons;
    Menue_Icon* punkt = flaeche(2002, 10, 60, 40, 20, 5);
    punkt->klick = bildschirm;
    Menue_Screen_Icon_Hinzufuegen(punkt);
    z.status[705] = 1;
    z.status[2002] = 1;
    Menue_Startscreen_Setzen(0);
    EXPECT_EQ(Menue_Startliste[0].refresh_prozedur, nullptr);
    Menue_Startscreen_Setzen(1);
    EXPECT_EQ(Menue_Startliste[0].refresh_prozedur, bildschirm);
    EXPECT_TRUE(Menue_Screen_Icon_Ist_Vorhanden(763));
    Menue_Startliste_Entfernen();
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(763));
}

TEST_F(Hauptmenue, SeriesInfoFallsBackToTheViewsText)
{
    vereine_anlegen(4, 1);
    Menue_Serien_Info(0);
    EXPECT_STREQ(Menue_Serien_Text, "Keine Heim-Serie vorhanden.");
    Menue_Serien_Info(1 | 4);
    EXPECT_STREQ(Menue_Serien_Text, "Keine Auswärts-Serie vorhanden.");
    Menue_Serien_Info(2);
    EXPECT_STREQ(Menue_Serien_Text, "Keine Serie vorhanden.");
}

TEST_F(Hauptmenue, ComparisonBarsFillByTheValue)
{
    EXPECT_EQ(Menue_Staerke_Segmente(50), 10);
    EXPECT_EQ(Menue_Staerke_Segmente(100), 21);
    EXPECT_EQ(Menue_Staerke_Segmente(250), 21);
    EXPECT_EQ(Menue_Staerke_Segmente(-5), 0);
    Menue_Icon* balken = flaeche(714, 232, 32, 70, 7, 20);
    Grafik_Screen_Seite_Waehlen(1);
    Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, 220, 30, 100, 12, 7);
    Menue_Staerke_Balken(balken, 0);
    // Segments and caps come from their slave pictures; a segment's third column lets through.
    const auto pixel = [](int32_t slave) { return Grafik_Pixel_Lesen(Menue_Get_Slave_Rastport(slave), 0, 3); };
    EXPECT_NE(pixel(396), pixel(397));
    EXPECT_EQ(seite1(232 + 2 + 3 * 9, 35), pixel(396));
    EXPECT_EQ(seite1(232 + 2 + 3 * 10, 35), pixel(397));
    EXPECT_EQ(seite1(232 + 2 + 3 * 10 + 2, 35), 7);
    EXPECT_EQ(seite1(232, 35), pixel(398));
    EXPECT_EQ(seite1(232 + 64, 35), pixel(399));
    EXPECT_EQ(seite1(232 + 66, 35), 7);
    if (const char* ordner = std::getenv("DORVIN_MENUE_BILDER")) {
        std::vector<uint16_t> px;
        for (int32_t y = 30; y < 42; ++y)
            for (int32_t x = 220; x < 320; ++x) px.push_back(seite1(x, y));
        Png_Schreiben(std::string(ordner) + "/balken.png", px.data(), 100, 12, false);
    }
}

// A bar drawn onto a page nobody sees leaves its pixels as they are but notes the same rows as
// written that its drawing notes (the page flips copy by them), also where it runs off the page.
TEST_F(Hauptmenue, ComparisonBarsOnAnUnseenPageNoteTheRowsTheyWouldWrite)
{
    struct Ende {
        ~Ende() { Os_Display_Set_Ungesehen(false); }
    } ende;
    Grafik_Screen_Seite_Waehlen(1);
    for (int16_t y : {int16_t(29), int16_t(-3), int16_t(476), int16_t(600)}) {
        Menue_Icon* balken = flaeche(714, 232, y, 70, 7, 20);
        Grafik_Seiten_Zeilen notiert[2];
        for (int ungesehen = 0; ungesehen < 2; ++ungesehen) {
            Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, 0, 0, 640, 480, 7);
            Os_Display_Set_Ungesehen(ungesehen != 0);
            ASSERT_EQ(Grafik_Seite_Ungesehen(Grafik_Render_Ziel), ungesehen != 0);
            Grafik_Seiten_Unterschied = {0, 0};
            Menue_Staerke_Balken(balken, 0);
            notiert[ungesehen] = Grafik_Seiten_Unterschied;
            Os_Display_Set_Ungesehen(false);
            if (ungesehen) { EXPECT_EQ(seite1(232, std::clamp<int32_t>(y + 3, 0, 479)), 7) << y; }
        }
        EXPECT_EQ(notiert[1].von, notiert[0].von) << y;
        EXPECT_EQ(notiert[1].bis, notiert[0].bis) << y;
        Menue_Screen_Icon_Loeschen(-1, balken, 0);
    }
}

// The series view switches only once the pointer has left the base icons; the panels' top strip
// then loses the help bubble, elsewhere it stays.
TEST_F(Hauptmenue, BaseIconCheckHoldsTheSeriesViewAndClosesTheBubble)
{
    Aktuelles_Team = -1;
    std::snprintf(Menue_Serien_Text, sizeof Menue_Serien_Text, "x");
    Menue_Basisicons_Pruefen(1);
    EXPECT_STREQ(Menue_Serien_Text, "x") << "no main menu on screen";
    for (Menue_Icon* i : {flaeche(701, 40, 3, 176, 32, 5, 0), flaeche(702, 424, 3, 176, 32, 5, 0)})
        Menue_Screen_Icon_Hinzufuegen(i);
    maus(100, 10);
    Menue_Basisicons_Pruefen(1);
    Menue_Basisicons_Pruefen(1);
    EXPECT_STREQ(Menue_Serien_Text, "Keine Heim-Serie vorhanden.");
    maus(300, 60);
    Menue_Basisicons_Pruefen(1);
    EXPECT_STREQ(Menue_Serien_Text, "Keine Heim-Serie vorhanden.");
    Menue_Basisicons_Pruefen(2);
    EXPECT_STREQ(Menue_Serien_Text, "Keine Auswärts-Serie vorhanden.");

    Hilfe_Text_Ausgabe("Hilfe", 100, 100, 0, 1);
    maus(300, 40);
    Menue_Basisicons_Pruefen(0);
    EXPECT_TRUE(Hilfe_Offen(nullptr, nullptr, nullptr, nullptr)) << "between the strips";
    maus(20, 42);  // below the corner crest, still in the strip
    Menue_Basisicons_Pruefen(0);
    EXPECT_FALSE(Hilfe_Offen(nullptr, nullptr, nullptr, nullptr));
}

// The panels draw only while a game is under way; without an opponent they say so. With
// DORVIN_MENUE_BILDER=DIR the own panel goes there as a picture to look at.
TEST_F(Hauptmenue, InfoPanelsOfTheClubs)
{
    vereine_anlegen(4, 1);
    Menue_Icon* eigen = flaeche(701, 40, 3, 176, 32, 5, 0);
    Menue_Icon* gegner = flaeche(702, 424, 3, 176, 32, 5, 0);
    for (Menue_Icon* i : {eigen, gegner}) {
        i->bitmap = Grafik_Bitmap_Anlegen(176, 32, 16);
        Grafik_Rechteck_Fuellen(i->bitmap, 0, 0, 176, 32, 7);
    }
    eigen->kennung_1 = 1;
    gegner->kennung_1 = -1;
    EXPECT_EQ(Menue_Info_Panel_Refresh(eigen, 0), 0);
    EXPECT_EQ(Grafik_Pixel_Lesen(eigen->bitmap, 5, 5), 7);
    Eingang_Set_Spiel_Gestartet_Hook([] { return true; });
    EXPECT_EQ(Menue_Info_Panel_Refresh(eigen, 0), 1);
    EXPECT_EQ(Menue_Info_Panel_Refresh(gegner, 0), 1);
    auto beschrieben = [](Rastport* b, int32_t y0, int32_t y1) {
        int n = 0;
        for (int32_t y = y0; y < y1; ++y)
            for (int32_t x = 0; x < 176; ++x) n += Grafik_Pixel_Lesen(b, x, y) > 1;
        return n;
    };
    EXPECT_GT(beschrieben(eigen->bitmap, 0, 10), 20);
    EXPECT_GT(beschrieben(eigen->bitmap, 22, 31), 20);
    EXPECT_GT(beschrieben(gegner->bitmap, 11, 20), 20);
    // An opponent today: his panel names the referee below the club, none without a match.
    gegner->kennung_1 = 2;
    Menue_Status.spiel_gueltig = 0;
    Menue_Info_Panel_Refresh(gegner, 0);
    EXPECT_EQ(beschrieben(gegner->bitmap, 14, 31), 0);
    Menue_Status.spiel_gueltig = 1;
    Menue_Status.heutiges_spiel.schiedsrichter = 3;
    Menue_Info_Panel_Refresh(gegner, 0);
    EXPECT_GT(beschrieben(gegner->bitmap, 14, 22), 20);
    EXPECT_GT(beschrieben(gegner->bitmap, 24, 31), 20);
    if (const char* ordner = std::getenv("DORVIN_MENUE_BILDER"))
        Png_Schreiben(std::string(ordner) + "/panel.png", static_cast<const uint16_t*>(eigen->bitmap->pixels), 176, 32, false);
    for (Menue_Icon* i : {eigen, gegner}) i->bitmap = Grafik_Bitmap_Freigeben(i->bitmap);
}

// The opponent's panel names today's referee in its width: a long name keeps the surname whole
// (the first name goes to its initial), never a surname cut short with a full stop that reads as
// another man's name; a short name stands whole. Read off the drawn panel.
TEST_F(Hauptmenue, TheRefereesNameInThePanelIsWholeOrASoundShortening)
{
    vereine_anlegen(4, 1);
    Eingang_Set_Spiel_Gestartet_Hook([] { return true; });
    Menue_Icon* gegner = flaeche(702, 424, 3, 176, 32, 5, 0);
    gegner->bitmap = Grafik_Bitmap_Anlegen(176, 32, 16);
    gegner->kennung_1 = 2;
    Menue_Status.spiel_gueltig = 1;
    Menue_Status.heutiges_spiel.schiedsrichter = 3;
    struct Fall {
        const char* name;
        const char* nachname;
    };
    Text_Pruefung_Starten();
    for (const Fall& fall : {Fall{"Andreas Merenhofer", "Merenhofer"}, Fall{"Maximilian Wohlgemuthmann", "Wohlgemuthmann"},
                             Fall{"Jan Roth", "Jan Roth"}}) {
        Personal_Init();
        Liste quelle;
        Liste_Init(&quelle);
        Personal_Eintrag e{};
        e.typ = PERSONAL_SCHIEDSRICHTER;
        e.id = 3;
        std::snprintf(e.name, sizeof e.name, "%s", fall.name);
        uint8_t b[PERSONAL_SCHIEDSRICHTER_BYTES];
        Liste_Insert_Element(&quelle, Liste_Get_Last(&quelle), b, Personal_Packen(e, b), 3);
        uint8_t* bild = nullptr;
        const uint32_t n = Liste_Save_Buffer(&bild, &quelle, -1);
        Liste_Delete_All(&quelle);
        ASSERT_TRUE(Personal_Liste_Einlesen(bild, n));
        Mem_Free(bild, 0);
        Grafik_Rechteck_Fuellen(gegner->bitmap, 0, 0, 176, 32, 7);
        ASSERT_EQ(Menue_Info_Panel_Refresh(gegner, 0), 1);
        Personal_DeInit();
        std::string zeile;
        int32_t rechts = 0;
        for (const Text_Sichtbar& t : Text_Pruefung_Texte(gegner->bitmap))
            if (t.text.rfind("Schiedsrichter: ", 0) == 0 && t.gezeigt == t.punkte) zeile = t.text, rechts = t.x2;
        ASSERT_FALSE(zeile.empty()) << fall.name;
        ASSERT_GT(zeile.size(), std::strlen(fall.nachname)) << zeile;
        EXPECT_EQ(zeile.substr(zeile.size() - std::strlen(fall.nachname)), fall.nachname) << "the name is cut: " << zeile;
        EXPECT_LE(rechts, 176) << zeile;
    }
    Text_Pruefung_Beenden();
    gegner->bitmap = Grafik_Bitmap_Freigeben(gegner->bitmap);
}

// A panel bound for a screen page nobody sees keeps its old pixels; seen, it is drawn.
TEST_F(Hauptmenue, AnInfoPanelForAnUnseenPageIsLeftAsItWas)
{
    struct Ende {
        ~Ende() { Os_Display_Set_Ungesehen(false); }
    } ende;
    vereine_anlegen(4, 1);
    Eingang_Set_Spiel_Gestartet_Hook([] { return true; });
    Menue_Icon* eigen = flaeche(701, 40, 3, 176, 32, 5, 0);
    eigen->bitmap = Grafik_Bitmap_Anlegen(176, 32, 16);
    eigen->kennung_1 = 1;
    Grafik_Screen_Seite_Waehlen(1);
    for (int ungesehen = 1; ungesehen >= 0; --ungesehen) {
        Grafik_Rechteck_Fuellen(eigen->bitmap, 0, 0, 176, 32, 7);
        Os_Display_Set_Ungesehen(ungesehen != 0);
        ASSERT_EQ(Grafik_Seite_Ungesehen(Grafik_Render_Ziel), ungesehen != 0);
        EXPECT_EQ(Menue_Info_Panel_Refresh(eigen, 0), 1);
        Os_Display_Set_Ungesehen(false);
        EXPECT_EQ(Grafik_Pixel_Lesen(eigen->bitmap, 5, 5) == 7, ungesehen != 0) << ungesehen;
    }
    eigen->bitmap = Grafik_Bitmap_Freigeben(eigen->bitmap);
}

// The own club's panel: the underlined name, the second line and the balance each keep rows of
// their own, and nothing lies on the panel's bottom edge (its frame colour line).
TEST_F(Hauptmenue, InfoPanelLinesShareNoRowAndStayAboveTheEdge)
{
    vereine_anlegen(4, 1);
    Eingang_Set_Spiel_Gestartet_Hook([] { return true; });
    Menue_Icon* eigen = flaeche(701, 40, 3, 176, 32, 5, 0);
    eigen->bitmap = Grafik_Bitmap_Anlegen(176, 32, 16);
    eigen->kennung_1 = 1;
    Menue_Rahmenfarbe = Grafik_Farbe(2, 9, 3);
    ASSERT_EQ(Menue_Info_Panel_Refresh(eigen, 0), 1);
    Menue_Rahmenfarbe = 0;
    // Rows lit in a colour, as bands of consecutive rows.
    auto baender = [&](uint32_t farbe) {
        std::vector<std::pair<int32_t, int32_t>> b;
        for (int32_t y = 0; y < 32; ++y) {
            bool an = false;
            for (int32_t x = 0; x < 176; ++x) an = an || Grafik_Pixel_Lesen(eigen->bitmap, x, y) == farbe;
            if (!an) continue;
            if (!b.empty() && b.back().second == y - 1) b.back().second = y;
            else b.push_back({y, y});
        }
        return b;
    };
    const auto name = baender(Grafik_Farbe(15, 15, 15));
    const auto zeilen = baender(Grafik_Farbe(13, 15, 13));
    ASSERT_FALSE(name.empty());
    auto text = [](const std::vector<std::pair<int32_t, int32_t>>& b) {
        std::string t;
        for (auto [von, bis] : b) t += " " + std::to_string(von) + "-" + std::to_string(bis);
        return t;
    };
    ASSERT_EQ(zeilen.size(), 2u) << "second line and balance apart:" << text(zeilen) << " name:" << text(name);
    EXPECT_LT(name.back().second, zeilen.front().first) << "the name's underline runs into the second line";
    EXPECT_LT(zeilen.back().second, 31) << "text on the bottom edge";
    eigen->bitmap = Grafik_Bitmap_Freigeben(eigen->bitmap);
}

// The opponent's panel with a referee of the longest name the world gives (25 characters) and
// the widest pair of ratings: no line is cut at the panel's sides, and none sits on its edge.
TEST_F(Hauptmenue, RefereeOfTheLongestNameFitsTheOpponentsPanel)
{
    vereine_anlegen(4, 1);
    Eingang_Set_Spiel_Gestartet_Hook([] { return true; });
    const std::filesystem::path ordner = std::filesystem::temp_directory_path() / ("dorvin_schiri_" + std::to_string(::getpid()));
    std::filesystem::create_directories(ordner);
    std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", ordner.c_str());
    std::ofstream(ordner / "1_personal.cfg")
        << "NEUER_PERSONAL_TYP\nSCHIEDSRICHTER\nNAME \"Maximilian Wohlgemuthmann\"\nHAERTE 6\nAUFMERKSAMKEIT 2\nLAND 3\n";
    Personal_Init();
    Personal_Read_Config_Wenn_Init();
    ASSERT_STREQ(Personal_Get_Name(1, PERSONAL_SCHIEDSRICHTER), "Maximilian Wohlgemuthmann");

    Menue_Icon* gegner = flaeche(702, 424, 3, 176, 32, 5, 0);
    gegner->bitmap = Grafik_Bitmap_Anlegen(176, 32, 16);
    gegner->kennung_1 = 2;
    Menue_Status.spiel_gueltig = 1;
    Menue_Status.heutiges_spiel.schiedsrichter = 1;
    ASSERT_EQ(Menue_Info_Panel_Refresh(gegner, 0), 1);
    const uint32_t farbe = Grafik_Farbe(15, 13, 13), hell = Grafik_Farbe(15, 15, 15);
    // Rows lit in the referee lines' colour as bands, and the last row of the club's name.
    std::vector<std::pair<int32_t, int32_t>> baender;
    int32_t name_bis = -1;
    for (int32_t y = 0; y < 32; ++y) {
        bool an = false;
        for (int32_t x = 0; x < 176; ++x) {
            an = an || Grafik_Pixel_Lesen(gegner->bitmap, x, y) == farbe;
            if (Grafik_Pixel_Lesen(gegner->bitmap, x, y) == hell) name_bis = y;
        }
        if (an && !baender.empty() && baender.back().second == y - 1) baender.back().second = y;
        else if (an) baender.push_back({y, y});
        EXPECT_NE(Grafik_Pixel_Lesen(gegner->bitmap, 0, y), farbe) << "cut on the left, row " << y;
        EXPECT_NE(Grafik_Pixel_Lesen(gegner->bitmap, 175, y), farbe) << "cut on the right, row " << y;
    }
    std::string text = "name to " + std::to_string(name_bis) + ", lines";
    for (auto [von, bis] : baender) text += " " + std::to_string(von) + "-" + std::to_string(bis);
    ASSERT_EQ(baender.size(), 2u) << "two referee lines on rows of their own: " << text;
    EXPECT_LT(name_bis, baender[0].first) << "the club's name runs into the referee";
    EXPECT_LT(baender[1].second, 31) << "text on the bottom edge: " << text;
    gegner->bitmap = Grafik_Bitmap_Freigeben(gegner->bitmap);
    Menue_Status.spiel_gueltig = 0;
    Personal_DeInit();
    std::filesystem::remove_all(ordner);
}

// The comparison bars stay inside the middle panel, above its bottom edge (row 36).
TEST_F(Hauptmenue, ComparisonBarsEndAboveThePanelEdge)
{
    for (const Menue_Icon* i = Menue_Basis_Liste; i->nummer != -1; ++i)
        if (i->nummer >= 714 && i->nummer <= 716) { EXPECT_LE(i->y + i->hoehe, 36) << i->nummer; }
}

TEST_F(Hauptmenue, CompetitionStartScreenShowsItsPicture)
{
    Menue_Icon* icon = flaeche(2003, 0, 0, 200, 150, 5, 0);
    icon->bitmap = Grafik_Bitmap_Anlegen(200, 150, 16);
    Grafik_Rechteck_Fuellen(icon->bitmap, 0, 0, 200, 150, 0);
    EXPECT_EQ(Wettbewerb_Startscreen_Bild(icon, 0), 1);
    EXPECT_NE(Grafik_Pixel_Lesen(icon->bitmap, 100, 50), 0);  // the cup
    EXPECT_NE(Grafik_Pixel_Lesen(icon->bitmap, 5, 5), 0);
    icon->bitmap = Grafik_Bitmap_Freigeben(icon->bitmap);
    EXPECT_EQ(Wettbewerb_Startscreen_Bild(nullptr, 0), 0);
}

}  // namespace

namespace {

bool ueberlappen(const Menue_Icon& a, const Menue_Icon& b)
{
    return a.x < b.x + b.breite && b.x < a.x + a.breite && a.y < b.y + b.hoehe && b.y < a.y + a.hoehe;
}

// The frame's icons lie side by side, and the sub-buttons of STAB and TEAM stay in the column's
// rows between MENUE and the group buttons: whatever group is open, a click on another group
// reaches it.
TEST_F(Hauptmenue, SubButtonsCoverNoIconOfTheFrame)
{
    std::vector<const Menue_Icon*> rahmen;
    for (const Menue_Icon* i = Menue_Basis_Liste; i->nummer != -1; ++i) rahmen.push_back(i);
    // The comparison bars too lie side by side in their strip of the middle panel.
    for (size_t a = 0; a < rahmen.size(); ++a)
        for (size_t b = a + 1; b < rahmen.size(); ++b)
            EXPECT_FALSE(ueberlappen(*rahmen[a], *rahmen[b])) << rahmen[a]->nummer << " / " << rahmen[b]->nummer;
    for (const Menue_Icon* liste : {static_cast<const Menue_Icon*>(Personal_Menue_Knoepfe), static_cast<const Menue_Icon*>(Spieler_Screen_Knoepfe)})
        for (const Menue_Icon* s = liste; s->nummer != -1; ++s) {
            EXPECT_GE(s->y, MENUE_SPALTE_OBEN) << s->nummer;
            EXPECT_LE(s->y + s->hoehe, MENUE_SPALTE_UNTEN) << s->nummer;
            for (const Menue_Icon* r : rahmen) EXPECT_FALSE(ueberlappen(*s, *r)) << s->nummer << " covers " << r->nummer;
        }
}

// A group change leaves nothing of the group before: its sub-buttons and its screen's icons go,
// the frame stays. Reached through a sub-menu of another group, that group's own buttons stay.
// MENUE closes the open group.
TEST_F(Hauptmenue, AGroupChangeLeavesNothingOfTheGroupBefore)
{
    const Manager_Icon_Zustand& z = vereine_anlegen(4, 1)->icons;
    Menue_Icon_Liste_Hinzufuegen(Menue_Basis_Liste);
    Menue_Icon_Liste_Hinzufuegen(Personal_Menue_Knoepfe);
    Menue_Screen_Icon_Hinzufuegen(flaeche(1500, 100, 100, 200, 100, 5));
    Menue_Gruppen_Screens[1] = bildschirm;
    Menue_Hauptgruppe_Klick(Menue_Screen_Icon_Aus_Nummer(705), 0);
    Menue_Gruppen_Screens[1] = nullptr;
    EXPECT_EQ(geoeffnet, 705);
    for (const Menue_Icon* s = Personal_Menue_Knoepfe; s->nummer != -1; ++s)
        EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(s->nummer)) << s->nummer;
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(1500));
    for (const Menue_Icon* i = Menue_Basis_Liste; i->nummer != -1; ++i)
        EXPECT_TRUE(Menue_Screen_Icon_Ist_Vorhanden(i->nummer)) << i->nummer;

    Menue_Icon_Liste_Hinzufuegen(Personal_Menue_Knoepfe);
    Menue_Icon_Liste_Hinzufuegen(Spieler_Screen_Knoepfe);
    EXPECT_EQ(Menue_Untermenue_Registrieren(&Spieler_Screen_Knoepfe[1], 0, 707, Spieler_Screen_Knoepfe, 4, 801, 802, 803, 804),
              802);
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(Personal_Menue_Knoepfe[0].nummer));
    for (int32_t n = 801; n <= 804; ++n) EXPECT_TRUE(Menue_Screen_Icon_Ist_Vorhanden(n)) << n;
    EXPECT_EQ(z.status[707], 1u);

    Menue_Icon* menue = Menue_Screen_Icon_Aus_Nummer(703);
    ASSERT_NE(menue, nullptr);
    ASSERT_NE(menue->klick, nullptr);
    menue->klick(menue, KLICK_LINKS);
    EXPECT_EQ(z.status[703], 1u);
    EXPECT_EQ(z.status[707], 0u);
    EXPECT_FALSE(Menue_Screen_Icon_Ist_Vorhanden(801));
    EXPECT_TRUE(Menue_Screen_Icon_Ist_Vorhanden(707));
}

// The middle panel tells today's date once a game runs; the date icon prints the text.
TEST_F(Hauptmenue, TheDateIconShowsToday)
{
    vereine_anlegen(4, 1);
    const Menue_Icon* datum = nullptr;
    for (const Menue_Icon* i = Menue_Basis_Liste; i->nummer != -1; ++i)
        if (i->nummer == 709) datum = i;
    ASSERT_NE(datum, nullptr);
    EXPECT_TRUE(datum->flags & ICON_WERTTEXT);
    EXPECT_EQ(datum->daten, Menue_Datum_Text);
    Eingang_Set_Spiel_Gestartet_Hook([] { return true; });
    Menue_Datum_Setzen();
    EXPECT_STREQ(Menue_Datum_Text, Kalender_Get_Datum_String(Kalender_Get_Heute()));
    EXPECT_GT(std::strlen(Menue_Datum_Text), 5u);
    Eingang_Set_Spiel_Gestartet_Hook(nullptr);
    Menue_Datum_Setzen();
    EXPECT_STREQ(Menue_Datum_Text, "");
}

}  // namespace

namespace {

// Alone there is nobody to chat with: the turn hides the chat icon. A message from the network
// shows it again. A new manager's empty favourite slots are no missing icons.
TEST_F(Hauptmenue, TheChatIconHidesInALoneGame)
{
    vereine_anlegen(4, 1);
    Netz_Rolle = 0;
    Fehler_Capture cap;
    Menue_Rein(1, 1);
    EXPECT_FALSE(cap.contains("s_icon==NULL"));
    Menue_Icon* chat = Menue_Screen_Icon_Aus_Nummer(762);
    ASSERT_NE(chat, nullptr);
    EXPECT_TRUE(chat->status & ICON_VERSTECKT);
    Menue_Chat_Icon_Markieren(1);
    EXPECT_FALSE(chat->status & ICON_VERSTECKT);
    Menue_Chat_Icon_Markieren(0);
    Menue_Raus();
}

}  // namespace

namespace {

// A screen whose text ended in bold leaves the font bold: the panels print plain all the same.
// The panels and group buttons keep what they drew: drawn again, for another club between and
// over whatever the bitmap held, each shows what a drawing anew shows (one made while a check
// follows the drawing, which keeps nothing), and leaves its fonts as that drawing does.
TEST_F(Hauptmenue, KeptPanelsAndGroupButtonsShowWhatADrawingAnewShows)
{
    vereine_anlegen(4, 1);
    Eingang_Set_Spiel_Gestartet_Hook([] { return true; });
    Menue_Icon* panel = flaeche(701, 40, 3, 176, 32, 5, 0);
    Menue_Icon* gruppe = flaeche(704, 599, 100, 40, 40, 5, 0);
    struct Bild {
        std::vector<uint16_t> pixel;
        uint32_t farbe_3, farbe_11, fett_11;
    };
    // Draws into a bitmap of scribbles; `neu`: with a check following, so that nothing is kept.
    auto zeichnen = [&](Menue_Icon* i, int32_t fall, bool neu) {
        const int32_t w = i == panel ? 176 : 40, h = i == panel ? 32 : 40;
        i->bitmap = Grafik_Bitmap_Anlegen(w, h, 16);
        Grafik_Rechteck_Fuellen(i->bitmap, 0, 0, w, h, uint16_t(0x4321 + fall));
        if (neu) Grafik_Flaeche_Hook_Setzen([](const Rastport*, int32_t, int32_t, int32_t, int32_t, const Rastport*, int32_t, int32_t, bool) {});
        Font(3)->colour = Font(11)->colour = 5;
        Menue_Rahmenfarbe = fall & 2 ? Grafik_Farbe(2, 9, 3) : 0;
        if (i == panel) {
            panel->kennung_1 = fall & 1 ? 2 : 1;
            Menue_Info_Panel_Refresh(panel, 0);
        } else {
            knoepfe[{1, 704}] = uint32_t(fall & 1);
            Menue_Gruppe_Zeichnen(gruppe, 0);
        }
        Grafik_Flaeche_Hook_Setzen(nullptr);
        const auto* px = static_cast<const uint16_t*>(i->bitmap->pixels);
        Bild b{std::vector<uint16_t>(px, px + size_t(w) * h), Font(3)->colour, Font(11)->colour, Font(11)->bold};
        i->bitmap = Grafik_Bitmap_Freigeben(i->bitmap);
        return b;
    };
    for (Menue_Icon* i : {panel, gruppe}) {
        std::vector<Bild> neu;
        for (int32_t fall = 0; fall < 4; ++fall) neu.push_back(zeichnen(i, fall, true));
        EXPECT_FALSE(neu[0].pixel == neu[1].pixel) << i->nummer;
        for (int32_t mal = 0; mal < 3; ++mal)
            for (int32_t fall = 0; fall < 4; ++fall) {
                const Bild b = zeichnen(i, fall, false);
                EXPECT_TRUE(b.pixel == neu[size_t(fall)].pixel) << i->nummer << " case " << fall << " time " << mal;
                EXPECT_EQ(b.farbe_3, neu[size_t(fall)].farbe_3) << i->nummer << " " << fall;
                EXPECT_EQ(b.farbe_11, neu[size_t(fall)].farbe_11) << i->nummer << " " << fall;
                EXPECT_EQ(b.fett_11, neu[size_t(fall)].fett_11) << i->nummer << " " << fall;
            }
    }
    Menue_Rahmenfarbe = 0;
    Eingang_Set_Spiel_Gestartet_Hook(nullptr);
}

TEST_F(Hauptmenue, APanelPrintsPlainAfterABoldScreen)
{
    vereine_anlegen(4, 1);
    Eingang_Set_Spiel_Gestartet_Hook([] { return true; });
    Menue_Icon* gegner = flaeche(702, 424, 3, 176, 32, 5, 0);
    gegner->kennung_1 = -1;
    std::vector<uint16_t> bilder[2];
    for (uint32_t fett : {0u, 1u}) {
        gegner->bitmap = Grafik_Bitmap_Anlegen(176, 32, 16);
        for (int32_t f : {3, 11}) Font(f)->bold = fett;
        Menue_Info_Panel_Refresh(gegner, 0);
        const auto* px = static_cast<const uint16_t*>(gegner->bitmap->pixels);
        bilder[fett].assign(px, px + 176 * 32);
        gegner->bitmap = Grafik_Bitmap_Freigeben(gegner->bitmap);
    }
    for (int32_t f : {3, 11}) Font(f)->bold = 0;
    Eingang_Set_Spiel_Gestartet_Hook(nullptr);
    EXPECT_TRUE(bilder[0] == bilder[1]);
}

}  // namespace
