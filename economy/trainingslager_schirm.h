// The training-camp screen and the club events page: dropping a camp or an event on a calendar
// day, the stay's cost, confirming with the programme, the day help and the appointment list.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A camp dropped on day `tag` (-1 not a calendar day): the days allowed (0: nothing opens; the
// manager read why).
int32_t Trainingslager_Schirm_Ablegen(int32_t team, int32_t camp, int32_t tag);
// The cost of a stay of `tage` days for the club's squad, travel included.
float Trainingslager_Schirm_Kosten(int32_t team, int32_t camp, int32_t tage);
// Confirms the booking with its five rows (attribute id or -1 free); without any attribute the
// manager is asked whether to go for leisure only. The slot, -1 when nothing was booked.
int32_t Trainingslager_Schirm_Bestaetigen(int32_t team, int32_t camp, int32_t tag, int32_t tage, const int32_t* programm);
// "Offen: " and the camps open on that day.
std::string Trainingslager_Tag_Hilfe(int32_t tag);

// The events page's draggable icons.
constexpr int32_t LIGEN_ICON_FREUNDSCHAFTSSPIEL = 2248, LIGEN_ICON_FREUNDSCHAFTSSPIEL_2 = 2249,
                  LIGEN_ICON_VEREINSFEIER = 2250, LIGEN_ICON_PSYCHOLOGE = 2251;
// An event icon dropped on day `tag` (-1 not a calendar day), with the chosen opponent for a
// friendly match; true when booked.
bool Ligen_Motivation_Ablegen(int32_t team, int32_t icon, int32_t tag, int32_t gegner);
// The appointment list from 1 July through the 366 days after it: one line and help per day.
struct Ligen_Termin_Zeile {
    std::string text;
    const char* hilfe;
    int32_t tag;
};
std::vector<Ligen_Termin_Zeile> Ligen_Motivation_Terminliste_Bauen(int32_t team);
// The club's friendlies in date order: per match "Freundschaftsspiel Nr. %d" and a line with its
// date and opponent.
std::vector<std::string> Ligen_Motivation_Freundschaftsspiele(int32_t team);
