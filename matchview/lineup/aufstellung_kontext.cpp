#include <cstring>

#include "database/spieler.h"
#include "database/teamspieler.h"
#include "gameflow/ablauf.h"
#include "gameflow/globals.h"
#include "match/spielfeld.h"
#include "matchview/lineup/aufstellung.h"
#include "matchview/lineup/screen.h"
#include "network/netz.h"
#include "platform/temp.h"
#include "screens/spieler_hilfetext.h"
#include "toolkit/btnscreen.h"
#include "toolkit/popup.h"

int32_t Kontext_Auswahl_Status = -1, Kontext_Auswahl_Aufgaben = -1;

namespace {

constexpr int32_t TS_FLAGS = 317, KADER_MAX = 50;
constexpr uint32_t PFLICHT[4] = {0x2000, 0x4000, 0x8000, 0x10000};
constexpr uint16_t WAEHLBAR = 1, HAKEN = 16, GEHAKT = 64;

Menue_Kontextmenue untermenue;

Btnscreen_Gadget* G(int32_t n) { return &Aufstellung_Liste[n]; }

bool slot_ok(int32_t slot) { return slot >= 0 && slot < SPIELFELD_SLOTS; }

void menue_leeren(Menue_Kontextmenue* m, const char* titel)
{
    *m = Menue_Kontextmenue{};
    m->benutzt = 1;
    m->titel = titel;
}

void eintrag(Menue_Kontextmenue* m, int32_t i, const char* text, uint16_t status, int32_t p, int32_t t,
             Popup_Eintrag_Prozedur proc)
{
    m->texte[i] = text;
    m->status[i] = status;
    m->wert_a[i] = p;
    m->wert_b[i] = t;
    m->wert_c[i] = -1;
    m->prozeduren[i] = proc;
}

int32_t team_von(const Spielfeld_Record* r, int32_t slot) { return int32_t(r->team[slot / 16]); }

uint8_t status_item(int32_t i, int32_t, int32_t p, int32_t t) { return uint8_t(Kontext_Status_Item(i, nullptr, p, t)); }
uint8_t aufgaben_item(int32_t i, int32_t, int32_t p, int32_t t) { return uint8_t(Kontext_Aufgaben_Item(i, nullptr, p, t)); }

const char* hilfe_griff(Btnscreen_Gadget*, int32_t) { return "Damit stellt man den aktiven Raum des Spielers ein."; }
const char* hilfe_defensiv_pos(Btnscreen_Gadget*, int32_t) { return "Das ist die Defensiv Position."; }
const char* hilfe_offensiv_pos(Btnscreen_Gadget*, int32_t) { return "Das ist die Offensiv Position."; }
const char* hilfe_icon(Btnscreen_Gadget* g, int32_t)
{
    const Spielfeld_Record* r = Screen_Record;
    const int32_t slot = int32_t(g->benutzer[1]);
    if (!r || !slot_ok(slot)) return "";
    const char* t = Spieler_Screen_Hilfetext_Spieler(int32_t(g->benutzer[0]), team_von(r, slot));
    return t ? t : "";
}
const char* an_aus(int32_t n) { return (G(n)->benutzer[0] & 1) ? "ab" : "ein"; }
const char* hilfe_raum_links(Btnscreen_Gadget*, int32_t)
{
    return Temp_Sprintf("Damit stellen Sie Raumübersicht der linken Mannschaft %s.", an_aus(AG_RAUM_LINKS));
}
const char* hilfe_raum_rechts(Btnscreen_Gadget*, int32_t)
{
    return Temp_Sprintf("Damit stellen Sie Raumübersicht der rechten Mannschaft %s.", an_aus(AG_RAUM_RECHTS));
}
const char* hilfe_gegner(Btnscreen_Gadget*, int32_t)
{
    return Temp_Sprintf("Die Gegner Trikots %sschalten.", (G(AG_GEGNER)->benutzer[0] & 1) ? "aus" : "ein");
}
const char* hilfe_portrait(Btnscreen_Gadget*, int32_t) { return "Von Trikots auf Portraits umschalten."; }
const char* hilfe_defensiv(Btnscreen_Gadget*, int32_t) { return "Alle Spieler in Defensiv Position."; }
const char* hilfe_offensiv(Btnscreen_Gadget*, int32_t) { return "Alle Spieler in Offensiv Position."; }
const char* hilfe_ohr(Btnscreen_Gadget*, int32_t) { return "Klicken Sie hier, um diese Mannschaft editieren."; }
const char* hilfe_zurueck(Btnscreen_Gadget*, int32_t) { return "Zurück zum Spielfeld."; }
const char* hilfe_bank(Btnscreen_Gadget*, int32_t) { return "Einwechseln per Drag & Drop."; }

}  // namespace

void Aufstellung_Hilfetexte_Setzen()
{
    for (int32_t i = 0; i < 4; ++i) G(AG_GRIFF + i)->hilfetext = hilfe_griff;
    G(AG_GRIFF + 4)->hilfetext = hilfe_defensiv_pos;
    G(AG_GRIFF + 5)->hilfetext = hilfe_offensiv_pos;
    for (int32_t i = 0; i < 22; ++i) G(AG_HEIM_ICON + i)->hilfetext = hilfe_icon;
    G(AG_RAUM_LINKS)->hilfetext = hilfe_raum_links;
    G(AG_RAUM_RECHTS)->hilfetext = hilfe_raum_rechts;
    G(AG_GEGNER)->hilfetext = hilfe_gegner;
    G(AG_PORTRAIT)->hilfetext = hilfe_portrait;
    G(AG_DEFENSIV)->hilfetext = hilfe_defensiv;
    G(AG_OFFENSIV)->hilfetext = hilfe_offensiv;
    G(AG_OHR_LINKS)->hilfetext = G(AG_OHR_RECHTS)->hilfetext = hilfe_ohr;
    G(AG_ZURUECK)->hilfetext = hilfe_zurueck;
    for (int32_t i = 0; i < 12; ++i) G(AG_HEIM_BANK + i)->hilfetext = hilfe_bank;
}

bool Kontext_Menue_Bauen(Menue_Kontextmenue* m, int32_t p, int32_t t)
{
    const Spielfeld_Record* r = Screen_Record;
    if (!m || !r || !slot_ok(t) || t / 16 != Screen_Seite || team_von(r, t) != Screen_Eigenes_Team()) return false;
    Kontext_Auswahl_Status = Kontext_Auswahl_Aufgaben = -1;
    const char* name = p >= 0 && p < Spieler_Anzahl ? Spieler_String(SP_NAME, p, nullptr, 0) : "";
    menue_leeren(m, Temp_Sprintf("Spieler %s", name ? name : ""));
    eintrag(m, 0, "Status", WAEHLBAR, p, t, nullptr);
    eintrag(m, 1, "Aufgaben", WAEHLBAR, p, t, nullptr);
    m->unterlisten[0] = Kontext_Status_Menue;
    m->unterlisten[1] = Kontext_Aufgaben_Menue;
    return true;
}

Menue_Kontextmenue* Kontext_Status_Menue(Menue_Kontextmenue* haupt, int32_t item)
{
    const Spielfeld_Record* r = Screen_Record;
    const int32_t p = haupt ? haupt->wert_a[item] : -1, t = haupt ? haupt->wert_b[item] : -1;
    menue_leeren(&untermenue, nullptr);
    if (!r || !slot_ok(t)) return &untermenue;
    const bool allein = Ablauf_Allein();
    eintrag(&untermenue, 0, "Manndeckung aufheben", allein && Manndeckung_Suchen(r, t) >= 0 ? WAEHLBAR : 0, p, t, status_item);
    eintrag(&untermenue, 1, "Raum zurücksetzen", 0, p, t, status_item);
    eintrag(&untermenue, 2, "Auswechslung stoppen", allein && Auswechsel_Partner(r, t) >= 0 ? WAEHLBAR : 0, p, t,
            status_item);
    eintrag(&untermenue, 3, "Spieler markieren", uint16_t(WAEHLBAR | HAKEN | (r->spieler[t].frei_125 ? GEHAKT : 0)), p, t,
            status_item);
    return &untermenue;
}

Menue_Kontextmenue* Kontext_Aufgaben_Menue(Menue_Kontextmenue* haupt, int32_t item)
{
    const Spielfeld_Record* r = Screen_Record;
    const int32_t p = haupt ? haupt->wert_a[item] : -1, t = haupt ? haupt->wert_b[item] : -1;
    menue_leeren(&untermenue, nullptr);
    if (!r || !slot_ok(t)) return &untermenue;
    static constexpr const char* texte[4] = {"Teamkapitän", "Freistoß Schütze", "Elfmeter Schütze", "Eckball Treter"};
    const bool torwart = Spieler_Ist_Torwart(r, t);
    const uint32_t flags = uint32_t(Teamspieler_Wert(TS_FLAGS, team_von(r, t), p, 0, 0));
    for (int32_t i = 0; i < 4; ++i) {
        uint16_t status = Ablauf_Allein() ? uint16_t(HAKEN | WAEHLBAR) : HAKEN;
        if (torwart && (i == 1 || i == 3)) status = HAKEN;
        if (flags & PFLICHT[i]) status |= GEHAKT;
        eintrag(&untermenue, i, texte[i], status, p, t, aufgaben_item);
    }
    return &untermenue;
}

int32_t Kontext_Status_Item(int32_t item, Menue_Kontextmenue*, int32_t, int32_t t)
{
    Spielfeld_Record* r = Screen_Record;
    Kontext_Auswahl_Status = item;
    if (!r || !slot_ok(t)) return 1;
    switch (item) {
    case 0: Manndeckung_Aufheben(r, t); break;
    case 2: Auswechsel_Stoppen(r, t); break;
    case 3: r->spieler[t].frei_125 = r->spieler[t].frei_125 ? 0 : 1; break;
    default: break;
    }
    return 1;
}

int32_t Kontext_Aufgaben_Item(int32_t item, Menue_Kontextmenue*, int32_t p, int32_t t)
{
    const Spielfeld_Record* r = Screen_Record;
    Kontext_Auswahl_Aufgaben = item;
    if (!r || !slot_ok(t) || item < 0 || item > 3) return 1;
    const int32_t team = team_von(r, t);
    if (item == 0 && !(uint32_t(Teamspieler_Wert(TS_FLAGS, team, p, 0, 0)) & PFLICHT[0])) {
        int32_t kader[KADER_MAX];
        const int32_t n = Teamspieler_Ins_Array(team, kader, KADER_MAX, 0);
        for (int32_t i = 0; i < n && i < KADER_MAX; ++i) Teamspieler_Wert(TS_FLAGS, team, kader[i], int32_t(PFLICHT[0]), 4);
    }
    Teamspieler_Wert(TS_FLAGS, team, p, int32_t(PFLICHT[item]), 2);
    return 1;
}

void Spieler_Kontext_Menue(Btnscreen_Gadget* g)
{
    if (!g) return;
    Menue_Kontextmenue menue;
    if (!Kontext_Menue_Bauen(&menue, int32_t(g->benutzer[0]), int32_t(g->benutzer[1]))) return;
    Popup_Liste_Ausfuehren(&menue);
    if (Kontext_Auswahl_Status < 0 || !G(AG_HINTERGRUND)->bitmap1) return;
    switch (Screen_Page) {
    case PAGE_DATEN:
        Feld_Aufbauen();
        Update_Feld();
        break;
    case PAGE_AUFSTELLUNG:
        Feld_Aufbauen();
        Update_Liste();
        Update_Liste_Variabel();
        Update_Feld();
        Auswechsel_Zeichnen();
        break;
    default:
        Update_Liste();
        Update_Liste_Variabel();
        break;
    }
}
