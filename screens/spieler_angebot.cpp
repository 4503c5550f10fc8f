#include "screens/spieler_angebot.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "competitions/statistik.h"
#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "graphics/grafik_farbe.h"
#include "screens/spieler_hilfetext.h"
#include "screens/spieler_liga_zahlen.h"
#include "screens/spieler_liste.h"
#include "screens/spieler_training.h"
#include "screens/spieler_versicherung.h"
#include "toolkit/requester.h"

Spieler_Angebot Spieler_Angebot_Formular;
Spieler_Formular_Zustand Spieler_Formular;

namespace {

constexpr int32_t ANGEBOTE_MAX = 30;
const char* const POSITIONEN[4] = {"Torhüter", "Abwehrspieler", "Mittelfeldspieler", "Stürmer"};

std::string format(const char* f, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char* f, ...)
{
    char b[700];
    va_list a;
    va_start(a, f);
    std::vsnprintf(b, sizeof b, f, a);
    va_end(a);
    return b;
}

const char* team_name(int32_t team)
{
    const char* n = team >= 0 ? Team_String(TEAM_NAME, team, nullptr, 0) : nullptr;
    return n ? n : "";
}

const char* spieler_name(int32_t spnr)
{
    const char* n = Spieler_String(SP_VOLLNAME, spnr, nullptr, 0);
    return n ? n : "";
}

const char* geld(int32_t dm) { return Bank_Betrag_String(float(dm), Aktuelles_Team, -1, 0); }

int32_t art_von(int32_t spnr)
{
    const int32_t a = Spieler_Wert(SP_ART, spnr, 0, SP_LESEN);
    return a >= 0 && a < 4 ? a : 1;
}

uint32_t flags(int32_t team, int32_t spnr) { return uint32_t(Teamspieler_Wert(317, team, spnr, 0, 0)); }

// A trial player's contract stays with the club he came from.
int32_t vertrags_team(int32_t team, int32_t spnr)
{
    if (flags(team, spnr) & TS_PROBE) {
        const int32_t herkunft = Teamspieler_Wert(318, team, spnr, 0, 0);
        if (herkunft >= 0 && Teamspieler_Get_Record(herkunft, spnr)) return herkunft;
    }
    return team;
}

// Value (thousand DM) and salary demand (thousand DM per year) at the player's club.
void bewerten(int32_t team, int32_t spnr, int32_t monate, int32_t* gehalt, int32_t* wert)
{
    int32_t g = 0, w = 0;
    Spieler_Bewerte_Marktwert_Gehalt(team, spnr, -1, -1, monate, &g, &w, 0);
    if (gehalt) *gehalt = g;
    if (wert) *wert = w;
}

std::string dauer_text(int32_t monate)
{
    std::string s;
    if (monate >= 12) s = format("%d %s", monate / 12, Spieler_Wortform(monate / 12, "Jahr", "Jahre"));
    if (monate % 12) {
        if (!s.empty()) s += " und ";
        s += format("%d %s", monate % 12, Spieler_Wortform(monate % 12, "Monat", "Monate"));
    }
    return s;
}

void vertrag_zeilen(int32_t team, int32_t spnr, std::vector<std::string>* z)
{
    const bool probe = flags(team, spnr) & TS_PROBE;
    const int32_t vt = vertrags_team(team, spnr);
    z->push_back("Vertragsdauer^tl0190: " + dauer_text(Teamspieler_Wert(305, vt, spnr, 0, 0)));
    const int32_t gehalt = Teamspieler_Wert(301, vt, spnr, 0, 0);
    std::string jahr = geld(gehalt);
    z->push_back(format("Jahresgehalt^tl0190: %s (%s pro Monat)", jahr.c_str(), geld(gehalt / 12)));
    const int32_t herkunft = Teamspieler_Wert(318, team, spnr, 0, 0);
    const char* frei = flags(team, spnr) & TS_TRANSFERLISTE ? "ja" : "nein";
    if (probe)
        z->push_back(format("Probespieler von^tl0190: %s", team_name(herkunft)));
    else if (herkunft == -1 || herkunft == team)
        z->push_back(format("Ausgeliehen / Freigegeben^tl0190: nein / %s", frei));
    else
        z->push_back(format("Ausgeliehen / Freigegeben^tl0190: von %s / %s", team_name(herkunft), frei));
    int32_t wert = 0;
    bewerten(vt, spnr, Teamspieler_Wert(305, vt, spnr, 0, 0), nullptr, &wert);
    if (team == Aktuelles_Team && !probe) {
        z->push_back(format("Marktwert^tl0190: ca. %s", geld(wert * 1000)));
        z->push_back(Spieler_Zufriedenheit_Text(Teamspieler_Wert(306, team, spnr, 0, 0)));
    } else {
        z->push_back(format("Akt. Ablösesumme^tl0190: ca. %s", geld(wert * 1000)));
    }
    int32_t ziel = -1;
    if (Richter_Spieler_Wechsel_Nach_Vertragsende_Suchen(spnr, &ziel, nullptr, nullptr) && ziel >= 0)
        z->push_back(format("Wechsel nach Vertragsende^tl0190: zu %s", team_name(ziel)));
    else
        z->push_back(format("Vorliegende Angebote^tl0190: %d", Richter_Get_Spieler_Angebote(spnr, nullptr, 0, nullptr)));
}

void markt_zeilen(int32_t spnr, std::vector<std::string>* z)
{
    int32_t gehalt = 0;
    bewerten(Transfermarkt_Team, spnr, 24, &gehalt, nullptr);
    z->push_back(format("Gehaltsvorstellung^tl0190: %s / Jahr", geld(gehalt * 1000)));
    z->push_back("Akt. Ablösesumme^tl0190: keine");
}

void seite_allgemein(int32_t team, int32_t spnr, std::vector<std::string>* z)
{
    const int32_t nation = Spieler_Wert(SP_NATION, spnr, 0, SP_LESEN);
    const char* land = nation >= 0 && nation < Team_Anzahl ? Team_String(TEAM_NAME_ROH, nation, nullptr, 0) : nullptr;
    z->push_back(format("Nation^tl0190: %s (^gll%04d)", land ? land : "", nation));
    const uint32_t fl = flags(team, spnr);
    if (team == Transfermarkt_Team) {
        markt_zeilen(spnr, z);
    } else {
        if (fl & TS_STARTELF) {
            z->push_back("Aktueller Status^tl0190: ^bbEingesetzt^be");
        } else if (fl & TS_ERSATZ) {
            z->push_back("Aktueller Status^tl0190: Ersatzbank");
        } else if (fl & TS_ARZT) {
            const char* v = Spieler_Verletzung_Name(Spieler_Wert(SP_VERLETZUNG_ART, spnr, 0, SP_LESEN));
            z->push_back(format("Aktueller Status^tl0190: Verletzt (%s)", v ? v : ""));
            const int32_t w = Spieler_Wert(SP_VERLETZUNG_TAGE, spnr, 0, SP_LESEN) / 7 + 1;
            z->push_back(format("Verletzungsdauer^tl0190: noch ca. %d %s", w, Spieler_Wortform(w, "Woche", "Wochen")));
            if (team == Aktuelles_Team && Team_Hat_Manager(team)) {
                const int32_t arzt = Assistent_Arzt_Fuer_Verletzung(team, spnr, nullptr);
                z->push_back(arzt >= 0 && arzt < ASSI_SLOTS
                                 ? format("Behandlung durch^tl0190: %s", Aerzte_Tabelle[arzt].name)
                                 : std::string("Behandlung durch^tl0190: kein Arzt verpflichtet"));
            }
        } else {
            z->push_back("Aktueller Status^tl0190: Im erweiterten Kader");
        }
        vertrag_zeilen(team, spnr, z);
        std::string aufgaben;
        const std::pair<uint32_t, const char*> rollen[] = {
            {TS_KAPITAEN, "Kapitän"}, {0x4000, "Freistoß"}, {0x8000, "Elfmeter"}, {0x10000, "Eckball"}};
        for (const auto& [bit, name] : rollen)
            if (fl & bit) aufgaben += (aufgaben.empty() ? "" : ", ") + std::string(name);
        z->push_back("Aufgaben im Team^tl0190: " + (aufgaben.empty() ? std::string("keine") : aufgaben));
    }
    const bool torwart = art_von(spnr) == 0;
    if (!torwart)
        z->push_back(format("Kond. / Intell. / Techn.^tl0190: %d  /  %d  /  %d", Spieler_Wert(SP_KO, spnr, 0, 0),
                            Spieler_Wert(SP_IN, spnr, 0, 0), Spieler_Wert(SP_TE, spnr, 0, 0)));
    z->push_back(format("Form^tl0190: %d %%", Spieler_Wert(SP_FORM, spnr, 0, SP_LESEN)));
    z->push_back(format("Spiel-Erschöpfung^tl0190: %d", Spieler_Wert(SP_SPIEL_ERSCHOEPFUNG, spnr, 0, SP_LESEN)));
    const Spieler_Liga_Zahlen liga = Spieler_Liga_Zahlen_Holen(team, spnr);
    // the card glyphs are slave pictures, named in the text by their handles
    const uint32_t gelb = Spieler_Einsetzen_Marken_Handle({57, true}), gelb_rot = Spieler_Einsetzen_Marken_Handle({58, true}),
                   rot = Spieler_Einsetzen_Marken_Handle({59, true});
    z->push_back(format("Karten^tl0190: ^gnk%#010x = %d  /  ^gnk%#010x = %d  /  ^gnk%#010x = %d%s", gelb, liga.gelb,
                        gelb_rot, liga.gelb_rot, rot, liga.rot, fl & 0x80000 ? " (Sperre droht!)" : ""));
    z->push_back(format("Einsätze (Liga)^tl0190: %d", liga.einsaetze));
    if (torwart) {
        z->push_back(format("Gehaltene Bälle (Liga)^tl0190: %d", liga.paraden));
    } else {
        z->push_back(format("Tore (Liga)^tl0190: %d", liga.tore));
        z->push_back(format("Vorlagen (Liga)^tl0190: %d", liga.vorlagen));
        z->push_back(format("Scores (Liga)^tl0190: %d", liga.tore + liga.vorlagen));
        z->push_back(format("Tore pro Spiel (Liga)^tl0190: %d.%d", liga.pro_spiel, liga.pro_spiel_zehntel));
    }
}

int32_t vergleichs_staerke(int32_t spnr)
{
    return Spieler_Wert(art_von(spnr) == 0 ? SP_TORWART_STAERKE : SP_K_I_T, spnr, 0, SP_LESEN);
}

void seite_training(int32_t team, int32_t spnr, std::vector<std::string>* z)
{
    std::string training = "??? (nur für eigene Spieler)";
    if (team == Aktuelles_Team) {
        const int32_t k = Spieler_Training_Get_Einzeltraining_Platz(team, spnr);
        training = k >= 0 ? Spieler_Training_Art_Name(k) : "keins";
    }
    z->push_back("Einzeltraining^tl0260: " + training);
    z->push_back(format("Trainingserschöpfung^tl0260: %d Prozent",
                        Spieler_Wert(SP_TRAININGS_ERSCHOEPFUNG, spnr, 0, SP_LESEN)));
    int32_t liste[500];
    const int32_t n = Teamspieler_Ins_Array(team, liste, 500, 0);
    int32_t platz = 1;
    const int32_t meine = vergleichs_staerke(spnr);
    for (int32_t k = 0; k < n; ++k)
        if (vergleichs_staerke(liste[k]) > meine) ++platz;
    z->push_back(format("Stärkeplatz im Team^tl0260: %d. (von %d)", platz, n));
    Statistik_Spieler s{};
    if (Netz_Rolle == 1 || !Spiele_Get_Statistik_Spieler(spnr, &s)) return;
    z->push_back(format("Tore in der Karriere^tl0260: %d", s.tore));
    z->push_back(format("Gesamte Einsätze in der Karriere^tl0260: %d", s.einsaetze));
    z->push_back(format("Internationale Einsätze in der Karriere^tl0260: %d", s.international));
    z->push_back(format("Absolvierte Spielminuten in der Karriere^tl0260: %d", s.minuten));
    int32_t rein = 0, raus = 0;
    for (uint8_t n16 : s.noten) {
        if (n16 == 255) continue;
        rein += (n16 & STAT_NOTE_EINGEWECHSELT) != 0;
        raus += (n16 & STAT_NOTE_AUSGEWECHSELT) != 0;
    }
    z->push_back(format("Einwechselungen der letzten 16 Spiele^tl0260: %d", rein));
    z->push_back(format("Auswechselungen der letzten 16 Spiele^tl0260: %d", raus));
}

void seite_vertrag(int32_t team, int32_t spnr, std::vector<std::string>* z)
{
    if (team == Transfermarkt_Team) {
        markt_zeilen(spnr, z);
        return;
    }
    vertrag_zeilen(team, spnr, z);
    if (team == Aktuelles_Team) return;
    int32_t anzahl[4] = {};
    const int32_t prozent = Spieler_Transfer_Aufschlag(team, spnr, anzahl);
    const int32_t art = art_von(spnr);
    if (prozent > 100 && prozent < 9999)
        z->push_back(format("%s verfügt (abzügl. Verletzte, Gesperrte & Wechsler) nur über lediglich ^bb%d %s^be.^lEs ist "
                            "daher mit einem Ablöse-Aufschlag von ca. ^bb%d Prozent^be zu rechnen (bereits unten enthalten).",
                            team_name(team), anzahl[art] - 1, POSITIONEN[art], prozent - 100));
    else if (prozent >= 9999)
        z->push_back(format("%s verfügt (abzügl. Verletzte, Gesperrte & Wechsler) über zuwenig ^bb%s^be.^lAuf ein Kauf- "
                            "oder Leih-Angebot wird der Club daher sicherlich nicht eingehen.",
                            team_name(team), POSITIONEN[art]));
}

}  // namespace

int32_t Spieler_Transfer_Aufschlag(int32_t verein, int32_t spnr, int32_t* anzahl)
{
    int32_t zahl[4] = {}, bedarf = 100, ueberschuss = 0;
    if (verein == Transfermarkt_Team || verein == Jugend_Team) {
        if (anzahl) std::memset(anzahl, 0, 4 * sizeof(int32_t));
        return 100;
    }
    Richter_Get_Transfer_Artzahl(verein, spnr, zahl, &bedarf, &ueberschuss);
    if (anzahl) std::memcpy(anzahl, zahl, sizeof zahl);
    if (verein != Aktuelles_Team && bedarf > 100 && bedarf < 9999) bedarf = art_von(spnr) == 0 ? 175 : 150;
    return bedarf;
}

int32_t Spieler_Transfer_Preis(int32_t wert, int32_t prozent)
{
    if (prozent >= 9999) return 99999999;
    return wert / 100 * prozent;
}

Spieler_Dauer_Grenzen Spieler_Angebot_Dauer_Grenzen(bool eigener_spieler, int32_t monate_rest, bool mit_leihe)
{
    Spieler_Dauer_Grenzen g{12, 60, false};
    if (eigener_spieler) g.min = monate_rest / 12 * 12 + 12;
    if (mit_leihe) g.max = (monate_rest - 6) / 12 * 12;
    if (g.min > g.max) {
        g.gesperrt = true;
        g.max = g.min;
    }
    return g;
}

const char* Spieler_Zufriedenheit_Text(int32_t wert)
{
    if (wert < 25) return "Zufriedenheit^tl0190: sehr gering";
    if (wert < 40) return "Zufriedenheit^tl0190: gering";
    if (wert <= 60) return "Zufriedenheit^tl0190: mittel";
    if (wert < 80) return "Zufriedenheit^tl0190: groß";
    return "Zufriedenheit^tl0190: sehr groß";
}

void Spieler_Angebot_Formular_Vorbereiten(int32_t team, int32_t spnr)
{
    Spieler_Formular_Zustand& f = Spieler_Formular;
    f = Spieler_Formular_Zustand{};
    Spieler_Angebot_Formular = Spieler_Angebot{};
    if (team < 0 || spnr < 0 || spnr >= Spieler_Anzahl || !Teamspieler_Get_Record(team, spnr)) {
        f.taub = true;
        for (bool& g : f.grau) g = true;
        return;
    }
    const bool probe = flags(team, spnr) & TS_PROBE;
    f.team = team;
    f.spnr = spnr;
    f.besitzer = vertrags_team(team, spnr);
    f.monate_rest = Teamspieler_Wert(305, f.besitzer, spnr, 0, 0);
    int32_t gehalt = 0;
    bewerten(f.besitzer, spnr, f.monate_rest, &gehalt, &f.wert);
    f.prozent = Spieler_Transfer_Aufschlag(f.besitzer, spnr, nullptr);
    f.preis = Spieler_Transfer_Preis(f.wert, f.prozent);

    Spieler_Angebot& a = Spieler_Angebot_Formular;
    a.tag = uint32_t(Kalender_Get_Heute());
    a.bieter = uint16_t(Aktuelles_Team);
    a.verein = uint16_t(f.besitzer);
    a.spnr = uint16_t(spnr);
    a.geduld = -1;

    const int32_t herkunft = Teamspieler_Wert(318, team, spnr, 0, 0);
    const bool geliehen = !probe && herkunft != -1 && herkunft != team;
    const bool ohne_kauf = team == Transfermarkt_Team || team == Aktuelles_Team || probe;
    if (geliehen) {
        f.grau[0] = f.grau[1] = f.grau[2] = f.grau[3] = true;
    } else {
        f.grau[1] = f.grau[2] = ohne_kauf;
        a.abloese = uint16_t(ohne_kauf ? 0 : std::clamp(f.preis, 0, 9999));
    }
    if (f.monate_rest < 18) f.grau[2] = true;
    a.leihgebuehr = 0;
    a.gehalt = uint16_t(std::clamp(gehalt, 10, 9999));
    f.dauer = Spieler_Angebot_Dauer_Grenzen(team == Aktuelles_Team && !probe, f.monate_rest, false);
    a.monate = uint16_t(f.dauer.min);
    if (f.dauer.gesperrt) f.grau[3] = f.grau[4] = true;
    else Spieler_Angebot_Dauer_Setzen(f.dauer.min);

    int32_t fixiert = -1;
    Richter_Get_Spieler_Angebote(spnr, nullptr, 0, &fixiert);
    if (fixiert >= 0 || Richter_Spieler_Wechsel_Nach_Vertragsende_Suchen(spnr, nullptr, nullptr, nullptr)) f.taub = true;
}

void Spieler_Angebot_Dauer_Setzen(int32_t monate)
{
    const Spieler_Formular_Zustand& f = Spieler_Formular;
    Spieler_Angebot& a = Spieler_Angebot_Formular;
    if (f.spnr < 0 || f.grau[3]) return;
    a.monate = uint16_t(std::clamp(monate, f.dauer.min, f.dauer.max));
    // The salary follows the length the player is asked to sign for: he wants more for a long
    // contract, and a market player's demand is the whole offer he reads.
    int32_t gehalt = 0, abloese = 0;
    if (a.leihgebuehr == 0) {
        bewerten(f.besitzer, f.spnr, a.monate, &gehalt, nullptr);
    } else {
        Spieler_Bewerte_Marktwert_Gehalt_Angebot(f.besitzer, f.spnr, -1, -1, a.monate, &gehalt, &abloese, 0);
        a.leihgebuehr = uint16_t(std::clamp(Spieler_Transfer_Preis(abloese, f.prozent), 1, 9999));
    }
    a.gehalt = uint16_t(std::clamp(gehalt, 10, 9999));
}

void Spieler_Angebot_Leihe_Setzen(int32_t leihgebuehr)
{
    Spieler_Formular_Zustand& f = Spieler_Formular;
    Spieler_Angebot& a = Spieler_Angebot_Formular;
    if (f.spnr < 0 || f.grau[2]) return;
    a.leihgebuehr = uint16_t(std::clamp(leihgebuehr, 0, 9999));
    const bool eigener = f.team == Aktuelles_Team && !(flags(f.team, f.spnr) & TS_PROBE);
    f.dauer = Spieler_Angebot_Dauer_Grenzen(eigener, f.monate_rest, a.leihgebuehr != 0);
    a.monate = uint16_t(std::clamp(int32_t(a.monate), f.dauer.min, f.dauer.max));
    f.grau[3] = f.grau[4] = f.dauer.gesperrt;
    f.grau[0] = a.leihgebuehr != 0;
    f.grau[1] = a.leihgebuehr != 0 || f.team == Aktuelles_Team || f.team == Transfermarkt_Team;
}

bool Spieler_Angebot_Senden()
{
    const Spieler_Formular_Zustand& f = Spieler_Formular;
    Spieler_Angebot& a = Spieler_Angebot_Formular;
    if (f.spnr < 0 || f.taub || f.grau[4]) return false;
    std::string text;
    const int32_t jahre = a.monate / 12;
    const char* jahr_wort = Spieler_Wortform(jahre, "Jahr", "Jahre");
    if (f.besitzer == Transfermarkt_Team || a.leihgebuehr == 0) {
        if (f.besitzer == Transfermarkt_Team) {
            text = format("Ihr Transfer-Angebot wurde %s soeben schriftlich zugestellt. Er wird sich in ein paar Tagen "
                          "entscheiden...", spieler_name(f.spnr));
        } else if (a.abloese != 0) {
            text = format("Ihr Angebot zur SOFORTIGEN Verpflichtung von %s wurde dem Vorstand von %s soeben schriftlich "
                          "zugestellt. Eine Entscheidung darüber wird in Kürze erwartet...",
                          spieler_name(f.spnr), team_name(f.besitzer));
        } else if (f.besitzer == Aktuelles_Team) {
            text = format("Ihr Angebot an %s, seinen jetzigen Vertrag auf %d %s zu verlängern, wurde ihm soeben "
                          "schriftlich zugestellt. Er wird sich in Kürze entscheiden.",
                          spieler_name(f.spnr), jahre, jahr_wort);
        } else {
            if (Wettbewerb_Ist_International(Team_Wert(TEAM_LIGA_FEST, f.besitzer, 0, 0))) {
                Menue_Requester(1, Aktuelles_Team,
                                "Vereinen, die in keiner \"echten\" Liga mitspielen (z.B. viele Teams aus dem EUFA-Pokal), "
                                "können Sie aus programm-internen Gründen kein Angebot zur Übernahme nach Vertragsablauf "
                                "machen. Versuchen Sie es doch mit einem Direktkauf, indem Sie eine Ablösesumme bieten.",
                                nullptr, nullptr, 0);
                return false;
            }
            text = format("Ihr Angebot an %s, nach Ablauf des jetzigen Vertrages sein nächster Brötchengeber zu werden, "
                          "wurde ihm soeben schriftlich zugestellt. Er wird sich in Kürze entscheiden.",
                          spieler_name(f.spnr));
        }
    } else {
        a.abloese = 0;
        text = format("Ihr Angebot an %s, den Spieler %s BALDMÖGLICHST für %d %s auszuleihen, wurde dem Verein soeben "
                      "schriftlich zugestellt. Eine Entscheidung wird in Kürze erwartet...",
                      team_name(f.besitzer), spieler_name(f.spnr), jahre, jahr_wort);
    }
    Menue_Requester(1, Aktuelles_Team, text.c_str(), nullptr, nullptr, 0);
    Richter_Spieler_Angebot_Hinzufuegen(&a);
    return true;
}

int32_t Spieler_Angebot_Abschicken(Menue_Icon* icon, uint32_t)
{
    const int32_t team = Spieler_Formular.team, spnr = Spieler_Formular.spnr;
    const bool gesendet = icon && Spieler_Angebot_Senden();
    Spieler_Angebot_Formular_Vorbereiten(team, spnr);
    return gesendet ? 1 : 0;
}

int32_t Spieler_Angebot_Schluessel(int32_t bieter)
{
    const char* n = bieter >= 0 ? Team_String(TEAM_NAME_ROH, bieter, nullptr, 0) : nullptr;
    int32_t key = 0;
    const int32_t gewicht[4] = {1000, 100, 10, 1};
    for (int32_t k = 0; k < 4 && n && n[k]; ++k) key += int32_t(static_cast<int8_t>(n[k])) * gewicht[k];
    if (bieter >= 0 && Team_Hat_Manager(bieter)) key -= 100000;
    if (bieter == Aktuelles_Team) key -= 1000000;
    return key;
}

int32_t Spieler_Angebot_Liste(int32_t spnr, Spieler_Angebot* aus, int32_t* fixiert)
{
    int32_t fest = -1;
    int32_t n = std::min(Richter_Get_Spieler_Angebote(spnr, aus, ANGEBOTE_MAX, &fest), ANGEBOTE_MAX);
    if (fixiert) *fixiert = fest;
    if (fest >= 0) {
        int32_t m = 0;
        for (int32_t k = 0; k < n; ++k)
            if (aus[k].bieter == fest) aus[m++] = aus[k];
        n = m;
    }
    std::stable_sort(aus, aus + n, [](const Spieler_Angebot& x, const Spieler_Angebot& y) {
        return Spieler_Angebot_Schluessel(x.bieter) < Spieler_Angebot_Schluessel(y.bieter);
    });
    return n;
}

void Spieler_Angebot_Liste_Zeilen(int32_t team, int32_t spnr, std::vector<std::string>* zeilen)
{
    zeilen->clear();
    // A trial player's offers are made to the club he came from (the market, or his club): the
    // lines read as on his own page there, not as his new club's extensions.
    const bool da =
        team >= 0 && team < Team_Anzahl && spnr >= 0 && spnr < Spieler_Anzahl && Teamspieler_Get_Record(team, spnr);
    const int32_t verein = da ? vertrags_team(team, spnr) : team;
    Spieler_Angebot a[ANGEBOTE_MAX];
    int32_t fixiert = -1;
    const int32_t n = Spieler_Angebot_Liste(spnr, a, &fixiert);
    for (int32_t k = 0; k < n; ++k) {
        const Spieler_Angebot& o = a[k];
        const int32_t jahre = o.monate / 12;
        const char* jw = Spieler_Wortform(jahre, "Jahr", "Jahre");
        std::string g = geld(o.gehalt * 1000);
        std::string z;
        if (o.leihgebuehr)
            z = format("Angebot Nr. %2d von %s: AUSLEIHEN für %d %s.^lGebotener Betrag: %s", k + 1, team_name(o.bieter),
                       jahre, jw, geld(o.leihgebuehr * 1000));
        else if (o.abloese && o.bieter != verein)
            z = format("Angebot Nr. %2d von %s: DIREKTKAUF für %s^lGehalt %s, %d %s.", k + 1, team_name(o.bieter),
                       geld(o.abloese * 1000), g.c_str(), jahre, jw);
        else if (o.bieter == verein)
            z = format("Angebot Nr. %2d von %s: VERTRAGSVERLÄNGERUNG.^lGebotenes Gehalt: %s für %d %s.", k + 1,
                       team_name(o.bieter), g.c_str(), jahre, jw);
        else if (verein == Transfermarkt_Team)
            z = format("Angebot Nr. %2d von %s:^lGehalt: %s für %d %s.", k + 1, team_name(o.bieter), g.c_str(), jahre, jw);
        else
            z = format("Angebot Nr. %2d von %s: ÜBERNAHME nach Vertragsablauf.^lGebotenes Gehalt: %s für %d %s.", k + 1,
                       team_name(o.bieter), g.c_str(), jahre, jw);
        if (fixiert >= 0 && o.bieter == fixiert) z += " (FIXIERT!)";
        zeilen->push_back(z);
    }
    // The counter runs for every player with offers; the auction is only the market's.
    if (verein == Transfermarkt_Team && Spieler_Wert(SP_ANGEBOTSZAEHLER, spnr, 0, SP_LESEN) > 0) {
        const int32_t tag = Richter_Transfermarkt_Abgang_Datum(spnr);
        const char* datum = tag >= 0 ? Kalender_Get_Datum_String(tag) : nullptr;
        zeilen->push_back(format("Die Auktion findet voraussichtlich am %s statt.", datum ? datum : "?"));
    }
}

std::string Spieler_Info_Titel(int32_t spnr)
{
    return format("^c%05d^tz0296Informationen über %s", Grafik_Farbe(15, 15, 15), spnr >= 0 && spnr < Spieler_Anzahl ? spieler_name(spnr) : "");
}

void Spieler_Info_Seite_Zeilen(int32_t team, int32_t spnr, int32_t seite, std::vector<std::string>* zeilen)
{
    zeilen->clear();
    if (spnr < 0 || spnr >= Spieler_Anzahl || !Teamspieler_Get_Record(team, spnr)) return;
    switch (seite) {
    case 908: seite_allgemein(team, spnr, zeilen); break;
    case 909: seite_training(team, spnr, zeilen); break;
    case 911: {
        char z[7][200];
        const int32_t n = Spieler_Versicherung_Info_Zeilen(team, spnr, z);
        for (int32_t k = 0; k < n; ++k) zeilen->push_back(z[k]);
        break;
    }
    case 912: seite_vertrag(team, spnr, zeilen); break;
    default: break;
    }
}

int32_t Spieler_Info_Beste_Attribute(int32_t spnr, int32_t aus[7])
{
    if (spnr < 0 || spnr >= Spieler_Anzahl) return 0;
    int32_t v[SP_ATTRIBUTVEKTOR] = {};
    Spieler_Attribute(spnr, v, SP_ATTRIBUTE_LESEN);
    int32_t kandidaten[15], n = 0;
    for (int32_t a = 9; a <= 23; ++a)
        if (Spieler_Attribut_Vorhanden(spnr, a, -1)) kandidaten[n++] = a;
    std::stable_sort(kandidaten, kandidaten + n, [&v](int32_t x, int32_t y) { return v[x] > v[y]; });
    n = std::min(n, 7);
    std::copy(kandidaten, kandidaten + n, aus);
    return n;
}

bool Spieler_Info_Lieblingsposition(int32_t spnr, int32_t links, int32_t oben, int32_t breite, int32_t hoehe,
                                    int32_t* x, int32_t* y)
{
    if (spnr < 0 || spnr >= Spieler_Anzahl || art_von(spnr) == 0) return false;
    const int32_t zelle = Spieler_Wert(SP_LIEBLINGSPOS, spnr, 0, SP_LESEN);
    if (zelle < 0 || zelle >= 459) return false;
    *x = links + (zelle % 17) * breite / 17;
    *y = oben + (27 - zelle / 17) * hoehe / 27;
    return true;
}
