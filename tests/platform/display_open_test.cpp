// Opening the screen leaves the system's cursor hidden and the window settled.
#include <gtest/gtest.h>

#include "platform/display.h"
#include "platform/os/os.h"
#include "platform/timer.h"
#include "platform/win95.h"

TEST(DisplayOpen, HidesTheCursorAndPumpsMessagesFor150Ms)
{
    Bildschirm_Modus = 101;
    Win95_Show_Windows_Cursor();
    ASSERT_EQ(Os_Cursor_Count(0), 0);
    Os_Clear_Messages();
    Win95_Eingabe.doppelklick = 0;
    Os_Post_Message(WM_LBUTTONDBLCLK, 0, 0);

    uint32_t start = Timer_Get_Time();
    int32_t depth = 16;
    ASSERT_EQ(Win95_Open_Screen(640, 480, &depth), 1);
    EXPECT_EQ(Os_Cursor_Count(0), -1);
    EXPECT_EQ(Win95_Eingabe.doppelklick, 1u) << "the waiting message was handled";
    EXPECT_GE(Timer_Get_Time() - start, 150u) << "virtual clock";
    Win95_Close_Screen(1);
    Win95_Eingabe.doppelklick = 0;
}
