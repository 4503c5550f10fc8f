// Pictures of the line-up screen to look at, drawn from the builder's resource files: page 1
// with both sides, the left area view, a favourite-position square and a drag in flight.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "screens/spieler_einsetzen_figuren.h"
#include "database/db_hilfe.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_spielerfigur.h"
#include "graphics/grafik_zeichnen.h"
#include "graphics/font.h"
#include "matchview/lineup/anweisungen.h"
#include "matchview/lineup/aufstellung.h"
#include "matchview/lineup/motivation.h"
#include "matchview/lineup/screen.h"
#include "matchview/lineup/spieldaten.h"
#include "network/netz.h"
#include "platform/os/os_display.h"
#include "platform/os/os_intern.h"
#include "platform/resfile.h"
#include "tests/matchview/spielszenen_dateien.h"
#include "tests/matchview/spielszenen_probe.h"
#include "toolkit/btnscreen.h"
#include "toolkit/text_pruefung.h"

namespace {

class AufstellungBilder : public ::testing::Test {
protected:
    static inline Spielszenen_Dateien_Sitzung sitzung;
    static void SetUpTestSuite()
    {
        sitzung.oeffnen();
    }
    static void TearDownTestSuite() { sitzung.schliessen(); }
    int32_t eigen = 0;
    void SetUp() override { eigen = Netz_Get_Eigenes_Team(); }
    void TearDown() override
    {
        Screen_Freigeben();
        Screen_Record = nullptr;
        Netz_Set_Eigenes_Team(eigen);
        Os_Input_Set_Buttons(false, false);
        Test_Aufraeumen();
    }
    // A record of clubs 0 (home) and 1 with the database's test clubs and 40 players.
    static std::unique_ptr<Spielfeld_Record> probe(int32_t teams)
    {
        Test_Teams_Anlegen(teams);
        Test_Spieler_Anlegen(40);
        auto r = Spielszenen_Probe_Record(100);
        r->team[0] = 0;
        r->team[1] = 1;
        return r;
    }
    // Slot k of each side holds player k (home) or 20 + k (away), eleven a side on the pitch.
    static Spielfeld_Spieler& besetzen(Spielfeld_Record& r, int32_t slot)
    {
        Spielfeld_Spieler& s = r.spieler[slot];
        const int32_t k = slot % 16;
        s.spnr = slot < 16 ? k : 20 + k;
        s.zustand = k < 11 ? SPIELFELD_AUF_DEM_PLATZ : SPIELFELD_ERSATZ;
        r.objekt[slot].aktiv = 1;
        return s;
    }
};

TEST_F(AufstellungBilder, PageOneWithAreasAFavouritePositionAndADrag)
{
    auto r = probe(4);
    r->team_wert[0] = 1000;
    r->team_wert[1] = 420;
    r->wechsel_uebrig[0] = r->wechsel_uebrig[1] = 3;
    r->statistik[1][0] = 12, r->statistik[1][1] = 9, r->objekt[1].distanz = 83000;
    for (auto* l : {&r->einwechsel, &r->auswechsel})
        for (auto& s : *l)
            for (auto& b : s) b = -1;
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
        Spielfeld_Spieler& s = besetzen(*r, slot);
        const int32_t k = slot % 16;
        s.wert_89 = uint16_t(500 + 37 * k);
        s.partner[2] = slot == 18 ? 3 : 255;  // home 3 man-marks away 18
        s.kraft = uint32_t(10000 - 700 * k);
        const float x = r->objekt[slot < 16 ? k : 16 + k].x, y = r->objekt[slot < 16 ? k : 16 + k].y;
        const int32_t t[8] = {int32_t(x) - 900, int32_t(x) + 900, int32_t(y) - 700, int32_t(y) + 700,
                              int32_t(x) - 600, int32_t(x) + 600, int32_t(y), int32_t(y)};
        std::copy(t, t + 8, s.taktik_punkte);
        Spieler_Fix_Daten[s.spnr].lieblingspos = int16_t(k == 0 ? 459 : (k % 3) * 153 + 40 + k);
    }
    Netz_Set_Eigenes_Team(0);
    Screen_Record = r.get();
    Screen_Seite = -1;
    ASSERT_TRUE(Screen_Oeffnen());
    Screen_Seite_Zeigen(1);
    Raum_Links_LB(&Aufstellung_Liste[AG_RAUM_LINKS]);
    Screen_Refresh(nullptr);
    Start_Lieblings_Pos(&Aufstellung_Liste[AG_HEIM_ICON + 5]);
    Btnscreen_Gadget* bank = &Aufstellung_Liste[AG_HEIM_BANK];
    ASSERT_EQ(bank->benutzer[2], uint32_t(TYP_BANK));
    Os_Input_Set_Mouse(bank->x + 40, bank->y + 8);
    Auswechsel_Drag_Start(bank);
    Auswechsel_Drag_Serve(bank, 300, 330);
    EXPECT_TRUE(Auswechsel_Zieht());
    const std::string ordner = SPIELSZENEN_ORDNER + "/aufstellung_" + std::to_string(::getpid());
    std::filesystem::create_directories(ordner);
    EXPECT_TRUE(Os_Display_Dump_Png((ordner + "/seite1.png").c_str()));
    std::printf("%s/seite1.png\n", ordner.c_str());
    Auswechsel_Zug_Freigeben();
}

}  // namespace

namespace {

// The list's rows are lower than the shirt's base picture: the figure beside the portrait must
// still wear the kit, as the figure made on its own does, not the base picture's key colour.
TEST_F(AufstellungBilder, TheListsShirtFiguresWearTheKitBesideThePortrait)
{
    auto r = probe(2);
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
        r->spieler[slot].spnr = slot < 16 ? slot : 4 + slot;
        r->spieler[slot].zustand = slot % 16 < 11 ? SPIELFELD_AUF_DEM_PLATZ : SPIELFELD_ERSATZ;
        r->objekt[slot].aktiv = 1;
    }
    Netz_Set_Eigenes_Team(0);
    Screen_Record = r.get();
    Screen_Seite = -1;
    ASSERT_TRUE(Screen_Oeffnen());
    Screen_Seite_Zeigen(1);
    const Btnscreen_Gadget* z = &Aufstellung_Liste[AG_LISTE];
    ASSERT_EQ(z->benutzer[2], uint32_t(TYP_ZEILE));
    ASSERT_NE(z->bitmap1, nullptr);
    // the shirt made to the row: beside the portrait, clear of the name, inside the row
    Rastport* figur = Spieler_Trikot_Klein(int32_t(z->benutzer[0]), 0, 12, 14);
    ASSERT_NE(figur, nullptr);
    EXPECT_LE(26 + int32_t(figur->width), 48);
    EXPECT_LE(2 + int32_t(figur->height), int32_t(z->h));
    auto px = [](const Rastport* b, int32_t x, int32_t y) { return static_cast<const uint16_t*>(b->pixels)[y * b->width + x]; };
    int32_t gezeigt = 0, gleich = 0;
    // Up to the name at x 48, down to the row's foot.
    for (int32_t y = 2; y < z->h && y - 2 < int32_t(figur->height); ++y)
        for (int32_t x = 26; x < 48 && x - 26 < int32_t(figur->width); ++x) {
            const uint16_t f = px(figur, x - 26, y - 2);
            if (!f) continue;
            ++gezeigt;
            gleich += px(z->bitmap1, x, y) == f;
        }
    Grafik_Bitmap_Freigeben(figur);
    EXPECT_GT(gezeigt, 80);
    EXPECT_EQ(gleich, gezeigt);
}

// The dressing room's ten talk items, each line centred on its button (pictures 1701 to 1710):
// with the largest counts every line, as drawn in its font, is narrower than its button, so
// that none loses its first letters under the button's edge.
TEST_F(AufstellungBilder, EveryTalkLineFitsItsButton)
{
    auto r = probe(2);
    for (int32_t i = 0; i < MOTIVATION_SPRUECHE; ++i) r->ansprache_druecke[0][i] = MOTIVATION_DRUECKE_MAX;
    static std::vector<std::pair<int32_t, std::string>> zeilen;
    zeilen.clear();
    Motivation_Set_Text_Hook([](int32_t, int32_t y, const char* t) { zeilen.emplace_back(y, t); });
    Draw_Motivation_Seite(nullptr, r.get(), 0, true, false);
    Motivation_Set_Text_Hook(nullptr);
    int32_t geprueft = 0;
    for (const auto& [y, t] : zeilen) {
        const int32_t i = (y - 28) / 18;
        if (y < 28 || (y - 28) % 18 != 0 || i >= MOTIVATION_SPRUECHE) continue;
        Rastport* knopf = static_cast<Rastport*>(Load_Resource(ResFile_Handles[0].handle, 1701 + i, 16, nullptr));
        ASSERT_NE(knopf, nullptr) << i;
        const int32_t breite = int32_t(knopf->width);
        Grafik_Bitmap_Freigeben(knopf);
        Font_Record* fo = Font(Motivation_Spruch_Font(t.c_str()));
        ASSERT_NE(fo, nullptr);
        EXPECT_LE(Font_Text_Breite(fo, Motivation_Zeilentext(t.c_str())), breite - 2 * MOTIVATION_KNOPF_RAND) << i << ": " << t;
        ++geprueft;
    }
    EXPECT_EQ(geprueft, MOTIVATION_SPRUECHE);
}

}  // namespace

namespace {

std::vector<std::pair<int32_t, std::string>> gedruckt;
void drucken_merken(int32_t x, int32_t, const char* t) { gedruckt.emplace_back(x, t ? t : ""); }

// The pre-match talks stand clear of their radios and, in the font the page takes for them,
// inside the page; the praise and blame lines fit the frames of their buttons.
TEST_F(AufstellungBilder, TheTalksStandBesideTheirRadiosAndInsideThePage)
{
    auto r = probe(2);
    Netz_Set_Eigenes_Team(0);
    Screen_Record = r.get();
    Screen_Seite = -1;
    ASSERT_TRUE(Screen_Oeffnen());
    gedruckt.clear();
    Motivation_Set_Text_Hook(drucken_merken);
    Draw_Motivation_Seite(nullptr, r.get(), 0, true, true);
    int32_t radio = 0;
    for (const auto& [x, t] : gedruckt) {
        const size_t umbruch = t.find("^z0013");
        if (umbruch == std::string::npos) continue;
        ASSERT_LT(radio, 5);
        const Btnscreen_Gadget& g = Aufstellung_Liste[AG_VORGABE + radio++];
        EXPECT_GE(x, g.x + g.w - 113) << t << ": on the radio's picture";
        const std::string text = t.substr(7);  // behind the colour code
        Font_Record* f = Font(Motivation_Vorgabe_Font(text.c_str(), x));
        ASSERT_NE(f, nullptr);
        for (const std::string& zeile : {text.substr(0, umbruch - 7), text.substr(umbruch - 7 + 6)})
            EXPECT_LE(x + Font_Text_Breite(f, zeile.c_str()), MOTIVATION_SEITE_BREITE - 4) << zeile;
    }
    EXPECT_EQ(radio, 5);
    // At half-time the praise and blame lines are centred in their frames.
    EXPECT_EQ(Aufstellung_Liste[AG_LOB].w, MOTIVATION_LOB_BREITE);
    EXPECT_EQ(Aufstellung_Liste[AG_LOB].x + MOTIVATION_LOB_BREITE / 2 - 113, 312);
    Motivation_Set_Text_Hook(nullptr);
}

}  // namespace

namespace {

// Heads mode on the match screen: heads centred on areas that lie close together covered each
// other; every shown head keeps clear of the others and on the pitch, this PC's side where its
// areas put it, and heads back off centres the areas give when the mode goes off.
TEST_F(AufstellungBilder, HeadsOnThePitchStandApartAndInsideIt)
{
    auto r = probe(2);
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
        Spielfeld_Spieler& s = besetzen(*r, slot);
        const int32_t k = slot % 16;
        // both sides' areas in three crowded bands across the middle
        const int32_t x = 4000 + 600 * (k % 4) + (slot < 16 ? 0 : 300), y = 1500 + 1700 * (k % 3);
        const int32_t t[8] = {x - 500, x + 500, y - 400, y + 400, x - 300, x + 300, y, y};
        std::copy(t, t + 8, s.taktik_punkte);
    }
    Netz_Set_Eigenes_Team(0);
    Screen_Record = r.get();
    Screen_Seite = -1;
    ASSERT_TRUE(Screen_Oeffnen());
    Screen_Seite_Zeigen(1);
    ASSERT_EQ(Aufstellung_Liste[AG_GEGNER].benutzer[0] & 1, 1u);
    Portrait_LB(&Aufstellung_Liste[AG_PORTRAIT]);
    Screen_Refresh(nullptr);
    const std::string ordner = SPIELSZENEN_ORDNER + "/aufstellung_" + std::to_string(::getpid());
    std::filesystem::create_directories(ordner);
    EXPECT_TRUE(Os_Display_Dump_Png((ordner + "/koepfe.png").c_str()));
    std::printf("%s/koepfe.png\n", ordner.c_str());
    const Btnscreen_Gadget& feld = Aufstellung_Liste[AG_FELD];
    std::vector<const Btnscreen_Gadget*> koepfe;
    for (int32_t i = 0; i < 22; ++i) {
        const Btnscreen_Gadget& g = Aufstellung_Liste[AG_HEIM_ICON + i];
        if (g.benutzer[2] != uint32_t(TYP_ICON)) continue;
        koepfe.push_back(&g);
        EXPECT_GE(g.x, feld.x) << i;
        EXPECT_LE(g.x + g.w, feld.x + feld.w) << i;
    }
    ASSERT_EQ(koepfe.size(), 22u);
    int32_t deckend = 0;
    for (size_t a = 0; a < koepfe.size(); ++a)
        for (size_t b = a + 1; b < koepfe.size(); ++b) {
            const Btnscreen_Gadget &p = *koepfe[a], &q = *koepfe[b];
            deckend += p.x < q.x + q.w && q.x < p.x + p.w && p.y < q.y + q.h && q.y < p.y + p.h;
        }
    EXPECT_EQ(deckend, 0);
    // the mode off: back to the areas' centres
    Portrait_LB(&Aufstellung_Liste[AG_PORTRAIT]);
    const Btnscreen_Gadget& erster = *koepfe[0];
    int32_t mx = 0, my = 0;
    Feld_Koordinaten_Lesen(r.get(), int32_t(erster.benutzer[1]), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr, &mx, &my);
    EXPECT_EQ(erster.x, mx - erster.w / 2);
}

}  // namespace

namespace {

// The instruction page with a goalkeeper chosen and the half-time talk page, on this PC's side:
// the chosen player's pictures on both, and no button the keeper cannot use.
TEST_F(AufstellungBilder, KeeperInstructionsAndHalfTimePage)
{
    auto r = probe(2);
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) besetzen(*r, slot);
    Spieler_Fix_Daten[0].lieblingspos = 459;  // a goalkeeper
    Netz_Set_Eigenes_Team(0);
    Screen_Record = r.get();
    Screen_Seite = -1;
    Screen_Phase_Kabine = 1;
    ASSERT_TRUE(Screen_Oeffnen());
    Screen_Seite_Zeigen(0);
    Screen_Auswahl_Slot = 0;
    const std::string ordner = SPIELSZENEN_ORDNER + "/aufstellung_" + std::to_string(::getpid());
    std::filesystem::create_directories(ordner);
    // pixels of a page's bitmap that differ from its clean copy inside a box of the page (the
    // part of the box that lies on both bitmaps)
    auto gemalt = [](const Btnscreen_Gadget& seite, int32_t x, int32_t y, int32_t w, int32_t h) {
        const auto* a = static_cast<const uint16_t*>(seite.bitmap1->pixels);
        const auto* b = static_cast<const uint16_t*>(seite.bitmap2->pixels);
        const int32_t wa = int32_t(seite.bitmap1->width), wb = int32_t(seite.bitmap2->width);
        const int32_t x2 = std::min({x + w, wa, wb});
        const int32_t y2 = std::min({y + h, int32_t(seite.bitmap1->height), int32_t(seite.bitmap2->height)});
        int32_t n = 0;
        for (int32_t j = std::max(y, 0); j < y2; ++j)
            for (int32_t i = std::max(x, 0); i < x2; ++i) n += a[j * wa + i] != b[j * wb + i];
        return n;
    };
    const Btnscreen_Gadget* knoepfe = &Aufstellung_Liste[AG_ANWEISUNG];
    const Btnscreen_Gadget& ikone = Aufstellung_Liste[AG_HEIM_ICON];
    Screen_Diode_LB(&Aufstellung_Liste[AG_DIODE + int(PAGE_STATISTIK)]);
    EXPECT_TRUE(Os_Display_Dump_Png((ordner + "/torwart.png").c_str()));
    std::printf("%s/torwart.png\n", ordner.c_str());
    // a goalkeeper's three rows only: no empty fourth and fifth button
    for (int32_t i = 0; i < 5; ++i) EXPECT_EQ((knoepfe[i].zustand & BTN_INAKTIV) != 0, i >= 3) << i;
    // his portrait and kit figure beside the small pitch
    const Btnscreen_Gadget& anweisungen = Aufstellung_Liste[AG_ANWEISUNG_RAHMEN];
    ASSERT_NE(anweisungen.bitmap2, nullptr);
    EXPECT_GT(gemalt(anweisungen, ANWEISUNG_BILD_X, ANWEISUNG_BILD_Y, ANWEISUNG_BILD_B, 2 * ANWEISUNG_BILD_H + 4), 100);
    // a field player chosen: all five again
    Screen_Auswahl_Slot = 1;
    Screen_Anweisungen_Seite();
    for (int32_t i = 0; i < 5; ++i) EXPECT_EQ(knoepfe[i].zustand & BTN_INAKTIV, 0u) << i;
    // the half-time page: the chosen player's kit figure beside praise and blame
    Screen_Diode_LB(&Aufstellung_Liste[AG_DIODE + int(PAGE_MOTIVATION)]);
    EXPECT_TRUE(Os_Display_Dump_Png((ordner + "/kabine.png").c_str()));
    std::printf("%s/kabine.png\n", ordner.c_str());
    const Btnscreen_Gadget& kabine = Aufstellung_Liste[AG_KABINE_RAHMEN];
    ASSERT_NE(kabine.bitmap2, nullptr);
    ASSERT_GE(kabine.h, ikone.h);
    EXPECT_GT(gemalt(kabine, 389, std::min(174, kabine.h - ikone.h), ikone.w, ikone.h), 60);
    Screen_Phase_Kabine = 0;
}

}  // namespace

namespace {

// Long names where the screen is narrowest: the home side's bench with a long name and no
// substitution left (its line wrapped to the panel) under the panel's title, its chosen (bold)
// row in the list, and both clubs' names on the pitch. Each reads whole (nothing cut, nothing laid over it) and no text
// leaves its box or meets another.
TEST_F(AufstellungBilder, LongNamesReadWholeOnTheBenchInTheListAndOnThePitch)
{
    auto r = probe(2);
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
        Spielfeld_Spieler& s = besetzen(*r, slot);
        s.wert_89 = uint16_t(600 + slot);
    }
    for (int32_t p = 0; p < 40; ++p) Spieler_Fix_Daten[p].lieblingspos = 10;  // defenders ("ABW")
    r->spieler[3].wert_89 = 888;
    std::strcpy(Spieler_Fix_Daten[3].name, "Habermayer");
    std::strcpy(Spieler_Fix_Daten[12].name, "Van den Winckel");
    std::strcpy(Spieler_Fix_Daten[13].name, "Langbrecht");
    std::strcpy(T_Fix[0].name, "SV Heidingbach");
    std::strcpy(T_Fix[1].name, "VfL Oberenbrück");
    r->wechsel_uebrig[0] = 0;
    r->wechsel_uebrig[1] = 3;
    for (auto* l : {&r->einwechsel, &r->auswechsel})
        for (auto& s : *l)
            for (auto& b : s) b = -1;
    // each side's eleven in their areas across the pitch
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) {
        const int32_t k = slot % 16, x = 1800 + 900 * (k % 4) + (slot < 16 ? 0 : 3500), y = 1800 + 1300 * (k % 3);
        const int32_t t[8] = {x - 500, x + 500, y - 400, y + 400, x - 300, x + 300, y, y};
        std::copy(t, t + 8, r->spieler[slot].taktik_punkte);
    }
    Netz_Set_Eigenes_Team(0);
    Screen_Record = r.get();
    Screen_Seite = -1;
    Text_Pruefung_Starten();
    ASSERT_TRUE(Screen_Oeffnen());
    Screen_Seite_Zeigen(0);
    Screen_Auswahl_Slot = 3;
    Screen_Diode_LB(&Aufstellung_Liste[AG_DIODE + int(PAGE_AUFSTELLUNG)]);
    const std::string ordner = SPIELSZENEN_ORDNER + "/aufstellung_" + std::to_string(::getpid());
    std::filesystem::create_directories(ordner);
    EXPECT_TRUE(Os_Display_Dump_Png((ordner + "/lange_namen.png").c_str()));
    std::printf("%s/lange_namen.png\n", ordner.c_str());
    const auto texte = Text_Pruefung_Texte(Grafik_Seite_0);
    std::string befunde;
    for (const Text_Befund& b : Text_Pruefung_Befunde(Grafik_Seite_0)) befunde += Text_Befund_Zeile(b) + "\n";
    Text_Pruefung_Beenden();
    // the texts come as UTF-8, the sources' as Windows-1252 (Latin-1 letters here)
    auto utf8 = [](const char* s) {
        std::string u;
        for (const unsigned char* p = reinterpret_cast<const unsigned char*>(s); *p; ++p)
            if (*p < 0x80) u += char(*p);
            else u += char(0xC0 | (*p >> 6)), u += char(0x80 | (*p & 0x3F));
        return u;
    };
    for (const char* ganz : {"Van den Winckel", "Langbrecht", "Einwechslungen", "mehr möglich", "Habermayer", "SV Heidingbach",
                             "VfL Oberenbrück", "Auswechselspieler"}) {
        bool gesehen = false;
        for (const Text_Sichtbar& t : texte)
            if (t.text == utf8(ganz)) {
                gesehen = true;
                EXPECT_EQ(t.gezeigt, t.punkte) << ganz << ": partly covered";
            }
        EXPECT_TRUE(gesehen) << ganz << " is not on the screen whole";
    }
    EXPECT_EQ(befunde, "");
    // the chosen row's bold strength and class keep a gap between them
    const Text_Sichtbar *staerke = nullptr, *klasse = nullptr;
    for (const Text_Sichtbar& t : texte) {
        if (t.text == utf8("Stärke: 888")) staerke = &t;
        if (t.text == "ABW" && staerke && t.y1 < staerke->y2 && staerke->y1 < t.y2) klasse = &t;
    }
    ASSERT_NE(staerke, nullptr);
    ASSERT_NE(klasse, nullptr);
    EXPECT_GE(klasse->x1 - staerke->x2, 3);

    // The match data page after the list's page: between its two boxes the screen's background
    // shows again, not the list's rows.
    Screen_Diode_LB(&Aufstellung_Liste[AG_DIODE + int(PAGE_DATEN)]);
    const Btnscreen_Gadget &hg = Aufstellung_Liste[AG_HINTERGRUND], &oben = Aufstellung_Liste[AG_DATEN_OBEN];
    ASSERT_NE(hg.bitmap1, nullptr);
    int32_t anders = 0;
    for (int32_t y = oben.y + oben.h; y < Aufstellung_Liste[AG_DATEN_UNTEN].y; ++y)
        for (int32_t x = oben.x; x < oben.x + oben.w; ++x)
            anders += Grafik_Pixel_Lesen(Grafik_Seite_0, x, y) != Grafik_Pixel_Lesen(hg.bitmap1, x, y);
    EXPECT_EQ(anders, 0);
}

}  // namespace

namespace {

// The player list's headers (on every page that shows the list: the line-up, the instructions,
// the team talk) stand apart, each inside the list's panel, in their order.
TEST_F(AufstellungBilder, TheListsHeadersStandApart)
{
    auto r = probe(2);
    Netz_Set_Eigenes_Team(0);
    Screen_Record = r.get();
    Screen_Seite = -1;
    Text_Pruefung_Starten();
    ASSERT_TRUE(Screen_Oeffnen());
    Screen_Phase_Kabine = 1;
    Screen_Seite_Zeigen(0);
    Screen_Diode_LB(&Aufstellung_Liste[AG_DIODE + int(PAGE_MOTIVATION)]);
    Screen_Phase_Kabine = 0;
    const auto texte = Text_Pruefung_Texte(Grafik_Seite_0);
    Text_Pruefung_Beenden();
    const Btnscreen_Gadget& tafel = Aufstellung_Liste[AG_LISTE_TAFEL];
    const std::vector<std::string> koepfe = {"Spieler in der Aufstellung", "Manndeckung", "Energie", "Laufpensum", "Pass",
                                             "Zweik.", "Ballk.", "Torschu\xc3\x9f", "Note"};
    std::vector<const Text_Sichtbar*> gesehen;
    for (const std::string& k : koepfe) {
        const Text_Sichtbar* da = nullptr;
        for (const Text_Sichtbar& t : texte)
            if (t.text == k && t.y1 < tafel.y + 25) da = &t;
        ASSERT_NE(da, nullptr) << k;
        EXPECT_EQ(da->gezeigt, da->punkte) << k;
        EXPECT_GE(da->x1, tafel.x) << k;
        EXPECT_LE(da->x2, tafel.x + tafel.w) << k;
        gesehen.push_back(da);
    }
    for (size_t i = 1; i < gesehen.size(); ++i) EXPECT_GE(gesehen[i]->x1 - gesehen[i - 1]->x2, 4) << koepfe[i - 1] << " / " << koepfe[i];
}

}  // namespace

namespace {

// The clock box as a fresh draw leaves it: its clean copy with the record's lines.
std::vector<uint16_t> uhr_frisch(const Btnscreen_Gadget& uhr, const Spielfeld_Record* r)
{
    Rastport* b = Grafik_Bitmap_Anlegen(uhr.w, uhr.h, uhr.bitmap1->depth);
    Grafik_Blit(uhr.bitmap2, 0, 0, uhr.w, uhr.h, b, 0, 0);
    Screen_Minutenanzeige_Zeichnen(b, r);
    const auto* p = static_cast<const uint16_t*>(b->pixels);
    std::vector<uint16_t> v(p, p + size_t(b->width) * b->height);
    Grafik_Bitmap_Freigeben(b);
    return v;
}

std::vector<uint16_t> uhr_jetzt(const Btnscreen_Gadget& g)
{
    const auto* p = static_cast<const uint16_t*>(g.bitmap1->pixels);
    return {p, p + size_t(g.bitmap1->width) * g.bitmap1->height};
}

// The refresh keeps the clock box while its lines stay: each change of minute, score or phase
// shows at once, and a screen opened anew draws its fresh box even with the same lines.
TEST_F(AufstellungBilder, TheClockBoxFollowsMinuteScoreAndPhase)
{
    auto r = probe(4);
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) besetzen(*r, slot);
    Netz_Set_Eigenes_Team(0);
    Screen_Record = r.get();
    r->minute = 12;
    ASSERT_TRUE(Screen_Oeffnen());
    const Btnscreen_Gadget& uhr = Aufstellung_Liste[AG_UHR];
    ASSERT_TRUE(uhr.bitmap1 && uhr.bitmap2 && uhr.bitmap1->depth != 8);
    Screen_Refresh(nullptr);
    const std::vector<uint16_t> zwoelf = uhr_jetzt(uhr);
    EXPECT_EQ(zwoelf, uhr_frisch(uhr, r.get()));
    Screen_Refresh(nullptr);
    EXPECT_EQ(uhr_jetzt(uhr), zwoelf);
    r->minute = 13;
    Screen_Refresh(nullptr);
    EXPECT_NE(uhr_jetzt(uhr), zwoelf);
    EXPECT_EQ(uhr_jetzt(uhr), uhr_frisch(uhr, r.get()));
    r->tore[1] = 1;
    Screen_Refresh(nullptr);
    EXPECT_EQ(uhr_jetzt(uhr), uhr_frisch(uhr, r.get()));
    Screen_Phase_Kabine = 1;
    Screen_Refresh(nullptr);
    Screen_Phase_Kabine = 0;
    const std::vector<uint16_t> kabine = uhr_jetzt(uhr);
    Screen_Refresh(nullptr);
    EXPECT_NE(uhr_jetzt(uhr), kabine);
    EXPECT_EQ(uhr_jetzt(uhr), uhr_frisch(uhr, r.get()));
    // opened anew: the gadgets' bitmaps are loaded again, whatever address they get
    Screen_Freigeben();
    ASSERT_TRUE(Screen_Oeffnen());
    Screen_Refresh(nullptr);
    EXPECT_EQ(uhr_jetzt(uhr), uhr_frisch(uhr, r.get()));
}

// The radar kept between refreshes is the one a full redraw makes: with the ball's and the
// players' dots where they are now, the score, and the goal's red flash for one refresh only.
TEST_F(AufstellungBilder, TheRadarFollowsBallPlayersScoreAndGoalFlash)
{
    auto r = probe(4);
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) besetzen(*r, slot);
    constexpr int32_t BALL = 35;
    r->objekt[BALL].x = 5400, r->objekt[BALL].y = 3400;
    Netz_Set_Eigenes_Team(0);
    Screen_Record = r.get();
    ASSERT_TRUE(Screen_Oeffnen());
    const Btnscreen_Gadget& radar = Aufstellung_Liste[AG_RADAR];
    ASSERT_TRUE(radar.bitmap1 && radar.bitmap1->depth != 8);
    auto neu_gezeichnet = [&] {
        Screen_Anzeigen_Vergessen();
        Screen_Refresh(nullptr);
        return uhr_jetzt(radar);
    };
    Screen_Refresh(nullptr);
    const std::vector<uint16_t> anfang = uhr_jetzt(radar);
    Screen_Refresh(nullptr);
    EXPECT_EQ(uhr_jetzt(radar), anfang);
    EXPECT_EQ(neu_gezeichnet(), anfang);
    r->objekt[BALL].x = 8400;
    Screen_Refresh(nullptr);
    const std::vector<uint16_t> ball = uhr_jetzt(radar);
    EXPECT_NE(ball, anfang);
    EXPECT_EQ(neu_gezeichnet(), ball);
    r->objekt[4].aktiv = 0;
    Screen_Refresh(nullptr);
    const std::vector<uint16_t> ohne = uhr_jetzt(radar);
    EXPECT_NE(ohne, ball);
    EXPECT_EQ(neu_gezeichnet(), ohne);
    r->tore[1] = 3;
    Screen_Refresh(nullptr);
    const std::vector<uint16_t> tor = uhr_jetzt(radar);
    EXPECT_NE(tor, ohne);
    EXPECT_EQ(neu_gezeichnet(), tor);
    r->kopf.offen = 1, r->kopf.code = 4;
    Screen_Refresh(nullptr);
    EXPECT_EQ(r->kopf.offen, 0);
    const std::vector<uint16_t> rot = uhr_jetzt(radar);
    EXPECT_NE(rot, tor);
    Screen_Refresh(nullptr);
    EXPECT_EQ(uhr_jetzt(radar), tor);
}

}  // namespace
