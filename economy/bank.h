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

// Every money movement: payer and receiver team (-1 none), the amount, its booking category, the
// force flag (1: no cover check) and the amount's currency (-1: each side's own). True when
// booked. Until the bank lands nothing is booked.
bool Schreibe_Überweisung(int32_t zahler, int32_t empfaenger, float betrag, uint8_t kategorie, int32_t zwingend,
                          int8_t waehrung);
// The club's balance in whole DM, with the credit limit when asked (0 until the bank lands).
int32_t Bank_Get_Kontostand(int32_t team, int32_t mit_kreditrahmen, int32_t waehrung);
// A credit from one club to another: the amount is booked from the lender to the borrower. False
// when it could not be booked.
bool Bank_Betrag_Anlegen(int32_t geber, int32_t nehmer, float betrag, int32_t laufzeit, int32_t art, float zins);
// The amount as a money text of the club's currency ("1.234.567 DM"); three rotating buffers.
const char* Bank_Betrag_String(float betrag, int32_t team, int32_t waehrung, int32_t flag);

// Test hooks: see every booking (the answer is the booking's result), answer the balance
// query, and see every credit (the answer is its result).
using Bank_Buchung_Beobachter = bool (*)(int32_t zahler, int32_t empfaenger, float betrag, uint8_t kategorie);
void Bank_Set_Buchung_Beobachter(Bank_Buchung_Beobachter beobachter);
using Bank_Kontostand_Abfrage = int32_t (*)(int32_t team, int32_t mit_kreditrahmen);
void Bank_Set_Kontostand_Abfrage(Bank_Kontostand_Abfrage abfrage);
using Bank_Kredit_Beobachter = bool (*)(int32_t geber, int32_t nehmer, float betrag, int32_t laufzeit, float zins);
void Bank_Set_Kredit_Beobachter(Bank_Kredit_Beobachter beobachter);

// Test hook: sees every account opened (einrichten set, with its start balance) or removed.
using Bank_Konto_Beobachter = void (*)(bool einrichten, int32_t team, int32_t start);
void Bank_Set_Konto_Beobachter(Bank_Konto_Beobachter beobachter);

// Sets the club's credit limit in the currency (0: DM). False when the club has no account.
bool Bank_Set_Kreditlinie(int32_t team, int32_t betrag, int8_t waehrung);
// A new game: the bank's start once the human managers' accounts are open.
void Bank_Neues_Spiel();
// Test hook: sees each credit limit set and the new-game start (team -1, amount 0).
using Bank_Neues_Spiel_Beobachter = void (*)(const char* aufruf, int32_t team, int32_t betrag);
void Bank_Set_Neues_Spiel_Beobachter(Bank_Neues_Spiel_Beobachter beobachter);
