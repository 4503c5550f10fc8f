// The figures the club's pages print, read off the drawn screen: the finance pages after a season
// of bookings against what the bank booked for the club (each row's income and expense, the
// page's totals and its balance, for the whole season and for a single week), and the stadium's
// entrance prices against its record.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "economy/bank_finanzen.h"
#include "economy/stadion.h"
#include "gameflow/kalender.h"
#include "schirm_hilfe.h"
#include "toolkit/text_pruefung.h"

namespace {

// What the bank booked for the club, by category and side (true: income), by booking week
// (-1 the whole season).
struct Gebucht {
    int32_t team = -1, woche = 0;
    std::map<std::pair<int32_t, bool>, std::map<int32_t, double>> summe;
} gebucht;

void protokoll(int32_t zahler, int32_t empfaenger, int32_t ab, int32_t zu, uint8_t kategorie)
{
    const int32_t k = kategorie & 0x7f;
    if (zahler == gebucht.team) {
        gebucht.summe[{k, false}][gebucht.woche] += ab;
        gebucht.summe[{k, false}][-1] += ab;
    }
    if (empfaenger == gebucht.team) {
        gebucht.summe[{k, true}][gebucht.woche] += zu;
        gebucht.summe[{k, true}][-1] += zu;
    }
}

// A row's label on its page, the categories it gathers, its side.
struct Posten {
    int32_t seite;
    const char* name;
    std::vector<int32_t> kategorien;
    bool einnahme;
};
const std::vector<Posten> POSTEN = {
    {0, "Preise u. Spenden", {40, 36}, true}, {0, "Strafen", {22}, false},
    {1, "Fanartikelverkauf", {39}, true},     {1, "Merchandising", {9}, false},
    {1, "Trikot", {7}, true},                 {2, "Transfereinnahmen", {30}, true},
    {2, "Transferausgaben", {31}, false},     {2, "Spielergehälter", {26}, false},
    {2, "Spielerprämien", {29, 32}, false},   {3, "Eintritt", {13}, true},
    {3, "Neubau", {14}, false},               {3, "Dauerkarten", {11}, true},
};

// An amount as the screen prints it ("1.234.567 DM", "-0 DM", "12,50 DM") in marks.
double betrag(const std::string& s)
{
    std::string ziffern;
    for (const char c : s)
        if (c == '-' || (c >= '0' && c <= '9')) ziffern += c;
        else if (c == ',') ziffern += '.';
    return ziffern.empty() ? NAN : std::stod(ziffern);
}

const std::regex GELD(R"(^-?\d{1,3}(\.\d{3})*(,\d\d)? DM$)");

// The page drawn as shown: its texts grouped into lines by height, each line's runs from
// left to right.
std::map<int32_t, std::vector<std::string>> zeilen()
{
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    // by the middle of their ink (letters with and without descenders differ by a pixel or two)
    std::vector<std::tuple<int32_t, int32_t, std::string>> roh;
    for (const Text_Sichtbar& t : Text_Pruefung_Texte(Grafik_Seite_0))
        if (t.gezeigt * 2 > t.punkte) roh.push_back({(t.y1 + t.y2) / 2, t.x1, t.text});
    std::sort(roh.begin(), roh.end());
    std::map<int32_t, std::vector<std::pair<int32_t, std::string>>> linien;
    int32_t linie = -100;
    for (const auto& [y, x, text] : roh) {
        if (y - linie > 4) linie = y;
        linien[linie].push_back({x, text});
    }
    std::map<int32_t, std::vector<std::string>> z;
    for (auto& [y, l] : linien) {
        std::sort(l.begin(), l.end());
        for (const auto& [x, text] : l) z[y].push_back(text);
    }
    return z;
}
// The amount printed right after a label on the page (the first label of that name: an
// income stands left of its row's expense), NAN where the label or its amount is missing.
double hinter(const std::map<int32_t, std::vector<std::string>>& z, const std::string& label, int32_t n = 0)
{
    // the source's texts are compiled to Windows-1252, the check's runs are UTF-8 (the letters of
    // Latin-1 suffice here)
    std::string name;
    for (const unsigned char c : label)
        if (c < 0x80) name += char(c);
        else name += char(0xC0 | (c >> 6)), name += char(0x80 | (c & 0x3F));
    for (const auto& [y, l] : z)
        for (size_t i = 0; i + 1 < l.size(); ++i)
            if (l[i] == name && n-- == 0) return std::regex_match(l[i + 1], GELD) ? betrag(l[i + 1]) : NAN;
    return NAN;
}

std::string bild(const std::map<int32_t, std::vector<std::string>>& z)
{
    std::string s;
    for (const auto& [y, l] : z) {
        for (const std::string& t : l) s += t + " | ";
        s += "\n";
    }
    return s;
}

struct FinanzZahlen : TextSchirmTest {
    int32_t m = -1;
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(TextSchirmTest::SetUp());
        m = manager[0];
        // the real bank books, no observer in between
        Test_Bank_Loslassen();
        for (const int32_t t : manager) ASSERT_TRUE(Bank_Konto_Einrichten(t, 5000000, 0));
        Bank_Konto* k = Bank_Get_Konto(m);
        ASSERT_NE(k, nullptr);
        std::memset(k->buchung, 0, sizeof k->buchung);
        gebucht = {};
        gebucht.team = m;
        Bank_Set_Buchung_Protokoll(protokoll);
        saison();
        Bank_Set_Buchung_Protokoll(nullptr);
    }
    void TearDown() override
    {
        Bank_Set_Buchung_Protokoll(nullptr);
        TextSchirmTest::TearDown();
    }
    // Thirty weeks of a season: prizes and fines, merchandise, transfers with the other manager,
    // wages every week, bonuses, gate money, a new stand (amounts above a million among them).
    void saison()
    {
        const int32_t start = Kalender_Get_Saisonstart(), anderer = manager[1];
        for (int32_t w = 0; w < 30; ++w) {
            Aktueller_Tag = start + 7 * w + 2;
            gebucht.woche = w;
            auto buchen = [](int32_t von, int32_t an, double b, uint8_t k) {
                EXPECT_TRUE(Schreibe_Überweisung(von, an, float(b), k, 1, -1)) << int(k);
            };
            buchen(m, -1, 45000 + 250 * w, 26);
            if (w % 4 == 1) buchen(-1, m, 1250000 + 1000 * w, 40);
            if (w % 6 == 2) buchen(-1, m, 75500, 36);
            if (w % 5 == 3) buchen(m, -1, 12345, 22);
            if (w % 2 == 0) buchen(-1, m, 2345678 - 9 * w, 13);
            if (w == 11) buchen(m, -1, 3100000, 14);
            if (w % 3 == 0) buchen(-1, m, 410000 + 7 * w, 39), buchen(m, -1, 120000, 9);
            if (w % 7 == 0) buchen(-1, m, 640000, 7), buchen(-1, m, 333333, 11);
            if (w == 9) buchen(anderer, m, 1800000, 30);
            if (w == 14) buchen(m, anderer, 950000, 31);
            if (w % 2 == 1) buchen(m, -1, 8800, 29), buchen(m, -1, 15500, 32);
        }
        Aktueller_Tag = start + 7 * 29 + 4;
    }
    static double soll(const Posten& p, int32_t woche)
    {
        double s = 0;
        for (const int32_t k : p.kategorien) {
            const auto it = gebucht.summe.find({k, p.einnahme});
            if (it != gebucht.summe.end() && it->second.count(woche)) s += it->second.at(woche);
        }
        return s;
    }
    static void seite(int32_t s) { ASSERT_GE(klick(2135 + s), 0); }
    static void jahr(bool an)
    {
        if (Bank_Finanzen_Zustand().jahr != an) {
            ASSERT_GE(klick(2127), 0);
        }
    }
};

TEST_F(FinanzZahlen, EveryRowShowsWhatTheSeasonBookedForTheClub)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_FINANZEN), 1);
    jahr(true);
    for (int32_t s = 0; s < BANK_FINANZ_SEITEN; ++s) {
        seite(s);
        const auto z = zeilen();
        for (const Posten& p : POSTEN) {
            if (p.seite != s) continue;
            // "Aktien", "Kredit" and the like name both sides; the rows checked here are unique
            EXPECT_DOUBLE_EQ(hinter(z, p.name), soll(p, -1)) << p.name << " on page " << s << ":\n" << bild(z);
            EXPECT_GT(soll(p, -1), 0) << p.name << " was never booked";
        }
    }
}

TEST_F(FinanzZahlen, AWeeksRowsShowThatWeeksBookingsOnly)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_FINANZEN), 1);
    jahr(false);
    seite(2);
    for (const int32_t w : {9, 14, 21}) {
        ASSERT_GE(klick(2041 + w), 0);
        const auto z = zeilen();
        for (const Posten& p : POSTEN) {
            if (p.seite != 2) continue;
            EXPECT_DOUBLE_EQ(hinter(z, p.name), soll(p, w)) << p.name << " in week " << w + 1 << ":\n" << bild(z);
        }
    }
}

// The foot panel of a page: its income, its expenses, and the balance of the two with its sign.
TEST_F(FinanzZahlen, ThePagesTotalsAndBalanceAddUpItsRows)
{
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_FINANZEN), 1);
    jahr(true);
    bool minus = false, plus = false;
    for (int32_t s = 0; s < BANK_FINANZ_SEITEN; ++s) {
        seite(s);
        const auto z = zeilen();
        double ein = 0, aus = 0;
        for (const Posten& p : POSTEN) {
            if (p.seite == s) (p.einnahme ? ein : aus) += soll(p, -1);
        }
        // the booked rows are all there is on the page: the season booked nothing else
        const std::string name = Bank_Finanz_Seiten[s].name;
        const std::string kopf = "Summe \"" + name + "\":";
        EXPECT_DOUBLE_EQ(hinter(z, kopf), ein) << bild(z);
        EXPECT_DOUBLE_EQ(hinter(z, "Ausgaben", 1), aus) << bild(z);
        EXPECT_DOUBLE_EQ(hinter(z, "Saldo"), ein - aus) << bild(z);
        (ein < aus ? minus : plus) = true;
    }
    EXPECT_TRUE(minus && plus) << "the season should leave pages of both signs";
}

// The stadium page's price panel: a rocker per stand and the average's below them.
struct StadionZahlen : TextSchirmTest {
    // The amounts of the panel right of the stadium's plan (from x 488), from the top.
    static std::vector<double> preise()
    {
        Menue_Screen_Refresh(1, -1, -1, -1, -1);
        std::vector<std::pair<int32_t, double>> p;
        for (const Text_Sichtbar& t : Text_Pruefung_Texte(Grafik_Seite_0))
            if (t.x1 >= 488 && t.gezeigt * 2 > t.punkte && std::regex_match(t.text, GELD)) p.push_back({t.y1, betrag(t.text)});
        std::sort(p.begin(), p.end());
        std::vector<double> b;
        for (const auto& [y, x] : p) b.push_back(x);
        return b;
    }
};

TEST_F(StadionZahlen, ThePriceRockersShowEachStandsPriceAndTheirAverage)
{
    Stadion_Daten v = *Stadion_Zeiger(manager[0], 1);
    const float preis[STADION_TRIBUENEN] = {12, 20, 35, 8, 50, 17};
    std::copy(preis, preis + STADION_TRIBUENEN, v.preis);
    ASSERT_TRUE(Stadion_Neu(manager[0], &v));
    ASSERT_EQ(Oekonomie_Schirm_Oeffnen(OEKONOMIE_STADION), 1);
    // the average of the six, cut to whole pennies as every amount is
    auto schnitt = [](const float* p) {
        double s = 0;
        for (int32_t k = 0; k < STADION_TRIBUENEN; ++k) s += p[k];
        return std::trunc(s / STADION_TRIBUENEN * 100) / 100;
    };
    std::vector<double> soll(preis, preis + STADION_TRIBUENEN);
    soll.push_back(schnitt(preis));
    const auto z = zeilen();
    EXPECT_EQ(preise(), soll) << bild(z);
    // one step up on the third stand: its record, its rocker and the average move with it
    ASSERT_GE(wippe(2148 + 2, 3), 0);
    const Stadion_Daten* d = Stadion_Zeiger(manager[0], 1);
    ASSERT_NE(d, nullptr);
    EXPECT_FLOAT_EQ(d->preis[2], 36);
    soll[2] = 36;
    soll.back() = schnitt(d->preis);
    EXPECT_EQ(preise(), soll) << bild(zeilen());
}

}  // namespace
