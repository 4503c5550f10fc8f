#include "screens/spieler_kontext.h"

#include <cstdio>

#include "database/assistent.h"
#include "database/manager.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_taktik.h"
#include "toolkit/requester.h"

namespace {

constexpr uint32_t NICHT_EINSETZBAR = 0xFC0;

void meldung(const char* text) { Menue_Requester(1, Aktuelles_Team, text, nullptr, nullptr, 0); }

uint32_t flags(int32_t team, int32_t spnr) { return static_cast<uint32_t>(Teamspieler_Wert(317, team, spnr, 0, 0)); }

bool im_team(int32_t team, int32_t spnr) { return team >= 0 && Teamspieler_Get_Record(team, spnr) != nullptr; }

const char* name(int32_t spnr)
{
    const char* n = Spieler_String(SP_NAME, spnr, nullptr, 0);
    return n ? n : "";
}

// Players of the acting club with any of the flag bits.
int32_t zaehle(uint32_t maske, bool nur_torwart)
{
    int32_t feld[500];
    const int32_t n = Teamspieler_Ins_Array(Aktuelles_Team, feld, 500, 0);
    int32_t z = 0;
    for (int32_t i = 0; i < n && i < 500; ++i)
        if ((flags(Aktuelles_Team, feld[i]) & maske) && (!nur_torwart || Spieler_Wert(SP_ART, feld[i], 0, 0) == 0)) ++z;
    return z;
}

// Brings a foreign player into the acting club on trial; true when he is (now) in it.
bool heranholen(int32_t team, int32_t spnr)
{
    if (team == Aktuelles_Team || im_team(Aktuelles_Team, spnr)) return im_team(Aktuelles_Team, spnr);
    return Spieler_Probespieler_Aufnehmen(team, spnr);
}

bool einsetzbar(int32_t spnr, bool meldungen)
{
    if (!(flags(Aktuelles_Team, spnr) & NICHT_EINSETZBAR)) return true;
    if (meldungen) meldung("Verletzte oder gesperrte Spieler können Sie nicht einsetzen !");
    return false;
}

}  // namespace

bool Spieler_In_Aufstellung_Setzen(int32_t team, int32_t spnr, bool meldungen)
{
    if (Aktuelles_Team < 0 || spnr < 0 || spnr >= Spieler_Anzahl) return false;
    if (im_team(Aktuelles_Team, spnr) && (flags(Aktuelles_Team, spnr) & TS_STARTELF)) return true;
    const bool torwart = Spieler_Wert(SP_ART, spnr, 0, 0) == 0;
    if (torwart && zaehle(TS_STARTELF, true) > 0) {
        if (meldungen) meldung("Es ist bereits ein Torwart eingesetzt !");
        return false;
    }
    if (zaehle(TS_STARTELF, false) >= 11) {
        if (meldungen) meldung("Sie dürfen nur maximal 11 Spieler einsetzen !");
        return false;
    }
    // an injured player of another club is refused before he is taken in
    if (im_team(Aktuelles_Team, spnr) && !einsetzbar(spnr, meldungen)) return false;
    if (!im_team(Aktuelles_Team, spnr) && team >= 0 && (flags(team, spnr) & NICHT_EINSETZBAR)) {
        if (meldungen) meldung("Verletzte oder gesperrte Spieler können Sie nicht einsetzen !");
        return false;
    }
    if (!heranholen(team, spnr)) return false;
    const int32_t t = Aktuelles_Team;
    Teamspieler_Wert(317, t, spnr, TS_ERSATZ, 4);
    Teamspieler_Wert(317, t, spnr, TS_STARTELF, 8);
    Teamspieler_Wert(316, t, spnr, -1, 1);
    if (torwart) Teamspieler_Wert(310, t, spnr, RASTER_KEINE_ZELLE, 1);
    else if (Spieler_Raum_Ist_Ungueltig(t, spnr)) Assi_Setze_Spieler_Raum(t, spnr, false, false);
    return true;
}

bool Spieler_Auf_Ersatzbank_Setzen(int32_t team, int32_t spnr, bool meldungen)
{
    if (Aktuelles_Team < 0 || spnr < 0 || spnr >= Spieler_Anzahl) return false;
    if (im_team(Aktuelles_Team, spnr) && (flags(Aktuelles_Team, spnr) & TS_ERSATZ)) return true;
    if (zaehle(TS_ERSATZ, false) >= 5) {
        if (meldungen) meldung("Sie dürfen nur maximal 5 Spieler auf die Ersatzbank setzen !");
        return false;
    }
    if (im_team(Aktuelles_Team, spnr) && !einsetzbar(spnr, meldungen)) return false;
    if (!heranholen(team, spnr)) return false;
    Teamspieler_Wert(317, Aktuelles_Team, spnr, TS_STARTELF, 4);
    Teamspieler_Wert(317, Aktuelles_Team, spnr, TS_ERSATZ, 8);
    Teamspieler_Wert(316, Aktuelles_Team, spnr, -1, 1);
    return true;
}

bool Spieler_Aus_Aufstellung_Nehmen(int32_t team, int32_t spnr)
{
    if (im_team(team, spnr)) Teamspieler_Wert(317, team, spnr, TS_STARTELF | TS_ERSATZ, 4);
    return true;
}

bool Spieler_Probespieler_Aufnehmen(int32_t team, int32_t spnr)
{
    const int32_t eigen = Aktuelles_Team;
    if (eigen < 0 || spnr < 0 || spnr >= Spieler_Anzahl) return false;
    char text[400];
    if (im_team(eigen, spnr)) {
        if (team != eigen) {
            std::snprintf(text, sizeof text, "Spieler %s ist schon probeweise ins eigene Team genommen worden.", name(spnr));
            meldung(text);
        }
        return false;
    }
    if (team < 0 || !im_team(team, spnr)) return false;
    if (!Teamspieler_Kommt_Oder_Geht(1, eigen, spnr, 0, 0, 0, team, false)) return false;
    Teamspieler_Wert(318, eigen, spnr, team, 1);
    Teamspieler_Wert(317, eigen, spnr, TS_PROBE, 8);
    const char* verein = Team_String(TEAM_NAME, team, nullptr, 0);
    if (Assistent_Mit_Aufgabe(eigen, 0) >= 0)
        std::snprintf(text, sizeof text,
                      "Spieler %s von %s wurde vorübergehend ins Team genommen. Bitte beachten Sie, daß er nun auch vom "
                      "Assistenten für die Aufstellung voll berücksichtigt wird.",
                      name(spnr), verein ? verein : "");
    else
        std::snprintf(text, sizeof text,
                      "Spieler %s von %s wurde vorübergehend ins Team genommen. Sie können nun ausprobieren, wie gut er "
                      "in Ihre Mannschaft paßt.",
                      name(spnr), verein ? verein : "");
    meldung(text);
    return true;
}

void Spieler_Probespieler_Entfernen(int32_t spnr, bool meldung_zeigen)
{
    const int32_t eigen = Aktuelles_Team;
    if (!im_team(eigen, spnr) || !(flags(eigen, spnr) & TS_PROBE)) return;
    if (meldung_zeigen) {
        char text[200];
        std::snprintf(text, sizeof text, "Spieler %s wurde wieder aus dem Team entfernt.", name(spnr));
        meldung(text);
    }
    if (Manager_Icon_Word_Data_Lesen(eigen, SE_RAUM_SPIELER) == static_cast<uint16_t>(spnr))
        Manager_Icon_Word_Data_Schreiben(eigen, SE_RAUM_SPIELER, 0xFFFF);
    const bool stand = flags(eigen, spnr) & (TS_STARTELF | TS_ERSATZ);
    const bool beobachtet = Spieler_Ist_Beobachtet(eigen, spnr);
    const int32_t zaehler = Spieler_Wert(SP_ANGEBOTSZAEHLER, spnr, 0, 0);
    if (!Teamspieler_Kommt_Oder_Geht(0, eigen, spnr, 0, 0, 0, -1, false)) return;
    if (beobachtet && !Spieler_Ist_Beobachtet(eigen, spnr)) Spieler_Beobachtet_Hinzufuegen(eigen, spnr);
    Spieler_Wert(SP_ANGEBOTSZAEHLER, spnr, zaehler, 1);
    if (stand) Spieler_Einsetzen_Nach_Kaderaktion();
}

bool Spieler_Freigabe_Umschalten(int32_t team, int32_t spnr, bool meldung_zeigen)
{
    if (!im_team(team, spnr)) return false;
    char text[400];
    if ((flags(team, spnr) & TS_TRANSFERLISTE) && Richter_Spieler_Angebot_Vorhanden(spnr, team, -1)) {
        std::snprintf(text, sizeof text,
                      "Für %s liegt bereits mindestens ein Angebot vor. Sie müssen daher die Auktion abwarten und evtl. "
                      "danach die Freigabe zurückziehen.",
                      name(spnr));
        meldung(text);
        return false;
    }
    Teamspieler_Wert(317, team, spnr, TS_TRANSFERLISTE, 2);
    if ((flags(team, spnr) & TS_TRANSFERLISTE) && meldung_zeigen) {
        const char* verein = Team_String(TEAM_NAME_ROH, Aktuelles_Team, nullptr, 0);
        std::snprintf(text, sizeof text,
                      "%s teilte heute offiziell mit, daß Spieler %s den Verein verlassen kann, falls ein anderer Club "
                      "Interesse anmeldet.",
                      verein ? verein : "", name(spnr));
        meldung(text);
    }
    return true;
}
