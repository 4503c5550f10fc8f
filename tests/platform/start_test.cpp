// The program as a whole: the start-up checks of the built binary in a temporary installation,
// the game main routine's order, the crash report of a faulting child, the picture dump.
#include <gtest/gtest.h>

#include <png.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gameflow/game_main.h"
#include "graphics/font.h"
#include "platform/debug.h"
#include "platform/display.h"
#include "platform/mauszeiger.h"
#include "platform/os/crash.h"
#include "platform/os/os.h"
#include "platform/os/os_display.h"
#include "platform/os/os_sound.h"
#include "platform/resfile.h"
#include "platform/timer.h"
#include "platform/win95.h"
#include "platform/zufall.h"

namespace {

std::string temp_dir()
{
    char tmpl[] = "/tmp/dorvin_start_XXXXXX";
    return mkdtemp(tmpl) ? tmpl : "/tmp";
}

void write_file(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Lauf {
    int code = -1;
    std::string err;
};

// Runs a program with arguments and DORVIN_REGISTRY set; collects standard error.
Lauf run(const std::string& registry, std::vector<std::string> args)
{
    std::string err_file = registry + ".stderr";
    pid_t pid = fork();
    if (pid == 0) {
        setenv("DORVIN_REGISTRY", registry.c_str(), 1);
        unsetenv("DISPLAY");
        std::freopen(err_file.c_str(), "w", stderr);
        std::freopen("/dev/null", "w", stdout);
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    Lauf l;
    int status = 0;
    waitpid(pid, &status, 0);
    l.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    l.err = read_file(err_file);
    std::remove(err_file.c_str());
    return l;
}

// The folders the start-up sets, put back when a test that sets them ends.
struct Ordner_Merken {
    std::string programm = Pfad_Programm, resfile = Pfad_Resfile, config = Pfad_Config_Files,
                ordner = ResFile_Ordner, praefix = ResFile_Daten_Praefix;
    ~Ordner_Merken()
    {
        std::snprintf(Pfad_Programm, sizeof Pfad_Programm, "%s", programm.c_str());
        std::snprintf(Pfad_Resfile, sizeof Pfad_Resfile, "%s", resfile.c_str());
        std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s", config.c_str());
        std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s", ordner.c_str());
        std::snprintf(ResFile_Daten_Praefix, sizeof ResFile_Daten_Praefix, "%s", praefix.c_str());
    }
};

const std::string dorvin = DORVIN_BINARY_DIR "/dorvin";
const std::string installer = DORVIN_BINARY_DIR "/dorvin_installer";

}  // namespace

TEST(Start, InstallationChecksInOrder)
{
    std::string dir = temp_dir(), reg = dir + "/registry", prog = dir + "/programm";
    write_file(reg, "");
    Lauf l = run(reg, {dorvin, "--headless"});
    EXPECT_EQ(l.code, 0);
    EXPECT_EQ(l.err, "Meldung: Bitte installieren Sie 'Dorvin Zidurida Vozozor' vor dem ersten Start.\n");

    ASSERT_EQ(run(reg, {installer, "--daten", dir + "/fehlt", "--ziel", prog}).code, 0);
    // A second run copies the generated tree into the folders.
    mkdir((dir + "/daten").c_str(), 0755);
    mkdir((dir + "/daten/config_files").c_str(), 0755);
    write_file(dir + "/daten/config_files/version.cfg", "1.10");
    ASSERT_EQ(run(reg, {installer, "--daten", dir + "/daten", "--ziel", prog}).code, 0);
    EXPECT_EQ(read_file(prog + "/config_files/version.cfg"), "1.10");
    for (const char* o : {"config_files", "szenario", "vereins_wappen", "spieler_bilder", "manager_bilder",
                          "user_sounds", "menu_sounds", "fmdv_system", "server_logfiles", "spielstand",
                          "resfile"})
        EXPECT_EQ(access((prog + "/" + o).c_str(), W_OK), 0) << o;

    std::string installed = read_file(reg);
    std::string lower = installed;
    lower.replace(lower.find("\"TRUE\""), 6, "\"true\"");
    write_file(reg, lower);
    l = run(reg, {dorvin, "--headless"});
    EXPECT_EQ(l.code, 0);
    EXPECT_EQ(l.err, "Meldung: Die Dorvin Installation wurde nicht korrekt ausgef\xC3\xBChrt.\n"
                     "Bitte starten Sie die Installation nochmals.\n");

    write_file(reg, installed);
    l = run(reg, {dorvin, "--headless"});
    EXPECT_EQ(l.err, "Meldung: Fehler: Kann das File " + prog + "/resfile/resf_scr.res nicht finden.\n");
    write_file(prog + "/resfile/resf_scr.res", "");
    write_file(prog + "/config_files/1_spieler.cfg", "");
    write_file(prog + "/config_files/1_wettbewerb.cfg", "");
    l = run(reg, {dorvin, "--headless"});
    EXPECT_EQ(l.code, 0);
    EXPECT_EQ(l.err, "Meldung: Fehler: Kann das File " + prog + "/config_files/1_team.cfg nicht finden.\n");

    // Every file there, but the screen resource file is empty: the start menu has no pictures,
    // and the game says so and ends cleanly.
    write_file(prog + "/config_files/1_team.cfg", "");
    write_file(dir + "/skript", "wait 500\nmove 10 10\nkey 65\nquit\nwait 100000000\n");
    l = run(reg, {dorvin, "--headless", "--role", "server", "--script", dir + "/skript"});
    EXPECT_EQ(l.code, 0);
    EXPECT_EQ(l.err, "Meldung: Das Startmen\xC3\xBC kann nicht angezeigt werden.\n"
                     "Bitte starten Sie die Installation nochmals.\n");

    std::string cleanup = "rm -rf '" + dir + "'";
    EXPECT_EQ(std::system(cleanup.c_str()), 0);
}

// The resource loader opens "data.bin" in the program folder and the rest in the resource folder.
TEST(Start, DataCheckHandsTheResourceFoldersToTheLoader)
{
    Ordner_Merken ordner;
    std::string dir = temp_dir();
    std::snprintf(Pfad_Programm, sizeof Pfad_Programm, "%s", dir.c_str());
    std::snprintf(Pfad_Resfile, sizeof Pfad_Resfile, "%s/resfile", dir.c_str());
    std::snprintf(Pfad_Config_Files, sizeof Pfad_Config_Files, "%s/config_files", dir.c_str());
    EXPECT_EQ(Win95_Check_Data_Files(), 0);  // nothing installed
    EXPECT_EQ(std::string(ResFile_Daten_Praefix), dir + "/");
    EXPECT_EQ(std::string(ResFile_Ordner), dir + "/resfile");
    rmdir(dir.c_str());
}

namespace {

// What the services have left behind, seen from outside Game_Main: one word per service that is
// up. The compression tables leave nothing to look at and are not listed.
std::vector<std::string> zustaende, schritte;
int32_t seed_vorher = 0;
struct {
    int breite = 0, hoehe = 0, zeiger = -1;
    bool font_3_aktuell = false;
} alles_laeuft;

std::string zustand()
{
    std::string z;
    auto wort = [&z](bool da, const char* name) {
        if (da) z += z.empty() ? name : std::string(" ") + name;
    };
    int pitch = 0;
    // A running timer thread answers a suspension; one that is not there ignores it.
    Timer_Thread_Suspend(0);
    const bool timer = Timer_Thread_Suspended();
    Timer_Thread_Suspend(1);
    bool zeigertakt = false, zeiger = false, fonts = false;
    for (int i = 0; i < TIMER_SLOTS; ++i) zeigertakt = zeigertakt || Timer_Slot_Enabled(i);
    for (const Mauszeiger_Image* b : Mauszeiger_Tabelle.images) zeiger = zeiger || b;
    for (const Font_Record* f : Font_Slots) fonts = fonts || f;
    wort(ResFile_Handles[0].handle >= 0 && ResFile_Handles[1].handle >= 0, "dateien");
    wort(Os_Display_Frame(&pitch) != nullptr, "bildschirm");
    wort(timer, "timer");
    wort(Os_Sound_Offen(), "sound");
    wort(Debug_Font != nullptr && Debug_Font_8 != nullptr, "debugfont");
    wort(zeigertakt, "zeigertakt");
    wort(zeiger, "zeiger");
    wort(Zufall_Get_Seed() != seed_vorher, "zufall");
    wort(fonts, "fonts");
    return z;
}

void nach_schritt(const char* name)
{
    zustaende.push_back(zustand());
    schritte.push_back(name);
    if (zustaende.back().find("fonts") != std::string::npos && alles_laeuft.zeiger == -1) {
        alles_laeuft.breite = Os_Display_Width();
        alles_laeuft.hoehe = Os_Display_Height();
        alles_laeuft.zeiger = Mauszeiger_Get_Selected();
        alles_laeuft.font_3_aktuell = Font_Aktuell && Font_Aktuell == Font_Slots[3];
    }
}

// Runs a script to its end and takes the window's closing message, which would otherwise end
// the loops of the next test.
void skript_beenden()
{
    while (!Os_Script_Finished()) Win95_Message_Pump();
    Win95_Message_Pump();
    Programm_Ende = 0;
}

void zeiger_tabelle_leeren()
{
    for (auto& b : Mauszeiger_Tabelle.images) b = Mauszeiger_Image_Free(b);
    Mauszeiger_Tabelle = {};
}

}  // namespace

// The services come up one by one in the start order and go down in the reverse order; what
// each step left behind is read from the services themselves.
TEST(Start, GameMainRunsTheServicesInOrderUntilQuit)
{
    std::string dir = temp_dir();
    for (const char* schritt : {"resfiles", "fonts"})
        ASSERT_EQ(run(dir + "/registry", {DORVIN_BINARY_DIR "/dorvin_datagen", schritt, "--ziel", dir}).code, 0);
    Ordner_Merken ordner;
    std::snprintf(Pfad_Programm, sizeof Pfad_Programm, "%s", dir.c_str());
    std::snprintf(ResFile_Ordner, sizeof ResFile_Ordner, "%s/resfile", dir.c_str());
    std::snprintf(ResFile_Daten_Praefix, sizeof ResFile_Daten_Praefix, "%s/", dir.c_str());
    // The program works in its own folder (the start changes into it before the game): so does
    // this test, so that the server's settings file lands there and not where the test was run.
    struct Arbeitsordner {
        std::filesystem::path alt = std::filesystem::current_path();
        explicit Arbeitsordner(const std::string& neu) { std::filesystem::current_path(neu); }
        ~Arbeitsordner() { std::filesystem::current_path(alt); }
    } arbeitsordner(dir);
    const uint32_t alt_modus = Bildschirm_Modus, alt_netz = Win95_Netz_Modus, alt_aktiv = Win95_Eingabe.aktiv;
    Bildschirm_Modus = 101;
    // Nothing left over from other tests: no timer slot, no pointer image, a known seed.
    Timer_Thread_Stop();
    for (int i = 0; i < TIMER_SLOTS; ++i) {
        Timer_Pause(i);
        Timer_Remove(i);
    }
    zeiger_tabelle_leeren();
    Zufall_Set_Seed(0);
    seed_vorher = 0;
    zustaende.clear();
    schritte.clear();
    alles_laeuft = {};
    ASSERT_EQ(zustand(), "");

    // The start reads the registry: this test's own, never the user's, whose installation would
    // move the program folder away from the one laid out above.
    const char* registry_vorher = std::getenv("DORVIN_REGISTRY");
    const std::string registry_alt = registry_vorher ? registry_vorher : "";
    setenv("DORVIN_REGISTRY", (dir + "/registry").c_str(), 1);

    Programm_Ende = 0;
    // The server role: a client would end the start without a server to connect to.
    Os_Set_Role_Answer(1);
    Os_Script_Load_Text("wait 200\nquit\n");
    Win95_Eingabe.aktiv = 1;
    const uint32_t start = Os_Time_Ms();
    Game_Main_Set_Schritt_Hook(nach_schritt);
    Game_Main("");
    Game_Main_Set_Schritt_Hook(nullptr);
    EXPECT_EQ(Win95_Netz_Modus, 2u) << "Server";
    EXPECT_EQ(Programm_Ende, 1u);
    EXPECT_GE(Os_Time_Ms() - start, 200u) << "the game ran until the script quit";

    const std::string alle = "dateien bildschirm timer sound debugfont zeigertakt zeiger zufall fonts";
    const std::vector<std::string> erwartet = {
        // start: role, system files, compression, display, timer thread, sound, debug font,
        // pointer slot and images, random numbers, fonts
        "",
        "dateien",
        "dateien",
        "dateien bildschirm",
        "dateien bildschirm timer",
        "dateien bildschirm timer sound",
        "dateien bildschirm timer sound debugfont",
        "dateien bildschirm timer sound debugfont zeigertakt zeiger",
        "dateien bildschirm timer sound debugfont zeigertakt zeiger zufall",
        alle,
        alle,  // the game
        // stop: the game's modules, pointer images, pointer slot, debug font, sound, timer
        // thread, display with the fonts at its depth, system files
        alle,
        "dateien bildschirm timer sound debugfont zeigertakt zufall fonts",
        "dateien bildschirm timer sound debugfont zufall fonts",
        "dateien bildschirm timer sound zufall fonts",
        "dateien bildschirm timer zufall fonts",
        "dateien bildschirm zufall fonts",
        "dateien zufall",
        "zufall",
    };
    EXPECT_EQ(zustaende, erwartet) << "after the steps " << ::testing::PrintToString(schritte);
    EXPECT_EQ(alles_laeuft.breite, 640);
    EXPECT_EQ(alles_laeuft.hoehe, 480);
    EXPECT_EQ(alles_laeuft.zeiger, 0);
    EXPECT_TRUE(alles_laeuft.font_3_aktuell);

    Programm_Ende = 0;
    Os_Set_Role_Answer(1);
    Os_Script_Load_Text("");
    Game_Main("");
    EXPECT_EQ(Win95_Netz_Modus, 2u) << "Server + Client";

    skript_beenden();
    zeiger_tabelle_leeren();
    Os_Set_Role_Answer(0);
    if (registry_vorher)
        setenv("DORVIN_REGISTRY", registry_alt.c_str(), 1);
    else
        unsetenv("DORVIN_REGISTRY");
    Bildschirm_Modus = alt_modus;
    Win95_Netz_Modus = alt_netz;
    Win95_Eingabe.aktiv = alt_aktiv;
    std::string cleanup = "rm -rf '" + dir + "'";
    EXPECT_EQ(std::system(cleanup.c_str()), 0);
}

namespace {

[[noreturn]] void divide_by_zero()
{
    // The processor's own division, out of the compiler's and the sanitizer's sight.
    int a = 1, b = 0;
    asm volatile("cltd\n\tidivl %1" : "+a"(a) : "r"(b) : "edx");
    std::_Exit(0);
}

int crash_child(const std::string& folder)
{
    pid_t pid = fork();
    if (pid == 0) {
        Crash_Install(folder.c_str(), "main thread");
        divide_by_zero();
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFSIGNALED(status) ? WTERMSIG(status) : -1;
}

}  // namespace

TEST(Crash, DivisionByZeroIsReportedOncePerRunAndAppended)
{
    std::string dir = temp_dir();
    EXPECT_EQ(crash_child(dir), SIGFPE) << "the fault ends the process as it would have";
    std::string report = read_file(dir + "/errorlog.txt");
    ASSERT_EQ(report.compare(0, 8, "\r\n\r\n\r\n\r\n"), 0);
    std::string first = report.substr(8, report.find("\r\n", 8) - 8);
    EXPECT_EQ(first.find("test_platform caused an Integer Divide by Zero in module test_platform at "), 0u)
        << first;
    for (const char* part : {"Exception handler called in main thread.\r\n", "Error occurred at ",
                             " processor(s), type ", " MBytes physical memory.\r\n", "\r\nRegisters:\r\nRAX=",
                             "Bytes at CS:EIP:\r\n", "\r\nStack dump:\r\n", "\tModule list:", "test_platform, loaded at 0x"})
        EXPECT_NE(report.find(part), std::string::npos) << part;
    // The faulting instruction: idiv with a register operand starts with 0xf7.
    size_t bytes = report.find("Bytes at CS:EIP:\r\n") + 18;
    EXPECT_EQ(report.substr(bytes, 3), "f7 ");

    EXPECT_EQ(crash_child(dir), SIGFPE);
    std::string both = read_file(dir + "/errorlog.txt");
    ASSERT_GT(both.size(), report.size());
    EXPECT_EQ(both.compare(0, report.size(), report), 0);
    EXPECT_EQ(both.compare(report.size(), 8 + 13, "\r\n\r\n\r\n\r\ntest_platform"), 0);

    char t[32];
    Crash_Format_Time(t, 0);
    EXPECT_NE(std::string(t).find("19"), std::string::npos);
    EXPECT_STREQ(Crash_Exception_Name(0xC0000005), "an Access Violation");
    EXPECT_STREQ(Crash_Exception_Name(0x12345678), "Unknown exception type");
    EXPECT_STREQ(Crash_File_Name("/a/b/dorvin"), "dorvin");
    EXPECT_STREQ(Crash_File_Name("dorvin"), "dorvin");
    std::string cleanup = "rm -rf '" + dir + "'";
    EXPECT_EQ(std::system(cleanup.c_str()), 0);
}

TEST(Display, DumpWritesTheFrameAsRgb)
{
    std::string dir = temp_dir();
    for (bool rgb555 : {false, true}) {
        ASSERT_TRUE(Os_Display_Open(3, 2, false, rgb555));
        int pitch = 0;
        uint16_t* f = Os_Display_Frame(&pitch);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(pitch, 3);
        f[0] = rgb555 ? 0x7C00 : 0xF800;  // red
        f[1] = rgb555 ? 0x03E0 : 0x07E0;  // green
        f[2] = 0x001F;                    // blue
        f[pitch + 2] = 0xFFFF & (rgb555 ? 0x7FFF : 0xFFFF);
        std::string png = dir + "/bild.png";
        ASSERT_TRUE(Os_Display_Dump_Png(png.c_str()));

        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        ASSERT_TRUE(png_image_begin_read_from_file(&image, png.c_str()));
        image.format = PNG_FORMAT_RGB;
        std::vector<uint8_t> px(PNG_IMAGE_SIZE(image));
        ASSERT_TRUE(png_image_finish_read(&image, nullptr, px.data(), 0, nullptr));
        ASSERT_EQ(image.width, 3u);
        ASSERT_EQ(image.height, 2u);
        std::vector<uint8_t> want = {255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 0, 255, 255, 255};
        EXPECT_EQ(px, want) << (rgb555 ? "555" : "565");
    }
    // A script line writes the same picture, relative to the folder the program started in.
    Os_Script_Load_Text("dump " + dir + "/skript.png\n");
    Win95_Message_Pump();
    EXPECT_EQ(access((dir + "/skript.png").c_str(), R_OK), 0);
    skript_beenden();
    Os_Display_Close();
    EXPECT_FALSE(Os_Display_Dump_Png((dir + "/leer.png").c_str())) << "no frame, no picture";
    std::string cleanup = "rm -rf '" + dir + "'";
    EXPECT_EQ(std::system(cleanup.c_str()), 0);
}

namespace {

// A dumped frame as RGB bytes; empty when it cannot be read.
std::vector<uint8_t> bild_lesen(const std::string& png)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, png.c_str())) return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> px(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, px.data(), 0, nullptr) || image.width != 640) return {};
    return px;
}

// Where two frames differ, as (x, y).
std::vector<std::pair<int, int>> unterschiede(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b)
{
    std::vector<std::pair<int, int>> pts;
    for (size_t i = 0; i + 2 < a.size() && i + 2 < b.size(); i += 3)
        if (a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2])
            pts.emplace_back(int(i / 3 % 640), int(i / 3 / 640));
    return pts;
}

}  // namespace

// The installed game with its generated data: the pointer follows scripted moves on the timer
// thread over the start menu and leaves nothing behind where it was. Each frame is compared
// with one taken while the pointer stood elsewhere.
TEST(Start, PointerFollowsTheScriptWithoutTrace)
{
    std::string dir = temp_dir();
    std::string registry = dir + "/registry";
    ASSERT_EQ(run(registry, {DORVIN_BINARY_DIR "/dorvin_datagen", "alles", "--ziel", dir + "/daten"}).code, 0);
    ASSERT_EQ(run(registry, {installer, "--daten", dir + "/daten", "--ziel", dir + "/programm"}).code, 0);
    write_file(dir + "/skript", "move 100 100\nwait 300\ndump " + dir + "/a.png\nmove 300 200\nwait 300\ndump " +
                                    dir + "/b.png\nmove 100 100\nwait 300\ndump " + dir + "/c.png\nquit\n");
    Lauf l = run(registry, {dorvin, "--headless", "--nosound", "--script", dir + "/skript"});
    EXPECT_EQ(l.code, 0) << l.err;
    const auto a = bild_lesen(dir + "/a.png"), b = bild_lesen(dir + "/b.png"), c = bild_lesen(dir + "/c.png");
    ASSERT_FALSE(a.empty());
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(a, c) << "back at its first place, the frame is the same: no trace";
    int bei_a = 0, bei_b = 0, sonst = 0;
    auto in = [](std::pair<int, int> p, int x, int y) {
        return p.first >= x && p.first < x + 32 && p.second >= y && p.second < y + 32;
    };
    for (auto p : unterschiede(a, b)) {
        if (in(p, 100, 100)) ++bei_a;
        else if (in(p, 300, 200)) ++bei_b;
        else ++sonst;
    }
    EXPECT_GT(bei_a, 20) << "the pointer is drawn at its first place";
    EXPECT_GT(bei_b, 20) << "the pointer moved";
    EXPECT_EQ(sonst, 0) << "nothing else changed";
    std::string cleanup = "rm -rf '" + dir + "'";
    EXPECT_EQ(std::system(cleanup.c_str()), 0);
}
