#include "toolkit/favoriten.h"

#include <vector>

#include "database/manager.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "platform/handle.h"
#include "platform/print.h"
#include "toolkit/event.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/menue_intern.h"
#include "toolkit/requester.h"

namespace {

constexpr char KEIN_WEITER[] = "Weiter geht es in dieser Richtung nicht.";
constexpr char NOCH_LEER[] = "  (noch leer)";

}  // namespace

int32_t Menue_Liebling_Icon(int32_t team, int32_t k)
{
    if (k < 0 || k >= MENUE_LIEBLING_ANZAHL) return -1;
    const int32_t n = int32_t(Manager_Icon_Button_Lesen(team, MENUE_LIEBLING_ERSTER + k));
    // A new manager's slots hold 0 until he sets or clears them: no screen is icon 0.
    return n <= 0 ? -1 : n;
}

namespace {

Manager_Icon_Zustand* verlauf(int32_t team)
{
    if (team < 0 || team >= Team_Anzahl) return nullptr;
    return static_cast<Manager_Icon_Zustand*>(Team_Zeiger(303, team, nullptr, 0));
}

Menue_Icon* registriert(int32_t nummer) { return Menue_Nummer_Gueltig(nummer) ? Menue_Icons.reg[nummer].icon : nullptr; }

int32_t slot(int32_t k) { return Menue_Liebling_Icon(Aktuelles_Team, k); }
void slot_setzen(int32_t k, int32_t nummer)
{
    Manager_Icon_Button_An_Aus(Aktuelles_Team, MENUE_LIEBLING_ERSTER + k, uint32_t(nummer));
}
void slots_leeren()
{
    for (int32_t k = 0; k < MENUE_LIEBLING_ANZAHL; ++k) slot_setzen(k, -1);
}

// Opens the screen of a menu icon.
void springen(Menue_Icon* icon, uint32_t flags)
{
    if (icon && icon->klick) icon->klick(icon, flags);
}

// Rows 0-9: the slots with their screens; rows 10-12 the settings of both favourite menus.
void lieblings_zeilen(Menue_Kontextmenue* k, bool waehlbar, const char* fehler)
{
    for (int32_t z = 0; z < MENUE_LIEBLING_ANZAHL; ++z) {
        const int32_t n = slot(z);
        Menue_Icon* i = n == -1 ? nullptr : registriert(n);
        if (n != -1 && !i) Print_Fehler("%s: Icon n. gefunden!", fehler);
        if (i) {
            k->texte[z] = i->hilfetext ? i->hilfetext : "";
            k->bilder[z] = Menue_Screen_Icon_Bitmap(i);
        } else {
            k->texte[z] = NOCH_LEER;
            if (waehlbar) {
                k->status[z] = POPUP_KEIN_HOVER;
                k->prozeduren[z] = nullptr;
            }
        }
        if (!waehlbar) k->status[z] = Manager_Icon_Button_Lesen(Aktuelles_Team, MENUE_LIEBLING_SCHALTER) ? 0 : POPUP_WAEHLBAR;
    }
    k->status[9] |= POPUP_TRENNER;
    const bool erster = Manager_Icon_Word_Data_Lesen(Aktuelles_Team, MENUE_LIEBLING_SCHALTER) != 0;
    const bool automatisch = Manager_Icon_Button_Lesen(Aktuelles_Team, MENUE_LIEBLING_SCHALTER) != 0;
    k->texte[10] = "Mit erstem Eintrag beginnen";
    k->status[10] = erster ? 0x0051 : 0x0011;
    k->texte[11] = "Automatisch nach Präferenzen";
    k->status[11] = uint16_t((automatisch ? 0x0051 : 0x0011) | POPUP_TRENNER);
    k->prozeduren[10] = k->prozeduren[11] = Menue_Lieblingsmenue_Einstellung;
    k->texte[12] = "Alle Einträge auf \"leer\" setzen";
    k->status[12] = POPUP_WAEHLBAR;
    k->prozeduren[12] = Menue_Lieblingsmenue_Leeren;
}

}  // namespace

uint32_t Menue_Besucht_Wort(Menue_Icon* icon) { return icon ? Handle_Registrieren(icon, Handle_Art::Datensatz) : 0; }

Menue_Icon* Menue_Besucht_Icon(uint32_t wort)
{
    return wort ? static_cast<Menue_Icon*>(Handle_Aufloesen(wort, Handle_Art::Datensatz)) : nullptr;
}

void Menue_Besucht_Eintragen(int32_t team, Menue_Icon* icon)
{
    Manager_Icon_Zustand* z = verlauf(team);
    if (!icon || !z) return;
    const uint32_t pos = z->besucht_position < uint32_t(MANAGER_BESUCHT) ? z->besucht_position : 0;
    const uint32_t wort = Menue_Besucht_Wort(icon);
    if (z->besucht[pos] == wort && z->besucht_nr[pos] == icon->nummer) return;
    for (uint32_t k = MANAGER_BESUCHT - 1; k > pos; --k) {
        z->besucht[k] = z->besucht[k - 1];
        z->besucht_nr[k] = z->besucht_nr[k - 1];
    }
    z->besucht[pos] = wort;
    z->besucht_nr[pos] = icon->nummer;
    for (uint32_t k = MANAGER_BESUCHT_LOG - 1; k > pos; --k) {
        z->log[k] = z->log[k - 1];
        z->log_nr[k] = z->log_nr[k - 1];
    }
    z->log[pos] = wort;
    z->log_nr[pos] = icon->nummer;
}

void Menue_History_Texte_Setzen()
{
    Manager_Icon_Zustand* z = verlauf(Aktuelles_Team);
    Menue_Icon* vor = registriert(MENUE_HISTORY_VOR);
    Menue_Icon* zurueck = registriert(MENUE_HISTORY_ZURUECK);
    if (!z) return;
    const uint32_t pos = z->besucht_position;
    Menue_Icon* naechster = pos < MANAGER_BESUCHT - 1 ? Menue_Besucht_Icon(z->besucht[pos + 1]) : nullptr;
    Menue_Icon* voriger = pos > 0 && pos < MANAGER_BESUCHT ? Menue_Besucht_Icon(z->besucht[pos - 1]) : nullptr;
    if (vor) {
        vor->hilfetext = naechster && naechster->hilfetext ? naechster->hilfetext : KEIN_WEITER;
        vor->hilfesound = 361;
    }
    if (zurueck) {
        zurueck->hilfetext = voriger && voriger->hilfetext ? voriger->hilfetext : KEIN_WEITER;
        zurueck->hilfesound = 362;
    }
}

int32_t Menue_History_Klick(Menue_Icon* icon, uint32_t)
{
    Manager_Icon_Zustand* z = verlauf(Aktuelles_Team);
    if (!icon || !z) return 0;
    for (int32_t n : {MENUE_HISTORY_VOR, MENUE_HISTORY_ZURUECK})
        if (Menue_Icon* i = registriert(n)) i->refresh = 1;
    uint32_t& pos = z->besucht_position;
    if (icon->nummer == MENUE_HISTORY_VOR) {
        if (pos < MANAGER_BESUCHT - 1 && Menue_Besucht_Icon(z->besucht[pos + 1])) springen(Menue_Besucht_Icon(z->besucht[++pos]), 0);
    } else if (pos > 0 && pos < MANAGER_BESUCHT) {
        springen(Menue_Besucht_Icon(z->besucht[--pos]), 0);
    }
    return 1;
}

Menue_Kontextmenue* Menue_Make_History_Kontextmenue(Menue_Icon* icon)
{
    Manager_Icon_Zustand* z = verlauf(Aktuelles_Team);
    if (!icon || !z) return nullptr;
    Menue_Init_Kontextmenue(&Kontext_Menue, "Zuletzt besucht:", icon->nummer, 0x0121, Menue_Kontext_History_Call);
    for (int32_t k = 0; k < MANAGER_BESUCHT; ++k) {
        const int32_t zeile = MENUE_KONTEXT_EINTRAEGE - 1 - k;
        Menue_Icon* i = Menue_Besucht_Icon(z->besucht[k]);
        if (!i) {
            Kontext_Menue.texte[zeile] = "  (noch nicht belegt)";
            Kontext_Menue.status[zeile] = POPUP_KEIN_HOVER;
            Kontext_Menue.prozeduren[zeile] = nullptr;
            continue;
        }
        Kontext_Menue.texte[zeile] = i->hilfetext ? i->hilfetext : "";
        Kontext_Menue.bilder[zeile] = Menue_Screen_Icon_Bitmap(i);
        if (uint32_t(k) == z->besucht_position) Kontext_Menue.status[zeile] |= POPUP_GEWAEHLT;
    }
    return &Kontext_Menue;
}

uint8_t Menue_Kontext_History_Call(int32_t zeile, int32_t, int32_t, int32_t)
{
    const int32_t k = MENUE_KONTEXT_EINTRAEGE - 1 - zeile;
    Manager_Icon_Zustand* z = verlauf(Aktuelles_Team);
    if (k < 0 || k >= MANAGER_BESUCHT) {
        Print_Fehler("Menue_Kontext_History_Call: item_nr zu groß!");
        return 1;
    }
    if (!z) return 1;
    z->besucht_position = uint32_t(k);
    springen(Menue_Besucht_Icon(z->besucht[k]), 0);
    return 1;
}

void Menue_Lieblingsmenues()
{
    slots_leeren();
    Manager_Icon_Zustand* z = verlauf(Aktuelles_Team);
    if (!z) return;
    std::vector<int32_t> punkte(ANZ_SCREEN_ICONS, 0);
    int32_t gewicht = 100;
    for (int32_t i = 0; i < MANAGER_BESUCHT_LOG && z->log_nr[i] != -1; ++i) {
        const int32_t n = z->log_nr[i];
        if (!Menue_Nummer_Gueltig(n)) {
            Print_Fehler("Menue_Lieblingsmenues: s_nr=%d", n);
            return;
        }
        punkte[size_t(n)] += gewicht;
        if (gewicht > 20) gewicht -= 5;
    }
    for (int32_t durchgang = 0; durchgang < MENUE_LIEBLING_ANZAHL; ++durchgang) {
        int32_t bester = 0;
        for (int32_t n = 1; n < ANZ_SCREEN_ICONS; ++n)
            if (punkte[size_t(n)] > punkte[size_t(bester)]) bester = n;
        if (punkte[size_t(bester)] <= 0) continue;
        int32_t i = 0;
        while (i < MANAGER_BESUCHT_LOG && z->log_nr[i] != bester) ++i;
        if (i == MANAGER_BESUCHT_LOG) {
            Print_Fehler("Menue_Lieblingsmenues: i==MAX");
            return;
        }
        if (!Menue_Besucht_Icon(z->log[i])) {
            Print_Fehler("Menue_Lieblingsmenues: best_icon==NULL");
            return;
        }
        slot_setzen(durchgang, bester);
        punkte[size_t(bester)] = -9999;
    }
}

Menue_Kontextmenue* Menue_Make_Lieblingsmenue_Kontextmenue(Menue_Icon* icon)
{
    if (!icon) return nullptr;
    Menue_Init_Kontextmenue(&Kontext_Menue, "Aufnehmen ins Lieblingsmenü:", icon->nummer, POPUP_WAEHLBAR,
                            Menue_Kontext_Lieblingsmenue_Call);
    lieblings_zeilen(&Kontext_Menue, false, "Menue_Make_Lieblingsmenue_Kontextmenue");
    return &Kontext_Menue;
}

// Only the ten slot rows name a slot: the status words behind 733 belong to other icons.
uint8_t Menue_Kontext_Lieblingsmenue_Call(int32_t zeile, int32_t icon_nr, int32_t, int32_t)
{
    if (zeile < 0 || zeile >= MENUE_LIEBLING_ANZAHL) {
        Print_Fehler("Menue_Kontext_Lieblingsmenue_Call: item-error!");
        return 0;
    }
    slot_setzen(zeile, icon_nr);
    return 1;
}

Menue_Kontextmenue* Menue_Make_Lieblingsmenue_Jump_Kontextmenue(Menue_Icon* icon)
{
    if (!icon) return nullptr;
    if (Manager_Icon_Button_Lesen(Aktuelles_Team, MENUE_LIEBLING_SCHALTER)) Menue_Lieblingsmenues();
    Menue_Init_Kontextmenue(&Kontext_Menue, "Sprung zu Menü:", icon->nummer, POPUP_WAEHLBAR,
                            Menue_Kontext_Lieblingsmenue_Jump_Call);
    lieblings_zeilen(&Kontext_Menue, true, "Menue_Make_Lieblingsmenue_Jump_Kontextmenue");
    return &Kontext_Menue;
}

uint8_t Menue_Kontext_Lieblingsmenue_Jump_Call(int32_t zeile, int32_t, int32_t, int32_t)
{
    Menue_Icon* i = zeile >= 0 && zeile < MENUE_LIEBLING_ANZAHL ? registriert(slot(zeile)) : nullptr;
    if (!i) {
        Print_Fehler("Menue_Kontext_Lieblingsmenue_Jump_Call: item/icon-error!");
        return 0;
    }
    springen(i, 0);
    return 1;
}

uint8_t Menue_Lieblingsmenue_Einstellung(int32_t zeile, int32_t, int32_t, int32_t)
{
    const int32_t team = Aktuelles_Team;
    if (zeile == 10) {
        const bool an = Manager_Icon_Word_Data_Lesen(team, MENUE_LIEBLING_SCHALTER) != 0;
        Menue_Requester(1, team,
                        an ? "Ab jetzt starten Sie jede neue Menü-Runde mit dem Menüpunkt, der vor dem "
                             "Weiterschalten des Tages zuletzt aktiv war."
                           : "Ab jetzt starten Sie jede neue Menü-Runde mit dem Menüpunkt, der ganz oben auf "
                             "Ihrem Lieblingsmenü steht.",
                        nullptr, nullptr, 0);
        Manager_Icon_Word_Data_Schreiben(team, MENUE_LIEBLING_SCHALTER, an ? 0 : 1);
        return 1;
    }
    if (zeile == 11) {
        const bool an = Manager_Icon_Button_Lesen(team, MENUE_LIEBLING_SCHALTER) != 0;
        if (!an) {
            if (!Menue_Requester(2, team,
                                 "Das Umschalten auf automatische Lieblingsmenü-Einstellung nach Präferenzen "
                                 "bewirkt ein Löschen aller bisherigen Lieblingsmenüs. Sicher ?",
                                 nullptr, nullptr, 0))
                return 0;
            slots_leeren();
        }
        // The switch flips: the menus offer it as a check item.
        Manager_Icon_Button_An_Aus(team, MENUE_LIEBLING_SCHALTER, an ? 0 : 1);
    }
    return 1;
}

uint8_t Menue_Lieblingsmenue_Leeren(int32_t, int32_t, int32_t, int32_t)
{
    slots_leeren();
    return 1;
}

void Menue_Lieblingsmenue_Naechstes()
{
    Manager_Icon_Zustand* z = verlauf(Aktuelles_Team);
    const int32_t aktuell = z && z->besucht_position < uint32_t(MANAGER_BESUCHT) ? z->besucht_nr[z->besucht_position] : -1;
    int32_t k = 0;
    while (k < MENUE_LIEBLING_ANZAHL && (aktuell == -1 || slot(k) != aktuell)) ++k;
    if (k == MENUE_LIEBLING_ANZAHL) k = MENUE_LIEBLING_ANZAHL - 1;
    for (int32_t schritt = 1; schritt <= MENUE_LIEBLING_ANZAHL; ++schritt) {
        Menue_Icon* i = registriert(slot((k + schritt) % MENUE_LIEBLING_ANZAHL));
        if (i && i->klick) {
            i->klick(i, KLICK_MARKE);
            return;
        }
    }
}
