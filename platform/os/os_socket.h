// TCP sockets over IPv4 with notification by window message, as Winsock's asynchronous select
// gives them: the message pump polls the selected sockets and posts WM_SOCKET_NOTIFY (handle,
// one event bit). Handles are the layer's own ids: never 0, never reused.
#pragma once
#include <cstdint>

// Event bits of the notification (lParam).
constexpr uint32_t OS_FD_READ = 1, OS_FD_WRITE = 2, OS_FD_OOB = 4, OS_FD_ACCEPT = 8,
                   OS_FD_CONNECT = 16, OS_FD_CLOSE = 32;

// A new TCP socket, blocking until selected; 0 on failure.
uint32_t Os_Socket_Create();
// Closes the socket and drops its queued notifications.
bool Os_Socket_Close(uint32_t handle);
// Winsock option numbers: 300 broadcast, 301/310 debug, 302 don't linger, 303 don't route,
// 304 keep-alive, 306 out-of-band inline, 308 reuse address. Others fail. Keep-alive ends a
// connection whose peer has answered nothing (no data, no acknowledgement, no keep-alive probe)
// for OS_SOCKET_TOT_MS, the first probe going after 10 s of quiet; the peer's system answers
// the probes, however slow its program. An accepted connection is set on its own.
constexpr uint32_t OS_SOCKET_TOT_MS = 40000;
bool Os_Socket_Option(uint32_t handle, int32_t option, uint32_t value);
// The port word goes into the address unconverted, as the program has always stored it: the
// TCP port is its two bytes swapped.
bool Os_Socket_Bind(uint32_t handle, uint16_t port_word, const uint8_t ip[4]);
bool Os_Socket_Listen(uint32_t handle, int backlog);
// Gives up after timeout_ms (WSAETIMEDOUT).
bool Os_Socket_Connect(uint32_t handle, uint16_t port_word, const uint8_t ip[4], uint32_t timeout_ms);
// Makes the socket non-blocking and posts the events of the mask from now on; a connected
// socket selected for FD_WRITE gets one at once.
bool Os_Socket_Select(uint32_t handle, uint32_t mask);
// The next pending connection as a new handle (0 none or failure); the 16-byte address of the
// peer (family, port, four address bytes, zeros) goes to peer.
uint32_t Os_Socket_Accept(uint32_t handle, uint8_t peer[16]);
// Bytes sent (may be fewer than len), or -1 (would-block included; see Os_Socket_Would_Block).
int32_t Os_Socket_Send(uint32_t handle, const void* data, uint32_t len);
// Ends the sending direction: what was sent goes out, then the peer reads the end.
bool Os_Socket_Shutdown_Send(uint32_t handle);
// Bytes read (> 0), 0 once the peer has closed, or -1 on an error or would-block.
int32_t Os_Socket_Recv(uint32_t handle, void* buffer, uint32_t len);
// The last failure of this layer was "would block".
bool Os_Socket_Would_Block();
// Winsock's name of the last failure ("WSAECONNRESET", ...).
const char* Os_Socket_Error_Name();
// Posts the notifications that are due; the message pump calls it.
void Os_Socket_Poll();
// The sockets open (listening ones included).
int Os_Socket_Anzahl();
// Sleeps at most ms real milliseconds, less when a selected socket becomes ready.
void Os_Socket_Wait(uint32_t ms);
// A real millisecond clock (also headless, where the program clock is virtual).
uint32_t Os_Socket_Clock_Ms();
// Host name and its first IPv4 address; false (name "error" or address zero) on failure.
bool Os_Socket_Host(char* name, int size, uint8_t ip[4]);
// How many sockets the process may open.
int32_t Os_Socket_Max();
