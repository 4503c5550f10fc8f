#include "economy/trainingslager_schirm.h"

#include <algorithm>
#include <cstdio>

#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "economy/bank.h"
#include "economy/trainingslager.h"
#include "gameflow/kalender.h"
#include "gameflow/team_requester.h"

namespace {
int32_t spieler(int32_t team) { return Team_Wert(162, team, 0, 0); }

const char* geld(float betrag, int32_t team) { return Bank_Betrag_String(betrag, team, -1, 0); }

// A party or a session with the psychologist: asks for the squad's price and books one day.
bool ereignis_buchen(int32_t team, int32_t tag, int32_t art, int32_t grundpreis, const char* frage)
{
    const int32_t p = Wettbewerb_Niveau_Gewichten(team, grundpreis, 50);
    const std::string einzeln = geld(float(p), team);
    if (!Team_Requester(2, team, frage, einzeln.c_str(), geld(float(int64_t(spieler(team)) * p), team))) return false;
    return Trainingslager_Buchen(team, 0, tag, 1, art) >= 0;
}
}  // namespace

int32_t Trainingslager_Schirm_Ablegen(int32_t team, int32_t camp, int32_t tag)
{
    if (tag < 0) {
        Team_Requester(0, team, "Sie Schlingel!\rLegen Sie das Trainingslager bitte auf einen Termin im Kalender!");
        return 0;
    }
    const int32_t tage = Trainingslager_Termin_Pruefen(team, camp, tag, 1, 1, 1);
    return tage > 0 ? tage : 0;
}

float Trainingslager_Schirm_Kosten(int32_t team, int32_t camp, int32_t tage)
{
    const Trainingslager_Daten* d = Trainingslager_Lesen(camp);
    if (!d || tage <= 0) return 0.0f;
    const int64_t aufenthalt = int64_t(spieler(team)) * tage * d->preis;
    const int32_t gewichtet = Wettbewerb_Niveau_Gewichten(team, int32_t(aufenthalt > INT32_MAX ? INT32_MAX : aufenthalt), 50);
    return float(gewichtet) + float(int64_t(d->reisekosten) * Wettbewerb_Get_Liga_Niveau(team) / 100);
}

int32_t Trainingslager_Schirm_Bestaetigen(int32_t team, int32_t camp, int32_t tag, int32_t tage, const int32_t* programm)
{
    bool leer = true;
    for (int32_t z = 0; z < TRAININGSLAGER_ZEILEN; ++z) leer = leer && (!programm || programm[z] < 0);
    if (leer && !Team_Requester(2, team,
                                "Sie haben kein Programm ausgewählt.^l^lSie können die verschiedenen Programme einfach "
                                "durch Klick auf die blauen Bälle der entsprechenden Zeile bestimmen.^l^lMöchten Sie ohne "
                                "Programm (nur Freizeit) ins Trainingslager fahren ?"))
        return -1;
    const int32_t slot = Trainingslager_Buchen(team, camp, tag, tage, 1);
    if (slot < 0) return -1;
    for (int32_t z = 0; z < TRAININGSLAGER_ZEILEN; ++z)
        Trainingslager_Set_Programm(team, slot, z, programm && programm[z] >= 0 ? programm[z] : -1);
    return slot;
}

std::string Trainingslager_Tag_Hilfe(int32_t tag)
{
    std::string t = "Offen: ";
    bool erstes = true;
    for (int32_t c = 0; c < TRAININGSLAGER_ANZAHL; ++c) {
        if (!Trainingslager_Tag_Belegt(c, tag)) continue;
        const Trainingslager_Daten* d = Trainingslager_Lesen(c);
        if (!d) continue;
        if (!erstes) t += ", ";
        t += d->name;
        erstes = false;
    }
    return t;
}

bool Ligen_Motivation_Ablegen(int32_t team, int32_t icon, int32_t tag, int32_t gegner)
{
    if (tag < 0) {
        Team_Requester(0, team, "Ziehen Sie das Symbol bitte auf den gewünschten Tag im Kalender.");
        return false;
    }
    switch (icon) {
    case LIGEN_ICON_FREUNDSCHAFTSSPIEL:
    case LIGEN_ICON_FREUNDSCHAFTSSPIEL_2:
        if (gegner < 0 || Trainingslager_Termin_Pruefen(team, gegner, tag, 2, 1, 1) <= 0) return false;
        return Trainingslager_Buchen(team, gegner, tag, 1, 2) >= 0;
    case LIGEN_ICON_VEREINSFEIER:
        if (Trainingslager_Termin_Pruefen(team, 0, tag, 3, 1, 1) <= 0) return false;
        return ereignis_buchen(team, tag, 3, 15000,
                               "Diese Vereinsfeier kostet Sie %s pro Spieler, also ingesamt %s. Möchten Sie soviel ausgeben ?");
    case LIGEN_ICON_PSYCHOLOGE:
        if (Trainingslager_Termin_Pruefen(team, 0, tag, 4, 1, 1) <= 0) return false;
        return ereignis_buchen(team, tag, 4, 20000,
                               "Die Mannschaftstherapie ist nicht gerade billig: Dr. Hypno verlangt %s pro Spieler, das sind "
                               "insgesamt %s.^lIst Ihnen der mentale Zustand Ihres Teams soviel wert ?");
    default: return false;
    }
}

std::vector<std::string> Ligen_Motivation_Freundschaftsspiele(int32_t team)
{
    std::vector<std::string> v;
    Trainingslager_Termin t[TRAININGSLAGER_BUCHUNGEN];
    if (!Trainingslager_Buchungen(team, t)) return v;
    std::vector<const Trainingslager_Termin*> spiele;
    for (const Trainingslager_Termin& e : t)
        if (e.belegt && e.art == 2) spiele.push_back(&e);
    std::stable_sort(spiele.begin(), spiele.end(), [](auto* a, auto* b) { return a->erster_tag < b->erster_tag; });
    char text[200];
    for (size_t k = 0; k < spiele.size(); ++k) {
        std::snprintf(text, sizeof text, "Freundschaftsspiel Nr. %d", int(k + 1));
        v.emplace_back(text);
        std::snprintf(text, sizeof text, "^tl0010%s gegen %s", Kalender_Get_Datum_String_Knapp(spiele[k]->erster_tag, 0),
                      Team_String(194, spiele[k]->ziel, nullptr, 0));
        v.emplace_back(text);
    }
    return v;
}

std::vector<Ligen_Termin_Zeile> Ligen_Motivation_Terminliste_Bauen(int32_t team)
{
    std::vector<Ligen_Termin_Zeile> v;
    const int32_t start = Kalender_Get_Saisonstart();
    Trainingslager_Termin t[TRAININGSLAGER_BUCHUNGEN];
    const bool hat = Trainingslager_Buchungen(team, t);
    for (int32_t tag = start; hat && tag <= start + TRAININGSLAGER_SAISONTAGE; ++tag) {
        for (const Trainingslager_Termin& e : t) {
            if (!e.belegt || e.erster_tag != tag) continue;
            const char* name = "";
            const char* hilfe = "";
            switch (e.art) {
            case 1: {
                const Trainingslager_Daten* d = Trainingslager_Lesen(e.ziel);
                name = d ? d->name : "";
                hilfe = "Dies ist ein gebuchtes Trainingslager";
                break;
            }
            case 2:
                name = Team_String(194, e.ziel, nullptr, 0);
                hilfe = "An diesem Tag haben Sie ein Freudschaftsspiel";
                break;
            case 3:
                name = "Vereinsfest";
                hilfe = "Ein rauschendes Vereisfest soll die Stimmung im Team heben";
                break;
            case 4:
                name = "Dr. Hypno";
                hilfe = "Professionelle psychologische Betreuung kann manchmal Wunder wirken";
                break;
            default: continue;
            }
            const Kalender_Datum d = Kalender_Get_Datum(tag, 0);
            char text[200];
            // the year has four digits: its stop stands far enough right of the month's
            std::snprintf(text, sizeof text, "^tr0017%d.^tr0028%d.^tr0056%d^tl0061^bb%s^be", d.tag, d.monat, d.jahr,
                          name ? name : "");
            v.push_back({text, hilfe, tag});
        }
    }
    if (v.empty()) v.push_back({"Kein Termin eingetragen.", nullptr, -1});
    return v;
}
