// The match store's statistics requests on the network (series, head-to-head records, team
// statistics records, past winners).
#pragma once

// Registers the server's handlers of requests 1006, 1007, 1009, 1010, 1011, 1033-1036, 1041 and
// 1042, and the competition records' 1004 and 1005.
void Spiele_Netz_Registrieren();

// A remote client's side of the match store: its start (the store's records of the season) and
// the day's events brought in line with the server's. Neutral until the store's network part lands.
void Spiele_Client_Start();
void Spiele_Client_Ereignisse_Abgleichen();
