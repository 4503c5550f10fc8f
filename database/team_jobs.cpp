// The teams' periodic jobs on the server: per-league averages, strain, injuries and insurance
// payouts, morale, the weekly bookings and tactic training, the staff contracts.
#include <algorithm>
#include <cstring>

#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "database/teamspieler.h"
#include "database/welt_intern.h"
#include "database/zufall_folge.h"
#include "economy/bank.h"
#include "economy/trainingslager.h"
#include "economy/werbung.h"
#include "gameflow/kalender.h"
#include "gameflow/team_requester.h"
#include "match/spielfeld.h"
#include "platform/bytes.h"
#include "platform/temp.h"
#include "platform/zufall.h"

using namespace welt;

int32_t Team_Liga_Anzahl[TEAM_LIGEN];
uint16_t Team_Aenderungszaehler = 0;

const Team_Versicherer Team_Versicherer_Tabelle[TEAM_VERSICHERER] = {
    {"Haie, Fische & Partner", 40}, {"Bieder, Mann & Partner", 100}, {"Rouletti Inc.", 30},
    {"Versekura Versicherungen", 85}, {"Royal Assekuranz", 100},     {"DeckAllAb GmbH", 70},
};

namespace {

constexpr int32_t KADER_LISTE = 50;

enum : uint8_t { KAT_GEHALT = 26, KAT_PRAEMIE = 27, KAT_AUSZAHLUNG = 28, KAT_ASSISTENTEN = 33, KAT_AERZTE = 34 };

uint32_t kosten(const uint8_t* block, int32_t slot) { return Bytes_Hole32(block + ASSI_OFFSET_KOSTEN + 4 * slot); }

// Every term of a club's weekly outgoings, each divided by 52 before it counts, as the week
// books them one by one; with `nur` only the terms of that category are looked up.
template <typename F>
void wochen_posten(int32_t t, F&& posten, int32_t nur = -1)
{
    const bool gehalt = nur < 0 || nur == KAT_GEHALT, praemie = nur < 0 || nur == KAT_PRAEMIE;
    if (gehalt || praemie) {
        int32_t kader[KADER_LISTE];
        // The server reads the wage and the insurance straight from each player's record, as
        // fields 301, 307 and 308 read them; a client asks for them (it may hold no records).
        TS* records[KADER_LISTE];
        const bool direkt = !ist_client();
        int32_t n = Teamspieler_Kader(t, kader, direkt ? records : nullptr, KADER_LISTE, 0);
        if (n > KADER_LISTE) n = KADER_LISTE;
        if (direkt) {
            for (int32_t i = 0; i < n; ++i) {
                const TS& ts = *records[i];
                if (gehalt) posten(KAT_GEHALT, ts.gehalt * 1000 / 52, kader[i]);
                if (praemie && ts.versicherer != -1) posten(KAT_PRAEMIE, ts.versicherung_kosten * 500 / 52, kader[i]);
            }
        } else {
            for (int32_t i = 0; i < n; ++i) {
                const int32_t p = kader[i];
                if (gehalt) posten(KAT_GEHALT, Teamspieler_Wert(301, t, p, 0, 0) / 52, p);
                if (praemie && Teamspieler_Wert(307, t, p, 0, 0) != -1)
                    posten(KAT_PRAEMIE, Teamspieler_Wert(308, t, p, 0, 0) / 52, p);
            }
        }
    }
    if (nur >= 0 && nur != KAT_ASSISTENTEN && nur != KAT_AERZTE) return;
    const uint8_t* blocks[2] = {T_Own[t].assistenten, T_Own[t].aerzte};
    const uint8_t kategorien[2] = {KAT_ASSISTENTEN, KAT_AERZTE};
    // the league's level is asked for only by a club that employs someone: most computer clubs do not
    int64_t niveau = -1;
    for (int32_t b = 0; b < 2; ++b)
        for (int32_t s = 0; s < ASSI_SLOTS; ++s) {
            if (!blocks[b][s]) continue;
            if (niveau < 0) niveau = Wettbewerb_Get_Liga_Niveau(t);
            // a yearly cost beyond what a week can book is booked as the most, never wrapped into income
            const int64_t woche = int64_t(kosten(blocks[b], s)) * 1000 * niveau / 100 / 52;
            posten(kategorien[b], static_cast<int32_t>(std::clamp<int64_t>(woche, 0, INT32_MAX)), -1);
        }
}

void verlauf_eintragen(int32_t t, int32_t p)
{
    Manager_Zusatzspieler* z = Manager_Zusatzspieler_Array_Position(t, p);
    if (!z) {
        Print_Fehler("Team_Jeden_Tag: spnr nicht gefunden!");
        return;
    }
    int32_t v[SP_ATTRIBUTVEKTOR] = {};
    Spieler_Attribute(p, v, SP_ATTRIBUTE_LESEN);
    // the oldest value drops out at the start, the newest stands last
    for (int32_t k = 0; k < MANAGER_ATTRIBUTE; ++k) {
        std::memmove(z->verlauf[k], z->verlauf[k] + 1, sizeof(uint16_t) * (MANAGER_VERLAUF - 1));
        z->verlauf[k][MANAGER_VERLAUF - 1] = static_cast<uint16_t>(v[k]);
    }
}

// The day's injury throw from a source of draws (the generator, or a sequence a loop keeps):
// the risk's half-step, then one draw over the whole range, as every PC and savegame replays it:
// the wide range's product wraps, which the stored sequences expect.
template <typename Quelle>
bool verletzung_gewuerfelt(int32_t risiko, Quelle& quelle)
{
    const int32_t halb = quelle.Zufall(0, 100);
    const int32_t wurf = quelle.Zufall(0, (risiko + halb) / 2 * 35 + 85);
    return wurf == 0;
}

struct Generator {
    static int32_t Zufall(int32_t lo, int32_t hi) { return ::Zufall(lo, hi); }
};

// A player's day. The generator's state is current on entry and on return; `folge` draws the
// injury throw and is handed back at once.
void spieler_tag(int32_t t, int32_t p, bool verwaltet, bool wochentag, Zufall_Folge& folge)
{
    // every player of every club each day: a server reads his own figures straight from his
    // record, as Spieler_Wert reads them
    const Spieler_Struktur* s = !ist_client() && spieler_gueltig(p) ? &Spieler_Daten[p] : nullptr;
    const int32_t alter = s ? s->alter : Spieler_Wert(SP_ALTER, p, 0, SP_LESEN);
    const int32_t spiel = s ? s->spiel_erschoepfung : Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, p, 0, SP_LESEN);
    Spielfeld_Belastung_Pruefen(t, p, alter, spiel, 0);
    // the check draws once, mostly: the sequence goes on from there without a look-up
    folge.Nachfolgen();

    const int32_t robust = s ? s->unsichtbar[SP_ROBUSTHEIT - SP_FLANKEN] : Spieler_Wert(SP_ROBUSTHEIT, p, 0, SP_LESEN);
    const int32_t training = s ? s->trainings_erschoepfung : Spieler_Wert(SP_TRAININGS_ERSCHOEPFUNG, p, 0, SP_LESEN);
    const int32_t r = Team_Verletzungsrisiko(robust, spiel, training, alter);
    const bool verletzt = verletzung_gewuerfelt(r, folge);
    folge.Abgeben();
    if (verletzt) Spieler_Verletzen(t, p, false);

    int32_t tage = s ? s->verletzung_tage : Spieler_Wert(SP_VERLETZUNG_TAGE, p, 0, SP_LESEN);
    if (tage < 0) {
        Print_Fehler("Team_Jeden_Tag: dauer==NIX!");
        tage = 0;
    }
    if (tage > 0) {
        if (Teamspieler_Wert(307, t, p, 0, 0) != -1) {
            if (!verwaltet) Print_Fehler("Team_Jeden_Tag: Partner ohne Manager!");
            if (Teamspieler_Wert(317, t, p, 0, 0) & TS_ARZT) {
                int32_t versicherer = Teamspieler_Wert(307, t, p, 0, 0);
                if (versicherer < 0 || versicherer >= TEAM_VERSICHERER) versicherer = 0;
                const int32_t prozent = Zufall_Gross(Team_Versicherer_Tabelle[versicherer].mindestprozent, 100);
                const int32_t zahlung = Teamspieler_Wert(302, t, p, 0, 0) * prozent / 100;
                Schreibe_Überweisung(-1, t, static_cast<float>(zahlung), KAT_AUSZAHLUNG, 1, -1);
                Teamspieler_Wert(327, t, p, Teamspieler_Wert(327, t, p, 0, 0) + zahlung, 1);
                Teamspieler_Wert(328, t, p, Teamspieler_Wert(328, t, p, 0, 0) + 1, 1);
            } else {
                Print_Fehler("Team_Jeden_Tag: dauer!=0 && status==nicht verletzt!");
            }
        }
        Assistenten_Verarzte_Spieler(t, p, &tage);
        Team_Versicherungs_Check(t, p, tage, true);
    }
    if (wochentag && verwaltet) verlauf_eintragen(t, p);
}

void personal_monat(int32_t t, uint8_t* block, bool aerzte)
{
    for (int32_t s = 0; s < ASSI_SLOTS; ++s) {
        if (!block[s]) continue;
        uint8_t& monate = block[ASSI_OFFSET_MONATE + s];
        if (monate == 0) continue;
        --monate;
        const char* name = aerzte ? Aerzte_Tabelle[s].name : Assistenten_Tabelle[s].name;
        if (monate == 1) {
            melden(t, Temp_Sprintf(aerzte ? "Der Vertrag mit Ihrem Arzt %s wird in EINEM Monat auslaufen. Sie können "
                                            "sich also schonmal über einen Ersatz Gedanken machen..."
                                          : "Der Vertrag mit Ihrem Assistenten %s wird in EINEM Monat auslaufen. Sie "
                                            "können sich also schonmal über einen Ersatz Gedanken machen...",
                                   name));
        } else if (monate == 0) {
            block[s] = 0;
            melden(t, Temp_Sprintf(aerzte ? "Der Vertrag mit Ihrem Arzt %s ist soeben ausgelaufen. Einer "
                                            "Neuverpflichtung steht aber natürlich nichts im Wege..."
                                          : "Der Vertrag mit Ihrem Assistenten %s ist soeben ausgelaufen. Einer "
                                            "Neuverpflichtung steht aber natürlich nichts im Wege...",
                                   name));
        }
    }
}

void taktik_trainieren(int32_t t)
{
    Team_Own& o = T_Own[t];
    for (int32_t i = 0; i < 8; ++i) {
        const int32_t gewaehlt = static_cast<int8_t>(o.taktik[i]);
        for (int32_t j = 0; j < 3; ++j) {
            int32_t s = static_cast<int8_t>(o.taktik_einstellungen[i * 3 + j]);
            const int32_t probe = Zufall(0, 99);
            if (j == gewaehlt) {
                if (s < probe) {
                    const int32_t plus = Zufall_Gross(1, 3);
                    s = s + plus > 99 ? 99 : s + plus;
                }
            } else if (s > probe) {
                const int32_t minus = Zufall_Gross(0, 2);
                s -= minus;
                if (s < 5) s = 5;
            }
            o.taktik_einstellungen[i * 3 + j] = static_cast<uint8_t>(s);
        }
    }
}

}  // namespace

int32_t Team_Verletzungsrisiko(int32_t robustheit, int32_t spiel_erschoepfung, int32_t training_erschoepfung,
                               int32_t alter)
{
    const int32_t x = (3 * spiel_erschoepfung + 2 * training_erschoepfung) / 5;
    int32_t y = alter - 15;
    y = y < 0 ? 0 : y > 33 ? 33 : y;
    // 40 r + 45 (100 - x) + 15 (100 - 3 y), gathered
    return (40 * robustheit + 6000 - 45 * (x + y)) / 100;
}

bool Team_Verletzung_Gewuerfelt(int32_t risiko)
{
    Generator generator;
    return verletzung_gewuerfelt(risiko, generator);
}

void Team_Tageswechsel_Reset()
{
    if (ist_client()) return;
    ++Team_Aenderungszaehler;
}

void Team_Jeden_Tag()
{
    client_melden("Team_Jeden_Tag");
    if (!T) return;
    const int32_t heute = Kalender_Get_Heute();
    std::memset(Team_Liga_Anzahl, 0, sizeof Team_Liga_Anzahl);
    // column 5 is not an average: it keeps each league's training target
    for (auto& liga : Team_Liga_Staerke)
        for (auto& zeile : liga)
            for (int32_t s = 0; s < 5; ++s) zeile[s] = 0;
    int32_t kader[KADER_LISTE];
    TS* records[KADER_LISTE];
    // a server gathers the link records with the squad, for the strength below
    const bool direkt = !ist_client();
    // the players' injury throws: the sequence kept from one to the next, handed back after each
    Zufall_Folge folge;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 0)) continue;
        // a server reads a club's league and morale in place, as Team_Wert answers them
        const bool vor_ort = direkt && T_Fix && T_Own && t != Transfermarkt_Team && t != Jugend_Team;
        const int32_t liga = vor_ort ? T_Fix[t].liga : Team_Wert(TEAM_LIGA_FEST, t, 0, TEAM_LESEN);
        const bool verwaltet = Team_Hat_Manager(t);
        int32_t n = Teamspieler_Kader(t, kader, direkt ? records : nullptr, KADER_LISTE, 0);
        // a list of KADER_LISTE - 1 items or more may have been cut short
        const bool ganz = direkt && n < KADER_LISTE - 1;
        if (n > KADER_LISTE) n = KADER_LISTE;
        // the squad's records asked for at once, for its strength and then each player's day
        for (int32_t i = 0; i < n; ++i)
            if (spieler_gueltig(kader[i])) spieler_vorab_laden(kader[i]);
        if (liga >= 0 && liga < TEAM_LIGEN) {
            ++Team_Liga_Anzahl[liga];
            int32_t m[5][6] = {};
            // the squad at hand is the whole list: its strength needs no second walk
            if (ganz) Team_Staerke_Kader(kader, records, n, m);
            else Team_Staerke(255, 0, t, m);
            // columns 0-3 of a row at once, then column 4
            using Vier = int32_t __attribute__((vector_size(16)));
            for (int32_t z = 0; z < 5; ++z) {
                Vier summe, dazu;
                std::memcpy(&summe, Team_Liga_Staerke[liga][z], sizeof summe);
                std::memcpy(&dazu, m[z], sizeof dazu);
                summe += dazu;
                std::memcpy(Team_Liga_Staerke[liga][z], &summe, sizeof summe);
                Team_Liga_Staerke[liga][z][4] += m[z][4];
            }
            Team_Liga_Staerke[liga][4][4] += (m[4][0] + m[4][1] + m[4][2]) / 3 - m[4][4];
        }
        for (int32_t i = 0; i < n; ++i) spieler_tag(t, kader[i], verwaltet, heute % 7 == 0, folge);
        if (verwaltet) {
            Werbung_Jeden_Tag(t);
            Trainingslager_Jeden_Tag(t);
        }
        const int32_t bewegt = Zufall_Gross(0, 1);
        if (bewegt) {
            int32_t v = vor_ort ? T_Own[t].moral : Team_Wert(TEAM_MORAL, t, 0, TEAM_LESEN);
            if (v <= 45) {
                const int32_t plus = Zufall_Gross(1, (45 - v) / 15 + 1);
                v += plus;
            } else if (v >= 55) {
                const int32_t minus = Zufall_Gross(1, (100 - v) / 15 + 1);
                v -= minus;
            }
            T_Own[t].moral = static_cast<int8_t>(v < 0 ? 0 : v > 100 ? 100 : v);
        }
        const int32_t flag = Zufall_Gross(0, 4);
        if (flag == 0) Team_Wert(TEAM_FLAGS, t, 64, TEAM_SETZEN);
    }
    for (int32_t l = 0; l < TEAM_LIGEN; ++l)
        if (Team_Liga_Anzahl[l] > 0)
            for (int32_t z = 0; z < 5; ++z)
                for (int32_t s = 0; s < 5; ++s) Team_Liga_Staerke[l][z][s] /= Team_Liga_Anzahl[l];
    Team_Tageswechsel_Reset();
}

void Team_Versicherungs_Check(int32_t t, int32_t p, int32_t tage, bool als_news)
{
    if (!team_gueltig(t) || !spieler_gueltig(p)) {
        Print_Fehler("Team_Versicherungs_Check: team/spnr falsch!");
        return;
    }
    Spieler_Wert(SP_VERLETZUNG_TAGE, p, tage, SP_SCHREIBEN);
    if (tage != 0) return;
    const char* name = spieler_name(p);
    const int32_t art = Spieler_Wert(SP_VERLETZUNG_ART, p, 0, SP_LESEN);
    const int32_t versicherer = Teamspieler_Wert(307, t, p, 0, 0);
    const char* text;
    if (versicherer < 0 || versicherer >= TEAM_VERSICHERER) {
        text = Temp_Sprintf("Spieler %s hat seine Verletzung (%s) auskuriert.", name, Spieler_Verletzung_Name(art));
    } else {
        int32_t d = Teamspieler_Wert(328, t, p, 0, 0);
        if (d < 1) d = 1;
        int32_t s = Teamspieler_Wert(302, t, p, 0, 0);
        if (s == 0) Print_Fehler("Team_Versicherungs_Check: Versicherungsbetrag==0!");
        if (s < 1) s = 1;
        const int32_t gezahlt = Teamspieler_Wert(327, t, p, 0, 0);
        text = Temp_Sprintf("Spieler %s hat seine %d %s dauernde Verletzung auskuriert. Die Versicherung %s zahlte ca. "
                            "%s (%s pro Tag), das sind %d Prozent der Vertragssumme.",
                            name, d, tage_wort(d), Team_Versicherer_Tabelle[versicherer].name,
                            Bank_Betrag_String(static_cast<float>(gezahlt), t, -1, 0),
                            Bank_Betrag_String(static_cast<float>(gezahlt / d), t, -1, 0),
                            static_cast<int32_t>(int64_t(gezahlt / d) * 100 / s));
        Teamspieler_Wert(327, t, p, 0, 1);
        Teamspieler_Wert(328, t, p, 0, 1);
    }
    const int32_t gespart = Spieler_Wert(SP_VERLETZUNG_ZUSATZ, p, 0, SP_LESEN);
    if (gespart > 0) {
        const int32_t faktor = Zufall_Gross(80, 120);
        int32_t n = gespart * faktor / 100;
        if (n < 1) n = 1;
        text = Temp_Sprintf("%s Durch vorbildlichen Einsatz Ihres Ärzteteams konnte die Verletzungsdauer um ca. %d %s "
                            "verringert werden.",
                            text, n, tage_wort(n));
    }
    if (als_news) melden(t, text);
    else if (mensch(t)) Team_Requester(0, t, "%s", text);
    Teamspieler_Wert(317, t, p, static_cast<int32_t>(TS_ARZT), 4);
    Spieler_Wert(SP_VERLETZUNG_ZUSATZ, p, 0, SP_SCHREIBEN);
    Spieler_Wert(SP_VERLETZUNG_ART, p, 0, SP_SCHREIBEN);
}

void Team_Jede_Woche()
{
    client_melden("Team_Jede_Woche");
    if (!T) return;
    // The week counter is the number of this week since the game's first day, not a count of the
    // program's own runs, so that a loaded game goes on exactly as the uninterrupted one.
    const int32_t wochen_zaehler = std::max(Kalender_Get_Heute() / 7, 1);
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        if (!Team_Ist_Normal(t, 0)) continue;
        Assis_Setze_Training(t);
        int32_t kader[KADER_LISTE];
        int32_t n = Teamspieler_Ins_Array(t, kader, KADER_LISTE, 0);
        if (n > KADER_LISTE) n = KADER_LISTE;
        for (int32_t i = 0; i < n; ++i) Spieler_Bewerte_Spiel_Erschoepfung(kader[i]);
        // the week's outgoings gathered, then booked in their order
        Bank_Posten posten[2 * KADER_LISTE + 2 * ASSI_SLOTS];
        int32_t anzahl = 0;
        wochen_posten(t, [&](uint8_t kategorie, int32_t betrag, int32_t) {
            posten[anzahl++] = {static_cast<float>(betrag), kategorie};
        });
        Schreibe_Zahlungen(t, posten, anzahl);
        if (Assistent_Mit_Aufgabe(t, ASSI_AUFGABE_TRANSFER) != -1 && t % 8 == wochen_zaehler % 8)
            Team_Wert(TEAM_FLAGS, t, 1 | 4 | 32 | 64, TEAM_SETZEN);
        if (Assistent_Mit_Aufgabe(t, 1) != -1 && t % 11 == wochen_zaehler % 11) Assis_Setze_Basis_Taktik(t);
        taktik_trainieren(t);
    }
}

void Team_Jeden_Monat()
{
    client_melden("Team_Jeden_Monat");
    if (!T) return;
    for (int32_t t = 0; t < Team_Anzahl; ++t) {
        Werbung_Jeden_Monat(t);
        personal_monat(t, T_Own[t].assistenten, false);
        personal_monat(t, T_Own[t].aerzte, true);
    }
}

int32_t Team_Get_Wochenausgaben(int32_t t, int32_t kategorie)
{
    if (!Team_Ist_Normal(t, 0)) return 0;
    int32_t summe = 0;
    wochen_posten(
        t,
        [&](uint8_t k, int32_t betrag, int32_t) {
            if (k == kategorie) summe += betrag;
        },
        std::max(kategorie, 0));
    return summe;
}
