// Handlers of the database's numbered blocks. Each one answers for Handelndes_Team only; a field
// whose size does not match the image it should carry is left as the reader laid it out (zeros).
#include "database/datenbank_fern.h"
#include "competitions/spiele_netz.h"
#include "database/spieler_statistik.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "database/manager.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "network/internet_read.h"
#include "platform/bytes.h"
#include "platform/print.h"

namespace {

// Copies an image into consecutive pointer fields of exactly its sizes.
bool verteilen(Internet_Positionen* p, int32_t erstes, int32_t anzahl, const uint8_t* bild, uint32_t laenge)
{
    uint32_t summe = 0;
    for (int32_t k = erstes; k < erstes + anzahl; ++k) summe += p->groesse[k];
    if (erstes + anzahl > p->zeiger_anzahl || summe != laenge) return false;
    for (int32_t k = erstes; k < erstes + anzahl; ++k) {
        if (p->daten[k]) std::memcpy(p->daten[k], bild, p->groesse[k]);
        bild += p->groesse[k];
    }
    return true;
}

// The '>' fields one after the other, as the images read them.
std::vector<uint8_t> sammeln(const Internet_Positionen* p)
{
    std::vector<uint8_t> v;
    for (int32_t k = 0; k < p->zeiger_anzahl; ++k)
        if (p->daten[k]) v.insert(v.end(), p->daten[k], p->daten[k] + p->groesse[k]);
    return v;
}

bool alle_da(const Internet_Positionen* p)
{
    for (int32_t k = 0; k < p->zeiger_anzahl; ++k)
        if (!p->daten[k]) return false;
    return true;
}

void abgewiesen(int32_t nr) { Print_Fehler("Anfrage %d von Team %d abgewiesen", nr, int32_t(Handelndes_Team)); }

bool spieler_daten(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    a->ergebnis = Spieler_Internet_Server_Send(a->var, p->ints[0], p->ints[1], p->ints[2], p->ints[3]);
    return true;
}

bool spieler_startinfo(Internet_Aufruf* a)
{
    uint8_t bild[4];
    Spieler_Internet_Server_Send_Startinfo(bild);
    verteilen(a->p, 0, 1, bild, 4);
    return true;
}

bool spieler_neue(Internet_Aufruf* a)
{
    a->ergebnis = Spieler_Internet_Server_Send_New_Client_Data(a->var);
    return true;
}

bool team_own(Internet_Aufruf* a)
{
    uint8_t bild[2 + 776];
    if (Team_Internet_Server_Send_T_Own(bild)) verteilen(a->p, 0, 2, bild, sizeof bild);
    return true;
}

bool team_block(Internet_Aufruf* a)
{
    std::vector<uint8_t> v;
    if (a->nr == 13) Team_Internet_Server_Send_T_Block(&v);
    else Team_Internet_Server_Send_T_Fix_Block(&v);
    if (!verteilen(a->p, 0, 1, v.data(), uint32_t(v.size()))) abgewiesen(a->nr);
    return true;
}

bool team_fix(Internet_Aufruf* a)
{
    const int32_t team = int32_t(Handelndes_Team);
    if (!T_Fix || team < 0 || team >= Team_Anzahl) return abgewiesen(a->nr), true;
    uint8_t bild[TEAM_FIX_BYTES];
    Team_Fix_Packen(T_Fix[team], bild);
    verteilen(a->p, 0, 1, bild, sizeof bild);
    return true;
}

bool team_zurueck(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    if (!alle_da(p) || !Team_Internet_Server_Get_Data_Back(p->daten[0], p->groesse[0], p->daten[1], p->groesse[1]))
        abgewiesen(a->nr);
    return true;
}

bool team_startinfo(Internet_Aufruf* a)
{
    uint8_t bild[TEAM_STARTINFO_BYTES];
    Team_Internet_Server_Send_Startinfo(bild);
    verteilen(a->p, 0, 5, bild, sizeof bild);
    return true;
}

bool team_liste(Internet_Aufruf* a)
{
    Internet_Positionen* p = a->p;
    std::vector<uint8_t> v;
    Team_Internet_Server_Managerteam_Liste(&v);
    // As many whole entries as the caller has room for, and their count.
    const uint32_t n = std::min<uint32_t>(uint32_t(v.size()), p->groesse[0]) / TEAM_MANAGERTEAM_BYTES;
    // An empty list has no data to copy from.
    if (p->daten[0] && n) std::memcpy(p->daten[0], v.data(), n * TEAM_MANAGERTEAM_BYTES);
    uint8_t zahl[4] = {uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), uint8_t(n >> 24)};
    verteilen(p, 1, 1, zahl, 4);
    return true;
}

bool manager_daten(Internet_Aufruf* a)
{
    std::vector<uint8_t> v;
    if (!Manager_Internet_Bloecke_Packen(int32_t(Handelndes_Team), true, &v) ||
        !verteilen(a->p, 0, MANAGER_NETZ_BLOECKE, v.data(), uint32_t(v.size())))
        abgewiesen(a->nr);
    return true;
}

bool manager_startinfo(Internet_Aufruf* a)
{
    uint8_t bild[8];
    const uint32_t werte[2] = {uint32_t(Manager_Anzahl), Schwierigkeitsstufe};
    for (int k = 0; k < 8; ++k) bild[k] = uint8_t(werte[k / 4] >> (8 * (k % 4)));
    verteilen(a->p, 0, 2, bild, 8);
    return true;
}

// The advertising block (sponsor per space, monthly amounts) and the appointments of a client's
// manager record: values the economy would index or book with.
bool werbung_und_termine_gut(const uint8_t* werbung, const uint8_t* termine)
{
    for (int k = 0; k < 17; ++k) {
        const int8_t sponsor = int8_t(werbung[k]);
        float betrag;
        const uint32_t u = Bytes_Hole32(werbung + 20 + 4 * k);
        std::memcpy(&betrag, &u, 4);
        if (sponsor < -1 || sponsor > 19 || !std::isfinite(betrag) || betrag < 0) return false;
    }
    for (int k = 0; k < 30; ++k) {
        const uint8_t* b = termine + 44 * k;
        if (!b[1]) continue;
        if (b[0] < 1 || b[0] > 4 || (b[0] == 1 && Bytes_Hole32(b + 12) > 6)) return false;
    }
    return true;
}

bool manager_kopf(Internet_Aufruf* a)
{
    const int32_t team = int32_t(Handelndes_Team);
    if (!T_Fix || team < 0 || team >= Team_Anzahl || !T_Fix[team].manager) return abgewiesen(a->nr), true;
    const uint8_t kopf = T_Fix[team].manager->kopfnr;
    verteilen(a->p, 0, 1, &kopf, 1);
    return true;
}

bool manager_zurueck(Internet_Aufruf* a)
{
    const std::vector<uint8_t> v = sammeln(a->p);
    const Internet_Positionen* p = a->p;
    if (!alle_da(p) || p->zeiger_anzahl != 5 || p->groesse[1] != 456 || p->groesse[2] != 1320 ||
        !werbung_und_termine_gut(p->daten[1], p->daten[2]) ||
        !Manager_Internet_Bloecke_Einlesen(int32_t(Handelndes_Team), false, v.data(), uint32_t(v.size())))
        abgewiesen(a->nr);
    return true;
}

bool richter_liste(Internet_Aufruf* a)
{
    a->ergebnis = int32_t(Richter_Internet_Server_Send_Liste(a->var));
    return true;
}

bool richter_angebot(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    if (!alle_da(p) || !Richter_Internet_Server_Neues_Angebot(p->daten[0], p->groesse[0])) abgewiesen(a->nr);
    return true;
}

bool richter_element(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    a->ergebnis = alle_da(p) && Richter_Internet_Server_Neues_Element(p->daten[0], p->groesse[0], p->ints[0]) ? 1 : 0;
    if (!a->ergebnis) abgewiesen(a->nr);
    return true;
}

}  // namespace

// ---- Client side: the copies fetched at a menu round's start and the own data sent back ----

void Team_Internet_Client_Refresh()
{
    if (Netz_Rolle != 1 || !T || !T_Own || Aktuelles_Team < 0 || Aktuelles_Team >= Team_Anzahl) return;
    uint32_t normal = 0;
    for (int32_t t = 0; t < Team_Anzahl; ++t) normal += Team_Ist_Normal(t, 0);
    std::vector<uint8_t> block(26 * normal);
    char format[32];
    std::snprintf(format, sizeof format, "vV<%u", uint32_t(block.size()));
    const Internet_Arg t_block[] = {Internet_Zeiger(block.data(), uint32_t(block.size()))};
    uint8_t fertig = 0;
    Internet_Client_Read(13, format, nullptr, &fertig, t_block, 1);
    if (fertig) Team_Internet_Client_T_Block_Einlesen(block.data(), uint32_t(block.size()));
    uint8_t own[2 + 776];
    const Internet_Arg t_own[] = {Internet_Zeiger(own, 2), Internet_Zeiger(own + 2, 776)};
    fertig = 0;
    Internet_Client_Read(12, "vW2V<776", nullptr, &fertig, t_own, 2);
    uint16_t zaehler = 0;
    if (fertig) Team_Internet_Client_T_Own_Einlesen(own, sizeof own, &zaehler);
}

void Manager_Internet_Client_Refresh()
{
    if (Netz_Rolle != 1) return;
    std::vector<uint8_t> bild;
    if (!Manager_Internet_Bloecke_Packen(Aktuelles_Team, true, &bild)) return;
    char format[64] = "v";
    Internet_Arg args[MANAGER_NETZ_BLOECKE];
    uint32_t o = 0;
    for (int32_t i = 0; i < MANAGER_NETZ_BLOECKE; ++i) {
        const uint32_t n = Manager_Netz_Bloecke[i].bytes;
        std::snprintf(format + std::strlen(format), sizeof format - std::strlen(format), "V<%u", n);
        args[i] = Internet_Zeiger(bild.data() + o, n);
        o += n;
    }
    uint8_t fertig = 0;
    Internet_Client_Read(30, format, nullptr, &fertig, args, MANAGER_NETZ_BLOECKE);
    if (fertig) Manager_Internet_Bloecke_Einlesen(Aktuelles_Team, true, bild.data(), uint32_t(bild.size()));
}

void Richter_Internet_Client_Get_Liste()
{
    if (Netz_Rolle != 1) return;
    void* daten = nullptr;
    uint32_t laenge = 0;
    const Internet_Arg args[] = {Internet_Zeiger_Ref(&daten, &laenge)};
    uint8_t fertig = 0;
    Internet_Client_Read(50, "vV<=0", nullptr, &fertig, args, 1);
    if (fertig && daten) Richter_Internet_Client_Liste_Einlesen(static_cast<const uint8_t*>(daten), laenge);
}

void Datenbank_Fern_Registrieren()
{
    Internet_Handler_Registrieren(0, spieler_daten);
    Internet_Handler_Registrieren(2, spieler_startinfo);
    Internet_Handler_Registrieren(3, spieler_neue);
    Internet_Handler_Registrieren(11, team_fix);
    Internet_Handler_Registrieren(12, team_own);
    Internet_Handler_Registrieren(13, team_block);
    Internet_Handler_Registrieren(14, team_block);
    Internet_Handler_Registrieren(15, team_zurueck);
    Internet_Handler_Registrieren(16, team_startinfo);
    Internet_Handler_Registrieren(17, team_liste);
    Internet_Handler_Registrieren(30, manager_daten);
    Internet_Handler_Registrieren(31, manager_startinfo);
    Internet_Handler_Registrieren(32, manager_kopf);
    Internet_Handler_Registrieren(33, manager_zurueck);
    Internet_Handler_Registrieren(50, richter_liste);
    Internet_Handler_Registrieren(51, richter_angebot);
    Internet_Handler_Registrieren(52, richter_element);
    Spieler_Statistik_Fern_Registrieren();
    Spiele_Netz_Registrieren();
}
