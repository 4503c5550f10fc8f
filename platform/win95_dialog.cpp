#include "platform/win95_dialog.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "graphics/grafik_screen.h"
#include "platform/disk.h"
#include "platform/display.h"
#include "platform/mem.h"
#include "platform/os/os.h"
#include "platform/os/os_file.h"
#include "platform/print.h"
#include "platform/win95.h"

namespace {

Win95_Dialog_Prozedur dialog_hook = nullptr;
int32_t letzte_auswahl = 0;

bool zeigen(Win95_Dialog_Anfrage* a) { return dialog_hook && dialog_hook(a); }

// Whatever the dialog covered comes back from the screen page.
void neu_zeichnen()
{
    const int32_t hoehe = Bildschirm_Modus == 103 || Bildschirm_Modus == 106 ? 768 : Bildschirm_Modus == 101 ? 480 : 600;
    const int32_t breite = hoehe == 768 ? 1024 : hoehe == 600 ? 800 : 640;
    Grafik_Screen_Zeilen_Kopieren(0, 0, breite, hoehe);
}

int32_t datei_dialog(Win95_Dialog_Art art, char* dateiname, const char* beschreibung, const char* muster)
{
    if (!dateiname || !muster) return 0;
    Win95_Dialog_Anfrage a;
    a.art = art;
    a.titel = art == Win95_Dialog_Art::Oeffnen ? "Öffnen" : "Speichern unter";
    a.filter = Win95_Dialog_Filter(beschreibung, muster);
    char ordner[WIN95_DATEINAME_GROESSE] = {};
    dateiname[WIN95_DATEINAME_GROESSE - 1] = 0;
    if (!Disk_Pfad_Ohne_Dateiname(dateiname, ordner, sizeof ordner) || !ordner[0])
        std::snprintf(ordner, sizeof ordner, "%s", Disk_Get_Spielstand_Ordner());
    a.eintraege = Os_File_Search(ordner, muster);
    const char* name = std::strrchr(dateiname, '/');
    a.text = name ? name + 1 : dateiname;
    a.hook = Win95_File_Dialog_Hook;
    Win95_Dialog_Offen = 1;
    bool ok = zeigen(&a);
    neu_zeichnen();
    Win95_Dialog_Fenster = nullptr;
    Win95_Dialog_Offen = 0;
    if (ok && a.text.empty() && a.auswahl >= 0 && size_t(a.auswahl) < a.eintraege.size()) a.text = a.eintraege[size_t(a.auswahl)];
    if (!ok || a.text.empty()) return 0;
    std::string pfad = a.text.find('/') == std::string::npos ? std::string(ordner) + "/" + a.text : a.text;
    const std::string endung = Win95_Dialog_Endung(muster);
    if (art == Win95_Dialog_Art::Speichern && !endung.empty() && endung.find_first_of("*?") == std::string::npos &&
        (pfad.size() <= endung.size() || pfad.compare(pfad.size() - endung.size() - 1, std::string::npos, "." + endung) != 0))
        pfad += "." + endung;
    if (pfad.size() >= size_t(WIN95_DATEINAME_GROESSE)) {
        Win95_Meldung("Der Dateiname ist zu lang.");
        return 0;
    }
    std::memcpy(dateiname, pfad.c_str(), pfad.size() + 1);
    return 1;
}

}  // namespace

Win95_Dialog_Prozedur Win95_Dialog_Hook_Setzen(Win95_Dialog_Prozedur prozedur)
{
    const Win95_Dialog_Prozedur vorher = dialog_hook;
    dialog_hook = prozedur;
    return vorher;
}

std::string Win95_Dialog_Filter(const char* beschreibung, const char* muster)
{
    return std::string(beschreibung ? beschreibung : "") + " (" + (muster ? muster : "") + ")";
}

std::string Win95_Dialog_Endung(const char* muster)
{
    return muster && std::strlen(muster) > 2 ? std::string(muster + 2) : std::string();
}

int64_t Win95_File_Dialog_Hook(const Win95_Dialog_Position* fenster, uint32_t, uint64_t, int64_t)
{
    Win95_Dialog_Fenster = fenster;
    return 0;
}

int32_t Win95_Open_File_Dialog(char* dateiname, const char* beschreibung, const char* muster)
{
    return datei_dialog(Win95_Dialog_Art::Oeffnen, dateiname, beschreibung, muster);
}

int32_t Win95_Save_File_Dialog(char* dateiname, const char* beschreibung, const char* muster)
{
    return datei_dialog(Win95_Dialog_Art::Speichern, dateiname, beschreibung, muster);
}

int32_t Win95_Liste_Auswahl(const char* eintraege, int32_t anzahl)
{
    if (!eintraege || anzahl <= 0) return -1;
    Win95_Dialog_Anfrage a;
    a.art = Win95_Dialog_Art::Liste;
    a.titel = "Auswahl aus Liste";
    for (int32_t i = 0; i < anzahl; ++i)
        a.eintraege.emplace_back(eintraege + size_t(i) * WIN95_LISTE_EINTRAG,
                                 strnlen(eintraege + size_t(i) * WIN95_LISTE_EINTRAG, WIN95_LISTE_EINTRAG - 1));
    a.auswahl = letzte_auswahl >= 0 && letzte_auswahl < anzahl ? letzte_auswahl : 0;
    int32_t ergebnis = -1;
    if (zeigen(&a)) {
        if (a.auswahl >= 0 && a.auswahl < anzahl) ergebnis = a.auswahl;
    }
    letzte_auswahl = ergebnis;
    return ergebnis;
}

int32_t Win95_Text_Input_Dialog(char* text, int32_t groesse, const char* titel)
{
    if (!text || groesse <= 0) return 0;
    Win95_Dialog_Anfrage a;
    a.art = Win95_Dialog_Art::Text;
    a.titel = titel ? titel : "Bitte Text eingeben";
    a.text.assign(text, strnlen(text, size_t(groesse)));
    if (!zeigen(&a)) return 0;
    const size_t n = std::min(a.text.size(), size_t(groesse - 1));
    std::memcpy(text, a.text.data(), n);
    text[n] = 0;
    return int32_t(n);
}

int32_t Win95_Farbe_Auswaehlen(uint8_t* farben)
{
    if (!farben) return 0;
    Win95_Dialog_Anfrage a;
    a.art = Win95_Dialog_Art::Farben;
    a.titel = "Farben";
    std::memcpy(a.farben, farben, sizeof a.farben);
    if (zeigen(&a)) std::memcpy(farben, a.farben, sizeof a.farben);
    return 0;
}

int32_t Win95_Clipboard_Text_Get(char* puffer, int32_t groesse)
{
    std::string text;
    if (!puffer || groesse <= 0 || !Os_Clipboard_Get_Text(&text)) return 0;
    const size_t n = std::min(text.size(), size_t(groesse - 1));
    std::memcpy(puffer, text.data(), n);
    puffer[n] = 0;
    return 1;
}

int32_t Win95_Clipboard_Text_Set(const char* text) { return text && Os_Clipboard_Set_Text(text) ? 1 : 0; }

namespace {

// The clipboard here carries text only. A picture is handed over as the name of a Windows
// bitmap file in the clipboard's text (a path, or a file:// address as file managers copy it):
// one plane, 15 or 16 bits per pixel, as the clipboard's own bitmaps would be. The rows come
// out top row first.
bool zwischenablage_bild(std::vector<uint16_t>* pixel, int32_t* breite, int32_t* hoehe)
{
    std::string text;
    if (!Os_Clipboard_Get_Text(&text)) return false;
    text = text.substr(0, text.find_first_of("\r\n"));
    if (text.rfind("file://", 0) == 0) text.erase(0, 7);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
    if (text.empty() || !Os_File_Readable(text.c_str())) return false;
    uint32_t groesse = 0;
    uint8_t* d = Disk_Lese_Datei(text.c_str(), &groesse);
    if (!d) return false;
    bool ok = false;
    if (groesse >= 54 && d[0] == 'B' && d[1] == 'M') {
        const uint32_t start = Disk_LE32_Lesen(d + 10), kopf = Disk_LE32_Lesen(d + 14);
        const int32_t w = int32_t(Disk_LE32_Lesen(d + 18)), h_roh = int32_t(Disk_LE32_Lesen(d + 22));
        const uint32_t ebenen = uint32_t(d[26] | d[27] << 8), bits = uint32_t(d[28] | d[29] << 8);
        const uint32_t art = Disk_LE32_Lesen(d + 30);
        const int32_t h = h_roh < 0 ? -h_roh : h_roh;
        const uint64_t zeile = (uint64_t(w) * 2 + 3) & ~uint64_t(3);
        if (kopf >= 40 && ebenen == 1 && (bits == 15 || bits == 16) && (art == 0 || art == 3) && w > 0 && w <= 4096 &&
            h > 0 && h <= 4096 && uint64_t(start) + zeile * uint64_t(h) <= groesse) {
            pixel->resize(size_t(w) * size_t(h));
            for (int32_t y = 0; y < h; ++y) {
                // Bottom-up unless the height is negative.
                const uint8_t* q = d + start + zeile * uint64_t(h_roh < 0 ? y : h - 1 - y);
                for (int32_t x = 0; x < w; ++x) (*pixel)[size_t(y) * size_t(w) + size_t(x)] = uint16_t(q[2 * x] | q[2 * x + 1] << 8);
            }
            *breite = w;
            *hoehe = h;
            ok = true;
        }
    }
    Mem_Free(d, 0);
    return ok;
}

}  // namespace

int32_t Win95_Clipboard_Bitmap_Size(int32_t* breite, int32_t* hoehe)
{
    std::vector<uint16_t> pixel;
    int32_t w = 0, h = 0;
    if (!zwischenablage_bild(&pixel, &w, &h)) return 0;
    if (breite) *breite = w;
    if (hoehe) *hoehe = h;
    return 1;
}

int32_t Win95_Clipboard_Bitmap_Get(uint16_t* ziel, int32_t breite, int32_t hoehe)
{
    std::vector<uint16_t> pixel;
    int32_t w = 0, h = 0;
    if (!ziel || !zwischenablage_bild(&pixel, &w, &h) || w != breite || h != hoehe) return 0;
    std::memcpy(ziel, pixel.data(), pixel.size() * 2);
    return 1;
}

bool Start_Optionen_Lesen(const char* pfad, Start_Optionen* o)
{
    uint32_t groesse = 0;
    uint8_t* daten = pfad && o ? Disk_Lese_Datei(pfad, &groesse) : nullptr;
    if (!daten) return false;
    uint32_t* felder[9] = {&o->rolle,     &o->kein_sound,     &o->keine_filme, &o->protokoll,     &o->konsole,
                           &o->debug_ausgaben, &o->direct_x, &o->aufloesung_800, &o->speichern};
    for (uint32_t i = 0; i < 9 && (i + 1) * 4 <= groesse; ++i) *felder[i] = Disk_LE32_Lesen(daten + i * 4);
    Mem_Free(daten, 0);
    return true;
}

bool Start_Optionen_Schreiben(const char* pfad, const Start_Optionen& o)
{
    const uint32_t felder[9] = {o.rolle,          o.kein_sound, o.keine_filme,    o.protokoll, o.konsole,
                                o.debug_ausgaben, o.direct_x,   o.aufloesung_800, o.speichern};
    uint8_t b[START_OPTIONEN_BYTES];
    for (uint32_t i = 0; i < 9; ++i) Disk_LE32_Setzen(b + i * 4, felder[i]);
    std::FILE* f = pfad ? Os_File_Open(pfad, "wb") : nullptr;
    if (!f) return false;
    const bool ok = std::fwrite(b, 1, sizeof b, f) == sizeof b;
    return std::fclose(f) == 0 && ok;
}

int32_t Start_Optionen_Dialog(Start_Optionen* optionen)
{
    if (!optionen) return 0;
    char pfad[512];
    std::snprintf(pfad, sizeof pfad, "%s/dorvin_start_opt.bin", Pfad_Programm);
    Start_Optionen_Lesen(pfad, optionen);
    Win95_Dialog_Anfrage a;
    a.art = Win95_Dialog_Art::Startoptionen;
    a.titel = "Der Quorvant 2000, Startoptionen";
    a.optionen = *optionen;
    a.optionen.speichern = 0;
    Win95_Dialog_Offen = 1;
    const bool ok = zeigen(&a);
    neu_zeichnen();
    Win95_Dialog_Offen = 0;
    if (!ok) return 0;
    *optionen = a.optionen;
    Win95_Netz_Modus = optionen->rolle;
    if (optionen->speichern && !Start_Optionen_Schreiben(pfad, *optionen))
        Print_Fehler("Start_Optionen_Dialog: %s nicht geschrieben", pfad);
    return 1;
}
