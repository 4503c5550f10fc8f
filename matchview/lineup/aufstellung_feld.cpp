#include "matchview/lineup/aufstellung.h"

// The pitch, the substitutes and the player list draw nothing yet; the frame calls them where
// they belong.
void Feld_Aufbauen() {}
void Update_Feld() {}
void Update_Liste() {}
void Update_Liste_Variabel() {}
void Auswechsel_Zeichnen() {}
void Draw_Feld(Btnscreen_Gadget*) {}
void Liste_Kopf_Init(Btnscreen_Gadget*) {}
