#include "network/chat.h"

void Chat_Screen() {}
