// News messages to the managers.
#pragma once
#include <cstdint>

// Enters a message for the manager of `team` (-1: every human manager). Kind 4 is a plain
// message, 5 a question carrying a copy of the 32-byte question record `frage` (or null).
int News_Senden(int32_t sender, int32_t team, int32_t sender_team, int32_t kind, const void* frage,
                const char* format, ...) __attribute__((format(printf, 6, 7)));
