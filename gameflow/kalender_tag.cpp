// The day advance: the modules' recurring jobs in their fixed order and the autosaves.
#include "competitions/wettbewerb.h"
#include "gameflow/globals.h"
#include "gameflow/kalender.h"
#include "database/team.h"
#include "toolkit/optionen.h"
#include "platform/disk.h"
#include "platform/print.h"
#include "platform/win95.h"

namespace {

Kalender_Job jobs[KALENDER_JOB_ARTEN][KALENDER_JOB_SLOTS] = {};
constexpr int32_t SLOTS[KALENDER_JOB_ARTEN] = {7, 6, 5, 8};
Kalender_Autosave_Hook autosave_hook = nullptr;
int32_t (*optionen_abfrage)(int32_t) = Globale_Optionen;

void laufen(int32_t art)
{
    for (int32_t s = 0; s < SLOTS[art]; ++s)
        if (jobs[art][s]) jobs[art][s]();
}

void autosave(const char* name)
{
    if (autosave_hook) {
        autosave_hook(name);
        return;
    }
    // The container writes beside the old file and renames, so a failed autosave keeps the last.
    if (!Disk_Spielstand_Speichern(name)) Print_Fehler("Kalender: Autosave \"%s\" fehlgeschlagen", name);
}

}  // namespace

bool Kalender_Job_Registrieren(int32_t art, int32_t slot, Kalender_Job job)
{
    if (art < 0 || art >= KALENDER_JOB_ARTEN || slot < 0 || slot >= SLOTS[art]) {
        Print_Fehler("Kalender_Job_Registrieren: Art %d, Platz %d gibt es nicht", art, slot);
        return false;
    }
    jobs[art][slot] = job;
    return true;
}

void Kalender_Jobs_Leeren()
{
    for (auto& art : jobs)
        for (auto& j : art) j = nullptr;
}

void Kalender_Set_Autosave_Hook(Kalender_Autosave_Hook hook, int32_t (*optionen)(int32_t))
{
    autosave_hook = hook;
    optionen_abfrage = optionen ? optionen : Globale_Optionen;
}

void Kalender_Autosaves()
{
    const Kalender_Datum d = Kalender_Get_Datum(Aktueller_Tag, 0);
    const int32_t optionen = optionen_abfrage(0);
    if (Aktueller_Tag % 7 == 0 && (optionen & 0x01)) autosave("Autosave_Woche.sgv");
    if (d.tag == 1 && (optionen & 0x02)) autosave("Autosave_Monat.sgv");
}

void Kalender_Naechster_Tag(bool autosaves)
{
    if (Aktueller_Tag + 1 >= KALENDER_TAG_MAX) {
        Print_Fehler("Kalender_Naechster_Tag: das Spiel endet nach %d Tagen", KALENDER_TAG_MAX);
        return;
    }
    ++Aktueller_Tag;
    const Kalender_Datum d = Kalender_Get_Datum(Aktueller_Tag, 0);
    const bool woche = Aktueller_Tag % 7 == 0;
    const bool monat = d.tag == 1;
    laufen(KALENDER_TAEGLICH);
    if (woche) laufen(KALENDER_WOECHENTLICH);
    if (monat) laufen(KALENDER_MONATLICH);
    if (monat && d.monat == 7) laufen(KALENDER_JAEHRLICH);
    // after every job that may take players away (contract ends, retirements, transfers), so
    // that each league club starts its day with an eleven and its bench
    if (Netz_Rolle != 1) Team_Kader_Auffuellen();
    if (autosaves) Kalender_Autosaves();
}

void Kalender_Jedes_Jahr()
{
    Wettbewerb_Jedes_Jahr();
    Wettbewerb_Spielplaene_Anlegen();
    // The records are the ones the game started with, so this fails only on a broken savegame.
    if (!Kalender_Spielplan_Anlegen(Kalender_Get_Saisonstart())) {
        Kalender_Spielplan_Leeren();
        Win95_Meldung("%s", Kalender_Spielplan_Fehler());
    }
}
