#include "screens/spieler_einsetzen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "network/internet_read.h"
#include "platform/print.h"
#include "screens/spieler_kontext.h"
#include "screens/spieler_liste.h"
#include "screens/spieler_training.h"
#include "screens/spielervergleich.h"
#include "toolkit/icon.h"
#include "toolkit/requester.h"

uint8_t Spieler_Screen_Hinweis_Gezeigt = 0;

namespace {

constexpr uint32_t NICHT_EINSETZBAR = 0xFC0;
constexpr int32_t LISTEN_WERTE = 500;
constexpr int32_t LISTEN_EINTRAEGE = 1000;

const char* const MODUS_SPERRE =
    "Solange der DEFENSIV- oder OFFENSIV-Modus aktiviert ist (d.h. die untere bzw. obere Pfeilspitze links neben dem "
    "Spielfeld ist orange gefärbt), können Sie keine Auswechselungen vornehmen.";

Spieler_Einsetzen_Refresh_Beobachter refresh_beobachter = nullptr;

int32_t eigen() { return Aktuelles_Team; }

bool knopf(int32_t icon) { return eigen() >= 0 && Team_Hat_Manager(eigen()) && Manager_Icon_Button_Lesen(eigen(), icon); }

void meldung(const char* text) { Menue_Requester(1, eigen(), text, nullptr, nullptr, 0); }

bool im_team(int32_t team, int32_t spnr) { return team >= 0 && spnr >= 0 && Teamspieler_Get_Record(team, spnr); }

uint32_t flags(int32_t team, int32_t spnr) { return static_cast<uint32_t>(Teamspieler_Wert(317, team, spnr, 0, 0)); }

bool torwart(int32_t spnr) { return spnr >= 0 && spnr < Spieler_Anzahl && Spieler_Wert(SP_ART, spnr, 0, 0) == 0; }

bool zelle_gueltig(int32_t z) { return z >= 0 && z < RASTER_KEINE_ZELLE; }

bool drin(int32_t x, int32_t y, int32_t x0, int32_t x1, int32_t y0, int32_t y1)
{
    return x >= x0 && x <= x1 && y >= y0 && y <= y1;
}
bool im_tor(int32_t x, int32_t y) { return drin(x, y, 294, 356, 431, 449); }
bool auf_der_bank(int32_t x, int32_t y) { return drin(x, y, 195, 222, 312, 429); }
// The drawn pitch, its margins included.
bool im_spielfeld(int32_t x, int32_t y) { return drin(x, y, 223, 432, 128, 430) || im_tor(x, y); }

int32_t auswahl()
{
    if (eigen() < 0 || !Team_Hat_Manager(eigen())) return -1;
    return static_cast<int16_t>(Manager_Icon_Word_Data_Lesen(eigen(), SE_RAUM_SPIELER));
}
void auswahl_setzen(int32_t spnr)
{
    if (eigen() >= 0 && Team_Hat_Manager(eigen()))
        Manager_Icon_Word_Data_Schreiben(eigen(), SE_RAUM_SPIELER, static_cast<uint16_t>(spnr));
}

bool assistent_aufstellung() { return eigen() >= 0 && Assistent_Mit_Aufgabe(eigen(), 0) >= 0; }

bool modus_aktiv() { return knopf(SE_DEFENSIV) || knopf(SE_OFFENSIV); }

// The other club whose figures are shown, -1 none.
int32_t gezeigter_gegner()
{
    if (Anzeige_Gegner_Team < 0 || Anzeige_Gegner_Team >= Team_Anzahl || Anzeige_Gegner_Team == eigen()) return -1;
    if (eigen() >= 0 && Team_Hat_Manager(eigen()) && !(Manager_Icon_Button_Lesen(eigen(), SE_FIGUREN) & 2)) return -1;
    return Anzeige_Gegner_Team;
}

std::vector<int32_t> auf_dem_platz(int32_t team)
{
    std::vector<int32_t> v;
    int32_t feld[500];
    const int32_t n = std::min(Teamspieler_Ins_Array(team, feld, 500, 0), 500);
    for (int32_t i = 0; i < n; ++i)
        if (flags(team, feld[i]) & TS_STARTELF) v.push_back(feld[i]);
    return v;
}

// Shifts the player's centre, room and both positions by whole cells, cut so that every cell stays
// on the grid. With `frei` the move is refused when another player of the club holds the new centre.
bool verschieben(int32_t team, int32_t spnr, int32_t dz, int32_t ds, bool frei)
{
    int32_t z[5];
    int32_t min_z = 26, max_z = 0, min_s = 16, max_s = 0;
    bool eine = false;
    for (int32_t i = 0; i < 5; ++i) {
        z[i] = Teamspieler_Wert(310 + i, team, spnr, 0, 0);
        if (!zelle_gueltig(z[i])) continue;
        eine = true;
        min_z = std::min(min_z, z[i] / RASTER_SPALTEN);
        max_z = std::max(max_z, z[i] / RASTER_SPALTEN);
        min_s = std::min(min_s, z[i] % RASTER_SPALTEN);
        max_s = std::max(max_s, z[i] % RASTER_SPALTEN);
    }
    if (!eine || !zelle_gueltig(z[0])) return false;
    dz = std::clamp(dz, -min_z, 26 - max_z);
    ds = std::clamp(ds, -min_s, 16 - max_s);
    const int32_t mitte = z[0] + dz * RASTER_SPALTEN + ds;
    if (frei)
        for (int32_t p : auf_dem_platz(team))
            if (p != spnr && Teamspieler_Wert(310, team, p, 0, 0) == mitte) return false;
    for (int32_t i = 0; i < 5; ++i)
        if (zelle_gueltig(z[i])) Teamspieler_Wert(310 + i, team, spnr, z[i] + dz * RASTER_SPALTEN + ds, 1);
    return true;
}

// A field player's room moved so that his centre lies on the cell (as near as the grid allows).
void raum_auf_zelle(int32_t spnr, int32_t zelle)
{
    const int32_t mitte = Teamspieler_Wert(310, eigen(), spnr, 0, 0);
    if (!zelle_gueltig(zelle) || !zelle_gueltig(mitte)) return;
    verschieben(eigen(), spnr, zelle / RASTER_SPALTEN - mitte / RASTER_SPALTEN,
                zelle % RASTER_SPALTEN - mitte % RASTER_SPALTEN, false);
}

void nach_aenderung()
{
    Spieler_Einsetzen_Aufstellung_Loesen();
    const int32_t a = auswahl();
    if (a >= 0 && (!im_team(eigen(), a) || !(flags(eigen(), a) & TS_STARTELF))) auswahl_setzen(-1);
}

const char* spieler_name(int32_t spnr)
{
    const char* n = Spieler_String(SP_NAME, spnr, nullptr, 0);
    return n ? n : "";
}

bool liste_75(Internet_Aufruf* a)
{
    Internet_Positionen* p = a->p;
    if (p->zeiger_anzahl != 3 || p->anzahl_i < 6 || !p->daten[0] || !p->daten[1] || !p->daten[2] ||
        p->groesse[0] < LISTEN_WERTE * 4 || p->groesse[1] < LISTEN_EINTRAEGE * 2 || p->groesse[2] < LISTEN_EINTRAEGE * 2)
        return false;
    int32_t werte[LISTEN_WERTE];
    uint16_t teams[LISTEN_EINTRAEGE], spieler[LISTEN_EINTRAEGE];
    std::memcpy(teams, p->daten[1], sizeof teams);
    std::memcpy(spieler, p->daten[2], sizeof spieler);
    Spieler_Einsetzen_Server_Send_Scrollscreen_Data(p->ints[0], p->ints[1], p->ints[2], p->ints[3], p->ints[4],
                                                    p->ints[5], werte, teams, spieler);
    for (int32_t i = 0; i < LISTEN_WERTE; ++i) {
        const uint32_t w = static_cast<uint32_t>(werte[i]);
        uint8_t* d = p->daten[0] + 4 * i;
        d[0] = uint8_t(w);
        d[1] = uint8_t(w >> 8);
        d[2] = uint8_t(w >> 16);
        d[3] = uint8_t(w >> 24);
    }
    return true;
}

}  // namespace

void Spieler_Einsetzen_Set_Refresh_Beobachter(Spieler_Einsetzen_Refresh_Beobachter b) { refresh_beobachter = b; }

void Spieler_Einsetzen_Einsatz_Refresh(int32_t wert)
{
    if (refresh_beobachter) refresh_beobachter(wert);
    // the slider shows 100 - the figure; it is drawn again from the club's value
    if (Menue_Icon* regler = Menue_Screen_Icon_Aus_Nummer(1286)) regler->refresh = 1;
}

void Spieler_Interne_Pos_Aus_Screenpos(int32_t* x, int32_t* y)
{
    if (!x || !y) {
        Print_Fehler("Spieler_Interne_Pos_Aus_Screenpos: Adr=null!\n");
        return;
    }
    const int32_t zeile = 26 - std::clamp((*y - 134) / 11, 0, 26);
    const int32_t spalte = static_cast<int32_t>(std::lround((*x - 226) * 17.0 / 201.0));
    *x = std::clamp(spalte, 0, 16);
    *y = zeile;
}

void Spieler_Einsetzen_Raster_Zu_Screen(int32_t modus, int32_t zeile, int32_t spalte, int32_t team, int32_t spnr,
                                        int32_t* x, int32_t* y)
{
    if (!x || !y) return;
    const bool eigenes = team == eigen();
    if (spnr >= 0 && torwart(spnr)) {
        *x = 321;
        *y = eigenes ? (knopf(SE_KOEPFE) ? 425 : 430) : 117;
        return;
    }
    const int32_t z = eigenes ? 26 - zeile : zeile;
    const int32_t s = eigenes ? spalte : 16 - spalte;
    const double fx = s * 201.0 / 17.0 + (eigenes ? 0 : 5);
    const double fy = z * 11.0;
    if (modus == 1) {
        *x = static_cast<int32_t>(std::lround(fx)) + 226;
        *y = static_cast<int32_t>(std::lround(fy)) + 134;
    } else {
        *x = static_cast<int32_t>(std::lround(fx * 0.3663));
        *y = static_cast<int32_t>(std::lround(fy * 0.37037));
    }
}

void Spieler_Einsetzen_Figur_Platzieren(int32_t zelle, int32_t team, int32_t spnr, int32_t* bank_index, int32_t* x,
                                        int32_t* y)
{
    if (!x || !y) return;
    if (im_team(team, spnr) && (flags(team, spnr) & TS_ERSATZ)) {
        const int32_t k = bank_index ? (*bank_index)++ : 0;
        *x = 206;
        *y = 329 + 22 * k;
        return;
    }
    if (torwart(spnr)) {
        *x = 321;
        *y = team == eigen() ? (knopf(SE_KOEPFE) ? 429 : 434) : 117;
        return;
    }
    const int32_t z = zelle_gueltig(zelle) ? zelle : 0;
    Spieler_Einsetzen_Raster_Zu_Screen(1, z / RASTER_SPALTEN, z % RASTER_SPALTEN, team, spnr, x, y);
}

int32_t Spieler_Einsetzen_Gezeigte_Zelle(int32_t team, int32_t spnr)
{
    const int32_t feld = knopf(SE_DEFENSIV) ? 313 : knopf(SE_OFFENSIV) ? 314 : 310;
    // beside the shown opponent a marking player stands on the mirrored cell of his man
    const int32_t gegner = gezeigter_gegner();
    if (feld == 310 && team == eigen() && gegner >= 0 && auswahl() < 0) {
        const int32_t mann = Teamspieler_Wert(316, team, spnr, 0, 0);
        const int32_t c = mann >= 0 && im_team(gegner, mann) ? Teamspieler_Wert(310, gegner, mann, 0, 0) : -1;
        if (zelle_gueltig(c)) return (26 - c / RASTER_SPALTEN) * RASTER_SPALTEN + (16 - c % RASTER_SPALTEN);
    }
    return Teamspieler_Wert(feld, team, spnr, 0, 0);
}

int32_t Spieler_Einsetzen_Figur_An_Punkt(int32_t team, int32_t x, int32_t y)
{
    if (team < 0 || team >= Team_Anzahl) return -1;
    const std::vector<int32_t> platz = auf_dem_platz(team);
    if (team == eigen() && im_tor(x, y))
        for (int32_t p : platz)
            if (torwart(p)) return p;
    const bool fremd = team != eigen();
    int32_t px = x + (fremd ? 4 : 9), py = y + 6;
    Spieler_Interne_Pos_Aus_Screenpos(&px, &py);
    for (int32_t p : platz) {
        if (torwart(p)) continue;
        const int32_t c = Spieler_Einsetzen_Gezeigte_Zelle(team, p);
        if (!zelle_gueltig(c)) continue;
        int32_t z = c / RASTER_SPALTEN, s = c % RASTER_SPALTEN;
        if (fremd) {
            z = 26 - z;
            s = 16 - s;
        }
        if (z == py && std::abs(s - px) < 2) return p;
    }
    return -1;
}

void Spieler_Einsetzen_Aufstellung_Loesen()
{
    const int32_t t = eigen();
    if (t < 0 || !Team_Hat_Manager(t)) return;
    const int32_t satz = Spieler_Einsetzen_Get_Modus(t);
    if (Team_Wert(170 + satz, t, 0, 0) == -1) return;
    Team_Wert(170 + satz, t, -1, 1);
    Manager_Icon_Togglebutton_An_Aus(t, 6, -1, 1271, 1272, 1273, 1274, 1275, 1276);
}

bool Spieler_Einsetzen_Drop(int32_t team, int32_t spnr, int32_t x, int32_t y)
{
    const int32_t own = eigen();
    if (own < 0 || own >= Team_Anzahl || spnr < 0 || spnr >= Spieler_Anzahl) return false;
    // with a line-up assistant the figures and entries have no drop target
    if (assistent_aufstellung()) return false;
    if (modus_aktiv()) {
        meldung(MODUS_SPERRE);
        return false;
    }
    const bool eigener = im_team(own, spnr);
    bool ok = false;
    if (auf_der_bank(x, y)) {
        ok = Spieler_Auf_Ersatzbank_Setzen(team, spnr, true);
    } else if (im_tor(x, y) && torwart(spnr)) {
        ok = Spieler_In_Aufstellung_Setzen(team, spnr, true);
    } else {
        int32_t figur = Spieler_Einsetzen_Figur_An_Punkt(own, x, y);
        if (figur == spnr) figur = -1;
        const int32_t gegner = gezeigter_gegner();
        const int32_t fremd = figur < 0 && gegner >= 0 ? Spieler_Einsetzen_Figur_An_Punkt(gegner, x, y) : -1;
        if (figur >= 0) {
            if (!eigener && !Spieler_Probespieler_Aufnehmen(team, spnr)) return false;
            ok = Spieler_Einsetzen_Tauschen(spnr, figur);
        } else if (fremd >= 0) {
            ok = eigener && Spieler_Einsetzen_Manndeckung(spnr, fremd);
        } else if (im_spielfeld(x, y)) {
            if (torwart(spnr)) {
                meldung("Ein TORwart gehört - wie der Name schon sagt - ins TOR.");
                return false;
            }
            int32_t s = x, z = y;
            Spieler_Interne_Pos_Aus_Screenpos(&s, &z);
            ok = (eigener && (flags(own, spnr) & TS_STARTELF)) || Spieler_In_Aufstellung_Setzen(team, spnr, true);
            if (ok) raum_auf_zelle(spnr, z * RASTER_SPALTEN + s);
        } else {
            if (!eigener) return false;
            ok = Spieler_Aus_Aufstellung_Nehmen(own, spnr);
        }
    }
    if (ok) nach_aenderung();
    return ok;
}

bool Spieler_Einsetzen_Tauschen(int32_t a, int32_t b)
{
    const int32_t t = eigen();
    if (!im_team(t, a) || !im_team(t, b) || a == b) return false;
    if ((flags(t, a) | flags(t, b)) & NICHT_EINSETZBAR) {
        meldung("Verletzte oder gesperrte Spieler können Sie nicht einsetzen !");
        return false;
    }
    if (torwart(a) != torwart(b)) {
        meldung("Sie können keinen Feldspieler gegen einen Torwart austauschen !");
        return false;
    }
    const uint32_t fa = flags(t, a) & (TS_STARTELF | TS_ERSATZ), fb = flags(t, b) & (TS_STARTELF | TS_ERSATZ);
    Teamspieler_Wert(317, t, a, TS_STARTELF | TS_ERSATZ, 4);
    Teamspieler_Wert(317, t, b, TS_STARTELF | TS_ERSATZ, 4);
    if (fb) Teamspieler_Wert(317, t, a, static_cast<int32_t>(fb), 8);
    if (fa) Teamspieler_Wert(317, t, b, static_cast<int32_t>(fa), 8);
    for (int32_t feld : {310, 311, 312, 313, 314, 316, 329}) {
        const int32_t wa = Teamspieler_Wert(feld, t, a, 0, 0), wb = Teamspieler_Wert(feld, t, b, 0, 0);
        Teamspieler_Wert(feld, t, a, wb, 1);
        Teamspieler_Wert(feld, t, b, wa, 1);
    }
    // the marked men learn who marks them now
    if (Gegner_Team >= 0 && Gegner_Team < Team_Anzahl)
        for (int32_t p : {a, b}) {
            const int32_t ziel = Teamspieler_Wert(316, t, p, 0, 0);
            if (ziel >= 0 && im_team(Gegner_Team, ziel)) Teamspieler_Wert(309, Gegner_Team, ziel, p, 1);
        }
    if (auswahl() == a) auswahl_setzen(b);
    else if (auswahl() == b) auswahl_setzen(a);
    return true;
}

bool Spieler_Einsetzen_Manndeckung(int32_t eigener, int32_t fremder)
{
    const int32_t t = eigen();
    const int32_t gegner = gezeigter_gegner();
    if (!im_team(t, eigener) || gegner < 0 || !im_team(gegner, fremder)) return false;
    if (!(flags(t, eigener) & TS_STARTELF)) {
        meldung("Der Manndecker ist nicht im Team !");
        return false;
    }
    if (torwart(eigener) || torwart(fremder)) {
        meldung("Torwärter kann man nicht in Manndeckung nehmen und Torwärter können auch niemanden \"manndecken\" !");
        return false;
    }
    if (Gegner_Team >= 0 && gegner == Gegner_Team && auswahl() < 0) {
        Teamspieler_Set_Manndeckung(eigener, t, fremder, Gegner_Team);
        return true;
    }
    const int32_t c = Teamspieler_Wert(310, gegner, fremder, 0, 0);
    if (!zelle_gueltig(c)) return false;
    raum_auf_zelle(eigener, (26 - c / RASTER_SPALTEN) * RASTER_SPALTEN + (16 - c % RASTER_SPALTEN));
    return true;
}

bool Spieler_Einsetzen_Raum_Verschieben(int32_t spnr, int32_t d_zeile, int32_t d_spalte)
{
    const int32_t t = eigen();
    if (!im_team(t, spnr) || !(flags(t, spnr) & TS_STARTELF) || torwart(spnr) || assistent_aufstellung()) return false;
    if (!verschieben(t, spnr, d_zeile, d_spalte, true)) return false;
    Spieler_Einsetzen_Aufstellung_Loesen();
    return true;
}

bool Spieler_Einsetzen_Raum_Griff(int32_t spnr, int32_t griff, int32_t zeile, int32_t spalte)
{
    const int32_t t = eigen();
    if (!im_team(t, spnr) || torwart(spnr) || assistent_aufstellung() || griff < 0 || griff > 5) return false;
    const int32_t mitte = Teamspieler_Wert(310, t, spnr, 0, 0);
    const int32_t a = Teamspieler_Wert(311, t, spnr, 0, 0), b = Teamspieler_Wert(312, t, spnr, 0, 0);
    if (!zelle_gueltig(mitte) || !zelle_gueltig(a) || !zelle_gueltig(b)) return false;
    const int32_t mz = mitte / RASTER_SPALTEN, ms = mitte % RASTER_SPALTEN;
    int32_t lz = a / RASTER_SPALTEN, ls = a % RASTER_SPALTEN, hz = b / RASTER_SPALTEN, hs = b % RASTER_SPALTEN;
    if (griff < 4) {
        const bool oben = griff == 1 || griff == 3;   // the along of the corner lies above the centre
        const bool rechts = griff == 1 || griff == 2;  // its across lies right of it
        if ((oben ? zeile <= mz : zeile >= mz) || (rechts ? spalte <= ms : spalte >= ms)) return false;
        const int32_t dz = std::abs(zeile - mz), ds = std::abs(spalte - ms);
        if (mz - dz < 0 || mz + dz > 26 || ms - ds < 0 || ms + ds > 16) return false;
        lz = mz - dz;
        hz = mz + dz;
        ls = ms - ds;
        hs = ms + ds;
        Teamspieler_Wert(311, t, spnr, lz * RASTER_SPALTEN + ls, 1);
        Teamspieler_Wert(312, t, spnr, hz * RASTER_SPALTEN + hs, 1);
    }
    // the defensive position below the centre row, the offensive above, both inside the room
    auto innen = [&](int32_t feld, int32_t z, int32_t s) {
        const int32_t zz = feld == 313 ? std::clamp(z, lz, mz - 1) : std::clamp(z, mz + 1, hz);
        Teamspieler_Wert(feld, t, spnr, zz * RASTER_SPALTEN + std::clamp(s, ls, hs), 1);
    };
    const int32_t d = Teamspieler_Wert(313, t, spnr, 0, 0), o = Teamspieler_Wert(314, t, spnr, 0, 0);
    if (griff == 4) innen(313, zeile, spalte);
    else if (zelle_gueltig(d)) innen(313, d / RASTER_SPALTEN, d % RASTER_SPALTEN);
    else innen(313, lz, ms);
    if (griff == 5) innen(314, zeile, spalte);
    else if (zelle_gueltig(o)) innen(314, o / RASTER_SPALTEN, o % RASTER_SPALTEN);
    else innen(314, hz, ms);
    Spieler_Einsetzen_Aufstellung_Loesen();
    return true;
}

void Spieler_Einsetzen_Spielfeld_Klick(int32_t x, int32_t y)
{
    const int32_t t = eigen();
    if (t < 0 || t >= Team_Anzahl) return;
    if (assistent_aufstellung()) {
        const int32_t slot = Assistent_Mit_Aufgabe(t, 0);
        char text[300];
        std::snprintf(text, sizeof text,
                      "Ihr Assistent %s kümmert sich um die Aufstellung Ihrer Mannschaft.^l^lMöchten Sie diese Aufgabe "
                      "selbst übernehmen?",
                      slot < ASSI_SLOTS ? Assistenten_Tabelle[slot].name : "");
        if (Menue_Requester(2, t, text, nullptr, nullptr, 0)) Personal_Assi_Aufgabe_Umschalten(t, 0);
        return;
    }
    const int32_t figur = Spieler_Einsetzen_Figur_An_Punkt(t, x, y);
    if (figur >= 0) {
        if (torwart(figur)) meldung("Für den Torwart läßt sich kein Raum definieren!");
        else auswahl_setzen(auswahl() == figur ? -1 : figur);
        return;
    }
    if (auswahl() >= 0) {
        auswahl_setzen(-1);
        return;
    }
    double beste = 999999;
    int32_t wahl = -1;
    for (int32_t p : auf_dem_platz(t)) {
        if (torwart(p)) continue;
        const int32_t c = Spieler_Einsetzen_Gezeigte_Zelle(t, p);
        if (!zelle_gueltig(c)) continue;
        int32_t fx = 0, fy = 0;
        Spieler_Einsetzen_Raster_Zu_Screen(1, c / RASTER_SPALTEN, c % RASTER_SPALTEN, t, p, &fx, &fy);
        const double d = std::hypot(double(fx - x), double(fy - y));
        if (d < beste) {
            beste = d;
            wahl = p;
        }
    }
    if (wahl >= 0) auswahl_setzen(wahl);
}

void Spieler_Einsetzen_Modus_Klick(int32_t icon)
{
    const int32_t t = eigen();
    if (t < 0 || !Team_Hat_Manager(t) || (icon != SE_DEFENSIV && icon != SE_OFFENSIV)) return;
    const bool an = !Manager_Icon_Button_Lesen(t, icon);
    Manager_Icon_Button_An_Aus(t, icon, an ? 1 : 0);
    if (an) Manager_Icon_Button_An_Aus(t, icon == SE_DEFENSIV ? SE_OFFENSIV : SE_DEFENSIV, 0);
    if (Spieler_Screen_Hinweis_Gezeigt) return;
    meldung("Im DEFENSIV- oder OFFENSIV-MODUS ändern Sie nicht die aktuelle (Mittel-)Position des Spielers, sondern "
            "dessen Defensiv- bzw. Offensiv-Position. Diese Modi erkennen Sie daran, daß die obere oder untere "
            "Pfeilspitze links am Spielfeldrand orange gefärbt (aktiv) ist.");
    meldung("Im DEFENSIV- oder OFFENSIV-MODUS sind NUR RAUMÄNDERUNGEN einzelner Spieler (kein Auswechseln etc.) durch "
            "Anklicken des Trikots bzw. Kopfes möglich.^lDiese Meldung erscheint ab jetzt nicht mehr.");
    Spieler_Screen_Hinweis_Gezeigt = 1;
}

bool Spieler_Einsetzen_Einzeltraining_Setzen(int32_t team, int32_t spnr, int32_t art)
{
    const int32_t t = eigen();
    if (t < 0 || art < 0 || art >= SPIELER_TRAININGSARTEN) return false;
    if (team != t || !im_team(t, spnr)) {
        meldung("Sie dürfen keinen Spieler aus anderen Vereinen trainieren!");
        return false;
    }
    if (flags(t, spnr) & TS_PROBE) {
        meldung("Sie dürfen keinen testweise eingesetzten Spieler trainieren!");
        return false;
    }
    auto* feld = static_cast<int16_t*>(Team_Zeiger(TEAM_EINZELTRAINING, t, nullptr, 0));
    if (!feld) return false;
    const int32_t bisher = Spieler_Training_Get_Einzeltraining_Platz(t, spnr);
    if (bisher >= 0) {
        char text[200];
        std::snprintf(text, sizeof text, "%s trainiert bereits %s !", spieler_name(spnr), Spieler_Training_Art_Name(bisher));
        meldung(text);
        return false;
    }
    for (int32_t k = 0; k < 3; ++k)
        if (feld[3 * art + k] == -1) {
            feld[3 * art + k] = static_cast<int16_t>(spnr);
            return true;
        }
    meldung("Sie können maximal DREI Spielern ein Einzeltraining pro Bereich verpassen. Denken Sie auch daran, daß mehr "
            "als 4 bis 5 Einzeltrainings-Einheiten die Energie Ihres Teams stark belastet...");
    return false;
}

int32_t Spieler_Einsetzen_Get_Teamliste(int32_t liste, uint8_t* teams)
{
    if (!teams) {
        Print_Fehler("Spieler_Einsetzen_Get_Teamliste: pointer==NULL!");
        return 0;
    }
    if (Netz_Rolle == 2) {
        Print_Fehler("Spieler_Einsetzen_Get_Teamliste: Server-Aufruf!");
        return 0;
    }
    std::memset(teams, 0, size_t(std::max(Team_Anzahl, 0)));
    int32_t n = 0;
    auto markieren = [&](int32_t t) {
        if (t >= 0 && t < Team_Anzahl && !teams[t]) {
            teams[t] = 1;
            ++n;
        }
    };
    if (liste == 0) markieren(eigen());
    else if (liste == 1) markieren(Anzeige_Gegner_Team);
    else if (liste == 2 && eigen() >= 0 && Team_Hat_Manager(eigen())) {
        const bool tm = Manager_Icon_Button_Lesen(eigen(), 1353);
        if (tm) markieren(Transfermarkt_Team);
        if (Manager_Icon_Button_Lesen(eigen(), 1352)) {
            const int32_t verein = static_cast<int16_t>(Manager_Icon_Word_Data_Lesen(eigen(), 1352));
            markieren(verein < 0 ? eigen() : verein);
        }
        if (Manager_Icon_Button_Lesen(eigen(), 1354)) {
            const int32_t liga = static_cast<int16_t>(Manager_Icon_Word_Data_Lesen(eigen(), 1354));
            if (liga == -1) {
                for (int32_t t = 0; t < Team_Anzahl; ++t)
                    if (t != Transfermarkt_Team || tm) markieren(t);
            } else {
                int16_t feld[TEAM_MAX_ANZAHL];
                const int32_t k = std::min<int32_t>(Wettbewerb_Get_Teams(liga, feld), TEAM_MAX_ANZAHL);
                for (int32_t i = 0; i < k; ++i) markieren(feld[i]);
            }
        }
    }
    return n;
}

void Spieler_Einsetzen_Server_Send_Scrollscreen_Data(int32_t liste, int32_t a, int32_t b, int32_t c, int32_t d,
                                                     int32_t anzahl, int32_t* werte, const uint16_t* teams,
                                                     const uint16_t* spieler)
{
    if (!werte) return;
    // the count comes from a client: never past the values array
    anzahl = std::clamp(anzahl, 0, LISTEN_WERTE);
    if (!teams || !spieler) anzahl = 0;
    for (int32_t i = 0; i < anzahl; ++i) {
        const int32_t t = teams[i], p = spieler[i];
        werte[i] = t < Team_Anzahl && p < Spieler_Anzahl && im_team(t, p)
                       ? Spieler_Einsetzen_Liste_Farbwert(liste, t, p, static_cast<uint32_t>(a), b, c, d)
                       : 0;
    }
    for (int32_t i = anzahl; i < LISTEN_WERTE; ++i) werte[i] = 0;
}

void Spieler_Einsetzen_Scrollscreen_Werte_Holen(int32_t liste, int32_t a, int32_t b, int32_t c, int32_t d,
                                                int32_t anzahl, int32_t* werte, const uint16_t* teams,
                                                const uint16_t* spieler)
{
    if (!werte) return;
    if (Netz_Rolle != 1) {
        Spieler_Einsetzen_Server_Send_Scrollscreen_Data(liste, a, b, c, d, anzahl, werte, teams, spieler);
        return;
    }
    std::vector<uint16_t> t(LISTEN_EINTRAEGE, 0), s(LISTEN_EINTRAEGE, 0);
    anzahl = std::clamp(anzahl, 0, LISTEN_WERTE);
    for (int32_t i = 0; i < anzahl && teams && spieler; ++i) {
        t[size_t(i)] = teams[i];
        s[size_t(i)] = spieler[i];
    }
    std::vector<uint8_t> roh(LISTEN_WERTE * 4, 0);
    const Internet_Arg args[] = {Internet_Wert(liste), Internet_Wert(a),      Internet_Wert(b),
                                 Internet_Wert(c),     Internet_Wert(d),      Internet_Wert(anzahl),
                                 Internet_Zeiger(roh.data(), uint32_t(roh.size())),
                                 Internet_Zeiger(t.data(), LISTEN_EINTRAEGE * 2),
                                 Internet_Zeiger(s.data(), LISTEN_EINTRAEGE * 2)};
    uint8_t fertig = 0;
    Internet_Client_Read(75, "viiiiiiI<2000W>2000W>2000", nullptr, &fertig, args, 9);
    for (int32_t i = 0; i < LISTEN_WERTE; ++i) {
        const uint8_t* q = roh.data() + 4 * i;
        werte[i] = fertig ? int32_t(uint32_t(q[0]) | uint32_t(q[1]) << 8 | uint32_t(q[2]) << 16 | uint32_t(q[3]) << 24) : 0;
    }
}

void Spieler_Einsetzen_Fern_Registrieren()
{
    Internet_Handler_Registrieren(75, liste_75);
    Spieler_Spielervergleich_Fern_Registrieren();
}

static Spieler_Einsetzen_Pruef_Hook pruef_hook = nullptr;
void Spieler_Einsetzen_Set_Pruef_Hook(Spieler_Einsetzen_Pruef_Hook hook) { pruef_hook = hook; }

bool Spieler_Einsetzen_Aufstellung_Pruefen(int32_t team, int32_t gegner, const Spieler_Aufstellung_Eintrag* e,
                                           int32_t anzahl)
{
    if (pruef_hook) return pruef_hook(team, gegner, e, anzahl);
    if (team < 0 || team >= Team_Anzahl || anzahl < 0 || (anzahl > 0 && !e)) return false;
    int32_t elf = 0, bank = 0, torhueter = 0;
    for (int32_t i = 0; i < anzahl; ++i) {
        const Spieler_Aufstellung_Eintrag& x = e[i];
        if (!im_team(team, x.spnr)) return false;
        const bool drauf = x.flags & TS_STARTELF, sitzt = x.flags & TS_ERSATZ;
        if (drauf && sitzt) return false;
        if ((drauf || sitzt) && ((flags(team, x.spnr) | x.flags) & NICHT_EINSETZBAR)) return false;
        elf += drauf;
        bank += sitzt;
        if (drauf && torwart(x.spnr)) ++torhueter;
        for (int32_t z : x.zellen)
            if (z != -1 && z != RASTER_KEINE_ZELLE && !zelle_gueltig(z)) return false;
        // only the eleven's field players mark; what the others hold is never read
        if (drauf && x.deckt != -1 &&
            (torwart(x.spnr) || gegner < 0 || gegner >= Team_Anzahl || !im_team(gegner, x.deckt) || torwart(x.deckt)))
            return false;
    }
    return elf <= 11 && torhueter <= 1 && bank <= 5;
}
