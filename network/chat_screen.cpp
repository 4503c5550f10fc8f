// The chat screen, a gadget-list screen: the messages, the crests of the connected clubs, a text
// entry and an OK button over a copy of the screen that was there.
#include <cstdio>
#include <cstring>
#include <string>

#include "database/team.h"
#include "gameflow/globals.h"
#include "gameflow/wappen.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "network/chat.h"
#include "network/chat_intern.h"
#include "platform/bytes.h"
#include "platform/os/os.h"
#include "platform/timer.h"
#include "platform/maus.h"
#include "platform/print.h"
#include "platform/win95.h"
#include "toolkit/btnscreen.h"
#include "toolkit/hauptmenue.h"
#include "toolkit/hilfe.h"
#include "toolkit/key_input.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/popup.h"

namespace {

constexpr int32_t FONT = 3;
constexpr int32_t NACHRICHTEN_X = 16, NACHRICHTEN_Y = 36, NACHRICHTEN_W = 448, NACHRICHTEN_H = 380;
constexpr int32_t WAPPEN_X = 500, WAPPEN_Y = 36, WAPPEN_W = 94, WAPPEN_H = 156;
constexpr int32_t EINGABE_X = 16, EINGABE_Y = 428, EINGABE_W = 448, EINGABE_H = 18;
constexpr int32_t OK_X = 500, OK_Y = 424, OK_W = 94, OK_H = 26;
constexpr int32_t ZEILE_H = 12, ZEILEN_MAX = 30;
constexpr uint32_t BLINKEN_MS = 350;
constexpr uint32_t LOSLASSEN_MS = 2000;

Chat_Eingabe eingabe{};
Rastport* vorher = nullptr;  // the screen the chat opened over, back when it closes
bool erster_aufruf = true;
bool cursor_an = true;
uint32_t blink_zeit = 0;
bool ok_gedrueckt = false;

const char* hilfe_nachrichten(Btnscreen_Gadget*, int32_t) { return "Die letzten Nachrichten der Mitspieler."; }
const char* hilfe_wappen(Btnscreen_Gadget*, int32_t)
{
    return "Die Vereine der Mitspieler im Netz; hervorgehoben, wer gerade im Chat ist.";
}
const char* hilfe_eingabe(Btnscreen_Gadget*, int32_t)
{
    return "Hier tippen Sie Ihre Nachricht; Enter schickt sie an alle. \"/me\" spricht für Ihren Verein.";
}
const char* hilfe_ok(Btnscreen_Gadget*, int32_t) { return "Chat verlassen"; }
void ok_klick(Btnscreen_Gadget*) { ok_gedrueckt = true; }

// The screen's gadgets draw into bitmaps of their own; the driver shows them on page 0.
Btnscreen_Gadget gadget(int32_t x, int32_t y, int32_t w, int32_t h, int32_t prioritaet, Btnscreen_Text_Prozedur hilfe,
                        Btnscreen_Gadget* next)
{
    Btnscreen_Gadget g{};
    g.x = x;
    g.y = y;
    g.w = w;
    g.h = h;
    g.resfile = g.resource = -1;
    g.flag_a = BTN_A_SICHTBAR | (hilfe ? BTN_A_HILFE : 0);
    g.klick_sound = -1;
    g.modus = 1;
    g.prioritaet = prioritaet;
    g.hilfetext = hilfe;
    g.next = next;
    return g;
}

Btnscreen_Gadget chat_screen_ok_lb = [] {
    Btnscreen_Gadget g = gadget(OK_X, OK_Y, OK_W, OK_H, 2, hilfe_ok, nullptr);
    g.flag_a |= BTN_A_GLUEHT;
    g.links = ok_klick;
    return g;
}();
Btnscreen_Gadget chat_eingabe = gadget(EINGABE_X, EINGABE_Y, EINGABE_W, EINGABE_H, 1, hilfe_eingabe, &chat_screen_ok_lb);
Btnscreen_Gadget chat_wappen = gadget(WAPPEN_X, WAPPEN_Y, WAPPEN_W, WAPPEN_H, 1, hilfe_wappen, &chat_eingabe);
Btnscreen_Gadget chat_nachrichten =
    gadget(NACHRICHTEN_X, NACHRICHTEN_Y, NACHRICHTEN_W, NACHRICHTEN_H, 1, hilfe_nachrichten, &chat_wappen);
Btnscreen_Gadget chat_grund = gadget(0, 0, 640, 480, 0, nullptr, &chat_nachrichten);
Btnscreen_Gadget* const liste = &chat_grund;

bool hat_auswahl() { return eingabe.auswahl_start != eingabe.auswahl_ende; }

void auswahl_loeschen()
{
    int32_t a = eingabe.auswahl_start, b = eingabe.auswahl_ende;
    Key_Input_Bereich_Ordnen(&a, &b);
    const int32_t n = int32_t(std::strlen(eingabe.text));
    if (a < 0 || b > n) a = b = 0;
    std::memmove(eingabe.text + a, eingabe.text + b, size_t(n - b + 1));
    eingabe.cursor = a;
    eingabe.auswahl_start = eingabe.auswahl_ende = 0;
}

void zeichnen_text(Rastport* z, int32_t x, int32_t y, uint16_t farbe, const char* text)
{
    Grafik_Printf(z, Font(FONT), "^c%05d%s", x, y, int(farbe), text);
}

const char* name(int32_t feld, int32_t team)
{
    const char* n = team >= 0 && team < Team_Anzahl ? Team_String(feld, team, nullptr, 0) : nullptr;
    return n ? n : "Server";
}

// An open help bubble covers part of the gadget.
bool unter_hilfe(const Btnscreen_Gadget& g)
{
    int32_t hx = 0, hy = 0, hw = 0, hh = 0;
    return Hilfe_Offen(&hx, &hy, &hw, &hh) && hx < g.x + g.w && g.x < hx + hw && hy < g.y + g.h && g.y < hy + hh;
}

// Drawn in the gadget's own coordinates, then shown on the screen. A help bubble over the gadget
// goes first: drawn over, half of it would stay, and closing it later would put the old picture
// of the gadget back. The driver shows it again while the pointer rests.
void zeigen(const Btnscreen_Gadget& g)
{
    if (!g.bitmap1 || !Grafik_Seite_0) return;
    if (unter_hilfe(g)) Btnscreen_Hilfe_Schliessen();
    Grafik_Blit(g.bitmap1, 0, 0, g.w, g.h, Grafik_Seite_0, g.x, g.y);
    Grafik_Screen_Rechteck_Zeigen(g.x, g.y, g.w, g.h);
}

void nachrichten_zeichnen()
{
    Rastport* z = chat_nachrichten.bitmap1;
    if (!z) return;
    Grafik_Rechteck_Fuellen(z, 0, 0, NACHRICHTEN_W, NACHRICHTEN_H, Grafik_Farbe(1, 1, 3));
    int32_t y = NACHRICHTEN_H - 11;
    int32_t zeilen = 0;
    for (int32_t k = 0; zeilen < ZEILEN_MAX && y > 0; ++k) {
        uint32_t g = 0;
        const uint8_t* p = Chat_Historie_Nachricht(k, &g);
        if (!p) break;
        const uint32_t n = Bytes_Hole32(p + 24);
        const uint32_t tl = Bytes_Hole32(p + 20);
        const char* text = reinterpret_cast<const char*>(p + CHAT_KOPF + 4 * n);
        const uint16_t farbe = Chat_Nachricht_Farbe(p);
        for (int32_t zl = int32_t(n) - 1; zl >= 0 && zeilen < ZEILEN_MAX && y > 0; --zl) {
            const uint32_t von = Bytes_Hole32(p + CHAT_KOPF + 4 * uint32_t(zl));
            const uint32_t bis = uint32_t(zl) + 1 < n ? Bytes_Hole32(p + CHAT_KOPF + 4 * uint32_t(zl + 1)) : tl - 1;
            char zeile[CHAT_TEXT_MAX + 1] = {};
            if (bis > von) std::memcpy(zeile, text + von, bis - von);
            zeichnen_text(z, 4, y, farbe, zeile);
            y -= ZEILE_H;
            ++zeilen;
        }
        if (zeilen >= ZEILEN_MAX || y <= 0) break;
        zeichnen_text(z, 4, y, Grafik_Farbe(10, 10, 10), Chat_Absender(int32_t(Bytes_Hole32(p + 8))).c_str());
        y -= ZEILE_H;
        ++zeilen;
    }
}

void wappen_zeichnen()
{
    Rastport* z = chat_wappen.bitmap1;
    if (!z) return;
    Grafik_Rechteck_Fuellen(z, 0, 0, WAPPEN_W, WAPPEN_H, Grafik_Farbe(1, 1, 3));
    int32_t x = 2, y = 2;
    for (int32_t t = 0; t < Team_Anzahl && y + 20 <= WAPPEN_H; ++t) {
        if (!Team_Ist_Normal(t, 0) || !(Team_Wert(TEAM_STATUS, t, 0, TEAM_LESEN) & CHAT_VERBUNDEN_BIT)) continue;
        const bool im_chat = Team_Wert(TEAM_FLAGS, t, 0, TEAM_LESEN) & CHAT_OFFEN_BIT;
        if (Rastport* w = Wappen_Load_Team(0, nullptr, 0, 0, t, 0, 20, 20)) {
            if (im_chat) Grafik_Blit(w, 0, 0, 20, 20, z, x, y);
            else Grafik_Blit_Abdunkeln(w, 0, 0, 20, 20, z, x, y, 60);
            Grafik_Bitmap_Freigeben(w);
        } else {
            Grafik_Rechteck_Fuellen(z, x, y, 20, 20, im_chat ? Grafik_Farbe(12, 12, 4) : Grafik_Farbe(5, 5, 5));
        }
        if (im_chat) {
            const uint16_t f = Grafik_Farbe(15, 15, 15);
            Grafik_Rechteck_Fuellen(z, x - 1, y - 1, 22, 1, f);
            Grafik_Rechteck_Fuellen(z, x - 1, y + 20, 22, 1, f);
            Grafik_Rechteck_Fuellen(z, x - 1, y, 1, 20, f);
            Grafik_Rechteck_Fuellen(z, x + 20, y, 1, 20, f);
        }
        x += 23;
        if (x > 90 - 20) {
            x = 2;
            y += 23;
        }
    }
}

void eingabe_zeichnen()
{
    Rastport* z = chat_eingabe.bitmap1;
    if (!z) return;
    Grafik_Rechteck_Fuellen(z, 0, 0, EINGABE_W, EINGABE_H, Grafik_Farbe(0, 0, 1));
    Font_Record* f = Font(FONT);
    // Only the end of a long text shows.
    int32_t anfang = 0;
    while (Key_Input_Text_Breite(f, eingabe.text + anfang, eingabe.cursor - anfang) > EINGABE_W - 12) ++anfang;
    if (hat_auswahl()) {
        int32_t a = eingabe.auswahl_start, b = eingabe.auswahl_ende;
        Key_Input_Bereich_Ordnen(&a, &b);
        if (a < anfang) a = anfang;
        const int32_t x1 = Key_Input_Text_Breite(f, eingabe.text + anfang, a - anfang);
        const int32_t x2 = Key_Input_Text_Breite(f, eingabe.text + anfang, b - anfang);
        Grafik_Rechteck_Fuellen(z, 4 + x1, 2, x2 - x1, EINGABE_H - 4, Grafik_Farbe(3, 6, 12));
    }
    zeichnen_text(z, 4, 13, Grafik_Farbe(15, 15, 15), eingabe.text + anfang);
    if (cursor_an) {
        const int32_t x = Key_Input_Text_Breite(f, eingabe.text + anfang, eingabe.cursor - anfang);
        Grafik_Rechteck_Fuellen(z, 4 + x, 2, 1, EINGABE_H - 4, Grafik_Farbe(15, 15, 15));
    }
}

// The chat's background over the copy of the screen it opened on.
void grund_zeichnen()
{
    Rastport* z = chat_grund.bitmap1;
    if (!z) return;
    if (vorher) Grafik_Blit(vorher, 0, 0, 640, 480, z, 0, 0);
    Grafik_Rechteck_Fuellen(z, 6, 6, 628, 468, Grafik_Farbe(2, 2, 5));
    Grafik_Rechteck_Fuellen(z, 8, 8, 624, 22, Grafik_Farbe(2, 2, 10));
    zeichnen_text(z, 16, 24, Grafik_Farbe(15, 15, 15), "Chat");
}

void ok_zeichnen()
{
    Rastport* z = chat_screen_ok_lb.bitmap1;
    if (!z) return;
    Grafik_Rechteck_Fuellen(z, 0, 0, OK_W, OK_H, Grafik_Farbe(6, 6, 9));
    zeichnen_text(z, 38, 17, Grafik_Farbe(15, 15, 15), "OK");
}

void schliessen()
{
    if (!erster_aufruf) Btnscreen_Freigeben(liste, 1);
    if (vorher) {
        if (Grafik_Seite_0) Grafik_Blit(vorher, 0, 0, 640, 480, Grafik_Seite_0, 0, 0);
        vorher = Grafik_Bitmap_Freigeben(vorher);
        Grafik_Screen_Rechteck_Zeigen(0, 0, 640, 480);
    }
    erster_aufruf = true;
    ok_gedrueckt = false;
}

}  // namespace

Chat_Eingabe& Chat_Eingabe_Get() { return eingabe; }

void Chat_Eingabe_Leeren() { eingabe = Chat_Eingabe{}; }

bool Chat_Eingabe_Taste(int32_t code, bool shift)
{
    Chat_Eingabe& e = eingabe;
    const int32_t n = int32_t(std::strlen(e.text));
    auto bewegen = [&](int32_t ziel_pos) {
        if (shift) {
            if (!hat_auswahl()) e.anker = e.cursor;
            e.cursor = ziel_pos;
            e.auswahl_start = e.anker;
            e.auswahl_ende = e.cursor;
        } else {
            e.cursor = ziel_pos;
            e.auswahl_start = e.auswahl_ende = 0;
        }
    };
    switch (code) {
    case VK_HOME: bewegen(0); return false;
    case VK_END: bewegen(n); return false;
    case VK_LEFT: bewegen(e.cursor > 0 ? e.cursor - 1 : 0); return false;
    case VK_RIGHT: bewegen(e.cursor < n ? e.cursor + 1 : n); return false;
    case VK_BACK:
        if (hat_auswahl()) auswahl_loeschen();
        else if (e.cursor > 0) {
            std::memmove(e.text + e.cursor - 1, e.text + e.cursor, size_t(n - e.cursor + 1));
            --e.cursor;
        }
        return false;
    case VK_DELETE:
        if (hat_auswahl()) auswahl_loeschen();
        else if (e.cursor < n) std::memmove(e.text + e.cursor, e.text + e.cursor + 1, size_t(n - e.cursor));
        return false;
    case VK_RETURN:
        e.auswahl_start = e.auswahl_ende = 0;
        e.cursor = 0;
        return true;
    case VK_SHIFT: case VK_CONTROL: case VK_MENU: case VK_ESCAPE: case VK_TAB:
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_INSERT:
        return false;
    default: break;
    }
    if (code >= VK_F1 && code < VK_F1 + 24) return false;
    const char c = Key_Input_Zeichen(code, shift);
    // '^' would start a code of the renderer on every PC that draws the line: the field takes none.
    if (uint8_t(c) < 32 || c == '^') return false;
    if (hat_auswahl()) auswahl_loeschen();
    const int32_t m = int32_t(std::strlen(e.text));
    // Typing stops at the text's size.
    if (m >= int32_t(CHAT_TEXT_MAX)) return false;
    std::memmove(e.text + e.cursor + 1, e.text + e.cursor, size_t(m - e.cursor + 1));
    e.text[e.cursor++] = c;
    return false;
}

void Chat_Screen()
{
    chat_intern::offen = true;
    Chat_Init();
    if (!Grafik_Seite_0) return;
    if (erster_aufruf) {
        vorher = Grafik_Bitmap_Anlegen(640, 480, Grafik_Seite_0->depth);
        if (vorher) Grafik_Blit(Grafik_Seite_0, 0, 0, 640, 480, vorher, 0, 0);
        if (!Btnscreen_Laden(liste, 1)) {
            // Without its bitmaps the chat cannot show: it stays shut.
            vorher = Grafik_Bitmap_Freigeben(vorher);
            chat_intern::offen = false;
            Print_Fehler("Der Chat kann nicht angezeigt werden.");
            return;
        }
        erster_aufruf = false;
        ok_gedrueckt = false;
        grund_zeichnen();
        nachrichten_zeichnen();
        wappen_zeichnen();
        eingabe_zeichnen();
        ok_zeichnen();
        Btnscreen_Zeichnen(liste, 0);
        Grafik_Screen_Rechteck_Zeigen(0, 0, 640, 480);
        Chat_Betreten();
        return;
    }
    if (chat_intern::neue_nachrichten) {
        chat_intern::neue_nachrichten = false;
        nachrichten_zeichnen();
        wappen_zeichnen();
        zeigen(chat_nachrichten);
        zeigen(chat_wappen);
    }
    bool neu_zeichnen = false;
    const uint32_t jetzt = Timer_Get_Time();
    // The cursor does not blink under a bubble, which would close at each blink.
    if (jetzt - blink_zeit >= BLINKEN_MS && !unter_hilfe(chat_eingabe)) {
        blink_zeit = jetzt;
        cursor_an = !cursor_an;
        neu_zeichnen = true;
    }
    while (Key_Input_Taste_Vorhanden()) {
        const int32_t code = Key_Input_Taste_Holen();
        if (code < 0) break;
        cursor_an = true;
        neu_zeichnen = true;
        if (Chat_Eingabe_Taste(code, Os_Shift_Held()) && eingabe.text[0]) {
            Chat_Senden(eingabe.text);
            Chat_Eingabe_Leeren();
        }
    }
    if (neu_zeichnen) {
        eingabe_zeichnen();
        zeigen(chat_eingabe);
    }
    Screen_Frame_Zeit = jetzt;
    Btnscreen_Schritt(liste);
    if (ok_gedrueckt) {
        Chat_Verlassen();
        Menue_Chat_Icon_Markieren(0);
        chat_intern::offen = false;
        schliessen();
        // The press that closed the chat must not reach the screen beneath; a button held down
        // for good does not hold the game.
        const uint32_t seit = Timer_Get_Time();
        while (Maus_Get_Tasten() != 0 && !Programm_Ende && Timer_Get_Time() - seit < LOSLASSEN_MS) {
            Win95_Message_Pump();
            Win95_Sleep(5);
        }
    }
}

void Chat_Screen_Schliessen()
{
    if (!chat_intern::offen) return;
    Chat_Verlassen();
    chat_intern::offen = false;
    schliessen();
}

namespace {

Menue_Kontextmenue buddy_haupt{}, buddy_unter{};
char haupt_texte[MENUE_KONTEXT_EINTRAEGE][16];
char unter_titel[16];
char unter_texte[MENUE_KONTEXT_EINTRAEGE][64];

uint8_t buddy_klick(int32_t, int32_t, int32_t index, int32_t)
{
    Chat_Buddy_Umschalten(index);
    return 1;
}

// The clubs of one group of 33, ticked when chosen.
Menue_Kontextmenue* buddy_gruppe(Menue_Kontextmenue*, int32_t gruppe)
{
    std::snprintf(unter_titel, sizeof unter_titel, "Vereine %c:", char('A' + gruppe));
    Menue_Init_Kontextmenue(&buddy_unter, unter_titel, 0, POPUP_WAEHLBAR | POPUP_HAKEN, buddy_klick);
    for (int32_t k = 0; k < MENUE_KONTEXT_EINTRAEGE; ++k) {
        const int32_t index = gruppe * MENUE_KONTEXT_EINTRAEGE + k;
        const int32_t t = Chat_Verein(index);
        if (t < 0) break;
        std::snprintf(unter_texte[k], sizeof unter_texte[k], "%s, %s", name(176, t), name(299, t));
        buddy_unter.texte[k] = unter_texte[k];
        buddy_unter.wert_a[k] = index;
        if (Chat_Ist_Buddy(index)) buddy_unter.status[k] |= POPUP_GEWAEHLT;
    }
    return &buddy_unter;
}

}  // namespace

void Chat_Buddies_Waehlen()
{
    Chat_Init();
    Menue_Init_Kontextmenue(&buddy_haupt, "Buddies wählen:", 0, POPUP_WAEHLBAR, nullptr);
    const int32_t gruppen = (Chat_Vereine_Anzahl() + MENUE_KONTEXT_EINTRAEGE - 1) / MENUE_KONTEXT_EINTRAEGE;
    for (int32_t g = 0; g < gruppen && g < MENUE_KONTEXT_EINTRAEGE; ++g) {
        std::snprintf(haupt_texte[g], sizeof haupt_texte[g], "Vereine %c", char('A' + g));
        buddy_haupt.texte[g] = haupt_texte[g];
        buddy_haupt.unterlisten[g] = buddy_gruppe;
    }
    Popup_Liste_Ausfuehren(&buddy_haupt);
}

std::string Chat_Absender(int32_t sender)
{
    // A server without a manager of its own speaks as itself, named once.
    if (sender < 0 || sender >= Team_Anzahl) return "Server: ";
    return std::string(name(TEAM_NAME_WAPPEN, sender)) + ", " + name(TEAM_MANAGER_NAME, sender) + ": ";
}
