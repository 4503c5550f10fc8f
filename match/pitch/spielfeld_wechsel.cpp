#include "match/pitch/spielfeld_wechsel.h"

#include <cstring>

#include "competitions/spiele.h"
#include "competitions/spiele_karten.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "gameflow/globals.h"
#include "match/pitch/spielfeld_ball.h"
#include "match/pitch/spielfeld_ereignis.h"
#include "match/pitch/spielfeld_objekt.h"
#include "matchview/live/spielszenen_kamera.h"
#include "platform/sortiere.h"

namespace {

constexpr int32_t LISTE = 7;
constexpr int32_t ANIM_WEG = 4;  // walking with the normal gait
constexpr uint32_t KARTEN_BITS = 0x80 | SPIELFELD_GELB_ROT | SPIELFELD_ROT;
constexpr uint32_t BLEIBT_BITS = 0x40 | SPIELFELD_GELB_ROT | SPIELFELD_ROT;
// The benches' first seats beside the near touchline (the bench figures stand there).
constexpr float BANK_X[2] = {4658.0f, 7010.0f};
constexpr float BANK_Y = -348.0f;
constexpr float SITZ_ABSTAND = 90.0f;

bool gueltig(int32_t slot) { return slot >= 0 && slot < SPIELFELD_SLOTS; }

// Whether a slot stands in either side's list. The kick-off asks it twice for every slot: the
// fourteen bytes are looked at as two overlapping words, each byte of them XORed with the slot
// becoming zero where it holds the slot.
bool in_liste(const int8_t (&liste)[2][7], int32_t slot)
{
    static_assert(sizeof liste == 14);
    if (slot < 0 || slot > 127) return false;
    uint64_t w[2];
    std::memcpy(&w[0], &liste[0][0], 8);
    std::memcpy(&w[1], &liste[0][0] + 6, 8);
    constexpr uint64_t EINS = 0x0101010101010101ull, HOCH = 0x8080808080808080ull;
    for (const uint64_t x : {w[0] ^ EINS * uint64_t(slot), w[1] ^ EINS * uint64_t(slot)})
        if ((x - EINS) & ~x & HOCH) return true;
    return false;
}

void ein_loeschen(Spielfeld_Record* r, int32_t s, int32_t k)
{
    r->einwechsel[s][k] = -1;
    r->netz_einwechsel[s][k] = 0xFF;
}

void aus_loeschen(Spielfeld_Record* r, int32_t s, int32_t k)
{
    r->auswechsel[s][k] = -1;
    r->netz_auswechsel[s][k] = 0xFF;
}

// Walks count from zero even after the frame step marked them over with -1.
void lauf_zaehlen(Spielfeld_Record* r)
{
    if (r->laufende_spieler < 0) r->laufende_spieler = 0;
    ++r->laufende_spieler;
}

// The touchline point of the k-th substitution of a side: simultaneous walks keep apart.
int32_t wechsel_x(int32_t k, int32_t s) { return Spielfeld_Masse[0] / 2 - 800 + 100 * k + 900 * s; }

void statistik_eintragen(Spielfeld_Record* r, int32_t slot, bool kommt)
{
    Spiele_Spiel* spiel = Spiele_Get_Spiel(int32_t(r->spiel), 1);
    if (!spiel || r->spieler[slot].spnr < 0) return;
    Statistik_Spieler st;
    std::memset(&st, 0xFF, sizeof st);
    st.spieler = r->spieler[slot].spnr;
    if (kommt) {
        st.einsaetze = 1;
        if (Wettbewerb_Ist_International(spiel->wettbewerb)) st.international = 1;
        st.noten[0] = STAT_NOTE_EINGEWECHSELT;
    } else {
        st.einsaetze = 0xFFFF;
        st.international = 0xFFFF;
        st.noten[0] = STAT_NOTE_AUSGEWECHSELT;
    }
    Spiele_Set_Statistik_Spieler(st.spieler, &st, 1);
    if (kommt) Spiele_Set_Wettbewerb_Ereignis(spiel->wettbewerb, st.spieler, 4, -1);
}

// Another goalkeeper of the side with one of the state words.
bool anderer_torwart(const Spielfeld_Record* r, int32_t s, int32_t ausser, bool nur_platz, bool auch_liste_aus)
{
    for (int32_t i = s * 16; i < s * 16 + 16; ++i) {
        if (i == ausser || !r->objekt[i].torwart) continue;
        const uint32_t z = r->spieler[i].zustand;
        if (z != SPIELFELD_AUF_DEM_PLATZ && (nur_platz || z != SPIELFELD_ERSATZ)) continue;
        if (nur_platz && auch_liste_aus && Spielfeld_Wechsel_Ist_Aus(r, i)) continue;
        if (!nur_platz && !r->objekt[i].aktiv) continue;
        return true;
    }
    return false;
}

void hinein(Spielfeld_Record* r, int32_t s, int32_t k, int32_t i)
{
    ++r->wechsel[s];
    Spielfeld_Objekt& o = r->objekt[i];
    o.aktiv = 1;
    if (r->situation != SITUATION_ANSTOSS) {
        lauf_zaehlen(r);
        Spielfeld_Auftrag_Geben(r, i, wechsel_x(k, s), 0, 0, 600, ANIM_WEG, 0, -1, 0, -1, 1, -1, 0, AUFTRAG_SUCHEN);
        o.zustand = '$';
        o.neu_entscheiden = 0;
    }
    r->spieler[i].zustand = SPIELFELD_AUF_DEM_PLATZ;
    ein_loeschen(r, s, k);
    if (r->wechsel_uebrig[s] > 0) --r->wechsel_uebrig[s];
    r->spieler[i].bank_nummer = 0;
    statistik_eintragen(r, i, true);
}

void hinaus(Spielfeld_Record* r, int32_t s, int32_t k, int32_t a, int32_t ein)
{
    Spielfeld_Spieler& e = r->spieler[a];
    Spielfeld_Objekt& o = r->objekt[a];
    const bool war_torwart = o.torwart != 0;
    if (!(e.zustand & SPIELFELD_AUF_DEM_PLATZ) || !o.aktiv) {
        if (!o.aktiv) e.zustand = (e.zustand & 0x6F) | SPIELFELD_ERSATZ;
        else {
            o.aktiv = 0;
            o.zustand = 0;
        }
    } else if (r->situation == SITUATION_ANSTOSS) {
        Spielfeld_Bank_Position(r, a, &o, nullptr, nullptr);
        o.aktiv = 0;
        o.zustand = 0;
        if (!(e.zustand & BLEIBT_BITS)) e.zustand &= ~SPIELFELD_AUF_DEM_PLATZ;
        e.zustand |= SPIELFELD_AUSGEWECHSELT;
    } else {
        Spielfeld_Auftrag_Geben(r, a, wechsel_x(k, s), 200, 0, 600, ANIM_WEG, 0, -1, 0, -1, 1, 1, 0, AUFTRAG_SUCHEN);
        lauf_zaehlen(r);
        o.zustand = '&';
        o.neu_entscheiden = 0;
        r->letzter_platzverweis = a;
    }
    aus_loeschen(r, s, k);
    if (war_torwart && gueltig(ein) && !anderer_torwart(r, s, a, false, false)) r->objekt[ein].torwart = 1;
}

// Returns whether the entry did anything.
bool eintrag_ausfuehren(Spielfeld_Record* r, int32_t s, int32_t k)
{
    int32_t ein = r->einwechsel[s][k], aus = r->auswechsel[s][k];
    if (gueltig(ein) && (r->spieler[ein].zustand & SPIELFELD_AUF_DEM_PLATZ)) {
        ein_loeschen(r, s, k);
        ein = -1;
    }
    if (gueltig(aus) && (!(r->spieler[aus].zustand & SPIELFELD_AUF_DEM_PLATZ) ||
                         (r->spieler[aus].zustand & SPIELFELD_AUSGEWECHSELT))) {
        aus_loeschen(r, s, k);
        aus = -1;
    }
    if (!gueltig(ein)) ein = -1;
    if (!gueltig(aus)) aus = -1;
    if (ein < 0 && aus < 0) return false;
    if (ein >= 0 || !(r->spieler[aus].zustand & KARTEN_BITS)) Spielfeld_Ereignis_Melden(r, EREIGNIS_WECHSEL, ein, aus);
    if (ein >= 0) hinein(r, s, k, ein);
    if (ein >= 0 && aus >= 0) {
        statistik_eintragen(r, aus, false);
        std::memcpy(r->spieler[ein].taktik_punkte, r->spieler[aus].taktik_punkte, sizeof r->spieler[ein].taktik_punkte);
    }
    if (ein >= 0 && r->objekt[ein].torwart && anderer_torwart(r, s, ein, true, true)) r->objekt[ein].torwart = 0;
    if (aus >= 0) hinaus(r, s, k, aus, ein);
    return true;
}

// Third 1 defence, 2 midfield, 3 attack, measured from the side's own goal.
int32_t drittel(const Spielfeld_Record* r, int32_t s, int32_t slot)
{
    const int32_t* p = r->spieler[slot].taktik_punkte;
    int32_t m = (p[2] + p[3]) / 2;
    if (m < 0) m = -m;
    if ((r->seiten_getauscht & 1) ^ s) m = 10800 - m;
    return m < 3000 ? 1 : m < 6000 ? 2 : 3;
}

int32_t staerke(const Spielfeld_Spieler& e)
{
    int32_t summe = 0;
    for (uint16_t w : e.faehigkeit) summe += w;
    return summe;
}

constexpr int32_t PLAENE[5][2][3] = {
    {{1, 2, 3}, {3, 2, 1}}, {{2, 1, 3}, {2, 3, 1}}, {{1, 2, 3}, {1, 2, 3}}, {{2, 3, 1}, {2, 1, 3}}, {{3, 2, 1}, {1, 2, 3}},
};

}  // namespace

bool Spielfeld_Wechsel_Ist_Aus(const Spielfeld_Record* r, int32_t slot) { return r && in_liste(r->auswechsel, slot); }

bool Spielfeld_Wechsel_Ist_Ein(const Spielfeld_Record* r, int32_t slot) { return r && in_liste(r->einwechsel, slot); }

void Spielfeld_Bank_Position(Spielfeld_Record* r, int32_t slot, Spielfeld_Objekt* o, float* x, float* y)
{
    if (!r || !gueltig(slot)) return;
    const int32_t s = slot >= 16 ? 1 : 0;
    const float sitz = float(r->spieler[slot].bank_nummer % 16 + 1) * SITZ_ABSTAND;
    const float bx = s ? BANK_X[1] + sitz : BANK_X[0] - sitz;
    if (o) {
        o->x = bx;
        o->y = BANK_Y;
        o->z = 0.0f;
        o->vx = o->vy = o->vz = 0.0f;
    }
    if (x) *x = bx;
    if (y) *y = BANK_Y;
}

void Spielfeld_Wechsel_Ausfuehren(Spielfeld_Record* r)
{
    if (!r) return;
    r->b_21770 = r->b_21771 = 0;
    r->letzter_platzverweis = -1;
    for (int32_t s = 0; s < 2; ++s) {
        // In a game played on several PCs an assistant's side is laid out anew after any executed
        // entry: each player on the pitch in his own zones, the incoming ones too. The zones come
        // from the record, which every PC of the game holds alike, never from this PC's squad
        // list, which a client may hold from before the match day's line-ups. A game on this PC
        // alone gives the incoming one the replaced man's zones, whatever the PC's role (a lone
        // manager's PC runs as its own server).
        const bool neu_legen = r->assistent[s] && Spielfeld_Netz_Vernetzt(r);
        int32_t eigene[16][8];
        bool draussen[16];
        for (int32_t j = 0; j < 16; ++j) {
            std::memcpy(eigene[j], r->spieler[16 * s + j].taktik_punkte, sizeof eigene[j]);
            draussen[j] = !(r->spieler[16 * s + j].zustand & SPIELFELD_AUF_DEM_PLATZ);
        }
        bool ausgefuehrt = false;
        for (int32_t k = 0; k < LISTE; ++k) ausgefuehrt |= eintrag_ausfuehren(r, s, k);
        if (!ausgefuehrt || !neu_legen) continue;
        for (int32_t j = 0; j < 16; ++j)
            if (draussen[j] && (r->spieler[16 * s + j].zustand & SPIELFELD_AUF_DEM_PLATZ))
                std::memcpy(r->spieler[16 * s + j].taktik_punkte, eigene[j], sizeof eigene[j]);
    }
}

void Spielfeld_Auto_Auswechslung(Spielfeld_Record* r, int32_t s, int32_t plan, int32_t aus)
{
    if (!r || s < 0 || s > 1 || plan < 0 || plan > 4 || !r->assistent[s] || r->ball_zustand != BALL_IM_SPIEL) return;
    const bool spiel = r->situation == SITUATION_SPIEL && r->laufende_spieler <= 0;
    if (!spiel && r->situation != SITUATION_VERLETZUNG && r->situation != SITUATION_WECHSEL) return;
    int32_t moeglich = r->wechsel_uebrig[s];
    for (int32_t k = 0; k < LISTE; ++k) moeglich -= r->einwechsel[s][k] != -1;
    if (moeglich <= 0) return;

    int32_t rein[4] = {-1, -1, -1, -1}, raus[4] = {-1, -1, -1, -1};
    int32_t beste[4] = {-1, -1, -1, -1}, schwaechste[4] = {99999999, 99999999, 99999999, 99999999};
    for (int32_t i = s * 16; i < s * 16 + 16; ++i) {
        const Spielfeld_Spieler& e = r->spieler[i];
        const Spielfeld_Objekt& o = r->objekt[i];
        if (o.torwart || e.spnr < 0 || o.zustand != 0) continue;
        const int32_t d = drittel(r, s, i), w = staerke(e);
        if (e.zustand == SPIELFELD_ERSATZ && !Spielfeld_Wechsel_Ist_Ein(r, i) && w > beste[d]) {
            beste[d] = w;
            rein[d] = i;
        } else if (e.zustand == SPIELFELD_AUF_DEM_PLATZ && !Spielfeld_Wechsel_Ist_Aus(r, i) && w < schwaechste[d]) {
            schwaechste[d] = w;
            raus[d] = i;
        }
    }
    int32_t folge[2][3];
    std::memcpy(folge, PLAENE[plan], sizeof folge);
    if (plan == 2) {
        Mischen_Dword(folge[0], 3);
        std::memcpy(folge[1], folge[0], sizeof folge[1]);
    }
    int32_t kommt = -1, geht = aus;
    for (int32_t d : folge[0])
        if (kommt < 0) kommt = rein[d];
    if (geht < 0)
        for (int32_t d : folge[1])
            if (geht < 0) geht = raus[d];
    if (kommt < 0 || geht < 0) return;
    int32_t k = 0;
    for (; k < LISTE && r->auswechsel[s][k] != -1; ++k)
        if (r->auswechsel[s][k] == r->foul_taeter) r->einwechsel[s][k] = -1;
    // a full queue takes nothing rather than writing past it
    if (k >= LISTE || !gueltig(kommt) || !gueltig(geht)) return;
    r->einwechsel[s][k] = int8_t(kommt);
    r->auswechsel[s][k] = int8_t(geht);
    r->b_24974[s] = plan == 2 ? 0 : 1;
}
