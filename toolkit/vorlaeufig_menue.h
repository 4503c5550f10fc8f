// Game-flow entry points the menu services call, with neutral bodies until the game flow's
// own modules provide them.
#pragma once
#include <cstdint>

struct Menue_Icon;

// The new-game start screen, which adds a manager.
void Eingang_Start();
bool Eingang_Get_Start_Bestaetigt();
// 1 load, 2 save under a new name, 3 save, 4 quit; carried out by the main loop's next pass.
void Ablauf_Set_Befehl(int32_t befehl);
// When menu rounds come: 1..4, -1 before initialisation.
int32_t Ablauf_Get_Menue_Modus();
void Ablauf_Set_Menue_Modus(int32_t modus);
// The mailbox screen.
int32_t Postfach_Screen(Menue_Icon* icon, uint32_t flags);
