// The options menu of a right click on empty space, its sub-lists, the mailbox button and the
// menu-display menu.
#include <cstdio>
#include <string>
#include <cstring>

#include "competitions/wettbewerb.h"
#include "database/manager.h"
#include "database/team.h"
#include "gameflow/eingang.h"
#include "gameflow/globals.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_screen.h"
#include "gameflow/spielstand.h"
#include "platform/disk.h"
#include "platform/maus.h"
#include "platform/menuesound.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "platform/temp.h"
#include "platform/timer.h"
#include "platform/win95.h"
#include "toolkit/event.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/menue_intern.h"
#include "toolkit/optionen.h"
#include "toolkit/requester.h"
#include "toolkit/screen.h"
#include "gameflow/ablauf.h"
#include "gameflow/postfach.h"

namespace {

constexpr int32_t CREDITS_BILD = 1049;

char titel[64];
char team_zeile[96];
char speichern_zeile[320];
char musik_namen[MENUESOUND_DATEIEN_MAX][200];

bool ist_client() { return Netz_Rolle == 1; }

// The manager's settings bytes (help, event animations, music); null without a manager.
uint8_t* einstellungen()
{
    if (Aktuelles_Team < 0 || Aktuelles_Team >= Team_Anzahl) return nullptr;
    return static_cast<uint8_t*>(Team_Zeiger(309, Aktuelles_Team, nullptr, 0));
}

// The savegame's name as the player gave it: the last save is remembered with its folder and
// extension.
std::string spielstand_name(const char* pfad)
{
    std::string name = pfad ? pfad : "";
    const size_t ordner = name.find_last_of('/');
    if (ordner != std::string::npos) name.erase(0, ordner + 1);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".sgv") == 0) name.resize(name.size() - 4);
    return name;
}

void zeilen(Menue_Kontextmenue* k, std::initializer_list<const char*> texte)
{
    int32_t i = 0;
    for (const char* t : texte) k->texte[i++] = t;
}

void markieren(Menue_Kontextmenue* k, int32_t zeile, bool an)
{
    if (an) k->status[zeile] |= POPUP_GEWAEHLT;
    else k->status[zeile] &= uint16_t(~POPUP_GEWAEHLT);
}

// Sub-list 1.
uint8_t laden_speichern(int32_t eintrag, int32_t, int32_t, int32_t)
{
    static constexpr int32_t BEFEHLE[3] = {3, 2, 1};
    if (eintrag >= 0 && eintrag < 3) Ablauf_Set_Befehl(BEFEHLE[eintrag]);
    return 1;
}

void manager_rauswerfen()
{
    const int32_t team = Aktuelles_Team;
    if (Manager_Anzahl < 2) {
        Print_Fehler("Sie sind der einzige Manager. Um sich selbst \"rauszuwerfen\" müssen Sie lediglich das Spiel "
                     "beenden...");
        return;
    }
    const char* name = Team_String(299, team, nullptr, 0);
    if (!Menue_Requester(2, team, Temp_Sprintf("Soll %s wirklich seine Manager-Karriere in diesem Spiel beenden ?", name),
                         "Ja, weg mit ihm!", "Nein, das war ein Versehen!", 0))
        return;
    if (!Menue_Requester(2, team,
                         Temp_Sprintf("%s, ich frage Sie nun zum letzten Mal: Wollen Sie Ihren Club %s wirklich im "
                                      "Stich lassen ?",
                                      name, Team_String(TEAM_NAME, team, nullptr, 0)),
                         "Ja, sag ich doch!", "Hmmm...nein, doch nicht!", 0))
        return;
    Menue_Requester(1, team,
                    "Na gut, dann tschüß, es war ne' schöne Zeit mit Dir... vielleicht sehen wir uns ja irgendwann "
                    "wieder...",
                    nullptr, nullptr, 0);
    Manager_Mitspieler_Killen(team);
    Aktuelles_Team = -1;
    if (EIGENER_SERVER) Handelndes_Team = uint32_t(-1);
}

// Sub-list 2.
uint8_t mitspieler(int32_t eintrag, int32_t, int32_t, int32_t)
{
    if (eintrag == 0) {
        Eingang_Start();
        if (Eingang_Get_Start_Bestaetigt()) Menue_Rein(Aktuelles_Team, 1);
    } else if (eintrag == 1) {
        manager_rauswerfen();
    }
    return 1;
}

constexpr int32_t MINUTEN[9] = {0, 1, 2, 3, 5, 10, 15, 20, 30};

// Sub-list 3.
uint8_t zeitlimit(int32_t eintrag, int32_t, int32_t, int32_t)
{
    if (eintrag < 0 || eintrag >= 9) return 1;
    const uint32_t neu = uint32_t(MINUTEN[eintrag]) * 60000u;
    if (neu != Menue_Zeitlimit) Menue_Startzeit = Timer_Get_Time();
    Menue_Zeitlimit = neu;
    return 1;
}

constexpr int32_t LIVE_OPTIONEN[8] = {OPTION_MOTIVATION_VOR, OPTION_MOTIVATION_HALBZEIT, OPTION_STATISTIK,
                                      OPTION_ECKBALL, OPTION_FREISTOSS, OPTION_ELFMETER,
                                      OPTION_LIVE_AUTOMATIK, OPTION_ACTION_PAD};

// Sub-list 4.
uint8_t live_option(int32_t eintrag, int32_t, int32_t, int32_t)
{
    if (eintrag >= 0 && eintrag < 8)
        Globale_Optionen_Setzen(LIVE_OPTIONEN[eintrag], Globale_Optionen(LIVE_OPTIONEN[eintrag]) ? 0 : 1);
    return 1;
}

// Sub-lists 5-9: value A the competition, value B the switch.
uint8_t wettbewerb_schalter(int32_t, int32_t, int32_t wettbewerb, int32_t art)
{
    Wettbewerb_Set_Schalter(wettbewerb, art, 2);
    return 1;
}

// Sub-list 10.
uint8_t spieldauer(int32_t eintrag, int32_t, int32_t, int32_t)
{
    if (eintrag >= 0 && eintrag < 3) Globale_Optionen_Setzen(OPTION_SPIELDAUER, eintrag);
    return 1;
}

// Sub-list 11: weekly and monthly autosave; switching one on asks first.
uint8_t zwischenspeichern(int32_t eintrag, int32_t, int32_t, int32_t)
{
    if (eintrag < 0 || eintrag > 1) return 1;
    const int32_t bit = eintrag == 0 ? 0x1 : 0x2;
    const int32_t wert = Globale_Optionen(OPTION_TAGESWECHSEL);
    if (!(wert & bit)) {
        const char* frage = eintrag == 0
                                ? "Ab jetzt wird jede Woche ein Spielstand in den Spielstand-Ordner geschrieben. Das "
                                  "dauert jedesmal eine Weile. Wirklich einschalten ?"
                                : "Ab jetzt wird jeden Monat ein Spielstand in den Spielstand-Ordner geschrieben. Das "
                                  "dauert jedesmal eine Weile. Wirklich einschalten ?";
        if (!Menue_Requester(2, Aktuelles_Team, frage, "Ja, sicher ist sicher !", "Nein, mein Stromnetz ist stabil!", 0)) {
            markieren(&Kontextmenue_Puffer, eintrag, false);
            return 1;
        }
    }
    Globale_Optionen_Setzen(OPTION_TAGESWECHSEL, wert ^ bit);
    return 1;
}

// Sub-list 12 and the menu-display menu.
uint8_t menue_modus(int32_t eintrag, int32_t, int32_t, int32_t)
{
    if (eintrag >= 0 && eintrag < 4) Ablauf_Set_Menue_Modus(eintrag + 1);
    return 1;
}

const char* const MODUS_TEXTE[4] = {
    "...am nächsten Kalendertag", "...am nächsten Spieltag", "...wenn ein Manager ein Spiel hat",
    "...wenn ein Manager ein Spiel hat oder eine Nachricht vorliegt"};

void modus_zeilen(Menue_Kontextmenue* k)
{
    const int32_t modus = Ablauf_Get_Menue_Modus();
    for (int32_t i = 0; i < 4; ++i) {
        k->texte[i] = MODUS_TEXTE[i];
        markieren(k, i, modus == i + 1);
    }
}

// The help rows show what the help byte holds: two radio groups, text and sound.
void hilfe_marken(Menue_Kontextmenue* k, uint8_t b)
{
    markieren(k, 0, !(b & 0x03));
    markieren(k, 1, b & 0x01);
    markieren(k, 2, b & 0x02);
    markieren(k, 3, !(b & 0x0C));
    markieren(k, 4, b & 0x04);
    markieren(k, 5, b & 0x08);
}

// Sub-list 14.
uint8_t hilfe(int32_t eintrag, int32_t, int32_t, int32_t)
{
    uint8_t* e = einstellungen();
    if (!e) return 1;
    uint8_t& b = e[0];
    switch (eintrag) {
    case 0: b = 0; break;
    case 1: b = uint8_t((b ^ 0x01) & ~0x02); break;
    case 2: b = uint8_t((b ^ 0x02) & ~0x01); break;
    case 3: b &= uint8_t(~0x0C); break;
    case 4: b = uint8_t((b ^ 0x04) & ~0x08); break;
    case 5: b = uint8_t((b ^ 0x08) & ~0x04); break;
    default: return 1;
    }
    // Spoken help comes with the help text.
    if ((b & 0x0C) && !(b & 0x03)) b |= 0x01;
    hilfe_marken(&Kontextmenue_Puffer, b);
    return 1;
}

// Sub-list 15.
uint8_t musik(int32_t eintrag, int32_t, int32_t, int32_t)
{
    uint8_t* e = einstellungen();
    if (!e || eintrag < 0 || eintrag > MENUESOUND_RESOURCEN + MENUESOUND_DATEIEN_MAX) return 1;
    if (e[2] == eintrag) return 1;
    e[2] = uint8_t(eintrag);
    Menuesound_Stop(0);
    if (eintrag != 0) Menuesound_Play(eintrag - 1, 1);
    return 1;
}

// Sub-list 16.
uint8_t animationen(int32_t eintrag, int32_t, int32_t, int32_t)
{
    if (uint8_t* e = einstellungen(); e && (eintrag == 0 || eintrag == 1)) e[1] ^= uint8_t(eintrag == 0 ? 0x01 : 0x02);
    return 1;
}

void wettbewerb_zeilen(Menue_Kontextmenue* k, int32_t art)
{
    int32_t ids[WETTBEWERB_ANZAHL];
    const int32_t land = Aktuelles_Team >= 0 ? Team_Wert(TEAM_NATION, Aktuelles_Team, 0, 0) : -1;
    const int32_t n = Wettbewerb_Get_Land_Wettbewerbe(land, ids);
    int32_t zeile = 0;
    for (int32_t i = 0; i < n && zeile < MENUE_KONTEXT_EINTRAEGE; ++i) {
        const Wettbewerb_Id id = ids[i];
        if (Wettbewerb_Get_Oberwettbewerb(id) != id) continue;
        const Wettbewerb_Info* info = Wettbewerb_Get_Info(id);
        if (art == 3 && (!info || !(info->modus & 0x20))) continue;
        k->texte[zeile] = Wettbewerb_Get_Anzeigename(id);
        k->wert_a[zeile] = id;
        k->wert_b[zeile] = art;
        markieren(k, zeile, Wettbewerb_Get_Schalter(id, art) != 0);
        ++zeile;
    }
    if (zeile == 0) {
        k->texte[0] = "(kein ausgeloster Wettbewerb vorhanden)";
        k->status[0] = POPUP_KEIN_HOVER;
        k->prozeduren[0] = nullptr;
    }
}

void musik_zeilen(Menue_Kontextmenue* k)
{
    static const char* const TITEL[MENUESOUND_RESOURCEN] = {
        "\"Dorvin-Sound I\"", "\"Dorvin-Sound II\"", "\"Dorvin-Sound III\"", "\"Jazz\"", "\"Soft\"", "\"Modern\"",
        "\"Funk\""};
    k->texte[0] = "Keine";
    for (int32_t i = 0; i < MENUESOUND_RESOURCEN; ++i) k->texte[1 + i] = TITEL[i];
    const int32_t dateien = Menuesound_Anzahl();
    for (int32_t i = 0; i < dateien && i < MENUESOUND_DATEIEN_MAX; ++i) {
        const char* name = Menuesound_Get_Name(i);
        if (!name) continue;
        // The name without its extension.
        std::snprintf(musik_namen[i], sizeof musik_namen[i], "%s", name);
        const size_t l = strnlen(musik_namen[i], sizeof musik_namen[i]);
        musik_namen[i][l > 4 ? l - 4 : 0] = 0;
        k->texte[1 + MENUESOUND_RESOURCEN + i] = musik_namen[i];
    }
    const uint8_t* e = einstellungen();
    for (int32_t i = 0; i < MENUE_KONTEXT_EINTRAEGE; ++i) markieren(k, i, e && e[2] == i);
}

uint8_t credits_zeigen()
{
    if (!Grafik_Seite_0 || ResFile_Handles[0].handle < 0) return 1;
    auto* bild = static_cast<Rastport*>(Load_Resource(ResFile_Handles[0].handle, CREDITS_BILD, Grafik_Seite_0->depth, nullptr));
    if (!bild) return 1;
    Grafik_Screen_Seite_Waehlen(0);
    Grafik_Blit(bild, 0, 0, 640, 480, Grafik_Seite_0, 0, 0);
    Grafik_Bitmap_Freigeben(bild);
    while (Maus_Get_Tasten() != 0 && !Programm_Ende) Win95_Message_Pump();
    while (Maus_Get_Tasten() == 0 && !Programm_Ende) Win95_Sleep(10);
    while (Maus_Get_Tasten() != 0 && !Programm_Ende) Win95_Message_Pump();
    Grafik_Screen_Seite_Zeigen(1);
    Grafik_Screen_Seite_Waehlen(1);
    return 1;
}

uint8_t optionen_klick(int32_t eintrag, int32_t, int32_t, int32_t)
{
    if (eintrag == 17) return credits_zeigen();
    if (eintrag == 18 &&
        Menue_Requester(2, Aktuelles_Team, "Möchten Sie sich wirklich schon vom DORVIN-Ziduridavozozor trennen ?",
                        "Ja, muß leider sein...", "Ich kann es einfach nicht !!!", 0))
        Ablauf_Set_Befehl(4);
    return 1;
}

uint8_t briefkasten_schalter(int32_t, int32_t, int32_t, int32_t)
{
    Menue_Briefkasten_Klick(nullptr, 0);
    return 1;
}

}  // namespace

Menue_Kontextmenue* Menue_Optionen_Kontextmenue()
{
    if (!Eingang_Get_Spiel_Gestartet()) return nullptr;
    std::snprintf(titel, sizeof titel, "Optionen (%s):", WIN95_FENSTER_TITEL);
    Menue_Init_Kontextmenue(&Kontext_Menue, titel, -1, POPUP_WAEHLBAR, optionen_klick);
    const char* team = Aktuelles_Team >= 0 ? Team_String(TEAM_NAME, Aktuelles_Team, nullptr, 0) : nullptr;
    std::snprintf(team_zeile, sizeof team_zeile, "--- Optionen NUR für %s ---", team ? team : "");
    zeilen(&Kontext_Menue, {"--- Optionen für ALLE Manager ---", "Laden/Speichern", "Mitspieler", "Zeitbeschränkung",
                            "Live-Übertragung", "Ergebnisse und Tabellen", "Elf des Tages", "Live-Auslosung",
                            "Videotext-Anzeige langsamer", "Exakte Live-Spielberechnung", "Live-Spiel-Dauer",
                            "Spielstand zwischenspeichern", "Menü einblenden", team_zeile, "Hilfesystem",
                            "Hintergrundmusik", "Ereignis-Animationen", "Credits", "Spiel beenden (snief...)"});
    for (int32_t i : {1, 5, 6, 7, 9, 10, 11, 12, 14, 15, 16})
        Kontext_Menue.unterlisten[i] = Menue_Optionen_Kontext_Untermenue_Erzeugen;
    for (int32_t i : {0, 13}) Kontext_Menue.status[i] = 0x000A;
    for (int32_t i : {2, 3, 4, 8}) Kontext_Menue.status[i] = 0;
    if (ist_client())
        for (int32_t i : {6, 7, 9, 10, 12}) {
            Kontext_Menue.status[i] = 0;
            Kontext_Menue.unterlisten[i] = nullptr;
        }
    for (int32_t i : {12, 16, 17}) Kontext_Menue.status[i] |= POPUP_TRENNER;
    return &Kontext_Menue;
}

Menue_Kontextmenue* Menue_Optionen_Kontext_Untermenue_Erzeugen(Menue_Kontextmenue*, int32_t item)
{
    Menue_Kontextmenue* k = &Kontextmenue_Puffer;
    constexpr uint16_t RADIO = 0x0221, HAKEN = 0x0211;
    switch (item) {
    case 1:
        Menue_Init_Kontextmenue(k, nullptr, -1, POPUP_WAEHLBAR, laden_speichern);
        // The running game's own name: a new game never saved has none and asks for one.
        if (*Spielstand_Name())
            std::snprintf(speichern_zeile, sizeof speichern_zeile, "Speichern (%s)", spielstand_name(Spielstand_Name()).c_str());
        else
            std::snprintf(speichern_zeile, sizeof speichern_zeile, "Speichern (noch ohne Namen)");
        zeilen(k, {speichern_zeile, "Speichern unter neuem Namen", "Laden"});
        k->status[1] |= POPUP_TRENNER;
        break;
    case 2:
        Menue_Init_Kontextmenue(k, nullptr, -1, POPUP_WAEHLBAR, mitspieler);
        zeilen(k, {"Neuer Manager", "Manager rauswerfen"});
        if (Manager_Anzahl >= 100) k->status[0] = 0;
        if (Manager_Anzahl <= 1) k->status[1] = 0;
        break;
    case 3:
        Menue_Init_Kontextmenue(k, nullptr, -1, RADIO, zeitlimit);
        zeilen(k, {"Keine", "1 Minute", "2 Minuten", "3 Minuten", "5 Minuten", "10 Minuten", "15 Minuten",
                   "20 Minuten", "30 Minuten"});
        for (int32_t i = 0; i < 9; ++i) markieren(k, i, Menue_Zeitlimit == uint32_t(MINUTEN[i]) * 60000u);
        break;
    case 4:
        Menue_Init_Kontextmenue(k, nullptr, -1, HAKEN, live_option);
        zeilen(k, {"Motivation vor dem Spiel", "Motivation in der Halbzeit", "Statistik nach dem Spiel",
                   "Eckballschützen-Auswahl", "Freistossschützen-Auswahl", "Elfmeterschützen-Auswahl",
                   "Manager-Live-Automatik", "Action-Control_Pad"});
        for (int32_t i = 0; i < 8; ++i) markieren(k, i, Globale_Optionen(LIVE_OPTIONEN[i]) != 0);
        k->status[5] |= POPUP_TRENNER;
        break;
    case 5: case 6: case 7: case 8: case 9: {
        static constexpr int32_t ARTEN[5] = {1, 2, 3, 4, 5};
        Menue_Init_Kontextmenue(k, nullptr, -1, HAKEN, wettbewerb_schalter);
        wettbewerb_zeilen(k, ARTEN[item - 5]);
        break;
    }
    case 10:
        Menue_Init_Kontextmenue(k, nullptr, -1, RADIO, spieldauer);
        zeilen(k, {"1 (kurz)", "2", "3"});
        for (int32_t i = 0; i < 3; ++i) markieren(k, i, Globale_Optionen(OPTION_SPIELDAUER) == i);
        break;
    case 11:
        Menue_Init_Kontextmenue(k, nullptr, -1, 0x0011, zwischenspeichern);
        zeilen(k, {"Wöchentlich", "Monatlich"});
        markieren(k, 0, Globale_Optionen(OPTION_TAGESWECHSEL) & 0x1);
        markieren(k, 1, Globale_Optionen(OPTION_TAGESWECHSEL) & 0x2);
        break;
    case 12:
        Menue_Init_Kontextmenue(k, nullptr, -1, RADIO, menue_modus);
        modus_zeilen(k);
        break;
    case 14: {
        Menue_Init_Kontextmenue(k, nullptr, -1, RADIO, hilfe);
        zeilen(k, {"Kein Hilfetext", "Hilfetext normal", "Hilfetext schnell", "Kein Hilfesound", "Hilfesound normal",
                   "Hilfesound schnell"});
        k->status[2] |= POPUP_TRENNER;
        const uint8_t* e = einstellungen();
        hilfe_marken(k, e ? e[0] : 0);
        break;
    }
    case 15:
        Menue_Init_Kontextmenue(k, nullptr, -1, 0x1221, musik);
        musik_zeilen(k);
        break;
    case 16: {
        Menue_Init_Kontextmenue(k, nullptr, -1, HAKEN, animationen);
        zeilen(k, {"Häufige Sequenzen", "Seltene Sequenzen"});
        const uint8_t* e = einstellungen();
        markieren(k, 0, e && (e[1] & 0x01));
        markieren(k, 1, e && (e[1] & 0x02));
        break;
    }
    default:
        // No such sub-list: the number was taken for a competition kind that does not exist.
        Print_Fehler("Menue_Optionen_Kontext_Untermenue_Erzeugen: falsches flag!");
        Menue_Init_Kontextmenue(k, nullptr, -1, 0, nullptr);
        break;
    }
    return k;
}

Menue_Kontextmenue* Menue_Einblenden_Kontextmenue(Menue_Icon*)
{
    if (ist_client() || !Eingang_Get_Spiel_Gestartet()) return nullptr;
    Menue_Init_Kontextmenue(&Kontext_Menue, "Menü einblenden...", -1, 0x0221, menue_modus);
    modus_zeilen(&Kontext_Menue);
    return &Kontext_Menue;
}

void Menue_Briefkasten_Icon_Setzen(uint8_t post, uint8_t zeichnen, uint8_t abdunkeln)
{
    Menue_Icon* icon = Menue_Screen_Icon_Aus_Nummer(MENUE_BRIEFKASTEN);
    if (!icon) return;
    Menue_Icon_Slave_Rastport_Zuweisen(icon, post ? 48 : 49);
    icon->hilfetext = post ? "Briefkasten: Es liegen neue Nachrichten für Sie vor." : "Briefkasten: keine neuen Nachrichten.";
    if (!zeichnen && !abdunkeln) {
        icon->refresh = 1;
        return;
    }
    Menue_Screen_Icon_Zeichnen(icon);
    if (abdunkeln && Grafik_Render_Ziel)
        Grafik_Blit_Abdunkeln(Grafik_Render_Ziel, icon->x, icon->y, icon->breite, icon->hoehe, Grafik_Render_Ziel, icon->x,
                              icon->y, 60);
}

int32_t Menue_Briefkasten_Oeffnen(Menue_Icon* icon, uint32_t flags)
{
    const int32_t n = Postfach_Screen(icon, flags);
    // The icon tells what the mailbox holds now.
    Menue_Briefkasten_Icon_Setzen(Postfach_Neue_Post(Aktuelles_Team), 1, 0);
    return n;
}

void Menue_Briefkasten_Oeffnen_Pruefen()
{
    // "Bei jeder neuen Nachricht einblenden": only when something new waits, else every turn
    // would begin with the kept messages.
    if (!Menue_Screen_Icon_Ist_Vorhanden(701) || !Manager_Icon_Button_Lesen(Aktuelles_Team, 2600) ||
        !Postfach_Neue_Post(Aktuelles_Team))
        return;
    Menue_Icon_Verlassen();
    Menue_Briefkasten_Oeffnen(Menue_Screen_Icon_Aus_Nummer(MENUE_BRIEFKASTEN), 4);
}

Menue_Kontextmenue* Menue_Briefkasten_Kontextmenue(Menue_Icon* icon)
{
    Menue_Init_Kontextmenue(&Kontext_Menue, "Briefkasten-Eigenschaften", icon ? icon->nummer : -1, 0x0011,
                            briefkasten_schalter);
    Kontext_Menue.texte[0] = "Bei jeder neuen Nachricht einblenden";
    markieren(&Kontext_Menue, 0, Manager_Icon_Button_Lesen(Aktuelles_Team, 2600) != 0);
    return &Kontext_Menue;
}
