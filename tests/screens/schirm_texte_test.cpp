// Player screens drawn with the builder's fonts and pictures: every page of the player window
// keeps its texts in their boxes and apart (the insurance rockers' and the offer form's amounts
// in their buttons, a long club name clear of the profile's right column), the portrait ends
// above the page, and the transfer search cuts names in the font it draws them in.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>

#include "common/builder_daten.h"
#include "database/assistent.h"
#include "database/spieler.h"
#include "graphics/font.h"
#include "graphics/grafik_screen.h"
#include "platform/display.h"
#include "graphics/grafik_bitmap.h"
#include "screens/spieler_liste.h"
#include "graphics/grafik_meldung.h"
#include "platform/resfile.h"
#include "screens/screens_hilfe.h"
#include "screens/spieler_detail.h"
#include "screens/spieler_gesicht.h"
#include "screens/personal_schirm.h"
#include "screens/spieler_suche.h"
#include "screens/spielervergleich.h"
#include "toolkit/hauptmenue.h"
#include "toolkit/icon.h"
#include "toolkit/screen.h"
#include "toolkit/text_pruefung.h"

using namespace screens_test;

namespace {

struct SchirmTexte : Welt {
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(Test_Resfiles_Oeffnen());
        Bildschirm_Modus = 101;
        ASSERT_EQ(Grafik_Screen_Init(640, 480, 16), 1);
        Grafik_Init();
        ASSERT_EQ(Spieler_Gesicht_Init(ResFile_Handles[0].handle), 1);
    }
    static void TearDownTestSuite()
    {
        Spieler_Gesicht_DeInit();
        Font_Alle_Freigeben();
        Grafik_Screen_DeInit();
        DeInit_System_Dateien();
    }
    void SetUp() override
    {
        Welt::SetUp();
        Text_Pruefung_Starten();
    }
    void TearDown() override
    {
        Text_Pruefung_Beenden();
        Spieler_Detailseite_Schliessen();
        Welt::TearDown();
    }
    // The window of the player on the page, drawn whole onto page 0.
    static void zeigen(int32_t team, int32_t spnr, int32_t seite)
    {
        ASSERT_TRUE(Spieler_Detailseite_Oeffnen(team, spnr, seite, false));
        Spieler_Detail_Fenster_Zeigen();
        Menue_Screen_Refresh(1, -1, -1, -1, -1);
    }
    static std::string befunde()
    {
        std::string s;
        for (const Text_Befund& b : Text_Pruefung_Befunde(Grafik_Seite_0)) s += Text_Befund_Zeile(b) + "\n";
        return s;
    }
};

TEST_F(SchirmTexte, EveryPageOfAWellPaidPlayerOfALongNamedClubKeepsItsTextsInTheirBoxes)
{
    std::strcpy(T_Fix[EIGEN].name, "VfL Oberenbrück 1899");
    // A salary of seven figures: the insurance offers and the form's salary are long amounts.
    Teamspieler_Wert(301, EIGEN, 5, 1850, 1);
    for (int32_t seite = 0; seite < 13; ++seite) {
        zeigen(EIGEN, 5, seite);
        EXPECT_GT(Text_Pruefung_Sichtbar(Grafik_Seite_0), 20u) << "page " << seite;
        EXPECT_EQ(befunde(), "") << "page " << seite;
    }
}

// Two players of one club with different faces leave the same pixels below the line over the
// page: the portrait stops above it.
TEST_F(SchirmTexte, ThePortraitEndsAboveThePage)
{
    Spieler_Fix_Daten[6].gesicht = 0x01020304;
    Spieler_Fix_Daten[7].gesicht = 0x0A0B0C0D;
    auto zeilen = [](int32_t spnr, int32_t von, int32_t bis) {
        zeigen(EIGEN, spnr, 0);
        const Rastport* s = Grafik_Seite_0;
        std::string z;
        for (int32_t y = von; y < bis; ++y)
            z.append(reinterpret_cast<const char*>(static_cast<const uint16_t*>(s->pixels) + size_t(y) * s->width + 5),
                     2 * 70);
        return z;
    };
    ASSERT_NE(zeilen(6, 75, 120), zeilen(7, 75, 120)) << "the faces differ";
    EXPECT_EQ(zeilen(6, 121, 145), zeilen(7, 121, 145));
}

// The search's list of an empty search says why it is empty: without an active room nobody can
// match by position; with a room, or listing watched players, it is just empty.
TEST_F(SchirmTexte, AnEmptySearchListSaysWhenNoRoomIsActive)
{
    static std::string gedruckt;
    Grafik_Text_Hook_Setzen([](const Grafik_Text_Lauf& l) {
        if (l.text) gedruckt.append(l.text, size_t(l.laenge)) += "|";
    });
    Rastport* z = Grafik_Bitmap_Anlegen(160, 200, 16);
    ASSERT_NE(z, nullptr);
    auto malen = [&](int32_t liste) {
        gedruckt.clear();
        Spieler_Einsetzen_Liste_Malen(z, liste, {}, 0, 0, 200, nullptr);
        return gedruckt;
    };
    Team_Transfersuche& s = T_Own[EIGEN].suche;
    for (uint8_t& a : s.aktiv) a = 0;
    EXPECT_EQ(malen(2), "Sie haben keinen Such-Raum|aktiviert, der die Lieblings-|positionen der Spieler angibt|");
    EXPECT_EQ(malen(0), "Kein Eintrag vorhanden.|");
    Manager_Icon_Button_An_Aus(EIGEN, 1360, 1);
    EXPECT_EQ(malen(2), "Kein Eintrag vorhanden.|") << "watched players need no room";
    Manager_Icon_Button_An_Aus(EIGEN, 1360, 0);
    s.aktiv[3] = 1;
    EXPECT_EQ(malen(2), "Kein Eintrag vorhanden.|");
    Grafik_Text_Hook_Setzen(nullptr);
    Grafik_Bitmap_Freigeben(z);
    Text_Pruefung_Starten();
}

// The search page's chosen club reads whole where it fits the room behind "Mit " (it was cut to
// 85 pixels of the widest font: "VfL Obe"); a longer name, and a league name, are cut to their
// room in the font they are drawn in.
TEST_F(SchirmTexte, TheSearchCaptionsCutNamesToTheirRoomInTheirFont)
{
    std::strcpy(T_Fix[EIGEN].name, "VfL Oberenbrück");
    Spieler_Suche_Texte t{};
    Spieler_Suche_Texte_Setzen(&t);
    EXPECT_STREQ(t.verein, "VfL Oberenbrück");
    std::strcpy(T_Fix[EIGEN].name, "Sportvereinigung Oberenbrück 1899");
    Spieler_Suche_Texte_Setzen(&t);
    Font_Record* f = Font(SPIELER_SUCHE_FONT);
    ASSERT_NE(f, nullptr);
    EXPECT_LE(Font_Text_Breite(f, t.verein), SPIELER_SUCHE_VEREIN_BREITE);
    EXPECT_GT(Font_Text_Breite(f, t.verein), SPIELER_SUCHE_VEREIN_BREITE - 12) << t.verein;
    EXPECT_EQ(std::string("Sportvereinigung Oberenbrück 1899").rfind(t.verein, 0), 0u);
}

// The staff screen's two lists: the applicants' offers ("1 J. a 920.000 DM"), the area and
// specialty labels and the detail panel keep their texts in their boxes.
TEST_F(SchirmTexte, TheStaffScreensListsKeepTheirTextsInTheirBoxes)
{
    uint8_t assis[ASSI_BLOCK_BYTES] = {}, aerzte[ARZT_BLOCK_BYTES] = {};
    Team_Zeiger(TEAM_ASSISTENTEN, EIGEN, assis, 1);
    Team_Zeiger(TEAM_AERZTE, EIGEN, aerzte, 1);
    Personal_Schirme_Registrieren();
    ASSERT_EQ(Menue_Gruppen_Screens[0](nullptr, 0), 1);
    for (const int32_t liste : {PERSONAL_LISTE_ASSIS, PERSONAL_LISTE_AERZTE}) {
        Menue_Icon* reiter = Menue_Screen_Icon_Aus_Nummer(liste);
        ASSERT_TRUE(reiter && reiter->klick) << liste;
        reiter->klick(reiter, 4);
        Menue_Screen_Refresh(1, -1, -1, -1, -1);
        EXPECT_GT(Text_Pruefung_Sichtbar(Grafik_Seite_0), 20u) << liste;
        EXPECT_EQ(befunde(), "") << "list " << liste;
    }
    Menue_Bereich_Loeschen(0x45, -9999, -9999, 9999, 9999);
    Menue_Gruppen_Screens[0] = nullptr;
}

}  // namespace

namespace {

// In the first season the two season charts have nothing to draw: a line says so, in the box.
TEST_F(SchirmTexte, TheSeasonChartsSayTheyHaveNothingYet)
{
    for (int32_t seite : {11, 12}) {
        zeigen(EIGEN, 5, seite);
        bool hinweis = false;
        for (const Text_Sichtbar& t : Text_Pruefung_Texte(Grafik_Seite_0))
            hinweis = hinweis || t.text.find("Noch keine Werte") != std::string::npos;
        EXPECT_TRUE(hinweis) << "page " << seite;
        EXPECT_EQ(befunde(), "") << "page " << seite;
    }
}

// A competition button's single word the button's font would cut ("Poka") stands whole in the
// condensed font; a name that fits, or one of several words, keeps the button's font.
TEST_F(SchirmTexte, ASingleWordOnACompetitionButtonTakesTheCondensedFontRatherThanBeingCut)
{
    constexpr int32_t FONT = 4, BREITE = 28;
    ASSERT_GT(Font_Text_Breite(Font(FONT), "Pokal"), BREITE) << "the button's font cuts it";
    EXPECT_EQ(Spieler_Spielervergleich_Knopf_Font("Pokal", FONT, BREITE), MENUE_SCHMAL_FONT);
    char aus[64];
    Spieler_Spielervergleich_Knopf_Text("Pokal", MENUE_SCHMAL_FONT, BREITE, aus, sizeof aus);
    EXPECT_STREQ(aus, "Pokal");
    EXPECT_EQ(Spieler_Spielervergleich_Knopf_Font("Liga", FONT, BREITE), FONT);
    EXPECT_EQ(Spieler_Spielervergleich_Knopf_Font("England 1. Liga", FONT, BREITE), FONT);
    EXPECT_EQ(Spieler_Spielervergleich_Knopf_Font("Meisterschaftsrunde", FONT, BREITE), FONT) << "too long for either";
    EXPECT_EQ(Spieler_Spielervergleich_Knopf_Font(nullptr, FONT, BREITE), FONT);
}

// The comparison's seven competition buttons read apart on the screen, each label its own and
// none the beginning of another: beside "Pokal" the cup winners' cup is no "Poka".
TEST_F(SchirmTexte, TheComparisonsCompetitionButtonsReadApart)
{
    ASSERT_EQ(Spieler_Spielervergleich_Oeffnen(nullptr, 0), 1);
    Menue_Icon* k = Spieler_Spielervergleich_Wettbewerb_Icons();
    const char* const namen[VERGLEICH_WETTBEWERBE] = {"1. Liga",      "Pokal",           "Pokalsiegerpokal", "2. Liga",
                                                      "Meisterpokal", "Kontinentalpokal", "England 1. Liga"};
    for (int32_t i = 0; i < VERGLEICH_WETTBEWERBE; ++i) {
        ASSERT_TRUE(Menue_Screen_Icon_Ist_Vorhanden(k[i].nummer)) << i;
        k[i].hilfetext = namen[i];
        Menue_Screen_Icon_Aktiv_Setzen(1, k[i].nummer);
    }
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    std::string labels[VERGLEICH_WETTBEWERBE];
    for (const Text_Sichtbar& t : Text_Pruefung_Texte(Grafik_Seite_0))
        for (int32_t i = 0; i < VERGLEICH_WETTBEWERBE; ++i)
            if (t.gezeigt == t.punkte && t.x1 >= k[i].x && t.x2 <= k[i].x + k[i].breite && t.y1 >= k[i].y &&
                t.y2 <= k[i].y + k[i].hoehe)
                labels[i] += t.text;
    EXPECT_EQ(befunde(), "");
    Menue_Bereich_Loeschen(0x45, -9999, -9999, 9999, 9999);
    auto klein = [](std::string t) {
        for (char& c : t) c = char(std::tolower(static_cast<unsigned char>(c)));
        return t;
    };
    for (int32_t i = 0; i < VERGLEICH_WETTBEWERBE; ++i) {
        EXPECT_FALSE(labels[i].empty()) << namen[i] << " has no label whole within its button";
        for (int32_t j = 0; j < VERGLEICH_WETTBEWERBE; ++j) {
            if (j == i || labels[i].empty()) continue;
            EXPECT_NE(klein(labels[j]).rfind(klein(labels[i]), 0), 0u)
                << namen[i] << " (" << labels[i] << ") reads as " << namen[j] << " (" << labels[j] << ")";
        }
    }
}

}  // namespace
