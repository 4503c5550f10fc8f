// Fixture set-up of a season. Each competition record gets one fixture block. A league plays the
// circle method over its (shuffled) team list, or the slot pairs its WER_GEGEN_WEN gives; a
// knock-out record draws its first round now, later rounds when the round before ends.
//
// The pairs a set-up plays are recorded in `wer_gegen_wen` (home slot, away slot per game) and the
// team list keeps the order used: a client receives both and rebuilds the same fixtures without a
// draw. Recording the circle's pairs changes nothing on the next set-up, since the circle over
// slots is the same every season; only the shuffled list differs.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_intern.h"
#include "gameflow/globals.h"
#include "platform/print.h"
#include "platform/zufall.h"

namespace {

bool ist_freundschaft(const Wettbewerb_Datensatz& w)
{
    return w.schalter[4] || w.super_art == SA_FREUNDSCHAFT;
}

void liste_mischen(Wettbewerb_Datensatz& w)
{
    for (int32_t i = w.listen.anzahl - 1; i > 0; --i) {
        const int32_t j = Zufall(0, i);
        std::swap(w.listen.teams[i], w.listen.teams[j]);
    }
}

int32_t team_von_slot(const Wettbewerb_Datensatz& w, int32_t slot)
{
    if (slot < 0 || slot >= w.listen.anzahl) return -1;
    return w.listen.teams[slot];
}

// Writes one game. A league's pair with a free side stays unset (a bye); in a knock-out tie the
// one club there is goes on alone (home side set, away side empty).
void paar_setzen(int32_t block, int32_t tag, int32_t runde, int32_t slot, int32_t heim_slot,
                 int32_t gast_slot, const Wettbewerb_Datensatz& w)
{
    int32_t heim = team_von_slot(w, heim_slot), gast = team_von_slot(w, gast_slot);
    if (heim < 0) std::swap(heim, gast);
    if (heim < 0 || (gast < 0 && !(w.modus & KO_SYSTEM))) return;
    const int32_t h = Spiele_Lock_Lokal(block, tag, runde, slot);
    if (!h) return;
    Spiele_Set_Teams(h, heim, gast < 0 ? SPIELE_KEIN_TEAM : gast);
    Spiele_Unlock(h);
}

// True while a group of the round before has match days to play: this round's field is not
// complete yet and is drawn when that round ends.
bool vorrunde_laeuft(const Wettbewerb_Datensatz& w)
{
    const Wettbewerb_Datensatz* vor = Wettbewerb_Vorrunde(&w);
    if (!vor) return false;
    for (Wettbewerb_Id g = Wettbewerb_Get_Erste_Gruppe(vor->id); g >= 0; g = Wettbewerb_Get_Naechste_Gruppe(g)) {
        const Wettbewerb_Datensatz* d = wb_per_id(g);
        if (d && d->spieltage > 0 && d->spieltag < d->spieltage) return true;
    }
    return false;
}

// Pair `i` of round `r` of the circle method over `n` (even) slots; slot n - 1 stands still.
void kreis_paar(int32_t n, int32_t r, int32_t i, int32_t* a, int32_t* b)
{
    const int32_t m = n - 1;
    if (i == 0) {
        // The fixed slot alternates home and away from round to round.
        *a = r % 2 ? m : r;
        *b = r % 2 ? r : m;
        return;
    }
    // Every second pair turns round, so that no club stays at home or away for long runs: a
    // club meets its pairs in turn from the one side and the other, at most two on one side.
    *a = (r + i) % m;
    *b = (r - i + m) % m;
    if (i % 2) std::swap(*a, *b);
}

bool liga_anlegen(Wettbewerb_Datensatz& w, bool client)
{
    const int32_t n = w.teams + (w.teams & 1);   // an odd league plays with a bye slot
    const int32_t pro_tag = n / 2;
    const int32_t block = Spiele_Init_Neue_Spiele(1, w.teams, w.spieltage, 1, w.id, -1);
    if (block < 0) return false;
    w.spiele_block = block;
    if (!client) liste_mischen(w);

    // Configured pairs cover whole match days; past their end they repeat with home and away
    // swapped in every second cycle, as the circle does.
    const int32_t paar_tage = w.wer_gegen_wen_anz / (2 * pro_tag);
    const int32_t zyklus = paar_tage > 0 ? paar_tage : n - 1;
    std::vector<uint8_t> gespielt;
    gespielt.reserve(size_t(2 * pro_tag * w.spieltage));
    for (int32_t tag = 0; tag < w.spieltage; ++tag) {
        const int32_t r = tag % zyklus;
        const bool tauschen = (tag / zyklus) % 2 == 1;
        for (int32_t i = 0; i < pro_tag; ++i) {
            int32_t a, b;
            if (paar_tage > 0) {
                a = w.wer_gegen_wen[2 * (r * pro_tag + i)];
                b = w.wer_gegen_wen[2 * (r * pro_tag + i) + 1];
            } else {
                kreis_paar(n, r, i, &a, &b);
            }
            if (tauschen) std::swap(a, b);
            // The slot beyond TEAMS is an odd league's bye.
            gespielt.push_back(uint8_t(a));
            gespielt.push_back(uint8_t(b));
            paar_setzen(block, tag, 0, i, a, b, w);
        }
    }
    if (gespielt.size() <= size_t(WETTBEWERB_WER_GEGEN_WEN_MAX)) {
        std::copy(gespielt.begin(), gespielt.end(), w.wer_gegen_wen);
        w.wer_gegen_wen_anz = int32_t(gespielt.size());
    }
    return true;
}

bool ko_anlegen(Wettbewerb_Datensatz& w, bool client)
{
    const int32_t beine = std::max(1, w.best_of_x);
    const int32_t block = Spiele_Init_Neue_Spiele(0, w.teams, w.spieltage, beine, w.id, -1);
    if (block < 0) return false;
    w.spiele_block = block;
    if (w.listen.anzahl == 0 || (w.listen.anzahl < w.teams && vorrunde_laeuft(w))) {
        // Entrants come from an earlier round: drawn when that round ends.
        w.wer_gegen_wen_anz = 0;
        return true;
    }
    const int32_t paare = (w.teams + 1) / 2;
    const bool konfiguriert = w.wer_gegen_wen_anz >= 2 * paare;
    if (!client && !konfiguriert) liste_mischen(w);
    std::vector<uint8_t> gespielt;
    for (int32_t runde = 0; runde < beine; ++runde)
        for (int32_t i = 0; i < paare; ++i) {
            int32_t a = 2 * i, b = 2 * i + 1;
            if (konfiguriert) {
                a = w.wer_gegen_wen[2 * i];
                b = w.wer_gegen_wen[2 * i + 1];
            }
            if (runde % 2) std::swap(a, b);
            gespielt.push_back(uint8_t(std::min(a, w.teams)));
            gespielt.push_back(uint8_t(std::min(b, w.teams)));
            paar_setzen(block, 0, runde, i, a, b, w);
        }
    if (gespielt.size() <= size_t(WETTBEWERB_WER_GEGEN_WEN_MAX)) {
        std::copy(gespielt.begin(), gespielt.end(), w.wer_gegen_wen);
        w.wer_gegen_wen_anz = int32_t(gespielt.size());
    }
    return true;
}

}  // namespace

bool Wettbewerb_Spielplan_Anlegen(Wettbewerb_Id id)
{
    Wettbewerb_Datensatz* w = wb_per_id(id);
    if (!w || !Spiele_Ist_Initialisiert()) return false;
    // A client lays out the server's lists as they were drawn there: expected, not reported.
    const Spiele_Client_Spielplan spielplan;
    if (w->spiele_block >= 0 && Spiele_Get_Block_Kopf(w->spiele_block)) Spiele_Wettbewerb_Loeschen(w->spiele_block);
    w->spiele_block = -1;
    w->spieltag = 0;
    w->runde = 0;
    if (ist_freundschaft(*w) || w->spieltage <= 0 || w->teams < 2) return true;
    const bool client = Netz_Rolle == 1;
    const bool ok = (w->modus & KO_SYSTEM) ? ko_anlegen(*w, client) : liga_anlegen(*w, client);
    if (!ok) Print_Fehler("Spielplan von %s konnte nicht angelegt werden!\n", w->name);
    return ok;
}

bool Wettbewerb_Spielplaene_Anlegen()
{
    if (!Wettbewerb_Bereit()) return false;
    bool ok = true;
    for (int32_t i = 0; i < WETTBEWERB_ANZAHL; ++i) {
        const Wettbewerb_Datensatz* w = wb_link(i);
        if (!w || !wb_benutzt(*w)) continue;
        if (!Wettbewerb_Spielplan_Anlegen(w->id)) ok = false;
    }
    return ok;
}
