// Club events and match bonuses: the rating of a promised bonus and the bonus page's working
// copy, which may raise the agreed amounts but never lower them.
#include "economy/ligen.h"

#include <cstring>

#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "platform/print.h"

static Ligen_Praemie_Bewertung bewertung = nullptr;

void Ligen_Set_Praemie_Bewertung(Ligen_Praemie_Bewertung b) { bewertung = b; }

namespace {
// Percent of the base per season bonus 0..5.
constexpr int32_t ANTEIL[6] = {50, 30, 10, 20, 30, 80};

int64_t mittleres_gehalt(int32_t team)
{
    int32_t kader[64];
    // a server reads each wage from the link record the squad hands over, as field 301 reads it
    TS* records[64];
    const bool direkt = Netz_Rolle != 1 && team != Transfermarkt_Team && team != Jugend_Team;
    int32_t n = Teamspieler_Kader(team, kader, direkt ? records : nullptr, 64, 0);
    if (n > 64) n = 64;
    if (n <= 0) return 0;
    int64_t summe = 0;
    for (int32_t i = 0; i < n; ++i) summe += direkt ? records[i]->gehalt * 1000 : Teamspieler_Wert(301, team, kader[i], 0, 0);
    return summe / n;
}
}  // namespace

Ligen_Praemien Ligen_Praemien_Arbeit;

int64_t Ligen_Praemie_Erwartet(int32_t praemie, int32_t stufe, int64_t basis)
{
    if (praemie < 0 || praemie >= LIGEN_PRAEMIEN) return 0;
    if (stufe < 0) stufe = 0;
    if (stufe > 3) stufe = 3;
    if (praemie < 6) return basis * ANTEIL[praemie] / 100;
    if (praemie == 6) return (3 - stufe) * 1000 + 1000;
    return (3 - stufe) * 3000 + 3000;
}

int32_t Ligen_Motivation_Bewerte_Praemie(int32_t team, int32_t praemie, int32_t betrag, int32_t gehalt, int32_t* erwartet)
{
    if (erwartet) *erwartet = 0;
    if (bewertung) return bewertung(team, praemie, betrag);
    if (praemie < 0 || praemie >= LIGEN_PRAEMIEN) {
        Print_Fehler("Ligen_Motivation_Bewerte_Praemie: falsche Praemie-Nummer!");
        return 0;
    }
    int32_t stufe = 0;
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    if (liga >= 0) Wettbewerb_Visuell_Vertikal_Anz(liga, nullptr, &stufe);
    const int64_t basis = gehalt ? mittleres_gehalt(team) : int64_t(Team_Get_Liga_Basisbetrag(team)) * 250 / 100;
    int64_t e = Ligen_Praemie_Erwartet(praemie, stufe, basis);
    if (e > INT32_MAX) e = INT32_MAX;
    const int32_t skaliert = Wettbewerb_Niveau_Skalieren(team, int32_t(e));
    if (erwartet) *erwartet = skaliert;
    if (skaliert == 0) return 100;
    const int64_t r = int64_t(betrag) * 100 / skaliert - 50;
    return r < 0 ? 0 : r > INT32_MAX ? INT32_MAX : int32_t(r);
}

int32_t Ligen_Praemie_Runden(int32_t e)
{
    if (e > 100000) return e / 10000 * 10000;
    if (e > 10000) return e / 1000 * 1000;
    if (e > 1000) return e / 100 * 100;
    return e;
}

void Ligen_Motivation_Praemien_Vorschlag(int32_t team)
{
    for (int32_t k = 0; k < LIGEN_PRAEMIEN; ++k) {
        int32_t e = 0;
        Ligen_Motivation_Bewerte_Praemie(team, k, 0, 0, &e);
        e = Ligen_Praemie_Runden(e);
        if (e < Ligen_Praemien_Arbeit.vereinbart[k]) e = Ligen_Praemien_Arbeit.vereinbart[k];
        Ligen_Praemien_Arbeit.wert[k] = e;
    }
}

bool Ligen_Motivation_Praemien_Check(int32_t team)
{
    const auto* block = static_cast<const int32_t*>(Team_Zeiger(TEAM_TAGESBLOCK, team, nullptr, 0));
    if (!block) {
        Print_Fehler("Ligen_Motivation_Praemien_Check: praemien==NULL!");
        Ligen_Praemien_Arbeit = {};
        return false;
    }
    std::memcpy(Ligen_Praemien_Arbeit.vereinbart, block, sizeof Ligen_Praemien_Arbeit.vereinbart);
    std::memcpy(Ligen_Praemien_Arbeit.wert, block, sizeof Ligen_Praemien_Arbeit.wert);
    return true;
}

bool Ligen_Motivation_Praemien_Uebernehmen(int32_t team, bool ja)
{
    if (ja) {
        auto* block = static_cast<int32_t*>(Team_Zeiger(TEAM_TAGESBLOCK, team, nullptr, 0));
        if (block)
            for (int32_t k = 0; k < LIGEN_PRAEMIEN; ++k)
                // an agreed bonus is never lowered, whatever the working copy says
                if (Ligen_Praemien_Arbeit.wert[k] > block[k]) block[k] = Ligen_Praemien_Arbeit.wert[k];
    }
    return Ligen_Motivation_Praemien_Check(team);
}

void Ligen_Motivation_Praemien_Verwerfen(int32_t team) { Ligen_Motivation_Praemien_Check(team); }

void Ligen_Motivation_Praemie_Setzen(int32_t k, int32_t betrag)
{
    if (k < 0 || k >= LIGEN_PRAEMIEN) return;
    Ligen_Praemien_Arbeit.wert[k] = betrag < Ligen_Praemien_Arbeit.vereinbart[k] ? Ligen_Praemien_Arbeit.vereinbart[k] : betrag;
}
