// What the economy screens' buttons, menus and drops change in the model and what they refuse:
// the investment page's deposits, credits and shares, the exchange buttons, the stadium's
// menus, building dialog and list, the advertising screen's sponsors and placing, the camp
// booking's days, and the events page's opponent, appointments and bonuses.
#include <algorithm>
#include <set>

#include "platform/os/os.h"
#include "platform/win95.h"
#include "schirm_hilfe.h"

#include "competitions/wettbewerb.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_zeichnen.h"
#include "economy/bank_finanzen.h"
#include "economy/bank_intern.h"
#include "economy/bank_monitor.h"
#include "economy/ligen.h"
#include "economy/stadion_schirm.h"
#include "economy/trainingslager_schirm.h"
#include "economy/werbung.h"
#include "economy/werbung_schirm.h"
#include "toolkit/favoriten.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/popup.h"

namespace {

// Runs the procedure of entry k of a context menu as the popup list does after a choice.
uint8_t waehlen(Menue_Kontextmenue* m, int32_t k)
{
    Popup_Eintrag_Prozedur p = m->prozeduren[k] ? m->prozeduren[k] : m->listen_prozedur;
    return p ? p(k, m->wert_c[k], m->wert_a[k], m->wert_b[k]) : 0;
}

Menue_Kontextmenue* kontext(int32_t nummer)
{
    Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(nummer);
    return i && i->kontext ? i->kontext(i) : nullptr;
}

int32_t eintraege(const Menue_Kontextmenue* m)
{
    int32_t n = 0;
    while (n < MENUE_KONTEXT_EINTRAEGE && m->texte[n]) ++n;
    return n;
}

float gebucht(int32_t kategorie)
{
    float s = 0;
    for (const Test_Buchung& b : Test_Buchungen)
        if (b.kategorie == kategorie) s += b.betrag;
    return s;
}

// The club's deposits and credits (the list's placeholder line has no help).
size_t anlagen()
{
    size_t n = 0;
    for (const Bank_Anlagen_Zeile& z : Bank_Anlagen_Zeilen()) n += z.hilfe != nullptr;
    return n;
}

const char* hilfe(int32_t nummer)
{
    Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(nummer);
    if (!i) return nullptr;
    return i->mausover ? i->mausover(i) : i->hilfetext;
}

}  // namespace

// ---- Investment page and exchange monitor ----

TEST_F(SchirmTest, ADepositAndACreditAreBookedOnlyAfterTheManagerSaysYes)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_ANLAGEN), 1);
    Bank_Wippe_Betrag = 0;
    Bank_Wippe_Laufzeit = 0;
    wippe(2094, 3);
    ASSERT_GT(Bank_Wippe_Betrag, 0.0f);
    const size_t vorher = anlagen();
    antwort = 0;
    klick(2098);
    EXPECT_EQ(anlagen(), vorher);
    EXPECT_TRUE(enthaelt(requester, "wirklich anlegen?"));
    // Above the balance (the rocker reaches the credit line): the bank corrects the amount to
    // the balance and books nothing; the next click books it.
    antwort = 1;
    Bank_Wippe_Betrag = float(Test_Kontostand) + 20000.0f;
    klick(2098);
    EXPECT_EQ(anlagen(), vorher);
    EXPECT_FLOAT_EQ(Bank_Wippe_Betrag, float(Test_Kontostand / 10000 * 10000));
    EXPECT_TRUE(Test_Buchungen.empty());
    klick(2098);
    EXPECT_GT(anlagen(), vorher);
    EXPECT_FLOAT_EQ(gebucht(44), float(Test_Kontostand / 10000 * 10000));
    // A credit of nothing asks for an amount and takes none.
    const size_t mit_anlage = anlagen();
    Bank_Wippe_Betrag = 0;
    requester.clear();
    klick(2099);
    EXPECT_TRUE(enthaelt(requester, "Wieviel Geld möchten Sie leihen?"));
    EXPECT_EQ(anlagen(), mit_anlage);
    // Above the credit line the bank names what it still gives.
    Bank_Wippe_Betrag = Bank_Get_Kreditrahmen(manager[0]) + 1e6f;
    requester.clear();
    klick(2099);
    EXPECT_EQ(anlagen(), mit_anlage);
    EXPECT_TRUE(enthaelt(requester, "Die Bank kann Ihnen")) << (requester.empty() ? "" : requester.back());
}

TEST_F(SchirmTest, ShareCountRockerStepsWithinTheLimitAndTradesAskFirst)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_ANLAGEN), 1);
    // The count stays between visits: down to nothing, buying asks for a number.
    for (int k = 0; k < 400; ++k) wippe(2013, 0);
    klick(2019);
    EXPECT_TRUE(enthaelt(requester, "mit der Wippe rechts einstellen"));
    requester.clear();
    // Selling what he does not hold points to the monitor.
    wippe(2013, 4);
    klick(2020);
    EXPECT_TRUE(enthaelt(requester, "So viele Aktien der im Monitor eingestellten Firma besitzen Sie nicht."));
    // The count never goes past the exchange's limit nor below 0.
    for (int k = 0; k < 200; ++k) wippe(2013, 5);
    wippe(2013, 1);
    wippe(2013, 4);
    wippe(2013, 0);
    wippe(2013, 5);
    const int32_t b = Bank.boerse_wahl;
    requester.clear();
    antwort = 0;
    klick(2019);
    ASSERT_FALSE(requester.empty());
    EXPECT_NE(requester.back().find(std::to_string(Bank_Aktien_Limit[b])), std::string::npos) << requester.back();
    for (int k = 0; k < 400; ++k) wippe(2013, 0);
    requester.clear();
    klick(2019);
    EXPECT_TRUE(enthaelt(requester, "mit der Wippe rechts einstellen"));
    // Ten shares bought with yes show in the holdings.
    antwort = 1;
    wippe(2013, 4);
    requester.clear();
    const std::string firma = Bank_Boerse[b].firma[Bank.firma_wahl];
    ASSERT_FALSE(enthaelt(Bank_Aktien_Zeilen(manager[0], b), firma));
    klick(2019);
    EXPECT_TRUE(enthaelt(Bank_Aktien_Zeilen(manager[0], b), firma));
    EXPECT_FALSE(Test_Buchungen.empty());
}

TEST_F(SchirmTest, AnExchangeButtonChoosesItsFirstFirmAndBuildsItsLines)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_BOERSE), 1);
    for (int32_t b = BANK_BOERSEN - 1; b >= 0; --b) {
        ASSERT_EQ(klick(2010 + b), 1);
        EXPECT_EQ(Bank.boerse_wahl, b);
        int32_t erste = -1, zeilen = 0;
        for (int32_t f = 1; f < BANK_FIRMEN; ++f)
            if (Bank_Boerse[b].firma[f][0]) {
                if (erste < 0) erste = f;
                ++zeilen;
                EXPECT_TRUE(da(2320 + f)) << b << "/" << f;
            } else EXPECT_FALSE(da(2320 + f)) << b << "/" << f;
        ASSERT_GE(erste, 1);
        EXPECT_EQ(Bank.firma_wahl, uint32_t(erste));
        EXPECT_EQ(size_t(zeilen) + 1, Bank_Kurse_Zeilen(b).size());
    }
}

TEST_F(SchirmTest, TheChartsRangeButtonsChooseOneRangePerManagerAndAFirmWithoutChartResetsIt)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_BOERSE), 1);
    EXPECT_EQ(Bank_Kurs_Zeitraum(), 30);
    for (int32_t k = 0; k < 12; ++k) ASSERT_TRUE(da(2026 + k)) << k;
    klick(2037);
    EXPECT_EQ(Bank_Kurs_Zeitraum(), 3);
    klick(2031);
    EXPECT_EQ(Bank_Kurs_Zeitraum(), 18);
    // Another manager keeps his own range.
    Aktuelles_Team = manager[1];
    EXPECT_EQ(Bank_Kurs_Zeitraum(), 30);
    Aktuelles_Team = manager[0];
    EXPECT_EQ(Bank_Kurs_Zeitraum(), 18);
    // A firm without a name: the whole history again.
    const char erster = Bank_Boerse[2].firma[BANK_FIRMEN - 1][0];
    Bank_Boerse[2].firma[BANK_FIRMEN - 1][0] = 0;
    Bank_Aktie_Waehlen(2, BANK_FIRMEN - 1);
    Bank_Boerse[2].firma[BANK_FIRMEN - 1][0] = erster;
    EXPECT_EQ(Bank_Kurs_Zeitraum(), 30);
}

// A page switch's right click offers the manager's favourite menus; a row takes the page.
TEST_F(SchirmTest, APageSwitchTakesItsPageIntoAFavouriteMenu)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_FINANZEN), 1);
    Menue_Kontextmenue* m = kontext(OEKONOMIE_STADION);
    ASSERT_NE(m, nullptr);
    EXPECT_STREQ(m->titel, "Aufnehmen ins Lieblingsmenü:");
    waehlen(m, 2);
    EXPECT_EQ(Menue_Liebling_Icon(Aktuelles_Team, 2), OEKONOMIE_STADION);
    EXPECT_NE(Menue_Liebling_Icon(Aktuelles_Team, 1), OEKONOMIE_STADION);
}

TEST_F(SchirmTest, TheWeekListHoldsTheWeeksUpToTodayAndEveryPageButtonChoosesItsPage)
{
    Aktueller_Tag = 20;
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_FINANZEN), 1);
    const int32_t heute = Bank_Finanz_Aktuelle_Woche();
    ASSERT_GE(heute, 1);
    for (int32_t w = 0; w <= heute; ++w) EXPECT_TRUE(da(2041 + w)) << w;
    EXPECT_FALSE(da(2041 + heute + 1));
    for (int32_t k = BANK_FINANZ_SEITEN - 1; k >= 0; --k) {
        klick(2135 + k);
        EXPECT_EQ(Bank_Finanzen_Zustand().seite, k);
    }
    klick(2041 + heute);
    EXPECT_EQ(Bank_Finanzen_Zustand().woche, heute);
    // The year and back: the chosen week returns.
    klick(2127);
    klick(2127);
    EXPECT_EQ(Bank_Finanzen_Zustand().woche, heute);
    EXPECT_FALSE(Bank_Finanzen_Zustand().jahr);
}

// ---- Stadium ----

TEST_F(SchirmTest, TheSurchargeMenuOffersFiveToThirtyFivePercentAndTheChoiceIsKept)
{
    Stadion_Daten v = *Stadion_Zeiger(manager[0], 1);
    v.hat_top = 1;
    v.top.zuschlag = 10;
    ASSERT_TRUE(Stadion_Neu(manager[0], &v));
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    Menue_Kontextmenue* m = kontext(2161);
    ASSERT_NE(m, nullptr);
    ASSERT_EQ(eintraege(m), 7);
    EXPECT_NE(std::string(m->texte[0]).find('5'), std::string::npos);
    EXPECT_NE(std::string(m->texte[6]).find("35"), std::string::npos);
    EXPECT_TRUE(m->status[1] & POPUP_HAKEN);  // 10 % is ticked
    waehlen(m, 5);
    const Stadion_Daten* d = Stadion_Zeiger(manager[0], 1);
    EXPECT_FLOAT_EQ(d->top.zuschlag, 30);
    // The opponent's placing: one entry per club of the league.
    Menue_Kontextmenue* p = kontext(2159);
    ASSERT_NE(p, nullptr);
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(manager[0], 1);
    ASSERT_GE(liga, 0);
    EXPECT_EQ(eintraege(p), std::min(Wettbewerb_Get_Teams(liga, nullptr), int32_t(MENUE_KONTEXT_EINTRAEGE)));
    waehlen(p, 3);
    EXPECT_EQ(d->top.platz_grenze, 4);
}

TEST_F(SchirmTest, WithoutTheSurchargeItsSwitchesAndMenusAreAbsent)
{
    Stadion_Daten v = *Stadion_Zeiger(manager[0], 1);
    v.hat_top = 0;
    v.top.immer = 0;
    v.top.top_teams = 0;
    ASSERT_TRUE(Stadion_Neu(manager[0], &v));
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    EXPECT_FALSE(da(2160));
    EXPECT_FALSE(da(2161));
    EXPECT_EQ(Stadion_Zeiger(manager[0], 1)->top.immer, 0);
}

TEST_F(SchirmTest, ThePlanAreasMenuExplainsAnEmptySlotAndAsksForOneStandBeforeBuilding)
{
    Stadion_Daten v = *Stadion_Zeiger(manager[0], 1);
    const int32_t leer = STADION_SLOTS - 1;
    v.slot[leer] = Stadion_Slot{};
    ASSERT_TRUE(Stadion_Neu(manager[0], &v));
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    // The list's first row stands for all stands: its "Neubau" wants a single one.
    ASSERT_TRUE(da(2260));
    Menue_Kontextmenue* alle = kontext(2260);
    ASSERT_NE(alle, nullptr);
    waehlen(alle, 2);
    EXPECT_TRUE(enthaelt(requester, "nur eine einzelne Tribüne"));
    EXPECT_FALSE(da(2189));
    // The model view of all stands refuses "Neubau" the same way.
    klick(2260);
    ASSERT_TRUE(da(2235));
    requester.clear();
    klick(2235);
    EXPECT_TRUE(enthaelt(requester, "nur eine einzelne Tribüne"));
    klick(2234);
    EXPECT_TRUE(da(2166));
    // The last slot, empty: its information says nothing was built yet. The list pages to it.
    for (int k = 0; k < 10; ++k) klick(2233);
    Menue_Icon* zeile = nullptr;
    for (int32_t r = 1; r <= 5; ++r)
        if (Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(2259 + r); i && i->kennung_1 == leer) zeile = i;
    ASSERT_NE(zeile, nullptr);
    requester.clear();
    waehlen(zeile->kontext(zeile), 0);
    EXPECT_TRUE(enthaelt(requester, "Leider wurde noch nichts gebaut."));
    // Back up: the first row is all stands again.
    for (int k = 0; k < 10; ++k) klick(2232);
    EXPECT_EQ(Menue_Screen_Icon_Aus_Nummer(2260)->kennung_1, -1);
}

// Escape closes a stand's box, the model view and the building dialog, as their own buttons
// do; with no box open it leaves the key alone.
TEST_F(SchirmTest, EscapeClosesTheStandsBox)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    auto escape = [] {
        Win95_Eingabe.taste = VK_ESCAPE;
        if (Menue_Hook) Menue_Hook(0, 0, 0);
    };
    klick(2166);  // a stand of the plan
    ASSERT_TRUE(da(2236));
    escape();
    EXPECT_FALSE(da(2236));
    EXPECT_EQ(Win95_Eingabe.taste, -1) << "the key was taken";
    klick(2166);
    klick(2235);  // "Neubau": the building dialog
    ASSERT_TRUE(da(2196));
    escape();
    EXPECT_FALSE(da(2196));
    EXPECT_TRUE(da(2166));
    escape();
    EXPECT_EQ(Win95_Eingabe.taste, VK_ESCAPE);
    Win95_Eingabe.taste = -1;
}

TEST_F(SchirmTest, TheBlockListsPicturesAreTheModelsShrunkToAQuarterInPlace)
{
    Rastport* ziel = Grafik_Bitmap_Anlegen(64, 32, 16);
    ASSERT_NE(ziel, nullptr);
    Rastport* vorher = Grafik_Render_Ziel;
    Grafik_Render_Ziel = ziel;
    Grafik_Rechteck_Fuellen(ziel, 0, 0, 64, 32, 0x1234);
    const int32_t nummer = Stadion_Modell[4].bild;
    const bool gezeichnet = Oek_Bild_Verkleinert(nummer, 10, 5, 4);
    const bool unbekannt = Oek_Bild_Verkleinert(29999, 0, 0, 4);
    Grafik_Render_Ziel = vorher;
    EXPECT_TRUE(gezeichnet);
    EXPECT_FALSE(unbekannt);
    auto* q = static_cast<Rastport*>(Load_Resource(ResFile_Handles[0].handle, nummer, 16, nullptr));
    ASSERT_NE(q, nullptr);
    ASSERT_EQ(q->width, 80u);
    for (int32_t y = 0; y < 15; ++y)
        for (int32_t x = 0; x < 20; ++x)
            ASSERT_EQ(Grafik_Pixel_Lesen(ziel, 10 + x, 5 + y), Grafik_Pixel_Lesen(q, 4 * x, 4 * y)) << x << "," << y;
    // Nothing beside it.
    EXPECT_EQ(Grafik_Pixel_Lesen(ziel, 9, 5), 0x1234);
    EXPECT_EQ(Grafik_Pixel_Lesen(ziel, 30, 5), 0x1234);
    EXPECT_EQ(Grafik_Pixel_Lesen(ziel, 10, 20), 0x1234);
    Grafik_Bitmap_Freigeben(q);
    Grafik_Bitmap_Freigeben(ziel);
}

TEST_F(SchirmTest, AStandUnderConstructionTakesNoNewOrder)
{
    Stadion_Daten v = *Stadion_Zeiger(manager[0], 1);
    v.slot[0].bauende = Kalender_Get_Heute() + 30;
    v.slot[0].fertig = Kalender_Get_Heute() + 30;
    ASSERT_TRUE(Stadion_Neu(manager[0], &v));
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    klick(2166);
    klick(2235);
    EXPECT_TRUE(enthaelt(requester, "Bauarbeiten im Gang"));
    EXPECT_FALSE(da(2189));
}

TEST_F(SchirmTest, TheDialogsSeatsStepByFiveHundredWithinTheModelAndAFirmTakesTheOrder)
{
    Stadion_Daten v = *Stadion_Zeiger(manager[0], 1);
    v.slot[0] = Stadion_Slot{};
    ASSERT_TRUE(Stadion_Neu(manager[0], &v));
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    klick(2166);
    klick(2235);
    ASSERT_TRUE(da(2195));
    // An empty stand offers its first model.
    int32_t anzahl = 0, modell = 0;
    Stadion_Slot_Modelle(0, &anzahl, &modell);
    ASSERT_GT(Stadion_Modell_Max_Plaetze(modell), 500);
    // Down to 0 at most, then one step of 500 up; a firm with the model builds them.
    for (int k = 0; k < 200; ++k) wippe(2195, 1);
    wippe(2195, 3);
    const Stadion_Daten* d = Stadion_Zeiger(manager[0], 1);
    int32_t firma = -1;
    for (int32_t f = 0; f < STADION_FIRMEN && firma < 0; ++f)
        if (Stadion_Auftrag_Berechnen(*d, 0, modell, f, 500).moeglich) firma = f;
    ASSERT_GE(firma, 0);
    antwort = 0;
    klick(2189 + firma);
    EXPECT_TRUE(da(2189));  // a "no" leaves the dialog open
    EXPECT_EQ(d->slot[0].modell, 0);
    EXPECT_TRUE(Test_Buchungen.empty());
    antwort = 1;
    requester.clear();
    klick(2189 + firma);
    EXPECT_FALSE(da(2189));
    EXPECT_EQ(d->slot[0].modell, modell) << (requester.empty() ? "" : requester.back());
    EXPECT_EQ(d->slot[0].plaetze, 500);
    EXPECT_GT(d->slot[0].bauende, Kalender_Get_Heute());
    EXPECT_FALSE(Test_Buchungen.empty());
    // Up to the model's most and never past it: the dialog of the site now refuses.
    klick(2166);
    klick(2235);
    EXPECT_TRUE(enthaelt(requester, "Bauarbeiten im Gang"));
}

TEST_F(SchirmTest, TheStadiumPagesShowTheirOwnParts)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    klick(2163);
    EXPECT_TRUE(da(2209));
    EXPECT_TRUE(da(2206));
    EXPECT_FALSE(da(2165));
    klick(2162);
    EXPECT_TRUE(da(2271));
    EXPECT_FALSE(da(2209));
    // An open dialog closes with its page.
    klick(2164);
    klick(2166);
    klick(2235);
    ASSERT_TRUE(da(2189));
    klick(2163);
    klick(2164);
    EXPECT_FALSE(da(2189));
    EXPECT_TRUE(da(2166));
    // Left on another page, the screen opens again on its building page.
    klick(2162);
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_FINANZEN), 1);
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    EXPECT_TRUE(da(2166));
    EXPECT_FALSE(da(2271));
}

namespace {

// The club's stadium with its statistics part, every cup column free.
Stadion_Statistik* statistik_anlegen(int32_t team)
{
    Stadion_Daten* d = Stadion_Zeiger(team, 1);
    if (!d) return nullptr;
    if (!d->hat_statistik) Stadion_Optionale_Teile_Setzen(d, true);
    d = Stadion_Zeiger(team, 1);
    if (!d || !d->hat_statistik) return nullptr;
    for (int8_t& w : d->statistik.wettbewerb) w = -1;
    d->statistik.cup_spalte = 1;
    return &d->statistik;
}

int32_t punkte()
{
    int32_t n = 0;
    for (int32_t i = 0; i < 40; ++i) n += SchirmTest::da(2272 + i);
    return n;
}

}  // namespace

TEST_F(SchirmTest, TheCupRecordsStepThroughTheCupsPlayedAndTheMenuChoosesOne)
{
    Stadion_Statistik* st = statistik_anlegen(manager[0]);
    ASSERT_NE(st, nullptr);
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    klick(2163);
    // No cup played: the click changes nothing, the menu has only its disabled entry, the help
    // says why.
    EXPECT_EQ(klick(2213), 0);
    EXPECT_EQ(std::string(hilfe(2213)), "Sie haben noch in keinem Pokalwettbewerb gespielt.");
    Menue_Kontextmenue* m = kontext(2213);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(eintraege(m), 1);
    EXPECT_EQ(std::string(m->texte[0]), "Kein Eintrag vorhanden");
    // Two cups in columns 2 and 4: the click goes 2, 4 and round to 2.
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(manager[0], 1);
    ASSERT_GE(liga, 0);
    st->wettbewerb[2] = int8_t(liga);
    st->wettbewerb[4] = int8_t(liga);
    klick(2213);
    EXPECT_EQ(st->cup_spalte, 2);
    klick(2213);
    EXPECT_EQ(st->cup_spalte, 4);
    klick(2213);
    EXPECT_EQ(st->cup_spalte, 2);
    m = kontext(2213);
    ASSERT_EQ(eintraege(m), 2);
    EXPECT_TRUE(m->status[0] & POPUP_HAKEN);
    waehlen(m, 1);
    EXPECT_EQ(st->cup_spalte, 4);
    EXPECT_EQ(std::string(hilfe(2213)), Wettbewerb_Get_Anzeigename(liga));
}

TEST_F(SchirmTest, TheCurveHasAPointPerLeagueHomeGameFromTheSecondOnAndItsButtonsChooseTheSeries)
{
    Stadion_Statistik* st = statistik_anlegen(manager[0]);
    ASSERT_NE(st, nullptr);
    st->eintraege = 1;
    st->reihe[0][0] = 20000;
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    klick(2163);
    EXPECT_EQ(punkte(), 0);
    st->eintraege = 3;
    for (int32_t r = 0; r < 5; ++r)
        for (int32_t i = 0; i < 3; ++i) st->reihe[r][i] = 1000 * (r + 1) + 10 * i;
    klick(2201);
    EXPECT_EQ(punkte(), 3);
    // The points stand where their values are: the largest highest.
    const Menue_Icon* a = Menue_Screen_Icon_Aus_Nummer(2272);
    const Menue_Icon* c = Menue_Screen_Icon_Aus_Nummer(2274);
    EXPECT_GT(a->y, c->y);
    EXPECT_LT(a->x, c->x);
    // The condition series, falling: now the first is highest.
    for (int32_t i = 0; i < 3; ++i) st->reihe[4][i] = 90 - 10 * i;
    klick(2205);
    EXPECT_LT(Menue_Screen_Icon_Aus_Nummer(2272)->y, Menue_Screen_Icon_Aus_Nummer(2274)->y);
}

// ---- Advertising ----

TEST_F(SchirmTest, ASponsorWithoutOffersSaysSoOnItsClickAndHelp)
{
    for (int32_t k = 0; k < WERBUNG_KATEGORIEN; ++k) Werbepartner_Tabelle[4].angebote[k] = 0;
    angebot(2, 0);
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_WERBUNG), 1);
    klick(2340 + 4);
    EXPECT_TRUE(enthaelt(requester, "nicht interessiert"));
    EXPECT_NE(std::string(hilfe(2340 + 4)).find("nicht an einem Vertragsabschluß"), std::string::npos);
    requester.clear();
    klick(2340 + 2);
    EXPECT_TRUE(requester.empty()) << requester.front();
    EXPECT_NE(std::string(hilfe(2340 + 2)).find("Ziehen Sie dieses Bild"), std::string::npos);
}

TEST_F(SchirmTest, ThePromisedPlacingStaysBetweenFirstAndTheLeaguesLast)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_WERBUNG), 1);
    for (int k = 0; k < 60; ++k) wippe(2106, 2);
    EXPECT_EQ(daten(manager[0]).erwartet, 1);
    wippe(2106, 3);
    EXPECT_EQ(daten(manager[0]).erwartet, 2);
    for (int k = 0; k < 60; ++k) wippe(2106, 3);
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(manager[0], 1);
    EXPECT_EQ(daten(manager[0]).erwartet, Wettbewerb_Get_Teams(liga, nullptr));
    // The other manager's promise is his own.
    EXPECT_NE(daten(manager[1]).erwartet, daten(manager[0]).erwartet);
}

TEST_F(SchirmTest, ASponsorDroppedOnASignedBoardDoesNotTakeItOver)
{
    angebot(0, 0);
    angebot(1, 0);
    Werbung_Team_Daten frei = daten(manager[0]);
    frei.sponsor[0] = -1;
    ASSERT_TRUE(Werbung_Team_Ablegen(manager[0], frei));
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_WERBUNG), 1);
    const Menue_Icon* bande = Menue_Screen_Icon_Aus_Nummer(WERBUNG_ICON_FLAECHE);
    ASSERT_NE(bande, nullptr);
    const int32_t x = bande->x + 2, y = bande->y + 2;
    ablegen(2340 + 0, x, y);
    ASSERT_EQ(daten(manager[0]).sponsor[0], 0);
    ablegen(2340 + 1, x, y);
    EXPECT_EQ(daten(manager[0]).sponsor[0], 0);
    // The board's help says it is let.
    EXPECT_NE(std::string(hilfe(WERBUNG_ICON_FLAECHE)).find("vermietet"), std::string::npos);
}

TEST_F(SchirmTest, TheLiveViewsBoardsShowTheSponsorOfTheirValueAndFillTheFreeOnes)
{
    ASSERT_GE(ResFile_Handles[2].handle, 0);
    // Board value v shows sponsor v - 1 on either side; free boards take the twelve fillers in turn.
    EXPECT_EQ(Werbung_Banden_Bild(1, false, 3), 47);
    EXPECT_EQ(Werbung_Banden_Bild(20, true, 3), 98);
    std::set<int32_t> fueller;
    for (int32_t b = 0; b < 14; ++b) {
        const int32_t n = Werbung_Banden_Bild(0, false, b);
        EXPECT_GE(n, 67);
        EXPECT_LE(n, 78);
        fueller.insert(n);
    }
    EXPECT_EQ(fueller.size(), 12u);
    EXPECT_STREQ(Werbung_Banden_Name(0), Werbepartner_Name(0));
    // Every picture loads at its side's size; neighbours differ.
    std::vector<uint16_t> vorher;
    for (int32_t n = 47; n <= 110; ++n) {
        auto* r = static_cast<Rastport*>(Load_Resource(ResFile_Handles[2].handle, n, 16, nullptr));
        ASSERT_NE(r, nullptr) << n;
        EXPECT_EQ(r->width, n < 79 ? 112u : 80u) << n;
        EXPECT_EQ(r->height, n < 79 ? 16u : 12u) << n;
        std::vector<uint16_t> px;
        for (int32_t y = 0; y < int32_t(r->height); ++y)
            for (int32_t x = 0; x < int32_t(r->width); ++x) px.push_back(Grafik_Pixel_Lesen(r, x, y));
        EXPECT_GT(std::set<uint16_t>(px.begin(), px.end()).size(), 2u) << n;  // lettering on the ground
        if (n != 79) { EXPECT_NE(px, vorher) << n; }
        vorher = px;
        Grafik_Bitmap_Freigeben(r);
    }
}

// ---- Camps and events ----

namespace {

// The calendar cell that holds `tag`, or null.
Menue_Icon* zelle(int32_t tag)
{
    const std::string datum = Kalender_Get_Datum_String(tag);
    for (int32_t z = 0; z < 42; ++z)
        if (Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(2362 + z); i && i->mausover)
            if (const char* h = i->mausover(i); h && std::string(h).rfind(datum, 0) == 0) return i;
    return nullptr;
}

// The date the calendar's first day cell names.
std::string erster_tag_der_seite()
{
    for (int32_t z = 0; z < 42; ++z)
        if (Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(2362 + z); i && i->mausover)
            if (const char* h = i->mausover(i)) return h;
    return "";
}

}  // namespace

TEST_F(SchirmTest, TheMonthButtonsStayInsideTheSeason)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_LAGER), 1);
    const std::string heute = erster_tag_der_seite();
    for (int k = 0; k < 20; ++k) klick(2360);
    const std::string juli = erster_tag_der_seite();
    klick(2361);
    EXPECT_NE(erster_tag_der_seite(), juli);
    klick(2360);
    EXPECT_EQ(erster_tag_der_seite(), juli);
    for (int k = 0; k < 20; ++k) klick(2361);
    const std::string juni = erster_tag_der_seite();
    klick(2361);
    EXPECT_EQ(erster_tag_der_seite(), juni);
    EXPECT_NE(juni, juli);
    // Reopened, the calendar shows today's month again.
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_LAGER), 1);
    EXPECT_EQ(erster_tag_der_seite(), heute);
}

TEST_F(SchirmTest, TheBookingsDaysNeverPassWhatTheCampAllows)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_LAGER), 1);
    int32_t camp = -1, tag = -1, erlaubt = 0;
    for (int32_t z = 41; z >= 0 && camp < 0; --z) {
        Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(2362 + z);
        if (!i || !i->mausover || !i->mausover(i)) continue;
        for (int32_t c = 0; c < TRAININGSLAGER_ANZAHL && camp < 0; ++c) {
            ablegen(2410 + c, i->x + 3, i->y + 3);
            if (da(2420)) {
                camp = c;
                for (int32_t t = Kalender_Get_Heute(); t < Kalender_Get_Heute() + 400 && tag < 0; ++t)
                    if (std::string(i->mausover(i)).rfind(Kalender_Get_Datum_String(t), 0) == 0) tag = t;
            }
        }
    }
    ASSERT_GE(camp, 0);
    ASSERT_GE(tag, 0);
    {
        const auto kopie = requester;
        erlaubt = Trainingslager_Schirm_Ablegen(manager[0], camp, tag);
        requester = kopie;
    }
    ASSERT_GT(erlaubt, 0);
    for (int k = 0; k < erlaubt + 20; ++k) wippe(2421, 3);
    const Menue_Icon* p = Menue_Screen_Icon_Aus_Nummer(2425);
    ASSERT_NE(p, nullptr);
    Os_Input_Set_Mouse(p->x + 4 + 5, p->y + 4 + 2);
    Win95_Message_Pump();
    p->klick(Menue_Screen_Icon_Aus_Nummer(2425), 4);
    klick(2423);
    Trainingslager_Termin t[TRAININGSLAGER_BUCHUNGEN];
    ASSERT_TRUE(Trainingslager_Buchungen(manager[0], t));
    bool gefunden = false;
    for (const Trainingslager_Termin& e : t)
        if (e.belegt && e.art == 1) {
            gefunden = true;
            EXPECT_EQ(e.erster_tag, tag);
            EXPECT_EQ(e.letzter_tag - e.erster_tag + 1, erlaubt);
        }
    EXPECT_TRUE(gefunden) << (requester.empty() ? "" : requester.back());
}

TEST_F(SchirmTest, AFriendlyNeedsAnOpponentChosenFromTheMenuAndThenFillsTheList)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_VEREIN), 1);
    // Nothing booked yet: the list's only line says so, and clicking it keeps the calendar.
    const std::vector<Ligen_Termin_Zeile> leer = Ligen_Motivation_Terminliste_Bauen(manager[0]);
    ASSERT_EQ(leer.size(), 1u);
    EXPECT_EQ(leer[0].text, "Kein Termin eingetragen.");
    const std::string seite = erster_tag_der_seite();
    klick(2431);
    EXPECT_EQ(erster_tag_der_seite(), seite);
    // A friendly off the calendar is explained; on a day but without opponent books nothing.
    ablegen(LIGEN_ICON_FREUNDSCHAFTSSPIEL, 300, 470);
    EXPECT_TRUE(enthaelt(requester, "auf den gewünschten Tag im Kalender"));
    const int32_t tag = Kalender_Get_Heute() + 10;
    for (int k = 0; k < 2 && !zelle(tag); ++k) klick(2361);
    Menue_Icon* z = zelle(tag);
    ASSERT_NE(z, nullptr);
    ablegen(LIGEN_ICON_FREUNDSCHAFTSSPIEL, z->x + 3, z->y + 3);
    EXPECT_EQ(Ligen_Motivation_Terminliste_Bauen(manager[0]).size(), 1u);
    // The opponent menu lists clubs of the same country and never the club itself.
    Menue_Kontextmenue* m = kontext(2469);
    ASSERT_NE(m, nullptr);
    const int32_t n = eintraege(m);
    ASSERT_GT(n, 1);
    for (int32_t k = 1; k < n; ++k) {
        EXPECT_NE(m->wert_a[k], manager[0]);
        EXPECT_EQ(Team_Wert(167, m->wert_a[k], 0, 0), Team_Wert(167, manager[0], 0, 0));
    }
    const int32_t gegner = m->wert_a[n - 1];
    waehlen(m, n - 1);
    z = zelle(tag);
    ASSERT_NE(z, nullptr);
    requester.clear();
    ablegen(LIGEN_ICON_FREUNDSCHAFTSSPIEL, z->x + 3, z->y + 3);
    const std::vector<Ligen_Termin_Zeile> v = Ligen_Motivation_Terminliste_Bauen(manager[0]);
    ASSERT_EQ(v.size(), 1u) << (requester.empty() ? "" : requester.back());
    EXPECT_EQ(v[0].tag, tag);
    EXPECT_NE(v[0].text.find(Team_String(194, gegner, nullptr, 0)), std::string::npos) << v[0].text;
    EXPECT_TRUE(da(2470));
    // A second friendly earlier on: the numbers follow the dates.
    const int32_t frueher = tag - 3;
    z = zelle(frueher);
    ASSERT_NE(z, nullptr);
    ablegen(LIGEN_ICON_FREUNDSCHAFTSSPIEL, z->x + 3, z->y + 3);
    const std::vector<std::string> f = Ligen_Motivation_Freundschaftsspiele(manager[0]);
    ASSERT_EQ(f.size(), 4u) << (requester.empty() ? "" : requester.back());
    EXPECT_EQ(f[0], "Freundschaftsspiel Nr. 1");
    EXPECT_EQ(f[2], "Freundschaftsspiel Nr. 2");
    EXPECT_NE(f[1].find(Kalender_Get_Datum_String_Knapp(frueher, 0)), std::string::npos) << f[1];
    EXPECT_NE(f[3].find(Kalender_Get_Datum_String_Knapp(tag, 0)), std::string::npos) << f[3];
}

TEST_F(SchirmTest, BonusesTakenOverOnlyWithYesAndLeavingRestoresTheAgreedAmounts)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_VEREIN), 1);
    const int32_t vorher = Ligen_Praemien_Arbeit.vereinbart[6];
    wippe(2450 + 6, 3);
    wippe(2450 + 6, 4);
    EXPECT_EQ(Ligen_Praemien_Arbeit.wert[6], vorher + 1100);
    antwort = 0;
    klick(2467);
    EXPECT_TRUE(enthaelt(requester, "wirklich übernehmen"));
    // Leaving without taking over: the page starts again from the agreed amounts.
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_VEREIN), 1);
    EXPECT_EQ(Ligen_Praemien_Arbeit.wert[6], vorher);
    // With yes the new amount is agreed and stays after leaving.
    wippe(2450 + 6, 3);
    antwort = 1;
    klick(2467);
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_VEREIN), 1);
    EXPECT_EQ(Ligen_Praemien_Arbeit.wert[6], vorher + 100);
    EXPECT_EQ(Ligen_Praemien_Arbeit.vereinbart[6], vorher + 100);
    // The proposal never lowers what was agreed.
    klick(2466);
    for (int32_t p = 0; p < LIGEN_PRAEMIEN; ++p) EXPECT_GE(Ligen_Praemien_Arbeit.wert[p], Ligen_Praemien_Arbeit.vereinbart[p]) << p;
    // A large amount moves in steps of ten thousand.
    Ligen_Motivation_Praemie_Setzen(0, 200000);
    wippe(2450 + 0, 4);
    EXPECT_EQ(Ligen_Praemien_Arbeit.wert[0], 210000);
}

// ---- On a network client ----

namespace {

std::vector<int32_t> anfragen;

// The server in the same process: each request goes to its server side as the network would
// carry it, the reply comes back in the block.
template <int32_t (*Server)(int32_t, const uint8_t*, uint32_t, std::vector<uint8_t>*)>
int32_t schleife(int32_t anfrage, std::vector<uint8_t>* block)
{
    anfragen.push_back(anfrage);
    std::vector<uint8_t> antwort;
    Netz_Rolle = 0;
    const int32_t r = Server(anfrage, block->data(), uint32_t(block->size()), &antwort);
    Netz_Rolle = 1;
    *block = antwort;
    return r;
}

size_t gesendet(int32_t anfrage) { return size_t(std::count(anfragen.begin(), anfragen.end(), anfrage)); }

}  // namespace

TEST_F(SchirmTest, OnAClientTheScreensFetchTheirDataAndSendTheirChanges)
{
    anfragen.clear();
    Handelndes_Team = uint32_t(manager[0]);
    if (!Bank_Get_Konto(manager[0])) { ASSERT_TRUE(Bank_Konto_Einrichten(manager[0], 100000, 0)); }
    Bank_Set_Fernaufruf(schleife<Bank_Server_Anfrage>);
    Stadion_Set_Fernaufruf(schleife<Stadion_Server_Anfrage>);
    Netz_Rolle = 1;
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_FINANZEN), 1);
    EXPECT_EQ(gesendet(BANK_GET_BUCHUNG), 1u);
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_BOERSE), 1);
    EXPECT_GE(gesendet(BANK_GET_BOERSE), 1u);
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    EXPECT_EQ(gesendet(STADION_GET_LISTE), 1u);
    // A price change goes to the server at once.
    wippe(2148, 3);
    EXPECT_GE(gesendet(STADION_PREISE_SETZEN) + gesendet(STADION_TOP_SETZEN), 1u);
    Netz_Rolle = 0;
}

TEST_F(SchirmTest, OnAClientTheAdvertisingScreenFetchesTheSponsorsAndARefusalTakesTheOfferAway)
{
    anfragen.clear();
    Handelndes_Team = uint32_t(manager[0]);
    angebot(0, 0);
    Werbung_Team_Daten frei = daten(manager[0]);
    frei.sponsor[0] = -1;
    ASSERT_TRUE(Werbung_Team_Ablegen(manager[0], frei));
    // The server refuses everything.
    Werbung_Set_Fernaufruf([](int32_t anfrage, std::vector<uint8_t>*) {
        anfragen.push_back(anfrage);
        return int32_t(0);
    });
    Netz_Rolle = 1;
    Werbung_Client_Partner_Ungueltig();
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_WERBUNG), 1);
    EXPECT_EQ(gesendet(WERBUNG_GET_WERBEFIRMEN), 1u);
    const Menue_Icon* bande = Menue_Screen_Icon_Aus_Nummer(WERBUNG_ICON_FLAECHE);
    ASSERT_NE(bande, nullptr);
    ablegen(2340, bande->x + 2, bande->y + 2);
    EXPECT_TRUE(enthaelt(requester, "weggeschnappt"));
    EXPECT_EQ(daten(manager[0]).sponsor[0], -1);
    EXPECT_EQ(Werbepartner_Tabelle[0].angebote[0], 0);
    const uint8_t europa = daten(manager[0]).europa_flag;
    klick(2105);
    EXPECT_EQ(daten(manager[0]).europa_flag, europa);
    Netz_Rolle = 0;
}
