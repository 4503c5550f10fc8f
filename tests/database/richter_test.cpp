// The arbiter's daily order: camp requests, friendly matches, the managers' answers to questions,
// moves at the end of a contract, and what a client may not do.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/capture.h"
#include "competitions/wettbewerb_welt.h"
#include "database/db_hilfe.h"
#include "database/manager.h"
#include "database/richter.h"
#include "economy/bank.h"
#include "economy/trainingslager.h"
#include "gameflow/highscore.h"
#include "gameflow/news.h"
#include "platform/zufall.h"

namespace {

struct Meldung {
    int32_t team;
    Trainingslager_Buchung buchung;
    bool bestaetigt;
};
std::vector<Meldung> meldungen;
std::vector<int32_t> freigaben;
std::vector<bool> stimmen;
std::vector<std::vector<float>> kredite;
bool termin_frei = true;

Trainingslager_Buchung buchung(uint8_t art, int32_t team, int32_t ziel, int32_t von, int32_t bis)
{
    Trainingslager_Buchung b{};
    b.art = art;
    b.belegt = 1;
    b.slot = -1;
    b.team = static_cast<uint32_t>(team);
    b.ziel = static_cast<uint32_t>(ziel);
    b.erster_tag = static_cast<uint32_t>(von);
    b.letzter_tag = static_cast<uint32_t>(bis);
    return b;
}

std::vector<uint32_t> typen()
{
    std::vector<uint32_t> t;
    for (Liste_Element* e = Richter_Liste.next; e; e = e->next) t.push_back(e->key);
    return t;
}

// Texts of the news messages to a team.
std::vector<std::string> nachrichten(int32_t team)
{
    std::vector<std::string> t;
    for (int32_t i = News_Suche_Erste(team, NEWS_FLAG_DA); i >= 0; i = News_Suche_Naechste())
        t.push_back(News_Get_Nachricht(i)->text);
    return t;
}

struct RichterTest : ::testing::Test {
    void SetUp() override
    {
        Test_Teams_Anlegen(testwelt::TEAM_ANZAHL);
        Test_Spieler_Anlegen(60);
        auto r = testwelt::bauen();
        r[testwelt::A1].wichtig = 95;
        r[testwelt::A2].wichtig = 60;
        r[testwelt::B1].wichtig = 0;
        ASSERT_TRUE(Wettbewerb_Uebernehmen(r.data(), testwelt::ANZAHL, testwelt::TEAM_ANZAHL));
        News_Init();
        Richter_Init();
        Netz_Rolle = 2;
        Aktueller_Tag = 100;
        Zufall(0, 1);
        meldungen.clear();
        freigaben.clear();
        stimmen.clear();
        kredite.clear();
        termin_frei = true;
        Trainingslager_Set_Melde_Beobachter([](int32_t team, const Trainingslager_Buchung* b, bool ok) {
            meldungen.push_back({team, *b, ok});
        });
        Trainingslager_Set_Freigabe_Beobachter([](int32_t team, const Trainingslager_Buchung*) { freigaben.push_back(team); });
        Trainingslager_Set_Termin_Abfrage([](int32_t, int32_t, int32_t) { return termin_frei ? 1 : 0; });
        Wettbewerb_Set_Abstimmung_Beobachter([](bool ja) { stimmen.push_back(ja); });
        Bank_Set_Kredit_Beobachter([](int32_t geber, int32_t nehmer, float betrag, int32_t laufzeit, float zins) {
            kredite.push_back({float(geber), float(nehmer), betrag, float(laufzeit), zins});
            return true;
        });
    }
    void TearDown() override
    {
        Netz_Rolle = 2;  // a client would keep its manager records
        Trainingslager_Set_Melde_Beobachter(nullptr);
        Trainingslager_Set_Freigabe_Beobachter(nullptr);
        Trainingslager_Set_Termin_Abfrage(nullptr);
        Wettbewerb_Set_Abstimmung_Beobachter(nullptr);
        Bank_Set_Kredit_Beobachter(nullptr);
        Test_Welt_Aufraeumen();
    }
    static void anfrage(int32_t team, int32_t zeile, int32_t camp, int32_t von, int32_t bis)
    {
        Trainingslager_Buchung tabelle[TRAININGSLAGER_BUCHUNGEN] = {};
        tabelle[zeile] = buchung(1, -1, camp, von, bis);
        Richter_Trainingslager_Anfrage_Hinzufuegen(team, zeile, tabelle);
    }
    static void vorschlag(int32_t a, int32_t zeile, int32_t b, int32_t tag)
    {
        Trainingslager_Buchung tabelle[TRAININGSLAGER_BUCHUNGEN] = {};
        tabelle[zeile] = buchung(2, -1, b, tag, tag);
        Richter_Trainingslager_Buchung_Hinzufuegen(a, zeile, tabelle);
    }
};

TEST_F(RichterTest, OverlappingCampRequestsConfirmOneDrawnInCollectionOrder)
{
    anfrage(1, 0, 5, 10, 20);
    anfrage(2, 3, 5, 15, 25);
    // newest first, with the row and the asking club filled in
    ASSERT_EQ(typen(), (std::vector<uint32_t>{RICHTER_TRAININGSLAGER, RICHTER_TRAININGSLAGER}));
    const auto* neu = static_cast<const Trainingslager_Buchung*>(Richter_Liste.next->data);
    EXPECT_EQ(neu->team, 2u);
    EXPECT_EQ(neu->slot, 3);

    for (int32_t seed : {1234, 98765, 7}) {
        if (Richter_Liste.next == nullptr) {
            anfrage(1, 0, 5, 10, 20);
            anfrage(2, 3, 5, 15, 25);
        }
        meldungen.clear();
        Zufall_Set_Seed(seed);
        const int32_t r = Zufall(0, 1);
        Zufall_Set_Seed(seed);
        Richter_Jeden_Tag();
        ASSERT_EQ(meldungen.size(), 2u);
        EXPECT_EQ(meldungen[0].team, 2);  // the newer request heads the collection
        EXPECT_EQ(meldungen[1].team, 1);
        EXPECT_TRUE(meldungen[size_t(r)].bestaetigt);
        EXPECT_FALSE(meldungen[size_t(1 - r)].bestaetigt);
        EXPECT_TRUE(typen().empty());
    }
}

TEST_F(RichterTest, CampCollisionNeedsAnEndOfTheOlderRequestInsideTheNewer)
{
    struct Fall {
        int32_t von, bis;
        bool kollision;
    };
    // the newer request spans days 10..20
    for (const Fall& f : {Fall{5, 30, false}, Fall{5, 12, true}, Fall{18, 30, true}, Fall{12, 18, true},
                          Fall{21, 30, false}, Fall{1, 9, false}}) {
        meldungen.clear();
        anfrage(1, 0, 5, f.von, f.bis);
        anfrage(2, 0, 5, 10, 20);
        anfrage(3, 0, 6, 10, 20);  // another camp never collides
        Richter_Jeden_Tag();
        int32_t bestaetigt = 0;
        for (const Meldung& m : meldungen) bestaetigt += m.bestaetigt;
        EXPECT_EQ(meldungen.size(), 3u);
        EXPECT_EQ(bestaetigt, f.kollision ? 2 : 3) << f.von << ".." << f.bis;
        EXPECT_TRUE(typen().empty());
    }
}

// Each end of the older request on an end of the newer one (days 10..20) still collides.
TEST_F(RichterTest, CampCollisionCountsTheBoundaryDays)
{
    for (const auto& [von, bis] : {std::pair{10, 30}, std::pair{20, 30}, std::pair{5, 10}, std::pair{5, 20}}) {
        meldungen.clear();
        anfrage(1, 0, 5, von, bis);
        anfrage(2, 0, 5, 10, 20);
        Richter_Jeden_Tag();
        int32_t bestaetigt = 0;
        for (const Meldung& m : meldungen) bestaetigt += m.bestaetigt;
        ASSERT_EQ(meldungen.size(), 2u);
        EXPECT_EQ(bestaetigt, 1) << von << ".." << bis;
    }
}

TEST_F(RichterTest, FriendlyQuestionToAManagerExpiresOrIsConfirmedTheSameDay)
{
    Manager_Neuer_Mitspieler(3, "B");
    vorschlag(1, 2, 3, 120);
    Richter_Jeden_Tag();
    EXPECT_TRUE(typen().empty());
    int32_t i = News_Suche_Erste(3, NEWS_FLAG_OFFEN);
    ASSERT_GE(i, 0);
    const News_Nachricht* n = News_Get_Nachricht(i);
    EXPECT_EQ(n->art, NEWS_ART_FRAGE);
    EXPECT_EQ(n->sender_team, 1);
    const int32_t erwartet[8] = {3, 1, 3, 120, 2, 0, 0, -1};
    for (int w = 0; w < 8; ++w) EXPECT_EQ(n->frage.wort[w], erwartet[w]) << w;
    EXPECT_NE(std::string(n->text).find("Team 1 schlägt Ihnen vor, am 29. Oktober 1999"), std::string::npos) << n->text;

    // unanswered until the match day: removed and reported as not answered in time
    Aktueller_Tag = 119;
    Richter_Jeden_Tag();
    EXPECT_TRUE(meldungen.empty());
    Aktueller_Tag = 120;
    Richter_Jeden_Tag();
    EXPECT_EQ(News_Suche_Erste(3, NEWS_FLAG_OFFEN | NEWS_FLAG_BEANTWORTET), -1);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].team, 1);
    EXPECT_FALSE(meldungen[0].bestaetigt);
    EXPECT_EQ(meldungen[0].buchung.art, 2);
    EXPECT_EQ(meldungen[0].buchung.slot, 2);
    EXPECT_EQ(meldungen[0].buchung.ziel, 3u);
    EXPECT_EQ(meldungen[0].buchung.erster_tag, 120u);

    // a yes before the day is confirmed in the same run; one on the day is not
    for (int32_t antwort_tag : {125, 130}) {
        meldungen.clear();
        Aktueller_Tag = 124;
        vorschlag(1, 4, 3, 130);
        Richter_Jeden_Tag();
        i = News_Suche_Erste(3, NEWS_FLAG_OFFEN);
        ASSERT_GE(i, 0);
        ASSERT_TRUE(News_Set(i, 3, 1, 2));
        Aktueller_Tag = antwort_tag;
        Richter_Jeden_Tag();
        ASSERT_EQ(meldungen.size(), 1u);
        EXPECT_EQ(meldungen[0].bestaetigt, antwort_tag < 130);
        EXPECT_EQ(News_Anzahl(), 0);
        EXPECT_TRUE(typen().empty());
    }

    // a manager who has other dates that day: the asking club hears so and its slot is freed
    termin_frei = false;
    vorschlag(1, 5, 3, 140);
    Richter_Jeden_Tag();
    EXPECT_EQ(freigaben, std::vector<int32_t>{1});
    EXPECT_EQ(News_Suche_Erste(3, NEWS_FLAG_OFFEN), -1);
}

// The refusal of a friendly for a full day and a renewed advertising contract are plain
// messages, each with the record of the question behind it.
TEST_F(RichterTest, RefusalsAndRenewalsCarryTheirQuestionRecord)
{
    // Both clubs are managed: news for a club nobody manages is not kept.
    Manager_Neuer_Mitspieler(1, "A");
    Manager_Neuer_Mitspieler(3, "B");
    termin_frei = false;
    vorschlag(1, 5, 3, 140);
    Richter_Jeden_Tag();
    int32_t i = News_Suche_Erste(1, NEWS_FLAG_DA);
    ASSERT_GE(i, 0);
    EXPECT_EQ(News_Get_Nachricht(i)->art, NEWS_ART_TEXT);
    EXPECT_NE(std::string(News_Get_Nachricht(i)->text).find("kann nicht stattfinden"), std::string::npos);
    const int32_t freund[8] = {3, 1, 3, 140, 5, 0, 0, -1};
    for (int w = 0; w < 8; ++w) EXPECT_EQ(News_Get_Nachricht(i)->frage.wort[w], freund[w]) << w;

    News_Init();
    auto* block = static_cast<uint8_t*>(Team_Zeiger(304, 3, nullptr, 0));
    ASSERT_NE(block, nullptr);
    const News_Frage werbung{{6, 3, 15, 110, 900, 250000, 0, -1}};
    i = News_Senden(-1, 3, -1, NEWS_ART_FRAGE, &werbung, "Verlängern?");
    ASSERT_TRUE(News_Set(i, 3, 1, 2));
    Richter_Jeden_Tag();
    i = News_Suche_Erste(3, NEWS_FLAG_DA);
    ASSERT_GE(i, 0);
    EXPECT_NE(std::string(News_Get_Nachricht(i)->text).find("wurde um ein Jahr verlängert"), std::string::npos);
    const int32_t erwartet[8] = {6, 3, 15, 110, 900, 250000, 0, 1};
    for (int w = 0; w < 8; ++w) EXPECT_EQ(News_Get_Nachricht(i)->frage.wort[w], erwartet[w]) << w;
    int32_t ende = 0;
    std::memcpy(&ende, block + 88 + 4 * 15, 4);
    EXPECT_EQ(ende, 900);
}

TEST_F(RichterTest, ComputerClubWeighsPrestigeAndRefusesWithoutAny)
{
    // club 4 (prestige 60) asks club 0 (95): x = 60 * 100 / 95 - 50 = 13, minus 10 above 90 = 3
    Team_Wert(TEAM_OPTION, 4, 17, TEAM_SCHREIBEN);  // y = 0 < 3
    vorschlag(4, 0, 0, 150);
    Richter_Jeden_Tag();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_TRUE(meldungen[0].bestaetigt);

    meldungen.clear();
    Team_Wert(TEAM_OPTION, 4, 18, TEAM_SCHREIBEN);  // y = 10: would pass without the penalty
    vorschlag(4, 0, 0, 150);
    Richter_Jeden_Tag();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_FALSE(meldungen[0].bestaetigt);

    // prestige 0 of the asked club cannot be divided by: refused, and club 12 (prestige 0) asking
    // a club of prestige 60 gets x = 0, never accepted
    for (auto [a, b] : {std::pair{4, 12}, std::pair{12, 4}}) {
        meldungen.clear();
        Team_Wert(TEAM_OPTION, a, 17, TEAM_SCHREIBEN);
        vorschlag(a, 0, b, 150);
        Richter_Jeden_Tag();
        ASSERT_EQ(meldungen.size(), 1u);
        EXPECT_FALSE(meldungen[0].bestaetigt);
    }
    EXPECT_TRUE(typen().empty());
}

TEST_F(RichterTest, CreditAndRuleVoteAnswersCountOnlyBeforeTheDeadline)
{
    Manager_Neuer_Mitspieler(1, "A");
    Manager_Neuer_Mitspieler(2, "B");
    const News_Frage kredit{{5, 1, 2, 110, 500000, 7, 12, -1}};
    const News_Frage abstimmung{{8, 1, -1, 110, 0, 0, 0, -1}};

    // unanswered: at the deadline the asking club is told, the vote counts nothing
    News_Senden(-1, 2, 1, NEWS_ART_FRAGE, &kredit, "Kredit?");
    News_Senden(-1, 2, -1, NEWS_ART_FRAGE, &abstimmung, "Regel?");
    Aktueller_Tag = 110;
    Richter_Jeden_Tag();
    EXPECT_EQ(nachrichten(1), std::vector<std::string>{"Ihre Anfrage nach einem Kredit von Team 2 wurde nicht beantwortet."});
    EXPECT_EQ(News_Anzahl(), 1);
    EXPECT_TRUE(stimmen.empty());
    EXPECT_TRUE(kredite.empty());

    // answered yes on the deadline: removed, nothing more
    News_Init();
    Aktueller_Tag = 105;
    for (const News_Frage* f : {&kredit, &abstimmung}) {
        const int32_t i = News_Senden(-1, 2, 1, NEWS_ART_FRAGE, f, "?");
        News_Set(i, 2, 1, 2);
    }
    Aktueller_Tag = 110;
    Richter_Jeden_Tag();
    EXPECT_EQ(News_Anzahl(), 0);
    EXPECT_TRUE(stimmen.empty());
    EXPECT_TRUE(kredite.empty());

    // before it: the credit moves from the lender to the borrower, the vote counts as yes
    Aktueller_Tag = 105;
    for (const News_Frage* f : {&kredit, &abstimmung}) {
        const int32_t i = News_Senden(-1, 2, 1, NEWS_ART_FRAGE, f, "?");
        News_Set(i, 2, 1, 2);
    }
    Richter_Jeden_Tag();
    ASSERT_EQ(kredite.size(), 1u);
    EXPECT_EQ(kredite[0], (std::vector<float>{2, 1, 500000, 12, 7}));
    EXPECT_EQ(stimmen, std::vector<bool>{true});
    ASSERT_EQ(nachrichten(1).size(), 1u);
    EXPECT_NE(nachrichten(1)[0].find("Team 2 hat Ihnen den gewünschten Kredit"), std::string::npos);
}

TEST_F(RichterTest, MoveAtContractEndMirrorsTheStatusBit)
{
    Richter_Spieler_Wechsel_Nach_Vertragsende_Hinzufuegen(5, 3, 120, 24);
    EXPECT_TRUE(Spieler_Wert(SP_STATUS, 5, 0, SP_LESEN) & SP_STATUS_WECHSEL);
    EXPECT_TRUE(Richter_Spieler_Wechsel_Nach_Vertragsende_Suchen(5, nullptr, nullptr, nullptr));
    int32_t team = -1, gehalt = -1, monate = -1;
    EXPECT_TRUE(Richter_Spieler_Wechsel_Nach_Vertragsende_Suchen(5, &team, &gehalt, &monate));
    EXPECT_EQ(std::vector<int32_t>({team, gehalt, monate}), std::vector<int32_t>({3, 120, 24}));
    EXPECT_FALSE(Richter_Spieler_Wechsel_Nach_Vertragsende_Suchen(6, &team, nullptr, nullptr));

    Richter_Spieler_Wechsel_Nach_Vertragsende_Loeschen(5);
    EXPECT_FALSE(Spieler_Wert(SP_STATUS, 5, 0, SP_LESEN) & SP_STATUS_WECHSEL);
    EXPECT_FALSE(Richter_Spieler_Wechsel_Nach_Vertragsende_Suchen(5, &team, nullptr, nullptr));
    // without an item nothing changes, not even a bit set by hand
    Spieler_Wert(SP_STATUS, 6, SP_STATUS_WECHSEL, SP_SETZEN);
    Richter_Spieler_Wechsel_Nach_Vertragsende_Loeschen(6);
    EXPECT_TRUE(Spieler_Wert(SP_STATUS, 6, 0, SP_LESEN) & SP_STATUS_WECHSEL);
}

TEST_F(RichterTest, DecidersThatDeleteOtherItemsLeaveTheWalkSound)
{
    // camps colliding across offers and proposals, decided in one run; the sanitizers watch
    // that no freed element is read
    Spieler_Angebot a{};
    a.bieter = 1;
    a.verein = 2;
    for (int32_t k = 0; k < 6; ++k) {
        anfrage(k % 3, 0, 7, 10 + k, 20 + k);
        a.spnr = static_cast<uint16_t>(k);
        Liste_Insert_Element(&Richter_Liste, nullptr, &a, sizeof a, RICHTER_ANGEBOT);
        Team_Wert(TEAM_OPTION, 4, 17, TEAM_SCHREIBEN);
        vorschlag(4, 0, 0, 150 + k % 2);
        const Trainingslager_Buchung f = buchung(2, 5 + k % 2, 9, 160, 160);
        Liste_Insert_Element(&Richter_Liste, nullptr, &f, sizeof f, RICHTER_FREUNDSCHAFTSSPIEL);
    }
    Richter_Jeden_Tag();
    EXPECT_EQ(typen(), std::vector<uint32_t>(6, RICHTER_ANGEBOT));
    int32_t bestaetigt = 0;
    for (const Meldung& m : meldungen) bestaetigt += m.bestaetigt;
    EXPECT_EQ(meldungen.size(), 18u);
    // one camp winner, one of each trio of agreed friendlies, and every proposal the computer
    // club accepts (each is confirmed at once, before the next is asked)
    EXPECT_EQ(bestaetigt, 1 + 2 + 6);
}

TEST_F(RichterTest, ClientDecidesNothing)
{
    anfrage(1, 0, 5, 10, 20);
    Netz_Rolle = 1;
    Fehler_Capture cap;
    Richter_Jeden_Tag();
    EXPECT_TRUE(cap.contains("Client-Zugriff: Richter_Jeden_Tag"));
    EXPECT_EQ(typen().size(), 1u);
    EXPECT_TRUE(meldungen.empty());
}

}  // namespace
