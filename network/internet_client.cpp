// The client's questions about the server's world that the savegame's network check asks.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "database/datenbank_fern.h"
#include "database/manager.h"
#include "database/personal.h"
#include "database/teamspieler.h"
#include "database/team.h"
#include "economy/stadion.h"
#include "gameflow/globals.h"
#include "match/spieltag.h"
#include "network/internet_read.h"
#include "platform/bytes.h"

namespace {

// The server's lists hold no more clubs than this; a larger count is not believed.
constexpr int32_t TEAMS_MAX = 1000;
constexpr uint32_t EINTRAG = 46;

}  // namespace

bool Internet_Client_Freie_Vereine(std::vector<uint8_t>* liste)
{
    if (!liste) return false;
    liste->clear();
    int32_t anzahl = 0, normal = 0, markt = 0;
    uint16_t heimat = 0, zaehler = 0;
    const Internet_Arg start[] = {Internet_Zeiger(&anzahl, 4), Internet_Zeiger(&normal, 4), Internet_Zeiger(&markt, 4),
                                  Internet_Zeiger(&heimat, 2), Internet_Zeiger(&zaehler, 2)};
    uint8_t fertig = 0;
    Internet_Client_Read(16, "vI4I4I4W2W2", nullptr, &fertig, start, 5);
    anzahl = std::min(anzahl, TEAMS_MAX);
    if (!fertig || anzahl <= 0) return false;
    std::vector<uint8_t> puffer(size_t(anzahl) * EINTRAG);
    int32_t n = 0;
    char format[32];
    std::snprintf(format, sizeof format, "vC<%uI<4", uint32_t(puffer.size()));
    const Internet_Arg args[] = {Internet_Zeiger(puffer.data(), uint32_t(puffer.size())), Internet_Zeiger(&n, 4)};
    fertig = 0;
    Internet_Client_Read(17, format, nullptr, &fertig, args, 2);
    if (!fertig) return false;
    n = std::clamp(n, 0, anzahl);
    liste->assign(puffer.begin(), puffer.begin() + size_t(n) * EINTRAG);
    return true;
}

int32_t Internet_Team_Hat_Manager(int32_t team)
{
    std::vector<uint8_t> liste;
    if (!Internet_Client_Freie_Vereine(&liste)) return 0;
    for (size_t o = 0; o + EINTRAG <= liste.size(); o += EINTRAG)
        if (Bytes_Hole16(liste.data() + o) == uint16_t(team)) return 1;
    return 0;
}

void Internet_Client_Init()
{
    if (Netz_Rolle != 1) return;
    Internet_Fern_Client_Anbinden();
    Team_Uebertragung_Client_Vergessen();
    // the stadium's copy takes the server's lists only into a started module
    Stadion_Client_Init();
    Manager_Internet_Client_Get_Startinfo_1();
    if (!Team_Internet_Client_Init()) return;
    if (Aktuelles_Team >= 0 && Aktuelles_Team < Team_Anzahl && !T_Fix[Aktuelles_Team].manager)
        Manager_Neuer_Mitspieler(Aktuelles_Team, "Mitspieler");
    Spieler_Internet_Client_Init();
    // the referees the match days name
    Personal_Internet_Client_Get_Liste();
    Teamspieler_Internet_Client_Refresh();
    Manager_Internet_Client_Get_Startinfo_2();
}

void Internet_Client_Refresh()
{
    if (Netz_Rolle != 1) return;
    // The players send nothing back; then the line-up, with the marking of today's opponent.
    const int32_t gegner = Spieltag_Get_Gegner(Aktuelles_Team, nullptr, nullptr, nullptr, nullptr);
    Teamspieler_Internet_Client_Send_Aufstellung(gegner >= 0 && gegner < Team_Anzahl ? gegner : -1);
    // The own team: its T_Own, the two line-up system bytes and the manager's name.
    std::vector<uint8_t> own, t2, name;
    Team_Internet_Client_Manager_Name_Packen(&name);
    if (Team_Internet_Client_Send_Own_Packen(&own, &t2) && own.size() == 776 && t2.size() == 2) {
        const Internet_Arg args[] = {Internet_Zeiger(own.data(), 776), Internet_Zeiger(t2.data(), 2),
                                     Internet_Zeiger(name.data(), TEAM_MANAGER_NAME_BYTES)};
        const bool mit_name = name.size() == TEAM_MANAGER_NAME_BYTES;
        Internet_Client_Read(15, mit_name ? "vV>776V>2V>20" : "vV>776V>2", nullptr, nullptr, args, mit_name ? 3 : 2);
    }
    // The broadcast choice for the own club, when the manager made one.
    Team_Uebertragung_Client_Senden();
    // The manager record without the manual line-up.
    std::vector<uint8_t> bild;
    if (!Manager_Internet_Bloecke_Packen(Aktuelles_Team, false, &bild)) return;
    char format[64] = "v";
    Internet_Arg args[MANAGER_NETZ_BLOECKE];
    int32_t n = 0;
    uint32_t o = 0;
    for (int32_t i = 0; i < MANAGER_NETZ_BLOECKE; ++i) {
        if (i == 1) continue;
        const uint32_t b = Manager_Netz_Bloecke[i].bytes;
        std::snprintf(format + std::strlen(format), sizeof format - std::strlen(format), "V>%u", b);
        args[n++] = Internet_Zeiger(bild.data() + o, b);
        o += b;
    }
    Internet_Client_Read(33, format, nullptr, nullptr, args, n);
}
