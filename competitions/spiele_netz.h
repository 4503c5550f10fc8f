// The match store's statistics requests on the network (series, head-to-head records, team
// statistics records, past winners).
#pragma once

// Registers the server's handlers of requests 1006, 1007, 1009, 1010, 1011, 1033-1036, 1041 and
// 1042, and the competition records' 1004 and 1005.
void Spiele_Netz_Registrieren();

