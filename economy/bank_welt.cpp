#include "economy/bank_welt.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

namespace {

Bank_Welt_Summen summen[2];
constexpr char MARKE[4] = {'W', 'e', 'l', 't'};

}  // namespace

const Bank_Welt_Summen& Bank_Welt_Get_Summen(int32_t saison) { return summen[saison == 1 ? 1 : 0]; }

void Bank_Welt_Buchen(uint8_t kategorie, double einnahme, double ausgabe)
{
    const uint8_t k = kategorie & 0x7F;
    if (k >= BANK_KATEGORIEN) return;
    summen[0].einnahmen[k] += einnahme;
    summen[0].ausgaben[k] += ausgabe;
}

void Bank_Welt_Saisonwechsel()
{
    summen[1] = summen[0];
    summen[0] = Bank_Welt_Summen{};
}

void Bank_Welt_Leeren()
{
    summen[0] = Bank_Welt_Summen{};
    summen[1] = Bank_Welt_Summen{};
}

const char* Bank_Kategorie_Name(int32_t kategorie)
{
    static const char* const NAMEN[BANK_KATEGORIEN] = {
        "",
        "Aktien",
        "Geldanlage",
        "Kredit",
        "Bande",
        "Übertragungsrechte",
        "Team-Ausrüstung",
        "Trikot",
        "Öffentlichkeit",
        "Merchandising",
        "Fanarbeit",
        "Dauerkarten",
        "Renovierung",
        "Eintritt",
        "Neubau",
        "Ereignisse",
        "Imbissbuden",
        "",
        "Steuerzahlung",
        "Steuerrückzahlung",
        "Zinsen für Girokonto",
        "Überziehungszinsen Girokonto",
        "Strafen",
        "Trainingslager",
        "Feiern",
        "Psycho",
        "Spielergehälter",
        "Versicherungsprämien",
        "Versicherungszahlung",
        "Spielerprämien",
        "Transfereinnahmen",
        "Transferausgaben",
        "Spielerprämien",
        "Assistentengehälter",
        "Arztgehälter",
        "Jugendarbeit",
        "Preise u. Spenden",
        "Jugendarbeit",
        "Jugendarbeit",
        "Fanartikelverkauf",
        "Preise u. Spenden",
        "DORVIN Ausgleichfond",
        "DORVIN Ausgleichfond",
        "Aktien",
        "Geldanlage",
        "Kredit",
    };
    return kategorie >= 0 && kategorie < BANK_KATEGORIEN ? NAMEN[kategorie] : "";
}

void Bank_Welt_Schreiben(uint8_t* ziel)
{
    std::memcpy(ziel, MARKE, 4);
    uint8_t* p = ziel + 4;
    for (const Bank_Welt_Summen& s : summen)
        for (const double* reihe : {s.einnahmen, s.ausgaben})
            for (int32_t k = 0; k < BANK_KATEGORIEN; ++k, p += 8) {
                uint64_t bits;
                std::memcpy(&bits, &reihe[k], 8);
                for (int i = 0; i < 8; ++i) p[i] = uint8_t(bits >> (8 * i));
            }
}

bool Bank_Welt_Lesen(const uint8_t* daten, uint32_t laenge)
{
    if (!daten || laenge != BANK_WELT_BYTES || std::memcmp(daten, MARKE, 4) != 0) return false;
    Bank_Welt_Summen neu[2];
    const uint8_t* p = daten + 4;
    for (Bank_Welt_Summen& s : neu)
        for (double* reihe : {s.einnahmen, s.ausgaben})
            for (int32_t k = 0; k < BANK_KATEGORIEN; ++k, p += 8) {
                uint64_t bits = 0;
                for (int i = 0; i < 8; ++i) bits |= uint64_t(p[i]) << (8 * i);
                std::memcpy(&reihe[k], &bits, 8);
                if (!std::isfinite(reihe[k])) return false;
            }
    summen[0] = neu[0];
    summen[1] = neu[1];
    return true;
}
