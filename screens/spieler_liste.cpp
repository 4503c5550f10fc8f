#include "screens/spieler_liste.h"

#include <algorithm>
#include <cstdio>

#include "competitions/statistik.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "platform/print.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_suche.h"

namespace {

constexpr int32_t ERSTES_ICON[3] = {1241, 1253, 1333};
constexpr int32_t SCHNELL_ICON[3] = {1244, 1256, 1336};
constexpr int32_t NUR_PLATZ_ICON[3] = {1245, 1257, 1337};
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
    if (Manager_Icon_Button_Lesen(eigen(), SCHNELL_ICON[liste])) {
        const uint16_t b = Manager_Icon_Word_Data_Lesen(eigen(), SCHNELL_ICON[liste]);
        return b < 32 ? 1u << b : 0;
    }
    return (Manager_Icon_Button_Lesen(eigen(), ERSTES_ICON[liste]) & 0xFFFFu) |
           uint32_t(Manager_Icon_Word_Data_Lesen(eigen(), ERSTES_ICON[liste])) << 16;
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
    Manager_Icon_Button_An_Aus(eigen(), icon, Manager_Icon_Button_Lesen(eigen(), icon) ? 0 : 1);
    bool eine = false;
    for (int32_t i : TYP_ICON) eine = eine || Manager_Icon_Button_Lesen(eigen(), i);
    // the last type switched off brings all back
    if (!eine)
        for (int32_t i : TYP_ICON) Manager_Icon_Button_An_Aus(eigen(), i, 1);
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
    const bool nur_platz = mit_manager() && Manager_Icon_Button_Lesen(eigen(), NUR_PLATZ_ICON[liste]);
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
