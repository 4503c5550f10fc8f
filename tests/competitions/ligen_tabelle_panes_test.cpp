// The tables screen's panes as the manager's choices build them: legs of a two-legged round,
// gap rows and columns of the table, the final-table view without an archive, and the groups,
// selector and place markers around them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>

#include "competitions/ligen_tabelle.h"
#include "competitions/spiele_ewig.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/statistik_archiv.h"
#include "platform/compress.h"
#include "competitions/tabellen_welt.h"
#include "database/team.h"
#include "gameflow/ablauf.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "competitions/programm_schriften.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_meldung.h"
#include "graphics/grafik_printf.h"

namespace {

using namespace spielwelt;
using knopf_test::knoepfe;

class TabellenPanes : public Tabellen_Welt {
protected:
    // The acting manager's first shortcut shows the competition on match day `tag` (1-based).
    void zeigen(Wettbewerb_Id w, int32_t tag)
    {
        const int32_t m = Aktuelles_Team;
        for (int32_t i = 0; i < LT_KURZWAHL_ANZAHL; ++i) knoepfe[{m, LT_KURZWAHL + i}] = i == 0;
        Manager_Icon_Word_Data_Schreiben(m, LT_KURZWAHL_WORT, uint16_t(w));
        Manager_Icon_Word_Data_Schreiben(m, LT_SPIELTAG, uint16_t(tag));
        Manager_Icon_Word_Data_Schreiben(m, LT_FILTER, uint16_t(-1));
    }
    // A new fixture block of the league, played up to match day `spieltag` (its results to come).
    static int32_t liga(int32_t spieltag)
    {
        const int32_t b = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
        Wettbewerb_Datensatz* d = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA));
        d->spiele_block = b;
        d->spieltag = spieltag;
        return b;
    }
    // Two match days of the league, the table over both: team 0 wins both (the first by
    // `tore`:0), 1 one, 2 draws once, 3 loses twice.
    Ligen_Tabelle_Inhalt zwei_spieltage(int32_t tore)
    {
        const int32_t b = liga(2);
        ergebnis(b, 0, 0, 0, 1, tore, 0);
        ergebnis(b, 0, 1, 2, 3, 1, 1);
        ergebnis(b, 1, 0, 1, 3, 1, 0);
        ergebnis(b, 1, 1, 0, 2, 3, 1);
        zeigen(LIGA, 3);
        Manager_Icon_Word_Data_Schreiben(1, LT_VON, 1);
        Manager_Icon_Word_Data_Schreiben(1, LT_BIS, 2);
        knoepfe[{1, LT_AKTUELL}] = 1;
        Ligen_Tabelle_Inhalt p;
        Ligen_Tabelle_Tabelle_Inhalt(&p);
        return p;
    }
    // A cell's numbers without its layout codes (fixed digits, tabs), each code a space.
    static std::string zahlen(const std::string& t)
    {
        std::string s;
        for (size_t i = 0; i < t.size(); ++i) {
            if (t[i] != '^') {
                s += t[i];
                continue;
            }
            const bool mit_zahl = t.compare(i, 3, "^fe") != 0;
            i += mit_zahl ? 6 : 2;
            s += ' ';
        }
        return s;
    }
    static std::string texte(const Ligen_Tabelle_Inhalt& p)
    {
        std::string s;
        for (const Ligen_Tabelle_Zelle& z : p.zellen) s += z.text + "|";
        return s;
    }
};

TEST_F(TabellenPanes, ATwoLeggedRoundShowsItsSecondLegsOnceAFirstLegHasAResult)
{
    const int32_t b = Spiele_Init_Neue_Spiele(0, 4, 1, 2, GRUPPE, -1);
    ASSERT_GE(b, 0);
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(GRUPPE))->spiele_block = b;
    auto leg = [&](int32_t runde, int32_t slot, int32_t heim, int32_t gast, int32_t ht, int32_t gt) {
        bein(b, 0, runde, slot, heim, gast, ht, gt);
    };
    leg(0, 0, 5, 6, -1, 0);
    leg(1, 0, 6, 5, -1, 0);
    leg(0, 1, 7, 8, -1, 0);
    leg(1, 1, 8, 7, -1, 0);
    zeigen(GRUPPE, 1);
    Ligen_Tabelle_Inhalt p;
    Ligen_Tabelle_Paarungen_Inhalt(&p, false);
    std::string t = texte(p);
    EXPECT_EQ(std::count(t.begin(), t.end(), '('), 0) << t;
    EXPECT_NE(t.find("-:-"), std::string::npos) << t;
    // Per pairing home, away and the result, which names its match for the information menu.
    ASSERT_EQ(p.treffer.size(), 6u);
    EXPECT_EQ(p.treffer[0].team, 5);  // first legs: 5 at home
    EXPECT_EQ(p.treffer[2].team, -1);
    EXPECT_EQ(p.treffer[2].block, b);
    EXPECT_EQ(p.treffer[5].kennung, 1);  // day 0, slot 1
    EXPECT_FALSE(p.treffer[2].gespielt);

    // One first leg played: both pairings turn to their second legs, the first in brackets
    // seen from the second leg's home side.
    leg(0, 0, 5, 6, 2, 0);
    Ligen_Tabelle_Paarungen_Inhalt(&p, false);
    t = texte(p);
    EXPECT_NE(t.find("-:- (0:2)"), std::string::npos) << t;
    EXPECT_EQ(p.treffer[0].team, 6);
    leg(1, 0, 6, 5, 3, 0);
    Ligen_Tabelle_Paarungen_Inhalt(&p, false);
    t = texte(p);
    EXPECT_NE(t.find("3:0 (0:2)"), std::string::npos) << t;
    EXPECT_TRUE(p.treffer[2].gespielt);
    EXPECT_NE(t.find("-:-|"), std::string::npos) << t;  // 8 - 7 still open, no first leg
}

TEST_F(TabellenPanes, DetailsAddGapRowsAndTwoColumnsSplitTheRows)
{
    // points 6, 3, 1, 1
    Ligen_Tabelle_Inhalt p = zwei_spieltage(2);
    EXPECT_NE(p.kopf.find("Tabelle vom  1 bis  2. Spieltag"), std::string::npos) << p.kopf;
    // the columns' headings over their cells
    for (const char* spalte : {"Spiele", "  S      U      N  ", "Torverh.", "Tordiff.", "Punkte", "Tendenz"})
        EXPECT_NE(p.kopf.find(spalte), std::string::npos) << spalte << " in " << p.kopf;
    ASSERT_EQ(p.treffer.size(), 4u);
    EXPECT_EQ(p.treffer[0].team, 0);
    const int32_t ohne = p.laenge;
    auto marken = [](const Ligen_Tabelle_Inhalt& q) {
        int32_t n = 0;
        for (const Ligen_Tabelle_Zelle& z : q.zellen) n += z.bilder;
        return n;
    };
    EXPECT_EQ(marken(p), 0);

    // Gaps of 3 and 2 points: five single gap rows.
    knoepfe[{1, LT_DETAILS}] = 1;
    Ligen_Tabelle_Tabelle_Inhalt(&p);
    EXPECT_EQ(marken(p), 5);
    EXPECT_GT(p.laenge, ohne);

    // Two columns: the later rows 270 pixels to the right, starting again at the top.
    knoepfe[{1, LT_SPALTEN}] = 1;
    knoepfe[{1, LT_DETAILS}] = 0;
    Ligen_Tabelle_Tabelle_Inhalt(&p);
    ASSERT_EQ(p.treffer.size(), 4u);
    EXPECT_LT(p.treffer[1].x, 270);
    EXPECT_GE(p.treffer[2].x, 270);
    EXPECT_EQ(p.treffer[2].y, p.treffer[0].y);
    EXPECT_LT(p.laenge, ohne);
    // two columns head both halves, without the tendency
    EXPECT_NE(p.kopf.find("Punkte^tz0410Spiele"), std::string::npos) << p.kopf;
    EXPECT_EQ(p.kopf.find("Tendenz"), std::string::npos) << p.kopf;
}

TEST_F(TabellenPanes, AFinalTableViewWithoutArchiveShowsTheEternalTable)
{
    const int32_t b = liga(1);
    // Counted into the eternal table as a played day is.
    for (auto [slot, heim, gast, ht] : {std::tuple{0, 0, 1, 2}, std::tuple{1, 2, 3, 1}}) {
        ergebnis(b, 0, slot, heim, gast, ht, 1);
        const int32_t h = Spiele_Lock(b, 0, 0, slot);
        Spiele_Set_Nachspiel_Statistik(h);
        Spiele_Unlock(h);
    }
    zeigen(LIGA, 2);
    Manager_Icon_Word_Data_Schreiben(1, LT_HISTORIE, 1999);
    knoepfe[{1, LT_AKTUELL}] = 1;
    Ligen_Tabelle_Tabellenknopf_Klick(LT_HISTORIE);
    Ligen_Tabelle_Inhalt p;
    Ligen_Tabelle_Tabelle_Inhalt(&p);
    EXPECT_NE(p.kopf.find("Ewige Tabelle"), std::string::npos) << p.kopf;
    EXPECT_NE(p.kopf.find("^tz0234  S      U      N  ^tz0305Torverh."), std::string::npos) << p.kopf;
    EXPECT_EQ(p.treffer.size(), 4u);
    // each row's won, drawn and lost games are the eternal table's own counts: one game, one result
    int32_t reihen = 0, sieger = 0;
    for (const Ligen_Tabelle_Zelle& z : p.zellen) {
        if (z.x != 194) continue;
        int32_t sun[3] = {-1, -1, -1};
        ASSERT_EQ(std::sscanf(zahlen(z.text).c_str(), "%d %d %d", &sun[0], &sun[1], &sun[2]), 3) << z.text;
        EXPECT_EQ(sun[0] + sun[1] + sun[2], 1) << z.text;
        sieger += sun[0];
        ++reihen;
    }
    EXPECT_EQ(reihen, 4);
    EXPECT_EQ(sieger, 1) << texte(p);  // one game won, one drawn
}

TEST_F(TabellenPanes, TheFinalTablesShowTheLatestArchivedSeasonWhenNoneIsChosen)
{
    const int32_t b = liga(1);
    ergebnis(b, 0, 0, 0, 1, 2, 1);
    ergebnis(b, 0, 1, 2, 3, 1, 1);
    static Tabelle_Datensatz t;
    ASSERT_TRUE(Wettbewerb_Tabelle_Vorbereiten(LIGA, &t));
    Spiele_Tabelle_Berechnen(LIGA, b, -1, -1, 1, TAB_NORMAL, &t, 1, 0, -1, -1, 0, 0, -1);
    Compress_LZW_Init();
    ASSERT_TRUE(Statistik_Tabelle_Archivieren(&t));
    int32_t jahr = 0;
    ASSERT_EQ(Statistik_Tabellen_In_Array(LIGA, &jahr, 1), 1);
    zeigen(LIGA, 2);
    Manager_Icon_Word_Data_Schreiben(1, LT_HISTORIE, 0);  // nothing chosen in the season menu
    knoepfe[{1, LT_AKTUELL}] = 1;
    Ligen_Tabelle_Tabellenknopf_Klick(LT_HISTORIE);
    Ligen_Tabelle_Inhalt p;
    Ligen_Tabelle_Tabelle_Inhalt(&p);
    char titel[64];
    std::snprintf(titel, sizeof titel, "Abschlußtabelle %d/%d:", jahr - 1, jahr);
    EXPECT_NE(p.kopf.find(titel), std::string::npos) << p.kopf;
    EXPECT_EQ(p.kopf.find("Ewige"), std::string::npos) << p.kopf;
    EXPECT_EQ(int32_t(Manager_Icon_Word_Data_Lesen(1, LT_HISTORIE)), jahr);
}

TEST_F(TabellenPanes, GroupsSelectorAndPlaceMarkers)
{
    int32_t tag = 0;
    const Wettbewerb_Id runde = Wettbewerb_Get_Runden_Wettbewerb(GRUPPE, 0, &tag);
    ASSERT_GE(runde, 0);
    EXPECT_EQ(Ligen_Tabelle_Gruppen_Anzahl(runde), 2);
    EXPECT_EQ(Ligen_Tabelle_Gruppe(runde, 0), GRUPPE);
    EXPECT_EQ(Ligen_Tabelle_Gruppe(runde, 1), GRUPPE + 1);
    EXPECT_EQ(Ligen_Tabelle_Gruppe(runde, 9), GRUPPE + 1);  // past the end: the last
    EXPECT_EQ(Ligen_Tabelle_Gruppen_Anzahl(LIGA), 1);
    EXPECT_EQ(Ligen_Tabelle_Gruppe(LIGA, 3), LIGA);

    // Only top competitions the club is in, at most as many as asked.
    int32_t ids[6] = {-1, -1, -1, -1, -1, -1};
    const int32_t n = Ligen_Tabelle_Auswahl_Fuellen(0, ids, 6);
    ASSERT_GE(n, 1);
    for (int32_t i = 0; i < n; ++i) EXPECT_EQ(Wettbewerb_Get_Oberwettbewerb(ids[i]), ids[i]);
    EXPECT_NE(std::find(ids, ids + n, LIGA), ids + n);
    EXPECT_EQ(std::find(ids, ids + n, ANDERE_LIGA), ids + n);
    EXPECT_EQ(Ligen_Tabelle_Auswahl_Fuellen(0, ids, 1), 1);

    // The markers sit on the graph's place scale; one team gives no scale.
    EXPECT_EQ(Ligen_Tabelle_Marke_Y(1, 18), 0);
    EXPECT_EQ(Ligen_Tabelle_Marke_Y(18, 18), 88);
    EXPECT_EQ(Ligen_Tabelle_Marke_Y(30, 18), 88);
    EXPECT_EQ(Ligen_Tabelle_Marke_Y(1, 1), 0);
}

TEST_F(TabellenPanes, TheClubViewGivesEveryMatchOfALongSeasonAHitRowWithItsDate)
{
    // 34 match days: three areas a row would need more icon numbers than the screen has.
    Wettbewerb_Datensatz* d = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA));
    d->spieltage = 34;
    const int32_t b = Spiele_Init_Neue_Spiele(1, 4, 34, 1, LIGA, -1);
    ASSERT_GE(b, 0);
    d->spiele_block = b;
    d->spieltag = 5;
    for (int32_t tag = 0; tag < 34; ++tag) {
        const int32_t gegner = 1 + tag % 3;
        const bool heim = tag % 2 == 0;
        ergebnis(b, tag, 0, heim ? 0 : gegner, heim ? gegner : 0, tag < 5 ? 1 : -1, 0);
    }
    zeigen(LIGA, 6);
    Manager_Icon_Word_Data_Schreiben(1, LT_FILTER, 0);
    knoepfe[{1, LT_FILTER}] = 1;
    Ligen_Tabelle_Inhalt p;
    Ligen_Tabelle_Paarungen_Inhalt(&p, false);
    EXPECT_NE(p.kopf.find("Nur Spiele von"), std::string::npos) << p.kopf;
    ASSERT_EQ(p.treffer.size(), 34u);
    EXPECT_LE(int32_t(p.treffer.size()), LT_PAARUNGEN_TREFFER);
    for (int32_t tag = 0; tag < 34; ++tag) {
        const Ligen_Tabelle_Treffer& t = p.treffer[size_t(tag)];
        EXPECT_TRUE(t.zeile);
        // The row stands for the opponent; its result part lies right of both names.
        EXPECT_EQ(t.team, 1 + tag % 3) << tag;
        EXPECT_GT(t.ergebnis_x, 150);
        EXPECT_LT(t.ergebnis_x, t.w);
        EXPECT_EQ(t.y, tag * 13);
    }
    const std::string t = texte(p);
    auto anzahl = [&t](const std::string& w) {
        int32_t n = 0;
        for (size_t i = t.find(w); i != std::string::npos; i = t.find(w, i + 1)) ++n;
        return n;
    };
    EXPECT_EQ(anzahl("|1:0|"), 5) << t;
    EXPECT_EQ(anzahl("|-:-|"), 29) << t;

    // Today's game stands at 0:0 from the match day's start; until the kick-off, while the
    // managers make their turns, it has no result yet, in the club view and on its day.
    const int32_t h = Spiele_Lock(b, 5, 0, 0);
    ASSERT_NE(h, 0);
    Spiele_Tore_Nullen(h);
    Spiele_Unlock(h);
    const int32_t heute = Aktueller_Tag, zustand = Ablauf_Zustand;
    Aktueller_Tag = Kalender_Get_Spieltag_Tag(LIGA, 5, 0, 0);
    Ablauf_Zustand = ABLAUF_SPIELTAG_MENUERUNDE;
    Ligen_Tabelle_Paarungen_Inhalt(&p, false);
    EXPECT_EQ(texte(p).find("|0:0|"), std::string::npos) << texte(p);
    knoepfe[{1, LT_FILTER}] = 0;
    Ligen_Tabelle_Paarungen_Inhalt(&p, false);
    EXPECT_NE(texte(p).find("|-:-|"), std::string::npos) << texte(p);
    EXPECT_EQ(texte(p).find("|0:0|"), std::string::npos) << texte(p);
    // once the day plays, the running score shows
    Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
    Ligen_Tabelle_Paarungen_Inhalt(&p, false);
    EXPECT_NE(texte(p).find("|0:0|"), std::string::npos) << texte(p);
    Aktueller_Tag = heute;
    Ablauf_Zustand = zustand;
}

TEST_F(TabellenPanes, LegDatesFollowTheChosenRoundAndItsLegs)
{
    // A cup round of two legs; without a schedule there is no date to show or to look up.
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(POKAL_R1))->best_of_x = 2;
    zeigen(POKAL_R1, 1);
    EXPECT_TRUE(Ligen_Tabelle_Hat_Rueckspiele());
    EXPECT_EQ(Ligen_Tabelle_Termin_Tag(LT_HINSPIEL), -1);
    EXPECT_EQ(Ligen_Tabelle_Termin_Texte(LT_HINSPIEL), "");
    EXPECT_EQ(Ligen_Tabelle_Termin_Tag(LT_GRUPPE), -1);

    // Every competition of the small world gets the whole season to be placed in.
    for (Wettbewerb_Id w = Wettbewerb_Get_Erster(); w >= 0; w = Wettbewerb_Get_Naechster())
        if (Wettbewerb_Datensatz* r = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(w))) r->startwoche = 1, r->endwoche = 50;
    ASSERT_TRUE(Wettbewerb_Spielplaene_Anlegen());
    ASSERT_TRUE(Kalender_Spielplan_Anlegen(Kalender_Get_Tagnummer(1, 7, 1999))) << Kalender_Spielplan_Fehler();
    const int32_t hin = Ligen_Tabelle_Termin_Tag(LT_HINSPIEL), rueck = Ligen_Tabelle_Termin_Tag(LT_RUECKSPIEL);
    EXPECT_EQ(hin, Kalender_Get_Spieltag_Tag(POKAL_R1, 0, 0, 0));
    EXPECT_EQ(rueck, Kalender_Get_Spieltag_Tag(POKAL_R1, 0, 1, 0));
    ASSERT_GE(hin, 0);
    EXPECT_GT(rueck, hin);
    const std::string h = Ligen_Tabelle_Termin_Texte(LT_HINSPIEL), r = Ligen_Tabelle_Termin_Texte(LT_RUECKSPIEL);
    EXPECT_NE(h.find(std::string("H: ") + Kalender_Get_Datum_String_Knapp(hin, 0)), std::string::npos) << h;
    EXPECT_NE(r.find(std::string("R: ") + Kalender_Get_Datum_String_Knapp(rueck, 0)), std::string::npos) << r;

    // A league plays one leg a pairing: its date alone, and no second-leg date.
    zeigen(LIGA, 2);
    EXPECT_FALSE(Ligen_Tabelle_Hat_Rueckspiele());
    EXPECT_EQ(Ligen_Tabelle_Termin_Tag(LT_RUECKSPIEL), -1);
    const int32_t liga = Ligen_Tabelle_Termin_Tag(LT_HINSPIEL);
    ASSERT_GE(liga, 0);
    EXPECT_EQ(liga, Kalender_Get_Spieltag_Tag(LIGA, 1, 0, 0));
    EXPECT_EQ(Ligen_Tabelle_Termin_Texte(LT_HINSPIEL).find("H: "), std::string::npos);
}

TEST_F(TabellenPanes, ForecastNationOrderAndCompetitionsWithoutTable)
{
    // A two-legged round, nothing played: the forecast fills the first legs, so the second legs
    // show with the forecast first leg in brackets and no "-:-" is left.
    const int32_t b = Spiele_Init_Neue_Spiele(0, 4, 1, 2, GRUPPE, -1);
    ASSERT_GE(b, 0);
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(GRUPPE))->spiele_block = b;
    for (auto [runde, slot, heim, gast] : {std::tuple{0, 0, 5, 6}, std::tuple{1, 0, 6, 5}, std::tuple{0, 1, 7, 8},
                                           std::tuple{1, 1, 8, 7}})
        bein(b, 0, runde, slot, heim, gast, -1, 0);
    zeigen(GRUPPE, 1);
    knoepfe[{1, LT_PAARUNGEN_TIP}] = 1;
    Ligen_Tabelle_Inhalt p;
    Ligen_Tabelle_Paarungen_Inhalt(&p, false);
    std::string t = texte(p);
    EXPECT_EQ(t.find("-:-"), std::string::npos) << t;
    EXPECT_EQ(std::count(t.begin(), t.end(), '('), 2) << t;
    EXPECT_EQ(p.treffer[0].team, 6);  // the second legs: 6 at home

    // The acting manager's nation comes first, the others keep their order.
    knoepfe[{1, LT_PAARUNGEN_TIP}] = 0;
    const int32_t lb = Spiele_Init_Neue_Spiele(1, 4, 6, 1, LIGA, -1);
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spiele_block = lb;
    ergebnis(lb, 0, 0, 0, 2, -1, 0);
    ergebnis(lb, 0, 1, 3, 1, -1, 0);
    for (int32_t team = 0; team < 4; ++team) Team_Wert(TEAM_NATION, team, team % 2 ? 7 : 5, TEAM_SCHREIBEN);
    zeigen(LIGA, 1);
    Ligen_Tabelle_Paarungen_Inhalt(&p, false);
    ASSERT_EQ(p.treffer.size(), 6u);
    EXPECT_EQ(p.treffer[0].team, 3);
    EXPECT_EQ(p.treffer[3].team, 0);
    EXPECT_EQ(p.treffer[5].kennung, 0);  // slot 0 moved behind

    // The forecast table counts wins, draws and losses over the whole season, whatever the
    // range: six days of team 0 though the range holds day 1 only.
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spieltag = 1;
    ergebnis(lb, 0, 0, 0, 2, 2, 0);
    for (int32_t tag = 1; tag < 6; ++tag) {
        const int32_t o = 1 + tag % 3;
        ergebnis(lb, tag, 0, 0, o, -1, 0);
        ergebnis(lb, tag, 1, o == 1 ? 2 : 1, o == 3 ? 2 : 3, -1, 0);
    }
    Manager_Icon_Word_Data_Schreiben(1, LT_VON, 1);
    Manager_Icon_Word_Data_Schreiben(1, LT_BIS, 1);
    knoepfe[{1, LT_TIP}] = 1;
    Ligen_Tabelle_Tabelle_Inhalt(&p);
    int32_t gefunden = 0;
    for (size_t k = 0; k + 4 < p.zellen.size(); ++k)
        if (p.zellen[k].text == "Team 0" && ++gefunden) {
            int32_t s = 0, u = 0, n = 0;
            ASSERT_EQ(std::sscanf(zahlen(p.zellen[k + 2].text).c_str(), "%d %d %d", &s, &u, &n), 3)
                << p.zellen[k + 2].text;
            EXPECT_EQ(s + u + n, 6) << p.zellen[k + 2].text;
        }
    EXPECT_EQ(gefunden, 1) << texte(p);
    knoepfe[{1, LT_TIP}] = 0;

    // A knock-out round and a competition without information have no table.
    for (Wettbewerb_Id w : {Wettbewerb_Id(POKAL_R1), Wettbewerb_Id(250)}) {
        zeigen(w, 1);
        knoepfe[{1, LT_AKTUELL}] = 1;
        Ligen_Tabelle_Tabelle_Inhalt(&p);
        EXPECT_EQ(texte(p), "Für diesen Wettbewerb gibt es keine Tabelle.|") << w;
        EXPECT_TRUE(p.treffer.empty());
    }
}

TEST_F(TabellenPanes, EachManagerAtThePcFindsHisOwnCompetitionAndDay)
{
    Manager_Neuer_Mitspieler(2, "Bea");
    zeigen(LIGA, 3);
    Aktuelles_Team = 2;
    zeigen(GRUPPE, 1);
    Manager_Icon_Word_Data_Schreiben(2, LT_KURZWAHL_WORT, uint16_t(POKAL_R1));
    Aktuelles_Team = 1;
    EXPECT_EQ(Ligen_Tabelle_Get_Aktiven_Wettbewerb(), LIGA);
    Ligen_Tabelle_Inhalt p;
    Ligen_Tabelle_Paarungen_Inhalt(&p, false);
    EXPECT_NE(p.kopf.find(Wettbewerb_Get_Rundentext(LIGA, 2)), std::string::npos) << p.kopf;
    Aktuelles_Team = 2;
    EXPECT_EQ(Ligen_Tabelle_Get_Aktiven_Wettbewerb(), POKAL_R1);
    EXPECT_EQ(Manager_Icon_Word_Data_Lesen(2, LT_SPIELTAG), 1);
    Aktuelles_Team = 1;
    EXPECT_EQ(Manager_Icon_Word_Data_Lesen(1, LT_SPIELTAG), 3);
}

}  // namespace

namespace {

// The graph of the table place has its title line above it: the club, the range and the league,
// or the one match day's place.
// The match-day label names what the fixtures show: a league's match day, a cup's round.
TEST_F(TabellenPanes, TheMatchDayLabelNamesALeagueDayOrACupRound)
{
    EXPECT_EQ(Ligen_Tabelle_Spieltag_Text(LIGA, 2, 3), "3. Spieltag");
    Wettbewerb_Datensatz* finale = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(POKAL_R2));
    finale->modus |= KO_SYSTEM;
    finale->rundentext[0] = RT_FINALE;
    EXPECT_EQ(Ligen_Tabelle_Spieltag_Text(POKAL_R2, 0, 2), "Finale");
    Wettbewerb_Datensatz* runde = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(POKAL_R1));
    runde->modus |= KO_SYSTEM;
    runde->rundentext[0] = RT_ERSTE_RUNDE;
    EXPECT_EQ(Ligen_Tabelle_Spieltag_Text(POKAL_R1, 0, 1), "1. Runde");
    // a group stage counts its match days, whatever its round is called
    runde->modus &= ~uint32_t(KO_SYSTEM);
    runde->rundentext[2] = RT_VORRUNDE;
    EXPECT_EQ(Ligen_Tabelle_Spieltag_Text(POKAL_R1, 2, 3), "3. Spieltag");
    EXPECT_EQ(Ligen_Tabelle_Spieltag_Text(Wettbewerb_Id(250), 0, 4), "4. Spieltag") << "no such competition";
}

TEST_F(TabellenPanes, TheTablePlaceGraphNamesItsClubAndRange)
{
    const std::string kurz = Team_String(194, 0, nullptr, 0);
    EXPECT_EQ(Ligen_Tabelle_Grafik_Titel(0, 1, 5, LIGA), kurz + ", 1.- 5. Spieltag, " + Wettbewerb_Get_Anzeigename(LIGA));
    EXPECT_EQ(Ligen_Tabelle_Grafik_Titel(0, 3, 3, LIGA), kurz + ", Tabellenplatz vom 3. Spieltag");
    bool titel = false;
    for (const Ligen_Tabelle_Platz& p : Ligen_Tabelle_Kopf_Plaetze(false, false, false))
        if (p.nummer == 2519) {
            titel = true;
            EXPECT_EQ(p.x, 384);
            EXPECT_EQ(p.y, 130);
            // wide enough for the one-day title of a short name in the condensed font
            EXPECT_GE(p.w, 200);
        }
    EXPECT_TRUE(titel);
}

// With the program's fonts: a two-digit place is wider than the room a one-digit table left, so
// the places stand right-aligned and every name begins after the widest of them and ends before
// the games; the club filter's label, the two-column title and the club view's dates keep clear
// of their neighbours too.
TEST_F(TabellenPanes, WithTheProgramsFontsPlacesTitlesAndDatesStandClear)
{
    const Programm_Schriften schriften("tabellen_plaetze");
    ASSERT_TRUE(schriften.bereit());
    ASSERT_NE(Font(4), nullptr);
    auto breite = [](const char* t) { return Font_Text_Breite(Font(4), t); };
    EXPECT_GT(breite("18."), 15) << "the room the places once had";
    for (const bool zwei : {false, true}) {
        const Ligen_Tabelle_Spalten sp = Ligen_Tabelle_Platz_Spalten(18, zwei);
        for (int32_t pl = 1; pl <= 18; ++pl) {
            const std::string t = std::to_string(pl) + ".";
            EXPECT_LE(breite(t.c_str()), sp.platz_ende) << t;
        }
        EXPECT_GE(sp.name_x - sp.platz_ende, 3) << zwei;
        EXPECT_LE(sp.name_x + sp.name_breite, zwei ? 137 : 174) << zwei;
    }
    // the pane's rows: each place ends where the column does, each name fits its room
    const int32_t b = liga(1);
    ergebnis(b, 0, 0, 0, 1, 2, 1);
    ergebnis(b, 0, 1, 2, 3, 1, 1);
    zeigen(LIGA, 1);
    knoepfe[{1, LT_AKTUELL}] = 1;
    Ligen_Tabelle_Inhalt p;
    Ligen_Tabelle_Tabelle_Inhalt(&p);
    const Ligen_Tabelle_Spalten sp = Ligen_Tabelle_Platz_Spalten(4, false);
    int32_t reihen = 0;
    for (size_t k = 0; k + 1 < p.zellen.size(); ++k) {
        const Ligen_Tabelle_Zelle& z = p.zellen[k];
        if (z.text.size() < 2 || z.text.back() != '.' || z.text.find(' ') != std::string::npos) continue;
        ++reihen;
        EXPECT_EQ(z.x + breite(z.text.c_str()), sp.platz_ende) << z.text;
        EXPECT_EQ(p.zellen[k + 1].x, sp.name_x) << p.zellen[k + 1].text;
        EXPECT_LE(breite(p.zellen[k + 1].text.c_str()), sp.name_breite) << p.zellen[k + 1].text;
    }
    EXPECT_EQ(reihen, 4) << texte(p);
    // Over two columns the title of a range of days ends before "Spiele", centred at 140.
    Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA))->spieltag = 5;
    Manager_Icon_Word_Data_Schreiben(1, LT_VON, 1);
    Manager_Icon_Word_Data_Schreiben(1, LT_BIS, 5);
    knoepfe[{1, LT_SPALTEN}] = 1;
    Ligen_Tabelle_Tabelle_Inhalt(&p);
    knoepfe[{1, LT_SPALTEN}] = 0;
    ASSERT_EQ(p.kopf.rfind("^ubTabelle vom ", 0), 0u) << p.kopf;
    const std::string titel = p.kopf.substr(3, p.kopf.find("^tz") - 3);
    auto schmal = [](const std::string& t) { return Font_Text_Breite(Font(9), t.c_str()); };
    EXPECT_LT(schmal(titel), 140 - schmal("Spiele") / 2) << titel;
    // The club view: a two-digit day and month ("16.10.1999") ends before the home club.
    Wettbewerb_Datensatz* d = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(LIGA));
    d->spieltage = 34;
    const int32_t lang = Spiele_Init_Neue_Spiele(1, 4, 34, 1, LIGA, -1);
    d->spiele_block = lang;
    for (int32_t tag = 0; tag < 34; ++tag) {
        ergebnis(lang, tag, 0, tag % 2 ? 1 : 0, tag % 2 ? 0 : 1, -1, 0);
        Kalender_Spieltag_Einfuegen(LIGA, tag, Kalender_Get_Tagnummer(16, 10, 1999) + 7 * tag);
    }
    Manager_Icon_Word_Data_Schreiben(1, LT_FILTER, 0);
    knoepfe[{1, LT_FILTER}] = 1;
    Ligen_Tabelle_Paarungen_Inhalt(&p, false);
    knoepfe[{1, LT_FILTER}] = 0;
    int32_t daten = 0, breiteste = 0;
    for (size_t k = 0; k + 1 < p.zellen.size(); ++k) {
        const Ligen_Tabelle_Zelle& z = p.zellen[k];
        if (std::count(z.text.begin(), z.text.end(), '.') != 2) continue;
        ++daten;
        breiteste = std::max(breiteste, breite(z.text.c_str()));
        EXPECT_GE(z.x, 0) << z.text;
        EXPECT_LE(z.x + breite(z.text.c_str()) + 3, p.zellen[k + 1].x) << z.text << " " << p.zellen[k + 1].text;
    }
    EXPECT_EQ(daten, 34) << texte(p);
    EXPECT_GT(breiteste, 52) << "a date that did not fit the old column";
    Kalender_Spielplan_Leeren();
    // Long club names in the fixtures end before the next column: home, away, result.
    std::strcpy(T_Fix[0].name, "Sportverein Oberenbrück");
    std::strcpy(T_Fix[1].name, "Fairerchester City United");
    Ligen_Tabelle_Paarungen_Inhalt(&p, false);
    int32_t paare = 0;
    for (size_t k = 1; k + 1 < p.zellen.size(); ++k) {
        const Ligen_Tabelle_Zelle& gast = p.zellen[k];
        if (gast.text.rfind("- ", 0) != 0) continue;
        ++paare;
        EXPECT_LE(p.zellen[k - 1].x + breite(p.zellen[k - 1].text.c_str()) + 3, gast.x) << p.zellen[k - 1].text;
        EXPECT_LE(gast.x + breite(gast.text.c_str()) + 3, p.zellen[k + 1].x) << gast.text;
    }
    EXPECT_EQ(paare, 1) << texte(p);
    // The club filter's label holds a whole club name and ends before the first shortcut button.
    for (const Ligen_Tabelle_Platz& f : Ligen_Tabelle_Kopf_Plaetze(false, false, false))
        if (f.nummer == LT_FILTER) {
            EXPECT_LT(f.x + f.w, 187);
            for (const char* verein : {"Union Löberlitz", "VfL Oberenbrück", "SpVgg Tannolfeld", "FC Wintingh. 03"})
                EXPECT_EQ(Ligen_Tabelle_Filter_Text(verein, [](const char* t) { return Font_Text_Breite(Font(9), t); }, f.w - 6),
                          std::string("nur ") + verein);
        }
}

// With the program's fonts every number of a row stands under its heading, as drawn: games under
// "Spiele", won, drawn and lost under "S U N", the goals under "Torverh.", the difference under
// "Tordiff." (it once followed the goals, under "Torverh." too) and the points under "Punkte".
struct Tinte {
    std::string text;
    int32_t x1, x2;
};
std::vector<Tinte> tinte;

TEST_F(TabellenPanes, EveryNumberOfARowStandsUnderItsHeading)
{
    const Programm_Schriften schriften("tabellen_spalten");
    ASSERT_TRUE(schriften.bereit());
    // two-digit goals and differences of both signs
    const Ligen_Tabelle_Inhalt p = zwei_spieltage(12);
    Rastport* rp = Grafik_Bitmap_Anlegen(640, 40, 16);
    ASSERT_NE(rp, nullptr);
    Grafik_Text_Hook_Setzen([](const Grafik_Text_Lauf& l) {
        tinte.push_back({std::string(l.text, size_t(l.laenge)), l.x1, l.x2});
    });
    auto drucken = [&](const std::string& t, int32_t x, int32_t font) {
        tinte.clear();
        Grafik_Printf(rp, Font(font), "%s", x, 20, t.c_str());
        return tinte;
    };
    const std::vector<Tinte> kopf = drucken(p.kopf, 0, 9);
    auto spanne = [&](const char* name) {
        for (const Tinte& t : kopf)
            if (t.text.find(name) != std::string::npos) return std::pair{t.x1, t.x2};
        ADD_FAILURE() << name << " in " << p.kopf;
        return std::pair{0, 0};
    };
    // each column's numbers in the row's cells after the name, left to right
    const std::vector<std::pair<int32_t, int32_t>> spalten = {
        spanne("Spiele"), spanne("  S  "), spanne("  S  "), spanne("  S  "), spanne("Torverh."), spanne("Tordiff."), spanne("Punkte")};
    int32_t reihen = 0;
    for (size_t k = 0; k < p.zellen.size(); ++k) {
        if (p.zellen[k].text.rfind("^fb0006^tr0014", 0) != 0) continue;
        std::vector<Tinte> zahlen;
        for (size_t c = k; c < k + 4 && c < p.zellen.size(); ++c)
            for (const Tinte& t : drucken(p.zellen[c].text, p.zellen[c].x, 4))
                if (t.x2 > t.x1) zahlen.push_back(t);
        ASSERT_EQ(zahlen.size(), spalten.size()) << p.zellen[k + 3].text;
        ++reihen;
        for (size_t z = 0; z < zahlen.size(); ++z) {
            auto [links, rechts] = spalten[z];
            // "S", "U" and "N" share one heading: each number under its third of it
            if (z >= 1 && z <= 3) {
                const int32_t drittel = (rechts - links) / 3;
                links += int32_t(z - 1) * drittel;
                rechts = links + drittel;
            }
            const int32_t mitte = (zahlen[z].x1 + zahlen[z].x2) / 2;
            EXPECT_GE(mitte, links) << zahlen[z].text << " in column " << z;
            EXPECT_LE(mitte, rechts) << zahlen[z].text << " in column " << z;
        }
    }
    EXPECT_EQ(reihen, 4) << texte(p);
    Grafik_Text_Hook_Setzen(nullptr);
    Grafik_Bitmap_Freigeben(rp);
}

// With details each club's strength stands on its own line under its name, clear of the name's
// ink and of the own club's underline (nine pixels below, it ran into both).
TEST_F(TabellenPanes, TheStrengthLinesOfTheFixturesStandClearUnderTheNames)
{
    const Programm_Schriften schriften("tabellen_staerke");
    ASSERT_TRUE(schriften.bereit());
    const int32_t b = liga(1);
    ergebnis(b, 0, 0, 0, 1, 2, 1);
    ergebnis(b, 0, 1, 2, 3, 0, 0);
    // team 1, the acting manager's, is underlined; names with descenders
    std::strcpy(T_Fix[0].name, "Heidinghausen");
    std::strcpy(T_Fix[1].name, "Tannolfeld");
    zeigen(LIGA, 1);
    knoepfe[{1, LT_PAARUNGEN_DETAILS}] = 1;
    Ligen_Tabelle_Inhalt p;
    Ligen_Tabelle_Paarungen_Inhalt(&p, false);  // one column: the rows one under the other
    knoepfe[{1, LT_PAARUNGEN_DETAILS}] = 0;
    Rastport* rp = Grafik_Bitmap_Anlegen(640, 120, 16);
    ASSERT_NE(rp, nullptr);
    struct Zeile {
        int32_t x, oben, unten, grundlinie;
        std::string text;
    };
    static std::vector<Zeile> tinten;
    static int32_t grundlinie = 0;
    tinten.clear();
    Grafik_Text_Hook_Setzen([](const Grafik_Text_Lauf& l) {
        if (l.x2 > l.x1) tinten.push_back({l.x1, l.y1, l.y2, grundlinie, l.ganz});
    });
    for (const Ligen_Tabelle_Zelle& z : p.zellen) {
        grundlinie = z.y + 20;
        Grafik_Printf(rp, Font(z.font), "^c%05d%s", z.x, grundlinie, int(z.farbe), z.text.c_str());
    }
    Grafik_Text_Hook_Setzen(nullptr);
    Grafik_Bitmap_Freigeben(rp);
    int32_t staerken = 0, naechste = 0;
    for (const Zeile& s : tinten) {
        if (s.text.find("Stärke") == std::string::npos) continue;
        ++staerken;
        for (const Zeile& n : tinten)
            if (n.text.find("Stärke") == std::string::npos && std::abs(n.x - s.x) < 30 && n.oben < s.oben) {
                // the own club's underline lies two rows below the name's baseline
                EXPECT_GT(s.oben, n.unten) << n.text << " / " << s.text;
                EXPECT_GT(s.oben, n.grundlinie + 2) << n.text << " / " << s.text;
            } else if (std::abs(n.x - s.x) < 30 && n.oben > s.oben) {
                ++naechste;
                EXPECT_GT(n.oben, s.unten) << s.text << " / the next row's " << n.text;
            }
    }
    EXPECT_EQ(staerken, 4) << texte(p);
    EXPECT_GT(naechste, 0);
}

// "Sieger" lists the competition's past winners under its own heading instead of leaving the
// season's table standing; before the first winner the pane says there is no table yet.
TEST_F(TabellenPanes, TheWinnersButtonListsThePastWinners)
{
    liga(1);
    zeigen(LIGA, 1);
    knoepfe[{1, LT_AKTUELL}] = 1;
    knoepfe[{1, LT_SIEGER}] = 1;
    Ligen_Tabelle_Inhalt p;
    Ligen_Tabelle_Tabelle_Inhalt(&p);
    EXPECT_EQ(texte(p), "Für diesen Wettbewerb gibt es noch keine Tabelle.|");
    const int32_t saison = Kalender_Get_Datum_Heute().jahr;
    Spiele_Set_Wettbewerb_Sieger(LIGA, 2, saison, 3, 0, 0);
    Ligen_Tabelle_Tabelle_Inhalt(&p);
    knoepfe[{1, LT_SIEGER}] = 0;
    EXPECT_EQ(p.kopf.rfind("^ubHistorische Sieger im Wettbewerb \"", 0), 0u) << p.kopf;
    const std::string t = texte(p);
    EXPECT_NE(t.find(std::to_string(saison) + ":"), std::string::npos) << t;
    EXPECT_NE(t.find(T_Fix[2].name), std::string::npos) << t;
    EXPECT_EQ(t.find("Tabelle"), std::string::npos) << t;
    ASSERT_EQ(p.treffer.size(), 1u);
    EXPECT_EQ(p.treffer[0].team, 2);
}

}  // namespace
