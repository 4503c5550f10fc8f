// A season of the generated small world through the bank's own jobs, with two managers who
// trade shares, borrow, deposit and lend: no mark appears or vanishes outside a booking.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "../database/db_hilfe.h"
#include "bank_hilfe.h"
#include "welt_hilfe.h"
#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "economy/stadion.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "platform/win95.h"

namespace {

struct Summen {
    int64_t team[BANK_TEAMS] = {};
    int64_t von_aussen = 0;  // what the bookings with payer or receiver none brought in
    int64_t transfer_ein = 0, transfer_aus = 0;
    bool gleich = true;      // two clubs always moved the same integer
} summen;

void protokoll(int32_t z, int32_t e, int32_t ab, int32_t zu, uint8_t k)
{
    if (z >= 0) summen.team[z] -= ab;
    if (e >= 0) summen.team[e] += zu;
    if (z < 0) summen.von_aussen += zu;
    if (e < 0) summen.von_aussen -= ab;
    if (z >= 0 && e >= 0 && ab != zu) summen.gleich = false;
    if (k == 30) summen.transfer_ein += zu;
    if (k == 31) summen.transfer_aus += ab;
}

// The parameter is the world's size argument of the data builder.
struct BankSaison : BankTest, ::testing::WithParamInterface<const char*> {
    std::filesystem::path ordner;
    void SetUp() override
    {
        BankTest::SetUp();
        ordner = std::filesystem::temp_directory_path() / ("dorvin_bank_" + std::to_string(::getpid()));
        ASSERT_NO_FATAL_FAILURE(Test_Welt_Laden(ordner, GetParam()));
        Stadion_Set_Dauerkarten_Abfrage([](int32_t team, int32_t* monate, int32_t abrechnen) {
            if (abrechnen) *monate = 1;
            return abrechnen ? 0 : (team % 3 - 1) * 5000;
        });
    }
    void TearDown() override
    {
        Stadion_Set_Dauerkarten_Abfrage(nullptr);
        for (int32_t t = 0; t < Team_Anzahl; ++t) T_Fix[t].manager = nullptr;
        Manager_Anzahl = 0;
        News_DeInit();
        Wettbewerb_Free();
        Test_Aufraeumen();
        BankTest::TearDown();
        std::filesystem::remove_all(ordner);
    }

    // One season from 1 July; returns the bank block at its end.
    std::vector<uint8_t> saison(int32_t a, int32_t b)
    {
        Zufall_Set_Seed(4711);
        Aktueller_Tag = 0;
        Bank_Init();
        T_Fix[a].manager = T_Fix[b].manager = Test_Manager_Schein();
        Manager_Anzahl = 2;
        for (int32_t t : {a, b}) {
            EXPECT_TRUE(Bank_Konto_Einrichten(t, 3000000, 0));
            Bank_Set_Kreditlinie(t, 1000000.0f, 0);
        }
        for (int32_t t = 0; t < Team_Anzahl; ++t)
            if (t != a && t != b) {
                const int32_t start = Zufall_Gross(100000, 5000000);
                Schreibe_Überweisung(-1, t, float(start), 36, 1, -1);
            }
        Bank_Neues_Spiel();
        summen = {};
        Bank_Set_Buchung_Protokoll(protokoll);
        int32_t monat = Kalender_Get_Datum(0, 0).monat;
        for (int32_t tag = 1; tag <= 366; ++tag) {
            Aktueller_Tag = tag;
            int64_t vorher[BANK_TEAMS], summe_vorher = 0;
            for (int32_t t = 0; t < BANK_TEAMS; ++t) {
                vorher[t] = stand(t);
                summe_vorher += vorher[t];
            }
            for (auto& s : summen.team) s = 0;
            summen.von_aussen = 0;
            tag_spielen(a, b);
            Bank_Boerse_Tag();
            const int32_t m = Kalender_Get_Datum(tag, 0).monat;
            if (m != monat) Bank_Dauerkarten_Ausgleich();
            if (m == 7 && monat != 7) Bank_Steuern();
            monat = m;
            int64_t summe = 0;
            for (int32_t t = 0; t < BANK_TEAMS; ++t) {
                summe += stand(t);
                EXPECT_EQ(stand(t) - vorher[t], summen.team[t]) << "Tag " << tag << " Team " << t;
            }
            EXPECT_EQ(summe - summe_vorher, summen.von_aussen) << "Tag " << tag;
            if (HasFailure()) break;
        }
        Bank_Set_Buchung_Protokoll(nullptr);
        return Bank_Block_Bauen();
    }

    // What the modules of a day book, drawn at random.
    static void tag_spielen(int32_t a, int32_t b)
    {
        const int32_t n = Team_Anzahl - 2;
        for (int32_t i = 0; i < 6; ++i) {
            const int32_t verkaeufer = Zufall(0, n - 1);
            const int32_t kaeufer = Zufall(0, n - 1);
            // the fee in thousands, booked by the arbiter's own record of the move
            const int32_t abloese = Zufall_Gross(1, 400) * 25;
            Teamspieler_Transfer_Speichern(verkaeufer, kaeufer, i, abloese, 1);
        }
        const int32_t gehalt = Zufall(0, n - 1);
        const int32_t betrag = Zufall_Gross(1000, 90000);
        Schreibe_Überweisung(gehalt, -1, float(betrag) + 0.5f, 26, 0, -1);
        for (int32_t m : {a, b}) {
            const int32_t was = Zufall(0, 9);
            const int32_t boerse = Zufall(0, 2);
            const int32_t firma = Zufall(1, 12);
            const int32_t anzahl = Zufall(1, 50);
            const int32_t monate = Zufall(1, 12);
            if (was <= 2) Bank_Aktien_Handel(m, anzahl, boerse, firma);
            else if (was <= 4) Bank_Aktien_Handel(m, -anzahl, boerse, firma);
            else if (was == 5) Bank_Betrag_Anlegen(-1, m, float(anzahl) * 10000.0f, monate, 0, -1.0f);
            else if (was == 6) Bank_Betrag_Anlegen(m, -1, float(anzahl) * 5000.0f, monate, 1, -1.0f);
            else if (was == 7) Bank_Betrag_Anlegen(m, m == a ? b : a, float(anzahl) * 3000.0f, monate, 0, 6.0f);
            else Schreibe_Überweisung(m, m == a ? b : a, float(anzahl) * 777.7f, 22, 0, -1);
        }
    }
};

TEST_P(BankSaison, EveryMarkMovesByABookingAndTheSeasonRepeats)
{
    int32_t manager[2] = {-1, -1};
    for (int32_t t = 0, k = 0; t < Team_Anzahl && k < 2; ++t)
        if (Wettbewerb_Get_Team_Wettbewerb(t, 1) >= 0) manager[k++] = t;
    // the shares' base values and the yearly limits need a league level for every league club
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (Wettbewerb_Get_Team_Wettbewerb(t, 1) < 0) continue;
        EXPECT_GT(Wettbewerb_Get_Liga_Niveau(t), 0) << t;
    }
    ASSERT_GE(manager[1], 0);
    const std::vector<uint8_t> erste = saison(manager[0], manager[1]);
    EXPECT_TRUE(summen.gleich);
    EXPECT_EQ(summen.transfer_ein, summen.transfer_aus);
    EXPECT_GT(summen.transfer_ein, 0);
    void* c = nullptr;
    EXPECT_NE(Bank_Naechste_Anlage(manager[0], &c), nullptr);
    const std::vector<uint8_t> zweite = saison(manager[0], manager[1]);
    EXPECT_EQ(erste, zweite);
}

INSTANTIATE_TEST_SUITE_P(Welten, BankSaison, ::testing::Values("--world small", ""));

}  // namespace
