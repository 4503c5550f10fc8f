#include "economy/bank_finanzen.h"

#include <cstdio>

#include "economy/bank.h"
#include "gameflow/kalender.h"

namespace {
constexpr uint32_t P(uint32_t a, uint32_t b = 0, uint32_t c = 0, uint32_t d = 0) { return a | b << 8 | c << 16 | d << 24; }

std::string formatiert(const char* format, auto... werte)
{
    char text[400];
    std::snprintf(text, sizeof text, format, werte...);
    return text;
}

const char* geld(double betrag, int32_t team) { return Bank_Betrag_String(betrag, team, -1, 0); }

int32_t zeilen_paare(const Bank_Finanz_Seite& s)
{
    int32_t n = 0;
    while (n < BANK_FINANZ_ZEILEN / 2 && (s.zeile[2 * n] || s.zeile[2 * n + 1])) ++n;
    return n;
}

constexpr uint32_t FARBE_TEXT = 0, FARBE_SALDO_PLUS = 2, FARBE_SALDO_MINUS = 5;
}  // namespace

const Bank_Finanz_Seite Bank_Finanz_Seiten[BANK_FINANZ_SEITEN] = {
    {"Finanzen",
     {P(20), P(21), P(19), P(18), P(1), P(43), P(3), P(45), P(2), P(44), P(40, 36), P(22), P(41), P(42)},
     {"Zinsen für Girokonto", "Überziehungszinsen Girokonto", "Steuerrückzahlung", "Steuerzahlung", "Aktien", "Aktien",
      "Kredit", "Kredit", "Geldanlage", "Geldanlage", "Preise u. Spenden", "Strafen", "DORVIN Ausgleichfond",
      "DORVIN Ausgleichfond"},
     {P(20), P(21), 0, 0, 0, 0, 0, P(45), P(2)}},
    {"Werbung",
     {P(39), P(9), P(4), P(8), P(5), P(10), P(6), 0, P(7), 0},
     {"Fanartikelverkauf", "Merchandising", "Bande", "Öffentlichkeit", "Übertragungsrechte", "Fanarbeit",
      "Team-Ausrüstung", "", "Trikot", ""},
     {P(39), P(9), P(4), P(8), P(5), P(10), P(6), 0, P(7), 0}},
    {"Team",
     {P(30), P(31), P(28), P(27), 0, P(26), 0, P(29, 32), 0, P(23, 24, 25), 0, P(33, 34), 0, P(35, 37, 38)},
     {"Transfereinnahmen", "Transferausgaben", "Versicherungszahlung", "Versicherungsprämien", "", "Spielergehälter", "",
      "Spielerprämien", "", "Trainingsl., Feiern, Psycho", "", "Arzt- u. Assigehälter", "", "Jugendarbeit"},
     {0, 0, 0, P(27), 0, P(26), 0, P(29, 32), 0, 0, 0, P(33, 34), 0, P(35, 37, 38)}},
    {"Stadion",
     {P(11), P(12), P(13), P(14), P(16), P(15)},
     {"Dauerkarten", "Renovierung", "Eintritt", "Neubau", "Imbissbuden", "Ereignisse"},
     {P(11), P(12), P(13)}},
};

int32_t Bank_Finanz_Aktuelle_Woche() { return (Kalender_Get_Heute() - Kalender_Get_Saisonstart()) / 7; }

void Bank_Finanz_Woche_Waehlen(Bank_Finanz_Zustand* z, int32_t woche)
{
    if (!z || z->jahr || z->prognose) return;
    const int32_t aktuell = Bank_Finanz_Aktuelle_Woche();
    z->woche = woche > aktuell ? aktuell : woche < -1 ? -1 : woche;
}

static void schalten(Bank_Finanz_Zustand* z, bool& schalter, bool& anderer, bool an)
{
    if (schalter == an) return;
    if (an) {
        if (!anderer) z->gemerkt = z->woche;
        anderer = false;
        z->woche = -1;
    } else {
        z->woche = z->gemerkt;
    }
    schalter = an;
}

void Bank_Finanz_Jahr_Schalten(Bank_Finanz_Zustand* z, bool an)
{
    if (z) schalten(z, z->jahr, z->prognose, an);
}

void Bank_Finanz_Prognose_Schalten(Bank_Finanz_Zustand* z, bool an)
{
    if (z) schalten(z, z->prognose, z->jahr, an);
}

double Bank_Finanz_Zeile(int32_t team, int32_t seite, int32_t zeile, const Bank_Finanz_Zustand& z)
{
    if (seite < 0 || seite >= BANK_FINANZ_SEITEN || zeile < 0 || zeile >= BANK_FINANZ_ZEILEN) return 0.0f;
    const Bank_Finanz_Seite& s = Bank_Finanz_Seiten[seite];
    const uint32_t wort = z.prognose ? s.prognose[zeile] : s.zeile[zeile];
    const int32_t richtung = zeile % 2 == 0 ? 0x80 : 0;
    const int32_t woche = z.woche > Bank_Finanz_Aktuelle_Woche() ? Bank_Finanz_Aktuelle_Woche() : z.woche;
    double summe = 0;
    for (int32_t b = 0; b < 4; ++b) {
        const int32_t k = int32_t(wort >> (8 * b)) & 0xff;
        if (k != 0) summe += Bank_Summe_Kategorie(team, woche, k | richtung, z.prognose ? 1 : 0);
    }
    return summe;
}

std::vector<std::string> Bank_Finanz_Zeilen(int32_t team, const Bank_Finanz_Zustand& z)
{
    std::vector<std::string> v{formatiert("^c%#05d^tz0107Einnahmen^tz0290Ausgaben^tz0492Saldo", FARBE_TEXT)};
    const Bank_Finanz_Seite& s = Bank_Finanz_Seiten[z.seite < 0 || z.seite >= BANK_FINANZ_SEITEN ? 0 : z.seite];
    const int32_t seite = int32_t(&s - Bank_Finanz_Seiten);
    for (int32_t i = 0; i < zeilen_paare(s); ++i) {
        const std::string ein = s.zeile[2 * i] ? geld(Bank_Finanz_Zeile(team, seite, 2 * i, z), team) : "";
        const std::string aus = s.zeile[2 * i + 1] ? geld(Bank_Finanz_Zeile(team, seite, 2 * i + 1, z), team) : "";
        v.push_back(formatiert("^c%#05d^tl0008%s^tr0200%s^tl0235%s^tr0513%s", FARBE_TEXT, s.zeilen_name[2 * i], ein.c_str(),
                               s.zeilen_name[2 * i + 1], aus.c_str()));
    }
    return v;
}

std::vector<std::string> Bank_Finanz_Panel(int32_t team, int32_t seite, const Bank_Finanz_Zustand& z)
{
    if (seite < 0 || seite >= BANK_FINANZ_SEITEN) return {};
    const Bank_Finanz_Seite& s = Bank_Finanz_Seiten[seite];
    std::vector<std::string> v{formatiert("^c%#05d^tz0277%s", FARBE_TEXT, s.name)};
    for (int32_t i = 0; i < zeilen_paare(s); ++i) {
        const double ein = Bank_Finanz_Zeile(team, seite, 2 * i, z), aus = Bank_Finanz_Zeile(team, seite, 2 * i + 1, z);
        // Each amount under its row's name, as on the page itself: bare figures said nothing.
        const std::string a = s.zeile[2 * i] ? geld(ein, team) : "", b = s.zeile[2 * i + 1] ? geld(aus, team) : "";
        const std::string c = geld(ein - aus, team);
        v.push_back(formatiert("^c%#05d^tl0000%s^tr0225%s^tl0240%s^tr0470%s^c%#05d^tr0565%s", FARBE_TEXT,
                               s.zeilen_name[2 * i], a.c_str(), s.zeilen_name[2 * i + 1], b.c_str(),
                               ein >= aus ? FARBE_SALDO_PLUS : FARBE_SALDO_MINUS, c.c_str()));
    }
    const float gewinn = float(Bank_Get_Steuergewinn(team));
    const std::string g = geld(gewinn, team), st = geld(Bank_Steuer_Berechnen(gewinn), team);
    v.push_back(formatiert("^c%#05d^tz0280Steuerrelevanter Gewinn:  %s ,      fällige Steuern: %s", FARBE_TEXT, g.c_str(),
                           st.c_str()));
    return v;
}

std::vector<std::string> Bank_Finanz_Wochenliste()
{
    std::vector<std::string> v;
    const int32_t aktuell = Bank_Finanz_Aktuelle_Woche();
    for (int32_t w = 0; w <= aktuell && w < 53; ++w) v.push_back(formatiert("^tz%#04d^c%#05d%d.Woche", 40, FARBE_TEXT, w + 1));
    return v;
}

void Bank_Finanz_Saison(int32_t team, float* saldo)
{
    for (int32_t w = 0; w < 52; ++w)
        saldo[w] = Bank_Summe_Kategorie(team, w, 0x80, 0) - Bank_Summe_Kategorie(team, w, 0, 0);
}
