// The printer of marked-up text and the two measuring functions, on 16-bit bitmaps.
#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <random>
#include <vector>
#include <string>

#include "common/capture.h"
#include "graphics/font_hilfe.h"
#include "graphics/grafik_printf.h"
#include "platform/handle.h"

namespace {

constexpr int BASIS = 20;  // baseline; glyph tops at 12 with ascent 8

struct Printf_Test : ::testing::Test {
    Font_Record* f = Test_Font(16);
    ~Printf_Test() override { Font_Free(f); }
    // The picture of a text printed on a fresh bitmap.
    std::vector<uint16_t> bild(const std::string& text, int x = 10)
    {
        Test_Bitmap bm(220, 40);
        Grafik_Printf(bm.rp, f, "%s", x, BASIS, text.c_str());
        return bm.pixels();
    }
};

}  // namespace

TEST_F(Printf_Test, ColoursLockAndCarriedColour)
{
    // A glyph printed in colour c has exactly colour c wherever it has ink.
    Test_Bitmap bm(220, 40);
    ASSERT_EQ(Grafik_Printf(bm.rp, f, "^c%05dAB", 0, BASIS, 0x1234), 1);
    int ink = 0;
    for (uint16_t p : bm.pixels())
        if (p) {
            ++ink;
            EXPECT_EQ(p, 0x1234);
        }
    EXPECT_GT(ink, 40);

    // ^c00000 after ^ic restores the saved colour (1: no ^c saved one) although locked.
    f->colour = 0x0F0F;
    Test_Bitmap b2(220, 40);
    Grafik_Printf(b2.rp, f, "^ic%05dA^c00000B^c%05dC", 0, BASIS, 0x2222, 0x3333);
    EXPECT_EQ(b2.at(0, 13), 0x2222);
    EXPECT_EQ(b2.at(6, 13), 1);
    EXPECT_EQ(b2.at(12, 13), 1);  // the lock keeps later colours away
    EXPECT_EQ(f->colour, 1u);

    // ^y after ^c00000 gives the new font the carried colour 0.
    Font_Record* g = Test_Font(16);
    Font_Slots[3] = g;
    g->colour = 0x7777;
    Grafik_Printf(b2.rp, f, "^c%05d^c00000^y0003x", 0, BASIS, 0x4444);
    EXPECT_EQ(g->colour, 0u);
    Font_Slots[3] = Font_Free(g);
}

TEST_F(Printf_Test, UnknownCodesTabsAndFixedAdvance)
{
    // '^' with an unknown letter prints the letter; "^^" drops the first '^'.
    EXPECT_EQ(bild("^q"), bild("q"));
    EXPECT_EQ(bild("^^c00001ab"), bild("^c00001ab"));
    EXPECT_EQ(bild("^ixy"), bild("xy"));

    // ^tr0100 abc: the run ends (advance included) exactly at start x + 100.
    Test_Bitmap bm(220, 40);
    Grafik_Printf(bm.rp, f, "^tr0100abc", 10, BASIS);
    EXPECT_EQ(bm.erste_spalte(), 10 + 100 - 18);
    EXPECT_EQ(bm.letzte_spalte(), 10 + 100 - 2);
    // ^tz centres the run on its position.
    Test_Bitmap bz(220, 40);
    Grafik_Printf(bz.rp, f, "^tz0100abc", 10, BASIS);
    EXPECT_EQ(bz.erste_spalte(), 10 + 100 - 9);

    // ^fb0006 stays in the font for the next call: glyphs of 5 sit one pixel into a 6 cell.
    EXPECT_EQ(bild("^fb0006"), bild(""));
    EXPECT_EQ(f->fixed_advance, 6u);
    Test_Bitmap bf(220, 40);
    Grafik_Printf(bf.rp, f, "AAA", 0, BASIS);
    EXPECT_EQ(bf.erste_spalte(), 1);
    EXPECT_EQ(bf.letzte_spalte(), 12 + 1 + 4);
    f->fixed_advance = 0;

    // Bold draws every glyph twice and advances one more; a derived font never turns bold.
    Test_Bitmap bb(220, 40);
    Grafik_Printf(bb.rp, f, "^bbAA^be", 0, BASIS);
    EXPECT_EQ(bb.letzte_spalte(), 7 + 5);
    f->derived = 1;
    EXPECT_EQ(Font_Text_Breite_Mit_Tabs(f, "^bbAA"), 12);
    EXPECT_EQ(f->bold, 0u);
    f->derived = 0;
}

TEST_F(Printf_Test, PicturesByHandle)
{
    // A ^g code with handle 0 or an unknown handle draws nothing and does not advance.
    EXPECT_EQ(bild("^gnk0000000000A"), bild("A"));
    EXPECT_EQ(bild("^gnk0x7fffff01A"), bild("A"));

    Rastport* pic = Grafik_Bitmap_Anlegen(4, 3, 16);
    for (int i = 0; i < 12; ++i) static_cast<uint16_t*>(pic->pixels)[i] = 0x0505;
    uint32_t h = Handle_Registrieren(pic, Handle_Art::Bild);
    ASSERT_NE(h, 0u);
    EXPECT_EQ(Handle_Aufloesen(h, Handle_Art::Font), nullptr);  // another kind gives nothing
    char text[64];
    std::snprintf(text, sizeof text, "^gnk0x%08XA", h);
    Test_Bitmap bm(220, 40);
    Grafik_Printf(bm.rp, f, "%s", 0, BASIS, text);
    // Natural size at glyph top + ('A' ink top - 2) + 1; then picture width + blank width.
    EXPECT_EQ(bm.at(0, 12 - 1 + 1), 0x0505);
    EXPECT_EQ(bm.erste_spalte(), 0);
    EXPECT_NE(bm.at(4 + 5, 13), 0);
    EXPECT_EQ(Font_Text_Breite_Mit_Tabs(f, text), 4 + 5 + 2 + 6);

    // Owner 'l' on a picture its owner keeps names nothing: drawn twice, it is neither drawn
    // nor freed.
    std::snprintf(text, sizeof text, "^gnl%#010xA", h);
    EXPECT_EQ(Font_Text_Breite_Mit_Tabs(f, text), 6);
    for (int i = 0; i < 2; ++i) {
        Grafik_Printf(bm.rp, f, "%s", 0, BASIS, text);
        EXPECT_EQ(bild(text, 0), bild("A", 0));
    }
    EXPECT_EQ(Handle_Aufloesen(h, Handle_Art::Bild), pic);

    // Owner 'l' on a picture handed over to the drawing: the printer frees the picture and
    // forgets the handle.
    ASSERT_EQ(Handle_Registrieren(pic, Handle_Art::Bild_Abgegeben), h);
    EXPECT_EQ(Font_Text_Breite_Mit_Tabs(f, text), 4 + 5 + 2 + 6);
    std::snprintf(text, sizeof text, "^gnl%#010x", h);
    Grafik_Printf(bm.rp, f, "%s", 0, BASIS, text);
    EXPECT_EQ(Handle_Aufloesen(h, Handle_Art::Bild_Abgegeben), nullptr);
}

TEST_F(Printf_Test, FontHandlesAndUnderline)
{
    // ^x switches to a registered font keeping the baseline; the font's handle dies with it.
    Font_Record* g = Test_Font(16, 5, 14, 12);
    uint32_t h = Handle_Registrieren(g, Handle_Art::Font);
    EXPECT_EQ(Handle_Registrieren(g, Handle_Art::Font), h);
    char text[64];
    std::snprintf(text, sizeof text, "^c%05d^x0x%08XA", 0x0700, h);
    Test_Bitmap bm(220, 40);
    Grafik_Printf(bm.rp, f, "%s", 0, BASIS, text);
    EXPECT_EQ(bm.at(0, BASIS - 12 + 1), 0x0700);  // glyph top of the new font: baseline - 12
    EXPECT_EQ(bm.at(0, BASIS - 12), 0);
    Font_Free(g);
    EXPECT_EQ(Handle_Aufloesen(h, Handle_Art::Font), nullptr);
    EXPECT_EQ(bild(text), bild(std::string("^c01792A")));  // unknown handle: font stays

    // Underline: from one pixel left of the glyph to one right of it, 2 below the baseline.
    Test_Bitmap bu(220, 40);
    Grafik_Printf(bu.rp, f, "^ubA^ueB", 10, BASIS);
    EXPECT_NE(bu.at(9, BASIS + 2), 0);
    EXPECT_NE(bu.at(15, BASIS + 2), 0);
    EXPECT_EQ(bu.at(17, BASIS + 2), 0);
}

TEST_F(Printf_Test, MeasuringTextsWithTabsAndLines)
{
    EXPECT_EQ(Font_Text_Breite(f, "abc"), 18);
    EXPECT_EQ(Font_Text_Breite(f, "^c01234ab^bbc^tr0100xyz"), 18);
    EXPECT_EQ(Font_Text_Breite(nullptr, "abc"), 0);
    EXPECT_EQ(Font_Text_Breite(f, ""), 0);
    // Two lines: the wider one; ^z ends the measurement with the current line.
    EXPECT_EQ(Font_Text_Breite_Mit_Tabs(f, "ab^labcd"), 24);
    EXPECT_EQ(Font_Text_Breite_Mit_Tabs(f, "abcd^lab"), 24);
    EXPECT_EQ(Font_Text_Breite_Mit_Tabs(f, "ab^z0010abcdef"), 12);
    EXPECT_EQ(Font_Text_Breite_Mit_Tabs(f, "a^tl0050b"), 56);
    EXPECT_EQ(Font_Text_Breite_Mit_Tabs(f, "a^tr0050bc"), 50);
}

TEST_F(Printf_Test, RefusalsAndCutTexts)
{
    Test_Bitmap bm(220, 40), b8(220, 40, 8);
    EXPECT_EQ(Grafik_Printf(nullptr, f, "x", 0, BASIS), 0);
    EXPECT_EQ(Grafik_Printf(bm.rp, nullptr, "x", 0, BASIS), 0);
    const char* leer = "";
    EXPECT_EQ(Grafik_Printf(bm.rp, f, leer, 0, BASIS), 0);
    EXPECT_EQ(Grafik_Printf(b8.rp, f, "x", 0, BASIS), 0);  // strip depth differs

    // Codes cut by the end of the text, and random texts full of codes, never read past the
    // end (the sanitizer build watches this) and never hang.
    for (const char* t : {"^", "^c12", "^ic", "^i", "^y", "^x0x12", "^fb", "^f", "^b", "^u", "^t",
                          "^tr00", "^g", "^gn", "^gnk0x", "^gl", "^gll12", "^p1", "^z"})
        EXPECT_EQ(Grafik_Printf(bm.rp, f, "%s", 0, BASIS, t), 1) << t;
    std::mt19937 rng(7);
    const char alphabet[] = "^cyxfbeultrzagnskpiq0123456789ABx#% ";
    for (int n = 0; n < 2000; ++n) {
        std::string t;
        for (int i = int(rng() % 40); i > 0; --i) t += alphabet[rng() % (sizeof alphabet - 1)];
        Grafik_Printf(bm.rp, f, "%s", int(rng() % 200), int(rng() % 60) - 10, t.c_str());
        Font_Text_Breite(f, t.c_str());
        Font_Text_Breite_Mit_Tabs(f, t.c_str());
    }
    // Longer output is cut to the buffer.
    std::string lang(2000, 'a');
    EXPECT_EQ(Grafik_Printf(bm.rp, f, "%s", 0, BASIS, lang.c_str()), 1);
}

// A text that runs over the bitmap's edges, or lies beside it in whole, leaves the very pixels a
// larger bitmap shows in the same window: glyphs beside the bitmap are left out, glyphs across an
// edge are cut, and a line brought back into the bitmap by ^l is printed.
TEST_F(Printf_Test, TextsBesideAndAcrossTheEdgesAreCutAsInALargerBitmap)
{
    constexpr int RAND = 40, W = 60, H = 30;
    const char* texte[] = {"ABCDEFGHIJKLMNOP", "^bbBold^beplain", "^fb0009fixed^feAB", "up^lmiddle^llow^lgone"};
    for (const char* text : texte)
        for (int x : {-70, -9, -3, 0, 25, 55, 58, 61, 200})
            for (int y : {-40, -21, -15, -2, 5, 20, 35, 38, 45, 80}) {
                Test_Bitmap klein(W, H), gross(W + 2 * RAND, H + 2 * RAND);
                f->bold = 0;
                f->fixed_advance = 0;
                ASSERT_EQ(Grafik_Printf(klein.rp, f, "^c%05d%s", x, y, 0x4321, text), 1);
                f->bold = 0;
                f->fixed_advance = 0;
                Grafik_Printf(gross.rp, f, "^c%05d%s", x + RAND, y + RAND, 0x4321, text);
                for (int py = 0; py < H; ++py)
                    for (int px = 0; px < W; ++px)
                        ASSERT_EQ(klein.at(px, py), gross.at(px + RAND, py + RAND))
                            << text << " at " << x << "," << y << " pixel " << px << "," << py;
            }
}

// A print left undrawn changes no pixel, yet leaves its fonts (colour, lock, bold, fixed advance,
// a switched-to font's colour) and the pictures it frees as the drawn print does.
TEST_F(Printf_Test, AnUndrawnPrintLeavesTheFontsAsADrawnOne)
{
    Font_Record* g = Font_Slots[3] = Test_Font(16);
    const auto stand = [&] { return std::vector<uint32_t>{f->colour, f->bold, f->fixed_advance, g->colour}; };
    for (uint32_t derived : {0u, 1u})
        for (const char* text : {"^c%05dAB^bbC", "^ic%05dA^c00000B^c00007C", "^fb0009x^c%05d^bb^be",
                                 "^c%05d^c00000^y0003xy", "^c%05d^bbA^ub^tr0050B", "plain %d"}) {
            std::vector<uint32_t> gezeichnet;
            for (bool zeichnen : {true, false}) {
                f->colour = 0x0F0F, f->bold = 1, f->fixed_advance = 0, g->colour = 0x7777, f->derived = derived;
                Test_Bitmap bm(220, 40);
                EXPECT_EQ((zeichnen ? Grafik_Printf : Grafik_Printf_Ungezeichnet)(bm.rp, f, text, 0, BASIS, 0x2468), 1);
                if (zeichnen) {
                    gezeichnet = stand();
                } else {
                    EXPECT_EQ(stand(), gezeichnet) << text << " derived " << derived;
                    EXPECT_EQ(bm.pixels(), std::vector<uint16_t>(220 * 40, 0)) << text;
                }
            }
        }
    f->derived = 0;
    Font_Slots[3] = Font_Free(g);

    // A picture the text hands over is freed all the same.
    const uint32_t h = Handle_Registrieren(Grafik_Bitmap_Anlegen(4, 3, 16), Handle_Art::Bild_Abgegeben);
    char text[64];
    std::snprintf(text, sizeof text, "^gnl%#010xA", h);
    Test_Bitmap bm(220, 40);
    EXPECT_EQ(Grafik_Printf_Ungezeichnet(bm.rp, f, "%s", 0, BASIS, text), 1);
    EXPECT_EQ(Handle_Aufloesen(h, Handle_Art::Bild_Abgegeben), nullptr);
}

// Texts from elsewhere name handles at random: pictures others hold, under every kind and owner
// letter, a font, a record, stale and unknown numbers. Drawn twice, measured and printed undrawn,
// they free no picture and forget no handle that the text was not given (the sanitizer build
// watches every read and free on the way).
TEST_F(Printf_Test, RandomHandlesInMarkedUpTextFreeNothingTheTextWasNotGiven)
{
    std::vector<Rastport*> bilder;
    std::vector<uint32_t> handles;
    for (int i = 0; i < 4; ++i) {
        Rastport* b = Grafik_Bitmap_Anlegen(3 + i, 4, 16);
        for (uint32_t k = 0; k < b->width * b->height; ++k) static_cast<uint16_t*>(b->pixels)[k] = uint16_t(0x0101 * (i + 1));
        bilder.push_back(b);
        handles.push_back(Handle_Registrieren(b, Handle_Art::Bild));
    }
    Font_Record* g = Test_Font(16);
    handles.push_back(Handle_Registrieren(g, Handle_Art::Font));
    int satz = 0;
    handles.push_back(Handle_Registrieren(&satz, Handle_Art::Datensatz));
    Rastport* weg = Grafik_Bitmap_Anlegen(2, 2, 16);
    const uint32_t stale = Handle_Registrieren(weg, Handle_Art::Bild);
    Handle_Freigeben(stale);
    Grafik_Bitmap_Freigeben(weg);
    handles.push_back(stale);
    const uint32_t anzahl = Handle_Anzahl();

    std::mt19937 rng(92);
    const char* codes[] = {"^c%05u", "^ic%05u", "^y%04u", "^fb%04u", "^fe", "^bb", "^be", "^ub", "^ue", "^l",
                           "^tl%04u", "^tr%04u", "^ta%04u", "^z%04u", "^p%04u", "^s", "^q"};
    const char kinds[] = "ntusl";
    const char owners[] = "lkx";
    Test_Bitmap bm(160, 60);
    for (int n = 0; n < 1500; ++n) {
        std::string t;
        for (int i = int(rng() % 8); i >= 0; --i) {
            char stueck[48];
            const uint32_t h = rng() % 4 ? handles[rng() % handles.size()] + (rng() % 8 == 0 ? 1 : 0) : uint32_t(rng());
            switch (rng() % 4) {
            case 0: {
                const char kind = kinds[rng() % 5], owner = owners[rng() % 3];
                std::snprintf(stueck, sizeof stueck, rng() % 2 ? "^g%c%c%#010x" : "^g%c%c0x%08X", kind, owner, h);
                break;
            }
            case 1: std::snprintf(stueck, sizeof stueck, "^x%#010x", h); break;
            case 2: std::snprintf(stueck, sizeof stueck, codes[rng() % std::size(codes)], unsigned(rng() % 400)); break;
            default: std::snprintf(stueck, sizeof stueck, "Ab%c", char('a' + rng() % 26)); break;
            }
            t += stueck;
        }
        for (int mal = 0; mal < 2; ++mal) Grafik_Printf(bm.rp, f, "%s", int(rng() % 120), int(rng() % 50), t.c_str());
        Grafik_Printf_Ungezeichnet(bm.rp, f, "%s", 0, BASIS, t.c_str());
        Font_Text_Breite_Mit_Tabs(f, t.c_str());
        f->fixed_advance = 0;
    }
    EXPECT_EQ(Handle_Anzahl(), anzahl) << "a handle was forgotten";
    for (size_t i = 0; i < bilder.size(); ++i) {
        ASSERT_EQ(Handle_Aufloesen(handles[i], Handle_Art::Bild), bilder[i]);
        EXPECT_EQ(static_cast<uint16_t*>(bilder[i]->pixels)[0], uint16_t(0x0101 * (i + 1)));
        Handle_Objekt_Freigeben(bilder[i]);
        Grafik_Bitmap_Freigeben(bilder[i]);
    }
    Handle_Objekt_Freigeben(g);
    Handle_Objekt_Freigeben(&satz);
    Font_Free(g);
}
