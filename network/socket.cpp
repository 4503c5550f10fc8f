#include "network/socket.h"

Socket_Record* Socket_Decode_Event(uint64_t, uint32_t) { return nullptr; }

void Socket_Server_Event(Socket_Record*, Os_Window*) {}

int Socket_Client_Event(Socket_Record*, Os_Window*) { return 0; }
