// Text entry driven by scripted keys and clicks.
#include <cstring>
#include <string>

#include "gameflow/globals.h"
#include "graphics/font.h"
#include "platform/os/os.h"
#include "platform/win95.h"
#include "toolkit/key_input.h"
#include "umgebung.h"

namespace {

class KeyInput : public Toolkit_Test {
protected:
    // Runs an entry over the script; the script's end closes the window, which ends any entry.
    int32_t eingabe(char* text, int32_t size, uint32_t flags, const std::string& skript, uint32_t* zahl = nullptr,
                    int32_t max_len = 30, int32_t w = 200)
    {
        Os_Script_Load_Text(skript);
        const int32_t r = Key_Input_String(Font(3), text, size, max_len, flags, 20, 30, w, 16, 2, 1, nullptr, 0, 0, zahl);
        Os_Script_Stop();
        Programm_Ende = 0;
        return r;
    }
    static std::string tasten(std::initializer_list<int> codes)
    {
        std::string s;
        for (int c : codes) s += "key " + std::to_string(c) + "\n";
        return s;
    }
};

TEST_F(KeyInput, NamesDigitsAndGermanKeys)
{
    char t[32] = "";
    EXPECT_EQ(eingabe(t, 32, KEY_INPUT_NAME, tasten({'H', 'A', 'L', 'L', 'O', 13})), 1);
    EXPECT_STREQ(t, "hallo");
    t[0] = 0;
    eingabe(t, 32, KEY_INPUT_NAME, "key_down 16\nkey 72\nkey_up 16\n" + tasten({'A', 'L', 'L', 'O', 13}));
    EXPECT_STREQ(t, "Hallo");

    uint32_t zahl = 0;
    char z[16] = "";
    eingabe(z, 16, KEY_INPUT_ZAHL, tasten({'1', 'X', '2', 13}), &zahl);
    EXPECT_EQ(zahl, 12u);

    t[0] = 0;
    eingabe(t, 32, KEY_INPUT_TEXT, tasten({186, 192, 219, 222}) + "key_down 16\n" + tasten({186, 192, 219, 222, '5'}) +
                                       "key_up 16\nkey 13\n");
    EXPECT_STREQ(t, "üößäÜÖ?Ä%");
}

// A start text from a file or another PC is shown and kept as the characters it holds, and the
// field takes no '^', which would start a code wherever the text is drawn.
TEST_F(KeyInput, NoCodeEntersThroughTheField)
{
    char t[32] = "Ab^c31000^gnl0x00010000";
    eingabe(t, 32, KEY_INPUT_TEXT, tasten({'^', 'X', 13}));
    EXPECT_STREQ(t, "Ab\x88" "c31000\x88" "gnl0x00010000x");
}

TEST_F(KeyInput, WidthEscapeAndReplacingSelection)
{
    // The field takes characters only while the whole text stays narrower than w - margin - 2
    // (the margin is one more than asked for): "mmm" would be exactly as wide.
    const int32_t w = 3 + 2 + Key_Input_Text_Breite(Font(3), "mmm", 3);
    char t[32] = "";
    eingabe(t, 32, KEY_INPUT_TEXT, tasten({'M', 'M', 'M', 'M', 13}), nullptr, 30, w);
    EXPECT_STREQ(t, "mm");

    char e[32] = "alt";
    EXPECT_EQ(eingabe(e, 32, KEY_INPUT_TEXT, tasten({'X', 'Y', 27})), 1);
    EXPECT_STREQ(e, "alt");

    char r[32] = "alter Text";
    eingabe(r, 32, KEY_INPUT_TEXT | KEY_INPUT_ALLES_WAEHLEN, tasten({'N', 13}));
    EXPECT_STREQ(r, "n");

    // Shift+Home selects back to the start; Delete removes it.
    char s[32] = "abc";
    eingabe(s, 32, KEY_INPUT_TEXT, tasten({VK_LEFT}) + "key_down 16\nkey 36\nkey_up 16\n" + tasten({VK_DELETE, 13}));
    EXPECT_STREQ(s, "c");
}

TEST_F(KeyInput, DoubleClickSelectsTheWordWithTheSpaceBefore)
{
    char t[32] = "ab cd";
    // Margin 2 + 1: the pointer on the "d".
    const int32_t px = 20 + 3 + Key_Input_Text_Breite(Font(3), t, 4) + 1;
    const std::string p = std::to_string(px) + " 35\n";
    eingabe(t, 32, KEY_INPUT_TEXT | KEY_INPUT_MAUS, "click " + p + "click " + p + "key 88\nkey 13\n");
    EXPECT_STREQ(t, "abx");
}

TEST_F(KeyInput, BadArgumentsAndOverlongTexts)
{
    char t[8] = "abc";
    EXPECT_EQ(Key_Input_String(Font(3), nullptr, 8, 8, 0, 0, 0, 10, 10, 0, 0, nullptr, 0, 0, nullptr), 0);
    EXPECT_EQ(Key_Input_String(Font(3), t, 0, 8, 0, 0, 0, 10, 10, 0, 0, nullptr, 0, 0, nullptr), 0);
    EXPECT_EQ(Key_Input_String(Font(3), t, 8, 8, 0, -1, 0, 10, 10, 0, 0, nullptr, 0, 0, nullptr), 0);
    EXPECT_EQ(Key_Input_String(nullptr, t, 8, 8, 0, 0, 0, 10, 10, 0, 0, nullptr, 0, 0, nullptr), 0);

    // A buffer without terminator is cut, and max_len never lets the text outgrow the buffer.
    char voll[4] = {'w', 'x', 'y', 'z'};
    eingabe(voll, 4, KEY_INPUT_TEXT, tasten({'Q', 13}), nullptr, 50);
    EXPECT_STREQ(voll, "wxy");
    char kurz[4] = "";
    eingabe(kurz, 4, KEY_INPUT_TEXT, tasten({'A', 'B', 'C', 'D', 'E', 13}), nullptr, 50);
    EXPECT_STREQ(kurz, "abc");

    int32_t a = 5, b = 2, s = 0, e = 0;
    Key_Input_Bereich_Ordnen(&a, &b);
    EXPECT_EQ(a * 10 + b, 25);
    Key_Input_Wort_Waehlen(1, "eins", &s, &e);
    EXPECT_EQ(s * 10 + e, 4);
}

}  // namespace
