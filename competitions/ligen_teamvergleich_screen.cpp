// The team comparison view of the tables screen: one column per club of the chosen competition,
// its crest at the height of its value, the scale on both sides, headline and subtitle.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "competitions/ligen_tabelle.h"
#include "competitions/ligen_teamvergleich.h"
#include "database/manager.h"
#include "database/team.h"
#include "gameflow/globals.h"
#include "graphics/font.h"
#include "graphics/grafik_bitmap.h"
#include "graphics/grafik_blit.h"
#include "graphics/grafik_farbe.h"
#include "graphics/grafik_printf.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_wappen.h"
#include "graphics/grafik_zeichnen.h"
#include "platform/resfile.h"
#include "toolkit/icon.h"
#include "toolkit/menueleiste.h"
#include "toolkit/screen.h"

namespace {

constexpr int16_t I_VERGLEICH = 2573;
constexpr int32_t SPALTE = 30, LINKS = 40, WAPPEN = 24;

std::vector<Menue_Icon> liste;

bool an(int32_t icon) { return Manager_Icon_Button_Lesen(Aktuelles_Team, icon) != 0; }
int32_t wort(int32_t icon) { return int16_t(Manager_Icon_Word_Data_Lesen(Aktuelles_Team, icon)); }

void text(int32_t x, int32_t y, uint16_t f, const std::string& s, int32_t font = 4)
{
    if (Grafik_Render_Ziel) Grafik_Printf(Grafik_Render_Ziel, Font(font), "^c%05d%s", x, y, int(f), s.c_str());
}

// The chosen statistic's mode, -1 for strength.
int32_t modus()
{
    if (!an(TV_STATISTIK)) return -1;
    const int32_t i = std::clamp(wort(TV_STATISTIK), 0, TV_STATISTIKEN - 1);
    return Teamvergleich_Statistiken[i].modus;
}

std::string untertitel(int32_t gruppen)
{
    static const char* const VOLL[4] = {"Kondition", "Intelligenz", "Technik", "Form"};
    static const char* const KURZ[4] = {"Kond.", "Intell.", "Techn.", "Form"};
    int32_t n = 0;
    for (int32_t k = 0; k < 4; ++k) n += (gruppen >> k) & 1;
    std::string s;
    for (int32_t k = 0; k < 4; ++k)
        if (gruppen & (1 << k)) s += (s.empty() ? "" : ",") + std::string(n == 1 ? VOLL[k] : KURZ[k]);
    return s;
}

int32_t zeichnen(Menue_Icon* icon, uint32_t)
{
    Rastport* ziel = Grafik_Render_Ziel;
    if (!icon || !ziel) return 0;
    Grafik_Rechteck_Fuellen(ziel, icon->x, icon->y, icon->breite, icon->hoehe, Grafik_Farbe(1, 2, 5));
    const Wettbewerb_Id w = Ligen_Tabelle_Get_Aktiven_Wettbewerb();
    const int32_t m = modus();
    int32_t gruppen = wort(TV_STAERKE) & 15;
    if (!gruppen) gruppen = 7;
    int32_t positionen = 0;
    for (int32_t k = 0; k < 4; ++k)
        if (an(TV_POSITION + k)) positionen |= 1 << k;
    static Teamvergleich_Ergebnis e;
    Ligen_Teamvergleich_Werte_Holen(w, an(TV_ELF), positionen, gruppen, m, an(TV_RANG), &e);
    const uint16_t weiss = Grafik_Farbe(15, 15, 15), grau = Grafik_Farbe(9, 9, 9);
    const std::string titel = m == -1 ? "Stärke" : Teamvergleich_Statistiken[std::clamp(wort(TV_STATISTIK), 0, 31)].titel;
    text(icon->x + 67 - 30, icon->y + 20, weiss, titel, 9);
    if (m == -1) text(icon->x + 67 - 30, icon->y + 34, grau, untertitel(gruppen));
    text(icon->x + 250, icon->y + 20, weiss, Wettbewerb_Get_Anzeigename(w, 1));
    if (!e.anzahl) {
        text(icon->x + 30, icon->y + 200, weiss, "In diesen Wettbewerb sind keine Vereine.");
        return 0;
    }
    // Scale on both sides.
    const Teamvergleich_Skala s = Ligen_Teamvergleich_Skala(e.groesster, e.kleinster, e.absteigend != 0);
    for (int32_t i = 0; i < s.anzahl; ++i) {
        const std::string z = Ligen_Teamvergleich_Zahl_Text(s.wert[i], e.eine_stelle != 0);
        text(4, s.y[i], grau, z);
        text(558, s.y[i], grau, z);
    }
    const int32_t resfile = ResFile_Handles[0].handle;
    for (int32_t i = 0; i < e.anzahl; ++i) {
        // The crest's middle stands level with its value on the scale.
        const int32_t x = LINKS + e.platz[i] * SPALTE, y = e.hoehe[i] + 20 - WAPPEN / 2;
        Grafik_Rechteck_Fuellen(ziel, x + 4, y + WAPPEN, SPALTE - 10, 423 - (y + WAPPEN), Grafik_Farbe(3, 5, 10));
        if (resfile >= 0)
            if (Rastport* b = Grafik_Wappen_Laden(resfile, nullptr, int32_t(ziel->depth), e.team[i], 0, 0, 1, WAPPEN, WAPPEN)) {
                Grafik_Blit_Transparent(b, 0, 0, int32_t(b->width), int32_t(b->height), ziel, x, y);
                Grafik_Bitmap_Freigeben(b);
            }
        const char* k = e.team[i] >= 0 && e.team[i] < Team_Anzahl ? Team_String(TEAM_KURZNAME, e.team[i], nullptr, 0) : "";
        std::string kurz = k ? std::string(k).substr(0, 4) : "";
        text(x, 436 + (i & 1) * 10, grau, kurz, 3);
    }
    return 0;
}

int32_t vergleich_screen(Menue_Icon*, uint32_t)
{
    Menue_Leiste_Zeigen();
    if (!an(TV_STAERKE) && !an(TV_STATISTIK)) Manager_Icon_Button_An_Aus(Aktuelles_Team, TV_STAERKE, 1);
    if (!an(TV_TABELLE) && !an(TV_RANG)) Manager_Icon_Button_An_Aus(Aktuelles_Team, TV_TABELLE, 1);
    Ligen_Tabelle_Entfernen();
    Ligen_Teamvergleich_Entfernen();
    Menue_Icon i = Menue_Icon_Vorlage(I_VERGLEICH, -1, ICON_NICHT_TREFFEN, 0, 72, 597, 390, 12, 255);
    i.refresh_prozedur = zeichnen;
    i.status = ICON_SPAETER_REFRESH;
    liste.push_back(i);
    liste.push_back(Menue_Icon_Listenende());
    Menue_Screen_Icon_Hinzufuegen(&liste[0]);
    Menue_Bereich_Refresh(20, 0, 45, 640, 480);
    return 0;
}

}  // namespace

void Ligen_Teamvergleich_Entfernen()
{
    for (Menue_Icon& i : liste)
        if (i.nummer != -1 && Menue_Screen_Icon_Ist_Vorhanden(i.nummer)) Menue_Screen_Icon_Loeschen(i.nummer, nullptr, 16);
    liste.clear();
}

void Ligen_Teamvergleich_Registrieren() { Menue_Leiste_Screens[1] = vergleich_screen; }
