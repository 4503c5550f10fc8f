// The live record's change block: what the panel writes is taken at a minute's end, merged,
// checked and applied two minutes later with the ticker's event; the panel's buttons, slider and
// dragging.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "common/capture.h"
#include "gameflow/globals.h"
#include "match/pitch/spielfeld_ereignis.h"
#include "match/spielfeld.h"
#include "match/spielfeld_netz.h"
#include "matchview/live/spielszenen_live.h"
#include "matchview/spielszenen_taktik.h"
#include "network/signal_welt.h"
#include "platform/bytes.h"

namespace {

using Bytes = std::vector<uint8_t>;

std::unique_ptr<Spielfeld_Record> neuer_record()
{
    auto r = std::make_unique<Spielfeld_Record>();
    for (int32_t s = 0; s < 2; ++s) {
        for (int32_t t = 0; t < 8; ++t) r->taktik[s][t] = 1;
        r->einsatz[s] = 50;
        for (int32_t j = 0; j < 7; ++j) r->einwechsel[s][j] = r->auswechsel[s][j] = -1;
    }
    for (int32_t slot = 0; slot < SPIELFELD_SLOTS; ++slot) r->spieler[slot].anweisung[0] = 2;
    r->periode = 1;
    Spielfeld_Anweisungen_Fuellen(r.get());
    return r;
}

// Steps the record's minutes from..bis as the frame step does: apply at the start, take at the end.
void minuten(Spielfeld_Record* r, int32_t von, int32_t bis)
{
    for (int32_t m = von; m <= bis; ++m) {
        r->minute = uint16_t(m);
        Spielfeld_Anweisungen_Anwenden(r, m);
        Spielfeld_Anweisungen_Uebernehmen(r, m);
    }
}

TEST(Aenderungsblock, FillingPutsTheEnginesValuesAtTheirPinnedPlaces)
{
    auto r = neuer_record();
    r->taktik[1][7] = 2;
    r->einsatz[1] = 77;
    r->spieler[20].anweisung[5] = 3;   // +120 of slot 20
    r->spieler[3].anweisung[7] = 1;    // +122 of slot 3
    Spielfeld_Anweisungen_Fuellen(r.get());
    Bytes b(SPIELFELD_RECORD_BYTES);
    Spielfeld_Record_Schreiben(*r, b.data());
    EXPECT_EQ(b[22758], 1);
    EXPECT_EQ(b[22761 + 8 + 7], 2);
    EXPECT_EQ(Bytes_Hole32(b.data() + 22784), 77u);
    EXPECT_EQ(b[22820 + 20], 3);
    EXPECT_EQ(b[23012 + 3], 1);
    EXPECT_EQ(b[22788 + 31], 2);
    for (uint32_t p = 23044; p < 23072; ++p) EXPECT_EQ(b[p], 255) << p;
}

TEST(Aenderungsblock, AChangeInMinuteFortyAppliesAtTheStartOfFortyTwoWithItsEvent)
{
    auto r = neuer_record();
    uint8_t* b = r->anweisungen;
    b[ANW_TAKTIK + 8 + 3] = 2;                    // away side raises its offside trap
    b[ANW_TAKTIK + 8 + 4] = 0;                    // fairness: no text
    Bytes_Setze32(b + ANW_EINSATZ + 4, 80);       // and its effort
    b[ANW_FLAGS + 1] = ANWEISUNG_TAKTIK | ANWEISUNG_EINSATZ;
    r->kopf.offen = 0;
    minuten(r.get(), 40, 40);
    EXPECT_EQ(b[ANW_FLAGS + 1], 0);
    EXPECT_EQ(Bytes_Hole16(b + ANW_MINUTE + 2), 42);
    EXPECT_EQ(Spielfeld_Aenderung_Minute(r.get(), 1), 42);
    EXPECT_EQ(Spielfeld_Aenderung_Minute(r.get(), 0), -1);
    minuten(r.get(), 41, 41);
    EXPECT_EQ(r->taktik[1][3], 1);
    EXPECT_EQ(r->einsatz[1], 50);
    EXPECT_EQ(r->kopf.offen, 0);
    minuten(r.get(), 42, 42);
    EXPECT_EQ(r->taktik[1][3], 2);
    EXPECT_EQ(r->taktik[1][4], 0);
    EXPECT_EQ(r->einsatz[1], 80);
    EXPECT_EQ(r->taktik[0][3], 1);
    EXPECT_EQ(Spielfeld_Aenderung_Minute(r.get(), 1), -1);
    // the ticker tells it: raised effort, and the trap by the text of its new value
    EXPECT_EQ(r->kopf.code & EREIGNIS_TAKTIK, EREIGNIS_TAKTIK);
    EXPECT_EQ(r->kopf.zweiter, (1 << 1) | (1 << 8));
    Spielszenen_Fenster f{};
    f.record = r.get();
    ASSERT_EQ(Spielszenen_Ereignis_Ticker(&f), 1);
    EXPECT_NE(std::string(Spielszenen_Ticker_Puffer()).find("erhöht den Einsatz, spielt mit Abseitsfalle"), std::string::npos)
        << Spielszenen_Ticker_Puffer();
    // the panel keeps showing the last chosen values
    EXPECT_EQ(b[ANW_TAKTIK + 8 + 3], 2);
}

TEST(Aenderungsblock, ASecondChangeMergesAndInstructionsAndListsGoByTheirFlags)
{
    auto r = neuer_record();
    uint8_t* b = r->anweisungen;
    Bytes_Setze32(b + ANW_EINSATZ, 20);
    b[ANW_FLAGS] = ANWEISUNG_EINSATZ;
    minuten(r.get(), 10, 10);
    b[ANW_TAKTIK + 0] = 2;
    b[ANW_SPIELER + 32 * 1 + 4] = 4;              // +120 of slot 4
    r->netz_einwechsel[0][0] = 14;
    r->netz_auswechsel[0][0] = 6;
    b[ANW_FLAGS] = ANWEISUNG_TAKTIK | ANWEISUNG_SPIELER;
    minuten(r.get(), 11, 11);
    EXPECT_EQ(Spielfeld_Aenderung_Minute(r.get(), 0), 13);
    minuten(r.get(), 12, 13);
    EXPECT_EQ(r->einsatz[0], 20);
    EXPECT_EQ(r->taktik[0][0], 2);
    EXPECT_EQ(r->spieler[4].anweisung[5], 4);
    EXPECT_EQ(r->einwechsel[0][0], -1);           // no substitution flag: the lists stay
    EXPECT_EQ(r->kopf.zweiter, 1 | (1 << 3));    // lowered effort, longer passes
    b[ANW_FLAGS] = ANWEISUNG_WECHSEL;
    minuten(r.get(), 14, 16);
    EXPECT_EQ(r->einwechsel[0][0], 14);
    EXPECT_EQ(r->auswechsel[0][0], 6);
    EXPECT_EQ(r->spieler[4].anweisung[5], 4);
}

TEST(Aenderungsblock, ValuesOutOfRangeFromAPeerAreDroppedWithAReport)
{
    auto r = neuer_record();
    uint8_t blk[320];
    Spielfeld_Anweisungen_Lesen(*r, blk);
    blk[ANW_FLAGS + 1] = 15;
    Bytes_Setze16(blk + ANW_MINUTE + 2, 7);
    blk[ANW_TAKTIK + 8 + 0] = 3;                   // no such value
    blk[ANW_TAKTIK + 8 + 1] = 2;                   // good
    Bytes_Setze32(blk + ANW_EINSATZ + 4, 101);
    blk[ANW_SPIELER + 32 * 5 + 16 + 2] = 3;        // a keeper row of three steps
    blk[ANW_SPIELER + 32 * 7 + 16 + 2] = 3;        // the row of four: good
    blk[292 + 7] = 3;                              // a home slot in the away list
    blk[306 + 7] = 17;                             // good
    Fehler_Capture cap;
    Spielfeld_Anweisungen_Einreihen(r.get(), 1, blk);
    EXPECT_EQ(cap.texts.size(), 1u);
    EXPECT_EQ(Spielfeld_Aenderung_Minute(r.get(), 1), 7);
    EXPECT_TRUE(Spielfeld_Aenderung_Gueltig(r->aenderung[1], 1));
    Spielfeld_Anweisungen_Anwenden(r.get(), 7);
    EXPECT_EQ(r->taktik[1][0], 1);
    EXPECT_EQ(r->taktik[1][1], 2);
    EXPECT_EQ(r->einsatz[1], 50);
    EXPECT_EQ(r->spieler[18].anweisung[9], 0);
    EXPECT_EQ(r->spieler[18].anweisung[7], 3);
    EXPECT_EQ(r->einwechsel[1][0], -1);
    EXPECT_EQ(r->auswechsel[1][0], 17);
    // the saved form is checked whole
    uint8_t a[SPIELFELD_AENDERUNG_BYTES] = {};
    a[0] = 1;
    std::memset(a + 141, 255, 14);
    EXPECT_TRUE(Spielfeld_Aenderung_Gueltig(a, 0));
    a[0] = 16;
    EXPECT_FALSE(Spielfeld_Aenderung_Gueltig(a, 0));
    a[0] = 1;
    a[12] = 101;
    EXPECT_FALSE(Spielfeld_Aenderung_Gueltig(a, 0));
    a[12] = 100;
    a[141] = 16;
    EXPECT_FALSE(Spielfeld_Aenderung_Gueltig(a, 0));
    EXPECT_TRUE(Spielfeld_Aenderung_Gueltig(a, 1));
}

// A full-size window of the home side with the panel placed afresh.
class TaktikPanel : public ::testing::Test {
protected:
    std::unique_ptr<Spielfeld_Record> r = neuer_record();
    Spielszenen_Fenster f{};
    int32_t x = 0, y = 0;
    void SetUp() override
    {
        Spielszenen_Taktik_Panel_Zuruecksetzen();
        f.record = r.get();
        f.seite = 0;
        f.breite = 603;
        f.hoehe = 471;
        r->assistent[0] = 1;
        frame(0, 0, 0);
        x = Spielszenen_Taktik_Panel_X;
        y = Spielszenen_Taktik_Panel_Y;
    }
    void TearDown() override { Spielszenen_Taktik_Panel_Zuruecksetzen(); }
    void frame(int32_t mx, int32_t my, int32_t tasten) { Spielszenen_Taktik_Einstellungen_Bei(nullptr, &f, mx, my, tasten); }
    uint32_t einsatz() const { return Bytes_Hole32(r->anweisungen + ANW_EINSATZ); }
};

TEST_F(TaktikPanel, APressStepsATacticOnceAndWrapsAfterTwo)
{
    // first opened in the lower right corner, clear of the table and the events list
    EXPECT_EQ(x, 606 - 310);
    EXPECT_EQ(y, 475 - 138);
    const int32_t bx = x + 159 + 10, by = y + 54 + 10;  // button 2
    std::vector<int> werte;
    for (int32_t i = 0; i < 3; ++i) {
        frame(bx, by, 1);
        frame(bx, by, 1);  // held: no second step
        werte.push_back(r->anweisungen[ANW_TAKTIK + 2]);
        frame(bx, by, 0);
    }
    EXPECT_EQ(werte, (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(r->anweisungen[ANW_FLAGS], ANWEISUNG_TAKTIK);
    EXPECT_EQ(r->assistent[0], 0);
    EXPECT_EQ(r->anweisungen[ANW_TAKTIK + 8 + 2], 1);  // the other side's values stay
    EXPECT_EQ(Spielszenen_Maus_Genommen, 2);
}

TEST_F(TaktikPanel, TheKnobCommitsOnReleaseAnywhereFromNinetyNineToZero)
{
    const int32_t k = 50 * 189 / 100;
    frame(x + 7 + k + 4, y + 127, 1);  // grabbed 4 pixels into the knob
    frame(x + 400, y + 127, 1);
    EXPECT_EQ(einsatz(), 50u);         // not before the release
    EXPECT_EQ(r->anweisungen[ANW_FLAGS], 0);
    frame(639, 2, 0);                  // let go far outside the panel
    EXPECT_EQ(einsatz(), 99u);
    EXPECT_EQ(r->anweisungen[ANW_FLAGS], ANWEISUNG_EINSATZ);
    EXPECT_EQ(r->assistent[0], 0);
    frame(x + 7 + 99 * 189 / 100 + 1, y + 127, 1);
    frame(0, y + 127, 1);
    frame(0, y + 127, 0);
    EXPECT_EQ(einsatz(), 0u);
    // a press on the track beside the knob drags at once with the last grab
    frame(x + 7 + 100, y + 127, 1);
    frame(x + 7 + 100, y + 127, 0);
    EXPECT_EQ(einsatz(), uint32_t((100 - 1) * 100 / 189));
}

TEST_F(TaktikPanel, DraggingKeepsThePanelInsideThePageAndCloseIsPosted)
{
    frame(x + 50, y + 5, 1);
    frame(0, 0, 1);
    EXPECT_EQ(Spielszenen_Taktik_Panel_X, 5);
    EXPECT_EQ(Spielszenen_Taktik_Panel_Y, 5);
    frame(639, 479, 1);
    EXPECT_EQ(Spielszenen_Taktik_Panel_X, 606 - 310);
    EXPECT_EQ(Spielszenen_Taktik_Panel_Y, 475 - 138);
    frame(639, 479, 0);
    EXPECT_EQ(r->anweisungen[ANW_FLAGS], 0);  // a panel drag changes nothing
    x = Spielszenen_Taktik_Panel_X, y = Spielszenen_Taktik_Panel_Y;
    Spielszenen_Panel_Befehl = -1;
    frame(x + 288 + 4, y + 109 + 4, 1);
    EXPECT_EQ(Spielszenen_Panel_Befehl, 1);
    Spielszenen_Panel_Befehl = -1;
    // the position holds for the next opening
    frame(0, 0, 0);
    EXPECT_EQ(Spielszenen_Taktik_Panel_X, x);
}

TEST_F(TaktikPanel, TheTitleEndsInsideThePanelWhateverTheClubsName)
{
    static std::vector<std::string> titel;
    Spielszenen_Set_Text_Hook([](int32_t, int32_t, const char* t) {
        if (std::strstr(t, ": Taktik-Einstellungen")) titel.emplace_back(t);
    });
    signal_welt::Vereine vereine(2);
    const std::string lang = "WWWWWWWWWWWWWWWWWWWWWWW";
    std::snprintf(vereine.fix[0].name, sizeof vereine.fix[0].name, "%s", lang.c_str());
    std::snprintf(vereine.fix[1].name, sizeof vereine.fix[1].name, "%s", "FC Ost");
    frame(0, 0, 0);
    r->team[0] = 1;
    frame(0, 0, 0);
    Spielszenen_Set_Text_Hook(nullptr);
    ASSERT_EQ(titel.size(), 2u);
    // the whole title, colour code aside, fits between x + 54 and the panel's right edge in the
    // smaller of its two fonts, and keeps the start of the name
    const std::string t = titel[0].substr(titel[0].find_first_of('W'));
    char puffer[96];
    EXPECT_LE(Spielszenen_Text_Kuerzen(puffer, sizeof puffer, t.c_str(), 9, 1 << 20), 310 - 54 - 6) << t;
    EXPECT_EQ(t.find("WWW"), 0u) << t;
    EXPECT_LT(t.find(':'), lang.size());
    EXPECT_NE(titel[1].find("FC Ost: Taktik-Einstellungen"), std::string::npos) << titel[1];
    titel.clear();
}

// Every value of every tactic, whole, inside the frame of the button that steps it.
TEST_F(TaktikPanel, EachValueStandsWhollyInsideItsButton)
{
    struct Text {
        int32_t y;
        std::string t;
    };
    static std::vector<Text> texte;
    Spielszenen_Set_Text_Hook([](int32_t, int32_t ty, const char* t) { texte.push_back({ty, t}); });
    constexpr int32_t KX[8] = {2, 85, 159, 232, 2, 79, 152, 225}, KY[8] = {54, 54, 54, 54, 76, 76, 76, 76};
    constexpr int32_t KB = 72, KH = 21;  // the buttons' highlight pictures
    for (int32_t v = 0; v < 3; ++v) {
        for (int32_t t = 0; t < 8; ++t) r->anweisungen[ANW_TAKTIK + t] = uint8_t(v);
        texte.clear();
        frame(0, 0, 0);
        int32_t t = 0;
        for (const Text& e : texte) {
            const size_t tz = e.t.find("^tz");
            if (tz == std::string::npos || e.t.find("^tz0018") != std::string::npos) continue;  // the slider's scale
            ASSERT_LT(t, 8);
            const int32_t mitte = std::stoi(e.t.substr(tz + 3, 4));
            const std::string wert = e.t.substr(tz + 7);
            EXPECT_EQ(wert, Taktik_Wert_Texte[3 * t + v]) << "cut";
            char puffer[32];
            const int32_t w = Spielszenen_Text_Kuerzen(puffer, sizeof puffer, wert.c_str(), 9, 1 << 20);
            EXPECT_GE(mitte - w / 2, KX[t] + 1) << wert;
            EXPECT_LE(mitte - w / 2 + w, KX[t] + KB - 1) << wert;
            EXPECT_GT(e.y - y, KY[t] + 8) << wert;
            EXPECT_LE(e.y - y, KY[t] + KH - 1) << wert;
            ++t;
        }
        EXPECT_EQ(t, 8);
    }
    Spielszenen_Set_Text_Hook(nullptr);
    texte.clear();
}

// The note that substitutions go through the line-up screen belongs to network play: a lone
// server (the single PC of a lone game) and a PC without a role show none, a client does.
TEST_F(TaktikPanel, TheNetworkNoteShowsInNetworkPlayOnly)
{
    static int32_t hinweise = 0;
    Spielszenen_Set_Text_Hook([](int32_t, int32_t, const char* t) { hinweise += std::strstr(t, "Direkte Wechsel") != nullptr; });
    const uint32_t rolle = Netz_Rolle;
    std::vector<int32_t> gesehen;
    for (uint32_t k : {0u, 3u, 1u}) {
        Netz_Rolle = k;
        hinweise = 0;
        frame(0, 0, 0);
        gesehen.push_back(hinweise);
    }
    Netz_Rolle = rolle;
    Spielszenen_Set_Text_Hook(nullptr);
    EXPECT_EQ(gesehen, (std::vector<int32_t>{0, 0, 1}));
}

}  // namespace
