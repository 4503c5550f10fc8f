// The advertising module's recurring work: offers, contracts watched and renewed, the
// assistant, the month's bookings and the fan articles.
#include <algorithm>
#include <cstdlib>

#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/manager.h"
#include "database/team.h"
#include "economy/bank.h"
#include "economy/stadion.h"
#include "economy/werbung.h"
#include "economy/werbung_intern.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "platform/zufall.h"

namespace {

constexpr int32_t ASSI_WERBUNG = 4;
constexpr int32_t RICHTER_WERBEVERTRAG = 6;

bool darf_laufen() { return Werbung_Ist_Initialisiert() && Netz_Rolle != 1; }

int32_t begrenzt(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }

// The human managers' clubs.
template <typename F>
void managerteams(F f)
{
    int32_t teams[TEAM_MAX_ANZAHL];
    const int32_t n = Team_Get_Managerteams(teams);
    for (int32_t i = 0; i < n && i < TEAM_MAX_ANZAHL; ++i) f(teams[i]);
}

struct Assistent {
    bool da = false;
    int32_t faehigkeit = 0;
    int32_t vermietet = 0;
    int32_t pct = 0;
    int32_t lo = 0, hi = 0;
    float g = 1.25f;
};

int32_t assi_x(const Assistent& a)
{
    return begrenzt(int32_t(float(a.pct) / a.g), 0, 130);
}

void agenturen_waehlen(int32_t team, Werbung_Team_Daten& d, const Assistent& a)
{
    int32_t summe = 0;
    for (int32_t e : d.einstellung) summe += e;
    const int32_t abw = begrenzt(summe / WERBEPARTNER_ANZAHL - 80, -20, 20);
    const int32_t niveau = Werbung_Niveau(team);
    for (int32_t aufgabe = 0; aufgabe < WERBUNG_AUFGABEN; ++aufgabe) {
        int32_t gewaehlt = WERBUNG_AGENTUREN - 1;
        for (int32_t ag = 0; ag < WERBUNG_AGENTUREN; ++ag) {
            const int32_t z = Zufall(0, 50 - a.faehigkeit / 2);
            if (Werbung_Agentur_Qualitaet(ag, aufgabe) + z >= niveau - abw) {
                gewaehlt = ag;
                break;
            }
        }
        d.agentur[aufgabe] = uint8_t(gewaehlt);
    }
}

int32_t freie_flaechen(const Werbung_Team_Daten& d, int32_t kategorie)
{
    int32_t anzahl = 0, erste = 0, frei = 0;
    Werbung_Kategorie_Flaechen(kategorie, &anzahl, &erste);
    for (int32_t i = erste; i < erste + anzahl; ++i)
        if (d.betrag[i] <= 0.0f) ++frei;
    return frei;
}

int32_t flaechen_des_sponsors(const Werbung_Team_Daten& d, int32_t s)
{
    int32_t n = 0;
    for (int32_t i = 0; i < WERBUNG_FLAECHEN; ++i)
        if (d.betrag[i] > 0.0f && d.sponsor[i] == s) ++n;
    return n;
}

// The assistant looks for a sponsor for a free space.
void freie_flaeche_besetzen(int32_t team, Werbung_Team_Daten& d, int32_t flaeche, Assistent& a, int32_t p0,
                            int32_t p1)
{
    const uint8_t alt_erwartet = d.erwartet, alt_europa = d.europa_flag;
    const int32_t liga = Werbung_Liga(team);
    d.erwartet = uint8_t(begrenzt(p1, 0, 255));
    d.europa_flag = Werbung_International(team) ? 1 : 0;
    const int32_t n = Werbung_Liga_Groesse(liga, 10, 10);
    const int32_t kategorie = Werbung_Flaeche_Kategorie(flaeche);
    const float f = Werbung_Faktor(team);
    bool erster = true;
    for (int32_t s = WERBEPARTNER_ANZAHL - 1; s >= 0; --s) {
        const Werbepartner& w = Werbepartner_Tabelle[s];
        if (flaechen_des_sponsors(d, s) >= 5 || w.angebote[kategorie] == 0 || freie_flaechen(d, kategorie) == 0)
            continue;
        const float noetig = w.min_image * f * 0.01f;
        const auto image_bei = [&](int32_t platz) {
            d.erwartet = uint8_t(begrenzt(platz, 0, 255));
            return Werbung_Image_Von(team, d, s, nullptr);
        };
        int32_t platz = p1;
        bool reicht = true;
        if (noetig > image_bei(p1)) {
            // a better promised place until the image suffices, within the assistant's courage
            while (platz >= 2 && platz - p1 > a.lo && image_bei(platz) < noetig) --platz;
            reicht = image_bei(platz) >= noetig;
        } else {
            // a worse promised place as long as the image still suffices
            platz = p0;
            int32_t schritte = 0;
            while (platz < n && schritte < a.hi) {
                ++platz;
                ++schritte;
                if (image_bei(platz) < noetig) break;
            }
            platz = platz > 1 ? platz - 1 : 1;
        }
        const bool war_erster = erster;
        erster = false;
        const float preis_f = w.preis[kategorie] * f * 0.01f;
        if (reicht && preis_f > 0.0f) {
            const int32_t x = assi_x(a);
            const int32_t y = Werbung_Angebotswert(s, kategorie, f, preis_f, w.laufzeit[kategorie]);
            const int32_t z = int32_t(float(Werbung_Berechne_Ansehen(platz - n / 2, liga, d.europa_flag)) * (2.0f - a.g));
            const int32_t wg = int32_t(float(Werbung_Basisimage[s]) * 1.05f);
            if ((y > x && z - (100 - a.pct) * 10 / 15 < wg) || (war_erster && s != WERBEPARTNER_ANZAHL - 1)) {
                d.erwartet = uint8_t(begrenzt(platz, 0, 255));
                if (Werbung_Abschliessen_Von(team, d, s, kategorie, -1)) {
                    ++a.vermietet;
                    a.pct = a.vermietet * 100 / WERBUNG_FLAECHEN;
                }
            }
        }
        d.erwartet = uint8_t(begrenzt(p1, 0, 255));
    }
    d.erwartet = alt_erwartet;
    d.europa_flag = alt_europa;
}

}  // namespace

void Werbung_Angebote_Erneuern()
{
    if (!darf_laufen()) return;
    const int32_t M = Manager_Anzahl < 1 ? 1 : Manager_Anzahl;
    const int32_t st = Schwierigkeitsstufe > 4 ? 4 : int32_t(Schwierigkeitsstufe);
    for (int32_t s = 0; s < WERBEPARTNER_ANZAHL; ++s) {
        Werbepartner& w = Werbepartner_Tabelle[s];
        const int32_t extra = Zufall(0, 10);
        const int32_t k = (s >= 15 ? M / 2 + 20 : M * 5 + 85) - s + extra;
        for (int32_t i = 0; i < k; ++i) {
            int32_t flaeche = 14;
            if (s < 15) {
                do {
                    flaeche = Zufall(0, WERBUNG_FLAECHEN - 1);
                } while (flaeche == 14);
            }
            uint8_t& n = w.angebote[Werbung_Flaeche_Kategorie(flaeche)];
            if (n < WERBUNG_MAX_ANGEBOTE) ++n;
        }
        for (int32_t c = 0; c < WERBUNG_KATEGORIEN; ++c) {
            const float B = float(Werbung_Grundpreis[st][c]);
            const int32_t z = Zufall(0, 30);
            w.preis[c] = float(int32_t((float(z) * B * 0.01f + B) * float(Werbung_Preisgewicht[s] + 100) * 0.01f));
            const int32_t l = Zufall(0, 6);
            w.laufzeit[c] = float(Werbung_Laufzeiten[l]);
        }
        w.wochen = uint8_t(Zufall(2, 8));
        const int32_t bi = Werbung_Basisimage[s];
        const int32_t plus = Zufall(0, bi / 10);
        w.min_image = float(bi + plus);
        const int32_t ob = Zufall(0, 2);
        if (ob != 0) {
            const int32_t minus = Zufall(0, 30);
            w.min_image *= float(100 - minus) * 0.01f;
        }
    }
    managerteams([](int32_t team) {
        Werbung_Team_Daten d;
        if (!Werbung_Team_Holen(team, &d)) return;
        for (int32_t i = 0; i < WERBUNG_FLAECHEN; ++i)
            if (d.betrag[i] > 0.0f && d.europa[i] == 2) d.europa[i] = 1;
        Werbung_Team_Ablegen(team, d);
    });
}

void Werbung_Jede_Woche()
{
    if (!darf_laufen()) return;
    for (Werbepartner& w : Werbepartner_Tabelle) {
        if (w.wochen > 0) --w.wochen;
        const int32_t mal = Zufall(2, 5);
        for (int32_t i = 0; i < mal; ++i) {
            const int32_t flaeche = Zufall(0, WERBUNG_FLAECHEN - 1);
            uint8_t& n = w.angebote[Werbung_Flaeche_Kategorie(flaeche)];
            if (n > 0) --n;
        }
        if (w.wochen == 0) {
            for (float& p : w.preis) {
                const int32_t z = Zufall(0, 10);
                p = float(int32_t(p * float(100 + z) * 0.01f));
            }
            w.wochen = uint8_t(Zufall(2, 10));
            const int32_t ob = Zufall(0, 2);
            if (ob != 0) {
                const int32_t minus = Zufall(0, 15);
                w.min_image *= float(100 - minus) * 0.01f;
            }
        }
    }
}

void Werbung_Jeden_Tag(int32_t team)
{
    if (!darf_laufen()) return;
    Werbung_Team_Daten d;
    if (!Werbung_Team_Holen(team, &d)) return;
    const int32_t heute = Kalender_Get_Heute();
    const int32_t liga = Werbung_Liga(team);

    Assistent a;
    const int32_t slot = Assistent_Mit_Aufgabe(team, ASSI_WERBUNG);
    for (float b : d.betrag)
        if (b > 0.0f) ++a.vermietet;
    a.pct = a.vermietet * 100 / WERBUNG_FLAECHEN;
    if (slot >= 0 && liga != -1) {
        a.da = true;
        a.faehigkeit = Assistent_Faehigkeit(team, slot, ASSI_WERBUNG);
        const int32_t stand = Bank_Get_Kontostand(team, 0, -1);
        if (stand < 0) {
            // debts make him careful: fewer spaces rented on fewer terms
            const float D = float(std::min<int64_t>(-int64_t(stand), 5000000));
            if (a.pct >= 1)
                a.pct = (int32_t(float(a.pct) - D / (5000000.0f / float(a.pct))) * 50 + a.pct * 50) / 100;
            else
                a.pct = 0;
            a.pct = begrenzt(a.pct, 0, 100);
        }
        a.lo = a.faehigkeit * -6 / 100;
        a.hi = a.faehigkeit * 10 / 100;
        a.g = 1.25f - float(a.faehigkeit) * 0.005f;
    }

    // The places only the assistant works with, for the spaces he fills: the live table behind
    // the second costs as much as all the rest of the day's advertising.
    int32_t p0 = 10, p1 = 10;
    bool frei = false;
    for (float b : d.betrag)
        if (b <= 0.0f) frei = true;
    if (frei && a.da) {
        p0 = Werbung_Tabellenplatz(team, liga, 0);
        p1 = Werbung_Tabellenplatz(team, liga, 1);
    }

    if (a.da) {
        const int32_t z = Zufall(0, 10);
        if (z == 0) agenturen_waehlen(team, d, a);
    }

    bool abgelaufen[WERBUNG_FLAECHEN] = {};
    for (int32_t i = 0; i < WERBUNG_FLAECHEN; ++i) {
        const int32_t kategorie = Werbung_Flaeche_Kategorie(i);
        if (d.betrag[i] <= 0.0f) {
            if (a.da) freie_flaeche_besetzen(team, d, i, a, p0, p1);
            continue;
        }
        const int32_t s = d.sponsor[i];
        if (d.ende[i] - 28 == heute) {
            const int32_t zufrieden = Werbung_Zufriedenheit_Von(team, d, i);
            if (zufrieden >= 100) {
                const int32_t z = Zufall_Gross(0, 1);
                if (z == 0 && !a.da) {
                    const News_Frage f{{RICHTER_WERBEVERTRAG, team, i, heute + 26, d.ende[i] + 365,
                                        int32_t(d.betrag[i]), 0, -1}};
                    News_Senden(-1, team, -1, NEWS_ART_FRAGE, &f,
                                "Ihr Werbevertrag mit %s, %s (%s) wird in vier Wochen auslaufen. Möchten Sie den "
                                "Vertrag um ein Jahr verlängern ?",
                                Werbepartner_Name(s), Bank_Betrag_String(d.betrag[i], team, -1, 0),
                                Werbung_Kategorie_Name(kategorie));
                } else if (z == 0) {
                    const float f = Werbung_Faktor(team);
                    const int32_t x = assi_x(a);
                    const int32_t y = Werbung_Angebotswert(s, kategorie, f, d.betrag[i],
                                                           Werbepartner_Tabelle[s].laufzeit[kategorie]);
                    if (y > x && zufrieden < x) d.ende[i] += 365;
                }
            }
        }
        if (d.ende[i] <= heute) {
            // a sponsor's boards signed on one day run out together: one notice for them all
            bool gemeldet = false;
            for (int32_t j = 0; j < i && !gemeldet; ++j)
                gemeldet = abgelaufen[j] && d.sponsor[j] == s && Werbung_Flaeche_Kategorie(j) == kategorie;
            if (!a.da && !gemeldet)
                News_Printf_Team(team, "Ihr Werbevertrag mit %s (%s) ist ausgelaufen. Sie sollten sich um Ersatz bemühen.",
                                 Werbepartner_Name(s), Werbung_Kategorie_Name(kategorie));
            d.betrag[i] = 0.0f;
            abgelaufen[i] = true;
        }
    }
    Werbung_Team_Ablegen(team, d);
}

void Werbung_Jeden_Monat(int32_t team)
{
    if (!darf_laufen() || team < 0 || team >= Team_Anzahl) return;
    Werbung_Team_Daten d;
    if (!Werbung_Team_Holen(team, &d)) {
        // the two pseudo-teams earn nothing
        if (Team_Hat_Manager(team) || !Team_Ist_Normal(team, 64)) return;
        const float betrag = float(Werbung_Niveau(team) * 370000 / 100 + 80000);
        Schreibe_Überweisung(-1, team, betrag, 4, 1, -1);
        return;
    }
    const int32_t F = (Werbung_Agentur_Wirkung(team, 0) * 80 + Werbung_Agentur_Wirkung(team, 1) * 20) / 100;
    for (int32_t i = 0; i < WERBUNG_FLAECHEN; ++i) {
        if (d.betrag[i] <= 0.0f) continue;
        Schreibe_Überweisung(-1, team, d.betrag[i], uint8_t(4 + Werbung_Flaeche_Kategorie(i)), 1, -1);
        const int32_t S = Werbung_Zufriedenheit_Von(team, d, i);
        if (S < 75)
            for (int32_t& att : d.einstellung)
                att = int32_t(float(att) * 90.0f * 0.01f + float(att) * float(S) * 0.01f * 10.0f * 0.01f);
        int32_t& eigen = d.einstellung[d.sponsor[i]];
        eigen = int32_t(float(eigen) * 80.0f * 0.01f + float(S) * 20.0f * 0.01f);
    }
    const int32_t A = Werbung_Team_Ansehen(team);
    for (int32_t s = 0; s < WERBEPARTNER_ANZAHL; ++s) {
        int32_t& att = d.einstellung[s];
        att = int32_t(float(att * 90 + A * 10) * 0.01f);
        att = int32_t(float(att * (s + 79) + (21 - s) * F) * 0.01f);
    }
    for (int32_t aufgabe = 0; aufgabe < WERBUNG_AUFGABEN; ++aufgabe)
        Schreibe_Überweisung(team, -1, float(Werbung_Agentur_Gebuehr(d.agentur[aufgabe], aufgabe)),
                             uint8_t(8 + aufgabe), 1, -1);
    if (d.fan_einnahme != 0) {
        Schreibe_Überweisung(-1, team, float(d.fan_einnahme), 39, 1, -1);
        News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr,
                    "Durch den Verkauf von Fanartikeln nahmen Sie im letzten Monat %s ein.",
                    Bank_Betrag_String(float(d.fan_einnahme), team, -1, 0));
    }
    const int32_t z = Zufall(A / 2, A);
    d.fan_einnahme = z * 100;
    d.heimspiele = 0;
    Werbung_Team_Ablegen(team, d);
}

void Werbung_Fanartikel_Verkauf(int32_t art, int32_t team, int32_t zuschauer)
{
    if (!darf_laufen()) return;
    Werbung_Team_Daten d;
    if (!Werbung_Team_Holen(team, &d)) return;
    int32_t wert = art == 1 ? 50 : 15;
    if (art == 1) ++d.heimspiele;
    if (zuschauer) {
        const int32_t deckel = Stadion_Get_Anlage_Wert(team, 16) * 10000;
        if (zuschauer > deckel) zuschauer = deckel;
        wert = wert * (zuschauer / 80) / 100;
    }
    wert = (wert * 80 + Werbung_Agentur_Wirkung(team, 1) * 30 + Werbung_Team_Ansehen(team) * 40) / 100;
    d.fan_einnahme += wert * 400;
    if (d.heimspiele > 2) d.fan_einnahme += wert * 200;
    Werbung_Team_Ablegen(team, d);
}

int32_t Werbung_Wochenbetrag(int32_t team, int32_t kategorie)
{
    if (!Werbung_Ist_Initialisiert()) return 0;
    Werbung_Team_Daten d;
    if (kategorie < 4 || kategorie > 10 || !Werbung_Team_Holen(team, &d)) return 0;
    double summe = 0;
    if (kategorie <= 7) {
        for (int32_t i = 0; i < WERBUNG_FLAECHEN; ++i)
            if (d.betrag[i] > 0.0f && Werbung_Flaeche_Kategorie(i) == kategorie - 4) summe += d.betrag[i];
    } else {
        summe = Werbung_Agentur_Gebuehr(d.agentur[kategorie - 8], kategorie - 8);
    }
    return int32_t(int64_t(summe) * 12 / 52);
}
