// Popup lists and context menus driven by scripted pointer input.
#include <string>

#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "gameflow/globals.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/win95.h"
#include "platform/os/os.h"
#include "platform/os/os_display.h"
#include "platform/timer.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/popup.h"
#include "umgebung.h"

namespace {

int32_t gewaehlt = -1, aufrufe = 0;
uint16_t schirm_beim_aufruf = 0;
uint8_t merken(int32_t i, int32_t, int32_t, int32_t)
{
    gewaehlt = i;
    ++aufrufe;
    schirm_beim_aufruf = Grafik_Pixel_Lesen(Grafik_Seite_0, Popup_Liste_Rechteck(0).x + 5, Popup_Liste_Rechteck(0).y + 5);
    return 1;
}

class Popup : public Toolkit_Test {
protected:
    Menue_Kontextmenue l{};
    void SetUp() override
    {
        Toolkit_Test::SetUp();
        gewaehlt = -1, aufrufe = 0;
        Menue_Init_Kontextmenue(&l, "Verein", 7, POPUP_WAEHLBAR, merken);
        l.texte[0] = "Kader";
        l.texte[1] = "Taktik";
        l.texte[2] = "Finanzen";
        l.status[1] |= POPUP_TRENNER;
    }
    // The row middle of an item when the list opens at the pointer (px, py).
    std::pair<int32_t, int32_t> zeile(Menue_Kontextmenue* k, int32_t px, int32_t py, int32_t eintrag)
    {
        int32_t w = Popup_Liste_Breite(k) + 45, h = Popup_Liste_Hoehe(k);
        int32_t x = std::min(std::max(px - 20, 0), 640 - w), y = std::min(std::max(py - 20, 0), 480 - h);
        Rastport* bm = Grafik_Bitmap_Anlegen(w, h, 16);
        int32_t ys[33], idx[33];
        int32_t n = Popup_Liste_Zeichnen(bm, k, ys, idx, -1);
        Grafik_Bitmap_Freigeben(bm);
        for (int32_t i = 0; i < n; ++i)
            if (idx[i] == eintrag) return {x + 30, y + ys[i] + 6};
        return {-1, -1};
    }
    static std::string klick(std::pair<int32_t, int32_t> p)
    {
        return "move " + std::to_string(p.first) + " " + std::to_string(p.second) + "\nwait 5\nleft down\nwait 5\nleft up\nwait 5\n";
    }
    int32_t laufen(Menue_Kontextmenue* k, int32_t px, int32_t py, const std::string& skript)
    {
        maus(px, py);
        Os_Script_Load_Text(skript);
        int32_t r = Popup_Liste_Ausfuehren(k);
        Os_Script_Stop();
        Programm_Ende = 0;
        return r;
    }
};

TEST_F(Popup, SizeFollowsTitleItemsAndSeparators)
{
    EXPECT_EQ(Popup_Liste_Hoehe(&l), 79);
    Menue_Kontextmenue voll{};
    Menue_Init_Kontextmenue(&voll, nullptr, 0, POPUP_WAEHLBAR | POPUP_TRENNER, nullptr);
    for (int i = 0; i < 33; ++i) voll.texte[i] = "x";
    // A full list with a separator after every row closes up to fit the screen.
    EXPECT_LE(Popup_Liste_Hoehe(&voll), 480);
    EXPECT_GE(Popup_Liste_Hoehe(&voll), 13 + 33 * 10);
    EXPECT_EQ(Popup_Liste_Zeichen(POPUP_HAKEN, 0), char(143));
    EXPECT_EQ(Popup_Liste_Zeichen(POPUP_HAKEN | POPUP_GEWAEHLT, 0), char(144));
    EXPECT_EQ(Popup_Liste_Zeichen(POPUP_HAKEN, 1), char(144));
    EXPECT_EQ(Popup_Liste_Zeichen(POPUP_RADIO, 0), char(128));
    EXPECT_EQ(Popup_Liste_Zeichen(POPUP_RADIO | POPUP_GEWAEHLT, 1), char(128));
    EXPECT_EQ(Popup_Liste_Zeichen(POPUP_RADIO | POPUP_GEWAEHLT, 0), char(134));
    EXPECT_EQ(Popup_Liste_Ausfuehren(nullptr), 1);
}

TEST_F(Popup, OpensInsideTheScreenAndClosesAfterFourHundredMillisecondsOutside)
{
    EXPECT_EQ(laufen(&l, 639, 479, "move 0 0\nwait 500\n"), 1);
    Popup_Rechteck r = Popup_Liste_Rechteck(0);
    EXPECT_EQ(r.x + r.w, 640);
    EXPECT_EQ(r.y + r.h, 480);
    EXPECT_EQ(r.w, Popup_Liste_Breite(&l) + 45);
    EXPECT_EQ(aufrufe, 0);
    // Out for 300 ms and back: still open, so the click chooses.
    auto p = zeile(&l, 300, 200, 2);
    EXPECT_EQ(laufen(&l, 300, 200, "move 0 0\nwait 300\n" + klick(p)), 2);
    EXPECT_EQ(gewaehlt, 2);
}

// Escape closes the list at once, and so does a press outside it, which chooses nothing.
TEST_F(Popup, EscapeOrAPressOutsideClosesWithoutAChoice)
{
    uint32_t start = Timer_Get_Time();
    EXPECT_EQ(laufen(&l, 300, 200, "wait 50\nkey 27\nwait 50\nmove 0 0\nwait 2000\n"), 1);
    EXPECT_LT(Timer_Get_Time() - start, 400u) << "closed by the key, not by the pointer";
    start = Timer_Get_Time();
    EXPECT_EQ(laufen(&l, 300, 200, "wait 50\nmove 20 20\nleft down\nwait 5\nleft up\nwait 2000\n"), 1);
    EXPECT_LT(Timer_Get_Time() - start, 400u) << "closed by the press";
    EXPECT_EQ(aufrufe, 0);
    EXPECT_EQ(gewaehlt, -1);
}

TEST_F(Popup, OnlyAReleaseOverThePressedSelectableRowChooses)
{
    auto a = zeile(&l, 300, 200, 0), b = zeile(&l, 300, 200, 1);
    std::string s = "move " + std::to_string(a.first) + " " + std::to_string(a.second) + "\nwait 5\nleft down\nwait 5\n" +
                    "move " + std::to_string(b.first) + " " + std::to_string(b.second) + "\nwait 5\nleft up\nwait 5\n" +
                    "move 0 0\nwait 500\n";
    EXPECT_EQ(laufen(&l, 300, 200, s), 1);
    EXPECT_EQ(aufrufe, 0);
    l.status[2] = 0;  // grey
    EXPECT_EQ(laufen(&l, 300, 200, klick(zeile(&l, 300, 200, 2)) + "move 0 0\nwait 500\n"), 1);
    EXPECT_EQ(aufrufe, 0);
    EXPECT_EQ(laufen(&l, 300, 200, klick(b)), 2);
    EXPECT_EQ(gewaehlt, 1);
}

TEST_F(Popup, RadioGroupsEndAtSeparatorsUnlessMarkedAndStayOpenChoicesRunAtOnce)
{
    Menue_Kontextmenue r{};
    Menue_Init_Kontextmenue(&r, nullptr, 0, POPUP_WAEHLBAR | POPUP_RADIO | POPUP_GEWAEHLT | POPUP_BLEIBT, merken);
    for (int i = 0; i < 5; ++i) r.texte[i] = "Option";
    r.status[1] |= POPUP_TRENNER | POPUP_GRUPPE_WEITER;
    r.status[3] |= POPUP_TRENNER;
    r.status[0] &= uint16_t(~POPUP_GEWAEHLT);
    EXPECT_EQ(laufen(&r, 300, 200, klick(zeile(&r, 300, 200, 0)) + "move 0 0\nwait 500\n"), 1);
    EXPECT_EQ(aufrufe, 1) << "the procedure ran while the list stayed open";
    EXPECT_TRUE(r.status[0] & POPUP_GEWAEHLT);
    EXPECT_FALSE(r.status[1] & POPUP_GEWAEHLT);
    EXPECT_FALSE(r.status[2] & POPUP_GEWAEHLT) << "a separator marked 0x1000 does not end the group";
    EXPECT_FALSE(r.status[3] & POPUP_GEWAEHLT);
    EXPECT_TRUE(r.status[4] & POPUP_GEWAEHLT) << "behind a plain separator";
    EXPECT_EQ(gewaehlt, 0);
}

Menue_Kontextmenue unter{};
Menue_Kontextmenue* unterliste(Menue_Kontextmenue*, int32_t) { return &unter; }

TEST_F(Popup, SubListOpensBesideItsRowAndItsChoiceRestoresTheScreenFirst)
{
    Menue_Init_Kontextmenue(&unter, nullptr, 0, POPUP_WAEHLBAR, merken);
    unter.texte[0] = "Erste Mannschaft";
    unter.texte[1] = "Jugend";
    l.unterlisten[1] = unterliste;
    const uint16_t vorher = seite0(300 - 20 + 5, 200 - 20 + 5);
    auto p = zeile(&l, 300, 200, 1);
    Popup_Rechteck haupt{std::max(300 - 20, 0), 180, Popup_Liste_Breite(&l) + 45, Popup_Liste_Hoehe(&l)};
    // The sub-list's rows lie at its own place: beside the main list, 6 above the parent row.
    int32_t sub_x = haupt.x + haupt.w, sub_y = p.second - 6 - 6;
    Rastport* bm = Grafik_Bitmap_Anlegen(Popup_Liste_Breite(&unter) + 30, Popup_Liste_Hoehe(&unter), 16);
    int32_t ys[33], idx[33];
    Popup_Liste_Zeichnen(bm, &unter, ys, idx, -1);
    Grafik_Bitmap_Freigeben(bm);
    std::string s = "move " + std::to_string(p.first) + " " + std::to_string(p.second) + "\nwait 5\nleft down\nwait 5\nleft up\nwait 5\n" +
                    klick({sub_x + 20, sub_y + ys[1] + 6});
    EXPECT_EQ(laufen(&l, 300, 200, s), 2);
    Popup_Rechteck u = Popup_Liste_Rechteck(1);
    EXPECT_EQ(u.x, haupt.x + haupt.w);
    EXPECT_EQ(u.y, sub_y);
    EXPECT_EQ(gewaehlt, 1);
    EXPECT_EQ(schirm_beim_aufruf, vorher) << "the main list was gone before the procedure ran";
}

// Escape in an open sub-list closes the main list too: left open, the main list would take
// the next click only to close (and, the pointer resting on the parent row, open the sub-list
// again).
TEST_F(Popup, EscapeInASubListClosesBothLists)
{
    Menue_Init_Kontextmenue(&unter, nullptr, 0, POPUP_WAEHLBAR, merken);
    unter.texte[0] = "Laden";
    l.unterlisten[1] = unterliste;
    const auto p = zeile(&l, 300, 200, 1);
    const uint32_t start = Timer_Get_Time();
    const std::string s = "move " + std::to_string(p.first) + " " + std::to_string(p.second) +
                          "\nwait 5\nleft down\nwait 5\nleft up\nwait 50\nkey 27\nwait 3000\n";
    EXPECT_EQ(laufen(&l, 300, 200, s), 1);
    EXPECT_LT(Timer_Get_Time() - start, 1000u) << "the main list stayed open after Escape";
    EXPECT_EQ(aufrufe, 0);
}

TEST_F(Popup, ContextMenuInitAndSubMenuGroups)
{
    Fehler_Capture c;
    Menue_Kontextmenue k{};
    k.texte[3] = "alt";
    Menue_Init_Kontextmenue(&k, "T", 5, -1, merken);
    EXPECT_EQ(c.texts.size(), 1u);
    EXPECT_TRUE(c.contains("Menue_Init_Kontextmenue: default_status: falscher Wert!"));
    EXPECT_EQ(k.benutzt, 1);
    EXPECT_EQ(k.listen_flags, 1);
    EXPECT_EQ(k.texte[3], nullptr);
    for (int i = 0; i < 33; ++i) {
        EXPECT_EQ(k.status[i], 0);
        EXPECT_EQ(k.wert_a[i], -1);
        EXPECT_EQ(k.wert_c[i], 5);
    }
    Aktuelles_Team = 0;
    Menue_Icon* a = flaeche(2510, 10, 10, 20, 20, 5);
    Menue_Icon* b = flaeche(2511, 40, 10, 20, 20, 5);
    Menue_Screen_Icon_Hinzufuegen(a);
    Menue_Screen_Icon_Hinzufuegen(b);
    EXPECT_EQ(Menue_Untermenue_Registrieren(b, 0, 703, nullptr, 2, 2510, 2511), 2511);
    EXPECT_EQ((knoepfe[{0, 2511}]), 1u);
    EXPECT_EQ((knoepfe[{0, 2510}]), 0u);
    EXPECT_EQ(Menue_Untermenue_Registrieren(b, 0, 703, nullptr, 2, 2510, 2511), -1) << "already chosen and shown";
    EXPECT_EQ((knoepfe[{0, 2511}]), 1u);
    EXPECT_EQ(Menue_Untermenue_Registrieren(nullptr, UNTERMENUE_WIEDERHERSTELLEN, 703, nullptr, 2, 2510, 2511), 2511);
    EXPECT_EQ(Menue_Untermenue_Registrieren(a, 0, 703, nullptr, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10), -1);
    EXPECT_TRUE(c.contains("Menue_Untermenue_Registrieren: Max. 9 Untermenues!"));
    EXPECT_EQ((knoepfe[{0, 2511}]), 1u);
}

}  // namespace

// Over a page nobody sees the list's ground is left as it is, but the rows, the choice and the
// screen given back behave as over a seen one: the same script chooses the same row, and a
// grey row still refuses.
TEST_F(Popup, AListOverAPageNobodySeesChoosesAsOverASeenOne)
{
    struct Ende {
        ~Ende() { Os_Display_Set_Ungesehen(false); }
    } ende;
    const auto taktik = zeile(&l, 300, 200, 1), finanzen = zeile(&l, 300, 200, 2);
    for (int ungesehen = 0; ungesehen < 2; ++ungesehen) {
        Os_Display_Set_Ungesehen(ungesehen != 0);
        ASSERT_EQ(Grafik_Seite_Ungesehen(Grafik_Seite_0), ungesehen != 0);
        l.status[2] |= POPUP_WAEHLBAR;
        gewaehlt = -1, aufrufe = 0;
        EXPECT_EQ(laufen(&l, 300, 200, klick(finanzen)), 2) << ungesehen;
        EXPECT_EQ(gewaehlt, 2) << ungesehen;
        EXPECT_EQ(laufen(&l, 300, 200, klick(taktik)), 2) << ungesehen;
        EXPECT_EQ(gewaehlt, 1) << ungesehen;
        l.status[2] = 0;  // grey
        EXPECT_EQ(laufen(&l, 300, 200, klick(finanzen) + "move 0 0\nwait 500\n"), 1) << ungesehen;
        EXPECT_EQ(aufrufe, 2) << ungesehen;
    }
}

// A list over a page nobody sees draws nothing, but its font ends as after a list drawn over a
// seen page: the colour of the last row drawn, whichever rows the pointer went over.
TEST_F(Popup, AListOverAPageNobodySeesLeavesTheFontAsASeenOne)
{
    struct Ende {
        Font_Record* f = Font(3);
        const uint32_t farbe = f->colour, fett = f->bold;
        ~Ende() { Os_Display_Set_Ungesehen(false), f->colour = farbe, f->bold = fett; }
    } ende;
    const auto hin = [this](int32_t eintrag) {
        const auto p = zeile(&l, 300, 200, eintrag);
        return "move " + std::to_string(p.first) + " " + std::to_string(p.second) + "\nwait 5\n";
    };
    for (const std::string& weg : {hin(2) + "move 0 0\nwait 500\n", hin(0) + hin(2) + hin(0),
                                   hin(2) + "left down\nwait 5\n" + hin(0) + "move 0 0\nwait 500\n"})
        for (uint16_t status : {uint16_t(POPUP_WAEHLBAR), uint16_t(0)}) {
            l.status[2] = status;
            uint32_t farbe[2] = {}, fett[2] = {};
            for (int ungesehen = 0; ungesehen < 2; ++ungesehen) {
                Os_Display_Set_Ungesehen(ungesehen != 0);
                Font(3)->colour = 0x1234, Font(3)->bold = 1;
                laufen(&l, 300, 200, weg + "left down\nleft up\nwait 5\n");
                farbe[ungesehen] = Font(3)->colour, fett[ungesehen] = Font(3)->bold;
            }
            EXPECT_NE(farbe[0], 0x1234u) << weg;
            EXPECT_EQ(farbe[1], farbe[0]) << weg << " status " << status;
            EXPECT_EQ(fett[1], fett[0]) << weg;
        }
}
