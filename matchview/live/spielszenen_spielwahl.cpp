// The game a view window steps to: forward, backward or back to this PC's own game, in the
// match day's order of competitions and games; and small services of the view module.
#include <vector>

#include "competitions/spiele.h"
#include "match/spielfeld.h"
#include "match/spieltag.h"
#include "matchview/lineup/aufstellung.h"
#include "matchview/live/spielszenen_live.h"
#include "platform/mem.h"

namespace {

// The day's games that have a match record and a live record, in the day's order.
std::vector<Spielszenen_Spielwahl_Eintrag> tagesfolge()
{
    std::vector<Spielszenen_Spielwahl_Eintrag> v;
    int32_t wettbewerbe[64];
    const int32_t n = Spieltag_Get_Wettbewerbe(wettbewerbe, 64);
    const int32_t eigen = Screen_Eigenes_Team();
    for (int32_t w = 0; w < n; ++w) {
        int32_t spiele[SPIELTAG_TAGESLISTE] = {};
        if (!Spieltag_Get_Spiele(wettbewerbe[w], spiele, SPIELTAG_TAGESLISTE)) continue;
        for (int32_t i = 1; i <= spiele[0] && i < SPIELTAG_TAGESLISTE; ++i) {
            const int32_t s = spiele[i];
            const Spielfeld_Record* r = Spiele_Get_Spiel(s, 0) ? Spielfeld_Get_Spiel(s) : nullptr;
            if (!r) continue;
            v.push_back({s, w, r->aktiv != 0, r->abgeschlossen != 0, r->anzeige == 1,
                         int32_t(r->team[0]) == eigen || int32_t(r->team[1]) == eigen});
        }
    }
    return v;
}

}  // namespace

int32_t Spielszenen_Spielwahl(const Spielszenen_Spielwahl_Eintrag* e, int32_t n, int32_t befehl, int32_t spiel)
{
    if (befehl == 1) {
        int32_t letztes = -1, gezeigt = -1, eigenes = -1, uebersprungen = -1;
        for (int32_t i = 0; i < n; ++i) {
            // after the own game the rest of its competition is left out
            if (!e[i].aktiv || e[i].wettbewerb == uebersprungen) continue;
            letztes = e[i].spiel;
            if (e[i].angezeigt) gezeigt = e[i].spiel;
            if (e[i].eigen) {
                eigenes = e[i].spiel;
                uebersprungen = e[i].wettbewerb;
            }
        }
        return eigenes >= 0 ? eigenes : gezeigt >= 0 ? gezeigt : letztes;
    }
    std::vector<int32_t> folge;
    for (int32_t i = 0; i < n; ++i)
        if (e[i].aktiv && !e[i].geschlossen) folge.push_back(e[i].spiel);
    if (folge.empty()) return -1;
    for (size_t i = 0; i < folge.size(); ++i) {
        if (folge[i] != spiel) continue;
        if (befehl == 2) return folge[(i + 1) % folge.size()];
        return i > 0 ? folge[i - 1] : folge.back();
    }
    // a game not among them: nothing forward, the last one backward
    return befehl == 3 ? folge.back() : -1;
}

int32_t Spielszenen_Start_Spiel_Waehlen()
{
    const auto v = tagesfolge();
    return Spielszenen_Spielwahl(v.data(), int32_t(v.size()), 1, -1);
}

int32_t Spielszenen_Naechstes_Spiel(int32_t spiel)
{
    const auto v = tagesfolge();
    return Spielszenen_Spielwahl(v.data(), int32_t(v.size()), 2, spiel);
}

int32_t Spielszenen_Voriges_Spiel(int32_t spiel)
{
    const auto v = tagesfolge();
    return Spielszenen_Spielwahl(v.data(), int32_t(v.size()), 3, spiel);
}

int32_t Spielszenen_Speicher_Pruefen()
{
    Mem_Free(Mem_Alloc(4096, 0), 0);
    return 1;
}
