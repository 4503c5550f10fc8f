// Handlers of the database's numbered blocks. Each one answers for Handelndes_Team only; a field
// whose size does not match the image it should carry is left as the reader laid it out (zeros).
#include "database/datenbank_fern.h"
#include "competitions/spiele_netz.h"
#include "database/spieler_statistik.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "database/manager.h"
#include "database/assistent.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "competitions/wettbewerb.h"
#include "gameflow/globals.h"
#include "match/spieltag.h"
#include "network/internet_read.h"
#include "network/netzuser.h"
#include "network/server.h"
#include "network/steuersignal.h"
#include "platform/bytes.h"
#include "platform/exit.h"
#include "platform/liste.h"
#include "platform/mem.h"
#include "platform/print.h"
#include "screens/spieler_versicherung.h"

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
    // a third part: the name the client's manager gave himself
    const bool mit_name = p->zeiger_anzahl > 2;
    if (!alle_da(p) || p->zeiger_anzahl < 2 || p->zeiger_anzahl > 3 ||
        !Team_Internet_Server_Get_Data_Back(p->daten[0], p->groesse[0], p->daten[1], p->groesse[1],
                                            mit_name ? p->daten[2] : nullptr, mit_name ? p->groesse[2] : 0))
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
    // A club counts as held only while its client is connected.
    for (int32_t t = 0; T && t < Team_Anzahl; ++t)
        if (t != Server_Team && Team_Ist_Normal(t, 0) && !Mitspieler_Team_Ist_Online(t))
            T[t].status = uint8_t(T[t].status & ~TEAM_VON_CLIENT_GEHALTEN);
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
        !Manager_Internet_Server_Bloecke_Uebernehmen(int32_t(Handelndes_Team), v.data(), uint32_t(v.size())))
        abgewiesen(a->nr);
    else
        Steuersignal_Daten_Von_Client(int32_t(Handelndes_Team));
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
    // The payload, its size and its type.
    a->ergebnis = alle_da(p) && uint32_t(p->ints[0]) == p->groesse[0] &&
                          Richter_Internet_Server_Neues_Element(p->daten[0], p->groesse[0], p->ints[1])
                      ? 1
                      : 0;
    if (!a->ergebnis) abgewiesen(a->nr);
    return true;
}

bool team_eigenes(int32_t team)
{
    return T_Fix && team >= 0 && team < Team_Anzahl && uint32_t(team) == Handelndes_Team;
}

bool team_t(Internet_Aufruf* a)
{
    const int32_t team = int32_t(Handelndes_Team);
    if (!T || team < 0 || team >= Team_Anzahl) return abgewiesen(a->nr), true;
    uint8_t bild[TEAM_STRUKTUR_BYTES];
    Team_Struktur_Packen(T[team], bild);
    verteilen(a->p, 0, 1, bild, sizeof bild);
    return true;
}

// The icon states lie in the record's image right before the advertising block.
uint32_t icon_offset() { return Manager_Netz_Bloecke[2].offset - MANAGER_ICON_ZUSTAND_BYTES; }

bool manager_icons(Internet_Aufruf* a)
{
    const int32_t team = int32_t(Handelndes_Team);
    Internet_Positionen* p = a->p;
    Manager_Struktur* m = T_Fix && team >= 0 && team < Team_Anzahl ? T_Fix[team].manager : nullptr;
    if (!m || p->zeiger_anzahl != 1 || p->groesse[0] != MANAGER_ICON_ZUSTAND_BYTES || !p->daten[0]) {
        Print_Fehler(m ? "Manager_Internet_Server_Read_And_Write_Icon_Status: NULL-Pointer!"
                       : "SERVER: KEIN MANAGER BEIM CLIENT !!!");
        return true;
    }
    std::vector<uint8_t> bild(MANAGER_STRUKTUR_BYTES);
    Manager_Struktur_Packen(*m, bild.data());
    if (!p->nur_hin[0]) {
        std::memcpy(p->daten[0], bild.data() + icon_offset(), MANAGER_ICON_ZUSTAND_BYTES);
        return true;
    }
    std::memcpy(bild.data() + icon_offset(), p->daten[0], MANAGER_ICON_ZUSTAND_BYTES);
    if (!Manager_Struktur_Pruefen(bild.data())) return abgewiesen(a->nr), true;
    Manager_Struktur_Entpacken(bild.data(), *m);
    return true;
}

// The links of one team (40) or of every team of the caller's competition (41).
bool ts_liste(Internet_Aufruf* a)
{
    std::vector<int32_t> teams;
    if (a->nr == 40) {
        const int32_t team = a->p->ints[0];
        if (!T_Fix || team < 0 || team >= Team_Anzahl) return abgewiesen(a->nr), true;
        teams.push_back(team);
    } else {
        const int32_t team = int32_t(Handelndes_Team);
        if (!T_Fix || team < 0 || team >= Team_Anzahl) return abgewiesen(a->nr), true;
        int16_t liste[TEAM_MAX_ANZAHL + 1];
        const int32_t n = Wettbewerb_Get_Teams(T_Fix[team].liga, nullptr);
        if (n > 0 && n <= TEAM_MAX_ANZAHL) {
            Wettbewerb_Get_Teams(T_Fix[team].liga, liste);
            teams.assign(liste, liste + n);
        }
    }
    std::vector<uint8_t> v;
    if (!Teamspieler_Internet_TS_Block_Packen(teams.data(), int32_t(teams.size()), &v)) return true;
    uint8_t* b = static_cast<uint8_t*>(Mem_Alloc(uint32_t(v.size()), 0));
    if (!b) return true;
    std::memcpy(b, v.data(), v.size());
    *a->var = b;
    a->ergebnis = int32_t(v.size());
    return true;
}

// The send-back of the line-up: the own club's only, and only one the line-up rules accept.
bool ts_zurueck(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    const int32_t team = p->ints[0], gegner = p->ints[1];
    if (!team_eigenes(team) || !alle_da(p) || p->groesse[0] % 24 || p->groesse[0] > 24u * TEAM_MAX_START_SPIELER)
        return abgewiesen(a->nr), true;
    // The opponent's links take only who of the own club marks whom, and only today's opponent's;
    // anything else in that part is left as the server has it. The client sends every link of the
    // opponent back, with the marks other clubs set on earlier days: those are passed over quietly.
    std::vector<uint8_t> markierung;
    const int32_t heute = Spieltag_Get_Gegner(team, nullptr, nullptr, nullptr, nullptr);
    if (gegner >= 0 && gegner == heute && p->groesse[1] % 4 == 0)
        for (uint32_t o = 0; o < p->groesse[1]; o += 4) {
            const int16_t deckt = int16_t(Bytes_Hole16(p->daten[1] + o + 2));
            if (deckt == -1 || (deckt >= 0 && Teamspieler_Ist_Im_Team(team, deckt) == team))
                markierung.insert(markierung.end(), p->daten[1] + o, p->daten[1] + o + 4);
        }
    // The send-back checks the whole line-up by the line-up rules before it takes anything.
    if (!Teamspieler_Internet_Server_Get_Data_Back(team, gegner, p->daten[0], p->groesse[0], markierung.data(),
                                                   uint32_t(markierung.size())))
        abgewiesen(a->nr);
    return true;
}

// An insurance is concluded by the insurance itself, which computes premium and cost; the
// client's figures are never booked.
bool ts_versicherung(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    const int32_t team = p->ints[0], spnr = p->ints[1];
    if (!team_eigenes(team) || !Teamspieler_Get_Record(team, spnr) ||
        !Spieler_Versicherung_Abschliessen(team, spnr, p->ints[2], p->ints[3]))
        abgewiesen(a->nr);
    return true;
}

bool ts_team_des_spielers(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    const int32_t spnr = p->ints[0];
    const int32_t hinweis = p->ints[1] >= 0 && p->ints[1] < Team_Anzahl ? p->ints[1] : -1;
    const int32_t team = spnr >= 0 && spnr < Spieler_Anzahl ? Teamspieler_Get_Team_Des_Spielers(hinweis, spnr, -1) : -1;
    uint8_t bild[4];
    Bytes_Setze32(bild, uint32_t(team));
    verteilen(a->p, 0, 1, bild, 4);
    return true;
}

bool richter_set_angebot(Internet_Aufruf* a)
{
    const Internet_Positionen* p = a->p;
    Spieler_Angebot angebot{};
    a->ergebnis = 0;
    if (!alle_da(p) || p->groesse[0] != sizeof angebot) return abgewiesen(a->nr), true;
    std::memcpy(&angebot, p->daten[0], sizeof angebot);
    if (angebot.bieter >= Team_Anzahl || angebot.verein >= Team_Anzahl || angebot.spnr >= Spieler_Anzahl)
        return abgewiesen(a->nr), true;
    a->ergebnis = Richter_Internet_Server_Set_Spieler_Angebot(angebot, p->bytes[0] != 0) ? 1 : 0;
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
    for (int32_t t = 0; T_Fix && t <= Team_Anzahl; ++t) T_Fix[t].netz = int8_t(T_Fix[t].netz & ~4);
    // A new day or season on the server changed the fixed records: they come again.
    if (fertig && Team_Internet_Client_T_Own_Einlesen(own, sizeof own, &zaehler) && zaehler != Team_Aenderungszaehler &&
        Team_Internet_Client_Vor_Neue_Saison())
        Team_Aenderungszaehler = zaehler;
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

// ---- The client's own records, one at a time ----

static bool eigenes_team_client()
{
    return Netz_Rolle == 1 && T && T_Fix && Aktuelles_Team >= 0 && Aktuelles_Team < Team_Anzahl;
}

void Team_Internet_Client_Get_T()
{
    if (!eigenes_team_client()) return;
    uint8_t bild[TEAM_STRUKTUR_BYTES];
    const Internet_Arg args[] = {Internet_Zeiger(bild, sizeof bild)};
    uint8_t fertig = 0;
    Internet_Client_Read(10, "vV<26", nullptr, &fertig, args, 1);
    if (!fertig) return;
    Team_Struktur& t = T[Aktuelles_Team];
    // the client's own marks survive the fetch
    const uint8_t marke = t.status & 8, ansicht = t.flags & (8 | 16);
    Team_Struktur_Entpacken(bild, t);
    t.status = uint8_t((t.status & ~8) | marke);
    t.flags = uint8_t((t.flags & ~(8 | 16)) | ansicht);
    Team_Client_Manager_Name_Anwenden();
}

void Team_Internet_Client_Get_T_Fix()
{
    if (!eigenes_team_client()) return;
    uint8_t bild[TEAM_FIX_BYTES];
    const Internet_Arg args[] = {Internet_Zeiger(bild, sizeof bild)};
    uint8_t fertig = 0;
    Internet_Client_Read(11, "vV<128", nullptr, &fertig, args, 1);
    if (!fertig) return;
    Team_Fix& f = T_Fix[Aktuelles_Team];
    Manager_Struktur* manager = f.manager;
    const int8_t geholt = int8_t(f.netz & 4);
    Team_Fix_Entpacken(bild, f, nullptr);
    f.manager = manager;
    // whether the client holds the club's links is its own knowledge: the record leaves them alone
    f.netz = int8_t((f.netz & ~4) | geholt);
}

void Manager_Internet_Client_Icon_Status(bool senden)
{
    Manager_Struktur* m = eigenes_team_client() ? T_Fix[Aktuelles_Team].manager : nullptr;
    if (!m) {
        if (Netz_Rolle == 1) Print_Fehler("CLIENT: KEIN MANAGER !!!");
        return;
    }
    std::vector<uint8_t> bild(MANAGER_STRUKTUR_BYTES);
    Manager_Struktur_Packen(*m, bild.data());
    const Internet_Arg args[] = {Internet_Zeiger(bild.data() + icon_offset(), MANAGER_ICON_ZUSTAND_BYTES)};
    uint8_t fertig = 0;
    Internet_Client_Read(34, senden ? "vV>16904" : "vV<16904", nullptr, &fertig, args, 1);
    if (fertig && !senden && Manager_Struktur_Pruefen(bild.data())) Manager_Struktur_Entpacken(bild.data(), *m);
}

bool Teamspieler_Internet_Client_Send_Versicherungsabschluss(int32_t spnr, int32_t firma, int32_t jahre,
                                                             int32_t praemie, int32_t kosten)
{
    const TS* ts = eigenes_team_client() ? Teamspieler_Get_Record(Aktuelles_Team, spnr) : nullptr;
    if (!ts) return false;
    uint8_t bild[TS_BYTES];
    Teamspieler_TS_Packen(*ts, bild);
    const Internet_Arg args[] = {Internet_Wert(Aktuelles_Team), Internet_Wert(spnr), Internet_Wert(firma),
                                 Internet_Wert(jahre), Internet_Wert(praemie), Internet_Wert(kosten),
                                 Internet_Zeiger(bild + 32, 20), Internet_Zeiger(bild + 22, 2)};
    uint8_t fertig = 0;
    Internet_Client_Read(43, "viiiiiiV20V2", nullptr, &fertig, args, 8);
    return fertig != 0;
}

// ---- Client start-up ----

namespace {

bool team_startinfo_geholt = false;

void team_copies_freigeben() { Team_Free_Arrays(true); }

}  // namespace

bool Team_Internet_Client_Get_Startinfo(int32_t* anzahl)
{
    uint8_t bild[TEAM_STARTINFO_BYTES];
    const Internet_Arg args[] = {Internet_Zeiger(bild, 4), Internet_Zeiger(bild + 4, 4), Internet_Zeiger(bild + 8, 4),
                                 Internet_Zeiger(bild + 12, 2), Internet_Zeiger(bild + 14, 2)};
    uint8_t fertig = 0;
    Internet_Client_Read(16, "vI4I4I4W2W2", nullptr, &fertig, args, 5);
    return fertig && Team_Internet_Client_Startinfo_Einlesen(bild, sizeof bild, anzahl, nullptr);
}

bool Team_Internet_Client_Init()
{
    if (Netz_Rolle != 1) return false;
    static int32_t anzahl = 0;
    if (!team_startinfo_geholt) {
        if (!Team_Internet_Client_Get_Startinfo(&anzahl)) return false;
        team_startinfo_geholt = true;
    }
    if (T || T_Fix || T_Own) {
        Print_Fehler("Team_Internet_Client_Init: Memfehler!");
    } else {
        const uint32_t n = uint32_t(anzahl) + 1;
        T = static_cast<Team_Struktur*>(Mem_Alloc_Clear(n * sizeof(Team_Struktur), 0, 0));
        T_Fix = static_cast<Team_Fix*>(Mem_Alloc_Clear(n * sizeof(Team_Fix), 0, 0));
        T_Own = static_cast<Team_Own*>(Mem_Alloc_Clear(n * sizeof(Team_Own), 0, 0));
        if (!T || !T_Fix || !T_Own) {
            Print_Fehler("Team_Internet_Client_Init: Memfehler!");
            T = static_cast<Team_Struktur*>(Mem_Free(T, 0));
            T_Fix = static_cast<Team_Fix*>(Mem_Free(T_Fix, 0));
            T_Own = static_cast<Team_Own*>(Mem_Free(T_Own, 0));
            return false;
        }
        for (uint32_t t = 0; t < n; ++t) Liste_Init(&T_Fix[t].liste);
        // every record the server holds was read there: the client's count of normal clubs needs it
        Team_Anzahl = Team_Anzahl_Gelesen = anzahl;
        Exit_Freigabe_Registrieren(EXIT_FREIGABE_TEAM, team_copies_freigeben);
    }
    Print_Log(0xF0000, "Team-Struktur: %d Bytes, Team_Fix: %d Bytes, Team_Own=%d Bytes.\n", int(TEAM_STRUKTUR_BYTES),
              int(TEAM_FIX_BYTES), int(TEAM_OWN_BYTES));
    return Team_Internet_Client_Vor_Neue_Saison();
}

bool Team_Internet_Client_Vor_Neue_Saison()
{
    if (Netz_Rolle != 1 || !T_Fix || Team_Anzahl <= 0) return false;
    std::vector<uint8_t> block(size_t(Team_Anzahl + 1) * TEAM_FIX_BYTES);
    char format[32];
    std::snprintf(format, sizeof format, "vV<%u", uint32_t(block.size()));
    const Internet_Arg args[] = {Internet_Zeiger(block.data(), uint32_t(block.size()))};
    uint8_t fertig = 0;
    Internet_Client_Read(14, format, nullptr, &fertig, args, 1);
    if (fertig && Team_Internet_Client_T_Fix_Block_Einlesen(block.data(), uint32_t(block.size()))) return true;
    Print_Fehler("Team_Internet_Client_Vor_Neue_Saison: liste_error!");
    return false;
}

void Manager_Internet_Client_Get_Startinfo_1()
{
    if (Netz_Rolle != 1) return;
    int32_t werte[2] = {};
    const Internet_Arg args[] = {Internet_Zeiger(&werte[0], 4), Internet_Zeiger(&werte[1], 4)};
    uint8_t fertig = 0;
    Internet_Client_Read(31, "vI4I4", nullptr, &fertig, args, 2);
    if (!fertig) return;
    if (werte[0] < 0 || werte[0] > TEAM_MAX_ANZAHL || werte[1] < 0 || werte[1] > 255) {
        Print_Fehler("Manager_Internet_Client_Get_Startinfo_1: Paket fehlerhaft!");
        return;
    }
    Manager_Anzahl = werte[0];
    Schwierigkeitsstufe = uint32_t(werte[1]);
    Print_Log(0xF0000, "Manager-Struktur: %d Bytes.\n", int(MANAGER_STRUKTUR_BYTES));
}

void Manager_Internet_Client_Get_Startinfo_2()
{
    if (Netz_Rolle != 1) return;
    Manager_Struktur* m = T_Fix && Aktuelles_Team >= 0 && Aktuelles_Team < Team_Anzahl ? T_Fix[Aktuelles_Team].manager
                                                                                       : nullptr;
    if (!m) {
        Print_Fehler("CLIENT: KEIN MANAGER !!!");
        return;
    }
    uint8_t kopf = 0;
    const Internet_Arg args[] = {Internet_Zeiger(&kopf, 1)};
    uint8_t fertig = 0;
    Internet_Client_Read(32, "vC<1", nullptr, &fertig, args, 1);
    if (fertig) m->kopfnr = kopf;
}

bool Spieler_Internet_Client_Init()
{
    if (Netz_Rolle != 1) return false;
    int32_t anzahl = 0;
    const Internet_Arg info[] = {Internet_Zeiger(&anzahl, 4)};
    uint8_t fertig = 0;
    Internet_Client_Read(2, "vI4", nullptr, &fertig, info, 1);
    // Player numbers travel as 16 bits.
    if (!fertig || anzahl <= 0 || anzahl > 0x7FFF) {
        Print_Fehler("Spieler_Internet_Client_Init: Paket fehlerhaft!");
        return false;
    }
    if (Spieler_Daten || Spieler_Fix_Daten || Spieler_Egal_Daten || Spieler_Client_Flags) {
        Print_Fehler("Spieler_Internet_Client_Init: Memfehler!");
    } else {
        const uint32_t n = uint32_t(anzahl);
        Spieler_Daten = static_cast<Spieler_Struktur*>(Mem_Alloc_Clear(n * sizeof(Spieler_Struktur), 0, 0));
        Spieler_Client_Flags = static_cast<uint8_t*>(Mem_Alloc_Clear(n, 0, 0));
        Spieler_Fix_Daten = static_cast<Spieler_Fix*>(Mem_Alloc_Clear(n * sizeof(Spieler_Fix), 0, 0));
        Spieler_Egal_Daten = static_cast<Spieler_Client_Egal*>(Mem_Alloc_Clear(n * sizeof(Spieler_Client_Egal), 0, 0));
        if (!Spieler_Daten || !Spieler_Client_Flags || !Spieler_Fix_Daten || !Spieler_Egal_Daten) {
            Print_Fehler("Spieler_Internet_Client_Init: Memfehler!");
            Spieler_DeInit();
            return false;
        }
        Spieler_Anzahl = anzahl;
        Exit_Freigabe_Registrieren(EXIT_FREIGABE_SPIELER, Spieler_DeInit);
    }
    if (T_Fix && Aktuelles_Team >= 0 && Aktuelles_Team < Team_Anzahl)
        Spieler_Internet_Client_Get_Data(1, T_Fix[Aktuelles_Team].liga, -1, -1);
    Spieler_Internet_Client_Get_Data(1, -1, Transfermarkt_Team, -1);
    Print_Log(0xF0000, "Spieler-Struktur: %d Bytes / Spieler_Fix: %d Bytes / Spieler_Client_Egal: %d Bytes.\n", 50, 36,
              34);
    return true;
}

void Spieler_Internet_Client_Get_Data(int32_t teil, int32_t wettbewerb, int32_t team, int32_t spnr)
{
    if (Netz_Rolle != 1) return;
    void* daten = nullptr;
    uint32_t laenge = 0;
    const Internet_Arg args[] = {Internet_Zeiger_Ref(&daten, &laenge), Internet_Wert(teil), Internet_Wert(wettbewerb),
                                 Internet_Wert(team), Internet_Wert(spnr)};
    uint8_t fertig = 0;
    Internet_Client_Read(0, "iV<=0iiii", nullptr, &fertig, args, 5);
    if (fertig && daten) Spieler_Internet_Client_Daten_Einlesen(static_cast<const uint8_t*>(daten), laenge, teil);
}

void Spieler_Internet_Client_Hole_Spieler(int32_t spnr)
{
    if (Netz_Rolle != 1 || !Spieler_Client_Flags || spnr < 0 || spnr >= Spieler_Anzahl) return;
    if (!(Spieler_Client_Flags[spnr] & 1)) Spieler_Internet_Client_Get_Data(0, -1, -1, spnr);
    if (!(Spieler_Client_Flags[spnr] & 2)) Spieler_Internet_Client_Get_Data(1, -1, -1, spnr);
}

void Spieler_Internet_Client_Refresh()
{
    if (Netz_Rolle != 1 || !Spieler_Client_Flags) return;
    void* daten = nullptr;
    uint32_t laenge = 0;
    const Internet_Arg args[] = {Internet_Zeiger_Ref(&daten, &laenge)};
    uint8_t fertig = 0;
    Internet_Client_Read(3, "vW<=0", nullptr, &fertig, args, 1);
    if (fertig && daten) Spieler_Internet_Client_Neue_Spieler_Einlesen(static_cast<const uint8_t*>(daten), laenge);
    if (T_Fix && Aktuelles_Team >= 0 && Aktuelles_Team < Team_Anzahl)
        Spieler_Internet_Client_Get_Data(0, T_Fix[Aktuelles_Team].liga, -1, -1);
    Spieler_Internet_Client_Get_Data(0, -1, Transfermarkt_Team, -1);
}

// ---- Client side of the links ----

static void ts_holen(int32_t nr, const char* format, const Internet_Arg* args, int32_t anzahl, const char* fehler)
{
    void* daten = nullptr;
    uint32_t laenge = 0;
    Internet_Arg a[3];
    for (int32_t k = 0; k < anzahl; ++k) a[k] = args[k];
    a[0] = Internet_Zeiger_Ref(&daten, &laenge);
    uint8_t fertig = 0;
    Internet_Client_Read(nr, format, nullptr, &fertig, a, anzahl);
    if (!fertig || !daten || !Teamspieler_Internet_TS_Block_Einlesen(static_cast<const uint8_t*>(daten), laenge))
        Print_Fehler("%s", fehler);
}

void Teamspieler_Internet_Client_Get_Liste(int32_t team)
{
    if (Netz_Rolle != 1) return;
    const Internet_Arg args[] = {Internet_Arg{}, Internet_Wert(team), Internet_Wert(0)};
    ts_holen(40, "iV<=0ii", args, 3, "Teamspieler_Internet_Client_Get_Liste: Listenfehler!");
}

void Teamspieler_Internet_Client_Get_Teamspieler()
{
    if (Netz_Rolle != 1) return;
    const Internet_Arg args[] = {Internet_Arg{}};
    ts_holen(41, "vV<=0", args, 1, "Teamspieler_Internet_Client_Get_Teamspieler: Listenfehler!");
}

void Teamspieler_Internet_Client_Refresh()
{
    if (Netz_Rolle != 1 || !T_Fix || Aktuelles_Team < 0 || Aktuelles_Team >= Team_Anzahl) return;
    Teamspieler_Internet_Client_Get_Liste(Aktuelles_Team);
    if (Transfermarkt_Team >= 0 && Transfermarkt_Team < Team_Anzahl)
        Teamspieler_Internet_Client_Get_Liste(Transfermarkt_Team);
    Teamspieler_Internet_Client_Get_Teamspieler();
}

bool Teamspieler_Internet_Client_Send_Aufstellung(int32_t gegner)
{
    if (Netz_Rolle != 1) return false;
    std::vector<uint8_t> eigene, fremde;
    if (!Teamspieler_Internet_Aufstellung_Packen(Aktuelles_Team, gegner, &eigene, &fremde)) return false;
    char format[48];
    std::snprintf(format, sizeof format, "viiiV>%uV>%u", uint32_t(eigene.size()), uint32_t(fremde.size()));
    // An empty block still needs a place to point at.
    uint8_t leer[4] = {};
    const Internet_Arg args[] = {Internet_Wert(Aktuelles_Team), Internet_Wert(gegner), Internet_Wert(0),
                                Internet_Zeiger(eigene.empty() ? leer : eigene.data(), uint32_t(eigene.size())),
                                Internet_Zeiger(fremde.empty() ? leer : fremde.data(), uint32_t(fremde.size()))};
    uint8_t fertig = 0;
    Internet_Client_Read(42, format, nullptr, &fertig, args, 5);
    return fertig != 0;
}

int32_t Teamspieler_Internet_Client_Get_Team_Des_Spielers(int32_t hinweis, int32_t spnr)
{
    if (Netz_Rolle != 1) return -1;
    int32_t team = -1;
    const Internet_Arg args[] = {Internet_Zeiger(&team, 4), Internet_Wert(spnr), Internet_Wert(hinweis)};
    uint8_t fertig = 0;
    Internet_Client_Read(44, "vI<4ii", nullptr, &fertig, args, 3);
    return fertig && team >= -1 && team < Team_Anzahl ? team : -1;
}

void Richter_Internet_Client_Neues_Angebot(const Spieler_Angebot* angebot)
{
    if (Netz_Rolle != 1 || !angebot) return;
    Spieler_Angebot kopie = *angebot;
    const Internet_Arg args[] = {Internet_Zeiger(&kopie, sizeof kopie)};
    Internet_Client_Read(51, "vV28", nullptr, nullptr, args, 1);
    Richter_Internet_Client_Get_Liste();
}

bool Richter_Internet_Client_Neues_Element(const void* nutzlast, uint32_t groesse, uint32_t typ)
{
    if (Netz_Rolle != 1 || !nutzlast || !groesse || groesse > 1024) return false;
    std::vector<uint8_t> kopie(static_cast<const uint8_t*>(nutzlast), static_cast<const uint8_t*>(nutzlast) + groesse);
    char format[24];
    std::snprintf(format, sizeof format, "iC%uii", groesse);
    const Internet_Arg args[] = {Internet_Zeiger(kopie.data(), groesse), Internet_Wert(int32_t(groesse)),
                                 Internet_Wert(int32_t(typ))};
    return Internet_Client_Read(52, format, nullptr, nullptr, args, 3) == 1;
}

bool Richter_Internet_Client_Set_Spieler_Angebot(const Spieler_Angebot* angebot, bool loeschen)
{
    if (Netz_Rolle != 1 || !angebot) return false;
    Spieler_Angebot kopie = *angebot;
    const Internet_Arg args[] = {Internet_Zeiger(&kopie, sizeof kopie), Internet_Wert(loeschen ? 1 : 0)};
    return Internet_Client_Read(53, "cV28c", nullptr, nullptr, args, 2) != 0;
}

// ---- Server side: the clubs whose client is away ----

void Team_Internet_Server_Refresh()
{
    for (int32_t t = 0; T && t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 0) || t == Transfermarkt_Team) continue;
        const uint8_t gehalten = T[t].status & TEAM_VON_CLIENT_GEHALTEN;
        if (gehalten == TEAM_VON_CLIENT_GEHALTEN) continue;
        if (gehalten == 0x20) {
            Print_Fehler("Team_Internet_Server_Refresh: team nicht erlaubt!");
            continue;
        }
        auto* assi = static_cast<uint8_t*>(Team_Zeiger(TEAM_ASSISTENTEN, t, nullptr, TEAM_LESEN));
        if (!assi) continue;
        // The first assistant takes over the line-up, and everything for a squad too small to play.
        uint8_t* aufgaben = assi + ASSI_OFFSET_AUFGABEN;
        int32_t spieler[50];
        const bool alles = gehalten == 0 || Teamspieler_Ins_Array(t, spieler, 50, 0) < 13;
        for (int32_t k = 0; k < (alles ? ASSI_AUFGABEN : 1); ++k) aufgaben[k] = 1;
    }    // The marks the next refresh reads: who is connected now.
    Internet_Server_Mitspieler_Statistik();
}

void Datenbank_Fern_Registrieren()
{
    Internet_Handler_Registrieren(0, spieler_daten);
    Internet_Handler_Registrieren(2, spieler_startinfo);
    Internet_Handler_Registrieren(3, spieler_neue);
    Internet_Handler_Registrieren(10, team_t);
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
    Internet_Handler_Registrieren(34, manager_icons);
    Internet_Handler_Registrieren(40, ts_liste);
    Internet_Handler_Registrieren(41, ts_liste);
    Internet_Handler_Registrieren(42, ts_zurueck);
    Internet_Handler_Registrieren(43, ts_versicherung);
    Internet_Handler_Registrieren(44, ts_team_des_spielers);
    Internet_Handler_Registrieren(50, richter_liste);
    Internet_Handler_Registrieren(51, richter_angebot);
    Internet_Handler_Registrieren(52, richter_element);
    Internet_Handler_Registrieren(53, richter_set_angebot);
    Spieler_Statistik_Fern_Registrieren();
    Spiele_Netz_Registrieren();
}
