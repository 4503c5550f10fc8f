#include "toolkit/dialog.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/string_util.h"
#include "platform/maus.h"
#include "platform/os/os.h"
#include "platform/win95.h"
#include "platform/win95_dialog.h"
#include "toolkit/key_input.h"

namespace {

constexpr int32_t X = 120, Y = 80, W = 400, H = 320;
constexpr int32_t ZEILEN = 16, ZEILE_H = 13;
constexpr int32_t LISTE_X = X + 10, LISTE_Y = Y + 30, LISTE_W = W - 20;
constexpr int32_t FELD_Y = LISTE_Y + ZEILEN * ZEILE_H + 8;
constexpr int32_t KNOPF_Y = Y + H - 30, OK_X = X + W - 190, ABBRUCH_X = X + W - 100, KNOPF_W = 80;

// The lines a dialog shows; check lines of the start options carry their mark.
std::vector<std::string> zeilen(const Win95_Dialog_Anfrage& a)
{
    if (a.art == Win95_Dialog_Art::Farben) {
        std::vector<std::string> z;
        for (int i = 0; i < 16; ++i)
            z.push_back("Farbe " + std::to_string(i + 1) + ":  " + std::to_string(a.farben[3 * i]) + "  " +
                        std::to_string(a.farben[3 * i + 1]) + "  " + std::to_string(a.farben[3 * i + 2]));
        return z;
    }
    if (a.art != Win95_Dialog_Art::Startoptionen) return a.eintraege;
    const Start_Optionen& o = a.optionen;
    auto m = [](bool an) { return std::string(an ? "   [x] " : "   [  ] "); };
    return {"starten als",
            m(o.rolle == 2) + "Server (mit Client Fähigkeiten)", m(o.rolle == 1) + "Client", m(o.rolle == 0) + "Normalversion",
            "Debug Optionen",
            m(o.kein_sound) + "kein Sound",    m(o.keine_filme) + "keine Filme",  m(o.protokoll) + "Start-Up Protokoll",
            m(o.konsole) + "Debug-Console",    m(o.debug_ausgaben) + "Debug-Ausgaben",
            "Grafik Aufbau",
            m(o.direct_x) + "Direct X",        m(o.aufloesung_800) + "800x600",
            "",
            m(o.speichern).substr(3) + "Einstellungen speichern"};
}

// The start options' line of a shown row: the three roles, then the eight boxes; -1 for the
// group captions and the gap before the box outside the groups.
int32_t optionen_zeile(int32_t zeile)
{
    constexpr int32_t zeilen[15] = {-1, 0, 1, 2, -1, 3, 4, 5, 6, 7, -1, 8, 9, -1, 10};
    return zeile >= 0 && zeile < 15 ? zeilen[zeile] : -1;
}

// The eight boxes of the start options in their order; debug output and 800x600 are two.
void haken(Start_Optionen& o, uint32_t* h[8])
{
    uint32_t* const alle[8] = {&o.kein_sound, &o.keine_filme, &o.protokoll,      &o.konsole,
                               &o.debug_ausgaben, &o.direct_x, &o.aufloesung_800, &o.speichern};
    for (int i = 0; i < 8; ++i) h[i] = alle[i];
}

bool mit_feld(Win95_Dialog_Art art) { return art == Win95_Dialog_Art::Speichern || art == Win95_Dialog_Art::Text; }

// A file name of blanks alone is no name.
void name_saeubern(std::string& text)
{
    const size_t anfang = text.find_first_not_of(' ');
    if (anfang == std::string::npos) {
        text.clear();
        return;
    }
    text = text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

// OK may end the dialog only with something to act on; else the player is told what is missing
// and the dialog stays open.
bool bestaetigen(Win95_Dialog_Anfrage& a)
{
    if (a.art == Win95_Dialog_Art::Liste && a.auswahl < 0) {
        Win95_Meldung("Bitte treffen Sie eine Auswahl.");
        return false;
    }
    if (a.art == Win95_Dialog_Art::Speichern) {
        name_saeubern(a.text);
        if (a.text.empty()) {
            Win95_Meldung("Bitte geben Sie einen Dateinamen ein.");
            return false;
        }
    }
    if (a.art == Win95_Dialog_Art::Oeffnen && a.text.empty() &&
        (a.auswahl < 0 || size_t(a.auswahl) >= a.eintraege.size())) {
        Win95_Meldung(a.eintraege.empty() ? "In diesem Ordner gibt es keine Datei, die geladen werden kann."
                                          : "Bitte wählen Sie eine Datei aus.");
        return false;
    }
    return true;
}

void knopf(Rastport* s, int32_t x, const char* text)
{
    Grafik_Rechteck_Fuellen(s, x, KNOPF_Y, KNOPF_W, 20, Grafik_Farbe(6, 6, 9));
    Grafik_Printf(s, Font(3), "^c%05d%s", x + 10, KNOPF_Y + 14, int(Grafik_Farbe(15, 15, 15)), text);
}

void zeichnen(const Win95_Dialog_Anfrage& a, int32_t oben)
{
    Rastport* s = Grafik_Seite_0;
    if (!s) return;
    Grafik_Rechteck_Fuellen(s, X, Y, W, H, Grafik_Farbe(3, 3, 5));
    Grafik_Rechteck_Fuellen(s, X + 2, Y + 2, W - 4, 20, Grafik_Farbe(2, 2, 10));
    Grafik_Printf(s, Font(3), "^c%05d%s", X + 8, Y + 16, int(Grafik_Farbe(15, 15, 15)), a.titel);
    if (!a.filter.empty())
        Grafik_Printf(s, Font(3), "^c%05d%s", X + W - 150, Y + 16, int(Grafik_Farbe(12, 12, 12)), a.filter.c_str());
    Grafik_Rechteck_Fuellen(s, LISTE_X, LISTE_Y, LISTE_W, ZEILEN * ZEILE_H, Grafik_Farbe(1, 1, 2));
    const std::vector<std::string> z = zeilen(a);
    for (int32_t i = 0; i < ZEILEN && oben + i < int32_t(z.size()); ++i) {
        const int32_t y = LISTE_Y + i * ZEILE_H;
        if (oben + i == a.auswahl) Grafik_Rechteck_Fuellen(s, LISTE_X, y, LISTE_W, ZEILE_H, Grafik_Farbe(3, 9, 9));
        // File names come from a folder a user can touch: shown as the characters they hold.
        Grafik_Printf(s, Font(3), "^c%05d%s", LISTE_X + 4, y + 10, int(Grafik_Farbe(15, 15, 15)),
                      String_Klartext(z[size_t(oben + i)]).c_str());
    }
    if (a.art == Win95_Dialog_Art::Farben && a.auswahl >= 0 && a.auswahl < 16)
        for (int i = 0; i < 16; ++i)
            Grafik_Rechteck_Fuellen(s, X + 10 + i * 24, FELD_Y, 20, 14,
                                    Grafik_Farbe(a.farben[3 * i] >> 4, a.farben[3 * i + 1] >> 4, a.farben[3 * i + 2] >> 4));
    if (mit_feld(a.art)) {
        Grafik_Rechteck_Fuellen(s, LISTE_X, FELD_Y, LISTE_W, 14, Grafik_Farbe(1, 1, 2));
        Grafik_Printf(s, Font(3), "^c%05d%s", LISTE_X + 5, FELD_Y + 11, int(Grafik_Farbe(15, 15, 15)),
                      String_Klartext(a.text).c_str());
    }
    knopf(s, OK_X, "OK");
    knopf(s, ABBRUCH_X, "Abbruch");
}

// A choice of a line: radio and check lines of the start options, else the chosen line.
void zeile_waehlen(Win95_Dialog_Anfrage& a, int32_t zeile)
{
    if (a.art != Win95_Dialog_Art::Startoptionen) {
        a.auswahl = zeile;
        if (mit_feld(a.art) && zeile >= 0 && zeile < int32_t(a.eintraege.size())) a.text = a.eintraege[size_t(zeile)];
        return;
    }
    uint32_t* h[8];
    haken(a.optionen, h);
    zeile = optionen_zeile(zeile);
    if (zeile >= 0 && zeile < 3) a.optionen.rolle = uint32_t(2 - zeile);
    else if (zeile >= 3 && zeile < 11) *h[zeile - 3] ^= 1;
}

// Headless: the script's answers ("ok", "cancel", a file name, an index, a text, numbers).
bool antworten(Win95_Dialog_Anfrage& a)
{
    std::string antwort;
    while (Os_Dialog_Answer(&antwort)) {
        if (antwort == "cancel") return false;
        if (antwort == "ok") {
            if (bestaetigen(a)) return true;
            continue;
        }
        switch (a.art) {
        case Win95_Dialog_Art::Liste: {
            char* ende = nullptr;
            const long n = std::strtol(antwort.c_str(), &ende, 10);
            if (ende && !*ende && n >= 0 && n < long(a.eintraege.size())) {
                a.auswahl = int32_t(n);
                return true;
            }
            Win95_Meldung("Bitte treffen Sie eine Auswahl.");
            break;
        }
        case Win95_Dialog_Art::Farben: {
            const char* p = antwort.c_str();
            for (uint8_t& f : a.farben) {
                char* ende = nullptr;
                const long v = std::strtol(p, &ende, 10);
                if (ende == p) break;
                f = uint8_t(std::clamp(v, 0L, 255L));
                p = ende;
            }
            return true;
        }
        case Win95_Dialog_Art::Startoptionen: {
            // Eleven marks: the three roles, then the eight boxes in their order.
            if (antwort.size() != 11 || antwort.find_first_not_of("01") != std::string::npos) break;
            a.optionen.rolle = antwort[0] == '1' ? 2 : antwort[1] == '1' ? 1 : 0;
            uint32_t* h[8];
            haken(a.optionen, h);
            for (size_t i = 0; i < 8; ++i) *h[i] = antwort[3 + i] == '1';
            return true;
        }
        default:
            a.text = antwort;
            if (a.art != Win95_Dialog_Art::Speichern || bestaetigen(a)) return true;
            break;
        }
    }
    return false;
}

bool im(int32_t mx, int32_t my, int32_t x, int32_t y, int32_t w, int32_t h)
{
    return mx >= x && mx < x + w && my >= y && my < y + h;
}

// The name field takes the keys until Return, Escape or a click outside it; false when the
// dialog ends there (*ok says how).
bool feld_bedienen(Win95_Dialog_Anfrage& a, bool* ok)
{
    char puffer[WIN95_DATEINAME_GROESSE * 4];
    std::snprintf(puffer, sizeof puffer, "%s", a.text.c_str());
    Key_Input_String(Font(3), puffer, int32_t(sizeof puffer), int32_t(sizeof puffer) - 1,
                     KEY_INPUT_TEXT | KEY_INPUT_MAUS, LISTE_X, FELD_Y, LISTE_W, 14, 4, 1, nullptr, 0, 0, nullptr);
    a.text = puffer;
    if (Key_Input_Ende == VK_RETURN || Key_Input_Ende == VK_ESCAPE) {
        *ok = Key_Input_Ende == VK_RETURN;
        return false;
    }
    return true;
}

// In the window: keys and clicks until OK or Abbruch. A dialog with a name field opens with
// the keys in the field; the click that takes them out of it counts where it lands, so one
// click on OK is enough.
bool bedienen(Win95_Dialog_Anfrage& a)
{
    int32_t oben = 0;
    const int32_t anzahl = int32_t(zeilen(a).size());
    bool vorher_unten = false;
    bool im_feld = mit_feld(a.art);
    while (!Programm_Ende) {
        oben = std::clamp(oben, std::max(0, a.auswahl - ZEILEN + 1), std::max(0, std::min(a.auswahl, anzahl - 1)));
        zeichnen(a, oben);
        bool unten;
        if (im_feld) {
            bool ok = false;
            if (!feld_bedienen(a, &ok)) {
                if (!ok || bestaetigen(a)) return ok;
                continue;
            }
            if (Programm_Ende) break;
            im_feld = false;
            zeichnen(a, oben);
            // The click that ended the entry is a new press, wherever it landed.
            unten = true;
            vorher_unten = false;
        } else {
            unten = Maus_Get_Tasten() == 1;
        }
        const int32_t mx = Maus_Get_X(), my = Maus_Get_Y();
        if (unten && !vorher_unten) {
            if (im(mx, my, OK_X, KNOPF_Y, KNOPF_W, 20) && bestaetigen(a)) return true;
            if (im(mx, my, ABBRUCH_X, KNOPF_Y, KNOPF_W, 20)) return false;
            if (im(mx, my, LISTE_X, LISTE_Y, LISTE_W, ZEILEN * ZEILE_H)) {
                const int32_t z = oben + (my - LISTE_Y) / ZEILE_H;
                if (z < anzahl) zeile_waehlen(a, z);
                if (Win95_Eingabe.doppelklick && a.art != Win95_Dialog_Art::Startoptionen) return true;
            }
            // Anywhere else the keys go back to the name field.
            if (mit_feld(a.art)) im_feld = true;
            Win95_Eingabe.doppelklick = 0;
        }
        vorher_unten = unten;
        const int32_t taste = Win95_Eingabe.taste;
        Win95_Eingabe.taste = -1;
        if (taste == VK_RETURN && bestaetigen(a)) return true;
        if (taste == VK_ESCAPE) return false;
        if (taste == VK_DOWN || taste == VK_UP) zeile_waehlen(a, std::clamp(a.auswahl + (taste == VK_DOWN ? 1 : -1), 0, anzahl - 1));
        if (a.art == Win95_Dialog_Art::Farben && a.auswahl >= 0 && a.auswahl < 16 && (taste == 'R' || taste == 'G' || taste == 'B')) {
            uint8_t& f = a.farben[3 * a.auswahl + (taste == 'R' ? 0 : taste == 'G' ? 1 : 2)];
            f = uint8_t(Win95_Shift_Gedrueckt() ? std::max(0, f - 16) : std::min(255, f + 16));
        }
        if (Win95_Eingabe.rad) {
            oben += Win95_Eingabe.rad * 3;
            Win95_Eingabe.rad = 0;
        }
        if (!im_feld) Win95_Sleep(10);
    }
    return false;
}

bool fenster_erzwungen = false;

}  // namespace

void Menue_Dialog_Fenster_Erzwingen(bool an) { fenster_erzwungen = an; }

bool Menue_Dialog_Zeigen(Win95_Dialog_Anfrage* a)
{
    if (!a) return false;
    // The file dialogs learn where the dialog stands (a repaint leaves it alone).
    static const Win95_Dialog_Position lage{X + 2, Y + 20};
    if (a->hook) a->hook(&lage, WIN95_DIALOG_OEFFNEN, 0, 0);
    // The name field draws on both pages: both get back what lay under the dialog.
    Rastport* seiten[2] = {Grafik_Seite_0, Grafik_Seite_1};
    Rastport* unter[2] = {};
    for (int i = 0; i < 2; ++i)
        if (seiten[i]) {
            unter[i] = Grafik_Bitmap_Anlegen_Fuer_Kopie(seiten[i], X, Y, W, H, seiten[i]->depth);
            if (unter[i]) Grafik_Blit(seiten[i], X, Y, W, H, unter[i], 0, 0);
        }
    zeichnen(*a, 0);
    // The dialog waits for input: a held script gives it.
    const bool gehalten = Os_Script_Halten(false);
    const bool ok = Os_Headless() && !fenster_erzwungen ? antworten(*a) : bedienen(*a);
    Os_Script_Halten(gehalten);
    for (int i = 0; i < 2; ++i) {
        if (unter[i]) Grafik_Blit(unter[i], 0, 0, W, H, seiten[i], X, Y);
        Grafik_Bitmap_Freigeben(unter[i]);
    }
    return ok;
}
