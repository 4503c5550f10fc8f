// The live match view over hand-filled live records on the headless 16-bit screen: the windows'
// layout and commands, loading and the savegame block, the blitters and figures, the score panel,
// the ticker lines, the event ticker and the action replay; and pictures of a frame to look at.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "competitions/spiele_tabelle.h"
#include "database/db_hilfe.h"
#include "graphics/font.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_meldung.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_sprite.h"
#include "match/pitch/spielfeld_animationen.h"
#include "match/pitch/spielfeld_objekt.h"
#include "match/spielfeld.h"
#include "matchview/lineup/screen.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/live/spielszenen_szenerie.h"
#include "matchview/spielszenen.h"
#include "platform/os/os_display.h"
#include "platform/os/os.h"
#include "platform/os/os_intern.h"
#include "platform/maus.h"
#include "platform/mauszeiger.h"
#include "platform/soundeffekt.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "tests/matchview/spielszenen_dateien.h"
#include "tests/matchview/spielszenen_probe.h"

namespace {

namespace fs = std::filesystem;

class Spielszenen : public ::testing::Test {
protected:
    static inline Spielszenen_Dateien_Sitzung sitzung;
    static void SetUpTestSuite() { sitzung.oeffnen(); }
    static void TearDownTestSuite() { sitzung.schliessen(); }
    void SetUp() override
    {
        for (int32_t i = 0; i < 4; ++i) records[i] = Spielszenen_Probe_Record(100 + i);
        Spielszenen_Set_Spielwahl_Hook(nullptr);
        aktuell = this;
        Spielszenen_Set_Record_Hook([](int32_t spiel) -> Spielfeld_Record* {
            for (auto& r : aktuell->records)
                if (r && int32_t(r->spiel) == spiel) return r.get();
            return nullptr;
        });
    }
    static inline Spielszenen* aktuell = nullptr;
    void TearDown() override
    {
        Spielszenen_Grafik_Freigeben();
        Spielszenen_Set_Record_Hook(nullptr);
        for (Spielszenen_Fenster& f : Spielszenen_Fenster_Liste) {
            f = Spielszenen_Fenster{};
            f.spiel = -1;
        }
    }
    // Lays the windows out for n records and gives every window its record back (no live list).
    void verteilen(int32_t n)
    {
        Spielfeld_Record* rs[4] = {records[0].get(), records[1].get(), records[2].get(), records[3].get()};
        Spielszenen_Fenster_Verteilen(rs, n);
    }
    void laden()
    {
        ASSERT_TRUE(Spielszenen_Grafik_Laden());
    }
    // One frame as the view draws it, without the live list's lookup.
    void zeichnen()
    {
        Spielszenen_Sichtbarkeit_Setzen();
        Spielszenen_Fenster_Einrichten();
        Spielszenen_Sichtbarkeit_Pruefen();
        Spielszenen_Aufteilung_Berechnen();
        Spielszenen_Rahmen_Laden();
        Grafik_Blit(Spielszenen_Grafik.rahmen, 0, 0, 640, 480, Grafik_Seite_1, 0, 0);
        Spielszenen_Fenster_Zeichnen(Grafik_Seite_1, 0);
        Grafik_Screen_Direkt_Kopieren();
    }
    // One full-size window over record 0, drawn once, and the control block as the engine hands it.
    Spielfeld_Steuerung_Block ein_fenster()
    {
        laden();
        verteilen(1);
        zeichnen();
        Spielfeld_Steuerung_Block st{};
        st.kamera_teiler = 35;
        return st;
    }
    std::unique_ptr<Spielfeld_Record> records[4];
};

TEST_F(Spielszenen, WindowsFollowTheCountOfGames)
{
    struct Fall {
        int32_t n, aufteilung, groesse[4], spiel[4];
    };
    const Fall faelle[] = {{1, 0, {0, 2, 2, 2}, {100, -1, -1, -1}},
                           {2, 1, {1, 2, 1, 2}, {100, -1, 101, -1}},
                           {3, 3, {1, 2, 2, 2}, {100, -1, 101, 102}},
                           {5, 2, {2, 2, 2, 2}, {100, 101, 102, 103}}};
    for (const Fall& c : faelle) {
        verteilen(c.n);
        EXPECT_EQ(Spielszenen_Aufteilung, c.aufteilung) << c.n;
        for (int32_t i = 0; i < 4; ++i) {
            EXPECT_EQ(Spielszenen_Fenster_Liste[i].groesse, c.groesse[i]) << c.n << " " << i;
            EXPECT_EQ(Spielszenen_Fenster_Liste[i].spiel, c.spiel[i]) << c.n << " " << i;
            EXPECT_EQ(Spielszenen_Fenster_Liste[i].aktiv, i == 0 ? 1 : 0);
        }
    }
    EXPECT_EQ(Spielszenen_Fenster_Liste[3].x, 308);
    EXPECT_EQ(Spielszenen_Fenster_Liste[3].y, 242);
}

TEST_F(Spielszenen, EnlargeShrinkAndCloseFollowTheSizes)
{
    verteilen(1);
    Spielszenen_Fenster_Verkleinern(0);
    EXPECT_EQ(Spielszenen_Fenster_Liste[0].groesse, 1);
    EXPECT_EQ(Spielszenen_Aufteilung, 3);
    Spielszenen_Fenster_Verkleinern(0);
    EXPECT_EQ(Spielszenen_Aufteilung, 2);
    // the only game's quarter is not closed
    Spielszenen_Fenster_Verkleinern(0);
    EXPECT_EQ(Spielszenen_Fenster_Liste[0].spiel, 100);
    EXPECT_EQ(Spielszenen_Fenster_Liste[0].groesse, 2);
    Spielszenen_Fenster_Vergroessern(0);
    Spielszenen_Fenster_Vergroessern(0);
    EXPECT_EQ(Spielszenen_Fenster_Liste[0].groesse, 0);
    EXPECT_EQ(Spielszenen_Fenster_Liste[0].breite, 603);

    verteilen(4);
    records[0]->anzeige = 1;
    Spielszenen_Fenster_Liste[0].eingerichtet = 1;
    Spielszenen_Fenster_Verkleinern(0);
    EXPECT_EQ(Spielszenen_Fenster_Liste[0].spiel, -1);
    EXPECT_EQ(records[0]->anzeige, 0);
    EXPECT_EQ(Spielszenen_Aktives_Fenster(), 1);
}

TEST_F(Spielszenen, ActiveHalfHidesItsNeighbourAndAClickActivates)
{
    laden();
    verteilen(2);
    Spielszenen_Fenster_Liste[1].spiel = 101;
    Spielszenen_Fenster_Liste[1].record = records[1].get();
    Spielszenen_Sichtbarkeit_Setzen();
    EXPECT_EQ(Spielszenen_Fenster_Liste[0].sichtbar, 1);
    EXPECT_EQ(Spielszenen_Fenster_Liste[1].sichtbar, 0);
    EXPECT_EQ(Spielszenen_Fenster_Liste[2].sichtbar, 1);
    Spielszenen_Fenster_Einrichten();
    Spielszenen_Sichtbarkeit_Pruefen();
    EXPECT_EQ(records[1]->anzeige, 1);
    EXPECT_EQ(Spielszenen_Rahmen_Stil(), 3);
    Spielszenen_Alles_Zeichnen = 0;
    EXPECT_EQ(Spielszenen_Klick_Aktivieren_Bei(100, 300, 1), 1);
    EXPECT_EQ(Spielszenen_Aktives_Fenster(), 2);
    EXPECT_EQ(Spielszenen_Fenster_Liste[0].aktiv, 0);
    EXPECT_EQ(Spielszenen_Alles_Zeichnen, 1);
    // clicks into the active window, or without the left button, change nothing
    EXPECT_EQ(Spielszenen_Klick_Aktivieren_Bei(100, 300, 1), 0);
    EXPECT_EQ(Spielszenen_Klick_Aktivieren_Bei(100, 50, 2), 0);
}

TEST_F(Spielszenen, ViewCommandsMirrorLabelPauseAndGames)
{
    laden();
    verteilen(4);
    // windows 0 and 3 show the same game: mirroring one turns both
    Spielszenen_Fenster_Liste[3].spiel = 100;
    Spielszenen_Fenster_Liste[3].record = records[0].get();
    zeichnen();
    ASSERT_EQ(Spielszenen_Fenster_Liste[3].eingerichtet, 1);
    Spielfeld_Steuerung_Block st{};
    st.kamera_teiler = 35;
    auto befehl = [&](int32_t b) {
        Spielszenen_Ansicht_Befehl = b;
        Spielszenen_Run(records[0].get(), &st, 0);
    };
    const int32_t id = Spielszenen_Fenster_Liste[3].hintergrund_id;
    Spielszenen_Ansicht_Befehl = 3;
    Spielszenen_Run(records[0].get(), &st, 0);
    EXPECT_EQ(records[0]->gespiegelt, 1);
    EXPECT_EQ(Spielszenen_Fenster_Liste[3].hintergrund_id, id + 1);
    std::vector<int32_t> labels;
    for (int32_t k = 0; k < 9; ++k) {
        labels.push_back(records[0]->beschriftung);
        befehl(4);
    }
    EXPECT_EQ(labels, (std::vector<int32_t>{0, -1, -2, -3, -4, -5, -6, -7, 0}));
    befehl(9);
    EXPECT_EQ(st.pause, 1);
    befehl(9);
    EXPECT_EQ(st.pause, 0);
    // 10 and 11 post window commands 2 and 5 for the next frame
    Spielszenen_Ansicht_Befehl = 11;
    Spielszenen_Run(records[0].get(), &st, 0);
    EXPECT_EQ(Spielszenen_Fenster_Befehl, 5);
    Spielszenen_Fenster_Befehl = -1;
    // a chooser that finds nothing keeps the game
    Spielszenen_Set_Spielwahl_Hook([](int32_t, int32_t) { return -1; });
    Spielszenen_Fenster_Befehl = 2;
    Spielszenen_Run(records[0].get(), &st, 0);
    EXPECT_EQ(Spielszenen_Fenster_Liste[0].spiel, 100);
    Spielszenen_Set_Spielwahl_Hook([](int32_t, int32_t) { return 102; });
    Spielszenen_Fenster_Befehl = 2;
    Spielszenen_Run(records[0].get(), &st, 0);
    EXPECT_EQ(Spielszenen_Fenster_Liste[0].spiel, 102);
    EXPECT_EQ(Spielszenen_Fenster_Liste[0].record, records[2].get());
}

TEST_F(Spielszenen, LoadingOnceAnd8BitScreensAndFreeing)
{
    laden();
    EXPECT_TRUE(Spielszenen_Ist_Geladen());
    Rle_Sprite* lauf = Spielszenen_Grafik.animation[ANIM_LAUFEN][2][0];
    ASSERT_NE(lauf, nullptr);
    EXPECT_EQ(Spielszenen_Grafik.bilder[ANIM_LAUFEN][2], SPIELSZENEN_ANIMATIONSDATEN[ANIM_LAUFEN].bilder);
    EXPECT_NE(Spielszenen_Bild(SZ_RING), nullptr);
    EXPECT_NE(Spielszenen_Grafik.fest[0], nullptr);
    // a second load loads nothing
    EXPECT_TRUE(Spielszenen_Grafik_Laden());
    EXPECT_EQ(Spielszenen_Grafik.animation[ANIM_LAUFEN][2][0], lauf);
    EXPECT_FALSE(Soundeffekt_Geladen());  // the menu's effects make room for the scene's
    Mauszeiger_Freeze();
    Spielszenen_Grafik_Freigeben();
    EXPECT_FALSE(Spielszenen_Ist_Geladen());
    EXPECT_TRUE(Soundeffekt_Geladen());
    EXPECT_EQ(Mauszeiger_Is_Frozen(), 1);  // 1: the pointer moves again
    EXPECT_EQ(Spielszenen_Grafik.animation[ANIM_LAUFEN][2], nullptr);
    EXPECT_EQ(Spielszenen_Bild(SZ_RING), nullptr);
    const int32_t tiefe = Grafik_Screen_Geometrie.depth;
    Grafik_Screen_Geometrie.depth = 8;
    EXPECT_FALSE(Spielszenen_Grafik_Laden());
    EXPECT_FALSE(Spielszenen_Ist_Geladen());
    Grafik_Screen_Geometrie.depth = tiefe;
}

TEST_F(Spielszenen, ASideChangeRepaintsThatSideAndANewMatchGetsItsFramesBack)
{
    Spielfeld_Animationen_Vorberechnen();
    ein_fenster();
    Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[0];
    Spielfeld_Record& r = *records[0];
    ASSERT_NE(f.hintergrund, nullptr);
    const int32_t id = f.hintergrund_id, stand = Spielszenen_Tribuene_Geladen(&f, 0);
    const size_t n = size_t(f.hintergrund->width) * f.hintergrund->height;
    auto bild = [&] {
        const auto* p = static_cast<const uint16_t*>(f.hintergrund->pixels);
        return std::vector<uint16_t>(p, p + n);
    };
    auto menge = [&] {
        int32_t k = 0;
        const Spielszenen_Zuschauer* z = Spielszenen_Zuschauer_Liste(&f, &k);
        std::vector<int32_t> v;
        for (int32_t i = 0; i < k; ++i) v.push_back(z[i].x * 1000 + z[i].y);
        return v;
    };
    const std::vector<uint16_t> vorher = bild();
    const std::vector<int32_t> leute = menge();
    Spielszenen_Seitenwechsel_Setzen(&f, &r, 1);
    EXPECT_EQ(r.gespiegelt, 1);
    EXPECT_EQ(f.hintergrund_id, id + 1);
    EXPECT_NE(Spielszenen_Tribuene_Geladen(&f, 0), stand);
    EXPECT_NE(bild(), vorher);
    // back again: the same picture and the same crowd, nothing of the other side left over
    Spielszenen_Seitenwechsel_Setzen(&f, &r, 0);
    EXPECT_EQ(r.gespiegelt, 0);
    EXPECT_EQ(f.hintergrund_id, id);
    EXPECT_TRUE(bild() == vorher);
    EXPECT_EQ(menge(), leute);

    // a new match starts from the frame counts the scene was loaded with
    Spielszenen_Animationstabelle[ANIM_LAUFEN].letztes_bild = 2;
    Spielszenen_Animationstabelle[ANIM_BALL].letztes_bild = 0;
    Spielszenen_Animationen_Zuruecksetzen();
    EXPECT_EQ(Spielszenen_Animationstabelle[ANIM_LAUFEN].letztes_bild, SPIELSZENEN_ANIMATIONSDATEN[ANIM_LAUFEN].letztes_bild);
    EXPECT_EQ(Spielszenen_Animationstabelle[ANIM_BALL].letztes_bild, SPIELSZENEN_ANIMATIONSDATEN[ANIM_BALL].letztes_bild);
}

TEST_F(Spielszenen, ContinuousCrowdSoundFadesAfterFiveSeconds)
{
    Spielszenen_Sound_Eintrag& s = Spielszenen_Sound[19];
    s.spielt = 1;
    s.start = 0xFFFFF000u;  // the clock wraps during the sound
    s.daempfung = 0;
    Spielszenen_Sounds_Ausblenden_Bei(s.start + 5000);
    EXPECT_EQ(s.daempfung, 0);
    int32_t frames = 0;
    while (s.spielt && frames < 1000) {
        Spielszenen_Sounds_Ausblenden_Bei(s.start + 5001);
        ++frames;
    }
    EXPECT_EQ(frames, 76);  // -20 a frame until below -1500
    EXPECT_LT(s.lautstaerke + s.daempfung, -1500);
    // looping ones do not fade
    Spielszenen_Sound[17].spielt = 1;
    Spielszenen_Sound[17].daempfung = 0;
    Spielszenen_Sounds_Ausblenden_Bei(Spielszenen_Sound[17].start + 9000);
    EXPECT_EQ(Spielszenen_Sound[17].daempfung, 0);
    Spielszenen_Sound[17].spielt = 0;
}

TEST_F(Spielszenen, SavegameBlockRoundTripsAndRefusesCorruptForms)
{
    uint8_t block[116];
    EXPECT_EQ(Spielszenen_Block_Schreiben(block), 4u);
    EXPECT_TRUE(Spielszenen_Block_Lesen(block, 4));
    laden();
    verteilen(3);
    Spielszenen_Fenster_Liste[0].hintergrund_id = 2001;
    ASSERT_EQ(Spielszenen_Block_Schreiben(block), 116u);
    uint8_t gut[116];
    std::memcpy(gut, block, 116);
    auto wert = [&](int32_t fenster, int32_t feld, uint32_t v) {
        std::memcpy(block, gut, 116);
        std::memcpy(block + 4 + 28 * fenster + 4 * feld, &v, 4);
        return Spielszenen_Block_Lesen(block, 116);
    };
    // corrupt forms are refused with the windows untouched
    Spielszenen_Fenster_Liste[1].groesse = 2;
    EXPECT_FALSE(wert(0, 5, 3));          // size level
    EXPECT_FALSE(wert(1, 1, 307));        // not a window rectangle
    EXPECT_FALSE(wert(2, 6, 1998));       // not a pitch
    EXPECT_FALSE(Spielszenen_Block_Lesen(gut, 112));
    uint8_t flag2[4] = {2, 0, 0, 0};
    EXPECT_FALSE(Spielszenen_Block_Lesen(flag2, 4));
    EXPECT_EQ(Spielszenen_Fenster_Liste[2].spiel, 101);
    // a good block read back: a game without a record leaves its window empty
    records[0]->spiel = 999;
    EXPECT_TRUE(Spielszenen_Block_Lesen(gut, 116));
    EXPECT_EQ(Spielszenen_Fenster_Liste[0].spiel, -1);
    EXPECT_EQ(Spielszenen_Fenster_Liste[0].hintergrund_id, 2001);
    EXPECT_EQ(Spielszenen_Fenster_Liste[2].y, 242);
    EXPECT_EQ(Spielszenen_Fenster_Liste[2].groesse, 2);
    // read on a screen the scene cannot load on: the windows still take their values
    Spielszenen_Grafik_Freigeben();
    const int32_t tiefe = Grafik_Screen_Geometrie.depth;
    Grafik_Screen_Geometrie.depth = 8;
    records[0]->spiel = 100;
    EXPECT_TRUE(Spielszenen_Block_Lesen(gut, 116));
    Grafik_Screen_Geometrie.depth = tiefe;
    EXPECT_FALSE(Spielszenen_Ist_Geladen());
    EXPECT_EQ(Spielszenen_Fenster_Liste[0].spiel, 100);
    EXPECT_EQ(Spielszenen_Fenster_Liste[3].x, 308);
    EXPECT_EQ(Spielszenen_Aktives_Fenster(), 0);
}

TEST_F(Spielszenen, ScoreLineSpectatorsAndTicker)
{
    laden();
    verteilen(1);
    Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[0];
    char text[200];
    Spielszenen_Spielstand_Text(&f, 999, text, sizeof text);
    EXPECT_NE(std::string(text).find("999 Zuschauer"), std::string::npos) << text;
    EXPECT_NE(std::string(text).find("67:12"), std::string::npos) << text;
    Spielszenen_Spielstand_Text(&f, 1000, text, sizeof text);
    EXPECT_NE(std::string(text).find("1.000 Zusch."), std::string::npos) << text;
    Spielszenen_Spielstand_Text(&f, 1000000, text, sizeof text);
    EXPECT_NE(std::string(text).find("1000.000 Zusch."), std::string::npos) << text;
    f.groesse = 2;
    Spielszenen_Spielstand_Text(&f, 5000, text, sizeof text);
    EXPECT_EQ(std::string(text).find("Zusch"), std::string::npos) << text;
    EXPECT_NE(std::string(text).find("2:1"), std::string::npos) << text;
    f.groesse = 0;

    char eins[256], zwei[256];
    Spielszenen_Fenster_Ticker_Setzen(&f, "Tor!");
    records[0]->frame_zeit += 2999;
    EXPECT_EQ(Spielszenen_Ticker_Zeilen(&f, eins, zwei), 1);
    records[0]->frame_zeit += 1;
    EXPECT_EQ(Spielszenen_Ticker_Zeilen(&f, eins, zwei), 0);
    // a narrow window splits at the last space before the middle, or drops the middle character
    f.breite = 60;
    Spielszenen_Fenster_Ticker_Setzen(&f, "Abseits! (Mustermann)");
    ASSERT_EQ(Spielszenen_Ticker_Zeilen(&f, eins, zwei), 2);
    EXPECT_STREQ(eins, "Abseits!");
    EXPECT_STREQ(zwei, "(Mustermann)");
    Spielszenen_Fenster_Ticker_Setzen(&f, "Eckstoss");
    ASSERT_EQ(Spielszenen_Ticker_Zeilen(&f, eins, zwei), 2);
    EXPECT_STREQ(eins, "Ecks");
    EXPECT_STREQ(zwei, "oss");
    // clearing hides it at once; the clock wrapping keeps a fresh line visible
    Spielszenen_Fenster_Ticker_Loeschen(&f);
    EXPECT_EQ(Spielszenen_Ticker_Zeilen(&f, eins, zwei), 0);
    f.breite = 603;
    records[0]->frame_zeit = 0xFFFFFF00u;
    Spielszenen_Fenster_Ticker_Setzen(&f, "Tor!");
    records[0]->frame_zeit = 0x00000100u;
    EXPECT_EQ(Spielszenen_Ticker_Zeilen(&f, eins, zwei), 1);
}

// A game standing still at the end of a half or of the match while the day's other games play
// on tells why on its ticker line, after an event's line has had its seconds, and not once its
// next half has kicked off or the day is over.
TEST_F(Spielszenen, AGameWaitingForTheOthersSaysSo)
{
    laden();
    verteilen(1);
    Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[0];
    Spielfeld_Record* r = records[0].get();
    Spielfeld_Steuerung_Block st{};
    char eins[256], zwei[256];
    auto zeile = [&]() {
        Spielszenen_Warte_Hinweis(&f, &st);
        return Spielszenen_Ticker_Zeilen(&f, eins, zwei) ? std::string(eins) : std::string();
    };
    r->spielende = 1;  // the last minute still plays
    EXPECT_EQ(zeile(), "");
    r->spielende = 2;
    Spielszenen_Fenster_Ticker_Setzen(&f, "Tor!");
    EXPECT_EQ(zeile(), "Tor!");
    r->frame_zeit += 3000;
    EXPECT_EQ(zeile(), SPIELSZENEN_WARTE_TEXT);
    r->frame_zeit += 10000;  // it stays while the others play
    EXPECT_EQ(zeile(), SPIELSZENEN_WARTE_TEXT);
    r->spielende = 0;        // kicked off again
    EXPECT_EQ(zeile(), "");
    r->spielende = 2;
    st.spieltag_beendet = 1;
    EXPECT_EQ(zeile(), "");
}

// A frame's page owes nothing to the page before it in its windows and along the side bar,
// whatever the layout.
TEST_F(Spielszenen, InTheWindowsAndUnderTheBarNothingOfTheLastPageShows)
{
    laden();
    for (int32_t n : {1, 2, 4}) {
        verteilen(n);
        zeichnen();
        auto* p = static_cast<uint16_t*>(Grafik_Seite_1->pixels);
        const int32_t b = int32_t(Grafik_Seite_1->width), h = int32_t(Grafik_Seite_1->height);
        auto frame_ueber = [&](uint16_t alt) {
            std::fill(p, p + size_t(b) * size_t(h), alt);
            Spielszenen_Fenster_Zeichnen(Grafik_Seite_1, 0);
            return std::vector<uint16_t>(p, p + size_t(b) * size_t(h));
        };
        const std::vector<uint16_t> eins = frame_ueber(0x1234), zwei = frame_ueber(0x4321);
        int32_t geprueft = 0, anders = 0;
        auto pruefen = [&](int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
            for (int32_t y = y0; y < y1; ++y)
                for (int32_t x = x0; x < x1; ++x, ++geprueft) anders += eins[size_t(y) * size_t(b) + size_t(x)] != zwei[size_t(y) * size_t(b) + size_t(x)];
        };
        for (const Spielszenen_Fenster& f : Spielszenen_Fenster_Liste)
            if (f.sichtbar && f.record && f.kopfzeile) pruefen(f.x, f.y, f.x + f.breite, f.y + f.hoehe);
        pruefen(600, 0, 640, 480);
        EXPECT_GT(geprueft, 40 * 480) << n << " windows";
        EXPECT_EQ(anders, 0) << n << " windows";
    }
}

// The background is not copied under the rows a window's header writes whole; the frame is the
// one the whole copy gives (a checker's hook takes that way), in every layout and with a header
// that lets the ground through in one of its rows.
TEST_F(Spielszenen, UnderTheHeaderTheFrameIsTheOneOfTheWholeBackground)
{
    laden();
    auto* p = static_cast<uint16_t*>(Grafik_Seite_1->pixels);
    const size_t n = size_t(Grafik_Seite_1->width) * size_t(Grafik_Seite_1->height);
    auto frame = [&](bool ganz, uint16_t alt) {
        const Grafik_Flaeche_Hook pruefer = [](const Rastport*, int32_t, int32_t, int32_t, int32_t, const Rastport*, int32_t, int32_t, bool) {};
        Grafik_Flaeche_Hook_Setzen(ganz ? pruefer : nullptr);
        std::fill(p, p + n, alt);
        Spielszenen_Fenster_Zeichnen(Grafik_Seite_1, 0);
        Grafik_Flaeche_Hook_Setzen(nullptr);
        return std::vector<uint16_t>(p, p + n);
    };
    for (int32_t layout : {1, 2, 4, 0}) {
        verteilen(layout == 0 ? 1 : layout);
        zeichnen();
        Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[0];
        ASSERT_TRUE(f.kopfzeile);
        EXPECT_EQ(Grafik_Sprite_Deckende_Zeilen(f.kopfzeile), f.kopfzeile->height) << layout;
        if (layout == 0) {
            // a header with a hole in its fourth row: three rows are left out
            const int32_t w = f.kopfzeile->width, h = f.kopfzeile->height;
            Rastport* b = Grafik_Bitmap_Anlegen(w, h, Grafik_Seite_1->depth);
            ASSERT_TRUE(b);
            Grafik_Sprite_Blit(f.kopfzeile, b, 0, 0);
            static_cast<uint16_t*>(b->pixels)[3 * w + w / 2] = 0;
            Grafik_Sprite_Freigeben(f.kopfzeile);
            f.kopfzeile = Grafik_Bitmap_Packen(b, 0, 0, w, h);
            Grafik_Bitmap_Freigeben(b);
            ASSERT_EQ(Grafik_Sprite_Deckende_Zeilen(f.kopfzeile), 3);
        }
        for (uint16_t alt : {uint16_t(0x1234), uint16_t(0x4321)}) EXPECT_EQ(frame(false, alt), frame(true, alt)) << layout;
    }
}

// Where the side panel is missing the frame's own right edge stands there whole: nothing of the
// last page shows right of the windows either way.
TEST_F(Spielszenen, WithoutTheSidePanelTheFramesRightEdgeCoversTheLastPage)
{
    laden();
    verteilen(1);
    zeichnen();
    auto* p = static_cast<uint16_t*>(Grafik_Seite_1->pixels);
    const int32_t b = int32_t(Grafik_Seite_1->width);
    Rastport* leiste = Spielszenen_Grafik.fest[0];
    ASSERT_NE(leiste, nullptr);
    for (bool mit : {true, false}) {
        Spielszenen_Grafik.fest[0] = mit ? leiste : nullptr;
        std::vector<uint16_t> bild[2];
        for (int32_t k = 0; k < 2; ++k) {
            std::fill(p, p + size_t(b) * 480, uint16_t(k ? 0x4321 : 0x1234));
            Spielszenen_Fenster_Zeichnen(Grafik_Seite_1, 0);
            for (int32_t y = 0; y < 480; ++y) bild[k].insert(bild[k].end(), p + size_t(y) * size_t(b) + 600, p + size_t(y) * size_t(b) + 640);
        }
        EXPECT_EQ(bild[0], bild[1]) << (mit ? "with" : "without") << " the side panel";
    }
    Spielszenen_Grafik.fest[0] = leiste;
}

TEST_F(Spielszenen, ScorePanelClickAreasWithTheirEdges)
{
    laden();
    verteilen(4);
    zeichnen();
    Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[1];
    auto klick = [&](int32_t dx, int32_t dy, bool taste) {
        Os_Input_Set_Mouse(f.x + dx, f.y + dy);
        Os_Input_Set_Buttons(taste, false);
        const int32_t seite = Spielszenen_Spielstand_Zeichnen(Grafik_Seite_1, &f);
        Os_Input_Set_Buttons(false, false);
        Maus_Get_Tasten();
        return seite;
    };
    EXPECT_EQ(klick(132, 25, true), 0);
    EXPECT_EQ(klick(140, 10, true), -1);
    EXPECT_EQ(klick(164, 0, true), 1);
    EXPECT_EQ(klick(296, 25, true), 1);
    EXPECT_EQ(klick(20, 10, false), -1);
    f.groesse = 0;
    EXPECT_EQ(klick(160, 10, true), 0);
    EXPECT_EQ(klick(439, 10, true), 1);
    EXPECT_EQ(klick(300, 10, true), -1);
}

TEST_F(Spielszenen, HoveringAFigureWhilePausedAsksForTheLineUpOrTheMenu)
{
    Spielfeld_Steuerung_Block st = ein_fenster();
    Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[0];
    Spielfeld_Record& r = *records[0];
    st.pause = 1;
    Spielszenen_Figuren_Zeichnen(&r, &st, &f);
    // an away player inside the window
    int32_t slot = -1;
    for (int32_t s = 16; s < 27 && slot < 0; ++s) {
        const int32_t x = r.objekt[s].pixel_x - r.ansicht_x, y = r.objekt[s].pixel_y - r.ansicht_y;
        if (x > 20 && y > 40 && x < f.breite - 20 && y < f.hoehe) slot = s;
    }
    ASSERT_GE(slot, 16);
    const Spielfeld_Objekt& o = r.objekt[slot];
    Os_Input_Set_Mouse(o.pixel_x - r.ansicht_x + f.x, o.pixel_y - r.ansicht_y + f.y - 10);
    for (int32_t taste = 0; taste < 2; ++taste) {
        Spielszenen_Schirm_Befehl = -1;
        Os_Input_Set_Buttons(taste == 0, taste == 1);
        Spielszenen_Spieler_Markierung(&f, &r, slot, &st);
        Os_Input_Set_Buttons(false, false);
        Maus_Get_Tasten();
        EXPECT_EQ(Spielszenen_Schirm_Befehl, taste == 0 ? 0 : 2);
        EXPECT_EQ(Spielszenen_Schirm_Slot, slot);
        EXPECT_EQ(Spielszenen_Schirm_Seite, 1);
        EXPECT_EQ(f.schwebe_zeit[slot], r.frame_zeit);
        EXPECT_EQ(f.markierung[slot] & 4, 0);  // cleared again at the end of the frame
    }
    // not paused: hovering marks, but asks for nothing
    st.pause = 0;
    Spielszenen_Schirm_Befehl = -1;
    Os_Input_Set_Buttons(true, false);
    Spielszenen_Spieler_Markierung(&f, &r, slot, &st);
    Os_Input_Set_Buttons(false, false);
    Maus_Get_Tasten();
    EXPECT_EQ(Spielszenen_Schirm_Befehl, -1);
    Spielszenen_Schirm_Befehl = -1;
    // a requested line-up screen that cannot come returns to the view with a full redraw
    Spielszenen_Modus = SPIELSZENEN_VERLASSEN;
    Spielszenen_Neu_Zeichnen_Angefordert = 0;
    Screen_Set_Hook([](const char*, int32_t) { return false; });
    Spielszenen_Run(&r, &st, 0);
    Screen_Set_Hook(nullptr);
    EXPECT_EQ(Spielszenen_Modus, SPIELSZENEN_SCREEN);
    EXPECT_EQ(Spielszenen_Neu_Zeichnen_Angefordert, 1);
}

TEST_F(Spielszenen, EventTickerTextsAndTheirOrder)
{
    verteilen(1);
    Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[0];
    Spielfeld_Record& r = *records[0];
    auto ereignis = [&](uint32_t code, int16_t zweiter, uint8_t slot) {
        r.kopf.code = code;
        r.kopf.zweiter = zweiter;
        r.kopf.slot = slot;
        r.kopf.offen = 1;
        return Spielszenen_Ereignis_Ticker(&f) ? std::string(Spielszenen_Ticker_Puffer()) : std::string("-");
    };
    EXPECT_EQ(ereignis(0x4 | 0x200, -1, 3), "Eigentor von !");
    EXPECT_EQ(r.kopf.offen, 0);
    EXPECT_EQ(ereignis(0x4, -1, 3), "Torschütze: ");
    EXPECT_EQ(ereignis(0x10000 | 0x10, -1, 3), " wurde gefoult.");
    EXPECT_EQ(ereignis(0x20000, 42, 3), " ist verletzt.");
    EXPECT_EQ(ereignis(0x40000, -1, 3), " wird eingewechselt.");
    EXPECT_EQ(ereignis(0x20, -1, 3), "Gelbe-Rote Karte für .");
    EXPECT_EQ(ereignis(0x80000, -1, 3), "Abseits! ()");
    EXPECT_EQ(ereignis(0x100000, -1, 3), ", Schwalbe, kein Foul!");
    // tactics: lowered effort bit 0, raised bit 1, the pairs from bit 2 on
    EXPECT_EQ(ereignis(0x400000, 2, 0), " erhöht den Einsatz");
    EXPECT_EQ(ereignis(0x400000, 3, 0), " verringert den Einsatz");
    EXPECT_EQ(ereignis(0x400000, (1 << 2) | (1 << 5), 0), " spielt mit kürzeren Pässen, spielt mit höheren Bällen");
    EXPECT_EQ(ereignis(0x400000, 2 | (1 << 15), 1), " erhöht den Einsatz, geht härter in die Zweikämpfe");
    // nothing pending: no text, and the same record in a second window gets nothing
    r.kopf.offen = 0;
    EXPECT_EQ(Spielszenen_Ereignis_Ticker(&f), 0);
    r.kopf.code = 0x40;
    r.kopf.offen = 1;
    Spielszenen_Fenster g = f;
    EXPECT_EQ(Spielszenen_Ereignis_Ticker(&f), 1);
    EXPECT_EQ(Spielszenen_Ereignis_Ticker(&g), 0);
}

// Pixel of page 1 at a window position.
uint16_t pixel(int32_t x, int32_t y) { return static_cast<uint16_t*>(Grafik_Seite_1->pixels)[y * 640 + x]; }

TEST_F(Spielszenen, BlittersCutAtTheWindowAndKeepFeetOnThePoint)
{
    ein_fenster();
    Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[0];
    Rle_Sprite* s = Spielszenen_Grafik.animation[ANIM_STEHEN][2][0];
    ASSERT_NE(s, nullptr);
    auto leeren = [&] { std::memset(Grafik_Seite_1->pixels, 0, 640 * 480 * 2); };
    const uint16_t* farben = f.figur_farben[1];
    // feet on the object's pixel: the shadow row lies just below the point, plain and mirrored
    for (int32_t spiegel = 0; spiegel < 2; ++spiegel) {
        leeren();
        s->mirrored = uint8_t(spiegel);
        Spielszenen_Sprite_Farbe_Zeichnen(s, &f, farben, records[0]->ansicht_x + 300, records[0]->ansicht_y + 200);
        int32_t unten = -1, links = 640, rechts = -1;
        for (int32_t y = 0; y < 480; ++y)
            for (int32_t x = 0; x < 640; ++x)
                if (pixel(x, y)) unten = y, links = std::min(links, x), rechts = std::max(rechts, x);
        EXPECT_EQ(unten, f.y + 200 + 1) << spiegel;
        EXPECT_LE(links, f.x + 300) << spiegel;
        EXPECT_GE(rechts, f.x + 300) << spiegel;
    }
    // cut at the left edge: nothing left of the window; a cut mirrored sprite equals the uncut
    // one inside the window
    s->mirrored = 1;
    leeren();
    Spielszenen_Sprite_Farbe_Zeichnen(s, &f, farben, records[0]->ansicht_x + 30, records[0]->ansicht_y + 100);
    std::vector<uint16_t> ganz(static_cast<uint16_t*>(Grafik_Seite_1->pixels), static_cast<uint16_t*>(Grafik_Seite_1->pixels) + 640 * 480);
    leeren();
    Spielszenen_Sprite_Farbe_Zeichnen(s, &f, farben, records[0]->ansicht_x + 6, records[0]->ansicht_y + 100);
    int32_t gezeichnet = 0;
    for (int32_t y = 0; y < 480; ++y) {
        for (int32_t x = 0; x < f.x; ++x) EXPECT_EQ(pixel(x, y), 0) << x << "," << y;
        for (int32_t x = f.x; x < f.x + 20; ++x) {
            const uint16_t soll = x + 24 < 640 ? ganz[size_t(y * 640 + x + 24)] : 0;
            EXPECT_EQ(pixel(x, y), soll) << x << "," << y;
            gezeichnet += pixel(x, y) != 0;
        }
    }
    EXPECT_GT(gezeichnet, 0);
    // wholly outside: nothing
    leeren();
    Spielszenen_Sprite_Farbe_Zeichnen(s, &f, farben, records[0]->ansicht_x - 40, records[0]->ansicht_y + 100);
    for (int32_t i = 0; i < 640 * 480; ++i) ASSERT_EQ(static_cast<uint16_t*>(Grafik_Seite_1->pixels)[i], 0);
    s->mirrored = 0;
    // signs only at size 0
    Rle_Sprite* zeichen = Spielszenen_Bild(SZ_ZEICHEN);
    ASSERT_NE(zeichen, nullptr);
    f.groesse = 1;
    Spielszenen_Zeichen_Blit(&f, zeichen, records[0]->ansicht_x + 100, records[0]->ansicht_y + 100);
    for (int32_t i = 0; i < 640 * 480; ++i) ASSERT_EQ(static_cast<uint16_t*>(Grafik_Seite_1->pixels)[i], 0);
    f.groesse = 0;
    Spielszenen_Zeichen_Blit(&f, zeichen, records[0]->ansicht_x + 100, records[0]->ansicht_y + 100);
    EXPECT_NE(pixel(f.x + 102, f.y + 102), 0);
}

TEST_F(Spielszenen, FiguresBallShadowOrderAndFrameCache)
{
    Spielfeld_Steuerung_Block st = ein_fenster();
    Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[0];
    Spielfeld_Record& r = *records[0];
    r.objekt[SPIELFELD_BALL].z = 20.0f;
    Spielszenen_Figuren_Zeichnen(&r, &st, &f);
    EXPECT_EQ(r.objekt[SPIELFELD_BALL].auftrag[0].animation, 10);
    EXPECT_EQ(r.objekt[SPIELFELD_BALL + 1].aktiv, 0);
    r.objekt[SPIELFELD_BALL].z = 20.1f;
    Spielszenen_Figuren_Zeichnen(&r, &st, &f);
    EXPECT_EQ(r.objekt[SPIELFELD_BALL].auftrag[0].animation, 9);
    EXPECT_EQ(r.objekt[SPIELFELD_BALL + 1].aktiv, 1);
    EXPECT_EQ(r.objekt[SPIELFELD_BALL + 1].x, r.objekt[SPIELFELD_BALL].x);
    // invisible objects are neither sorted nor drawn; mirroring reverses the order
    r.objekt[5].aktiv = 0;
    int32_t folge[SPIELFELD_OBJEKTE], gespiegelt[SPIELFELD_OBJEKTE];
    const int32_t n = Spielszenen_Zeichenfolge(folge, SPIELFELD_OBJEKTE);
    Spielszenen_Figuren_Zeichnen(&r, &st, &f);
    const int32_t n1 = Spielszenen_Zeichenfolge(folge, SPIELFELD_OBJEKTE);
    EXPECT_EQ(n1, n - 1);
    for (int32_t i = 0; i < n1; ++i) EXPECT_NE(folge[i], 5);
    for (int32_t i = 1; i < n1; ++i) EXPECT_LE(r.objekt[folge[i - 1]].y, r.objekt[folge[i]].y);
    r.gespiegelt = 1;
    Spielszenen_Figuren_Zeichnen(&r, &st, &f);
    Spielszenen_Zeichenfolge(gespiegelt, SPIELFELD_OBJEKTE);
    for (int32_t i = 1; i < n1; ++i) EXPECT_GE(r.objekt[gespiegelt[i - 1]].y, r.objekt[gespiegelt[i]].y);
    r.gespiegelt = 0;
    // a figure changes its picture at most every 70 ms of match time
    int32_t code, bild, richtung;
    r.frame_zeit += 100;
    r.objekt[3].auftrag[0].wert_40 = 1;
    Spielszenen_Figuren_Zeichnen(&r, &st, &f);
    r.objekt[3].auftrag[0].wert_40 = 2;
    r.frame_zeit += 69;
    Spielszenen_Figuren_Zeichnen(&r, &st, &f);
    Spielszenen_Figur_Wahl(0, 3, &code, &bild, &richtung);
    EXPECT_EQ(bild, 1);
    r.frame_zeit += 1;
    Spielszenen_Figuren_Zeichnen(&r, &st, &f);
    Spielszenen_Figur_Wahl(0, 3, &code, &bild, &richtung);
    EXPECT_EQ(bild, 2);
    // frames and directions beyond the loaded sprites are clamped, never read past the list
    r.objekt[4].auftrag[0].wert_40 = 200;
    r.objekt[4].auftrag[0].animation = 3;
    r.frame_zeit += 100;
    Spielszenen_Figuren_Zeichnen(&r, &st, &f);
    // ring ranks: bit 1 wins, then 4, 2, 16, 8
    EXPECT_EQ(Spielszenen_Ring_Index(1 | 2 | 4 | 8 | 16), 4);
    EXPECT_EQ(Spielszenen_Ring_Index(2 | 8 | 16), 2);
    EXPECT_EQ(Spielszenen_Ring_Index(8), 0);
    EXPECT_EQ(Spielszenen_Ring_Index(0), -1);
}

TEST_F(Spielszenen, BlinkPhasesFollowTheRecordsClock)
{
    Spielfeld_Record& r = *records[0];
    r.frame_zeit = 0xFFFFFF00u;
    Spielszenen_Blinken_Record(&r);
    const uint8_t schnell = Spielszenen_Blink_Schnell, normal = Spielszenen_Blink_Normal;
    r.frame_zeit += 100;
    Spielszenen_Blinken_Record(&r);
    EXPECT_EQ(Spielszenen_Blink_Schnell, schnell);
    r.frame_zeit += 1;  // past the wrap of the clock
    Spielszenen_Blinken_Record(&r);
    EXPECT_NE(Spielszenen_Blink_Schnell, schnell);
    EXPECT_EQ(Spielszenen_Blink_Normal, normal);
    r.frame_zeit += 150;
    Spielszenen_Blinken_Record(&r);
    EXPECT_NE(Spielszenen_Blink_Normal, normal);
}

// The report screens around a match blink on the program's clock.
TEST_F(Spielszenen, WithoutARecordTheBlinkFollowsTheProgramsClock)
{
    Spielszenen_Blinken();
    const uint8_t normal = Spielszenen_Blink_Normal;
    Spielszenen_Blinken();
    EXPECT_EQ(Spielszenen_Blink_Normal, normal);
    Os_Clock_Advance(300);
    Spielszenen_Blinken();
    EXPECT_NE(Spielszenen_Blink_Normal, normal);
}

TEST_F(Spielszenen, ReplayShowsTheRecordsSnapshotsInOrderAndLeavesItAlone)
{
    Spielfeld_Init();
    Spielfeld_Record& r = *records[0];
    Spielfeld_Record& anders = *records[1];
    for (int32_t k = 0; k < 5; ++k) {
        r.objekt[SPIELFELD_BALL].x = 1000.0f * float(k);
        Spielfeld_Replay_Schnappschuss(&r);
        Spielfeld_Replay_Schnappschuss(&anders);
    }
    r.objekt[SPIELFELD_BALL].x = 9999.0f;
    const Spielfeld_Record vorher = r;
    Spielfeld_Replay_Starten(&r);
    ASSERT_EQ(Spielfeld_Replay_Flag(), 1);
    std::vector<float> gezeigt;
    while (Spielfeld_Replay_Flag() && gezeigt.size() < 20) {
        gezeigt.push_back(Spielszenen_Replay_Record(&r)->objekt[SPIELFELD_BALL].x);
        EXPECT_EQ(Spielszenen_Replay_Record(&anders), &anders);
        Spielszenen_Replay_Weiter();
    }
    EXPECT_EQ(gezeigt, (std::vector<float>{0, 1000, 2000, 3000, 4000}));
    EXPECT_EQ(std::memcmp(&vorher, &r, sizeof r), 0);
    EXPECT_EQ(Spielszenen_Replay_Record(&r), &r);
    Spielfeld_DeInit();
}

// Pictures to look at: the hand-filled record at every window size and from the other side.
// The narrow pieces of the frame picture beside the window come from the picture loaded now,
// pixel for pixel, though it may lie where the last one lay.
TEST_F(Spielszenen, TheFramesNarrowPiecesFollowTheFramePicture)
{
    ein_fenster();
    for (uint16_t basis : {uint16_t(0x100), uint16_t(0x2000)}) {
        Spielszenen_Grafik.rahmen_stil = -1;
        Spielszenen_Rahmen_Laden();
        Rastport* rahmen = Spielszenen_Grafik.rahmen;
        ASSERT_TRUE(rahmen && !rahmen->packed && rahmen->width == 640 && rahmen->height == 480);
        auto* p = static_cast<uint16_t*>(rahmen->pixels);
        for (int32_t y = 0; y < 480; ++y)
            for (int32_t x = 0; x < 640; ++x) p[y * 640 + x] = uint16_t(basis + x + 7 * y);
        Spielszenen_Fenster_Zeichnen(Grafik_Seite_1, 0);
        const auto* seite = static_cast<const uint16_t*>(Grafik_Seite_1->pixels);
        for (int32_t y : {40, 300, 474})
            for (int32_t x : {0, 4, 606, 611}) EXPECT_EQ(seite[y * 640 + x], uint16_t(basis + x + 7 * y)) << x << "," << y;
    }
}

TEST_F(Spielszenen, PicturesOfAFrame)
{
    laden();
    records[0]->objekt[SPIELFELD_BALL].z = 150;
    const std::string ordner = SPIELSZENEN_ORDNER + "/bilder_" + std::to_string(::getpid());
    fs::create_directories(ordner);
    auto bild = [&](const char* name, int32_t n) {
        verteilen(n);
        for (int32_t i = 0; i < n && i < 4; ++i) Spielszenen_Fenster_Ticker_Setzen(&Spielszenen_Fenster_Liste[i], "Gelbe Karte für Mustermann.");
        zeichnen();
        EXPECT_TRUE(Os_Display_Dump_Png((ordner + "/" + name + ".png").c_str()));
    };
    bild("voll", 1);
    bild("haelften", 2);
    bild("viertel", 4);
    records[0]->gespiegelt = 1;
    bild("gespiegelt", 1);
}

// The header shows a club's name whole where it fits between the crest and the clock or the
// spectators, and a longer one is cut to that room; the texts of the header keep apart.
TEST_F(Spielszenen, TheHeaderShowsAClubsNameWholeWhereItFits)
{
    laden();
    ASSERT_NE(Font_Slots[9], nullptr);
    char probe[64];
    const char* name = "FC Rothinbrück";
    for (int32_t g : {0, 1, 2}) {
        SCOPED_TRACE(g);
        EXPECT_GE(Spielszenen_Kopf_Breite(g), Spielszenen_Text_Kuerzen(probe, sizeof probe, name, 9, 1 << 20));
        // the home name from 47 ends before the clock (full and half) or the score (quarter)
        EXPECT_LT(47 + Spielszenen_Kopf_Breite(g), g == 2 ? 140 : 138 + 44);
    }
    // the away name ends at the width - 47 and starts after the spectators ("999.999 Zusch.")
    const int32_t zuschauer = Spielszenen_Text_Kuerzen(probe, sizeof probe, "999.999 Zusch.", 9, 1 << 20);
    EXPECT_GT(603 - 47 - Spielszenen_Kopf_Breite(0), 138 - 5 + 230 + zuschauer);
    EXPECT_GT(298 - 47 - Spielszenen_Kopf_Breite(2), 160);
}

// A name marked bold (a manager's club) cut to any room: neither the measuring nor printing the
// cut text leaves the font bold for the texts after it, and no piece of a code is left to print.
TEST_F(Spielszenen, ACutBoldNameLeavesItsFontAsItWas)
{
    laden();
    Font_Record* f = Font_Slots[9];
    ASSERT_NE(f, nullptr);
    const char* name = "^bb^ubHeidenow^be^ue";
    char cut[64];
    for (uint32_t vorher : {0u, 1u}) {
        f->bold = vorher;
        const int32_t voll = Spielszenen_Text_Kuerzen(cut, sizeof cut, name, 9, 1 << 20);
        EXPECT_EQ(f->bold, vorher);
        for (int32_t max = voll - 1; max > 0; --max) {
            SCOPED_TRACE(max);
            f->bold = vorher;
            EXPECT_LE(Spielszenen_Text_Kuerzen(cut, sizeof cut, name, 9, max), max);
            EXPECT_EQ(f->bold, vorher) << cut;
            const std::string t = cut;
            EXPECT_TRUE(t.empty() || t.back() != '^') << t;
            EXPECT_EQ(t.find("^u^"), std::string::npos) << t;
            f->bold = 0;
            Grafik_Printf_Ungezeichnet(Grafik_Seite_1, f, "%s", 0, 20, cut);
            EXPECT_EQ(f->bold, 0u) << t;
        }
    }
    f->bold = 0;
}

// The screen against page 1 after a frame: pixels that differ from what the pointer image at
// (x, y) and the page would show there. The page itself must hold no pointer any more.
int32_t zeiger_abweichungen(int32_t form, int32_t x, int32_t y)
{
    const Rastport* bild = Mauszeiger_Tabelle.images[form]->picture;
    int pitch = 0;
    const uint16_t* schirm = Os_Display_Frame(&pitch);
    const auto* seite = static_cast<const uint16_t*>(Grafik_Seite_1->pixels);
    const auto* zeiger = static_cast<const uint16_t*>(bild->pixels);
    if (!schirm) return -1;
    int32_t falsch = 0;
    for (int32_t py = 0; py < 480; ++py)
        for (int32_t px = 0; px < 640; ++px) {
            uint16_t soll = seite[py * int32_t(Grafik_Seite_1->width) + px];
            const int32_t bx = px - x, by = py - y;
            if (bx >= 0 && by >= 0 && bx < int32_t(bild->width) && by < int32_t(bild->height) && zeiger[by * bild->width + bx])
                soll = zeiger[by * bild->width + bx];
            falsch += schirm[py * pitch + px] != soll;
        }
    return falsch;
}

// Each frame takes the pointer shape its panels name: the hand over a button of the side bar,
// the arrow over the play again; the pointer stands on the screen where the mouse is (the
// program's own is held still while the view copies its page over the screen) and follows
// it; leaving the scene gives the pointer back.
TEST_F(Spielszenen, ThePointerTakesTheShapeOfWhatLiesBelowIt)
{
    Spielfeld_Steuerung_Block st = ein_fenster();
    if (Mauszeiger_Tabelle.anzahl == 0) Mauszeiger_Load_All(ResFile_Handles[0].handle);
    ASSERT_GT(Mauszeiger_Tabelle.anzahl, 6);
    ASSERT_NE(Mauszeiger_Tabelle.images[6], nullptr);
    Os_Input_Set_Buttons(false, false);
    Spielszenen_Neu_Zeichnen();
    Os_Input_Set_Mouse(200, 200);
    Spielszenen_Run(records[0].get(), &st, 0);
    // the page goes on to the next screen when the view is left: it keeps no pointer
    const auto* seite = static_cast<const uint16_t*>(Grafik_Seite_1->pixels);
    const std::vector<uint16_t> ohne(seite, seite + 640 * 480);
    Os_Input_Set_Mouse(300, 300);
    Spielszenen_Run(records[0].get(), &st, 0);
    {
        // the play goes on under it: count the pointer's own pixels left on the page
        const Rastport* bild = Mauszeiger_Tabelle.images[0]->picture;
        const auto* zeiger = static_cast<const uint16_t*>(bild->pixels);
        int32_t gezeichnet = 0, geblieben = 0;
        for (uint32_t y = 0; y < bild->height; ++y)
            for (uint32_t x = 0; x < bild->width; ++x)
                if (const uint16_t z = zeiger[y * bild->width + x]) {
                    ++gezeichnet;
                    geblieben += seite[(300 + y) * 640 + 300 + x] == z && ohne[(300 + y) * 640 + 300 + x] != z;
                }
        EXPECT_GT(gezeichnet, 20);
        EXPECT_LT(geblieben, gezeichnet / 4) << "the page holds no pointer";
    }
    Os_Input_Set_Mouse(625, 31);
    Spielszenen_Run(records[0].get(), &st, 0);
    EXPECT_EQ(Spielszenen_Zeiger_Gewaehlt(), 6);
    EXPECT_EQ(zeiger_abweichungen(6, 625, 31), 0);
    for (auto [x, y] : {std::pair{300, 300}, {301, 302}, {635, 475}}) {
        Os_Input_Set_Mouse(x, y);
        Spielszenen_Run(records[0].get(), &st, 0);
        EXPECT_EQ(Spielszenen_Zeiger_Gewaehlt(), 0);
        EXPECT_EQ(zeiger_abweichungen(0, x, y), 0) << x << " " << y;
    }
    // a set piece of the own side being set up: the pointer tells that a click chooses the taker
    Spielszenen_Fenster_Liste[0].seite = 0;
    records[0]->ecke_offen = 1;
    records[0]->standard_seite = 0;
    Os_Input_Set_Mouse(250, 260);
    Spielszenen_Run(records[0].get(), &st, 0);
    records[0]->ecke_offen = 0;
    ASSERT_EQ(Spielszenen_Zeiger_Gewaehlt(), 10);
    ASSERT_NE(Mauszeiger_Tabelle.images[10], nullptr);
    EXPECT_EQ(zeiger_abweichungen(10, 250, 260), 0);
    Mauszeiger_Unfreeze();
    Os_Input_Set_Mouse(625, 31);
    Spielszenen_Run(records[0].get(), &st, 0);
    Spielszenen_Grafik_Freigeben();
    EXPECT_EQ(Spielszenen_Zeiger_Gewaehlt(), -1);
}

// The taker panel holds the match until a taker is chosen: it shows where the match waits for it
// even when its window is hidden behind another game's, else the match would wait unseen.
TEST_F(Spielszenen, TheTakerPanelShowsOverAHiddenWindow)
{
    ein_fenster();
    Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[0];
    records[0]->ecke_offen = 1;
    records[0]->standard_seite = 0;
    f.standard_offen = 1;
    Os_Input_Set_Buttons(false, false);
    Os_Input_Set_Mouse(Spielszenen_Schuetze_X + 20, Spielszenen_Schuetze_Y + 10);
    for (uint8_t sichtbar : {1, 0}) {
        f.sichtbar = sichtbar;
        Spielszenen_Maus_Genommen = 0;
        Spielszenen_Fenster_Zeichnen(Grafik_Seite_1, 0);
        EXPECT_EQ(Spielszenen_Maus_Genommen, 2) << "the panel lies under the mouse, window shown: " << int(sichtbar);
    }
    Os_Input_Set_Mouse(0, 0);
}

// The table (a league of 18), the events list and the tactics panel, each opened where it first
// opens, leave each other free: no point of the screen takes the mouse for two of them.
TEST_F(Spielszenen, ThePanelsOpenWhereTheyLeaveEachOtherFree)
{
    ein_fenster();
    Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[0];
    f.seite = 0;
    Spielszenen_Tabelle_Zuruecksetzen();
    Spielszenen_Taktik_Panel_Zuruecksetzen();
    Spielszenen_Ereignisliste_X = SPIELSZENEN_EREIGNISLISTE_START_X, Spielszenen_Ereignisliste_Y = SPIELSZENEN_PANEL_START_Y;
    auto t = std::make_unique<Tabelle_Datensatz>();
    t->anzahl = 18;
    for (int32_t i = 0; i < 18; ++i) t->platz[i] = i, t->vorher[i] = -1, t->team[i] = i;
    auto nimmt = [&](int32_t panel, int32_t x, int32_t y) {
        Spielszenen_Maus_Genommen = 0;
        if (panel == 0) Spielszenen_Tabelle_Bei(nullptr, &f, t.get(), nullptr, x, y, 0);
        if (panel == 1) Spielszenen_Ereignisliste_Bei(nullptr, &f, f.record, x, y, 0);
        if (panel == 2) Spielszenen_Taktik_Einstellungen_Bei(nullptr, &f, x, y, 0);
        return Spielszenen_Maus_Genommen == 2;
    };
    int32_t flaeche[3] = {}, doppelt = 0;
    for (int32_t y = 0; y < 480; y += 4)
        for (int32_t x = 0; x < 640; x += 4) {
            int32_t n = 0;
            for (int32_t panel = 0; panel < 3; ++panel)
                if (nimmt(panel, x, y)) ++n, ++flaeche[panel];
            doppelt += n > 1;
        }
    for (int32_t panel = 0; panel < 3; ++panel) EXPECT_GT(flaeche[panel], 1000) << panel;
    EXPECT_EQ(doppelt, 0);
    Spielszenen_Tabelle_Zuruecksetzen();
    Spielszenen_Taktik_Panel_Zuruecksetzen();
}

// Two players side by side: the second name moves up above the first instead of running into
// it; a player far off keeps his place, and a label asked for twice is written once.
TEST_F(Spielszenen, NamesOfNearbyPlayersDoNotRunTogether)
{
    ein_fenster();
    Spielszenen_Fenster& f = Spielszenen_Fenster_Liste[0];
    Spielfeld_Record& r = *records[0];
    Test_Spieler_Anlegen(5);
    for (int32_t s : {1, 2, 3}) r.spieler[s].spnr = s;
    r.objekt[1].pixel_x = r.ansicht_x + 200, r.objekt[1].pixel_y = r.ansicht_y + 200;
    r.objekt[2].pixel_x = r.ansicht_x + 230, r.objekt[2].pixel_y = r.ansicht_y + 204;
    r.objekt[3].pixel_x = r.ansicht_x + 400, r.objekt[3].pixel_y = r.ansicht_y + 200;
    Spielszenen_Nummern_Zeichnen(&f, nullptr);
    const int32_t a = Spielszenen_Spieler_Beschriften_Bei(&f, &r, 1);
    const int32_t b = Spielszenen_Spieler_Beschriften_Bei(&f, &r, 2);
    const int32_t c = Spielszenen_Spieler_Beschriften_Bei(&f, &r, 3);
    Font_Record* fo = Font(4);
    ASSERT_NE(fo, nullptr);
    EXPECT_EQ(a, r.ansicht_y + 200 - 39);
    EXPECT_LE(b, a - int32_t(fo->strip->height)) << "the second name stands above the first";
    EXPECT_EQ(c, r.ansicht_y + 200 - 39);
    EXPECT_EQ(Spielszenen_Spieler_Beschriften_Bei(&f, &r, 2), b);
    Test_Aufraeumen();
}

}  // namespace
