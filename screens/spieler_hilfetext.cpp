#include "screens/spieler_hilfetext.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "competitions/spiele_karten.h"
#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "gameflow/globals.h"
#include "match/spieltag.h"
#include "platform/print.h"
#include "screens/spieler_liga_zahlen.h"
#include "screens/spieler_training.h"
#include "screens/spieler_versicherung.h"
#include "toolkit/dienste.h"
#include "toolkit/icon.h"

namespace {

// The buffer and the guard byte behind it, which tells an overrun.
struct Puffer {
    char text[SPIELER_HILFETEXT_GROESSE];
    char waechter;
};
Puffer hilfe;

const char* const POSITIONEN[4] = {"Torhüter", "Abwehrspieler", "Mittelfeldspieler", "Stürmer"};

// Appends to the tooltip; a piece that does not fit ends the text at its last whole line.
struct Schreiber {
    char* text;
    uint32_t groesse;
    bool voll = false;
    void operator()(const char* format, ...) __attribute__((format(printf, 2, 3)))
    {
        if (voll) return;
        char stueck[SPIELER_HILFETEXT_GROESSE + 64];
        va_list args;
        va_start(args, format);
        std::vsnprintf(stueck, sizeof stueck, format, args);
        va_end(args);
        Spieler_Text_Anhaengen(text, groesse, &voll, stueck);
    }
};

const char* team_name(int32_t team)
{
    const char* n = team >= 0 ? Team_String(TEAM_NAME, team, nullptr, 0) : nullptr;
    return n ? n : "";
}

const char* spieler_text(int32_t id, int32_t spnr)
{
    const char* n = Spieler_String(id, spnr, nullptr, 0);
    return n ? n : "";
}

// Percent of the strength left at form f: a form of 0 costs a fifth.
int32_t form_anteil(int32_t f) { return 100 - (100 - f) * 20 / 100; }

void staerkezeile(Schreiber& s, int32_t spnr)
{
    const int32_t k = Spieler_Wert(SP_KO, spnr, 0, SP_LESEN), i = Spieler_Wert(SP_IN, spnr, 0, SP_LESEN);
    const int32_t t = Spieler_Wert(SP_TE, spnr, 0, SP_LESEN), f = Spieler_Wert(SP_FORM, spnr, 0, SP_LESEN);
    s("^lK=%3d", k);
    s(", I=%3d", i);
    s(", T=%3d", t);
    s(", F=%2d%%", f);
    s(", Schnitt ohne/mit Form=%d / %d", (k + i + t) / 3, form_anteil(f) * (k + i + t) / 300);
}

void status_zeilen(Schreiber& s, int32_t team, int32_t spnr, uint32_t fl)
{
    if (Menue_Heutiges_Spiel_Wert() != -1) {
        if (fl & 0x80) {
            s("^l(sitzt für's nächste Spiel eine GELB-SPERRE ab)");
        } else if (fl & 0x100) {
            s("^l(sitzt für's nächste Spiel eine GELB/ROT-SPERRE ab)");
        } else if (fl & 0x200) {
            int32_t wettbewerb = -1;
            if (Spieltag_Get_Gegner(team, nullptr, nullptr, nullptr, &wettbewerb) < 0 || wettbewerb < 0)
                wettbewerb = Wettbewerb_Get_Team_Wettbewerb(team, 1);
            const int32_t n = Spiele_Get_Wettbewerb_Ereignis(wettbewerb, 8, team, spnr, -1, -1) & ~0x80;
            if (n > 0) s("^l(sitzt noch für %d %s eine ROT-SPERRE ab)", n, Spieler_Wortform(n, "Spiel", "Spiele"));
        } else if (fl & 0x80000) {
            s("^l(ihm droht bei der nächsten GELBEN KARTE eine Sperre)");
        }
    }
    if (fl & TS_ARZT) {
        const int32_t wochen = Spieler_Wert(SP_VERLETZUNG_TAGE, spnr, 0, SP_LESEN) / 7 + 1;
        const char* art = Spieler_Verletzung_Name(Spieler_Wert(SP_VERLETZUNG_ART, spnr, 0, SP_LESEN));
        s("^lVerletzung: %s, noch ca. %d %s", art ? art : "", wochen, Spieler_Wortform(wochen, "Woche", "Wochen"));
        if (team == Aktuelles_Team && Team_Hat_Manager(team)) {
            const int32_t arzt = Assistent_Arzt_Fuer_Verletzung(team, spnr, nullptr);
            if (arzt >= 0 && arzt < ASSI_SLOTS) s("^lDie Behandlung erfolgt durch %s", Aerzte_Tabelle[arzt].name);
        }
    }
    if (fl & TS_PROBE)
        s("^l(Probespieler von %s)", team_name(Teamspieler_Wert(318, team, spnr, 0, 0)));
    else if (fl & TS_TRANSFERLISTE)
        s("^l(der Spieler hat die FREIGABE erhalten)");
}

}  // namespace

void Spieler_Text_Anhaengen(char* text, uint32_t groesse, bool* voll, const char* stueck)
{
    if (!text || groesse == 0 || !stueck || (voll && *voll)) return;
    const size_t da = strnlen(text, groesse - 1), neu = std::strlen(stueck);
    if (da + neu < groesse) {
        std::memcpy(text + da, stueck, neu + 1);
        return;
    }
    if (voll) *voll = true;
    text[da] = 0;
    if (std::strncmp(stueck, "^l", 2) == 0) return;
    // The piece continues the last line: that line goes, the whole ones stay.
    char* letzte = nullptr;
    for (char* p = std::strstr(text, "^l"); p; p = std::strstr(p + 2, "^l")) letzte = p;
    if (letzte) *letzte = 0;
}

const char* Spieler_Wortform(int32_t anzahl, const char* einzahl, const char* mehrzahl)
{
    return anzahl == 1 ? einzahl : mehrzahl;
}

void Spieler_Screen_Hilfetext_Staerkezeile(char* text, uint32_t groesse, int32_t spnr)
{
    Schreiber s{text, groesse};
    staerkezeile(s, spnr);
}

const char* Spieler_Screen_Hilfetext_Spieler(int32_t spnr, int32_t team)
{
    hilfe.text[0] = 0;
    hilfe.waechter = '?';
    if (spnr < 0 || spnr >= Spieler_Anzahl) return hilfe.text;
    Schreiber s{hilfe.text, sizeof hilfe.text};

    const char* mittlerweile = "";
    // The icon's club usually holds him still; only else is the holder looked up (a call on a client).
    if (team < 0 || !Teamspieler_Get_Record(team, spnr)) {
        team = Teamspieler_Get_Team_Des_Spielers(-1, spnr, -1);
        mittlerweile = " mittlerweile ";
        if (team < 0) Print_Fehler("Spieler_Screen_Hilfetext_Spieler: team nicht gefunden!");
    }
    const bool im_team = team >= 0 && Teamspieler_Get_Record(team, spnr);
    const uint32_t fl = im_team ? uint32_t(Teamspieler_Wert(317, team, spnr, 0, 0)) : 0;
    const int32_t herkunft = im_team ? Teamspieler_Wert(318, team, spnr, 0, 0) : -1;

    char leihe[200] = "";
    if (herkunft != team && herkunft != -1 && !(fl & TS_PROBE)) {
        const int32_t m = Teamspieler_Wert(305, team, spnr, 0, 0);
        std::snprintf(leihe, sizeof leihe, "^l(noch %d %s von %s ausgeliehen)", m,
                      Spieler_Wortform(m, "Monat", "Monate"), team_name(herkunft));
    }
    const int32_t art = Spieler_Wert(SP_ART, spnr, 0, SP_LESEN);
    const bool torwart = art == 0;
    s("%s ist %s%s von %s%s^l%d Jahre", spieler_text(SP_NAME_LAND, spnr), mittlerweile,
      POSITIONEN[art >= 0 && art < 4 ? art : 1], team_name(team), leihe, Spieler_Wert(SP_ALTER, spnr, 0, SP_LESEN));

    const Spieler_Liga_Zahlen liga = Spieler_Liga_Zahlen_Holen(team, spnr);
    s(", %s: %d%s", "Einsätze (nur Liga)", liga.einsaetze, "");
    if (torwart) s(", %s: %d%s", "Gehaltene Bälle (nur Liga)", liga.paraden, "");
    else if (liga.pro_spiel_zehntel) s(", %s: %d.%d%s", "Tore pro Spiel (nur Liga)", liga.pro_spiel, liga.pro_spiel_zehntel, "");
    else s(", %s: %d%s", "Tore pro Spiel (nur Liga)", liga.pro_spiel, "");

    if (im_team && team != Transfermarkt_Team) {
        const int32_t vertrag_team = (fl & TS_PROBE) && herkunft >= 0 ? herkunft : team;
        const int32_t m = Teamspieler_Wert(305, vertrag_team, spnr, 0, 0);
        s("^l%s: %s (Vertragsdauer: noch %d %s)", "Gehalt",
          Bank_Betrag_String(float(Teamspieler_Wert(301, vertrag_team, spnr, 0, 0)), team, -1, 0), m,
          Spieler_Wortform(m, "Monat", "Monate"));
    }

    const int32_t f = Spieler_Wert(SP_FORM, spnr, 0, SP_LESEN);
    if (torwart) {
        const int32_t st = Spieler_Wert(SP_TORWART_STAERKE, spnr, 0, SP_LESEN);
        s("^lF=%2d%%, Stärke ohne/mit Form=%d / %d", f, st, st * form_anteil(f) / 100);
    } else {
        staerkezeile(s, spnr);
    }

    if (fl & (0x40 | 0x80 | 0x100 | 0x200 | 0x1000 | 0x20000 | 0x80000)) status_zeilen(s, team, spnr, fl);

    if (im_team && Menue_Screen_Icon_Ist_Vorhanden(1480)) {
        const int32_t k = Spieler_Training_Get_Einzeltraining_Platz(team, spnr);
        if (k >= 0) s("^l(Einzeltraining im Bereich %s)", Spieler_Training_Art_Name(k));
    }
    if (im_team && !(Netz_Rolle == 1 && team != Aktuelles_Team)) {
        const int32_t firma = Teamspieler_Wert(307, team, spnr, 0, 0);
        if (firma >= 0 && firma < VERSICHERUNG_FIRMEN) {
            const int32_t m = Teamspieler_Wert(303, team, spnr, 0, 0);
            s("^lEr ist noch %d %s bei %s versichert.", m, Spieler_Wortform(m, "Monat", "Monate"),
              Versicherung_Gesellschaften[firma].name);
        }
    }
    if (team >= 0 && Richter_Spieler_Angebot_Vorhanden(spnr, team, -1))
        s("^lEs liegt mindestens ein Angebot für %s vor.", spieler_text(SP_VOLLNAME, spnr));
    if (Spieler_Wert(SP_STATUS, spnr, 0, SP_LESEN) & 2)
        s("^l%s wird sich mit Vertragsablauf zur Ruhe setzen.", spieler_text(SP_VOLLNAME, spnr));

    if (hilfe.waechter != '?') Print_Fehler("Spieler_Screen_Hilfetext_Spieler: Textschreiber!");
    return hilfe.text;
}

const char* Spieler_Screen_Hilfetext_Spieler(Menue_Icon* icon)
{
    if (!icon) return "";
    return Spieler_Screen_Hilfetext_Spieler(icon->kennung_1, icon->kennung_2);
}

const char* Spieler_Training_Slot_Hilfetext(Menue_Icon* icon)
{
    static char text[200];
    text[0] = 0;
    if (!icon || icon->kennung_1 < 0 || icon->kennung_1 >= Spieler_Anzahl) return text;
    std::snprintf(text, sizeof text, "%s trainiert %s", spieler_text(SP_VOLLNAME, icon->kennung_1),
                  Spieler_Training_Art_Name(icon->kennung_2));
    return text;
}
