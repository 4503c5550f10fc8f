#include "screens/spieler_schirme.h"

#include <cstring>

#include "database/manager.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/disk.h"
#include "platform/print.h"
#include "platform/resfile.h"
#include "screens/spieler_einsetzen.h"
#include "toolkit/event.h"
#include "toolkit/hauptmenue.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/screen.h"

namespace {

// A switch button: a framed face with its short name, lit while its screen is the chosen one.
int32_t knopf_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon || icon->nummer < SPIELER_SCHALTER_VERGLEICH || icon->nummer > SPIELER_SCHALTER_EINSETZEN) return 0;
    static constexpr const char* KURZ[4] = {"Vgl.", "Trn.", "Trf.", "Aufst."};
    const bool an = Aktuelles_Team >= 0 && Manager_Icon_Button_Lesen(Aktuelles_Team, icon->nummer) != 0;
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe,
                            an ? Grafik_Farbe(12, 7, 0) : Grafik_Farbe(3, 4, 9));
    // "Aufst." takes the condensed font in the 30-pixel button
    const char* kurz = KURZ[icon->nummer - SPIELER_SCHALTER_VERGLEICH];
    Grafik_Printf(z, Font(Menue_Font_Passend(4, kurz, icon->breite - 3)), "^c%05d%s", icon->x + 2, icon->y + 20,
                  int(Grafik_Farbe(15, 15, 15)), kurz);
    return 0;
}

constexpr Menue_Icon knopf(int16_t nummer, int16_t y, const char* text)
{
    // A click by the manager marks the visit for the history (back and forward, "Zuletzt
    // besucht:"); the history's own jumps come without the mark.
    Menue_Icon i = Menue_Icon_Vorlage(nummer, -1, ICON_KLICK_MARKE, 607, y, 30, 34, 10, 255);
    i.hilfetext = text;
    i.klick = Spieler_Screen_Knopf_Klick;
    i.refresh_prozedur = knopf_zeichnen;
    i.status = ICON_GLUEHT | ICON_SPAETER_REFRESH;
    return i;
}

Spieler_Screen_Oeffner oeffner[4] = {};

// Pitch figures: per kind the plain, the on-pitch (0x10) and the bench (0x20) colour, RGB565.
constexpr uint16_t FIGUR_FARBEN[SPIELER_FIGUR_ARTEN * 3] = {
    0xFFE0, 0xFD20, 0xC618,  // own goalkeeper
    0xFFFF, 0x07E0, 0x8410,  // own field player
    0x001F, 0x051F, 0x4210,  // other club
    0xF81F, 0xF800, 0xFC10,  // trial player
    0x07FF, 0x0410, 0x2945,  // shown in the rooms view
};

}  // namespace

Menue_Icon Spieler_Screen_Knoepfe[5] = {
    knopf(SPIELER_SCHALTER_VERGLEICH, 97, "Spielervergleich"),
    knopf(SPIELER_SCHALTER_TRAINING, 132, "Training"),
    knopf(SPIELER_SCHALTER_TRANSFER, 167, "Transfermarkt"),
    knopf(SPIELER_SCHALTER_EINSETZEN, 202, "Einsetzen"),
    Menue_Icon_Listenende(),
};

void Spieler_Screen_Oeffner_Setzen(int32_t index, Spieler_Screen_Oeffner o)
{
    if (index >= 0 && index < 4) oeffner[index] = o;
}

int32_t Spieler_Screen_Knopf_Klick(Menue_Icon* icon, uint32_t flags)
{
    if (!icon || icon->nummer < SPIELER_SCHALTER_VERGLEICH || icon->nummer > SPIELER_SCHALTER_EINSETZEN) return 0;
    // From another group (the history, a favourite) what that group drew goes first.
    if (Manager_Icon_Welcher_Togglebutton_Ist_An(Aktuelles_Team, 5, 703, 704, 705, 706, 707) != 707)
        Menue_Arbeitsbereich_Leeren();
    if (Menue_Untermenue_Registrieren(icon, flags & KLICK_MARKE, 707, Spieler_Screen_Knoepfe, 4, 801, 802, 803, 804) < 0)
        return 0;  // the screen shown already
    const Spieler_Screen_Oeffner o = oeffner[icon->nummer - SPIELER_SCHALTER_VERGLEICH];
    return o ? o(icon, 0x20000000) : 0;
}

int32_t Spieler_Screen_Oeffnen(int32_t nummer)
{
    if (nummer < SPIELER_SCHALTER_VERGLEICH || nummer > SPIELER_SCHALTER_EINSETZEN) return 0;
    const Spieler_Screen_Oeffner o = oeffner[nummer - SPIELER_SCHALTER_VERGLEICH];
    return o ? o(Menue_Screen_Icon_Aus_Nummer(nummer), 0x20000000) : 0;
}

bool Spieler_Screen_Bild(int32_t nummer, Rastport* ziel, int32_t x, int32_t y, bool deckend, int32_t sx, int32_t sy,
                         int32_t w, int32_t h)
{
    const int32_t handle = ResFile_Handles[0].handle;
    if (handle < 0 || !ziel) return false;
    auto* bild = static_cast<Rastport*>(Load_Resource(handle, nummer, ziel->depth, nullptr));
    if (!bild) return false;
    if (w < 0) w = int32_t(bild->width), h = int32_t(bild->height);
    if (deckend) Grafik_Blit(bild, sx, sy, w, h, ziel, x, y);
    else Grafik_Blit_Transparent(bild, sx, sy, w, h, ziel, x, y);
    Grafik_Bitmap_Freigeben(bild);
    return true;
}

int32_t Spieler_Screen_Text_Breite(int32_t font, const std::string& text)
{
    Font_Record* f = Font(font);
    if (!f) return 0;
    const auto fett = f->bold;
    const int32_t b = Font_Text_Breite_Mit_Tabs(f, text.c_str());
    f->bold = fett;
    return b;
}

void Spieler_Screen_Titelbild(int32_t nummer)
{
    const int32_t handle = ResFile_Handles[0].handle;
    const int32_t tiefe = Grafik_Screen_Geometrie.depth ? Grafik_Screen_Geometrie.depth : 16;
    auto* bild = handle >= 0 ? static_cast<Rastport*>(Load_Resource(handle, nummer, tiefe, nullptr)) : nullptr;
    if (!bild) return;
    if (Grafik_Render_Ziel)
        Grafik_Blit_Transparent(bild, 0, 0, int32_t(bild->width), int32_t(bild->height), Grafik_Render_Ziel,
                                (640 - int32_t(bild->width)) / 2, (480 - int32_t(bild->height)) / 2);
    Grafik_Bitmap_Freigeben(bild);
}

void Spieler_Screen_Icons_Zeigen()
{
    if (!Menue_Screen_Icon_Ist_Vorhanden(SPIELER_SCHALTER_VERGLEICH)) {
        Menue_Bereich_Refresh(20, 600, 50, 640, 225);
        Menue_Icon_Liste_Hinzufuegen(Spieler_Screen_Knoepfe);
    }
    Menue_Screen_Icon_Aktiv_Setzen(1, 701);
    Menue_Screen_Icon_Aktiv_Setzen(1, 702);
}

int32_t Spieler_Figur_Get_Farbe(int32_t art, uint32_t flags, uint16_t* farbe)
{
    if (art < 0 || art >= SPIELER_FIGUR_ARTEN) {
        Print_Fehler("Spieler_Figur_Get_Farbe: art %d falsch!", art);
        return -1;
    }
    const int32_t index = art * 3 + ((flags & 0x10) ? 1 : (flags & 0x20) ? 2 : 0);
    if (farbe) *farbe = FIGUR_FARBEN[index];
    return index;
}

void Spieler_Screen_Block_Packen(uint8_t bytes[SPIELER_SCHIRME_BYTES])
{
    for (int32_t k = 0; k < 5; ++k) Menue_Icon_Abbild_Schreiben(Spieler_Screen_Knoepfe[k], bytes + k * MENUE_ICON_BYTES);
    bytes[5 * MENUE_ICON_BYTES] = Spieler_Screen_Hinweis_Gezeigt ? 1 : 0;
}

bool Spieler_Screen_Icons_Bestaetigt(const uint8_t* bytes, const Menue_Icon* liste, int32_t anzahl, const char* wer)
{
    for (int32_t k = 0; k < anzahl; ++k) {
        Menue_Icon_Abbild a;
        if (!Menue_Icon_Abbild_Lesen(bytes + k * MENUE_ICON_BYTES, MENUE_ICON_BYTES, &a) || a.icon.nummer != liste[k].nummer) {
            Print_Fehler("%s: Icon %d falsch!", wer, k);
            return false;
        }
    }
    return true;
}

bool Spieler_Screen_Block_Entpacken(const uint8_t* bytes, uint32_t laenge)
{
    if (!bytes || laenge != SPIELER_SCHIRME_BYTES) {
        Print_Fehler("Spieler_Screen_Read_Bin_Block: %u statt %u Bytes", laenge, SPIELER_SCHIRME_BYTES);
        return false;
    }
    if (!Spieler_Screen_Icons_Bestaetigt(bytes, Spieler_Screen_Knoepfe, 5, "Spieler_Screen_Read_Bin_Block")) return false;
    // The templates are the program's own; the stored records only confirm the list.
    Menue_Icon_Liste_Registrieren(Spieler_Screen_Knoepfe);
    Spieler_Screen_Hinweis_Gezeigt = bytes[5 * MENUE_ICON_BYTES] != 0 ? 1 : 0;
    return true;
}

bool Spieler_Screen_Write_Bin_Block(Disk_Datei* datei)
{
    uint8_t b[SPIELER_SCHIRME_BYTES];
    Spieler_Screen_Block_Packen(b);
    return Disk_Schreibe_Block(datei, b, sizeof b);
}

bool Spieler_Screen_Read_Bin_Block(Disk_Datei* datei, const char*)
{
    uint8_t b[SPIELER_SCHIRME_BYTES];
    return Disk_Lese_Block_Genau(datei, b, sizeof b, "Spieler_Screen_Read_Bin_Block") &&
           Spieler_Screen_Block_Entpacken(b, sizeof b);
}

void Spieler_Screen_Disk_Registrieren()
{
    Disk_Block_Registrieren(DISK_POS_SPIELERSCHIRME, Spieler_Screen_Write_Bin_Block, Spieler_Screen_Read_Bin_Block);
}
