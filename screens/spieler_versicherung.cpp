#include "screens/spieler_versicherung.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "database/datenbank_fern.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "economy/bank.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "platform/print.h"
#include "platform/string_util.h"
#include "screens/spieler_hilfetext.h"
#include "toolkit/requester.h"

const Versicherung_Gesellschaft Versicherung_Gesellschaften[VERSICHERUNG_FIRMEN] = {
    {"Haie, Fische & Partner", "^bbHaie, Fische & Partner^be^lGünstig und manchmal auch zuverlässig...", 1500, 460,
     40},
    {"Bieder, Mann & Partner",
     "^bbBieder, Mann & Partner^be^lDie Integrität von BMP konkurriert mit der Deutschen Bundesbank...", 2400, 360,
     100},
    {"Rouletti Inc.", "^bbRouletti Inc.^be^lWenn Sie mal zahlen, dann aber richtig...", 2400, 600, 30},
    {"Versekura Versicherungen",
     "^bbVersekura Versicherungen^be^lDie Versekura sieht sich Ihrer langjährigen Tradition verpflichtet...", 4200,
     500, 85},
    {"Royal Assekuranz",
     "^bbRoyal Assekuranz^be^lDie TOP-Adresse. Spitze in allen Belangen, allerdings auch im Preis...", 6000, 600, 100},
    {"DeckAllAb GmbH", "^bbDeckAllAb GmbH^be^lVersichert alles und jeden zu reellen Preisen", 3300, 500, 70},
};

Versicherung_Angebot_Eintrag Versicherung_Angebot[VERSICHERUNG_FIRMEN];

namespace {

constexpr int32_t DAUER_FAKTOR[5] = {0, 115, 105, 93, 80};

bool firma_gueltig(int32_t firma) { return firma >= 0 && firma < VERSICHERUNG_FIRMEN; }

int32_t staerke(int32_t spnr) { return Spieler_Wert(SP_K_I_T, spnr, 0, SP_LESEN); }

const char* betrag(int32_t dm, int32_t team) { return Bank_Betrag_String(float(dm), team, -1, 0); }

const char* spieler_name(int32_t spnr)
{
    const char* n = Spieler_String(SP_VOLLNAME, spnr, nullptr, 0);
    return n ? n : "";
}

}  // namespace

int32_t Spieler_Versicherung_Praemie(int32_t firma, int32_t staerke)
{
    if (!firma_gueltig(firma)) return 0;
    return Versicherung_Gesellschaften[firma].praemien_faktor * staerke / 5000 * 500;
}

int32_t Spieler_Versicherung_Kosten(int32_t firma, int32_t staerke, int32_t jahre)
{
    if (!firma_gueltig(firma) || jahre < 1 || jahre > 4) return 0;
    const int32_t basis = Versicherung_Gesellschaften[firma].kosten_faktor * staerke / 10;
    return DAUER_FAKTOR[jahre] * basis / 50000 * 500;
}

bool Spieler_Versicherung_Abschliessen(int32_t team, int32_t spnr, int32_t firma, int32_t jahre)
{
    if (!firma_gueltig(firma) || jahre < 1 || jahre > 4 || !Teamspieler_Get_Record(team, spnr) ||
        Teamspieler_Wert(317, team, spnr, 0, 0) & TS_PROBE)
        return false;
    if (Spieler_Wert(SP_VERLETZUNG_ART, spnr, 0, SP_LESEN) != 0 || Teamspieler_Wert(307, team, spnr, 0, 0) != -1)
        return false;
    const int32_t s = staerke(spnr);
    const int32_t praemie = Spieler_Versicherung_Praemie(firma, s);
    if (praemie == 0) Print_Fehler("Spieler_Versicherung_Klick: Betrag==0!");
    Teamspieler_Wert(307, team, spnr, firma, 1);
    Teamspieler_Wert(302, team, spnr, praemie, 1);
    Teamspieler_Wert(303, team, spnr, jahre * 12, 1);
    Teamspieler_Wert(308, team, spnr, Spieler_Versicherung_Kosten(firma, s, jahre), 1);
    return true;
}

void Spieler_Versichern(int32_t, int32_t spnr)
{
    const int32_t s = spnr >= 0 && spnr < Spieler_Anzahl ? staerke(spnr) : 0;
    for (int32_t f = 0; f < VERSICHERUNG_FIRMEN; ++f) {
        Versicherung_Angebot[f].jahre = 1;
        Versicherung_Angebot[f].kosten_500 = Spieler_Versicherung_Kosten(f, s, 1) / 500;
        Versicherung_Angebot[f].praemie = Spieler_Versicherung_Praemie(f, s);
    }
}

bool Spieler_Versicherung_Klick(int32_t team, int32_t spnr, int32_t firma)
{
    bool grau = false;
    if (!Spieler_Versicherung_Knopf_Aktiv(team, spnr, firma, &grau)) return false;
    const Versicherung_Gesellschaft& g = Versicherung_Gesellschaften[firma];
    char text[600];
    if (Spieler_Wert(SP_VERLETZUNG_ART, spnr, 0, SP_LESEN) != 0) {
        std::snprintf(text, sizeof text,
                      "Sicherlich haben Sie Verständnis dafür, daß auch %s nicht bereit ist, für momentan verletzte "
                      "Spieler einen Vertrag abzuschließen. Versuchen Sie es nochmal, wenn %s wieder gesund ist.",
                      g.name, spieler_name(spnr));
        Menue_Requester(1, team, text, nullptr, nullptr, 0);
        return false;
    }
    const int32_t s = staerke(spnr);
    int32_t jahre = Versicherung_Angebot[firma].jahre;
    if (jahre < 1 || jahre > 4) jahre = 1;
    const int32_t kosten = Spieler_Versicherung_Kosten(firma, s, jahre);
    const int32_t praemie = Spieler_Versicherung_Praemie(firma, s);
    char kosten_text[64];
    std::snprintf(kosten_text, sizeof kosten_text, "%s", betrag(kosten, team));
    std::snprintf(text, sizeof text,
                  "Möchten Sie wirklich bei %s eine Versicherungspolice für %s zum Preis von %s pro Jahr für die "
                  "Dauer von %d %s abschließen ? Im Verletzungfall würden Sie dann %s pro Tag erhalten.",
                  g.name, spieler_name(spnr), kosten_text, jahre, jahre == 1 ? "Jahr" : "Jahren",
                  betrag(praemie, team));
    if (!Menue_Requester(2, team, text, nullptr, nullptr, 0)) return false;
    if (Netz_Rolle == 1)
        return Teamspieler_Internet_Client_Send_Versicherungsabschluss(spnr, firma, jahre, praemie, kosten);
    return Spieler_Versicherung_Abschliessen(team, spnr, firma, jahre);
}

bool Spieler_Versicherung_Knopf_Aktiv(int32_t team, int32_t spnr, int32_t firma, bool* grau)
{
    const bool da = firma_gueltig(firma) && Teamspieler_Get_Record(team, spnr);
    const int32_t versicherer = da ? Teamspieler_Wert(307, team, spnr, 0, 0) : -1;
    if (grau) *grau = !da || (versicherer != -1 && versicherer != firma);
    return da && versicherer == -1;
}

void Spieler_Versicherung_Wippe_Text(int32_t team, int32_t spnr, int32_t firma, char* text, uint32_t groesse)
{
    if (!text || groesse == 0) return;
    text[0] = 0;
    if (!firma_gueltig(firma) || !Teamspieler_Get_Record(team, spnr)) return;
    if (Teamspieler_Wert(307, team, spnr, 0, 0) == firma) {
        const int32_t monate = Teamspieler_Wert(303, team, spnr, 0, 0);
        std::snprintf(text, groesse, "Kosten pro Jahr:\n%s\n(noch %d %s)",
                      betrag(Teamspieler_Wert(308, team, spnr, 0, 0), team), monate,
                      Spieler_Wortform(monate, "Monat", "Monate"));
        return;
    }
    Versicherung_Angebot_Eintrag& a = Versicherung_Angebot[firma];
    if (a.jahre < 1 || a.jahre > 4) a.jahre = 1;
    a.kosten_500 = Spieler_Versicherung_Kosten(firma, staerke(spnr), a.jahre) / 500;
    std::snprintf(text, groesse, "%d J. a %s", a.jahre, betrag(a.kosten_500 * 500, team));
}

int32_t Spieler_Versicherung_Info_Zeilen(int32_t team, int32_t spnr, char zeilen[7][200])
{
    if (!Teamspieler_Get_Record(team, spnr)) return 0;
    const int32_t firma = Teamspieler_Wert(307, team, spnr, 0, 0);
    if (!firma_gueltig(firma)) {
        std::snprintf(zeilen[0], 200, "Momentane Versicherung^tl0190: keine");
        return 1;
    }
    const int32_t monate = Teamspieler_Wert(303, team, spnr, 0, 0);
    std::snprintf(zeilen[0], 200, "Momentane Versicherung^tl0190: %s", Versicherung_Gesellschaften[firma].name);
    std::snprintf(zeilen[1], 200, "Dauer^tl0190: noch %d %s", monate, Spieler_Wortform(monate, "Monat", "Monate"));
    std::snprintf(zeilen[2], 200, "Kosten / Jahr^tl0190: %s", betrag(Teamspieler_Wert(308, team, spnr, 0, 0), team));
    std::snprintf(zeilen[3], 200, "Prämie / Verletzungstag^tl0190: ca. %s",
                  betrag(Teamspieler_Wert(302, team, spnr, 0, 0), team));
    if (!(Teamspieler_Wert(317, team, spnr, 0, 0) & TS_ARZT)) return 4;
    const char* verletzung = Spieler_Verletzung_Name(Spieler_Wert(SP_VERLETZUNG_ART, spnr, 0, SP_LESEN));
    std::snprintf(zeilen[4], 200, "Für die Verletzung (%s) zahlt die Versicherung !^tl0190:",
                  verletzung ? verletzung : "");
    const int32_t tage = Teamspieler_Wert(328, team, spnr, 0, 0);
    const int32_t kassiert = Teamspieler_Wert(327, team, spnr, 0, 0);
    std::snprintf(zeilen[5], 200, "Dauer der Prämienzahlung^tl0190: bisher %d %s", tage,
                  Spieler_Wortform(tage, "Tag", "Tage"));
    char schnitt[80] = "";
    if (tage != 0) std::snprintf(schnitt, sizeof schnitt, "(Schnitt: %s / Tag)", betrag(kassiert / tage, team));
    std::snprintf(zeilen[6], 200, "Kassierte Prämien^tl0190: %s %s", betrag(kassiert, team), schnitt);
    return 7;
}

Versicherung_Karte Spieler_Versicherung_Karte(const char* name, float praemie, int32_t team, int32_t breite)
{
    Versicherung_Karte k;
    const std::string n = name ? name : "";
    // the longest head of words that fits, the rest below (cut to the width when still too long)
    size_t teil = n.size();
    while (Font_Text_Breite(Font(VERSICHERUNG_FONT), n.substr(0, teil).c_str()) > breite) {
        const size_t leer = n.rfind(' ', teil - 1);
        if (leer == std::string::npos || leer == 0) break;
        teil = leer;
    }
    k.name[0] = n.substr(0, teil);
    k.name[1] = teil < n.size() ? n.substr(teil + 1) : "";
    for (std::string& z : k.name) {
        char b[96], kurz[96];
        std::snprintf(b, sizeof b, "%s", z.c_str());
        String_Kuerzen_Pixel(b, kurz, VERSICHERUNG_FONT, breite);
        z = kurz;
    }
    k.zahlt[0] = std::string("Zahlt ") + Bank_Betrag_String(praemie, team, -1, 0);
    k.zahlt[1] = "pro Verletzungstag";
    return k;
}
