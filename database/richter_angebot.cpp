// Transfer offers between clubs: entering, ordering, withdrawing, and the daily decision that
// carries out the best one as an extension, a free move, a transfer or a loan.
#include <algorithm>
#include <cstring>
#include <vector>

#include "database/assistent.h"
#include "database/datenbank_fern.h"
#include "database/richter.h"
#include "graphics/grafik_fortschritt.h"
#include "graphics/grafik_meldung.h"
#include "graphics/grafik_screen.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "economy/auktion.h"
#include "economy/bank.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "gameflow/news.h"
#include "platform/print.h"
#include "platform/sortiere.h"
#include "platform/temp.h"
#include "platform/zufall.h"

namespace {

constexpr int32_t MINDESTKADER[4] = {2, 4, 5, 3};
const char* const ART_PLURAL[4] = {"Torhüter", "Abwehrspieler", "Mittelfeldspieler", "Stürmer"};
constexpr int32_t AUSGESCHLOSSEN = -3;


bool ist_client() { return Netz_Rolle == 1; }

bool client_zugriff(const char* name)
{
    if (!ist_client()) return false;
    Print_Fehler("Client-Zugriff: %s", name);
    return true;
}

bool team_gueltig(int32_t team) { return T && team >= 0 && team < Team_Anzahl; }
bool spieler_gueltig(int32_t spnr) { return Spieler_Daten && spnr >= 0 && spnr < Spieler_Anzahl; }
bool mensch(int32_t team) { return team_gueltig(team) && Team_Hat_Manager(team); }

const char* team_name(int32_t team) { return Team_String(TEAM_NAME_ROH, team, nullptr, 0); }
const char* spieler_name(int32_t spnr) { return Spieler_String(SP_VOLLNAME, spnr, nullptr, 0); }
const char* geld(int64_t dm, int32_t team) { return Bank_Betrag_String(static_cast<float>(dm), team, -1, 0); }
const char* jahre_wort(int32_t jahre) { return jahre == 1 ? "Jahr" : "Jahre"; }

Spieler_Angebot* angebot(Liste_Element* e) { return static_cast<Spieler_Angebot*>(e->data); }

bool ist_angebot(const Liste_Element* e)
{
    return e->key == RICHTER_ANGEBOT && e->size == sizeof(Spieler_Angebot) + LISTE_KOPF_BYTES;
}

Liste_Element* finden(int32_t spnr, int32_t bieter, int32_t verein)
{
    for (Liste_Element* e = Richter_Liste.next; e; e = e->next) {
        if (!ist_angebot(e)) continue;
        const Spieler_Angebot* a = angebot(e);
        if (a->spnr == spnr && (bieter == -1 || a->bieter == bieter) && (verein == -1 || a->verein == verein)) return e;
    }
    return nullptr;
}

uint16_t in_u16(int64_t v) { return static_cast<uint16_t>(v < 0 ? 0 : v > 65535 ? 65535 : v); }

void nachricht(int32_t an, int32_t von, const char* text)
{
    if (mensch(an)) News_Senden(-1, an, von, NEWS_ART_TEXT, nullptr, "%s", text);
}

// The offered fee minus the fee the player's club asks: the key of the best-first order.
int32_t schluessel(const Spieler_Angebot& a)
{
    int32_t forderung = 0;
    if (a.abloese > 0) {
        const int32_t rest = Teamspieler_Ist_Im_Team(a.verein, a.spnr) >= 0 ? Teamspieler_Wert(305, a.verein, a.spnr, 0, 0) : 0;
        Spieler_Bewerte_Marktwert_Gehalt(a.verein, a.spnr, -1, -1, rest, nullptr, &forderung, 0);
        return a.abloese - forderung;
    }
    if (a.leihgebuehr > 0) {
        Spieler_Bewerte_Marktwert_Gehalt_Angebot(a.verein, a.spnr, -1, -1, a.monate, nullptr, &forderung, 0);
        return a.leihgebuehr - forderung;
    }
    return -1000000;
}

// A player's offers from their items in the list's order: copied best first into `aus` (at most
// max of them), the accepting bidder, if any, into `annehmer`; returns their number.
int32_t angebote_lesen(const Liste_Element* const* elemente, int32_t anzahl, Spieler_Angebot* aus, int32_t max,
                       int32_t* annehmer)
{
    if (annehmer) *annehmer = -1;
    std::vector<Spieler_Angebot> gefunden;
    for (int32_t i = 0; i < anzahl; ++i) {
        const auto* x = static_cast<const Spieler_Angebot*>(elemente[i]->data);
        if (static_cast<int32_t>(gefunden.size()) >= Team_Anzahl) {
            Print_Fehler("Richter_Get_Spieler_Angebote: index-fehler!");
            continue;
        }
        gefunden.push_back(*x);
        // an extension is never accepted by its club: the player decides on it
        if (x->angenommen && annehmer && x->bieter != x->verein) *annehmer = x->bieter;
    }
    const int32_t n = static_cast<int32_t>(gefunden.size());
    if (aus && max > 0 && n > 0) {
        std::vector<int32_t> index(static_cast<size_t>(n)), keys(static_cast<size_t>(n));
        for (int32_t i = 0; i < n; ++i) {
            index[static_cast<size_t>(i)] = i;
            keys[static_cast<size_t>(i)] = schluessel(gefunden[static_cast<size_t>(i)]);
        }
        Sortiere_Int(index.data(), keys.data(), n, true);
        for (int32_t i = 0; i < n && i < max; ++i) aus[i] = gefunden[static_cast<size_t>(index[static_cast<size_t>(i)])];
    }
    return n;
}

bool ist_faellig(int32_t spnr, const std::vector<Spieler_Angebot>& angebote)
{
    const int32_t zaehler = Spieler_Wert(SP_ANGEBOTSZAEHLER, spnr, 0, SP_LESEN);
    if (zaehler <= 0) return true;
    // An offer rated 100 or more shortened the countdown to 1: it is decided on the next run.
    if (zaehler == 1)
        for (const Spieler_Angebot& a : angebote)
            if (a.bewertung >= 100) return true;
    return false;
}

bool spieler_normal(int32_t spnr, int32_t verein)
{
    return team_gueltig(verein) && !(Spieler_Wert(SP_STATUS, spnr, 0, SP_LESEN) & SP_STATUS_OHNE_VEREIN) &&
           Teamspieler_Ist_Im_Team(verein, spnr) >= 0;
}

int32_t angebot_wert_49(int32_t monate)
{
    const int32_t z = Zufall_Gross(monate / 2, monate - monate / 4);
    const int32_t w = 4 * z;
    return w < 0 ? 0 : w > 90 ? 90 : w;
}

// Patience of the computer clubs with a manager's player: every seventh run one point less; at 0
// the offer is withdrawn. All points are taken first, so that no offer loses two in one run.
void geduld_pruefen()
{
    std::vector<Spieler_Angebot> am_ende;
    for (Liste_Element* e = Richter_Liste.next; e; e = e->next) {
        if (!ist_angebot(e)) continue;
        Spieler_Angebot* a = angebot(e);
        if (a->geduld <= 0 || a->bieter == a->verein) continue;
        if (--a->geduld == 0) am_ende.push_back(*a);
    }
    for (const Spieler_Angebot& a : am_ende) {
        Liste_Element* e = finden(a.spnr, a.bieter, a.verein);
        if (!e || angebot(e)->angenommen) continue;
        Richter_Set_Spieler_Angebot(&a, true, false);
        nachricht(a.verein, a.bieter,
                  Temp_Sprintf("Die Geduld von %s ist am Ende. Der Verein zieht sein Angebot für %s zurück.",
                               team_name(a.bieter), spieler_name(a.spnr)));
        const int32_t neu = Zufall_Gross(20, 40);
        if (Spieler_Wert(SP_ANGEBOTSWERT, a.spnr, 0, SP_LESEN) < neu) Spieler_Wert(SP_ANGEBOTSWERT, a.spnr, neu, SP_SCHREIBEN);
    }
}

// Step 9: the winning offer is carried out; the other human bidders hear about it.
void ausfuehren(const Spieler_Angebot& w, const std::vector<Spieler_Angebot>& alle)
{
    const int32_t b = w.bieter, o = w.verein, p = w.spnr;
    // a computer club's offer was cut to the player's age when it was made; he may have had a
    // birthday since
    const int32_t monate = mensch(b) ? w.monate : Spieler_Vertrag_Monate_Begrenzen(p, w.monate);
    const int32_t jahre = monate / 12;
    const int64_t gehalt_dm = int64_t(w.gehalt) * 1000;
    auto andere = [&](const char* text) {
        for (const Spieler_Angebot& a : alle)
            if (a.bieter != b && a.bieter != o) nachricht(a.bieter, o, text);
    };

    if (w.abloese == 0 && w.leihgebuehr == 0 && b == o && b != Transfermarkt_Team) {
        const int32_t alt = Teamspieler_Wert(301, b, p, 0, 0);
        Teamspieler_Wert(301, b, p, w.gehalt * 1000, 1);
        Teamspieler_Wert(305, b, p, monate, 1);
        Teamspieler_Vertragspunkte_Machen(b, b, p, w.gehalt, 0, monate, 1);
        Teamspieler_Wert(317, b, p, static_cast<int32_t>(TS_TRANSFERLISTE), 4);
        if (mensch(b)) {
            nachricht(b, b,
                      Temp_Sprintf("%s bleibt Ihrem Verein länger erhalten. Er verlängerte soeben seinen Vertrag bei %s "
                                   "auf %d %s. Sein neues Jahresgehalt beträgt %s (das bisherige Gehalt lag bei %s).",
                                   spieler_name(p), team_name(b), jahre, jahre_wort(jahre), geld(gehalt_dm, b),
                                   geld(alt, b)));
            Spieler_Wert(SP_ANGEBOTSWERT, p, angebot_wert_49(monate), SP_SCHREIBEN);
        }
        andere(Temp_Sprintf("Ihr Angebot für Spieler %s ist leider abgelehnt worden. Der Mann verlängert stattdessen "
                            "seinen Vertrag in %s auf %d %s.",
                            spieler_name(p), team_name(b), jahre, jahre_wort(jahre)));
        return;
    }

    const char* abloese_text;
    if (w.abloese == 0 && w.leihgebuehr == 0 && o != Transfermarkt_Team && b != Transfermarkt_Team) {
        Richter_Spieler_Wechsel_Nach_Vertragsende_Hinzufuegen(p, b, w.gehalt, monate);
        Teamspieler_Vertragspunkte_Machen(o, b, p, w.gehalt, 0, monate, 1);
        Spieler_Wert(SP_ANGEBOTSWERT, p, 125, SP_SCHREIBEN);
        abloese_text = "ablösefrei zum Vertragsende";
    } else {
        const bool leihe = w.abloese == 0 && w.leihgebuehr > 0;
        const int32_t art = leihe ? 2 : 1;
        const int32_t betrag = leihe ? w.leihgebuehr : w.abloese;
        // The new club must take him before anything is booked: a full squad refuses him.
        if (!Teamspieler_Kommt_Oder_Geht(1, b, p, w.gehalt, art, monate, leihe ? o : -1, true)) {
            Print_Fehler("Richter_Check_Spieler_Angebote: Spieler %d kann nicht zu Team %d wechseln!", p, b);
            // The offers are gone after this: both sides learn that the deal fell through.
            const char* text = Temp_Sprintf("Der Transfer des Spielers %s von %s ist leider geplatzt, da im Kader von %s "
                                            "kein Platz mehr frei ist.",
                                            spieler_name(p), team_name(o), team_name(b));
            nachricht(b, o, text);
            nachricht(o, b, text);
            return;
        }
        Teamspieler_Vertragspunkte_Machen(o, b, p, w.gehalt, betrag, monate, art);
        Teamspieler_Kommt_Oder_Geht(0, o, p, 0, 0, 0, -1, false);
        Teamspieler_Transfer_Speichern(o, b, p, betrag, art);
        if (mensch(b)) Spieler_Wert(SP_ANGEBOTSWERT, p, angebot_wert_49(monate), SP_SCHREIBEN);
        abloese_text = mensch(b) || mensch(o) ? Temp_Sprintf("für die Ablösesumme von %s%s", geld(int64_t(betrag) * 1000, o),
                                                             leihe ? " LEIHWEISE" : "")
                                              : "";
    }
    // The texts go to human managers only: among computer clubs none is written.
    bool gehoert = mensch(o) || mensch(b);
    for (const Spieler_Angebot& a : alle) gehoert = gehoert || (a.bieter != b && a.bieter != o && mensch(a.bieter));
    if (!gehoert) return;
    const char* text = Temp_Sprintf("%s wechselt %s von %s nach %s. Das Jahresgehalt von %s wird %s betragen. Der "
                                    "Vertrag läuft über %d %s.",
                                    spieler_name(p), abloese_text, team_name(o), team_name(b), spieler_name(p),
                                    geld(gehalt_dm, b), jahre, jahre_wort(jahre));
    nachricht(o, b, text);
    if (b != o) nachricht(b, o, text);
    andere(Temp_Sprintf("Ihr Angebot für Spieler %s ist leider abgelehnt worden. Der Mann wechselte stattdessen %s nach "
                        "%s, wo er %d %s lang %s per anno verdienen wird.",
                        spieler_name(p), abloese_text, team_name(b), jahre, jahre_wort(jahre), geld(gehalt_dm, b)));
}

// A decided auction leaves nothing behind that would be decided again the next day.
void abschliessen(int32_t spnr, const Spieler_Angebot* gewinner)
{
    if (gewinner)
        if (Liste_Element* e = finden(spnr, gewinner->bieter, gewinner->verein))
            Liste_Delete_Element(&Richter_Liste, e);
    Richter_Alle_Angebote_Zu_Einem_Spieler_Loeschen(spnr);
}

// Why a bidder other than the player's club may not pay the offer (null when he may): his
// assistant's verdict, a balance in the red, or an offer above what his balance covers.
const char* geld_ausschluss(const Spieler_Angebot& x, int32_t p, int32_t o)
{
    const int32_t gebot = x.abloese + x.leihgebuehr;
    const int32_t stand = Bank_Get_Kontostand(x.bieter, 1, -1);
    if (!Assis_Transfer_Finanzierbar(x.bieter, gebot * 1000, x.bewertung)) {
        const int32_t assi = Assistent_Mit_Aufgabe(x.bieter, ASSI_AUFGABE_TRANSFER);
        return Temp_Sprintf("Ihr Assistent %s hat entschieden, das Angebot für Spieler %s von %s aus finanziellen "
                            "Gründen zurückzuziehen. Sie nehmen daher an der Auktion nicht teil.",
                            assi >= 0 && assi < ASSI_SLOTS ? Assistenten_Tabelle[assi].name : "",
                            spieler_name(p), team_name(o));
    }
    if (stand < 0 && gebot > 0) {
        return Temp_Sprintf("Da Sie momentan mit %s bei Ihrer Hausbank in der Kreide stehen werden Sie nicht zur "
                            "Auktion von Spieler %s (%s) zugelassen.",
                            geld(-int64_t(stand), x.bieter), spieler_name(p), team_name(o));
    }
    if (gebot > stand / 1000) {
        return Temp_Sprintf("Sie haben für den Spieler %s von %s zwar %s geboten, weisen aber einen Kontostand von "
                            "%s (inkl. Kreditrahmen) auf. Daher findet die Auktion ohne Sie statt.",
                            spieler_name(p), team_name(o), geld(int64_t(gebot) * 1000, x.bieter),
                            geld(stand, x.bieter));
    }
    return nullptr;
}

// Most players with offers wait for their countdown, and the decision reads, rates and orders
// their offers only to find that out. When the items alone show it (no offer accepted, all
// from one club, none beyond what the reading takes, and no rating that would draw), the
// checks the decision makes before it waits are made here and true is returned; false when
// the whole decision must run.
bool wartet_noch(int32_t p, const Liste_Element* const* elemente, int32_t anzahl)
{
    if (anzahl > RICHTER_MAX_ANGEBOTE || anzahl > Team_Anzahl) return false;
    const auto* erstes = static_cast<const Spieler_Angebot*>(elemente[0]->data);
    bool hoch = false, mit_geld = false;
    for (int32_t i = 0; i < anzahl; ++i) {
        const auto* x = static_cast<const Spieler_Angebot*>(elemente[i]->data);
        if (x->angenommen || x->verein != erstes->verein) return false;
        hoch = hoch || x->bewertung >= 100;
        mit_geld = mit_geld || x->abloese > 0 || x->leihgebuehr > 0;
    }
    const int32_t zaehler = Spieler_Wert(SP_ANGEBOTSZAEHLER, p, 0, SP_LESEN);
    if (zaehler <= 0 || (zaehler == 1 && hoch)) return false;
    // the rating of an offer with a fee draws for a player this weak
    if (mit_geld && Spieler_Wert(SP_K_I_T, p, 0, SP_LESEN) < 10) return false;
    const int32_t o = erstes->verein;
    if (!spieler_normal(p, o)) {
        Print_Fehler("Richter_Check_Spieler_Angebote: Spieler nicht normal!");
        return true;
    }
    if (Richter_Spieler_Wechsel_Nach_Vertragsende_Suchen(p, nullptr, nullptr, nullptr)) return true;
    if (o == Jugend_Team) Print_Fehler("Richter_Check_Spieler_Angebote: Jugend-Team!");
    return true;
}

// The decision on player p, from the items of his offers (fetched once for it); a player without
// offers is left alone.
void entscheiden(int32_t p, const Liste_Element* const* elemente, int32_t anzahl)
{
    if (anzahl == 0 || wartet_noch(p, elemente, anzahl)) return;
    std::vector<Spieler_Angebot> a(RICHTER_MAX_ANGEBOTE);
    int32_t annehmer = -1;
    const int32_t gesamt = angebote_lesen(elemente, anzahl, a.data(), RICHTER_MAX_ANGEBOTE, &annehmer);
    const int32_t n = gesamt < RICHTER_MAX_ANGEBOTE ? gesamt : RICHTER_MAX_ANGEBOTE;
    a.resize(static_cast<size_t>(n));
    if (n == 0 || gesamt > RICHTER_MAX_ANGEBOTE) {
        Print_Fehler("Richter_Check_Spieler_Angebote: Angebot_Anzahl-Error!");
        if (n == 0) return;
    }
    const int32_t o = a[0].verein;
    if (!spieler_normal(p, o)) {
        Print_Fehler("Richter_Check_Spieler_Angebote: Spieler nicht normal!");
        return;
    }
    if (Richter_Spieler_Wechsel_Nach_Vertragsende_Suchen(p, nullptr, nullptr, nullptr)) return;
    if (o == Jugend_Team) Print_Fehler("Richter_Check_Spieler_Angebote: Jugend-Team!");

    if (annehmer != -1) {
        for (const Spieler_Angebot& x : a)
            if (x.bieter == annehmer) {
                const Spieler_Angebot w = x;
                // An accepted offer is paid like any other: a bidder who cannot pay does not get him.
                if (const char* text = w.bieter != o ? geld_ausschluss(w, p, o) : nullptr) {
                    nachricht(w.bieter, o, text);
                    nachricht(o, w.bieter,
                              Temp_Sprintf("Der Transfer des Spielers %s von %s ist leider geplatzt, da die "
                                           "Vertragsparteien bei den finanziellen Fragen keine Einigung erzielen "
                                           "konnten.",
                                           spieler_name(p), team_name(o)));
                    if (Liste_Element* e = finden(p, w.bieter, w.verein)) Liste_Delete_Element(&Richter_Liste, e);
                    return;
                }
                ausfuehren(w, a);
                abschliessen(p, &w);
                return;
            }
        Print_Fehler("Richter_Check_Spieler_Angebote: Fixiertes Team nicht gefunden!");
        return;
    }
    if (!ist_faellig(p, a)) return;

    const int32_t art = Spieler_Wert(SP_ART, p, 0, SP_LESEN) & 3;
    // Squad shortage: a club that would fall short of players of his kind keeps him.
    if (a[0].bieter != o && o != Transfermarkt_Team) {
        int32_t anzahl[4], bedarf = 100, ueberschuss = 0;
        Richter_Get_Transfer_Artzahl(o, p, anzahl, &bedarf, &ueberschuss);
        if (bedarf > 100) {
            for (const Spieler_Angebot& x : a) {
                if (!mensch(x.bieter)) continue;
                int32_t wert = Spieler_Bewerte_Angebot_Gehalt(x.bieter, o, p, x.monate, x.gehalt);
                const bool mit_abloese = x.abloese > 0 || x.leihgebuehr > 0;
                const int32_t rest = x.abloese > 0 ? Teamspieler_Wert(305, o, p, 0, 0) : x.monate;
                const int32_t wert_abloese =
                    mit_abloese ? Spieler_Bewerte_Angebot_Abloese(o, x.bieter, p, rest, x.abloese, x.leihgebuehr) : 10000;
                wert = std::min(wert, wert_abloese);
                if (wert >= bedarf) continue;
                const int32_t ohne = anzahl[art] - 1;
                const char* text =
                    mit_abloese
                        ? Temp_Sprintf("%s erklärt, daß Spieler %s für den von Ihnen gebotenen Betrag nicht abgegeben "
                                       "wird, da der Verein ohne ihn momentan (abzüglich Verletzte und Gesperrte) nur "
                                       "über lediglich %d %s verfügen würde...",
                                       team_name(o), spieler_name(p), ohne, ART_PLURAL[art])
                        : Temp_Sprintf("%s kann Spieler %s durch eine Vertragsverlängerung mit deutlich besserem Gehalt "
                                       "und weiteren Vergünstigungen halten. Ohne ihn verfügte der Verein momentan "
                                       "(abzüglich Verletzte, Gesperrte und Wechsler) nur über %d %s.",
                                       team_name(o), spieler_name(p), ohne, ART_PLURAL[art]);
                Richter_Spieler_Angebot_Absage_Grund(a.data(), nullptr, n, o, text, true, true);
                abschliessen(p, nullptr);
                return;
            }
        }
    }

    // Exclusions of human bidders, each told why.
    std::vector<int32_t> wertung(static_cast<size_t>(n), 0);
    const bool karriereende = Spieler_Wert(SP_STATUS, p, 0, SP_LESEN) & SP_STATUS_KARRIERE_ENDE;
    for (int32_t i = 0; i < n; ++i) {
        const Spieler_Angebot& x = a[static_cast<size_t>(i)];
        if (!mensch(x.bieter)) continue;
        const char* text = nullptr;
        if (karriereende) {
            text = Temp_Sprintf("%s (%s) hatte sich bereits vor der Auktion entschieden, seine Karriere zu beenden. Er "
                                "steht daher nach Ablauf seines jetzigen Vertrages keinem Verein mehr als %s zur "
                                "Verfügung.",
                                spieler_name(p), team_name(o), ART_PLURAL[art]);
        } else if (x.bieter != o) {
            text = geld_ausschluss(x, p, o);
        }
        if (text) {
            nachricht(x.bieter, o, text);
            wertung[static_cast<size_t>(i)] = AUSGESCHLOSSEN;
        }
    }
    if (karriereende) {
        abschliessen(p, nullptr);
        return;
    }

    // Scores: the salary rating, with a fee the lower of it and the fee rating.
    for (int32_t i = 0; i < n; ++i) {
        if (wertung[static_cast<size_t>(i)] == AUSGESCHLOSSEN) continue;
        const Spieler_Angebot& x = a[static_cast<size_t>(i)];
        int32_t s = Spieler_Bewerte_Angebot_Gehalt(x.bieter, o, p, x.monate, x.gehalt);
        if (x.abloese > 0 || x.leihgebuehr > 0) {
            const int32_t rest = x.abloese > 0 ? Teamspieler_Wert(305, o, p, 0, 0) : x.monate;
            s = std::min(s, Spieler_Bewerte_Angebot_Abloese(o, x.bieter, p, rest, x.abloese, x.leihgebuehr));
        }
        wertung[static_cast<size_t>(i)] = s;
    }
    std::vector<int32_t> reihe(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i) reihe[static_cast<size_t>(i)] = i;
    std::stable_sort(reihe.begin(), reihe.end(),
                     [&](int32_t x, int32_t y) { return wertung[static_cast<size_t>(x)] > wertung[static_cast<size_t>(y)]; });
    std::vector<Spieler_Angebot> finale;
    for (int32_t i : reihe) {
        if (wertung[static_cast<size_t>(i)] < 0) break;
        const Spieler_Angebot& x = a[static_cast<size_t>(i)];
        if (static_cast<int32_t>(finale.size()) < RICHTER_MAX_FINALISTEN) {
            finale.push_back(x);
        } else {
            nachricht(x.bieter, o,
                      Temp_Sprintf("Es haben mehr als %d Vereine ein Angebot für den Spieler %s von %s abgegeben. Sie "
                                   "nehmen an der Auktion nicht teil, da Ihr Angebot nicht unter den besten %d ist.",
                                   RICHTER_MAX_FINALISTEN, spieler_name(p), team_name(o), RICHTER_MAX_FINALISTEN));
        }
    }
    int32_t sieger = -1;
    if (!finale.empty())
        sieger = Auktion_Durchfuehren(p, o, static_cast<int32_t>(finale.size()), 0, finale.data());
    if (sieger < 0 || sieger >= static_cast<int32_t>(finale.size())) {
        const Spieler_Angebot* erster = nullptr;
        for (const Spieler_Angebot& x : a)
            if (mensch(x.bieter)) {
                erster = &x;
                break;
            }
        if (erster) {
            const char* text =
                erster->bieter == o
                    ? Temp_Sprintf("Die Vertragsverlängerung des Spielers %s von %s ist leider geplatzt, da die "
                                   "Vertragsparteien bei den finanziellen Fragen keine Einigung erzielen konnten.",
                                   spieler_name(p), team_name(o))
                    : Temp_Sprintf("Der Transfer des Spielers %s von %s ist leider geplatzt, da die Vertragsparteien "
                                   "bei den finanziellen Fragen keine Einigung erzielen konnten.",
                                   spieler_name(p), team_name(o));
            Richter_Spieler_Angebot_Absage_Grund(a.data(), wertung.data(), n, o, text, true, true);
        }
        abschliessen(p, nullptr);
        return;
    }
    const Spieler_Angebot w = finale[static_cast<size_t>(sieger)];
    ausfuehren(w, a);
    abschliessen(p, &w);
}

}  // namespace

void Richter_Spieler_Angebot_Struktur_Erzeugen(int32_t bieter, int32_t verein, int32_t spnr, int32_t abloese,
                                               int32_t leihgebuehr, int32_t gehalt, int32_t monate, int32_t bewertung)
{
    if (client_zugriff("Richter_Spieler_Angebot_Struktur_Erzeugen")) return;
    Spieler_Angebot a{};
    a.tag = static_cast<uint32_t>(Kalender_Get_Heute());
    a.bewertung = bewertung;
    a.bieter = in_u16(bieter);
    a.verein = in_u16(verein);
    a.spnr = in_u16(spnr);
    a.abloese = in_u16(abloese);
    a.leihgebuehr = in_u16(leihgebuehr);
    a.gehalt = in_u16(gehalt);
    a.monate = in_u16(monate);
    a.geduld = -1;
    if (mensch(verein) && !mensch(bieter)) {
        const int32_t geduld = Zufall_Gross(12, 25);
        a.geduld = static_cast<int8_t>(geduld);
    }
    Richter_Spieler_Angebot_Hinzufuegen(&a);
}

void Richter_Spieler_Angebot_Hinzufuegen(const Spieler_Angebot* neu)
{
    if (ist_client()) {
        Richter_Internet_Client_Neues_Angebot(neu);
        return;
    }
    if (!neu || !team_gueltig(neu->bieter) || !team_gueltig(neu->verein) || !spieler_gueltig(neu->spnr)) {
        Print_Fehler("Richter_Spieler_Angebot_Hinzufuegen: Angebot falsch!");
        return;
    }
    // One walk: the same club's earlier offer for the player is renewed in its place (the first
    // one, as the list has it); short of it his offers are counted and the weakest noted.
    int32_t anzahl = 0;
    Liste_Element* schwaechstes = nullptr;
    int32_t tiefste = 32000;
    for (Liste_Element* e = Richter_Liste.next; e; e = e->next) {
        if (!ist_angebot(e) || angebot(e)->spnr != neu->spnr) continue;
        const Spieler_Angebot* a = angebot(e);
        if (a->bieter == neu->bieter && a->verein == neu->verein) {
            *angebot(e) = *neu;
            return;
        }
        ++anzahl;
        if (!a->behalten && !mensch(a->bieter) && a->bewertung < tiefste) {
            tiefste = a->bewertung;
            schwaechstes = e;
        }
    }
    if (anzahl >= RICHTER_MAX_ANGEBOTE) {
        if (!schwaechstes) return;
        *angebot(schwaechstes) = *neu;
    } else {
        if (!Liste_Insert_Element(&Richter_Liste, nullptr, neu, sizeof *neu, RICHTER_ANGEBOT)) {
            Print_Fehler("Richter_Spieler_Angebot_Hinzufuegen: kein Speicher!");
            return;
        }
    }
    const int32_t p = neu->spnr;
    if (Spieler_Wert(SP_ANGEBOTSZAEHLER, p, 0, SP_LESEN) == -1) {
        int32_t zaehler;
        if (neu->bieter == neu->verein) zaehler = Zufall(2, 4);
        else zaehler = Zufall(4, 12);
        Spieler_Wert(SP_ANGEBOTSZAEHLER, p, zaehler, SP_SCHREIBEN);
    }
    if (neu->bewertung >= 100) Spieler_Wert(SP_ANGEBOTSZAEHLER, p, 1, SP_SCHREIBEN);

    const int32_t assi = mensch(neu->bieter) ? Assistent_Mit_Aufgabe(neu->bieter, ASSI_AUFGABE_TRANSFER) : -1;
    if (assi >= 0 && neu->bieter != neu->verein) {
        nachricht(neu->verein, neu->bieter,
                  Temp_Sprintf("Der Assistent %s von %s hat soeben ein Angebot für den Spieler %s (%s) abgegeben.",
                               assi < ASSI_SLOTS ? Assistenten_Tabelle[assi].name : "", team_name(neu->bieter),
                               spieler_name(p), team_name(neu->verein)));
    } else if (neu->bieter != neu->verein) {
        nachricht(neu->verein, neu->bieter,
                  Temp_Sprintf("%s hat soeben ein Angebot für den Spieler %s von %s abgegeben.", team_name(neu->bieter),
                               spieler_name(p), team_name(neu->verein)));
    }
}

int32_t Richter_Get_Spieler_Angebote(int32_t spnr, Spieler_Angebot* aus, int32_t max, int32_t* annehmer)
{
    std::vector<const Liste_Element*> elemente;
    for (Liste_Element* e = Richter_Liste.next; e; e = e->next)
        if (ist_angebot(e) && angebot(e)->spnr == spnr) elemente.push_back(e);
    return angebote_lesen(elemente.data(), static_cast<int32_t>(elemente.size()), aus, max, annehmer);
}

bool Richter_Set_Spieler_Angebot(const Spieler_Angebot* a, bool loeschen, bool melden)
{
    if (!a) return false;
    if (ist_client()) {
        if (a->bieter != Aktuelles_Team && a->verein != Aktuelles_Team) {
            Print_Fehler("Client-Zugriff: Richter_Set_Spieler_Angebot");
            return false;
        }
        return Richter_Internet_Client_Set_Spieler_Angebot(a, loeschen);
    }
    Liste_Element* e = finden(a->spnr, a->bieter, a->verein);
    if (!e) return true;
    if (!loeschen) {
        *angebot(e) = *a;
        return true;
    }
    if (angebot(e)->angenommen) return false;
    if (melden && mensch(a->bieter))
        nachricht(a->bieter, a->verein,
                  Temp_Sprintf("Ihr Angebot an %s für Spieler %s wurde leider abgelehnt.", team_name(a->verein),
                               spieler_name(a->spnr)));
    Liste_Delete_Element(&Richter_Liste, e);
    Spieler_Beobachtet_Entfernen(a->bieter, a->spnr);
    return true;
}

bool Richter_Spieler_Angebot_Vorhanden(int32_t spnr, int32_t verein, int32_t bieter)
{
    return finden(spnr, bieter, verein) != nullptr;
}

void Richter_Alle_Angebote_Zu_Einem_Spieler_Loeschen(int32_t spnr)
{
    if (client_zugriff("Richter_Alle_Angebote_Zu_Einem_Spieler_Loeschen")) return;
    if (!spieler_gueltig(spnr)) return;
    Spieler_Wert(SP_ANGEBOTSZAEHLER, spnr, -1, SP_SCHREIBEN);
    for (Liste_Element* e = Richter_Liste.next; e;) {
        Liste_Element* weiter = e->next;
        if (ist_angebot(e) && angebot(e)->spnr == spnr && !angebot(e)->behalten) {
            const int32_t bieter = angebot(e)->bieter;
            Liste_Delete_Element(&Richter_Liste, e);
            Spieler_Beobachtet_Entfernen(bieter, spnr);
        }
        e = weiter;
    }
}

void Richter_Get_Transfer_Artzahl(int32_t verein, int32_t spnr, int32_t* anzahl, int32_t* bedarf, int32_t* ueberschuss)
{
    if (!anzahl) {
        Print_Fehler("Richter_Get_Transfer_Artzahl: pointer==NULL!");
        return;
    }
    for (int k = 0; k < 4; ++k) anzahl[k] = 0;
    int32_t spieler[TEAM_MAX_START_SPIELER];
    const int32_t n = team_gueltig(verein) ? Teamspieler_Ins_Array(verein, spieler, TEAM_MAX_START_SPIELER, 0) : 0;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t s = spieler[i];
        if (Spieler_Wert(SP_STATUS, s, 0, SP_LESEN) & SP_STATUS_WECHSEL) continue;
        if (Teamspieler_Wert(317, verein, s, 0, 0) & 0xFC0) continue;
        ++anzahl[Spieler_Wert(SP_ART, s, 0, SP_LESEN) & 3];
    }
    if (!spieler_gueltig(spnr)) return;
    const int32_t art = Spieler_Wert(SP_ART, spnr, 0, SP_LESEN) & 3;
    int32_t b = 100;
    if (anzahl[art] < MINDESTKADER[art]) b = 9999;
    else if (anzahl[art] == MINDESTKADER[art] && art == 0) b = Zufall_Gross(165, 195);
    else if (anzahl[art] == MINDESTKADER[art]) b = Zufall_Gross(140, 170);
    if (bedarf) *bedarf = b;
    if (ueberschuss) *ueberschuss = anzahl[art] - MINDESTKADER[art];
}

int32_t Richter_Transfermarkt_Abgang_Datum(int32_t spnr)
{
    if (!spieler_gueltig(spnr)) return -1;
    int32_t zaehler = Spieler_Wert(SP_ANGEBOTSZAEHLER, spnr, 0, SP_LESEN);
    if (zaehler < 0) return -1;
    // The countdown runs down one step on every seventh day, on the market as anywhere (the
    // market's size speeds up its contracts, not its auctions): a forecast that took two or three
    // steps a week there named a day weeks before the auction, and nothing came on it.
    int32_t tag = Kalender_Get_Heute();
    while (zaehler > 0) {
        ++tag;
        if (tag % 7 == 0) --zaehler;
    }
    return tag + 1;
}

void Richter_Spieler_Angebot_Absage_Grund(const Spieler_Angebot* angebote, const int32_t* wertungen, int32_t n,
                                          int32_t verein, const char* text, bool mit_verein, bool hinweis)
{
    if (client_zugriff("Richter_Spieler_Angebot_Absage_Grund")) return;
    if (!angebote || !text) return;
    for (int32_t i = 0; i < n; ++i) {
        const Spieler_Angebot& a = angebote[i];
        if (wertungen && wertungen[i] == AUSGESCHLOSSEN) continue;
        if (!mensch(a.bieter) || (a.bieter == verein && !mit_verein)) continue;
        nachricht(a.bieter, verein, text);
        if (!hinweis) continue;
        auto verstimmen = [](int32_t team, int32_t s, int32_t um) {
            const int32_t v = Teamspieler_Wert(306, team, s, 0, 0) - um;
            Teamspieler_Wert(306, team, s, v < 0 ? 0 : v, 1);
        };
        if (a.bieter == verein && Assistent_Mit_Aufgabe(verein, ASSI_AUFGABE_TRANSFER) == -1) {
            if (Teamspieler_Ist_Im_Team(verein, a.spnr) >= 0) {
                const int32_t um = Zufall_Gross(20, 45);
                verstimmen(verein, a.spnr, um);
            }
        } else {
            int32_t spieler[TEAM_MAX_SPIELER + 1];
            const int32_t k = Teamspieler_Ins_Array(a.bieter, spieler, TEAM_MAX_SPIELER + 1, 0);
            for (int32_t j = 0; j < k && j <= TEAM_MAX_SPIELER; ++j) {
                const int32_t um = Zufall_Gross(0, 4);
                verstimmen(a.bieter, spieler[j], um);
            }
        }
    }
}

// The items of each player's offers, as one walk of the list finds them; they stand while no item
// of any list is added, removed or moved (the list's count of changes), and are found anew when
// one was.
class Angebote_Je_Spieler {
public:
    // spieler: the players to decide, each once; the vector outlives this
    explicit Angebote_Je_Spieler(const std::vector<int32_t>& spieler)
        : spieler_(spieler), geteilt_(!geteilt_belegt), platz_(geteilt_ ? platz_je_spieler() : eigener_), gruppen_(spieler.size())
    {
        // a check within a check (none today) takes a table of its own
        if (geteilt_) geteilt_belegt = true;
        // a check of a single player looks him up among a few; a day's check by number
        if (spieler.size() <= WENIGE) return;
        // the table by number is kept from day to day with every place free (-1) between checks
        const size_t anzahl = static_cast<size_t>(Spieler_Anzahl > 0 ? Spieler_Anzahl : 0);
        if (platz_.size() != anzahl) platz_.assign(anzahl, -1);
        for (size_t i = 0; i < spieler.size(); ++i) platz_[static_cast<size_t>(spieler[i])] = static_cast<int32_t>(i);
    }

    ~Angebote_Je_Spieler()
    {
        if (geteilt_) geteilt_belegt = false;
        if (spieler_.size() <= WENIGE) return;
        for (const int32_t s : spieler_)
            if (static_cast<size_t>(s) < platz_.size()) platz_[static_cast<size_t>(s)] = -1;
    }

    Angebote_Je_Spieler(const Angebote_Je_Spieler&) = delete;
    Angebote_Je_Spieler& operator=(const Angebote_Je_Spieler&) = delete;

    const std::vector<const Liste_Element*>& von(int32_t spnr)
    {
        if (!gueltig_ || stand_ != Liste_Stand()) sammeln();
        return gruppen_[static_cast<size_t>(platz(static_cast<uint32_t>(spnr)))];
    }

private:
    static constexpr size_t WENIGE = 8;

    static std::vector<int32_t>& platz_je_spieler()
    {
        static std::vector<int32_t> tabelle;
        return tabelle;
    }

    // the player's place among those to decide, -1 for another
    int32_t platz(uint32_t spnr) const
    {
        if (spieler_.size() > WENIGE) return spnr < platz_.size() ? platz_[spnr] : -1;
        for (size_t i = 0; i < spieler_.size(); ++i)
            if (static_cast<uint32_t>(spieler_[i]) == spnr) return static_cast<int32_t>(i);
        return -1;
    }

    void sammeln()
    {
        for (auto& g : gruppen_) g.clear();
        for (Liste_Element* e = Richter_Liste.next; e; e = e->next) {
            if (!ist_angebot(e)) continue;
            const int32_t i = platz(angebot(e)->spnr);
            if (i >= 0) gruppen_[static_cast<size_t>(i)].push_back(e);
        }
        stand_ = Liste_Stand();
        gueltig_ = true;
    }

    static inline bool geteilt_belegt = false;
    const std::vector<int32_t>& spieler_;
    const bool geteilt_;
    std::vector<int32_t> eigener_;
    std::vector<int32_t>& platz_;  // by player number: his place among the players to decide, or -1
    std::vector<std::vector<const Liste_Element*>> gruppen_;
    uint64_t stand_ = 0;
    bool gueltig_ = false;
};

// Calls of the offer check; every seventh one for all players tests the bidders' patience. It
// goes into the savegame, so that a loaded game decides as the uninterrupted one would.
int32_t Richter_Angebot_Aufrufe = 0;

void Richter_Check_Spieler_Angebote(int32_t spnr)
{
    if (client_zugriff("Richter_Check_Spieler_Angebote")) return;
    ++Richter_Angebot_Aufrufe;
    if (spnr == -1 && Richter_Angebot_Aufrufe % 7 == 0) geduld_pruefen();

    // The players to decide, collected first: the decisions delete items.
    std::vector<int32_t> spieler;
    int box = 0;
    if (spnr != -1) {
        if (spieler_gueltig(spnr)) spieler.push_back(spnr);
    } else {
        std::vector<uint8_t> gesehen(static_cast<size_t>(Spieler_Anzahl > 0 ? Spieler_Anzahl : 0), 0);
        for (Liste_Element* e = Richter_Liste.next; e; e = e->next) {
            if (!ist_angebot(e)) continue;
            const int32_t s = angebot(e)->spnr;
            if (!spieler_gueltig(s) || gesehen[static_cast<size_t>(s)]) continue;
            gesehen[static_cast<size_t>(s)] = 1;
            spieler.push_back(s);
        }
        int32_t faellig = 0;
        for (int32_t s : spieler)
            if (Spieler_Wert(SP_ANGEBOTSZAEHLER, s, 0, SP_LESEN) <= 0 &&
                !(Spieler_Wert(SP_STATUS, s, 0, SP_LESEN) & SP_STATUS_WECHSEL))
                ++faellig;
        if (faellig > 20) Print_Log(0, "%d Spieler werden versteigert\n", faellig);
        // a long auction day shows its count in the progress box while the decisions run; over a
        // page nobody sees, with nobody told what is drawn, the box would only be built and torn down
        if (faellig > 20 && !Grafik_Niemand_Sieht(Grafik_Seite_0))
            box = Grafik_Fortschritt_Oeffnen(Temp_Sprintf("%d Spieler werden versteigert", faellig), -1, -1);
    }
    // the arbiter reads no line-up: the moving clubs get theirs once, after the last decision
    Teamspieler_Folgen_Sammeln();
    // Each player's offers by their items, gathered for all of them in one walk of the list and
    // gathered again only after a decision added or removed an item (most change nothing); an
    // item's offer is read when its player's turn comes.
    Angebote_Je_Spieler je_spieler(spieler);
    for (int32_t s : spieler) {
        const std::vector<const Liste_Element*>& elemente = je_spieler.von(s);
        entscheiden(s, elemente.data(), static_cast<int32_t>(elemente.size()));
    }
    Teamspieler_Folgen_Ausfuehren();
    if (box) Grafik_Fortschritt_Schliessen();
}
