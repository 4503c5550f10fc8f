// The match overview on the first match day of the small world, on the headless screen that
// the report pages' tests set up for this program: opening, the games list and the game page,
// the buttons' states and actions, the end of the day, and its pictures in the resource file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_filter.h"
#include "graphics/grafik_screen.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/spieltag.h"
#include "match/spieltag_intern.h"
#include "match/spieltag_welt.h"
#include "matchview/spielansicht.h"
#include "platform/os/os_display.h"
#include "platform/resfile.h"
#include "platform/soundeffekt.h"
#include "toolkit/popup.h"
#include "tools/datagen/uebersicht_bilder.h"

namespace {

const std::string ORDNER = std::string(DORVIN_BINARY_DIR) + "/spieltagbericht_bilder";

int32_t maus_x = 0, maus_y = 0, maus_tasten = 0;
void maus(int32_t* x, int32_t* y, int32_t* t)
{
    *x = maus_x;
    *y = maus_y;
    *t = maus_tasten;
}
std::vector<std::string> texte;
std::vector<int32_t> schriften;  // the font of each text
void merken(int32_t font, int32_t, int32_t, const char* t)
{
    texte.emplace_back(t ? t : "");
    schriften.push_back(font);
}
int32_t popups = 0;
int32_t popup(Menue_Kontextmenue*) { return ++popups, 1; }

class Uebersicht_Tag : public Spieltag_Welt {
protected:
    Spielfeld_Steuerung_Block st{};

    void SetUp() override
    {
        Spieltag_Welt::SetUp();
        maus_x = maus_y = maus_tasten = 0;
        texte.clear();
        schriften.clear();
        popups = 0;
        Spielansicht_Set_Maus_Hook(maus);
        Spielansicht_Set_Text_Hook(merken);
        Spielansicht_Set_Popup_Hook(popup);
        ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
        // The frame step drives the overview from here on; the test drives it by hand.
        Spielansicht_Beenden(0);
        st.taste = 255;
    }
    void TearDown() override
    {
        Spielansicht_Beenden(0);
        Spielansicht_Set_Maus_Hook(nullptr);
        Spielansicht_Set_Text_Hook(nullptr);
        Spielansicht_Set_Popup_Hook(nullptr);
        Spieltag_Welt::TearDown();
    }
    int32_t frame(int32_t minute = 10) { return Spielansicht_Frame(&st, minute); }
    // A click: pressed in one frame, released in the next.
    int32_t klick(int32_t x, int32_t y, int32_t taste = 1)
    {
        maus_x = x;
        maus_y = y;
        maus_tasten = taste;
        const int32_t r = frame();
        maus_tasten = 0;
        if (Spielansicht_Offen) frame();
        return r;
    }
    void knopf_klick(int32_t k, int32_t taste = 1)
    {
        const Spielansicht_Knopf* b = Spielansicht_Get_Knopf(k);
        klick(b->x + b->breite / 2, b->y + b->hoehe / 2, taste);
    }
    static void dump(const std::string& name) { Os_Display_Dump_Png((ORDNER + "/" + name + ".png").c_str()); }
    // Headless the overview draws for a picture asked for: a look at the screen's pixels asks
    // for one, as a player's look does.
    static void ansehen() { dump("angesehen"); }
    // The list shown, with at least two games of the day in `spiele`.
    static Spielansicht_Liste_Stand liste_mit_spielen(int32_t* spiele)
    {
        const Spielansicht_Liste_Stand l = Spielansicht_Get_Liste();
        EXPECT_GE(l.spiele, 2);
        EXPECT_TRUE(Spieltag_Get_Spiele(Spielansicht_Wettbewerb(), spiele));
        return l;
    }
    // A day played again from its start: the screen behind filled with a pattern of its own
    // (page 0 of `n` pixels at `s`), the control block fresh, the live game `r` running with its
    // ball at (x, y), the pointer at (mx, my).
    void tag_neu(uint16_t* s, size_t n, uint32_t muster, int32_t schieben, Spielfeld_Record* r, float x, float y,
                 int32_t mx, int32_t my)
    {
        for (size_t i = 0; i < n; ++i) s[i] = uint16_t(i * muster >> schieben);
        st = Spielfeld_Steuerung_Block{};
        st.taste = 255;
        r->aktiv = 1;
        r->abgeschlossen = 0;
        r->objekt[SPIELFELD_BALL].x = x;
        r->objekt[SPIELFELD_BALL].y = y;
        maus_x = mx;
        maus_y = my;
    }
    // Plays on to the first day with a league, which the overview then shows first (open).
    void bis_zur_liga()
    {
        const Wettbewerb_Info* info = nullptr;
        for (int32_t tag = 0; tag < 40; ++tag) {
            ASSERT_EQ(frame(), 1);
            info = Wettbewerb_Get_Info(Spielansicht_Wettbewerb());
            if (info && !(info->modus & KO_SYSTEM)) break;
            Spielansicht_Beenden(1);
            ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
            ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
            st = Spielfeld_Steuerung_Block{};
            st.taste = 255;
        }
        ASSERT_TRUE(info && !(info->modus & KO_SYSTEM));
    }
};

TEST_F(Uebersicht_Tag, OpensOnTheManagersCompetitionListsItsGamesAndOpensAGame)
{
    ASSERT_EQ(frame(), 1);
    ASSERT_EQ(Spielansicht_Offen, 1);
    EXPECT_EQ(Spielansicht_Seite, 0);
    EXPECT_EQ(Spielansicht_Eingabe, 0);
    // The competition shown first is the one in which the manager's club plays today.
    const int32_t w = Spielansicht_Wettbewerb();
    int32_t eigenes = -1;
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (Team_Hat_Manager(t)) Spieltag_Get_Gegner(t, nullptr, nullptr, nullptr, &eigenes);
    EXPECT_EQ(w, eigenes);
    int32_t spiele[SPIELTAG_TAGESLISTE];
    ASSERT_TRUE(Spieltag_Get_Spiele(w, spiele));
    const Spielansicht_Liste_Stand l = Spielansicht_Get_Liste();
    EXPECT_EQ(l.spiele, spiele[0]);
    EXPECT_EQ(l.zeile, spiele[0] < 16 ? 24 : spiele[0] == 16 ? 22 : 10);
    // The list's header and one line per game with both crests.
    int32_t zeilen = 0;
    for (const std::string& t : texte) zeilen += t.find("-  ") != std::string::npos;
    EXPECT_EQ(zeilen, spiele[0]);
    EXPECT_EQ(std::count_if(texte.begin(), texte.end(), [](const std::string& t) { return t.find("Spielstand") != std::string::npos; }), 1);
    frame();
    dump("uebersicht_seite0");

    // Hovering a line and clicking it opens that game's page; the game page counts as a touch.
    const int32_t zeile_y = l.oben + 13 + l.zeile / 2;
    maus_x = 300;
    maus_y = zeile_y;
    frame();
    klick(300, zeile_y);
    EXPECT_EQ(Spielansicht_Seite, 1);
    EXPECT_EQ(Spielansicht_Spiel, spiele[1]);
    EXPECT_EQ(Spielansicht_Eingabe, 1);
    frame();
    dump("uebersicht_spiel");
    // A background game: no live view, no statistics.
    const Spielfeld_Record* r = Spielfeld_Get_Spiel(spiele[1]);
    if (!r || !r->aktiv) {
        EXPECT_EQ(Spielansicht_Get_Knopf(5)->zustand, SPIELANSICHT_AUS);
        EXPECT_EQ(Spielansicht_Get_Knopf(6)->zustand, SPIELANSICHT_AUS);
    }
    texte.clear();
    knopf_klick(9);
    EXPECT_EQ(Spielansicht_Seite, 0);
    EXPECT_EQ(Spielansicht_Get_Knopf(5)->zustand, SPIELANSICHT_NORMAL);
    EXPECT_FALSE(texte.empty());
}

// The game page's team boxes: long names end before the radar (home) and the clock over the
// away box's start, and the spectators' line stays inside its box.
TEST_F(Uebersicht_Tag, TheGamePagesTeamTextsStayInsideTheirBoxes)
{
    ASSERT_EQ(frame(), 1);
    int32_t spiele[SPIELTAG_TAGESLISTE];
    ASSERT_TRUE(Spieltag_Get_Spiele(Spielansicht_Wettbewerb(), spiele));
    const Spiele_Spiel* m = Spiele_Get_Spiel(spiele[1], 1);
    ASSERT_NE(m, nullptr);
    for (int32_t t : {int32_t(m->heim), int32_t(m->gast)}) std::snprintf(T_Fix[t].name, sizeof T_Fix[t].name, "%s", "Borussia Oberkirchhause");
    const Spielansicht_Liste_Stand l = Spielansicht_Get_Liste();
    texte.clear();
    schriften.clear();
    klick(300, l.oben + 13 + l.zeile / 2);
    ASSERT_EQ(Spielansicht_Seite, 1);
    const int32_t heim_w = UEBERSICHT_BILD_MASSE[0x62d - UEBERSICHT_BILD_ERSTES].breite;
    const int32_t gast_w = UEBERSICHT_BILD_MASSE[0x62e - UEBERSICHT_BILD_ERSTES].breite;
    const int32_t uhr_w = UEBERSICHT_BILD_MASSE[0x62c - UEBERSICHT_BILD_ERSTES].breite;
    const auto breite = [](int32_t font, const std::string& t) { return Font_Text_Breite_Mit_Tabs(Font(font), t.c_str()); };
    int32_t gesehen = 0;
    for (size_t i = 0; i < texte.size(); ++i) {
        const std::string& t = texte[i];
        const bool name = t.find("Borussia") != std::string::npos, zuschauer = t.find("Zusch") != std::string::npos;
        if (!name && !zuschauer) continue;
        const int32_t font = schriften[i];
        ++gesehen;
        if (t.find("^tl0053") != std::string::npos) {
            EXPECT_LE(breite(font, t), std::min(heim_w, 293 - 130) - 3) << t;
        } else {
            const size_t tr = t.find("^tr");
            ASSERT_NE(tr, std::string::npos) << t;
            const int32_t links = std::stoi(t.substr(tr + 3, 4)) - breite(font, t.substr(tr + 7));
            EXPECT_GE(links, name ? uhr_w + 3 : 0) << t;
            EXPECT_EQ(std::stoi(t.substr(tr + 3, 4)), gast_w - 52) << t;
        }
    }
    EXPECT_EQ(gesehen, 4);
}

TEST_F(Uebersicht_Tag, ButtonsFollowTheDayAndTheKeyGPausesOnce)
{
    ASSERT_EQ(frame(), 1);
    const int32_t n = Spielansicht_Wettbewerb_Anzahl();
    ASSERT_GT(n, 0);
    EXPECT_EQ(Spielansicht_Get_Knopf(0)->zustand == SPIELANSICHT_AUS, n == 1);
    EXPECT_EQ(Spielansicht_Get_Knopf(1)->zustand == SPIELANSICHT_AUS, n == 1);
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(Spielansicht_Wettbewerb());
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(Spielansicht_Get_Knopf(2)->zustand == SPIELANSICHT_AUS, (info->modus & KO_SYSTEM) != 0);
    // Leaving is possible only once the day is over: a click on the disabled button does nothing.
    EXPECT_EQ(Spielansicht_Get_Knopf(4)->zustand, SPIELANSICHT_AUS);
    knopf_klick(4);
    EXPECT_EQ(Spielansicht_Offen, 1);
    EXPECT_EQ(st.uebersicht_verlassen, 0);
    EXPECT_EQ(Spielansicht_Eingabe, 0);

    // "g" pauses, the key is consumed, and the minute turns red; a second "g" resumes.
    st.taste = 'g';
    frame();
    EXPECT_EQ(st.pause, 1);
    EXPECT_EQ(st.taste, 255);
    EXPECT_EQ(Spielansicht_Eingabe, 1);
    frame();
    EXPECT_EQ(st.pause, 1);
    st.taste = 'g';
    frame();
    EXPECT_EQ(st.pause, 0);

    // Next competition cycles through the day's list and back.
    if (n > 1) {
        const int32_t erster = Spielansicht_Wettbewerb();
        knopf_klick(1);
        EXPECT_NE(Spielansicht_Wettbewerb(), erster);
        knopf_klick(0);
        EXPECT_EQ(Spielansicht_Wettbewerb(), erster);
        knopf_klick(0, 2);
        EXPECT_EQ(popups, 1);
    } else {
        knopf_klick(0, 2);
        EXPECT_EQ(popups, 0);
    }
    // A held button acts once.
    maus_x = Spielansicht_Get_Knopf(3)->x + 5;
    maus_y = Spielansicht_Get_Knopf(3)->y + 5;
    maus_tasten = 1;
    for (int32_t i = 0; i < 5; ++i) frame();
    EXPECT_EQ(st.pause, 1);
}

TEST_F(Uebersicht_Tag, AtTheDaysEndARightClickLeavesAndAnUntouchedOverviewClosesItself)
{
    ASSERT_EQ(frame(), 1);
    const int32_t w = Spielansicht_Wettbewerb();
    // Untouched, the end of the day closes it unless switch 4 keeps it open.
    Wettbewerb_Set_Schalter(w, 4, 1);
    st.spieltag_beendet = 1;
    EXPECT_EQ(frame(), 1);
    EXPECT_EQ(Spielansicht_Get_Knopf(4)->zustand, SPIELANSICHT_NORMAL);
    Wettbewerb_Set_Schalter(w, 4, 0);
    EXPECT_EQ(frame(), 0);
    EXPECT_EQ(st.uebersicht_verlassen, 1);
    // Once left, it stays closed.
    EXPECT_EQ(frame(), 0);

    // Touched (a pause), it waits for the user: a right click anywhere on the page leaves.
    st = Spielfeld_Steuerung_Block{};
    st.taste = 'g';
    ASSERT_EQ(frame(), 1);
    frame();
    st.spieltag_beendet = 1;
    EXPECT_EQ(frame(), 1);
    EXPECT_EQ(klick(600, 20, 2), 1);
    EXPECT_EQ(Spielansicht_Offen, 0);
    EXPECT_EQ(st.uebersicht_verlassen, 1);
}

TEST_F(Uebersicht_Tag, TheTableButtonShowsTheLiveTableOfALeague)
{
    ASSERT_NO_FATAL_FAILURE(bis_zur_liga());
    ASSERT_NE(Spielansicht_Get_Knopf(2)->zustand, SPIELANSICHT_AUS);
    texte.clear();
    knopf_klick(2);
    EXPECT_EQ(std::count_if(texte.begin(), texte.end(), [](const std::string& t) { return t.find("Verein") != std::string::npos; }), 1);
    // 14-pixel rows for the table's clubs.
    EXPECT_EQ(Spielansicht_Get_Liste().zeile, 14);
    frame();
    dump("uebersicht_tabelle");
    knopf_klick(2);
    EXPECT_NE(Spielansicht_Get_Liste().zeile, 14);
}

// A league's games list names each club's place in the table of the results so far, on a day
// after the first, when the table has results to order by.
TEST_F(Uebersicht_Tag, TheListsSecondLinesNameEachClubsTablePlace)
{
    ASSERT_NO_FATAL_FAILURE(bis_zur_liga());
    Spielansicht_Beenden(1);
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIELTAG_SCHLIESSEN));
    ASSERT_TRUE(bis_zustand(ABLAUF_SPIEL_LAEUFT));
    st = Spielfeld_Steuerung_Block{};
    st.taste = 255;
    texte.clear();
    ASSERT_NO_FATAL_FAILURE(bis_zur_liga());
    const int32_t w = Spielansicht_Wettbewerb();
    int32_t spiele[SPIELTAG_TAGESLISTE];
    ASSERT_TRUE(Spieltag_Get_Spiele(w, spiele));
    ASSERT_GT(Spielansicht_Get_Liste().zeile, 21);
    std::vector<std::pair<int32_t, int32_t>> gezeigt;
    for (const std::string& t : texte) {
        int32_t s1 = 0, p1 = 0, s2 = 0, p2 = 0;
        const size_t a = t.find("Stärke: "), b = t.rfind("Stärke: ");
        if (a == std::string::npos || a == b) continue;
        ASSERT_EQ(std::sscanf(t.c_str() + a, "Stärke: %d, %d.", &s1, &p1), 2) << t;
        ASSERT_EQ(std::sscanf(t.c_str() + b, "Stärke: %d, %d.", &s2, &p2), 2) << t;
        gezeigt.emplace_back(p1, p2);
    }
    ASSERT_EQ(int32_t(gezeigt.size()), spiele[0]);
    std::vector<int32_t> plaetze;
    for (int32_t i = 0; i < spiele[0]; ++i) {
        const Spiele_Spiel* m = Spiele_Get_Spiel(spiele[i + 1], 1);
        ASSERT_NE(m, nullptr);
        const int32_t heim = Wettbewerb_Get_Tabellenplatz(w, m->heim, -1, -1, 31, 0) + 1;
        const int32_t gast = Wettbewerb_Get_Tabellenplatz(w, m->gast, -1, -1, 31, 0) + 1;
        EXPECT_EQ(gezeigt[size_t(i)], std::make_pair(heim, gast)) << "game " << i;
        plaetze.push_back(heim);
        plaetze.push_back(gast);
    }
    // Every club of the day has a place of its own.
    std::sort(plaetze.begin(), plaetze.end());
    EXPECT_EQ(std::adjacent_find(plaetze.begin(), plaetze.end()), plaetze.end());
    EXPECT_GE(plaetze.front(), 1);
}

// The screen's pixels in a rectangle, to see what a frame drew there.
std::vector<uint16_t> pixel(int32_t x, int32_t y, int32_t w, int32_t h)
{
    std::vector<uint16_t> v;
    const Rastport* s = Grafik_Seite_0;
    for (int32_t yy = y; yy < y + h; ++yy)
        for (int32_t xx = x; xx < x + w; ++xx) v.push_back(static_cast<const uint16_t*>(s->pixels)[yy * int32_t(s->width) + xx]);
    return v;
}

TEST_F(Uebersicht_Tag, OnlyAGameOnThePitchGetsTheRadarMarkerAndLeavingPutsTheScreenBack)
{
    ASSERT_EQ(frame(), 1);
    const Spielansicht_Liste_Stand l = Spielansicht_Get_Liste();
    ASSERT_GE(l.spiele, 2);
    int32_t spiele[SPIELTAG_TAGESLISTE];
    ASSERT_TRUE(Spieltag_Get_Spiele(Spielansicht_Wettbewerb(), spiele));
    Spielfeld_Record* r[2] = {Spielfeld_Get_Spiel(spiele[1]), Spielfeld_Get_Spiel(spiele[2])};
    ASSERT_TRUE(r[0] && r[1]);
    r[0]->aktiv = 1;
    r[0]->abgeschlossen = 0;
    r[1]->aktiv = 0;
    const int32_t marke_y = l.oben + (l.zeile == 10 ? -2 : 0);
    maus_x = 600;
    maus_y = 20;
    frame();
    ansehen();
    const std::vector<uint16_t> vorher = pixel(480, marke_y, 72, 44);
    // A game in the background: no marker.
    maus_x = 300;
    maus_y = l.oben + 13 + l.zeile + l.zeile / 2;
    frame();
    ansehen();
    EXPECT_EQ(pixel(480, marke_y, 72, 44), vorher);
    // The game on the pitch: the marker with its radar beside the line.
    maus_y = l.oben + 13 + l.zeile / 2;
    frame();
    dump("uebersicht_marke");
    EXPECT_NE(pixel(480, marke_y, 72, 44), vorher);
    // Away from the list the screen under the marker comes back.
    maus_x = 600;
    maus_y = 20;
    frame();
    ansehen();
    EXPECT_EQ(pixel(480, marke_y, 72, 44), vorher);

    // Its game page offers the statistics and the live view; the latter closes the overview.
    klick(300, l.oben + 13 + l.zeile / 2);
    ASSERT_EQ(Spielansicht_Seite, 1);
    EXPECT_EQ(Spielansicht_Get_Knopf(5)->zustand, SPIELANSICHT_NORMAL);
    EXPECT_EQ(Spielansicht_Get_Knopf(6)->zustand, SPIELANSICHT_NORMAL);
    texte.clear();
    knopf_klick(6);
    EXPECT_EQ(Spielansicht_Unterseite, 0);
    EXPECT_EQ(std::count_if(texte.begin(), texte.end(), [](const std::string& t) { return t.find("gezielte Torschüsse") != std::string::npos; }), 2);
    frame();
    dump("uebersicht_statistik");
    const Spielansicht_Knopf* live = Spielansicht_Get_Knopf(5);
    maus_x = live->x + 4;
    maus_y = live->y + 4;
    maus_tasten = 1;
    EXPECT_EQ(frame(), 1);
    EXPECT_EQ(Spielansicht_Offen, 0);
    EXPECT_EQ(r[0]->anzeige, 1);
    r[0]->aktiv = 0;
    r[0]->anzeige = 0;
    Spielansicht_Unterseite = 1;
}

TEST_F(Uebersicht_Tag, PopupListHoldsTheDaysCompetitionsWithTheShownOneChosen)
{
    ASSERT_EQ(frame(), 1);
    Menue_Kontextmenue liste{};
    const int32_t n = Spielansicht_Wettbewerb_Liste(&liste);
    EXPECT_EQ(n, std::min(Spielansicht_Wettbewerb_Anzahl(), MENUE_KONTEXT_EINTRAEGE));
    EXPECT_STREQ(liste.titel, "Wettbewerb wählen:");
    int32_t gewaehlt = 0;
    for (int32_t i = 0; i < n; ++i) gewaehlt += (liste.status[i] & POPUP_GEWAEHLT) != 0;
    EXPECT_EQ(gewaehlt, 1);
    Spielansicht_Wettbewerb_Setzen(n - 1, 0, 0, 0);
    int32_t w[128];
    ASSERT_EQ(Spieltag_Get_Wettbewerbe(w, 128), Spielansicht_Wettbewerb_Anzahl());
    EXPECT_EQ(Spielansicht_Wettbewerb(), w[n - 1]);
    // An item beyond the list changes nothing.
    Spielansicht_Wettbewerb_Setzen(MENUE_KONTEXT_EINTRAEGE, 0, 0, 0);
    EXPECT_EQ(Spielansicht_Wettbewerb(), w[n - 1]);
}

TEST_F(Uebersicht_Tag, EveryPictureAndTheCrowdSoundLoadAtTheirSizes)
{
    const int32_t handle = ResFile_Handles[0].handle;
    ASSERT_GE(handle, 0);
    std::vector<int32_t> nummern;
    for (int32_t n = UEBERSICHT_BILD_ERSTES; n <= UEBERSICHT_BILD_LETZTES; ++n) nummern.push_back(n);
    for (int32_t n : nummern) {
        auto* b = static_cast<Rastport*>(Load_Resource(handle, n, 16, nullptr));
        ASSERT_NE(b, nullptr) << n;
        EXPECT_EQ(b->width, Uebersicht_Bild_Masse(n)->breite) << n;
        EXPECT_EQ(b->height, Uebersicht_Bild_Masse(n)->hoehe) << n;
        Grafik_Bitmap_Freigeben(b);
    }
    std::vector<uint8_t> wav;
    EXPECT_TRUE(Soundeffekt_Resource_Holen(handle, 2512, wav));
    EXPECT_GT(wav.size(), 44u);
    // Without the pictures the overview stays closed and tries again in the next frame.
    ResFile_Handles[0].handle = -1;
    EXPECT_EQ(frame(), 0);
    ResFile_Handles[0].handle = handle;
    EXPECT_EQ(frame(), 1);
}

}  // namespace

namespace {

std::vector<uint16_t> ganzer_schirm() { return pixel(0, 0, int32_t(Grafik_Seite_0->width), int32_t(Grafik_Seite_0->height)); }

// Headless the running results are drawn only for a picture asked for: the frame dumped is the
// one every frame drawn whole would have left, after goals, hovered rows and a row left again.
TEST_F(Uebersicht_Tag, AHeadlessFrameIsDrawnForItsDumpAsEveryFrameWouldHaveDrawnIt)
{
    ASSERT_EQ(frame(), 1);
    int32_t spiele[SPIELTAG_TAGESLISTE] = {};
    const Spielansicht_Liste_Stand l = liste_mit_spielen(spiele);
    ASSERT_GE(l.spiele, 2);
    Spiele_Spiel* m = Spiele_Get_Spiel(spiele[1], 1);
    ASSERT_TRUE(m);
    const int32_t zeile_y[2] = {l.oben + 13 + l.zeile / 2, l.oben + 13 + l.zeile + l.zeile / 2};
    // Two goals, the pointer from the first row to the second and away, one frame each.
    auto ablauf = [&](int8_t tore) {
        maus_x = 300;
        maus_y = zeile_y[0];
        frame();
        m->heim_tore = tore;
        st.tor = 1;
        frame();
        maus_y = zeile_y[1];
        frame();
        m->gast_tore = tore;
        frame();
        maus_x = 600;
        maus_y = 20;
        frame();
        maus_x = 300;
        maus_y = zeile_y[1];
        frame();
    };
    Os_Display_Set_Bild_Immer(true);
    ablauf(2);
    const std::vector<uint16_t> zwei = ganzer_schirm();
    ablauf(3);
    const std::vector<uint16_t> drei = ganzer_schirm();
    ASSERT_NE(zwei, drei);
    Os_Display_Set_Bild_Immer(false);
    ablauf(2);
    EXPECT_NE(ganzer_schirm(), zwei) << "the frames left the column undrawn";
    dump("uebersicht_nachgeholt");
    EXPECT_EQ(ganzer_schirm(), zwei);
    ablauf(3);
    dump("uebersicht_nachgeholt");
    EXPECT_EQ(ganzer_schirm(), drei);
    // A second dump draws nothing more.
    dump("uebersicht_nachgeholt");
    EXPECT_EQ(ganzer_schirm(), drei);
    m->heim_tore = m->gast_tore = -1;
}

}  // namespace

namespace {

// The game page's text panel stands on the screen the overview opened over, blurred as it was
// then: the screen may change meanwhile (the overview's own frames draw there), and the blur
// is taken when the page is first shown. A day opened over the same screen as the day before
// shows the same; one over another screen, or a screen changed in a few rows, shows its blur.
TEST_F(Uebersicht_Tag, TheGamePagesPanelShowsTheScreenOfTheOpeningBlurred)
{
    constexpr int32_t X = 138, Y = 137, B = 366, H = 215;
    auto* s = static_cast<uint16_t*>(Grafik_Seite_0->pixels);
    const int32_t breite = int32_t(Grafik_Seite_0->width);
    // Pattern 2 is pattern 0 with a few rows changed: a band and the last row, where the panel's
    // rows are compared below.
    for (int32_t muster : {0, 1, 0, 2, 0}) {
        SCOPED_TRACE(muster);
        for (int32_t y = Y; y < Y + H; ++y)
            for (int32_t x = X; x < X + B; ++x)
                s[y * breite + x] = muster == 1 ? uint16_t(0x001F + (x * 7 + y * 3) % 64 * 0x20) : uint16_t(((x / 3) % 2 ? 0xF800 : 0x07E0) | (y % 31));
        if (muster == 2)
            for (int32_t y : {Y + H - 25, Y + H - 24, Y + H - 10, Y + H - 1})
                for (int32_t x = X + 40; x < X + 90; ++x) s[y * breite + x] = uint16_t(0xFFFF - x);
        Rastport* erwartet = Grafik_Bitmap_Anlegen(B, H, Grafik_Seite_0->depth);
        ASSERT_NE(erwartet, nullptr);
        Grafik_Blit(Grafik_Seite_0, X, Y, B, H, erwartet, 0, 0);
        Grafik_Filter_Anwenden(&Filter_Kern_Stark, erwartet);

        ASSERT_EQ(frame(), 1);
        for (int32_t y = Y; y < Y + H; ++y)
            for (int32_t x = X; x < X + B; ++x) s[y * breite + x] = 0x1234;
        frame();
        const Spielansicht_Liste_Stand l = Spielansicht_Get_Liste();
        klick(300, l.oben + 13 + l.zeile / 2);
        ASSERT_EQ(Spielansicht_Seite, 1);
        frame();
        ansehen();
        // The panel's bottom rows carry no event line.
        const auto* e = static_cast<const uint16_t*>(erwartet->pixels);
        int32_t anders = 0;
        for (int32_t y = H - 40; y < H; ++y)
            for (int32_t x = 0; x < B; ++x) anders += s[(Y + y) * breite + X + x] != e[y * B + x];
        EXPECT_EQ(anders, 0);
        Grafik_Bitmap_Freigeben(erwartet);
        Spielansicht_Beenden(0);
    }
}

}  // namespace

namespace {

// The overview's canvases stay from one day to the next: nothing of the day before shows. A
// league day opened over a blue screen after one over a red screen looks as it did over the
// blue screen before, the table's page shown on each, and holds no red.
TEST_F(Uebersicht_Tag, NothingOfTheDayBeforeShowsThroughTheKeptCanvases)
{
    ASSERT_NO_FATAL_FAILURE(bis_zur_liga());
    Spielansicht_Beenden(0);
    auto* s = static_cast<uint16_t*>(Grafik_Seite_0->pixels);
    const size_t n = size_t(Grafik_Seite_0->width) * Grafik_Seite_0->height;
    const uint16_t ROT = 0xF800, BLAU = 0x001F;
    auto tag = [&](uint16_t farbe) {
        std::fill(s, s + n, farbe);
        EXPECT_EQ(frame(), 1);
        frame();
        // The table page too: it draws on a canvas of its own.
        EXPECT_NE(Spielansicht_Get_Knopf(2)->zustand, SPIELANSICHT_AUS);
        knopf_klick(2);
        frame();
        knopf_klick(2);
        frame();
        std::vector<uint16_t> bild(s, s + n);
        Spielansicht_Beenden(0);
        return bild;
    };
    const std::vector<uint16_t> blau = tag(BLAU);
    tag(ROT);
    const std::vector<uint16_t> nach_rot = tag(BLAU);
    EXPECT_EQ(std::count(nach_rot.begin(), nach_rot.end(), ROT), 0);
    EXPECT_TRUE(nach_rot == blau);
}

}  // namespace

namespace {

// The overview's pictures stay from one day to the next with the pixels they were loaded with: a
// day opened as an earlier one (the same screen behind, the same minute) looks as that one did,
// though a day between drew another minute and hovered buttons on the game page.
TEST_F(Uebersicht_Tag, ADayOpenedAsAnEarlierOneLooksAsItDid)
{
    auto* s = static_cast<uint16_t*>(Grafik_Seite_0->pixels);
    const size_t n = size_t(Grafik_Seite_0->width) * Grafik_Seite_0->height;
    auto tag = [&](int32_t minute, bool spielseite) {
        for (size_t i = 0; i < n; ++i) s[i] = uint16_t(i * 2654435761u >> 16);
        maus_x = 600;
        maus_y = 20;
        EXPECT_EQ(frame(minute), 1);
        frame(minute);
        std::vector<uint16_t> bild(s, s + n);
        if (spielseite) {
            const Spielansicht_Liste_Stand l = Spielansicht_Get_Liste();
            klick(300, l.oben + 13 + l.zeile / 2);
            EXPECT_EQ(Spielansicht_Seite, 1);
            for (int32_t k = 5; k < SPIELANSICHT_KNOEPFE; ++k) {
                maus_x = Spielansicht_Get_Knopf(k)->x + 3;
                maus_y = Spielansicht_Get_Knopf(k)->y + 3;
                frame(minute);
            }
        }
        Spielansicht_Beenden(0);
        return bild;
    };
    const std::vector<uint16_t> erst = tag(10, false);
    tag(77, true);
    EXPECT_TRUE(tag(10, false) == erst);
}

}  // namespace

namespace {

// Headless, a frame draws nothing until a picture is asked for; the picture then is the one
// every frame drawn at its time would have left. A day runs twice, frames drawn whole and frames
// left undrawn: the minute moving on, a goal scored while paused, a hovered row, the game page of
// a live game with its radar and score moving, the way back and a competition switch; each dump
// must equal the frame drawn whole, and so must both pages after the overview is left.
TEST_F(Uebersicht_Tag, ADumpShowsTheOverviewAsEveryFrameDrawnAtItsTimeWouldHave)
{
    ASSERT_EQ(frame(), 1);
    int32_t spiele[SPIELTAG_TAGESLISTE] = {};
    const Spielansicht_Liste_Stand l = liste_mit_spielen(spiele);
    ASSERT_GE(l.spiele, 2);
    Spiele_Spiel* m = Spiele_Get_Spiel(spiele[2], 1);
    Spielfeld_Record* r = Spielfeld_Get_Spiel(spiele[1]);
    ASSERT_TRUE(m && r);
    Spielansicht_Beenden(1);
    const int32_t zeile_y = l.oben + 13 + l.zeile / 2;
    auto* s = static_cast<uint16_t*>(Grafik_Seite_0->pixels);
    const size_t n = size_t(Grafik_Seite_0->width) * Grafik_Seite_0->height;

    auto tag = [&](bool immer) {
        std::vector<std::vector<uint16_t>> bilder;
        Os_Display_Set_Bild_Immer(immer);
        tag_neu(s, n, 40503u, 3, r, 3000, 2000, 600, 20);
        const std::vector<uint16_t> dahinter(s, s + n);
        m->heim_tore = m->gast_tore = 0;
        r->tore[0] = r->tore[1] = 0;
        auto bild = [&] {
            dump("uebersicht_gefragt");
            bilder.push_back(ganzer_schirm());
        };
        EXPECT_EQ(frame(5), 1);
        frame(6);
        if (!immer) {
            EXPECT_TRUE(ganzer_schirm() == dahinter) << "a frame nobody looks at drew";
        }
        bild();
        // Paused, a goal: the column shows it though the games stand still.
        st.taste = 'g';
        frame(7);
        m->heim_tore = 1;
        st.tor = 1;
        frame(8);
        frame(9);
        bild();
        st.taste = 'g';
        frame(10);
        m->gast_tore = 2;
        maus_x = 300;
        maus_y = zeile_y;
        frame(11);
        frame(12);
        bild();
        // The live game's page: radar and score follow the record frame by frame.
        klick(300, zeile_y);
        EXPECT_EQ(Spielansicht_Seite, 1);
        frame(13);
        r->objekt[SPIELFELD_BALL].x = 6000;
        r->tore[0] = 1;
        frame(14);
        r->objekt[SPIELFELD_BALL].y = 5000;
        frame(15);
        // The game plays on before the next frame: the picture is still the last frame's.
        r->objekt[SPIELFELD_BALL].x = 9000;
        r->tore[1] = 1;
        bild();
        knopf_klick(9);
        EXPECT_EQ(Spielansicht_Seite, 0);
        frame(16);
        bild();
        if (Spielansicht_Wettbewerb_Anzahl() > 1) {
            knopf_klick(1);
            frame(17);
            bild();
        }
        // Left: both pages hold the screen behind again.
        Spielansicht_Beenden(1);
        EXPECT_TRUE(ganzer_schirm() == dahinter);
        EXPECT_EQ(std::memcmp(Grafik_Seite_1->pixels, s, n * 2), 0);
        Os_Display_Set_Bild_Immer(false);
        return bilder;
    };
    const auto gezeichnet = tag(true);
    const auto gefragt = tag(false);
    ASSERT_EQ(gefragt.size(), gezeichnet.size());
    for (size_t i = 0; i < gefragt.size(); ++i) EXPECT_TRUE(gefragt[i] == gezeichnet[i]) << "picture " << i;
    for (size_t i = 1; i < gefragt.size(); ++i) EXPECT_FALSE(gefragt[i] == gefragt[i - 1]) << "picture " << i;
    r->aktiv = 0;
    r->tore[0] = 0;
    m->heim_tore = m->gast_tore = -1;
}

// A day left without a look at it leaves the pages as they were, and one looked at restores them:
// both pages hold the screen behind either way, for whoever draws next.
TEST_F(Uebersicht_Tag, LeavingTheOverviewLeavesBothPagesWithTheScreenBehind)
{
    auto* s = static_cast<uint16_t*>(Grafik_Seite_0->pixels);
    const size_t n = size_t(Grafik_Seite_0->width) * Grafik_Seite_0->height;
    for (bool ansehen_dazwischen : {false, true}) {
        SCOPED_TRACE(ansehen_dazwischen);
        for (size_t i = 0; i < n; ++i) s[i] = uint16_t(i * 2654435761u >> 13);
        std::fill_n(static_cast<uint16_t*>(Grafik_Seite_1->pixels), n, uint16_t(0xF800));
        const std::vector<uint16_t> dahinter(s, s + n);
        ASSERT_EQ(frame(3), 1);
        for (int32_t minute = 4; minute < 9; ++minute) frame(minute);
        if (ansehen_dazwischen) {
            ansehen();
            EXPECT_FALSE(ganzer_schirm() == dahinter);
        }
        Spielansicht_Beenden(1);
        EXPECT_TRUE(ganzer_schirm() == dahinter);
        EXPECT_EQ(std::memcmp(Grafik_Seite_1->pixels, s, n * 2), 0);
    }
}

}  // namespace

namespace {

// Left without the screen behind put back (the day's end closes it so), the pages keep the
// overview's last frame: with frames left undrawn, exactly as with every frame drawn, whether
// the day ends on the games list or on a live game's page.
TEST_F(Uebersicht_Tag, LeftAsItStandsThePagesHoldTheLastFrameAsDrawn)
{
    ASSERT_EQ(frame(), 1);
    int32_t spiele[SPIELTAG_TAGESLISTE] = {};
    const Spielansicht_Liste_Stand l = liste_mit_spielen(spiele);
    Spielfeld_Record* r = Spielfeld_Get_Spiel(spiele[1]);
    ASSERT_TRUE(r);
    Spielansicht_Beenden(1);
    const int32_t zeile_y = l.oben + 13 + l.zeile / 2;
    const size_t n = size_t(Grafik_Seite_0->width) * Grafik_Seite_0->height;
    auto* s = static_cast<uint16_t*>(Grafik_Seite_0->pixels);
    auto tag = [&](bool immer, bool spielseite) {
        Os_Display_Set_Bild_Immer(immer);
        tag_neu(s, n, 2246822519u, 9, r, 2000, 3000, 300, zeile_y);
        EXPECT_EQ(frame(20), 1);
        for (int32_t minute = 21; minute < 25; ++minute) frame(minute);
        if (spielseite) {
            klick(300, zeile_y);
            EXPECT_EQ(Spielansicht_Seite, 1);
        } else if (Spielansicht_Wettbewerb_Anzahl() > 1) {
            knopf_klick(1);
        }
        for (int32_t minute = 25; minute < 30; ++minute) {
            r->objekt[SPIELFELD_BALL].x = float(2000 + minute * 200);
            frame(minute);
        }
        Spielansicht_Beenden(0);
        Os_Display_Set_Bild_Immer(false);
        std::vector<uint16_t> seiten(s, s + n);
        const auto* s1 = static_cast<const uint16_t*>(Grafik_Seite_1->pixels);
        seiten.insert(seiten.end(), s1, s1 + n);
        return seiten;
    };
    for (bool spielseite : {false, true}) {
        SCOPED_TRACE(spielseite);
        const std::vector<uint16_t> gezeichnet = tag(true, spielseite);
        EXPECT_TRUE(tag(false, spielseite) == gezeichnet);
    }
    r->aktiv = 0;
}

// A game of the list decided on penalties: 1:1 after extra time, 6:7 in the shoot-out.
void elfmeter_entschieden(int32_t g)
{
    Spiele_Tore_Nullen(g);
    Spiele_Set_Ereignis(g, SPE_TOR | SPE_CHANCE | SPE_HEIM, 20, 32767, 32767);
    Spiele_Set_Ereignis(g, SPE_TOR | SPE_CHANCE, 110, 32767, 32767);
    Spiele_Get_Spiel(g, 1)->ergebnis_art |= SPIELE_ART_NV | SPIELE_ART_NE;
    for (int32_t i = 0; i < 7; ++i) {
        if (i < 6) Spiele_Set_Ereignis(g, SPE_TOR | SPE_HEIM, 120, 32767, 32767);
        Spiele_Set_Ereignis(g, SPE_TOR, 120, 32767, 32767);
    }
}

// Once only other clubs' games are left (the manager has none today, or his are over), "Ende"
// needs no end of the day: it leaves at once. A tie decided on penalties reads as its score
// after extra time, the shoot-out apart, not as the sum of both.
TEST_F(Uebersicht_Tag, WithOnlyOtherClubsGamesLeftEndeLeavesAtOnce)
{
    ASSERT_EQ(frame(), 1);
    EXPECT_EQ(Spielansicht_Get_Knopf(4)->zustand, SPIELANSICHT_AUS);
    int32_t liste[SPIELTAG_TAGESLISTE] = {};
    ASSERT_TRUE(Spieltag_Get_Spiele(Spielansicht_Wettbewerb(), liste));
    ASSERT_GE(liste[0], 2);
    elfmeter_entschieden(liste[1]);
    for (const auto& [c, h] : spiele()) {
        const Spiele_Spiel* m = Spiele_Get_Spiel(h, 1);
        if (!Team_Hat_Manager(m->heim) && !Team_Hat_Manager(m->gast)) continue;
        Spieltag_Eintrag e;
        uint32_t i = 0;
        ASSERT_TRUE(spieltag_spiel_finden(h, &e, &i));
        spieltag_spiel_aus(e, i);
    }
    spieltag_nachspielzeit_vergessen();
    texte.clear();
    Spielansicht_Beenden(0);
    ASSERT_EQ(frame(), 1);
    frame();
    EXPECT_EQ(Spielansicht_Get_Knopf(4)->zustand, SPIELANSICHT_NORMAL);
    dump("andere_spiele");
    int32_t stand = 0, summe = 0;
    for (const std::string& t : texte) {
        stand += t.find("n.E. 6:7") != std::string::npos;
        summe += t.find("7^c") != std::string::npos && t.find(":^c") != std::string::npos && t.find("8^fe") != std::string::npos;
    }
    EXPECT_GE(stand, 1);
    EXPECT_EQ(summe, 0);
    // Its game page's score the same way.
    texte.clear();
    klick(300, Spielansicht_Get_Liste().oben + 22);
    ASSERT_EQ(Spielansicht_Seite, 1);
    frame();
    dump("elfmeter_spielseite");
    EXPECT_TRUE(std::any_of(texte.begin(), texte.end(), [](const std::string& t) { return t.find("1:1 n.E. 6:7") != std::string::npos; }));
    knopf_klick(9);
    ASSERT_EQ(Spielansicht_Seite, 0);
    knopf_klick(4);
    EXPECT_EQ(Spielansicht_Offen, 0);
    EXPECT_EQ(st.uebersicht_verlassen, 1);
}

// The shown competition's list of the day, its games repeated to 18: a day of more than 16 games.
int32_t lang_wettbewerb = -1;
bool lange_liste(int32_t wettbewerb, int32_t* spiele)
{
    Spieltag_Set_Spiele_Hook(nullptr);
    const bool da = Spieltag_Get_Spiele(wettbewerb, spiele);
    Spieltag_Set_Spiele_Hook(lange_liste);
    if (da && wettbewerb == lang_wettbewerb && spiele[0] > 0) {
        for (int32_t k = spiele[0] + 1; k <= 18; ++k) spiele[k] = spiele[1 + (k - 1) % spiele[0]];
        spiele[0] = std::max(spiele[0], 18);
    }
    return da;
}

// A day of more than 16 games lists them in single 10-pixel rows without a second line: a game
// decided on penalties marks its score after extra time "nE", the others read as they are.
TEST_F(Uebersicht_Tag, TheSingleRowsOfALongListMarkAShootOut)
{
    ASSERT_EQ(frame(), 1);
    int32_t liste[SPIELTAG_TAGESLISTE] = {};
    ASSERT_TRUE(Spieltag_Get_Spiele(Spielansicht_Wettbewerb(), liste));
    ASSERT_GE(liste[0], 2);
    elfmeter_entschieden(liste[1]);
    lang_wettbewerb = Spielansicht_Wettbewerb();
    Spieltag_Set_Spiele_Hook(lange_liste);
    Spielansicht_Beenden(0);
    texte.clear();
    const int32_t offen = frame();
    frame();
    dump("elfmeter_lange_liste");
    Spieltag_Set_Spiele_Hook(nullptr);
    ASSERT_EQ(offen, 1);
    ASSERT_EQ(Spielansicht_Get_Liste().zeile, 10);
    int32_t markiert = 0, stand = 0;
    for (const std::string& t : texte) {
        if (t.find("^tr0309^fb0007") == std::string::npos) continue;
        ++stand;
        markiert += t.find("nE") != std::string::npos;
        EXPECT_EQ(t.find("n.E."), std::string::npos) << t;
    }
    // the game's rows (it stands in the list more than once), not the others'
    EXPECT_GE(stand, 18);
    EXPECT_GE(markiert, 1);
    EXPECT_LT(markiert, stand);
}

}  // namespace

namespace {

// Every club of the world under a name too long for any column: the name field filled to its
// last character with the head of a longer name.
void lange_namen()
{
    constexpr std::string_view lang = "Borussia Oberkirchhausener Sportverein";
    constexpr size_t platz = sizeof T_Fix[0].name - 1;
    static_assert(lang.size() >= platz);
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        lang.copy(T_Fix[t].name, platz);
        T_Fix[t].name[platz] = 0;
    }
}

// The right end of each games row's names (a first leg's score behind them left out): the
// count of rows, the widest end.
std::pair<int32_t, int32_t> namen_ende()
{
    int32_t zeilen = 0, ende = 0;
    for (size_t i = 0; i < texte.size(); ++i) {
        std::string t = texte[i];
        if (t.find("^tl0126-  ") == std::string::npos) continue;
        if (const size_t hin = t.find("^y0003"); hin != std::string::npos) t.resize(hin);
        ++zeilen;
        ende = std::max(ende, Font_Text_Breite_Mit_Tabs(Font(schriften[i]), t.c_str()));
    }
    return {zeilen, ende};
}

}  // namespace

// The away name of a games row ends before the results column (the field's last 60 pixels, from
// 260 on, which the running day redraws on its own), in the tall rows and in the single rows of a
// long list alike; the live table's names end before its games column.
TEST_F(Uebersicht_Tag, LongNamesEndBeforeTheResultsColumnInEveryRowKind)
{
    ASSERT_NO_FATAL_FAILURE(bis_zur_liga());
    lange_namen();
    Spielansicht_Beenden(0);
    texte.clear();
    schriften.clear();
    ASSERT_EQ(frame(), 1);
    frame();
    dump("lange_namen");
    ASSERT_GT(Spielansicht_Get_Liste().zeile, 10);
    const auto [hoch, hoch_ende] = namen_ende();
    EXPECT_GE(hoch, 2);
    EXPECT_LE(hoch_ende, 260 - 3);
    EXPECT_GT(hoch_ende, 200) << "the away name is shortened more than its room asks";

    knopf_klick(2);
    ASSERT_EQ(Spielansicht_Get_Liste().zeile, 14);
    int32_t tabelle = 0;
    for (size_t i = 0; i < texte.size(); ++i) {
        const std::string& t = texte[i];
        const size_t spiele = t.find("^tr0200");
        if (t.find("Borussia") == std::string::npos || spiele == std::string::npos) continue;
        ++tabelle;
        const int32_t ziffern = Font_Text_Breite_Mit_Tabs(Font(schriften[i]), "99");
        EXPECT_LE(Font_Text_Breite_Mit_Tabs(Font(schriften[i]), t.substr(0, spiele).c_str()), 200 - ziffern - 3) << t;
    }
    EXPECT_GE(tabelle, 2);
    knopf_klick(2);

    lang_wettbewerb = Spielansicht_Wettbewerb();
    Spieltag_Set_Spiele_Hook(lange_liste);
    Spielansicht_Beenden(0);
    texte.clear();
    schriften.clear();
    const int32_t offen = frame();
    frame();
    dump("lange_namen_lange_liste");
    Spieltag_Set_Spiele_Hook(nullptr);
    ASSERT_EQ(offen, 1);
    ASSERT_EQ(Spielansicht_Get_Liste().zeile, 10);
    const auto [eng, eng_ende] = namen_ende();
    EXPECT_GE(eng, 18);
    EXPECT_LE(eng_ende, 260 - 3);
}

// A run that never takes a picture changes the buttons without drawing them; once frames are
// drawn again, a button that changed unseen is not drawn late by a frame that changes nothing.
TEST_F(Uebersicht_Tag, ButtonsChangedUnseenAreNotDrawnLate)
{
    struct Ende {
        ~Ende() { Os_Display_Set_Ungesehen(false), Os_Display_Set_Bild_Immer(false); }
    } ende;
    const size_t n = size_t(Grafik_Seite_0->width) * Grafik_Seite_0->height;
    auto seiten = [n] {
        const auto* s0 = static_cast<const uint16_t*>(Grafik_Seite_0->pixels);
        const auto* s1 = static_cast<const uint16_t*>(Grafik_Seite_1->pixels);
        std::vector<uint16_t> v(s0, s0 + n);
        v.insert(v.end(), s1, s1 + n);
        return v;
    };
    Os_Display_Set_Bild_Immer(true);
    ASSERT_EQ(frame(), 1);
    const Spielansicht_Knopf* b = Spielansicht_Get_Knopf(3);
    auto ueber = [&](bool drauf) {
        maus_x = drauf ? b->x + b->breite / 2 : 5;
        maus_y = drauf ? b->y + b->hoehe / 2 : 5;
        frame();
    };
    ueber(false);
    const std::vector<uint16_t> vorher = seiten();
    Os_Display_Set_Bild_Immer(false);
    Os_Display_Set_Ungesehen(true);
    for (bool drauf : {true, false, true}) ueber(drauf);
    EXPECT_EQ(b->zustand, SPIELANSICHT_UEBER);
    EXPECT_TRUE(seiten() == vorher) << "nobody sees the pages";

    // Seen again, the pages show the button as the last seen frame drew it.
    Os_Display_Set_Ungesehen(false);
    Os_Display_Set_Bild_Immer(true);
    ueber(true);
    EXPECT_TRUE(seiten() == vorher) << "a mark left over from the unseen frames was drawn";
    ueber(false);
    EXPECT_TRUE(seiten() == vorher);
    ueber(true);
    EXPECT_FALSE(seiten() == vorher);
}
