#include "gameflow/news.h"

int News_Senden(int32_t, int32_t, int32_t, int32_t, const void*, const char*, ...) { return 0; }
