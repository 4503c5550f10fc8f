// The mailbox: the acting manager's messages, newest first.
#pragma once
#include <cstdint>
#include <vector>

struct Menue_Icon;

// The screen procedure the mailbox icon opens: shows the acting manager's new messages (not yet
// opened, or questions still open) newest first, or, when none is new, the ones he kept; a
// question is answered yes or no (word 7, flag 2), a plain message is marked opened and deleted
// when the manager says so. Escape or the right button in a requester ends the row there: that
// message is read (a question stays open), the rest stay as they were. Returns the number of
// messages shown.
int32_t Postfach_Screen(Menue_Icon* icon, uint32_t flags);
// A remote client's mailbox takes what the server holds for its club (News_Client_Uebernehmen);
// false when the server did not answer.
bool Postfach_Client_Holen();
// True when the club's manager has a message he has not opened or a question still open.
bool Postfach_Neue_Post(int32_t team);

// One line of the events page: a message of the club's manager, newest first.
struct News_Screen_Zeile {
    int32_t index;        // the message's store index
    int32_t tag;          // day of sending
    uint8_t frage;        // 0 plain, 1 question awaiting its answer, 2 question answered
    uint8_t gelesen;      // opened in the mailbox
    char text[64];        // the message's first line, cut to fit
};

// The events page of the stadium screen: Init opens it for `team` (-1: the acting manager's
// club) at its top; Neu_Bauen rebuilds its lines after messages arrived, were answered or
// deleted, keeping the page's club when `team` is -1. Both return the number of lines.
int32_t News_Screen_Init(int32_t team);
int32_t News_Screen_Neu_Bauen(int32_t team);
// The page's lines and its club (-1 when nothing can be shown).
const std::vector<News_Screen_Zeile>& News_Screen_Get_Zeilen();
int32_t News_Screen_Get_Team();
