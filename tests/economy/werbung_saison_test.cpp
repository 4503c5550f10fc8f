// A season of the small world through the advertising and camp jobs: two managers, one leaving
// his sponsors to an assistant, camps, parties and sessions booked beforehand, renewal questions
// answered yes. Contracts are signed, renewed and run out, every money movement is a booking,
// and one seed gives the same sponsors, camps and manager blocks twice.
#include <cstring>

#include "werbung_hilfe.h"

namespace {

struct WerbungSaison : WerbungTest {
    static inline int64_t gebucht[BANK_TEAMS];
    int32_t verlaengert = 0, ausgelaufen = 0, unterschrieben = 0;

    static void protokoll(int32_t z, int32_t e, int32_t ab, int32_t zu, uint8_t)
    {
        if (z >= 0) gebucht[z] -= ab;
        if (e >= 0) gebucht[e] += zu;
    }

    void buchen(int32_t m, int32_t ziel, int32_t von, int32_t tage, int32_t art)
    {
        if (art == 1)
            for (int32_t d = von; d < von + tage; ++d) Trainingslager_Tag_Setzen(ziel, d, 1);
        EXPECT_GE(Trainingslager_Buchen(m, ziel, von, tage, art), 0) << von;
    }

    // Answers the manager's open renewal questions with yes.
    static void ja_sagen(int32_t team)
    {
        for (int32_t i = News_Suche_Erste(team, NEWS_FLAG_OFFEN); i >= 0; i = News_Suche_Naechste()) {
            const News_Frage* f = News_Get_Text(i);
            if (f && f->wort[0] == 6) News_Set(i, team, 1, 2);
        }
    }

    int32_t zaehlen(int32_t team, const char* teil)
    {
        int32_t n = 0;
        for (const std::string& t : nachrichten(team)) n += t.find(teil) != std::string::npos;
        return n;
    }

    std::vector<uint8_t> saison()
    {
        Zufall_Set_Seed(4711);
        Aktueller_Tag = 0;
        News_Init();
        Richter_Init();
        Test_Bank_Loslassen();
        Bank_Init();
        Werbung_Init();
        Trainingslager_Init();
        for (int32_t m : manager) {
            std::memset(Team_Zeiger(304, m, nullptr, 0), 0, WERBUNG_TEAM_BYTES);
            Werbung_Team_Vorbelegen(m, 1);
        }
        assistent_geben(manager[1]);
        unterschrieben = 0;
        for (int32_t m : manager)
            for (float b : daten(m).betrag) unterschrieben += b > 0;
        Aktueller_Tag = 20;
        buchen(manager[0], 6, 40, 7, 1);
        buchen(manager[0], 0, 60, 1, 3);
        buchen(manager[0], 0, 80, 1, 4);
        buchen(manager[1], 2, 100, 6, 1);
        buchen(manager[1], 0, 120, 1, 3);
        Bank_Set_Buchung_Protokoll(protokoll);
        verlaengert = ausgelaufen = 0;
        for (int32_t tag = 21; tag <= 400; ++tag) {
            Aktueller_Tag = tag;
            const Kalender_Datum d = Kalender_Get_Datum(tag, 0);
            int64_t vorher[BANK_TEAMS];
            for (int32_t t = 0; t < Team_Anzahl; ++t) {
                vorher[t] = Bank_Get_Kontostand(t, 0, -1);
                gebucht[t] = 0;
            }
            Richter_Jeden_Tag();
            for (int32_t m : manager) {
                Werbung_Jeden_Tag(m);
                Trainingslager_Jeden_Tag(m);
            }
            if (Kalender_Get_Wochentag(tag) == 0) {
                Werbung_Fanartikel_Verkauf(1, manager[0], 15000);
                Werbung_Fanartikel_Verkauf(0, manager[1], 0);
            }
            if (tag % 7 == 0) {
                Werbung_Jede_Woche();
                Trainingslager_Jede_Woche();
            }
            if (d.tag == 1)
                for (int32_t t = 0; t < Team_Anzahl; ++t) Werbung_Jeden_Monat(t);
            if (d.tag == 1 && d.monat == 7) {
                Werbung_Angebote_Erneuern();
                Trainingslager_Jedes_Jahr();
            }
            ja_sagen(manager[0]);
            for (int32_t t = 0; t < Team_Anzahl; ++t)
                EXPECT_EQ(Bank_Get_Kontostand(t, 0, -1) - vorher[t], gebucht[t]) << "Tag " << tag << " Team " << t;
            if (HasFailure()) break;
        }
        Bank_Set_Buchung_Protokoll(nullptr);
        verlaengert = zaehlen(manager[0], "wurde um ein Jahr verlängert.");
        ausgelaufen = zaehlen(manager[0], "ist ausgelaufen.");
        std::vector<uint8_t> alles = Werbung_Block_Bauen();
        const std::vector<uint8_t> lager = Trainingslager_Bild_Schreiben();
        alles.insert(alles.end(), lager.begin(), lager.end());
        for (int32_t m : manager) {
            const auto* w = static_cast<const uint8_t*>(Team_Zeiger(304, m, nullptr, 0));
            const auto* t = static_cast<const uint8_t*>(Team_Zeiger(307, m, nullptr, 0));
            alles.insert(alles.end(), w, w + WERBUNG_TEAM_BYTES);
            alles.insert(alles.end(), t, t + TRAININGSLAGER_TERMINE_BYTES);
        }
        return alles;
    }
};

}  // namespace

TEST_F(WerbungSaison, ContractsComeAndGoEveryMarkIsBookedAndTheSeasonRepeats)
{
    Teamspieler_Init_Listen();
    Spieler_Den_Teams_Zuordnen();
    const std::vector<uint8_t> erste = saison();
    EXPECT_GT(unterschrieben, 4);
    EXPECT_GT(verlaengert, 0);
    EXPECT_GT(ausgelaufen, 0);
    const auto texte = nachrichten(manager[0]);
    EXPECT_TRUE(enthaelt(texte, "steigerte Ihre Teamstärke"));
    EXPECT_TRUE(enthaelt(texte, "Vereinsfest"));
    EXPECT_TRUE(enthaelt(texte, "Die Psychologie"));
    EXPECT_TRUE(enthaelt(texte, "Durch den Verkauf von Fanartikeln"));
    int32_t assistent = 0;
    for (float b : daten(manager[1]).betrag) assistent += b > 0;
    EXPECT_GT(assistent, 0);
    // the new season freed every appointment
    EXPECT_EQ(Trainingslager_Freie_Buchungen(manager[0]), TRAININGSLAGER_BUCHUNGEN);
    // the camps trained the players: the second season starts from the world as it was read
    TearDown();
    SetUp();
    Teamspieler_Init_Listen();
    Spieler_Den_Teams_Zuordnen();
    EXPECT_EQ(saison(), erste);
}
