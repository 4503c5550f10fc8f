#include "toolkit/menueleiste.h"

#include <vector>

#include "database/manager.h"
#include "gameflow/globals.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/disk.h"
#include "platform/print.h"
#include "toolkit/dienste.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/screen.h"
#include "toolkit/spielstand.h"

namespace {

// The button faces are entries 1050-1054 of the screen resource file. The buttons stand one
// above the other at the top right: the tables screen's head fills the row left of them. The
// last two open no screen and stay hidden.
constexpr Menue_Icon knopf(int16_t nummer, int16_t y, const char* text)
{
    // A click by the manager marks the visit for the history.
    Menue_Icon i = Menue_Icon_Vorlage(nummer, 5050 + (nummer - 2502), ICON_KLICK_MARKE, MENUE_LEISTE_X, y,
                                      MENUE_LEISTE_BREITE, MENUE_LEISTE_HOEHE, 10, 12);
    i.hilfetext = text;
    i.klick = Menue_Leiste_Untermenue_Klick;
    i.status = uint16_t(text ? ICON_GLUEHT : ICON_VERSTECKT);
    return i;
}

uint32_t helligkeit = 7;
// Left edge of the base icons' right-hand column.
constexpr int32_t SPALTE_X = 597;

}  // namespace

Menue_Icon Menue_Leiste[MENUE_LEISTE_ANZAHL + 1] = {
    knopf(2502, 46, "Tabellen"), knopf(2503, 62, "Teamvergleich"), knopf(2504, 78, "Spielplan"),
    knopf(2505, 46, nullptr),    knopf(2506, 46, nullptr),         Menue_Icon_Listenende(),
};
int32_t (*Menue_Leiste_Screens[MENUE_LEISTE_ANZAHL])(Menue_Icon* icon, uint32_t flags) = {};

bool Netz_Aktivitaet_Anzeigen(int32_t senden, int32_t empfangen)
{
    if (senden == 0 && empfangen == 0) helligkeit = 15;
    helligkeit = helligkeit == 15 ? 7 : 15;
    if (!Grafik_Seite_0) return false;
    Rastport* b = Grafik_Bitmap_Anlegen(12, 7, Grafik_Seite_0->depth);
    if (!b) return false;
    Grafik_Rechteck_Fuellen(b, 0, 0, 12, 7, 0);
    const int32_t zustand[2] = {senden, empfangen};
    for (int32_t k = 0; k < 2; ++k) {
        if (zustand[k] != 0 && zustand[k] != 1) continue;
        const uint32_t farbe = zustand[k] == 0 ? Grafik_Farbe(0, helligkeit, 0) : Grafik_Farbe(helligkeit, 0, 0);
        Grafik_Rechteck_Fuellen(b, 2 + 5 * k, 2, 3, 3, farbe);
    }
    const int vorher = Grafik_Screen_Seite_Ist_Aktiv();
    Grafik_Screen_Seite_Waehlen(0);
    Grafik_Blit_Transparent(b, 0, 0, 12, 7, Grafik_Seite_0, 614, 472);
    Grafik_Screen_Seite_Waehlen(uint32_t(vorher));
    Grafik_Bitmap_Freigeben(b);
    return true;
}

void Menue_Leiste_Icons_Vorbelegen(Manager_Icon_Zustand* zustand)
{
    if (!zustand) return;
    for (int32_t k = 0; k < MENUE_LEISTE_ANZAHL; ++k)
        Manager_Icon_Status_Vorbelegen(zustand, MENUE_LEISTE_ERSTES + k, k == 0 ? 1 : 0);
    // Tables: the first shortcut, the current season, match day 1, no club filter; the
    // shortcuts' competitions are taken at the first visit.
    Manager_Icon_Status_Vorbelegen(zustand, 2533, 1);
    Manager_Icon_Status_Vorbelegen(zustand, 2529, 1);
    Manager_Icon_Word_Data_Vorbelegen(zustand, 2510, 1);
    Manager_Icon_Word_Data_Vorbelegen(zustand, 2517, 0xFFFF);
    for (int32_t k = 0; k < 7; ++k) Manager_Icon_Word_Data_Vorbelegen(zustand, 1690 + k, 0xFFFF);
    // Comparison: all positions, strength in fitness, intelligence and technique, table order.
    Manager_Icon_Status_Vorbelegen(zustand, 2579, 1);
    Manager_Icon_Status_Vorbelegen(zustand, 2581, 1);
    Manager_Icon_Word_Data_Vorbelegen(zustand, 2581, 7);
    Manager_Icon_Status_Vorbelegen(zustand, 2587, 1);
}

void Menue_Leiste_Zeigen()
{
    if (!Menue_Screen_Icon_Ist_Vorhanden(MENUE_LEISTE_ERSTES)) {
        Menue_Bereich_Loeschen(0x25B, 0, 45, 640, 480);
        Menue_Icon_Liste_Hinzufuegen(Menue_Leiste);
        // The bar's screen keeps the base icons of the right-hand column (main groups, history,
        // mailbox, chat, continue): the clear took them, and without them no turn could end.
        for (Menue_Icon* i = Menue_Basis_Liste; i->nummer != -1; ++i)
            if (i->x >= SPALTE_X && i->y >= 45 && !Menue_Screen_Icon_Ist_Vorhanden(i->nummer)) Menue_Screen_Icon_Hinzufuegen(i);
    }
    Menue_Screen_Icon_Aktiv_Setzen(1, 701);
    Menue_Screen_Icon_Aktiv_Setzen(1, 702);
}

int32_t Menue_Leiste_Untermenue_Klick(Menue_Icon* icon, uint32_t flags)
{
    const int32_t gewaehlt = Menue_Untermenue_Registrieren(icon, flags, 706, Menue_Leiste, 5, 2502, 2503, 2504, 2505, 2506);
    if (gewaehlt < MENUE_LEISTE_ERSTES || gewaehlt >= MENUE_LEISTE_ERSTES + MENUE_LEISTE_ANZAHL) return 0;
    Menue_Icon* i = &Menue_Leiste[gewaehlt - MENUE_LEISTE_ERSTES];
    return Menue_Prozedur_Aufrufen(Menue_Leiste_Screens[gewaehlt - MENUE_LEISTE_ERSTES], i, flags);
}

bool Eingabe_Write_Savegame(Disk_Datei* datei)
{
    std::vector<uint8_t> b(MENUE_LEISTE_ANZAHL * MENUE_ICON_BYTES);
    for (int32_t k = 0; k < MENUE_LEISTE_ANZAHL; ++k) Menue_Icon_Abbild_Schreiben(Menue_Leiste[k], b.data() + k * MENUE_ICON_BYTES);
    return Menue_Block_Schreiben(datei, b.data(), uint32_t(b.size()));
}

bool Menue_Leiste_Laden(Disk_Datei* datei, const char*)
{
    return Menue_Icon_Liste_Laden(datei, Menue_Leiste, MENUE_LEISTE_ANZAHL * MENUE_ICON_BYTES);
}
