#include "screens/spieler_liste.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <unordered_map>

#include "competitions/statistik.h"
#include "database/assistent.h"
#include "database/manager.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "platform/handle.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "screens/spieler_bilder.h"
#include "screens/spieler_detail.h"
#include "screens/spieler_liga_zahlen.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_gesicht.h"
#include "screens/spieler_suche.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/slave.h"

namespace {

constexpr int32_t TYP_ICON[4] = {1252, 1251, 1249, 1248};  // goalkeepers, defence, midfield, forwards

int32_t eigen() { return Aktuelles_Team; }
bool mit_manager() { return eigen() >= 0 && eigen() < Team_Anzahl && Team_Hat_Manager(eigen()); }

int32_t staerke(int32_t team) { return Team_Wert(TEAM_STAERKE, team, 0, 0); }

int32_t anteil(int32_t wert, int32_t min, int32_t max) { return max > min ? (wert - min) * 100 / (max - min) : 0; }

}  // namespace

int32_t Spieler_Einsetzen_Sort_Farbwert(int32_t spnr, uint32_t bits, int32_t skala_min, int32_t skala_max,
                                        int32_t gehalt_min, int32_t gehalt_max, int32_t gehalt)
{
    if (!bits) {
        Print_Fehler("Spieler_Einsetzen_Sort_Farbwert: sortzahl==0!");
        return 0;
    }
    if (spnr < 0 || spnr >= Spieler_Anzahl) return 0;
    const bool torwart = Spieler_Wert(SP_ART, spnr, 0, 0) == 0;
    int32_t tore = 0, einsaetze = 0, vorlagen = 0;
    if (bits & (FARBE_TORE | FARBE_EINSAETZE | FARBE_SCORES)) Statistik_Spieler_Liga_Werte(spnr, &tore, &einsaetze, &vorlagen);
    int64_t summe = 0;
    int32_t anzahl = 0;
    for (int32_t b = 0; b < 32; ++b) {
        if (!(bits & (1u << b))) continue;
        int32_t v = 0;
        if (b < 9) {
            v = anteil(Spieler_Wert(torwart ? SP_TORWART_STAERKE : SP_KRAFT + b, spnr, 0, 0), skala_min, skala_max);
        } else if (b < 24) {
            if (Spieler_Attribut_Vorhanden(spnr, b, -1)) {
                v = Spieler_Wert(SP_FLANKEN + b - 9, spnr, 0, 0);
                if (b + SP_FLANKEN - 9 == SP_ERFAHRUNG) v /= 3;
            }
        } else {
            switch (b) {
            case 24: v = (Spieler_Wert(SP_GROESSE, spnr, 0, 0) - 160) * 100 / 40; break;
            case 25: v = (35 - Spieler_Wert(SP_ALTER, spnr, 0, 0)) * 100 / 15; break;
            case 26: v = 100 - Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, spnr, 0, 0); break;
            case 27: v = (Spieler_Wert(SP_FORM, spnr, 0, 0) - 50) * 2; break;
            case 28: v = tore * 100 / 30; break;
            case 29: v = einsaetze * 100 / 40; break;
            case 30: v = anteil(gehalt, gehalt_min, gehalt_max); break;
            default: v = (tore + vorlagen) * 100 / 30; break;
            }
        }
        summe += std::clamp(v, 0, 100);
        ++anzahl;
    }
    const int32_t wert = static_cast<int32_t>(summe / anzahl);
    if (wert < 0 || wert > 100) Print_Fehler("Spieler_Einsetzen_Sort_Farbwert: wert falsch!");
    return wert;
}

void Spieler_Einsetzen_Min_Max_Gehalt(int32_t team, int32_t* min, int32_t* max)
{
    if (!min || !max) {
        Print_Fehler("Spieler_Einsetzen_Min_Max_Gehalt: Zeiger==NULL!");
        return;
    }
    *min = *max = 0;
    int32_t feld[500];
    const int32_t n = std::min(Teamspieler_Ins_Array(team, feld, 500, 0), 500);
    for (int32_t i = 0; i < n; ++i) {
        const int32_t g = Teamspieler_Wert(301, team, feld[i], 0, 0) / 1000;
        if (i == 0 || g < *min) *min = g;
        if (i == 0 || g > *max) *max = g;
    }
}

int32_t Spieler_Einsetzen_Liste_Farbwert(int32_t, int32_t team, int32_t spnr, uint32_t bits, int32_t skala_min,
                                         int32_t skala_max, int32_t)
{
    int32_t gmin = 0, gmax = 0, gehalt = 0;
    if (bits & FARBE_GEHALT) {
        Spieler_Einsetzen_Min_Max_Gehalt(team, &gmin, &gmax);
        gehalt = Teamspieler_Wert(301, team, spnr, 0, 0) / 1000;
    }
    return Spieler_Einsetzen_Sort_Farbwert(spnr, bits, skala_min, skala_max, gmin, gmax, gehalt);
}

void Spieler_Einsetzen_Skala(int32_t liste, int32_t* min, int32_t* max)
{
    if (!min || !max) return;
    *min = 0;
    *max = 999;
    const int32_t gezeigt = Anzeige_Gegner_Team >= 0 && Anzeige_Gegner_Team < Team_Anzahl ? Anzeige_Gegner_Team : -1;
    if (liste == 1 && gezeigt >= 0 && !Team_Ist_Normal(gezeigt, 0)) {
        *min = 750;
        return;
    }
    if (eigen() < 0 || eigen() >= Team_Anzahl) return;
    int32_t lo = 0, hi = 0;
    if (liste == 2) {
        const int32_t s = staerke(gezeigt >= 0 ? gezeigt : eigen());
        lo = s - 80;
        hi = s + 80;
    } else {
        lo = staerke(eigen()) - 80;
        hi = staerke(eigen()) + 80;
        if (gezeigt >= 0) {
            lo = std::min(lo, staerke(gezeigt) - 80);
            hi = std::max(hi, staerke(gezeigt) + 80);
        }
    }
    *min = std::clamp(lo, 0, 999);
    *max = std::clamp(hi, 0, 999);
}

uint32_t Spieler_Einsetzen_Farb_Bits(int32_t liste)
{
    if (liste < 0 || liste > 2 || !mit_manager()) return 0;
    if (Manager_Icon_Button_Lesen(eigen(), LISTE_KNOPF_SCHNELL[liste])) {
        const uint16_t b = Manager_Icon_Word_Data_Lesen(eigen(), LISTE_KNOPF_SCHNELL[liste]);
        return b < 32 ? 1u << b : 0;
    }
    return (Manager_Icon_Button_Lesen(eigen(), LISTE_KNOPF_FARBE[liste]) & 0xFFFFu) |
           uint32_t(Manager_Icon_Word_Data_Lesen(eigen(), LISTE_KNOPF_FARBE[liste])) << 16;
}

int32_t Spieler_Einsetzen_Typ_Maske()
{
    if (!mit_manager()) return 15;
    int32_t maske = 0;
    for (int32_t i = 0; i < 4; ++i)
        if (Manager_Icon_Button_Lesen(eigen(), TYP_ICON[i])) maske |= 1 << i;
    return maske ? maske : 15;
}

int32_t Spieler_Einsetzen_Typ_Klick(int32_t icon)
{
    if (!mit_manager()) return 15;
    if (icon == 1250) {
        for (int32_t i : TYP_ICON) Manager_Icon_Button_An_Aus(eigen(), i, 1);
        return 15;
    }
    const int32_t* ende = TYP_ICON + 4;
    if (std::find(TYP_ICON, ende, icon) == ende) return Spieler_Einsetzen_Typ_Maske();
    // none on shows all types, and is made so
    auto keine_heisst_alle = [] {
        bool eine = false;
        for (int32_t i : TYP_ICON) eine = eine || Manager_Icon_Button_Lesen(eigen(), i);
        if (!eine)
            for (int32_t i : TYP_ICON) Manager_Icon_Button_An_Aus(eigen(), i, 1);
    };
    // the click takes its one away from all, as it looks; the last type switched off brings all
    // back
    keine_heisst_alle();
    Manager_Icon_Button_An_Aus(eigen(), icon, Manager_Icon_Button_Lesen(eigen(), icon) ? 0 : 1);
    keine_heisst_alle();
    return Spieler_Einsetzen_Typ_Maske();
}

const char* Spieler_Einsetzen_Liste_Voll_Text(int32_t liste)
{
    static char text[96];
    std::snprintf(text, sizeof text, "^tz0064ANZEIGEBEREICH VOLL^l^tz0064(max. %d Spieler)",
                  liste == 2 ? SPIELER_LISTE_GROSS : SPIELER_LISTE_KLEIN);
    return text;
}

void Spieler_Einsetzen_Liste_Bauen(int32_t liste, std::vector<Spieler_Listen_Eintrag>* aus)
{
    if (!aus) return;
    aus->clear();
    if (liste < 0 || liste > 2 || !T || Team_Anzahl <= 0) return;
    std::vector<uint8_t> teams(size_t(Team_Anzahl), 0);
    if (!Spieler_Einsetzen_Get_Teamliste(liste, teams.data())) return;
    const size_t kapazitaet = size_t(liste == 2 ? SPIELER_LISTE_GROSS : SPIELER_LISTE_KLEIN);
    const bool nur_platz = mit_manager() && Manager_Icon_Button_Lesen(eigen(), LISTE_KNOPF_NUR_PLATZ[liste]);
    const int32_t maske = Spieler_Einsetzen_Typ_Maske();
    bool voll = false;
    for (int32_t t = 0; t < Team_Anzahl && !voll; ++t) {
        if (!teams[size_t(t)] || t == Jugend_Team) continue;
        int32_t feld[500];
        const int32_t n = std::min(Teamspieler_Ins_Array(t, feld, 500, nur_platz ? int32_t(TS_STARTELF) : 0), 500);
        for (int32_t i = 0; i < n; ++i) {
            const int32_t p = feld[i];
            if (liste == 0 && !(maske & (1 << std::clamp(Spieler_Wert(SP_ART, p, 0, 0), 0, 3)))) continue;
            if (liste == 2 && !Spieler_Suche_Passt(t, p)) continue;
            if (aus->size() + 1 == kapazitaet) {
                aus->push_back({-1, -1, 0});
                voll = true;
                break;
            }
            aus->push_back({p, t, 0});
        }
    }
    const uint32_t bits = Spieler_Einsetzen_Farb_Bits(liste);
    if (!bits) return;
    int32_t smin = 0, smax = 999;
    Spieler_Einsetzen_Skala(liste, &smin, &smax);
    std::vector<uint16_t> tv, sv;
    for (const Spieler_Listen_Eintrag& e : *aus)
        if (e.spnr >= 0) {
            tv.push_back(uint16_t(e.team));
            sv.push_back(uint16_t(e.spnr));
        }
    int32_t werte[500];
    Spieler_Einsetzen_Scrollscreen_Werte_Holen(liste, int32_t(bits), smin, smax, 0, int32_t(tv.size()), werte, tv.data(),
                                               sv.data());
    size_t k = 0;
    for (Spieler_Listen_Eintrag& e : *aus)
        if (e.spnr >= 0 && k < 500) e.farbwert = werte[k++];
}

int32_t Spieler_Einsetzen_Spalten_Umbrechen(int32_t name_breite, const int32_t* breiten, int32_t anzahl, int32_t* zeile)
{
    constexpr int32_t BREITE = 118, ZEILEN = 4;
    if (!breiten || !zeile || anzahl < 0) return 1;
    std::vector<bool> gesetzt(size_t(anzahl), false);
    for (int32_t i = 0; i < anzahl; ++i) zeile[i] = -1;
    int32_t z = 0, x = std::min(name_breite, BREITE);
    for (int32_t i = 0; i < anzahl;) {
        if (gesetzt[size_t(i)]) {
            ++i;
            continue;
        }
        int32_t wahl = -1;
        for (int32_t j = i; j < anzahl && wahl < 0; ++j)
            if (!gesetzt[size_t(j)] && x + breiten[j] <= BREITE) wahl = j;
        // a column wider than a line still gets a line of its own
        if (wahl < 0 && x == 0) wahl = i;
        if (wahl < 0) {
            if (++z == ZEILEN) break;
            x = 0;
            continue;
        }
        gesetzt[size_t(wahl)] = true;
        zeile[wahl] = z;
        x += breiten[wahl];
    }
    return std::min(z + 1, ZEILEN);
}

namespace {

constexpr int32_t KOPF = -1, ALLE_AUS = -2;

struct Menue_Eintrag {
    const char* text;
    int32_t wert;  // column or attribute bit; KOPF a heading
};

constexpr Menue_Eintrag ANZEIGE[30] = {
    {"HAUPTATTRIBUTE", KOPF}, {"K+I+T (ges.)", 1}, {"Kondition (ges.)", 2}, {" -Kraft", 3}, {" -Ausdauer", 4},
    {" -Zweikampf", 5}, {"Intelligenz (ges.)", 6}, {" -Übersicht", 7}, {" -Takt. Verständnis", 8},
    {" -Teamgeist", 9}, {"Technik (ges.)", 10}, {" -Spritzigkeit", 11}, {" -Dribbling", 12}, {" -Torschuß", 13},
    {"SONSTIGES", KOPF}, {" -Gesicht", 15}, {" -Vorname", 16}, {" -Rückennummer", 17}, {" -Form", 18},
    {" -Erschöpfung", 19}, {" -Alter", 20}, {" -Größe", 21}, {" -Scores (Tore+Vorlagen)", 22},
    {" -Tore     (nur Liga)", 23}, {" -Einsätze (nur Liga)", 24}, {" -Karten   (nur Liga)", 25}, {" -Gehalt", 26},
    {" -Bestes Attribut", 27}, {" -Gelernte Attribute", 28}, {" -Extra-Kategorie (auf Button)", 29},
};

constexpr Menue_Eintrag FARBE[16] = {
    {"KONDITION", KOPF}, {" -Kraft", 0}, {" -Ausdauer", 1}, {" -Zweikampf", 2}, {"INTELLIGENZ", KOPF},
    {" -Übersicht", 3}, {" -Takt. Verständnis", 4}, {" -Teamgeist", 5}, {"TECHNIK", KOPF}, {" -Spritzigkeit", 6},
    {" -Dribbling", 7}, {" -Torschuß", 8}, {"SONSTIGES", KOPF}, {" -Form", 27}, {" -Erschöpfung", 26},
    {"Alle aus", ALLE_AUS},
};

constexpr Menue_Eintrag SCHNELL[25] = {
    {"SPIELER-ATTRIBUTE (abs.)", KOPF}, {" -Flanken", 9}, {" -Freistoß", 10}, {" -Elfmeter", 11}, {" -Ecken", 12},
    {" -Kopfballstärke", 13}, {" -Torinstinkt", 14}, {" -Robustheit", 15}, {" -Nervenstärke", 16},
    {" -Aggressivität", 17}, {" -Vereinstreue", 18}, {" -Allrounder", 19}, {" -Erfahrung", 20},
    {"NUR TORHÜTER (abs.)", KOPF}, {" -Reflexe", 21}, {" -Herauslaufen", 22}, {" -Strafraumbeherrschung", 23},
    {"SONSTIGES (abs.)", KOPF}, {" -Alter", 25}, {" -Größe", 24}, {"SONSTIGES (rel. zum Team)", KOPF},
    {" -Scores (Tore+Vorlagen)", 31}, {" -Tore     (nur Liga)", 28}, {" -Einsätze (nur Liga)", 29}, {" -Gehalt", 30},
};

// The 32-bit set of a control: low half its state, high half its word.
uint32_t satz_lesen(int32_t icon)
{
    if (!mit_manager()) return 0;
    return (Manager_Icon_Button_Lesen(eigen(), icon) & 0xFFFFu) | uint32_t(Manager_Icon_Word_Data_Lesen(eigen(), icon)) << 16;
}
void satz_schreiben(int32_t icon, uint32_t satz)
{
    if (!mit_manager()) return;
    Manager_Icon_Button_An_Aus(eigen(), icon, satz & 0xFFFFu);
    Manager_Icon_Word_Data_Schreiben(eigen(), icon, uint16_t(satz >> 16));
}

// The attribute of an "Anzeige von:" column whose picture its entry shows, -1 none.
int32_t spalten_attribut(int32_t spalte)
{
    static const int8_t ATTRIBUT[30] = {-1, -1, -1, 0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1,
                                        -1, -1, -1, 27, 26, 25, 24, -1, -1, -1, -1, -1, -1, -1, -1};
    return spalte >= 0 && spalte < 30 ? ATTRIBUT[spalte] : -1;
}

// The menu's texts: an entry whose attribute has a picture shows it in front. One menu is open
// at a time, so one set of buffers serves all three.
char menue_texte[MENUE_KONTEXT_EINTRAEGE][64];

template <size_t N>
Menue_Kontextmenue* menue_fuellen(const char* titel, const Menue_Eintrag (&e)[N], int32_t liste, uint16_t art,
                                  Popup_Eintrag_Prozedur prozedur, bool (*gewaehlt)(int32_t liste, int32_t wert),
                                  bool spalten = false)
{
    Menue_Kontextmenue* k = &Kontext_Menue;
    Menue_Init_Kontextmenue(k, titel, liste, 0, prozedur);
    for (size_t i = 0; i < N && i < size_t(MENUE_KONTEXT_EINTRAEGE); ++i) {
        const int32_t attribut = e[i].wert < 0 ? -1 : spalten ? spalten_attribut(e[i].wert) : e[i].wert;
        const uint32_t bild = Spieler_Einsetzen_Attribut_Bild(attribut);
        k->texte[i] = e[i].text;
        if (bild) {
            std::snprintf(menue_texte[i], sizeof menue_texte[i], "^gnk%#010x^tl0035%s", bild, e[i].text);
            k->texte[i] = menue_texte[i];
        }
        k->wert_a[i] = e[i].wert;
        k->wert_c[i] = liste;
        k->prozeduren[i] = prozedur;
        if (e[i].wert == KOPF) k->status[i] = POPUP_KEIN_HOVER;
        else if (e[i].wert == ALLE_AUS) k->status[i] = POPUP_WAEHLBAR | POPUP_ALLE_AUS;
        else k->status[i] = uint16_t(POPUP_WAEHLBAR | art | (gewaehlt(liste, e[i].wert) ? POPUP_GEWAEHLT : 0));
    }
    return k;
}

bool spalte_an(int32_t liste, int32_t spalte) { return Spieler_Einsetzen_Spalten(liste) & (1u << spalte); }
bool farbe_an(int32_t liste, int32_t bit) { return satz_lesen(LISTE_KNOPF_FARBE[liste]) & (1u << bit); }
bool schnell_an(int32_t liste, int32_t bit)
{
    return mit_manager() && Manager_Icon_Word_Data_Lesen(eigen(), LISTE_KNOPF_SCHNELL[liste]) == bit;
}

bool liste_gueltig(int32_t liste) { return liste >= 0 && liste <= 2 && mit_manager(); }

}  // namespace

uint32_t Spieler_Einsetzen_Spalten(int32_t liste) { return liste_gueltig(liste) ? satz_lesen(LISTE_KNOPF_ANZEIGE[liste]) : 0; }

Menue_Kontextmenue* Spieler_Einsetzen_Anzeige_Menue(int32_t liste)
{
    if (!liste_gueltig(liste)) return nullptr;
    return menue_fuellen("Anzeige von:", ANZEIGE, liste, POPUP_HAKEN, Spieler_Einsetzen_Anzeige_Gewaehlt, spalte_an, true);
}

Menue_Kontextmenue* Spieler_Einsetzen_Farb_Menue(int32_t liste)
{
    if (!liste_gueltig(liste)) return nullptr;
    return menue_fuellen("Farbliche Sortierung nach:", FARBE, liste, POPUP_HAKEN, Spieler_Einsetzen_Farbe_Gewaehlt,
                         farbe_an);
}

Menue_Kontextmenue* Spieler_Einsetzen_Schnell_Menue(int32_t liste)
{
    if (!liste_gueltig(liste)) return nullptr;
    return menue_fuellen("Nur farblich sortieren nach:", SCHNELL, liste, POPUP_RADIO, Spieler_Einsetzen_Schnell_Gewaehlt,
                         schnell_an);
}

uint8_t Spieler_Einsetzen_Anzeige_Gewaehlt(int32_t, int32_t liste, int32_t spalte, int32_t)
{
    if (!liste_gueltig(liste) || spalte < 1 || spalte > 29) return 0;
    satz_schreiben(LISTE_KNOPF_ANZEIGE[liste], satz_lesen(LISTE_KNOPF_ANZEIGE[liste]) ^ (1u << spalte));
    return 1;
}

uint8_t Spieler_Einsetzen_Farbe_Gewaehlt(int32_t, int32_t liste, int32_t bit, int32_t)
{
    if (!liste_gueltig(liste)) return 0;
    if (bit == ALLE_AUS) satz_schreiben(LISTE_KNOPF_FARBE[liste], 0);
    else if (bit >= 0 && bit < 32) satz_schreiben(LISTE_KNOPF_FARBE[liste], satz_lesen(LISTE_KNOPF_FARBE[liste]) ^ (1u << bit));
    return 1;
}

uint8_t Spieler_Einsetzen_Schnell_Gewaehlt(int32_t, int32_t liste, int32_t bit, int32_t)
{
    if (!liste_gueltig(liste) || bit < 0 || bit > 31) return 0;
    Manager_Icon_Word_Data_Schreiben(eigen(), LISTE_KNOPF_SCHNELL[liste], uint16_t(bit));
    Manager_Icon_Button_An_Aus(eigen(), LISTE_KNOPF_SCHNELL[liste], 1);
    return 1;
}

namespace {

// Column 15's heads, one per player while his face and club stay; the texts name them by handle.
struct Kopf {
    Rastport* bild = nullptr;
    uint32_t handle = 0, code = 0;
    int32_t team = -1;
};
std::unordered_map<int32_t, Kopf> koepfe;
constexpr int32_t KOPF_BREITE = 9, KOPF_HOEHE = 10;
// More than a few lists' worth of heads start the store afresh: a text is printed as soon as it
// is built, so no handle of a printed text is let go under it.
constexpr size_t KOEPFE_MAX = 1000;

uint32_t kopf_handle(int32_t team, int32_t spnr)
{
    const uint32_t code = uint32_t(Spieler_Wert(SP_GESICHT, spnr, 0, 0));
    auto it = koepfe.find(spnr);
    if (it != koepfe.end() && it->second.code == code && it->second.team == team) return it->second.handle;
    if (it != koepfe.end()) {
        Handle_Objekt_Freigeben(it->second.bild);
        Grafik_Bitmap_Freigeben(it->second.bild);
        koepfe.erase(it);
    }
    if (koepfe.size() >= KOEPFE_MAX) Spieler_Einsetzen_Koepfe_Freigeben();
    const auto* farben = team >= 0 ? static_cast<const uint8_t*>(Team_Zeiger(TEAM_FARBEN, team, nullptr, 0)) : nullptr;
    Rastport* b = Spieler_Gesicht_Bauen_Skaliert(nullptr, 0, 0, spnr, code, farben, KOPF_BREITE, KOPF_HOEHE);
    if (!b) return 0;
    const uint32_t h = Handle_Registrieren(b, Handle_Art::Bild);
    koepfe[spnr] = Kopf{b, h, code, team};
    return h;
}

// Column 29: the quick-sort button's attribute, named short, with the player's own value.
void extra_kategorie(int32_t liste, int32_t team, int32_t spnr, char* aus, size_t n)
{
    if (liste < 0 || liste > 2 || !mit_manager()) return;
    const int32_t bit = Manager_Icon_Word_Data_Lesen(eigen(), LISTE_KNOPF_SCHNELL[liste]);
    auto wert = [&](int32_t feld) { return Spieler_Wert(feld, spnr, 0, 0); };
    if (bit >= 9 && bit < 24) {
        if (Spieler_Attribut_Vorhanden(spnr, bit, -1))
            std::snprintf(aus, n, "%s %d", Spieler_Attribut_Namen[bit], wert(SP_FLANKEN + bit - 9));
        else std::snprintf(aus, n, "%s -", Spieler_Attribut_Namen[bit]);
        return;
    }
    int32_t tore = 0, einsaetze = 0, vorlagen = 0;
    if (bit == 28 || bit == 29 || bit == 31) Statistik_Spieler_Liga_Werte(spnr, &tore, &einsaetze, &vorlagen);
    switch (bit) {
    case 24: std::snprintf(aus, n, "%d cm", wert(SP_GROESSE)); break;
    case 25: std::snprintf(aus, n, "%d J.", wert(SP_ALTER)); break;
    case 28: std::snprintf(aus, n, "Tore %d", tore); break;
    case 29: std::snprintf(aus, n, "Eins. %d", einsaetze); break;
    case 30:
        std::snprintf(aus, n, "%d TDM",
                      team >= 0 && Teamspieler_Get_Record(team, spnr) ? Teamspieler_Wert(301, team, spnr, 0, 0) / 1000 : 0);
        break;
    case 31: std::snprintf(aus, n, "Scrs %d", tore + vorlagen); break;
    default: break;
    }
}

}  // namespace

void Spieler_Einsetzen_Koepfe_Freigeben()
{
    for (auto& [spnr, k] : koepfe) {
        Handle_Objekt_Freigeben(k.bild);
        Grafik_Bitmap_Freigeben(k.bild);
    }
    koepfe.clear();
}

void Spieler_Einsetzen_Spalte_Text(int32_t spalte, int32_t team, int32_t spnr, char* aus, int32_t groesse, int32_t liste)
{
    if (!aus || groesse <= 0) return;
    aus[0] = 0;
    if (spnr < 0 || spnr >= Spieler_Anzahl) return;
    const size_t n = size_t(groesse);
    auto wert = [&](int32_t feld) { return Spieler_Wert(feld, spnr, 0, 0); };
    const bool torwart = wert(SP_ART) == 0;
    if (torwart && spalte >= 1 && spalte <= 13) spalte = 14;
    static const char* const FORMAT[14] = {"KIT %d",  "K %d",      "Kraft %d",  "Ausd. %d",   "Zweik. %d",
                                          "I %d",    "Übers. %d", "Takt.V. %d", "Teamg. %d", "T %d",
                                          "Sprtz. %d", "Dribbl. %d", "Torsch. %d", "TW %d"};
    static const int32_t FELD[14] = {SP_K_I_T,        SP_KO,       SP_KRAFT,     SP_AUSDAUER, SP_ZWEIKAMPF,
                                     SP_IN,           SP_UEBERSICHT, SP_TAKT_VERST, SP_TEAMGEIST, SP_TE,
                                     SP_SPRITZIGKEIT, SP_DRIBBLING, SP_TORSCHUSS, SP_TORWART_STAERKE};
    int32_t tore = 0, einsaetze = 0, vorlagen = 0;
    if (spalte >= 22 && spalte <= 24) Statistik_Spieler_Liga_Werte(spnr, &tore, &einsaetze, &vorlagen);
    switch (spalte) {
    case 15: {
        const uint32_t h = kopf_handle(team, spnr);
        if (h) std::snprintf(aus, n, "^gnk%#010x", h);
        break;
    }
    case 16: std::snprintf(aus, n, "%s", Spieler_String(SP_VORNAME, spnr, nullptr, 0)); break;
    case 17:
        std::snprintf(aus, n, "%d", team >= 0 && Teamspieler_Get_Record(team, spnr) ? Teamspieler_Wert(300, team, spnr, 0, 0) : 0);
        break;
    case 18: std::snprintf(aus, n, "F %d", wert(SP_FORM)); break;
    case 19: std::snprintf(aus, n, "Ersch. %d", wert(SP_SPIEL_ERSCHOEPFUNG)); break;
    case 20: std::snprintf(aus, n, "%d J.", wert(SP_ALTER)); break;
    case 21: std::snprintf(aus, n, "%d cm", wert(SP_GROESSE)); break;
    case 22: std::snprintf(aus, n, "Scrs %d", tore + vorlagen); break;
    case 23: std::snprintf(aus, n, "Tore %d", tore); break;
    case 24: std::snprintf(aus, n, "Eins. %d", einsaetze); break;
    case 25: {
        const Spieler_Liga_Zahlen z = Spieler_Liga_Zahlen_Holen(team, spnr);
        std::snprintf(aus, n, "%d GK,%d GRK,%d RK", z.gelb, z.gelb_rot, z.rot);
        break;
    }
    case 26:
        std::snprintf(aus, n, "%d TDM",
                      team >= 0 && Teamspieler_Get_Record(team, spnr) ? Teamspieler_Wert(301, team, spnr, 0, 0) / 1000 : 0);
        break;
    case 27: {
        int32_t beste[4] = {-1, -1, -1, -1};
        Spieler_Herausragende_Attribute(spnr, 0, 0, beste);
        std::snprintf(aus, std::min<size_t>(n, 99), "%s", beste[0] >= 0 ? Spieler_Attribut_Namen[beste[0]] : "");
        break;
    }
    case 28: {
        size_t l = 0;
        for (int32_t a = 9; a < 24 && l + 1 < std::min<size_t>(n, 187); ++a)
            if (Spieler_Attribut_Vorhanden(spnr, a, -1) && wert(SP_FLANKEN + a - 9) >= 75)
                l += size_t(std::snprintf(aus + l, std::min<size_t>(n, 187) - l, "%s%s", l ? ", " : "", Spieler_Attribut_Namen[a]));
        break;
    }
    case 29: extra_kategorie(liste, team, spnr, aus, std::min<size_t>(n, 93)); break;
    default: {
        if (spalte < 1 || spalte > 14) break;
        // the single attributes show their picture in place of the caption, where it is there
        const uint32_t bild = Spieler_Einsetzen_Attribut_Bild(spalten_attribut(spalte));
        if (bild) std::snprintf(aus, n, "^gnk%#010x%d", bild, wert(FELD[spalte - 1]));
        else std::snprintf(aus, n, FORMAT[spalte - 1], wert(FELD[spalte - 1]));
        break;
    }
    }
}

namespace {

// Pictures of the screen file that texts name by handle: loaded on first use and kept, so that
// a handle stays good while the texts live.
Rastport* bild_behalten(int32_t nummer)
{
    static Rastport* geladen[MARKE_ANZAHL] = {};
    const int32_t k = nummer - LISTE_BILD_MARKE;
    if (k < 0 || k >= MARKE_ANZAHL || ResFile_Handles[0].handle < 0) return nullptr;
    if (!geladen[k]) {
        const int32_t tiefe = Grafik_Screen_Geometrie.depth ? Grafik_Screen_Geometrie.depth : 16;
        geladen[k] = static_cast<Rastport*>(Load_Resource(ResFile_Handles[0].handle, nummer, tiefe, nullptr));
    }
    return geladen[k];
}

}  // namespace

int32_t Spieler_Einsetzen_Marken(int32_t liste, int32_t team, int32_t spnr, Spieler_Marken_Bild aus[SPIELER_MARKEN_MAX])
{
    if (!aus || spnr < 0 || spnr >= Spieler_Anzahl) return 0;
    int32_t n = 0;
    auto bild = [&](int32_t nummer, bool slave) {
        if (n < SPIELER_MARKEN_MAX) aus[n++] = {nummer, slave};
    };
    const uint32_t fl = team >= 0 && Teamspieler_Get_Record(team, spnr) ? uint32_t(Teamspieler_Wert(317, team, spnr, 0, 0)) : 0;
    if (fl & TS_KAPITAEN) bild(LISTE_BILD_MARKE + MARKE_KAPITAEN, false);
    if (fl & TS_PROBE) bild(LISTE_BILD_MARKE + MARKE_PROBE, false);
    if (fl & TS_ARZT) {
        // in a doctor's care only when one of the club's doctors treats this injury
        const bool behandelt = Team_Hat_Manager(team) && Assistent_Arzt_Fuer_Verletzung(team, spnr, nullptr) >= 0;
        bild(LISTE_BILD_MARKE + (behandelt ? MARKE_BEHANDLUNG : MARKE_VERLETZT), false);
    }
    if (fl & 0x200) bild(59, true);
    else if (fl & 0x100) bild(58, true);
    else if (fl & 0x80) bild(57, true);
    else if (fl & 0x80000) bild(LISTE_BILD_MARKE + MARKE_SPERRE_DROHT, false);
    if (fl & TS_TRANSFERLISTE) bild(LISTE_BILD_MARKE + MARKE_FREIGABE, false);
    if (eigen() >= 0 && team != eigen() && Spieler_Ist_Beobachtet(eigen(), spnr)) bild(55, true);
    if (liste == 2 && Richter_Spieler_Angebot_Vorhanden(spnr, -1, -1)) bild(LISTE_BILD_MARKE + MARKE_ANGEBOT, false);
    return n;
}

uint32_t Spieler_Einsetzen_Marken_Handle(const Spieler_Marken_Bild& b)
{
    if (ResFile_Handles[0].handle < 0) return 0;
    Rastport* r = b.slave ? Menue_Get_Slave_Rastport(b.nummer) : bild_behalten(b.nummer);
    return r ? Handle_Registrieren(r, Handle_Art::Bild) : 0;
}

uint32_t Spieler_Einsetzen_Attribut_Bild(int32_t attribut)
{
    if (attribut < 0 || attribut >= 28 || Sp_Attribut_Bilder[attribut] < 0) return 0;
    Rastport* r = ResFile_Handles[0].handle >= 0 ? Menue_Get_Slave_Rastport(368 + Sp_Attribut_Bilder[attribut]) : nullptr;
    return r ? Handle_Registrieren(r, Handle_Art::Bild) : 0;
}

namespace {

constexpr int32_t SPALTEN_ABSTAND = 4, LISTEN_FONT = 4;

// The list font's width of a text, pictures and bold letters counted; six pixels a character
// while no font is loaded.
int32_t text_breite(const char* t)
{
    if (Font_Record* f = Font(LISTEN_FONT)) return Font_Text_Breite_Mit_Tabs(f, t);
    int32_t n = 0;
    for (const char* c = t; *c; ++c) {
        if (c[0] == '^' && c[1] == 'b' && c[2]) c += 2;  // bold on or off takes no room
        else ++n;
    }
    return n * 6;
}

}  // namespace

void Spieler_Einsetzen_Set_View_Text_Max_Breite(int32_t liste, const std::vector<Spieler_Listen_Eintrag>& eintraege,
                                                int32_t breiten[30])
{
    if (!breiten) {
        Print_Fehler("Spieler_Einsetzen_Set_View_Text_Max_Breite: mem-fehler!");
        return;
    }
    for (int32_t s = 0; s < 30; ++s) breiten[s] = 0;
    const uint32_t spalten = Spieler_Einsetzen_Spalten(liste);
    char text[200];
    for (const Spieler_Listen_Eintrag& e : eintraege) {
        if (e.spnr < 0) continue;
        for (int32_t s = 1; s < 30; ++s) {
            if (!(spalten & (1u << s))) continue;
            Spieler_Einsetzen_Spalte_Text(s, e.team, e.spnr, text, sizeof text, liste);
            breiten[s] = std::max(breiten[s], text_breite(text));
        }
    }
}

void Spieler_Einsetzen_Eintrag_Text(int32_t liste, int32_t team, int32_t spnr, const int32_t breiten[30], char* aus,
                                    int32_t groesse)
{
    if (!aus || groesse <= 0) return;
    aus[0] = 0;
    if (!breiten || spnr < 0 || spnr >= Spieler_Anzahl) {
        Print_Fehler("Spieler_Einsetzen_Universaler_Text_Refresh: i_t fehlt!");
        return;
    }
    const char* name = Spieler_String(SP_NAME, spnr, nullptr, 0);
    const bool spielt = team >= 0 && Teamspieler_Get_Record(team, spnr) && (Teamspieler_Wert(317, team, spnr, 0, 0) & TS_STARTELF);
    size_t l = size_t(std::snprintf(aus, size_t(groesse), spielt ? "^bb%s^be" : "%s", name ? name : ""));
    // the marks follow the name; each takes its picture's width and a gap, as the printer moves on
    int32_t marken_breite = 0;
    Spieler_Marken_Bild marken[SPIELER_MARKEN_MAX];
    const int32_t m = Spieler_Einsetzen_Marken(liste, team, spnr, marken);
    for (int32_t k = 0; k < m && l + 1 < size_t(groesse); ++k) {
        const uint32_t h = Spieler_Einsetzen_Marken_Handle(marken[k]);
        const auto* r = static_cast<const Rastport*>(Handle_Aufloesen(h, Handle_Art::Bild));
        if (!r) continue;
        l += size_t(std::snprintf(aus + l, size_t(groesse) - l, "%s^gnk%#010x", k ? "" : " ", h));
        marken_breite += int32_t(r->width) + 3;
    }
    if (l >= size_t(groesse)) {
        aus[groesse - 1] = 0;
        return;
    }
    const uint32_t spalten = Spieler_Einsetzen_Spalten(liste);
    int32_t nummern[29], weiten[29], zeilen[29], n = 0;
    for (int32_t s = 1; s < 30; ++s)
        if (spalten & (1u << s)) {
            nummern[n] = s;
            weiten[n++] = breiten[s] + SPALTEN_ABSTAND;
        }
    if (!n) return;
    // measured as printed: a bold name is a pixel wider for each letter
    char gedruckt[120];
    std::snprintf(gedruckt, sizeof gedruckt, spielt ? "^bb%s^be" : "%s", name ? name : "");
    const int32_t name_breite = text_breite(gedruckt) + (marken_breite ? text_breite(" ") + marken_breite : 0);
    Spieler_Einsetzen_Spalten_Umbrechen(name_breite + SPALTEN_ABSTAND, weiten, n, zeilen);
    char text[200];
    for (int32_t z = 0; z < 4 && l + 1 < size_t(groesse); ++z) {
        int32_t x = z == 0 ? name_breite + SPALTEN_ABSTAND : 0;
        bool erste = true;
        for (int32_t i = 0; i < n && l + 1 < size_t(groesse); ++i) {
            if (zeilen[i] != z) continue;
            if (z > 0 && erste) l += size_t(std::snprintf(aus + l, size_t(groesse) - l, "^l"));
            erste = false;
            Spieler_Einsetzen_Spalte_Text(nummern[i], team, spnr, text, sizeof text, liste);
            if (l + 1 < size_t(groesse)) l += size_t(std::snprintf(aus + l, size_t(groesse) - l, "^tl%04d%s", x, text));
            x += weiten[i];
        }
    }
    if (l >= size_t(groesse)) aus[groesse - 1] = 0;
}

int32_t Spieler_Einsetzen_Liste_Malen(Rastport* ziel, int32_t liste, const std::vector<Spieler_Listen_Eintrag>& eintraege,
                                      int32_t x, int32_t y, int32_t h, std::vector<int32_t>* oben_aus)
{
    if (oben_aus) oben_aus->clear();
    if (!ziel) return 0;
    constexpr int32_t ZEILE = 10;
    int32_t breiten[30];
    Spieler_Einsetzen_Set_View_Text_Max_Breite(liste, eintraege, breiten);
    const bool farbig = Spieler_Einsetzen_Farb_Bits(liste) != 0;
    auto drucken = [&](int32_t oben, uint16_t farbe, const char* t) {
        Grafik_Printf(ziel, Font(LISTEN_FONT), "^c%05d%s", x, oben + 8, int(farbe), t);
    };
    int32_t zeilen = 0;
    char text[1024];
    for (const Spieler_Listen_Eintrag& e : eintraege) {
        const int32_t oben = y + ZEILE * zeilen;
        if (oben + ZEILE > y + h) break;
        if (e.spnr < 0) {
            drucken(oben, Grafik_Farbe(15, 6, 6), Spieler_Einsetzen_Liste_Voll_Text(liste));
            zeilen += 2;
            break;
        }
        Spieler_Einsetzen_Eintrag_Text(liste, e.team, e.spnr, breiten, text, sizeof text);
        int32_t n = 1;
        for (const char* c = text; (c = std::strstr(c, "^l")); c += 2) ++n;
        if (oben + ZEILE * n > y + h) break;
        // brighter is better: the colour value picks the shade
        const int32_t hell = farbig ? 6 + std::clamp(e.farbwert, 0, 100) * 9 / 100 : 15;
        drucken(oben, Grafik_Farbe(uint32_t(hell), uint32_t(hell), uint32_t(hell)), text);
        if (oben_aus) oben_aus->push_back(oben);
        zeilen += n;
    }
    if (eintraege.empty())
        drucken(y, Grafik_Farbe(10, 10, 10),
                liste == 2 && Spieler_Suche_Ohne_Raum()
                    ? "Sie haben keinen Such-Raum^laktiviert, der die Lieblings-^lpositionen der Spieler angibt"
                    : "Kein Eintrag vorhanden.");
    return zeilen;
}
