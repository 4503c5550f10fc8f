// Match-day rules of a competition: halves and their ends, extra time and shoot-outs, the winner
// of a knock-out tie, the day list entry of a match day, its importance and the point prizes.
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "competitions/wettbewerb_intern.h"
#include "economy/bank.h"
#include "gameflow/globals.h"
#include "platform/liste.h"
#include "platform/print.h"
#include "platform/zufall.h"

namespace {

bool ist_ko(const Wettbewerb_Datensatz& w) { return (w.modus & KO_SYSTEM) != 0; }
int32_t beine(const Wettbewerb_Datensatz& w) { return std::max(1, w.best_of_x); }

// The leg that decides a tie: extra time and a shoot-out belong to it alone.
bool entscheidet(const Wettbewerb_Datensatz& w, int32_t runde)
{
    if (!ist_ko(w)) return false;
    if (runde < 0) runde = w.runde;
    return runde + 1 >= beine(w);
}

}  // namespace

int32_t Wettbewerb_Get_Halbzeit_Ende(Wettbewerb_Id id, int32_t minute, int32_t h)
{
    if (!Wettbewerb_Bereit()) return 0;
    const Wettbewerb_Datensatz* w = wb_per_id(id);
    if (!w || h < 0) return -1;
    const int32_t H = w->anz_halbzeiten, X = w->anz_halbzeiten_verl;
    int32_t ende;
    if (h < H) ende = (h + 1) * w->halbzeit_laenge;
    else if (h < H + X) ende = H * w->halbzeit_laenge + (h - H + 1) * w->halbzeit_laenge_verl;
    else return -1;
    return minute >= ende ? ende : -1;
}

int32_t Wettbewerb_Halbzeit_Ende_Pruefen(Wettbewerb_Id id, int32_t minute, int32_t h, int32_t fertig, int32_t schnell)
{
    const int32_t ende = Wettbewerb_Get_Halbzeit_Ende(id, minute, h);
    if (ende <= 0) return 0;
    const Wettbewerb_Datensatz* w = wb_per_id(id);
    if (!schnell && !fertig && h < WETTBEWERB_HALBZEITEN_MAX) {
        // The memo lives in the record, so a game saved in stoppage time resumes with it.
        int8_t& zusatz = wb_per_id(id)->nachspielzeit[h];
        if (zusatz < 0) {
            const int32_t z = Zufall(0, 5);
            zusatz = int8_t(z);
        }
        if (minute < ende + zusatz) return 0;
        zusatz = -1;
    }
    const int32_t H = w->anz_halbzeiten, X = w->anz_halbzeiten_verl;
    return (h + 1 == H || h + 1 == H + X) ? 2 : 1;
}

int32_t Wettbewerb_Get_Halbzeiten(Wettbewerb_Id id, int32_t runde)
{
    const Wettbewerb_Datensatz* w = Wettbewerb_Bereit() ? wb_per_id(id) : nullptr;
    if (!w) return 0;
    int32_t n = w->anz_halbzeiten;
    // Only a tie's deciding leg goes on past regular time; a knock-out tie always ends with a
    // winner, so it counts its shoot-out even without ELFMETERSCHIESSEN.
    if (entscheidet(*w, runde)) {
        if (w->modus & VERLAENGERUNG) n += w->anz_halbzeiten_verl;
        ++n;
    }
    return n;
}

bool Wettbewerb_Ist_Sudden_Death(Wettbewerb_Id id, int32_t h)
{
    const Wettbewerb_Datensatz* w = Wettbewerb_Bereit() ? wb_per_id(id) : nullptr;
    return w && (w->modus & SUDDEN_DEATH) && h >= w->anz_halbzeiten;
}

bool Wettbewerb_Elfmeterschiessen_Noetig(Wettbewerb_Id id, int32_t runde, int32_t slot, int32_t h)
{
    const Wettbewerb_Datensatz* w = Wettbewerb_Bereit() ? wb_per_id(id) : nullptr;
    if (!w || !entscheidet(*w, runde)) return false;
    int32_t letzte = w->anz_halbzeiten;
    if (w->modus & VERLAENGERUNG) letzte += w->anz_halbzeiten_verl;
    if (h + 1 < letzte) return false;
    return Wettbewerb_Get_Paarung_Sieger(id, runde, slot, -1) == -1;
}

int32_t Wettbewerb_Get_Spielminuten(Wettbewerb_Id id, int32_t mit_verlaengerung)
{
    const Wettbewerb_Datensatz* w = Wettbewerb_Bereit() ? wb_per_id(id) : nullptr;
    if (!w) return 0;
    int32_t n = w->anz_halbzeiten * w->halbzeit_laenge;
    if (mit_verlaengerung) n += w->anz_halbzeiten_verl * w->halbzeit_laenge_verl;
    return n;
}

int32_t Wettbewerb_Get_Paarung_Sieger(Wettbewerb_Id id, int32_t runde, int32_t slot, int32_t extra)
{
    const Wettbewerb_Datensatz* w = Wettbewerb_Bereit() ? wb_per_id(id) : nullptr;
    if (!w || !ist_ko(*w)) return -2;
    if (w->spiele_block < 0 || runde < 0) return -1;
    if (runde >= beine(*w)) runde = beine(*w) - 1;
    int32_t a = -1, b = -1;
    int32_t tore[2] = {0, 0}, auswaerts[2] = {0, 0};
    for (int32_t bein = 0; bein <= runde; ++bein) {
        const int32_t h = Spiele_Lock(w->spiele_block, w->spieltag, bein, slot);
        if (!h) return -1;
        const Spiele_Spiel s = *Spiele_Get_Spiel(h, 1);
        Spiele_Unlock(h);
        if (s.heim == SPIELE_KEIN_TEAM) return -1;
        if (bein == 0) {
            a = s.heim;
            b = s.gast;
            // A bye: the drawn team goes on alone.
            if (s.gast == SPIELE_KEIN_TEAM) return a;
        }
        int32_t ht = s.heim_tore < 0 ? 0 : s.heim_tore, gt = s.heim_tore < 0 ? 0 : s.gast_tore;
        if (bein == runde && extra >= 0) (extra >> 8 ? gt : ht) += extra & 0xFF;
        const int32_t heim_seite = s.heim == a ? 0 : 1;
        tore[heim_seite] += ht;
        tore[1 - heim_seite] += gt;
        auswaerts[1 - heim_seite] += gt;
    }
    if (runde + 1 < beine(*w)) return -1;
    if (tore[0] != tore[1]) return tore[0] > tore[1] ? a : b;
    if (beine(*w) == 2 && (w->modus & HEIMRECHT) && auswaerts[0] != auswaerts[1])
        return auswaerts[0] > auswaerts[1] ? a : b;
    return -1;
}

bool Wettbewerb_Spieltag_Hinzufuegen(Liste_Element* liste, Wettbewerb_Id id, int32_t runde)
{
    const Wettbewerb_Datensatz* w = Wettbewerb_Bereit() ? wb_per_id(id) : nullptr;
    if (!w || !liste) {
        Print_Fehler("Wettbewerb_Spieltag_Hinzufuegen: Wettbewerb %d unbekannt!\n", id);
        return false;
    }
    if (w->spiele_block < 0 || !Spiele_Get_Block_Kopf(w->spiele_block)) {
        Print_Fehler("Wettbewerb_Spieltag_Hinzufuegen: %s hat keinen Spielplan!\n", w->name);
        return false;
    }
    if (runde < 0) runde = w->runde;
    std::vector<uint32_t> spiele;
    const Spiele_Tag_Locks tag(w->spiele_block, w->spieltag, runde);
    for (int32_t slot = 0; slot < 128; ++slot) {
        const int32_t h = tag.lock(slot);
        if (!h) break;
        const Spiele_Spiel* s = Spiele_Get_Spiel(h, 1);
        if (s->heim == SPIELE_KEIN_TEAM || s->gast == SPIELE_KEIN_TEAM) Spiele_Unlock(h);
        else spiele.push_back(uint32_t(h));
    }
    // n, the half counter, n running states, n game numbers.
    std::vector<uint32_t> nutzlast(2 + 2 * spiele.size(), 0);
    nutzlast[0] = uint32_t(spiele.size());
    std::copy(spiele.begin(), spiele.end(), nutzlast.begin() + 2 + ptrdiff_t(spiele.size()));
    // At the front: the caller adds its competitions from the last to the first.
    if (!Liste_Insert_Element(liste, nullptr, nutzlast.data(), uint32_t(nutzlast.size() * 4), uint32_t(id))) {
        for (uint32_t h : spiele) Spiele_Unlock(int32_t(h));
        return false;
    }
    return true;
}

int32_t Wettbewerb_Get_Spieltag_Gesamt(Wettbewerb_Id id, int32_t tag)
{
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(id);
    const Wettbewerb_Datensatz* w = wb_per_id(id);
    if (!info || !w) return 0;
    const int32_t wichtig = w->wichtig > 0 ? w->wichtig : 50;
    const int32_t d = info->ketten_offset + (tag < 0 ? info->spieltag : tag);
    const int32_t D = std::max(1, info->saison_spieltage);
    return wichtig * (50 + 50 * std::min(d + 1, D) / D) / 100;
}

void Wettbewerb_Zahle_Punkt_U(Wettbewerb_Id id, int32_t team, int32_t sieg)
{
    if (Netz_Rolle == 1) {
        Print_Fehler("Client-Zugriff: Wettbewerb_Zahle_Punkt_U");
        return;
    }
    const Wettbewerb_Datensatz* w = Wettbewerb_Bereit() ? wb_per_id(id) : nullptr;
    if (!w || team < 0) return;
    const int32_t praemie = sieg ? w->sieg_praemie : w->unentschieden_praemie;
    if (praemie > 0) Schreibe_Überweisung(-1, team, float(praemie), 36, 1, -1);
}
