#include "screens/spieler_edit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "competitions/wettbewerbsliste.h"
#include "database/config_satz.h"
#include "database/spieler.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "graphics/pic.h"
#include "platform/config_datei.h"
#include "platform/maus.h"
#include "platform/print.h"
#include "platform/timer.h"
#include "platform/win95.h"
#include "platform/win95_dialog.h"
#include "screens/spieler_edit_bilder.h"
#include "screens/spieler_gesicht.h"
#include "screens/spieler_schirme.h"
#include "toolkit/key_input.h"
#include "toolkit/requester.h"

namespace {

constexpr int32_t OX = 160, OY = 140, VX = 120, VY = 120, SP_B = 290, SP_H = 250;
constexpr int32_t BILD_B = 117, BILD_H = 71;
constexpr int32_t MITTE = 13 * 17 + 8;

Config_Satz_Aenderung aenderung;

// A refusal goes to the manager and stays on the editor's bottom line until the next one.
std::string hinweis;
void meldung(const char* text)
{
    hinweis = text ? text : "";
    Menue_Requester(1, Aktuelles_Team, text, nullptr, nullptr, 0);
}
uint16_t farbe(int r, int g, int b) { return Grafik_Farbe(uint32_t(r), uint32_t(g), uint32_t(b)); }
void schreiben(Rastport* z, int32_t font, int32_t x, int32_t y, uint16_t f, const char* t)
{
    Grafik_Printf(z, Font(font), "^c%05d%s", x, y, int(f), t);
}
bool in(int32_t x, int32_t y, int32_t l, int32_t o, int32_t w, int32_t h) { return x >= l && x < l + w && y >= o && y < o + h; }

// A typed name: not empty where it must not be, nothing the set's file could not take back.
bool text_ok(const char* text, bool leer_erlaubt)
{
    if (!text || (!leer_erlaubt && !*text)) {
        meldung("Der Name darf nicht leer sein.");
        return false;
    }
    if (Config_Text_Zeichen_Falsch(text, 64)) {
        meldung("Namen dürfen keine Anführungszeichen, eckigen Klammern oder Steuerzeichen enthalten.");
        return false;
    }
    return true;
}

// A nation must be a country, so that the set's file names it and its reader finds it again.
bool land_ok(int32_t t)
{
    if (t >= 0 && t < Team_Anzahl && ((Team_Wert(TEAM_STATUS, t, 0, 0) & TEAM_STATUS_LAND) || t == Team_Get_Heimatland()))
        return true;
    meldung("Bitte wählen Sie ein Land als Nation.");
    return false;
}

template <typename T>
void merken(std::vector<T>* v, T x)
{
    if (std::find(v->begin(), v->end(), x) == v->end()) v->push_back(x);
}

// --- player editor ---
struct Spieler_Zustand {
    std::vector<int32_t> liste;
    int32_t index = 0, team = -1;
    bool aktiv = false;
    uint32_t code = 0, code_alt = 0;
    int32_t pos = -1, pos_alt = -1;
    std::string name_alt, vorname_alt;
    int32_t haut_alt = 0, haar_alt = 0, nummer_alt = 0, nation_alt = 0;
    bool vorname_getippt = false;
} sp;

int32_t spnr() { return sp.aktiv ? sp.liste[size_t(sp.index)] : -1; }
int32_t wert(int32_t feld) { return Spieler_Wert(feld, spnr(), 0, 0); }
void setzen(int32_t feld, int32_t v) { Spieler_Wert(feld, spnr(), v, 1); }

void betreten()
{
    const int32_t p = spnr();
    sp.code = sp.code_alt = uint32_t(wert(SP_GESICHT));
    sp.pos = sp.pos_alt = wert(SP_LIEBLINGSPOS);
    const char* n = Spieler_String(SP_NAME, p, nullptr, 0);
    sp.name_alt = n ? n : "";
    auto v = aenderung.vornamen.find(p);
    const char* vn = Spieler_String(SP_VORNAME, p, nullptr, 0);
    sp.vorname_alt = v != aenderung.vornamen.end() ? v->second : vn ? vn : "";
    sp.vorname_getippt = v != aenderung.vornamen.end();
    sp.haut_alt = wert(SP_HAUTFARBE);
    sp.haar_alt = wert(SP_HAARFARBE);
    sp.nummer_alt = wert(SP_RUECKENNUMMER);
    sp.nation_alt = wert(SP_NATION);
    if (sp.code & GESICHT_USER_BILD) Pic_Sicherung(wert(SP_BILDNUMMER), 1, PIC_SPIELER_BILDER);
}

void festschreiben()
{
    if (!sp.aktiv) return;
    setzen(SP_GESICHT, int32_t(sp.code));
    if (sp.pos != 459) Spieler_Fix_Daten[spnr()].lieblingspos = int16_t(std::clamp(sp.pos, 0, 458));
    else Spieler_Fix_Daten[spnr()].lieblingspos = 459;
    merken(&aenderung.spieler, spnr());
}

void stufe(int32_t feld, int32_t richtung, int32_t max)
{
    int32_t v = wert(feld) + (richtung == 1 ? 1 : -1);
    if (v > max) v = 0;
    if (v < 0) v = max;
    setzen(feld, v);
    merken(&aenderung.spieler, spnr());
}

// --- club editor ---
struct Verein_Zustand {
    int32_t team = -1;
    bool aktiv = false;
    char texte[4][40] = {};
    std::string texte_alt[4];
    int32_t nation_alt = 0;
    uint8_t farben_alt[36] = {};
    bool wappen_alt = false;
} ve;

constexpr int32_t TEXT_FELD[4] = {TEAM_NAME_ROH, TEAM_KURZNAME_ROH, TEAM_STADION_NAME, TEAM_STADT};
constexpr int32_t TEXT_MAX[4] = {23, 9, 29, 17};

bool user_wappen(int32_t t) { return (Team_Wert(TEAM_STATUS, t, 0, 0) & TEAM_STATUS_USER_WAPPEN) != 0; }

}  // namespace

const Config_Satz_Aenderung& Spieler_Edit_Aenderung() { return aenderung; }
void Spieler_Edit_Aenderung_Leeren() { aenderung = Config_Satz_Aenderung{}; }

bool Spieler_Edit_Start(const int32_t* liste, int32_t anzahl, int32_t start, int32_t team)
{
    sp = Spieler_Zustand{};
    hinweis.clear();
    if (!liste || anzahl <= 0 || Spieler_Anzahl <= 0) return false;
    for (int32_t i = 0; i < anzahl; ++i)
        if (liste[i] >= 0 && liste[i] < Spieler_Anzahl) sp.liste.push_back(liste[i]);
    if (sp.liste.empty()) return false;
    const auto it = std::find(sp.liste.begin(), sp.liste.end(), start);
    sp.index = it == sp.liste.end() ? 0 : int32_t(it - sp.liste.begin());
    sp.team = team;
    sp.aktiv = true;
    betreten();
    return true;
}

void Spieler_Edit_Ende()
{
    festschreiben();
    sp.aktiv = false;
}

int32_t Spieler_Edit_Spieler() { return spnr(); }
uint32_t Spieler_Edit_Code() { return sp.code; }

void Spieler_Edit_Gesicht_Schritt(int32_t kategorie, int32_t richtung)
{
    if (!sp.aktiv) return;
    const uint32_t alt = sp.code;
    sp.code = Spieler_Gesicht_Code_Schritt(richtung, kategorie, sp.code);
    if (kategorie == 2 && sp.code != alt) {
        const int32_t haar = std::min<int32_t>((sp.code >> 8) & 0x1F, 19);
        setzen(SP_HAARFARBE, Gesicht_Haarfarben[haar]);
    }
    setzen(SP_GESICHT, int32_t(sp.code));
    merken(&aenderung.spieler, spnr());
}

void Spieler_Edit_Haut_Schritt(int32_t richtung)
{
    if (sp.aktiv) stufe(SP_HAUTFARBE, richtung, 7);
}
void Spieler_Edit_Haar_Schritt(int32_t richtung)
{
    if (sp.aktiv) stufe(SP_HAARFARBE, richtung, 4);
}

bool Spieler_Edit_Name_Setzen(const char* text)
{
    if (!sp.aktiv || !text_ok(text, false)) return false;
    char kurz[20];
    std::snprintf(kurz, sizeof kurz, "%s", text);
    Spieler_String(SP_NAME, spnr(), kurz, 1);
    merken(&aenderung.spieler, spnr());
    return true;
}

bool Spieler_Edit_Vorname_Setzen(const char* text)
{
    if (!sp.aktiv || !text_ok(text, true)) return false;
    char kurz[16];
    std::snprintf(kurz, sizeof kurz, "%s", text);
    Spieler_String(SP_VORNAME, spnr(), kurz, 1);
    aenderung.vornamen[spnr()] = kurz;
    merken(&aenderung.spieler, spnr());
    return true;
}

bool Spieler_Edit_Nummer_Setzen(const char* text)
{
    if (!sp.aktiv) return false;
    char* ende = nullptr;
    const long n = text ? std::strtol(text, &ende, 10) : -1;
    if (!text || !*text || *ende || n < 0 || n > 99) {
        meldung("Die Rückennummer muss eine Zahl von 0 bis 99 sein.");
        return false;
    }
    setzen(SP_RUECKENNUMMER, int32_t(n));
    merken(&aenderung.spieler, spnr());
    return true;
}

bool Spieler_Edit_Nation_Setzen(int32_t nation)
{
    if (!sp.aktiv || !land_ok(nation)) return false;
    setzen(SP_NATION, nation);
    merken(&aenderung.spieler, spnr());
    return true;
}

void Spieler_Edit_Position_Setzen(int32_t zelle)
{
    if (!sp.aktiv) return;
    sp.pos = zelle == 459 || zelle < 0 ? 459 : std::min(zelle, 458);
    festschreiben();
}

int32_t Spieler_Edit_Position_Lesen() { return sp.pos; }

// The picture shows the pitch from behind the own goal: far rows narrow at the top, near rows
// wide at the bottom; rows 2.4 and columns at least 3.5 pixels apart, so cells map one to one.
void Spieler_Edit_Raster_Zu_Bild(int32_t zeile, int32_t spalte, int32_t* x, int32_t* y)
{
    zeile = std::clamp(zeile, 0, 26);
    spalte = std::clamp(spalte, 0, 16);
    const double t = zeile / 26.0;
    const double halb = 28.0 + 26.0 * t;
    if (y) *y = int32_t(std::lround(4.0 + 63.0 * t));
    if (x) *x = int32_t(std::lround(58.0 + (spalte / 16.0 - 0.5) * 2.0 * halb));
}

void Spieler_Edit_Bild_Zu_Raster(int32_t x, int32_t y, int32_t* zeile, int32_t* spalte)
{
    const int32_t z = std::clamp(int32_t(std::lround((y - 4.0) / 63.0 * 26.0)), 0, 26);
    const double halb = 28.0 + 26.0 * (z / 26.0);
    const int32_t s = std::clamp(int32_t(std::lround(((x - 58.0) / (2.0 * halb) + 0.5) * 16.0)), 0, 16);
    if (zeile) *zeile = z;
    if (spalte) *spalte = s;
}

// The converted portrait becomes the player's user picture under his picture number.
bool bild_uebernehmen(Rastport* bild)
{
    const int32_t ok = Pic_Schreiben_Nr(wert(SP_BILDNUMMER), bild, PIC_SPIELER_BILDER);
    Grafik_Bitmap_Freigeben(bild);
    if (!ok) return false;
    sp.code |= GESICHT_USER_BILD;
    setzen(SP_GESICHT, int32_t(sp.code));
    merken(&aenderung.spieler, spnr());
    return true;
}

bool Spieler_Edit_Pcx_Import(const char* pfad)
{
    if (!sp.aktiv || !pfad || !*pfad) return false;
    Rastport* bild = Pic_Konvertieren(pfad, GESICHT_BREITE, GESICHT_HOEHE, 16, PIC_QUELLE_PCX, 0);
    if (!bild) {
        char text[400];
        std::snprintf(text, sizeof text, "Das Bild \"%s\" konnte nicht gelesen werden.", pfad);
        meldung(text);
        return false;
    }
    return bild_uebernehmen(bild);
}

bool Spieler_Edit_Zwischenablage_Import()
{
    if (!sp.aktiv) return false;
    Rastport* bild = Pic_Aus_Zwischenablage()
                         ? Pic_Konvertieren(nullptr, GESICHT_BREITE, GESICHT_HOEHE, 16, PIC_QUELLE_ZWISCHENABLAGE, 0)
                         : nullptr;
    if (!bild) {
        // the player stays as he is
        meldung("In der Zwischenablage liegt kein Bild mit 16 Bit Farbtiefe.");
        return false;
    }
    return bild_uebernehmen(bild);
}

bool Spieler_Edit_Standard_Bild_Moeglich() { return sp.aktiv && (sp.code & GESICHT_USER_BILD); }

void Spieler_Edit_Standard_Bild()
{
    if (!Spieler_Edit_Standard_Bild_Moeglich()) return;
    sp.code &= ~GESICHT_USER_BILD;
    Pic_Loeschen(wert(SP_BILDNUMMER), PIC_SPIELER_BILDER);
    setzen(SP_GESICHT, int32_t(sp.code));
}

void Spieler_Edit_Undo()
{
    if (!sp.aktiv) return;
    const int32_t p = spnr(), nr = wert(SP_BILDNUMMER);
    if (sp.code_alt & GESICHT_USER_BILD) Pic_Sicherung(nr, 0, PIC_SPIELER_BILDER);
    else if (sp.code & GESICHT_USER_BILD) Pic_Loeschen(nr, PIC_SPIELER_BILDER);
    sp.code = sp.code_alt;
    sp.pos = sp.pos_alt;
    setzen(SP_GESICHT, int32_t(sp.code));
    Spieler_Fix_Daten[p].lieblingspos = int16_t(sp.pos);
    Spieler_String(SP_NAME, p, sp.name_alt.c_str(), 1);
    Spieler_String(SP_VORNAME, p, sp.vorname_alt.c_str(), 1);
    if (sp.vorname_getippt) aenderung.vornamen[p] = sp.vorname_alt;
    else aenderung.vornamen.erase(p);
    setzen(SP_HAUTFARBE, sp.haut_alt);
    setzen(SP_HAARFARBE, sp.haar_alt);
    setzen(SP_RUECKENNUMMER, sp.nummer_alt);
    setzen(SP_NATION, sp.nation_alt);
}

void Spieler_Edit_Blaettern(int32_t schritt)
{
    if (!sp.aktiv) return;
    festschreiben();
    const int32_t n = int32_t(sp.liste.size());
    sp.index = ((sp.index + schritt) % n + n) % n;
    betreten();
}

namespace {

// The leaving click's button goes up before the screen below takes the mouse again.
void warte_tasten_los()
{
    while (Maus_Get_Tasten() && !Programm_Ende) {
        Win95_Message_Pump();
        Win95_Sleep(5);
    }
}

// The text entry of a field: the typed text, or null when the entry was left with Escape.
const char* tippen(const char* start, int32_t max, int32_t x, int32_t y, int32_t w)
{
    static char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%s", start ? start : "");
    if (Key_Input_String(Font(4), puffer, int32_t(sizeof puffer), max, KEY_INPUT_STANDARD, x, y, w, 14, 2, 1, nullptr,
                         0, 0, nullptr) != 1 ||
        Key_Input_Ende == 27)
        return nullptr;
    return puffer;
}

const char* pcx_waehlen()
{
    static char name[WIN95_DATEINAME_GROESSE];
    static std::string ordner;
    std::snprintf(name, sizeof name, "%s/", ordner.c_str());
    if (!Win95_Open_File_Dialog(name, "PCX-File laden", "*.pcx")) return nullptr;
    const std::string pfad = name;
    const size_t s = pfad.find_last_of('/');
    if (s != std::string::npos) ordner = pfad.substr(0, s);
    return name;
}

}  // namespace

bool Spieler_Edit_Klick(int32_t x, int32_t y, int32_t tasten)
{
    if (!sp.aktiv) return true;
    const int32_t rx = x - OX, ry = y - OY, richtung = (tasten & 2) ? 2 : 1;
    for (int32_t i = 0; i < 8; ++i)
        if (in(rx, ry, 4 + 16 * (i % 2), 54 + 16 * (i / 2), 14, 14)) {
            if (i < 7) Spieler_Edit_Gesicht_Schritt(i, richtung);
            return false;
        }
    if (in(rx, ry, 4, 120, 80, 14)) {
        Spieler_Edit_Zwischenablage_Import();
    } else if (in(rx, ry, 4, 136, 80, 14)) {
        if (const char* pfad = pcx_waehlen()) Spieler_Edit_Pcx_Import(pfad);
    } else if (in(rx, ry, 4, 152, 80, 14)) {
        Spieler_Edit_Standard_Bild();
    } else if (in(rx, ry, 4, 168, 80, 14)) {
        Spieler_Edit_Undo();
    } else if (in(rx, ry, 98, 54, 80, 14)) {
        if (const char* t = tippen(Spieler_String(SP_NAME, spnr(), nullptr, 0), 19, OX + 98, OY + 54, 100))
            Spieler_Edit_Name_Setzen(t);
    } else if (in(rx, ry, 98, 70, 80, 14)) {
        auto v = aenderung.vornamen.find(spnr());
        if (const char* t = tippen(v != aenderung.vornamen.end() ? v->second.c_str() : "", 15, OX + 98, OY + 70, 100))
            Spieler_Edit_Vorname_Setzen(t);
    } else if (in(rx, ry, 98, 86, 80, 14)) {
        Spieler_Edit_Haut_Schritt(richtung);
    } else if (in(rx, ry, 98, 102, 80, 14)) {
        Spieler_Edit_Haar_Schritt(richtung);
    } else if (in(rx, ry, 98, 118, 100, 14)) {
        const int32_t t = Wettbewerbsliste_Team_Auswahl();
        if (t >= 0) Spieler_Edit_Nation_Setzen(t);
    } else if (in(rx, ry, 98, 134, 80, 14)) {
        char start[8];
        std::snprintf(start, sizeof start, "%d", wert(SP_RUECKENNUMMER));
        if (const char* t = tippen(start, 2, OX + 98, OY + 134, 40)) Spieler_Edit_Nummer_Setzen(t);
    } else if (in(rx, ry, 98, 150, BILD_B, BILD_H)) {
        int32_t z = 0, s = 0;
        Spieler_Edit_Bild_Zu_Raster(rx - 98, ry - 150, &z, &s);
        // the right button puts him in goal, the left on the field
        Spieler_Edit_Position_Setzen(richtung == 2 ? 459 : z * 17 + s);
    } else if (in(rx, ry, 4, 208, 30, 20)) {
        Spieler_Edit_Blaettern(-1);
    } else if (in(rx, ry, 38, 208, 30, 20)) {
        Spieler_Edit_Blaettern(1);
    } else if (in(rx, ry, 226, 208, 50, 20)) {
        return true;
    }
    return false;
}

namespace {

// A field's face, the picture cut to the width with its right edge kept.
void flaeche(Rastport* z, int32_t x, int32_t y, int32_t w, bool an)
{
    const int32_t nr = EDIT_BILD_FELD + (an ? 0 : 1);
    w = std::clamp(w, 2, EDIT_FELD_B);
    if (Spieler_Screen_Bild(nr, z, x, y, true, 0, 0, w - 1, EDIT_FELD_H) &&
        Spieler_Screen_Bild(nr, z, x + w - 1, y, true, EDIT_FELD_B - 1, 0, 1, EDIT_FELD_H))
        return;
    Grafik_Rechteck_Fuellen(z, x, y, w, 14, an ? farbe(4, 6, 10) : farbe(3, 3, 4));
}

void feld(Rastport* z, int32_t x, int32_t y, int32_t w, const char* text, bool an = true)
{
    flaeche(z, x, y, w, an);
    schreiben(z, 4, x + 2, y + 11, an ? farbe(15, 15, 15) : farbe(8, 8, 8), text);
}

uint16_t haut_farbe(int32_t v)
{
    static constexpr uint8_t HAUT[8][3] = {{15, 13, 11}, {15, 12, 9}, {14, 11, 8}, {13, 10, 7},
                                           {11, 8, 5},   {9, 6, 4},   {7, 5, 3},   {5, 3, 2}};
    const auto& c = HAUT[std::clamp(v, 0, 7)];
    return farbe(c[0], c[1], c[2]);
}
uint16_t haar_farbe(int32_t v)
{
    static constexpr uint8_t HAAR[5][3] = {{2, 1, 1}, {7, 4, 2}, {13, 11, 5}, {10, 4, 2}, {9, 9, 9}};
    const auto& c = HAAR[std::clamp(v, 0, 4)];
    return farbe(c[0], c[1], c[2]);
}

void kit_figur(Rastport* z, int32_t x, int32_t y, int32_t p, int32_t team, int32_t team2, int32_t bild)
{
    int32_t b = 0, h = 0, n = 0;
    Rastport* streifen = team2 >= 0
                             ? Spieler_Trikotfigur_Bild(nullptr, p, team, team2, 1, 2881, &b, &h, &n, nullptr)
                             : Spieler_Trikotfigur_Laden(p, &b, &h, &n, team, nullptr);
    if (!streifen) return;
    if (n > 0 && b > 0) Grafik_Blit_Transparent(streifen, (bild % n) * b, 0, b, h, z, x, y);
    Grafik_Bitmap_Freigeben(streifen);
}

void pitch(Rastport* z, int32_t x, int32_t y, int32_t pos)
{
    const int32_t zelle = pos == 459 || pos < 0 ? MITTE : pos;
    int32_t hx, hy;
    Spieler_Edit_Raster_Zu_Bild(zelle / 17, zelle % 17, &hx, &hy);
    if (Spieler_Screen_Bild(EDIT_BILD_SPIELFELD, z, x, y, true)) {
        Spieler_Screen_Bild(EDIT_BILD_GRIFF + (pos == 459 ? 1 : 0), z, x + hx - 3, y + hy - 3);
        Spieler_Screen_Bild(EDIT_BILD_TORGRIFF + (pos == 459 ? 1 : 0), z, x + 52, y + BILD_H - 6, true);
        return;
    }
    Grafik_Rechteck_Fuellen(z, x, y, BILD_B, BILD_H, farbe(2, 9, 3));
    for (int32_t zeile : {0, 26}) {
        int32_t x1, y1, x2, y2;
        Spieler_Edit_Raster_Zu_Bild(zeile, 0, &x1, &y1);
        Spieler_Edit_Raster_Zu_Bild(zeile, 16, &x2, &y2);
        Grafik_Linie(z, x + x1, y + y1, x + x2, y + y2, farbe(14, 15, 14));
    }
    for (int32_t spalte : {0, 16}) {
        int32_t x1, y1, x2, y2;
        Spieler_Edit_Raster_Zu_Bild(0, spalte, &x1, &y1);
        Spieler_Edit_Raster_Zu_Bild(26, spalte, &x2, &y2);
        Grafik_Linie(z, x + x1, y + y1, x + x2, y + y2, farbe(14, 15, 14));
    }
    Grafik_Rechteck_Fuellen(z, x + hx - 3, y + hy - 3, 7, 7, pos == 459 ? farbe(15, 8, 0) : farbe(15, 15, 0));
    // the goal handle at the near end
    Grafik_Rechteck_Fuellen(z, x + 52, y + BILD_H - 6, 12, 4, pos == 459 ? farbe(15, 8, 0) : farbe(9, 9, 9));
}

}  // namespace

void Spieler_Edit_Zeichnen(Rastport* z, int32_t bild)
{
    if (!z || !sp.aktiv) return;
    const int32_t p = spnr();
    if (!Spieler_Screen_Bild(EDIT_BILD_SPIELER, z, OX, OY, true)) Grafik_Rechteck_Fuellen(z, OX, OY, SP_B, SP_H, farbe(2, 3, 6));
    schreiben(z, 3, OX + 4, OY + 16, farbe(15, 15, 0), "Spieler-Editor");
    for (int32_t i = 0; i < 8; ++i) {
        const int32_t x = OX + 4 + 16 * (i % 2), y = OY + 54 + 16 * (i / 2);
        if (!Spieler_Screen_Bild(EDIT_BILD_KATEGORIE + (i < 7 ? 0 : 1), z, x, y, true))
            Grafik_Rechteck_Fuellen(z, x, y, 14, 14, i < 7 ? farbe(6, 8, 12) : farbe(3, 3, 4));
        char t[4];
        std::snprintf(t, sizeof t, "%d", i + 1);
        if (i < 7) schreiben(z, 4, x + 4, y + 11, farbe(15, 15, 15), t);
    }
    const uint8_t* kit = static_cast<const uint8_t*>(Team_Zeiger(TEAM_FARBEN, sp.team, nullptr, 0));
    Spieler_Gesicht_Bauen(z, OX + 36, OY + 54, p, sp.code, kit);
    feld(z, OX + 4, OY + 120, 80, "Clipboard", Pic_Aus_Zwischenablage() != 0);
    feld(z, OX + 4, OY + 136, 80, "PCX-Datei");
    feld(z, OX + 4, OY + 152, 80, "Standard-Bild", Spieler_Edit_Standard_Bild_Moeglich());
    feld(z, OX + 4, OY + 168, 80, "Undo");
    char t[120];
    std::snprintf(t, sizeof t, "Bild Nr.: %05d", wert(SP_BILDNUMMER));
    schreiben(z, 4, OX + 4, OY + 196, farbe(12, 12, 12), t);
    const char* n = Spieler_String(SP_NAME, p, nullptr, 0);
    feld(z, OX + 98, OY + 54, 88, n ? n : "");
    auto v = aenderung.vornamen.find(p);
    const char* vn = Spieler_String(SP_VORNAME, p, nullptr, 0);
    feld(z, OX + 98, OY + 70, 88, v != aenderung.vornamen.end() ? v->second.c_str() : vn ? vn : "");
    feld(z, OX + 98, OY + 86, 80, "Hautfarbe");
    Grafik_Rechteck_Fuellen(z, OX + 100 + 70, OY + 88, 10, 10, haut_farbe(wert(SP_HAUTFARBE)));
    feld(z, OX + 98, OY + 102, 80, "Haarfarbe");
    Grafik_Rechteck_Fuellen(z, OX + 100 + 70, OY + 104, 10, 10, haar_farbe(wert(SP_HAARFARBE)));
    const int32_t nation = wert(SP_NATION);
    const char* land = nation >= 0 && nation < Team_Anzahl ? Team_String(TEAM_NAME_ROH, nation, nullptr, 0) : nullptr;
    flaeche(z, OX + 98, OY + 118, 100, true);
    Grafik_Printf(z, Font(4), "^gll%04d ^c%05d%s", OX + 100, OY + 129, nation, int(farbe(15, 15, 15)), land ? land : "");
    std::snprintf(t, sizeof t, "Rückennummer %d", wert(SP_RUECKENNUMMER));
    feld(z, OX + 98, OY + 134, 88, t);
    pitch(z, OX + 98, OY + 150, sp.pos);
    schreiben(z, 4, OX + 120, OY + 150 + BILD_H - 8, farbe(15, 15, 15), "Lieblingsposition");
    kit_figur(z, OX + 190, OY + 66, p, sp.team, -1, bild);
    feld(z, OX + 4, OY + 208, 30, "<<");
    feld(z, OX + 38, OY + 208, 30, ">>");
    feld(z, OX + 226, OY + 208, 50, "Ende");
    if (!hinweis.empty()) schreiben(z, 4, OX + 4, OY + SP_H - 6, farbe(15, 6, 4), hinweis.c_str());
}

void Spieler_Edit(const int32_t* liste, int32_t anzahl, int32_t start, int32_t, int32_t team)
{
    Print_Log(0, "Spieler_Edit");
    if (!Spieler_Edit_Start(liste, anzahl, start, team)) {
        Print_Fehler("Spieler_Edit Fehler!");
        return;
    }
    Rastport* z = Grafik_Seite_0 ? Grafik_Seite_0 : Grafik_Render_Ziel;
    int32_t bild = 0;
    uint32_t naechstes = Timer_Get_Time() + 100;
    Spieler_Edit_Zeichnen(z, bild);
    Grafik_Screen_Rechteck_Zeigen(OX, OY, SP_B, SP_H);
    int32_t vorher = Maus_Get_Tasten();
    while (!Programm_Ende) {
        Win95_Message_Pump();
        const int32_t tasten = Maus_Get_Tasten();
        bool neu = false;
        if (tasten && !vorher) {
            if (Spieler_Edit_Klick(Maus_Get_X(), Maus_Get_Y(), tasten)) break;
            neu = true;
        }
        vorher = tasten;
        if (int32_t(Timer_Get_Time() - naechstes) >= 0) {
            ++bild;
            naechstes += 100;
            neu = true;
        }
        if (neu) {
            Spieler_Edit_Zeichnen(z, bild);
            Grafik_Screen_Rechteck_Zeigen(OX, OY, SP_B, SP_H);
        }
        Win95_Sleep(5);
    }
    warte_tasten_los();
    Spieler_Edit_Ende();
}

// --- club editor -----------------------------------------------------------------------------

bool Verein_Edit_Start(int32_t team)
{
    ve = Verein_Zustand{};
    hinweis.clear();
    if (team < 0 || team >= Team_Anzahl) return false;
    ve.team = team;
    for (int32_t k = 0; k < 4; ++k) {
        const char* t = Team_String(TEXT_FELD[k], team, nullptr, 0);
        std::snprintf(ve.texte[k], sizeof ve.texte[k], "%s", t ? t : "");
        ve.texte_alt[k] = ve.texte[k];
    }
    ve.nation_alt = Team_Wert(TEAM_NATION, team, 0, 0);
    if (const void* f = Team_Zeiger(TEAM_FARBEN, team, nullptr, 0)) std::memcpy(ve.farben_alt, f, 36);
    ve.wappen_alt = user_wappen(team);
    if (ve.wappen_alt) Pic_Sicherung(Team_Wert(TEAM_GRAFIK_NR, team, 0, 0), 1, PIC_VEREINS_WAPPEN);
    ve.aktiv = true;
    return true;
}

void Verein_Edit_Ende() { ve.aktiv = false; }

const char* Verein_Edit_Text(int32_t feld) { return feld >= 0 && feld < 4 ? ve.texte[feld] : ""; }

bool Verein_Edit_Text_Setzen(int32_t feld, const char* text)
{
    if (!ve.aktiv || feld < 0 || feld > 3) return false;
    // the club's name must not be empty; the others may
    if (!text_ok(text, feld != 0)) return false;
    std::snprintf(ve.texte[feld], size_t(TEXT_MAX[feld]) + 1, "%s", text);
    Team_String(TEXT_FELD[feld], ve.team, ve.texte[feld], 1);
    merken(&aenderung.teams, ve.team);
    return true;
}

bool Verein_Edit_Nation_Setzen(int32_t nation)
{
    if (!ve.aktiv || !land_ok(nation)) return false;
    Team_Wert(TEAM_NATION, ve.team, nation, 1);
    merken(&aenderung.teams, ve.team);
    return true;
}

void Verein_Edit_Farbe_Setzen(int32_t k, uint8_t r, uint8_t g, uint8_t b)
{
    if (!ve.aktiv || k < 0 || k >= 12) return;
    uint8_t f[36];
    std::memcpy(f, Team_Zeiger(TEAM_FARBEN, ve.team, nullptr, 0), 36);
    f[3 * k] = r, f[3 * k + 1] = g, f[3 * k + 2] = b;
    Team_Zeiger(TEAM_FARBEN, ve.team, f, 1);
    merken(&aenderung.teams, ve.team);
}

namespace {

// The converted crest becomes the club's own under its crest number.
bool wappen_uebernehmen(Rastport* bild)
{
    const int32_t ok = Pic_Schreiben_Nr(Team_Wert(TEAM_GRAFIK_NR, ve.team, 0, 0), bild, PIC_VEREINS_WAPPEN);
    Grafik_Bitmap_Freigeben(bild);
    if (!ok) return false;
    Team_Wert(TEAM_STATUS, ve.team, TEAM_STATUS_USER_WAPPEN, TEAM_SETZEN);
    merken(&aenderung.teams, ve.team);
    return true;
}

}  // namespace

bool Verein_Edit_Wappen_Import(const char* pfad)
{
    if (!ve.aktiv || !pfad || !*pfad) return false;
    Rastport* bild = Pic_Konvertieren(pfad, 40, 40, 16, PIC_QUELLE_PCX, 1);
    if (!bild) {
        char text[400];
        std::snprintf(text, sizeof text, "Das Bild \"%s\" konnte nicht gelesen werden.", pfad);
        meldung(text);
        return false;
    }
    return wappen_uebernehmen(bild);
}

bool Verein_Edit_Wappen_Zwischenablage()
{
    if (!ve.aktiv) return false;
    Rastport* bild = Pic_Aus_Zwischenablage() ? Pic_Konvertieren(nullptr, 40, 40, 16, PIC_QUELLE_ZWISCHENABLAGE, 1) : nullptr;
    if (!bild) {
        // the club keeps its crest
        meldung("In der Zwischenablage liegt kein Bild mit 16 Bit Farbtiefe.");
        return false;
    }
    return wappen_uebernehmen(bild);
}

void Verein_Edit_Undo()
{
    if (!ve.aktiv) return;
    for (int32_t k = 0; k < 4; ++k) {
        std::snprintf(ve.texte[k], sizeof ve.texte[k], "%s", ve.texte_alt[k].c_str());
        Team_String(TEXT_FELD[k], ve.team, ve.texte[k], 1);
    }
    Team_Wert(TEAM_NATION, ve.team, ve.nation_alt, 1);
    Team_Zeiger(TEAM_FARBEN, ve.team, ve.farben_alt, 1);
    const int32_t nr = Team_Wert(TEAM_GRAFIK_NR, ve.team, 0, 0);
    if (ve.wappen_alt) {
        Pic_Sicherung(nr, 0, PIC_VEREINS_WAPPEN);
    } else {
        Pic_Loeschen(nr, PIC_VEREINS_WAPPEN);
        Team_Wert(TEAM_STATUS, ve.team, TEAM_STATUS_USER_WAPPEN, TEAM_LOESCHEN);
    }
}

bool Verein_Edit_Klick(int32_t x, int32_t y, int32_t)
{
    if (!ve.aktiv) return true;
    const int32_t rx = x - VX, ry = y - VY;
    for (int32_t k = 0; k < 4; ++k)
        if (in(rx, ry, 90, 40 + 18 * k, 200, 14)) {
            if (const char* t = tippen(ve.texte[k], TEXT_MAX[k], VX + 90, VY + 40 + 18 * k, 200)) Verein_Edit_Text_Setzen(k, t);
            return false;
        }
    if (in(rx, ry, 90, 112, 200, 14)) {
        const int32_t t = Wettbewerbsliste_Team_Auswahl();
        if (t >= 0) Verein_Edit_Nation_Setzen(t);
    } else if (in(rx, ry, 4, 150, 80, 14)) {
        if (const char* pfad = pcx_waehlen()) Verein_Edit_Wappen_Import(pfad);
    } else if (in(rx, ry, 4, 168, 80, 14)) {
        Verein_Edit_Wappen_Zwischenablage();
    } else if (in(rx, ry, 4, 186, 80, 14)) {
        Verein_Edit_Undo();
    } else if (in(rx, ry, 90, 136, 12 * 18, 14)) {
        const int32_t k = (rx - 90) / 18;
        uint8_t f[48] = {};
        const uint8_t* alt = static_cast<const uint8_t*>(Team_Zeiger(TEAM_FARBEN, ve.team, nullptr, 0));
        std::memcpy(f, alt + 3 * k, 3);
        Win95_Farbe_Auswaehlen(f);
        Verein_Edit_Farbe_Setzen(k, f[0], f[1], f[2]);
    } else if (in(rx, ry, 330, 208, 50, 20)) {
        return true;
    }
    return false;
}

void Verein_Edit_Zeichnen(Rastport* z, int32_t zweites)
{
    if (!z || !ve.aktiv) return;
    if (!Spieler_Screen_Bild(EDIT_BILD_VEREIN, z, VX, VY, true)) Grafik_Rechteck_Fuellen(z, VX, VY, 400, 252, farbe(2, 3, 6));
    schreiben(z, 3, VX + 4, VY + 16, farbe(15, 15, 0), "Vereins-Editor");
    static const char* const LABEL[4] = {"Name", "Kurzname", "Stadion", "Stadt"};
    for (int32_t k = 0; k < 4; ++k) {
        schreiben(z, 4, VX + 4, VY + 51 + 18 * k, farbe(12, 12, 12), LABEL[k]);
        feld(z, VX + 90, VY + 40 + 18 * k, 200, ve.texte[k]);
    }
    const int32_t nation = Team_Wert(TEAM_NATION, ve.team, 0, 0);
    const char* land = nation >= 0 && nation < Team_Anzahl ? Team_String(TEAM_NAME_ROH, nation, nullptr, 0) : nullptr;
    schreiben(z, 4, VX + 4, VY + 123, farbe(12, 12, 12), "Nation");
    flaeche(z, VX + 90, VY + 112, 200, true);
    Grafik_Printf(z, Font(4), "^gll%04d ^c%05d%s", VX + 92, VY + 123, nation, int(farbe(15, 15, 15)), land ? land : "");
    schreiben(z, 4, VX + 4, VY + 147, farbe(12, 12, 12), "Farben");
    const uint8_t* f = static_cast<const uint8_t*>(Team_Zeiger(TEAM_FARBEN, ve.team, nullptr, 0));
    for (int32_t k = 0; f && k < 12; ++k)
        Grafik_Rechteck_Fuellen(z, VX + 90 + 18 * k, VY + 136, 16, 14,
                                Grafik_Farbe(f[3 * k] >> 4, f[3 * k + 1] >> 4, f[3 * k + 2] >> 4));
    feld(z, VX + 4, VY + 150, 80, "PCX-Datei");
    feld(z, VX + 4, VY + 168, 80, "Clipboard", Pic_Aus_Zwischenablage() != 0);
    feld(z, VX + 4, VY + 186, 80, "Undo");
    // the crest, then the kit beside a second club's
    int32_t gefunden = 0;
    if (Rastport* w = user_wappen(ve.team)
                          ? Pic_Change_Load_User_Bild(Team_Wert(TEAM_GRAFIK_NR, ve.team, 0, 0), nullptr, 16,
                                                      PIC_VEREINS_WAPPEN, &gefunden)
                          : nullptr) {
        Grafik_Blit_Transparent(w, 0, 0, int32_t(w->width), int32_t(w->height), z, VX + 320, VY + 40);
        Grafik_Bitmap_Freigeben(w);
    } else if (!Spieler_Screen_Bild(EDIT_BILD_WAPPEN, z, VX + 320, VY + 40, true)) {
        Grafik_Rechteck_Fuellen(z, VX + 320, VY + 40, 40, 40, farbe(6, 6, 6));
    }
    kit_figur(z, VX + 300, VY + 100, Spieler_Anzahl > 0 ? 0 : -1, ve.team, zweites, 0);
    feld(z, VX + 330, VY + 208, 50, "Ende");
    if (!hinweis.empty()) schreiben(z, 4, VX + 4, VY + 246, farbe(15, 6, 4), hinweis.c_str());
}

void Verein_Edit(int32_t team)
{
    if (!Verein_Edit_Start(team)) {
        Print_Fehler("Verein_Edit Fehler!");
        return;
    }
    Rastport* z = Grafik_Seite_0 ? Grafik_Seite_0 : Grafik_Render_Ziel;
    // the kit beside the next club's
    const int32_t zweites = (team + 1) % std::max(Team_Anzahl, 1);
    Verein_Edit_Zeichnen(z, zweites);
    Grafik_Screen_Rechteck_Zeigen(VX, VY, 400, 252);
    int32_t vorher = Maus_Get_Tasten();
    while (!Programm_Ende) {
        Win95_Message_Pump();
        const int32_t tasten = Maus_Get_Tasten();
        if (tasten && !vorher) {
            if (Verein_Edit_Klick(Maus_Get_X(), Maus_Get_Y(), tasten)) break;
            Verein_Edit_Zeichnen(z, zweites);
            Grafik_Screen_Rechteck_Zeigen(VX, VY, 400, 252);
        }
        vorher = tasten;
        Win95_Sleep(5);
    }
    warte_tasten_los();
    Verein_Edit_Ende();
}
