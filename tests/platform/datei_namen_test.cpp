#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "platform/os/os.h"
#include "platform/os/os_file.h"
#include "platform/os/os_text.h"

namespace {

// "Müßig Pokal.sgv" as the program holds it (and an older version named the file), and in UTF-8.
const std::string text = "M\xFC\xDFig Pokal.sgv";
const std::string utf8 = "M\xC3\xBC\xC3\x9Fig Pokal.sgv";
using Namen = std::set<std::string>;

Namen auf_der_platte(const std::string& ordner)
{
    Namen n;
    for (const auto& e : std::filesystem::directory_iterator(ordner)) n.insert(e.path().filename().string());
    return n;
}

std::string lesen(const std::string& pfad)
{
    std::string s = "(fehlt)";
    if (std::FILE* f = Os_File_Open(pfad.c_str(), "rb")) {
        s.clear();
        for (int c; (c = std::fgetc(f)) != EOF;) s += char(c);
        std::fclose(f);
    }
    return s;
}

void schreiben(const std::string& pfad, const char* inhalt)
{
    std::FILE* f = Os_File_Open(pfad.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs(inhalt, f);
    std::fclose(f);
}

}  // namespace

TEST(Datei_Namen, TextsCrossTheEdgeBothWays)
{
    std::string alle;  // the five bytes the code page leaves open come back too
    for (int b = 1; b < 256; ++b) alle += char(b);
    EXPECT_EQ(Os_Text_Cp1252(Os_Text_Utf8(alle)), alle);
    EXPECT_EQ(Os_Text_Aus_System(utf8), text);
    EXPECT_EQ(Os_Text_Aus_System(text), text) << "Windows-1252 bytes are taken as they are";
    // No Windows-1252 form (Ł, ź, beyond 16 bits): one '?' each; overlong and cut forms are no UTF-8.
    EXPECT_EQ(Os_Text_Aus_System("\xC5\x81\xC3\xB3" "d\xC5\xBA \xF0\x9F\x98\x80 \xE2\x82\xAC"), "?\xF3" "d? ? \x80");
    EXPECT_EQ(Os_Text_Aus_System("a\xC0\xAF"), "a\xC0\xAF") << "no '/' slips into a name";
    EXPECT_EQ(Os_Text_Aus_System("a\xC3"), "a\xC3");

    Os_Script_Load_Text("answer " + utf8 + "\nanswer " + text + "\n");
    std::string a, b;
    EXPECT_TRUE(Os_Dialog_Answer(&a) && Os_Dialog_Answer(&b));
    EXPECT_EQ(a, text) << "a script's answer is read as UTF-8";
    EXPECT_EQ(b, text) << "or, where it is none, as Windows-1252";
    Os_Script_Stop();
}

TEST(Datei_Namen, NamesAreUtf8OnDiskAndOldOrForeignNamesAreStillReached)
{
    std::string o = (std::filesystem::temp_directory_path() / "dorvin_namen_XXXXXX").string();
    ASSERT_NE(mkdtemp(o.data()), nullptr);
    // A new file, also in a folder made in the program's form of a UTF-8 name (the program folder).
    ASSERT_TRUE(Os_Make_Dirs(Os_Pfad_Text((o + "/J\xC3\xBCrgen").c_str()).c_str()));
    schreiben(o + "/J\xFCrgen/" + text, "neu");
    EXPECT_EQ(auf_der_platte(o + "/J\xC3\xBCrgen"), Namen{utf8});
    EXPECT_EQ(Os_File_Search((o + "/J\xC3\xBCrgen").c_str(), "*.SGV"), std::vector<std::string>{text});
    EXPECT_EQ(lesen(o + "/J\xC3\xBCrgen/" + text), "neu");

    // An older version's file beside a new one of the same name lists once, the new one opens,
    // and a write under the name leaves one file, named in UTF-8.
    schreiben(o + "/" + text, "neu");
    std::ofstream(o + "/" + text) << "alt";
    EXPECT_EQ(auf_der_platte(o).size(), 3u);
    EXPECT_EQ(Os_File_Search(o.c_str(), "*.sgv"), std::vector<std::string>{text});
    EXPECT_EQ(lesen(o + "/" + text), "neu");
    schreiben(o + "/" + text, "dritt");
    EXPECT_EQ(auf_der_platte(o), (Namen{"J\xC3\xBCrgen", utf8}));

    // A name without a Windows-1252 form lists with '?', opens, and keeps its name when written.
    std::ofstream(o + "/\xC5\x81\xC3\xB3" "d\xC5\xBA.sgv") << "polnisch";
    const std::vector<std::string> liste = Os_File_Search(o.c_str(), "?*d?.sgv");
    ASSERT_EQ(liste, std::vector<std::string>{"?\xF3" "d?.sgv"});
    EXPECT_EQ(lesen(o + "/" + liste[0]), "polnisch");
    schreiben(o + "/" + liste[0], "wieder");
    EXPECT_EQ(lesen(o + "/\xC5\x81\xC3\xB3" "d\xC5\xBA.sgv"), "wieder");
    EXPECT_EQ(auf_der_platte(o).size(), 3u);
    std::filesystem::remove_all(o);
}
