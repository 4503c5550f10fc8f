// The start menu: four entries over the title picture on a gadget-list screen.
#pragma once
#include <cstdint>

struct Btnscreen_Gadget;

// Which entry was clicked, 0-3 ("Neues Spiel starten", "Spielstand laden", "Letztes Spiel
// fortsetzen", "Zum Editor"); -1 when the end of the program ended the menu or it could not be
// shown. The screen is left darkened.
int32_t Intro_Setup();
// Init procedure of an entry: prints its label into its picture and draws it.
void Intro_Knopf_Init(Btnscreen_Gadget* gadget);
void Intro_Knopf_Klick(Btnscreen_Gadget* gadget);
// Init procedure of the background and the title: draws the picture solid.
void Intro_Bild_Init(Btnscreen_Gadget* gadget);

// The darkening of the screen when the menu ends, in 1/128.
constexpr int32_t INTRO_ABDUNKELN = 60;
constexpr uint32_t INTRO_NACHLAUF = 1000;
