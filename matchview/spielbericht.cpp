#include "matchview/spielbericht.h"

#include <algorithm>

#include "gameflow/ablauf.h"
#include "gameflow/globals.h"
#include "gameflow/highscore.h"
#include "match/pitch/spielfeld_ereignis.h"
#include "match/spielfeld.h"
#include "matchview/lineup/aufstellung.h"
#include "matchview/lineup/motivation.h"
#include "matchview/lineup/screen.h"
#include "matchview/spielszenen.h"
#include "network/netz.h"
#include "platform/os/os.h"
#include "platform/win95.h"
#include "toolkit/optionen.h"

namespace {

constexpr int32_t LISTE_MAX = 20;
// The wait for a released mouse button ends at the latest after this many 10-ms naps.
constexpr int32_t LOSLASSEN_GRENZE = 3000;

Spielbericht_Hook hook = nullptr;

struct Ablauf {
    Spielfeld_Record* liste[LISTE_MAX] = {};
    int32_t anzahl = 0, naechster = 0;
    bool vor_spiel = false, halbzeit = false, nach_spiel = false;
} ablauf;

int32_t melden(const char* aufruf, int32_t neutral) { return hook ? hook(aufruf) : neutral; }

void liste_fuellen()
{
    int32_t spiele[LISTE_MAX];
    const int32_t n = std::clamp(Spielfeld_Get_Angezeigte_Spiele(spiele, LISTE_MAX, false), 0, LISTE_MAX);
    ablauf.anzahl = 0;
    for (int32_t i = 0; i < n; ++i)
        if (Spielfeld_Record* r = Spielfeld_Get_Spiel(spiele[i])) ablauf.liste[ablauf.anzahl++] = r;
}

void seite_waehlen()
{
    Screen_Seite = 0;
    if (!Screen_Record) return;
    const int32_t eigen = Screen_Eigenes_Team();
    if (int32_t(Screen_Record->team[0]) != eigen && int32_t(Screen_Record->team[1]) == eigen) Screen_Seite = 1;
}

// The first record on the screen; false when the screen cannot be opened.
bool oeffnen(int32_t seite)
{
    Screen_Record = ablauf.liste[0];
    ablauf.naechster = 1;
    seite_waehlen();
    if (!Screen_Oeffnen()) {
        Screen_Record = nullptr;
        return false;
    }
    Screen_Seite_Zeigen(seite);
    return true;
}

void naechster(int32_t seite)
{
    Screen_Record = ablauf.liste[ablauf.naechster++];
    seite_waehlen();
    Screen_Kopf_Neu();
    Screen_Seite_Zeigen(seite);
}

void schliessen()
{
    Screen_Freigeben();
    Screen_Record = nullptr;
    Spielszenen_Modus = SPIELSZENEN_SCREEN;
    Spielszenen_Neu_Zeichnen();
}

void frame()
{
    Spielszenen_Blinken();
    Screen_Schritt();
    // A script that lets the day play out untouched never clicks "back": the screen goes on as
    // if it had.
    if (Os_Script_Laesst_Laufen()) Spielszenen_Modus = SPIELSZENEN_NAECHSTES;
}

// The button that asked for the next game must be let go first; headless the clock is virtual,
// and a quit ends the wait.
void loslassen_abwarten()
{
    for (int32_t i = 0; i < LOSLASSEN_GRENZE && Win95_Maustasten() != 0 && !Programm_Ende; ++i) {
        Win95_Message_Pump();
        Win95_Sleep(10);
    }
}

bool einzelplatz_mit(int32_t option) { return Ablauf_Allein() && Globale_Optionen(option) != 0; }

// A side's next response value, into its first point not yet reached; false when all are set.
bool kurvenpunkt(Spielfeld_Record* r, int32_t seite)
{
    int8_t* kurve = r->antwortkurve[seite];
    int8_t* frei = std::find(kurve, kurve + MOTIVATION_KURVE_PUNKTE, int8_t(-1));
    if (frei == kurve + MOTIVATION_KURVE_PUNKTE) return false;
    int32_t zaehler[MOTIVATION_SPRUECHE];
    for (int32_t i = 0; i < MOTIVATION_SPRUECHE; ++i) zaehler[i] = r->ansprache_druecke[seite][i];
    *frei = int8_t(std::clamp(Highscore_Klicks_Bewerten(int32_t(r->team[seite]), zaehler), 0, 100));
    return true;
}

// A break after the second half shows no dressing room unless forced.
bool nach_zweiter_halbzeit(int32_t zwingen) { return !zwingen && ablauf.anzahl > 0 && ablauf.liste[0]->periode > 1; }

// The start before or after the match: alone, with the option on and a game to show, the
// screen opens on the page for the first game.
void starten(bool& aktiv, uint8_t& phase, int32_t option, int32_t seite)
{
    aktiv = false;
    if (!einzelplatz_mit(option)) return;
    liste_fuellen();
    if (ablauf.anzahl == 0) return;
    // After the match the live view hands its screen over, and the curves are done.
    if (seite == SCREEN_SEITE_DATEN) {
        Spielszenen_Bildschirm_Freigeben();
        Motivation_Kurve_Fertig = 1;
    }
    phase = 1;
    if (!oeffnen(seite)) {
        phase = 0;
        return;
    }
    aktiv = true;
}

// One frame of the sequence before or after the match: the next game on the back button, the
// end after the last.
int32_t schritt(bool& aktiv, uint8_t& phase, int32_t seite)
{
    if (!aktiv) return 1;
    frame();
    if (Spielszenen_Modus != SPIELSZENEN_NAECHSTES) return 0;
    if (ablauf.naechster >= ablauf.anzahl) {
        schliessen();
        aktiv = false;
        phase = 0;
        return 1;
    }
    naechster(seite);
    Spielszenen_Modus = SPIELSZENEN_SCREEN;
    return 0;
}

}  // namespace

void Spielbericht_Set_Hook(Spielbericht_Hook h) { hook = h; }

bool Spielbericht_Zeigt() { return !hook && (ablauf.vor_spiel || ablauf.halbzeit || ablauf.nach_spiel); }

// The view stays loaded until the day is closed: the games over, it is still up when the live
// view showed this day.
bool Spielszenen_Geladen() { return hook ? hook("Spielszenen_Geladen") != 0 : Spielfeld_Ansicht_Geladen(); }

void Spielbericht_Vor_Spiel_Starten()
{
    if (hook) {
        melden("Spielbericht_Vor_Spiel_Starten", 0);
        return;
    }
    starten(ablauf.vor_spiel, Screen_Phase_Vor_Spiel, OPTION_MOTIVATION_VOR, SCREEN_SEITE_MOTIVATION);
}

int32_t Spielbericht_Vor_Spiel_Schritt()
{
    if (hook) return melden("Spielbericht_Vor_Spiel_Schritt", 1);
    return schritt(ablauf.vor_spiel, Screen_Phase_Vor_Spiel, SCREEN_SEITE_MOTIVATION);
}

void Spielbericht_Halbzeit_Starten(int32_t zwingen)
{
    if (hook) {
        melden("Spielbericht_Halbzeit_Starten", 0);
        return;
    }
    if (Ablauf_Allein() && !zwingen && !Globale_Optionen(OPTION_MOTIVATION_HALBZEIT)) return;
    const int32_t modus = Spielszenen_Modus;
    if (modus == SPIELSZENEN_SCREEN || modus == SPIELSZENEN_VERLASSEN) {
        liste_fuellen();
        if (nach_zweiter_halbzeit(zwingen) || ablauf.anzahl == 0) return;
        Screen_Phase_Kabine = 1;
        Spielszenen_Bildschirm_Freigeben();
        if (!oeffnen(SCREEN_SEITE_MOTIVATION)) {
            Screen_Phase_Kabine = 0;
            return;
        }
        ablauf.halbzeit = true;
        Motivation_Kurve_Fertig = 0;
        Spielszenen_Modus = SPIELSZENEN_HALBZEIT;
    } else if (modus == SPIELSZENEN_NAECHSTES || modus == SPIELSZENEN_HALBZEIT) {
        liste_fuellen();
        if (nach_zweiter_halbzeit(zwingen) || ablauf.anzahl == 0) return;
        Spielszenen_Modus = SPIELSZENEN_HALBZEIT;
        Screen_Record = ablauf.liste[0];
        ablauf.naechster = 1;
        seite_waehlen();
        ablauf.halbzeit = true;
        Screen_Phase_Kabine = 1;
        Motivation_Kurve_Fertig = 0;
        Screen_Seite_Zeigen(SCREEN_SEITE_MOTIVATION);
    } else {
        return;
    }
    if (!Screen_Phase_Kabine || !Screen_Record) return;
    for (int32_t i = 0; i < ablauf.anzahl; ++i)
        for (int32_t s = 0; s < 2; ++s) {
            const Spielfeld_Record* r = ablauf.liste[i];
            Highscore_Spiel_Bewerten(int32_t(r->team[s]), int32_t(r->spiel), r->einsatz[s]);
        }
}

int32_t Spielbericht_Halbzeit_Schritt()
{
    if (hook) return melden("Spielbericht_Halbzeit_Schritt", 1);
    if (!ablauf.halbzeit) return 1;
    if (Motivation_Naechster_Punkt && Screen_Phase_Kabine && Screen_Record) {
        Motivation_Naechster_Punkt = 0;
        kurvenpunkt(Screen_Record, Screen_Seite);
    }
    frame();
    if (Spielszenen_Modus != SPIELSZENEN_NAECHSTES) return 0;
    liste_fuellen();
    // The talk of the game being left takes effect, once: every back press would otherwise
    // apply every game's talk again.
    if (Screen_Phase_Kabine && Screen_Record)
        for (int32_t s = 0; s < 2; ++s) {
            Spielfeld_Record* r = Screen_Record;
            // A side that never reached a point had no talk.
            if (r->antwortkurve[s][0] < 0) continue;
            while (kurvenpunkt(r, s)) {
            }
            Spielfeld_Motivation_Anwenden(r, s, r->antwortkurve[s][MOTIVATION_KURVE_PUNKTE - 1]);
        }
    const bool weiter = ablauf.naechster < ablauf.anzahl;
    if (weiter) {
        naechster(SCREEN_SEITE_MOTIVATION);
        Spielszenen_Modus = SPIELSZENEN_SCREEN;
        Motivation_Kurve_Fertig = 0;
    } else {
        schliessen();
        Screen_Phase_Kabine = 0;
        ablauf.halbzeit = false;
        Motivation_Kurve_Fertig = 1;
    }
    loslassen_abwarten();
    return weiter ? 0 : 1;
}

void Spielbericht_Nach_Spiel_Starten()
{
    if (hook) {
        melden("Spielbericht_Nach_Spiel_Starten", 0);
        return;
    }
    starten(ablauf.nach_spiel, Screen_Phase_Nach_Spiel, OPTION_STATISTIK, SCREEN_SEITE_DATEN);
}

int32_t Spielbericht_Nach_Spiel_Schritt()
{
    if (hook) return melden("Spielbericht_Nach_Spiel_Schritt", 1);
    if (!einzelplatz_mit(OPTION_STATISTIK)) return 1;
    return schritt(ablauf.nach_spiel, Screen_Phase_Nach_Spiel, SCREEN_SEITE_DATEN);
}
