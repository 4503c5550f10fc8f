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
#include "graphics/grafik_blit.h"
#include "graphics/grafik_screen.h"
#include "competitions/spiele_ewig.h"
#include "competitions/spiele_netz.h"
#include "gameflow/ablauf_anfrage.h"
#include "gameflow/postfach.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "gameflow/spielstand.h"
#include "match/spielfeld.h"
#include "match/spielfeld_netz.h"
#include "match/spieltag.h"
#include "matchview/spielansicht.h"
#include "matchview/spielbericht.h"
#include "matchview/spielszenen.h"
#include "network/chat.h"
#include "network/internet_read.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "network/socket.h"
#include "network/steuersignal.h"
#include "platform/os/os_socket.h"
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

constexpr uint8_t TEAM_STATUS_ZUG_BEENDET = ZUG_BEENDET_BIT;

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

// Whether the turn at zug_index ends into another club's turn on the next main-loop pass: a
// club after it has not yet had its turn today, and no command waits. Only while nobody takes
// part over the network: then that pass runs, before runde_schritt calls Menue_Rein,
// - the message pump, which feeds no script line while the loop holds the script and shows only
//   page 0 (a window that needs its picture again gets it from the frame);
// - Steuersignal_Verarbeiten: its round of the participants ends unfinished while this round is
//   open, the waiting line belongs to the state that waits for them, and one who logs in now is
//   sent the day's signal; a chat's blinking draws the chat icon at most, onto the back page
//   that Menue_Rein covers whole before anything shows it;
// - Ablauf_Tastatur_Auswerten: its keys are the network's and the match's; a command it runs
//   makes the fill first (its dialogs draw on the back page).
// None of them shows the back page or reads it into anything that stays.
bool naechster_zug_folgt()
{
    if (!Ablauf_Allein() || befehl != 0) return false;
    for (int32_t i = zug_index + 1; i < zug_anzahl; ++i)
        if (!(Team_Wert(TEAM_STATUS, zug_teams[i], 0, TEAM_LESEN) & TEAM_STATUS_ZUG_BEENDET)) return true;
    return false;
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
        // After a load in the middle of a round the clubs that had their turn are not asked again;
        // a club whose client plays it has its turn there.
        if ((Team_Wert(TEAM_STATUS, team, 0, TEAM_LESEN) & TEAM_STATUS_ZUG_BEENDET) ||
            (zug_erster && (Netz_Rolle & 2) && Ablauf_Verein_Gehalten(team))) {
            ++zug_index;
            zug_erster = true;
            continue;
        }
        const bool erster = zug_erster;
        zug_erster = false;
        if (zug_schritt(team, erster) != -1) return false;
        if (!zug_hook) Menue_Raus(naechster_zug_folgt());
        Team_Wert(TEAM_STATUS, team, TEAM_STATUS_ZUG_BEENDET, TEAM_SETZEN);
        if (team == Server_Team && Ablauf_Netz_Aktiv()) Steuersignal_Zug_Beendet_Melden();
        ++zug_index;
        zug_erster = true;
        return false;
    }
    // A turn that was to follow did not come after all: the last turn's fill is made now.
    Menue_Seite_Fuellen_Nachholen();
    zug_anzahl = -1;
    return true;
}

// The day advance up to the state the day goes on in; the caller writes the autosaves once that
// state is final: written in the advance, an autosave held its end and resumed on the next day.
void neuer_tag()
{
    // What the day brings before the next turn (the season change's prize money and taxes, its
    // notices) stands on the screen the manager left, not on the fill of the menu's back page.
    if (Grafik_Seite_0 && Grafik_Seite_1 && Grafik_Seite_0 != Grafik_Seite_1)
        Grafik_Blit(Grafik_Seite_0, 0, 0, 640, 480, Grafik_Seite_1, 0, 0);
    Kalender_Naechster_Tag(false);
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

void spieltag_schliessen();

void einzel_schritt()
{
    switch (Ablauf_Zustand) {
    case ABLAUF_TAG_ENDE:
        neuer_tag();
        Kalender_Autosaves();
        break;
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
    case ABLAUF_SPIELTAG_SCHLIESSEN: spieltag_schliessen(); break;
    default:
        // States of the network loop; alone the day simply ends.
        Print_Fehler("Ablauf: Zustand %d gibt es auf einem PC allein nicht", Ablauf_Zustand);
        Ablauf_Zustand = ABLAUF_TAG_ENDE;
        break;
    }
}

// ---- Network play ----

bool ist_spieltag() { return Kalender_Get_Anzahl_Spiele(-1, 1) > 0; }

// Server: the turns of the managers at the server are still under way today.
bool lokale_runde_offen = false;
// Server, state 13: the start signal went out (and when), so that it goes once.
bool start_gesendet = false;
uint32_t start_zeit = 0;

bool alle_records_geholt()
{
    for (int32_t i = 0; Netzuser_Belegte() && i < NETZUSER_ANZAHL; ++i) {
        const Mitspieler_Eintrag* m = Netzuser_Get(i);
        if (m && m->in_benutzung && m->verein_beansprucht && !Ablauf_Spielfeld_Abgerufen(m->verein)) return false;
    }
    return true;
}

void server_daten_gesammelt()
{
    const bool spieltag = ist_spieltag();
    if (!start_gesendet) {
        if (spieltag) Spieltag_Nach_Menue_Bekannte_Daten_Eintragen(0);
        Ablauf_Spielfeld_Abrufe_Vergessen();
        Steuersignal_Server_Senden(SIGNAL_SPIELTAG_START, nullptr);
        start_gesendet = true;
        start_zeit = Netz_Zeit();
        if (spieltag) return;
    } else if (!alle_records_geholt() && Netz_Zeit() - start_zeit < STEUERSIGNAL_WARTEZEIT) {
        return;
    }
    Steuersignal_Server_Senden(SIGNAL_DATEN_VERSCHICKT, nullptr);
    start_gesendet = false;
    Ablauf_Zustand = spieltag ? ABLAUF_VOR_SPIEL : ABLAUF_SPIELTAG_SCHLIESSEN;
}

void spieltag_schliessen()
{
    // A networked day without a match passes here too; it has nothing to close.
    if (ist_spieltag()) {
        Ablauf_Spieltag_Merken();
        Spieltag_Weiterschalten();
        Spieltag_DeInit();
    }
    Ablauf_Zustand = ABLAUF_TAG_ENDE;
}

// The server's day advance with participants: every day has a round (the clients' turns) and
// takes the collecting states, match day or not.
void server_neuer_tag()
{
    neuer_tag();
    Steuersignal_Setze_Team_Status(TEAM_LOESCHEN);
    if (Ablauf_Zustand == ABLAUF_TAG_ENDE) {
        Ablauf_Zustand = ABLAUF_MENUERUNDE;
        zug_anzahl = 0;
    }
    Kalender_Autosaves();
    lokale_runde_offen = true;
    Steuersignal_Server_Senden(SIGNAL_NEUER_SPIELTAG, nullptr);
}

void server_schritt()
{
    switch (Ablauf_Zustand) {
    case ABLAUF_TAG_ENDE: server_neuer_tag(); break;
    case ABLAUF_MENUERUNDE:
    case ABLAUF_SPIELTAG_MENUERUNDE:
        if (zug_anzahl < 0 && Ablauf_Zustand == ABLAUF_SPIELTAG_MENUERUNDE && !runde_faellig(true)) zug_anzahl = 0;
        if (!runde_schritt()) break;
        // The server's own manager counts as done when his turn did not come today.
        if (Server_Team >= 0 && Server_Team < Team_Anzahl)
            Team_Wert(TEAM_STATUS, Server_Team, TEAM_STATUS_ZUG_BEENDET, TEAM_SETZEN);
        lokale_runde_offen = false;
        Ablauf_Zustand = ABLAUF_SERVER_WARTET;
        break;
    case ABLAUF_SERVER_WARTET:
        // The pump moves on to 3 once every participant has ended its turn.
        Chat_Sende_Status_An_Alle();
        break;
    case ABLAUF_SPIELTAG_STARTEN:
        // The pump may have ended the round before its last step did.
        zug_anzahl = -1;
        Steuersignal_Server_Senden(SIGNAL_SAMMEL_DATEN, nullptr);
        Steuersignal_Zeiten_Zuruecksetzen();
        Ablauf_Zustand = ABLAUF_DATEN_SAMMELN;
        break;
    case ABLAUF_DATEN_SAMMELN: break;  // the pump moves on to 13
    case ABLAUF_DATEN_GESAMMELT: server_daten_gesammelt(); break;
    case ABLAUF_SPIELTAG_SCHLIESSEN: spieltag_schliessen(); break;
    default: einzel_schritt(); break;
    }
}

// A remote client's loop: it waits for the server's signals, plays its manager's round and the
// match day's games of its club.
void client_spieltag_starten()
{
    int32_t ids[SPIELTAG_TAGESLISTE];
    int32_t n = 0;
    for (const Ablauf_Tagesspiel& s : Ablauf_Tagesspiele())
        if (std::find(ids, ids + n, s.wettbewerb) == ids + n && n < SPIELTAG_TAGESLISTE) ids[n++] = s.wettbewerb;
    if (!n) return;
    Spieltag_Init(ids, n);
    // The server's records are the client's: the same seed, the same game. Taken as they come,
    // never filled here first (the other club's squad is the server's to read).
    for (const auto& [spiel, bild] : Ablauf_Client_Spielfeld_Records())
        if (!Spielfeld_Record_Uebernehmen(spiel, bild.data()))
            Print_Fehler("Ablauf: Spiel %d des Servers hat hier keinen Platz", spiel);
        else Spielfeld_Netz_Tempo_Uebernehmen(Spielfeld_Get_Spiel(spiel));
}

// Client: its turn of today has ended.
bool client_zug_vorbei = false;

void client_schritt()
{
    // What the server's signals asked for; a turn under way ends first.
    const int32_t geplant = Ablauf_Naechster_Zustand_Nehmen();
    if (geplant >= 0) {
        if (Ablauf_Zustand == ABLAUF_MENUERUNDE && zug_anzahl > 0) {
            Ablauf_Set_Naechster_Zustand(geplant);
        } else {
            Ablauf_Zustand = geplant;
            return;
        }
    }
    switch (Ablauf_Zustand) {
    case ABLAUF_CLIENT_NAECHSTER_TAG:
        // The match day's screens give way to the menu as the turn left it.
        Menue_Bild_Zurueck();
        // The new day's signal may have come while a match ran here: its mode says so.
        if (Steuersignal_Menue_Modus(0, 0) != 1) break;
        client_zug_vorbei = false;
        Steuersignal_Menue_Modus(0, 1);
        Ablauf_Client_Tagesdaten_Holen();
        // the mailbox holds what the server keeps for the club
        Postfach_Client_Holen();
        Spiele_Client_Ereignisse_Abgleichen();
        Wettbewerb_Client_Config_Holen();
        // The club's account as the server's day left it.
        Bank_Client_Refresh(int32_t(Handelndes_Team));
        // A new day's turn: the mark of the last one goes (the server's day advance cleared its own).
        if (int32_t(Handelndes_Team) >= 0 && int32_t(Handelndes_Team) < Team_Anzahl)
            Team_Wert(TEAM_STATUS, int32_t(Handelndes_Team), TEAM_STATUS_ZUG_BEENDET, TEAM_LOESCHEN);
        Ablauf_Zustand = ABLAUF_MENUERUNDE;
        break;
    case ABLAUF_MENUERUNDE:
        if (!runde_schritt()) break;
        // The menu's picture stays while the client waits, beneath the notices of the others.
        client_zug_vorbei = true;
        Menue_Bild_Merken();
        Internet_Client_Refresh();
        Steuersignal_Client_Senden(SIGNAL_ZUG_BEENDET);
        Ablauf_Zustand = ABLAUF_CLIENT_WARTET;
        break;
    case ABLAUF_CLIENT_WARTET:
        if (Ablauf_Client_Daten_Anforderung_Nehmen()) Internet_Client_Refresh();
        break;
    case ABLAUF_CLIENT_ZUM_SPIEL:
        Steuersignal_Client_Senden(SIGNAL_AM_SPIEL);
        Ablauf_Client_Tagesdaten_Holen();
        Ablauf_Client_Spielfeld_Records_Holen();
        client_spieltag_starten();
        Ablauf_Zustand = ABLAUF_CLIENT_WARTET_DATEN;
        [[fallthrough]];
    case ABLAUF_CLIENT_WARTET_DATEN:
        // The server's last signal may have come before this state: it was kept.
        if (Steuersignal_Daten_Verschickt_Nehmen()) Ablauf_Zustand = ABLAUF_CLIENT_SPIEL;
        break;
    case ABLAUF_CLIENT_SPIEL:
        // The client's pitch ends no day: its own game over, the day is over here. Between the
        // halves its record rests, and the game still plays. Once the server has begun the next
        // day its game is over there, whatever minute this pitch still waits for.
        if (Steuersignal_Menue_Modus(0, 0) == 1 || !Spieltag_Run(0) ||
            !Spieltag_Team_Spielt_Auf_Dem_Platz(int32_t(Handelndes_Team))) {
            // The server closes the day; its results are shown here as the server has them.
            if (!Programm_Ende) Spieltag_Ergebnisse_Zeigen();
            Spieltag_DeInit();
            Ablauf_Zustand = ABLAUF_CLIENT_NAECHSTER_TAG;
        }
        break;
    default:
        Print_Fehler("Ablauf: Zustand %d gibt es auf einem Client nicht", Ablauf_Zustand);
        Ablauf_Zustand = ABLAUF_CLIENT_NAECHSTER_TAG;
        break;
    }
}

void zustand_schritt()
{
    if (Netz_Rolle == 1) client_schritt();
    else if (Ablauf_Netz_Aktiv()) server_schritt();
    else einzel_schritt();
}

// The clubs' season change: leagues and the market's systems. The finances of the season gone
// were booked per club with its outcome by the competitions' season change just before.
void teams_jedes_jahr()
{
    Team_Set_Basisdaten(-1, -1);
    Team_Check_Transfermarkt_Nach_Saisonende();
    Spiele_Serien_Zuruecksetzen();
}

void runde_vergessen()
{
    zug_anzahl = -1;
    client_zug_vorbei = false;
    lokale_runde_offen = false;
    bericht_laeuft = false;
}

}  // namespace

void Ablauf_Init(int32_t)
{
    menue_modus = 1;
    befehl = 0;
    beendet = false;
    runde_vergessen();
    Ablauf_Tagesdaten_Vergessen();
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
    Ablauf_Tagesdaten_Vergessen();
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

bool Ablauf_Verein_Gehalten(int32_t team)
{
    for (int32_t i = 0; Netzuser_Belegte() && i < NETZUSER_ANZAHL; ++i) {
        const Mitspieler_Eintrag* m = Netzuser_Get(i);
        if (m && m->in_benutzung && m->verein_beansprucht && m->verein == team) return true;
    }
    return false;
}

bool Ablauf_Lokale_Runde_Offen()
{
    // A round the loop has begun ends in the loop, hot-seat or networked.
    const bool runde = Ablauf_Zustand == ABLAUF_MENUERUNDE || Ablauf_Zustand == ABLAUF_SPIELTAG_MENUERUNDE;
    return (lokale_runde_offen && Ablauf_Netz_Aktiv()) || (runde && zug_anzahl >= 0);
}

bool Ablauf_Client_Zug_Vorbei() { return Netz_Rolle == 1 && client_zug_vorbei; }

bool Ablauf_Netz_Wartet()
{
    // The state first: the participants' walk only for a state that waits on the network.
    switch (Ablauf_Zustand) {
    case ABLAUF_CLIENT_WARTET:
    case ABLAUF_CLIENT_NAECHSTER_TAG:
    case ABLAUF_CLIENT_WARTET_DATEN:
    case ABLAUF_SERVER_WARTET:
    case ABLAUF_DATEN_SAMMELN:
    case ABLAUF_DATEN_GESAMMELT: return Ablauf_Netz_Aktiv();
    default: return false;
    }
}

bool Ablauf_Netz_Aktiv()
{
    if (Netz_Rolle == 1) return true;
    if (!(Netz_Rolle & 2)) return false;
    // A day that has begun collecting goes on as it began.
    switch (Ablauf_Zustand) {
    case ABLAUF_SPIELTAG_STARTEN:
    case ABLAUF_SERVER_WARTET:
    case ABLAUF_DATEN_SAMMELN:
    case ABLAUF_DATEN_GESAMMELT: return true;
    default: break;
    }
    int32_t i = 0;
    return Netzuser_Naechster(&i) != nullptr;
}

bool Ablauf_Allein() { return Netz_Rolle == 0 || (Netz_Rolle == 3 && !Ablauf_Netz_Aktiv()); }

void Ablauf_Spieltag_Abbrechen()
{
    if (Ablauf_Zustand == ABLAUF_SPIEL_LAEUFT) Ablauf_Zustand = ABLAUF_HALBZEIT;
}

bool Ablauf_Spieltag_Laeuft()
{
    switch (Ablauf_Zustand) {
    case ABLAUF_DATEN_GESAMMELT:
    case ABLAUF_VOR_SPIEL:
    case ABLAUF_SPIEL_LAEUFT:
    case ABLAUF_HALBZEIT:
    case ABLAUF_NACH_SPIEL:
    case ABLAUF_SPIELTAG_SCHLIESSEN: return true;
    default: return false;
    }
}

bool Ablauf_Ist_Menuerunde()
{
    return (Ablauf_Zustand == ABLAUF_MENUERUNDE || Ablauf_Zustand == ABLAUF_SPIELTAG_MENUERUNDE) && zug_anzahl > 0;
}

void Ablauf_Tastatur_Auswerten()
{
    // The chat opens in a network game by its key, not over a match watched here: while it is
    // open the loop runs only the chat, and a pitch that stops is cut off by the server. A
    // stand-alone server saves on 's'.
    const int32_t taste = Win95_Eingabe.taste;
    // No key of the loop's and no command: the pass has nothing to look at here.
    if (befehl == 0 && taste != ABLAUF_CHAT_TASTE && taste != ABLAUF_SPEICHERN_TASTE) return;
    if (taste == ABLAUF_CHAT_TASTE && Ablauf_Netz_Aktiv() && !Chat_Screen_Ist_Offen() &&
        !(Spielansicht_Offen || Spielfeld_Ansicht_Geladen())) {
        Win95_Eingabe.taste = -1;
        Chat_Screen();
    } else if (taste == ABLAUF_SPEICHERN_TASTE && Netz_Rolle == 2 && !Ablauf_Wartet_Auf_Eingabe()) {
        Win95_Eingabe.taste = -1;
        befehl = befehl ? befehl : ABLAUF_SPEICHERN;
    } else if (taste == ABLAUF_SPEICHERN_TASTE && Ablauf_Zustand == ABLAUF_SPIEL_LAEUFT && !Ablauf_Netz_Aktiv() &&
               Spielszenen_Speichern_Moeglich()) {
        // The options menu is away while a match is watched live: its key saves the running day
        // as the menu's first row would, with Shift under a new name. Not in the report sequences
        // around the play, whose own state no savegame holds.
        Win95_Eingabe.taste = -1;
        const bool shift = Win95_Eingabe.shift != 0 && Win95_Eingabe.shift != -1;
        befehl = befehl ? befehl : shift ? ABLAUF_SPEICHERN_UNTER : ABLAUF_SPEICHERN;
    }
    const int32_t b = befehl;
    befehl = 0;
    if (!b) return;
    // Its dialogs draw on the back page: a fill that the last turn's end left waits no longer.
    Menue_Seite_Fuellen_Nachholen();
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

// The match day's screens draw a frame a pass. In the window a pass takes at least a display
// frame, as a page flip on the screen's refresh would: without it a fast machine runs the match
// at hundreds of frames a second (a minute of play in a fraction of a second) on a busy core.
// Headless the virtual clock stays where the scripts expect it.
static void bild_takt_abwarten()
{
    static uint32_t letzter = 0;
    const uint32_t jetzt = Os_Time_Ms();
    const uint32_t vergangen = jetzt - letzter;
    if (vergangen < ABLAUF_BILD_MS) {
        Os_Sleep(ABLAUF_BILD_MS - vergangen);
        letzter += ABLAUF_BILD_MS;
    } else letzter = jetzt;
}

void Ablauf_Hauptschleife()
{
    // A server marks the clubs whose clients are connected at the start, and anew on a pass
    // after a participant or a club changed.
    Internet_Server_Mitspieler_Statistik();
    while (!Programm_Ende && !beendet) {
        Internet_Server_Mitspieler_Nachfuehren();
        // Outside a turn the loop works on its own: a script's input waits for the next turn or
        // for the match day's screens, which take it as a user's.
        const bool wartet = Ablauf_Wartet_Auf_Eingabe();
        const bool spieltag_schirm = Spielansicht_Offen || Spielfeld_Ansicht_Geladen() || Spielbericht_Zeigt();
        Os_Script_Halten(!wartet && !spieltag_schirm);
        Os_Script_Laufender_Schirm(spieltag_schirm);
        Win95_Message_Pump();
        // A server answers its clients' remote calls, a client takes the server's signals.
        Steuersignal_Verarbeiten();
        if ((Netz_Rolle & 2) && Server_Lauschend) Chat_Pruefe_Online_Status(Netz_Zeit());
        if (Chat_Screen_Ist_Offen()) {
            Chat_Screen();
            continue;
        }
        Ablauf_Schritt();
        // A turn that waits for the player sleeps until input comes, not on a busy core; a
        // networked wait sleeps on the sockets.
        if (wartet && Ablauf_Wartet_Auf_Eingabe()) Os_Wait_Input(ABLAUF_WARTE_MS);
        else if (Ablauf_Netz_Wartet()) Os_Socket_Wait(ABLAUF_NETZ_WARTE_MS);
        else if (spieltag_schirm && !Os_Headless()) bild_takt_abwarten();
    }
    Os_Script_Halten(false);
    Os_Script_Laufender_Schirm(false);
}
