#include "screens/spieler_einsetzen_screen.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "database/assistent.h"
#include "database/manager.h"
#include "database/spieler.h"
#include "database/team.h"
#include "database/teamspieler.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_effekt.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_spielerfigur.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/maus.h"
#include "platform/print.h"
#include "screens/spieler_bilder.h"
#include "screens/spieler_detail.h"
#include "screens/spieler_einsetzen.h"
#include "screens/spieler_einsetzen_feld.h"
#include "screens/spieler_einsetzen_figuren.h"
#include "screens/spieler_gesicht.h"
#include "screens/spieler_hilfetext.h"
#include "screens/spieler_kontext_menue.h"
#include "screens/spieler_liste.h"
#include "screens/spieler_liste_knoepfe.h"
#include "screens/spieler_schirme.h"
#include "screens/spieler_suche_screen.h"
#include "screens/spieler_taktik.h"
#include "screens/spieler_training.h"
#include "screens/spielervergleich.h"
#include "platform/string_util.h"
#include "toolkit/dienste.h"
#include "toolkit/hauptmenue.h"
#include "toolkit/icon.h"
#include "toolkit/kontextmenue.h"
#include "toolkit/screen.h"
#include "toolkit/ziehen.h"

namespace {

enum : int16_t {
    SE_HINTERGRUND = 1330, SE_EIGENE_LISTE = 1331, SE_FREMDE_LISTE = 1296, SE_STAERKE = 1287,
    SE_FELD = 1290, SE_TAKTIK_ERSTE = 1261, SE_TAKTIK_TRAINIEREN = 1269,
};
// The tactic rows stand over the pitch; the button that hands the tactic to the training right of them.
constexpr int16_t TAKTIK_Y[2] = {46, 66}, TAKTIK_X = 170, TAKTIK_SCHRITT = 70;
constexpr int32_t TAKTIK_FONT = 9;
constexpr int16_t FELD_X = 226, FELD_Y = 114, FELD_W = 207, FELD_H = 337;
// The two squads' icons, filling the frames of the background: the club's name at their top,
// then the title's baseline and the entries' top; the other club's entries from y 141.
constexpr int16_t LISTE_Y = 93, LISTE_H = 343, LISTE_NAME_Y = 14, LISTE_TITEL_Y = 44, LISTE_OBEN = 48;
// The own list's five type toggles ("S", "M", "*", "A", "T") and the two layouts of the row they
// stand in above the own entries: kind 0 at y 141, right under the title, kind 2 one line lower
// at 156, the line between naming the assistant who sets the line-up. The entries begin under
// the row.
constexpr int16_t TYP_KNOEPFE[5] = {1248, 1249, 1250, 1251, 1252};
constexpr int16_t TYP_X = 4, TYP_SCHRITT = 15, TYP_HOEHE = 12, TYP_ZEILE_Y[2] = {141, 156}, TYP_ABSTAND = 2;
int16_t eigene_oben = LISTE_OBEN;
bool assistent_zeile = false;
// The commitment slider: a handle on a track left of the pitch, above the strength box; the top
// is the value 1 of the slider (the club's commitment 99).
constexpr int16_t EINSATZ_X = 209, EINSATZ_OBEN = 120, EINSATZ_LAENGE = 126;

uint16_t farbe(int r, int g, int b) { return Grafik_Farbe(uint32_t(r), uint32_t(g), uint32_t(b)); }

void text(Rastport* z, int32_t font, int32_t x, int32_t y, uint16_t f, const char* t)
{
    Grafik_Printf(z, Font(font), "^c%05d%s", x, y, int(f), t);
}

int32_t hintergrund_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    if (!Spieler_Screen_Bild(SE_HINTERGRUND, z, icon->x, icon->y, true, icon->x, icon->y, icon->breite, icon->hoehe))
        Grafik_Rechteck_Fuellen(z, 0, 40, 600, 440, farbe(1, 3, 2));
    return 0;
}

// The pitch as seen from the own goal: stripes, lines, both goal areas.
void feld_malen(Rastport* z)
{
    for (int32_t k = 0; k < 12; ++k)
        Grafik_Rechteck_Fuellen(z, FELD_X, FELD_Y + k * FELD_H / 12, FELD_W, FELD_H / 12 + 1,
                                k % 2 ? farbe(2, 9, 3) : farbe(2, 10, 3));
    const uint16_t w = farbe(14, 15, 14);
    const int32_t x1 = FELD_X + 4, y1 = FELD_Y + 4, x2 = FELD_X + FELD_W - 5, y2 = FELD_Y + FELD_H - 5;
    Grafik_Linie(z, x1, y1, x2, y1, w);
    Grafik_Linie(z, x1, y2, x2, y2, w);
    Grafik_Linie(z, x1, y1, x1, y2, w);
    Grafik_Linie(z, x2, y1, x2, y2, w);
    const int32_t ym = FELD_Y + FELD_H / 2;
    Grafik_Linie(z, x1, ym, x2, ym, w);
    for (const int32_t y : {y1, y2 - 40}) {
        Grafik_Linie(z, FELD_X + 50, y, FELD_X + 50, y + 40, w);
        Grafik_Linie(z, FELD_X + FELD_W - 51, y, FELD_X + FELD_W - 51, y + 40, w);
        Grafik_Linie(z, FELD_X + 50, y == y1 ? y + 40 : y, FELD_X + FELD_W - 51, y == y1 ? y + 40 : y, w);
    }
}

void raeume_malen(Rastport* z)
{
    const bool eigen = Manager_Icon_Button_Lesen(Aktuelles_Team, 1293) != 0;
    if (!eigen) return;
    const int32_t gewaehlt = int16_t(Manager_Icon_Word_Data_Lesen(Aktuelles_Team, SE_RAUM_SPIELER));
    int32_t liste[500];
    const int32_t n = Teamspieler_Ins_Array(Aktuelles_Team, liste, 500, 0);
    for (int32_t k = 0; k < n; ++k) {
        const int32_t p = liste[k];
        if (!(Teamspieler_Wert(317, Aktuelles_Team, p, 0, 0) & TS_STARTELF) || Spieler_Wert(SP_ART, p, 0, 0) == 0) continue;
        const int32_t a = Teamspieler_Wert(311, Aktuelles_Team, p, 0, 0), b = Teamspieler_Wert(312, Aktuelles_Team, p, 0, 0);
        if (a < 0 || a >= RASTER_KEINE_ZELLE || b < 0 || b >= RASTER_KEINE_ZELLE) continue;
        int32_t xa, ya, xb, yb;
        Spieler_Einsetzen_Raster_Zu_Screen(1, a / 17, a % 17, Aktuelles_Team, -1, &xa, &ya);
        Spieler_Einsetzen_Raster_Zu_Screen(1, b / 17, b % 17, Aktuelles_Team, -1, &xb, &yb);
        const int32_t l = std::min(xa, xb) - 4, o = std::min(ya, yb) - 2, r = std::max(xa, xb) + 8,
                      u = std::max(ya, yb) + 9;
        const uint16_t f = p == gewaehlt ? farbe(15, 15, 4) : farbe(6, 12, 15);
        Grafik_Raum_Malen(z, l, o, r - l, l, u, r - l, f, p == gewaehlt ? 56 : 32);
        Grafik_Linie(z, l, o, r, o, f);
        Grafik_Linie(z, l, u, r, u, f);
        Grafik_Linie(z, l, o, l, u, f);
        Grafik_Linie(z, r, o, r, u, f);
    }
}

int32_t feld_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    // The bench strip left of the pitch belongs to this icon too; the background holds both.
    if (!Spieler_Screen_Bild(SE_HINTERGRUND, z, icon->x, icon->y, true, icon->x, icon->y, icon->breite, icon->hoehe)) {
        Grafik_Rechteck_Fuellen(z, icon->x, icon->y, FELD_X - icon->x, icon->hoehe, farbe(1, 3, 2));
        Grafik_Rechteck_Fuellen(z, EINSATZ_X + 6, EINSATZ_OBEN, 3, EINSATZ_LAENGE + 8, farbe(6, 6, 7));
        feld_malen(z);
    }
    Spieler_Einsetzen_Lieblingsbox_Malen(z);
    raeume_malen(z);
    return 0;
}

// The squads beside the pitch: list 0 the own players, list 1 the shown other club's, each
// entry with its marks and chosen columns. The tops of the own entries are kept for the click.
std::vector<int32_t> eigene_oben_liste, fremde_oben_liste;
std::vector<Spieler_Listen_Eintrag> eigene_eintraege, fremde_eintraege;

int32_t liste_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    const bool eigen = icon->nummer == SE_EIGENE_LISTE;
    // the club whose players the list holds, then the title over the entries, all inside the icon
    const int32_t verein = eigen ? Aktuelles_Team : Anzeige_Gegner_Team;
    if (verein >= 0 && verein < Team_Anzahl) {
        char name[80];
        std::snprintf(name, sizeof name, "%s", Team_String(TEAM_NAME, verein, nullptr, 0));
        String_Kuerzen_Pixel(name, nullptr, 3, icon->breite - 2);
        text(z, 3, icon->x, icon->y + LISTE_NAME_Y, farbe(15, 15, 15), name);
    }
    text(z, 3, icon->x, icon->y + LISTE_TITEL_Y, farbe(15, 15, 0), eigen ? "Eigener Kader" : "Gegner");
    const int32_t a = Aktuelles_Team >= 0 ? Assistent_Mit_Aufgabe(Aktuelles_Team, 0) : -1;
    if (eigen && assistent_zeile && a >= 0 && a < ASSI_SLOTS) {
        char t[120];
        std::snprintf(t, sizeof t, "(%s übernimmt die Aufstellung)", Assistenten_Tabelle[a].name);
        String_Kuerzen_Pixel(t, nullptr, 11, icon->breite - 2);
        text(z, 11, icon->x, TYP_ZEILE_Y[0] + 10, farbe(12, 12, 12), t);
    }
    const int32_t oben = eigen ? eigene_oben : LISTE_OBEN;
    std::vector<Spieler_Listen_Eintrag> e;
    Spieler_Einsetzen_Liste_Bauen(eigen ? 0 : 1, &e);
    Spieler_Einsetzen_Liste_Malen(z, eigen ? 0 : 1, e, icon->x, icon->y + oben, icon->hoehe - oben,
                                  eigen ? &eigene_oben_liste : &fremde_oben_liste);
    (eigen ? eigene_eintraege : fremde_eintraege) = e;
    return 0;
}

// A click on the pitch chooses a room to edit or ends the edit.
int32_t feld_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    Spieler_Einsetzen_Spielfeld_Klick(Maus_Get_X(), Maus_Get_Y());
    Spieler_Einsetzen_Feld_Neu_Zeichnen();
    return 1;
}

// A player line of the own squad opens his detail pages (the context menu does it elsewhere).
int32_t liste_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon || icon->nummer != SE_EIGENE_LISTE) return 0;
    return Spieler_Einsetzen_Liste_Details(eigene_oben_liste, eigene_eintraege, Maus_Get_Y()) ? 1 : 0;
}

// A right click on an entry of either squad opens the player's menu.
Menue_Kontextmenue* liste_menue(Menue_Icon* icon)
{
    if (!icon) return nullptr;
    const bool eigen = icon->nummer == SE_EIGENE_LISTE;
    return Spieler_Einsetzen_Liste_Kontext(icon, eigen ? eigene_oben_liste : fremde_oben_liste,
                                           eigen ? eigene_eintraege : fremde_eintraege, Maus_Get_Y());
}

// Both clubs' two strength texts, the other club above the own: colour 6, or 8 without exactly
// eleven on the pitch.
int32_t staerke_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, farbe(0, 2, 5));
    const int32_t gezeigt = (Manager_Icon_Button_Lesen(Aktuelles_Team, SE_FIGUREN) & 2) && Anzeige_Gegner_Team != Aktuelles_Team
                                ? Anzeige_Gegner_Team
                                : -1;
    int32_t zeile = 0;
    for (int32_t team : {gezeigt, Aktuelles_Team}) {
        const uint16_t f = uint16_t(UI_Farbtabelle[Spieler_Einsetzen_Staerke_Farbe(team)].farbe);
        for (int32_t k = 0; k < 2; ++k) {
            // the other club's texts stay empty while none is shown
            std::string t = team >= 0 ? Spieler_Einsetzen_Staerke_Text(team, k) : "";
            if (k == 1) {
                // the box holds the mean; the tooltip gives the parts
                const size_t s = t.rfind('='), a = s != std::string::npos ? t.find_first_not_of(' ', s + 1) : s;
                if (s != std::string::npos) t = a != std::string::npos ? t.substr(a) : "";
            }
            char kurz[64];
            std::snprintf(kurz, sizeof kurz, "%s", t.c_str());
            String_Kuerzen_Pixel(kurz, nullptr, 4, icon->breite - 4);
            text(z, 4, icon->x + 2, icon->y + 10 + 11 * zeile++, f, kurz);
        }
    }
    return 0;
}

int32_t taktik_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    const int32_t e = icon->nummer - SE_TAKTIK_ERSTE;
    const int32_t stufe = int32_t(Manager_Icon_Button_Lesen(Aktuelles_Team, icon->nummer)) % 3;
    if (!Spieler_Screen_Bild(icon->nummer, z, icon->x, icon->y, true))
        Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, farbe(2, 4, 8));
    const char* l = Spieler_Einsetzen_Taktik_Label(e, stufe);
    // the condensed font: the longest label ("Selt.Abseitsf.") fits the control
    text(z, TAKTIK_FONT, icon->x + 2, icon->y + 10, farbe(15, 15, 15), l ? l : "");
    return 0;
}

int32_t taktik_klick(Menue_Icon* icon, uint32_t)
{
    if (icon && Spieler_Einsetzen_Taktik_Klick(icon->nummer)) Menue_Screen_Icon_Hinzufuegen(icon);
    return 0;
}

int32_t aufstellung_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    Rastport* b = Grafik_Bitmap_Anlegen(icon->breite, icon->hoehe, z->depth);
    if (!b) return 0;
    Spieler_Screen_Bild(icon->nummer, b, 0, 0, true);
    Spieler_Einsetzen_Aufstellung_Bild(b, icon->nummer - SE_AUFSTELLUNG_1);
    Grafik_Blit(b, 0, 0, icon->breite, icon->hoehe, z, icon->x, icon->y);
    Grafik_Bitmap_Freigeben(b);
    return 0;
}

int32_t aufstellung_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    Spieler_Einsetzen_Aufstellung_Klick(icon->nummer - SE_AUFSTELLUNG_1);
    Spieler_Einsetzen_Feld_Neu_Zeichnen();
    return 0;
}

Menue_Kontextmenue* aufstellung_menue(Menue_Icon* icon)
{
    return icon ? Spieler_Einsetzen_Aufstellung_Menue(icon->nummer - SE_AUFSTELLUNG_1) : nullptr;
}

// The set switch: the set in use lit. Locked while an assistant sets the line-up.
int32_t satz_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    const bool an = Spieler_Einsetzen_Get_Modus(Aktuelles_Team) == (icon->nummer == SE_SATZ_B ? 1 : 0);
    const bool gesperrt = Aktuelles_Team >= 0 && Assistent_Mit_Aufgabe(Aktuelles_Team, 0) >= 0;
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, farbe(1, 1, 1));
    Grafik_Rechteck_Fuellen(z, icon->x + 1, icon->y + 1, icon->breite - 2, icon->hoehe - 2,
                            gesperrt ? farbe(5, 5, 5) : an ? farbe(15, 9, 0) : farbe(7, 7, 8));
    Spieler_Screen_Bild(icon->nummer, z, icon->x, icon->y);
    return 0;
}

int32_t satz_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon || Spieler_Einsetzen_Aufstellung_Icons_Sperren()) return 0;
    Spieler_Einsetzen_Satz_Wechseln(icon->nummer == SE_SATZ_B ? 1 : 0);
    Spieler_Einsetzen_Feld_Neu_Zeichnen();
    return 1;
}

int32_t trainieren_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    const bool gesperrt = Aktuelles_Team >= 0 && Assistent_Mit_Aufgabe(Aktuelles_Team, 1) >= 0;
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, farbe(1, 1, 1));
    Grafik_Rechteck_Fuellen(z, icon->x + 1, icon->y + 1, icon->breite - 2, icon->hoehe - 2,
                            gesperrt ? farbe(5, 5, 5) : farbe(4, 10, 4));
    Spieler_Screen_Bild(icon->nummer, z, icon->x, icon->y);
    return 0;
}

int32_t trainieren_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    Spieler_Einsetzen_Taktik_Trainieren();
    Menue_Screen_Icon_Hinzufuegen(icon);
    return 1;
}

int32_t knopf_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    const bool an = Manager_Icon_Button_Lesen(Aktuelles_Team, icon->nummer) != 0;
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, an ? farbe(15, 9, 0) : farbe(6, 6, 6));
    Spieler_Screen_Bild(icon->nummer, z, icon->x, icon->y);
    return 0;
}

// The mode, view and head buttons: flip, apply the rules, place the figures again.
int32_t knopf_klick(Menue_Icon* icon, uint32_t)
{
    if (!icon) return 0;
    if (icon->nummer == SE_DEFENSIV || icon->nummer == SE_OFFENSIV) {
        Spieler_Einsetzen_Modus_Klick(icon->nummer);
    } else {
        const uint32_t an = Manager_Icon_Button_Lesen(Aktuelles_Team, icon->nummer);
        Manager_Icon_Button_An_Aus(Aktuelles_Team, icon->nummer, an ? 0 : 1);
        if (icon->nummer == SE_RAUM_SPIELER) {
            const uint32_t bits = Manager_Icon_Button_Lesen(Aktuelles_Team, SE_FIGUREN);
            Manager_Icon_Button_An_Aus(Aktuelles_Team, SE_FIGUREN, bits ^ 2);
        }
    }
    Spieler_Einsetzen_Feld_Neu_Zeichnen();
    return 0;
}


int32_t einsatz_y()
{
    const int32_t wert = Aktuelles_Team >= 0 ? Team_Wert(TEAM_OPTION, Aktuelles_Team, 0, 0) : 50;
    const int32_t v = 100 - std::clamp(wert, 1, 99);
    return EINSATZ_OBEN + (v - 1) * EINSATZ_LAENGE / 98;
}

int32_t einsatz_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon) return 0;
    icon->y = int16_t(einsatz_y());
    if (Spieler_Screen_Bild(icon->nummer, z, icon->x, icon->y)) return 0;
    Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, farbe(1, 1, 1));
    Grafik_Rechteck_Fuellen(z, icon->x + 1, icon->y + 1, icon->breite - 2, icon->hoehe - 2, farbe(15, 11, 2));
    return 0;
}

void einsatz_abgelegt(Menue_Move_Struktur*, Menue_Icon* icon, int32_t, int32_t y, uint32_t code)
{
    if (code != 0x80 || !icon) return;
    Spieler_Einsetzen_Einsatz_Abgelegt(y);
    icon->y = int16_t(einsatz_y());
    Spieler_Einsetzen_Feld_Neu_Zeichnen();
}

Menue_Move_Struktur einsatz_move{-1, 0, einsatz_abgelegt, nullptr,
                                 {EINSATZ_X, EINSATZ_OBEN, int16_t(EINSATZ_X + 14), int16_t(EINSATZ_OBEN + EINSATZ_LAENGE + 7)},
                                 nullptr, -1};

// The assistants' and doctors' marks: one per employed person in slot order, the assistants above
// the strength box, the doctors below it.
constexpr int16_t PERSONAL_ORT[4][2] = {{171, 0}, {191, 0}, {171, 20}, {191, 20}};
constexpr int16_t ASSI_Y = 120, ARZT_Y = 315;

// The k-th employed person's slot of the team's staff block, -1 none.
int32_t personal_slot(int32_t feld, int32_t k)
{
    const auto* b = Aktuelles_Team >= 0 ? static_cast<const uint8_t*>(Team_Zeiger(feld, Aktuelles_Team, nullptr, 0)) : nullptr;
    for (int32_t s = 0; b && s < ASSI_SLOTS; ++s)
        if (b[s] && k-- == 0) return s;
    return -1;
}

int32_t personal_zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* z = Grafik_Render_Ziel;
    if (!z || !icon || icon->kennung_1 < 0) return 0;
    const bool arzt = icon->nummer >= AUFSTELLUNG_BILD_ARZT;
    if (!Spieler_Screen_Bild(arzt ? AUFSTELLUNG_BILD_ARZT : AUFSTELLUNG_BILD_ASSI, z, icon->x, icon->y))
        Grafik_Rechteck_Fuellen(z, icon->x, icon->y, icon->breite, icon->hoehe, arzt ? farbe(15, 15, 15) : farbe(3, 4, 9));
    return 0;
}

const char* personal_hilfe(Menue_Icon* icon)
{
    if (!icon || icon->kennung_1 < 0 || icon->kennung_1 >= ASSI_SLOTS) return "";
    return icon->nummer >= AUFSTELLUNG_BILD_ARZT ? Aerzte_Tabelle[icon->kennung_1].name : Assistenten_Tabelle[icon->kennung_1].name;
}

// Fixed storage: the toolkit keeps pointers into it.
struct Liste {
    Menue_Icon icons[64];
    int32_t n = 0;
    void clear() { n = 0; }
    void push_back(const Menue_Icon& i)
    {
        if (n < 63) icons[n++] = i;
    }
    Menue_Icon* data() { return icons; }
} liste;

void liste_bauen()
{
    liste.clear();
    auto icon = [](int16_t n, int16_t x, int16_t y, uint16_t w, uint16_t h, int8_t pri, Menue_Refresh_Prozedur r) {
        Menue_Icon i = Menue_Icon_Vorlage(n, -1, 0, x, y, w, h, pri, 255);
        i.refresh_prozedur = r;
        i.status = ICON_SPAETER_REFRESH;
        return i;
    };
    liste.push_back(icon(SE_HINTERGRUND, 0, 40, 600, 440, 0, hintergrund_zeichnen));
    // Below the figures (priorities 2 and 3), which stand on it.
    Menue_Icon feld = icon(SE_FELD, FELD_X - 24, FELD_Y, FELD_W + 24, FELD_H, 1, feld_zeichnen);
    feld.klick = feld_klick;
    feld.kontext = Spieler_Einsetzen_Feld_Menue;
    liste.push_back(feld);
    Menue_Icon eigene = icon(SE_EIGENE_LISTE, 4, LISTE_Y, 160, LISTE_H, 4, liste_zeichnen);
    eigene.klick = liste_klick;
    eigene.kontext = liste_menue;
    liste.push_back(eigene);
    Menue_Icon fremde = icon(SE_FREMDE_LISTE, 452, LISTE_Y, 145, LISTE_H, 4, liste_zeichnen);
    fremde.kontext = liste_menue;
    liste.push_back(fremde);
    // the lists' controls underneath
    Menue_Icon steuer[16];
    for (int32_t l = 0; l < 2; ++l) {
        const int32_t n = Spieler_Einsetzen_Listen_Knoepfe(steuer, 16, l, l == 0 ? 4 : 452, 440);
        for (int32_t k = 0; k < n; ++k) liste.push_back(steuer[k]);
    }
    Menue_Icon st = icon(SE_STAERKE, 166, 258, 53, 47, 5, staerke_zeichnen);
    st.mausover = Spieler_Einsetzen_Staerke_Hilfe;
    st.hilfetext = "Stärke, Form und Erschöpfung beider Teams^l(nur eingesetzte Spieler)";
    liste.push_back(st);
    Menue_Icon einsatz = icon(1286, EINSATZ_X, int16_t(einsatz_y()), 15, 8, 6, einsatz_zeichnen);
    einsatz.flags |= ICON_ZIEHBAR;
    einsatz.move = &einsatz_move;
    einsatz.mausover = Spieler_Einsetzen_Einsatz_Hilfe;
    liste.push_back(einsatz);
    for (int32_t k = 0; k < 8; ++k) {
        Menue_Icon t = icon(int16_t(SE_TAKTIK_ERSTE + k), int16_t(TAKTIK_X + TAKTIK_SCHRITT * (k % 4)), TAKTIK_Y[k / 4], 68,
                            12, 5, taktik_zeichnen);
        t.klick = taktik_klick;
        liste.push_back(t);
    }
    Menue_Icon training = icon(SE_TAKTIK_TRAINIEREN, 449, 41, 8, 11, 6, trainieren_zeichnen);
    training.klick = trainieren_klick;
    training.hilfetext = "Diese taktischen Einstellungen auch trainieren lassen";
    liste.push_back(training);
    for (const int16_t n : {int16_t(SE_SATZ_A), int16_t(SE_SATZ_B)}) {
        Menue_Icon b = icon(n, n == SE_SATZ_A ? 165 : 186, 448, 8, 8, 6, satz_zeichnen);
        b.klick = satz_klick;
        b.hilfetext = n == SE_SATZ_A ? "Die ERSTEN sechs Aufstellungen" : "Die ZWEITEN sechs Aufstellungen";
        liste.push_back(b);
    }
    for (int32_t k = 0; k < 8; ++k) {
        const bool arzt = k >= 4;
        const int32_t slot = personal_slot(arzt ? TEAM_AERZTE : TEAM_ASSISTENTEN, k % 4);
        Menue_Icon p = icon(int16_t(AUFSTELLUNG_BILD_ASSI + k), PERSONAL_ORT[k % 4][0],
                            int16_t((arzt ? ARZT_Y : ASSI_Y) + PERSONAL_ORT[k % 4][1]), 10, 15, 6, personal_zeichnen);
        p.kennung_1 = int16_t(slot);
        p.mausover = personal_hilfe;
        if (slot < 0) p.status = ICON_VERSTECKT;
        liste.push_back(p);
    }
    for (int32_t k = 0; k < 6; ++k) {
        Menue_Icon a = icon(int16_t(SE_AUFSTELLUNG_1 + k), int16_t(215 + 38 * k), 455, 35, 23, 5, aufstellung_zeichnen);
        a.klick = aufstellung_klick;
        a.kontext = aufstellung_menue;
        a.mausover = Spieler_Einsetzen_Aufstellung_Hilfe;
        liste.push_back(a);
    }
    const struct {
        int16_t n, x, y;
        const char* hilfe;
    } knoepfe[] = {{1292, 221, 112, "In OFFENSIV-Formation gehen"},   {1291, 221, 440, "In DEFENSIV-Formation gehen"},
                   {1294, 418, 113, "Raumansicht des Gegners"},      {1293, 418, 440, "Raumansicht des eigenen Teams"},
                   {1295, 434, 234, "Gegner-Team an/aus"},           {1302, 434, 295, "Köppe an/aus"}};
    for (const auto& k : knoepfe) {
        Menue_Icon b = icon(k.n, k.x, k.y, 8, 8, 6, knopf_zeichnen);
        b.klick = knopf_klick;
        b.hilfetext = k.hilfe;
        liste.push_back(b);
    }
    liste.push_back(Menue_Icon_Listenende());
}

}  // namespace

int32_t Spieler_Einsetzen_Einsatz_Y() { return einsatz_y(); }

int32_t Spieler_Einsetzen_Liste_Eintrag(const std::vector<int32_t>& oben, const std::vector<Spieler_Listen_Eintrag>& eintraege,
                                        int32_t y)
{
    int32_t k = -1;
    for (size_t i = 0; i < oben.size() && i < eintraege.size(); ++i)
        if (oben[i] <= y) k = int32_t(i);
    return k >= 0 && eintraege[size_t(k)].spnr >= 0 ? k : -1;
}

bool Spieler_Einsetzen_Liste_Details(const std::vector<int32_t>& oben, const std::vector<Spieler_Listen_Eintrag>& eintraege,
                                     int32_t y)
{
    const int32_t k = Spieler_Einsetzen_Liste_Eintrag(oben, eintraege, y);
    if (k < 0 || !Spieler_Detailseite_Oeffnen(eintraege[size_t(k)].team, eintraege[size_t(k)].spnr, -1, false)) return false;
    Spieler_Detail_Fenster_Zeigen();
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    return true;
}

Menue_Kontextmenue* Spieler_Einsetzen_Liste_Kontext(Menue_Icon* liste_icon, const std::vector<int32_t>& oben,
                                                    const std::vector<Spieler_Listen_Eintrag>& eintraege, int32_t y)
{
    if (!liste_icon) return nullptr;
    const int32_t k = Spieler_Einsetzen_Liste_Eintrag(oben, eintraege, y);
    if (k < 0) return nullptr;
    // the menu keeps the icon it was made for while it is open: a copy naming the entry's player
    static Menue_Icon eintrag;
    eintrag = *liste_icon;
    eintrag.kennung_1 = int16_t(eintraege[size_t(k)].spnr);
    eintrag.kennung_2 = int16_t(eintraege[size_t(k)].team);
    return Spieler_Kontext_Menue_Erzeugen(&eintrag);
}

void Spieler_Einsetzen_Set_Own_Button_Positionen(int32_t art)
{
    // The screen's own records: the transfer search has type toggles of the same numbers.
    Menue_Icon* ss = Menue_Screen_Icon_Ist_Vorhanden(SE_EIGENE_LISTE) ? Menue_Icon_Liste_Suchen(SE_EIGENE_LISTE, liste.data()) : nullptr;
    if (!ss) {
        Print_Fehler("Spieler_Einsetzen_Set_Own_Button_Positionen: ss==NULL!");
        return;
    }
    const int16_t y = TYP_ZEILE_Y[art == 2 ? 1 : 0];
    for (int32_t k = 0; k < 5; ++k) {
        Menue_Icon* t = Menue_Icon_Liste_Suchen(TYP_KNOEPFE[k], liste.data());
        if (!t) continue;
        t->x = int16_t(TYP_X + TYP_SCHRITT * k);
        t->y = y;
        t->refresh = 1;
    }
    assistent_zeile = art == 2;
    eigene_oben = int16_t(y + TYP_HOEHE + TYP_ABSTAND - ss->y);
    ss->refresh = 1;
}

int32_t Spieler_Einsetzen_Own_Button_Art()
{
    return Aktuelles_Team >= 0 && Assistent_Mit_Aufgabe(Aktuelles_Team, 0) >= 0 ? 2 : 0;
}

void Spieler_Einsetzen_Spieler_Icons_Refresh(int32_t spnr)
{
    for (const int32_t nummer : {int32_t(SE_EIGENE_LISTE), int32_t(SE_FREMDE_LISTE)}) {
        if (!Menue_Screen_Icon_Ist_Vorhanden(nummer)) continue;
        Menue_Icon* icon = Menue_Screen_Icon_Aus_Nummer(nummer);
        if (!icon || icon->refresh_prozedur != liste_zeichnen) continue;
        std::vector<Spieler_Listen_Eintrag> e;
        if (spnr >= 0) Spieler_Einsetzen_Liste_Bauen(nummer == SE_EIGENE_LISTE ? 0 : 1, &e);
        const bool zeigt = spnr < 0 || std::any_of(e.begin(), e.end(), [spnr](const Spieler_Listen_Eintrag& x) { return x.spnr == spnr; });
        if (zeigt) icon->refresh = 1;
    }
}

void Spieler_Einsetzen_Einsatz_Abgelegt(int32_t y)
{
    // the first value whose place is at or below the drop, so that the handle stays where it was left
    const int32_t d = std::clamp<int32_t>(y - EINSATZ_OBEN, 0, EINSATZ_LAENGE);
    Spieler_Einsetzen_Einsatz_Regler(1 + (d * 98 + EINSATZ_LAENGE - 1) / EINSATZ_LAENGE);
}

const char* Spieler_Einsetzen_Staerke_Hilfe(Menue_Icon*)
{
    static std::string t;
    t = Spieler_Einsetzen_Staerke_Tooltip();
    return t.c_str();
}

int32_t Spieler_Einsetzen_Screen(Menue_Icon*, uint32_t)
{
    if (Aktuelles_Team < 0) return 0;
    Spieler_Screen_Icons_Zeigen();
    Spieler_Suche_Seite_Entfernen();
    if (liste.n > 0) Menue_Icon_Liste_Entfernen(liste.data(), 0);
    // The page before (the training's, the comparison's) goes whole: icons of it left under the
    // line-up would come back over the pitch with the next redraw of its area.
    Menue_Bereich_Loeschen(0, 0, 40, 600, 480);
    liste_bauen();
    Menue_Icon_Liste_Hinzufuegen(liste.data());
    // looked up by number, the icons are this screen's (the transfer search shares some numbers)
    Menue_Icon_Liste_Registrieren(liste.data());
    Spieler_Einsetzen_Set_Own_Button_Positionen(Spieler_Einsetzen_Own_Button_Art());
    Spieler_Aufs_Spielfeld_Setzen(false);
    Menue_Screen_Refresh(1, -1, -1, -1, -1);
    return 1;
}

int32_t Spieler_Screens_Gruppe(Menue_Icon*, uint32_t)
{
    Spieler_Screen_Icons_Zeigen();
    int32_t punkt = Menue_Untermenue_Registrieren(nullptr, UNTERMENUE_WIEDERHERSTELLEN, 707, Spieler_Screen_Knoepfe, 4,
                                                  801, 802, 803, 804);
    if (punkt < SPIELER_SCHALTER_VERGLEICH) punkt = SPIELER_SCHALTER_EINSETZEN;
    return Spieler_Screen_Oeffnen(punkt);
}

void Spieler_Screens_Registrieren()
{
    Menue_Gruppen_Screens[3] = Spieler_Screens_Gruppe;
    Spieler_Screen_Oeffner_Setzen(2, Spieler_Suche_Oeffnen);
    Spieler_Screen_Oeffner_Setzen(3, Spieler_Einsetzen_Screen);
    Spieler_Training_Registrieren();
    Spieler_Spielervergleich_Registrieren();
}
