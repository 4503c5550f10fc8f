// The network's start dialogs, which come up before the game's fonts are loaded: a modal window
// of its own with a small built-in font, edit fields and buttons. Headless, the dialog is
// answered at once with "OK" and the fields as filled.
#pragma once

struct Os_Dialog_Feld {
    const char* name;  // label before the field, or null to follow the previous field
    char text[16];
};

struct Os_Dialog {
    const char* titel;
    Os_Dialog_Feld* felder;
    int anzahl;
    const char* ok;
    const char* abbruch;
    const char* extra;  // a third button, or null
    // OK was pressed: true ends the dialog, false keeps it open (the checker told the user).
    bool (*pruefen)(Os_Dialog_Feld* felder, void* ctx);
    // The third button: refills the fields.
    void (*extra_aktion)(Os_Dialog_Feld* felder, void* ctx);
    void* ctx;
};

// Headless test seam: types into the fields before "OK" is pressed. Null removes it.
void Os_Dialog_Set_Eingabe(void (*eingabe)(Os_Dialog_Feld* felder, int anzahl));

// 1 when the dialog ended with OK, 0 when it was cancelled (headless: when the check failed).
int Os_Eingabe_Dialog(const Os_Dialog& dialog);

// The connect status window: the first call opens it, each call shows the text, the step's name
// and the bar at position (0..1000); a negative position closes it. Headless: nothing.
void Os_Status_Fenster(const char* titel, const char* text, const char* schritt, int position);
