// Icons on screen: the priority lists, the registry, bitmaps by source, the layer count, and
// the byte image of a record.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/os/os_display.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_meldung.h"
#include "platform/disk.h"
#include "platform/resfile.h"
#include "toolkit/menue_intern.h"
#include "toolkit/screen.h"
#include "tools/datagen/resf_writer.h"
#include "umgebung.h"

namespace {

int32_t eintraege(const Menue_Icon* icon)
{
    int32_t n = 0;
    for (auto& liste : Menue_Icons.slot)
        for (Menue_Icon* i : liste) n += i == icon;
    return n;
}

int32_t belegt(int32_t p)
{
    int32_t n = 0;
    for (Menue_Icon* i : Menue_Icons.slot[p]) n += i != nullptr;
    return n;
}

}  // namespace

using Icons = Toolkit_Test;

TEST_F(Icons, PresentNumberIsMarkedNotFiledAgainAndHighPrioritiesGoTo26)
{
    Menue_Icon* a = flaeche(800, 10, 10, 20, 20, 5);
    Menue_Screen_Icon_Hinzufuegen(a);
    a->refresh = 0;
    Menue_Screen_Icon_Hinzufuegen(a);
    EXPECT_EQ(a->refresh, 1);
    EXPECT_EQ(eintraege(a), 1);

    Fehler_Capture f;
    Menue_Icon* hoch = flaeche(801, 40, 10, 20, 20, 30);
    Menue_Screen_Icon_Hinzufuegen(hoch);
    EXPECT_TRUE(f.contains("Menue_Screen_Icon_Hinzufuegen: pri>MAX_SCREEN_ICON_PRIORITY!"));
    EXPECT_EQ(belegt(26), 1);
    EXPECT_EQ(Menue_Icons.slot[26][0], hoch);
}

// A full list must not lose the icon in the slot the next add would take.
TEST_F(Icons, AFullPriorityRefusesTheNextIconAndKeepsAllItHolds)
{
    Fehler_Capture f;
    for (int16_t n = 0; n < 599; ++n) Menue_Screen_Icon_Hinzufuegen(flaeche(n, 0, 0, 2, 2, 7));
    EXPECT_FALSE(f.contains("Maximum erreicht!"));
    Menue_Icon* letzter = flaeche(599, 0, 0, 2, 2, 7);
    Menue_Screen_Icon_Hinzufuegen(letzter);
    EXPECT_TRUE(f.contains("Menue_Screen_Icon_Hinzufuegen: Maximum erreicht!"));
    f.texts.clear();
    Menue_Icon* zuviel = flaeche(600, 0, 0, 2, 2, 7);
    Menue_Screen_Icon_Hinzufuegen(zuviel);
    EXPECT_TRUE(f.contains("Menue_Screen_Icon_Hinzufuegen: Maximum erreicht!"));
    EXPECT_EQ(Menue_Screen_Icon_Ist_Vorhanden(600), 0);
    EXPECT_EQ(belegt(7), 600);
    for (int32_t n = 0; n < 600; ++n) ASSERT_EQ(Menue_Screen_Icon_Ist_Vorhanden(n), 1) << n;

    // A removal frees a slot for exactly one more.
    Menue_Screen_Icon_Loeschen(17, nullptr, 0);
    Menue_Screen_Icon_Hinzufuegen(zuviel);
    EXPECT_EQ(Menue_Screen_Icon_Ist_Vorhanden(600), 1);
    EXPECT_EQ(belegt(7), 600);
}

TEST_F(Icons, ASecondRecordUnderAKnownNumberIsReportedAndTheFirstStaysRegistered)
{
    Menue_Icon* erster = flaeche(750, 10, 10, 20, 20, 5);
    Menue_Icon* zweiter = flaeche(750, 50, 10, 20, 20, 5);
    zweiter->hilfetext = "Zweiter Knopf";
    Menue_Screen_Icon_Hinzufuegen(erster);
    Menue_Screen_Icon_Loeschen(-1, erster, 0);
    Fehler_Capture f;
    Menue_Screen_Icon_Hinzufuegen(zweiter);
    EXPECT_TRUE(f.contains("Icon Nr. 750 doppelt definiert!"));
    EXPECT_TRUE(f.contains("Hilfet.=Zweiter Knopf"));
    EXPECT_EQ(Menue_Screen_Icon_Aus_Nummer(750), erster);
    EXPECT_EQ(Menue_Screen_Icon_Ist_Vorhanden(750), 1);
    EXPECT_EQ(eintraege(zweiter), 1);
}

TEST_F(Icons, LookupsRefuseNumbersOutsideTheRangeBothWays)
{
    Fehler_Capture f;
    EXPECT_EQ(Menue_Screen_Icon_Ist_Vorhanden(-1), 0);
    EXPECT_EQ(Menue_Screen_Icon_Ist_Vorhanden(2701), 0);
    EXPECT_EQ(Menue_Screen_Icon_Aus_Nummer(-5), nullptr);
    EXPECT_EQ(Menue_Screen_Icon_Aus_Nummer(2701), nullptr);
    EXPECT_TRUE(f.contains("Menue_Screen_Icon_Ist_Vorhanden: Nr= -1"));
    EXPECT_TRUE(f.contains("Menue_Screen_Icon_Aus_Nummer: Nr= 2701"));
    Menue_Screen_Icon_Aktiv_Setzen(1, -3);
    Menue_Screen_Icon_Loeschen(3000, nullptr, 0);
    EXPECT_TRUE(f.contains("Menue_Screen_Icon_Loeschen: s_icon=NULL!"));
    Menue_Icon* ohne_nummer = flaeche(-7, 0, 0, 4, 4, 1);
    Menue_Screen_Icon_Hinzufuegen(ohne_nummer);
    EXPECT_TRUE(f.contains("screen_icon_nr>ANZ_SCREEN_ICONS"));
    EXPECT_EQ(eintraege(ohne_nummer), 0);
}

// Code 9043: standard file 1, entry 1043.
TEST_F(Icons, AResourceCodeNamesTheEntryOfItsStandardFile)
{
    Resf_Datei d;
    Resf_Bitmap b;
    b.width = 12;
    b.height = 9;
    b.pixels.assign(12 * 9 * 2, 0x11);
    Resf_Setzen(d, 1043, 14, Resf_Bitmap_Daten(b));
    std::string pfad = std::string(DORVIN_BINARY_DIR) + "/toolkit_icon_9043_" + std::to_string(getpid()) + ".res";
    ASSERT_TRUE(Resf_Schreiben(d, pfad));
    int32_t h = Init_ResFile(pfad.c_str());
    ASSERT_GT(h, 2);  // beyond the first files: entry numbers are index positions
    int32_t vorher = ResFile_Handles[1].handle;
    ResFile_Handles[1].handle = h;

    Menue_Icon* i = neu(Menue_Icon_Vorlage(820, 9043, 0, 100, 100, 1, 1, 5, 255));
    Menue_Screen_Icon_Hinzufuegen(i);
    ASSERT_NE(i->bitmap, nullptr);
    EXPECT_EQ(i->bitmap->width, 12u);
    EXPECT_EQ(i->bitmap->height, 9u);
    EXPECT_EQ(i->breite, 12);
    EXPECT_EQ(Menue_Screen_Icon_Slave_Rastport(i), i->bitmap);

    ResFile_Handles[1].handle = vorher;
    DeInit_ResFile(h);
    std::remove(pfad.c_str());
}

TEST_F(Icons, RemovingTheLastLayerDimsTheScreenForTheNextOne)
{
    Menue_Icon* a = neu(Menue_Icon_Vorlage(830, -1, ICON_EBENE, 100, 100, 50, 50, 21, 9));
    Menue_Icon* b = neu(Menue_Icon_Vorlage(831, -1, ICON_EBENE, 200, 100, 50, 50, 21, 9));
    Menue_Screen_Icon_Hinzufuegen(a);
    Menue_Screen_Icon_Hinzufuegen(b);
    EXPECT_EQ(Menue_Modal_Tiefe(), 2);
    Menue_Icons.abgedunkelt = 0;
    Menue_Screen_Icon_Loeschen(-1, a, 0);
    EXPECT_EQ(Menue_Icons.abgedunkelt, 0);
    Menue_Screen_Icon_Loeschen(-1, b, 8);
    EXPECT_EQ(Menue_Modal_Tiefe(), 0);
    EXPECT_EQ(Menue_Icons.abgedunkelt, 1);
}

// Removing an own-bitmap icon frees its bitmap; the registry still answers for the number, and
// adding it again makes a fresh one.
TEST_F(Icons, RemovalFreesOwnBitmapsButKeepsTheRegistryRecord)
{
    Menue_Icon* i = flaeche(840, 10, 10, 16, 8, 3, 14);
    Menue_Screen_Icon_Hinzufuegen(i);
    ASSERT_NE(i->bitmap, nullptr);
    Menue_Screen_Icon_Loeschen(840, nullptr, 16);
    EXPECT_EQ(i->bitmap, nullptr);
    EXPECT_EQ(Menue_Register(840)->bitmap, nullptr);
    EXPECT_EQ(Menue_Screen_Icon_Aus_Nummer(840), i);
    Menue_Screen_Icon_Hinzufuegen(i);
    EXPECT_NE(i->bitmap, nullptr);

    Fehler_Capture f;
    Menue_Screen_Icon_Loeschen(-1, i, 3);
    EXPECT_TRUE(f.contains("Menue_Screen_Icon_Loeschen: falscher Modus!"));
    EXPECT_EQ(Menue_Screen_Icon_Ist_Vorhanden(840), 1);
}

TEST(IconAbbild, RoundTripsWithSizeAndOffsetsPinnedAndNoAddressInTheBytes)
{
    static_assert(MENUE_ICON_BYTES == 92);
    Menue_Icon i = Menue_Icon_Vorlage(0x0123, 6049, 0x02080044u, -12, 470, 40, 32, 24, 41);
    i.bereich[0] = 1, i.bereich[1] = 2, i.bereich[2] = 630, i.bereich[3] = 470;
    i.drop_typ = -3;
    i.refresh = 0x18;
    i.status = 0x8102;
    i.hilfesound = 361;
    i.glow_gruppe = -70000;
    i.verknuepft = 719;
    i.kennung_1 = 717;
    i.kennung_2 = 0x1010;
    // Addresses whose bytes would be easy to see if any reached the image.
    void* unsinn = reinterpret_cast<void*>(uintptr_t(0xA5A5A5A5A5A5A5A5ull));
    i.gesichter = static_cast<const uint16_t*>(unsinn);
    i.daten = unsinn;
    i.hilfetext = static_cast<const char*>(unsinn);
    i.klick = reinterpret_cast<Menue_Klick_Prozedur>(unsinn);
    i.bitmap = static_cast<Rastport*>(unsinn);
    i.mausover = reinterpret_cast<Menue_Mausover_Prozedur>(unsinn);

    uint8_t bytes[MENUE_ICON_BYTES + 4];
    std::memset(bytes, 0xEE, sizeof bytes);
    Menue_Icon_Abbild_Schreiben(i, bytes);
    EXPECT_EQ(bytes[MENUE_ICON_BYTES], 0xEE);  // nothing beyond 92 bytes
    EXPECT_EQ(bytes[0], 0x23);
    EXPECT_EQ(bytes[1], 0x01);
    EXPECT_EQ(bytes[48], 1);
    EXPECT_EQ(bytes[49] | bytes[50] | bytes[51], 0);
    for (uint8_t b : bytes) EXPECT_NE(b, 0xA5);
    for (uint32_t wort : {16u, 28u, 32u, 40u, 48u, 52u, 60u, 72u, 76u})
        EXPECT_LE(Disk_LE32_Lesen(bytes + wort), 1u) << wort;
    for (uint32_t luecke : {2u, 3u, 46u, 47u, 57u, 58u, 59u, 70u, 71u, 90u, 91u}) EXPECT_EQ(bytes[luecke], 0) << luecke;

    Menue_Icon_Abbild a{};
    ASSERT_TRUE(Menue_Icon_Abbild_Lesen(bytes, MENUE_ICON_BYTES, &a));
    EXPECT_EQ(a.icon.nummer, 0x0123);
    EXPECT_EQ(a.icon.x, -12);
    EXPECT_EQ(a.icon.glow_gruppe, -70000);
    EXPECT_EQ(a.icon.klick, nullptr);
    EXPECT_EQ(a.zeiger, ABBILD_GESICHTER | ABBILD_DATEN | ABBILD_HILFETEXT | ABBILD_KLICK | ABBILD_BITMAP | ABBILD_MAUSOVER);
    uint8_t wieder[MENUE_ICON_BYTES];
    Menue_Icon_Abbild_Schreiben(a, wieder);
    EXPECT_EQ(std::memcmp(bytes, wieder, MENUE_ICON_BYTES), 0);

    // A word that a damaged file fills with anything only counts as set.
    Disk_LE32_Setzen(bytes + 52, 0xDEADBEEF);
    ASSERT_TRUE(Menue_Icon_Abbild_Lesen(bytes, MENUE_ICON_BYTES, &a));
    EXPECT_TRUE(a.zeiger & ABBILD_REFRESH);
    EXPECT_FALSE(Menue_Icon_Abbild_Lesen(bytes, MENUE_ICON_BYTES - 1, &a));
    EXPECT_FALSE(Menue_Icon_Abbild_Lesen(nullptr, MENUE_ICON_BYTES, &a));
}

namespace {

// Two pages that each place one control (same procedures, same help) under its number: no report.
TEST_F(Icons, APagesOwnCopyOfAControlIsNoSecondIcon)
{
    Menue_Icon* erster = flaeche(751, 10, 10, 20, 20, 5);
    Menue_Icon* kopie = flaeche(751, 50, 10, 20, 20, 5);
    for (Menue_Icon* i : {erster, kopie}) i->hilfetext = "Alle Spieler einblenden";
    Menue_Screen_Icon_Hinzufuegen(erster);
    Menue_Screen_Icon_Loeschen(-1, erster, 0);
    Fehler_Capture f;
    Menue_Screen_Icon_Hinzufuegen(kopie);
    EXPECT_TRUE(f.texts.empty());
}

}  // namespace

// Freeing every icon's memory at once frees a bitmap two numbers share once, and leaves no icon,
// registered or only filed in a priority list, pointing at a freed bitmap.
TEST_F(Icons, FreeingAllIconsFreesASharedBitmapOnceAndForgetsItEverywhere)
{
    Menue_Icon* a = flaeche(850, 10, 10, 16, 8, 3);
    Menue_Icon* b = flaeche(851, 40, 10, 16, 8, 3);
    Menue_Icon* c = flaeche(852, 70, 10, 16, 8, 4);
    for (Menue_Icon* i : {a, b, c}) Menue_Screen_Icon_Hinzufuegen(i);
    ASSERT_NE(a->bitmap, nullptr);
    ASSERT_NE(c->bitmap, nullptr);
    Rastport* geteilt = a->bitmap;
    // 851 shows 850's bitmap through its registry record, 852 only through its own pointer.
    Grafik_Bitmap_Freigeben(Menue_Icons.reg[851].bitmap);
    Menue_Icons.reg[851].bitmap = b->bitmap = geteilt;
    Rastport* eigenes = Menue_Icons.reg[852].bitmap;
    c->bitmap = geteilt;
    // A copy filed under another priority, not registered, shows it too.
    static Menue_Icon kopie;
    kopie = *c;
    kopie.nummer = 853;
    kopie.bitmap = geteilt;
    Menue_Icons.slot[5][0] = &kopie;
    Menue_Icons.hoechster[5] = std::max<int32_t>(Menue_Icons.hoechster[5], 0);

    Menue_Alle_Icons_Speicher_Befreien();
    for (int32_t n : {850, 851, 852}) EXPECT_EQ(Menue_Register(n)->bitmap, nullptr) << n;
    for (Menue_Icon* i : {a, b, c, &kopie}) EXPECT_EQ(i->bitmap, nullptr) << i->nummer;
    EXPECT_NE(eigenes, geteilt);
    Menue_Icons.slot[5][0] = nullptr;
}

// Turn after turn the menu frees every icon's memory and builds the same icons anew: each turn's
// freeing gives back every bitmap of that turn, so that the next turns take the same bitmaps
// again (bitmaps of an earlier turn, at the same places, are no reason to hold one back).
TEST_F(Icons, FreeingAllIconsTurnAfterTurnGivesBackEveryTurnsBitmaps)
{
    std::vector<Menue_Icon*> icons;
    for (int16_t k = 0; k < 4; ++k) icons.push_back(flaeche(int16_t(860 + k), int16_t(10 + 40 * k), 10, uint16_t(23 + k), uint16_t(7 + k), 3));
    std::vector<Rastport*> erste;
    for (int32_t runde = 0; runde < 4; ++runde) {
        std::vector<Rastport*> bitmaps;
        for (Menue_Icon* i : icons) {
            Menue_Screen_Icon_Hinzufuegen(i);
            bitmaps.push_back(i->bitmap);
        }
        if (runde == 0) erste = bitmaps;
        EXPECT_EQ(bitmaps, erste) << "turn " << runde;
        Menue_Alle_Icons_Speicher_Befreien();
        for (Menue_Icon* i : icons) EXPECT_EQ(Menue_Register(i->nummer)->bitmap, nullptr) << runde << " " << i->nummer;
        Menue_Prioritaeten_Leeren();
    }
}

// Over a page nobody sees a plain or glass face is left unfilled (a new bitmap comes cleared);
// while a check follows what is drawn, and over a page somebody sees, the face is made.
TEST_F(Icons, AFaceOverAPageNobodySeesIsMadeOnlyWhileACheckFollows)
{
    struct Zurueck {
        ~Zurueck()
        {
            Os_Display_Set_Ungesehen(false);
            Grafik_Flaeche_Hook_Setzen(nullptr);
        }
    } zurueck;
    Grafik_Screen_Seite_Waehlen(1);
    const uint16_t farbe = uint16_t(UI_Farbtabelle[9].farbe);
    ASSERT_NE(farbe, 0);
    auto gefuellt = [&](Menue_Icon* i) {
        Menue_Screen_Icon_Hinzufuegen(i);
        const auto* p = static_cast<const uint16_t*>(i->bitmap->pixels);
        const size_t n = size_t(i->breite) * i->hoehe;
        const auto voll = std::count(p, p + n, farbe), leer = std::count(p, p + n, uint16_t(0));
        EXPECT_TRUE(size_t(voll) == n || size_t(leer) == n) << i->nummer;
        return size_t(voll) == n;
    };
    Os_Display_Set_Ungesehen(true);
    ASSERT_TRUE(Grafik_Seite_Ungesehen(Grafik_Render_Ziel));
    EXPECT_FALSE(gefuellt(flaeche(870, 10, 10, 37, 5, 3)));
    Grafik_Flaeche_Hook_Setzen([](const Rastport*, int32_t, int32_t, int32_t, int32_t, const Rastport*, int32_t, int32_t, bool) {});
    EXPECT_TRUE(gefuellt(flaeche(871, 60, 10, 38, 5, 3)));
    // A glass face taken again while the check follows comes cleared, not as it was left.
    Menue_Icon* glas = flaeche(873, 160, 10, 41, 6, 3, 24);
    Menue_Screen_Icon_Hinzufuegen(glas);
    Grafik_Rechteck_Fuellen(glas->bitmap, 0, 0, 41, 6, 0x1234);
    Menue_Alle_Icons_Speicher_Befreien();
    Menue_Prioritaeten_Leeren();
    Menue_Screen_Icon_Hinzufuegen(glas);
    const auto* g = static_cast<const uint16_t*>(glas->bitmap->pixels);
    EXPECT_EQ(std::count(g, g + 41 * 6, uint16_t(0)), 41 * 6);
    Grafik_Flaeche_Hook_Setzen(nullptr);
    Os_Display_Set_Ungesehen(false);
    EXPECT_TRUE(gefuellt(flaeche(872, 110, 10, 39, 5, 3)));
}

namespace {

// The blur as a person would write it from its rule: every pixel the mean of the 8-bit channels
// of its box inside the bitmap, a mean of 0 made 1; each pass reads the pass before.
void weich_nach_regel(std::vector<uint16_t>& px, int32_t w, int32_t h, int32_t tiefe, int durchgaenge)
{
    for (int d = 0; d < durchgaenge; ++d) {
        const std::vector<uint16_t> alt = px;
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                int32_t s[3] = {}, n = 0;
                for (int32_t v = y - 1; v <= y + 1; ++v)
                    for (int32_t u = x - 1; u <= x + 1; ++u) {
                        if (u < 0 || v < 0 || u >= w || v >= h) continue;
                        int32_t c[3];
                        Grafik_Pixel_Zu_RGB(alt[size_t(v * w + u)], tiefe, &c[0], &c[1], &c[2]);
                        for (int k = 0; k < 3; ++k) s[k] += c[k];
                        ++n;
                    }
                const uint16_t p = Grafik_RGB_Zu_Pixel(tiefe, s[0] / n, s[1] / n, s[2] / n);
                px[size_t(y * w + x)] = p ? p : 1;
            }
    }
}

}  // namespace

// Both depths, the narrowest bitmaps (a pixel, a row, a column: boxes of one to three) and the
// brightest channels (nine sums of the top value must not carry into the next channel), on the
// pixels of a fixed random sequence with black and white among them.
TEST(Weichzeichnen, GibtJedemPixelDenMittelwertSeinerKisteWieNachDerRegel)
{
    uint32_t zustand = 12345;
    auto zufall = [&zustand] {
        zustand = zustand * 1103515245u + 12345u;
        return uint16_t(zustand >> 8);
    };
    for (int32_t tiefe : {15, 16})
        for (auto [w, h] : {std::pair{1, 1}, {1, 7}, {9, 1}, {2, 2}, {13, 11}, {64, 5}})
            for (int durchgaenge : {1, 2}) {
                Rastport* rp = Grafik_Bitmap_Anlegen(w, h, tiefe);
                ASSERT_NE(rp, nullptr);
                auto* px = static_cast<uint16_t*>(rp->pixels);
                std::vector<uint16_t> erwartet(size_t(w * h));
                for (size_t i = 0; i < erwartet.size(); ++i) {
                    const uint16_t r = zufall();
                    erwartet[i] = i % 5 == 0 ? 0xFFFF : i % 7 == 0 ? 0 : r;
                    px[i] = erwartet[i];
                }
                weich_nach_regel(erwartet, w, h, tiefe, durchgaenge);
                Menue_Weichzeichnen(rp, durchgaenge);
                for (size_t i = 0; i < erwartet.size(); ++i)
                    ASSERT_EQ(px[i], erwartet[i]) << tiefe << " bit, " << w << " x " << h << ", " << durchgaenge
                                                  << " Durchgänge, Pixel " << i;
                Grafik_Bitmap_Freigeben(rp);
            }
}

// The end of a turn frees what the registry holds however it came there: a bitmap made for a
// record only registered, the background of a draggable icon on screen or of one never
// registered, and all again after they were freed once; and after the registry was emptied.
TEST_F(Icons, TurnEndFreesEveryBitmapAndBackgroundOfTheRegistry)
{
    for (int runde = 0; runde < 3; ++runde) {
        if (runde == 2) Menue_Register_Leeren();
        Menue_Icon* nur_registriert = flaeche(int16_t(2690 - runde), 10, 10, 16, 8, 3);
        Menue_Icon* ziehbar = flaeche(860, 40, 10, 16, 8, 3);
        ziehbar->flags |= ICON_ZIEHBAR;
        Menue_Icon fremd = *ziehbar;
        fremd.nummer = 2600;
        Menue_Screen_Icon_Orig_Anlegen(&fremd);
        ASSERT_NE(Menue_Register(2600)->hintergrund, nullptr) << runde;
        Menue_Icon liste[2] = {*nur_registriert, {}};
        liste[1].nummer = -1;
        Menue_Icon_Liste_Registrieren(liste);
        ASSERT_NE(Menue_Screen_Icon_Bitmap(&liste[0]), nullptr);
        Menue_Screen_Icon_Hinzufuegen(ziehbar);
        Menue_Screen_Icon_Hintergrund_Sichern(ziehbar);
        ASSERT_NE(Menue_Register(860)->hintergrund, nullptr) << runde;
        ASSERT_EQ(Menue_Register(860)->gesichert, 1) << runde;
        ASSERT_NE(Menue_Register(liste[0].nummer)->bitmap, nullptr) << runde;

        Menue_Speicher_Befreien(7);
        EXPECT_EQ(Menue_Register(liste[0].nummer)->bitmap, nullptr) << runde;
        EXPECT_EQ(liste[0].bitmap, nullptr) << runde;
        for (int32_t n : {860, 2600}) EXPECT_EQ(Menue_Register(n)->hintergrund, nullptr) << runde << " " << n;
        EXPECT_EQ(Menue_Register(860)->gesichert, 0) << runde;
        EXPECT_EQ(ziehbar->bitmap, nullptr) << runde;
        Menue_Screen_Icon_Loeschen(-1, ziehbar, 0);
        Menue_Icon_Liste_Abmelden(liste);
    }
}

// An own bitmap given up at a turn's end serves the next icon of its size, and comes back as a
// new one would: zero-filled under a face that does not cover it (the menu background of a
// turn without one), filled whole by a plain face; whatever was drawn into it is gone.
TEST_F(Icons, AnOwnBitmapTakenAgainAfterTheTurnEndIsAsNew)
{
    Rastport* const hintergrund = Menue_Status.hintergrund;
    Menue_Status.hintergrund = nullptr;
    std::vector<uint16_t> neu_leer, neu_bunt;
    auto pixel = [](const Rastport* b) {
        const auto* p = static_cast<const uint16_t*>(b->pixels);
        return std::vector<uint16_t>(p, p + size_t(b->width) * b->height);
    };
    Rastport* vorher = nullptr;
    for (int runde = 0; runde < 3; ++runde) {
        Menue_Icon* leer = flaeche(int16_t(870 + 2 * runde), 10, 10, 24, 12, 3, 25);
        Menue_Icon* bunt = flaeche(int16_t(871 + 2 * runde), 40, 10, 24, 12, 3, 14);
        Menue_Screen_Icon_Hinzufuegen(leer);
        Menue_Screen_Icon_Hinzufuegen(bunt);
        ASSERT_NE(leer->bitmap, nullptr);
        ASSERT_NE(bunt->bitmap, nullptr);
        if (runde == 0) {
            neu_leer = pixel(leer->bitmap);
            neu_bunt = pixel(bunt->bitmap);
        } else {
            EXPECT_TRUE(leer->bitmap == vorher || bunt->bitmap == vorher) << "no bitmap taken again, turn " << runde;
            EXPECT_TRUE(pixel(leer->bitmap) == neu_leer) << runde;
            EXPECT_TRUE(pixel(bunt->bitmap) == neu_bunt) << runde;
        }
        for (Menue_Icon* i : {leer, bunt}) Grafik_Rechteck_Fuellen(i->bitmap, 0, 0, 24, 12, 0x1234);
        vorher = leer->bitmap;
        Menue_Speicher_Befreien(7);
        for (Menue_Icon* i : {leer, bunt}) Menue_Screen_Icon_Loeschen(-1, i, 0);
    }
    Menue_Status.hintergrund = hintergrund;
}

// The walks of every pass start at the highest slot that may hold an icon: taking out the top
// icon lowers it to the next one left, taking out one below leaves it, and a new icon goes into
// the slot freed last and raises it again. Every icon left is still found.
TEST_F(Icons, TakingOutTheTopIconLowersWhereTheWalksStart)
{
    Menue_Icon* icons[5];
    for (int16_t k = 0; k < 5; ++k) {
        icons[k] = flaeche(int16_t(900 + k), 10 * k, 10, 8, 8, 9);
        Menue_Screen_Icon_Hinzufuegen(icons[k]);
    }
    ASSERT_EQ(Menue_Icons.hoechster[9], 4);
    Menue_Screen_Icon_Loeschen(-1, icons[4], 0);
    EXPECT_EQ(Menue_Icons.hoechster[9], 3);
    Menue_Screen_Icon_Loeschen(-1, icons[1], 0);
    EXPECT_EQ(Menue_Icons.hoechster[9], 3);
    Menue_Screen_Icon_Loeschen(-1, icons[3], 0);
    EXPECT_EQ(Menue_Icons.hoechster[9], 2);
    for (int k : {0, 2}) EXPECT_EQ(Menue_Icons.slot[9][k], icons[k]);
    EXPECT_EQ(Menue_Icons.slot[9][1], nullptr);

    Menue_Screen_Icon_Hinzufuegen(icons[4]);
    EXPECT_EQ(Menue_Icons.slot[9][3], icons[4]);
    EXPECT_EQ(Menue_Icons.hoechster[9], 3);
    for (Menue_Icon* i : {icons[0], icons[2], icons[4]}) EXPECT_EQ(eintraege(i), 1);

    for (Menue_Icon* i : {icons[0], icons[2], icons[4]}) Menue_Screen_Icon_Loeschen(-1, i, 0);
    EXPECT_EQ(Menue_Icons.hoechster[9], 0);
    EXPECT_EQ(belegt(9), 0);
}
