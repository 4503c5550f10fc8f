#include <gtest/gtest.h>

#include <cstring>

#include "common/capture.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "platform/disk.h"
#include "gameflow/globals.h"
#include "gameflow/news.h"
#include "gameflow/spielstand_ordner.h"

namespace {

class News : public Spielstand_Ordner {
protected:
    void SetUp() override
    {
        Spielstand_Ordner::SetUp();
        News_Init();
        Netz_Rolle = 0;
    }
    void TearDown() override
    {
        News_Init();
        Spielstand_Ordner::TearDown();
    }
};

const News_Frage freundschaftsspiel = {{3, 10, 20, 500, 7, 0, 0, 99}};

TEST_F(News, QuestionIsAnsweredAndFoundByMask)
{
    const int frage = News_Senden(-1, 10, 20, NEWS_ART_FRAGE, &freundschaftsspiel, "Spiel am Tag %d?", 500);
    const int text = News_Senden(-1, 11, -1, -1, nullptr, "Hallo");
    const int alle = News_Senden(-1, -1, -1, 128, nullptr, "Stadion");
    ASSERT_GE(frage, 0);
    ASSERT_GE(text, 0);
    ASSERT_GE(alle, 0);

    // Sent as not answered, whatever the caller put in the answer word.
    EXPECT_EQ(News_Get_Text(frage)->wort[0], 3);
    EXPECT_EQ(News_Get_Text(frage)->wort[7], -1);
    EXPECT_EQ(News_Get_Nachricht(frage)->flags, NEWS_FLAG_DA | NEWS_FLAG_OFFEN);
    EXPECT_STREQ(News_Get_Nachricht(frage)->text, "Spiel am Tag 500?");
    EXPECT_EQ(News_Get_Nachricht(text)->art, NEWS_ART_TEXT);

    EXPECT_EQ(News_Suche_Erste(10, NEWS_FLAG_OFFEN), frage);
    EXPECT_EQ(News_Suche_Naechste(), -1);
    EXPECT_EQ(News_Suche_Erste(11, NEWS_FLAG_OFFEN), -1);
    EXPECT_EQ(News_Suche_Erste(-1, NEWS_FLAG_OFFEN), frage);
    // A message to every manager reaches each club.
    EXPECT_EQ(News_Suche_Erste(11, NEWS_FLAG_DA), text);
    EXPECT_EQ(News_Suche_Naechste(), alle);
    // Opening a message is found by its flag at once.
    EXPECT_EQ(News_Suche_Erste(11, NEWS_FLAG_GELESEN), -1);
    ASSERT_TRUE(News_Set(text, 11, 0, 8));
    EXPECT_EQ(News_Suche_Erste(11, NEWS_FLAG_GELESEN), text);

    {
        Fehler_Capture cap;
        EXPECT_FALSE(News_Set(frage, 11, 1, 2));  // not that club's message
        EXPECT_FALSE(News_Set(text, -1, 1, 2));   // not a question
        EXPECT_EQ(cap.texts.size(), 2u);
    }
    ASSERT_TRUE(News_Set(frage, 10, 1, 2));
    EXPECT_EQ(News_Get_Text(frage)->wort[7], 1);
    EXPECT_EQ(News_Get_Nachricht(frage)->flags, NEWS_FLAG_DA | NEWS_FLAG_BEANTWORTET);
    EXPECT_EQ(News_Suche_Erste(10, NEWS_FLAG_OFFEN), -1);
    EXPECT_EQ(News_Suche_Erste(10, NEWS_FLAG_BEANTWORTET), frage);
    EXPECT_EQ(News_Suche_Erste(-1, NEWS_FLAG_BEANTWORTET), frage);

    ASSERT_TRUE(News_Set(frage, -1, -1, 4));
    EXPECT_EQ(News_Get_Text(frage), nullptr);
    EXPECT_EQ(News_Suche_Erste(-1, NEWS_FLAG_BEANTWORTET), -1);
    EXPECT_EQ(News_Anzahl(), 2);
    // The freed place is taken again.
    EXPECT_EQ(News_Senden(-1, 3, -1, 4, nullptr, "neu"), frage);
}

TEST_F(News, RefusedMessagesLeaveTheStoreAlone)
{
    Fehler_Capture cap;
    EXPECT_EQ(News_Senden(-1, 1, -1, NEWS_ART_FRAGE, nullptr, "ohne Frage"), -1);
    EXPECT_EQ(News_Senden(-1, -2, -1, 4, nullptr, "x"), -1);
    Netz_Rolle = 1;
    EXPECT_EQ(News_Senden(-1, 1, -1, 4, nullptr, "x"), -1);
    EXPECT_TRUE(cap.contains("Client-Zugriff: News_Senden"));
    Netz_Rolle = 0;
    EXPECT_EQ(News_Anzahl(), 0);

    for (int i = 0; i < NEWS_MAX; ++i) ASSERT_EQ(News_Senden(-1, 1, -1, 4, nullptr, "Nr. %d", i), i);
    EXPECT_EQ(News_Senden(-1, 1, -1, 4, nullptr, "zu viel"), -1);
    EXPECT_TRUE(cap.contains("Nachrichtenspeicher voll"));
    EXPECT_STREQ(News_Get_Nachricht(0)->text, "Nr. 0");
    EXPECT_STREQ(News_Get_Nachricht(NEWS_MAX - 1)->text, "Nr. 999");
}

// With two managers a message for every manager is each one's own: the first to read and delete
// his leaves the other's new in his mailbox. A question for everybody stays one message.
TEST_F(News, AMessageForEveryManagerIsEachManagersOwn)
{
    Test_Teams_Anlegen(6);
    Manager_Neuer_Mitspieler(1, "Anna");
    Manager_Neuer_Mitspieler(4, "Bernd");
    const int erste = News_Senden(-1, -1, -1, NEWS_ART_TEXT, nullptr, "Stadion %d", 7);
    ASSERT_GE(erste, 0);
    EXPECT_EQ(News_Anzahl(), 2);
    const int anna = News_Suche_Erste(1, NEWS_FLAG_DA), bernd = News_Suche_Erste(4, NEWS_FLAG_DA);
    ASSERT_GE(anna, 0);
    ASSERT_GE(bernd, 0);
    EXPECT_NE(anna, bernd);
    EXPECT_EQ(News_Get_Nachricht(anna)->team, 1);
    EXPECT_STREQ(News_Get_Nachricht(bernd)->text, "Stadion 7");
    EXPECT_TRUE(News_Set(anna, 1, 0, 8));
    EXPECT_TRUE(News_Set(anna, 1, 0, 4));
    ASSERT_NE(News_Get_Nachricht(bernd), nullptr);
    EXPECT_FALSE(News_Get_Nachricht(bernd)->flags & NEWS_FLAG_GELESEN);
    EXPECT_GE(News_Senden(-1, -1, -1, NEWS_ART_FRAGE, &freundschaftsspiel, "Alle?"), 0);
    EXPECT_EQ(News_Anzahl(), 2);
    Manager_Mitspieler_Killen(1);
    Manager_Mitspieler_Killen(4);
    Test_Aufraeumen();
}

// A full store gives up its oldest read message, never an unread one or an open question.
TEST_F(News, AFullStoreMakesRoomWithItsOldestReadMessage)
{
    Fehler_Capture cap;
    Aktueller_Tag = 50;
    for (int i = 0; i < NEWS_MAX; ++i) ASSERT_EQ(News_Senden(-1, 1, -1, 4, nullptr, "Nr. %d", i), i);
    ASSERT_TRUE(News_Set(700, 1, 0, 8));
    Aktueller_Tag = 40;
    const int frage = News_Senden(-1, 1, 2, NEWS_ART_FRAGE, &freundschaftsspiel, "Frage");
    EXPECT_EQ(frage, 700) << "the one read message made room";
    ASSERT_TRUE(News_Set(frage, 1, 0, 8));
    ASSERT_TRUE(News_Set(3, 1, 0, 8));
    Aktueller_Tag = 60;
    EXPECT_EQ(News_Senden(-1, 1, -1, 4, nullptr, "neu"), 3) << "an open question stays, read or not";
    EXPECT_EQ(News_Senden(-1, 1, -1, 4, nullptr, "zu viel"), -1);
    EXPECT_TRUE(cap.contains("Nachrichtenspeicher voll"));
    EXPECT_STREQ(News_Get_Nachricht(frage)->text, "Frage");
    EXPECT_STREQ(News_Get_Nachricht(3)->text, "neu");
    EXPECT_EQ(News_Anzahl(), NEWS_MAX);
    Aktueller_Tag = 0;
}

// Each manager's share of a full store is his: a club below its share takes the place of a
// club beyond it (one that filled the store while it had it to itself), the oldest read message
// first, failing that the oldest plain text, and never one of its own older ones.
TEST_F(News, AFullStoreMakesRoomAtTheClubBeyondItsShare)
{
    Test_Teams_Anlegen(6);
    Manager_Neuer_Mitspieler(1, "Anna");
    Aktueller_Tag = 10;
    constexpr int ANNA = NEWS_MAX - 10;
    for (int i = 0; i < ANNA; ++i) ASSERT_EQ(News_Senden(-1, 1, -1, 4, nullptr, "Anna %d", i), i);
    for (int i = 500; i < 502; ++i) ASSERT_TRUE(News_Set(i, 1, 0, 8));
    Manager_Neuer_Mitspieler(4, "Bernd");
    Aktueller_Tag = 5;
    for (int i = ANNA; i < NEWS_MAX; ++i) ASSERT_EQ(News_Senden(-1, 4, -1, 4, nullptr, "Bernd %d", i), i);
    ASSERT_TRUE(News_Set(ANNA, 4, 0, 8));  // older than all of Anna's and read
    Aktueller_Tag = 20;
    EXPECT_EQ(News_Senden(-1, 4, -1, 4, nullptr, "neu 1"), 500) << "Anna's oldest read message";
    EXPECT_EQ(News_Senden(-1, 4, -1, 4, nullptr, "neu 2"), 501);
    EXPECT_EQ(News_Senden(-1, 4, -1, 4, nullptr, "neu 3"), 0) << "Anna's oldest plain text, unread";
    ASSERT_NE(News_Get_Nachricht(ANNA), nullptr);
    EXPECT_STREQ(News_Get_Nachricht(ANNA)->text, "Bernd 990");
    EXPECT_EQ(News_Anzahl(), NEWS_MAX);
    Manager_Mitspieler_Killen(1);
    Manager_Mitspieler_Killen(4);
    Test_Aufraeumen();
    Aktueller_Tag = 0;
}

TEST_F(News, StoreRoundTripsThroughTheSavegame)
{
    Aktueller_Tag = 12;
    const int f = News_Senden(4, 10, 20, NEWS_ART_FRAGE, &freundschaftsspiel, "Frage");
    News_Senden(-1, -1, -1, 132, nullptr, "Ausbau fertig: %s", "Nordtribüne");
    News_Set(f, 10, 0, 2);
    const std::string langer(NEWS_TEXT_LAENGE + 50, 'x');
    News_Senden(-1, 2, -1, 4, nullptr, "%s", langer.c_str());
    ASSERT_TRUE(Disk_Spielstand_Speichern("news"));

    News_Init();
    News_Senden(-1, 9, -1, 4, nullptr, "vor dem Laden");
    ASSERT_TRUE(Disk_Spielstand_Laden("news"));
    ASSERT_EQ(News_Anzahl(), 3);
    const News_Nachricht* n = News_Get_Nachricht(News_Suche_Erste(10, NEWS_FLAG_BEANTWORTET));
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->sender, 4);
    EXPECT_EQ(n->sender_team, 20);
    EXPECT_EQ(n->tag, 12);
    EXPECT_EQ(n->frage.wort[3], 500);
    EXPECT_EQ(n->frage.wort[7], 0);
    EXPECT_STREQ(n->text, "Frage");
    const int32_t beantwortet = News_Suche_Erste(10, NEWS_FLAG_BEANTWORTET);
    EXPECT_EQ(News_Suche_Erste(-1, NEWS_FLAG_DA), beantwortet);
    n = News_Get_Nachricht(News_Suche_Naechste());
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->art, 132);
    EXPECT_STREQ(n->text, "Ausbau fertig: Nordtribüne");
    EXPECT_EQ(std::strlen(News_Get_Nachricht(News_Suche_Naechste())->text), size_t(NEWS_TEXT_LAENGE - 1));
}

// Emptying the store leaves no message behind, wherever it was sent or loaded to.
TEST_F(News, EmptiedStoreHoldsNothingOfWhatWasThere)
{
    auto leer = [] {
        EXPECT_EQ(News_Anzahl(), 0);
        EXPECT_LT(News_Suche_Erste(-1, NEWS_FLAG_DA), 0);
        for (int i = 0; i < NEWS_MAX; ++i) ASSERT_EQ(News_Get_Nachricht(i), nullptr) << i;
    };
    for (int i = 0; i < 40; ++i) ASSERT_EQ(News_Senden(-1, 1, -1, 4, nullptr, "Nr. %d", i), i);
    News_Init();
    leer();
    EXPECT_EQ(News_Senden(-1, 1, -1, 4, nullptr, "wieder vorn"), 0);

    for (int i = 0; i < 4; ++i) News_Senden(-1, 2, -1, 4, nullptr, "gespeichert %d", i);
    ASSERT_TRUE(Disk_Spielstand_Speichern("leeren"));
    News_Init();
    ASSERT_TRUE(Disk_Spielstand_Laden("leeren"));
    ASSERT_EQ(News_Anzahl(), 5);
    EXPECT_STREQ(News_Get_Nachricht(4)->text, "gespeichert 3");
    EXPECT_EQ(News_Senden(-1, 1, -1, 4, nullptr, "danach"), 5);
    News_Init();
    leer();
    // a load into an emptied store, then emptied again
    ASSERT_TRUE(Disk_Spielstand_Laden("leeren"));
    News_Init();
    leer();
    // a fresh message in a slot used before carries nothing of the old one
    News_Senden(-1, 3, -1, NEWS_ART_FRAGE, &freundschaftsspiel, "Frage");
    News_Init();
    EXPECT_EQ(News_Senden(-1, 3, -1, 4, nullptr, "Text"), 0);
    const News_Nachricht* n = News_Get_Nachricht(0);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->frage.wort[0], 0);
    EXPECT_EQ(n->flags & NEWS_FLAG_OFFEN, 0u);
}

// A block that claims more messages than the store holds is refused and the store kept.
bool zu_viele(Disk_Datei* d)
{
    uint8_t kopf[8];
    Disk_LE32_Setzen(kopf, NEWS_MAX + 1);
    Disk_LE32_Setzen(kopf + 4, 0);
    return Disk_Schreibe_Block(d, kopf, 8) && Disk_Schreibe_Block(d, kopf, 0);
}

TEST_F(News, BlockWithTooManyMessagesIsRefused)
{
    Disk_Block_Registrieren(DISK_POS_NEWS, zu_viele, News_Read_Bin_Block);
    ASSERT_TRUE(Disk_Spielstand_Speichern("viele"));
    Disk_Block_Registrieren(DISK_POS_NEWS, News_Write_Bin_Block, News_Read_Bin_Block);
    News_Senden(-1, 1, -1, 4, nullptr, "bleibt");
    Fehler_Capture cap;
    EXPECT_FALSE(Disk_Spielstand_Laden("viele"));
    EXPECT_TRUE(cap.contains("News_Read_Bin_Block"));
    EXPECT_EQ(News_Anzahl(), 1);
}

}  // namespace
