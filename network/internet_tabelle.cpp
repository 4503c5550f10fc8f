// The one table of remote-call numbers and their formats, and who may call for whom.
#include <algorithm>
#include <iterator>

#include "database/team.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "network/internet_read.h"
#include "network/netzuser.h"
#include "platform/print.h"

namespace {

constexpr Internet_Anfrage_Eintrag TABELLE[] = {
    {0, "SPIELER", {"iV<=0iiii", nullptr}},
    {2, "SPIELER_STARTINFO", {"vI%d", nullptr}},
    {3, "CS_SPIELER_NEW_CLIENT_DATA", {"vW<=0", nullptr}},
    {10, "TEAM_T", {"vV<%d", nullptr}},
    {11, "TEAM_T_FIX", {"vV<%d", nullptr}},
    {12, "TEAM_T_OWN", {"vW%dV<%d", nullptr}},
    {13, "TEAM_T_BLOCK", {"vV<%d", nullptr}},
    {14, "TEAM_T_FIX_BLOCK", {"vV<%d", nullptr}},
    {15, "TEAM_CLIENT_SEND", {"vV>%dV>%d", nullptr}},
    {16, "TEAM_STARTINFO", {"vI%dI%dI%dW%dW%d", nullptr}},
    {17, "TEAM_STARTTEAMS", {"vC<%dI<%d", nullptr}},
    {30, "MANAGER_DATEN", {"vV<%dV<%dV<%dV<%dV<%dV<%d", nullptr}},
    {31, "MANAGER_STARTINFO_1", {"vI%dI%d", nullptr}},
    {32, "MANAGER_STARTINFO_2", {"vC<%d", nullptr}},
    {33, "MANAGER_CLIENT_SEND", {"vV>%dV>%dV>%dV>%dV>%d", nullptr}},
    {34, "CS_MANAGER_ICON_STATUS", {"vV<%d", "vV>%d"}},
    {40, "TS_WRITE_SORT", {"iV<=0ii", nullptr}},
    {41, "TS_EIGENE_TEAMSPIELER", {"vV<=0", nullptr}},
    {42, "TS_CLIENT_SEND", {"viiiV>%dV>%d", nullptr}},
    {43, "TS_VERSICHERUNGSABSCHLUSS", {"viiiiiiV%dV%d", nullptr}},
    {44, "TS_IST_IM_TEAM", {"vI<%dii", nullptr}},
    {50, "CS_RICHTER_LISTE", {"vV<=0", nullptr}},
    {51, "CS_RICHTER_SPIELER_ANGEBOT_ADD", {"vV%d", nullptr}},
    {52, "CS_RICHTER_LISTE_ELEMENT_NEU", {"iC%dii", nullptr}},
    {53, "CS_RICHTER_SET_ANGEBOT", {"cV%dc", nullptr}},
    {60, "CS_SPIELERVERGLEICH_GET_DATA", {"vwccwC%dwI%dwwwwcI%dI%dI%dW<%dW<%dI<%dI<%dI<%dI<%d", nullptr}},
    {70, nullptr, {"vwiiiiC%dI%dI%dI%dI%dW<%dI<%dC<%dI<%d", nullptr}},
    {75, nullptr, {"viiiiiiI<%dW>%dW>%d", nullptr}},
    {76, nullptr, {"vI<%dI<%dI>%diii", nullptr}},
    {77, nullptr, {"vI<%dI>%diI>%diiiiiiiI<%d", nullptr}},
    {499, "ZERO_SIZE_TEST", {"iC000iwc", nullptr}},
    {1004, nullptr, {"iC000I<%dI<%d", nullptr}},
    {1005, nullptr, {"vC000", nullptr}},
    {1006, nullptr, {"iC000C<%diiii", nullptr}},
    {1007, nullptr, {"vI4I4", nullptr}},
    {1009, nullptr, {"vC<%dii", nullptr}},
    {1010, nullptr, {"iC000iiiiciiciicciI%d", nullptr}},
    {1011, nullptr, {"iC<=0iiiiI<%d", nullptr}},
    {1015, nullptr, {"iC<=0i", nullptr}},
    {1016, nullptr, {"viiiiiC%d", nullptr}},
    {1017, nullptr, {"viC%d", nullptr}},
    {1018, nullptr, {"cF4iiiii", nullptr}},
    {1019, nullptr, {"cF4ii", nullptr}},
    {1021, "WERBUNG_GET_WERBEFIRMEN", {"cC<%d", nullptr}},
    {1022, "WERBUNG_VERTRAG_ABSCHLIESSEN", {"ciii", nullptr}},
    {1023, "WERBUNG_SCHREIBE_WERTE", {"iC<%diiiii", nullptr}},
    {1024, "BANK_GET_DATEN_1", {"iC<=0C<%dC<%dC<%dF<%dF<%dF<%dF<%dC<%di", nullptr}},
    {1025, "BANK_GET_DATEN_2", {"iC<=0F<%dF<%dF<%dC%di", "iC<=0F<%dF<%dF<%dC<%di"}},
    {1026, "BANK_GET_BOERSE", {"vC<%dC<%dii", nullptr}},
    {1027, "BANK_GET_BUCHUNG", {"vC<%dC<%di", nullptr}},
    {1028, "BANK_ANLAGEN_TRANSFER", {"iF4F4iiic", nullptr}},
    {1029, "BANK_AKTIEN_TRANSFER", {"iiiii", nullptr}},
    {1030, "TRAININGSLAGER_TRAININGSLAGER", {"vC<%d", nullptr}},
    {1031, nullptr, {"iC<=0i", nullptr}},
    {1033, nullptr, {"iiiI<%dI<%dI<%dI<%dI<%dI<%dI<%di", nullptr}},
    {1034, nullptr, {"iiiiI<%dI<%dI<%dI<%di", nullptr}},
    {1035, nullptr, {"iiiiiiiiC<%d", nullptr}},
    {1036, nullptr, {"iiiiiciiciicciC<%d", nullptr}},
    {1037, "STATISTIK_SUCHE_TABELLEN", {"iC000ii", nullptr}},
    {1038, "STATISTIK_TABELLEN_IN_ARRAY", {"iiC<%di", nullptr}},
    {1039, "STATISTIK_TABELLEN_SUCHE_TEAM", {"iiC<%dC<%dC<%dC<%dC<%dC<%dC<%di", nullptr}},
    {1040, nullptr, {"iiiC<%dC<%dC<%dC<%dC<%di", nullptr}},
    {1041, nullptr, {"iii", nullptr}},
    {1042, nullptr, {"iC<=0C<%di", nullptr}},
};

// Numbers a participant may call before it has claimed its club.
int32_t vor_anspruch[16] = {16, 17, 499};
int vor_anspruch_anzahl = 3;

}  // namespace

const Internet_Anfrage_Eintrag* Internet_Anfrage_Suchen(int32_t nr)
{
    const auto* e = std::find_if(std::begin(TABELLE), std::end(TABELLE), [nr](const auto& x) { return x.nr == nr; });
    return e == std::end(TABELLE) ? nullptr : e;
}

void Internet_Vor_Anspruch_Erlauben(int32_t nr)
{
    if (vor_anspruch_anzahl < int(std::size(vor_anspruch))) vor_anspruch[vor_anspruch_anzahl++] = nr;
}

bool Internet_Spiel_Laeuft() { return Eingang_Get_Spiel_Gestartet() && T && T_Fix && Team_Anzahl > 0; }

bool Internet_Verein_Beanspruchen(Mitspieler_Eintrag* m, int32_t team)
{
    if (!m) return false;
    const char* grund = nullptr;
    if (m->verein_beansprucht) grund = "schon beansprucht";
    else if (!T_Fix || team <= 0 || team >= Team_Anzahl) grund = "außerhalb";
    else if (!T_Fix[team].manager) grund = "ohne Manager";
    else if (team == Server_Team) grund = "Verein des Servers";
    for (int32_t i = 0; !grund && i < NETZUSER_ANZAHL; ++i) {
        const Mitspieler_Eintrag* n = Netzuser_Get(i);
        if (n && n != m && n->in_benutzung && n->verein_beansprucht && n->verein == team) grund = "schon vergeben";
    }
    if (grund) {
        Print_Fehler("Internet: Verein %d für Teilnehmer %u abgewiesen (%s)", team, m->user_id, grund);
        return false;
    }
    m->verein_beansprucht = 1;
    m->verein = team;
    m->team = team;
    return true;
}

bool Internet_Darf_Anfragen(const Mitspieler_Eintrag* m, int32_t nr, int32_t team)
{
    if (!m || !Internet_Spiel_Laeuft()) return false;
    if (m->verein_beansprucht) return team == m->verein;
    return std::find(vor_anspruch, vor_anspruch + vor_anspruch_anzahl, nr) != vor_anspruch + vor_anspruch_anzahl;
}
