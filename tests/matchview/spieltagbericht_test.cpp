// The report pages after real match days of the small world on the headless screen: results,
// table and team of the day, each dumped while it waits for a person to look at it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "common/builder_daten.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "database/spieler.h"
#include "database/team.h"
#include "graphics/font.h"
#include "graphics/grafik_screen.h"
#include "match/spieltag_welt.h"
#include "matchview/spieltagbericht.h"
#include "platform/os/os_display.h"
#include "platform/resfile.h"
#include "screens/spieler_gesicht.h"
#include "toolkit/text_pruefung.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_wappen.h"

namespace {

namespace fs = std::filesystem;

const std::string ORDNER = std::string(DORVIN_BINARY_DIR) + "/spieltagbericht_bilder";

// The builder's resource files and a 640 x 480 screen for the whole program.
class Bildschirm : public ::testing::Environment {
public:
    void SetUp() override
    {
        fs::create_directories(ORDNER);
        ASSERT_TRUE(Test_Resfiles_Oeffnen());
        ASSERT_EQ(Grafik_Screen_Init(640, 480, 16), 1);
        Grafik_Init();
        Spieler_Gesicht_Init(ResFile_Handles[0].handle);
    }
    void TearDown() override
    {
        Spieler_Gesicht_DeInit();
        Font_Alle_Freigeben();
        Grafik_Screen_DeInit();
        DeInit_System_Dateien();
    }
};
[[maybe_unused]] ::testing::Environment* const bildschirm = ::testing::AddGlobalTestEnvironment(new Bildschirm);

struct Gezeichnet {
    int32_t art, wert, x, y;
    std::string text;
    int32_t seite;  // pages shown before it
};
std::vector<Gezeichnet> gezeichnet;
std::vector<std::string> gezeigt;
std::string name_naechste;

void zeichen(int32_t art, int32_t wert, int32_t x, int32_t y, const char* text)
{
    gezeichnet.push_back({art, wert, x, y, text ? text : "", int32_t(gezeigt.size())});
}

int32_t warten(int32_t, int32_t)
{
    const std::string datei = ORDNER + "/" + name_naechste + "_" + std::to_string(gezeigt.size()) + ".png";
    Os_Display_Dump_Png(datei.c_str());
    gezeigt.push_back(datei);
    return 1;
}

class Spieltagbericht : public Spieltag_Welt {
protected:
    void SetUp() override
    {
        Spieltag_Welt::SetUp();
        gezeichnet.clear();
        gezeigt.clear();
        Auslosung_Set_Warten_Hook(warten);
        Spieltagbericht_Set_Zeichen_Hook(zeichen);
    }
    void TearDown() override
    {
        Spieltagbericht_Set_Zeichen_Hook(nullptr);
        Auslosung_Set_Warten_Hook(nullptr);
        Spieltag_Welt::TearDown();
    }
    // Plays to the day's close, asks every competition for its pages and closes the day.
    static std::vector<int32_t> tag_mit_seiten(const std::string& name)
    {
        EXPECT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
        int32_t w[64];
        const int32_t n = Spieltag_Get_Wettbewerbe(w, 64);
        for (int32_t i = 0; i < n; ++i) {
            Wettbewerb_Set_Schalter(w[i], 1, 1);
            Wettbewerb_Set_Schalter(w[i], 2, 1);
        }
        name_naechste = name;
        gezeichnet.clear();
        gezeigt.clear();
        Ablauf_Schritt();
        return {w, w + n};
    }
    // Texts of a page (index of the wait that showed it).
    static std::vector<Gezeichnet> seite(int32_t s, int32_t art = SPIELTAGBERICHT_TEXT)
    {
        std::vector<Gezeichnet> v;
        for (const Gezeichnet& g : gezeichnet)
            if (g.seite == s && g.art == art) v.push_back(g);
        return v;
    }
};

// The row text of place i+1 of a table page: "(previous)" and the arrow drawn on that row.
struct Zeile {
    int32_t platz = 0;
    std::string vorher;
    int32_t pfeil = 0;
};

std::vector<Zeile> tabellenzeilen(const std::vector<Gezeichnet>& texte, const std::vector<Gezeichnet>& bilder)
{
    std::vector<Zeile> z;
    for (const Gezeichnet& g : texte) {
        const size_t klammer = g.text.find("^fb0006");
        const size_t auf = g.text.find('(');
        if (klammer == std::string::npos || auf == std::string::npos || g.text.find(")^fe") == std::string::npos) continue;
        Zeile r;
        r.platz = std::atoi(g.text.c_str() + klammer + 7);
        r.vorher = g.text.substr(auf + 1, g.text.find(')', auf) - auf - 1);
        for (const Gezeichnet& b : bilder)
            if (b.y == g.y - 7 && b.wert >= 6233 && b.wert <= 6237) r.pfeil = b.wert;
        z.push_back(r);
    }
    return z;
}

TEST_F(Spieltagbericht, ResultsTablesAndTeamsOfTheDayUntilTwoLeagueDays)
{
    int32_t tabellen = 0, gepruefte_pfeile = 0, ergebnisseiten = 0, elf_seiten = 0, breit_geprueft = 0, ko_seiten = 0;
    for (int32_t tag = 1; tag <= 12 && tabellen < 2; ++tag) {
        // A home side's 12 goals widen every line of its page.
        ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
        const auto spiele_heute = spiele();
        ASSERT_FALSE(spiele_heute.empty());
        Spiele_Spiel* gross = Spiele_Get_Spiel(spiele_heute.back().second, 1);
        ASSERT_NE(gross, nullptr);
        gross->heim_tore = 12;
        tag_mit_seiten("tag" + std::to_string(tag));
        for (size_t s = 0; s < gezeigt.size(); ++s) {
            const auto texte = seite(int32_t(s));
            if (texte.empty()) continue;
            elf_seiten += texte[0].text.find("Elf des Tages") != std::string::npos;
            if (texte[0].text.find("Die Tabelle:") != std::string::npos) {
                ++tabellen;
                const auto zeilen = tabellenzeilen(texte, seite(int32_t(s), SPIELTAGBERICHT_BILD));
                EXPECT_FALSE(zeilen.empty());
                // The change of places picks the arrow; without a place before, "--" and level.
                for (const Zeile& z : zeilen) {
                    const int32_t hoch = z.vorher == "--" ? 0 : std::atoi(z.vorher.c_str()) - z.platz;
                    const int32_t erwartet = hoch >= 3 ? 6237 : hoch >= 1 ? 6236 : hoch == 0 ? 6235 : hoch >= -2 ? 6234 : 6233;
                    EXPECT_EQ(z.pfeil, erwartet) << z.platz << " from " << z.vorher;
                    ++gepruefte_pfeile;
                }
                continue;
            }
            if (texte[0].text.find("Ergebnisse:") == std::string::npos) continue;
            // Score lines: a right tab then a fixed advance; rows by the layout of the game count.
            std::vector<Gezeichnet> tore;
            for (const Gezeichnet& g : texte)
                if (g.text.find("^tr0450^fb") != std::string::npos || g.text.find("^tr0430^fb") != std::string::npos)
                    tore.push_back(g);
            if (tore.empty()) continue;
            ++ergebnisseiten;
            // A knock-out's scores stand 20 further left and no table follows its results.
            const bool ko = tore[0].text.find("^tr0430^fb") != std::string::npos;
            const auto folgende = seite(int32_t(s + 1));
            const bool tabelle_folgt = !folgende.empty() && folgende[0].text.find("Die Tabelle:") != std::string::npos;
            EXPECT_NE(ko, tabelle_folgt) << texte[1].text;
            ko_seiten += ko;
            const int32_t n = int32_t(tore.size());
            const int32_t zeile = n <= 9 ? 43 : n <= 12 ? 34 : 24;
            for (int32_t i = 1; i < n; ++i) EXPECT_EQ(tore[size_t(i)].y - tore[size_t(i - 1)].y, zeile) << n;
            bool mit_zwoelf = false;
            for (const Gezeichnet& g : tore) mit_zwoelf |= g.text.find("12:") != std::string::npos;
            if (!mit_zwoelf) continue;
            for (const Gezeichnet& g : tore) {
                const size_t fb = g.text.find("^fb");
                EXPECT_EQ(g.text.find(':', fb) - (fb + 7), 2u) << g.text;
                ++breit_geprueft;
            }
        }
    }
    EXPECT_GE(tabellen, 2);
    EXPECT_GT(gepruefte_pfeile, 0);
    EXPECT_GT(ergebnisseiten, 0);
    EXPECT_GT(elf_seiten, 0);
    EXPECT_GT(breit_geprueft, 1);
    EXPECT_GT(ko_seiten, 0);
}

// On the results pages of one column every away name ends before its row's score begins, on
// league and knock-out pages alike (the knock-out's scores stand further left).
TEST_F(Spieltagbericht, AwayNamesEndBeforeTheirScores)
{
    int32_t geprueft = 0, ko_zeilen = 0;
    for (int32_t tag = 1; tag <= 12 && (ko_zeilen == 0 || geprueft == ko_zeilen); ++tag) {
        tag_mit_seiten("gast" + std::to_string(tag));
        for (size_t s = 0; s < gezeigt.size(); ++s) {
            const auto texte = seite(int32_t(s));
            if (texte.empty() || texte[0].text.find("Ergebnisse:") == std::string::npos) continue;
            for (const Gezeichnet& name : texte) {
                const size_t ab = name.text.find("^tl0210"), bis = name.text.find("^tl0000");
                if (name.x != 120 || ab == std::string::npos || bis == std::string::npos) continue;
                std::string gast = name.text.substr(ab + 7, bis - ab - 7);
                int32_t font = name.wert;
                // a name in the small font stands alone, in its colour, at the tab
                for (const Gezeichnet& allein : texte)
                    if (gast.empty() && allein.x == 330 && allein.y == name.y && allein.text.size() > 7) {
                        gast = allein.text.substr(7);
                        font = allein.wert;
                    }
                EXPECT_FALSE(gast.empty()) << name.text;
                for (const Gezeichnet& tore : texte) {
                    const size_t rechts = tore.text.find("^tr"), fb = tore.text.find("^fb");
                    if (tore.y < name.y || tore.y > name.y + 6 || rechts == std::string::npos || fb == std::string::npos)
                        continue;
                    const int32_t links = std::atoi(tore.text.c_str() + rechts + 3) -
                                          Font_Text_Breite(Font(tore.wert), tore.text.c_str() + fb);
                    EXPECT_LT(330 + Font_Text_Breite(Font(font), gast.c_str()), links) << gast << " / " << tore.text;
                    ++geprueft;
                    ko_zeilen += std::atoi(tore.text.c_str() + rechts + 3) == 430;
                }
            }
        }
    }
    EXPECT_GT(ko_zeilen, 0);
    EXPECT_GT(geprueft, ko_zeilen);
}

TEST_F(Spieltagbericht, NoPageWithoutItsSwitchOrBackground)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
    int32_t w[64];
    const int32_t n = Spieltag_Get_Wettbewerbe(w, 64);
    ASSERT_GT(n, 0);
    Wettbewerb_Set_Schalter(w[0], 1, 0);
    EXPECT_EQ(Spieltagbericht_Ergebnisse_Zeigen(w[0]), 0);
    EXPECT_TRUE(gezeigt.empty());
    Wettbewerb_Set_Schalter(w[0], 1, 1);
    const int32_t handle = ResFile_Handles[0].handle;
    ResFile_Handles[0].handle = -1;
    EXPECT_EQ(Spieltagbericht_Ergebnisse_Zeigen(w[0]), 0);
    ResFile_Handles[0].handle = handle;
    EXPECT_TRUE(gezeigt.empty());
}

// The team of the day with the world's longest player and club names: every label under a
// portrait and every club name beside one ends before the next place of its row.
TEST_F(Spieltagbericht, TheTeamOfTheDaysLabelsKeepApart)
{
    int32_t spieler[11], teams[11];
    std::vector<std::pair<size_t, int32_t>> namen, vereine;
    for (int32_t p = 0; p < Spieler_Anzahl; ++p)
        if (const char* n = Spieler_String(SP_NAME_LAND, p, nullptr, 0)) namen.emplace_back(std::strlen(n), p);
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (const char* n = Team_String(TEAM_NAME, t, nullptr, 0)) vereine.emplace_back(std::strlen(n), t);
    std::sort(namen.rbegin(), namen.rend());
    std::sort(vereine.rbegin(), vereine.rend());
    ASSERT_GE(namen.size(), 11u);
    ASSERT_GE(vereine.size(), 11u);
    for (int32_t i = 0; i < 11; ++i) spieler[i] = namen[size_t(i)].second, teams[i] = vereine[size_t(i)].second;
    gezeichnet.clear();
    gezeigt.clear();
    name_naechste = "elf_lang";
    Spieltagbericht_Elf_Des_Tages(0, spieler, teams);
    const std::vector<int32_t> xs = {54, 134, 198, 276, 342, 418, 486};
    int32_t geprueft = 0;
    for (const Gezeichnet& g : gezeichnet) {
        if (g.art != SPIELTAGBERICHT_TEXT || g.text.find("^c") != 0 || g.text.find("^t") != std::string::npos) continue;
        // the places of the row the text belongs to: portraits 96 apart from y 94
        const int32_t reihe = g.y < 190 ? 94 : g.y < 286 ? 190 : g.y < 382 ? 286 : 382;
        std::vector<int32_t> platz;
        if (reihe == 190 || reihe == 382) platz = {134, 276, 418};
        else if (reihe == 286) platz = {54, 198, 342, 486};
        else platz = {276};
        const auto naechste = std::upper_bound(platz.begin(), platz.end(), g.x);
        const int32_t ende = naechste == platz.end() ? platz.back() + 142 : *naechste;
        Font_Record* fo = Font(g.wert);
        ASSERT_NE(fo, nullptr) << g.wert;
        EXPECT_LE(g.x + Font_Text_Breite_Mit_Tabs(fo, g.text.c_str()), ende) << g.text << " font " << g.wert;
        ++geprueft;
    }
    EXPECT_EQ(geprueft, 22);
    ASSERT_EQ(gezeigt.size(), 1u);
}

// The team of the day with the world's shortest club names, which stay in the large font: each
// name's ink starts at least two pixels below its crest's picture.
TEST_F(Spieltagbericht, AShortClubNameKeepsClearOfItsCrest)
{
    int32_t spieler[11], teams[11];
    std::vector<std::pair<size_t, int32_t>> vereine;
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (const char* n = Team_String(TEAM_NAME, t, nullptr, 0); n && *n) vereine.emplace_back(std::strlen(n), t);
    std::sort(vereine.begin(), vereine.end());
    ASSERT_GE(vereine.size(), 11u);
    for (int32_t i = 0; i < 11; ++i) {
        teams[i] = vereine[size_t(i)].second;
        spieler[i] = i;
    }
    static std::vector<Text_Sichtbar> tinte;
    tinte.clear();
    Auslosung_Set_Warten_Hook([](int32_t, int32_t) {
        tinte = Text_Pruefung_Texte(Grafik_Seite_0);
        return warten(0, 0);
    });
    Text_Pruefung_Starten();
    gezeichnet.clear();
    gezeigt.clear();
    name_naechste = "elf_kurz";
    Spieltagbericht_Elf_Des_Tages(0, spieler, teams);
    Text_Pruefung_Beenden();
    ASSERT_EQ(gezeigt.size(), 1u);
    int32_t geprueft = 0;
    for (const Gezeichnet& w : gezeichnet) {
        if (w.art != SPIELTAGBERICHT_WAPPEN) continue;
        Rastport* bild = Grafik_Wappen_Laden(ResFile_Handles[0].handle, nullptr, 16, w.wert, 0, 0, 1, 0, 0);
        ASSERT_NE(bild, nullptr) << w.wert;
        const int32_t unten = w.y + int32_t(bild->height);
        Grafik_Bitmap_Freigeben(bild);
        // the club's name: the text below the crest that starts at its left edge
        const Text_Sichtbar* name = nullptr;
        for (const Text_Sichtbar& t : tinte)
            if (t.x1 >= w.x && t.x1 <= w.x + 3 && t.y2 > w.y && t.y1 < unten + 20 && (!name || t.y1 < name->y1)) name = &t;
        ASSERT_NE(name, nullptr) << Team_String(TEAM_NAME, w.wert, nullptr, 0);
        EXPECT_GE(name->y1 - unten, 2) << name->text << ": crest to " << unten << ", name from " << name->y1;
        ++geprueft;
    }
    EXPECT_EQ(geprueft, 11);
}

// An away name short of room: the full name while it fits, then the club's short name in the
// lines' font and in the small one, and only then the short name cut, its point telling of it.
TEST_F(Spieltagbericht, AnAwayNameShortOfRoomStaysReadable)
{
    int32_t geprueft = 0;
    for (int32_t t = 0; t < Team_Anzahl && geprueft < 12; ++t) {
        const char* lang = Team_String(TEAM_NAME, t, nullptr, 0);
        const char* kurz = Team_String(TEAM_KURZNAME, t, nullptr, 0);
        if (!lang || !kurz || std::strlen(kurz) < 7 || std::strcmp(lang, kurz) == 0) continue;
        const int32_t voll = Font_Text_Breite(Font(8), lang), kurz_9 = Font_Text_Breite(Font(9), kurz);
        EXPECT_EQ(std::string(Spieltagbericht_Gast_Name(t, voll).text), lang);
        const Spieltagbericht_Name klein = Spieltagbericht_Gast_Name(t, Font_Text_Breite(Font(8), kurz) - 1);
        EXPECT_EQ(std::string(klein.text) + std::to_string(klein.font), std::string(kurz) + "9");
        const std::string cut = Spieltagbericht_Gast_Name(t, kurz_9 - 1).text;
        EXPECT_LE(Font_Text_Breite(Font(9), cut.c_str()), kurz_9 - 1) << cut;
        EXPECT_TRUE(cut.size() >= 4 && cut.back() == '.' && cut[cut.size() - 2] != '.') << cut;
        EXPECT_EQ(std::string(kurz).compare(0, cut.size() - 1, cut, 0, cut.size() - 1), 0) << cut << " of " << kurz;
        ++geprueft;
    }
    EXPECT_GE(geprueft, 5);
}

// A tie decided on penalties stores the kicks that scored among its goals; its results line
// reads the score after extra time with the shoot-out apart, not the sum of both.
TEST_F(Spieltagbericht, AShootOutReadsApartFromTheScoreAfterExtraTime)
{
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
    const int32_t g = spiele()[0].second;
    const Spielfeld_Record* r = Spielfeld_Get_Spiel(g);
    ASSERT_NE(r, nullptr);
    const int32_t heim = r->spieler[1].spnr, gast = r->spieler[17].spnr;
    Spiele_Tore_Nullen(g);
    Spiele_Set_Ereignis(g, SPE_TOR | SPE_CHANCE | SPE_HEIM, 20, heim, 32767);
    Spiele_Set_Ereignis(g, SPE_TOR | SPE_CHANCE, 110, gast, 32767);
    Spiele_Get_Spiel(g, 1)->ergebnis_art |= SPIELE_ART_NV | SPIELE_ART_NE;
    for (int32_t i = 0; i < 7; ++i) {
        if (i < 6) Spiele_Set_Ereignis(g, SPE_TOR | SPE_HEIM, 120, heim, 32767);
        Spiele_Set_Ereignis(g, SPE_TOR, 120, gast, 32767);
    }
    ASSERT_EQ(Spiele_Get_Spiel(g, 1)->heim_tore, 7);
    tag_mit_seiten("elfmeter");
    int32_t stand = 0, elfmeter = 0, summe = 0;
    for (size_t s = 0; s < gezeigt.size(); ++s) {
        const auto texte = seite(int32_t(s));
        if (texte.empty() || texte[0].text.find("Ergebnisse:") == std::string::npos) continue;
        for (const Gezeichnet& t : texte) {
            stand += t.text.find("1:1^fe") != std::string::npos;
            elfmeter += t.text.find("n.E. 6:7") != std::string::npos;
            summe += t.text.find("7:8") != std::string::npos;
        }
    }
    EXPECT_GE(stand, 1);
    EXPECT_GE(elfmeter, 1);
    EXPECT_EQ(summe, 0);
}

}  // namespace
