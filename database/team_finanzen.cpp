#include <algorithm>
// Money-related values of the teams that the transfer decisions read.
#include <cstring>
#include <vector>

#include "competitions/wettbewerb.h"
#include "database/teamspieler.h"
#include "database/welt_intern.h"
#include "gameflow/team_requester.h"
#include "platform/temp.h"
#include "platform/zufall.h"
#include "database/team.h"
#include "economy/bank.h"
#include "platform/print.h"

int32_t Team_Get_Liga_Basisbetrag(int32_t team)
{
    static const int32_t BASIS[4] = {1050000, 700000, 350000, 130000};
    int32_t stufe = 0, stufen = 1;
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    if (liga >= 0) Wettbewerb_Visuell_Vertikal_Anz_Min(liga, &stufe, &stufen, 4);
    if (stufe < 0) stufe = 0;
    return BASIS[stufe > 3 ? 3 : stufe];
}

int32_t Team_Rueckhalt_Prozent(int32_t team)
{
    if (!T || team < 0 || team >= Team_Anzahl || team == Transfermarkt_Team || team == Jugend_Team) return 0;
    const int64_t stand = Bank_Get_Kontostand(team, 0, -1);
    const int64_t jahr = 52 * int64_t(Team_Get_Wochenausgaben(team, 26));
    if (stand <= 0) return 0;
    if (jahr <= 0) return 100;
    return int32_t(std::min<int64_t>(100, stand * 100 / jahr));
}

// Wages follow the money both ways. A club in debt pays a share of the demand that falls with
// its debt, to half at a quarter of a season's wages owed: falling to half only at a whole
// season owed, the clubs in debt kept signing at three quarters and more and never came back. A
// rich club pays more, from an eighth of a season of its wages in the bank up to 125 at five
// eighths. Once its stadium is built nothing else spends a top club's surplus; but paying more
// from its first money on, up to 150 at half a season, a club spent the reserve its lean months
// need, and the richest signed the strongest players on contracts of up to four years whose
// wages outran their income once the money that paid the first years was gone (a top club went
// from +21 M to -36 M in two seasons).
int32_t Team_Gehalt_Prozent(int32_t team)
{
    if (!T || team < 0 || team >= Team_Anzahl || Team_Hat_Manager(team)) return 100;
    const int64_t stand = Bank_Get_Kontostand(team, 0, -1);
    const int64_t jahr = 52 * int64_t(Team_Get_Wochenausgaben(team, 26));
    if (jahr <= 0) return stand < 0 ? 50 : 100;
    if (stand < 0) return int32_t(std::max<int64_t>(50, 100 + 200 * stand / jahr));
    return int32_t(std::clamp<int64_t>(100 + 50 * (stand - jahr / 8) / jahr, 100, 125));
}

int32_t Team_Get_Finanzkraft(int32_t team)
{
    if (team == -1 || team == Transfermarkt_Team || team == Jugend_Team) return 0;
    if (!T || team < 0 || team >= Team_Anzahl) {
        Print_Fehler("Team_Get_Finanzkraft: falsche teamnr %d!", team);
        return 0;
    }
    if (!Team_Hat_Manager(team)) return T_Own[team].finanzkraft;
    const int32_t stand = Bank_Get_Kontostand(team, 0, -1);
    int32_t basen = stand / Team_Get_Liga_Basisbetrag(team);
    if (basen < 0) basen = 0;
    if (basen > 8) basen = 8;
    return basen * 12;
}

namespace {

bool pseudo(int32_t team) { return team == Transfermarkt_Team || team == Jugend_Team; }

// Every team, or only the one given, without the two pseudo-teams.
template <typename F>
void fuer_teams(int32_t team, F&& f)
{
    if (team != -1) {
        if (!welt::team_gueltig(team)) {
            Print_Fehler("Team: falsche teamnr %d!", team);
            return;
        }
        if (!pseudo(team)) f(team);
        return;
    }
    if (!T) return;
    for (int32_t t = 0; t < Team_Anzahl; ++t)
        if (!pseudo(t)) f(t);
}

const char* geld(int64_t dm, int32_t team) { return Bank_Betrag_String(static_cast<float>(dm), team, -1, 0); }

}  // namespace

int32_t Team_Berechne_Finanzbasis(int32_t team, int32_t* basis_aus)
{
    static const int64_t FEST[5] = {3000000, 2300000, 1500000, 500000, 0};
    const uint32_t stufe = Schwierigkeitsstufe > 4 ? 4 : Schwierigkeitsstufe;
    const int64_t basis = int64_t(Wettbewerb_Get_Liga_Niveau(team)) * 15000 + FEST[stufe];
    int32_t platz = -1;
    const int64_t prozent = Wettbewerb_Get_Tabellenplatz_Prozent(team, &platz);
    int64_t x = basis + prozent * (basis / 2) / 100;
    if (stufe == 0) x = x * 20 / 10;
    else if (stufe == 1) x = x * 15 / 10;
    else if (stufe == 2) x = x * 13 / 10;
    x = Wettbewerb_Niveau_Skalieren(team, static_cast<int32_t>(x));
    x = x / 100000 * 100000;
    if (platz == 0) x += stufe <= 2 ? basis : basis / 4;
    if (basis_aus) *basis_aus = static_cast<int32_t>(basis);
    return static_cast<int32_t>(x);
}

namespace {

// A computer club that goes down keeps its squad but not its wages: its players' contracts take
// the cut of a relegation. Income follows the league level, and a club relegated from a first
// tier to a tier at half its level paid first-tier wages from a second tier's gate until the
// last of its four-year contracts ran out; the clubs that sank furthest were such clubs.
constexpr int32_t ABSTIEG_GEHALT_PROZENT = 70;

void abstieg_gehaelter_kuerzen(int32_t team)
{
    int32_t kader[TEAM_MAX_SPIELER + 1];
    const int32_t n = std::min(Teamspieler_Ins_Array(team, kader, TEAM_MAX_SPIELER + 1, 0), TEAM_MAX_SPIELER + 1);
    for (int32_t i = 0; i < n; ++i) {
        const int64_t gehalt = Teamspieler_Wert(301, team, kader[i], 0, 0);
        Teamspieler_Wert(301, team, kader[i], int32_t(gehalt * ABSTIEG_GEHALT_PROZENT / 100 / 1000 * 1000), 1);
    }
}

}  // namespace

void Team_Set_Finanzdaten(int32_t team, int32_t ergebnis)
{
    welt::client_melden("Team_Set_Finanzdaten");
    fuer_teams(team, [ergebnis](int32_t t) {
        int32_t platz = -1;
        const int32_t prozent = Wettbewerb_Get_Tabellenplatz_Prozent(t, &platz);
        T_Own[t].finanzkraft =
            static_cast<uint8_t>(0.8 * prozent + 0.2 * Wettbewerb_Get_Team_Bedeutung(t));
        if (!Team_Hat_Manager(t)) {
            if (ergebnis == 2) abstieg_gehaelter_kuerzen(t);
            return;
        }
        int32_t basis = 0;
        int64_t geld_dm = Team_Berechne_Finanzbasis(t, &basis);
        const char* text;
        if (ergebnis == 2) {
            text = "Leider ist in der Satzung des DORVIN-Ziduridavozozor-Sport-Fonds festgelegt, daß Absteiger NICHT "
                   "mit finanziellen Zuschüssen bedacht werden. Schade für Sie. Aber in der nächsten Saison läuft's "
                   "bestimmt besser...";
            geld_dm = 0;
            int32_t kader[TEAM_MAX_SPIELER + 1];
            int32_t n = Teamspieler_Ins_Array(t, kader, 50, 0);
            if (n > 50) n = 50;
            for (int32_t i = 0; i < n; ++i) {
                const int32_t w = Spieler_Wert(SP_ANGEBOTSWERT, kader[i], 0, SP_LESEN);
                if (w > 2) Spieler_Wert(SP_ANGEBOTSWERT, kader[i], w / 3, SP_SCHREIBEN);
            }
        } else if (platz == 0) {
            text = Temp_Sprintf("Ihre Superleistung in der abgelaufenen Saison läßt einen warmen Geldregen auf Sie "
                                "niederrieseln. Der DORVIN-Ziduridavozozor-Sport-Fonds honoriert Ihre Meisterschaft "
                                "mit %s.",
                                geld(geld_dm, t));
        } else if (ergebnis == 1) {
            geld_dm += basis / 2;
            text = Temp_Sprintf("Der DORVIN-Ziduridavozozor-Sport-Fond honoriert Ihre sportliche Leistung in der "
                                "abgelaufenen Saison mit %s. Zusätzlich wird Ihr Aufstieg mit %s belohnt.",
                                geld(geld_dm, t), geld(int64_t(basis * 0.5), t));
        } else if (platz < 0) {
            // No table place to pay for (a club outside every league, or a league without a
            // table yet): the fund's prize money goes by the place, so there is none.
            return;
        } else {
            text = Temp_Sprintf("Ihr %d. Platz in der abgelaufenen Saison bringt Ihnen Preisgelder aus dem "
                                "DORVIN-Ziduridavozozor-Sport-Fonds in Höhe von %s",
                                platz + 1, geld(geld_dm, t));
        }
        Team_Requester(0, t, "%s", text);
        welt::melden(t, text);
        if (geld_dm > 0) Schreibe_Überweisung(-1, t, static_cast<float>(geld_dm), 36, 1, -1);
    });
}

void Team_Set_Basisdaten(int32_t team, int32_t liga)
{
    welt::client_melden("Team_Set_Basisdaten");
    fuer_teams(team, [liga](int32_t t) {
        const int32_t l = liga != -1 ? liga : Wettbewerb_Get_Team_Wettbewerb(t, 1);
        Team_Wert(TEAM_LIGA_FEST, t, l, TEAM_SCHREIBEN);
        Team_Wert(TEAM_OBERLIGA, t, l == -1 ? -1 : Wettbewerb_Hierarchie_Oben(l), TEAM_SCHREIBEN);
        // the season's bonuses end with the season
        std::memset(T_Own[t].tagesblock, 0, sizeof T_Own[t].tagesblock);
    });
}

void Team_Set_Spielergehaelter()
{
    welt::client_melden("Team_Set_Spielergehaelter");
    if (!T) return;
    std::vector<int32_t> kader(TEAM_MAX_START_SPIELER);
    const uint32_t stufe = Schwierigkeitsstufe > 4 ? 4 : Schwierigkeitsstufe;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 1) && !pseudo(t)) continue;
        int32_t n = Teamspieler_Ins_Array(t, kader.data(), TEAM_MAX_START_SPIELER, 0);
        if (n > TEAM_MAX_START_SPIELER) n = TEAM_MAX_START_SPIELER;
        for (int32_t i = 0; i < n; ++i) {
            const int32_t p = kader[i];
            int32_t monate = 12, gehalt = 0;
            if (!pseudo(t)) {
                if (Team_Hat_Manager(t)) monate = Zufall_Gross(6 + 6 * int32_t(stufe), 16 + 5 * int32_t(stufe));
                else monate = Zufall_Gross(10, 48);
                int32_t abloese = 0;
                Spieler_Bewerte_Marktwert_Gehalt(t, p, -1, -1, monate, &gehalt, &abloese, 0);
            }
            Teamspieler_Wert(305, t, p, monate, 1);
            Teamspieler_Wert(301, t, p, gehalt * 1000, 1);
        }
    }
}

void Team_Schuette_Praemie_Aus(int32_t team, int32_t nummer)
{
    if (nummer < 0 || nummer > 7) {
        Print_Fehler("Team_Schuette_Praemie_Aus: praemie_nr falsch!");
        return;
    }
    if (!welt::team_gueltig(team)) return;
    const int32_t betrag = T_Own[team].tagesblock[nummer];
    if (betrag != 0) Schreibe_Überweisung(team, -1, static_cast<float>(betrag), 32, 1, -1);
}
