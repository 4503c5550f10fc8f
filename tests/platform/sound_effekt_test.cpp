#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/menuesound.h"
#include "platform/os/os_sound.h"
#include "platform/sound.h"
#include "platform/soundeffekt.h"
#include "platform/string_util.h"
#include "platform/win95_sound.h"
#include "platform/sound_wav.h"

namespace fs = std::filesystem;

namespace {

// Every sound entry is a 200 ms tone whose level tells its number.
bool test_lader(int32_t, int32_t nummer, std::vector<uint8_t>& daten)
{
    if (nummer < 1584 || nummer > 1615) return false;
    daten = wav_mono16(22050, std::vector<int16_t>(4410, int16_t(nummer)));
    return true;
}

struct Effekte : ::testing::Test {
    fs::path ordner;
    void SetUp() override
    {
        ordner = fs::temp_directory_path() / ("dorvin_menuesound_" + std::to_string(getpid()));
        fs::create_directories(ordner);
        Menuesound_Set_Ordner(ordner.c_str());
        Soundeffekt_Set_Resource_Lader(test_lader);
        ASSERT_EQ(Sound_Init(), 1);
    }
    void TearDown() override
    {
        Menuesound_Stop(0);
        // The volumes outlive the loaded effects: back to their defaults for the next test.
        Soundeffekt_Volume_Typ1(0);
        Soundeffekt_Volume_Typ2(0);
        Soundeffekt_Volume_Typ3(0);
        Soundeffekt_Free_All();
        Sound_DeInit();
        Soundeffekt_Set_Resource_Lader(nullptr);
        Menuesound_Set_Ordner(nullptr);
        fs::remove_all(ordner);
    }
    void datei(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        std::ofstream(ordner / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
};

// The left level of the next 10 ms of the mix.
int16_t pegel()
{
    std::vector<int16_t> out(2 * 441);
    Os_Sound_Mischen(out.data(), 441);
    return out[200];
}

}  // namespace

TEST_F(Effekte, PlayPannedByScreenXAndOnlyFittingSlots)
{
    EXPECT_EQ(Soundeffekt_Play_Pos(0, 0), 0);  // not loaded yet
    ASSERT_EQ(Soundeffekt_Load_All(0), 1);
    for (int n = 0; n < SOUNDEFFEKT_ANZAHL; ++n) ASSERT_GE(Soundeffekt_Get_Slot(n)->sample, 0) << n;

    struct { int slot, x, pan; } faelle[] = {{0, 0, -4800}, {1, 639, 4785}, {2, 320, 0}, {8, 100000, 10000}};
    for (auto f : faelle) {
        ASSERT_EQ(Soundeffekt_Play_Pos(f.slot, f.x), 1);
        int id = Soundeffekt_Get_Slot(f.slot)->sample;
        EXPECT_EQ(Win95_Sound_Get_Pan(id), f.pan) << f.x;
        EXPECT_EQ(Win95_Sound_Get_Volume(id), -500);
        EXPECT_EQ(Sound_Is_Playing(id), 1);
    }
    EXPECT_EQ(Soundeffekt_Play_Pos(7, 100), 0);
    EXPECT_EQ(Soundeffekt_Play_Pos(13, 100), 0);
    EXPECT_EQ(Soundeffekt_Play_Pos(-1, 100), 0);
    EXPECT_EQ(Soundeffekt_Play(0), 0);

    Soundeffekt_Start_Loop(7);
    int loop = Soundeffekt_Get_Slot(7)->sample;
    EXPECT_EQ(Soundeffekt_Get_Slot(7)->looping, 1);
    Os_Sound_Advance(1000);
    EXPECT_EQ(Sound_Is_Playing(loop), 1);
    Soundeffekt_Stop_All_Loops();
    EXPECT_EQ(Soundeffekt_Get_Slot(7)->looping, 0);
    EXPECT_EQ(Sound_Is_Playing(loop), 0);

    EXPECT_EQ(Soundeffekt_Free_All(), 0);
    EXPECT_EQ(Soundeffekt_Get_Slot(0)->sample, -1);
    EXPECT_EQ(Soundeffekt_Play_Pos(0, 0), 0);
}

TEST_F(Effekte, SavegameBlockRoundTripsAndLoadsFirst)
{
    ASSERT_EQ(Soundeffekt_Load_All(0), 1);
    ASSERT_EQ(Soundeffekt_Volume_Typ1(-300), 1);
    ASSERT_EQ(Soundeffekt_Volume_Typ2(200), 1);
    uint8_t block[SOUNDEFFEKT_BLOCK_GROESSE];
    Soundeffekt_Block_Schreiben(block);
    const uint8_t minus800[4] = {0xE0, 0xFC, 0xFF, 0xFF};
    EXPECT_EQ(std::memcmp(block, minus800, 4), 0);
    EXPECT_EQ(std::memcmp(block + 48, minus800, 4), 0);  // slot 12
    const uint8_t minus600[4] = {0xA8, 0xFD, 0xFF, 0xFF};
    EXPECT_EQ(std::memcmp(block + 28, minus600, 4), 0);  // slot 7, the loop

    Soundeffekt_Volume_Typ1(0);
    Soundeffekt_Volume_Typ2(0);
    Soundeffekt_Free_All();
    ASSERT_FALSE(Soundeffekt_Geladen());
    ASSERT_TRUE(Soundeffekt_Block_Lesen(block, sizeof block));
    EXPECT_TRUE(Soundeffekt_Geladen());
    for (int n = 0; n < SOUNDEFFEKT_ANZAHL; ++n) {
        EXPECT_EQ(Soundeffekt_Get_Slot(n)->volume, n == 7 ? -600 : -800) << n;
        EXPECT_GE(Soundeffekt_Get_Slot(n)->sample, 0);
    }

    // A short or damaged block changes nothing it cannot hold.
    EXPECT_FALSE(Soundeffekt_Block_Lesen(block, 51));
    EXPECT_EQ(Soundeffekt_Get_Slot(0)->volume, -800);
    uint8_t wild[SOUNDEFFEKT_BLOCK_GROESSE];
    std::memset(wild, 0x7F, sizeof wild);
    std::memset(wild + 4, 0x80, 4);
    ASSERT_TRUE(Soundeffekt_Block_Lesen(wild, sizeof wild));
    EXPECT_EQ(Soundeffekt_Get_Slot(0)->volume, 0);
    EXPECT_EQ(Soundeffekt_Get_Slot(1)->volume, -10000);
}

TEST_F(Effekte, MenuSoundsFromResourcesAndTheFirst14GoodFiles)
{
    for (int i = 0; i < 20; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "ton_%02d.%s", i, i == 3 ? "WAV" : "wav");
        // ton_05 names a megabyte but holds 200 ms: it plays what it has.
        auto bild = wav_mono16(22050, std::vector<int16_t>(4410, int16_t(100 * (i + 1))));
        if (i == 5) bild[40] = 0, bild[41] = 0, bild[42] = 0x10;
        datei(name, bild);
    }
    datei("kaputt.wav", std::vector<uint8_t>(100, 'x'));
    datei("notiz.txt", wav_mono16(22050, std::vector<int16_t>(100, 1)));
    fs::create_directories(ordner / "ordner.wav");

    // The faulty file reaches the user through the game's requester.
    std::vector<std::string> meldungen;
    Requester_Printf_Set_Hook([&](const std::string& t) { meldungen.push_back(t); });
    ASSERT_EQ(Soundeffekt_Load_All(0), 1);
    Requester_Printf_Set_Hook({});
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0], "Die Menü-Sound-Datei \"" + (ordner / "kaputt.wav").string() +
                                "\" ist fehlerhaft und wird daher ignoriert.");
    ASSERT_EQ(Menuesound_Anzahl(), 14);
    EXPECT_STREQ(Menuesound_Get_Name(0), "ton_00.wav");
    EXPECT_STREQ(Menuesound_Get_Name(3), "ton_03.WAV");
    EXPECT_STREQ(Menuesound_Get_Name(13), "ton_13.wav");
    EXPECT_EQ(Menuesound_Get_Name(14), nullptr);
    EXPECT_EQ(Menuesound_Get_Name(-1), nullptr);

    EXPECT_EQ(Menuesound_Play(-1, 0), 1);
    int id = Menuesound_Play(7, 0);
    ASSERT_GE(id, 0);
    EXPECT_EQ(pegel(), 100);
    EXPECT_EQ(Menuesound_Play(7, 0), 1);  // already playing: not restarted
    ASSERT_GE(Menuesound_Play(12, 0), 0);
    EXPECT_EQ(pegel(), 600);
    ASSERT_GE(Menuesound_Play(20, 0), 0);
    EXPECT_EQ(pegel(), 1400);
    int letzte = Menuesound_Id();
    EXPECT_EQ(Menuesound_Play(21, 0), letzte);  // no such file: the sound goes on
    EXPECT_EQ(pegel(), 1400);
    ASSERT_GE(Menuesound_Play(2, 0), 0);        // resource 1611
    EXPECT_EQ(pegel(), 1611);
    Os_Sound_Advance(1000);
    EXPECT_EQ(Sound_Is_Playing(Menuesound_Id()), 1);  // it loops

    Menuesound_Stop(0);
    EXPECT_EQ(Menuesound_Id(), -1);
    EXPECT_EQ(pegel(), 0);
    Soundeffekt_Free_All();
    EXPECT_EQ(Menuesound_Anzahl(), 0);
}
