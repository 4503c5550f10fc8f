#include "economy/stadion_schirm.h"

#include <cmath>
#include <cstdio>

#include "database/team.h"
#include "economy/bank.h"
#include "economy/stadion.h"
#include "economy/stadion_intern.h"
#include "gameflow/team_requester.h"
#include "platform/wert.h"

namespace {
// Slots whose count grows or shrinks without rebuilding the model.
bool mit_anzahl(int32_t slot) { return slot < STADION_TRIBUENEN || slot == 10 || slot == 16 || slot == 17; }

std::string formatiert(const char* format, auto... werte)
{
    char text[600];
    std::snprintf(text, sizeof text, format, werte...);
    return text;
}

std::string zustand_zusatz(const Stadion_Daten& d, int32_t slot)
{
    const Stadion_Slot& s = d.slot[slot];
    if (s.modell == 0) return " - Leider in Ihrem Stadion nicht vorhanden.";
    std::string t = formatiert(", %s", Stadion_Modell[s.modell].name);
    if (slot < STADION_TRIBUENEN || slot == 10) t += formatiert(", %d Plätze", s.plaetze);
    else if (slot == 16 || slot == 17) t += formatiert(", %d vorhanden", s.plaetze);
    return t;
}
}  // namespace

const Stadion_Plan_Flaeche Stadion_Plan_Flaechen[STADION_PLAN_FLAECHEN] = {
    {40, 40, 70, 50, 0},    {120, 25, 150, 50, 1},  {280, 40, 70, 50, 2},   {280, 210, 70, 50, 3},
    {120, 225, 150, 50, 4}, {40, 210, 70, 50, 5},   {160, 2, 70, 18, 6},    {12, 10, 16, 16, 7},
    {362, 10, 16, 16, 7},   {362, 274, 16, 16, 7},  {12, 274, 16, 16, 7},   {392, 4, 84, 22, 8},
    {392, 30, 84, 22, 9},   {392, 56, 84, 22, 10},  {392, 82, 84, 22, 11},  {392, 108, 84, 22, 12},
    {392, 134, 84, 22, 13}, {392, 160, 84, 22, 14}, {392, 186, 84, 22, 15}, {392, 212, 84, 22, 16},
    {392, 238, 84, 22, 17}, {392, 264, 84, 22, 18},
};

Stadion_Auftrag Stadion_Auftrag_Berechnen(const Stadion_Daten& d, int32_t slot, int32_t modell, int32_t firma,
                                          int32_t plaetze)
{
    Stadion_Auftrag a;
    if (slot < 0 || slot >= STADION_SLOTS || modell <= 0 || modell >= STADION_MODELLE) return a;
    if (firma < 0 || firma >= STADION_FIRMEN || Stadion_Modell[modell].firmen[firma] == 0) return a;
    a.moeglich = true;
    const Stadion_Slot& s = d.slot[slot];
    if (plaetze < 0) plaetze = 0;
    a.plaetze = plaetze;
    if (mit_anzahl(slot) && s.modell == modell) {
        if (plaetze > s.plaetze) a.bauen = plaetze - s.plaetze;
        else a.abreissen = s.plaetze - plaetze;
    } else {
        a.bauen = plaetze;
        a.abreissen = s.modell != 0 ? s.plaetze : 0;
    }
    if (a.bauen > 0) a.baukosten = Stadion_Baukosten(slot, modell, firma, a.bauen);
    if (a.abreissen > 0) a.abrisskosten = Stadion_Abrisskosten(slot, s.modell, firma, a.abreissen);
    return a;
}

bool Stadion_Schirm_Bestellen(int32_t team, int32_t slot, int32_t modell, int32_t firma, int32_t plaetze)
{
    const Stadion_Daten* d = Stadion_Zeiger(team, 1);
    if (!d) return false;
    const Stadion_Auftrag a = Stadion_Auftrag_Berechnen(*d, slot, modell, firma, plaetze);
    if (!a.moeglich || (a.bauen == 0 && a.abreissen == 0)) return false;
    const std::string abriss =
        a.abreissen > 0 ? formatiert("\r^lDie Kosten für den Abriß der alten Anlagen betragen %s.",
                                     Bank_Betrag_String(a.abrisskosten, team, -1, 0))
                        : std::string();
    uint8_t ja;
    if (a.bauen > 0)
        ja = Team_Requester(2, team, "%s '%s':%s%s", Stadion_Slot_Name[slot], Stadion_Modell[modell].name,
                            formatiert("\rWollen Sie den Neubau in Auftrag geben?\rDie Kosten hierfür betragen %s",
                                       Bank_Betrag_String(a.baukosten, team, -1, 0))
                                .c_str(),
                            abriss.c_str());
    else
        ja = Team_Requester(2, team, "Sie haben keinen Neubau in Auftrag gegeben.%s^l^lBitte bestätigen Sie den Abriss der Anlagen!",
                            abriss.c_str());
    if (!ja) return false;
    return Stadion_Bauen(team, slot, modell, firma, a.plaetze, a.baukosten + a.abrisskosten);
}

bool Stadion_Schirm_Renovieren(int32_t team, int32_t slot)
{
    const Stadion_Daten* d = Stadion_Zeiger(team, 1);
    if (!d) return false;
    if (slot < 0) {
        float summe = 0;
        bool alle_gut = true;
        for (int32_t i = 0; i < STADION_TRIBUENEN; ++i)
            if (d->slot[i].modell != 0 && d->slot[i].zustand < 100.0f) {
                alle_gut = false;
                summe += Stadion_Renovierungskosten(team, i);
            }
        if (alle_gut) {
            Team_Requester(0, team, "Die Tribünen befinden sich bereits in optimalem Zustand. Eine Renovierung ist nicht erforderlich.");
            return false;
        }
        if (!Team_Requester(2, team, "Wollen Sie alle Tribünen wieder vollständig instandsetzen?\rDie Kosten hierfür betragen %s",
                            Bank_Betrag_String(summe, team, -1, 0)))
            return false;
        bool etwas = false, gesperrt = false;
        for (int32_t i = 0; i < STADION_TRIBUENEN; ++i) {
            const Stadion_Slot& s = d->slot[i];
            if (s.modell == 0 || s.zustand >= 100.0f) continue;
            if (!Stadion_Slot_Fertig(s, Stadion_Heute())) {
                gesperrt = true;
                continue;
            }
            etwas = Stadion_Renovieren(team, i, Stadion_Renovierungskosten(team, i)) || etwas;
        }
        if (gesperrt)
            Team_Requester(0, team, "Es konnten nicht alle Tribünen renoviert werden, da teilweise Bauarbeiten stattfinden.");
        return etwas;
    }
    if (slot >= STADION_SLOTS) return false;
    const Stadion_Slot& s = d->slot[slot];
    if (s.modell == 0) {
        Team_Requester(2, team, "Bevor Sie renovieren, sollten Sie erst etwas bauen.\r Möchten Sie bauen?");
        return false;
    }
    if (!Stadion_Slot_Fertig(s, Stadion_Heute())) {
        Team_Requester(0, team, "Diese Renovierung kann nicht durchgeführt werden, da dort Bauarbeiten stattfinden.");
        return false;
    }
    if (s.zustand >= 100.0f) {
        Team_Requester(0, team, "Der Zustand liegt bei 100%%. Eine Renovierung ist nicht erforderlich.");
        return false;
    }
    const float kosten = Stadion_Renovierungskosten(team, slot);
    if (!Team_Requester(2, team, "Wollen Sie %s wieder vollständig instandsetzen?\rDie Kosten hierfür betragen %s",
                        Stadion_Slot_Name[slot], Bank_Betrag_String(kosten, team, -1, 0)))
        return false;
    return Stadion_Renovieren(team, slot, kosten);
}

void Stadion_Preise_Auf_Schnitt(float* preis, float ziel)
{
    if (ziel < 0) ziel = 0;
    if (ziel > 50) ziel = 50;
    const int32_t soll = Float_Runden(ziel);
    auto schnitt = [&] {
        int32_t summe = 0;
        for (int32_t i = 0; i < STADION_TRIBUENEN; ++i) summe += Float_Runden(preis[i]);
        return Float_Runden(float(summe) / STADION_TRIBUENEN);
    };
    // bounded: 50 DM in sixths each way is far below this
    for (int32_t n = 0; n < 2000 && schnitt() != soll; ++n) {
        const float schritt = schnitt() < soll ? 1.0f / 6 : -1.0f / 6;
        bool bewegt = false;
        for (int32_t i = 0; i < STADION_TRIBUENEN; ++i) {
            const float neu = std::fmin(50.0f, std::fmax(0.0f, preis[i] + schritt));
            bewegt = bewegt || neu != preis[i];
            preis[i] = neu;
        }
        if (!bewegt) break;
    }
    for (int32_t i = 0; i < STADION_TRIBUENEN; ++i) preis[i] = float(Float_Runden(preis[i]));
}

void Stadion_Schirm_Immer_Schalten(Stadion_Top* top)
{
    top->immer = top->immer ? 0 : 1;
    if (top->immer) top->top_teams = 0;
}

void Stadion_Schirm_Top_Teams_Schalten(Stadion_Top* top)
{
    top->top_teams = top->top_teams ? 0 : 1;
    if (top->top_teams) top->immer = 0;
}

std::vector<std::string> Stadion_Zuschlag_Eintraege()
{
    std::vector<std::string> v;
    for (int32_t k = 0; k < 7; ++k) v.push_back(formatiert("^tr0038%d^tl0042%%", (k + 1) * 5));
    return v;
}

std::vector<std::string> Stadion_Slot_Menue(int32_t team, int32_t slot)
{
    const Stadion_Daten* d = Stadion_Zeiger(team, 1);
    if (!d || slot < 0 || slot >= STADION_SLOTS) return {};
    const std::string zusatz = zustand_zusatz(*d, slot);
    return {formatiert("Informationen %s%s", Stadion_Slot_Name[slot], zusatz.c_str()),
            formatiert("Instandsetzen %s%s", Stadion_Slot_Name[slot],
                       formatiert(" (%2.0f%%)", double(d->slot[slot].zustand)).c_str()),
            formatiert("Neubau %s", Stadion_Slot_Name[slot])};
}

std::string Stadion_Schnitt_Zeile(int32_t team)
{
    const Stadion_Daten* d = Stadion_Zeiger(team, 1);
    const int32_t schnitt = Stadion_Benoetigter_Schnitt(team);
    const std::string wert = schnitt == -1 ? std::string("noch nicht verfügbar") : std::to_string(schnitt);
    return formatiert("%s: %d nutzbare Plätze, %d verkaufte Dauerkarten.   Benötigter Schnitt: %s",
                      Team_String(194, team, nullptr, 0), Stadion_Get_Plaetze(team, 15), d ? d->dauerkarten : 0,
                      wert.c_str());
}
