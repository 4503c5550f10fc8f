// The mailbox: the acting manager's messages, newest first.
#pragma once
#include <cstdint>

struct Menue_Icon;

// The screen procedure the mailbox icon opens: shows the acting manager's messages newest first;
// a question is answered yes or no (word 7, flag 2), a plain message is marked opened and
// deleted when the manager says so. Returns the number of messages shown.
int32_t Postfach_Screen(Menue_Icon* icon, uint32_t flags);
