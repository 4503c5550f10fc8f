// The youth team's players grow up: they age on their birthdays like everybody else, and one who
// comes of age leaves for the transfer market. The number of players is fixed, so the boy who
// takes his place is made in the record of the market's oldest player, who leaves the game; the
// youth team and the market keep their sizes, and every player stays in exactly one team.
#include <algorithm>
#include <vector>

#include "database/spieler.h"
#include "database/teamspieler.h"
#include "database/welt_intern.h"

using namespace welt;

namespace {

// The youth team's players, at most a full list.
std::vector<int32_t> jugend_kader()
{
    std::vector<int32_t> kader(TEAM_MAX_START_SPIELER);
    const int32_t n = Teamspieler_Ins_Array(Jugend_Team, kader.data(), TEAM_MAX_START_SPIELER, 0);
    kader.resize(size_t(std::clamp(n, 0, TEAM_MAX_START_SPIELER)));
    return kader;
}

// The market's oldest player (the first of them in the market's order), -1 for an empty market.
int32_t aeltester_marktspieler()
{
    if (!team_gueltig(Transfermarkt_Team)) return -1;
    std::vector<int32_t> markt(TEAM_MAX_START_SPIELER);
    const int32_t n = std::min(Teamspieler_Ins_Array(Transfermarkt_Team, markt.data(), TEAM_MAX_START_SPIELER, 0),
                               TEAM_MAX_START_SPIELER);
    int32_t alt = -1;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t q = markt[size_t(i)];
        if (spieler_gueltig(q) && (alt < 0 || Spieler_Daten[q].alter > Spieler_Daten[alt].alter)) alt = q;
    }
    return alt;
}

// The graduate p goes to the market in the league system of the market player q, whose record
// becomes a boy as strong as the youth team's players are and joins the youth team. With nobody
// on the market the graduate gives up football: the boy is made in his own record.
void jugend_verlassen(int32_t p)
{
    int32_t lo = 999, hi = 1;
    for (const int32_t k : jugend_kader()) {
        const int32_t staerke = Spieler_Wert(SP_K_I_T, k, 0, SP_LESEN);
        lo = std::min(lo, staerke);
        hi = std::max(hi, staerke);
    }
    lo = std::min(lo, hi);
    const int32_t q = aeltester_marktspieler();
    if (q < 0 || !Teamspieler_Kommt_Oder_Geht(0, Transfermarkt_Team, q, 0, 0, 0, -1, false)) {
        Spieler_Setze_Jugendspieler_Neu(p, p, SP_JUGEND_EINTRITT, lo, hi);
        return;
    }
    Teamspieler_Kommt_Oder_Geht(0, Jugend_Team, p, 0, 0, 0, -1, false);
    Spieler_Egal_Daten[p].heimatsystem = Spieler_Egal_Daten[q].heimatsystem;
    Teamspieler_Kommt_Oder_Geht(1, Transfermarkt_Team, p, 0, 0, 12, -1, true);
    Spieler_Setze_Jugendspieler_Neu(q, p, SP_JUGEND_EINTRITT, lo, hi);
    Teamspieler_Kommt_Oder_Geht(1, Jugend_Team, q, 0, 0, 12, -1, true);
}

}  // namespace

bool Spieler_Jugend_Geburtstag(int32_t spnr)
{
    if (ist_client() || !team_gueltig(Jugend_Team) || !spieler_gueltig(spnr) ||
        Teamspieler_Ist_Im_Team(Jugend_Team, spnr) < 0)
        return false;
    Spieler_Struktur& s = Spieler_Daten[spnr];
    if (s.alter < 255) ++s.alter;
    if (s.alter >= SP_JUGEND_AUSTRITT) jugend_verlassen(spnr);
    return true;
}
