#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/os/os_registry.h"
#include "platform/win95.h"

namespace {

struct Temp_Registry {
    std::string path;
    Temp_Registry(const std::string& content)
    {
        char tmpl[] = "/tmp/dorvin_reg_XXXXXX";
        int fd = mkstemp(tmpl);
        close(fd);
        path = tmpl;
        std::ofstream(path, std::ios::binary) << content;
        setenv("DORVIN_REGISTRY", path.c_str(), 1);
    }
    ~Temp_Registry()
    {
        std::remove(path.c_str());
        unsetenv("DORVIN_REGISTRY");
    }
};

const std::string key = "Software\\moss-quill\\Dorvin_Zidurida_Vozozor";

}  // namespace

TEST(Registry, ValuesSurviveAWriteAndDamagedLinesAreIgnored)
{
    Temp_Registry reg("garbage before any key\n"
                      "\"Lost\"=\"no key yet\"\n"
                      "[" + key + "\\a_value]\n"
                      "\"Installation\"=\"TRUE\"\n"
                      "\"Kaputt\"=\"never closed\n"
                      "\"Ohne\" \"gleich\"\n"
                      "[unclosed key\n"
                      "\x01\x02\xff binary junk\n"
                      "[" + key + "\\APP_PATH]\n"
                      "@=\"/spiele/dorvin \\\"neu\\\"\"\n");
    EXPECT_TRUE(Win95_Registry_Check_Key("Dorvin_Zidurida_Vozozor"));
    EXPECT_FALSE(Win95_Registry_Check_Key("Anderes_Produkt"));

    // Keys and value names ignore case; quotes inside a value are escaped.
    std::string v;
    EXPECT_EQ(Os_Registry_Get((key + "\\app_path").c_str(), "", &v), Os_Registry_Result::ok);
    EXPECT_EQ(v, "/spiele/dorvin \"neu\"");
    EXPECT_EQ(Os_Registry_Get((key + "\\a_value").c_str(), "Kaputt", &v), Os_Registry_Result::no_value);

    // A write keeps what was there and adds a Windows-1252 text that reads back unchanged.
    EXPECT_EQ(Win95_Registry_Set_A_Value("letzter_spielstand", "Spielstand \xE4\\1"), 0);
    EXPECT_STREQ(Win95_Registry_Get_Letzter_Spielstand(), "Spielstand \xE4\\1");
    char buf[10];
    EXPECT_EQ(Win95_Registry_Get_A_Value("installation", buf, sizeof buf), 0);
    EXPECT_STREQ(buf, "TRUE");
    EXPECT_EQ(Os_Registry_Get((key + "\\app_path").c_str(), "", &v), Os_Registry_Result::ok);
    EXPECT_EQ(v, "/spiele/dorvin \"neu\"");
}

// A value set to what it holds leaves the file alone (the monthly autosave names the same
// savegame each time); another value writes it anew, still readable.
TEST(Registry, AValueSetToWhatItHoldsLeavesTheFileAlone)
{
    const std::string inhalt = "# von Hand\n[" + key + "\\a_value]\n\"letzter_spielstand\"=\"Autosave_Monat\"\n";
    Temp_Registry reg(inhalt);
    auto datei = [&] {
        std::ifstream in(reg.path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    EXPECT_EQ(Win95_Registry_Set_A_Value("Letzter_Spielstand", "Autosave_Monat"), 0);
    EXPECT_EQ(datei(), inhalt);
    EXPECT_EQ(Win95_Registry_Set_A_Value("letzter_spielstand", "mitte"), 0);
    EXPECT_NE(datei(), inhalt);
    EXPECT_STREQ(Win95_Registry_Get_Letzter_Spielstand(), "mitte");
}

TEST(Registry, ReaderZeroesTheBufferAndRefusesWhatDoesNotFit)
{
    Temp_Registry reg("[" + key + "\\a_value]\n\"Lang\"=\"0123456789\"\n");
    char buf[10];
    std::memset(buf, 'x', sizeof buf);
    // The value needs 11 bytes: not read, and no stale bytes left behind.
    EXPECT_EQ(Win95_Registry_Get_A_Value("Lang", buf, sizeof buf), 1);
    EXPECT_EQ(buf[0], 0);
    std::memset(buf, 'x', sizeof buf);
    EXPECT_EQ(Win95_Registry_Get_A_Value("Fehlt", buf, sizeof buf), 1);
    EXPECT_EQ(buf[0], 0);
    // No w_value key at all: 0, and the buffer is still zeroed.
    std::memset(buf, 'x', sizeof buf);
    EXPECT_EQ(Win95_Registry_Get_W_Value("Lang", buf, sizeof buf), 0);
    EXPECT_EQ(buf[0], 0);
    // Without the sub-key "extension": null, and the buffer holds the default.
    EXPECT_EQ(Win95_Registry_Get_Extension(), nullptr);
    EXPECT_STREQ(Win95_Extension, ".sgv");
    EXPECT_EQ(Win95_Registry_Get_App_Path(), nullptr);
}

TEST(Registry, AppPathFillsTheFolders)
{
    Temp_Registry reg("[" + key + "\\app_path]\n@=\"/opt/dorvin/\"\n[" + key +
                      "\\extension]\n@=\".spl\"\n");
    ASSERT_STREQ(Win95_Registry_Get_App_Path(), "/opt/dorvin");
    EXPECT_STREQ(Pfad_Config_Files, "/opt/dorvin/config_files");
    EXPECT_STREQ(Pfad_Video, "/opt/dorvin/fmdv_system");
    EXPECT_STREQ(Pfad_Server_Logfiles, "/opt/dorvin/server_logfiles");
    EXPECT_STREQ(Win95_Registry_Get_Extension(), ".spl");
}

// Another process (the installer, an editor) may change the file between two calls, also in
// place and to the same size: the next read sees it, and a write keeps what it changed.
TEST(Registry, AChangeByAnotherBetweenCallsIsSeen)
{
    const std::string kopf = "[" + key + "\\a_value]\n";
    Temp_Registry reg(kopf + "\"Installation\"=\"TRUE\"\n");
    char buf[16];
    ASSERT_EQ(Win95_Registry_Get_A_Value("Installation", buf, sizeof buf), 0);
    EXPECT_STREQ(buf, "TRUE");
    {
        std::fstream f(reg.path, std::ios::binary | std::ios::in | std::ios::out);
        f.seekp(std::streamoff(kopf.size()));
        f << "\"Installation\"=\"FAST\"\n";
    }
    ASSERT_EQ(Win95_Registry_Get_A_Value("Installation", buf, sizeof buf), 0);
    EXPECT_STREQ(buf, "FAST");
    EXPECT_EQ(Win95_Registry_Set_A_Value("letzter_spielstand", "mitte"), 0);
    std::ofstream(reg.path, std::ios::binary | std::ios::app) << "\"Sprache\"=\"de\"\n";
    EXPECT_EQ(Win95_Registry_Get_A_Value("Sprache", buf, sizeof buf), 0);
    EXPECT_STREQ(buf, "de");
    EXPECT_EQ(Win95_Registry_Set_A_Value("letzter_spielstand", "ende"), 0);
    EXPECT_STREQ(Win95_Registry_Get_Letzter_Spielstand(), "ende");
    EXPECT_EQ(Win95_Registry_Get_A_Value("Sprache", buf, sizeof buf), 0);
    EXPECT_STREQ(buf, "de");
    EXPECT_EQ(Win95_Registry_Get_A_Value("Installation", buf, sizeof buf), 0);
    EXPECT_STREQ(buf, "FAST");
    std::remove(reg.path.c_str());
    EXPECT_EQ(Win95_Registry_Get_A_Value("Installation", buf, sizeof buf), 0) << "no key, no file";
    EXPECT_EQ(buf[0], 0);
}

// The program's values go to the file in UTF-8, as every other program reads it; one that an
// older version wrote in Windows-1252 bytes still reads. The buffer's size counts the text.
TEST(Registry, ValuesAreUtf8InTheFileAndOldWindows1252ValuesStillRead)
{
    Temp_Registry reg("[" + key + "\\a_value]\n\"letzter_spielstand\"=\"/spiele/M\xFC\xDFig Pokal.sgv\"\n");
    EXPECT_STREQ(Win95_Registry_Get_Letzter_Spielstand(), "/spiele/M\xFC\xDFig Pokal.sgv");
    ASSERT_EQ(Win95_Registry_Set_A_Value("letzter_spielstand", "/spiele/\xC4rger.sgv"), 0);
    std::ifstream in(reg.path, std::ios::binary);
    const std::string datei((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(datei.find("\"/spiele/\xC3\x84rger.sgv\""), std::string::npos) << datei;
    EXPECT_STREQ(Win95_Registry_Get_Letzter_Spielstand(), "/spiele/\xC4rger.sgv");
    char buf[6];
    ASSERT_EQ(Win95_Registry_Set_A_Value("Kurz", "\xE4\xF6\xFC\xDF!"), 0);
    EXPECT_EQ(Win95_Registry_Get_A_Value("Kurz", buf, sizeof buf), 0);
    EXPECT_STREQ(buf, "\xE4\xF6\xFC\xDF!");
}
