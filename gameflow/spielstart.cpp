#include "gameflow/spielstart.h"

#include <cstring>
#include <string>

#include "competitions/spiele.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/manager.h"
#include "database/personal.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "economy/oekonomie_schirm.h"
#include "economy/stadion.h"
#include "economy/trainingslager.h"
#include "economy/werbung.h"
#include "gameflow/ablauf.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "match/spielfeld.h"
#include "matchview/live/spielszenen_live.h"
#include "match/spieltag.h"
#include "gameflow/spielstand.h"
#include "platform/disk.h"
#include "platform/os/os.h"
#include "platform/print.h"
#include "platform/win95.h"
#include "platform/zufall.h"
#include "screens/spieler_einsetzen_screen.h"
#include "screens/personal_schirm.h"
#include "screens/spieler_schirme.h"

namespace {

// A club's start money and credit limit in DM.
constexpr int32_t START_KONTOSTAND = 3000000;
constexpr int32_t START_KREDITLINIE = 1000000;

bool welt_geladen = false;

}  // namespace

static bool neues_spiel();

void Spielstart_Module_Zuruecksetzen()
{
    Globals_Reset();
    Bank_Init();
    // The arbiter's open requests belong to the game gone.
    Richter_Init();
    News_Init();
    Highscore_Init();
    Ablauf_Init(0);
    Kalender_Spielplan_Leeren();
    Eingang_Set_Spiel_Gestartet(false);
    // A new game has no name until it is saved.
    Spielstand_Name_Setzen(nullptr);
}

bool Spielstart_Welt_Laden(int32_t konfiguration)
{
    // A second start (after a refused load) reads the world afresh.
    if (welt_geladen) {
        Wettbewerb_Free();
        Spieler_DeInit();
        Team_Free_Arrays(true);
        welt_geladen = false;
    }
    // The readers give their reasons to the error sink; the player is told the file and the
    // first reason of the reader that failed (or of an earlier one that caused it).
    std::string erster, grund;
    const Print_Fehler_Hook weiter = Print_Fehler_Get_Hook();
    Print_Fehler_Set_Hook([&](const std::string& text) {
        if (erster.empty()) erster = text;
        if (grund.empty()) grund = text;
        if (weiter) weiter(text);
    });
    const char* datei = nullptr;
    if (!Team(konfiguration)) datei = "team.cfg";
    if (!datei) grund.clear();
    if (!datei && !Spieler(konfiguration)) datei = "spieler.cfg";
    if (!datei) grund.clear();
    if (!datei && !Wettbewerb_Config_Lesen(konfiguration, konfiguration)) datei = "wettbewerb.cfg";
    Print_Fehler_Set_Hook(weiter);
    if (datei) {
        if (grund.empty()) grund = erster;
        while (!grund.empty() && (grund.back() == '\n' || grund.back() == ' ')) grund.pop_back();
        if (grund.empty()) grund = "Die Datei ist beschädigt.";
        Win95_Meldung("Die Konfiguration %d konnte nicht gelesen werden.\n%d_%s: %.180s", konfiguration + 1,
                      konfiguration + 1, datei, grund.c_str());
        return false;
    }
    // The staff and the referees register their savegame blocks as they start: a savegame
    // loaded before any new game would otherwise skip them and lose them at the next save.
    Personal_Init();
    Richter_Init();
    // So do the match store, the player statistics and the competitions, which hold the
    // fixtures and tables.
    Spiele_Init();
    Statistik_Init();
    Wettbewerb_Disk_Registrieren();
    // The match day and its live records travel with the game, so that a day resumes.
    Spieltag_Disk_Registrieren();
    Spielfeld_Disk_Registrieren();
    Spielszenen_Disk_Registrieren();
    // Sponsors and camps before the managers come: their clubs get contracts at once.
    Werbung_Init();
    Trainingslager_Init();
    Spieler_Screen_Disk_Registrieren();
    Spielstart_Schirme_Registrieren();
    Personal_Schirme_Registrieren();
    welt_geladen = true;
    return true;
}

void Spielstart_Schirme_Registrieren()
{
    Spieler_Screens_Registrieren();
    Oekonomie_Schirme_Registrieren();
    Personal_Menue_Registrieren();
}

bool Spielstart_Manager_Hinzufuegen(int32_t team, const char* name)
{
    if (team < 0 || team >= Team_Anzahl || !Team_Ist_Normal(team, 64) || Team_Hat_Manager(team)) {
        Print_Fehler("Spielstart_Manager_Hinzufuegen: Team %d nicht wählbar", team);
        return false;
    }
    Manager_Neuer_Mitspieler(team, name);
    if (!Team_Hat_Manager(team)) return false;
    Manager_Init_Zusatzspieler_Struktur(team);
    Assistenten_Managerpersonal_Vorbelegen(team);
    Bank_Konto_Einrichten(team, START_KONTOSTAND, 0);
    Bank_Set_Kreditlinie(team, START_KREDITLINIE, 0);
    Werbung_Team_Vorbelegen(team, 1);
    // The cup icons are the new manager's own buttons: set as the team that acts, for the
    // server's own manager keeps only the acting team's buttons.
    const uint32_t handelnd = Handelndes_Team;
    Handelndes_Team = uint32_t(team);
    Team_Pokale_Icons_Zuordnen(team);
    Handelndes_Team = handelnd;
    return true;
}

bool Spielstart_Neues_Spiel()
{
    // Reading and setting up the world takes many pumps and no input; the start screen asks.
    const bool gehalten = Os_Script_Halten(true);
    const bool ok = neues_spiel();
    Os_Script_Halten(gehalten);
    return ok;
}

// Reads the set's world and lays out its first season; false (with a message) when it cannot.
static bool welt_aufbauen(int32_t konfiguration)
{
    Spielstart_Module_Zuruecksetzen();
    Konfiguration_Aktuell = konfiguration;
    if (!Spielstart_Welt_Laden(konfiguration)) return false;
    if (!Wettbewerb_Spielplaene_Anlegen()) {
        Win95_Meldung("Die Spielpläne der Wettbewerbe konnten nicht angelegt werden.");
        return false;
    }
    Aktueller_Tag = 0;
    if (!Kalender_Spielplan_Anlegen(0)) {
        Win95_Meldung("%s", Kalender_Spielplan_Fehler());
        return false;
    }
    Personal_Init();
    // The referees of the match days come from the staff file.
    Personal_Read_Config_Wenn_Init();
    Teamspieler_Init_Listen();
    Spieler_Den_Teams_Zuordnen();
    Team_Set_Basisdaten(-1, -1);
    Team_Set_Spielergehaelter();
    return true;
}

static bool neues_spiel()
{
    const Eingang_Einstellungen& e = Eingang_Get_Einstellungen();
    if (!welt_aufbauen(e.konfiguration)) return false;
    // The start screen adds one manager each time until it is left with the start button.
    for (;;) {
        const int32_t vorher = Manager_Anzahl;
        Eingang_Start();
        if (Eingang_Get_Start_Bestaetigt() || Programm_Ende) break;
        if (Manager_Anzahl != vorher) continue;
        // Another configuration set, chosen before the first manager: its world, then the
        // screen again. Any other pass that adds nobody has nothing more to offer.
        if (Manager_Anzahl > 0 || e.konfiguration == Konfiguration_Aktuell || !welt_aufbauen(e.konfiguration))
            return false;
    }
    if (Programm_Ende || Manager_Anzahl < 1) return false;
    Schwierigkeitsstufe = uint32_t(e.schwierigkeit);
    // The computer clubs line up and the market fills to the clubs' interests once the managers
    // have chosen their clubs.
    Teams_Startaufstellungen();

    // The bank and the stadiums start once the managers are there; the stadiums sell the first
    // season tickets now (and on 1 July only).
    Bank_Neues_Spiel();
    Stadion_Neues_Spiel();
    if (Netz_Rolle == 3) {
        int32_t teams[MANAGER_DRAN_MAX];
        if (Manager_Ist_Dran(teams, false, 0) > 0) Server_Team = teams[0];
    }
    Ablauf_Zustand = ABLAUF_MENUERUNDE;
    Eingang_Set_Spiel_Gestartet(true);
    return true;
}

bool Spielstart_Laden(const char* name)
{
    if (!name || !*name) {
        Win95_Meldung("Es ist kein Spielstand zum Fortsetzen vorhanden.");
        return false;
    }
    const bool gehalten = Os_Script_Halten(true);
    const bool ok = (Eingang_Get_Spiel_Gestartet() || welt_geladen || Spielstart_Welt_Laden(Konfiguration_Standard)) &&
                    Disk_Spielstand_Laden(name);
    Os_Script_Halten(gehalten);
    if (!ok) return false;
    Spielstand_Name_Setzen(name);
    Eingang_Set_Spiel_Gestartet(true);
    return true;
}

const char* Spielstart_Kommandozeile_Spielstand(const char* kommandozeile, char* name, uint32_t groesse)
{
    name[0] = 0;
    const char* p = kommandozeile ? kommandozeile : "";
    while (*p) {
        while (*p == ' ') ++p;
        const char* ende = p;
        while (*ende && *ende != ' ') ++ende;
        const size_t n = size_t(ende - p);
        if (n && *p != '-') {
            if (n >= groesse) {
                Print_Fehler("Kommandozeile: Spielstandname zu lang");
                return name;
            }
            std::memcpy(name, p, n);
            name[n] = 0;
            return name;
        }
        p = ende;
    }
    return name;
}
