#include "toolkit/runde.h"

#include "database/assistent.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "platform/temp.h"
#include "platform/zufall.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_training.h"
#include "toolkit/dienste.h"
#include "toolkit/requester.h"

namespace {

constexpr int32_t MAX_SPIELER = 50;
uint8_t training_gewarnt = 0;

// Trial players leave the club after the turn; an observed one stays observed, and his
// value 102 survives the move. True when one left.
bool probespieler_entlassen(int32_t team)
{
    int32_t feld[MAX_SPIELER];
    const int32_t n = Teamspieler_Ins_Array(team, feld, MAX_SPIELER, 0);
    bool einer = false;
    for (int32_t i = 0; i < n && i < MAX_SPIELER; ++i) {
        const int32_t sp = feld[i];
        if (!(Teamspieler_Wert(317, team, sp, 0, 0) & TS_PROBE)) continue;
        const bool beobachtet = Spieler_Ist_Beobachtet(team, sp);
        const int32_t wert = Spieler_Wert(102, sp, 0, 0);
        Teamspieler_Kommt_Oder_Geht(2, team, sp, -1, -1, -1, -1, false);
        if (beobachtet) Spieler_Beobachtet_Hinzufuegen(team, sp);
        Spieler_Wert(102, sp, wert, 1);
        einer = true;
    }
    return einer;
}

void kapitaen_bestimmen(int32_t team, bool assistent)
{
    int32_t feld[MAX_SPIELER];
    const int32_t n = Teamspieler_Ins_Array(team, feld, MAX_SPIELER, TS_STARTELF);
    if (n <= 0) return;
    // The captain comes from a sequence of the day and the club, and the game's sequence goes on
    // where it stood: a client drawing for its manager's club draws what the server would, and
    // the match day that follows is the same whichever PC the turn was played on.
    Zufall_Push_Seed();
    const int32_t tag = ((Aktueller_Tag % 4000) + 4000) % 4000;
    Zufall_Set_Seed(int32_t((int64_t(tag) * 7919 + int64_t(team) * 104729) % ZUFALL_MODUL));
    const int32_t gezogen = Zufall_Gross(0, (n < MAX_SPIELER ? n : MAX_SPIELER) - 1);
    Zufall_Pop_Seed();
    int32_t alle[MAX_SPIELER];
    const int32_t m = Teamspieler_Ins_Array(team, alle, MAX_SPIELER, 0);
    for (int32_t i = 0; i < m && i < MAX_SPIELER; ++i) Teamspieler_Wert(317, team, alle[i], TS_KAPITAEN, 4);
    Teamspieler_Wert(317, team, feld[gezogen], TS_KAPITAEN, 8);
    if (!assistent)
        Menue_Requester(1, team,
                        Temp_Sprintf("Da Sie keinen Kapitän eingesetzt haben, wurde %s für dieses Amt bestimmt.",
                                     Spieler_String(45, feld[gezogen], nullptr, 0)),
                        nullptr, nullptr, 0);
}

}  // namespace

void Menue_Runde_Neues_Spiel() { training_gewarnt = 0; }

uint8_t Menue_Runde_Beenden_Pruefen()
{
    if (Menue_Automatik_Aktiv(0) || Menue_Merker()) return 1;
    const int32_t team = Aktuelles_Team;
    if (team < 0 || team >= Team_Anzahl) return 1;
    const bool assistent = Assistent_Mit_Aufgabe(team, 0) != -1;
    int32_t kapitaen = -1;
    const int32_t n = Teamspieler_Zaehle_Startelf(team, &kapitaen, nullptr, false);
    if (n < 11 && Team_Wert(162, team, 0, 0) >= 11 && !assistent &&
        !Menue_Requester(2, team,
                         "Sie haben momentan weniger als ELF Spieler eingesetzt (dabei wurden die Probespieler nicht "
                         "mitgezählt, da sie nach dieser Runde wieder aus Ihrem Team entfernt werden). Möchten Sie "
                         "wirklich die Runde beenden und das nächste Spiel in Unterzahl bestreiten ?",
                         nullptr, nullptr, 0))
        return 0;

    if (probespieler_entlassen(team)) {
        if (assistent) Spieler_Einsetzen_Aufstellung_Vorschlagen(-1, 0, 0);
        else if (Team_Wert(170 + Spieler_Einsetzen_Get_Modus(team), team, 0, 0) != -1)
            Assi_Mannschaftsaufstellung(team, Gegner_Team, 2, Aktuelles_Team_Seite, Menue_Heutiges_Spiel_Wert(), -1, false);
        kapitaen = -1;
        Teamspieler_Zaehle_Startelf(team, &kapitaen, nullptr, false);
    }
    if (Menue_Heutiges_Spiel_Wert() != -1 && kapitaen == -1) kapitaen_bestimmen(team, assistent);

    uint8_t ok = 1;
    if (!training_gewarnt && Spieler_Training_Zaehle_Einzeltraining(team, 99) > 5) {
        Menue_Requester(1, team,
                        "Der DORVIN-Ziduridavozozor weist Sie an dieser Stelle höflich darauf hin, daß Sie mehr als 5 "
                        "Einzeltraining-Einheiten vergeben haben (4-5 sind das Maximum). Das kann sich sehr schlecht auf "
                        "die Trainings-Erschöpfung Ihrer Mannen auswirken.",
                        nullptr, nullptr, 0);
        Menue_Requester(1, team,
                        "Diese Warnung erscheint nur einmal pro Spiel. Bitte informieren Sie auch ggf. Ihre Mitspieler, "
                        "falls diese auch ähnliche Trainingseinstellungen verwendet haben.",
                        nullptr, nullptr, 0);
        training_gewarnt = 1;
        ok = 0;
    }
    return ok;
}
