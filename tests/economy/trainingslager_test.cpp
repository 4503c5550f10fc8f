// Training camps and appointments: the day checks and their texts, bookings and the arbiter's
// answers, the camp stay with its costs and effects, club events, discounts, the byte images and
// request 1030.
#include <cstring>

#include "competitions/spiele.h"
#include "platform/bytes.h"
#include "werbung_hilfe.h"

namespace {

struct Lager : WerbungTest {
    void SetUp() override
    {
        WerbungTest::SetUp();
        Teamspieler_Init_Listen();
        Spieler_Den_Teams_Zuordnen();
        Aktueller_Tag = 20;
    }
    // Opens the camp on the given days (season days from 1 July of the first season).
    static void oeffnen(int32_t camp, int32_t von, int32_t bis, int32_t offen = 1)
    {
        for (int32_t d = von; d <= bis; ++d) Trainingslager_Tag_Setzen(camp, d, offen);
    }
    static Trainingslager_Termin termin(int32_t team, int32_t slot)
    {
        Trainingslager_Termin t[TRAININGSLAGER_BUCHUNGEN];
        EXPECT_TRUE(Trainingslager_Buchungen(team, t));
        return t[slot];
    }
    static bool gesagt(const std::string& teil) { return enthaelt(requester, teil); }
};

}  // namespace

TEST_F(Lager, EachDayCheckGivesItsText)
{
    const int32_t m = manager[0];
    EXPECT_EQ(Trainingslager_Termin_Pruefen(m, 0, Aktueller_Tag, 3, 1, 0), 0);
    EXPECT_TRUE(gesagt("Leider sind Zeitreisen noch nicht möglich. Dieser Tag ist schon vorbei."));
    requester.clear();
    EXPECT_EQ(Trainingslager_Termin_Pruefen(m, 0, Aktueller_Tag + 2, 3, 1, 1), 0);
    EXPECT_TRUE(gesagt("Dieser Termin ist zu kurzfristig. Suchen Sie sich bitte ein Datum nach dem "));
    EXPECT_EQ(Trainingslager_Termin_Pruefen(m, 0, Aktueller_Tag + 2, 3, 1, 0), 1);

    // a stay that runs into a closed day is cut before it; a closed first day is named
    oeffnen(2, 40, 60, 0);
    oeffnen(2, 40, 45);
    EXPECT_EQ(Trainingslager_Termin_Pruefen(m, 2, 40, 1, 1, 1), 6);
    requester.clear();
    EXPECT_EQ(Trainingslager_Termin_Pruefen(m, 2, 46, 1, 1, 1), 0);
    EXPECT_TRUE(gesagt("Sicherlich haben Sie übersehen, daß das Trainingslager 'Sportschule Alm-Kick' an diesem Tag "
                       "geschlossen hat."));
    EXPECT_EQ(Trainingslager_Termin_Pruefen(m, 7, 40, 1, 1, 1), 0);

    // a party on day 43 cuts the stay too, and that day itself is taken
    ASSERT_EQ(Trainingslager_Buchen(m, 0, 43, 1, 3), 0);
    EXPECT_EQ(Trainingslager_Termin_Pruefen(m, 2, 40, 1, 0, 1), 3);
    requester.clear();
    EXPECT_EQ(Trainingslager_Termin_Pruefen(m, manager[1], 43, 2, 1, 1), 0);
    EXPECT_TRUE(gesagt("An diesem Tag haben Sie bereits Termine."));
}

TEST_F(Lager, ThirtyAppointmentsFillTheSeason)
{
    const int32_t m = manager[0];
    for (int32_t i = 0; i < TRAININGSLAGER_BUCHUNGEN; ++i) {
        ASSERT_EQ(Trainingslager_Buchen(m, 0, 30 + i, 1, 3 + i % 2), i);
        EXPECT_EQ(Trainingslager_Freie_Buchungen(m), TRAININGSLAGER_BUCHUNGEN - 1 - i);
    }
    requester.clear();
    EXPECT_EQ(Trainingslager_Termin_Pruefen(m, 0, 100, 4, 1, 1), 0);
    EXPECT_TRUE(gesagt("Der Vereinsvorstand genehmigt leider keine weiteren Termine in dieser Saison."));
    EXPECT_EQ(Trainingslager_Buchen(m, 0, 100, 1, 4), -1);
    int32_t art = 0;
    EXPECT_EQ(Trainingslager_Get_Termin(m, 31, &art), 0);
    EXPECT_EQ(art, 4);
    // a no to the question books nothing
    Trainingslager_Init();
    antwort = 0;
    EXPECT_EQ(Trainingslager_Buchen(m, 1, 50, 3, 1), -1);
    EXPECT_EQ(Trainingslager_Freie_Buchungen(m), TRAININGSLAGER_BUCHUNGEN);
}

TEST_F(Lager, AStayInTheBestCampIsPaidOnceTrainsForFourteenDaysAndKeepsEveryValueInRange)
{
    const int32_t m = manager[0];
    const int32_t von = 40, tage = 17;
    oeffnen(6, von, von + tage - 1);
    oeffnen(6, von + tage, von + tage, 0);
    ASSERT_EQ(Trainingslager_Termin_Pruefen(m, 6, von, 1, 0, 1), tage);
    const int32_t slot = Trainingslager_Buchen(m, 6, von, tage, 1);
    ASSERT_EQ(slot, 0);
    EXPECT_TRUE(gesagt("Möchten Sie wirklich vom^l"));
    for (int32_t zeile = 0; zeile < TRAININGSLAGER_ZEILEN; ++zeile)
        Trainingslager_Set_Programm(m, slot, zeile, zeile < 3 ? 0 : 21);
    EXPECT_EQ(Trainingslager_Get_Programm(m, slot, 4), 21);
    EXPECT_EQ(Trainingslager_Get_Programm(m, slot, 5), -1);

    // the arbiter confirms the only request: its days are no longer free for anybody
    Richter_Jeden_Tag();
    EXPECT_TRUE(enthaelt(nachrichten(m), "Ihre Buchung des Trainingslagers 'Club Costa del Sol' wurde bestätigt."));
    EXPECT_EQ(Trainingslager_Tag_Belegt(6, von), 0);
    EXPECT_EQ(Trainingslager_Tag_Belegt(6, von + tage - 1), 0);

    // a discount that starts before the stay is the price paid
    const Trainingslager_Daten* d = Trainingslager_Lesen(6);
    ASSERT_NE(d, nullptr);
    Trainingslager_Daten rabatt = *d;
    rabatt.preis = d->normalpreis * 80 / 100;
    std::vector<uint8_t> bild = Trainingslager_Bild_Schreiben();
    Bytes_Setze32(bild.data() + 6 * TRAININGSLAGER_BYTES + 132, uint32_t(rabatt.preis));
    ASSERT_TRUE(Trainingslager_Bild_Lesen(bild.data(), uint32_t(bild.size())));

    const int32_t n = Team_Wert(TEAM_SPIELERANZAHL, m, 0, TEAM_LESEN);
    ASSERT_GT(n, 10);
    int32_t kader[TEAM_MAX_SPIELER + 1];
    const int32_t k = Teamspieler_Ins_Array(m, kader, TEAM_MAX_SPIELER, 0);
    std::vector<int32_t> vorher;
    Test_Buchungen.clear();
    for (Aktueller_Tag = von; Aktueller_Tag < von + tage; ++Aktueller_Tag) {
        if (Aktueller_Tag == von + 14) {
            vorher.clear();
            for (int32_t i = 0; i < k; ++i) {
                int32_t v[32] = {};
                Spieler_Attribute(kader[i], v, SP_ATTRIBUTE_LESEN);
                vorher.insert(vorher.end(), v, v + 24);
            }
        }
        Trainingslager_Jeden_Tag(m);
    }
    const int32_t erwartet = tage * Wettbewerb_Niveau_Gewichten(m, rabatt.preis * n, 50) + rabatt.reisekosten;
    EXPECT_EQ(summe(23), erwartet);
    int32_t zahlungen = 0;
    for (const Test_Buchung& b : Test_Buchungen) zahlungen += b.kategorie == 23;
    EXPECT_EQ(zahlungen, 1);

    // from the 15th day on nothing changes, and every value lies in its range
    std::vector<int32_t> nachher;
    for (int32_t i = 0; i < k; ++i) {
        int32_t v[32] = {};
        Spieler_Attribute(kader[i], v, SP_ATTRIBUTE_LESEN);
        nachher.insert(nachher.end(), v, v + 24);
        // a keeper holds no field attributes (0); a held main attribute stays within 10..995
        for (int32_t a = 0; a < 9; ++a) EXPECT_TRUE(v[a] == 0 || (v[a] >= 10 && v[a] <= 995)) << a << " " << v[a];
        for (int32_t a : {9, 10, 11, 12, 13, 21, 22, 23}) EXPECT_TRUE(v[a] >= 0 && v[a] <= 99) << a;
        for (int32_t feld : {SP_FORM, SP_FORMTENDENZ, SP_TRAININGS_ERSCHOEPFUNG, SP_SPIEL_ERSCHOEPFUNG}) {
            const int32_t w = Spieler_Wert(feld, kader[i], 0, SP_LESEN);
            EXPECT_TRUE(w >= 0 && w <= 99) << feld;
        }
    }
    EXPECT_EQ(nachher, vorher);
    const int32_t moral = Team_Wert(TEAM_MORAL, m, 0, TEAM_LESEN);
    EXPECT_TRUE(moral >= 0 && moral <= 99);
    const Trainingslager_Termin t = termin(m, slot);
    EXPECT_GT(t.punkte, 0);
    EXPECT_EQ(t.preis, d->normalpreis);
    EXPECT_TRUE(enthaelt(nachrichten(m), "steigerte Ihre Teamstärke um"));
    EXPECT_GT(Highscore_Get_Wert(m, 1, 5), 0);
}

// A stay whose first day went by without the charge (an entry the server never booked) trains
// nobody on its later days and costs nothing: it is freed on the first of them.
TEST_F(Lager, AStayNotPaidOnItsFirstDayIsNoStay)
{
    const int32_t m = manager[0];
    Trainingslager_Termin t[TRAININGSLAGER_BUCHUNGEN];
    ASSERT_TRUE(Trainingslager_Buchungen(m, t));
    t[0] = Trainingslager_Termin{};
    t[0].art = 1;
    t[0].belegt = 1;
    for (int8_t& z : t[0].programm) z = 0;
    t[0].erster_tag = Aktueller_Tag - 1;
    t[0].letzter_tag = Aktueller_Tag + 5;
    ASSERT_TRUE(Trainingslager_Buchungen_Ablegen(m, t));
    const int32_t form = Trainingslager_Team_Wert(m, 2), moral = Trainingslager_Team_Wert(m, 1);
    Test_Buchungen.clear();
    for (int32_t tag = 0; tag < 6; ++tag, ++Aktueller_Tag) Trainingslager_Jeden_Tag(m);
    EXPECT_EQ(termin(m, 0).belegt, 0);
    EXPECT_EQ(Trainingslager_Team_Wert(m, 2), form);
    EXPECT_EQ(Trainingslager_Team_Wert(m, 1), moral);
    EXPECT_TRUE(Test_Buchungen.empty());
    EXPECT_FALSE(enthaelt(nachrichten(m), "steigerte Ihre Teamstärke"));
}

TEST_F(Lager, UnpaidEventsAreCancelledWithTheirTexts)
{
    const int32_t m = manager[0];
    Bank_Set_Buchung_Beobachter([](int32_t, int32_t, float, uint8_t k) { return k < 23 || k > 25; });
    oeffnen(0, 30, 31);
    ASSERT_EQ(Trainingslager_Buchen(m, 0, 30, 2, 1), 0);
    Richter_Jeden_Tag();
    ASSERT_EQ(Trainingslager_Buchen(m, 0, 32, 1, 3), 1);
    ASSERT_EQ(Trainingslager_Buchen(m, 0, 33, 1, 4), 2);
    for (Aktueller_Tag = 30; Aktueller_Tag <= 33; ++Aktueller_Tag) Trainingslager_Jeden_Tag(m);
    for (int32_t s = 0; s < 3; ++s) EXPECT_EQ(termin(m, s).belegt, 0) << s;
    const auto texte = nachrichten(m);
    EXPECT_TRUE(enthaelt(texte, "Der Besuch des Trainingslagers 'Schlammhof' scheiterte leider an akutem Geldmangel..."));
    EXPECT_TRUE(enthaelt(texte, "Für das Vereinsfest fehlte leider das nötige Kleingeld."));
    EXPECT_TRUE(enthaelt(texte, "Der Termin im Psychostudio mußte mangels Kleingeld abgesagt werden."));

    // paid, the party and the session tell what they did
    Test_Bank_Beobachten(5000000);
    ASSERT_EQ(Trainingslager_Buchen(m, 0, 40, 1, 3), 0);
    ASSERT_EQ(Trainingslager_Buchen(m, 0, 41, 1, 4), 1);
    for (Aktueller_Tag = 40; Aktueller_Tag <= 41; ++Aktueller_Tag) Trainingslager_Jeden_Tag(m);
    EXPECT_EQ(termin(m, 0).belegt, 1);
    EXPECT_TRUE(enthaelt(nachrichten(m), "Ihre Spieler haben das Vereinsfest sehr genossen"));
    EXPECT_TRUE(enthaelt(nachrichten(m), "Die Psychologie ist eine gar wundersame Kunst..."));
    EXPECT_GT(summe(24), 0);
    EXPECT_GT(summe(25), 0);
}

TEST_F(Lager, TheArbitersAnswersReachTheClub)
{
    const int32_t m = manager[0], g = computer;
    oeffnen(3, 50, 55);
    ASSERT_EQ(Trainingslager_Buchen(m, 3, 50, 3, 1), 0);
    Trainingslager_Buchung b = {};
    b.art = 1;
    b.slot = 0;
    b.team = uint32_t(m);
    b.ziel = 3;
    b.erster_tag = 50;
    b.letzter_tag = 52;
    Trainingslager_Buchung_Melden(m, &b, false);
    EXPECT_TRUE(enthaelt(nachrichten(m), "Ihre Buchung des Trainingslagers \"Trainingscenter Gernegut\" wurde leider "
                                         "wegen Überbelegung storniert."));
    EXPECT_EQ(termin(m, 0).belegt, 0);
    EXPECT_EQ(Trainingslager_Tag_Belegt(3, 50), 1);

    // friendlies: an answer on the day is late, a no is a refusal
    ASSERT_EQ(Trainingslager_Buchen(m, g, 60, 1, 2), 0);
    b = Trainingslager_Buchung{};
    b.art = 2;
    b.slot = 0;
    b.team = uint32_t(m);
    b.ziel = uint32_t(g);
    b.erster_tag = b.letzter_tag = 60;
    Aktueller_Tag = 60;
    Trainingslager_Buchung_Melden(m, &b, true);
    EXPECT_TRUE(enthaelt(nachrichten(m), "wurde leider nicht rechtzeitig beantwortet."));
    EXPECT_EQ(termin(m, 0).belegt, 0);
    Aktueller_Tag = 20;
    ASSERT_EQ(Trainingslager_Buchen(m, g, 61, 1, 2), 0);
    b.erster_tag = b.letzter_tag = 61;
    Trainingslager_Buchung_Melden(m, &b, false);
    EXPECT_TRUE(enthaelt(nachrichten(m), "wurde leider abgelehnt."));
    // a late answer for a slot that another appointment took since frees nothing
    ASSERT_EQ(Trainingslager_Buchen(m, 0, 70, 1, 3), 0);
    Trainingslager_Buchung_Melden(m, &b, false);
    EXPECT_EQ(termin(m, 0).belegt, 1);

    // a confirmed friendly is entered in the fixtures and both clubs are told
    Spiele_Init();
    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    ASSERT_TRUE(Kalender_Spielplan_Anlegen(0));
    int32_t tag = 22;
    while (!Trainingslager_Termin_Pruefen(m, manager[1], tag, 2, 0, 1) ||
           !Trainingslager_Termin_Pruefen(manager[1], m, tag, 2, 0, 1))
        ASSERT_LT(++tag, 300);
    ASSERT_EQ(Trainingslager_Buchen(m, manager[1], tag, 1, 2), 1);
    b.slot = 1;
    b.ziel = uint32_t(manager[1]);
    b.erster_tag = b.letzter_tag = uint32_t(tag);
    Trainingslager_Buchung_Melden(m, &b, true);
    EXPECT_EQ(termin(m, 1).belegt, 0);
    EXPECT_TRUE(enthaelt(nachrichten(m), "wurde bestätigt. Es findet wie geplant am"));
    EXPECT_TRUE(enthaelt(nachrichten(manager[1]), "findet wie geplant am"));
    requester.clear();
    EXPECT_EQ(Trainingslager_Termin_Pruefen(m, manager[1], tag, 2, 1, 0), 0);
    EXPECT_TRUE(gesagt("An diesem Tag finden leider Spiele statt."));
}

TEST_F(Lager, DiscountsComeAndGoOnlyWeekly)
{
    int32_t angebote = 0;
    for (int32_t woche = 0; woche < 400; ++woche) {
        for (int32_t tag = 0; tag < 6; ++tag) {
            const std::vector<uint8_t> vorher = Trainingslager_Bild_Schreiben();
            Trainingslager_Jeden_Tag(manager[0]);
            EXPECT_EQ(Trainingslager_Bild_Schreiben(), vorher);
        }
        Trainingslager_Jede_Woche();
        for (int32_t c = 0; c < TRAININGSLAGER_ANZAHL; ++c) {
            const Trainingslager_Daten* d = Trainingslager_Lesen(c);
            const int32_t prozent = 100 - d->preis * 100 / d->normalpreis;
            EXPECT_TRUE(prozent == 0 || (prozent >= 15 && prozent <= 31)) << prozent;
            angebote += prozent != 0;
        }
    }
    EXPECT_GT(angebote, 0);
    EXPECT_TRUE(enthaelt(nachrichten(manager[1]), "Buchen Sie jetzt das Trainingslager"));
}

TEST_F(Lager, TablesAndAppointmentsKeepTheirBytesAndDamageIsRefused)
{
    const std::vector<uint8_t> gut = Trainingslager_Bild_Schreiben();
    ASSERT_EQ(gut.size(), 1092u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(gut.data() + 156 * 5 + 48)), "Luxushotel Le Prox");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(gut.data() + 156 * 5 + 88)), "St. Opienne");
    EXPECT_EQ(Bytes_Hole32(gut.data() + 156 * 1 + 136), 2250u);
    EXPECT_EQ(Bytes_Hole32(gut.data() + 156 * 6 + 140), 390000u);
    EXPECT_EQ(gut[156 * 2 + 146], 5);
    ASSERT_TRUE(Trainingslager_Bild_Lesen(gut.data(), uint32_t(gut.size())));
    EXPECT_EQ(Trainingslager_Bild_Schreiben(), gut);
    std::vector<std::vector<uint8_t>> schlecht(5, gut);
    schlecht[0].pop_back();
    std::memset(schlecht[1].data() + 156 * 3 + 48, 'a', 40);
    schlecht[2][156 * 4 + 145] = 6;
    schlecht[3][156 * 0 + 148] = 14;
    Bytes_Setze32(schlecht[4].data() + 156 * 6 + 132, 0x80000000u);
    for (const auto& b : schlecht) {
        EXPECT_FALSE(Trainingslager_Bild_Lesen(b.data(), uint32_t(b.size())));
        EXPECT_EQ(Trainingslager_Bild_Schreiben(), gut);
    }

    // one appointment: every field at its offset
    uint8_t roh[TRAININGSLAGER_TERMIN_BYTES];
    for (uint32_t i = 0; i < sizeof roh; ++i) roh[i] = uint8_t(i + 1);
    Trainingslager_Termin t;
    Trainingslager_Termin_Lesen(roh, &t);
    EXPECT_EQ(t.art, 1);
    EXPECT_EQ(t.belegt, 2);
    EXPECT_EQ(t.programm[4], 8);
    EXPECT_EQ(uint32_t(t.ziel), Bytes_Hole32(roh + 12));
    EXPECT_EQ(uint32_t(t.letzter_tag), Bytes_Hole32(roh + 20));
    EXPECT_EQ(uint32_t(t.staerke), Bytes_Hole32(roh + 40));
    uint8_t zurueck[TRAININGSLAGER_TERMIN_BYTES];
    Trainingslager_Termin_Schreiben(t, zurueck);
    EXPECT_EQ(std::memcmp(roh, zurueck, sizeof roh), 0);

    // forged entries in a club's table are freed, never carried out
    auto* block = static_cast<uint8_t*>(Team_Zeiger(307, manager[0], nullptr, 0));
    const int32_t falsch[3][3] = {{1, 9, 20}, {7, 0, 20}, {3, 0, 5000}};
    for (int32_t i = 0; i < 3; ++i) {
        Trainingslager_Termin e{};
        e.art = uint8_t(falsch[i][0]);
        e.belegt = 1;
        e.ziel = falsch[i][1];
        e.erster_tag = falsch[i][2];
        e.letzter_tag = falsch[i][2] + 2;
        Trainingslager_Termin_Schreiben(e, block + 44 * i);
    }
    Test_Buchungen.clear();
    Trainingslager_Jeden_Tag(manager[0]);
    for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(block[44 * i + 1], 0) << i;
    EXPECT_EQ(summe(23), 0);

    // a client fetches the camp table on request
    static std::vector<uint8_t> antwort_bild;
    std::vector<uint8_t> antwort;
    ASSERT_EQ(Trainingslager_Server_Anfrage(TRAININGSLAGER_TRAININGSLAGER, nullptr, 0, &antwort), 1);
    EXPECT_EQ(antwort, gut);
    EXPECT_EQ(Trainingslager_Server_Anfrage(TRAININGSLAGER_TRAININGSLAGER, gut.data(), 4, &antwort), 0);
    antwort_bild = schlecht[2];
    Netz_Rolle = 1;
    Trainingslager_Set_Fernaufruf([](int32_t, std::vector<uint8_t>* b) {
        *b = antwort_bild;
        return 1;
    });
    EXPECT_FALSE(Trainingslager_Client_Holen());
    antwort_bild = gut;
    antwort_bild[156 * 2 + 132] ^= 1;
    EXPECT_TRUE(Trainingslager_Client_Holen());
    EXPECT_EQ(Trainingslager_Bild_Schreiben(), antwort_bild);
    Netz_Rolle = 0;
}
