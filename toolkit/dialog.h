// The program's own common dialogs: a frame with its caption, a scrollable list, a name or text
// field, "OK" and "Abbruch" (Return and Escape). Menue_Init registers them with the platform.
// Headless they take the script's answers at once and return.
#pragma once

struct Win95_Dialog_Anfrage;

bool Menue_Dialog_Zeigen(Win95_Dialog_Anfrage* anfrage);
// Tests: the window's way of use (keys and clicks, the focus in the name field) headless too,
// driven by the script's input lines instead of its answers.
void Menue_Dialog_Fenster_Erzwingen(bool an);
