#include "gameflow/postfach.h"

#include <algorithm>
#include <vector>

#include "gameflow/globals.h"
#include "gameflow/news.h"
#include "gameflow/team_requester.h"

int32_t Postfach_Screen(Menue_Icon*, uint32_t)
{
    const int32_t team = Aktuelles_Team;
    if (team < 0) return 0;
    std::vector<int32_t> liste;
    for (int32_t i = News_Suche_Erste(team, NEWS_FLAG_DA | NEWS_FLAG_OFFEN); i >= 0; i = News_Suche_Naechste())
        liste.push_back(i);
    // Newest first: by day, and within a day by the order of sending.
    std::stable_sort(liste.begin(), liste.end(), [](int32_t a, int32_t b) {
        const int32_t ta = News_Get_Nachricht(a)->tag, tb = News_Get_Nachricht(b)->tag;
        return ta != tb ? ta > tb : a > b;
    });
    for (int32_t i : liste) {
        const News_Nachricht* n = News_Get_Nachricht(i);
        if (!n) continue;
        if (n->flags & NEWS_FLAG_OFFEN) {
            News_Set(i, team, Team_Requester(2, team, "%s", n->text), 2);
            continue;
        }
        News_Set(i, team, 0, 8);
        if (Team_Requester(2, team, "%s\n\nNachricht löschen?", n->text)) News_Set(i, team, 0, 4);
    }
    return int32_t(liste.size());
}
