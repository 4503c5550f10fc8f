#include "toolkit/kontextmenue.h"

#include <cstdarg>
#include <cstring>

#include "database/manager.h"
#include "gameflow/globals.h"
#include "graphics/grafik_screen.h"
#include "platform/print.h"
#include "toolkit/dienste.h"
#include "toolkit/favoriten.h"
#include "toolkit/hauptmenue.h"
#include "toolkit/icon.h"

Menue_Kontextmenue Kontext_Menue = {};
Menue_Kontextmenue Kontextmenue_Puffer = {};

void Menue_Init_Kontextmenue(Menue_Kontextmenue* k, const char* titel, int32_t wert_c, int32_t status,
                             Popup_Eintrag_Prozedur prozedur)
{
    if (status == -1) {
        Print_Fehler("Menue_Init_Kontextmenue: default_status: falscher Wert!");
        status = 0;
    }
    if (!k) {
        Print_Fehler("Menue_Init_Kontextmenue: k==NULL!");
        return;
    }
    *k = Menue_Kontextmenue{};
    k->benutzt = 1;
    k->listen_flags = POPUP_WEICH;
    k->titel = titel;
    for (int32_t i = 0; i < MENUE_KONTEXT_EINTRAEGE; ++i) {
        k->status[i] = uint16_t(status);
        k->wert_a[i] = k->wert_b[i] = -1;
        k->wert_c[i] = wert_c;
        k->prozeduren[i] = prozedur;
    }
}

int32_t Menue_Untermenue_Registrieren(Menue_Icon* icon, uint32_t flags, int32_t basis, Menue_Icon* liste,
                                      int32_t anzahl, ...)
{
    Grafik_Screen_Seite_Waehlen(1);
    if (anzahl > MENUE_UNTERMENUE_MAX) {
        Print_Fehler("Menue_Untermenue_Registrieren: Max. 9 Untermenues!");
        return -1;
    }
    int32_t nummern[MENUE_UNTERMENUE_MAX] = {};
    va_list args;
    va_start(args, anzahl);
    for (int32_t i = 0; i < anzahl; ++i) nummern[i] = va_arg(args, int32_t);
    va_end(args);
    int32_t aktuell = -1;
    for (int32_t i = 0; i < anzahl; ++i)
        if (Manager_Icon_Button_Lesen(Aktuelles_Team, nummern[i])) aktuell = nummern[i];
    int32_t gewaehlt;
    if (flags == UNTERMENUE_WIEDERHERSTELLEN) {
        gewaehlt = aktuell;
    } else {
        if (!icon) return -1;
        gewaehlt = icon->nummer;
        if (gewaehlt == aktuell && Menue_Screen_Icon_Ist_Vorhanden(gewaehlt)) return -1;
    }
    for (int32_t i = 0; i < anzahl; ++i) Manager_Icon_Button_An_Aus(Aktuelles_Team, nummern[i], nummern[i] == gewaehlt);
    if (Manager_Icon_Welcher_Togglebutton_Ist_An(Aktuelles_Team, 5, 703, 704, 705, 706, 707) != basis) {
        Manager_Icon_Togglebutton_An_Aus(Aktuelles_Team, 5, basis, 703, 704, 705, 706, 707);
        // Reached from another group (history, favourites): that group's sub-buttons go.
        Menue_Spalte_Leeren(liste);
        for (int32_t n = 703; n <= 707; ++n) Menue_Screen_Icon_Aktiv_Setzen(1, n);
    }
    Menue_Rahmenfarben_Wechsel(basis);
    if (flags & UNTERMENUE_BESUCH)
        if (Menue_Icon* r = Menue_Icon_Liste_Suchen(gewaehlt, liste)) Menue_Besucht_Eintragen(Aktuelles_Team, r);
    return gewaehlt;
}

int32_t Menue_Briefkasten_Klick(Menue_Icon*, uint32_t)
{
    Manager_Icon_Button_An_Aus(Aktuelles_Team, 2600, Manager_Icon_Button_Lesen(Aktuelles_Team, 2600) ? 0 : 1);
    return 1;
}
