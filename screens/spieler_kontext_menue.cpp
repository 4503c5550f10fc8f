#include "screens/spieler_kontext_menue.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "database/assistent.h"
#include "database/manager.h"
#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "platform/print.h"
#include "screens/spieler_angebot.h"
#include "screens/spieler_detail.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_einsetzen_screen.h"
#include "screens/spieler_einsetzen_feld.h"
#include "screens/spieler_kontext.h"
#include "screens/spieler_suche.h"
#include "screens/spieler_taktik.h"
#include "screens/spieler_training.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/requester.h"
#include "toolkit/scroll.h"

int32_t Spieler_Kontext_Zentriert = -1;

namespace {

constexpr uint16_t W = POPUP_WAEHLBAR, GAP = POPUP_TRENNER, INFO = POPUP_KEIN_HOVER, CHECK = POPUP_HAKEN,
                   RADIO = POPUP_RADIO, AN = POPUP_GEWAEHLT, BLEIBT = POPUP_BLEIBT;
constexpr uint32_t GESPERRT = 0xFC0;
constexpr uint32_t AUFGABEN_FLAGS[4] = {0x2000, 0x4000, 0x8000, 0x10000};

Menue_Kontextmenue kader_menue, status_menue, aufgaben_menue, training_menue, verein_menue;
char titel_puffer[120], kader_titel[120];

const char* const FELD_ANWEISUNG[5] = {"Aggressivität", "Passverhalten", "Raumdeckung", "Forechecking", "Abschluß"};
const char* const TW_ANWEISUNG[3] = {"Abschlag", "Herauslaufen", "Elfmeter"};
const char* const FELD_OPTIONEN[5][5] = {
    {"Spiele sehr aggressiv", "Spiele verstärkt aggressiv", "Spiele normal agressiv", "Spiele kaum aggressiv",
     "Spiele nicht aggressiv"},
    {"Laufe viel mit dem Ball", "Laufe mit dem Ball", "Passe bei guter Gelegenheit", "Spiele den Ball schnell weiter",
     "Spiele sofort ab"},
    {"Du hast alle Freiheiten", "Du hast gewisse Freiheiten", "Bleibe vorwiegend in deinem Raum",
     "Bleibe meist in deinem Raum", "Bleibe immer in deinem Raum"},
    {"Greife den Gegner sofort an", "Greife den Gegner früh an", "Attackiere den Gegner rechtzeitig",
     "Ziehe Dich etwas zurück", "Lasse den Gegner kommen"},
    {"Schieße bei jeder Gelegenheit", "Schieße frühzeitig", "Schieße bei guter Gelegenheit",
     "Schieße bei sehr guter Chance", "Schieße nur bei Riesenchancen"},
};
const char* const TW_OPTIONEN[3][4] = {
    {"Schlage weit ab", "Spiele den Ball kurz ab", "Entscheide je nach Situation", nullptr},
    {"Laufe früh heraus", "Warte möglichst lange", "Entscheide je nach Situation", nullptr},
    {"Suche Dir vorher eine Ecke aus", "Versuche eine Ecke zu ahnen", "Springe nach Links", "Springe nach Rechts"},
};
const char* const TW_TRAINING[3] = {"Reflexe", "Herauslaufen", "Strafraumbeherrschung"};

void meldung(int32_t typ, const char* text) { Menue_Requester(typ, Aktuelles_Team, text, nullptr, nullptr, 0); }

bool im_team(int32_t team, int32_t spnr)
{
    return team >= 0 && team < Team_Anzahl && spnr >= 0 && spnr < Spieler_Anzahl && Teamspieler_Get_Record(team, spnr);
}
uint32_t ts_flags(int32_t team, int32_t spnr)
{
    return im_team(team, spnr) ? uint32_t(Teamspieler_Wert(317, team, spnr, 0, 0)) : 0;
}
bool ist_torwart(int32_t spnr) { return spnr >= 0 && spnr < Spieler_Anzahl && Spieler_Wert(SP_ART, spnr, 0, 0) == 0; }
const char* spieler_name(int32_t spnr)
{
    const char* n = spnr >= 0 && spnr < Spieler_Anzahl ? Spieler_String(SP_NAME, spnr, nullptr, 0) : nullptr;
    return n ? n : "";
}

void leeren(Menue_Kontextmenue* m, const char* titel, int32_t icon, int32_t spnr, int32_t team, Popup_Eintrag_Prozedur p)
{
    Menue_Init_Kontextmenue(m, titel, icon, 0, p);
    for (int32_t i = 0; i < MENUE_KONTEXT_EINTRAEGE; ++i) {
        m->texte[i] = nullptr;
        m->wert_a[i] = spnr;
        m->wert_b[i] = team;
        m->wert_c[i] = icon;
        m->prozeduren[i] = p;
    }
}

// Every icon of that player and club is drawn again.
void spieler_neu_zeichnen(int32_t spnr, int32_t team)
{
    for (int32_t n = 0; n < ANZ_SCREEN_ICONS; ++n)
        if (Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(n))
            if (i->kennung_1 == spnr && (i->kennung_2 == team || team < 0)) i->refresh = 1;
    // the line-up screen's lists draw their players inside one icon each
    Spieler_Einsetzen_Spieler_Icons_Refresh(spnr);
}

// The line-up screen draws its figures from the links: the pitch is marked for redraw.
void figuren_neu()
{
    if (Menue_Icon* feld = Menue_Screen_Icon_Aus_Nummer(1290)) feld->refresh = 1;
}

void nach_listenaktion()
{
    if (Spieler_Einsetzen_Modus_804_Aktiv()) figuren_neu();
    if (Spieler_Training_Seite_Aktiv() && Menue_Screen_Icon_Ist_Vorhanden(1480)) Spieler_Training_Aufbauen();
}

struct Lage {
    int32_t spnr, team, icon;
    bool eigen, probe, torwart, assistent, gesperrt;
};

Lage lage_aus(int32_t icon, int32_t spnr, int32_t team)
{
    Lage l{spnr, team, icon, false, false, false, false, false};
    l.eigen = team == Aktuelles_Team && team >= 0;
    const uint32_t f = ts_flags(team, spnr);
    l.probe = f & TS_PROBE;
    l.torwart = ist_torwart(spnr);
    l.assistent = Aktuelles_Team >= 0 && Assistent_Mit_Aufgabe(Aktuelles_Team, 0) != -1;
    l.gesperrt = f & GESPERRT;
    return l;
}

void kader_bauen(const Lage& l)
{
    Menue_Kontextmenue* m = &kader_menue;
    leeren(m, "Kader ändern:", l.icon, l.spnr, l.team, Spieler_Kontext_Kader_Call);
    m->texte[0] = "Aufgestellt";
    m->texte[1] = "Auf der Ersatzbank";
    m->texte[2] = l.team == Transfermarkt_Team ? "Momentan arbeitslos..." : "Im erweiterten Kader";
    const uint32_t f = ts_flags(l.team, l.spnr);
    const int32_t gewaehlt = (f & TS_STARTELF) ? 0 : (f & TS_ERSATZ) ? 1 : 2;
    for (int32_t i = 0; i < 3; ++i) m->status[i] = uint16_t(W | RADIO | (i == gewaehlt ? AN : 0));
    if (l.eigen && l.probe) {
        m->titel = "Kader ändern (Probe):";
        m->status[2] |= GAP;
        m->texte[3] = "Probe-Spieler entfernen !";
        m->status[3] = W;
    } else if (!l.eigen) {
        const char* verein = l.team >= 0 ? Team_String(TEAM_NAME, l.team, nullptr, 0) : nullptr;
        std::snprintf(kader_titel, sizeof kader_titel, "Bei %s:", verein ? verein : "");
        m->titel = kader_titel;
        m->status[2] |= GAP;
        for (int32_t i = 0; i < 3; ++i) m->status[i] = uint16_t(m->status[i] & ~W);
        const bool drin = im_team(Aktuelles_Team, l.spnr);
        m->texte[3] = drin ? "Probe-Spieler entfernen !" : "Probe-Spieler aufnehmen !";
        m->status[3] = W;
    }
    if (l.assistent || l.gesperrt)
        for (int32_t i = 0; i < 3; ++i) m->status[i] = 0;
}

void status_bauen(const Lage& l)
{
    Menue_Kontextmenue* m = &status_menue;
    leeren(m, "Status ändern:", l.icon, l.spnr, l.team, Spieler_Kontext_Status_Call);
    const bool sperre = l.assistent || l.gesperrt;
    m->texte[0] = sperre ? "Manndeckung aufheben ! (Assistent)" : "Manndeckung aufheben !";
    m->texte[1] = sperre ? "Raum zurücksetzen ! (Assistent)" : "Raum zurücksetzen !";
    if (!sperre) {
        m->status[0] = l.eigen && Teamspieler_Wert(316, l.team, l.spnr, 0, 0) != -1 ? W : 0;
        m->status[1] = l.eigen && !l.torwart ? W : 0;
    }
}

void aufgaben_bauen(const Lage& l)
{
    Menue_Kontextmenue* m = &aufgaben_menue;
    leeren(m, "Aufgaben ändern:", l.icon, l.spnr, l.team, Spieler_Kontext_Aufgaben_Call);
    const char* const texte[4] = {"Team-Kapitän", "Freistoß-Schütze", "Elfmeter-Schütze", "Eckball-Treter"};
    const uint32_t f = ts_flags(l.team, l.spnr);
    for (int32_t i = 0; i < 4; ++i) {
        m->texte[i] = texte[i];
        m->status[i] = CHECK | BLEIBT | POPUP_NEU_ZEICHNEN;
        if (l.gesperrt) continue;
        if (f & AUFGABEN_FLAGS[i]) m->status[i] |= AN;
        // a goalkeeper takes neither free kicks nor corners
        if (l.eigen && !l.probe && (i == 0 || i == 2 || !l.torwart)) m->status[i] |= W;
    }
}

void training_bauen(const Lage& l)
{
    Menue_Kontextmenue* m = &training_menue;
    leeren(m, "Einzeltraining ändern:", l.icon, l.spnr, l.team, Spieler_Kontext_Einzeltraining_Call);
    const int32_t anzahl = l.torwart ? 3 : 14;
    m->texte[0] = "Kein Einzeltraining";
    for (int32_t i = 0; i < anzahl; ++i) m->texte[1 + i] = l.torwart ? TW_TRAINING[i] : Spieler_Training_Art_Name(i);
    int32_t art = -1, slot = -1;
    Spieler_Training_Get_Einzeltraining_Platz(l.team, l.spnr, &art, &slot);
    const int32_t gewaehlt = art < 0 ? 0 : l.torwart ? art - 13 : art + 1;
    for (int32_t i = 0; i <= anzahl; ++i)
        m->status[i] = uint16_t((l.eigen && !l.probe ? W | RADIO : 0) | (i == gewaehlt ? AN : 0));
    m->status[0] |= GAP;
}

void verein_bauen(const Lage& l)
{
    Menue_Kontextmenue* m = &verein_menue;
    leeren(m, "Vereinsbindung ändern:", l.icon, l.spnr, l.team, Spieler_Kontext_Verein_Call);
    m->texte[0] = "Vertragsverhandlung";
    m->texte[1] = "Versicherung";
    m->texte[2] = "Freigabe erteilt";
    const bool normal = l.team >= 0 && (Team_Ist_Normal(l.team, 1) || Team_Wert(TEAM_LIGA_FEST, l.team, 0, 0) != -1);
    m->status[0] = normal ? W : 0;
    m->status[1] = l.eigen && !l.probe ? W : 0;
    m->status[2] = uint16_t(CHECK | ((ts_flags(l.team, l.spnr) & TS_TRANSFERLISTE) ? AN : 0) |
                            (l.eigen && !l.probe ? W : 0));
}

Lage letzte_lage{-1, -1, -1, false, false, false, false, false};

bool detail(int32_t team, int32_t spnr, int32_t seite)
{
    if (!Spieler_Detailseite_Oeffnen(team, spnr, seite, false)) return false;
    Spieler_Detail_Fenster_Zeigen();
    return true;
}

}  // namespace

const char* Spieler_Anweisung_Text(bool torwart, int32_t anweisung, int32_t option)
{
    if (option < 0) return nullptr;
    if (torwart) return anweisung >= 0 && anweisung < 3 && option < 4 ? TW_OPTIONEN[anweisung][option] : nullptr;
    return anweisung >= 0 && anweisung < 5 && option < 5 ? FELD_OPTIONEN[anweisung][option] : nullptr;
}

Menue_Kontextmenue* Spieler_Kontext_Menue_Erzeugen(Menue_Icon* icon)
{
    if (!icon) return nullptr;
    const int32_t spnr = icon->kennung_1;
    int32_t team = icon->kennung_2;
    // the links at hand answer first; a client asks the server only for a player it does not hold
    if (!im_team(team, spnr)) {
        team = Teamspieler_Get_Team_Des_Spielers(-1, spnr, -1);
        if (team == -1) Print_Fehler("Spieler_Kontext_Menue_Erzeugen: team nicht gefunden!");
    }
    Menue_Kontextmenue* m = &Kontext_Menue;
    std::snprintf(titel_puffer, sizeof titel_puffer, "Spieler %s:", spieler_name(spnr));
    leeren(m, titel_puffer, icon->nummer, spnr, team, nullptr);
    if (Netz_Rolle == 1 && team != Aktuelles_Team) {
        m->texte[0] = "Vertragsverhandlung";
        m->status[0] = W | GAP;
        m->prozeduren[0] = Spieler_Kontext_Verein_Call;
        m->texte[1] = "Info nur für eigene Spieler verfügbar.";
        m->status[1] = INFO;
        m->prozeduren[1] = nullptr;
        return m;
    }
    static const char* const TEXTE[8] = {"Kader", "Status", "Aufgaben", "Einzeltraining", "Verein",
                                         "Spielerkopf zentrieren", "Spieler-Informationen", "Spieler beobachten"};
    static const Popup_Eintrag_Prozedur PROZ[8] = {
        Spieler_Kontext_Kader_Call,  Spieler_Kontext_Status_Call,     Spieler_Kontext_Aufgaben_Call,
        Spieler_Kontext_Einzeltraining_Call, Spieler_Kontext_Verein_Call, Spieler_Kontext_Zentrieren_Call,
        Spieler_Kontext_Info_Call,   Spieler_Kontext_Beobachten_Call};
    for (int32_t i = 0; i < 8; ++i) {
        m->texte[i] = TEXTE[i];
        m->status[i] = W | GAP;
        m->prozeduren[i] = PROZ[i];
        if (i < 5) m->unterlisten[i] = Spieler_Kontext_Untermenue_Holen;
    }
    m->status[7] = W | CHECK;
    m->status[5] = Menue_Screen_Icon_Ist_Vorhanden(1246) || Menue_Screen_Icon_Ist_Vorhanden(1258) ? W | GAP : GAP;
    const Lage l = lage_aus(icon->nummer, spnr, team);
    letzte_lage = l;
    for (int32_t i = 1; i <= 3; ++i) m->status[i] = l.eigen ? W : 0;
    kader_bauen(l);
    status_bauen(l);
    aufgaben_bauen(l);
    training_bauen(l);
    verein_bauen(l);
    m->status[6] = W;
    m->status[7] = uint16_t(CHECK | (Spieler_Ist_Beobachtet(Aktuelles_Team, spnr) ? AN : 0) | (l.eigen ? 0 : W));
    if (l.eigen && !l.probe) {
        m->status[7] |= GAP;
        const int32_t n = l.torwart ? 3 : 5;
        for (int32_t k = 0; k < n; ++k) {
            m->texte[8 + k] = l.torwart ? TW_ANWEISUNG[k] : FELD_ANWEISUNG[k];
            m->status[8 + k] = BLEIBT | W;
            m->wert_b[8 + k] = k;
            m->prozeduren[8 + k] = nullptr;
            m->unterlisten[8 + k] = Spieler_Kontext_Anweisung_Untermenue_Erzeugen;
        }
    }
    return m;
}

Menue_Kontextmenue* Spieler_Kontext_Untermenue_Holen(Menue_Kontextmenue*, int32_t eintrag)
{
    switch (eintrag) {
    case 0: return &kader_menue;
    case 1: return &status_menue;
    case 2: return &aufgaben_menue;
    case 3: return &training_menue;
    case 4: return &verein_menue;
    default: return nullptr;
    }
}

Menue_Kontextmenue* Spieler_Kontext_Anweisung_Untermenue_Erzeugen(Menue_Kontextmenue* menue, int32_t eintrag)
{
    if (!menue || eintrag < 0 || eintrag >= MENUE_KONTEXT_EINTRAEGE) return nullptr;
    const int32_t spnr = menue->wert_a[eintrag], k = menue->wert_b[eintrag];
    const bool tw = ist_torwart(spnr);
    if (k < 0 || k >= (tw ? 3 : 5)) return nullptr;
    Menue_Kontextmenue* m = &Kontextmenue_Puffer;
    leeren(m, tw ? TW_ANWEISUNG[k] : FELD_ANWEISUNG[k], menue->wert_c[eintrag], spnr, k, Spieler_Kontext_Anweisung_Call);
    const int32_t jetzt = im_team(Aktuelles_Team, spnr) ? Teamspieler_Wert(330 + k, Aktuelles_Team, spnr, 0, 0) : -1;
    for (int32_t j = 0; const char* t = Spieler_Anweisung_Text(tw, k, j); ++j) {
        m->texte[j] = t;
        m->status[j] = uint16_t(W | RADIO | (j == jetzt ? AN : 0));
    }
    return m;
}

uint8_t Spieler_Kontext_Kader_Call(int32_t eintrag, int32_t, int32_t spnr, int32_t team)
{
    bool ok = false;
    switch (eintrag) {
    case 0: ok = Spieler_In_Aufstellung_Setzen(team, spnr, true); break;
    case 1: ok = Spieler_Auf_Ersatzbank_Setzen(team, spnr, true); break;
    case 2:
        if (im_team(Aktuelles_Team, spnr)) Teamspieler_Wert(317, Aktuelles_Team, spnr, TS_STARTELF | TS_ERSATZ, 4);
        ok = true;
        break;
    case 3:
        if (im_team(Aktuelles_Team, spnr)) {
            Spieler_Probespieler_Entfernen(spnr, true);
            ok = !im_team(Aktuelles_Team, spnr);
        } else {
            ok = Spieler_Probespieler_Aufnehmen(team, spnr);
        }
        break;
    default: return 0;
    }
    if (ok) {
        Spieler_Einsetzen_Nach_Kaderaktion();
        nach_listenaktion();
        // The figures are icons built from the line-up. The squad items close the menu before
        // they act, so rebuilding here paints over no open menu.
        if (Menue_Screen_Icon_Ist_Vorhanden(SE_FIGUR_ERSTE)) Spieler_Einsetzen_Feld_Neu_Zeichnen();
    }
    spieler_neu_zeichnen(spnr, team);
    return ok;
}

uint8_t Spieler_Kontext_Status_Call(int32_t eintrag, int32_t, int32_t spnr, int32_t team)
{
    if (!im_team(Aktuelles_Team, spnr) || team != Aktuelles_Team) return 0;
    if (eintrag == 0) Teamspieler_Wert(316, team, spnr, -1, 1);
    else if (eintrag == 1) Assi_Setze_Spieler_Raum(team, spnr, false, false);
    else return 0;
    figuren_neu();
    spieler_neu_zeichnen(spnr, team);
    return 1;
}

uint8_t Spieler_Kontext_Aufgaben_Call(int32_t eintrag, int32_t, int32_t spnr, int32_t team)
{
    if (eintrag < 0 || eintrag > 3 || !im_team(team, spnr)) return 0;
    const uint32_t bit = AUFGABEN_FLAGS[eintrag];
    if (eintrag == 0 && !(ts_flags(team, spnr) & bit)) {
        int32_t kader[500];
        const int32_t n = Teamspieler_Ins_Array(team, kader, 500, 0);
        for (int32_t k = 0; k < n && k < 500; ++k)
            if (kader[k] != spnr) Teamspieler_Wert(317, team, kader[k], int32_t(bit), 4);
    }
    Teamspieler_Wert(317, team, spnr, int32_t(bit), 2);
    // the open menu shows the marks as they are now
    const Lage l = lage_aus(letzte_lage.icon, spnr, team);
    aufgaben_bauen(l);
    nach_listenaktion();
    spieler_neu_zeichnen(spnr, team);
    return 0;
}

uint8_t Spieler_Kontext_Einzeltraining_Call(int32_t eintrag, int32_t, int32_t spnr, int32_t team)
{
    if (eintrag < 0 || team != Aktuelles_Team || !im_team(team, spnr)) return 0;
    const bool tw = ist_torwart(spnr);
    if (eintrag > (tw ? 3 : 14)) return 0;
    const int32_t art = eintrag == 0 ? -1 : eintrag - 1 + (tw ? 14 : 0);
    // the page's own drop does the move, so its rules and messages hold here too
    Menue_Icon spieler = Menue_Icon_Vorlage(0, -1, 0, 0, 0, 0, 0, 0, 255);
    int32_t alt = -1, slot = -1;
    Spieler_Training_Get_Einzeltraining_Platz(team, spnr, &alt, &slot);
    if (alt >= 0) {
        spieler.nummer = int16_t(TRAINING_SLOT_ERSTER + 3 * alt + slot);
        spieler.kennung_2 = int16_t(3 * alt + slot);
    }
    spieler.kennung_1 = int16_t(spnr);
    Menue_Icon ziel = Menue_Icon_Vorlage(int16_t(art >= 0 ? 1480 + art : 0), -1, 0, 0, 0, 0, 0, 0, 255);
    Spieler_Training_Einzeltraining_Move(&spieler, art >= 0 ? &ziel : nullptr);
    Spieler_Training_Get_Einzeltraining_Platz(team, spnr, &alt, &slot);
    const bool ok = alt == art;
    if (ok && Spieler_Training_Seite_Aktiv() && Menue_Screen_Icon_Ist_Vorhanden(1480)) Spieler_Training_Aufbauen();
    spieler_neu_zeichnen(spnr, team);
    return ok;
}

uint8_t Spieler_Kontext_Verein_Call(int32_t eintrag, int32_t, int32_t spnr, int32_t team)
{
    switch (eintrag) {
    case 0: return detail(team, spnr, 4);
    case 1: return detail(team, spnr, 3);
    case 2: Spieler_Freigabe_Umschalten(team, spnr, true); spieler_neu_zeichnen(spnr, team); return 0;
    default: return 0;
    }
}

uint8_t Spieler_Kontext_Info_Call(int32_t, int32_t, int32_t spnr, int32_t team) { return detail(team, spnr, 0); }

uint8_t Spieler_Kontext_Beobachten_Call(int32_t, int32_t, int32_t spnr, int32_t team)
{
    auto* liste = Aktuelles_Team >= 0 ? static_cast<int16_t*>(Team_Zeiger(TEAM_BEOBACHTET, Aktuelles_Team, nullptr, 0))
                                      : nullptr;
    if (!liste || spnr < 0 || spnr >= Spieler_Anzahl) return 0;
    if (Spieler_Ist_Beobachtet(Aktuelles_Team, spnr)) {
        Spieler_Beobachtet_Entfernen(Aktuelles_Team, spnr);
    } else if (std::find(liste, liste + TEAM_BEOBACHTET_ANZAHL, int16_t(-1)) == liste + TEAM_BEOBACHTET_ANZAHL) {
        char text[80];
        std::snprintf(text, sizeof text, "Sie können nur maximal %d Spieler beobachten!", TEAM_BEOBACHTET_ANZAHL);
        meldung(0, text);
        return 0;
    } else {
        Spieler_Beobachtet_Hinzufuegen(Aktuelles_Team, spnr);
    }
    spieler_neu_zeichnen(spnr, team);
    return 1;
}

uint8_t Spieler_Kontext_Anweisung_Call(int32_t option, int32_t icon, int32_t spnr, int32_t k)
{
    const int32_t t = Aktuelles_Team;
    if (!im_team(t, spnr) || !Spieler_Anweisung_Text(ist_torwart(spnr), k, option)) return 0;
    Teamspieler_Wert(330 + k, t, spnr, option, 1);
    const int32_t modus = Spieler_Einsetzen_Get_Modus(t);
    const uint32_t bit = modus ? 8 : 4;
    if (Team_Wert(170 + modus, t, 0, 0) != -1 && icon >= 0 && Team_Hat_Manager(t) &&
        (Manager_Icon_Word_Data_Lesen(t, icon) & bit) && Menue_Screen_Icon_Ist_Vorhanden(icon) &&
        Menue_Screen_Icon_Ist_Vorhanden(1290))
        figuren_neu();
    spieler_neu_zeichnen(spnr, t);
    return 1;
}

int32_t Spieler_Kontext_Zentrieren_Schleife(int32_t oben, int32_t h, int32_t schritt, int32_t position, int32_t min,
                                            int32_t max, const std::function<int32_t(int32_t)>& scrollen)
{
    const int32_t lo = 177 - h / 2, hi = 419 - h / 2, mitte = 298 - h / 2;
    // a step below one would never move; one wider than the band could jump over it
    const int32_t s = std::clamp(schritt, 1, hi - lo);
    for (int32_t runde = 0; runde < 100000 && (oben < lo || oben > hi); ++runde) {
        const int32_t neu = std::clamp(position + (oben < mitte ? -s : s), std::min(min, max), std::max(min, max));
        if (neu == position) break;
        position = neu;
        oben = scrollen ? scrollen(position) : oben;
    }
    return position;
}

uint8_t Spieler_Kontext_Zentrieren_Call(int32_t, int32_t, int32_t spnr, int32_t)
{
    Menue_Icon* knopf = nullptr;
    for (int32_t n : {1247, 1259, 1339})
        if (!knopf && Menue_Screen_Icon_Ist_Vorhanden(n)) knopf = Menue_Screen_Icon_Aus_Nummer(n);
    if (!knopf || Aktuelles_Team < 0) {
        Print_Fehler("Spieler_Kontext_Zentrieren_Call: scrollbutton_icon=NULL");
        return 0;
    }
    if (Spieler_Kontext_Zentriert == spnr) return 1;
    Menue_Icon* kopf = nullptr;
    for (int32_t n = 0; n < ANZ_SCREEN_ICONS && !kopf; ++n)
        if (Menue_Icon* i = Menue_Screen_Icon_Aus_Nummer(n))
            if (i->kennung_1 == spnr && i->scrollscreen == knopf->scrollscreen && i != knopf) kopf = i;
    Scrollscreen* s = knopf->scrollscreen < 255 ? Menue_Get_Scrollscreen(knopf->scrollscreen) : nullptr;
    if (!kopf || !s) return 0;
    const int32_t maximal = std::max(0, s->hoehe - s->sicht_hoehe);
    Spieler_Kontext_Zentrieren_Schleife(kopf->y, kopf->hoehe, Menue_Scrollbar_Rad_Schritt(knopf), s->position, 0,
                                        maximal, [&](int32_t p) {
                                            s->position = p;
                                            Menue_Scrollscreen_Verschiebung(knopf->scrollscreen);
                                            return int32_t(kopf->y);
                                        });
    Spieler_Kontext_Zentriert = spnr;
    knopf->refresh = 1;
    return 1;
}

Menue_Kontextmenue* Spieler_Angebot_Kontext_Menue_Erzeugen(Menue_Icon* icon)
{
    if (!icon) return nullptr;
    Menue_Kontextmenue* m = &Kontext_Menue;
    leeren(m, "Ihr Vertragsangebot", icon->nummer, icon->kennung_1, icon->kennung_2, Spieler_Angebot_Kontext_Menue_Jump);
    m->texte[0] = "Angebot zurückziehen";
    m->status[0] = W;
    return m;
}

namespace {
// The player's offer from that bidding club, false when there is none.
bool angebot_finden(int32_t spnr, int32_t bieter, Spieler_Angebot* aus)
{
    Spieler_Angebot a[30];
    const int32_t n = spnr >= 0 && spnr < Spieler_Anzahl ? Richter_Get_Spieler_Angebote(spnr, a, 30, nullptr) : 0;
    for (int32_t k = 0; k < n && k < 30; ++k)
        if (a[k].bieter == bieter && bieter >= 0) {
            *aus = a[k];
            return true;
        }
    return false;
}
}  // namespace

namespace {
// Withdraws (or with `melden` rejects) the bidding club's offer for the player.
uint8_t angebot_beenden(int32_t spnr, int32_t bieter, bool melden, const char* wer)
{
    Spieler_Angebot a{};
    if (!angebot_finden(spnr, bieter, &a)) {
        Print_Fehler("%s: Angebot nicht gefunden!", wer);
        return 0;
    }
    Richter_Set_Spieler_Angebot(&a, true, melden);
    Spieler_Angebot_Abschicken(nullptr, 0);
    return 1;
}
}  // namespace

uint8_t Spieler_Angebot_Kontext_Menue_Jump(int32_t, int32_t, int32_t spnr, int32_t)
{
    return angebot_beenden(spnr, Aktuelles_Team, false, "Spieler_Angebot_Kontext_Menue_Jump");
}

Menue_Kontextmenue* Spieler_Angebot_Ablehnen_Kontext_Menue_Erzeugen(Menue_Icon* icon)
{
    if (!icon) return nullptr;
    Menue_Kontextmenue* m = &Kontext_Menue;
    leeren(m, "Vertragsangebot", icon->nummer, icon->kennung_1, icon->kennung_2,
           Spieler_Angebot_Ablehnen_Kontext_Menue_Jump);
    m->texte[0] = "Angebot ablehnen";
    m->status[0] = W;
    return m;
}

uint8_t Spieler_Angebot_Ablehnen_Kontext_Menue_Jump(int32_t, int32_t, int32_t spnr, int32_t bieter)
{
    return angebot_beenden(spnr, bieter, true, "Spieler_Angebot_Ablehnen_Kontext_Menue_Jump");
}

int32_t Spieler_Angebot_Annehmen(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    const int32_t spnr = icon->kennung_1, bieter = icon->kennung_2;
    Spieler_Angebot a{};
    if (!angebot_finden(spnr, bieter, &a)) return 0;
    const char* verein = Team_String(TEAM_NAME_ROH, bieter, nullptr, 0);
    char frage[200];
    std::snprintf(frage, sizeof frage, "Sind Sie sicher, daß Sie den Vertrag mit %s abschließen möchten ?",
                  verein ? verein : "");
    if (!Menue_Requester(2, Aktuelles_Team, frage, "Ja, ich weiß, was ich tue!", "Nee... lieber doch nicht...", 0))
        return 0;
    // accepted: the arbiter keeps the offer marked and settles it at the end of the round
    a.angenommen = 1;
    Richter_Set_Spieler_Angebot(&a, false, false);
    meldung(1, "Der Transfer ist damit rechtskräftig und wird nach dieser Menürunde nochmals bestätigt. Beachten Sie "
               "bitte die entsprechende Nachricht in Ihrem Briefkasten.");
    Spieler_Angebot_Abschicken(nullptr, 0);
    return 1;
}
