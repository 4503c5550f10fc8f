// Network images of the teams and links, little-endian:
//   TS block (requests 40, 41): u16 team count; per team u16 team, u16 link count; per link u16
//     player and the 32 bytes of the link that a client holds.
//   Line-up (request 42): the own links as 24-byte entries (u32 flags, u16 player, i16 marks,
//     five i16 positions, u8 back number, u8 reserved, u16 tactical word, u16 reserved), then the
//     opponent's as 4-byte entries (i16 player, i16 own player who marks him).
//   Own team (request 12): u16 change counter, the 776-byte T_Own image.
//   Start info (request 16): i32 team count, i32 normal teams, i32 market team, u16 home
//     country, u16 change counter.
//   Manager-team entry (request 17): u16 team, 24 bytes team name, 20 bytes manager name.
//   Send-back (request 15): the 776-byte T_Own image and the two line-up systems of T; the
//     server takes only what the manager sets on his screens (see own_uebernehmen); a client
//     that names its manager adds the 20-byte name.
// Decoders check every count, team and player against the packet and the arrays first.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/personal_anheuern.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "database/welt_intern.h"
#include "platform/string_util.h"
#include "platform/bytes.h"
#include "screens/spieler_einsetzen.h"

using namespace welt;

namespace {

constexpr uint32_t LINK_BYTES = 2 + TS_WRITE_SORT_BYTES;
// The link flags the server alone sets: the bits that keep a player from playing, and the trial.
constexpr uint32_t SERVER_FLAGGEN = 0xFC0 | TS_PROBE;

void u16_anhaengen(std::vector<uint8_t>& b, uint16_t v)
{
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

bool melden_falsch(const char* name)
{
    Print_Fehler("%s: Paket fehlerhaft!", name);
    return false;
}

}  // namespace

bool Teamspieler_Internet_TS_Block_Packen(const int32_t* teams, int32_t anzahl, std::vector<uint8_t>* aus)
{
    if (!aus || (!teams && anzahl)) return melden_falsch("Teamspieler_Internet_Server_Send_Write_Sort");
    aus->clear();
    u16_anhaengen(*aus, 0);
    uint16_t n = 0;
    uint8_t bild[TS_BYTES];
    for (int32_t i = 0; i < anzahl; ++i) {
        if (!team_gueltig(teams[i])) continue;
        Liste* liste = &T_Fix[teams[i]].liste;
        const size_t kopf = aus->size();
        u16_anhaengen(*aus, static_cast<uint16_t>(teams[i]));
        u16_anhaengen(*aus, 0);
        uint16_t links = 0;
        for (Liste_Element* e = Liste_First_Element(liste); e; e = Liste_Next_Element(liste, e)) {
            if (e->key == 0xFFFFFFFFu) continue;
            u16_anhaengen(*aus, static_cast<uint16_t>(e->key));
            Teamspieler_TS_Packen(*static_cast<const TS*>(e->data), bild);
            aus->insert(aus->end(), bild, bild + TS_WRITE_SORT_BYTES);
            ++links;
        }
        Bytes_Setze16(aus->data() + kopf + 2, links);
        ++n;
    }
    Bytes_Setze16(aus->data(), n);
    return true;
}

bool Teamspieler_Internet_TS_Block_Einlesen(const uint8_t* block, uint32_t laenge)
{
    const char* name = "Teamspieler_Internet_Client_Get_Liste";
    if (!block || laenge < 2 || !T_Fix || !Spieler_Daten) return melden_falsch(name);
    // the whole packet first: counts inside it, teams and players that exist
    const uint32_t teams = Bytes_Hole16(block);
    uint32_t o = 2;
    for (uint32_t i = 0; i < teams; ++i) {
        if (o + 4 > laenge || Bytes_Hole16(block + o) >= Team_Anzahl) return melden_falsch(name);
        const uint32_t links = Bytes_Hole16(block + o + 2);
        o += 4;
        if (links > uint32_t(TEAM_MAX_START_SPIELER) || o + links * LINK_BYTES > laenge) return melden_falsch(name);
        for (uint32_t k = 0; k < links; ++k, o += LINK_BYTES)
            if (Bytes_Hole16(block + o) >= Spieler_Anzahl) return melden_falsch(name);
    }
    if (o != laenge) return melden_falsch(name);
    o = 2;
    uint8_t bild[TS_BYTES];
    for (uint32_t i = 0; i < teams; ++i) {
        const int32_t team = Bytes_Hole16(block + o);
        const uint32_t links = Bytes_Hole16(block + o + 2);
        o += 4;
        Liste* liste = &T_Fix[team].liste;
        Liste_Init(liste);
        for (uint32_t k = 0; k < links; ++k, o += LINK_BYTES) {
            std::memset(bild, 0, sizeof bild);
            std::memcpy(bild, block + o + 2, TS_WRITE_SORT_BYTES);
            const uint16_t spnr = Bytes_Hole16(block + o);
            Bytes_Setze16(bild + 48, spnr);
            TS ts{};
            Teamspieler_TS_Entpacken(bild, ts);
            Liste_Insert_Element(liste, Liste_Get_Last(liste), &ts, TS_BYTES, spnr);
        }
        if (T) T[team].spieleranzahl = static_cast<int16_t>(links);
        T_Fix[team].netz = static_cast<int8_t>(T_Fix[team].netz | 4);
    }
    return true;
}

bool Teamspieler_Internet_Aufstellung_Packen(int32_t team, int32_t gegner, std::vector<uint8_t>* eigene,
                                             std::vector<uint8_t>* fremde)
{
    if (!team_gueltig(team) || !eigene || !fremde) return melden_falsch("Teamspieler_Internet_Client_Send_Aufstellung");
    eigene->clear();
    fremde->clear();
    Liste* liste = &T_Fix[team].liste;
    for (Liste_Element* e = Liste_First_Element(liste); e; e = Liste_Next_Element(liste, e)) {
        const TS& ts = *static_cast<const TS*>(e->data);
        uint8_t b[24] = {};
        Bytes_Setze32(b, ts.flags);
        Bytes_Setze16(b + 4, static_cast<uint16_t>(e->key));
        Bytes_Setze16(b + 6, static_cast<uint16_t>(ts.deckt));
        const int16_t pos[5] = {ts.position, ts.bereich_a, ts.bereich_b, ts.position2_a, ts.position2_b};
        for (int k = 0; k < 5; ++k) Bytes_Setze16(b + 8 + 2 * k, static_cast<uint16_t>(pos[k]));
        b[18] = ts.rueckennummer;
        Bytes_Setze16(b + 20, ts.taktik);
        eigene->insert(eigene->end(), b, b + 24);
    }
    if (!team_gueltig(gegner)) return true;
    liste = &T_Fix[gegner].liste;
    for (Liste_Element* e = Liste_First_Element(liste); e; e = Liste_Next_Element(liste, e)) {
        uint8_t b[4];
        Bytes_Setze16(b, static_cast<uint16_t>(e->key));
        Bytes_Setze16(b + 2, static_cast<uint16_t>(static_cast<const TS*>(e->data)->gedeckt_von));
        fremde->insert(fremde->end(), b, b + 4);
    }
    return true;
}

bool Teamspieler_Internet_Server_Get_Data_Back(int32_t team, int32_t gegner, const uint8_t* eigene, uint32_t laenge,
                                               const uint8_t* fremde, uint32_t fremd_laenge)
{
    const char* name = "Teamspieler_Internet_Server_Get_Data_Back";
    if (!team_gueltig(team) || (!eigene && laenge) || laenge % 24 || fremd_laenge % 4 || (!fremde && fremd_laenge) ||
        (fremd_laenge && !team_gueltig(gegner)))
        return melden_falsch(name);
    for (uint32_t o = 0; o < laenge; o += 24) {
        const int16_t deckt = static_cast<int16_t>(Bytes_Hole16(eigene + o + 6));
        if (!Teamspieler_Get_Record(team, Bytes_Hole16(eigene + o + 4))) {
            Print_Fehler("Teamspieler_Internet_Server_Get_Data_Back: spnr not found!");
            return false;
        }
        if (deckt < -1 || deckt >= Spieler_Anzahl) return melden_falsch(name);
        for (int k = 0; k < 5; ++k) {
            const int16_t p = static_cast<int16_t>(Bytes_Hole16(eigene + o + 8 + 2 * k));
            if (p < -1 || p > 459) return melden_falsch(name);
        }
    }
    // The line-up screen sends every player of the squad, each once: a player left out would keep
    // the place the server holds for him beside the eleven sent.
    std::vector<uint16_t> genannt;
    for (uint32_t o = 0; o < laenge; o += 24) genannt.push_back(Bytes_Hole16(eigene + o + 4));
    std::sort(genannt.begin(), genannt.end());
    if (std::adjacent_find(genannt.begin(), genannt.end()) != genannt.end() ||
        int32_t(genannt.size()) != Liste_Count(&T_Fix[team].liste)) {
        Print_Fehler("Teamspieler_Internet_Server_Get_Data_Back: Aufstellung nennt nicht jeden Spieler einmal!");
        return false;
    }
    for (uint32_t o = 0; o < fremd_laenge; o += 4) {
        const int16_t deckt = static_cast<int16_t>(Bytes_Hole16(fremde + o + 2));
        if (!Teamspieler_Get_Record(gegner, Bytes_Hole16(fremde + o)) || deckt < -1 || deckt >= Spieler_Anzahl)
            return melden_falsch(name);
    }
    // the line-up as a whole must be one the line-up screen could have made; a mark left from an
    // earlier match day (the one this server holds, of no player of today's opponent) is never
    // read, as the match looks for the marked player on the pitch, and does not make it wrong
    std::vector<Spieler_Aufstellung_Eintrag> aufstellung;
    for (uint32_t o = 0; o < laenge; o += 24) {
        const uint16_t spnr = Bytes_Hole16(eigene + o + 4);
        const int16_t deckt = static_cast<int16_t>(Bytes_Hole16(eigene + o + 6));
        const bool heute = deckt >= 0 && team_gueltig(gegner) && Teamspieler_Get_Record(gegner, deckt);
        const bool alt = !heute && deckt >= 0 && Teamspieler_Get_Record(team, spnr)->deckt == deckt;
        Spieler_Aufstellung_Eintrag a{spnr, Bytes_Hole32(eigene + o), {}, alt ? int16_t(-1) : deckt};
        for (int k = 0; k < 5; ++k) a.zellen[k] = static_cast<int16_t>(Bytes_Hole16(eigene + o + 8 + 2 * k));
        aufstellung.push_back(a);
    }
    if (!Spieler_Einsetzen_Aufstellung_Pruefen(team, gegner, aufstellung.data(), int32_t(aufstellung.size())))
        return melden_falsch(name);
    for (uint32_t o = 0; o < laenge; o += 24) {
        TS& ts = *Teamspieler_Get_Record(team, Bytes_Hole16(eigene + o + 4));
        // who may play (injured, suspended, on trial) is the server's to say, the rest the manager's
        ts.flags = (Bytes_Hole32(eigene + o) & ~SERVER_FLAGGEN) | (ts.flags & SERVER_FLAGGEN);
        ts.deckt = static_cast<int16_t>(Bytes_Hole16(eigene + o + 6));
        int16_t* pos[5] = {&ts.position, &ts.bereich_a, &ts.bereich_b, &ts.position2_a, &ts.position2_b};
        for (int k = 0; k < 5; ++k) *pos[k] = static_cast<int16_t>(Bytes_Hole16(eigene + o + 8 + 2 * k));
        ts.rueckennummer = eigene[o + 18];
        ts.taktik = Bytes_Hole16(eigene + o + 20);
    }
    for (uint32_t o = 0; o < fremd_laenge; o += 4)
        Teamspieler_Get_Record(gegner, Bytes_Hole16(fremde + o))->gedeckt_von = static_cast<int16_t>(Bytes_Hole16(fremde + o + 2));
    return true;
}

bool Team_Internet_Server_Send_T_Own(uint8_t* aus)
{
    if (!aus || !team_gueltig(static_cast<int32_t>(Handelndes_Team))) return melden_falsch("Team_Internet_Server_Send_T_Own");
    Bytes_Setze16(aus, Team_Aenderungszaehler);
    Team_Own_Packen(T_Own[Handelndes_Team], aus + 2);
    return true;
}

bool Team_Internet_Client_T_Own_Einlesen(const uint8_t* block, uint32_t laenge, uint16_t* zaehler)
{
    if (!block || laenge != 2 + TEAM_OWN_BYTES || !team_gueltig(Aktuelles_Team))
        return melden_falsch("Team_Internet_Client_Get_T_Own");
    if (zaehler) *zaehler = Bytes_Hole16(block);
    Team_Own_Entpacken(block + 2, T_Own[Aktuelles_Team]);
    return true;
}

void Team_Internet_Server_Send_Startinfo(uint8_t aus[TEAM_STARTINFO_BYTES])
{
    int32_t normal = 0;
    for (int32_t t = 0; T && t < Team_Anzahl; ++t) normal += Team_Ist_Normal(t, 0);
    Bytes_Setze32(aus, static_cast<uint32_t>(Team_Anzahl));
    Bytes_Setze32(aus + 4, static_cast<uint32_t>(normal));
    Bytes_Setze32(aus + 8, static_cast<uint32_t>(Transfermarkt_Team));
    Bytes_Setze16(aus + 12, Team_Heimatland);
    Bytes_Setze16(aus + 14, Team_Aenderungszaehler);
}

bool Team_Internet_Client_Startinfo_Einlesen(const uint8_t* block, uint32_t laenge, int32_t* anzahl, int32_t* normal)
{
    if (!block || laenge != TEAM_STARTINFO_BYTES) return melden_falsch("Team_Internet_Client_Get_Startinfo");
    const int32_t n = static_cast<int32_t>(Bytes_Hole32(block));
    const int32_t k = static_cast<int32_t>(Bytes_Hole32(block + 4));
    const int32_t markt = static_cast<int32_t>(Bytes_Hole32(block + 8));
    const uint16_t heimat = Bytes_Hole16(block + 12);
    if (n < 1 || n > TEAM_MAX_ANZAHL || k < 0 || k > n || markt < -1 || markt >= n || (heimat != 0xFFFF && heimat >= n))
        return melden_falsch("Team_Internet_Client_Get_Startinfo");
    if (anzahl) *anzahl = n;
    if (normal) *normal = k;
    Transfermarkt_Team = markt;
    Team_Heimatland = heimat;
    Team_Aenderungszaehler = Bytes_Hole16(block + 14);
    return true;
}

void Team_Internet_Server_Managerteam_Liste(std::vector<uint8_t>* aus)
{
    if (!aus) return;
    aus->clear();
    for (int32_t t = 0; T && t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 0) || !T_Fix[t].manager || (T[t].status & 32)) continue;
        uint8_t b[TEAM_MANAGERTEAM_BYTES] = {};
        Bytes_Setze16(b, static_cast<uint16_t>(t));
        std::memcpy(b + 2, T_Fix[t].name, strnlen(T_Fix[t].name, 23));
        std::memcpy(b + 26, T[t].manager_name, strnlen(T[t].manager_name, 19));
        aus->insert(aus->end(), b, b + TEAM_MANAGERTEAM_BYTES);
    }
}

bool Team_Internet_Managerteam_Liste_Einlesen(const uint8_t* block, uint32_t laenge, std::vector<int32_t>* teams)
{
    if ((!block && laenge) || laenge % TEAM_MANAGERTEAM_BYTES || !teams)
        return melden_falsch("Team_Internet_Get_Managerteam_Liste");
    teams->clear();
    for (uint32_t o = 0; o < laenge; o += TEAM_MANAGERTEAM_BYTES) {
        const int32_t t = Bytes_Hole16(block + o);
        if (t >= Team_Anzahl) return melden_falsch("Team_Internet_Get_Managerteam_Liste");
        teams->push_back(t);
    }
    return true;
}

namespace {

bool spieler_oder_keiner(int32_t p) { return p >= -1 && p < Spieler_Anzahl; }

// The most a manager may promise as one match bonus, as the bonus page's rockers allow.
constexpr int32_t PRAEMIE_HOECHSTENS = 50000000;
// Training units per kind and all the field kinds together, as the training page places them.
constexpr uint8_t EINHEITEN_HOECHSTENS = 5;
constexpr int32_t BAELLE_HOECHSTENS = 49;

bool bytes_bis(const uint8_t* b, int32_t n, uint8_t hoechstens)
{
    for (int32_t k = 0; k < n; ++k)
        if (b[k] > hoechstens) return false;
    return true;
}

// The staff block of a client taken over the server's: hired, months left and yearly cost are
// the server's, save for a hire the staff screen made (a free slot, one to four years, at most
// four in all), which costs what the server's offer costs; the task or specialty flags of the
// hired are the client's, 0 or 1, one holder each. False for a block no screen could have made.
bool personal_uebernehmen(int32_t team, uint8_t* server, const uint8_t* client, bool arzt)
{
    const int32_t breite = arzt ? ARZT_FACHGEBIETE : ASSI_AUFGABEN;
    uint8_t neu[ARZT_BLOCK_BYTES];
    std::memcpy(neu, server, size_t(arzt ? ARZT_BLOCK_BYTES : ASSI_BLOCK_BYTES));
    int32_t vorher = 0, angestellt = 0;
    for (int32_t s = 0; s < ASSI_SLOTS; ++s) {
        vorher += server[s] ? 1 : 0;
        if (server[s] || !client[s]) continue;
        const int32_t monate = client[ASSI_OFFSET_MONATE + s];
        if (monate % 12 || monate < 12 || monate > 48) return false;
        const int32_t grund = arzt ? Aerzte_Tabelle[s].grundpreis : Assistenten_Tabelle[s].grundpreis;
        neu[s] = 1;
        neu[ASSI_OFFSET_MONATE + s] = uint8_t(monate);
        Bytes_Setze32(neu + ASSI_OFFSET_KOSTEN + 4 * s,
                      uint32_t(Personal_Angebot_Preis(grund, monate / 12, Wettbewerb_Get_Liga_Niveau(team))));
    }
    for (int32_t s = 0; s < ASSI_SLOTS; ++s) angestellt += neu[s] ? 1 : 0;
    if (angestellt > PERSONAL_MAX_ANGESTELLTE && angestellt > vorher) return false;
    uint8_t* flaggen = neu + ASSI_OFFSET_AUFGABEN;
    const uint8_t* wunsch = client + ASSI_OFFSET_AUFGABEN;
    for (int32_t f = 0; f < breite; ++f) {
        int32_t halter = 0;
        for (int32_t s = 0; s < ASSI_SLOTS; ++s) {
            const uint8_t w = wunsch[breite * s + f];
            if (w > 1 || (w && !neu[s])) return false;
            halter += w;
            flaggen[breite * s + f] = w;
        }
        if (halter > 1) return false;
    }
    std::memcpy(server, neu, size_t(arzt ? ARZT_BLOCK_BYTES : ASSI_BLOCK_BYTES));
    return true;
}

// A player the manager may name on his screens: none, one of his club, or the one the server
// holds there already.
bool eigener_oder_keiner(int32_t team, int16_t p, int16_t server)
{
    return p == -1 || p == server || (spieler_oder_keiner(p) && Teamspieler_Get_Record(team, p));
}

// A client's T_Own taken field by field over the server's copy `neu`: the fields its manager sets
// on his screens, each checked against what the screen lets him set; his club's morale, strength,
// finances, staff costs and the tactics' training stay the server's. False for a value no screen
// could have made (the staff blocks of `neu` may have been taken by then).
bool own_uebernehmen(int32_t team, const Team_Own& c, Team_Own& neu)
{
    // what the server holds passes as it is: its own jobs and assistants set some of these fields
    const auto wie_server = [](const auto& x, const auto& y) { return std::memcmp(&x, &y, sizeof x) == 0; };
    int32_t baelle = 0;
    for (uint8_t b : c.training) baelle += b;
    const bool training_gut = wie_server(c.training, neu.training) ||
                              (bytes_bis(c.training, 14, EINHEITEN_HOECHSTENS) && baelle <= BAELLE_HOECHSTENS);
    const bool torwart_gut = wie_server(c.training_bytes, neu.training_bytes) ||
                             bytes_bis(c.training_bytes, 3, EINHEITEN_HOECHSTENS);
    const bool taktik_gut = (wie_server(c.taktik, neu.taktik) || bytes_bis(c.taktik, 8, 2)) &&
                            (wie_server(c.taktik_vorgabe, neu.taktik_vorgabe) || bytes_bis(c.taktik_vorgabe, 8, 2));
    if (c.option < 0 || c.option > 100 || !training_gut || !torwart_gut || !taktik_gut) return false;
    for (int32_t k = 0; k < 17; ++k)
        for (int32_t z = 0; z < 3; ++z)
            if (!eigener_oder_keiner(team, c.einzeltraining[k][z], neu.einzeltraining[k][z])) return false;
    for (int k = 0; k < 4; ++k)
        if (!spieler_oder_keiner(c.suche.spieler[k]) || c.suche.zelle_a[k] < 0 || c.suche.zelle_a[k] > 459 ||
            c.suche.zelle_b[k] < 0 || c.suche.zelle_b[k] > 459)
            return false;
    for (int16_t b : c.beobachtet)
        if (!spieler_oder_keiner(b)) return false;
    // an agreed bonus is never lowered, and a new one stays within the rockers
    for (int32_t k = 0; k < 8; ++k)
        if (c.tagesblock[k] < neu.tagesblock[k] || c.tagesblock[k] > std::max(neu.tagesblock[k], PRAEMIE_HOECHSTENS))
            return false;
    if (!personal_uebernehmen(team, neu.assistenten, c.assistenten, false) ||
        !personal_uebernehmen(team, neu.aerzte, c.aerzte, true))
        return false;
    neu.option = c.option;
    std::memcpy(neu.training, c.training, sizeof neu.training);
    std::memcpy(neu.training_bytes, c.training_bytes, sizeof neu.training_bytes);
    std::memcpy(neu.einzeltraining, c.einzeltraining, sizeof neu.einzeltraining);
    std::memcpy(neu.taktik, c.taktik, sizeof neu.taktik);
    std::memcpy(neu.taktik_vorgabe, c.taktik_vorgabe, sizeof neu.taktik_vorgabe);
    neu.suche = c.suche;
    std::memcpy(neu.beobachtet, c.beobachtet, sizeof neu.beobachtet);
    std::memcpy(neu.tagesblock, c.tagesblock, sizeof neu.tagesblock);
    return true;
}

}  // namespace

void Team_Internet_Server_Send_T_Block(std::vector<uint8_t>* aus)
{
    if (!aus) {
        Print_Fehler("Team_Internet_Server_Send_T_Block: NULL-Pointer!");
        return;
    }
    aus->clear();
    uint8_t b[TEAM_STRUKTUR_BYTES];
    for (int32_t t = 0; T && t < Team_Anzahl; ++t)
        if (Team_Ist_Normal(t, 0)) {
            Team_Struktur_Packen(T[t], b);
            aus->insert(aus->end(), b, b + TEAM_STRUKTUR_BYTES);
        }
}

namespace {

// The name this PC's manager gave himself on a client, until the program ends; empty: none.
std::string client_manager_name;

// A name as the name field makes it: 1-19 characters before the zero, no control character,
// not only blanks.
bool manager_name_gueltig(const uint8_t* b, uint32_t n)
{
    if (!b || n != TEAM_MANAGER_NAME_BYTES) return false;
    const size_t laenge = strnlen(reinterpret_cast<const char*>(b), n);
    if (laenge == 0 || laenge >= n) return false;
    bool zeichen = false;
    for (size_t i = 0; i < laenge; ++i) {
        if (b[i] < 0x20 || b[i] == 0x7F) return false;
        zeichen = zeichen || b[i] != ' ';
    }
    return zeichen;
}

}  // namespace

bool Team_Client_Manager_Name_Setzen(const char* name)
{
    if (!name) {
        client_manager_name.clear();
        return true;
    }
    uint8_t b[TEAM_MANAGER_NAME_BYTES] = {};
    if (name) std::memcpy(b, name, strnlen(name, TEAM_MANAGER_NAME_BYTES - 1));
    if (!manager_name_gueltig(b, TEAM_MANAGER_NAME_BYTES)) return false;
    String_Klartext(reinterpret_cast<char*>(b), sizeof b);
    client_manager_name = reinterpret_cast<const char*>(b);
    Team_Client_Manager_Name_Anwenden();
    return true;
}

void Team_Client_Manager_Name_Anwenden()
{
    // the record of the client's own club, written here as the server's fetch writes it
    if (!client_manager_name.empty() && team_gueltig(Aktuelles_Team))
        std::snprintf(T[Aktuelles_Team].manager_name, sizeof T[Aktuelles_Team].manager_name, "%s",
                      client_manager_name.c_str());
}

void Team_Internet_Client_Manager_Name_Packen(std::vector<uint8_t>* aus)
{
    if (!aus) return;
    aus->clear();
    if (client_manager_name.empty()) return;
    aus->assign(TEAM_MANAGER_NAME_BYTES, 0);
    std::memcpy(aus->data(), client_manager_name.data(), client_manager_name.size());
}

bool Team_Internet_Client_T_Block_Einlesen(const uint8_t* block, uint32_t laenge)
{
    std::vector<int32_t> normal;
    for (int32_t t = 0; T && t < Team_Anzahl; ++t)
        if (Team_Ist_Normal(t, 0)) normal.push_back(t);
    if ((!block && laenge) || laenge != normal.size() * TEAM_STRUKTUR_BYTES)
        return melden_falsch("Team_Internet_Client_Refresh");
    for (size_t i = 0; i < normal.size(); ++i) {
        Team_Struktur& t = T[normal[i]];
        const uint8_t marke = t.status & 8, ansicht = t.flags & (8 | 16);
        Team_Struktur_Entpacken(block + i * TEAM_STRUKTUR_BYTES, t);
        // the client's own marks survive the fetch
        t.status = static_cast<uint8_t>((t.status & ~8) | marke);
        t.flags = static_cast<uint8_t>((t.flags & ~(8 | 16)) | ansicht);
    }
    // so does the name the manager gave himself, until the server has it too
    Team_Client_Manager_Name_Anwenden();
    return true;
}

void Team_Internet_Server_Send_T_Fix_Block(std::vector<uint8_t>* aus)
{
    if (!aus || !T_Fix) {
        Print_Fehler("Team_Internet_Server_Send_T_Fix_Block: NULL-Pointer!");
        return;
    }
    aus->assign(size_t(Team_Anzahl + 1) * TEAM_FIX_BYTES, 0);
    for (int32_t t = 0; t <= Team_Anzahl; ++t) Team_Fix_Packen(T_Fix[t], aus->data() + size_t(t) * TEAM_FIX_BYTES);
}

bool Team_Internet_Client_T_Fix_Block_Einlesen(const uint8_t* block, uint32_t laenge)
{
    if (!block || !T_Fix || laenge != uint32_t(Team_Anzahl + 1) * TEAM_FIX_BYTES)
        return melden_falsch("Team_Internet_Client_Vor_Neue_Saison");
    for (int32_t t = 0; t <= Team_Anzahl; ++t) {
        Team_Fix& f = T_Fix[t];
        Manager_Struktur* manager = f.manager;
        const int8_t geholt = static_cast<int8_t>(f.netz & 4);
        Team_Fix_Entpacken(block + size_t(t) * TEAM_FIX_BYTES, f, nullptr);
        f.manager = manager;
        // whether the client holds the club's links is its own knowledge: the records leave them alone
        f.netz = static_cast<int8_t>((f.netz & ~4) | geholt);
    }
    // the youth team is not a normal club: without it the client would count one club more than
    // the server and every fetch of the normal clubs' records would be refused
    const int32_t markt = Transfermarkt_Team;
    Team_Pseudo_Teams_Suchen(Team_Anzahl);
    if (Transfermarkt_Team < 0) Transfermarkt_Team = markt;
    return true;
}

void Team_Pseudo_Teams_Suchen(int32_t n)
{
    Transfermarkt_Team = Jugend_Team = -1;
    for (int32_t t = 0; T_Fix && t < n; ++t) {
        if (std::strcmp(T_Fix[t].name, "TRANSFERMARKT") == 0 && Transfermarkt_Team < 0) Transfermarkt_Team = t;
        if (std::strcmp(T_Fix[t].name, "JUGENDTEAM") == 0 && Jugend_Team < 0) Jugend_Team = t;
    }
}

bool Team_Internet_Client_Send_Own_Packen(std::vector<uint8_t>* own, std::vector<uint8_t>* t2)
{
    if (!own || !t2 || !team_gueltig(Aktuelles_Team)) return melden_falsch("Team_Internet_Client_Send_Own");
    own->assign(TEAM_OWN_BYTES, 0);
    Team_Own_Packen(T_Own[Aktuelles_Team], own->data());
    uint8_t t[TEAM_STRUKTUR_BYTES];
    Team_Struktur_Packen(T[Aktuelles_Team], t);
    t2->assign(t + 2, t + 4);
    return true;
}

bool Team_Internet_Server_Get_Data_Back(const uint8_t* own, uint32_t laenge, const uint8_t* t2, uint32_t laenge2,
                                        const uint8_t* name, uint32_t name_laenge)
{
    const int32_t team = static_cast<int32_t>(Handelndes_Team);
    if (!own || !t2 || laenge != TEAM_OWN_BYTES || laenge2 != 2 || !team_gueltig(team))
        return melden_falsch("Team_Internet_Server_Get_Data_Back");
    Team_Own client{};
    Team_Own_Entpacken(own, client);
    Team_Own neu = T_Own[team];
    const int8_t system[2] = {static_cast<int8_t>(t2[0]), static_cast<int8_t>(t2[1])};
    // everything is checked before anything is stored: a refused record changes nothing
    if (!own_uebernehmen(team, client, neu) || system[0] < -1 || system[0] > 7 || system[1] < -1 || system[1] > 7 ||
        ((name || name_laenge) && !manager_name_gueltig(name, name_laenge)))
        return melden_falsch("Team_Internet_Server_Get_Data_Back");
    T_Own[team] = neu;
    // Team_String stores the name as the plain characters it holds.
    if (name) Team_String(TEAM_MANAGER_NAME, team, reinterpret_cast<const char*>(name), 1);
    T[team].system_1 = system[0];
    T[team].system_2 = system[1];
    return true;
}
