// Team numbers in the news and highscore blocks: a savegame that names a team the world does not
// have is refused, and the stores keep what they held.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/capture.h"
#include "gameflow/highscore.h"
#include "gameflow/news.h"
#include "gameflow/spielstand_ordner.h"

namespace {

using Bytes = std::vector<uint8_t>;

class Teamnummern : public Spielstand_Ordner {
protected:
    void SetUp() override
    {
        Spielstand_Ordner::SetUp();
        News_Init();
        Highscore_Init();
        Netz_Rolle = 0;
    }
    void TearDown() override
    {
        News_Init();
        Highscore_Init();
        Spielstand_Ordner::TearDown();
    }
    Disk_Bereiche gespeichert()
    {
        EXPECT_TRUE(Disk_Spielstand_Speichern("teams"));
        std::ifstream f(datei("teams"), std::ios::binary);
        const Bytes b{std::istreambuf_iterator<char>(f), {}};
        std::string version;
        Disk_Bereiche bereiche;
        EXPECT_TRUE(Disk_Spielstand_Zerlegen(b.data(), b.size(), &version, &bereiche));
        return bereiche;
    }
    // Loads the areas with one word changed; true when the load went through.
    bool laden_mit(Disk_Bereiche bereiche, int position, size_t block, size_t stelle, int32_t wert)
    {
        Disk_LE32_Setzen(bereiche[size_t(position - 1)][block].data() + stelle, uint32_t(wert));
        const Bytes b = Disk_Spielstand_Bauen("2.01", bereiche);
        std::ofstream(datei("geaendert"), std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
        return Disk_Spielstand_Laden("geaendert");
    }
};

TEST_F(Teamnummern, NewsNamingAnUnknownTeamAreRefused)
{
    // The message block: per message sender, addressee, sender team, kind, flags, day, question.
    const News_Frage frage = {{3, 5, 6, 500, 7, 0, 0, -1}};
    ASSERT_EQ(News_Senden(-1, 6, 5, NEWS_ART_FRAGE, &frage, "Spiel?"), 0);
    const Disk_Bereiche bereiche = gespeichert();
    News_Init();
    ASSERT_EQ(News_Senden(-1, 1, -1, NEWS_ART_TEXT, nullptr, "bleibt"), 0);

    struct Fall {
        size_t stelle;
        int32_t wert;
        bool gut;
    };
    const Fall faelle[] = {
        {4, 99, true},    {4, -1, true},   {4, 100, false},  {4, -2, false},  // addressee
        {8, -1, true},    {8, 100, false}, {8, -7, false},                     // sender team
        {28, 100, false}, {32, 99, true},  {32, -1, false},                    // the question's clubs
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::to_string(f.stelle) + ": " + std::to_string(f.wert));
        Fehler_Capture cap;
        EXPECT_EQ(laden_mit(bereiche, DISK_POS_NEWS, 1, f.stelle, f.wert), f.gut);
        ASSERT_EQ(News_Anzahl(), 1);
        if (f.gut) {
            News_Init();
            ASSERT_EQ(News_Senden(-1, 1, -1, NEWS_ART_TEXT, nullptr, "bleibt"), 0);
        } else {
            EXPECT_TRUE(cap.contains("News_Read_Bin_Block: Nachricht an Team"));
            EXPECT_STREQ(News_Get_Nachricht(0)->text, "bleibt");
        }
    }

    // A plain message carries no question: its words are not read as clubs.
    News_Init();
    ASSERT_EQ(News_Senden(-1, 6, 5, NEWS_ART_TEXT, nullptr, "Text"), 0);
    const Disk_Bereiche text = gespeichert();
    EXPECT_TRUE(laden_mit(text, DISK_POS_NEWS, 1, 28, 5000));
}

TEST_F(Teamnummern, HighscoreOfAnUnknownTeamIsRefused)
{
    ASSERT_TRUE(Highscore_Manager_Anlegen(99));
    const Disk_Bereiche bereiche = gespeichert();
    Manager_Loeschen(99);
    ASSERT_TRUE(Highscore_Manager_Anlegen(3));
    {
        Fehler_Capture cap;
        EXPECT_FALSE(laden_mit(bereiche, DISK_POS_HIGHSCORE, 1, 0, 100));
        EXPECT_TRUE(cap.contains("Highscore_Read_Bin_Block: Eintrag 0 fehlerhaft!"));
    }
    EXPECT_NE(Highscore_Get_Eintrag(3), nullptr);
    EXPECT_EQ(Highscore_Get_Eintrag(99), nullptr);
    EXPECT_TRUE(laden_mit(bereiche, DISK_POS_HIGHSCORE, 1, 0, 99));
    EXPECT_NE(Highscore_Get_Eintrag(99), nullptr);
    EXPECT_EQ(Highscore_Get_Eintrag(3), nullptr);
}

}  // namespace
