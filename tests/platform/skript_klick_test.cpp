#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/maus.h"
#include "platform/os/os.h"
#include "platform/os/os_display.h"
#include "platform/os/os_intern.h"
#include "platform/win95.h"

// A script's click must reach a menu whose hover glow peeks at the buttons before the event step
// reads them: the press has to be there for both.
TEST(SkriptKlick, AClickHoldsTheButtonAtItsPointForMoreThanOnePoll)
{
    Os_Script_Stop();
    Os_Clear_Messages();
    Os_Input_Set_Buttons(false, false);
    Maus_Get_Tasten();
    Maus_Neue_Tasten();
    Os_Script_Load_Text("click 30 40\n");
    int beide = 0, gepollt = 0;
    const uint32_t start = Os_Time_Ms();
    while (!Os_Script_Finished() && Os_Time_Ms() - start < 5000) {
        ++gepollt;
        const int spaehen = Maus_Get_Tasten();
        const int schritt = Maus_Get_Tasten();
        if (spaehen == 1 && schritt == 1) {
            ++beide;
            EXPECT_EQ(Win95_Get_Cursor_X(), 30) << "pressed where it points";
            EXPECT_EQ(Win95_Get_Cursor_Y(), 40);
        }
    }
    EXPECT_GE(beide, 2) << "after " << gepollt << " polls";
    EXPECT_GE(Os_Time_Ms() - start, 100u);
    EXPECT_EQ(Maus_Get_Tasten(), 0) << "released at the end";
    Os_Script_Stop();
    Os_Clear_Messages();
}

// A wait lets the waiting program come to rest at the pointer before the next line: a menu needs
// a pass to leave the icon the pointer left and one to take the new one, or a right click there
// opens the menu of no icon.
TEST(SkriptKlick, AWaitGivesTheRestingProgramPassesAtThePointerBeforeItsTimeRunsOut)
{
    Os_Script_Stop();
    Os_Clear_Messages();
    Os_Input_Set_Buttons(false, false);
    Maus_Get_Tasten();
    Os_Script_Load_Text("move 30 40\nwait 1000\nright down\nwait 50\nright up\n");
    Os_Wait_Input(10);  // the program rests, waiting for input, when the script begins
    const uint32_t start = Os_Time_Ms();
    int ruhig = 0;
    bool gedrueckt = false;
    for (int pass = 0; pass < 100000 && !Os_Script_Finished(); ++pass) {
        Win95_Message_Pump();
        if (Maus_Get_Tasten() == 2) {
            gedrueckt = true;
            break;
        }
        if (Win95_Get_Cursor_X() == 30 && Win95_Get_Cursor_Y() == 40) ++ruhig;
        Os_Wait_Input(10);
    }
    EXPECT_TRUE(gedrueckt);
    EXPECT_GE(ruhig, 2) << "passes at rest before the press";
    EXPECT_GE(Os_Time_Ms() - start, 1000u) << "the wait still lasts its time";
    EXPECT_LT(Os_Time_Ms() - start, 1200u) << "and the clock jumps once the program rested";
    // Stopped before its release, the script leaves the button up.
    Os_Script_Stop();
    EXPECT_EQ(Maus_Get_Tasten(), 0);
    Os_Clear_Messages();
}

// A match day's screen plays on its own while it takes input: a wait there lasts its time frame
// by frame (the games go on meanwhile), where a busy loop elsewhere gets the clock's jump.
TEST(SkriptKlick, AWaitOnAScreenThatPlaysOnItsOwnIsNotCutShort)
{
    for (const bool laufend : {true, false}) {
        Os_Script_Stop();
        Os_Clear_Messages();
        Os_Input_Set_Mouse(1, 1);
        Os_Script_Load_Text("wait 10000\nmove 5 6\n");
        Os_Wait_Input(10);  // the program has rested before
        EXPECT_FALSE(Os_Script_Laufender_Schirm(laufend));
        const uint32_t start = Os_Time_Ms();
        int bilder = 0;
        for (; bilder < 8000 && Win95_Get_Cursor_X() != 5; ++bilder) {
            Win95_Message_Pump();
            Os_Sleep(2);
        }
        EXPECT_EQ(Win95_Get_Cursor_Y(), 6) << laufend;
        if (laufend) {
            EXPECT_GE(bilder, 3333) << "every frame of the wait shown (3 ms a frame)";
        } else {
            EXPECT_LT(bilder, 2100) << "the busy loop's wait jumps";
        }
        EXPECT_GE(Os_Time_Ms() - start, 10000u);
        EXPECT_EQ(Os_Script_Laufender_Schirm(false), laufend);
    }
    Os_Script_Stop();
    Os_Clear_Messages();
}

// "wait input" outlasts a match day's screens however many frames they take, and ends once
// the program takes input elsewhere, without jumping the clock: the next click reaches the turn.
TEST(SkriptKlick, AWaitForInputOutlastsTheMatchDaysScreens)
{
    Os_Script_Stop();
    Os_Clear_Messages();
    Os_Input_Set_Mouse(1, 1);
    Os_Script_Load_Text("wait input\nmove 5 6\n");
    const uint32_t start = Os_Time_Ms();
    Os_Script_Laufender_Schirm(true);
    for (int bild = 0; bild < 5000; ++bild) {
        Win95_Message_Pump();
        Os_Sleep(2);
    }
    EXPECT_EQ(Win95_Get_Cursor_X(), 1) << "no line while the day's screen is up";
    EXPECT_FALSE(Os_Script_Finished());
    Os_Script_Laufender_Schirm(false);
    Os_Wait_Input(10);
    Win95_Message_Pump();  // the wait ends
    Win95_Message_Pump();
    EXPECT_EQ(Win95_Get_Cursor_X(), 5);
    EXPECT_LT(Os_Time_Ms() - start, 15100u) << "the clock only ran with the program";
    Os_Script_Stop();
    Os_Clear_Messages();
}

namespace {

bool datei_da(const std::string& pfad) { return std::filesystem::exists(pfad); }

// Pumps as a waiting program does, `mal` times.
void ruhen(int mal)
{
    for (int i = 0; i < mal; ++i) {
        Win95_Message_Pump();
        Os_Wait_Input(1);
    }
}

}  // namespace

// A picture line right before a dialog's answer pictures the dialog: it waits while the click
// that opens the dialog works its way through the program, and the dialog takes it with its
// answer. A program that rests on without a dialog takes it as a plain picture at last; a picture
// without an answer behind it is taken at once.
TEST(SkriptKlick, APictureBeforeADialogsAnswerWaitsForTheDialog)
{
    Os_Script_Stop();
    Os_Clear_Messages();
    const bool offen = Os_Display_Width() > 0;
    if (!offen) {
        ASSERT_TRUE(Os_Display_Open(64, 48, false, false));
    }
    const std::string ordner = std::string(DORVIN_BINARY_DIR) + "/skript_dialog_" + std::to_string(getpid());
    std::filesystem::create_directories(ordner);
    const std::string bild = ordner + "/dialog.png", spaeter = ordner + "/ohne_dialog.png", sofort = ordner + "/sofort.png";

    Os_Script_Load_Text("key 65\ndump " + bild + "\nanswer Anna\n");
    ruhen(5);
    EXPECT_FALSE(datei_da(bild)) << "taken before the dialog opened";
    EXPECT_FALSE(Os_Script_Finished());
    std::string antwort;
    EXPECT_TRUE(Os_Dialog_Answer(&antwort));
    EXPECT_EQ(antwort, "Anna");
    EXPECT_TRUE(datei_da(bild)) << "the open dialog not pictured";
    EXPECT_TRUE(Os_Script_Finished());

    Os_Script_Load_Text("dump " + spaeter + "\nanswer Berta\n");
    for (int i = 0; i < 1000 && !Os_Script_Finished(); ++i) ruhen(1);
    EXPECT_TRUE(datei_da(spaeter)) << "a picture waits for a dialog that never comes";
    EXPECT_TRUE(Os_Dialog_Answer(&antwort));
    EXPECT_EQ(antwort, "Berta");

    Os_Script_Load_Text("dump " + sofort + "\nwait 10\nanswer Carla\n");
    ruhen(2);
    EXPECT_TRUE(datei_da(sofort));

    Os_Script_Stop();
    Os_Clear_Messages();
    if (!offen) Os_Display_Close();
    std::filesystem::remove_all(ordner);
}
