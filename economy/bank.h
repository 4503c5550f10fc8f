// Bank records of the clubs. Entry points only until the bank lands: no club has an account yet,
// and a new manager's finance screens keep the icon states he starts with.
#pragma once
#include <cstdint>

struct Manager_Icon_Zustand;

// Opens a club's account, or resets an existing one to the currency (0: DM); a start balance of
// -1 keeps the balance. False when no account can be made.
bool Bank_Konto_Einrichten(int32_t team, int32_t start, int8_t waehrung);
// Removes the club's account (not on a network client).
bool Bank_Konto_Loeschen(int32_t team);
// Presets the finance screens' icon states of a new manager.
void Bank_Manager_Icon_Status_Vorbelegen(Manager_Icon_Zustand* zustand);

// Test hook: sees every account opened (einrichten set, with its start balance) or removed.
using Bank_Konto_Beobachter = void (*)(bool einrichten, int32_t team, int32_t start);
void Bank_Set_Konto_Beobachter(Bank_Konto_Beobachter beobachter);
