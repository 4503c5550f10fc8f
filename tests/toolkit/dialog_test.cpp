// The common dialogs answered by the script, the clipboard and the start-options file.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/spielstand_ordner.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/os/os.h"
#include "platform/win95.h"
#include "platform/win95_dialog.h"
#include "bild_vergleich.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "toolkit/dialog.h"
#include "umgebung.h"

namespace {

class Dialoge : public Toolkit_Test {
protected:
    Test_Spielstand_Ordner ordner;
    void SetUp() override
    {
        Toolkit_Test::SetUp();
        ordner.anlegen("dorvin_dialog", false);
    }
    void TearDown() override
    {
        ordner.entfernen();
        Toolkit_Test::TearDown();
    }
    static int32_t liste(int32_t anzahl, const std::string& antwort)
    {
        std::string eintraege(size_t(anzahl) * WIN95_LISTE_EINTRAG, '\0');
        for (int32_t i = 0; i < anzahl; ++i) eintraege[size_t(i) * WIN95_LISTE_EINTRAG] = char('A' + i);
        Os_Script_Load_Text(antwort);
        return Win95_Liste_Auswahl(eintraege.data(), anzahl);
    }
};

TEST_F(Dialoge, FileDialogsBuildTheirFilterAndPath)
{
    EXPECT_EQ(Win95_Dialog_Endung("*.pcx"), "pcx");
    EXPECT_EQ(Win95_Dialog_Filter("Spielstand", "*.sgv"), "Spielstand (*.sgv)");

    char name[WIN95_DATEINAME_GROESSE] = "";
    Os_Script_Load_Text("answer stand1\n");
    EXPECT_NE(Win95_Save_File_Dialog(name, "Spielstand", "*.sgv"), 0);
    EXPECT_EQ(std::string(name), ordner.pfad + "/stand1.sgv");
    EXPECT_EQ(Win95_Dialog_Offen, 0u);

    // No answer waiting: the dialog fails at once and keeps the buffer.
    EXPECT_EQ(Win95_Open_File_Dialog(name, "Spielstand", "*.sgv"), 0);
    EXPECT_EQ(std::string(name), ordner.pfad + "/stand1.sgv");
}

// What the repaint would leave out while the dialog stands, seen from inside the dialog.
int32_t rechtecke_offen = -1;
bool fenster_bekannt = false;
bool beobachten(Win95_Dialog_Anfrage* a)
{
    const bool ok = Menue_Dialog_Zeigen(a);
    int32_t r[4][4];
    fenster_bekannt = Win95_Dialog_Fenster != nullptr;
    rechtecke_offen = Win95_Repaint_Rechtecke(r);
    return ok;
}

TEST_F(Dialoge, FileDialogsTellTheRepaintWhereTheyStand)
{
    Win95_Dialog_Hook_Setzen(beobachten);
    char name[WIN95_DATEINAME_GROESSE] = "";
    Os_Script_Load_Text("answer stand2\n");
    EXPECT_NE(Win95_Save_File_Dialog(name, "Spielstand", "*.sgv"), 0);
    EXPECT_TRUE(fenster_bekannt);
    EXPECT_EQ(rechtecke_offen, 4) << "the four strips around the dialog, the dialog left alone";
    EXPECT_EQ(Win95_Dialog_Fenster, nullptr) << "forgotten when the dialog closed";

    // The list dialog has no hook: while it stands the repaint knows nothing of it.
    Os_Script_Load_Text("answer 0\n");
    EXPECT_EQ(liste(2, "answer 0\n"), 0);
    EXPECT_FALSE(fenster_bekannt);
    Win95_Dialog_Hook_Setzen(Menue_Dialog_Zeigen);
    EXPECT_EQ(Win95_File_Dialog_Hook(nullptr, WIN95_DIALOG_OEFFNEN, 0, 0), 0);
}

TEST_F(Dialoge, StartOptionsShowTheirGroupCaptions)
{
    const std::string bilder = std::string(DORVIN_BINARY_DIR) + "/toolkit_dialog_bilder_" + std::to_string(getpid());
    std::system(("mkdir -p " + bilder).c_str());
    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 0, 640, 480, 0);
    Os_Script_Load_Text("dump " + bilder + "/dialog_startoptionen.png\nanswer cancel\n");
    Start_Optionen d{2, 0, 1, 0, 0, 1, 0, 1, 0};
    EXPECT_EQ(Start_Optionen_Dialog(&d), 0);
    Os_Script_Stop();
    bilder_pruefen(bilder, std::vector<const char*>{"dialog_startoptionen"});
}

// As in the window: the keys go into the name field at once, one click on OK ends the dialog,
// and both screen pages get back what lay under it.
TEST_F(Dialoge, SaveDialogTakesKeysAtOnceEndsWithOneOkAndRestoresTheScreen)
{
    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 0, 0, 640, 480, Grafik_Farbe(9, 0, 0));
    Grafik_Rechteck_Fuellen(Grafik_Seite_1, 0, 0, 640, 480, Grafik_Farbe(0, 9, 0));
    const uint16_t rot = seite0(300, 335), gruen = seite1(300, 335);
    Menue_Dialog_Fenster_Erzwingen(true);
    Os_Script_Load_Text("key 65\nkey 66\nmove 350 380\nwait 50\nleft down\nleft up\nwait 50\n");
    char name[WIN95_DATEINAME_GROESSE] = "";
    EXPECT_NE(Win95_Save_File_Dialog(name, "Spielstand", "*.sgv"), 0);
    EXPECT_EQ(std::string(name), ordner.pfad + "/ab.sgv");
    EXPECT_FALSE(Programm_Ende);
    Menue_Dialog_Fenster_Erzwingen(false);
    Os_Script_Stop();
    int32_t falsch = 0;
    for (int32_t y = 80; y < 400; y += 3)
        for (int32_t x = 120; x < 520; x += 3) falsch += (seite0(x, y) != rot) + (seite1(x, y) != gruen);
    EXPECT_EQ(falsch, 0) << "name field or frame left on a page";
}

// OK without a name neither ends the dialog nor passes silently: the player is told in German
// and the dialog takes the next answer; blanks alone are no name.
TEST_F(Dialoge, FileDialogsRefuseOkWithoutANameAndStayOpen)
{
    char name[WIN95_DATEINAME_GROESSE] = "";
    testing::internal::CaptureStderr();
    Os_Script_Load_Text("answer ok\nanswer    \nanswer  stand4 \n");
    EXPECT_NE(Win95_Save_File_Dialog(name, "Spielstand", "*.sgv"), 0);
    std::string fehler = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::string(name), ordner.pfad + "/stand4.sgv");
    size_t n = 0;
    for (size_t p = 0; (p = fehler.find("Meldung: Bitte geben Sie einen Dateinamen ein.", p)) != std::string::npos; ++p) ++n;
    EXPECT_EQ(n, 2u) << fehler;

    // Loading with nothing chosen: told so, and the next answer still counts.
    std::FILE* f = std::fopen((ordner.pfad + "/da.sgv").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    testing::internal::CaptureStderr();
    name[0] = 0;
    Os_Script_Load_Text("answer ok\nanswer da.sgv\n");
    EXPECT_NE(Win95_Open_File_Dialog(name, "Spielstand", "*.sgv"), 0);
    fehler = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::string(name), ordner.pfad + "/da.sgv");
    EXPECT_NE(fehler.find("Meldung: Bitte w\xC3\xA4hlen Sie eine Datei aus."), std::string::npos) << fehler;

    // In the window: OK with an empty field keeps the dialog; typed name and OK then save.
    Menue_Dialog_Fenster_Erzwingen(true);
    testing::internal::CaptureStderr();
    Os_Script_Load_Text("move 350 380\nwait 50\nleft down\nleft up\nwait 50\nkey 67\nkey 13\nwait 50\n");
    name[0] = 0;
    EXPECT_NE(Win95_Save_File_Dialog(name, "Spielstand", "*.sgv"), 0);
    fehler = testing::internal::GetCapturedStderr();
    Menue_Dialog_Fenster_Erzwingen(false);
    Os_Script_Stop();
    EXPECT_EQ(std::string(name), ordner.pfad + "/c.sgv");
    EXPECT_NE(fehler.find("Meldung: Bitte geben Sie einen Dateinamen ein."), std::string::npos) << fehler;
}

// A savegame whose file name holds codes is listed as the characters it holds: the list's font
// keeps its advance and weight for the screens after it.
TEST_F(Dialoge, FileNamesWithCodesAreListedAsCharacters)
{
    std::ofstream(ordner.pfad + "/^fb0040^bbstand.sgv") << "x";
    Font_Record* f = Font(3);
    ASSERT_NE(f, nullptr);
    const uint32_t vorschub = f->fixed_advance, fett = f->bold;
    Menue_Dialog_Fenster_Erzwingen(true);
    Os_Script_Load_Text("wait 50\nkey 27\nwait 50\n");
    char name[WIN95_DATEINAME_GROESSE] = "";
    Win95_Open_File_Dialog(name, "Spielstand", "*.sgv");
    Menue_Dialog_Fenster_Erzwingen(false);
    Os_Script_Stop();
    Programm_Ende = 0;
    EXPECT_EQ(f->fixed_advance, vorschub);
    EXPECT_EQ(f->bold, fett);
}

TEST_F(Dialoge, ListRemembersItsChoiceWithinTheList)
{
    EXPECT_EQ(liste(10, "answer 7\n"), 7);
    EXPECT_EQ(liste(10, "answer ok\n"), 7);
    EXPECT_EQ(liste(3, "answer ok\n"), 0);
    EXPECT_EQ(liste(3, "answer cancel\n"), -1);
    EXPECT_EQ(liste(3, "answer 9\nanswer 2\n"), 2);
}

TEST_F(Dialoge, TextDialogAndClipboard)
{
    char text[16] = "alt";
    Os_Script_Load_Text("answer cancel\n");
    EXPECT_EQ(Win95_Text_Input_Dialog(text, 16), 0);
    EXPECT_STREQ(text, "alt");
    // The script is UTF-8; the program holds Windows-1252.
    Os_Script_Load_Text("answer Gr\xC3\xBC\xC3\x9F" "e aus K\xC3\xB6ln\n");
    EXPECT_EQ(Win95_Text_Input_Dialog(text, 8), 7);
    EXPECT_STREQ(text, "Grüße a");
    text[0] = 0;
    Os_Script_Load_Text("answer ok\n");
    EXPECT_EQ(Win95_Text_Input_Dialog(text, 16), 0);

    Os_Script_Load_Text("clipboard Tsch\xC3\xBC\xC3\x9F\n");
    Win95_Message_Pump();
    char klein[5];
    std::memset(klein, 'x', sizeof klein);
    EXPECT_EQ(Win95_Clipboard_Text_Get(klein, 5), 1);
    EXPECT_STREQ(klein, "Tsch");
    EXPECT_EQ(Win95_Clipboard_Bitmap_Size(nullptr, nullptr), 0);
}

TEST_F(Dialoge, ColourChooserWritesBackOnlyOnOk)
{
    uint8_t farben[48] = {};
    farben[47] = 9;
    Os_Script_Load_Text("answer cancel\n");
    EXPECT_EQ(Win95_Farbe_Auswaehlen(farben), 0);
    EXPECT_EQ(farben[0], 0);
    std::string antwort = "answer";
    for (int i = 0; i < 47; ++i) antwort += " " + std::to_string(i * 5);
    Os_Script_Load_Text(antwort + " 999\n");
    Win95_Farbe_Auswaehlen(farben);
    EXPECT_EQ(farben[1], 5);
    EXPECT_EQ(farben[46], 230);
    EXPECT_EQ(farben[47], 255);  // clamped
}

TEST_F(Dialoge, StartOptionsFileAndDialog)
{
    const std::string datei = ordner.pfad + "/opt.bin";
    Start_Optionen o{2, 1, 0, 1, 0, 1, 0, 1, 1};
    ASSERT_TRUE(Start_Optionen_Schreiben(datei.c_str(), o));
    EXPECT_EQ(std::filesystem::file_size(datei), START_OPTIONEN_BYTES);
    Start_Optionen z{};
    ASSERT_TRUE(Start_Optionen_Lesen(datei.c_str(), &z));
    EXPECT_EQ(std::memcmp(&o, &z, sizeof o), 0);

    std::filesystem::resize_file(datei, 10);
    Start_Optionen teil{9, 9, 9, 9, 9, 9, 9, 9, 9};
    ASSERT_TRUE(Start_Optionen_Lesen(datei.c_str(), &teil));
    EXPECT_EQ(teil.rolle, 2u);
    EXPECT_EQ(teil.kein_sound, 1u);
    EXPECT_EQ(teil.keine_filme, 9u);
    EXPECT_FALSE(Start_Optionen_Lesen((ordner.pfad + "/fehlt.bin").c_str(), &teil));

    // Client, debug output on but 800x600 off, saved.
    std::snprintf(Pfad_Programm, sizeof Pfad_Programm, "%s", ordner.pfad.c_str());
    Os_Script_Load_Text("answer 01000001001\n");
    Start_Optionen d{};
    EXPECT_EQ(Start_Optionen_Dialog(&d), 1);
    EXPECT_EQ(d.rolle, 1u);
    EXPECT_EQ(d.debug_ausgaben, 1u);
    EXPECT_EQ(d.aufloesung_800, 0u);
    EXPECT_EQ(Win95_Netz_Modus, 1u);
    Start_Optionen gelesen{};
    EXPECT_TRUE(Start_Optionen_Lesen((ordner.pfad + "/dorvin_start_opt.bin").c_str(), &gelesen));
    EXPECT_EQ(gelesen.debug_ausgaben, 1u);
    Win95_Netz_Modus = 0;
    Pfad_Programm[0] = 0;
    EXPECT_EQ(Start_Optionen_Dialog(nullptr), 0);
}

}  // namespace
