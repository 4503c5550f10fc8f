// The bank's three screens of the economy group: the finance pages, the investment page and
// the exchange monitor. They draw what the bank's models compute (bank_finanzen, bank_monitor,
// bank_anlage) and hand every click to them.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "database/manager.h"
#include "database/team.h"
#include "economy/bank.h"
#include "economy/bank_finanzen.h"
#include "economy/bank_intern.h"
#include "economy/bank_monitor.h"
#include "economy/oekonomie_schirm.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/maus.h"
#include "toolkit/icon.h"
#include "toolkit/screen.h"
#include "toolkit/wippe.h"

int32_t Bank_Finanzen_Seite(Menue_Icon* icon, uint32_t flags);
int32_t Bank_Anlage_Seite(Menue_Icon* icon, uint32_t flags);
int32_t Bank_Boerse_Seite(Menue_Icon* icon, uint32_t flags);

namespace {

constexpr int16_t SEITE_ERSTE = 2135, JAHR = 2127, PROGNOSE = 2140, WOCHEN = 2129, ZEILEN = 2130, GRAFIK = 2131,
                  PANEL = 2132, WOCHE_ERSTE = 2041;
constexpr int16_t ANLAGE_SEITE = 2040, BETRAG = 2094, LAUFZEIT = 2096, KREDITGEBER = 2017, ANLEGEN = 2098, KREDIT = 2099,
                  ZAHL = 2013, KAUFEN = 2019, VERKAUFEN = 2020;
constexpr int16_t BOERSE_SEITE = 2006, BOERSE_ERSTE = 2010, KURS_GRAFIK = 2007, BESITZ = 2008, FIRMA_ERSTE = 2320,
                  ZEITRAUM_ERSTER = 2026;
// The chart's twelve ranges share the 30 days of history evenly, the whole first: 30, 28, 25
// ... 3 days. The manager's icon states keep the choice (a firm without a chart resets it to
// the first).
constexpr int32_t ZEITRAEUME = 12, VERLAUF_TAGE = 30;
int32_t zeitraum_tage(int32_t k) { return (VERLAUF_TAGE * (ZEITRAEUME - k) + ZEITRAEUME - 1) / ZEITRAEUME; }

Oek_Liste liste;
Bank_Finanz_Zustand finanz;
// What the pointer shows while it rests: a page button's panel, or a week of the list.
int32_t zeige_panel = -1, zeige_woche = -2;
int32_t aktien_zahl = 0;
int32_t kreditgeber = -1;
Menue_Wert_Beschreibung betrag_wert{}, laufzeit_wert{}, zahl_wert{};



int32_t team() { return Aktuelles_Team; }

int32_t zeitraum()
{
    constexpr int32_t e = ZEITRAUM_ERSTER;
    const int32_t an = team() < 0 ? -1
                                  : Manager_Icon_Welcher_Togglebutton_Ist_An(team(), ZEITRAEUME, e, e + 1, e + 2, e + 3, e + 4, e + 5,
                                                                             e + 6, e + 7, e + 8, e + 9, e + 10, e + 11);
    return an >= e && an < e + ZEITRAEUME ? an - e : 0;
}

void neu_zeichnen() { Oekonomie_Neu_Zeichnen(); }

// A panel's paper: the toolkit put the icon's own plain face there first.
void papier_kasten(const Menue_Icon* icon)
{
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Papier(), Oek_Farbe(6, 6, 8));
}

// ---- Finance pages ----

int32_t finanz_hintergrund(Menue_Icon*, uint32_t)
{
    Oek_Hintergrund(444, nullptr);
    Oek_Kasten(8, 360, 582, 66, Oek_Papier(), Oek_Farbe(6, 6, 8));
    return 0;
}

int32_t seite_zeichnen(Menue_Icon* icon, uint32_t)
{
    const int32_t k = icon->nummer - SEITE_ERSTE;
    Oek_Knopf(icon, Bank_Finanz_Seiten[k].name, finanz.seite == k);
    return 0;
}

int32_t seite_klick(Menue_Icon* icon, uint32_t)
{
    finanz.seite = std::clamp(icon->nummer - SEITE_ERSTE, 0, BANK_FINANZ_SEITEN - 1);
    neu_zeichnen();
    return 1;
}

int32_t schalter_zeichnen(Menue_Icon* icon, uint32_t)
{
    Oek_Knopf(icon, icon->nummer == JAHR ? "Gesamtes Jahr" : "Aktuelle Bilanz",
              icon->nummer == JAHR ? finanz.jahr : finanz.prognose);
    return 0;
}

int32_t schalter_klick(Menue_Icon* icon, uint32_t)
{
    if (icon->nummer == JAHR) Bank_Finanz_Jahr_Schalten(&finanz, !finanz.jahr);
    else Bank_Finanz_Prognose_Schalten(&finanz, !finanz.prognose);
    neu_zeichnen();
    return 1;
}

const char* woche_text()
{
    static char t[80];
    if (finanz.prognose) return "Erwartete Beträge der laufenden Woche";
    if (finanz.woche < 0) return "Gesamtes Jahr";
    std::snprintf(t, sizeof t, "%d.Woche", finanz.woche + 1);
    return t;
}

int32_t zeilen_zeichnen(Menue_Icon* icon, uint32_t)
{
    papier_kasten(icon);
    if (zeige_panel >= 0) {
        // The page button's panel: per line income, expense and balance, then the tax line.
        const std::vector<std::string> p = Bank_Finanz_Panel(team(), zeige_panel, finanz);
        for (size_t k = 0; k < p.size(); ++k) Oek_Zeile(icon->x + 10, icon->y + 14 + int32_t(k) * 15, p[k]);
        return 0;
    }
    Bank_Finanz_Zustand z_zustand = finanz;
    if (zeige_woche >= -1) z_zustand.woche = zeige_woche;
    const std::vector<std::string> z = Bank_Finanz_Zeilen(team(), z_zustand);
    std::swap(finanz, z_zustand);
    Oek_Text(icon->x + 8, icon->y + 12, Oek_Farbe(9, 2, 0), woche_text());
    std::swap(finanz, z_zustand);
    for (size_t k = 0; k < z.size(); ++k) Oek_Zeile(icon->x + 4, icon->y + 28 + int32_t(k) * 15, z[k]);
    return 0;
}

int32_t grafik_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z) return 0;
    papier_kasten(icon);
    float saldo[52];
    Bank_Finanz_Saison(team(), saldo);
    float groesster = 1.0f;
    for (float s : saldo) groesster = std::max(groesster, std::fabs(s));
    const int32_t mitte = icon->y + 44, halb = 30;
    Oek_Text(icon->x + 6, icon->y + 11, Oek_Tinte(), "Saldo je Woche der Saison");
    Grafik_Linie(z, icon->x + 6, mitte, icon->x + 6 + 52 * 10, mitte, Oek_Farbe(6, 6, 8));
    const int32_t aktuell = Bank_Finanz_Aktuelle_Woche();
    for (int32_t w = 0; w < 52; ++w) {
        const int32_t h = int32_t(std::lround(std::fabs(saldo[w]) / groesster * halb));
        const int32_t x = icon->x + 8 + w * 10;
        const uint16_t f = saldo[w] >= 0 ? Oek_Farbe(2, 10, 3) : Oek_Farbe(12, 2, 2);
        if (h > 0) Grafik_Rechteck_Fuellen(z, x, saldo[w] >= 0 ? mitte - h : mitte + 1, 7, h, f);
        if (w == aktuell) Grafik_Rechteck_Fuellen(z, x, mitte + halb + 2, 7, 2, Oek_Farbe(9, 2, 0));
    }
    return 0;
}

int32_t woche_zeichnen(Menue_Icon* icon, uint32_t)
{
    const int32_t w = icon->nummer - WOCHE_ERSTE;
    const bool an = !finanz.jahr && !finanz.prognose && finanz.woche == w;
    Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, icon->x, icon->y, icon->breite, icon->hoehe,
                            an ? Oek_Farbe(15, 11, 4) : Oek_Papier());
    char t[16];
    std::snprintf(t, sizeof t, "%d.Woche", w + 1);
    Oek_Text(icon->x + 3, icon->y + 10, finanz.jahr || finanz.prognose ? Oek_Farbe(8, 8, 8) : Oek_Tinte(), t);
    return 0;
}

int32_t woche_klick(Menue_Icon* icon, uint32_t)
{
    Bank_Finanz_Woche_Waehlen(&finanz, icon->nummer - WOCHE_ERSTE);
    neu_zeichnen();
    return 1;
}

int32_t panel_zeichnen(Menue_Icon* icon, uint32_t)
{
    // The chosen page's totals and the tax line.
    papier_kasten(icon);
    const std::vector<std::string> p = Bank_Finanz_Panel(team(), finanz.seite, finanz);
    if (p.empty()) return 0;
    double ein = 0, aus = 0;
    const Bank_Finanz_Seite& s = Bank_Finanz_Seiten[finanz.seite];
    for (int32_t k = 0; k < BANK_FINANZ_ZEILEN; ++k)
        if (s.zeile[k]) (k % 2 ? aus : ein) += Bank_Finanz_Zeile(team(), finanz.seite, k, finanz);
    char t[300];
    std::snprintf(t, sizeof t, "Summe \"%s\":^tr0200%s^tl0235Ausgaben^tr0400%s^tl0420Saldo^tr0560%s", s.name,
                  Bank_Betrag_String(ein, team(), -1, 0), Bank_Betrag_String(aus, team(), -1, 0),
                  Bank_Betrag_String(ein - aus, team(), -1, 0));
    Oek_Zeile(icon->x + 4, icon->y + 14, t);
    Oek_Zeile(icon->x + 10, icon->y + 32, p.back());
    return 0;
}

const char* seite_hilfe(Menue_Icon* icon)
{
    static char t[160];
    std::snprintf(t, sizeof t, "Hier sehen Sie die Einnahmen und Ausgaben aus der Kategorie \"%s\"",
                  Bank_Finanz_Seiten[std::clamp(icon->nummer - SEITE_ERSTE, 0, 3)].name);
    return t;
}

// Each pass of the menu: the page button or week under the pointer is shown while it rests
// there; when the pointer leaves, the chosen page and week come back.
void zeiger_verfolgen(int32_t x, int32_t y, int32_t)
{
    if (!Menue_Screen_Icon_Ist_Vorhanden(ZEILEN)) {
        Menue_Hook_Registrieren(zeiger_verfolgen, 1);
        zeige_panel = -1, zeige_woche = -2;
        return;
    }
    int32_t panel = -1, woche = -2;
    for (int32_t k = 0; k < BANK_FINANZ_SEITEN; ++k)
        if (const Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(SEITE_ERSTE + k))
            if (x >= i->x && x < i->x + i->breite && y >= i->y && y < i->y + i->hoehe) panel = k;
    if (!finanz.jahr && !finanz.prognose)
        for (int32_t w = 0; w <= 52; ++w)
            if (const Menue_Icon* i = Menue_Screen_Icon_Ist_Vorhanden(WOCHE_ERSTE + w) ? Menue_Screen_Icon_Aus_Nummer(WOCHE_ERSTE + w) : nullptr)
                if (x >= i->x && x < i->x + i->breite && y >= i->y && y < i->y + i->hoehe) woche = w;
    if (panel == zeige_panel && woche == zeige_woche) return;
    zeige_panel = panel;
    zeige_woche = woche;
    Menue_Screen_Icon_Aktiv_Setzen(1, ZEILEN);
}

void finanzen_bauen()
{
    liste.leeren();
    zeige_panel = -1, zeige_woche = -2;
    if (Menue_Hook != zeiger_verfolgen && !Menue_Hook) Menue_Hook_Registrieren(zeiger_verfolgen, 0);
    liste.neu(PANEL + 1, 0, OEK_Y, OEK_B, OEK_H, 1, finanz_hintergrund).flags |= ICON_NICHT_TREFFEN;
    for (int32_t k = 0; k < BANK_FINANZ_SEITEN; ++k) {
        Menue_Icon& i = liste.neu(int16_t(SEITE_ERSTE + k), int16_t(10 + 96 * k), 70, 90, 18, 5, seite_zeichnen);
        i.klick = seite_klick;
        i.mausover = seite_hilfe;
    }
    liste.knopf(JAHR, 400, 70, 92, 18, 5, schalter_zeichnen, schalter_klick, "Gesamte Bilanz in dieser Saison");
    liste.knopf(PROGNOSE, 496, 70, 92, 18, 5, schalter_zeichnen, schalter_klick,
                "Die erwarteten Einnahmen und Ausgaben der laufenden Woche");
    liste.neu(ZEILEN, 8, 92, 582, 178, 3, zeilen_zeichnen).flags |= ICON_NICHT_TREFFEN;
    liste.neu(GRAFIK, 8, 274, 582, 82, 3, grafik_zeichnen).flags |= ICON_NICHT_TREFFEN;
    Menue_Icon& l = liste.neu(WOCHEN, 8, 360, 582, 66, 3, nullptr);
    l.hilfetext = "Hier können Sie die Bilanzen einzelner Wochen abrufen";
    const int32_t aktuell = std::min(Bank_Finanz_Aktuelle_Woche(), 52);
    for (int32_t w = 0; w <= aktuell; ++w) {
        Menue_Icon& i = liste.neu(int16_t(WOCHE_ERSTE + w), int16_t(12 + (w % 11) * 52), int16_t(363 + (w / 11) * 12), 50,
                                  12, 5, woche_zeichnen);
        i.klick = woche_klick;
        i.hilfetext = "Hier können Sie die Bilanzen einzelner Wochen abrufen";
    }
    liste.neu(PANEL, 8, 430, 582, 46, 3, panel_zeichnen).flags |= ICON_NICHT_TREFFEN;
}

// ---- Investment page ----

int32_t anlage_hintergrund(Menue_Icon*, uint32_t)
{
    Oek_Hintergrund(445, nullptr);
    Oek_Kasten(8, 70, 286, 196, Oek_Papier(), Oek_Farbe(6, 6, 8));
    Oek_Kasten(8, 270, 286, 206, Oek_Papier(), Oek_Farbe(6, 6, 8));
    Oek_Kasten(300, 70, 290, 250, Oek_Papier(), Oek_Farbe(6, 6, 8));
    Oek_Kasten(300, 324, 290, 152, Oek_Papier(), Oek_Farbe(6, 6, 8));
    const int32_t t = team();
    char s[200];
    Oek_Text(16, 92, Oek_Tinte(), "Betrag:");
    Oek_Text(16, 122, Oek_Tinte(), "Laufzeit:");
    Oek_Text(16, 148, Oek_Tinte(), "Kreditgeber:");
    Oek_Text(16, 214, Oek_Tinte(), "Aktien:");
    const int32_t b = Bank.boerse_wahl < BANK_BOERSEN ? Bank.boerse_wahl : 0;
    const uint32_t f = Bank.firma_wahl < uint32_t(BANK_FIRMEN) ? Bank.firma_wahl : 0;
    std::snprintf(s, sizeof s, "Firma im Monitor: %s", Bank_Boerse[b].firma[f][0] ? Bank_Boerse[b].firma[f] : "keine");
    Oek_Text(16, 258, Oek_Farbe(6, 6, 8), s);
    // Credits and deposits.
    Oek_Text(16, 286, Oek_Farbe(9, 2, 0), "Ihre Kredite und Festgelder:");
    const std::vector<Bank_Anlagen_Zeile> a = Bank_Anlagen_Zeilen();
    for (size_t k = 0; k < a.size() && k < 14; ++k) Oek_Zeile(16, 302 + int32_t(k) * 12, a[k].text);
    // Rates.
    const Bank_Zinsen_Tafel z = Bank_Zinsen_Zeilen();
    const int32_t x = 310, x2 = 450;
    auto label = [&](int32_t i, int32_t lx, int32_t ly) {
        if (i < int32_t(z.beschriftung.size())) Oek_Text(lx, ly, Oek_Tinte(), z.beschriftung[size_t(i)].c_str());
    };
    auto wert = [&](int32_t i, int32_t wx, int32_t wy) {
        if (i < int32_t(z.werte.size())) Oek_Zeile(wx, wy, z.werte[size_t(i)]);
    };
    label(0, x, 86);
    label(2, x + 55, 102);
    label(3, x + 110, 102);
    for (int32_t k = 0; k < BANK_LAUFZEITEN; ++k) {
        label(4 + k, x, 116 + 13 * k);
        wert(k, x + 10, 116 + 13 * k);
    }
    label(11, x, 218);
    for (int32_t k = 0; k < 3; ++k) {
        label(12 + k, x, 232 + 13 * k);
        wert(7 + k, x + 10, 232 + 13 * k);
    }
    label(15, x, 280);
    wert(10, x + 30, 280);
    label(1, x2, 116);
    wert(11, x2 - 20, 130);
    label(16, x2, 150);
    wert(12, x2 - 20, 164);
    label(17, x2, 184);
    wert(13, x2 - 20, 198);
    // Wealth.
    const std::vector<std::string> v = Bank_Vermoegen_Zeilen(t);
    for (size_t k = 0; k < v.size(); ++k) Oek_Zeile(310, 342 + int32_t(k) * 13, v[k]);
    return 0;
}

int32_t knopf_zeichnen(Menue_Icon* icon, uint32_t)
{
    const char* t = "";
    switch (icon->nummer) {
    case ANLEGEN: t = "Festgeld anlegen"; break;
    case KREDIT: t = "Kredit aufnehmen"; break;
    case KAUFEN: t = "Kaufen"; break;
    case VERKAUFEN: t = "Verkaufen"; break;
    default: break;
    }
    Oek_Knopf(icon, t, false);
    return 0;
}

// The amount rocker reaches the credit line or, when larger, the balance. Its outermost buttons
// step by maximum / 20000 x 10000; the inner ones by a tenth and a hundredth of that, in whole
// 10,000 DM, so that every amount of the range can be set.
void betrag_grenzen()
{
    const int32_t t = team();
    const float maximum = std::max({Bank_Get_Kreditrahmen(t), float(Bank_Get_Kontostand(t, 0, -1)), 0.0f});
    const double grob = std::floor(double(maximum) / 20000.0) * 10000.0;
    betrag_wert.maximum = int32_t(std::min(double(maximum), 2.0e9));
    betrag_wert.schritt = int32_t(std::max(10000.0, std::floor(grob / 100.0 / 10000.0) * 10000.0));
    if (Bank_Wippe_Betrag > float(betrag_wert.maximum)) Bank_Wippe_Betrag = float(betrag_wert.maximum);
    if (!(Bank_Wippe_Betrag >= 0.0f)) Bank_Wippe_Betrag = 0.0f;
}

int32_t betrag_zeichnen(Menue_Icon* icon, uint32_t)
{
    betrag_grenzen();
    Menue_Wippe_Zeichnen(icon, Bank_Betrag_String(Bank_Wippe_Betrag, team(), -1, 0));
    return 0;
}

int32_t laufzeit_zeichnen(Menue_Icon* icon, uint32_t)
{
    const int32_t m = Bank_Laufzeit[std::clamp(Bank_Wippe_Laufzeit, 0, BANK_LAUFZEITEN - 1)];
    Menue_Wippe_Zeichnen(icon, Oek_Fmt(m == 1 ? "%d Monat" : "%d Monate", m).c_str());
    return 0;
}

// The share count reaches the limit of the exchange chosen in the monitor.
int32_t zahl_zeichnen(Menue_Icon* icon, uint32_t)
{
    const int32_t b = Bank.boerse_wahl < BANK_BOERSEN ? Bank.boerse_wahl : 0;
    zahl_wert.maximum = std::max(0, Bank_Aktien_Limit[b]);
    aktien_zahl = std::clamp(aktien_zahl, 0, zahl_wert.maximum);
    Menue_Wippe_Zeichnen(icon, Oek_Fmt(aktien_zahl == 1 ? "%d Aktie" : "%d Aktien", aktien_zahl).c_str());
    return 0;
}

int32_t geber_zeichnen(Menue_Icon* icon, uint32_t)
{
    Oek_Kasten(icon->x, icon->y, icon->breite, icon->hoehe, Oek_Farbe(15, 15, 15), Oek_Farbe(6, 6, 8));
    const char* name = kreditgeber >= 0 ? Team_String(194, kreditgeber, nullptr, 0) : "Bank";
    Oek_Text(icon->x + 4, icon->y + 12, Oek_Tinte(), name);
    return 0;
}

Menue_Kontextmenue* geber_menue(Menue_Icon*)
{
    return Bank_Kreditgeber_Menue(Bank_Laufzeit[std::clamp(Bank_Wippe_Laufzeit, 0, BANK_LAUFZEITEN - 1)]);
}

int32_t aktion_klick(Menue_Icon* icon, uint32_t)
{
    const int32_t t = team();
    switch (icon->nummer) {
    case ANLEGEN: Bank_Anlegen_Knopf(t); break;
    case KREDIT: Bank_Kredit_Knopf(t, kreditgeber); break;
    case KAUFEN: Bank_Aktien_Knopf(t, aktien_zahl, false); break;
    case VERKAUFEN: Bank_Aktien_Knopf(t, aktien_zahl, true); break;
    default: return 0;
    }
    neu_zeichnen();
    return 1;
}

void anlagen_bauen()
{
    liste.leeren();
    kreditgeber = -1;
    liste.neu(ANLAGE_SEITE, 0, OEK_Y, OEK_B, OEK_H, 1, anlage_hintergrund).flags |= ICON_NICHT_TREFFEN;
    auto knopf = [](int16_t n, int16_t x, int16_t y, uint16_t b, Menue_Klick_Prozedur k, const char* hilfe) {
        Menue_Icon& i = liste.neu(n, x, y, b, 18, 5, knopf_zeichnen);
        i.klick = k;
        i.flags |= ICON_RECHTE_TASTE;
        i.hilfetext = hilfe;
    };
    Bank_Wippe_Laufzeit = std::clamp(Bank_Wippe_Laufzeit, 0, BANK_LAUFZEITEN - 1);
    betrag_wert = Menue_Wippe_Wert(&Bank_Wippe_Betrag, 0, 0, 10000);
    betrag_grenzen();
    laufzeit_wert = Menue_Wippe_Wert(&Bank_Wippe_Laufzeit, 0, BANK_LAUFZEITEN - 1, 1);
    zahl_wert = Menue_Wippe_Wert(&aktien_zahl, 0, 0, 1);
    liste.wippe(BETRAG, 154, 76, 130, 5, &betrag_wert, nullptr, betrag_zeichnen, "Betrag einstellen");
    liste.wippe(LAUFZEIT, 204, 106, 0, 5, &laufzeit_wert, nullptr, laufzeit_zeichnen, "Laufzeit einstellen");
    liste.wippe(ZAHL, 204, 196, 0, 5, &zahl_wert, nullptr, zahl_zeichnen, "Anzahl der Aktien einstellen");
    Menue_Icon& g = liste.neu(KREDITGEBER, 100, 136, 182, 18, 5, geber_zeichnen);
    g.kontext = geber_menue;
    g.hilfetext = "Von wem möchten Sie das Geld leihen? (rechte Maustaste)";
    knopf(ANLEGEN, 16, 162, 130, aktion_klick, "Legen Sie den Betrag als Festgeld an");
    knopf(KREDIT, 152, 162, 130, aktion_klick, "Nehmen Sie einen Kredit über den Betrag auf");
    knopf(KAUFEN, 16, 230, 130, aktion_klick, "Aktien der im Monitor eingestellten Firma kaufen");
    knopf(VERKAUFEN, 152, 230, 130, aktion_klick, "Aktien der im Monitor eingestellten Firma verkaufen");
}

// ---- Exchange monitor ----

// Firm 0 of an exchange is its index, not a firm: the lists start at 1.

// A price line: the firm's name, shortened to its column, and the prices behind it.
void kurs_zeile(int32_t x, int32_t y, const std::string& text)
{
    const size_t teil = text.find("^y");
    if (teil == std::string::npos) {
        Oek_Zeile(x, y, text);
        return;
    }
    std::string name = text.substr(0, teil);
    while (name.size() > 1 && Font_Text_Breite(Font(11), name.c_str()) > 140) name.pop_back();
    Oek_Zeile(x, y, name);
    Oek_Zeile(x + 110, y, text.substr(teil));
}

constexpr int32_t KURS_Y = 112, KURS_ZEILE = 14;

int32_t boerse_hintergrund(Menue_Icon*, uint32_t)
{
    Oek_Hintergrund(445, nullptr);
    Oek_Kasten(8, 92, 582, 214, Oek_Papier(), Oek_Farbe(6, 6, 8));
    Oek_Kasten(326, 310, 264, 166, Oek_Papier(), Oek_Farbe(6, 6, 8));
    const int32_t b = Bank.boerse_wahl < BANK_BOERSEN ? Bank.boerse_wahl : 0;
    const std::vector<std::string> k = Bank_Kurse_Zeilen(b);
    if (!k.empty()) Oek_Zeile(124, KURS_Y - 14, k[0]);
    // The chosen firm's line is marked; a click on a line chooses its firm.
    int32_t zeile_nr = 0;
    for (int32_t f = 1; f < BANK_FIRMEN; ++f) {
        if (!Bank_Boerse[b].firma[f][0]) continue;
        if (Bank.firma_wahl == uint32_t(f))
            Grafik_Rechteck_Fuellen(Grafik_Render_Ziel, 10, KURS_Y + zeile_nr * KURS_ZEILE - 10, 578, KURS_ZEILE,
                                    Oek_Farbe(15, 11, 4));
        ++zeile_nr;
    }
    for (size_t i = 1; i < k.size() && i < 15; ++i) kurs_zeile(14, KURS_Y + int32_t(i - 1) * KURS_ZEILE, k[i]);
    Oek_Text(332, 326, Oek_Farbe(9, 2, 0), "Ihre Aktien an dieser Börse:");
    const std::vector<std::string> a = Bank_Aktien_Zeilen(team(), b);
    for (size_t i = 0; i < a.size() && i < 4; ++i) Oek_Zeile(332, 344 + int32_t(i) * 32, a[i]);
    return 0;
}

int32_t boerse_knopf_zeichnen(Menue_Icon* icon, uint32_t)
{
    const int32_t b = icon->nummer - BOERSE_ERSTE;
    Oek_Knopf(icon, Bank_Boerse[b].name[0] ? Bank_Boerse[b].name : "Börse", Bank.boerse_wahl == b);
    return 0;
}

int32_t firma_erste(int32_t b)
{
    for (int32_t f = 1; f < BANK_FIRMEN; ++f)
        if (Bank_Boerse[b].firma[f][0]) return f;
    return 1;
}

void boerse_liste_bauen();

int32_t boerse_knopf_klick(Menue_Icon* icon, uint32_t)
{
    const int32_t b = icon->nummer - BOERSE_ERSTE;
    Bank_Aktie_Waehlen(b, firma_erste(b));
    boerse_liste_bauen();
    Oekonomie_Liste_Zeigen(&liste);
    return 1;
}

int32_t firma_klick(Menue_Icon* icon, uint32_t)
{
    Bank_Aktie_Waehlen(Bank.boerse_wahl, icon->kennung_1);
    neu_zeichnen();
    return 1;
}

int32_t kurs_grafik(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    const int32_t b = Bank.boerse_wahl < BANK_BOERSEN ? Bank.boerse_wahl : 0;
    const uint32_t f = Bank.firma_wahl;
    if (!z) return 0;
    papier_kasten(icon);
    if (f >= uint32_t(BANK_FIRMEN) || !Bank_Boerse[b].firma[f][0]) return 0;
    // The newest day last: the chosen range is the end of the history.
    const int32_t tage = zeitraum_tage(zeitraum());
    const float* v = Bank_Boerse[b].verlauf[f] + (VERLAUF_TAGE - tage);
    float lo = v[0], hi = v[0];
    for (int32_t k = 0; k < tage; ++k) lo = std::min(lo, v[k]), hi = std::max(hi, v[k]);
    if (hi - lo < 0.01f) hi = lo + 1.0f;
    char t[120];
    // The range in the table's form beside it, with the decimal comma.
    std::snprintf(t, sizeof t, "%s: %d Tage, %s bis %s", Bank_Boerse[b].firma[f], tage, Bank_Kurs_Text(lo).c_str(),
                  Bank_Kurs_Text(hi).c_str());
    Oek_Text(icon->x + 4, icon->y + 12, Oek_Tinte(), t);
    // Below the curve stands the row of range buttons.
    const int32_t x0 = icon->x + 10, y0 = icon->y + 22, w = icon->breite - 20, h = icon->hoehe - 48;
    Grafik_Linie(z, x0, y0 + h, x0 + w, y0 + h, Oek_Farbe(6, 6, 8));
    Grafik_Linie(z, x0, y0, x0, y0 + h, Oek_Farbe(6, 6, 8));
    int32_t px = 0, py = 0;
    for (int32_t k = 0; k < tage; ++k) {
        const int32_t x = x0 + k * w / std::max(1, tage - 1), y = y0 + h - int32_t((v[k] - lo) / (hi - lo) * float(h));
        if (k > 0) Grafik_Linie(z, px, py, x, y, v[tage - 1] >= v[0] ? Oek_Farbe(1, 9, 2) : Oek_Farbe(12, 1, 1));
        px = x, py = y;
    }
    return 0;
}

int32_t zeitraum_zeichnen(Menue_Icon* icon, uint32_t)
{
    const int32_t k = icon->nummer - ZEITRAUM_ERSTER;
    Oek_Knopf(icon, Oek_Fmt("%d", zeitraum_tage(k)).c_str(), k == zeitraum());
    return 0;
}

int32_t zeitraum_klick(Menue_Icon* icon, uint32_t)
{
    constexpr int32_t e = ZEITRAUM_ERSTER;
    if (team() >= 0)
        Manager_Icon_Togglebutton_An_Aus(team(), ZEITRAEUME, icon->nummer, e, e + 1, e + 2, e + 3, e + 4, e + 5, e + 6, e + 7,
                                         e + 8, e + 9, e + 10, e + 11);
    neu_zeichnen();
    return 1;
}

void boerse_liste_bauen()
{
    liste.leeren();
    liste.neu(BOERSE_SEITE, 0, OEK_Y, OEK_B, OEK_H, 1, boerse_hintergrund).flags |= ICON_NICHT_TREFFEN;
    for (int32_t b = 0; b < BANK_BOERSEN; ++b) {
        Menue_Icon& i = liste.neu(int16_t(BOERSE_ERSTE + b), int16_t(10 + 120 * b), 70, 114, 18, 5, boerse_knopf_zeichnen);
        i.klick = boerse_knopf_klick;
        i.hilfetext = "Wählen Sie die Börse";
    }
    const int32_t b = Bank.boerse_wahl < BANK_BOERSEN ? Bank.boerse_wahl : 0;
    int32_t zeile_nr = 0;
    for (int32_t f = 1; f < BANK_FIRMEN; ++f) {
        if (!Bank_Boerse[b].firma[f][0]) continue;
        Menue_Icon& i = liste.neu(int16_t(FIRMA_ERSTE + f), 10, int16_t(KURS_Y + zeile_nr * KURS_ZEILE - 10), 578,
                                  KURS_ZEILE, 5, nullptr);
        i.kennung_1 = int16_t(f);
        i.klick = firma_klick;
        i.hilfetext = "Zeigen Sie den Kursverlauf dieser Firma";
        ++zeile_nr;
    }
    liste.neu(KURS_GRAFIK, 8, 310, 314, 166, 3, kurs_grafik).flags |= ICON_NICHT_TREFFEN;
    for (int32_t k = 0; k < ZEITRAEUME; ++k) {
        Menue_Icon& i = liste.neu(int16_t(ZEITRAUM_ERSTER + k), int16_t(12 + 25 * k), 454, 24, 18, 5, zeitraum_zeichnen);
        i.klick = zeitraum_klick;
        i.hilfetext = "Wählen Sie, wie viele Tage der Kursverlauf zeigt";
    }
}

}  // namespace

const Bank_Finanz_Zustand& Bank_Finanzen_Zustand() { return finanz; }
void Bank_Finanzen_Zuruecksetzen() { finanz = Bank_Finanz_Zustand{}; }
int32_t Bank_Kurs_Zeitraum() { return zeitraum_tage(zeitraum()); }

int32_t Bank_Finanzen_Seite(Menue_Icon*, uint32_t)
{
    if (team() < 0) return 0;
    if (Bank_Ist_Client()) Bank_Client_Buchungen_Holen(team());
    finanzen_bauen();
    Oekonomie_Liste_Zeigen(&liste);
    return 1;
}

int32_t Bank_Anlage_Seite(Menue_Icon*, uint32_t)
{
    if (team() < 0) return 0;
    if (Bank_Ist_Client()) {
        Bank_Client_Refresh(team());
        // the rates panel shows the index of every exchange
        for (int32_t e = 0; e < BANK_BOERSEN; ++e) Bank_Client_Boerse_Holen(team(), e);
    }
    anlagen_bauen();
    Oekonomie_Liste_Zeigen(&liste);
    return 1;
}

int32_t Bank_Boerse_Seite(Menue_Icon*, uint32_t)
{
    if (team() < 0) return 0;
    if (Bank_Ist_Client()) Bank_Client_Boersen_Holen(team());
    boerse_liste_bauen();
    Oekonomie_Liste_Zeigen(&liste);
    return 1;
}
