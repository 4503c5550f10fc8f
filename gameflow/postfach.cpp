#include "gameflow/postfach.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "gameflow/ablauf_anfrage.h"
#include "gameflow/globals.h"
#include "gameflow/news.h"
#include "gameflow/team_requester.h"
#include "toolkit/icon.h"
#include "toolkit/optionen.h"
#include "toolkit/requester.h"
#include "toolkit/screen.h"

// The club's messages, newest first: by day, and within a day by the order of sending.
static std::vector<int32_t> nachrichten_neueste_zuerst(int32_t team)
{
    std::vector<int32_t> liste;
    for (int32_t i = News_Suche_Erste(team, NEWS_FLAG_DA | NEWS_FLAG_OFFEN); i >= 0; i = News_Suche_Naechste())
        liste.push_back(i);
    std::stable_sort(liste.begin(), liste.end(), [](int32_t a, int32_t b) {
        const int32_t ta = News_Get_Nachricht(a)->tag, tb = News_Get_Nachricht(b)->tag;
        return ta != tb ? ta > tb : a > b;
    });
    return liste;
}

// New to the manager: a message he has not opened yet, or a question still open.
static bool neu(const News_Nachricht* n)
{
    return n && ((n->flags & NEWS_FLAG_OFFEN) || !(n->flags & NEWS_FLAG_GELESEN));
}

bool Postfach_Client_Holen()
{
    std::vector<News_Client_Eintrag> liste;
    if (!Ablauf_Client_Nachrichten_Holen(&liste)) return false;
    News_Client_Uebernehmen(liste);
    return true;
}

bool Postfach_Neue_Post(int32_t team)
{
    if (team < 0) return false;
    // Whether any is new: the order does not matter.
    for (int32_t i = News_Suche_Erste(team, NEWS_FLAG_DA | NEWS_FLAG_OFFEN); i >= 0; i = News_Suche_Naechste())
        if (neu(News_Get_Nachricht(i))) return true;
    return false;
}

// The mailbox icon says whether new mail waits, from the next refresh on and on both screen
// pages: the requester of the next message shows it already, and what the refresh after the last
// one brings back from the back page is no longer the picture of before.
static void icon_nachziehen(int32_t team)
{
    Menue_Briefkasten_Icon_Setzen(Postfach_Neue_Post(team), 0, 0);
    // The empty mailbox is drawn over the ground, not over the letter that stood in it.
    if (Menue_Icon* icon = Menue_Screen_Icon_Aus_Nummer(MENUE_BRIEFKASTEN)) icon->refresh |= REFRESH_UNTERGRUND;
}

int32_t Postfach_Screen(Menue_Icon*, uint32_t)
{
    const int32_t team = Aktuelles_Team;
    if (team < 0) return 0;
    // A remote client's mailbox is the server's store of the club: what came since the round began too.
    if (Netz_Rolle == 1) Postfach_Client_Holen();
    // The mailbox brings what is new; the messages kept from before come only when nothing is, so
    // that a mailbox full of kept messages does not put them all before the new ones every time.
    std::vector<int32_t> liste = nachrichten_neueste_zuerst(team);
    std::vector<int32_t> neue;
    for (int32_t i : liste)
        if (neu(News_Get_Nachricht(i))) neue.push_back(i);
    if (!neue.empty()) liste = neue;
    // Escape or the right button leaves the row: the message shown counts as read, a question
    // stays open, the ones not yet shown stay new.
    int32_t gezeigt = 0;
    for (int32_t i : liste) {
        const News_Nachricht* n = News_Get_Nachricht(i);
        if (!n) continue;
        const bool frage = n->flags & NEWS_FLAG_OFFEN;
        News_Set(i, team, 0, 8);
        icon_nachziehen(team);
        ++gezeigt;
        // A message shown other than in the box (or not at all) must not read an old Escape.
        Menue_Requester_Abbruch_Vergessen();
        const uint8_t ja = frage ? Team_Requester(2, team, "%s", n->text)
                                 : Team_Requester(2, team, "%s\n\nNachricht löschen?", n->text);
        if (Menue_Requester_Abgebrochen()) break;
        if (frage) News_Set(i, team, ja, 2);
        else if (ja) News_Set(i, team, 0, 4);
    }
    icon_nachziehen(team);
    return gezeigt;
}

static std::vector<News_Screen_Zeile> seite;
static int32_t seite_team = -1;

int32_t News_Screen_Neu_Bauen(int32_t team)
{
    if (team < 0) team = seite_team;
    seite.clear();
    seite_team = team;
    if (team < 0) return 0;
    for (int32_t i : nachrichten_neueste_zuerst(team)) {
        const News_Nachricht* n = News_Get_Nachricht(i);
        if (!n) continue;
        News_Screen_Zeile z{};
        z.index = i;
        z.tag = n->tag;
        z.frage = (n->flags & NEWS_FLAG_OFFEN) ? 1 : (n->flags & NEWS_FLAG_BEANTWORTET) ? 2 : 0;
        z.gelesen = (n->flags & NEWS_FLAG_GELESEN) != 0;
        const char* ende = std::strchr(n->text, '\n');
        const size_t laenge = std::min(ende ? size_t(ende - n->text) : std::strlen(n->text), sizeof z.text - 1);
        std::memcpy(z.text, n->text, laenge);
        seite.push_back(z);
    }
    return int32_t(seite.size());
}

int32_t News_Screen_Init(int32_t team)
{
    seite_team = -1;
    return News_Screen_Neu_Bauen(team < 0 ? Aktuelles_Team : team);
}

const std::vector<News_Screen_Zeile>& News_Screen_Get_Zeilen() { return seite; }
int32_t News_Screen_Get_Team() { return seite_team; }
