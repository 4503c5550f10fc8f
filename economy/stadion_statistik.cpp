// Home-game statistics of the clubs' own stadiums, the stadium values of the screens and the
// weekly forecasts and season-ticket figures the bank asks for.
#include <cstring>

#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "economy/bank.h"
#include "economy/stadion_intern.h"
#include "gameflow/highscore.h"
#include "gameflow/kalender.h"

static Stadion_Dauerkarten_Abfrage dauerkarten_abfrage = nullptr;
void Stadion_Set_Dauerkarten_Abfrage(Stadion_Dauerkarten_Abfrage abfrage) { dauerkarten_abfrage = abfrage; }

// The column byte holds competitions 0..254 unsigned (ids above 127 exist), 255 marks it free.
static int32_t spalten_wettbewerb(const Stadion_Statistik& st, int32_t c)
{
    const uint8_t b = uint8_t(st.wettbewerb[c]);
    return b == 255 ? -1 : b;
}

static int32_t eigene_liga(int32_t team)
{
    const Wettbewerb_Id w = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    return w != -1 ? w : Wettbewerb_Get_Team_Wettbewerb(team, 0);
}

// The column of a super competition, -1 when all five cup columns hold running competitions.
static int32_t spalte_waehlen(Stadion_Statistik& st, int32_t ober, int32_t liga)
{
    if (ober == liga) return 0;
    for (int32_t c = 1; c < STADION_SPALTEN; ++c)
        if (spalten_wettbewerb(st, c) == ober) return c;
    for (int32_t c = 1; c < STADION_SPALTEN; ++c)
        if (spalten_wettbewerb(st, c) == -1 || Wettbewerb_Get_Oberwettbewerb(spalten_wettbewerb(st, c)) == -1) return c;
    return -1;
}

static void rekord_setzen(Stadion_Statistik& st, int32_t c, int32_t art, int32_t gast)
{
    st.rekord_tag[c][art] = Stadion_Heute();
    const char* name = Team_String(TEAM_NAME, gast, nullptr, 0);
    std::memset(st.rekord_gegner[c][art], 0, 30);
    if (name) std::strncpy(st.rekord_gegner[c][art], name, 29);
    st.rekord_tore[c][art * 2] = 255;
    st.rekord_tore[c][art * 2 + 1] = 0;
}

void Stadion_Statistik_Eintragen(Stadion_Daten* d, const Spiele_Spiel* spiel, const int32_t* n, int32_t heim_anteil)
{
    if (!d || !spiel || !d->hat_statistik) return;
    Stadion_Statistik& st = d->statistik;
    const int32_t ober = Wettbewerb_Get_Oberwettbewerb(spiel->wettbewerb);
    const int32_t c = spalte_waehlen(st, ober, eigene_liga(spiel->heim));
    if (c < 0) return;
    st.wettbewerb[c] = int8_t(uint8_t(ober));
    if (!n) return;

    const int32_t heute = Stadion_Heute();
    int32_t zuschauer = 0, fertige = 0;
    float preis_summe = 0, zustand_summe = 0;
    for (int i = 0; i < STADION_TRIBUENEN; ++i) {
        const Stadion_Slot& s = d->slot[i];
        if (!Stadion_Slot_Fertig(s, heute)) continue;
        ++fertige;
        zuschauer += n[i];
        preis_summe = float(int32_t(preis_summe + d->preis[i]));
        zustand_summe = float(int32_t(zustand_summe + s.zustand));
    }
    // no ready stand: the game enters with average 0
    const int32_t preis = fertige ? int32_t(preis_summe) / fertige : 0;
    const int32_t zustand = fertige ? int32_t(zustand_summe) / fertige : 0;

    if (c == 0) {
        const int32_t g = st.spiele[0];
        for (int i = 0; i < STADION_TRIBUENEN; ++i) {
            const Stadion_Slot& s = d->slot[i];
            const bool zaehlt = Stadion_Slot_Fertig(s, heute) && s.plaetze > 0;
            const int32_t neu = zaehlt ? n[i] * 100 / s.plaetze : 0;
            if (g == 0) st.auslastung[i] = uint8_t(neu);
            else st.auslastung[i] = uint8_t((st.auslastung[i] * g + (zaehlt ? neu : 0)) / (g + 1));
        }
    }
    const int32_t einnahme =
        c == 0 ? (zuschauer - d->dauerkarten * 80 / 100) * preis : zuschauer * preis;
    if (c == 0) {
        if (st.eintraege == STADION_REIHE) {
            for (auto& r : st.reihe) std::memmove(r, r + 1, sizeof(int32_t) * (STADION_REIHE - 1));
        } else {
            ++st.eintraege;
        }
        const int32_t k = st.eintraege - 1;
        st.reihe[0][k] = zuschauer;
        st.reihe[1][k] = einnahme;
        st.reihe[2][k] = preis;
        st.reihe[3][k] = Stadion_Wert(d->team, 3);
        st.reihe[4][k] = zustand;
        st.reihe[5][k] = int32_t(uint32_t(uint8_t(spiel->spieltag)) | (uint32_t(uint8_t(spiel->runde)) << 16));
    }
    const int32_t anteil = int32_t(int64_t(heim_anteil) * einnahme / 100);
    st.summe_zuschauer[c] += zuschauer;
    st.summe_einnahme[c] += anteil;
    if (zuschauer >= st.rekord_zuschauer[c]) {
        st.rekord_zuschauer[c] = zuschauer;
        rekord_setzen(st, c, 0, spiel->gast);
    }
    if (float(anteil) >= st.rekord_einnahme[c]) {
        st.rekord_einnahme[c] = float(anteil);
        rekord_setzen(st, c, 1, spiel->gast);
    }
    st.spiele[c] += 1;
}

void Stadion_Rekord_Ergebnis(const Spiele_Spiel* spiel)
{
    if (!Stadion.initialisiert || !spiel || spiel->heim == 0xFFFF) return;
    Stadion_Daten* d = Stadion_Finden(spiel->heim);
    if (!d || !d->hat_statistik) return;
    Stadion_Statistik& st = d->statistik;
    const int32_t ober = Wettbewerb_Get_Oberwettbewerb(spiel->wettbewerb);
    for (int32_t c = 0; c < STADION_SPALTEN; ++c) {
        if (spalten_wettbewerb(st, c) != ober) continue;
        for (int art = 0; art < 2; ++art)
            if (st.rekord_tore[c][art * 2] == 255) {
                st.rekord_tore[c][art * 2] = uint8_t(spiel->heim_tore);
                st.rekord_tore[c][art * 2 + 1] = spiel->gast_tore;
            }
    }
}

void Stadion_Statistik_Neue_Saison()
{
    for (auto& p : Stadion.liste) {
        if (!p->hat_statistik) continue;
        Stadion_Statistik& st = p->statistik;
        std::memset(st.reihe, 0, sizeof st.reihe);
        st.eintraege = 0;
        std::memset(st.auslastung, 0, sizeof st.auslastung);
        std::memset(st.spiele, 0, sizeof st.spiele);
        std::memset(st.summe_zuschauer, 0, sizeof st.summe_zuschauer);
        std::memset(st.summe_einnahme, 0, sizeof st.summe_einnahme);
        std::memset(st.monat_abgerechnet, 0, sizeof st.monat_abgerechnet);
    }
}

// A month's upkeep of one slot: the renovation cost spread over the months its wear takes.
static double monatskosten(Stadion_Daten& d, int32_t slot)
{
    Stadion_Slot& s = d.slot[slot];
    const float w = Stadion_Verschleiss(s) * 52 / 12;
    float t = (100 - s.zustand) / w;
    if (t == 0) t = 1.0f;
    s.zustand -= w;
    if (s.zustand < 0) s.zustand = 0;
    return double(int64_t(Stadion_Renovierungskosten_Von(d, slot) / t));
}

static int32_t zustand_schnitt(const Stadion_Daten& d)
{
    float summe = 0;
    int32_t anzahl = 0;
    for (const Stadion_Slot& s : d.slot)
        if (s.modell) {
            summe = float(int32_t(summe + s.zustand));
            ++anzahl;
        }
    return anzahl ? int32_t(summe) / anzahl : 0;
}

int32_t Stadion_Wert(int32_t team, int32_t art)
{
    if (!Stadion.initialisiert || art < 0 || art > 3) return 0;
    Stadion_Daten* echt = Stadion_Finden(team);
    if (!echt) return 0;
    if (art == 0) return zustand_schnitt(*echt);
    if (art == 2)
        return (Stadion_Attraktivitaet(team) * 20 + zustand_schnitt(*echt) * 10 + echt->stimmung * 40 +
                Highscore_Get_Wert(team, 0, 1) * 30) /
               100;
    Stadion_Daten d = *echt;
    double A = 0, B = 0;
    for (int32_t i = 0; i < STADION_SLOTS; ++i) {
        const Stadion_Slot alt = d.slot[i];
        int32_t anzahl = 0, erstes = 0;
        Stadion_Slot_Modelle(i, &anzahl, &erstes);
        Stadion_Slot& s = d.slot[i];
        s.modell = uint8_t(erstes + anzahl - 1);
        s.plaetze = Stadion_Modell_Max_Plaetze(s.modell);
        s.zustand = 91.4f;
        A += monatskosten(d, i);
        s = alt;
        if (s.modell) B += monatskosten(d, i);
        s = alt;
    }
    if (art == 3) return int32_t(B);
    if (A <= 0) return 0;
    const int32_t r = int32_t(B * 100 / A);
    return r > 100 ? 100 : r;
}

int32_t Stadion_Wert_Stufe(int32_t team, int32_t art)
{
    const int32_t v = Stadion_Wert(team, art);
    if (v == 0) return 0;
    const int32_t s = (v + 2) / 5;
    return s < 0 ? 0 : s > 20 ? 20 : s;
}

int32_t Stadion_Prognose(int32_t team, int32_t kategorie, int32_t)
{
    if (!Stadion.initialisiert) return 0;
    Stadion_Daten* echt = Stadion_Finden(team);
    if (!echt) return 0;
    const int32_t heute = Stadion_Heute();
    double summe = 0;
    if (kategorie == 11) {
        bool fertig = false;
        for (const Stadion_Slot& s : echt->slot) fertig = fertig || Stadion_Slot_Fertig(s, heute);
        if (fertig) summe = double(int64_t(double(echt->dauerkarten) * echt->dauerkarten_preis));
    } else if (kategorie == 12) {
        Stadion_Daten d = *echt;
        for (int32_t i = 0; i < STADION_SLOTS; ++i) {
            Stadion_Slot& s = d.slot[i];
            if (!Stadion_Slot_Fertig(s, heute)) continue;
            const float alt = s.zustand;
            s.zustand = 91.4f;
            const float w = Stadion_Verschleiss(s) * 52 / 12;
            int32_t t = int32_t((100 - 91.4f) / w);
            if (t == 0) t = 1;
            s.zustand = float(int32_t(91.4f - w));
            if (s.zustand < 0) s.zustand = 0;
            summe = double(int64_t(summe + Stadion_Renovierungskosten_Von(d, i) / t * 12));
            s.zustand = alt;
        }
    } else if ((kategorie == 13 || kategorie == 16) && echt->hat_statistik) {
        const Stadion_Statistik& st = echt->statistik;
        for (int32_t c = 0; c < STADION_SPALTEN && spalten_wettbewerb(st, c) != -1; ++c) {
            const Wettbewerb_Info* info = Wettbewerb_Get_Info(spalten_wettbewerb(st, c));
            if (!info || info->spiele_block < 0) continue;
            int32_t n = info->spieltage * info->best_of_x / 2;
            if (info->modus & 4) {
                n = info->spieltag * info->runde;
                if (Wettbewerb_Team_Noch_Dabei(spalten_wettbewerb(st, c), team)) ++n;
            }
            const int32_t g = st.spiele[c];
            if (n < g) n = g;
            if (g <= 0) continue;
            if (kategorie == 13) summe += double(st.summe_einnahme[c] / g) * n;
            else summe += 2.0 * double(st.summe_zuschauer[c] / g) * n;
        }
    }
    return int32_t(summe / 52);
}

int32_t Stadion_Benoetigter_Schnitt(int32_t team)
{
    if (!Stadion.initialisiert) return 0;
    const Stadion_Daten* d = Stadion_Finden(team);
    if (!d) return 0;
    double I = Bank_Prognose_Kategorie(team, 128) - Bank_Prognose_Kategorie(team, 128 | 13);
    const double E = Bank_Prognose_Kategorie(team, 0) - Bank_Prognose_Kategorie(team, 42);
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    if (I < E && liga >= 0 && Wettbewerb_Get_Info(liga)) I += int32_t(Team_Berechne_Finanzbasis(team, nullptr) / 52);
    float P = 0;
    for (float p : d->preis) P += p;
    const int32_t p = int32_t(P);
    if (p == 0) return -1;
    if (I >= E) return 0;
    int32_t r = int32_t((E - I) * 52) / p * 6 + d->dauerkarten * 80 / 100;
    r /= 17;
    return r < 0 ? 0 : r;
}

int32_t Stadion_Dauerkarten_Monat(int32_t team, int32_t* monate, int32_t abrechnen)
{
    if (dauerkarten_abfrage) return dauerkarten_abfrage(team, monate, abrechnen);
    if (monate) *monate = 0;
    if (!Stadion.initialisiert) return 0;
    Stadion_Daten* d = Stadion_Finden(team);
    if (!d || !d->hat_statistik || d->statistik.spiele[0] <= 0) return 0;
    Stadion_Statistik& st = d->statistik;
    const int32_t monat = Kalender_Get_Datum_Heute().monat;
    const int32_t m = ((monat - 8) % 12 + 12) % 12;
    int32_t r = 0;
    if ((m > 0 && !st.monat_abgerechnet[m]) || !abrechnen) {
        r = st.summe_einnahme[0] / st.spiele[0];
        if (abrechnen) {
            st.monat_abgerechnet[m] = 1;
            int32_t anzahl = 1;
            for (int32_t k = m - 1; k >= 0 && !st.monat_abgerechnet[k]; --k) {
                st.monat_abgerechnet[k] = 1;
                ++anzahl;
            }
            if (monate) *monate = anzahl;
        }
    }
    if (abrechnen) return r;
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    const Wettbewerb_Info* info = liga >= 0 ? Wettbewerb_Get_Info(liga) : nullptr;
    if (!info) return 0;
    const int32_t n = info->saison_spieltage * info->best_of_x / 2;
    if (n < 17) ++r;
    const int64_t A = int64_t(r) * 17 + int64_t(double(d->dauerkarten) * Stadion_Dauerkarten_Preis(team, 1));
    const int64_t B = int64_t(r) * n + int64_t(double(d->dauerkarten) * d->dauerkarten_preis);
    return int32_t((A - B) / 12);
}
