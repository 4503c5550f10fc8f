// Hiring assistants and doctors. The staff tables stand in the team record (pointer fields 811
// and 812); their form is the assistants' module's.
#include "database/personal_anheuern.h"

#include <cstdio>
#include <cstring>

#include "competitions/wettbewerb.h"
#include "database/assistent.h"
#include "database/team.h"
#include "economy/bank.h"
#include "gameflow/globals.h"
#include "toolkit/requester.h"

Personal_Angebote Personal_Angebot = {};

namespace {

constexpr int32_t JAHRES_FAKTOR[4] = {115, 105, 93, 80};

const char* const AN_TEXT[ASSI_AUFGABEN] = {
    "Ihr Assistent %s kümmert sich ab sofort um Spielerauswahl und /-aufstellung Ihrer Mannschaft. Während des "
    "Live-Spiels können Sie manuell eingreifen, wenn Sie möchten...",
    "Ihr Assistent %s kümmert sich ab sofort um die taktische Ausrichtung Ihrer Mannschaft sowie um den Einsatz. Die "
    "entsprechenden Symbole sind daher für Sie gesperrt.",
    "Ihr Assistent %s kümmert sich ab sofort um das Trainingsprogramm Ihres Teams. Die Trainingsfunktionen sind "
    "daher - abgesehen vom Einzeltraining - für Sie gesperrt.",
    "Ihr Assistent %s übernimmt ab sofort Neuverpflichtungen und Verkäufe. Der Transfermarkt ist für Sie daher "
    "geschlossen; Spieler verpflichten oder entlassen können Sie aber weiterhin selbst.",
    "Um Werbung und Marketing Ihres Verein müssen Sie sich jetzt nicht mehr kümmern. Ihr Assistent %s übernimmt ab "
    "sofort die entsprechenden Verhandlungen. Sie können aber trotzdem eigenmächtig eingreifen.",
    "Alles, was mit dem Stadion Ihres Clubs zusammenhängt, legen Sie ab sofort vertrauensvoll in die Hände Ihres "
    "Assistenten %s. Er ist Ihnen aber auch nicht böse, wenn Sie hin und wieder selbst Hand anlegen.",
};
const char* const AUS_TEXT[ASSI_AUFGABEN] = {
    "Der DORVIN-Ziduridavozozor wünscht Ihnen eine glückliche Hand bei der Auswahl der Spieler Ihrer Mannschaft.",
    "Ab sofort sind Sie allein für Taktik und Einsatz Ihrer Mannschaft zuständig. Beweisen Sie also Ihr Gespür für "
    "die passenden Einstellungen.",
    "Ab sofort sind Sie allein für das Training Ihrer Mannschaft zuständig. Achten Sie dabei auch auf die "
    "Trainings-Erschöpfung Ihrer Mannen.",
    "Ab sofort kümmern Sie sich allein um alle Transfers. Eine früher begonnene Spielersuche oder Freigabe bleibt "
    "bestehen, bis Sie sie ändern oder aufheben.",
    "Ab sofort sind Sie allein für die Werbemaßnahmen Ihrer Mannschaft zuständig.",
    "Ab sofort sind Sie allein für alles zuständig, was mit dem Stadion zu tun hat.",
};

uint8_t* tabelle(int32_t team, bool arzt)
{
    if (!T || team < 0 || team >= Team_Anzahl || !Team_Hat_Manager(team)) return nullptr;
    return static_cast<uint8_t*>(Team_Zeiger(arzt ? TEAM_AERZTE : TEAM_ASSISTENTEN, team, nullptr, 0));
}

int32_t angestellte(const uint8_t* b)
{
    int32_t n = 0;
    for (int32_t i = 0; i < ASSI_SLOTS; ++i) n += b[i] ? 1 : 0;
    return n;
}

bool anheuern(bool arzt, int32_t i)
{
    const int32_t team = Aktuelles_Team;
    uint8_t* b = tabelle(team, arzt);
    if (!b || i < 0 || i >= ASSI_SLOTS || b[i]) return false;
    if (angestellte(b) >= PERSONAL_MAX_ANGESTELLTE) {
        Menue_Requester(0, team,
                        arzt ? "Sie dürfen nicht mehr als vier Ärzte beschäftigen !"
                             : "Sie dürfen nicht mehr als vier Assistenten beschäftigen !",
                        nullptr, nullptr, 0);
        return false;
    }
    const char* name = arzt ? Aerzte_Tabelle[i].name : Assistenten_Tabelle[i].name;
    const int32_t jahre = arzt ? Personal_Angebot.arzt_jahre[i] : Personal_Angebot.assi_jahre[i];
    const int32_t preis = arzt ? Personal_Angebot.arzt_preis[i] : Personal_Angebot.assi_preis[i];
    char frage[512], antwort[128];
    // the price as every amount of the game reads, as the staff screen shows it
    const char* preis_text = Bank_Betrag_String(double(preis) * 1000.0, team, -1, -1);
    std::snprintf(frage, sizeof frage,
                  "Möchten Sie wirklich %s zum Preis von %s pro Jahr für die Dauer von %d %s anheuern ? (er behält "
                  "sich vor, im Falle des Ab-/Aufstiegs sein Gehalt entsprechend anzupassen...)",
                  name, preis_text, jahre, jahre == 1 ? "Jahr" : "Jahren");
    if (!Menue_Requester(2, team, frage, nullptr, nullptr, 0)) return false;
    std::snprintf(antwort, sizeof antwort, "%s ist engagiert !", name);
    Menue_Requester(0, team, antwort, nullptr, nullptr, 0);

    const int32_t breite = arzt ? ARZT_FACHGEBIETE : ASSI_AUFGABEN;
    int32_t hoechster = -1;
    for (int32_t k = 0; k < ASSI_SLOTS; ++k)
        if (b[k]) hoechster = k;
    b[i] = 1;
    b[ASSI_OFFSET_MONATE + i] = uint8_t(jahre * 12);
    const uint32_t gehalt = uint32_t(preis);
    std::memcpy(b + ASSI_OFFSET_KOSTEN + 4 * i, &gehalt, 4);
    uint8_t* flaggen = b + ASSI_OFFSET_AUFGABEN;
    std::memset(flaggen + breite * i, 0, size_t(breite));
    // A newcomer above every hired assistant takes over the areas of the highest one.
    if (!arzt && hoechster >= 0 && i > hoechster) {
        std::memcpy(flaggen + breite * i, flaggen + breite * hoechster, size_t(breite));
        for (int32_t k = 0; k < ASSI_SLOTS; ++k)
            if (k != i) std::memset(flaggen + breite * k, 0, size_t(breite));
    }
    return true;
}

// Toggles flag `index` of slot `slot`; when it becomes set, every other slot loses it. The new
// state, or -1 for a slot not hired.
int32_t umschalten(uint8_t* b, int32_t breite, int32_t slot, int32_t index)
{
    if (slot < 0 || slot >= ASSI_SLOTS || !b[slot]) return -1;
    uint8_t* flaggen = b + ASSI_OFFSET_AUFGABEN;
    const uint8_t neu = flaggen[breite * slot + index] ? 0 : 1;
    if (neu)
        for (int32_t k = 0; k < ASSI_SLOTS; ++k) flaggen[breite * k + index] = 0;
    flaggen[breite * slot + index] = neu;
    return neu;
}

}  // namespace

int32_t Personal_Angebot_Preis(int32_t grundpreis, int32_t jahre, int32_t niveau)
{
    const int32_t f = JAHRES_FAKTOR[jahre < 1 ? 0 : jahre > 4 ? 3 : jahre - 1];
    return int32_t(int64_t(grundpreis) * f / 100 * 1000 * niveau / 100 / 1000);
}

void Personal_Angebote_Auffrischen(int32_t team)
{
    const int32_t niveau = T && team >= 0 && team < Team_Anzahl ? Wettbewerb_Get_Liga_Niveau(team) : 100;
    for (int32_t i = 0; i < ASSI_SLOTS; ++i) {
        Personal_Angebot.assi_jahre[i] = Personal_Angebot.arzt_jahre[i] = 1;
        Personal_Angebot.assi_preis[i] = uint16_t(Personal_Angebot_Preis(Assistenten_Tabelle[i].grundpreis, 1, niveau));
        Personal_Angebot.arzt_preis[i] = uint16_t(Personal_Angebot_Preis(Aerzte_Tabelle[i].grundpreis, 1, niveau));
    }
}

bool Personal_Assi_Anheuern(int32_t icon) { return anheuern(false, icon - PERSONAL_ICON_ASSI); }
bool Personal_Arzt_Anheuern(int32_t icon) { return anheuern(true, icon - PERSONAL_ICON_ARZT); }

void Personal_Assi_Aufgabe_Wechseln(int32_t bereich, int32_t slot)
{
    const int32_t team = Aktuelles_Team;
    uint8_t* b = tabelle(team, false);
    if (!b || bereich < 0 || bereich >= ASSI_AUFGABEN) return;
    const int32_t neu = umschalten(b, ASSI_AUFGABEN, slot, bereich);
    if (neu < 0) return;
    char text[512];
    std::snprintf(text, sizeof text, neu ? AN_TEXT[bereich] : AUS_TEXT[bereich], Assistenten_Tabelle[slot].name);
    Menue_Requester(0, team, text, nullptr, nullptr, 0);
    if (bereich == ASSI_AUFGABE_TRANSFER && neu && T_Own) {
        Team_Transfersuche& s = T_Own[team].suche;
        for (int32_t k = 0; k < 4; ++k) {
            s.aktiv[k] = 0;
            s.zelle_a[k] = 0;
            s.zelle_b[k] = 458;
        }
    }
}

void Personal_Arzt_Spezialgebiet_Umschalten(int32_t slot, int32_t fach)
{
    uint8_t* b = tabelle(Aktuelles_Team, true);
    if (b && fach >= 0 && fach < ARZT_FACHGEBIETE) umschalten(b, ARZT_FACHGEBIETE, slot, fach);
}
