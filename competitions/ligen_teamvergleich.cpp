#include "competitions/ligen_teamvergleich.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "network/internet_read.h"
#include "platform/print.h"
#include "platform/sortiere.h"

namespace {

constexpr int32_t GEGNER = 32768;
constexpr int32_t MODUS_STAERKE = -1, MODUS_TRANSFERS = 99, MODUS_NOTEN = 30;
constexpr int32_t SPIELER_MAX = 50;
constexpr int32_t Y_UNTEN = 383, HOEHE = 110;

bool an(int32_t icon) { return Manager_Icon_Button_Lesen(Aktuelles_Team, icon) != 0; }
void setzen(int32_t icon, bool ein) { Manager_Icon_Button_An_Aus(Aktuelles_Team, icon, ein ? 1 : 0); }

int32_t staerke(int32_t team, int32_t filter, int32_t gruppen)
{
    int32_t teiler = 0;
    for (int32_t g : {1, 2, 4})
        if (gruppen & g) teiler += 3;
    teiler = std::max(teiler, 3);
    int32_t spieler[SPIELER_MAX];
    const int32_t n = std::clamp(Teamspieler_Ins_Array(team, spieler, SPIELER_MAX, filter), 0, SPIELER_MAX);
    int32_t summe = 0;
    for (int32_t i = 0; i < n; ++i) summe += Spieler_Teilstaerke(spieler[i], -1, nullptr, gruppen);
    summe /= teiler;
    return n ? summe / n : summe;
}

int32_t transfers(int32_t team)
{
    const auto* liste = static_cast<const Teamspieler_Transfer*>(Teamspieler_Zeiger(TEAMSP_TRANSFERLISTE, 0));
    if (!liste) return 0;
    int32_t n = 0;
    // An unused entry has seller and buyer alike (both 0); a real transfer never has.
    for (int32_t i = 0; i < TEAMSP_TRANSFERLISTE_ANZAHL; ++i)
        if (liste[i].verkaeufer != liste[i].kaeufer && (liste[i].verkaeufer == team || liste[i].kaeufer == team)) ++n;
    return n;
}

void le32(uint8_t* d, uint32_t w)
{
    d[0] = uint8_t(w);
    d[1] = uint8_t(w >> 8);
    d[2] = uint8_t(w >> 16);
    d[3] = uint8_t(w >> 24);
}
uint32_t le32(const uint8_t* d)
{
    return uint32_t(d[0]) | uint32_t(d[1]) << 8 | uint32_t(d[2]) << 16 | uint32_t(d[3]) << 24;
}

// Block fields of call 70 after the five values: sort direction, count, tenths, largest,
// smallest, then heights, teams, places and values per club.
enum { F_RICHTUNG, F_ANZAHL, F_STELLE, F_GROESSTER, F_KLEINSTER, F_HOEHEN, F_TEAMS, F_PLAETZE, F_WERTE, F_FELDER };

bool vergleich_70(Internet_Aufruf* a)
{
    Internet_Positionen* p = a->p;
    const uint32_t t = uint32_t(std::max(Team_Anzahl, 0));
    const uint32_t noetig[F_FELDER] = {4, 4, 4, 4, 4, 2 * t, 4 * t, t, 4 * t};
    if (p->zeiger_anzahl != F_FELDER || p->anzahl_w < 1 || p->anzahl_i < 4) return false;
    for (int32_t k = 0; k < F_FELDER; ++k)
        if (!p->daten[k] || p->groesse[k] < noetig[k]) return false;
    Teamvergleich_Ergebnis e;
    Ligen_Teamvergleich_Werte_Berechnen(int16_t(p->worte[0]), p->ints[0], p->ints[1], p->ints[2], p->ints[3],
                                        an(TV_RANG), &e);
    // Never more clubs than the caller's arrays hold.
    const int32_t n = std::min<int32_t>(e.anzahl, int32_t(t));
    le32(p->daten[F_RICHTUNG], uint32_t(e.absteigend));
    le32(p->daten[F_ANZAHL], uint32_t(n));
    le32(p->daten[F_STELLE], uint32_t(e.eine_stelle));
    le32(p->daten[F_GROESSTER], uint32_t(e.groesster));
    le32(p->daten[F_KLEINSTER], uint32_t(e.kleinster));
    for (int32_t i = 0; i < n; ++i) {
        p->daten[F_HOEHEN][2 * i] = uint8_t(uint16_t(e.hoehe[i]));
        p->daten[F_HOEHEN][2 * i + 1] = uint8_t(uint16_t(e.hoehe[i]) >> 8);
        le32(p->daten[F_TEAMS] + 4 * i, uint32_t(e.team[i]));
        p->daten[F_PLAETZE][i] = e.platz[i];
        le32(p->daten[F_WERTE] + 4 * i, uint32_t(e.wert[i]));
    }
    return true;
}

}  // namespace

const Teamvergleich_Statistik Teamvergleich_Statistiken[TV_STATISTIKEN] = {
    {nullptr, -1},
    {nullptr, -1},
    {nullptr, -1},
    {"Erschöpfung", 28},
    {"Alter", 27},
    {"Gehalt", 26},
    {"Spiel-Noten", 30},
    {"Elf des Tages", 31},
    {"Zuschauer", 19},
    {"Transfers", 99},
    {"Moral", 32},
    {"Spielerzahl", 33},
    {"Erzielte Freistoßtore", 14},
    {"Erzielte Elfmetertore", 15},
    {"Verwandelte Eckbälle", 13},
    {"Erzielte Kopfballtore", 7},
    {"Eigene Eigentore", 9 + GEGNER},
    {"Kassierte Freistoßtore", 14 + GEGNER},
    {"Kassierte Elfmetertore", 15 + GEGNER},
    {"Direkt kassierte Ecken", 13 + GEGNER},
    {"Kassierte Kopfballtore", 7 + GEGNER},
    {"Eigentore des Gegners", 9},
    {"Selbst gehaltene Bälle", 10},
    {"Selbst vorbei geschoss.", 11},
    {"Eigene Holztreffer", 8},
    {"Gegner: gehaltene B.", 10 + GEGNER},
    {"Gegner: vorbei gesch.", 11 + GEGNER},
    {"Gegner: Holztreffer", 8 + GEGNER},
    {"Gelbe Karten", 4},
    {"Gelb-Rote Karten", 5},
    {"Rote Karten", 6},
    {"Alle Karten", 24},
};

bool Ligen_Teamvergleich_Absteigend(int32_t modus)
{
    switch (modus) {
    case 4: case 5: case 6: case 24: case 27: case 30: return false;
    default: return true;
    }
}

void Ligen_Teamvergleich_Werte_Berechnen(Wettbewerb_Id w, int32_t nur_elf, int32_t positionen, int32_t gruppen,
                                         int32_t modus, bool rang, Teamvergleich_Ergebnis* e)
{
    if (!e) return;
    *e = Teamvergleich_Ergebnis{};
    e->absteigend = Ligen_Teamvergleich_Absteigend(modus) ? 1 : 0;
    e->eine_stelle = modus == MODUS_NOTEN ? 1 : 0;
    int16_t teams[WETTBEWERB_MAX_TEAMS];
    const int32_t n = std::clamp(Wettbewerb_Get_Teams(w, teams), 0, WETTBEWERB_MAX_TEAMS);
    const int32_t filter = (positionen & 15) + (nur_elf ? 16 : 0);
    int32_t wettbewerb = w;
    std::vector<int32_t> zaehler(size_t(std::max(Team_Anzahl, 1)) * 10, 0);
    for (int32_t i = 0; i < n; ++i) {
        const int32_t t = teams[i];
        e->team[i] = t;
        if (t < 0 || t >= Team_Anzahl) continue;
        if (modus == MODUS_STAERKE) e->wert[i] = staerke(t, filter, gruppen);
        else if (modus == MODUS_TRANSFERS) e->wert[i] = transfers(t);
        else {
            int32_t masken = 0, zweiter = 0;
            // One count for the whole competition, each further club read from the table.
            e->wert[i] = Team_Get_Team_Statistik(modus, &wettbewerb, 1, t, positionen & 15, int8_t(nur_elf ? 1 : 0),
                                                 -1, -1, -1, -1, zaehler.data(), &masken, nullptr,
                                                 int8_t(i == 0 ? 1 : 0), &zweiter);
        }
    }
    e->anzahl = n;
    Sortiere_Int(e->team, e->wert, n, e->absteigend != 0);
    for (int32_t i = 0; i < n; ++i) {
        e->groesster = std::max(e->groesster, e->wert[i]);
        e->kleinster = std::min(e->kleinster, e->wert[i]);
    }
    for (int32_t i = 0; i < n; ++i) {
        int32_t platz = i;
        if (!rang) {
            const int32_t p = Wettbewerb_Get_Tabellenplatz(w, e->team[i]);
            if (p >= 0) platz = p;
        }
        e->platz[i] = uint8_t(std::clamp(platz, 0, 255));
        e->hoehe[i] = int16_t(Ligen_Teamvergleich_Hoehe(e->wert[i], e->groesster, e->kleinster, e->absteigend != 0));
    }
}

int32_t Ligen_Teamvergleich_Hoehe(int32_t wert, int32_t groesster, int32_t kleinster, bool absteigend)
{
    const int64_t spanne = int64_t(groesster) - kleinster;
    if (groesster == 0 || spanne < 1) return Y_UNTEN;
    const int64_t d = absteigend ? int64_t(wert) - kleinster : int64_t(groesster) - wert;
    // Salaries in DM pass 32 bits once multiplied.
    return int32_t(Y_UNTEN - d * HOEHE / spanne);
}

bool Ligen_Teamvergleich_Werte_Holen(Wettbewerb_Id w, int32_t nur_elf, int32_t positionen, int32_t gruppen,
                                     int32_t modus, bool rang, Teamvergleich_Ergebnis* e)
{
    if (!e) return false;
    if (Netz_Rolle != 1) {
        Ligen_Teamvergleich_Werte_Berechnen(w, nur_elf, positionen, gruppen, modus, rang, e);
        return true;
    }
    *e = Teamvergleich_Ergebnis{};
    const uint32_t t = uint32_t(std::max(Team_Anzahl, 0));
    uint8_t kopf[5][4] = {};
    std::vector<uint8_t> hoehen(2 * t), teams(4 * t), plaetze(t), werte(4 * t);
    char format[INTERNET_FORMAT_MAX + 1];
    std::snprintf(format, sizeof format, "vwiiiiC%dI%dI%dI%dI%dW<%dI<%dC<%dI<%d", 4, 4, 4, 4, 4, 2 * t, 4 * t, t,
                  4 * t);
    const Internet_Arg args[] = {Internet_Wert(w),
                                 Internet_Wert(nur_elf),
                                 Internet_Wert(positionen),
                                 Internet_Wert(gruppen),
                                 Internet_Wert(modus),
                                 Internet_Zeiger(kopf[0], 4),
                                 Internet_Zeiger(kopf[1], 4),
                                 Internet_Zeiger(kopf[2], 4),
                                 Internet_Zeiger(kopf[3], 4),
                                 Internet_Zeiger(kopf[4], 4),
                                 Internet_Zeiger(hoehen.data(), 2 * t),
                                 Internet_Zeiger(teams.data(), 4 * t),
                                 Internet_Zeiger(plaetze.data(), t),
                                 Internet_Zeiger(werte.data(), 4 * t)};
    uint8_t fertig = 0;
    Internet_Client_Read(70, format, nullptr, &fertig, args, 14);
    if (!(fertig & 1)) return false;
    e->absteigend = int32_t(le32(kopf[0]));
    // The server's count is checked against what the arrays hold.
    e->anzahl = std::clamp(int32_t(le32(kopf[1])), 0, std::min<int32_t>(WETTBEWERB_MAX_TEAMS, int32_t(t)));
    e->eine_stelle = int32_t(le32(kopf[2]));
    e->groesster = int32_t(le32(kopf[3]));
    e->kleinster = int32_t(le32(kopf[4]));
    for (int32_t i = 0; i < e->anzahl; ++i) {
        e->hoehe[i] = int16_t(hoehen[size_t(2 * i)] | hoehen[size_t(2 * i + 1)] << 8);
        e->team[i] = int32_t(le32(&teams[size_t(4 * i)]));
        e->platz[i] = plaetze[size_t(i)];
        e->wert[i] = int32_t(le32(&werte[size_t(4 * i)]));
    }
    return true;
}

int32_t Ligen_Teamvergleich_Team_Wert(const Teamvergleich_Ergebnis& e, int32_t team)
{
    for (int32_t i = 0; i < e.anzahl; ++i)
        if (e.team[i] == team) return e.wert[i];
    Print_Fehler("Ligen_Teamvergleich_Scrollscreen_Bauen: team nicht gefunden!");
    return 0;
}

std::string Ligen_Teamvergleich_Zahl_Text(int32_t wert, bool eine_stelle)
{
    char text[32];
    if (eine_stelle) std::snprintf(text, sizeof text, "%01d.%01d", wert / 10, std::abs(wert % 10));
    else if (wert > 999999) std::snprintf(text, sizeof text, "%d.%dM", wert / 1000000, wert % 1000000 / 100000);
    else if (wert > 999) std::snprintf(text, sizeof text, "%3dT", wert / 1000);
    else std::snprintf(text, sizeof text, "%3d", wert);
    return text;
}

Teamvergleich_Skala Ligen_Teamvergleich_Skala(int32_t groesster, int32_t kleinster, bool absteigend)
{
    Teamvergleich_Skala s;
    const int64_t diff = int64_t(groesster) - kleinster;
    if (diff < 1) {
        s.anzahl = 1;
        s.wert[0] = groesster;
        s.y[0] = 401;
        return s;
    }
    for (int32_t versatz = 0; versatz <= 108; versatz += 12) {
        if (diff == 1 && versatz != 0 && versatz != 108) continue;
        const int64_t schritt = std::llround(double(versatz) * double(diff) / 108.0);
        s.wert[s.anzahl] = int32_t(groesster - schritt);
        s.y[s.anzahl] = absteigend ? 293 + versatz : 293 + 108 - versatz;
        ++s.anzahl;
    }
    return s;
}

void Ligen_Teamvergleich_Knopf_Klick(int32_t icon)
{
    const bool neu = !an(icon);
    setzen(icon, neu);
    if (icon == TV_ALLE && neu)
        for (int32_t b = TV_POSITION; b < TV_POSITION + 4; ++b) setzen(b, false);
    bool eine = false;
    for (int32_t b = TV_POSITION; b < TV_POSITION + 4; ++b) eine = eine || an(b);
    setzen(TV_ALLE, !eine);
    // Each pair keeps exactly one button on.
    for (const auto& paar : {std::pair{TV_TABELLE, TV_RANG}, std::pair{TV_STAERKE, TV_STATISTIK}}) {
        if (an(paar.first) != an(paar.second)) continue;
        if (icon == paar.first) setzen(paar.second, !neu);
        else setzen(paar.first, !neu);
    }
}

void Ligen_Teamvergleich_Fern_Registrieren() { Internet_Handler_Registrieren(70, vergleich_70); }
