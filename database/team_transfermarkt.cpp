// Transfer market upkeep: the clubs' open search interests, the balance of the market's players
// over the league systems after a season, and the shaping of the market at a new game.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "database/welt_intern.h"
#include "economy/bank.h"
#include "platform/temp.h"
#include "platform/zufall.h"

using namespace welt;

namespace {

using Interesse = int32_t[4];  // search slot, priority, team, league system

Interesse* interessen() { return static_cast<Interesse*>(Teamspieler_Zeiger(TEAMSP_TRANSFER_PRIORITY_LISTE, 0)); }

std::vector<int32_t> markt_spieler()
{
    std::vector<int32_t> liste(TEAM_MAX_START_SPIELER);
    int32_t n = team_gueltig(Transfermarkt_Team)
                    ? Teamspieler_Ins_Array(Transfermarkt_Team, liste.data(), TEAM_MAX_START_SPIELER, 0)
                    : 0;
    liste.resize(static_cast<size_t>(n > TEAM_MAX_START_SPIELER ? TEAM_MAX_START_SPIELER : n));
    return liste;
}

std::vector<int32_t> ligasysteme()
{
    std::vector<int32_t> ids(WETTBEWERB_ANZAHL);
    int32_t n = Wettbewerb_Get_Ligasysteme(ids.data());
    ids.resize(static_cast<size_t>(n < 0 ? 0 : n > WETTBEWERB_ANZAHL ? WETTBEWERB_ANZAHL : n));
    return ids;
}

bool system_gueltig(int32_t h) { return h >= 1 && h < TEAMSP_SYSTEME; }

// The strength of the league clubs' best player and the ages their squads hold: the market a new
// game starts with is made to the clubs' search profiles, whose first slot asks for anyone of 16
// to 42 and of any strength, so that it held players far above the league's best, boys and men
// of forty.
struct Liga_Rahmen {
    int32_t staerke = 999, alter_min = 16, alter_max = 40;
};

Liga_Rahmen liga_rahmen()
{
    Liga_Rahmen r;
    int32_t staerke = -1, alt_lo = INT32_MAX, alt_hi = -1;
    std::vector<int32_t> kader(TEAM_MAX_START_SPIELER);
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 0)) continue;
        const int32_t n = std::min(Teamspieler_Ins_Array(t, kader.data(), TEAM_MAX_START_SPIELER, 0), TEAM_MAX_START_SPIELER);
        for (int32_t i = 0; i < n; ++i) {
            const int32_t p = kader[static_cast<size_t>(i)];
            staerke = std::max(staerke, Spieler_Wert(SP_K_I_T, p, 0, SP_LESEN));
            const int32_t alter = Spieler_Wert(SP_ALTER, p, 0, SP_LESEN);
            alt_lo = std::min(alt_lo, alter);
            alt_hi = std::max(alt_hi, alter);
        }
    }
    // without league players the profiles stay as they are
    if (staerke < 0) return r;
    r.staerke = std::max(staerke, 1);
    r.alter_min = alt_lo;
    r.alter_max = alt_hi;
    return r;
}

// Slot k of a search profile narrowed to the league's strengths and ages.
void eingrenzen(Team_Transfersuche& s, int32_t k, const Liga_Rahmen& r)
{
    if (k < 0 || k > 3) return;
    s.staerke_max[k] = static_cast<int16_t>(std::min<int32_t>(s.staerke_max[k], r.staerke));
    s.staerke_min[k] = std::min(s.staerke_min[k], s.staerke_max[k]);
    s.alter_min[k] = static_cast<int16_t>(std::clamp<int32_t>(s.alter_min[k], r.alter_min, r.alter_max));
    s.alter_max[k] = static_cast<int16_t>(std::clamp<int32_t>(s.alter_max[k], r.alter_min, r.alter_max));
}

}  // namespace

std::vector<int32_t> Team_Basisligen()
{
    std::vector<int32_t> ids;
    for (int32_t c = Wettbewerb_Get_Erster(); c != -1; c = Wettbewerb_Get_Naechster()) ids.push_back(c);
    std::vector<int32_t> basis;
    for (int32_t c : ids) {
        const Wettbewerb_Info* info = Wettbewerb_Get_Info(c);
        if (info && info->basisliga) basis.push_back(c);
    }
    return basis;
}

void Team_Init_Transfer_Suchliste()
{
    Interesse* liste = ist_client() ? nullptr : Teamspieler_Interessen_Neu();
    if (!liste || !T) return;
    // Every open search slot in the systems' and their teams' order, then ordered by priority,
    // highest first, equal ones in that order, and cut to the list's length: the list each
    // slot would make taking its place behind all of at least its priority.
    struct Eintrag {
        int32_t slot, prioritaet, team, system;
    };
    std::vector<Eintrag> alle;
    std::vector<int16_t> teams(TEAM_MAX_ANZAHL);
    for (int32_t system : ligasysteme()) {
        int32_t n = Wettbewerb_Get_Ligasystem_Teams(system, teams.data(), TEAM_MAX_ANZAHL);
        if (n > TEAM_MAX_ANZAHL) n = TEAM_MAX_ANZAHL;
        for (int32_t i = 0; i < n; ++i) {
            const int32_t t = teams[i];
            if (!team_gueltig(t) || !T_Own) continue;
            // most clubs search for nobody on most days: their open slots are looked at first
            const Team_Transfersuche& s = T_Own[t].suche;
            uint32_t offen = 0;
            for (int32_t k = 0; k < 4; ++k) offen |= uint32_t(s.aktiv[k] != 0 && s.spieler[k] == -1) << k;
            if (!offen || !Team_Ist_Normal(t, 0)) continue;
            if (Assistent_Mit_Aufgabe(t, ASSI_AUFGABE_TRANSFER) == -1) continue;
            for (int32_t k = 0; k < 4; ++k)
                if (offen >> k & 1) alle.push_back({k, s.preis[k], t, system});
        }
    }
    std::stable_sort(alle.begin(), alle.end(), [](const Eintrag& a, const Eintrag& b) { return a.prioritaet > b.prioritaet; });
    for (size_t i = 0; i < size_t(TEAMSP_INTERESSEN); ++i) {
        const Eintrag e = i < alle.size() ? alle[i] : Eintrag{-1, -1, -1, -1};
        liste[i][0] = e.slot;
        liste[i][1] = e.prioritaet;
        liste[i][2] = e.team;
        liste[i][3] = e.system;
    }
}

void Team_Suchliste_Spieler_Entfernen(int32_t team, int32_t spnr)
{
    if (!T) return;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 0)) continue;
        Team_Transfersuche& s = T_Own[t].suche;
        for (int32_t k = 0; k < 4; ++k) {
            if (s.spieler[k] != spnr) continue;
            if (t == team) Assi_Mannschaftsaufstellung(t, -1, 0, 0, 50, -1, false);
            s.spieler[k] = -1;
            s.aktiv[k] = 0;
        }
    }
}

bool Team_Aendere_Transferspieler_Ligasystem(int32_t von, int32_t nach)
{
    client_melden("Team_Aendere_Transferspieler_Ligasystem");
    for (int32_t p : markt_spieler())
        if (Spieler_Egal_Daten[p].heimatsystem == von) {
            Spieler_Wert(SP_HEIMATSYSTEM, p, nach, SP_SCHREIBEN);
            return true;
        }
    return false;
}

void Team_Check_Transfermarkt_Nach_Saisonende()
{
    client_melden("Team_Check_Transfermarkt_Nach_Saisonende");
    const uint16_t* ziel = static_cast<const uint16_t*>(Teamspieler_Zeiger(TEAMSP_SPIELER_WETTBEWERB_LISTE, 0));
    if (!ziel || !T || !Spieler_Daten) return;
    int32_t aktuell[TEAMSP_SYSTEME] = {};
    std::vector<int16_t> teams(WETTBEWERB_MAX_TEAMS);
    for (int32_t c : Team_Basisligen()) {
        const int32_t s = Wettbewerb_Hierarchie_Oben(c);
        if (s < 0 || s >= TEAMSP_SYSTEME) continue;
        const int32_t n = Wettbewerb_Get_Teams(c, teams.data());
        for (int32_t i = 0; i < n && i < WETTBEWERB_MAX_TEAMS; ++i)
            if (team_gueltig(teams[i])) aktuell[s] += Team_Wert(TEAM_SPIELERANZAHL, teams[i], 0, TEAM_LESEN);
    }
    for (int32_t p : markt_spieler()) {
        const int32_t h = Spieler_Egal_Daten[p].heimatsystem;
        if (!system_gueltig(h)) {
            Print_Fehler("Team_Check_Transfermarkt_Nach_Saisonende: falsches Heimatsystem!");
            continue;
        }
        ++aktuell[h];
    }
    std::vector<int32_t> reihe;
    for (int32_t c = Wettbewerb_Get_Erster(); c != -1; c = Wettbewerb_Get_Naechster())
        if (c >= 0 && c < TEAMSP_SYSTEME) reihe.push_back(c);
    auto abstand = [&](int32_t s) { return aktuell[s] - int32_t(ziel[s]); };
    // every move, done or not, brings the counts one step nearer their targets: the walk ends
    for (bool bewegt = true; bewegt;) {
        bewegt = false;
        for (int32_t s : reihe) {
            if (aktuell[s] == 0 || abstand(s) == 0) continue;
            const bool zu_wenig = abstand(s) < 0;
            int32_t partner = -1;
            for (int32_t t : reihe)
                if (t != s && aktuell[t] != 0 && (zu_wenig ? abstand(t) > 0 : abstand(t) < 0)) {
                    partner = t;
                    break;
                }
            if (partner < 0) continue;
            const int32_t von = zu_wenig ? partner : s, nach = zu_wenig ? s : partner;
            const bool ok = Team_Aendere_Transferspieler_Ligasystem(von, nach);
            --aktuell[von];
            ++aktuell[nach];
            if (ok) {
                bewegt = true;
                break;
            }
        }
    }
}

void Team_Init_Transfermarkt()
{
    client_melden("Team_Init_Transfermarkt");
    Team_Init_Transfer_Suchliste();
    const Interesse* liste = interessen();
    if (!liste || !Spieler_Daten) return;
    const std::vector<int32_t> markt = markt_spieler();
    const int32_t n = static_cast<int32_t>(markt.size());
    std::vector<uint8_t> platziert(markt.size(), 0);
    const Liga_Rahmen rahmen = liga_rahmen();
    for (int32_t i = 0; i < n && i < TEAMSP_INTERESSEN; ++i) {
        const int32_t p = markt[i];
        const int32_t t = liste[i][2];
        if (team_gueltig(t)) {
            auto* suche = static_cast<Team_Transfersuche*>(Team_Zeiger(TEAM_TRANSFERSUCHE, t, nullptr, 0));
            const int32_t slot = liste[i][0];
            if (suche && slot >= 0 && slot <= 3) {
                // the player is made to the narrowed slot; the club's slot keeps its windows and
                // names him
                Team_Transfersuche eng = *suche;
                eingrenzen(eng, slot, rahmen);
                Spieler_Erschaffe_Passenden_Gesuchten_Spieler(t, p, &eng, slot, 0);
                suche->spieler[slot] = eng.spieler[slot];
                suche->aktiv[slot] = eng.aktiv[slot];
            }
            Spieler_Wert(SP_HEIMATSYSTEM, p, liste[i][3], SP_SCHREIBEN);
            platziert[i] = 1;
            Print_Log(0, "%s (%d) hat Interesse an: %s (%d)\n", Team_String(TEAM_NAME, t, nullptr, 0), t,
                      Spieler_String(SP_NAME, p, nullptr, 0), p);
        } else {
            Team_Transfersuche profil{};
            const int32_t staerke = Zufall_Gross(40, std::clamp(rahmen.staerke, 40, 985));
            const int32_t gezogen = Zufall_Gross(18, 28);
            const int32_t alter = std::clamp(gezogen, rahmen.alter_min, rahmen.alter_max);
            profil.alter_min[0] = profil.alter_max[0] = static_cast<int16_t>(alter);
            profil.staerke_min[0] = profil.staerke_max[0] = static_cast<int16_t>(staerke);
            profil.zelle_a[0] = 0;
            profil.zelle_b[0] = 458;
            profil.spieler[0] = -1;
            profil.torwart[0] = Spieler_Wert(SP_ART, p, 0, SP_LESEN) == 0 ? 1 : 0;
            profil.aktiv[0] = 1;
            Spieler_Erschaffe_Passenden_Gesuchten_Spieler(-1, p, &profil, 0, 1);
        }
    }
    const std::vector<int32_t> systeme = ligasysteme();
    for (int32_t i = 0; i < n; ++i) {
        if (platziert[i]) continue;
        const int32_t p = markt[i];
        const int32_t torwart = Zufall_Gross(0, 4);
        if (torwart == 0) Spieler_Wert(SP_LIEBLINGSPOS, p, SP_POS_TORWART, SP_SCHREIBEN);
        // without a league system the player keeps his home system
        if (systeme.empty()) continue;
        const int32_t index = Zufall_Gross(0, static_cast<int32_t>(systeme.size()) - 1);
        Spieler_Wert(SP_HEIMATSYSTEM, p, systeme[static_cast<size_t>(index)], SP_SCHREIBEN);
    }
}

namespace {

// The fewest players of each kind (keeper, defence, midfield, attack) a squad must have.
constexpr int32_t KADER_ART_MINIMUM[4] = {2, 4, 5, 3};
// A computer club with money keeps this many players, the ones beyond the minimum young.
constexpr int32_t KADER_SOLL_COMPUTER = TEAM_KADER_MINIMUM + 2;
constexpr int32_t KADER_SOLL_ALTER = 21;

int32_t art_von(int32_t spnr)
{
    const int32_t art = Spieler_Wert(SP_ART, spnr, 0, SP_LESEN);
    return art >= 0 && art < 4 ? art : 1;
}

// The market player who suits the club best: of the kind it lacks most, from its own league
// system where possible, nearest to the squad's mean strength; -1 when the market has none.
// With `nur_junge` only a young player of its own system counts.
int32_t passender_marktspieler(int32_t team, const std::vector<int32_t>& markt, bool nur_junge)
{
    int32_t anzahl[4] = {}, summe = 0, n = 0;
    int32_t kader[TEAM_MAX_SPIELER];
    int32_t k = Teamspieler_Ins_Array(team, kader, TEAM_MAX_SPIELER, 0);
    if (k > TEAM_MAX_SPIELER) k = TEAM_MAX_SPIELER;
    for (int32_t i = 0; i < k; ++i) {
        ++anzahl[art_von(kader[i])];
        summe += Spieler_Wert(SP_K_I_T, kader[i], 0, SP_LESEN);
        ++n;
    }
    const int32_t mittel = n ? summe / n : 500;
    // the kind furthest below its minimum, else the one with the least cover
    int32_t art = 0;
    for (int32_t a = 1; a < 4; ++a)
        if (anzahl[a] * KADER_ART_MINIMUM[art] < anzahl[art] * KADER_ART_MINIMUM[a]) art = a;
    const int32_t system = Team_Wert(TEAM_OBERLIGA, team, 0, TEAM_LESEN);
    int32_t bester = -1, beste_note = 0;
    for (int32_t p : markt) {
        const bool eigenes = Spieler_Egal_Daten[p].heimatsystem == system;
        if (nur_junge && (!eigenes || Spieler_Wert(SP_ALTER, p, 0, SP_LESEN) > KADER_SOLL_ALTER)) continue;
        const int32_t abstand = std::abs(Spieler_Wert(SP_K_I_T, p, 0, SP_LESEN) - mittel);
        const int32_t note = (art_von(p) == art ? 0 : 4000) + (eigenes ? 0 : 2000) + abstand;
        if (bester < 0 || note < beste_note) {
            bester = p;
            beste_note = note;
        }
    }
    return bester;
}

// How many players a league club signs from the market for: every club its eleven and bench; a
// computer club with money in the bank two more, young players of its own league system. The
// clubs of a large league system buy each other's listed players while the young players that
// its retirements bring into the market fit nobody's search: its squads thinned to the minimum
// while the market filled with its young players.
int32_t kader_soll(int32_t team)
{
    if (Team_Hat_Manager(team) || Bank_Get_Kontostand(team, 0, -1) <= 0) return TEAM_KADER_MINIMUM;
    return KADER_SOLL_COMPUTER;
}

}  // namespace

void Team_Kader_Auffuellen()
{
    if (ist_client() || !T || !team_gueltig(Transfermarkt_Team)) return;
    std::vector<int32_t> markt;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 0) || T[t].spieleranzahl >= KADER_SOLL_COMPUTER) continue;
        const int32_t soll = kader_soll(t);
        if (T[t].spieleranzahl >= soll) continue;
        if (markt.empty()) markt = markt_spieler();
        while (T[t].spieleranzahl < soll && !markt.empty()) {
            const bool minimum = T[t].spieleranzahl < TEAM_KADER_MINIMUM;
            const int32_t p = passender_marktspieler(t, markt, !minimum);
            if (p < 0) break;
            markt.erase(std::find(markt.begin(), markt.end(), p));
            const int32_t monate = 24;
            int32_t gehalt = 0, abloese = 0;
            Spieler_Bewerte_Marktwert_Gehalt(t, p, -1, -1, monate, &gehalt, &abloese, 0);
            gehalt = gehalt * Team_Gehalt_Prozent(t) / 100;
            if (!Teamspieler_Kommt_Oder_Geht(1, t, p, gehalt, 0, monate, -1, true)) break;
            Teamspieler_Kommt_Oder_Geht(0, Transfermarkt_Team, p, 0, 0, 0, -1, false);
            Richter_Alle_Angebote_Zu_Einem_Spieler_Loeschen(p);
            Team_Suchliste_Spieler_Entfernen(-1, p);
            if (minimum)
                melden(t, Temp_Sprintf("Ihr Kader ist auf %d Spieler geschrumpft. Damit der Verein elf Spieler und die Ersatzbank "
                                       "aufbieten kann, verpflichtet er %s vom Transfermarkt für %s pro Jahr.",
                                       T[t].spieleranzahl - 1, spieler_name(p),
                                       Bank_Betrag_String(float(gehalt) * 1000.0f, t, -1, 0)));
        }
    }
}
