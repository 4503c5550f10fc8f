#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gameflow/globals.h"
#include "gameflow/news.h"
#include "gameflow/postfach.h"
#include "gameflow/team_requester.h"
#include "toolkit/requester.h"

namespace {

std::vector<std::string> gezeigt;

// An empty store on the server, club 3 acting; the question record of a friendly match.
News_Frage anfang()
{
    News_Init();
    Netz_Rolle = 0;
    Aktuelles_Team = 3;
    News_Frage frage{};
    frage.wort[0] = 3;
    return frage;
}

TEST(Postfach, NewestFirstAnswersQuestionsAndDeletesOnRequest)
{
    const News_Frage frage = anfang();
    Aktueller_Tag = 1;
    const int alt = News_Senden(-1, 3, -1, NEWS_ART_TEXT, nullptr, "alt");
    Aktueller_Tag = 2;
    const int fr = News_Senden(-1, 3, -1, NEWS_ART_FRAGE, &frage, "Frage");
    News_Senden(-1, 4, -1, NEWS_ART_TEXT, nullptr, "fremd");
    Aktueller_Tag = 3;
    const int neu = News_Senden(-1, -1, -1, NEWS_ART_TEXT, nullptr, "neu");
    gezeigt.clear();
    Team_Requester_Set_Anzeige([](int32_t modus, int32_t team, const char* text) -> uint8_t {
        const std::string t(text);
        gezeigt.push_back(t.substr(0, t.find('\n')));
        EXPECT_EQ(team, 3);
        EXPECT_EQ(modus, 2);
        return t.rfind("alt", 0) != 0;   // keep the old one, yes to the rest
    });
    EXPECT_EQ(Postfach_Screen(nullptr, 4), 3);
    Team_Requester_Set_Anzeige(nullptr);
    EXPECT_EQ(gezeigt, (std::vector<std::string>{"neu", "Frage", "alt"}));
    ASSERT_NE(News_Get_Text(fr), nullptr);
    EXPECT_EQ(News_Get_Text(fr)->wort[7], 1);
    EXPECT_TRUE(News_Get_Nachricht(fr)->flags & NEWS_FLAG_BEANTWORTET);
    EXPECT_EQ(News_Get_Nachricht(neu), nullptr);
    ASSERT_NE(News_Get_Nachricht(alt), nullptr);
    EXPECT_TRUE(News_Get_Nachricht(alt)->flags & NEWS_FLAG_GELESEN);

    // Nobody acting: nothing is shown.
    Aktuelles_Team = -1;
    EXPECT_EQ(Postfach_Screen(nullptr, 4), 0);
    News_Init();
    Aktueller_Tag = 0;
}

// After weeks of play the mailbox holds many kept messages: opening it brings only what is new
// (not yet opened, or a question still open), not every kept message before them again; with
// nothing new it pages through the kept ones, so that they can still be read and deleted.
TEST(Postfach, NewMailComesWithoutTheKeptMessagesBeforeIt)
{
    const News_Frage frage = anfang();
    for (int32_t tag = 1; tag <= 30; ++tag) {
        Aktueller_Tag = tag;
        News_Senden(-1, 3, -1, NEWS_ART_TEXT, nullptr, "Bericht %d", int(tag));
    }
    gezeigt.clear();
    Team_Requester_Set_Anzeige([](int32_t, int32_t, const char* text) -> uint8_t {
        const std::string t(text);
        gezeigt.push_back(t.substr(0, t.find('\n')));
        return 0;  // keep every message, no to every question
    });
    EXPECT_TRUE(Postfach_Neue_Post(3));
    EXPECT_EQ(Postfach_Screen(nullptr, 4), 30);
    EXPECT_FALSE(Postfach_Neue_Post(3)) << "all opened and kept";
    EXPECT_FALSE(Postfach_Neue_Post(4));

    Aktueller_Tag = 31;
    News_Senden(-1, 3, -1, NEWS_ART_TEXT, nullptr, "Neu");
    News_Senden(-1, 3, -1, NEWS_ART_FRAGE, &frage, "Frage");
    EXPECT_TRUE(Postfach_Neue_Post(3));
    gezeigt.clear();
    EXPECT_EQ(Postfach_Screen(nullptr, 4), 2);
    EXPECT_EQ(gezeigt, (std::vector<std::string>{"Frage", "Neu"}));

    // Nothing new: the kept messages, newest first, the answered question among them.
    gezeigt.clear();
    EXPECT_EQ(Postfach_Screen(nullptr, 4), 32);
    ASSERT_EQ(gezeigt.size(), 32u);
    EXPECT_EQ(gezeigt.front(), "Frage");
    EXPECT_EQ(gezeigt.back(), "Bericht 1");
    Team_Requester_Set_Anzeige(nullptr);
    News_Init();
    Aktueller_Tag = 0;
}

// A manager who has read enough leaves the row with Escape (or the right button): a question left
// so stays open and unanswered, what was not yet shown stays new.
TEST(Postfach, EscapeEndsTheRowAndLeavesAQuestionOpen)
{
    const News_Frage frage = anfang();
    Aktueller_Tag = 1;
    const int alt = News_Senden(-1, 3, -1, NEWS_ART_TEXT, nullptr, "alt");
    Aktueller_Tag = 2;
    const int fr = News_Senden(-1, 3, -1, NEWS_ART_FRAGE, &frage, "Frage");
    Aktueller_Tag = 3;
    const int neu = News_Senden(-1, 3, -1, NEWS_ART_TEXT, nullptr, "neu");
    Team_Requester_Set_Anzeige(
        [](int32_t modus, int32_t team, const char* text) { return Menue_Requester(modus, team, text, nullptr, nullptr, 0); });
    Menue_Requester_Set_Anzeige([](int32_t, int32_t, const char* text, const char*, const char*) -> uint8_t {
        gezeigt.push_back(text);
        return gezeigt.back() == "Frage" ? MENUE_REQUESTER_ABBRUCH : 1;  // yes: delete
    });
    gezeigt.clear();
    EXPECT_EQ(Postfach_Screen(nullptr, 4), 2);
    Menue_Requester_Set_Anzeige(nullptr);
    Team_Requester_Set_Anzeige(nullptr);
    EXPECT_EQ(gezeigt.size(), 2u);
    EXPECT_EQ(News_Get_Nachricht(neu), nullptr);
    ASSERT_NE(News_Get_Nachricht(fr), nullptr);
    EXPECT_EQ(News_Get_Nachricht(fr)->flags & (NEWS_FLAG_OFFEN | NEWS_FLAG_BEANTWORTET), NEWS_FLAG_OFFEN);
    EXPECT_EQ(News_Get_Text(fr)->wort[7], -1) << "no answer stored";
    ASSERT_NE(News_Get_Nachricht(alt), nullptr);
    EXPECT_FALSE(News_Get_Nachricht(alt)->flags & NEWS_FLAG_GELESEN);

    // The next opening shows its messages elsewhere than in the box: the old Escape ends nothing.
    Team_Requester_Set_Anzeige([](int32_t, int32_t, const char*) -> uint8_t { return 0; });
    EXPECT_EQ(Postfach_Screen(nullptr, 4), 2) << "the question and the old message";
    Team_Requester_Set_Anzeige(nullptr);
    News_Init();
    Aktueller_Tag = 0;
}

// The events page lists the club's messages newest first with their state, follows answers and
// deletions when rebuilt, and shows nothing without a club.
TEST(Postfach, EventsPageListsTheClubsMessagesNewestFirst)
{
    const News_Frage frage = anfang();
    Aktueller_Tag = 4;
    const int fr = News_Senden(-1, 3, -1, NEWS_ART_FRAGE, &frage, "Frage");
    const int alt = News_Senden(-1, 3, -1, NEWS_ART_TEXT, nullptr, "Zeile eins\nZeile zwei");
    News_Senden(-1, 4, -1, NEWS_ART_TEXT, nullptr, "fremd");
    Aktueller_Tag = 5;
    const int neu = News_Senden(-1, -1, -1, NEWS_ART_TEXT, nullptr, "%0300d", 7);
    ASSERT_EQ(News_Screen_Init(-1), 3);
    EXPECT_EQ(News_Screen_Get_Team(), 3);
    const auto& z = News_Screen_Get_Zeilen();
    EXPECT_EQ(z[0].index, neu);
    EXPECT_EQ(std::string(z[0].text).size(), sizeof z[0].text - 1) << "a long text is cut";
    EXPECT_EQ(z[1].index, alt);
    EXPECT_STREQ(z[1].text, "Zeile eins");
    EXPECT_EQ(z[2].index, fr);
    EXPECT_EQ(z[2].frage, 1);
    EXPECT_EQ(z[2].tag, 4);

    // Another manager acts now: the page keeps its club when rebuilt.
    Aktuelles_Team = 4;
    News_Set(fr, 3, 0, 2);
    News_Set(neu, -1, -1, 4);
    ASSERT_EQ(News_Screen_Neu_Bauen(-1), 2);
    EXPECT_EQ(News_Screen_Get_Zeilen()[1].frage, 2);
    EXPECT_EQ(News_Screen_Get_Zeilen()[0].index, alt);

    Aktuelles_Team = -1;
    EXPECT_EQ(News_Screen_Init(-1), 0);
    EXPECT_EQ(News_Screen_Get_Team(), -1);
    EXPECT_TRUE(News_Screen_Get_Zeilen().empty());
    News_Init();
    Aktueller_Tag = 0;
}

}  // namespace
