#include "gameflow/globals.h"

#include <cstring>
#include <vector>

#include "database/team.h"
#include "gameflow/ablauf.h"
#include "gameflow/eingang.h"
#include "gameflow/kalender.h"

#include "gameflow/highscore.h"
#include "gameflow/news.h"
#include "platform/disk.h"
#include "platform/exit.h"
#include "platform/print.h"
#include "platform/win95.h"

uint32_t Netz_Rolle = 0;
uint32_t Handelndes_Team = 0;
uint8_t EIGENER_SERVER = 0;
uint8_t EIGENER_CLIENT = 0;
uint8_t Stand_Alone_Server = 0;
int32_t Server_Team = -1;

int32_t Aktuelles_Team = -1;
int32_t Aktuelles_Team_Seite = 0;
int32_t Gegner_Team = -1;
int32_t Anzeige_Gegner_Team = -1;
int32_t Taktik_Zusatzwert = 0;

uint32_t Schwierigkeitsstufe = 2;

int32_t Ablauf_Zustand = 0;
int32_t Aktueller_Tag = 0;

uint16_t Manager_Wappen[MANAGER_WAPPEN_ANZAHL];

int32_t Konfiguration_Standard = 0;
int32_t Konfiguration_Aktuell = 0;

void Globals_Reset()
{
    Aktuelles_Team = -1;
    Aktuelles_Team_Seite = 0;
    Gegner_Team = -1;
    Anzeige_Gegner_Team = -1;
    Taktik_Zusatzwert = 0;
    Schwierigkeitsstufe = 2;
    Ablauf_Zustand = 0;
    Aktueller_Tag = 0;
    std::memset(Manager_Wappen, 0, sizeof Manager_Wappen);
    Konfiguration_Aktuell = Konfiguration_Standard;
}

// Block layout, little-endian: i32 day, i32 main-loop state, i32 standard set, i32 current set,
// u16 crest table of MANAGER_WAPPEN_ANZAHL entries, i32 seasons begun, i32 menu mode,
// i32 difficulty, i32 season-ticket option, i32 Server_Team, i32 the writer's Netz_Rolle. A
// second block holds the schedule. Files written before the role was kept lack its four bytes.
constexpr uint32_t GLOBALS_BLOCK_OHNE_ROLLE = 16 + 2 * MANAGER_WAPPEN_ANZAHL + 20;
constexpr uint32_t GLOBALS_BLOCK_GROESSE = GLOBALS_BLOCK_OHNE_ROLLE + 4;
constexpr int32_t ABLAUF_ZUSTAND_MAX = 18;
// Far above any season's schedule; a larger stored length is a broken file.
constexpr uint32_t SPIELPLAN_BLOCK_MAX = 1u << 20;

bool Globals_Write_Bin_Block(Disk_Datei* datei)
{
    uint8_t b[GLOBALS_BLOCK_GROESSE];
    Disk_LE32_Setzen(b + 0, uint32_t(Aktueller_Tag));
    Disk_LE32_Setzen(b + 4, uint32_t(Ablauf_Zustand));
    Disk_LE32_Setzen(b + 8, uint32_t(Konfiguration_Standard));
    Disk_LE32_Setzen(b + 12, uint32_t(Konfiguration_Aktuell));
    for (int i = 0; i < MANAGER_WAPPEN_ANZAHL; ++i) Disk_LE16_Setzen(b + 16 + 2 * i, Manager_Wappen[i]);
    uint8_t* z = b + 16 + 2 * MANAGER_WAPPEN_ANZAHL;
    Disk_LE32_Setzen(z + 0, uint32_t(Kalender_Get_Saison()));
    Disk_LE32_Setzen(z + 4, uint32_t(Ablauf_Get_Menue_Modus()));
    Disk_LE32_Setzen(z + 8, Schwierigkeitsstufe);
    Disk_LE32_Setzen(z + 12, uint32_t(Eingang_Get_Einstellungen().dauerkarten));
    Disk_LE32_Setzen(z + 16, uint32_t(Server_Team));
    Disk_LE32_Setzen(z + 20, Netz_Rolle);
    if (!Disk_Schreibe_Block(datei, b, sizeof b)) return false;
    uint32_t laenge = 0;
    Kalender_Spielplan_Bytes(nullptr, &laenge);
    std::vector<uint8_t> plan(laenge);
    Kalender_Spielplan_Bytes(plan.data(), &laenge);
    return Disk_Schreibe_Block(datei, plan.data(), laenge);
}

bool Globals_Read_Bin_Block(Disk_Datei* datei, const char*)
{
    uint8_t b[GLOBALS_BLOCK_GROESSE];
    uint32_t groesse = 0;
    if (!Disk_Naechste_Blocklaenge(datei, &groesse) || (groesse != GLOBALS_BLOCK_GROESSE && groesse != GLOBALS_BLOCK_OHNE_ROLLE)) {
        Print_Fehler("Globals_Read_Bin_Block: Blockgröße %u falsch", groesse);
        return false;
    }
    if (!Disk_Lese_Block(datei, b, groesse)) return false;
    // A remote client (role 1) keeps only its own parts of the world, a server (2, or 3 with its
    // own manager) or a single PC (0) all of them:
    // neither can continue from the other's file.
    if (groesse == GLOBALS_BLOCK_GROESSE) {
        const uint32_t rolle = Disk_LE32_Lesen(b + GLOBALS_BLOCK_OHNE_ROLLE);
        if (rolle > 3) {
            Print_Fehler("Globals_Read_Bin_Block: Netzrolle %u falsch", rolle);
            return false;
        }
        if ((rolle == 1) != (Netz_Rolle == 1)) {
            Print_Fehler("Globals_Read_Bin_Block: Spielstand der Netzrolle %u, laufende Rolle %u", rolle, Netz_Rolle);
            Win95_Meldung(rolle == 1 ? "Dieser Spielstand wurde von einem Client eines Netzwerkspiels gespeichert und "
                                       "kann nur von einem Client geladen werden."
                                     : "Dieser Spielstand enthält das ganze Spiel und kann von einem Client eines "
                                       "Netzwerkspiels nicht geladen werden.");
            return false;
        }
    }
    const int32_t tag = int32_t(Disk_LE32_Lesen(b + 0));
    const int32_t zustand = int32_t(Disk_LE32_Lesen(b + 4));
    const int32_t standard = int32_t(Disk_LE32_Lesen(b + 8));
    const int32_t aktuell = int32_t(Disk_LE32_Lesen(b + 12));
    const uint8_t* z = b + 16 + 2 * MANAGER_WAPPEN_ANZAHL;
    const int32_t saison = int32_t(Disk_LE32_Lesen(z + 0));
    const int32_t modus = int32_t(Disk_LE32_Lesen(z + 4));
    const uint32_t schwierigkeit = Disk_LE32_Lesen(z + 8);
    const int32_t dauerkarten = int32_t(Disk_LE32_Lesen(z + 12));
    const int32_t server_team = int32_t(Disk_LE32_Lesen(z + 16));
    if (tag < 0 || tag >= KALENDER_TAG_MAX || zustand < 0 || zustand > ABLAUF_ZUSTAND_MAX || standard < 0 ||
        aktuell < 0) {
        Print_Fehler("Globals_Read_Bin_Block: Werte außerhalb des Bereichs (Tag %d, Zustand %d)", tag, zustand);
        return false;
    }
    const Kalender_Datum datum = Kalender_Get_Datum(tag, 0);
    const int32_t saisonjahr = datum.monat >= 7 ? datum.jahr : datum.jahr - 1;
    const int32_t saisonstart = Kalender_Get_Tagnummer(1, 7, saisonjahr);
    if (saison != saisonjahr - 1998 || modus == 0 || modus < -1 || modus > 4 ||
        schwierigkeit > 4 || dauerkarten < 0 || dauerkarten > 1 || server_team < -1 || server_team >= TEAM_MAX_ANZAHL) {
        Print_Fehler("Globals_Read_Bin_Block: Einstellungen außerhalb des Bereichs (Saison %d, Modus %d)", saison, modus);
        return false;
    }
    uint32_t laenge = 0;
    if (!Disk_Naechste_Blocklaenge(datei, &laenge) || laenge > SPIELPLAN_BLOCK_MAX) {
        Print_Fehler("Globals_Read_Bin_Block: kein Spielplan");
        return false;
    }
    std::vector<uint8_t> plan(laenge);
    if (!Disk_Lese_Block(datei, plan.data(), laenge) || !Kalender_Spielplan_Aus_Bytes(plan.data(), laenge, saisonstart))
        return false;
    Aktueller_Tag = tag;
    Ablauf_Zustand = zustand;
    Konfiguration_Standard = standard;
    Konfiguration_Aktuell = aktuell;
    for (int i = 0; i < MANAGER_WAPPEN_ANZAHL; ++i) Manager_Wappen[i] = Disk_LE16_Lesen(b + 16 + 2 * i);
    Ablauf_Set_Menue_Modus(modus);
    Schwierigkeitsstufe = schwierigkeit;
    Eingang_Get_Einstellungen().dauerkarten = dauerkarten;
    Server_Team = server_team;
    return true;
}

void Globals_Module_Registrieren()
{
    Disk_Block_Registrieren(DISK_POS_ABLAUF, Globals_Write_Bin_Block, Globals_Read_Bin_Block);
    Disk_Block_Registrieren(DISK_POS_NEWS, News_Write_Bin_Block, News_Read_Bin_Block);
    Disk_Block_Registrieren(DISK_POS_HIGHSCORE, Highscore_Write_Bin_Block, Highscore_Read_Bin_Block);
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_NEWS, News_DeInit);
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_HIGHSCORE, Highscore_DeInit);
}
