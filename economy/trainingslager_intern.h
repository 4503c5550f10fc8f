// Shared inside the training-camp module.
#pragma once
#include <cstdint>

#include "economy/trainingslager.h"

extern Trainingslager_Daten Trainingslager_Tabelle[TRAININGSLAGER_ANZAHL];
extern bool Trainingslager_Initialisiert;

bool Trainingslager_Attribut_Bekannt(int32_t attribut);
// An appointment the game can carry out: kind 1..4, a camp 0..6 or a club, days in the season.
bool Trainingslager_Termin_Brauchbar(const Trainingslager_Termin& t);
// The arbiter's copy of an appointment.
Trainingslager_Buchung Trainingslager_Als_Buchung(const Trainingslager_Termin& t);
