// Control signals: small packets (marker 0xBBBBBBBB, a code, a team) beside the remote calls
// (0xAAAAAAAA) and chat packets (0xDDDDDDDD), and the network pump that serves them all.
#pragma once
#include <cstdint>

struct Mitspieler_Eintrag;

constexpr uint32_t STEUERSIGNAL_MARKE = 0xBBBBBBBBu;
constexpr uint32_t NETZUSER_MARKE = 0xCCCCCCCCu;

// One pass of the network pump. A client hands at most one message to Steuersignal_Vom_Server;
// the server takes at most one message of every participant: a remote call is answered, a
// control or chat packet goes to Steuersignal_Vom_Client. Called by the main loop's waiting
// states, the chat and the modal loops.
void Steuersignal_Verarbeiten();
// The handlers of the packets; true for one they have handled. Neutral until the control
// signals land.
bool Steuersignal_Vom_Server(const uint8_t* nachricht, uint32_t laenge);
bool Steuersignal_Vom_Client(const uint8_t* nachricht, uint32_t laenge, Mitspieler_Eintrag* m);
// The client of the team has sent its data back: the server stops waiting for it. Returns its
// participant, null when the team has none.
Mitspieler_Eintrag* Steuersignal_Daten_Von_Client(int32_t team);
