// The arbiter that decides pending requests between clubs.
#pragma once

// A remote client fetches the list of pending requests from the server.
void Richter_Internet_Client_Get_Liste();
