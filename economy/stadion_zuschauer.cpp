// Ticket and season-ticket prices, fan mood, the attendance of a home game and its money, the
// stadium assistant's prices and the season-ticket sale.
#include <cmath>
#include <cstdlib>

#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "economy/stadion_intern.h"
#include "economy/werbung.h"
#include "gameflow/eingang.h"
#include "gameflow/news.h"
#include "platform/debug.h"
#include "platform/zufall.h"

int32_t Stadion_Niveau(int32_t team)
{
    const int32_t n = Wettbewerb_Get_Liga_Niveau(team);
    // below 3 the attractiveness would divide by 0; such a club is valued as one without league
    return n < 3 ? 100 : n;
}

// 8 to 24 DM by the league level; a club without league pays the top price.
static float eintrittspreis(bool hat_liga, int32_t niveau) { return (hat_liga ? float(niveau) : 100.0f) * 16 * 0.01f + 8; }

float Stadion_Eintrittspreis(int32_t team)
{
    const bool liga = Wettbewerb_Get_Team_Wettbewerb(team, 1) >= 0;
    return eintrittspreis(liga, liga ? Wettbewerb_Get_Liga_Niveau(team) : 0);
}

float Stadion_Dauerkarten_Preis(int32_t team, int32_t standard)
{
    float basis = Stadion_Eintrittspreis(team);
    const Wettbewerb_Id w = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    const Wettbewerb_Info* info = !standard && w >= 0 ? Wettbewerb_Get_Info(w) : nullptr;
    basis *= info ? float(info->spieltage) : 17.0f;
    return basis * 80 * 0.01f;
}

int32_t Stadion_Dauerkarten_Wert(int32_t team, int32_t standard)
{
    if (!Stadion.initialisiert) return 0;
    const Stadion_Daten* d = Stadion_Finden(team);
    if (!d) return 0;
    const float preis = standard ? Stadion_Dauerkarten_Preis(team, 1) : d->dauerkarten_preis;
    return int32_t(double(d->dauerkarten) * preis);
}

int32_t Stadion_Attraktivitaet_Von(const Stadion_Daten& d, int32_t niveau)
{
    const int32_t heute = Stadion_Heute();
    const int32_t L = niveau * 80 / 100;
    int32_t summe = 0;
    for (const Stadion_Slot& s : d.slot) {
        if (!Stadion_Slot_Fertig(s, heute)) continue;
        int32_t u = s.plaetze / 5000;
        if (u == 0) u = 1;
        summe = int32_t(float(Stadion_Modell[s.modell].attraktion) * float(u) + float(summe));
    }
    const int32_t D = L * 93 / 100;
    const int32_t r = (summe * 100 / D * 50 + 5000) / 100;
    return r < 0 ? 0 : r > 120 ? 120 : r;
}

int32_t Stadion_Attraktivitaet(int32_t team)
{
    if (!Stadion.initialisiert) return 0;
    const Stadion_Daten* d = Stadion_Finden(team);
    return d ? Stadion_Attraktivitaet_Von(*d, Stadion_Niveau(team)) : 0;
}

// The appeal of one ready stand against the club's level, 100 for a fair match.
static int32_t stand_wert(int32_t modell, int32_t attr, int32_t niveau)
{
    int32_t a = Stadion_Modell[modell].attraktion * 100 / 6;
    a = (attr * 70 + a * 30) / 100;
    int32_t p = a * 100 / (niveau * 80 / 100);
    if (p >= 81 && p <= 104) p = 100;
    return p < 20 ? 20 : p > 115 ? 115 : p;
}

int32_t Stadion_Topzuschlag(int32_t heim, int32_t gast, int32_t wettbewerb)
{
    if (!Stadion.initialisiert || wettbewerb == -1) return 0;
    const Stadion_Daten* d = Stadion_Finden(heim);
    if (!d || !d->hat_top) return 0;
    if (d->top.immer) return int32_t(d->top.zuschlag);
    if (!d->top.top_teams) return 0;
    const Wettbewerb_Info* info = Wettbewerb_Get_Info(wettbewerb);
    if (!info || !info->basisliga || !(info->modus & 2) || (info->modus & 4)) return 0;
    const int32_t platz = Wettbewerb_Get_Tabellenplatz(wettbewerb, gast, -1, -1, 31, 0) + 1;
    return platz <= d->top.platz_grenze ? int32_t(d->top.zuschlag) : 0;
}

static void auffuellen(int32_t n[6], int32_t* summe, double ziel)
{
    int32_t i = 0;
    for (int32_t schritt = 0; schritt < 100 && double(*summe) < ziel; ++schritt) {
        if (n[i] != 0) n[i] += 100;
        *summe += 100;
        i = (i + 1) % 6;
    }
}

namespace {
// What one game's attendance asks of the competitions, once per game: the assistant's price loop
// repeats the attendance with the same answers.
struct Spiel_Kontext {
    int32_t stadion_team, heim, gast;
    Wettbewerb_Id heim_liga;
    int32_t niveau_heim, niveau_gast;  // as the competitions give them
    int32_t niveau;                    // the home club's level for the stand values
    int32_t attr;                      // of the stadium
    int32_t B;                         // whole standard price, at least 1
};

Spiel_Kontext kontext(int32_t stadion_team, const Spiele_Spiel& spiel)
{
    Spiel_Kontext k{};
    k.stadion_team = stadion_team;
    k.heim = spiel.heim;
    k.gast = spiel.gast;
    k.heim_liga = Wettbewerb_Get_Team_Wettbewerb(k.heim, 1);
    k.niveau_heim = Wettbewerb_Get_Liga_Niveau(k.heim);
    k.niveau_gast = Wettbewerb_Get_Liga_Niveau(k.gast);
    k.niveau = k.niveau_heim < 3 ? 100 : k.niveau_heim;
    const Stadion_Daten* d = Stadion_Finden(stadion_team);
    k.attr = !d ? 0 : stadion_team == k.heim ? Stadion_Attraktivitaet_Von(*d, k.niveau) : Stadion_Attraktivitaet(stadion_team);
    k.B = int32_t(eintrittspreis(k.heim_liga >= 0, k.niveau_heim));
    if (k.B == 0) k.B = 1;
    return k;
}
}  // namespace

static int32_t zuschauer(const Spiel_Kontext& k, Spiele_Spiel* spiel, int32_t reiz, int32_t heim_anteil,
                         int32_t gast_anteil, int32_t* auslastung, int32_t prognose, int32_t zuschlag)
{
    const int32_t heim = k.heim, gast = k.gast, stadion_team = k.stadion_team;
    Stadion_Daten* s_echt = Stadion_Finden(stadion_team);
    const Stadion_Daten* S = s_echt ? s_echt : &Stadion_Unbekannt;
    const Stadion_Daten* H_echt = Stadion_Finden(heim);
    const Stadion_Daten* H = H_echt ? H_echt : &Stadion_Unbekannt;
    const int32_t heute = Stadion_Heute();
    const int32_t niveau = k.niveau;

    // 1. demand
    const int32_t a2 = k.niveau_heim < k.niveau_gast ? reiz * 2 : reiz;
    const int32_t i2 = Werbung_Agentur_Wirkung(heim, 2);
    const int32_t i0 = Werbung_Agentur_Wirkung(heim, 0);
    const int32_t attr = k.attr;
    const int32_t konto = Bank_Get_Kontostand(heim, 0, -1);
    int32_t r = 0;
    if (konto < -500000) r = Zufall_Gross(6, 12);
    else if (konto > 5000000) r = Zufall_Gross(0, 6);
    else r = Zufall_Gross(0, 10);
    int64_t D = int64_t(r + 95) * 55000 / 100;
    D = D * ((int64_t(reiz) * 70 + int64_t(a2) * 30) / 100) / 100;
    const int64_t Y = (int64_t(attr) * 60 + i2 * 22 + i0 * 18) / 100;
    D = D * ((Y * 15 + 7000) / 100) / 100;
    const int64_t W = D * 100 / 55000;
    D = D * ((W * 72 + 2800) / 100) / 100;
    D = (D / 100) * 100;
    D = D * 140 / 100 - 1000;
    while (D < 1200) D += 100;

    // 2. parking, 3. snack bars
    const Stadion_Slot& park = S->slot[STADION_ANLAGE_PARKPLATZ];
    const int64_t P = Stadion_Slot_Fertig(park, heute) ? park.plaetze : 0;
    if (D / 2 > P) D -= (D / 2 - P) * 30 / 100;
    const Stadion_Slot& imbiss = S->slot[STADION_ANLAGE_IMBISS];
    const int64_t Q = Stadion_Slot_Fertig(imbiss, heute) ? imbiss.plaetze : 0;
    if (Q < Stadion_Modell[imbiss.modell].max_plaetze && D / 2 > Q * 5000)
        D -= (D / 2 - Q * 5000) * 10 / 100;

    // 4. riots on the terraces beyond what the security keeps calm
    if (S->hat_top && s_echt) {
        const Stadion_Slot& sich = S->slot[STADION_ANLAGE_SICHERHEIT];
        int32_t K = 0;
        if (Stadion_Slot_Fertig(sich, heute) && sich.modell >= 24 && sich.modell <= 26) K = (sich.modell - 23) * 10000;
        const int32_t T = Stadion_Plaetze_Von(*S, 14);
        if (T > K && D > T) {
            const int32_t z = Zufall(0, (T - K) / 1000 + 50);
            if (z > 50) s_echt->top.krawall = 1;
        }
    }

    // 5. spectators per stand
    const int32_t B = k.B;
    int32_t n[6] = {};
    int32_t summe = 0;
    double F = 0;
    const int32_t regen = spiel->wetter == 255 ? 0 : spiel->wetter;
    for (int i = 0; i < STADION_TRIBUENEN; ++i) {
        const Stadion_Slot& s = S->slot[i];
        if (!Stadion_Slot_Fertig(s, heute)) {
            F += 0.7;
            continue;
        }
        const int32_t p = stand_wert(s.modell, attr, niveau);
        const int32_t q = int32_t(float(zuschlag + 100) * H->preis[i] / float(B));
        float f = q ? float(p) / float(q) : float(p);
        if (f < 0.7f) f *= 0.8f;
        if (f > 1.2f) f *= 0.7f;
        if (f > 0.9f && f < 1.1f) f = 1.0f;
        n[i] = int32_t(float(D / 6) * f);
        if (regen > 80 && !(Stadion_Modell[s.modell].art & 4)) {
            const int32_t t = regen - 50;
            D = D * (100 - t / 6) / 100;
            n[i] = n[i] * (100 - t) / 100;
        }
        summe += n[i];
        F += f;
    }
    // 6. top-up towards the demand, 7. the season-ticket holders come anyway
    F /= 6;
    auffuellen(n, &summe, double(D) * F);
    int32_t st = H->dauerkarten * 80 / 100;
    auffuellen(n, &summe, double(st));
    if (st > summe) st = summe;

    // 8. seats limit
    int32_t zuschauer = 0;
    double einnahme = 0;
    for (int i = 0; i < STADION_TRIBUENEN; ++i) {
        const Stadion_Slot& s = S->slot[i];
        if (!Stadion_Slot_Fertig(s, heute)) n[i] = 0;
        else if (n[i] != 0 && n[i] >= s.plaetze) n[i] = s.plaetze;
        if (auslastung) auslastung[i] = s.plaetze > 0 && n[i] ? n[i] * 100 / s.plaetze : 0;
        zuschauer += n[i];
        einnahme += double(zuschlag + 100) * H->preis[i] * 0.01 * n[i];
    }
    spiel->zuschauer = uint32_t(zuschauer);
    if (prognose || Stadion_Ist_Client()) return zuschauer;

    // 10. money
    if (gast_anteil != 0 && einnahme != 0)
        Schreibe_Überweisung(-1, gast, float(gast_anteil * einnahme * 0.01), 13, 1, -1);
    if (heim_anteil != 0 && einnahme != 0) {
        if (spiel->wettbewerb == k.heim_liga && zuschauer > 0)
            einnahme = double(zuschauer - st) * einnahme / zuschauer;
        Schreibe_Überweisung(-1, heim, float(heim_anteil * einnahme * 0.01), 13, 1, -1);
        int64_t c = zuschauer;
        if (c > Q * 12000) c = Q * 12000;
        const int32_t z = Zufall(15, 30);
        c = c * (z + 85) / 100;
        if (c != 0) Schreibe_Überweisung(-1, heim, float(2 * c), 16, 1, -1);
    }
    // 11. statistics of the club's own stadium
    if (stadion_team == heim && H_echt) Stadion_Statistik_Eintragen(Stadion_Finden(heim), spiel, n, heim_anteil);
    return zuschauer;
}

int32_t Stadion_Zuschauer(int32_t stadion_team, Spiele_Spiel* spiel, int32_t reiz, int32_t heim_anteil,
                          int32_t gast_anteil, int32_t* auslastung, int32_t prognose, int32_t zuschlag)
{
    if (!Stadion.initialisiert || !spiel || spiel->heim == 0xFFFF || spiel->gast == 0xFFFF) return 0;
    return zuschauer(kontext(stadion_team, *spiel), spiel, reiz, heim_anteil, gast_anteil, auslastung, prognose,
                     zuschlag);
}

void Stadion_Assistent_Preise(int32_t team, Spiele_Spiel* spiel, int32_t reiz)
{
    if (!Stadion.initialisiert || Stadion_Ist_Client()) return;
    Stadion_Daten* d = Stadion_Finden(team);
    const int32_t slot = Assistent_Mit_Aufgabe(team, 5);
    if (!d || slot == -1 || !spiel || spiel->heim == 0xFFFF || spiel->gast == 0xFFFF) return;
    const int32_t faehigkeit = Assistent_Faehigkeit(team, slot, 5);
    const double g = 1.1 - (100 - faehigkeit) * 0.005;
    const Spiel_Kontext k = kontext(team, *spiel);
    const int32_t heute = Stadion_Heute();
    for (int i = 0; i < STADION_TRIBUENEN; ++i)
        if (Stadion_Slot_Fertig(d->slot[i], heute))
            d->preis[i] = float(int32_t(stand_wert(d->slot[i].modell, k.attr, k.niveau) * k.B / (g * 100)));
    for (;;) {
        int32_t auslastung[6];
        zuschauer(k, spiel, reiz, 0, 0, auslastung, 1, 0);
        bool erhoeht = false;
        for (int i = 0; i < STADION_TRIBUENEN; ++i)
            if (d->preis[i] < 40.0f && auslastung[i] == 100) {
                d->preis[i] += 1;
                erhoeht = true;
            }
        if (!erhoeht) break;
        const int32_t z = Zufall(0, 100);
        if (z > faehigkeit) break;
    }
}

void Stadion_Fanstimmung_Setzen(int32_t team, int32_t wert)
{
    if (!Stadion.initialisiert || wert < 0 || wert > 100) return;
    Stadion_Daten* d = Stadion_Finden(team);
    if (!d) return;
    const int32_t neu = ((wert + 50) * 20 + d->stimmung * 80) / 100;
    d->stimmung = int8_t(neu > 100 ? 100 : neu);
}

void Stadion_Dauerkarten_Verkauf(int32_t team)
{
    if (!Stadion.initialisiert || Stadion_Ist_Client()) return;
    Stadion_Daten* d = Stadion_Finden(team);
    if (!d) return;
    const int32_t A = Wettbewerb_Get_Team_Ansehen(team), Bd = Wettbewerb_Get_Team_Bedeutung(team);
    // the squad's mean strength (0..999): any squad of ordinary players makes R its full 100
    const int32_t S = Team_Gesamtstaerke(team);
    int32_t spieler[TEAM_MAX_SPIELER + 1];
    const int32_t anzahl = Teamspieler_Ins_Array(team, spieler, TEAM_MAX_SPIELER + 1, 0);
    int32_t stars = 0;
    for (int32_t i = 0; i < anzahl && i <= TEAM_MAX_SPIELER && stars < 2; ++i)
        if (Spieler_Wert(SP_K_I_T, spieler[i], 0, SP_LESEN) > S * 120 / 100) ++stars;
    int32_t R = S + 10 * stars;
    if (R > 100) R = 100;
    const int32_t I = (Werbung_Agentur_Wirkung(team, 0) + Werbung_Agentur_Wirkung(team, 2)) / 2;
    double E = (A * 67 + Bd * 13 + I * 5 + R * 15) * 100 * 0.0001;
    E = (E * 0.1) * (E * 0.1);
    const int32_t N = int32_t(E * 12000 * 0.01);
    const int32_t standard = int32_t(Stadion_Dauerkarten_Preis(team, 0));
    if (standard <= 0) return;
    int32_t k = int32_t(d->dauerkarten_preis * 100 / standard);
    double e = (std::abs(100 - k) * 0.01) * (std::abs(100 - k) * 0.01);
    const int32_t halb = Zufall(0, 1);
    if (halb == 1) e /= 2;
    if (k > 100) {
        k = int32_t(k * (e * 100 + 100) * 0.01);
    } else {
        if (e == 0) e = 1;
        k = int32_t(k * 100 / (e + 100));
        if (k < 70) k = 70;
    }
    int32_t verkauft = N * 100 / k;
    const int32_t grenze = Stadion_Plaetze_Von(*d, 15) * 80 / 100;
    if (verkauft > grenze) verkauft = grenze;
    if (verkauft <= 0) return;
    const float betrag = float(double(verkauft) * d->dauerkarten_preis);
    Schreibe_Überweisung(-1, team, betrag, 11, 1, -1);
    News_Senden(-1, team, -1, 4, nullptr,
                "Der Verein %s meldet den Verkauf von %d Dauerkarten. %s fließen in die Vereinskasse.",
                Team_String(TEAM_NAME, team, nullptr, 0), verkauft, Bank_Betrag_String(betrag, team, -1, 0));
    d->dauerkarten = verkauft;
}

void Stadion_Dauerkarten_Verkaufen()
{
    if (Stadion_Ist_Client() || !Stadion_Ist_Initialisiert()) return;
    if (Eingang_Get_Dauerkarten_Option()) {
        for (int32_t team : Stadion_Teams()) Stadion_Dauerkarten_Verkauf(team);
    } else {
        Debug_Print(0, "OHNE DAUERKARTEN!!!!");
    }
    Stadion_Statistik_Neue_Saison();
}

void Stadion_Preise_Vorschlagen(int32_t team)
{
    if (!Stadion.initialisiert) return;
    Stadion_Daten* d = Stadion_Finden(team);
    if (!d) return;
    int32_t B = int32_t(Stadion_Eintrittspreis(team));
    if (B == 0) B = 1;
    const int32_t attr = Stadion_Attraktivitaet(team), niveau = Stadion_Niveau(team);
    for (int i = 0; i < STADION_TRIBUENEN; ++i) {
        const Stadion_Slot& s = d->slot[i];
        if (!Stadion_Slot_Fertig(s, Stadion_Heute())) continue;
        int32_t a = Stadion_Modell[s.modell].attraktion * 100 / 6;
        a = (attr * 40 + a * 60) / 100;
        int32_t p = a * niveau / 100;
        p = p < 20 ? 20 : p > 120 ? 120 : p;
        d->preis[i] = float(int32_t(float(B) * float(p) / 100.0f));
    }
}

int32_t Stadion_Ausweichstadion(int32_t team, int32_t min_plaetze)
{
    if (!Stadion.initialisiert) return -1;
    const int32_t nation = Team_Wert(TEAM_NATION, team, 0, TEAM_LESEN);
    std::vector<int32_t> kandidaten;
    for (auto& d : Stadion.liste)
        if (d->team != team && Team_Wert(TEAM_NATION, d->team, 0, TEAM_LESEN) == nation &&
            Stadion_Plaetze_Von(*d, 15) >= min_plaetze)
            kandidaten.push_back(d->team);
    if (kandidaten.empty()) return -1;
    const int32_t z = Zufall(0, int32_t(kandidaten.size()) - 1);
    return kandidaten[size_t(z)];
}

bool Stadion_Szene_Tribuenen(int32_t heim, int32_t zuschauer, int32_t arten[6], int32_t fuellung[6])
{
    // live-view stand kind of each stand model: terraces, covered stands, two tiers
    static const int32_t ART[7] = {-1, 0, 1, 2, 3, 4, 5};
    if (!Stadion.initialisiert || !arten || !fuellung) return false;
    const Stadion_Daten* d = Stadion_Finden(heim);
    if (!d) return false;
    const int32_t heute = Stadion_Heute();
    int64_t plaetze = 0;
    for (int i = 0; i < STADION_TRIBUENEN; ++i)
        if (Stadion_Slot_Fertig(d->slot[i], heute)) plaetze += d->slot[i].plaetze;
    for (int i = 0; i < STADION_TRIBUENEN; ++i) {
        const Stadion_Slot& s = d->slot[i];
        const bool fertig = Stadion_Slot_Fertig(s, heute) && s.modell < 7 && s.plaetze > 0;
        arten[i] = fertig ? ART[s.modell] : -1;
        fuellung[i] = 0;
        if (!fertig || plaetze == 0 || zuschauer <= 0) continue;
        const int64_t n = int64_t(zuschauer) * s.plaetze / plaetze;
        const int64_t f = n * 100 / s.plaetze;
        fuellung[i] = int32_t(f > 100 ? 100 : f);
    }
    return true;
}
