// The training camps' daily and weekly work: friendly requests of computer clubs, the club's
// appointment of the day with its costs and effects, and the camps' weekly discounts.
#include <algorithm>

#include "competitions/wettbewerb.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "economy/trainingslager.h"
#include "economy/trainingslager_intern.h"
#include "platform/print.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "platform/zufall.h"

namespace {

constexpr int32_t MAX_SPIELER = 50;
constexpr int32_t TAGESFAKTOR[14] = {120, 110, 100, 90, 80, 80, 70, 70, 60, 60, 50, 40, 30, 20};
constexpr int32_t GEWICHT[TRAININGSLAGER_ATTRIBUTE][3] = {
    {100, 50, 0}, {100, 50, 0}, {100, 50, 0}, {0, 100, 30}, {0, 100, 30}, {0, 100, 30},
    {75, 75, 0},  {75, 75, 0},  {75, 75, 0},  {50, 100, 0}, {75, 75, 0},  {75, 75, 0},
    {75, 75, 0},  {75, 75, 0},  {75, 75, 0},  {60, 90, 0},  {60, 90, 0}};
constexpr int32_t TORWART_EINTRAEGE[4] = {0, 14, 15, 16};

int32_t begrenzt(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }

// A draw around v: v - v/4 .. v + v/4.
int32_t streuung(int32_t v)
{
    const int32_t a = v - v / 4, b = v + v / 4;
    return Zufall_Gross(std::min(a, b), std::max(a, b));
}

int32_t spieler_liste(int32_t team, int32_t* feld)
{
    const int32_t n = Teamspieler_Ins_Array(team, feld, MAX_SPIELER, 0);
    return n > MAX_SPIELER ? MAX_SPIELER : n;
}

void news(int32_t team, const char* text) { News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr, "%s", text); }

// A computer club asks the manager's club for a friendly now and then.
void freundschaftsanfrage(int32_t team)
{
    const int32_t z = Zufall(0, 60);
    if (z != 0) return;
    const int32_t eigenes = Wettbewerb_Get_Team_Ansehen(team);
    const int32_t nation = Team_Wert(TEAM_NATION, team, 0, TEAM_LESEN);
    int32_t gefunden = -1;
    for (int32_t versuch = 0; versuch < 50 && gefunden == -1; ++versuch) {
        const int32_t c = Zufall(0, Team_Anzahl - 1);
        if (c == team || !Team_Ist_Normal(c, 0) || Wettbewerb_Get_Team_Ansehen(c) - 20 >= eigenes) continue;
        bool passt = Team_Wert(TEAM_NATION, c, 0, TEAM_LESEN) == nation;
        if (!passt) {
            const int32_t zz = Zufall(0, 5);
            passt = zz > 4;
        }
        if (passt) gefunden = c;
    }
    if (gefunden == -1 || Team_Hat_Manager(gefunden)) return;
    const int32_t bis = Kalender_Get_Saisonstart() + 349;
    for (int32_t d = Kalender_Get_Heute() + 10; d <= bis; ++d) {
        if (!Trainingslager_Termin_Pruefen(team, gefunden, d, 2, 0, 0)) continue;
        Trainingslager_Buchung b{};
        b.art = 2;
        b.belegt = 1;
        b.slot = -1;
        b.team = uint32_t(gefunden);
        b.ziel = uint32_t(team);
        b.erster_tag = b.letzter_tag = uint32_t(d);
        Richter_Trainingslager_Buchung_Hinzufuegen(gefunden, -1, &b);
        return;
    }
}

bool bezahlen(int32_t team, int32_t betrag, uint8_t kategorie)
{
    return Schreibe_Überweisung(team, -1, float(betrag), kategorie, 0, -1);
}

void camp_tag(int32_t team, Trainingslager_Termin& e, bool* freigeben)
{
    const Trainingslager_Daten& lager = Trainingslager_Tabelle[e.ziel];
    const int32_t heute = Kalender_Get_Heute();
    const int32_t n = Team_Wert(TEAM_SPIELERANZAHL, team, 0, TEAM_LESEN);
    if (heute == e.erster_tag) {
        e.punkte = e.erschoepfung = e.form = 0;
        const int32_t tage = e.letzter_tag - e.erster_tag + 1;
        const int32_t pro_tag = Wettbewerb_Niveau_Gewichten(team, int32_t(float(lager.preis) * float(n)), 50);
        int32_t niveau = Wettbewerb_Get_Liga_Niveau(team);
        if (niveau <= 0) niveau = 100;
        const int64_t kosten = int64_t(tage) * pro_tag + int64_t(lager.reisekosten) * niveau / 100;
        if (!bezahlen(team, int32_t(std::min<int64_t>(kosten, 1200000000)), 23)) {
            News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr,
                        "Der Besuch des Trainingslagers '%s' scheiterte leider an akutem Geldmangel...", lager.name);
            *freigeben = true;
            return;
        }
        // the strength before marks the stay as paid: a later day of an unpaid one is no stay
        e.staerke = std::max(1, Trainingslager_Team_Wert(team, 0));
    } else if (e.staerke <= 0) {
        *freigeben = true;
        return;
    }
    int32_t summen[5] = {};
    Trainingslager_Mache_Team_Staerker(team, e, heute - e.erster_tag, summen);
    e.punkte += summen[0] + summen[1];
    e.erschoepfung += summen[2];
    e.form += summen[3];
    if (heute != e.letzter_tag) return;
    int32_t jetzt = Trainingslager_Team_Wert(team, 0);
    if (jetzt <= e.staerke) jetzt = e.staerke;
    const float spieler = float(n > 0 ? n : 1);
    // a stay that changed nothing still reads as a small gain: a tenth of a point
    const float punkte = e.punkte > 0 ? float(e.punkte) : 0.1f * spieler;
    const float erholung = e.erschoepfung < 0 ? float(-e.erschoepfung) : 0.1f * spieler;
    const float form = e.form > 0 ? float(e.form) : 0.1f * spieler;
    News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr,
                "Der Besuch des Trainingslagers \"%s\" steigerte Ihre Teamstärke um %2.2f Punkte pro Spieler. Die "
                "Teamstärke veränderte sich von %d auf %d. Die Mannschaft erholte sich zudem um %2.2f Punkte pro "
                "Spieler; die Form jedes Spielers stieg im Schnitt um %2.2f Punkte.",
                lager.name, double(punkte / spieler), e.staerke, jetzt, double(erholung / spieler),
                double(form / spieler));
    Highscore_Punkte_Machen(team, 5, std::max(1, jetzt - e.staerke));
}

// A club event paid per player (no force): the value of `modus` before and after in percent of
// the value before (a value of 0 before counts as 1); -1 when the money is not there.
int32_t vereinstermin(int32_t team, int32_t pro_spieler, uint8_t kategorie, const char* absage, int32_t modus,
                      void (*wirkung)(int32_t))
{
    const int32_t n = Team_Wert(TEAM_SPIELERANZAHL, team, 0, TEAM_LESEN);
    if (!bezahlen(team, Wettbewerb_Niveau_Gewichten(team, n * pro_spieler, 50), kategorie)) {
        news(team, absage);
        return -1;
    }
    const int32_t vorher = Trainingslager_Team_Wert(team, modus);
    wirkung(team);
    const int32_t nachher = Trainingslager_Team_Wert(team, modus);
    return nachher * 100 / (vorher > 0 ? vorher : 1);
}

void feier_tag(int32_t team, bool* freigeben)
{
    const int32_t c = vereinstermin(team, 15000, 24,
                                    "Für das Vereinsfest fehlte leider das nötige Kleingeld. Die Feier wurde abgesagt.",
                                    2, Trainingslager_Vereinsfest);
    *freigeben = c < 0;
    if (c < 0) return;
    const bool stieg = c >= 100;
    News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr,
                "Ihre Spieler haben das Vereinsfest sehr genossen, und der Zusammenhalt der Mannschaft ist "
                "gewachsen%s um %d Prozent.",
                stieg ? " und die Form des Teams STIEG" : ", jedoch führte zu intensives Feiern einiger Spieler zu "
                                                          "einem ABSINKEN der Form",
                stieg ? c - 100 : 100 - c);
    Highscore_Punkte_Machen(team, 7, std::max(1, c - 100));
}

void psycho_tag(int32_t team, bool* freigeben)
{
    const int32_t c = vereinstermin(team, 20000, 25, "Der Termin im Psychostudio mußte mangels Kleingeld abgesagt werden.",
                                    1, Trainingslager_Psychologe);
    *freigeben = c < 0;
    if (c < 0) return;
    const bool stieg = c >= 100;
    News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr,
                "Die Psychologie ist eine gar wundersame Kunst... Die Moral Ihres Teams %s um circa %d Prozent.",
                stieg ? "STIEG" : "SANK", stieg ? c - 100 : 100 - c);
    Highscore_Punkte_Machen(team, 6, std::max(1, c - 100));
}

}  // namespace

void Trainingslager_Jeden_Tag(int32_t team)
{
    if (!Trainingslager_Ist_Initialisiert() || Netz_Rolle == 1 || !Team_Hat_Manager(team)) return;
    if (Netz_Rolle == 0) freundschaftsanfrage(team);
    Trainingslager_Termin t[TRAININGSLAGER_BUCHUNGEN];
    if (!Trainingslager_Buchungen(team, t)) return;
    const int32_t heute = Kalender_Get_Heute();
    bool geaendert = false;
    for (Trainingslager_Termin& e : t) {
        if (!e.belegt) continue;
        if (!Trainingslager_Termin_Brauchbar(e)) {
            // a forged or damaged entry is dropped, never carried out
            e = Trainingslager_Termin{};
            geaendert = true;
            continue;
        }
        if (e.erster_tag > heute || heute > e.letzter_tag) continue;
        bool freigeben = false;
        switch (e.art) {
        case 1: camp_tag(team, e, &freigeben); break;
        case 3: feier_tag(team, &freigeben); break;
        case 4: psycho_tag(team, &freigeben); break;
        default: break;
        }
        if (freigeben) e = Trainingslager_Termin{};
        geaendert = true;
        break;
    }
    if (geaendert) Trainingslager_Buchungen_Ablegen(team, t);
}

void Trainingslager_Jede_Woche()
{
    if (!Trainingslager_Ist_Initialisiert() || Netz_Rolle == 1) return;
    for (Trainingslager_Daten& d : Trainingslager_Tabelle) {
        const int32_t ende = Zufall(0, 3);
        if (ende == 0) {
            d.preis = d.normalpreis;
            continue;
        }
        const int32_t start = Zufall_Gross(0, 84);
        if (start != 0) continue;
        const int32_t z = Zufall(3, 6);
        const int32_t rabatt = 5 * z;
        d.preis = (100 - rabatt) * d.normalpreis / 100;
        News_Senden(-1, -1, -1, NEWS_ART_TEXT, nullptr, "Buchen Sie jetzt das Trainingslager %s. Sie sparen %d Prozent!",
                    d.name, rabatt);
    }
}

void Trainingslager_Mache_Team_Staerker(int32_t team, const Trainingslager_Termin& termin, int32_t tag, int32_t* summen)
{
    if (!Trainingslager_Ist_Initialisiert()) return;
    if (termin.ziel < 0 || termin.ziel >= TRAININGSLAGER_ANZAHL) {
        Print_Fehler("Trainingslager_Mache_Team_Staerker: array-index falsch!");
        return;
    }
    const Trainingslager_Daten& lager = Trainingslager_Tabelle[termin.ziel];
    const int32_t D = tag < 0 || tag >= 14 ? 0 : TAGESFAKTOR[tag];
    const int32_t q0 = lager.qualitaet[0], q1 = lager.qualitaet[1], q2 = lager.qualitaet[2];
    const int32_t Q = q0 + q1 + q2;

    int32_t wirkung[TRAININGSLAGER_ATTRIBUTE];
    int32_t passend = 0;
    for (int32_t i = 0; i < TRAININGSLAGER_ATTRIBUTE; ++i) {
        const int32_t id = Trainingslager_Attribut_Id[i];
        int32_t w = Zufall_Gross(5, 20);
        int32_t bonus = 50;
        for (int8_t zeile : termin.programm)
            if (zeile == id) {
                w += bonus;
                bonus -= 10;
                ++passend;
            }
        for (int8_t s : lager.spezial)
            if (s == id) {
                const int32_t z = Zufall_Gross(25, 40);
                w = w * (100 + z) / 100;
            }
        const int32_t punkte = std::min(700, GEWICHT[i][0] * q0 + GEWICHT[i][1] * q1 + GEWICHT[i][2] * q2);
        wirkung[i] = w * punkte / 100;
    }
    const int32_t frei = TRAININGSLAGER_ATTRIBUTE - passend;

    const int32_t e1 = Zufall_Gross(2 * frei + 75, 2 * frei + 115);
    const int32_t e = (q2 * 5 * e1 / 100 * 7 / 10 * D / 100) / 2;
    const int32_t m1 = Zufall_Gross(2, 5);
    const int32_t m2 = Zufall_Gross(45, 60);
    const int32_t m = ((Q + m1) * m2 / 100) * D / 100 / 2;
    const int32_t f1 = Zufall_Gross(3, 7);
    const int32_t f2 = Zufall_Gross(80, 100);
    const int32_t f = ((Q + f1) * f2 / 100 * 7 / 10) * D / 100 / 2;
    const int32_t t1 = Zufall_Gross(2, 5);
    const int32_t t2 = Zufall_Gross(30, 50);
    const int32_t t = ((Q + t1) * t2 / 100) * D / 100 / 2;

    int32_t mittel = 0;
    for (int32_t i = 0; i < 9; ++i) mittel += wirkung[i];
    mittel /= 9;
    const int32_t schwelle = 900 + 500 * int32_t(std::min<uint32_t>(Schwierigkeitsstufe, 4));

    int32_t kader[MAX_SPIELER];
    const int32_t n = spieler_liste(team, kader);
    for (int32_t k = 0; k < n; ++k) {
        const int32_t p = kader[k];
        const bool torwart = Spieler_Wert(SP_ART, p, 0, SP_LESEN) == 0;
        int32_t v[32] = {};
        Spieler_Attribute(p, v, SP_ATTRIBUTE_LESEN);
        const int32_t anzahl = torwart ? 4 : 14;
        for (int32_t j = 0; j < anzahl; ++j) {
            const int32_t i = torwart ? TORWART_EINTRAEGE[j] : j;
            const int32_t id = Trainingslager_Attribut_Id[i];
            // an attribute the player's kind does not have stays as it is
            if (!Spieler_Attribut_Vorhanden(p, id, -1)) continue;
            const bool haupt = id < 9;
            int32_t eff = wirkung[i] * D / 100;
            if (torwart && i == 0) {
                const int32_t z = Zufall_Gross(2 * mittel / 10, 6 * mittel / 10);
                eff = z * D / 100;
            }
            int32_t s = haupt ? v[id] / 10 : v[id];
            s = begrenzt((100 - s * s / 100) * 90 / 100 + 10, 0, 70);
            const int32_t probe = Zufall_Gross(0, schwelle);
            if (probe < eff * 30) {
                for (;;) {
                    const int32_t z = Zufall_Gross(0, 100);
                    if (z <= 92 - s) break;
                    if (haupt) {
                        ++v[id];
                        ++summen[0];
                    } else {
                        const int32_t zz = Zufall_Gross(0, std::max(0, 9 - eff / 150));
                        if (zz == 1) {
                            ++v[id];
                            ++summen[1];
                        }
                    }
                }
            }
            v[id] = haupt ? begrenzt(v[id], 10, 995) : begrenzt(v[id], 0, 99);
        }
        Spieler_Attribute(p, v, SP_SCHREIBEN);

        const auto aendern = [&](int32_t feld, int32_t delta) {
            const int32_t alt = Spieler_Wert(feld, p, 0, SP_LESEN);
            const int32_t neu = begrenzt(alt + delta, 0, 99);
            Spieler_Wert(feld, p, neu, SP_SCHREIBEN);
            return neu - alt;
        };
        const int32_t r = streuung(e);
        summen[2] += aendern(SP_TRAININGS_ERSCHOEPFUNG, -r);
        const int32_t r2 = streuung(e);
        const int32_t r3 = Zufall_Gross(40, 70);
        aendern(SP_SPIEL_ERSCHOEPFUNG, -(r2 * r3 / 100));
        const int32_t fo = streuung(f);
        summen[3] += aendern(SP_FORM, fo);
        const int32_t te = streuung(t);
        summen[4] += aendern(SP_FORMTENDENZ, te);
    }
    int32_t moral = 0;
    for (int32_t i = 0; i < 10; ++i) moral += streuung(m);
    const int32_t alt = Team_Wert(TEAM_MORAL, team, 0, TEAM_LESEN);
    Team_Wert(TEAM_MORAL, team, begrenzt(alt + moral / 10, 0, 99), TEAM_SCHREIBEN);
}

void Trainingslager_Vereinsfest(int32_t team)
{
    int32_t kader[MAX_SPIELER];
    const int32_t n = spieler_liste(team, kader);
    for (int32_t k = 0; k < n; ++k) {
        const int32_t p = kader[k];
        const int32_t r = Zufall_Gross(85, 99);
        const int32_t form = Spieler_Wert(SP_FORM, p, 0, SP_LESEN);
        if (form < r) {
            const int32_t plus = Zufall_Gross(0, r - form);
            Spieler_Wert(SP_FORM, p, begrenzt(form + plus, 0, 99), SP_SCHREIBEN);
        }
        const int32_t r2 = Zufall_Gross(60, 90);
        const int32_t tendenz = Spieler_Wert(SP_FORMTENDENZ, p, 0, SP_LESEN);
        if (tendenz < r2) {
            const int32_t plus = Zufall_Gross(0, 50);
            const int32_t minus = Zufall_Gross(0, 25);
            Spieler_Wert(SP_FORMTENDENZ, p, begrenzt(tendenz + plus - minus, 0, 99), SP_SCHREIBEN);
        }
    }
}

void Trainingslager_Psychologe(int32_t team)
{
    int32_t m = Team_Wert(TEAM_MORAL, team, 0, TEAM_LESEN);
    if (m < 95) {
        const int32_t z = Zufall(30, 50);
        m += z;
    }
    const int32_t probe = Zufall(90, 100);
    if (probe > m) {
        const int32_t z = Zufall_Gross(0, 99 - m);
        m += z;
    }
    const int32_t rueck = Zufall(0, 2);
    if (rueck == 0) {
        const int32_t grenze = Zufall(50, 70);
        if (grenze < m) {
            const int32_t z = Zufall_Gross(0, 10);
            m -= z;
        }
    }
    Team_Wert(TEAM_MORAL, team, begrenzt(m, 0, 99), TEAM_SCHREIBEN);
}

int32_t Trainingslager_Team_Wert(int32_t team, int32_t modus)
{
    switch (modus) {
    case 0: return Team_Gesamtstaerke(team);
    case 1: return Team_Wert(TEAM_MORAL, team, 0, TEAM_LESEN);
    case 2: return Team_Spieler_Summen_Staerke(team, SP_FORM, 0);
    default: return 0;
    }
}
