#include "toolkit/spielstand.h"

#include <cstring>
#include <vector>

#include "database/manager.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "platform/disk.h"
#include "platform/print.h"
#include "platform/timer.h"
#include "toolkit/event.h"
#include "toolkit/favoriten.h"
#include "toolkit/hilfe.h"
#include "toolkit/icon.h"
#include "toolkit/menue_intern.h"
#include "toolkit/mausover.h"
#include "toolkit/menueleiste.h"
#include "toolkit/optionen.h"
#include "toolkit/screen.h"

namespace {

uint32_t listen_laenge(const Menue_Icon* liste)
{
    uint32_t n = 0;
    while (liste[n].nummer != -1) ++n;
    return n;
}

bool liste_pruefen(Disk_Datei* datei, const Menue_Icon* liste, uint32_t anzahl)
{
    if (!liste || anzahl % MENUE_ICON_BYTES != 0 || anzahl / MENUE_ICON_BYTES > listen_laenge(liste)) {
        Print_Fehler("Menue_Icon_Liste_Laden: %u Bytes passen nicht zur Icon-Liste!", anzahl);
        Disk_Block_Ablehnen(datei);
        return false;
    }
    return true;
}

// The templates take the registry; of the stored records only the numbers are looked at.
void liste_uebernehmen(Menue_Icon* liste, const uint8_t* bytes, uint32_t anzahl)
{
    for (uint32_t k = 0; k < anzahl / MENUE_ICON_BYTES; ++k) {
        Menue_Icon& vorlage = liste[k];
        if (!Menue_Nummer_Gueltig(vorlage.nummer)) continue;
        Menue_Icons.reg[vorlage.nummer].icon = &vorlage;
        Menue_Register_Merken(vorlage.nummer);
        Menue_Icon_Abbild abbild;
        if (Menue_Icon_Abbild_Lesen(bytes + k * MENUE_ICON_BYTES, MENUE_ICON_BYTES, &abbild) &&
            abbild.icon.nummer != vorlage.nummer)
            Print_Fehler("Menue_Icon_Liste_Laden: Icon %d gespeichert als %d", vorlage.nummer, abbild.icon.nummer);
    }
}

void verlauf_verknuepfen(Manager_Icon_Zustand* z)
{
    auto eintrag = [](int16_t nummer) {
        return Menue_Besucht_Wort(Menue_Nummer_Gueltig(nummer) ? Menue_Icons.reg[nummer].icon : nullptr);
    };
    if (z->besucht_position >= uint32_t(MANAGER_BESUCHT)) z->besucht_position = 0;
    for (int32_t k = 0; k < MANAGER_BESUCHT; ++k) z->besucht[k] = eintrag(z->besucht_nr[k]);
    for (int32_t k = 0; k < MANAGER_BESUCHT_LOG; ++k) z->log[k] = eintrag(z->log_nr[k]);
}

}  // namespace

bool Menue_Block_Schreiben(Disk_Datei* datei, const void* puffer, uint32_t anzahl)
{
    return Disk_Schreibe_Block(datei, puffer, anzahl);
}

bool Menue_Status_Speichern(Disk_Datei* datei)
{
    uint8_t anzahl[4], team[4], zeit[4];
    Disk_LE32_Setzen(anzahl, uint32_t(Manager_Anzahl));
    Disk_LE32_Setzen(team, uint32_t(Menue_Status.team));
    Disk_LE32_Setzen(zeit, Timer_Get_Time() - Menue_Status.startzeit);
    std::vector<uint8_t> liste(MENUE_BASIS_ANZAHL * MENUE_ICON_BYTES);
    for (int32_t k = 0; k < MENUE_BASIS_ANZAHL; ++k)
        Menue_Icon_Abbild_Schreiben(Menue_Basis_Liste[k], liste.data() + k * MENUE_ICON_BYTES);
    bool ok = Menue_Block_Schreiben(datei, anzahl, 4);
    ok = Menue_Block_Schreiben(datei, &Menue_Status.aktiv, 1) && ok;
    ok = Menue_Block_Schreiben(datei, &Menue_Status.runde_laeuft, 1) && ok;
    ok = Menue_Block_Schreiben(datei, team, 4) && ok;
    ok = Menue_Block_Schreiben(datei, Globale_Optionen_Bytes, GLOBALE_OPTIONEN_BYTES) && ok;
    ok = Menue_Block_Schreiben(datei, liste.data(), uint32_t(liste.size())) && ok;
    ok = Menue_Block_Schreiben(datei, zeit, 4) && ok;
    return ok;
}

bool Menue_Status_Laden(Disk_Datei* datei, const char*)
{
    uint8_t anzahl[4], aktiv = 0, runde = 0, team[4], optionen[GLOBALE_OPTIONEN_BYTES], zeit[4];
    std::vector<uint8_t> liste(MENUE_BASIS_ANZAHL * MENUE_ICON_BYTES);
    // Everything is read before anything is taken over, so that a refused block changes nothing.
    if (!Disk_Lese_Block(datei, anzahl, 4) || !Disk_Lese_Block(datei, &aktiv, 1) ||
        !Disk_Lese_Block(datei, &runde, 1) || !Disk_Lese_Block(datei, team, 4) ||
        !Disk_Lese_Block(datei, optionen, GLOBALE_OPTIONEN_BYTES) ||
        !liste_pruefen(datei, Menue_Basis_Liste, uint32_t(liste.size())) ||
        !Disk_Lese_Block(datei, liste.data(), uint32_t(liste.size())) || !Disk_Lese_Block(datei, zeit, 4))
        return false;

    if (Menue_Status.gezeigt) Menue_Beenden();
    const int32_t managers = int32_t(Disk_LE32_Lesen(anzahl));
    if (managers >= 0 && managers <= TEAM_MAX_ANZAHL) Manager_Anzahl = managers;
    else Print_Fehler("Menue_Status_Laden: %d Manager?", managers);
    Globale_Optionen_Uebernehmen(optionen);

    Menue_Prioritaeten_Leeren();
    Menue_Register_Leeren();
    Menue_Aktuelles_Icon = nullptr;
    Menue_Gezogenes_Icon = nullptr;
    Menue_Glow_Stufe = 0;
    Hilfe_Glow_Freigeben();
    Menue_Mouse_Over_Nr = -1;
    // The screens' own template lists belong to the program, not to the savegame.
    for (Menue_Icon* vorlagen : Menue_Init_Vorlagen)
        if (vorlagen) Menue_Icon_Liste_Registrieren(vorlagen);
    liste_uebernehmen(Menue_Basis_Liste, liste.data(), uint32_t(liste.size()));

    const int32_t t = int32_t(Disk_LE32_Lesen(team));
    const int32_t gelaufen = int32_t(Disk_LE32_Lesen(zeit));
    Menue_Status.startzeit = Timer_Get_Time() - uint32_t(gelaufen > 0 ? gelaufen : 0);
    Menue_Status.team = t;
    Menue_Status.runde_laeuft = runde != 0 && t >= 0 && t < TEAM_MAX_ANZAHL;
    Menue_Status.aktiv = aktiv != 0 && Menue_Status.runde_laeuft;
    Menue_Status.wieder_rein = Menue_Status.runde_laeuft;
    return true;
}

bool Menue_Icon_Liste_Laden(Disk_Datei* datei, Menue_Icon* liste, uint32_t anzahl)
{
    if (!liste_pruefen(datei, liste, anzahl)) return false;
    std::vector<uint8_t> bytes(anzahl);
    if (!Disk_Lese_Block(datei, bytes.data(), anzahl)) return false;
    liste_uebernehmen(liste, bytes.data(), anzahl);
    return true;
}

void Menue_Nach_Laden()
{
    // The team count is known only now: the teams come after the menu in the savegame.
    if (Menue_Status.runde_laeuft && Menue_Status.team >= Team_Anzahl) {
        Print_Fehler("Menue_Nach_Laden: Team %d gibt es nicht", Menue_Status.team);
        Menue_Status.runde_laeuft = Menue_Status.aktiv = Menue_Status.wieder_rein = 0;
        Menue_Status.team = -1;
    }
    if (Menue_Status.wieder_rein) Aktuelles_Team = Menue_Status.team;
    for (int32_t team = 0; team < Team_Anzahl; ++team) {
        if ((Netz_Rolle == 1 && team != Aktuelles_Team) || !Team_Hat_Manager(team)) continue;
        if (auto* z = static_cast<Manager_Icon_Zustand*>(Team_Zeiger(303, team, nullptr, 0))) verlauf_verknuepfen(z);
    }
}

void Menue_Spielstand_Init()
{
    Disk_Block_Registrieren(DISK_POS_MENUE, Menue_Status_Speichern, Menue_Status_Laden);
    Disk_Block_Registrieren(DISK_POS_UNTERMENUE, Eingabe_Write_Savegame, Menue_Leiste_Laden);
    Disk_Nach_Laden_Registrieren(DISK_POS_MENUE, Menue_Nach_Laden);
}
