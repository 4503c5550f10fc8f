// The modal message box of the menus.
#pragma once
#include <cstdint>

// type 0: message with one button (sound 3); 1: message with one button (sound 4); 2: question
// with yes and no. team: the club whose manager is addressed, -1 whoever acts. yes_text labels
// the yes/single button, no_text the no button (NULL: standard labels). anonymous 1 greets with
// "Lieber Manager !" and hides the crests. Result 1 for yes or when nobody here can answer.
uint8_t Menue_Requester(int32_t type, int32_t team, const char* message, const char* yes_text,
                        const char* no_text, uint8_t anonymous);

// Test hook: answers in place of the message box and sees its texts.
using Menue_Requester_Anzeige = uint8_t (*)(int32_t type, int32_t team, const char* message, const char* yes_text,
                                            const char* no_text);
void Menue_Requester_Set_Anzeige(Menue_Requester_Anzeige anzeige);
