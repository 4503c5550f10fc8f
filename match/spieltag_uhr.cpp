// The match day's clock: one shared minute for every game, the ends of halves, kick-offs of the
// next half and the run-out after the last game.
#include <algorithm>
#include <map>
#include <utility>

#include "competitions/spiele.h"
#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "gameflow/ablauf.h"
#include "gameflow/globals.h"
#include "match/pitch/spielfeld_standard.h"
#include "match/spielfeld.h"
#include "match/spieltag.h"
#include "match/spieltag_intern.h"
#include "matchview/spielansicht.h"
#include "platform/os/os.h"
#include "platform/print.h"
#include "platform/zufall.h"

void spieltag_spiel_aus(const Spieltag_Eintrag& e, uint32_t i)
{
    e.zustand(i) = SPIELTAG_AUS;
    const int32_t g = e.spiel(i);
    const Spielfeld_Record* r = Spielfeld_Get_Spiel(g);
    const Spiele_Spiel* m = Spiele_Get_Spiel(g, 1);
    if (m && r && !r->aktiv) {
        const int32_t heim = m->heim, gast = m->gast;
        Spielfeld_Nach_Spiel_Seite(heim);
        Spielfeld_Nach_Spiel_Seite(gast);
    }
    Spielfeld_Spiel_Beenden(g);
}

namespace {

// Minutes worked out in one frame once the player left the overview: a day with extra time and
// a shoot-out has fewer.
constexpr int32_t SOFORT_MINUTEN = 400;

// Whether a half follows half h at all (a half without an end minute would never end).
bool halbzeit_hat_ende(int32_t wettbewerb, int32_t h)
{
    return Wettbewerb_Get_Halbzeit_Ende(wettbewerb, 0x7FFF, h) > 0;
}

// A game followed live on this PC plays its stoppage time.
bool live_verfolgt(const Spielfeld_Record* r) { return r && r->aktiv && (Netz_Rolle != 0 || r->gezeichnet); }

// In network play each game on the pitch keeps its own stoppage time per half, drawn on the
// game's own sequence inside the frame step. Every PC that plays the game on its pitch then ends
// its halves at the same minute; one memo for the whole competition, drawn on whichever PC's
// sequence came first, let a client's half outlast the server's.
std::map<std::pair<int32_t, int32_t>, int32_t> nachspielzeit;

bool halbzeit_auf_dem_platz(const Spielfeld_Record* r) { return r && r->aktiv && !Ablauf_Allein(); }

// Whether the main loop takes the break between halves (the dressing room) and kicks off the
// next itself. A networked PC kicks off at once, in step with its peers; so does a lone game
// that nobody watches live, or whose loop is not running the match.
bool pause_hier()
{
    if (Netz_Rolle == 0) return true;
    return Ablauf_Allein() && Ablauf_Zustand == ABLAUF_SPIEL_LAEUFT && Spielfeld_Ansicht_Geladen();
}

// Nobody sees the match day go by: headless, the script holds its input until the day's screens
// are gone, nobody is connected and no game plays on the pitch. Then nothing but the minutes
// counts, and a minute passes in one frame (the run-out after the last game in one too): its
// frames would only redraw a screen that nobody sees, and nothing drawn of it outlasts the day.
bool ungesehen()
{
    if (!Os_Headless() || !Os_Script_Laesst_Laufen() || !Ablauf_Allein() || Spielfeld_Ansicht_Geladen() ||
        !Spielfeld_Ist_Initialisiert())
        return false;
    for (const Liste_Element* e = Spielfeld_Liste.next; e; e = e->next) {
        const auto* r = static_cast<const Spielfeld_Record*>(e->data);
        if (r && r->aktiv && !r->abgeschlossen) return false;
    }
    return true;
}

// Whether a record of the day plays on the pitch: every game's record is one of the list's, so
// without one no game needs to be asked for its own.
bool einer_auf_dem_platz()
{
    if (!Spielfeld_Ist_Initialisiert()) return false;
    for (const Liste_Element* e = Spielfeld_Liste.next; e; e = e->next) {
        const auto* r = static_cast<const Spielfeld_Record*>(e->data);
        if (r && r->aktiv) return true;
    }
    return false;
}

// A lone manager waits only for other clubs' results: no game of his clubs and none on the pitch
// still plays (he has none today, or has seen them through).
bool andere_allein()
{
    if (!Ablauf_Allein()) return false;
    const bool platz = einer_auf_dem_platz();
    for (Liste_Element* knoten = Spieltag_Wettbewerbe.next; knoten; knoten = knoten->next) {
        const Spieltag_Eintrag e = spieltag_eintrag(knoten);
        for (uint32_t i = 0; i < e.n; ++i) {
            if (e.zustand(i) == SPIELTAG_AUS) continue;
            if (platz) {
                const Spielfeld_Record* r = Spielfeld_Get_Spiel(e.spiel(i));
                if (r && r->aktiv) return false;
            }
            const Spiele_Spiel* m = Spiele_Get_Spiel(e.spiel(i), 1);
            if (m && (Team_Hat_Manager(m->heim) || Team_Hat_Manager(m->gast))) return false;
        }
    }
    return true;
}

// Games end, and a view is opened or closed, as the minutes pass: the answer above is worked out
// on a minute's first frame and holds for its others (the day's walk on every frame doubled the
// cost of a background game's minute).
int32_t andere_allein_minute = -1;
bool andere_allein_wert = false;

bool andere_allein_diese_minute()
{
    if (andere_allein_minute != Spieltag_Uhr.minute) {
        andere_allein_wert = andere_allein();
        andere_allein_minute = Spieltag_Uhr.minute;
    }
    return andere_allein_wert;
}

// Then the other games come a minute a frame, unless he took to the overview to follow them;
// their draws are the same however many frames a minute lasts.
bool nur_ergebnisse()
{
    return Spieltag_Rest_Eilt && !(Spielansicht_Offen && Spielansicht_Eingabe) && andere_allein_diese_minute();
}

bool spieltag_frame(uint8_t flag);

}  // namespace

bool Spieltag_Rest_Eilt = true;

bool Spieltag_Nur_Andere_Spielen() { return spieltag_laeuft() && andere_allein_diese_minute(); }

bool Spieltag_Run(uint8_t flag)
{
    int32_t antwort = 0;
    if (spieltag_gemeldet("Spieltag_Run", &antwort)) return antwort != 0;
    if (!spieltag_laeuft()) return false;
    bool weiter = spieltag_frame(flag);
    // Left through "Ende" while only other clubs' games still played: their results are worked out
    // at once, up to the day's end or a break between halves.
    const int32_t zustand = Ablauf_Zustand;
    for (int32_t i = 0; i < SOFORT_MINUTEN && weiter && Spielfeld_Steuerung.uebersicht_verlassen && Ablauf_Zustand == zustand &&
                        andere_allein_diese_minute();
         ++i)
        weiter = spieltag_frame(flag);
    return weiter;
}

namespace {

bool spieltag_frame(uint8_t flag)
{
    uint8_t stopp = 0;
    if (Spieltag_Uhr.vorlauf != 0) {
        if (Spieltag_Uhr.vorlauf < 0) return false;
        const float x = Spielfeld_Run(Spieltag_Uhr.minute, 0, 1, 0, &stopp, flag);
        Spieltag_Uhr.vorlauf -= int32_t(x);
        // The run-out only shows the final scores: nobody to show them to, the day is over.
        if (Spieltag_Uhr.vorlauf <= 0 || (x > 0 && ungesehen())) {
            Spieltag_Uhr.vorlauf = 0;
            return false;
        }
        return true;
    }
    const float x = Spielfeld_Run(Spieltag_Uhr.minute, 0, 1, 0, &stopp, flag);
    if (x >= 0) Spieltag_Uhr.bruchteil -= x;
    if (stopp || (x > 0 && (ungesehen() || nur_ergebnisse()))) Spieltag_Uhr.bruchteil = 0;
    if (x == -1.0f || Spieltag_Uhr.bruchteil > 0.001f) return true;

    // A new minute.
    andere_allein_minute = -1;
    Spieltag_Uhr.bruchteil = float(Spielgeschwindigkeit);
    if (!stopp) ++Spieltag_Uhr.minute;
    bool spielt_noch = false, halbzeit_vorbei = false;
    for (Liste_Element* knoten = Spieltag_Wettbewerbe.next; knoten; knoten = knoten->next) {
        const Spieltag_Eintrag e = spieltag_eintrag(knoten);
        if (!e || !e.n) continue;
        const int32_t c = e.wettbewerb;
        const int32_t h = int32_t(e.halbzeit());
        if (!Spiele_Get_Spiel(e.spiel(0), 1)) {
            Print_Fehler("Spieltag_Run: sp==NULL!");
            continue;
        }
        const bool golden = Wettbewerb_Ist_Sudden_Death(c, h);
        bool ende_gesehen = false, eintrag_spielt = false;
        // the games off the pitch share the day's minute and so the end of their half
        bool uhr_ende_bekannt = false;
        int32_t uhr_ende = -1;
        for (uint32_t i = 0; i < e.n; ++i) {
            const int32_t g = e.spiel(i);
            Spielfeld_Record* r = Spielfeld_Get_Spiel(g);
            if (Netz_Rolle == 1 && !r) continue;
            Spiele_Spiel* m = Spiele_Get_Spiel(g, 1);
            if (!m) continue;
            int32_t minute, ende;
            bool fertig;
            if (r && r->aktiv) {
                minute = r->minute;
                m->minute = uint8_t(minute);
                ende = Wettbewerb_Get_Halbzeit_Ende(c, minute, h);
                fertig = r->spielende == 2 && r->situation == 5;
            } else {
                minute = Spieltag_Uhr.minute;
                m->minute = uint8_t(minute);
                if (r) r->minute = uint16_t(minute);
                if (!uhr_ende_bekannt) {
                    uhr_ende = Wettbewerb_Get_Halbzeit_Ende(c, minute, h);
                    uhr_ende_bekannt = true;
                }
                ende = uhr_ende;
                fertig = ende != -1;
            }
            if (e.zustand(i) == SPIELTAG_SPIELT && (ende != -1 || fertig)) {
                // In network play a game on the pitch ends its halves there.
                const int32_t res = halbzeit_auf_dem_platz(r) && !fertig
                                        ? 0
                                        : Wettbewerb_Halbzeit_Ende_Pruefen(c, minute, h, fertig, !live_verfolgt(r));
                if (res != 0) {
                    ende_gesehen = true;
                    if (r && !fertig) Spielfeld_Halbzeit_Beenden(g);
                    const int32_t runde = m->runde, slot = m->slot;
                    if (res == 2 && Wettbewerb_Get_Paarung_Sieger(c, runde, slot, -1) != -1) {
                        spieltag_spiel_aus(e, i);
                    } else if (Wettbewerb_Get_Halbzeiten(c, runde) > h + 1) {
                        e.zustand(i) = SPIELTAG_HALBZEIT;
                        if (res == 2) Spiele_Get_Spiel(g, 1)->ergebnis_art |= SPIELE_ART_NV;
                    } else {
                        spieltag_spiel_aus(e, i);
                    }
                }
            } else if (e.zustand(i) == SPIELTAG_ELFMETER) {
                // The pitch shows each kick; a background shoot-out takes one kick a minute.
                const bool kick_laeuft = r && r->aktiv && !Spielfeld_Elfmeterschiessen_Wartet(g);
                if (!kick_laeuft && Spieltag_Elfmeterschiessen_Schritt(g)) {
                    spieltag_spiel_aus(e, i);
                    Spielfeld_Halbzeit_Beenden(g);
                }
            }
            if (e.zustand(i) == SPIELTAG_SPIELT) {
                eintrag_spielt = true;
                spielt_noch = true;
                if (spieltag_ereignisse_ziehen(e, i, golden, m, r)) spieltag_spiel_aus(e, i);
            }
        }
        if (ende_gesehen && !eintrag_spielt) halbzeit_vorbei = true;
    }

    bool weiter = spielt_noch;
    if (!spielt_noch && halbzeit_vorbei) {
        if (!pause_hier()) {
            if (Spieltag_Naechste_Halbzeit_Anpfeifen()) weiter = true;
        } else if (Spieltag_Halbzeit_Wartet()) {
            Ablauf_Spieltag_Abbrechen();
            weiter = true;
        }
    }
    // A shoot-out still running keeps the day going too.
    if (!weiter)
        for (Liste_Element* knoten = Spieltag_Wettbewerbe.next; knoten && !weiter; knoten = knoten->next) {
            const Spieltag_Eintrag e = spieltag_eintrag(knoten);
            for (uint32_t i = 0; i < e.n; ++i)
                if (e.zustand(i) != SPIELTAG_AUS && (Netz_Rolle != 1 || Spielfeld_Get_Spiel(e.spiel(i)))) weiter = true;
        }
    if (!weiter && Netz_Rolle != 1) {
        Spieltag_Uhr.vorlauf = SPIELTAG_AUSLAUF;
        Spielfeld_Spieltag_Beendet_Setzen();
    }
    return true;
}

}  // namespace

bool Spieltag_Naechste_Halbzeit_Anpfeifen()
{
    int32_t antwort = 0;
    if (spieltag_gemeldet("Spieltag_Naechste_Halbzeit_Anpfeifen", &antwort)) return antwort != 0;
    if (!spieltag_laeuft()) return false;
    andere_allein_minute = -1;
    bool wartete = false, gezeigt_angepfiffen = false;
    for (Liste_Element* knoten = Spieltag_Wettbewerbe.next; knoten; knoten = knoten->next) {
        const Spieltag_Eintrag e = spieltag_eintrag(knoten);
        if (!e) continue;
        const int32_t c = e.wettbewerb;
        const int32_t h = int32_t(e.halbzeit());
        for (uint32_t i = 0; i < e.n; ++i) {
            const int32_t g = e.spiel(i);
            Spielfeld_Record* r = Spielfeld_Get_Spiel(g);
            Spiele_Spiel* m = Spiele_Get_Spiel(g, 1);
            spieltag_cursor_setzen(knoten, i);
            if (e.zustand(i) == SPIELTAG_HALBZEIT && m && (Netz_Rolle != 1 || r)) {
                wartete = true;
                const int32_t minute = r && r->aktiv ? int32_t(r->minute) : int32_t(m->minute);
                const int32_t ende = Wettbewerb_Get_Halbzeit_Ende(c, minute, h);
                const int32_t runde = m->runde, slot = m->slot;
                if (!Wettbewerb_Elfmeterschiessen_Noetig(c, runde, slot, h)) {
                    if (!halbzeit_hat_ende(c, h + 1)) {
                        spieltag_spiel_aus(e, i);
                    } else {
                        e.zustand(i) = SPIELTAG_SPIELT;
                        const int32_t anpfiff = std::max(ende, 0);
                        Spiele_Set_Minute(g, anpfiff);
                        Spieltag_Uhr.bruchteil = 1.0f;
                        Spieltag_Uhr.minute = anpfiff;
                        if (r) {
                            r->minute = uint16_t(anpfiff);
                            r->sekunden = 0;
                            if (r->anzeige == 1) gezeigt_angepfiffen = true;
                        }
                        Spielfeld_Anpfiff(g, 1);
                    }
                } else {
                    Spiele_Get_Spiel(g, 1)->ergebnis_art |= SPIELE_ART_NE;
                    Spieltag_Elfmeterschiessen_Starten(g);
                }
            } else if (m && r && !r->aktiv) {
                Spielfeld_Spiel_Beenden(g);
            }
            Spielfeld_Halbzeit_Zaehlen(g);
        }
        ++e.halbzeit();
    }
    // The view windows go to the live games that still run.
    if (!gezeigt_angepfiffen && Spielfeld_Ansicht_Geladen()) {
        int32_t gezeigt[SPIELFELD_MAX_SPIELE];
        const int32_t n = Spielfeld_Get_Angezeigte_Spiele(gezeigt, SPIELFELD_MAX_SPIELE, false);
        for (Liste_Element* knoten = Spieltag_Wettbewerbe.next; knoten; knoten = knoten->next) {
            const Spieltag_Eintrag e = spieltag_eintrag(knoten);
            for (uint32_t i = 0; i < e.n; ++i) {
                if (e.zustand(i) != SPIELTAG_SPIELT && e.zustand(i) != SPIELTAG_ELFMETER) continue;
                const bool drin = std::find(gezeigt, gezeigt + n, e.spiel(i)) != gezeigt + n;
                Spielfeld_Set_Anzeige(e.spiel(i), drin ? 1 : 0);
            }
        }
    }
    return wartete;
}

bool Spieltag_Halbzeit_Wartet()
{
    if (!spieltag_laeuft()) return false;
    bool wartet = false;
    for (Liste_Element* knoten = Spieltag_Wettbewerbe.next; knoten; knoten = knoten->next) {
        const Spieltag_Eintrag e = spieltag_eintrag(knoten);
        for (uint32_t i = 0; i < e.n; ++i) {
            const int32_t g = e.spiel(i);
            const Spielfeld_Record* r = Spielfeld_Get_Spiel(g);
            if (e.zustand(i) == SPIELTAG_HALBZEIT) {
                if (Netz_Rolle != 1 || r) wartet = true;
            } else if (r && !r->aktiv && Spiele_Get_Spiel(g, 1)) {
                Spielfeld_Spiel_Beenden(g);
            }
        }
    }
    return wartet;
}

bool Spieltag_Halbzeit_Auf_Dem_Platz_Pruefen(Spielfeld_Record* r)
{
    if (!r || !r->aktiv) return false;
    const int32_t g = int32_t(r->spiel);
    if (!Spiele_Get_Spiel(g, 1)) return true;
    Spieltag_Eintrag e;
    uint32_t i = 0;
    if (!spieltag_spiel_finden(g, &e, &i)) return true;
    const int32_t c = e.wettbewerb, h = int32_t(e.halbzeit());
    const int32_t minute = r->minute;
    const int32_t ende = Wettbewerb_Get_Halbzeit_Ende(c, minute, h);
    if (r->spielende == 2) return true;
    if (ende != -1 && minute - int32_t(r->pfiffe) + 1 >= ende) r->spielende = 1;
    if (ende == -1 && r->spielende == 1) return false;
    if (halbzeit_auf_dem_platz(r)) {
        if (ende <= 0) return false;
        auto [it, neu] = nachspielzeit.try_emplace({g, h}, 0);
        if (neu) {
            const int32_t z = Zufall(0, 5);
            it->second = z;
        }
        if (minute < ende + it->second) return false;
        Spielfeld_Halbzeit_Beenden(g);
        return true;
    }
    if (Wettbewerb_Halbzeit_Ende_Pruefen(c, minute, h, 0, 0) != 0) {
        Spielfeld_Halbzeit_Beenden(g);
        return true;
    }
    return false;
}

void spieltag_nachspielzeit_vergessen()
{
    nachspielzeit.clear();
    andere_allein_minute = -1;
}
