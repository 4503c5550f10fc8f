#include "gameflow/ablauf.h"

#include <algorithm>

#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/manager.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "economy/bank.h"
#include "economy/stadion.h"
#include "economy/trainingslager.h"
#include "economy/werbung.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "gameflow/spielstand.h"
#include "match/spielfeld.h"
#include "match/spieltag.h"
#include "matchview/spielansicht.h"
#include "matchview/spielbericht.h"
#include "network/server.h"
#include "network/steuersignal.h"
#include "platform/disk.h"
#include "platform/os/os.h"
#include "platform/print.h"
#include "platform/win95.h"
#include "toolkit/event.h"
#include "toolkit/screen.h"

namespace {

int32_t menue_modus = -1;
int32_t befehl = 0;
bool beendet = false;
Ablauf_Zug_Hook zug_hook = nullptr;

// The running menu round: the clubs whose turn it is, and the one playing now.
int32_t zug_teams[MANAGER_DRAN_MAX];
int32_t zug_anzahl = -1;
int32_t zug_index = 0;
bool zug_erster = true;
// A report (before, at half-time, after) has been started and runs its steps.
bool bericht_laeuft = false;

constexpr uint8_t TEAM_STATUS_ZUG_BEENDET = 4;

bool hat_ungeoeffnete_nachricht(int32_t team)
{
    for (int32_t i = News_Suche_Erste(team, NEWS_FLAG_DA | NEWS_FLAG_OFFEN); i >= 0; i = News_Suche_Naechste()) {
        const News_Nachricht* n = News_Get_Nachricht(i);
        if (n && !(n->flags & NEWS_FLAG_GELESEN)) return true;
    }
    return false;
}

// Whether today brings a menu round, by the menu mode. Match days must be set up already.
bool runde_faellig(bool spieltag)
{
    switch (menue_modus) {
    case 1: return true;
    case 2: return spieltag;
    case 3:
    case 4: {
        int32_t teams[MANAGER_DRAN_MAX];
        const int32_t n = Manager_Ist_Dran(teams, false, 0);
        for (int32_t i = 0; i < n; ++i) {
            if (spieltag && Spieltag_Get_Gegner(teams[i], nullptr, nullptr, nullptr, nullptr) >= 0) return true;
            if (menue_modus == 4 && hat_ungeoeffnete_nachricht(teams[i])) return true;
        }
        return false;
    }
    default: return true;
    }
}

// What the last step asked to be drawn again; a turn begins with the whole screen.
uint8_t zug_refresh = 0;

int32_t zug_schritt(int32_t team, bool erster)
{
    if (zug_hook) return zug_hook(team, erster);
    if (erster) {
        Menue_Rein(team, 0);
        zug_refresh = 1;
    }
    const int32_t r = Menue_Event_Schritt(zug_refresh, -1);
    zug_refresh = r > 0 ? uint8_t(r) : 0;
    return r;
}

// One pass of the menu round; true when every club has ended its turn.
bool runde_schritt()
{
    if (zug_anzahl < 0) {
        zug_anzahl = std::max(0, Manager_Ist_Dran(zug_teams, false, 0));
        zug_index = 0;
        zug_erster = true;
    }
    while (zug_index < zug_anzahl) {
        const int32_t team = zug_teams[zug_index];
        // After a load in the middle of a round the clubs that had their turn are not asked again.
        if (Team_Wert(TEAM_STATUS, team, 0, TEAM_LESEN) & TEAM_STATUS_ZUG_BEENDET) {
            ++zug_index;
            zug_erster = true;
            continue;
        }
        const bool erster = zug_erster;
        zug_erster = false;
        if (zug_schritt(team, erster) != -1) return false;
        if (!zug_hook) Menue_Raus();
        Team_Wert(TEAM_STATUS, team, TEAM_STATUS_ZUG_BEENDET, TEAM_SETZEN);
        ++zug_index;
        zug_erster = true;
        return false;
    }
    zug_anzahl = -1;
    return true;
}

void neuer_tag()
{
    Kalender_Naechster_Tag();
    for (int32_t t = 0; t < Team_Anzahl; ++t) Team_Wert(TEAM_STATUS, t, TEAM_STATUS_ZUG_BEENDET, TEAM_LOESCHEN);
    int32_t ids[256];
    const int32_t n = Kalender_Get_Anzahl_Spiele(-1, 1, ids);
    if (n > 0) {
        Spieltag_Init(ids, n);
        Spieltag_Spiele_Anlegen();
        Ablauf_Zustand = ABLAUF_SPIELTAG_MENUERUNDE;
        return;
    }
    Ablauf_Zustand = runde_faellig(false) ? ABLAUF_MENUERUNDE : ABLAUF_TAG_ENDE;
}

// Runs a report: its start once, then its step each pass until it returns 1.
bool bericht(void (*starten)(), int32_t (*schritt)())
{
    if (!bericht_laeuft) {
        starten();
        bericht_laeuft = true;
    }
    if (schritt() != 1) return false;
    bericht_laeuft = false;
    return true;
}

void zustand_schritt()
{
    switch (Ablauf_Zustand) {
    case ABLAUF_TAG_ENDE: neuer_tag(); break;
    case ABLAUF_MENUERUNDE:
        if (runde_schritt()) Ablauf_Zustand = ABLAUF_TAG_ENDE;
        break;
    case ABLAUF_SPIELTAG_MENUERUNDE:
        if (zug_anzahl < 0 && !runde_faellig(true)) zug_anzahl = 0;
        if (!runde_schritt()) break;
        Spieltag_Nach_Menue_Bekannte_Daten_Eintragen(0);
        Ablauf_Zustand = ABLAUF_VOR_SPIEL;
        break;
    case ABLAUF_VOR_SPIEL:
        if (bericht(Spielbericht_Vor_Spiel_Starten, Spielbericht_Vor_Spiel_Schritt)) Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
        break;
    case ABLAUF_SPIEL_LAEUFT:
        // Run may switch to half-time itself (Ablauf_Spieltag_Abbrechen).
        if (!Spieltag_Run(0) && Ablauf_Zustand == ABLAUF_SPIEL_LAEUFT)
            Ablauf_Zustand = Spielszenen_Geladen() ? ABLAUF_NACH_SPIEL : ABLAUF_SPIELTAG_SCHLIESSEN;
        break;
    case ABLAUF_HALBZEIT:
        if (bericht([] { Spielbericht_Halbzeit_Starten(0); }, Spielbericht_Halbzeit_Schritt)) {
            Spieltag_Naechste_Halbzeit_Anpfeifen();
            Ablauf_Zustand = ABLAUF_SPIEL_LAEUFT;
        }
        break;
    case ABLAUF_NACH_SPIEL:
        if (bericht(Spielbericht_Nach_Spiel_Starten, Spielbericht_Nach_Spiel_Schritt))
            Ablauf_Zustand = ABLAUF_SPIELTAG_SCHLIESSEN;
        break;
    case ABLAUF_SPIELTAG_SCHLIESSEN:
        Spieltag_Weiterschalten();
        Spieltag_DeInit();
        Ablauf_Zustand = ABLAUF_TAG_ENDE;
        break;
    default:
        // States of the network loop; alone the day simply ends.
        Print_Fehler("Ablauf: Zustand %d gibt es auf einem PC allein nicht", Ablauf_Zustand);
        Ablauf_Zustand = ABLAUF_TAG_ENDE;
        break;
    }
}

// The clubs' season change: leagues and the market's systems. The finances of the season gone
// were booked per club with its outcome by the competitions' season change just before.
void teams_jedes_jahr()
{
    Team_Set_Basisdaten(-1, -1);
    Team_Check_Transfermarkt_Nach_Saisonende();
}

void runde_vergessen()
{
    zug_anzahl = -1;
    bericht_laeuft = false;
}

}  // namespace

void Ablauf_Init(int32_t)
{
    menue_modus = 1;
    befehl = 0;
    beendet = false;
    runde_vergessen();
    Kalender_Jobs_Leeren();
    Kalender_Job_Registrieren(KALENDER_TAEGLICH, KJ_TAG_RICHTER, Richter_Jeden_Tag);
    Kalender_Job_Registrieren(KALENDER_TAEGLICH, KJ_TAG_SPIELER, Spieler_Jeden_Tag);
    Kalender_Job_Registrieren(KALENDER_TAEGLICH, KJ_TAG_TEAM, Team_Jeden_Tag);
    Kalender_Job_Registrieren(KALENDER_TAEGLICH, KJ_TAG_ASSISTENT, Assi_Jeden_Tag);
    Kalender_Job_Registrieren(KALENDER_TAEGLICH, KJ_TAG_STADION, Stadion_Jeden_Tag);
    Kalender_Job_Registrieren(KALENDER_TAEGLICH, KJ_TAG_BANK, Bank_Boerse_Tag);
    Kalender_Job_Registrieren(KALENDER_TAEGLICH, KJ_TAG_WETTBEWERB, Wettbewerb_Jeden_Tag);
    Kalender_Job_Registrieren(KALENDER_WOECHENTLICH, KJ_WOCHE_SPIELER, Spieler_Jede_Woche);
    Kalender_Job_Registrieren(KALENDER_WOECHENTLICH, KJ_WOCHE_TEAM, Team_Jede_Woche);
    Kalender_Job_Registrieren(KALENDER_WOECHENTLICH, KJ_WOCHE_ASSISTENT, Assi_Jede_Woche);
    Kalender_Job_Registrieren(KALENDER_WOECHENTLICH, KJ_WOCHE_STADION, Stadion_Jede_Woche);
    Kalender_Job_Registrieren(KALENDER_WOECHENTLICH, KJ_WOCHE_WERBUNG, Werbung_Jede_Woche);
    Kalender_Job_Registrieren(KALENDER_WOECHENTLICH, KJ_WOCHE_TRAININGSLAGER, Trainingslager_Jede_Woche);
    Kalender_Job_Registrieren(KALENDER_MONATLICH, KJ_MONAT_SPIELER, Spieler_Jeden_Monat);
    Kalender_Job_Registrieren(KALENDER_MONATLICH, KJ_MONAT_TEAM, Team_Jeden_Monat);
    Kalender_Job_Registrieren(KALENDER_MONATLICH, KJ_MONAT_ASSISTENT, Assi_Jeden_Monat);
    Kalender_Job_Registrieren(KALENDER_MONATLICH, KJ_MONAT_BANK, Bank_Dauerkarten_Ausgleich);
    Kalender_Job_Registrieren(KALENDER_MONATLICH, KJ_MONAT_HIGHSCORE, Highscore_Jeden_Monat);
    Kalender_Job_Registrieren(KALENDER_JAEHRLICH, KJ_JAHR_WERBUNG, Werbung_Angebote_Erneuern);
    Kalender_Job_Registrieren(KALENDER_JAEHRLICH, KJ_JAHR_TRAININGSLAGER, Trainingslager_Jedes_Jahr);
    Kalender_Job_Registrieren(KALENDER_JAEHRLICH, KJ_JAHR_KALENDER, Kalender_Jedes_Jahr);
    Kalender_Job_Registrieren(KALENDER_JAEHRLICH, KJ_JAHR_STEUERN, Bank_Steuern);
    Kalender_Job_Registrieren(KALENDER_JAEHRLICH, KJ_JAHR_DAUERKARTEN, Stadion_Dauerkarten_Verkaufen);
    Kalender_Job_Registrieren(KALENDER_JAEHRLICH, KJ_JAHR_TEAM, teams_jedes_jahr);
    Kalender_Job_Registrieren(KALENDER_JAEHRLICH, KJ_JAHR_SPIELER, Spieler_Jedes_Jahr);
}

void Ablauf_DeInit()
{
    menue_modus = -1;
    befehl = 0;
    runde_vergessen();
    Kalender_Spielplan_Leeren();
}

void Ablauf_Set_Zug_Hook(Ablauf_Zug_Hook hook) { zug_hook = hook; }

int32_t Ablauf_Get_Menue_Modus() { return menue_modus; }

void Ablauf_Set_Menue_Modus(int32_t modus)
{
    // -1 is the state before Ablauf_Init, as a savegame may hold it.
    if (modus != -1 && (modus < 1 || modus > 4)) {
        Print_Fehler("Ablauf_Set_Menue_Modus: Modus %d falsch", modus);
        return;
    }
    menue_modus = modus;
}

void Ablauf_Set_Befehl(int32_t b)
{
    if (b < ABLAUF_LADEN || b > ABLAUF_BEENDEN) {
        Print_Fehler("Ablauf_Set_Befehl: Befehl %d falsch", b);
        return;
    }
    befehl = b;
}

bool Ablauf_Beendet() { return beendet; }

namespace {
int32_t naechster_zustand = -1;
bool daten_senden = false;
}  // namespace

void Ablauf_Set_Naechster_Zustand(int32_t zustand) { naechster_zustand = zustand; }

int32_t Ablauf_Naechster_Zustand_Nehmen()
{
    const int32_t z = naechster_zustand;
    naechster_zustand = -1;
    return z;
}

void Ablauf_Client_Daten_Senden_Anfordern() { daten_senden = true; }

bool Ablauf_Client_Daten_Anforderung_Nehmen()
{
    const bool d = daten_senden;
    daten_senden = false;
    return d;
}

void Ablauf_Spieltag_Abbrechen()
{
    if (Ablauf_Zustand == ABLAUF_SPIEL_LAEUFT) Ablauf_Zustand = ABLAUF_HALBZEIT;
}

bool Ablauf_Ist_Menuerunde()
{
    return (Ablauf_Zustand == ABLAUF_MENUERUNDE || Ablauf_Zustand == ABLAUF_SPIELTAG_MENUERUNDE) && zug_anzahl > 0;
}

void Ablauf_Tastatur_Auswerten()
{
    const int32_t b = befehl;
    befehl = 0;
    if (!b) return;
    // Loading and saving pump while they work; only their file dialog waits for input.
    const bool gehalten = Os_Script_Halten(true);
    switch (b) {
    case ABLAUF_LADEN:
        // A refused load leaves the running game as it was.
        if (Spielstand_Laden_Auswahl()) runde_vergessen();
        break;
    case ABLAUF_SPEICHERN_UNTER: Spielstand_Speichern_Auswahl(true); break;
    case ABLAUF_SPEICHERN: Spielstand_Speichern_Auswahl(false); break;
    case ABLAUF_BEENDEN: beendet = true; break;
    default: break;
    }
    Os_Script_Halten(gehalten);
}

void Ablauf_Schritt()
{
    Ablauf_Tastatur_Auswerten();
    if (!beendet) zustand_schritt();
}

bool Ablauf_Wartet_Auf_Eingabe()
{
    // A manager's turn has begun (Menue_Rein) and not yet ended.
    return (Ablauf_Zustand == ABLAUF_MENUERUNDE || Ablauf_Zustand == ABLAUF_SPIELTAG_MENUERUNDE) &&
           zug_index < zug_anzahl && !zug_erster;
}

void Ablauf_Hauptschleife()
{
    // A server marks the clubs whose clients are connected at the start and on every pass.
    Internet_Server_Mitspieler_Statistik();
    while (!Programm_Ende && !beendet) {
        Internet_Server_Mitspieler_Statistik();
        // Outside a turn the loop works on its own: a script's input waits for the next turn or
        // for the match day's screens, which take it as a user's.
        const bool wartet = Ablauf_Wartet_Auf_Eingabe();
        const bool spieltag_schirm = Spielansicht_Offen || Spielfeld_Ansicht_Geladen();
        Os_Script_Halten(!wartet && !spieltag_schirm);
        Os_Script_Laufender_Schirm(spieltag_schirm);
        Win95_Message_Pump();
        // A server answers its clients' remote calls, a client takes the server's signals.
        Steuersignal_Verarbeiten();
        Ablauf_Schritt();
        // A turn that waits for the player sleeps until input comes, not on a busy core.
        if (wartet && Ablauf_Wartet_Auf_Eingabe()) Os_Wait_Input(ABLAUF_WARTE_MS);
    }
    Os_Script_Halten(false);
    Os_Script_Laufender_Schirm(false);
}
