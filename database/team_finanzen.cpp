// Money-related values of the teams that the transfer decisions read.
#include "competitions/wettbewerb.h"
#include "database/team.h"
#include "economy/bank.h"
#include "platform/print.h"

int32_t Team_Get_Liga_Basisbetrag(int32_t team)
{
    static const int32_t BASIS[4] = {1050000, 700000, 350000, 130000};
    int32_t stufe = 0, stufen = 1;
    const Wettbewerb_Id liga = Wettbewerb_Get_Team_Wettbewerb(team, 1);
    if (liga >= 0) Wettbewerb_Visuell_Vertikal_Anz_Min(liga, &stufe, &stufen, 4);
    if (stufe < 0) stufe = 0;
    return BASIS[stufe > 3 ? 3 : stufe];
}

int32_t Team_Get_Finanzkraft(int32_t team)
{
    if (team == -1 || team == Transfermarkt_Team || team == Jugend_Team) return 0;
    if (!T || team < 0 || team >= Team_Anzahl) {
        Print_Fehler("Team_Get_Finanzkraft: falsche teamnr %d!", team);
        return 0;
    }
    if (!Team_Hat_Manager(team)) return T_Own[team].finanzkraft;
    const int32_t stand = Bank_Get_Kontostand(team, 0, -1);
    int32_t basen = stand / Team_Get_Liga_Basisbetrag(team);
    if (basen < 0) basen = 0;
    if (basen > 8) basen = 8;
    return basen * 12;
}
