// The idle pump takes its shortcuts (a script line read once, the queue looked at without its
// lock, the clock stepped without waking anybody) only where nothing can differ.
#include <gtest/gtest.h>

#include <sys/single_threaded.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/os/os.h"
#include "platform/os/os_display.h"
#include "platform/os/os_intern.h"
#include "platform/win95.h"

namespace {

void leeren()
{
    Os_Script_Stop();
    Os_Clear_Messages();
    Os_Input_Set_Buttons(false, false);
    Os_Script_Laufender_Schirm(false);
}

// What a script makes happen: each message the program takes with its virtual time and where the
// pointer stands, and the script's complaints.
std::string ablauf_eines_skripts()
{
    Os_Input_Set_Mouse(0, 0);
    testing::internal::CaptureStderr();
    std::string ablauf;
    const uint32_t start = Os_Time_Ms();
    Os_Message m{};
    for (int pump = 0; pump < 20000 && m.message != WM_CLOSE; ++pump) {
        if (!Os_Take_Message(&m)) {
            Os_Clock_Advance(1);
            continue;
        }
        ablauf += std::to_string(m.message) + ":" + std::to_string(m.wparam) + ":" + std::to_string(m.lparam) + "@" +
                  std::to_string(Os_Time_Ms() - start) + "(" + std::to_string(Os_Mouse_X()) + "," +
                  std::to_string(Os_Mouse_Y()) + (Os_Mouse_Left() ? ",L" : "") + ") ";
    }
    return ablauf + testing::internal::GetCapturedStderr();
}

// The platform started headless on the script `text` as the program's start reads it, whole,
// from its file; the file's name, to be removed.
std::string skript_datei_starten(const std::string& text)
{
    const std::string datei = testing::TempDir() + "/leerlauf_" + std::to_string(getpid()) + ".txt";
    if (FILE* f = std::fopen(datei.c_str(), "w")) {
        std::fputs(text.c_str(), f);
        std::fclose(f);
    }
    char prog[] = "dorvin", kopflos[] = "--headless", opt[] = "--script";
    std::string pfad = datei;
    char* argv[] = {prog, kopflos, opt, pfad.data(), nullptr};
    Os_Init(4, argv);
    return datei;
}

// The same script as the program's start reads it, whole, from its file.
std::string ablauf_ganz_gelesen(const std::string& text)
{
    leeren();
    const std::string datei = skript_datei_starten(text);
    const std::string ablauf = ablauf_eines_skripts();
    std::remove(datei.c_str());
    Os_Display_Set_Ungesehen(false);
    leeren();
    return ablauf;
}

}  // namespace

// A headless script is read whole at its start: its lines, a click's own lines put in and lines
// that do not read, run as those of the same script handed over as text, each at its time.
TEST(Leerlauf, AScriptReadWholeAtItsStartRunsAsTheSameTextReadLineByLine)
{
    const std::string text =
        "move 10 20\nclick 30 40\nwait 250\nkey 65\nbogus 1\nclick 50 60\nleft down\nleft up\n"
        "wait input\nright down\nwait 20\nright up\nclick 70 80\nquit\n";
    leeren();
    Os_Script_Load_Text(text);
    const std::string zeile_fuer_zeile = ablauf_eines_skripts();
    ASSERT_NE(zeile_fuer_zeile.find("unbekannte Skriptzeile 'bogus 1'"), std::string::npos) << zeile_fuer_zeile;
    ASSERT_NE(zeile_fuer_zeile.find("(70,80,L)"), std::string::npos) << "the last click came";

    EXPECT_EQ(ablauf_ganz_gelesen(text), zeile_fuer_zeile);
}

// Read whole, a line repeated takes the reading of its earlier copy: only the very same text
// does. Lines alike in their first bytes or their length, lines that do not read, and lines
// seen again after many others run as they do read one by one.
TEST(Leerlauf, ARepeatedLineOfAScriptReadWholeRunsAsItsOwnText)
{
    std::string text;
    for (int runde = 0; runde < 3; ++runde) {
        text += "move 10 20\nmove 10 21\nmove 10 2\nmove 1 2\nmove 1 23\nwait 50\nwait 500\nwait 5\nleft down\nleft up\n";
        text += "bogus 1\nbogus 2\nkey 65\nkey 66\nkey 0\nwait 50\nmove 10 20 \nwheel up\nwheel down\n";
        // More lines than the reading keeps at hand, all different.
        for (int i = 0; i < 20; ++i) text += "move " + std::to_string(100 + i) + " " + std::to_string(runde) + "\n";
    }
    text += "quit\n";
    leeren();
    Os_Script_Load_Text(text);
    const std::string zeile_fuer_zeile = ablauf_eines_skripts();
    ASSERT_NE(zeile_fuer_zeile.find("(119,2)"), std::string::npos) << "the script ran to its end";
    EXPECT_EQ(ablauf_ganz_gelesen(text), zeile_fuer_zeile);
}

// A picture is ahead until the script's last dump has taken it, a click's own lines put in before
// it included; after it none is.
TEST(Leerlauf, NoPictureIsAheadOnlyOnceTheScriptsLastDumpHasRun)
{
    leeren();
    const std::string bild = testing::TempDir() + "/leerlauf_bild_" + std::to_string(getpid()) + ".png";
    std::remove(bild.c_str());
    ASSERT_TRUE(Os_Display_Open(64, 48, false, false));
    const std::string datei = skript_datei_starten("click 5 5\nwait 20\ndump " + bild + "\nwait 20\nquit\n");
    int vorher = 0, nachher = 0, pumpen_nachher = 0;
    Os_Message m{};
    for (int pump = 0; pump < 20000 && m.message != WM_CLOSE; ++pump) {
        const bool genommen = std::ifstream(bild).good();
        (genommen ? nachher : vorher) += Os_Display_Kein_Bild_Voraus() ? 1 : 0;
        pumpen_nachher += genommen ? 1 : 0;
        if (!Os_Take_Message(&m)) Os_Clock_Advance(1);
    }
    std::remove(datei.c_str()), std::remove(bild.c_str());
    Os_Display_Close();
    Os_Display_Set_Ungesehen(false);
    leeren();
    EXPECT_EQ(vorher, 0) << "the dump after the click was still to come";
    EXPECT_GT(pumpen_nachher, 0);
    EXPECT_EQ(nachher, pumpen_nachher);

    // a script without a dump has no picture ahead at any pass
    const std::string ohne = skript_datei_starten("click 5 5\nwait 20\nmove 2 2\nwait 20\nquit\n");
    int pumpen = 0, frei = 0;
    m = {};
    for (int pump = 0; pump < 20000 && m.message != WM_CLOSE; ++pump, ++pumpen) {
        frei += Os_Display_Kein_Bild_Voraus() ? 1 : 0;
        if (!Os_Take_Message(&m)) Os_Clock_Advance(1);
    }
    // a picture asked for is one
    Os_Display_Set_Bild_Immer(true);
    EXPECT_FALSE(Os_Display_Kein_Bild_Voraus());
    Os_Display_Set_Bild_Immer(false);
    std::remove(ohne.c_str());
    Os_Display_Set_Ungesehen(false);
    leeren();
    EXPECT_EQ(m.message, unsigned(WM_CLOSE));
    EXPECT_EQ(frei, pumpen);
}

// A line that waited is not what a new script has at the same place: the new one's line runs.
TEST(Leerlauf, ANewScriptIsReadAnewWhereTheOldOneWaited)
{
    leeren();
    Os_Input_Set_Mouse(1, 1);
    Os_Script_Load_Text("wait 100000\n");
    Os_Script_Laufender_Schirm(true);  // the wait lasts, pump by pump
    for (int i = 0; i < 20; ++i) Win95_Message_Pump();
    Os_Script_Load_Text("move 7 8\nwait input\n");
    const uint32_t start = Os_Time_Ms();
    for (int i = 0; i < 3; ++i) Win95_Message_Pump();
    EXPECT_EQ(Win95_Get_Cursor_X(), 7);
    EXPECT_EQ(Win95_Get_Cursor_Y(), 8);
    EXPECT_LT(Os_Time_Ms() - start, 10u) << "no wait of the old script";
    leeren();
}

// A pump that finds the queue empty takes nothing, and one that finds it holding something takes
// it, whoever posted it; what was dropped leaves nothing to wake a wait.
TEST(Leerlauf, TheQueueIsSeenAsItIsWithoutItsLock)
{
    leeren();
    Os_Script_Load_Text("wait input\n");
    Os_Script_Halten(true);
    Os_Message m{};
    EXPECT_FALSE(Os_Take_Message(&m));
    std::thread([] { Os_Post_Message(WM_ACTIVATEAPP, 1, 0); }).join();
    ASSERT_TRUE(Os_Take_Message(&m));
    EXPECT_EQ(m.message, WM_ACTIVATEAPP);
    EXPECT_FALSE(Os_Take_Message(&m));

    Os_Post_Message(WM_SOCKET_NOTIFY, 5, 1);
    Os_Drop_Messages(WM_SOCKET_NOTIFY, 5);
    uint32_t vorher = Os_Time_Ms();
    Os_Wait_Input(10);
    EXPECT_EQ(Os_Time_Ms() - vorher, 10u) << "a dropped message is no input";
    Os_Post_Message(WM_MOUSEMOVE, 0, 0);
    Os_Clear_Messages();
    vorher = Os_Time_Ms();
    Os_Wait_Input(10);
    EXPECT_EQ(Os_Time_Ms() - vorher, 10u) << "nor is a cleared one";
    Os_Post_Message(WM_MOUSEMOVE, 0, 0);
    vorher = Os_Time_Ms();
    Os_Wait_Input(10);
    EXPECT_EQ(Os_Time_Ms() - vorher, 0u) << "a queued one is";
    Os_Script_Halten(false);
    leeren();
}

// A thread that follows the clock wakes at exactly the time it slept until while the window
// thread pumps idle, a millisecond a pump; one that begins to follow meanwhile as well.
TEST(Leerlauf, AFollowerWakesOnTimeWhileThePumpIdles)
{
    leeren();
    Os_Script_Load_Text("wait input\n");
    Os_Script_Halten(true);
    std::atomic<bool> folgt{false}, fertig{false};
    std::vector<int32_t> spaet;
    std::thread folger([&] {
        Os_Thread_Follows_Clock();
        folgt = true;
        for (int i = 0; i < 30; ++i) {
            const uint32_t ziel = Os_Time_Ms() + uint32_t(1 + i % 4);
            Os_Sleep(uint32_t(1 + i % 4));
            spaet.push_back(int32_t(Os_Time_Ms() - ziel));
        }
        Os_Thread_Stops_Following();
        fertig = true;
    });
    // Idle pumps before the thread follows would only run the clock ahead of it.
    while (!folgt) std::this_thread::yield();
    const uint32_t start = Os_Time_Ms();
    while (!fertig && Os_Time_Ms() - start < 10000) Win95_Message_Pump();
    folger.join();
    ASSERT_EQ(spaet.size(), 30u);
    for (size_t i = 0; i < spaet.size(); ++i) EXPECT_EQ(spaet[i], 0) << "sleep " << i;
    Os_Script_Halten(false);
    leeren();
}

// In a program of one thread the clock steps without its locks; the timer's passes still come
// each at its own time, on idle steps and long advances alike. Run in a process of its own: one
// that ever had a second thread takes the locks.
std::vector<uint32_t> takt_zeiten;
uint32_t takt_merken()
{
    takt_zeiten.push_back(Os_Time_Ms());
    return 7;
}

// Idle steps and long advances with the timer clocked on the way: 0 when every pass came at its
// own time.
int takt_ablauf()
{
    takt_zeiten.clear();
    const uint32_t start = Os_Time_Ms();
    Os_Clock_Takt_Setzen(takt_merken);
    for (int i = 0; i < 100; ++i) Os_Clock_Advance(1);
    Os_Clock_Advance(50);
    Os_Clock_Advance(0);
    for (int i = 0; i < 20; ++i) Os_Clock_Advance(1);
    Os_Clock_Advance(30);
    Os_Clock_Takt_Setzen(nullptr);
    if (Os_Time_Ms() - start != 200) return 4;
    if (takt_zeiten.size() != 200 / 7 + 1) return 5;
    for (size_t k = 0; k < takt_zeiten.size(); ++k)
        if (takt_zeiten[k] - start != 7 * k) return 6;
    return 0;
}

TEST(Leerlauf, ALoneThreadsClockRunsEachTimerPassAtItsTime)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            if (!__libc_single_threaded) std::_Exit(3);
            if (const int fehler = takt_ablauf()) std::_Exit(fehler);
            std::_Exit(__libc_single_threaded ? 0 : 7);
        },
        testing::ExitedWithCode(0), "");
}

// Once a second thread has existed the clock takes its locks and fences: the passes come at the
// same times as alone.
TEST(Leerlauf, AClockThatHadASecondThreadRunsTheSamePasses)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            std::thread([] {}).join();
            if (__libc_single_threaded) std::_Exit(3);
            std::_Exit(takt_ablauf());
        },
        testing::ExitedWithCode(0), "");
}
