// Messages and questions to the manager of a club.
#pragma once
#include <cstdint>

// The club whose manager gets a message for `team`: the club itself, or for -1 the manager
// acting now (`ersetzt` then becomes 1). -1 when no club can be addressed.
int32_t Team_Requester_Get_Team(int32_t team, int32_t* ersetzt);

// Shows a message to the manager of `team` (-1: see above). Mode 0 message, 1 message window,
// 2 yes/no question (1 for yes). With no club to address the text goes to the log only and
// the result is 1, so that a requester that cannot address a club may hand its text here
// without being called back.
uint8_t Team_Requester(int32_t modus, int32_t team, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// The toolkit's requester plugs in here: it shows `text` to the manager of `team` and returns
// the answer. Without one, the operating system's message box shows the text; a question is
// then answered no, as nothing can be chosen in it.
using Team_Requester_Anzeige = uint8_t (*)(int32_t modus, int32_t team, const char* text);
void Team_Requester_Set_Anzeige(Team_Requester_Anzeige anzeige);
