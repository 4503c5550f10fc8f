// The three stock exchanges and the bank's daily, monthly and yearly jobs.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "economy/bank.h"
#include "economy/bank_welt.h"
#include "economy/bank_intern.h"
#include "economy/stadion.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "gameflow/team_requester.h"
#include "platform/print.h"
#include "platform/zufall.h"

Boerse Bank_Boerse[BANK_BOERSEN];

static const char* const BOERSE_NAME[BANK_BOERSEN] = {"Frankfurt", "New York", "Liga"};
static const char* const FIRMEN[2][BANK_FIRMEN - 1] = {
    {"Rheinstahl Hütten", "Nordlicht Energie", "Hanse Logistik", "Albtal Chemie", "Mainwerk Maschinen",
     "Isar Versicherung", "Spree Medien", "Weserbrau", "Elbufer Bau", "Taunus Pharma", "Moselglas",
     "Schwarzwald Uhren"},
    {"Lakeshore Steel", "Prairie Oil", "Harbor Freight Lines", "Bluewater Foods", "Summit Software",
     "Redwood Timber", "Canyon Airways", "Liberty Mutual Trust", "Granite Telecom", "Maple Motors",
     "Silverline Mining", "Orchard Pharmaceuticals"}};

void Bank_Boersen_Vorbelegen()
{
    static const float FIRMA0[BANK_BOERSEN] = {100000.0f, 182000.0f, 200.0f};
    std::memset(Bank_Boerse, 0, sizeof Bank_Boerse);
    for (int32_t e = 0; e < BANK_BOERSEN; ++e) {
        Boerse& b = Bank_Boerse[e];
        std::snprintf(b.name, sizeof b.name, "%s", BOERSE_NAME[e]);
        b.nummer = uint8_t(e);
        b.kurs[0] = FIRMA0[e];
        for (int32_t i = 1; i < BANK_FIRMEN; ++i) b.kurs[i] = float((e < 2 ? 40 : 400) + i * (e < 2 ? 10 : 100));
        for (int32_t i = 0; i < BANK_FIRMEN; ++i) {
            if (e < 2) std::snprintf(b.firma[i], 29, "%s", FIRMEN[e][(i + BANK_FIRMEN - 2) % (BANK_FIRMEN - 1)]);
            else std::snprintf(b.firma[i], 29, "Verein %d", i);
            b.team[i] = e < 2 ? 0 : -1;
        }
    }
}

// ---- Daily prices ----

static void nachricht_kurs(int32_t e, int32_t i, float alt, float neu, float aenderung)
{
    const Boerse& b = Bank_Boerse[e];
    const char* richtung = aenderung > 0 ? "stieg" : "fiel";
    const char* plus = aenderung > 0 ? "einem PLUS" : "einem MINUS";
    const char* a = Bank_Betrag_String(alt, -1, e, 1);
    const char* n = Bank_Betrag_String(neu, -1, e, 1);
    // "PLUS" or "MINUS" carries the sign; the figure reads German, with a decimal comma.
    char prozent[32];
    std::snprintf(prozent, sizeof prozent, "%.2f", std::fabs(double(aenderung)));
    if (char* punkt = std::strchr(prozent, '.')) *punkt = ',';
    static const char* const LIGA =
        "Die Aktie von ^y%04d%s^y%04d (notiert in %s) %s im heutigen Parketthandel von %s auf %s .^lDas "
        "entspricht %s von %s Prozent.";
    if (e == 2)
        News_Senden(-1, -1, -1, NEWS_ART_TEXT, nullptr, LIGA, 0, b.firma[i], 0, b.name, richtung, a, n, plus, prozent);
    else
        News_Senden(-1, -1, -1, NEWS_ART_TEXT, nullptr,
                    "Die Aktie von %s (notiert in %s) %s im heutigen Parketthandel von %s auf %s .^lDas entspricht %s "
                    "von %s Prozent.",
                    b.firma[i], b.name, richtung, a, n, plus, prozent);
}

// An event's jump of up to `weite` percent, and perhaps a new target.
static void ereignis(Boerse& b, int32_t i, float* aenderung, int32_t weite, bool grosser_sprung)
{
    const int32_t richtung = Bank_Zufall_Zwischen(1, 20);
    const int32_t sprung = Bank_Zufall_Zwischen(0, weite);
    *aenderung += richtung <= 10 ? -float(sprung) : float(sprung);
    bool ziel_neu;
    if (grosser_sprung) {
        const int32_t z = Zufall_Gross(0, 1);
        ziel_neu = z == 1;
    } else {
        ziel_neu = Bank_Zufall_Zwischen(0, 2) == 0;
    }
    if (!ziel_neu) return;
    const int32_t runter = Bank_Zufall_Zwischen(1, 20);
    int32_t prozent;
    if (grosser_sprung) {
        prozent = Bank_Zufall_Zwischen(0, 5);
    } else {
        prozent = Zufall(0, 5);
    }
    b.ziel[i] = b.kurs[i] * float(runter <= 10 ? 100 - prozent : 100 + prozent) * 0.01f;
}

static void firma_tag(int32_t e, int32_t i)
{
    Boerse& b = Bank_Boerse[e];
    if (b.kurs[i] == 0.0f) b.kurs[i] = 100.0f;
    if (b.zaehler[i] == 0) {
        b.zaehler[i] = uint32_t(Bank_Zufall_Zwischen(2, 10));
        const int32_t d = Bank_Zufall_Zwischen(0, 20);
        b.drift[i] = float(d - 10) * 0.1f;
    }
    --b.zaehler[i];
    float aenderung = b.drift[i];
    if (Bank_Zufall_Zwischen(0, 1) == 1) {
        const int32_t z = Bank_Zufall_Zwischen(0, 2);
        aenderung += float(z - 1) * 0.1f;
    }
    if (b.ziel[i] >= b.kurs[i]) {
        const int32_t hoch = Bank_Zufall_Zwischen(0, 3);
        aenderung += float(hoch) * 0.1f;
        if (Bank_Zufall_Zwischen(0, 2) == 0) {
            const int32_t runter = Bank_Zufall_Zwischen(0, 3);
            aenderung -= float(runter) * 0.1f;
        }
    } else {
        if (Bank_Zufall_Zwischen(0, 2) == 0) {
            const int32_t hoch = Bank_Zufall_Zwischen(0, 3);
            aenderung += float(hoch) * 0.1f;
        }
        const int32_t runter = Bank_Zufall_Zwischen(0, 3);
        aenderung -= float(runter) * 0.1f;
    }
    if (e < 2 && i > 0) {
        if (Bank_Zufall_Zwischen(0, 800 - 25 * i) == 0) ereignis(b, i, &aenderung, 2 * i, true);
        if (Bank_Zufall_Zwischen(0, 44 - i) == 0) ereignis(b, i, &aenderung, i, false);
    }
    const float alt = b.kurs[i];
    b.kurs[i] = b.kurs[i] * (100.0f + aenderung) * 0.01f;
    if (i > 0 && b.kurs[i] > 99999.0f) {
        const int32_t z = Zufall(0, 2000);
        b.kurs[i] = float(99999 - z);
    }
    if (b.kurs[i] < 15.0f) b.kurs[i] = 15.0f;
    else if (std::fabs(aenderung) > 10.0f && !Bank.ohne_faelligkeit)
        nachricht_kurs(e, i, alt, b.kurs[i], aenderung);
    b.ziel[i] += b.ziel[i] * (b.trend * 0.0001f + 0.03f) / 365.0f;
    if (i > 0 && b.ziel[i] > 99999.0f) {
        const int32_t z = Zufall(0, 2000);
        b.ziel[i] = float(99999 - z);
    }
    if (b.ziel[i] < 15.0f) {
        const int32_t z = Zufall(0, 3);
        b.ziel[i] = float(15 + z);
    }
    std::memmove(&b.verlauf[i][0], &b.verlauf[i][1], 29 * sizeof(float));
    b.verlauf[i][29] = b.kurs[i];
}

int32_t Bank_Boerse_Index(int32_t e)
{
    static const int32_t K[BANK_BOERSEN] = {350, 900, 25};
    if (e < 0 || e >= BANK_BOERSEN) return 0;
    const Boerse& b = Bank_Boerse[e];
    // each firm's price is added to a whole number, as the day's prices come in
    double index = 0;
    for (int32_t i = 1; i < BANK_FIRMEN; ++i) {
        const double kurs = b.verlauf[i][29];
        index = std::trunc(index + (std::isfinite(kurs) ? kurs : 0.0));
    }
    // a client's copy may hold what no day's job gives: the figure stays a number
    index = std::clamp(index * (K[e] + 100) / 100, -2e9, 2e9);
    return int32_t(std::trunc(index));
}

static void leitzins()
{
    if (Zufall(0, 200) != 0) return;
    const float r = Bank_Kredit_Zins[0];
    const int32_t z = Zufall(0, 20);
    float neu = r + float(z) * 0.1f - 1.0f;
    if (neu < r) {
        if (!Bank.ohne_faelligkeit)
            News_Senden(-1, -1, -1, NEWS_ART_TEXT, nullptr, "%s",
                        "Die Bundesbank nahm eine Senkung der Leitzinsen vor. Das wirkt sich auch auf Ihre "
                        "Finanzierungs- und Anlagemöglichkeiten aus.");
        const int32_t t = Zufall(0, 20);
        Bank_Boerse[0].trend = float(t * 10);
    } else if (neu > r) {
        if (!Bank.ohne_faelligkeit)
            News_Senden(-1, -1, -1, NEWS_ART_TEXT, nullptr, "%s",
                        "Die Bundesbank nahm eine Anhebung der Leitzinsen vor. Das wirkt sich auch auf Ihre "
                        "Finanzierungs- und Anlagemöglichkeiten aus.");
        const int32_t t = Zufall(0, 20);
        Bank_Boerse[0].trend = -float(t * 10);
    }
    neu = neu < 5.0f ? 5.0f : (neu > 9.0f ? 9.0f : neu);
    for (int32_t t = 0; t < BANK_LAUFZEITEN; ++t) Bank_Kredit_Zins[t] = float(7 - t) * neu / 7.0f + float(t);
    const int32_t d1 = Zufall(0, 10);
    Bank_Dispo_Zins = Bank_Kredit_Zins[0] + 3.0f + float(d1) * 0.1f;
    const int32_t d2 = Zufall(0, 15);
    Bank_Ueberzieh_Zins = Bank_Kredit_Zins[0] + 8.0f + float(d2) * 0.1f;
    const int32_t d3 = Zufall(0, 20);
    float d = neu - 3.0f + float(d3) * 0.1f - 1.0f;
    d = d < 2.0f ? 2.0f : (d > 6.0f ? 6.0f : d);
    for (int32_t t = 0; t < BANK_LAUFZEITEN; ++t) Bank_Anlage_Zins[t] = float(7 - t) * d / 7.0f + float(4 * t) / 7.0f;
    const int32_t g = Zufall_Gross(0, 10);
    Bank_Giro_Zins = Bank_Anlage_Zins[0] - float(g) * 0.1f - 1.0f;
}

void Bank_Boerse_Tag()
{
    if (Bank_Ist_Client() || !Bank_Init_Check()) return;
    for (int32_t e = 0; e < BANK_BOERSEN; ++e)
        for (int32_t i = 0; i < BANK_FIRMEN; ++i) firma_tag(e, i);
    for (int32_t e = 0; e < BANK_BOERSEN; ++e) {
        if (Bank_Boerse[0].kurs[0] > 0)
            Bank_Waehrungsfaktor[e] = e == 0 ? 100.0f : float(double(Bank_Boerse[e].kurs[0]) * 100.0 / Bank_Boerse[0].kurs[0]);
        Bank_Boerse[e].index = Bank_Boerse_Index(e);
    }
    if (Bank.ohne_faelligkeit) return;
    leitzins();
    Bank_Faelligkeiten_Tag();
}

// ---- Due dates, interest and events ----

static void anlagen_faellig()
{
    const uint32_t heute = uint32_t(Kalender_Get_Heute());
    const int8_t w = int8_t(Bank_Standard_Waehrung);
    for (Liste_Element* e = Bank.anlagen.next; e;) {
        const Bank_Anlage a = *static_cast<Bank_Anlage*>(e->data);
        const int32_t team = int32_t(e->key);
        if (a.faellig > heute) {
            e = e->next;
            continue;
        }
        if (a.betrag > 0) {
            Schreibe_Überweisung(-1, team, float(a.endbetrag), 2, 1, w);
            News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr,
                        "Ihr Festgeld über ursprünglich %s wurde fällig. Samt Zinsen werden %s auf Ihr Konto überwiesen.",
                        Bank_Betrag_String(float(a.betrag), team, -1, 0), Bank_Betrag_String(float(a.endbetrag), team, -1, 0));
        } else {
            Schreibe_Überweisung(team, -1, float(-a.endbetrag), 45, 1, w);
            News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr,
                        "Ihr Kredit über %s wurde fällig. Samt Zinsen werden %s von Ihrem Konto abgebucht.",
                        Bank_Betrag_String(float(-a.betrag), team, -1, 0), Bank_Betrag_String(float(-a.endbetrag), team, -1, 0));
        }
        Liste_Element* vor = Liste_Delete_Element(&Bank.anlagen, e);
        e = vor ? vor->next : Bank.anlagen.next;
    }
}

static void zinsen_team(int32_t team)
{
    const double b = Bank.kontostand[team];
    Bank_Konto* k = Bank.konto[team];
    if (b > 0) {
        double basis = b;
        if (b > 600000000.0) {
            News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr,
                        "Entsprechend dem neuen Gesetz zur Relativierung von Reichtum wird Ihr Guthaben über %s einem "
                        "gemeinnützigen Zweck zugeführt.",
                        Bank_Betrag_String(80000000.0f, team, -1, 0));
            Schreibe_Überweisung(team, -1, float(b - 80000000.0), 18, 1, -1);
            basis = Bank.kontostand[team];
        }
        // interest on what stays, not on the part given away
        const double zins = (double(Bank_Giro_Zins) / 365.0 + 100.0) * basis * 0.01 - basis;
        if (zins >= 1.0) Schreibe_Überweisung(-1, team, float(zins), 20, 1, -1);
    }
    if (k) {
        if (Schwierigkeitsstufe == 0 && b < 10000000.0) {
            News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr, "Ein unbekannter Sponsor meint es gut mit Ihnen. Er überweist Ihnen %s.",
                        Bank_Betrag_String(10000000.0f, team, -1, 0));
            Schreibe_Überweisung(-1, team, 10000000.0f, 40, 1, -1);
        }
        if (b < 0) {
            double satz = Bank_Dispo_Zins;
            if (-b > k->kreditlinie) {
                const double s = (-b - k->kreditlinie) / -b;
                satz = Bank_Dispo_Zins * (1.0 - s) + Bank_Ueberzieh_Zins * s;
            }
            Schreibe_Überweisung(team, -1, float(-b * satz / 36500.0), 21, 1, -1);
        }
        if (k->hinterziehung && Zufall(0, 200) == 0) k->hinterziehung = 0;
        if (k->hinterziehung && Zufall(0, 600) == 0) {
            News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr,
                        "Ihre Steuerhinterziehung aus dem letzten Jahr fiel bei einer Prüfung auf. Sie zahlen die "
                        "restlichen Steuern von %s plus %s Strafe.",
                        Bank_Betrag_String(float(k->letzte_steuer), team, -1, 0), Bank_Betrag_String(1000000.0f, team, -1, 0));
            Schreibe_Überweisung(team, -1, float(double(k->letzte_steuer) + 1000000.0), 18, 1, -1);
            k->hinterziehung = 0;
        }
    } else if (b < 0) {
        // A club without an account has no credit line: all its debt is beyond one and bears the
        // over-limit rate. Booked like an account's overdraft interest, so that every change of a
        // balance shows in the world's sums by category.
        Schreibe_Überweisung(team, -1, float(-b * Bank_Ueberzieh_Zins / 36500.0), 21, 1, -1);
    }
}

void Bank_Faelligkeiten_Tag()
{
    if (Bank_Ist_Client() || !Bank_Init_Check()) return;
    anlagen_faellig();
    for (int32_t t = 0; t < BANK_TEAMS; ++t)
        if (Bank.kontostand[t] != 0 || Bank.konto[t]) zinsen_team(t);
}

// ---- Monthly and yearly ----

void Bank_Dauerkarten_Ausgleich()
{
    if (Bank_Ist_Client() || !Bank_Init_Check()) return;
    for (int32_t t = 0; t < BANK_TEAMS; ++t) {
        if (!Bank.konto[t]) continue;
        const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(t, 1);
        const Wettbewerb_Info* info = liga >= 0 ? Wettbewerb_Get_Info(liga) : nullptr;
        if (!info || info->spiele_block < 0) continue;
        const int32_t heim = info->spieltage * (info->best_of_x > 0 ? info->best_of_x : 1) / 2;
        if (heim == 17) continue;
        int32_t monate = 0;
        Stadion_Dauerkarten_Monat(t, &monate, 1);
        const int64_t m = int64_t(monate) * Stadion_Dauerkarten_Monat(t, nullptr, 0);
        if (m >= 1) Schreibe_Überweisung(-1, t, float(m), 41, 1, -1);
        else if (m < 0) Schreibe_Überweisung(t, -1, float(-m), 42, 1, -1);
    }
}

float Bank_Steuer_Berechnen(float gewinn) { return gewinn > 500000.0f ? (gewinn - 500000.0f) * 0.01f * 40.0f : 0.0f; }

void Bank_Steuern()
{
    if (Bank_Ist_Client() || !Bank_Init_Check()) return;
    Bank_Welt_Saisonwechsel();
    for (int32_t t = 0; t < BANK_TEAMS; ++t) {
        Bank_Konto* k = Bank.konto[t];
        if (!k) continue;
        k->hinterziehung = 0;
        const int32_t gewinn = k->steuergewinn;
        k->kreditlinie = (Wettbewerb_Get_Team_Bedeutung(t) + Wettbewerb_Get_Team_Ansehen(t)) * 50000;
        if (gewinn == 0) continue;
        const bool fragen = Netz_Rolle != 2 && Team_Ist_Lokal(t) && !Bank_Stumm();
        if (gewinn > 0) {
            int32_t steuer = Bank_Runden(Bank_Steuer_Berechnen(float(gewinn)));
            if (steuer != 0) {
                if (fragen) {
                    const bool ja = Team_Requester(2, t,
                                                   "Steuern in Höhe von %s^lwerden fällig.\rMöchten Sie diese enorme Last "
                                                   "auf nicht so legalem Wege auf 50%% drücken?",
                                                   Bank_Betrag_String(float(steuer), t, -1, 0));
                    if (ja) {
                        steuer /= 2;
                        k->hinterziehung = 1;
                    }
                    Team_Requester(0, t, "Die Steuern werden fällig.\r Sie überweisen %s an^lihre geliebte Finanzbehörde.",
                                   Bank_Betrag_String(float(steuer), t, -1, 0));
                }
                Schreibe_Überweisung(t, -1, float(steuer), 18, 1, -1);
            }
            k->letzte_steuer = steuer;
        } else if (k->letzte_steuer != 0) {
            const double vorjahr = double(k->letzte_steuer) * 2.5 + 500000.0;
            const double c = vorjahr + gewinn;
            const double neu = c > 500000.0 ? (c - 500000.0) * 0.4 : 0.0;
            const double erstattung = k->letzte_steuer - neu;
            if (fragen) Team_Requester(0, t, "Sie erhalten eine Steuerrückzahlung von %s", Bank_Betrag_String(float(erstattung), t, -1, 0));
            Schreibe_Überweisung(-1, t, float(erstattung), 19, 1, -1);
            k->letzte_steuer = 0;
        }
        k->steuergewinn = 0;
        for (Buchung& b : k->buchung) {
            b.betrag = 0;
            b.kategorie = 0;
        }
    }
}

// ---- The third exchange ----

float Bank_Liga_Aktie_Basiswert(int32_t team)
{
    const int32_t s = Team_Gesamtstaerke(team);
    int32_t q = 50, t = 50;
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    if (liga >= 0) {
        const int32_t n = Wettbewerb_Get_Teams(liga, nullptr);
        q = n > 0 ? Wettbewerb_Get_Team_Ansehen(team) * 100 / n : 0;
        t = Wettbewerb_Get_Tabellenplatz_Prozent(team);
    }
    return float(((s - 700) * 100 / 300 * 40 + 30 * q + 30 * t) / 10);
}

static void liga_firma_setzen(int32_t k, int32_t team)
{
    Boerse& b = Bank_Boerse[2];
    b.team[k] = int16_t(team);
    std::snprintf(b.firma[k], 29, "%s", Team_String(150, team, nullptr, 0));
    b.kurs[k] = Bank_Liga_Aktie_Basiswert(team);
    if (b.kurs[k] < 15.0f) b.kurs[k] = 15.0f;
    b.ziel[k] = b.kurs[k];
}

void Bank_Neues_Spiel()
{
    Bank_Neues_Spiel_Melden("Bank_Neues_Spiel", -1, 0);
    if (Bank_Ist_Client() || !Bank_Init_Check()) return;
    int32_t dran[BANK_TEAMS];
    if (Manager_Ist_Dran(dran, false, 0) > 0) {
        Wettbewerb_Id w = Wettbewerb_Get_Team_Wettbewerb(dran[0], 1);
        if (w >= 0) w = Wettbewerb_Get_Oberwettbewerb(w);
        if (w >= 0) w = Wettbewerb_Hierarchie_Oben(w);
        if (w >= 0) w = Wettbewerb_Visuell_Horizontal_Erster(w);
        Bank_Liga_Wettbewerb = w;
        int16_t teams[WETTBEWERB_MAX_TEAMS];
        int32_t c = w >= 0 ? Wettbewerb_Get_Teams(w, teams) : 0;
        if (c > BANK_FIRMEN) c = BANK_FIRMEN;
        Boerse& b = Bank_Boerse[2];
        for (int32_t k = 1; k < BANK_FIRMEN; ++k) {
            b.firma[k][0] = 0;
            b.team[k] = -1;
        }
        for (int32_t k = 1; k < c; ++k) liga_firma_setzen(k, teams[k]);
    }
    // warm-up days move prices, targets and histories only: nothing falls due, no rate changes,
    // no news
    Bank.ohne_faelligkeit = true;
    for (int32_t i = 0; i < 30; ++i) Bank_Boerse_Tag();
    Bank.ohne_faelligkeit = false;
    for (int32_t e = 0; e < 2; ++e)
        for (int32_t i = 0; i < BANK_FIRMEN; ++i) Bank_Boerse[e].ziel[i] = Bank_Boerse[e].kurs[i];
}

void Bank_Aktie_Liga_Nach_Spiel(int32_t team, int32_t ausgang)
{
    // only decided matches move a club's share
    if (Bank_Ist_Client() || !Bank_Init_Check() || team < 0 || (ausgang != 1 && ausgang != 2)) return;
    Boerse& b = Bank_Boerse[2];
    for (int32_t k = 1; k < BANK_FIRMEN; ++k) {
        if (b.team[k] != team) continue;
        b.kurs[k] = Bank_Liga_Aktie_Basiswert(team);
        if (b.kurs[k] < 15.0f) b.kurs[k] = 15.0f;
        b.ziel[k] = b.kurs[k];
        if (Zufall(0, 1) != 0) continue;
        const int32_t z = Zufall(0, 20);
        const int32_t d = Bank_Zufall_Zwischen(0, 10);
        if (ausgang == 1) {
            b.kurs[k] = (float(z) * 0.1f + 101.0f) * b.kurs[k] * 0.01f;
            b.drift[k] = float(d - 3) * 0.1f;
        } else {
            b.kurs[k] = (99.0f - float(z) * 0.1f) * b.kurs[k] * 0.01f;
            b.drift[k] = float(d - 7) * 0.1f;
        }
    }
}

void Bank_Liga_Aktien_Neu_Besetzen(const int32_t* teams, int32_t n)
{
    if (Bank_Ist_Client() || !Bank_Init_Check() || !teams || n < 0) return;
    if (n > 12) n = 12;
    Boerse& b = Bank_Boerse[2];
    bool benutzt[12] = {};
    int32_t gezaehlt = 0;
    for (int32_t k = 1; k < BANK_FIRMEN && b.team[k] != -1; ++k) {
        ++gezaehlt;
        bool bleibt = false;
        for (int32_t j = 0; j < n; ++j)
            if (teams[j] == b.team[k]) {
                benutzt[j] = bleibt = true;
            }
        if (bleibt) continue;
        for (Liste_Element* e = Bank.aktien.next; e;) {
            const auto* a = static_cast<Bank_Aktienbesitz*>(e->data);
            if (a->boerse != 2 || a->firma != k) {
                e = e->next;
                continue;
            }
            const int32_t halter = int32_t(e->key);
            const float wert = Bank_Waehrung_Umrechnen(float(a->anzahl) * b.kurs[k], 2, Bank_Get_Waehrung(halter));
            News_Senden(-1, halter, -1, NEWS_ART_TEXT, nullptr,
                        "Ihre Aktien von %s fallen leider aus dem Börsenhandel, weil das Team nicht unter den besten %d "
                        "Mannschften landen konnte. Sie verlieren %s.",
                        b.firma[k], n, Bank_Betrag_String(wert, halter, -1, 0));
            Liste_Element* vor = Liste_Delete_Element(&Bank.aktien, e);
            e = vor ? vor->next : Bank.aktien.next;
        }
        b.team[k] = -1;
        b.firma[k][0] = 0;
    }
    int32_t naechster = 0;
    for (int32_t k = 1; k <= gezaehlt; ++k) {
        if (b.team[k] != -1) continue;
        while (naechster < n && benutzt[naechster]) ++naechster;
        if (naechster >= n) continue;
        benutzt[naechster] = true;
        liga_firma_setzen(k, teams[naechster]);
    }
}

int32_t Bank_Get_Aktien_Liga() { return Bank_Liga_Wettbewerb; }

void Bank_Manager_Icon_Status_Vorbelegen(Manager_Icon_Zustand* zustand)
{
    if (!zustand) return;
    Manager_Icon_Status_Vorbelegen(zustand, 2135, 1);
    Manager_Icon_Status_Vorbelegen(zustand, 2017, 0);
}
