#include "gameflow/spielstand.h"

#include <cstring>
#include <string>

#include "gameflow/globals.h"
#include "gameflow/netz_start.h"
#include "platform/disk.h"
#include "platform/mem.h"
#include "platform/win95.h"
#include "platform/win95_dialog.h"

static Disk_Datei_Dialog_Hook dialog_hook = nullptr;
static std::string spiel_name;

const char* Spielstand_Name() { return spiel_name.c_str(); }
void Spielstand_Name_Setzen(const char* name) { spiel_name = name ? name : ""; }

void Disk_Set_Datei_Dialog_Hook(Disk_Datei_Dialog_Hook hook) { dialog_hook = hook; }

bool Disk_Datei_Dialog(char* dateiname, bool speichern)
{
    if (!dateiname) return false;
    dateiname[0] = 0;
    if (dialog_hook) return dialog_hook(dateiname, speichern) && dateiname[0];
    // The dialog adds the pattern to the description itself.
    const char* beschreibung = "Spielstand";
    const int32_t ok = speichern ? Win95_Save_File_Dialog(dateiname, beschreibung, "*.sgv")
                                 : Win95_Open_File_Dialog(dateiname, beschreibung, "*.sgv");
    dateiname[SPIELSTAND_NAME_LAENGE - 1] = 0;
    return ok && dateiname[0];
}

bool Spielstand_Laden_Auswahl()
{
    char name[SPIELSTAND_NAME_LAENGE];
    if (!Disk_Datei_Dialog(name, false)) return false;
    if (Netz_Rolle == 1) {
        // The running game of a client stays what the server gives it: there is no round to forget.
        if (Spielstand_Client_Laden(name)) spiel_name = name;
        return false;
    }
    if (!Disk_Spielstand_Laden(name)) return false;
    spiel_name = name;
    return true;
}

namespace {

// The game flow's first block: the writer's role is its last word (files from before the role
// was kept end without it and come from no client).
constexpr size_t ABLAUF_BLOCK_MIT_ROLLE = 16 + 2 * MANAGER_WAPPEN_ANZAHL + 24;
// The team area's items 1 to 7 are single blocks; the seventh is the club the writer acted for.
constexpr size_t TEAM_BLOCK_ANZAHL = 0, TEAM_BLOCK_EIGENER_VEREIN = 6;

}  // namespace

int32_t Spielstand_Client_Verein(const char* name)
{
    char pfad[1024];
    uint32_t groesse = 0;
    uint8_t* p = Disk_Spielstand_Pfad(name, pfad, sizeof pfad) ? Disk_Lese_Datei(pfad, &groesse) : nullptr;
    if (!p) {
        Win95_Meldung("Der Spielstand \"%s\" konnte nicht geöffnet werden.", name ? name : "");
        return -1;
    }
    std::string version;
    Disk_Bereiche bereiche;
    const bool lesbar = Disk_Spielstand_Zerlegen(p, groesse, &version, &bereiche);
    Mem_Free(p, 0);
    if (!lesbar) {
        Win95_Meldung("Der Spielstand \"%s\" ist beschädigt oder hat eine unbekannte Version und kann nicht "
                      "geladen werden.",
                      pfad);
        return -1;
    }
    const Disk_Bereich& ablauf = bereiche[DISK_POS_ABLAUF - 1];
    if (ablauf.empty() || ablauf[0].size() != ABLAUF_BLOCK_MIT_ROLLE ||
        Disk_LE32_Lesen(ablauf[0].data() + ABLAUF_BLOCK_MIT_ROLLE - 4) != 1) {
        Win95_Meldung("Dieser Spielstand enthält das ganze Spiel und kann von einem Client eines Netzwerkspiels "
                      "nicht geladen werden.");
        return -1;
    }
    // Files that clients saved before they kept their club have no team area.
    const Disk_Bereich& teams = bereiche[DISK_POS_TEAMS - 1];
    int32_t team = -1;
    if (teams.size() > TEAM_BLOCK_EIGENER_VEREIN && teams[TEAM_BLOCK_ANZAHL].size() == 4 &&
        teams[TEAM_BLOCK_EIGENER_VEREIN].size() == 4) {
        const int32_t anzahl = int32_t(Disk_LE32_Lesen(teams[TEAM_BLOCK_ANZAHL].data()));
        team = int32_t(Disk_LE32_Lesen(teams[TEAM_BLOCK_EIGENER_VEREIN].data()));
        if (team <= 0 || team >= anzahl) team = -1;
    }
    if (team < 0) Win95_Meldung("Der Spielstand \"%s\" nennt keinen Verein und kann nicht geladen werden.", pfad);
    return team;
}

bool Spielstand_Client_Laden(const char* name)
{
    const int32_t team = Spielstand_Client_Verein(name);
    return team > 0 && Ablauf_Client_Verein_Aus_Spielstand(team);
}

bool Spielstand_Speichern_Auswahl(bool neu)
{
    char name[SPIELSTAND_NAME_LAENGE];
    if (!neu && !spiel_name.empty()) {
        std::strncpy(name, spiel_name.c_str(), sizeof name - 1);
        name[sizeof name - 1] = 0;
    } else if (!Disk_Datei_Dialog(name, true)) {
        return false;
    }
    if (!Disk_Spielstand_Speichern(name)) return false;
    spiel_name = name;
    return true;
}
