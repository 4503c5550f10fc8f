#include "gameflow/spielstand.h"

#include <cstring>

#include "platform/win95_dialog.h"
#include "platform/disk.h"

static Disk_Datei_Dialog_Hook dialog_hook = nullptr;

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
    return Disk_Datei_Dialog(name, false) && Disk_Spielstand_Laden(name);
}

bool Spielstand_Speichern_Auswahl(bool neu)
{
    char name[SPIELSTAND_NAME_LAENGE];
    const char* letzter = Disk_Lade_Letzten_Spielstand_Namen();
    if (!neu && letzter[0]) {
        std::strncpy(name, letzter, sizeof name - 1);
        name[sizeof name - 1] = 0;
    } else if (!Disk_Datei_Dialog(name, true)) {
        return false;
    }
    return Disk_Spielstand_Speichern(name);
}
