#include <algorithm>
#include <cstdio>

#include "competitions/spiele_statistik.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "screens/spieler_angebot.h"
#include "screens/spieler_detail.h"
#include "screens/spieler_liste.h"
#include "screens/spieler_training.h"
#include "screens/spieler_versicherung.h"
#include "toolkit/icon.h"

Spieler_Detail_Zustand Spieler_Detail;

const int8_t Spieler_Portrait_Schatten[5][2] = {{3, 3}, {3, 1}, {1, 3}, {2, 2}, {1, 1}};
const int8_t Spieler_Minuten_Bereiche[6][2] = {{1, 15}, {16, 30}, {31, 45}, {46, 60}, {61, 75}, {76, 90}};

const char* const Spieler_Staerke_Kategorien[13] = {
    "Gesamtstärke", "Kondition (ges.)",  "Kraft",     "Ausdauer",       "Zweikampf",    "Intelligenz (ges.)", "Übersicht",
    "Takt. Verständnis", "Teamgeist", "Technik (ges.)", "Spritzigkeit", "Dribbling",          "Torschuß"};
const char* const Spieler_Eigenschaft_Kategorien[15] = {
    "Flanken",     "Freistoß",     "Elfmeter",       "Ecken",          "Kopfballstärke",
    "Torinstinkt", "Robustheit",   "Nervenstärke",   "Aggressivität",  "Vereinstreue",
    "Allrounder",  "Erfahrung",    "Reflexe (TW)",   "Herauslaufen (TW)", "Strafraumbeh. (TW)"};

namespace {

const char* const TOGGLE_TEXTE[13] = {
    "Allg. Informationen", "Detail-Info",        "Stärke-Entwicklung", "Versicherung",      "Vertragsverhandlung",
    "Tore / Spieltag",     "Chancen / Spieltag", "Tore / Minuten",     "Chancen / Minuten", "Noten",
    "Minuten gespielt",    "Stärken je Saison",  "Tore je Saison"};
const char* const POSITIONEN[4] = {"Torhüter", "Abwehrspieler", "Mittelfeldspieler", "Stürmer"};

// The window's marker: the team information screen can bring the pages back while it stands.
Menue_Icon marke = [] {
    Menue_Icon i = Menue_Icon_Vorlage(SPIELER_DETAIL_MARKE, -1, 0, 0, 0, 1, 1, 0, 255);
    i.status = ICON_VERSTECKT;
    return i;
}();

bool offen = false;

void toggle_setzen(int32_t toggle)
{
    for (int32_t t = SPIELER_DETAIL_ERSTER_TOGGLE; t <= 921; ++t)
        Manager_Icon_Button_An_Aus(Aktuelles_Team, t, t == toggle ? 1 : 0);
}

bool spieler_da(int32_t team, int32_t spnr)
{
    return team >= 0 && team < Team_Anzahl && spnr >= 0 && spnr < Spieler_Anzahl && Teamspieler_Get_Record(team, spnr);
}

// Attribute row of a strength category: -1 the total, -2/-3/-4 the three group means.
constexpr int8_t STAERKE_ATTRIBUT[13] = {-1, -2, 0, 1, 2, -3, 3, 4, 5, -4, 6, 7, 8};

}  // namespace

bool Spieler_Detailseite_Ist_Offen() { return offen; }

int32_t Spieler_Detailseite_Toggle()
{
    for (int32_t t = SPIELER_DETAIL_ERSTER_TOGGLE; t <= SPIELER_DETAIL_LETZTER_TOGGLE; ++t)
        if (Manager_Icon_Button_Lesen(Aktuelles_Team, t)) return t;
    return SPIELER_DETAIL_ERSTER_TOGGLE;
}

bool Spieler_Detailseite_Toggle_Grau(int32_t toggle)
{
    if (toggle == 911 && Spieler_Detail.team != Aktuelles_Team) return true;
    return Netz_Rolle == 1 && (toggle == 911 || (toggle >= 913 && toggle <= SPIELER_DETAIL_LETZTER_TOGGLE));
}

const char* Spieler_Detailseite_Toggle_Text(int32_t toggle)
{
    if (toggle < SPIELER_DETAIL_ERSTER_TOGGLE || toggle > SPIELER_DETAIL_LETZTER_TOGGLE) return "";
    return TOGGLE_TEXTE[toggle - SPIELER_DETAIL_ERSTER_TOGGLE];
}

bool Spieler_Detailseite_Oeffnen(int32_t team, int32_t spnr, int32_t seite, bool wieder)
{
    Spieler_Detail_Zustand& z = Spieler_Detail;
    if (wieder) {
        if (!offen) return false;
        team = z.gemerkt_team;
        spnr = z.gemerkt_spnr;
        seite = -1;
    }
    if (!spieler_da(team, spnr) || seite < -1 || seite > 12) return false;
    z.team = int16_t(team);
    z.spnr = int16_t(spnr);
    z.gemerkt_team = team;
    z.gemerkt_spnr = spnr;
    if (!offen) Menue_Screen_Icon_Hinzufuegen(&marke);
    offen = true;
    int32_t toggle = seite == -1 ? Spieler_Detailseite_Toggle() : SPIELER_DETAIL_ERSTER_TOGGLE + seite;
    // A page this club or this machine does not show falls back to the general one.
    if (Spieler_Detailseite_Toggle_Grau(toggle)) toggle = SPIELER_DETAIL_ERSTER_TOGGLE;
    toggle_setzen(toggle);
    z.seite = int16_t(toggle - SPIELER_DETAIL_ERSTER_TOGGLE);
    z.gemerkt_seite = z.seite;
    if (toggle == 911) Spieler_Versichern(team, spnr);
    if (toggle == 912) Spieler_Angebot_Formular_Vorbereiten(team, spnr);
    return true;
}

void Spieler_Detailseite_Schliessen()
{
    Spieler_Detail_Fenster_Entfernen();
    if (offen) Menue_Screen_Icon_Loeschen(SPIELER_DETAIL_MARKE, nullptr, 0);
    offen = false;
}

bool Spieler_Detailseite_Blaettern(int32_t richtung)
{
    if (!offen) return false;
    int32_t liste[500];
    const int32_t team = Spieler_Detail.team;
    const int32_t n = team >= 0 && team < Team_Anzahl ? Teamspieler_Ins_Array(team, liste, 500, 0) : 0;
    if (n <= 0) {
        Spieler_Detailseite_Schliessen();
        return false;
    }
    const int32_t* hier = std::find(liste, liste + n, int32_t(Spieler_Detail.spnr));
    int32_t k = 0;
    if (hier != liste + n) k = (int32_t(hier - liste) + (richtung < 0 ? n - 1 : 1)) % n;
    return Spieler_Detailseite_Oeffnen(team, liste[k], -1, false);
}

bool Spieler_Detailseite_Seite_Klick(int32_t toggle)
{
    if (!offen || toggle < SPIELER_DETAIL_ERSTER_TOGGLE || toggle > SPIELER_DETAIL_LETZTER_TOGGLE ||
        Spieler_Detailseite_Toggle_Grau(toggle))
        return false;
    return Spieler_Detailseite_Oeffnen(Spieler_Detail.team, Spieler_Detail.spnr, toggle - SPIELER_DETAIL_ERSTER_TOGGLE,
                                       false);
}

void Spieler_Detail_Profil_Zeilen(int32_t team, int32_t spnr, char zeilen[6][120])
{
    for (int32_t k = 0; k < 6; ++k) zeilen[k][0] = 0;
    if (!spieler_da(team, spnr)) return;
    const int32_t art = Spieler_Wert(SP_ART, spnr, 0, SP_LESEN);
    const char* club = Team_String(TEAM_NAME, team, nullptr, 0);
    std::snprintf(zeilen[0], 120, "Alter^tl0090: %d Jahre", Spieler_Wert(SP_ALTER, spnr, 0, SP_LESEN));
    std::snprintf(zeilen[1], 120, "Größe^tl0090: %d cm", Spieler_Wert(SP_GROESSE, spnr, 0, SP_LESEN));
    std::snprintf(zeilen[2], 120, "Stärke^tl0090: %d", Spieler_Wert(SP_K_I_T, spnr, 0, SP_LESEN));
    std::snprintf(zeilen[3], 120, "Position^tl0090: %s", POSITIONEN[art >= 0 && art < 4 ? art : 1]);
    std::snprintf(zeilen[4], 120, "Aktueller Club^tl0090: %s", club ? club : "");
    const char* seit = "";
    if (!(Netz_Rolle == 1 && team != Aktuelles_Team)) {
        const char* d = Kalender_Get_Datum_String(Teamspieler_Wert(323, team, spnr, 0, 0));
        seit = d ? d : "";
    }
    std::snprintf(zeilen[5], 120, "Seit^tl0090: %s", seit);
}

namespace {

Statistik_Spieler statistik(int32_t spnr, bool* da)
{
    Statistik_Spieler s{};
    *da = spnr >= 0 && spnr < Spieler_Anzahl && Spiele_Get_Statistik_Spieler(spnr, &s);
    return s;
}

// Newest-first entries up to the first empty one, turned oldest first.
template <class T>
int32_t rueckwaerts(const T* neu_zuerst, int32_t anzahl, T leer, int32_t deckel, int32_t maske, int32_t* werte)
{
    int32_t n = 0;
    while (n < anzahl && neu_zuerst[n] != leer) ++n;
    for (int32_t k = 0; k < n; ++k) werte[k] = std::min(int32_t(neu_zuerst[n - 1 - k]) & maske, deckel);
    return n;
}

}  // namespace

int32_t Spieler_Detail_Noten(int32_t spnr, int32_t werte[16])
{
    bool da = false;
    const Statistik_Spieler s = statistik(spnr, &da);
    return da ? rueckwaerts<uint8_t>(s.noten, 16, 0xFF, 6, STAT_NOTE_MASKE, werte) : 0;
}

int32_t Spieler_Detail_Minuten(int32_t spnr, int32_t werte[16])
{
    bool da = false;
    const Statistik_Spieler s = statistik(spnr, &da);
    return da ? rueckwaerts<uint8_t>(s.minuten_letzte, 16, 0xFF, 120, 0xFF, werte) : 0;
}

int32_t Spieler_Detail_Saison_Staerken(int32_t spnr, int32_t werte[8])
{
    bool da = false;
    const Statistik_Spieler s = statistik(spnr, &da);
    return da ? rueckwaerts<uint16_t>(s.saison_staerke, 8, 0xFFFF, 999, 0xFFFF, werte) : 0;
}

int32_t Spieler_Detail_Saison_Tore(int32_t spnr, int32_t werte[8])
{
    bool da = false;
    const Statistik_Spieler s = statistik(spnr, &da);
    return da ? rueckwaerts<uint8_t>(s.saison_werte, 8, 0xFF, 120, 0xFF, werte) : 0;
}

int32_t Spieler_Detail_Spieltag_Werte(int32_t team, bool chancen, int32_t werte[SPIELER_DETAIL_SPIELTAGE])
{
    if (!werte || team < 0 || team >= Team_Anzahl) return 0;
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    const Wettbewerb_Info* info = liga >= 0 ? Wettbewerb_Get_Info(liga) : nullptr;
    if (!info) return 0;
    const int32_t bis = std::min(info->spieltag, SPIELER_DETAIL_SPIELTAGE);
    int32_t n = 0;
    for (int32_t tag = 0; tag <= bis && n < SPIELER_DETAIL_SPIELTAGE; ++tag) {
        Spiele_Team_Statistik st;
        Spiele_Team_Statistik_Berechnen(team, liga, tag, tag, -1, 0, &st, -1);
        // the match days played so far: the first one without a figure ends the chart
        if (st.spiele == 0) {
            if (n > 0) break;
            continue;
        }
        werte[n++] = chancen ? st.chancen : st.tore;
    }
    return n;
}

void Spieler_Detail_Minuten_Werte(int32_t team, bool chancen, int32_t werte[6])
{
    if (!werte) return;
    std::fill(werte, werte + 6, 0);
    if (team < 0 || team >= Team_Anzahl) return;
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    if (liga < 0) return;
    Spiele_Team_Statistik st;
    Spiele_Team_Statistik_Berechnen(team, liga, -1, -1, -1, 0, &st, -1);
    for (int32_t b = 0; b < 6; ++b)
        for (int32_t m = Spieler_Minuten_Bereiche[b][0]; m <= Spieler_Minuten_Bereiche[b][1]; ++m)
            werte[b] += chancen ? st.chancen_minute[m] : st.tore_minute[m];
}

bool Spieler_Detail_Kurve(int32_t team, int32_t spnr, bool eigenschaft, int32_t kategorie, int32_t werte[52])
{
    if (!spieler_da(team, spnr) || kategorie < 0 || kategorie >= (eigenschaft ? 15 : 13)) {
        werte[0] = 0;
        return false;
    }
    const bool torwart = Spieler_Wert(SP_ART, spnr, 0, SP_LESEN) == 0;
    int32_t vektor[SP_ATTRIBUTVEKTOR] = {};
    Spieler_Attribute(spnr, vektor, SP_ATTRIBUTE_LESEN);
    // The rows a point is the mean of, and the current value.
    int32_t von = 0, bis = 0, aktuell = 0;
    if (eigenschaft) {
        von = bis = 9 + kategorie;
        aktuell = vektor[von];
    } else {
        const int32_t a = STAERKE_ATTRIBUT[kategorie];
        if (a >= 0) {
            von = bis = a;
            aktuell = vektor[a];
        } else if (a == -1) {
            von = 0;
            bis = torwart ? 0 : 8;
            aktuell = Spieler_Wert(torwart ? SP_TORWART_STAERKE : SP_K_I_T, spnr, 0, SP_LESEN);
        } else {
            von = (-a - 2) * 3;
            bis = von + 2;
            aktuell = torwart ? (vektor[von] + vektor[von + 1] + vektor[von + 2]) / 3
                              : Spieler_Wert(SP_KO + (-a - 2), spnr, 0, SP_LESEN);
        }
    }
    const Manager_Zusatzspieler* z =
        team == Aktuelles_Team ? Manager_Zusatzspieler_Array_Position(team, spnr) : nullptr;
    if (!z) {
        werte[0] = aktuell;
        return false;
    }
    for (int32_t w = 1; w < MANAGER_VERLAUF; ++w) {
        int32_t summe = 0;
        for (int32_t r = von; r <= bis; ++r) summe += z->verlauf[r][w];
        werte[w - 1] = summe / (bis - von + 1);
    }
    werte[51] = aktuell;
    return true;
}

bool Spieler_Detail_Picker_Klick(int32_t picker)
{
    if (picker < 880 || picker > 885) return false;
    Manager_Icon_Button_An_Aus(Aktuelles_Team, picker, Manager_Icon_Button_Lesen(Aktuelles_Team, picker) ? 0 : 1);
    for (int32_t p = 880; p <= 885; ++p)
        if (Manager_Icon_Button_Lesen(Aktuelles_Team, p)) return true;
    // No curve left: the clicked one stays on.
    Manager_Icon_Button_An_Aus(Aktuelles_Team, picker, 1);
    return false;
}

const char* Spieler_Training_Toggle_Text(int32_t icon, char* text, uint32_t groesse)
{
    static const char* const FELD[14] = {"Kraft",        "Ausdauer",  "Zweikampf", "Übersicht", "Takt. Verständnis",
                                         "Teamgeist",    "Spritzigkeit", "Dribbling", "Torschuß", "Flanken",
                                         "Freistöße",    "Elfmeter",  "Ecken",     "Kopfball"};
    static const char* const TOR[3] = {"Reflexe", "Herauslaufen", "Strafraumbeherrsch."};
    if (!text || groesse == 0) return "";
    text[0] = 0;
    // the kinds are the attributes 0..13 and 21..23; their pictures come through the attribute
    // table, by handle
    if (icon >= 1480 && icon < 1494)
        std::snprintf(text, groesse, "^guk%#010x %s", Spieler_Einsetzen_Attribut_Bild(icon - 1480), FELD[icon - 1480]);
    else if (icon >= 1494 && icon <= 1496)
        std::snprintf(text, groesse, "^guk%#010x %s", Spieler_Einsetzen_Attribut_Bild(21 + icon - 1494), TOR[icon - 1494]);
    return text;
}
