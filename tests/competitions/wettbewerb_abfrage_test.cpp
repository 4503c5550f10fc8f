#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/capture.h"
#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_welt.h"

using namespace testwelt;

namespace {

std::vector<int32_t> ids_alle()
{
    std::vector<int32_t> v;
    for (int32_t id = Wettbewerb_Get_Erster(); id >= 0; id = Wettbewerb_Get_Naechster()) v.push_back(id);
    return v;
}

class Abfrage : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(laden()); }
    void TearDown() override { Wettbewerb_Free(); }
};

}  // namespace

TEST_F(Abfrage, RundenGruppenUndKetten)
{
    EXPECT_EQ(ids_alle(), (std::vector<int32_t>{1, 2, 3, 4, 10, 11, 20, 21, 22}));
    EXPECT_EQ(Wettbewerb_Get_Nummer(21), GRUPPE_B);
    EXPECT_EQ(Wettbewerb_Get_Nummer(99), -1);

    // The final's owner is the first group of the first round.
    EXPECT_EQ(Wettbewerb_Get_Oberwettbewerb(22), 20);
    EXPECT_EQ(Wettbewerb_Get_Oberwettbewerb(21), 20);
    EXPECT_EQ(Wettbewerb_Get_Oberwettbewerb(1), 1);
    EXPECT_EQ(Wettbewerb_Get_Oberwettbewerb(77), -1);
    EXPECT_EQ(Wettbewerb_Get_Erster_Der_Kette(22), 20);
    EXPECT_EQ(Wettbewerb_Get_Naechster_Der_Kette(21), 22);  // from the second group too
    EXPECT_EQ(Wettbewerb_Get_Naechster_Der_Kette(22), -1);
    EXPECT_EQ(Wettbewerb_Get_Erste_Gruppe(21), 20);
    EXPECT_EQ(Wettbewerb_Get_Naechste_Gruppe(20), 21);
    EXPECT_EQ(Wettbewerb_Get_Naechste_Gruppe(21), -1);

    Wettbewerb_Datensatz* finale = Wettbewerb_Zeiger(FINALE);
    EXPECT_EQ(Wettbewerb_Vorrunde(finale), Wettbewerb_Zeiger(GRUPPE_A));
    EXPECT_EQ(Wettbewerb_Vorgruppe(Wettbewerb_Zeiger(GRUPPE_B)), Wettbewerb_Zeiger(GRUPPE_A));
    EXPECT_EQ(Wettbewerb_Nachfolgerunde(Wettbewerb_Zeiger(POKAL1)), Wettbewerb_Zeiger(POKAL2));
    EXPECT_EQ(Wettbewerb_Nachfolgerunde(finale), nullptr);
    EXPECT_EQ(Wettbewerb_Vorrunde(nullptr), nullptr);

    // Chain match days: groups 0..5, final 6.
    int32_t tag = -9;
    EXPECT_EQ(Wettbewerb_Get_Runden_Wettbewerb(22, 6, &tag), 22);
    EXPECT_EQ(tag, 0);
    EXPECT_EQ(Wettbewerb_Get_Runden_Wettbewerb(21, 5, &tag), 20);
    EXPECT_EQ(tag, 5);
    EXPECT_EQ(Wettbewerb_Get_Runden_Wettbewerb(20, 7, &tag), -1);
    Wettbewerb_Zeiger(GRUPPE_A)->spieltag = 6;  // groups done: the final is current
    EXPECT_EQ(Wettbewerb_Get_Runden_Wettbewerb(20, -1, &tag), 22);
    EXPECT_EQ(tag, 0);

    const Wettbewerb_Info* info = Wettbewerb_Get_Info(22);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->saison_spieltage, 7);
    EXPECT_EQ(info->ketten_offset, 6);
    EXPECT_EQ(info->oberwettbewerb, 20);
    EXPECT_EQ(info->modus & KO_SYSTEM, int32_t(KO_SYSTEM));
    EXPECT_EQ(info->spiele_block, -1);
    EXPECT_EQ(Wettbewerb_Get_Info(1)->basisliga, 1);
    EXPECT_EQ(Wettbewerb_Get_Info(200), nullptr);
}

TEST_F(Abfrage, PyramidenUndLigasysteme)
{
    EXPECT_EQ(Wettbewerb_Hierarchie_Oben(3), 1);
    EXPECT_EQ(Wettbewerb_Hierarchie_Naechste(), 2);
    EXPECT_EQ(Wettbewerb_Hierarchie_Naechste(), -1);
    EXPECT_EQ(Wettbewerb_Hierarchie_Naechste(), -1);

    int32_t sys[WETTBEWERB_ANZAHL];
    ASSERT_EQ(Wettbewerb_Get_Ligasysteme(sys), 2);
    EXPECT_EQ(sys[0], 1);
    EXPECT_EQ(sys[1], 4);
    int16_t teams[20];
    ASSERT_EQ(Wettbewerb_Get_Ligasystem_Teams(1, teams, 20), 12);
    EXPECT_EQ(teams[11], 11);
    {
        Fehler_Capture cap;
        EXPECT_EQ(Wettbewerb_Get_Ligasystem_Teams(1, teams, 5), 5);  // never beyond the room
        EXPECT_FALSE(cap.texts.empty());
    }

    int32_t anz = 0, pos = -1;
    EXPECT_EQ(Wettbewerb_Visuell_Horizontal_Anz(3, &anz, &pos), 2);
    EXPECT_EQ(pos, 1);
    EXPECT_EQ(Wettbewerb_Visuell_Horizontal_Anz(1), 1);
    EXPECT_EQ(Wettbewerb_Visuell_Horizontal_Erster(3), 2);
    EXPECT_EQ(Wettbewerb_Visuell_Horizontal_Naechster(), 3);
    EXPECT_EQ(Wettbewerb_Visuell_Horizontal_Naechster(), -1);
    EXPECT_EQ(Wettbewerb_Visuell_Horizontal_Erster(1), 1);
    EXPECT_EQ(Wettbewerb_Visuell_Horizontal_Naechster(), -1);

    int32_t stufen = 0, eigene = -1;
    EXPECT_EQ(Wettbewerb_Visuell_Vertikal_Anz(3, &stufen, &eigene), 2);
    EXPECT_EQ(eigene, 1);
    int32_t a = -1, b = -1;
    EXPECT_TRUE(Wettbewerb_Visuell_Vertikal_Anz_Min(4, &a, &b, 4));
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 4);
    EXPECT_FALSE(Wettbewerb_Visuell_Vertikal_Anz_Min(99, &a, &b, 4));
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 1);

    // Both parallel leagues sit below the top league.
    EXPECT_EQ(Wettbewerb_Zeiger(A2B)->vk.v[WV_OBERLIGA], A1);
    EXPECT_EQ(Wettbewerb_Get_Liga_Niveau(0), 100);
    EXPECT_EQ(Wettbewerb_Get_Liga_Niveau(9), 50);
    EXPECT_EQ(Wettbewerb_Get_Liga_Niveau(39), 0);
    EXPECT_EQ(Wettbewerb_Niveau_Skalieren(9, 1000), 500);
    EXPECT_EQ(Wettbewerb_Niveau_Skalieren(9, 1000, 1), 510);
    EXPECT_EQ(Wettbewerb_Niveau_Skalieren(39, 1000), 10);  // never scaled to nothing
    EXPECT_EQ(Wettbewerb_Niveau_Gewichten(9, 1000, 0), 1000);
    EXPECT_EQ(Wettbewerb_Niveau_Gewichten(9, 1000, 100), 500);
    EXPECT_EQ(Wettbewerb_Niveau_Gewichten(9, 1000, 40), 800);
}

TEST_F(Abfrage, TeamsUndLaender)
{
    int16_t teams[WETTBEWERB_MAX_TEAMS];
    EXPECT_EQ(Wettbewerb_Get_Teams(10, teams), 8);
    EXPECT_EQ(teams[7], 7);
    EXPECT_EQ(Wettbewerb_Get_Teams(10, nullptr), 8);
    EXPECT_TRUE(Wettbewerb_Team_In_Liste(2, 5));
    EXPECT_FALSE(Wettbewerb_Team_In_Liste(2, 0));

    // Team 13 reaches the second group; it still plays in the group round, not in the final.
    Wettbewerb_Datensatz* gb = Wettbewerb_Zeiger(GRUPPE_B);
    gb->listen.teams[0] = 13;
    gb->listen.anzahl = 1;
    EXPECT_EQ(Wettbewerb_Team_Noch_Dabei(20, 13), 1);
    EXPECT_EQ(Wettbewerb_Team_In_Wettbewerb(21, 13), 1);
    EXPECT_EQ(Wettbewerb_Team_Noch_Dabei(22, 13), 0);
    EXPECT_TRUE(Wettbewerb_Team_Erreicht(22, 13));
    EXPECT_FALSE(Wettbewerb_Team_Erreicht(22, 14));
    EXPECT_TRUE(Wettbewerb_Team_Erreicht(11, 3));  // from the cup's first round
    EXPECT_EQ(Wettbewerb_Team_Noch_Dabei(20, -1), 0);

    EXPECT_EQ(Wettbewerb_Get_Team_Wettbewerb(3, 1), 1);
    EXPECT_EQ(Wettbewerb_Get_Team_Wettbewerb(13, 0), 4);
    EXPECT_EQ(Wettbewerb_Get_Team_Wettbewerb(30, 1), -1);
    EXPECT_EQ(Wettbewerb_Get_Team_Wettbewerb(-1, 0), -1);

    // Country A: its league pyramid's leagues and the cup (its last round), each owner once.
    int32_t ids[WETTBEWERB_ANZAHL];
    int32_t n = Wettbewerb_Get_Land_Wettbewerbe(LAND_A, ids);
    EXPECT_EQ(std::vector<int32_t>(ids, ids + n), (std::vector<int32_t>{1, 2, 3, 10}));
    EXPECT_EQ(Wettbewerb_Get_Land_Wettbewerbe(LAND_A, nullptr, 1), 3);
    // -1 without an array: every last round and every base league.
    EXPECT_EQ(Wettbewerb_Get_Land_Wettbewerbe(-1, nullptr), 6);
    n = Wettbewerb_Get_Land_Wettbewerbe(-1, ids);
    EXPECT_EQ(std::vector<int32_t>(ids, ids + n), (std::vector<int32_t>{1, 2, 3, 4, 10, 20}));
    EXPECT_EQ(Wettbewerb_Get_Land_Wettbewerbe(LAND_B, ids, 1), 1);

    EXPECT_TRUE(Wettbewerb_Ist_International(22));  // fed by the leagues of A and B
    EXPECT_TRUE(Wettbewerb_Ist_International(20));
    EXPECT_FALSE(Wettbewerb_Ist_International(10));
    EXPECT_FALSE(Wettbewerb_Ist_International(1));
    EXPECT_TRUE(Wettbewerb_Gibt_Es_International());
    Wettbewerb_Zeiger(POKAL2)->ausrichter = 5;
    EXPECT_TRUE(Wettbewerb_Ist_International(10));

    EXPECT_EQ(Wettbewerb_Get_Team_Ansehen(5), 60);
    EXPECT_EQ(Wettbewerb_Get_Team_Bedeutung(13), 100);
    EXPECT_EQ(Wettbewerb_Get_Team_Bedeutung(13, 1), 50);
    EXPECT_EQ(Wettbewerb_Get_Team_Ansehen(39), 0);

    int32_t platz = 7;
    EXPECT_EQ(Wettbewerb_Get_Tabellenplatz_Prozent(3, &platz), 80);
    EXPECT_EQ(platz, -1);
}

// A team's league follows every change of the lists: a promotion swap, a shortened list, a
// league that is no base league any more, and records loaded anew as a savegame or a new game
// brings them.
TEST_F(Abfrage, LigaFolgtDemTeamUeberJedeListenAenderung)
{
    EXPECT_EQ(Wettbewerb_Get_Team_Wettbewerb(3, 1), 1);
    EXPECT_EQ(Wettbewerb_Get_Liga_Niveau(3), 100);
    Wettbewerb_Datensatz* a1 = Wettbewerb_Zeiger(A1);
    Wettbewerb_Datensatz* a2 = Wettbewerb_Zeiger(A2);
    Wettbewerb_Datensatz* b1 = Wettbewerb_Zeiger(B1);
    // Season end: A's last goes down, the north's first comes up.
    std::swap(a1->listen.teams[3], a2->listen.teams[0]);
    EXPECT_EQ(Wettbewerb_Get_Team_Wettbewerb(3, 1), 2);
    EXPECT_EQ(Wettbewerb_Get_Team_Wettbewerb(4, 1), 1);
    EXPECT_EQ(Wettbewerb_Get_Liga_Niveau(3), 50);
    EXPECT_EQ(Wettbewerb_Get_Team_Ansehen(4), 90);
    // Team 0 moves abroad: the country cup it plays in becomes international.
    EXPECT_FALSE(Wettbewerb_Ist_International(10));
    std::swap(a1->listen.teams[0], b1->listen.teams[0]);
    EXPECT_EQ(Wettbewerb_Get_Team_Wettbewerb(0, 1), 4);
    EXPECT_TRUE(Wettbewerb_Ist_International(10));
    b1->listen.anzahl = 3;
    EXPECT_EQ(Wettbewerb_Get_Team_Wettbewerb(15, 1), -1);
    b1->basisliga = 0;
    EXPECT_EQ(Wettbewerb_Get_Team_Wettbewerb(0, 1), -1);
    EXPECT_FALSE(Wettbewerb_Ist_International(10));

    Wettbewerb_Free();
    auto r = bauen();
    std::swap(r[A1].listen.teams[1], r[B1].listen.teams[1]);
    std::swap(r[A1].listen.start[1], r[B1].listen.start[1]);
    ASSERT_TRUE(Wettbewerb_Uebernehmen(r.data(), ANZAHL, TEAM_ANZAHL));
    EXPECT_EQ(Wettbewerb_Get_Team_Wettbewerb(0, 1), 1);
    EXPECT_EQ(Wettbewerb_Get_Team_Wettbewerb(1, 1), 4);
    EXPECT_EQ(Wettbewerb_Get_Team_Wettbewerb(13, 1), 1);
    EXPECT_EQ(Wettbewerb_Get_Team_Ansehen(13), 90);
}

// The lookup by id follows the records through every change: an id written through a record
// handed out before the lookups that follow, an id given twice (the first record answers), a
// record whose name is cleared (it ends the records in use), a cleared record, a new block.
TEST_F(Abfrage, SucheNachKennungFolgtJederAenderung)
{
    Wettbewerb_Datensatz* b = Wettbewerb_Zeiger(GRUPPE_B);
    EXPECT_EQ(Wettbewerb_Get_Nummer(21), GRUPPE_B);
    EXPECT_EQ(Wettbewerb_Get_Nummer(77), -1);
    b->id = 77;
    EXPECT_EQ(Wettbewerb_Get_Nummer(21), -1);
    EXPECT_EQ(Wettbewerb_Get_Nummer(77), GRUPPE_B);
    EXPECT_EQ(Wettbewerb_Get_Naechste_Gruppe(20), 77);
    Wettbewerb_Zeiger(FINALE)->id = 77;
    EXPECT_EQ(Wettbewerb_Get_Nummer(77), GRUPPE_B);
    EXPECT_EQ(Wettbewerb_Get_Nummer(22), -1);
    Wettbewerb_Zeiger(POKAL1)->id = 77;
    EXPECT_EQ(Wettbewerb_Get_Nummer(77), POKAL1);
    EXPECT_EQ(Wettbewerb_Get_Nummer(10), -1);
    Wettbewerb_Zeiger(POKAL2)->name[0] = 0;
    EXPECT_EQ(Wettbewerb_Get_Nummer(20), -1) << "behind the first record without a name";
    EXPECT_EQ(Wettbewerb_Get_Nummer(4), B1);
    Wettbewerb_Datensatz_Leeren(B1);
    EXPECT_EQ(Wettbewerb_Get_Nummer(4), -1);
    EXPECT_EQ(Wettbewerb_Get_Nummer(77), -1);
    EXPECT_EQ(Wettbewerb_Get_Nummer(3), A2B);
    Wettbewerb_Free();
    EXPECT_EQ(Wettbewerb_Get_Nummer(3), -1);
    auto r = bauen();
    std::swap(r[A2].id, r[A2B].id);
    ASSERT_TRUE(Wettbewerb_Uebernehmen(r.data(), ANZAHL, TEAM_ANZAHL));
    EXPECT_EQ(Wettbewerb_Get_Nummer(3), A2);
    EXPECT_EQ(Wettbewerb_Get_Nummer(2), A2B);
    EXPECT_EQ(Wettbewerb_Get_Nummer(22), FINALE);
}

// A hold gives the answers the records give without one, and keeps them while it lives (holds
// nest); a change made under it counts once the last hold has gone, and a new hold sees it.
TEST_F(Abfrage, HaltenGibtDieselbenAntwortenUndVergisstSieDanach)
{
    struct Antworten {
        std::vector<int32_t> werte;
        bool operator==(const Antworten&) const = default;
    };
    auto fragen = [] {
        Antworten a;
        for (int32_t id = 0; id < 30; ++id) {
            int32_t stufen = -1, eigene = -1;
            a.werte.push_back(Wettbewerb_Visuell_Vertikal_Anz(id, &stufen, &eigene));
            a.werte.insert(a.werte.end(), {stufen, eigene, Wettbewerb_Get_Nummer(id), Wettbewerb_Ist_International(id) ? 1 : 0});
        }
        for (int32_t team = -1; team < 20; ++team)
            a.werte.insert(a.werte.end(), {Wettbewerb_Get_Team_Wettbewerb(team, 1), Wettbewerb_Get_Liga_Niveau(team)});
        return a;
    };
    const Antworten frei = fragen();
    {
        const Wettbewerb_Abfragen_Halten halten;
        EXPECT_EQ(fragen(), frei);
        EXPECT_EQ(fragen(), frei) << "asked twice under the hold";
        {
            const Wettbewerb_Abfragen_Halten innen;
            // Team 0 moves abroad under the holds: their answers stand.
            std::swap(Wettbewerb_Zeiger(A1)->listen.teams[0], Wettbewerb_Zeiger(B1)->listen.teams[0]);
            EXPECT_FALSE(Wettbewerb_Ist_International(10));
            EXPECT_EQ(Wettbewerb_Get_Team_Wettbewerb(0, 1), 1);
        }
        EXPECT_FALSE(Wettbewerb_Ist_International(10)) << "the outer hold still lives";
    }
    EXPECT_TRUE(Wettbewerb_Ist_International(10));
    EXPECT_EQ(Wettbewerb_Get_Team_Wettbewerb(0, 1), 4);
    const Antworten danach = fragen();
    EXPECT_NE(danach, frei);
    const Wettbewerb_Abfragen_Halten neu;
    EXPECT_EQ(fragen(), danach);
}

// Under a hold a competition is international by the place targets of the leagues just as
// without one: a target at the far end of the lists counts, a number no record has names none
// (not even the record it equals modulo 64), and the targets are read anew by the next hold.
TEST_F(Abfrage, PlatzZieleZaehlenUnterDemHaltenWieOhne)
{
    auto international = [] {
        std::vector<int32_t> a;
        for (int32_t id : {1, 2, 3, 4, 10, 11, 20, 21, 22}) a.push_back(Wettbewerb_Ist_International(id) ? 1 : 0);
        return a;
    };
    auto& ziele = Wettbewerb_Zeiger(B1)->ziele.ziel;
    std::vector<std::vector<int32_t>> frei;
    for (int32_t fall = 0; fall < 3; ++fall) {
        if (fall == 1) ziele[1][0] = GRUPPE_B + 64;
        if (fall == 2) ziele[WETTBEWERB_ZIEL_LISTEN - 1][WETTBEWERB_PLAETZE - 1] = GRUPPE_B;
        frei.push_back(international());
        const Wettbewerb_Abfragen_Halten halten;
        EXPECT_EQ(international(), frei.back()) << "case " << fall;
        EXPECT_EQ(international(), frei.back()) << "case " << fall << ", asked twice";
    }
    EXPECT_NE(frei[1], frei[0]) << "without its target the cup has teams of one land only";
    EXPECT_EQ(frei[2], frei[0]);
}

TEST_F(Abfrage, WerteUndSchalter)
{
    // A knock-out round halves per match day; a league plays TEAMS / 2 pairings.
    Wettbewerb_Datensatz ko = Wettbewerb_Leerer_Datensatz;
    ko.modus = KO_SYSTEM;
    ko.teams = 16;
    EXPECT_EQ(Wettbewerb_Paarungen_Zaehlen(&ko, 0), 8);
    EXPECT_EQ(Wettbewerb_Paarungen_Zaehlen(&ko, 1), 4);
    EXPECT_EQ(Wettbewerb_Paarungen_Zaehlen(&ko, 3), 1);
    EXPECT_EQ(Wettbewerb_Paarungen_Zaehlen(&ko, 40), 0);
    ko.teams = 7;
    EXPECT_EQ(Wettbewerb_Paarungen_Zaehlen(&ko, 0), 4);
    EXPECT_EQ(Wettbewerb_Paarungen_Zaehlen(nullptr, 0), 0);
    EXPECT_EQ(Wettbewerb_Get_Paarung(1, -1), 2);
    EXPECT_EQ(Wettbewerb_Get_Paarung(1, -2), -1);
    EXPECT_EQ(Wettbewerb_Get_Paarung(99, 0), -1);
    EXPECT_EQ(Wettbewerb_Get_Dummy_Id(), -1);

    // Yellow-card bans at 5, 10, 15; an interval of 0 bans only at the first threshold.
    EXPECT_EQ(Wettbewerb_Gelbsperre_Faellig(1, 4), 0);
    EXPECT_EQ(Wettbewerb_Gelbsperre_Faellig(1, 5), 1);
    EXPECT_EQ(Wettbewerb_Gelbsperre_Faellig(1, 10), 1);
    EXPECT_EQ(Wettbewerb_Gelbsperre_Faellig(1, 11), 0);
    Wettbewerb_Zeiger(A1)->intervall_gelbsperre = 0;
    EXPECT_EQ(Wettbewerb_Gelbsperre_Faellig(1, 5), 1);
    EXPECT_EQ(Wettbewerb_Gelbsperre_Faellig(1, 10), 0);
    EXPECT_EQ(Wettbewerb_Gelbsperre_Faellig(99, 5), 0);

    // Switches belong to the whole competition.
    EXPECT_EQ(Wettbewerb_Set_Schalter(22, 1, 1), 1);
    EXPECT_EQ(Wettbewerb_Get_Schalter(21, 1), 1);
    EXPECT_EQ(Wettbewerb_Set_Schalter(20, 1, 2), 0);
    {
        Fehler_Capture cap;
        EXPECT_EQ(Wettbewerb_Set_Schalter(20, 6, 1), 0);
        EXPECT_TRUE(cap.contains("Wettbewerb_Set_Schalter"));
    }
    EXPECT_EQ(Wettbewerb_Get_Schalter(20, 0), 0);

    EXPECT_STREQ(Wettbewerb_Get_Anzeigename(21, 1), "Interpokal, Gruppe B");
    EXPECT_STREQ(Wettbewerb_Get_Anzeigename(21), "Interpokal");
    EXPECT_STREQ(Wettbewerb_Get_Anzeigename(99), "");
    EXPECT_STREQ(Wettbewerb_Get_Rundentext(11, 1), "Finale");
    EXPECT_STREQ(Wettbewerb_Get_Rundentext(1, 2), "3.Spieltag");
    EXPECT_STREQ(Wettbewerb_Get_Rundentext(1, 60), "61.Spieltag");

    EXPECT_EQ(Wettbewerb_Get_Quali_Ziel(1, 0, 1), 20);
    EXPECT_EQ(Wettbewerb_Get_Quali_Ziel(1, 3, 0), 2);
    EXPECT_EQ(Wettbewerb_Get_Quali_Ziel(1, 1, 0), -1);
    EXPECT_EQ(Wettbewerb_Get_Quali_Ziel(1, 0, 5), -1);
    EXPECT_EQ(Wettbewerb_Get_Quali_Ziel(1, 500, 0), -1);
    EXPECT_TRUE(Wettbewerb_Ist_Heimrecht(1));
    EXPECT_EQ(Wettbewerb_Get_Anzahl_Spiele_Pro_Paarung(1), 1);
    EXPECT_EQ(Wettbewerb_Get_Anzahl_Spiele_Pro_Paarung(99), 1);
    EXPECT_EQ(Wettbewerb_Get_Grafik_Nummer(99), -1);

    Wettbewerb_Zeiger(A1)->ziele.ziel[2][5] = -3;
    Wettbewerb_Platz_Ziele_Marken_Loeschen();
    EXPECT_EQ(Wettbewerb_Zeiger(A1)->ziele.ziel[2][5], -1);
    // A mark in a list's last place goes too; the real targets beside marks stay.
    auto& ziele = Wettbewerb_Zeiger(A1)->ziele.ziel;
    const int32_t ziel_vorher = ziele[0][0];
    ziele[0][1] = -3;
    ziele[4][WETTBEWERB_PLAETZE - 1] = -3;
    Wettbewerb_Platz_Ziele_Marken_Loeschen();
    EXPECT_EQ(ziele[0][0], ziel_vorher);
    EXPECT_EQ(ziele[0][1], -1);
    EXPECT_EQ(ziele[4][WETTBEWERB_PLAETZE - 1], -1);
}

TEST_F(Abfrage, NichtBereitGibtNeutraleWerte)
{
    Wettbewerb_Free();
    EXPECT_FALSE(Wettbewerb_Bereit());
    EXPECT_EQ(Wettbewerb_Get_Erster(), -1);
    EXPECT_EQ(Wettbewerb_Get_Info(1), nullptr);
    EXPECT_EQ(Wettbewerb_Get_Paarung(1, 0), -1);
    EXPECT_EQ(Wettbewerb_Get_Liga_Niveau(0), 0);
    EXPECT_EQ(Wettbewerb_Get_Land_Wettbewerbe(-1, nullptr), 0);
    EXPECT_EQ(Wettbewerb_Get_Ligasysteme(nullptr), 0);
    EXPECT_EQ(Wettbewerb_Hierarchie_Naechste(), -1);
    EXPECT_EQ(Wettbewerb_Visuell_Horizontal_Naechster(), -1);
    EXPECT_EQ(Wettbewerb_Get_Tabellenplatz_Prozent(0), 80);
    EXPECT_FALSE(Wettbewerb_Gibt_Es_International());
}

TEST(WettbewerbRecords, UebernehmenPrueftGrenzenUndVerweise)
{
    struct Fall {
        const char* erwartet;
        void (*aendern)(std::vector<Wettbewerb_Datensatz>&);
    };
    const Fall faelle[] = {
        {"TEAMS: 25 Teams", [](auto& r) { r[A1].teams = 25; }},
        {"IDENTIFIKATION: Kennung 300", [](auto& r) { r[POKAL1].id = 300; }},
        {"Kennung 200 einer Liga", [](auto& r) { r[A1].id = 200; }},
        {"Kennung 2 doppelt", [](auto& r) { r[B1].id = 2; }},
        {"STARTTEILNEHMER: Teamnummer 40", [](auto& r) { r[B1].listen.start[0] = 40; }},
        {"LAND: Teamnummer 45", [](auto& r) { r[B1].land = 45; }},
        {"SPIELTAGE: Wert 51", [](auto& r) { r[B1].spieltage = 51; }},
        {"QUALI_FUER: Ziel 9", [](auto& r) { r[A1].ziele.ziel[0][0] = 9; }},
        {"NACHFOLGERUNDE: Kreis", [](auto& r) { r[POKAL2].vk.v[WV_NACHFOLGERUNDE] = POKAL1; }},
        {"VISUELL_NACHFOLGER: Kreis", [](auto& r) { r[A2].vk.v[WV_UNTERLIGA] = A1; }},
        {"verweist auf sich selbst", [](auto& r) { r[B1].vk.v[WV_UNTERLIGA] = B1; }},
        {"Lücke", [](auto& r) { r[A2B].name[0] = 0; }},
        {"WER_GEGEN_WEN: Platz 9", [](auto& r) { r[B1].wer_gegen_wen[0] = 9; r[B1].wer_gegen_wen_anz = 2; }},
    };
    for (const auto& f : faelle) {
        ASSERT_TRUE(laden());
        auto r = bauen();
        f.aendern(r);
        Fehler_Capture cap;
        EXPECT_FALSE(Wettbewerb_Uebernehmen(r.data(), ANZAHL, TEAM_ANZAHL)) << f.erwartet;
        EXPECT_TRUE(cap.contains(f.erwartet)) << f.erwartet << " / " << (cap.texts.empty() ? "" : cap.texts[0]);
        // The loaded world is untouched.
        EXPECT_TRUE(Wettbewerb_Bereit());
        EXPECT_EQ(Wettbewerb_Get_Oberwettbewerb(22), 20);
        EXPECT_EQ(Wettbewerb_Zeiger(A1)->teams, 4);
    }
    Wettbewerb_Free();
}

TEST(WettbewerbRecords, VerknuepfungenVerschieben)
{
    ASSERT_TRUE(laden());
    // A record inserted at A2's place moves every link and target at or behind it.
    Wettbewerb_Verknuepfungen_Verschieben(A2, 1);
    EXPECT_EQ(Wettbewerb_Zeiger(A1)->vk.v[WV_UNTERLIGA], A2 + 1);
    EXPECT_EQ(Wettbewerb_Zeiger(A1)->ziele.ziel[1][0], GRUPPE_A + 1);
    EXPECT_EQ(Wettbewerb_Zeiger(A1)->ziele.ziel[0][3], A2 + 1);
    EXPECT_EQ(Wettbewerb_Zeiger(FINALE)->besitzer, GRUPPE_A + 1);
    EXPECT_EQ(Wettbewerb_Zeiger(A1)->besitzer, A1);
    EXPECT_EQ(Wettbewerb_Zeiger(A1)->ziele.ziel[0][1], -1);
    Wettbewerb_Verknuepfungen_Verschieben(A2, 0);
    EXPECT_EQ(Wettbewerb_Zeiger(A1)->vk.v[WV_UNTERLIGA], A2);
    EXPECT_EQ(Wettbewerb_Zeiger(FINALE)->besitzer, GRUPPE_A);
    // Deleting a record drops the links to it.
    Wettbewerb_Verknuepfungen_Verschieben(A2, 0);
    EXPECT_EQ(Wettbewerb_Zeiger(A1)->vk.v[WV_UNTERLIGA], -1);
    EXPECT_EQ(Wettbewerb_Zeiger(A1)->ziele.ziel[1][0], GRUPPE_A - 1);
    Wettbewerb_Free();
}
