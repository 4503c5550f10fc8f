// Teams: records, field-id accessors, queries, byte images and the database start from the team
// configuration file.
//
// Byte images (little-endian):
//   T, 26 bytes: 0 status; 1 flags; 2, 3 line-up systems; 4-23 manager name; 24 i16 players
//   T_Fix, 128 bytes: 0-19 list head (zeros); 24 network bits; 25-48 name; 49-58 short name;
//     59-76 city; 77 league; 78 continent; 79-81 climate; 82 i16 nation; 84 i16 crest;
//     86-121 kit colours; 124 u32 manager flag (1: a manager record follows)
//   T_Own, 776 bytes: 0 option; 1-14 training weights; 15-17 training bytes; 18-119 individual
//     training grid (i16); 120-213 block; 214-221 tactic; 222-229 preset tactic; 230 morale;
//     231 top league; 232 financial strength; 234-389 transfer search; 390-449 watch list (i16);
//     452-483 day block (i32); 484-619 doctors; 620-715 assistants; 716-739 tactic settings;
//     740 variance; 744-759 strengths (i32); 760-771 fitness, technique, intelligence (i32);
//     772 u16 configured number
#include "database/team.h"
#include "gameflow/ablauf.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <type_traits>
#include <vector>

#include "competitions/wettbewerb.h"
#include "platform/string_util.h"
#include "platform/bytes.h"
#include "platform/disk.h"
#include "platform/exit.h"
#include "database/manager.h"
#include "database/teamspieler.h"
#include "economy/stadion.h"
#include "gameflow/globals.h"
#include "platform/print.h"
#include "platform/temp.h"
#include "platform/handle.h"
#include "toolkit/slave.h"
#include "graphics/font.h"
#include "graphics/pic.h"
#include "graphics/grafik_fortschritt.h"
#include "platform/mem.h"
#include "platform/read_config.h"
#include "platform/zufall.h"
#include "toolkit/requester.h"

int32_t Team_Anzahl = 0;
int32_t Team_Anzahl_Gelesen = -1;
int32_t Transfermarkt_Team = -1;
int32_t Jugend_Team = -1;
uint16_t Team_Heimatland = 0xFFFF;
Team_Struktur* T = nullptr;
Team_Fix* T_Fix = nullptr;
Team_Own* T_Own = nullptr;
int32_t Team_Liga_Staerke[TEAM_LIGEN][5][6];
int32_t Team_Liga_Start_Mittelwerte[TEAM_LIGEN];

namespace {

uint16_t* nationen_map = nullptr;

// The start record of a team: what the file gives for the assignment of players at game start.
struct Team_Start {
    int32_t staerke[4];
    uint8_t kondition, technik, intelligenz;
    int32_t anzahl;
    int32_t spieler[TEAM_MAX_START_SPIELER];
};
Team_Start* start_records = nullptr;

struct Grenze {
    int32_t min, max;
};

Grenze grenze(int32_t id)
{
    switch (id) {
    case 150: case 193: return {0, 23};
    case 151: return {0, 383};
    case 152: return {0, 100};
    case 154: case 155: case 156: case 157: return {10, 990};
    case 158: return {0, 99};
    case 159: case 160: case 161: return {30, 70};
    case 162: return {0, TEAM_MAX_SPIELER};
    case 165: return {0, 29};
    case 166: return {0, 17};
    case 167: return {0, 32000};
    case 168: case 169: case 197: return {0, 255};
    case 170: case 171: return {-1, 7};
    case 172: case 194: return {0, 9};
    case 173: return {-1, 32000};
    case 174: case 195: return {0, 99};
    case 175: return {0, 5};
    // stored in a signed byte; competitions beyond 127 would wrap into other numbers
    case 191: case 192: return {-1, 127};
    case 198: return {1, 999};
    default: break;
    }
    if (id >= 176 && id <= 181) return {0, 23};
    if (id >= 182 && id <= 189) return {0, 9};
    return {-1, -1};
}

bool team_gueltig(int32_t team) { return T && T_Fix && T_Own && team >= 0 && team < Team_Anzahl; }
bool ist_client() { return Netz_Rolle == 1; }
bool pseudo(int32_t team) { return team == Transfermarkt_Team || team == Jugend_Team; }
int32_t begrenzt(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }

int32_t wettbewerb_des_teams(int32_t team) { return Wettbewerb_Get_Team_Wettbewerb(team, 1); }
bool land_hat_wettbewerbe(int32_t land) { return Wettbewerb_Get_Land_Wettbewerbe(land, nullptr) > 0; }

int32_t stadion_plaetze(int32_t team, int32_t maske) { return Stadion_Get_Plaetze(team, maske); }

// The camera glyph of the name forms: shared off-screen bitmap 51 for a live broadcast (flag
// 8), 50 for the conference view (flag 16), else 52.
uint32_t kamera_bild(int32_t team)
{
    uint8_t flags = T[team].flags;
    int32_t slave = (flags & 8) ? 51 : (flags & 16) ? 50 : 52;
    return Handle_Registrieren(Menue_Get_Slave_Rastport(slave), Handle_Art::Bild);
}

char* markiert(int32_t team, char* text)
{
    if (team != Aktuelles_Team) return text;
    return Temp_Sprintf("^bb^ub%s^be^ue", text);
}

void kopieren(char* ziel, const char* quelle, int32_t max)
{
    int32_t i = 0;
    for (; quelle && quelle[i] && i < max; ++i) ziel[i] = quelle[i];
    ziel[i] = 0;
    // Every name a club stores is plain text, wherever it came from.
    String_Klartext(ziel, size_t(i) + 1);
}

}  // namespace

// --- byte images ---------------------------------------------------------------------------

void Team_Struktur_Packen(const Team_Struktur& t, uint8_t* b)
{
    std::memset(b, 0, TEAM_STRUKTUR_BYTES);
    b[0] = t.status;
    b[1] = t.flags;
    b[2] = static_cast<uint8_t>(t.system_1);
    b[3] = static_cast<uint8_t>(t.system_2);
    std::memcpy(b + 4, t.manager_name, 20);
    b[23] = 0;
    Bytes_Setze16(b + 24, static_cast<uint16_t>(t.spieleranzahl));
}

void Team_Struktur_Entpacken(const uint8_t* b, Team_Struktur& t)
{
    t.status = b[0];
    t.flags = b[1];
    t.system_1 = static_cast<int8_t>(b[2]);
    t.system_2 = static_cast<int8_t>(b[3]);
    std::memcpy(t.manager_name, b + 4, 20);
    // Savegames and packets come from outside: their names are plain text.
    String_Klartext(t.manager_name, sizeof t.manager_name);
    t.spieleranzahl = static_cast<int16_t>(Bytes_Hole16(b + 24));
}

void Team_Fix_Packen(const Team_Fix& f, uint8_t* b)
{
    std::memset(b, 0, TEAM_FIX_BYTES);
    b[24] = static_cast<uint8_t>(f.netz);
    std::memcpy(b + 25, f.name, 24);
    b[48] = 0;
    std::memcpy(b + 49, f.kurzname, 10);
    b[58] = 0;
    std::memcpy(b + 59, f.stadt, 18);
    b[76] = 0;
    b[77] = static_cast<uint8_t>(f.liga);
    b[78] = static_cast<uint8_t>(f.kontinent);
    std::memcpy(b + 79, f.klima, 3);
    Bytes_Setze16(b + 82, static_cast<uint16_t>(f.nation));
    Bytes_Setze16(b + 84, static_cast<uint16_t>(f.grafik_nr));
    std::memcpy(b + 86, f.farben, 36);
    Bytes_Setze32(b + 124, f.manager ? 1u : 0u);
}

void Team_Fix_Entpacken(const uint8_t* b, Team_Fix& f, bool* hat_manager)
{
    f.netz = static_cast<int8_t>(b[24]);
    std::memcpy(f.name, b + 25, 24);
    std::memcpy(f.kurzname, b + 49, 10);
    std::memcpy(f.stadt, b + 59, 18);
    String_Klartext(f.name, sizeof f.name);
    String_Klartext(f.kurzname, sizeof f.kurzname);
    String_Klartext(f.stadt, sizeof f.stadt);
    f.liga = static_cast<int8_t>(b[77]);
    f.kontinent = static_cast<int8_t>(b[78]);
    std::memcpy(f.klima, b + 79, 3);
    f.nation = static_cast<int16_t>(Bytes_Hole16(b + 82));
    f.grafik_nr = static_cast<int16_t>(Bytes_Hole16(b + 84));
    std::memcpy(f.farben, b + 86, 36);
    f.manager = nullptr;
    if (hat_manager) *hat_manager = Bytes_Hole32(b + 124) != 0;
}

namespace {

void i16_packen(uint8_t* b, const int16_t* v, int n)
{
    for (int i = 0; i < n; ++i) Bytes_Setze16(b + 2 * i, static_cast<uint16_t>(v[i]));
}
void i16_entpacken(const uint8_t* b, int16_t* v, int n)
{
    for (int i = 0; i < n; ++i) v[i] = static_cast<int16_t>(Bytes_Hole16(b + 2 * i));
}
void i32_packen(uint8_t* b, const int32_t* v, int n)
{
    for (int i = 0; i < n; ++i) Bytes_Setze32(b + 4 * i, static_cast<uint32_t>(v[i]));
}
void i32_entpacken(const uint8_t* b, int32_t* v, int n)
{
    for (int i = 0; i < n; ++i) v[i] = static_cast<int32_t>(Bytes_Hole32(b + 4 * i));
}

void suche_packen(const Team_Transfersuche& s, uint8_t* b)
{
    const int16_t* felder[] = {s.alter_min, s.alter_max, s.staerke_min, s.staerke_max,
                               s.zelle_a, s.zelle_b, s.spieler};
    for (int k = 0; k < 7; ++k) i16_packen(b + 8 * k, felder[k], 4);
    for (int i = 0; i < 4; ++i) Bytes_Setze16(b + 56 + 2 * i, s.preis[i]);
    std::memcpy(b + 64, s.torwart, 4);
    std::memcpy(b + 68, s.aktiv, 4);
    std::memcpy(b + 72, s.rest, 84);
}

void suche_entpacken(const uint8_t* b, Team_Transfersuche& s)
{
    int16_t* felder[] = {s.alter_min, s.alter_max, s.staerke_min, s.staerke_max,
                         s.zelle_a, s.zelle_b, s.spieler};
    for (int k = 0; k < 7; ++k) i16_entpacken(b + 8 * k, felder[k], 4);
    for (int i = 0; i < 4; ++i) s.preis[i] = Bytes_Hole16(b + 56 + 2 * i);
    std::memcpy(s.torwart, b + 64, 4);
    std::memcpy(s.aktiv, b + 68, 4);
    std::memcpy(s.rest, b + 72, 84);
}

}  // namespace

void Team_Own_Packen(const Team_Own& o, uint8_t* b)
{
    std::memset(b, 0, TEAM_OWN_BYTES);
    b[0] = static_cast<uint8_t>(o.option);
    std::memcpy(b + 1, o.training, 14);
    std::memcpy(b + 15, o.training_bytes, 3);
    i16_packen(b + 18, &o.einzeltraining[0][0], 51);
    std::memcpy(b + 120, o.block_94, 94);
    std::memcpy(b + 214, o.taktik, 8);
    std::memcpy(b + 222, o.taktik_vorgabe, 8);
    b[230] = static_cast<uint8_t>(o.moral);
    b[231] = static_cast<uint8_t>(o.oberliga);
    b[232] = o.finanzkraft;
    suche_packen(o.suche, b + 234);
    i16_packen(b + 390, o.beobachtet, TEAM_BEOBACHTET_ANZAHL);
    i32_packen(b + 452, o.tagesblock, 8);
    std::memcpy(b + 484, o.aerzte, 136);
    std::memcpy(b + 620, o.assistenten, 96);
    std::memcpy(b + 716, o.taktik_einstellungen, 24);
    b[740] = o.varianz;
    i32_packen(b + 744, o.staerke, 4);
    Bytes_Setze32(b + 760, static_cast<uint32_t>(o.kondition));
    Bytes_Setze32(b + 764, static_cast<uint32_t>(o.technik));
    Bytes_Setze32(b + 768, static_cast<uint32_t>(o.intelligenz));
    Bytes_Setze16(b + 772, o.nummer);
}

void Team_Own_Entpacken(const uint8_t* b, Team_Own& o)
{
    o.option = static_cast<int8_t>(b[0]);
    std::memcpy(o.training, b + 1, 14);
    std::memcpy(o.training_bytes, b + 15, 3);
    i16_entpacken(b + 18, &o.einzeltraining[0][0], 51);
    std::memcpy(o.block_94, b + 120, 94);
    std::memcpy(o.taktik, b + 214, 8);
    std::memcpy(o.taktik_vorgabe, b + 222, 8);
    o.moral = static_cast<int8_t>(b[230]);
    o.oberliga = static_cast<int8_t>(b[231]);
    o.finanzkraft = b[232];
    suche_entpacken(b + 234, o.suche);
    i16_entpacken(b + 390, o.beobachtet, TEAM_BEOBACHTET_ANZAHL);
    i32_entpacken(b + 452, o.tagesblock, 8);
    std::memcpy(o.aerzte, b + 484, 136);
    std::memcpy(o.assistenten, b + 620, 96);
    std::memcpy(o.taktik_einstellungen, b + 716, 24);
    o.varianz = b[740];
    i32_entpacken(b + 744, o.staerke, 4);
    o.kondition = static_cast<int32_t>(Bytes_Hole32(b + 760));
    o.technik = static_cast<int32_t>(Bytes_Hole32(b + 764));
    o.intelligenz = static_cast<int32_t>(Bytes_Hole32(b + 768));
    o.nummer = Bytes_Hole16(b + 772);
}

// --- accessors -----------------------------------------------------------------------------

namespace {

// A bit field read, set, cleared or toggled; any other mode is reported.
template <typename Feld>
int32_t bits_anwenden(Feld& feldwert, int32_t wert, uint8_t modus, const char* text)
{
    switch (modus) {
    case TEAM_LESEN: return static_cast<int32_t>(feldwert);
    case TEAM_SETZEN: feldwert = static_cast<Feld>(feldwert | wert); return -1;
    case TEAM_LOESCHEN: feldwert = static_cast<Feld>(feldwert & ~wert); return -1;
    case TEAM_TOGGLE: feldwert = static_cast<Feld>(feldwert ^ wert); return -1;
    default: Print_Fehler("%s", text); return -1;
    }
}

}  // namespace

namespace {

// Team_Wert with all its checks.
[[gnu::noinline]] int32_t wert_allgemein(int32_t feld, int32_t team, int32_t wert, uint8_t modus)
{
    if (!team_gueltig(team)) {
        Print_Fehler("Fehler: Aufruf von Team_Wert mit teamnr = %d !\n", team);
        return -1;
    }
    if (ist_client() && feld != TEAM_NETZ) {
        if (team != Aktuelles_Team) {
            static const int32_t ERLAUBT[] = {151, 162, 163, 164, 167, 168, 169, 170, 171, 173, 191};
            bool ok = false;
            for (int32_t f : ERLAUBT) ok = ok || f == feld;
            if (!ok) {
                Print_Fehler("Team_Wert: WRONG CLIENT-TEAM!");
                return 0;
            }
        }
        if (modus == TEAM_SCHREIBEN && feld != 152 && feld != 170 && feld != 171) {
            Print_Fehler("Team_Wert: CLIENT-WRITE!");
            return 0;
        }
    }
    if (modus == TEAM_READ_PROZENT) {
        Print_Fehler("Warning: Team_Wert-Aufruf READ_PROZENT nicht erlaubt!n");
        return -1;
    }
    if (feld >= 300 && feld <= 311) return Manager_Wert(feld, T_Fix[team].manager, modus, wert);

    const bool ist_pseudo = pseudo(team);
    if (ist_pseudo && feld != 162 && feld != 168 && feld != 169 && feld != 173 && feld != 197) {
        Print_Fehler("Warning: Team_Wert-Aufruf mit Transfermarkt-/Jugend-Team, modus=%d\n", feld);
        return -1;
    }
    // The player count follows the team's links and only the link module changes it.
    if (feld == TEAM_SPIELERANZAHL && modus != TEAM_LESEN) {
        Print_Fehler("Team_Wert: Spielerzahl nur über Teamspieler!\n");
        return -1;
    }
    if (modus != TEAM_LESEN && !ist_pseudo && feld >= 151 && feld <= 198) {
        Grenze g = grenze(feld);
        if (g.min <= g.max) {
            const int32_t v = begrenzt(wert, g.min, g.max);
            if (v != wert) {
                Print_Fehler("Team_Wert: Wert nicht innerhalb der Grenzen, wert=%d,modus=%d\n", wert, feld);
                wert = v;
            }
        }
    }

    Team_Struktur& t = T[team];
    Team_Fix& f = T_Fix[team];
    Team_Own& o = T_Own[team];
    const bool schreiben = modus == TEAM_SCHREIBEN;
    auto bits = [&](auto& feldwert, const char* text) -> int32_t { return bits_anwenden(feldwert, wert, modus, text); };
    auto feld_i32 = [&](auto& feldwert) -> int32_t {
        if (schreiben) {
            feldwert = static_cast<std::remove_reference_t<decltype(feldwert)>>(wert);
            return -1;
        }
        return static_cast<int32_t>(feldwert);
    };

    switch (feld) {
    case 151:
        if (schreiben) {
            Print_Fehler("Team_Wert: Liga nicht beschreibbar!\n");
            return -1;
        }
        return wettbewerb_des_teams(team);
    case 152: return feld_i32(o.option);
    case 154: case 155: case 156: case 157: return feld_i32(o.staerke[feld - 154]);
    case 158: return feld_i32(o.moral);
    case 159: return feld_i32(o.kondition);
    case 160: return feld_i32(o.technik);
    case 161: return feld_i32(o.intelligenz);
    case 162: return t.spieleranzahl;
    case 163:
        if (schreiben) {
            Print_Fehler("TEAM_STADION_STEHPLAETZE: Write nicht erlaubt!");
            return -1;
        }
        return stadion_plaetze(team, 14);
    case 164:
        if (schreiben) {
            Print_Fehler("TEAM_STADION_SITZPLAETZE: Write nicht erlaubt!");
            return -1;
        }
        return stadion_plaetze(team, 13);
    case 167: return feld_i32(f.nation);
    case 168: return bits(t.status, "Team_Wert: WRITE bei Status!\n");
    case 169: return bits(t.flags, "Team_Wert: WRITE bei Flags!\n");
    case 170: return feld_i32(t.system_1);
    case 171: return feld_i32(t.system_2);
    case 173: return feld_i32(f.grafik_nr);
    case 174: return feld_i32(o.varianz);
    case 175: return feld_i32(f.kontinent);
    case 191: return feld_i32(f.liga);
    case 192: return feld_i32(o.oberliga);
    case 195: return feld_i32(o.finanzkraft);
    case 197: {
        uint8_t netz = static_cast<uint8_t>(f.netz);
        int32_t r = bits(netz, "Team_Wert: WRITE bei NETZ!\n");
        if (modus == TEAM_LESEN) return static_cast<int8_t>(netz);
        f.netz = static_cast<int8_t>(netz);
        return r;
    }
    case 198:
        if (modus != TEAM_LESEN) {
            Print_Fehler("Team_Wert: Falscher Parameter!\n");
            return -1;
        }
        return (4 * o.staerke[1] + 6 * o.staerke[2] + 3 * o.staerke[3]) / 13;
    default:
        Print_Fehler("Team_Wert: Falscher Parameter!\n");
        return -1;
    }
}

}  // namespace

int32_t Team_Wert(int32_t feld, int32_t team, int32_t wert, uint8_t modus)
{
    // The status and flag bits, read and marked for every club all day long by the turns, the
    // line-ups and the participants' marks: on a server nothing else concerns them but the
    // range of a value to combine (a pseudo team's is taken as it is).
    if ((feld == TEAM_STATUS || feld == TEAM_FLAGS) && !ist_client() && team_gueltig(team) &&
        (modus == TEAM_LESEN || modus == TEAM_SETZEN || modus == TEAM_LOESCHEN || modus == TEAM_TOGGLE) &&
        (modus == TEAM_LESEN || (wert >= 0 && wert <= 255) || pseudo(team))) {
        uint8_t& bits = feld == TEAM_STATUS ? T[team].status : T[team].flags;
        return bits_anwenden(bits, wert, modus, "");
    }
    return wert_allgemein(feld, team, wert, modus);
}

void* Team_Zeiger(int32_t feld, int32_t team, void* zeiger, uint8_t modus)
{
    if (!team_gueltig(team)) return nullptr;
    if (ist_client()) {
        if (team != Aktuelles_Team && feld != 153 && feld != 196 && feld != 803) {
            Print_Fehler("Team_Zeiger: WRONG CLIENT-TEAM!");
            return nullptr;
        }
        if (modus == 1 && (team != Aktuelles_Team || feld == 196 || feld == 803)) {
            Print_Fehler("Team_Zeiger: WRITE verboten!");
            return nullptr;
        }
    }
    if (feld >= 300 && feld <= 311) return Manager_Zeiger(feld, T_Fix[team].manager, zeiger, modus);
    if (modus != 0 && !zeiger && feld != 153) {
        Print_Fehler("Team_Zeiger: Write && Zeiger=NULL!!!\n");
        return nullptr;
    }
    Team_Fix& f = T_Fix[team];
    Team_Own& o = T_Own[team];
    void* adresse;
    size_t bytes;
    switch (feld) {
    case 153:
        if (modus == 1) {
            f.manager = static_cast<Manager_Struktur*>(zeiger);
            return nullptr;
        }
        return f.manager;
    case 190: adresse = o.block_94; bytes = 94; break;
    case 196: adresse = f.klima; bytes = 3; break;
    case 803:
        if (modus == 1) {
            std::memcpy(f.farben, zeiger, 36);
            return nullptr;
        }
        return f.farben;
    case 804: adresse = &o.suche; bytes = sizeof o.suche; break;
    case 805: adresse = o.training; bytes = 14; break;
    case 806: adresse = o.einzeltraining; bytes = 102; break;
    case 807: adresse = o.taktik; bytes = 8; break;
    case 808: adresse = o.taktik_vorgabe; bytes = 8; break;
    case 809: adresse = o.tagesblock; bytes = 32; break;
    case 810: adresse = o.beobachtet; bytes = 60; break;
    case 811: adresse = o.assistenten; bytes = 96; break;
    case 812: adresse = o.aerzte; bytes = 136; break;
    case 813: adresse = o.taktik_einstellungen; bytes = 24; break;
    case 814: adresse = o.training_bytes; bytes = 3; break;
    default:
        Print_Fehler("Team_Zeiger: Falscher Parameter!\n");
        return nullptr;
    }
    if (modus == 0) return adresse;
    if (modus == 1) std::memcpy(adresse, zeiger, bytes);
    else std::memcpy(zeiger, adresse, bytes);
    return nullptr;
}

const char* Team_String(int32_t feld, int32_t team, const char* text, uint8_t modus)
{
    static const char* const FEHLER_MODUS = "FEHLER in Team_String: falscher Modus!";
    if (!team_gueltig(team)) {
        Print_Fehler("Fehler: Aufruf von Team_String mit teamnr %d !\n", team);
        return "Team_String_Error";
    }
    const bool schreiben = modus == 1;
    if (ist_client() && schreiben) {
        Print_Fehler("Team_String: CLIENT-WRITE!");
        return nullptr;
    }
    if (feld >= 300 && feld <= 311) {
        if (Team_Hat_Manager(team) || modus != 0) return Manager_String(feld, T_Fix[team].manager, modus);
        return "Computer-Manager";
    }
    Team_Fix& f = T_Fix[team];
    switch (feld) {
    case 150:
    case 193:
        if (schreiben) {
            kopieren(f.name, text, 23);
            return FEHLER_MODUS;
        }
        if (feld == 193) return f.name;
        return markiert(team, Temp_Sprintf("%s", f.name));
    case 172:
    case 194:
        if (schreiben) {
            kopieren(f.kurzname, text, 9);
            return FEHLER_MODUS;
        }
        if (feld == 194) return f.kurzname;
        return markiert(team, Temp_Sprintf("%s", f.kurzname));
    case 166:
        if (schreiben) {
            kopieren(f.stadt, text, 17);
            return FEHLER_MODUS;
        }
        return f.stadt;
    case 165: {
        if (schreiben) return FEHLER_MODUS;
        const Stadion_Daten* s = Stadion_Zeiger(team, 1);
        return s ? s->name : "";
    }
    case 299:
        if (schreiben) {
            kopieren(T[team].manager_name, text, 19);
            return FEHLER_MODUS;
        }
        return T[team].manager_name;
    default: break;
    }
    if (feld >= 176 && feld <= 189) {
        static const char* const TEXTE[] = {
            "Team_String(TEAM_NAME_WAPPEN..): Write verboten!",
            "Team_String(TEAM_NAME_KAMERA..): Write verboten!",
            "Team_String(TEAM_NAME_WAPPEN_KAMERA..): Write verboten!",
            "Team_String(TEAM_NAME_LAND..): Write verboten!",
            "Team_String(TEAM_NAME_WAPPEN_LAND..): Write verboten!",
            "Team_String(TEAM_NAME_KAMERA_LAND..): Write verboten!",
            "Team_String(TEAM_NAME_WAPPEN_KAMERA_LAND..): Write verboten!",
        };
        int form = (feld - 176) % 7;
        if (schreiben) {
            Print_Fehler("%s", TEXTE[form]);
            return nullptr;
        }
        const char* name = feld <= 182 ? f.name : f.kurzname;
        uint32_t kamera = kamera_bild(team);
        char* s = nullptr;
        switch (form) {
        case 0: s = Temp_Sprintf("^gll%04d%s", team, name); break;
        case 1: s = Temp_Sprintf("%s^gnk%#010x", name, kamera); break;
        case 2: s = Temp_Sprintf("^gll%04d%s^gnk%#010x", team, name, kamera); break;
        case 3: s = Temp_Sprintf("^gll%04d%s", f.nation, name); break;
        case 4: s = Temp_Sprintf("^gll%04d%s^gll%04d", team, name, f.nation); break;
        case 5: s = Temp_Sprintf("^gll%04d%s^gnk%#010x", f.nation, name, kamera); break;
        default: s = Temp_Sprintf("^gll%04d^gll%04d%s^gnk%#010x", f.nation, team, name, kamera); break;
        }
        return markiert(team, s);
    }
    Print_Fehler("Team_String: Falscher Parameter!\n");
    return FEHLER_MODUS;
}

Liste* Team_Liste(int32_t liste, int32_t team)
{
    if (!team_gueltig(team)) {
        Print_Fehler("Fehler: Aufruf von Team_Liste mit teamnr = %d !\n", team);
        return nullptr;
    }
    if (liste != 5) {
        Print_Fehler("Team_Liste: Falscher Parameter!\n");
        return nullptr;
    }
    return &T_Fix[team].liste;
}

// --- queries -------------------------------------------------------------------------------

bool Team_Hat_Manager(int32_t team)
{
    if (!T_Fix) return false;
    if (team < 0 || team >= Team_Anzahl) {
        Print_Fehler("Team_Hat_Manager: falsche teamnr!");
        return false;
    }
    if (ist_client() && team >= Team_Anzahl_Gelesen) return false;
    return T_Fix[team].manager != nullptr;
}

int32_t Team_Get_Art(int32_t team)
{
    if (!team_gueltig(team)) {
        Print_Fehler("Team_Get_Art: ERROR - teamnr=%d\n", team);
        return 0;
    }
    if (team == Transfermarkt_Team) return 1;
    if (team == Jugend_Team) return 2;
    if (T[team].status & TEAM_STATUS_LAND) return 32;
    if (!land_hat_wettbewerbe(T_Fix[team].nation)) return 8;
    return 0;
}

bool Team_Ist_Normal(int32_t team, int32_t flags)
{
    if (!T_Fix) return false;
    if (team < 0 || team >= Team_Anzahl) {
        Print_Fehler("Team_Ist_Normal: ERROR - teamnr=%d\n", team);
        return false;
    }
    if (team >= Team_Anzahl_Gelesen) return false;
    const bool invert = flags & 16;
    if (team == Transfermarkt_Team) return ((flags & 1) != 0) != invert;
    if (team == Jugend_Team) return ((flags & 2) != 0) != invert;
    uint8_t s = T[team].status;
    bool normal = !(s & 3);
    if (normal && T_Fix[team].liga == -1 && !(flags & 64)) normal = false;
    if ((s & 2) && (flags & 32)) normal = true;
    if (!normal && !(s & 3) && (flags & 8) && !land_hat_wettbewerbe(T_Fix[team].nation)) normal = true;
    return normal != invert;
}

bool Team_Ist_Lokal(int32_t team)
{
    if (!team_gueltig(team)) {
        Print_Fehler("Team_Ist_Lokal: ERROR - teamnr=%d\n", team);
        return false;
    }
    // A server plays the turns of every manager's club that no participant holds (its own and
    // the hot-seat managers'); a stand-alone server has nobody at the PC.
    const bool server = (Netz_Rolle & 2) && !Stand_Alone_Server;
    if (server && team == Server_Team) return true;
    int32_t dran[MANAGER_DRAN_MAX];
    int32_t n = Manager_Ist_Dran(dran, false, server ? 0 : 1);
    for (int32_t i = 0; i < n; ++i)
        if (dran[i] == team) return !server || !Ablauf_Verein_Gehalten(team);
    return false;
}

bool Team_Ist_Initialisiert() { return T != nullptr; }

bool Team_Filter_Pruefen(int32_t team, int32_t flags)
{
    if (!team_gueltig(team) || pseudo(team) || (T[team].status & 3)) return false;
    if (flags & 16) return true;
    bool manager = T_Fix[team].manager != nullptr;
    return ((flags & 4) && manager) || ((flags & 8) && !manager);
}

int32_t Team_Get_Teams_Der_Nation(int32_t nation, int32_t* feld)
{
    int32_t n = 0;
    for (int32_t t = 0; T && t < Team_Anzahl; ++t)
        if (T_Fix[t].nation == nation && !(T[t].status & 3) && !pseudo(t)) {
            if (feld) feld[n] = t;
            ++n;
        }
    return n;
}

int32_t Team_Get_Erstes_Team_Der_Nation(int32_t nation)
{
    for (int32_t t = 0; T && t < Team_Anzahl; ++t)
        if (Team_Ist_Normal(t, 0) && T_Fix[t].nation == nation) return t;
    return Team_Anzahl;
}

bool Team_Ist_Heimatland(int32_t team)
{
    const char* name = Team_String(150, team, nullptr, 0);
    return name && std::strcmp(name, "Deutschland") == 0;
}

const char* Team_Get_Landname(int32_t team)
{
    if (!team_gueltig(team)) return Team_String(150, team, nullptr, 0);
    return Team_String(150, T_Fix[team].nation, nullptr, 0);
}

int32_t Team_Get_Landteams(int32_t* feld)
{
    int32_t n = 0;
    for (int32_t t = 0; T && t < Team_Anzahl; ++t)
        if (T[t].status & 2) {
            if (feld) feld[n] = t;
            ++n;
        }
    return n;
}

int32_t Team_Get_Teams_Mit_Flag(int32_t* feld, bool nur_national)
{
    int32_t n = 0;
    for (int32_t t = 0; T && t < Team_Anzahl; ++t)
        if ((T[t].status & 1) || (!nur_national && (T[t].status & 2))) {
            if (feld) feld[n] = t;
            ++n;
        }
    return n;
}

bool Team_Ist_Landteam(int32_t team) { return team_gueltig(team) && (T[team].status & 3) == 2; }

int32_t Team_Get_Managerteams(int32_t* feld)
{
    int32_t n = 0;
    for (int32_t t = 0; T && t < Team_Anzahl; ++t)
        if (Team_Hat_Manager(t)) {
            if (feld) feld[n] = t;
            ++n;
        }
    return n;
}

void Team_Leer(int32_t, int32_t, int32_t, int32_t) {}

bool Team_Liga_Hat_Teams(int32_t land) { return land_hat_wettbewerbe(land); }

int32_t Team_Anzahl_Im_Wettbewerb(int32_t wettbewerb) { return Wettbewerb_Get_Teams(wettbewerb, nullptr); }

int32_t Team_Get_Liga_Start_Mittelwert(int32_t liga, int32_t team)
{
    if (liga == -1) liga = team_gueltig(team) ? T_Fix[team].liga : -1;
    const int32_t system = liga >= 0 ? Wettbewerb_Hierarchie_Oben(liga) : -1;
    if (system < 0 || system >= TEAM_LIGEN) return 0;
    const int32_t wert = Team_Liga_Start_Mittelwerte[system];
    // 0: the start averages have not been computed for this game
    if (wert != 0 && (wert < 1 || wert > 999)) Print_Fehler("Team_Get_Liga_Start_Mittelwert: Liga-Mittelwert falsch!");
    return wert;
}

int32_t Team_Liga_Ziel_Staerke(int32_t liga)
{
    if (liga < 0 || liga >= TEAM_LIGEN) return 0;
    int32_t& ziel = Team_Liga_Staerke[liga][0][5];
    if (ziel <= 0 || ziel > 999) ziel = Team_Liga_Staerke[liga][4][4] > 0 && Team_Liga_Staerke[liga][4][4] <= 999 ? Team_Liga_Staerke[liga][4][4] : 0;
    return ziel;
}

int32_t Team_Get_Heimatland() { return Team_Heimatland == 0xFFFF ? 0 : Team_Heimatland; }

int32_t Team_Land_Nummer(const char* name)
{
    if (!nationen_map || !name) return -1;
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (nationen_map[t] != 0xFFFF && std::strcmp(T_Fix[t].name, name) == 0) return t;
    return -1;
}

// --- database start ------------------------------------------------------------------------

void Team_Name_Kuerzen(char* name)
{
    // Team lists print in font 3 with 115 pixels for the name; cut one character at a time.
    Font_Record* font = Font(3);
    size_t laenge = std::strlen(name);
    while (laenge > 0 && Font_Text_Breite(font, name) > 115) name[--laenge] = 0;
}

void Team_Free_Zuordnungsarray() { start_records = static_cast<Team_Start*>(Mem_Free(start_records, 0)); }

void Team_Free_Arrays(bool manager_freigeben)
{
    if (T_Fix) {
        for (int32_t t = 0; t < Team_Anzahl; ++t) {
            Liste_Delete_All(&T_Fix[t].liste);
            if (manager_freigeben && T_Fix[t].manager && (!ist_client() || t == Aktuelles_Team))
                T_Fix[t].manager = Manager_Freigeben(T_Fix[t].manager);
            T_Fix[t].manager = nullptr;
        }
    }
    T = static_cast<Team_Struktur*>(Mem_Free(T, 0));
    T_Fix = static_cast<Team_Fix*>(Mem_Free(T_Fix, 0));
    T_Own = static_cast<Team_Own*>(Mem_Free(T_Own, 0));
    nationen_map = static_cast<uint16_t*>(Mem_Free(nationen_map, 0));
    Team_Anzahl = -1;
}

int32_t Team_Get_Start_Spieler(int32_t team, const int32_t** spieler)
{
    if (!start_records || team < 0 || team >= Team_Anzahl) {
        if (spieler) *spieler = nullptr;
        return 0;
    }
    if (spieler) *spieler = start_records[team].spieler;
    return start_records[team].anzahl;
}

void Team_Set_Temp_Team_Spieler(int32_t team, int32_t erster, int32_t anzahl)
{
    if (!start_records) {
        Print_Fehler("Team_Set_Temp_Team_Spieler: temp_team==NULL!");
        return;
    }
    if (team < 0 || team >= Team_Anzahl) return;
    anzahl = begrenzt(anzahl, 0, TEAM_MAX_START_SPIELER);
    start_records[team].anzahl = anzahl;
    for (int32_t i = 0; i < anzahl; ++i) start_records[team].spieler[i] = erster + i;
}

int32_t Team_Get_Sondermodus() { return 0; }

namespace {

const char* const TEAM_KEYWORDS[] = {
    "NEUES_TEAM", "NUMMER", "NAME", "STAERKE_TOR", "STAERKE_ABW", "STAERKE_MIT", "STAERKE_STU",
    "STAERKE_VARIANZ", "KONDITION", "TECHNIK", "INTELLIGENZ", "SPIELER", "STADION_NAME", "STADT",
    "STADION_SITZPL", "STADION_STEHPL", "NATION", "NATIONALTEAM", "F_TRIKOT_SPIELER",
    "F_AUSW_TRIKOT_SPIELER", "F_ALTERN_TRIKOT_SPIELER", "F_HOSE_SPIELER", "F_AUSW_HOSE_SPIELER",
    "F_ALTERN_HOSE_SPIELER", "F_TRIKOT_WERBUNG", "F_HOSE_STREIFEN", "F_TRIKOT_TORWART",
    "F_HOSE_TORWART", "F_TRIKOT_TRAINER", "F_HOSE_TRAINER", "KURZNAME", "GRAFIK_NR", "KONTINENT",
    "INFOTEXT", "LETZTES_TEAM", "LANDNAME", "KLIMA",
};
enum Kw {
    K_NEUES_TEAM, K_NUMMER, K_NAME, K_STAERKE_TOR, K_STAERKE_ABW, K_STAERKE_MIT, K_STAERKE_STU,
    K_VARIANZ, K_KONDITION, K_TECHNIK, K_INTELLIGENZ, K_SPIELER, K_STADION_NAME, K_STADT,
    K_SITZPL, K_STEHPL, K_NATION, K_NATIONALTEAM, K_FARBE_0, K_FARBE_11 = K_FARBE_0 + 11,
    K_KURZNAME, K_GRAFIK_NR, K_KONTINENT, K_INFOTEXT, K_LETZTES_TEAM, K_LANDNAME, K_KLIMA,
    K_ANZAHL
};
static_assert(K_ANZAHL == std::size(TEAM_KEYWORDS));

int keyword(const char* wort)
{
    static const Read_Config_Woerter woerter(TEAM_KEYWORDS, K_ANZAHL);
    return woerter.finden(wort);
}

void melden(const char* text)
{
    Print_Fehler("%s", text);
    Menue_Requester(0, Aktuelles_Team, text, nullptr, nullptr, 0);
}

// Longest SPIELER list the reader takes: 2500 characters give at most 1250 numbers.
constexpr int32_t SPIELER_LISTE_MAX = 1251;

// Everything Team() allocates: the arrays with their link lists and manager records, and the
// start records when the game ends before the squads were assigned.
void team_freigeben()
{
    Team_Free_Arrays(true);
    Team_Free_Zuordnungsarray();
}

bool anlegen(int32_t anzahl)
{
    Exit_Freigabe_Registrieren(EXIT_FREIGABE_TEAM, team_freigeben);
    // the manager records live in the team records; their count and the difficulty level too
    Team_Disk_Registrieren();
    uint32_t n = static_cast<uint32_t>(anzahl) + 1;
    T = static_cast<Team_Struktur*>(Mem_Alloc_Clear(n * sizeof(Team_Struktur), 0, 0));
    T_Fix = static_cast<Team_Fix*>(Mem_Alloc_Clear(n * sizeof(Team_Fix), 0, 0));
    T_Own = static_cast<Team_Own*>(Mem_Alloc_Clear(n * sizeof(Team_Own), 0, 0));
    start_records = static_cast<Team_Start*>(Mem_Alloc_Clear(n * sizeof(Team_Start), 0, 0));
    nationen_map = static_cast<uint16_t*>(Mem_Alloc(n * sizeof(uint16_t), 0));
    Team_Anzahl = Team_Anzahl_Gelesen = anzahl;
    if (!T || !T_Fix || !T_Own || !start_records || !nationen_map) return false;
    for (uint32_t i = 0; i < n; ++i) nationen_map[i] = 0xFFFF;
    return true;
}

void startwerte(int32_t team)
{
    Team_Own& o = T_Own[team];
    for (auto& b : o.beobachtet) b = -1;
    // A manager's club starts at the effort a computer club plays at: left alone, it plays as well.
    o.option = TEAM_EINSATZ_COMPUTER;
    o.moral = static_cast<int8_t>(Zufall(50, 70));
    o.finanzkraft = static_cast<uint8_t>(Zufall(10, 90));
    Team_Transfersuche& s = o.suche;
    static const int16_t ZELLE_A[4] = {0, 221, 221, 8};
    static const int16_t ZELLE_B[4] = {458, 458, 451, 237};
    for (int k = 0; k < 4; ++k) {
        s.alter_min[k] = k == 0 ? 16 : 20;
        s.alter_max[k] = k == 0 ? 42 : 30;
        s.staerke_min[k] = k == 0 ? 1 : 100;
        s.staerke_max[k] = k == 0 ? 999 : 900;
        s.zelle_a[k] = ZELLE_A[k];
        s.zelle_b[k] = ZELLE_B[k];
        s.spieler[k] = -1;
        s.torwart[k] = 0;
        s.aktiv[k] = k == 0 ? 1 : 0;
    }
    std::memset(o.training, 2, sizeof o.training);
    o.training_bytes[0] = 2;
    o.training_bytes[1] = 3;
    o.training_bytes[2] = 2;
    for (auto& zeile : o.einzeltraining)
        for (auto& z : zeile) z = -1;
    static const uint8_t TAKTIK[8] = {1, 1, 1, 0, 1, 1, 1, 1};
    std::memcpy(o.taktik, TAKTIK, 8);
    std::memcpy(o.taktik_vorgabe, TAKTIK, 8);
    std::memset(o.taktik_einstellungen, 33, sizeof o.taktik_einstellungen);
    std::memset(o.tagesblock, 0, sizeof o.tagesblock);
}

}  // namespace

bool Team(int32_t n)
{
    if (ist_client()) Print_Fehler("Client-Zugriff: Team()");
    if (T) {
        Team_Free_Arrays(true);
        Print_Fehler("Doppeltes Init: Team() !\n");
    }
    Team_Free_Zuordnungsarray();
    Transfermarkt_Team = Jugend_Team = -1;
    Team_Heimatland = 0xFFFF;
    Team_Anzahl = 0;
    Stadion_Init();
    Teamspieler_Suchlisten_Init();
    std::memset(Team_Liga_Staerke, 0, sizeof Team_Liga_Staerke);
    std::memset(Team_Liga_Start_Mittelwerte, 0, sizeof Team_Liga_Start_Mittelwerte);

    if (!Read_Config_Open(1, n, -1)) {
        Print_Fehler("Team: %d_team.cfg nicht lesbar\n", n + 1);
        return false;
    }
    // Neither pass checks the file's sum.
    Read_Config_Ohne_Summe();
    auto abbruch = [&](int32_t nummer, bool schliessen = true) {
        if (schliessen) Read_Config_Close();
        melden(Temp_Sprintf("Das Team mit der Nummer \"%d\" aus der Konfigurationsdatei \"%d_%s\" liegt "
                            "außerhalb [%d,%d] und ist daher fehlerhaft. Es wird auf die "
                            "Standard-Konfiguration zurückgegriffen.",
                            nummer, n + 1, "team.cfg", 0, Team_Anzahl - 1));
        Team_Free_Arrays(true);
        Team_Free_Zuordnungsarray();
        return false;
    };

    // Pass 1: count, names, country entries. The progress box closes on every way out.
    struct Box {
        ~Box() { Grafik_Fortschritt_Schliessen(); }
    } box;
    int32_t team = -1;
    for (;;) {
        const char* wort = Read_Config_Read_Zeile(nullptr, true);
        if (!*wort) break;
        int k = keyword(wort);
        if (k == K_LETZTES_TEAM) {
            int32_t v = Read_Config_Get_Wert();
            if (T) {
                Print_Fehler("Team: LETZTES_TEAM doppelt, ignoriert\n");
                continue;
            }
            // every team's link list takes a slot of the program's list registry (1000 slots)
            if (v < 0 || v >= TEAM_MAX_ANZAHL) return abbruch(v);
            if (!anlegen(v + 1)) {
                Read_Config_Close();
                Team_Free_Arrays(true);
                Team_Free_Zuordnungsarray();
                Print_Fehler("Team: kein Speicher für %d Teams\n", v + 1);
                return false;
            }
            Grafik_Fortschritt_Oeffnen(Temp_Sprintf("%d Teams werden eingelesen.", int(Team_Anzahl)), -1, -1);
        } else if (k == K_NUMMER) {
            int32_t v = Read_Config_Get_Wert();
            // without LETZTES_TEAM nothing is allocated: every number is out of range
            if (!T || v < 0 || v >= Team_Anzahl) return abbruch(v);
            team = v;
        } else if (k == K_LANDNAME && team >= 0) {
            if (nationen_map[team] == team) melden(Temp_Sprintf("Nationalteam %d 2x definiert!", team));
            else nationen_map[team] = static_cast<uint16_t>(team);
        } else if (k == K_NAME && team >= 0) {
            char name[25];
            std::snprintf(name, sizeof name, "%s", Read_Config_Get_Wert_Text());
            if (std::strcmp(name, "TRANSFERMARKT") == 0) Transfermarkt_Team = team;
            else if (std::strcmp(name, "JUGENDTEAM") == 0) Jugend_Team = team;
            else if (std::strcmp(name, "Deutschland") == 0) Team_Heimatland = static_cast<uint16_t>(team);
            Team_Name_Kuerzen(name);
            kopieren(T_Fix[team].name, name, 23);
        }
    }
    Read_Config_Close();
    if (!T) return abbruch(-1, false);

    // Pass 2: every keyword.
    std::vector<int32_t> liste(SPIELER_LISTE_MAX);
    std::vector<Stadion_Daten> stadien(static_cast<size_t>(Team_Anzahl));
    std::vector<int32_t> sitzplaetze(static_cast<size_t>(Team_Anzahl)), stehplaetze(static_cast<size_t>(Team_Anzahl));
    if (!Read_Config_Open(1, n, -1)) {
        Team_Free_Arrays(true);
        Team_Free_Zuordnungsarray();
        return false;
    }
    Read_Config_Ohne_Summe();
    team = -1;
    for (;;) {
        const char* wort = Read_Config_Read_Zeile(nullptr, true);
        if (!*wort) break;
        int k = keyword(wort);
        if (k == K_NUMMER) {
            team = Read_Config_Get_Wert();
            if (team < 0 || team >= Team_Anzahl) team = -1;  // refused in pass 1
            else T_Own[team].nummer = static_cast<uint16_t>(team);
            if (team >= 0) Grafik_Fortschritt_Setzen(int32_t(int64_t(team) * 100 / Team_Anzahl), nullptr);
            continue;
        }
        if (k == K_NEUES_TEAM || k == K_INFOTEXT || k == K_LETZTES_TEAM || k == K_NAME) continue;
        if (k < 0) {
            Print_Fehler("Team: Falscher Eintrag im CFG-File: %s\n", wort);
            continue;
        }
        if (team < 0) continue;  // entries before the first team block
        Team_Own& o = T_Own[team];
        Team_Start& st = start_records[team];
        switch (k) {
        case K_STAERKE_TOR: case K_STAERKE_ABW: case K_STAERKE_MIT: case K_STAERKE_STU:
            o.staerke[k - K_STAERKE_TOR] = st.staerke[k - K_STAERKE_TOR] = Read_Config_Get_Wert();
            break;
        case K_VARIANZ: o.varianz = static_cast<uint8_t>(Read_Config_Get_Wert()); break;
        case K_KONDITION: case K_TECHNIK: case K_INTELLIGENZ: {
            // the fields hold 30..70; a value outside is clamped and reported
            int32_t roh = Read_Config_Get_Wert();
            int32_t v = begrenzt(roh, 30, 70);
            if (v != roh)
                Print_Fehler("Team_Wert: Wert nicht innerhalb der Grenzen, wert=%d,modus=%d\n", roh,
                             159 + (k - K_KONDITION));
            if (k == K_KONDITION) o.kondition = st.kondition = static_cast<uint8_t>(v);
            else if (k == K_TECHNIK) o.technik = st.technik = static_cast<uint8_t>(v);
            else o.intelligenz = st.intelligenz = static_cast<uint8_t>(v);
            break;
        }
        case K_SPIELER: {
            T[team].spieleranzahl = 0;
            const char* text = Read_Config_Get_Wert_Text();
            if (std::strcmp(text, "SPIELER") == 0) break;  // keyword alone: empty list
            int32_t anzahl = Read_Config_Parse_Zahlen(text, liste.data(), SPIELER_LISTE_MAX);
            int32_t max = team == Jugend_Team ? TEAM_MAX_START_SPIELER
                          : team == Transfermarkt_Team ? TEAM_MAX_TRANSFERMARKT_START
                                                       : TEAM_MAX_SPIELER;
            for (int32_t i = 0; i < anzahl; ++i) {
                if (st.anzahl >= max) {
                    Print_Fehler("Team %s zu voll!\n", T_Fix[team].name);
                    break;
                }
                if (liste[static_cast<size_t>(i)] == 8899 && team == 469) continue;
                st.spieler[st.anzahl++] = liste[static_cast<size_t>(i)];
            }
            break;
        }
        case K_STADT: kopieren(T_Fix[team].stadt, Read_Config_Get_Wert_Text(), 17); break;
        case K_STADION_NAME: kopieren(stadien[size_t(team)].name, Read_Config_Get_Wert_Text(), 29); break;
        case K_SITZPL:
        case K_STEHPL: {
            // Six stands of at most 25,000 places each; a count beyond is refused and the stands
            // are laid out as for a missing one (the stadium's sums must not overflow).
            constexpr int32_t PLAETZE_MAX = STADION_TRIBUENEN * 25000;
            int32_t v = Read_Config_Get_Wert();
            if (v < 0 || v > PLAETZE_MAX) {
                Print_Fehler("Team_Wert: Wert nicht innerhalb der Grenzen, wert=%d,modus=%d\n", v, k == K_SITZPL ? 164 : 163);
                v = 0;
            }
            (k == K_SITZPL ? sitzplaetze : stehplaetze)[size_t(team)] = v;
            break;
        }
        case K_NATION: {
            if (pseudo(team)) break;
            char land[51];
            std::snprintf(land, sizeof land, "%s", Read_Config_Get_Wert_Text());
            int32_t nation = Team_Land_Nummer(land);
            if (nation < 0) {
                Print_Fehler("Team Nr. %d: Nation unbekannt!", team);
                nation = Team_Anzahl;
            }
            T_Fix[team].nation = static_cast<int16_t>(nation);
            break;
        }
        case K_NATIONALTEAM: T[team].status |= TEAM_STATUS_NATIONALTEAM; break;
        case K_KURZNAME: kopieren(T_Fix[team].kurzname, Read_Config_Get_Wert_Text(), 9); break;
        case K_GRAFIK_NR: {
            int32_t v = Read_Config_Get_Wert();
            Grenze g = grenze(173);
            if (v < g.min || v > g.max)
                Print_Fehler("Team_Wert: Wert nicht innerhalb der Grenzen, wert=%d,modus=%d\n", v, 173);
            T_Fix[team].grafik_nr = static_cast<int16_t>(begrenzt(v, g.min, g.max));
            break;
        }
        case K_KONTINENT: {
            static const char* const KONTINENTE[] = {"Europa", "Asien", "Südamerika", "Nordamerika", "Afrika", "Australien"};
            const char* text = Read_Config_Get_Wert_Text();
            int8_t kontinent = 0;
            for (int i = 0; i < 6; ++i)
                if (std::strcmp(text, KONTINENTE[i]) == 0) kontinent = static_cast<int8_t>(i);
            T_Fix[team].kontinent = kontinent;
            break;
        }
        case K_LANDNAME: T[team].status |= TEAM_STATUS_LAND; break;
        case K_KLIMA: {
            int32_t z[3] = {0, 0, 0};
            Read_Config_Parse_Zahlen(Read_Config_Get_Wert_Text(), z, 3);
            T_Fix[team].klima[0] = static_cast<uint8_t>(z[0]);
            T_Fix[team].klima[1] = static_cast<uint8_t>(z[1]);
            T_Fix[team].klima[2] = static_cast<uint8_t>(z[2] / 100);
            break;
        }
        default:
            if (k >= K_FARBE_0 && k <= K_FARBE_11) {
                int32_t z[3] = {0, 0, 0};
                Read_Config_Parse_Zahlen(Read_Config_Get_Wert_Text(), z, 3);
                for (int c = 0; c < 3; ++c) T_Fix[team].farben[k - K_FARBE_0][c] = static_cast<uint8_t>(z[c]);
            }
            break;
        }
    }
    Read_Config_Close();
    if (Transfermarkt_Team < 0) Print_Fehler("Team: TRANSFERMARKT nicht gefunden!\n");

    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        Liste_Init(&T_Fix[t].liste);
        T_Fix[t].liga = -1;
        T_Own[t].oberliga = -1;
    }
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (pseudo(t)) continue;
        if (T_Fix[t].name[0] == 0) {
            melden(Temp_Sprintf("Team Nummer %d ist in der Team-Konfiguration %d_%s nicht definiert. Es wird "
                                "daher auf die zuletzt verwendete Konfiguration zurückgegriffen.",
                                t, n + 1, "team.cfg"));
            Team_Free_Arrays(true);
            Team_Free_Zuordnungsarray();
            return false;
        }
        Stadion_Daten& stadion = stadien[size_t(t)];
        Team_Stadionplaetze_Init(t, &stadion, sitzplaetze[size_t(t)], stehplaetze[size_t(t)], 0);
        if (stadion.name[0] == 0) kopieren(stadion.name, "Stadion Namenlos", 29);
        Stadion_Neu(t, &stadion);
        if (T_Fix[t].stadt[0] == 0) kopieren(T_Fix[t].stadt, "Stadt Namenlos", 17);
        startwerte(t);
    }
    Team_Init_User_Wappen();
    return true;
}

void Team_Loesche_Managerstruktur(int32_t team, bool behalten)
{
    if (ist_client()) Print_Fehler("Client-Zugriff: Team_Loesche_Managerstruktur");
    if (!team_gueltig(team)) return;
    if (!behalten) Manager_Freigeben(T_Fix[team].manager);
    T_Fix[team].manager = nullptr;
}

bool Team_Lade_Neues_Teamfile(int32_t n)
{
    struct Gemerkt {
        int32_t team;
        Manager_Struktur* manager;
        char name[20];
    };
    std::vector<Gemerkt> gemerkt;
    for (int32_t t = 0; T_Fix && t < Team_Anzahl; ++t)
        if (T_Fix[t].manager) {
            Gemerkt g{t, T_Fix[t].manager, {}};
            std::memcpy(g.name, T[t].manager_name, sizeof g.name);
            gemerkt.push_back(g);
            T_Fix[t].manager = nullptr;
        }
    Team_Free_Zuordnungsarray();
    Team_Free_Arrays(false);
    bool ok = Team(n);
    if (!ok) ok = Team(Konfiguration_Aktuell);
    if (!ok) {
        for (auto& g : gemerkt) Manager_Freigeben(g.manager);
        return false;
    }
    std::vector<Gemerkt> offen;
    for (auto& g : gemerkt) {
        if (g.team < Team_Anzahl && Team_Filter_Pruefen(g.team, 16)) {
            T_Fix[g.team].manager = g.manager;
            // the manager keeps the name he played under; a default only for a nameless one
            if (g.name[0]) kopieren(T[g.team].manager_name, g.name, 19);
            else kopieren(T[g.team].manager_name, Manager_Standard_Vorname(static_cast<int32_t>(gemerkt.size()) - 1), 19);
        } else {
            offen.push_back(g);
        }
    }
    for (auto& g : offen) {
        int32_t frei = -1;
        for (int32_t t = 0; t < Team_Anzahl && frei < 0; ++t)
            if (Team_Filter_Pruefen(t, 8)) frei = t;
        if (frei < 0) {
            Print_Fehler("Team_Lade_Neues_Teamfile: Kein Managerteam frei!");
            Manager_Freigeben(g.manager);
            continue;
        }
        T_Fix[frei].manager = g.manager;
        kopieren(T[frei].manager_name, g.name, 19);
    }
    return ok;
}

void Team_Init_User_Wappen()
{
    if (Netz_Rolle == 2 || !T) return;
    int32_t n = Pic_Anzahl(2);
    std::vector<int32_t> nummern(static_cast<size_t>(n > 0 ? n : 0));
    if (n > 0) n = Pic_Nummern_Ermitteln(2, n, nummern.data());
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        T[t].status &= static_cast<uint8_t>(~TEAM_STATUS_USER_WAPPEN);
        for (int32_t k = 0; k < n; ++k)
            if (nummern[static_cast<size_t>(k)] == T_Fix[t].grafik_nr) T[t].status |= TEAM_STATUS_USER_WAPPEN;
    }
}

int32_t Team_Get_Free_Grafik_Nummer()
{
    if (!T_Fix || Team_Anzahl <= 0) return 0;
    std::vector<bool> belegt(static_cast<size_t>(Team_Anzahl) * 10, false);
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        int32_t g = T_Fix[t].grafik_nr;
        if (g < 0 || g >= Team_Anzahl * 10) Print_Fehler("Team_Get_Free_Grafik_Nummer: falsche Grafik-Nr.!");
        else belegt[static_cast<size_t>(g)] = true;
    }
    for (size_t i = 0; i < belegt.size(); ++i)
        if (!belegt[i]) return static_cast<int32_t>(i);
    return 0;
}

void Team_Get_Config_Daten(Team_Config_Daten* daten)
{
    if (!daten || !T) return;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        Team_Config_Daten& d = daten[t];
        std::memset(&d, 0, sizeof d);
        d.nummer = t;
        kopieren(d.name, T_Fix[t].name, 23);
        for (int i = 0; i < 4; ++i) d.staerke[i] = T_Own[t].staerke[i];
        d.kondition = T_Own[t].kondition;
        d.technik = T_Own[t].technik;
        d.intelligenz = T_Own[t].intelligenz;
        int32_t n = Teamspieler_Ins_Array(t, nullptr, -1, 0);
        if (n > 0) {
            d.spieler = static_cast<int32_t*>(Mem_Alloc(static_cast<uint32_t>(n) * 4, 0));
            d.spieleranzahl = d.spieler ? Teamspieler_Ins_Array(t, d.spieler, n, 0) : 0;
        }
        kopieren(d.stadion, Team_String(TEAM_STADION_NAME, t, nullptr, 0), 29);
        kopieren(d.stadt, T_Fix[t].stadt, 17);
        d.sitzplaetze = stadion_plaetze(t, 13);
        d.stehplaetze = stadion_plaetze(t, 14);
        d.nation = static_cast<uint8_t>(T_Fix[t].nation);
        d.status = T[t].status;
        std::memcpy(d.farben, T_Fix[t].farben, 36);
    }
}

