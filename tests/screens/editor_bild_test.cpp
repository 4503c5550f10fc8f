// The editors on a headless screen driven by a script, over a set read from the generated world:
// the frames are dumped for a person to look at (DORVIN_EDITOR_BILDER=DIR keeps them there); the
// test checks what the clicks did.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/schirm.h"
#include "common/welt_ordner.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_screen.h"
#include "graphics/pic.h"
#include "platform/display.h"
#include "platform/os/os.h"
#include "platform/resfile.h"
#include "platform/win95.h"
#include "platform/zufall.h"
#include "screens/spieler_edit.h"
#include "screens/spieler_gesicht.h"
#include "toolkit/icon.h"
#include "toolkit/requester.h"

namespace {

namespace fs = std::filesystem;

struct EditorBild : ::testing::Test {
    static inline fs::path ordner;
    static void SetUpTestSuite()
    {
        ordner = Test_Welt_Bauen("editorbild", {"welt --world small --seed 5", "resfiles"});
        ASSERT_TRUE(Test_Schirm_Oeffnen(ordner.string()));
        ASSERT_EQ(Spieler_Gesicht_Init(ResFile_Handles[0].handle), 1);
        Menue_Init(1);
    }
    static void TearDownTestSuite()
    {
        Spieler_Gesicht_DeInit();
        Test_Schirm_Schliessen();
        fs::remove_all(ordner);
    }
    std::string bilder;
    bool behalten = false;
    void SetUp() override
    {
        Zufall(0, 1);
        Zufall_Set_Seed(5);
        ASSERT_TRUE(Team(0));
        ASSERT_TRUE(Spieler(0));
        // a manager at the screen, so that a refusal's message shows
        Netz_Rolle = 3;
        Manager_Anzahl = 0;
        Manager_Neuer_Mitspieler(1, "Test");
        Aktuelles_Team = Handelndes_Team = 1;
        fs::create_directories(ordner / "spieler_bilder");
        fs::create_directories(ordner / "vereins_wappen");
        std::snprintf(Pfad_Spieler_Bilder, sizeof Pfad_Spieler_Bilder, "%s", (ordner / "spieler_bilder").c_str());
        std::snprintf(Pfad_Vereins_Wappen, sizeof Pfad_Vereins_Wappen, "%s", (ordner / "vereins_wappen").c_str());
        Spieler_Edit_Aenderung_Leeren();
        const char* gewuenscht = std::getenv("DORVIN_EDITOR_BILDER");
        behalten = gewuenscht != nullptr;
        bilder = gewuenscht ? gewuenscht : (ordner / ("bilder_" + std::to_string(getpid()))).string();
        fs::create_directories(bilder);
    }
    void TearDown() override
    {
        Os_Script_Stop();
        Programm_Ende = 0;
        Netz_Rolle = 0;
        Aktuelles_Team = -1;
        Handelndes_Team = 0;
        Test_Aufraeumen();
        Manager_Anzahl = 0;
    }
    static std::string klick(int x, int y, const char* taste = "left")
    {
        return "move " + std::to_string(x) + " " + std::to_string(y) + "\nwait 200\n" + taste + " down\nwait 50\n" + taste +
               " up\nwait 300\n";
    }
    // A 36 x 41 8-bit PCX with a plain face: a round blob on a light ground.
    std::string pcx() const
    {
        std::vector<uint8_t> d(128, 0);
        d[0] = 0x0A, d[1] = 5, d[2] = 1, d[3] = 8, d[65] = 1;
        d[8] = 35, d[10] = 40, d[66] = 36;
        for (int y = 0; y < 41; ++y)
            for (int x = 0; x < 36; ++x) {
                const int dx = x - 18, dy = y - 18;
                d.push_back(dx * dx + dy * dy < 120 ? 40 : y > 32 ? 90 : 10);
            }
        d.push_back(0x0C);
        for (int i = 0; i < 256; ++i) d.insert(d.end(), {uint8_t(i * 5 % 256), uint8_t(i * 3 % 256), uint8_t(255 - i)});
        const std::string pfad = (ordner / "import.pcx").string();
        std::ofstream(pfad, std::ios::binary).write(reinterpret_cast<const char*>(d.data()), std::streamsize(d.size()));
        return pfad;
    }
};

// A 16-bit bitmap file of 72 x 82 pixels, a dark blob on a light ground, as the clipboard hands
// a picture over: its name.
std::string bmp_datei(const fs::path& ordner)
{
    constexpr int32_t w = 72, h = 82, zeile = (w * 2 + 3) & ~3;
    std::vector<uint8_t> d(54 + size_t(zeile) * h, 0);
    auto le32 = [&d](size_t o, uint32_t v) {
        for (int i = 0; i < 4; ++i) d[o + size_t(i)] = uint8_t(v >> (8 * i));
    };
    d[0] = 'B', d[1] = 'M';
    le32(2, uint32_t(d.size()));
    le32(10, 54);
    le32(14, 40);
    le32(18, w);
    le32(22, h);
    d[26] = 1, d[28] = 16;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const int32_t dx = x - 36, dy = y - 40;
            const uint16_t v = dx * dx + dy * dy < 600 ? 0x4208 : 0xE71C;
            d[54 + size_t(zeile) * size_t(y) + size_t(2 * x)] = uint8_t(v);
            d[54 + size_t(zeile) * size_t(y) + size_t(2 * x + 1)] = uint8_t(v >> 8);
        }
    const std::string pfad = (ordner / "zwischenablage.bmp").string();
    std::ofstream(pfad, std::ios::binary).write(reinterpret_cast<const char*>(d.data()), std::streamsize(d.size()));
    return pfad;
}

// "Clipboard" takes the clipboard's picture as the player's portrait; with no picture on the
// clipboard the button stands grey, a click says so and the player keeps his face.
TEST_F(EditorBild, PlayerEditorTakesItsPortraitFromTheClipboard)
{
    std::vector<int32_t> liste{24, 25};
    const uint32_t vorher = uint32_t(Spieler_Wert(SP_GESICHT, 25, 0, 0)) & ~GESICHT_USER_BILD;
    Spieler_Wert(SP_GESICHT, 25, int32_t(vorher), 1);
    const int32_t nummer = Spieler_Wert(SP_BILDNUMMER, 24, 0, 0);
    std::string s = "clipboard kein Bild\n" + klick(160 + 40, 140 + 120 + 6) + "dump " + bilder + "/clipboard_leer.png\n";
    s += klick(470, 292) + klick(160 + 38 + 15, 140 + 208 + 10);  // the message's OK, the next player
    s += "clipboard " + bmp_datei(ordner) + "\nwait 100\n" + klick(160 + 40, 140 + 120 + 6);
    s += "dump " + bilder + "/clipboard.png\n" + klick(160 + 170 + 25, 140 + 208 + 10);
    Os_Script_Load_Text(s);
    Spieler_Edit(liste.data(), int32_t(liste.size()), 24, 0, 1);
    Os_Script_Stop();
    Programm_Ende = 0;
    EXPECT_FALSE(uint32_t(Spieler_Wert(SP_GESICHT, 24, 0, 0)) & GESICHT_USER_BILD) << "no picture, no change";
    EXPECT_TRUE(uint32_t(Spieler_Wert(SP_GESICHT, 25, 0, 0)) & GESICHT_USER_BILD);
    char datei[32];
    std::snprintf(datei, sizeof datei, "%04d.rpb", Spieler_Wert(SP_BILDNUMMER, 25, 0, 0));
    EXPECT_TRUE(fs::exists(ordner / "spieler_bilder" / datei)) << datei;
    std::snprintf(datei, sizeof datei, "%04d.rpb", nummer);
    EXPECT_FALSE(fs::exists(ordner / "spieler_bilder" / datei)) << datei;
}

TEST_F(EditorBild, PlayerEditorHairImportAndRefusal)
{
    std::vector<int32_t> liste;
    for (int32_t p = 20; p < 30; ++p) liste.push_back(p);
    const std::string name = Spieler_String(SP_NAME, 22, nullptr, 0);
    const int32_t haar = Spieler_Wert(SP_HAARFARBE, 22, 0, 0);
    std::string s = "wait 50\ndump " + bilder + "/spieler_a.png\nwait 100\ndump " + bilder + "/spieler_b.png\n";
    // hair (category 2) three steps up, then a PCX portrait
    for (int i = 0; i < 3; ++i) s += klick(160 + 4 + 5, 140 + 70 + 5);
    s += "answer " + pcx() + "\n" + klick(160 + 40, 140 + 136 + 6);
    s += "dump " + bilder + "/spieler_c.png\n";
    // an empty surname is refused where it is typed
    s += klick(160 + 98 + 40, 140 + 54 + 6) + "dump " + bilder + "/spieler_eingabe.png\n";
    s += "key 35\n";
    for (int i = 0; i < 20; ++i) s += "key 8\n";
    s += "key 13\nwait 400\ndump " + bilder + "/spieler_leer.png\n";
    s += klick(320, 300) + "wait 300\n" + klick(160 + 226 + 25, 140 + 208 + 10);
    Os_Script_Load_Text(s);
    Spieler_Edit(liste.data(), int32_t(liste.size()), 22, 0, 1);
    Os_Script_Stop();
    Programm_Ende = 0;
    EXPECT_EQ(name, Spieler_String(SP_NAME, 22, nullptr, 0));
    EXPECT_TRUE(uint32_t(Spieler_Wert(SP_GESICHT, 22, 0, 0)) & GESICHT_USER_BILD);
    const int32_t index = std::min<int32_t>((uint32_t(Spieler_Wert(SP_GESICHT, 22, 0, 0)) >> 8) & 0x1F, 19);
    EXPECT_EQ(Spieler_Wert(SP_HAARFARBE, 22, 0, 0), Gesicht_Haarfarben[index]);
    (void)haar;
    for (const char* b : {"spieler_a", "spieler_b", "spieler_c", "spieler_leer"})
        EXPECT_TRUE(fs::exists(bilder + "/" + b + ".png")) << b;
}

TEST_F(EditorBild, ClubEditorNamesKitAndCrest)
{
    std::string s = "move 300 300\nwait 200\nanswer " + pcx() + "\n" + klick(120 + 40, 120 + 150 + 6) + "wait 100\ndump " + bilder + "/verein.png\n" +
                    klick(120 + 330 + 25, 120 + 208 + 10);
    Os_Script_Load_Text(s);
    Verein_Edit(3);
    Os_Script_Stop();
    Programm_Ende = 0;
    EXPECT_TRUE(Team_Wert(TEAM_STATUS, 3, 0, 0) & TEAM_STATUS_USER_WAPPEN);
    EXPECT_TRUE(fs::exists(bilder + "/verein.png"));
}

// The club editor takes its crest from the clipboard as the player editor takes a portrait: with
// no picture there the button stands grey, a click says so and the club keeps its crest.
TEST_F(EditorBild, ClubEditorTakesItsCrestFromTheClipboard)
{
    Team_Wert(TEAM_STATUS, 4, TEAM_STATUS_USER_WAPPEN, TEAM_LOESCHEN);
    std::string s = "move 300 300\nwait 200\nclipboard kein Bild\n" + klick(120 + 40, 120 + 168 + 6) + "dump " + bilder +
                    "/verein_clipboard_leer.png\n" + klick(470, 292);
    s += "dump " + bilder + "/verein_ohne.png\n";
    Os_Script_Load_Text(s + klick(120 + 330 + 25, 120 + 208 + 10));
    Verein_Edit(4);
    Os_Script_Stop();
    Programm_Ende = 0;
    EXPECT_FALSE(Team_Wert(TEAM_STATUS, 4, 0, 0) & TEAM_STATUS_USER_WAPPEN) << "no picture, no change";
    s = "move 300 300\nwait 200\nclipboard " + bmp_datei(ordner) + "\nwait 100\n" + klick(120 + 40, 120 + 168 + 6);
    s += "dump " + bilder + "/verein_clipboard.png\n" + klick(120 + 330 + 25, 120 + 208 + 10);
    Os_Script_Load_Text(s);
    Verein_Edit(4);
    Os_Script_Stop();
    Programm_Ende = 0;
    EXPECT_TRUE(Team_Wert(TEAM_STATUS, 4, 0, 0) & TEAM_STATUS_USER_WAPPEN);
    // the 72 x 82 picture is stored at the crest's size, as every crest is drawn
    int32_t gefunden = 0;
    Rastport* wappen = Pic_Change_Load_User_Bild(Team_Wert(TEAM_GRAFIK_NR, 4, 0, 0), nullptr, 16, PIC_VEREINS_WAPPEN, &gefunden);
    ASSERT_NE(wappen, nullptr);
    EXPECT_EQ(wappen->width, 40u);
    EXPECT_EQ(wappen->height, 40u);
    Grafik_Bitmap_Freigeben(wappen);
    for (const char* b : {"verein_clipboard_leer", "verein_clipboard"})
        EXPECT_TRUE(fs::exists(bilder + "/" + b + ".png")) << b;
}

TEST_F(EditorBild, TitlePicturesOfTheComparisonLoad)
{
    for (int32_t nummer : {1226, 1228}) {
        auto* bild = static_cast<Rastport*>(Load_Resource(ResFile_Handles[0].handle, nummer, 16, nullptr));
        ASSERT_NE(bild, nullptr) << nummer;
        EXPECT_EQ(bild->width, 320u);
        EXPECT_EQ(bild->height, 120u);
        Grafik_Bitmap_Freigeben(bild);
    }
}

}  // namespace
