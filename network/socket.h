// The socket side of network play: the handlers of the socket notifications that the window
// procedure forwards. They do nothing until network play is built.
#pragma once
#include <cstdint>

struct Os_Window;
// A connection of the network code.
struct Socket_Record;

// Stores the event in the record of the connection with this socket and returns the record;
// null when no connection has that socket.
Socket_Record* Socket_Decode_Event(uint64_t socket, uint32_t event);
// A decoded notification on the server.
void Socket_Server_Event(Socket_Record* record, Os_Window* window);
// A decoded notification on a client; 1 when a counter was raised.
int Socket_Client_Event(Socket_Record* record, Os_Window* window);
// The window procedure's socket notification: decodes it and hands it to the server or the
// client side by the network mode.
void Socket_Window_Message(uint64_t socket, uint32_t event);
