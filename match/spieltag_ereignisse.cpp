// Events of the games played in the background: each minute a chance of a card and a chance of a
// goal or a chance on goal, drawn from the game's generator as it runs.
#include <algorithm>
#include <vector>

#include "competitions/spiele.h"
#include "competitions/spiele_karten.h"
#include "competitions/wettbewerb.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "match/spielfeld.h"
#include "match/spieltag.h"
#include "match/spieltag_intern.h"
#include "platform/print.h"
#include "platform/zufall.h"

namespace {

constexpr int32_t AUFSTELLUNG_MAX = 50;
constexpr int32_t KEIN_SPIELER = 32767;
constexpr int32_t KEIN_ZWEITER = 65535;
// Kinds of a goal that name a second player.
constexpr uint32_t MIT_ZWEITEM = 16384 | 32768;
// Kinds of a goal, tried in this order: the first draw that hits gives the code.
struct Torart {
    int32_t bis, treffer;
    uint32_t code;
};
constexpr Torart TORARTEN[] = {{10, 3, 134}, {17, 5, 32774}, {12, 7, 8198}, {10, 2, 16390}};

// The minute of an event: the next one, or the end of the half once it is reached.
int32_t ereignis_minute(int32_t wettbewerb, int32_t minute, int32_t h)
{
    const int32_t ende = Wettbewerb_Get_Halbzeit_Ende(wettbewerb, minute, h);
    return ende != -1 ? ende : minute + 1;
}

// The competition's computer clubs look at the running game through the record's byte image; what
// they change there is taken back into the record.
void computer_reaktion(int32_t wettbewerb, const Spiele_Spiel& m, Spielfeld_Record* r)
{
    std::vector<uint8_t> bild(SPIELFELD_RECORD_BYTES), vorher(SPIELFELD_RECORD_BYTES);
    Spielfeld_Record_Schreiben(*r, bild.data());
    vorher = bild;
    Wettbewerb_Computer_Reaktion(wettbewerb, m.spieltag, m.slot, m.heim, m.gast, m.minute,
                                 Wettbewerb_Get_Spielminuten(wettbewerb, 0), bild.data());
    if (bild != vorher) Spielfeld_Record_Lesen(bild.data(), *r);
}

}  // namespace

bool spieltag_tor_heim(int32_t sh, int32_t sa)
{
    const int32_t a_max = std::clamp(sh - sa + 10, 10, 15), b_max = std::clamp(sa - sh, 8, 15);
    const int32_t a = Zufall(0, 4 * a_max);
    const int32_t b = Zufall(0, 4 * b_max);
    return a >= b;
}

int32_t spieltag_aufstellung(int32_t team, int32_t* spieler)
{
    if (team < 0 || team == SPIELE_KEIN_TEAM) return 0;
    return std::max(0, Teamspieler_Ins_Array(team, spieler, AUFSTELLUNG_MAX, TS_STARTELF));
}

bool spieltag_ereignisse_ziehen(const Spieltag_Eintrag& e, uint32_t i, bool golden, const Spiele_Spiel* sp,
                                Spielfeld_Record* r)
{
    const int32_t g = e.spiel(i);
    if (!sp) return false;
    const Spiele_Spiel m = *sp;
    const int32_t c = e.wettbewerb, h = int32_t(e.halbzeit()), minute = m.minute;

    if (Netz_Rolle == 0) {
        const int32_t reaktion = Zufall(0, 5);
        // The clubs react to a game played on the pitch only (the image's active flag): a game in
        // the background is not written out and compared for them.
        if (reaktion == 0 && r && r->aktiv) computer_reaktion(c, m, r);
    }
    if (Netz_Rolle == 1 || !r || r->aktiv || e.zustand(i) != SPIELTAG_SPIELT) return false;

    int32_t spieler[AUFSTELLUNG_MAX];
    const int32_t karte = Zufall(0, 30);
    if (karte == 0) {
        const int32_t seite = Zufall(1, 5);
        const uint32_t heim = seite > 2 ? uint32_t(SPE_HEIM) : 0u;
        const int32_t n = spieltag_aufstellung(heim ? m.heim : m.gast, spieler);
        if (n > 0) {
            const int32_t k = Zufall(0, n - 1);
            const int32_t wer = spieler[k];
            const int32_t rot = Zufall(0, 7);
            uint32_t code = SPE_GELB;
            if (rot == 0) {
                code = SPE_ROT;
            } else if (Spiele_Gelb_In_Dieser_Partie(c, wer)) {
                code = SPE_GELBROT;
            }
            Spiele_Set_Ereignis(g, code | heim, ereignis_minute(c, minute, h), wer, KEIN_SPIELER);
        }
    }

    const int32_t chance = Zufall(0, 9);
    if (chance != 0) return false;
    const int32_t treffer = Zufall(0, 15);
    if (treffer <= 7) return false;
    const bool heim_seite = spieltag_tor_heim(r->staerke[0], r->staerke[1]);
    uint32_t code = SPE_CHANCE | SPE_TOR;
    for (const Torart& t : TORARTEN) {
        const int32_t z = Zufall_Gross(0, t.bis);
        if (z == t.treffer) {
            code = t.code;
            break;
        }
    }
    const uint32_t heim = heim_seite ? uint32_t(SPE_HEIM) : 0u;
    const int32_t n = spieltag_aufstellung(heim ? m.heim : m.gast, spieler);
    const int32_t wann = ereignis_minute(c, minute, h);
    if (n > 0) {
        const int32_t nur_chance = Zufall(0, 7);
        if (nur_chance > 4) code &= ~SPE_TOR;
        const int32_t k = Zufall(0, n - 1);
        const int32_t erster = spieler[k];
        int32_t zweiter = KEIN_ZWEITER;
        if (code & MIT_ZWEITEM) {
            do {
                const int32_t z = Zufall(0, n - 1);
                zweiter = spieler[z];
            } while (zweiter == erster && n > 1);
            // A lone player cannot set up his own goal.
            if (zweiter == erster) zweiter = KEIN_ZWEITER;
        }
        Spiele_Set_Ereignis(g, code | heim, wann, erster, zweiter);
    }
    return golden && (code & SPE_TOR);
}

void Spieltag_Set_Grafik_Ereignis(int32_t spiel, uint32_t code, int32_t minute, int32_t spieler_1, int32_t spieler_2)
{
    if (Netz_Rolle == 1) Print_Fehler("Cl: Spieltag Set_Grafik_Ereignis");
    const Spiele_Spiel* m = Spiele_Get_Spiel(spiel, 1);
    if (!m) return;
    Spieltag_Eintrag e;
    uint32_t i = 0;
    if (spieltag_spiel_finden(spiel, &e, &i)) {
        const int32_t ende = Wettbewerb_Get_Halbzeit_Ende(e.wettbewerb, minute, int32_t(e.halbzeit()));
        if (ende != -1) minute = ende;
    }
    Spiele_Set_Ereignis(spiel, code, minute, spieler_1, spieler_2);
}
