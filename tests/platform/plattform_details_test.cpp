// Display pictures, the LZW decode stack, the crash report's writer, the heap map and the
// clipboard's pictures.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <ucontext.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/compress.h"
#include "platform/compress_lzw.h"
#include "platform/debug.h"
#include "platform/mem.h"
#include "platform/display.h"
#include "platform/os/crash.h"
#include "platform/os/os.h"
#include "platform/os/os_display.h"
#include "platform/timer.h"
#include "platform/win95.h"
#include "platform/win95_dialog.h"

namespace {

uint16_t frame_at(int x, int y)
{
    int pitch = 0;
    uint16_t* f = Os_Display_Frame(&pitch);
    return f ? f[y * pitch + x] : 0xDEAD;
}

std::string temp_ordner()
{
    char muster[] = "/tmp/dorvin_plattformXXXXXX";
    const char* d = mkdtemp(muster);
    return d ? d : "/tmp";
}

std::string lesen(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

}  // namespace

TEST(DisplayBild, AWholePictureIsCopiedAndClippedToTheDisplay)
{
    Bildschirm_Modus = 104;
    int32_t depth = 16;
    ASSERT_EQ(Win95_Open_Screen(800, 600, &depth), 1);
    const uint16_t bild[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};  // 4 x 3
    EXPECT_EQ(Win95_Draw_Bitmap(bild, 4, 3, 100, 50), 1);
    EXPECT_EQ(frame_at(100, 50), 1);
    EXPECT_EQ(frame_at(103, 50), 4);
    EXPECT_EQ(frame_at(101, 52), 10);
    EXPECT_EQ(frame_at(104, 50), 0) << "nothing right of the picture";

    // Over the right and bottom edge only the visible corner; over the top-left the rest.
    EXPECT_EQ(Win95_Draw_Bitmap(bild, 4, 3, 798, 599), 1);
    EXPECT_EQ(frame_at(798, 599), 1);
    EXPECT_EQ(frame_at(799, 599), 2);
    EXPECT_EQ(Win95_Draw_Bitmap(bild, 4, 3, -3, -2), 1);
    EXPECT_EQ(frame_at(0, 0), 12);

    EXPECT_EQ(Win95_Draw_Bitmap(bild, 4, 3, 800, 0), 0);
    EXPECT_EQ(Win95_Draw_Bitmap(bild, 4, 3, 0, -3), 0);
    EXPECT_EQ(Win95_Draw_Bitmap(nullptr, 4, 3, 0, 0), 0);
    EXPECT_EQ(Win95_Draw_Bitmap(bild, 0, 3, 0, 0), 0);
    Win95_Close_Screen(1);
    Bildschirm_Modus = 101;
}

TEST(LzwString, TheDecodeStackHoldsAStringLastCharacterFirst)
{
    // "ABABABAB": 259 = AB, 260 = BA, 261 = ABA (defined by the code that uses it).
    const uint8_t ein[8] = {'A', 'B', 'A', 'B', 'A', 'B', 'A', 'B'};
    uint32_t groesse = 0, laenge = 0;
    uint8_t* gepackt = Compress_Block(ein, sizeof ein, &groesse);
    ASSERT_NE(gepackt, nullptr);
    uint8_t* aus = Decompress_Block(gepackt, groesse, &laenge);
    ASSERT_NE(aus, nullptr);
    EXPECT_EQ(std::string(aus, aus + laenge), "ABABABAB");
    Mem_Free(gepackt, 0);
    Mem_Free(aus, 0);

    const uint8_t* stapel = LZW_Decode_Stapel();
    EXPECT_EQ(LZW_Decode_String(0, 261), 3u);
    EXPECT_EQ(std::string(stapel, stapel + 3), "ABA");
    EXPECT_EQ(LZW_Decode_String(0, 260), 2u);
    EXPECT_EQ(std::string(stapel, stapel + 2), "AB") << "BA, last character first";
    // From a given position on, the positions below stay.
    EXPECT_EQ(LZW_Decode_String(5, 259), 7u);
    EXPECT_EQ(stapel[5], 'B');
    EXPECT_EQ(stapel[6], 'A');
    EXPECT_EQ(stapel[0], 'A');
    EXPECT_EQ(LZW_Decode_String(2, 'Z'), 3u) << "a byte is its own string";
    EXPECT_EQ(stapel[2], 'Z');
    // A full stack takes nothing more.
    EXPECT_EQ(LZW_Decode_String(32769, 261), 32769u);
}

TEST(CrashWrite, FormatsAsTheLibraryDoes)
{
    const std::string ordner = temp_ordner();
    const std::string pfad = ordner + "/zeilen.txt";
    std::FILE* f = std::fopen(pfad.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    const int fd = fileno(f);
    std::string erwartet;
    auto beide = [&](const char* format, ...) {
        char t[256];
        va_list ap;
        va_start(ap, format);
        std::vsnprintf(t, sizeof t, format, ap);
        va_end(ap);
        erwartet += t;
    };
#define ZEILE(...)                \
    Crash_Write(fd, __VA_ARGS__); \
    beide(__VA_ARGS__)
    ZEILE("%s caused %s in module %s at %04x:%08x.\r\n", "dorvin", "an Access Violation", "libc.so.6", 0x33u, 0xdeadbeefu);
    ZEILE("%d processor(s), type %d. %d %d\r\n", 8, 8664, -42, 0);
    ZEILE("%016lx|%5s|%c|%%|%u|%3d|%03d|%x\r\n", 0x7fff12345678ul, "ab", 'Q', 4000000000u, -5, 7, 0u);
    ZEILE("R%d=%016lx%s", 15, 0ul, "\r\n");
#undef ZEILE
    std::fclose(f);
    EXPECT_EQ(lesen(pfad), erwartet);
    EXPECT_EQ(std::system(("rm -rf '" + ordner + "'").c_str()), 0);
}

TEST(CrashReport, AWriteToAddressZeroIsReportedOnceUnderTheThreadLabel)
{
    const std::string ordner = temp_ordner();
    const pid_t pid = fork();
    if (pid == 0) {
        Crash_Install(ordner.c_str(), "main thread");
        ucontext_t uc{};
        getcontext(&uc);
        uc.uc_mcontext.gregs[REG_ERR] = 2;  // the page fault of a write
        siginfo_t si{};
        si.si_signo = SIGSEGV;
        si.si_code = SEGV_MAPERR;
        si.si_addr = nullptr;
        Crash_Ausnahme a{SIGSEGV, &si, &uc};
        const int erst = Crash_Report(&a, "Fenster-Thread");
        const int zweit = Crash_Report(&a, "Fenster-Thread");
        _exit(erst == 0 && zweit == 0 && Crash_Report(nullptr, "x") == 0 ? 0 : 3);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "every call answers 0";
    const std::string bericht = lesen(ordner + "/errorlog.txt");
    size_t anzahl = 0;
    for (size_t p = bericht.find(" caused "); p != std::string::npos; p = bericht.find(" caused ", p + 1)) ++anzahl;
    EXPECT_EQ(anzahl, 2u) << "one report: its first line and its access-violation line\n" << bericht;
    EXPECT_NE(bericht.find("caused an Access Violation in module "), std::string::npos);
    EXPECT_NE(bericht.find("Exception handler called in Fenster-Thread.\r\n"), std::string::npos);
    EXPECT_NE(bericht.find("Write to location 0000000000000000 caused an access violation.\r\n"), std::string::npos);
    EXPECT_NE(bericht.find("\tModule list:"), std::string::npos) << "the report runs to its end";
    EXPECT_EQ(std::system(("rm -rf '" + ordner + "'").c_str()), 0);
}

TEST(SpeicherKarte, WaitsForAButtonAndGivesTheScreenBack)
{
    EXPECT_EQ(Debug_Speicher_Karte(), 0) << "no screen";
    Bildschirm_Modus = 101;
    ASSERT_EQ(Grafik_Screen_Init(640, 480, 16), 1);
    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 0, 640, 480, 0x1234);
    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 20, 30, 40, 50, 0xF800);
    const uint32_t vorher = Timer_Get_Time();
    Os_Script_Load_Text("wait 300\nclick 5 5\nwait 20\n");
    EXPECT_EQ(Debug_Speicher_Karte(), 1);
    Os_Script_Stop();
    EXPECT_GE(Timer_Get_Time() - vorher, 300u) << "it waited for the click";
    EXPECT_EQ(frame_at(0, 0), 0x1234);
    EXPECT_EQ(frame_at(25, 35), 0xF800);
    EXPECT_EQ(frame_at(639, 479), 0x1234);
    // A program that ends does not leave it waiting.
    Programm_Ende = 1;
    EXPECT_EQ(Debug_Speicher_Karte(), 1);
    Programm_Ende = 0;
    Grafik_Screen_DeInit();
}

namespace {

// A Windows bitmap file: 16 bits per pixel, bottom row first unless oben_zuerst.
std::vector<uint8_t> bmp(int32_t w, int32_t h, uint16_t bits, bool oben_zuerst, uint16_t ebenen = 1)
{
    const uint32_t zeile = (uint32_t(w) * 2 + 3) & ~3u;
    std::vector<uint8_t> d(54 + zeile * uint32_t(h), 0);
    auto le32 = [&](size_t o, uint32_t v) {
        for (int i = 0; i < 4; ++i) d[o + size_t(i)] = uint8_t(v >> (8 * i));
    };
    d[0] = 'B', d[1] = 'M';
    le32(2, uint32_t(d.size()));
    le32(10, 54);
    le32(14, 40);
    le32(18, uint32_t(w));
    le32(22, uint32_t(oben_zuerst ? -h : h));
    d[26] = uint8_t(ebenen), d[28] = uint8_t(bits);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            // Pixel of picture row r, column x: r * 100 + x.
            const int32_t r = oben_zuerst ? y : h - 1 - y;
            const uint16_t v = uint16_t(r * 100 + x);
            d[54 + zeile * uint32_t(y) + uint32_t(2 * x)] = uint8_t(v);
            d[54 + zeile * uint32_t(y) + uint32_t(2 * x + 1)] = uint8_t(v >> 8);
        }
    return d;
}

void schreiben(const std::string& pfad, const std::vector<uint8_t>& d)
{
    std::ofstream f(pfad, std::ios::binary);
    f.write(reinterpret_cast<const char*>(d.data()), std::streamsize(d.size()));
}

}  // namespace

TEST(ZwischenablageBild, APictureFileNamedOnTheClipboardIsItsPicture)
{
    const std::string ordner = temp_ordner();
    schreiben(ordner + "/unten.bmp", bmp(3, 2, 16, false));
    schreiben(ordner + "/oben.bmp", bmp(3, 2, 15, true));
    schreiben(ordner + "/tief.bmp", bmp(3, 2, 24, false));
    schreiben(ordner + "/ebenen.bmp", bmp(3, 2, 16, false, 2));
    std::vector<uint8_t> kurz = bmp(3, 2, 16, false);
    kurz.resize(60);
    schreiben(ordner + "/kurz.bmp", kurz);

    int32_t w = -1, h = -1;
    for (const std::string& text : {ordner + "/unten.bmp", "file://" + ordner + "/oben.bmp\r\n"}) {
        ASSERT_TRUE(Os_Clipboard_Set_Text(text));
        ASSERT_EQ(Win95_Clipboard_Bitmap_Size(&w, &h), 1) << text;
        EXPECT_EQ(w, 3);
        EXPECT_EQ(h, 2);
        EXPECT_EQ(Win95_Clipboard_Bitmap_Size(nullptr, nullptr), 1);
        uint16_t px[6] = {};
        EXPECT_EQ(Win95_Clipboard_Bitmap_Get(px, 2, 3), 0) << "another size is refused";
        ASSERT_EQ(Win95_Clipboard_Bitmap_Get(px, 3, 2), 1);
        EXPECT_EQ(px[0], 0) << "top row first";
        EXPECT_EQ(px[2], 2);
        EXPECT_EQ(px[3], 100);
        EXPECT_EQ(px[5], 102);
    }
    for (const char* name : {"/tief.bmp", "/ebenen.bmp", "/kurz.bmp", "/fehlt.bmp"}) {
        ASSERT_TRUE(Os_Clipboard_Set_Text(ordner + name));
        w = h = -1;
        EXPECT_EQ(Win95_Clipboard_Bitmap_Size(&w, &h), 0) << name;
        EXPECT_EQ(w, -1);
        uint16_t px[6] = {};
        EXPECT_EQ(Win95_Clipboard_Bitmap_Get(px, 3, 2), 0) << name;
    }
    ASSERT_TRUE(Os_Clipboard_Set_Text("Nur ein Text"));
    EXPECT_EQ(Win95_Clipboard_Bitmap_Size(&w, &h), 0);
    EXPECT_EQ(std::system(("rm -rf '" + ordner + "'").c_str()), 0);
}
