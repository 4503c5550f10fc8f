#include <gtest/gtest.h>

#include <cstring>

#include "platform/eingabe.h"
#include "platform/maus.h"
#include "platform/os/os.h"
#include "platform/os/os_intern.h"
#include "platform/win95.h"

TEST(Eingabe, QuitSimulationCycles)
{
    Eingabe_Reset();
    Os_Clear_Messages();
    Programm_Ende = 0;
    Os_Input_Set_Buttons(false, true);
    EXPECT_EQ(Maus_Get_Tasten_Quit(), 2) << "with the flag clear: the real buttons";
    Os_Input_Set_Buttons(false, false);
    EXPECT_EQ(Maus_Get_Tasten_Quit(), 0);
    EXPECT_EQ(Eingabe_Get_Zeichen(), 0) << "no input";

    Eingabe_Reset();
    Programm_Ende = 1;
    int expect[] = {0, 2, 2, 2, 2, 0, 0, 2};
    for (int e : expect) EXPECT_EQ(Maus_Get_Tasten_Quit(), e);

    // "?" on two of every four calls, so that a loop sees release and press.
    Eingabe_Reset();
    Os_Clear_Messages();
    int zeichen[4];
    for (int& z : zeichen) z = Eingabe_Get_Zeichen();
    EXPECT_NE(zeichen[0], '?');
    EXPECT_NE(zeichen[1], '?');
    EXPECT_EQ(zeichen[2], '?');
    EXPECT_EQ(zeichen[3], '?');
    Programm_Ende = 0;
}

TEST(Eingabe, TypedLettersAndBoundedCopy)
{
    Win95_Eingabe.taste = 'A';
    Win95_Eingabe.shift = 0;
    EXPECT_EQ(Taste_Get_Zeichen(), 'a');
    EXPECT_EQ(Win95_Eingabe.taste, -1);
    Win95_Eingabe.taste = 'A';
    Win95_Eingabe.shift = -1;
    EXPECT_EQ(Taste_Get_Zeichen(), 'A');
    Win95_Eingabe.taste = '1';
    Win95_Eingabe.shift = 0;
    EXPECT_EQ(Taste_Get_Zeichen(), '1');

    char dst[8];
    std::memset(dst, 'x', sizeof dst);
    EXPECT_EQ(String_Copy_Max(dst, "abcdef", 3), dst + 3);
    EXPECT_STREQ(dst, "abc");
    EXPECT_EQ(String_Copy_Max(dst, "ab", 3), dst + 2);
    EXPECT_STREQ(dst, "ab");
}

// Buttons as the window reports them: a click whose down and up arrive in one poll, a button
// held across a script's wait.
TEST(Eingabe, AFastClickIsSeenOnceAndAHeldButtonKeepsTheProgramPolling)
{
    Os_Script_Stop();
    Os_Clear_Messages();
    Os_Input_Set_Buttons(false, false);
    Maus_Get_Tasten();
    Maus_Neue_Tasten();
    Os_Input_Set_Buttons(true, false);
    Os_Input_Set_Buttons(false, false);
    EXPECT_EQ(Maus_Get_Tasten(), 1) << "the press came and went before the poll";
    EXPECT_EQ(Maus_Get_Tasten(), 0) << "and counts once";
    EXPECT_EQ(Maus_Neue_Tasten(), 1);
    EXPECT_EQ(Maus_Neue_Tasten(), 0);
    Os_Input_Set_Buttons(false, true);
    EXPECT_EQ(Maus_Neue_Tasten(), 2);
    EXPECT_EQ(Maus_Get_Tasten(), 2) << "held";
    EXPECT_EQ(Maus_Get_Tasten(), 2);
    Os_Input_Set_Buttons(false, false);
    EXPECT_EQ(Maus_Get_Tasten(), 0);
    // Where a press began is kept while the pointer moves on, until the next press.
    Os_Input_Set_Mouse(30, 40);
    Os_Input_Set_Buttons(true, false);
    Os_Input_Set_Mouse(300, 200);
    Os_Input_Set_Buttons(true, true);
    int32_t x = 0, y = 0;
    Maus_Druck_Position(&x, &y);
    EXPECT_EQ(x, 300) << "the right button's press";
    Os_Input_Set_Buttons(false, false);
    Os_Input_Set_Mouse(50, 60);
    Maus_Druck_Position(&x, &y);
    EXPECT_EQ(x, 300);
    EXPECT_EQ(y, 200);
    Maus_Get_Tasten();
    Maus_Neue_Tasten();

    // The script's fast click comes in one poll; while its held button waits, every pass of
    // the program sees it, one millisecond of the clock at a time.
    Os_Script_Load_Text("left down\nleft up\nleft down\nwait 500\nleft up\n");
    Win95_Message_Pump();
    EXPECT_FALSE(Os_Mouse_Left());
    EXPECT_EQ(Maus_Get_Tasten(), 1);
    int gehalten = 0;
    const uint32_t start = Os_Time_Ms();
    while (!Os_Script_Finished() && Os_Time_Ms() - start < 5000)
        if (Maus_Get_Tasten() == 1) ++gehalten;
    EXPECT_GE(gehalten, 400);
    EXPECT_FALSE(Os_Mouse_Left());
    Os_Script_Stop();
    Os_Clear_Messages();
}
