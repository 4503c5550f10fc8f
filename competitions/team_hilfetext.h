// The help picture of a club name in the tables: header, next opponent and the season's course
// in its league (home and away balance, table place per match day).
#pragma once
#include <cstdint>
#include <vector>

struct Menue_Icon;

// The pairing slot in which the team plays on that match day of the competition, -1 none.
int32_t Spiele_Wettbewerb_Spiel_Des_Teams(int32_t wettbewerb, int32_t spieltag, int32_t team);

// The course up to the league's current match day: per day the running home and away balances
// (+1 a win, -1 a loss) and the table place (0-based). False (nothing filled) for a knock-out
// league, a club without a league or a day without a place.
struct Team_Verlauf {
    std::vector<int32_t> heim, auswaerts, platz;
    int32_t spieltage = 1;  // of the season
};
bool Team_Hilfetext_Verlauf(int32_t team, Team_Verlauf* aus);
// The chart's x step for the current match day: 0 on day 1 and before, so that one day is a
// single point.
int32_t Team_Hilfetext_X_Schritt(int32_t breite, int32_t spieltag);

// Mouse-over text of a club name (the team in the icon's kennung_1): a picture reference.
const char* Team_Hilfetext_Team_Sefo(Menue_Icon* icon);
