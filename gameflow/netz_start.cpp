#include "gameflow/netz_start.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "competitions/saisonende.h"
#include "competitions/spiele.h"
#include "competitions/spiele_netz.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "economy/trainingslager.h"
#include "economy/werbung.h"
#include "gameflow/ablauf.h"
#include "gameflow/ablauf_anfrage.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/spielstand.h"
#include "gameflow/team_requester.h"
#include "match/pitch/spielfeld_sonderaktion.h"
#include "match/spielfeld_netz.h"
#include "match/spieltag.h"
#include "matchview/live/spielszenen_kamera.h"
#include "matchview/live/spielszenen_live.h"
#include "network/internet_read.h"
#include "network/middleware.h"
#include "network/netz.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "network/steuersignal.h"
#include "platform/bytes.h"
#include "platform/os/os.h"
#include "platform/os/os_socket.h"
#include "platform/print.h"
#include "platform/win95.h"
#include "platform/win95_dialog.h"
#include "toolkit/icon.h"
#include "toolkit/popup.h"
#include "toolkit/requester.h"
#include "toolkit/text_pruefung.h"

namespace {

constexpr uint32_t EINTRAG = 46;

int32_t gewaehlt = -1;

uint8_t waehlen(int32_t eintrag, int32_t, int32_t, int32_t)
{
    gewaehlt = eintrag;
    return 1;
}

}  // namespace

void Ablauf_Server_Netz_Start()
{
    if (!(Netz_Rolle & 2)) return;
    // The log-in database's answers do not matter to the game.
    Middleware_Init_Stub_A();
    Middleware_Init_Stub_C();
    int32_t teams[MANAGER_DRAN_MAX];
    const int32_t n = Manager_Ist_Dran(teams, false, 0);
    for (int32_t i = 0; i < n; ++i) Middleware_Init_Stub_B(teams[i]);
    Internet_Server_Mitspieler_Statistik();
}

std::vector<Ablauf_Freier_Verein> Ablauf_Client_Freie_Vereine_Lesen(const std::vector<uint8_t>& liste)
{
    std::vector<Ablauf_Freier_Verein> v;
    for (size_t o = 0; o + EINTRAG <= liste.size(); o += EINTRAG) {
        const int32_t team = Bytes_Hole16(liste.data() + o);
        // Club 0 is "none" on the wire: no client can hold it.
        if (team <= 0) continue;
        const char* name = reinterpret_cast<const char*>(liste.data() + o + 2);
        const char* manager = reinterpret_cast<const char*>(liste.data() + o + 26);
        v.push_back({team, std::string(name, strnlen(name, 24)), std::string(manager, strnlen(manager, 20))});
    }
    return v;
}

int32_t Ablauf_Client_Verein_Auswaehlen(const std::vector<Ablauf_Freier_Verein>& vereine)
{
    if (vereine.empty()) return -1;
    if (Os_Headless()) {
        std::string antwort;
        if (Os_Dialog_Answer(&antwort)) {
            char* ende = nullptr;
            const long i = std::strtol(antwort.c_str(), &ende, 10);
            if (ende != antwort.c_str() && i >= 0 && size_t(i) < vereine.size()) return vereine[size_t(i)].team;
            Print_Fehler("Ablauf_Client_Verein_Auswaehlen: Antwort \"%s\" ist kein Verein der Liste", antwort.c_str());
        }
        return vereine.front().team;
    }
    // The popup shows at most 33 clubs: the first ones the server offers.
    Menue_Kontextmenue liste{};
    liste.titel = "Ihr Verein:";
    const size_t n = std::min<size_t>(vereine.size(), MENUE_KONTEXT_EINTRAEGE);
    for (size_t i = 0; i < n; ++i) {
        liste.texte[i] = vereine[i].name.c_str();
        liste.status[i] = POPUP_WAEHLBAR;
        liste.prozeduren[i] = waehlen;
    }
    gewaehlt = -1;
    // A list closed without a choice comes again: a client cannot play without a club.
    while (gewaehlt < 0 && !Programm_Ende)
        if (Popup_Liste_Ausfuehren(&liste) == 0) break;
    return gewaehlt >= 0 && size_t(gewaehlt) < n ? vereine[size_t(gewaehlt)].team : -1;
}

bool Ablauf_Client_Verein_Nehmen(int32_t team)
{
    const int32_t aktuell = Aktuelles_Team, eigenes = Netz_Get_Eigenes_Team();
    const uint32_t handelnd = Handelndes_Team;
    Aktuelles_Team = team;
    Handelndes_Team = uint32_t(team);
    Netz_Set_Eigenes_Team(team);
    Steuersignal_Client_Senden(SIGNAL_TEAM_NR);
    // The server reads the claim before the next request on the one connection, and answers a
    // request for a club only to the participant that holds it.
    uint8_t fertig = 0;
    Internet_Client_Read(ABLAUF_HIGHSCORE, "i", nullptr, &fertig, nullptr, 0);
    if (fertig & 1) return true;
    // A club the server did not give is not this client's.
    Aktuelles_Team = aktuell;
    Handelndes_Team = handelnd;
    Netz_Set_Eigenes_Team(eigenes);
    return false;
}

static bool client_start(const char* spielstand);

bool Ablauf_Client_Start(const char* spielstand)
{
    // The start only waits and fetches: a script's input is for the first round.
    const bool gehalten = Os_Script_Halten(true);
    const bool ok = client_start(spielstand);
    Os_Script_Halten(gehalten);
    return ok;
}

static bool client_start(const char* spielstand)
{
    if (Netz_Rolle != 1) return false;
    Team_Client_Manager_Name_Setzen(nullptr);
    // A savegame named at the start is read at once, so that a file that names no club says so
    // before the wait; its club is claimed once the server's game runs.
    const int32_t gespeichert = spielstand && *spielstand ? Spielstand_Client_Verein(spielstand) : -1;
    Ablauf_Zustand = ABLAUF_CLIENT_NAECHSTER_TAG;
    Steuersignal_Menue_Modus(0, 1);
    // The server's game runs once it calls its clients into a day.
    while (Steuersignal_Menue_Modus(0, 0) != 1 && !Programm_Ende) {
        Steuersignal_Verarbeiten();
        Os_Socket_Wait(ABLAUF_NETZ_WARTE_MS);
    }
    while (Ablauf_Naechster_Zustand_Nehmen() >= 0) {}
    if (Programm_Ende) return false;
    // The savegame's club takes the place of the choice; a club no longer free leads to it.
    const bool genommen = gespeichert > 0 && Ablauf_Client_Verein_Aus_Spielstand(gespeichert);
    // Two managers may choose one club at the same moment: the server takes the first claim, and
    // the other chooses again from the clubs still free (a few times; a server that refuses every
    // claim ends the start).
    std::string manager;
    for (int32_t versuch = 0; !genommen; ++versuch) {
        std::vector<uint8_t> liste;
        const std::vector<Ablauf_Freier_Verein> vereine =
            Internet_Client_Freie_Vereine(&liste) ? Ablauf_Client_Freie_Vereine_Lesen(liste) : std::vector<Ablauf_Freier_Verein>{};
        const int32_t team = Ablauf_Client_Verein_Auswaehlen(vereine);
        if (team < 0 || Programm_Ende || versuch == 5) {
            Win95_Meldung("Auf dem Server ist kein Verein mehr frei.");
            return false;
        }
        if (Ablauf_Client_Verein_Nehmen(team)) {
            for (const Ablauf_Freier_Verein& v : vereine)
                if (v.team == team) manager = v.manager;
            break;
        }
        Win95_Meldung("Dieser Verein wurde soeben von einem anderen Mitspieler gewählt.\nBitte wählen Sie einen anderen.");
    }
    // The modules that hold the server's data here start empty: no world is read on a client.
    Spiele_Init();
    Statistik_Init();
    Werbung_Init();
    Trainingslager_Init();
    Internet_Client_Init();
    // A client's savegame names its club: the team area in a client's form holds it with the club
    // records' fixed parts and the own manager.
    Team_Disk_Registrieren();
    Bank_Client_Init(Aktuelles_Team);
    Wettbewerb_Client_Config_Komplett_Holen();
    Wettbewerb_Client_Config_Holen();
    Spiele_Client_Start();
    Werbung_Client_Partner_Neu_Holen();
    Trainingslager_Client_Neu_Holen();
    // A manager who chose his club here names himself; the server's name stands until he does.
    if (!genommen) {
        char name[TEAM_MANAGER_NAME_BYTES];
        std::snprintf(name, sizeof name, "%s", manager.c_str());
        if (Win95_Text_Input_Dialog(name, int32_t(sizeof name), "Ihr Name als Manager:") > 0 &&
            std::strcmp(name, manager.c_str()) != 0 && !Team_Client_Manager_Name_Setzen(name))
            Win95_Meldung("Dieser Name ist nicht möglich.\nSie spielen als %s.", manager.c_str());
    }
    // The client plays in the server's game from here on.
    Eingang_Set_Spiel_Gestartet(true);
    return true;
}

bool Ablauf_Client_Verein_Aus_Spielstand(int32_t team)
{
    if (Netz_Rolle != 1) return false;
    // A client whose game runs holds its club: the server gives no participant a second one.
    if (Eingang_Get_Spiel_Gestartet() && Aktuelles_Team > 0) {
        if (team == Aktuelles_Team)
            Win95_Meldung("Der Verein dieses Spielstands ist bereits Ihr Verein.\n"
                          "Das Spiel läuft auf dem Server unverändert weiter.");
        else
            Win95_Meldung("Dieser Spielstand gehört zu einem anderen Verein. Sie spielen bereits mit Ihrem "
                          "Verein.\nDer Spielstand wird nicht geladen.");
        return team == Aktuelles_Team;
    }
    if (team <= 0 || !Internet_Team_Hat_Manager(team) || !Ablauf_Client_Verein_Nehmen(team)) {
        Win95_Meldung("Der Verein dieses Spielstands ist auf dem Server nicht mehr frei.\n"
                      "Der Spielstand wird nicht geladen.");
        return false;
    }
    return true;
}

// A league plays all its clubs on each of its days.
static bool spielt_am(int32_t team, int32_t tag)
{
    int32_t ids[256];
    for (int32_t i = 0, n = Kalender_Get_Anzahl_Spiele(tag, 1, ids); i < n; ++i) {
        const Wettbewerb_Datensatz* w = Wettbewerb_Zeiger(Wettbewerb_Get_Nummer(ids[i]));
        if (!w || !w->basisliga) continue;
        int16_t teams[WETTBEWERB_MAX_TEAMS];
        for (int32_t k = 0, m = Wettbewerb_Get_Teams(ids[i], teams); k < m; ++k)
            if (teams[k] == team) return true;
    }
    return false;
}

Ablauf_Liga_Bilanz Ablauf_Liga_Bilanz_Zaehlen(int32_t team)
{
    Ablauf_Liga_Bilanz b;
    const int32_t liga = team >= 0 && team < Team_Anzahl ? Wettbewerb_Get_Team_Wettbewerb(team, 1, 0) : -1;
    const int32_t block = liga >= 0 ? Wettbewerb_Get_Spiele_Block(liga) : -1;
    for (int32_t i = 0, n = block >= 0 ? Spiele_Get_Anzahl_Spiele(block) : 0; i < n; ++i) {
        const int32_t h = Spiele_Lock_Index(block, i);
        const Spiele_Spiel* s = h ? Spiele_Get_Spiel(h, 1) : nullptr;
        if (s && s->heim_tore >= 0 && (s->heim == team || s->gast == team)) {
            const Spiele_Stand st = Spiele_Get_Stand(s);
            const int32_t tore = s->heim == team ? st.heim : st.gast, gegen = s->heim == team ? st.gast : st.heim;
            ++b.spiele;
            ++(tore > gegen ? b.siege : tore == gegen ? b.remis : b.niederlagen);
            b.tore += tore;
            b.gegentore += gegen;
        }
        if (h) Spiele_Unlock(h);
    }
    b.punkte = 3 * b.siege + b.remis;
    // where the club's team value (the one the pitch balances) stands in its league today
    auto wert = [](int32_t t) {
        int32_t m[5][6] = {};
        Team_Staerke(255, 2, t, m);
        return m[4][4];
    };
    int16_t teams[WETTBEWERB_MAX_TEAMS];
    const int32_t eigener = wert(team);
    b.vereine = Wettbewerb_Get_Teams(liga, teams);
    b.rang = 1;
    for (int32_t i = 0; i < b.vereine; ++i)
        if (teams[i] != team && wert(teams[i]) > eigener) ++b.rang;
    return b;
}

// The live view's window that takes the user's commands, null without one.
static const Spielszenen_Fenster* aktives_fenster()
{
    const int32_t a = Spielszenen_Aktives_Fenster();
    return a >= 0 ? &Spielszenen_Fenster_Liste[a] : nullptr;
}

bool Ablauf_Skript_Zeile(const std::string& name, int32_t zahl)
{
    int32_t angemeldet = 0, mit_verein = 0;
    for (int32_t i = 0; i < NETZUSER_ANZAHL; ++i) {
        const Mitspieler_Eintrag* m = Netzuser_Get(i);
        if (!m || !m->in_benutzung) continue;
        ++angemeldet;
        mit_verein += m->verein_beansprucht ? 1 : 0;
    }
    if (name == "vereine") return mit_verein >= zahl;
    // The findings of the text check on the screen shown, as screen N.
    if (name == "texte") {
        Text_Pruefung_Schreiben(zahl);
        return true;
    }
    // A script that clicks through a turn starts once the turn waits for the player with no
    // requester over it; networked PCs that end their turns one after the other wait for the
    // notices of the turns ended before (each shown notice wants its "OK").
    if (name == "zug") return Ablauf_Wartet_Auf_Eingabe() && !Menue_Screen_Icon_Ist_Vorhanden(REQ_RAHMEN);
    if (name == "zuege") return Steuersignal_Zugenden_Gezeigt() >= zahl;
    if (name == "runden") {
        int32_t in_runde = 0;
        for (int32_t i = 0; i < NETZUSER_ANZAHL; ++i) {
            const Mitspieler_Eintrag* m = Netzuser_Get(i);
            if (m && m->in_benutzung && m->verein_beansprucht && Internet_Server_Runde_Begonnen(m->verein)) ++in_runde;
        }
        return in_runde >= zahl;
    }
    if (name == "allein") return angemeldet == 0;
    auto summe_drucken = [](int32_t team) {
        std::printf("Pruefsumme %d %08X\n", team, Ablauf_Pruefsumme(team));
        std::fflush(stdout);
    };
    if (name == "pruefsumme" && zahl == -2) {
        // Every manager's club, connected or not (club 0 too).
        for (int32_t t = 0; t < Team_Anzahl; ++t)
            if (Team_Hat_Manager(t)) summe_drucken(t);
        return true;
    }
    if (name == "pruefsumme" && zahl < 0) {
        // Every club a participant holds, as the server computes it.
        for (int32_t i = 0; i < NETZUSER_ANZAHL; ++i) {
            const Mitspieler_Eintrag* m = Netzuser_Get(i);
            if (m && m->verein_beansprucht) summe_drucken(m->verein);
        }
        return true;
    }
    if (name == "spieltag") {
        // The next day from today on with a game of the club's league (without a club: of every
        // manager's club's league).
        const int32_t heute = Kalender_Get_Heute();
        auto alle_spielen = [&](int32_t tag) {
            if (zahl > 0) return spielt_am(zahl, tag);
            bool alle = true;
            for (int32_t t = 0; t < Team_Anzahl && alle; ++t)
                if (Team_Hat_Manager(t)) alle = spielt_am(t, tag);
            return alle;
        };
        int32_t tag = heute;
        while (tag < heute + 366 && !alle_spielen(tag)) ++tag;
        std::printf("Spieltag %d %d %d\n", zahl > 0 ? zahl : -1, heute, tag);
        std::fflush(stdout);
        return true;
    }
    if (name == "manager") {
        // The managers' names as this PC holds them: of the club, or of every manager's club.
        for (int32_t t = 0; t < Team_Anzahl; ++t)
            if (zahl > 0 ? t == zahl : Team_Hat_Manager(t))
                std::printf("Manager %d %s\n", t, Team_String(TEAM_MANAGER_NAME, t, nullptr, 0));
        std::fflush(stdout);
        return true;
    }
    if (name == "uebertragung") {
        // The broadcast choice of the club's menu for the club of this PC's manager: a script
        // that lets the match days pass unseen chooses "Keine Übertragung" (2) or "Alle
        // Übertragungen aus" (3) as a user would.
        if (zahl < TEAM_UEBERTRAGUNG_LIVE || zahl > TEAM_UEBERTRAGUNG_ALLE_AUS)
            Print_Fehler("Skript: \"game uebertragung %d\": erwartet 0 bis 3", zahl);
        else Team_Uebertragung_Setzen(zahl, Aktuelles_Team);
        return true;
    }
    // The next end-of-competition page takes the script's input (a line before the day's screens
    // end); "game saisonende" then holds until it stands on the screen, waiting for its click, or
    // until the turn waits for the player without one.
    if (name == "saisonende_erwarten") {
        Saisonende_Erwarten(true);
        return true;
    }
    if (name == "saisonende") {
        const bool da = Saisonende_Offen() || Ablauf_Wartet_Auf_Eingabe();
        if (da) Saisonende_Erwarten(false);
        return da;
    }
    if (name == "abpfiff") {
        Steuersignal_Abpfiff_Drucken();
        return true;
    }
    if (name == "minute") {
        // Holds until the running match day's clock has reached the minute (at once without a
        // match day): a script pins what it does in a match to the match's time, not to how
        // many frames the machine drew meanwhile.
        int32_t minute = 0;
        if (!Spieltag_Ist_Initialisiert()) return true;
        Spieltag_Get_Uhr(&minute, nullptr);
        return minute >= zahl;
    }
    if (name == "standard") {
        // Holds until the side this PC controls in the live view's active window has a set piece
        // of the kind (0 penalty, 1 free kick, 2 corner, -1 any) being set up, its taker's panel
        // a click on the pitch away; at once without a match day or a game in view, or once a
        // half of that window's game is over. A script visits the panel whenever the match brings
        // the set piece.
        if (!Spieltag_Ist_Initialisiert()) return true;
        const Spielszenen_Fenster* f = aktives_fenster();
        if (!f || !f->record || f->record->spielende == 2) return true;
        int32_t seite = -1;
        const int32_t art = Spielfeld_Standard_Wahl(f->record, &seite);
        return art >= 0 && (zahl < 0 || art == zahl) && seite == f->seite;
    }
    if (name == "elfmeterschiessen") {
        // Holds until the game in the live view's active window is in its shoot-out; at once
        // without a match day or a game in view, or once that game is over (one decided earlier
        // has none).
        if (!Spieltag_Ist_Initialisiert()) return true;
        const Spielszenen_Fenster* f = aktives_fenster();
        if (!f || !f->record || f->seite < 0) return true;
        if (!Spieltag_Team_Spielt_Auf_Dem_Platz(int32_t(f->record->team[f->seite & 1]))) return true;
        return f->record->elfmeter_schuss != 0;
    }
    if (name == "getrennt") {
        // The live sides this PC stopped waiting for: none in a match day played in step.
        std::printf("Getrennt %d\n", Spielfeld_Netz_Getrennt());
        std::fflush(stdout);
        return true;
    }
    if (name == "bilanz") {
        // The club's record in its league so far: what a script compares between two ways of
        // playing the same season.
        const int32_t team = zahl > 0 ? zahl : Aktuelles_Team;
        const Ablauf_Liga_Bilanz b = Ablauf_Liga_Bilanz_Zaehlen(team);
        const char* verein = team >= 0 && team < Team_Anzahl ? Team_String(TEAM_NAME, team, nullptr, 0) : nullptr;
        std::printf("Bilanz %d %d %d %d %d %d %d %d %d %d %s\n", team, b.spiele, b.siege, b.remis, b.niederlagen, b.tore,
                    b.gegentore, b.punkte, b.rang, b.vereine, verein ? verein : "");
        std::fflush(stdout);
        return true;
    }
    if (name == "elf") {
        // How many players the club has in its starting eleven now (trial players not counted).
        const int32_t team = zahl > 0 ? zahl : Aktuelles_Team;
        const int32_t n = team >= 0 && team < Team_Anzahl ? Teamspieler_Zaehle_Startelf(team, nullptr, nullptr, false) : 0;
        std::printf("Elf %d %d\n", team, n);
        std::fflush(stdout);
        return true;
    }
    if (name == "pruefsumme") {
        summe_drucken(zahl > 0 ? zahl : Netz_Rolle == 1 ? int32_t(Handelndes_Team) : Server_Team);
        return true;
    }
    Print_Fehler("Skript: \"game %s\" kennt das Spiel nicht", name.c_str());
    return true;
}
