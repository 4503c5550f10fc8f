// A watched auction on its screen under a headless script: the manager's key raises his offer,
// the page is drawn while it runs (DORVIN_AUKTION_BILD=DIR keeps its picture there), the screen
// under it comes back, and closing the program ends it without a winner.
#include <unistd.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "database/teamspieler.h"
#include "economy/auktion.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/os/os.h"
#include "platform/os/os_display.h"
#include "platform/zufall.h"
#include "schirm_hilfe.h"
#include "screens/spieler_gesicht.h"

namespace {

struct AuktionSchirm : SchirmTest {
    int32_t spnr = -1;
    std::vector<Spieler_Angebot> v;
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(SchirmTest::SetUp());
        // the portrait on the figure at the top
        Spieler_Gesicht_Init(ResFile_Handles[0].handle);
        Teamspieler_Init_Listen();
        Spieler_Den_Teams_Zuordnen();
        int32_t kader[64];
        ASSERT_GT(Teamspieler_Ins_Array(computer, kader, 64, 0), 0);
        spnr = kader[0];
        Auktion_Erste = 1;
        const int32_t bieter[3] = {manager[0], computer + 1, computer + 2};
        v.assign(3, Spieler_Angebot{});
        for (int32_t i = 0; i < 3; ++i) {
            v[size_t(i)].bieter = uint16_t(bieter[i]);
            v[size_t(i)].verein = uint16_t(computer);
            v[size_t(i)].spnr = uint16_t(spnr);
            v[size_t(i)].abloese = 500;
            v[size_t(i)].gehalt = uint16_t(100 + 10 * i);
            v[size_t(i)].monate = 24;
            v[size_t(i)].bewertung = 100;
        }
    }
    // The manager's own player for sale, three computer offers for him; the player.
    int32_t eigener_spieler()
    {
        int32_t kader[64];
        if (Teamspieler_Ins_Array(manager[0], kader, 64, 0) <= 0) return -1;
        for (int32_t i = 0; i < 3; ++i) {
            v[size_t(i)].bieter = uint16_t(computer + i);
            v[size_t(i)].verein = uint16_t(manager[0]);
            v[size_t(i)].spnr = uint16_t(kader[0]);
        }
        return kader[0];
    }
    void TearDown() override
    {
        Os_Script_Stop();
        Programm_Ende = 0;
        Spieler_Gesicht_DeInit();
        SchirmTest::TearDown();
    }
};

}  // namespace

TEST_F(AuktionSchirm, TheKeyRaisesTheOfferThePageIsDrawnAndTheScreenUnderItReturns)
{
    const char* gewuenscht = std::getenv("DORVIN_AUKTION_BILD");
    const std::string ordner = gewuenscht ? gewuenscht : (res_ordner / ("bild_" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(ordner);
    Grafik_Rechteck_Fuellen(Grafik_Seite_0, 300, 200, 40, 40, 0x1234);
    // Levels that follow the salary, so that the bars differ and a leader may come.
    Auktion_Set_Stufe_Abfrage([](const Spieler_Angebot* a) { return int32_t(a->gehalt) * 3 / 4; });
    // Three offers use the columns 1, 3 and 5: the manager's own is raised by '2' while the
    // auction runs on screen (its key's release comes a pass later).
    Os_Script_Load_Text("wait 1500\nkey 50\nwait 6000\ndump " + ordner + "/auktion.png\n");
    const uint16_t gehalt = v[0].gehalt, abloese = v[0].abloese;
    const int32_t r = Auktion_Durchfuehren(spnr, computer, 3, 0, v.data());
    Auktion_Set_Stufe_Abfrage(nullptr);
    EXPECT_TRUE(r >= -1 && r <= 2);
    EXPECT_GT(v[0].gehalt, gehalt);
    EXPECT_GT(v[0].abloese, abloese);
    EXPECT_GT(std::filesystem::file_size(ordner + "/auktion.png"), 1000u);
    EXPECT_EQ(Grafik_Pixel_Lesen(Grafik_Seite_0, 320, 220), 0x1234);
    // Closing the program in the middle: nobody gets him, and the screen is back as well.
    Os_Script_Load_Text("wait 800\nquit\n");
    EXPECT_EQ(Auktion_Durchfuehren(spnr, computer, 3, 0, v.data()), -1);
    EXPECT_EQ(Grafik_Pixel_Lesen(Grafik_Seite_0, 320, 220), 0x1234);
    if (!gewuenscht) std::filesystem::remove_all(ordner);
}

namespace {

// Every offer at one bid level, so that no computer bidder raises on its own.
struct Feste_Stufe {
    explicit Feste_Stufe(int32_t (*stufe)(const Spieler_Angebot*)) { Auktion_Set_Stufe_Abfrage(stufe); }
    ~Feste_Stufe() { Auktion_Set_Stufe_Abfrage(nullptr); }
};

// The middle of column c's terms on the auction page.
std::string spalte(int32_t c) { return std::to_string(8 + c * 90 + 42) + " 300"; }

}  // namespace

TEST_F(AuktionSchirm, EachPressOnTheOwnCrestRaisesOnceAndOtherColumnsRaiseNothing)
{
    Feste_Stufe f([](const Spieler_Angebot*) { return 200; });
    Spieler_Angebot einmal = v[0], zweimal = v[0];
    Auktion_Erhoehen(&einmal);
    zweimal = einmal;
    Auktion_Erhoehen(&zweimal);
    const Spieler_Angebot computer_vorher = v[1];
    // A held button raises once; a fast click once more; the empty first column and the key of a
    // computer's column ('4') nothing.
    Os_Script_Load_Text("wait 300\nmove " + spalte(1) + "\nleft down\nwait 400\nleft up\nwait 200\nclick " + spalte(1) +
                        "\nwait 200\nclick " + spalte(0) + "\nwait 200\nkey 52\nwait 200\n");
    Auktion_Durchfuehren(spnr, computer, 3, 0, v.data());
    EXPECT_EQ(v[0].gehalt, zweimal.gehalt);
    EXPECT_EQ(v[0].abloese, zweimal.abloese);
    EXPECT_EQ(v[1].gehalt, computer_vorher.gehalt);
    EXPECT_EQ(v[1].abloese, computer_vorher.abloese);
}

TEST_F(AuktionSchirm, TheSellerPicksTheWinnerWithAClickOnItsColumn)
{
    Feste_Stufe f([](const Spieler_Angebot*) { return 120; });
    // The manager's own player, three computer offers.
    const int32_t eigener = eigener_spieler();
    ASSERT_GE(eigener, 0);
    // Offer 2 stands in column 5; a click on an empty column leaves the choice as it is. The
    // script's end would close the program: it waits out the clock.
    Os_Script_Load_Text("wait 300\nclick " + spalte(5) + "\nwait 300\nclick " + spalte(6) + "\nwait 30000\n");
    EXPECT_EQ(Auktion_Durchfuehren(eigener, manager[0], 3, 0, v.data()), 2) << Auktion_Get_Stand().prozent;
    // Without a click nobody is chosen.
    Os_Script_Load_Text("wait 30000\n");
    EXPECT_EQ(Auktion_Durchfuehren(eigener, manager[0], 3, 0, v.data()), -1);
}

// The arbiter holds its auctions inside the day's work, which holds a script's lines: the
// watched auction takes them all the same (the manager's key raises his offer), and the day's
// work has its hold back afterwards.
TEST_F(AuktionSchirm, AnAuctionInsideTheDaysWorkTakesTheScriptAndGivesTheHoldBack)
{
    Feste_Stufe f([](const Spieler_Angebot*) { return 200; });
    Spieler_Angebot erhoeht = v[0];
    Auktion_Erhoehen(&erhoeht);
    Os_Script_Load_Text("wait 300\nkey 50\nwait 200\n");
    const bool vorher = Os_Script_Halten(true);
    Auktion_Durchfuehren(spnr, computer, 3, 0, v.data());
    EXPECT_TRUE(Os_Script_Halten(vorher)) << "the day's work lost its hold on the script";
    EXPECT_EQ(v[0].gehalt, erhoeht.gehalt) << "the held script's key did not reach the auction";
    EXPECT_EQ(v[0].abloese, erhoeht.abloese);
}

namespace {

int32_t texte_gedruckt = 0, seiten_gedruckt = 0;

// One auction under the script, each page's texts counted: all of them, and the whole page's
// (the extensions' line is printed with the whole page only).
void zaehlend(const std::function<void()>& lauf)
{
    texte_gedruckt = seiten_gedruckt = 0;
    Oek_Text_Hook = [](int32_t, int32_t, const char* t) {
        ++texte_gedruckt;
        if (std::string(t).rfind("Verlängerungen:", 0) == 0) ++seiten_gedruckt;
    };
    lauf();
    Oek_Text_Hook = nullptr;
}

std::vector<char> datei(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

}  // namespace

// The page is brought up to date only where it changed: the clock alone while only the time
// moves, the whole page at a raise, a new leader or the pointer over another column. Its
// pictures equal the page composed whole at the same moment, as a headless run without a
// window draws it only when a picture is taken; such a run draws nothing at all without one.
TEST_F(AuktionSchirm, ThePageDrawnWhereItChangesEqualsThePageComposedWhole)
{
    Feste_Stufe f([](const Spieler_Angebot* a) { return int32_t(a->gehalt) * 3 / 4; });
    const std::string ordner = (res_ordner / ("teile_" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(ordner);
    const std::vector<Spieler_Angebot> anfang = v;
    const int32_t seed = Zufall_Get_Seed();
    auto lauf = [&](const std::string& name, bool jedes_bild) {
        v = anfang;
        Zufall_Set_Seed(seed);
        Programm_Ende = 0;
        std::string s = "wait 400\nmove " + spalte(3) + "\nwait 300\ndump " + ordner + "/" + name + "1.png\nkey 50\nwait 600\ndump " +
                        ordner + "/" + name + "2.png\nmove 320 60\nwait 1500\ndump " + ordner + "/" + name + "3.png\n";
        s += "wait 4000\ndump " + ordner + "/" + name + "4.png\nwait 30000\n";
        Os_Script_Load_Text(s);
        Os_Display_Set_Bild_Immer(jedes_bild);
        zaehlend([&] { Auktion_Durchfuehren(spnr, computer, 3, 0, v.data()); });
        Os_Display_Set_Bild_Immer(false);
    };
    lauf("teile", true);
    // some 2,000 frames of the clock, a few pages whole
    EXPECT_GT(texte_gedruckt, 1500);
    EXPECT_GE(seiten_gedruckt, 3);
    EXPECT_LT(seiten_gedruckt, 60);
    lauf("ganz", false);
    EXPECT_GE(seiten_gedruckt, 1);
    EXPECT_LE(seiten_gedruckt, 4) << "a page composed without a picture taken";
    for (int32_t i = 1; i <= 4; ++i) {
        const std::vector<char> teile = datei(ordner + "/teile" + std::to_string(i) + ".png");
        ASSERT_GT(teile.size(), 1000u) << i;
        EXPECT_TRUE(teile == datei(ordner + "/ganz" + std::to_string(i) + ".png")) << "picture " << i;
    }
    // Without a single picture taken nothing is drawn.
    v = anfang;
    Programm_Ende = 0;
    Os_Script_Load_Text("wait 300\nkey 50\nwait 30000\n");
    zaehlend([&] { Auktion_Durchfuehren(spnr, computer, 3, 0, v.data()); });
    EXPECT_EQ(texte_gedruckt, 0);
    EXPECT_GT(v[0].gehalt, anfang[0].gehalt) << "the key still raises";
    std::filesystem::remove_all(ordner);
}

// The seller's pick changes nothing but the standing (a new leader, one extension less): the page
// drawn pass by pass shows it as the page composed whole does, with the pointer resting on the
// picked column all the while.
TEST_F(AuktionSchirm, ANewLeaderAloneRedrawsThePage)
{
    Feste_Stufe f([](const Spieler_Angebot*) { return 200; });
    const int32_t eigener = eigener_spieler();
    ASSERT_GE(eigener, 0);
    const std::string ordner = (res_ordner / ("fuehrend_" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(ordner);
    const std::vector<Spieler_Angebot> anfang = v;
    const int32_t seed = Zufall_Get_Seed();
    int32_t ergebnis[2] = {-1, -1};
    for (const bool jedes_bild : {true, false}) {
        v = anfang;
        Zufall_Set_Seed(seed);
        Programm_Ende = 0;
        const std::string bild = ordner + (jedes_bild ? "/teile.png" : "/ganz.png");
        Os_Script_Load_Text("wait 300\nmove " + spalte(5) + "\nwait 300\nclick " + spalte(5) + "\nwait 300\ndump " + bild +
                            "\nwait 30000\n");
        Os_Display_Set_Bild_Immer(jedes_bild);
        ergebnis[jedes_bild] = Auktion_Durchfuehren(eigener, manager[0], 3, 0, v.data());
        Os_Display_Set_Bild_Immer(false);
    }
    EXPECT_EQ(ergebnis[1], 2) << "offer 2 stands in column 5";
    EXPECT_EQ(ergebnis[0], 2);
    const std::vector<char> teile = datei(ordner + "/teile.png");
    ASSERT_GT(teile.size(), 1000u);
    EXPECT_TRUE(teile == datei(ordner + "/ganz.png")) << "the page drawn pass by pass missed the new leader";
    std::filesystem::remove_all(ordner);
}
