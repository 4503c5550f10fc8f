#include "screens/spieler_training.h"

int32_t Spieler_Training_Zaehle_Einzeltraining(int32_t, int32_t) { return 0; }

int32_t Spieler_Training_Get_Einzeltraining_Platz(int32_t, int32_t) { return -1; }
