// Globals of the game flow that every subsystem reads.
#pragma once
#include <cstdint>

// Network role: 0 single PC, 1 remote client, 2 server without own manager, 3 server with own
// manager. Bit 0: this PC runs a client; bit 1: it serves the game world.
extern uint32_t Netz_Rolle;
// The club on whose behalf the network code acts.
extern uint32_t Handelndes_Team;
// Set when this program runs the server.
extern uint8_t EIGENER_SERVER;
// The club whose human manager acts now, -1 none.
extern int32_t Aktuelles_Team;
