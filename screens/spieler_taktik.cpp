#include "screens/spieler_taktik.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "database/assistent.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "matchview/spielszenen_taktik.h"
#include "platform/print.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_einsetzen_feld.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/requester.h"

namespace {

constexpr int32_t TAKTIK_ZEILE = 1261, TRAINING_ZEILE = 1612, VORGABE_ZEILE = 1620, TAKTIK_TRAINIEREN = 1269;

const char* const HILFE[8] = {"Kurze bis lange Bälle", "Flache bis hohe Bälle", "Raumspiel", "Abseitsfalle",
                              "Fair-Play", "Konter", "Härte", "Ausrichtung"};

int32_t eigen() { return Aktuelles_Team; }

int32_t satz() { return Spieler_Einsetzen_Get_Modus(eigen()); }

Manager_Aufstellungssatz* satz_block(int32_t s)
{
    if (eigen() < 0 || !Team_Hat_Manager(eigen())) return nullptr;
    return static_cast<Manager_Aufstellungssatz*>(Team_Zeiger(301 + s, eigen(), nullptr, 0));
}

const char* assistent_name(int32_t aufgabe)
{
    const int32_t slot = Assistent_Mit_Aufgabe(eigen(), aufgabe);
    return slot >= 0 && slot < ASSI_SLOTS ? Assistenten_Tabelle[slot].name : nullptr;
}

// The question of a locked area; true when the manager takes the task back.
bool selbst_uebernehmen(int32_t aufgabe, const char* format)
{
    const char* n = assistent_name(aufgabe);
    if (!n) return true;
    char text[400];
    std::snprintf(text, sizeof text, format, n);
    if (!Menue_Requester(2, eigen(), text, nullptr, nullptr, 0)) return false;
    Personal_Assi_Aufgabe_Umschalten(eigen(), aufgabe);
    return Assistent_Mit_Aufgabe(eigen(), aufgabe) < 0;
}

void gruppe_zeigen(int32_t n)
{
    const int32_t t = eigen();
    Manager_Icon_Togglebutton_An_Aus(t, 6, n >= 0 ? SE_AUFSTELLUNG_1 + n : -1, 1271, 1272, 1273, 1274, 1275, 1276);
}

bool auf_dem_platz(int32_t spnr)
{
    return Teamspieler_Get_Record(eigen(), spnr) && (Teamspieler_Wert(317, eigen(), spnr, 0, 0) & TS_STARTELF);
}

// The room edit passes to the on-pitch field player nearest to the old centre cell.
void auswahl_nachziehen(int32_t alt, int32_t alt_zelle)
{
    if (alt < 0 || auf_dem_platz(alt)) return;
    int32_t feld[500];
    const int32_t n = std::min(Teamspieler_Ins_Array(eigen(), feld, 500, 0), 500);
    int32_t beste = 999999, wahl = -1;
    for (int32_t i = 0; i < n; ++i) {
        if (!auf_dem_platz(feld[i]) || Spieler_Wert(SP_ART, feld[i], 0, 0) == 0) continue;
        const int32_t z = Teamspieler_Wert(310, eigen(), feld[i], 0, 0);
        if (z < 0 || z >= RASTER_KEINE_ZELLE || alt_zelle < 0 || alt_zelle >= RASTER_KEINE_ZELLE) continue;
        const int32_t dz = z / RASTER_SPALTEN - alt_zelle / RASTER_SPALTEN, ds = z % RASTER_SPALTEN - alt_zelle % RASTER_SPALTEN;
        const int32_t d = dz * dz + ds * ds;
        if (d < beste) {
            beste = d;
            wahl = feld[i];
        }
    }
    Manager_Icon_Word_Data_Schreiben(eigen(), SE_RAUM_SPIELER, static_cast<uint16_t>(wahl));
}

uint8_t zeile_von(int32_t zelle) { return zelle >= 0 && zelle < RASTER_KEINE_ZELLE ? uint8_t(zelle / RASTER_SPALTEN) : 0xFF; }
uint8_t spalte_von(int32_t zelle) { return zelle >= 0 && zelle < RASTER_KEINE_ZELLE ? uint8_t(zelle % RASTER_SPALTEN) : 0xFF; }

}  // namespace

void Assi_Mannschaftsaufstellung(int32_t ziel, int32_t ideal, bool erzwingen)
{
    const int32_t t = eigen();
    if (t < 0 || t >= Team_Anzahl) return;
    const int32_t s = satz();
    if (ideal == -1) ideal = Team_Wert(170 + s, t, 0, 0);
    if (ideal < 0 || ideal > 5) return;
    Assi_Mannschaftsaufstellung(t, Gegner_Team, 2, s, ziel, ideal, erzwingen);
}

int32_t Spieler_Einsetzen_Get_Modus(int32_t team)
{
    if (team < 0 || team >= Team_Anzahl || !Team_Hat_Manager(team)) return 0;
    return Manager_Icon_Button_Lesen(team, SE_SATZ_B) ? 1 : 0;
}

const char* Spieler_Einsetzen_Taktik_Label(int32_t einstellung, int32_t stufe)
{
    if (einstellung < 0 || einstellung > 7 || stufe < 0 || stufe > 2) return "";
    const char* t = Taktik_Wert_Texte[einstellung * 3 + stufe];
    return t ? t : "";
}

bool Spieler_Einsetzen_Taktik_Klick(int32_t icon)
{
    const int32_t erstes = icon >= TRAINING_ZEILE ? TRAINING_ZEILE : TAKTIK_ZEILE;
    const int32_t k = icon - erstes;
    if (eigen() < 0 || k < 0 || k > 7) return false;
    if (!selbst_uebernehmen(1, "Ihr Assistent %s kümmert sich um die taktische Einstellung Ihrer "
                               "Mannschaft.^l^lMöchten Sie diese Aufgabe selbst übernehmen?"))
        return false;
    uint8_t taktik[8];
    Team_Zeiger(TEAM_TAKTIK, eigen(), taktik, 2);
    taktik[k] = static_cast<uint8_t>(taktik[k] >= 2 ? 0 : taktik[k] + 1);
    Team_Zeiger(TEAM_TAKTIK, eigen(), taktik, 1);
    // the row's labels show the levels
    for (int32_t i = 0; i < 8; ++i)
        if (Menue_Icon* ic = Menue_Screen_Icon_Aus_Nummer(erstes + i); ic && (ic->flags & ICON_WERTTEXT)) {
            ic->daten = const_cast<char*>(Spieler_Einsetzen_Taktik_Label(i, taktik[i]));
            ic->refresh = 1;
        }
    return true;
}

bool Spieler_Einsetzen_Taktik_Trainieren()
{
    if (eigen() < 0) return false;
    if (!selbst_uebernehmen(1, "Ihr Assistent %s kümmert sich um die taktische Einstellung Ihrer "
                               "Mannschaft.^l^lMöchten Sie diese Aufgabe selbst übernehmen?"))
        return false;
    uint8_t taktik[8];
    Team_Zeiger(TEAM_TAKTIK, eigen(), taktik, 2);
    Team_Zeiger(TEAM_TAKTIK_VORGABE, eigen(), taktik, 1);
    Menue_Requester(1, eigen(), "Die aktuellen taktischen Einstellungen wurden ins Training übertragen.", nullptr,
                    nullptr, 0);
    return true;
}

void Spieler_Einsetzen_Einsatz_Regler(int32_t v)
{
    if (eigen() < 0) return;
    Team_Wert(TEAM_OPTION, eigen(), 100 - std::clamp(v, 1, 99), 1);
}

int32_t Spieler_Einsetzen_Taktik_Quadrate(int32_t qualitaet) { return std::max(0, (qualitaet + 5) / 10); }

Rastport* Spieler_Einsetzen_Taktik_Hilfetext(int32_t icon, char* text, int32_t groesse)
{
    int32_t erstes = -1, block = TEAM_TAKTIK;
    if (icon >= TAKTIK_ZEILE && icon < TAKTIK_ZEILE + 8) erstes = TAKTIK_ZEILE;
    else if (icon >= TRAINING_ZEILE && icon < TRAINING_ZEILE + 8) erstes = TRAINING_ZEILE;
    else if (icon >= VORGABE_ZEILE && icon < VORGABE_ZEILE + 8) {
        erstes = VORGABE_ZEILE;
        block = TEAM_TAKTIK_VORGABE;
    }
    if (erstes < 0 || !text || groesse <= 0 || eigen() < 0) {
        Print_Fehler("Spieler_Einsetzen_Taktik_Hilfetext_Procedure: wrong icon!");
        return nullptr;
    }
    const int32_t k = icon - erstes;
    uint8_t taktik[8] = {}, qualitaet[24] = {};
    Team_Zeiger(block, eigen(), taktik, 2);
    Team_Zeiger(TEAM_TAKTIK_EINSTELLUNGEN, eigen(), qualitaet, 2);
    const int32_t stufe = std::min<int32_t>(taktik[k], 2);
    std::snprintf(text, size_t(groesse), "%s^l%s: %s^lQualität: ",
                  block == TEAM_TAKTIK ? "^bbAktuelle^be (Spiel-)Taktik:" : "^bbTrainierte^be Taktik:", HILFE[k],
                  Spieler_Einsetzen_Taktik_Label(k, stufe));
    const char* assi = assistent_name(1);
    if (assi) {
        const size_t l = std::strlen(text);
        std::snprintf(text + l, size_t(groesse) - l, "^lVon Assistent %s übernommen.", assi);
    }
    const int32_t quadrate = Spieler_Einsetzen_Taktik_Quadrate(qualitaet[k * 3 + stufe]);
    // the text's widest line at the tooltip font's average advance
    int32_t zeile = 0, laengste = 0;
    for (const char* c = text; *c; ++c) {
        if (c[0] == '^' && c[1] == 'l') {
            laengste = std::max(laengste, zeile);
            zeile = 0;
            ++c;
        } else {
            ++zeile;
        }
    }
    laengste = std::max(laengste, zeile);
    const int32_t breite = std::max(laengste * 6 + 8, 42 + 11 * quadrate);
    const int32_t tiefe = Grafik_Screen_Geometrie.depth ? Grafik_Screen_Geometrie.depth : 16;
    Rastport* bild = Grafik_Bitmap_Anlegen(breite, assi ? 45 : 36, tiefe);
    if (!bild) return nullptr;
    for (int32_t q = 0; q < quadrate; ++q)
        Grafik_Rechteck_Fuellen(bild, 38 + 11 * q + 1, 22 + 1, 9, 9, Grafik_Farbe(15, 15, 0));
    return bild;
}

void Spieler_Einsetzen_Satz_Wechseln(int32_t neu)
{
    const int32_t t = eigen();
    if (t < 0 || (neu != 0 && neu != 1) || !Team_Hat_Manager(t)) return;
    const int32_t alt = satz();
    if (neu == alt) return;
    if (Team_Wert(170 + alt, t, 0, 0) == -1) Manager_Manuelle_Aufstellung_Speichern(alt);
    Manager_Icon_Togglebutton_An_Aus(t, 2, neu ? SE_SATZ_B : SE_SATZ_A, SE_SATZ_A, SE_SATZ_B);
    const int32_t n = Team_Wert(170 + neu, t, 0, 0);
    gruppe_zeigen(n);
    if (n == -1) Manager_Manuelle_Aufstellung_Lesen(neu);
    else Spieler_Einsetzen_Aufstellung_Anwenden(n);
}

void Spieler_Einsetzen_Aufstellung_Klick(int32_t nummer)
{
    const int32_t t = eigen();
    if (t < 0 || nummer < 0 || nummer > 5 || Spieler_Einsetzen_Aufstellung_Icons_Sperren()) return;
    if (Team_Wert(170 + satz(), t, 0, 0) == nummer) {
        Team_Wert(170 + satz(), t, -1, 1);
        gruppe_zeigen(-1);
        return;
    }
    Spieler_Einsetzen_Aufstellung_Anwenden(nummer);
}

void Spieler_Einsetzen_Aufstellung_Anwenden(int32_t nummer)
{
    const int32_t t = eigen();
    if (t < 0 || t >= Team_Anzahl) return;
    const int32_t s = satz();
    if (nummer == -1) nummer = Team_Wert(170 + s, t, 0, 0);
    if (nummer < 0 || nummer > 5) return;
    const int32_t alt = static_cast<int16_t>(Manager_Icon_Word_Data_Lesen(t, SE_RAUM_SPIELER));
    const int32_t alt_zelle = alt >= 0 && Teamspieler_Get_Record(t, alt) ? Teamspieler_Wert(310, t, alt, 0, 0) : -1;
    Assi_Mannschaftsaufstellung(Taktik_Zusatzwert, nummer, true);
    Team_Wert(170 + s, t, nummer, 1);
    gruppe_zeigen(nummer);
    auswahl_nachziehen(alt, alt_zelle);
}

bool Spieler_Einsetzen_Aufstellung_Speichern(int32_t nummer)
{
    const int32_t t = eigen();
    Manager_Aufstellungssatz* a = satz_block(satz());
    if (!a || nummer < 0 || nummer > 5) return false;
    int32_t feld[500];
    const int32_t n = std::min(Teamspieler_Ins_Array(t, feld, 500, 0), 500);
    int32_t platz[11], anzahl = 0, torwart = -1;
    for (int32_t i = 0; i < n; ++i) {
        if (!auf_dem_platz(feld[i])) continue;
        if (Spieler_Wert(SP_ART, feld[i], 0, 0) == 0 && torwart < 0) torwart = feld[i];
        else if (anzahl < 10) platz[anzahl++] = feld[i];
    }
    const int32_t eingesetzt = anzahl + (torwart >= 0 ? 1 : 0);
    if (eingesetzt < 11) {
        char text[300];
        std::snprintf(text, sizeof text,
                      "Sie haben nur %d Spieler eingesetzt.^lBitte stellen Sie 11 Spieler auf, bevor Sie die Aufstellung "
                      "abspeichern.",
                      eingesetzt);
        Menue_Requester(1, t, text, nullptr, nullptr, 0);
        return false;
    }
    a->spieler[nummer][10] = static_cast<int16_t>(torwart);
    a->taktik[nummer][10] = static_cast<uint16_t>(Teamspieler_Wert(329, t, torwart, 0, 0));
    for (int32_t k = 0; k < 10; ++k) {
        const int32_t sp = platz[k];
        a->spieler[nummer][k] = static_cast<int16_t>(sp);
        a->taktik[nummer][k] = static_cast<uint16_t>(Teamspieler_Wert(329, t, sp, 0, 0));
        const int32_t mitte = Teamspieler_Wert(310, t, sp, 0, 0);
        a->plaetze[nummer][2 * k] = zeile_von(mitte);
        a->plaetze[nummer][2 * k + 1] = spalte_von(mitte);
        for (int32_t i = 0; i < 4; ++i) {
            const int32_t z = Teamspieler_Wert(311 + i, t, sp, 0, 0);
            a->bereiche[nummer][8 * k + 2 * i] = zeile_von(z);
            a->bereiche[nummer][8 * k + 2 * i + 1] = spalte_von(z);
        }
    }
    return true;
}

void Spieler_Einsetzen_Formation_Waehlen(int32_t nummer, int32_t formation)
{
    Manager_Aufstellungssatz* a = satz_block(satz());
    if (!a || nummer < 0 || nummer > 5 || formation < 0 || formation >= TEAM_FORMATIONEN) return;
    std::memcpy(a->plaetze[nummer], Team_Formationen[formation].plaetze, 20);
    std::memcpy(a->bereiche[nummer], Team_Formationen[formation].bereiche, 80);
    if (Team_Wert(170 + satz(), eigen(), 0, 0) == nummer) Spieler_Einsetzen_Aufstellung_Anwenden(nummer);
}

void Spieler_Einsetzen_Aufstellung_Zuruecksetzen()
{
    const int32_t t = eigen();
    if (!satz_block(satz())) return;
    char text[200];
    std::snprintf(text, sizeof text,
                  "Sie sind im Begriff, alle %s-Aufstellungen durch die Startwerte zu überschreiben. Sind Sie sicher ?",
                  satz() ? "B" : "A");
    if (!Menue_Requester(2, t, text, nullptr, nullptr, 0)) return;
    Manager_Aufstellung_Vorbelegen(t, satz());
    for (int32_t i = 0; i < 6; ++i) Manager_Icon_Word_Data_Schreiben(t, SE_AUFSTELLUNG_1 + i, 0);
    Spieler_Einsetzen_Aufstellung_Anwenden(-1);
}

void Spieler_Einsetzen_Aufstellung_Option(int32_t nummer, int32_t option)
{
    const int32_t t = eigen();
    if (!satz_block(satz()) || nummer < 0 || nummer > 5 || option < 0 || option > 1) return;
    const uint16_t bit = static_cast<uint16_t>((option ? 4 : 1) << satz());
    const uint16_t wort = Manager_Icon_Word_Data_Lesen(t, SE_AUFSTELLUNG_1 + nummer) ^ bit;
    Manager_Icon_Word_Data_Schreiben(t, SE_AUFSTELLUNG_1 + nummer, wort);
    if (option == 0 && (wort & bit)) Spieler_Einsetzen_Aufstellung_Speichern(nummer);
}

void Spieler_Einsetzen_Nach_Kaderaktion()
{
    const int32_t t = eigen();
    if (t < 0 || t >= Team_Anzahl) return;
    if (Assistent_Mit_Aufgabe(t, 0) >= 0) Spieler_Einsetzen_Aufstellung_Vorschlagen(t, 0, 0);
    else if (Team_Wert(170 + satz(), t, 0, 0) != -1) Assi_Mannschaftsaufstellung(Taktik_Zusatzwert, -1, true);
}

void Spieler_Einsetzen_Taktik_Anwenden(int32_t)
{
    const int32_t t = eigen();
    if (t < 0 || t >= Team_Anzahl || !Team_Hat_Manager(t)) return;
    const int32_t n = Team_Wert(170 + satz(), t, 0, 0);
    if (n < 0 || n > 5) return;
    Manager_Icon_Togglebutton_An_Aus(t, 2, satz() ? SE_SATZ_B : SE_SATZ_A, SE_SATZ_A, SE_SATZ_B);
    Spieler_Einsetzen_Aufstellung_Anwenden(n);
}

void Spieler_Einsetzen_Aufstellung_Vorschlagen(int32_t team, int32_t, int32_t)
{
    const int32_t t = team < 0 ? eigen() : team;
    if (t < 0 || t >= Team_Anzahl) return;
    Assi_Mannschaftsaufstellung(t, Gegner_Team, 1, Spieler_Einsetzen_Get_Modus(t), Taktik_Zusatzwert, -1, false);
}

// The tactic controls keep their clicks while locked: the click asks whether the manager takes
// the task back.
bool Spieler_Einsetzen_Taktik_Icons_Sperren(int32_t erstes, int32_t letztes)
{
    const bool gesperrt = eigen() >= 0 && Assistent_Mit_Aufgabe(eigen(), 1) >= 0;
    for (int32_t i = erstes; i <= letztes; ++i)
        if (Menue_Icon* ic = Menue_Screen_Icon_Aus_Nummer(i)) ic->refresh = 1;
    return gesperrt;
}

bool Spieler_Einsetzen_Taktik_Button_Sperren(int32_t icon) { return Spieler_Einsetzen_Taktik_Icons_Sperren(icon, icon); }

bool Spieler_Einsetzen_Aufstellung_Icons_Sperren()
{
    const int32_t t = eigen();
    const bool gesperrt = t >= 0 && Assistent_Mit_Aufgabe(t, 0) >= 0;
    for (int32_t i : {1271, 1272, 1273, 1274, 1275, 1276, int32_t(SE_SATZ_A), int32_t(SE_SATZ_B)})
        if (Menue_Icon* ic = Menue_Screen_Icon_Aus_Nummer(i)) {
            if (gesperrt) ic->status |= ICON_GESPERRT_2;
            else ic->status &= static_cast<uint16_t>(~ICON_GESPERRT_2);
            ic->refresh = 1;
        }
    if (gesperrt) gruppe_zeigen(Team_Wert(170 + satz(), t, 0, 0));
    return gesperrt;
}

const char* Spieler_Einsetzen_Aufstellung_Hilfe(Menue_Icon* icon)
{
    static char text[160];
    if (!icon || icon->nummer < SE_AUFSTELLUNG_1 || icon->nummer > SE_AUFSTELLUNG_1 + 5) return nullptr;
    const int32_t n = std::snprintf(text, sizeof text, "Aufstellung %s Nr. %d", satz() ? "B" : "A",
                                    icon->nummer - SE_AUFSTELLUNG_1 + 1);
    if (const char* a = assistent_name(0))
        std::snprintf(text + n, sizeof text - size_t(n), "^l(momentan von %s übernommen)", a);
    return text;
}

const char* Spieler_Einsetzen_Griff_Hilfe(Menue_Icon* icon)
{
    static char text[200];
    const int32_t griff = icon ? icon->nummer - SE_GRIFF_ERSTER : -1;
    if (griff < 0 || griff > 5) return nullptr;
    const int32_t n = std::snprintf(text, sizeof text, "%s",
                                    griff < 4   ? "Ecke des Raums: Ziehen verändert den Raum"
                                    : griff == 4 ? "Position in der DEFENSIV-Formation"
                                                 : "Position in der OFFENSIV-Formation");
    // while the assistant sets the line-up the handle does not move: say who keeps the rooms
    if (const char* a = assistent_name(0)) std::snprintf(text + n, sizeof text - size_t(n), "^l(für die Räume ist %s zuständig)", a);
    return text;
}

const char* Spieler_Einsetzen_Einsatz_Hilfe(Menue_Icon*)
{
    static char text[160];
    const int32_t n = std::snprintf(text, sizeof text, "Regeln Sie hier den Einsatz Ihrer Mannschaft");
    if (const char* a = assistent_name(0)) std::snprintf(text + n, sizeof text - size_t(n), "^l(momentan macht das %s)", a);
    return text;
}

void Spieler_Einsetzen_Aufstellung_Bild(Rastport* bild, int32_t nummer)
{
    const Manager_Aufstellungssatz* a = satz_block(satz());
    if (!bild || !a || nummer < 0 || nummer > 5) return;
    const uint16_t farbe = Grafik_Farbe(15, 15, 0);
    for (int32_t k = 0; k < 10; ++k) {
        const uint8_t zeile = a->plaetze[nummer][2 * k], spalte = a->plaetze[nummer][2 * k + 1];
        if (zeile >= RASTER_ZEILEN || spalte >= RASTER_SPALTEN) continue;
        Grafik_Pixel_Setzen(bild, zeile + 3, spalte + 3, farbe);
        Grafik_Pixel_Setzen(bild, zeile + 4, spalte + 3, farbe);
    }
}

Menue_Kontextmenue* Spieler_Einsetzen_Aufstellung_Menue(int32_t nummer)
{
    if (!satz_block(satz()) || nummer < 0 || nummer > 5 || Spieler_Einsetzen_Aufstellung_Icons_Sperren()) return nullptr;
    static const char* const NAMEN[TEAM_FORMATIONEN] = {
        "5 - 4 - 1  (extrem defensiv)", "4 - 5 - 1  (sehr defensiv)", "5 - 3 - 2  (defensiv)",
        "4 - 4 - 2  (normal)",          "5 - 2 - 3  (normal)",        "4 - 3 - 3  (offensiv)",
        "3 - 4 - 3  (sehr offensiv)",   "3 - 3 - 4  (extrem offensiv)"};
    Menue_Kontextmenue* k = &Kontext_Menue;
    Menue_Init_Kontextmenue(k, "Aufstellung ändern:", nummer, 0, Spieler_Einsetzen_Aufstellung_Menue_Gewaehlt);
    const uint16_t wort = Manager_Icon_Word_Data_Lesen(eigen(), SE_AUFSTELLUNG_1 + nummer);
    for (int32_t i = 0; i < 11; ++i) {
        k->texte[i] = i < 8 ? NAMEN[i] : i == 8 ? "Auf Startwerte zurücksetzen" : i == 9 ? "Spieler den Positionen zuordnen"
                                                                                       : "Spieler-Anweisungen merken";
        k->wert_c[i] = nummer;
        k->prozeduren[i] = Spieler_Einsetzen_Aufstellung_Menue_Gewaehlt;
        k->status[i] = POPUP_WAEHLBAR;
        if (i >= 9) {
            const uint16_t bit = static_cast<uint16_t>((i == 10 ? 4 : 1) << satz());
            k->status[i] = uint16_t(POPUP_WAEHLBAR | POPUP_HAKEN | ((wort & bit) ? POPUP_GEWAEHLT : 0));
        }
    }
    k->status[7] |= POPUP_TRENNER;
    return k;
}

uint8_t Spieler_Einsetzen_Aufstellung_Menue_Gewaehlt(int32_t eintrag, int32_t nummer, int32_t, int32_t)
{
    if (nummer < 0 || nummer > 5) return 0;
    if (eintrag >= 0 && eintrag < TEAM_FORMATIONEN) Spieler_Einsetzen_Formation_Waehlen(nummer, eintrag);
    else if (eintrag == 8) Spieler_Einsetzen_Aufstellung_Zuruecksetzen();
    else if (eintrag == 9 || eintrag == 10) Spieler_Einsetzen_Aufstellung_Option(nummer, eintrag - 9);
    else return 0;
    return 1;
}
