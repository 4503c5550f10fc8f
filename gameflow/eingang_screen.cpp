// The new-game start screen: one row per set-up value, a click steps the value on; the two
// buttons add the manager or start the game.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "database/team.h"
#include "gameflow/eingang.h"
#include "graphics/font.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/win95.h"
#include "toolkit/icon.h"
#include "toolkit/key_input.h"
#include "toolkit/requester.h"
#include "toolkit/screen.h"

namespace {

enum : int16_t { ES_RAHMEN = 2680, ES_ZEILE = 2681, ES_HINZU = 2689, ES_START = 2690 };
enum Zeile : int32_t { Z_NAME, Z_KONFIGURATION, Z_SCHWIERIGKEIT, Z_DAUERKARTEN, Z_LAND, Z_LIGA, Z_VEREIN, Z_WAPPEN, ZEILEN };
constexpr int16_t RAHMEN_X = 70, RAHMEN_Y = 50, ZEILE_Y = 104, ZEILE_H = 32, WERT_X = 180;
// Configuration sets are numbered files 1_team.cfg to 9_team.cfg.
constexpr int32_t KONFIGURATIONEN = 9;
constexpr const char* SCHWIERIGKEIT[5] = {"sehr leicht", "leicht", "normal", "schwer", "sehr schwer"};

Eingang_Einstellungen* werte = nullptr;
Eingang_Eingabe* eingabe = nullptr;
std::vector<int32_t> laender, ligen, vereine;
Menue_Icon liste[ZEILEN + 4];
size_t land = 0, liga = 0, verein = 0;

void vereine_fuellen()
{
    vereine.clear();
    if (liga < ligen.size()) {
        int16_t teams[WETTBEWERB_MAX_TEAMS];
        const int32_t n = Wettbewerb_Get_Teams(ligen[liga], teams);
        for (int32_t i = 0; i < n; ++i)
            if (teams[i] >= 0 && !Team_Hat_Manager(teams[i])) vereine.push_back(teams[i]);
    }
    verein = 0;
    eingabe->team = vereine.empty() ? -1 : vereine[0];
}

void ligen_fuellen()
{
    ligen.clear();
    if (land < laender.size()) {
        int32_t ids[WETTBEWERB_MAX_ID + 1];
        ligen.assign(ids, ids + Wettbewerb_Get_Land_Wettbewerbe(laender[land], ids, 1));
    }
    liga = 0;
    vereine_fuellen();
}

const char* name_von(int32_t id)
{
    const Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(id));
    return w ? w->name : "-";
}

const char* text(int32_t zeile, char* puffer, size_t groesse)
{
    switch (zeile) {
    case Z_NAME: return eingabe->name;
    case Z_KONFIGURATION: std::snprintf(puffer, groesse, "Nr. %d", werte->konfiguration + 1); return puffer;
    case Z_SCHWIERIGKEIT: return SCHWIERIGKEIT[std::clamp(werte->schwierigkeit, 0, 4)];
    case Z_DAUERKARTEN: return werte->dauerkarten ? "mit Dauerkarten" : "ohne Dauerkarten";
    case Z_LAND: return land < laender.size() ? Team_String(TEAM_NAME, laender[land], nullptr, 0) : "-";
    case Z_LIGA: return liga < ligen.size() ? name_von(ligen[liga]) : "-";
    case Z_VEREIN: return eingabe->team >= 0 ? Team_String(TEAM_NAME, eingabe->team, nullptr, 0) : "kein Verein frei";
    default: std::snprintf(puffer, groesse, "Nr. %d", eingabe->wappen + 1); return puffer;
    }
}

int32_t zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* ziel = Grafik_Render_Ziel;
    if (!ziel || !icon) return 0;
    // A solid ground, so the first frame looks like every later one.
    Grafik_Rechteck_Fuellen(ziel, icon->x, icon->y, icon->breite, icon->hoehe, uint16_t(Grafik_Farbe(0, 0, 3)));
    const int weiss = int(Grafik_Farbe(15, 15, 15)), gelb = int(Grafik_Farbe(15, 15, 0));
    Grafik_Printf(ziel, Font(0), "^c%05dNeues Spiel", RAHMEN_X + 20, RAHMEN_Y + 30, gelb);
    Grafik_Printf(ziel, Font(0), "^c%05dManager %d", RAHMEN_X + 200, RAHMEN_Y + 30, weiss, Manager_Anzahl + 1);
    return 0;
}

int32_t zeile_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* ziel = Grafik_Render_Ziel;
    if (!ziel || !icon) return 0;
    static constexpr const char* TITEL[ZEILEN] = {"Name",  "Konfiguration", "Schwierigkeit", "Dauerkarten",
                                                  "Land", "Liga",          "Verein",        "Wappen"};
    const int32_t z = icon->nummer - ES_ZEILE;
    char puffer[32];
    Grafik_Printf(ziel, Font(0), "^c%05d%s:", icon->x + 10, icon->y + 21, int(Grafik_Farbe(15, 15, 15)), TITEL[z]);
    // The set is chosen before the first manager: the world is read by it.
    const bool grau = z == Z_KONFIGURATION && Manager_Anzahl > 0;
    Grafik_Printf(ziel, Font(0), "^c%05d%s", icon->x + WERT_X, icon->y + 21,
                  int(grau ? Grafik_Farbe(8, 8, 8) : Grafik_Farbe(15, 15, 0)), text(z, puffer, sizeof puffer));
    return 0;
}

int32_t knopf_zeichnen(Menue_Icon* icon, uint32_t)
{
    if (!Grafik_Render_Ziel || !icon) return 0;
    Grafik_Printf(Grafik_Render_Ziel, Font(0), "^c%05d%s", icon->x + 10, icon->y + 20, int(Grafik_Farbe(15, 15, 15)),
                  icon->nummer == ES_HINZU ? "Manager hinzufügen" : "Spiel starten");
    return 0;
}

// The name is typed into the row's value field; Escape keeps the old one.
void name_eingeben(const Menue_Icon& zeile)
{
    const int32_t x = zeile.x + WERT_X - 4, y = zeile.y + 6, w = zeile.breite - WERT_X, h = 20;
    if (Grafik_Seite_0) Grafik_Rechteck_Fuellen(Grafik_Seite_0, x, y, w, h, uint16_t(Grafik_Farbe(0, 0, 6)));
    char name[sizeof eingabe->name];
    std::snprintf(name, sizeof name, "%s", eingabe->name);
    Key_Input_String(Font(0), name, int32_t(sizeof name), int32_t(sizeof name) - 1,
                     KEY_INPUT_NAME | KEY_INPUT_ALLES_WAEHLEN | KEY_INPUT_MAUS, x, y, w, h, 4, 2, nullptr, 0, 0, nullptr);
    // An empty name would leave the manager without one.
    if (name[0]) std::snprintf(eingabe->name, sizeof eingabe->name, "%s", name);
}

int32_t zeile_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    switch (icon->nummer - ES_ZEILE) {
    case Z_NAME: name_eingeben(*icon); break;
    case Z_KONFIGURATION:
        if (Manager_Anzahl > 0) return 0;
        // The other world is read before the screen comes again: it ends here without a manager.
        for (int32_t k = 1; k <= KONFIGURATIONEN; ++k) {
            const int32_t n = (werte->konfiguration + k) % KONFIGURATIONEN;
            char pfad[300];
            std::snprintf(pfad, sizeof pfad, "%s/%d_team.cfg", Pfad_Config_Files, n + 1);
            if (Win95_File_Exists(pfad)) {
                if (n == werte->konfiguration) return 0;
                werte->konfiguration = n;
                eingabe->team = -1;
                eingabe->starten = false;
                Menue_Icon_Liste_Entfernen(liste, 8);
                Menue_Screen_Refresh(1, -1, -1, -1, -1);
                return 0;
            }
        }
        return 0;
    case Z_SCHWIERIGKEIT: werte->schwierigkeit = (werte->schwierigkeit + 1) % 5; break;
    case Z_DAUERKARTEN: werte->dauerkarten = !werte->dauerkarten; break;
    case Z_LAND:
        if (!laender.empty()) land = (land + 1) % laender.size();
        ligen_fuellen();
        break;
    case Z_LIGA:
        if (!ligen.empty()) liga = (liga + 1) % ligen.size();
        vereine_fuellen();
        break;
    case Z_VEREIN:
        if (!vereine.empty()) eingabe->team = vereine[verein = (verein + 1) % vereine.size()];
        break;
    default: eingabe->wappen = (eingabe->wappen + 1) % 12; break;
    }
    // A value may change the rows below it: the whole screen is drawn again.
    for (Menue_Icon* i = liste; i->nummer != -1; ++i) Menue_Screen_Icon_Hinzufuegen(i);
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    return 0;
}

int32_t knopf_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    eingabe->starten = icon->nummer == ES_START;
    Menue_Icon_Liste_Entfernen(liste, 8);
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    return 0;
}

void liste_bauen()
{
    liste[0] = Menue_Icon_Vorlage(ES_RAHMEN, -1, 0, RAHMEN_X, RAHMEN_Y, 500, 380, 24, 24);
    liste[0].refresh_prozedur = zeichnen;
    liste[0].status = ICON_SPAETER_REFRESH;
    for (int32_t z = 0; z < ZEILEN; ++z) {
        Menue_Icon& i = liste[1 + z];
        i = Menue_Icon_Vorlage(int16_t(ES_ZEILE + z), -1, 0, RAHMEN_X + 20, int16_t(ZEILE_Y + z * ZEILE_H), 460,
                               ZEILE_H - 4, 25, 20);
        i.klick = zeile_klick;
        i.refresh_prozedur = zeile_zeichnen;
        i.status = ICON_SPAETER_REFRESH;
    }
    for (int32_t k = 0; k < 2; ++k) {
        Menue_Icon& i = liste[1 + ZEILEN + k];
        i = Menue_Icon_Vorlage(int16_t(k ? ES_START : ES_HINZU), -1, 0, int16_t(RAHMEN_X + 40 + k * 240), 370, 200, 30,
                               25, 3);
        i.klick = knopf_klick;
        i.refresh_prozedur = knopf_zeichnen;
        i.status = ICON_SPAETER_REFRESH;
    }
    liste[ZEILEN + 3] = Menue_Icon_Listenende();
}

}  // namespace

bool Eingang_Start_Screen(Eingang_Einstellungen& e, Eingang_Eingabe& m)
{
    if (!Grafik_Render_Ziel) return false;
    werte = &e;
    eingabe = &m;
    laender.assign(size_t(std::max(Team_Anzahl, 1)), -1);
    laender.resize(size_t(Eingang_Liga_Icons_Bauen(laender.data())));
    land = 0;
    ligen_fuellen();
    liste_bauen();
    Menue_Icon_Liste_Hinzufuegen(liste);
    // Ended by a button, or by the end of the program (then nothing is added).
    if (!Menue_Modal_Schleife(ES_RAHMEN)) {
        m.team = -1;
        m.starten = true;
    }
    if (Menue_Screen_Icon_Ist_Vorhanden(ES_RAHMEN)) Menue_Icon_Liste_Entfernen(liste, 8);
    // Its numbers are the tables screen's fixtures' while a game runs: they belong to this
    // screen only while it stands.
    Menue_Icon_Liste_Abmelden(liste);
    return true;
}
