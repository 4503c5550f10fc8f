#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/eingabe.h"
#include "platform/os/os.h"
#include "platform/os/os_display.h"
#include "platform/win95.h"

namespace {

void reset()
{
    Programm_Ende = 0;
    Os_Clear_Messages();
    Win95_Eingabe.taste = -1;
    Win95_Eingabe.shift = -1;
    Win95_Eingabe.rad = 0;
    Win95_Eingabe.doppelklick = 0;
}

// Pumps until the queue and the script are through.
void pump_all()
{
    for (int i = 0; i < 100; ++i) Win95_Message_Pump();
}

}  // namespace

TEST(Window, CloseKeepsTheWindowAndOnlyDestroyQuits)
{
    reset();
    Win95_Create_Window(nullptr, 1);
    ASSERT_NE(Win95_Fenster, nullptr);
    pump_all();
    EXPECT_EQ(Win95_Eingabe.aktiv.load(), 1u) << "a new window is active";

    EXPECT_EQ(Win95_Window_Proc(Win95_Fenster, WM_CLOSE, 0, 0), 1);
    EXPECT_EQ(Programm_Ende, 1u);
    EXPECT_NE(Os_Window_Get(), nullptr);
    Os_Message m;
    EXPECT_FALSE(Os_Take_Message(&m)) << "WM_CLOSE posts nothing";

    Programm_Ende = 0;
    EXPECT_EQ(Win95_Window_Proc(Win95_Fenster, WM_DESTROY, 0, 0), 0);
    EXPECT_EQ(Programm_Ende, 1u);
    ASSERT_TRUE(Os_Take_Message(&m));
    EXPECT_EQ(m.message, WM_QUIT);

    // The pump takes a quit message without dispatching it, and only one message per call.
    Os_Post_Message(WM_QUIT, 0, 0);
    Os_Post_Message(WM_LBUTTONDBLCLK, 0, 0);
    Win95_Message_Pump();
    EXPECT_EQ(Win95_Eingabe.doppelklick, 0u);
    Win95_Message_Pump();
    EXPECT_EQ(Win95_Eingabe.doppelklick, 1u);
}

TEST(Window, WheelSignsInBothForms)
{
    reset();
    auto wheel = [](uint32_t msg, uint64_t wparam) {
        Win95_Eingabe.rad = 0;
        Win95_Window_Proc(Win95_Fenster, msg, wparam, 0);
        return Win95_Eingabe.rad;
    };
    // A step away from the hand (positive delta) is -1, towards it +1.
    EXPECT_EQ(wheel(WM_MOUSEWHEEL, uint64_t(uint16_t(120)) << 16), -1);
    EXPECT_EQ(wheel(WM_MOUSEWHEEL, uint64_t(uint16_t(int16_t(-120))) << 16), 1);
    Win95_Wheel_Message = Os_Register_Message("MSWHEEL_ROLLMSG");
    EXPECT_EQ(Os_Register_Message("MSWHEEL_ROLLMSG"), Win95_Wheel_Message);
    EXPECT_EQ(wheel(Win95_Wheel_Message, 120), -1);
    EXPECT_EQ(wheel(Win95_Wheel_Message, uint64_t(int64_t(-120))), 1);
    EXPECT_EQ(wheel(Win95_Wheel_Message, uint32_t(-120)), 1);
    EXPECT_EQ(wheel(WM_VSCROLL, 0), -1);
    EXPECT_EQ(wheel(WM_VSCROLL, 1), 1);

    // The script's wheel lines travel the same way.
    Os_Script_Load_Text("wheel up\n");
    Win95_Message_Pump();
    Win95_Message_Pump();
    EXPECT_EQ(Win95_Eingabe.rad, -1);
    Os_Script_Load_Text("wheel down\n");
    Win95_Message_Pump();
    Win95_Message_Pump();
    EXPECT_EQ(Win95_Eingabe.rad, 1);
}

TEST(Window, KeyAndShiftWords)
{
    reset();
    Os_Script_Load_Text("key_down 16\nkey_down 65\n");
    for (int i = 0; i < 4; ++i) Win95_Message_Pump();
    EXPECT_EQ(Win95_Eingabe.taste, 65);
    EXPECT_LT(Win95_Eingabe.shift, 0) << "Shift held while the key went down";
    EXPECT_NE(Win95_Eingabe.shift, -1);

    Os_Script_Load_Text("key_up 65\n");
    Win95_Message_Pump();
    Win95_Message_Pump();
    EXPECT_EQ(Win95_Eingabe.taste, -1);
    EXPECT_EQ(Win95_Eingabe.shift, -1);
    EXPECT_EQ(Win95_Eingabe.taste_3, -1);

    // "key" gives down and up; between them the program sees the key without Shift.
    Os_Script_Load_Text("key_up 16\nkey 222\n");
    Win95_Message_Pump();
    Win95_Message_Pump();
    EXPECT_EQ(Win95_Eingabe.taste, 222);
    EXPECT_EQ(Win95_Eingabe.shift, 0);
    // The release follows once the press has been held as long as a hand holds a key.
    for (int i = 0; i < 60; ++i) Win95_Message_Pump();
    EXPECT_EQ(Win95_Eingabe.taste, -1);
    Os_Script_Stop();
}

// A press and its release that arrive in one poll: a loop that pumps once more before it reads
// the key (a network pump between the main loop's pump and its key check) still finds it.
TEST(Window, QuickPressOutlastsASecondPump)
{
    reset();
    Os_Script_Load_Text("key 123\n");
    Win95_Message_Pump();
    Win95_Message_Pump();
    Win95_Message_Pump();
    EXPECT_EQ(Win95_Eingabe.taste, 123) << "the release came before anyone read the key";
    for (int i = 0; i < 60; ++i) Win95_Message_Pump();
    EXPECT_EQ(Win95_Eingabe.taste, -1) << "the held release is never handed out";

    // Typed text: each key is read after its press; the next key's press does not wait for the
    // hold, and every release still comes before the following press.
    Os_Script_Load_Text("key 65\nkey 66\nkey 67\n");
    std::string gelesen;
    std::vector<uint32_t> folge;
    for (int i = 0; i < 400 && gelesen.size() < 3; ++i) {
        Os_Message m;
        if (!Os_Take_Message(&m)) {
            Os_Clock_Advance(1);
            continue;
        }
        if (m.message == WM_KEYDOWN || m.message == WM_KEYUP) folge.push_back(m.message);
        Win95_Window_Proc(Win95_Fenster, m.message, m.wparam, m.lparam);
        if (m.message == WM_KEYDOWN) gelesen.push_back(char(Taste_Get_Zeichen()));
    }
    EXPECT_EQ(gelesen, "abc");
    for (size_t i = 1; i < folge.size(); ++i) EXPECT_NE(folge[i], folge[i - 1]) << "at " << i;

    // A cleared queue forgets a held release.
    Os_Script_Load_Text("key 70\n");
    Win95_Message_Pump();
    Win95_Message_Pump();
    Os_Clear_Messages();
    EXPECT_FALSE(Os_Message_Waiting(WM_KEYUP));
    Os_Script_Stop();
}

TEST(Window, ScriptedDoubleClickAndWaits)
{
    reset();
    Os_Script_Load_Text("click 10 20\nwait 100\nclick 11 20\nwait 600\nclick 11 20\n");
    uint32_t start = Os_Time_Ms();
    while (!Os_Script_Finished()) Win95_Message_Pump();
    pump_all();
    EXPECT_EQ(Win95_Eingabe.doppelklick, 1u);
    EXPECT_EQ(Win95_Get_Cursor_X(), 11);
    EXPECT_EQ(Win95_Get_Cursor_Y(), 20);
    EXPECT_GE(Os_Time_Ms() - start, 700u);
    EXPECT_EQ(Programm_Ende, 1u) << "the end of the script closes the window";

    // Alone, two presses 600 ms apart are no double click.
    reset();
    Os_Script_Load_Text("click 5 5\nwait 600\nclick 5 5\n");
    pump_all();
    pump_all();
    EXPECT_EQ(Win95_Eingabe.doppelklick, 0u);
}

TEST(Window, PumpingHalfASecondTakes150Milliseconds)
{
    reset();
    uint32_t start = Os_Time_Ms();
    EXPECT_EQ(Win95_Read_Message_Cue_Eine_Halbe_Sekunde(), 1);
    uint32_t took = Os_Time_Ms() - start;
    EXPECT_GE(took, 150u);
    EXPECT_LT(took, 300u);
}

TEST(Window, RepaintBandsAroundAnOpenDialog)
{
    int32_t r[4][4];
    Win95_Dialog_Offen = 0;
    ASSERT_EQ(Win95_Repaint_Rechtecke(r), 1);
    EXPECT_EQ(r[0][2], 640);
    EXPECT_EQ(r[0][3], 480);

    // A dialog whose position is unknown: nothing is painted over it.
    Win95_Dialog_Offen = 1;
    Win95_Dialog_Fenster = nullptr;
    EXPECT_EQ(Win95_Repaint_Rechtecke(r), 0);

    // Partly off the left edge: x = -50 clips the width to 376; top, right and bottom remain.
    Win95_Dialog_Position pos{-48, 120};
    Win95_Dialog_Fenster = &pos;
    ASSERT_EQ(Win95_Repaint_Rechtecke(r), 4);
    EXPECT_EQ(r[0][2], 0) << "no left band";
    int32_t top[4] = {0, 0, 640, 100}, right[4] = {376, 0, 264, 480}, bottom[4] = {0, 385, 640, 95};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(r[1][i], top[i]);
        EXPECT_EQ(r[2][i], right[i]);
        EXPECT_EQ(r[3][i], bottom[i]);
    }
    Win95_Dialog_Offen = 0;
    Win95_Dialog_Fenster = nullptr;
}

TEST(Window, CursorBalanceInFullScreen)
{
    // Whatever came before, show leaves the count at 0 and hide at -1.
    for (int i = 0; i < 3; ++i) Win95_Hide_Windows_Cursor();
    EXPECT_EQ(Os_Cursor_Count(0), -1);
    Win95_Show_Windows_Cursor();
    EXPECT_EQ(Os_Cursor_Count(0), 0) << "visible after three hides and one show";
    for (int i = 0; i < 3; ++i) Win95_Show_Windows_Cursor();
    EXPECT_EQ(Os_Cursor_Count(0), 0);
    Win95_Hide_Windows_Cursor();
    EXPECT_EQ(Os_Cursor_Count(0), -1);
}

TEST(Window, MessageBoxTextIsCutTo259Characters)
{
    std::string lang(400, 'a');
    testing::internal::CaptureStderr();
    Win95_Meldung("%s\xE4", lang.c_str());
    std::string out = testing::internal::GetCapturedStderr();
    EXPECT_EQ(out, "Meldung: " + std::string(259, 'a') + "\n");
    EXPECT_EQ(Win95_Dialog_Offen, 0u);
    testing::internal::CaptureStderr();
    Win95_Meldung("Gr\xF6\xDF" "e");
    // Windows-1252 inside, UTF-8 on the terminal.
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Meldung: Gr\xC3\xB6\xC3\x9F" "e\n");
}

TEST(Files, SearchIsSortedCaseBlindAndBounded)
{
    char tmpl[] = "/tmp/dorvin_files_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    std::string dir = tmpl;
    for (const char* n : {"c.SGV", "a.sgv", "B.sgv", "x.txt"}) std::fclose(std::fopen((dir + "/" + n).c_str(), "wb"));
    mkdir((dir + "/d.sgv").c_str(), 0755);  // folders are not files

    EXPECT_EQ(Win95_Count_Files(dir.c_str(), "*.sgv"), 3);
    char names[3][256];
    std::memset(names, 'x', sizeof names);
    EXPECT_EQ(Win95_Get_File_Names(dir.c_str(), "*.sgv", 0, names[0]), 0);
    EXPECT_EQ(names[0][0], 'x') << "max 0 copies nothing";
    EXPECT_EQ(Win95_Get_File_Names(dir.c_str(), "*.sgv", 1, names[0]), 1);
    EXPECT_STREQ(names[0], "B.sgv");
    EXPECT_EQ(names[1][0], 'x');
    EXPECT_EQ(Win95_Get_File_Names(dir.c_str(), "*.SGV", 3, names[0]), 3);
    EXPECT_STREQ(names[1], "a.sgv");
    EXPECT_STREQ(names[2], "c.SGV");
    EXPECT_EQ(Win95_Count_Files(dir.c_str(), "?.*"), 4);

    std::string a = dir + "/a.sgv", copy = dir + "/kopie";
    std::FILE* f = std::fopen(a.c_str(), "wb");
    std::fputs("12345", f);
    std::fclose(f);
    EXPECT_EQ(Win95_Copy_File(a.c_str(), copy.c_str()), 1);
    EXPECT_EQ(Win95_Get_File_Size(copy.c_str()), 5u);
    Win95_Datei_Zeiten z{7, 7};
    EXPECT_EQ(Win95_Get_File_Time((dir + "/fehlt").c_str(), &z), 0);
    EXPECT_EQ(z.erstellt, 7u) << "untouched when the file does not open";
    EXPECT_EQ(Win95_Get_File_Time(copy.c_str(), &z), 1);
    // Windows file times count from 1601: any file of this century lies past 2000-01-01.
    EXPECT_GT(z.geschrieben, 125911584000000000ull);
    std::snprintf(Pfad_Programm, sizeof Pfad_Programm, "%s", dir.c_str());
    EXPECT_GT(Win95_Get_Disk_Free('C'), 0u);
    EXPECT_EQ(Win95_Wait_Program("/bin/true", "x"), 1);
    EXPECT_EQ(Win95_Wait_Program((dir + "/fehlt").c_str(), "x"), 0);
    EXPECT_EQ(Win95_Play_Video("intro.dmv"), 0) << "no player: skipped";

    for (const char* n : {"c.SGV", "a.sgv", "B.sgv", "x.txt", "kopie"}) EXPECT_EQ(Win95_Delete_File((dir + "/" + n).c_str()), 1);
    EXPECT_EQ(Win95_Delete_File((dir + "/kopie").c_str()), 0);
    rmdir((dir + "/d.sgv").c_str());
    rmdir(dir.c_str());
}

TEST(Window, RoleFromTheCommandLine)
{
    auto init = [](const char* role) {
        char prog[] = "dorvin", opt[] = "--role";
        std::string wert = role;
        char* argv[] = {prog, opt, wert.data(), nullptr};
        Os_Init(3, argv);
    };
    init("client");
    EXPECT_EQ(Win95_Rollen_Dialog(), 0);
    init("server");
    EXPECT_EQ(Win95_Rollen_Dialog(), 1);
    // Anything else is refused with a message and changes nothing.
    init("client");
    testing::internal::CaptureStderr();
    init("Server");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "dorvin: --role Server: erwartet server oder client\n");
    EXPECT_EQ(Win95_Rollen_Dialog(), 0);
    EXPECT_EQ(Win95_Dialog_Offen, 0u);
    Os_Set_Role_Answer(1);
}

// A headless script without a dump never shows a picture: the screen's drawing may be left out
// then. A dump anywhere in it, a line that does not read (it may have been meant as one), a
// request for every frame or a window make every picture count again.
TEST(Window, AHeadlessScriptWithoutADumpIsSeenByNobody)
{
    const std::string datei = testing::TempDir() + "/niemand_" + std::to_string(getpid()) + ".txt";
    auto init = [&](const char* text) {
        if (FILE* f = std::fopen(datei.c_str(), "w")) {
            std::fputs(text, f);
            std::fclose(f);
        }
        char prog[] = "dorvin", kopflos[] = "--headless", opt[] = "--script";
        std::string pfad = datei;
        char* argv[] = {prog, kopflos, opt, pfad.data(), nullptr};
        Os_Init(4, argv);
        Os_Script_Stop();
        return Os_Display_Niemand_Sieht();
    };
    EXPECT_TRUE(init("wait 100\nclick 10 10\n# dump x.png\nquit\n"));
    EXPECT_FALSE(init("wait 100\n  dump /tmp/bild.png\nquit\n"));
    EXPECT_FALSE(init("wait 100\ndump\n"));
    EXPECT_FALSE(init("wait hundert\n"));
    EXPECT_TRUE(init("move 5 5\n"));
    Os_Display_Set_Bild_Immer(true);
    EXPECT_FALSE(Os_Display_Niemand_Sieht());
    Os_Display_Set_Bild_Immer(false);
    EXPECT_TRUE(Os_Display_Niemand_Sieht());
    Os_Display_Set_Ungesehen(false);
    EXPECT_FALSE(Os_Display_Niemand_Sieht());
    std::remove(datei.c_str());
}
