#include "economy/auktion.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

#include "database/assistent.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "economy/werbung.h"
#include "gameflow/globals.h"
#include "gameflow/team_requester.h"
#include "platform/disk.h"
#include "platform/os/os.h"
#include "platform/print.h"
#include "platform/wert.h"
#include "platform/zufall.h"
#include "toolkit/dienste.h"

uint8_t Auktion_Erste = 0;

namespace {
Auktion_Abfrage abfrage = nullptr;
Auktion_Stufe_Abfrage stufe_abfrage = nullptr;
Auktion_Eingabe_Quelle eingabe_quelle = nullptr;
Auktion_Eingabe_Quelle schirm_quelle = nullptr;
void (*schirm_anfang)(int32_t) = nullptr;
void (*schirm_ende)() = nullptr;

Auktion_Eingabe_Quelle quelle() { return eingabe_quelle ? eingabe_quelle : schirm_quelle; }
uint32_t (*uhr)() = nullptr;

constexpr int32_t DAUER_MS = 20000, TICK_MS = 100, SCHRITT_MS = 201, VERLAENGERUNGEN = 6;

constexpr uint8_t SPALTEN_TABELLE[AUKTION_SPALTEN][AUKTION_SPALTEN] = {
    {3}, {2, 4}, {1, 3, 5}, {0, 2, 4, 6}, {0, 2, 3, 4, 6}, {0, 1, 2, 4, 5, 6}, {0, 1, 2, 3, 4, 5, 6},
};

struct Zustand {
    int32_t spnr = -1, verein = -1, n = 0;
    int32_t seed = 0, basiswert = 0;
    Spieler_Angebot* angebote = nullptr;
    bool eifrig[AUKTION_SPALTEN] = {};
    // whether each bid's club is a human's, by the bid's index: it stays so while the auction runs
    bool mensch_bietet[AUKTION_SPALTEN] = {};
    bool jetzt_bewerten = true;
    int32_t k = 0;
    int64_t start = 0, jetzt = 0, letzter_tick = 0;
    bool fertig = false;
    int32_t ergebnis = -1;
    Auktion_Stand stand{};
    // each bidder's standing, read once: no result or league changes while the auction runs
    int32_t ansehen_team[AUKTION_SPALTEN] = {}, ansehen[AUKTION_SPALTEN] = {};
    int32_t ansehen_n = 0;
} A;

int32_t ansehen_von(int32_t team)
{
    for (int32_t i = 0; i < A.ansehen_n; ++i)
        if (A.ansehen_team[i] == team) return A.ansehen[i];
    const int32_t wert = Werbung_Team_Ansehen(team);
    if (A.ansehen_n < AUKTION_SPALTEN) {
        A.ansehen_team[A.ansehen_n] = team;
        A.ansehen[A.ansehen_n++] = wert;
    }
    return wert;
}

bool mensch(int32_t team)
{
    return team >= 0 && Team_Hat_Manager(team) && Assistent_Mit_Aufgabe(team, ASSI_AUFGABE_TRANSFER) == -1;
}

const char* spieler_name() { return Spieler_String(SP_VOLLNAME, A.spnr, nullptr, 0); }
const char* team_name(int32_t t) { return Team_String(194, t, nullptr, 0); }

bool vereinslos() { return A.verein < 0 || A.verein == Transfermarkt_Team; }

uint32_t uhr_jetzt() { return uhr ? uhr() : Os_Time_Ms(); }

// Real time only while someone can act on the screen; otherwise the simulated clock.
bool echtzeit() { return A.stand.beobachtet && quelle(); }

// Every human bidder and the selling manager hear the auction's messages.
uint8_t allen_sagen(int32_t modus, const char* text)
{
    uint8_t antwort = 1;
    bool gefragt = false;
    auto sagen = [&](int32_t t) {
        if (!mensch(t)) return;
        const uint8_t a = Team_Requester(modus, t, "%s", text);
        if (!gefragt) antwort = a;
        gefragt = true;
    };
    if (!vereinslos()) sagen(A.verein);
    for (int32_t i = 0; i < A.n; ++i)
        if (A.angebote[i].bieter != A.verein) sagen(A.angebote[i].bieter);
    return antwort;
}

void neu_bewerten(int32_t c)
{
    const int32_t i = A.stand.angebot[c];
    A.stand.stufe[c] = i < 0 ? 0 : Auktion_Gebot_Wert(&A.angebote[i]);
    A.stand.min_stufe = std::min(A.stand.min_stufe, A.stand.stufe[c]);
    A.stand.max_stufe = std::max(A.stand.max_stufe, A.stand.stufe[c]);
}

int32_t spalte_von_taste(int32_t c)
{
    if (c >= '1' && c <= '7') return c - '1';
    return c >= 0 && c < AUKTION_SPALTEN ? c : -1;
}

void neuer_fuehrender(int32_t c)
{
    if (A.stand.verlaengerungen > 0) --A.stand.verlaengerungen;
    for (int32_t j = 0; j < AUKTION_SPALTEN; ++j) {
        if (!A.stand.fuehrend[j]) continue;
        A.stand.fuehrend[j] = 0;
        const int32_t z = Zufall_Gross(0, 2);
        if (z != 0) A.eifrig[j] = true;
    }
    A.stand.fuehrend[c] = 1;
    if (A.stand.verlaengerungen > 0) A.start += (A.jetzt - A.start) / 100 * 15;
}

int32_t fuehrende_spalte()
{
    for (int32_t c = 0; c < AUKTION_SPALTEN; ++c)
        if (A.stand.fuehrend[c]) return c;
    return -1;
}
}  // namespace

void Auktion_Set_Abfrage(Auktion_Abfrage a) { abfrage = a; }
void Auktion_Set_Stufe_Abfrage(Auktion_Stufe_Abfrage a) { stufe_abfrage = a; }
void Auktion_Set_Eingabe(Auktion_Eingabe_Quelle q) { eingabe_quelle = q; }
void Auktion_Set_Uhr(uint32_t (*u)()) { uhr = u; }
void Auktion_Set_Schirm(Auktion_Eingabe_Quelle q, void (*anfang)(int32_t), void (*ende)())
{
    schirm_quelle = q;
    schirm_anfang = anfang;
    schirm_ende = ende;
}

int32_t Auktion_Spalte_Bieter(int32_t c)
{
    if (c < 0 || c >= AUKTION_SPALTEN || !A.angebote || A.stand.angebot[c] < 0 || A.stand.angebot[c] >= A.n) return -1;
    return A.angebote[A.stand.angebot[c]].bieter;
}
const Auktion_Stand& Auktion_Get_Stand() { return A.stand; }

bool Auktion_Spalten(int32_t n, int32_t* spalte)
{
    if (n < 1 || n > AUKTION_SPALTEN) return false;
    for (int32_t i = 0; i < n; ++i) spalte[i] = SPALTEN_TABELLE[n - 1][i];
    return true;
}

int32_t Auktion_Stufe(int32_t s, int32_t f, int32_t ansehen)
{
    if (s == -2) s = 85;
    if (s == -1) return 0;
    if (f == -2) f = 85;
    const int64_t stufe = ((int64_t(s) * 14 / 10 + int64_t(f) * 14 / 10) * 65 + int64_t(ansehen) * 35) / 100 / 2;
    return stufe < 0 || stufe > 200 ? 0 : int32_t(stufe);
}

int32_t Auktion_Gebot_Wert(const Spieler_Angebot* a)
{
    if (!a) return 0;
    if (stufe_abfrage) return stufe_abfrage(a);
    // the same terms give the same level throughout one auction
    const int32_t alt = Zufall_Get_Seed();
    Zufall_Set_Seed(A.seed);
    const int32_t s = Spieler_Bewerte_Angebot_Gehalt(a->bieter, A.verein, A.spnr, a->monate, a->gehalt);
    int32_t f = 100;
    if (int32_t(a->abloese) + a->leihgebuehr > 0)
        f = Spieler_Bewerte_Angebot_Abloese(A.verein, a->bieter, A.spnr, A.basiswert, a->abloese, a->leihgebuehr);
    const int32_t ansehen = ansehen_von(a->bieter);
    Zufall_Set_Seed(alt);
    return Auktion_Stufe(s, f, ansehen);
}

int32_t Auktion_Bieter_Grenze(const Spieler_Angebot* a)
{
    if (!a) return 100;
    const int32_t w = Wert_Im_Bereich(a->bewertung, 0, 400, 0);
    const int32_t z = Zufall_Gross(0, w / 10);
    return 80 + w / 5 + z;
}

void Auktion_Erhoehen(Spieler_Angebot* a)
{
    if (!a) return;
    auto heben = [](uint16_t& x, int32_t prozent) {
        if (x >= 19999) return;
        const int32_t m = int32_t(x) * prozent / 100;
        if (m != 0) x = uint16_t(std::min(m + 1, 19999));
    };
    heben(a->abloese, 102);
    heben(a->leihgebuehr, 102);
    heben(a->gehalt, 101);
    for (int32_t c = 0; c < AUKTION_SPALTEN; ++c)
        if (A.stand.angebot[c] >= 0 && A.angebote && &A.angebote[A.stand.angebot[c]] == a) neu_bewerten(c);
}

int32_t Auktion_Bester_Bieter(int32_t schwelle)
{
    int32_t beste = -1, bester_wert = schwelle;
    for (int32_t c = 0; c < AUKTION_SPALTEN; ++c) {
        if (A.stand.angebot[c] < 0 || A.stand.stufe[c] <= 0) continue;
        const int32_t z = Zufall_Gross(0, 10);
        if (A.stand.stufe[c] + z > bester_wert) {
            bester_wert = A.stand.stufe[c] + z;
            beste = c;
        }
    }
    return beste;
}

bool Auktion_Init_Check() { return true; }

static bool auktion_starten(int32_t spnr, int32_t verein, int32_t n, Spieler_Angebot* angebote, int32_t beobachtet,
                            int32_t entscheidet);

bool Auktion_Start(int32_t spnr, int32_t verein, int32_t n, Spieler_Angebot* angebote)
{
    return auktion_starten(spnr, verein, n, angebote, 0, 0);
}

static bool auktion_starten(int32_t spnr, int32_t verein, int32_t n, Spieler_Angebot* angebote, int32_t beobachtet,
                            int32_t entscheidet)
{
    A = Zustand{};
    A.spnr = spnr;
    A.verein = verein;
    A.n = n;
    A.angebote = angebote;
    A.seed = Zufall_Get_Seed();
    for (int32_t i = 0; i < n && i < AUKTION_SPALTEN; ++i) A.mensch_bietet[i] = mensch(angebote[i].bieter);
    A.stand.n = n;
    A.stand.beobachtet = beobachtet;
    A.stand.verkaeufer_entscheidet = entscheidet;
    A.stand.verlaengerungen = VERLAENGERUNGEN;
    A.stand.min_stufe = 2147483647;
    A.stand.max_stufe = 0;
    // The fee is weighed against his value for seven tenths of the months his contract has left:
    // the weighing takes months, and his fee in thousands taken for months asked a fee no bid
    // ever reached, so that every auction of a player with a club found no buyer.
    int32_t rest = 0;
    if (!vereinslos() && Teamspieler_Ist_Im_Team(verein, spnr) >= 0) rest = Teamspieler_Wert(305, verein, spnr, 0, 0);
    A.basiswert = rest * 7 / 10;
    int32_t spalte[AUKTION_SPALTEN];
    Auktion_Spalten(n, spalte);
    for (int32_t c = 0; c < AUKTION_SPALTEN; ++c) A.stand.angebot[c] = -1;
    for (int32_t i = 0; i < n; ++i) A.stand.angebot[spalte[i]] = i;
    for (int32_t i = 0; i < n; ++i) neu_bewerten(spalte[i]);
    if (A.stand.beobachtet) {
        if (Auktion_Erste == 0) {
            Auktion_Erste = 1;
            if (allen_sagen(2, "Dies könnte Ihre erste Auktion sein.^l^lMöchten Sie ein paar kurze Hinweise zum Ablauf der "
                               "Auktion ?")) {
                allen_sagen(0, "Es gibt folgende Möglichkeiten:^lWenn ein Spieler von einem anderen Verein gekauft oder "
                               "geliehen werden soll, entscheiden sowohl der zukünftige Club als auch der Spieler über "
                               "Ablösesumme bzw. Gehalt.");
                allen_sagen(0, "Wird dagegen ein vereinloser Spieler in der Auktion 'versteigert', ist nur das Gehalt "
                               "relevant - folglich entscheidet hier auch nur der Spieler. Ebenso verhält es sich bei einer "
                               "Vertragsverlängerung oder einer Übernahme nach Vertragsablauf.");
                allen_sagen(0, "Durch Anklicken Ihres Vereins-Wappens bzw. Drücken der korrespondierenden Taste ('1'-'7') "
                               "erhöhen Sie Ihr Angebot, und zwar PROZENTUAL sowohl das Spieler-Gehalt als auch die evtl. "
                               "vorliegende Ablösesumme.");
                allen_sagen(0, "Gehört der Auktions-Spieler einem Manager, entscheidet dieser per Mausklick auf den "
                               "jeweiligen Balken, wer den Zuschlag erhält; der Spieler muß jedoch auch mit dem Gehalt "
                               "einverstanden sein, sonst platzt der Transfer.");
            }
        }
        static const char* const ART[4] = {"Torwart", "Abwehrspieler", "Mittelfeldspieler", "Stürmer"};
        const char* art = ART[Wert_Im_Bereich(Spieler_Wert(SP_ART, spnr, 0, 0), 0, 3, 0)];
        const int32_t staerke = Spieler_Wert(SP_K_I_T, spnr, 0, 0);
        char kopf[512];
        if (vereinslos())
            std::snprintf(kopf, sizeof kopf,
                          "In der folgenden Auktion wird sich^l%s^l(%s, Stärke %d, vereinslos)^lfür einen neuen Verein "
                          "entscheiden.",
                          spieler_name(), art, staerke);
        else
            std::snprintf(kopf, sizeof kopf,
                          "In der folgenden Auktion wird sich^l%s^l(%s mit Stärke %d von %s)^lfür einen neuen Verein "
                          "entscheiden.",
                          spieler_name(), art, staerke, team_name(verein));
        if (!A.stand.verkaeufer_entscheidet) {
            char frage[600];
            std::snprintf(frage, sizeof frage, "%s^l^lMöchten Sie an der Auktion teilnehmen?", kopf);
            A.stand.beobachtet = allen_sagen(2, frage);
            if (!A.stand.beobachtet)
                for (int32_t i = 0; i < n; ++i)
                    if (mensch(angebote[i].bieter)) {
                        angebote[i].gehalt = angebote[i].abloese = angebote[i].leihgebuehr = 0;
                        for (int32_t c = 0; c < AUKTION_SPALTEN; ++c)
                            if (A.stand.angebot[c] == i) neu_bewerten(c);
                    }
        } else {
            allen_sagen(0, kopf);
            bool nach_vertragsende = false;
            for (int32_t i = 0; i < n; ++i)
                nach_vertragsende = nach_vertragsende || (angebote[i].abloese == 0 && angebote[i].leihgebuehr == 0 &&
                                                          angebote[i].gehalt != 0);
            if (nach_vertragsende) {
                Team_Requester(0, verein,
                               "Es liegen Angebote für einen Wechsel nach Vertragsende vor.^l%s wird sich selbst für ein "
                               "Angebot entscheiden.",
                               spieler_name());
                A.stand.verkaeufer_entscheidet = 0;
            } else {
                if (!Team_Requester(2, verein,
                                    "Es liegen ausschliesslich Angebote zum sofortigen Verkauf Ihres Spielers vor.^l^lMöchten "
                                    "Sie %s überhaupt verkaufen?",
                                    spieler_name()))
                    return false;
                Team_Requester(0, verein, "Sie dürfen sich während der Auktion durch Klick auf die Säulen selbst entscheiden.");
            }
        }
        for (int32_t c = 0; c < AUKTION_SPALTEN; ++c) {
            const int32_t i = A.stand.angebot[c];
            if (i >= 0 && mensch(angebote[i].bieter) && A.stand.stufe[c] == 0)
                Team_Requester(0, angebote[i].bieter,
                               "%s ist mit Ihren Gehaltsvorstellungen nicht einverstanden. Wenn Sie an einem Vertrag "
                               "interessiert sind, sollten Sie Ihr Angebot erhöhen.",
                               spieler_name());
        }
    }
    A.start = A.letzter_tick = A.jetzt = echtzeit() ? int64_t(uhr_jetzt()) : 0;
    return true;
}

int32_t Auktion_Schritt()
{
    if (A.fertig) return A.ergebnis < 0 ? -2 : A.ergebnis;
    Auktion_Eingabe e{};
    if (A.stand.beobachtet && quelle()) e = quelle()();
    if (e.ende) {
        A.fertig = true;
        A.ergebnis = -1;
        return -2;
    }
    const int32_t klick = spalte_von_taste(e.spalte);
    A.jetzt = echtzeit() ? int64_t(uhr_jetzt()) : A.jetzt + SCHRITT_MS;
    const bool tick = A.jetzt - A.letzter_tick >= TICK_MS;
    if (klick < 0 && !tick) return -1;
    const int32_t p = int32_t(std::min<int64_t>(100, (A.jetzt - A.start) * 100 / DAUER_MS));
    A.stand.prozent = p;
    int32_t neu = -1;
    if (A.stand.verkaeufer_entscheidet) {
        if (klick >= 0 && A.stand.angebot[klick] >= 0 && A.stand.stufe[klick] > 0 && !A.stand.fuehrend[klick]) neu = klick;
    } else if (p >= 6 && tick) {
        bool weiter = A.jetzt_bewerten;
        if (!weiter) {
            const int32_t z = Zufall_Gross(0, 20 * A.k + 20);
            weiter = z == 0;
        }
        if (weiter) {
            A.jetzt_bewerten = false;
            A.k = 1;
            const int32_t z1 = Zufall_Gross(0, p / 2);
            int32_t schwelle = 115 - z1;
            if (vereinslos()) {
                const int32_t z2 = Zufall_Gross(5, 12);
                schwelle -= z2;
            }
            const int32_t c = Auktion_Bester_Bieter(schwelle);
            if (c >= 0 && !A.stand.fuehrend[c]) {
                neu = c;
                A.k = 0;
            }
        }
    }
    if (neu >= 0) neuer_fuehrender(neu);
    // a human bidder raises with his crest or key, the seller's clicks pick instead
    if (!A.stand.verkaeufer_entscheidet && klick >= 0 && A.stand.angebot[klick] >= 0 &&
        A.mensch_bietet[A.stand.angebot[klick]])
        Auktion_Erhoehen(&A.angebote[A.stand.angebot[klick]]);
    if (p > 5 && tick)
        for (int32_t c = 0; c < AUKTION_SPALTEN; ++c) {
            const int32_t i = A.stand.angebot[c];
            if (i < 0 || A.stand.fuehrend[c] || A.mensch_bietet[i]) continue;
            bool will = A.eifrig[c];
            if (!will) {
                const int32_t z = Zufall_Gross(0, 24);
                will = z == 0;
            }
            if (!will) continue;
            const int32_t grenze = Auktion_Bieter_Grenze(&A.angebote[i]);
            const int32_t z = Zufall_Gross(0, p / 4);
            if (grenze + z + 10 <= A.stand.stufe[c]) continue;
            Auktion_Erhoehen(&A.angebote[i]);
            A.eifrig[c] = false;
            const int32_t z5 = Zufall_Gross(0, 5);
            if (z5 == 0) A.jetzt_bewerten = true;
            for (bool& x : A.eifrig) {
                const int32_t z1 = Zufall_Gross(0, 1);
                x = z1 != 0;
            }
        }
    if (tick) A.letzter_tick = A.jetzt;
    if (p >= 100 || (A.n == 1 && neu >= 0)) {
        const int32_t c = fuehrende_spalte();
        A.fertig = true;
        A.ergebnis = c >= 0 ? A.stand.angebot[c] : -1;
        return A.ergebnis < 0 ? -2 : A.ergebnis;
    }
    return -1;
}

int32_t Auktion_Durchfuehren(int32_t spnr, int32_t verein, int32_t n, int32_t, Spieler_Angebot* angebote)
{
    if (abfrage) return abfrage(spnr, verein, n, angebote);
    if (n < 1 || n > AUKTION_SPALTEN || !angebote) {
        Print_Fehler("Auktion_Durchfuehren: %d Angebote!", n);
        return -1;
    }
    A.spnr = spnr;
    A.verein = verein;
    A.n = n;
    A.angebote = angebote;
    int32_t beobachtet = 0, entscheidet = 0;
    bool mit_geld = false, nur_eigenes = n == 1 && angebote[0].bieter == verein;
    for (int32_t i = 0; i < n; ++i)
        mit_geld = mit_geld || angebote[i].abloese || angebote[i].leihgebuehr || angebote[i].gehalt;
    if (!vereinslos() && mensch(verein) && mit_geld) {
        beobachtet = 1;
        entscheidet = nur_eigenes ? 0 : 1;
    }
    if (!beobachtet && n == 1 && Wert_Im_Bereich(angebote[0].bewertung, 0, 400, 0) > 100) return 0;
    for (int32_t i = 0; i < n; ++i)
        if (mensch(angebote[i].bieter)) beobachtet = 1;
    if (Menue_Automatik_Aktiv()) beobachtet = entscheidet = 0;
    // the auction draws on its own run of the game's generator and gives it back untouched
    const int32_t seed = Zufall_Get_Seed();
    int32_t ergebnis = -1;
    // Nobody takes part on a screen: nothing but the bids moves until the auction ends, and every
    // raise rates the bids on the player's figures as they stand now.
    std::optional<Spieler_Bewertung_Halten> halten;
    if (!beobachtet) halten.emplace(spnr, verein);
    if (auktion_starten(spnr, verein, n, angebote, beobachtet, entscheidet)) {
        const bool schirm = A.stand.beobachtet && !eingabe_quelle && schirm_quelle;
        if (schirm && schirm_anfang) schirm_anfang(spnr);
        for (;;) {
            const int32_t r = Auktion_Schritt();
            if (r != -1) {
                ergebnis = r < 0 ? -1 : r;
                break;
            }
        }
        if (schirm && schirm_ende) schirm_ende();
    }
    halten.reset();
    Zufall_Set_Seed(seed);
    char text[400];
    if (ergebnis >= 0) {
        if (A.stand.beobachtet) {
            // A short name that ends in its own full stop ("Oberenbr.") ends the sentence too.
            const char* sieger = team_name(angebote[ergebnis].bieter);
            const size_t n = std::strlen(sieger);
            std::snprintf(text, sizeof text, "Die Auktion ist beendet.^lDen Zuschlag für Spieler %s erhielt %s%s", spieler_name(),
                          sieger, n > 0 && sieger[n - 1] == '.' ? "" : ".");
            allen_sagen(0, text);
        }
    } else {
        std::snprintf(text, sizeof text, "Leider fand sich kein Käufer, der bereit war für %s genug zu bieten.", spieler_name());
        allen_sagen(0, text);
    }
    return ergebnis;
}

int32_t Auktion_Angebote_Vorhanden(int32_t verein, const Spieler_Angebot* angebote, int32_t n)
{
    if (Netz_Rolle != 1) return 1;
    if (verein != Aktuelles_Team || Assistent_Mit_Aufgabe(verein, ASSI_AUFGABE_TRANSFER) != -1) return 1;
    for (int32_t i = 0; i < n && angebote; ++i)
        if (angebote[i].abloese || angebote[i].leihgebuehr) return 1;
    return 0;
}

bool Auktion_Speichern(Disk_Datei* datei) { return Disk_Schreibe_Block(datei, &Auktion_Erste, 1); }

bool Auktion_Laden(Disk_Datei* datei, const char*)
{
    uint8_t b = 0;
    if (!Disk_Lese_Block(datei, &b, 1)) return false;
    Auktion_Erste = b ? 1 : 0;
    return true;
}

void Auktion_Module_Registrieren() { Disk_Block_Registrieren(DISK_POS_AUKTION, Auktion_Speichern, Auktion_Laden); }

Auktion_Anzeige Auktion_Get_Anzeige()
{
    Auktion_Anzeige a;
    a.stand = A.stand;
    a.rest_ms = std::clamp<int64_t>(DAUER_MS - (A.jetzt - A.start), 0, DAUER_MS);
    for (int32_t c = 0; c < AUKTION_SPALTEN; ++c) {
        const int32_t i = A.stand.angebot[c];
        if (!A.angebote || i < 0 || i >= A.n) continue;
        const Spieler_Angebot& o = A.angebote[i];
        a.spalte[c] = {o.bieter, o.abloese, o.leihgebuehr, o.gehalt, o.monate};
    }
    return a;
}

std::vector<std::string> Auktion_Spalte_Texte(int32_t c) { return Auktion_Spalte_Texte(Auktion_Get_Anzeige(), c); }
int32_t Auktion_Balken_Hoehe(int32_t c) { return Auktion_Balken_Hoehe(Auktion_Get_Anzeige(), c); }
std::string Auktion_Uhr_Text() { return Auktion_Uhr_Text(Auktion_Get_Anzeige()); }

std::vector<std::string> Auktion_Spalte_Texte(const Auktion_Anzeige& anzeige, int32_t c)
{
    if (c < 0 || c >= AUKTION_SPALTEN || anzeige.stand.angebot[c] < 0 || anzeige.spalte[c].bieter < 0) return {};
    const Auktion_Bedingungen& a = anzeige.spalte[c];
    // a column nobody can win is drawn in the disabled colour
    const int32_t farbe = anzeige.stand.stufe[c] > 0 ? 0 : 8, x = 4;
    const auto geld = [&](int64_t dm) { return std::string(Bank_Betrag_String(float(dm), a.bieter, -1, 0)); };
    std::string abloese;
    if (a.abloese > 0) abloese = geld(int64_t(a.abloese) * 1000);
    else if (a.leihgebuehr > 0) abloese = geld(int64_t(a.leihgebuehr) * 1000) + " (leih.)";
    else if (vereinslos()) abloese = "ablösefrei";
    else if (a.bieter == A.verein) abloese = "Verlängerung";
    else abloese = "frei ab Vertragsende";
    char z[4][200];
    std::snprintf(z[0], sizeof z[0], "^c%05d^tz%04d%s", farbe, 48, team_name(a.bieter));
    std::snprintf(z[1], sizeof z[1], "^c%05d^tl%04d%d Monate", farbe, x, int32_t(a.monate));
    std::snprintf(z[2], sizeof z[2], "^c%05d^tl%04dAblöse:", farbe, x);
    std::snprintf(z[3], sizeof z[3], "^c%05d^tl%04dGehalt/J.:", farbe, x);
    return {z[0], z[1], z[2], abloese, z[3], geld(int64_t(a.gehalt) * 1000)};
}

int32_t Auktion_Balken_Hoehe(const Auktion_Anzeige& anzeige, int32_t c)
{
    const Auktion_Stand& st = anzeige.stand;
    if (c < 0 || c >= AUKTION_SPALTEN || st.angebot[c] < 0) return 0;
    const int32_t lo = std::max(0, st.min_stufe - 10), hi = std::max(0, st.max_stufe + 80);
    if (hi <= lo) return 0;
    return std::clamp((st.stufe[c] - lo) * 102 / (hi - lo), 0, 102);
}

std::string Auktion_Uhr_Text(const Auktion_Anzeige& anzeige)
{
    const int64_t rest = anzeige.rest_ms;
    char t[80];
    std::snprintf(t, sizeof t, "^c%05d^fb001100:%02d.^fe^c%05d^fb0009%02d^fe", 0, int32_t(rest / 1000), 0,
                  int32_t(rest % 1000 / 10));
    return t;
}
