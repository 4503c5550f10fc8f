// SDL2 is opened at the first window or sound device: headless work never loads it.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/os/os.h"
#include "platform/os/os_display.h"
#include "platform/os/os_sdl_laden.h"
#include "platform/os/os_sound.h"
#include "platform/sound.h"

namespace {

bool sdl_geladen()
{
    std::ifstream maps("/proc/self/maps");
    for (std::string zeile; std::getline(maps, zeile);)
        if (zeile.find("libSDL2") != std::string::npos) return true;
    return false;
}

}  // namespace

TEST(SdlLaden, HeadlessWorkLeavesItUnloadedTheFirstUseLoadsIt)
{
    if (Os_Sdl.SDL_Init) GTEST_SKIP() << "another test of this process opened SDL2 already";
    ASSERT_FALSE(sdl_geladen()) << "SDL2 is linked into the program";
    ASSERT_TRUE(Os_Headless());
    Os_Sound_Set_Headless(true);
    EXPECT_EQ(Sound_Init(), 1);
    Sound_DeInit();
    ASSERT_TRUE(Os_Display_Open(640, 480, false, false));
    Os_Display_Changed(0, 0, 640, 480);
    Os_Display_Close();
    Os_Message_Box("Hinweis", "kopflos");
    EXPECT_FALSE(sdl_geladen());

    ASSERT_TRUE(Os_Sdl_Laden());
    EXPECT_TRUE(sdl_geladen());
    ASSERT_NE(Os_Sdl.SDL_GetError, nullptr);
    EXPECT_NE(Os_Sdl.SDL_GetError(), nullptr);
    EXPECT_TRUE(Os_Sdl_Laden()) << "loaded once, asked again";
}
