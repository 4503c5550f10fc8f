// Sponsors and advertising contracts. Entry points only until the sponsors module lands.
#pragma once
#include <cstdint>

// Prepares a club that a human manager takes over; flag 1 also signs its first contracts.
void Werbung_Team_Vorbelegen(int32_t team, int32_t flag);

// Test hook: sees every call.
using Werbung_Vorbelegen_Beobachter = void (*)(int32_t team, int32_t flag);
void Werbung_Set_Vorbelegen_Beobachter(Werbung_Vorbelegen_Beobachter beobachter);

// The sponsor table: 20 sponsors, each row led by the sponsor's name. Until the sponsors land
// every name is empty.
constexpr int32_t WERBEPARTNER_ANZAHL = 20;
const char* Werbepartner_Name(int32_t nummer);

// A managed club's daily and monthly sponsor work; nothing until the sponsors land.
void Werbung_Jeden_Tag(int32_t team);
void Werbung_Jeden_Monat(int32_t team);

// The advertising agency's image value of a club of kind 0..2 (0..120); 80 until the sponsors
// land.
int32_t Werbung_Agentur_Wirkung(int32_t team, int32_t art);

// The fan-article sale and the sponsors' result bonus after a match (kind 1 win, 0 draw): the
// home club with the match's attendance, the away club with 0. Nothing until the sponsors land.
void Werbung_Fanartikel_Verkauf(int32_t art, int32_t team, int32_t zuschauer);
