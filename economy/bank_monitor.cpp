#include "economy/bank_monitor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "economy/bank.h"

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

std::vector<std::string> Bank_Kurse_Zeilen(int32_t boerse)
{
    if (boerse < 0 || boerse >= BANK_BOERSEN) return {};
    char text[300];
    std::snprintf(text, sizeof text, "^c%#05d^tl0085Kurs^tl0130Vortag^tl0185Max.^tl0235Min.", FARBE);
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
                      "%s^y%#04d^fb0006^tr0095%d,^tl0094%02d^tr0145%d,^tl0144%02d^tr0195%d,^tl0194%02d^tr0245%d,^tl0244%02d^fe",
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
                      "^y%#04d^tr0063%d^y%#04d^tl0038%s^y%#04d^c%#05d^tl0118Kauf:^tr0256%s^z0009^tl0118Wert:^tr0256%s", 0,
                      a->anzahl, 3, Bank_Boerse[boerse].firma[a->firma], 0, FARBE, kauf.c_str(), jetzt.c_str());
        v.emplace_back(text);
    }
    if (v.empty()) v.emplace_back("(keine Aktien vorhanden)");
    return v;
}
