#include "competitions/ligen_tabelle.h"

#include <algorithm>
#include <cstdio>
#include <cmath>
#include <cstdlib>

#include "competitions/spiele.h"
#include "competitions/spiele_tabelle.h"
#include "database/manager.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_zeichnen.h"
#include "toolkit/scroll.h"

namespace {

constexpr int32_t TENDENZ_FENSTER = 12;
constexpr int32_t ZEILEN_MAX = LT_ZEILEN_MAX;

bool an(int32_t icon) { return Manager_Icon_Button_Lesen(Aktuelles_Team, icon) != 0; }
void setzen(int32_t icon, bool ein) { Manager_Icon_Button_An_Aus(Aktuelles_Team, icon, ein ? 1 : 0); }

// Goals of one leg: the forecast, or those within the minutes; false when unplayed.
bool bein_tore(int32_t h, int32_t von, int32_t bis, int32_t tip, int32_t* heim, int32_t* gast)
{
    if (tip) return Spiele_Get_Tip(h, heim, gast, 0);
    // The whole match is its result; a minute range counts the goal events within it.
    const Spiele_Spiel* s = von < 0 && bis < 0 ? Spiele_Get_Spiel(h, 1) : Spiele_Get_Spiel_Tore_Bis_Minute(h, von, bis);
    if (!s || s->heim_tore < 0) return false;
    *heim = s->heim_tore;
    *gast = s->gast_tore;
    return true;
}

// Rank of a competition in its league hierarchy, top first, parallel leagues by their order;
// -1 outside it.
int32_t hierarchie_rang(Wettbewerb_Id oben, Wettbewerb_Id gesucht)
{
    int32_t rang = 0;
    std::vector<Wettbewerb_Id> stufen;
    for (Wettbewerb_Id s = Wettbewerb_Hierarchie_Oben(oben); s >= 0 && stufen.size() < 64; s = Wettbewerb_Hierarchie_Naechste())
        stufen.push_back(s);
    for (Wettbewerb_Id s : stufen) {
        int32_t n = 0;
        for (Wettbewerb_Id h = Wettbewerb_Visuell_Horizontal_Erster(s); h >= 0 && n < WETTBEWERB_ANZAHL;
             h = Wettbewerb_Visuell_Horizontal_Naechster(), ++n, ++rang)
            if (h == gesucht) return rang;
    }
    return -1;
}

}  // namespace

const char* Tabelle_Tordifferenz_Text(int32_t differenz)
{
    // Room for any 32-bit number with its sign: an eternal table goes past three digits.
    static char text[16];
    if (differenz > 999 || differenz < -999) {
        std::snprintf(text, sizeof text, "%+d", differenz);
        return text;
    }
    std::snprintf(text, sizeof text, "%4d", differenz);
    if (differenz > 0) text[differenz < 10 ? 2 : differenz < 100 ? 1 : 0] = '+';
    return text;
}

int32_t Tabelle_Zaehle_Ergebnisse(const Tabelle_Datensatz* t, int32_t slot, int32_t ergebnis, int32_t erster,
                                  int32_t letzter, int32_t teil)
{
    if (!t || slot < 0 || slot >= TABELLE_TAG_SLOTS) return 0;
    letzter = std::min(letzter, TABELLE_MAX_TAGE - 1);
    int32_t n = 0;
    for (int32_t d = std::max(erster, 0); d <= letzter; ++d) {
        const int32_t i = d * TABELLE_TAG_SLOTS + slot;
        if (t->tag_ergebnis[i] != ergebnis) continue;
        if ((teil == 1 && t->tag_ort[i] != 1) || (teil == 2 && t->tag_ort[i] != 0)) continue;
        ++n;
    }
    return n;
}

char Tabelle_Tendenz_Zeichen(Wettbewerb_Id w, int32_t tag, int32_t team, int32_t von, int32_t bis, int32_t tip,
                             uint16_t* farbe)
{
    char zeichen = '-';
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(w);
    if (info && tag >= 0 && Spiele_Ist_Initialisiert()) {
        const int32_t block = info->spiele_block;
        const bool zwei_beine = info->best_of_x > 1;
        const int32_t paare = Wettbewerb_Get_Paarung(w, tag);
        for (int32_t p = 0; p < paare && zeichen == '-'; ++p) {
            const int32_t h1 = Spiele_Lock(block, tag, 0, p);
            if (!h1) continue;
            const Spiele_Spiel s = *Spiele_Get_Spiel(h1, 1);
            const bool heim = s.heim == team, gast = s.gast == team;
            if (!heim && !gast) {
                Spiele_Unlock(h1);
                continue;
            }
            int32_t ht = 0, gt = 0;
            bool gespielt = bein_tore(h1, von, bis, tip, &ht, &gt);
            if (zwei_beine) {
                const int32_t h2 = Spiele_Lock(block, tag, 1, p);
                int32_t ht2 = 0, gt2 = 0;
                // The second leg's home side is the first leg's away side.
                if (h2 && gespielt && bein_tore(h2, von, bis, tip, &ht2, &gt2)) {
                    ht += gt2;
                    gt += ht2;
                } else {
                    gespielt = false;
                }
                if (h2) Spiele_Unlock(h2);
            }
            Spiele_Unlock(h1);
            if (!gespielt) break;
            if (heim) zeichen = ht == gt ? 'u' : ht < gt ? 'n' : 's';
            else zeichen = ht == gt ? 'U' : ht < gt ? 'S' : 'N';
            break;
        }
    }
    if (farbe) {
        switch (zeichen) {
        case 'n': *farbe = Grafik_Farbe(10, 1, 1); break;
        case 's': *farbe = Grafik_Farbe(1, 12, 1); break;
        case 'S': *farbe = Grafik_Farbe(1, 14, 1); break;
        case 'N': *farbe = Grafik_Farbe(14, 1, 1); break;
        default: *farbe = Grafik_Farbe(1, 1, 1); break;
        }
    }
    return zeichen;
}

std::string Ligen_Tabelle_Tendenz_Text(Wettbewerb_Id w, int32_t team, int32_t letzter, int32_t spieltage,
                                       int32_t von, int32_t bis, int32_t tip, int32_t teil)
{
    std::string text = "^fb0008";
    const int32_t start = std::max(0, letzter + 1 - TENDENZ_FENSTER);
    const int32_t ende = std::min({start + TENDENZ_FENSTER, letzter + 1, std::max(spieltage, 1)});
    for (int32_t d = start; d < start + TENDENZ_FENSTER; ++d) {
        char c = '-';
        if (d < ende) c = Tabelle_Tendenz_Zeichen(w, d, team, von, bis, tip, nullptr);
        if ((teil == 1 && c < 'g') || (teil == 2 && c > 'V')) c = '-';
        text += c;
    }
    text += "^fe";
    return text;
}

int32_t Ligen_Tabelle_Sicht_Maske(bool nur_heim, bool nur_auswaerts, bool tordifferenz, bool tore, bool gegentore)
{
    int32_t m = TAB_NORMAL;
    if (nur_heim) m -= TAB_AUSWAERTS;
    else if (nur_auswaerts) m -= TAB_HEIM;
    if (tordifferenz) m -= 1;
    else if (tore) m -= 5;
    else if (gegentore) m -= 3;
    return m;
}

Tabelle_Abstand Ligen_Tabelle_Abstand_Zeilen(int32_t benutzt, int32_t plaetze, int32_t d)
{
    Tabelle_Abstand a;
    for (int32_t k = 0; k < d && benutzt < ZEILEN_MAX; ++k) {
        if (ZEILEN_MAX - benutzt > plaetze + d) {
            ++a.einzeln;
            ++benutzt;
        } else {
            a.addiert = true;
            break;
        }
    }
    return a;
}

std::string Ligen_Tabelle_Abstand_Text(int32_t bilder, uint32_t handle)
{
    std::string text;
    char bild[16];
    std::snprintf(bild, sizeof bild, "^gnk%#010x", handle);
    for (int32_t i = 0; i < bilder; ++i) text += bild;
    return text;
}

std::string Ligen_Tabelle_Punkte_Text(int32_t punkte, int32_t spiele, bool drei_punkte)
{
    char text[32];
    if (drei_punkte) std::snprintf(text, sizeof text, "%3d", punkte);
    else std::snprintf(text, sizeof text, "%2d:%2d", punkte, 2 * spiele - punkte);
    return text;
}

void Ligen_Tabelle_Tabellenknopf_Klick(int32_t icon)
{
    static constexpr int32_t GRUPPEN[][3] = {{LT_TORDIFFERENZ, LT_TORE, LT_GEGENTORE},
                                             {LT_HALBZEIT_1, LT_HALBZEIT_2, 0},
                                             {LT_HEIM, LT_AUSWAERTS, 0}};
    const bool neu = !an(icon);
    for (const auto& g : GRUPPEN)
        if (std::find(std::begin(g), std::end(g), icon) != std::end(g)) {
            for (int32_t b : g)
                if (b) setzen(b, b == icon ? neu : false);
            return;
        }
    if (icon == LT_AKTUELL || icon == LT_EWIG || icon == LT_HISTORIE) {
        if (!neu) return;  // a view stays on
        for (int32_t b : {LT_AKTUELL, LT_EWIG, LT_TIP, LT_HISTORIE}) setzen(b, b == icon);
        return;
    }
    setzen(icon, neu);
}

bool Ligen_Tabelle_Tabellenknopf_Frei(int32_t icon)
{
    if (icon == LT_SIEGER || icon == LT_SPALTEN || icon == LT_DETAILS) return true;
    if (an(LT_SIEGER)) return false;
    if (an(LT_EWIG) || an(LT_HISTORIE))
        return icon >= LT_HEIM && icon <= LT_HISTORIE && icon != LT_TIP && icon != LT_HALBZEIT_1 &&
               icon != LT_HALBZEIT_2;
    return true;
}

void Ligen_Tabelle_Kurzwahl_Setzen(Wettbewerb_Id oben)
{
    int32_t treffer = -1;
    for (int32_t i = 0; i < LT_KURZWAHL_ANZAHL && treffer < 0; ++i)
        if (int16_t(Manager_Icon_Word_Data_Lesen(Aktuelles_Team, LT_KURZWAHL_WORT + i)) == oben) treffer = i;
    if (treffer < 0) {
        treffer = LT_KURZWAHL_ANZAHL - 1;
        Manager_Icon_Word_Data_Schreiben(Aktuelles_Team, LT_KURZWAHL_WORT + treffer, uint16_t(oben));
    }
    for (int32_t i = 0; i < LT_KURZWAHL_ANZAHL; ++i) setzen(LT_KURZWAHL + i, i == treffer);
}

int32_t Ligen_Tabelle_Liste_Aufbauen(int32_t* ids)
{
    if (!ids) return 0;
    std::fill(ids, ids + WETTBEWERB_ANZAHL, -1);
    int32_t n = 0;
    for (Wettbewerb_Id w = Wettbewerb_Get_Erster(); w >= 0 && n < WETTBEWERB_ANZAHL; w = Wettbewerb_Get_Naechster()) {
        const Wettbewerb_Id erster = Wettbewerb_Get_Erster_Der_Kette(w);
        if (erster >= 0 && std::find(ids, ids + n, erster) == ids + n) ids[n++] = erster;
    }
    return n;
}

int32_t Ligen_Tabelle_Historie_Eintraege(const int32_t* jahre, int32_t anzahl, bool ko, std::string* eintraege,
                                         int32_t max)
{
    if (!eintraege || max <= 0) return 0;
    int32_t n = 0;
    for (int32_t i = 0; jahre && i < anzahl && i < 20 && n < max; ++i) {
        char text[48];
        std::snprintf(text, sizeof text, "Abschlußtabelle %d/%d", jahre[i] - 1, jahre[i]);
        eintraege[n++] = text;
    }
    if (n == 0) eintraege[n++] = ko ? "Wettbewerb wird im KO-Modus ausgetragen" : "Noch keine Abschlußtabelle verfügbar";
    return n;
}

std::vector<Tabelle_Band> Ligen_Tabelle_Baender(Wettbewerb_Id w)
{
    std::vector<Tabelle_Band> baender;
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(w);
    if (!info || (info->modus & KO_SYSTEM)) return baender;
    const int32_t teams = info->teams;
    // One team gives no scale at all.
    if (teams < 2) return baender;
    const float schritt = 88.0f / float(teams - 1);
    const int32_t eigen = hierarchie_rang(w, w);
    int32_t hoch = 0, runter = 0;
    for (int32_t p = 0; p < teams; ++p) {
        const Wettbewerb_Id ziel = Wettbewerb_Get_Quali_Ziel(w, p, 0);
        if (ziel < 0 || ziel == w) continue;
        Tabelle_Band b{};
        b.y0 = p == 0 ? 0 : int32_t(std::lround(float(p) * schritt + 1.0f));
        b.y1 = p == teams - 1 ? LT_GRAFIK_H : int32_t(std::lround(float(p + 1) * schritt + 1.0f));
        const int32_t rang = eigen >= 0 ? hierarchie_rang(w, ziel) : -1;
        const Wettbewerb_Info* zi = Wettbewerb_Get_Info(ziel);
        if (rang >= 0 && rang > eigen) {
            b = {b.y0, b.y1, 15, 0, 0, 30 + 10 * runter++};
        } else if (rang >= 0 && rang < eigen) {
            b = {b.y0, b.y1, 0, 15, 0, std::max(50 - 15 * hoch++, 0)};
        } else if (zi && (zi->modus & KO_SYSTEM)) {
            b = {b.y0, b.y1, 15, 15, 0, 30};
        } else {
            continue;
        }
        baender.push_back(b);
    }
    return baender;
}

void Ligen_Tabelle_Grafik_Daten(Wettbewerb_Id w, int32_t team, std::vector<int32_t>* plaetze)
{
    if (!plaetze) return;
    plaetze->clear();
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(w);
    if (!info || !Spiele_Ist_Initialisiert()) return;
    const int32_t tage = std::clamp(info->spieltag, 0, TABELLE_MAX_TAGE);
    const int32_t block = info->spiele_block, drei = (info->modus & ENGLISCHE_TABELLE) ? 1 : 0;
    if (Netz_Rolle == 1) {
        // A client holds no records to count: the server sends the course, 92 days a call, and
        // a failed call ends it where it stands.
        int32_t p[92];
        for (int32_t d = 0; d < tage;) {
            const int32_t bis = std::min(d + 91, tage - 1);
            const int32_t n = Spiele_Client_Tabellenverlauf(w, block, d, bis, drei, TAB_NORMAL, team, p);
            if (n <= 0) return;
            plaetze->insert(plaetze->end(), p, p + std::min(n, bis - d + 1));
            d += n;
        }
        return;
    }
    static Tabelle_Datensatz t;
    for (int32_t d = 0; d < tage; ++d) {
        int32_t platz = -1;
        if (Wettbewerb_Tabelle_Vorbereiten(w, &t)) {
            Spiele_Tabelle_Berechnen(w, block, 0, d, drei, TAB_NORMAL, &t, 0, 0, -1, -1, 0, 0, -1);
            for (int32_t p = 0; p < t.anzahl; ++p)
                if (t.team[t.platz[p]] == team) platz = p;
        }
        plaetze->push_back(platz);
    }
}

std::vector<Tabelle_Punkt> Ligen_Tabelle_Grafik_Punkte(int32_t teams, int32_t spieltage, const std::vector<int32_t>& plaetze)
{
    std::vector<Tabelle_Punkt> punkte;
    if (teams < 2) return punkte;
    const float x_schritt = 190.0f / float(std::max(spieltage, 1));
    const float y_schritt = 88.0f / float(teams - 1);
    for (size_t d = 0; d < plaetze.size(); ++d)
        if (plaetze[d] >= 0)
            punkte.push_back({int32_t(d), int32_t(float(d) * x_schritt), int32_t(float(plaetze[d]) * y_schritt)});
    return punkte;
}

void Ligen_Tabelle_Grafik_Malen(Rastport* ziel, int32_t x, int32_t y, Wettbewerb_Id w, const std::vector<int32_t>& plaetze)
{
    if (!ziel) return;
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(w);
    // The bands are mixed over a dark ground of their own.
    constexpr int32_t GRUND = 3;
    Grafik_Rechteck_Fuellen(ziel, x, y, 200, LT_GRAFIK_H - 10, Grafik_Farbe(GRUND, GRUND, GRUND + 1));
    for (const Tabelle_Band& b : Ligen_Tabelle_Baender(w)) {
        auto mix = [&](int32_t c, int32_t g) { return uint32_t((g * (128 - b.staerke) + c * b.staerke) / 128); };
        const int32_t y1 = std::min(b.y1, LT_GRAFIK_H - 10);
        if (y1 > b.y0)
            Grafik_Rechteck_Fuellen(ziel, x, y + b.y0, 200, y1 - b.y0,
                                    Grafik_Farbe(mix(b.r, GRUND), mix(b.g, GRUND), mix(b.b, GRUND + 1)));
    }
    if (!info) return;
    const auto punkte = Ligen_Tabelle_Grafik_Punkte(info->teams, info->saison_spieltage, plaetze);
    const uint16_t linie = Grafik_Farbe(15, 15, 8), punkt = Grafik_Farbe(15, 15, 15);
    for (size_t i = 0; i < punkte.size(); ++i) {
        const Tabelle_Punkt& p = punkte[i];
        if (i > 0) Grafik_Linie(ziel, x + punkte[i - 1].x + 2, y + punkte[i - 1].y + 2, x + p.x + 2, y + p.y + 2, linie);
        Grafik_Rechteck_Fuellen(ziel, x + p.x, y + p.y, 5, 5, punkt);
    }
}

Tabelle_Von_Bis_Spuren Ligen_Tabelle_Von_Bis_Spuren(int32_t von_x, int32_t bis_x, int32_t aktuell, int32_t tage)
{
    Tabelle_Von_Bis_Spuren s{};
    tage = std::max(tage, 1);
    aktuell = std::clamp(aktuell, 1, tage);
    const int32_t heute = Menue_Position_In_Prozent(aktuell, 1, 1, tage, LT_BIS_X0, LT_BIS_X1);
    s.bis_start = std::clamp(von_x + LT_KNOPF_ABSTAND, LT_BIS_X0, LT_BIS_X1);
    s.bis_ende = std::max(heute, s.bis_start);
    s.von_start = LT_VON_X0;
    s.von_ende = std::clamp(bis_x - LT_KNOPF_ABSTAND, LT_VON_X0, LT_VON_X1);
    return s;
}

std::string Ligen_Tabelle_Filter_Text(const char* name, int32_t (*breite)(const char*), int32_t max)
{
    std::string n = name ? name : "";
    std::string text = "nur " + n;
    while (!n.empty() && breite && breite(text.c_str()) > max) {
        n.pop_back();
        text = "nur " + n;
    }
    return text;
}

int32_t Ligen_Tabelle_Gruppen_Anzahl(Wettbewerb_Id runde)
{
    int32_t n = 0;
    for (Wettbewerb_Id g = Wettbewerb_Get_Erste_Gruppe(runde); g >= 0 && n < WETTBEWERB_ANZAHL;
         g = Wettbewerb_Get_Naechste_Gruppe(g))
        ++n;
    return std::max(n, 1);
}

Wettbewerb_Id Ligen_Tabelle_Gruppe(Wettbewerb_Id runde, int32_t index)
{
    Wettbewerb_Id g = Wettbewerb_Get_Erste_Gruppe(runde);
    if (g < 0) return runde;
    for (int32_t i = 0; i < index && i < WETTBEWERB_ANZAHL; ++i) {
        const Wettbewerb_Id n = Wettbewerb_Get_Naechste_Gruppe(g);
        if (n < 0) break;
        g = n;
    }
    return g;
}

int32_t Ligen_Tabelle_Auswahl_Fuellen(int32_t team, int32_t* ids, int32_t max)
{
    std::vector<int32_t> liste(size_t(WETTBEWERB_ANZAHL) + 1, -1);
    const int32_t n = std::clamp(Ligen_Tabelle_Liste_Aufbauen(liste.data()), 0, int32_t(WETTBEWERB_ANZAHL));
    int32_t k = 0;
    for (int32_t i = 0; i < n && k < max; ++i) {
        const Wettbewerb_Id w = liste[size_t(i)];
        if (Wettbewerb_Get_Oberwettbewerb(w) == w && Wettbewerb_Team_Erreicht(w, team)) ids[k++] = w;
    }
    return k;
}

int32_t Ligen_Tabelle_Marke_Y(int32_t platz, int32_t teams)
{
    if (teams < 2) return 0;
    return (std::clamp(platz, 1, teams) - 1) * 88 / (teams - 1);
}

std::string Ligen_Tabelle_Namen_Kuerzen(const std::string& text,
                                        const std::function<bool(const std::string& ganz, const std::string& buchstaben)>& zu_lang)
{
    // The text in pieces: each code whole (a colour, a picture with its number, a switch), each
    // letter on its own.
    std::vector<std::string> teile;
    for (size_t i = 0; i < text.size();) {
        size_t n = 1;
        if (text[i] == '^' && i + 1 < text.size()) {
            const char art = text[i + 1];
            n = art == 'c' ? 7 : art == 'g' ? (i + 2 < text.size() && text[i + 2] == 'l' ? 8 : 14) : 3;
        }
        n = std::min(n, text.size() - i);
        teile.push_back(text.substr(i, n));
        i += n;
    }
    for (;;) {
        std::string ganz, buchstaben;
        size_t letzter = teile.size();
        for (size_t k = 0; k < teile.size(); ++k) {
            ganz += teile[k];
            if (teile[k][0] == '^' && teile[k].size() > 1) continue;
            buchstaben += teile[k];
            letzter = k;
        }
        if (letzter == teile.size() || !zu_lang(ganz, buchstaben)) return ganz;
        teile.erase(teile.begin() + std::ptrdiff_t(letzter));
    }
}

std::string Ligen_Tabelle_Namen_Kuerzen_Pixel(const std::string& text, int32_t font, int32_t breite)
{
    return Ligen_Tabelle_Namen_Kuerzen(
        text, [&](const std::string& ganz, const std::string&) { return Font_Text_Breite_Mit_Tabs(Font(font), ganz.c_str()) > breite; });
}
