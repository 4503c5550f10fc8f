// The economy group's screens as the main menu reaches them: each switch opens its screen and
// takes the previous one away, and the clicks and drops of the stadium, advertising, camp and
// events screens reach the rules they stand for.
#include "schirm_hilfe.h"
#include "common/capture.h"
#include "gameflow/globals.h"

#include "economy/bank_finanzen.h"
#include "economy/bank_intern.h"
#include "economy/trainingslager.h"
#include "economy/bank_monitor.h"
#include "economy/ligen.h"
#include "economy/werbung_schirm.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_zeichnen.h"
#include "database/manager.h"
#include "toolkit/event.h"
#include "toolkit/favoriten.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/requester.h"
#include "toolkit/ziehen.h"

namespace {

// One icon that only its own screen shows, per switch.
constexpr int32_t KENNZEICHEN[OEKONOMIE_SCHALTER][2] = {
    {OEKONOMIE_FINANZEN, 2135}, {OEKONOMIE_ANLAGEN, 2017}, {OEKONOMIE_BOERSE, 2010}, {OEKONOMIE_STADION, 2162},
    {OEKONOMIE_WERBUNG, 2107},  {OEKONOMIE_LAGER, 2410},   {OEKONOMIE_VEREIN, 2248},
};

}  // namespace

TEST_F(SchirmTest, EachSwitchOpensItsScreenAloneAndTheGroupReturnsToTheLastChoice)
{
    ASSERT_NE(Menue_Gruppen_Screens[1], nullptr);
    EXPECT_EQ(Menue_Gruppen_Screens[1](nullptr, 0), 1);
    EXPECT_TRUE(da(2135));  // a new manager starts on the finances
    for (const auto& s : KENNZEICHEN) {
        ASSERT_EQ(Oekonomie_Schirm_Oeffnen(s[0]), 1) << s[0];
        EXPECT_EQ(Oekonomie_Aktueller_Schirm(), s[0]);
        for (const auto& t : KENNZEICHEN) EXPECT_EQ(da(t[1]), t[0] == s[0]) << s[0] << " zeigt " << t[1];
        for (const auto& t : KENNZEICHEN) EXPECT_TRUE(da(t[0]));  // the switch row stays
    }
    EXPECT_EQ(Oekonomie_Schirm_Oeffnen(1061), 0);
    Oekonomie_Schirm_Oeffnen(OEKONOMIE_WERBUNG);
    Oekonomie_Schirm_Oeffnen(OEKONOMIE_FINANZEN);
    Oekonomie_Schirm_Oeffnen(OEKONOMIE_WERBUNG);
    EXPECT_EQ(Menue_Gruppen_Screens[1](nullptr, 0), 1);
    EXPECT_TRUE(da(2107));
    // Without an acting club nothing opens.
    Aktuelles_Team = -1;
    EXPECT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 0);
}

TEST_F(SchirmTest, StadiumPriceRockersMoveTheirOwnStandAndTheAverageMovesAll)
{
    Stadion_Daten v = *Stadion_Zeiger(manager[0], 1);
    for (int32_t k = 0; k < STADION_TRIBUENEN; ++k) v.preis[k] = float(10 + k);
    v.preis[5] = 50;
    v.hat_top = 1;
    ASSERT_TRUE(Stadion_Neu(manager[0], &v));
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    wippe(2148 + 2, 3);  // the third stand's rocker, one up
    const Stadion_Daten* d = Stadion_Zeiger(manager[0], 1);
    EXPECT_FLOAT_EQ(d->preis[2], 13);
    EXPECT_FLOAT_EQ(d->preis[1], 11);
    wippe(2148 + 5, 3);  // at 50 DM the last stand stays
    EXPECT_FLOAT_EQ(d->preis[5], 50);
    wippe(2148 + 0, 1);  // the second button from the left takes ten
    EXPECT_FLOAT_EQ(d->preis[0], 0);
    // The average's plus: every stand below 50 moves.
    float vorher[STADION_TRIBUENEN];
    for (int32_t k = 0; k < STADION_TRIBUENEN; ++k) vorher[k] = d->preis[k];
    wippe(2157, 3);
    for (int32_t k = 0; k < 5; ++k) EXPECT_GT(d->preis[k], vorher[k]) << k;
    // The surcharge switches exclude each other through their buttons.
    klick(2160);
    klick(2158);
    EXPECT_EQ(d->top.immer, 0);
    EXPECT_EQ(d->top.top_teams, 1);
    klick(2160);
    EXPECT_EQ(d->top.immer, 1);
    EXPECT_EQ(d->top.top_teams, 0);
}

TEST_F(SchirmTest, StadiumAreaOpensTheModelViewAndItsNewBuildingTheDialogWithFiveFirms)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    ASSERT_TRUE(da(2166));
    klick(2166);  // stand 0
    EXPECT_TRUE(da(2236));
    EXPECT_FALSE(da(2166));  // the plan's areas wait under the open view
    klick(2235);
    for (int32_t f = 0; f < STADION_FIRMEN; ++f) EXPECT_TRUE(da(2189 + f));
    klick(2200);  // "Lieber nicht bauen..."
    EXPECT_FALSE(da(2189));
    EXPECT_TRUE(da(2166));
    EXPECT_TRUE(requester.empty());
}

TEST_F(SchirmTest, ASponsorDroppedOnTheWrongSpaceSignsNothingAndOnAFreeBoardSigns)
{
    angebot(13, 3);  // a shirt sponsor
    angebot(0, 0);   // a board sponsor
    Werbung_Team_Daten leer = daten(manager[0]);
    for (auto& s : leer.sponsor) s = -1;
    ASSERT_TRUE(Werbung_Team_Ablegen(manager[0], leer));
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_WERBUNG), 1);
    const Menue_Icon* bande = Menue_Screen_Icon_Aus_Nummer(WERBUNG_ICON_FLAECHE);
    ASSERT_NE(bande, nullptr);
    ablegen(2340 + 13, bande->x + 2, bande->y + 2);
    EXPECT_TRUE(enthaelt(requester, "das Trikot auf die Brust des Spielers."));
    EXPECT_EQ(daten(manager[0]).sponsor[0], -1);
    // Let go outside the stadium: a click, which signs nothing.
    ablegen(2340 + 13, 300, 470);
    for (int8_t s : daten(manager[0]).sponsor) EXPECT_NE(s, 13);
    ablegen(2340 + 0, bande->x + 2, bande->y + 2);
    EXPECT_EQ(daten(manager[0]).sponsor[0], 0);
}

TEST_F(SchirmTest, ACampOnACalendarDayOpensTheBookingAndBesideTheCalendarItScolds)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_LAGER), 1);
    ablegen(2410, 200, 300);
    EXPECT_TRUE(enthaelt(requester, "Sie Schlingel!"));
    EXPECT_FALSE(da(2420));
    // A day of the shown month far enough ahead: the last cell that holds a day (its help names
    // the date; an empty cell has none).
    Menue_Icon* tag = nullptr;
    for (int32_t z = 41; z >= 0 && !tag; --z)
        if (Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(2362 + z); i && i->mausover && i->mausover(i)) tag = i;
    ASSERT_NE(tag, nullptr);
    requester.clear();
    ablegen(2410, tag->x + 3, tag->y + 3);
    EXPECT_TRUE(da(2420)) << (requester.empty() ? "" : requester.back());
    klick(2424);  // cancel
    EXPECT_FALSE(da(2420));
}

TEST_F(SchirmTest, BonusRockersNeverGoBelowTheAgreedAmount)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_VEREIN), 1);
    Ligen_Motivation_Praemie_Setzen(7, 5000);
    ASSERT_TRUE(Ligen_Motivation_Praemien_Uebernehmen(manager[0], true));
    wippe(2450 + 7, 2);
    EXPECT_EQ(Ligen_Praemien_Arbeit.wert[7], 5000);
    wippe(2450 + 7, 3);
    EXPECT_EQ(Ligen_Praemien_Arbeit.wert[7], 5100);
    wippe(2450 + 7, 0);
    EXPECT_EQ(Ligen_Praemien_Arbeit.wert[7], 5000);
}

TEST_F(SchirmTest, APriceLineChoosesTheFirmItNames)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_BOERSE), 1);
    const std::vector<std::string> zeilen = Bank_Kurse_Zeilen(0);
    ASSERT_GT(zeilen.size(), 3u);
    // The hit areas lie over the lines in order: the k-th from the top chooses the k-th line.
    std::vector<const Menue_Icon*> zeilen_icons;
    for (int32_t f = 0; f < BANK_FIRMEN; ++f)
        if (const Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(2320 + f)) zeilen_icons.push_back(i);
    ASSERT_EQ(zeilen_icons.size(), zeilen.size() - 1);
    for (size_t k = 0; k < zeilen_icons.size(); ++k) {
        klick(zeilen_icons[k]->nummer);
        const uint32_t f = Bank.firma_wahl;
        ASSERT_LT(f, uint32_t(BANK_FIRMEN));
        EXPECT_EQ(zeilen[k + 1].rfind(Bank_Boerse[0].firma[f], 0), 0u) << k;
    }
}

TEST_F(SchirmTest, TheFinancePagesFollowThePointerOnlyWhileTheyAreShown)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_FINANZEN), 1);
    ASSERT_NE(Menue_Hook, nullptr);
    Menue_Icon* zeilen = Menue_Screen_Icon_Aus_Nummer(2130);
    ASSERT_NE(zeilen, nullptr);
    // Resting on the "Team" button asks for the rows to be drawn again (as its panel).
    const Menue_Icon* team = Menue_Screen_Icon_Aus_Nummer(2137);
    zeilen->refresh = 0;
    Menue_Hook(team->x + 2, team->y + 2, 0);
    EXPECT_NE(zeilen->refresh, 0);
    zeilen->refresh = 0;
    Menue_Hook(team->x + 3, team->y + 2, 0);
    EXPECT_EQ(zeilen->refresh, 0);  // still there: nothing new to draw
    Menue_Hook(300, 300, 0);
    EXPECT_NE(zeilen->refresh, 0);
    // Another screen: the hook lets go at its next pass and leaves the slot free.
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    Menue_Hook(0, 0, 0);
    EXPECT_EQ(Menue_Hook, nullptr);
}

// A week later the finance pages list one week more, and each icon after the weeks stands in
// another record of the list: opened again, none of them is reported as defined twice.
TEST_F(SchirmTest, TheFinancePagesAWeekLaterDefineNoIconTwice)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_FINANZEN), 1);
    const int32_t heute = Aktueller_Tag;
    Aktueller_Tag += 7;
    Fehler_Capture f;
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_FINANZEN), 1);
    Aktueller_Tag = heute;
    ASSERT_TRUE(da(2042));
    for (const std::string& t : f.texts) EXPECT_EQ(t.find("doppelt definiert"), std::string::npos) << t;
    EXPECT_EQ(Menue_Screen_Icon_Aus_Nummer(2132)->nummer, 2132);
}

TEST_F(SchirmTest, AWeekIsChosenOnlyWhileNeitherToggleIsOnAndComesBackAfterThem)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_FINANZEN), 1);
    ASSERT_TRUE(da(2041));  // week 1: the season's first day is today
    klick(2041);
    EXPECT_EQ(Bank_Finanzen_Zustand().woche, 0);
    klick(2127);  // "Gesamtes Jahr"
    EXPECT_EQ(Bank_Finanzen_Zustand().woche, -1);
    klick(2041);  // the list waits meanwhile
    EXPECT_EQ(Bank_Finanzen_Zustand().woche, -1);
    klick(2140);  // "Aktuelle Bilanz" takes over from it
    EXPECT_FALSE(Bank_Finanzen_Zustand().jahr);
    EXPECT_TRUE(Bank_Finanzen_Zustand().prognose);
    klick(2140);
    EXPECT_EQ(Bank_Finanzen_Zustand().woche, 0);
    klick(2137);
    EXPECT_EQ(Bank_Finanzen_Zustand().seite, 2);
}

TEST_F(SchirmTest, InvestmentAmountAndTermStayInTheirRangesAndNoAmountAsksForOne)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_ANLAGEN), 1);
    Bank_Wippe_Betrag = 0;
    wippe(2094, 2);
    EXPECT_EQ(Bank_Wippe_Betrag, 0.0f);
    const float maximum =
        std::max(Bank_Get_Kreditrahmen(manager[0]), float(Bank_Get_Kontostand(manager[0], 0, -1)));
    for (int k = 0; k < 40; ++k) wippe(2094, 5);
    EXPECT_GT(Bank_Wippe_Betrag, 0.0f);
    EXPECT_LE(Bank_Wippe_Betrag, maximum);
    for (int k = 0; k < 9; ++k) wippe(2096, 3);
    EXPECT_EQ(Bank_Wippe_Laufzeit, BANK_LAUFZEITEN - 1);
    for (int k = 0; k < 9; ++k) wippe(2096, 2);
    EXPECT_EQ(Bank_Wippe_Laufzeit, 0);
    Bank_Wippe_Betrag = 0;
    requester.clear();
    klick(2098);  // a deposit of nothing
    EXPECT_FALSE(requester.empty());
}

TEST_F(SchirmTest, TheBuildingDialogsPullDownComesRoundAndLeavingItOrdersNothing)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    klick(2166);
    klick(2235);
    ASSERT_TRUE(da(2195));
    const Stadion_Daten* d = Stadion_Zeiger(manager[0], 1);
    const int32_t vorher = d->slot[0].plaetze;
    wippe(2195, 3);
    wippe(2195, 3);
    int32_t anzahl = 0, erstes = 0;
    Stadion_Slot_Modelle(0, &anzahl, &erstes);
    ASSERT_GT(anzahl, 1);
    // Past the first model the pull-down comes round to the last one.
    for (int32_t k = 0; k < anzahl; ++k) klick(2194);
    EXPECT_TRUE(da(2189));
    klick(2200);
    EXPECT_EQ(d->slot[0].plaetze, vorher);  // nothing ordered
}

TEST_F(SchirmTest, AgenciesGoRoundAndTheEuropeanPromiseFlips)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_WERBUNG), 1);
    const int32_t a0 = daten(manager[0]).agentur[1];
    for (int k = 0; k < 5; ++k) klick(2103);
    EXPECT_EQ(daten(manager[0]).agentur[1], a0);
    klick(2103);
    EXPECT_EQ(daten(manager[0]).agentur[1], (a0 + 1) % 5);
    const uint8_t e = daten(manager[0]).europa_flag;
    klick(2105);
    EXPECT_NE(daten(manager[0]).europa_flag, e);
}

TEST_F(SchirmTest, TheBookingTakesTheDaysAndProgrammeChosenOnTheRequester)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_LAGER), 1);
    // A day of the shown month that a camp takes: the first cell, from the last back, that opens it.
    const Menue_Icon* tag = nullptr;
    int32_t camp = -1;
    for (int32_t z = 41; z >= 0 && !tag; --z) {
        Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(2362 + z);
        if (!i || !i->mausover || !i->mausover(i)) continue;
        for (int32_t c = 0; c < TRAININGSLAGER_ANZAHL && !tag; ++c) {
            ablegen(2410 + c, i->x + 3, i->y + 3);
            if (da(2420)) tag = i, camp = c;
        }
    }
    ASSERT_NE(tag, nullptr);
    ASSERT_GE(camp, 0);
    // Down to one day (never below), then the first row of the programme on the first line.
    for (int k = 0; k < 400; ++k) ASSERT_EQ(wippe(2421, 2), 1) << k;
    ASSERT_EQ(wippe(2421, 3), 1);
    ASSERT_EQ(wippe(2421, 2), 1);
    const Menue_Icon* p = Menue_Screen_Icon_Aus_Nummer(2425);
    ASSERT_NE(p, nullptr);
    Os_Input_Set_Mouse(p->x + 4 + 5, p->y + 4 + 2);
    Win95_Message_Pump();
    Menue_Screen_Icon_Aus_Nummer(2425)->klick(Menue_Screen_Icon_Aus_Nummer(2425), 4);
    klick(2423);
    EXPECT_FALSE(da(2420));
    Trainingslager_Termin t[TRAININGSLAGER_BUCHUNGEN];
    ASSERT_TRUE(Trainingslager_Buchungen(manager[0], t));
    int32_t gebucht = -1;
    for (int32_t k = 0; k < TRAININGSLAGER_BUCHUNGEN; ++k)
        if (t[k].belegt && t[k].art == 1) gebucht = k;
    ASSERT_GE(gebucht, 0) << (requester.empty() ? "" : requester.back());

    EXPECT_EQ(t[gebucht].letzter_tag, t[gebucht].erster_tag);
    EXPECT_EQ(Trainingslager_Get_Programm(manager[0], gebucht, 0), Trainingslager_Attribut_Id[0]);
    EXPECT_EQ(Trainingslager_Get_Programm(manager[0], gebucht, 1), -1);
}

namespace {

Rastport* werbung_bild(int32_t nummer)
{
    return static_cast<Rastport*>(Load_Resource(ResFile_Handles[2].handle, nummer, 16, nullptr));
}

}  // namespace

TEST_F(SchirmTest, TheAdvertisingStadiumShowsRentedSpacesWithTheirSponsorAndLightsWhereTheChosenOneWouldSign)
{
    Rastport* stadion = werbung_bild(WERBUNG_STADION_BILD);
    ASSERT_NE(stadion, nullptr);
    EXPECT_EQ(stadion->width, uint32_t(WERBUNG_STADION_B));
    EXPECT_EQ(stadion->height, uint32_t(WERBUNG_STADION_H));
    angebot(0, 0);  // a board sponsor
    Werbung_Team_Daten d = daten(manager[0]);
    for (auto& s : d.sponsor) s = -1;
    d.sponsor[1] = 3;
    ASSERT_TRUE(Werbung_Team_Ablegen(manager[0], d));
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_WERBUNG), 1);
    klick(2340);  // the board sponsor is chosen
    Menue_Icon* bild = Menue_Screen_Icon_Aus_Nummer(2125);
    ASSERT_TRUE(bild && bild->refresh_prozedur);
    Grafik_Screen_Seite_Waehlen(1);
    bild->refresh_prozedur(bild, 0);
    auto schirm = [&](int32_t k, int32_t dx, int32_t dy) {
        return Grafik_Pixel_Lesen(Grafik_Render_Ziel, bild->x + WERBUNG_FLAECHE_ORT[k].x + dx, bild->y + WERBUNG_FLAECHE_ORT[k].y + dy);
    };
    // Each lit picture has its space's size and lies exactly on it, upright boards included.
    for (int32_t k : {0, 10}) {
        Rastport* hell = werbung_bild(WERBUNG_FLAECHE_BILD + k);
        ASSERT_NE(hell, nullptr) << k;
        const Werbung_Rechteck& r = WERBUNG_FLAECHE_ORT[k];
        ASSERT_EQ(hell->width, uint32_t(r.b)) << k;
        ASSERT_EQ(hell->height, uint32_t(r.h)) << k;
        for (int32_t y = 0; y < r.h; y += 3)
            for (int32_t x = 0; x < r.b; x += 3) ASSERT_EQ(schirm(k, x, y), Grafik_Pixel_Lesen(hell, x, y)) << k << ": " << x << "," << y;
        Grafik_Bitmap_Freigeben(hell);
    }
    // The camera takes no board sponsor: it stays as the stadium shows it.
    const Werbung_Rechteck& kamera = WERBUNG_FLAECHE_ORT[14];
    for (int32_t y = 0; y < kamera.h; y += 2)
        for (int32_t x = 0; x < kamera.b; x += 2)
            ASSERT_EQ(schirm(14, x, y), Grafik_Pixel_Lesen(stadion, kamera.x + x, kamera.y + y)) << x << "," << y;
    // The rented board carries its sponsor's lettering, not the empty board.
    int32_t anders = 0;
    for (int32_t x = 0; x < WERBUNG_FLAECHE_ORT[1].b; ++x)
        anders += schirm(1, x, 6) != Grafik_Pixel_Lesen(stadion, WERBUNG_FLAECHE_ORT[1].x + x, WERBUNG_FLAECHE_ORT[1].y + 6);
    EXPECT_GT(anders, 20);
    Grafik_Bitmap_Freigeben(stadion);
}

// The frame is closed all round, its bottom right corner too.
TEST_F(SchirmTest, AChosenSpaceIsFramedJustOutsideItAndNoOtherIs)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_WERBUNG), 1);
    ASSERT_EQ(klick(WERBUNG_ICON_FLAECHE + 2), 1);
    Menue_Icon* bild = Menue_Screen_Icon_Aus_Nummer(2125);
    ASSERT_TRUE(bild && bild->refresh_prozedur);
    Grafik_Screen_Seite_Waehlen(1);
    bild->refresh_prozedur(bild, 0);
    const uint16_t rot = Oek_Farbe(15, 2, 2);
    auto gerahmt = [&](int32_t k) {
        const Werbung_Rechteck& r = WERBUNG_FLAECHE_ORT[k];
        const int32_t x0 = bild->x + r.x - 1, y0 = bild->y + r.y - 1, x1 = bild->x + r.x + r.b, y1 = bild->y + r.y + r.h;
        int32_t rote = 0;
        for (int32_t x = x0; x <= x1; ++x)
            rote += (Grafik_Pixel_Lesen(Grafik_Render_Ziel, x, y0) == rot) + (Grafik_Pixel_Lesen(Grafik_Render_Ziel, x, y1) == rot);
        for (int32_t y = y0 + 1; y < y1; ++y)
            rote += (Grafik_Pixel_Lesen(Grafik_Render_Ziel, x0, y) == rot) + (Grafik_Pixel_Lesen(Grafik_Render_Ziel, x1, y) == rot);
        return rote == 2 * (x1 - x0 + 1) + 2 * (y1 - y0 - 1);
    };
    EXPECT_TRUE(gerahmt(2));
    EXPECT_FALSE(gerahmt(3));
    EXPECT_FALSE(gerahmt(10));
}

TEST_F(SchirmTest, AfterAnotherExchangeTheNumbersNameTheIconsOnScreenAndTheRockerMenuSetsItsOwnValue)
{
    for (int32_t f = 5; f < BANK_FIRMEN; ++f) Bank_Boerse[2].firma[f][0] = 0;  // few clubs went public
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_BOERSE), 1);
    klick(2010);
    klick(2012);  // another count of firms: the chart and its range buttons stand elsewhere in the list
    for (int32_t n : {2007, 2026, 2037}) {
        const Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(n);
        ASSERT_NE(i, nullptr) << n;
        EXPECT_EQ(i->nummer, n);
    }
    // The term rocker's menu: "Zurücksetzen auf Maximalwert" reaches the longest term.
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_FINANZEN), 1);
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_ANLAGEN), 1);
    Bank_Wippe_Laufzeit = 0;
    EXPECT_EQ(Menue_Kontext_Eingabefeld_Jump_Call(2, 2096, 0, 0), 1);
    EXPECT_EQ(Bank_Wippe_Laufzeit, BANK_LAUFZEITEN - 1);
}

namespace {

struct Gedruckt {
    int32_t x, y;
    std::string text;
};
std::vector<Gedruckt> gedruckt;

// The texts an icon's drawing prints.
std::vector<Gedruckt> texte_von(int32_t nummer)
{
    gedruckt.clear();
    Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(nummer);
    if (!i || !i->refresh_prozedur) return {};
    Oek_Text_Hook = [](int32_t x, int32_t y, const char* t) { gedruckt.push_back({x, y, t}); };
    Grafik_Screen_Seite_Waehlen(1);
    i->refresh_prozedur(i, 0);
    Oek_Text_Hook = nullptr;
    return gedruckt;
}

}  // namespace

TEST_F(SchirmTest, AnAgencysFeeReadsPerMonthOnce)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_WERBUNG), 1);
    for (int32_t n = 2102; n <= 2104; ++n) {
        const std::vector<Gedruckt> t = texte_von(n);
        ASSERT_FALSE(t.empty()) << n;
        int32_t gebuehr = 0;
        for (const Gedruckt& g : t) {
            EXPECT_EQ(g.text.find("/Mon./Mon."), std::string::npos) << g.text;
            gebuehr += g.text.find("/Mon.") != std::string::npos;
        }
        EXPECT_EQ(gebuehr, 1) << n;
    }
}

TEST_F(SchirmTest, EveryCampsLinesStayOnItsCardTheLastCampsToo)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_LAGER), 1);
    for (int32_t c = 0; c < 7; ++c) {
        Menue_Icon* karte = Menue_Screen_Icon_Aus_Nummer(2410 + c);
        ASSERT_NE(karte, nullptr) << c;
        const std::vector<Gedruckt> t = texte_von(2410 + c);
        ASSERT_GE(t.size(), 4u) << c;
        for (const Gedruckt& g : t) {
            // the small font reaches two pixels below its baseline; the card's frame is its last row
            EXPECT_LT(g.y + 2, karte->y + karte->hoehe - 1) << c << ": " << g.text;
            EXPECT_LT(g.y + 2, 480) << c << ": " << g.text;
        }
    }
}

// A space whose contract brings nothing is free, whatever sponsor number it kept: it shows no
// sponsor and its information says so.
TEST_F(SchirmTest, ASpaceWithoutIncomeIsFreeWhateverSponsorItKept)
{
    Werbung_Team_Daten d = daten(manager[0]);
    for (int32_t k = 0; k < WERBUNG_FLAECHEN; ++k) {
        d.sponsor[k] = 0;
        d.betrag[k] = 0.0f;
    }
    d.sponsor[1] = 3;
    d.betrag[1] = 5000.0f;
    ASSERT_TRUE(Werbung_Team_Ablegen(manager[0], d));
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_WERBUNG), 1);
    klick(2107 + 15);
    std::string info;
    for (const Gedruckt& g : texte_von(2126)) info += g.text + "|";
    EXPECT_NE(info.find("nicht vermietet"), std::string::npos) << info;
    EXPECT_EQ(info.find("vermietet an"), std::string::npos) << info;
    // the offers keep a line's distance to the image bar below them
    const Menue_Icon* kasten = Menue_Screen_Icon_Aus_Nummer(2126);
    int32_t ansehen = 0;
    for (const Gedruckt& g : texte_von(2126))
        if (g.text.rfind("Ansehen", 0) == 0) ansehen = g.y;
    ASSERT_GT(ansehen, kasten->y);
    for (const Gedruckt& g : texte_von(2126))
        if (g.y < ansehen) { EXPECT_LE(g.y, ansehen - 13) << g.text; }
    klick(2107 + 1);
    info.clear();
    for (const Gedruckt& g : texte_von(2126)) info += g.text + "|";
    EXPECT_NE(info.find("vermietet an"), std::string::npos) << info;
}

// The information box keeps its lines inside: a free space's offers with the count and price at
// its right edge and the partner's name before them (the price once ran out of the box), a
// rented space's long partner name over two lines.
TEST_F(SchirmTest, OffersAndContractsStayInsideTheInformationBox)
{
    Werbung_Team_Daten d = daten(manager[0]);
    for (int32_t k = 0; k < WERBUNG_FLAECHEN; ++k) {
        d.sponsor[k] = 0;
        d.betrag[k] = 0.0f;
    }
    ASSERT_TRUE(Werbung_Team_Ablegen(manager[0], d));
    const int32_t kat = Werbung_Flaeche_Kategorie(15);
    for (int32_t s = 0; s < 4; ++s) angebot(s, kat, uint8_t(9 - s));
    for (int32_t s = 0; s < 4; ++s) Werbepartner_Tabelle[s].preis[kat] = 396856.0f;
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_WERBUNG), 1);
    klick(2107 + 15);
    const Menue_Icon* kasten = Menue_Screen_Icon_Aus_Nummer(2126);
    ASSERT_NE(kasten, nullptr);
    int32_t preise = 0;
    for (const Gedruckt& g : texte_von(2126)) {
        EXPECT_LE(g.x + Font_Text_Breite(Font(11), g.text.c_str()), kasten->x + kasten->breite - 2) << g.text;
        preise += g.text.find(" mal ") != std::string::npos;
    }
    EXPECT_GE(preise, 4);
    // a rented space: a long partner's name with its mood goes on over a second line
    std::snprintf(Werbepartner_Tabelle[3].name, sizeof Werbepartner_Tabelle[3].name, "%s", "Versicherung Sicherhafen");
    d.sponsor[1] = 3;
    d.betrag[1] = 5000.0f;
    ASSERT_TRUE(Werbung_Team_Ablegen(manager[0], d));
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_FINANZEN), 1);
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_WERBUNG), 1);
    klick(2107 + 1);
    kasten = Menue_Screen_Icon_Aus_Nummer(2126);
    ASSERT_NE(kasten, nullptr);
    std::string info;
    for (const Gedruckt& g : texte_von(2126)) {
        EXPECT_LE(g.x + Font_Text_Breite(Font(11), g.text.c_str()), kasten->x + kasten->breite - 2) << g.text;
        info += g.text + "|";
    }
    EXPECT_NE(info.find("vermietet an"), std::string::npos) << info;
    EXPECT_NE(info.find("zufrieden"), std::string::npos) << info;
}

// The wealth panel: a sum of eight digits follows its label after a space instead of reaching
// back onto it from the amounts' right edge.
TEST_F(SchirmTest, TheWealthStandsClearOfItsLabelHoweverLarge)
{
    for (const int32_t geld : {600000, 12345678}) {
        ASSERT_TRUE(Bank_Konto_Einrichten(manager[0], geld, 0));
        ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_FINANZEN), 1);
        ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_ANLAGEN), 1);
        int32_t gefunden = 0;
        for (const Gedruckt& g : texte_von(2040)) {
            const size_t l = g.text.find("Ihr Vermögen:");
            if (l == std::string::npos) continue;
            ++gefunden;
            const std::string rest = g.text.substr(l + std::strlen("Ihr Vermögen:"));
            const int32_t label = Font_Text_Breite(Font(11), "Ihr Vermögen:");
            if (rest.rfind("^tr0138", 0) == 0)
                EXPECT_LE(label + 3, 138 - Font_Text_Breite(Font(11), rest.c_str() + 7)) << g.text;
            else
                EXPECT_EQ(rest.rfind(" ", 0), 0u) << g.text;
        }
        EXPECT_EQ(gefunden, 1) << geld;
    }
}

namespace {

std::vector<std::string> knopf_texte;

uint8_t frage_merken(int32_t, int32_t, const char* text, const char* ja, const char* nein)
{
    knopf_texte = {text ? text : "", ja ? ja : "", nein ? nein : ""};
    return 0;
}

}  // namespace

// Taking the bonuses over is asked with the screen's own two answers, and a no keeps the club's
// agreed bonuses.
TEST_F(SchirmTest, TakingTheBonusesOverAsksWithItsOwnAnswers)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_VEREIN), 1);
    Ligen_Motivation_Praemie_Setzen(7, 5000);
    Menue_Requester_Set_Anzeige(frage_merken);
    klick(2467);
    Menue_Requester_Set_Anzeige(nullptr);
    ASSERT_EQ(knopf_texte.size(), 3u);
    EXPECT_NE(knopf_texte[0].find("wirklich übernehmen"), std::string::npos);
    EXPECT_EQ(knopf_texte[1], "Ja, ich will !");
    EXPECT_EQ(knopf_texte[2], "Um Himmels Willen, Nein!");
    EXPECT_NE(Ligen_Praemien_Arbeit.wert[7], 5000) << "the no reloaded the club's amounts";
}

// The group's switches, clicked, enter their screens in the manager's history: its buttons and
// "Zuletzt besucht:" lead back to them, and a jump from the history records nothing new.
TEST_F(SchirmTest, ClickedSwitchesEnterTheHistoryAndItsButtonsLeadBack)
{
    ASSERT_EQ(Menue_Gruppen_Screens[1](nullptr, 0), 1);
    auto* z = static_cast<Manager_Icon_Zustand*>(Team_Zeiger(303, Aktuelles_Team, nullptr, 0));
    ASSERT_NE(z, nullptr);
    auto belegt = [z] {
        int32_t n = 0;
        for (int16_t nr : z->besucht_nr) n += nr != -1;
        return n;
    };
    const int32_t vorher = belegt();
    Menue_Icons_Check(OEKONOMIE_BOERSE);
    Menue_Icons_Check(OEKONOMIE_STADION);
    ASSERT_EQ(Oekonomie_Aktueller_Schirm(), OEKONOMIE_STADION);
    EXPECT_EQ(z->besucht_nr[z->besucht_position], OEKONOMIE_STADION);
    EXPECT_EQ(z->besucht_nr[z->besucht_position + 1], OEKONOMIE_BOERSE);
    Menue_Icon vor = Menue_Icon_Vorlage(MENUE_HISTORY_VOR, -1, 0, 0, 0, 1, 1, 0, 255);
    Menue_Icon zurueck = Menue_Icon_Vorlage(MENUE_HISTORY_ZURUECK, -1, 0, 0, 0, 1, 1, 0, 255);
    Menue_History_Klick(&vor, 0);
    EXPECT_EQ(Oekonomie_Aktueller_Schirm(), OEKONOMIE_BOERSE);
    Menue_History_Klick(&zurueck, 0);
    EXPECT_EQ(Oekonomie_Aktueller_Schirm(), OEKONOMIE_STADION);
    EXPECT_EQ(belegt(), vorher + 2) << "the jumps added no entry";
    Menue_Kontextmenue* k = Menue_Make_History_Kontextmenue(&vor);
    ASSERT_NE(k, nullptr);
    bool boerse = false;
    for (const char* t : k->texte) boerse = boerse || (t && std::string(t).find("Börsenmonitor") != std::string::npos);
    EXPECT_TRUE(boerse) << "\"Zuletzt besucht:\" names the exchange";
}
