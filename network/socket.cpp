#include "network/socket.h"

#include "platform/win95.h"

Socket_Record* Socket_Decode_Event(uint64_t, uint32_t) { return nullptr; }

void Socket_Server_Event(Socket_Record*, Os_Window*) {}

int Socket_Client_Event(Socket_Record*, Os_Window*) { return 0; }

void Socket_Window_Message(uint64_t socket, uint32_t event)
{
    Socket_Record* record = Socket_Decode_Event(socket, event);
    if (!record) return;
    if (Win95_Netz_Modus == 2) Socket_Server_Event(record, Win95_Fenster);
    else if (Win95_Netz_Modus == 1) Socket_Client_Event(record, Win95_Fenster);
}
