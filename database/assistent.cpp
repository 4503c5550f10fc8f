// Assistants and doctors of a club: lookups, the doctors' daily treatment, a new manager's staff,
// the transfer assistant's money check and the module's periodic jobs.
#include "database/assistent.h"

#include <cstring>

#include "database/richter.h"
#include "database/spieler.h"
#include "database/team.h"
#include "economy/bank.h"
#include "economy/stadion.h"
#include "gameflow/globals.h"
#include "gameflow/news.h"
#include "platform/disk.h"
#include "platform/print.h"
#include "platform/zufall.h"

const Assistent_Daten Assistenten_Tabelle[ASSI_SLOTS] = {
    {"Egon Brettschneider", "Ein Allrounder aus der Kreisliga, der überall ein wenig mithilft.", 500, {60, 50, 60, 50, 40, 40}},
    {"Hannes Wilkening", "Früher Konditionstrainer, schwört auf Waldläufe bei jedem Wetter.", 800, {75, 65, 90, 40, 30, 30}},
    {"Gerda Pfannkuch", "Gelernte Bauingenieurin; kennt jede Schraube einer Tribüne.", 900, {50, 50, 50, 50, 60, 99}},
    {"Ludwig Saalfeld", "Ein Taktikfuchs, der nachts Spielzüge auf Bierdeckel malt.", 1100, {80, 99, 60, 50, 40, 40}},
    {"Benno Ostermeier", "Kennt jeden Werbechef im Land beim Vornamen.", 1150, {50, 70, 50, 50, 99, 60}},
    {"Raimund Kettler", "Ein Spielervermittler mit dickem Adressbuch und gutem Riecher.", 1250, {65, 60, 60, 99, 60, 60}},
    {"Ottilie Brandes", "Solide in allen Dingen, ohne besondere Vorlieben.", 1500, {75, 75, 75, 75, 75, 75}},
    {"Konrad Vielhaber", "Ein alter Hase, der schon drei Vereine nach oben geführt hat.", 2000, {90, 80, 90, 80, 85, 85}},
};

const Arzt_Daten Aerzte_Tabelle[ASSI_SLOTS] = {
    {"Dr. Ernst Kampmann", "Hausarzt mit Sinn für Erkältungen und verdorbene Mägen.", 400, 70,
     {100, 40, 100, 50, 20, 10, 10, 60, 20, 30, 20}},
    {"Dr. Wiebke Harms", "Notfallärztin, die keine Platzwunde aus der Ruhe bringt.", 520, 90,
     {80, 40, 80, 100, 70, 50, 20, 60, 30, 40, 20}},
    {"Dr. Anton Reichelt", "Unfallchirurg; Knochenbrüche sind sein täglich Brot.", 720, 5,
     {50, 50, 50, 50, 50, 100, 100, 40, 40, 50, 50}},
    {"Dr. Margarete Voss", "Sportmedizinerin für Muskeln, Bänder und kleine Wunden.", 800, 10,
     {20, 20, 20, 100, 50, 100, 50, 100, 50, 100, 50}},
    {"Dr. Friedhelm Stock", "Orthopäde, der Muskeln und Bänder wieder zusammenflickt.", 880, 20,
     {20, 20, 20, 60, 60, 60, 60, 100, 100, 100, 100}},
    {"Dr. Ingrid Albers", "Internistin mit ruhiger Hand und viel Geduld.", 1000, 90,
     {100, 90, 100, 100, 70, 70, 60, 90, 70, 90, 70}},
    {"Dr. Jakob Lindner", "Betreute einst eine Nationalmannschaft bei einem großen Turnier.", 1240, 20,
     {50, 50, 30, 100, 100, 30, 30, 100, 100, 100, 100}},
    {"Prof. Dr. Helmut Grawe", "Chefarzt einer Sportklinik, dessen Ruf ihm vorauseilt.", 1760, 10,
     {100, 80, 100, 100, 100, 100, 100, 100, 100, 100, 100}},
};

namespace {

bool ist_client() { return Netz_Rolle == 1; }

bool client_zugriff(const char* name)
{
    if (!ist_client()) return false;
    Print_Fehler("Client-Zugriff: %s", name);
    return true;
}

bool team_gueltig(int32_t team) { return T && team >= 0 && team < Team_Anzahl; }
bool mensch(int32_t team) { return team_gueltig(team) && Team_Hat_Manager(team); }

uint8_t* block(int32_t team, int32_t feld) { return static_cast<uint8_t*>(Team_Zeiger(feld, team, nullptr, 0)); }

// First hired slot whose duty flag `index` is set; `breite` flags per slot.
int32_t erster_mit(const uint8_t* b, int32_t breite, int32_t index)
{
    for (int32_t i = 0; i < ASSI_SLOTS; ++i)
        if (b[i] && b[ASSI_OFFSET_AUFGABEN + breite * i + index]) return i;
    return -1;
}

}  // namespace

int32_t Assistent_Mit_Aufgabe(int32_t team, int32_t aufgabe)
{
    if (!team_gueltig(team) || aufgabe < 0 || aufgabe >= ASSI_AUFGABEN) return -1;
    if (!Team_Hat_Manager(team)) return ASSI_OHNE_MANAGER;
    const uint8_t* b = block(team, TEAM_ASSISTENTEN);
    return b ? erster_mit(b, ASSI_AUFGABEN, aufgabe) : -1;
}

void Personal_Assi_Aufgabe_Umschalten(int32_t team, int32_t aufgabe)
{
    if (!mensch(team) || aufgabe < 0 || aufgabe >= ASSI_AUFGABEN) return;
    uint8_t* b = block(team, TEAM_ASSISTENTEN);
    if (!b) return;
    for (int32_t i = 0; i < ASSI_SLOTS; ++i) b[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * i + aufgabe] = 0;
}

int32_t Assistent_Arzt_Mit_Fachgebiet(int32_t team, int32_t fachgebiet)
{
    if (!team_gueltig(team) || fachgebiet < 0 || fachgebiet >= ARZT_FACHGEBIETE) return -1;
    if (!Team_Hat_Manager(team)) return 0;
    const uint8_t* b = block(team, TEAM_AERZTE);
    return b ? erster_mit(b, ARZT_FACHGEBIETE, fachgebiet) : -1;
}

int32_t Assistent_Faehigkeit(int32_t team, int32_t slot, int32_t aufgabe)
{
    if (team_gueltig(team) && !Team_Hat_Manager(team)) return 75 + 5 * static_cast<int32_t>(Schwierigkeitsstufe);
    const uint8_t* b = team_gueltig(team) ? block(team, TEAM_ASSISTENTEN) : nullptr;
    if (b && slot >= 0 && slot < ASSI_SLOTS && aufgabe >= 0 && aufgabe < ASSI_AUFGABEN && b[slot] &&
        b[ASSI_OFFSET_AUFGABEN + ASSI_AUFGABEN * slot + aufgabe])
        return Assistenten_Tabelle[slot].faehigkeit[aufgabe];
    Print_Fehler("Assistent_Faehigkeit: Assi nicht gefunden!");
    return -1;
}

int32_t Assistent_Arzt_Fuer_Verletzung(int32_t team, int32_t spnr, int32_t* fachgebiet)
{
    if (fachgebiet) *fachgebiet = -1;
    if (!Spieler_Daten || spnr < 0 || spnr >= Spieler_Anzahl) return -1;
    const int32_t f = Spieler_Verletzung_Fachgebiet(Spieler_Wert(SP_VERLETZUNG_ART, spnr, 0, SP_LESEN));
    if (f < 0) return -1;
    if (fachgebiet) *fachgebiet = f;
    return Assistent_Arzt_Mit_Fachgebiet(team, f);
}

void Assistenten_Verarzte_Spieler(int32_t team, int32_t spnr, int32_t* tage)
{
    if (!tage) return;
    int32_t d = *tage - 1;
    auto ablegen = [&] { *tage = d < 0 ? 0 : d > 255 ? 255 : d; };
    if (!mensch(team)) {
        ablegen();
        return;
    }
    const int32_t s = Stadion_Get_Anlage_Wert(team, STADION_ANLAGE_MEDIZIN);
    int32_t fach = -1;
    const int32_t arzt = Assistent_Arzt_Fuer_Verletzung(team, spnr, &fach);
    if (arzt >= 0 && arzt < ASSI_SLOTS && fach >= 0) {
        const Arzt_Daten& a = Aerzte_Tabelle[arzt];
        int32_t gespart = 0;
        // A medical centre of figure 3 or more leaves no chance to miss the extra day; a
        // negative bound would not be a range at all.
        int32_t obergrenze = 120 - 40 * s;
        if (obergrenze < 0) obergrenze = 0;
        const int32_t zug = Zufall_Gross(0, obergrenze);
        if (zug < a.koennen[fach]) {
            --d;
            ++gespart;
        }
        const int32_t schwere = Zufall_Gross(15, 50);
        if (schwere < d) {
            const int32_t wunder = Zufall_Gross(0, 10000);
            if (wunder < a.wunder) {
                const int32_t n = Zufall_Gross(10, d);
                int32_t weniger = d - n - 1;
                if (weniger < 0) weniger = 0;
                News_Senden(-1, team, -1, NEWS_ART_TEXT, nullptr,
                            "Auf wundersame Weise gelangt es %s, die Verletzungsdauer von %s um %d %s auf %d %s zu senken.",
                            a.name, Spieler_String(SP_VOLLNAME, spnr, nullptr, 0), weniger, weniger == 1 ? "Tag" : "Tage", n,
                            n == 1 ? "Tag" : "Tage");
                gespart += d - n;
                d = n;
            }
        }
        if (gespart > 0)
            Spieler_Wert(SP_VERLETZUNG_ZUSATZ, spnr, Spieler_Wert(SP_VERLETZUNG_ZUSATZ, spnr, 0, SP_LESEN) + gespart,
                         SP_SCHREIBEN);
    } else if (s != 0) {
        const int32_t zug = Zufall_Gross(0, 100);
        if (zug > 85) --d;
    }
    ablegen();
}

void Assistenten_Managerpersonal_Vorbelegen(int32_t team)
{
    if (client_zugriff("Assistenten_Managerpersonal_Vorbelegen")) return;
    uint8_t* assi = team_gueltig(team) ? block(team, TEAM_ASSISTENTEN) : nullptr;
    uint8_t* arzt = team_gueltig(team) ? block(team, TEAM_AERZTE) : nullptr;
    if (!assi || !arzt) {
        Print_Fehler("Assistenten_Managerpersonal_Vorbelegen: NULL-Pointer!");
        return;
    }
    for (uint8_t* b : {assi, arzt}) {
        b[0] = 1;
        b[ASSI_OFFSET_MONATE] = 224;
        std::memset(b + ASSI_OFFSET_KOSTEN, 0, 4);
    }
    std::memset(assi + ASSI_OFFSET_AUFGABEN, 0, ASSI_AUFGABEN);
    std::memset(arzt + ASSI_OFFSET_AUFGABEN, 1, ARZT_FACHGEBIETE);
}

bool Assis_Transfer_Finanzierbar(int32_t team, int32_t betrag, int32_t bewertung)
{
    if (Assistent_Mit_Aufgabe(team, ASSI_AUFGABE_TRANSFER) == -1) return true;
    const int64_t stand = Bank_Get_Kontostand(team, 0, -1);
    const int64_t basis = Team_Get_Liga_Basisbetrag(team);
    if (betrag > 0 && 5 * basis + 500000 > stand && bewertung < 100) return false;
    if (betrag > basis && stand / basis < 8) return false;
    if (stand < 0 && betrag > 0) return false;
    return true;
}

void Assi_Jeden_Tag()
{
    if (client_zugriff("Assi_Jeden_Tag")) return;
    Assi_Trainer_Alle_Teams();
}

void Assi_Jede_Woche()
{
    if (client_zugriff("Assi_Jede_Woche")) return;
    Richter_Spieler_Transfer_Marktplatz();
}

void Assi_Jeden_Monat()
{
    if (client_zugriff("Assi_Jeden_Monat")) return;
}

// The staff tables live in the team records: the module's own block stays empty.
void Assi_Init() { Disk_Block_Registrieren(DISK_POS_ASSISTENTEN, Assi_Write_Bin_Block, Assi_Read_Bin_Block); }
void Assi_DeInit() {}
bool Assi_Write_Bin_Block(Disk_Datei*) { return true; }
bool Assi_Read_Bin_Block(Disk_Datei*, const char*) { return true; }
