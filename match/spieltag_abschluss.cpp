// Closing the match day: the results booked game by game, the clubs' mood, bonuses, prizes and
// shares, the next line-ups, and the results pages.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "competitions/spiele.h"
#include "competitions/spiele_ewig.h"
#include "competitions/spiele_karten.h"
#include "competitions/spiele_tabelle.h"
#include "competitions/wettbewerb.h"
#include "database/assi_aufstellung.h"
#include "database/assistent.h"
#include "database/team.h"
#include "database/team_staerke.h"
#include "economy/bank.h"
#include "economy/stadion.h"
#include "economy/werbung.h"
#include "gameflow/globals.h"
#include "match/spielfeld.h"
#include "match/spieltag.h"
#include "match/spieltag_intern.h"
#include "matchview/spieltagbericht.h"
#include "platform/print.h"
#include "platform/zufall.h"
#include "screens/spieler_einsetzen.h"

namespace {

constexpr int32_t PRAEMIE_SIEG = 7;
constexpr int32_t PRAEMIE_UNENTSCHIEDEN = 6;
constexpr int32_t AKTIEN_SCHWELLE = 30;

int32_t tore(int8_t t) { return t < 0 ? 0 : t; }

const char* name(int32_t team) { return Team_String(TEAM_NAME, team, nullptr, TEAM_LESEN); }

void aufstellen(int32_t team)
{
    if (team == int32_t(Handelndes_Team)) {
        Assi_Mannschaftsaufstellung(team, -1, 2, Spieler_Einsetzen_Get_Modus(team), 50, -1, false);
    } else {
        // both sets back to back: the second's squad planning may follow the first's
        const Assi_Aufstellung_Reihe reihe;
        Assi_Mannschaftsaufstellung(team, -1, 2, 0, 50, -1, false);
        Assi_Mannschaftsaufstellung(team, -1, 2, 1, 50, -1, false);
    }
    Assi_Spieltag_Taktik_Uebernehmen(team);
}

// The bonus competition of a club pays its players' bonus.
void praemie(int32_t team, int32_t wettbewerb, int32_t art)
{
    if (Team_Wert(TEAM_LIGA_FEST, team, 0, TEAM_LESEN) == wettbewerb) Team_Schuette_Praemie_Aus(team, art);
}

}  // namespace

void Spieltag_Pressebericht(const Spiele_Spiel* sp)
{
    if (!sp) return;
    const Spiele_Spiel m = *sp;
    const int32_t heim = m.heim, gast = m.gast;
    if (heim >= Team_Anzahl || gast >= Team_Anzahl) return;
    const int32_t sh = Team_Spieler_Summen_Staerke(heim, 89, 0), sa = Team_Spieler_Summen_Staerke(gast, 89, 0);
    const int32_t hg = tore(m.heim_tore), ag = tore(int8_t(m.gast_tore));
    const int32_t dh = (hg - ag) + (sa > sh) + (sa - 100 > sh);
    const int32_t da = (ag - hg) + (sh - 30 > sa) + (sh - 130 > sa);
    const int32_t zuschauer = int32_t(m.zuschauer);

    int32_t v = Team_Wert(TEAM_MORAL, heim, 0, TEAM_LESEN) + 4 * dh;
    if (hg > ag) {
        const int32_t plus = Zufall(0, 2);
        v += plus;
        Werbung_Fanartikel_Verkauf(1, heim, zuschauer);
    } else if (ag > hg) {
        const int32_t minus = Zufall(0, 7);
        v -= minus;
        Werbung_Fanartikel_Verkauf(1, gast, 0);
    } else {
        Werbung_Fanartikel_Verkauf(0, heim, zuschauer);
        Werbung_Fanartikel_Verkauf(0, gast, 0);
    }
    Team_Wert(TEAM_MORAL, heim, std::clamp(v, 0, 99), TEAM_SCHREIBEN);

    v = Team_Wert(TEAM_MORAL, gast, 0, TEAM_LESEN) + 4 * da;
    if (ag > hg) {
        const int32_t plus = Zufall(0, 7);
        v += plus;
    } else if (hg > ag) {
        const int32_t minus = Zufall(0, 2);
        v -= minus;
    }
    Team_Wert(TEAM_MORAL, gast, std::clamp(v, 0, 99), TEAM_SCHREIBEN);

    const int32_t g = std::abs(hg - ag);
    int32_t schwach = -1;
    if (ag >= hg + 3 && sa < 30 * g + sh - 170) schwach = heim;
    if (hg >= ag + 3 && sh < 30 * g + sa - 220) schwach = gast;
    if (schwach >= 0) {
        char text[256];
        std::snprintf(text, sizeof text, "Presse, Funk und Fernsehen berichten ausführlich über die schwache Leistung von %s.",
                      name(schwach));
        spieltag_meldung(schwach, 5, text);
    }
}

void Spieltag_Weiterschalten()
{
    int32_t antwort = 0;
    if (spieltag_gemeldet("Spieltag_Weiterschalten", &antwort)) return;
    if (Netz_Rolle == 1) Print_Fehler("Cl: Spieltag Weiterschalten");
    if (!spieltag_laeuft()) return;
    Spielfeld_Ansicht_Freigeben();
    Spielfeld_Nach_Spiel_Auswerten();
    Spielfeld_DeInit();

    for (Liste_Element* knoten = Spieltag_Wettbewerbe.next; knoten; knoten = knoten->next) {
        const Spieltag_Eintrag e = spieltag_eintrag(knoten);
        const int32_t c = e.wettbewerb;
        for (uint32_t i = 0; i < e.n; ++i) {
            const int32_t g = e.spiel(i);
            if (!Spiele_Get_Spiel(g, 1)) continue;
            Spiele_Ereignis_Speicher_Packen(g);
            Stadion_Rekord_Ergebnis(Spiele_Get_Spiel(g, 1));
            Spiele_Set_Nachspiel_Statistik(g);
            Spieltag_Pressebericht(Spiele_Get_Spiel(g, 1));
            const Spiele_Spiel m = *Spiele_Get_Spiel(g, 1);
            const int32_t heim = m.heim, gast = m.gast;
            const int32_t hg = tore(m.heim_tore), ag = tore(int8_t(m.gast_tore));

            const int32_t liga = Wettbewerb_Get_Team_Wettbewerb(heim, 1);
            if (liga >= 0) Spiele_Setze_Sperren_Spieler_Vor_Spiel(liga, heim, 0);
            Stadion_Fanstimmung_Setzen(heim, 50 + 4 * (hg - ag));

            if (hg != ag) {
                const int32_t sieger = hg > ag ? heim : gast, verlierer = hg > ag ? gast : heim;
                praemie(sieger, c, PRAEMIE_SIEG);
                Wettbewerb_Zahle_Punkt_U(c, sieger, 1);
                if (Wettbewerb_Get_Spieltag_Gesamt(c, -1) > AKTIEN_SCHWELLE) {
                    Bank_Aktie_Liga_Nach_Spiel(sieger, 1);
                    Bank_Aktie_Liga_Nach_Spiel(verlierer, 2);
                }
            } else {
                for (int32_t t : {heim, gast}) {
                    praemie(t, c, PRAEMIE_UNENTSCHIEDEN);
                    Wettbewerb_Zahle_Punkt_U(c, t, 0);
                }
            }
            aufstellen(heim);
            aufstellen(gast);
            Print_Log(0, " %20s - %20s  %s\n", name(heim), name(gast), Spiele_Get_Ergebnis_Text(g, 1));
        }
        if (!Stand_Alone_Server) Spieltagbericht_Ergebnisse_Zeigen(c);
    }
    for (Liste_Element* knoten = Spieltag_Wettbewerbe.next; knoten; knoten = knoten->next)
        Wettbewerb_Spiele_Beendet(int32_t(knoten->key));
}
