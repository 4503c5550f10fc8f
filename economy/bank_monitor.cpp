#include "economy/bank_monitor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "economy/bank.h"
#include "graphics/font.h"
#include "graphics/grafik_printf.h"

namespace {
constexpr int32_t FARBE = 0;

// Whole units and cents of a price, the cents rounded without carrying into 100.
void teilen(float preis, int32_t* ganz, int32_t* cent)
{
    const int64_t c = std::llround(double(preis) * 100.0);
    *ganz = int32_t(c / 100);
    *cent = int32_t(std::llabs(c % 100));
}
}  // namespace

std::string Bank_Kurs_Text(float preis)
{
    int32_t ganz = 0, cent = 0;
    teilen(preis, &ganz, &cent);
    char text[32];
    std::snprintf(text, sizeof text, "%d,%02d", ganz, cent);
    return text;
}

std::vector<std::string> Bank_Kurse_Zeilen(int32_t boerse)
{
    if (boerse < 0 || boerse >= BANK_BOERSEN) return {};
    char text[300];
    std::snprintf(text, sizeof text, "^c%05d^tl0085Kurs^tl0130Vortag^tl0185Max.^tl0235Min.", FARBE);
    std::vector<std::string> v{text};
    const Boerse& b = Bank_Boerse[boerse];
    for (int32_t f = 1; f < BANK_FIRMEN; ++f) {
        if (b.firma[f][0] == 0) continue;
        const float* verlauf = b.verlauf[f];
        const float hoch = *std::max_element(verlauf, verlauf + 30), tief = *std::min_element(verlauf, verlauf + 30);
        int32_t g[4], c[4];
        teilen(b.kurs[f], &g[0], &c[0]);
        teilen(verlauf[28], &g[1], &c[1]);
        teilen(hoch, &g[2], &c[2]);
        teilen(tief, &g[3], &c[3]);
        std::snprintf(text, sizeof text,
                      "%s^y%04d^fb0006^tr0095%d,^tl0094%02d^tr0145%d,^tl0144%02d^tr0195%d,^tl0194%02d^tr0245%d,^tl0244%02d^fe",
                      b.firma[f], 3, g[0], c[0], g[1], c[1], g[2], c[2], g[3], c[3]);
        v.emplace_back(text);
    }
    if (v.size() == 1 && boerse == 2) v.emplace_back("   Noch hat kein Team den Gang an die Börse angetreten.");
    return v;
}

std::vector<std::string> Bank_Aktien_Zeilen(int32_t team, int32_t boerse)
{
    std::vector<std::string> v;
    void* cursor = nullptr;
    while (const Bank_Aktienbesitz* a = Bank_Naechster_Aktienbesitz(team, &cursor, boerse, -1)) {
        if (a->firma < 0 || a->firma >= BANK_FIRMEN || a->boerse != boerse) continue;
        const float wert = float(a->anzahl) * Bank_Get_Aktienkurs(boerse, a->firma);
        const std::string kauf = Bank_Betrag_String(float(a->summe), team, boerse, 0);
        const std::string jetzt = Bank_Betrag_String(wert, team, boerse, 0);
        char text[400];
        std::snprintf(text, sizeof text,
                      "^y%04d^tr0063%d^y%04d^tl0038%s^y%04d^c%05d^tl0118Kauf:^tr0256%s^z0009^tl0118Wert:^tr0256%s", 0,
                      a->anzahl, 3, Bank_Boerse[boerse].firma[a->firma], 0, FARBE, kauf.c_str(), jetzt.c_str());
        v.emplace_back(text);
    }
    if (v.empty()) v.emplace_back("(keine Aktien vorhanden)");
    return v;
}

Bank_Zinsen_Tafel Bank_Zinsen_Zeilen()
{
    Bank_Zinsen_Tafel t;
    t.beschriftung = {"Aktuelle Zinssätze:", "Girokonto:", "Festgeld:", "Kredit:", "1 Monat", "3 Monate", "6 Monate",
                      "1 Jahr", "2 Jahre", "3 Jahre", "4 Jahre", "Aktien:", "RAX", "Dow James", "Teamindex", "1 Dollar:",
                      "Dispo:", "Überzieh.zins:"};
    char text[200];
    for (int32_t i = 0; i < BANK_LAUFZEITEN; ++i) {
        std::snprintf(text, sizeof text, "^c%05d^tl0055%2.1f%%^tr0106%1.1f%%", FARBE, double(Bank_Anlage_Zins[i]),
                      double(Bank_Kredit_Zins[i]));
        t.werte.emplace_back(text);
    }
    for (int32_t b = 0; b < BANK_BOERSEN; ++b) {
        std::snprintf(text, sizeof text, "^c%05d^tr0106%d", FARBE, Bank_Boerse[b].index);
        t.werte.emplace_back(text);
    }
    std::snprintf(text, sizeof text, "^c%05d^tr0106%s", FARBE, Bank_Betrag_String(Bank_Waehrung_Umrechnen(1.0f, 1, 0), -1, 0, 1));
    t.werte.emplace_back(text);
    for (float satz : {Bank_Giro_Zins, Bank_Dispo_Zins, Bank_Ueberzieh_Zins}) {
        std::snprintf(text, sizeof text, "^c%05d^tr0106%1.1f%%", FARBE, double(satz));
        t.werte.emplace_back(text);
    }
    return t;
}

std::vector<std::string> Bank_Vermoegen_Zeilen(int32_t team)
{
    double anlagen = 0, kredite = 0, wert = 0, kauf = 0;
    void* cursor = nullptr;
    while (const Bank_Anlage* a = Bank_Naechste_Anlage(team, &cursor))
        (a->betrag > 0 ? anlagen : kredite) += std::fabs(double(a->betrag));
    cursor = nullptr;
    while (const Bank_Aktienbesitz* a = Bank_Naechster_Aktienbesitz(team, &cursor, -1, -1)) {
        if (a->boerse < 0 || a->boerse >= BANK_BOERSEN || a->firma < 0 || a->firma >= BANK_FIRMEN) continue;
        wert += Bank_Waehrung_Umrechnen(float(a->anzahl) * Bank_Boerse[a->boerse].kurs[a->firma], a->boerse, 0);
        kauf += Bank_Waehrung_Umrechnen(float(a->summe), a->boerse, 0);
    }
    const double vermoegen = Bank_Get_Vermoegen(team, -1);
    // a share of nothing is none, not a division by zero
    auto anteil = [&](double x) { return vermoegen > 0 ? x / vermoegen * 100.0 : 0.0; };
    auto geld = [team](double x) { return std::string(Bank_Betrag_String(float(x), team, -1, 0)); };
    char text[300];
    std::vector<std::string> v;
    // The wealth stands right-aligned under the other amounts; a sum of eight digits and more
    // reaches back onto its label and follows it after a space instead.
    const std::string summe = geld(vermoegen);
    const bool passt = Font_Text_Breite(Font(11), "Ihr Vermögen: ") + Font_Text_Breite(Font(11), summe.c_str()) <= 138;
    std::snprintf(text, sizeof text, passt ? "^c%05dIhr Vermögen:^tr0138%s" : "^c%05dIhr Vermögen: %s", FARBE, summe.c_str());
    v.emplace_back(text);
    std::snprintf(text, sizeof text, "^c%05dAnlagen:", FARBE);
    v.emplace_back(text);
    std::snprintf(text, sizeof text, "^c%05d^tr0138%s (%1.1f%%)", FARBE, geld(anlagen).c_str(), anteil(anlagen));
    v.emplace_back(text);
    std::snprintf(text, sizeof text, "^c%05dKredite:", FARBE);
    v.emplace_back(text);
    std::snprintf(text, sizeof text, "^c%05d^tr0138%s (%1.1f%%)", FARBE, geld(kredite).c_str(), anteil(kredite));
    v.emplace_back(text);
    std::snprintf(text, sizeof text, "^c%05dIhr Dispo:^tr0138%s", FARBE, geld(Bank_Get_Kreditlinie(team, -1)).c_str());
    v.emplace_back(text);
    std::snprintf(text, sizeof text, "^c%05dAktien:", FARBE);
    v.emplace_back(text);
    std::snprintf(text, sizeof text, "^c%05d^tl0010Wert:^tr0138%s", FARBE, geld(wert).c_str());
    v.emplace_back(text);
    std::snprintf(text, sizeof text, "^c%05d^tl0010Kauf:^tr0138%s", FARBE, geld(kauf).c_str());
    v.emplace_back(text);
    return v;
}
